// Section M4: the thirty-nine deduction groups limited by shares of the quota left after section M,
// the running remainder they share, the block totals, the keys and the caller's per-person sums.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "AreaPrueba.h"
#include "bloques/RegApartadoM4.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

using Personas = std::array<double, 8>;  // the caller's block: five doubles are written, the rest is a sentinel

void Calcula(CAreaRenta& area, double* personas, int instancia = 1) {
  Calculos100M4(&area->ApartadoM4, &area->ApartadoK, &area->Liquidacion, &area->Resultados, &area->RendCapMobiliario,
                &area->ApartadoE2, personas, instancia);
}

void Calcula(CAreaRenta& area) {
  Personas personas{};
  Calcula(area, personas.data());
}

Miembros Declarante(double valor) { return {valor, valor, 0.0, 0.0, 0.0}; }

// The quota total of the liquidation; with nothing deducted by section M, the quota base of this section.
void PonCuota(CAreaRenta& area, const Miembros& cuota) { PonMiembro(area->Liquidacion, 1200, cuota); }

// An entry of the block: its member code and amounts at their distances from the code.
struct Importe {
  std::size_t distancia;
  double valor;
};

void PonEntrada(CAreaRenta& area, std::size_t codigo, std::uint8_t miembro, std::initializer_list<Importe> importes) {
  PonByte(area->ApartadoM4, codigo, miembro);
  for (const Importe& importe : importes) PonDouble(area->ApartadoM4, codigo + importe.distancia, importe.valor);
}

void Espera(const Miembros& obtenido, const Miembros& esperado) {
  for (std::size_t k = 0; k < esperado.size(); ++k) EXPECT_DOUBLE_EQ(obtenido[k], esperado[k]) << "slot " << k;
}

void EsperaM4(const CAreaRenta& area, std::size_t desplazamiento, const Miembros& esperado) {
  SCOPED_TRACE("RegApartadoM4 " + std::to_string(desplazamiento));
  Espera(DameMiembro(area->ApartadoM4, desplazamiento), esperado);
}

void EsperaResultados(const CAreaRenta& area, std::size_t desplazamiento, const Miembros& esperado) {
  SCOPED_TRACE("RegResultados " + std::to_string(desplazamiento));
  Espera(DameMiembro(area->Resultados, desplazamiento), esperado);
}

// ---- The groups, transcribed here once more from the block map ------------------------------------------------

struct ImporteGrupo {
  std::size_t distancia;
  double tipo = 1.0;
};

struct CasoGrupo {
  std::size_t pedido;
  std::size_t codigo1;
  std::size_t codigo2;
  std::vector<ImporteGrupo> importes;
  std::size_t admitido;
  std::size_t exceso;  // 0: none
  int bloque;
  double bajo = 0.0;  // computed groups: low and high rate
  double alto = 0.0;
};

const std::vector<CasoGrupo>& CasosGrupos() {
  static const std::vector<CasoGrupo> casos{
      {0, 40, 72, {{8}, {16}, {24}}, 4032, 0, 1},
      {104, 144, 176, {{8}, {16}, {24}}, 4072, 5688, 1},
      {208, 248, 264, {{8}}, 4112, 5728, 1},
      {280, 320, 336, {{8}}, 4152, 5768, 1},
      {352, 392, 416, {{8}, {16}}, 4192, 5808, 1},
      {440, 480, 504, {{8, 0.1}}, 4232, 5848, 1},
      {528, 568, 592, {{8, 0.05}}, 4272, 5888, 1},
      {616, 656, 696, {{32}}, 4312, 5928, 1},
      {736, 776, 808, {{24}}, 4352, 5968, 1, 0.2, 0.4},
      {840, 880, 904, {{8, 0.1}}, 4392, 6008, 1},
      {928, 968, 992, {{8, 0.25}}, 4432, 6048, 1},
      {1016, 1056, 1088, {{24}}, 4472, 6088, 1, 0.05, 0.1},
      {1120, 1160, 1176, {{8}}, 4512, 6128, 1},
      {1192, 1232, 1256, {{8, 0.15}}, 4552, 6168, 1},
      {1280, 1320, 1344, {{8, 0.15}}, 4592, 6208, 1},
      {1408, 1448, 1504, {{8}, {16}, {24}, {32}, {40}, {48}}, 4632, 0, 2},
      {1560, 1600, 1632, {{8}, {16}, {24}}, 4672, 6288, 2},
      {1664, 1704, 1720, {{8}}, 4712, 6328, 2},
      {1736, 1776, 1800, {{8}, {16}}, 4752, 6368, 2},
      {1824, 1864, 1880, {{8}}, 4792, 6408, 2},
      {1896, 1936, 1960, {{8}, {16}}, 4832, 6448, 2},
      {1984, 2024, 2048, {{8, 0.3}}, 4872, 6488, 2},
      {2072, 2112, 2136, {{8, 0.25}}, 4912, 6528, 2},
      {2160, 2200, 2240, {{32}}, 4952, 6568, 2},
      {2280, 2320, 2352, {{24}}, 4992, 6608, 2, 0.4, 0.72},
      {2384, 2424, 2448, {{8, 0.3}}, 5032, 6648, 2},
      {2472, 2512, 2536, {{8, 0.45}}, 5072, 6688, 2},
      {2560, 2600, 2632, {{24}}, 5112, 6728, 2, 0.25, 0.3},
      {2664, 2704, 2728, {{8, 0.25}}, 5152, 6768, 2},
      {2792, 2832, 2848, {{8}}, 5192, 0, 3},
      {2864, 2904, 2944, {{8}, {16}, {24}, {32}}, 5232, 6848, 3},
      {2984, 3024, 3056, {{8, 0.3}, {16, 0.45}}, 5272, 6888, 3},
      {3088, 3128, 3144, {{8}}, 5312, 0, 3},
      {3160, 3200, 3240, {{8}, {16}, {24}, {32}}, 5352, 6928, 3},
      {3280, 3320, 3344, {{8, 0.075}}, 5392, 6968, 3},
      {3368, 3408, 3432, {{8, 0.05}}, 5432, 7008, 3},
      {3456, 3496, 3520, {{16}}, 5472, 7048, 3},
      {3584, 3624, 3640, {{8}}, 5512, 0, 4},
      {3656, 3696, 3712, {{8}}, 5552, 7128, 4},
  };
  return casos;
}

