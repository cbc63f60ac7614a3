// Fields of RegPatK (page K),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatK {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatK, double> Valores{64, 72, 13};
inline constexpr CampoDouble<RegPatK> Total{1008};

}  // namespace ximardol::PatK
