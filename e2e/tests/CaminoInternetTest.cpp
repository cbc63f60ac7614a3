// The Internet filing road: a D-101 declaration stored in an earlier session is opened from the index and filed
// from the menu ("&Archivo", "Generar &fichero para Internet..."): the notice is accepted, the file's path typed in
// the file dialog, and the file is read as bytes. A new, empty declaration is refused by the check before any file
// exists. The declaration is put in the store with the table tool, so that the road stands on its own (the
// delegation and administration boxes of page 1 take their codes from lookup lists).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "income/RentaReglas.h"
#include "income/RentaValidacion.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::kNif;
using e2e::LeerFichero;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "INTERNET E2E";
constexpr const char* kClaveVacia = "INTERNET VACIA";
constexpr const char* kTituloConfirmacion = titulos::kConfirmacionInternet;
constexpr const char* kTituloFichero = titulos::kFicheroInternet;
constexpr const char* kTituloProgreso = "^Generando el fichero de internet$";

// A D-101 declaration of a single declarant, ready to file: delegation and administration, NIF, name and
// surname, and a salary with its withholding.
e2e::SDeclaracionGuardada Declaracion() {
  auto d = e2e::SDeclaracionGuardada::Nueva(kClave, 1, sizeof(DatosRenta));
  e2e::declaracion::PonerOficinas(d, "28MADRID", "280MADRID CENTRO");
  e2e::declaracion::PonerDeclarante(d, kNif);
  e2e::declaracion::PonerSalario(d, 3000000.0, 450000.0);
  return d;
}

// The check the program runs before filing finds no error in the stored declaration.
::testing::AssertionResult SinErrores(const e2e::SDeclaracionGuardada& d) {
  DatosRenta datos{};
  std::memcpy(&datos, d.datos.data(), sizeof datos);
  renta::SContextoValidacion contexto;
  contexto.sujeto = marco::kSujetoDeclarante;
  contexto.presentacionInternet = true;
  contexto.tipoDec = 1;
  std::string errores;
  for (const marco::SHallazgo& h : renta::ReglasDeclaracion(datos, contexto)) {
    if (h.severidad >= 1) errores += " " + h.codigo;
  }
  if (errores.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the road's declaration has errors:" << errores;
}

class CaminoInternet : public e2e::CPasoDe<CaminoInternet> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion()});
  }

 protected:
  std::filesystem::path Fichero() { return C().Carpeta() / "presentacion" / "KVXINET"; }

  // "&Archivo", "Generar &fichero para Internet...".
  void OrdenPresentar() { C().OrdenDelMenu("a", "f"); }
};

TEST_F(CaminoInternet, LaDeclaracionGuardadaSeAbreDesdeElIndice) {
  ASSERT_TRUE(SinErrores(Declaracion()));
  ASSERT_TRUE(C().AbrirDesdeIndice(kClave));
  C().Alcanzado("abierta");
}

TEST_F(CaminoInternet, LaAyudaDelDialogoDelFicheroDiceQueNoHayFicheroDeAyuda) {
  REQUIERE_PASO(C(), "abierta");
  C().TraerPrincipal();
  C().OrdenDelMenu("a", "f");
  ASSERT_TRUE(C().VentanaDelante(titulos::kConfirmacionInternet, "the notice before filing"));
  E().Tecla("Return");
  ASSERT_TRUE(C().VentanaDelante(kTituloFichero, "the file dialog of the filing"));
  // "Ay&uda": no help file is installed, and the message says so; the dialog stays.
  E().Tecla("alt+u");
  ASSERT_TRUE(C().VentanaDelante("^AYUDA$", "the message that there is no help file"));
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarSinVentana("^AYUDA$"));
  ASSERT_TRUE(C().VentanaDelante(kTituloFichero, "the file dialog again, after the help"));
  // Cancelled, nothing is written.
  E().Tecla("Escape");
  ASSERT_TRUE(E().EsperarSinVentana(kTituloFichero));
  EXPECT_FALSE(std::filesystem::exists(Fichero()));
}

