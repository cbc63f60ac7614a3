// Section F2: dated asset rows with update coefficients by year and a reduction by years held, and the lists of
// instances 2 and 3.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "AreaPrueba.h"
#include "secciones/Seccion100F.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

constexpr std::size_t Fila = 328;

// One asset row: the entered values that the tests vary.
struct BienF2 {
  std::uint8_t miembro = 2;
  std::uint8_t regla = 0;        // 21: 1 old-asset rule
  const char* fechaA = "";            // 22
  const char* fechaB = "";            // 30
  std::uint8_t reduce = 0;       // 48
  double transmision = 0.0;      // 64
  double gastos = 0.0;           // 72
  double parte = 0.0;            // 80
  double prorrata = 0.0;         // 88
  double restaProrrata = 0.0;    // 96
  std::uint8_t actualiza = 0;    // 112
  double importeA = 0.0;         // 128
  const char* fechaC = "";            // 144
  double importeC = 0.0;         // 152
  const char* fechaD = "";            // 168
  double importeD = 0.0;         // 176
  double resta1 = 0.0;           // 192
  double resta2 = 0.0;           // 208
  double resta3 = 0.0;           // 224
  double restaReducida = 0.0;    // 240
};

void PonBien(CAreaRenta& area, std::size_t fila, const BienF2& b) {
  RegApartadoF2& f2 = area->ApartadoF2;
  const std::size_t f = Fila * fila;
  PonByte(f2, f + 20, b.miembro);
  PonByte(f2, f + 21, b.regla);
  // The dates sit back to back: each is read within its own 8 bytes.
  PonTexto(f2, f + 22, b.fechaA, 8);
  PonTexto(f2, f + 30, b.fechaB, 8);
  PonByte(f2, f + 48, b.reduce);
  PonDouble(f2, f + 64, b.transmision);
  PonDouble(f2, f + 72, b.gastos);
  PonDouble(f2, f + 80, b.parte);
  PonDouble(f2, f + 88, b.prorrata);
  PonDouble(f2, f + 96, b.restaProrrata);
  PonByte(f2, f + 112, b.actualiza);
  PonDouble(f2, f + 128, b.importeA);
  PonTexto(f2, f + 144, b.fechaC, 8);
  PonDouble(f2, f + 152, b.importeC);
  PonTexto(f2, f + 168, b.fechaD, 8);
  PonDouble(f2, f + 176, b.importeD);
  PonDouble(f2, f + 192, b.resta1);
  PonDouble(f2, f + 208, b.resta2);
  PonDouble(f2, f + 224, b.resta3);
  PonDouble(f2, f + 240, b.restaReducida);
}

double Dame(const CAreaRenta& area, std::size_t fila, std::size_t desplazamiento) {
  return DameDouble(area->ApartadoF2, Fila * fila + desplazamiento);
}

TEST(CoeficientesF, TablasPorAnioYPorAniosDeTenencia) {
  struct Caso {
    const char* fecha;
    double antiguo;
    double general;
  };
  for (const Caso& caso : std::vector<Caso>{{"31121983", 1.889, 1.038},
                                            {"01011984", 1.715, 1.038},
                                            {"15061990", 1.247, 1.038},
                                            {"31121994", 1.141, 1.038},
                                            {"01011995", 1.096, 1.097},
                                            {"01011996", 1.044, 1.059},
                                            {"01011997", 1.02, 1.038},
                                            {"01011998", 1.007, 1.018},
                                            {"31121999", 1.0, 1.0},
                                            {"01012003", 1.0, 1.0},
                                            {"1501199", 0.0, 0.0},
                                            {"", 0.0, 0.0}}) {
    EXPECT_EQ(CoeficienteActualizacionAntiguo(caso.fecha), caso.antiguo) << caso.fecha;
    EXPECT_EQ(CoeficienteActualizacion(caso.fecha), caso.general) << caso.fecha;
  }
  const std::vector<std::pair<int, double>> reducciones{{0, 0.04},  {1, 0.04},  {2, 0.08},  {3, 0.12}, {4, 0.19},
                                                        {5, 0.26},  {6, 0.33},  {7, 0.40},  {8, 0.47}, {9, 0.54},
                                                        {10, 0.61}, {11, 0.74}, {12, 0.87}, {13, 1.0}, {40, 1.0}};
  for (const auto& [anios, coeficiente] : reducciones) EXPECT_EQ(CoeficienteReduccion(anios), coeficiente) << anios;

  EXPECT_TRUE(HayFecha("15061999"));
  EXPECT_TRUE(HayFecha("01011984"));
  EXPECT_FALSE(HayFecha("00000000"));
  EXPECT_FALSE(HayFecha("  061999"));
  EXPECT_FALSE(HayFecha(""));
}

