// The rules between the boxes of the D-714 pages that need no window: which committed box recalculates which
// section, the office and signing-place fields of the first page, the province lookup that fills a postal code,
// and the bound of the Ceuta and Melilla amount of the liquidation page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ximardol.h"

namespace marco {
class CBaseDatos;
}

namespace patrimonio {

// A committed value box of a section page (2 to 8; box number as the events carry it) sums its section into the
// section total and copies that total into the summary (the section's export with -1, then 0). False, with nothing
// done, for any other box.
bool RecalcularSeccion714(DatosPatrimonio& datos, int pagina, int numero);

// The section a value box of a section page recalculates ("A", "C1", "DEUDAS"...); empty for any other box.
std::string_view SeccionDeCasilla714(int pagina, int numero);

// The office fields of the first page (office code and name, 21 bytes from offset 103) blanked: they depend on the
// delegation.
void BlanquearAdministracion714(RegPatDatosPersonales& personales);

// The place of signing (20 characters at 487) takes the municipality (15 characters at 239) while it is empty.
void CopiarLugarFirma714(RegPatDatosPersonales& personales);

// The two-digit province prefix of a province name (its first 15 characters, trailing blanks ignored) from table
// "Province" of `baseDatos` (null: the local database); none when the name is not there or the table cannot be read.
std::optional<std::string> PrefijoProvincia714(marco::CBaseDatos* baseDatos, std::string_view nombre);

// The postal code of 5 characters after a province name: its prefix and three blanks.
std::string CodigoPostalDeProvincia714(std::string_view prefijo);

// The Ceuta and Melilla amount (summary 488) may not exceed the net assets (summary 168).
bool CeutaMelillaAdmitido714(const RegPatResumen& resumen);

// The extra text of the Ceuta and Melilla message.
inline constexpr std::string_view kTextoCeutaMelilla = "bienes y derechos situados en Ceuta y Melilla.";
inline constexpr std::string_view kMensajeCeutaMelilla = "100P102";

}  // namespace patrimonio
