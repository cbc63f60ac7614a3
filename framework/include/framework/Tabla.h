// One table of a database, open in a work area of the record engine. Every read, write, search and lock of stored
// data in the program goes through it. Operations give 1 for done and 0 for not done; failures are shown to the
// user at once with a coded message (a locked record, a refused append and a table that does not open offer to
// try again, in series of as many tries as the database's attempt count).
//
// Each object works on an area of its own, with its own cursor: opening a table that another object has open
// gives a second, independent cursor, and closing one never closes the other.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Expresion.h"
#include "platform/Registros.h"

namespace marco {

class CBaseDatos;

// Type codes of the field access (LeerCampo, GrabarCampo).
inline constexpr std::int16_t kCampoEntero = 1;        // 32-bit signed integer; fields I or N
inline constexpr std::int16_t kCampoEnteroN = 2;       // 32-bit signed integer; read from I or N, written to N only
inline constexpr std::int16_t kCampoDouble = 8;        // double; fields F or N
inline constexpr std::int16_t kCampoLogico = 0x80;     // 32-bit 0 or 1; fields L
inline constexpr std::int16_t kCampoTexto = 0x400;     // zero-terminated text; any field; room: width + 1
inline constexpr std::int16_t kCampoTexto2 = 99;       // the same text, for reading only
inline constexpr std::int16_t kCampoMemo = 0xc00;      // zero-terminated memo text
inline constexpr std::int16_t kCampoBinario = 0x2000;  // bytes

// The process's work areas: every CTabla opens its table in one of them.
plataforma::CMotorRegistros& MotorRegistros();

// The language twin of a layout table: `nombre` with its eighth character (index 7) replaced by the language
// letter ("ControlX" → "Controle"); a shorter name is given back as it is. `mayusculas` upper-cases the result.
std::string NombreTablaIdioma(std::string_view nombre, char idioma, bool mayusculas = false);

class CTabla {
 public:
  // Keeps both; a non-empty name is opened at once (mode 1, no order, owning its area).
  explicit CTabla(CBaseDatos* baseDatos = nullptr, std::string_view nombre = {});
  ~CTabla();
  CTabla(const CTabla&) = delete;
  CTabla& operator=(const CTabla&) = delete;

  // Opens directory + alias + "." + extension under the alias (a non-empty `tabla` replaces the alias) and sets
  // the order (the first one when the named order does not exist). A database that is not shared always opens in
  // mode 1. 0 when the alias is empty, this object already has a table open, the file is missing (a message
  // box says so), the file is damaged or not a table (ALM002, no retry) or it stays busy with another user's
  // writing through a series of short tries and the user does not try again (ALM001). A damaged table of the
  // store (a shared database) is said once (ALM006) and opened for reading only, as far as it can be read; 0
  // when nothing of it can be.
  int Abrir(int modo, std::string_view orden = {}, std::string_view tabla = {}, bool propia = true);
  int EstaAbierta() const;
  // Makes the table's area the current one; 0 when not open.
  int Seleccionar();
  // Closes the area when open and owned by this object.
  void Cerrar();
  std::string DameNombre() const { return m_alias; }
  CBaseDatos* DameBaseDatos() const { return m_pBaseDatos; }

  // An empty name keeps the order and gives 1; a tag the table lacks gives WIN052 and 0.
  int PonerOrden(std::string_view orden);
  int PonerPrimerOrden();
  int DameOrden() const { return m_nOrden; }

