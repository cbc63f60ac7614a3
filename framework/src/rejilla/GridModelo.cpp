#include "framework/GridModelo.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "framework/TextosVentana.h"

namespace marco {

using plataforma::CFuente;
using plataforma::CRectangulo;
using plataforma::CTamano;

// ---- measuring

CMedidorLienzo::CMedidorLienzo() : m_lienzo(plataforma::CLienzo::Imagen(1, 1)) {}

CTamano CMedidorLienzo::Medir(std::string_view texto1252, const CFuente& fuente) {
  m_lienzo.PonFuente(fuente);
  return m_lienzo.MedirTexto(texto1252);
}

int AnchoMedioCaracter(IMedidorTexto& medidor, const CFuente& fuente) {
  // The upper-case run has always carried a second S instead of the R; the 52 letters are divided by 52.
  return medidor.Medir("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ", fuente).cx / 52;
}

// ---- in-place edit rules

SInicioEdicion ReglaInicioEdicion(std::string_view textoCelda, bool porRaton, ETeclaGrid tecla, char caracter) {
  SInicioEdicion r;
  r.texto = std::string(textoCelda);
  if (porRaton) return r;
  r.flechasTerminan = true;
  switch (tecla) {
    case ETeclaGrid::Intro:
    case ETeclaGrid::Retroceso:
      r.modo = EInicioEdicion::CaretAlFinal;
      break;
    case ETeclaGrid::Espacio:
    case ETeclaGrid::RePag:
    case ETeclaGrid::AvPag:
    case ETeclaGrid::Fin:
    case ETeclaGrid::Inicio:
    case ETeclaGrid::Arriba:
    case ETeclaGrid::Abajo:
    case ETeclaGrid::Izquierda:
    case ETeclaGrid::Derecha:
      r.modo = EInicioEdicion::SeleccionarTodo;
      break;
    default:
      if (caracter == ' ') {
        r.modo = EInicioEdicion::SeleccionarTodo;
      } else if (caracter != 0) {
        r.modo = EInicioEdicion::Reemplazar;
        r.texto = std::string(1, caracter);
      } else {
        r.modo = EInicioEdicion::SeleccionarTodo;
      }
      break;
  }
  return r;
}

SFinEdicion ReglaTeclaEdicion(ETeclaGrid tecla, bool ctrl, bool flechasTerminan) {
  SFinEdicion r;
  switch (tecla) {
    case ETeclaGrid::RePag:
    case ETeclaGrid::AvPag:
    case ETeclaGrid::Arriba:
    case ETeclaGrid::Abajo:
    case ETeclaGrid::Izquierda:
    case ETeclaGrid::Derecha:
      if (flechasTerminan || ctrl) {
        r.termina = true;
        r.moverFoco = true;
      }
      break;
    case ETeclaGrid::Escape:
      r.termina = true;
      r.restaurar = true;
      break;
    case ETeclaGrid::Tab:
    case ETeclaGrid::Intro:
      r.termina = true;
      break;
    default:
      break;
  }
  return r;
}

SFinEdicion ReglaTeclaLista(ETeclaGrid tecla, bool ctrl, bool iniciadoPorTecla, bool enParteEdicion) {
  switch (tecla) {
    case ETeclaGrid::RePag:
    case ETeclaGrid::AvPag:
    case ETeclaGrid::Arriba:
    case ETeclaGrid::Abajo:
    case ETeclaGrid::Izquierda:
    case ETeclaGrid::Derecha:
      if (enParteEdicion && !ctrl) return {};
      break;
    default:
      break;
  }
  return ReglaTeclaEdicion(tecla, ctrl, iniciadoPorTecla);
}

int EntradaListaTrasTecla(const std::vector<std::string>& opciones, std::string_view texto, ETeclaGrid tecla) {
  if (opciones.empty() || (tecla != ETeclaGrid::Abajo && tecla != ETeclaGrid::Arriba)) return -1;
  const int ultima = static_cast<int>(opciones.size()) - 1;
  const auto it = std::find(opciones.begin(), opciones.end(), texto);
  if (it == opciones.end()) return tecla == ETeclaGrid::Abajo ? 0 : ultima;
  const int actual = static_cast<int>(it - opciones.begin());
  return tecla == ETeclaGrid::Abajo ? std::min(actual + 1, ultima) : std::max(actual - 1, 0);
}

int AnchoEditor(int anchoTexto, int izquierdaCelda, int anchoCelda, int anchoCliente) {
  int ancho = std::max(anchoTexto + 5, anchoCelda);
  ancho = std::min(ancho, anchoCliente - izquierdaCelda);
  return std::max(ancho, 0);
}

std::vector<std::vector<std::string>> PartirTextoPegado(std::string_view texto) {
  std::vector<std::vector<std::string>> filas;
  while (!texto.empty()) {
    const std::size_t fin = texto.find('\n');
    std::string_view linea = texto.substr(0, fin);
    texto = fin == std::string_view::npos ? std::string_view{} : texto.substr(fin + 1);
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    std::vector<std::string> celdas;
    for (;;) {
      const std::size_t tab = linea.find('\t');
      celdas.emplace_back(linea.substr(0, tab));
      if (tab == std::string_view::npos) break;
      linea = linea.substr(tab + 1);
    }
    filas.push_back(std::move(celdas));
  }
  return filas;
}

// ---- construction and size

CGridModelo::CGridModelo(int filas, int columnas, int filasFijas, int columnasFijas, const SColoresGrid& sistema)
    : m_sistema(sistema),
      m_crTexto(sistema.textoVentana),
      m_crFondo(sistema.ventana),
      m_crTextoFijo(sistema.textoVentana),
      m_crFondoFijo(sistema.caraBoton),
      m_crExterior(sistema.sombraBoton) {
  PonNumeroFilas(filas);
  PonNumeroColumnas(columnas);
  PonFilasFijas(filasFijas);
  PonColumnasFijas(columnasFijas);
}

CGridCelda CGridModelo::NuevaCelda(int fila, int columna) const {
  CGridCelda celda;
  celda.fuente = m_fuente;
  if (fila > 0 && columna > 0 && fila - 1 < static_cast<int>(m_filas.size()) &&
      columna < static_cast<int>(m_filas[static_cast<std::size_t>(fila - 1)].size()))
    celda.nFormato = m_filas[static_cast<std::size_t>(fila - 1)][static_cast<std::size_t>(columna)].nFormato;
  return celda;
}

void CGridModelo::RecortarFoco() {
  auto dentro = [this](const SCeldaId& c) { return EsCeldaValida(c.fila, c.columna); };
  if (m_foco.Valida() && !dentro(m_foco)) m_foco = {};
  if (m_ancla.Valida() && !dentro(m_ancla)) m_ancla = {};
  if (m_soltar.Valida() && !dentro(m_soltar)) m_soltar = {};
  std::erase_if(m_previas, [&](const SCeldaId& c) { return !dentro(c); });
  m_bloque = {};
  AjustarPosiciones();
}

int CGridModelo::PonNumeroFilas(int filas) {
  if (filas < 0) return 0;
  while (m_nFilas < filas) {
    std::vector<CGridCelda> fila;
    fila.reserve(static_cast<std::size_t>(m_nColumnas));
    m_filas.emplace_back();
    for (int c = 0; c < m_nColumnas; ++c) fila.push_back(NuevaCelda(m_nFilas, c));
    m_filas.back() = std::move(fila);
    m_altos.push_back(m_nAltoDefecto);
    ++m_nFilas;
  }
  if (filas < m_nFilas) {
    m_filas.resize(static_cast<std::size_t>(filas));
    m_altos.resize(static_cast<std::size_t>(filas));
    m_nFilas = filas;
    m_nFilasFijas = std::min(m_nFilasFijas, filas);
  }
  RecortarFoco();
  return 1;
}

int CGridModelo::PonNumeroColumnas(int columnas) {
  if (columnas < 0) return 0;
  if (columnas > m_nColumnas) {
    for (int f = 0; f < m_nFilas; ++f) {
      auto& fila = m_filas[static_cast<std::size_t>(f)];
      for (int c = m_nColumnas; c < columnas; ++c) fila.push_back(NuevaCelda(f, c));
    }
    m_anchos.resize(static_cast<std::size_t>(columnas), m_nAnchoDefecto);
  } else {
    for (auto& fila : m_filas) fila.resize(static_cast<std::size_t>(columnas));
    m_anchos.resize(static_cast<std::size_t>(columnas));
    m_nColumnasFijas = std::min(m_nColumnasFijas, columnas);
  }
  m_nColumnas = columnas;
  RecortarFoco();
  return 1;
}

int CGridModelo::PonFilasFijas(int filas) {
  if (filas < 0) return 0;
  if (filas > m_nFilas) PonNumeroFilas(filas);
  m_nFilasFijas = filas;
  AjustarPosiciones();
  return 1;
}

int CGridModelo::PonColumnasFijas(int columnas) {
  if (columnas < 0) return 0;
  if (columnas > m_nColumnas) PonNumeroColumnas(columnas);
  m_nColumnasFijas = columnas;
  AjustarPosiciones();
  return 1;
}

int CGridModelo::InsertarFila(std::string_view texto, int posicion) {
  if (posicion >= m_nFilas) return -1;
  if (posicion < 0) posicion = m_nFilas;
  QuitarSeleccion();
  if (m_nColumnas == 0) PonNumeroColumnas(1);
  std::vector<CGridCelda> fila;
  for (int c = 0; c < m_nColumnas; ++c) fila.push_back(NuevaCelda(posicion, c));
  fila[0].strTexto = std::string(texto);
  m_filas.insert(m_filas.begin() + posicion, std::move(fila));
  m_altos.insert(m_altos.begin() + posicion, m_nAltoDefecto);
  ++m_nFilas;
  AjustarPosiciones();
  return posicion;
}

// ---- cells

bool CGridModelo::EsCeldaValida(int fila, int columna) const {
  return fila >= 0 && columna >= 0 && fila < m_nFilas && columna < m_nColumnas;
}

const CGridCelda* CGridModelo::Celda(int fila, int columna) const {
  if (!EsCeldaValida(fila, columna)) return nullptr;
  return &m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
}

int CGridModelo::PonCelda(const SGridItem& item) {
  if (!EsCeldaValida(item.fila, item.columna)) return 0;
  CGridCelda& c = m_filas[static_cast<std::size_t>(item.fila)][static_cast<std::size_t>(item.columna)];
  const unsigned m = item.mascara;
  if (m & kGvifTexto) c.strTexto = item.texto;
  if (m & kGvifImagen) c.nImagen = item.imagen;
  if (m & kGvifParametro) c.lParam = item.lParam;
  if (m & kGvifEstado) c.nEstado = item.estado;
  if (m & kGvifFondo) c.crFondo = item.crFondo;
  if (m & kGvifColorTexto) c.crTexto = item.crTexto;
  if (m & kGvifFormato) c.nFormato = item.formato;
  if (m >= kGvifFuente) c.fuente = item.fuente;
  return 1;
}

int CGridModelo::DameCelda(SGridItem& item) const {
  const CGridCelda* c = Celda(item.fila, item.columna);
  if (c == nullptr) return 0;
  const unsigned m = item.mascara;
  if (m & kGvifTexto) item.texto = c->strTexto;
  if (m & kGvifImagen) item.imagen = c->nImagen;
  if (m & kGvifParametro) item.lParam = c->lParam;
  if (m & kGvifEstado) item.estado = c->nEstado;
  if (m & kGvifFondo) item.crFondo = c->crFondo;
  if (m & kGvifColorTexto) item.crTexto = c->crTexto;
  if (m & kGvifFormato) item.formato = c->nFormato;
  if (m >= kGvifFuente) item.fuente = c->fuente;
  return 1;
}

int CGridModelo::PonTextoCelda(int fila, int columna, std::string_view texto) {
  if (!EsCeldaValida(fila, columna)) return 0;
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].strTexto = std::string(texto);
  return 1;
}

