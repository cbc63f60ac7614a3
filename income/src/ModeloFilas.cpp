#include "income/ModeloFilas.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"

namespace renta {

// ---- root ----

CModeloFilas::CModeloFilas(int filas) : m_nFilas(std::max(filas, 0)) {}

std::uint8_t CModeloFilas::TitularGuardada(int /*i*/) const { return 0; }
std::uint8_t CModeloFilas::TitularTrabajo(int /*i*/) const { return 0; }

void CModeloFilas::Recargar() {
  m_nCargadas = 0;
  m_bFiltrada = false;
  Limpiar();
  CargarFilas();
}

void CModeloFilas::CargarFilas() {
  for (int i = 0; i < m_nFilas; ++i) {
    if (Cargar(i, i) != 1) break;
    ++m_nCargadas;
  }
}

int CModeloFilas::BorrarFilaVacia(int i) {
  if (!FilaValida(i) || TitularTrabajo(i) != 0) return 0;
  BorrarFila(i);
  --m_nCargadas;
  return 1;
}

int CModeloFilas::OrdenFila(int fila, int orden, int marca) {
  if (!FilaValida(fila)) return -1;
  const std::uint8_t trabajo = TitularTrabajo(fila);
  if (orden == 0) {
    if (trabajo == 0) {
      BorrarFilaVacia(fila);
      Recargar();
      return 0;
    }
    const std::uint8_t guardado = TitularGuardada(fila);
    if (guardado == 0) {
      const int n = InsertarFila(fila);
      if (n < 0) return -1;
      if (n > 0) FilasMovidas(fila - n, fila);
      // A row that took no other place is stored where it stands, so that a new row is never lost.
      GuardarFila(fila);
      return n;
    }
    if (guardado != trabajo) GuardarFila(fila);
    return 0;
  }
  if (trabajo == 0) {
    marco::CDlgMensaje().MostrarMensaje("WIN045", marco::IconoExclamacion);
    AvisoFilaVacia(fila);
    return -1;
  }
  if (marca == 1) {
    RevertirFila(fila);
  } else {
    GuardarFila(fila);
  }
  return 0;
}

// ---- window over a document array ----

CModeloFilasDoc::CModeloFilasDoc(int filas, int mostradas) : CModeloFilas(filas), m_nMostradas(std::max(mostradas, 0)) {}

int CModeloFilasDoc::OrdenFila(int fila, int orden, int marca) {
  const int i = m_nPrimera + fila;
  if (fila < 0 || !FilaValida(i)) return -1;
  if (orden == 0) {
    GuardarFila(i);
    return 0;
  }
  if (orden != 1) return CModeloFilas::OrdenFila(i, orden, marca);
  if (marca == 1) {
    GuardarFila(i);
    return 0;
  }
  const std::uint8_t trabajo = TitularTrabajo(i);
  if (trabajo == 0) {
    BorrarFilaVacia(i);
    // A person's own view stays that person's.
    if (m_bFiltrada) {
      FiltrarPorTitular(m_nFiltro);
    } else {
      Recargar();
      ReconstruirIndice();
    }
    return 0;
  }
  const std::uint8_t guardado = TitularGuardada(i);
  if (guardado == 0) {
    const int n = InsertarFila(i);
    if (n < 0) return -1;
    if (n > 0) {
      FilasMovidas(i - n, i);
    } else {
      GuardarFila(i);
    }
    return n;
  }
  if (guardado != trabajo) GuardarFila(i);
  return 0;
}

void CModeloFilasDoc::BorrarFila(int i) {
  const int limite = std::min(m_nCargadas, m_nFilas);
  if (i < 0 || i >= limite) return;
  int k = i;
  for (; k + 1 < limite; ++k) {
    CopiarFila(k + 1, k);
    GuardarFila(k);
  }
  // The row that was last is now free.
  AvisoFilaVacia(k);
  GuardarFila(k);
}

int CModeloFilasDoc::InsertarFila(int i) {
  const int posicion = PosicionLibre(1);
  if (posicion == -1) return 0;
  ColocarFila(i, posicion);
  ++m_nCargadas;
  return i - posicion;
}

int CModeloFilasDoc::Navegar(int direccion) {
  if (direccion == 0 && m_nPrimera + m_nMostradas < m_nFilas) {
    ++m_nPrimera;
    ReconstruirIndice();
  } else if (direccion == 1 && m_nPrimera > 0) {
    --m_nPrimera;
    ReconstruirIndice();
  }
  return 0;
}

int CModeloFilasDoc::PuedeMover(int direccion) {
  if (direccion == 1) return m_nPrimera != 0 ? 1 : 0;
  if (direccion != 0) return 0;
  for (int j = 0; j < m_nMostradas; ++j) {
    const int i = m_nPrimera + j;
    if (!FilaValida(i) || TitularTrabajo(i) == 0) return 0;
  }
  const int limite = m_nFiltro != marco::kSujetoUnidadFamiliar && marco::HayConyugeOHijo() != 0 ? m_nCargadas : m_nFilas;
  return m_nPrimera + m_nMostradas >= limite ? 0 : 1;
}

int CModeloFilasDoc::FiltrarPorTitular(int sujeto) {
  m_nFiltro = static_cast<std::uint8_t>(sujeto);
  const bool todas = sujeto == marco::kSujetoUnidadFamiliar ||
                     (sujeto == marco::kSujetoDeclarante && marco::HayConyugeOHijo() == 0);
  if (todas) {
    Recargar();
  } else {
    m_nCargadas = 0;
    Limpiar();
    int w = 0;
    const bool mitadComun = sujeto != marco::kSujetoHijo1 && sujeto != marco::kSujetoHijo2;
    for (int s = 0; s < m_nFilas; ++s) {
      const std::uint8_t titular = TitularGuardada(s);
      if (titular == 0) continue;
      if (titular == sujeto) {
        Cargar(w, s);
      } else if (titular == marco::kSujetoUnidadFamiliar && mitadComun) {
        CargarMitad(w, s);
      } else {
        continue;
      }
      ++w;
      ++m_nCargadas;
    }
    m_bFiltrada = true;
    TrasFiltrar();
  }
  ReconstruirIndice();
  return 1;
}

int CModeloFilasDoc::AvanzarPagina() {
  m_nPrimera += m_nMostradas;
  ReconstruirIndice();
  return 0;
}

// ---- a section over one stored array ----

CFilasSeccion::CFilasSeccion(unsigned char* guardadas, int filas, int mostradas, SFormatoFilas formato,
                             int capacidad)
    : CModeloFilasDoc(std::min(filas, capacidad), mostradas),
      m_pGuardadas(guardadas),
      m_formato(std::move(formato)),
      m_aTrabajo(static_cast<std::size_t>(m_nFilas) * m_formato.ancho, 0),
      m_aIndice(static_cast<std::size_t>(m_nMostradas), nullptr) {
  Recargar();
  ReconstruirIndice();
}

unsigned char* CFilasSeccion::FilaTrabajo(int i) {
  if (!FilaValida(i)) return nullptr;
  return m_aTrabajo.data() + static_cast<std::size_t>(i) * m_formato.ancho;
}

const unsigned char* CFilasSeccion::FilaTrabajo(int i) const {
  if (!FilaValida(i)) return nullptr;
  return m_aTrabajo.data() + static_cast<std::size_t>(i) * m_formato.ancho;
}

unsigned char* CFilasSeccion::FilaMostrada(int j) {
  if (j < 0 || j >= m_nMostradas) return nullptr;
  return m_aIndice[static_cast<std::size_t>(j)];
}

unsigned char* CFilasSeccion::FilaEnDatos(int i) const {
  if (m_pGuardadas == nullptr || !FilaValida(i)) return nullptr;
  return m_pGuardadas + static_cast<std::size_t>(i) * m_formato.ancho;
}

std::uint8_t CFilasSeccion::TitularGuardada(int i) const {
  if (m_pGuardadas == nullptr || !FilaValida(i)) return 0;
  return m_pGuardadas[static_cast<std::size_t>(i) * m_formato.ancho + m_formato.despTitular];
}

std::uint8_t CFilasSeccion::TitularTrabajo(int i) const {
  const unsigned char* fila = FilaTrabajo(i);
  return fila != nullptr ? fila[m_formato.despTitular] : 0;
}

void CFilasSeccion::TrasFiltrar() {
  for (int i = 0; i < m_nFilas; ++i) {
    unsigned char* fila = FilaTrabajo(i);
    if (fila[m_formato.despTitular] != 0) fila[m_formato.despTitular] = marco::kSujetoDeclarante;
  }
}

void* CFilasSeccion::DireccionCampo(int j, int k) {
  unsigned char* fila = FilaMostrada(j);
  const int n = k - m_formato.primerCampo;
  if (fila == nullptr || n < 0 || static_cast<std::size_t>(n) >= m_formato.campos.size()) return nullptr;
  const int desp = m_formato.campos[static_cast<std::size_t>(n)];
  if (desp == kCampoMarca1) return j == 0 ? &m_nMarca1 : nullptr;
  if (desp == kCampoMarca2) return j == 0 ? &m_nMarca2 : nullptr;
  return fila + desp;
}

int CFilasSeccion::Cargar(int w, int s) {
  if (m_pGuardadas == nullptr || !FilaValida(s) || !FilaValida(w)) return 0;
  std::memcpy(FilaTrabajo(w), m_pGuardadas + static_cast<std::size_t>(s) * m_formato.ancho, m_formato.ancho);
  return 1;
}

void CFilasSeccion::Limpiar() {
  std::fill(m_aIndice.begin(), m_aIndice.end(), nullptr);
  std::fill(m_aTrabajo.begin(), m_aTrabajo.end(), 0);
  m_nPrimera = 0;
  ReconstruirIndice();
}

void CFilasSeccion::CargarMitad(int w, int s) {
  if (TitularGuardada(s) == 0 || Cargar(w, s) != 1) return;
  unsigned char* fila = FilaTrabajo(w);
  for (std::size_t desp : m_formato.importes) {
    double valor = 0;
    std::memcpy(&valor, fila + desp, sizeof valor);
    valor *= 0.5;
    std::memcpy(fila + desp, &valor, sizeof valor);
  }
}

void CFilasSeccion::GuardarFila(int i) {
  // Rows of one person's compacted copy do not stand at their stored place; writing them would overwrite others.
  if (m_pGuardadas == nullptr || !FilaValida(i) || m_bFiltrada) return;
  std::memcpy(m_pGuardadas + static_cast<std::size_t>(i) * m_formato.ancho, FilaTrabajo(i), m_formato.ancho);
}

void CFilasSeccion::CopiarFila(int desde, int hasta) {
  unsigned char* destino = FilaTrabajo(hasta);
  if (destino == nullptr) return;
  const unsigned char* origen = FilaTrabajo(desde);
  if (origen == nullptr) {
    std::memset(destino, 0, m_formato.ancho);
  } else {
    std::memmove(destino, origen, m_formato.ancho);
  }
}

void CFilasSeccion::RevertirFila(int i) {
  Cargar(i, i);
  LeerMarcas();
}

int CFilasSeccion::Navegar(int direccion) {
  // A mark chosen on the shown row stays with its working row.
  EscribirMarcas();
  return CModeloFilasDoc::Navegar(direccion);
}

void CFilasSeccion::ReconstruirIndice() {
  for (int j = 0; j < m_nMostradas; ++j) m_aIndice[static_cast<std::size_t>(j)] = FilaTrabajo(m_nPrimera + j);
  LeerMarcas();
}

void CFilasSeccion::EliminarFila(int i) {
  if (!FilaValida(i)) return;
  VaciarFila(i, false);
  GuardarFila(i);
  int k = i;
  for (; k + 1 < m_nFilas; ++k) {
    CopiarFila(k + 1, k);
    GuardarFila(k);
  }
  VaciarFila(k, false);
  GuardarFila(k);
  ReconstruirIndice();
}

void CFilasSeccion::VaciarFila(int i, bool conservarTitular) {
  unsigned char* fila = FilaTrabajo(i);
  if (fila == nullptr) return;
  const unsigned char titular = fila[m_formato.despTitular];
  std::memset(fila, 0, m_formato.ancho);
  if (conservarTitular) fila[m_formato.despTitular] = titular;
}

void CFilasSeccion::LeerMarcas() {
  if (!m_formato.marcasOpcion) return;
  const unsigned char* fila = FilaMostrada(0);
  const unsigned char opcion = fila != nullptr ? fila[1] : 0;
  m_nMarca1 = opcion == 1 ? 1 : 0;
  m_nMarca2 = opcion == 2 ? 1 : 0;
}

void CFilasSeccion::EscribirMarcas() {
  if (!m_formato.marcasOpcion) return;
  unsigned char* fila = FilaMostrada(0);
  if (fila == nullptr) return;
  if (m_nMarca1 != 0) {
    fila[1] = 1;
  } else if (m_nMarca2 != 0) {
    fila[1] = 2;
  } else if (fila[1] == 1 || fila[1] == 2) {
    fila[1] = 0;
  }
}

}  // namespace renta
