// Section D, block D5: agricultural activities.
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

// Start of activity row 0 to 3 inside RegApartadoD5.
constexpr std::size_t Fila(std::size_t fila) { return 16 + 2064 * fila; }

void CalculaD5(CAreaRenta& area, int instancia = 5) {
  Calculos100D5(&area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD3, &area->BaseImponible, &area->ApartadoD4,
                &area->ApartadoD5, instancia);
}

double Campo(const CAreaRenta& area, std::size_t fila, std::size_t enFila) {
  return DameDouble(area->ApartadoD5, Fila(fila) + enFila);
}

void Pon(CAreaRenta& area, std::size_t fila, std::initializer_list<std::pair<std::size_t, double>> valores) {
  for (const auto& [enFila, valor] : valores) PonDouble(area->ApartadoD5, Fila(fila) + enFila, valor);
}

// The head of a row: kind character, member code, percentage.
void PonCabecera(CAreaRenta& area, std::size_t fila, char tipo, std::uint8_t codigo, double porcentaje = 0.0) {
  PonByte(area->ApartadoD5, Fila(fila), static_cast<std::uint8_t>(tipo));
  PonByte(area->ApartadoD5, Fila(fila) + 8, codigo);
  PonDouble(area->ApartadoD5, Fila(fila) + 16, porcentaje);
}

// A product item at its row offset: volume, index, yield.
void PonItem(CAreaRenta& area, std::size_t fila, std::size_t item, double volumen, double indice = 0.0,
             double rendimiento = 0.0) {
  Pon(area, fila, {{item, volumen}, {item + 8, indice}, {item + 16, rendimiento}});
}

// The 8 bytes of an index text, NULs included.
std::string TextoIndice(const CAreaRenta& area, std::size_t fila, std::size_t enFila) {
  const auto* octetos = reinterpret_cast<const char*>(&area->ApartadoD5) + Fila(fila) + enFila;
  return std::string(octetos, 8);
}

std::string Relleno(std::string texto) {
  texto.resize(8, '\0');
  return texto;
}

// ---- Product groups and their index texts -------------------------------------------------------------------

struct CasoIndice {
  const char* nombre;
  std::vector<std::pair<std::size_t, double>> indices;  // item offset, index
  std::size_t texto;
  std::string esperado;
};

TEST(Calculos100D5, TextoDelIndiceComunDeCadaGrupo) {
  const std::vector<CasoIndice> casos{
      {"igual y un cero", {{232, 0.26}, {256, 0.26}, {280, 0.0}}, 312, "0,26"},
      {"distintos", {{232, 0.26}, {256, 0.3}}, 312, "VARIOS"},
      {"ninguno positivo", {{232, 0.0}, {256, 0.0}, {280, 0.0}}, 312, ""},
      {"el primero cero toma el siguiente", {{256, 0.4}, {280, 0.4}}, 312, "0,4"},
      {"grupo 1: el item 5 es el candidato", {{160, 0.12}, {64, 0.12}, {184, 0.12}}, 208, "0,12"},
      {"grupo 1: un item distinto", {{160, 0.12}, {64, 0.13}}, 208, "VARIOS"},
      {"grupo 3: tierras propias y arrendadas", {{416, 0.3}, {336, 0.3}, {384, 0.3}}, 504, "0,3"},
      {"grupo 3: arrendadas distintas", {{416, 0.3}, {336, 0.35}}, 504, "VARIOS"},
      {"grupo 13", {{1752, 0.55}}, 1808, "0,55"},
      // The candidate is taken as it stands, the others cut to two decimals: the order shows.
      {"grupo 1: el item 5 va primero", {{160, 0.125}, {64, 0.12}}, 208, "VARIOS"},
      {"grupo 3: el item 4 va primero", {{416, 0.305}, {336, 0.3}}, 504, "VARIOS"},
      {"grupo 2: el item 1 va primero", {{232, 0.265}, {256, 0.26}}, 312, "VARIOS"},
      {"grupo 2: los demas se cortan", {{232, 0.26}, {256, 0.265}}, 312, "0,26"},
  };
  for (const CasoIndice& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonTexto(area->ApartadoD5, Fila(2) + caso.texto, "XXXXXXXX");  // a stale text is overwritten whole
    for (const auto& [item, indice] : caso.indices) PonDouble(area->ApartadoD5, Fila(2) + item + 8, indice);
    CalculaD5(area);
    EXPECT_EQ(TextoIndice(area, 2, caso.texto), Relleno(caso.esperado));
  }
}

