// Section C, movable capital income: each instance 1 to 8 recomputes the member arrays of its subsection; every call,
// whatever its instance, then recomputes the totals (gross income, expenses, net income, the net income after
// subsections 6 and 7, and the amounts that go to the results).
//
// Writes RegRendCapMobiliario (its member arrays), RegBaseImponible and RegResultados.
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegRendCapMobiliario.h"
#include "bloques/RegResultados.h"

namespace ximardol {
namespace {

namespace C = RendCapMobiliario;

constexpr std::size_t kFilas = 6;
static_assert(C::Filas1.cuantas == kFilas && C::Filas2.cuantas == kFilas && C::Filas3.cuantas == kFilas &&
              C::Filas4.cuantas == kFilas && C::Filas5.cuantas == kFilas && C::Filas6.cuantas == kFilas &&
              C::Filas7.cuantas == kFilas && C::Filas8.cuantas == kFilas);

// Adds the rows of one column to `importes` in row order, as `SumaImporteMiembro` does. A row whose code is not a
// member (1 to 5) adds nothing, so its amount is not even read: most rows of a declaration are empty, and this runs
// for every subsection on every call. The columns are template arguments so that their offsets are constants.
template <Columna<RegRendCapMobiliario, std::uint8_t> codigo, Columna<RegRendCapMobiliario, double> importe>
void SumaFilas(const RegRendCapMobiliario* bloque, ImportesMiembro& importes) {
  static_assert(codigo.cuantos == kFilas && importe.cuantos == kFilas);
#pragma GCC unroll 6
  for (std::size_t i = 0; i < kFilas; ++i) {
    const std::uint8_t miembro = Lee(bloque, codigo, i);
    if (miembro < Sujeto::UnidadFamiliar || miembro > Sujeto::SegundoHijo) continue;
    SumaImporteMiembro(importes, miembro, Lee(bloque, importe, i));
  }
}

// The member array of one column of rows.
template <Columna<RegRendCapMobiliario, std::uint8_t> codigo, Columna<RegRendCapMobiliario, double> importe>
ImportesMiembro Reparte(const RegRendCapMobiliario* bloque) {
  ImportesMiembro importes{};
  SumaFilas<codigo, importe>(bloque, importes);
  return importes;
}

// The expenses of subsections 1 and 3 (written by instances 1 and 3).
void CalculaGastos1Y3(RegRendCapMobiliario* bloque) {
  ImportesMiembro gastos{};
  SumaFilas<C::Codigo1, C::GastoFila1>(bloque, gastos);
  SumaFilas<C::Codigo3, C::GastoFila3>(bloque, gastos);
  Escribe(bloque, C::Gastos1Y3, gastos);
}

void CalculaSubapartado(RegRendCapMobiliario* bloque, RegBaseImponible* baseImponible, int instancia) {
  switch (instancia) {
    case 1:
      Escribe(bloque, C::Ingresos1, Reparte<C::Codigo1, C::IngresoFila1>(bloque));
      CalculaGastos1Y3(bloque);
      break;
    case 2:
      Escribe(bloque, C::Ingresos2, Reparte<C::Codigo2, C::IngresoFila2>(bloque));
      break;
    case 3:
      Escribe(bloque, C::Ingresos3, Reparte<C::Codigo3, C::IngresoFila3>(bloque));
      CalculaGastos1Y3(bloque);
      break;
    case 4:
      Escribe(bloque, C::Ingresos4, Reparte<C::Codigo4, C::IngresoFila4>(bloque));
      break;
    case 5:
      Escribe(bloque, C::Ingresos5, Reparte<C::Codigo5, C::IngresoFila5>(bloque));
      Escribe(bloque, C::Gastos5, Reparte<C::Codigo5, C::GastoFila5>(bloque));
      break;
    case 6:
      Escribe(baseImponible, BaseImponible::MobiliarioSubapartado6, Reparte<C::Codigo6, C::ImporteFila6>(bloque));
      break;
    case 7:
      Escribe(baseImponible, BaseImponible::MobiliarioSubapartado7, Reparte<C::Codigo7, C::ImporteFila7>(bloque));
      break;
    case 8: {
      const ImportesMiembro resultado = Reparte<C::Codigo8, C::ImporteFila8>(bloque);
      Escribe(baseImponible, BaseImponible::MobiliarioSubapartado8, resultado);
      // Gains where the slot is 0 or more, losses (as positive amounts) where it is negative.
      ImportesMiembro positivo{};
      ImportesMiembro negativo{};
      for (std::size_t k = 0; k < resultado.size(); ++k) {
        if (resultado[k] >= 0.0) {
          positivo[k] = resultado[k];
        } else {
          negativo[k] = -resultado[k];
        }
      }
      Escribe(bloque, C::Subapartado8Positivo, positivo);
      Escribe(bloque, C::Subapartado8Negativo, negativo);
      break;
    }
    default:
      break;
  }
}

void CalculaTotales(RegRendCapMobiliario* bloque, RegResultados* resultados, RegBaseImponible* baseImponible) {
  const ImportesMiembro integro = Lee(bloque, C::Ingresos1) + Lee(bloque, C::Ingresos2) + Lee(bloque, C::Ingresos3) +
                                  Lee(bloque, C::Ingresos4) + Lee(bloque, C::Ingresos5);
  const ImportesMiembro gastos = Lee(bloque, C::Gastos1Y3) + Lee(bloque, C::Gastos5);
  const ImportesMiembro neto = integro - gastos;
  Escribe(baseImponible, BaseImponible::MobiliarioIntegro, integro);
  Escribe(baseImponible, BaseImponible::MobiliarioGastos, gastos);
  Escribe(bloque, C::RendimientoNeto, neto);
  Escribe(baseImponible, BaseImponible::MobiliarioNeto,
          neto - Lee(baseImponible, BaseImponible::MobiliarioSubapartado6) -
              Lee(baseImponible, BaseImponible::MobiliarioSubapartado7));
  ImportesMiembro retenciones{};
  SumaFilas<C::Codigo1, C::RetencionFila1>(bloque, retenciones);
  SumaFilas<C::Codigo2, C::RetencionFila2>(bloque, retenciones);
  SumaFilas<C::Codigo3, C::RetencionFila3>(bloque, retenciones);
  SumaFilas<C::Codigo4, C::RetencionFila4>(bloque, retenciones);
  SumaFilas<C::Codigo5, C::RetencionFila5>(bloque, retenciones);
  Escribe(resultados, Resultados::ImportesCapitalMobiliario, retenciones);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100C(RegRendCapMobiliario* rendCapMobiliario, RegResultados* resultados,
                            RegBaseImponible* baseImponible, int instancia) {
  using namespace ximardol;
  if (rendCapMobiliario == nullptr || resultados == nullptr || baseImponible == nullptr) return 0;
  CalculaSubapartado(rendCapMobiliario, baseImponible, instancia);
  CalculaTotales(rendCapMobiliario, resultados, baseImponible);
  return 0;
}
