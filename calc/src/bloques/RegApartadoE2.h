// Fields of RegApartadoE2 (section E, block 2),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE2 {

}  // namespace ximardol::ApartadoE2
