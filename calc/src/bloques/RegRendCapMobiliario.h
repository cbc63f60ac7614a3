// Fields of RegRendCapMobiliario (section C, movable capital income (8 sub-parts)),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::RendCapMobiliario {

}  // namespace ximardol::RendCapMobiliario
