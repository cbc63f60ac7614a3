// The two recalculation orders, run over tables of functions that record each call: which export, in which order,
// with which instance and on which blocks of the area.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "AreaPrueba.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

// One recorded call: the export's name, its instance (the last int argument; 0 for the exports without one), the
// block arguments as offsets from the start of the area, and the one pointer that lies outside the area.
struct Llamada {
  std::string nombre;
  int instancia = 0;
  std::vector<std::ptrdiff_t> bloques;
  const void* fuera = nullptr;

  bool operator==(const Llamada&) const = default;
};

void PrintTo(const Llamada& l, std::ostream* os) { *os << l.nombre << "(" << l.instancia << ")"; }

// The calls of the test that is running, and the area they are made on.
std::vector<Llamada> llamadas;
const unsigned char* inicioArea = nullptr;
std::size_t tamanoArea = 0;

template <std::size_t N>
struct Nombre {
  char texto[N];
  constexpr Nombre(const char (&s)[N]) { std::copy_n(s, N, texto); }
};

void Anota(Llamada& l, int valor) { l.instancia = valor; }

template <typename T>
void Anota(Llamada& l, T* puntero) {
  const auto* p = reinterpret_cast<const unsigned char*>(puntero);
  if (p >= inicioArea && p < inicioArea + tamanoArea) {
    l.bloques.push_back(p - inicioArea);
  } else {
    l.fuera = puntero;
  }
}

template <typename F, Nombre N>
struct Grabadora;

template <typename R, typename... Argumentos, Nombre N>
struct Grabadora<R (*)(Argumentos...), N> {
  static R Llama(Argumentos... argumentos) {
    Llamada l{N.texto, 0, {}, nullptr};
    (Anota(l, argumentos), ...);
    llamadas.push_back(std::move(l));
    if constexpr (!std::is_void_v<R>) return R{};
  }
};

#define GRABA(tabla, campo, nombre) tabla.campo = &Grabadora<decltype(tabla.campo), nombre>::Llama

recalculo::FuncionesRenta GrabadorasRenta() {
  recalculo::FuncionesRenta f{};
  GRABA(f, A, "Calculos100A");
  GRABA(f, B1, "Calculos100B1");
  GRABA(f, C, "Calculos100C");
  GRABA(f, D, "Calculos100D");
  GRABA(f, D5, "Calculos100D5");
  GRABA(f, E1, "Calculos100E1");
  GRABA(f, F1, "Calculos100F1");
  GRABA(f, F2, "Calculos100F2");
  GRABA(f, F3, "Calculos100F3");
  GRABA(f, F4, "Calculos100F4");
  GRABA(f, H, "Calculos100H");
  GRABA(f, I, "Calculos100I");
  GRABA(f, J, "Calculos100J");
  GRABA(f, K, "Calculos100K");
  GRABA(f, LI1, "Calculos100LI1");
  GRABA(f, LI2, "Calculos100LI2");
  GRABA(f, LI3, "Calculos100LI3");
  GRABA(f, M, "Calculos100M");
  GRABA(f, M4, "Calculos100M4");
  GRABA(f, N, "Calculos100N");
  return f;
}

recalculo::FuncionesPatrimonio GrabadorasPatrimonio() {
  recalculo::FuncionesPatrimonio f{};
  GRABA(f, A, "Calculos714A");
  GRABA(f, B, "Calculos714B");
  GRABA(f, C1, "Calculos714C1");
  GRABA(f, C2, "Calculos714C2");
  GRABA(f, D, "Calculos714D");
  GRABA(f, E, "Calculos714E");
  GRABA(f, F1, "Calculos714F1");
  GRABA(f, F2, "Calculos714F2");
  GRABA(f, G1, "Calculos714G1");
  GRABA(f, G2, "Calculos714G2");
  GRABA(f, G3, "Calculos714G3");
  GRABA(f, G4, "Calculos714G4");
  GRABA(f, H1, "Calculos714H1");
  GRABA(f, H2, "Calculos714H2");
  GRABA(f, I, "Calculos714I");
  GRABA(f, J, "Calculos714J");
  GRABA(f, K, "Calculos714K");
  GRABA(f, L, "Calculos714L");
  GRABA(f, M, "Calculos714M");
  GRABA(f, N, "Calculos714N");
  GRABA(f, O, "Calculos714O");
  GRABA(f, P, "Calculos714P");
  GRABA(f, Q, "Calculos714Q");
  GRABA(f, DEUDAS, "Calculos714DEUDAS");
  GRABA(f, DP, "Calculos714DP");
  GRABA(f, LI, "Calculos714LI");
  GRABA(f, DI, "Calculos714DI");
  return f;
}

