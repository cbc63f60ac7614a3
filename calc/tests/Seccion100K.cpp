// The general base to liquidate: after the minimum, the pension-plan reductions and a third limited reduction.
#include <gtest/gtest.h>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Calcula(CAreaRenta& area) {
  Calculos100K(&area->ApartadoK, &area->BaseImponible, &area->Liquidacion, &area->ApartadoL, &area->ApartadoI, -1);
}

TEST(Seccion100K, BaseLiquidableGeneralYEspecial) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 1312, {4000000.0, 3000000.0, 1000000.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1352, {500000.0, 300000.0, 200000.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1392, {100000.0, 100000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1432, {900000.0, 0.0, 900000.0, 0.0, 0.0});
  // Third reduction: 2,800,000 asked for the declarant (2,600,000 left), 50,000 for the spouse (nothing left).
  PonByte(area->BaseImponible, 1512, 2);
  PonDouble(area->BaseImponible, 1520, 2800000.0);
  PonByte(area->BaseImponible, 1528, 3);
  PonDouble(area->BaseImponible, 1536, 50000.0);
  PonMiembro(area->ApartadoI, 0, {700000.0, 200000.0, 500000.0, 0.0, 0.0});
  PonMiembro(area->ApartadoL, 80, {5.0, 5.0, 5.0, 5.0, 5.0});
  Calcula(area);
  EXPECT_EQ(DameMiembro(area->ApartadoK, 0), (Miembros{1500000.0, 400000.0, 1100000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoK, 40), (Miembros{2500000.0, 2600000.0, -100000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1472), (Miembros{2500000.0, 2600000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 0), (Miembros{0.0, 0.0, -100000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoL, 80), (Miembros{0.0, 0.0, 100000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1736), (Miembros{700000.0, 200000.0, 500000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoK, 80), (Miembros{700000.0, 200000.0, 400000.0, 0.0, 0.0}));
}

}  // namespace
}  // namespace ximardol
