// Section F3: dated asset rows with eleven old-asset amounts and four yearly amounts to update, the plain rule's
// yearly reduction up to the end of 1996, the old-asset reductions, and the two lists of instance 2.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

constexpr std::size_t Fila = 640;

// One asset row: the entered values that the tests vary.
struct BienF3 {
  std::uint8_t miembro = 2;
  std::uint8_t regla = 0;            // 21: 0 plain, 1 old-asset rule
  std::int32_t clase = 2;            // 24: 1 update; years limit
  double porcentaje = 0.0;           // 32
  const char* fechaA = "";           // 40
  const char* fechaB = "";           // 48
  std::uint8_t reduceCoeficiente = 0;  // 64
  std::uint8_t reducePorAnio = 0;    // 65
  double transmision = 0.0;          // 80
  double gastos = 0.0;               // 88
  double parte = 0.0;                // 96
  double prorrata = 0.0;             // 104
  double restaProrrata = 0.0;        // 112
  double importeA = 0.0;             // 136
  const char* fechaC = "";           // 152
  double importeC = 0.0;             // 160
  double restaReducida = 0.0;        // 536
};

void PonBien(CAreaRenta& area, std::size_t fila, const BienF3& b) {
  RegApartadoF3& f3 = area->ApartadoF3;
  const std::size_t f = Fila * fila;
  PonByte(f3, f + 20, b.miembro);
  PonByte(f3, f + 21, b.regla);
  unsigned char clase[4];
  std::memcpy(clase, &b.clase, sizeof clase);
  for (std::size_t k = 0; k < 4; ++k) PonByte(f3, f + 24 + k, clase[k]);
  PonDouble(f3, f + 32, b.porcentaje);
  // The dates sit back to back: each is read within its own 8 bytes.
  PonTexto(f3, f + 40, b.fechaA, 8);
  PonTexto(f3, f + 48, b.fechaB, 8);
  PonByte(f3, f + 64, b.reduceCoeficiente);
  PonByte(f3, f + 65, b.reducePorAnio);
  PonDouble(f3, f + 80, b.transmision);
  PonDouble(f3, f + 88, b.gastos);
  PonDouble(f3, f + 96, b.parte);
  PonDouble(f3, f + 104, b.prorrata);
  PonDouble(f3, f + 112, b.restaProrrata);
  PonDouble(f3, f + 136, b.importeA);
  PonTexto(f3, f + 152, b.fechaC, 8);
  PonDouble(f3, f + 160, b.importeC);
  PonDouble(f3, f + 536, b.restaReducida);
}

double Dame(const CAreaRenta& area, std::size_t fila, std::size_t desplazamiento) {
  return DameDouble(area->ApartadoF3, Fila * fila + desplazamiento);
}

void Calcula(CAreaRenta& area) { Calculos100F3(&area->ApartadoF3, 1); }

TEST(Calculos100F3, CoeficientesDeLasFechasPorRegla) {
  struct Caso {
    std::uint8_t regla;
    const char* fecha;  // of both amounts A and C
    double actualizado;  // of 1,000,000
  };
  for (const Caso& caso : std::vector<Caso>{
           {0, "31121994", 1097000.0},  // the last day of 1994 takes the coefficient of 1995
           {0, "30121994", 1038000.0},
           {0, "31121995", 1097000.0},
           {0, "16061998", 1000000.0},  // less than a year
           {0, "15061998", 1000000.0},  // one year exactly
           {0, "14061998", 1018000.0},
           {1, "31121983", 1889000.0},
           {1, "01011984", 1715000.0},
           {2, "01011990", 1247000.0},  // any rule byte but 0 takes the old-asset coefficients
           {1, "01012000", 1000000.0},  // acquired after the transfer: the old-asset rule has no span test
           {0, "01012000", 0.0},
           {1, "", 0.0}}) {
    CAreaRenta area;
    PonBien(area, 6, {.regla = caso.regla, .clase = 1, .fechaA = caso.fecha, .fechaB = "15061999",
                      .importeA = 1000000.0, .fechaC = caso.fecha, .importeC = 1000000.0});
    Calcula(area);
    EXPECT_EQ(Dame(area, 6, 144), caso.actualizado) << caso.fecha << " " << +caso.regla;
    EXPECT_EQ(Dame(area, 6, 168), caso.actualizado) << caso.fecha << " " << +caso.regla;
    EXPECT_EQ(DameTexto(area->ApartadoF3, Fila * 6 + 128, 8), caso.fecha);
    EXPECT_EQ(DameTexto(area->ApartadoF3, Fila * 6 + 66, 8), "15061999");
  }
}

