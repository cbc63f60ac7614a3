// Fields of RegApartadoF3 (section F3, dated rows),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "Acceso.h"

namespace ximardol::ApartadoF3 {

// An amount subtracted under the old-asset rule and its updated value.
struct ImporteActualizado {
  double importe;
  double actualizado;
};
// A yearly amount: its year (4 characters), 4 bytes not used, the amount and its updated value.
struct ImporteAnual {
  Texto<4> anio;
  unsigned char sinUso[4];
  double importe;
  double actualizado;
};
static_assert(sizeof(ImporteActualizado) == 16 && sizeof(ImporteAnual) == 24 && offsetof(ImporteAnual, importe) == 8);

// Nine asset rows of 640 bytes.
inline constexpr Filas<RegApartadoF3> Bienes{0, 640, 9};
inline constexpr auto BienMiembro = Bienes.Columna<std::uint8_t>(20);
inline constexpr auto BienRegla = Bienes.Columna<std::uint8_t>(21);              // 0 plain, 1 old-asset rule
inline constexpr auto BienClase = Bienes.Columna<std::int32_t>(24);              // 1 update; years limit
inline constexpr auto BienPorcentajeAnual = Bienes.Columna<double>(32);          // plain rule, per year beyond two
inline constexpr auto BienFechaA = Bienes.Columna<Texto<8>>(40);                 // acquisition
inline constexpr auto BienFechaB = Bienes.Columna<Texto<8>>(48);                 // transfer
inline constexpr auto BienValorTransmisionNeto = Bienes.Columna<double>(56);     // 80 - 88
inline constexpr auto BienReduceCoeficiente = Bienes.Columna<std::uint8_t>(64);  // old-asset: years-held coefficient
inline constexpr auto BienReducePorAnio = Bienes.Columna<std::uint8_t>(65);      // old-asset: 7.14 % a year
inline constexpr auto BienCopiaFechaB = Bienes.Columna<Texto<8>>(66);
inline constexpr auto BienValorTransmision = Bienes.Columna<double>(80);
inline constexpr auto BienGastosTransmision = Bienes.Columna<double>(88);
inline constexpr auto BienImporteParte = Bienes.Columna<double>(96);             // prorates the result
inline constexpr auto BienImporteProrrata = Bienes.Columna<double>(104);         // prorates the gain
inline constexpr auto BienRestaProrrata = Bienes.Columna<double>(112);           // off the transfer value there
inline constexpr auto BienValorAdquisicion = Bienes.Columna<double>(120);        // adjusted, computed
inline constexpr auto BienCopiaFechaA = Bienes.Columna<Texto<8>>(128);
inline constexpr auto BienImporteA = Bienes.Columna<double>(136);
inline constexpr auto BienImporteAActualizado = Bienes.Columna<double>(144);
inline constexpr auto BienFechaC = Bienes.Columna<Texto<8>>(152);
inline constexpr auto BienImporteC = Bienes.Columna<double>(160);
inline constexpr auto BienImporteCActualizado = Bienes.Columna<double>(168);
inline constexpr auto BienFechaD = Bienes.Columna<Texto<8>>(176);
inline constexpr auto BienImporteD = Bienes.Columna<double>(184);
inline constexpr auto BienImporteDActualizado = Bienes.Columna<double>(192);
inline constexpr auto BienRestaGeneral1 = Bienes.Columna<double>(200);
inline constexpr auto BienRestas1Actualizadas = Bienes.Columna<double>(208);     // plain 200 updated; old the sum
inline constexpr auto BienRestasAntiguas = Bienes.Columna<std::array<ImporteActualizado, 11>>(216);
inline constexpr auto BienRestaGeneral2 = Bienes.Columna<double>(392);
inline constexpr auto BienRestas2Actualizadas = Bienes.Columna<double>(400);     // plain 392 updated; old 416 + 432
inline constexpr auto BienRestaAntigua1994 = Bienes.Columna<double>(408);
inline constexpr auto BienRestaAntigua1994Actualizada = Bienes.Columna<double>(416);
inline constexpr auto BienRestaAntigua1995 = Bienes.Columna<double>(424);
inline constexpr auto BienRestaAntigua1995Actualizada = Bienes.Columna<double>(432);
inline constexpr auto BienImportesAnuales = Bienes.Columna<std::array<ImporteAnual, 4>>(440);
inline constexpr auto BienRestaProrrataReducida = Bienes.Columna<double>(536);
inline constexpr auto BienPerdida = Bienes.Columna<double>(544);                 // first of the computed results
inline constexpr auto BienPerdidaParte = Bienes.Columna<double>(552);
inline constexpr auto BienGanancia = Bienes.Columna<double>(560);
inline constexpr auto BienAniosHasta1996 = Bienes.Columna<double>(568);
inline constexpr auto BienGananciaReducidaGeneral = Bienes.Columna<double>(576);
inline constexpr auto BienGananciaProrrateada = Bienes.Columna<double>(584);
inline constexpr auto BienGananciaTrasProrrata = Bienes.Columna<double>(592);
inline constexpr auto BienGananciaParteGeneral = Bienes.Columna<double>(600);
inline constexpr auto BienReduccionAntigua = Bienes.Columna<double>(608);
inline constexpr auto BienGananciaReducidaAntigua = Bienes.Columna<double>(616);
inline constexpr auto BienProrrataAntigua = Bienes.Columna<double>(624);
inline constexpr auto BienGananciaParteAntigua = Bienes.Columna<double>(632);    // last of the computed results
inline constexpr CampoMiembro<RegApartadoF3> PerdidasParte{5760};                // by the rows' member codes
inline constexpr CampoMiembro<RegApartadoF3> GananciasParteGeneral{5800};
inline constexpr CampoMiembro<RegApartadoF3> GananciasParteAntigua{5840};
inline constexpr Filas<RegApartadoF3> FilasGanancias{5880, 24, 9};
inline constexpr auto FilaGananciaMiembro = FilasGanancias.Columna<std::uint8_t>(0);
inline constexpr auto FilaGananciaImporte = FilasGanancias.Columna<double>(16);
inline constexpr CampoMiembro<RegApartadoF3> GrupoGanancias{6096};               // instance 2
inline constexpr Filas<RegApartadoF3> FilasPerdidas{6136, 24, 9};
inline constexpr auto FilaPerdidaMiembro = FilasPerdidas.Columna<std::uint8_t>(0);
inline constexpr auto FilaPerdidaImporte = FilasPerdidas.Columna<double>(16);
inline constexpr CampoMiembro<RegApartadoF3> GrupoPerdidas{6352};                // instance 2
}  // namespace ximardol::ApartadoF3
