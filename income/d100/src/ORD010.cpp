#include "d100/ORD010.h"

#include <cstddef>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace ordinaria {

namespace {

using renta::SCasillaDatos;
using renta::SLugarDatos;

constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::uint32_t kG = offsetof(DatosRenta, ApartadoG);
constexpr std::uint32_t kH = offsetof(DatosRenta, ApartadoH);
constexpr std::uint32_t kI = offsetof(DatosRenta, ApartadoI);
constexpr std::uint32_t kJ = offsetof(DatosRenta, ApartadoJ);
constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
constexpr std::uint32_t kMiembro = 5 * sizeof(double);
constexpr std::uint32_t kReferencia = 20;

constexpr SLugarDatos Importe(std::uint32_t bloque, std::uint32_t desp) { return {bloque + desp, kMiembro}; }

// The boxes bound to fixed places. The reductions of boxes 10 and 15 carry their two coded entries as detail.
constexpr SCasillaDatos kCasillasFijas[] = {
    {8, Importe(kBI, 1080), {}},
    {9, Importe(kBI, 1120), {}},
    {10, Importe(kBI, 1160), {kBI + 1200, 2 * 16}},
    {11, Importe(kG, 32), {}},
    {12, Importe(kBI, 1232), {}},
    {13, Importe(kG, 72), {}},
    {14, Importe(kBI, 1544), {}},
    {15, Importe(kBI, 1584), {kBI + 1624, 2 * 16}},
    {16, Importe(kG, 144), {}},
    {17, Importe(kH, 0), {}},
    {18, Importe(kH, 40), {}},
    {19, Importe(kH, 80), {}},
    {20, Importe(kH, 120), {}},
    {21, Importe(kG, 72), {}},
    {22, Importe(kG, 144), {}},
    {23, Importe(kBI, 1272), {}},
    {24, Importe(kBI, 1696), {}},
    {25, Importe(kBI, 1312), {}},
    {26, Importe(kI, 0), {}},
    {27, Importe(kI, 40), {}},
    {34, Importe(kBI, 1352), {}},
    {35, Importe(kJ, 96), {}},
    {44, Importe(kBI, 1392), {}},
    {53, Importe(kBI, 1432), {}},
    {54, {kId, kReferencia}, {}},
};
constexpr int kCasillaEjemplar = 55;

// The group boxes: the balances' holder (3) and amounts (4-7); the first box of each row of C, D and E.
constexpr int kCasillaSaldos = 3;
constexpr int kPrimeraCasillaC = 28;
constexpr int kPrimeraCasillaD = 36;
constexpr int kPrimeraCasillaE = 45;
constexpr int kCasillasFilaC = 3;
constexpr int kCasillasFilaDE = 4;
constexpr std::size_t kSaldosImportes = 8;  // the five amounts follow the holder at +248 of RegApartadoF4

// Places of the groups in RegApartadoJ, and the fields the page reads there.
constexpr std::size_t kDespC = 0;
constexpr std::size_t kAnchoC = 48;
constexpr std::size_t kDespD = 136;
constexpr std::size_t kAnchoD = 72;
constexpr std::size_t kDespE = 280;
constexpr std::size_t kAnchoE = 40;
constexpr std::size_t kPromotorC = 24;  // the promoter's contributions of a C row: its holder is locked
constexpr std::size_t kPromotorD = 32;  // the same in a D row
constexpr std::size_t kNifD = 1;
constexpr std::size_t kCopiaNifD = 16;  // the disabled-person dialog's own tax number
constexpr std::size_t kNifE = 21;
constexpr std::size_t kAnchoNif = 9;
constexpr std::size_t kAnchoParentesco = 20;

double LeerDoble(const unsigned char* p) {
  double v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

bool EnBlanco(const unsigned char* p, std::size_t n) {
  for (std::size_t k = 0; k < n; ++k) {
    if (p[k] != 0 && p[k] != ' ') return false;
  }
  return true;
}

int SujetoMostrado() {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= renta::kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

}  // namespace

renta::SFormatoFilas FormatoGrupoORD010(char grupo) {
  renta::SFormatoFilas f;
  switch (grupo) {
    case 'F':
      return renta::FormatoSaldosF4();
    case 'C':
      f.ancho = kAnchoC;
      f.primerCampo = 0;
      f.campos = {0, 8, 16, 40};
      f.importes = {8, 16, 24, 32, 40};
      break;
    case 'D':
      f.ancho = kAnchoD;
      f.primerCampo = 6;
      f.campos = {0, static_cast<int>(kNifD), 56, 16, 64};
      f.importes = {32, 40, 48, 56, 64};
      break;
    case 'E':
      f.ancho = kAnchoE;
      f.primerCampo = 11;
      f.campos = {0, 1, static_cast<int>(kNifE), 32};
      f.importes = {32};
      break;
    default:
      break;
  }
  return f;
}

CFilasORD010A::CFilasORD010A(DatosRenta& datos)
    : renta::CFilasPagina(datos.ApartadoF4.octetos + renta::kDespSaldosF4, 1, 1, FormatoGrupoORD010('F')) {}
CFilasORD010B::CFilasORD010B(DatosRenta& datos)
    : renta::CFilasPagina(datos.ApartadoJ.octetos + kDespC, kFilasGrupoJ, kFilasGrupoJ, FormatoGrupoORD010('C')) {}
// A disabled-person row or another contribution stays while its tax number is written, even without holder.
CFilasORD010C::CFilasORD010C(DatosRenta& datos)
    : renta::CFilasPagina(datos.ApartadoJ.octetos + kDespD, kFilasGrupoJ, kFilasGrupoJ, FormatoGrupoORD010('D'),
                          kNifD, kAnchoNif) {}
CFilasORD010D::CFilasORD010D(DatosRenta& datos)
    : renta::CFilasPagina(datos.ApartadoJ.octetos + kDespE, kFilasGrupoJ, kFilasGrupoJ, FormatoGrupoORD010('E'),
                          kNifE, kAnchoNif) {}

// ---- the box array ----

CControlesORD010::CControlesORD010() = default;
CControlesORD010::~CControlesORD010() = default;

void CControlesORD010::PonerDatos(DatosRenta* datos, renta::SCabeceraPagina cabecera, marco::CValidador* validador) {
  m_pDatos = datos;
  m_cabecera = cabecera;
  m_pValidador = validador;
}

void CControlesORD010::TomarDocumento() {
  if (renta::CRentaDoc* documento = renta::TomarDocumentoRenta(*this, m_pDatos, m_cabecera)) {
    m_pValidador = &documento->Validador();
  }
}

renta::CFilasPagina* CControlesORD010::Filas(char grupo) const {
  switch (grupo) {
    case 'F': return m_pSaldos.get();
    case 'C': return m_pGeneral.get();
    case 'D': return m_pMinusvalidos.get();
    case 'E': return m_pOtras.get();
    default: return nullptr;
  }
}

unsigned char* CControlesORD010::FilaGuardada(char grupo, int fila) const {
  if (m_pDatos == nullptr || fila < 0 || fila >= kFilasGrupoJ) return nullptr;
  const auto f = static_cast<std::size_t>(fila);
  unsigned char* j = m_pDatos->ApartadoJ.octetos;
  switch (grupo) {
    case 'C': return j + kDespC + f * kAnchoC;
    case 'D': return j + kDespD + f * kAnchoD;
    case 'E': return j + kDespE + f * kAnchoE;
    default: return nullptr;
  }
}

bool CControlesORD010::GrupoDeCasilla(int numero, char& grupo, int& fila, int& columna) {
  if (numero >= kPrimeraCasillaC && numero < kPrimeraCasillaC + kFilasGrupoJ * kCasillasFilaC) {
    grupo = 'C';
    fila = (numero - kPrimeraCasillaC) / kCasillasFilaC;
    columna = (numero - kPrimeraCasillaC) % kCasillasFilaC;
    return true;
  }
  for (const auto& [letra, primera] : {std::pair{'D', kPrimeraCasillaD}, std::pair{'E', kPrimeraCasillaE}}) {
    if (numero >= primera && numero < primera + kFilasGrupoJ * kCasillasFilaDE) {
      grupo = letra;
      fila = (numero - primera) / kCasillasFilaDE;
      columna = (numero - primera) % kCasillasFilaDE;
      return true;
    }
  }
  return false;
}

void CControlesORD010::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  TomarDocumento();
  m_pSaldos.reset();
  m_pGeneral.reset();
  m_pMinusvalidos.reset();
  m_pOtras.reset();
  for (int i = 0; i < NumeroCampos(); ++i) renta::EnlazarCasilla(Campo(i), nullptr, 0);
  if (m_pDatos == nullptr) return;
  m_pSaldos = std::make_unique<CFilasORD010A>(*m_pDatos);
  m_pGeneral = std::make_unique<CFilasORD010B>(*m_pDatos);
  m_pMinusvalidos = std::make_unique<CFilasORD010C>(*m_pDatos);
  m_pOtras = std::make_unique<CFilasORD010D>(*m_pDatos);
  FiltrarFilas();
  EnlazarFijas();
  EnlazarSaldos();
  for (const char g : {'C', 'D', 'E'}) {
    for (int fila = 0; fila < kFilasGrupoJ; ++fila) EnlazarFila(g, fila);
  }
  ActualizarSoloLectura();
}

void CControlesORD010::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) renta::EnlazarCasilla(Campo(i), nullptr, 0);
  m_pSaldos.reset();
  m_pGeneral.reset();
  m_pMinusvalidos.reset();
  m_pOtras.reset();
}

