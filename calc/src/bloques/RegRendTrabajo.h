// Fields of RegRendTrabajo (section A, work income),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::RendTrabajo {

// Six payer rows of 104 bytes: member code, disability degree of the worker ("1", "2", "3", blank or 0), then
// amounts 1 to 12.
inline constexpr Filas<RegRendTrabajo> Pagadores{40, 104, 6};
inline constexpr auto CodigoMiembro = Pagadores.Columna<std::uint8_t>(0);
inline constexpr auto GradoMinusvalia = Pagadores.Columna<std::uint8_t>(1);
inline constexpr auto Importe1 = Pagadores.Columna<double>(8);
inline constexpr auto Importe2 = Pagadores.Columna<double>(16);
inline constexpr auto Importe3 = Pagadores.Columna<double>(24);
inline constexpr auto Importe4 = Pagadores.Columna<double>(32);
inline constexpr auto Importe5 = Pagadores.Columna<double>(40);
inline constexpr auto Importe6 = Pagadores.Columna<double>(48);
inline constexpr auto Importe7 = Pagadores.Columna<double>(56);
inline constexpr auto Importe8 = Pagadores.Columna<double>(64);
inline constexpr auto Importe9 = Pagadores.Columna<double>(72);
inline constexpr auto Importe10 = Pagadores.Columna<double>(80);
inline constexpr auto Importe11 = Pagadores.Columna<double>(88);
inline constexpr auto Importe12 = Pagadores.Columna<double>(96);
// Member arrays of the rows' amounts.
inline constexpr CampoMiembro<RegRendTrabajo> Importes3{664};
inline constexpr CampoMiembro<RegRendTrabajo> Importes4{704};
inline constexpr CampoMiembro<RegRendTrabajo> Importes5{744};
inline constexpr CampoMiembro<RegRendTrabajo> Importes9{784};
inline constexpr CampoMiembro<RegRendTrabajo> Importes10{824};
inline constexpr CampoMiembro<RegRendTrabajo> Importes11{864};  // each slot at most 50,000
inline constexpr CampoMiembro<RegRendTrabajo> Importes12{904};  // each slot at most 50,000
inline constexpr CampoMiembro<RegRendTrabajo> RendimientoNeto{944};  // net work income

}  // namespace ximardol::RendTrabajo
