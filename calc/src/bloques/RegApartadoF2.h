// Fields of RegApartadoF2 (section F2, dated rows),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoF2 {

}  // namespace ximardol::ApartadoF2