TEST(Calculos100F3, ActualizaLasRestasDeCadaRegla) {
  for (const std::uint8_t regla : {std::uint8_t{0}, std::uint8_t{1}}) {
    CAreaRenta area;
    PonBien(area, 0, {.regla = regla, .clase = 1, .transmision = 100000.0});
    RegApartadoF3& f3 = area->ApartadoF3;
    PonDouble(f3, 200, 1000.0);
    PonDouble(f3, 392, 1000.0);
    for (std::size_t k = 0; k < 11; ++k) PonDouble(f3, 216 + 16 * k, 1000.0);
    PonDouble(f3, 408, 1000.0);
    PonDouble(f3, 424, 1000.0);
    // Yearly amounts: the year is read within its 4 characters (the byte after it is not part of it).
    const char* anios[] = {"1997", "1995", "1996", "1999"};
    for (std::size_t k = 0; k < 4; ++k) {
      PonTexto(f3, 440 + 24 * k, anios[k]);
      PonByte(f3, 444 + 24 * k, '5');
      PonDouble(f3, 448 + 24 * k, 1000.0);
    }
    Calcula(area);

    const std::vector<double> anuales = regla == 0 ? std::vector<double>{1038.0, 0.0, 1059.0, 1000.0}
                                                   : std::vector<double>{1020.0, 0.0, 1044.0, 1000.0};
    for (std::size_t k = 0; k < 4; ++k) EXPECT_EQ(DameDouble(f3, 456 + 24 * k), anuales[k]) << k << " " << +regla;
    const double sumaAnuales = anuales[0] + anuales[1] + anuales[2] + anuales[3];
    if (regla == 0) {
      EXPECT_EQ(DameDouble(f3, 208), 1038.0);
      EXPECT_EQ(DameDouble(f3, 400), 1097.0);
      EXPECT_EQ(DameDouble(f3, 224), 0.0);  // the old-asset amounts are not this rule's
      EXPECT_EQ(DameDouble(f3, 120), -1038.0 - 1097.0 - sumaAnuales);
    } else {
      const std::vector<double> antiguos{1889, 1715, 1584, 1491, 1420, 1357, 1298, 1247, 1205, 1178, 1162};
      for (std::size_t k = 0; k < 11; ++k) EXPECT_EQ(DameDouble(f3, 224 + 16 * k), antiguos[k]) << k;
      EXPECT_EQ(DameDouble(f3, 208), 15546.0);
      EXPECT_EQ(DameDouble(f3, 416), 1141.0);
      EXPECT_EQ(DameDouble(f3, 432), 1096.0);
      EXPECT_EQ(DameDouble(f3, 400), 2237.0);
      EXPECT_EQ(DameDouble(f3, 120), -15546.0 - 2237.0 - sumaAnuales);
    }
    EXPECT_EQ(DameDouble(f3, 56), 100000.0);
    EXPECT_EQ(DameDouble(f3, 560), 100000.0 - DameDouble(f3, 120));
    EXPECT_EQ(DameTexto(f3, 440, 4), "1997");
    EXPECT_EQ(DameByte(f3, 444), '5');
  }
}

TEST(Calculos100F3, SinActualizarLosImportesSeCopian) {
  CAreaRenta area;
  PonBien(area, 0, {.regla = 1, .clase = 3, .fechaA = "01011990", .fechaB = "15061999", .importeA = 500.0});
  RegApartadoF3& f3 = area->ApartadoF3;
  PonDouble(f3, 216, 10.0);
  PonDouble(f3, 376, 20.0);
  PonDouble(f3, 408, 30.0);
  PonDouble(f3, 424, 40.0);
  PonDouble(f3, 448, 50.0);
  Calcula(area);
  EXPECT_EQ(DameDouble(f3, 144), 500.0);
  EXPECT_EQ(DameDouble(f3, 224), 10.0);
  EXPECT_EQ(DameDouble(f3, 384), 20.0);
  EXPECT_EQ(DameDouble(f3, 208), 30.0);
  EXPECT_EQ(DameDouble(f3, 400), 70.0);
  EXPECT_EQ(DameDouble(f3, 456), 50.0);
  EXPECT_EQ(DameDouble(f3, 120), 500.0 - 30.0 - 70.0 - 50.0);
}

