// Fields of RegPatN (page N),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatN {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatN, double> Valores{64, 72, 6};
inline constexpr CampoDouble<RegPatN> Total{504};

}  // namespace ximardol::PatN
