// The record engine: tables of xBase-style records kept in SQLite files, one file per table.
//
// Each open table (`CTablaRegistros`) has its own connection and its own cursor: current order, record pointer,
// filter and locks. Rows carry a record number that is never reused and a deleted flag; deleting only marks the row.
// Every write is one committed transaction before the call returns, so a crash leaves each row as it was or as
// written. Record and table locks belong to the process and are mirrored to other processes by fcntl byte-range
// locks on a side file ("<table file>.lck"), so they die with the process.
//
// A damaged file can be opened for reading only (rescue): its rows are then read one by one, each on its own, so a
// damaged page loses only the rows stored on it, and nothing is ever written into the file.
//
// `CMotorRegistros` keeps numbered work areas and a current one over these tables, with the options that apply to
// all of them.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/EsquemaTabla.h"
#include "platform/Expresion.h"

struct sqlite3;
struct sqlite3_stmt;

namespace plataforma {

class CFicheroBloqueos;

// Record status bits.
inline constexpr int kEstadoBorrado = 1;             // the row is marked deleted
inline constexpr int kEstadoBloqueadoFuera = 2;      // another process holds a lock on it (or on the table)
inline constexpr int kEstadoNoExiste = 4;            // there is no row with that number
inline constexpr int kEstadoDanado = 8;              // in rescue: some field of the row cannot be read

// What kind of failure the last operation that failed met.
enum class EFallo {
  Ninguno,
  Ocupado,       // another process is writing the file, or holds the turn to: trying again later may work
  Bloqueado,     // another process holds the record or the table
  NoBloqueable,  // the lock could not be taken at all (the lock side file cannot be written)
  Danado,        // the file is not a table of this engine, or it is damaged
  Escritura,     // the file could not be written (a full disk, a size limit, a write the system refused)
  SoloLectura,   // the table is open for reading only (a damaged file being rescued): nothing is written
  Otro,          // anything else: a value the field cannot keep, no current row, a file that does not open
};

// Results of `CTablaRegistros::Anadir`.
inline constexpr int kAnadido = -1;                  // appended, made current and locked by this table object
inline constexpr int kAnadirOcupado = 0;             // another process holds the table: trying again may work
inline constexpr int kAnadirImposible = 4;           // the file cannot take the row (read-only, full, damaged)

// How an open table reads its file.
enum class EApertura {
  Normal,   // reads and writes
  Rescate,  // a damaged file: read row by row, for reading only
};

// directory + alias + "." + extension.
std::filesystem::path RutaTabla(const std::filesystem::path& directorio, std::string_view alias,
                                std::string_view extension = "DBF");

class CTablaRegistros {
 public:
  // Makes a new, empty table file. Fails, changing nothing, when the file exists or the schema is not sound.
  static bool Crear(const std::filesystem::path& fichero, std::vector<CCampoTabla> campos,
                    const std::vector<CEtiquetaTabla>& etiquetas = {}, std::string* error = nullptr);

  // Opens a table file; the file name is matched without regard to case. The mode (0, 1, 2) is a hint only: every
  // table object can read and write (a read-only file opens for reading). A file that is not a table of this
  // engine gives nullptr and the reason; `fallo` tells a damaged file (Danado) from one another process keeps
  // busy (Ocupado) and from one that does not open (Otro).
  //
  // In rescue every row that can be read is read when the table opens (the file's pages that still make sense:
  // a truncated file keeps the rows before the cut); a row whose fields cannot all be read is kept with what could
  // be read and counts as damaged (FilaDanada). The keys of the tags are computed from the rows, never taken from
  // the file. Every write is refused with SoloLectura.
  static std::unique_ptr<CTablaRegistros> Abrir(const std::filesystem::path& fichero, std::string_view alias = {},
                                                int modo = 1, std::string* error = nullptr,
                                                EFallo* fallo = nullptr, int esperaOcupadoMs = 5000,
                                                EApertura apertura = EApertura::Normal);

  ~CTablaRegistros();
  CTablaRegistros(const CTablaRegistros&) = delete;
  CTablaRegistros& operator=(const CTablaRegistros&) = delete;

