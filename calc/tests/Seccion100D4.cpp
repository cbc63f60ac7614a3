// Section D, block D4 (activities by modules): the scales, the units, the reduction for employment, the indices,
// the limit at 110 % of the reference yield, the general reduction and the rows with a percentage.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "AreaPrueba.h"
#include "bloques/RegApartadoD4.h"
#include "secciones/Seccion100D4.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;
using namespace EstimacionObjetiva;

// Row k of D4 starts at 1560 k; module entry j of row k at 1560 k + 120 + 176 j.
constexpr std::size_t Fila(std::size_t k) { return 1560 * k; }
constexpr std::size_t Entrada(std::size_t k, std::size_t j) { return Fila(k) + 120 + 176 * j; }

void PonEntero32(RegApartadoD4& bloque, std::size_t desplazamiento, std::int32_t valor) {
  const auto bits = static_cast<std::uint32_t>(valor);
  for (std::size_t i = 0; i < 4; ++i) PonByte(bloque, desplazamiento + i, static_cast<std::uint8_t>(bits >> (8 * i)));
}

void CalculaD4(CAreaRenta& area) {
  Calculos100D(&area->ApartadoD1, &area->ApartadoD2, &area->ApartadoD3, &area->BaseImponible, &area->ApartadoD4,
               &area->ApartadoD5, 4);
}

double DobleFila(const CAreaRenta& area, std::size_t fila, std::size_t desplazamiento) {
  return DameDouble(area->ApartadoD4, Fila(fila) + desplazamiento);
}

// A plain row: activity `codigo`, the first two entries unused, the third of type 5 with 10 units of 10,000 (yield
// 100,000) and a reference of 100,000 a unit, thresholds out of reach. Nothing reduces it.
void PonFilaSencilla(CAreaRenta& area, std::size_t k, std::int32_t codigo, std::uint8_t miembro = 2) {
  RegApartadoD4& b = area->ApartadoD4;
  PonEntero32(b, Fila(k) + 8, codigo);
  PonByte(b, Fila(k) + 24, miembro);
  PonByte(b, Entrada(k, 2), 5);
  PonDouble(b, Entrada(k, 2) + 40, 10.0);
  PonDouble(b, Entrada(k, 2) + 152, 10000.0);
  PonDouble(b, Entrada(k, 2) + 160, 100000.0);
  PonDouble(b, Fila(k) + 1424, 1e12);
  PonDouble(b, Fila(k) + 1432, 1e12);
}

// ---- Scales and helpers -----------------------------------------------------------------------------------------

TEST(Seccion100D4, CoeficienteEmpleoPorTramos) {
  struct Caso {
    double unidades;
    double coeficiente;
  };
  for (const Caso& caso : std::vector<Caso>{{0.0, 0.0},
                                            {0.5, 0.05},
                                            {1.0, 0.1},
                                            {1.5, 0.175},
                                            {3.0, 0.4},
                                            {4.0, 0.6},
                                            {5.0, 0.8},
                                            {6.0, 1.05},
                                            {8.0, 1.55},
                                            {9.0, 1.85}}) {
    EXPECT_DOUBLE_EQ(CoeficienteEmpleo(caso.unidades), caso.coeficiente) << caso.unidades;
  }
}

TEST(Seccion100D4, EscalaPersonalDejaLoQueExcedeDelUltimoLimite) {
  struct Caso {
    double unidades;
    double valor;
    double resto;
  };
  for (const Caso& caso : std::vector<Caso>{
           {0.5, 0.45, 0.5}, {1.0, 0.9, 1.0}, {2.0, 1.75, 1.0}, {4.0, 3.4, 1.0}, {6.0, 4.95, 1.0}, {10.0, 7.85, 2.0}}) {
    double unidades = caso.unidades;
    EXPECT_DOUBLE_EQ(EscalaPersonal(unidades), caso.valor) << caso.unidades;
    EXPECT_DOUBLE_EQ(unidades, caso.resto) << caso.unidades;
  }
}

TEST(Seccion100D4, HorasAnualesYUnidadesNoAsalariado) {
  EXPECT_EQ(HorasAnuales(0.0), 1800.0);
  EXPECT_EQ(HorasAnuales(1700.0), 1700.0);

  struct Caso {
    double h1, h2, h3, porcentaje;
    int cuenta;
    double unidades;
  };
  for (const Caso& caso : std::vector<Caso>{
           {2000.0, 900.0, 900.0, 0.0, 1, 1.5},    // 1800 + half of 1800
           {2000.0, 900.0, 900.0, 0.0, 2, 2.0},    // more than one: the three in full
           {2000.0, 900.0, 900.0, 50.0, 1, 2.11},  // with a percentage the hours are not capped
           {1000.0, 900.0, 900.0, 0.0, 0, 1.55},   // below 1800: in full
           {1800.0, 2000.0, 0.0, 0.0, 1, 1.5},     // the second capped too
           {1800.0, 0.0, 2000.0, 0.0, 1, 1.55},    // never the third
       }) {
    double unidades = -1.0;
    EXPECT_EQ(UnidadesNoAsalariado(caso.h1, caso.h2, caso.h3, caso.porcentaje, caso.cuenta, unidades), caso.unidades)
        << caso.h1 << " " << caso.h2 << " " << caso.h3 << " " << caso.cuenta;
    EXPECT_EQ(unidades, caso.unidades);
  }
}