constexpr std::array<std::size_t, 4> PedidoBloque{1368, 2752, 3544, 3728};
constexpr std::array<std::size_t, 4> AdmitidoBloque{40, 80, 120, 160};  // RegResultados
constexpr std::array<std::size_t, 4> ExcesoBloque{6248, 6808, 7088, 7168};

// Fills the group's two entries, the first for the declarant and the second for the spouse, and gives what each
// asks: different amounts at every distance (a computed group gets an amount above its threshold in the first entry
// and below it in the second).
std::array<double, 2> LlenaGrupo(CAreaRenta& area, const CasoGrupo& caso) {
  if (caso.bajo != 0.0) {
    PonEntrada(area, caso.codigo1, 2, {{8, 1000.0}, {16, 600.0}, {24, 99.0}});
    PonEntrada(area, caso.codigo2, 3, {{8, 10.0}, {16, 100.0}, {24, 99.0}});
    return {400.0 * caso.alto + 600.0 * caso.bajo, 10.0 * caso.bajo};
  }
  PonByte(area->ApartadoM4, caso.codigo1, 2);
  PonByte(area->ApartadoM4, caso.codigo2, 3);
  std::array<double, 2> pedido{};
  for (std::size_t k = 0; k < caso.importes.size(); ++k) {
    const double importe1 = 1000.0 * static_cast<double>(k + 1);
    const double importe2 = 10.0 * static_cast<double>(k + 1);
    PonDouble(area->ApartadoM4, caso.codigo1 + caso.importes[k].distancia, importe1);
    PonDouble(area->ApartadoM4, caso.codigo2 + caso.importes[k].distancia, importe2);
    pedido[0] += importe1 * caso.importes[k].tipo;
    pedido[1] += importe2 * caso.importes[k].tipo;
  }
  return pedido;
}

TEST(Seccion100M4, CadaGrupoLeeSusEntradasYSuTipoYCaeEnSuBloque) {
  for (const CasoGrupo& caso : CasosGrupos()) {
    SCOPED_TRACE("group " + std::to_string(caso.pedido));
    CAreaRenta area;
    PonCuota(area, Todos(1e12));  // no limit bites
    const std::array<double, 2> pedido = LlenaGrupo(area, caso);
    const Miembros esperado{pedido[0] + pedido[1], pedido[0], pedido[1], 0.0, 0.0};
    Personas personas{};
    Calcula(area, personas.data());

    EsperaM4(area, caso.pedido, esperado);
    EsperaM4(area, caso.admitido, esperado);
    if (caso.exceso != 0) EsperaM4(area, caso.exceso, Todos(0.0));
    const std::size_t bloque = static_cast<std::size_t>(caso.bloque - 1);
    for (std::size_t b = 0; b < 4; ++b) {
      EsperaM4(area, PedidoBloque[b], b == bloque ? esperado : Todos(0.0));
      EsperaResultados(area, AdmitidoBloque[b], b == bloque ? esperado : Todos(0.0));
    }
    Espera({personas[0], personas[1], personas[2], personas[3], personas[4]}, esperado);
  }
}

