#include "income/SIM003.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace renta {

// ---- shared by pages 3 and 4 ----

int EnlazarCasilla(marco::CCampo* campo, void* lugar, std::size_t tamano, void* enlace) {
  if (campo == nullptr) return 0;
  campo->Dato = nullptr;
  campo->Enlace = nullptr;
  campo->EnlacesLectura = {};
  campo->CampoDetalle = 0;
  if (lugar == nullptr) return 0;
  const std::size_t necesario = campo->TamanoValor() * static_cast<std::size_t>(std::max(campo->Repeticion, 1));
  if (necesario == 0 || necesario > tamano) return 0;
  campo->Dato = lugar;
  campo->Enlace = enlace;
  return 1;
}

void EnlazarCasillasDatos(marco::CControlesPagina& controles, std::span<const SCasillaDatos> casillas,
                          DatosRenta& datos) {
  auto* base = reinterpret_cast<unsigned char*>(&datos);
  const auto lugar = [&](const SLugarDatos& l) -> unsigned char* {
    if (l.tamano == 0 || l.desp + l.tamano > sizeof(DatosRenta)) return nullptr;
    return base + l.desp;
  };
  for (const SCasillaDatos& c : casillas) {
    marco::CCampo* campo = controles.CampoDeNumero(c.numero);
    if (EnlazarCasilla(campo, lugar(c.valor), c.valor.tamano, lugar(c.enlace)) != 0 && campo->Enlace != nullptr) {
      campo->CampoDetalle = c.campoDetalle;
    }
  }
}

CRentaDoc* TomarDocumentoRenta(const marco::CControlesPagina& controles, DatosRenta*& datos,
                               SCabeceraPagina& cabecera) {
  auto* documento = dynamic_cast<CRentaDoc*>(controles.DameDocumento());
  if (documento == nullptr) return nullptr;
  documento->RellenarCabecera();
  datos = &documento->Datos();
  cabecera = {documento->NifDeclarante(), documento->TextoCabecera1(), documento->TextoEjemplar()};
  return documento;
}

void PonerSoloLectura(marco::CCampo* campo, bool soloLectura) {
  if (campo != nullptr) campo->SoloLectur = (campo->SoloLecturInicial != 0 || soloLectura) ? 1 : 0;
}

CFilasPagina::CFilasPagina(unsigned char* guardadas, int filas, int mostradas, SFormatoFilas formato,
                           std::size_t despClave, std::size_t anchoClave)
    : CFilasSeccion(guardadas, filas, mostradas, formato, filas),
      m_nDespClave(std::min(despClave, formato.ancho)),
      m_nAnchoClave(std::min(anchoClave, formato.ancho - std::min(despClave, formato.ancho))) {}

bool CFilasPagina::ClaveEscrita(int fila) {
  const unsigned char* f = FilaMostrada(fila);
  if (f == nullptr) return false;
  for (std::size_t k = 0; k < m_nAnchoClave; ++k) {
    const unsigned char c = f[m_nDespClave + k];
    if (c != 0 && c != ' ') return true;
  }
  return false;
}

std::uint8_t CFilasPagina::TitularMostrada(int fila) {
  const unsigned char* f = FilaMostrada(fila);
  return f != nullptr ? f[Formato().despTitular] : 0;
}

int CFilasPagina::OrdenFila(int fila, int orden, int /*marca*/) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  if (!Editable()) return 0;
  switch (orden) {
    case kOrdenTitularBorrado:
      if (TitularTrabajo(i) != 0) {
        GuardarFila(i);
      } else if (!ClaveEscrita(fila)) {
        EliminarFila(i);
      } else {
        // The key stays where it is; amounts without a holder would count for nobody.
        unsigned char* f = FilaTrabajo(i);
        for (std::size_t desp : Formato().importes) std::memset(f + desp, 0, sizeof(double));
        GuardarFila(i);
      }
      break;
    case kOrdenGuardarFila:
      GuardarFila(i);
      break;
    case kOrdenRevertirFila:
      RevertirFila(i);
      break;
    default:
      break;
  }
  return 0;
}

int CFilasPagina::Mover(int direccion) {
  if ((direccion != 0 && direccion != 1) || PuedeMover(direccion) != 1) return 0;
  Navegar(direccion);
  return 1;
}

