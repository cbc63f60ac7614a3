// The round push button of the calculator's keys: placed in any rectangle it becomes the square of the smaller
// side with a circle in it; it draws a shaded edge and its text, and only a click inside the circle counts.
#pragma once

#include "framework/BotonDibujado.h"
#include "framework/BotonRedondoReglas.h"

namespace marco {

class CBotonRedondo : public CBotonDibujado {
 public:
  CBotonRedondo() = default;
  CBotonRedondo(wxWindow* padre, wxWindowID id, const wxString& texto, const wxPoint& posicion = wxDefaultPosition,
                const wxSize& tamano = wxDefaultSize, long estilo = 0) {
    Create(padre, id, texto, posicion, tamano, estilo);
  }

  // Creates the window in the rectangle given and shrinks it to the square of the smaller side.
  bool Create(wxWindow* padre, wxWindowID id, const wxString& texto, const wxPoint& posicion = wxDefaultPosition,
              const wxSize& tamano = wxDefaultSize, long estilo = 0);

  const CGeometriaRedonda& Geometria() const { return m_geometria; }
  int Radio() const { return m_geometria.Radio(); }

  // A black ring and a dotted circle while the button has the focus.
  void PonerAnilloFoco(bool anillo);
  // The flat look: a black ring and a highlight ring instead of the shaded edge.
  void PonerPlano(bool plano);

 protected:
  void Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) override;
  bool PuntoDentro(const wxPoint& punto) const override;
  wxSize DoGetBestSize() const override;

 private:
  CGeometriaRedonda m_geometria;
  bool m_bAnilloFoco = false;
  bool m_bPlano = false;
};

}  // namespace marco