  // Sets the order and seeks the key (with the near flag the pointer stays on the next row on a miss). 1 when
  // found; a miss with `informar` shows WIN053.
  int Buscar(std::string_view clave, bool cercana = false, std::string_view orden = {}, bool informar = true);
  int IrAlPrincipio(std::string_view orden = {});
  // 0 at end of file; otherwise moves one row on and gives 1.
  int Siguiente(std::string_view orden = {});
  // 1 when the current row satisfies the logical expression; an empty one holds while not at end of file; an
  // expression that is not logical gives WIN054 and 0.
  int Cumple(std::string_view expresion);
  int Cumple(const plataforma::CCondicion& condicion);
  // With a key, first seeks it (0 when not found); then the status of the current row (bit 1 deleted, 2 held by
  // another process, 4 no such row).
  int EstadoRegistro(std::string_view clave = {}, bool cercana = false, std::string_view orden = {});

  // Every try of a lock or an append waits a moment (the database's DameEsperaIntento) for another user to let go.
  // Locks the current row: up to attempts + 1 tries, then WIN046, whose answer 1 tries again. A lock that cannot
  // be taken at all (the folder does not take locks) shows ALM003 and gives 0. 0 without a row.
  int BloquearRegistro();
  void DesbloquearRegistro();
  // Locks the whole table (up to attempts + 1 tries, no message: the caller reports, see UltimoFallo); 1 when
  // locked.
  int BloquearFichero();
  void DesbloquearFichero();
  // The adders' lock (one user at a time adds or revives rows; the records other users hold do not stand in the
  // way): as BloquearFichero.
  int BloquearAltas();
  void DesbloquearAltas();
  // Appends a blank row, current and locked by this object: series of tries, then WIN050 (the file cannot take
  // it) or WIN051 (busy), whose answer 1 tries again; a full disk shows ALM005, a read-only store ALM008.
  int AnadirRegistro();

  // Runs `escribir` (writes through this object) in one transaction: what it writes is stored whole, or nothing
  // when it gives false or a write is refused. A store busy with other users' writing is tried a series of times
  // (each try waits briefly), then asks ALM001 (1 tries the whole of it again); a full disk or any other failure of
  // the system to write shows ALM005; a damaged file shows ALM002, or for the store ALM006 (it is read-only from
  // then on); a store already read-only shows ALM008. 1 stored, 0 not; FalloAvisado tells whether the user has
  // been told why.
  int GrabarEnUnaVez(const std::function<bool()>& escribir);
  // The kind of the last failure of the engine's table, and whether a message of this object already said it.
  plataforma::EFallo UltimoFallo();
  bool FalloAvisado() const { return m_bFalloAvisado; }
  // With a key, first seeks it (0 when not found); locks, deletes, unlocks and goes to the first row.
  int BorrarClave(std::string_view clave = {}, bool cercana = false, std::string_view orden = {});
  // The rows of the table (deleted ones not counted while hidden); 0 when not open.
  long NumeroRegistros();

  // Field access by type code (see the k constants): 1 done, 0 refused (unknown field, a letter or a room that
  // does not fit, a table that is not open) with the buffer left as it was. A write is committed at once; one
  // refused by a full disk (ALM005) or a read-only store (ALM008) says so, unless it is part of GrabarEnUnaVez.
  int LeerCampo(std::string_view campo, void* buffer, std::int16_t tipo, std::uint16_t tamano);
  int GrabarCampo(std::string_view campo, const void* valor, std::int16_t tipo, std::uint16_t tamano);
  // By the field's letter: B the stored byte length, M the memo text's length, else the width; 0 when refused.
  int LongitudCampo(std::string_view campo);

  // The engine's table behind this object, for the few operations the interface above does not cover
  // (showing deleted rows, recalling a row, filters); null when not open.
  plataforma::CTablaRegistros* Registros();
  // How many tries the last open, lock or append made in all its series.
  int IntentosUltimaOperacion() const { return m_nIntentos; }

 private:
  plataforma::CTablaRegistros* Actual();

  std::string m_alias;
  CBaseDatos* m_pBaseDatos = nullptr;
  int m_nArea = 0;
  int m_nOrden = 0;
  bool m_bPropia = true;
  int m_nIntentos = 0;
  bool m_bFalloAvisado = false;
};

}  // namespace marco
