// Section C, movable capital income.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

void CalculaC(CAreaRenta& area, int instancia) {
  Calculos100C(&area->RendCapMobiliario, &area->Resultados, &area->BaseImponible, instancia);
}

// A row of a subsection: the member code at `inicio`, amounts at `inicio` + their row offsets.
void PonFila(CAreaRenta& area, std::size_t inicio, std::uint8_t codigo,
             const std::vector<std::pair<std::size_t, double>>& importes) {
  PonByte(area->RendCapMobiliario, inicio, codigo);
  for (const auto& [desplazamiento, valor] : importes) {
    PonDouble(area->RendCapMobiliario, inicio + desplazamiento, valor);
  }
}

// One row in every subsection, with amounts that tell the subsections and the row offsets apart.
CAreaRenta AreaConFilas() {
  CAreaRenta area;
  PonFila(area, 40 + 48 * 0, 2, {{8, 77777.0}, {16, 100000.0}, {24, 18000.0}, {32, 1000.0}});  // subsection 1
  PonFila(area, 368 + 24 * 5, 3, {{8, 20000.0}, {16, 3600.0}});                                // subsection 2
  PonFila(area, 552 + 32 * 2, 1, {{8, 3001.0}, {16, 5.0}, {24, 11.0}});                        // subsection 3, common
  PonFila(area, 784 + 24 * 1, 4, {{8, 4000.0}, {16, 720.0}});                                  // subsection 4
  PonFila(area, 968 + 32 * 3, 5, {{8, 5000.0}, {16, 900.0}, {24, 500.0}});                     // subsection 5
  PonFila(area, 1280 + 16 * 0, 2, {{8, 600.0}});                                               // subsection 6
  PonFila(area, 1376 + 16 * 4, 3, {{8, 70.0}});                                                // subsection 7
  PonFila(area, 1592 + 16 * 1, 2, {{8, 8000.0}});                                              // subsection 8
  return area;
}

enum class Bloque { Mobiliario, Base };
struct Grupo {
  Bloque bloque;
  std::size_t desplazamiento;
  Miembros valor;
};

Miembros Dame(const CAreaRenta& area, Bloque bloque, std::size_t desplazamiento) {
  return bloque == Bloque::Mobiliario ? DameMiembro(area->RendCapMobiliario, desplazamiento)
                                      : DameMiembro(area->BaseImponible, desplazamiento);
}

// The groups each instance writes, with their values for AreaConFilas().
const std::vector<Grupo>& GruposDeInstancia(int instancia) {
  static const std::vector<std::vector<Grupo>> grupos{
      {},
      {{Bloque::Mobiliario, 0, {100000.0, 100000.0, 0.0, 0.0, 0.0}},
       {Bloque::Mobiliario, 1160, {1011.0, 1006.0, 6.0, 0.0, 0.0}}},
      {{Bloque::Mobiliario, 328, {20000.0, 0.0, 20000.0, 0.0, 0.0}}},
      {{Bloque::Mobiliario, 512, {3001.0, 1501.0, 1501.0, 0.0, 0.0}},
       {Bloque::Mobiliario, 1160, {1011.0, 1006.0, 6.0, 0.0, 0.0}}},
      {{Bloque::Mobiliario, 744, {4000.0, 0.0, 0.0, 4000.0, 0.0}}},
      {{Bloque::Mobiliario, 928, {5000.0, 0.0, 0.0, 0.0, 5000.0}},
       {Bloque::Mobiliario, 1200, {500.0, 0.0, 0.0, 0.0, 500.0}}},
      {{Bloque::Base, 520, {600.0, 600.0, 0.0, 0.0, 0.0}}},
      {{Bloque::Base, 560, {70.0, 0.0, 70.0, 0.0, 0.0}}},
      {{Bloque::Base, 1656, {8000.0, 8000.0, 0.0, 0.0, 0.0}},
       {Bloque::Mobiliario, 1512, {8000.0, 8000.0, 0.0, 0.0, 0.0}},
       {Bloque::Mobiliario, 1552, {0.0, 0.0, 0.0, 0.0, 0.0}}},
  };
  return grupos[static_cast<std::size_t>(instancia)];
}

TEST(Calculos100C, CadaInstanciaCalculaSoloLosGruposDeSuSubapartado) {
  for (int instancia = 1; instancia <= 8; ++instancia) {
    CAreaRenta area = AreaConFilas();
    CalculaC(area, instancia);
    for (int otra = 1; otra <= 8; ++otra) {
      for (const Grupo& grupo : GruposDeInstancia(otra)) {
        bool propio = false;
        for (const Grupo& suyo : GruposDeInstancia(instancia)) {
          propio |= suyo.desplazamiento == grupo.desplazamiento && suyo.bloque == grupo.bloque;
        }
        const Miembros esperado = propio ? grupo.valor : Miembros{};
        EXPECT_EQ(Dame(area, grupo.bloque, grupo.desplazamiento), esperado)
            << "instance " << instancia << ", group " << grupo.desplazamiento;
      }
    }
  }
}

