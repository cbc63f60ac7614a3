#include "Proceso.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace e2e {

namespace {

// In the child, before exec: its own process group, death with the test process, the output files.
[[noreturn]] void Hijo(const SArranque& a, pid_t padre, const std::vector<char*>& argv) {
  ::setpgid(0, 0);
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() != padre) ::_exit(127);
  auto redirigir = [](const std::filesystem::path& ruta, int fd) {
    if (ruta.empty()) return;
    const int f = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (f >= 0) {
      ::dup2(f, fd);
      ::close(f);
    }
  };
  const int nulo = ::open("/dev/null", O_RDONLY);
  if (nulo >= 0) {
    ::dup2(nulo, 0);
    ::close(nulo);
  }
  redirigir(a.salida, 1);
  redirigir(a.errores, 2);
  if (a.fdExtra >= 0) {
    // The descriptor goes through exec under its own number.
    const int flags = ::fcntl(a.fdExtra, F_GETFD);
    if (flags >= 0) ::fcntl(a.fdExtra, F_SETFD, flags & ~FD_CLOEXEC);
  }
  if (!a.carpeta.empty() && ::chdir(a.carpeta.c_str()) != 0) ::_exit(127);
  for (const auto& [nombre, valor] : a.entorno) ::setenv(nombre.c_str(), valor.c_str(), 1);
  ::execvp(argv[0], argv.data());
  ::_exit(127);
}

}  // namespace

void Dormir(std::chrono::milliseconds tiempo) { std::this_thread::sleep_for(tiempo); }

CProceso::CProceso(const SArranque& arranque) {
  if (arranque.argumentos.empty()) return;
  std::vector<std::string> copia = arranque.argumentos;
  std::vector<char*> argv;
  for (auto& a : copia) argv.push_back(a.data());
  argv.push_back(nullptr);
  const pid_t padre = ::getpid();
  const pid_t pid = ::fork();
  if (pid == 0) Hijo(arranque, padre, argv);
  if (pid < 0) return;
  // Both sides set the group, so that a kill of the group right after the fork reaches the child.
  ::setpgid(pid, pid);
  m_pid = pid;
}

CProceso::~CProceso() { Matar(); }

bool CProceso::Vivo() {
  if (m_pid <= 0 || m_estado) return false;
  int estado = 0;
  const pid_t r = ::waitpid(m_pid, &estado, WNOHANG);
  if (r == m_pid) {
    m_estado = estado;
    // What the process left in its group (children of its own) goes with it.
    ::kill(-m_pid, SIGKILL);
    return false;
  }
  return r == 0;
}

std::optional<int> CProceso::Esperar(std::chrono::milliseconds plazo) {
  EsperarHasta([this] { return !Vivo(); }, plazo, std::chrono::milliseconds(20));
  return m_estado;
}

void CProceso::Senal(int senal) {
  if (Vivo()) ::kill(m_pid, senal);
}

void CProceso::Matar() {
  if (m_pid <= 0) return;
  if (!m_estado) {
    ::kill(-m_pid, SIGKILL);
    ::kill(m_pid, SIGKILL);
    int estado = 0;
    while (::waitpid(m_pid, &estado, 0) < 0 && errno == EINTR) {
    }
    m_estado = estado;
  } else {
    ::kill(-m_pid, SIGKILL);
  }
}

SResultado Ejecutar(const std::vector<std::string>& argumentos, const std::map<std::string, std::string>& entorno,
                    std::chrono::milliseconds plazo) {
  SResultado r;
  char plantillaSalida[] = "/tmp/korvelix-e2e-salida-XXXXXX";
  char plantillaErrores[] = "/tmp/korvelix-e2e-errores-XXXXXX";
  const int fs = ::mkstemp(plantillaSalida);
  const int fe = ::mkstemp(plantillaErrores);
  if (fs >= 0) ::close(fs);
  if (fe >= 0) ::close(fe);
  SArranque a;
  a.argumentos = argumentos;
  a.entorno = entorno;
  if (fs >= 0) a.salida = plantillaSalida;
  if (fe >= 0) a.errores = plantillaErrores;
  {
    CProceso p(a);
    if (p.Pid() > 0) {
      const std::optional<int> estado = p.Esperar(plazo);
      if (estado && WIFEXITED(*estado)) r.estado = WEXITSTATUS(*estado);
    }
  }
  auto leer = [](const char* ruta) {
    std::ifstream f(ruta, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  };
  if (fs >= 0) {
    r.salida = leer(plantillaSalida);
    ::unlink(plantillaSalida);
  }
  if (fe >= 0) {
    r.errores = leer(plantillaErrores);
    ::unlink(plantillaErrores);
  }
  return r;
}

bool HayPrograma(const std::string& nombre) {
  const char* ruta = std::getenv("PATH");
  if (ruta == nullptr) return false;
  std::string_view resto = ruta;
  while (!resto.empty()) {
    const auto dos = resto.find(':');
    const std::string_view carpeta = resto.substr(0, dos);
    if (!carpeta.empty() && ::access((std::string(carpeta) + "/" + nombre).c_str(), X_OK) == 0) return true;
    if (dos == std::string_view::npos) break;
    resto.remove_prefix(dos + 1);
  }
  return false;
}

}  // namespace e2e
