// Section M: deductions whose entered amounts share a common limit. Each instance is an independent computation:
// 1 and 2 the four kinds under a limit of 10 % of the bases to liquidate; 3 five amounts under a cap of 1,500,000
// per member, with two rates split at 750,000; 4 three amounts under a cap of 2,000,000, split at 1,000,000; 5 two
// groups limited by the quota left after deductions; 6 the instance 3 deductions copied into the three 72-byte rows
// of the results block.
//
// Writes RegApartadoM, RegLiquidacion (the deductions at 1240 to 1480) and RegResultados (0, 5048 and the last
// double of the three 72-byte rows). Reads RegApartadoK, RegRendCapMobiliario and RegApartadoE2.
#include <array>
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "bloques/RegApartadoE2.h"
#include "bloques/RegApartadoK.h"
#include "bloques/RegApartadoM.h"
#include "bloques/RegLiquidacion.h"
#include "bloques/RegRendCapMobiliario.h"
#include "bloques/RegResultados.h"
#include "RepartoFilas.h"

namespace ximardol {
namespace {

namespace AM = ApartadoM;

// The same cap on every slot.
ImportesMiembro Todos(double valor) { return {valor, valor, valor, valor, valor}; }

// Instances 1 and 2: kind b, kind a, the first group and kind c, in this order, under one limit of 10 % of both
// bases to liquidate. Kind c is capped to what is left but does not use it up.
void DeduccionesLimiteComun(RegApartadoM* m, const RegApartadoK* k, RegLiquidacion* liquidacion) {
  const ImportesMiembro primerGrupo = RepartirFilasFijas<AM::CodigoPrimerGrupo, AM::ImportePrimerGrupo>(m);
  Escribe(m, AM::PrimerGrupo, primerGrupo);
  // The nine amounts of the entries (a, b and c of each entry in turn) and each kind's own, in one pass.
  ImportesMiembro clases{};
  ImportesMiembro claseA{};
  ImportesMiembro claseB{};
  ImportesMiembro claseC{};
  ParaCadaFilaConMiembro<AM::CodigoClases>(m, [&](int codigo, std::size_t e) {
    const double a = Lee(m, AM::ImporteClaseA, e);
    const double b = Lee(m, AM::ImporteClaseB, e);
    const double c = Lee(m, AM::ImporteClaseC, e);
    SumaImporteMiembro(clases, codigo, a);
    SumaImporteMiembro(clases, codigo, b);
    SumaImporteMiembro(clases, codigo, c);
    SumaImporteMiembro(claseA, codigo, a);
    SumaImporteMiembro(claseB, codigo, b);
    SumaImporteMiembro(claseC, codigo, c);
  });
  Escribe(m, AM::ClasesABC, clases);
  const ImportesMiembro suma = primerGrupo + clases;
  Escribe(m, AM::SumaGrupoYClases, suma);

  // A slot with nothing entered has no limit, whatever its base.
  ImportesMiembro limite = Lee(k, ApartadoK::SumaBasesLiquidables);
  for (std::size_t i = 0; i < limite.size(); ++i) {
    limite[i] = suma[i] == 0.0 ? 0.0 : limite[i] * 0.1;
  }
  limite = ElevadoACero(limite);
  Escribe(m, AM::Limite, limite);

  ImportesMiembro admitidas = RebajadoA(claseB, limite);
  ImportesMiembro resto = limite - admitidas;
  ImportesMiembro deduccionClases = 0.25 * admitidas;

  const ImportesMiembro claseAAdmitida = RebajadoA(claseA, resto);
  Escribe(m, AM::ClaseAAdmitida, claseAAdmitida);
  admitidas = admitidas + claseAAdmitida;
  deduccionClases = deduccionClases + 0.2 * claseAAdmitida;
  resto = resto - claseAAdmitida;

  const ImportesMiembro grupoAdmitido = RebajadoA(primerGrupo, resto);
  Escribe(m, AM::PrimerGrupoAdmitido, grupoAdmitido);
  resto = resto - grupoAdmitido;
  Escribe(liquidacion, Liquidacion::DeduccionGrupo1M, RedondeaSinCeros(0.15 * grupoAdmitido));

  const ImportesMiembro claseCAdmitida = RebajadoA(claseC, resto);
  Escribe(m, AM::ClaseCAdmitida, claseCAdmitida);
  admitidas = admitidas + claseCAdmitida;
  deduccionClases = RedondeaSinCeros(deduccionClases + 0.1 * claseCAdmitida);

  Escribe(m, AM::ClasesAdmitidas, admitidas);
  Escribe(m, AM::LimiteRestante, resto);
  Escribe(liquidacion, Liquidacion::DeduccionClasesABCM, deduccionClases);
}

// The deductions on the first amounts u and the second amounts v of a slot: 25 % of u up to `tramo`, 15 % above it;
// 20 % of v while u + v stays within `tramo`, 15 % beyond it.
struct DeduccionDosTipos {
  double primeros;
  double segundos;
};

DeduccionDosTipos DosTipos(double u, double v, double tramo) {
  if (u > tramo) return {RedondeaSinCeros((u - tramo) * 0.15 + tramo * 0.25), RedondeaSinCeros(v * 0.15)};
  if (u + v > tramo) return {RedondeaSinCeros(u * 0.25), RedondeaSinCeros((tramo - u) * 0.2 + (u + v - tramo) * 0.15)};
  return {RedondeaSinCeros(u * 0.25), RedondeaSinCeros(v * 0.2)};
}

void DeduccionesDosTipos(const ImportesMiembro& u, const ImportesMiembro& v, double tramo, ImportesMiembro& primeros,
                         ImportesMiembro& segundos) {
  for (std::size_t i = 0; i < u.size(); ++i) {
    const DeduccionDosTipos d = DosTipos(u[i], v[i], tramo);
    primeros[i] = d.primeros;
    segundos[i] = d.segundos;
  }
}

// Instance 3: five amounts of three entries under a cap of 1,500,000 per slot, taken in order.
void DeduccionesTope3(RegApartadoM* m, RegLiquidacion* liquidacion, RegResultados* resultados) {
  constexpr double Tope = 1500000.0;
  constexpr double Tramo = 750000.0;
  // The five amounts of the entries by member, in one pass.
  std::array<ImportesMiembro, 5> entradas{};
  ParaCadaFilaConMiembro<AM::CodigoEntrada3>(m, [&](int codigo, std::size_t e) {
    SumaImporteMiembro(entradas[0], codigo, Lee(m, AM::Importe1Entrada3, e));
    SumaImporteMiembro(entradas[1], codigo, Lee(m, AM::Importe2Entrada3, e));
    SumaImporteMiembro(entradas[2], codigo, Lee(m, AM::Importe3Entrada3, e));
    SumaImporteMiembro(entradas[3], codigo, Lee(m, AM::Importe4Entrada3, e));
    SumaImporteMiembro(entradas[4], codigo, Lee(m, AM::Importe5Entrada3, e));
  });
  const ImportesMiembro primeros = RebajadoA(entradas[0], Todos(Tope));
  Escribe(m, AM::PrimerosImportes3, primeros);
  ImportesMiembro resto = Todos(Tope) - primeros;
  const ImportesMiembro segundos = RebajadoA(entradas[1], resto);
  Escribe(m, AM::SegundosImportes3, segundos);
  resto = resto - segundos;
  const ImportesMiembro terceros = RebajadoA(entradas[2], resto);
  Escribe(m, AM::TercerosImportes3, terceros);
  resto = resto - terceros;

  ImportesMiembro deduccionPrimeros{};
  ImportesMiembro deduccionSegundos{};
  DeduccionesDosTipos(primeros, segundos, Tramo, deduccionPrimeros, deduccionSegundos);
  Escribe(m, AM::DeduccionPrimeros3, deduccionPrimeros);
  Escribe(m, AM::DeduccionSegundos3, deduccionSegundos);
  Escribe(liquidacion, Liquidacion::DeduccionImportes12M3, deduccionPrimeros + deduccionSegundos);
  Escribe(liquidacion, Liquidacion::DeduccionImportes3M3, RedondeaSinCeros(0.15 * terceros));

  const ImportesMiembro cuartos = RebajadoA(entradas[3], resto);
  Escribe(m, AM::CuartosImportes3, cuartos);
  resto = resto - cuartos;
  Escribe(liquidacion, Liquidacion::DeduccionImportes4M3, RedondeaSinCeros(0.15 * cuartos));

  const ImportesMiembro quintos = RebajadoA(entradas[4], resto);
  Escribe(m, AM::QuintosImportes3, quintos);
  Escribe(resultados, Resultados::DeduccionM3Quintos, RedondeaSinCeros(0.15 * quintos));
}

// Instance 4: three amounts of six entries under a cap of 2,000,000 per slot; the third is capped to what the first
// two leave but does not use it up.
void DeduccionesTope4(RegApartadoM* m, RegLiquidacion* liquidacion) {
  constexpr double Tope = 2000000.0;
  constexpr double Tramo = 1000000.0;
  // The three amounts of the entries by member, in one pass.
  std::array<ImportesMiembro, 3> entradas{};
  ParaCadaFilaConMiembro<AM::CodigoEntrada4>(m, [&](int codigo, std::size_t e) {
    SumaImporteMiembro(entradas[0], codigo, Lee(m, AM::Importe1Entrada4, e));
    SumaImporteMiembro(entradas[1], codigo, Lee(m, AM::Importe2Entrada4, e));
    SumaImporteMiembro(entradas[2], codigo, Lee(m, AM::Importe3Entrada4, e));
  });
  const ImportesMiembro primeros = RebajadoA(entradas[0], Todos(Tope));
  Escribe(m, AM::PrimerosImportes4, primeros);
  ImportesMiembro resto = Todos(Tope) - primeros;
  const ImportesMiembro segundos = RebajadoA(entradas[1], resto);
  Escribe(m, AM::SegundosImportes4, segundos);
  resto = Todos(Tope) - primeros - segundos;
  Escribe(m, AM::LimiteRestante, resto);
  const ImportesMiembro terceros = RebajadoA(entradas[2], resto);
  Escribe(m, AM::TercerosImportes4, terceros);

  ImportesMiembro deduccionPrimeros{};
  ImportesMiembro deduccionSegundos{};
  DeduccionesDosTipos(primeros, segundos, Tramo, deduccionPrimeros, deduccionSegundos);
  Escribe(m, AM::DeduccionPrimeros4, deduccionPrimeros);
  Escribe(m, AM::DeduccionSegundos4, deduccionSegundos);
  Escribe(liquidacion, Liquidacion::DeduccionImportes12M4, deduccionPrimeros + deduccionSegundos);
  Escribe(liquidacion, Liquidacion::DeduccionImportes3M4, RedondeaSinCeros(0.15 * terceros));
}

// Instance 5: the section's own six entries, then the capital-income and section E2 entries, both limited by the
// quota left after deductions.
void DeduccionesLimiteCuota(RegApartadoM* m, RegResultados* resultados, const RegRendCapMobiliario* mobiliario,
                            const RegApartadoE2* e2) {
  const ImportesMiembro propias = RepartirFilasFijas<AM::CodigoEntrada5, AM::ImporteEntrada5>(m);
  Escribe(m, AM::Entradas5, propias);
  // The capital-income rows, then the section E2 rows.
  ImportesMiembro capital = RepartirFilasFijas<RendCapMobiliario::Codigo1, RendCapMobiliario::ImporteApartadoMFila1>(
      mobiliario);
  ParaCadaFilaConMiembro<ApartadoE2::CodigoMiembro>(e2, [&](int codigo, std::size_t f) {
    SumaImporteMiembro(capital, codigo, Lee(e2, ApartadoE2::Importe56, f));
  });
  Escribe(m, AM::Capital5, capital);

  ImportesMiembro resto = Lee(resultados, Resultados::CuotaLiquida);
  const ImportesMiembro propiasAdmitidas = RebajadoA(propias, resto);
  Escribe(m, AM::Entradas5Admitido, propiasAdmitidas);
  Escribe(m, AM::Entradas5Resto, propias - propiasAdmitidas);
  resto = resto - propiasAdmitidas;
  const ImportesMiembro capitalAdmitido = RebajadoA(capital, resto);
  Escribe(m, AM::Capital5Admitido, capitalAdmitido);
  Escribe(m, AM::Capital5Resto, capital - capitalAdmitido);
  Escribe(resultados, Resultados::AdmitidosM5, propiasAdmitidas + capitalAdmitido);
}

// Instance 6: row k of the 72-byte rows takes the instance 3 deductions of slot k, whatever the row's member code.
void CopiaDeduccionesFilas72(RegResultados* resultados, const RegLiquidacion* liquidacion) {
  const ImportesMiembro importes12 = Lee(liquidacion, Liquidacion::DeduccionImportes12M3);
  const ImportesMiembro importes3 = Lee(liquidacion, Liquidacion::DeduccionImportes3M3);
  for (std::size_t fila = 0; fila < Resultados::Filas72.cuantas; ++fila) {
    Escribe(resultados, Resultados::DeduccionesM3Fila72, fila, importes3[fila] + importes12[fila]);
  }
}

}  // namespace
}  // namespace ximardol

