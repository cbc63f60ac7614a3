#include "framework/Prog32View.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/docmdi.h>
#include <wx/frame.h>
#include <wx/graphics.h>
#include <wx/menu.h>
#include <wx/scrolwin.h>
#include <wx/settings.h>
#include <wx/statusbr.h>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/FabricaEdit.h"
#include "framework/BaseDatos.h"
#include "framework/Pista.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

wxIMPLEMENT_DYNAMIC_CLASS(CProg32View, wxView);

namespace {

// Around the page, where the window is wider or taller than it.
constexpr plataforma::CColor kColorFueraDePagina = plataforma::Rgb(192, 192, 192);

wxString AWx(std::string_view texto1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto1252)); }

}  // namespace

// The frame of a page view whose document has no document manager (the document's frames of the framework need
// one): commands go to the view (and from it to the document), and closing the frame closes the view.
class CMarcoPagina : public wxFrame {
 public:
  CMarcoPagina(wxWindow* padre, wxView* vista, const wxSize& tamano)
      : wxFrame(padre, wxID_ANY, wxString(), wxDefaultPosition, tamano, wxDEFAULT_FRAME_STYLE | wxCLIP_CHILDREN),
        m_pVista(vista) {
    Bind(wxEVT_CLOSE_WINDOW, &CMarcoPagina::AlCerrar, this);
  }
  // The view is going away by itself.
  void Soltar() { m_pVista = nullptr; }

 protected:
  bool TryBefore(wxEvent& evento) override {
    if (m_pVista != nullptr && evento.IsCommandEvent() && m_pVista->ProcessEventLocally(evento)) return true;
    return wxFrame::TryBefore(evento);
  }

 private:
  void AlCerrar(wxCloseEvent& evento) {
    if (m_pVista != nullptr) {
      if (!m_pVista->Close(false) && evento.CanVeto()) {
        evento.Veto();
        return;
      }
      wxView* vista = m_pVista;
      m_pVista = nullptr;
      delete vista;
    }
    Destroy();
  }

  wxView* m_pVista;
};

