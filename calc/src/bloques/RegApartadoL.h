// Fields of RegApartadoL (block between sections K and M),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoL {

inline constexpr CampoMiembro<RegApartadoL> ExcesoPrimeraReduccion{0};  // claimed - admitted
inline constexpr CampoMiembro<RegApartadoL> PerdidaNetaGrupo2{40};  // section F, second group: net loss
inline constexpr CampoMiembro<RegApartadoL> BaseLiquidableNegativa{80};  // as a positive amount, else 0

}  // namespace ximardol::ApartadoL
