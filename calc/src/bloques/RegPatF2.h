// Fields of RegPatF2 (page F2),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatF2 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatF2, double> Valores{64, 72, 14};
inline constexpr CampoDouble<RegPatF2> Total{1080};

}  // namespace ximardol::PatF2
