// The button of nearly every dialog: an icon, optional text, a flat look that rises under the mouse (or the
// standard raised look), drawn in the system colours.
#pragma once

#include <cstdint>
#include <optional>

#include <wx/bitmap.h>
#include <wx/cursor.h>

#include "framework/BotonBmpReglas.h"
#include "framework/BotonDibujado.h"
#include "framework/BotonImagenes.h"

namespace marco {

class CBotonBmp : public CBotonDibujado {
 public:
  CBotonBmp() = default;
  CBotonBmp(wxWindow* padre, wxWindowID id, const wxString& texto, const wxPoint& posicion = wxDefaultPosition,
            const wxSize& tamano = wxDefaultSize, long estilo = 0) {
    Create(padre, id, texto, posicion, tamano, estilo);
  }

  // Icon 1 shows while the pointer is over the button or it is pressed, icon 2 otherwise; icon 2 of 0 means
  // icon 1 in every state. The icons come from the program's pictures, drawn at ancho x alto, and the face is
  // repainted at once. False (and the icons as they were) when icon 1 or icon 2 does not load.
  bool CargarImagen(int idIcono1, int idIcono2, std::uint8_t ancho, std::uint8_t alto);
  bool CargarImagen(const CImagenesBoton& imagenes, int idIcono1, int idIcono2, std::uint8_t ancho,
                    std::uint8_t alto);

  // flat := plano, and repaint.
  void CambiarEstado(bool plano);
  void PonerAlineacion(int alineacion);
  void PonerMostrarTexto(bool mostrar);
  void PonerDibujarBorde(bool dibujar);
  void PonerFocoPlano(bool foco);
  // The cursor shown over the button.
  void PonerCursor(const wxCursor& cursor);
  // The default GUI font at normal weight, as the button's own font.
  void PonerFuenteNormal();

  // The four colours: background and text with the pointer away (Fuera) and over or pressed (Dentro). Until one
  // is set it is the system's (face, button text), read at each paint so that it follows the colour scheme.
  void PonerColorFondoFuera(const wxColour& color, bool repintar = true);
  void PonerColorTextoFuera(const wxColour& color, bool repintar = true);
  void PonerColorFondoDentro(const wxColour& color, bool repintar = true);
  void PonerColorTextoDentro(const wxColour& color, bool repintar = true);
  // Back to the system colours for all four.
  void PonerColoresSistema(bool repintar = true);
  wxColour DameColorFondoFuera() const;
  wxColour DameColorTextoFuera() const;
  wxColour DameColorFondoDentro() const;
  wxColour DameColorTextoDentro() const;

  const CReglasBotonBmp& Reglas() const { return m_reglas; }

 protected:
  void Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) override;
  void AlMoverRaton(bool dentro, bool botonIzquierdo) override;
  void AlPerderFoco() override;
  void AlPerderCaptura() override;
  wxSize DoGetBestSize() const override;

 private:
  void Repintar(bool repintar);

  CReglasBotonBmp m_reglas;
  wxBitmap m_icono1;
  wxBitmap m_icono2;
  std::optional<wxColour> m_colorFondoFuera;
  std::optional<wxColour> m_colorTextoFuera;
  std::optional<wxColour> m_colorFondoDentro;
  std::optional<wxColour> m_colorTextoDentro;
};

}  // namespace marco
