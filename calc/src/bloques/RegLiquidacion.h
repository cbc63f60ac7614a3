// Fields of RegLiquidacion (liquidation),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::Liquidacion {

// Member arrays, except the member-coded sources (a code byte, then the amount 8 bytes after it).
inline constexpr CampoMiembro<RegLiquidacion> BaseLiquidableGeneral{0};  // may be negative
inline constexpr CampoMiembro<RegLiquidacion> BaseUnaPieza{40};
inline constexpr CampoMiembro<RegLiquidacion> BaseDosPiezas{80};
inline constexpr CampoMiembro<RegLiquidacion> TipoMedio1UnaPieza{120};  // average rates, percent
inline constexpr CampoMiembro<RegLiquidacion> TipoMedio1DosPiezas{160};
inline constexpr CampoMiembro<RegLiquidacion> TipoMedio2UnaPieza{240};
inline constexpr CampoMiembro<RegLiquidacion> TipoMedio2DosPiezas{280};
inline constexpr CampoMiembro<RegLiquidacion> ImporteSoloTipo{320};  // counts for the rate only
inline constexpr Columna<RegLiquidacion, std::uint8_t> CodigoFuenteSoloTipo{360, 16, 3};
inline constexpr Columna<RegLiquidacion, double> ImporteFuenteSoloTipo{368, 16, 3};
inline constexpr CampoMiembro<RegLiquidacion> ParteSeparada{408};
inline constexpr Columna<RegLiquidacion, std::uint8_t> CodigoFuenteParteSeparada{448, 16, 2};
inline constexpr Columna<RegLiquidacion, double> ImporteFuenteParteSeparada{456, 16, 2};
inline constexpr CampoMiembro<RegLiquidacion> RestoBase{480};  // base - separate part
inline constexpr CampoMiembro<RegLiquidacion> Cuota1ParteSeparada{680};
inline constexpr CampoMiembro<RegLiquidacion> Cuota1Resto{720};
inline constexpr CampoMiembro<RegLiquidacion> Cuota2ParteSeparada{760};
inline constexpr CampoMiembro<RegLiquidacion> Cuota2Resto{800};
inline constexpr CampoMiembro<RegLiquidacion> Cuota1UnaPieza{840};
inline constexpr CampoMiembro<RegLiquidacion> Cuota1DosPiezas{880};  // 720 + 680
inline constexpr CampoMiembro<RegLiquidacion> Cuota2UnaPieza{920};
inline constexpr CampoMiembro<RegLiquidacion> Cuota2DosPiezas{960};  // 760 + 800
inline constexpr CampoMiembro<RegLiquidacion> CuotaBaseEspecial17{1000};
inline constexpr CampoMiembro<RegLiquidacion> CuotaBaseEspecial3{1040};
inline constexpr CampoMiembro<RegLiquidacion> CuotaBaseEspecial20{1080};  // region code 20
inline constexpr CampoMiembro<RegLiquidacion> CuotaTotal1{1120};  // 840 + 880 + 1000 + 1080, whole pesetas
inline constexpr CampoMiembro<RegLiquidacion> CuotaTotal2{1160};  // 920 + 960 + 1040, whole pesetas
inline constexpr CampoMiembro<RegLiquidacion> CuotaTotal{1200};   // 1120 + 1160
inline constexpr CampoMiembro<RegLiquidacion> DeduccionGrupo1M{1240};
inline constexpr CampoMiembro<RegLiquidacion> DeduccionClasesABCM{1280};
inline constexpr CampoMiembro<RegLiquidacion> DeduccionImportes12M3{1320};
inline constexpr CampoMiembro<RegLiquidacion> DeduccionImportes3M3{1360};
inline constexpr CampoMiembro<RegLiquidacion> DeduccionImportes4M3{1400};
inline constexpr CampoMiembro<RegLiquidacion> DeduccionImportes12M4{1440};
inline constexpr CampoMiembro<RegLiquidacion> DeduccionImportes3M4{1480};

}  // namespace ximardol::Liquidacion
