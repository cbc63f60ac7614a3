// Fields of RegApartadoN (section N, regional deductions),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include <cstdint>

#include "Acceso.h"

namespace ximardol::ApartadoN {

// Member arrays are ImportesMiembro (total, declarant, spouse, first child, second child); a coded entry is a member
// code byte and, 8 bytes after it, an amount. "Entered" marks what the section reads and never computes.
// Region 4.
inline constexpr CampoMiembro<RegApartadoN> Comunidad4Mayores{0};                 // persons born before 1935
inline constexpr CampoMiembro<RegApartadoN> Comunidad4DeduccionEdad{40};
inline constexpr CampoMiembro<RegApartadoN> Comunidad4Descendientes{80};
inline constexpr CampoMiembro<RegApartadoN> Comunidad4DeduccionDescendientes{120};
inline constexpr CampoDouble<RegApartadoN> Comunidad4DescendientesComunes{160};     // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4DescendientesDeclarante{168};  // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4DescendientesConyuge{176};     // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4DescendientesHijo1{184};       // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4DescendientesHijo2{192};       // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4DescendientesTotal{200};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad4DeduccionImportes{208};
inline constexpr CampoDouble<RegApartadoN> Comunidad4ImporteA{248};                 // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4ImporteBDeclarante{256};       // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad4ImporteBConyuge{264};          // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad4DeduccionEntradas{272};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad4CodigoEntrada{312, 16, 5};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad4ImporteEntrada{320, 16, 5};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad4Deduccion25{392};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad4CodigoBase{432, 32, 2};     // entered
inline constexpr Columna<RegApartadoN, double> Comunidad4Base{440, 32, 2};                 // entered
inline constexpr Columna<RegApartadoN, double> Comunidad4MilesTope{448, 32, 2};            // entered, units of 1,000
inline constexpr Columna<RegApartadoN, double> Comunidad4ImporteTope{456, 32, 2};          // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad4Total{496};
// Region 8.
inline constexpr CampoMiembro<RegApartadoN> Comunidad8Unidades{536};               // copy of the entered units
inline constexpr CampoMiembro<RegApartadoN> Comunidad8ImporteFijo{576};
inline constexpr CampoByte<RegApartadoN> Comunidad8Aplica{616};                    // entered, 1 = applies
inline constexpr CampoDouble<RegApartadoN> Comunidad8NumeroUnidades{624};          // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad8Descendientes{632};
inline constexpr CampoMiembro<RegApartadoN> Comunidad8ImporteUnidades{672};
inline constexpr CampoMiembro<RegApartadoN> Comunidad8DeduccionDescendientes{712};
inline constexpr Columna<RegApartadoN, double> Comunidad8ClasesComunes{752, 8, 5};     // entered, classes 1 to 5
inline constexpr Columna<RegApartadoN, double> Comunidad8ClasesDeclarante{792, 8, 5};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad8ClasesConyuge{832, 8, 5};     // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad8Total1{872};
inline constexpr CampoMiembro<RegApartadoN> Comunidad8DeduccionA{912};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad8CodigoEntradaA{952, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad8ImporteEntradaA{960, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad8DeduccionB{1000};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad8CodigoEntradaB{1040, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad8ImporteEntradaB{1048, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad8Total2{1088};
// Region 9.
inline constexpr CampoMiembro<RegApartadoN> Comunidad9Descendientes{1128};
inline constexpr CampoMiembro<RegApartadoN> Comunidad9DeduccionDescendientes{1168};
inline constexpr CampoDouble<RegApartadoN> Comunidad9DescendientesComunes{1208};     // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad9DescendientesDeclarante{1216};  // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad9DescendientesConyuge{1224};     // entered
// Region 11.
inline constexpr CampoMiembro<RegApartadoN> Comunidad11Descendientes{1232};
inline constexpr CampoMiembro<RegApartadoN> Comunidad11DeduccionDescendientes{1272};
inline constexpr Columna<RegApartadoN, double> Comunidad11ClasesComunes{1312, 8, 5};     // entered, classes 1 to 5
inline constexpr Columna<RegApartadoN, double> Comunidad11ClasesDeclarante{1352, 8, 5};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad11ClasesConyuge{1392, 8, 5};     // entered
// Region 12.
inline constexpr CampoMiembro<RegApartadoN> Comunidad12Descendientes1{1432};
inline constexpr CampoMiembro<RegApartadoN> Comunidad12Deduccion1{1472};
inline constexpr CampoDouble<RegApartadoN> Comunidad12Comunes1{1512};     // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad12Declarante1{1520};  // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad12Conyuge1{1528};     // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad12Descendientes2{1536};
inline constexpr CampoMiembro<RegApartadoN> Comunidad12Deduccion2{1576};
inline constexpr CampoDouble<RegApartadoN> Comunidad12Comunes2{1616};     // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad12Declarante2{1624};  // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad12Conyuge2{1632};     // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad12Total{1640};
inline constexpr CampoMiembro<RegApartadoN> Comunidad12DeduccionEntradas{1680};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad12CodigoEntrada{1720, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad12ImporteEntrada{1728, 16, 3};       // entered
// Region 13.
inline constexpr CampoMiembro<RegApartadoN> Comunidad13DeduccionT{1768};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad13CodigoEntradaT{1808, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad13ImporteEntradaT{1816, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad13DeduccionS{1856};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad13CodigoEntradaS{1896, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad13ImporteEntradaS{1904, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad13Total{1944};
inline constexpr CampoMiembro<RegApartadoN> Comunidad13DeduccionV{1984};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad13CodigoEntradaV{2024, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad13ImporteEntradaV{2032, 16, 3};       // entered
// Region 16.
inline constexpr CampoMiembro<RegApartadoN> Comunidad16DeduccionY{2072};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad16CodigoEntradaY{2112, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad16ImporteEntradaY{2120, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad16DeduccionW{2160};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad16CodigoEntradaW{2200, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad16ImporteEntradaW{2208, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad16Total{2248};
// Region 17.
inline constexpr CampoMiembro<RegApartadoN> Comunidad17Descendientes{2288};
inline constexpr CampoMiembro<RegApartadoN> Comunidad17DeduccionDescendientes{2328};
inline constexpr CampoDouble<RegApartadoN> Comunidad17DescendientesComunes{2368};     // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad17DescendientesDeclarante{2376};  // entered
inline constexpr CampoDouble<RegApartadoN> Comunidad17DescendientesConyuge{2384};     // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad17Mayores{2392};                 // born before 1935, disabled
inline constexpr CampoMiembro<RegApartadoN> Comunidad17DeduccionMayores{2432};
inline constexpr CampoByte<RegApartadoN> Comunidad17PideMayoresDeclarante{2472};      // entered, 1 = claimed
inline constexpr CampoByte<RegApartadoN> Comunidad17PideMayoresConyuge{2473};         // entered, 1 = claimed
inline constexpr CampoMiembro<RegApartadoN> Comunidad17DeduccionJovenes{2480};        // born in 1964 or later
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad17CodigoEntradaJovenes{2520, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad17ImporteEntradaJovenes{2528, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad17DeduccionFija{2568};
inline constexpr CampoByte<RegApartadoN> Comunidad17PideFijaDeclarante{2608};         // entered, 1 = claimed
inline constexpr CampoByte<RegApartadoN> Comunidad17PideFijaConyuge{2609};            // entered, 1 = claimed
inline constexpr CampoMiembro<RegApartadoN> Comunidad17Deduccion20{2616};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad17CodigoEntrada20{2656, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad17ImporteEntrada20{2664, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad17Deduccion10{2704};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad17CodigoEntrada10{2744, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad17ImporteEntrada10{2752, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad17Deduccion5{2792};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad17CodigoEntrada5{2832, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad17ImporteEntrada5{2840, 16, 3};       // entered
inline constexpr CampoMiembro<RegApartadoN> Comunidad17Total{2880};
inline constexpr CampoMiembro<RegApartadoN> Comunidad17DeduccionBases{2920};
inline constexpr Columna<RegApartadoN, std::uint8_t> Comunidad17CodigoEntradaBases{2960, 16, 3};  // entered
inline constexpr Columna<RegApartadoN, double> Comunidad17ImporteEntradaBases{2968, 16, 3};       // entered

}  // namespace ximardol::ApartadoN
