// Fields of RegApartadoF1 (section F1),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include "Acceso.h"

namespace ximardol::ApartadoF1 {

// Nine rows of 56 bytes: member code, then the gains and losses of the two groups.
inline constexpr Filas<RegApartadoF1> FilasImportes{0, 56, 9};
inline constexpr auto FilaMiembro = FilasImportes.Columna<std::uint8_t>(0);
inline constexpr auto FilaRetencion = FilasImportes.Columna<double>(16);                // withholding
inline constexpr auto FilaGananciaGrupo1 = FilasImportes.Columna<double>(24);
inline constexpr auto FilaPerdidaGrupo1 = FilasImportes.Columna<double>(32);
inline constexpr auto FilaGananciaGrupo2 = FilasImportes.Columna<double>(40);
inline constexpr auto FilaPerdidaGrupo2 = FilasImportes.Columna<double>(48);
inline constexpr CampoMiembro<RegApartadoF1> GananciasGrupo1{504};        // rows' amount at 24 by member
inline constexpr CampoMiembro<RegApartadoF1> PerdidasGrupo1{544};         // rows' amount at 32 by member
inline constexpr CampoMiembro<RegApartadoF1> GananciasGrupo2{584};        // rows' amount at 40 by member
inline constexpr CampoMiembro<RegApartadoF1> PerdidasGrupo2{624};         // rows' amount at 48 by member
inline constexpr CampoMiembro<RegApartadoF1> GrupoInstancia1{664};        // the two rows of instance 1
inline constexpr Filas<RegApartadoF1> FilasInstancia1{704, 24, 2};
inline constexpr auto FilaInstancia1Miembro = FilasInstancia1.Columna<std::uint8_t>(0);
inline constexpr auto FilaInstancia1Importe = FilasInstancia1.Columna<double>(8);
inline constexpr auto FilaInstancia1Retencion = FilasInstancia1.Columna<double>(16);    // withholding
inline constexpr CampoMiembro<RegApartadoF1> GrupoInstancia2Importe1{752};  // rows of instance 2, amount at 8
inline constexpr Filas<RegApartadoF1> FilasInstancia2{792, 32, 2};
inline constexpr auto FilaInstancia2Miembro = FilasInstancia2.Columna<std::uint8_t>(0);
inline constexpr auto FilaInstancia2Importe1 = FilasInstancia2.Columna<double>(8);
inline constexpr auto FilaInstancia2Importe2 = FilasInstancia2.Columna<double>(16);
inline constexpr auto FilaInstancia2Importe3 = FilasInstancia2.Columna<double>(24);
inline constexpr CampoMiembro<RegApartadoF1> GrupoInstancia2Importe2{856};  // amount at 16
inline constexpr CampoMiembro<RegApartadoF1> GrupoInstancia2Importe3{896};  // amount at 24
inline constexpr CampoMiembro<RegApartadoF1> GrupoInstancia2Neto{936};      // 752 + 856 - 896
}  // namespace ximardol::ApartadoF1