TEST(Seccion100D4, ElFactorDelExcesoDeReferenciaEsElDobleSiguienteA03) {
  EXPECT_NE(FactorExcesoReferencia(), 0.3);
  EXPECT_GT(FactorExcesoReferencia(), 0.3);
  EXPECT_EQ(FactorExcesoReferencia(), std::nextafter(0.3, 1.0));
  EXPECT_EQ(FactorExcesoReferencia(), 0.30000000000000004);
}

TEST(Seccion100D4, LosCamposDeLaFilaCuentanDesdeSuPrincipio) {
  CAreaRenta area;
  PonByte(area->ApartadoD4, 3 * 1560 + 24, 3);
  PonDouble(area->ApartadoD4, 3 * 1560 + 24 + 1520, 8.0);  // offset 1520 counted from the member code
  EXPECT_EQ(Lee(&area->ApartadoD4, ApartadoD4::CodigoMiembro, 3), 3);
  EXPECT_EQ(Lee(&area->ApartadoD4, ApartadoD4::RendimientoNetoAtribuido, 3), 8.0);
  EXPECT_EQ(ApartadoD4::RendimientoNetoAtribuido.Desplazamiento(3),
            ApartadoD4::CodigoMiembro.Desplazamiento(3) + 1520);
  EXPECT_EQ(ApartadoD4::DesdeCodigoMiembro + 1520, 1544u);
}

// ---- Rows ---------------------------------------------------------------------------------------------------------

// A full row: staff of 1 unit, one non-salaried person, a third module; the yield is cut at 110 % of the reference.
void PonFilaCompleta(CAreaRenta& area, std::size_t k, std::uint8_t miembro, double porcentaje) {
  RegApartadoD4& b = area->ApartadoD4;
  PonTexto(b, Fila(k), "659.4", 5);
  PonEntero32(b, Fila(k) + 8, 500);
  PonByte(b, Fila(k) + 24, miembro);
  PonDouble(b, Fila(k) + 32, porcentaje);
  PonTexto(b, Fila(k) + 40, "B12345678", 9);
  PonDouble(b, Fila(k) + 64, 1990.0);
  PonDouble(b, Fila(k) + 1424, 1e12);
  PonDouble(b, Fila(k) + 1432, 1e12);
  // Salaried staff: 1800 hours of full count = 1 unit.
  PonByte(b, Entrada(k, 0), 1);
  PonDouble(b, Entrada(k, 0) + 48, 1800.0);
  PonDouble(b, Entrada(k, 0) + 152, 100000.0);
  PonDouble(b, Entrada(k, 0) + 160, 90000.0);
  // Non-salaried: 1800 hours = 1 unit.
  PonByte(b, Entrada(k, 1), 2);
  PonDouble(b, Entrada(k, 1) + 48, 1800.0);
  PonDouble(b, Entrada(k, 1) + 152, 200000.0);
  PonDouble(b, Entrada(k, 1) + 160, 180000.0);
  // Another module: 2.5 units.
  PonByte(b, Entrada(k, 2), 5);
  PonDouble(b, Entrada(k, 2) + 40, 2.5);
  PonDouble(b, Entrada(k, 2) + 152, 20000.0);
  PonDouble(b, Entrada(k, 2) + 160, 18000.0);
}

