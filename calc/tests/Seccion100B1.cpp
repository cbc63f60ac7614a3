// Section B, real-estate capital income.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

void CalculaB1(CAreaRenta& area) {
  Calculos100B1(&area->RendCapInmobiliario, &area->Resultados, &area->BaseImponible, -1);
}

// A row (0 to 5): member code and (amount number 1..8, value) pairs.
void PonInmueble(CAreaRenta& area, std::size_t fila, std::uint8_t codigo,
                 std::initializer_list<std::pair<int, double>> importes) {
  const std::size_t inicio = 40 + 72 * fila;
  PonByte(area->RendCapInmobiliario, inicio, codigo);
  for (const auto& [numero, valor] : importes) {
    PonDouble(area->RendCapInmobiliario, inicio + 8 * static_cast<std::size_t>(numero), valor);
  }
}

TEST(Calculos100B1, UnaFilaComunConImporte7De3DaDosYDos) {
  CAreaRenta area;
  PonInmueble(area, 0, 1, {{7, 3.0}});
  CalculaB1(area);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 360), (Miembros{3.0, 2.0, 2.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 400), (Miembros{-3.0, -2.0, -2.0, 0.0, 0.0}));
}

TEST(Calculos100B1, GruposIngresosGastosYRendimientoNeto) {
  CAreaRenta area;
  PonInmueble(area, 0, 2,
              {{1, 100000.0}, {2, 20000.0}, {3, 3000.0}, {4, 400.0}, {5, 50.0}, {6, 6.0}, {7, 7000.0}, {8, 800.0}});
  PonInmueble(area, 5, 3, {{1, 1000.0}, {3, 100.0}, {7, 10.0}, {8, 1.0}});  // the sixth row
  PonInmueble(area, 3, 0, {{1, 55555.0}, {8, 55555.0}});                     // an empty row is ignored
  CalculaB1(area);

  const auto& b = area->RendCapInmobiliario;
  EXPECT_EQ(DameMiembro(b, 0), (Miembros{101000.0, 100000.0, 1000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(b, 472), (Miembros{20000.0, 20000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(b, 512), (Miembros{3100.0, 3000.0, 100.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(b, 552), (Miembros{400.0, 400.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(b, 592), (Miembros{50.0, 50.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(b, 632), (Miembros{6.0, 6.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 280), (Miembros{121000.0, 120000.0, 1000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 320), (Miembros{3556.0, 3456.0, 100.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(b, 672), (Miembros{117444.0, 116544.0, 900.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 360), (Miembros{7010.0, 7000.0, 10.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 400), (Miembros{110434.0, 109544.0, 890.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 5808), (Miembros{801.0, 800.0, 1.0, 0.0, 0.0}));
}

TEST(Calculos100B1, RecalculaSinArrastrarYSinUnBloqueNoHaceNada) {
  CAreaRenta limpia;
  PonInmueble(limpia, 1, 4, {{1, 500.0}, {6, 20.0}, {7, 5.0}});
  CAreaRenta sucia = limpia;
  for (std::size_t d : {0u, 472u, 512u, 552u, 592u, 632u, 672u}) {
    PonMiembro(sucia->RendCapInmobiliario, d, {1.0, 2.0, 3.0, 4.0, 5.0});
  }
  for (std::size_t d = 280; d < 440; d += 8) PonDouble(sucia->BaseImponible, d, 99.0);
  PonMiembro(sucia->Resultados, 5808, {1.0, 1.0, 1.0, 1.0, 1.0});
  CalculaB1(limpia);
  CalculaB1(sucia);
  EXPECT_TRUE(sucia == limpia);
  EXPECT_EQ(DameMiembro(limpia->BaseImponible, 400), (Miembros{475.0, 0.0, 0.0, 475.0, 0.0}));

  PonInmueble(limpia, 1, 4, {{1, 900.0}});  // a change that a call would take up
  const CAreaRenta antes = limpia;
  Calculos100B1(&limpia->RendCapInmobiliario, nullptr, &limpia->BaseImponible, -1);
  Calculos100B1(nullptr, &limpia->Resultados, &limpia->BaseImponible, -1);
  Calculos100B1(&limpia->RendCapInmobiliario, &limpia->Resultados, nullptr, -1);
  EXPECT_TRUE(limpia == antes);
}

}  // namespace
}  // namespace ximardol::pruebas
