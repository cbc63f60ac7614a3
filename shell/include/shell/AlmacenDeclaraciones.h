// The store of declarations: the rows of table DatosDec of the network database, one per declaration, found by
// its name. The declaration index and the exchange files read and write it only through this class, which opens
// the table for each operation and closes it again, so no table stays open while a dialog waits for the user.
//
// Operations give a result code and show no message of their own beyond those of the table layer (a file that
// does not open, a record another user holds): the caller decides what the user is told.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace marco {
class CBaseDatos;
}

namespace shell {

// A declaration name as the store keeps it: 50 characters, blank-padded.
inline constexpr std::size_t kAnchoNombreDeclaracion = 50;
// The store holds at most this many declarations.
inline constexpr long kMaximoDeclaraciones = 50;
inline constexpr std::string_view kTablaAlmacen = "DatosDec";
inline constexpr std::string_view kOrdenAlmacen = "CLAVE";

// The name cut to 50 characters and padded on the right with blanks (never trimmed).
std::string NombreAlmacen(std::string_view nombre);
// True when the name holds nothing but blanks (or nothing at all).
bool NombreEnBlanco(std::string_view nombre);
// The length of the stored data area of a declaration type: 61,624 for 1 and 2, 22,536 for 3, 0 otherwise.
std::size_t LongitudDatosDeTipo(std::int32_t tipodec);
// The length of the data area a new declaration of that type starts with: a wealth-tax one's (3), else an
// income-tax one's (a new one is stored with type 0 until its form is chosen).
std::size_t LongitudDatosNueva(std::int32_t tipodec);

// One row of the list: its name (50 characters) and type, and whether it is damaged (a store being rescued: its
// name could be read, not all of its data).
struct SFilaAlmacen {
  std::string clave;
  std::int32_t tipodec = 0;
  bool danada = false;
};

// A whole declaration as the exchange files carry it.
struct SDeclaracionAlmacen {
  std::string clave;                  // 50 characters, blank-padded
  std::int32_t tipodec = 0;
  std::string moneda = "0";           // "0" euros, "1" pesetas, as stored
  std::array<char, 4> liqui311{' ', ' ', ' ', ' '};
  std::vector<char> datos;            // the data area
};

enum class EResultadoAlmacen {
  Hecho,
  NoAbre,      // the table did not open
  Existe,      // a declaration of that name is stored already
  NoExiste,    // no declaration of that name
  Bloqueo,     // the table (or a row) is held by another user
  Ocupado,     // other users kept the store busy with their writing longer than a write waits
  SinBloqueos, // the store's folder does not take locks (its lock file cannot be written): nothing is written
  Lleno,       // the store holds its maximum already
  Danado,      // the stored row does not hold a sound declaration (wrong data length, unknown type)
  SinEspacio,  // the disk is full (or refused to write): nothing was changed
  SoloLectura, // the store is damaged and open only for reading: nothing is written
  Fallo,       // a write was refused; nothing was changed
};

class CAlmacenDeclaraciones {
 public:
  explicit CAlmacenDeclaraciones(marco::CBaseDatos* base) : m_pBase(base) {}

  marco::CBaseDatos* DameBaseDatos() const { return m_pBase; }
  // True when the table opens.
  bool Disponible() const;
  // False once the store is known damaged: it is then read as far as it can be, and nothing is written into it.
  bool Escribible() const;
  // The rows in name order that pass the filter by tax: income (types below 3, a new row's 0 included) and wealth
  // (type 3); with both every row below 5, with neither none. False when the table does not open.
  bool Listar(bool renta, bool patrimonio, std::vector<SFilaAlmacen>& filas) const;
  // The declarations stored (deleted rows not counted); -1 when the table does not open.
  long Contar() const;
  // 1 stored, 0 not, -1 when the table does not open. The name is compared as stored (50 characters).
  int Existe(std::string_view nombre) const;
  // The first declaration in name order whose name begins with `inicio` (blanks on its right do not count): 1
  // found, its row in `fila`; 0 none (an empty `inicio` finds none); -1 when the table does not open.
  int Buscar(std::string_view inicio, SFilaAlmacen& fila) const;

  // Adds a new, empty declaration of that name and type under the adders' lock (the users who add take turns;
  // the declarations other users have open do not stand in the way), seeking the name again once the lock is
  // held, so two users adding one name at once never make two rows. A row of the same name deleted earlier is
  // revived (cleared of what it held) instead of appending a second one. The row is written whole, with a blank
  // data area of its tax (so a row never lacks its data), or not at all.
  // Hecho, NoAbre, Existe, Lleno, Bloqueo, Ocupado, SinBloqueos, SinEspacio, SoloLectura or Fallo.
  EResultadoAlmacen Anadir(std::string_view nombre, std::int32_t tipodec) const;
  // Deletes the declaration and its findings: Hecho, NoAbre, NoExiste or Fallo.
  EResultadoAlmacen Borrar(std::string_view nombre) const;
  // Reads a whole declaration: Hecho, NoAbre, NoExiste or Danado (a type without a data area, a data area of any
  // other length than its type's, or a row of a damaged store that cannot be read whole).
  EResultadoAlmacen Cargar(std::string_view nombre, SDeclaracionAlmacen& declaracion) const;
  // Writes the declarations in one transaction under the adders' lock: either all of them are stored or none. A
  // name that exists may only be written when it is in `sobrescribir` and while no other user has it open; the
  // new names must leave the store within its maximum; a data area holding an amount that is not a number is
  // refused (Danado). Hecho, NoAbre, Bloqueo, Ocupado, SinBloqueos, Existe, Lleno, Danado, SinEspacio,
  // SoloLectura or Fallo.
  EResultadoAlmacen Guardar(const std::vector<SDeclaracionAlmacen>& declaraciones,
                            const std::set<std::string>& sobrescribir) const;

 private:
  marco::CBaseDatos* m_pBase;
};

}  // namespace shell