TEST(Seccion100D4, UnaFilaCompletaHastaElRendimientoFinal) {
  CAreaRenta area;
  PonFilaCompleta(area, 0, 2, 0.0);
  PonDouble(area->ApartadoD4, 1488, 100.0);
  PonDouble(area->ApartadoD4, 1504, 38.0);
  PonTexto(area->ApartadoD4, 1520, "OLD", 15);  // stale copies are cleared
  PonDouble(area->ApartadoD4, 1544, 5.0);
  PonDouble(area->ApartadoD4, 6240, 777.0);
  PonMiembro(area->BaseImponible, 760, {1.0, 1.0, 1.0, 1.0, 1.0});
  CalculaD4(area);

  EXPECT_EQ(DameDouble(area->ApartadoD4, Entrada(0, 0) + 40), 1.0);
  EXPECT_EQ(DameDouble(area->ApartadoD4, Entrada(0, 1) + 40), 1.0);
  EXPECT_EQ(DameDouble(area->ApartadoD4, Entrada(0, 0) + 168), 100000.0);
  EXPECT_EQ(DameDouble(area->ApartadoD4, Entrada(0, 1) + 168), 200000.0);
  EXPECT_EQ(DameDouble(area->ApartadoD4, Entrada(0, 2) + 168), 50000.0);
  EXPECT_EQ(DobleFila(area, 0, 1352), 350000.0);
  EXPECT_EQ(DobleFila(area, 0, 1360), 10000.0);  // coefficient 0.1 of the first entry's 100,000
  EXPECT_EQ(DobleFila(area, 0, 1376), 340000.0);
  for (std::size_t d = 1384; d <= 1416; d += 8) EXPECT_EQ(DobleFila(area, 0, d), 0.0) << d;
  EXPECT_EQ(DobleFila(area, 0, 1440), 340000.0);
  // Reference: 0.9 x 90,000 + 1 x 180,000 + 2.5 x 18,000 = 306,000; 110 % = 336,600.
  EXPECT_EQ(RendimientoReferencia(&area->ApartadoD4, 0), 306000.0);
  EXPECT_EQ(DobleFila(area, 0, 1448), 3400.0);
  EXPECT_EQ(DobleFila(area, 0, 1456), 336600.0);
  EXPECT_EQ(DobleFila(area, 0, 1472), 336600.0);
  EXPECT_EQ(DobleFila(area, 0, 1480), 23562.0);
  EXPECT_EQ(DobleFila(area, 0, 1496), 313138.0);
  EXPECT_EQ(DobleFila(area, 0, 1512), 313100.0);
  EXPECT_EQ(DameTexto(area->ApartadoD4, 1520, 15), "");
  for (std::size_t d : {1536, 1544, 1552}) EXPECT_EQ(DobleFila(area, 0, d), 0.0) << d;
  EXPECT_EQ(DameDouble(area->ApartadoD4, 6240), 313100.0);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 760), (Miembros{313100.0, 313100.0, 0.0, 0.0, 0.0}));
}

// A row with nothing entered: its stale computed fields come out +0 and its copies empty, and the one byte between
// the copied code and the copied percentage, which no step writes, keeps what it had. A row whose only entry is an
// amount after the module entries is still calculated.
TEST(Seccion100D4, UnaFilaSinDatosQuedaACeroYUnImporteFinalBastaParaCalcular) {
  CAreaRenta area;
  RegApartadoD4& b = area->ApartadoD4;
  const std::vector<std::size_t> calculados{1352, 1360, 1376, 1384, 1392, 1400, 1408, 1416, 1440, 1448,
                                            1456, 1472, 1480, 1496, 1512, 1536, 1544, 1552};
  for (std::size_t k : {0, 1}) {
    for (std::size_t d : calculados) PonDouble(b, Fila(k) + d, -3.5);
    PonTexto(b, Fila(k) + 1520, "STALE", 15);
    PonByte(b, Fila(k) + 1535, 0xAB);
  }
  PonDouble(b, Fila(1) + 1488, 100.0);  // row 1: only the amount to add, and results of -0
  for (std::size_t j = 0; j < 7; ++j) PonDouble(b, Entrada(1, j) + 168, -0.0);
  CalculaD4(area);

  for (std::size_t k : {0, 1}) {
    for (std::size_t d : calculados) {
      const double esperado = k == 1 && (d == 1496 || d == 1512) ? 100.0 : 0.0;
      EXPECT_EQ(DobleFila(area, k, d), esperado) << k << " " << d;
      EXPECT_FALSE(std::signbit(DobleFila(area, k, d))) << k << " " << d;
    }
    for (std::size_t j = 0; j < 7; ++j) EXPECT_FALSE(std::signbit(DameDouble(b, Entrada(k, j) + 168))) << k << j;
    EXPECT_EQ(DameTexto(b, Fila(k) + 1520, 15), "") << k;
    EXPECT_EQ(DameByte(b, Fila(k) + 1535), 0xAB) << k;
  }
  EXPECT_EQ(DameDouble(b, 6240), 100.0);
}

TEST(Seccion100D4, UnaFilaConPorcentajeSoloAportaLoAtribuido) {
  CAreaRenta area;
  PonFilaCompleta(area, 1, 3, 25.0);
  PonDouble(area->ApartadoD4, Fila(1) + 1496, 55.0);  // stale values
  PonDouble(area->ApartadoD4, Fila(1) + 1512, 66.0);
  PonDouble(area->ApartadoD4, Fila(1) + 1504, 1000.0);
  CalculaD4(area);

  EXPECT_EQ(DobleFila(area, 1, 1472), 336600.0);
  EXPECT_EQ(DobleFila(area, 1, 1480), 23562.0);
  EXPECT_EQ(DobleFila(area, 1, 1496), 0.0);
  EXPECT_EQ(DobleFila(area, 1, 1512), 0.0);
  EXPECT_EQ(DameTexto(area->ApartadoD4, Fila(1) + 1520, 9), "B12345678");
  EXPECT_EQ(DameTexto(area->ApartadoD4, Fila(1) + 1529, 5), "659.4");
  EXPECT_EQ(DameByte(area->ApartadoD4, Fila(1) + 1534), 3);
  EXPECT_EQ(DobleFila(area, 1, 1536), 25.0);
  EXPECT_EQ(DobleFila(area, 1, 1544), 78260.0);  // 313,038 x 25 %: 78,259.5 rounded
  EXPECT_EQ(DobleFila(area, 1, 1552), 78010.0);  // (313,038 - 1,000) x 25 %
  EXPECT_EQ(DameDouble(area->ApartadoD4, 6240), 78010.0);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 760), (Miembros{78010.0, 0.0, 78010.0, 0.0, 0.0}));
}

