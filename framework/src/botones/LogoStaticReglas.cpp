#include "framework/LogoStaticReglas.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace marco {

namespace {

constexpr char kNuevaLinea = 10;
constexpr char kRetorno = 13;
constexpr char kTabulador = 9;
constexpr char kDibujo = '^';

constexpr int kPesoGrueso = 700;
constexpr int kPesoFino = 100;

bool EsTexto(EEstiloLineaLogo estilo) {
  return estilo == EEstiloLineaLogo::Grande || estilo == EEstiloLineaLogo::Mediana ||
         estilo == EEstiloLineaLogo::Roja || estilo == EEstiloLineaLogo::Pequena;
}

// A picture line whose picture could not be loaded: every character, the "^" included, in the default font and
// text colour.
SLineaLogo ComoTexto(std::string_view linea) { return {EEstiloLineaLogo::Dibujo, std::string(linea), {}, -1}; }

}  // namespace

std::optional<std::filesystem::path> RutaDibujoLogo(const std::filesystem::path& carpeta, std::string_view nombre) {
  if (nombre.empty()) return std::nullopt;
  std::string archivo;
  archivo.reserve(nombre.size() + 4);
  for (const char c : nombre) {
    const bool letra = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool cifra = c >= '0' && c <= '9';
    if (!letra && !cifra && c != '-' && c != '_') return std::nullopt;
    archivo += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return carpeta / (archivo + ".png");
}

SLineaLogo CLogoStaticReglas::Estilo(std::string_view linea) const {
  if (linea.empty()) return {};
  const std::string_view sinUltimo = linea.substr(0, linea.size() - 1);
  switch (linea.back()) {
    case kNuevaLinea:
      return {EEstiloLineaLogo::Grande, std::string(sinUltimo), {m_alturas[0], kPesoGrueso}, 2};
    case kRetorno:
      return {EEstiloLineaLogo::Mediana, std::string(sinUltimo), {m_alturas[1], kPesoGrueso}, 3};
    case kTabulador:
      // The same height as a newline line: the tab has no size of its own.
      return {EEstiloLineaLogo::Roja, std::string(sinUltimo), {m_alturas[0], kPesoGrueso}, 1};
    case kDibujo:
      return {EEstiloLineaLogo::Dibujo, std::string(sinUltimo), {}, -1};
    default:
      return {EEstiloLineaLogo::Pequena, std::string(linea), {m_alturas[2], kPesoFino}, 4};
  }
}

void CLogoStaticReglas::PonerTexto(std::string_view texto, char separador) {
  // The new list is made whole before the old one is replaced: if it cannot be made, nothing changes.
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    if (texto[i] == separador) {
      lineas.emplace_back(texto.substr(inicio, i - inicio));
      inicio = i + 1;
    }
  }
  lineas.emplace_back(texto.substr(inicio));
  m_lineas = std::move(lineas);
  ReiniciarRecorrido();
  if (m_idTemporizador == 0) m_bHayImagen = false;
}

bool CLogoStaticReglas::PonerModo(int modo, unsigned intervaloMs) {
  if (modo < 0 || modo >= kModos) return false;
  if (intervaloMs != 0) m_intervalos[static_cast<std::size_t>(modo)] = intervaloMs;
  m_nModo = modo;
  return true;
}

bool CLogoStaticReglas::PonerColor(int indice, ColorLogo color) {
  if (indice < 0 || indice >= kColores) return false;
  m_colores[static_cast<std::size_t>(indice)] = color & 0xFFFFFFu;
  return true;
}

void CLogoStaticReglas::ReiniciarRecorrido() {
  m_siguiente = 0;
  m_nContador = 1;
  m_nDesplazado = 0;
}

int CLogoStaticReglas::IniciarAnimacion(IEntornoLogo& entorno) {
  if (m_lineas.empty()) return 0;
  m_bHayImagen = false;  // the next tick builds a fresh image
  m_idTemporizador =
      entorno.IniciarTemporizador(kIdTemporizadorLogo, m_intervalos[static_cast<std::size_t>(m_nModo)]);
  ReiniciarRecorrido();
  return m_idTemporizador != 0 ? 1 : 0;
}

void CLogoStaticReglas::AlDestruir() {
  m_lineas.clear();
  m_siguiente = 0;
  m_idTemporizador = 0;
}

SRectBoton CLogoStaticReglas::Columna(SRectBoton cliente) const {
  return {cliente.x + (cliente.ancho - m_nAnchoColumna) / 2, cliente.y, m_nAnchoColumna, cliente.alto};
}

void CLogoStaticReglas::Ensanchar(int ancho, SRectBoton cliente, SRectBoton& columna) {
  if (ancho <= m_nAnchoColumna) return;
  m_nAnchoColumna = std::min(ancho, cliente.ancho);
  columna.x = cliente.x + (cliente.ancho - m_nAnchoColumna) / 2;
  columna.ancho = m_nAnchoColumna;
}

