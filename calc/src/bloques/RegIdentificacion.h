// Fields of RegIdentificacion (identification of the persons; begins with the five MarcaSujeto bytes),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::Identificacion {

// One byte per person code 1 to 5 (index = code - 1): the person is present.
inline constexpr Columna<RegIdentificacion, std::uint8_t> MarcaSujeto{0, 1, 5};
// One byte per slot (total and four persons): either set makes the final difference count for that slot.
inline constexpr Columna<RegIdentificacion, std::uint8_t> MarcaDiferenciaA{2484, 1, 5};
inline constexpr Columna<RegIdentificacion, std::uint8_t> MarcaDiferenciaB{2489, 1, 5};
// Descendants: ten rows of 72 bytes. Link and exclusion bytes: link set when "1"; exclusion when not 0.
inline constexpr Filas<RegIdentificacion> Descendientes{2496, 72, 10};
inline constexpr auto DescendienteAnioNacimiento = Descendientes.Columna<Texto<4>>(42);
inline constexpr auto DescendienteGrado = Descendientes.Columna<double>(48);
inline constexpr auto DescendienteVinculoUnidad = Descendientes.Columna<std::uint8_t>(57);
inline constexpr auto DescendienteVinculoDeclarante = Descendientes.Columna<std::uint8_t>(58);
inline constexpr auto DescendienteVinculoConyuge = Descendientes.Columna<std::uint8_t>(59);
inline constexpr auto DescendienteClase = Descendientes.Columna<std::uint8_t>(62);
inline constexpr auto DescendienteExclusion1 = Descendientes.Columna<std::uint8_t>(63);
inline constexpr auto DescendienteExclusion2 = Descendientes.Columna<std::uint8_t>(64);
// Ascendants: four rows of 80 bytes.
inline constexpr Filas<RegIdentificacion> Ascendientes{3216, 80, 4};
inline constexpr auto AscendienteAnioNacimiento = Ascendientes.Columna<Texto<4>>(42);
inline constexpr auto AscendienteGrado = Ascendientes.Columna<double>(48);
inline constexpr auto AscendienteVinculoDeclarante = Ascendientes.Columna<std::uint8_t>(58);
inline constexpr auto AscendienteVinculoConyuge = Ascendientes.Columna<std::uint8_t>(59);
inline constexpr auto AscendientePersonas = Ascendientes.Columna<double>(64);  // persons who share the ascendant
inline constexpr auto AscendienteExclusion = Ascendientes.Columna<std::uint8_t>(72);

}  // namespace ximardol::Identificacion