std::string CGridModelo::DameTextoCelda(int fila, int columna) const {
  const CGridCelda* c = Celda(fila, columna);
  return c == nullptr ? std::string() : c->strTexto;
}

int CGridModelo::PonImagenCelda(int fila, int columna, int imagen) {
  if (!EsCeldaValida(fila, columna)) return 0;
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].nImagen = imagen;
  return 1;
}

int CGridModelo::PonFormatoCelda(int fila, int columna, unsigned formato) {
  if (!EsCeldaValida(fila, columna)) return 0;
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].nFormato = formato;
  return 1;
}

int CGridModelo::PonFuenteCelda(int fila, int columna, const CFuente& fuente) {
  if (!EsCeldaValida(fila, columna)) return 0;
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].fuente = fuente;
  return 1;
}

int CGridModelo::DameFuenteCelda(int fila, int columna, CFuente& fuente) const {
  const CGridCelda* c = Celda(fila, columna);
  if (c == nullptr) return 0;
  fuente = c->fuente;
  return 1;
}

int CGridModelo::PonEstadoCelda(int fila, int columna, unsigned estado) {
  if (!EsCeldaValida(fila, columna)) return 0;
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].nEstado = estado;
  return 1;
}

unsigned CGridModelo::DameEstadoCelda(int fila, int columna) const {
  const CGridCelda* c = Celda(fila, columna);
  return c == nullptr ? 0u : c->nEstado;
}

