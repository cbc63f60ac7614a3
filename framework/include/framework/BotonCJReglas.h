// Rules of the flat icon-only button that rises while the pointer hovers over it (CCJButton). A timer of the
// window asks these rules every 10 ms whether the hot face should show; only one button of the program shows it
// at a time, which a witness shared by all of them keeps.
#pragma once

#include "framework/BotonTipos.h"

namespace marco {

// Which button shows the hot (raised) face; at most one at a time. Buttons are told apart by their address.
class CTestigoCaliente {
 public:
  const void* Dueno() const { return m_pDueno; }
  // Takes the witness for `boton` when nobody holds it; true when `boton` holds it afterwards.
  bool Tomar(const void* boton);
  // Lets it go when `boton` holds it; true when it did.
  bool Soltar(const void* boton);

  // The one witness of the program's windows.
  static CTestigoCaliente& DelPrograma();

 private:
  const void* m_pDueno = nullptr;
};

// What the window does after a timer tick.
struct SAccionCJ {
  bool pararTemporizador = false;
  bool repintar = false;
};

// Everything one paint of the face needs.
struct SCaraCJ {
  bool caliente = false;  // the raised face of the hovered button
  EBordeBoton borde = EBordeBoton::Invisible;
  SRectBoton rectIcono;   // the icon is stretched over it
};

class CReglasCJButton {
 public:
  CReglasCJButton() = default;
  CReglasCJButton(const CReglasCJButton&) = delete;
  CReglasCJButton& operator=(const CReglasCJButton&) = delete;

  bool Plano() const { return m_bPlano; }
  void PonerPlano(bool plano) { m_bPlano = plano; }
  int AnchoIcono() const { return m_nAnchoIcono; }
  int AltoIcono() const { return m_nAltoIcono; }
  void PonerTamanoIcono(int ancho, int alto) {
    m_nAnchoIcono = ancho;
    m_nAltoIcono = alto;
  }

  bool Pulsado() const { return m_bPulsado; }
  void BotonAbajo() { m_bPulsado = true; }
  void BotonArriba() { m_bPulsado = false; }
  bool Caliente() const { return m_bCaliente; }

  // One tick of the timer, with the pointer inside the window or not. A flat button that is not pressed takes the
  // hot face when no other button shows one; pressed or with the pointer away, the timer stops and a hot face
  // goes back to the plain one.
  SAccionCJ Temporizador(bool dentro, CTestigoCaliente& testigo);

  // The window goes away: a hot face it held is given up, so the next button can rise.
  void Olvidar(CTestigoCaliente& testigo);

  // The face for one paint of the client rectangle; `punteroDentro` tells whether the pointer is over it.
  SCaraCJ Cara(SRectBoton cliente, SEstadoItem estado, bool punteroDentro) const;

 private:
  int m_nAnchoIcono = 0;
  int m_nAltoIcono = 0;
  bool m_bPulsado = false;
  bool m_bPlano = true;
  bool m_bCaliente = false;
};

}  // namespace marco
