// Rules of the message window, without any window: the button table, how button words of the message table
// become buttons, how the text is composed, and the layout (text sized to the lines it needs, the buttons of the
// message centred in one row). The window asks these rules and places its controls where they say.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "framework/BotonTipos.h"

namespace marco {

// One row of the button table.
struct SFilaBotonMensaje {
  unsigned flag;
  int cadena;                 // the caption's string number
  std::string_view leyenda;   // the caption, the word a message names the button by
  std::string_view rotulo;    // the caption on the window, "&" before its mnemonic letter
  int control;                // control id = result of the message
  int icono;                  // the icon of the button
};

// The six rows, in table order: Aceptar, Cancelar, Continuar, Corregir, Confirmar, Borrar. Only the first five
// are ever laid out.
const std::array<SFilaBotonMensaje, 6>& TablaBotonesMensaje();
inline constexpr std::size_t kBotonesColocables = 5;

// The characters of `texto` up to its first blank; a text without a blank is given whole.
std::string PrimeraPalabra(std::string_view texto);

// The flag of the button whose caption, upper-cased, equals `palabra` ("VERIFICAR" is taken as "CORREGIR");
// 0 when none does.
unsigned FlagDePalabra(std::string_view palabra);

// The button flags of the button words of a message: with two buttons the words are "WORD1@WORD2", otherwise
// "WORD@" (the last character is not part of the word).
unsigned FlagsDeBotones(std::string_view palabras, int numBotones);

// The text of a found message with the caller's extra text: in place of the first "%s" when the text has one,
// otherwise after one blank. An empty extra text leaves the text as it is.
std::string ComponerTexto(std::string_view texto, std::string_view extra);

// Every backslash is removed together with the character after it.
std::string QuitarBarras(std::string_view texto);

// The layout of the window (pixels, client coordinates).
struct SPlantillaMensaje {
  int anchoCliente = 372;
  int altoCliente = 150;
  SRectBoton icono{14, 14, 32, 32};
  SRectBoton texto{60, 14, 296, 64};
  int anchoBoton = 104;
  int altoBoton = 40;
  int arribaBotones = 94;
  int margen = 10;  // the least room left and right of the row of buttons
};

struct SAjusteTexto {
  int lineas = 1;
  SRectBoton texto;  // same position, new size
  int anchoCliente = 0;
  int altoCliente = 0;
  int encogimiento = 0;  // how much the window became lower (negative: higher)
};

// Sizes the text to the lines it needs. `anchos` holds the width of each line of the text as written (one entry
// for a text without line breaks); `altoLinea` is the font's character height plus its external leading. Each
// line of width W takes W ÷ (static width) lines, one more when W is larger than the static width, at least 1;
// the static becomes as wide as the widest line divided by its lines and (lines + 1) line heights high. The
// window's width changes as the static's, its height by the static's.
SAjusteTexto AjustarTexto(const std::vector<int>& anchos, int altoLinea, SRectBoton texto, int anchoCliente,
                          int altoCliente);

struct SBotonColocado {
  std::size_t fila = 0;  // row of the button table
  int control = 0;
  SRectBoton rect;
};

struct SColocacionBotones {
  std::vector<SBotonColocado> botones;  // left to right, in table order
  int anchoCliente = 0;  // the window's client width, widened when the row would not fit
};

// Lays out the buttons of `flags` (only the first five rows) in one row, in table order, each keeping its size
// (`rects` per table row), at steps of the first one's width + 10, centred in the client width; the row's top is
// the first button's former top less the shrink of AjustarTexto.
SColocacionBotones ColocarBotones(unsigned flags, const std::array<SRectBoton, kBotonesColocables>& rects,
                                  int anchoCliente, int encogimiento, int margen);

}  // namespace marco
