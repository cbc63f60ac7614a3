// The D-100 pages of the taxable bases and the deductions: section K, L and M (ORD011), the fourth part of section
// M (ORD012) and the totals of the taxable base (ORD014); section N (ORD013) is the page of D-101's twin
// (income/Liquidacion.h). Every box is bound to a fixed place of
// DatosRenta (docs/PAGINAS_BASE.md gives them box by box), besides the page header (tax number and name of the
// person shown), the declaration's reference and the copy label.
#include <array>
#include <cstddef>
#include <memory>

#include "d100/ORD011.h"
#include "d100/ORD012.h"
#include "d100/ORD014.h"
#include "framework/Campo.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace ordinaria {

namespace {

using renta::SCasillaDatos;
using renta::SLugarDatos;

constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::uint32_t kI = offsetof(DatosRenta, ApartadoI);
constexpr std::uint32_t kK = offsetof(DatosRenta, ApartadoK);
constexpr std::uint32_t kL = offsetof(DatosRenta, ApartadoL);
constexpr std::uint32_t kM = offsetof(DatosRenta, ApartadoM);
constexpr std::uint32_t kM4 = offsetof(DatosRenta, ApartadoM4);
constexpr std::uint32_t kLQ = offsetof(DatosRenta, Liquidacion);
constexpr std::uint32_t kRS = offsetof(DatosRenta, Resultados);
constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
constexpr std::uint32_t kMiembro = 5 * sizeof(double);
constexpr SLugarDatos kReferencia{kId, 20};

constexpr SLugarDatos Importe(std::uint32_t bloque, std::uint32_t desp) { return {bloque + desp, kMiembro}; }

// ---- page 11 ----
// The entries behind the deductions: the first group (three of 16 bytes), the classes a, b and c (three of 32), the
// housing rows (three of 80), the second capped group (six of 32), the deductions limited by the quota (six of 16).
constexpr SLugarDatos kEntradasPrimerGrupo{kM + 40, 3 * 16};
constexpr SLugarDatos kEntradasClases{kM + 168, 3 * 32};
constexpr SLugarDatos kEntradasVivienda{kM + 544, 3 * 80};
constexpr SLugarDatos kEntradasTope{kM + 984, 6 * 32};
constexpr SLugarDatos kEntradasCuota{kM + 1752, 6 * 16};

constexpr SCasillaDatos kCasillasORD011[] = {
    {3, Importe(kBI, 1312), {}},
    {4, Importe(kI, 0), {}},
    {5, Importe(kK, 0), {}},
    {6, Importe(kK, 40), {}},
    {7, Importe(kBI, 1472), {kBI + 1512, 2 * 16}},
    {8, Importe(kLQ, 0), {}},
    {9, Importe(kBI, 1736), {}},
    {10, Importe(kK, 80), {}},
    {11, Importe(kL, 0), {}},
    {12, Importe(kL, 40), {}},
    {13, Importe(kL, 80), {}},
    {14, Importe(kM, 0), kEntradasPrimerGrupo},
    {15, Importe(kM, 88), {}},
    {16, Importe(kLQ, 1240), {}},
    {17, Importe(kM, 128), kEntradasClases},
    {18, Importe(kM, 264), {}},
    {19, Importe(kLQ, 1280), {}},
    {20, Importe(kM, 304), {}},
    {21, Importe(kM, 344), {}},
    {22, Importe(kM, 504), kEntradasVivienda},
    {23, Importe(kM, 1256), {}},
    {24, Importe(kM, 784), kEntradasVivienda, 2},
    {25, Importe(kM, 1296), {}},
    {26, Importe(kLQ, 1320), {}},
    {27, Importe(kM, 824), kEntradasVivienda, 3},
    {28, Importe(kLQ, 1360), {}},
    {29, Importe(kM, 864), kEntradasVivienda, 4},
    {30, Importe(kLQ, 1400), {}},
    {31, Importe(kM, 944), kEntradasTope},
    {32, Importe(kM, 1336), {}},
    {33, Importe(kM, 1176), kEntradasTope, 2},
    {34, Importe(kM, 1376), {}},
    {35, Importe(kLQ, 1440), {}},
    {36, Importe(kM, 1216), kEntradasTope, 3},
    {37, Importe(kLQ, 1480), {}},
    {38, Importe(kM, 904), kEntradasVivienda, 5},
    {39, Importe(kRS, 0), {}},
    {40, {kM + 1421, 20}, {}},
    {41, {kM + 1441, 20}, {}},
    {42, {kM + 1461, 10}, {}},
    {43, {kM + 1471, 50}, {}},
    {46, {kM + 1566, 20}, {}},
    {47, {kM + 1586, 20}, {}},
    {48, {kM + 1606, 10}, {}},
    {49, {kM + 1616, 50}, {}},
    {52, Importe(kM, 1712), kEntradasCuota},
    {53, Importe(kM, 1848), {}},
    {54, Importe(kM, 1888), {}},
    {55, Importe(kM, 1928), {}},
    {56, Importe(kM, 1968), {}},
    {57, Importe(kM, 2008), {}},
    {58, Importe(kRS, 5048), {}},
    {59, kReferencia, {}},
};

// The per-person boxes: a mark byte and a tax number per person of each of the two entities.
struct SCasillaPersona {
  int numero;
  std::uint32_t desp;
  std::uint32_t paso;
  std::uint32_t hasta;  // the slot must end here or before
};
constexpr SCasillaPersona kCasillasPersona[] = {
    {44, 1416, 1, 1421},
    {45, 1521, 9, 1561},  // the marks of box 50 start at 1561
    {50, 1561, 1, 1566},
    {51, 1666, 9, 1712},
};

// ---- page 12 ----
constexpr SCasillaDatos kCasillasORD012[] = {
    {3, Importe(kM4, 0), {kM4 + 40, 64}},
    {4, Importe(kM4, 4032), {}},
    {5, Importe(kM4, 104), {kM4 + 144, 64}},
    {6, Importe(kM4, 4072), {}},
    {7, Importe(kM4, 5688), {}},
    {8, Importe(kM4, 208), {kM4 + 248, 32}},
    {9, Importe(kM4, 4112), {}},
    {10, Importe(kM4, 5728), {}},
    {11, Importe(kM4, 280), {kM4 + 320, 32}},
    {12, Importe(kM4, 4152), {}},
    {13, Importe(kM4, 5768), {}},
    {14, Importe(kM4, 352), {kM4 + 392, 48}},
    {15, Importe(kM4, 4192), {}},
    {16, Importe(kM4, 5808), {}},
    {17, Importe(kM4, 440), {kM4 + 480, 48}},
    {18, Importe(kM4, 4232), {}},
    {19, Importe(kM4, 5848), {}},
    {20, Importe(kM4, 528), {kM4 + 568, 48}},
    {21, Importe(kM4, 4272), {}},
    {22, Importe(kM4, 5888), {}},
    {23, Importe(kM4, 616), {kM4 + 656, 80}},
    {24, Importe(kM4, 4312), {}},
    {25, Importe(kM4, 5928), {}},
    {26, Importe(kM4, 736), {kM4 + 776, 64}},
    {27, Importe(kM4, 4352), {}},
    {28, Importe(kM4, 5968), {}},
    {29, Importe(kM4, 840), {kM4 + 880, 48}},
    {30, Importe(kM4, 4392), {}},
    {31, Importe(kM4, 6008), {}},
    {32, Importe(kM4, 928), {kM4 + 968, 48}},
    {33, Importe(kM4, 4432), {}},
    {34, Importe(kM4, 6048), {}},
    {35, Importe(kM4, 1016), {kM4 + 1056, 64}},
    {36, Importe(kM4, 4472), {}},
    {37, Importe(kM4, 6088), {}},
    {38, Importe(kM4, 1120), {kM4 + 1160, 32}},
    {39, Importe(kM4, 4512), {}},
    {40, Importe(kM4, 6128), {}},
    {41, Importe(kM4, 1192), {kM4 + 1232, 48}},
    {42, Importe(kM4, 4552), {}},
    {43, Importe(kM4, 6168), {}},
    {44, Importe(kM4, 1280), {kM4 + 1320, 48}},
    {45, Importe(kM4, 4592), {}},
    {46, Importe(kM4, 6208), {}},
    {47, Importe(kM4, 1368), {}},
    {48, Importe(kRS, 40), {}},
    {49, Importe(kM4, 6248), {}},
    {50, Importe(kM4, 1408), {kM4 + 1448, 112}},
    {51, Importe(kM4, 4632), {}},
    {52, Importe(kM4, 1560), {kM4 + 1600, 64}},
    {53, Importe(kM4, 4672), {}},
    {54, Importe(kM4, 6288), {}},
    {55, Importe(kM4, 1664), {kM4 + 1704, 32}},
    {56, Importe(kM4, 4712), {}},
    {57, Importe(kM4, 6328), {}},
    {58, Importe(kM4, 1736), {kM4 + 1776, 48}},
    {59, Importe(kM4, 4752), {}},
    {60, Importe(kM4, 6368), {}},
    {61, Importe(kM4, 1824), {kM4 + 1864, 32}},
    {62, Importe(kM4, 4792), {}},
    {63, Importe(kM4, 6408), {}},
    {64, Importe(kM4, 1896), {kM4 + 1936, 48}},
    {65, Importe(kM4, 4832), {}},
    {66, Importe(kM4, 6448), {}},
    {67, Importe(kM4, 1984), {kM4 + 2024, 48}},
    {68, Importe(kM4, 4872), {}},
    {69, Importe(kM4, 6488), {}},
    {70, Importe(kM4, 2072), {kM4 + 2112, 48}},
    {71, Importe(kM4, 4912), {}},
    {72, Importe(kM4, 6528), {}},
    {73, Importe(kM4, 2160), {kM4 + 2200, 80}},
    {74, Importe(kM4, 4952), {}},
    {75, Importe(kM4, 6568), {}},
    {76, Importe(kM4, 2280), {kM4 + 2320, 64}},
    {77, Importe(kM4, 4992), {}},
    {78, Importe(kM4, 6608), {}},
    {79, Importe(kM4, 2384), {kM4 + 2424, 48}},
    {80, Importe(kM4, 5032), {}},
    {81, Importe(kM4, 6648), {}},
    {82, Importe(kM4, 2472), {kM4 + 2512, 48}},
    {83, Importe(kM4, 5072), {}},
    {84, Importe(kM4, 6688), {}},
    {85, Importe(kM4, 2560), {kM4 + 2600, 64}},
    {86, Importe(kM4, 5112), {}},
    {87, Importe(kM4, 6728), {}},
    {88, Importe(kM4, 2664), {kM4 + 2704, 48}},
    {89, Importe(kM4, 5152), {}},
    {90, Importe(kM4, 6768), {}},
    {91, Importe(kM4, 2752), {}},
    {92, Importe(kRS, 80), {}},
    {93, Importe(kM4, 6808), {}},
    {94, Importe(kM4, 2792), {kM4 + 2832, 32}},
    {95, Importe(kM4, 5192), {}},
    {96, Importe(kM4, 2864), {kM4 + 2904, 80}},
    {97, Importe(kM4, 5232), {}},
    {98, Importe(kM4, 6848), {}},
    {99, Importe(kM4, 2984), {kM4 + 3024, 64}},
    {100, Importe(kM4, 5272), {}},
    {101, Importe(kM4, 6888), {}},
    {102, Importe(kM4, 3088), {kM4 + 3128, 32}},
    {103, Importe(kM4, 5312), {}},
    {104, Importe(kM4, 3160), {kM4 + 3200, 80}},
    {105, Importe(kM4, 5352), {}},
    {106, Importe(kM4, 6928), {}},
    {107, Importe(kM4, 3280), {kM4 + 3320, 48}},
    {108, Importe(kM4, 5392), {}},
    {109, Importe(kM4, 6968), {}},
    {110, Importe(kM4, 3368), {kM4 + 3408, 48}},
    {111, Importe(kM4, 5432), {}},
    {112, Importe(kM4, 7008), {}},
    {113, Importe(kM4, 3456), {kM4 + 3496, 48}},
    {114, Importe(kM4, 5472), {}},
    {115, Importe(kM4, 7048), {}},
    {116, Importe(kM4, 3544), {}},
    {117, Importe(kRS, 120), {}},
    {118, Importe(kM4, 7088), {}},
    {119, Importe(kM4, 3584), {kM4 + 3624, 32}},
    {120, Importe(kM4, 5512), {}},
    {121, Importe(kM4, 3656), {kM4 + 3696, 32}},
    {122, Importe(kM4, 5552), {}},
    {123, Importe(kM4, 7128), {}},
    {124, Importe(kM4, 3728), {}},
    {125, Importe(kRS, 160), {}},
    {126, Importe(kM4, 7168), {}},
    {127, Importe(kM4, 3768), {kM4 + 3808, 64}},
    {128, Importe(kM4, 5592), {}},
    {129, {kM4 + 5632, 3}, {}},
    {130, Importe(kM4, 3872), {kM4 + 3912, 80}},
    {131, Importe(kM4, 5640), {}},
    {132, {kM4 + 5680, 3}, {}},
    {133, Importe(kM4, 7208), {}},
    {134, Importe(kM4, 3992), {kRS + 312, 2 * 24}},
    {135, kReferencia, {}},
};

// ---- page 14 ----
constexpr auto kCasillasORD014 = [] {
  std::array<SCasillaDatos, 43> t{};
  std::size_t i = 0;
  for (std::uint32_t k = 0; k < 30; ++k) t[i++] = {static_cast<int>(3 + k), Importe(kBI, 40 * k), {}};
  constexpr std::uint32_t kResto[] = {1232, 1272, 1312, 1352, 1392, 1432, 1472};
  for (std::uint32_t k = 0; k < 7; ++k) t[i++] = {static_cast<int>(33 + k), Importe(kBI, kResto[k]), {}};
  t[i++] = {40, Importe(kLQ, 0), {}};
  t[i++] = {41, Importe(kBI, 1544), {}};
  t[i++] = {42, Importe(kBI, 1584), {}};
  t[i++] = {43, Importe(kBI, 1696), {}};
  t[i++] = {44, Importe(kBI, 1736), {}};
  t[i++] = {45, kReferencia, {}};
  return t;
}();

// After a committed box that calculated: the whole recalculation (every view gets hint 1).
void RecalcularDeclaracion(renta::CRentaVista& vista) {
  if (renta::CRentaDoc* documento = vista.DameDocumentoRenta()) documento->Calcular(1);
}

}  // namespace

