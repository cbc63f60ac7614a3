// Rules of the animated logo (CLogoStatic): a text of lines, and pictures among them, scrolling upwards through the
// control like film credits, one pixel per timer tick, starting again from the first line after the last one.
// The last character of a line chooses its font and colour, or marks it as the name of a picture.
//
// This class keeps the run (which line comes next, how far it has scrolled in, the text column) and answers each
// tick and each paint with what to draw; the window (CLogoStatic) owns the timer, the fonts, the pictures and the
// off-screen image, and only carries those answers out. Tests drive it with a fake clock, without a display.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "framework/BotonTipos.h"

namespace marco {

// A colour as 0x00BBGGRR (red in the low byte).
using ColorLogo = std::uint32_t;

// The identifier of the animation's timer.
inline constexpr unsigned kIdTemporizadorLogo = 150;

struct STamanoLogo {
  int ancho = 0;
  int alto = 0;
  bool operator==(const STamanoLogo&) const = default;
};

// The font of a line: Arial of `alto` pixels and weight `peso`; alto 0 is the control's default font.
struct SFuenteLogo {
  int alto = 0;
  int peso = 0;
  bool operator==(const SFuenteLogo&) const = default;
};

enum class EEstiloLineaLogo {
  Grande,   // ends with a newline: large, bold, yellow
  Mediana,  // ends with a carriage return: medium, bold, cyan
  Roja,     // ends with a tab: large, bold, red
  Dibujo,   // ends with "^": the characters before it name a picture
  Pequena,  // any other last character: small, thin, white, every character drawn
  Vacia,    // an empty line: nothing drawn, no font chosen
};

// The style of one line and what of it is drawn.
struct SLineaLogo {
  EEstiloLineaLogo estilo = EEstiloLineaLogo::Vacia;
  std::string texto;  // the characters drawn (Windows-1252); for a picture line, the picture's name
  SFuenteLogo fuente;
  int color = -1;  // entry of the colour table; -1 the control's own text colour
  bool operator==(const SLineaLogo&) const = default;
};

// Text drawn on one line, centred across `rect` at its top and clipped to it.
struct STextoLogo {
  std::string texto;  // Windows-1252
  SFuenteLogo fuente;
  int color = -1;
  SRectBoton rect;
  bool operator==(const STextoLogo&) const = default;
};

// The top `filas` rows of the named picture, drawn into `destino` (as wide as the picture, `filas` high).
struct SDibujoLogo {
  std::string nombre;
  int filas = 0;
  SRectBoton destino;
  bool operator==(const SDibujoLogo&) const = default;
};

using SPiezaLogo = std::variant<STextoLogo, SDibujoLogo>;

// One tick's work on the off-screen image, in this order.
struct SPasoLogo {
  bool crearImagen = false;              // make the image of the client size, filled with the background
  std::optional<SRectBoton> desplazar;   // move the content of this column up by `desplazamiento` rows
  int desplazamiento = 0;                // negative: upwards
  SRectBoton descubierto;                // the uncovered strip, filled with the background
  std::optional<SPiezaLogo> pieza;       // the line or picture coming in
  bool dibujoFallido = false;            // the line names a picture that could not be loaded: drawn as text
};

// The still picture of the whole text, for a control whose animation is not running.
struct SImagenCompletaLogo {
  STamanoLogo tamano;
  std::vector<SPiezaLogo> piezas;
};

// What a paint does: build the still picture first when asked, then copy the off-screen image (or, with no image,
// fill the client area with the background).
struct SPinturaLogo {
  std::optional<SImagenCompletaLogo> construir;
  bool copiarImagen = false;
};

// What the rules need from the window.
class IEntornoLogo {
 public:
  virtual ~IEntornoLogo() = default;
  // Starts (or starts anew) the window timer with that identifier and interval; gives the timer id, 0 when the
  // timer could not be started.
  virtual unsigned IniciarTemporizador(unsigned id, unsigned intervaloMs) = 0;
  // The extent of a Windows-1252 text in the font; a text without characters is 0 wide and one line of the font
  // high.
  virtual STamanoLogo MedirTexto(std::string_view texto, SFuenteLogo fuente) = 0;
  // The size of the named picture, or nothing when it is missing or cannot be read.
  virtual std::optional<STamanoLogo> TamanoDibujo(std::string_view nombre) = 0;
};

// The file of a named picture in the picture folder: "<name in lower case>.png". Names are letters, digits, "-"
// and "_" only; any other name (empty, with a path, a dot or a space) has no file.
std::optional<std::filesystem::path> RutaDibujoLogo(const std::filesystem::path& carpeta, std::string_view nombre);

class CLogoStaticReglas {
 public:
  static constexpr int kModos = 3;
  static constexpr int kColores = 5;

