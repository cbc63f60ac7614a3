// Section F1: its rows and the two small lists distributed to the members.
#include <gtest/gtest.h>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

// Nine rows of 56 bytes (code at 0, amounts at 24, 32, 40, 48); the rows of instance 1 at 704 and 728 (code at 0,
// amount at 8); the rows of instance 2 at 792 and 824 (code at 0, amounts at 8, 16, 24).
CAreaRenta AreaConFilas() {
  CAreaRenta area;
  PonByte(area->ApartadoF1, 0, 2);
  PonDouble(area->ApartadoF1, 24, 100.0);
  PonDouble(area->ApartadoF1, 32, 200.0);
  PonDouble(area->ApartadoF1, 40, 300.0);
  PonDouble(area->ApartadoF1, 48, 400.0);
  PonByte(area->ApartadoF1, 56 * 8, 1);  // the family unit: half and half, each half rounded
  PonDouble(area->ApartadoF1, 56 * 8 + 24, 3.0);
  PonDouble(area->ApartadoF1, 56 * 8 + 48, 10.0);
  PonByte(area->ApartadoF1, 56 * 4, 5);
  PonDouble(area->ApartadoF1, 56 * 4 + 40, 7.0);
  PonByte(area->ApartadoF1, 56 * 5, 0);  // no member: counts nowhere
  PonDouble(area->ApartadoF1, 56 * 5 + 24, 1000.0);

  PonByte(area->ApartadoF1, 704, 3);
  PonDouble(area->ApartadoF1, 712, 50.0);
  PonByte(area->ApartadoF1, 728, 4);
  PonDouble(area->ApartadoF1, 736, 70.0);

  PonByte(area->ApartadoF1, 792, 2);
  PonDouble(area->ApartadoF1, 800, 1000.0);
  PonDouble(area->ApartadoF1, 808, 200.0);
  PonDouble(area->ApartadoF1, 816, 300.0);
  PonByte(area->ApartadoF1, 824, 3);
  PonDouble(area->ApartadoF1, 832, 500.0);
  PonDouble(area->ApartadoF1, 848, 100.0);
  return area;
}

void CompruebaFilas(const CAreaRenta& area) {
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 504), (Miembros{103.0, 102.0, 2.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 544), (Miembros{200.0, 200.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 584), (Miembros{307.0, 300.0, 0.0, 0.0, 7.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 624), (Miembros{410.0, 405.0, 5.0, 0.0, 0.0}));
}

TEST(Calculos100F1, LaInstancia1RepartePorMiembroSusDosFilasYLasNueveFilas) {
  CAreaRenta area = AreaConFilas();
  PonMiembro(area->ApartadoF1, 752, {9.0, 9.0, 0.0, 0.0, 0.0});  // groups of instance 2 as a former call left them
  PonMiembro(area->ApartadoF1, 896, {4.0, 4.0, 0.0, 0.0, 0.0});
  Calculos100F1(&area->ApartadoF1, 1);

  CompruebaFilas(area);
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 664), (Miembros{120.0, 0.0, 50.0, 70.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 752), (Miembros{9.0, 9.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 856), (Miembros{}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 936), (Miembros{5.0, 5.0, 0.0, 0.0, 0.0}));
}

TEST(Calculos100F1, LaInstancia2ReparteSusTresImportesYElNeto) {
  CAreaRenta area = AreaConFilas();
  Calculos100F1(&area->ApartadoF1, 2);

  CompruebaFilas(area);
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 664), (Miembros{}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 752), (Miembros{1500.0, 1000.0, 500.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 856), (Miembros{200.0, 200.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 896), (Miembros{400.0, 300.0, 100.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 936), (Miembros{1300.0, 900.0, 400.0, 0.0, 0.0}));
}

TEST(Calculos100F1, OtraInstanciaSoloRehaceLosTotalesYSinBloqueNoHaceNada) {
  CAreaRenta area = AreaConFilas();
  PonMiembro(area->ApartadoF1, 664, {1.0, 1.0, 0.0, 0.0, 0.0});
  Calculos100F1(&area->ApartadoF1, 7);
  CompruebaFilas(area);
  EXPECT_EQ(DameMiembro(area->ApartadoF1, 664), (Miembros{1.0, 1.0, 0.0, 0.0, 0.0}));

  EXPECT_EQ(Calculos100F1(nullptr, 1), 0);
}

}  // namespace
}  // namespace ximardol
