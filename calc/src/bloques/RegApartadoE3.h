// Fields of RegApartadoE3 (section E, block 3),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE3 {
// Three rows 56 bytes apart from 24; the last row's 56 bytes would run past the block, so only the fields are
// described (all of them end inside it).
inline constexpr Columna<RegApartadoE3, std::uint8_t> CodigoMiembro{24, 56, 3};
inline constexpr Columna<RegApartadoE3, double> Importe1{32, 56, 3};
inline constexpr Columna<RegApartadoE3, double> Importe2{40, 56, 3};
inline constexpr Columna<RegApartadoE3, double> Diferencia{48, 56, 3};   // Importe1 - Importe2, computed

}  // namespace ximardol::ApartadoE3