  // Cuts the text at every separator; the text after the last separator is always the last line (so a text
  // ending with the separator ends with an empty line). Restarts the run from the first line; the current line,
  // the column width, the first-pass flag and the timer stay as they are. While the animation runs the image is
  // kept (the new lines scroll in under the old ones); otherwise it is dropped, so that the still picture shows
  // the new text.
  void PonerTexto(std::string_view texto, char separador);
  // A nonzero interval becomes the interval of that mode; the mode becomes current (used by the next
  // IniciarAnimacion). False, and nothing changes, for a mode outside 0 to 2.
  bool PonerModo(int modo, unsigned intervaloMs);
  // Entry 0 is the background, 1 to 4 the text colours. False, and nothing changes, for another index.
  bool PonerColor(int indice, ColorLogo color);
  // Nonzero: light grey (0xC0C0C0) pixels of the pictures let the image show through.
  void PonerOpcion(int valor) { m_nTransparente = valor; }

  // 0 and nothing else with no lines. Otherwise drops the off-screen image, starts the timer with the current
  // mode's interval, restarts the run, and gives 1 when the timer runs (0 when it could not start: the control
  // then shows the still picture).
  int IniciarAnimacion(IEntornoLogo& entorno);

  // One timer event; nothing (leave it to the default handling) for another timer than the animation's.
  std::optional<SPasoLogo> Tic(unsigned idTemporizador, SRectBoton cliente, IEntornoLogo& entorno);

  // A paint of the window.
  SPinturaLogo AlPintar(SRectBoton cliente, IEntornoLogo& entorno);
  // The still picture of every line that fits, top down; nothing when an off-screen image exists.
  std::optional<SImagenCompletaLogo> PintarTodo(SRectBoton cliente, IEntornoLogo& entorno);

  // The window's size changed or it lost its image: the next tick or paint builds a new one.
  void DescartarImagen() { m_bHayImagen = false; }
  // The window is being destroyed: the lines are dropped and the timer is gone.
  void AlDestruir();

  // The style of a line by its last character.
  SLineaLogo Estilo(std::string_view linea) const;

  const std::vector<std::string>& Lineas() const { return m_lineas; }
  const std::string& LineaActual() const { return m_lineaActual; }
  int Modo() const { return m_nModo; }
  unsigned Intervalo(int modo) const { return m_intervalos.at(static_cast<std::size_t>(modo)); }
  ColorLogo Color(int indice) const { return m_colores.at(static_cast<std::size_t>(indice)); }
  int Transparente() const { return m_nTransparente; }
  int AnchoColumna() const { return m_nAnchoColumna; }
  int AltoLinea() const { return m_nAltoLinea; }
  int Desplazado() const { return m_nDesplazado; }
  bool PrimeraPasada() const { return m_bPrimeraPasada; }
  bool DibujoActivo() const { return m_bDibujoActivo; }
  const std::string& NombreDibujo() const { return m_nombreDibujo; }
  unsigned IdTemporizador() const { return m_idTemporizador; }
  bool HayImagen() const { return m_bHayImagen; }

 private:
  void ReiniciarRecorrido();
  // The text column: the client narrowed to the column width and centred.
  SRectBoton Columna(SRectBoton cliente) const;
  SPasoLogo AvanzarPaso(SRectBoton cliente, SRectBoton columna, bool medir, IEntornoLogo& entorno);
  void Ensanchar(int ancho, SRectBoton cliente, SRectBoton& columna);

  std::array<ColorLogo, kColores> m_colores = {0x000000, 0x0000FF, 0x00FFFF, 0xFFFF00, 0xFFFFFF};
  std::array<int, 3> m_alturas = {19, 17, 15};
  std::array<unsigned, kModos> m_intervalos = {70, 30, 10};
  int m_nModo = 1;
  std::vector<std::string> m_lineas;
  std::string m_lineaActual;
  int m_nContador = 1;
  std::size_t m_siguiente = 0;  // index of the next line; the list's size when there is none
  int m_nDesplazado = 0;
  int m_nPaso = -1;
  int m_nAltoLinea = 15;
  bool m_bDibujoActivo = false;
  std::string m_nombreDibujo;
  STamanoLogo m_tamanoDibujo;
  int m_nIzquierdaDibujo = 0;
  int m_nAbajoDibujo = 0;
  bool m_bPrimeraPasada = true;
  int m_nTransparente = 0;
  int m_nAnchoColumna = 0;
  unsigned m_idTemporizador = 0;
  bool m_bHayImagen = false;
};

}  // namespace marco
