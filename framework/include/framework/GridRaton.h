// The grid's mouse: hovering over row and column borders, pressing, moving with the button, releasing, double
// clicks and the auto-scroll timer. Each event changes the model and answers what the window must do (capture,
// timer, pointer, repaint, edit, drag, messages to the parent); no window code here.
#pragma once

#include "framework/GridModelo.h"

namespace marco {

enum class EModoRaton {
  Ninguno,
  SobreBordeFila,
  RedimFila,
  SobreBordeColumna,
  RedimColumna,
  SeleccionCeldas,
  SeleccionFilas,
  SeleccionColumnas,
  PulsadoFoco,       // pressed on the focus cell: editing may follow on release
  PulsadoSeleccion,  // pressed on a selected focus cell that may be dragged
  Arrastrando,
};

enum class ECursorGrid { Flecha, NorteSur, EsteOeste, SinCambio, Espera };

struct SAccionRaton {
  bool tomarFoco = false;
  bool capturar = false;
  bool liberar = false;  // release the capture and the pointer clip
  bool iniciarTemporizador = false;
  bool pararTemporizador = false;
  ECursorGrid cursor = ECursorGrid::SinCambio;
  bool recortarPuntero = false;  // confine the pointer to `recorte` (client coordinates)
  plataforma::CRectangulo recorte;
  bool repintar = false;
  bool recalcularBarras = false;
  bool editarFoco = false;      // start editing the focus cell, started by the mouse
  bool iniciarArrastre = false;  // start dragging the selection (after the -109 notification)
  bool avisarClic = false;      // the parent gets the click command of the grid
  bool dobleClic = false;       // the parent gets the double-click message with `celda`
  SCeldaId celda;
  bool ordenando = false;       // a sort ran: the wait pointer was due meanwhile
};

class CGridRaton {
 public:
  explicit CGridRaton(CGridModelo& modelo) : m_modelo(modelo) {}

  SAccionRaton Mover(int x, int y, bool botonIzquierdo);
  SAccionRaton Pulsar(int x, int y, bool shift, bool ctrl, bool tieneFoco);
  SAccionRaton Soltar(int x, int y);
  SAccionRaton DobleClic(int x, int y, IMedidorTexto& medidor);
  // The auto-scroll timer, with the last pointer position.
  SAccionRaton Temporizador();
  SAccionRaton CapturaPerdida();

  EModoRaton Modo() const { return m_modo; }
  ECursorGrid Cursor() const;
  // The sizing line (client coordinates) while a row or column is being sized, else -1; `vertical` for columns.
  int LineaRedimension(bool& vertical) const;
  SCeldaId CeldaPulsada() const { return m_celdaPulsada; }

  // The column (row) whose right (bottom) border a point of the fixed row (column) is on, or -1.
  int BordeColumna(int x) const;
  int BordeFila(int y) const;

 private:
  bool Seleccionando() const;
  void MoverFocoConAviso(SCeldaId celda);

  CGridModelo& m_modelo;
  EModoRaton m_modo = EModoRaton::Ninguno;
  SCeldaId m_celdaPulsada;
  int m_xPulsado = 0;
  int m_yPulsado = 0;
  int m_xUltimo = 0;
  int m_yUltimo = 0;
  int m_nRedim = -1;     // row or column being sized
  int m_nOrigen = 0;     // its top (left) edge
  int m_nLinea = -1;     // where the sizing line is
};

}  // namespace marco
