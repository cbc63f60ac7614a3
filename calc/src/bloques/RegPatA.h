// Fields of RegPatA (page A),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatA {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatA, double> Valores{64, 72, 28};
inline constexpr CampoDouble<RegPatA> Total{2088};

}  // namespace ximardol::PatA
