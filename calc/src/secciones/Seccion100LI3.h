// Calculos100LI3, the results of the declaration: the instances live in more than one file, and this header is what
// they share. The export (Seccion100LI3.cpp) gathers its block pointers once and hands them to the instance it runs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "ximardol.h"

namespace ximardol {

// The blocks of one call of Calculos100LI3, as the caller passed them (any of them may be null: each instance checks
// the blocks it needs and does nothing without them).
struct BloquesResultados {
  RegResultados* resultados;
  RegApartadoF1* apartadoF1;
  RegLiquidacion* liquidacion;
  RegBaseImponible* baseImponible;
  RegApartadoG* apartadoG;
  RegRendTrabajo* rendTrabajo;
  RegRendCapInmobiliario* rendCapInmobiliario;
  RegRendCapMobiliario* rendCapMobiliario;
  RegApartadoD1* apartadoD1;
  RegApartadoD2* apartadoD2;
  RegApartadoD4* apartadoD4;
  RegApartadoD5* apartadoD5;
  RegIdentificacion* identificacion;
};

// Calls `cadaFila(codigo, fila)` for each row of a member-coded list whose code is a person code (1 to 5), in row
// order. The code column is a template argument, so the few rows unroll; a row with any other code adds nothing in
// SumaImporteMiembro, and here its amounts are not even read.
template <auto Codigos, typename Bloque, typename Funcion>
inline void ParaCadaFilaConMiembro(const Bloque* bloque, Funcion&& cadaFila) {
  for (std::size_t fila = 0; fila < Codigos.cuantos; ++fila) {
    const std::uint8_t codigo = Lee(bloque, Codigos, fila);
    if (codigo >= Sujeto::UnidadFamiliar && codigo <= Sujeto::SegundoHijo) cadaFila(static_cast<int>(codigo), fila);
  }
}

// RepartirFilas over columns fixed when the code compiles: the same additions in the same order.
template <auto Codigos, auto Importes, typename Bloque>
inline ImportesMiembro RepartirFilasFijas(const Bloque* bloque) {
  ImportesMiembro importes{};
  ParaCadaFilaConMiembro<Codigos>(bloque, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(importes, codigo, Lee(bloque, Importes, fila));
  });
  return importes;
}

// Instance 4: the result totals, ending with the minuend of the final difference that instance 5 uses.
void ResultadosInstancia4(const BloquesResultados& bloques);

}  // namespace ximardol