TEST(Seccion100D4, LosMiembrosDeLaBaseYElTotalDelBloque) {
  CAreaRenta area;
  const std::vector<std::uint8_t> miembros{2, 3, 1, 2};
  for (std::size_t k = 0; k < 4; ++k) PonFilaSencilla(area, k, 500, miembros[k]);
  // Row 0 gives 100,000 - 7 % = 93,000; row 1 also subtracts 1,000 after the reduction; row 2 has 40 % of it.
  PonDouble(area->ApartadoD4, Fila(1) + 1504, 1000.0);
  PonDouble(area->ApartadoD4, Fila(2) + 32, 40.0);
  PonByte(area->ApartadoD4, Fila(3) + 73, 1);  // 12 %
  PonMiembro(area->BaseImponible, 760, {5.0, 5.0, 5.0, 5.0, 5.0});
  CalculaD4(area);
  EXPECT_EQ(DobleFila(area, 0, 1512), 93000.0);
  EXPECT_EQ(DobleFila(area, 1, 1512), 92000.0);
  EXPECT_EQ(DobleFila(area, 2, 1552), 37200.0);
  EXPECT_EQ(DobleFila(area, 3, 1512), 88000.0);
  EXPECT_EQ(DameDouble(area->ApartadoD4, 6240), 93000.0 + 92000 + 37200 + 88000);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 760), (Miembros{310200.0, 181000.0, 92000.0, 0.0, 0.0}));
}

TEST(Seccion100D4, LaReduccionGeneralSegunElSelector) {
  struct Caso {
    std::uint8_t selector;
    double reduccion;
  };
  for (const Caso& caso : std::vector<Caso>{{0, 7000.0}, {255, 7000.0}, {1, 12000.0}, {2, 12000.0}, {254, 12000.0}}) {
    CAreaRenta area;
    PonFilaSencilla(area, 0, 500);
    PonByte(area->ApartadoD4, 73, caso.selector);
    CalculaD4(area);
    EXPECT_EQ(DobleFila(area, 0, 1480), caso.reduccion) << int{caso.selector};
  }
}

TEST(Seccion100D4, UnRendimientoNegativoNoTieneIndicesNiLimiteNiReduccion) {
  CAreaRenta area;
  PonFilaSencilla(area, 0, 143, 3);
  PonDouble(area->ApartadoD4, 56, 50.0);     // seasonal days
  PonDouble(area->ApartadoD4, 96, 2.0);      // N = 2
  PonDouble(area->ApartadoD4, 1368, 100000.5);
  PonDouble(area->ApartadoD4, 1384, 9.0);    // stale index
  PonDouble(area->ApartadoD4, 1448, 9.0);
  PonDouble(area->ApartadoD4, 1464, 10.0);
  CalculaD4(area);
  EXPECT_EQ(DobleFila(area, 0, 1376), -0.5);
  for (std::size_t d = 1384; d <= 1416; d += 8) EXPECT_EQ(DobleFila(area, 0, d), 0.0) << d;
  EXPECT_EQ(DobleFila(area, 0, 1440), -0.5);
  EXPECT_EQ(DobleFila(area, 0, 1448), 0.0);
  EXPECT_EQ(DobleFila(area, 0, 1456), -0.5);
  EXPECT_EQ(DobleFila(area, 0, 1472), -10.5);
  EXPECT_EQ(DobleFila(area, 0, 1480), 0.0);
  EXPECT_EQ(DobleFila(area, 0, 1512), -10.5);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 760), (Miembros{-10.5, 0.0, -10.5, 0.0, 0.0}));
}

