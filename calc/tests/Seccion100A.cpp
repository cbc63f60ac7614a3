// Section A, work income.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

void CalculaA(CAreaRenta& area) {
  Calculos100A(&area->RendTrabajo, &area->BaseImponible, &area->RendCapInmobiliario, &area->RendCapMobiliario,
               &area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->ApartadoF4,
               &area->Resultados, &area->DatosFamilia, -1);
}

// A payer row (0 to 5): member code, disability degree byte and (amount number 1..12, value) pairs.
void PonPagador(CAreaRenta& area, std::size_t fila, std::uint8_t codigo, std::uint8_t grado,
                std::initializer_list<std::pair<int, double>> importes) {
  const std::size_t inicio = 40 + 104 * fila;
  PonByte(area->RendTrabajo, inicio, codigo);
  PonByte(area->RendTrabajo, inicio + 1, grado);
  for (const auto& [numero, valor] : importes) {
    PonDouble(area->RendTrabajo, inicio + 8 + 8 * static_cast<std::size_t>(numero - 1), valor);
  }
}

Miembros Reduccion(const CAreaRenta& area) { return DameMiembro(area->BaseImponible, 200); }

TEST(Calculos100A, ReduccionSegunRendimientoNetoYOtrasRentas) {
  struct Caso {
    double neto;
    double otrasRentas;
    double reduccion;
  };
  for (const Caso& caso : std::vector<Caso>{{1000000.0, 0.0, 500000.0},
                                            {300000.0, 0.0, 300000.0},  // capped at the income
                                            {1350000.0, 0.0, 500000.0},
                                            {1350001.0, 0.0, 500000.0},
                                            // 500,000 - 2 x 0.1923 rounds up; with 1,350,000 it would round down
                                            {1350003.0, 0.0, 500000.0},
                                            {1500000.0, 1000000.0, 471155.0},  // 500,000 - 149,999 x 0.1923
                                            {2000000.0, 0.0, 375005.0},        // 500,000 - 649,999 x 0.1923
                                            {2000001.0, 0.0, 300000.0},
                                            {1500000.0, 1000001.0, 300000.0},
                                            {200000.0, 1000001.0, 200000.0},
                                            {0.0, 0.0, 0.0},
                                            {-50000.0, 0.0, 0.0}}) {
    CAreaRenta area;
    PonPagador(area, 0, 2, 0, {{1, caso.neto}});
    PonDouble(area->DatosFamilia, 512, caso.otrasRentas);
    CalculaA(area);
    const std::string traza = std::to_string(caso.neto) + " / " + std::to_string(caso.otrasRentas);
    EXPECT_EQ(Reduccion(area), (Miembros{caso.reduccion, caso.reduccion, 0.0, 0.0, 0.0})) << traza;
    const double despues = caso.neto - caso.reduccion;
    EXPECT_EQ(DameMiembro(area->BaseImponible, 240), (Miembros{despues, despues, 0.0, 0.0, 0.0})) << traza;
  }
}

// Each place the other-income test reads, given more than 1,000,000 for the declarant (negated where it is
// subtracted), takes the declarant's reduction down to 300,000; 1,000,000 exactly does not.
TEST(Calculos100A, CadaFuenteDeOtrasRentasCuentaParaElDeclarante) {
  enum Bloque { Familia, D1, D2, D4, D5, Inmobiliario, Mobiliario, Base, F4 };
  struct Fuente {
    const char* nombre;
    Bloque bloque;
    std::size_t importe;  // offset of the declarant's amount
    int codigo;           // offset of the row's member code, or -1 for a member array or a per-person double
    double signo;
  };
  const std::vector<Fuente> fuentes{
      {"family data", Familia, 512, -1, 1.0},
      {"D1 activity row 1", D1, 16 + 160, 16, 1.0},
      {"D1 further row 1", D1, 1120 + 24, 1120, 1.0},
      {"D2 activity row 3", D2, 384 + 160, 384, 1.0},
      {"D2 further row 6", D2, 1320 + 24, 1320, 1.0},
      {"D4 row 2, net yield", D4, 1560 + 1496, 1560 + 24, 1.0},
      {"D4 row 2, attributed yield", D4, 1560 + 1544, 1560 + 24, 1.0},
      {"D5 row 4, net yield", D5, 6208 + 2000, 6208 + 8, 1.0},
      {"D5 row 4, attributed yield", D5, 6208 + 2056, 6208 + 8, 1.0},
      {"real-estate net income", Inmobiliario, 672 + 8, -1, 1.0},
      {"movable capital net income", Mobiliario, 1240 + 8, -1, 1.0},
      {"D3 income", Base, 720 + 8, -1, -1.0},
      {"E1", Base, 880 + 8, -1, 1.0},
      {"E2", Base, 920 + 8, -1, 1.0},
      {"E3", Base, 960 + 8, -1, 1.0},
      {"E4", Base, 1000 + 8, -1, 1.0},
      {"E5", Base, 1040 + 8, -1, 1.0},
      {"F gains, first group", F4, 0 + 8, -1, 1.0},
      {"F losses, first group", F4, 40 + 8, -1, -1.0},
      {"F gains, second group", F4, 120 + 8, -1, 1.0},
      {"F losses, second group", F4, 160 + 8, -1, -1.0},
  };
  for (const Fuente& fuente : fuentes) {
    for (const auto& [valor, esperada] : {std::pair{1000001.0, 300000.0}, std::pair{1000000.0, 500000.0}}) {
      CAreaRenta area;
      PonPagador(area, 0, 2, 0, {{1, 1000000.0}});
      auto pon = [&](auto& bloque) {
        PonDouble(bloque, fuente.importe, fuente.signo * valor);
        if (fuente.codigo >= 0) PonByte(bloque, static_cast<std::size_t>(fuente.codigo), 2);
      };
      switch (fuente.bloque) {
        case Familia: pon(area->DatosFamilia); break;
        case D1: pon(area->ApartadoD1); break;
        case D2: pon(area->ApartadoD2); break;
        case D4: pon(area->ApartadoD4); break;
        case D5: pon(area->ApartadoD5); break;
        case Inmobiliario: pon(area->RendCapInmobiliario); break;
        case Mobiliario: pon(area->RendCapMobiliario); break;
        case Base: pon(area->BaseImponible); break;
        case F4: pon(area->ApartadoF4); break;
      }
      CalculaA(area);
      EXPECT_EQ(Reduccion(area)[1], esperada) << fuente.nombre << " " << valor;
    }
  }
}

