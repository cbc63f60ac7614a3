// Fields of RegApartadoD4 (section D, block 4: activities by modules),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Acceso.h"

namespace ximardol::ApartadoD4 {

// Four activity rows of 1560 bytes.
inline constexpr Filas<RegApartadoD4> Actividades{0, 1560, 4};
// Each row opens with a 24-byte head (activity text, activity code, unit text) and goes on from its member code.
// Other sections count a row's offsets from the member code: their offset n is row offset n + DesdeCodigoMiembro.
inline constexpr std::size_t DesdeCodigoMiembro = 24;
inline constexpr auto TextoActividad = Actividades.Columna<Texto<5>>(0);
inline constexpr auto CodigoActividad = Actividades.Columna<std::int32_t>(8);
inline constexpr auto CodigoMiembro = Actividades.Columna<std::uint8_t>(24);
inline constexpr auto Porcentaje = Actividades.Columna<double>(32);               // 0 = none
inline constexpr auto TextoIdentificacion = Actividades.Columna<Texto<9>>(40);
inline constexpr auto DiasTemporada = Actividades.Columna<double>(56);            // 0 = not seasonal
inline constexpr auto AnioInicio = Actividades.Columna<double>(64);
inline constexpr auto IncrementoPlantilla = Actividades.Columna<std::uint8_t>(72);  // 1 = the staff grew
inline constexpr auto SelectorReduccion = Actividades.Columna<std::uint8_t>(73);    // 0 or 255: 7 %, else 12 %
inline constexpr auto PequenaEmpresa = Actividades.Columna<std::uint8_t>(74);       // 1 = claimed
inline constexpr auto CuentaP = Actividades.Columna<double>(80);
inline constexpr auto MarcaCuentaP = Actividades.Columna<std::uint8_t>(88);
inline constexpr auto CuentaN = Actividades.Columna<double>(96);
inline constexpr auto CuentaR = Actividades.Columna<double>(104);
// Seven module entries of 176 bytes from row offset 120; offsets inside an entry:
namespace Modulo {
inline constexpr std::size_t Inicio = 120;
inline constexpr std::size_t Paso = 176;
inline constexpr std::size_t Cuantos = 7;
inline constexpr std::size_t Tipo = 0;               // byte; 0 = unused entry
inline constexpr std::size_t Unidades = 40;
inline constexpr std::size_t Entrada1 = 48;          // staff: hours of full count
inline constexpr std::size_t Entrada2 = 56;          // staff: hours counted at 60 %
inline constexpr std::size_t Entrada3 = 64;          // staff: annual hours
inline constexpr std::size_t EntradaAnterior1 = 72;  // the same three of the previous year
inline constexpr std::size_t EntradaAnterior2 = 80;
inline constexpr std::size_t EntradaAnterior3 = 88;
inline constexpr std::size_t DiasPorDefecto = 144;   // third entry of activity 173
inline constexpr std::size_t ImportePorUnidad = 152;
inline constexpr std::size_t ImporteReferencia = 160;
inline constexpr std::size_t Resultado = 168;
}  // namespace Modulo
inline constexpr auto SumaModulos = Actividades.Columna<double>(1352);
inline constexpr auto ReduccionEmpleo = Actividades.Columna<double>(1360);
inline constexpr auto ImporteRestarModulos = Actividades.Columna<double>(1368);     // entered
inline constexpr auto RendimientoPrevio = Actividades.Columna<double>(1376);        // before the indices
inline constexpr auto IndiceEspecial = Actividades.Columna<double>(1384);           // 0 = none
inline constexpr auto IndicePequenaEmpresa = Actividades.Columna<double>(1392);     // 0 = none
inline constexpr auto IndiceTemporada = Actividades.Columna<double>(1400);          // 0 = none
inline constexpr auto IndiceExceso = Actividades.Columna<double>(1408);             // 1.3 or 0
inline constexpr auto IndiceInicio = Actividades.Columna<double>(1416);             // 0 = none
inline constexpr auto UmbralExceso = Actividades.Columna<double>(1424);             // entered
inline constexpr auto UmbralExcesoReferencia = Actividades.Columna<double>(1432);   // entered
inline constexpr auto RendimientoIndices = Actividades.Columna<double>(1440);       // after the indices
inline constexpr auto ExcesoLimite = Actividades.Columna<double>(1448);             // over 110 % of the reference
inline constexpr auto RendimientoLimitado = Actividades.Columna<double>(1456);
inline constexpr auto ImporteRestarLimitado = Actividades.Columna<double>(1464);    // entered
inline constexpr auto RendimientoAntesReduccion = Actividades.Columna<double>(1472);
inline constexpr auto ReduccionGeneral = Actividades.Columna<double>(1480);
inline constexpr auto ImporteSumar = Actividades.Columna<double>(1488);             // entered
inline constexpr auto RendimientoNeto = Actividades.Columna<double>(1496);            // row without percentage
inline constexpr auto ImporteRestarNeto = Actividades.Columna<double>(1504);        // entered
inline constexpr auto RendimientoFinal = Actividades.Columna<double>(1512);         // row without percentage
inline constexpr auto CopiaIdentificacion = Actividades.Columna<Texto<9>>(1520);
inline constexpr auto CopiaActividad = Actividades.Columna<Texto<5>>(1529);
inline constexpr auto CopiaCodigoMiembro = Actividades.Columna<std::uint8_t>(1534);
inline constexpr auto CopiaPorcentaje = Actividades.Columna<double>(1536);
inline constexpr auto RendimientoNetoAtribuido = Actividades.Columna<double>(1544);  // row with a percentage
inline constexpr auto RendimientoFinalAtribuido = Actividades.Columna<double>(1552);  // row with a percentage
// After the rows.
inline constexpr CampoDouble<RegApartadoD4> TotalBloque{6240};
static_assert(Modulo::Inicio + Modulo::Cuantos * Modulo::Paso == 1352, "the module entries end where the sums begin");

}  // namespace ximardol::ApartadoD4