  const std::string& Alias() const { return alias_; }
  const std::filesystem::path& Fichero() const { return fichero_; }
  const std::vector<CCampoTabla>& Campos() const { return campos_; }
  std::vector<CEtiquetaTabla> Etiquetas() const;
  // What went wrong in the last operation that failed, and its kind.
  const std::string& UltimoError() const { return error_; }
  EFallo UltimoFallo() const { return fallo_; }
  // Forgets the last failure, so that the next one found can be told from an old one.
  void OlvidarFallo();
  bool SoloLectura() const { return rescate_; }

  // A quick check of the whole file's structure (every page, every row, the tags' trees): true when sound; else
  // false with the first problems found (Danado; Ocupado when another process kept the file from being read).
  bool Comprobar(std::string* problemas = nullptr);

  // --- options of this cursor ---
  void OcultarBorrados(bool ocultar) { ocultarBorrados_ = ocultar; }
  bool BorradosOcultos() const { return ocultarBorrados_; }
  void PonerBusquedaCercana(bool cercana) { cercana_ = cercana; }
  // How long a read or a write waits for another process's transaction (a write: for its turn among the writers
  // and the transaction together), before it gives up as Ocupado.
  void PonerEsperaOcupado(int milisegundos);

  // --- orders ---
  // The number of the tag (1 = first created), 0 when the table has none of that name.
  int NumeroOrden(std::string_view etiqueta) const;
  // 0 = record order. A number the table lacks is refused. The record pointer stays on its row.
  bool PonerOrden(int numero);
  int Orden() const { return orden_; }
  // Adds a tag (or gives an existing one a new key expression) and computes its key for every row.
  bool CrearIndice(std::string_view etiqueta, std::string_view expresion, int opcion = 0);
  // Computes again the keys of every tag for every row.
  bool Reindexar();

  // --- moving ---
  // The first row of the current tag whose key is >= `clave`; found when its key starts with `clave`. On a miss
  // the pointer goes to end of file, or with the near-seek flag stays on that next row.
  bool Buscar(std::string_view clave);
  bool Encontrado() const { return encontrado_; }
  bool Primero();
  bool Ultimo();
  // Moves `cuantos` visible rows (negative: backwards). Past the last row: end of file; before the first row: the
  // first row with the beginning-of-file flag.
  bool Saltar(long cuantos = 1);
  bool FinDeFichero() const { return fila_.numero == 0; }
  // In rescue: some field of the current row could not be read (it reads as blank).
  bool FilaDanada() const { return fila_.danada; }
  bool PrincipioDeFichero() const { return principio_; }
  // The current record number, 0 at end of file.
  long NumeroRegistro() const { return fila_.numero; }
  // Makes the row with that number current (visible or not), reading it afresh.
  bool IrA(long numero);
  // The rows the cursor shows: hidden deleted rows and rows the filter rejects are skipped. An empty text or an
  // invalid expression clears the filter (the invalid one also gives false).
  bool PonerFiltro(std::string_view expresion);
  bool PonerFiltro(const CCondicion& condicion);
  void QuitarFiltro() { filtro_.reset(); }
  // Locate: from the first row (or after the current row with `siguiente`), the first that satisfies the
  // expression becomes current; false when none is left (the pointer is then at end of file).
  bool Localizar(std::string_view expresion, bool siguiente);
  bool Localizar(const CCondicion& condicion, bool siguiente);

  // --- expressions on the current row ---
  ETipoValor TipoExpresion(std::string_view expresion);
  CValor EvaluarValor(std::string_view expresion);
  // A logical expression: nonzero when it holds on the current row.
  int Evaluar(std::string_view expresion);
  bool Cumple(const CCondicion& condicion);