// The window the page is drawn in. It forwards everything to its view, which it lets go of when the view goes
// first (the window itself goes at the next idle time).
class CLienzoPagina : public wxScrolledCanvas {
 public:
  CLienzoPagina(wxWindow* padre, CProg32View* vista)
      : wxScrolledCanvas(padre, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                         wxHSCROLL | wxVSCROLL | wxCLIP_CHILDREN | wxCLIP_SIBLINGS | wxWANTS_CHARS),
        m_pVista(vista) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetScrollRate(1, 1);
    Bind(wxEVT_PAINT, &CLienzoPagina::AlPintar, this);
    Bind(wxEVT_MOTION, &CLienzoPagina::AlMover, this);
    Bind(wxEVT_LEFT_DOWN, &CLienzoPagina::AlPulsar, this);
    Bind(wxEVT_CHAR, &CLienzoPagina::AlCaracter, this);
    Bind(wxEVT_KEY_DOWN, &CLienzoPagina::AlTecla, this);
    Bind(wxEVT_SET_FOCUS, &CLienzoPagina::AlFoco, this);
    Bind(wxEVT_CONTEXT_MENU, &CLienzoPagina::AlMenuContextual, this);
    Bind(wxEVT_MOUSEWHEEL, &CLienzoPagina::AlRueda, this);
    Bind(EVT_AVISO_CAMPO, &CLienzoPagina::AlAviso, this);
    Bind(wxEVT_SIZE, &CLienzoPagina::AlCambiarTamano, this);
  }

  void Soltar() { m_pVista = nullptr; }

  // The view brings its active box into sight itself (HacerVisible), in page units. The toolkit's own scrolling to a
  // child that takes the focus would act on the edit's place of the moment, before the view has set it, and leave
  // the page scrolled sideways.
  bool ShouldScrollToChildOnFocus(wxWindow*) override { return false; }

  // A page shown before its window had its size was scrolled for a small window: once the window has its size,
  // the page scrolls back as far as the active box allows (its head is not left above the window).
  void AlCambiarTamano(wxSizeEvent& evento) {
    evento.Skip();
    CallAfter([this] {
      if (m_pVista != nullptr) m_pVista->AjustarTrasTamano();
    });
  }

  // Activates a box after the event being handled is over; a key that reaches the page first finds it active
  // (ActivarPendiente), so that the keys a person types on at once after a page opens start from that box.
  void ActivarMasTarde(int indice) {
    m_nActivarPendiente = indice;
    CallAfter([this] { ActivarPendiente(); });
  }

  // The activation waiting, if any: a box of ActivarMasTarde, or the page's first box when it took the focus
  // without an active edit.
  void ActivarPendiente() {
    const int pendiente = m_nActivarPendiente;
    m_nActivarPendiente = kSinActivar;
    if (m_pVista == nullptr || pendiente == kSinActivar) return;
    if (pendiente >= 0) {
      m_pVista->PonerCampoRaton(pendiente);
      m_pVista->ActivarCampo();
      // A box that takes no input (a result) hands the focus on to the next one that does; the box asked for
      // stays in sight.
      if (m_pVista != nullptr && m_pVista->DameCampoActivo() != pendiente) m_pVista->HacerVisible(pendiente);
      return;
    }
    if (m_pVista->DameEditActivo() != nullptr) return;
    if (m_pVista->NumeroCampos() > 0) m_pVista->ActivarCampo();
    // A page without a box to type in: the status bar no longer speaks of the box of another page.
    if (m_pVista->DameEditActivo() == nullptr) m_pVista->TextoBarraEstado(std::string());
  }

 private:
  void AlPintar(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (m_pVista == nullptr) return;
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    auto* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
    if (cr == nullptr) return;
    const wxSize tam = GetClientSize();
    plataforma::CLienzo lienzo(cr, tam.x, tam.y);
    m_pVista->Pintar(lienzo, m_pVista->Desplazamiento());
  }

  void AlMover(wxMouseEvent& evento) {
    evento.Skip();
    if (m_pVista == nullptr) return;
    m_pVista->AlMoverRatonVentana({evento.GetX(), evento.GetY()});
    const int raton = m_pVista->DameCampoRaton();
    const CCampo* campo = raton >= 0 ? m_pVista->DameCampo(raton) : nullptr;
    SetCursor(campo != nullptr ? wxCursor(wxCURSOR_IBEAM) : wxNullCursor);
    const wxString texto = campo != nullptr ? AWx(campo->TextoDibuj) : wxString();
    if (GetToolTipText() != texto) {
      if (texto.empty()) UnsetToolTip(); else SetToolTip(texto);
    }
  }

  void AlPulsar(wxMouseEvent& evento) {
    if (m_pVista == nullptr) return;
    if (FindFocus() != this && m_pVista->DameEditActivo() == nullptr) m_bSinActivarAlEnfocar = true;
    m_pVista->AlPulsarRaton({evento.GetX(), evento.GetY()});
    if (m_pVista != nullptr && m_pVista->DameEditActivo() == nullptr) SetFocus();
  }

  void AlCaracter(wxKeyEvent& evento) {
    ActivarPendiente();
    // Control and a letter comes as the letter's control character (Ctrl+I as a Tab, Ctrl+M as an Enter): it is a
    // command of the menus, never a page key, or the page would take Ctrl+I for a Tab and the menu would not see it.
    const bool controlLetra = evento.ControlDown() && m_teclaAbajo >= 'A' && m_teclaAbajo <= 'Z';
    if (m_pVista == nullptr || controlLetra ||
        !m_pVista->AlTeclaPagina(evento.GetKeyCode(), evento.ShiftDown(), evento.ControlDown())) {
      evento.Skip();
    }
  }

  void AlTecla(wxKeyEvent& evento) {
    ActivarPendiente();
    const int tecla = evento.GetKeyCode();
    m_teclaAbajo = tecla;
    // Tab and Enter come as characters; the rest of the page keys as key-downs.
    if (tecla == WXK_TAB || tecla == WXK_RETURN || tecla == WXK_NUMPAD_ENTER || m_pVista == nullptr ||
        !m_pVista->AlTeclaPagina(tecla, evento.ShiftDown(), evento.ControlDown())) {
      evento.Skip();
    }
  }

  // The page taking the focus without an active edit activates a box (a click does that itself); with one, the
  // focus goes on to it (a page brought forward hands the focus to its window, whatever box is active in it).
  void AlFoco(wxFocusEvent& evento) {
    evento.Skip();
    if (m_bSinActivarAlEnfocar) {
      m_bSinActivarAlEnfocar = false;
      return;
    }
    if (m_pVista != nullptr && m_pVista->DameEditActivo() != nullptr) {
      CallAfter([this] {
        CEditEx* edit = m_pVista != nullptr ? m_pVista->DameEditActivo() : nullptr;
        wxWindow* ventana = edit != nullptr ? edit->DameVentana() : nullptr;
        if (ventana != nullptr && FindFocus() == this) ventana->SetFocus();
      });
      return;
    }
    if (m_pVista != nullptr && m_pVista->DameEditActivo() == nullptr && m_nActivarPendiente == kSinActivar) {
      m_nActivarPendiente = kActivarPrimera;
      CallAfter([this] { ActivarPendiente(); });
      return;
    }
    // With a box active the keys are the box's: the focus goes on to its edit (the frame coming forward hands it
    // to the page, which would take the typed characters for nobody).
    if (m_pVista != nullptr && m_pVista->DameEditActivo() != nullptr) {
      CallAfter([this] {
        if (m_pVista == nullptr || FindFocus() != this) return;
        CEditEx* edit = m_pVista->DameEditActivo();
        if (edit != nullptr && edit->DameVentana() != nullptr) edit->DameVentana()->SetFocus();
      });
    }
  }

  void AlMenuContextual(wxContextMenuEvent& evento) {
    wxPoint punto = evento.GetPosition();
    punto = punto == wxDefaultPosition ? wxPoint(5, 5) : ScreenToClient(punto);
    wxMenu menu;
    for (const SOpcionMenuEdit& opcion : MenuContextualPagina()) {
      if (opcion.id == 0) {
        menu.AppendSeparator();
      } else {
        menu.Append(ComandoAWx(opcion.id), TextoFijoWx(opcion.texto));
      }
    }
    AnadirPersonasAlMenu(menu);
    PopupMenu(&menu, punto);
  }

  void AlRueda(wxMouseEvent& evento) {
    if (m_pVista == nullptr || evento.GetWheelRotation() == 0) return;
    const int paso = std::max(1, m_pVista->Geometria().pasoLinea.cy / 2);
    const wxPoint inicio = GetViewStart();
    Scroll(inicio.x, std::max(0, inicio.y - (evento.GetWheelRotation() > 0 ? paso : -paso)));
    m_pVista->AlMostrarCampo();
  }

  void AlAviso(wxCommandEvent& evento) {
    if (m_pVista == nullptr) {
      evento.Skip();
      return;
    }
    const auto palabra = (static_cast<std::uint32_t>(evento.GetInt() & 0xFFFF) << 16) |
                         static_cast<std::uint32_t>(evento.GetId() & 0xFFFF);
    auto* control = dynamic_cast<wxWindow*>(evento.GetEventObject());
    if (m_pVista->DespacharAvisoCampo(palabra, control) != 1) evento.Skip();
  }

  CProg32View* m_pVista;
  bool m_bSinActivarAlEnfocar = false;
  // The activation waiting: a box index, kActivarPrimera, or kSinActivar.
  static constexpr int kSinActivar = -2;
  static constexpr int kActivarPrimera = -1;
  int m_nActivarPendiente = kSinActivar;
  // The key of the last key-down: the character event that follows it tells a Tab from Control and I only by it.
  int m_teclaAbajo = 0;
};

