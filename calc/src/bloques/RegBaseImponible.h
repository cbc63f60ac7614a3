// Fields of RegBaseImponible (per-member groups of the taxable base),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::BaseImponible {

// Member arrays (total, declarant, spouse, first child, second child).
inline constexpr CampoMiembro<RegBaseImponible> TrabajoIntegro{0};               // gross work income
inline constexpr CampoMiembro<RegBaseImponible> TrabajoImportes3Mas4Menos5{40};  // work amounts 3 + 4 - 5
inline constexpr CampoMiembro<RegBaseImponible> TrabajoImportes6Mas7{80};        // work amounts 6 + 7
inline constexpr CampoMiembro<RegBaseImponible> TrabajoImporte8{120};            // work amount 8 (deducted)
inline constexpr CampoMiembro<RegBaseImponible> TrabajoGastosDeducibles{160};    // deductible work expenses
inline constexpr CampoMiembro<RegBaseImponible> TrabajoReduccion{200};           // reduction for work income
inline constexpr CampoMiembro<RegBaseImponible> TrabajoNeto{240};                // net work income after the reduction
inline constexpr CampoMiembro<RegBaseImponible> InmobiliarioIngresos{280};       // real-estate capital: income
inline constexpr CampoMiembro<RegBaseImponible> InmobiliarioGastos{320};         // real-estate capital: expenses
inline constexpr CampoMiembro<RegBaseImponible> InmobiliarioImporte7{360};       // real-estate capital: amount 7
inline constexpr CampoMiembro<RegBaseImponible> InmobiliarioNeto{400};           // real-estate capital: net
inline constexpr CampoMiembro<RegBaseImponible> MobiliarioIntegro{440};          // movable capital: gross
inline constexpr CampoMiembro<RegBaseImponible> MobiliarioGastos{480};           // movable capital: expenses
inline constexpr CampoMiembro<RegBaseImponible> MobiliarioSubapartado6{520};     // movable capital: subsection 6
inline constexpr CampoMiembro<RegBaseImponible> MobiliarioSubapartado7{560};     // movable capital: subsection 7
inline constexpr CampoMiembro<RegBaseImponible> MobiliarioNeto{600};             // movable capital: net after 6 and 7
inline constexpr CampoMiembro<RegBaseImponible> ActividadD1{640};                // activity income of block D1
inline constexpr CampoMiembro<RegBaseImponible> ActividadD2{680};                // activity income of block D2
inline constexpr CampoMiembro<RegBaseImponible> ActividadD3{720};                // activity income of block D3
inline constexpr CampoMiembro<RegBaseImponible> ActividadD4{760};                // activity income of block D4
inline constexpr CampoMiembro<RegBaseImponible> AgrariaVolumenIngresos{800};     // agricultural: volume of income
inline constexpr CampoMiembro<RegBaseImponible> AgrariaRendimientoFinal{840};    // agricultural: final yield
inline constexpr CampoMiembro<RegBaseImponible> ApartadoE1{880};                 // section E1 rows
inline constexpr CampoMiembro<RegBaseImponible> ApartadoE2Ingresos{920};         // section E2 rows' income
inline constexpr CampoMiembro<RegBaseImponible> ApartadoE3{960};                 // section E3 rows
inline constexpr CampoMiembro<RegBaseImponible> ApartadoE4{1000};                // section E4 amount
inline constexpr CampoMiembro<RegBaseImponible> ApartadoE5{1040};                // section E5 rows
inline constexpr CampoMiembro<RegBaseImponible> SumaPartesGenerales{1080};
inline constexpr CampoMiembro<RegBaseImponible> PrimeraReduccion{1120};   // admitted
inline constexpr CampoMiembro<RegBaseImponible> SegundaReduccion{1160};
inline constexpr Columna<RegBaseImponible, std::uint8_t> CodigoSegundaReduccion{1200, 16, 2};
inline constexpr Columna<RegBaseImponible, double> ImporteSegundaReduccion{1208, 16, 2};
inline constexpr CampoMiembro<RegBaseImponible> GananciasNetasGrupo1{1232};      // section F, first group: net gains
inline constexpr CampoMiembro<RegBaseImponible> MinimoBaseGeneral{1272};     // part of the minimum applied
inline constexpr CampoMiembro<RegBaseImponible> BaseGeneralTrasMinimo{1312};
inline constexpr CampoMiembro<RegBaseImponible> PlanesPensionesPrimeraClase{1352};
inline constexpr CampoMiembro<RegBaseImponible> PlanesPensionesSegundaClase{1392};
inline constexpr CampoMiembro<RegBaseImponible> PlanesPensionesTerceraClase{1432};
inline constexpr CampoMiembro<RegBaseImponible> TerceraReduccion{1472};
inline constexpr Columna<RegBaseImponible, std::uint8_t> CodigoTerceraReduccion{1512, 16, 2};
inline constexpr Columna<RegBaseImponible, double> ImporteTerceraReduccion{1520, 16, 2};
inline constexpr CampoMiembro<RegBaseImponible> GananciasNetasGrupo2{1544};      // section F, second group: net gains
inline constexpr CampoMiembro<RegBaseImponible> DeduccionBaseEspecial{1584};
inline constexpr Columna<RegBaseImponible, std::uint8_t> CodigoDeduccionBaseEspecial{1624, 16, 2};
inline constexpr Columna<RegBaseImponible, double> ImporteDeduccionBaseEspecial{1632, 16, 2};
inline constexpr CampoMiembro<RegBaseImponible> MobiliarioSubapartado8{1656};    // movable capital: subsection 8
inline constexpr CampoMiembro<RegBaseImponible> MinimoBaseEspecial{1696};     // part of the minimum applied
inline constexpr CampoMiembro<RegBaseImponible> BaseEspecialLiquidable{1736};

}  // namespace ximardol::BaseImponible
