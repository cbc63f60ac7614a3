// Fields of RegIdentificacion (identification of the persons; begins with the five MarcaSujeto bytes),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::Identificacion {

// One byte per person code 1 to 5 (index = code - 1): the person is present.
inline constexpr Columna<RegIdentificacion, std::uint8_t> MarcaSujeto{0, 1, 5};

}  // namespace ximardol::Identificacion
