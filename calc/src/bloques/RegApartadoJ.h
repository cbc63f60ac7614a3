// Fields of RegApartadoJ (section J, pension plans),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoJ {

// Two rows of the first kind, 48 bytes: member code (2 declarant, 3 spouse), three contributions and two sums.
inline constexpr Filas<RegApartadoJ> FilasPrimeraClase{0, 48, 2};
inline constexpr auto CodigoMiembroPrimeraClase = FilasPrimeraClase.Columna<std::uint8_t>(0);
inline constexpr auto CopiaAportacion1 = FilasPrimeraClase.Columna<double>(8);  // copy of +16
inline constexpr auto Aportacion1 = FilasPrimeraClase.Columna<double>(16);
inline constexpr auto Aportacion2 = FilasPrimeraClase.Columna<double>(24);
inline constexpr auto Aportacion3 = FilasPrimeraClase.Columna<double>(32);
inline constexpr auto SumaAportaciones2y3 = FilasPrimeraClase.Columna<double>(40);
inline constexpr CampoDouble<RegApartadoJ> ExcesoPrimeraClase{96};  // both persons
inline constexpr CampoDouble<RegApartadoJ> ExcesoPrimeraClaseDeclarante{104};
inline constexpr CampoDouble<RegApartadoJ> ExcesoPrimeraClaseConyuge{112};
// Two rows of the second kind, 72 bytes: member code, two amounts of the first group, one of the second, two sums.
inline constexpr Filas<RegApartadoJ> FilasSegundaClase{136, 72, 2};
inline constexpr auto CodigoMiembroSegundaClase = FilasSegundaClase.Columna<std::uint8_t>(0);
inline constexpr auto ImporteGrupo1A = FilasSegundaClase.Columna<double>(32);
inline constexpr auto ImporteGrupo1B = FilasSegundaClase.Columna<double>(40);
inline constexpr auto ImporteGrupo2 = FilasSegundaClase.Columna<double>(48);
inline constexpr auto SumaGrupo1 = FilasSegundaClase.Columna<double>(56);   // +32 + +40
inline constexpr auto CopiaGrupo2 = FilasSegundaClase.Columna<double>(64);  // copy of +48
// Two member-coded amounts of the third kind (code, amount 32 bytes after it).
inline constexpr Columna<RegApartadoJ, std::uint8_t> CodigoMiembroTerceraClase{280, 40, 2};
inline constexpr Columna<RegApartadoJ, double> ImporteTerceraClase{312, 40, 2};

}  // namespace ximardol::ApartadoJ
