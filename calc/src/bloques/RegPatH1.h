// Fields of RegPatH1 (page H1),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatH1 {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatH1, double> Valores{64, 72, 5};
inline constexpr CampoDouble<RegPatH1> Total{432};

}  // namespace ximardol::PatH1
