// Fields of RegApartadoD4 (section D, block 4: activities by modules),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoD4 {

}  // namespace ximardol::ApartadoD4
