// Fields of RegApartadoG (block between sections F and H),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoG {

}  // namespace ximardol::ApartadoG
