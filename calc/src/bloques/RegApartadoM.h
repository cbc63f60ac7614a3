// Fields of RegApartadoM (section M, deductions),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoM {

// Member arrays are ImportesMiembro (total, declarant, spouse, first child, second child); an entry is a member code
// byte followed by its amounts.
inline constexpr CampoMiembro<RegApartadoM> PrimerGrupo{0};                    // the three entries below
inline constexpr Columna<RegApartadoM, std::uint8_t> CodigoPrimerGrupo{40, 16, 3};
inline constexpr Columna<RegApartadoM, double> ImportePrimerGrupo{48, 16, 3};
inline constexpr CampoMiembro<RegApartadoM> PrimerGrupoAdmitido{88};
inline constexpr CampoMiembro<RegApartadoM> ClasesABC{128};                    // all nine amounts of the entries below
inline constexpr Filas<RegApartadoM> EntradasClases{168, 32, 3};
inline constexpr auto CodigoClases = EntradasClases.Columna<std::uint8_t>(0);
inline constexpr auto ImporteClaseA = EntradasClases.Columna<double>(8);
inline constexpr auto ImporteClaseB = EntradasClases.Columna<double>(16);
inline constexpr auto ImporteClaseC = EntradasClases.Columna<double>(24);
inline constexpr CampoMiembro<RegApartadoM> ClasesAdmitidas{264};              // kinds a, b and c admitted
inline constexpr CampoMiembro<RegApartadoM> SumaGrupoYClases{304};             // 0 + 128
inline constexpr CampoMiembro<RegApartadoM> Limite{344};                       // 10 % of both bases to liquidate
inline constexpr CampoMiembro<RegApartadoM> LimiteRestante{384};               // limit left (1, 2), cap left (4)
inline constexpr CampoMiembro<RegApartadoM> ClaseAAdmitida{424};
inline constexpr CampoMiembro<RegApartadoM> ClaseCAdmitida{464};
inline constexpr CampoMiembro<RegApartadoM> PrimerosImportes3{504};            // instance 3: first amounts, capped
inline constexpr Filas<RegApartadoM> Entradas3{544, 80, 3};
inline constexpr auto CodigoEntrada3 = Entradas3.Columna<std::uint8_t>(0);
inline constexpr auto Importe1Entrada3 = Entradas3.Columna<double>(8);
inline constexpr auto Importe2Entrada3 = Entradas3.Columna<double>(16);
inline constexpr auto Importe3Entrada3 = Entradas3.Columna<double>(24);
inline constexpr auto Importe4Entrada3 = Entradas3.Columna<double>(32);
inline constexpr auto Importe5Entrada3 = Entradas3.Columna<double>(40);
inline constexpr CampoMiembro<RegApartadoM> SegundosImportes3{784};            // instance 3: admitted
inline constexpr CampoMiembro<RegApartadoM> TercerosImportes3{824};
inline constexpr CampoMiembro<RegApartadoM> CuartosImportes3{864};
inline constexpr CampoMiembro<RegApartadoM> QuintosImportes3{904};
inline constexpr CampoMiembro<RegApartadoM> PrimerosImportes4{944};            // instance 4: first amounts, capped
inline constexpr Filas<RegApartadoM> Entradas4{984, 32, 6};
inline constexpr auto CodigoEntrada4 = Entradas4.Columna<std::uint8_t>(0);
inline constexpr auto Importe1Entrada4 = Entradas4.Columna<double>(8);
inline constexpr auto Importe2Entrada4 = Entradas4.Columna<double>(16);
inline constexpr auto Importe3Entrada4 = Entradas4.Columna<double>(24);
inline constexpr CampoMiembro<RegApartadoM> SegundosImportes4{1176};           // instance 4: admitted
inline constexpr CampoMiembro<RegApartadoM> TercerosImportes4{1216};
inline constexpr CampoMiembro<RegApartadoM> DeduccionPrimeros3{1256};          // instance 3 deductions
inline constexpr CampoMiembro<RegApartadoM> DeduccionSegundos3{1296};
inline constexpr CampoMiembro<RegApartadoM> DeduccionPrimeros4{1336};          // instance 4 deductions
inline constexpr CampoMiembro<RegApartadoM> DeduccionSegundos4{1376};
inline constexpr CampoMiembro<RegApartadoM> Entradas5{1712};                   // instance 5: the six entries below
inline constexpr Columna<RegApartadoM, std::uint8_t> CodigoEntrada5{1752, 16, 6};
inline constexpr Columna<RegApartadoM, double> ImporteEntrada5{1760, 16, 6};
inline constexpr CampoMiembro<RegApartadoM> Entradas5Admitido{1848};
inline constexpr CampoMiembro<RegApartadoM> Entradas5Resto{1888};
inline constexpr CampoMiembro<RegApartadoM> Capital5{1928};                    // capital-income and E2 entries
inline constexpr CampoMiembro<RegApartadoM> Capital5Admitido{1968};
inline constexpr CampoMiembro<RegApartadoM> Capital5Resto{2008};
}  // namespace ximardol::ApartadoM
