// Fields of RegPatC (page C),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatC {

// Two lists of values, C1 and C2, each with its total, and the total of both.
inline constexpr Columna<RegPatC, double> ValoresC1{64, 72, 13};
inline constexpr CampoDouble<RegPatC> TotalC1{1008};
inline constexpr Columna<RegPatC, double> ValoresC2{1080, 72, 12};
inline constexpr CampoDouble<RegPatC> TotalC2{1952};
inline constexpr CampoDouble<RegPatC> TotalC{1960};

}  // namespace ximardol::PatC
