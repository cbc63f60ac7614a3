// Fields of RegApartadoE5 (section E, block 5),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE5 {
// Three rows 80 bytes apart from 24; the last row's 80 bytes would run past the block, so only the fields are
// described (all of them end inside it).
inline constexpr Columna<RegApartadoE5, std::uint8_t> CodigoMiembro{24, 80, 3};
inline constexpr Columna<RegApartadoE5, double> CopiaImporte1{32, 80, 3};
inline constexpr Columna<RegApartadoE5, double> Importe1{40, 80, 3};
inline constexpr Columna<RegApartadoE5, double> Importe2{48, 80, 3};
inline constexpr Columna<RegApartadoE5, double> Importe3{56, 80, 3};
inline constexpr Columna<RegApartadoE5, double> CopiaImporte2{64, 80, 3};
inline constexpr Columna<RegApartadoE5, double> CopiaImporte3{72, 80, 3};   // into the base

}  // namespace ximardol::ApartadoE5
