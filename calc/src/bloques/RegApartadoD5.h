// Fields of RegApartadoD5 (section D, block 5: agricultural activities),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoD5 {

}  // namespace ximardol::ApartadoD5
