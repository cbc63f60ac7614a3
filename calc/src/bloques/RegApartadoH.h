// Fields of RegApartadoH (section H, personal and family minimum),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoH {

// Member arrays.
inline constexpr CampoMiembro<RegApartadoH> MinimoPersonal{0};
inline constexpr CampoMiembro<RegApartadoH> MinimoDescendientes{40};
inline constexpr CampoMiembro<RegApartadoH> MinimoAscendientes{80};
inline constexpr CampoMiembro<RegApartadoH> MinimoTotal{120};  // 0 + 40 + 80

}  // namespace ximardol::ApartadoH
