// Fields of RegApartadoD3 (section D, block 3),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoD3 {

// Three lines of 56 bytes.
inline constexpr Filas<RegApartadoD3> Lineas{0, 56, 3};
inline constexpr auto ImportesLinea = Lineas.Columna<ImportesMiembro>(0);
inline constexpr auto ImporteDeclarante = Lineas.Columna<double>(40);  // entered
inline constexpr auto ImporteConyuge = Lineas.Columna<double>(48);     // entered

}  // namespace ximardol::ApartadoD3
