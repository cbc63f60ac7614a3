#include "income/SIM004.h"

#include <cstddef>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace renta {

namespace {

constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion);
constexpr std::uint32_t kG = offsetof(DatosRenta, ApartadoG);
constexpr std::uint32_t kI = offsetof(DatosRenta, ApartadoI);
constexpr std::uint32_t kJ = offsetof(DatosRenta, ApartadoJ);
constexpr std::uint32_t kK = offsetof(DatosRenta, ApartadoK);
constexpr std::uint32_t kL = offsetof(DatosRenta, ApartadoL);
constexpr std::uint32_t kM = offsetof(DatosRenta, ApartadoM);
constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::uint32_t kLQ = offsetof(DatosRenta, Liquidacion);
constexpr std::uint32_t kMiembro = 5 * sizeof(double);

constexpr SLugarDatos Importe(std::uint32_t bloque, std::uint32_t desp) { return {bloque + desp, kMiembro}; }

// The rows that the deduction boxes of section M open in their detail windows.
constexpr SLugarDatos kEntradasPrimerGrupo{kM + 40, 3 * 16};
constexpr SLugarDatos kEntradasClases{kM + 168, 3 * 32};
constexpr SLugarDatos kEntradasConTope{kM + 544, 3 * 80};

constexpr SCasillaDatos kCasillasFijas[] = {
    {3, Importe(kG, 72), {}},
    {4, Importe(kG, 144), {}},
    {5, Importe(kBI, 1272), {}},
    {6, Importe(kBI, 1696), {}},
    {7, Importe(kBI, 1312), {}},
    {8, Importe(kI, 0), {}},
    {9, Importe(kI, 40), {}},
    {16, Importe(kBI, 1352), {}},
    {17, Importe(kJ, 96), {}},
    {26, Importe(kBI, 1392), {}},
    {35, Importe(kBI, 1432), {}},
    {36, Importe(kBI, 1312), {}},
    {37, Importe(kI, 0), {}},
    {38, Importe(kK, 0), {}},
    {39, Importe(kLQ, 0), {}},
    {40, Importe(kBI, 1736), {}},
    {41, Importe(kK, 80), {}},
    {42, Importe(kL, 0), {}},
    {43, Importe(kL, 40), {}},
    {44, Importe(kL, 80), {}},
    {45, Importe(kM, 0), kEntradasPrimerGrupo},
    {46, Importe(kM, 88), {}},
    {47, Importe(kLQ, 1240), {}},
    {48, Importe(kM, 128), kEntradasClases},
    {49, Importe(kM, 264), {}},
    {50, Importe(kLQ, 1280), {}},
    {51, Importe(kM, 304), {}},
    {52, Importe(kM, 344), {}},
    {53, Importe(kM, 504), kEntradasConTope},
    {54, Importe(kM, 1256), {}},
    {55, Importe(kM, 784), kEntradasConTope, 2},
    {56, Importe(kM, 1296), {}},
    {57, Importe(kLQ, 1320), {}},
    {58, Importe(kM, 824), kEntradasConTope, 3},
    {59, Importe(kLQ, 1360), {}},
    {60, Importe(kM, 864), kEntradasConTope, 4},
    {61, Importe(kLQ, 1400), {}},
    {62, {kId + kDespIdentificacion, kNumeroSujetos * kAnchoIdentificacion}, {}},
};

constexpr int kCasillaReparto = 11;
constexpr int kCasillaEjemplar = 63;

// The stored place, row size, the fields' offsets and sizes of each table.
struct SDisenoJ {
  std::size_t desp;
  std::size_t ancho;
  int campos[4];
  std::size_t tamanos[4];
  int numeroCampos;
  std::size_t despClave;
  std::size_t anchoClave;
};
constexpr SDisenoJ kDisenos[3] = {
    {0, 48, {0, 16, 24, 0}, {1, 8, 8, 0}, 3, 0, 0},
    {136, 72, {0, 32, 40, 48}, {1, 8, 8, 8}, 4, 0, 0},
    // The same row as page 10 of D-100 shows it: the relationship (20 characters at 1), then the tax number at 21.
    {280, 40, {0, 21, 1, 32}, {1, 9, 20, 8}, 4, 21, 9},
};

int IndiceTabla(char tabla) {
  for (int k = 0; k < 3; ++k) {
    if (kTablasJ[k] == tabla) return k;
  }
  return -1;
}

