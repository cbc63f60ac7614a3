// The introduction screen: a small modal window with the animated logo (the emblem, the program's name and what it
// prepares), the box "No volver a mostrar la pantalla de introducción" and a button to go on. It closes by itself
// after a few seconds; however it closes, a checked box turns the screen off in the profile (Introduccion.h).
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

#include "shell/Introduccion.h"

class wxCheckBox;

namespace plataforma {
class CPerfil;
}

namespace marco {
class CLogoStatic;
}

namespace shell {

class CDlgIntroduccion : public wxDialog {
 public:
  // `milisegundos`: how long it stays before closing by itself (0: until the user closes it).
  CDlgIntroduccion(wxWindow* padre, plataforma::CPerfil& perfil, int milisegundos = kMilisegundosIntroduccion);
  ~CDlgIntroduccion() override;

  int ShowModal() override;

  marco::CLogoStatic* DameLogo() const { return m_pLogo; }
  wxCheckBox* DameNoVolverAMostrar() const { return m_pNoVolver; }
  // True once the screen has closed and the profile has had the box's answer.
  bool Terminada() const { return m_bTerminada; }

 private:
  // Closes the screen with `codigo`, after writing the box's answer to the profile (once).
  void Terminar(int codigo);

  plataforma::CPerfil& m_perfil;
  marco::CLogoStatic* m_pLogo = nullptr;
  wxCheckBox* m_pNoVolver = nullptr;
  wxTimer m_temporizador;
  int m_nMilisegundos = 0;
  bool m_bTerminada = false;
};

// Shows the screen, modal, with no window over which to show it yet, and waits until it closes.
void MostrarPantallaIntroduccion(plataforma::CPerfil& perfil);

}  // namespace shell