TEST(Calculos100F3, ReglaGeneralReducePorAniosHastaFinDe1996) {
  struct Caso {
    const char* fechaA;
    std::int32_t clase;
    double anios;     // 568
    double reducida;  // 576, from a gain of 900,000 at 11.11 % a year beyond two
  };
  for (const Caso& caso : std::vector<Caso>{
           {"01011990", 2, 7.0, 400050.0},  // Redondea(900000 - 5 x 900000 x 0.1111)
           {"01011990", 4, 7.0, 400050.0},
           {"01011990", 3, 7.0, 0.0},       // beyond the limit of 5 years
           {"01011990", 0, 7.0, 0.0},       // a kind without a limit
           {"31121996", 2, 0.0, 900000.0},  // acquired on the limit date itself
           {"01011997", 2, 0.0, 900000.0},  // after it
           {"30121996", 2, 1.0, 900000.0},
           {"31121993", 2, 3.0, 800010.0},  // exactly three years: Redondea(900000 - 900000 x 0.1111)
           {"", 2, 0.0, 900000.0}}) {
    CAreaRenta area;
    PonBien(area, 2, {.clase = caso.clase, .porcentaje = 0.1111, .fechaA = caso.fechaA, .fechaB = "15061999",
                      .transmision = 1000000.0, .importeA = 100000.0});
    Calcula(area);
    EXPECT_EQ(Dame(area, 2, 560), 900000.0);
    EXPECT_EQ(Dame(area, 2, 568), caso.anios) << caso.fechaA << " " << caso.clase;
    EXPECT_EQ(Dame(area, 2, 576), caso.reducida) << caso.fechaA << " " << caso.clase;
    EXPECT_EQ(Dame(area, 2, 592), caso.reducida);
    EXPECT_EQ(Dame(area, 2, 600), caso.reducida);
    EXPECT_EQ(Dame(area, 2, 608), 0.0);
  }
}

TEST(Calculos100F3, ReglaGeneralSinValorNetoNoCuentaAnios) {
  CAreaRenta area;
  PonBien(area, 0, {.porcentaje = 0.1111, .fechaA = "01011990", .fechaB = "15061999"});
  PonDouble(area->ApartadoF3, 200, 1000.0);  // subtracted: a gain of 1,000 on a net transfer value of 0
  Calcula(area);
  EXPECT_EQ(Dame(area, 0, 560), 1000.0);
  EXPECT_EQ(Dame(area, 0, 568), 0.0);
  EXPECT_EQ(Dame(area, 0, 600), 1000.0);
}

TEST(Calculos100F3, ReglaGeneralProrrateaYRepartePorLaParte) {
  struct Caso {
    double prorrata;       // 104
    double restaProrrata;  // 112
    double parte;          // 96
    double prorrateada;    // 584
    double parteGanancia;  // 600
  };
  // Gain 1,000,000 on a transfer value of 2,000,000, no dates.
  for (const Caso& caso : std::vector<Caso>{{300000.0, 500000.0, 500000.0, 200000.0, 200000.0},
                                            {300000.0, 500000.0, 0.0, 200000.0, 800000.0},
                                            {3000000.0, 500000.0, 0.0, 1000000.0, 0.0},  // at most the gain
                                            {300000.0, 2000000.0, 0.0, 0.0, 1000000.0},  // no divisor
                                            {0.0, 500000.0, -500000.0, 0.0, -250000.0}}) {
    CAreaRenta area;
    PonBien(area, 4, {.transmision = 2000000.0, .parte = caso.parte, .prorrata = caso.prorrata,
                      .restaProrrata = caso.restaProrrata, .importeA = 1000000.0});
    Calcula(area);
    EXPECT_EQ(Dame(area, 4, 584), caso.prorrateada) << caso.prorrata << " " << caso.restaProrrata;
    EXPECT_EQ(Dame(area, 4, 592), 1000000.0 - caso.prorrateada);
    EXPECT_EQ(Dame(area, 4, 600), caso.parteGanancia) << caso.parte;
  }
}