// Instances 1 and 2 need RegApartadoK and RegLiquidacion, 3 RegLiquidacion and RegResultados, 4 RegLiquidacion,
// 5 RegResultados, RegRendCapMobiliario and RegApartadoE2, 6 RegLiquidacion and RegResultados (RegApartadoM is not
// read by instance 6); an instance without its blocks, or any other instance, does nothing.
extern "C" int Calculos100M(RegApartadoM* apartadoM, RegApartadoK* apartadoK, RegLiquidacion* liquidacion,
                            RegResultados* resultados, RegRendCapMobiliario* rendCapMobiliario,
                            RegApartadoE2* apartadoE2, int instancia) {
  using namespace ximardol;
  switch (instancia) {
    case 1:
    case 2:
      if (apartadoM != nullptr && apartadoK != nullptr && liquidacion != nullptr) {
        DeduccionesLimiteComun(apartadoM, apartadoK, liquidacion);
      }
      break;
    case 3:
      if (apartadoM != nullptr && liquidacion != nullptr && resultados != nullptr) {
        DeduccionesTope3(apartadoM, liquidacion, resultados);
      }
      break;
    case 4:
      if (apartadoM != nullptr && liquidacion != nullptr) DeduccionesTope4(apartadoM, liquidacion);
      break;
    case 5:
      if (apartadoM != nullptr && resultados != nullptr && rendCapMobiliario != nullptr && apartadoE2 != nullptr) {
        DeduccionesLimiteCuota(apartadoM, resultados, rendCapMobiliario, apartadoE2);
      }
      break;
    case 6:
      if (resultados != nullptr && liquidacion != nullptr) CopiaDeduccionesFilas72(resultados, liquidacion);
      break;
    default:
      break;
  }
  return 0;
}
