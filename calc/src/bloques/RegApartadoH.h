// Fields of RegApartadoH (section H, personal and family minimum),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoH {

}  // namespace ximardol::ApartadoH