int CGridModelo::PonParametroCelda(int fila, int columna, std::int32_t parametro) {
  if (!EsCeldaValida(fila, columna)) return 0;
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].lParam = parametro;
  return 1;
}

int CGridModelo::PonColoresCelda(int fila, int columna, std::uint32_t fondo, std::uint32_t texto) {
  if (!EsCeldaValida(fila, columna)) return 0;
  CGridCelda& c = m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)];
  c.crFondo = fondo;
  c.crTexto = texto;
  return 1;
}

bool CGridModelo::EsCeldaEditable(int fila, int columna) const {
  const CGridCelda* c = Celda(fila, columna);
  return c != nullptr && m_bEditable && !EsCeldaFija(fila, columna) && (c->nEstado & kGvisSoloLectura) == 0;
}

bool CGridModelo::TieneImagen(int fila, int columna) const {
  const CGridCelda* c = Celda(fila, columna);
  return c != nullptr && TieneImagenes() && c->nImagen >= 0 && c->nImagen < m_nImagenes;
}

void CGridModelo::PonTamanoImagenes(int ancho, int alto, int cuantas) {
  m_nAnchoImagen = std::max(ancho, 0);
  m_nAltoImagen = std::max(alto, 0);
  m_nImagenes = std::max(cuantas, 0);
}

// ---- sizes

int CGridModelo::PonAltoFila(int fila, int alto) {
  if (fila < 0 || fila >= m_nFilas || alto < 0) return 0;
  m_altos[static_cast<std::size_t>(fila)] = alto;
  AjustarPosiciones();
  return 1;
}

int CGridModelo::DameAltoFila(int fila) const {
  if (fila < 0 || fila >= m_nFilas) return -1;
  return m_altos[static_cast<std::size_t>(fila)];
}

int CGridModelo::PonAnchoColumna(int columna, int ancho) {
  if (columna < 0 || columna >= m_nColumnas || ancho < 0) return 0;
  m_anchos[static_cast<std::size_t>(columna)] = ancho;
  AjustarPosiciones();
  return 1;
}

int CGridModelo::DameAnchoColumna(int columna) const {
  if (columna < 0 || columna >= m_nColumnas) return -1;
  return m_anchos[static_cast<std::size_t>(columna)];
}

int CGridModelo::SumaAltos(int desde, int hasta) const {
  int suma = 0;
  for (int f = std::max(desde, 0); f < std::min(hasta, m_nFilas); ++f) suma += m_altos[static_cast<std::size_t>(f)];
  return suma;
}

int CGridModelo::SumaAnchos(int desde, int hasta) const {
  int suma = 0;
  for (int c = std::max(desde, 0); c < std::min(hasta, m_nColumnas); ++c)
    suma += m_anchos[static_cast<std::size_t>(c)];
  return suma;
}

int CGridModelo::AltoFijo() const { return SumaAltos(0, m_nFilasFijas); }
int CGridModelo::AnchoFijo() const { return SumaAnchos(0, m_nColumnasFijas); }
int CGridModelo::AltoTotal() const { return SumaAltos(0, m_nFilas); }
int CGridModelo::AnchoTotal() const { return SumaAnchos(0, m_nColumnas); }

void CGridModelo::PonFuente(const CFuente& fuente, IMedidorTexto& medidor) {
  m_fuente = fuente;
  for (auto& fila : m_filas)
    for (auto& celda : fila) celda.fuente = fuente;
  const CTamano blanco = medidor.Medir(" ", fuente);
  const int altoAnterior = m_nAltoDefecto;
  const int anchoAnterior = m_nAnchoDefecto;
  m_nMargen = blanco.cx;
  m_nAltoDefecto = blanco.cy + 2 * m_nMargen;
  m_nAnchoDefecto = 2 * m_nMargen + 12 * AnchoMedioCaracter(medidor, fuente);
  // Sizes nobody set yet follow the font.
  for (int& alto : m_altos)
    if (alto == altoAnterior) alto = m_nAltoDefecto;
  for (int& ancho : m_anchos)
    if (ancho == anchoAnterior) ancho = m_nAnchoDefecto;
  AjustarPosiciones();
}

namespace {

// The pieces of a text split by the two characters backslash and n.
std::vector<std::string_view> PiezasMarcador(std::string_view texto) {
  std::vector<std::string_view> piezas;
  for (;;) {
    const std::size_t p = texto.find("\\n");
    piezas.push_back(texto.substr(0, p));
    if (p == std::string_view::npos) break;
    texto = texto.substr(p + 2);
  }
  return piezas;
}

}  // namespace

std::string CGridModelo::TextoMostradoCelda(int fila, int columna) const {
  const CGridCelda* c = Celda(fila, columna);
  if (c == nullptr) return {};
  if (fila < m_nFilasFijas && !c->strTexto.empty()) return TextoFijo1252(c->strTexto);
  return c->strTexto;
}

