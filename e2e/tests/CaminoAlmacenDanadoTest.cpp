// The road of a damaged store: the program starts on a store of six declarations with a page of garbage in it (a
// page of one declaration's data). The damage is said in front, before anything else; the index lists the
// declarations by name; the damaged one is named when it is opened and does not open; an intact one opens with
// its data and exports whole; a new declaration is not offered; nothing is ever written into the store; and
// "Salir" ends the program. Which declaration the garbage fell on is found out when the road is prepared, reading
// the store as the program's record engine rescues it.
//
// A second road starts and ends the program twenty times, each time from its index to "Salir", and starts it a
// second time while it runs: the running one comes to the front and the second ends at once.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "income/RentaReglas.h"
#include "platform/Registros.h"
#include "platform/Texto.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::LeerFichero;
namespace titulos = e2e::titulos;

constexpr const char* kTituloAlmacen = "^ALMAC";             // the damaged-store message (ALM006)
constexpr const char* kTituloDeclaracion = "^DECLARACI";     // the damaged-declaration message (ALM007)
constexpr std::size_t kCabeceraFichero = 16;  // version (11) and count (5)
constexpr std::size_t kCabeceraDeclaracion = 68;
// The D-101 page 1 and its NIF box.
constexpr int kPaginaIdentificacion = 101;
constexpr const char* kIdCasillaNif = "ZDNID";


// Six D-101 declarations in name order, each with a NIF of its own and its data area filled with its own byte.
const std::vector<std::string> kNombres = {"ANA E2E", "BEA E2E", "CARLOS E2E", "DAVID E2E", "ELENA E2E", "FELIX E2E"};
const std::vector<std::string> kNifs = {"11111111H", "22222222J", "33333333P", "44444444A", "55555555K", "66666666Q"};

e2e::SDeclaracionGuardada Declaracion(std::size_t i) {
  auto d = e2e::SDeclaracionGuardada::Nueva(kNombres[i], 1, sizeof(DatosRenta));
  d.PonerTexto(e2e::declaracion::kNifDeclarante, kNifs[i]);
  // A salary, so the data area is more than its NIF.
  e2e::declaracion::PonerSalario(d, 1000000.0 * static_cast<double>(i + 1));
  return d;
}

// What the road learns when it prepares the store.
struct SPreparacion {
  std::string bytes;      // the damaged store as the program finds it
  int danada = -1;        // the declaration whose data the garbage fell on
  std::string problema;   // why the preparation failed, if it did
};

SPreparacion& Preparacion() {
  static SPreparacion p;
  return p;
}

// The store made with the table tool, one page in its middle overwritten with garbage, and the declaration that
// lost its data found as the record engine rescues the file.
void PrepararAlmacenDanado(const e2e::CKorvelix& programa) {
  SPreparacion& p = Preparacion();
  std::vector<e2e::SDeclaracionGuardada> declaraciones;
  for (std::size_t i = 0; i < kNombres.size(); ++i) declaraciones.push_back(Declaracion(i));
  if (!programa.PrepararAlmacen(declaraciones, p.problema)) return;
  p.bytes = LeerFichero(programa.Almacen());
  const std::size_t pagina = p.bytes.size() / 4096 / 2;
  std::mt19937 azar(4747);
  for (std::size_t i = 0; i < 4096; ++i) p.bytes[pagina * 4096 + i] = static_cast<char>(azar());
  std::ofstream(programa.Almacen(), std::ios::binary | std::ios::trunc) << p.bytes;
  auto t = plataforma::CTablaRegistros::Abrir(programa.Almacen(), {}, 1, &p.problema, nullptr, 5000,
                                               plataforma::EApertura::Rescate);
  if (!t) return;
  int danadas = 0;
  for (bool hay = t->Primero(); hay; hay = t->Saltar(1)) {
    if (!t->FilaDanada()) continue;
    ++danadas;
    const std::string clave(plataforma::RecortaDerecha(t->LeerTexto("clave")));
    const auto it = std::find(kNombres.begin(), kNombres.end(), clave);
    if (it != kNombres.end()) p.danada = static_cast<int>(it - kNombres.begin());
  }
  if (danadas != 1 || p.danada < 0) p.problema = "the garbage did not fall on exactly one declaration's data";
}