// ---- page 11 ----

CControlesORD011::CControlesORD011() : renta::CControlesFijos({kCasillasORD011, 1, 2, kCasillas}) {}

void CControlesORD011::Enlazar(int liberarAntes) {
  renta::CControlesFijos::Enlazar(liberarAntes);
  if (Datos() == nullptr) return;
  const auto p = static_cast<std::uint32_t>(Sujeto() - 1);
  unsigned char* m = Datos()->ApartadoM.octetos;
  for (const SCasillaPersona& c : kCasillasPersona) {
    const std::uint32_t desp = c.desp + c.paso * p;
    marco::CCampo* campo = CampoDeNumero(c.numero);
    const bool cabe = desp + c.paso <= c.hasta;
    renta::EnlazarCasilla(campo, cabe ? m + desp : nullptr, c.paso);
    renta::PonerSoloLectura(campo, !cabe);
  }
}

int CControlesORD011::CasoDeCasilla(int numero) {
  switch (numero) {
    case 14: case 17:
      return 1;
    case 22: case 24: case 27: case 29: case 38:
      return 3;
    case 31: case 33: case 36:
      return 4;
    case 52:
      return 5;
    default:
      return 0;
  }
}

int CControlesORD011::CalcularCasilla(int numero) {
  if (Datos() == nullptr) return 0;
  if (numero == 7) return 1;
  const int caso = CasoDeCasilla(numero);
  if (caso == 0) return 0;
  DatosRenta& d = *Datos();
  const auto m = [&](int instancia) {
    m_pFunciones->M(&d.ApartadoM, &d.ApartadoK, &d.Liquidacion, &d.Resultados, &d.RendCapMobiliario,
                    &d.ApartadoE2, instancia);
  };
  m(caso);
  if (caso == 3) {
    m(6);
    if (m_pValidador != nullptr) m_pValidador->ValidarCampo(206, &d.ApartadoM);
  }
  return 1;
}

