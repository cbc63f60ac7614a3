// The activity income of sections D1, D2, D4 and D5 by member.
#include "RentasActividades.h"

#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegApartadoD1.h"
#include "bloques/RegApartadoD2.h"
#include "bloques/RegApartadoD4.h"
#include "bloques/RegApartadoD5.h"
#include "RepartoFilas.h"

namespace ximardol {
namespace {

// Adds the rows of a member-coded column straight into the array, in row order (what RepartirImportes does with the
// same pairs: a code byte is never negative, so no pair ends the list).
template <auto Codigos, auto Importe, typename Bloque>
void SumaFilas(ImportesMiembro& importes, const Bloque* bloque) {
  ParaCadaFilaConMiembro<Codigos>(bloque, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(importes, codigo, Lee(bloque, Importe, fila));
  });
}

// The same with two amounts per row, the first added before the second.
template <auto Codigos, auto Importe1, auto Importe2, typename Bloque>
void SumaFilasDosImportes(ImportesMiembro& importes, const Bloque* bloque) {
  ParaCadaFilaConMiembro<Codigos>(bloque, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(importes, codigo, Lee(bloque, Importe1, fila));
    SumaImporteMiembro(importes, codigo, Lee(bloque, Importe2, fila));
  });
}

}  // namespace

ImportesMiembro RendimientosActividades(const RegApartadoD1* d1, const RegApartadoD2* d2, const RegApartadoD4* d4,
                                        const RegApartadoD5* d5) {
  ImportesMiembro importes{};
  SumaFilas<ApartadoD1::CodigoMiembro, ApartadoD1::Diferencia>(importes, d1);
  SumaFilas<ApartadoD1::CodigoMiembroOtraFila, ApartadoD1::ImporteOtraFilaPrevio>(importes, d1);
  SumaFilas<ApartadoD2::CodigoMiembro, ApartadoD2::DiferenciaMenosGastos>(importes, d2);
  SumaFilas<ApartadoD2::CodigoMiembroOtraFila, ApartadoD2::ImporteOtraFilaPrevio>(importes, d2);
  SumaFilasDosImportes<ApartadoD4::CodigoMiembro, ApartadoD4::RendimientoNeto, ApartadoD4::RendimientoNetoAtribuido>(
      importes, d4);
  SumaFilasDosImportes<ApartadoD5::CodigoMiembro, ApartadoD5::RendimientoNeto, ApartadoD5::RendimientoNetoAtribuido>(
      importes, d5);
  return importes;
}

}  // namespace ximardol
