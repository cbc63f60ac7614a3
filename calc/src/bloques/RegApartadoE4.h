// Fields of RegApartadoE4 (section E, block 4),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE4 {

}  // namespace ximardol::ApartadoE4