CProg32View::CProg32View() {
  Bind(wxEVT_MENU, &CProg32View::AlMenu, this);
  Bind(wxEVT_UPDATE_UI, &CProg32View::AlActualizarMenu, this);
}

CProg32View::~CProg32View() {
  m_pEdit.reset();
  if (m_pLienzo != nullptr) m_pLienzo->Soltar();
  // A frame of the framework goes with the view by itself; the view's own frame is destroyed here.
  if (auto* marco = dynamic_cast<CMarcoPagina*>(GetFrame())) {
    marco->Soltar();
    marco->Destroy();
  }
}

CProg32Doc* CProg32View::DameDocumento() const { return dynamic_cast<CProg32Doc*>(GetDocument()); }

wxWindow* CProg32View::DameVentana() const { return m_pLienzo; }

wxWindow* CProg32View::VentanaCampoActivo() const {
  return m_pEdit != nullptr ? m_pEdit->DameVentana() : nullptr;
}

bool CProg32View::OnCreate(wxDocument* documento, long /*banderas*/) {
  wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  const wxSize tamano(800, 600);
  wxFrame* marco = nullptr;
  if (auto* mdi = dynamic_cast<wxDocMDIParentFrame*>(principal)) {
    marco = new wxDocMDIChildFrame(documento, this, mdi, wxID_ANY, wxString(), wxDefaultPosition, tamano,
                                   wxDEFAULT_FRAME_STYLE | wxCLIP_CHILDREN);
  } else if (documento != nullptr && documento->GetDocumentManager() != nullptr) {
    marco = new wxDocChildFrame(documento, this, dynamic_cast<wxFrame*>(principal), wxID_ANY, wxString(),
                                wxDefaultPosition, tamano, wxDEFAULT_FRAME_STYLE | wxCLIP_CHILDREN);
  } else {
    marco = new CMarcoPagina(principal, this, tamano);
  }
  SetFrame(marco);
  m_pLienzo = new CLienzoPagina(marco, this);
  if (PrepararPagina() == 0 || DevuelveUnoVista() == 0 || PrepararCampos() == 0) {
    // The caller deletes the view, and the frame goes with it.
    m_pLienzo->Soltar();
    m_pLienzo = nullptr;
    return false;
  }
  marco->SetTitle(AWx(m_pagina.titulo));
  marco->Show(true);
  m_pLienzo->SetFocus();
  EnfocarCampoInicial();
  return true;
}