TEST(Calculos100F3, ReglaAntiguaReduceLaGanancia) {
  struct Caso {
    const char* fechaA;
    std::uint8_t porCoeficiente;  // 64
    std::uint8_t porAnio;         // 65
    double reduccion;             // 608 of a gain of 1,000,000
  };
  for (const Caso& caso : std::vector<Caso>{
           {"14061996", 1, 0, 190000.0},    // 3 years and a day: n = 4, 0.19
           {"15061994", 0, 1, 214200.0},    // h = 5: 3 x 7.14 %
           {"15061984", 0, 1, 928200.0},    // h = 15: 13 x 7.14 %
           {"15061983", 0, 1, 1000000.0},   // h = 16: the whole gain
           {"14061996", 1, 1, 142800.0},    // h = 4: the yearly rule replaces the coefficient
           {"16061998", 0, 1, 0.0},         // h = 1: no reduction, never a negative one
           {"15061999", 0, 1, 0.0},         // h = 0
           {"15061997", 0, 1, 0.0},         // h = 2
           {"01012000", 0, 1, 0.0},         // no span: h = 0
           {"14061996", 0, 0, 0.0}}) {
    CAreaRenta area;
    PonBien(area, 5, {.regla = 1, .fechaA = caso.fechaA, .fechaB = "15061999", .reduceCoeficiente = caso.porCoeficiente,
                      .reducePorAnio = caso.porAnio, .transmision = 2000000.0, .importeA = 1000000.0});
    Calcula(area);
    EXPECT_EQ(Dame(area, 5, 560), 1000000.0);
    EXPECT_EQ(Dame(area, 5, 608), caso.reduccion) << caso.fechaA;
    EXPECT_EQ(Dame(area, 5, 616), 1000000.0 - caso.reduccion) << caso.fechaA;
    EXPECT_EQ(Dame(area, 5, 632), 1000000.0 - caso.reduccion) << caso.fechaA;
    EXPECT_EQ(Dame(area, 5, 568), 0.0);
    EXPECT_EQ(Dame(area, 5, 600), 0.0);
  }
}

TEST(Calculos100F3, ReglaAntiguaProrrateaYRepartePorLaParte) {
  struct Caso {
    double prorrata;       // 104
    double restaReducida;  // 536
    double parte;          // 96
    double prorrateada;    // 624
    double parteGanancia;  // 632
  };
  // Gain 1,000,000, not reduced, on a transfer value of 2,000,000.
  for (const Caso& caso : std::vector<Caso>{{500000.0, 10000.0, 1000000.0, 240000.0, 380000.0},
                                            {500000.0, 10000.0, 0.0, 240000.0, 760000.0},
                                            {500000.0, 1.0e9, 0.0, 0.0, 1000000.0},  // raised to 0
                                            {-1.0, 0.0, -3.0, 0.0, 1000000.0}}) {
    CAreaRenta area;
    PonBien(area, 7, {.regla = 1, .transmision = 2000000.0, .parte = caso.parte, .prorrata = caso.prorrata,
                      .importeA = 1000000.0, .restaReducida = caso.restaReducida});
    Calcula(area);
    EXPECT_EQ(Dame(area, 7, 624), caso.prorrateada) << caso.prorrata << " " << caso.restaReducida;
    EXPECT_EQ(Dame(area, 7, 632), caso.parteGanancia) << caso.parte;
  }
}

TEST(Calculos100F3, OtraReglaSoloDaLaGananciaOPerdida) {
  CAreaRenta area;
  PonBien(area, 0, {.regla = 2, .clase = 1, .fechaA = "15061983", .fechaB = "15061999", .reduceCoeficiente = 1,
                    .reducePorAnio = 1, .transmision = 2000000.0, .parte = 1000000.0, .importeA = 1000000.0});
  Calcula(area);
  EXPECT_EQ(Dame(area, 0, 144), 1889000.0);
  EXPECT_EQ(Dame(area, 0, 560), 111000.0);
  for (std::size_t d = 568; d < 640; d += 8) EXPECT_EQ(Dame(area, 0, d), 0.0) << d;
}

