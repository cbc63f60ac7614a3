// Fields of RegPatG4 (page G4),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatG4 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatG4, double> Valores{64, 72, 11};
inline constexpr CampoDouble<RegPatG4> Total{864};

}  // namespace ximardol::PatG4