TEST(Seccion100M4, SinCuotaNadaSeAdmiteYTodoEsExceso) {
  CAreaRenta area;
  // Section M's deductions use up the quota.
  PonMiembro(area->Liquidacion, 1200, Todos(500000.0));
  PonMiembro(area->Liquidacion, 1240, Todos(300000.0));
  PonMiembro(area->Resultados, 0, Todos(200000.0));
  std::array<Miembros, 4> excesos{};
  for (const CasoGrupo& caso : CasosGrupos()) {
    const std::array<double, 2> pedido = LlenaGrupo(area, caso);
    const Miembros esperado{pedido[0] + pedido[1], pedido[0], pedido[1], 0.0, 0.0};
    if (caso.exceso == 0) continue;
    Miembros& total = excesos[static_cast<std::size_t>(caso.bloque - 1)];
    for (std::size_t k = 0; k < 5; ++k) total[k] += esperado[k];
  }
  Calcula(area);

  for (const CasoGrupo& caso : CasosGrupos()) {
    SCOPED_TRACE("group " + std::to_string(caso.pedido));
    EsperaM4(area, caso.admitido, Todos(0.0));
    if (caso.exceso != 0) {
      EXPECT_EQ(DameMiembro(area->ApartadoM4, caso.exceso), DameMiembro(area->ApartadoM4, caso.pedido));
    }
  }
  for (std::size_t b = 0; b < 4; ++b) {
    EsperaResultados(area, AdmitidoBloque[b], Todos(0.0));
    EsperaM4(area, ExcesoBloque[b], excesos[b]);
  }
}

TEST(Seccion100M4, LaCuotaBaseDescuentaLasDeduccionesDeMSalvoLaDe1280) {
  struct Caso {
    bool enResultados;
    std::size_t desplazamiento;
    double admitido;
  };
  const Caso casos[] = {
      {false, 1240, 900000.0}, {false, 1280, 1000000.0}, {false, 1320, 900000.0}, {false, 1360, 900000.0},
      {false, 1400, 900000.0}, {false, 1440, 900000.0},  {false, 1480, 900000.0}, {true, 0, 900000.0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.desplazamiento);
    CAreaRenta area;
    PonCuota(area, Declarante(1000000.0));
    if (caso.enResultados) {
      PonMiembro(area->Resultados, caso.desplazamiento, Declarante(100000.0));
    } else {
      PonMiembro(area->Liquidacion, caso.desplazamiento, Declarante(100000.0));
    }
    PonEntrada(area, 3624, 2, {{8, 5000000.0}});  // group 3584: limited only by what is left of the quota
    Calcula(area);
    EXPECT_EQ(DameMiembro(area->ApartadoM4, 5512), Declarante(caso.admitido));
  }
}

TEST(Seccion100M4, CadaPersonaTieneSuCuotaYLaUnidadSeReparteEnMitades) {
  CAreaRenta area;
  PonCuota(area, {1000000.0, 600000.0, 400000.0, 0.0, 0.0});
  PonMiembro(area->Liquidacion, 1240, {0.0, 0.0, 700000.0, 0.0, 0.0});  // more than the spouse's quota: base 0
  PonEntrada(area, 3696, 1, {{8, 1000001.0}});                            // group 3656, the unit: halves rounded
  PonEntrada(area, 3712, 4, {{8, 100000.0}});
  Calcula(area);
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 3656), (Miembros{1100001.0, 500001.0, 500001.0, 100000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 5552), (Miembros{1000000.0, 500001.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 7128), (Miembros{100001.0, 0.0, 500001.0, 100000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 7168), (Miembros{100001.0, 0.0, 500001.0, 100000.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 160), (Miembros{1000000.0, 500001.0, 0.0, 0.0, 0.0}));
}

TEST(Seccion100M4, UnPedidoIgualASuLimiteSeAdmiteEntero) {
  CAreaRenta area;
  PonCuota(area, Declarante(2000000.0));
  PonEntrada(area, 2704, 2, {{8, 4000000.0}});  // group 2664: 0.25 of it, exactly half the quota
  Calcula(area);
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 5152), Declarante(1000000.0));
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 6768), Declarante(0.0));

  CAreaRenta resto;
  PonCuota(resto, Declarante(2000000.0));
  PonEntrada(resto, 3696, 2, {{8, 2000000.0}});  // group 3656: exactly what is left
  Calcula(resto);
  EXPECT_EQ(DameMiembro(resto->ApartadoM4, 5552), Declarante(2000000.0));
  EXPECT_EQ(DameMiembro(resto->ApartadoM4, 7128), Declarante(0.0));
}

// ---- Computed entries -----------------------------------------------------------------------------------------

