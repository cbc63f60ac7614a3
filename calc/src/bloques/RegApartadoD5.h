// Fields of RegApartadoD5 (section D, block 5: agricultural activities),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoD5 {

// Four activity rows of 2064 bytes after a 16-byte head.
inline constexpr Filas<RegApartadoD5> Actividades{16, 2064, 4};
inline constexpr auto CodigoMiembro = Actividades.Columna<std::uint8_t>(8);
inline constexpr auto RendimientoNeto = Actividades.Columna<double>(2000);            // row held directly
inline constexpr auto RendimientoNetoAtribuido = Actividades.Columna<double>(2056);  // row with a percentage

}  // namespace ximardol::ApartadoD5