wxIMPLEMENT_DYNAMIC_CLASS(ORD011, renta::CRentaVista);

ORD011::ORD011() { PonerControles(std::make_unique<CControlesORD011>()); }

CControlesORD011* ORD011::Controles() const { return static_cast<CControlesORD011*>(DameControles()); }

int ORD011::Recalcular(int numero) {
  if (renta::CRentaDoc* documento = DameDocumentoRenta()) Controles()->PonerValidador(&documento->Validador());
  const int calculado = Controles()->CalcularCasilla(numero);
  if (calculado != 0) RecalcularDeclaracion(*this);
  RefrescarControles();
  MarcarDocumentoModificado();
  return calculado;
}

int ORD011::AplicarDependencias(int /*numero*/) {
  RefrescarControles();
  ActualizarVistasValores();
  return 0;
}

int ORD011::ComprobarCampo(int /*numero*/) {
  RefrescarControles();
  MarcarDocumentoModificado();
  return 1;
}

void ORD011::ConfirmarCampoActivo() {
  renta::CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
}

void ORD011::RefrescarControles() {
  Controles()->Refrescar();
  renta::CRentaVista::RefrescarControles();
}

wxClassInfo* ClasePaginaORD011() { return wxCLASSINFO(ORD011); }

// ---- page 12 ----

