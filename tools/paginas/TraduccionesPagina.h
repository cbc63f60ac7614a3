// The page texts in Catalan, Galician and Valencian. A page source writes its texts in Castilian and may write a
// language's own text on a line of its own (docs/PAGINAS.md); every other translation lives in one gettext catalog
// per language, data/idiomas/paginas/<language>.po, whose msgid is the Castilian text as the source writes it. So
// a text repeated on many pages is translated once, and a new page needs only the catalog entries of its new
// texts. A text written in the source for a language wins over the catalog.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "FuentePagina.h"

namespace paginas {

// Castilian text -> translation, both Windows-1252. Entries marked fuzzy and empty translations are left out.
using CCatalogo = std::map<std::string, std::string>;

// Reads a catalog (UTF-8 .po). On a fault: false and "<origen>: línea N: what" in `error`.
bool LeeCatalogo(std::string_view utf8, const std::string& origen, CCatalogo& catalogo, std::string& error);

// The catalog's file name for a language letter (c, g, v): "ca.po", "gl.po", "ca@valencia.po"; empty for 'e'.
std::string FicheroCatalogo(char idioma);

// Gives every text of the pages that has no text of its own for language `idioma` (1..3) the catalog's
// translation of its Castilian text, checking the same limits the source's own lines have. On a fault: false and
// the reason.
bool AplicaCatalogo(std::vector<CPagina>& paginas, int idioma, const CCatalogo& catalogo, std::string& error);

// The texts of the pages that lack a translation into some language, one line each:
// "<source>: línea N: falta c g: <Castilian text>". Empty when every text is in the four languages.
std::vector<std::string> TextosSinTraducir(const std::vector<CPagina>& paginas);

// Every Castilian text of the pages once, in the order the sources write them, as a gettext template (UTF-8).
std::string PlantillaTextos(const std::vector<CPagina>& paginas);

}  // namespace paginas
