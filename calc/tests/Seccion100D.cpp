// Section D, blocks D1 to D3: marks, activity rows, the D2 allowance, the D3 lines and their member groups; the
// instances the export answers.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

// Activity row k of D1 or D2 starts at 16 + 184 k, further row k at 1120 + 40 k.
constexpr std::size_t Actividad(std::size_t k) { return 16 + 184 * k; }
constexpr std::size_t OtraFila(std::size_t k) { return 1120 + 40 * k; }

int Calcula(CAreaRenta& area, int instancia) {
  return Calculos100D(&area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD3, &area->BaseImponible,
                      &area->ApartadoD4, &area->ApartadoD5, instancia);
}

TEST(Seccion100D1, LaFilaSumaIngresosYGastosYRestaLoIndicado) {
  CAreaRenta area;
  const std::size_t f = Actividad(2);
  PonByte(area->ApartadoD1, f, 2);
  PonDouble(area->ApartadoD1, f + 8, 100.0);
  PonDouble(area->ApartadoD1, f + 16, 200.0);
  PonDouble(area->ApartadoD1, f + 24, 300.5);
  for (std::size_t g = 0; g < 14; ++g) PonDouble(area->ApartadoD1, f + 40 + 8 * g, static_cast<double>(g + 1));
  PonDouble(area->ApartadoD1, f + 152, 999.0);  // stale totals are replaced
  PonDouble(area->ApartadoD1, f + 168, 95.5);

  EXPECT_EQ(Calcula(area, 1), 1);
  EXPECT_EQ(DameDouble(area->ApartadoD1, f + 32), 600.5);
  EXPECT_EQ(DameDouble(area->ApartadoD1, f + 152), 105.0);
  EXPECT_EQ(DameDouble(area->ApartadoD1, f + 160), 495.5);
  EXPECT_EQ(DameDouble(area->ApartadoD1, f + 176), 400.0);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 640), (Miembros{400.0, 400.0, 0.0, 0.0, 0.0}));
}

TEST(Seccion100D1, LasDocePorMiembroVanALaBaseComunPartidaPorMitades) {
  CAreaRenta area;
  // Activity rows: net income = the first income (no expenses, nothing subtracted).
  struct Fila {
    std::uint8_t miembro;
    double neto;
  };
  const std::vector<Fila> actividades{{1, 1001.0}, {2, 50.0}, {3, 70.0}, {4, 11.0}, {5, 13.0}, {0, 999.0}};
  for (std::size_t k = 0; k < actividades.size(); ++k) {
    PonByte(area->ApartadoD1, Actividad(k), actividades[k].miembro);
    PonDouble(area->ApartadoD1, Actividad(k) + 8, actividades[k].neto);
  }
  // Further rows: the amount at +32 counts, the one at +24 does not.
  const std::vector<Fila> otras{{2, 1000.0}, {3, 2000.0}, {1, 3.0}, {9, 5000.0}, {255, 6000.0}, {5, 7.0}};
  for (std::size_t k = 0; k < otras.size(); ++k) {
    PonByte(area->ApartadoD1, OtraFila(k), otras[k].miembro);
    PonDouble(area->ApartadoD1, OtraFila(k) + 24, 100000.0);
    PonDouble(area->ApartadoD1, OtraFila(k) + 32, otras[k].neto);
  }
  PonMiembro(area->BaseImponible, 640, {9.0, 9.0, 9.0, 9.0, 9.0});

  Calcula(area, 1);
  // Code 1: 1001 gives 501 + 501; 3 gives 2 + 2. Codes 0, 9 and 255 add nothing.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 640),
            (Miembros{1001.0 + 50 + 70 + 11 + 13 + 1000 + 2000 + 3 + 7, 501.0 + 50 + 1000 + 2, 501.0 + 70 + 2000 + 2,
                      11.0, 13.0 + 7}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 680), (Miembros{}));  // the other groups are not touched
}

