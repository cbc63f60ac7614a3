// Fields of RegApartadoE3 (section E, block 3),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE3 {

}  // namespace ximardol::ApartadoE3