TEST(Seccion100M4, LasEntradasCalculadasAplicanElTipoAltoSobreElUmbral) {
  struct Caso {
    std::size_t pedido, codigo;
    double x, umbral, deduccion;
  };
  const Caso casos[] = {
      {736, 776, 1000000.0, 600000.0, 280000.0},  // 400,000 x 0.4 + 600,000 x 0.2
      {736, 776, 600000.0, 600000.0, 120000.0},   // at the threshold: all at the low rate
      {736, 808, 500000.0, 600000.0, 100000.0},   // second entry, below the threshold
      {1016, 1056, 1000000.0, 600000.0, 70000.0},
      {1016, 1088, 600000.0, 600000.0, 30000.0},
      {2280, 2320, 1000000.0, 600000.0, 528000.0},
      {2280, 2352, 500000.0, 600000.0, 200000.0},
      {2560, 2600, 1000000.0, 600000.0, 270000.0},
      {2560, 2632, 500000.0, 600000.0, 125000.0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.codigo);
    CAreaRenta area;
    PonCuota(area, Todos(1e9));
    PonEntrada(area, caso.codigo, 2, {{8, caso.x}, {16, caso.umbral}, {24, 123.0}});
    Calcula(area);
    EXPECT_DOUBLE_EQ(DameDouble(area->ApartadoM4, caso.codigo + 24), caso.deduccion);
    EsperaM4(area, caso.pedido, Declarante(caso.deduccion));
  }
}

TEST(Seccion100M4, UnaEntradaCalculadaSinCodigoTambienSeReescribe) {
  CAreaRenta area;
  PonEntrada(area, 808, 0, {{8, 1000.0}, {16, 0.0}, {24, 5.0}});
  Calcula(area);
  EXPECT_DOUBLE_EQ(DameDouble(area->ApartadoM4, 808 + 24), 400.0);
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 736), Todos(0.0));
}

// ---- Shared limits and their order ----------------------------------------------------------------------------

struct CasoImportes {
  std::vector<double> importes;  // the declarant's amounts at +8, +16, ...
  double admitido;
};

void PruebaImportesPropios(std::size_t codigo, std::size_t admitido, const std::vector<CasoImportes>& casos) {
  for (const CasoImportes& caso : casos) {
    SCOPED_TRACE(testing::PrintToString(caso.importes));
    CAreaRenta area;
    PonCuota(area, Declarante(1000000.0));
    PonByte(area->ApartadoM4, codigo, 2);
    for (std::size_t k = 0; k < caso.importes.size(); ++k) {
      PonDouble(area->ApartadoM4, codigo + 8 * (k + 1), caso.importes[k]);
    }
    Calcula(area);
    EsperaM4(area, admitido, Declarante(caso.admitido));
  }
}

TEST(Seccion100M4, LosImportesDelGrupo0TienenSuPropioLimite) {
  PruebaImportesPropios(40, 4032,
                        {
                            {{300000.0, 0.0, 0.0}, 250000.0},           // first amount: 0.25 of the quota
                            {{0.0, 300000.0, 0.0}, 250000.0},           // second amount: the same
                            {{200000.0, 200000.0, 0.0}, 350000.0},      // the group: 0.35
                            {{0.0, 0.0, 400000.0}, 350000.0},           // third amount: only the group's limit
                            {{100000.0, 100000.0, 100000.0}, 300000.0},
                        });
}

TEST(Seccion100M4, LosImportesDelGrupo1408TienenSusPropiosLimites) {
  PruebaImportesPropios(1448, 4632,
                        {
                            {{600000.0}, 550000.0},                                 // b1: 0.55
                            {{600000.0, 0.0, 0.0, 100000.0}, 600000.0},            // b4: 0.6 - b1
                            {{0.0, 560000.0, 0.0, 0.0, 100000.0}, 600000.0},       // b5: 0.6 - b2
                            {{300000.0, 0.0, 0.0, 400000.0}, 600000.0},            // b4 after a lowered b1
                            {{0.0, 0.0, 700000.0}, 650000.0},                      // b3: 0.65
                            {{0.0, 0.0, 0.0, 0.0, 0.0, 800000.0}, 700000.0},       // b6: the group's 0.7
                            {{400000.0, 400000.0}, 700000.0},
                        });
}

TEST(Seccion100M4, LosImportesDelGrupo1560TienenSuPropioLimite) {
  PruebaImportesPropios(1600, 4672,
                        {
                            {{650000.0}, 600000.0},
                            {{0.0, 650000.0}, 600000.0},
                            {{0.0, 0.0, 650000.0}, 650000.0},
                            {{500000.0, 300000.0}, 700000.0},
                        });
}