TEST(Seccion100D4, IndiceDeTemporadaEIndiceDeInicio) {
  struct Caso {
    double dias;
    double anio;
    double temporada;
    double inicio;
    double rendimiento;  // 1440 from 99,999.6
  };
  for (const Caso& caso : std::vector<Caso>{
           {50.0, 0.0, 1.5, 0.0, 149999.0},
           {60.0, 1999.0, 1.5, 0.0, 149999.0},  // with seasonal days there is no starting index
           {61.0, 0.0, 1.35, 0.0, 134999.0},
           {120.0, 0.0, 1.35, 0.0, 134999.0},
           {121.0, 0.0, 1.25, 0.0, 125000.0},  // 124,999.5 goes up
           {180.0, 0.0, 1.25, 0.0, 125000.0},
           {181.0, 0.0, 0.0, 0.0, 100000.0},  // none, but rounded
           {0.0, 1999.0, 0.0, 0.8, 80000.0},
           {0.0, 1998.0, 0.0, 0.9, 90000.0},
           {0.0, 1997.0, 0.0, 0.0, 99999.6},  // keeps its decimals
       }) {
    CAreaRenta area;
    PonFilaSencilla(area, 0, 500);
    PonDouble(area->ApartadoD4, 56, caso.dias);
    PonDouble(area->ApartadoD4, 64, caso.anio);
    PonDouble(area->ApartadoD4, 1368, 0.4);
    CalculaD4(area);
    EXPECT_EQ(DobleFila(area, 0, 1400), caso.temporada) << caso.dias;
    EXPECT_EQ(DobleFila(area, 0, 1416), caso.inicio) << caso.anio;
    EXPECT_EQ(DobleFila(area, 0, 1440), caso.rendimiento) << caso.dias << " " << caso.anio;
    EXPECT_EQ(DobleFila(area, 0, 1448), 0.0);
  }
}

TEST(Seccion100D4, IndicesEspecialesYDePequenaEmpresa) {
  struct Caso {
    std::string descripcion;
    std::int32_t codigo;
    double p, n, r;
    std::uint8_t marcaP;
    std::uint8_t pequena;
    double porcentaje;
    double horasPrimera;   // hours of full count of the first entry
    double horasSegunda;   // the same of the second entry
    double especial;
    double indicePequena;
  };
  for (const Caso& caso : std::vector<Caso>{
           {"143 N=1", 143, 0, 1, 0, 0, 0, 0, 0, 0, 1.0, 0.0},
           {"143 N=2", 143, 0, 2, 0, 0, 0, 0, 0, 0, 0.95, 0.0},
           {"143 N=5", 143, 0, 5, 0, 0, 0, 0, 0, 0, 0.8, 0.0},
           {"143 N=6", 143, 0, 6, 0, 0, 0, 0, 0, 0, 1.0, 0.0},
           {"173 P=1", 173, 1, 0, 0, 0, 1, 0, 0, 0, 0.8, 0.0},
           {"173 P=0", 173, 0, 0, 0, 0, 1, 0, 0, 0, 0.0, 0.0},
           {"174 N=3", 174, 0, 3, 0, 0, 0, 0, 0, 0, 0.85, 0.0},
           {"174 N=2", 174, 0, 2, 0, 0, 0, 0, 0, 0, 0.9, 0.0},
           {"174 N=1", 174, 0, 1, 0, 0, 0, 0, 0, 0, 1.0, 0.0},
           {"175 P=1 sin horas", 175, 1, 0, 0, 0, 0, 0, 0, 0, 0.8, 0.0},
           {"178 P=1 con horas", 178, 1, 0, 0, 0, 0, 0, 100, 0, 0.0, 0.0},
           {"otra, sin marca", 500, 0, 1, 0, 0, 0, 0, 0, 0, 0.0, 0.0},
           {"otra N=1", 500, 0, 1, 0, 0, 1, 0, 0, 0, 0.0, 0.7},
           {"otra N=2", 500, 0, 2, 0, 0, 1, 0, 0, 0, 0.0, 0.75},
           {"otra N=3", 500, 0, 3, 0, 0, 1, 0, 0, 0, 0.0, 0.8},
           {"otra con asalariados", 500, 0, 1, 0, 0, 1, 0, 100, 0, 0.0, 0.9},
           {"otra, asalariados en la segunda", 500, 0, 1, 0, 0, 1, 0, 0, 100, 0.0, 0.7},
           {"119, asalariados en la segunda", 119, 0, 1, 0, 0, 1, 0, 0, 100, 0.0, 0.9},
           {"143 N=5 pequena", 143, 0, 5, 0, 0, 1, 0, 0, 0, 0.8, 0.7},
           {"143 N=4 pequena", 143, 0, 4, 0, 0, 1, 0, 0, 0, 0.8, 0.75},
           {"143 N=1 pequena", 143, 0, 1, 0, 0, 1, 0, 0, 0, 1.0, 0.8},
           {"R=2", 500, 0, 1, 2, 0, 1, 0, 0, 0, 0.0, 0.7},
           {"R=3", 500, 0, 1, 3, 0, 1, 0, 0, 0, 0.0, 0.0},
           {"P=1 sin marca", 500, 1, 1, 0, 0, 1, 0, 0, 0, 0.0, 0.7},
           {"P=1 con marca", 500, 1, 1, 0, 1, 1, 0, 0, 0, 0.0, 0.0},
           {"P=2", 500, 2, 1, 0, 0, 1, 0, 0, 0, 0.0, 0.0},
           {"con porcentaje", 500, 0, 1, 0, 0, 1, 50, 0, 0, 0.0, 0.0},
           {"174 pequena", 174, 0, 1, 0, 0, 1, 0, 0, 0, 1.0, 0.0},
       }) {
    CAreaRenta area;
    PonFilaSencilla(area, 0, caso.codigo);
    RegApartadoD4& b = area->ApartadoD4;
    PonDouble(b, 32, caso.porcentaje);
    PonByte(b, 74, caso.pequena);
    PonDouble(b, 80, caso.p);
    PonByte(b, 88, caso.marcaP);
    PonDouble(b, 96, caso.n);
    PonDouble(b, 104, caso.r);
    PonDouble(b, Entrada(0, 0) + 48, caso.horasPrimera);
    PonDouble(b, Entrada(0, 1) + 48, caso.horasSegunda);
    CalculaD4(area);
    EXPECT_EQ(DobleFila(area, 0, 1384), caso.especial) << caso.descripcion;
    EXPECT_EQ(DobleFila(area, 0, 1392), caso.indicePequena) << caso.descripcion;
    const double factor = (caso.especial != 0.0 ? caso.especial : 1.0) *
                          (caso.indicePequena != 0.0 ? caso.indicePequena : 1.0);
    EXPECT_DOUBLE_EQ(DobleFila(area, 0, 1440), 100000.0 * factor) << caso.descripcion;
  }
}

