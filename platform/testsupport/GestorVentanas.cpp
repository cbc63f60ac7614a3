#include "GestorVentanas.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/utils.h>

#include <chrono>

extern char** environ;

namespace pruebas {

bool HayGestorVentanas() {
  Display* d = wxGetX11Display();
  if (d == nullptr) return false;
  const Atom marca = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
  if (marca == None) return false;
  Atom tipo = None;
  int formato = 0;
  unsigned long n = 0;
  unsigned long resto = 0;
  unsigned char* datos = nullptr;
  const int r = XGetWindowProperty(d, DefaultRootWindow(d), marca, 0, 1, False, XA_WINDOW, &tipo, &formato, &n,
                                   &resto, &datos);
  if (datos != nullptr) XFree(datos);
  return r == Success && tipo == XA_WINDOW && n == 1;
}

CGestorVentanas::CGestorVentanas() {
  if (wxTheApp == nullptr) return;
  if (HayGestorVentanas()) {
    m_bListo = true;
    return;
  }
  posix_spawn_file_actions_t acciones;
  posix_spawn_file_actions_init(&acciones);
  posix_spawn_file_actions_addopen(&acciones, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&acciones, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  char programa[] = "openbox";
  char opcion[] = "--sm-disable";
  char* argumentos[] = {programa, opcion, nullptr};
  const int r = posix_spawnp(&m_pid, programa, &acciones, nullptr, argumentos, environ);
  posix_spawn_file_actions_destroy(&acciones);
  if (r != 0) {
    m_pid = -1;
    return;
  }
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!HayGestorVentanas() && std::chrono::steady_clock::now() < limite) {
    if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
      m_pid = -1;
      return;
    }
    wxMilliSleep(20);
  }
  m_bListo = HayGestorVentanas();
}

CGestorVentanas::~CGestorVentanas() {
  if (m_pid <= 0) return;
  kill(m_pid, SIGTERM);
  for (int i = 0; i < 100 && waitpid(m_pid, nullptr, WNOHANG) == 0; ++i) wxMilliSleep(10);
  if (waitpid(m_pid, nullptr, WNOHANG) == 0) {
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
  }
  // The toolkit learns that the manager is gone before the next test's windows come up.
  if (wxTheApp != nullptr) {
    for (int i = 0; i < 5; ++i) wxTheApp->Yield(true);
  }
}

}  // namespace pruebas
