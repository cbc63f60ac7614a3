// Fields of RegRendCapMobiliario (section C, movable capital income (8 subsections)),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::RendCapMobiliario {

// Eight subsections of six rows each; a row is a member code followed, from row offset 8, by its amounts.
inline constexpr CampoMiembro<RegRendCapMobiliario> Ingresos1{0};  // gross income of subsection 1
inline constexpr Filas<RegRendCapMobiliario> Filas1{40, 48, 6};
inline constexpr auto Codigo1 = Filas1.Columna<std::uint8_t>(0);
inline constexpr auto IngresoFila1 = Filas1.Columna<double>(16);
inline constexpr auto RetencionFila1 = Filas1.Columna<double>(24);
inline constexpr auto GastoFila1 = Filas1.Columna<double>(32);
inline constexpr auto ImporteApartadoMFila1 = Filas1.Columna<double>(40);  // read by section M
inline constexpr CampoMiembro<RegRendCapMobiliario> Ingresos2{328};
inline constexpr Filas<RegRendCapMobiliario> Filas2{368, 24, 6};
inline constexpr auto Codigo2 = Filas2.Columna<std::uint8_t>(0);
inline constexpr auto IngresoFila2 = Filas2.Columna<double>(8);
inline constexpr auto RetencionFila2 = Filas2.Columna<double>(16);
inline constexpr CampoMiembro<RegRendCapMobiliario> Ingresos3{512};
inline constexpr Filas<RegRendCapMobiliario> Filas3{552, 32, 6};
inline constexpr auto Codigo3 = Filas3.Columna<std::uint8_t>(0);
inline constexpr auto IngresoFila3 = Filas3.Columna<double>(8);
inline constexpr auto RetencionFila3 = Filas3.Columna<double>(16);
inline constexpr auto GastoFila3 = Filas3.Columna<double>(24);
inline constexpr CampoMiembro<RegRendCapMobiliario> Ingresos4{744};
inline constexpr Filas<RegRendCapMobiliario> Filas4{784, 24, 6};
inline constexpr auto Codigo4 = Filas4.Columna<std::uint8_t>(0);
inline constexpr auto IngresoFila4 = Filas4.Columna<double>(8);
inline constexpr auto RetencionFila4 = Filas4.Columna<double>(16);
inline constexpr CampoMiembro<RegRendCapMobiliario> Ingresos5{928};
inline constexpr Filas<RegRendCapMobiliario> Filas5{968, 32, 6};
inline constexpr auto Codigo5 = Filas5.Columna<std::uint8_t>(0);
inline constexpr auto IngresoFila5 = Filas5.Columna<double>(8);
inline constexpr auto RetencionFila5 = Filas5.Columna<double>(16);
inline constexpr auto GastoFila5 = Filas5.Columna<double>(24);
inline constexpr CampoMiembro<RegRendCapMobiliario> Gastos1Y3{1160};  // expenses of subsections 1 and 3
inline constexpr CampoMiembro<RegRendCapMobiliario> Gastos5{1200};    // expenses of subsection 5
inline constexpr CampoMiembro<RegRendCapMobiliario> RendimientoNeto{1240};  // net movable capital income
inline constexpr Filas<RegRendCapMobiliario> Filas6{1280, 16, 6};
inline constexpr auto Codigo6 = Filas6.Columna<std::uint8_t>(0);
inline constexpr auto ImporteFila6 = Filas6.Columna<double>(8);
inline constexpr Filas<RegRendCapMobiliario> Filas7{1376, 16, 6};
inline constexpr auto Codigo7 = Filas7.Columna<std::uint8_t>(0);
inline constexpr auto ImporteFila7 = Filas7.Columna<double>(8);
inline constexpr CampoMiembro<RegRendCapMobiliario> Subapartado8Positivo{1512};  // subsection 8 where 0 or more
inline constexpr CampoMiembro<RegRendCapMobiliario> Subapartado8Negativo{1552};  // subsection 8 where negative, negated
inline constexpr Filas<RegRendCapMobiliario> Filas8{1592, 16, 6};
inline constexpr auto Codigo8 = Filas8.Columna<std::uint8_t>(0);
inline constexpr auto ImporteFila8 = Filas8.Columna<double>(8);

}  // namespace ximardol::RendCapMobiliario