TEST(Seccion100D4, IndiceDeExcesoSobreElUmbral) {
  struct Caso {
    std::int32_t codigo;
    std::uint8_t pequena;
    double indice;
    double rendimiento;
  };
  for (const Caso& caso : std::vector<Caso>{
           {500, 0, 1.3, 106000.0},  // (100,000 - 80,000) x 1.3 + 80,000
           {174, 0, 0.0, 100000.0},  // never for 174
           {500, 1, 0.0, 70000.0},   // not after a small-business index
       }) {
    CAreaRenta area;
    PonFilaSencilla(area, 0, caso.codigo);
    PonDouble(area->ApartadoD4, 1424, 80000.0);
    PonByte(area->ApartadoD4, 74, caso.pequena);
    PonDouble(area->ApartadoD4, 96, 1.0);
    CalculaD4(area);
    EXPECT_EQ(DobleFila(area, 0, 1408), caso.indice) << caso.codigo;
    EXPECT_EQ(DobleFila(area, 0, 1440), caso.rendimiento) << caso.codigo;
  }
  // At the threshold itself there is no excess.
  CAreaRenta area;
  PonFilaSencilla(area, 0, 500);
  PonDouble(area->ApartadoD4, 1424, 100000.0);
  CalculaD4(area);
  EXPECT_EQ(DobleFila(area, 0, 1408), 0.0);
}

TEST(Seccion100D4, ReduccionPorEmpleo) {
  struct Caso {
    std::string descripcion;
    std::int32_t codigo;
    std::uint8_t incremento;
    double horas1, anterior1;  // hours of full count of the first entry, this year and the previous one
    double horas2, anterior2;  // the same of the second entry
    double reduccion;
  };
  for (const Caso& caso : std::vector<Caso>{
           {"1,5 unidades", 500, 0, 2700, 0, 0, 0, 17500.0},
           {"crece la plantilla", 500, 1, 2700, 1800, 0, 0, 30000.0},  // (0.1 + 0.5 x 0.4) x 100,000
           {"no crece", 500, 1, 2700, 3600, 0, 0, 17500.0},
           {"119 sin incremento", 119, 0, 1800, 0, 3600, 0, 26667.0},  // 0.4 x (1/3 x 100,000 + 2/3 x 50,000)
           {"119 crece", 119, 1, 1800, 1800, 3600, 0, 60000.0},        // (0.1 + 2 x 0.4) x ...
           {"119 no crece", 119, 1, 1800, 3600, 3600, 1800, 26667.0},
           {"119 sin personal", 119, 1, 0, 1800, 0, 0, 0.0},
       }) {
    CAreaRenta area;
    PonFilaSencilla(area, 0, caso.codigo);
    RegApartadoD4& b = area->ApartadoD4;
    PonByte(b, 72, caso.incremento);
    PonByte(b, Entrada(0, 0), 1);
    PonDouble(b, Entrada(0, 0) + 48, caso.horas1);
    PonDouble(b, Entrada(0, 0) + 72, caso.anterior1);
    PonDouble(b, Entrada(0, 0) + 152, 100000.0);
    // The second entry is staff only for 119 to 122 (the row's staff units are those of its last staff entry).
    PonByte(b, Entrada(0, 1), caso.codigo == 119 ? 1 : 0);
    PonDouble(b, Entrada(0, 1) + 48, caso.horas2);
    PonDouble(b, Entrada(0, 1) + 72, caso.anterior2);
    PonDouble(b, Entrada(0, 1) + 152, 50000.0);
    CalculaD4(area);
    EXPECT_EQ(DobleFila(area, 0, 1360), caso.reduccion) << caso.descripcion;
    EXPECT_EQ(DameDouble(b, Entrada(0, 0) + 40), caso.horas1 / 1800.0) << caso.descripcion;
    EXPECT_EQ(DameDouble(b, Entrada(0, 1) + 40), caso.horas2 / 1800.0) << caso.descripcion;
  }
}