#undef GRABA

template <typename Area>
void EmpiezaAGrabar(const Area& area) {
  llamadas.clear();
  inicioArea = reinterpret_cast<const unsigned char*>(&area);
  tamanoArea = sizeof(Area);
}

// Block offsets of DatosRenta.
enum BloqueRenta : std::ptrdiff_t {
  DF = 0, ID = 552, A = 4128, B = 5112, C = 5824, D1 = 7512, D2 = 8872, D3 = 10232, D4 = 10400, D5 = 16648,
  E1 = 24920, E2 = 25208, E3 = 25712, E4 = 25880, E5 = 25960, F1 = 26200, F2 = 27176, F3 = 31088, F4 = 37480,
  G = 37768, H = 37952, I = 38112, J = 38192, K = 38632, L = 38752, M = 38872, M4 = 40920, N = 48168, BI = 51176,
  LQ = 52952, RS = 54472
};

// The blocks each income-tax export is given, in argument order.
const std::map<std::string, std::vector<std::ptrdiff_t>>& BloquesRenta() {
  static const std::map<std::string, std::vector<std::ptrdiff_t>> bloques{
      {"Calculos100A", {A, BI, B, C, D1, D2, D4, D5, F4, RS, DF}},
      {"Calculos100B1", {B, RS, BI}},
      {"Calculos100C", {C, RS, BI}},
      {"Calculos100E1", {E1, E2, E3, E4, E5, BI, RS, LQ}},
      {"Calculos100D", {D1, D2, D3, BI, D4, D5}},
      {"Calculos100D5", {D1, D2, D3, BI, D4, D5}},
      {"Calculos100F1", {F1}},
      {"Calculos100F2", {F2}},
      {"Calculos100F3", {F3}},
      {"Calculos100F4", {F4, F1, F2, L, BI, C, F3}},
      {"Calculos100H", {H, DF, ID}},
      {"Calculos100LI1", {BI, F4, L, I, G}},
      {"Calculos100I", {I, BI, H, G}},
      {"Calculos100J", {J, RS, BI, A, D1, D2, D5, D4, DF, E2}},
      {"Calculos100K", {K, BI, LQ, L, I}},
      {"Calculos100LI2", {LQ, DF, BI}},
      {"Calculos100LI3", {RS, F1, LQ, BI, G, A, B, C, D1, D2, D4, D5, ID}},
      {"Calculos100M", {M, K, LQ, RS, C, E2}},
      {"Calculos100M4", {M4, K, LQ, RS, C, E2}},
      {"Calculos100N", {N, DF, BI, LQ, G, M, D1, D2, D4, D5, K, I, H, RS}},
  };
  return bloques;
}

// The order of a whole income-tax recalculation: (section, instances).
std::vector<std::pair<std::string, int>> OrdenRentaEsperado() {
  const std::vector<std::pair<std::string, std::vector<int>>> pasos{
      {"A", {-1}},           {"B1", {-1}},          {"C", {1, 2, 3, 4, 5, 6, 7, 8}},
      {"E1", {1, 2, 3, 5}},  {"D", {1, 2, 3, 4}},   {"D5", {5}},
      {"F1", {1, 2}},        {"F2", {1, 2, 3}},     {"F3", {1, 2}},
      {"F4", {-1}},          {"A", {-1}},           {"H", {1, 2}},
      {"LI1", {1, 2}},       {"I", {-1}},           {"J", {-1}},
      {"K", {-1}},           {"LI2", {0, 1, 2}},    {"LI3", {1, 2, 6, 3}},
      {"M", {1, 3, 4, 5}},   {"M4", {1}},           {"N", {0}},
      {"LI1", {2}},          {"LI2", {0, 1, 2}},    {"LI3", {1, 2, 6, 3, 4, 5}},
      {"E1", {2}},           {"LI1", {2}},          {"LI2", {0, 1, 2}},
      {"LI3", {1, 2, 6, 3, 4, 5}},
  };
  std::vector<std::pair<std::string, int>> orden;
  for (const auto& [seccion, instancias] : pasos) {
    for (int instancia : instancias) orden.emplace_back("Calculos100" + seccion, instancia);
  }
  return orden;
}

