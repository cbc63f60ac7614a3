// Rules of the round push button (CBotonRedondo), the keys of the calculator: the square and circle it takes
// from the rectangle it is placed in, which points are inside it, and the rings, shading and text of its face.
#pragma once

#include <vector>

#include "framework/BotonTipos.h"

namespace marco {

class CGeometriaRedonda {
 public:
  // The button placed in a rectangle of that size: a square of the smaller side, the circle in it.
  static CGeometriaRedonda Cuadrar(int ancho, int alto);

  int Lado() const { return m_nLado; }
  int CentroX() const { return m_nCentroX; }
  int CentroY() const { return m_nCentroY; }
  // Half the side minus one, so that the drawn rings stay inside the square.
  int Radio() const { return m_nRadio; }

  // True when the pixel (x, y) of the client area lies inside the circle inscribed in the square (its centre
  // within half a side of the square's centre); a click anywhere else is not a click on the button.
  bool Dentro(int x, int y) const;

 private:
  int m_nLado = 0;
  int m_nCentroX = 0;
  int m_nCentroY = 0;
  int m_nRadio = 0;
};

// The colour of a shaded ring at the point (dx, dy) from the centre (y grows downwards): c1 at the angle up and to
// the left of the centre, c2 opposite, mixed by (cos a + 1) / 2 in between; each channel truncated.
SColorBoton ColorSombreado(int dx, int dy, SColorBoton c1, SColorBoton c2);

// The pixels of a circle by the midpoint method, over the eight octants. A point may appear twice where octants
// meet.
std::vector<SPuntoBoton> PuntosCirculo(int cx, int cy, int radio);
// A dotted circle: the points of every other step of the same method.
std::vector<SPuntoBoton> PuntosCirculoPunteado(int cx, int cy, int radio);

// One ring of the face: black, one system colour (c1 == c2), or shaded from c1 to c2.
struct SCirculoCara {
  int radio = 0;
  bool negro = false;
  bool sombreado = false;
  EColorSistema c1 = EColorSistema::Cara;
  EColorSistema c2 = EColorSistema::Cara;
};

// Everything one paint of the face needs, after the square is filled with the face colour.
struct SCaraRedonda {
  std::vector<SCirculoCara> circulos;  // outside first
  int radioTexto = 0;                  // the text is clipped to this circle about the centre
  SPuntoBoton centroTexto;             // and centred on this point
  bool textoGris = false;
  bool anilloPunteado = false;  // the dotted focus ring
  int radioPunteado = 0;
};

// `anilloFoco`: the focus-ring option; `plano`: the flat look (black and highlight rings, no shading).
SCaraRedonda CaraRedonda(const CGeometriaRedonda& geometria, SEstadoItem estado, bool anilloFoco, bool plano);

}  // namespace marco
