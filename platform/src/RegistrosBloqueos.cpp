#include "RegistrosBloqueos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <thread>
#include <utility>

namespace plataforma {
namespace {

struct CRegistroFicheros {
  std::mutex cerrojo;
  std::map<std::pair<dev_t, ino_t>, std::weak_ptr<CFicheroBloqueos>> abiertos;
};

// The one registry of the process: fcntl locks are per process, so their bookkeeping must be too.
CRegistroFicheros& Registro() {
  static CRegistroFicheros registro;
  return registro;
}

// How long a waiter sleeps between two looks at a lock another process holds.
void Pausa() { std::this_thread::sleep_for(std::chrono::milliseconds(1)); }

bool Antes(CFicheroBloqueos::Instante hasta) { return std::chrono::steady_clock::now() < hasta; }

}  // namespace

std::shared_ptr<CFicheroBloqueos> CFicheroBloqueos::De(const std::filesystem::path& lateral) {
  auto& r = Registro();
  std::lock_guard<std::mutex> guarda(r.cerrojo);
  struct stat st {};
  if (::stat(lateral.c_str(), &st) == 0) {
    auto it = r.abiertos.find({st.st_dev, st.st_ino});
    if (it != r.abiertos.end()) {
      if (auto vivo = it->second.lock()) return vivo;
    }
  }
  std::shared_ptr<CFicheroBloqueos> nuevo(new CFicheroBloqueos());
  nuevo->fd_ = ::open(lateral.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  nuevo->escribible_ = nuevo->fd_ >= 0;
  // Read-only, the side file still shows the locks of others (a table on a folder this user cannot write).
  if (nuevo->fd_ < 0) nuevo->fd_ = ::open(lateral.c_str(), O_RDONLY | O_CLOEXEC);
  if (nuevo->fd_ >= 0 && ::fstat(nuevo->fd_, &st) == 0) {
    if (!S_ISREG(st.st_mode)) nuevo->escribible_ = false;
    r.abiertos[{st.st_dev, st.st_ino}] = nuevo;
  }
  return nuevo;
}

CFicheroBloqueos::~CFicheroBloqueos() {
  if (fd_ >= 0) ::close(fd_);
}

int CFicheroBloqueos::Fcntl(short tipo, long long desde, long long largo) const {
  if (fd_ < 0 || !escribible_) return -1;
  struct flock fl {};
  fl.l_type = tipo;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(desde);
  fl.l_len = static_cast<off_t>(largo);
  if (::fcntl(fd_, F_SETLK, &fl) == 0) return 0;
  return errno == EACCES || errno == EAGAIN ? 1 : -1;
}

EBloqueo CFicheroBloqueos::TomarEnCola(long long desde, long long largo, long long cola, Instante hasta) {
  // A process already queued for it goes first: it takes the resource and leaves the queue.
  while (BloqueadoFuera(cola) && Antes(hasta)) Pausa();
  bool enCola = false;
  EBloqueo resultado = EBloqueo::Ajeno;
  for (;;) {
    const int r = Fcntl(F_WRLCK, desde, largo);
    if (r == 0) {
      resultado = EBloqueo::Hecho;
      break;
    }
    if (r < 0) {
      resultado = EBloqueo::Imposible;
      break;
    }
    if (!Antes(hasta)) break;
    if (!enCola) enCola = Fcntl(F_RDLCK, cola, 1) == 0;
    Pausa();
  }
  if (enCola) Fcntl(F_UNLCK, cola, 1);
  return resultado;
}

EBloqueo CFicheroBloqueos::BloquearRegistro(std::uintptr_t quien, long numero, Instante hasta) {
  auto it = registros_.find(numero);
  if ((it != registros_.end() && !it->second.empty()) || !fichero_.empty()) {
    registros_[numero].insert(quien);
    return EBloqueo::Hecho;
  }
  for (;;) {
    const int r = Fcntl(F_WRLCK, numero, 1);
    if (r < 0) return EBloqueo::Imposible;
    if (r == 0) break;
    if (!Antes(hasta)) return EBloqueo::Ajeno;
    Pausa();
  }
  registros_[numero].insert(quien);
  return EBloqueo::Hecho;
}

void CFicheroBloqueos::DesbloquearRegistro(std::uintptr_t quien, long numero) {
  auto it = registros_.find(numero);
  if (it == registros_.end()) return;
  it->second.erase(quien);
  if (!it->second.empty()) return;
  registros_.erase(it);
  if (fichero_.empty()) Fcntl(F_UNLCK, numero, 1);
}

EBloqueo CFicheroBloqueos::BloquearFichero(std::uintptr_t quien, Instante hasta) {
  if (fichero_.empty()) {
    const EBloqueo r = TomarEnCola(0, kFinRegistros, kColaFichero, hasta);
    if (r != EBloqueo::Hecho) return r;
  }
  fichero_.insert(quien);
  return EBloqueo::Hecho;
}

void CFicheroBloqueos::DesbloquearFichero(std::uintptr_t quien) {
  if (fichero_.erase(quien) == 0 || !fichero_.empty()) return;
  Devolver(0, kFinRegistros);
}

void CFicheroBloqueos::Devolver(long long desde, long long fin) {
  // Every byte but those of the records the process still holds, and the adders' byte while it holds that.
  for (const auto& [numero, quienes] : registros_) {
    if (numero < desde) continue;
    if (numero > desde) Fcntl(F_UNLCK, desde, numero - desde);
    desde = static_cast<long long>(numero) + 1;
  }
  long long hasta = fin;
  if (!altas_.empty() && hasta > kByteAltas) hasta = kByteAltas;
  if (hasta > desde) Fcntl(F_UNLCK, desde, hasta - desde);
}

EBloqueo CFicheroBloqueos::BloquearAltas(std::uintptr_t quien, Instante hasta) {
  if (altas_.empty() && fichero_.empty()) {
    const EBloqueo r = TomarEnCola(kByteAltas, 1, kColaAltas, hasta);
    if (r != EBloqueo::Hecho) return r;
  }
  altas_.insert(quien);
  return EBloqueo::Hecho;
}

void CFicheroBloqueos::DesbloquearAltas(std::uintptr_t quien) {
  if (altas_.erase(quien) == 0 || !altas_.empty()) return;
  if (fichero_.empty()) Fcntl(F_UNLCK, kByteAltas, 1);
}

EBloqueo CFicheroBloqueos::TomarTurno(Instante hasta) {
  if (turnos_ > 0) {
    ++turnos_;
    return EBloqueo::Hecho;
  }
  EBloqueo r = TomarEnCola(kByteTurno, 1, kColaTurno, hasta);
  // Without locks to take there is no turn: the database's own locking still keeps every write whole.
  if (r == EBloqueo::Imposible) return EBloqueo::Hecho;
  if (r == EBloqueo::Hecho) turnos_ = 1;
  return r;
}

void CFicheroBloqueos::SoltarTurno() {
  if (turnos_ == 0) return;
  if (--turnos_ == 0) Fcntl(F_UNLCK, kByteTurno, 1);
}

void CFicheroBloqueos::SoltarTodo(std::uintptr_t quien) {
  std::set<long> mios;
  for (const auto& [numero, quienes] : registros_) {
    if (quienes.count(quien) != 0) mios.insert(numero);
  }
  for (long n : mios) DesbloquearRegistro(quien, n);
  DesbloquearAltas(quien);
  DesbloquearFichero(quien);
}

bool CFicheroBloqueos::TieneRegistro(std::uintptr_t quien, long numero) const {
  auto it = registros_.find(numero);
  return it != registros_.end() && it->second.count(quien) != 0;
}

bool CFicheroBloqueos::BloqueadoFuera(long long byte) const {
  if (fd_ < 0) return false;
  struct flock fl {};
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = static_cast<off_t>(byte);
  fl.l_len = 1;
  if (::fcntl(fd_, F_GETLK, &fl) != 0) return false;
  return fl.l_type != F_UNLCK;
}

}  // namespace plataforma