int SujetoMostrado() {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

}  // namespace

SFormatoFilas FormatoFilasJ(char tabla) {
  SFormatoFilas f;
  const int k = IndiceTabla(tabla);
  if (k < 0) return f;
  const SDisenoJ& d = kDisenos[k];
  f.ancho = d.ancho;
  f.despTitular = 0;
  f.primerCampo = 0;
  f.campos.assign(d.campos, d.campos + d.numeroCampos);
  // The amounts a halved row halves: the row's doubles, those the calculation derives included.
  static constexpr std::size_t kImportes[3][5] = {{8, 16, 24, 32, 40}, {32, 40, 48, 56, 64}, {32, 0, 0, 0, 0}};
  for (std::size_t desp : kImportes[k]) {
    if (desp != 0) f.importes.push_back(desp);
  }
  return f;
}

CControlesSIM004::CControlesSIM004() = default;
CControlesSIM004::~CControlesSIM004() = default;

void CControlesSIM004::PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera, marco::CValidador* validador) {
  m_pDatos = datos;
  m_cabecera = cabecera;
  m_pValidador = validador;
}

void CControlesSIM004::TomarDocumento() {
  if (CRentaDoc* documento = TomarDocumentoRenta(*this, m_pDatos, m_cabecera)) {
    m_pValidador = &documento->Validador();
  }
}

const CControlesSIM004::STablaJ* CControlesSIM004::TablaDeCasilla(int numero) {
  static constexpr STablaJ kTablas[3] = {{'C', 10, 3}, {'D', 18, 4}, {'E', 27, 4}};
  for (const STablaJ& t : kTablas) {
    if (numero >= t.primeraCasilla && numero < t.primeraCasilla + kFilasJ * t.casillasFila) return &t;
  }
  return nullptr;
}

CFilasPagina* CControlesSIM004::FilasJ(char tabla) const {
  const int k = IndiceTabla(tabla);
  return k >= 0 ? m_aFilas[k].get() : nullptr;
}

void CControlesSIM004::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  TomarDocumento();
  for (auto& filas : m_aFilas) filas.reset();
  if (m_pDatos != nullptr) {
    for (int k = 0; k < 3; ++k) {
      const SDisenoJ& d = kDisenos[k];
      m_aFilas[k] = std::make_unique<CFilasPagina>(m_pDatos->ApartadoJ.octetos + d.desp, kFilasJ, kFilasJ,
                                                   FormatoFilasJ(kTablasJ[k]), d.despClave, d.anchoClave);
    }
    FiltrarFilas();
  }
  EnlazarCasillas();
  MarcarSoloLectura();
}

void CControlesSIM004::FiltrarFilas() {
  m_nSujetoFiltro = SujetoMostrado();
  for (auto& filas : m_aFilas) {
    if (filas) filas->FiltrarPorTitular(m_nSujetoFiltro);
  }
}

void CControlesSIM004::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
  for (auto& filas : m_aFilas) filas.reset();
}

void CControlesSIM004::Refrescar() {
  if (m_pDatos == nullptr || !m_aFilas[0]) return;
  if (SujetoMostrado() != m_nSujetoFiltro) FiltrarFilas();
  EnlazarCasillas();
  MarcarSoloLectura();
}

void CControlesSIM004::EnlazarCasillas() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
  if (m_pDatos == nullptr) return;
  EnlazarCasilla(CampoDeNumero(1), m_cabecera.nif, kAnchoCabeceraNif);
  EnlazarCasilla(CampoDeNumero(2), m_cabecera.nombre, kAnchoCabeceraTexto);
  EnlazarCasilla(CampoDeNumero(kCasillaEjemplar), m_cabecera.ejemplar, kAnchoCabeceraTexto);
  EnlazarCasillasDatos(*this, kCasillasFijas, *m_pDatos);
  for (int k = 0; k < 3; ++k) {
    CFilasPagina* filas = m_aFilas[k].get();
    const STablaJ* t = TablaDeCasilla(k == 0 ? 10 : (k == 1 ? 18 : 27));
    if (filas == nullptr || t == nullptr) continue;
    for (int fila = 0; fila < kFilasJ; ++fila) {
      for (int campo = 0; campo < t->casillasFila; ++campo) {
        EnlazarCasilla(CampoDeNumero(t->primeraCasilla + fila * t->casillasFila + campo),
                       filas->DireccionCampo(fila, campo), kDisenos[k].tamanos[campo]);
      }
    }
  }
}

