// Calculos100LI3 instance 4, the result totals: the entered amounts added to the two quotas give the quota results;
// four limited deductions (the typed rows in proportion to the bases, one taken as entered, 10 % of the amounts of
// three entries under income thresholds, and the 72-byte rows) are then taken from them, and what is left is the
// minuend of the final difference that instance 5 uses.
//
// Everything is computed in one call, in the order in which the values depend on one another: the deductions that
// need no rate first, then the two rates (which take those deductions from the quota), then the typed rows' share,
// and last the total. A second call on the same data therefore leaves every field as the first one did.
//
// Reads RegLiquidacion, RegBaseImponible, RegApartadoG, RegRendTrabajo, RegRendCapInmobiliario,
// RegRendCapMobiliario, RegApartadoD1, D2, D4 and D5; writes only RegResultados. RegApartadoF1 and
// RegIdentificacion are not read.
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "RentasActividades.h"
#include "bloques/RegApartadoG.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegLiquidacion.h"
#include "bloques/RegRendCapInmobiliario.h"
#include "bloques/RegRendCapMobiliario.h"
#include "bloques/RegRendTrabajo.h"
#include "bloques/RegResultados.h"
#include "RepartoFilas.h"
#include "secciones/Seccion100LI3.h"

namespace ximardol {
namespace {

namespace BI = BaseImponible;
namespace LQ = Liquidacion;
namespace RS = Resultados;

// Limits of the 10 % deduction: income thresholds (family total, each person) and the most it gives.
constexpr double UmbralUnidad = 5000000.0;
constexpr double UmbralPersona = 3500000.0;
constexpr double MaximoDeduccion10 = 100000.0;
// Caps of the first amounts of the 72-byte rows.
constexpr double TopeFilas72Unidad = 1000000.0;
constexpr double TopeFilas72Persona = 800000.0;

// The entered amounts added to the quotas, and the two quota results.
void CalculaResultadosCuota(RegResultados* r) {
  const ImportesMiembro cuota1 = RepartirFilasFijas<RS::CodigoIncrementosCuota1, RS::ImporteIncrementosCuota1>(r);
  const ImportesMiembro filasCuota1 =
      RepartirFilasFijas<RS::CodigoFilaIncrementosCuota1, RS::ImporteFilaIncrementosCuota1>(r);
  const ImportesMiembro ambas =
      RepartirFilasFijas<RS::CodigoIncrementosAmbasCuotas, RS::ImporteIncrementosAmbasCuotas>(r);
  const ImportesMiembro filasAmbas =
      RepartirFilasFijas<RS::CodigoFilaIncrementosAmbasCuotas, RS::ImporteFilaIncrementosAmbasCuotas>(r);
  const ImportesMiembro cuota2 = RepartirFilasFijas<RS::CodigoIncrementosCuota2, RS::ImporteIncrementosCuota2>(r);
  const ImportesMiembro filasCuota2 =
      RepartirFilasFijas<RS::CodigoFilaIncrementosCuota2, RS::ImporteFilaIncrementosCuota2>(r);
  Escribe(r, RS::IncrementosCuota1, cuota1);
  Escribe(r, RS::IncrementosFilasCuota1, filasCuota1);
  Escribe(r, RS::IncrementosAmbasCuotas, ambas);
  Escribe(r, RS::IncrementosFilasAmbasCuotas, filasAmbas);
  Escribe(r, RS::IncrementosCuota2, cuota2);
  Escribe(r, RS::IncrementosFilasCuota2, filasCuota2);

  const ImportesMiembro resultado1 =
      Lee(r, RS::CuotaLiquida1) + cuota1 + filasCuota1 + 0.85 * ambas + 0.85 * filasAmbas;
  const ImportesMiembro resultado2 =
      Lee(r, RS::CuotaLiquida2) + 0.15 * ambas + 0.15 * filasAmbas + cuota2 + filasCuota2;
  Escribe(r, RS::ResultadoCuota1, resultado1);
  Escribe(r, RS::ResultadoCuota2, resultado2);
  Escribe(r, RS::ResultadoCuota, resultado1 + resultado2);
}

// The deduction taken as entered; the family total is the one typed for it.
ImportesMiembro DeduccionComoEntrada(RegResultados* r) {
  ImportesMiembro deduccion = RepartirFilasFijas<RS::CodigoDeduccionComoEntrada, RS::ImporteDeduccionComoEntrada>(r);
  deduccion[0] = Lee(r, RS::TotalDeduccionComoEntrada);
  Escribe(r, RS::DeduccionComoEntrada, deduccion);
  return deduccion;
}

// 10 % of the amounts of the three entries, at most 100,000, for a slot whose income before the minimum is within
// its threshold and whose amounts exceed 10 % of its net income.
ImportesMiembro Deduccion10PorCiento(const BloquesResultados& b) {
  const ImportesMiembro pagos =
      RepartirFilasFijas<RS::CodigoDeduccion10PorCiento, RS::ImporteDeduccion10PorCiento>(b.resultados);
  // Without amounts no slot has any: the net income below is raised to 0 (or not a number), and 10 % of it is never
  // less than 0. The income need not be added up then.
  bool sinPagos = true;
  for (const double pago : pagos) sinPagos = sinPagos && pago == 0.0;
  if (sinPagos) {
    Escribe(b.resultados, RS::Deduccion10PorCiento, ImportesMiembro{});
    return ImportesMiembro{};
  }
  const ImportesMiembro renta = ElevadoACero(
      RendimientosActividades(b.apartadoD1, b.apartadoD2, b.apartadoD4, b.apartadoD5) +
      Lee(b.rendTrabajo, RendTrabajo::RendimientoNeto) +
      Lee(b.rendCapInmobiliario, RendCapInmobiliario::RendimientoNetoPrevio) +
      Lee(b.rendCapMobiliario, RendCapMobiliario::RendimientoNeto) +
      Lee(b.rendCapMobiliario, RendCapMobiliario::Subapartado8Positivo) -
      Lee(b.rendCapMobiliario, RendCapMobiliario::Subapartado8Negativo) - Lee(b.baseImponible, BI::ActividadD3));
  const ImportesMiembro bases = Lee(b.apartadoG, ApartadoG::BaseGeneralAntesMinimo) +
                                Lee(b.apartadoG, ApartadoG::BaseEspecialAntesMinimo);
  ImportesMiembro deduccion{};
  for (std::size_t s = 0; s < deduccion.size(); ++s) {
    const double umbral = s == 0 ? UmbralUnidad : UmbralPersona;
    if (bases[s] > umbral || !(renta[s] * 0.1 < pagos[s])) continue;
    deduccion[s] = RebajadoA(RedondeaSinCeros(pagos[s] * 0.1), MaximoDeduccion10);
  }
  Escribe(b.resultados, RS::Deduccion10PorCiento, deduccion);
  return deduccion;
}

// The deduction of the three 72-byte rows, limited by the section M instance 3 deductions of each slot.
ImportesMiembro DeduccionFilas72(const BloquesResultados& b) {
  const RegResultados* r = b.resultados;
  const RegLiquidacion* lq = b.liquidacion;
  const RegBaseImponible* bi = b.baseImponible;

  // A slot without section M instance 3 deductions gets +0.0 whatever the rows hold; when no slot has any, the rows
  // need not be read.
  const ImportesMiembro m3Importes12 = Lee(lq, LQ::DeduccionImportes12M3);
  const ImportesMiembro m3Importes3 = Lee(lq, LQ::DeduccionImportes3M3);
  bool sinDeduccionesM3 = true;
  for (std::size_t s = 0; s < m3Importes3.size(); ++s) {
    sinDeduccionesM3 = sinDeduccionesM3 && m3Importes3[s] + m3Importes12[s] == 0.0;
  }
  if (sinDeduccionesM3) {
    Escribe(b.resultados, RS::DeduccionFilas72, ImportesMiembro{});
    return ImportesMiembro{};
  }

  // The amounts of the rows by member, each array added in row order.
  ImportesMiembro a8{};
  ImportesMiembro a16{};
  ImportesMiembro d1{};
  ImportesMiembro d2{};
  ImportesMiembro a56{};
  ParaCadaFilaConMiembro<RS::CodigoFila72>(r, [&](int codigo, std::size_t f) {
    SumaImporteMiembro(a8, codigo, Lee(r, RS::Importe8Fila72, f));
    SumaImporteMiembro(a16, codigo, Lee(r, RS::Importe16Fila72, f));
    SumaImporteMiembro(d1, codigo, Lee(r, RS::Importe32Fila72, f) * Lee(r, RS::Importe24Fila72, f) * (1.0 / 365.0));
    SumaImporteMiembro(d2, codigo, Lee(r, RS::Importe48Fila72, f) * Lee(r, RS::Importe40Fila72, f) * (1.0 / 365.0));
    SumaImporteMiembro(a56, codigo, Lee(r, RS::Importe56Fila72, f));
  });
  for (std::size_t s = 0; s < a8.size(); ++s) a8[s] = RebajadoA(a8[s], s == 0 ? TopeFilas72Unidad : TopeFilas72Persona);

  const ImportesMiembro bases = Lee(lq, LQ::BaseLiquidableGeneral) + Lee(bi, BI::BaseEspecialLiquidable) +
                                Lee(bi, BI::MinimoBaseEspecial) + Lee(bi, BI::MinimoBaseGeneral);
  for (std::size_t s = 0; s < a16.size(); ++s) a16[s] = RebajadoA(a16[s], 0.3 * bases[s]);
  a16 = ElevadoACero(a16);

  const ImportesMiembro tipo1a = Lee(lq, LQ::TipoMedio2UnaPieza);
  const ImportesMiembro tipo1b = Lee(lq, LQ::TipoMedio1UnaPieza);
  const ImportesMiembro tipo2a = Lee(lq, LQ::TipoMedio2DosPiezas);
  const ImportesMiembro tipo2b = Lee(lq, LQ::TipoMedio1DosPiezas);

  ImportesMiembro h{};
  ImportesMiembro deduccion{};
  for (std::size_t s = 0; s < h.size(); ++s) {
    const double a = a56[s] + a8[s] - d2[s] * 0.02 - d1[s] * 0.011;
    double v = (tipo1a[s] + tipo1b[s]) * a * 0.01 + a * (tipo2a[s] + tipo2b[s]) * 0.01;
    if (v < 0.0) v = 0.0;
    h[s] = v + a16[s] * 0.15;
    deduccion[s] = h[s] - m3Importes12[s] - m3Importes3[s];
  }
  // Row k goes with slot k, whatever its member code.
  for (std::size_t k = 0; k < RS::Filas72.cuantas; ++k) {
    const double importe = Lee(r, RS::DeduccionesM3Fila72, k);
    if (importe != 0.0 && importe < m3Importes3[k] + m3Importes12[k]) deduccion[k] = h[k] - importe;
  }
  deduccion = ElevadoACero(deduccion);
  for (std::size_t s = 0; s < deduccion.size(); ++s) {
    if (m3Importes3[s] + m3Importes12[s] == 0.0) deduccion[s] = 0.0;
  }
  deduccion = RedondeaSinCeros(deduccion);
  Escribe(b.resultados, RS::DeduccionFilas72, deduccion);
  return deduccion;
}

// The two rates of a slot: the quota left after the deductions that need no rate, shared between the general and
// the special base in proportion of their scale quotas, per peseta of each base to liquidate. Cut to 4 decimals.
struct Tipos {
  ImportesMiembro general{};
  ImportesMiembro especial{};
};

Tipos CalculaTipos(const BloquesResultados& b, const ImportesMiembro& deduccion10, const ImportesMiembro& filas72) {
  const RegLiquidacion* lq = b.liquidacion;
  const ImportesMiembro q = Lee(lq, LQ::Cuota1UnaPieza) + Lee(lq, LQ::Cuota1DosPiezas) +
                            Lee(lq, LQ::Cuota2UnaPieza) + Lee(lq, LQ::Cuota2DosPiezas);
  const ImportesMiembro sq = Lee(lq, LQ::CuotaBaseEspecial17) + Lee(lq, LQ::CuotaBaseEspecial3) +
                             Lee(lq, LQ::CuotaBaseEspecial20);
  const ImportesMiembro t = Lee(lq, LQ::CuotaTotal);
  const ImportesMiembro lg = Lee(lq, LQ::BaseLiquidableGeneral);
  const ImportesMiembro ls = Lee(b.baseImponible, BI::BaseEspecialLiquidable);
  const ImportesMiembro tn =
      ElevadoACero(Lee(b.resultados, RS::CuotaLiquida) - Lee(b.resultados, RS::AdmitidosM5) - deduccion10 - filas72);
  Tipos tipos;
  for (std::size_t s = 0; s < tn.size(); ++s) {
    if (t[s] == 0.0) continue;
    if (lg[s] > 0.0) tipos.general[s] = TruncSinCeros((q[s] / t[s]) * tn[s] / lg[s], 4);
    if (ls[s] != 0.0) tipos.especial[s] = TruncSinCeros(tn[s] * (sq[s] / t[s]) / ls[s], 4);
  }
  return tipos;
}

// The typed rows: each row's general and special income, in proportion of the bases, at the two rates, at most the
// row's cap; shared by the slots its type names. A row of type 0 ends the list; unknown types add nothing.
ImportesMiembro DeduccionFilasTipo(const BloquesResultados& b, const Tipos& tipos, const ImportesMiembro& tope) {
  const RegResultados* r = b.resultados;
  const ImportesMiembro bg =
      Lee(b.baseImponible, BI::SumaPartesGenerales) + Lee(b.baseImponible, BI::GananciasNetasGrupo1);
  const ImportesMiembro bs =
      Lee(b.baseImponible, BI::DeduccionBaseEspecial) + Lee(b.apartadoG, ApartadoG::BaseEspecialAntesMinimo);
  const ImportesMiembro lg = Lee(b.liquidacion, LQ::BaseLiquidableGeneral);
  const ImportesMiembro ls = Lee(b.baseImponible, BI::BaseEspecialLiquidable);

  ImportesMiembro w{};
  for (std::size_t f = 0; f < RS::FilasTipo.cuantas; ++f) {
    const std::uint8_t tipo = Lee(r, RS::TipoFila, f);
    if (tipo == 0) break;
    const double general = Lee(r, RS::RentaGeneralFila, f);
    const double especial = Lee(r, RS::RentaEspecialFila, f);
    const double topeFila = Lee(r, RS::TopeFila, f);
    const auto suma = [&](std::size_t s, double h) {
      const double j = RebajadoA(bg[s] == 0.0 ? 0.0 : lg[s] * general * h / bg[s], lg[s]);
      const double k = RebajadoA(bs[s] == 0.0 ? 0.0 : ls[s] * especial * h / bs[s], ls[s]);
      w[s] += RebajadoA(tipos.especial[s] * k + tipos.general[s] * j, topeFila * h);
    };
    switch (tipo) {
      case 1:
        suma(0, 1.0);
        suma(1, 0.5);
        suma(2, 0.5);
        break;
      case 2:
        suma(0, 1.0);
        suma(1, 1.0);
        break;
      case 3:
        suma(0, 1.0);
        suma(2, 1.0);
        break;
      default:
        break;
    }
  }
  for (std::size_t s = 0; s < w.size(); ++s) w[s] = RebajadoA(w[s], tope[s]);
  return RedondeaSinCeros(ElevadoACero(w));
}

}  // namespace

void ResultadosInstancia4(const BloquesResultados& b) {
  if (b.resultados == nullptr || b.liquidacion == nullptr || b.baseImponible == nullptr || b.apartadoG == nullptr ||
      b.rendTrabajo == nullptr || b.rendCapInmobiliario == nullptr || b.rendCapMobiliario == nullptr ||
      b.apartadoD1 == nullptr || b.apartadoD2 == nullptr || b.apartadoD4 == nullptr || b.apartadoD5 == nullptr) {
    return;
  }
  RegResultados* r = b.resultados;
  CalculaResultadosCuota(r);

  const ImportesMiembro comoEntrada = DeduccionComoEntrada(r);
  const ImportesMiembro deduccion10 = Deduccion10PorCiento(b);
  const ImportesMiembro filas72 = DeduccionFilas72(b);

  // Without typed rows (the first one's type is 0) their deduction is +0.0 in every slot, whatever the cap and the
  // rates, which then need not be worked out.
  ImportesMiembro filasTipo{};
  if (Lee(r, RS::TipoFila, 0) != 0) {
    const Tipos tipos = CalculaTipos(b, deduccion10, filas72);
    // The typed rows never take more than the quota left after the other deductions (not raised to 0 before).
    const ImportesMiembro tope = Lee(r, RS::CuotaLiquida) - Lee(r, RS::AdmitidosM5) - deduccion10 - filas72;
    filasTipo = DeduccionFilasTipo(b, tipos, tope);
  }
  Escribe(r, RS::DeduccionFilasTipo, filasTipo);

  const ImportesMiembro total = Lee(r, RS::ResultadoCuota) - Lee(r, RS::AdmitidosM5) - filasTipo - comoEntrada -
                                Lee(r, RS::DeduccionApartadoE4) - deduccion10 - filas72;
  Escribe(r, RS::TotalTrasDeducciones, ElevadoACero(total));
}

}  // namespace ximardol
