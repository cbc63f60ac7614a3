// Fields of RegApartadoL (block between sections K and M),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoL {

}  // namespace ximardol::ApartadoL