CTamano CGridModelo::ExtensionCelda(int fila, int columna, IMedidorTexto& medidor) const {
  const CGridCelda* c = Celda(fila, columna);
  if (c == nullptr) return {};
  CFuente fuente = c->fuente;
  CTamano t{};
  if (EsCeldaFija(fila, columna)) {
    fuente.peso = 600;
    t = medidor.Medir(TextoMostradoCelda(fila, columna), fuente);
  } else {
    const auto piezas = PiezasMarcador(c->strTexto);
    for (std::size_t i = 0; i < piezas.size(); ++i) {
      const CTamano p = medidor.Medir(piezas[i], fuente);
      t.cx = std::max(t.cx, p.cx);
      t.cy = std::max(t.cy, static_cast<int>(i) * kPasoLineaMarcador + p.cy);
    }
  }
  t.cx += 2 * m_nMargen;
  t.cy += 2 * m_nMargen;
  if (TieneImagen(fila, columna)) {
    t.cx += m_nAnchoImagen;
    t.cy = std::max(t.cy, m_nAltoImagen);
  }
  return t;
}

int CGridModelo::AutoAjustarColumna(int columna, IMedidorTexto& medidor) {
  if (columna < 0 || columna >= m_nColumnas) return 0;
  int ancho = 0;
  for (int f = 0; f < m_nFilas; ++f) ancho = std::max(ancho, ExtensionCelda(f, columna, medidor).cx);
  return PonAnchoColumna(columna, ancho);
}

int CGridModelo::AutoAjustarFila(int fila, IMedidorTexto& medidor) {
  if (fila < 0 || fila >= m_nFilas) return 0;
  int alto = 0;
  for (int c = 0; c < m_nColumnas; ++c) alto = std::max(alto, ExtensionCelda(fila, c, medidor).cy);
  return PonAltoFila(fila, alto);
}

namespace {

// Spreads `sobra` over the sizes: each the quotient, the first |remainder| one more (one less when shrinking).
// A size never goes below 0.
void Repartir(std::vector<int>& tamanos, int sobra) {
  const int n = static_cast<int>(tamanos.size());
  if (n == 0) return;
  const int cociente = sobra / n;
  const int resto = sobra % n;
  for (int i = 0; i < n; ++i) {
    int extra = cociente;
    if (i < std::abs(resto)) extra += resto > 0 ? 1 : -1;
    tamanos[static_cast<std::size_t>(i)] = std::max(0, tamanos[static_cast<std::size_t>(i)] + extra);
  }
}

}  // namespace

void CGridModelo::AjustarColumnas() {
  Repartir(m_anchos, m_nAnchoCliente - AnchoTotal());
  AjustarPosiciones();
}

void CGridModelo::AjustarFilas() {
  Repartir(m_altos, m_nAltoCliente - AltoTotal());
  AjustarPosiciones();
}

void CGridModelo::AjustarAlArea() {
  AjustarColumnas();
  AjustarFilas();
  AjustarColumnas();
}

void CGridModelo::CambioColoresSistema(const SColoresGrid& nuevos) {
  if (m_crTexto == m_sistema.textoVentana) m_crTexto = nuevos.textoVentana;
  if (m_crFondo == m_sistema.ventana) m_crFondo = nuevos.ventana;
  if (m_crExterior == m_sistema.sombraBoton) m_crExterior = nuevos.sombraBoton;
  if (m_crTextoFijo == m_sistema.textoVentana) m_crTextoFijo = nuevos.textoVentana;
  if (m_crFondoFijo == m_sistema.caraBoton) m_crFondoFijo = nuevos.caraBoton;
  m_sistema = nuevos;
}

// ---- focus and selection

void CGridModelo::Avisar(int codigo, int fila, int columna) const {
  if (m_fnAviso) m_fnAviso(codigo, fila, columna);
}

int CGridModelo::PonCeldaFoco(int fila, int columna) {
  if (fila == -1 && columna == -1) {
    if (m_foco.Valida()) m_filas[static_cast<std::size_t>(m_foco.fila)][static_cast<std::size_t>(m_foco.columna)].nEstado &= ~kGvisFoco;
    m_foco = {};
    return 1;
  }
  if (!EsCeldaValida(fila, columna)) return 0;
  if (m_foco.Valida()) m_filas[static_cast<std::size_t>(m_foco.fila)][static_cast<std::size_t>(m_foco.columna)].nEstado &= ~kGvisFoco;
  m_foco = {fila, columna};
  m_filas[static_cast<std::size_t>(fila)][static_cast<std::size_t>(columna)].nEstado |= kGvisFoco;
  return 1;
}

void CGridModelo::AplicarSeleccion() {
  for (int f = 0; f < m_nFilas; ++f) {
    for (int c = 0; c < m_nColumnas; ++c) {
      bool sel = m_bloque.Contiene(f, c);
      if (!sel) sel = std::find(m_previas.begin(), m_previas.end(), SCeldaId{f, c}) != m_previas.end();
      unsigned& estado = m_filas[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)].nEstado;
      estado = sel ? (estado | kGvisSeleccionada) : (estado & ~kGvisSeleccionada);
    }
  }
}

int CGridModelo::PonRangoSeleccion(int fila1, int columna1, int fila2, int columna2) {
  m_previas.clear();
  if (!EsCeldaValida(fila1, columna1) || !EsCeldaValida(fila2, columna2)) {
    m_bloque = {};
    AplicarSeleccion();
    return 0;
  }
  m_bloque = {std::min(fila1, fila2), std::min(columna1, columna2), std::max(fila1, fila2),
              std::max(columna1, columna2)};
  AplicarSeleccion();
  return 1;
}

void CGridModelo::QuitarSeleccion() {
  m_previas.clear();
  m_bloque = {};
  AplicarSeleccion();
  PonCeldaFoco(-1, -1);
}

SRangoCeldas CGridModelo::DameRangoSeleccion() const {
  SRangoCeldas r;
  for (int f = 0; f < m_nFilas; ++f) {
    for (int c = 0; c < m_nColumnas; ++c) {
      if ((m_filas[static_cast<std::size_t>(f)][static_cast<std::size_t>(c)].nEstado & kGvisSeleccionada) == 0)
        continue;
      if (r.fila1 < 0) {
        r = {f, c, f, c};
      } else {
        r.columna1 = std::min(r.columna1, c);
        r.columna2 = std::max(r.columna2, c);
        r.fila2 = f;
      }
    }
  }
  return r;
}

bool CGridModelo::EstaSeleccionada(int fila, int columna) const {
  return (DameEstadoCelda(fila, columna) & kGvisSeleccionada) != 0;
}

