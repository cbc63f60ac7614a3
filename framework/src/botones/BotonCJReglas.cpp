#include "framework/BotonCJReglas.h"

namespace marco {

bool CTestigoCaliente::Tomar(const void* boton) {
  if (m_pDueno == nullptr) m_pDueno = boton;
  return m_pDueno == boton;
}

bool CTestigoCaliente::Soltar(const void* boton) {
  if (m_pDueno != boton || boton == nullptr) return false;
  m_pDueno = nullptr;
  return true;
}

CTestigoCaliente& CTestigoCaliente::DelPrograma() {
  static CTestigoCaliente testigo;
  return testigo;
}

SAccionCJ CReglasCJButton::Temporizador(bool dentro, CTestigoCaliente& testigo) {
  SAccionCJ accion;
  if (!m_bPulsado && dentro) {
    if (m_bPlano && !m_bCaliente && testigo.Tomar(this)) {
      m_bCaliente = true;
      accion.repintar = true;
    }
    return accion;
  }
  accion.pararTemporizador = true;
  if (m_bCaliente) {
    m_bCaliente = false;
    testigo.Soltar(this);
    accion.repintar = true;
  }
  return accion;
}

void CReglasCJButton::Olvidar(CTestigoCaliente& testigo) {
  testigo.Soltar(this);
  m_bCaliente = false;
}

SCaraCJ CReglasCJButton::Cara(SRectBoton cliente, SEstadoItem estado, bool punteroDentro) const {
  SCaraCJ cara;
  cara.rectIcono = (m_bPulsado && punteroDentro) ? cliente.Desplazar(1, 1) : cliente;
  if (m_bCaliente && !estado.seleccionado) {
    cara.caliente = true;
    cara.borde = EBordeBoton::FinoRealzado;
    cara.rectIcono = cliente;
  } else if (m_bPlano) {
    cara.borde = estado.seleccionado ? EBordeBoton::FinoHundido : EBordeBoton::Invisible;
  } else {
    cara.borde = estado.seleccionado ? EBordeBoton::DobleHundido : EBordeBoton::DobleRealzado;
  }
  return cara;
}

}  // namespace marco
