// Window tests: the test binary's main starts one wxWidgets application object for the whole run.
#pragma once

namespace pruebas {

// True when a display is reachable (tests that need windows run under xvfb-run).
bool HayPantalla();

// For a window test's first line: true when windows can be made; otherwise the test should return (skipped on a
// developer's machine without a display, failed in CI).
bool ExigirPantalla();

// Lets the windows handle what is pending: `vueltas` rounds of the event loop, 10 ms apart.
void Esperar(int vueltas = 30);

}  // namespace pruebas

// Leaves the current test when there is no display: skipped outside CI, failed in CI.
#define REQUIERE_PANTALLA()                   \
  do {                                        \
    if (!::pruebas::ExigirPantalla()) {       \
      GTEST_SKIP() << "no display";           \
    }                                         \
  } while (0)
