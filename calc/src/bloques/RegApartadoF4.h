// Fields of RegApartadoF4 (section F totals),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoF4 {

// Member arrays.
inline constexpr CampoMiembro<RegApartadoF4> GananciasGrupo1{0};
inline constexpr CampoMiembro<RegApartadoF4> PerdidasGrupo1{40};
inline constexpr CampoMiembro<RegApartadoF4> PerdidaNetaGrupo1{80};
inline constexpr CampoMiembro<RegApartadoF4> GananciasGrupo2{120};
inline constexpr CampoMiembro<RegApartadoF4> PerdidasGrupo2{160};
inline constexpr CampoMiembro<RegApartadoF4> PerdidaNetaGrupo2{200};

}  // namespace ximardol::ApartadoF4