plataforma::CPunto CProg32View::Desplazamiento() const {
  if (m_pLienzo == nullptr) return {};
  const wxPoint inicio = m_pLienzo->GetViewStart();
  return {inicio.x, inicio.y};
}

void CProg32View::ReconstruirFuente() {
  m_geometria.fuente = CalcularFuenteCampos(m_nAnchoUtil, m_geometria.pagina, DameDocumento() != nullptr
                                                                                   ? DameDocumento()->DameZoom()
                                                                                   : 1.0);
  const int alto = std::max(1, std::abs(m_geometria.fuente.alto));
  m_fuente = wxFont(wxSize(0, alto), wxFONTFAMILY_SWISS, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, false, "Arial");
  if (m_pLienzo != nullptr) m_pLienzo->SetFont(m_fuente);
  m_bReconstruirFuente = false;
}

void CProg32View::AjustarDesplazamiento(plataforma::CPunto posicion) {
  if (m_pLienzo == nullptr) return;
  m_pLienzo->SetVirtualSize(m_geometria.vista.cx, m_geometria.vista.cy);
  m_pLienzo->Scroll(posicion.x, posicion.y);
}

int CProg32View::AnchoUtilVentanaActual() const {
  const int pantalla = wxSystemSettings::GetMetric(wxSYS_SCREEN_X);
  int barra = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_pLienzo);
  if (m_pLienzo == nullptr) return AnchoUtil(pantalla, barra);
  // The scroll bar the window shows now, when the platform's metric says less.
  barra = std::max(barra, m_pLienzo->GetSize().x - m_pLienzo->GetClientSize().x);
  return AnchoUtilVentana(m_pLienzo->GetSize().x, barra, pantalla);
}

int CProg32View::PrepararPagina() {
  m_nAnchoUtil = AnchoUtilVentanaActual();
  CProg32Doc* doc = DameDocumento();
  const double zoom = doc != nullptr ? doc->DameZoom() : 1.0;
  const int idPagina = DameNumeroPagina();
  PaginaInfo info;
  // A view of no page (a negative id) has no catalogue entry to read.
  if (doc != nullptr && idPagina >= 0 && doc->LeerPagina(idPagina, info) == 1) {
    m_pagina = info;
    if (m_imagen.Cargar(info.imagen) == 0) CDlgMensaje().MostrarMensaje("WIN025", IconoExclamacion, info.imagen);
  }
  m_geometria = CalcularGeometria(m_nAnchoUtil, m_imagen.DameTamano(), zoom);
  AjustarDesplazamiento({0, 0});
  ReconstruirFuente();
  return 1;
}

