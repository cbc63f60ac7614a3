// The application: start-up and shutdown, the single running instance, the two databases, the interface language
// and its switch at run time, and the one open declaration. The program's wxWidgets application object owns one
// and forwards its start (InitInstance) and end (ExitInstance) to it; tests drive one directly.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Comandos.h"
#include "shell/PerfilPrograma.h"
#include "shell/Plantillas.h"

class wxDocManager;
class wxTimer;
class wxWindow;

namespace plataforma {
class CPerfil;
}

namespace marco {
class CProg32Doc;
}

namespace shell {

class CMainFrame;
class CInstanciaUnica;

// What the command line (or a test) may change about start-up.
struct SOpcionesArranque {
  std::filesystem::path ejecutable;     // the program's path: the program's folders are found beside it
  std::filesystem::path perfil;         // empty: <XDG config>/korvelix/KORVELIX.INI
  std::filesystem::path datosUsuario;   // empty: <XDG data>/korvelix
  std::filesystem::path datosPrograma;  // empty: beside the program
  std::filesystem::path catalogos;      // empty: beside the program
  bool instanciaUnica = true;           // another running instance is brought forward and this one ends
  bool abrirAlArrancar = true;          // start-up ends with File Open
  bool mostrarIntroduccion = true;      // the introduction screen, unless the profile turned it off
  std::vector<std::string> desconocidas;  // the options of the command line the program does not know
};

// Reads the options of the command line: --perfil=FILE, --datos-usuario=DIR, --datos-programa=DIR,
// --catalogos=DIR, --varias-instancias, --sin-abrir, --sin-introduccion (a start with --sin-abrir shows no
// introduction screen either: nothing waits for the user). Anything else is an option the program does not know:
// it goes to `desconocidas` (and to `errores` when given), and start-up then says so and ends (InitInstance).
SOpcionesArranque LeerOpciones(const std::vector<std::string>& argumentos, std::vector<std::string>* errores = nullptr);

// Fixed texts of start-up.
inline constexpr std::string_view kTextoFalloRed = "Imposible inicializar la Base de Datos de RED";
inline constexpr std::string_view kTextoFalloLocal = "Imposible inicializar la Base de Datos LOCAL";
inline constexpr std::string_view kTextoFalloIdioma = "No se ha podido cargar el catálogo de idioma.";
inline constexpr std::string_view kTextoFalloCambioIdioma = " ¡¡¡ NO SE PUDO CAMBIAR EL IDIOMA !!! ";
inline constexpr std::string_view kTextoYaEnMarcha =
    "Korvelix ya se está ejecutando y no se ha podido traer su ventana al frente.";
// An option of the command line the program does not know: the options in place of "%s", then the program ends.
inline constexpr std::string_view kTextoOpcionDesconocida =
    "La orden de arranque lleva una opción que el programa no conoce: %s\nEl programa termina sin abrirse.";
inline constexpr std::string_view kTituloOpcionDesconocida = "Opción desconocida";
// The exit status of a start refused for an unknown option.
inline constexpr int kSalidaOpcionDesconocida = 2;
// The text of kTextoOpcionDesconocida for `opciones` (joined by ", ").
std::string TextoOpcionDesconocida(const std::vector<std::string>& opciones);
inline constexpr std::string_view kTextoSinDeclaraciones =
    "Esta versión del programa todavía no incluye los tipos de declaración: no hay declaraciones que abrir.";

// The coded message of help: no help file ships with the program.
inline constexpr std::string_view kMensajeSinAyuda = "AYUDA01";

class CProg32App {
 public:
  explicit CProg32App(SOpcionesArranque opciones);
  ~CProg32App();
  CProg32App(const CProg32App&) = delete;
  CProg32App& operator=(const CProg32App&) = delete;

  // Start-up: the single instance, the profile and the language, the templates, the main frame, the databases,
  // then File Open. Nonzero to run the message loop; 0 to end the program (after any message).
  int InitInstance();
  // Shutdown: the main frame (if still there) goes, the templates and documents go, the databases are no longer
  // handed out, the translations are dropped. Its result is the exit code (0).
  int ExitInstance();