TEST(Calculos100C, UnaPasadaCompletaDaLosTotales) {
  CAreaRenta area = AreaConFilas();
  for (int instancia = 1; instancia <= 8; ++instancia) CalculaC(area, instancia);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 440), (Miembros{132001.0, 101501.0, 21501.0, 4000.0, 5000.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 480), (Miembros{1511.0, 1006.0, 6.0, 0.0, 500.0}));
  EXPECT_EQ(DameMiembro(area->RendCapMobiliario, 1240), (Miembros{130490.0, 100495.0, 21495.0, 4000.0, 4500.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 600), (Miembros{129820.0, 99895.0, 21425.0, 4000.0, 4500.0}));
  // The amounts at row offset 24 of subsection 1 and 16 of subsections 2 to 5; the common 5 gives 3 and 3.
  EXPECT_EQ(DameMiembro(area->Resultados, 5768), (Miembros{23225.0, 18003.0, 3603.0, 720.0, 900.0}));
  // Nothing is written at 1472.
  EXPECT_EQ(DameMiembro(area->RendCapMobiliario, 1472), (Miembros{}));
}

TEST(Calculos100C, CualquierInstanciaRefrescaLosTotalesConLosGruposQueHay) {
  for (int instancia : {2, 0, 9, -1}) {
    CAreaRenta area = AreaConFilas();
    PonMiembro(area->RendCapMobiliario, 0, {1000.0, 1000.0, 0.0, 0.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 512, {300.0, 0.0, 300.0, 0.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 744, {40.0, 0.0, 0.0, 40.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 928, {5.0, 0.0, 0.0, 0.0, 5.0});
    PonMiembro(area->RendCapMobiliario, 1160, {100.0, 100.0, 0.0, 0.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 1200, {2.0, 0.0, 0.0, 0.0, 2.0});
    PonMiembro(area->BaseImponible, 520, {10.0, 10.0, 0.0, 0.0, 0.0});
    PonMiembro(area->BaseImponible, 560, {20.0, 0.0, 20.0, 0.0, 0.0});
    CalculaC(area, instancia);
    const double segundo = instancia == 2 ? 20000.0 : 0.0;  // only instance 2 fills its own group
    EXPECT_EQ(DameMiembro(area->RendCapMobiliario, 0), (Miembros{1000.0, 1000.0, 0.0, 0.0, 0.0})) << instancia;
    EXPECT_EQ(DameMiembro(area->BaseImponible, 440),
              (Miembros{1345.0 + segundo, 1000.0, 300.0 + segundo, 40.0, 5.0}))
        << instancia;
    EXPECT_EQ(DameMiembro(area->BaseImponible, 480), (Miembros{102.0, 100.0, 0.0, 0.0, 2.0})) << instancia;
    EXPECT_EQ(DameMiembro(area->RendCapMobiliario, 1240),
              (Miembros{1243.0 + segundo, 900.0, 300.0 + segundo, 40.0, 3.0}))
        << instancia;
    EXPECT_EQ(DameMiembro(area->BaseImponible, 600),
              (Miembros{1213.0 + segundo, 890.0, 280.0 + segundo, 40.0, 3.0}))
        << instancia;
    EXPECT_EQ(DameMiembro(area->Resultados, 5768), (Miembros{23225.0, 18003.0, 3603.0, 720.0, 900.0})) << instancia;
  }
}

TEST(Calculos100C, ElSubapartado8SeparaGananciasYPerdidas) {
  struct Caso {
    const char* nombre;
    std::vector<std::pair<std::uint8_t, double>> filas;
    Miembros resultado;
    Miembros positivo;
    Miembros negativo;
  };
  const std::vector<Caso> casos{
      {"a loss of the declarant",
       {{2, -10000.0}},
       {-10000.0, -10000.0, 0.0, 0.0, 0.0},
       {},
       {10000.0, 10000.0, 0.0, 0.0, 0.0}},
      {"a gain and a loss",
       {{2, 5000.0}, {3, -10000.0}},
       {-5000.0, 5000.0, -10000.0, 0.0, 0.0},
       {0.0, 5000.0, 0.0, 0.0, 0.0},
       {5000.0, 0.0, 10000.0, 0.0, 0.0}},
      {"a common loss, each half rounded toward zero",
       {{1, -3.0}},
       {-3.0, -1.0, -1.0, 0.0, 0.0},
       {},
       {3.0, 1.0, 1.0, 0.0, 0.0}},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonMiembro(area->RendCapMobiliario, 1512, {9.0, 9.0, 9.0, 9.0, 9.0});
    PonMiembro(area->RendCapMobiliario, 1552, {9.0, 9.0, 9.0, 9.0, 9.0});
    for (std::size_t i = 0; i < caso.filas.size(); ++i) {
      PonFila(area, 1592 + 16 * (i + 4), caso.filas[i].first, {{8, caso.filas[i].second}});
    }
    CalculaC(area, 8);
    EXPECT_EQ(DameMiembro(area->BaseImponible, 1656), caso.resultado) << caso.nombre;
    EXPECT_EQ(DameMiembro(area->RendCapMobiliario, 1512), caso.positivo) << caso.nombre;
    EXPECT_EQ(DameMiembro(area->RendCapMobiliario, 1552), caso.negativo) << caso.nombre;
  }
}

TEST(Calculos100C, SinUnBloqueNoHaceNada) {
  CAreaRenta area = AreaConFilas();
  const CAreaRenta antes = area;
  Calculos100C(nullptr, &area->Resultados, &area->BaseImponible, 1);
  Calculos100C(&area->RendCapMobiliario, nullptr, &area->BaseImponible, 1);
  Calculos100C(&area->RendCapMobiliario, &area->Resultados, nullptr, 1);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol::pruebas
