// One road a person takes through the program: a private desktop, the program with its own folders, and the
// person's moves at the level the roads speak of (wait for a window, bring it forward, walk to a box, read a box's
// text through the clipboard). The steps of a road are GoogleTest tests of one suite that share one CCamino, built
// by the suite and torn down with it, so every process it started ends with the road, also when a step fails.
//
// Each step that fails leaves a picture of the screen, the list of windows and the program's output in the road's
// folder (<build>/e2e/salida/<road>/), and prints where they are.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Escritorio.h"
#include "Korvelix.h"
#include "Paginas.h"

namespace e2e {

// The NIF the roads give their declarant (a valid one).
inline constexpr const char* kNif = "12345678Z";

// Titles of the windows the roads wait for (extended regular expressions, matched without regard to case).
namespace titulos {
inline constexpr const char* kPrincipal = "^Korvelix";
inline constexpr const char* kIndice = "ndice de Declaraciones";
inline constexpr const char* kAsistente = "^DATOS FAMILIARES AL 31/12/1999";
inline constexpr const char* kTrabajo = "RENDIMIENTOS DEL TRABAJO";
inline constexpr const char* kIrAPagina = "^Ir a p";
inline constexpr const char* kImprimir = "^Imprimir$";
inline constexpr const char* kAviso = "^ATENCI";
inline constexpr const char* kHallazgos = "^Avisos y errores";
inline constexpr const char* kDescendientes = "^HIJOS Y OTROS DESCENDIENTES SOLTEROS";
inline constexpr const char* kConfirmacionInternet = "^Presentaci.{1,2}n por Internet$";
inline constexpr const char* kFicheroInternet = "^Generar el fichero para Internet$";
inline constexpr const char* kExportacion = "^Exportaci.{1,2}n de declaraciones";
inline constexpr const char* kFicheroExportar = "^Exportar$";
inline constexpr const char* kCalculadora = "^Calculadora$";
inline constexpr const char* kAyuda = "^AYUDA$";
}  // namespace titulos

class CCamino {
 public:
  // `antesDeArrancar`, when given, prepares the program's folders (e.g. a store of declarations) before it starts.
  explicit CCamino(const std::string& nombre, std::function<void(const CKorvelix&)> antesDeArrancar = {});
  ~CCamino();

  // Ends the program and starts it again with new, empty folders in `subcarpeta` of the road's folder (another
  // installation on the same desktop), as the one instance of them with `unaInstancia`; false when it could not
  // start.
  bool ArrancarOtraInstalacion(const std::string& subcarpeta, bool unaInstancia = false,
                               const std::vector<std::string>& otras = {});

  CEscritorio& Escritorio() { return *m_pEscritorio; }
  CKorvelix& Programa() { return *m_pPrograma; }
  const std::filesystem::path& Carpeta() const { return m_carpeta; }
  // Empty when the desktop and the program are up; else why not.
  const std::string& ErrorArranque() const { return m_errorArranque; }

  // Marks a step as reached, and asks whether an earlier one was: later steps that need it fail at once, naming
  // it, instead of waiting for windows that cannot come.
  void Alcanzado(const std::string& paso) { m_pasos.insert(paso); }
  bool HaAlcanzado(const std::string& paso) const { return m_pasos.count(paso) != 0; }

  // Waits for the window and checks that it came to the front with the focus, as a person expects of a window that
  // opens for them. When it stayed behind, the failure is recorded (not fatal) and the window is brought forward
  // the way a person would, with a click on it, so that the road can go on.
  std::optional<SVentana> VentanaDelante(const std::string& patron, const std::string& queEs,
                                         std::chrono::milliseconds plazo = kPlazoVentana);

  // Presses Tab `veces` times.
  bool Tabular(int veces);
  // On page `pagina` (its source), from box `desde` with the focus to box `hasta`, with Tab.
  ::testing::AssertionResult TabularEntre(int pagina, int desde, int hasta);

  // ---- the clipboard ----
  // The text of the box that has the focus, as the box itself copies it (Home, Shift+End, Ctrl+C); none when
  // nothing reached the clipboard.
  std::optional<std::string> TextoCasillaActiva();
  // The box that has the focus (`queEs` names it in a failure) shows `esperado`: its text as it stands, or as
  // `lectura` reads it (Digitos: an amount's digits, without its thousands separators; Recortado: without the
  // blanks around it).
  ::testing::AssertionResult CasillaActivaMuestra(const std::string& esperado, const std::string& queEs,
                                                  const std::function<std::string(const std::string&)>& lectura = {});
  // The whole text of the control that has the focus (Ctrl+A, Ctrl+C: a list, a summary, a multi-line box); none
  // when nothing reached the clipboard.
  std::optional<std::string> TextoCompleto();
  // An amount typed into the box a holder box hands the focus on to, as a person who checks what the box took:
  // the holder's box hands the focus on when the program is free to, so digits typed ahead of that are refused
  // there; `cifras` is typed again over what the box holds until its text has those digits.
  ::testing::AssertionResult TeclearImporteTrasTitular(const std::string& cifras);
  // In the work-income dialog, the payer row that has the focus: its holder `titular` (a person's letter: D the
  // declarant, C the spouse), its money pay `cifras` (TeclearImporteTrasTitular) and, after Tab, its withholding
  // `retencion`; the focus stays on the withholding.
  ::testing::AssertionResult TeclearPagador(const std::string& titular, const std::string& cifras,
                                            const std::string& retencion);