TEST(Seccion100M4, LaPrimeraParteDel35PorCientoSeReparteEnOrden) {
  CAreaRenta area;
  PonCuota(area, Declarante(1000000.0));
  PonEntrada(area, 40, 2, {{8, 300000.0}, {24, 20000.0}});   // group 0: 250,000 + 20,000
  PonEntrada(area, 144, 2, {{8, 10000.0}, {24, 100000.0}});  // group 104: 80,000 of the share left
  PonEntrada(area, 248, 2, {{8, 50000.0}});                   // group 208: nothing left
  PonEntrada(area, 320, 2, {{8, 100000.0}});                  // group 280 opens the second share
  PonEntrada(area, 392, 2, {{8, 200000.0}, {16, 100000.0}});  // group 352: 200,000 + 50,000
  PonEntrada(area, 480, 2, {{8, 100000.0}});                  // group 440: nothing left of the second share
  Calcula(area);
  EsperaM4(area, 0, Declarante(320000.0));
  EsperaM4(area, 4032, Declarante(270000.0));
  EsperaM4(area, 104, Declarante(110000.0));
  EsperaM4(area, 4072, Declarante(80000.0));
  EsperaM4(area, 5688, Declarante(30000.0));
  EsperaM4(area, 4112, Declarante(0.0));
  EsperaM4(area, 5728, Declarante(50000.0));
  EsperaM4(area, 4152, Declarante(100000.0));
  EsperaM4(area, 352, Declarante(300000.0));
  EsperaM4(area, 4192, Declarante(250000.0));
  EsperaM4(area, 5808, Declarante(50000.0));
  EsperaM4(area, 4232, Declarante(0.0));
  EsperaM4(area, 5848, Declarante(10000.0));
  EsperaM4(area, 1368, Declarante(890000.0));
  EsperaResultados(area, 40, Declarante(700000.0));
  EsperaM4(area, 6248, Declarante(140000.0));
}

TEST(Seccion100M4, LaPrimeraCadenaGastaLoQueQuedaDelLimite) {
  CAreaRenta area;
  PonCuota(area, Declarante(1000000.0));
  PonEntrada(area, 320, 2, {{8, 100000.0}});                     // group 280: 100,000 of the 0.35 share
  PonEntrada(area, 480, 2, {{8, 2000000.0}});                    // group 440: 200,000 asked and admitted
  PonEntrada(area, 568, 2, {{8, 2000000.0}});                    // group 528: 100,000 asked, 50,000 left
  PonEntrada(area, 656, 2, {{32, 10000.0}});                     // group 616: nothing left
  PonEntrada(area, 776, 2, {{8, 100000.0}, {16, 600000.0}});     // group 736: computed even when not admitted
  Calcula(area);
  EsperaM4(area, 4232, Declarante(200000.0));
  EsperaM4(area, 4272, Declarante(50000.0));
  EsperaM4(area, 5888, Declarante(50000.0));
  EsperaM4(area, 616, Declarante(10000.0));
  EsperaM4(area, 4312, Declarante(0.0));
  EsperaM4(area, 5928, Declarante(10000.0));
  EsperaM4(area, 736, Declarante(20000.0));
  EsperaM4(area, 5968, Declarante(20000.0));
  EsperaResultados(area, 40, Declarante(350000.0));
}

TEST(Seccion100M4, LaSegundaCadenaGastaLoQueQuedaDel70PorCiento) {
  CAreaRenta area;
  PonCuota(area, Declarante(1000000.0));
  PonEntrada(area, 1864, 2, {{8, 300000.0}});   // group 1824
  PonEntrada(area, 1936, 2, {{8, 100000.0}});   // group 1896: 300,000 of the share left for the chain
  PonEntrada(area, 2024, 2, {{8, 500000.0}});   // group 1984: 150,000
  PonEntrada(area, 2112, 2, {{8, 800000.0}});   // group 2072: 200,000 asked, 150,000 left
  PonEntrada(area, 2200, 2, {{32, 10000.0}});   // group 2160: nothing left
  PonEntrada(area, 2704, 2, {{8, 2400000.0}});  // group 2664: its own half, lowered to the 300,000 left
  Calcula(area);
  EsperaM4(area, 4792, Declarante(300000.0));
  EsperaM4(area, 4832, Declarante(100000.0));
  EsperaM4(area, 4872, Declarante(150000.0));
  EsperaM4(area, 4912, Declarante(150000.0));
  EsperaM4(area, 6528, Declarante(50000.0));
  EsperaM4(area, 4952, Declarante(0.0));
  EsperaM4(area, 6568, Declarante(10000.0));
  EsperaM4(area, 5152, Declarante(300000.0));
  EsperaM4(area, 6768, Declarante(300000.0));
  EsperaM4(area, 2752, Declarante(1360000.0));
  EsperaResultados(area, 80, Declarante(1000000.0));
  EsperaM4(area, 6808, Declarante(360000.0));
}

