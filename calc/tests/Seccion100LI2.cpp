// The scale liquidation: the rate amount, one or two portions, the special base by region and the quota totals.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Calcula(CAreaRenta& area, int paso) {
  Calculos100LI2(&area->Liquidacion, &area->DatosFamilia, &area->BaseImponible, paso);
}

// A quota as the scales compute it: (x - bound) x rate x 0.01 + quota, evaluated as written.
double Tramo(double x, double limite, double tipo, double cuota) { return (x - limite) * tipo * 0.01 + cuota; }

// Offsets that step 1 writes.
const std::vector<std::size_t> CamposPaso1{40, 80, 120, 160, 240, 280, 480, 680, 720, 760, 800, 840, 880, 920, 960};

TEST(Seccion100LI2, ElImporteSoloTipoYLaParteSeparada) {
  CAreaRenta area;
  PonByte(area->Liquidacion, 360, 2);
  PonDouble(area->Liquidacion, 368, 100.0);
  PonByte(area->Liquidacion, 376, 1);
  PonDouble(area->Liquidacion, 384, 51.0);
  PonByte(area->Liquidacion, 392, 3);
  PonDouble(area->Liquidacion, 400, 7.0);
  PonByte(area->Liquidacion, 448, 3);
  PonDouble(area->Liquidacion, 456, 1000.0);
  PonByte(area->Liquidacion, 464, 5);
  PonDouble(area->Liquidacion, 472, 20.0);

  // Any call rebuilds the separate part; only step 0 the rate amount.
  Calcula(area, 9);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 408), (Miembros{1020.0, 0.0, 1000.0, 0.0, 20.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 320), (Miembros{}));
  Calcula(area, 0);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 320), (Miembros{158.0, 126.0, 33.0, 0.0, 0.0}));
}

