// Fields of RegApartadoI (section I),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoI {

inline constexpr CampoMiembro<RegApartadoI> BaseEspecialTrasMinimo{0};
inline constexpr CampoMiembro<RegApartadoI> BasesTrasMinimo{40};  // general after the minimum + field 0

}  // namespace ximardol::ApartadoI
