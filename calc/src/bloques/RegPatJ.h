// Fields of RegPatJ (page J),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatJ {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatJ, double> Valores{56, 64, 5};
inline constexpr CampoDouble<RegPatJ> Total{384};

}  // namespace ximardol::PatJ