// ---- page 3 ----

namespace {

constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion);
constexpr std::uint32_t kE1 = offsetof(DatosRenta, ApartadoE1);
constexpr std::uint32_t kF1 = offsetof(DatosRenta, ApartadoF1);
constexpr std::uint32_t kF4 = offsetof(DatosRenta, ApartadoF4);
constexpr std::uint32_t kG = offsetof(DatosRenta, ApartadoG);
constexpr std::uint32_t kH = offsetof(DatosRenta, ApartadoH);
constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
// The five doubles of a per-person amount.
constexpr std::uint32_t kMiembro = 5 * sizeof(double);

constexpr SLugarDatos Importe(std::uint32_t bloque, std::uint32_t desp) { return {bloque + desp, kMiembro}; }

// The boxes bound to fixed places (the header texts and the rows are bound apart). Boxes 4 and 56 show the
// general part after the reductions and the part of the minimum taken by the general base.
constexpr SCasillaDatos kCasillasFijas[] = {
    {3, Importe(kBI, 880), {kE1, sizeof(RegApartadoE1)}},
    {4, Importe(kG, 32), {}},
    {26, Importe(kF1, 504), {}},
    {27, Importe(kF1, 544), {}},
    {28, Importe(kF1, 584), {}},
    {29, Importe(kF1, 624), {}},
    {30, Importe(kF1, 664), {kF1 + 704, 2 * 24}},
    {31, Importe(kF1, 752), {kF1 + 792, 2 * 32}},
    {32, Importe(kF1, 856), {kF1 + 792, 2 * 32}, 2},
    {33, Importe(kF1, 896), {kF1 + 792, 2 * 32}, 3},
    {34, Importe(kF1, 936), {}},
    {35, Importe(kF4, 0), {}},
    {36, Importe(kF4, 40), {}},
    {37, Importe(kBI, 1232), {}},
    {38, Importe(kF4, 80), {}},
    {39, Importe(kF4, 120), {}},
    {40, Importe(kF4, 160), {}},
    {41, Importe(kBI, 1544), {}},
    {42, Importe(kF4, 200), {}},
    {47, Importe(kBI, 1080), {}},
    {48, Importe(kBI, 1120), {}},
    {49, Importe(kBI, 1232), {}},
    {50, Importe(kG, 72), {}},
    {51, Importe(kG, 144), {}},
    {52, Importe(kH, 0), {}},
    {53, Importe(kH, 40), {}},
    {54, Importe(kH, 80), {}},
    {55, Importe(kH, 120), {}},
    {56, Importe(kBI, 1272), {}},
    {58, {kId + kDespIdentificacion, kNumeroSujetos * kAnchoIdentificacion}, {}},
};

constexpr int kCasillaSaldosMarca = 43;
constexpr int kPrimeraCasillaSaldos = 44;
constexpr int kUltimaCasillaSaldos = 46;
constexpr std::size_t kSaldosImportes = 8;  // the five amounts follow the mark at +248

// Offsets inside an F1 row by column.
constexpr int kCamposF1[kCasillasFilaF1] = {0, 1, 16, 24, 32, 40, 48};
constexpr std::size_t kAnchoConceptoF1 = 7;

std::size_t TamanoCampoF1(int columna) {
  if (columna == 0) return 1;
  if (columna == 1) return kAnchoConceptoF1;
  return sizeof(double);
}

void LeerDoble(const unsigned char* p, double& valor) { std::memcpy(&valor, p, sizeof valor); }

int SujetoMostrado() {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

}  // namespace

SFormatoFilas FormatoFilasF1() {
  SFormatoFilas f;
  f.ancho = kAnchoFilaF1;
  f.despTitular = 0;
  f.primerCampo = 0;
  f.campos.assign(std::begin(kCamposF1), std::end(kCamposF1));
  f.importes = {16, 24, 32, 40, 48};
  return f;
}

SFormatoFilas FormatoSaldosF4() {
  SFormatoFilas f;
  f.ancho = kAnchoSaldosF4;
  f.despTitular = 0;
  f.primerCampo = 0;
  f.campos = {0, 8, 16, 24, 32, 40};
  f.importes = {8, 16, 24, 32, 40};
  return f;
}