void CProg32View::Pintar(plataforma::CLienzo& lienzo, plataforma::CPunto d) {
  if (m_bReconstruirFuente) ReconstruirFuente();
  lienzo.RellenarRectangulo({0, 0, lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()}, kColorFueraDePagina);
  lienzo.RellenarRectangulo({-d.x, -d.y, m_geometria.vista.cx - d.x, m_geometria.vista.cy - d.y}, plataforma::kBlanco);
  lienzo.PonModoMapeo(plataforma::ModoMapeo::Anisotropico);
  lienzo.PonExtensionVentana(m_geometria.pagina);
  lienzo.PonExtensionVista(m_geometria.vista);
  if (!m_imagen.EstaVacio()) {
    lienzo.Guardar();
    lienzo.PonOrigenVista({-d.x, -d.y});
    m_imagen.Dibujar(lienzo, {0, 0, m_geometria.pagina.cx, m_geometria.pagina.cy}, 0);
    lienzo.Restaurar();
  }
  // The box font in the page's units.
  plataforma::CFuente fuente;
  fuente.nombre = "Arial";
  fuente.peso = 700;
  fuente.alto = m_geometria.vista.cy > 0
                    ? static_cast<int>(std::lround(static_cast<double>(m_geometria.fuente.alto) * m_geometria.pagina.cy /
                                                   m_geometria.vista.cy))
                    : 0;
  lienzo.PonFuente(fuente);
  lienzo.PonModoFondo(plataforma::ModoFondo::Transparente);
  DibujarCampos(lienzo, d.x, d.y);
  // The box under the pointer keeps its highlight.
  const int raton = DameCampoRaton();
  if (raton >= 0 && raton != DameCampoActivo()) {
    if (const CCampo* campo = DameCampo(raton); campo != nullptr && campo->SoloLectur == 0) {
      campo->DibujarMarco(kMarcoResaltado, lienzo, d.x, d.y);
    }
  }
}

void CProg32View::OnDraw(wxDC* dc) {
  if (dc == nullptr) return;
  std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::CreateFromUnknownDC(*dc));
  auto* cr = gc ? static_cast<cairo_t*>(gc->GetNativeContext()) : nullptr;
  if (cr == nullptr) return;
  const wxSize tam = dc->GetSize();
  plataforma::CLienzo lienzo(cr, tam.x, tam.y);
  Pintar(lienzo, Desplazamiento());
}

void CProg32View::OnUpdate(wxView* /*emisor*/, wxObject* pista) {
  switch (CodigoPista(pista)) {
    case kPistaValores:
      RefrescarControles();
      break;
    case kPistaZoom:
      CambioZoom();
      break;
    case kPistaSujeto:
      ConfirmarCampoActivo();
      MostrarTextoEstado(nullptr, 1);
      break;
    case kPistaSinAccion:
      break;
    default:
      if (m_pLienzo != nullptr) m_pLienzo->Refresh();
      break;
  }
}

void CProg32View::RefrescarControles() {
  if (m_pLienzo != nullptr) m_pLienzo->Refresh();
}

void CProg32View::CambioZoom() {
  CProg32Doc* doc = DameDocumento();
  const double zoom = doc != nullptr ? doc->DameZoom() : 1.0;
  Redistribuir(true);
  PonerZoomTexto(TextoZoom(zoom));
}

void CProg32View::Redistribuir(bool trasZoom) {
  CProg32Doc* doc = DameDocumento();
  const double zoom = doc != nullptr ? doc->DameZoom() : 1.0;
  const plataforma::CTamano antes = m_geometria.vista;
  const plataforma::CPunto desplazamiento = Desplazamiento();
  const SSobreCaja sobreCaja = TomarSobreCaja();
  m_geometria = CalcularGeometria(m_nAnchoUtil, m_imagen.DameTamano(), zoom);
  ReconstruirFuente();
  RecargarCoordenadas(m_geometria.escalaCampos);
  AjustarDesplazamiento(trasZoom ? DesplazamientoTrasZoom(desplazamiento, antes, m_geometria.vista, zoom)
                                 : DesplazamientoTrasEscala(desplazamiento, antes, m_geometria.vista));
  if (m_pEdit != nullptr && m_pEdit->DameVentana() != nullptr) m_pEdit->DameVentana()->SetFont(m_fuente);
  DevolverSobreCaja(sobreCaja);
  AlMostrarCampo();
  if (m_pLienzo != nullptr) m_pLienzo->Refresh();
}