  // --- fields of the current row (names without regard to case) ---
  bool CampoConocido(std::string_view campo) const;
  char TipoCampo(std::string_view campo) const;  // the letter, '\0' when unknown
  int AnchoCampo(std::string_view campo) const;  // 0 when unknown
  // Numbers: N, F, I (and L as 0/1); texts of other fields are read as numbers. Unknown field: 0.
  long LeerEntero(std::string_view campo);
  double LeerDouble(std::string_view campo);
  bool LeerLogico(std::string_view campo);
  // C and D: the stored bytes, blank-padded to the width; N and F: the number at its decimals, right-aligned to
  // the width; I: the number; L: "T" or "F"; M and B: the whole content.
  std::string LeerTexto(std::string_view campo);
  // M: the memo text; nothing for other letters.
  std::optional<std::string> LeerMemo(std::string_view campo);
  // B and M: the stored length in bytes; -1 for other letters.
  long LongitudBinario(std::string_view campo);
  // Copies the content into `destino` and gives the bytes moved; a buffer shorter than the content is left
  // untouched and gives 0; -1 for a field that is not B or M.
  long LeerBinario(std::string_view campo, std::span<char> destino);
  // Gives the bytes written, -1 when refused.
  long EscribirBinario(std::string_view campo, std::span<const char> datos);

  // Each write is committed before it returns. It is refused (false, nothing changed) at end of file, on a row
  // another process holds, or with a value the field cannot keep (a number wider than an N field, a text that
  // is not a number for a numeric field). Texts longer than a C field are cut to its width.
  bool PonerEntero(std::string_view campo, long valor);
  bool PonerDouble(std::string_view campo, double valor);
  bool PonerLogico(std::string_view campo, bool valor);
  bool PonerTexto(std::string_view campo, std::string_view valor);
  // Nothing is pending: every write was committed when it returned.
  bool Confirmar() { return true; }

  // Several writes in one transaction: between these calls writes are not committed one by one, and a crash
  // leaves all of them or none. Refused with Ocupado when the turn to write does not come in time.
  bool EmpezarLote();
  bool TerminarLote(bool confirmar);
  bool EnLote() const;

  // --- rows ---
  // Appends a blank row, makes it current and locks it: kAnadido, kAnadirOcupado or kAnadirImposible.
  int Anadir();
  bool Borrar();
  bool Recuperar();
  int EstadoRegistro(long numero);
  // Rows the cursor can show apart from its filter: all of them, or the undeleted ones when deleted rows are hidden.
  long NumeroRegistros();
  // The highest record number given so far.
  long UltimoNumero();

  // --- locks (held by the process; each table object releases its own ones on unlock and close) ---
  // Each waits up to `esperaMs` for another process to let go (0: a single try). Refused with Bloqueado when
  // another process still holds it, NoBloqueable when the lock cannot be taken at all.
  bool BloquearRegistro(long numero, int esperaMs = 0);
  void DesbloquearRegistro(long numero);
  void DesbloquearTodo();
  // The whole table: every record, and the adders' lock.
  bool BloquearFichero(int esperaMs = 0);
  void DesbloquearFichero();
  // The adders' lock: one process at a time adds rows (or revives deleted ones), without waiting for the records
  // other processes hold. Those who take it in turn get it in turn.
  bool BloquearAltas(int esperaMs = 0);
  void DesbloquearAltas();
  bool RegistroBloqueado(long numero) const;  // by this table object

 private:
  struct CFila {
    long numero = 0;
    bool borrado = false;
    std::vector<CValor> valores;
    std::vector<char> cargados;
    CValor clave;
    bool danada = false;
  };
  // A row read in rescue, with the keys of every tag computed from it.
  struct CFilaRescate {
    CFila fila;
    std::vector<CValor> claves;
  };
  class CFuenteFila;
  enum class EMovimiento { Primero, Ultimo, Siguiente, Anterior, Buscar };