TEST(Seccion100M4, LasDosPartesDel25PorCiento) {
  CAreaRenta area;
  PonCuota(area, Declarante(1000000.0));
  PonEntrada(area, 2832, 2, {{8, 100000.0}});                    // group 2792
  PonEntrada(area, 3128, 2, {{8, 50000.0}});                     // group 3088
  PonEntrada(area, 2904, 2, {{8, 100000.0}, {16, 100000.0}});    // group 2864: 100,000 + 50,000
  PonEntrada(area, 3024, 2, {{8, 100000.0}, {16, 100000.0}});    // group 2984: 30,000 + 45,000, nothing left
  PonEntrada(area, 3200, 2, {{8, 100000.0}});                    // group 3160
  PonEntrada(area, 3320, 2, {{8, 1000000.0}});                   // group 3280: 75,000 of the 100,000 left
  PonEntrada(area, 3408, 2, {{8, 1000000.0}});                   // group 3368: 50,000 asked, 25,000 left
  PonEntrada(area, 3496, 2, {{16, 10000.0}});                    // group 3456: nothing left
  Calcula(area);
  EsperaM4(area, 5192, Declarante(100000.0));
  EsperaM4(area, 5312, Declarante(50000.0));
  EsperaM4(area, 5232, Declarante(150000.0));
  EsperaM4(area, 6848, Declarante(50000.0));
  EsperaM4(area, 2984, Declarante(75000.0));
  EsperaM4(area, 5272, Declarante(0.0));
  EsperaM4(area, 6888, Declarante(75000.0));
  EsperaM4(area, 5352, Declarante(100000.0));
  EsperaM4(area, 5392, Declarante(75000.0));
  EsperaM4(area, 5432, Declarante(25000.0));
  EsperaM4(area, 7008, Declarante(25000.0));
  EsperaM4(area, 5472, Declarante(0.0));
  EsperaM4(area, 7048, Declarante(10000.0));
  EsperaM4(area, 3544, Declarante(660000.0));
  EsperaResultados(area, 120, Declarante(500000.0));
  EsperaM4(area, 7088, Declarante(160000.0));
}

TEST(Seccion100M4, UnGrupoAnteriorConservaLoAdmitidoCuandoSeAcabaLoQueQueda) {
  CAreaRenta area;
  PonCuota(area, Declarante(1000000.0));
  PonEntrada(area, 40, 2, {{24, 350000.0}});     // group 0 first: 350,000
  PonEntrada(area, 1448, 2, {{48, 700000.0}});   // group 1408: its 0.7 lowered to the 650,000 left
  PonEntrada(area, 2832, 2, {{8, 100000.0}});    // group 2792: nothing left
  PonEntrada(area, 3624, 2, {{8, 100000.0}});    // group 3584: nothing left
  PonEntrada(area, 320, 2, {{8, 100000.0}});     // group 280: nothing left
  PonEntrada(area, 3696, 2, {{8, 100000.0}});    // group 3656: nothing left
  Calcula(area);
  EsperaM4(area, 4032, Declarante(350000.0));
  EsperaM4(area, 4632, Declarante(650000.0));
  EsperaM4(area, 5192, Declarante(0.0));
  EsperaM4(area, 5512, Declarante(0.0));
  EsperaM4(area, 4152, Declarante(0.0));
  EsperaM4(area, 5768, Declarante(100000.0));
  EsperaM4(area, 7128, Declarante(100000.0));
  EsperaResultados(area, 40, Declarante(350000.0));
  EsperaResultados(area, 80, Declarante(650000.0));
  EsperaResultados(area, 120, Declarante(0.0));
  EsperaResultados(area, 160, Declarante(0.0));
}

TEST(Seccion100M4, LosImportesSueltosSeAdmitenIntercaladosConLosGrupos) {
  CAreaRenta area;
  PonCuota(area, Declarante(1000000.0));
  PonEntrada(area, 40, 2, {{24, 350000.0}});     // group 0
  PonEntrada(area, 1448, 2, {{48, 600000.0}});   // group 1408: 50,000 left
  PonEntrada(area, 2904, 2, {{8, 20000.0}, {16, 20000.0}, {24, 20000.0}});  // group 2864
  PonEntrada(area, 392, 2, {{8, 20000.0}});      // group 352
  Calcula(area);
  // The first and second amounts of 2864 come before the first of 352, which takes the last 10,000; its third
  // amount then finds nothing.
  EsperaM4(area, 5232, Declarante(40000.0));
  EsperaM4(area, 6848, Declarante(20000.0));
  EsperaM4(area, 4192, Declarante(10000.0));
  EsperaM4(area, 5808, Declarante(10000.0));
}

// ---- Keys -----------------------------------------------------------------------------------------------------

