// The one way coded messages reach the user. CDlgMensaje looks a code up and composes what is to be shown; the
// answerer in use shows it and gives the button pressed. The program's answerer is the message window; tests put
// a script in its place (CGuionMensajes) that records every message and answers for the user.
#pragma once

#include <string>

class wxWindow;

namespace marco {

// System icons a message is shown with (their numbers are the classic system icon ids).
enum EIconoSistema : int {
  IconoNinguno = 0,
  IconoMano = 32513,         // stop: errors
  IconoPregunta = 32514,
  IconoExclamacion = 32515,  // warnings of the table layer
  IconoAsterisco = 32516,    // information
};

// Buttons of a message: the results of MostrarMensaje, which are also the control ids of the window.
inline constexpr int kBotonAceptar = 1;
inline constexpr int kBotonCancelar = 2;  // also Esc and the close box
inline constexpr int kBotonContinuar = 3;
inline constexpr int kBotonCorregir = 5;
inline constexpr int kBotonConfirmar = 6;
inline constexpr int kBotonBorrar = 7;

// Flags of the button set of a message, one per row of the button table.
inline constexpr unsigned kFlagAceptar = 1;
inline constexpr unsigned kFlagCancelar = 2;
inline constexpr unsigned kFlagContinuar = 4;
inline constexpr unsigned kFlagCorregir = 8;
inline constexpr unsigned kFlagConfirmar = 16;
inline constexpr unsigned kFlagBorrar = 32;

// One message as it is to be shown. Texts are Windows-1252.
struct SMensaje {
  std::string codigo;  // as the caller asked it
  int icono = IconoNinguno;
  std::string extra;   // the caller's extra text
  bool encontrado = false;  // the code is a row of the message table
  std::string titulo;  // the window caption (empty when not found)
  std::string texto;   // the final text
  unsigned botones = 0;
  wxWindow* padre = nullptr;  // null: the main window
};

class CContestadorMensajes {
 public:
  virtual ~CContestadorMensajes() = default;
  // Shows the message and gives the button pressed (kBoton...).
  virtual int Contestar(const SMensaje& mensaje) = 0;
};

// The answerer in use: the message window unless a script was put in its place.
CContestadorMensajes& ContestadorMensajes();
// Puts `contestador` in use (null: the message window again) and gives back the one it replaces.
CContestadorMensajes* PonerContestadorMensajes(CContestadorMensajes* contestador);

// The program-wide flag: a coded message is on screen.
bool HayMensajeEnPantalla();

// Shows a composed message through the answerer in use with the on-screen flag set; -1 (nothing shown) while
// another message is on screen.
int PresentarMensaje(const SMensaje& mensaje);

}  // namespace marco
