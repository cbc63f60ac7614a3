// Fields of RegPatP (page P),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatP {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatP, double> Valores{64, 72, 5};
inline constexpr CampoDouble<RegPatP> Total{360};

}  // namespace ximardol::PatP
