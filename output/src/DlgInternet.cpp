#include "output/DlgInternet.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <memory>

#include "output/PresentacionInternet.h"
#include "output/ProgresoImpresion.h"
#include "framework/EditEx.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace salida {

namespace {

// The window texts of this file are fixed texts: they speak the interface language.
wxString AWx(std::string_view texto1252) { return marco::TextoFijoWx(texto1252); }

wxString DeTexto1252(std::string_view texto1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto1252)); }

wxString RutaWx(const std::filesystem::path& ruta) { return wxString::FromUTF8(ruta.string()); }

}  // namespace

// ---- the file dialog ----

CDlgInternet::CDlgInternet(wxWindow* padre, const std::filesystem::path& ruta)
    : wxDialog(padre, wxID_ANY, AWx(kTituloDlgInternet)), m_ruta(ruta) {
  auto* columna = new wxBoxSizer(wxVERTICAL);
  std::size_t cuantos = 0;
  const std::string_view* textos = TextosDlgInternet(cuantos);
  for (std::size_t i = 0; i < cuantos; ++i) {
    auto* texto = new wxStaticText(this, wxID_ANY, AWx(textos[i]));
    texto->Wrap(460);
    columna->Add(texto, 0, wxLEFT | wxRIGHT | wxTOP, 8);
  }
  auto* fila = new wxBoxSizer(wxHORIZONTAL);
  fila->Add(new wxStaticText(this, wxID_ANY, AWx("&Fichero:")), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  m_pRuta = new wxTextCtrl(this, wxID_ANY, RutaWx(ruta), wxDefaultPosition, wxSize(340, -1));
  fila->Add(m_pRuta, 1, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
  auto* examinar = new wxButton(this, wxID_ANY, AWx("..."), wxDefaultPosition, wxSize(32, -1));
  fila->Add(examinar, 0);
  columna->Add(fila, 0, wxEXPAND | wxALL, 8);

  auto* botones = new wxBoxSizer(wxHORIZONTAL);
  botones->Add(new wxButton(this, wxID_HELP, AWx("Ay&uda")), 0);
  botones->AddStretchSpacer();
  auto* aceptar = new wxButton(this, wxID_OK, AWx("&Aceptar"));
  aceptar->SetDefault();
  botones->Add(aceptar, 0, wxRIGHT, 8);
  botones->Add(new wxButton(this, wxID_CANCEL, AWx("&Cancelar")), 0);
  columna->Add(botones, 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(columna);

  examinar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AlExaminar(); });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AlAceptar(); }, wxID_OK);
  Bind(wxEVT_BUTTON, [](wxCommandEvent&) { MostrarAyudaInternet(); }, wxID_HELP);
  m_pRuta->SetFocus();
  m_pRuta->SelectAll();
  CentreOnParent();
}

void MostrarAyudaInternet() {
  const marco::SServiciosEdit& servicios = marco::ServiciosEdit();
  if (servicios.ayuda) servicios.ayuda(kContextoAyudaInternet);
}

void CDlgInternet::AlExaminar() {
  const std::filesystem::path actual(m_pRuta->GetValue().utf8_string());
  wxFileDialog dialogo(this, AWx(kTituloDlgInternet), RutaWx(actual.parent_path()), RutaWx(actual.filename()),
                       wxString(), wxFD_SAVE);
  if (dialogo.ShowModal() != wxID_OK) return;
  m_pRuta->ChangeValue(dialogo.GetPath());
}

void CDlgInternet::AlAceptar() {
  const std::filesystem::path ruta(m_pRuta->GetValue().utf8_string());
  switch (ComprobarRutaInternet(ruta)) {
    case ERutaInternet::Vacia:
    case ERutaInternet::Carpeta:
      wxBell();
      m_pRuta->SetFocus();
      return;
    case ERutaInternet::Reemplazar: {
      const wxString pregunta = AWx("El fichero ") + RutaWx(ruta) + AWx(" ya existe.\n\xBF" "Desea reemplazarlo?");
      if (marco::PreguntaVentana(pregunta, GetTitle(), wxYES_NO | wxNO_DEFAULT | wxICON_EXCLAMATION, this) != wxYES) {
        m_pRuta->SetFocus();
        return;
      }
      break;
    }
    case ERutaInternet::Aceptada:
      break;
  }
  m_ruta = ruta;
  EndModal(wxID_OK);
}