TEST(Calculos100F2, ElCoeficienteDeLaFechaDeAdquisicionPorReglaYTenencia) {
  struct Caso {
    std::uint8_t regla;
    const char* fechaA;
    const char* fechaB;
    double actualizado;  // 136 from 1,000,000 at 128
  };
  for (const Caso& caso : std::vector<Caso>{
           {1, "31121983", "15061999", 1889000.0},
           {1, "01011984", "15061999", 1715000.0},
           {1, "15061998", "15061999", 1007000.0},  // the old-asset table applies however short the holding
           {0, "15061998", "15061999", 1000000.0},  // exactly one year
           {0, "16061998", "15061999", 1000000.0},  // less than a year
           {0, "15061998", "16061999", 1018000.0},  // one year and a day
           {0, "01011990", "16061999", 1038000.0},
           {2, "01011990", "16061999", 1038000.0},  // any rule byte but 1 is the plain rule
           {0, "", "16061999", 0.0},                // no date A: no coefficient
           {1, "01011990", "", 0.0},                // no date B
           {1, "00000000", "16061999", 0.0},
           {1, " 1011990", "16061999", 0.0},
           {1, "01012000", "16061999", 0.0},        // acquired in a later year than transferred
       }) {
    CAreaRenta area;
    PonBien(area, 3, {.regla = caso.regla, .fechaA = caso.fechaA, .fechaB = caso.fechaB, .actualiza = 1,
                      .importeA = 1000000.0});
    Calculos100F2(&area->ApartadoF2, 1);
    EXPECT_EQ(Dame(area, 3, 136), caso.actualizado) << caso.fechaA << " " << caso.fechaB << " " << +caso.regla;
    EXPECT_EQ(DameTexto(area->ApartadoF2, Fila * 3 + 113, 8), caso.fechaA);
    EXPECT_EQ(DameTexto(area->ApartadoF2, Fila * 3 + 49, 8), caso.fechaB);
  }
}

TEST(Calculos100F2, SinElIndicadorDeActualizarLosImportesSeCopian) {
  CAreaRenta area;
  PonBien(area, 0, {.fechaA = "01011990", .fechaB = "01071999", .importeA = 1000.0, .fechaC = "01011995",
                    .importeC = 2000.0, .importeD = 3000.0, .resta1 = 4.0, .resta2 = 5.0, .resta3 = 6.0});
  Calculos100F2(&area->ApartadoF2, 1);
  EXPECT_EQ(Dame(area, 0, 136), 1000.0);
  EXPECT_EQ(Dame(area, 0, 160), 2000.0);
  EXPECT_EQ(Dame(area, 0, 184), 3000.0);
  EXPECT_EQ(Dame(area, 0, 200), 4.0);
  EXPECT_EQ(Dame(area, 0, 216), 5.0);
  EXPECT_EQ(Dame(area, 0, 232), 6.0);
  EXPECT_EQ(Dame(area, 0, 104), 2000.0 + 3000.0 + 1000.0 - 4.0 - 5.0 - 6.0);
}

TEST(Calculos100F2, ActualizaTodosLosImportesYCalculaLaGananciaPorLasDosReglas) {
  const BienF2 bien{.fechaA = "01011990", .fechaB = "01071999", .transmision = 2000000.0, .gastos = 100000.0,
                    .actualiza = 1, .importeA = 1000000.0, .fechaC = "01011995", .importeC = 200000.0,
                    .fechaD = "01011999", .importeD = 300000.0, .resta1 = 1000.0, .resta2 = 1000.0, .resta3 = 500.0};
  struct Caso {
    std::uint8_t regla;
    double a, c, d, resta1, resta2;  // 136, 160, 184, 200, 216
  };
  for (const Caso& caso : std::vector<Caso>{{0, 1038000.0, 219400.0, 300000.0, 1038.0, 1000.0},
                                            {1, 1247000.0, 219200.0, 300000.0, 1020.0, 1007.0}}) {
    CAreaRenta area;
    BienF2 fila = bien;
    fila.regla = caso.regla;
    PonBien(area, 0, fila);
    Calculos100F2(&area->ApartadoF2, 1);
    EXPECT_EQ(Dame(area, 0, 136), caso.a);
    EXPECT_EQ(Dame(area, 0, 160), caso.c);
    EXPECT_EQ(Dame(area, 0, 184), caso.d);
    EXPECT_EQ(Dame(area, 0, 200), caso.resta1);
    EXPECT_EQ(Dame(area, 0, 216), caso.resta2);
    EXPECT_EQ(Dame(area, 0, 232), 500.0);
    const double adquisicion = caso.c + caso.d + caso.a - caso.resta1 - caso.resta2 - 500.0;
    EXPECT_EQ(Dame(area, 0, 40), 1900000.0);
    EXPECT_EQ(Dame(area, 0, 104), adquisicion);
    EXPECT_EQ(Dame(area, 0, 264), 1900000.0 - adquisicion);
    EXPECT_EQ(Dame(area, 0, 248), 0.0);
    // No share and no proration: the whole gain is the row's, in the column of its rule.
    EXPECT_EQ(Dame(area, 0, caso.regla == 1 ? 320 : 288), 1900000.0 - adquisicion);
    EXPECT_EQ(Dame(area, 0, caso.regla == 1 ? 288 : 320), 0.0);
  }
}

