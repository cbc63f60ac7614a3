// Fields of RegPatDeudas (page DEUDAS),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatDeudas {

// The value of each row of the page and the page total.
inline constexpr Columna<RegPatDeudas, double> Valores{64, 72, 11};
inline constexpr CampoDouble<RegPatDeudas> Total{792};

}  // namespace ximardol::PatDeudas
