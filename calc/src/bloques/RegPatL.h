// Fields of RegPatL (page L),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatL {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatL, double> Valores{64, 72, 9};
inline constexpr CampoDouble<RegPatL> Total{720};

}  // namespace ximardol::PatL