TEST(Seccion100M4, LasClavesDeLasEntradas) {
  struct Caso {
    std::uint8_t codigo1;
    char clave1;
    std::uint8_t codigo2;
    char clave2;
    std::array<char, 3> esperado;
  };
  const Caso casos[] = {
      {2, 'A', 3, 'B', {'5', 'A', 'B'}},
      {2, 'A', 3, ' ', {'A', 'A', ' '}},
      {2, ' ', 3, 'B', {'B', ' ', 'B'}},
      {2, '\0', 3, 'B', {'B', '\0', 'B'}},
      {2, 'A', 2, 'B', {'5', 'A', ' '}},  // the same code: the first entry's key stays
      {3, 'A', 3, 'A', {'A', ' ', 'A'}},  // equal keys
      {3, 'A', 2, 'B', {'5', 'B', 'A'}},
      {1, 'A', 4, 'B', {'5', ' ', ' '}},  // other codes place nothing
      {2, ' ', 3, ' ', {' ', ' ', ' '}},
      {0, '\0', 0, '\0', {'\0', ' ', ' '}},
  };
  // Entries of 32 bytes at 3808 and 3840, keys at 5632; entries of 40 bytes at 3912 and 3952, keys at 5680.
  const std::array<std::array<std::size_t, 3>, 2> sitios{{{3808, 3840, 5632}, {3912, 3952, 5680}}};
  for (const auto& sitio : sitios) {
    for (const Caso& caso : casos) {
      SCOPED_TRACE(std::to_string(sitio[2]) + ": " + std::to_string(caso.codigo1) + caso.clave1 + "/" +
                   std::to_string(caso.codigo2) + caso.clave2);
      CAreaRenta area;
      PonByte(area->ApartadoM4, sitio[0], caso.codigo1);
      PonByte(area->ApartadoM4, sitio[0] + 24, static_cast<std::uint8_t>(caso.clave1));
      PonByte(area->ApartadoM4, sitio[1], caso.codigo2);
      PonByte(area->ApartadoM4, sitio[1] + 24, static_cast<std::uint8_t>(caso.clave2));
      Calcula(area);
      for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(DameByte(area->ApartadoM4, sitio[2] + i), static_cast<std::uint8_t>(caso.esperado[i])) << i;
      }
    }
  }
}

// ---- Entries without a limit and the caller's sums ------------------------------------------------------------

TEST(Seccion100M4, LasSumasPorPersonaSonLoPedido) {
  CAreaRenta area;
  PonCuota(area, Todos(100000.0));
  PonEntrada(area, 480, 2, {{8, 1000000.0}});                         // group 440: 100,000 asked (block 1)
  PonEntrada(area, 1448, 3, {{8, 2000000.0}});                        // group 1408 (block 2)
  PonEntrada(area, 2832, 4, {{8, 300000.0}});                         // group 2792 (block 3)
  PonEntrada(area, 3696, 5, {{8, 40000.0}});                          // group 3656 (block 4)
  PonEntrada(area, 3808, 2, {{8, 5000.0}, {16, 111.0}});              // entries A
  PonEntrada(area, 3840, 3, {{8, 600.0}, {16, 222.0}});
  PonEntrada(area, 3912, 1, {{8, 70.0}, {16, 333.0}, {32, 444.0}});   // entries B
  PonEntrada(area, 3952, 5, {{8, 8.0}, {16, 555.0}, {32, 666.0}});
  PonByte(area->Resultados, 312, 2);
  PonDouble(area->Resultados, 320, 9000.0);
  PonDouble(area->Resultados, 328, 777.0);  // the income figure is not asked
  PonByte(area->Resultados, 336, 4);
  PonDouble(area->Resultados, 344, 3.0);
  Personas personas{};
  personas.fill(-7.0);
  Calcula(area, personas.data());

  EsperaM4(area, 3768, {5600.0, 5000.0, 600.0, 0.0, 0.0});
  EsperaM4(area, 5592, {333.0, 111.0, 222.0, 0.0, 0.0});
  EsperaM4(area, 3872, {78.0, 35.0, 35.0, 0.0, 8.0});
  EsperaM4(area, 5640, {888.0, 167.0, 167.0, 0.0, 555.0});
  EsperaM4(area, 7208, {1110.0, 222.0, 222.0, 0.0, 666.0});
  EsperaM4(area, 3992, {9003.0, 9000.0, 0.0, 3.0, 0.0});
  const Personas esperado{100000.0 + 2000000.0 + 300000.0 + 40000.0 + 5600.0 + 78.0 + 9003.0,
                          5000.0 + 35.0 + 9000.0 + 100000.0,
                          2000000.0 + 600.0 + 35.0,
                          300000.0 + 3.0,
                          40000.0 + 8.0,
                          -7.0,
                          -7.0,
                          -7.0};
  for (std::size_t i = 0; i < personas.size(); ++i) EXPECT_DOUBLE_EQ(personas[i], esperado[i]) << i;
}