TEST(Calculos100F2, LaPerdidaYSuParte) {
  struct Caso {
    double transmision;
    double parte;
    double perdida;      // 248
    double perdidaParte;  // 256
  };
  for (const Caso& caso : std::vector<Caso>{{1000000.0, 500000.0, 200000.0, 100000.0},
                                            {1000000.0, 0.0, 200000.0, 200000.0},
                                            {1000000.0, -5.0, 200000.0, 200000.0},
                                            {0.0, 500000.0, 1200000.0, 0.0}}) {  // no transfer value: no division
    CAreaRenta area;
    PonBien(area, 1, {.transmision = caso.transmision, .parte = caso.parte, .importeA = 1200000.0});
    Calculos100F2(&area->ApartadoF2, 1);
    EXPECT_EQ(Dame(area, 1, 248), caso.perdida) << caso.transmision << " " << caso.parte;
    EXPECT_EQ(Dame(area, 1, 256), caso.perdidaParte) << caso.transmision << " " << caso.parte;
    EXPECT_EQ(Dame(area, 1, 264), 0.0);
  }
}

TEST(Calculos100F2, ReglaGeneralProrrateaYRepartePorLaParte) {
  struct Caso {
    double prorrata;       // 88
    double restaProrrata;  // 96
    double parte;          // 80
    double prorrateada;    // 272
    double parteGanancia;  // 288
  };
  // Gain 550,000 on a transfer value of 1,000,000.
  for (const Caso& caso : std::vector<Caso>{{200000.0, 200000.0, 500000.0, 137500.0, 206250.0},
                                            {200000.0, 200000.0, 0.0, 137500.0, 412500.0},
                                            {2000000.0, 200000.0, 0.0, 550000.0, 0.0},  // at most the gain
                                            {200000.0, 1000000.0, 0.0, 0.0, 550000.0},  // no divisor
                                            {0.0, 0.0, 250000.0, 0.0, 137500.0}}) {
    CAreaRenta area;
    PonBien(area, 2, {.transmision = 1000000.0, .gastos = 50000.0, .parte = caso.parte, .prorrata = caso.prorrata,
                      .restaProrrata = caso.restaProrrata, .importeA = 400000.0});
    Calculos100F2(&area->ApartadoF2, 1);
    EXPECT_EQ(Dame(area, 2, 264), 550000.0);
    EXPECT_EQ(Dame(area, 2, 272), caso.prorrateada) << caso.prorrata;
    EXPECT_EQ(Dame(area, 2, 280), 550000.0 - caso.prorrateada);
    EXPECT_EQ(Dame(area, 2, 288), caso.parteGanancia) << caso.prorrata;
    EXPECT_EQ(Dame(area, 2, 296), 0.0);
  }
}

TEST(Calculos100F2, ReglaAntiguaReducePorAniosDeTenencia) {
  struct Caso {
    const char* fechaA;
    std::uint8_t reduce;
    double reduccion;  // 296 on a gain of 500,000
  };
  for (const Caso& caso : std::vector<Caso>{{"14061996", 1, 95000.0},   // 3 years and a day: n = 4, 0.19
                                            {"15061996", 1, 60000.0},   // exactly 3 years: 0.12
                                            {"15061999", 1, 20000.0},   // the same day: 0.04
                                            {"15061980", 1, 500000.0},  // 19 years: the whole gain
                                            {"14061996", 0, 0.0}}) {
    CAreaRenta area;
    PonBien(area, 4, {.regla = 1, .fechaA = caso.fechaA, .fechaB = "15061999", .reduce = caso.reduce,
                      .transmision = 1000000.0, .importeA = 500000.0});
    Calculos100F2(&area->ApartadoF2, 1);
    EXPECT_EQ(Dame(area, 4, 264), 500000.0);
    EXPECT_EQ(Dame(area, 4, 296), caso.reduccion) << caso.fechaA;
    EXPECT_EQ(Dame(area, 4, 304), 500000.0 - caso.reduccion) << caso.fechaA;
    EXPECT_EQ(Dame(area, 4, 320), 500000.0 - caso.reduccion) << caso.fechaA;
    EXPECT_EQ(Dame(area, 4, 272), 0.0);
  }
}