void CControlesSIM004::MarcarSoloLectura() {
  for (int k = 0; k < 3; ++k) {
    CFilasPagina* filas = m_aFilas[k].get();
    const STablaJ* t = TablaDeCasilla(k == 0 ? 10 : (k == 1 ? 18 : 27));
    if (filas == nullptr || t == nullptr) continue;
    for (int fila = 0; fila < kFilasJ; ++fila) {
      const int primera = t->primeraCasilla + fila * t->casillasFila;
      PonerSoloLectura(CampoDeNumero(primera), !filas->Editable());
      const bool conTitular = filas->TitularMostrada(fila) != 0;
      for (int campo = 1; campo < t->casillasFila; ++campo) {
        PonerSoloLectura(CampoDeNumero(primera + campo), !filas->Editable() || !conTitular);
      }
    }
  }
}

int CControlesSIM004::NavegarGrupo(int grupo, int direccion, int accion, int /*extra*/) {
  CFilasPagina* filas = grupo >= 0 && grupo <= 0x7F ? FilasJ(static_cast<char>(grupo)) : nullptr;
  if (filas == nullptr) return 0;
  if (accion == -2) return filas->PuedeMover(direccion);
  if (accion == -1) {
    const int movido = filas->Mover(direccion);
    if (movido != 0) Refrescar();
    return movido;
  }
  return 0;
}

int CControlesSIM004::CalcularCasilla(int numero) {
  if (m_pDatos == nullptr) return 0;
  DatosRenta& d = *m_pDatos;
  int calculado = 0;
  if (const STablaJ* t = TablaDeCasilla(numero); t != nullptr) {
    const int desde = numero - t->primeraCasilla;
    const int fila = desde / t->casillasFila;
    const int orden = desde % t->casillasFila == 0 ? kOrdenTitularBorrado : kOrdenGuardarFila;
    if (CFilasPagina* filas = FilasJ(t->letra)) filas->OrdenFila(fila, orden, 0);
    calculado = 1;
  }
  if (numero == kCasillaReparto && m_pValidador != nullptr) m_pValidador->ValidarCampo(206, &d.ApartadoM);
  int caso = 0;
  if (numero == 45 || numero == 48) caso = 1;
  if (numero == 53 || numero == 55 || numero == 58 || numero == 60) caso = 3;
  if (caso != 0) {
    m_pFunciones->M(&d.ApartadoM, &d.ApartadoK, &d.Liquidacion, &d.Resultados, &d.RendCapMobiliario, &d.ApartadoE2,
                    caso);
    calculado = 1;
  }
  if (calculado != 0) Refrescar();
  return calculado;
}

int CControlesSIM004::ComprobarValor(int numero) {
  if (numero != 28 && numero != 32) return 1;
  marco::CCampo* campo = CampoDeNumero(numero);
  if (campo == nullptr || campo->Dato == nullptr || m_pValidador == nullptr) return 1;
  return m_pValidador->ValidarCampo(21, campo->Dato) != 0 ? 1 : 0;
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(SIM004, CRentaVista);

SIM004::SIM004() { PonerControles(std::make_unique<CControlesSIM004>()); }

CControlesSIM004* SIM004::Controles() const { return static_cast<CControlesSIM004*>(DameControles()); }

void SIM004::TrasCalcular(int calculado) {
  if (calculado != 0) {
    if (CRentaDoc* documento = DameDocumentoRenta()) documento->Calcular();
    RefrescarControles();
  }
  MarcarDocumentoModificado();
}

int SIM004::Recalcular(int numero) {
  const int calculado = Controles()->CalcularCasilla(numero);
  TrasCalcular(calculado);
  return calculado;
}

int SIM004::AplicarDependencias(int numero) {
  const int calculado = Controles()->AplicarReglas(numero);
  TrasCalcular(calculado);
  return calculado;
}

int SIM004::ComprobarCampo(int numero) {
  if (Controles()->ComprobarValor(numero) != 1) {
    RefrescarControles();
    return 0;
  }
  TrasCalcular(Controles()->CalcularCasilla(numero));
  return 1;
}

void SIM004::RefrescarControles() {
  Controles()->Refrescar();
  CRentaVista::RefrescarControles();
}

wxClassInfo* ClasePaginaSIM004() { return wxCLASSINFO(SIM004); }

}  // namespace renta
