// The findings of a declaration: what the whole-declaration check found, one row of table "Corregix" of the
// network database per declaration and message code, with the page and box that show it and its severity
// (0 a warning; 1 or more an error, which forbids printing on official paper and writing the Internet file).
// CValidador writes and erases them (Validador.h); the findings list reads them through the functions below.
//
// Fields: "clave" (the declaration key), "coderror" (the message code), "tipdecla" (always 4), "vista" (the page
// to open), "severidad", "numcontr" (the box on that page). Tag "CLAVE" on clave+coderror: the key of a finding
// is the declaration key and the code, each blank-padded to its field (57 characters).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace marco {

class CBaseDatos;
class CTabla;

inline constexpr const char* kTablaHallazgos = "Corregix";
inline constexpr const char* kOrdenHallazgos = "CLAVE";
inline constexpr int kTipoDeclaracionHallazgo = 4;

struct SHallazgo {
  std::string codigo;  // without trailing blanks
  int vista = 0;
  int numcontr = 0;
  int severidad = 0;
};

// The seek key of a finding in the open findings table.
std::string ClaveHallazgo(CTabla& tabla, std::string_view clave, std::string_view codigo);

// The findings of a declaration in code order; none when the table does not open (the table layer says why).
std::vector<SHallazgo> LeerHallazgos(CBaseDatos* baseDatos, std::string_view clave);

// One finding of a declaration: 1 found (filled in), 0 not.
int BuscarHallazgo(CBaseDatos* baseDatos, std::string_view clave, std::string_view codigo, SHallazgo& hallazgo);

}  // namespace marco