CProg32View::SSobreCaja CProg32View::TomarSobreCaja() {
  SSobreCaja s;
  wxWindow* edit = m_pEdit != nullptr ? m_pEdit->DameVentana() : nullptr;
  const CCampo* campo = edit != nullptr ? DameCampo(DameCampoActivo()) : nullptr;
  if (campo == nullptr || m_pLienzo == nullptr) return s;
  // The edit's area as its own window places it (the page under it may have moved without it), as wide as the
  // box's edit: the buttons the edit put over its box lie in it.
  const wxPoint p = edit->GetPosition();
  const plataforma::CRectangulo area = RectanguloEditCampo(*campo, {});
  s.area = {p.x, p.y, p.x + area.Ancho(), p.y + area.Alto()};
  for (wxWindow* hijo : m_pLienzo->GetChildren()) {
    if (hijo->IsTopLevel() || !hijo->IsShown()) continue;
    const wxRect r = hijo->GetRect();
    const plataforma::CRectangulo rr{r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight()};
    if (hijo == edit || DentroDe(rr, s.area)) s.ventanas.emplace_back(hijo, rr);
  }
  return s;
}

void CProg32View::DevolverSobreCaja(const SSobreCaja& s) {
  const CCampo* campo = m_pEdit != nullptr && m_pEdit->DameVentana() != nullptr ? DameCampo(DameCampoActivo()) : nullptr;
  if (campo == nullptr || s.ventanas.empty()) return;
  const plataforma::CRectangulo area = RectanguloEditCampo(*campo, Desplazamiento());
  for (const auto& [ventana, r] : s.ventanas) {
    const plataforma::CRectangulo n = LlevarSobreCampo(r, s.area, area);
    ventana->SetSize(n.left, n.top, std::max(1, n.Ancho()), std::max(1, n.Alto()));
  }
  HacerVisible(DameCampoActivo());
}

bool CProg32View::Acercar() {
  CProg32Doc* doc = DameDocumento();
  if (doc == nullptr) return false;
  doc->ConfirmarCampoActivo();
  const double zoom = doc->DameZoom();
  const double nuevo = ZoomAcercado(zoom);
  if (nuevo == zoom) return false;
  doc->PonerZoom(nuevo);
  PonerZoomTexto(TextoZoom(nuevo));
  doc->ActualizarVistas(kPistaZoom);
  return true;
}

bool CProg32View::Alejar() {
  CProg32Doc* doc = DameDocumento();
  if (doc == nullptr) return false;
  doc->ConfirmarCampoActivo();
  const double zoom = doc->DameZoom();
  const double nuevo = ZoomAlejado(zoom);
  if (nuevo == zoom) return false;
  doc->PonerZoom(nuevo);
  PonerZoomTexto(TextoZoom(nuevo));
  doc->ActualizarVistas(kPistaZoom);
  return true;
}

void CProg32View::PresentacionBorrador() {
  CProg32Doc* doc = DameDocumento();
  if (doc == nullptr) return;
  if (m_bBorradorPendiente) {
    m_bReconstruirFuente = true;
    doc->Imprimir();
    m_bBorradorPendiente = false;
  } else {
    doc->PresentarBorrador();
  }
}

bool CProg32View::EjecutarComandoVista(int comando) {
  switch (comando) {
    case kComandoCopiar:
      if (m_pEdit != nullptr) m_pEdit->Copiar();
      return true;
    case kComandoCortar:
      if (m_pEdit != nullptr) {
        m_pEdit->Cortar();
        m_pEdit->PonerModificado(true);
      }
      return true;
    case kComandoPegar:
      if (m_pEdit != nullptr) {
        m_pEdit->Pegar();
        m_pEdit->PonerModificado(true);
      }
      return true;
    case kComandoDeshacer:
      if (m_pEdit != nullptr) {
        m_pEdit->Deshacer();
        m_pEdit->PonerModificado(true);
      }
      return true;
    case kComandoZoomAcercar:
      Acercar();
      return true;
    case kComandoZoomAlejar:
      Alejar();
      return true;
    case kComandoCalculadora:
      if (m_pEdit != nullptr) {
        m_pEdit->Calculadora();
      } else if (ServiciosComandos().calculadora) {
        ServiciosComandos().calculadora(m_pLienzo);
      }
      return true;
    case kComandoImprimir:
    case kComandoImprimirDirecto:
      PresentacionBorrador();
      return true;
    default:
      return false;
  }
}