TEST(Seccion100LI2, UnaPiezaSinImporteSoloTipo) {
  CAreaRenta area;
  PonMiembro(area->Liquidacion, 0, {3000000.0, 0.0, 600000.0, 0.0, 0.0});
  for (const std::size_t d : CamposPaso1) PonMiembro(area->Liquidacion, d, {9.0, 9.0, 9.0, 9.0, 9.0});
  Calcula(area, 1);
  const double q1 = Tramo(3000000.0, 2100000.0, 23.57, 392550.0);
  const double q2 = Tramo(3000000.0, 2100000.0, 4.73, 75450.0);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 840), (Miembros{q1, 0.0, 90000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 920), (Miembros{q2, 0.0, 18000.0, 0.0, 0.0}));
  // 604,680 / 3,000,000 = 20.156 %; 118,020 / 3,000,000 = 3.934 %; a base of 0 has rate 0.
  EXPECT_EQ(DameMiembro(area->Liquidacion, 120), (Miembros{20.15, 0.0, 15.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 240), (Miembros{3.93, 0.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 40), (Miembros{3000000.0, 0.0, 600000.0, 0.0, 0.0}));
  for (const std::size_t d : {80, 160, 280, 480, 680, 720, 760, 800, 880, 960}) {
    EXPECT_EQ(DameMiembro(area->Liquidacion, d), (Miembros{})) << d;
  }
}

TEST(Seccion100LI2, UnaPiezaConImporteSoloTipo) {
  CAreaRenta area;
  PonMiembro(area->Liquidacion, 0, {1000000.0, 1000000.0, 0.0, 0.0, 0.0});
  PonByte(area->Liquidacion, 360, 2);
  PonDouble(area->Liquidacion, 368, 1000000.0);
  Calcula(area, 0);
  Calcula(area, 1);
  // On 2,000,000: 372,380 (18.619 %) and 71,620 (3.581 %), applied to the base alone.
  EXPECT_EQ(DameDouble(area->Liquidacion, 120 + 8), 18.61);
  EXPECT_EQ(DameDouble(area->Liquidacion, 240 + 8), 3.58);
  EXPECT_EQ(DameDouble(area->Liquidacion, 840 + 8), 18.61 * 1000000.0 * 0.01);
  EXPECT_EQ(DameDouble(area->Liquidacion, 920 + 8), 3.58 * 1000000.0 * 0.01);
  // The spouse, with a rate amount and no base: the rates of the rate amount, quotas 0.
  PonByte(area->Liquidacion, 376, 3);
  PonDouble(area->Liquidacion, 384, 500000.0);
  Calcula(area, 0);
  Calcula(area, 1);
  EXPECT_EQ(DameDouble(area->Liquidacion, 120 + 16), 15.0);
  EXPECT_EQ(DameDouble(area->Liquidacion, 240 + 16), 3.0);
  EXPECT_EQ(DameDouble(area->Liquidacion, 840 + 16), 0.0);
  EXPECT_EQ(DameDouble(area->Liquidacion, 920 + 16), 0.0);
}

TEST(Seccion100LI2, UnaParteSeparadaIgualALaBaseVaEnUnaPieza) {
  CAreaRenta area;
  PonMiembro(area->Liquidacion, 0, {2000000.0, 2000000.0, 0.0, 0.0, 0.0});
  PonByte(area->Liquidacion, 448, 2);
  PonDouble(area->Liquidacion, 456, 2000000.0);
  Calcula(area, 1);
  const double q1 = Tramo(2000000.0, 600000.0, 20.17, 90000.0);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 40), (Miembros{2000000.0, 2000000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 80), (Miembros{}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 840), (Miembros{q1, q1, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 480), (Miembros{}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 880), (Miembros{}));
}

TEST(Seccion100LI2, DosPiezasSinImporteSoloTipo) {
  CAreaRenta area;
  PonMiembro(area->Liquidacion, 0, {3000000.0, 3000000.0, 0.0, 0.0, 0.0});
  PonByte(area->Liquidacion, 448, 2);
  PonDouble(area->Liquidacion, 456, 1000000.0);
  for (const std::size_t d : CamposPaso1) PonMiembro(area->Liquidacion, d, {9.0, 9.0, 9.0, 9.0, 9.0});
  Calcula(area, 1);
  const double c680 = Tramo(1000000.0, 600000.0, 20.17, 90000.0);
  const double c720 = Tramo(2000000.0, 600000.0, 20.17, 90000.0);
  const double c760 = Tramo(1000000.0, 600000.0, 3.83, 18000.0);
  const double c800 = Tramo(2000000.0, 600000.0, 3.83, 18000.0);
  const auto doble = [](double v) { return Miembros{v, v, 0.0, 0.0, 0.0}; };
  EXPECT_EQ(DameMiembro(area->Liquidacion, 480), doble(2000000.0));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 680), doble(c680));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 720), doble(c720));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 760), doble(c760));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 800), doble(c800));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 880), doble(c720 + c680));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 960), doble(c760 + c800));
  // 543,060 / 3,000,000 = 18.102 %; 104,940 / 3,000,000 = 3.498 %.
  EXPECT_EQ(DameMiembro(area->Liquidacion, 160), doble(18.1));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 280), doble(3.49));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 80), doble(3000000.0));
  for (const std::size_t d : {40, 120, 240, 840, 920}) EXPECT_EQ(DameMiembro(area->Liquidacion, d), (Miembros{})) << d;
}

TEST(Seccion100LI2, DosPiezasRepartenElImporteSoloTipo) {
  CAreaRenta area;
  PonMiembro(area->Liquidacion, 0, {0.0, 3000000.0, 0.0, 0.0, 0.0});
  PonByte(area->Liquidacion, 448, 2);
  PonDouble(area->Liquidacion, 456, 1000000.0);
  PonByte(area->Liquidacion, 360, 2);
  PonDouble(area->Liquidacion, 368, 600000.0);
  Calcula(area, 0);
  Calcula(area, 1);
  // Portions with their shares of the rate amount: 1,200,000 and 2,400,000. Rates 17.585, 19.3025, 3.415 and
  // 3.735 %, cut to two decimals and applied to the portions alone.
  const double c680 = 17.58 * 1000000.0 * 0.01;
  const double c720 = 19.3 * 2000000.0 * 0.01;
  const double c760 = 3.41 * 1000000.0 * 0.01;
  const double c800 = 3.73 * 2000000.0 * 0.01;
  EXPECT_EQ(DameDouble(area->Liquidacion, 680 + 8), c680);
  EXPECT_EQ(DameDouble(area->Liquidacion, 720 + 8), c720);
  EXPECT_EQ(DameDouble(area->Liquidacion, 760 + 8), c760);
  EXPECT_EQ(DameDouble(area->Liquidacion, 800 + 8), c800);
  EXPECT_EQ(DameDouble(area->Liquidacion, 880 + 8), c720 + c680);
  EXPECT_EQ(DameDouble(area->Liquidacion, 960 + 8), c760 + c800);
  EXPECT_EQ(DameDouble(area->Liquidacion, 160 + 8), 18.72);  // 561,800 / 3,000,000
  EXPECT_EQ(DameDouble(area->Liquidacion, 280 + 8), 3.62);   // 108,700 / 3,000,000
}

