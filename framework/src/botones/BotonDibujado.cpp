#include "framework/BotonDibujado.h"

#include <wx/button.h>
#include <wx/window.h>
#include <wx/dcbuffer.h>
#include <wx/settings.h>

#include <cctype>

namespace marco {

SColoresSistema ColoresDelSistema() {
  SColoresSistema s;
  s.cara = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  s.texto = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
  s.sombra = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
  s.luz = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
  s.claro = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_3DLIGHT));
  s.sombraOscura = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW));
  s.textoGris = ColorBoton(wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
  return s;
}

wxColour ColorWx(SColorBoton color) { return wxColour(color.r, color.g, color.b); }

SColorBoton ColorBoton(const wxColour& color) {
  if (!color.IsOk()) return {};
  return {color.Red(), color.Green(), color.Blue()};
}

bool PulsarBotonDeMnemonico(wxWindow* padre, int tecla) {
  if (padre == nullptr || tecla <= 0 || tecla > 0x7f || std::isalnum(tecla) == 0) return false;
  const int letra = std::tolower(tecla);
  for (wxWindow* hijo : padre->GetChildren()) {
    if (!hijo->IsShown() || !hijo->IsEnabled() || hijo->IsTopLevel()) continue;
    if (dynamic_cast<wxButton*>(hijo) != nullptr || dynamic_cast<CBotonDibujado*>(hijo) != nullptr) {
      wxString visible;
      const int indice = wxControl::FindAccelIndex(hijo->GetLabel(), &visible);
      if (indice >= 0 && static_cast<std::size_t>(indice) < visible.length() &&
          static_cast<int>(wxTolower(visible[static_cast<std::size_t>(indice)])) == letra) {
        wxCommandEvent pulsado(wxEVT_BUTTON, hijo->GetId());
        pulsado.SetEventObject(hijo);
        hijo->GetEventHandler()->ProcessEvent(pulsado);
        return true;
      }
    }
    if (PulsarBotonDeMnemonico(hijo, tecla)) return true;
  }
  return false;
}

void RellenarRect(wxDC& dc, SRectBoton rect, const wxColour& color) {
  if (rect.ancho <= 0 || rect.alto <= 0) return;
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(color));
  dc.DrawRectangle(rect.x, rect.y, rect.ancho, rect.alto);
}

void DibujarBordeBoton(wxDC& dc, SRectBoton rect, EBordeBoton borde, const SColoresSistema& sistema) {
  const SAnillosBorde anillos = AnillosBorde(borde);
  for (int i = 0; i < anillos.cuantos; ++i) {
    const SRectBoton r = rect.Encoger(i);
    if (r.ancho <= 0 || r.alto <= 0) return;
    const wxColour a = ColorWx(sistema.De(anillos.anillo[i].arribaIzquierda));
    const wxColour b = ColorWx(sistema.De(anillos.anillo[i].abajoDerecha));
    RellenarRect(dc, {r.x, r.y, r.ancho, 1}, a);
    RellenarRect(dc, {r.x, r.y, 1, r.alto}, a);
    RellenarRect(dc, {r.x, r.y + r.alto - 1, r.ancho, 1}, b);
    RellenarRect(dc, {r.x + r.ancho - 1, r.y, 1, r.alto}, b);
  }
}

void DibujarTextoBoton(wxDC& dc, const wxString& etiqueta, SRectBoton area, const wxColour& color, bool desactivado,
                       const SColoresSistema& sistema) {
  wxString visible;
  const int acelerador = wxControl::FindAccelIndex(etiqueta, &visible);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const wxRect rect(area.x, area.y, area.ancho, area.alto);
  if (desactivado) {
    dc.SetTextForeground(ColorWx(sistema.luz));
    dc.DrawLabel(visible, wxRect(rect.x + 1, rect.y + 1, rect.width, rect.height), wxALIGN_CENTER, acelerador);
    dc.SetTextForeground(ColorWx(sistema.sombra));
  } else {
    dc.SetTextForeground(color);
  }
  dc.DrawLabel(visible, rect, wxALIGN_CENTER, acelerador);
}

bool CBotonDibujado::Create(wxWindow* padre, wxWindowID id, const wxString& texto, const wxPoint& posicion,
                            const wxSize& tamano, long estilo) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxControl::Create(padre, id, posicion, tamano, estilo | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE,
                         wxDefaultValidator, wxASCII_STR(wxButtonNameStr)))
    return false;
  SetLabel(texto);
  InheritAttributes();
  if (tamano != wxDefaultSize) SetInitialSize(tamano);

  Bind(wxEVT_PAINT, &CBotonDibujado::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CBotonDibujado::OnBotonAbajo, this);
  Bind(wxEVT_LEFT_DCLICK, &CBotonDibujado::OnBotonAbajo, this);
  Bind(wxEVT_LEFT_UP, &CBotonDibujado::OnBotonArriba, this);
  Bind(wxEVT_MOTION, &CBotonDibujado::OnMover, this);
  Bind(wxEVT_LEAVE_WINDOW, &CBotonDibujado::OnSalir, this);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CBotonDibujado::OnCapturaPerdida, this);
  Bind(wxEVT_KEY_DOWN, &CBotonDibujado::OnTeclaAbajo, this);
  Bind(wxEVT_KEY_UP, &CBotonDibujado::OnTeclaArriba, this);
  Bind(wxEVT_SET_FOCUS, &CBotonDibujado::OnFoco, this);
  Bind(wxEVT_KILL_FOCUS, &CBotonDibujado::OnFocoPerdido, this);
  Bind(wxEVT_SYS_COLOUR_CHANGED, &CBotonDibujado::OnColores, this);
  return true;
}