bool CProg32View::ActualizarComandoVista(int comando, bool& habilitado) {
  const CProg32Doc* doc = DameDocumento();
  const double zoom = doc != nullptr ? doc->DameZoom() : 1.0;
  switch (comando) {
    case kComandoCopiar:
    case kComandoCortar:
      habilitado = m_pEdit != nullptr && m_pEdit->HaySeleccion();
      return true;
    case kComandoPegar:
      habilitado = m_pEdit != nullptr && !m_pEdit->EsSoloLectura() && !m_pEdit->Superficie().Portapapeles().empty();
      return true;
    case kComandoDeshacer:
      habilitado = m_pEdit != nullptr && m_pEdit->PuedeDeshacer();
      return true;
    case kComandoZoomAcercar:
      habilitado = PuedeAcercar(zoom);
      return true;
    case kComandoZoomAlejar:
      habilitado = PuedeAlejar(zoom);
      return true;
    case kComandoCalculadora:
    case kComandoImprimir:
    case kComandoImprimirDirecto:
      habilitado = true;
      return true;
    default:
      return false;
  }
}

void CProg32View::AlMenu(wxCommandEvent& evento) {
  if (!EjecutarComandoVista(ComandoDeWx(evento.GetId()))) evento.Skip();
}

void CProg32View::AlActualizarMenu(wxUpdateUIEvent& evento) {
  bool habilitado = false;
  if (ActualizarComandoVista(ComandoDeWx(evento.GetId()), habilitado)) {
    evento.Enable(habilitado);
  } else {
    evento.Skip();
  }
}

bool CProg32View::AlTeclaPagina(int teclaWx, bool mayusculas, bool control) {
  switch (teclaWx) {
    case WXK_TAB:
      SaltarCampo(mayusculas ? 0 : 1);
      return true;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
    case WXK_DOWN:
      SaltarCampo(1);
      return true;
    case WXK_UP:
      SaltarCampo(0);
      return true;
    case WXK_PAGEUP:
    case WXK_PAGEDOWN:
      if (m_pLienzo != nullptr) {
        const plataforma::CPunto d = Desplazamiento();
        const int paso = m_geometria.pasoPagina.cy * (teclaWx == WXK_PAGEUP ? -1 : 1);
        m_pLienzo->Scroll(d.x, std::max(0, d.y + paso));
        AlMostrarCampo();
      }
      return true;
    case WXK_HOME:
    case WXK_END:
      if (!control) return false;
      if (m_pLienzo != nullptr) {
        m_pLienzo->Scroll(0, teclaWx == WXK_HOME ? 0 : m_geometria.vista.cy);
        AlMostrarCampo();
      }
      return true;
    case WXK_INSERT:
      return true;
    default:
      return false;
  }
}

void CProg32View::AlPulsarRaton(plataforma::CPunto enVentana) {
  const plataforma::CPunto d = Desplazamiento();
  PonerCampoRaton(BuscarCampo({enVentana.x + d.x, enVentana.y + d.y}));
  ActivarCampo();
}

void CProg32View::AlMoverRatonVentana(plataforma::CPunto enVentana) {
  const plataforma::CPunto d = Desplazamiento();
  AlMoverRaton({enVentana.x + d.x, enVentana.y + d.y});
}

// ---- the window side ----

bool CProg32View::HayEditActivo() const { return m_pEdit != nullptr && DameCampoActivo() >= 0; }

bool CProg32View::EditModificado() const { return m_pEdit != nullptr && m_pEdit->EstaModificado(); }

void CProg32View::LimpiarEditModificado() {
  if (m_pEdit != nullptr) m_pEdit->PonerModificado(false);
}

void CProg32View::GuardarEditActivo() {
  if (m_pEdit != nullptr) m_pEdit->IntercambiarDatos(1);
}

void CProg32View::CrearControlCampo(int indice) {
  m_pEdit.reset();
  CCampo* campo = DameCampo(indice);
  if (campo == nullptr) return;
  m_pEdit = FabricaEdit().Crear(*campo, DameBaseDatosLocal());
  if (m_pEdit == nullptr || m_pLienzo == nullptr) return;
  const plataforma::CPunto d = Desplazamiento();
  // Without a window the edit is active all the same.
  if (m_pEdit->CrearEnVista(m_pLienzo, d.x, d.y, &m_fuente) == 1 && m_pEdit->DameVentana() != nullptr) {
    m_pEdit->DameVentana()->SetFocus();
  }
}

void CProg32View::DestruirEdit() { m_pEdit.reset(); }

