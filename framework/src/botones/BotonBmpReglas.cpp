#include "framework/BotonBmpReglas.h"

#include <algorithm>

namespace marco {

bool CReglasBotonBmp::MoverRaton(bool dentro, bool botonIzquierdo) {
  // Pressed elsewhere and dragged in: the button does not rise.
  if (botonIzquierdo && !m_bRatonEncima) return false;
  if (!m_bPlano) return false;
  if (!m_bRatonEncima) {
    if (!dentro) return false;
    m_bRatonEncima = true;
    return true;
  }
  if (dentro) return false;
  m_bRatonEncima = false;
  return true;
}

bool CReglasBotonBmp::PerderFoco() {
  if (!m_bPlano || !m_bRatonEncima) return false;
  m_bRatonEncima = false;
  return true;
}

bool CReglasBotonBmp::PerderCaptura() {
  if (!m_bRatonEncima) return false;
  m_bRatonEncima = false;
  return true;
}

SCaraBotonBmp CReglasBotonBmp::Cara(SRectBoton item, SEstadoItem estado, bool hayIcono, bool texto) const {
  SCaraBotonBmp cara;
  cara.desactivado = estado.desactivado;

  SRectBoton r = item;
  if (!m_bPlano && estado.enfocado) {
    cara.marcoNegro = true;
    r = r.Encoger(1);
  }
  cara.interior = r;

  const bool dentro = m_bRatonEncima || estado.seleccionado;
  cara.colores = dentro ? EColoresBoton::Dentro : EColoresBoton::Fuera;

  if (estado.seleccionado) {
    if (m_bPlano)
      cara.borde = m_bDibujarBorde ? EBordeBoton::FinoHundido : EBordeBoton::Ninguno;
    else
      cara.borde = EBordeBoton::MarcoSombra;
  } else {
    if (m_bPlano)
      cara.borde = (m_bRatonEncima && m_bDibujarBorde) ? EBordeBoton::FinoRealzado : EBordeBoton::Ninguno;
    else
      cara.borde = EBordeBoton::Realce3D;
  }

  cara.conTexto = m_bMostrarTexto && texto;
  SRectBoton area = r;

  if (hayIcono) {
    const int ancho = m_nAnchoIcono;
    const int alto = m_nAltoIcono;
    int x = r.x + (r.ancho - ancho) / 2;
    int y = r.y + (r.alto - alto) / 2;
    if (m_nAlineacion == 0 && cara.conTexto) {
      x = r.x + 3;
      area.x = r.x + ancho + 3;
      area.ancho = std::max(0, r.x + r.ancho - area.x);
    } else if (m_nAlineacion == 1 && cara.conTexto) {
      y = r.y;
      area.y = r.y + alto;
      area.alto = std::max(0, r.y + r.alto - area.y);
    }
    cara.conIcono = true;
    cara.icono = dentro ? 1 : 2;
    cara.rectIcono = {x, y, ancho, alto};
    if (estado.seleccionado) cara.rectIcono = cara.rectIcono.Desplazar(1, 1);
  }

  cara.areaTexto = estado.seleccionado ? area.Desplazar(1, 1) : area;

  if (estado.enfocado && (!m_bPlano || m_bFocoPlano)) {
    cara.conFoco = true;
    cara.rectFoco = item.Encoger(3);
  }
  return cara;
}

}  // namespace marco
