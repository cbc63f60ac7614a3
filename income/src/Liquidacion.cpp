#include "income/Liquidacion.h"

#include <cstddef>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace renta {

namespace {

constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion);
constexpr std::uint32_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::uint32_t kLQ = offsetof(DatosRenta, Liquidacion);
constexpr std::uint32_t kRS = offsetof(DatosRenta, Resultados);
// The five doubles of a per-person amount.
constexpr std::uint32_t kMiembro = 5 * sizeof(double);

constexpr SLugarDatos Importe(std::uint32_t bloque, std::uint32_t desp) { return {bloque + desp, kMiembro}; }
constexpr SLugarDatos Bytes(std::uint32_t bloque, std::uint32_t desp, std::uint32_t tamano) {
  return {bloque + desp, tamano};
}
constexpr SLugarDatos kIdentificacion{kId + kDespIdentificacion, kNumeroSujetos * kAnchoIdentificacion};

// Page 15 (and 6 of D-101). Boxes 4 and 6 show one value, so do 13 and 17, and 12, 15 and 19. The amounts that count
// for the rate only (box 3) and the part taxed apart (box 11) carry their coded entries as detail.
constexpr SCasillaDatos kCasillasLiquidacion[] = {
    {3, Importe(kLQ, 320), Bytes(kLQ, 360, 3 * 16)},
    {4, Importe(kLQ, 40), {}},
    {5, Importe(kLQ, 840), {}},
    {6, Importe(kLQ, 40), {}},
    {7, Importe(kLQ, 920), {}},
    {8, Importe(kLQ, 120), {}},
    {9, Importe(kLQ, 240), {}},
    {10, Importe(kLQ, 80), {}},
    {11, Importe(kLQ, 408), Bytes(kLQ, 448, 2 * 16)},
    {12, Importe(kLQ, 480), {}},
    {13, Importe(kLQ, 408), {}},
    {14, Importe(kLQ, 680), {}},
    {15, Importe(kLQ, 480), {}},
    {16, Importe(kLQ, 720), {}},
    {17, Importe(kLQ, 408), {}},
    {18, Importe(kLQ, 760), {}},
    {19, Importe(kLQ, 480), {}},
    {20, Importe(kLQ, 800), {}},
    {21, Importe(kLQ, 880), {}},
    {22, Importe(kLQ, 960), {}},
    {23, Importe(kLQ, 160), {}},
    {24, Importe(kLQ, 280), {}},
    {25, Importe(kLQ, 1000), {}},
    {26, Importe(kLQ, 1040), {}},
    {27, Importe(kLQ, 1080), {}},
    {28, Importe(kLQ, 1120), {}},
    {29, Importe(kLQ, 1160), {}},
    {30, Importe(kLQ, 1200), {}},
    {31, Importe(kLQ, 1240), {}},
    {32, Importe(kLQ, 1280), {}},
    {33, Importe(kLQ, 1320), {}},
    {34, Importe(kLQ, 1360), {}},
    {35, Importe(kLQ, 1400), {}},
    {36, Importe(kLQ, 1440), {}},
    {37, Importe(kLQ, 1480), {}},
    {38, Importe(kRS, 0), {}},
    {39, kIdentificacion, {}},
};

