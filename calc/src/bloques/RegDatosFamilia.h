// Fields of RegDatosFamilia (personal and family data),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::DatosFamilia {

// Per person, declarant first (0 declarant, 1 spouse, 2 first child, 3 second child): the amount that counts as
// other income in the reduction for work income.
inline constexpr Columna<RegDatosFamilia, double> OtrasRentasReduccionTrabajo{512, 8, 4};

}  // namespace ximardol::DatosFamilia
