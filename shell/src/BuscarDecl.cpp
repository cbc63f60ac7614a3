#include "shell/BuscarDecl.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "platform/Texto.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

constexpr std::int32_t kTipoPatrimonio = 3;

}  // namespace

CBuscarDecl::CBuscarDecl(const CAlmacenDeclaraciones& almacen, bool soloPatrimonio, bool soloRenta)
    : m_almacen(almacen), m_bSoloPatrimonio(soloPatrimonio), m_bSoloRenta(soloRenta) {}

void CBuscarDecl::OnCambioClave(std::string_view texto) {
  m_clave = std::string(texto.substr(0, std::min(texto.size(), kLongitudClaveBuscada)));
  m_bAceptar = false;
  m_bBuscar = !NombreEnBlanco(m_clave);
  if (m_bBuscar) m_respuesta = ERespuesta::Ninguna;
}

void CBuscarDecl::Buscar() {
  if (!m_bBuscar) return;
  SFilaAlmacen fila;
  bool hallada = m_almacen.Buscar(m_clave, fila) == 1;
  if (hallada) {
    m_nPatrimonio = fila.tipodec == kTipoPatrimonio ? 1 : 0;
    // A declaration of a tax the index does not list counts as not there.
    if (!(m_bSoloPatrimonio && m_bSoloRenta)) {
      if ((m_bSoloPatrimonio && fila.tipodec < kTipoPatrimonio) || (m_bSoloRenta && fila.tipodec == kTipoPatrimonio)) {
        hallada = false;
      }
    }
  }
  m_respuesta = hallada ? ERespuesta::Existe : ERespuesta::NoExiste;
  m_bAceptar = hallada;
  m_bBuscar = false;
}

bool CBuscarDecl::Aceptar() {
  if (!m_bAceptar) return false;
  m_claveElegida = m_clave;
  return true;
}

CDlgBuscarDecl::CDlgBuscarDecl(wxWindow* padre, CBuscarDecl& reglas)
    : wxDialog(padre, kIdDlgBuscarDecl, Traduce("Buscar Declaración"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE),
      m_reglas(reglas) {
  auto* principal = new wxBoxSizer(wxVERTICAL);
  auto* grupo = new wxStaticBoxSizer(wxVERTICAL, this, Traduce("&Declaración a buscar: "));
  m_pClave = new wxTextCtrl(grupo->GetStaticBox(), kIdClaveBuscada, wxString(), wxDefaultPosition, wxSize(320, -1),
                            wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB);
  m_pClave->SetMaxLength(static_cast<unsigned long>(kLongitudClaveBuscada));
  grupo->Add(m_pClave, 0, wxEXPAND | wxALL, 6);
  m_pRespuesta = new wxStaticText(grupo->GetStaticBox(), kIdRespuestaBuscada, wxString());
  grupo->Add(m_pRespuesta, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
  principal->Add(grupo, 0, wxEXPAND | wxALL, 8);

  auto* botones = new wxBoxSizer(wxHORIZONTAL);
  m_pBuscar = new wxButton(this, kIdBotonBuscar, Traduce("&Buscar"));
  m_pAceptar = new wxButton(this, wxID_OK, Traduce("&Aceptar"));
  auto* cancelar = new wxButton(this, wxID_CANCEL, Traduce("&Cancelar"));
  botones->Add(m_pBuscar, 0, wxRIGHT, 6);
  botones->AddStretchSpacer();
  botones->Add(m_pAceptar, 0, wxRIGHT, 6);
  botones->Add(cancelar, 0);
  principal->Add(botones, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  SetSizerAndFit(principal);

  m_pClave->Bind(wxEVT_TEXT, &CDlgBuscarDecl::AlCambiarClave, this);
  m_pClave->Bind(wxEVT_KEY_DOWN, &CDlgBuscarDecl::AlTecla, this);
  // Enter seeks the key; once it was found, Enter takes it, as the default button would.
  m_pClave->Bind(wxEVT_TEXT_ENTER, [this](wxCommandEvent&) {
    if (m_reglas.AceptarHabilitado()) {
      if (m_reglas.Aceptar()) EndModal(wxID_OK);
      return;
    }
    m_reglas.Buscar();
    Pintar();
  });
  m_pBuscar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    m_reglas.Buscar();
    Pintar();
    m_pClave->SetFocus();
  });
  m_pAceptar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (m_reglas.Aceptar()) EndModal(wxID_OK);
  });
  Pintar();
  m_pClave->SetFocus();
  if (padre != nullptr) CentreOnParent();
}

void CDlgBuscarDecl::Pintar() {
  m_pBuscar->Enable(m_reglas.BuscarHabilitado());
  m_pAceptar->Enable(m_reglas.AceptarHabilitado());
  switch (m_reglas.Respuesta()) {
    case CBuscarDecl::ERespuesta::Ninguna:
      m_pRespuesta->SetLabel(wxString());
      break;
    case CBuscarDecl::ERespuesta::NoExiste:
      m_pRespuesta->SetLabel(Traduce("Esa declaración no existe"));
      break;
    case CBuscarDecl::ERespuesta::Existe:
      m_pRespuesta->SetLabel(Traduce("Declaración existente"));
      break;
  }
  if (m_reglas.AceptarHabilitado()) m_pAceptar->SetDefault();
}

void CDlgBuscarDecl::AlCambiarClave(wxCommandEvent& /*evento*/) {
  m_reglas.OnCambioClave(plataforma::Utf8ACp1252(m_pClave->GetValue().utf8_string()));
  Pintar();
}

void CDlgBuscarDecl::AlTecla(wxKeyEvent& evento) {
  // Tab seeks the key as Enter does; after a search the focus goes on.
  if (evento.GetKeyCode() == WXK_TAB && !evento.ShiftDown() && m_reglas.BuscarHabilitado()) {
    m_reglas.Buscar();
    Pintar();
  }
  evento.Skip();
}

std::optional<std::string> BuscarDeclaracionVentana(wxWindow* padre, const CAlmacenDeclaraciones& almacen, bool renta,
                                                    bool patrimonio) {
  CBuscarDecl reglas(almacen, patrimonio && !renta, renta && !patrimonio);
  CDlgBuscarDecl dialogo(padre, reglas);
  if (dialogo.ShowModal() != wxID_OK) return std::nullopt;
  return reglas.ClaveElegida();
}

}  // namespace shell
