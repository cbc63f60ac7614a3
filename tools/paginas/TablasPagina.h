// The tables made from the page sources: the box definitions "ControlX" and their language twins, the page
// catalogue "Paginasx" and its twins. Rows go in key order (page id, then box number), so a dump lists a page's
// boxes in box-number order.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "FuentePagina.h"
#include "platform/TablaTexto.h"

namespace paginas {

// A table name with its 8th character replaced by the language letter ("ControlX" -> "Controle").
std::string NombreGemela(const std::string& tabla, char idioma);

// "%4d": the page id and box number as the keys of the tables hold them.
std::string Clave4(int numero);

plataforma::CFuenteTabla TablaControles(const std::vector<CPagina>& paginas);
plataforma::CFuenteTabla TablaControlesIdioma(const std::vector<CPagina>& paginas, int idioma);
plataforma::CFuenteTabla TablaPaginas(const std::vector<CPagina>& paginas);
plataforma::CFuenteTabla TablaPaginasIdioma(const std::vector<CPagina>& paginas, int idioma);

// Every table of the pages, layout first and then its twins in the order of the languages.
std::vector<plataforma::CFuenteTabla> TablasDePaginas(const std::vector<CPagina>& paginas);

// Builds the tables (`<carpeta>/<name>.DBF`) and the pictures (one per page and language) of prepared pages.
// With `fuentes`, also writes each table's text source (`<name>.txt`) for review. On a fault: false and the reason.
bool ConstruyePaginas(const std::vector<CPagina>& paginas, const std::filesystem::path& carpeta, bool fuentes,
                      std::string& error);

}  // namespace paginas