TEST(Calculos100D5, SumasDeLosGruposYTotalesDeLaFila) {
  CAreaRenta area;
  PonCabecera(area, 1, '6', 0);
  // Group 1: six items; group 3: items on own and on leased land; group 13: three items.
  for (std::size_t k = 0; k < 6; ++k) PonItem(area, 1, 64 + 24 * k, 1000.0 * (k + 1), 0.0, 10.0 * (k + 1));
  for (std::size_t item : {336u, 360u, 384u, 416u, 440u, 464u}) PonItem(area, 1, item, 100.0, 0.0, 0.25);
  PonItem(area, 1, 1776, 7.0, 0.0, 0.2);
  Pon(area, 1, {{1840, 100.0}});  // entered for this kind
  CalculaD5(area);

  EXPECT_EQ(Campo(area, 1, 56), 21000.0);
  EXPECT_EQ(Campo(area, 1, 216), 210.0);
  EXPECT_EQ(Campo(area, 1, 328), 600.0);
  EXPECT_EQ(Campo(area, 1, 512), 1.5);
  EXPECT_EQ(Campo(area, 1, 1720), 7.0);
  EXPECT_DOUBLE_EQ(Campo(area, 1, 1816), 0.2);
  EXPECT_EQ(Campo(area, 1, 1824), 21607.0);
  EXPECT_EQ(Campo(area, 1, 1832), 212.0);  // round(211.7)
  EXPECT_EQ(Campo(area, 1, 1840), 100.0);
  EXPECT_EQ(Campo(area, 1, 1896), 112.0);
}

TEST(Calculos100D5, TotalDeDeduccionesSoloSeSumaEnLosTipos1_2Y5) {
  for (const char tipo : {'1', '2', '3', '4', '5', '6', '7'}) {
    SCOPED_TRACE(tipo);
    CAreaRenta area;
    PonCabecera(area, 0, tipo, 0);
    Pon(area, 0, {{1840, 200000.0}, {1856, 1.0}, {1864, 2.0}, {1872, 4.0}, {1880, 8.0}, {1888, 16.0}});
    PonItem(area, 0, 232, 0.0, 0.0, 1000.0);
    CalculaD5(area);
    const bool sumado = tipo == '1' || tipo == '2' || tipo == '5';
    EXPECT_EQ(Campo(area, 0, 1840), sumado ? 31.0 : 200000.0);
    EXPECT_EQ(Campo(area, 0, 1896), sumado ? 969.0 : -199000.0);
  }
}

// ---- Partial yields by kind and the indices -------------------------------------------------------------------

TEST(Calculos100D5, RendimientosParcialesPorTipoDeActividad) {
  struct Caso {
    char tipo;
    double tierrasArrendadas;
    double rendimiento;  // 1944 = round(round(A + B + C + D) x 0.98)
  };
  const std::vector<Caso> casos{
      {'1', 0.9, 505246252.0},  // A 4224, B 256 x 0.9, C 181251, D 329852 (thousands)
      {'2', 0.9, 505246252.0}, {'5', 0.9, 505246252.0},
      {'3', 0.0, 385351680.0},  // x13 + x12
      {'4', 0.0, 321126400.0},  // x13 + x11
      {'6', 0.0, 188284460.0},  // group 1's six yields, x of 2, 4, 5, 7, 9, 12, z of 3 and 6
      {'7', 0.0, 2069760.0},    // x5 + x2
      {'8', 0.0, 0.0},   {'\0', 0.0, 0.0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.tipo);
    CAreaRenta area;
    PonCabecera(area, 3, caso.tipo, 0);
    const double mil = 1000.0;
    for (std::size_t k = 0; k < 6; ++k) PonItem(area, 3, 64 + 24 * k, 0.0, 0.0, mil * (1u << k));
    Pon(area, 3,
        {{304, 64 * mil},     {408, 128 * mil},    {488, 256 * mil},   {496, 512 * mil},   {600, 1024 * mil},
         {704, 2048 * mil},   {808, 4096 * mil},   {896, 8192 * mil},  {1000, 16384 * mil}, {1296, 32768 * mil},
         {1592, 65536 * mil}, {1696, 131072 * mil}, {1800, 262144 * mil}});
    CalculaD5(area);
    EXPECT_EQ(Campo(area, 3, 1944), caso.rendimiento);
    EXPECT_EQ(Campo(area, 3, 1920), caso.tierrasArrendadas);
    EXPECT_EQ(Campo(area, 3, 1904), 0.0);
    EXPECT_EQ(Campo(area, 3, 1912), 0.0);  // no volume, no staff index
  }
}

