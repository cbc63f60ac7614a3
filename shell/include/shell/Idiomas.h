// The languages of the interface: Castilian (the language the program's texts are written in), Catalan, Galician
// and Valencian. Each is one lower-case letter; its translations are a gettext catalog "korvelix" compiled from
// data/idiomas/. Only the translations change with the language: numbers are never formatted by the process
// locale, which the program does not change.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>
#include <vector>

#include <wx/string.h>

namespace shell {

// One language command of the Idioma menu.
struct SIdiomaInterfaz {
  int comando;             // the command id
  std::string_view texto;  // the menu text (UTF-8)
  char letra;              // the interface language letter
  int posicion;            // its character in [Idioma] IdioDisp
  std::string_view catalogo;  // the folder of its catalog under the catalogs' folder ("" for Castilian)
};

inline constexpr std::array<SIdiomaInterfaz, 4> kIdiomasInterfaz{{
    {32816, "&Castellano", 'e', 0, ""},
    {32817, "Cata&lán", 'c', 1, "ca"},
    {32818, "&Gallego", 'g', 2, "gl"},
    {32819, "&Valencia", 'v', 3, "ca@valencia"},
}};

// The language of a command id or of a letter; none for anything else.
const SIdiomaInterfaz* IdiomaDeComando(int comando);
const SIdiomaInterfaz* IdiomaDeLetra(char letra);

// The state of a language command in the menu: enabled when its IdioDisp character is "1", checked when it is
// the interface language.
struct SEstadoComandoIdioma {
  bool habilitado = false;
  bool marcado = false;
};
SEstadoComandoIdioma EstadoComandoIdioma(int comando, std::string_view idioDisp, char idiomaV);

// Puts the translations of `letra` in use, from `carpetaCatalogos`, with the toolkit's own catalog (the standard
// buttons "Aceptar", "Cancelar", "Sí", "No"...) of that language. Castilian needs no catalog of the program. False
// (and the program's own Castilian texts in use) when the letter is unknown or its catalog is missing or
// unreadable.
bool CargarCatalogoIdioma(char letra, const std::filesystem::path& carpetaCatalogos);
// Sets the locale of messages only (LC_MESSAGES) to a system locale of the interface language, Castilian when the
// system has none of that language, the environment's when it has neither; the toolkit translates some of its
// standard buttons by it. Numbers never depend on it. True when a locale of the language (or Castilian) was set.
bool PonerIdiomaMensajesSistema(char letra);
// The toolkit's catalog has no translation into some interface languages: the languages read instead, in order
// (the language without its variant, then Castilian).
inline constexpr std::string_view kIdiomaToolkitCastellano = "es";
std::vector<wxString> IdiomasAlternativosToolkit(std::string_view idioma);
// The catalog file of a language (empty for Castilian and unknown letters).
std::filesystem::path RutaCatalogo(char letra, const std::filesystem::path& carpetaCatalogos);
// Drops the translations in use (end of the run).
void QuitarCatalogoIdioma();

// A text of the program (UTF-8, Castilian) in the interface language.
wxString Traduce(std::string_view texto);

}  // namespace shell