TEST(Seccion100D1, UnaFilaDeCodigoUnoConNeto1001) {
  CAreaRenta area;
  PonByte(area->ApartadoD1, Actividad(0), 1);
  PonDouble(area->ApartadoD1, Actividad(0) + 8, 1101.0);
  PonDouble(area->ApartadoD1, Actividad(0) + 40 + 8 * 13, 100.0);  // the fourteenth expense
  Calcula(area, 1);
  EXPECT_EQ(DameDouble(area->ApartadoD1, Actividad(0) + 176), 1001.0);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 640), (Miembros{1001.0, 501.0, 501.0, 0.0, 0.0}));
}

TEST(Seccion100D1, LasMarcasSiguenALosIndicadoresEnCadaBloque) {
  struct Caso {
    std::uint8_t indicador10;
    std::uint8_t indicador11;
    char marca01;
    char marca25;
  };
  for (const Caso& caso : std::vector<Caso>{{1, 0, 'X', ' '}, {0, 1, ' ', 'X'}, {1, 1, 'X', 'X'}, {2, 255, ' ', ' '}}) {
    for (int instancia : {1, 2}) {
      CAreaRenta area;
      auto pon = [&](auto& bloque) {
        PonByte(bloque, 10, caso.indicador10);
        PonByte(bloque, 11, caso.indicador11);
        for (std::size_t d : {0, 1, 2, 5}) PonByte(bloque, d, 'Q');
      };
      pon(area->ApartadoD1);
      pon(area->ApartadoD2);
      Calcula(area, instancia);
      auto marcado = [&](const auto& bloque) {
        EXPECT_EQ(DameByte(bloque, 0), caso.marca01) << instancia;
        EXPECT_EQ(DameByte(bloque, 1), caso.marca01) << instancia;
        EXPECT_EQ(DameByte(bloque, 2), caso.marca25) << instancia;
        EXPECT_EQ(DameByte(bloque, 5), caso.marca25) << instancia;
        EXPECT_EQ(DameByte(bloque, 3), 0) << instancia;
        EXPECT_EQ(DameByte(bloque, 4), 0) << instancia;
      };
      // The other block keeps its bytes.
      auto intacto = [&](const auto& bloque) {
        for (std::size_t d : {0, 1, 2, 5}) EXPECT_EQ(DameByte(bloque, d), 'Q') << instancia;
      };
      if (instancia == 1) {
        marcado(area->ApartadoD1);
        intacto(area->ApartadoD2);
      } else {
        marcado(area->ApartadoD2);
        intacto(area->ApartadoD1);
      }
    }
  }
}