TEST(Calculos100D5, IndiceDeCostesDePersonal) {
  struct Caso {
    double coste;
    double volumen;
    double indice;
    double rendimiento;
  };
  const std::vector<Caso> casos{
      {0.0, 1000000.0, 0.0, 980000.0},       {100000.0, 1000000.0, 0.0, 980000.0},
      {100001.0, 1000000.0, 0.9, 882000.0},  {200000.0, 1000000.0, 0.9, 882000.0},
      {250000.0, 1000000.0, 0.85, 833000.0}, {300000.0, 1000000.0, 0.85, 833000.0},
      {300001.0, 1000000.0, 0.8, 784000.0},  {400000.0, 1000000.0, 0.8, 784000.0},
      {400001.0, 1000000.0, 0.75, 735000.0}, {500000.0, 0.0, 0.0, 980000.0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.coste);
    CAreaRenta area;
    PonCabecera(area, 0, '7', 2);
    PonItem(area, 0, 232, caso.volumen);
    Pon(area, 0, {{304, 1000000.0}, {40, caso.coste}});
    CalculaD5(area);
    EXPECT_EQ(Campo(area, 0, 1912), caso.indice);
    EXPECT_EQ(Campo(area, 0, 1944), caso.rendimiento);
    EXPECT_EQ(Campo(area, 0, 1936), 0.0);
  }
}

// Kind "1" with partial yields on own (A) and leased (B) land only, staff costs of 25 % of the volume.
TEST(Calculos100D5, MediosAjenosPersonalYTierrasArrendadas) {
  struct Caso {
    std::uint8_t mediosAjenos;
    double indiceMedios;
    double indicePersonal;
    double rendimiento;
  };
  const std::vector<Caso> casos{
      // 0.75 on A and B; no staff index then, as C + D is 0; B x 0.9.
      {1, 0.75, 0.0, 867300.0},
      // Staff index on all four: A 850000, B 170000 x 0.9.
      {0, 0.0, 0.85, 982940.0},
      {255, 0.0, 0.85, 982940.0},
      // Any other value: the staff index only touches C and D.
      {2, 0.0, 0.85, 1156400.0},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(static_cast<int>(caso.mediosAjenos));
    CAreaRenta area;
    PonCabecera(area, 0, '1', 0);
    PonByte(area->ApartadoD5, Fila(0) + 34, caso.mediosAjenos);
    PonItem(area, 0, 336, 5000000.0);
    PonItem(area, 0, 416, 1000000.0);
    Pon(area, 0, {{408, 1000000.0}, {488, 200000.0}, {40, 1500000.0}});
    CalculaD5(area);
    EXPECT_EQ(Campo(area, 0, 1904), caso.indiceMedios);
    EXPECT_EQ(Campo(area, 0, 1912), caso.indicePersonal);
    EXPECT_EQ(Campo(area, 0, 1920), 0.9);
    EXPECT_EQ(Campo(area, 0, 1944), caso.rendimiento);
    EXPECT_EQ(Campo(area, 0, 1952), 0.0);  // under 105 % of the reference yield
  }
}

TEST(Calculos100D5, PiensosAdquiridosSoloEnLosTipos1_2Y5ConC) {
  for (const char tipo : {'1', '2', '5', '6'}) {
    SCOPED_TRACE(tipo);
    CAreaRenta area;
    PonCabecera(area, 0, tipo, 0);
    PonByte(area->ApartadoD5, Fila(0) + 35, 1);
    Pon(area, 0, {{600, 100000.0}});  // x of group 4: C for kinds 1, 2, 5, D for kind 6
    CalculaD5(area);
    const bool piensos = tipo != '6';
    EXPECT_EQ(Campo(area, 0, 1928), piensos ? 0.8 : 0.0);
    EXPECT_EQ(Campo(area, 0, 1944), piensos ? 78400.0 : 98000.0);
  }
  CAreaRenta sinC;
  PonCabecera(sinC, 0, '1', 0);
  PonByte(sinC->ApartadoD5, Fila(0) + 35, 1);
  Pon(sinC, 0, {{600, 100000.0}, {1880, 100000.0}});  // C = x4 - c = 0
  CalculaD5(sinC);
  EXPECT_EQ(Campo(sinC, 0, 1928), 0.0);
}

