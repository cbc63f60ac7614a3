// Processes that the end-to-end roads start: the display server, the window manager, the program and the small
// tools that read its outcomes. Every process started here dies with the test process (parent-death signal) and
// with the object that started it (its whole process group is killed), so no road ever leaves one behind, not even
// when it fails or is killed itself.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// What a started process is given: its command line, the environment variables changed for it and where its
// standard output and error go (inherited when empty). `fdExtra`, when not -1, is handed to the child as the same
// descriptor number (e.g. the pipe on which the display server writes its number).
struct SArranque {
  std::vector<std::string> argumentos;
  std::map<std::string, std::string> entorno;
  std::filesystem::path salida;
  std::filesystem::path errores;
  std::filesystem::path carpeta;
  int fdExtra = -1;
};

class CProceso {
 public:
  // Starts the process; Vivo() tells whether it could be started.
  explicit CProceso(const SArranque& arranque);
  ~CProceso();
  CProceso(const CProceso&) = delete;
  CProceso& operator=(const CProceso&) = delete;

  pid_t Pid() const { return m_pid; }
  // True while the process runs (it is reaped here once it ended).
  bool Vivo();
  // Waits until the process ended, at most `plazo`; its wait status when it ended.
  std::optional<int> Esperar(std::chrono::milliseconds plazo);
  // Sends a signal to the process alone.
  void Senal(int senal);
  // Kills the process and its group, then reaps it.
  void Matar();
  // The wait status once ended.
  std::optional<int> Estado() const { return m_estado; }

 private:
  pid_t m_pid = -1;
  std::optional<int> m_estado;
};

// The result of a short command run to the end.
struct SResultado {
  int estado = -1;  // the exit status, -1 when it did not start, did not end in time or was killed by a signal
  std::string salida;
  std::string errores;
  bool Bien() const { return estado == 0; }
};

// Runs a command to its end with the given environment changes; kills it after `plazo`.
SResultado Ejecutar(const std::vector<std::string>& argumentos, const std::map<std::string, std::string>& entorno = {},
                    std::chrono::milliseconds plazo = std::chrono::seconds(30));

// Whether a program is found on PATH.
bool HayPrograma(const std::string& nombre);

// Polls `condicion` every `paso` until it holds or `plazo` ran out; true when it held. Waiting for outcomes this way
// keeps the roads free of fixed sleeps: they go on as soon as the program is there.
template <typename F>
bool EsperarHasta(F&& condicion, std::chrono::milliseconds plazo,
                  std::chrono::milliseconds paso = std::chrono::milliseconds(50));

void Dormir(std::chrono::milliseconds tiempo);

template <typename F>
bool EsperarHasta(F&& condicion, std::chrono::milliseconds plazo, std::chrono::milliseconds paso) {
  const auto fin = std::chrono::steady_clock::now() + plazo;
  for (;;) {
    if (condicion()) return true;
    if (std::chrono::steady_clock::now() >= fin) return false;
    Dormir(paso);
  }
}

}  // namespace e2e