void CControlesORD010::FiltrarFilas() {
  m_nSujetoFiltro = SujetoMostrado();
  for (const char g : {'F', 'C', 'D', 'E'}) {
    if (renta::CFilasPagina* filas = Filas(g)) filas->FiltrarPorTitular(m_nSujetoFiltro);
  }
}

void CControlesORD010::Refrescar() {
  if (m_pDatos == nullptr || !m_pSaldos) return;
  // Filtering reloads the rows: only when the person changed.
  if (SujetoMostrado() != m_nSujetoFiltro) FiltrarFilas();
  for (const char g : {'C', 'D', 'E'}) {
    for (int fila = 0; fila < kFilasGrupoJ; ++fila) EnlazarFila(g, fila);
  }
  EnlazarSaldos();
  ActualizarSoloLectura();
}

void CControlesORD010::EnlazarFijas() {
  renta::EnlazarCasilla(CampoDeNumero(1), m_cabecera.nif, renta::kAnchoCabeceraNif);
  renta::EnlazarCasilla(CampoDeNumero(2), m_cabecera.nombre, renta::kAnchoCabeceraTexto);
  renta::EnlazarCasilla(CampoDeNumero(kCasillaEjemplar), m_cabecera.ejemplar, renta::kAnchoCabeceraTexto);
  renta::EnlazarCasillasDatos(*this, kCasillasFijas, *m_pDatos);
}

