// Wealth tax, the page totals: rows summed into the page total (flag not 0), the total copied into its summary slot
// (flag 0), and page C's two lists.
#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

// One page as the form lays it out: where its record starts in the area, its rows, its total and its summary slot.
struct CasoPagina {
  std::string nombre;
  std::function<void(CAreaPatrimonio&, int)> calcula;
  std::size_t registro;  // offset of the record in DatosPatrimonio
  std::size_t tamano;    // size of the record
  std::size_t primero;
  std::size_t paso;
  std::size_t filas;
  std::size_t total;
  std::size_t ranura;
};

#define PAGINA(export, miembro) \
  [](CAreaPatrimonio& a, int indicador) { export(&a->miembro, indicador, &a->PatResumen); }

const std::vector<CasoPagina>& Paginas() {
  static const std::vector<CasoPagina> paginas{
      {"A", PAGINA(Calculos714A, PatA), 0, 2096, 64, 72, 28, 2088, 0},
      {"B", PAGINA(Calculos714B, PatB), 2096, 1736, 64, 72, 23, 1728, 8},
      {"D", PAGINA(Calculos714D, PatD), 5800, 1016, 64, 72, 13, 1008, 192},
      {"E", PAGINA(Calculos714E, PatE), 7400, 1160, 64, 72, 15, 1152, 24},
      {"F1", PAGINA(Calculos714F1, PatF1), 8560, 1160, 64, 72, 15, 1152, 32},
      {"F2", PAGINA(Calculos714F2, PatF2), 9720, 1088, 64, 72, 14, 1080, 40},
      {"G1", PAGINA(Calculos714G1, PatG1), 10808, 944, 64, 72, 12, 936, 48},
      {"G2", PAGINA(Calculos714G2, PatG2), 11752, 1376, 64, 72, 18, 1368, 56},
      {"G3", PAGINA(Calculos714G3, PatG3), 13128, 1016, 64, 72, 13, 1008, 64},
      {"G4", PAGINA(Calculos714G4, PatG4), 14144, 872, 64, 72, 11, 864, 72},
      {"H1", PAGINA(Calculos714H1, PatH1), 15016, 440, 64, 72, 5, 432, 200},
      {"H2", PAGINA(Calculos714H2, PatH2), 15456, 440, 64, 72, 5, 432, 208},
      {"I", PAGINA(Calculos714I, PatI), 15896, 440, 64, 72, 5, 432, 80},
      {"J", PAGINA(Calculos714J, PatJ), 16336, 392, 56, 64, 5, 384, 88},
      {"K", PAGINA(Calculos714K, PatK), 16728, 1016, 64, 72, 13, 1008, 96},
      {"L", PAGINA(Calculos714L, PatL), 17744, 728, 64, 72, 9, 720, 104},
      {"M", PAGINA(Calculos714M, PatM), 18472, 584, 56, 64, 8, 576, 112},
      {"N", PAGINA(Calculos714N, PatN), 19056, 512, 64, 72, 6, 504, 120},
      {"O", PAGINA(Calculos714O, PatO), 19568, 368, 64, 72, 5, 360, 128},
      {"P", PAGINA(Calculos714P, PatP), 19936, 368, 64, 72, 5, 360, 136},
      {"Q", PAGINA(Calculos714Q, PatQ), 20304, 872, 64, 72, 12, 864, 144},
      {"DEUDAS", PAGINA(Calculos714DEUDAS, PatDeudas), 21176, 800, 64, 72, 11, 792, 160},
  };
  return paginas;
}

#undef PAGINA

constexpr std::size_t Resumen = 21976;
constexpr double Centinela = 900000000.0;

// The rows get 1000, 2000, ...; doubles just outside the rows (where the other layout of the form would put a row,
// and right after the last row) get a large value that must not be added.
double RellenaPagina(CAreaPatrimonio& area, const CasoPagina& p) {
  double suma = 0.0;
  for (std::size_t i = 0; i < p.filas; ++i) {
    const double valor = 1000.0 * static_cast<double>(i + 1) + 7.0;
    PonDouble(*area, p.registro + p.primero + i * p.paso, valor);
    suma += valor;
  }
  PonDouble(*area, p.registro + (p.paso == 72 ? 56 : 64), Centinela);
  const std::size_t trasUltima = p.primero + p.filas * p.paso;
  if (trasUltima + 8 <= p.tamano && trasUltima != p.total) PonDouble(*area, p.registro + trasUltima, Centinela);
  return suma;
}

TEST(Calculos714Paginas, SumaLasFilasYCopiaElTotalEnSuRanura) {
  for (const CasoPagina& p : Paginas()) {
    SCOPED_TRACE("page " + p.nombre);
    CAreaPatrimonio area;
    const double suma = RellenaPagina(area, p);
    PonDouble(*area, p.registro + p.total, -1.0);
    PonDouble(*area, Resumen + p.ranura, -2.0);

    CAreaPatrimonio esperada = area;
    PonDouble(*esperada, p.registro + p.total, suma);
    p.calcula(area, -1);
    EXPECT_EQ(DameDouble(*area, p.registro + p.total), suma);
    EXPECT_TRUE(area == esperada) << "flag -1 changes only the page total";

    PonDouble(*esperada, Resumen + p.ranura, suma);
    p.calcula(area, 0);
    EXPECT_EQ(DameDouble(*area, Resumen + p.ranura), suma);
    EXPECT_TRUE(area == esperada) << "flag 0 changes only the summary slot";
  }
}

