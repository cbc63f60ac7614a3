// Fields of RegPatDatosPersonales (personal data of the wealth-tax declaration),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatDatosPersonales {

inline constexpr CampoByte<RegPatDatosPersonales> SinMinimoExento{126};  // no exempt amount
inline constexpr CampoByte<RegPatDatosPersonales> CalculoDI{486};        // the DI result is asked for

}  // namespace ximardol::PatDatosPersonales