  // The page source of a page of the program.
  std::optional<CPaginaFuente> Pagina(int pagina) const;

  // ---- the moves the roads share ----
  // The main window up and with the focus.
  ::testing::AssertionResult PrincipalActiva();
  // A new declaration from the index: its name typed into "Declaración:", which has the focus, and "&Alta"; the
  // personal data wizard comes to the front.
  ::testing::AssertionResult AltaDesdeIndice(const std::string& clave);
  // A new wealth-tax declaration from the index: its name, "&Patrimonio", "&Alta"; the index closes and the main
  // window, with the declaration's first page, has the focus.
  ::testing::AssertionResult AltaPatrimonioDesdeIndice(const std::string& clave);
  // The personal data wizard of a new declaration answered for a declarant alone: single, no children, born in
  // 1960, community `comunidad` (its code); "Aplicar" closes it.
  ::testing::AssertionResult AsistenteDeclaranteSolo(const std::string& comunidad);
  // A stored declaration opened from the index: its name typed (none: the one selected), "&Seleccionar"; the
  // index closes and the main window has the focus.
  ::testing::AssertionResult AbrirDesdeIndice(const std::string& clave = {});
  // Goes to page `numero` of the open declaration with the go-to-page command (Ctrl+I).
  ::testing::AssertionResult IrAPagina(int numero);
  // From the box that has the focus when page `pagina` opens, walks to the box with identifier `id`; the boxes
  // before it for which `pasaDeLargo` holds take no focus now (e.g. those a rule has locked).
  ::testing::AssertionResult IrACasilla(int pagina, const std::string& id,
                                        const std::function<bool(const SCasillaPagina&)>& pasaDeLargo = {});
  // The same to box number `numero`.
  ::testing::AssertionResult IrACasilla(int pagina, int numero);
  // On page `pagina`, from the box it opens on, the office codes typed as a person does: `delegacion` into box
  // `casillaDelegacion`, `administracion` into box `casillaAdministracion` (after it), and Tab to leave it (each
  // office is looked up as its code box is left).
  ::testing::AssertionResult TeclearOficina(int pagina, int casillaDelegacion, const std::string& delegacion,
                                            int casillaAdministracion, const std::string& administracion);
  // The main window brought forward, as a click on it does (a window that just closed may have left it behind).
  void TraerPrincipal();
  // An entry of the main window's menus by its keys: Alt and the menu's letter, then the entry's letter.
  void OrdenDelMenu(const std::string& menu, const std::string& entrada);
  // "&Declaración", "&Estado de la Declaración": the check runs and the findings list comes to the front.
  std::optional<SVentana> EstadoDeLaDeclaracion();
  // A double click on the first finding of the findings list in front, which takes the person to its box; the
  // pointer then rests in the screen's corner again. False when the list is not up or did not close.
  ::testing::AssertionResult IrAlPrimerHallazgo();
  // Waits (10 s) until the findings stored for declaration `clave` satisfy `condicion`; gives the last ones read,
  // and in `motivo` why none could be read.
  std::vector<SHallazgoGuardado> EsperarHallazgos(
      const std::string& clave, const std::function<bool(const std::vector<SHallazgoGuardado>&)>& condicion,
      std::string& motivo);
  // From the print dialog in front: "Fichero PDF:" with the path `pdf` typed, "Aceptar"; the notice after printing
  // closed with "&Aceptar"; the file waited for (30 s).
  ::testing::AssertionResult ImprimirEnPdf(const std::filesystem::path& pdf);
  // Prints the open declaration to the PDF file `pdf` (Ctrl+P): the findings the check shows first are passed with
  // "&Imprimir" when they are only warnings; in the print dialog the PDF output is chosen, its path typed and
  // "Aceptar" pressed; the notice after the run is closed; the file exists. `cerradaPorErrores`, when given, is set
  // when an error among the findings kept the print dialog closed (the findings list is closed then).
  ::testing::AssertionResult ImprimirDeclaracionEnPdf(const std::filesystem::path& pdf, bool* cerradaPorErrores = nullptr);
  // "&Archivo", "Generar &fichero para Internet...": the notice is accepted, `fichero` typed in the file dialog;
  // the file exists.
  ::testing::AssertionResult GenerarFicheroInternet(const std::filesystem::path& fichero);
  // A file dialog titled `titulo` in front: the whole path `fichero` typed into it, and Enter (again, as a person
  // does, while the first only closed the completion of the path).
  ::testing::AssertionResult ElegirFichero(const char* titulo, const std::filesystem::path& fichero,
                                           const std::string& queEs);
  // The program's notice after an operation, if any: closed with Enter until the main window is in front.
  void CerrarAviso();
  // "&Archivo", "&Exportar": income tax chosen, the declarations as the list offers them (with `marcarPrimera`,
  // the first ticked), the file `fichero`; waits for the file and closes the notice.
  ::testing::AssertionResult ExportarRenta(const std::filesystem::path& fichero, bool marcarPrimera);
  // Waits (10 s) until the stored row of declaration `clave` satisfies `condicion`; gives the last row read,
  // which the caller checks field by field, and in `motivo` why none could be read.
  std::optional<SDeclaracionGuardada> EsperarGuardada(const std::string& clave,
                                                      const std::function<bool(const SDeclaracionGuardada&)>& condicion,
                                                      std::string& motivo);