  // 0 when another instance is running (it has been asked to come forward), 1 otherwise.
  int ActivarInstanciaPrevia();
  // 1 when both databases are open, 0 after the message that names the one that failed.
  int AbrirBasesDatos();
  // Puts the translations of the interface language (IdiomaV) in use; a missing catalog shows a message and the
  // program goes on in Castilian. 1 loaded, 0 not.
  int CargarCatalogoIdioma();
  // The introduction screen, modal, unless the options or the profile ([Inicio] Introduccion "FALSE") say no.
  void MostrarIntroduccion();
  // The open declaration document, or none.
  marco::CProg32Doc* DameDocumentoActivo() const;
  // 1 when no declaration is open any more, 0 when closing was refused.
  int CerrarDeclaraciones();
  // The findings list of the open declaration (its command "Estado de la Declaración", and before printing):
  // modal over the main window; a finding's row leads to its page and box. The list's result.
  int MostrarHallazgos(marco::CProg32Doc& documento, bool modoFichero = false);
  // Switches the interface (and printing) language to `letra`: closes the declaration, rebuilds the main window
  // in the new language and reopens the declaration.
  void CambiarIdioma(char letra);

  // File New (flag 1) and File Open (flag 0): the declaration index dialog, then the opening.
  void ElegirDeclaracion(int nueva);
  // Runs the declaration index dialog after closing the open declaration: the kind (3, 0) or -1.
  int PedirDeclaracion(int& nueva, std::string& clave, std::string& segundoTexto);
  // Opens the declaration `clave` in the template of its kind (3 wealth tax, else income tax).
  void AbrirDeclaracion(const std::string& clave, int tipo, const std::string& segundoTexto, int nueva);

  // True when start-up ended because another instance was running and was asked to come forward.
  bool DameOtraInstanciaActivada() const { return m_bOtraInstanciaActivada; }
  // Start-up refused an option of the command line it does not know (after saying so).
  bool DameOpcionDesconocida() const { return m_bOpcionDesconocida; }
  CMainFrame* DameMarcoPrincipal() const { return m_pMarco; }
  wxDocManager* DameGestorDocumentos() const { return m_pGestor.get(); }
  plataforma::CPerfil& Perfil() { return *m_pPerfil; }
  const SCarpetasPrograma& Carpetas() const { return m_carpetas; }
  const SOpcionesArranque& Opciones() const { return m_opciones; }
  // The help file of the interface language (kept for when help is shown; there is no help viewer yet).
  const std::string& DameRutaAyuda() const { return m_rutaAyuda; }
  // Help on a context number (F1, "Ayuda" of a box's menu, the help menu, a dialog's help): no help file ships with
  // the program, and the coded message AYUDA01 says so.
  void MostrarAyuda(int contexto);
  // The calculator, modal over `padre`: the figure of its "Aceptar" when `conCasilla` (a box takes it), none
  // otherwise. Its memory lives in the profile.
  std::optional<std::string> AbrirCalculadora(wxWindow* padre, bool conCasilla);

  // The main frame tells the application it is going: its close was accepted (the window is about to go, even if
  // the toolkit deletes it only later), or it was deleted. Either ends the program: the dialogs that run a loop of
  // their own are ended, and the end of the message loop is asked for until it ends, so that no hidden window or
  // nested loop keeps the process alive.
  void MarcoCerrado(CMainFrame* marco);
  void MarcoDestruido(CMainFrame* marco);

 private:
  // Makes the document manager and the registered templates on it.
  void RegistrarPlantillas();
  // Makes, shows and publishes a new main frame; false when it cannot be made.
  bool CrearMarcoPrincipal();
  // On first run, makes the user's store from the program's empty network tables (never over a file that exists).
  void PrepararAlmacenUsuario();
  void ActualizarRutaAyuda();
  // Lends the declaration documents what they need of the main frame (the section bar, the caption), and the boxes
  // and pages the calculator and help.
  void PonerServiciosDocumento();
  // Asks the program's message loop to end, again every moment until it has.
  void PedirFin();

  SOpcionesArranque m_opciones;
  SCarpetasPrograma m_carpetas;
  std::unique_ptr<plataforma::CPerfil> m_pPerfil;
  std::unique_ptr<CInstanciaUnica> m_pInstancia;
  std::unique_ptr<wxDocManager> m_pGestor;
  CMainFrame* m_pMarco = nullptr;  // owned by wxWidgets as a top-level window
  std::string m_rutaAyuda;
  bool m_bCatalogoCargado = false;
  bool m_bOtraInstanciaActivada = false;
  bool m_bOpcionDesconocida = false;
  // The main window's close was accepted: it cannot come forward for another start any more.
  bool m_bMarcoCerrado = false;
  // Asks the message loop to end again and again once the main window has gone.
  std::unique_ptr<wxTimer> m_pFin;
  // Work queued for the message loop asks this whether the application is still there.
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

// The application of the running program (null in tests that make none).
CProg32App* AplicacionPrograma();
void PonerAplicacionPrograma(CProg32App* aplicacion);

// Ends the dialogs that run a loop of their own (as with Cancel); true when there was one.
bool TerminarDialogosModales();

}  // namespace shell