TEST(Seccion100M4, OtraInstanciaSoloBorraLasSumasPorPersona) {
  for (int instancia : {2, 0, -1, 3}) {
    SCOPED_TRACE(instancia);
    CAreaRenta area;
    PonCuota(area, Todos(100000.0));
    PonEntrada(area, 3624, 2, {{8, 5000.0}});
    PonMiembro(area->ApartadoM4, 3584, Todos(1.0));  // left from an earlier calculation
    PonMiembro(area->Resultados, 160, Todos(2.0));
    const CAreaRenta antes = area;
    Personas personas{};
    personas.fill(7.0);
    Calcula(area, personas.data(), instancia);
    EXPECT_TRUE(area == antes);
    EXPECT_EQ(personas, (Personas{0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 7.0, 7.0}));
  }
}

TEST(Seccion100M4, SinUnBloqueNoCalculaNada) {
  CAreaRenta area;
  PonCuota(area, Todos(100000.0));
  PonEntrada(area, 3624, 2, {{8, 5000.0}});
  const CAreaRenta antes = area;
  Personas personas{};
  personas.fill(7.0);
  Calculos100M4(nullptr, &area->ApartadoK, &area->Liquidacion, &area->Resultados, nullptr, nullptr, personas.data(),
                1);
  Calculos100M4(&area->ApartadoM4, &area->ApartadoK, nullptr, &area->Resultados, nullptr, nullptr, personas.data(),
                1);
  Calculos100M4(&area->ApartadoM4, &area->ApartadoK, &area->Liquidacion, nullptr, nullptr, nullptr, personas.data(),
                1);
  EXPECT_TRUE(area == antes);
  EXPECT_EQ(personas, (Personas{0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 7.0, 7.0}));

  // The blocks that are not read may be missing, and so may the caller's sums.
  Calculos100M4(&area->ApartadoM4, nullptr, &area->Liquidacion, &area->Resultados, nullptr, nullptr, nullptr, 1);
  EXPECT_EQ(DameMiembro(area->ApartadoM4, 5512), Declarante(5000.0));
}

// A section whose entries have no member code is written without the group steps; it must come out byte for byte as
// the steps leave it. A code that is not a member code (6) takes the steps and distributes nothing, so the same block
// with one such code is the reference. Every other byte is left over from anywhere: amounts, sums, excesses, quota.
TEST(Seccion100M4, SinCodigosDeMiembroQuedaComoTrasLosPasos) {
  for (unsigned semilla = 1; semilla <= 40; ++semilla) {
    SCOPED_TRACE(semilla);
    std::mt19937 azar(semilla);
    std::uniform_int_distribution<int> clase(0, 9);
    std::uniform_real_distribution<double> importe(-2000000.0, 2000000.0);
    CAreaRenta area;
    auto rellena = [&](auto& bloque) {
      for (std::size_t d = 0; d + 8 <= sizeof(bloque); d += 8) {
        const int c = clase(azar);
        PonDouble(bloque, d, c == 0 ? -0.0 : c <= 3 ? 0.0 : c <= 5 ? std::trunc(importe(azar)) : importe(azar));
      }
    };
    rellena(area->ApartadoM4);
    rellena(area->Liquidacion);
    rellena(area->Resultados);
    for (const ApartadoM4::GrupoDeduccion& g : ApartadoM4::Grupos) {
      for (std::size_t codigo : g.codigos) PonByte(area->ApartadoM4, codigo, 0);
    }
    CAreaRenta conPasos = area;
    const std::size_t codigoAjeno = ApartadoM4::Grupos[semilla % ApartadoM4::Grupos.size()].codigos[semilla % 2];
    PonByte(conPasos->ApartadoM4, codigoAjeno, 6);

    Personas personas{};
    Personas personasConPasos{};
    Calcula(area, personas.data());
    Calcula(conPasos, personasConPasos.data());
    PonByte(conPasos->ApartadoM4, codigoAjeno, 0);
    EXPECT_EQ(std::memcmp(&area->ApartadoM4, &conPasos->ApartadoM4, sizeof(RegApartadoM4)), 0);
    EXPECT_EQ(std::memcmp(&area->Resultados, &conPasos->Resultados, sizeof(RegResultados)), 0);
    EXPECT_EQ(std::memcmp(personas.data(), personasConPasos.data(), sizeof personas), 0);
    for (const ApartadoM4::GrupoDeduccion& g : ApartadoM4::Grupos) {
      for (double admitido : DameMiembro(area->ApartadoM4, g.admitido)) {
        EXPECT_EQ(admitido, 0.0);
        EXPECT_FALSE(std::signbit(admitido));
      }
    }
  }
}

}  // namespace
}  // namespace ximardol