void CControlesORD010::EnlazarSaldos() {
  if (!m_pSaldos) return;
  renta::EnlazarCasilla(CampoDeNumero(kCasillaSaldos), m_pSaldos->DireccionCampo(0, 0), 1,
                        m_pSaldos->DireccionCampo(0, 5));
  for (int k = 1; k <= 4; ++k) {
    renta::EnlazarCasilla(CampoDeNumero(kCasillaSaldos + k), m_pSaldos->DireccionCampo(0, k), sizeof(double));
  }
}

void CControlesORD010::EnlazarFila(char grupo, int fila) {
  renta::CFilasPagina* filas = Filas(grupo);
  if (filas == nullptr || fila < 0 || fila >= kFilasGrupoJ) return;
  // The detail boxes open the plan dialogs on the working row, from its holder byte.
  void* inicio = filas->DireccionCampo(fila, FormatoGrupoORD010(grupo).primerCampo);
  const auto casilla = [&](int numero, int campo, std::size_t tamano, void* enlace = nullptr) {
    renta::EnlazarCasilla(CampoDeNumero(numero), filas->DireccionCampo(fila, campo), tamano, enlace);
  };
  switch (grupo) {
    case 'C': {
      const int k = kPrimeraCasillaC + kCasillasFilaC * fila;
      casilla(k, 0, 1);
      casilla(k + 1, 1, sizeof(double), inicio);
      casilla(k + 2, 3, sizeof(double), inicio);
      break;
    }
    case 'D': {
      const int k = kPrimeraCasillaD + kCasillasFilaDE * fila;
      casilla(k, 6, 1);
      casilla(k + 1, 7, kAnchoNif);
      casilla(k + 2, 8, sizeof(double), inicio);
      casilla(k + 3, 10, sizeof(double), inicio);
      break;
    }
    case 'E': {
      const int k = kPrimeraCasillaE + kCasillasFilaDE * fila;
      casilla(k, 11, 1);
      casilla(k + 1, 12, kAnchoParentesco);
      casilla(k + 2, 13, kAnchoNif);
      casilla(k + 3, 14, sizeof(double));
      break;
    }
    default:
      break;
  }
}