TEST(Seccion100LI2, BaseCeroYBaseNegativa) {
  struct Caso {
    const char* nombre;
    double base;
    double separada;
    double unaPieza;  // offset 40
  };
  const std::vector<Caso> casos{
      {"base 0", 0.0, 0.0, 0.0},
      {"base 0 con parte separada negativa", 0.0, -1000.0, 0.0},
      {"base negativa", -500000.0, 100000.0, 0.0},
      {"base negativa sin parte separada", -500000.0, 0.0, 0.0},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonMiembro(area->Liquidacion, 0, {caso.base, caso.base, 0.0, 0.0, 0.0});
    PonByte(area->Liquidacion, 448, 2);
    PonDouble(area->Liquidacion, 456, caso.separada);
    for (const std::size_t d : CamposPaso1) PonMiembro(area->Liquidacion, d, {9.0, 9.0, 9.0, 9.0, 9.0});
    Calcula(area, 1);
    for (const std::size_t d : CamposPaso1) {
      EXPECT_EQ(DameMiembro(area->Liquidacion, d), (Miembros{})) << caso.nombre << " at " << d;
    }
  }
}

TEST(Seccion100LI2, UnaBaseLiquidableNegativaNoTieneCuota) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 1312, {-250000.0, -250000.0, 0.0, 0.0, 0.0});
  Calculos100K(&area->ApartadoK, &area->BaseImponible, &area->Liquidacion, &area->ApartadoL, &area->ApartadoI, -1);
  for (const std::size_t d : CamposPaso1) PonMiembro(area->Liquidacion, d, {9.0, 9.0, 9.0, 9.0, 9.0});
  for (const int paso : {0, 1, 2}) Calcula(area, paso);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 0), (Miembros{-250000.0, -250000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoL, 80), (Miembros{250000.0, 250000.0, 0.0, 0.0, 0.0}));
  for (const std::size_t d : CamposPaso1) EXPECT_EQ(DameMiembro(area->Liquidacion, d), (Miembros{})) << d;
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1200), (Miembros{}));
}

TEST(Seccion100LI2, BaseEspecialPorComunidadYTotales) {
  CAreaRenta area;
  PonTexto(area->DatosFamilia, 48, "09");
  PonTexto(area->DatosFamilia, 80, "20");
  PonTexto(area->DatosFamilia, 112, "", 2);
  PonTexto(area->DatosFamilia, 144, "20");
  PonMiembro(area->BaseImponible, 1736, {1000001.0, 600000.0, 400001.0, -1001.0, 0.0});
  PonMiembro(area->Liquidacion, 840, {100.4, 0.0, 50.25, 0.0, 0.0});
  PonMiembro(area->Liquidacion, 880, {0.3, 10.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Liquidacion, 920, {20.2, 5.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Liquidacion, 960, {0.0, 0.6, 0.0, 0.0, 0.0});
  Calcula(area, 2);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1000), (Miembros{1000001.0 * 0.17, 0.0, 400001.0 * 0.17, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1040), (Miembros{1000001.0 * 0.03, 0.0, 400001.0 * 0.03, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1080), (Miembros{0.0, 600000.0 * 0.2, 0.0, -1001.0 * 0.2, 0.0}));
  // 170,100.87; 120,010; 68,050.42; -200.2 (cut toward zero).
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1120), (Miembros{170101.0, 120010.0, 68050.0, -200.0, 0.0}));
  // 30,020.23; 5.6; 12,000.03.
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1160), (Miembros{30020.0, 6.0, 12000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1200), (Miembros{200121.0, 120016.0, 80050.0, -200.0, 0.0}));
}

TEST(Seccion100LI2, SinBloqueNoHaceNada) {
  CAreaRenta area;
  PonByte(area->Liquidacion, 448, 2);
  PonDouble(area->Liquidacion, 456, 1.0);
  const CAreaRenta antes = area;
  Calculos100LI2(nullptr, &area->DatosFamilia, &area->BaseImponible, 1);
  EXPECT_TRUE(area == antes);
  Calculos100LI2(&area->Liquidacion, nullptr, nullptr, 2);  // only the separate part
  EXPECT_EQ(DameMiembro(area->Liquidacion, 408), (Miembros{1.0, 1.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1200), (Miembros{}));
}

}  // namespace
}  // namespace ximardol
