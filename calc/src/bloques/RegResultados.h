// Fields of RegResultados (results of the declaration),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::Resultados {
// Member arrays are ImportesMiembro (total, declarant, spouse, first child, second child); an entry is a member code
// byte followed by its amounts.
inline constexpr CampoMiembro<RegResultados> DeduccionM3Quintos{0};            // section M instance 3, fifth amounts
inline constexpr CampoMiembro<RegResultados> AdmitidosM4Bloque1{40};           // section M4: first block admitted
inline constexpr CampoMiembro<RegResultados> AdmitidosM4Bloque2{80};           // section M4: second block admitted
inline constexpr CampoMiembro<RegResultados> AdmitidosM4Bloque3{120};          // section M4: third block admitted
inline constexpr CampoMiembro<RegResultados> AdmitidosM4Grupos{160};           // section M4: last groups admitted
inline constexpr CampoMiembro<RegResultados> DeduccionProporcional1{200};      // first proportional deduction
inline constexpr Columna<RegResultados, std::uint8_t> CodigoDeduccionProporcional1{240, 16, 2};  // its two entries
inline constexpr Columna<RegResultados, double> RentaDeduccionProporcional1{248, 16, 2};         // income figure
inline constexpr CampoMiembro<RegResultados> DeduccionProporcional2{272};      // second proportional deduction
inline constexpr Columna<RegResultados, std::uint8_t> CodigoDeduccionProporcional2{312, 24, 2};  // its two entries
inline constexpr Columna<RegResultados, double> CuotaDeduccionProporcional2{320, 24, 2};         // tax figure
inline constexpr Columna<RegResultados, double> RentaDeduccionProporcional2{328, 24, 2};         // income figure
inline constexpr CampoMiembro<RegResultados> DeduccionProporcional3{360};      // third proportional deduction
inline constexpr Columna<RegResultados, std::uint8_t> CodigoDeduccionProporcional3{400, 24, 6};  // its six entries
inline constexpr Columna<RegResultados, double> GeneralDeduccionProporcional3{408, 24, 6};       // general part
inline constexpr Columna<RegResultados, double> EspecialDeduccionProporcional3{416, 24, 6};      // special part
inline constexpr CampoDouble<RegResultados> TotalGeneralDeduccionProporcional3{544};   // slot 0 of the general parts
inline constexpr CampoDouble<RegResultados> TotalEspecialDeduccionProporcional3{552};  // slot 0 of the special parts
inline constexpr CampoMiembro<RegResultados> SumaDeducciones{560};             // every deduction of both quotas
inline constexpr CampoMiembro<RegResultados> DeduccionesSegundaCuotaA{600};    // taken only from the second quota
inline constexpr CampoMiembro<RegResultados> DeduccionesSegundaCuotaB{640};    // taken only from the second quota
inline constexpr CampoMiembro<RegResultados> CuotaLiquida1{680};               // first quota after deductions
inline constexpr CampoMiembro<RegResultados> CuotaLiquida2{720};               // second quota after deductions
inline constexpr CampoMiembro<RegResultados> CuotaLiquida{760};                // both quotas after deductions
inline constexpr CampoMiembro<RegResultados> IncrementosCuota1{800};           // from the three entries below
inline constexpr Columna<RegResultados, std::uint8_t> CodigoIncrementosCuota1{840, 16, 3};
inline constexpr Columna<RegResultados, double> ImporteIncrementosCuota1{848, 16, 3};
inline constexpr CampoMiembro<RegResultados> IncrementosFilasCuota1{888};      // from the three rows below
inline constexpr Filas<RegResultados> FilasIncrementosCuota1{928, 416, 3};
inline constexpr auto CodigoFilaIncrementosCuota1 = FilasIncrementosCuota1.Columna<std::uint8_t>(0);
inline constexpr auto ImporteFilaIncrementosCuota1 = FilasIncrementosCuota1.Columna<double>(8);
inline constexpr CampoMiembro<RegResultados> IncrementosAmbasCuotas{2176};     // 85 % to the first quota, 15 % second
inline constexpr Columna<RegResultados, std::uint8_t> CodigoIncrementosAmbasCuotas{2216, 16, 3};
inline constexpr Columna<RegResultados, double> ImporteIncrementosAmbasCuotas{2224, 16, 3};
inline constexpr CampoMiembro<RegResultados> IncrementosFilasAmbasCuotas{2264};
inline constexpr Filas<RegResultados> FilasIncrementosAmbasCuotas{2304, 416, 3};
inline constexpr auto CodigoFilaIncrementosAmbasCuotas = FilasIncrementosAmbasCuotas.Columna<std::uint8_t>(0);
inline constexpr auto ImporteFilaIncrementosAmbasCuotas = FilasIncrementosAmbasCuotas.Columna<double>(8);
inline constexpr CampoMiembro<RegResultados> IncrementosCuota2{3552};
inline constexpr Columna<RegResultados, std::uint8_t> CodigoIncrementosCuota2{3592, 16, 3};
inline constexpr Columna<RegResultados, double> ImporteIncrementosCuota2{3600, 16, 3};
inline constexpr CampoMiembro<RegResultados> IncrementosFilasCuota2{3640};
inline constexpr Filas<RegResultados> FilasIncrementosCuota2{3680, 416, 3};
inline constexpr auto CodigoFilaIncrementosCuota2 = FilasIncrementosCuota2.Columna<std::uint8_t>(0);
inline constexpr auto ImporteFilaIncrementosCuota2 = FilasIncrementosCuota2.Columna<double>(8);
inline constexpr CampoMiembro<RegResultados> ResultadoCuota1{4928};             // first quota result
inline constexpr CampoMiembro<RegResultados> ResultadoCuota2{4968};             // second quota result
inline constexpr CampoMiembro<RegResultados> ResultadoCuota{5008};              // 4928 + 4968
inline constexpr CampoMiembro<RegResultados> AdmitidosM5{5048};                // section M instance 5 admitted
inline constexpr CampoMiembro<RegResultados> DeduccionFilasTipo{5088};         // proportional, of the typed rows
inline constexpr Filas<RegResultados> FilasTipo{5128, 32, 3};
inline constexpr auto TipoFila = FilasTipo.Columna<std::uint8_t>(0);            // 0 ends the list
inline constexpr auto RentaGeneralFila = FilasTipo.Columna<double>(8);
inline constexpr auto RentaEspecialFila = FilasTipo.Columna<double>(16);
inline constexpr auto TopeFila = FilasTipo.Columna<double>(24);
inline constexpr CampoMiembro<RegResultados> DeduccionComoEntrada{5224};       // taken as entered
inline constexpr Columna<RegResultados, std::uint8_t> CodigoDeduccionComoEntrada{5264, 16, 2};
inline constexpr Columna<RegResultados, double> ImporteDeduccionComoEntrada{5272, 16, 2};
inline constexpr CampoDouble<RegResultados> TotalDeduccionComoEntrada{5296};   // slot 0 of 5224
inline constexpr CampoMiembro<RegResultados> DeduccionApartadoE4{5304};        // deduction of section E block 4
inline constexpr CampoMiembro<RegResultados> Deduccion10PorCiento{5344};       // 10 % deduction
inline constexpr Columna<RegResultados, std::uint8_t> CodigoDeduccion10PorCiento{5384, 16, 3};
inline constexpr Columna<RegResultados, double> ImporteDeduccion10PorCiento{5392, 16, 3};
inline constexpr CampoMiembro<RegResultados> DeduccionFilas72{5432};           // deduction of the 72-byte rows
inline constexpr Filas<RegResultados> Filas72{5472, 72, 3};
inline constexpr auto CodigoFila72 = Filas72.Columna<std::uint8_t>(0);
inline constexpr auto Importe8Fila72 = Filas72.Columna<double>(8);
inline constexpr auto Importe16Fila72 = Filas72.Columna<double>(16);
inline constexpr auto Importe24Fila72 = Filas72.Columna<double>(24);
inline constexpr auto Importe32Fila72 = Filas72.Columna<double>(32);
inline constexpr auto Importe40Fila72 = Filas72.Columna<double>(40);
inline constexpr auto Importe48Fila72 = Filas72.Columna<double>(48);
inline constexpr auto Importe56Fila72 = Filas72.Columna<double>(56);
inline constexpr auto DeduccionesM3Fila72 = Filas72.Columna<double>(64);  // section M instance 3, slot of the row
inline constexpr CampoMiembro<RegResultados> TotalTrasDeducciones{5688};       // minuend of the final difference
inline constexpr CampoMiembro<RegResultados> ImportesTrabajo{5728};             // amounts 2 and 4 of the work rows
inline constexpr CampoMiembro<RegResultados> ImportesCapitalMobiliario{5768};   // movable capital subsections 1 to 5
inline constexpr CampoMiembro<RegResultados> ImportesEntradas{5808};            // real-estate amount 8, then entries
inline constexpr Columna<RegResultados, std::uint8_t> CodigoPagosVarios{5848, 24, 5};
inline constexpr Columna<RegResultados, double> PagosVariosImporte1{5856, 24, 5};
inline constexpr Columna<RegResultados, double> PagosVariosImporte2{5864, 24, 5};
inline constexpr CampoMiembro<RegResultados> PagosA{5968};                     // from the two entries below
inline constexpr Columna<RegResultados, std::uint8_t> CodigoPagosA{6008, 16, 2};
inline constexpr Columna<RegResultados, double> ImportePagosA{6016, 16, 2};
inline constexpr CampoMiembro<RegResultados> PagosB{6040};                     // from the two entries below
inline constexpr Columna<RegResultados, std::uint8_t> CodigoPagosB{6080, 16, 2};
inline constexpr Columna<RegResultados, double> ImportePagosB{6088, 16, 2};
inline constexpr CampoMiembro<RegResultados> RetencionesF1{6112};              // section F1 withholdings
inline constexpr CampoMiembro<RegResultados> LimitesApartadoE2{6152};          // section E2 rows' limits
inline constexpr CampoMiembro<RegResultados> ExcesosApartadoE2{6192};          // section E2 deductions over the limit
inline constexpr CampoMiembro<RegResultados> PagosApartadoE4{6232};            // section E block 4, into 6344
inline constexpr CampoMiembro<RegResultados> PagosC{6272};                     // from the two entries below
inline constexpr Columna<RegResultados, std::uint8_t> CodigoPagosC{6312, 16, 2};
inline constexpr Columna<RegResultados, double> ImportePagosC{6320, 16, 2};
inline constexpr CampoMiembro<RegResultados> TotalPagos{6344};                 // sum of 5728 to 6272
inline constexpr CampoMiembro<RegResultados> ResultadoTrasPagos{6384};         // 5688 - 6344
inline constexpr CampoMiembro<RegResultados> RestaDiferenciaFinal{6424};       // subtracted in the final difference
inline constexpr CampoMiembro<RegResultados> SumaDiferenciaFinal{6536};        // added in the final difference
inline constexpr CampoMiembro<RegResultados> DiferenciaFinal{6648};            // final difference

}  // namespace ximardol::Resultados
