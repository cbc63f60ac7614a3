#include "output/ProgresoImpresion.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/evtloop.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace salida {

namespace {

// The window texts of this file are fixed texts: they speak the interface language.
wxString AWx(std::string_view texto1252) { return marco::TextoFijoWx(texto1252); }

wxString DeTexto1252(std::string_view texto1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto1252)); }

}  // namespace

void BombearMensajes() {
  wxEventLoopBase* bucle = wxEventLoopBase::GetActive();
  if (bucle == nullptr) return;
  // Handles what is pending and ends no loop: a dispatch that reports "no loop running" (as the toolkit does when
  // the running loop is not one of its own) is no request to quit, and ending the program after a print run lost
  // the user's session. A real request to quit stays with the loop that received it.
  bucle->Yield(true);
}

CDlgImprimiendo::CDlgImprimiendo(wxWindow* padre)
    : wxDialog(padre, wxID_ANY, AWx("Imprimiendo"), wxDefaultPosition, wxDefaultSize, wxCAPTION) {
  auto* columna = new wxBoxSizer(wxVERTICAL);
  auto* fila = new wxBoxSizer(wxHORIZONTAL);
  fila->Add(new wxStaticBitmap(this, kIdBitmapImpresora, wxArtProvider::GetBitmap(wxART_PRINT, wxART_MESSAGE_BOX)), 0,
            wxALL | wxALIGN_CENTER_VERTICAL, 8);
  auto* textos = new wxBoxSizer(wxVERTICAL);
  m_pDocumento = new wxStaticText(this, kIdLineaDocumento, wxString(), wxDefaultPosition, wxSize(420, -1));
  m_pPagina = new wxStaticText(this, kIdLineaPagina, wxString(), wxDefaultPosition, wxSize(420, -1));
  textos->Add(m_pDocumento, 0, wxALL | wxEXPAND, 4);
  textos->Add(m_pPagina, 0, wxALL | wxEXPAND, 4);
  fila->Add(textos, 1, wxEXPAND);
  columna->Add(fila, 1, wxEXPAND | wxALL, 4);
  auto* cancelar = new wxButton(this, wxID_CANCEL, AWx("&Cancelar"));
  columna->Add(cancelar, 0, wxALIGN_CENTER | wxALL, 8);
  SetSizerAndFit(columna);
  cancelar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
  wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  if (principal != nullptr && principal != this) {
    CentreOnParent();
    const wxRect marco = principal->GetScreenRect();
    const wxSize tamano = GetSize();
    Move(marco.x + (marco.width - tamano.x) / 2, marco.y + (marco.height - tamano.y) / 2);
  } else {
    Centre();
  }
  Show(true);
  Update();
}

// The progress lines come already in the interface language, with the document's title and the printer's name in
// them: only their encoding changes here.
void CDlgImprimiendo::MostrarDocumento(std::string_view texto) { m_pDocumento->SetLabel(DeTexto1252(texto)); }

void CDlgImprimiendo::MostrarPagina(std::string_view texto) {
  m_pPagina->SetLabel(DeTexto1252(texto));
  Update();
}

void CDlgImprimiendo::OnCancel() {
  PonerImpresionCancelada(true);
  Hide();
}

}  // namespace salida