TEST(Calculos100F2, ReglaAntiguaProrrateaLaGananciaReducida) {
  struct Caso {
    double prorrata;       // 88
    double restaReducida;  // 240
    double parte;          // 80
    double prorrateada;    // 312
    double parteGanancia;  // 320
  };
  // Gain 500,000 reduced by 95,000 to 405,000 on a transfer value of 1,000,000.
  for (const Caso& caso : std::vector<Caso>{{500000.0, 10000.0, 0.0, 192500.0, 212500.0},
                                            {500000.0, 10000.0, 250000.0, 192500.0, 53125.0},
                                            {500000.0, 1.0e9, 0.0, 0.0, 405000.0},  // raised to 0
                                            {-1.0, 0.0, 0.0, 0.0, 405000.0}}) {
    CAreaRenta area;
    PonBien(area, 8, {.regla = 1, .fechaA = "14061996", .fechaB = "15061999", .reduce = 1,
                      .transmision = 1000000.0, .parte = caso.parte, .prorrata = caso.prorrata,
                      .importeA = 500000.0, .restaReducida = caso.restaReducida});
    Calculos100F2(&area->ApartadoF2, 1);
    EXPECT_EQ(Dame(area, 8, 304), 405000.0);
    EXPECT_EQ(Dame(area, 8, 312), caso.prorrateada) << caso.prorrata << " " << caso.restaReducida;
    EXPECT_EQ(Dame(area, 8, 320), caso.parteGanancia) << caso.prorrata << " " << caso.parte;
  }
}

TEST(Calculos100F2, PoneACeroLosResultadosYRepartePorMiembro) {
  CAreaRenta area;
  for (std::size_t fila = 0; fila < 9; ++fila) {
    for (std::size_t d = 248; d < 328; d += 8) PonDouble(area->ApartadoF2, Fila * fila + d, 77.0);
  }
  PonBien(area, 0, {.miembro = 2, .transmision = 1000.0, .importeA = 1300.0});              // loss 300
  PonBien(area, 1, {.miembro = 1, .transmision = 1000.0, .importeA = 995.0});               // plain gain 5
  PonBien(area, 2, {.miembro = 3, .regla = 1, .transmision = 1000.0, .importeA = 600.0});   // old-asset gain 400
  PonBien(area, 5, {.miembro = 4, .regla = 1, .transmision = 1000.0, .importeA = 1100.0});  // loss 100
  Calculos100F2(&area->ApartadoF2, 1);

  for (std::size_t d = 248; d < 328; d += 8) EXPECT_EQ(Dame(area, 7, d), 0.0) << d;
  EXPECT_EQ(Dame(area, 0, 264), 0.0);
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 2952), (Miembros{400.0, 300.0, 0.0, 100.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 2992), (Miembros{5.0, 3.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 3032), (Miembros{400.0, 0.0, 400.0, 0.0, 0.0}));
}

TEST(Calculos100F2, LasInstancias2Y3RepartenSusListas) {
  CAreaRenta area;
  for (std::size_t fila = 0; fila < 9; ++fila) {
    const auto codigo = static_cast<std::uint8_t>(fila % 6);  // 0 to 5: code 0 counts nowhere
    PonByte(area->ApartadoF2, 3072 + 24 * fila, codigo);
    PonDouble(area->ApartadoF2, 3072 + 24 * fila + 16, 10.0);
    PonByte(area->ApartadoF2, 3328 + 24 * fila, codigo);
    PonDouble(area->ApartadoF2, 3328 + 24 * fila + 16, 20.0);
    PonByte(area->ApartadoF2, 3584 + 32 * fila, codigo);
    PonDouble(area->ApartadoF2, 3584 + 32 * fila + 16, 30.0);
  }
  const CAreaRenta antes = area;
  Calculos100F2(&area->ApartadoF2, 0);
  Calculos100F2(&area->ApartadoF2, 4);
  Calculos100F2(nullptr, 1);
  EXPECT_TRUE(area == antes);

  Calculos100F2(&area->ApartadoF2, 2);
  // Codes 1 and 2 twice, 3 to 5 once: the family unit's amounts go half to each of the couple.
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 3288), (Miembros{70.0, 30.0, 20.0, 10.0, 10.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 3544), (Miembros{140.0, 60.0, 40.0, 20.0, 20.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 3872), (Miembros{}));
  Calculos100F2(&area->ApartadoF2, 3);
  EXPECT_EQ(DameMiembro(area->ApartadoF2, 3872), (Miembros{210.0, 90.0, 60.0, 30.0, 30.0}));
}

}  // namespace
}  // namespace ximardol