TEST(Calculos714Paginas, CualquierIndicadorDistintoDeCeroSuma) {
  for (int indicador : {1, -1, 2, -100}) {
    CAreaPatrimonio area;
    PonDouble(area->PatO, 64, 5.0);
    PonDouble(area->PatO, 64 + 4 * 72, 6.0);
    Calculos714O(&area->PatO, indicador, &area->PatResumen);
    EXPECT_EQ(DameDouble(area->PatO, 360), 11.0) << indicador;
    EXPECT_EQ(DameDouble(area->PatResumen, 128), 0.0);
  }
}

TEST(Calculos714Paginas, IndicadorCeroSinSumarCopiaElTotalGuardado) {
  CAreaPatrimonio area;
  PonDouble(area->PatK, 64, 5000.0);
  PonDouble(area->PatK, 1008, 1234.0);  // the total of the last calculation
  Calculos714K(&area->PatK, 0, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatResumen, 96), 1234.0);
  EXPECT_EQ(DameDouble(area->PatK, 1008), 1234.0);
}

TEST(Calculos714Paginas, PaginaVaciaDejaTotalYRanuraACero) {
  CAreaPatrimonio area;
  PonDouble(area->PatJ, 384, 77.0);
  PonDouble(area->PatResumen, 88, 77.0);
  Calculos714J(&area->PatJ, -1, &area->PatResumen);
  Calculos714J(&area->PatJ, 0, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatJ, 384), 0.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 88), 0.0);
}

TEST(Calculos714Paginas, SinRegistroNoHaceNadaYSinResumenSoloSuma) {
  CAreaPatrimonio area;
  PonDouble(area->PatA, 64, 10.0);
  const CAreaPatrimonio antes = area;
  Calculos714A(nullptr, -1, &area->PatResumen);
  Calculos714A(nullptr, 0, &area->PatResumen);
  Calculos714C1(nullptr, 0, &area->PatResumen);
  Calculos714C2(nullptr, -1, &area->PatResumen);
  Calculos714A(&area->PatA, 0, nullptr);
  EXPECT_TRUE(area == antes);
  Calculos714A(&area->PatA, -1, nullptr);
  EXPECT_EQ(DameDouble(area->PatA, 2088), 10.0);
}

// Page C: C1 rows at 64 + 72 i (13), total 1008; C2 rows at 1080 + 72 i (12), total 1952; C1 + C2 at 1960 -> slot 16.
void RellenaC(CAreaPatrimonio& area) {
  for (std::size_t i = 0; i < 13; ++i) PonDouble(area->PatC, 64 + 72 * i, 100.0);   // C1 = 1300
  for (std::size_t i = 0; i < 12; ++i) PonDouble(area->PatC, 1080 + 72 * i, 10.0);  // C2 = 120
  PonDouble(area->PatC, 1000, Centinela);                                              // between the lists
  PonDouble(area->PatC, 1072, Centinela);
}

TEST(Calculos714C, C1SumaAmbasListasYLaPaginaVaAlResumenComoC1MasC2) {
  CAreaPatrimonio area;
  RellenaC(area);
  Calculos714C1(&area->PatC, -1, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatC, 1008), 1300.0);
  EXPECT_EQ(DameDouble(area->PatC, 1952), 120.0);
  EXPECT_EQ(DameDouble(area->PatC, 1960), 1420.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 16), 0.0);
  Calculos714C1(&area->PatC, 0, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatResumen, 16), 1420.0);

  // The order of the whole calculation: C1 -1, C1 0, C2 -1, C2 0.
  CAreaPatrimonio otra;
  RellenaC(otra);
  Calculos714C1(&otra->PatC, -1, &otra->PatResumen);
  Calculos714C1(&otra->PatC, 0, &otra->PatResumen);
  Calculos714C2(&otra->PatC, -1, &otra->PatResumen);
  Calculos714C2(&otra->PatC, 0, &otra->PatResumen);
  EXPECT_TRUE(otra == area);
}

TEST(Calculos714C, C1ConIndicadorCeroRehaceSuTotalYCopiaLaSumaGuardada) {
  CAreaPatrimonio area;
  RellenaC(area);
  PonDouble(area->PatC, 1952, 3.0);
  PonDouble(area->PatC, 1960, 5.0);  // C1 + C2 of the last calculation
  Calculos714C1(&area->PatC, 0, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatC, 1008), 1300.0);
  EXPECT_EQ(DameDouble(area->PatC, 1952), 3.0);
  EXPECT_EQ(DameDouble(area->PatC, 1960), 5.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 16), 5.0);
}

TEST(Calculos714C, C2SoloUsaElTotalC1Guardado) {
  CAreaPatrimonio area;
  RellenaC(area);
  PonDouble(area->PatC, 1008, 1.0);
  Calculos714C2(&area->PatC, -1, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatC, 1008), 1.0);
  EXPECT_EQ(DameDouble(area->PatC, 1960), 121.0);
}

}  // namespace
}  // namespace ximardol::pruebas
