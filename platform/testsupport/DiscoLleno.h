// A full disk for the length of a scope: the files of the process may not grow past `bytes` (a size limit, with
// the signal the system sends for it ignored), so a write that needs more room is refused by the system as on a
// disk with no room left. The process's limit and the signal's handling are given back at the end of the scope.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>

namespace pruebas {

class CDiscoLleno {
 public:
  explicit CDiscoLleno(std::uintmax_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_antes);
    struct sigaction ignorar {};
    ignorar.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignorar, &m_senal);
    rlimit limite = m_antes;
    limite.rlim_cur = static_cast<rlim_t>(bytes);
    m_bPuesto = ::setrlimit(RLIMIT_FSIZE, &limite) == 0;
  }
  ~CDiscoLleno() {
    ::setrlimit(RLIMIT_FSIZE, &m_antes);
    ::sigaction(SIGXFSZ, &m_senal, nullptr);
  }
  CDiscoLleno(const CDiscoLleno&) = delete;
  CDiscoLleno& operator=(const CDiscoLleno&) = delete;

  // False when the system did not take the limit (the test then proves nothing).
  bool Puesto() const { return m_bPuesto; }

 private:
  rlimit m_antes{};
  struct sigaction m_senal {};
  bool m_bPuesto = false;
};

}  // namespace pruebas
