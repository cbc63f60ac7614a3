// Fields of RegPatB (page B),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatB {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatB, double> Valores{64, 72, 23};
inline constexpr CampoDouble<RegPatB> Total{1728};

}  // namespace ximardol::PatB
