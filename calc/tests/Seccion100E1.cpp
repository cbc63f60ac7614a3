// Section E: rows of blocks E1, E3, E4 and E5 distributed into the base and the results, and the rate-limited
// deductions of block E2.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <utility>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Ejecuta(CAreaRenta& area, int instancia) {
  Calculos100E1(&area->ApartadoE1, &area->ApartadoE2, &area->ApartadoE3, &area->ApartadoE4, &area->ApartadoE5,
                &area->BaseImponible, &area->Resultados, &area->Liquidacion, instancia);
}

constexpr std::size_t FilaE2(std::size_t fila) { return 24 + 160 * fila; }

TEST(Seccion100E1, LasFilasDeE1SeRepartenPorMiembro) {
  CAreaRenta area;
  PonByte(area->ApartadoE1, 0, 2);
  PonDouble(area->ApartadoE1, 40, 1000.0);
  PonByte(area->ApartadoE1, 48, 1);       // the unit: 301 split as 151 and 151
  PonDouble(area->ApartadoE1, 88, 301.0);
  PonDouble(area->ApartadoE1, 136, 999.0); // third row, no member code
  PonByte(area->ApartadoE1, 144, 9);      // not a person
  PonDouble(area->ApartadoE1, 184, 50.0);
  PonByte(area->ApartadoE1, 240, 5);      // last row
  PonDouble(area->ApartadoE1, 280, 7.0);
  PonMiembro(area->BaseImponible, 880, Todos(-4.0));
  CAreaRenta esperado = area;

  Ejecuta(area, 1);

  PonMiembro(esperado->BaseImponible, 880, {1308.0, 1151.0, 151.0, 0.0, 7.0});
  EXPECT_TRUE(area == esperado);
}

TEST(Seccion100E1, LasFilasDeE3GuardanSuDiferenciaSinSalirDelBloque) {
  CAreaRenta area;
  PonByte(area->ApartadoE3, 24, 2);
  PonDouble(area->ApartadoE3, 32, 1000.0);
  PonDouble(area->ApartadoE3, 40, 300.0);
  PonByte(area->ApartadoE3, 80, 3);
  PonDouble(area->ApartadoE3, 88, 100.0);
  PonDouble(area->ApartadoE3, 96, 400.0);
  PonByte(area->ApartadoE3, 136, 1);      // last row: its difference is the block's last 8 bytes
  PonDouble(area->ApartadoE3, 144, 50.0);
  PonDouble(area->ApartadoE4, 0, 123.0);  // the next block, where the last row's 56 bytes would end
  CAreaRenta esperado = area;

  Ejecuta(area, 3);

  PonDouble(esperado->ApartadoE3, 48, 700.0);
  PonDouble(esperado->ApartadoE3, 104, -300.0);
  PonDouble(esperado->ApartadoE3, 160, 50.0);
  PonMiembro(esperado->BaseImponible, 960, {450.0, 725.0, -275.0, 0.0, 0.0});
  EXPECT_TRUE(area == esperado);
}

TEST(Seccion100E1, E4VaAlMiembroDeSuCodigoYLasFilasDeE5SeCopian) {
  CAreaRenta area;
  PonByte(area->ApartadoE4, 0, 3);
  PonDouble(area->ApartadoE4, 56, 1000.0);
  PonDouble(area->ApartadoE4, 64, 200.0);
  PonDouble(area->ApartadoE4, 72, 50.0);
  PonByte(area->ApartadoE5, 24, 2);
  PonDouble(area->ApartadoE5, 40, 10.0);
  PonDouble(area->ApartadoE5, 48, 20.0);
  PonDouble(area->ApartadoE5, 56, 30.0);
  PonByte(area->ApartadoE5, 184, 4);      // last row: its last copy is the block's last 8 bytes
  PonDouble(area->ApartadoE5, 200, 1.0);
  PonDouble(area->ApartadoE5, 208, 2.0);
  PonDouble(area->ApartadoE5, 216, 3.0);
  PonDouble(area->ApartadoF1, 0, 123.0);  // the next block
  CAreaRenta esperado = area;

  Ejecuta(area, 5);

  PonMiembro(esperado->BaseImponible, 1000, {1000.0, 0.0, 1000.0, 0.0, 0.0});
  PonMiembro(esperado->Resultados, 5304, {200.0, 0.0, 200.0, 0.0, 0.0});
  PonMiembro(esperado->Resultados, 6232, {50.0, 0.0, 50.0, 0.0, 0.0});
  PonDouble(esperado->ApartadoE5, 32, 10.0);
  PonDouble(esperado->ApartadoE5, 64, 20.0);
  PonDouble(esperado->ApartadoE5, 72, 30.0);
  PonDouble(esperado->ApartadoE5, 192, 1.0);
  PonDouble(esperado->ApartadoE5, 224, 2.0);
  PonDouble(esperado->ApartadoE5, 232, 3.0);
  PonMiembro(esperado->BaseImponible, 1040, {33.0, 30.0, 0.0, 3.0, 0.0});
  EXPECT_TRUE(area == esperado);
}

