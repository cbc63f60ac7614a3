// A scripted answerer for tests: while it lives it takes the place of the message window, records every message
// and answers with the buttons it was given, in turn.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "framework/Mensajes.h"

namespace marco {

class CGuionMensajes : public CContestadorMensajes {
 public:
  // Answers are taken in turn; when they run out, `porDefecto` is the answer.
  explicit CGuionMensajes(std::vector<int> respuestas = {}, int porDefecto = kBotonAceptar);
  ~CGuionMensajes() override;
  CGuionMensajes(const CGuionMensajes&) = delete;
  CGuionMensajes& operator=(const CGuionMensajes&) = delete;

  int Contestar(const SMensaje& mensaje) override;

  void Responder(int respuesta) { m_respuestas.push_back(respuesta); }
  // Runs while a message is on screen, before the answer is taken (for example to ask for another message).
  void AlMostrar(std::function<void(const SMensaje&)> accion) { m_alMostrar = std::move(accion); }

  const std::vector<SMensaje>& Mensajes() const { return m_mensajes; }
  // The codes shown, in order.
  std::vector<std::string> Codigos() const;
  // How many times `codigo` was shown.
  int Veces(const std::string& codigo) const;

 private:
  std::deque<int> m_respuestas;
  int m_nPorDefecto;
  std::function<void(const SMensaje&)> m_alMostrar;
  std::vector<SMensaje> m_mensajes;
  CContestadorMensajes* m_pAnterior;
};

}  // namespace marco
