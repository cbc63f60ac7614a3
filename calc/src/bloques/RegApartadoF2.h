// Fields of RegApartadoF2 (section F2, dated rows),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoF2 {

// Nine asset rows of 328 bytes.
inline constexpr Filas<RegApartadoF2> Bienes{0, 328, 9};
inline constexpr auto BienMiembro = Bienes.Columna<std::uint8_t>(20);
inline constexpr auto BienRegla = Bienes.Columna<std::uint8_t>(21);              // 1 old-asset rule, else plain
inline constexpr auto BienFechaA = Bienes.Columna<Texto<8>>(22);                 // acquisition
inline constexpr auto BienFechaB = Bienes.Columna<Texto<8>>(30);                 // transfer
inline constexpr auto BienValorTransmisionNeto = Bienes.Columna<double>(40);     // 64 - 72
inline constexpr auto BienAplicaReduccion = Bienes.Columna<std::uint8_t>(48);    // 1: reduce by years held
inline constexpr auto BienCopiaFechaB = Bienes.Columna<Texto<8>>(49);
inline constexpr auto BienValorTransmision = Bienes.Columna<double>(64);
inline constexpr auto BienGastosTransmision = Bienes.Columna<double>(72);
inline constexpr auto BienImporteParte = Bienes.Columna<double>(80);             // prorates the result
inline constexpr auto BienImporteProrrata = Bienes.Columna<double>(88);          // prorates the gain
inline constexpr auto BienRestaProrrata = Bienes.Columna<double>(96);            // off the transfer value there
inline constexpr auto BienValorAdquisicion = Bienes.Columna<double>(104);        // adjusted, computed
inline constexpr auto BienActualiza = Bienes.Columna<std::uint8_t>(112);         // 1: apply the coefficients
inline constexpr auto BienCopiaFechaA = Bienes.Columna<Texto<8>>(113);
inline constexpr auto BienImporteA = Bienes.Columna<double>(128);
inline constexpr auto BienImporteAActualizado = Bienes.Columna<double>(136);
inline constexpr auto BienFechaC = Bienes.Columna<Texto<8>>(144);
inline constexpr auto BienImporteC = Bienes.Columna<double>(152);
inline constexpr auto BienImporteCActualizado = Bienes.Columna<double>(160);
inline constexpr auto BienFechaD = Bienes.Columna<Texto<8>>(168);
inline constexpr auto BienImporteD = Bienes.Columna<double>(176);
inline constexpr auto BienImporteDActualizado = Bienes.Columna<double>(184);
inline constexpr auto BienResta1 = Bienes.Columna<double>(192);
inline constexpr auto BienResta1Actualizada = Bienes.Columna<double>(200);
inline constexpr auto BienResta2 = Bienes.Columna<double>(208);
inline constexpr auto BienResta2Actualizada = Bienes.Columna<double>(216);
inline constexpr auto BienResta3 = Bienes.Columna<double>(224);
inline constexpr auto BienResta3Copia = Bienes.Columna<double>(232);
inline constexpr auto BienRestaProrrataReducida = Bienes.Columna<double>(240);
inline constexpr auto BienPerdida = Bienes.Columna<double>(248);                 // first of the computed results
inline constexpr auto BienPerdidaParte = Bienes.Columna<double>(256);
inline constexpr auto BienGanancia = Bienes.Columna<double>(264);
inline constexpr auto BienGananciaProrrateada = Bienes.Columna<double>(272);
inline constexpr auto BienGananciaTrasProrrata = Bienes.Columna<double>(280);
inline constexpr auto BienGananciaParte = Bienes.Columna<double>(288);
inline constexpr auto BienReduccion = Bienes.Columna<double>(296);
inline constexpr auto BienGananciaReducida = Bienes.Columna<double>(304);
inline constexpr auto BienProrrataReducida = Bienes.Columna<double>(312);
inline constexpr auto BienGananciaParteAntigua = Bienes.Columna<double>(320);  // last of the computed results
inline constexpr CampoMiembro<RegApartadoF2> PerdidasParte{2952};                // by the rows' member codes
inline constexpr CampoMiembro<RegApartadoF2> GananciasParteGeneral{2992};
inline constexpr CampoMiembro<RegApartadoF2> GananciasParteAntigua{3032};
inline constexpr Filas<RegApartadoF2> FilasInstancia2{3072, 24, 9};
inline constexpr auto FilaInstancia2Miembro = FilasInstancia2.Columna<std::uint8_t>(0);
inline constexpr auto FilaInstancia2Importe = FilasInstancia2.Columna<double>(16);
inline constexpr CampoMiembro<RegApartadoF2> GrupoInstancia2{3288};
inline constexpr Filas<RegApartadoF2> FilasInstancia2Segunda{3328, 24, 9};
inline constexpr auto FilaInstancia2SegundaMiembro = FilasInstancia2Segunda.Columna<std::uint8_t>(0);
inline constexpr auto FilaInstancia2SegundaImporte = FilasInstancia2Segunda.Columna<double>(16);
inline constexpr CampoMiembro<RegApartadoF2> GrupoInstancia2Segunda{3544};
inline constexpr Filas<RegApartadoF2> FilasInstancia3{3584, 32, 9};
inline constexpr auto FilaInstancia3Miembro = FilasInstancia3.Columna<std::uint8_t>(0);
inline constexpr auto FilaInstancia3Importe = FilasInstancia3.Columna<double>(16);
inline constexpr CampoMiembro<RegApartadoF2> GrupoInstancia3{3872};
}  // namespace ximardol::ApartadoF2
