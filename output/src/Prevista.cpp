#include "output/Prevista.h"

#include <wx/app.h>
#include <wx/print.h>
#include <wx/weakref.h>

#include "framework/ComandosDocumento.h"
#include "framework/DlgMensaje.h"
#include "output/ImpresionDestino.h"
#include "output/ImpresionImpresora.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace salida {

namespace {

// The window texts of this file are fixed texts: they speak the interface language.
wxString AWx(std::string_view texto1252) { return marco::TextoFijoWx(texto1252); }

// The resolution the draft pages are drawn at before they are laid on the preview.
constexpr int kResolucionBorrador = 300;

}  // namespace

wxIMPLEMENT_DYNAMIC_CLASS(CPrevista, wxView);

CPrevista::CPrevista() { Bind(wxEVT_MENU, &CPrevista::AlMenu, this); }

CPrevista::~CPrevista() {
  if (auto* marco = dynamic_cast<CMyPreviewView*>(GetFrame())) {
    marco->SoltarVista();
    SetFrame(nullptr);
    marco->Destroy();
  }
}

bool CPrevista::OnCreate(wxDocument* /*documento*/, long /*banderas*/) { return true; }

void CPrevista::OnDraw(wxDC* /*dc*/) {}

bool CPrevista::OnClose(bool /*borrarVentana*/) { return true; }

void CPrevista::AlMenu(wxCommandEvent& evento) {
  const int comando = marco::ComandoDeWx(evento.GetId());
  if (evento.GetId() == kComandoBorradorVista || comando == kComandoBorradorVista) {
    OnPresentacionBorrador();
    return;
  }
  evento.Skip();
}

IFuenteBorrador* CPrevista::Fuente() {
  if (auto* propia = dynamic_cast<IFuenteBorrador*>(GetDocument())) return propia;
  if (!m_pFuentePropia) {
    if (auto* doc = dynamic_cast<marco::CProg32Doc*>(GetDocument())) {
      m_pFuentePropia = std::make_unique<CFuenteBorradorMarco>(*doc);
    }
  }
  return m_pFuentePropia.get();
}

void CPrevista::PonerFuente(std::unique_ptr<IFuenteBorrador> fuente) { m_pFuentePropia = std::move(fuente); }

void CPrevista::CalcularPaginas() {
  IFuenteBorrador* fuente = m_pFuentePropia ? m_pFuentePropia.get() : Fuente();
  if (fuente == nullptr) {
    m_paginas = CPaginasBorrador();
    return;
  }
  m_paginas = CPaginasBorrador::Calcular(fuente->TipoFormulario(), fuente->DatosRenta(), fuente->SujetoActual(),
                                         fuente->VistaUnidadFamiliar());
}

int CPrevista::DibujarPagina(plataforma::CLienzo& lienzo, int n) {
  const std::optional<SPaginaBorrador> pagina = m_paginas.Pagina(n);
  IFuenteBorrador* fuente = m_pFuentePropia ? m_pFuentePropia.get() : Fuente();
  if (!pagina || fuente == nullptr) return 0;
  marco::PaginaInfo info;
  plataforma::CMetaFile imagen;
  std::shared_ptr<marco::CControlesPagina> campos;
  // A page missing from the catalogue shows only the watermark.
  if (fuente->LeerPagina(pagina->idPagina, info) != 0) {
    if (imagen.Cargar(info.imagen) == 0) {
      marco::CDlgMensaje().MostrarMensaje("WIN025", marco::IconoExclamacion,
                                          marco::TextoFijo1252("No se ha podido abrir el fichero Metafile: ") +
                                              info.imagen);
    }
    campos = fuente->CrearCampos(pagina->idPagina);
    // The box array tells its sheets apart by the sheet number.
    if (campos) campos->AvisoGrupo(pagina->hoja, 0);
  }
  DibujarPaginaBorrador(lienzo, imagen, campos.get());
  return 1;
}

bool CPrevista::OnPresentacionBorrador() {
  CalcularPaginas();
  wxPrintDialogData datos;
  datos.GetPrintData().SetPaperId(wxPAPER_A4);
  datos.GetPrintData().SetOrientation(wxPORTRAIT);
  auto* vista = new wxPrintPreview(new CPrintoutBorrador(*this), nullptr, &datos);
  if (!vista->IsOk() || m_paginas.Total() == 0) {
    delete vista;
    marco::CDlgMensaje().MostrarMensaje({}, marco::IconoExclamacion, kTextoFalloComando);
    return false;
  }
  wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  auto* marco = new CMyPreviewView(vista, principal, this);
  marco->SetTitle(AWx("Presentaci\xF3n borrador"));
  SetFrame(marco);
  marco->Initialize();
  marco->Maximize(true);
  marco->Show(true);
  // The person who asked for the draft works in it: it comes to the front with the keyboard, also when the menu
  // that asked for it hands the focus back to the main window as it closes.
  marco->Raise();
  if (wxTheApp != nullptr) {
    wxWeakRef<wxFrame> delante(marco);
    wxTheApp->CallAfter([delante] {
      if (delante) delante->Raise();
    });
  }
  return true;
}

// ---- printout ----

CPrintoutBorrador::CPrintoutBorrador(CPrevista& vista) : wxPrintout(AWx(kTextoMarcaBorrador)), m_vista(vista) {}

bool CPrintoutBorrador::HasPage(int pagina) { return pagina >= 1 && pagina <= m_vista.Paginas().Total(); }

void CPrintoutBorrador::GetPageInfo(int* minimo, int* maximo, int* desde, int* hasta) {
  const int total = m_vista.Paginas().Total();
  *minimo = total > 0 ? 1 : 0;
  *maximo = total;
  *desde = *minimo;
  *hasta = total;
}

bool CPrintoutBorrador::OnPrintPage(int pagina) {
  wxDC* dc = GetDC();
  if (dc == nullptr || !HasPage(pagina)) return false;
  // The page covers the whole surface it is given, in the surface's own units: the printer's page, or the preview's
  // picture of it, which is far smaller than the printer's page in pixels.
  const wxSize dispositivo = dc->GetSize();
  wxSize destino(dc->DeviceToLogicalXRel(dispositivo.x), dc->DeviceToLogicalYRel(dispositivo.y));
  if (destino.x <= 0 || destino.y <= 0) GetPageSizePixels(&destino.x, &destino.y);
  // The page is drawn once as vector drawing, then laid on whatever surface the preview or the printer gives.
  CDestinoGrabado grabado({}, TamanoA4(kResolucionBorrador), kResolucionBorrador, {}, {});
  if (!grabado.IniciarDocumento({})) return false;
  plataforma::CLienzo* lienzo = grabado.IniciarHoja({});
  if (lienzo == nullptr) return false;
  m_vista.DibujarPagina(*lienzo, pagina);
  if (grabado.TerminarHoja() != kHojaImpresa || grabado.Hojas().empty()) return false;
  return DibujarHojaEnDC(*dc, grabado.Hojas().front(), destino);
}

// ---- preview window ----

CMyPreviewView::CMyPreviewView(wxPrintPreviewBase* preview, wxWindow* padre, CPrevista* vista)
    : wxPreviewFrame(preview, padre, AWx("Presentaci\xF3n borrador")), m_pVista(vista) {}

CMyPreviewView::~CMyPreviewView() {
  // The draft view goes with its window.
  if (CPrevista* vista = m_pVista) {
    m_pVista = nullptr;
    vista->SetFrame(nullptr);
    delete vista;
  }
  if (wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr) {
    if (principal != this) principal->Raise();
  }
}

}  // namespace salida
