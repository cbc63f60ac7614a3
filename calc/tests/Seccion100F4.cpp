// Section F totals: the two groups of gains and losses, netted per member.
#include <gtest/gtest.h>

#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

int CalculaF4(CAreaRenta& area) {
  return Calculos100F4(&area->ApartadoF4, &area->ApartadoF1, &area->ApartadoF2, &area->ApartadoL,
                       &area->BaseImponible, &area->RendCapMobiliario, &area->ApartadoF3, -1);
}

TEST(Calculos100F4, SumaCadaGrupoDeSusApartados) {
  CAreaRenta area;
  // Each source adds a different power of two, so a source added twice or missed shows in the total.
  PonMiembro(area->ApartadoF1, 504, {1, 1, 0, 0, 0});
  PonMiembro(area->ApartadoF1, 664, {2, 0, 2, 0, 0});
  PonMiembro(area->ApartadoF1, 936, {4, 0, 0, 4, 0});
  PonMiembro(area->ApartadoF2, 2992, {8, 0, 0, 0, 8});
  PonMiembro(area->ApartadoF2, 3032, {16, 16, 0, 0, 0});
  PonMiembro(area->ApartadoF2, 3288, {32, 0, 32, 0, 0});
  PonMiembro(area->ApartadoF2, 3872, {64, 0, 0, 64, 0});
  PonMiembro(area->ApartadoF1, 544, {1000, 1000, 0, 0, 0});
  PonMiembro(area->ApartadoF2, 2952, {2000, 0, 2000, 0, 0});
  PonMiembro(area->ApartadoF2, 3544, {4000, 0, 0, 0, 4000});

  PonMiembro(area->ApartadoF1, 584, {1, 1, 0, 0, 0});
  PonMiembro(area->ApartadoF3, 5800, {2, 0, 2, 0, 0});
  PonMiembro(area->ApartadoF3, 5840, {4, 0, 0, 4, 0});
  PonMiembro(area->ApartadoF3, 6096, {8, 0, 0, 0, 8});
  PonMiembro(area->RendCapMobiliario, 1512, {16, 16, 0, 0, 0});
  PonMiembro(area->ApartadoF1, 624, {100, 0, 100, 0, 0});
  PonMiembro(area->ApartadoF3, 5760, {200, 0, 0, 200, 0});
  PonMiembro(area->ApartadoF3, 6352, {400, 400, 0, 0, 0});
  PonMiembro(area->RendCapMobiliario, 1552, {800, 0, 0, 0, 800});
  // Groups that the totals do not take.
  PonMiembro(area->ApartadoF1, 752, {1e6, 1e6, 0, 0, 0});
  PonMiembro(area->ApartadoF3, 5880, {1e6, 1e6, 0, 0, 0});

  EXPECT_EQ(CalculaF4(area), 0);
  EXPECT_EQ(DameMiembro(area->ApartadoF4, 0), (Miembros{127, 17, 34, 68, 8}));
  EXPECT_EQ(DameMiembro(area->ApartadoF4, 40), (Miembros{7000, 1000, 2000, 0, 4000}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1232), (Miembros{0, 0, 0, 68, 0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF4, 80), (Miembros{6873, 983, 1966, 0, 3992}));

  EXPECT_EQ(DameMiembro(area->ApartadoF4, 120), (Miembros{31, 17, 2, 4, 8}));
  EXPECT_EQ(DameMiembro(area->ApartadoF4, 160), (Miembros{1500, 400, 100, 200, 800}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1544), (Miembros{}));
  EXPECT_EQ(DameMiembro(area->ApartadoF4, 200), (Miembros{1469, 383, 98, 196, 792}));
  EXPECT_EQ(DameMiembro(area->ApartadoL, 40), (Miembros{1469, 383, 98, 196, 792}));
}

TEST(Calculos100F4, NeteaCadaMiembroPorSeparado) {
  struct Caso {
    Miembros ganancias;
    Miembros perdidas;
    Miembros neta;         // RegBaseImponible
    Miembros perdidaNeta;  // F4 (and RegApartadoL for the second group)
  };
  for (const Caso& caso : std::vector<Caso>{
           {{500, 300, 200, 0, 0}, {500, 100, 200, 200, 0}, {0, 200, 0, 0, 0}, {0, 0, 0, 200, 0}},
           {{7, 7, 0, 0, 0}, {7, 7, 0, 0, 0}, {}, {}},  // equal gains and losses: nothing either way
           {{-5, 0, 0, 0, 0}, {}, {}, {5, 0, 0, 0, 0}}}) {
    CAreaRenta area;
    PonMiembro(area->ApartadoF1, 504, caso.ganancias);
    PonMiembro(area->ApartadoF1, 544, caso.perdidas);
    PonMiembro(area->ApartadoF1, 584, caso.ganancias);
    PonMiembro(area->ApartadoF1, 624, caso.perdidas);
    PonMiembro(area->BaseImponible, 1232, {9, 9, 9, 9, 9});  // left by a former calculation
    PonMiembro(area->ApartadoL, 40, {9, 9, 9, 9, 9});
    CalculaF4(area);
    EXPECT_EQ(DameMiembro(area->BaseImponible, 1232), caso.neta);
    EXPECT_EQ(DameMiembro(area->ApartadoF4, 80), caso.perdidaNeta);
    EXPECT_EQ(DameMiembro(area->BaseImponible, 1544), caso.neta);
    EXPECT_EQ(DameMiembro(area->ApartadoF4, 200), caso.perdidaNeta);
    EXPECT_EQ(DameMiembro(area->ApartadoL, 40), caso.perdidaNeta);
  }
}

TEST(Calculos100F4, SinUnoDeSusBloquesNoHaceNada) {
  CAreaRenta area;
  PonMiembro(area->ApartadoF1, 504, {5, 5, 0, 0, 0});
  const CAreaRenta antes = area;
  Calculos100F4(&area->ApartadoF4, &area->ApartadoF1, &area->ApartadoF2, nullptr, &area->BaseImponible,
                &area->RendCapMobiliario, &area->ApartadoF3, -1);
  Calculos100F4(&area->ApartadoF4, &area->ApartadoF1, &area->ApartadoF2, &area->ApartadoL, &area->BaseImponible,
                &area->RendCapMobiliario, nullptr, -1);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol
