// The PDF417 symbols of the first printed page: the framed data is laid out over up to four symbols, each with the
// columns and rows of its place in the run, and each painted at its slot of the page. Slots and symbol sizes are
// measured in page units of a 790 x 1,100 unit page that stands for 7.95 x 11.05 inches, so the resolution given
// fixes their size in device units; nothing here depends on a printer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/CodigoBarras.h"
#include "platform/Lienzo.h"

namespace salida {

// One place of the run: its shape, the framed length from which its rows are fixed, and its slot.
struct CPlazaPdf417 {
  int columnas;
  int filas;   // rows when the framed data reaches the threshold; below it the encoder chooses
  int umbral;  // bytes of framed data
  int x;       // slot, page units
  int y;
};

// The first two slots lie in the blank upper part of the first printed page; the third and fourth (a long
// declaration's) below its last box, so that no symbol ever covers a box of the page.
inline constexpr std::array<CPlazaPdf417, 4> kPlazasPdf417{{
    {18, 51, 918, 80, 215},
    {12, 51, 1530, 460, 215},
    {18, 51, 2502, 80, 870},
    {13, 54, 2502, 460, 870},
}};

inline constexpr int kResolucionMinimaPdf417 = 300;
// A module of a symbol measures one page unit across; rows are three modules high.
inline constexpr int kModuloEnUnidades = 1;

// The shape of the symbol at place `k` (0 to 3) for framed data of `longitudTrama` bytes.
plataforma::CFormaPdf417 FormaSimbolo(int k, std::size_t longitudTrama);

// Device units per page unit at a resolution.
struct CEscalaPagina {
  double sx = 0;
  double sy = 0;
};
CEscalaPagina EscalaPagina(int resolucion);

// The top-left corner of the slot of place `k`, device units (truncated).
plataforma::CPunto OrigenRanura(int k, int resolucion);

// The size of a symbol on the page, device units (truncated).
plataforma::CTamano ExtensionSimbolo(const plataforma::CSimboloCodigoBarras& simbolo, int resolucion);

// The one symbol of the wealth-tax declaration: 14 columns, rows chosen by the encoder, at (80, 225).
inline constexpr CPlazaPdf417 kPlazaPdf417Patrimonio{14, 0, 0, 80, 225};
// The size factor of the wealth-tax symbol: 1.111 at a resolution that is a multiple of 360 dots per inch and not
// of 300 (360, 720), 1.0 at any other.
double EscalaSimbolo714(int resolucion);
// The wealth-tax symbol's rectangle on the page, device units (truncated): the slot and size above, times the
// factor.
plataforma::CPunto OrigenSimbolo714(int resolucion);
plataforma::CTamano ExtensionSimbolo714(const plataforma::CSimboloCodigoBarras& simbolo, int resolucion);

// Results of PintarPDF417Patrimonio.
inline constexpr int kSimboloPintado = 0;
inline constexpr int kSimboloFallido = 1;
inline constexpr int kSimboloSinResolucion = 3;

// Encodes the wealth-tax frame as one symbol and paints it. kSimboloSinResolucion below 300 dots per inch, with
// nothing encoded and nothing shown (the page prints without its symbol); kSimboloFallido after its coded message:
// "PDF004" the encoder failed or the frame needs more than one symbol, "PDF003" no symbol to size, "PDF001" the
// symbol could not be painted. The declaration type is received and not read.
int PintarPDF417Patrimonio(plataforma::CLienzo& lienzo, int resolucion, std::span<const std::uint8_t> datos,
                           int tipoDeclaracion);

class CSimbolosPdf417 {
 public:
  // Encodes the framed data and paints each symbol at its slot of the canvas, whose device units are dots of
  // `resolucion`. Failures show their coded message and leave the page without the missing symbols: "WIN027 "
  // resolution below 300 (nothing is encoded), "PDF001" a fifth symbol would be needed (the four are already on
  // the page) or a symbol has no modules, "PDF003" no symbol to size, "WIN132 " a symbol could not be painted,
  // "PDF004" the encoder failed. The count of symbols painted is kept only when the run ends without a stop
  // ("PDF004" included). The declaration type is received and not read.
  void PintarPDF417(plataforma::CLienzo& lienzo, int resolucion, std::span<const std::uint8_t> datos,
                    int tipoDeclaracion);

  int SimbolosPintados() const { return m_nSimbolos; }

 private:
  int m_nSimbolos = 0;
};

}  // namespace salida