// ---- Limit by the reference yield -----------------------------------------------------------------------------

TEST(Calculos100D5, ElTipo3NoTieneLimiteNiMediosAjenos) {
  struct Caso {
    char tipo;
    double indiceMedios;
    double rendimiento;
    double exceso;
  };
  const std::vector<Caso> casos{
      // A = x3 x 0.75, D = x13; reference: group 13's 100,000 x 0.55 = 55,000, x 1.05 = 57,750.
      {'1', 0.75, 2695000.0, 2637250.0},
      {'3', 0.0, 1960000.0, 0.0},  // D = x13 + x12
      {'4', 0.0, 1960000.0, 0.0},  // D = x13 + x11
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.tipo);
    CAreaRenta area;
    PonCabecera(area, 0, caso.tipo, 0);
    PonByte(area->ApartadoD5, Fila(0) + 34, 1);
    PonItem(area, 0, 1728, 100000.0);
    Pon(area, 0, {{408, 1000000.0}, {1800, 2000000.0}});
    CalculaD5(area);
    EXPECT_EQ(Campo(area, 0, 1904), caso.indiceMedios);
    EXPECT_EQ(Campo(area, 0, 1944), caso.rendimiento);
    EXPECT_EQ(Campo(area, 0, 1952), caso.exceso);
    EXPECT_EQ(Campo(area, 0, 1960), caso.rendimiento - caso.exceso);
  }
}

// The reference yield shows as 1960 when the yield is far above it: 1960 = 105 % of the rounded reference.
TEST(Calculos100D5, RendimientoDeReferencia) {
  struct Caso {
    const char* nombre;
    std::uint8_t mediosAjenos;
    std::uint8_t piensos;
    double coste;
    double limite;
  };
  // Y3 = 12000 (group 1, items 1 and 2) + 24000 (group 4); Y4 = 12000 (group 1, items 3 to 6); Y5 = 55000 (group
  // 13); Y6 = 240000 + 216000 (group 3, own and leased land). Groups 2, 5 and 11 count for nothing, neither in the
  // yield nor in the staff share (600,000 / 2,400,000 = 25 %: index 0.85).
  const std::vector<Caso> casos{
      {"sin indices", 0, 0, 0.0, 559000.0 * 1.05},
      {"medios ajenos", 1, 0, 0.0, 445000.0 * 1.05},
      {"piensos", 0, 1, 0.0, 551800.0 * 1.05},
      {"personal", 0, 0, 600000.0, 475150.0 * 1.05},
      {"personal con medios ajenos", 1, 0, 600000.0, 429550.0 * 1.05},
      {"personal y piensos", 0, 1, 600000.0, 469030.0 * 1.05},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonCabecera(area, 1, '1', 0);
    PonByte(area->ApartadoD5, Fila(1) + 34, caso.mediosAjenos);
    PonByte(area->ApartadoD5, Fila(1) + 35, caso.piensos);
    PonItem(area, 1, 88, 100000.0);
    PonItem(area, 1, 160, 100000.0);
    PonItem(area, 1, 256, 5000000.0);
    PonItem(area, 1, 360, 1000000.0);
    PonItem(area, 1, 464, 1000000.0);
    PonItem(area, 1, 552, 100000.0);
    PonItem(area, 1, 680, 3000000.0);
    PonItem(area, 1, 1568, 3000000.0);
    PonItem(area, 1, 1752, 100000.0);
    Pon(area, 1, {{40, caso.coste}, {1800, 100000000.0}});
    CalculaD5(area);
    EXPECT_DOUBLE_EQ(Campo(area, 1, 1960), caso.limite);
    EXPECT_DOUBLE_EQ(Campo(area, 1, 1952), Campo(area, 1, 1944) - caso.limite);
  }
}

