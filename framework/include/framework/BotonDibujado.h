// The base of the owner-drawn buttons: a control that behaves as a push button (pressed while the left button or
// the space bar is held over it, a button event with its id when released over it, focus, enabling) and leaves
// the face to the class above, drawn in the system colours at each paint.
#pragma once

#include <wx/control.h>
#include <wx/dc.h>

#include "framework/BotonTipos.h"

namespace marco {

// The user's colour scheme as it stands now.
SColoresSistema ColoresDelSistema();
wxColour ColorWx(SColorBoton color);
SColorBoton ColorBoton(const wxColour& color);

// Draws the rings of a border inside the rectangle, outside first.
void DibujarBordeBoton(wxDC& dc, SRectBoton rect, EBordeBoton borde, const SColoresSistema& sistema);
// A label ("&" marks the mnemonic letter, which is underlined) centred on one line in the area; disabled, it is
// drawn as the system draws disabled text: the highlight one pixel right and down, the shadow over it.
void DibujarTextoBoton(wxDC& dc, const wxString& etiqueta, SRectBoton area, const wxColour& color, bool desactivado,
                       const SColoresSistema& sistema);
// Fills a rectangle with one colour, no outline.
void RellenarRect(wxDC& dc, SRectBoton rect, const wxColour& color);
// Presses the first shown and enabled button among the window's descendants (not in other top-level windows)
// whose label marks the letter or digit `tecla` as its mnemonic ("Con&tinuar": T), whatever its case; false when
// none does. The owner-drawn buttons have no mnemonics of the toolkit: their windows call this for Alt and a letter.
bool PulsarBotonDeMnemonico(wxWindow* padre, int tecla);

class CBotonDibujado : public wxControl {
 public:
  CBotonDibujado() = default;
  bool Create(wxWindow* padre, wxWindowID id, const wxString& texto, const wxPoint& posicion = wxDefaultPosition,
              const wxSize& tamano = wxDefaultSize, long estilo = 0);

  // The state a paint would see now: pressed, focused, disabled.
  SEstadoItem EstadoItem() const;
  // True while pressed with the pointer (or the space bar) on it.
  bool Pulsado() const { return m_bPulsado; }

  // Paints the face into a device context: the paint handler's, or a memory bitmap's.
  void DibujarEn(wxDC& dc);

  bool Enable(bool activar = true) override;
  wxVisualAttributes GetDefaultAttributes() const override;
  bool AcceptsFocus() const override { return IsEnabled() && IsShown(); }

 protected:
  virtual void Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) = 0;
  // Whether a point of the client area belongs to the button; clicks elsewhere are ignored.
  virtual bool PuntoDentro(const wxPoint& punto) const;
  // The pointer moved over the window, or left it (dentro false).
  virtual void AlMoverRaton(bool /*dentro*/, bool /*botonIzquierdo*/) {}
  virtual void AlPulsar(bool /*abajo*/) {}
  virtual void AlPerderFoco() {}
  virtual void AlPerderCaptura() {}
  virtual void AlCambiarColores() {}

 private:
  void OnPaint(wxPaintEvent& evento);
  void OnBotonAbajo(wxMouseEvent& evento);
  void OnBotonArriba(wxMouseEvent& evento);
  void OnMover(wxMouseEvent& evento);
  void OnSalir(wxMouseEvent& evento);
  void OnCapturaPerdida(wxMouseCaptureLostEvent& evento);
  void OnTeclaAbajo(wxKeyEvent& evento);
  void OnTeclaArriba(wxKeyEvent& evento);
  void OnFoco(wxFocusEvent& evento);
  void OnFocoPerdido(wxFocusEvent& evento);
  void OnColores(wxSysColourChangedEvent& evento);
  void Soltar();
  void AvisarPulsacion();

  bool m_bCapturado = false;  // the left button went down on it and is held
  bool m_bTecla = false;      // the space bar went down on it and is held
  bool m_bPulsado = false;
};

}  // namespace marco