void CGridModelo::SeleccionarTodo() {
  if (!m_bSeleccion) return;
  m_previas.clear();
  if (m_nFilas <= m_nFilasFijas || m_nColumnas <= m_nColumnasFijas) {
    m_bloque = {};
  } else {
    m_bloque = {m_nFilasFijas, m_nColumnasFijas, m_nFilas - 1, m_nColumnas - 1};
  }
  AplicarSeleccion();
}

void CGridModelo::EmpezarSeleccion(SCeldaId ancla, EFormaSeleccion forma, bool conservar) {
  m_previas.clear();
  if (conservar) {
    for (int f = 0; f < m_nFilas; ++f)
      for (int c = 0; c < m_nColumnas; ++c)
        if (EstaSeleccionada(f, c)) m_previas.push_back({f, c});
  }
  m_ancla = ancla;
  m_forma = forma;
  ExtenderSeleccion(ancla);
}

void CGridModelo::ExtenderSeleccion(SCeldaId hasta) {
  if (!m_bSeleccion) return;
  m_hasta = hasta;
  const SCeldaId a = m_ancla.Valida() ? m_ancla : hasta;
  if (!a.Valida() || !hasta.Valida() || m_nFilas <= m_nFilasFijas || m_nColumnas <= m_nColumnasFijas) {
    m_bloque = {};
    AplicarSeleccion();
    return;
  }
  const int ff = m_nFilasFijas;
  const int cf = m_nColumnasFijas;
  auto acotaF = [&](int f) { return std::clamp(f, ff, m_nFilas - 1); };
  auto acotaC = [&](int c) { return std::clamp(c, cf, m_nColumnas - 1); };
  switch (m_forma) {
    case EFormaSeleccion::Celdas:
      m_bloque = {acotaF(std::min(a.fila, hasta.fila)), acotaC(std::min(a.columna, hasta.columna)),
                  acotaF(std::max(a.fila, hasta.fila)), acotaC(std::max(a.columna, hasta.columna))};
      break;
    case EFormaSeleccion::Filas:
      m_bloque = {acotaF(std::min(a.fila, hasta.fila)), cf, acotaF(std::max(a.fila, hasta.fila)), m_nColumnas - 1};
      break;
    case EFormaSeleccion::Columnas:
      m_bloque = {ff, acotaC(std::min(a.columna, hasta.columna)), m_nFilas - 1,
                  acotaC(std::max(a.columna, hasta.columna))};
      break;
  }
  AplicarSeleccion();
}

void CGridModelo::MoverFoco(SCeldaId nueva, bool extender) {
  if (!EsCeldaValida(nueva.fila, nueva.columna) || nueva == m_foco) return;
  Avisar(kGvnAntesCambioFoco, nueva.fila, nueva.columna);
  if (!extender || !m_ancla.Valida()) {
    m_previas.clear();
    m_ancla = nueva;
  }
  m_forma = m_bModoLista ? EFormaSeleccion::Filas : EFormaSeleccion::Celdas;
  ExtenderSeleccion(nueva);
  PonCeldaFoco(nueva.fila, nueva.columna);
  Avisar(kGvnCambioFoco, nueva.fila, nueva.columna);
  HacerVisible(nueva.fila, nueva.columna);
}

// ---- scrolling

void CGridModelo::PonTamanoCliente(int ancho, int alto) {
  m_nAnchoCliente = std::max(ancho, 0);
  m_nAltoCliente = std::max(alto, 0);
  AjustarPosiciones();
}

int CGridModelo::PaginaVertical() const { return std::max(0, m_nAltoCliente - AltoFijo()); }
int CGridModelo::PaginaHorizontal() const { return std::max(0, m_nAnchoCliente - AnchoFijo()); }

int CGridModelo::RangoVertical() const {
  const int total = SumaAltos(m_nFilasFijas, m_nFilas);
  return total > PaginaVertical() ? total - 1 : 0;
}

int CGridModelo::RangoHorizontal() const {
  const int total = SumaAnchos(m_nColumnasFijas, m_nColumnas);
  return total > PaginaHorizontal() ? total - 1 : 0;
}

int CGridModelo::PosicionMaxima(EBarra barra) const {
  if (barra == EBarra::Vertical) return std::max(0, SumaAltos(m_nFilasFijas, m_nFilas) - PaginaVertical());
  return std::max(0, SumaAnchos(m_nColumnasFijas, m_nColumnas) - PaginaHorizontal());
}

void CGridModelo::AjustarPosiciones() {
  m_nPosV = std::clamp(m_nPosV, 0, PosicionMaxima(EBarra::Vertical));
  m_nPosH = std::clamp(m_nPosH, 0, PosicionMaxima(EBarra::Horizontal));
}

SCeldaId CGridModelo::CeldaSuperiorIzquierda() const {
  SCeldaId id;
  int acumulado = 0;
  int f = m_nFilasFijas;
  while (f < m_nFilas && acumulado + m_altos[static_cast<std::size_t>(f)] <= m_nPosV)
    acumulado += m_altos[static_cast<std::size_t>(f++)];
  acumulado = 0;
  int c = m_nColumnasFijas;
  while (c < m_nColumnas && acumulado + m_anchos[static_cast<std::size_t>(c)] <= m_nPosH)
    acumulado += m_anchos[static_cast<std::size_t>(c++)];
  id.fila = f < m_nFilas ? f : -1;
  id.columna = c < m_nColumnas ? c : -1;
  return id;
}