TEST(Calculos100A, LaReduccionTotalSeCalculaSobreLosTotalesDeLaFamilia) {
  CAreaRenta area;
  PonPagador(area, 0, 2, 0, {{1, 1000000.0}});
  PonPagador(area, 1, 3, 0, {{1, 1000000.0}});
  PonDouble(area->DatosFamilia, 520, 1000001.0);  // the spouse's other income
  CalculaA(area);
  // Total: net 2,000,000 and other income 1,000,001 give 300,000, not 500,000 + 300,000.
  EXPECT_EQ(Reduccion(area), (Miembros{300000.0, 500000.0, 300000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 240), (Miembros{1700000.0, 500000.0, 700000.0, 0.0, 0.0}));

  // The family data of the four persons add up into the total's other income.
  CAreaRenta otra;
  PonPagador(otra, 0, 2, 0, {{1, 1000000.0}});
  for (std::size_t persona = 0; persona < 4; ++persona) PonDouble(otra->DatosFamilia, 512 + 8 * persona, 250001.0);
  CalculaA(otra);
  EXPECT_EQ(Reduccion(otra), (Miembros{300000.0, 500000.0, 0.0, 0.0, 0.0}));
}

TEST(Calculos100A, RepartoDeLasFilasYGruposDelRendimientoNeto) {
  CAreaRenta area;
  PonPagador(area, 0, 2, 0,
             {{1, 1000000.0}, {2, 200.0}, {3, 30000.0}, {4, 4000.0}, {5, 500.0}, {6, 60.0}, {7, 7.0},
              {8, 8000.0}, {9, 900.0}, {10, 1000.0}, {11, 11000.0}, {12, 12000.0}});
  PonPagador(area, 5, 1, 0, {{1, 1001.0}, {2, 3.0}, {4, 5.0}});  // the sixth row, common to the couple
  CalculaA(area);

  EXPECT_EQ(DameMiembro(area->BaseImponible, 0), (Miembros{1001001.0, 1000501.0, 501.0, 0.0, 0.0}));
  // Amounts 2 and 4, each half of a common amount rounded on its own: 3 gives 2 + 2, 5 gives 3 + 3.
  EXPECT_EQ(DameMiembro(area->Resultados, 5728), (Miembros{4208.0, 4205.0, 5.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 664), (Miembros{30000.0, 30000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 704), (Miembros{4005.0, 4003.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 744), (Miembros{500.0, 500.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 40), (Miembros{33505.0, 33503.0, 3.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 80), (Miembros{67.0, 67.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 120), (Miembros{8000.0, 8000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 784), (Miembros{900.0, 900.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 824), (Miembros{1000.0, 1000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 864), (Miembros{11000.0, 11000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 904), (Miembros{12000.0, 12000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 160), (Miembros{24900.0, 24900.0, 0.0, 0.0, 0.0}));
  // 1,000,501 + 33,503 + 67 - 8,000 - 24,900 for the declarant.
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 944), (Miembros{1001673.0, 1001171.0, 504.0, 0.0, 0.0}));
  EXPECT_EQ(Reduccion(area), (Miembros{500000.0, 500000.0, 504.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 240), (Miembros{501673.0, 501171.0, 0.0, 0.0, 0.0}));
}

TEST(Calculos100A, LosImportes11Y12CuentanComoMaximo50000PorCasilla) {
  CAreaRenta area;
  PonPagador(area, 0, 2, 0, {{1, 1000000.0}, {11, 70000.0}, {12, 30000.0}});
  PonPagador(area, 1, 4, 0, {{1, 100000.0}, {11, 20000.0}, {12, 80000.0}});
  CalculaA(area);
  // Every slot is capped, the total too.
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 864), (Miembros{50000.0, 50000.0, 0.0, 20000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 904), (Miembros{50000.0, 30000.0, 0.0, 50000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 160), (Miembros{100000.0, 80000.0, 0.0, 70000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->RendTrabajo, 944), (Miembros{1000000.0, 920000.0, 0.0, 30000.0, 0.0}));
}

TEST(Calculos100A, IncrementoPorMinusvaliaDelTrabajador) {
  struct Fila {
    std::size_t fila;
    std::uint8_t codigo;
    std::uint8_t grado;
    double neto;
  };
  struct Caso {
    const char* nombre;
    std::vector<Fila> filas;
    Miembros reduccion;
  };
  const std::vector<Caso> casos{
      {"degree 1 adds 75 %", {{0, 2, '1', 1000000.0}}, {875000.0, 875000.0, 0.0, 0.0, 0.0}},
      {"degree 2 adds 125 %, capped at the income", {{0, 2, '2', 1000000.0}}, {1000000.0, 1000000.0, 0.0, 0.0, 0.0}},
      {"degree 3 on the spouse, sliding reduction rounded after the increase",
       {{0, 3, '3', 2000000.0}},
       {1031264.0, 0.0, 1031264.0, 0.0, 0.0}},
      {"the total follows the highest degree of the family",
       {{0, 2, '1', 1000000.0}, {1, 3, '3', 1000000.0}},
       {1031264.0, 875000.0, 1000000.0, 0.0, 0.0}},
      {"degree of the second child", {{2, 5, '2', 200000.0}}, {200000.0, 0.0, 0.0, 0.0, 200000.0}},
      {"the sixth row's degree is not read", {{5, 2, '3', 1000000.0}}, {500000.0, 500000.0, 0.0, 0.0, 0.0}},
      {"a later row of the same person overrides the degree",
       {{0, 2, '3', 600000.0}, {1, 2, ' ', 400000.0}},
       {500000.0, 500000.0, 0.0, 0.0, 0.0}},
      {"a degree on a common row raises nobody", {{0, 1, '3', 1000000.0}}, {500000.0, 500000.0, 500000.0, 0.0, 0.0}},
      {"a row without member code is ignored",
       {{0, 2, 0, 1000000.0}, {1, 0, '3', 0.0}},
       {500000.0, 500000.0, 0.0, 0.0, 0.0}},
      {"a degree byte that is no degree adds nothing", {{0, 2, '7', 1000000.0}}, {500000.0, 500000.0, 0.0, 0.0, 0.0}},
      {"a member code outside 1..5 belongs to nobody",
       {{0, 2, 0, 1000000.0}, {1, 200, '3', 0.0}},
       {500000.0, 500000.0, 0.0, 0.0, 0.0}},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    for (const Fila& fila : caso.filas) PonPagador(area, fila.fila, fila.codigo, fila.grado, {{1, fila.neto}});
    CalculaA(area);
    EXPECT_EQ(Reduccion(area), caso.reduccion) << caso.nombre;
  }
}

TEST(Calculos100A, RecalculaSinArrastrarLoQueHabia) {
  CAreaRenta limpia;
  PonPagador(limpia, 0, 1, '2', {{1, 1500001.0}, {3, 7.0}, {11, 60000.0}});
  CAreaRenta sucia = limpia;
  for (std::size_t d = 664; d < 984; d += 8) PonDouble(sucia->RendTrabajo, d, 123.0);
  for (std::size_t d = 0; d < 280; d += 8) PonDouble(sucia->BaseImponible, d, -77.0);
  PonMiembro(sucia->Resultados, 5728, {9.0, 9.0, 9.0, 9.0, 9.0});
  CalculaA(limpia);
  CalculaA(sucia);
  EXPECT_TRUE(sucia == limpia);
  CalculaA(sucia);
  EXPECT_TRUE(sucia == limpia);
}

TEST(Calculos100A, SinUnBloqueNoHaceNada) {
  CAreaRenta area;
  PonPagador(area, 0, 2, 0, {{1, 1000000.0}});
  const CAreaRenta antes = area;
  Calculos100A(&area->RendTrabajo, &area->BaseImponible, &area->RendCapInmobiliario, &area->RendCapMobiliario,
               &area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->ApartadoF4,
               &area->Resultados, nullptr, -1);
  Calculos100A(nullptr, &area->BaseImponible, &area->RendCapInmobiliario, &area->RendCapMobiliario,
               &area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->ApartadoF4,
               &area->Resultados, &area->DatosFamilia, -1);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol::pruebas