void CProg32View::DibujarMarcoCampo(int /*estado*/, int indice) {
  const CCampo* campo = DameCampo(indice);
  if (campo == nullptr || m_pLienzo == nullptr) return;
  const plataforma::CRectangulo r = RectanguloCampoEnVentana(*campo, Desplazamiento());
  m_pLienzo->RefreshRect(wxRect(r.left - 1, r.top - 1, r.Ancho() + 2, r.Alto() + 2), false);
}

void CProg32View::DibujarTextoCampo(int indice) { DibujarMarcoCampo(kMarcoNormal, indice); }

void CProg32View::HacerVisible(int indice) {
  const CCampo* campo = DameCampo(indice);
  if (campo == nullptr || m_pLienzo == nullptr) return;
  const plataforma::CPunto d = Desplazamiento();
  const wxSize cliente = m_pLienzo->GetClientSize();
  plataforma::CPunto n = d;
  if (campo->Coor_3 > n.x + cliente.x) n.x = campo->Coor_3 - cliente.x;
  if (campo->Coor_1 < n.x) n.x = campo->Coor_1;
  if (campo->Coor_4 > n.y + cliente.y) n.y = campo->Coor_4 - cliente.y;
  if (campo->Coor_2 < n.y) n.y = campo->Coor_2;
  n.x = std::max(0, n.x);
  n.y = std::max(0, n.y);
  if (n != d) {
    m_pLienzo->Scroll(n.x, n.y);
    m_pLienzo->Refresh();
  }
  // The active edit stays over its box whatever the window did with its children.
  if (m_pEdit != nullptr && m_pEdit->DameVentana() != nullptr && m_pEdit->DameCampo() != nullptr) {
    const plataforma::CRectangulo r = RectanguloEditCampo(*m_pEdit->DameCampo(), Desplazamiento());
    // An edit that gave up part of its box (to the detail button at its right) keeps its narrower width.
    const int ancho = std::min(m_pEdit->DameVentana()->GetSize().x, r.Ancho());
    m_pEdit->DameVentana()->SetSize(r.left, r.top, ancho, r.Alto());
  }
}

void CProg32View::AjustarTrasTamano() {
  if (m_pLienzo == nullptr) return;
  const SSobreCaja sobreCaja = TomarSobreCaja();
  // A new width: the page is laid out for it.
  if (const int ancho = AnchoUtilVentanaActual(); ancho != m_nAnchoUtil) {
    m_nAnchoUtil = ancho;
    Redistribuir(false);
  }
  const plataforma::CPunto d = Desplazamiento();
  const wxSize cliente = m_pLienzo->GetClientSize();
  const CCampo* campo = DameCampo(DameCampoActivo());
  // The least scroll either way that shows the active box (none without one).
  const int necesarioX = campo != nullptr ? std::max(0, campo->Coor_3 - cliente.x) : 0;
  const int necesarioY = campo != nullptr ? std::max(0, campo->Coor_4 - cliente.y) : 0;
  if (d.x > necesarioX || d.y > necesarioY) {
    m_pLienzo->Scroll(std::min(d.x, necesarioX), std::min(d.y, necesarioY));
    m_pLienzo->Refresh();
  }
  // The window's new size may have moved the page under the windows over the active box (a scroll the window
  // gave up by itself): they are put back over it.
  if (campo != nullptr) DevolverSobreCaja(sobreCaja);
}

void CProg32View::ActivarMasTarde(int indice) {
  if (m_pLienzo != nullptr) m_pLienzo->ActivarMasTarde(indice);
}

void CProg32View::CaretAlFinal() {
  if (m_pEdit == nullptr) return;
  const int largo = m_pEdit->LongitudTexto();
  m_pEdit->Superficie().PonerSeleccion(largo, largo);
}

void CProg32View::MarcarDocumentoModificado() {
  if (CProg32Doc* doc = DameDocumento()) doc->Modify(true);
}

void CProg32View::ActualizarVistasValores() {
  if (CProg32Doc* doc = DameDocumento()) doc->ActualizarVistas(kPistaValores);
}

void CProg32View::TextoBarraEstado(const std::string& texto1252) {
  auto* principal = wxTheApp != nullptr ? dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow()) : nullptr;
  wxStatusBar* barra = principal != nullptr ? principal->GetStatusBar() : nullptr;
  if (barra != nullptr) barra->SetStatusText(AWx(texto1252), 0);
}

}  // namespace marco
