#include "Teclado.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <wx/app.h>
#include <wx/defs.h>
#include <wx/toplevel.h>
#include <wx/utils.h>
#include <wx/window.h>

#include <chrono>
#include <cstdlib>
#include <iostream>

namespace recorrido {

namespace {

// The program's own connection to the display: the keys go through it, so a round trip on it answers only after
// the display made their events and queued them for the program.
Display* Pantalla() { return wxGetX11Display(); }

void Sincronizar() {
  if (Display* d = Pantalla()) XSync(d, False);
}

bool HayPendiente() { return wxTheApp->Pending() || wxTheApp->HasPendingEvents(); }

bool HayTraza() {
  static const bool traza = std::getenv("KORVELIX_RECORRIDO_TRAZA") != nullptr;
  return traza;
}

// The key symbol of a wxWidgets key code or a typed character.
KeySym Simbolo(int tecla) {
  switch (tecla) {
    case WXK_TAB: return XK_Tab;
    case WXK_RETURN: return XK_Return;
    case WXK_ESCAPE: return XK_Escape;
    case WXK_BACK: return XK_BackSpace;
    case WXK_DELETE: return XK_Delete;
    case WXK_HOME: return XK_Home;
    case WXK_END: return XK_End;
    case WXK_UP: return XK_Up;
    case WXK_DOWN: return XK_Down;
    case WXK_LEFT: return XK_Left;
    case WXK_RIGHT: return XK_Right;
    case ' ': return XK_space;
    case ',': return XK_comma;
    case '.': return XK_period;
    case '-': return XK_minus;
    default: break;
  }
  if (tecla >= 'A' && tecla <= 'Z') return XK_a + (tecla - 'A');
  if (tecla >= 'a' && tecla <= 'z') return XK_a + (tecla - 'a');
  if (tecla >= '0' && tecla <= '9') return XK_0 + (tecla - '0');
  return NoSymbol;
}

void Tecla(KeySym simbolo, bool abajo) {
  Display* d = Pantalla();
  if (d == nullptr || simbolo == NoSymbol) return;
  const KeyCode codigo = XKeysymToKeycode(d, simbolo);
  if (codigo != 0) XTestFakeKeyEvent(d, codigo, abajo ? True : False, CurrentTime);
}

// Presses and releases a key with its modifiers, without waiting.
void Enviar(int tecla, int modificadores) {
  if ((modificadores & wxMOD_SHIFT) != 0) Tecla(XK_Shift_L, true);
  if ((modificadores & wxMOD_ALT) != 0) Tecla(XK_Alt_L, true);
  if ((modificadores & wxMOD_CONTROL) != 0) Tecla(XK_Control_L, true);
  Tecla(Simbolo(tecla), true);
  Tecla(Simbolo(tecla), false);
  if ((modificadores & wxMOD_CONTROL) != 0) Tecla(XK_Control_L, false);
  if ((modificadores & wxMOD_ALT) != 0) Tecla(XK_Alt_L, false);
  if ((modificadores & wxMOD_SHIFT) != 0) Tecla(XK_Shift_L, false);
  if (Display* d = Pantalla()) XFlush(d);
}

void MoverA(int x, int y) {
  if (Display* d = Pantalla()) {
    XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    XFlush(d);
  }
}

// Whether a window of the program holds the keyboard: the window manager gives it back to the window under a
// window that went (a message, a list's drop-down) in its own time, and a key sent before goes nowhere.
bool TecladoEnElPrograma() {
  wxWindow* foco = wxWindow::FindFocus();
  if (foco == nullptr) return false;
  auto* superior = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(foco));
  return superior != nullptr && superior->IsActive();
}

}  // namespace

void Asentar() {
  Sincronizar();
  // Two quiet rounds in a row: what one round queued (a later activation, a window destroyed at idle) runs too.
  int quietas = 0;
  const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (quietas < 2 && std::chrono::steady_clock::now() < limite) {
    wxTheApp->Yield(true);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
    Sincronizar();
    if (HayPendiente()) {
      quietas = 0;
    } else {
      ++quietas;
    }
  }
}

bool EsperarHasta(const std::function<bool()>& hecho, int milisegundos) {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(milisegundos);
  while (!hecho()) {
    if (std::chrono::steady_clock::now() >= limite) return false;
    Asentar();
    wxMilliSleep(2);
  }
  return true;
}

void Pulsar(int tecla, int modificadores) {
  if (!TecladoEnElPrograma()) EsperarHasta(TecladoEnElPrograma, 1000);
  Enviar(tecla, modificadores);
  Asentar();
  if (HayTraza()) {
    wxWindow* foco = wxWindow::FindFocus();
    std::cerr << "      key " << tecla << (modificadores != 0 ? "+mod" : "") << " -> focus "
              << (foco != nullptr ? wxString(foco->GetClassInfo()->GetClassName()).utf8_string() : std::string("none"))
              << " " << (foco != nullptr ? foco->GetId() : 0) << "\n";
  }
}

void Escribir(std::string_view texto) {
  for (char c : texto) Pulsar(static_cast<unsigned char>(c));
}

void EscribirSeguido(std::string_view texto) {
  if (!TecladoEnElPrograma()) EsperarHasta(TecladoEnElPrograma, 1000);
  for (char c : texto) Enviar(static_cast<unsigned char>(c), 0);
  Asentar();
}

void SeleccionarTodo() {
  Pulsar(WXK_HOME);
  Pulsar(WXK_END, wxMOD_SHIFT);
}

void Clic(wxWindow* ventana) {
  if (ventana == nullptr) return;
  const wxRect r = ventana->GetScreenRect();
  MoverA(r.x + r.width / 2, r.y + r.height / 2);
  Asentar();
  if (Display* d = Pantalla()) {
    XTestFakeButtonEvent(d, 1, True, CurrentTime);
    XTestFakeButtonEvent(d, 1, False, CurrentTime);
    XFlush(d);
  }
  Asentar();
}

void RatonAlRincon() {
  MoverA(0, 0);
  Asentar();
}

}  // namespace recorrido
