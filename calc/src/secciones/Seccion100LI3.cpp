// Calculos100LI3: the results block. Instance 1 distributes the section F1 withholdings, instance 2 computes the
// three proportional quota deductions, instance 6 adds up every deduction, instance 3 takes them from the two quotas,
// instance 4 (its own file) the result totals, instance 5 the payments and the final difference.
//
// Reads RegApartadoF1, RegLiquidacion, RegBaseImponible, RegApartadoG and RegIdentificacion; writes only
// RegResultados (instance 4 may read the income blocks too).
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "bloques/RegApartadoF1.h"
#include "bloques/RegApartadoG.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegIdentificacion.h"
#include "bloques/RegLiquidacion.h"
#include "bloques/RegResultados.h"
#include "RepartoFilas.h"
#include "secciones/Seccion100LI3.h"

namespace ximardol {
namespace {

// Instance 1: the withholdings of the nine rows and of the four rows of instances 1 and 2 of section F1, added in
// that order.
void DistribuyeRetencionesF1(RegResultados* resultados, const RegApartadoF1* f1) {
  ImportesMiembro retenciones{};
  ParaCadaFilaConMiembro<ApartadoF1::FilaMiembro>(f1, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(retenciones, codigo, Lee(f1, ApartadoF1::FilaRetencion, fila));
  });
  ParaCadaFilaConMiembro<ApartadoF1::FilaInstancia1Miembro>(f1, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(retenciones, codigo, Lee(f1, ApartadoF1::FilaInstancia1Retencion, fila));
  });
  ParaCadaFilaConMiembro<ApartadoF1::FilaInstancia2Miembro>(f1, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(retenciones, codigo, Lee(f1, ApartadoF1::FilaInstancia2Importe2, fila));
  });
  Escribe(resultados, Resultados::RetencionesF1, retenciones);
}

// Instance 2: the three proportional deductions.
void CalculaDeduccionesProporcionales(RegResultados* resultados, const RegLiquidacion* liquidacion,
                                      const RegBaseImponible* baseImponible, const RegApartadoG* apartadoG) {
  const ImportesMiembro q1 =
      Lee(liquidacion, Liquidacion::Cuota1UnaPieza) + Lee(liquidacion, Liquidacion::Cuota1DosPiezas);
  const ImportesMiembro q2 =
      Lee(liquidacion, Liquidacion::Cuota2UnaPieza) + Lee(liquidacion, Liquidacion::Cuota2DosPiezas);
  const ImportesMiembro q = q1 + q2;
  const ImportesMiembro b =
      Lee(baseImponible, BaseImponible::SumaPartesGenerales) + Lee(baseImponible, BaseImponible::GananciasNetasGrupo1);

  // First: half the quota in proportion of the income of its two entries to the general base.
  const ImportesMiembro t = ElevadoACero(RepartirFilasFijas<Resultados::CodigoDeduccionProporcional1,
                                                            Resultados::RentaDeduccionProporcional1>(resultados));
  ImportesMiembro primera{};
  for (std::size_t k = 0; k < primera.size(); ++k) {
    if (b[k] > 0.0) {
      primera[k] = RebajadoA(RedondeaSinCeros(q[k] * t[k] * 0.5 / b[k]), RedondeaSinCeros(q[k] * 0.5));
    }
  }
  Escribe(resultados, Resultados::DeduccionProporcional1, primera);

  // Second: the average rates on the tax figure of its two entries, at most 80 % of the quota in proportion of their
  // income figure to the general base; per person for declarant and spouse, jointly for the family total.
  const ImportesMiembro a = Lee(liquidacion, Liquidacion::TipoMedio1UnaPieza) +
                            Lee(liquidacion, Liquidacion::TipoMedio1DosPiezas) +
                            Lee(liquidacion, Liquidacion::TipoMedio2UnaPieza) +
                            Lee(liquidacion, Liquidacion::TipoMedio2DosPiezas);
  ImportesMiembro u{};
  ImportesMiembro v{};
  ParaCadaFilaConMiembro<Resultados::CodigoDeduccionProporcional2>(resultados, [&](int codigo, std::size_t e) {
    SumaImporteMiembro(u, codigo, Lee(resultados, Resultados::CuotaDeduccionProporcional2, e));
    SumaImporteMiembro(v, codigo, Lee(resultados, Resultados::RentaDeduccionProporcional2, e));
  });
  ImportesMiembro segunda{};
  for (std::size_t s = 1; s <= 2; ++s) {
    if (b[s] > 0.0) {
      const double deduccion =
          RebajadoA(RedondeaSinCeros(a[s] * u[s] * 0.01), RedondeaSinCeros(q[s] * v[s] * 0.8 / b[s]));
      // An income figure above the general base must not lift the deduction over 80 % of the quota.
      segunda[s] = RebajadoA(deduccion, RedondeaSinCeros(q[s] * 0.8));
    }
  }
  if (b[0] > 0.0) {
    double conjunta = 0.0;
    for (std::size_t e = 0; e < Resultados::CodigoDeduccionProporcional2.cuantos; ++e) {
      const double parte = RebajadoA(a[0] * Lee(resultados, Resultados::CuotaDeduccionProporcional2, e) * 0.01,
                                     q[0] * Lee(resultados, Resultados::RentaDeduccionProporcional2, e) * 0.8 / b[0]);
      conjunta += parte;
    }
    segunda[0] = RebajadoA(RedondeaSinCeros(conjunta), RedondeaSinCeros(q[0] * 0.8));
  }
  Escribe(resultados, Resultados::DeduccionProporcional2, segunda);

  // Third: half of each quota in proportion of the general and special parts of its six entries to the bases.
  ImportesMiembro g{};
  ImportesMiembro sp{};
  ParaCadaFilaConMiembro<Resultados::CodigoDeduccionProporcional3>(resultados, [&](int codigo, std::size_t e) {
    SumaImporteMiembro(g, codigo, Lee(resultados, Resultados::GeneralDeduccionProporcional3, e));
    SumaImporteMiembro(sp, codigo, Lee(resultados, Resultados::EspecialDeduccionProporcional3, e));
  });
  g[0] = Lee(resultados, Resultados::TotalGeneralDeduccionProporcional3);
  sp[0] = Lee(resultados, Resultados::TotalEspecialDeduccionProporcional3);
  // Without a positive part in any slot both shares are 0.0, each capped and raised to 0 stays +0.0, and so does the
  // rounded sum: the halves of the quotas and the special bases are then not needed.
  bool sinPartes = true;
  for (std::size_t k = 0; k < g.size(); ++k) sinPartes = sinPartes && !(g[k] > 0.0) && !(sp[k] > 0.0);
  ImportesMiembro tercera{};
  if (!sinPartes) {
    const ImportesMiembro h1 = 0.5 * (q1 + q2);
    const ImportesMiembro h2 = 0.5 * (Lee(liquidacion, Liquidacion::CuotaBaseEspecial17) +
                                      Lee(liquidacion, Liquidacion::CuotaBaseEspecial3) +
                                      Lee(liquidacion, Liquidacion::CuotaBaseEspecial20));
    const ImportesMiembro p =
        Lee(baseImponible, BaseImponible::DeduccionBaseEspecial) + Lee(apartadoG, ApartadoG::BaseEspecialAntesMinimo);
    for (std::size_t k = 0; k < tercera.size(); ++k) {
      const double general = (b[k] > 0.0 && g[k] > 0.0) ? g[k] * h1[k] / b[k] : 0.0;
      const double especial = (p[k] > 0.0 && sp[k] > 0.0) ? sp[k] * h2[k] / p[k] : 0.0;
      tercera[k] =
          RedondeaSinCeros(ElevadoACero(RebajadoA(general, h1[k])) + ElevadoACero(RebajadoA(especial, h2[k])));
    }
  }
  Escribe(resultados, Resultados::DeduccionProporcional3, tercera);
}

