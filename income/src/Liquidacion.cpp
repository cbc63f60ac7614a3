#include "income/Liquidacion.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"
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

// Page 16 (and 7 of D-101). An amount computed from coded entries or rows carries them as detail; the proportional
// deduction of box 9 and the deduction taken as entered (box 27) carry the joint declaration's amounts behind their
// entries too. The amounts the final difference subtracts and adds (boxes 44 and 45) are the sums of the four
// holder entries behind each (the last eight bytes of a block: the joint declaration's amount of the one the final
// difference adds, unused in the other), which the calculation does not read: the page sums them.
constexpr std::uint32_t kDespResta = 6424;
constexpr std::uint32_t kDespSuma = 6536;
constexpr std::uint32_t kDespEntradasResta = kDespResta + kMiembro;
constexpr std::uint32_t kDespEntradasSuma = kDespSuma + kMiembro;
constexpr std::uint32_t kEntradasDiferencia = 4;
constexpr std::uint32_t kTamanoEntradasDiferencia = kEntradasDiferencia * 16 + 8;
constexpr SCasillaDatos kCasillasResultados[] = {
    {3, Importe(kRS, 40), {}},
    {4, Importe(kRS, 80), {}},
    {5, Importe(kRS, 120), {}},
    {6, Importe(kRS, 160), {}},
    {7, Importe(kRS, 200), Bytes(kRS, 240, 2 * 16)},
    {8, Importe(kRS, 272), Bytes(kRS, 312, 2 * 24)},
    {9, Importe(kRS, 360), Bytes(kRS, 400, 6 * 24 + 2 * 8)},
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
    {27, Importe(kRS, 5224), Bytes(kRS, 5264, 2 * 16 + 8)},
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
    {44, Importe(kRS, kDespResta), Bytes(kRS, kDespEntradasResta, kTamanoEntradasDiferencia)},
    {45, Importe(kRS, kDespSuma), Bytes(kRS, kDespEntradasSuma, kTamanoEntradasDiferencia)},
    {46, Importe(kRS, 6648), {}},
    {47, kIdentificacion, {}},
};

// Page 13 of D-100 and 5 of D-101: section N, as the calculation library lays it out. A deduction carries the
// entries it is computed from as detail (docs/DETALLES_CASILLAS.md says which dialog opens on each).
constexpr SCasillaDatos kCasillasORD013[] = {
    {3, Importe(kN, 0), {}},
    {4, Importe(kN, 40), {}},
    {5, Importe(kN, 80), {}},
    {6, Importe(kN, 120), {kN + 160, 48}},
    {7, Importe(kN, 208), {kN + 248, 24}},
    {8, Importe(kN, 272), {kN + 312, 5 * 16}},
    {9, Importe(kN, 392), {kN + 432, 2 * 32}},
    {10, Importe(kN, 496), {}},
    {11, Importe(kN, 576), {kN + 616, 16}},
    {12, Importe(kN, 536), {}},
    {13, Importe(kN, 672), {kN + 616, 16}},
    {14, Importe(kN, 632), {}},
    {15, Importe(kN, 712), {kN + 752, 3 * 40}},
    {16, Importe(kN, 872), {}},
    {17, Importe(kN, 912), {kN + 952, 3 * 16}},
    {18, Importe(kN, 1000), {kN + 1040, 3 * 16}},
    {19, Importe(kN, 1088), {}},
    {20, Importe(kN, 1128), {}},
    {21, Importe(kN, 1168), {kN + 1208, 24}},
    {22, Importe(kN, 1232), {}},
    {23, Importe(kN, 1272), {kN + 1312, 3 * 40}},
    {24, Importe(kN, 1432), {}},
    {25, Importe(kN, 1472), {kN + 1512, 24}},
    {26, Importe(kN, 1536), {}},
    {27, Importe(kN, 1576), {kN + 1616, 24}},
    {28, Importe(kN, 1640), {}},
    {29, Importe(kN, 1680), {kN + 1720, 3 * 16}},
    {30, Importe(kN, 2072), {kN + 2112, 3 * 16}},
    {31, Importe(kN, 2160), {kN + 2200, 3 * 16}},
    {32, Importe(kN, 2248), {}},
    {33, Importe(kN, 1768), {kN + 1808, 3 * 16}},
    {34, Importe(kN, 1856), {kN + 1896, 3 * 16}},
    {35, Importe(kN, 1944), {}},
    {36, Importe(kN, 1984), {kN + 2024, 3 * 16}},
    {37, Importe(kN, 2288), {}},
    {38, Importe(kN, 2328), {kN + 2368, 24}},
    {39, Importe(kN, 2392), {}},
    {40, Importe(kN, 2432), {kN + 2472, 2}},
    {41, Importe(kN, 2480), {kN + 2520, 3 * 16}},
    {42, Importe(kN, 2568), {kN + 2608, 2}},
    {43, Importe(kN, 2616), {kN + 2656, 3 * 16}},
    {44, Importe(kN, 2704), {kN + 2744, 3 * 16}},
    {45, Importe(kN, 2792), {kN + 2832, 3 * 16}},
    {46, Importe(kN, 2880), {}},
    {47, Importe(kN, 2920), {kN + 2960, 3 * 16}},
    {48, {kId + kDespIdentificacion, 20}, {}},
};

