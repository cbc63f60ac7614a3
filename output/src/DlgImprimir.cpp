#include "output/DlgImprimir.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/printdlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <charconv>

#include "output/ImpreVista.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace salida {

namespace {

// The window texts of this file are fixed texts: they speak the interface language.
wxString AWx(std::string_view texto1252) { return marco::TextoFijoWx(texto1252); }
std::string DeWx(const wxString& texto) { return plataforma::Utf8ACp1252(texto.utf8_string()); }

wxString Numero(int valor) {
  char texto[16];
  const auto r = std::to_chars(texto, texto + sizeof texto, valor);
  return wxString::FromAscii(texto, static_cast<size_t>(r.ptr - texto));
}

}  // namespace

CDlgImprimir::CDlgImprimir(wxWindow* padre, const CInfoImpresion& info, wxPrintData& datos)
    : wxDialog(padre, wxID_ANY, AWx(kTituloDlgImprimir)), m_reglas(info), m_datos(datos) {
  auto* columna = new wxBoxSizer(wxVERTICAL);

  auto* impresora = new wxStaticBoxSizer(wxVERTICAL, this, AWx(" Impresora "));
  auto* filaImpresora = new wxBoxSizer(wxHORIZONTAL);
  m_pAImpresora = new wxRadioButton(this, kIdImpresora, AWx("Impresora:"), wxDefaultPosition, wxDefaultSize,
                                    wxRB_GROUP);
  m_pImpresora = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(220, -1));
  auto* instalar = new wxButton(this, kIdInstalar, AWx("&Instalar..."));
  filaImpresora->Add(m_pAImpresora, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  filaImpresora->Add(m_pImpresora, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  filaImpresora->Add(instalar, 0);
  impresora->Add(filaImpresora, 0, wxEXPAND | wxALL, 4);
  auto* filaFichero = new wxBoxSizer(wxHORIZONTAL);
  m_pAFichero = new wxRadioButton(this, kIdFichero, AWx("&Fichero PDF:"));
  m_pRuta = new wxTextCtrl(this, kIdRutaFichero, wxString::FromUTF8(m_reglas.RutaFichero()), wxDefaultPosition, wxSize(220, -1));
  auto* examinar = new wxButton(this, wxID_ANY, AWx("..."), wxDefaultPosition, wxSize(32, -1));
  filaFichero->Add(m_pAFichero, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  filaFichero->Add(m_pRuta, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  filaFichero->Add(examinar, 0);
  impresora->Add(filaFichero, 0, wxEXPAND | wxALL, 4);
  columna->Add(impresora, 0, wxEXPAND | wxALL, 8);

  auto* rango = new wxStaticBoxSizer(wxVERTICAL, this, AWx(" Rango de impresi\xF3n "));
  m_pTodo = new wxRadioButton(this, kIdTodo, AWx("&Todo"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
  rango->Add(m_pTodo, 0, wxALL, 4);
  auto* filaRango = new wxBoxSizer(wxHORIZONTAL);
  m_pPaginas = new wxRadioButton(this, kIdPaginas, AWx("&P\xE1ginas"));
  m_pDesde = new wxTextCtrl(this, kIdDesde, wxString(), wxDefaultPosition, wxSize(50, -1));
  m_pHasta = new wxTextCtrl(this, kIdHasta, wxString(), wxDefaultPosition, wxSize(50, -1));
  filaRango->Add(m_pPaginas, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
  filaRango->Add(new wxStaticText(this, wxID_ANY, AWx("&Desde:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  filaRango->Add(m_pDesde, 0, wxRIGHT, 8);
  filaRango->Add(new wxStaticText(this, wxID_ANY, AWx("&Hasta:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
  filaRango->Add(m_pHasta, 0);
  rango->Add(filaRango, 0, wxALL, 4);
  rango->Add(new wxStaticText(this, wxID_ANY, AWx(kTextoNumeracion)), 0, wxALL, 4);
  columna->Add(rango, 0, wxEXPAND | wxLEFT | wxRIGHT, 8);

  m_pCopia = new wxCheckBox(this, kIdCopiaAdicional, AWx(kTextoCopiaAdicional));
  columna->Add(m_pCopia, 0, wxALL, 8);

  auto* botones = new wxBoxSizer(wxHORIZONTAL);
  botones->AddStretchSpacer();
  auto* aceptar = new wxButton(this, wxID_OK, AWx("Aceptar"));
  // Enter in the path of the file prints.
  aceptar->SetDefault();
  botones->Add(aceptar, 0, wxRIGHT, 8);
  botones->Add(new wxButton(this, wxID_CANCEL, AWx("Cancelar")), 0);
  columna->Add(botones, 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(columna);

  m_pCopia->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { m_reglas.OnCopiaAdicional(); });
  m_pTodo->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    m_reglas.ElegirPaginas(false);
    ActualizarControles();
  });
  m_pPaginas->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    m_reglas.ElegirPaginas(true);
    ActualizarControles();
  });
  m_pAImpresora->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    m_reglas.ElegirFichero(false);
    ActualizarControles();
  });
  m_pAFichero->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
    m_reglas.ElegirFichero(true);
    ActualizarControles();
  });
  instalar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AlInstalar(); });
  examinar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AlExaminar(); });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent& evento) {
    if (GuardarControles()) {
      EndModal(wxID_OK);
    } else {
      wxBell();
    }
    evento.Skip(false);
  }, wxID_OK);

  MostrarImpresora();
  ActualizarControles();
  CentreOnParent();
}

