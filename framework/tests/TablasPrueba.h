// What the table and message tests share: a folder of their own with tables made from source text and a second
// process that holds locks.
#pragma once

#include <filesystem>

#include "CarpetaTablas.h"
#include "ProcesoAyudante.h"

namespace marco::pruebas {

using ::pruebas::CAyudante;
using ::pruebas::CCarpetaTablas;

#ifdef KORVELIX_DATOS_LOCAL
// Copies the message tables the build made (ERRORES and its language twins) into `carpeta`, so that coded messages
// are looked up there as in the program.
inline void CopiarTablasMensajes(const std::filesystem::path& carpeta) {
  std::error_code ec;
  for (const auto& entrada : std::filesystem::directory_iterator(KORVELIX_DATOS_LOCAL, ec)) {
    if (entrada.path().filename().string().rfind("ERRORES", 0) == 0) {
      std::filesystem::copy_file(entrada.path(), carpeta / entrada.path().filename(), ec);
    }
  }
}
#endif

}  // namespace marco::pruebas