void CControlesORD010::ActualizarSoloLectura() {
  const auto marcar = [this](int desde, int hasta, bool soloLectura) {
    for (int n = desde; n <= hasta; ++n) renta::PonerSoloLectura(CampoDeNumero(n), soloLectura);
  };
  // The balances: their amounts wait for a holder; the children declare none.
  if (m_pSaldos) {
    const int sujeto = SujetoMostrado();
    const bool editable = m_pSaldos->Editable();
    marcar(kCasillaSaldos, kCasillaSaldos,
           !editable || sujeto == marco::kSujetoHijo1 || sujeto == marco::kSujetoHijo2);
    marcar(kCasillaSaldos + 1, kCasillaSaldos + 4, !editable || m_pSaldos->TitularMostrada(0) == 0);
  }
  // A row's other boxes wait for its holder, and the second row for the first.
  const struct {
    char grupo;
    int primera;
    int casillas;
  } grupos[] = {{'C', kPrimeraCasillaC, kCasillasFilaC},
                {'D', kPrimeraCasillaD, kCasillasFilaDE},
                {'E', kPrimeraCasillaE, kCasillasFilaDE}};
  for (const auto& g : grupos) {
    renta::CFilasPagina* filas = Filas(g.grupo);
    if (filas == nullptr) continue;
    marcar(g.primera, g.primera, false);
    for (int fila = 0; fila < kFilasGrupoJ; ++fila) {
      const int k = g.primera + g.casillas * fila;
      const bool vacia = filas->TitularMostrada(fila) == 0;
      if (fila == 0) {
        marcar(k + g.casillas, k + g.casillas, vacia);
        if (vacia) marcar(k + g.casillas, k + 2 * g.casillas - 1, true);
      }
      if (fila == 1 && filas->TitularMostrada(0) == 0) {
        marcar(k + 1, k + g.casillas - 1, true);
      } else {
        marcar(k + 1, k + g.casillas - 1, vacia);
      }
    }
  }
  AvisoCampo(0);
  // One person's filtered rows are never written back: they are shown, not edited.
  for (const auto& g : grupos) {
    const renta::CFilasPagina* filas = Filas(g.grupo);
    if (filas != nullptr && !filas->Editable()) marcar(g.primera, g.primera + kFilasGrupoJ * g.casillas - 1, true);
  }
}

void CControlesORD010::AvisoCampo(int /*posicion*/) {
  if (m_pDatos == nullptr) return;
  const auto soloLectura = [this](int n, bool valor) { renta::PonerSoloLectura(CampoDeNumero(n), valor); };
  // A row whose promoter's contributions came from the work income keeps its holder.
  const struct {
    char grupo;
    std::size_t promotor;
    int titular[2];
    int primeraImporte[2];
  } grupos[] = {{'C', kPromotorC, {28, 31}, {29, 32}}, {'D', kPromotorD, {36, 40}, {38, 42}}};
  for (const auto& g : grupos) {
    const unsigned char* f0 = FilaGuardada(g.grupo, 0);
    const unsigned char* f1 = FilaGuardada(g.grupo, 1);
    const double promotor0 = LeerDoble(f0 + g.promotor);
    const double promotor1 = LeerDoble(f1 + g.promotor);
    soloLectura(g.titular[0], promotor0 != 0);
    if (promotor0 == 0 && f0[0] == 0) {
      soloLectura(g.primeraImporte[0], true);
      soloLectura(g.primeraImporte[0] + 1, true);
    }
    if (promotor1 != 0) {
      soloLectura(g.titular[1], true);
      soloLectura(g.primeraImporte[1], false);
      soloLectura(g.primeraImporte[1] + 1, false);
    } else if (f0[0] == 0) {
      soloLectura(g.titular[1], true);
      soloLectura(g.primeraImporte[1], true);
      soloLectura(g.primeraImporte[1] + 1, true);
    } else {
      soloLectura(g.titular[1], false);
      soloLectura(g.primeraImporte[1], f1[0] == 0);
      soloLectura(g.primeraImporte[1] + 1, f1[0] == 0);
    }
  }
}