class CaminoAlmacenDanado : public e2e::CPasoDe<CaminoAlmacenDanado> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return [](const e2e::CKorvelix& programa) {
      PrepararAlmacenDanado(programa);
      if (!Preparacion().problema.empty()) ADD_FAILURE() << Preparacion().problema;
    };
  }

 protected:
  static int Danada() { return Preparacion().danada; }
  // The first declaration that is not the damaged one.
  static int Sana() { return Danada() == 0 ? 1 : 0; }
  std::filesystem::path Fichero() { return C().Carpeta() / "rescatada.ren"; }

  // In the index (its list has the focus, on the first row), the row of declaration `i` is chosen and opened.
  void ElegirEnIndice(int i) {
    for (int vez = 0; vez < i; ++vez) E().Tecla("Down");
    E().Tecla("alt+s");
  }

  ::testing::AssertionResult AlmacenIntacto() {
    if (LeerFichero(C().Programa().Almacen()) == Preparacion().bytes) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the damaged store was written";
  }
};

TEST_F(CaminoAlmacenDanado, ElAlmacenDanadoSeDiceDelanteAlArrancar) {
  ASSERT_TRUE(Preparacion().problema.empty()) << Preparacion().problema;
  // Before the index: the message that the store is damaged, in front, with the focus.
  ASSERT_TRUE(C().VentanaDelante(kTituloAlmacen, "the damaged-store message")) << "no message at start";
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarSinVentana(kTituloAlmacen)) << "Enter did not close the message";
  ASSERT_TRUE(C().VentanaDelante(titulos::kIndice, "the declaration index"));
  C().Alcanzado("avisado");
}

TEST_F(CaminoAlmacenDanado, LaDeclaracionDanadaSeNombraYNoSeAbre) {
  REQUIERE_PASO(C(), "avisado");
  ElegirEnIndice(Danada());
  ASSERT_TRUE(C().VentanaDelante(kTituloDeclaracion, "the message that names the damaged declaration"))
      << kNombres[static_cast<std::size_t>(Danada())] << " did not say it is damaged";
  E().Tecla("Return");
  EXPECT_TRUE(E().EsperarSinVentana(kTituloDeclaracion));
  EXPECT_TRUE(C().PrincipalActiva());
  EXPECT_TRUE(E().Ventanas(titulos::kIndice).empty());
  C().Alcanzado("nombrada");
}

TEST_F(CaminoAlmacenDanado, UnaDeclaracionSanaSeAbreConSusDatos) {
  REQUIERE_PASO(C(), "nombrada");
  // "Abrir declaración" (Ctrl+O): the index again, listing every declaration by name.
  ASSERT_TRUE(E().Tecla("ctrl+o"));
  ASSERT_TRUE(C().VentanaDelante(titulos::kIndice, "the declaration index"));
  ElegirEnIndice(Sana());
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kIndice)) << "the index did not open the declaration";
  ASSERT_TRUE(C().PrincipalActiva());
  ASSERT_TRUE(C().IrACasilla(kPaginaIdentificacion, kIdCasillaNif));
  ASSERT_TRUE(C().CasillaActivaMuestra(kNifs[static_cast<std::size_t>(Sana())], "the NIF box", e2e::Recortado));
  C().Alcanzado("abierta");
}

TEST_F(CaminoAlmacenDanado, LaDeclaracionAbiertaSeExportaEntera) {
  REQUIERE_PASO(C(), "abierta");
  // "&Archivo", "&Exportar": the tax (Renta), the declarations (the open one comes ticked), the file.
  ASSERT_TRUE(C().ExportarRenta(Fichero(), false));

  const std::string fichero = LeerFichero(Fichero());
  const e2e::SDeclaracionGuardada esperada = Declaracion(static_cast<std::size_t>(Sana()));
  ASSERT_EQ(fichero.size(), kCabeceraFichero + kCabeceraDeclaracion + esperada.datos.size());
  EXPECT_EQ(fichero.substr(kCabeceraFichero, esperada.clave.size()), esperada.clave);
  EXPECT_TRUE(std::memcmp(fichero.data() + kCabeceraFichero + kCabeceraDeclaracion, esperada.datos.data(),
                          esperada.datos.size()) == 0)
      << "the exported data area differs from the stored one";
  EXPECT_TRUE(AlmacenIntacto());
  C().Alcanzado("exportada");
}

TEST_F(CaminoAlmacenDanado, NoSeOfreceUnaDeclaracionNueva) {
  REQUIERE_PASO(C(), "exportada");
  // "Nueva declaración" (Ctrl+N): the index with the name box; a name typed and "&Alta" make nothing.
  ASSERT_TRUE(E().Tecla("ctrl+n"));
  ASSERT_TRUE(C().VentanaDelante(titulos::kIndice, "the declaration index"));
  E().Escribir("NUEVA E2E");
  E().Tecla("alt+a");
  EXPECT_FALSE(E().EsperarVentana(titulos::kAsistente, 3s)) << "\"&Alta\" made a new declaration";
  EXPECT_FALSE(E().Ventanas(titulos::kIndice).empty()) << "\"&Alta\" closed the index";
  E().Tecla("Escape");
  EXPECT_TRUE(E().EsperarSinVentana(titulos::kIndice));
  EXPECT_TRUE(AlmacenIntacto());
  C().Alcanzado("sin alta");
}