CControlesSIM003::CControlesSIM003() = default;
CControlesSIM003::~CControlesSIM003() = default;

void CControlesSIM003::PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera) {
  m_pDatos = datos;
  m_cabecera = cabecera;
}

void CControlesSIM003::TomarDocumento() { TomarDocumentoRenta(*this, m_pDatos, m_cabecera); }

int CControlesSIM003::FilaDeCasillaF1(int numero) {
  const int k = numero - kPrimeraCasillaF1;
  if (k < 0 || k >= kMostradasF1 * kCasillasFilaF1) return -1;
  return k / kCasillasFilaF1;
}

int CControlesSIM003::ColumnaDeCasillaF1(int numero) {
  const int k = numero - kPrimeraCasillaF1;
  if (k < 0 || k >= kMostradasF1 * kCasillasFilaF1) return -1;
  return kColumnasCasillasF1[k % kCasillasFilaF1];
}

void CControlesSIM003::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  TomarDocumento();
  m_pFilasF1.reset();
  m_pSaldos.reset();
  if (m_pDatos != nullptr) {
    m_pFilasF1 = std::make_unique<CFilasPagina>(m_pDatos->ApartadoF1.octetos, kFilasF1, kMostradasF1,
                                                FormatoFilasF1(), 1, kAnchoConceptoF1);
    m_pSaldos = std::make_unique<CFilasPagina>(m_pDatos->ApartadoF4.octetos + kDespSaldosF4, 1, 1,
                                               FormatoSaldosF4());
    FiltrarFilas();
  }
  EnlazarCasillas();
  MarcarSoloLectura();
}

void CControlesSIM003::FiltrarFilas() {
  m_nSujetoFiltro = SujetoMostrado();
  if (m_pFilasF1) m_pFilasF1->FiltrarPorTitular(m_nSujetoFiltro);
  if (m_pSaldos) m_pSaldos->FiltrarPorTitular(m_nSujetoFiltro);
}

void CControlesSIM003::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
  m_pFilasF1.reset();
  m_pSaldos.reset();
}

void CControlesSIM003::Refrescar() {
  if (m_pDatos == nullptr || !m_pFilasF1 || !m_pSaldos) return;
  if (SujetoMostrado() != m_nSujetoFiltro) FiltrarFilas();
  EnlazarCasillas();
  MarcarSoloLectura();
}

void CControlesSIM003::EnlazarCasillas() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
  if (m_pDatos == nullptr) return;
  EnlazarCasilla(CampoDeNumero(1), m_cabecera.nif, kAnchoCabeceraNif);
  EnlazarCasilla(CampoDeNumero(2), m_cabecera.nombre, kAnchoCabeceraTexto);
  EnlazarCasilla(CampoDeNumero(57), m_cabecera.ejemplar, kAnchoCabeceraTexto);
  EnlazarCasillasDatos(*this, kCasillasFijas, *m_pDatos);
  if (m_pFilasF1) {
    for (int numero = kPrimeraCasillaF1; numero < kPrimeraCasillaF1 + kMostradasF1 * kCasillasFilaF1; ++numero) {
      const int columna = ColumnaDeCasillaF1(numero);
      EnlazarCasilla(CampoDeNumero(numero), m_pFilasF1->DireccionCampo(FilaDeCasillaF1(numero), columna),
                     TamanoCampoF1(columna));
    }
  }
  if (m_pSaldos) {
    EnlazarCasilla(CampoDeNumero(kCasillaSaldosMarca), m_pSaldos->DireccionCampo(0, 0), 1,
                   m_pSaldos->DireccionCampo(0, 5));
    for (int numero = kPrimeraCasillaSaldos; numero <= kUltimaCasillaSaldos; ++numero) {
      EnlazarCasilla(CampoDeNumero(numero), m_pSaldos->DireccionCampo(0, numero - kPrimeraCasillaSaldos + 2),
                     sizeof(double));
    }
  }
}