TEST(Seccion100E1, LasMarcasDeE2SiguenASusIndicadores) {
  CAreaRenta area;
  PonByte(area->ApartadoE2, 5, 1);
  PonByte(area->ApartadoE2, 6, 0);
  PonByte(area->ApartadoE2, 7, 2);        // only 1 sets a mark
  PonByte(area->ApartadoE2, 8, 1);
  PonByte(area->ApartadoE2, 2, 'X');      // a stale mark is cleared
  Ejecuta(area, 2);
  const std::pair<std::size_t, char> marcas[] = {{0, 'X'}, {1, 'X'}, {2, ' '}, {14, ' '},
                                                 {9, ' '}, {10, ' '}, {11, 'X'}, {19, 'X'}};
  for (const auto& [desplazamiento, marca] : marcas) {
    EXPECT_EQ(DameByte(area->ApartadoE2, desplazamiento), static_cast<std::uint8_t>(marca)) << desplazamiento;
  }
}

struct CasoFila {
  char clase;
  std::uint8_t marca;
  std::uint8_t codigo;
  double deduccion;
  bool cuenta;
};

// With no general base to liquidate every rate is 0, so a row that counts has both limits at 0: fields 144 and 152
// become 0 and its deduction (not below 0) goes to the excess of its member and of the family total.
TEST(Seccion100E1, UnaFilaDeE2CuentaPorSuClaseSuMarcaYSuMiembro) {
  const CasoFila casos[] = {
      {'1', 'X', 2, 400.0, true},    // kind 1 counts whatever its mark
      {'2', 'X', 2, 400.0, false},   // kinds 2 and 3 only without a mark
      {'2', ' ', 2, 400.0, true},
      {'3', 0, 2, 400.0, true},
      {'3', 'Y', 2, 400.0, false},
      {'2', ' ', 0, 400.0, false},   // no member
      {'1', 0, 0, 400.0, false},
      {'4', 0, 2, 400.0, false},     // no other kind
      {0, 0, 2, 400.0, false},
      {'1', 0, 7, 400.0, false},     // not a person: no slot to take it
      {'1', 0, 3, -50.0, true},      // counts, adds nothing
  };
  for (const CasoFila& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.clase << " " << int{caso.marca} << " " << int{caso.codigo});
    CAreaRenta area;
    const std::size_t fila = FilaE2(1);
    PonByte(area->ApartadoE2, fila + 9, static_cast<std::uint8_t>(caso.clase));
    PonByte(area->ApartadoE2, fila + 104, caso.marca);
    PonByte(area->ApartadoE2, fila + 10, caso.codigo);
    PonDouble(area->ApartadoE2, fila + 16, 500000.0);
    PonDouble(area->ApartadoE2, fila + 112, 300.0);
    PonDouble(area->ApartadoE2, fila + 120, 200.0);
    PonDouble(area->ApartadoE2, fila + 128, 1000.0);
    PonDouble(area->ApartadoE2, fila + 136, caso.deduccion);
    PonMiembro(area->Resultados, 6192, Todos(77.0));   // cleared first
    Ejecuta(area, 2);

    const double limite = caso.cuenta ? 0.0 : 500.0;
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 144), limite);
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 152), limite);
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 88), 300.0);
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 96), 200.0);
    Miembros excesos{};
    if (caso.cuenta && caso.deduccion > 0.0) {
      excesos[0] = caso.deduccion;
      excesos[caso.codigo - 1u] = caso.deduccion;
    }
    EXPECT_EQ(DameMiembro(area->Resultados, 6192), excesos);
  }
}

// A declarant's row under a general base of 2,000,000 with a quota after deductions of 300,000: the rate is 0.15 and
// the row's share of the base is its whole income.
void PonCasoConTipo(CAreaRenta& area) {
  const Miembros dos{2000000.0, 2000000.0, 0.0, 0.0, 0.0};
  PonMiembro(area->Liquidacion, 0, dos);
  PonMiembro(area->Liquidacion, 1200, {400000.0, 400000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 760, {300000.0, 300000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1080, dos);
  // The base of the shares: 1,800,000 of work, 200,000 of the E2 income of the previous call; a negative
  // real-estate income counts as 0; the E1 rows and the D3 activity cancel out.
  PonMiembro(area->BaseImponible, 240, {1800000.0, 1800000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 920, {200000.0, 200000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 400, {-500000.0, -500000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 880, {100000.0, 100000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 720, {100000.0, 100000.0, 0.0, 0.0, 0.0});
  const std::size_t fila = FilaE2(0);
  PonByte(area->ApartadoE2, fila + 9, '1');
  PonByte(area->ApartadoE2, fila + 10, 2);
  PonDouble(area->ApartadoE2, fila + 16, 500000.0);
  PonDouble(area->ApartadoE2, fila + 48, 11.0);
  PonDouble(area->ApartadoE2, fila + 112, 60000.0);
  PonDouble(area->ApartadoE2, fila + 120, 40000.0);
  PonDouble(area->ApartadoE2, fila + 128, 100000.0);
  PonDouble(area->ApartadoE2, fila + 136, 20000.0);
}

TEST(Seccion100E1, ElLimiteDeUnaFilaEsSuParteDeLaBasePorElTipoMedio) {
  CAreaRenta area;
  PonCasoConTipo(area);
  Ejecuta(area, 2);
  const std::size_t fila = FilaE2(0);
  EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 40), 11.0);
  EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 152), 75000.0);   // 500000 x 0.15
  EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 144), 75000.0);
  EXPECT_EQ(DameMiembro(area->Resultados, 6192), (Miembros{20000.0, 20000.0, 0.0, 0.0, 0.0}));
  // The E2 income is rebuilt from the rows after the shares used the previous one.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 920), (Miembros{500000.0, 500000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 6152), (Miembros{75000.0, 75000.0, 0.0, 0.0, 0.0}));
}

