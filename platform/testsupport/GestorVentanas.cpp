#include "GestorVentanas.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/utils.h>

#include <chrono>

namespace pruebas {

namespace {

bool gErrorX = false;
int AnotarErrorX(Display*, XErrorEvent*) {
  gErrorX = true;
  return 0;
}

// The window that property `marca` of `ventana` names; None when there is none (or the window is gone).
Window VentanaDePropiedad(Display* d, Window ventana, Atom marca) {
  Atom tipo = None;
  int formato = 0;
  unsigned long n = 0;
  unsigned long resto = 0;
  unsigned char* datos = nullptr;
  gErrorX = false;
  XSync(d, False);
  XErrorHandler anterior = XSetErrorHandler(AnotarErrorX);
  const int r = XGetWindowProperty(d, ventana, marca, 0, 1, False, XA_WINDOW, &tipo, &formato, &n, &resto, &datos);
  XSync(d, False);
  XSetErrorHandler(anterior);
  Window w = None;
  if (!gErrorX && r == Success && tipo == XA_WINDOW && n == 1 && datos != nullptr) {
    w = *reinterpret_cast<Window*>(datos);
  }
  if (datos != nullptr) XFree(datos);
  return w;
}

}  // namespace

// A manager that ended leaves its mark on the root window: only a mark whose window still names itself counts.
bool HayGestorVentanas() {
  Display* d = wxGetX11Display();
  if (d == nullptr) return false;
  const Atom marca = XInternAtom(d, "_NET_SUPPORTING_WM_CHECK", True);
  if (marca == None) return false;
  const Window w = VentanaDePropiedad(d, DefaultRootWindow(d), marca);
  return w != None && VentanaDePropiedad(d, w, marca) == w;
}

CGestorVentanas::CGestorVentanas() {
  if (wxTheApp == nullptr) return;
  if (HayGestorVentanas()) {
    m_bListo = true;
    return;
  }
  const pid_t padre = getpid();
  m_pid = fork();
  if (m_pid == 0) {
    // The manager dies with the test process, also when that one is killed.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != padre) _exit(1);
    const int nulo = open("/dev/null", O_WRONLY);
    if (nulo >= 0) {
      dup2(nulo, STDOUT_FILENO);
      dup2(nulo, STDERR_FILENO);
    }
    execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
    _exit(127);
  }
  if (m_pid < 0) {
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