  // Keeps the screen, the windows and the program's output for a failed step; gives the picture's path.
  std::filesystem::path GuardarFallo(const std::string& paso);

 private:
  // The keys that copy a text (the last one Ctrl+C), then the clipboard's text once it has one (3 s).
  std::optional<std::string> Copiar(const std::vector<std::string>& teclas);

  std::filesystem::path m_carpeta;
  std::unique_ptr<CEscritorio> m_pEscritorio;
  std::unique_ptr<CKorvelix> m_pPrograma;
  std::string m_errorArranque;
  std::set<std::string> m_pasos;
};

// The base of the steps of a road: a failed step leaves its picture; a road whose desktop could not start fails
// every step with the reason.
class CPasoCamino : public ::testing::Test {
 protected:
  virtual CCamino* CaminoActual() = 0;
  void SetUp() override;
  void TearDown() override;
};

// The steps of road `Camino` (the suite's own class, which derives from this one): the road's CCamino, named after
// the suite, lives from the suite's SetUpTestSuite to its end. A road that prepares the program's folders before
// the program starts (a store of declarations: ConAlmacen) says how in its own static AntesDeArrancar().
template <typename Camino>
class CPasoDe : public CPasoCamino {
 public:
  static void SetUpTestSuite() {
    Estado() = std::make_unique<CCamino>(::testing::UnitTest::GetInstance()->current_test_suite()->name(),
                                         Camino::AntesDeArrancar());
  }
  static void TearDownTestSuite() { Estado().reset(); }
  static std::function<void(const CKorvelix&)> AntesDeArrancar() { return {}; }

 protected:
  static std::unique_ptr<CCamino>& Estado() {
    static std::unique_ptr<CCamino> camino;
    return camino;
  }
  CCamino* CaminoActual() override { return Estado().get(); }
  CCamino& C() { return *Estado(); }
  CEscritorio& E() { return C().Escritorio(); }
};

// What a road that starts on a store of declarations gives CCamino: the store made with `declaraciones` before the
// program starts (a failure to make it fails the road).
std::function<void(const CKorvelix&)> ConAlmacen(std::vector<SDeclaracionGuardada> declaraciones);
// The whole of a file the program wrote (empty when it cannot be read).
std::string LeerFichero(const std::filesystem::path& ruta);

// The digits of a box's text (amounts show thousands separators).
std::string Digitos(const std::string& texto);
// A stored or copied text without the blanks, line ends and zero bytes around it.
std::string Recortado(std::string texto);

// The folder where roads keep what they leave (the build's e2e/salida unless KORVELIX_E2E_SALIDA says otherwise).
std::filesystem::path CarpetaSalida();

// The errors among stored findings, as " code (page, box)" each; empty when there is none.
std::string Errores(const std::vector<SHallazgoGuardado>& hallazgos);

// Pages of a PDF file (pdfinfo); none when it cannot be read.
std::optional<int> PaginasPdf(const std::filesystem::path& pdf);
// The text of one page of a PDF file as its reader lays it out (pdftotext -layout); none when it cannot be read.
std::optional<std::string> TextoPaginaPdf(const std::filesystem::path& pdf, int pagina);
// Renders one page of a PDF file as a PNG (pdftoppm) at `ppp` dots per inch.
bool PaginaPdfComoPng(const std::filesystem::path& pdf, int pagina, int ppp, const std::filesystem::path& png);
// The PDF417 symbols of one page of a PDF file (rendered at 300 dots per inch into `png`), read by the independent
// reader of the tests and joined in their sequence's order; empty when there is none or the sequence is not whole.
std::vector<std::uint8_t> SimbolosPdf417(const std::filesystem::path& pdf, int pagina, const std::filesystem::path& png);

}  // namespace e2e

// A step that needs an earlier one: fails at once, naming it, when that step was not reached.
#define REQUIERE_PASO(camino, paso)                                                               \
  do {                                                                                            \
    if (!(camino).HaAlcanzado(paso)) GTEST_FAIL() << "needs the step \"" << (paso) << "\", which failed"; \
  } while (0)
