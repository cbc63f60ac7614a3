// The exchange road: a declaration stored in one installation is exported to an exchange file ("*.ren") and
// imported into another installation, where it arrives with its data area unchanged. The declaration is put in the
// first store with the table tool, so that this road stands on its own; the file is read as bytes.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::kNif;
using e2e::LeerFichero;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "INTERCAMBIO E2E";
constexpr std::size_t kCabeceraFichero = 16;  // version (11) and count (5)
constexpr std::size_t kCabeceraDeclaracion = 68;
constexpr const char* kTituloImportacion = "^Importaci.{1,2}n de declaraciones";
constexpr const char* kTituloFicheroImportar = "^Importar$";

// The declarant's NIF: 9 characters in the slot of person 2 (1 is the family unit).
constexpr std::size_t kNifDeclarante = e2e::declaracion::kNifDeclarante;

// A D-101 declaration with a NIF and a salary in its data area.
e2e::SDeclaracionGuardada Declaracion() {
  auto d = e2e::SDeclaracionGuardada::Nueva(kClave, 1, sizeof(DatosRenta));
  d.PonerTexto(kNifDeclarante, kNif);
  e2e::declaracion::PonerSalario(d, 3000000.0);
  return d;
}

class CaminoIntercambio : public e2e::CPasoDe<CaminoIntercambio> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion()});
  }

 protected:
  std::filesystem::path Fichero() { return C().Carpeta() / "declaraciones.ren"; }

  // The index comes up at start; Esc leaves the program with no declaration open.
  ::testing::AssertionResult SinDeclaracionAbierta() {
    if (!C().VentanaDelante(titulos::kIndice, "the declaration index")) {
      return ::testing::AssertionFailure() << "no declaration index at start";
    }
    E().Tecla("Escape");
    if (!E().EsperarSinVentana(titulos::kIndice)) return ::testing::AssertionFailure() << "Esc left the index open";
    return C().PrincipalActiva();
  }

};

TEST_F(CaminoIntercambio, ExportarEscribeLaDeclaracionEnElFichero) {
  ASSERT_TRUE(SinDeclaracionAbierta());
  // "&Archivo", "&Exportar...": the tax (Renta is the first), the declarations (the only one, ticked), the file.
  ASSERT_TRUE(C().ExportarRenta(Fichero(), true));

  const std::string fichero = LeerFichero(Fichero());
  const e2e::SDeclaracionGuardada esperada = Declaracion();
  ASSERT_EQ(fichero.size(), kCabeceraFichero + kCabeceraDeclaracion + esperada.datos.size());
  EXPECT_EQ(fichero.substr(kCabeceraFichero, std::strlen(kClave)), kClave) << "the record's name";
  EXPECT_TRUE(std::memcmp(fichero.data() + kCabeceraFichero + kCabeceraDeclaracion, esperada.datos.data(),
                          esperada.datos.size()) == 0)
      << "the data area in the file differs from the stored one";
  C().Alcanzado("exportada");
}

TEST_F(CaminoIntercambio, ImportarEnOtraInstalacionTraeLaDeclaracionIgual) {
  REQUIERE_PASO(C(), "exportada");
  ASSERT_TRUE(C().ArrancarOtraInstalacion("otra")) << "the second installation did not start";
  ASSERT_TRUE(SinDeclaracionAbierta());
  // "&Archivo", "I&mportar...": the file, then the declarations in it (the only one, ticked).
  E().Tecla("alt+a");
  E().Tecla("m");
  ASSERT_TRUE(C().ElegirFichero(kTituloFicheroImportar, Fichero(), "the open dialog \"Importar\""));
  ASSERT_TRUE(C().VentanaDelante(kTituloImportacion, "the choice of declarations to import"));
  // Every declaration of the file comes ticked.
  E().Tecla("Return");
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave, [](const e2e::SDeclaracionGuardada&) { return true; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  C().CerrarAviso();
  const e2e::SDeclaracionGuardada esperada = Declaracion();
  EXPECT_EQ(fila->tipodec, esperada.tipodec);
  EXPECT_EQ(fila->Texto(kNifDeclarante, 9), kNif);
  EXPECT_TRUE(fila->datos == esperada.datos) << "the imported data area differs from the exported one";
}

}  // namespace
