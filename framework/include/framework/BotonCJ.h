// A flat icon-only button that rises while the pointer hovers over it, watched by a 10 ms timer; only one such
// button of the program shows the raised face at a time.
#pragma once

#include <wx/bitmap.h>
#include <wx/timer.h>

#include "framework/BotonCJReglas.h"
#include "framework/BotonDibujado.h"

namespace marco {

class CCJButton : public CBotonDibujado {
 public:
  CCJButton() = default;
  CCJButton(wxWindow* padre, wxWindowID id, const wxPoint& posicion = wxDefaultPosition,
            const wxSize& tamano = wxDefaultSize, long estilo = 0) {
    Create(padre, id, posicion, tamano, estilo);
  }
  ~CCJButton() override;

  bool Create(wxWindow* padre, wxWindowID id, const wxPoint& posicion = wxDefaultPosition,
              const wxSize& tamano = wxDefaultSize, long estilo = 0);

  // The icon, stretched over the button, and its size.
  void PonerIcono(const wxBitmap& icono, int ancho, int alto);
  void PonerPlano(bool plano);

  const CReglasCJButton& Reglas() const { return m_reglas; }

 protected:
  void Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) override;
  void AlMoverRaton(bool dentro, bool botonIzquierdo) override;
  void AlPulsar(bool abajo) override;
  wxSize DoGetBestSize() const override;

 private:
  void OnTemporizador(wxTimerEvent& evento);
  bool PunteroDentro() const;

  CReglasCJButton m_reglas;
  wxBitmap m_icono;
  wxTimer m_temporizador;
};

}  // namespace marco
