// The scale liquidation: the rate amount (step 0), the quotas of both scales on the general base, in one portion or
// in two when part of the base is liquidated separately (step 1), the quota of the special base and the quota
// totals (step 2). Every call rebuilds the separate part. Reads RegDatosFamilia and RegBaseImponible; writes
// RegLiquidacion.
#include <array>
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegDatosFamilia.h"
#include "bloques/RegLiquidacion.h"
#include "RepartoFilas.h"

namespace ximardol {
namespace {

namespace LQ = Liquidacion;

// The region whose special base is taxed at 20 % in the first quota alone.
constexpr int ComunidadEspecial = 20;

// Whether a region code field reads as that region. The field has two characters, and the only two characters that
// read as 20 are "20" themselves (a blank or a sign before the digits leaves room for one digit only), so the two
// bytes are compared instead of reading the number.
bool EsComunidadEspecial(const Texto<2>& codigo) {
  static_assert(sizeof codigo.caracteres == 2 && ComunidadEspecial == 20);
  return codigo.caracteres[0] == '2' && codigo.caracteres[1] == '0';
}

void ParteSeparada(RegLiquidacion* lq) {
  Escribe(lq, LQ::ParteSeparada, RepartirFilasFijas<LQ::CodigoFuenteParteSeparada, LQ::ImporteFuenteParteSeparada>(lq));
}

void ImporteSoloTipo(RegLiquidacion* lq) {
  Escribe(lq, LQ::ImporteSoloTipo, RepartirFilasFijas<LQ::CodigoFuenteSoloTipo, LQ::ImporteFuenteSoloTipo>(lq));
}

// The average rate of a quota, in percent cut to two decimals; 0 for a base of 0.
double TipoMedio(double cuota, double base) { return base == 0.0 ? 0.0 : Trunc(cuota / base * 100.0, 2); }

// The quota of one portion of the base by one scale. T is the portion with its share of the rate amount; without
// a rate amount the quota is the scale's own, else the portion's average rate on the portion alone.
double CuotaPieza(double (*escala)(double), double pieza, double conTipo, double importeSoloTipo) {
  const double cuota = escala(conTipo);
  if (importeSoloTipo == 0.0) return cuota;
  return TipoMedio(cuota, conTipo) * pieza * 0.01;
}

// Every field that step 1 writes, one array per field, filled slot by slot and written whole.
struct Liquidado {
  ImportesMiembro baseUnaPieza{};
  ImportesMiembro baseDosPiezas{};
  ImportesMiembro tipo1UnaPieza{};
  ImportesMiembro tipo1DosPiezas{};
  ImportesMiembro tipo2UnaPieza{};
  ImportesMiembro tipo2DosPiezas{};
  ImportesMiembro resto{};
  ImportesMiembro cuota1Separada{};
  ImportesMiembro cuota1Resto{};
  ImportesMiembro cuota2Separada{};
  ImportesMiembro cuota2Resto{};
  ImportesMiembro cuota1UnaPieza{};
  ImportesMiembro cuota1DosPiezas{};
  ImportesMiembro cuota2UnaPieza{};
  ImportesMiembro cuota2DosPiezas{};
};

// Slot i of every field; the fields it does not set stay 0.
void LiquidaSlot(Liquidado& r, std::size_t i, double base, double separada, double importeSoloTipo) {
  if (base < 0.0) return;  // a negative base has no quota
  // A base of 0 has nothing to split: it goes in one portion whatever the separate part holds.
  if (separada == 0.0 || base <= separada || base == 0.0) {
    const double conTipo = importeSoloTipo + base;
    const double cuota1 = AplicaEscala1(conTipo);
    const double cuota2 = AplicaEscala2(conTipo);
    r.tipo1UnaPieza[i] = TipoMedio(cuota1, conTipo);
    r.tipo2UnaPieza[i] = TipoMedio(cuota2, conTipo);
    if (importeSoloTipo == 0.0) {
      r.cuota1UnaPieza[i] = cuota1;
      r.cuota2UnaPieza[i] = cuota2;
    } else {
      r.cuota1UnaPieza[i] = r.tipo1UnaPieza[i] * base * 0.01;
      r.cuota2UnaPieza[i] = r.tipo2UnaPieza[i] * base * 0.01;
    }
    r.baseUnaPieza[i] = base;
    return;
  }
  // Two portions: the separate part and the rest, each with its share of the rate amount.
  const double resto = base - separada;
  const double separadaConTipo = separada + separada * importeSoloTipo / base;
  const double restoConTipo = resto + resto * importeSoloTipo / base;
  r.resto[i] = resto;
  r.cuota1Separada[i] = CuotaPieza(AplicaEscala1, separada, separadaConTipo, importeSoloTipo);
  r.cuota1Resto[i] = CuotaPieza(AplicaEscala1, resto, restoConTipo, importeSoloTipo);
  r.cuota2Separada[i] = CuotaPieza(AplicaEscala2, separada, separadaConTipo, importeSoloTipo);
  r.cuota2Resto[i] = CuotaPieza(AplicaEscala2, resto, restoConTipo, importeSoloTipo);
  r.cuota1DosPiezas[i] = r.cuota1Resto[i] + r.cuota1Separada[i];
  r.cuota2DosPiezas[i] = r.cuota2Separada[i] + r.cuota2Resto[i];
  r.tipo1DosPiezas[i] = Trunc(r.cuota1DosPiezas[i] / base * 100.0, 2);
  r.tipo2DosPiezas[i] = Trunc(r.cuota2DosPiezas[i] / base * 100.0, 2);
  r.baseDosPiezas[i] = base;
}

void LiquidacionEscalas(RegLiquidacion* lq) {
  const ImportesMiembro base = Lee(lq, LQ::BaseLiquidableGeneral);
  const ImportesMiembro separada = Lee(lq, LQ::ParteSeparada);
  const ImportesMiembro soloTipo = Lee(lq, LQ::ImporteSoloTipo);
  Liquidado r;
  for (std::size_t i = 0; i < base.size(); ++i) LiquidaSlot(r, i, base[i], separada[i], soloTipo[i]);

  Escribe(lq, LQ::BaseUnaPieza, r.baseUnaPieza);
  Escribe(lq, LQ::BaseDosPiezas, r.baseDosPiezas);
  Escribe(lq, LQ::TipoMedio1UnaPieza, r.tipo1UnaPieza);
  Escribe(lq, LQ::TipoMedio1DosPiezas, r.tipo1DosPiezas);
  Escribe(lq, LQ::TipoMedio2UnaPieza, r.tipo2UnaPieza);
  Escribe(lq, LQ::TipoMedio2DosPiezas, r.tipo2DosPiezas);
  Escribe(lq, LQ::RestoBase, r.resto);
  Escribe(lq, LQ::Cuota1ParteSeparada, r.cuota1Separada);
  Escribe(lq, LQ::Cuota1Resto, r.cuota1Resto);
  Escribe(lq, LQ::Cuota2ParteSeparada, r.cuota2Separada);
  Escribe(lq, LQ::Cuota2Resto, r.cuota2Resto);
  Escribe(lq, LQ::Cuota1UnaPieza, r.cuota1UnaPieza);
  Escribe(lq, LQ::Cuota1DosPiezas, r.cuota1DosPiezas);
  Escribe(lq, LQ::Cuota2UnaPieza, r.cuota2UnaPieza);
  Escribe(lq, LQ::Cuota2DosPiezas, r.cuota2DosPiezas);
}

void CuotaBaseEspecialYTotales(RegLiquidacion* lq, const RegDatosFamilia* df, const RegBaseImponible* bi) {
  const ImportesMiembro especial = Lee(bi, BaseImponible::BaseEspecialLiquidable);
  const ImportesMiembro cuota1Una = Lee(lq, LQ::Cuota1UnaPieza);
  const ImportesMiembro cuota1Dos = Lee(lq, LQ::Cuota1DosPiezas);
  ImportesMiembro parte17{};
  ImportesMiembro parte3{};
  ImportesMiembro entera20{};
  ImportesMiembro total1{};
  for (std::size_t i = 0; i < especial.size(); ++i) {
    if (EsComunidadEspecial(Lee(df, DatosFamilia::CodigoComunidad, i))) {
      entera20[i] = especial[i] * 0.2;
      total1[i] = cuota1Una[i] + cuota1Dos[i] + entera20[i];
    } else {
      parte17[i] = especial[i] * 0.17;
      parte3[i] = especial[i] * 0.03;
      total1[i] = cuota1Una[i] + cuota1Dos[i] + parte17[i];
    }
  }
  const ImportesMiembro total2 = SumaPonderada(
      {{Lee(lq, LQ::Cuota2UnaPieza), 1.0}, {Lee(lq, LQ::Cuota2DosPiezas), 1.0}, {parte3, 1.0}});
  Escribe(lq, LQ::CuotaBaseEspecial17, parte17);
  Escribe(lq, LQ::CuotaBaseEspecial3, parte3);
  Escribe(lq, LQ::CuotaBaseEspecial20, entera20);
  const ImportesMiembro redondo1 = RedondeaSinCeros(total1);
  const ImportesMiembro redondo2 = RedondeaSinCeros(total2);
  Escribe(lq, LQ::CuotaTotal1, redondo1);
  Escribe(lq, LQ::CuotaTotal2, redondo2);
  Escribe(lq, LQ::CuotaTotal, redondo1 + redondo2);
}

}  // namespace
}  // namespace ximardol

// Reads RegDatosFamilia (step 2) and RegBaseImponible (step 2); writes RegLiquidacion. Every call rebuilds the
// separate part; steps other than 0, 1 and 2 do nothing else.
extern "C" int Calculos100LI2(RegLiquidacion* liquidacion, RegDatosFamilia* datosFamilia,
                              RegBaseImponible* baseImponible, int instancia) {
  using namespace ximardol;
  if (liquidacion == nullptr) return 0;
  ParteSeparada(liquidacion);
  if (instancia == 0) {
    ImporteSoloTipo(liquidacion);
  } else if (instancia == 1) {
    LiquidacionEscalas(liquidacion);
  } else if (instancia == 2 && datosFamilia != nullptr && baseImponible != nullptr) {
    CuotaBaseEspecialYTotales(liquidacion, datosFamilia, baseImponible);
  }
  return 0;
}
