// Section N: the regional deductions of each member's region, the clearing of every other region's results, and the
// totals taken only from the second quota.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Calcula(CAreaRenta& a, int instancia = 0) {
  Calculos100N(&a->ApartadoN, &a->DatosFamilia, &a->BaseImponible, &a->Liquidacion, &a->ApartadoG, &a->ApartadoM,
               &a->ApartadoD1, &a->ApartadoD2, &a->ApartadoD4, &a->ApartadoD5, &a->ApartadoK, &a->ApartadoI,
               &a->ApartadoH, &a->Resultados, instancia);
}

// Region codes of the unit, declarant, spouse, first and second child: two characters at 48 + 32 x slot.
void PonCodigos(CAreaRenta& a, const std::array<std::string, 5>& codigos) {
  for (std::size_t s = 0; s < 5; ++s) PonTexto(a->DatosFamilia, 48 + 32 * s, codigos[s], 2);
}

void PonAnios(CAreaRenta& a, const std::string& declarante, const std::string& conyuge) {
  PonTexto(a->DatosFamilia, 4, declarante, 4);
  PonTexto(a->DatosFamilia, 8, conyuge, 4);
}

void PonConjunta(CAreaRenta& a) { PonByte(a->DatosFamilia, 3, 1); }

// A coded entry of RegApartadoN: member code, the amount 8 bytes on.
void PonEntrada(CAreaRenta& a, std::size_t d, std::uint8_t codigo, double importe) {
  PonByte(a->ApartadoN, d, codigo);
  PonDouble(a->ApartadoN, d + 8, importe);
}

Miembros DeN(const CAreaRenta& a, std::size_t d) { return DameMiembro(a->ApartadoN, d); }
Miembros Res600(const CAreaRenta& a) { return DameMiembro(a->Resultados, 600); }
Miembros Res640(const CAreaRenta& a) { return DameMiembro(a->Resultados, 640); }

constexpr Miembros Ceros{0.0, 0.0, 0.0, 0.0, 0.0};

// ---- Clearing ---------------------------------------------------------------------------------------------------

TEST(Seccion100N, SinCodigosSeBorraCadaRegionEnteraYLosResultadosQuedanACero) {
  CAreaRenta area;
  std::memset(&area->ApartadoN, 0xAB, sizeof area->ApartadoN);
  PonMiembro(area->Resultados, 600, {1.0, 2.0, 3.0, 4.0, 5.0});
  PonMiembro(area->Resultados, 640, {1.0, 2.0, 3.0, 4.0, 5.0});
  PonMiembro(area->Resultados, 560, {7.0, 7.0, 7.0, 7.0, 7.0});
  PonMiembro(area->Resultados, 680, {7.0, 7.0, 7.0, 7.0, 7.0});
  PonAnios(area, "1930", "1930");
  CAreaRenta antes = area;

  Calcula(area);

  // Every result and every entry of the eight regions, the count at 632, the six entries of region 8 and the two
  // claim bytes at 2472 included; only the bytes that nothing reads keep their value.
  for (std::size_t d = 0; d < sizeof area->ApartadoN; ++d) {
    const bool noLeido = (d >= 2474 && d < 2480) || (d >= 2610 && d < 2616);
    ASSERT_EQ(DameByte(area->ApartadoN, d), noLeido ? 0xAB : 0x00) << "byte " << d;
  }
  EXPECT_EQ(Res600(area), Ceros);
  EXPECT_EQ(Res640(area), Ceros);

  // Nothing else of the area is written.
  std::memcpy(&antes->ApartadoN, &area->ApartadoN, sizeof area->ApartadoN);
  PonMiembro(antes->Resultados, 600, Ceros);
  PonMiembro(antes->Resultados, 640, Ceros);
  EXPECT_TRUE(area == antes);
}

TEST(Seccion100N, CodigosFueraDeLasOchoRegionesNoDanDeduccion) {
  for (const char* codigo : {"00", "  ", "01", "07", "20", "99", "x4"}) {
    CAreaRenta area;
    PonCodigos(area, {codigo, codigo, codigo, codigo, codigo});
    PonDouble(area->ApartadoN, 1208, 2.0);  // region 9 entries
    PonDouble(area->ApartadoN, 200, 2.0);   // region 4 entries
    Calcula(area);
    EXPECT_EQ(Res600(area), Ceros) << codigo;
    EXPECT_EQ(DameDouble(area->ApartadoN, 1208), 0.0) << codigo;
    EXPECT_EQ(DameDouble(area->ApartadoN, 200), 0.0) << codigo;
  }
}

