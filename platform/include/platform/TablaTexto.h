// Tables as text: the source format the build makes the program's tables from and the dump of a table file.
// The format is described in docs/TABLAS.md; the text is UTF-8, the table holds Windows-1252.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/EsquemaTabla.h"

namespace plataforma {

struct CFilaFuente {
  bool borrada = false;
  // One value per field as the table keeps it: Windows-1252 text, the bytes of a B field.
  std::vector<std::string> valores;
  int linea = 0;
};

struct CFuenteTabla {
  std::string nombre;
  std::vector<CCampoTabla> campos;
  std::vector<CEtiquetaTabla> etiquetas;
  std::vector<CFilaFuente> filas;
};

// Reads a source text; on a fault gives false and "line N: what" in `error`.
bool LeeFuenteTabla(std::string_view utf8, CFuenteTabla& fuente, std::string& error);

// The source text of a table (comments are not kept; everything else reads back the same).
std::string EscribeFuenteTabla(const CFuenteTabla& fuente);

// Builds the table file from a source, replacing any file of that name only once the new one is complete.
bool CreaTablaDeFuente(const CFuenteTabla& fuente, const std::filesystem::path& fichero, std::string& error);

// Reads a whole table file, deleted rows included, in record order.
bool LeeTablaComoFuente(const std::filesystem::path& fichero, CFuenteTabla& fuente, std::string& error);

}  // namespace plataforma