// A whole row of kind "1": every index, the limit by the reference yield, both reductions.
TEST(Calculos100D5, FilaCompletaConLimiteYReducciones) {
  CAreaRenta area;
  PonCabecera(area, 0, '1', 1);
  PonByte(area->ApartadoD5, Fila(0) + 33, 1);  // general reduction of 12 %
  PonByte(area->ApartadoD5, Fila(0) + 35, 1);  // bought feed
  PonByte(area->ApartadoD5, Fila(0) + 48, 1);  // reduction of 25 %
  PonItem(area, 0, 64, 100000.0, 0.0, 12000.0);
  PonItem(area, 0, 88, 100000.0, 0.0, 12000.0);
  PonItem(area, 0, 112, 50000.0, 0.0, 6000.0);
  PonItem(area, 0, 136, 50000.0, 0.0, 6000.0);
  PonItem(area, 0, 232, 999999.0);  // group 2 does not count in the reference yield
  PonItem(area, 0, 336, 1000000.0);
  PonItem(area, 0, 416, 500000.0);
  PonItem(area, 0, 528, 200000.0);
  PonItem(area, 0, 1728, 100000.0);
  Pon(area, 0,
      {{40, 420000.0}, {304, 100000.0}, {408, 400000.0}, {488, 100000.0}, {600, 50000.0}, {1800, 50000.0},
       {1856, 10000.0}, {1968, 1000.0}, {2008, 732.0}});
  CalculaD5(area);

  EXPECT_EQ(Campo(area, 0, 1824), 3099999.0);
  EXPECT_EQ(Campo(area, 0, 1832), 36000.0);
  EXPECT_EQ(Campo(area, 0, 1840), 10000.0);
  EXPECT_EQ(Campo(area, 0, 1896), 26000.0);
  EXPECT_EQ(Campo(area, 0, 1904), 0.0);
  EXPECT_EQ(Campo(area, 0, 1912), 0.9);  // 420,000 / 3,099,999
  EXPECT_EQ(Campo(area, 0, 1920), 0.9);
  EXPECT_EQ(Campo(area, 0, 1928), 0.8);
  EXPECT_EQ(Campo(area, 0, 1936), 0.0);
  // A 390000, B 100000, C 74000, D 162000; x 0.9; B x 0.9; C x 0.8: 631080 x 0.98.
  EXPECT_EQ(Campo(area, 0, 1944), 618458.0);
  // Reference: Y3 (24000 + 48000) x 0.9 x 0.8, Y4 12000 x 0.9, Y5 55000 x 0.9, Y6 348000 x 0.9 = 425340; x 1.05.
  EXPECT_EQ(Campo(area, 0, 1952), 171851.0);
  EXPECT_EQ(Campo(area, 0, 1960), 446607.0);
  EXPECT_EQ(Campo(area, 0, 1976), 445607.0);
  EXPECT_EQ(Campo(area, 0, 1984), 53473.0);
  EXPECT_EQ(Campo(area, 0, 1992), 111402.0);
  EXPECT_EQ(Campo(area, 0, 2000), 280732.0);
  EXPECT_EQ(Campo(area, 0, 2016), 280000.0);
  EXPECT_EQ(Campo(area, 0, 2040), 0.0);
  EXPECT_EQ(Campo(area, 0, 2048), 0.0);
  EXPECT_EQ(Campo(area, 0, 2056), 0.0);
  // Member code 1 counts in the totals only.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 800), (Miembros{3099999.0, 0.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 840), (Miembros{280000.0, 0.0, 0.0, 0.0, 0.0}));
}

TEST(Calculos100D5, RendimientoNegativoSinReducciones) {
  CAreaRenta area;
  PonCabecera(area, 0, '7', 2);
  PonByte(area->ApartadoD5, Fila(0) + 48, 1);
  PonItem(area, 0, 632, 500000.0);
  Pon(area, 0, {{1840, 100000.0}});
  CalculaD5(area);
  EXPECT_EQ(Campo(area, 0, 1944), -100000.0);  // not multiplied by 0.98
  EXPECT_EQ(Campo(area, 0, 1984), 0.0);
  EXPECT_EQ(Campo(area, 0, 1992), 0.0);
  EXPECT_EQ(Campo(area, 0, 2016), -100000.0);
  EXPECT_EQ(Campo(area, 0, 1936), 0.0);  // a negative total is no small yield
  EXPECT_EQ(DameMiembro(area->BaseImponible, 840), (Miembros{-100000.0, -100000.0, 0.0, 0.0, 0.0}));
}

