// Plain types shared by the owner-drawn buttons: rectangles, points, colours, the system colours a face is drawn
// in and the state of the item being drawn. No window code here, so the rules of the faces can be tested without
// a display.
#pragma once

#include <cstdint>

namespace marco {

struct SPuntoBoton {
  int x = 0;
  int y = 0;
  bool operator==(const SPuntoBoton&) const = default;
};

// A rectangle by its left, top, width and height, in pixels.
struct SRectBoton {
  int x = 0;
  int y = 0;
  int ancho = 0;
  int alto = 0;
  bool operator==(const SRectBoton&) const = default;

  // The rectangle made smaller by n pixels on every side (never narrower than 0).
  SRectBoton Encoger(int n) const;
  SRectBoton Desplazar(int dx, int dy) const { return {x + dx, y + dy, ancho, alto}; }
  bool Contiene(int px, int py) const { return px >= x && py >= y && px < x + ancho && py < y + alto; }
};

struct SColorBoton {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const SColorBoton&) const = default;
};

// The system colours a button face is drawn with.
enum class EColorSistema {
  Cara,          // button face
  Texto,         // button text
  Sombra,        // shadow
  Luz,           // highlight
  Claro,         // light (between face and highlight)
  SombraOscura,  // dark shadow
  TextoGris,     // text of a disabled button
};

// One reading of the user's colour scheme. The window layer fills it from the system settings at each paint, so
// the faces follow a change of scheme; tests fill it by hand.
struct SColoresSistema {
  SColorBoton cara{192, 192, 192};
  SColorBoton texto{0, 0, 0};
  SColorBoton sombra{128, 128, 128};
  SColorBoton luz{255, 255, 255};
  SColorBoton claro{223, 223, 223};
  SColorBoton sombraOscura{64, 64, 64};
  SColorBoton textoGris{128, 128, 128};

  SColorBoton De(EColorSistema color) const;
};

// The pictures of the mapped-bitmap buttons are drawn in the four greys of a classic button; each of those
// exact colours takes the user's colour for its role, every other colour stays as drawn:
// black → button text, grey 128 → shadow, grey 192 → face, white → highlight.
SColorBoton MapearColorSistema(SColorBoton color, const SColoresSistema& sistema);

// One ring of a border: its top and left sides in one colour, its bottom and right sides in another.
struct SAnilloBorde {
  EColorSistema arribaIzquierda;
  EColorSistema abajoDerecha;
  bool operator==(const SAnilloBorde&) const = default;
};

// The borders of the button faces, each a set of rings drawn from the outside in.
enum class EBordeBoton {
  Ninguno,
  FinoHundido,    // shadow at top and left, highlight at bottom and right
  FinoRealzado,   // highlight at top and left, shadow at bottom and right
  MarcoSombra,    // a frame in the shadow colour
  Invisible,      // a frame in the face colour
  Realce3D,       // highlight / dark shadow outside, light / shadow inside
  DobleRealzado,  // highlight / dark shadow outside, face / shadow inside
  DobleHundido,   // dark shadow / highlight outside, shadow / face inside
};

// The rings of a border, outside first; at most two.
struct SAnillosBorde {
  int cuantos = 0;
  SAnilloBorde anillo[2] = {{EColorSistema::Cara, EColorSistema::Cara}, {EColorSistema::Cara, EColorSistema::Cara}};
};
SAnillosBorde AnillosBorde(EBordeBoton borde);

// The state of a button at the moment its face is drawn.
struct SEstadoItem {
  bool seleccionado = false;  // pressed
  bool enfocado = false;      // holds the keyboard focus
  bool desactivado = false;
};

}  // namespace marco