TEST(Seccion100D4, LasUnidadesDePersonalUsanLasHorasParcialesYLasAnuales) {
  CAreaRenta area;
  PonFilaSencilla(area, 0, 500);
  RegApartadoD4& b = area->ApartadoD4;
  PonByte(b, Entrada(0, 0), 15);
  PonDouble(b, Entrada(0, 0) + 48, 1000.0);
  PonDouble(b, Entrada(0, 0) + 56, 1000.0);  // counted at 60 %
  PonDouble(b, Entrada(0, 0) + 64, 1700.0);
  PonDouble(b, Entrada(0, 0) + 152, 3.0);
  PonByte(b, Entrada(0, 3), 16);             // the last staff entry gives the row's staff units
  PonDouble(b, Entrada(0, 3) + 48, 900.0);
  PonByte(b, Entrada(0, 5), 7);              // any other type keeps its stored units
  PonDouble(b, Entrada(0, 5) + 40, 1.239);
  PonDouble(b, Entrada(0, 5) + 152, 1000.0);
  CalculaD4(area);
  EXPECT_EQ(DameDouble(b, Entrada(0, 0) + 40), 0.94);     // 1600 / 1700 cut
  EXPECT_EQ(DameDouble(b, Entrada(0, 0) + 168), 3.0);     // round(0.94 x 3 = 2.82)
  EXPECT_EQ(DameDouble(b, Entrada(0, 3) + 40), 0.5);
  EXPECT_EQ(DameDouble(b, Entrada(0, 5) + 40), 1.239);    // kept as stored
  EXPECT_EQ(DameDouble(b, Entrada(0, 5) + 168), 1230.0);  // its units cut to 1.23
  EXPECT_EQ(DobleFila(area, 0, 1352), 100000.0 + 3 + 1230);
}

TEST(Seccion100D4, LasUnidadesDeNoAsalariadosUsanLaCuentaR) {
  struct Caso {
    double r;
    double porcentaje;
    double unidades;
  };
  for (const Caso& caso : std::vector<Caso>{{1.9, 0.0, 1.25}, {2.0, 0.0, 1.5}, {-5.0, 0.0, 1.25}, {1e300, 0.0, 1.5},
                                            {std::nan(""), 0.0, 1.25}, {0.0, 10.0, 1.61}}) {
    CAreaRenta area;
    PonFilaSencilla(area, 0, 500);
    RegApartadoD4& b = area->ApartadoD4;
    PonDouble(b, 32, caso.porcentaje);
    PonDouble(b, 104, caso.r);
    PonByte(b, Entrada(0, 1), 2);
    PonDouble(b, Entrada(0, 1) + 48, 2000.0);
    PonDouble(b, Entrada(0, 1) + 56, 900.0);
    CalculaD4(area);
    EXPECT_EQ(DameDouble(b, Entrada(0, 1) + 40), caso.unidades) << caso.r;
    EXPECT_EQ(DameDouble(b, Entrada(0, 1) + 48), 2000.0);  // the hours entered are kept
  }
}

// ---- Reference yield ----------------------------------------------------------------------------------------------

TEST(Seccion100D4, RendimientoDeReferenciaRepartePersonalEntreDosEntradas) {
  struct Caso {
    std::uint8_t incremento;
    double referencia;
  };
  // U1 = 1, U2 = 2: G = 2.6, shares 0.86 and 1.73. With growth from 1 unit: G = 0.9 + 2 x 0.6 = 2.1, shares 0.7, 1.4.
  for (const Caso& caso : std::vector<Caso>{{0, 8600.0 + 17300.0}, {1, 7000.0 + 14000.0}}) {
    CAreaRenta area;
    RegApartadoD4& b = area->ApartadoD4;
    PonEntero32(b, 8, 120);
    PonByte(b, 72, caso.incremento);
    PonDouble(b, Entrada(0, 0) + 48, 1800.0);
    PonDouble(b, Entrada(0, 0) + 72, 1800.0);
    PonDouble(b, Entrada(0, 0) + 160, 10000.0);
    PonDouble(b, Entrada(0, 1) + 48, 3600.0);
    PonDouble(b, Entrada(0, 1) + 160, 10000.0);
    PonDouble(b, 1432, 1e12);
    EXPECT_EQ(RendimientoReferencia(&b, 0), caso.referencia) << int{caso.incremento};
  }
}