// ---- Small yields: the second pass ----------------------------------------------------------------------------

// A row of kind "7" held directly: volume and x of group 5 of 1,000,000, its item's yield as given (the yield
// minus deductions that counts for the small-yield limit). First pass: 1944 = 980,000, final yield 911,400; with
// the index 0.9: 1944 = 882,000, final yield 820,260.
void PonFilaPequena(CAreaRenta& area, std::size_t fila, std::uint8_t codigo, double rendimiento,
                    double porcentaje = 0.0) {
  PonCabecera(area, fila, '7', codigo, porcentaje);
  PonItem(area, fila, 632, 1000000.0, 0.0, rendimiento);
  Pon(area, fila, {{704, 1000000.0}});
}

TEST(Calculos100D5, RendimientosReducidosDelDeclaranteHasta1500000) {
  struct Caso {
    double segundaFila;
    bool califica;
    Miembros final;
  };
  const std::vector<Caso> casos{
      {750000.0, true, {2460780.0, 1640520.0, 820260.0, 0.0, 0.0}},
      {750001.0, false, {2643060.0, 1822800.0, 820260.0, 0.0, 0.0}},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.segundaFila);
    CAreaRenta area;
    PonFilaPequena(area, 0, 2, 750000.0);
    PonFilaPequena(area, 1, 2, caso.segundaFila);
    PonFilaPequena(area, 3, 3, 100000.0);  // the spouse's total is apart and always qualifies
    CalculaD5(area);
    for (std::size_t fila : {0u, 1u}) {
      EXPECT_EQ(Campo(area, fila, 1936), caso.califica ? 0.9 : 0.0);
      EXPECT_EQ(Campo(area, fila, 1944), caso.califica ? 882000.0 : 980000.0);
      EXPECT_EQ(Campo(area, fila, 1984), caso.califica ? 61740.0 : 68600.0);
      EXPECT_EQ(Campo(area, fila, 2016), caso.califica ? 820260.0 : 911400.0);
    }
    EXPECT_EQ(Campo(area, 3, 1936), 0.9);
    EXPECT_EQ(Campo(area, 3, 2016), 820260.0);
    EXPECT_EQ(DameMiembro(area->BaseImponible, 800), (Miembros{3000000.0, 2000000.0, 1000000.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->BaseImponible, 840), caso.final);
  }
}

TEST(Calculos100D5, SegundaPasadaSoloSinReduccion25ConMiembroYConVolumen) {
  struct Caso {
    const char* nombre;
    std::uint8_t reduccion25;
    double volumen;
    bool recalculada;
  };
  const std::vector<Caso> casos{
      {"sin reduccion", 0, 1000000.0, true},
      {"255 es sin reduccion", 255, 1000000.0, true},
      {"con reduccion", 1, 1000000.0, false},
      {"otro valor", 7, 1000000.0, false},
      {"sin volumen", 0, 0.0, false},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonFilaPequena(area, 2, 3, 100000.0);
    PonByte(area->ApartadoD5, Fila(2) + 48, caso.reduccion25);
    PonDouble(area->ApartadoD5, Fila(2) + 632, caso.volumen);
    CalculaD5(area);
    EXPECT_EQ(Campo(area, 2, 1936), caso.recalculada ? 0.9 : 0.0);
    EXPECT_EQ(Campo(area, 2, 1944), caso.recalculada ? 882000.0 : 980000.0);
  }
}

