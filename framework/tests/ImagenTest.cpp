// Box pictures: n, m and d, and the resolution of amount pictures by the declaration's currency.
#include "framework/Imagen.h"

#include <gtest/gtest.h>

namespace marco {
namespace {

TEST(Imagen, AnalizaLongitudRepeticionYDecimales) {
  struct Caso {
    const char* mascara;
    int resultado;
    SMascara esperada;
  };
  const Caso casos[] = {
      {"S10*5.1", 1, {10, 5, 1}},
      {"", 0, {0, 0, 0}},
      {"F12*5", 1, {12, 5, 0}},
      {"A9", 1, {9, 0, 0}},
      {"R13.2", 1, {13, 0, 2}},
      {"F9.2   ", 1, {9, 0, 2}},  // blanks of the table's field
      {"B", 1, {0, 0, 0}},
      {"S10.-1", 1, {10, 0, -1}},  // the selection boxes' "no decimals" mark
      {"F12*", 1, {12, 0, 0}},
      {"F12*x.3", 1, {12, 0, 3}},  // m is one character: not a digit gives 0
  };
  for (const Caso& c : casos) {
    SMascara m{7, 7, 7};
    EXPECT_EQ(AnalizarMascara(c.mascara, m), c.resultado) << c.mascara;
    EXPECT_EQ(m, c.esperada) << c.mascara;
  }
  EXPECT_EQ(LetraMascara("F9.2"), 'F');
  EXPECT_EQ(LetraMascara(""), '\0');
}

TEST(Imagen, MascaraDeImportesPorMoneda) {
  struct Caso {
    const char* mascara;
    char moneda;
    const char* esperada;
    int opcion;
  };
  const Caso casos[] = {
      {"R13.2", kMonedaPesetas, "R16.0", 0},
      {"R13.2", kMonedaEuros, "R13.2", 2},
      {"R13*5.2", kMonedaPesetas, "R16*5.0", 0},
      {"R13*5.2", kMonedaEuros, "R13*5.2", 2},
      {"R13.4", kMonedaPesetas, "R18.0", 0},  // d of 3 or more: n + d + 1
      {"R13", kMonedaPesetas, "R16.0", 0},
      {"R13.2-16.0", kMonedaPesetas, "R16.0", 0},
      {"R13.2-16.0", kMonedaEuros, "R13.2", 2},
      {"R13.2-R15.0", kMonedaPesetas, "R15.0", 0},  // the peseta part may repeat the letter
      {"R13*5.2-16.0", kMonedaPesetas, "R16*5.0", 0},  // m comes from the euro part
      {"R13.2  ", kMonedaPesetas, "R16.0", 0},
  };
  for (const Caso& c : casos) {
    SMascaraMoneda r;
    ASSERT_TRUE(ResolverMascaraMoneda(c.mascara, c.moneda, r)) << c.mascara;
    EXPECT_EQ(r.mascara, c.esperada) << c.mascara << " " << c.moneda;
    EXPECT_EQ(r.opcion, c.opcion) << c.mascara << " " << c.moneda;
  }

  SMascaraMoneda r{"sin tocar", 9};
  EXPECT_FALSE(ResolverMascaraMoneda("F9.2", kMonedaPesetas, r));
  EXPECT_FALSE(ResolverMascaraMoneda("R13.2", 'X', r));
  EXPECT_FALSE(ResolverMascaraMoneda("", kMonedaEuros, r));
  EXPECT_EQ(r.mascara, "sin tocar");
  EXPECT_EQ(r.opcion, 9);
}

TEST(Imagen, LetraDeMonedaDeLaDeclaracion) {
  EXPECT_EQ(LetraMoneda("0"), kMonedaEuros);
  EXPECT_EQ(LetraMoneda("1"), kMonedaPesetas);
  EXPECT_EQ(LetraMoneda(""), kMonedaPesetas);
  EXPECT_EQ(LetraMoneda(" "), kMonedaPesetas);

  EXPECT_EQ(MonedaEnUso(), kMonedaPesetas);
  PonerMonedaEnUso(kMonedaEuros);
  EXPECT_EQ(MonedaEnUso(), kMonedaEuros);
  PonerMonedaEnUso('X');  // not a currency: kept as it was
  EXPECT_EQ(MonedaEnUso(), kMonedaEuros);
  PonerMonedaEnUso(kMonedaPesetas);
}

}  // namespace
}  // namespace marco
