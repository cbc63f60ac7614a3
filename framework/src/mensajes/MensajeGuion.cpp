#include "framework/MensajeGuion.h"

#include <algorithm>

namespace marco {

CGuionMensajes::CGuionMensajes(std::vector<int> respuestas, int porDefecto)
    : m_respuestas(respuestas.begin(), respuestas.end()), m_nPorDefecto(porDefecto) {
  m_pAnterior = PonerContestadorMensajes(this);
}

CGuionMensajes::~CGuionMensajes() { PonerContestadorMensajes(m_pAnterior); }

int CGuionMensajes::Contestar(const SMensaje& mensaje) {
  m_mensajes.push_back(mensaje);
  if (m_alMostrar) m_alMostrar(mensaje);
  if (m_respuestas.empty()) return m_nPorDefecto;
  const int respuesta = m_respuestas.front();
  m_respuestas.pop_front();
  return respuesta;
}

std::vector<std::string> CGuionMensajes::Codigos() const {
  std::vector<std::string> codigos;
  for (const auto& m : m_mensajes) codigos.push_back(m.codigo);
  return codigos;
}

int CGuionMensajes::Veces(const std::string& codigo) const {
  return static_cast<int>(
      std::count_if(m_mensajes.begin(), m_mensajes.end(), [&](const SMensaje& m) { return m.codigo == codigo; }));
}

}  // namespace marco