TEST(Calculos100D5, FilasDeEntidadesPorIdentificadorDeNueveOctetos) {
  CAreaRenta area;
  // Two rows held at 50 % through the same entity: 750,000 each, the entity's total 1,500,000.
  PonFilaPequena(area, 0, 2, 750000.0, 50.0);
  PonFilaPequena(area, 1, 2, 750000.0, 50.0);
  PonTexto(area->ApartadoD5, Fila(0) + 2024, "B12345678");
  PonTexto(area->ApartadoD5, Fila(1) + 2024, "B12345678");
  Pon(area, 0, {{2008, 1000.0}});
  // Another entity that differs only in the ninth byte, with a total above the limit.
  PonFilaPequena(area, 2, 3, 1600000.0, 100.0);
  PonTexto(area->ApartadoD5, Fila(2) + 2024, "B12345679");
  // A row held directly: its text names no entity total; it counts for the declarant.
  PonFilaPequena(area, 3, 2, 100000.0);
  PonTexto(area->ApartadoD5, Fila(3) + 2024, "B12345678");
  CalculaD5(area);

  EXPECT_EQ(Campo(area, 0, 1936), 0.9);
  EXPECT_EQ(Campo(area, 0, 2040), 50.0);
  EXPECT_EQ(Campo(area, 0, 2056), 410130.0);  // round(820260 x 50 %)
  EXPECT_EQ(Campo(area, 0, 2048), 409630.0);  // round(410130 - 1000 x 50 %)
  EXPECT_EQ(Campo(area, 0, 2000), 0.0);
  EXPECT_EQ(Campo(area, 0, 2016), 0.0);
  EXPECT_EQ(Campo(area, 1, 2048), 410130.0);
  EXPECT_EQ(Campo(area, 2, 1936), 0.0);
  EXPECT_EQ(Campo(area, 2, 2040), 100.0);
  EXPECT_EQ(Campo(area, 2, 2056), 911400.0);
  EXPECT_EQ(Campo(area, 2, 2048), 911400.0);
  EXPECT_EQ(Campo(area, 3, 1936), 0.9);
  EXPECT_EQ(Campo(area, 3, 2016), 820260.0);
  // Rows with a percentage count only with their attributed yields, and not in the volume.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 800), (Miembros{1000000.0, 1000000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 840),
            (Miembros{409630.0 + 410130.0 + 911400.0 + 820260.0, 409630.0 + 410130.0 + 820260.0, 911400.0, 0.0,
                      0.0}));
}

TEST(Calculos100D5, FilaConPorcentajeSinEntidadNoCalifica) {
  CAreaRenta area;
  PonFilaPequena(area, 0, 2, 100000.0, 50.0);  // no identification text
  PonFilaPequena(area, 1, 2, 100000.0, 50.0);
  PonTexto(area->ApartadoD5, Fila(1) + 2024, " B1234567");  // a leading blank names no entity
  CalculaD5(area);
  EXPECT_EQ(Campo(area, 0, 1936), 0.0);
  EXPECT_EQ(Campo(area, 1, 1936), 0.0);
  EXPECT_EQ(Campo(area, 0, 2056), 455700.0);
}

// ---- Every call ---------------------------------------------------------------------------------------------

TEST(Calculos100D5, MarcasDeLaCabecera) {
  struct Caso {
    std::uint8_t primero;
    std::uint8_t segundo;
    char marcaPrimera;
    char marcaSegunda;
  };
  for (const Caso& caso : std::vector<Caso>{{1, 0, 'X', ' '}, {0, 1, ' ', 'X'}, {2, 255, ' ', ' '}}) {
    for (int instancia : {5, 4}) {
      CAreaRenta area;
      PonByte(area->ApartadoD5, 10, caso.primero);
      PonByte(area->ApartadoD5, 11, caso.segundo);
      CalculaD5(area, instancia);
      EXPECT_EQ(DameByte(area->ApartadoD5, 0), caso.marcaPrimera);
      EXPECT_EQ(DameByte(area->ApartadoD5, 1), caso.marcaPrimera);
      EXPECT_EQ(DameByte(area->ApartadoD5, 2), caso.marcaSegunda);
      EXPECT_EQ(DameByte(area->ApartadoD5, 5), caso.marcaSegunda);
      EXPECT_EQ(DameByte(area->ApartadoD5, 3), 0);
      EXPECT_EQ(DameByte(area->ApartadoD5, 4), 0);
    }
  }
}

