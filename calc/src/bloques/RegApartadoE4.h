// Fields of RegApartadoE4 (section E, block 4),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE4 {
inline constexpr CampoByte<RegApartadoE4> CodigoMiembro{0};
inline constexpr CampoDouble<RegApartadoE4> Rendimiento{56};   // into the base
inline constexpr CampoDouble<RegApartadoE4> Deduccion{64};     // into the results' deduction of block 4
inline constexpr CampoDouble<RegApartadoE4> Pagos{72};         // into the results' payments

}  // namespace ximardol::ApartadoE4
