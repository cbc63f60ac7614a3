// Fields of RegPatQ (page Q),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatQ {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatQ, double> Valores{64, 72, 12};
inline constexpr CampoDouble<RegPatQ> Total{864};

}  // namespace ximardol::PatQ