TEST(Calculos100D5, OtrasInstanciasSoloLimpian) {
  CAreaRenta sucia;
  auto* octetos = reinterpret_cast<unsigned char*>(&sucia->ApartadoD5);
  for (std::size_t i = 0; i < sizeof(RegApartadoD5); ++i) octetos[i] = static_cast<unsigned char>(0x41 + i % 7);
  PonByte(sucia->ApartadoD5, 10, 1);
  PonByte(sucia->ApartadoD5, 11, 0);
  for (std::size_t d = 760; d < 880 + 40; d += 8) PonDouble(sucia->BaseImponible, d, 5.0);

  CAreaRenta esperada = sucia;
  PonTexto(esperada->ApartadoD5, 0, "XX");
  PonByte(esperada->ApartadoD5, 2, ' ');
  PonByte(esperada->ApartadoD5, 5, ' ');
  for (std::size_t fila = 0; fila < 4; ++fila) {
    for (std::size_t d : {1904u, 1912u, 1920u, 1928u, 1936u, 1952u, 1960u, 2016u, 2048u}) {
      PonDouble(esperada->ApartadoD5, Fila(fila) + d, 0.0);
    }
  }
  PonMiembro(esperada->BaseImponible, 800, {});
  PonMiembro(esperada->BaseImponible, 840, {});

  for (int instancia : {4, -1, 0, 1, 6}) {
    SCOPED_TRACE(instancia);
    CAreaRenta area = sucia;
    CalculaD5(area, instancia);
    EXPECT_TRUE(area == esperada);
  }
  CAreaRenta calculada = sucia;
  CalculaD5(calculada, 5);
  EXPECT_FALSE(calculada == esperada);
}

TEST(Calculos100D5, RecalcularNoArrastraResultadosAnteriores) {
  CAreaRenta limpia;
  PonFilaPequena(limpia, 0, 2, 750000.0);
  PonFilaPequena(limpia, 1, 3, 300000.0, 40.0);
  PonTexto(limpia->ApartadoD5, Fila(1) + 2024, "A00000001");
  PonCabecera(limpia, 2, '2', 2);
  PonItem(limpia, 2, 528, 2000000.0, 0.24, 500000.0);
  Pon(limpia, 2, {{600, 500000.0}, {1856, 5.0}, {40, 300000.0}});
  PonByte(limpia->ApartadoD5, Fila(2) + 48, 1);

  CAreaRenta sucia = limpia;
  for (std::size_t fila = 0; fila < 4; ++fila) {
    for (std::size_t d : {56u, 216u, 608u, 616u, 1824u, 1832u, 1896u, 1904u, 1912u, 1920u, 1928u, 1936u, 1944u,
                          1952u, 1960u, 1976u, 1984u, 1992u, 2000u, 2016u, 2040u, 2048u, 2056u}) {
      PonDouble(sucia->ApartadoD5, Fila(fila) + d, 123.0);
    }
  }
  PonDouble(sucia->ApartadoD5, Fila(2) + 1840, 77.0);  // computed for kind "2"
  PonMiembro(sucia->BaseImponible, 800, {1.0, 2.0, 3.0, 4.0, 5.0});
  PonMiembro(sucia->BaseImponible, 840, {1.0, 2.0, 3.0, 4.0, 5.0});

  CalculaD5(limpia);
  CalculaD5(sucia);
  EXPECT_TRUE(sucia == limpia);
  CalculaD5(sucia);
  EXPECT_TRUE(sucia == limpia);
  EXPECT_EQ(TextoIndice(limpia, 2, 608), Relleno("0,24"));
  EXPECT_EQ(Campo(limpia, 2, 1840), 5.0);
}

TEST(Calculos100D5, SinSuBloqueOSinLaBaseNoHaceNada) {
  CAreaRenta area;
  PonFilaPequena(area, 0, 2, 100000.0);
  PonByte(area->ApartadoD5, 10, 1);
  PonMiembro(area->BaseImponible, 840, {9.0, 9.0, 9.0, 9.0, 9.0});
  const CAreaRenta antes = area;
  Calculos100D5(&area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD3, nullptr, &area->ApartadoD4,
                &area->ApartadoD5, 5);
  Calculos100D5(&area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD3, &area->BaseImponible, &area->ApartadoD4,
                nullptr, 5);
  EXPECT_TRUE(area == antes);
  // The blocks D1 to D4 are not needed.
  Calculos100D5(nullptr, nullptr, nullptr, &area->BaseImponible, nullptr, &area->ApartadoD5, 5);
  EXPECT_EQ(Campo(area, 0, 2016), 820260.0);
}

}  // namespace
}  // namespace ximardol::pruebas
