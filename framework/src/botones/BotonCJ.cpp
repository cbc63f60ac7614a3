#include "framework/BotonCJ.h"

#include <wx/image.h>
#include <wx/utils.h>

namespace marco {

CCJButton::~CCJButton() {
  m_temporizador.Stop();
  m_reglas.Olvidar(CTestigoCaliente::DelPrograma());
}

bool CCJButton::Create(wxWindow* padre, wxWindowID id, const wxPoint& posicion, const wxSize& tamano, long estilo) {
  if (!CBotonDibujado::Create(padre, id, wxString(), posicion, tamano, estilo)) return false;
  m_temporizador.SetOwner(this);
  Bind(wxEVT_TIMER, &CCJButton::OnTemporizador, this, m_temporizador.GetId());
  return true;
}

void CCJButton::PonerIcono(const wxBitmap& icono, int ancho, int alto) {
  m_icono = icono;
  m_reglas.PonerTamanoIcono(ancho, alto);
  Refresh();
}

void CCJButton::PonerPlano(bool plano) {
  m_reglas.PonerPlano(plano);
  Refresh();
}

bool CCJButton::PunteroDentro() const {
  return PuntoDentro(ScreenToClient(wxGetMousePosition()));
}

void CCJButton::AlMoverRaton(bool dentro, bool) {
  if (dentro && !m_temporizador.IsRunning()) m_temporizador.Start(10);
}

void CCJButton::AlPulsar(bool abajo) {
  if (abajo)
    m_reglas.BotonAbajo();
  else
    m_reglas.BotonArriba();
}

void CCJButton::OnTemporizador(wxTimerEvent&) {
  const SAccionCJ accion = m_reglas.Temporizador(PunteroDentro(), CTestigoCaliente::DelPrograma());
  if (accion.pararTemporizador) m_temporizador.Stop();
  if (accion.repintar) Refresh();
}

wxSize CCJButton::DoGetBestSize() const {
  return wxSize(m_reglas.AnchoIcono() > 0 ? m_reglas.AnchoIcono() + 4 : 24,
                m_reglas.AltoIcono() > 0 ? m_reglas.AltoIcono() + 4 : 24);
}

void CCJButton::Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) {
  const SCaraCJ cara = m_reglas.Cara(item, estado, Pulsado());
  RellenarRect(dc, item, ColorWx(sistema.cara));
  DibujarBordeBoton(dc, item, cara.borde, sistema);
  if (m_icono.IsOk() && cara.rectIcono.ancho > 0 && cara.rectIcono.alto > 0) {
    wxImage imagen = m_icono.ConvertToImage();
    if (imagen.GetWidth() != cara.rectIcono.ancho || imagen.GetHeight() != cara.rectIcono.alto)
      imagen.Rescale(cara.rectIcono.ancho, cara.rectIcono.alto, wxIMAGE_QUALITY_HIGH);
    if (estado.desactivado) imagen = imagen.ConvertToDisabled();
    dc.DrawBitmap(wxBitmap(imagen), cara.rectIcono.x, cara.rectIcono.y, true);
  }
}

}  // namespace marco