  CTablaRegistros() = default;
  bool LeerEsquema();
  bool EsquemaAlDia();
  sqlite3_stmt* Sentencia(const std::string& sql);
  std::string Columnas() const;
  void LeerFila(sqlite3_stmt* s, CFila& fila) const;
  CValor ValorDe(CFila& fila, std::size_t indice);
  bool CargarFila(long numero, CFila& fila);
  bool Mover(EMovimiento m, const CValor* clave);
  bool Visible(CFila& fila);
  const CExpresion* Compilada(std::string_view expresion);
  bool Escribir(std::size_t indice, CValor valor);
  bool PonerBorrado(bool borrado);
  bool ClavesDe(CFila& fila, std::vector<CValor>& claves);
  bool Ejecutar(const char* sql);
  bool Fallo(std::string que, EFallo tipo = EFallo::Otro);
  bool FalloSql(const char* que);
  // Rescue: reads every row that can be read; the rows in the order of the current tag; moving over them.
  void CargarRescate();
  bool LeerFilaRescate(long numero, CFilaRescate& leida);
  bool MoverRescate(EMovimiento m, const CValor* clave);
  const CFilaRescate* FilaRescate(long numero) const;
  // A write transaction under the table's write turn; Terminar commits (or rolls back) and gives the turn back.
  bool Empezar();
  bool Terminar(bool confirmar);
  static int EsperaOcupado(void* tabla, int veces);
  int Indice(std::string_view campo) const;
  bool BloqueadoFuera(long numero) const;

  std::filesystem::path fichero_;
  std::string alias_;
  sqlite3* bd_ = nullptr;
  std::vector<CCampoTabla> campos_;
  struct CEtiqueta {
    CEtiquetaTabla definicion;
    CExpresion expresion;
  };
  std::vector<CEtiqueta> etiquetas_;
  long long versionEsquema_ = -1;
  std::map<std::string, sqlite3_stmt*> sentencias_;
  std::map<std::string, CExpresion> compiladas_;
  std::shared_ptr<CFicheroBloqueos> bloqueos_;
  std::uint64_t identidad_ = 0;

  int orden_ = 0;
  CFila fila_;
  bool principio_ = false;
  bool encontrado_ = false;
  bool ocultarBorrados_ = false;
  bool cercana_ = false;
  std::optional<CExpresion> filtro_;
  std::optional<CExpresion> localizar_;
  std::string error_;
  EFallo fallo_ = EFallo::Ninguno;
  int esperaOcupadoMs_ = 5000;
  std::chrono::steady_clock::time_point limiteOcupado_{};
  // While a write waits for its turn and then for its transaction: the one limit of both.
  std::optional<std::chrono::steady_clock::time_point> plazo_;
  bool conTurno_ = false;
  bool rescate_ = false;
  std::vector<CFilaRescate> filasRescate_;  // in record order
};

// Options applied to every table the engine opens.
struct COpcionesMotor {
  bool ocultarBorrados = false;
  bool busquedaCercana = false;
  int esperaOcupadoMs = 5000;  // how long a read or write waits for another process's transaction (or turn)
};

class CMotorRegistros {
 public:
  void PonerOpciones(const COpcionesMotor& opciones);
  const COpcionesMotor& Opciones() const { return opciones_; }
  void OcultarBorrados(bool ocultar);
  void PonerBusquedaCercana(bool cercana);

  // Opens the table in a new work area, which becomes current: its number, or 0 when it could not be opened. An
  // alias already open in another area gets an area (and cursor) of its own. A file marked for rescue opens in
  // rescue.
  int Abrir(const std::filesystem::path& fichero, std::string_view alias, int modo, std::string* error = nullptr,
            EFallo* fallo = nullptr);
  // Marks a damaged file (by its path) to be opened in rescue from now on, or no longer.
  void MarcarRescate(const std::filesystem::path& fichero, bool rescate = true);
  bool EnRescate(const std::filesystem::path& fichero) const;
  // The first area open under that alias, or the current area for an empty alias; 0 when none.
  int AreaDeAlias(std::string_view alias) const;
  bool Seleccionar(int area);
  int AreaActual() const { return actual_; }
  void Cerrar(int area);
  void Cerrar() { Cerrar(actual_); }
  CTablaRegistros* Tabla(int area);
  CTablaRegistros* Actual() { return Tabla(actual_); }

 private:
  COpcionesMotor opciones_;
  std::map<int, std::unique_ptr<CTablaRegistros>> areas_;
  int actual_ = 0;
  std::set<std::filesystem::path> rescate_;
};

}  // namespace plataforma
