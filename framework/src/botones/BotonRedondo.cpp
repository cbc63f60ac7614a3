#include "framework/BotonRedondo.h"

#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/region.h>

#include <cmath>
#include <vector>

namespace marco {

namespace {

void PonerPunto(wxImage& imagen, SPuntoBoton p, SColorBoton color) {
  if (p.x < 0 || p.y < 0 || p.x >= imagen.GetWidth() || p.y >= imagen.GetHeight()) return;
  imagen.SetRGB(p.x, p.y, color.r, color.g, color.b);
}

// A circle as a polygon region, for clipping the text.
wxRegion RegionCirculo(int cx, int cy, int radio) {
  if (radio <= 0) return wxRegion();
  constexpr int kLados = 48;
  std::vector<wxPoint> puntos;
  puntos.reserve(kLados);
  for (int i = 0; i < kLados; ++i) {
    const double a = 2.0 * M_PI * i / kLados;
    puntos.emplace_back(cx + static_cast<int>(std::lround(radio * std::cos(a))),
                        cy + static_cast<int>(std::lround(radio * std::sin(a))));
  }
  return wxRegion(puntos.size(), puntos.data());
}

}  // namespace

bool CBotonRedondo::Create(wxWindow* padre, wxWindowID id, const wxString& texto, const wxPoint& posicion,
                           const wxSize& tamano, long estilo) {
  if (!CBotonDibujado::Create(padre, id, texto, posicion, tamano, estilo)) return false;
  const wxSize cliente = GetClientSize();
  m_geometria = CGeometriaRedonda::Cuadrar(cliente.x, cliente.y);
  const wxSize cuadrado(m_geometria.Lado(), m_geometria.Lado());
  SetInitialSize(cuadrado);
  SetSize(cuadrado);
  return true;
}

void CBotonRedondo::PonerAnilloFoco(bool anillo) {
  m_bAnilloFoco = anillo;
  Refresh();
}

void CBotonRedondo::PonerPlano(bool plano) {
  m_bPlano = plano;
  Refresh();
}

bool CBotonRedondo::PuntoDentro(const wxPoint& punto) const { return m_geometria.Dentro(punto.x, punto.y); }

wxSize CBotonRedondo::DoGetBestSize() const { return wxSize(m_geometria.Lado(), m_geometria.Lado()); }

void CBotonRedondo::Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) {
  if (item.ancho <= 0 || item.alto <= 0) return;
  // Outside the circle the parent shows through.
  const wxColour fondo = GetParent() != nullptr ? GetParent()->GetBackgroundColour() : ColorWx(sistema.cara);
  RellenarRect(dc, item, fondo);

  const int lado = m_geometria.Lado();
  if (lado <= 0) return;
  wxImage cara(lado, lado);
  cara.SetRGB(wxRect(0, 0, lado, lado), sistema.cara.r, sistema.cara.g, sistema.cara.b);
  cara.SetAlpha();
  for (int y = 0; y < lado; ++y)
    for (int x = 0; x < lado; ++x) cara.SetAlpha(x, y, m_geometria.Dentro(x, y) ? wxALPHA_OPAQUE : wxALPHA_TRANSPARENT);

  const SCaraRedonda dibujo = CaraRedonda(m_geometria, estado, m_bAnilloFoco, m_bPlano);
  const int cx = m_geometria.CentroX();
  const int cy = m_geometria.CentroY();
  const SColorBoton negro{0, 0, 0};
  for (const SCirculoCara& circulo : dibujo.circulos) {
    const SColorBoton c1 = circulo.negro ? negro : sistema.De(circulo.c1);
    const SColorBoton c2 = circulo.negro ? negro : sistema.De(circulo.c2);
    for (const SPuntoBoton& p : PuntosCirculo(cx, cy, circulo.radio))
      PonerPunto(cara, p, circulo.sombreado ? ColorSombreado(p.x - cx, p.y - cy, c1, c2) : c1);
  }
  if (dibujo.anilloPunteado) {
    for (const SPuntoBoton& p : PuntosCirculoPunteado(cx, cy, dibujo.radioPunteado)) PonerPunto(cara, p, negro);
  }
  dc.DrawBitmap(wxBitmap(cara), item.x, item.y, true);

  const wxString visible = wxControl::RemoveMnemonics(GetLabel());
  if (visible.empty() || dibujo.radioTexto <= 0) return;
  dc.SetDeviceClippingRegion(RegionCirculo(item.x + cx, item.y + cy, dibujo.radioTexto));
  const wxSize extension = dc.GetTextExtent(visible);
  const SRectBoton area{item.x + dibujo.centroTexto.x - extension.x / 2,
                        item.y + dibujo.centroTexto.y - extension.y / 2, extension.x, extension.y};
  DibujarTextoBoton(dc, GetLabel(), area, ColorWx(sistema.texto), dibujo.textoGris, sistema);
  dc.DestroyClippingRegion();
}

}  // namespace marco
