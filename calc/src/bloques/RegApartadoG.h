// Fields of RegApartadoG (block between sections F and H),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoG {

inline constexpr CampoMiembro<RegApartadoG> BaseGeneralTrasReducciones{32};  // after the two limited reductions
inline constexpr CampoMiembro<RegApartadoG> BaseGeneralAntesMinimo{72};      // 32 + first group's net gains
inline constexpr CampoMiembro<RegApartadoG> BaseEspecialAntesMinimo{144};   // special base - its deduction

}  // namespace ximardol::ApartadoG
