// Fields of RegPatResumen (summary: page totals and liquidation),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::PatResumen {

// The page totals; slots 0 to 144 are the assets the liquidation adds up.
inline constexpr CampoDouble<RegPatResumen> TotalPaginaA{0};         // page A
inline constexpr CampoDouble<RegPatResumen> TotalPaginaB{8};         // page B
inline constexpr CampoDouble<RegPatResumen> TotalPaginaC{16};        // page C (C1 + C2)
inline constexpr CampoDouble<RegPatResumen> TotalPaginaE{24};        // page E
inline constexpr CampoDouble<RegPatResumen> TotalPaginaF1{32};       // page F1
inline constexpr CampoDouble<RegPatResumen> TotalPaginaF2{40};       // page F2
inline constexpr CampoDouble<RegPatResumen> TotalPaginaG1{48};       // page G1
inline constexpr CampoDouble<RegPatResumen> TotalPaginaG2{56};       // page G2
inline constexpr CampoDouble<RegPatResumen> TotalPaginaG3{64};       // page G3
inline constexpr CampoDouble<RegPatResumen> TotalPaginaG4{72};       // page G4
inline constexpr CampoDouble<RegPatResumen> TotalPaginaI{80};        // page I
inline constexpr CampoDouble<RegPatResumen> TotalPaginaJ{88};        // page J
inline constexpr CampoDouble<RegPatResumen> TotalPaginaK{96};        // page K
inline constexpr CampoDouble<RegPatResumen> TotalPaginaL{104};       // page L
inline constexpr CampoDouble<RegPatResumen> TotalPaginaM{112};       // page M
inline constexpr CampoDouble<RegPatResumen> TotalPaginaN{120};       // page N
inline constexpr CampoDouble<RegPatResumen> TotalPaginaO{128};       // page O
inline constexpr CampoDouble<RegPatResumen> TotalPaginaP{136};       // page P
inline constexpr CampoDouble<RegPatResumen> TotalPaginaQ{144};       // page Q
inline constexpr CampoDouble<RegPatResumen> TotalPaginaDeudas{160};  // page DEUDAS: the debts, subtracted
inline constexpr CampoDouble<RegPatResumen> TotalPaginaD{192};       // page D (filled, not added)
inline constexpr CampoDouble<RegPatResumen> TotalPaginaH1{200};      // page H1 (filled, not added)
inline constexpr CampoDouble<RegPatResumen> TotalPaginaH2{208};      // page H2 (filled, not added)

}  // namespace ximardol::PatResumen
