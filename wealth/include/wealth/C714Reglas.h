// The rules of the wealth-tax declaration that need no window and no table: the stored key of a declaration, the
// document's adjustment of the result after the liquidation, the filing checks, the name shown on the pages and the
// list of screen pages.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ximardol.h"

namespace patrimonio {

// The width of a declaration's key: every stored key is exactly this long.
inline constexpr std::size_t kAnchoClave = 50;

// The key a declaration is kept under: the name up to its first NUL, cut to 50 characters and blank-padded to 50.
std::string ClaveDeclaracion714(std::string_view nombre);

// The document's steps after the liquidation: the result sign (1 when the liquidation result is 0 or negative),
// the two marks of the DI block kept to 0 or 1, and the quota amount and the difference taken from the liquidation
// result when the quota-computation mark is set (the difference never below 0.0), both 0.0 when it is not.
void AjustaResultado(RegPatAjuste& ajuste, const RegPatResumen& resumen, RegPatDI& di,
                     const RegPatDatosPersonales& personales);

// One finding of the filing checks: the message code, the page that shows the box (the first page is 1) and the
// box's index on it.
struct SHallazgo714 {
  std::string_view codigo;
  int pagina = 0;
  int casilla = 0;
  bool operator==(const SHallazgo714&) const = default;
};

// The filing checks of a declaration, in their fixed order; none when the declaration can be filed. Reads only.
std::vector<SHallazgo714> ComprobarDeclaracion714(const DatosPatrimonio& datos);

// A complete bank account of 20 digits whose two check digits are right.
bool CuentaValida(std::string_view cuenta);

// The width of the name text shown on the pages.
inline constexpr std::size_t kAnchoTextoNombre = 47;

// The name shown on the pages: the surnames without trailing blanks, ", " when there are surnames, then the first
// name without trailing blanks; at most 47 characters.
std::string ComponerTextoNombre(const RegPatDatosPersonales& personales);

// The screen pages of the form in their order (the twelfth page is reached only from the eleventh).
inline constexpr std::array<std::string_view, 11> kPaginasPatrimonio{
    "PAT001", "PAT002", "PAT003", "PAT004", "PAT005", "PAT006",
    "PAT007", "PAT008", "PAT009", "PAT010", "PAT011"};

}  // namespace patrimonio
