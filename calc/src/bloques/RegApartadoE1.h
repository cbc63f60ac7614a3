// Fields of RegApartadoE1 (section E, block 1),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE1 {
// Six rows of 48 bytes: member code and amount.
inline constexpr Filas<RegApartadoE1> Partidas{0, 48, 6};
inline constexpr auto CodigoMiembro = Partidas.Columna<std::uint8_t>(0);
inline constexpr auto Importe = Partidas.Columna<double>(40);

}  // namespace ximardol::ApartadoE1
