// Bar-code symbols: PDF417 for the data record of a printed declaration and GS1-128 for the reference of the
// payment pages, encoded with zint and painted on the drawing canvas. A symbol is a grid of modules (the narrowest
// bar); painting stretches that grid over a rectangle of device units, so the size on paper follows the resolution
// the caller gives and nothing here knows about printers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Lienzo.h"

namespace plataforma {

// The modules of one symbol: rows of dark and light modules, each row with its own height in modules.
class CSimboloCodigoBarras {
 public:
  CSimboloCodigoBarras() = default;
  CSimboloCodigoBarras(int anchoModulos, std::vector<int> altosFilas, std::vector<std::uint8_t> modulos);

  int AnchoModulos() const { return ancho_; }
  // The sum of the row heights.
  int AltoModulos() const { return alto_; }
  int Filas() const { return static_cast<int>(altos_.size()); }
  int AltoFila(int fila) const { return altos_.at(static_cast<std::size_t>(fila)); }
  bool Oscuro(int fila, int columna) const;

 private:
  int ancho_ = 0;
  int alto_ = 0;
  std::vector<int> altos_;
  std::vector<std::uint8_t> modulos_;  // one byte per module, row after row
};

// Paints the symbol over the rectangle of `extension` device units whose top-left corner is `origen` (device
// units), whatever mapping the canvas had: the rectangle is cleared to white and the dark modules drawn in black.
// The canvas gets its state back as it was. False, with nothing drawn, when the canvas cannot draw, the extent is
// empty or the symbol has no modules.
bool PintarSimbolo(CLienzo& lienzo, const CSimboloCodigoBarras& simbolo, CPunto origen, CTamano extension);

// The shape asked of one PDF417 symbol: data columns (1 to 30) and rows (3 to 90; 0 lets the encoder choose).
struct CFormaPdf417 {
  int columnas = 0;
  int filas = 0;
  friend bool operator==(const CFormaPdf417&, const CFormaPdf417&) = default;
};

// Rows of every PDF417 symbol are this many modules high.
inline constexpr int kAltoFilaPdf417 = 3;

// Lays binary data out over PDF417 symbols of the shapes given, in order. The fewest symbols that hold the data are
// used; every symbol but the last is filled as far as its shape allows. One symbol is a plain PDF417 symbol of
// all the data; several form one Macro PDF417 sequence (segment index, segment count and a file id made from the
// data's check sum), so a reader joins them back in order whatever order it finds them in. Byte compaction keeps
// the bytes as they are.
class CCodificadorPdf417 {
 public:
  CCodificadorPdf417(std::span<const std::uint8_t> datos, std::vector<CFormaPdf417> formas);

  // Readies the next symbol: 1 a symbol is ready (`Simbolo`), 0 the data is used up, negative on failure (a shape
  // the encoder refuses, or a shape that takes no data). When the data needs more symbols than there are shapes,
  // the symbols of the shapes carry its beginning (their sequence tells the reader that more should follow) and 1
  // still answers the call after the last of them, to say that another symbol would be needed; that one has no
  // modules (`Simbolo` gives null).
  int Siguiente();
  const CSimboloCodigoBarras* Simbolo() const;

  // The symbols that hold all the data, or the shapes' count when they cannot; 0 before the first call.
  int SimbolosNecesarios() const { return static_cast<int>(simbolos_.size()); }
  bool Completo() const { return completo_; }

 private:
  void Planificar();

  std::vector<std::uint8_t> datos_;
  std::vector<CFormaPdf417> formas_;
  bool planificado_ = false;
  bool completo_ = false;
  int fallo_ = 0;
  std::vector<CSimboloCodigoBarras> simbolos_;
  int actual_ = -1;
};

// A GS1-128 symbol (FNC1 in first position) that carries `texto` whole, with no check of its content: printable
// ASCII, at least three characters, the first two of them digits. Nothing when the encoder refuses the text. The
// symbol includes its quiet zones, ten light modules on each side.
std::optional<CSimboloCodigoBarras> CodificarGs1128(std::string_view texto);

// Paints the GS1-128 symbol of `texto` filling the rectangle `destino` (device units). False, with nothing drawn,
// when the text cannot be encoded or the canvas cannot draw.
bool PintarCodigoBarras(CLienzo& lienzo, const CRectangulo& destino, std::string_view texto);

}  // namespace plataforma
