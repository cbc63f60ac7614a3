// Fields of RegPatG3 (page G3),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatG3 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatG3, double> Valores{64, 72, 13};
inline constexpr CampoDouble<RegPatG3> Total{1008};

}  // namespace ximardol::PatG3