void CControlesORD010::CalcularJ() {
  DatosRenta& d = *m_pDatos;
  m_pFunciones->J(&d.ApartadoJ, &d.Resultados, &d.BaseImponible, &d.RendTrabajo, &d.ApartadoD1, &d.ApartadoD2,
                  &d.ApartadoD5, &d.ApartadoD4, &d.DatosFamilia, &d.ApartadoE2, 0);
}

void CControlesORD010::RecargarGrupos() {
  for (const char g : {'C', 'D', 'E'}) {
    renta::CFilasPagina* filas = Filas(g);
    if (filas == nullptr) continue;
    for (int fila = 0; fila < kFilasGrupoJ; ++fila) filas->OrdenFila(fila, renta::kOrdenRevertirFila, 0);
  }
}

int CControlesORD010::GuardarFila(char grupo, int fila) {
  renta::CFilasPagina* filas = Filas(grupo);
  if (filas == nullptr || !filas->Editable()) return 0;
  // Groups C and D hold one row per member: a holder that repeats the other row's is undone.
  if (grupo == 'C' || grupo == 'D') {
    const std::uint8_t titular = filas->TitularMostrada(fila);
    if (titular != 0 && titular == filas->TitularMostrada(1 - fila)) {
      filas->OrdenFila(fila, renta::kOrdenRevertirFila, 0);
      EnlazarFila(grupo, fila);
      ActualizarSoloLectura();
      return 0;
    }
  }
  filas->OrdenFila(fila, renta::kOrdenGuardarFila, 0);
  CalcularJ();
  RecargarGrupos();
  ActualizarSoloLectura();
  return 1;
}

int CControlesORD010::NavegarGrupo(int grupo, int fila, int accion, int /*extra*/) {
  const char letra = grupo > 0 && grupo < 0x80 ? static_cast<char>(grupo) : '\0';
  renta::CFilasPagina* filas = Filas(letra);
  if (filas == nullptr || fila < 0 || fila >= (letra == 'F' ? 1 : kFilasGrupoJ)) return -1;
  switch (accion) {
    case kAccionGuardarGrupo:
      if (letra != 'F') GuardarFila(letra, fila);
      return 0;
    case kAccionFilaSinTitular:
      if (letra != 'F' && filas->TitularMostrada(fila) == 0) {
        filas->OrdenFila(fila, renta::kOrdenTitularBorrado, 1);
        for (int f = 0; f < kFilasGrupoJ; ++f) EnlazarFila(letra, f);
        ActualizarSoloLectura();
      }
      return 0;
    case kAccionGuardarSaldos:
      if (letra == 'F') filas->OrdenFila(0, renta::kOrdenGuardarFila, 0);
      return 0;
    case kAccionTrasNif:
      return letra == 'D' || letra == 'E' ? filas->OrdenFila(fila, renta::kOrdenRevertirFila, 1) : 0;
    case kAccionPuedeMover:
      return filas->PuedeMover(fila != 0 ? 1 : 0);
    case kAccionMover: {
      const int resultado = filas->Navegar(fila != 0 ? 1 : 0);
      for (int f = 0; f < kFilasGrupoJ; ++f) EnlazarFila(letra, f);
      ActualizarSoloLectura();
      return resultado;
    }
    case kAccionRecargarFila:
      if (letra == 'C' || letra == 'D') filas->OrdenFila(fila, renta::kOrdenRevertirFila, 0);
      return 0;
    case kAccionRecargarSaldos:
      if (letra == 'F') filas->OrdenFila(0, renta::kOrdenRevertirFila, 0);
      return 0;
    default:
      return 0;
  }
}

void CControlesORD010::ComprobarNif(char grupo, int fila) {
  unsigned char* guardada = FilaGuardada(grupo, fila);
  renta::CFilasPagina* filas = Filas(grupo);
  if (guardada == nullptr || filas == nullptr || !filas->Editable() || m_pValidador == nullptr) return;
  // The stored row is checked, so that a refused number leaves neither the store nor the page.
  m_pValidador->ValidarCampo(2, guardada + (grupo == 'D' ? kNifD : kNifE));
  NavegarGrupo(grupo, fila, kAccionTrasNif, 0);
}

