// Fields of RegPatG2 (page G2),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatG2 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatG2, double> Valores{64, 72, 18};
inline constexpr CampoDouble<RegPatG2> Total{1368};

}  // namespace ximardol::PatG2
