// The lookup lists this program cannot ship whole: the delegations and the administrations of the state tax agency
// and the keys of the Canary Islands investment reserve hold only what a public source gave us
// (docs/TABLAS_CONSULTA.md). A code of the list's form that the shipped table lacks is therefore kept: its
// description says that it is not in the program's list (message LISTA04, in the interface language) and the
// whole-declaration check warns of it, never as an error, so the declaration still prints and files. A code that
// is not of the list's form is refused with the list's own message (and is an error of the check).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace marco {

class CBaseDatos;

enum class EListaIncompleta : std::uint8_t { Ninguna, Delegaciones, Administraciones, ClavesCanarias };

// The description that stands for a code of the form that the list lacks.
inline constexpr std::string_view kMensajeFueraDeLista = "LISTA04";

// The list a lookup table is (by its name up to the first "." and without its eighth, language character, so
// "DELEGACE.TAB", "ADMINISC" and "INVCANAE.DBF" are found); Ninguna for any other table.
EListaIncompleta ListaIncompletaDe(std::string_view nombreTabla);

// Whether a code has the form of the list's codes: a delegation, the two digits of its province (01 to 52); an
// administration, its own three digits (not 000); a key of the reserve, one letter or digit. Blanks after the code
// do not count.
bool TieneFormaDeLista(EListaIncompleta lista, std::string_view codigo);

// The coded message (an error) of a code that is not of the list's form.
std::string_view MensajeFormaLista(EListaIncompleta lista);
// The coded message (a warning of the whole-declaration check) of a code of the form that the list lacks.
std::string_view AvisoFueraDeLista(EListaIncompleta lista);

// The text of LISTA04 in the interface language, as the description of a code the list lacks (the code LISTA04
// itself when the message table lacks it). `base` null: the local database.
std::string TextoFueraDeLista(CBaseDatos* base = nullptr);

// Whether the shipped table holds exactly this key, looked up without any message: a delegation by its two digits,
// an administration by its delegation's two digits followed by its own three, a key of the reserve by its
// character (in the interface language's twin). False when the table does not open.
bool CodigoEnLista(CBaseDatos* base, EListaIncompleta lista, std::string_view clave);

}  // namespace marco