// The groups of page 13 by code.
struct SGrupoCodigo {
  std::string_view codigo;
  int casillas[8];
};
constexpr SGrupoCodigo kGruposN[] = {
    {"04", {6, 7, 8, 9}},
    {"08", {11, 13, 15, 17, 18}},
    {"09", {21}},
    {"11", {23}},
    {"12", {25, 27, 29}},
    {"16", {30, 31}},
    {"13", {33, 34, 36}},
    {"17", {38, 40, 41, 42, 43, 44, 45, 47}},
};

constexpr int kCasillaResta = 44;
constexpr int kCasillaSuma = 45;

}  // namespace

void SumarEntradasDiferencia(DatosRenta& datos) {
  unsigned char* r = datos.Resultados.octetos;
  const auto sumar = [&](std::uint32_t entradas, std::uint32_t miembro, bool conjunta) {
    std::array<double, kNumeroSujetos> importes{};
    for (std::uint32_t e = 0; e < kEntradasDiferencia; ++e) {
      const unsigned char* entrada = r + entradas + 16 * e;
      double importe = 0.0;
      std::memcpy(&importe, entrada + 8, sizeof importe);
      if (!std::isfinite(importe)) continue;
      const int titular = entrada[0];
      if (titular == marco::kSujetoUnidadFamiliar) {
        // A common amount: half to the declarant and half to the spouse.
        const double mitad = marco::Redondear(importe * 0.5);
        importes[1] += mitad;
        importes[2] += mitad;
      } else if (titular > marco::kSujetoUnidadFamiliar && titular <= kNumeroSujetos) {
        importes[static_cast<std::size_t>(titular - 1)] += importe;
      } else {
        continue;
      }
      importes[0] += importe;
    }
    if (conjunta) {
      double importe = 0.0;
      std::memcpy(&importe, r + entradas + 16 * kEntradasDiferencia, sizeof importe);
      importes[0] = std::isfinite(importe) ? importe : 0.0;
    }
    std::memcpy(r + miembro, importes.data(), sizeof importes);
  };
  sumar(kDespEntradasResta, kDespResta, false);
  sumar(kDespEntradasSuma, kDespSuma, true);
}

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
  if (numero == kCasillaResta || numero == kCasillaSuma) {
    if (Datos() == nullptr) return 0;
    SumarEntradasDiferencia(*Datos());
    return 1;
  }
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

// ---- regional deductions ----

CControlesORD013::CControlesORD013() : CControlesFijos({kCasillasORD013, 1, 2, kCasillas}) {}

bool CControlesORD013::HayCodigo(std::string_view codigo) const {
  if (Datos() == nullptr || codigo.size() != 2) return false;
  const unsigned char* familia = Datos()->DatosFamilia.octetos;
  for (const std::size_t desp : kDespCodigosComunidad) {
    if (std::memcmp(familia + desp, codigo.data(), 2) == 0) return true;
  }
  return false;
}

std::string_view CControlesORD013::CodigoDeCasilla(int numero) {
  for (const SGrupoCodigo& g : kGruposN) {
    for (const int n : g.casillas) {
      if (n != 0 && n == numero) return g.codigo;
    }
  }
  return {};
}

void CControlesORD013::Enlazar(int liberarAntes) {
  CControlesFijos::Enlazar(liberarAntes);
  for (const SGrupoCodigo& g : kGruposN) {
    const bool abierto = HayCodigo(g.codigo);
    for (const int n : g.casillas) {
      if (n != 0) PonerSoloLectura(CampoDeNumero(n), !abierto);
    }
  }
}

int CControlesORD013::CalcularCasilla(int numero) {
  if (Datos() == nullptr || (numero != 4 && CodigoDeCasilla(numero).empty())) return 0;
  DatosRenta& d = *Datos();
  Funciones().N(&d.ApartadoN, &d.DatosFamilia, &d.BaseImponible, &d.Liquidacion, &d.ApartadoG, &d.ApartadoM,
                &d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD4, &d.ApartadoD5, &d.ApartadoK, &d.ApartadoI, &d.ApartadoH,
                &d.Resultados, 0);
  return 1;
}

// ---- views ----

wxIMPLEMENT_ABSTRACT_CLASS(CVistaLiquidacion, CRentaVista);
wxIMPLEMENT_ABSTRACT_CLASS(CVistaResultados, CRentaVista);
wxIMPLEMENT_ABSTRACT_CLASS(CVistaDeduccionesAutonomicas, CRentaVista);
wxIMPLEMENT_DYNAMIC_CLASS(SIM005, CVistaDeduccionesAutonomicas);
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

CVistaDeduccionesAutonomicas::CVistaDeduccionesAutonomicas() { PonerControles(std::make_unique<CControlesORD013>()); }

CControlesORD013* CVistaDeduccionesAutonomicas::Controles() const {
  return static_cast<CControlesORD013*>(DameControles());
}

int CVistaDeduccionesAutonomicas::Recalcular(int numero) {
  // Box 4 runs the section only when its value is checked.
  const int calculado = numero != 4 ? Controles()->CalcularCasilla(numero) : 0;
  if (calculado != 0) RecalcularDeclaracion(*this);
  RefrescarControles();
  MarcarDocumentoModificado();
  return calculado;
}

int CVistaDeduccionesAutonomicas::ComprobarCampo(int numero) {
  if (numero == 4 && Controles()->CalcularCasilla(numero) != 0) RecalcularDeclaracion(*this);
  RefrescarControles();
  MarcarDocumentoModificado();
  return 1;
}

void CVistaDeduccionesAutonomicas::ConfirmarCampoActivo() {
  CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
}

void CVistaDeduccionesAutonomicas::RefrescarControles() {
  Controles()->Refrescar();
  CRentaVista::RefrescarControles();
}

}  // namespace renta
