// Fields of RegPatE (page E),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatE {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatE, double> Valores{64, 72, 15};
inline constexpr CampoDouble<RegPatE> Total{1152};

}  // namespace ximardol::PatE
