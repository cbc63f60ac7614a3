// Fields of RegPatD (page D),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatD {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatD, double> Valores{64, 72, 13};
inline constexpr CampoDouble<RegPatD> Total{1008};

}  // namespace ximardol::PatD
