// The test fixture itself: zeroed areas, deep copies, offsets checked against the block.
#include <gtest/gtest.h>

#include <stdexcept>

#include "AreaPrueba.h"

namespace ximardol::pruebas {
namespace {

TEST(AreaPrueba, EmpiezaEnCerosYSusCopiasSonIndependientes) {
  CAreaRenta area;
  const CAreaRenta ceros;
  EXPECT_TRUE(area == ceros);
  EXPECT_EQ(DameDouble(*area, 61616), 0.0);

  CAreaRenta copia = area;
  PonDouble(copia->Resultados, 7144, 3.5);
  EXPECT_TRUE(area == ceros);
  EXPECT_FALSE(copia == ceros);
  EXPECT_EQ(DameDouble(*copia, 61616), 3.5);  // the last double of the area, through the area itself
}

TEST(AreaPrueba, ValoresEnBloqueYDesplazamiento) {
  CAreaPatrimonio area;
  PonByte(area->PatDatosPersonales, 126, 200);
  PonTexto(area->PatA, 0, "FINCA", 8);
  PonMiembro(area->PatResumen, 488, {1.0, 2.0, 3.0, 4.0, 5.0});
  EXPECT_EQ(DameByte(area->PatDatosPersonales, 126), 200);
  EXPECT_EQ(DameTexto(area->PatA, 0, 8), "FINCA");
  EXPECT_EQ(DameTexto(area->PatA, 0, 3), "FIN");
  EXPECT_EQ(DameMiembro(area->PatResumen, 488), (Miembros{1.0, 2.0, 3.0, 4.0, 5.0}));
}

TEST(AreaPrueba, UnDesplazamientoFueraDelBloqueFallaLaPrueba) {
  CAreaRenta area;
  EXPECT_THROW(PonDouble(area->ApartadoE4, 73, 1.0), std::out_of_range);
  EXPECT_THROW(DameMiembro(area->BaseImponible, 1740), std::out_of_range);
  EXPECT_THROW(PonTexto(area->ApartadoE4, 76, "12345"), std::out_of_range);
  EXPECT_THROW(DameByte(area->ApartadoE4, 80), std::out_of_range);
  EXPECT_NO_THROW(PonMiembro(area->BaseImponible, 1736, {}));
}

}  // namespace
}  // namespace ximardol::pruebas