TEST(Seccion100D2, LaReduccionDelCincoPorCientoSeRedondeaYNuncaEsNegativa) {
  struct Caso {
    double diferencia;
    double reduccion;
  };
  for (const Caso& caso : std::vector<Caso>{{1000001.0, 50000.0},
                                            {1000010.0, 50001.0},  // 50000.5 goes up
                                            {30.0, 2.0},
                                            {0.0, 0.0},
                                            {-10.0, 0.0},
                                            {-1000001.0, 0.0}}) {
    CAreaRenta area;
    const std::size_t f = Actividad(4);
    PonByte(area->ApartadoD2, f, 3);
    PonDouble(area->ApartadoD2, f + 16, caso.diferencia + 500.0);
    PonDouble(area->ApartadoD2, f + 40 + 8 * 11, 500.0);  // the twelfth expense
    PonDouble(area->ApartadoD2, f + 168, 7.0);
    Calcula(area, 2);
    const double resto = caso.diferencia - caso.reduccion;
    EXPECT_EQ(DameDouble(area->ApartadoD2, f + 32), caso.diferencia + 500.0);
    EXPECT_EQ(DameDouble(area->ApartadoD2, f + 136), 500.0);
    EXPECT_EQ(DameDouble(area->ApartadoD2, f + 144), caso.diferencia);
    EXPECT_EQ(DameDouble(area->ApartadoD2, f + 152), caso.reduccion) << caso.diferencia;
    EXPECT_EQ(DameDouble(area->ApartadoD2, f + 160), resto);
    EXPECT_EQ(DameDouble(area->ApartadoD2, f + 176), resto - 7.0);
    EXPECT_EQ(DameMiembro(area->BaseImponible, 680), (Miembros{resto - 7.0, 0.0, resto - 7.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->BaseImponible, 640), (Miembros{}));
  }
}

TEST(Seccion100D2, SoloDoceGastosYLasFilasDeCuarentaBytes) {
  CAreaRenta area;
  const std::size_t f = Actividad(5);
  PonByte(area->ApartadoD2, f, 2);
  PonDouble(area->ApartadoD2, f + 8, 10000.0);
  for (std::size_t g = 0; g < 12; ++g) PonDouble(area->ApartadoD2, f + 40 + 8 * g, 100.0);
  PonDouble(area->ApartadoD2, f + 136, 5000.0);  // where D1 keeps expense 13: here the total, recomputed
  PonByte(area->ApartadoD2, OtraFila(5), 1);
  PonDouble(area->ApartadoD2, OtraFila(5) + 32, 301.0);
  Calcula(area, 2);
  EXPECT_EQ(DameDouble(area->ApartadoD2, f + 136), 1200.0);
  EXPECT_EQ(DameDouble(area->ApartadoD2, f + 144), 8800.0);
  EXPECT_EQ(DameDouble(area->ApartadoD2, f + 152), 440.0);
  EXPECT_EQ(DameDouble(area->ApartadoD2, f + 176), 8360.0);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 680), (Miembros{8661.0, 8360.0 + 151, 151.0, 0.0, 0.0}));
}

TEST(Seccion100D3, CadaLineaSumaDeclaranteYConyugeYLaBaseSumaLasTres) {
  CAreaRenta area;
  PonMiembro(area->ApartadoD3, 0, {1.0, 1.0, 1.0, 4.0, 0.0});
  PonDouble(area->ApartadoD3, 40, 100.0);
  PonDouble(area->ApartadoD3, 48, 50.0);
  PonDouble(area->ApartadoD3, 56 + 40, -30.0);
  PonMiembro(area->ApartadoD3, 112, {0.0, 0.0, 0.0, 0.0, 6.0});
  PonDouble(area->ApartadoD3, 112 + 48, 7.5);

  EXPECT_EQ(Calcula(area, 3), 1);
  EXPECT_EQ(DameMiembro(area->ApartadoD3, 0), (Miembros{150.0, 100.0, 50.0, 4.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoD3, 56), (Miembros{-30.0, -30.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoD3, 112), (Miembros{7.5, 0.0, 7.5, 0.0, 6.0}));
  // The child slots of the lines stay as they are and count in the group.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 720), (Miembros{127.5, 70.0, 57.5, 4.0, 6.0}));
}

TEST(Seccion100D, OtrasInstanciasYBloquesQueFaltanNoCambianNada) {
  CAreaRenta area;
  PonByte(area->ApartadoD1, 10, 1);
  PonByte(area->ApartadoD1, Actividad(0), 2);
  PonDouble(area->ApartadoD1, Actividad(0) + 8, 10.0);
  PonDouble(area->ApartadoD3, 40, 10.0);
  PonByte(area->ApartadoD4, 24, 2);
  PonDouble(area->ApartadoD4, 1368, -10.0);
  const CAreaRenta antes = area;
  for (int instancia : {0, 5, 6, -1, 100}) {
    EXPECT_EQ(Calcula(area, instancia), 1);
    EXPECT_TRUE(area == antes) << instancia;
  }
  for (int instancia : {1, 2, 3, 4}) {
    EXPECT_EQ(Calculos100D(&area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD3, nullptr, &area->ApartadoD4,
                           nullptr, instancia),
              1);
  }
  EXPECT_EQ(Calculos100D(nullptr, nullptr, nullptr, &area->BaseImponible, nullptr, nullptr, 1), 1);
  EXPECT_EQ(Calculos100D(nullptr, nullptr, nullptr, &area->BaseImponible, nullptr, nullptr, 4), 1);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol
