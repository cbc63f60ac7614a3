// The program korvelix: one application object that hands its start and end to the shell's CProg32App.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <glib-unix.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include "shell/MainFrm.h"
#include "shell/Plantillas.h"
#include "shell/Prog32App.h"

namespace shell {
// The declaration documents of the program (PlantillasPrograma.cpp).
void RegistrarDeclaracionesPrograma(CRegistroDeclaraciones& registro);
}  // namespace shell

namespace {

// Set when this start handed over to the instance already running: the program then ends normally.
bool gEntregadaAOtraInstancia = false;

// A request to end (SIGTERM) closes the main window as the user would, from the message loop.
gboolean AlPedirFin(gpointer /*datos*/) {
  shell::CProg32App* aplicacion = shell::AplicacionPrograma();
  wxWindow* ventana = aplicacion != nullptr ? static_cast<wxWindow*>(aplicacion->DameMarcoPrincipal()) : nullptr;
  if (ventana == nullptr && wxTheApp != nullptr) ventana = wxTheApp->GetTopWindow();
  if (ventana != nullptr) {
    ventana->Close(false);
    // The closed window is deleted when the program is next idle: make sure it is.
    wxWakeUpIdle();
  } else if (wxTheApp != nullptr) {
    // Nothing left to close: the program ends.
    wxTheApp->ExitMainLoop();
  }
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
  return gEntregadaAOtraInstancia ? 0 : resultado;
}
