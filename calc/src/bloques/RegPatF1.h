// Fields of RegPatF1 (page F1),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatF1 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatF1, double> Valores{64, 72, 15};
inline constexpr CampoDouble<RegPatF1> Total{1152};

}  // namespace ximardol::PatF1
