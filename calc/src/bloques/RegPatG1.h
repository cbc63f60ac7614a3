// Fields of RegPatG1 (page G1),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatG1 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatG1, double> Valores{64, 72, 12};
inline constexpr CampoDouble<RegPatG1> Total{936};

}  // namespace ximardol::PatG1