// Instance 6: every deduction of the liquidation and of the results.
void SumaDeducciones(RegResultados* resultados, const RegLiquidacion* liquidacion) {
  const ImportesMiembro suma =
      Lee(liquidacion, Liquidacion::DeduccionGrupo1M) + Lee(liquidacion, Liquidacion::DeduccionClasesABCM) +
      Lee(liquidacion, Liquidacion::DeduccionImportes12M3) + Lee(liquidacion, Liquidacion::DeduccionImportes3M3) +
      Lee(liquidacion, Liquidacion::DeduccionImportes4M3) + Lee(liquidacion, Liquidacion::DeduccionImportes12M4) +
      Lee(liquidacion, Liquidacion::DeduccionImportes3M4) + Lee(resultados, Resultados::DeduccionM3Quintos) +
      Lee(resultados, Resultados::AdmitidosM4Bloque1) + Lee(resultados, Resultados::AdmitidosM4Bloque2) +
      Lee(resultados, Resultados::AdmitidosM4Bloque3) + Lee(resultados, Resultados::AdmitidosM4Grupos) +
      Lee(resultados, Resultados::DeduccionProporcional1) + Lee(resultados, Resultados::DeduccionProporcional2) +
      Lee(resultados, Resultados::DeduccionProporcional3);
  Escribe(resultados, Resultados::SumaDeducciones, suma);
}

// Instance 3: 85 % of the deductions from the first quota, 15 % and the second-quota deductions from the second;
// neither quota goes below 0, and what one cannot absorb is not moved to the other.
void CalculaCuotasLiquidas(RegResultados* resultados, const RegLiquidacion* liquidacion) {
  const ImportesMiembro cuota1 = Lee(liquidacion, Liquidacion::CuotaTotal1);
  const ImportesMiembro cuota2 = Lee(liquidacion, Liquidacion::CuotaTotal2);
  const ImportesMiembro deducciones = Lee(resultados, Resultados::SumaDeducciones);
  const ImportesMiembro soloSegundaA = Lee(resultados, Resultados::DeduccionesSegundaCuotaA);
  const ImportesMiembro soloSegundaB = Lee(resultados, Resultados::DeduccionesSegundaCuotaB);
  ImportesMiembro liquida1{};
  ImportesMiembro liquida2{};
  for (std::size_t k = 0; k < liquida1.size(); ++k) {
    liquida1[k] = RedondeaSinCeros(ElevadoACero(cuota1[k] - deducciones[k] * 0.85));
    liquida2[k] = RedondeaSinCeros(ElevadoACero(cuota2[k] - deducciones[k] * 0.15 - soloSegundaA[k] - soloSegundaB[k]));
  }
  Escribe(resultados, Resultados::CuotaLiquida1, liquida1);
  Escribe(resultados, Resultados::CuotaLiquida2, liquida2);
  Escribe(resultados, Resultados::CuotaLiquida, liquida1 + liquida2);
}

