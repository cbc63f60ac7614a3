#include "shell/IntroduccionVentana.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/sizer.h>

#include "framework/LogoStatic.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

// The logo's size on the screen: room for the emblem and the longest line of small text.
constexpr int kAnchoLogo = 360;
constexpr int kAltoLogo = 220;

}  // namespace

CDlgIntroduccion::CDlgIntroduccion(wxWindow* padre, plataforma::CPerfil& perfil, int milisegundos)
    : wxDialog(padre, wxID_ANY, Traduce(kTituloIntroduccion), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE),
      m_perfil(perfil),
      m_temporizador(this),
      m_nMilisegundos(milisegundos) {
  auto* columna = new wxBoxSizer(wxVERTICAL);
  m_pLogo = new marco::CLogoStatic(this, wxID_ANY, wxDefaultPosition, wxSize(kAnchoLogo, kAltoLogo),
                                   wxBORDER_SUNKEN);
  m_pLogo->SetMinSize(wxSize(kAnchoLogo, kAltoLogo));
  m_pLogo->PonerTexto(TextoLogoIntroduccion([](std::string_view texto) { return Traduce(texto).utf8_string(); }),
                      kSeparadorLogoIntroduccion);
  columna->Add(m_pLogo, 0, wxALL | wxEXPAND, 10);

  auto* pie = new wxBoxSizer(wxHORIZONTAL);
  m_pNoVolver = new wxCheckBox(this, wxID_ANY, Traduce(kTextoNoVolverAMostrar));
  pie->Add(m_pNoVolver, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 10);
  auto* continuar = new wxButton(this, wxID_OK, Traduce(kTextoContinuar));
  continuar->SetDefault();
  pie->Add(continuar, 0, wxALIGN_CENTER_VERTICAL);
  columna->Add(pie, 0, wxLEFT | wxRIGHT | wxBOTTOM | wxEXPAND, 10);
  SetSizerAndFit(columna);
  CentreOnScreen();

  // Escape, the button, the time running out and the window's own close all end the same way.
  SetEscapeId(wxID_OK);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Terminar(wxID_OK); }, wxID_OK);
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Terminar(wxID_CANCEL); });
  Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Terminar(wxID_OK); }, m_temporizador.GetId());
  continuar->SetFocus();
}

CDlgIntroduccion::~CDlgIntroduccion() { m_temporizador.Stop(); }

int CDlgIntroduccion::ShowModal() {
  m_bTerminada = false;
  m_pLogo->IniciarAnimacion();
  if (m_nMilisegundos > 0) m_temporizador.StartOnce(m_nMilisegundos);
  return wxDialog::ShowModal();
}

void CDlgIntroduccion::Terminar(int codigo) {
  m_temporizador.Stop();
  if (!m_bTerminada) {
    m_bTerminada = true;
    // A profile that cannot be written only means the screen shows again next time: nothing to tell the user.
    CerrarIntroduccion(m_perfil, m_pNoVolver->GetValue());
  }
  if (IsModal()) {
    EndModal(codigo);
  } else {
    Hide();
  }
}

void MostrarPantallaIntroduccion(plataforma::CPerfil& perfil) {
  // The screen comes before the main window: its going must not look like the program's last window going.
  const bool salirAlCerrar = wxTheApp->GetExitOnFrameDelete();
  wxTheApp->SetExitOnFrameDelete(false);
  {
    CDlgIntroduccion dialogo(nullptr, perfil);
    dialogo.ShowModal();
  }
  wxTheApp->SetExitOnFrameDelete(salirAlCerrar);
}

}  // namespace shell