TEST(RecalcularRenta, HaceLas69LlamadasEnSuOrdenConSusBloques) {
  CAreaRenta area;
  std::array<double, 5> importesPersona{};
  EmpiezaAGrabar(*area);
  recalculo::RecalcularRenta(*area, importesPersona, GrabadorasRenta());

  const auto esperado = OrdenRentaEsperado();
  ASSERT_EQ(esperado.size(), 69u);
  ASSERT_EQ(llamadas.size(), esperado.size());
  for (std::size_t i = 0; i < llamadas.size(); ++i) {
    SCOPED_TRACE("call " + std::to_string(i + 1) + ": " + esperado[i].first);
    const Llamada& l = llamadas[i];
    EXPECT_EQ(l.nombre, esperado[i].first);
    EXPECT_EQ(l.instancia, esperado[i].second);
    EXPECT_EQ(l.bloques, BloquesRenta().at(esperado[i].first));
    // Only M4 is given a pointer outside the area: the caller's per-person amounts.
    EXPECT_EQ(l.fuera, l.nombre == "Calculos100M4" ? static_cast<const void*>(importesPersona.data()) : nullptr);
  }
}

TEST(RecalcularRenta, NoTocaElAreaPorSuCuenta) {
  CAreaRenta area;
  PonDouble(area->RendTrabajo, 48, 1234.0);
  const CAreaRenta antes = area;
  std::array<double, 5> importesPersona{1.0, 2.0, 3.0, 4.0, 5.0};
  EmpiezaAGrabar(*area);
  recalculo::RecalcularRenta(*area, importesPersona, GrabadorasRenta());
  EXPECT_TRUE(area == antes);
  EXPECT_EQ(importesPersona, (std::array<double, 5>{1.0, 2.0, 3.0, 4.0, 5.0}));
}

// Wealth tax: block offsets of DatosPatrimonio.
constexpr std::ptrdiff_t DatosPersonales = 6816;
constexpr std::ptrdiff_t RegistroDI = 7344;
constexpr std::ptrdiff_t Resumen = 21976;

std::vector<Llamada> Liquidacion() {
  return {
      {"Calculos714DP", 0, {DatosPersonales}, nullptr},
      {"Calculos714LI", -1, {Resumen}, nullptr},
      {"Calculos714DP", 0, {DatosPersonales}, nullptr},
      {"Calculos714LI", 0, {Resumen}, nullptr},
      {"Calculos714DP", 0, {DatosPersonales}, nullptr},
      {"Calculos714DI", 0, {RegistroDI, Resumen}, nullptr},
  };
}

TEST(RecalcularPatrimonio, CompletoLasPaginasEnElOrdenDelImpresoYLuegoLaLiquidacion) {
  const std::vector<std::pair<std::string, std::ptrdiff_t>> paginas{
      {"A", 0},       {"B", 2096},    {"C1", 3832},   {"C2", 3832},   {"D", 5800},    {"E", 7400},
      {"F1", 8560},   {"F2", 9720},   {"G1", 10808},  {"G2", 11752},  {"G3", 13128},  {"G4", 14144},
      {"H1", 15016},  {"H2", 15456},  {"I", 15896},   {"J", 16336},   {"K", 16728},   {"L", 17744},
      {"M", 18472},   {"N", 19056},   {"O", 19568},   {"P", 19936},   {"Q", 20304},   {"DEUDAS", 21176},
  };
  std::vector<Llamada> esperado{{"Calculos714DP", 0, {DatosPersonales}, nullptr}};
  for (const auto& [pagina, registro] : paginas) {
    esperado.push_back({"Calculos714" + pagina, -1, {registro, Resumen}, nullptr});
    esperado.push_back({"Calculos714" + pagina, 0, {registro, Resumen}, nullptr});
  }
  for (const Llamada& l : Liquidacion()) esperado.push_back(l);

  CAreaPatrimonio area;
  EmpiezaAGrabar(*area);
  recalculo::RecalcularPatrimonio(*area, true, GrabadorasPatrimonio());
  EXPECT_EQ(llamadas, esperado);
}

TEST(RecalcularPatrimonio, SoloLiquidacionLeeAntesLasMarcasDeSuDeclaracion) {
  CAreaPatrimonio area;
  const CAreaPatrimonio antes = area;
  EmpiezaAGrabar(*area);
  recalculo::RecalcularPatrimonio(*area, false, GrabadorasPatrimonio());
  EXPECT_EQ(llamadas, Liquidacion());
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol::pruebas
