// Fields of RegApartadoD2 (section D, block 2),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include <array>
#include <cstdint>

#include "Acceso.h"

namespace ximardol::ApartadoD2 {

// Marks and flags of the head.
inline constexpr CampoByte<RegApartadoD2> MarcaIndicador1A{0};  // "X" when IndicadorPrimero is 1, else blank
inline constexpr CampoByte<RegApartadoD2> MarcaIndicador1B{1};  // the same mark again
inline constexpr CampoByte<RegApartadoD2> MarcaIndicador2A{2};  // "X" when IndicadorSegundo is 1, else blank
inline constexpr CampoByte<RegApartadoD2> MarcaIndicador2B{5};  // the same mark again
inline constexpr CampoByte<RegApartadoD2> IndicadorPrimero{10};  // 1 = set
inline constexpr CampoByte<RegApartadoD2> IndicadorSegundo{11};  // 1 = set
// Six activity rows of 184 bytes.
inline constexpr Filas<RegApartadoD2> Actividades{16, 184, 6};
inline constexpr auto CodigoMiembro = Actividades.Columna<std::uint8_t>(0);
inline constexpr auto Ingresos = Actividades.Columna<std::array<double, 3>>(8);
inline constexpr auto TotalIngresos = Actividades.Columna<double>(32);
inline constexpr auto Gastos = Actividades.Columna<std::array<double, 12>>(40);
inline constexpr auto TotalGastos = Actividades.Columna<double>(136);
inline constexpr auto Diferencia = Actividades.Columna<double>(144);             // income - expenses
inline constexpr auto GastosDificilJustificacion = Actividades.Columna<double>(152);  // 5 % of the difference
inline constexpr auto DiferenciaMenosGastos = Actividades.Columna<double>(160);
inline constexpr auto ImporteRestar = Actividades.Columna<double>(168);        // entered
inline constexpr auto RendimientoNeto = Actividades.Columna<double>(176);
// Six further rows of 40 bytes: a member code and an amount.
inline constexpr Filas<RegApartadoD2> OtrasFilas{1120, 40, 6};
inline constexpr auto CodigoMiembroOtraFila = OtrasFilas.Columna<std::uint8_t>(0);
inline constexpr auto ImporteOtraFilaPrevio = OtrasFilas.Columna<double>(24);  // read by the work-income test
inline constexpr auto ImporteOtraFila = OtrasFilas.Columna<double>(32);

}  // namespace ximardol::ApartadoD2