wxVisualAttributes CBotonDibujado::GetDefaultAttributes() const { return wxButton::GetClassDefaultAttributes(); }

SEstadoItem CBotonDibujado::EstadoItem() const {
  SEstadoItem estado;
  estado.seleccionado = m_bPulsado;
  estado.enfocado = HasFocus();
  estado.desactivado = !IsEnabled();
  return estado;
}

void CBotonDibujado::DibujarEn(wxDC& dc) {
  const wxSize tam = GetClientSize();
  dc.SetFont(GetFont());
  Dibujar(dc, {0, 0, tam.x, tam.y}, EstadoItem(), ColoresDelSistema());
}

bool CBotonDibujado::Enable(bool activar) {
  if (!activar) Soltar();
  const bool cambiado = wxControl::Enable(activar);
  if (cambiado) Refresh();
  return cambiado;
}

bool CBotonDibujado::PuntoDentro(const wxPoint& punto) const { return GetClientRect().Contains(punto); }

void CBotonDibujado::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  DibujarEn(dc);
}

void CBotonDibujado::OnBotonAbajo(wxMouseEvent& evento) {
  if (!IsEnabled() || !PuntoDentro(evento.GetPosition())) return;  // outside the button's shape: not a click
  if (AcceptsFocus()) SetFocus();
  if (!m_bCapturado) {
    CaptureMouse();
    m_bCapturado = true;
  }
  m_bPulsado = true;
  AlPulsar(true);
  Refresh();
}

void CBotonDibujado::OnBotonArriba(wxMouseEvent& evento) {
  if (!m_bCapturado) return;
  const bool clic = m_bPulsado && PuntoDentro(evento.GetPosition());
  Soltar();
  AlPulsar(false);
  if (clic) AvisarPulsacion();
}

void CBotonDibujado::OnMover(wxMouseEvent& evento) {
  const bool dentro = PuntoDentro(evento.GetPosition());
  if (m_bCapturado && m_bPulsado != dentro) {
    m_bPulsado = dentro;
    Refresh();
  }
  AlMoverRaton(dentro, evento.LeftIsDown());
  evento.Skip();
}

void CBotonDibujado::OnSalir(wxMouseEvent& evento) {
  AlMoverRaton(false, evento.LeftIsDown());
  evento.Skip();
}

void CBotonDibujado::OnCapturaPerdida(wxMouseCaptureLostEvent&) {
  m_bCapturado = false;
  m_bPulsado = false;
  AlPerderCaptura();
  Refresh();
}

void CBotonDibujado::OnTeclaAbajo(wxKeyEvent& evento) {
  const int tecla = evento.GetKeyCode();
  if (tecla == WXK_SPACE && IsEnabled()) {
    if (!m_bTecla) {
      m_bTecla = true;
      m_bPulsado = true;
      AlPulsar(true);
      Refresh();
    }
    return;
  }
  if ((tecla == WXK_RETURN || tecla == WXK_NUMPAD_ENTER) && IsEnabled()) {
    AvisarPulsacion();
    return;
  }
  evento.Skip();
}

void CBotonDibujado::OnTeclaArriba(wxKeyEvent& evento) {
  if (evento.GetKeyCode() == WXK_SPACE && m_bTecla) {
    m_bTecla = false;
    m_bPulsado = false;
    AlPulsar(false);
    Refresh();
    AvisarPulsacion();
    return;
  }
  evento.Skip();
}

void CBotonDibujado::OnFoco(wxFocusEvent& evento) {
  Refresh();
  evento.Skip();
}

void CBotonDibujado::OnFocoPerdido(wxFocusEvent& evento) {
  if (m_bTecla) {
    m_bTecla = false;
    m_bPulsado = false;
  }
  AlPerderFoco();
  Refresh();
  evento.Skip();
}

void CBotonDibujado::OnColores(wxSysColourChangedEvent& evento) {
  AlCambiarColores();
  Refresh();
  evento.Skip();
}

void CBotonDibujado::Soltar() {
  if (m_bCapturado) {
    m_bCapturado = false;
    if (HasCapture()) ReleaseMouse();
  }
  m_bTecla = false;
  if (m_bPulsado) {
    m_bPulsado = false;
    Refresh();
  }
}

void CBotonDibujado::AvisarPulsacion() {
  wxCommandEvent evento(wxEVT_BUTTON, GetId());
  evento.SetEventObject(this);
  ProcessWindowEvent(evento);
}

}  // namespace marco
