// Rules of the icon-and-text button of the dialogs (CBotonBmp): its options, the hot state that follows the mouse,
// and the face worked out for one paint (borders, colours, where the icon, the text and the focus rectangle go).
// The window class only asks these rules and paints what they say.
#pragma once

#include <cstdint>

#include "framework/BotonTipos.h"

namespace marco {

// Which of the two colours of a pair: the one for the pointer away, or for the pointer over or the button pressed.
enum class EColoresBoton { Fuera, Dentro };

// Everything one paint of the face needs.
struct SCaraBotonBmp {
  bool marcoNegro = false;  // a one-pixel black frame around the item (standard look with the focus)
  SRectBoton interior;      // the item after that frame
  EColoresBoton colores = EColoresBoton::Fuera;
  EBordeBoton borde = EBordeBoton::Ninguno;
  bool conIcono = false;
  int icono = 2;  // 1 over or pressed, 2 otherwise
  SRectBoton rectIcono;
  bool conTexto = false;
  SRectBoton areaTexto;  // the text is centred on one line in it
  bool desactivado = false;
  bool conFoco = false;
  SRectBoton rectFoco;
};

class CReglasBotonBmp {
 public:
  // 0 icon left of the text, 1 icon above the text, other values icon centred.
  int Alineacion() const { return m_nAlineacion; }
  void PonerAlineacion(int alineacion) { m_nAlineacion = alineacion; }
  bool MostrarTexto() const { return m_bMostrarTexto; }
  void PonerMostrarTexto(bool mostrar) { m_bMostrarTexto = mostrar; }
  bool DibujarBorde() const { return m_bDibujarBorde; }
  void PonerDibujarBorde(bool dibujar) { m_bDibujarBorde = dibujar; }
  bool Plano() const { return m_bPlano; }
  void PonerPlano(bool plano) { m_bPlano = plano; }
  bool FocoPlano() const { return m_bFocoPlano; }
  void PonerFocoPlano(bool foco) { m_bFocoPlano = foco; }
  bool RatonEncima() const { return m_bRatonEncima; }

  // Size of the icon used for the layout; 0 x 0 means no icon.
  void PonerTamanoIcono(std::uint8_t ancho, std::uint8_t alto) {
    m_nAnchoIcono = ancho;
    m_nAltoIcono = alto;
  }
  std::uint8_t AnchoIcono() const { return m_nAnchoIcono; }
  std::uint8_t AltoIcono() const { return m_nAltoIcono; }

  // The pointer moved: `dentro` tells whether it is over the button, `botonIzquierdo` whether the left button is
  // held. Only a flat button tracks the pointer; pressing outside and dragging in does not raise it. True when the
  // face must be repainted.
  bool MoverRaton(bool dentro, bool botonIzquierdo);
  // The button lost the keyboard focus, or the mouse capture was taken from it: the raised look goes. True when
  // the face must be repainted.
  bool PerderFoco();
  bool PerderCaptura();

  // The face for one paint. `hayIcono` tells whether an icon is loaded, `texto` whether the window text is not
  // empty (it is ignored when the text is not shown).
  SCaraBotonBmp Cara(SRectBoton item, SEstadoItem estado, bool hayIcono, bool texto) const;

 private:
  int m_nAlineacion = 0;
  bool m_bMostrarTexto = true;
  bool m_bDibujarBorde = true;
  bool m_bPlano = true;
  bool m_bRatonEncima = false;
  bool m_bFocoPlano = false;
  std::uint8_t m_nAltoIcono = 0;
  std::uint8_t m_nAnchoIcono = 0;
};

}  // namespace marco
