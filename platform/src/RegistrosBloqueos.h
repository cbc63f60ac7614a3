// Locks of the process on one table, mirrored to other processes by fcntl byte-range locks on a side file.
//
// fcntl locks belong to the process, and closing any descriptor of a file drops all of the process's locks on
// it; so every table object of the process that opens the same table shares one descriptor through a registry,
// and the descriptor is closed only when the last of them goes.
//
// Bytes of the side file: byte n stands for record n; the table lock covers every byte below kFinRegistros (so
// every record and the adders' byte, just below it). Beyond that range lie the write turn and the queues, which
// no table lock touches:
//   - the adders' lock (kByteAltas) is held by whoever adds rows (or takes the whole table): adders take turns
//     among themselves, and never wait for the records other users keep locked while they work on them;
//   - the write turn (kByteTurno) is held for the length of each write transaction, so the writers of one table
//     go one after the other instead of racing for the file;
//   - whoever waits for the turn, the adders' lock or the table lock says so with a shared lock on that
//     resource's queue byte; whoever wants the resource and is not waiting yet gives way to a process that is.
//     Two processes that write without pause thus take turns, and neither starves.
//
// A lock that cannot be taken at all (no side file, or one that cannot be written) is a failure (Imposible),
// never a lock held only inside this process: the other users would not see it.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>

namespace plataforma {

enum class EBloqueo {
  Hecho,      // locked (or already held by this process)
  Ajeno,      // another process holds it: waiting longer may work
  Imposible,  // the side file does not take locks
};

class CFicheroBloqueos {
 public:
  using Instante = std::chrono::steady_clock::time_point;

  static constexpr long long kFinRegistros = 1LL << 62;
  static constexpr long long kByteAltas = kFinRegistros - 1;
  static constexpr long long kByteTurno = kFinRegistros;
  static constexpr long long kColaTurno = kFinRegistros + 1;
  static constexpr long long kColaAltas = kFinRegistros + 2;
  static constexpr long long kColaFichero = kFinRegistros + 3;

  static std::shared_ptr<CFicheroBloqueos> De(const std::filesystem::path& lateral);
  ~CFicheroBloqueos();
  CFicheroBloqueos(const CFicheroBloqueos&) = delete;
  CFicheroBloqueos& operator=(const CFicheroBloqueos&) = delete;

  // Each waits until `hasta` at most (a moment already past: a single try).
  EBloqueo BloquearRegistro(std::uintptr_t quien, long numero, Instante hasta);
  void DesbloquearRegistro(std::uintptr_t quien, long numero);
  EBloqueo BloquearFichero(std::uintptr_t quien, Instante hasta);
  void DesbloquearFichero(std::uintptr_t quien);
  EBloqueo BloquearAltas(std::uintptr_t quien, Instante hasta);
  void DesbloquearAltas(std::uintptr_t quien);
  void SoltarTodo(std::uintptr_t quien);
  bool TieneRegistro(std::uintptr_t quien, long numero) const;
  // Another process holds a lock over that byte (0 = the table).
  bool BloqueadoFuera(long long byte) const;

  // The write turn of the process (counted: nested takers share it). Without a side file that takes locks there
  // is no turn to take and writers simply go ahead (Hecho); Ajeno when `hasta` passed first.
  EBloqueo TomarTurno(Instante hasta);
  void SoltarTurno();

 private:
  CFicheroBloqueos() = default;
  // 0 done, 1 another process holds part of the range, -1 the side file refuses.
  int Fcntl(short tipo, long long desde, long long largo) const;
  // Takes [desde, desde + largo) fairly: gives way to a process queued on `cola`, queues itself while it waits.
  EBloqueo TomarEnCola(long long desde, long long largo, long long cola, Instante hasta);
  // Gives back [desde, fin) but the bytes the process still holds for other reasons.
  void Devolver(long long desde, long long fin);

  int fd_ = -1;
  bool escribible_ = false;
  std::map<long, std::set<std::uintptr_t>> registros_;
  std::set<std::uintptr_t> fichero_;
  std::set<std::uintptr_t> altas_;
  int turnos_ = 0;
};

}  // namespace plataforma
