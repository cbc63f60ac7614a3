#include "framework/BotonBmp.h"

#include <wx/settings.h>

#include <algorithm>

namespace marco {

namespace {

// The picture at the size the layout uses.
wxBitmap ATamano(const wxImage& imagen, int ancho, int alto) {
  if (ancho > 0 && alto > 0 && (imagen.GetWidth() != ancho || imagen.GetHeight() != alto))
    return wxBitmap(imagen.Scale(ancho, alto, wxIMAGE_QUALITY_HIGH));
  return wxBitmap(imagen);
}

}  // namespace

bool CBotonBmp::CargarImagen(int idIcono1, int idIcono2, std::uint8_t ancho, std::uint8_t alto) {
  return CargarImagen(CImagenesBoton::DelPrograma(), idIcono1, idIcono2, ancho, alto);
}

bool CBotonBmp::CargarImagen(const CImagenesBoton& imagenes, int idIcono1, int idIcono2, std::uint8_t ancho,
                             std::uint8_t alto) {
  const wxImage imagen1 = imagenes.Cargar(ETipoImagenBoton::Icono, idIcono1);
  if (!imagen1.IsOk()) return false;
  wxImage imagen2 = imagen1;
  if (idIcono2 != 0) {
    imagen2 = imagenes.Cargar(ETipoImagenBoton::Icono, idIcono2);
    if (!imagen2.IsOk()) return false;
  }
  m_icono1 = ATamano(imagen1, ancho, alto);
  m_icono2 = ATamano(imagen2, ancho, alto);
  auto byte = [](int n) { return static_cast<std::uint8_t>(std::clamp(n, 0, 255)); };
  m_reglas.PonerTamanoIcono(ancho != 0 ? ancho : byte(m_icono1.GetWidth()),
                            alto != 0 ? alto : byte(m_icono1.GetHeight()));
  Refresh();
  Update();
  return true;
}

void CBotonBmp::CambiarEstado(bool plano) {
  m_reglas.PonerPlano(plano);
  Refresh();
}

void CBotonBmp::PonerAlineacion(int alineacion) {
  m_reglas.PonerAlineacion(alineacion);
  Refresh();
}

void CBotonBmp::PonerMostrarTexto(bool mostrar) {
  m_reglas.PonerMostrarTexto(mostrar);
  Refresh();
}

void CBotonBmp::PonerDibujarBorde(bool dibujar) {
  m_reglas.PonerDibujarBorde(dibujar);
  Refresh();
}

void CBotonBmp::PonerFocoPlano(bool foco) {
  m_reglas.PonerFocoPlano(foco);
  Refresh();
}

void CBotonBmp::PonerCursor(const wxCursor& cursor) { SetCursor(cursor); }

void CBotonBmp::PonerFuenteNormal() {
  wxFont fuente = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  fuente.SetWeight(wxFONTWEIGHT_NORMAL);
  SetFont(fuente);
  Refresh();
}

void CBotonBmp::Repintar(bool repintar) {
  if (repintar) Refresh();
}

void CBotonBmp::PonerColorFondoFuera(const wxColour& color, bool repintar) {
  m_colorFondoFuera = color;
  Repintar(repintar);
}

void CBotonBmp::PonerColorTextoFuera(const wxColour& color, bool repintar) {
  m_colorTextoFuera = color;
  Repintar(repintar);
}

void CBotonBmp::PonerColorFondoDentro(const wxColour& color, bool repintar) {
  m_colorFondoDentro = color;
  Repintar(repintar);
}

void CBotonBmp::PonerColorTextoDentro(const wxColour& color, bool repintar) {
  m_colorTextoDentro = color;
  Repintar(repintar);
}

void CBotonBmp::PonerColoresSistema(bool repintar) {
  m_colorFondoFuera.reset();
  m_colorTextoFuera.reset();
  m_colorFondoDentro.reset();
  m_colorTextoDentro.reset();
  Repintar(repintar);
}

wxColour CBotonBmp::DameColorFondoFuera() const {
  return m_colorFondoFuera.value_or(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
}

wxColour CBotonBmp::DameColorTextoFuera() const {
  return m_colorTextoFuera.value_or(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
}

wxColour CBotonBmp::DameColorFondoDentro() const {
  return m_colorFondoDentro.value_or(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
}

wxColour CBotonBmp::DameColorTextoDentro() const {
  return m_colorTextoDentro.value_or(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
}

void CBotonBmp::AlMoverRaton(bool dentro, bool botonIzquierdo) {
  if (m_reglas.MoverRaton(dentro, botonIzquierdo)) Refresh();
}

void CBotonBmp::AlPerderFoco() {
  if (m_reglas.PerderFoco()) Refresh();
}

void CBotonBmp::AlPerderCaptura() {
  if (m_reglas.PerderCaptura()) Refresh();
}

wxSize CBotonBmp::DoGetBestSize() const {
  const wxString texto = m_reglas.MostrarTexto() ? wxControl::RemoveMnemonics(GetLabel()) : wxString();
  wxSize tam = texto.empty() ? wxSize(0, 0) : GetTextExtent(texto);
  const int anchoIcono = m_icono1.IsOk() ? m_reglas.AnchoIcono() : 0;
  const int altoIcono = m_icono1.IsOk() ? m_reglas.AltoIcono() : 0;
  if (m_reglas.Alineacion() == 1)
    tam = wxSize(std::max(tam.x, anchoIcono), tam.y + altoIcono);
  else
    tam = wxSize(tam.x + anchoIcono + (anchoIcono > 0 && tam.x > 0 ? 6 : 0), std::max(tam.y, altoIcono));
  return tam + wxSize(16, 10);
}

void CBotonBmp::Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) {
  const wxString etiqueta = GetLabel();
  const SCaraBotonBmp cara = m_reglas.Cara(item, estado, m_icono1.IsOk(), !etiqueta.empty());
  const bool dentro = cara.colores == EColoresBoton::Dentro;

  if (cara.marcoNegro) {
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(item.x, item.y, item.ancho, item.alto);
  }
  RellenarRect(dc, cara.interior, dentro ? DameColorFondoDentro() : DameColorFondoFuera());
  DibujarBordeBoton(dc, cara.interior, cara.borde, sistema);

  if (cara.conIcono) {
    const wxBitmap& icono = cara.icono == 1 ? m_icono1 : m_icono2;
    const wxBitmap dibujo = cara.desactivado ? icono.ConvertToDisabled() : icono;
    dc.DrawBitmap(dibujo, cara.rectIcono.x, cara.rectIcono.y, true);
  }
  if (cara.conTexto) {
    DibujarTextoBoton(dc, etiqueta, cara.areaTexto, dentro ? DameColorTextoDentro() : DameColorTextoFuera(),
                      cara.desactivado, sistema);
  }
  if (cara.conFoco) {
    dc.SetPen(wxPen(ColorWx(sistema.texto), 1, wxPENSTYLE_DOT));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(cara.rectFoco.x, cara.rectFoco.y, cara.rectFoco.ancho, cara.rectFoco.alto);
  }
}

}  // namespace marco