TEST(Seccion100N, DeclaranteEnLaRegion4YConyugeEnLa9) {
  CAreaRenta area;
  PonCodigos(area, {"04", "04", "09", "", ""});
  PonAnios(area, "1960", "1962");
  PonDouble(area->ApartadoN, 168, 1.0);   // region 4: declarant's own descendant
  PonDouble(area->ApartadoN, 200, 2.0);   // region 4: the unit's descendants
  PonDouble(area->ApartadoN, 1208, 1.0);  // region 9: common, declarant's, spouse's
  PonDouble(area->ApartadoN, 1216, 1.0);
  PonDouble(area->ApartadoN, 1224, 1.0);
  PonDouble(area->ApartadoN, 1312, 3.0);  // region 11, which no member belongs to
  // Results of an earlier calculation in the slots that no longer belong to the region.
  PonMiembro(area->ApartadoN, 120, {0.0, 0.0, 999.0, 999.0, 0.0});
  PonMiembro(area->ApartadoN, 1168, {999.0, 999.0, 0.0, 0.0, 999.0});

  Calcula(area);

  EXPECT_EQ(DeN(area, 80), (Miembros{2.0, 1.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 120), (Miembros{20000.0, 10000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 1128), (Miembros{0.0, 0.0, 2.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 1168), (Miembros{0.0, 0.0, 25000.0, 0.0, 0.0}));
  EXPECT_EQ(Res600(area), (Miembros{20000.0, 10000.0, 25000.0, 0.0, 0.0}));
  // The entries of both regions stay; those of a region without members go.
  EXPECT_EQ(DameDouble(area->ApartadoN, 168), 1.0);
  EXPECT_EQ(DameDouble(area->ApartadoN, 200), 2.0);
  EXPECT_EQ(DameDouble(area->ApartadoN, 1224), 1.0);
  EXPECT_EQ(DameDouble(area->ApartadoN, 1312), 0.0);
}

// A member who leaves region 8 and comes back finds none of the old entries, counts or amounts.
TEST(Seccion100N, Region8BorradaEnteraNoDevuelveEntradasAntiguas) {
  CAreaRenta area;
  PonCodigos(area, {"08", "08", "08", "", ""});
  PonMiembro(area->Liquidacion, 0, {10000000.0, 10000000.0, 10000000.0, 0.0, 0.0});
  for (std::size_t d : {952u, 968u, 984u, 1040u, 1056u, 1072u}) PonEntrada(area, d, 2, 100000.0);
  PonDouble(area->ApartadoN, 792, 1.0);  // a declarant's descendant of class 1
  Calcula(area);
  ASSERT_EQ(DeN(area, 912)[1], 45000.0);
  ASSERT_EQ(DeN(area, 1000)[1], 30000.0);
  ASSERT_EQ(DeN(area, 632)[1], 1.0);

  PonCodigos(area, {"09", "09", "09", "", ""});
  Calcula(area);
  for (std::size_t d = 952; d < 1000; ++d) ASSERT_EQ(DameByte(area->ApartadoN, d), 0) << "byte " << d;
  for (std::size_t d = 1040; d < 1088; ++d) ASSERT_EQ(DameByte(area->ApartadoN, d), 0) << "byte " << d;
  EXPECT_EQ(DeN(area, 632), Ceros);

  PonCodigos(area, {"08", "08", "08", "", ""});
  Calcula(area);
  EXPECT_EQ(DeN(area, 912), Ceros);
  EXPECT_EQ(DeN(area, 1000), Ceros);
  EXPECT_EQ(Res640(area), Ceros);
}

TEST(Seccion100N, LaCuentaDeDescendientesDeLaRegion8SeBorraEnLosMiembrosDeOtraRegion) {
  CAreaRenta area;
  PonCodigos(area, {"08", "08", "09", "", ""});
  PonMiembro(area->ApartadoN, 632, {5.0, 5.0, 5.0, 5.0, 5.0});
  PonDouble(area->ApartadoN, 752, 2.0);  // two common descendants of class 1
  Calcula(area);
  EXPECT_EQ(DeN(area, 632), (Miembros{2.0, 2.0, 0.0, 0.0, 0.0}));
}

// ---- Region 4 ---------------------------------------------------------------------------------------------------

TEST(Seccion100N, Region4DeduccionSobreLosImportesAyB) {
  struct Caso {
    const char* nombre;
    bool conjunta;
    Miembros general;   // RegBaseImponible 1312
    Miembros especial;  // RegBaseImponible 1736
    Miembros esperado;  // 208
  };
  const std::vector<Caso> casos{
      {"conjunta", true, Ceros, Ceros, {25000.0, 22500.0, 22500.0, 0.0, 0.0}},
      {"no conjunta", false, Ceros, Ceros, {22500.0, 22500.0, 0.0, 0.0, 0.0}},
      {"bases en el limite", true, {1999999.0, 1500000.0, 1499999.0, 0.0, 0.0}, {1.0, 0.0, 1.0, 0.0, 0.0},
       {25000.0, 22500.0, 22500.0, 0.0, 0.0}},
      {"bases por encima", true, {2000000.0, 1500000.0, 0.0, 0.0, 0.0}, {1.0, 1.0, 0.0, 0.0, 0.0},
       {0.0, 0.0, 22500.0, 0.0, 0.0}},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"04", "04", "04", "", ""});
    PonAnios(area, "1960", "1962");
    if (c.conjunta) PonConjunta(area);
    PonMiembro(area->BaseImponible, 1312, c.general);
    PonMiembro(area->BaseImponible, 1736, c.especial);
    PonDouble(area->ApartadoN, 248, 100000.0);
    PonDouble(area->ApartadoN, 256, 100000.0);
    PonDouble(area->ApartadoN, 264, 100000.0);
    Calcula(area);
    EXPECT_EQ(DeN(area, 208), c.esperado) << c.nombre;
    EXPECT_EQ(DeN(area, 496), c.esperado) << c.nombre;
    EXPECT_EQ(Res600(area), c.esperado) << c.nombre;
  }
}

TEST(Seccion100N, Region4EdadDeclaranteYConyuge) {
  struct Caso {
    const char* declarante;
    const char* conyuge;
    double baseDeclarante;
    Miembros personas;  // 0; the amount at 40 is 4,000 each
  };
  const std::vector<Caso> casos{
      {"1930", "1932", 0.0, {2.0, 1.0, 1.0, 0.0, 0.0}},
      {"1930", "", 0.0, {1.0, 1.0, 0.0, 0.0, 0.0}},
      {"1935", "1934", 0.0, {1.0, 0.0, 1.0, 0.0, 0.0}},
      {"1935", "1935", 0.0, Ceros},
      {"1930", "1932", 1500001.0, {2.0, 0.0, 1.0, 0.0, 0.0}},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"04", "04", "04", "04", "04"});
    PonAnios(area, c.declarante, c.conyuge);
    PonMiembro(area->BaseImponible, 1312, {0.0, c.baseDeclarante, 0.0, 0.0, 0.0});
    Calcula(area);
    EXPECT_EQ(DeN(area, 0), c.personas) << c.declarante << " " << c.conyuge;
    Miembros importe{};
    for (std::size_t s = 0; s < 5; ++s) importe[s] = c.personas[s] * 4000.0;
    EXPECT_EQ(DeN(area, 40), importe) << c.declarante << " " << c.conyuge;
  }
}

