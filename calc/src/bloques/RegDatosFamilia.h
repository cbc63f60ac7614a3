// Fields of RegDatosFamilia (personal and family data),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::DatosFamilia {

// Family-unit bytes: the value 1 in either marks the joint computation of the minimum.
inline constexpr CampoByte<RegDatosFamilia> IndicadorUnidadFamiliar{0};
inline constexpr CampoByte<RegDatosFamilia> IndicadorConjunta{3};
inline constexpr CampoTexto<RegDatosFamilia, 4> AnioNacimientoDeclarante{4};  // four characters
inline constexpr CampoTexto<RegDatosFamilia, 4> AnioNacimientoConyuge{8};
// Disability degree in percent: 0 declarant, 1 spouse, 2 first child, 3 second child.
inline constexpr Columna<RegDatosFamilia, double> GradoMinusvalia{16, 8, 4};
// Region code, two characters, per member slot (0 the family unit, 1 declarant ... 4 second child).
inline constexpr Columna<RegDatosFamilia, Texto<2>> CodigoComunidad{48, 32, 5};
// Per person, declarant first (0 declarant, 1 spouse, 2 first child, 3 second child): the amount that counts as
// other income in the reduction for work income.
inline constexpr Columna<RegDatosFamilia, double> OtrasRentasReduccionTrabajo{512, 8, 4};

}  // namespace ximardol::DatosFamilia
