// Rules of the picture-only button of the print preview bar (CMappedBitmapButton): one bitmap holds four pictures
// side by side (plain, pressed, focused, disabled), drawn in the four greys of a button so that they take the
// user's colours (MapearColorSistema).
#pragma once

#include "framework/BotonTipos.h"

namespace marco {

inline constexpr int kImagenesMapa = 4;

// The picture for a state: 1 pressed, else 2 focused, else 3 disabled, else 0.
int ImagenMapa(SEstadoItem estado);

// The width of each of the four pictures of a bitmap; 0 when the bitmap is too narrow to hold four.
int AnchoImagenMapa(int anchoBitmap);

}  // namespace marco
