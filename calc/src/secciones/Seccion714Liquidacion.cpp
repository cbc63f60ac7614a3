// Wealth tax, the liquidation: assets, debts, net assets, exempt amount, taxable base, the quota by the wealth-tax
// scale, the joint limit of the income-tax and wealth-tax quotas, the deduction for tax paid abroad, the bonus and
// the quota to pay (Calculos714LI), and the DI result record (Calculos714DI).
//
// The two flag bytes below are the library's only state. Calculos714DP sets them from the personal data of the
// declaration being calculated; the caller runs it before every liquidation, so a flag of another declaration never
// applies.
//
// The liquidation never changes what the user entered. Where an input does not count (the "no exempt amount" flag
// cancels the income-tax limit and the assets abroad; assets abroad worth more than the net assets, or assets with
// the bonus worth more than the net assets, do not count; the DI amount does not count when no DI result is asked
// for), the computation reads it as 0 and the entered value stays in the record. Calling it once or twice gives the
// same result.
//
// Reads RegPatResumen 0..160 (page totals), 296..344, 424..464 and 488; writes the other fields it names there.
#include <algorithm>
#include <array>
#include <cstdint>

#include "Ayudas.h"
#include "bloques/RegPatDI.h"
#include "bloques/RegPatDatosPersonales.h"
#include "bloques/RegPatResumen.h"

namespace ximardol {
namespace {

// 1 when the declaration has no exempt amount; 1 when it asks for the DI result. Both 0 at load.
std::uint8_t IndicadorSinMinimoExento = 0;
std::uint8_t IndicadorCalculoDI = 0;

// A tick mark of the personal data: set when it holds 1, 'x' or 'X'.
bool MarcaActiva(std::uint8_t marca) { return marca == 1 || marca == 'x' || marca == 'X'; }

// The exempt amount when the declaration has one.
constexpr double MinimoExentoGeneral = 17300000.0;

// The wealth-tax scale: lower bound of the base, quota at the bound, marginal rate as a fraction.
struct TramoEscala {
  double limite;
  double cuota;
  double tipo;
};

constexpr std::array<TramoEscala, 8> EscalaPatrimonio{{
    {0.0, 0.0, 0.002},
    {27262000.0, 54524.0, 0.003},
    {54524000.0, 136310.0, 0.005},
    {109048000.0, 408930.0, 0.009},
    {218096000.0, 1390362.0, 0.013},
    {436192000.0, 4225610.0, 0.017},
    {872384000.0, 11640874.0, 0.021},
    {1744768000.0, 29960938.0, 0.025},
}};

// The last row whose bound is not above the base (the base is 0 or more).
const TramoEscala& TramoDe(double base) {
  std::size_t fila = 0;
  for (std::size_t i = 1; i < EscalaPatrimonio.size(); ++i) {
    if (EscalaPatrimonio[i].limite <= base) fila = i;
  }
  return EscalaPatrimonio[fila];
}

// Byte 296: 'I' or an empty byte (blank or NUL) asks for the individual limit, anything else for the joint one.
bool LimiteIndividual(std::uint8_t clase) { return clase == 'I' || clase == ' ' || clase == '\0'; }

constexpr std::size_t ParesExtranjero = 3;

}  // namespace
}  // namespace ximardol

extern "C" void Calculos714DP(RegPatDatosPersonales* datosPersonales) {
  using namespace ximardol;
  if (datosPersonales == nullptr) return;
  IndicadorSinMinimoExento = MarcaActiva(Lee(datosPersonales, PatDatosPersonales::SinMinimoExento)) ? 1 : 0;
  IndicadorCalculoDI = MarcaActiva(Lee(datosPersonales, PatDatosPersonales::CalculoDI)) ? 1 : 0;
}

