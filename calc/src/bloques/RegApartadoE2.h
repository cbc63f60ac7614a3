// Fields of RegApartadoE2 (section E, block 2),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoE2 {
// Marks ("X" or blank) shown for the four flags at 5 to 8.
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador1A{0};
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador1B{1};
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador2A{2};
inline constexpr Columna<RegApartadoE2, std::uint8_t> Indicadores{5, 1, 4};  // the four flags, 1 = set
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador3A{9};
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador3B{10};
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador4A{11};
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador2B{14};
inline constexpr CampoByte<RegApartadoE2> MarcaIndicador4B{19};
// Three deduction rows of 160 bytes. The row is described once here, by offsets from its start; a reader that
// counts from another byte of the row (the kind at +9, the member code at +10) translates to these offsets.
inline constexpr Filas<RegApartadoE2> Deducciones{24, 160, 3};
inline constexpr auto Clase = Deducciones.Columna<char>(9);                     // '1', '2' or '3'
inline constexpr auto CodigoMiembro = Deducciones.Columna<std::uint8_t>(10);    // 0: empty row
inline constexpr auto Renta = Deducciones.Columna<double>(16);                  // income of the row
inline constexpr auto PlanDeclarante = Deducciones.Columna<std::uint8_t>(24);  // 1: counts for the declarant's plan
inline constexpr auto PlanConyuge = Deducciones.Columna<std::uint8_t>(25);     // 1: counts for the spouse's plan
inline constexpr auto CopiaImporte48 = Deducciones.Columna<double>(40);
inline constexpr auto Importe48 = Deducciones.Columna<double>(48);
inline constexpr auto Importe56 = Deducciones.Columna<double>(56);             // read by section M
inline constexpr auto CopiaImporte112 = Deducciones.Columna<double>(88);
inline constexpr auto CopiaImporte120 = Deducciones.Columna<double>(96);
inline constexpr auto Marca = Deducciones.Columna<std::uint8_t>(104);           // kinds 2 and 3 count when 0 or blank
inline constexpr auto Importe112 = Deducciones.Columna<double>(112);
inline constexpr auto Importe120 = Deducciones.Columna<double>(120);
inline constexpr auto Limite = Deducciones.Columna<double>(128);                // limit of the row
inline constexpr auto Deduccion = Deducciones.Columna<double>(136);             // deduction amount of the row
inline constexpr auto LimiteTotal = Deducciones.Columna<double>(144);           // limit on the family total
inline constexpr auto LimiteMiembro = Deducciones.Columna<double>(152);         // limit on the member

}  // namespace ximardol::ApartadoE2
