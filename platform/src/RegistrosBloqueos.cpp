#include "RegistrosBloqueos.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
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
  if (nuevo->fd_ < 0) nuevo->fd_ = ::open(lateral.c_str(), O_RDONLY | O_CLOEXEC);
  if (nuevo->fd_ >= 0 && ::fstat(nuevo->fd_, &st) == 0) r.abiertos[{st.st_dev, st.st_ino}] = nuevo;
  return nuevo;
}

CFicheroBloqueos::~CFicheroBloqueos() {
  if (fd_ >= 0) ::close(fd_);
}

bool CFicheroBloqueos::Fcntl(short tipo, long desde, long largo) const {
  if (fd_ < 0 || !escribible_) return true;  // no side file: the locks stay inside the process
  struct flock fl {};
  fl.l_type = tipo;
  fl.l_whence = SEEK_SET;
  fl.l_start = desde;
  fl.l_len = largo;
  return ::fcntl(fd_, F_SETLK, &fl) == 0;
}

bool CFicheroBloqueos::BloquearRegistro(std::uintptr_t quien, long numero) {
  auto it = registros_.find(numero);
  if ((it != registros_.end() && !it->second.empty()) || !fichero_.empty()) {
    registros_[numero].insert(quien);
    return true;
  }
  if (!Fcntl(F_WRLCK, numero, 1)) return false;
  registros_[numero].insert(quien);
  return true;
}

void CFicheroBloqueos::DesbloquearRegistro(std::uintptr_t quien, long numero) {
  auto it = registros_.find(numero);
  if (it == registros_.end()) return;
  it->second.erase(quien);
  if (!it->second.empty()) return;
  registros_.erase(it);
  if (fichero_.empty()) Fcntl(F_UNLCK, numero, 1);
}

bool CFicheroBloqueos::BloquearFichero(std::uintptr_t quien) {
  if (fichero_.empty() && !Fcntl(F_WRLCK, 0, 0)) return false;
  fichero_.insert(quien);
  return true;
}

void CFicheroBloqueos::DesbloquearFichero(std::uintptr_t quien) {
  if (fichero_.erase(quien) == 0 || !fichero_.empty()) return;
  // Give back every byte but those of the records the process still holds.
  long desde = 0;
  for (const auto& [numero, quienes] : registros_) {
    if (numero > desde) Fcntl(F_UNLCK, desde, numero - desde);
    desde = numero + 1;
  }
  Fcntl(F_UNLCK, desde, 0);
}

void CFicheroBloqueos::SoltarTodo(std::uintptr_t quien) {
  std::set<long> mios;
  for (const auto& [numero, quienes] : registros_) {
    if (quienes.count(quien) != 0) mios.insert(numero);
  }
  for (long n : mios) DesbloquearRegistro(quien, n);
  DesbloquearFichero(quien);
}

bool CFicheroBloqueos::TieneRegistro(std::uintptr_t quien, long numero) const {
  auto it = registros_.find(numero);
  return it != registros_.end() && it->second.count(quien) != 0;
}

bool CFicheroBloqueos::BloqueadoFuera(long byte) const {
  if (fd_ < 0) return false;
  struct flock fl {};
  fl.l_type = F_WRLCK;
  fl.l_whence = SEEK_SET;
  fl.l_start = byte;
  fl.l_len = 1;
  if (::fcntl(fd_, F_GETLK, &fl) != 0) return false;
  return fl.l_type != F_UNLCK;
}

}  // namespace plataforma