int CGridModelo::Desplazar(EBarra barra, EDesplazamiento accion, int pulgar) {
  const bool vertical = barra == EBarra::Vertical;
  int& pos = vertical ? m_nPosV : m_nPosH;
  const int maximo = PosicionMaxima(barra);
  const int fijas = vertical ? m_nFilasFijas : m_nColumnasFijas;
  const std::vector<int>& tamanos = vertical ? m_altos : m_anchos;
  const SCeldaId arribaIzq = CeldaSuperiorIzquierda();
  const int primera = vertical ? arribaIzq.fila : arribaIzq.columna;
  auto inicio = [&](int i) { return vertical ? SumaAltos(fijas, i) : SumaAnchos(fijas, i); };
  const int pagina = vertical ? PaginaVertical() : PaginaHorizontal();
  int nueva = pos;
  switch (accion) {
    case EDesplazamiento::LineaAbajo:
      if (primera >= 0 && pos < maximo) nueva = pos + tamanos[static_cast<std::size_t>(primera)];
      break;
    case EDesplazamiento::LineaArriba:
      if (primera >= 0 && pos > inicio(primera)) {
        nueva = inicio(primera);  // a partly hidden first line comes whole into view first
      } else if (primera > fijas) {
        int anterior = primera - 1;
        while (anterior > fijas && tamanos[static_cast<std::size_t>(anterior)] == 0) --anterior;
        nueva = pos - tamanos[static_cast<std::size_t>(anterior)];
      } else if (primera < 0) {
        nueva = 0;
      }
      break;
    case EDesplazamiento::PaginaArriba:
      nueva = pos - pagina;
      break;
    case EDesplazamiento::PaginaAbajo:
      nueva = pos + pagina;
      break;
    case EDesplazamiento::Pulgar:
      nueva = pulgar;
      break;
    case EDesplazamiento::Principio:
      nueva = 0;
      break;
    case EDesplazamiento::Final:
      nueva = maximo;
      break;
  }
  nueva = std::clamp(nueva, 0, maximo);
  const int movido = nueva - pos;
  pos = nueva;
  return movido;
}

int CGridModelo::IzquierdaColumna(int columna) const {
  if (columna < m_nColumnasFijas) return SumaAnchos(0, columna);
  return AnchoFijo() + SumaAnchos(m_nColumnasFijas, columna) - m_nPosH;
}

int CGridModelo::ArribaFila(int fila) const {
  if (fila < m_nFilasFijas) return SumaAltos(0, fila);
  return AltoFijo() + SumaAltos(m_nFilasFijas, fila) - m_nPosV;
}

bool CGridModelo::RectanguloCelda(int fila, int columna, CRectangulo& rect) const {
  if (!EsCeldaValida(fila, columna)) return false;
  rect.left = IzquierdaColumna(columna);
  rect.top = ArribaFila(fila);
  rect.right = rect.left + m_anchos[static_cast<std::size_t>(columna)];
  rect.bottom = rect.top + m_altos[static_cast<std::size_t>(fila)];
  if (fila >= m_nFilasFijas && (rect.bottom <= AltoFijo() || rect.top >= m_nAltoCliente)) return false;
  if (columna >= m_nColumnasFijas && (rect.right <= AnchoFijo() || rect.left >= m_nAnchoCliente)) return false;
  return true;
}

namespace {

// The row or column under a position along one axis: the fixed ones stand still, the others move by the scroll
// position. -1 outside every one (or for a negative position).
int IndiceEnEje(int pos, const std::vector<int>& tamanos, int cuantos, int fijos, int tamanoFijo,
                int desplazamiento) {
  if (pos < 0) return -1;
  int i = 0;
  int inicio = 0;
  if (pos >= tamanoFijo) {
    i = fijos;
    inicio = tamanoFijo - desplazamiento;
  }
  for (; i < cuantos; ++i) {
    const int tamano = tamanos[static_cast<std::size_t>(i)];
    if (pos < inicio + tamano) return i;
    inicio += tamano;
  }
  return -1;
}

}  // namespace

SCeldaId CGridModelo::CeldaEnPunto(int x, int y) const {
  SCeldaId id;
  id.columna = IndiceEnEje(x, m_anchos, m_nColumnas, m_nColumnasFijas, AnchoFijo(), m_nPosH);
  id.fila = IndiceEnEje(y, m_altos, m_nFilas, m_nFilasFijas, AltoFijo(), m_nPosV);
  return id;
}

SRangoCeldas CGridModelo::CeldasVisibles() const {
  const SCeldaId primera = CeldaSuperiorIzquierda();
  if (!primera.Valida()) return {};
  SRangoCeldas r{primera.fila, primera.columna, primera.fila, primera.columna};
  for (int f = primera.fila; f < m_nFilas && ArribaFila(f) < m_nAltoCliente; ++f) r.fila2 = f;
  for (int c = primera.columna; c < m_nColumnas && IzquierdaColumna(c) < m_nAnchoCliente; ++c) r.columna2 = c;
  return r;
}

bool CGridModelo::EsVisible(int fila, int columna) const {
  CRectangulo r;
  return RectanguloCelda(fila, columna, r);
}

int CGridModelo::HacerVisible(int fila, int columna) {
  if (!EsCeldaValida(fila, columna)) return 0;
  int pasos = 0;
  if (fila >= m_nFilasFijas) {
    for (;;) {
      const int primera = CeldaSuperiorIzquierda().fila;
      const int arriba = ArribaFila(fila);
      if (primera < 0 || fila < primera || arriba < AltoFijo()) {
        if (Desplazar(EBarra::Vertical, EDesplazamiento::LineaArriba) == 0) break;
      } else if (arriba + m_altos[static_cast<std::size_t>(fila)] > m_nAltoCliente && fila > primera) {
        if (Desplazar(EBarra::Vertical, EDesplazamiento::LineaAbajo) == 0) break;
      } else {
        break;
      }
      ++pasos;
    }
  }
  if (columna >= m_nColumnasFijas) {
    for (;;) {
      const int primera = CeldaSuperiorIzquierda().columna;
      const int izquierda = IzquierdaColumna(columna);
      if (primera < 0 || columna < primera || izquierda < AnchoFijo()) {
        if (Desplazar(EBarra::Horizontal, EDesplazamiento::LineaArriba) == 0) break;
      } else if (izquierda + m_anchos[static_cast<std::size_t>(columna)] > m_nAnchoCliente && columna > primera) {
        if (Desplazar(EBarra::Horizontal, EDesplazamiento::LineaAbajo) == 0) break;
      } else {
        break;
      }
      ++pasos;
    }
  }
  return pasos;
}

int CGridModelo::LineasDeRueda(int delta, int lineasRueda, bool& porPagina) {
  porPagina = lineasRueda == kRuedaPagina;
  if (porPagina) return delta / 120;
  return static_cast<int>(static_cast<long long>(delta) * lineasRueda / 120);
}

// ---- keyboard