void CDlgImprimir::MostrarImpresora() {
  const wxString nombre = m_datos.GetPrinterName();
  m_pImpresora->SetLabel(nombre.empty() ? AWx("(predeterminada)") : nombre);
}

void CDlgImprimir::ActualizarControles() {
  // A declaration never printed is printed whole: the range cannot be chosen.
  m_pPaginas->Enable(m_reglas.RangoHabilitado());
  const bool paginas = m_reglas.SoloPaginas();
  m_pDesde->Enable(paginas);
  m_pHasta->Enable(paginas);
  m_pTodo->SetValue(!paginas);
  m_pPaginas->SetValue(paginas);
  m_pDesde->ChangeValue(Numero(m_reglas.Rango().desde));
  m_pHasta->ChangeValue(Numero(m_reglas.Rango().hasta));
  m_pCopia->SetValue(m_reglas.CopiaAdicional());
  m_pAImpresora->SetValue(!m_reglas.AFichero());
  m_pAFichero->SetValue(m_reglas.AFichero());
  m_pRuta->Enable(m_reglas.AFichero());
}

bool CDlgImprimir::GuardarControles() {
  if (m_reglas.SoloPaginas()) {
    if (!m_reglas.PonerDesde(DeWx(m_pDesde->GetValue()))) {
      m_pDesde->SetFocus();
      return false;
    }
    if (!m_reglas.PonerHasta(DeWx(m_pHasta->GetValue()))) {
      m_pHasta->SetFocus();
      return false;
    }
  }
  if (m_reglas.AFichero()) m_reglas.PonerRutaFichero(m_pRuta->GetValue().utf8_string());
  if (!m_reglas.PuedeAceptar()) {
    m_pRuta->SetFocus();
    return false;
  }
  return true;
}

void CDlgImprimir::AlInstalar() {
  wxPrintDialogData datos(m_datos);
  wxPrintDialog dialogo(this, &datos);
  if (dialogo.ShowModal() == wxID_OK) m_datos = dialogo.GetPrintDialogData().GetPrintData();
  MostrarImpresora();
}

void CDlgImprimir::AlExaminar() {
  wxFileDialog dialogo(this, AWx("Imprimir en un fichero PDF"), wxString(), m_pRuta->GetValue(),
                       AWx("Ficheros PDF (*.pdf)|*.pdf"), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (dialogo.ShowModal() != wxID_OK) return;
  m_reglas.ElegirFichero(true);
  m_pRuta->ChangeValue(dialogo.GetPath());
  ActualizarControles();
}

}  // namespace salida