void CControlesORD010::IgualarNif(int fila) {
  unsigned char* guardada = FilaGuardada('D', fila);
  renta::CFilasPagina* filas = Filas('D');
  if (guardada == nullptr || filas == nullptr || !filas->Editable()) return;
  unsigned char* pagina = guardada + kNifD;
  unsigned char* dialogo = guardada + kCopiaNifD;
  // The page's number wins; one typed only in the dialog comes to the page instead of being blanked.
  if (!EnBlanco(pagina, kAnchoNif)) {
    std::memcpy(dialogo, pagina, kAnchoNif);
  } else if (!EnBlanco(dialogo, kAnchoNif)) {
    std::memcpy(pagina, dialogo, kAnchoNif);
  }
  NavegarGrupo('D', fila, kAccionRecargarFila, 0);
}

void CControlesORD010::AplicarSaldos() {
  if (!m_pSaldos || !m_pSaldos->Editable()) return;
  NavegarGrupo('F', 0, kAccionGuardarSaldos, 0);
  unsigned char* saldos = m_pDatos->ApartadoF4.octetos + renta::kDespSaldosF4;
  // Balances without their holder count for nobody: they are cleared.
  if (saldos[0] == 0) std::memset(saldos + kSaldosImportes, 0, renta::kAnchoSaldosF4 - kSaldosImportes);
  NavegarGrupo('F', 0, kAccionRecargarSaldos, 0);
  ActualizarSoloLectura();
}

int CControlesORD010::CasillaConfirmada(int numero) {
  if (m_pDatos == nullptr) return 0;
  if (numero == kCasillaSaldos) {
    AplicarSaldos();
    return 1;
  }
  if (numero == 10 || numero == 15) return 1;
  char grupo = 0;
  int fila = 0;
  int columna = 0;
  if (!GrupoDeCasilla(numero, grupo, fila, columna)) return 0;
  GuardarFila(grupo, fila);
  if ((grupo == 'D' && columna == 1) || (grupo == 'E' && columna == 2)) ComprobarNif(grupo, fila);
  if (grupo == 'D' && columna >= 2) IgualarNif(fila);
  return 1;
}

void CControlesORD010::CasillaCambiada(int numero) {
  if (m_pDatos == nullptr) return;
  char grupo = 0;
  int fila = 0;
  int columna = 0;
  if (!GrupoDeCasilla(numero, grupo, fila, columna)) return;
  GuardarFila(grupo, fila);
  if (columna == 0) NavegarGrupo(grupo, fila, kAccionFilaSinTitular, 0);
}

void CControlesORD010::ComprobarCasilla(int numero) {
  if (m_pDatos == nullptr) return;
  if (numero >= kCasillaSaldos && numero <= kCasillaSaldos + 4) {
    NavegarGrupo('F', 0, kAccionGuardarSaldos, 0);
    return;
  }
  char grupo = 0;
  int fila = 0;
  int columna = 0;
  if (!GrupoDeCasilla(numero, grupo, fila, columna)) return;
  GuardarFila(grupo, fila);
  if ((grupo == 'D' && columna == 1) || (grupo == 'E' && columna == 2)) ComprobarNif(grupo, fila);
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(ORD010, renta::CRentaVista);

ORD010::ORD010() { PonerControles(std::make_unique<CControlesORD010>()); }

CControlesORD010* ORD010::Controles() const { return static_cast<CControlesORD010*>(DameControles()); }

int ORD010::Recalcular(int numero) {
  const int calcular = Controles()->CasillaConfirmada(numero);
  if (calcular != 0) {
    if (renta::CRentaDoc* documento = DameDocumentoRenta()) documento->Calcular(1);
    RefrescarControles();
  }
  MarcarDocumentoModificado();
  return calcular;
}

int ORD010::AplicarDependencias(int numero) {
  Controles()->CasillaCambiada(numero);
  RefrescarControles();
  ActualizarVistasValores();
  return 0;
}

int ORD010::ComprobarCampo(int numero) {
  Controles()->ComprobarCasilla(numero);
  if (renta::CRentaDoc* documento = DameDocumentoRenta()) documento->Calcular(1);
  RefrescarControles();
  MarcarDocumentoModificado();
  return 1;
}

void ORD010::ConfirmarCampoActivo() {
  renta::CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
}

void ORD010::RefrescarControles() {
  Controles()->Refrescar();
  renta::CRentaVista::RefrescarControles();
}

wxClassInfo* ClasePaginaORD010() { return wxCLASSINFO(ORD010); }

}  // namespace ordinaria
