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
inline constexpr CampoDouble<RegPatResumen> ActivoBruto{152};        // sum of slots 0 to 144
inline constexpr CampoDouble<RegPatResumen> TotalPaginaDeudas{160};  // page DEUDAS: the debts, subtracted
inline constexpr CampoDouble<RegPatResumen> PatrimonioNeto{168};     // assets less debts
inline constexpr CampoDouble<RegPatResumen> MinimoExento{176};       // exempt amount
inline constexpr CampoDouble<RegPatResumen> BaseImponible{184};      // taxable base
inline constexpr CampoDouble<RegPatResumen> TotalPaginaD{192};       // page D (filled, not added)
inline constexpr CampoDouble<RegPatResumen> TotalPaginaH1{200};      // page H1 (filled, not added)
inline constexpr CampoDouble<RegPatResumen> TotalPaginaH2{208};      // page H2 (filled, not added)

// The liquidation: scale, quota, the joint limit with the income-tax quota, tax paid abroad, bonus, result.
inline constexpr CampoDouble<RegPatResumen> BaseLiquidable{216};          // taxable base, second copy
inline constexpr CampoDouble<RegPatResumen> LimiteEscala{224};            // scale bound applied
inline constexpr CampoDouble<RegPatResumen> CuotaLimiteEscala{232};       // quota at that bound
inline constexpr CampoDouble<RegPatResumen> RestoBase{240};               // base above the bound
inline constexpr CampoDouble<RegPatResumen> TipoMarginal{248};            // marginal rate in percent
inline constexpr CampoDouble<RegPatResumen> CuotaRestoBase{264};          // quota on the base above the bound
inline constexpr CampoDouble<RegPatResumen> CuotaIntegra{272};            // full quota
inline constexpr CampoDouble<RegPatResumen> CuotaIntegraLimite{280};      // full quota, second copy
inline constexpr CampoDouble<RegPatResumen> CuotaRentaLimite{288};        // income-tax quota taken into the limit
inline constexpr CampoByte<RegPatResumen> ClaseDeclaracionRenta{296};     // 'I' individual, 'C' joint, blank none
inline constexpr CampoDouble<RegPatResumen> BaseRenta{304};               // income-tax taxable base (in)
inline constexpr CampoDouble<RegPatResumen> CuotaRenta{312};              // income-tax quota (in)
inline constexpr CampoDouble<RegPatResumen> PatrimonioImproductivo{320};  // net assets not producing income (in)
inline constexpr CampoDouble<RegPatResumen> PatrimonioNetoConyuge{328};   // joint only (in)
inline constexpr CampoDouble<RegPatResumen> ImproductivoConyuge{336};     // joint only (in)
inline constexpr CampoDouble<RegPatResumen> CuotaIntegraConyuge{344};     // joint only (in)
inline constexpr CampoDouble<RegPatResumen> CuotaPatrimonioLimite{352};   // wealth-tax quota that counts
inline constexpr CampoDouble<RegPatResumen> SumaCuotasLimite{360};        // both quotas that count
inline constexpr CampoDouble<RegPatResumen> Limite{368};                  // 70 % of the income-tax base
inline constexpr CampoDouble<RegPatResumen> Exceso{376};                  // excess over the limit
inline constexpr CampoDouble<RegPatResumen> ReduccionMaxima{384};         // 80 % of the full quota
inline constexpr CampoDouble<RegPatResumen> CuotaTrasLimite{392};         // quota after the limit
inline constexpr CampoDouble<RegPatResumen> TipoMedio{400};               // average rate, percent, 2 decimals
inline constexpr CampoTexto<RegPatResumen, 4> TextoExtranjero{408};       // four blanks: nothing abroad
inline constexpr CampoDouble<RegPatResumen> SumaImpuestosExtranjero{416};
inline constexpr Columna<RegPatResumen, double> ImpuestoExtranjero{424, 16, 3};  // tax paid abroad (in)
inline constexpr Columna<RegPatResumen, double> ValorExtranjero{432, 16, 3};     // value of the assets (in)
inline constexpr CampoDouble<RegPatResumen> SumaBasesExtranjero{472};     // parts of the base abroad
inline constexpr CampoDouble<RegPatResumen> DeduccionExtranjero{480};     // deduction for tax paid abroad
inline constexpr CampoDouble<RegPatResumen> ValorBonificado{488};         // assets that carry the bonus (in)
inline constexpr CampoDouble<RegPatResumen> CuotaBonificable{496};        // quota in proportion to those assets
inline constexpr CampoDouble<RegPatResumen> Bonificacion{504};            // bonus
inline constexpr CampoDouble<RegPatResumen> CuotaResultante{512};         // quota to pay

}  // namespace ximardol::PatResumen
