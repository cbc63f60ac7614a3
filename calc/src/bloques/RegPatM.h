// Fields of RegPatM (page M),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatM {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatM, double> Valores{56, 64, 8};
inline constexpr CampoDouble<RegPatM> Total{576};

}  // namespace ximardol::PatM