TEST(Seccion100D4, RendimientoDeReferenciaNoAsalariadosYPequenaEmpresa) {
  struct Caso {
    std::string descripcion;
    double porcentaje;
    double horasAsalariadas;
    std::uint8_t pequena;
    double p;
    std::uint8_t marcaP;
    double referencia;
  };
  for (const Caso& caso : std::vector<Caso>{
           {"tope y mitad", 0.0, 0.0, 0, 0, 0, 125000.0},  // 1 + 0.5 x 0.5 units
           {"con asalariados no hay mitad", 0.0, 1800.0, 0, 0, 0, 150000.0 + 9000.0},
           {"con porcentaje sin tope", 10.0, 0.0, 0, 0, 0, 161000.0},  // 2000/1800 + 900/1800 = 1.61
           {"pequena empresa", 0.0, 0.0, 1, 0, 0, 87500.0},            // N = 1: 0.7
           {"P=1 sin marca", 0.0, 0.0, 1, 1, 0, 87500.0},
           {"P=1 con marca", 0.0, 0.0, 1, 1, 1, 125000.0},
           {"P=1, marca 255", 0.0, 0.0, 1, 1, 255, 87500.0},  // only a marca of 1 refuses it here
           {"P=2", 0.0, 0.0, 1, 2, 0, 125000.0},
       }) {
    CAreaRenta area;
    RegApartadoD4& b = area->ApartadoD4;
    PonEntero32(b, 8, 500);
    PonDouble(b, 32, caso.porcentaje);
    PonByte(b, 74, caso.pequena);
    PonDouble(b, 80, caso.p);
    PonByte(b, 88, caso.marcaP);
    PonDouble(b, 96, 1.0);
    PonDouble(b, 1432, 1e12);
    PonDouble(b, Entrada(0, 0) + 48, caso.horasAsalariadas);
    PonDouble(b, Entrada(0, 0) + 160, 10000.0);
    PonDouble(b, Entrada(0, 1) + 48, 2000.0);
    PonDouble(b, Entrada(0, 1) + 56, 900.0);
    PonDouble(b, Entrada(0, 1) + 160, 100000.0);
    EXPECT_EQ(RendimientoReferencia(&b, 0), caso.referencia) << caso.descripcion;
  }
}

TEST(Seccion100D4, RendimientoDeReferenciaPorDiasYExceso) {
  CAreaRenta area;
  RegApartadoD4& b = area->ApartadoD4;
  PonEntero32(b, 8, 173);
  // Third entry: (2, 1, days 0 = the default of 365) and (1, 0, 73 days): 2.2 and 1.0 units.
  PonDouble(b, Entrada(0, 2) + 48, 2.0);
  PonDouble(b, Entrada(0, 2) + 56, 1.0);
  PonDouble(b, Entrada(0, 2) + 72, 1.0);
  PonDouble(b, Entrada(0, 2) + 88, 73.0);
  PonDouble(b, Entrada(0, 2) + 144, 365.0);
  PonDouble(b, Entrada(0, 2) + 160, 1000.0);
  PonDouble(b, Entrada(0, 3) + 160, 500.0);
  PonDouble(b, Entrada(0, 3) + 40, 99.0);  // not its stored units
  PonDouble(b, 1432, 1e12);
  EXPECT_EQ(RendimientoReferencia(&b, 0), 2700.0);
  // Over the threshold, the excess counts 0.3 more.
  PonDouble(b, 1432, 2000.0);
  EXPECT_EQ(RendimientoReferencia(&b, 0), 2910.0);
  // P = 1 for 173: 0.8, and the excess still applies.
  PonDouble(b, 80, 1.0);
  EXPECT_EQ(RendimientoReferencia(&b, 0), 2160.0 + 48.0);
}

TEST(Seccion100D4, ElLimiteDelCientoDiezPorCientoRestaSobreLoRedondeado) {
  CAreaRenta area;
  PonFilaCompleta(area, 0, 2, 0.0);
  // Reference 306,005 (the third module 2.5 x 18,002): 110 % = 336,605.5, rounded 336,606.
  PonDouble(area->ApartadoD4, Entrada(0, 2) + 160, 18002.0);
  CalculaD4(area);
  EXPECT_EQ(RendimientoReferencia(&area->ApartadoD4, 0), 306005.0);
  EXPECT_EQ(DobleFila(area, 0, 1448), 340000.0 - 336606.0);
  EXPECT_EQ(DobleFila(area, 0, 1456), 336606.0);

  // Up to the limit nothing is given up.
  PonDouble(area->ApartadoD4, Entrada(0, 2) + 160, 30000.0);
  CalculaD4(area);
  EXPECT_EQ(DobleFila(area, 0, 1448), 0.0);
  EXPECT_EQ(DobleFila(area, 0, 1456), 340000.0);
}

}  // namespace
}  // namespace ximardol
