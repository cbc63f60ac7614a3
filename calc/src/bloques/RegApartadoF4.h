// Fields of RegApartadoF4 (section F totals),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoF4 {

}  // namespace ximardol::ApartadoF4