void CControlesSIM003::MarcarSoloLectura() {
  if (!m_pFilasF1 || !m_pSaldos) return;
  const bool filasEditables = m_pFilasF1->Editable();
  auto casillaF1 = [this](int fila, int indice) { return CampoDeNumero(kPrimeraCasillaF1 + fila * kCasillasFilaF1 + indice); };
  // The first two boxes of the first shown row are always open; the rest follows from the row above.
  for (int indice = 0; indice < 2; ++indice) PonerSoloLectura(casillaF1(0, indice), !filasEditables);
  for (int fila = 0; fila < kMostradasF1; ++fila) {
    const bool conTitular = m_pFilasF1->TitularMostrada(fila) != 0;
    for (int indice = 2; indice < kCasillasFilaF1; ++indice) {
      PonerSoloLectura(casillaF1(fila, indice), !filasEditables || !conTitular);
    }
    if (fila + 1 < kMostradasF1) {
      const bool abre = conTitular || m_pFilasF1->ClaveEscrita(fila);
      for (int indice = 0; indice < 2; ++indice) PonerSoloLectura(casillaF1(fila + 1, indice), !filasEditables || !abre);
    }
  }
  const bool saldosEditables = m_pSaldos->Editable();
  PonerSoloLectura(CampoDeNumero(kCasillaSaldosMarca), !saldosEditables);
  const bool conMarca = m_pSaldos->TitularMostrada(0) != 0;
  for (int numero = kPrimeraCasillaSaldos; numero <= kUltimaCasillaSaldos; ++numero) {
    PonerSoloLectura(CampoDeNumero(numero), !saldosEditables || !conMarca);
  }
}

int CControlesSIM003::NavegarGrupo(int grupo, int direccion, int accion, int /*extra*/) {
  if (grupo == kGrupoFilasF1 && m_pFilasF1) {
    if (accion == -2) return m_pFilasF1->PuedeMover(direccion);
    if (accion == -1) return m_pFilasF1->Mover(direccion);
    return 0;
  }
  if (grupo == kGrupoSaldosF4 && m_pSaldos && m_pSaldos->Editable()) {
    if (accion == kAccionGuardarSaldos) return m_pSaldos->OrdenFila(0, kOrdenGuardarFila, 0) == 0 ? 1 : 0;
    if (accion == kOrdenRevertirFila) return m_pSaldos->OrdenFila(0, kOrdenRevertirFila, 0) == 0 ? 1 : 0;
  }
  return 0;
}

void CControlesSIM003::TotalesF() {
  m_pFunciones->F1(&m_pDatos->ApartadoF1, -1);
  m_pFunciones->F4(&m_pDatos->ApartadoF4, &m_pDatos->ApartadoF1, &m_pDatos->ApartadoF2, &m_pDatos->ApartadoL,
                   &m_pDatos->BaseImponible, &m_pDatos->RendCapMobiliario, &m_pDatos->ApartadoF3, -1);
}

void CControlesSIM003::AplicarMarcaSaldos() {
  if (!m_pSaldos || !m_pSaldos->Editable()) return;
  NavegarGrupo(kGrupoSaldosF4, 0, kAccionGuardarSaldos, 0);
  unsigned char* saldos = m_pDatos->ApartadoF4.octetos + kDespSaldosF4;
  // Balances without their mark are cleared, so that nothing unmarked stays stored.
  if (saldos[0] == 0) std::memset(saldos + kSaldosImportes, 0, kAnchoSaldosF4 - kSaldosImportes);
  NavegarGrupo(kGrupoSaldosF4, 0, kOrdenRevertirFila, 0);
}

int CControlesSIM003::ConfirmarFila(int numero) {
  const int fila = FilaDeCasillaF1(numero);
  if (fila >= 0 && m_pFilasF1) {
    const int orden = ColumnaDeCasillaF1(numero) <= 1 ? kOrdenTitularBorrado : kOrdenGuardarFila;
    m_pFilasF1->OrdenFila(fila, orden, 0);
    return 1;
  }
  if (numero >= kPrimeraCasillaSaldos && numero <= kUltimaCasillaSaldos && m_pSaldos) {
    m_pSaldos->OrdenFila(0, kOrdenGuardarFila, 0);
    return 1;
  }
  return 0;
}

