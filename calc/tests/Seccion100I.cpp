// The minimum taken off the general base, and the rest of it off the special base.
#include <gtest/gtest.h>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

TEST(Seccion100I, ElMinimoPasaDeLaBaseGeneralALaEspecial) {
  // One case per slot: minimum M, general base G1, special base G2.
  //  0: M below G1, all on the general base.
  //  1: M above G1, the rest lowered to the special base.
  //  2: M above G1, the special base takes the whole rest.
  //  3: negative general base: it takes none of the minimum.
  //  4: M equal to G1.
  CAreaRenta area;
  PonMiembro(area->ApartadoH, 120, {1000000.0, 1000000.0, 1000000.0, 900000.0, 700000.0});
  PonMiembro(area->ApartadoG, 72, {3000000.0, 600000.0, 600000.0, -200000.0, 700000.0});
  PonMiembro(area->ApartadoG, 144, {500000.0, 300000.0, 1000000.0, 2000000.0, 50000.0});
  Calculos100I(&area->ApartadoI, &area->BaseImponible, &area->ApartadoH, &area->ApartadoG, -1);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1272), (Miembros{1000000.0, 600000.0, 600000.0, 0.0, 700000.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1696), (Miembros{0.0, 300000.0, 400000.0, 900000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1312), (Miembros{2000000.0, 0.0, 0.0, -200000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoI, 0), (Miembros{500000.0, 0.0, 600000.0, 1100000.0, 50000.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoI, 40), (Miembros{2500000.0, 0.0, 600000.0, 900000.0, 50000.0}));
}

}  // namespace
}  // namespace ximardol
