// Locks of the process on one table, mirrored to other processes by fcntl byte-range locks on a side file.
//
// fcntl locks belong to the process, and closing any descriptor of a file drops all of the process's locks on
// it; so every table object of the process that opens the same table shares one descriptor through a registry,
// and the descriptor is closed only when the last of them goes. Byte 0 stands for the table, byte n for record n;
// a table lock covers every byte.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace plataforma {

class CFicheroBloqueos {
 public:
  static std::shared_ptr<CFicheroBloqueos> De(const std::filesystem::path& lateral);
  ~CFicheroBloqueos();
  CFicheroBloqueos(const CFicheroBloqueos&) = delete;
  CFicheroBloqueos& operator=(const CFicheroBloqueos&) = delete;

  bool BloquearRegistro(std::uintptr_t quien, long numero);
  void DesbloquearRegistro(std::uintptr_t quien, long numero);
  bool BloquearFichero(std::uintptr_t quien);
  void DesbloquearFichero(std::uintptr_t quien);
  void SoltarTodo(std::uintptr_t quien);
  bool TieneRegistro(std::uintptr_t quien, long numero) const;
  // Another process holds a lock over that byte (0 = the table).
  bool BloqueadoFuera(long byte) const;

 private:
  CFicheroBloqueos() = default;
  bool Fcntl(short tipo, long desde, long largo) const;

  int fd_ = -1;
  bool escribible_ = false;
  std::map<long, std::set<std::uintptr_t>> registros_;
  std::set<std::uintptr_t> fichero_;
};

}  // namespace plataforma