TEST(Seccion100N, Region4DescendientesPorMiembroConLimiteDeBases) {
  CAreaRenta area;
  PonCodigos(area, {"04", "04", "04", "04", "04"});
  PonAnios(area, "1960", "1962");
  const double cuentas[] = {2.0, 1.0, 3.0, 1.0, 2.0, 6.0};  // common, declarant, spouse, child 1, child 2, total
  for (std::size_t k = 0; k < 6; ++k) PonDouble(area->ApartadoN, 160 + 8 * k, cuentas[k]);
  Calcula(area);
  EXPECT_EQ(DeN(area, 80), (Miembros{6.0, 3.0, 5.0, 1.0, 2.0}));
  EXPECT_EQ(DeN(area, 120), (Miembros{60000.0, 20000.0, 40000.0, 10000.0, 20000.0}));

  PonMiembro(area->BaseImponible, 1736, {2000001.0, 0.0, 1500001.0, 1500000.0, 0.0});
  Calcula(area);
  EXPECT_EQ(DeN(area, 80), (Miembros{0.0, 3.0, 0.0, 1.0, 2.0}));
  EXPECT_EQ(DeN(area, 120), (Miembros{0.0, 20000.0, 0.0, 10000.0, 20000.0}));
}

TEST(Seccion100N, Region4EntradasSoloCuandoNingunMiembroEsDeOtraRegion) {
  struct Caso {
    const char* conyuge;
    bool conjunta;
    Miembros esperado;  // 272
  };
  // Entries: a declarant's of 50,000 (10 %, 5,000), a common one of 200,000 (5 %, at most 5,000), a spouse's of
  // 300,000 (10 %, at most 10,000).
  const std::vector<Caso> casos{
      {"08", false, {10000.0, 0.0, 0.0, 0.0, 0.0}},
      {"", false, {10000.0, 10000.0, 0.0, 0.0, 0.0}},
      {"04", false, {10000.0, 10000.0, 10000.0, 0.0, 0.0}},
      {"04", true, {25000.0, 10000.0, 15000.0, 0.0, 0.0}},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"04", "04", c.conyuge, "", ""});
    PonAnios(area, "1960", "1962");
    if (c.conjunta) PonConjunta(area);
    PonEntrada(area, 312, 2, 50000.0);
    PonEntrada(area, 328, 1, 200000.0);
    PonEntrada(area, 376, 3, 300000.0);
    Calcula(area);
    EXPECT_EQ(DeN(area, 272), c.esperado) << c.conyuge << " " << c.conjunta;
  }
}

TEST(Seccion100N, Region4Deduccion25ConTopeYTotalDeLaUnidad) {
  CAreaRenta area;
  PonCodigos(area, {"04", "04", "04", "04", ""});
  PonAnios(area, "1960", "1962");
  // Entry 1: declarant, base 200,000, cap 30 thousands or 40,000. Entry 2: common, base 100,000, cap 10 thousands.
  PonByte(area->ApartadoN, 432, 2);
  PonDouble(area->ApartadoN, 440, 200000.0);
  PonDouble(area->ApartadoN, 448, 30.0);
  PonDouble(area->ApartadoN, 456, 40000.0);
  PonByte(area->ApartadoN, 464, 1);
  PonDouble(area->ApartadoN, 472, 100000.0);
  PonDouble(area->ApartadoN, 480, 10.0);
  Calcula(area);
  // 25 %: 62,500 and 12,500, capped at 40,000 and 5,000; the unit takes the sum over its own cap.
  EXPECT_EQ(DeN(area, 392), (Miembros{45000.0, 40000.0, 5000.0, 0.0, 0.0}));

  PonDouble(area->ApartadoN, 440, -200000.0);
  PonDouble(area->ApartadoN, 472, 0.0);
  Calcula(area);
  EXPECT_EQ(DeN(area, 392), Ceros);
}

