// The lookup and module tables the build ships: table by table, the rows shipped and where they come from. Each
// count is stated here and in the table's row of its document (docs/TABLAS_CONSULTA.md, docs/MODULOS.md), so a
// table that changes without its documents fails here; every language twin holds as many rows as the Castilian
// one. The heading table is checked against the extract of the tariffs it is made from.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "activities/DlgEpigrafes.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/Tabla.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace actividades {
namespace {

struct STablaEntregada {
  const char* tabla;     // the Castilian twin (the name the documents give)
  const char* gemelas;   // the language letters of its other twins, in the name's eighth place (empty: none)
  int filas;             // the rows shipped
  const char* documento;  // where the rows come from
  const char* fuente;
};

constexpr const char* kConsulta = "docs/TABLAS_CONSULTA.md";
constexpr const char* kModulos = "docs/MODULOS.md";

const STablaEntregada kTablas[] = {
    {"COMAUTOE", "CGV", 16, kConsulta, "the autonomous communities and their region codes"},
    {"Province", "cgv", 52, kConsulta, "the provinces 01-52, the first two digits of the postal codes"},
    {"DELEGACE", "CGV", 51, kConsulta, "a blank row and the delegations of the provincial capitals 01-50"},
    {"ADMINISE", "CGV", 1, kConsulta, "the one administration a public source gave a code for (28 618)"},
    {"NOMMESEE", "CGV", 13, kConsulta, "a blank row and the twelve months"},
    {"VINCESPE", "CGV", 4, kConsulta, "a blank row and the codes the family lists test"},
    {"VINESASE", "CGV", 3, kConsulta, "a blank row and the codes the family lists test"},
    {"OTRSITUE", "CGV", 4, kConsulta, "a blank row and the codes the family lists test"},
    {"TRACMINE", "CGV", 5, kConsulta, "a blank row and the keys 0-3 the calculation distinguishes"},
    {"EJERCICE", "CGV", 12, kConsulta, "a blank row and the years 1988-1998 of the interest computation"},
    {"INGDEVUE", "CGV", 3, kConsulta, "a blank row and the two directions the interest computation distinguishes"},
    {"INVCANAE", "CGV", 1, kConsulta, "the blank row only: no public text gave the keys"},
    {"ELEMPATE", "CGV", 4, kConsulta, "the four kinds of element the calculation reads"},
    {"EPIGRAFE", "CGV", 1412, kConsulta, "the tariffs of the tax on economic activities"},
    {"IAEMOD_E", "CGV", 0, kModulos, "none: the order of the modules could not be read"},
    {"EPIMOD_E", "CGV", 0, kModulos, "none"},
    {"MOD____E", "CGV", 0, kModulos, "none"},
    {"LISTAMOD", "", 0, kModulos, "none"},
    {"IRPFMOD", "", 0, kModulos, "none"},
    {"IRPFM7", "", 0, kModulos, "none"},
    {"IVAMOD", "", 0, kModulos, "none"},
    {"MAXMOD", "", 0, kModulos, "none"},
    {"MAXMOD7", "", 0, kModulos, "none"},
    {"PORMOD", "", 0, kModulos, "none"},
    {"CUOTAMIN", "", 0, kModulos, "none"},
};

std::string LeerFichero(const std::string& ruta) {
  std::ifstream f(ruta);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

// The rows of a built table that are not deleted; -1 when it does not open.
int FilasDe(marco::CBaseDatos& base, const std::string& tabla) {
  if (!base.ExisteTabla(tabla)) return -1;
  marco::CTabla t(&base);
  if (t.Abrir(1, {}, tabla) == 0) return -1;
  plataforma::CTablaRegistros* filas = t.Registros();
  int n = 0;
  for (filas->Primero(); !filas->FinDeFichero(); filas->Saltar(1)) ++n;
  return n;
}

// The number of rows a document's table gives for a table: the cell after the one that names it ("| `DELEGACE` |
// 51 | ..."); -1 when the document has no such row.
int FilasEnDocumento(const std::string& texto, const std::string& tabla) {
  const std::regex fila("^\\| `" + tabla + "`[^|]*\\| *([0-9]+) *\\|", std::regex::multiline);
  std::smatch m;
  if (!std::regex_search(texto, m, fila)) return -1;
  return std::stoi(m[1].str());
}

TEST(TablasEntregadas, CadaTablaTieneLasFilasQueDicenSusDocumentos) {
  marco::CGuionMensajes guion;
  marco::CBaseDatos base;
  base.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  std::map<std::string, std::string> documentos;
  for (const STablaEntregada& t : kTablas) {
    SCOPED_TRACE(t.tabla);
    EXPECT_EQ(FilasDe(base, t.tabla), t.filas) << t.fuente;
    for (const char* l = t.gemelas; *l != '\0'; ++l) {
      EXPECT_EQ(FilasDe(base, marco::NombreTablaIdioma(t.tabla, *l)), t.filas) << "twin " << *l;
    }
    if (documentos.count(t.documento) == 0) {
      documentos[t.documento] = LeerFichero(std::string(KORVELIX_RAIZ) + "/" + t.documento);
    }
    EXPECT_EQ(FilasEnDocumento(documentos[t.documento], t.tabla), t.filas)
        << t.documento << " does not state the rows of " << t.tabla;
    std::cout << t.tabla << ": " << t.filas << " rows (" << t.fuente << "; " << t.documento << ")\n";
  }
  EXPECT_TRUE(guion.Codigos().empty());
}

// The heading table holds every division, grouping, group and heading of the extract of the tariffs, section by
// section: as many headings as the text has "Epígrafe" lines, with those the amending laws of the extract add
// (a law that renames a title adds no row; the group the text suppresses is not a row unless a law gives it again;
// a group or grouping a law gives anew ("%% SUSTITUYE") has the headings of its new wording only).
TEST(TablasEntregadas, LosEpigrafesSonLosDelTexto) {
  const std::string extracto = LeerFichero(std::string(KORVELIX_RAIZ) + "/data/tablas/fuentes/TARIFAS_IAE.md");
  ASSERT_FALSE(extracto.empty());
  const std::regex titulo(
      "^(«)?(## DIVISIÓN|### Agrupación|Agrupación|###### Grupo|Grupo|(### )?GRUPO|Ep(í|i)grafe) "
      "([0-9]{1,3}(\\.[0-9])?)[.:]?( |$)");
  std::map<std::pair<std::string, std::string>, int> codigos;  // (section, code without its point) -> digits
  std::pair<std::string, std::string> ultimo;
  std::string seccion;
  int lineasTexto = 0;  // the "Epígrafe" lines of the text of 1993 (its first block)
  int bloques = 0;
  std::istringstream entrada(extracto);
  for (std::string linea; std::getline(entrada, linea);) {
    if (linea.rfind("%% FUENTE ", 0) == 0) ++bloques;
    if (linea.rfind("%% SECCION ", 0) == 0) seccion = linea.substr(11, 1);
    if (linea.rfind("%% SUSTITUYE ", 0) == 0) {
      const std::string raiz = linea.substr(13);
      std::erase_if(codigos, [&](const auto& c) {
        return c.first.first == seccion && c.first.second.rfind(raiz, 0) == 0;
      });
    }
    if (linea.rfind("# SECCIÓN PRIMERA", 0) == 0) seccion = "1";
    if (linea.rfind("# SECCIÓN SEGUNDA", 0) == 0) seccion = "2";
    if (linea.rfind("# SECCIÓN TERCERA", 0) == 0) seccion = "3";
    if (linea == "**(Suprimido)**") codigos.erase(ultimo);
    std::smatch m;
    if (!std::regex_search(linea, m, titulo)) continue;
    std::string codigo = m[5].str();
    if (codigo.size() == 5) codigo.erase(3, 1);
    ultimo = {seccion, codigo};
    codigos[ultimo] = static_cast<int>(codigo.size());
    if (codigo.size() == 4 && bloques == 1) ++lineasTexto;
  }
  std::map<int, int> lineas;
  for (const auto& [llave, cifras] : codigos) ++lineas[cifras];
  marco::CBaseDatos base;
  base.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  const CTablaEpigrafes tabla = CTablaEpigrafes::Leer(&base, 'e');
  std::map<int, int> filas;
  int total = 0;
  for (const char* seccion : {"1", "2", "3"}) {
    for (const SEpigrafe& e : tabla.DeSeccion(seccion)) {
      ++filas[static_cast<int>(e.codigo.size())];
      ++total;
    }
  }
  std::cout << "extract: " << lineasTexto << " \"Epígrafe\" lines in the text of 1993, " << lineas[4]
            << " headings with the " << bloques - 1 << " amending laws, " << lineas[3] << " groups, " << lineas[2]
            << " groupings, " << lineas[1] << " divisions\n"
            << "table EPIGRAFE: " << filas[4] << " headings, " << filas[3] << " groups, " << filas[2]
            << " groupings, " << filas[1] << " divisions, " << total << " rows\n";
  EXPECT_EQ(filas[4], lineas[4]);
  EXPECT_EQ(filas[3], lineas[3]);
  EXPECT_EQ(filas[2], lineas[2]);
  EXPECT_EQ(filas[1], lineas[1]);
  EXPECT_EQ(lineasTexto, 828);
  EXPECT_GE(filas[4], lineasTexto);
  // A search for 659.4 in the business section finds its heading text; the same code is not a heading of the
  // professionals; a three-digit professional group is found in its own section.
  EXPECT_EQ(plataforma::RecortaDerecha(tabla.Buscar("1", "6594 ")),
            "659.4 Comercio al por menor de libros, peri\xF3" "dic");
  EXPECT_EQ(tabla.Buscar("2", "6594 ").front(), ' ');
  EXPECT_EQ(plataforma::RecortaDerecha(tabla.Buscar("2", "731  ")), "731 Abogados");
  EXPECT_EQ(plataforma::RecortaDerecha(tabla.Buscar("3", "051  ")), "051 Matadores de toros");
}

}  // namespace
}  // namespace actividades