// Instance 5: the payments and the final difference. The array at 5808 is written here over what the real-estate
// section left there earlier in the pass, so the total of payments carries the entries below it.
void CalculaDiferenciaFinal(RegResultados* resultados, const RegIdentificacion* identificacion) {
  ImportesMiembro varios{};
  ParaCadaFilaConMiembro<Resultados::CodigoPagosVarios>(resultados, [&](int codigo, std::size_t e) {
    SumaImporteMiembro(varios, codigo, Lee(resultados, Resultados::PagosVariosImporte1, e));
    SumaImporteMiembro(varios, codigo, Lee(resultados, Resultados::PagosVariosImporte2, e));
  });
  Escribe(resultados, Resultados::ImportesEntradas, varios);
  Escribe(resultados, Resultados::PagosA,
          RepartirFilasFijas<Resultados::CodigoPagosA, Resultados::ImportePagosA>(resultados));
  Escribe(resultados, Resultados::PagosB,
          RepartirFilasFijas<Resultados::CodigoPagosB, Resultados::ImportePagosB>(resultados));
  Escribe(resultados, Resultados::PagosC,
          RepartirFilasFijas<Resultados::CodigoPagosC, Resultados::ImportePagosC>(resultados));

  const ImportesMiembro pagos =
      Lee(resultados, Resultados::ImportesTrabajo) + Lee(resultados, Resultados::ImportesCapitalMobiliario) +
      Lee(resultados, Resultados::ImportesEntradas) + Lee(resultados, Resultados::PagosA) +
      Lee(resultados, Resultados::PagosB) + Lee(resultados, Resultados::RetencionesF1) +
      Lee(resultados, Resultados::LimitesApartadoE2) + Lee(resultados, Resultados::ExcesosApartadoE2) +
      Lee(resultados, Resultados::PagosApartadoE4) + Lee(resultados, Resultados::PagosC);
  Escribe(resultados, Resultados::TotalPagos, pagos);
  const ImportesMiembro tras = Lee(resultados, Resultados::TotalTrasDeducciones) - pagos;
  Escribe(resultados, Resultados::ResultadoTrasPagos, tras);

  const ImportesMiembro resta = Lee(resultados, Resultados::RestaDiferenciaFinal);
  const ImportesMiembro suma = Lee(resultados, Resultados::SumaDiferenciaFinal);
  ImportesMiembro diferencia{};
  for (std::size_t i = 0; i < diferencia.size(); ++i) {
    if (Lee(identificacion, Identificacion::MarcaDiferenciaA, i) != 0 ||
        Lee(identificacion, Identificacion::MarcaDiferenciaB, i) != 0) {
      diferencia[i] = tras[i] - resta[i] + suma[i];
    }
  }
  Escribe(resultados, Resultados::DiferenciaFinal, diferencia);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100LI3(RegResultados* resultados, RegApartadoF1* apartadoF1, RegLiquidacion* liquidacion,
    RegBaseImponible* baseImponible, RegApartadoG* apartadoG, RegRendTrabajo* rendTrabajo,
    RegRendCapInmobiliario* rendCapInmobiliario, RegRendCapMobiliario* rendCapMobiliario, RegApartadoD1* apartadoD1,
    RegApartadoD2* apartadoD2, RegApartadoD4* apartadoD4, RegApartadoD5* apartadoD5,
    RegIdentificacion* identificacion, int instancia) {
  using namespace ximardol;
  if (resultados == nullptr) return 0;
  switch (instancia) {
    case 1:
      if (apartadoF1 != nullptr) DistribuyeRetencionesF1(resultados, apartadoF1);
      break;
    case 2:
      if (liquidacion != nullptr && baseImponible != nullptr && apartadoG != nullptr) {
        CalculaDeduccionesProporcionales(resultados, liquidacion, baseImponible, apartadoG);
      }
      break;
    case 3:
      if (liquidacion != nullptr) CalculaCuotasLiquidas(resultados, liquidacion);
      break;
    case 4:
      ResultadosInstancia4({resultados, apartadoF1, liquidacion, baseImponible, apartadoG, rendTrabajo,
                            rendCapInmobiliario, rendCapMobiliario, apartadoD1, apartadoD2, apartadoD4, apartadoD5,
                            identificacion});
      break;
    case 5:
      if (identificacion != nullptr) CalculaDiferenciaFinal(resultados, identificacion);
      break;
    case 6:
      if (liquidacion != nullptr) SumaDeducciones(resultados, liquidacion);
      break;
    default:
      break;
  }
  return 0;
}