// ---- Region 8 ---------------------------------------------------------------------------------------------------

TEST(Seccion100N, Region8ImportesFijosDescendientesYEntradas) {
  for (bool conjunta : {false, true}) {
    CAreaRenta area;
    PonCodigos(area, {"08", "08", "08", "", ""});
    if (conjunta) PonConjunta(area);
    PonByte(area->ApartadoN, 616, 1);
    PonDouble(area->ApartadoN, 624, 2.0);
    PonDouble(area->ApartadoN, 752, 2.0);       // common, class 1
    PonDouble(area->ApartadoN, 792 + 16, 1.0);  // declarant's, class 3
    PonDouble(area->ApartadoN, 832 + 32, 1.0);  // spouse's, class 5
    PonMiembro(area->Liquidacion, 0, {4000000.0, 3000000.0, 1000000.0, 0.0, 0.0});
    PonEntrada(area, 952, 2, 100000.0);
    PonEntrada(area, 984, 3, 100000.0);
    PonEntrada(area, 1056, 2, 80000.0);
    Calcula(area);

    const double fijo1 = conjunta ? 17500.0 : 35000.0;
    const double unidades1 = conjunta ? 15000.0 : 30000.0;
    EXPECT_EQ(DeN(area, 536), (Miembros{2.0, 2.0, 2.0, 0.0, 0.0}));
    EXPECT_EQ(DeN(area, 576), (Miembros{35000.0, fijo1, 17500.0, 0.0, 0.0}));
    EXPECT_EQ(DeN(area, 672), (Miembros{30000.0, unidades1, 15000.0, 0.0, 0.0}));
    EXPECT_EQ(DeN(area, 632), (Miembros{4.0, 3.0, 3.0, 0.0, 0.0}));
    EXPECT_EQ(DeN(area, 712), (Miembros{100000.0, 40000.0, 60000.0, 0.0, 0.0}));
    const Miembros total1{165000.0, fijo1 + unidades1 + 40000.0, 92500.0, 0.0, 0.0};
    EXPECT_EQ(DeN(area, 872), total1);
    // 5 % of the bases to liquidate caps the first entries, and what they leave caps the second.
    EXPECT_EQ(DeN(area, 912), (Miembros{30000.0, 15000.0, 7500.0, 0.0, 0.0}));
    EXPECT_EQ(DeN(area, 1000), (Miembros{0.0, 7500.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(Res600(area), total1);
    EXPECT_EQ(Res640(area), (Miembros{30000.0, 22500.0, 7500.0, 0.0, 0.0}));
  }
}

// ---- Regions 9 and 11 -------------------------------------------------------------------------------------------

TEST(Seccion100N, Region9ElDescendientePropioDelConyugeCuentaPeroNoSePagaSinConjunta) {
  for (bool conjunta : {false, true}) {
    CAreaRenta area;
    PonCodigos(area, {"09", "09", "09", "", ""});
    if (conjunta) PonConjunta(area);
    PonDouble(area->ApartadoN, 1208, 1.0);
    PonDouble(area->ApartadoN, 1216, 1.0);
    PonDouble(area->ApartadoN, 1224, 1.0);
    Calcula(area);
    const double unidad = conjunta ? 50000.0 : 25000.0;
    EXPECT_EQ(DeN(area, 1128), (Miembros{3.0, 2.0, 2.0, 0.0, 0.0}));
    EXPECT_EQ(DeN(area, 1168), (Miembros{unidad, 25000.0, 25000.0, 0.0, 0.0}));
    EXPECT_EQ(Res600(area), (Miembros{unidad, 25000.0, 25000.0, 0.0, 0.0}));
  }
}

TEST(Seccion100N, Region11DescendientesPorClases) {
  CAreaRenta area;
  PonCodigos(area, {"11", "11", "11", "11", ""});
  PonDouble(area->ApartadoN, 1312 + 8, 2.0);   // common, class 2
  PonDouble(area->ApartadoN, 1352, 1.0);       // declarant's, class 1
  PonDouble(area->ApartadoN, 1392 + 24, 1.0);  // spouse's, class 4
  Calcula(area);
  EXPECT_EQ(DeN(area, 1232), (Miembros{4.0, 3.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 1272), (Miembros{100000.0, 40000.0, 60000.0, 0.0, 0.0}));
  EXPECT_EQ(Res600(area), (Miembros{100000.0, 40000.0, 60000.0, 0.0, 0.0}));
}

// ---- Region 12 --------------------------------------------------------------------------------------------------

TEST(Seccion100N, Region12PorEncimaDelLimiteCuentaYImporteQuedanACero) {
  struct Caso {
    Miembros basesAntesMinimo;  // RegApartadoG 72
    Miembros cuenta;            // 1432
    Miembros importe;           // 1472
  };
  const std::vector<Caso> casos{
      {Ceros, {4.0, 3.0, 3.0, 0.0, 0.0}, {101800.0, 50900.0, 50900.0, 0.0, 0.0}},
      {{5000000.0, 3500000.0, 3500000.0, 0.0, 0.0},
       {4.0, 3.0, 3.0, 0.0, 0.0},
       {101800.0, 50900.0, 50900.0, 0.0, 0.0}},
      {{5000001.0, 3600000.0, 0.0, 0.0, 0.0}, {0.0, 0.0, 3.0, 0.0, 0.0}, {0.0, 0.0, 50900.0, 0.0, 0.0}},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"12", "12", "12", "", ""});
    PonMiembro(area->ApartadoN, 1432, {9.0, 9.0, 9.0, 0.0, 0.0});  // the previous calculation's counts
    PonDouble(area->ApartadoN, 1512, 2.0);
    PonDouble(area->ApartadoN, 1520, 1.0);
    PonDouble(area->ApartadoN, 1528, 1.0);
    PonMiembro(area->ApartadoG, 72, c.basesAntesMinimo);
    Calcula(area);
    EXPECT_EQ(DeN(area, 1432), c.cuenta) << c.basesAntesMinimo[0];
    EXPECT_EQ(DeN(area, 1472), c.importe) << c.basesAntesMinimo[0];
  }
}

TEST(Seccion100N, Region12SegundaClaseYEntradasLimitadasPorLaBase) {
  CAreaRenta area;
  PonCodigos(area, {"12", "12", "12", "", ""});
  PonDouble(area->ApartadoN, 1616, 2.0);
  PonDouble(area->ApartadoN, 1624, 1.0);
  PonEntrada(area, 1720, 2, 200000.0);
  PonEntrada(area, 1752, 3, 10000.0);
  PonMiembro(area->Liquidacion, 0, {0.0, 900000.0, 1000000.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1736, {0.0, 100000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->ApartadoM, 88, {0.0, 20000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->ApartadoM, 264, {0.0, 10000.0, 0.0, 0.0, 0.0});
  Calcula(area);
  EXPECT_EQ(DeN(area, 1536), (Miembros{3.0, 3.0, 2.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 1576), (Miembros{150000.0, 100000.0, 50000.0, 0.0, 0.0}));
  // Slot 1: 10 % of 1,000,000 less 30,000 admitted by section M. Slot 0 has no base.
  EXPECT_EQ(DeN(area, 1680), (Miembros{0.0, 7000.0, 1000.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 1640), DeN(area, 1576));
  EXPECT_EQ(Res640(area), (Miembros{0.0, 7000.0, 1000.0, 0.0, 0.0}));
}

// ---- Region 13 --------------------------------------------------------------------------------------------------

TEST(Seccion100N, Region13TipoDel2o3PorCientoYTopeDe40000) {
  struct Caso {
    const char* nombre;
    double baseGeneral;      // RegLiquidacion 0, declarant
    double baseEspecial;     // RegBaseImponible 1736, declarant
    double entradaS;         // the 10 % entry
    std::size_t campoM;      // RegApartadoM array admitted by section M
    double admitidoM;
    double deduccionT;       // 1768, declarant
    double deduccionS;       // 1856, declarant
  };
  const std::vector<Caso> casos{
      {"base de 2.500.000", 2500000.0, 0.0, 0.0, 504, 0.0, 20000.0, 0.0},
      {"base de 2.499.999", 2499999.0, 0.0, 0.0, 504, 0.0, 30000.0, 0.0},
      {"base especial sobre 250.000", 0.0, 250001.0, 0.0, 504, 0.0, 20000.0, 0.0},
      {"base especial de 250.000", 0.0, 250000.0, 0.0, 504, 0.0, 30000.0, 0.0},
      {"tope menos el 10 %", 2500000.0, 0.0, 300000.0, 504, 0.0, 10000.0, 30000.0},
      {"10 % en su tope", 2500000.0, 0.0, 500000.0, 504, 0.0, 0.0, 40000.0},
      {"lo admitido en M3", 2500000.0, 0.0, 0.0, 904, 1000000.0, 10000.0, 0.0},
      {"lo admitido en M4", 2500000.0, 0.0, 0.0, 1216, 1000000.0, 10000.0, 0.0},
      {"lo admitido resta al 10 %", 0.0, 0.0, 300000.0, 944, 1400000.0, 0.0, 10000.0},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"13", "13", "", "", ""});
    PonMiembro(area->Liquidacion, 0, {0.0, c.baseGeneral, 0.0, 0.0, 0.0});
    PonMiembro(area->BaseImponible, 1736, {0.0, c.baseEspecial, 0.0, 0.0, 0.0});
    PonMiembro(area->ApartadoM, c.campoM, {0.0, c.admitidoM, 0.0, 0.0, 0.0});
    PonEntrada(area, 1808, 2, 1000000.0);
    PonEntrada(area, 1896, 2, c.entradaS);
    Calcula(area);
    EXPECT_EQ(DeN(area, 1768)[1], c.deduccionT) << c.nombre;
    EXPECT_EQ(DeN(area, 1856)[1], c.deduccionS) << c.nombre;
    EXPECT_EQ(DeN(area, 1944)[1], c.deduccionT + c.deduccionS) << c.nombre;
    EXPECT_EQ(Res600(area)[1], c.deduccionT + c.deduccionS) << c.nombre;
  }
}

TEST(Seccion100N, Region13EntradasAl20PorCientoLimitadasPorLaBase) {
  CAreaRenta area;
  PonCodigos(area, {"13", "13", "13", "", ""});
  PonMiembro(area->Liquidacion, 0, {2000000.0, 1000000.0, 100000.0, 0.0, 0.0});
  PonMiembro(area->ApartadoM, 88, {0.0, 0.0, 20000.0, 0.0, 0.0});
  PonEntrada(area, 2024, 2, 50000.0);
  PonEntrada(area, 2040, 3, 50000.0);
  Calcula(area);
  // The spouse's 10 % of the base, 10,000, is taken whole by section M.
  EXPECT_EQ(DeN(area, 1984), (Miembros{20000.0, 10000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(Res640(area), (Miembros{20000.0, 10000.0, 0.0, 0.0, 0.0}));
}

// ---- Region 16 --------------------------------------------------------------------------------------------------

TEST(Seccion100N, Region16ElDeclaranteJovenCuentaParaLaUnidadAunqueSuBaseSupereElLimite) {
  struct Caso {
    const char* nombre;
    Miembros basesAntesMinimo;
    const char* declarante;
    Miembros esperado;  // 2072
  };
  const std::vector<Caso> casos{
      {"base propia sobre el limite", {4000000.0, 3500000.0, 0.0, 0.0, 0.0}, "1970", {3000.0, 0.0, 0.0, 0.0, 0.0}},
      {"bases dentro", {5000000.0, 3000000.0, 0.0, 0.0, 0.0}, "1970", {3000.0, 3000.0, 0.0, 0.0, 0.0}},
      {"unidad sobre el limite", {5000001.0, 0.0, 0.0, 0.0, 0.0}, "1970", {0.0, 3000.0, 0.0, 0.0, 0.0}},
      {"nacido en 1967", Ceros, "1967", Ceros},
      {"nacido en 1968", Ceros, "1968", {3000.0, 3000.0, 0.0, 0.0, 0.0}},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"16", "16", "16", "", ""});
    PonAnios(area, c.declarante, "1960");
    PonMiembro(area->ApartadoG, 72, c.basesAntesMinimo);
    PonEntrada(area, 2112, 2, 100000.0);
    PonEntrada(area, 2128, 3, 100000.0);
    Calcula(area);
    EXPECT_EQ(DeN(area, 2072), c.esperado) << c.nombre;
  }
}

TEST(Seccion100N, Region16Entradas7PorCientoConTopes) {
  CAreaRenta area;
  PonCodigos(area, {"16", "16", "16", "", ""});
  PonAnios(area, "1970", "1970");
  PonMiembro(area->ApartadoM, 504, {0.0, 1200000.0, 0.0, 0.0, 0.0});
  PonEntrada(area, 2200, 2, 500000.0);
  PonEntrada(area, 2216, 3, 2000000.0);
  PonEntrada(area, 2112, 2, 400000.0);
  PonEntrada(area, 2128, 3, 400000.0);
  Calcula(area);
  // Declarant: 300,000 left under 1,500,000 after section M, nothing left for the 3 % entries. Spouse: 1,071,428
  // at most, and 428,572 left for them. The unit takes 2,500,000 capped to 1,071,428.
  EXPECT_EQ(DeN(area, 2160), (Miembros{1071428.0 * 0.07, 300000.0 * 0.07, 1071428.0 * 0.07, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 2072)[1], 0.0);
  EXPECT_EQ(DeN(area, 2072)[2], 12000.0);
  EXPECT_EQ(DeN(area, 2072)[0], 12000.0);
}

// ---- Region 17 --------------------------------------------------------------------------------------------------

TEST(Seccion100N, Region17JovenesHastaElLimiteDeRentaYDeduccionFija) {
  struct Caso {
    const char* anio;
    double renta;  // RegApartadoI 40, declarant
    std::uint8_t pideFija;
    double jovenes;  // 2480, unit and declarant
    double fija;     // 2568, unit and declarant
  };
  const std::vector<Caso> casos{
      {"1964", 1939560.0, 1, 3000.0, 0.0},
      {"1964", 1939561.0, 1, 0.0, 15000.0},
      {"1964", 1939561.0, 0, 0.0, 0.0},
      {"1963", 0.0, 1, 0.0, 15000.0},
      {"1980", 0.0, 1, 3000.0, 0.0},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"17", "17", "17", "", ""});
    PonAnios(area, c.anio, "1950");
    PonMiembro(area->ApartadoI, 40, {0.0, c.renta, 0.0, 0.0, 0.0});
    PonEntrada(area, 2520, 2, 100000.0);
    PonByte(area->ApartadoN, 2608, c.pideFija);
    Calcula(area);
    EXPECT_EQ(DeN(area, 2480), (Miembros{c.jovenes, c.jovenes, 0.0, 0.0, 0.0})) << c.anio << " " << c.renta;
    EXPECT_EQ(DeN(area, 2568), (Miembros{c.fija, c.fija, 0.0, 0.0, 0.0})) << c.anio << " " << c.renta;
  }
}

// Each source of the income measure moves the declarant across the limit of 1,939,560 by one unit.
TEST(Seccion100N, Region17MedidaDeRentaPorFuente) {
  struct Caso {
    const char* nombre;
    double base;  // RegApartadoI 40, declarant
    std::function<void(CAreaRenta&)> fuente;
    bool cumple;
  };
  const auto d4 = [](CAreaRenta& a, std::size_t fila, std::size_t d, double v) {
    PonByte(a->ApartadoD4, 1560 * fila + 24, 2);
    PonDouble(a->ApartadoD4, 1560 * fila + d, v);
  };
  const auto d5 = [](CAreaRenta& a, std::size_t fila, std::size_t d, double v) {
    PonByte(a->ApartadoD5, 16 + 2064 * fila + 8, 2);
    PonDouble(a->ApartadoD5, 16 + 2064 * fila + d, v);
  };
  const auto bi = [](std::size_t d) {
    return [d](CAreaRenta& a) { PonMiembro(a->BaseImponible, d, {1.0, 1.0, 0.0, 0.0, 0.0}); };
  };
  const std::vector<Caso> casos{
      {"sin fuentes", 1939560.0, [](CAreaRenta&) {}, true},
      {"sin fuentes, uno mas", 1939561.0, [](CAreaRenta&) {}, false},
      {"D1 fila de actividad",
       1939560.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD1, 16 + 184 * 5, 2);
         PonDouble(a->ApartadoD1, 16 + 184 * 5 + 168, 1.0);
       },
       false},
      {"D1 otra fila",
       1939560.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD1, 1120 + 40 * 5, 2);
         PonDouble(a->ApartadoD1, 1120 + 40 * 5 + 24, 1.0);
       },
       false},
      {"D1 otra fila, lo que se resta",
       1939561.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD1, 1120, 2);
         PonDouble(a->ApartadoD1, 1120 + 32, 1.0);
       },
       true},
      {"D2 fila de actividad",
       1939560.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD2, 16, 2);
         PonDouble(a->ApartadoD2, 16 + 168, 1.0);
       },
       false},
      {"D2 otra fila",
       1939560.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD2, 1120 + 40 * 2, 2);
         PonDouble(a->ApartadoD2, 1120 + 40 * 2 + 24, 1.0);
       },
       false},
      {"D2 otra fila, lo que se resta",
       1939561.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD2, 1120 + 40 * 3, 2);
         PonDouble(a->ApartadoD2, 1120 + 40 * 3 + 32, 1.0);
       },
       true},
      {"D4 neto atribuido", 1939560.0, [d4](CAreaRenta& a) { d4(a, 3, 1544, 1.0); }, false},
      {"D4 importe a restar", 1939560.0, [d4](CAreaRenta& a) { d4(a, 1, 1504, 1.0); }, false},
      {"D4 reduccion sin porcentaje", 1939560.0, [d4](CAreaRenta& a) { d4(a, 0, 1480, 1.0); }, false},
      {"D4 final atribuido se resta", 1939561.0, [d4](CAreaRenta& a) { d4(a, 2, 1552, 1.0); }, true},
      {"D5 importe a restar", 1939560.0, [d5](CAreaRenta& a) { d5(a, 3, 2008, 1.0); }, false},
      {"D5 neto atribuido", 1939560.0, [d5](CAreaRenta& a) { d5(a, 0, 2056, 1.0); }, false},
      {"D5 reduccion general", 1939560.0, [d5](CAreaRenta& a) { d5(a, 1, 1984, 1.0); }, false},
      {"D5 reduccion del 25 %", 1939560.0, [d5](CAreaRenta& a) { d5(a, 2, 1992, 1.0); }, false},
      {"D5 final atribuido se resta", 1939561.0, [d5](CAreaRenta& a) { d5(a, 1, 2048, 1.0); }, true},
      {"minimo personal y familiar", 1939560.0,
       [](CAreaRenta& a) { PonMiembro(a->ApartadoH, 120, {0.0, 1.0, 0.0, 0.0, 0.0}); }, false},
      {"base imponible 120", 1939560.0, bi(120), false},
      {"base imponible 200", 1939560.0, bi(200), false},
      {"base imponible 360", 1939560.0, bi(360), false},
      {"base imponible 520", 1939560.0, bi(520), false},
      {"base imponible 560", 1939560.0, bi(560), false},
      {"base imponible 240 no cuenta", 1939560.0, bi(240), true},
      {"de otro miembro no cuenta",
       1939560.0,
       [](CAreaRenta& a) {
         PonByte(a->ApartadoD4, 24, 3);
         PonDouble(a->ApartadoD4, 1544, 1.0);
       },
       true},
      // A row held through an entity counts its reductions by its percentage: 25 % of 400,000 is 100,000.
      {"D4 fila al 25 % dentro",
       1839560.0,
       [d4](CAreaRenta& a) {
         d4(a, 0, 32, 25.0);
         d4(a, 0, 1480, 400000.0);
       },
       true},
      {"D4 fila al 25 % fuera",
       1839560.0,
       [d4](CAreaRenta& a) {
         d4(a, 0, 32, 25.0);
         d4(a, 0, 1480, 400004.0);
       },
       false},
      {"D5 fila al 25 % dentro",
       1839560.0,
       [d5](CAreaRenta& a) {
         d5(a, 2, 2040, 25.0);
         d5(a, 2, 1984, 300000.0);
         d5(a, 2, 1992, 100000.0);
       },
       true},
      {"D5 fila al 25 % fuera",
       1839560.0,
       [d5](CAreaRenta& a) {
         d5(a, 2, 2040, 25.0);
         d5(a, 2, 1984, 300000.0);
         d5(a, 2, 1992, 100004.0);
       },
       false},
  };
  for (const Caso& c : casos) {
    CAreaRenta area;
    PonCodigos(area, {"17", "17", "", "", ""});
    PonAnios(area, "1970", "");
    PonMiembro(area->ApartadoI, 40, {0.0, c.base, 0.0, 0.0, 0.0});
    PonEntrada(area, 2536, 2, 100000.0);
    c.fuente(area);
    Calcula(area);
    EXPECT_EQ(DeN(area, 2480)[1], c.cumple ? 3000.0 : 0.0) << c.nombre;
  }
}

