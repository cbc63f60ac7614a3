// Fields of RegPatAjuste (the last 32 bytes of DatosPatrimonio),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatAjuste {

}  // namespace ximardol::PatAjuste