// Page 16 (and 7 of D-101). An amount computed from coded entries or rows carries them as detail.
constexpr SCasillaDatos kCasillasResultados[] = {
    {3, Importe(kRS, 40), {}},
    {4, Importe(kRS, 80), {}},
    {5, Importe(kRS, 120), {}},
    {6, Importe(kRS, 160), {}},
    {7, Importe(kRS, 200), Bytes(kRS, 240, 2 * 16)},
    {8, Importe(kRS, 272), Bytes(kRS, 312, 2 * 24)},
    {9, Importe(kRS, 360), Bytes(kRS, 400, 6 * 24)},
    {10, Importe(kRS, 560), {}},
    {11, Importe(kRS, 600), {}},
    {12, Importe(kRS, 640), {}},
    {13, Importe(kRS, 680), {}},
    {14, Importe(kRS, 720), {}},
    {15, Importe(kRS, 760), {}},
    {16, Importe(kRS, 800), Bytes(kRS, 840, 3 * 16)},
    {17, Importe(kRS, 888), Bytes(kRS, 928, 3 * 416)},
    {18, Importe(kRS, 2176), Bytes(kRS, 2216, 3 * 16)},
    {19, Importe(kRS, 2264), Bytes(kRS, 2304, 3 * 416)},
    {20, Importe(kRS, 3552), Bytes(kRS, 3592, 3 * 16)},
    {21, Importe(kRS, 3640), Bytes(kRS, 3680, 3 * 416)},
    {22, Importe(kRS, 4928), {}},
    {23, Importe(kRS, 4968), {}},
    {24, Importe(kRS, 5008), {}},
    {25, Importe(kRS, 5048), {}},
    {26, Importe(kRS, 5088), Bytes(kRS, 5128, 3 * 32)},
    {27, Importe(kRS, 5224), Bytes(kRS, 5264, 2 * 16)},
    {28, Importe(kRS, 5304), {}},
    {29, Importe(kRS, 5344), Bytes(kRS, 5384, 3 * 16)},
    {30, Importe(kRS, 5432), Bytes(kRS, 5472, 3 * 72)},
    {31, Importe(kRS, 5688), {}},
    {32, Importe(kRS, 5728), {}},
    {33, Importe(kRS, 5768), {}},
    {34, Importe(kRS, 5808), Bytes(kRS, 5848, 5 * 24)},
    {35, Importe(kRS, 5968), Bytes(kRS, 6008, 2 * 16)},
    {36, Importe(kRS, 6040), Bytes(kRS, 6080, 2 * 16)},
    {37, Importe(kRS, 6112), {}},
    {38, Importe(kRS, 6152), {}},
    {39, Importe(kRS, 6192), {}},
    {40, Importe(kRS, 6232), {}},
    {41, Importe(kRS, 6272), Bytes(kRS, 6312, 2 * 16)},
    {42, Importe(kRS, 6344), {}},
    {43, Importe(kRS, 6384), {}},
    {44, Importe(kRS, 6424), {}},
    {45, Importe(kRS, 6536), {}},
    {46, Importe(kRS, 6648), {}},
    {47, kIdentificacion, {}},
};

// Page 5 of D-101: the regional totals of section N and the deductions taken only from the regional quota.
constexpr SCasillaDatos kCasillasSIM005[] = {
    {3, Importe(kN, 496), {}},   {4, Importe(kN, 1088), {}},  {5, Importe(kN, 1640), {}},
    {6, Importe(kN, 1944), {}},  {7, Importe(kN, 2248), {}},  {8, Importe(kN, 2880), {}},
    {9, Importe(kRS, 600), {}},  {10, Importe(kRS, 640), {}}, {11, kIdentificacion, {}},
};

constexpr int kCasillaResta = 44;
constexpr int kCasillaSuma = 45;

}  // namespace

bool TieneMarcaDiferencia(const DatosRenta& datos, int sujeto) {
  if (sujeto < 1 || sujeto > kNumeroSujetos) return false;
  const auto p = static_cast<std::size_t>(sujeto - 1);
  return datos.Identificacion.octetos[kDespMarcaDiferenciaA + p] == 1 ||
         datos.Identificacion.octetos[kDespMarcaDiferenciaB + p] == 1;
}

// ---- the box array bound by a table ----

void CControlesFijos::PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera) {
  m_pDatos = datos;
  m_cabecera = cabecera;
}

void CControlesFijos::TomarDocumento() { TomarDocumentoRenta(*this, m_pDatos, m_cabecera); }

int CControlesFijos::Sujeto() {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

void CControlesFijos::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  TomarDocumento();
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
  if (m_pDatos != nullptr) {
    EnlazarCasilla(CampoDeNumero(m_diseno.casillaNif), m_cabecera.nif, kAnchoCabeceraNif);
    EnlazarCasilla(CampoDeNumero(m_diseno.casillaNombre), m_cabecera.nombre, kAnchoCabeceraTexto);
    if (m_diseno.casillaEjemplar != 0) {
      EnlazarCasilla(CampoDeNumero(m_diseno.casillaEjemplar), m_cabecera.ejemplar, kAnchoCabeceraTexto);
    }
    EnlazarCasillasDatos(*this, m_diseno.casillas, *m_pDatos);
  }
  AvisoCampo(0);
}

void CControlesFijos::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
}

void CControlesFijos::Refrescar() { Enlazar(0); }

int CControlesFijos::CalcularLiquidacion(int instancia) {
  if (m_pDatos == nullptr) return 0;
  DatosRenta& d = *m_pDatos;
  m_pFunciones->LI3(&d.Resultados, &d.ApartadoF1, &d.Liquidacion, &d.BaseImponible, &d.ApartadoG, &d.RendTrabajo,
                    &d.RendCapInmobiliario, &d.RendCapMobiliario, &d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD4,
                    &d.ApartadoD5, &d.Identificacion, instancia);
  return 1;
}

