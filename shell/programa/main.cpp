// The program korvelix: one application object that hands its start and end to the shell's CProg32App.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <glib-object.h>
#include <glib-unix.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/toplevel.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include "PartesPrograma.h"
#include "shell/MainFrm.h"
#include "shell/Plantillas.h"
#include "shell/Prog32App.h"

namespace {

// Set when this start handed over to the instance already running: the program then ends normally.
bool gEntregadaAOtraInstancia = false;
// Set when start-up refused an option of the command line: the program ends with kSalidaOpcionDesconocida.
bool gOpcionDesconocida = false;

// How often a request to end looks again whether a menu or a dialog is still in the way (ms).
constexpr guint kPausaCierre = 100;

// What the toolkit under wxWidgets offers that wxWidgets does not: the widget that holds the pointer grab (an open
// menu holds it) and the closing of a menu. Looked up in the toolkit the program already runs on.
struct SMenusToolkit {
  void* (*grabActual)() = nullptr;  // gtk_grab_get_current
  GType (*tipoMenu)() = nullptr;    // gtk_menu_shell_get_type
  void (*cancelar)(void*) = nullptr;  // gtk_menu_shell_cancel
};

const SMenusToolkit& MenusToolkit() {
  static const SMenusToolkit funciones = [] {
    SMenusToolkit f;
    f.grabActual = reinterpret_cast<void* (*)()>(dlsym(RTLD_DEFAULT, "gtk_grab_get_current"));
    f.tipoMenu = reinterpret_cast<GType (*)()>(dlsym(RTLD_DEFAULT, "gtk_menu_shell_get_type"));
    f.cancelar = reinterpret_cast<void (*)(void*)>(dlsym(RTLD_DEFAULT, "gtk_menu_shell_cancel"));
    return f;
  }();
  return funciones;
}

// Closes a menu that is open; true when there was one.
bool CerrarMenuAbierto() {
  const SMenusToolkit& f = MenusToolkit();
  if (f.grabActual == nullptr || f.tipoMenu == nullptr || f.cancelar == nullptr) return false;
  void* grab = f.grabActual();
  if (grab == nullptr || g_type_check_instance_is_a(static_cast<GTypeInstance*>(grab), f.tipoMenu()) == FALSE) {
    return false;
  }
  f.cancelar(grab);
  return true;
}

// Closes the main window as the user would, once only the program's own loop runs (a menu or a dialog holding a
// loop of its own would be left running over a window that is gone). Tried again until it can be done.
gboolean CerrarCuandoSePueda(gpointer /*datos*/) {
  if (wxTheApp == nullptr) return G_SOURCE_REMOVE;
  const bool habiaMenu = CerrarMenuAbierto();
  const bool habiaDialogo = shell::TerminarDialogosModales();
  wxEventLoopBase* activo = wxEventLoopBase::GetActive();
  // Nor while the program repaints its windows in the middle of an operation (waiting for a busy store).
  if (habiaMenu || habiaDialogo || (activo != nullptr && (activo != wxTheApp->GetMainLoop() || activo->IsYielding()))) {
    return G_SOURCE_CONTINUE;
  }
  shell::CProg32App* aplicacion = shell::AplicacionPrograma();
  wxWindow* ventana = aplicacion != nullptr ? static_cast<wxWindow*>(aplicacion->DameMarcoPrincipal()) : nullptr;
  if (ventana == nullptr) ventana = wxTheApp->GetTopWindow();
  if (ventana != nullptr) {
    // The user may still keep the program (a changed declaration, Cancel): then nothing more happens.
    ventana->Close(false);
    // The closed window is deleted when the program is next idle: make sure it is.
    wxWakeUpIdle();
  } else {
    // Nothing left to close: the program ends.
    wxTheApp->ExitMainLoop();
  }
  return G_SOURCE_REMOVE;
}

// A request to end (SIGTERM): open menus and dialogs are left, then the main window closes.
gboolean AlPedirFin(gpointer /*datos*/) {
  g_timeout_add(kPausaCierre, CerrarCuandoSePueda, nullptr);
  return G_SOURCE_CONTINUE;
}

class CAplicacionKorvelix : public wxApp {
 public:
  bool OnInit() override {
    std::vector<std::string> argumentos;
    for (int i = 0; i < argc; ++i) argumentos.push_back(argv[i].utf8_string());
    m_pAplicacion = std::make_unique<shell::CProg32App>(shell::LeerOpciones(argumentos));
    shell::PonerAplicacionPrograma(m_pAplicacion.get());
    if (m_pAplicacion->InitInstance() != 0) {
      g_unix_signal_add(SIGTERM, AlPedirFin, nullptr);
      return true;
    }
    gEntregadaAOtraInstancia = m_pAplicacion->DameOtraInstanciaActivada();
    gOpcionDesconocida = m_pAplicacion->DameOpcionDesconocida();
    m_pAplicacion.reset();
    return false;
  }

  int OnExit() override {
    int resultado = 0;
    if (m_pAplicacion) resultado = m_pAplicacion->ExitInstance();
    m_pAplicacion.reset();
    shell::PonerAplicacionPrograma(nullptr);
    return resultado != 0 ? resultado : wxApp::OnExit();
  }

 private:
  std::unique_ptr<shell::CProg32App> m_pAplicacion;
};

}  // namespace

int main(int argc, char** argv) {
  // The windowing toolkit aborts the process when there is no display; say so plainly instead.
  const char* x11 = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if ((x11 == nullptr || *x11 == '\0') && (wayland == nullptr || *wayland == '\0')) {
    std::fputs("korvelix: no graphical display is available (DISPLAY is not set).\n", stderr);
    return 1;
  }
  shell::RegistrarDeclaracionesPrograma(shell::RegistroDeclaraciones());
  wxApp::SetInstance(new CAplicacionKorvelix());  // wxWidgets owns it and deletes it at the end
  const int resultado = wxEntry(argc, argv);
  if (gOpcionDesconocida) return shell::kSalidaOpcionDesconocida;
  return gEntregadaAOtraInstancia ? 0 : resultado;
}
