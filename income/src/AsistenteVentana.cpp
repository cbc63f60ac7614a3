// The window of the wizard sheet: a modal dialog with the page area above and the five buttons below. Every page's
// window is made at once from its layout and only the active one is shown; the buttons and the close box go to the
// sheet's rules (the close box and Esc on a page count as Cancelar).
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/panel.h>
#include <wx/sizer.h>

#include <algorithm>
#include <vector>

#include "framework/DialogoVentana.h"
#include "framework/TemplatePropPg.h"
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
    for (const auto& [id, texto] : lista) botones->Add(new wxButton(this, id, TextoWx(texto)), 0, wxALL, 4);
    auto* columna = new wxBoxSizer(wxVERTICAL);
    columna->Add(m_area, 1, wxEXPAND | wxALL, 4);
    columna->Add(botones, 0, wxALIGN_RIGHT | wxALL, 4);
    SetSizerAndFit(columna);

    Bind(wxEVT_BUTTON, &CVentanaHoja::AlPulsar, this);
    Bind(wxEVT_CLOSE_WINDOW, &CVentanaHoja::AlCerrar, this);
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

 private:
  void AlPulsar(wxCommandEvent& evento) {
    const int id = evento.GetId();
    if (id < kBotonAtras || id > kBotonAyudaAsistente) {
      evento.Skip();
      return;
    }
    m_asistente.OnBoton(id);
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
