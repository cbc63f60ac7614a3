// The calculator dialog "Calculadora": a display, the round keys of the digits, the operations, the memory and the
// clearing, the two keys of the conversion between pesetas and euros, "Aceptar" and "Cancelar". Every key works
// from the keyboard too (CReglasCalculadora's OrdenDeTecla; Escape cancels); Enter is "=", so "Aceptar" is its
// button or Alt+A. The keyboard stays with the display: the keys and buttons take no focus.
//
// Opened from a box that takes numbers, "Aceptar" hands the figure shown to the box. Opened alone (from the menu, a
// page without an active box, or a box that takes no figure), "Aceptar" only closes it, as its last line says. The
// memory lives in the profile ([CALCULADORA] Memoria) from one opening to the next.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "shell/Calculadora.h"

namespace plataforma {
class CPerfil;
}

namespace shell {

inline constexpr int kIdDlgCalculadora = 102;
// The window ids of the keys: kIdPrimeraTeclaCalculadora + the key's index in TeclasCalculadora().
inline constexpr int kIdPrimeraTeclaCalculadora = 1200;
// The line that says the calculator is alone.
inline constexpr int kIdCalculadoraSola = 1199;

class CPantallaCalculadora;

class CCalculadora : public wxDialog {
 public:
  // `conCasilla`: opened from a box that takes the figure.
  CCalculadora(wxWindow* padre, plataforma::CPerfil& perfil, bool conCasilla);

  const CReglasCalculadora& Reglas() const { return m_reglas; }
  // The figure handed back by "Aceptar" (Reglas().Resultado() then); empty before.
  const std::string& DameResultado() const { return m_resultado; }
  bool ConCasilla() const { return m_bConCasilla; }
  // Carries out an order as its key does: the display follows, a refused order beeps, a division by zero or a
  // figure too long shows its coded message; a change of the memory goes to the profile.
  void Pulsar(EOrdenCalculadora orden);
  // The display, which keeps the keyboard focus.
  wxWindow* Pantalla() const;

 private:
  void Aceptar();

  plataforma::CPerfil& m_perfil;
  CReglasCalculadora m_reglas;
  bool m_bConCasilla;
  std::string m_resultado;
  CPantallaCalculadora* m_pPantalla = nullptr;
};

// Runs the calculator modally over `padre`; the figure of "Aceptar" when `conCasilla`, none otherwise.
std::optional<std::string> MostrarCalculadora(wxWindow* padre, plataforma::CPerfil& perfil, bool conCasilla);

}  // namespace shell
