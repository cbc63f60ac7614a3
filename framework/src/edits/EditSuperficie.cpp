#include "framework/EditSuperficie.h"

#include <algorithm>

namespace marco {

void CSuperficieEditMemoria::PonerTexto(std::string_view texto) {
  m_texto = std::string(texto);
  const int largo = static_cast<int>(m_texto.size());
  m_nInicio = std::min(m_nInicio, largo);
  m_nFin = std::min(m_nFin, largo);
}

void CSuperficieEditMemoria::Seleccion(int& inicio, int& fin) const {
  inicio = m_nInicio;
  fin = m_nFin;
}

void CSuperficieEditMemoria::PonerSeleccion(int inicio, int fin) {
  const int largo = static_cast<int>(m_texto.size());
  // -1 as the end means the end of the text, as the controls take it.
  if (fin < 0) fin = largo;
  inicio = std::clamp(inicio, 0, largo);
  fin = std::clamp(fin, 0, largo);
  if (fin < inicio) std::swap(inicio, fin);
  m_nInicio = inicio;
  m_nFin = fin;
}

std::vector<int> CSuperficieEditMemoria::Inicios() const {
  std::vector<int> inicios{0};
  int columna = 0;
  for (int i = 0; i < static_cast<int>(m_texto.size()); ++i) {
    if (m_texto[static_cast<std::size_t>(i)] == '\n') {
      inicios.push_back(i + 1);
      columna = 0;
      continue;
    }
    if (m_nAnchoLinea > 0 && columna == m_nAnchoLinea) {
      inicios.push_back(i);
      columna = 0;
    }
    ++columna;
  }
  return inicios;
}

int CSuperficieEditMemoria::NumeroLineas() const { return static_cast<int>(Inicios().size()); }

int CSuperficieEditMemoria::InicioLinea(int linea) const {
  const std::vector<int> inicios = Inicios();
  if (linea < 0 || linea >= static_cast<int>(inicios.size())) return -1;
  return inicios[static_cast<std::size_t>(linea)];
}

void CSuperficieEditMemoria::ReenviarCaracter(EDestinoTecla destino, unsigned caracter, int, unsigned) {
  m_teclas.push_back({true, destino, static_cast<int>(caracter)});
}

void CSuperficieEditMemoria::ReenviarTecla(int tecla, int, unsigned) {
  m_teclas.push_back({false, EDestinoTecla::Padre, tecla});
}

bool CSuperficieEditMemoria::TeclaPulsada(int tecla) const {
  return std::find(m_pulsadas.begin(), m_pulsadas.end(), tecla) != m_pulsadas.end();
}

void CSuperficieEditMemoria::PulsarTecla(int tecla, bool pulsada) {
  m_pulsadas.erase(std::remove(m_pulsadas.begin(), m_pulsadas.end(), tecla), m_pulsadas.end());
  if (pulsada) m_pulsadas.push_back(tecla);
}

std::vector<int> CSuperficieEditMemoria::CodigosAvisos() const {
  std::vector<int> codigos;
  codigos.reserve(m_avisos.size());
  for (const SAviso& aviso : m_avisos) codigos.push_back(aviso.codigo);
  return codigos;
}

void CSuperficieEditMemoria::Olvidar() {
  m_nPitidos = 0;
  m_avisos.clear();
  m_teclas.clear();
}

}  // namespace marco
