// Fields of RegRendCapInmobiliario (section B, real-estate capital income),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::RendCapInmobiliario {

inline constexpr CampoMiembro<RegRendCapInmobiliario> Importes1{0};  // amount 1 of the rows by member
// Six rows of 72 bytes: member code, then amounts 1 to 8.
inline constexpr Filas<RegRendCapInmobiliario> Inmuebles{40, 72, 6};
inline constexpr auto CodigoMiembro = Inmuebles.Columna<std::uint8_t>(0);
inline constexpr auto Importe1 = Inmuebles.Columna<double>(8);
inline constexpr auto Importe2 = Inmuebles.Columna<double>(16);
inline constexpr auto Importe3 = Inmuebles.Columna<double>(24);
inline constexpr auto Importe4 = Inmuebles.Columna<double>(32);
inline constexpr auto Importe5 = Inmuebles.Columna<double>(40);
inline constexpr auto Importe6 = Inmuebles.Columna<double>(48);
inline constexpr auto Importe7 = Inmuebles.Columna<double>(56);
inline constexpr auto Importe8 = Inmuebles.Columna<double>(64);
inline constexpr CampoMiembro<RegRendCapInmobiliario> Importes2{472};
inline constexpr CampoMiembro<RegRendCapInmobiliario> Importes3{512};
inline constexpr CampoMiembro<RegRendCapInmobiliario> Importes4{552};
inline constexpr CampoMiembro<RegRendCapInmobiliario> Importes5{592};
inline constexpr CampoMiembro<RegRendCapInmobiliario> Importes6{632};
inline constexpr CampoMiembro<RegRendCapInmobiliario> RendimientoNetoPrevio{672};  // net income before amount 7

}  // namespace ximardol::RendCapInmobiliario