SCeldaId CGridModelo::MovimientoTecla(ETeclaGrid tecla, bool ctrl, bool shift, bool& fueraDelGrid) const {
  fueraDelGrid = false;
  SCeldaId s = m_foco;
  const int ff = m_nFilasFijas;
  const int cf = m_nColumnasFijas;
  const int ultimaFila = m_nFilas - 1;
  auto visible = [this](int c) { return m_anchos[static_cast<std::size_t>(c)] > 0; };
  auto siguienteCol = [&](int c) {
    for (int i = std::max(c + 1, cf); i < m_nColumnas; ++i)
      if (visible(i)) return i;
    return -1;
  };
  auto anteriorCol = [&](int c) {
    for (int i = std::min(c - 1, m_nColumnas - 1); i >= cf; --i)
      if (visible(i)) return i;
    return -1;
  };
  const int primeraCol = siguienteCol(cf - 1);
  const int ultimaCol = anteriorCol(m_nColumnas);
  if (primeraCol < 0 || ultimaFila < ff) {
    fueraDelGrid = tecla == ETeclaGrid::Tab;
    return s;
  }
  switch (tecla) {
    case ETeclaGrid::Abajo:
      if (s.fila < ultimaFila) ++s.fila;
      break;
    case ETeclaGrid::Arriba:
      if (s.fila > ff) --s.fila;
      break;
    case ETeclaGrid::Derecha:
      if (const int c = siguienteCol(s.columna); c >= 0) s.columna = c;
      break;
    case ETeclaGrid::Izquierda:
      if (const int c = anteriorCol(s.columna); c >= 0) s.columna = c;
      break;
    case ETeclaGrid::AvPag: {
      int f = s.fila;
      int alto = 0;
      while (f < ultimaFila && alto + m_altos[static_cast<std::size_t>(f + 1)] <= PaginaVertical())
        alto += m_altos[static_cast<std::size_t>(++f)];
      s.fila = std::max(f, std::min(s.fila + 1, ultimaFila));
      break;
    }
    case ETeclaGrid::RePag: {
      int f = s.fila;
      int alto = 0;
      while (f > ff && alto + m_altos[static_cast<std::size_t>(f - 1)] <= PaginaVertical())
        alto += m_altos[static_cast<std::size_t>(--f)];
      s.fila = std::min(f, std::max(s.fila - 1, ff));
      break;
    }
    case ETeclaGrid::Inicio:
      if (ctrl) s.fila = ff;
      s.columna = primeraCol;
      break;
    case ETeclaGrid::Fin:
      if (ctrl) s.fila = ultimaFila;
      s.columna = ultimaCol;
      break;
    case ETeclaGrid::Tab:
      if (!shift) {
        if (const int c = siguienteCol(s.columna); c >= 0) {
          s.columna = c;
        } else if (s.fila < ultimaFila) {
          ++s.fila;
          s.columna = primeraCol;
        } else {
          fueraDelGrid = true;
        }
      } else {
        if (const int c = anteriorCol(s.columna); c >= 0) {
          s.columna = c;
        } else if (s.fila > ff) {
          --s.fila;
          s.columna = ultimaCol;
        } else {
          fueraDelGrid = true;
        }
      }
      break;
    default:
      break;
  }
  return s;
}

SResultadoTecla CGridModelo::Tecla(ETeclaGrid tecla, bool shift, bool ctrl, char letra) {
  SResultadoTecla r;
  if (!m_foco.Valida()) return r;
  if (ctrl && letra != 0) {
    switch (letra) {
      case 'A': case 'a':
        SeleccionarTodo();
        r.procesada = r.repintar = true;
        return r;
      case 'C': case 'c':
        r.procesada = true;
        r.copiar = PuedeCopiar();
        return r;
      case 'V': case 'v':
        r.procesada = true;
        r.pegar = m_bEditable;
        return r;
      case 'X': case 'x':
        r.procesada = true;
        r.cortar = PuedeCortar();
        return r;
      default:
        return r;
    }
  }
  switch (tecla) {
    case ETeclaGrid::Tab:
      if (!m_bTabPropio) return r;
      [[fallthrough]];
    case ETeclaGrid::Arriba:
    case ETeclaGrid::Abajo:
    case ETeclaGrid::Izquierda:
    case ETeclaGrid::Derecha:
    case ETeclaGrid::RePag:
    case ETeclaGrid::AvPag:
    case ETeclaGrid::Inicio:
    case ETeclaGrid::Fin: {
      bool fuera = false;
      const SCeldaId nueva = MovimientoTecla(tecla, ctrl, shift, fuera);
      if (fuera) return r;
      r.procesada = true;
      r.repintar = true;
      MoverFoco(nueva, shift && tecla != ETeclaGrid::Tab);
      return r;
    }
    case ETeclaGrid::Suprimir:
      if (EsCeldaEditable(m_foco.fila, m_foco.columna)) {
        PonTextoCelda(m_foco.fila, m_foco.columna, "");
        m_bModificado = true;
        r.procesada = r.repintar = true;
      }
      return r;
    default:
      return r;
  }
}

bool CGridModelo::PuedeCopiar() const { return DameRangoSeleccion().Valido(); }
bool CGridModelo::PuedeCortar() const { return m_bEditable && PuedeCopiar(); }
bool CGridModelo::PuedePegar(bool hayTexto) const {
  return hayTexto && m_foco.Valida() && EsCeldaEditable(m_foco.fila, m_foco.columna);
}

std::string CGridModelo::TextoCopia() const {
  const SRangoCeldas r = DameRangoSeleccion();
  std::string texto;
  if (!r.Valido()) return texto;
  for (int f = r.fila1; f <= r.fila2; ++f) {
    for (int c = r.columna1; c <= r.columna2; ++c) {
      const CGridCelda* celda = Celda(f, c);
      if ((celda->nEstado & kGvisSeleccionada) != 0) texto += celda->strTexto.empty() ? " " : celda->strTexto;
      if (c < r.columna2) texto += '\t';
    }
    if (f < r.fila2) texto += '\n';
  }
  return texto;
}

