// Fields of RegApartadoK (section K),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoK {

inline constexpr CampoMiembro<RegApartadoK> ReduccionesPlanesPensiones{0};  // the three kinds of section J
inline constexpr CampoMiembro<RegApartadoK> BaseGeneralTrasPlanes{40};     // general base after the minimum - 0
inline constexpr CampoMiembro<RegApartadoK> SumaBasesLiquidables{80};      // general + special base to liquidate

}  // namespace ximardol::ApartadoK
