// Fields of RegPatDI (the DI result record),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatDI {

inline constexpr CampoDouble<RegPatDI> Cuota{0};               // quota (the summary's quota to pay)
inline constexpr CampoDouble<RegPatDI> ImporteDeducido{8};     // amount set against it (in)
inline constexpr CampoDouble<RegPatDI> Diferencia{16};         // quota less that amount
inline constexpr CampoByte<RegPatDI> Marca1{24};
inline constexpr CampoByte<RegPatDI> Marca2{25};
inline constexpr CampoTexto<RegPatDI, 20> TextoResultado{26};
inline constexpr CampoDouble<RegPatDI> ImporteAIngresar{48};   // amount to pay

}  // namespace ximardol::PatDI
