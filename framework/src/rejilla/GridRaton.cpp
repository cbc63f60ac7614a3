#include "framework/GridRaton.h"

#include <algorithm>
#include <cstdlib>

namespace marco {

int CGridRaton::BordeColumna(int x) const {
  const CGridModelo& m = m_modelo;
  const int n = m.DameNumeroColumnas();
  if (n == 0) return -1;
  const int c = m.CeldaEnPunto(x, 0).columna;
  if (c < 0) {
    // Just right of the last column.
    const int ultima = n - 1;
    const int derecha = m.IzquierdaColumna(ultima) + m.DameAnchoColumna(ultima);
    return (x >= derecha && x < derecha + kMargenBorde) ? ultima : -1;
  }
  const int izquierda = m.IzquierdaColumna(c);
  const int derecha = izquierda + m.DameAnchoColumna(c);
  if (c > 0 && x < izquierda + kMargenBorde) return c - 1;
  if (x >= derecha - kMargenBorde) return c;
  return -1;
}

int CGridRaton::BordeFila(int y) const {
  const CGridModelo& m = m_modelo;
  const int n = m.DameNumeroFilas();
  if (n == 0) return -1;
  const int f = m.CeldaEnPunto(0, y).fila;
  if (f < 0) {
    const int ultima = n - 1;
    const int abajo = m.ArribaFila(ultima) + m.DameAltoFila(ultima);
    return (y >= abajo && y < abajo + kMargenBorde) ? ultima : -1;
  }
  const int arriba = m.ArribaFila(f);
  const int abajo = arriba + m.DameAltoFila(f);
  if (f > 0 && y < arriba + kMargenBorde) return f - 1;
  if (y >= abajo - kMargenBorde) return f;
  return -1;
}

bool CGridRaton::Seleccionando() const {
  return m_modo == EModoRaton::SeleccionCeldas || m_modo == EModoRaton::SeleccionFilas ||
         m_modo == EModoRaton::SeleccionColumnas;
}

ECursorGrid CGridRaton::Cursor() const {
  switch (m_modo) {
    case EModoRaton::SobreBordeFila:
    case EModoRaton::RedimFila:
      return ECursorGrid::NorteSur;
    case EModoRaton::SobreBordeColumna:
    case EModoRaton::RedimColumna:
      return ECursorGrid::EsteOeste;
    case EModoRaton::Arrastrando:
      return ECursorGrid::SinCambio;
    default:
      return ECursorGrid::Flecha;
  }
}

int CGridRaton::LineaRedimension(bool& vertical) const {
  vertical = m_modo == EModoRaton::RedimColumna;
  if (m_modo != EModoRaton::RedimColumna && m_modo != EModoRaton::RedimFila) return -1;
  return m_nLinea;
}

void CGridRaton::MoverFocoConAviso(SCeldaId celda) {
  if (!celda.Valida() || celda == m_modelo.DameCeldaFoco()) return;
  m_modelo.Avisar(kGvnAntesCambioFoco, celda.fila, celda.columna);
  m_modelo.PonCeldaFoco(celda.fila, celda.columna);
  m_modelo.Avisar(kGvnCambioFoco, celda.fila, celda.columna);
}

SAccionRaton CGridRaton::Mover(int x, int y, bool botonIzquierdo) {
  SAccionRaton a;
  CGridModelo& m = m_modelo;
  const bool dentro = x >= 0 && y >= 0 && x < m.DameAnchoCliente() && y < m.DameAltoCliente();
  if (!botonIzquierdo || m_modo == EModoRaton::Ninguno || m_modo == EModoRaton::SobreBordeFila ||
      m_modo == EModoRaton::SobreBordeColumna) {
    if (!dentro) return a;
    m_modo = EModoRaton::Ninguno;
    if (y < m.AltoFijo() && m.DameRedimensionarColumnas() && BordeColumna(x) >= 0) {
      m_modo = EModoRaton::SobreBordeColumna;
    } else if (x < m.AnchoFijo() && m.DameRedimensionarFilas() && BordeFila(y) >= 0) {
      m_modo = EModoRaton::SobreBordeFila;
    }
    a.cursor = Cursor();
    m_xUltimo = x;
    m_yUltimo = y;
    return a;
  }
  m_xUltimo = x;
  m_yUltimo = y;
  switch (m_modo) {
    case EModoRaton::RedimColumna:
      m_nLinea = std::clamp(x, m_nOrigen, std::max(m_nOrigen, m.DameAnchoCliente() - 1));
      a.repintar = true;
      break;
    case EModoRaton::RedimFila:
      m_nLinea = std::clamp(y, m_nOrigen, std::max(m_nOrigen, m.DameAltoCliente() - 1));
      a.repintar = true;
      break;
    case EModoRaton::SeleccionCeldas:
    case EModoRaton::SeleccionFilas:
    case EModoRaton::SeleccionColumnas: {
      // Outside the client area the auto-scroll timer extends the selection.
      if (!dentro) break;
      const SCeldaId celda = m.CeldaEnPunto(x, y);
      if (!celda.Valida()) break;
      m.ExtenderSeleccion(celda);
      if (!m.EsCeldaFija(celda.fila, celda.columna)) MoverFocoConAviso(celda);
      a.repintar = true;
      break;
    }
    case EModoRaton::PulsadoSeleccion:
      if (std::abs(x - m_xPulsado) > kMargenBorde || std::abs(y - m_yPulsado) > kMargenBorde) {
        m_modo = EModoRaton::Arrastrando;
        m.Avisar(kGvnInicioArrastre, m_celdaPulsada.fila, m_celdaPulsada.columna);
        a.iniciarArrastre = true;
      }
      break;
    default:
      break;
  }
  return a;
}

SAccionRaton CGridRaton::Pulsar(int x, int y, bool shift, bool ctrl, bool tieneFoco) {
  SAccionRaton a;
  CGridModelo& m = m_modelo;
  a.tomarFoco = true;
  m_xPulsado = m_xUltimo = x;
  m_yPulsado = m_yUltimo = y;
  m_celdaPulsada = m.CeldaEnPunto(x, y);

  // Re-read the border under the pointer: the hover may not have been seen.
  if (m_modo != EModoRaton::SobreBordeColumna && m_modo != EModoRaton::SobreBordeFila) Mover(x, y, false);
  if (m_modo == EModoRaton::SobreBordeColumna) {
    m_nRedim = BordeColumna(x);
    if (m_nRedim >= 0) {
      m_modo = EModoRaton::RedimColumna;
      m_nOrigen = m.IzquierdaColumna(m_nRedim);
      m_nLinea = std::max(x, m_nOrigen);
      a.capturar = a.repintar = a.recortarPuntero = true;
      a.recorte = {m_nOrigen, 0, m.DameAnchoCliente(), m.DameAltoCliente()};
      a.cursor = ECursorGrid::EsteOeste;
      return a;
    }
  } else if (m_modo == EModoRaton::SobreBordeFila) {
    m_nRedim = BordeFila(y);
    if (m_nRedim >= 0) {
      m_modo = EModoRaton::RedimFila;
      m_nOrigen = m.ArribaFila(m_nRedim);
      m_nLinea = std::max(y, m_nOrigen);
      a.capturar = a.repintar = a.recortarPuntero = true;
      a.recorte = {0, m_nOrigen, m.DameAnchoCliente(), m.DameAltoCliente()};
      a.cursor = ECursorGrid::NorteSur;
      return a;
    }
  }
  m_modo = EModoRaton::Ninguno;
  const SCeldaId celda = m_celdaPulsada;
  if (!celda.Valida()) return a;

  const SCeldaId foco = m.DameCeldaFoco();
  m.PonAncla(shift && foco.Valida() ? foco : celda);
  if (celda == foco) {
    m_modo = (m.EstaSeleccionada(celda.fila, celda.columna) && tieneFoco && m.DameArrastreHabilitado())
                 ? EModoRaton::PulsadoSeleccion
                 : EModoRaton::PulsadoFoco;
    return a;
  }

  const int ff = m.DameFilasFijas();
  const int cf = m.DameColumnasFijas();
  const bool enFilaFija = celda.fila < ff;
  const bool enColumnaFija = celda.columna < cf;
  a.repintar = true;
  if (enFilaFija && m.DameModoLista()) {
    if (m.DameOrdenarCabecera()) {
      a.ordenando = true;
      m.OrdenarPorClic(celda.columna);
    }
    return a;
  }
  if (enFilaFija && enColumnaFija) {
    m.SeleccionarTodo();
    return a;
  }
  CGridModelo::EFormaSeleccion forma = CGridModelo::EFormaSeleccion::Celdas;
  if (enFilaFija) {
    forma = CGridModelo::EFormaSeleccion::Columnas;
    m_modo = EModoRaton::SeleccionColumnas;
  } else if (enColumnaFija || m.DameModoLista()) {
    forma = CGridModelo::EFormaSeleccion::Filas;
    m_modo = EModoRaton::SeleccionFilas;
  } else {
    m_modo = EModoRaton::SeleccionCeldas;
  }
  const SCeldaId ancla = m.DameAncla();
  const SCeldaId nuevoFoco{std::max(celda.fila, ff), std::max(celda.columna, cf)};
  if (m.EsCeldaValida(nuevoFoco.fila, nuevoFoco.columna)) MoverFocoConAviso(nuevoFoco);
  m.EmpezarSeleccion(ancla, forma, ctrl);
  m.ExtenderSeleccion(celda);
  a.capturar = true;
  a.iniciarTemporizador = true;
  return a;
}

SAccionRaton CGridRaton::Soltar(int x, int y) {
  SAccionRaton a;
  CGridModelo& m = m_modelo;
  a.liberar = true;
  a.pararTemporizador = true;
  const bool movido = x != m_xPulsado || y != m_yPulsado;
  switch (m_modo) {
    case EModoRaton::RedimColumna:
      if (movido) m.PonAnchoColumna(m_nRedim, std::max(0, x - m_nOrigen));
      a.repintar = a.recalcularBarras = true;
      break;
    case EModoRaton::RedimFila:
      if (movido) m.PonAltoFila(m_nRedim, std::max(0, y - m_nOrigen));
      a.repintar = a.recalcularBarras = true;
      break;
    case EModoRaton::PulsadoFoco:
      a.editarFoco = m.PuedeEditarFoco();
      break;
    case EModoRaton::PulsadoSeleccion:
      m.PonRangoSeleccion(-1, -1, -1, -1);
      a.repintar = true;
      break;
    default:
      break;
  }
  m_modo = EModoRaton::Ninguno;
  m_nRedim = -1;
  m_nLinea = -1;
  a.cursor = ECursorGrid::Flecha;
  if (m_celdaPulsada.Valida()) {
    a.avisarClic = true;
    a.celda = m_celdaPulsada;
  }
  return a;
}

SAccionRaton CGridRaton::DobleClic(int x, int y, IMedidorTexto& medidor) {
  SAccionRaton a;
  CGridModelo& m = m_modelo;
  const bool filaFija = y < m.AltoFijo();
  const bool columnaFija = x < m.AnchoFijo();
  const int columna = filaFija && m.DameRedimensionarColumnas() ? BordeColumna(x) : -1;
  const int fila = columna < 0 && columnaFija && m.DameRedimensionarFilas() ? BordeFila(y) : -1;
  if (columna >= 0) {
    m.AutoAjustarColumna(columna, medidor);
    a.repintar = a.recalcularBarras = true;
  } else if (fila >= 0) {
    m.AutoAjustarFila(fila, medidor);
    a.repintar = a.recalcularBarras = true;
  } else if (m_celdaPulsada.Valida() && !m.EsCeldaFija(m_celdaPulsada.fila, m_celdaPulsada.columna)) {
    a.editarFoco = m.PuedeEditarFoco();
  }
  a.dobleClic = true;
  a.celda = m.CeldaEnPunto(x, y);
  return a;
}

SAccionRaton CGridRaton::Temporizador() {
  SAccionRaton a;
  if (!Seleccionando()) {
    a.pararTemporizador = true;
    return a;
  }
  CGridModelo& m = m_modelo;
  const int ancho = m.DameAnchoCliente();
  const int alto = m.DameAltoCliente();
  if (ancho <= 0 || alto <= 0) return a;
  int x = std::clamp(m_xUltimo, 0, ancho - 1);
  int y = std::clamp(m_yUltimo, 0, alto - 1);
  bool cruzado = false;
  if (m_yUltimo >= alto) {
    m.Desplazar(EBarra::Vertical, EDesplazamiento::LineaAbajo);
    y = alto - 1;
    cruzado = true;
  } else if (m_yUltimo < m.AltoFijo()) {
    m.Desplazar(EBarra::Vertical, EDesplazamiento::LineaArriba);
    y = std::min(m.AltoFijo(), alto - 1);
    cruzado = true;
  }
  if (m_xUltimo >= ancho) {
    m.Desplazar(EBarra::Horizontal, EDesplazamiento::LineaAbajo);
    x = ancho - 1;
    cruzado = true;
  } else if (m_xUltimo < m.AnchoFijo()) {
    m.Desplazar(EBarra::Horizontal, EDesplazamiento::LineaArriba);
    x = std::min(m.AnchoFijo(), ancho - 1);
    cruzado = true;
  }
  if (!cruzado) return a;
  const SCeldaId celda = m.CeldaEnPunto(x, y);
  if (celda.Valida()) {
    m.ExtenderSeleccion(celda);
    if (!m.EsCeldaFija(celda.fila, celda.columna)) MoverFocoConAviso(celda);
  }
  a.repintar = true;
  return a;
}

SAccionRaton CGridRaton::CapturaPerdida() {
  SAccionRaton a;
  a.pararTemporizador = true;
  if (m_modo != EModoRaton::Ninguno) {
    a.repintar = m_modo == EModoRaton::RedimColumna || m_modo == EModoRaton::RedimFila;
    m_modo = EModoRaton::Ninguno;
    m_nLinea = -1;
    a.cursor = ECursorGrid::Flecha;
  }
  return a;
}

}  // namespace marco