// ---- liquidation ----

CControlesLiquidacion::CControlesLiquidacion() : CControlesFijos({kCasillasLiquidacion, 1, 2, kCasillas}) {}

int CControlesLiquidacion::CalcularCasilla(int numero) {
  if (numero != 3 && numero != 11) return 0;
  const int calculado = CalcularLiquidacion(6);
  if (calculado != 0) Refrescar();
  return calculado;
}

// ---- results ----

CControlesResultados::CControlesResultados() : CControlesFijos({kCasillasResultados, 1, 2, kCasillas}) {}

int CControlesResultados::InstanciaDeCasilla(int numero) {
  switch (numero) {
    case 7: case 8: case 9:
      return 2;
    case 16: case 17: case 18: case 19: case 20: case 21: case 26: case 27: case 29: case 30:
      return 4;
    case 34: case 35: case 36: case 41:
      return 5;
    default:
      return 0;
  }
}

int CControlesResultados::CalcularCasilla(int numero) {
  const int instancia = InstanciaDeCasilla(numero);
  if (instancia == 0) return 0;
  const int calculado = CalcularLiquidacion(instancia);
  if (calculado != 0) Refrescar();
  return calculado;
}

void CControlesResultados::AvisoCampo(int /*numero*/) {
  const bool abiertas = Datos() != nullptr && TieneMarcaDiferencia(*Datos(), Sujeto());
  for (const int numero : {kCasillaResta, kCasillaSuma}) {
    marco::CCampo* campo = CampoDeNumero(numero);
    if (campo == nullptr) continue;
    PonerSoloLectura(campo, !abiertas);
    campo->Marca = abiertas ? 1 : 0;
  }
}

// ---- regional deductions of D-101 ----

CControlesSIM005::CControlesSIM005() : CControlesFijos({kCasillasSIM005, 1, 2, kCasillas}) {}

// ---- views ----

wxIMPLEMENT_ABSTRACT_CLASS(CVistaLiquidacion, CRentaVista);
wxIMPLEMENT_ABSTRACT_CLASS(CVistaResultados, CRentaVista);
wxIMPLEMENT_DYNAMIC_CLASS(SIM005, CRentaVista);
wxIMPLEMENT_DYNAMIC_CLASS(SIM006, CVistaLiquidacion);
wxIMPLEMENT_DYNAMIC_CLASS(SIM007, CVistaResultados);

namespace {

// After a committed box that calculated: the whole recalculation (every view gets hint 1).
void RecalcularDeclaracion(CRentaVista& vista) {
  if (CRentaDoc* documento = vista.DameDocumentoRenta()) documento->Calcular();
}

}  // namespace

CVistaLiquidacion::CVistaLiquidacion() { PonerControles(std::make_unique<CControlesLiquidacion>()); }

CControlesLiquidacion* CVistaLiquidacion::Controles() const {
  return static_cast<CControlesLiquidacion*>(DameControles());
}

int CVistaLiquidacion::Recalcular(int numero) {
  if (Controles()->CalcularCasilla(numero) != 0) {
    RecalcularDeclaracion(*this);
    RefrescarControles();
    MarcarDocumentoModificado();
  }
  return 0;
}

int CVistaLiquidacion::ComprobarCampo(int /*numero*/) {
  RefrescarControles();
  ActualizarVistasValores();
  return 1;
}

void CVistaLiquidacion::RefrescarControles() {
  Controles()->Refrescar();
  CRentaVista::RefrescarControles();
}

CVistaResultados::CVistaResultados() { PonerControles(std::make_unique<CControlesResultados>()); }

CControlesResultados* CVistaResultados::Controles() const {
  return static_cast<CControlesResultados*>(DameControles());
}

int CVistaResultados::Recalcular(int numero) {
  if (Controles()->CalcularCasilla(numero) != 0) {
    RecalcularDeclaracion(*this);
    RefrescarControles();
    MarcarDocumentoModificado();
  }
  return 0;
}

int CVistaResultados::ComprobarCampo(int numero) {
  if (numero == kCasillaResta || numero == kCasillaSuma) RecalcularDeclaracion(*this);
  RefrescarControles();
  ActualizarVistasValores();
  return 1;
}

void CVistaResultados::RefrescarControles() {
  Controles()->AvisoCampo(0);
  Controles()->Refrescar();
  CRentaVista::RefrescarControles();
}

SIM005::SIM005() { PonerControles(std::make_unique<CControlesSIM005>()); }

}  // namespace renta