TEST_F(CaminoInternet, ElMenuGeneraElFicheroParaInternet) {
  REQUIERE_PASO(C(), "abierta");
  std::filesystem::create_directories(Fichero().parent_path());
  ASSERT_TRUE(C().GenerarFicheroInternet(Fichero()));
  EXPECT_TRUE(E().EsperarSinVentana(kTituloProgreso)) << "the progress window stayed";

  // One line per written page, each ending in CR LF; the first is page 1 of model 101, first sheet.
  const std::string fichero = LeerFichero(Fichero());
  ASSERT_GE(fichero.size(), 8u);
  EXPECT_EQ(fichero.substr(0, 6), "10101 ") << fichero.substr(0, 40);
  const std::size_t fin = fichero.find("\r\n");
  ASSERT_NE(fin, std::string::npos) << "the first line has no CR LF";
  // Its fields in the order and widths of page 1 (docs/PAGINAS.md): delegation code (2) and name (18),
  // administration code (3) and name (18), the N.I.F. (9), two codes of 9, the surnames and the name (15 each).
  const std::string primera = fichero.substr(0, fin);
  ASSERT_GE(primera.size(), 119u) << primera;
  EXPECT_EQ(primera.substr(6, 2), "28") << primera.substr(0, 60);
  EXPECT_EQ(primera.substr(47, 9), kNif) << primera.substr(0, 60);
  EXPECT_EQ(primera.substr(74, 15), "PEREZ          ") << primera.substr(0, 120);
  EXPECT_EQ(primera.substr(104, 15), "JUAN           ") << primera.substr(0, 120);
  // Page 2 holds the salary: its line is there, and the money pay is one of its fields.
  const std::size_t pagina2 = fichero.find("\r\n10102 ");
  ASSERT_NE(pagina2, std::string::npos) << "no line of page 2";
  const std::size_t finPagina2 = fichero.find("\r\n", pagina2 + 2);
  EXPECT_NE(fichero.substr(pagina2, finPagina2 - pagina2).find("000003000000"), std::string::npos)
      << "the salary is not in the line of page 2";
  // No temporary file is left beside it.
  int nombres = 0;
  for (const auto& e : std::filesystem::directory_iterator(Fichero().parent_path())) {
    ++nombres;
    EXPECT_EQ(e.path().filename(), "KVXINET");
  }
  EXPECT_EQ(nombres, 1);
  C().Alcanzado("presentada");
}

TEST_F(CaminoInternet, UnaDeclaracionConErroresNoDejaFichero) {
  REQUIERE_PASO(C(), "abierta");
  const std::filesystem::path otro = C().Carpeta() / "vacia" / "KVXINET";
  std::filesystem::create_directories(otro.parent_path());
  ASSERT_TRUE(C().Programa().Vivo()) << "the program ended";
  ASSERT_TRUE(E().EsperarVentana(titulos::kPrincipal)) << "no main window";
  // A new declaration (Ctrl+N, the name, "&Alta") with only the personal data of its wizard.
  E().Tecla("ctrl+n");
  ASSERT_TRUE(C().AltaDesdeIndice(kClaveVacia));
  ASSERT_TRUE(C().AsistenteDeclaranteSolo("12"));
  OrdenPresentar();
  // The check finds errors (no NIF, no name...): the findings list, whose "Escribir" cannot be pressed.
  ASSERT_TRUE(C().VentanaDelante(titulos::kHallazgos, "the findings list in file mode"));
  E().Tecla("Escape");
  EXPECT_TRUE(E().EsperarSinVentana(titulos::kHallazgos));
  EXPECT_TRUE(E().Ventanas(kTituloConfirmacion).empty()) << "filing went on past the errors";
  EXPECT_TRUE(E().Ventanas(kTituloFichero).empty()) << "filing asked for a file past the errors";
  EXPECT_FALSE(std::filesystem::exists(otro));
}

}  // namespace
