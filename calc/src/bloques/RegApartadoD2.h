// Fields of RegApartadoD2 (section D, block 2),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoD2 {

}  // namespace ximardol::ApartadoD2