TEST(Seccion100E1, LosLimitesDeE2SiguenALaBaseEspecialYALasDeducciones) {
  const std::size_t fila = FilaE2(0);
  {
    // With a special base the rate is the scale quotas' share: 300000 x 300000 / (2000000 x 400000) = 0.1125.
    CAreaRenta area;
    PonCasoConTipo(area);
    PonMiembro(area->BaseImponible, 1736, {1.0, 1.0, 0.0, 0.0, 0.0});
    PonMiembro(area->Liquidacion, 840, {300000.0, 300000.0, 0.0, 0.0, 0.0});
    Ejecuta(area, 2);
    EXPECT_DOUBLE_EQ(DameDouble(area->ApartadoE2, fila + 152), 56250.0);
    EXPECT_DOUBLE_EQ(DameDouble(area->ApartadoE2, fila + 144), 56250.0);
  }
  {
    // Deductions above the family total's quota leave its rate at 0: only the total's limit falls to 0.
    CAreaRenta area;
    PonCasoConTipo(area);
    PonMiembro(area->Resultados, 5048, {300001.0, 0.0, 0.0, 0.0, 0.0});
    Ejecuta(area, 2);
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 152), 75000.0);
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 144), 0.0);
    EXPECT_EQ(DameMiembro(area->Resultados, 6152), (Miembros{0.0, 75000.0, 0.0, 0.0, 0.0}));
  }
  {
    // A limit that is not below the row's own limit changes nothing and adds nothing.
    CAreaRenta area;
    PonCasoConTipo(area);
    PonDouble(area->ApartadoE2, fila + 128, 75000.0);
    Ejecuta(area, 2);
    EXPECT_EQ(DameDouble(area->ApartadoE2, fila + 152), 100000.0);
    EXPECT_EQ(DameMiembro(area->Resultados, 6192), Todos(0.0));
  }
}

TEST(Seccion100E1, LaInstancia4YLasDemasNoHacenNada) {
  CAreaRenta area;
  PonByte(area->ApartadoE1, 0, 2);
  PonDouble(area->ApartadoE1, 40, 1000.0);
  PonByte(area->ApartadoE2, 5, 1);
  PonByte(area->ApartadoE2, FilaE2(0) + 9, '1');
  PonByte(area->ApartadoE2, FilaE2(0) + 10, 2);
  PonDouble(area->ApartadoE2, FilaE2(0) + 112, 10.0);
  PonByte(area->ApartadoE3, 24, 2);
  PonDouble(area->ApartadoE3, 32, 5.0);
  PonByte(area->ApartadoE4, 0, 2);
  PonDouble(area->ApartadoE4, 56, 5.0);
  const CAreaRenta antes = area;
  for (int instancia : {4, 0, 6, -1}) Ejecuta(area, instancia);
  EXPECT_TRUE(area == antes);

  for (int instancia : {1, 2, 3, 5}) {
    Calculos100E1(&area->ApartadoE1, &area->ApartadoE2, &area->ApartadoE3, &area->ApartadoE4, &area->ApartadoE5,
                  nullptr, &area->Resultados, &area->Liquidacion, instancia);
  }
  Calculos100E1(nullptr, nullptr, nullptr, nullptr, nullptr, &area->BaseImponible, &area->Resultados,
                &area->Liquidacion, 1);
  Calculos100E1(nullptr, &area->ApartadoE2, nullptr, nullptr, nullptr, &area->BaseImponible, &area->Resultados,
                nullptr, 2);
  Calculos100E1(nullptr, nullptr, nullptr, nullptr, nullptr, &area->BaseImponible, &area->Resultados,
                &area->Liquidacion, 3);
  Calculos100E1(nullptr, nullptr, nullptr, &area->ApartadoE4, nullptr, &area->BaseImponible, &area->Resultados,
                &area->Liquidacion, 5);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol
