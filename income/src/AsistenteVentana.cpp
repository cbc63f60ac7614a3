// The window of the wizard sheet: a modal dialog with the page area above and the five buttons below. Every page's
// window is made at once from its layout and only the active one is shown; the buttons and the close box go to the
// sheet's rules (the close box and Esc on a page count as Cancelar). Tab and Shift+Tab move the focus through the
// active page's fields in reading order and on to the sheet's buttons.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <vector>

#include "framework/DialogoVentana.h"
#include "framework/TemplatePropPg.h"
#include "framework/TextosVentana.h"
#include "income/Asistente.h"
#include "platform/Texto.h"

namespace renta {

namespace {

wxString TextoWx(std::string_view cp1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(cp1252)); }

class CVentanaHoja : public wxDialog, public CVentanaAsistente {
 public:
  explicit CVentanaHoja(CAsistente& asistente) : m_asistente(asistente) {
    Create(asistente.Padre(), wxID_ANY, TextoWx(asistente.TituloVentana()), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    SetAffirmativeId(wxID_NONE);
    SetEscapeId(wxID_NONE);
    SetFont(marco::FuenteDialogos());

    m_area = new wxPanel(this, wxID_ANY);
    wxSize tamano(0, 0);
    for (int i = 0; i < asistente.NumeroPaginas(); ++i) {
      wxWindow* pagina = asistente.Pagina(i).CrearVentana(m_area);
      m_paginas.push_back(pagina);
      if (pagina == nullptr) continue;
      pagina->Move(0, 0);
      tamano.IncTo(pagina->GetSize());
      pagina->Hide();
    }
    m_area->SetMinSize(tamano);

    auto* botones = new wxBoxSizer(wxHORIZONTAL);
    const std::pair<int, const char*> lista[] = {{kBotonAplicar, "Aplicar"},
                                                 {kBotonAtras, "Atr\xE1s"},
                                                 {kBotonSiguiente, "Siguiente"},
                                                 {kBotonCancelarAsistente, "Cancelar"},
                                                 {kBotonAyudaAsistente, "Ayuda"}};
    for (const auto& [id, texto] : lista) botones->Add(new wxButton(this, id, marco::TextoFijoWx(texto)), 0, wxALL, 4);
    auto* columna = new wxBoxSizer(wxVERTICAL);
    columna->Add(m_area, 1, wxEXPAND | wxALL, 4);
    columna->Add(botones, 0, wxALIGN_RIGHT | wxALL, 4);
    SetSizerAndFit(columna);

    Bind(wxEVT_BUTTON, &CVentanaHoja::AlPulsar, this);
    Bind(wxEVT_CLOSE_WINDOW, &CVentanaHoja::AlCerrar, this);
    Bind(wxEVT_CHAR_HOOK, &CVentanaHoja::AlGancho, this);
    m_asistente.AsociarVentana(this);
  }
  ~CVentanaHoja() override {
    if (m_asistente.Ventana() == this) m_asistente.AsociarVentana(nullptr);
  }

  int Ejecutar() {
    CentreOnParent();
    if (m_nFinal != 0) return m_nFinal;
    const int resultado = ShowModal();
    return m_nFinal != 0 ? m_nFinal : resultado;
  }

  // ---- CVentanaAsistente ----
  void MostrarPagina(int indice) override {
    for (std::size_t i = 0; i < m_paginas.size(); ++i) {
      if (m_paginas[i] != nullptr) m_paginas[i]->Show(static_cast<int>(i) == indice);
    }
  }
  void PonerTitulo(std::string_view titulo) override { SetTitle(TextoWx(titulo)); }
  void HabilitarBoton(int boton, bool habilitar) override {
    if (wxWindow* w = FindWindow(boton)) w->Enable(habilitar);
  }
  void Terminar(int resultado) override {
    m_nFinal = resultado;
    if (IsModal()) EndModal(resultado);
  }
  void Senalar(int pagina, int id) override {
    const auto senalar = [this, pagina, id] {
      if (pagina < 0 || pagina >= static_cast<int>(m_paginas.size())) return;
      wxWindow* pag = m_paginas[static_cast<std::size_t>(pagina)];
      wxWindow* control = pag != nullptr ? pag->FindWindow(id) : nullptr;
      if (control == nullptr || !control->IsEnabled()) return;
      control->SetFocus();
      if (auto* texto = dynamic_cast<wxTextCtrl*>(control)) texto->SelectAll();
    };
    senalar();
    // Once the message that asked has gone and the sheet is active again, whatever took the focus back meanwhile.
    CallAfter(senalar);
  }

 private:
  void AlPulsar(wxCommandEvent& evento) {
    const int id = evento.GetId();
    if (id < kBotonAtras || id > kBotonAyudaAsistente) {
      evento.Skip();
      return;
    }
    m_asistente.OnBoton(id);
  }
  // Tab before any control sees it: the box edits of the pages keep Tab for themselves, and the toolkit's own
  // navigation would stay inside the page.
  void AlGancho(wxKeyEvent& evento) {
    if (evento.GetKeyCode() != WXK_TAB || evento.ControlDown() || evento.AltDown()) {
      evento.Skip();
      return;
    }
    Tabular(evento.ShiftDown());
  }

  // The stops of the focus order: the active page's controls in the order of its layout, then the buttons.
  std::vector<wxWindow*> Paradas() const {
    std::vector<wxWindow*> paradas;
    const int activa = m_asistente.PaginaActiva();
    if (activa >= 0 && activa < static_cast<int>(m_paginas.size()) && m_paginas[static_cast<std::size_t>(activa)]) {
      for (wxWindow* hijo : m_paginas[static_cast<std::size_t>(activa)]->GetChildren()) paradas.push_back(hijo);
    }
    for (int id : {kBotonAplicar, kBotonAtras, kBotonSiguiente, kBotonCancelarAsistente, kBotonAyudaAsistente}) {
      if (wxWindow* boton = FindWindow(id)) paradas.push_back(boton);
    }
    return paradas;
  }

  void Tabular(bool atras) {
    const std::vector<wxWindow*> paradas = Paradas();
    std::vector<bool> tomanFoco;
    int actual = -1;
    wxWindow* foco = wxWindow::FindFocus();
    for (std::size_t i = 0; i < paradas.size(); ++i) {
      wxWindow* w = paradas[i];
      tomanFoco.push_back(w->IsShownOnScreen() && w->IsEnabled() && w->AcceptsFocusFromKeyboard());
      // The focus inside a stop (the entry of a combined control) counts as that stop's.
      for (wxWindow* v = foco; v != nullptr && v != this; v = v->GetParent()) {
        if (v == w) actual = static_cast<int>(i);
      }
    }
    const int siguiente = SiguienteParadaTabulador(tomanFoco, actual, atras);
    if (siguiente >= 0) paradas[static_cast<std::size_t>(siguiente)]->SetFocus();
  }

  void AlCerrar(wxCloseEvent& evento) {
    if (m_nFinal == 0) m_asistente.OnBoton(kBotonCancelarAsistente);
    // The rules always end a cancelled sheet; a veto would only come from a window that is going anyway.
    if (m_nFinal == 0 && evento.CanVeto()) evento.Veto();
  }

  CAsistente& m_asistente;
  wxPanel* m_area = nullptr;
  std::vector<wxWindow*> m_paginas;
  int m_nFinal = 0;
};

}  // namespace

int CAsistente::DoModal() {
  if (wxTheApp == nullptr) return kAsistenteCancelado;
  int resultado = kAsistenteCancelado;
  {
    CVentanaHoja ventana(*this);
    resultado = ventana.Ejecutar();
  }
  return resultado == kAsistenteTerminado && m_nResultado == kAsistenteTerminado ? kAsistenteTerminado
                                                                                 : kAsistenteCancelado;
}

}  // namespace renta