int CControlesSIM003::CalcularCasilla(int numero) {
  if (m_pDatos == nullptr) return 0;
  DatosRenta& d = *m_pDatos;
  int calculado = ConfirmarFila(numero);
  if (numero == 3) {
    for (int instancia : {1, -1}) {
      m_pFunciones->E1(&d.ApartadoE1, &d.ApartadoE2, &d.ApartadoE3, &d.ApartadoE4, &d.ApartadoE5, &d.BaseImponible,
                       &d.Resultados, &d.Liquidacion, instancia);
    }
    calculado = 1;
  } else if (numero == 30) {
    m_pFunciones->F1(&d.ApartadoF1, 1);
    calculado = 1;
  } else if (numero >= 31 && numero <= 33) {
    m_pFunciones->F1(&d.ApartadoF1, 2);
    calculado = 1;
  } else if (numero == kCasillaSaldosMarca) {
    AplicarMarcaSaldos();
    calculado = 1;
  }
  if (calculado == 0) return 0;
  TotalesF();
  Refrescar();
  return 1;
}

int CControlesSIM003::AplicarReglas(int numero) {
  if (m_pDatos == nullptr) return 0;
  int calculado = 0;
  if (FilaDeCasillaF1(numero) >= 0 || numero == kCasillaSaldosMarca) calculado = CalcularCasilla(numero);
  m_pFunciones->F1(&m_pDatos->ApartadoF1, -1);
  return calculado;
}

int CControlesSIM003::ComprobarValor(int numero) {
  const int fila = FilaDeCasillaF1(numero);
  const int columna = ColumnaDeCasillaF1(numero);
  if (fila < 0 || columna < 3 || !m_pFilasF1) return 1;
  const unsigned char* f = m_pFilasF1->FilaMostrada(fila);
  if (f == nullptr) return 1;
  // Columns 3 and 4 are the general part's gain and loss, 5 and 6 the special part's.
  const int primera = columna <= 4 ? 3 : 5;
  double ganancia = 0;
  double perdida = 0;
  LeerDoble(f + kCamposF1[primera], ganancia);
  LeerDoble(f + kCamposF1[primera + 1], perdida);
  if (ganancia == 0 || perdida == 0) return 1;
  marco::CDlgMensaje().MostrarMensaje("CIFE001", marco::IconoExclamacion);
  if (marco::CCampo* campo = CampoDeNumero(numero); campo != nullptr && campo->Dato != nullptr) {
    std::memset(campo->Dato, 0, sizeof(double));
  }
  return 0;
}

int CControlesSIM003::MoverFilasF1(int direccion) {
  if (!m_pFilasF1) return 0;
  if (m_pFilasF1->Mover(direccion) == 0) {
    bool vacia = false;
    for (int fila = 0; fila < kMostradasF1; ++fila) vacia = vacia || m_pFilasF1->TitularMostrada(fila) == 0;
    if (direccion == 0 && vacia) marco::CDlgMensaje().MostrarMensaje("WIN045", marco::IconoExclamacion);
    return 0;
  }
  EnlazarCasillas();
  MarcarSoloLectura();
  return 1;
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(SIM003, CRentaVista);

SIM003::SIM003() { PonerControles(std::make_unique<CControlesSIM003>()); }

CControlesSIM003* SIM003::Controles() const { return static_cast<CControlesSIM003*>(DameControles()); }

void SIM003::TrasCalcular(int calculado) {
  if (calculado != 0) {
    if (CRentaDoc* documento = DameDocumentoRenta()) documento->Calcular();
    RefrescarControles();
  }
  MarcarDocumentoModificado();
}

int SIM003::Recalcular(int numero) {
  const int calculado = Controles()->CalcularCasilla(numero);
  TrasCalcular(calculado);
  return calculado;
}

int SIM003::AplicarDependencias(int numero) {
  const int calculado = Controles()->AplicarReglas(numero);
  TrasCalcular(calculado);
  return calculado;
}

int SIM003::ComprobarCampo(int numero) {
  if (Controles()->ComprobarValor(numero) != 1) {
    RefrescarControles();
    return 0;
  }
  TrasCalcular(Controles()->CalcularCasilla(numero));
  return 1;
}

void SIM003::RefrescarControles() {
  Controles()->Refrescar();
  CRentaVista::RefrescarControles();
}

int SIM003::PulsarBotonFilas(int direccion) {
  ConfirmarCampoActivo();
  const int movido = Controles()->MoverFilasF1(direccion);
  if (movido != 0) RefrescarControles();
  return movido;
}

wxClassInfo* ClasePaginaSIM003() { return wxCLASSINFO(SIM003); }

}  // namespace renta
