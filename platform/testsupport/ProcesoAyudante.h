// A second process for tests: the record engine's helper program (path in KORVELIX_AYUDANTE_REGISTROS) or another
// helper by its path, started with its stdin and stdout on pipes. As a lock holder it takes its lock, writes "LISTO" and holds the lock until
// its stdin closes; a test can also kill it at any moment.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace pruebas {

class CAyudante {
 public:
#ifdef KORVELIX_AYUDANTE_REGISTROS
  explicit CAyudante(std::vector<std::string> args) : CAyudante(KORVELIX_AYUDANTE_REGISTROS, std::move(args)) {}
#endif
  // Another helper program, by its path.
  CAyudante(const std::string& programa, std::vector<std::string> args) {
    args.insert(args.begin(), programa);
    int entrada[2];
    int salida[2];
    if (::pipe(entrada) != 0) return;
    if (::pipe(salida) != 0) {
      ::close(entrada[0]);
      ::close(entrada[1]);
      return;
    }
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, entrada[0], 0);
    posix_spawn_file_actions_adddup2(&acciones, salida[1], 1);
    posix_spawn_file_actions_addclose(&acciones, entrada[1]);
    posix_spawn_file_actions_addclose(&acciones, salida[0]);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &acciones, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&acciones);
    ::close(entrada[0]);
    ::close(salida[1]);
    escribir_ = entrada[1];
    leer_ = salida[0];
  }
  ~CAyudante() {
    if (pid_ > 0) Matar();
    if (escribir_ >= 0) ::close(escribir_);
    if (leer_ >= 0) ::close(leer_);
  }
  CAyudante(const CAyudante&) = delete;
  CAyudante& operator=(const CAyudante&) = delete;

  // The next line the helper writes (empty when it ended).
  std::string Linea() {
    std::string r;
    char c;
    while (leer_ >= 0 && ::read(leer_, &c, 1) == 1 && c != '\n') r += c;
    return r;
  }
  // Writes a line to its stdin.
  bool Escribir(const std::string& linea) {
    const std::string texto = linea + "\n";
    return escribir_ >= 0 && ::write(escribir_, texto.data(), texto.size()) == static_cast<ssize_t>(texto.size());
  }
  // Closes its stdin, which lets a lock holder let go of its lock and end normally; gives its wait status.
  int Terminar() {
    if (escribir_ >= 0) ::close(escribir_);
    escribir_ = -1;
    return Esperar();
  }
  int Matar() {
    if (pid_ > 0) ::kill(pid_, SIGKILL);
    return Esperar();
  }
  bool Vivo() const { return pid_ > 0; }

 private:
  int Esperar() {
    int estado = 0;
    if (pid_ > 0) ::waitpid(pid_, &estado, 0);
    pid_ = -1;
    return estado;
  }

  pid_t pid_ = -1;
  int escribir_ = -1;
  int leer_ = -1;
};

}  // namespace pruebas
