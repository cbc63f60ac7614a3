// Member-coded rows read over columns fixed when the code compiles. RepartirFilas (Ayudas.h) takes its columns at
// run time and loops over them in a function of its own; with the columns as template arguments the few rows of a
// list unroll in place, a row whose code is not a person costs one test (its amounts are not read), and several
// amount columns of the same rows are read in one pass. The additions are those of RepartirFilas, in the same order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Ayudas.h"

namespace ximardol {

// Calls `cadaFila(codigo, fila)` for each row whose code is a person code (1 to 5), in row order. A row with any
// other code adds nothing in SumaImporteMiembro, so it is skipped.
template <auto Codigos, typename Bloque, typename Funcion>
inline void ParaCadaFilaConMiembro(const Bloque* bloque, Funcion&& cadaFila) {
  for (std::size_t fila = 0; fila < Codigos.cuantos; ++fila) {
    const std::uint8_t codigo = Lee(bloque, Codigos, fila);
    if (codigo >= Sujeto::UnidadFamiliar && codigo <= Sujeto::SegundoHijo) cadaFila(static_cast<int>(codigo), fila);
  }
}

// RepartirFilas over fixed columns.
template <auto Codigos, auto Importes, typename Bloque>
inline ImportesMiembro RepartirFilasFijas(const Bloque* bloque) {
  ImportesMiembro importes{};
  ParaCadaFilaConMiembro<Codigos>(bloque, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(importes, codigo, Lee(bloque, Importes, fila));
  });
  return importes;
}

}  // namespace ximardol