TEST(Calculos100F3, LaPerdidaYSuParte) {
  struct Caso {
    double transmision;
    double importeA;
    double parte;
    double perdida;       // 544
    double perdidaParte;  // 552
  };
  for (const Caso& caso : std::vector<Caso>{{1000000.0, 1500000.0, 250000.0, 500000.0, 125000.0},
                                            {1000000.0, 1500000.0, 0.0, 500000.0, 500000.0},
                                            {0.0, 1500000.0, 250000.0, 1500000.0, 0.0},  // no divisor
                                            {1000000.0, 1000000.0, 0.0, 0.0, 0.0}}) {    // equal: a gain of 0
    CAreaRenta area;
    PonBien(area, 8, {.transmision = caso.transmision, .parte = caso.parte, .importeA = caso.importeA});
    Calcula(area);
    EXPECT_EQ(Dame(area, 8, 544), caso.perdida) << caso.importeA;
    EXPECT_EQ(Dame(area, 8, 552), caso.perdidaParte) << caso.importeA;
    EXPECT_EQ(Dame(area, 8, 560), 0.0);
  }
}

TEST(Calculos100F3, PoneACeroLosResultadosYRepartePorMiembro) {
  CAreaRenta area;
  for (std::size_t fila = 0; fila < 9; ++fila) {
    for (std::size_t d = 544; d < 640; d += 8) PonDouble(area->ApartadoF3, Fila * fila + d, 77.0);
  }
  PonBien(area, 0, {.miembro = 2, .transmision = 1000.0, .importeA = 1300.0});              // loss 300
  PonBien(area, 1, {.miembro = 1, .transmision = 1000.0, .importeA = 995.0});               // plain gain 5
  PonBien(area, 2, {.miembro = 3, .regla = 1, .transmision = 1000.0, .importeA = 600.0});   // old-asset gain 400
  PonBien(area, 5, {.miembro = 4, .regla = 1, .transmision = 1000.0, .importeA = 1100.0});  // loss 100
  Calcula(area);

  for (std::size_t d = 544; d < 640; d += 8) EXPECT_EQ(Dame(area, 6, d), 0.0) << d;
  EXPECT_EQ(DameMiembro(area->ApartadoF3, 5760), (Miembros{400.0, 300.0, 0.0, 100.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF3, 5800), (Miembros{5.0, 3.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF3, 5840), (Miembros{400.0, 0.0, 400.0, 0.0, 0.0}));
}

TEST(Calculos100F3, LaInstancia2ReparteSusDosListas) {
  CAreaRenta area;
  for (std::size_t fila = 0; fila < 9; ++fila) {
    const auto codigo = static_cast<std::uint8_t>(fila % 6);  // 0 to 5: code 0 counts nowhere
    PonByte(area->ApartadoF3, 5880 + 24 * fila, codigo);
    PonDouble(area->ApartadoF3, 5880 + 24 * fila + 16, 10.0);
    PonByte(area->ApartadoF3, 6136 + 24 * fila, codigo);
    PonDouble(area->ApartadoF3, 6136 + 24 * fila + 16, 20.0);
  }
  PonBien(area, 0, {.transmision = 1000.0});
  const CAreaRenta antes = area;
  Calculos100F3(&area->ApartadoF3, 0);
  Calculos100F3(&area->ApartadoF3, 3);
  Calculos100F3(nullptr, 1);
  EXPECT_TRUE(area == antes);

  Calculos100F3(&area->ApartadoF3, 2);
  EXPECT_EQ(DameMiembro(area->ApartadoF3, 6096), (Miembros{70.0, 30.0, 20.0, 10.0, 10.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoF3, 6352), (Miembros{140.0, 60.0, 40.0, 20.0, 20.0}));
  EXPECT_EQ(Dame(area, 0, 560), 0.0);  // the rows are instance 1's
}

}  // namespace
}  // namespace ximardol