TEST_F(CaminoAlmacenDanado, SalirTerminaElProceso) {
  REQUIERE_PASO(C(), "sin alta");
  ASSERT_TRUE(C().PrincipalActiva());
  // "&Archivo", "&Salir".
  C().OrdenDelMenu("a", "s");
  const std::optional<int> estado = C().Programa().EsperarFin(5s);
  ASSERT_TRUE(estado.has_value()) << "the program still runs 5 s after \"&Archivo\", \"&Salir\"";
  EXPECT_TRUE(WIFEXITED(*estado) && WEXITSTATUS(*estado) == 0) << "wait status " << *estado;
  EXPECT_TRUE(AlmacenIntacto());
}

class CaminoArranquesYSalidas : public e2e::CPasoDe<CaminoArranquesYSalidas> {};

TEST_F(CaminoArranquesYSalidas, UnSegundoArranqueTraeDelanteElPrimero) {
  // The program as a person runs it: the one instance of its folders.
  ASSERT_TRUE(C().ArrancarOtraInstalacion("una", true));
  ASSERT_TRUE(C().VentanaDelante(titulos::kIndice, "the declaration index"));
  E().Tecla("Escape");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kIndice));
  ASSERT_TRUE(C().PrincipalActiva());
  // The window put away (minimised), then the program started again on the same folders: the second start ends
  // at once, and the running one is back in front.
  const auto principal = E().EsperarVentana(titulos::kPrincipal);
  ASSERT_TRUE(principal);
  ASSERT_TRUE(E().Herramienta({"xdotool", "windowminimize", principal->id}).Bien());
  ASSERT_TRUE(e2e::EsperarHasta([&] { return !E().VentanaActiva() || E().VentanaActiva()->id != principal->id; }, 5s))
      << "the main window could not be put away";
  const e2e::SResultado segundo = C().Programa().ArrancarOtraVez(20s);
  EXPECT_EQ(segundo.estado, 0) << "the second start did not end at once: " << segundo.errores;
  EXPECT_TRUE(E().EsperarActiva(principal->id)) << "the running program did not come to the front";
  EXPECT_TRUE(C().Programa().Vivo());
}

TEST_F(CaminoArranquesYSalidas, UnaOpcionMalEscritaSeDiceYElProgramaTermina) {
  // A mistyped profile option: the program would otherwise run on the default profile and store.
  ASSERT_TRUE(C().ArrancarOtraInstalacion("opcion", false, {"--perfl=/tmp/otro.ini"}));
  ASSERT_TRUE(C().VentanaDelante("^Opci.{1,2}n desconocida$", "the message that names the unknown option"));
  EXPECT_TRUE(E().Ventanas(titulos::kIndice).empty()) << "the program started anyway";
  E().Tecla("Return");
  const std::optional<int> estado = C().Programa().EsperarFin(10s);
  ASSERT_TRUE(estado.has_value()) << "the program still runs after the message";
  EXPECT_TRUE(WIFEXITED(*estado));
  EXPECT_NE(WEXITSTATUS(*estado), 0) << "a refused start ends with a status that says so";
  // What it said names the option (the program's output keeps it too).
  EXPECT_NE(e2e::LeerFichero(C().Programa().Salida()).find("--perfl=/tmp/otro.ini"), std::string::npos);
  // The program ended before it wrote anything: no profile was made.
  EXPECT_FALSE(std::filesystem::exists(C().Programa().Carpeta() / "KORVELIX.INI"));
}

TEST_F(CaminoArranquesYSalidas, VeinteVecesSalirTerminaEnCincoSegundos) {
  int terminadas = 0;
  for (int vez = 1; vez <= 20; ++vez) {
    SCOPED_TRACE("start " + std::to_string(vez));
    ASSERT_TRUE(C().ArrancarOtraInstalacion("vez" + std::to_string(vez)));
    ASSERT_TRUE(C().VentanaDelante(titulos::kIndice, "the declaration index"));
    E().Tecla("Escape");
    ASSERT_TRUE(E().EsperarSinVentana(titulos::kIndice));
    ASSERT_TRUE(C().PrincipalActiva());
    C().OrdenDelMenu("a", "s");
    const std::optional<int> estado = C().Programa().EsperarFin(5s);
    EXPECT_TRUE(estado.has_value()) << "the program still runs 5 s after \"&Archivo\", \"&Salir\"";
    if (estado) ++terminadas;
    EXPECT_FALSE(C().Programa().EnListaDeProcesos());
  }
  EXPECT_EQ(terminadas, 20);
}

}  // namespace
