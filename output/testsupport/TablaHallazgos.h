// For the tests that store findings: the source of the findings table (Corregix, the store's schema) with the rows
// given, one "declaration|code|form|page|severity|box" a line; and that table made in a folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/TablaTexto.h"

namespace pruebas {

inline std::string FuenteTablaHallazgos(std::string_view filas) {
  return std::string("TABLA Corregix\n"
                     "CAMPO clave     C 50\n"
                     "CAMPO coderror  C 7\n"
                     "CAMPO tipdecla  N 2 0\n"
                     "CAMPO vista     N 4 0\n"
                     "CAMPO severidad N 2 0\n"
                     "CAMPO numcontr  N 4 0\n"
                     "ETIQUETA CLAVE clave+coderror\n"
                     "FILAS\n") +
         std::string(filas);
}

// The findings table with `filas` made in `carpeta` (made too): false with the reason when it could not be.
inline bool CrearTablaHallazgos(const std::filesystem::path& carpeta, std::string_view filas, std::string& error) {
  plataforma::CFuenteTabla fuente;
  if (!plataforma::LeeFuenteTabla(FuenteTablaHallazgos(filas), fuente, error)) return false;
  std::filesystem::create_directories(carpeta);
  return plataforma::CreaTablaDeFuente(fuente, carpeta / "Corregix.DBF", error);
}

}  // namespace pruebas