int CGridModelo::PegarEn(SCeldaId inicio, std::string_view texto) {
  if (!m_bEditable || !inicio.Valida()) return 0;
  int cambiadas = 0;
  const auto filas = PartirTextoPegado(texto);
  for (std::size_t i = 0; i < filas.size(); ++i) {
    const int f = inicio.fila + static_cast<int>(i);
    if (f >= m_nFilas) break;
    for (std::size_t j = 0; j < filas[i].size(); ++j) {
      const int c = inicio.columna + static_cast<int>(j);
      if (c >= m_nColumnas) break;
      if (!EsCeldaEditable(f, c)) continue;
      PonTextoCelda(f, c, filas[i][j]);
      ++cambiadas;
    }
  }
  if (cambiadas > 0) m_bModificado = true;
  return cambiadas;
}

int CGridModelo::Pegar(std::string_view texto) {
  SCeldaId inicio = m_foco;
  if (!inicio.Valida()) {
    const SRangoCeldas r = DameRangoSeleccion();
    inicio = {r.fila1, r.columna1};
  }
  return PegarEn(inicio, texto);
}

int CGridModelo::Cortar() {
  if (!PuedeCortar()) return 0;
  int cambiadas = 0;
  for (int f = 0; f < m_nFilas; ++f)
    for (int c = 0; c < m_nColumnas; ++c)
      if (EstaSeleccionada(f, c) && EsCeldaEditable(f, c) && !DameTextoCelda(f, c).empty()) {
        PonTextoCelda(f, c, "");
        ++cambiadas;
      }
  if (cambiadas > 0) m_bModificado = true;
  return cambiadas;
}

// ---- sorting

void CGridModelo::IntercambiarFilas(int a, int b) {
  std::swap(m_filas[static_cast<std::size_t>(a)], m_filas[static_cast<std::size_t>(b)]);
  std::swap(m_altos[static_cast<std::size_t>(a)], m_altos[static_cast<std::size_t>(b)]);
}

void CGridModelo::OrdenarRango(int columna, bool ascendente, int bajo, int alto) {
  // The smaller part recurses, the larger one loops, so the depth stays logarithmic.
  while (bajo < alto) {
    auto texto = [&](int f) -> const std::string& {
      return m_filas[static_cast<std::size_t>(f)][static_cast<std::size_t>(columna)].strTexto;
    };
    const std::string pivote = texto((bajo + alto) / 2);
    auto antes = [&](const std::string& a, const std::string& b) { return ascendente ? a < b : b < a; };
    int lo = bajo;
    int hi = alto;
    while (lo <= hi) {
      while (lo < alto && antes(texto(lo), pivote)) ++lo;
      while (hi > bajo && antes(pivote, texto(hi))) --hi;
      if (lo <= hi) {
        if (texto(lo) != texto(hi)) IntercambiarFilas(lo, hi);
        ++lo;
        --hi;
      }
    }
    if (hi - bajo < alto - lo) {
      if (bajo < hi) OrdenarRango(columna, ascendente, bajo, hi);
      bajo = lo;
    } else {
      if (lo < alto) OrdenarRango(columna, ascendente, lo, alto);
      alto = hi;
    }
  }
}

bool CGridModelo::OrdenarPorColumna(int columna, bool ascendente) {
  if (columna < 0 || columna >= m_nColumnas) return false;
  OrdenarRango(columna, ascendente, m_nFilasFijas, m_nFilas - 1);
  // The focus travelled with its cell.
  m_foco = {};
  for (int f = 0; f < m_nFilas && !m_foco.Valida(); ++f)
    for (int c = 0; c < m_nColumnas; ++c)
      if (DameEstadoCelda(f, c) & kGvisFoco) {
        m_foco = {f, c};
        break;
      }
  m_ancla = m_foco;
  m_bloque = {};
  m_previas.clear();
  return true;
}

bool CGridModelo::OrdenarPorClic(int columna) {
  if (columna < 0 || columna >= m_nColumnas) return false;
  if (columna == m_nColumnaOrden) {
    m_bAscendente = !m_bAscendente;
  } else {
    m_nColumnaOrden = columna;
    m_bAscendente = true;
  }
  return OrdenarPorColumna(columna, m_bAscendente);
}

// ---- editing

bool CGridModelo::PuedeEditarFoco() const {
  return m_foco.Valida() && EsCeldaEditable(m_foco.fila, m_foco.columna) && EsVisible(m_foco.fila, m_foco.columna);
}

void CGridModelo::TerminarEdicion(int fila, int columna, std::string_view texto, ETeclaGrid tecla) {
  if (!EsCeldaValida(fila, columna)) return;
  if (DameTextoCelda(fila, columna) != texto) {
    PonTextoCelda(fila, columna, texto);
    m_bModificado = true;
  }
  switch (tecla) {
    case ETeclaGrid::RePag:
    case ETeclaGrid::AvPag:
    case ETeclaGrid::Fin:
    case ETeclaGrid::Inicio:
    case ETeclaGrid::Arriba:
    case ETeclaGrid::Abajo:
    case ETeclaGrid::Izquierda:
    case ETeclaGrid::Derecha: {
      bool fuera = false;
      MoverFoco(MovimientoTecla(tecla, false, false, fuera), false);
      break;
    }
    default:
      break;
  }
}

// ---- drop target

void CGridModelo::QuitarMarcaSoltar() {
  if (m_soltar.Valida())
    m_filas[static_cast<std::size_t>(m_soltar.fila)][static_cast<std::size_t>(m_soltar.columna)].nEstado &=
        ~kGvisMarcaSoltar;
  m_soltar = {};
}

bool CGridModelo::ArrastrarSobre(int x, int y) {
  const SCeldaId celda = CeldaEnPunto(x, y);
  if (!AceptaSoltar() || !EsCeldaEditable(celda.fila, celda.columna)) {
    QuitarMarcaSoltar();
    return false;
  }
  if (!(celda == m_soltar)) {
    QuitarMarcaSoltar();
    m_soltar = celda;
    m_filas[static_cast<std::size_t>(celda.fila)][static_cast<std::size_t>(celda.columna)].nEstado |= kGvisMarcaSoltar;
  }
  return true;
}

int CGridModelo::Soltar(std::string_view texto) {
  const SCeldaId celda = m_soltar;
  QuitarMarcaSoltar();
  if (!celda.Valida()) return 0;
  return PegarEn(celda, texto);
}

}  // namespace marco
