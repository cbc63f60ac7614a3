// A window manager on the test's display, as a person's desktop has one: it decides which window gets the keyboard
// when a window comes up (without one, the toolkit hands the focus over by itself, and a window that would never
// get the keyboard on a desktop gets it in the test). Started when the display has none and ended with this
// object; a test skips what needs it when openbox is not installed.
#pragma once

#include <sys/types.h>

namespace pruebas {

class CGestorVentanas {
 public:
  CGestorVentanas();
  ~CGestorVentanas();
  CGestorVentanas(const CGestorVentanas&) = delete;
  CGestorVentanas& operator=(const CGestorVentanas&) = delete;

  // True while a window manager runs on the display (this one's or another already there).
  bool Listo() const { return m_bListo; }

 private:
  pid_t m_pid = -1;
  bool m_bListo = false;
};

// Whether a window manager has put its mark on the display's root window.
bool HayGestorVentanas();

}  // namespace pruebas