// ---- the progress window ----

CDlgGenerandoInet::CDlgGenerandoInet(wxWindow* padre, CInetFichero& escritor)
    : wxDialog(padre, wxID_ANY, AWx(kTituloGenerandoInet), wxDefaultPosition, wxDefaultSize, wxCAPTION),
      m_escritor(escritor) {
  auto* columna = new wxBoxSizer(wxVERTICAL);
  auto* fila = new wxBoxSizer(wxHORIZONTAL);
  fila->Add(new wxStaticBitmap(this, wxID_ANY, wxArtProvider::GetBitmap(wxART_FILE_SAVE, wxART_MESSAGE_BOX)), 0,
            wxALL | wxALIGN_CENTER_VERTICAL, 8);
  auto* textos = new wxBoxSizer(wxVERTICAL);
  m_pClave = new wxStaticText(this, kIdInetClave, wxString(), wxDefaultPosition, wxSize(380, -1));
  m_pTipo = new wxStaticText(this, kIdInetTipo, wxString(), wxDefaultPosition, wxSize(380, -1));
  m_pPagina = new wxStaticText(this, kIdInetPagina, wxString(), wxDefaultPosition, wxSize(380, -1));
  textos->Add(m_pClave, 0, wxALL | wxEXPAND, 4);
  textos->Add(m_pTipo, 0, wxALL | wxEXPAND, 4);
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
    const wxRect marco = principal->GetScreenRect();
    const wxSize tamano = GetSize();
    Move(marco.x + (marco.width - tamano.x) / 2, marco.y + (marco.height - tamano.y) / 2);
  } else {
    Centre();
  }
  Show(true);
  Update();
}

void CDlgGenerandoInet::MostrarPagina(std::string_view clave, std::string_view tipo, std::string_view texto) {
  // The declaration's key is data and the page line comes already in the interface language; the kind of
  // declaration is a fixed text.
  m_pClave->SetLabel(DeTexto1252(clave));
  m_pTipo->SetLabel(AWx(tipo));
  m_pPagina->SetLabel(DeTexto1252(texto));
  Update();
}

void CDlgGenerandoInet::Bombear() { BombearMensajes(); }

void CDlgGenerandoInet::OnCancel() {
  m_escritor.PonerCancelado(1);
  Hide();
}

// ---- the command's windows ----

CDialogosPresentacionVentanas::CDialogosPresentacionVentanas(wxWindow* padre, std::function<int()> mostrarHallazgos)
    : m_pPadre(padre), m_mostrarHallazgos(std::move(mostrarHallazgos)) {}

int CDialogosPresentacionVentanas::MostrarHallazgos() { return m_mostrarHallazgos ? m_mostrarHallazgos() : 0; }

bool CDialogosPresentacionVentanas::ConfirmarPresentacion() {
  return marco::PreguntaVentana(AWx(TextoConfirmacionInternet()), AWx(kTituloConfirmacionInternet),
                                wxOK | wxCANCEL | wxICON_INFORMATION, m_pPadre) == wxOK;
}

std::optional<std::filesystem::path> CDialogosPresentacionVentanas::PedirFichero(std::string_view nombre) {
  CDlgInternet dialogo(m_pPadre, RutaInicialInternet(nombre));
  if (dialogo.ShowModal() != wxID_OK) return std::nullopt;
  return dialogo.DameRuta();
}

int CDialogosPresentacionVentanas::Generar(CInetFichero& escritor, const std::filesystem::path& fichero) {
  // The progress window is the only one that takes input while the file is written: its Cancel.
  auto* progreso = new CDlgGenerandoInet(m_pPadre, escritor);
  int resultado = 0;
  {
    wxWindowDisabler deshabilitar(progreso);
    escritor.PonerProgreso(progreso);
    resultado = escritor.Generar(fichero);
    escritor.PonerProgreso(nullptr);
  }
  progreso->Destroy();
  return resultado;
}

void CDialogosPresentacionVentanas::MostrarResultado(const CInetFichero& escritor) {
  // A cancelled run ends without a message; the user asked for it.
  escritor.MostrarResultado();
}

}  // namespace salida