std::optional<SPasoLogo> CLogoStaticReglas::Tic(unsigned idTemporizador, SRectBoton cliente,
                                                IEntornoLogo& entorno) {
  if (idTemporizador != kIdTemporizadorLogo) return std::nullopt;
  bool medir = false;
  if (!m_bDibujoActivo) {
    const int n = m_nContador++;
    if (n % std::max(1, m_nAltoLinea) == 0) {
      m_nContador = 1;
      if (m_siguiente < m_lineas.size()) {
        m_lineaActual = m_lineas[m_siguiente];
        ++m_siguiente;
      } else {
        m_lineaActual.clear();  // no lines (the window is going): a blank tick
      }
      medir = m_bPrimeraPasada;
      m_nDesplazado = 0;
      if (m_siguiente >= m_lineas.size()) {
        m_bPrimeraPasada = false;
        m_siguiente = 0;
      }
    }
  }
  return AvanzarPaso(cliente, Columna(cliente), medir, entorno);
}

SPasoLogo CLogoStaticReglas::AvanzarPaso(SRectBoton cliente, SRectBoton columna, bool medir,
                                         IEntornoLogo& entorno) {
  SPasoLogo paso;
  if (!m_bHayImagen) {
    paso.crearImagen = true;
    m_bHayImagen = true;
  }
  const int abajo = cliente.y + cliente.alto;
  const int tamanoPaso = std::abs(m_nPaso);
  if (columna.ancho > 0) {
    paso.desplazar = columna;
    paso.desplazamiento = m_nPaso;
    paso.descubierto = {columna.x, abajo - tamanoPaso, columna.ancho, tamanoPaso};
  } else {
    paso.descubierto = {cliente.x, abajo - tamanoPaso, cliente.ancho, tamanoPaso};
  }
  m_nDesplazado += tamanoPaso;

  SLineaLogo linea = Estilo(m_lineaActual);
  if (linea.estilo == EEstiloLineaLogo::Dibujo && !m_bDibujoActivo) {
    const std::optional<STamanoLogo> tamano = entorno.TamanoDibujo(linea.texto);
    if (tamano && tamano->ancho > 0 && tamano->alto > 0) {
      m_nombreDibujo = linea.texto;
      m_tamanoDibujo = *tamano;
      m_nIzquierdaDibujo = (columna.x + columna.ancho) - columna.ancho / 2 - tamano->ancho / 2;
      m_nAbajoDibujo = abajo;
      m_bDibujoActivo = true;
    } else {
      linea = ComoTexto(m_lineaActual);
      paso.dibujoFallido = true;
    }
  }
  if (EsTexto(linea.estilo)) m_nAltoLinea = linea.fuente.alto;

  if (m_bDibujoActivo) {
    if (medir) Ensanchar(m_tamanoDibujo.ancho, cliente, columna);
    const int filas = std::min(m_nDesplazado, m_tamanoDibujo.alto);
    paso.pieza = SDibujoLogo{m_nombreDibujo, filas,
                             {m_nIzquierdaDibujo, m_nAbajoDibujo - filas, m_tamanoDibujo.ancho, filas}};
    if (m_nDesplazado >= m_tamanoDibujo.alto) {
      m_bDibujoActivo = false;
      m_nombreDibujo.clear();
      m_nDesplazado = 0;
      m_lineaActual.clear();
      m_nContador = 1;
    }
  } else if (!linea.texto.empty()) {
    if (medir) Ensanchar(entorno.MedirTexto(linea.texto, linea.fuente).ancho, cliente, columna);
    paso.pieza = STextoLogo{linea.texto, linea.fuente, linea.color,
                            {columna.x, abajo - m_nDesplazado, columna.ancho, m_nDesplazado}};
  }
  return paso;
}

SPinturaLogo CLogoStaticReglas::AlPintar(SRectBoton cliente, IEntornoLogo& entorno) {
  SPinturaLogo pintura;
  if (m_idTemporizador == 0) pintura.construir = PintarTodo(cliente, entorno);
  pintura.copiarImagen = m_bHayImagen;
  return pintura;
}

std::optional<SImagenCompletaLogo> CLogoStaticReglas::PintarTodo(SRectBoton cliente, IEntornoLogo& entorno) {
  if (m_bHayImagen) return std::nullopt;
  m_bHayImagen = true;
  SImagenCompletaLogo imagen;
  imagen.tamano = {cliente.ancho, cliente.alto};
  const int abajo = cliente.y + cliente.alto;
  const int derecha = cliente.x + cliente.ancho;
  int y = cliente.y;
  for (const std::string& texto : m_lineas) {
    if (y - cliente.y > cliente.alto) break;
    SLineaLogo linea = Estilo(texto);
    if (linea.estilo == EEstiloLineaLogo::Dibujo) {
      const std::optional<STamanoLogo> tamano = entorno.TamanoDibujo(linea.texto);
      if (tamano && tamano->ancho > 0 && tamano->alto > 0) {
        imagen.piezas.emplace_back(SDibujoLogo{
            linea.texto, tamano->alto,
            {derecha - cliente.ancho / 2 - tamano->ancho / 2, y, tamano->ancho, tamano->alto}});
        y += tamano->alto;
        continue;
      }
      linea = ComoTexto(texto);
    }
    if (linea.estilo == EEstiloLineaLogo::Vacia) {
      y += entorno.MedirTexto("W", {}).alto;
      continue;
    }
    if (EsTexto(linea.estilo)) m_nAltoLinea = linea.fuente.alto;
    if (!linea.texto.empty())
      imagen.piezas.emplace_back(
          STextoLogo{linea.texto, linea.fuente, linea.color, {cliente.x, y, cliente.ancho, abajo - y}});
    y += entorno.MedirTexto(linea.texto, linea.fuente).alto;
  }
  return imagen;
}

}  // namespace marco
