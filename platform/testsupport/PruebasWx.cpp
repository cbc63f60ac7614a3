#include "PruebasWx.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <clocale>
#include <cstdlib>

namespace pruebas {
namespace {
bool gPantalla = false;

class CAppPruebas : public wxApp {
 public:
  bool OnInit() override { return true; }
};
}  // namespace

bool HayPantalla() { return gPantalla; }

void Esperar(int vueltas) {
  for (int i = 0; i < vueltas; ++i) {
    if (wxTheApp != nullptr) wxTheApp->Yield(true);
    wxMilliSleep(10);
  }
}

bool ExigirPantalla() {
  if (gPantalla) return true;
  // In CI a missing display is a failure, not a reason to skip.
  if (std::getenv("CI") != nullptr) ADD_FAILURE() << "no display: run the tests under xvfb-run";
  return false;
}

}  // namespace pruebas

// The application object exists for the whole run; without a display, window tests skip themselves.
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  int wxArgc = 1;
  char* wxArgv[] = {argv[0], nullptr};
  const bool hayDisplay = std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr;
  if (hayDisplay) {
    // wxWidgets owns the application object from here on and deletes it in wxEntryCleanup.
    wxApp::SetInstance(new pruebas::CAppPruebas());
    if (wxEntryStart(wxArgc, wxArgv)) pruebas::gPantalla = wxTheApp->CallOnInit();
  }
  // wxWidgets sets the locale from the environment; numbers must never depend on it, so tests keep "C".
  std::setlocale(LC_NUMERIC, "C");
  const int resultado = RUN_ALL_TESTS();
  if (wxTheApp != nullptr) {
    if (pruebas::gPantalla) wxTheApp->OnExit();
    wxEntryCleanup();
  }
  return resultado;
}