CControlesORD012::CControlesORD012() : renta::CControlesFijos({kCasillasORD012, 1, 2, kCasillas}) {}

wxIMPLEMENT_DYNAMIC_CLASS(ORD012, renta::CRentaVista);

ORD012::ORD012() { PonerControles(std::make_unique<CControlesORD012>()); }

int ORD012::Recalcular(int /*numero*/) {
  RecalcularDeclaracion(*this);
  RefrescarControles();
  MarcarDocumentoModificado();
  return 1;
}

int ORD012::ComprobarCampo(int /*numero*/) {
  RefrescarControles();
  ActualizarVistasValores();
  return 1;
}

void ORD012::ConfirmarCampoActivo() {
  renta::CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
}

void ORD012::RefrescarControles() {
  if (DameControles() != nullptr) DameControles()->Refrescar();
  renta::CRentaVista::RefrescarControles();
}

wxClassInfo* ClasePaginaORD012() { return wxCLASSINFO(ORD012); }

// ---- page 14 ----

CControlesORD014::CControlesORD014() : renta::CControlesFijos({kCasillasORD014, 1, 2, kCasillas}) {}

wxIMPLEMENT_DYNAMIC_CLASS(ORD014, renta::CRentaVista);

ORD014::ORD014() { PonerControles(std::make_unique<CControlesORD014>()); }

int ORD014::Recalcular(int /*numero*/) {
  MarcarDocumentoModificado();
  return 0;
}

int ORD014::ComprobarCampo(int /*numero*/) { return 1; }

void ORD014::ConfirmarCampoActivo() {
  renta::CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
}

void ORD014::RefrescarControles() {
  if (DameControles() != nullptr) DameControles()->Refrescar();
  renta::CRentaVista::RefrescarControles();
}

wxClassInfo* ClasePaginaORD014() { return wxCLASSINFO(ORD014); }

}  // namespace ordinaria