TEST(Seccion100N, Region17DescendientesMayoresEntradasYBases) {
  CAreaRenta area;
  PonCodigos(area, {"17", "17", "17", "17", ""});
  PonAnios(area, "1930", "1932");
  PonDouble(area->DatosFamilia, 16, 40.0);
  PonDouble(area->DatosFamilia, 24, 33.0);
  PonByte(area->ApartadoN, 2472, 1);
  PonByte(area->ApartadoN, 2473, 1);
  PonDouble(area->ApartadoN, 2368, 1.0);
  PonDouble(area->ApartadoN, 2376, 1.0);
  PonDouble(area->ApartadoN, 2384, 2.0);
  PonEntrada(area, 2656, 2, 100000.0);
  PonEntrada(area, 2760, 3, 100000.0);
  PonEntrada(area, 2864, 1, 100000.0);
  PonEntrada(area, 2688, 4, 50000.0);
  PonEntrada(area, 2960, 2, 1000000.0);
  PonEntrada(area, 2976, 3, 100000.0);
  PonMiembro(area->ApartadoK, 80, {0.0, 2000000.0, 1000000.0, 0.0, 0.0});
  Calcula(area);

  EXPECT_EQ(DeN(area, 2288), (Miembros{4.0, 2.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 2328), (Miembros{125000.0, 50000.0, 75000.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 2392), (Miembros{2.0, 1.0, 1.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 2432), (Miembros{50000.0, 25000.0, 25000.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 2616), (Miembros{30000.0, 20000.0, 0.0, 10000.0, 0.0}));
  EXPECT_EQ(DeN(area, 2704), (Miembros{10000.0, 0.0, 10000.0, 0.0, 0.0}));
  EXPECT_EQ(DeN(area, 2792), (Miembros{5000.0, 2500.0, 2500.0, 0.0, 0.0}));
  // Capped at 20 % of each member's bases to liquidate; the unit at the sum of the couple's parts.
  EXPECT_EQ(DeN(area, 2920), (Miembros{25000.0, 20000.0, 5000.0, 0.0, 0.0}));
  const Miembros total{220000.0, 97500.0, 112500.0, 10000.0, 0.0};
  EXPECT_EQ(DeN(area, 2880), total);
  EXPECT_EQ(Res600(area), total);
  EXPECT_EQ(Res640(area), (Miembros{25000.0, 20000.0, 5000.0, 0.0, 0.0}));

  // A spouse who does not claim it, or whose degree is under 33, does not count.
  PonByte(area->ApartadoN, 2473, 0);
  Calcula(area);
  EXPECT_EQ(DeN(area, 2392), (Miembros{1.0, 1.0, 0.0, 0.0, 0.0}));
  PonByte(area->ApartadoN, 2473, 1);
  PonDouble(area->DatosFamilia, 24, 32.9);
  Calcula(area);
  EXPECT_EQ(DeN(area, 2392), (Miembros{1.0, 1.0, 0.0, 0.0, 0.0}));
}

// ---- The call ---------------------------------------------------------------------------------------------------

TEST(Seccion100N, LaInstanciaNoSeLeeYSinBloqueNoSeHaceNada) {
  CAreaRenta area;
  PonCodigos(area, {"09", "09", "", "", ""});
  PonDouble(area->ApartadoN, 1216, 1.0);
  CAreaRenta otra = area;
  Calcula(area, 0);
  Calcula(otra, 7);
  EXPECT_TRUE(area == otra);
  EXPECT_EQ(Res600(area)[1], 12500.0);

  CAreaRenta sinTocar = area;
  PonDouble(sinTocar->ApartadoN, 1216, 3.0);
  const CAreaRenta antes = sinTocar;
  Calculos100N(&sinTocar->ApartadoN, &sinTocar->DatosFamilia, &sinTocar->BaseImponible, &sinTocar->Liquidacion,
               &sinTocar->ApartadoG, &sinTocar->ApartadoM, &sinTocar->ApartadoD1, &sinTocar->ApartadoD2,
               &sinTocar->ApartadoD4, nullptr, &sinTocar->ApartadoK, &sinTocar->ApartadoI, &sinTocar->ApartadoH,
               &sinTocar->Resultados, 0);
  EXPECT_TRUE(sinTocar == antes);
}

}  // namespace
}  // namespace ximardol
