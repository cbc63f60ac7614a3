// The activity income of sections D1, D2, D4 and D5 by member.
#include "RentasActividades.h"

#include <array>
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegApartadoD1.h"
#include "bloques/RegApartadoD2.h"
#include "bloques/RegApartadoD4.h"
#include "bloques/RegApartadoD5.h"

namespace ximardol {

ImportesMiembro RendimientosActividades(const RegApartadoD1* d1, const RegApartadoD2* d2, const RegApartadoD4* d4,
                                        const RegApartadoD5* d5) {
  constexpr std::size_t kPares = ApartadoD1::Actividades.cuantas + ApartadoD1::OtrasFilas.cuantas +
                                 ApartadoD2::Actividades.cuantas + ApartadoD2::OtrasFilas.cuantas +
                                 2 * ApartadoD4::Actividades.cuantas + 2 * ApartadoD5::Actividades.cuantas;
  std::array<ParMiembro, kPares> pares{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < ApartadoD1::Actividades.cuantas; ++i) {
    pares[n++] = {Lee(d1, ApartadoD1::CodigoMiembro, i), Lee(d1, ApartadoD1::Diferencia, i)};
  }
  for (std::size_t i = 0; i < ApartadoD1::OtrasFilas.cuantas; ++i) {
    pares[n++] = {Lee(d1, ApartadoD1::CodigoMiembroOtraFila, i), Lee(d1, ApartadoD1::ImporteOtraFilaPrevio, i)};
  }
  for (std::size_t i = 0; i < ApartadoD2::Actividades.cuantas; ++i) {
    pares[n++] = {Lee(d2, ApartadoD2::CodigoMiembro, i), Lee(d2, ApartadoD2::DiferenciaMenosGastos, i)};
  }
  for (std::size_t i = 0; i < ApartadoD2::OtrasFilas.cuantas; ++i) {
    pares[n++] = {Lee(d2, ApartadoD2::CodigoMiembroOtraFila, i), Lee(d2, ApartadoD2::ImporteOtraFilaPrevio, i)};
  }
  for (std::size_t i = 0; i < ApartadoD4::Actividades.cuantas; ++i) {
    const int codigo = Lee(d4, ApartadoD4::CodigoMiembro, i);
    pares[n++] = {codigo, Lee(d4, ApartadoD4::RendimientoNeto, i)};
    pares[n++] = {codigo, Lee(d4, ApartadoD4::RendimientoNetoAtribuido, i)};
  }
  for (std::size_t i = 0; i < ApartadoD5::Actividades.cuantas; ++i) {
    const int codigo = Lee(d5, ApartadoD5::CodigoMiembro, i);
    pares[n++] = {codigo, Lee(d5, ApartadoD5::RendimientoNeto, i)};
    pares[n++] = {codigo, Lee(d5, ApartadoD5::RendimientoNetoAtribuido, i)};
  }
  return RepartirImportes(pares);
}

}  // namespace ximardol