extern "C" void Calculos714LI(RegPatResumen* resumen, int /*indicador: not read*/) {
  using namespace ximardol;
  namespace R = PatResumen;
  if (resumen == nullptr) return;
  const bool sinMinimo = IndicadorSinMinimoExento == 1;

  // Inputs of the limit and of the assets abroad: read as 0 when the declaration has no exempt amount.
  const auto entrada = [&](CampoDouble<RegPatResumen> campo) { return sinMinimo ? 0.0 : Lee(resumen, campo); };
  const double baseRenta = entrada(R::BaseRenta);
  const double cuotaRenta = entrada(R::CuotaRenta);
  const double improductivo = entrada(R::PatrimonioImproductivo);
  const double netoConyuge = entrada(R::PatrimonioNetoConyuge);
  const double improductivoConyuge = entrada(R::ImproductivoConyuge);
  const double cuotaConyuge = entrada(R::CuotaIntegraConyuge);
  std::array<double, ParesExtranjero> impuestos{};
  std::array<double, ParesExtranjero> valores{};
  for (std::size_t i = 0; i < ParesExtranjero; ++i) {
    impuestos[i] = sinMinimo ? 0.0 : Lee(resumen, R::ImpuestoExtranjero, i);
    valores[i] = sinMinimo ? 0.0 : Lee(resumen, R::ValorExtranjero, i);
  }

  // Assets, debts, net assets.
  const std::array<CampoDouble<RegPatResumen>, 19> activos{
      R::TotalPaginaA,  R::TotalPaginaB,  R::TotalPaginaC,  R::TotalPaginaE,  R::TotalPaginaF1,
      R::TotalPaginaF2, R::TotalPaginaG1, R::TotalPaginaG2, R::TotalPaginaG3, R::TotalPaginaG4,
      R::TotalPaginaI,  R::TotalPaginaJ,  R::TotalPaginaK,  R::TotalPaginaL,  R::TotalPaginaM,
      R::TotalPaginaN,  R::TotalPaginaO,  R::TotalPaginaP,  R::TotalPaginaQ};
  double activoBruto = 0.0;
  for (const auto& campo : activos) activoBruto += Lee(resumen, campo);
  const double neto = activoBruto - Lee(resumen, R::TotalPaginaDeudas);
  Escribe(resumen, R::ActivoBruto, activoBruto);
  Escribe(resumen, R::PatrimonioNeto, neto);

  // Exempt amount and taxable base; a negative net amount passes through as a negative base.
  const double minimo = sinMinimo ? 0.0 : MinimoExentoGeneral;
  Escribe(resumen, R::MinimoExento, minimo);
  double base = neto;
  if (neto >= 0.0) base = std::max(neto - minimo, 0.0);
  Escribe(resumen, R::BaseImponible, base);
  Escribe(resumen, R::BaseLiquidable, base);

  // The scale.
  double limiteEscala = 0.0;
  double cuotaLimite = 0.0;
  double resto = 0.0;
  double tipo = 0.0;
  if (base >= 0.0) {
    const TramoEscala& tramo = TramoDe(base);
    limiteEscala = tramo.limite;
    cuotaLimite = tramo.cuota;
    resto = base - tramo.limite;
    tipo = tramo.tipo;
  }
  Escribe(resumen, R::LimiteEscala, limiteEscala);
  Escribe(resumen, R::CuotaLimiteEscala, cuotaLimite);
  Escribe(resumen, R::RestoBase, resto);
  double tipoMarginal = 0.0;
  double cuotaResto = 0.0;
  if (resto != 0.0) {
    tipoMarginal = tipo * 100.0;
    cuotaResto = Redondea(resto * tipo);
  }
  Escribe(resumen, R::TipoMarginal, tipoMarginal);
  Escribe(resumen, R::CuotaRestoBase, cuotaResto);
  const double cuotaIntegra = cuotaLimite + cuotaResto;
  Escribe(resumen, R::CuotaIntegra, cuotaIntegra);
  Escribe(resumen, R::CuotaIntegraLimite, cuotaIntegra);

  // The joint limit of the income-tax and wealth-tax quotas.
  double cuotaRentaLimite = 0.0;
  double cuotaPatrimonioLimite = 0.0;
  double sumaCuotas = 0.0;
  double limite = 0.0;
  double exceso = 0.0;
  double reduccionMaxima = 0.0;
  double cuotaTrasLimite = cuotaIntegra;
  if (!sinMinimo && baseRenta != 0.0) {
    const bool individual = LimiteIndividual(Lee(resumen, R::ClaseDeclaracionRenta));
    cuotaRentaLimite = cuotaRenta;
    const double propia =
        (neto > 0.0 && neto >= improductivo) ? Redondea((neto - improductivo) * cuotaIntegra / neto) : 0.0;
    double conyuge = 0.0;
    if (!individual && netoConyuge > 0.0 && netoConyuge >= improductivoConyuge) {
      conyuge = Redondea((netoConyuge - improductivoConyuge) * cuotaConyuge / netoConyuge);
    }
    cuotaPatrimonioLimite = individual ? propia : propia + conyuge;
    sumaCuotas = cuotaPatrimonioLimite + cuotaRentaLimite;
    limite = baseRenta >= 0.0 ? Redondea(baseRenta * 0.7) : 0.0;
    if (!(sumaCuotas < limite)) {
      if (individual) {
        exceso = sumaCuotas - limite;
      } else {
        exceso = cuotaPatrimonioLimite != 0.0 ? (sumaCuotas - limite) * propia / cuotaPatrimonioLimite : 0.0;
      }
      reduccionMaxima = Redondea(cuotaIntegra * 0.8);
      cuotaTrasLimite = cuotaIntegra - std::min(exceso, reduccionMaxima);
    }
  }
  Escribe(resumen, R::CuotaRentaLimite, cuotaRentaLimite);
  Escribe(resumen, R::CuotaPatrimonioLimite, cuotaPatrimonioLimite);
  Escribe(resumen, R::SumaCuotasLimite, sumaCuotas);
  Escribe(resumen, R::Limite, limite);
  Escribe(resumen, R::Exceso, exceso);
  Escribe(resumen, R::ReduccionMaxima, reduccionMaxima);
  Escribe(resumen, R::CuotaTrasLimite, cuotaTrasLimite);

  // Tax paid abroad: assets abroad worth more, together, than the net assets do not count.
  if (neto < valores[0] + valores[1] + valores[2]) valores.fill(0.0);
  const double tipoMedioEfectivo = base > 0.0 ? Trunc(cuotaTrasLimite / base, 4) : 0.0;
  double sumaImpuestos = 0.0;
  double sumaBases = 0.0;
  double sumaDeducciones = 0.0;
  for (std::size_t i = 0; i < ParesExtranjero; ++i) {
    const double parte = neto > 0.0 ? Redondea(valores[i] * base / neto) : 0.0;
    const double deduccion = std::min(Redondea(tipoMedioEfectivo * parte), impuestos[i]);
    sumaImpuestos += impuestos[i];
    sumaBases += parte;
    sumaDeducciones += deduccion;
  }
  Escribe(resumen, R::SumaImpuestosExtranjero, sumaImpuestos);
  Escribe(resumen, R::SumaBasesExtranjero, sumaBases);
  Escribe(resumen, R::DeduccionExtranjero, sumaDeducciones);

  // Assets that carry the bonus: worth more than the net assets, they do not count.
  double valorBonificado = Lee(resumen, R::ValorBonificado);
  if (neto < valorBonificado) valorBonificado = 0.0;
  const double cuotaBonificable = neto != 0.0 ? Redondea(cuotaTrasLimite * valorBonificado / neto) : 0.0;
  Escribe(resumen, R::CuotaBonificable, cuotaBonificable);

  // Average rate, only when something abroad counts.
  bool algoEnExtranjero = false;
  for (std::size_t i = 0; i < ParesExtranjero; ++i) {
    if (impuestos[i] != 0.0 || valores[i] != 0.0) algoEnExtranjero = true;
  }
  if (!algoEnExtranjero) {
    Escribe(resumen, R::TipoMedio, 0.0);
    EscribeTexto(resumen, R::TextoExtranjero, "    ");
  } else {
    Escribe(resumen, R::TipoMedio, base > 0.0 ? Trunc(cuotaTrasLimite / base * 100.0, 2) : 0.0);
  }

  // The bonus and the quota to pay.
  const double cuotaBonificada =
      Redondea(cuotaTrasLimite * 0.5) <= Redondea(cuotaBonificable * 0.5) ? cuotaTrasLimite : cuotaBonificable;
  const double bonificacion = Redondea(cuotaBonificada * 0.5);
  Escribe(resumen, R::Bonificacion, bonificacion);
  Escribe(resumen, R::CuotaResultante, std::max(cuotaTrasLimite - sumaDeducciones - bonificacion, 0.0));
}

extern "C" void Calculos714DI(RegPatDI* di, RegPatResumen* resumen) {
  using namespace ximardol;
  if (di == nullptr || resumen == nullptr) return;
  const double cuotaResultante = Lee(resumen, PatResumen::CuotaResultante);
  if (IndicadorCalculoDI == 1) {
    const double diferencia = cuotaResultante - Lee(di, PatDI::ImporteDeducido);
    Escribe(di, PatDI::Cuota, cuotaResultante);
    Escribe(di, PatDI::Diferencia, diferencia);
    Escribe(di, PatDI::ImporteAIngresar, diferencia >= 0.0 ? diferencia : 0.0);
    if (diferencia <= 0.0) {
      Escribe(di, PatDI::Marca1, std::uint8_t{0xFF});
      Escribe(di, PatDI::Marca2, std::uint8_t{0xFF});
      EscribeTexto(di, PatDI::TextoResultado, "", ' ');
    }
  } else {
    // No DI result: the amount entered against it does not count, and it stays as entered.
    Escribe(di, PatDI::Cuota, 0.0);
    Escribe(di, PatDI::Diferencia, 0.0);
    Escribe(di, PatDI::ImporteAIngresar, cuotaResultante);
  }
}
