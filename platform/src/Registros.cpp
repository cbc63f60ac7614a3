#include "platform/Registros.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <functional>
#include <system_error>
#include <thread>
#include <utility>

#include "RegistrosBloqueos.h"
#include "platform/Nombres.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace fs = std::filesystem;

namespace plataforma {
namespace {

// Marks a file as a table of this engine ("KRX1") and the version of its layout.
constexpr int kIdAplicacion = 0x4B525831;
constexpr int kVersionFormato = 1;

std::string N(std::size_t n) { return std::to_string(n); }
std::string Columna(std::size_t indice) { return "c" + N(indice + 1); }
std::string ColumnaClave(int etiqueta) { return "k" + std::to_string(etiqueta); }

bool Grande(char letra) { return letra == 'M' || letra == 'B'; }

std::string Bytes(sqlite3_stmt* s, int col) {
  const void* p = sqlite3_column_blob(s, col);
  const int n = sqlite3_column_bytes(s, col);
  if (p == nullptr || n <= 0) return {};
  return std::string(static_cast<const char*>(p), static_cast<std::size_t>(n));
}

std::string Ajusta(std::string texto, std::size_t ancho) {
  std::string r(ancho, ' ');
  CopiaFija(r.data(), ancho, texto);
  return r;
}

CValor Vacio(const CCampoTabla& c) {
  switch (c.letra) {
    case 'C': case 'D': return CValor::DeTexto(std::string(static_cast<std::size_t>(c.ancho), ' '));
    case 'N': case 'F': case 'I': return CValor::DeNumero(0);
    case 'L': return CValor::DeLogico(false);
    default: return CValor::DeTexto({});
  }
}

// Reads column `col` as the value of field `c`; a cell of the wrong kind (a damaged file) gives the blank value.
CValor ValorColumna(sqlite3_stmt* s, int col, const CCampoTabla& c) {
  const int tipo = sqlite3_column_type(s, col);
  switch (c.letra) {
    case 'C':
    case 'D':
      if (tipo != SQLITE_BLOB && tipo != SQLITE_TEXT) return Vacio(c);
      return CValor::DeTexto(Ajusta(Bytes(s, col), static_cast<std::size_t>(c.ancho)));
    case 'N':
    case 'F':
    case 'I': {
      if (tipo != SQLITE_INTEGER && tipo != SQLITE_FLOAT) return Vacio(c);
      const double v = sqlite3_column_double(s, col);
      return CValor::DeNumero(std::isfinite(v) ? v : 0);
    }
    case 'L': return CValor::DeLogico(tipo == SQLITE_INTEGER && sqlite3_column_int64(s, col) != 0);
    default:
      if (tipo != SQLITE_BLOB && tipo != SQLITE_TEXT) return Vacio(c);
      return CValor::DeTexto(Bytes(s, col));
  }
}

int Enlaza(sqlite3_stmt* s, int i, const CValor& v) {
  switch (v.tipo) {
    case ETipoValor::Texto:
      return sqlite3_bind_blob64(s, i, v.texto.data(), v.texto.size(), SQLITE_TRANSIENT);
    case ETipoValor::Numero: return sqlite3_bind_double(s, i, v.numero);
    case ETipoValor::Logico: return sqlite3_bind_int(s, i, v.logico ? 1 : 0);
    default: return sqlite3_bind_null(s, i);
  }
}

// Stores a field value in the kind its letter keeps.
int EnlazaCampo(sqlite3_stmt* s, int i, const CValor& v, const CCampoTabla& c) {
  if (c.letra == 'I') return sqlite3_bind_int64(s, i, static_cast<sqlite3_int64>(v.numero));
  return Enlaza(s, i, v);
}

// Resets a statement when the scope ends, so no read stays open between calls.
class CUso {
 public:
  explicit CUso(sqlite3_stmt* s) : s_(s) {}
  ~CUso() {
    if (s_ != nullptr) {
      sqlite3_reset(s_);
      sqlite3_clear_bindings(s_);
    }
  }
  CUso(const CUso&) = delete;
  CUso& operator=(const CUso&) = delete;

 private:
  sqlite3_stmt* s_;
};

bool CabeEnCampo(double v, const CCampoTabla& c) {
  if (!std::isfinite(v)) return false;
  if (c.letra == 'N') return FormateaFijo(v, c.decimales).size() <= static_cast<std::size_t>(c.ancho);
  if (c.letra == 'I') return v >= INT32_MIN && v <= INT32_MAX;
  return true;
}

EFallo FalloDeCodigo(int codigo) {
  switch (codigo & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return EFallo::Ocupado;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FORMAT: return EFallo::Danado;
    case SQLITE_IOERR:
      // A file shorter than its own pages say is damaged; any other failure of the system is one of writing.
      return codigo == SQLITE_IOERR_SHORT_READ || codigo == SQLITE_IOERR_READ ? EFallo::Danado : EFallo::Escritura;
    case SQLITE_FULL:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY: return EFallo::Escritura;
    default: return EFallo::Otro;
  }
}

// Keys in the order the tags keep them: numbers before texts, numbers by value, texts byte by byte as unsigned (a
// text that is the start of another goes first).
int ComparaClaves(const CValor& a, const CValor& b) {
  const bool na = a.tipo == ETipoValor::Numero;
  const bool nb = b.tipo == ETipoValor::Numero;
  if (na != nb) return na ? -1 : 1;
  if (na) return a.numero < b.numero ? -1 : (a.numero > b.numero ? 1 : 0);
  const int c = std::memcmp(a.texto.data(), b.texto.data(), std::min(a.texto.size(), b.texto.size()));
  if (c != 0) return c < 0 ? -1 : 1;
  return a.texto.size() < b.texto.size() ? -1 : (a.texto.size() > b.texto.size() ? 1 : 0);
}

// The highest record number a rescue looks for row by row.
constexpr long kTopeRescate = 100000;

// The file behind a path, its name matched without regard to case: the key of the files marked for rescue.
std::optional<fs::path> FicheroReal(const fs::path& fichero) {
  const fs::path carpeta = fichero.has_parent_path() ? fichero.parent_path() : fs::path(".");
  const auto real = BuscaFicheroSinCaso(carpeta, fichero.filename().string());
  if (!real) return std::nullopt;
  std::error_code ec;
  const fs::path canonico = fs::weakly_canonical(*real, ec);
  return ec ? *real : canonico;
}

using Reloj = std::chrono::steady_clock;

Reloj::time_point Limite(int esperaMs) { return Reloj::now() + std::chrono::milliseconds(std::max(0, esperaMs)); }

bool NombreEtiquetaValido(std::string_view n) {
  if (n.empty() || n.size() > 32) return false;
  return std::all_of(n.begin(), n.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

}  // namespace

fs::path RutaTabla(const fs::path& directorio, std::string_view alias, std::string_view extension) {
  return directorio / (std::string(alias) + "." + std::string(extension));
}

// The values of one row as expressions read them; big fields are read only when asked for.
class CTablaRegistros::CFuenteFila : public CFuenteValores {
 public:
  CFuenteFila(CTablaRegistros& tabla, CFila& fila) : tabla_(tabla), fila_(fila) {}
  CValor ValorCampo(std::size_t indice) const override { return tabla_.ValorDe(fila_, indice); }
  bool Borrada() const override { return fila_.borrado; }
  long NumeroRegistro() const override { return fila_.numero; }

 private:
  CTablaRegistros& tabla_;
  CFila& fila_;
};

// --- creating and opening ---

bool CTablaRegistros::Crear(const fs::path& fichero, std::vector<CCampoTabla> campos,
                            const std::vector<CEtiquetaTabla>& etiquetas, std::string* error) {
  auto falla = [&](std::string que) {
    if (error != nullptr) *error = std::move(que);
    return false;
  };
  if (campos.empty()) return falla("una tabla necesita al menos un campo");
  for (std::size_t i = 0; i < campos.size(); ++i) {
    std::string e = NormalizaCampo(campos[i]);
    if (!e.empty()) return falla(e);
    for (std::size_t j = 0; j < i; ++j) {
      if (IgualesSinCaso(campos[i].nombre, campos[j].nombre)) return falla("campo repetido " + campos[i].nombre);
    }
  }
  for (std::size_t i = 0; i < etiquetas.size(); ++i) {
    if (!NombreEtiquetaValido(etiquetas[i].nombre)) return falla("nombre de etiqueta no válido");
    for (std::size_t j = 0; j < i; ++j) {
      if (IgualesSinCaso(etiquetas[i].nombre, etiquetas[j].nombre)) return falla("etiqueta repetida");
    }
    const CExpresion e = CExpresion::Compilar(etiquetas[i].expresion, campos);
    if (!e.Valida() || e.Tipo() == ETipoValor::Logico) {
      return falla("clave de " + etiquetas[i].nombre + " no válida: " + e.Error());
    }
  }
  std::error_code ec;
  if (fs::exists(fichero, ec)) return falla("el fichero " + fichero.string() + " ya existe");

  sqlite3* bd = nullptr;
  if (sqlite3_open_v2(fichero.c_str(), &bd, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK) {
    std::string e = bd != nullptr ? sqlite3_errmsg(bd) : "sin memoria";
    sqlite3_close_v2(bd);
    return falla("no se puede crear " + fichero.string() + ": " + e);
  }
  std::string sql = "PRAGMA application_id = " + std::to_string(kIdAplicacion) + ";" +
                    "PRAGMA user_version = " + std::to_string(kVersionFormato) + ";" +
                    "BEGIN;"
                    "CREATE TABLE esquema(numero INTEGER PRIMARY KEY, nombre BLOB NOT NULL, letra BLOB NOT NULL,"
                    " ancho INTEGER NOT NULL, decimales INTEGER NOT NULL);"
                    "CREATE TABLE etiquetas(numero INTEGER PRIMARY KEY, nombre BLOB NOT NULL,"
                    " expresion BLOB NOT NULL, opcion INTEGER NOT NULL);"
                    "CREATE TABLE filas(recno INTEGER PRIMARY KEY AUTOINCREMENT, borrado INTEGER NOT NULL DEFAULT 0";
  for (std::size_t i = 0; i < campos.size(); ++i) sql += ", " + Columna(i) + " BLOB";
  sql += ");";
  char* msg = nullptr;
  bool bien = sqlite3_exec(bd, sql.c_str(), nullptr, nullptr, &msg) == SQLITE_OK;
  std::string problema = msg != nullptr ? msg : "";
  sqlite3_free(msg);
  sqlite3_stmt* s = nullptr;
  if (bien && sqlite3_prepare_v2(bd, "INSERT INTO esquema VALUES(?1, ?2, ?3, ?4, ?5)", -1, &s, nullptr) == SQLITE_OK) {
    for (std::size_t i = 0; bien && i < campos.size(); ++i) {
      const auto& c = campos[i];
      sqlite3_bind_int64(s, 1, static_cast<sqlite3_int64>(i + 1));
      sqlite3_bind_blob(s, 2, c.nombre.data(), static_cast<int>(c.nombre.size()), SQLITE_TRANSIENT);
      sqlite3_bind_blob(s, 3, &c.letra, 1, SQLITE_TRANSIENT);
      sqlite3_bind_int(s, 4, c.ancho);
      sqlite3_bind_int(s, 5, c.decimales);
      bien = sqlite3_step(s) == SQLITE_DONE;
      sqlite3_reset(s);
    }
  } else {
    bien = false;
  }
  sqlite3_finalize(s);
  if (bien) bien = sqlite3_exec(bd, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
  if (!bien && problema.empty()) problema = sqlite3_errmsg(bd);
  sqlite3_close_v2(bd);
  if (!bien) {
    fs::remove(fichero, ec);
    return falla("no se puede crear " + fichero.string() + ": " + problema);
  }
  if (etiquetas.empty()) return true;
  std::string e;
  auto tabla = Abrir(fichero, {}, 1, &e);
  for (const auto& et : etiquetas) {
    if (!tabla || !tabla->CrearIndice(et.nombre, et.expresion, et.opcion)) {
      if (tabla) e = tabla->UltimoError();
      tabla.reset();
      fs::remove(fichero, ec);
      return falla(e);
    }
  }
  return true;
}

std::unique_ptr<CTablaRegistros> CTablaRegistros::Abrir(const fs::path& fichero, std::string_view alias, int modo,
                                                        std::string* error, EFallo* fallo, int esperaOcupadoMs,
                                                        EApertura apertura) {
  (void)modo;  // every table object reads and writes; the mode is only a hint
  std::unique_ptr<CTablaRegistros> t;
  // A file that does not read as a table is damaged, unless it could not be read because another process was
  // writing it.
  auto falla = [&](std::string que, EFallo tipo = EFallo::Danado) -> std::unique_ptr<CTablaRegistros> {
    if (t && t->bd_ != nullptr) {
      const EFallo sql = FalloDeCodigo(sqlite3_extended_errcode(t->bd_));
      if (sql == EFallo::Ocupado) tipo = sql;
    }
    if (error != nullptr) *error = std::move(que);
    if (fallo != nullptr) *fallo = tipo;
    return nullptr;
  };
  const fs::path carpeta = fichero.has_parent_path() ? fichero.parent_path() : fs::path(".");
  const auto real = BuscaFicheroSinCaso(carpeta, fichero.filename().string());
  std::error_code ec;
  if (!real || !fs::is_regular_file(*real, ec)) {
    return falla("el fichero " + fichero.string() + " no existe", EFallo::Otro);
  }

  t.reset(new CTablaRegistros());
  t->fichero_ = *real;
  t->alias_ = alias.empty() ? real->stem().string() : std::string(alias);
  t->rescate_ = apertura == EApertura::Rescate;
  if (sqlite3_open_v2(real->c_str(), &t->bd_, t->rescate_ ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE,
                      nullptr) != SQLITE_OK) {
    return falla("no se puede abrir " + real->string() + ": " + (t->bd_ ? sqlite3_errmsg(t->bd_) : "sin memoria"),
                 EFallo::Otro);
  }
  sqlite3_extended_result_codes(t->bd_, 1);
  t->PonerEsperaOcupado(esperaOcupadoMs);
  sqlite3_busy_handler(t->bd_, &CTablaRegistros::EsperaOcupado, t.get());
  if (t->rescate_) {
    // A damaged file is read as far as it makes sense: a file shorter than its header says is read up to its end
    // (instead of being refused whole), and every page is checked as it is read. Nothing is ever written.
    sqlite3_exec(t->bd_, "PRAGMA query_only = 1; PRAGMA writable_schema = 1; PRAGMA cell_size_check = 1", nullptr,
                 nullptr, nullptr);
  } else {
    // Every write reaches the disk before the call returns; the rollback journal also works on shared folders.
    sqlite3_exec(t->bd_, "PRAGMA synchronous = FULL", nullptr, nullptr, nullptr);
  }
  sqlite3_stmt* s = t->Sentencia("PRAGMA application_id");
  int id = 0;
  if (s != nullptr) {
    CUso uso(s);
    if (sqlite3_step(s) == SQLITE_ROW) id = sqlite3_column_int(s, 0);
  }
  if (s == nullptr || id != kIdAplicacion) {
    if (s != nullptr && FalloDeCodigo(sqlite3_extended_errcode(t->bd_)) == EFallo::Ocupado) {
      return falla(real->string() + " está ocupado por otro proceso", EFallo::Ocupado);
    }
    return falla(real->string() + " no es una tabla");
  }
  s = t->Sentencia("PRAGMA user_version");
  int version = 0;
  if (s != nullptr) {
    CUso uso(s);
    if (sqlite3_step(s) == SQLITE_ROW) version = sqlite3_column_int(s, 0);
  }
  if (version != kVersionFormato) return falla(real->string() + ": versión de tabla desconocida");
  if (!t->LeerEsquema()) return falla(real->string() + ": " + t->error_, t->fallo_);
  t->bloqueos_ = CFicheroBloqueos::De(fs::path(real->string() + ".lck"));
  if (t->rescate_) t->CargarRescate();
  t->Primero();
  t->error_.clear();
  t->fallo_ = EFallo::Ninguno;
  return t;
}

CTablaRegistros::~CTablaRegistros() {
  for (auto& [sql, s] : sentencias_) sqlite3_finalize(s);
  if (bd_ != nullptr && sqlite3_get_autocommit(bd_) == 0) sqlite3_exec(bd_, "ROLLBACK", nullptr, nullptr, nullptr);
  if (bloqueos_) {
    if (conTurno_) bloqueos_->SoltarTurno();
    bloqueos_->SoltarTodo(reinterpret_cast<std::uintptr_t>(this));
  }
  sqlite3_close_v2(bd_);
}

void CTablaRegistros::PonerEsperaOcupado(int milisegundos) { esperaOcupadoMs_ = std::max(0, milisegundos); }

// The database's wait for another connection's transaction: short naps until this table's wait is over, so that
// a file freed for a moment is taken at once rather than after a long sleep.
int CTablaRegistros::EsperaOcupado(void* tabla, int veces) {
  auto* t = static_cast<CTablaRegistros*>(tabla);
  if (veces == 0) {
    t->limiteOcupado_ = Limite(t->esperaOcupadoMs_);
    if (t->plazo_ && *t->plazo_ < t->limiteOcupado_) t->limiteOcupado_ = *t->plazo_;
  }
  if (Reloj::now() >= t->limiteOcupado_) return 0;
  std::this_thread::sleep_for(std::chrono::microseconds(veces < 20 ? 200 : 1000));
  return 1;
}

bool CTablaRegistros::Fallo(std::string que, EFallo tipo) {
  error_ = std::move(que);
  fallo_ = tipo;
  return false;
}

bool CTablaRegistros::FalloSql(const char* que) {
  return Fallo(std::string(que) + ": " + sqlite3_errmsg(bd_), FalloDeCodigo(sqlite3_extended_errcode(bd_)));
}

void CTablaRegistros::OlvidarFallo() {
  error_.clear();
  fallo_ = EFallo::Ninguno;
}

bool CTablaRegistros::Comprobar(std::string* problemas) {
  sqlite3_stmt* s = nullptr;
  if (sqlite3_prepare_v2(bd_, "PRAGMA quick_check(20)", -1, &s, nullptr) != SQLITE_OK) {
    FalloSql("comprobar");
    sqlite3_finalize(s);
    if (problemas != nullptr) *problemas = error_;
    return false;
  }
  std::string dicho;
  int r;
  while ((r = sqlite3_step(s)) == SQLITE_ROW) {
    if (!dicho.empty()) dicho += "\n";
    dicho += Bytes(s, 0);
  }
  bool sano = r == SQLITE_DONE && dicho == "ok";
  if (r != SQLITE_DONE) {
    FalloSql("comprobar");
    dicho = error_;
  } else if (!sano) {
    Fallo("fichero dañado: " + dicho, EFallo::Danado);
  }
  sqlite3_finalize(s);
  if (sano && rescate_) {
    sano = false;
    dicho = "abierta para rescate";
    Fallo(dicho, EFallo::Danado);
  }
  if (problemas != nullptr) *problemas = sano ? std::string() : dicho;
  return sano;
}

bool CTablaRegistros::Empezar() {
  if (rescate_) return Fallo("la tabla está abierta solo para leer lo que se pueda de ella", EFallo::SoloLectura);
  // The turn among the writers and the transaction wait for other processes within one limit together.
  const auto limite = Limite(esperaOcupadoMs_);
  if (bloqueos_ && !conTurno_) {
    if (bloqueos_->TomarTurno(limite) != EBloqueo::Hecho) {
      return Fallo("otro proceso está escribiendo en la tabla", EFallo::Ocupado);
    }
    conTurno_ = true;
  }
  plazo_ = limite;
  const int empezado = sqlite3_exec(bd_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  plazo_.reset();
  if (empezado != SQLITE_OK) {
    FalloSql("empezar");
    if (conTurno_) bloqueos_->SoltarTurno();
    conTurno_ = false;
    return false;
  }
  return true;
}

bool CTablaRegistros::Terminar(bool confirmar) {
  bool bien = true;
  if (confirmar && sqlite3_exec(bd_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) bien = FalloSql("confirmar");
  if (sqlite3_get_autocommit(bd_) == 0) sqlite3_exec(bd_, "ROLLBACK", nullptr, nullptr, nullptr);
  if (conTurno_) bloqueos_->SoltarTurno();
  conTurno_ = false;
  return bien && confirmar;
}

bool CTablaRegistros::Ejecutar(const char* sql) {
  if (sqlite3_exec(bd_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) return FalloSql(sql);
  return true;
}

sqlite3_stmt* CTablaRegistros::Sentencia(const std::string& sql) {
  auto it = sentencias_.find(sql);
  if (it != sentencias_.end()) return it->second;
  sqlite3_stmt* s = nullptr;
  if (sqlite3_prepare_v2(bd_, sql.c_str(), static_cast<int>(sql.size()), &s, nullptr) != SQLITE_OK) {
    FalloSql("consulta");
    sqlite3_finalize(s);
    return nullptr;
  }
  sentencias_.emplace(sql, s);
  return s;
}

bool CTablaRegistros::LeerEsquema() {
  std::vector<CCampoTabla> campos;
  sqlite3_stmt* s = Sentencia("SELECT nombre, letra, ancho, decimales FROM esquema ORDER BY numero");
  if (s == nullptr) return false;
  {
    CUso uso(s);
    int r;
    while ((r = sqlite3_step(s)) == SQLITE_ROW) {
      CCampoTabla c;
      c.nombre = Bytes(s, 0);
      const std::string letra = Bytes(s, 1);
      c.letra = letra.size() == 1 ? letra[0] : '?';
      c.ancho = sqlite3_column_int(s, 2);
      c.decimales = sqlite3_column_int(s, 3);
      const std::string e = NormalizaCampo(c);
      if (!e.empty()) return Fallo("esquema dañado: " + e, EFallo::Danado);
      campos.push_back(std::move(c));
    }
    if (r != SQLITE_DONE) return FalloSql("esquema");
  }
  if (campos.empty()) return Fallo("esquema dañado: sin campos", EFallo::Danado);
  if (!campos_.empty() && campos.size() != campos_.size()) return Fallo("esquema cambiado");
  std::vector<CEtiqueta> etiquetas;
  s = Sentencia("SELECT numero, nombre, expresion, opcion FROM etiquetas ORDER BY numero");
  if (s == nullptr) return false;
  {
    CUso uso(s);
    int r;
    while ((r = sqlite3_step(s)) == SQLITE_ROW) {
      if (sqlite3_column_int64(s, 0) != static_cast<sqlite3_int64>(etiquetas.size() + 1)) {
        return Fallo("etiquetas dañadas", EFallo::Danado);
      }
      CEtiqueta e;
      e.definicion.nombre = Bytes(s, 1);
      e.definicion.expresion = Bytes(s, 2);
      e.definicion.opcion = sqlite3_column_int(s, 3);
      e.expresion = CExpresion::Compilar(e.definicion.expresion, campos);
      if (!e.expresion.Valida()) return Fallo("clave dañada en " + e.definicion.nombre, EFallo::Danado);
      etiquetas.push_back(std::move(e));
    }
    if (r != SQLITE_DONE) return FalloSql("etiquetas");
  }
  // The row table must have every column the schema names.
  std::string prueba = "SELECT recno, borrado";
  for (std::size_t i = 0; i < campos.size(); ++i) prueba += ", " + Columna(i);
  for (std::size_t i = 0; i < etiquetas.size(); ++i) prueba += ", " + ColumnaClave(static_cast<int>(i + 1));
  prueba += " FROM filas LIMIT 0";
  if (Sentencia(prueba) == nullptr) return Fallo("filas dañadas: " + error_, EFallo::Danado);
  s = Sentencia("PRAGMA schema_version");
  if (s == nullptr) return false;
  {
    CUso uso(s);
    if (sqlite3_step(s) != SQLITE_ROW) return FalloSql("versión del esquema");
    versionEsquema_ = sqlite3_column_int64(s, 0);
  }
  campos_ = std::move(campos);
  etiquetas_ = std::move(etiquetas);
  compiladas_.clear();
  if (orden_ > static_cast<int>(etiquetas_.size())) orden_ = 0;
  return true;
}

bool CTablaRegistros::EsquemaAlDia() {
  // A file in rescue is never written, by this table or by any other user who knows it is damaged.
  if (rescate_) return true;
  sqlite3_stmt* s = Sentencia("PRAGMA schema_version");
  if (s == nullptr) return false;
  long long v = -1;
  {
    CUso uso(s);
    if (sqlite3_step(s) != SQLITE_ROW) return FalloSql("versión del esquema");
    v = sqlite3_column_int64(s, 0);
  }
  return v == versionEsquema_ || LeerEsquema();
}

std::vector<CEtiquetaTabla> CTablaRegistros::Etiquetas() const {
  std::vector<CEtiquetaTabla> r;
  for (const auto& e : etiquetas_) r.push_back(e.definicion);
  return r;
}

// --- orders ---

int CTablaRegistros::NumeroOrden(std::string_view etiqueta) const {
  for (std::size_t i = 0; i < etiquetas_.size(); ++i) {
    if (IgualesSinCaso(etiquetas_[i].definicion.nombre, etiqueta)) return static_cast<int>(i + 1);
  }
  return 0;
}

bool CTablaRegistros::PonerOrden(int numero) {
  if (numero < 0 || numero > static_cast<int>(etiquetas_.size())) return Fallo("no hay orden " + std::to_string(numero));
  orden_ = numero;
  if (fila_.numero != 0) CargarFila(fila_.numero, fila_);
  return true;
}

bool CTablaRegistros::CrearIndice(std::string_view etiqueta, std::string_view expresion, int opcion) {
  if (!NombreEtiquetaValido(etiqueta)) return Fallo("nombre de etiqueta no válido");
  if (!EsquemaAlDia()) return false;
  CExpresion e = CExpresion::Compilar(expresion, campos_);
  if (!e.Valida()) return Fallo("clave no válida: " + e.Error());
  if (e.Tipo() == ETipoValor::Logico) return Fallo("una clave no puede ser lógica");
  const bool propia = sqlite3_get_autocommit(bd_) != 0;
  if (propia && !Empezar()) return false;
  auto deshaz = [&](bool r) {
    if (propia) Terminar(false);
    EsquemaAlDia();
    return r;
  };
  if (!EsquemaAlDia()) return deshaz(false);
  int numero = NumeroOrden(etiqueta);
  std::string sql;
  const std::string nombre(etiqueta);
  const std::string texto(expresion);
  if (numero == 0) {
    numero = static_cast<int>(etiquetas_.size() + 1);
    sql = "INSERT INTO etiquetas(nombre, expresion, opcion, numero) VALUES(?1, ?2, ?3, ?4)";
  } else {
    sql = "UPDATE etiquetas SET nombre = ?1, expresion = ?2, opcion = ?3 WHERE numero = ?4";
  }
  {
    sqlite3_stmt* s = Sentencia(sql);
    if (s == nullptr) return deshaz(false);
    CUso uso(s);
    sqlite3_bind_blob(s, 1, nombre.data(), static_cast<int>(nombre.size()), SQLITE_TRANSIENT);
    sqlite3_bind_blob(s, 2, texto.data(), static_cast<int>(texto.size()), SQLITE_TRANSIENT);
    sqlite3_bind_int(s, 3, opcion);
    sqlite3_bind_int(s, 4, numero);
    if (sqlite3_step(s) != SQLITE_DONE) return deshaz(FalloSql("etiqueta"));
  }
  const std::string k = ColumnaClave(numero);
  if (numero > static_cast<int>(etiquetas_.size())) {
    const std::string alta = "ALTER TABLE filas ADD COLUMN " + k + " BLOB;"
                             "CREATE INDEX ix_" + k + " ON filas(" + k + ", recno);";
    if (!Ejecutar(alta.c_str())) return deshaz(false);
  }
  // The key of every row.
  std::vector<long> numeros;
  {
    sqlite3_stmt* s = Sentencia("SELECT recno FROM filas ORDER BY recno");
    if (s == nullptr) return deshaz(false);
    CUso uso(s);
    while (sqlite3_step(s) == SQLITE_ROW) numeros.push_back(static_cast<long>(sqlite3_column_int64(s, 0)));
  }
  sqlite3_stmt* u = Sentencia("UPDATE filas SET " + k + " = ?1 WHERE recno = ?2");
  if (u == nullptr) return deshaz(false);
  for (long n : numeros) {
    CFila f;
    if (!CargarFila(n, f)) return deshaz(false);
    CUso uso(u);
    Enlaza(u, 1, e.Evaluar(CFuenteFila(*this, f)));
    sqlite3_bind_int64(u, 2, n);
    if (sqlite3_step(u) != SQLITE_DONE) return deshaz(FalloSql("clave"));
  }
  if (propia && !Terminar(true)) return deshaz(false);
  if (!LeerEsquema()) return false;
  if (fila_.numero != 0) CargarFila(fila_.numero, fila_);
  return true;
}

bool CTablaRegistros::Reindexar() {
  const bool propia = sqlite3_get_autocommit(bd_) != 0;
  if (propia && !Empezar()) return false;
  auto deshaz = [&](bool r) {
    if (propia) Terminar(false);
    return r;
  };
  if (!EsquemaAlDia()) return deshaz(false);
  if (etiquetas_.empty()) return deshaz(true);
  std::vector<long> numeros;
  {
    sqlite3_stmt* s = Sentencia("SELECT recno FROM filas ORDER BY recno");
    if (s == nullptr) return deshaz(false);
    CUso uso(s);
    while (sqlite3_step(s) == SQLITE_ROW) numeros.push_back(static_cast<long>(sqlite3_column_int64(s, 0)));
  }
  std::string sql = "UPDATE filas SET ";
  for (std::size_t i = 0; i < etiquetas_.size(); ++i) {
    sql += (i ? ", " : "") + ColumnaClave(static_cast<int>(i + 1)) + " = ?" + N(i + 1);
  }
  sql += " WHERE recno = ?" + N(etiquetas_.size() + 1);
  sqlite3_stmt* u = Sentencia(sql);
  if (u == nullptr) return deshaz(false);
  for (long n : numeros) {
    CFila f;
    std::vector<CValor> claves;
    if (!CargarFila(n, f) || !ClavesDe(f, claves)) return deshaz(false);
    CUso uso(u);
    for (std::size_t i = 0; i < claves.size(); ++i) Enlaza(u, static_cast<int>(i + 1), claves[i]);
    sqlite3_bind_int64(u, static_cast<int>(claves.size() + 1), n);
    if (sqlite3_step(u) != SQLITE_DONE) return deshaz(FalloSql("clave"));
  }
  if (propia && !Terminar(true)) return deshaz(false);
  if (fila_.numero != 0) CargarFila(fila_.numero, fila_);
  return true;
}

// --- rows and moving ---

std::string CTablaRegistros::Columnas() const {
  std::string c = "recno, borrado";
  for (std::size_t i = 0; i < campos_.size(); ++i) c += Grande(campos_[i].letra) ? ", NULL" : ", " + Columna(i);
  c += orden_ > 0 ? ", " + ColumnaClave(orden_) : ", NULL";
  return c;
}

void CTablaRegistros::LeerFila(sqlite3_stmt* s, CFila& fila) const {
  fila.numero = static_cast<long>(sqlite3_column_int64(s, 0));
  fila.borrado = sqlite3_column_int64(s, 1) != 0;
  fila.valores.resize(campos_.size());
  fila.cargados.assign(campos_.size(), 0);
  for (std::size_t i = 0; i < campos_.size(); ++i) {
    if (Grande(campos_[i].letra)) continue;
    fila.valores[i] = ValorColumna(s, static_cast<int>(i + 2), campos_[i]);
    fila.cargados[i] = 1;
  }
  const int k = static_cast<int>(campos_.size() + 2);
  switch (sqlite3_column_type(s, k)) {
    case SQLITE_INTEGER:
    case SQLITE_FLOAT: fila.clave = CValor::DeNumero(sqlite3_column_double(s, k)); break;
    default: fila.clave = CValor::DeTexto(Bytes(s, k)); break;
  }
}

CValor CTablaRegistros::ValorDe(CFila& fila, std::size_t indice) {
  if (indice >= campos_.size()) return {};
  if (fila.valores.size() != campos_.size()) {
    fila.valores.resize(campos_.size());
    fila.cargados.assign(campos_.size(), 0);
  }
  if (!fila.cargados[indice]) {
    CValor v = Vacio(campos_[indice]);
    if (fila.numero != 0) {
      sqlite3_stmt* s = Sentencia("SELECT " + Columna(indice) + " FROM filas WHERE recno = ?1");
      if (s != nullptr) {
        CUso uso(s);
        sqlite3_bind_int64(s, 1, fila.numero);
        const int r = sqlite3_step(s);
        if (r == SQLITE_ROW) {
          v = ValorColumna(s, 0, campos_[indice]);
        } else if (r != SQLITE_DONE) {
          // A field that cannot be read (a damaged page, a file busy with another process's writing) reads as
          // blank, and says why.
          FalloSql("lectura");
          if (fallo_ == EFallo::Danado) fila.danada = true;
          if (fallo_ == EFallo::Ocupado) return v;  // read again next time
        }
      }
    }
    fila.valores[indice] = std::move(v);
    fila.cargados[indice] = 1;
  }
  return fila.valores[indice];
}

bool CTablaRegistros::CargarFila(long numero, CFila& fila) {
  if (rescate_) {
    const CFilaRescate* f = FilaRescate(numero);
    if (f == nullptr) return Fallo("no existe el registro " + std::to_string(numero));
    fila = f->fila;
    fila.clave = orden_ > 0 ? f->claves[static_cast<std::size_t>(orden_ - 1)] : CValor();
    return true;
  }
  sqlite3_stmt* s = Sentencia("SELECT " + Columnas() + " FROM filas WHERE recno = ?1");
  if (s == nullptr) return false;
  CUso uso(s);
  sqlite3_bind_int64(s, 1, numero);
  const int r = sqlite3_step(s);
  if (r != SQLITE_ROW) return r == SQLITE_DONE ? Fallo("no existe el registro " + std::to_string(numero))
                                                : FalloSql("lectura");
  LeerFila(s, fila);
  return true;
}

bool CTablaRegistros::IrA(long numero) {
  principio_ = false;
  CFila f;
  if (!CargarFila(numero, f)) {
    fila_ = CFila{};
    return false;
  }
  fila_ = std::move(f);
  return true;
}

bool CTablaRegistros::Visible(CFila& fila) {
  if (ocultarBorrados_ && fila.borrado) return false;
  return !filtro_ || filtro_->Cumple(CFuenteFila(*this, fila));
}

bool CTablaRegistros::Mover(EMovimiento m, const CValor* clave) {
  if (rescate_) return MoverRescate(m, clave);
  const bool indice = orden_ > 0;
  const std::string k = indice ? ColumnaClave(orden_) : std::string();
  std::string donde;
  bool atras = false;
  switch (m) {
    case EMovimiento::Primero: break;
    case EMovimiento::Ultimo: atras = true; break;
    case EMovimiento::Siguiente: donde = indice ? "(" + k + ", recno) > (?1, ?2)" : "recno > ?2"; break;
    case EMovimiento::Anterior:
      donde = indice ? "(" + k + ", recno) < (?1, ?2)" : "recno < ?2";
      atras = true;
      break;
    case EMovimiento::Buscar: donde = k + " >= ?1"; break;
  }
  if (ocultarBorrados_) donde += donde.empty() ? "borrado = 0" : " AND borrado = 0";
  const char* sentido = atras ? " DESC" : " ASC";
  std::string sql = "SELECT " + Columnas() + " FROM filas";
  if (!donde.empty()) sql += " WHERE " + donde;
  sql += " ORDER BY " + (indice ? k + sentido + ", " : std::string()) + "recno" + sentido;
  sqlite3_stmt* s = Sentencia(sql);
  CFila hallada;
  bool hay = false;
  if (s != nullptr) {
    CUso uso(s);
    if (m == EMovimiento::Buscar && clave != nullptr) Enlaza(s, 1, *clave);
    if (m == EMovimiento::Siguiente || m == EMovimiento::Anterior) {
      if (indice) Enlaza(s, 1, fila_.clave);
      sqlite3_bind_int64(s, 2, fila_.numero);
    }
    int r;
    while ((r = sqlite3_step(s)) == SQLITE_ROW) {
      CFila f;
      LeerFila(s, f);
      if (Visible(f)) {
        hallada = std::move(f);
        hay = true;
        break;
      }
    }
    if (!hay && r != SQLITE_DONE) FalloSql("lectura");
  }
  if (!hay && m == EMovimiento::Anterior) {
    const bool r = Mover(EMovimiento::Primero, nullptr);
    principio_ = true;
    return r;
  }
  fila_ = hay ? std::move(hallada) : CFila{};
  return hay;
}

bool CTablaRegistros::Primero() {
  principio_ = false;
  return Mover(EMovimiento::Primero, nullptr);
}

bool CTablaRegistros::Ultimo() {
  principio_ = false;
  return Mover(EMovimiento::Ultimo, nullptr);
}

bool CTablaRegistros::Saltar(long cuantos) {
  principio_ = false;
  if (cuantos == 0) return fila_.numero != 0 && IrA(fila_.numero);
  for (long i = 0; i < std::labs(cuantos); ++i) {
    if (cuantos > 0) {
      if (fila_.numero == 0 || !Mover(EMovimiento::Siguiente, nullptr)) return false;
    } else if (fila_.numero == 0) {
      if (!Mover(EMovimiento::Ultimo, nullptr)) return false;
    } else {
      Mover(EMovimiento::Anterior, nullptr);
      if (principio_) return fila_.numero != 0;
    }
  }
  return fila_.numero != 0;
}

bool CTablaRegistros::Buscar(std::string_view clave) {
  principio_ = false;
  encontrado_ = false;
  // A miss says nothing more; a read refused says why (a file busy with another process's writing).
  error_.clear();
  fallo_ = EFallo::Ninguno;
  if (orden_ == 0) {
    fila_ = CFila{};
    return Fallo("buscar necesita un orden");
  }
  const bool numerica = etiquetas_[static_cast<std::size_t>(orden_ - 1)].expresion.Tipo() == ETipoValor::Numero;
  CValor buscada;
  if (numerica) {
    double v = 0;
    if (!LeeDouble(Recorta(clave), v)) {
      fila_ = CFila{};
      return Fallo("clave numérica no válida");
    }
    buscada = CValor::DeNumero(v);
  } else {
    buscada = CValor::DeTexto(std::string(clave));
  }
  if (Mover(EMovimiento::Buscar, &buscada)) {
    if (numerica) {
      encontrado_ = fila_.clave.tipo == ETipoValor::Numero && fila_.clave.numero == buscada.numero;
    } else {
      encontrado_ = fila_.clave.tipo == ETipoValor::Texto && fila_.clave.texto.starts_with(buscada.texto);
    }
  }
  if (!encontrado_ && !cercana_) fila_ = CFila{};
  return encontrado_;
}

const CExpresion* CTablaRegistros::Compilada(std::string_view expresion) {
  const std::string texto(expresion);
  auto it = compiladas_.find(texto);
  if (it == compiladas_.end()) {
    if (compiladas_.size() >= 64) compiladas_.clear();
    it = compiladas_.emplace(texto, CExpresion::Compilar(texto, campos_)).first;
  }
  return &it->second;
}

bool CTablaRegistros::PonerFiltro(std::string_view expresion) {
  filtro_.reset();
  if (Recorta(expresion).empty()) return true;
  const CExpresion* e = Compilada(expresion);
  if (!e->Valida() || e->Tipo() != ETipoValor::Logico) {
    return Fallo("filtro no válido: " + (e->Valida() ? std::string("no es lógico") : e->Error()));
  }
  filtro_ = *e;
  return true;
}

bool CTablaRegistros::PonerFiltro(const CCondicion& condicion) {
  if (!condicion.Valida()) {
    // A condition that cannot be built shows nothing rather than everything.
    filtro_ = CExpresion::Compilar(".F.", campos_);
    return Fallo("condición no válida");
  }
  return PonerFiltro(condicion.Texto());
}

bool CTablaRegistros::Localizar(std::string_view expresion, bool siguiente) {
  if (!siguiente) {
    const CExpresion* e = Compilada(expresion);
    if (!e->Valida() || e->Tipo() != ETipoValor::Logico) {
      localizar_.reset();
      return Fallo("condición no válida: " + e->Error());
    }
    localizar_ = *e;
    Primero();
  } else {
    if (!localizar_ || localizar_->Texto() != expresion) {
      const CExpresion* e = Compilada(expresion);
      if (!e->Valida() || e->Tipo() != ETipoValor::Logico) return Fallo("condición no válida: " + e->Error());
      localizar_ = *e;
    }
    Saltar(1);
  }
  while (fila_.numero != 0) {
    if (localizar_->Cumple(CFuenteFila(*this, fila_))) return true;
    Saltar(1);
  }
  return false;
}

bool CTablaRegistros::Localizar(const CCondicion& condicion, bool siguiente) {
  if (!condicion.Valida()) return Fallo("condición no válida");
  return Localizar(condicion.Texto(), siguiente);
}

ETipoValor CTablaRegistros::TipoExpresion(std::string_view expresion) { return Compilada(expresion)->Tipo(); }

CValor CTablaRegistros::EvaluarValor(std::string_view expresion) {
  const CExpresion* e = Compilada(expresion);
  if (!e->Valida()) {
    Fallo("expresión no válida: " + e->Error());
    return {};
  }
  return e->Evaluar(CFuenteFila(*this, fila_));
}

int CTablaRegistros::Evaluar(std::string_view expresion) {
  const CExpresion* e = Compilada(expresion);
  if (e->Tipo() != ETipoValor::Logico) return 0;
  return e->Cumple(CFuenteFila(*this, fila_)) ? 1 : 0;
}

bool CTablaRegistros::Cumple(const CCondicion& condicion) {
  return condicion.Valida() && Evaluar(condicion.Texto()) != 0;
}

// --- fields ---

int CTablaRegistros::Indice(std::string_view campo) const { return IndiceCampo(campos_, campo); }

bool CTablaRegistros::CampoConocido(std::string_view campo) const { return Indice(campo) >= 0; }

char CTablaRegistros::TipoCampo(std::string_view campo) const {
  const int i = Indice(campo);
  return i < 0 ? '\0' : campos_[static_cast<std::size_t>(i)].letra;
}

int CTablaRegistros::AnchoCampo(std::string_view campo) const {
  const int i = Indice(campo);
  return i < 0 ? 0 : campos_[static_cast<std::size_t>(i)].ancho;
}

long CTablaRegistros::LeerEntero(std::string_view campo) {
  const double v = LeerDouble(campo);
  if (!(v > static_cast<double>(LONG_MIN) && v < static_cast<double>(LONG_MAX))) return 0;
  return static_cast<long>(v);
}

double CTablaRegistros::LeerDouble(std::string_view campo) {
  const int i = Indice(campo);
  if (i < 0) {
    Fallo("campo desconocido " + std::string(campo));
    return 0;
  }
  const CValor v = ValorDe(fila_, static_cast<std::size_t>(i));
  switch (campos_[static_cast<std::size_t>(i)].letra) {
    case 'N': case 'F': case 'I': return v.numero;
    case 'L': return v.logico ? 1 : 0;
    case 'B': return 0;
    default: {
      double d = 0;
      return LeeDouble(Recorta(v.texto), d) ? d : 0;
    }
  }
}

bool CTablaRegistros::LeerLogico(std::string_view campo) {
  const int i = Indice(campo);
  if (i < 0) return Fallo("campo desconocido " + std::string(campo));
  const CValor v = ValorDe(fila_, static_cast<std::size_t>(i));
  switch (campos_[static_cast<std::size_t>(i)].letra) {
    case 'L': return v.logico;
    case 'N': case 'F': case 'I': return v.numero != 0;
    case 'B': return false;
    default: {
      const auto t = Recorta(v.texto);
      return !t.empty() && std::strchr("TtYySs", t.front()) != nullptr;
    }
  }
}

std::string CTablaRegistros::LeerTexto(std::string_view campo) {
  const int i = Indice(campo);
  if (i < 0) {
    Fallo("campo desconocido " + std::string(campo));
    return {};
  }
  const CCampoTabla& c = campos_[static_cast<std::size_t>(i)];
  const CValor v = ValorDe(fila_, static_cast<std::size_t>(i));
  switch (c.letra) {
    case 'N':
    case 'F': {
      std::string s = FormateaFijo(v.numero, c.decimales);
      if (s.size() < static_cast<std::size_t>(c.ancho)) s.insert(0, static_cast<std::size_t>(c.ancho) - s.size(), ' ');
      return s;
    }
    case 'I': {
      char buf[32];
      const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(v.numero));
      return std::string(buf, r.ptr);
    }
    case 'L': return v.logico ? "T" : "F";
    default: return v.texto;
  }
}

std::optional<std::string> CTablaRegistros::LeerMemo(std::string_view campo) {
  const int i = Indice(campo);
  if (i < 0 || campos_[static_cast<std::size_t>(i)].letra != 'M') {
    Fallo("no es un campo memo: " + std::string(campo));
    return std::nullopt;
  }
  return ValorDe(fila_, static_cast<std::size_t>(i)).texto;
}

long CTablaRegistros::LongitudBinario(std::string_view campo) {
  const int i = Indice(campo);
  if (i < 0 || !Grande(campos_[static_cast<std::size_t>(i)].letra)) {
    Fallo("no es un campo binario: " + std::string(campo));
    return -1;
  }
  return static_cast<long>(ValorDe(fila_, static_cast<std::size_t>(i)).texto.size());
}

long CTablaRegistros::LeerBinario(std::string_view campo, std::span<char> destino) {
  const int i = Indice(campo);
  if (i < 0 || !Grande(campos_[static_cast<std::size_t>(i)].letra)) {
    Fallo("no es un campo binario: " + std::string(campo));
    return -1;
  }
  const CValor v = ValorDe(fila_, static_cast<std::size_t>(i));
  if (destino.size() < v.texto.size()) {
    Fallo("el contenido no cabe en el destino");
    return 0;
  }
  std::copy(v.texto.begin(), v.texto.end(), destino.begin());
  return static_cast<long>(v.texto.size());
}

long CTablaRegistros::EscribirBinario(std::string_view campo, std::span<const char> datos) {
  const int i = Indice(campo);
  if (i < 0 || !Grande(campos_[static_cast<std::size_t>(i)].letra)) {
    Fallo("no es un campo binario: " + std::string(campo));
    return -1;
  }
  if (!Escribir(static_cast<std::size_t>(i), CValor::DeTexto(std::string(datos.begin(), datos.end())))) return -1;
  return static_cast<long>(datos.size());
}

bool CTablaRegistros::PonerDouble(std::string_view campo, double valor) {
  const int i = Indice(campo);
  if (i < 0) return Fallo("campo desconocido " + std::string(campo));
  const CCampoTabla& c = campos_[static_cast<std::size_t>(i)];
  switch (c.letra) {
    case 'N':
    case 'F':
    case 'I': {
      double v = c.letra == 'N' ? RedondeaDecimales(valor, c.decimales) : valor;
      if (c.letra == 'I') v = std::trunc(v);
      if (!CabeEnCampo(v, c)) return Fallo("el valor no cabe en " + c.nombre);
      return Escribir(static_cast<std::size_t>(i), CValor::DeNumero(v == 0 ? 0 : v));
    }
    case 'L': return Escribir(static_cast<std::size_t>(i), CValor::DeLogico(valor != 0));
    default: return Fallo("el campo " + c.nombre + " no es numérico");
  }
}

bool CTablaRegistros::PonerEntero(std::string_view campo, long valor) {
  return PonerDouble(campo, static_cast<double>(valor));
}

bool CTablaRegistros::PonerLogico(std::string_view campo, bool valor) { return PonerDouble(campo, valor ? 1 : 0); }

bool CTablaRegistros::PonerTexto(std::string_view campo, std::string_view valor) {
  const int i = Indice(campo);
  if (i < 0) return Fallo("campo desconocido " + std::string(campo));
  const CCampoTabla& c = campos_[static_cast<std::size_t>(i)];
  switch (c.letra) {
    case 'C':
    case 'D': return Escribir(static_cast<std::size_t>(i), CValor::DeTexto(Ajusta(std::string(valor),
                                                                                   static_cast<std::size_t>(c.ancho))));
    case 'M':
    case 'B': return Escribir(static_cast<std::size_t>(i), CValor::DeTexto(std::string(valor)));
    case 'L': {
      const auto t = Recorta(valor);
      const std::string_view limpio = t.size() == 3 && t.front() == '.' && t.back() == '.' ? t.substr(1, 1) : t;
      if (limpio.size() > 1) return Fallo("valor lógico no válido para " + c.nombre);
      if (limpio.empty() || std::strchr("FfNn0", limpio.front()) != nullptr) return PonerLogico(campo, false);
      if (std::strchr("TtYySs1", limpio.front()) != nullptr) return PonerLogico(campo, true);
      return Fallo("valor lógico no válido para " + c.nombre);
    }
    default: {
      const auto t = Recorta(valor);
      double v = 0;
      if (!t.empty() && !LeeDouble(t, v)) return Fallo("número no válido para " + c.nombre);
      return PonerDouble(campo, v);
    }
  }
}

bool CTablaRegistros::ClavesDe(CFila& fila, std::vector<CValor>& claves) {
  claves.clear();
  for (const auto& e : etiquetas_) claves.push_back(e.expresion.Evaluar(CFuenteFila(*this, fila)));
  return true;
}

bool CTablaRegistros::BloqueadoFuera(long numero) const { return bloqueos_ && bloqueos_->BloqueadoFuera(numero); }

bool CTablaRegistros::Escribir(std::size_t indice, CValor valor) {
  const long numero = fila_.numero;
  if (numero == 0) return Fallo("no hay registro actual");
  if (BloqueadoFuera(numero)) return Fallo("registro bloqueado por otro proceso", EFallo::Bloqueado);
  const bool propia = sqlite3_get_autocommit(bd_) != 0;
  if (propia && !Empezar()) return false;
  auto deshaz = [&]() {
    if (propia) Terminar(false);
    return false;
  };
  if (!EsquemaAlDia()) return deshaz();
  CFila f;
  if (!CargarFila(numero, f)) return deshaz();
  f.valores[indice] = valor;
  f.cargados[indice] = 1;
  std::vector<CValor> claves;
  ClavesDe(f, claves);
  std::string sql = "UPDATE filas SET " + Columna(indice) + " = ?1";
  for (std::size_t i = 0; i < claves.size(); ++i) {
    sql += ", " + ColumnaClave(static_cast<int>(i + 1)) + " = ?" + N(i + 3);
  }
  sql += " WHERE recno = ?2";
  sqlite3_stmt* s = Sentencia(sql);
  if (s == nullptr) return deshaz();
  {
    CUso uso(s);
    EnlazaCampo(s, 1, valor, campos_[indice]);
    sqlite3_bind_int64(s, 2, numero);
    for (std::size_t i = 0; i < claves.size(); ++i) Enlaza(s, static_cast<int>(i + 3), claves[i]);
    if (sqlite3_step(s) != SQLITE_DONE) {
      FalloSql("escritura");
      return deshaz();
    }
  }
  if (propia && !Terminar(true)) return deshaz();
  CargarFila(numero, fila_);
  if (Grande(campos_[indice].letra)) {
    fila_.valores[indice] = std::move(valor);
    fila_.cargados[indice] = 1;
  }
  return true;
}

bool CTablaRegistros::PonerBorrado(bool borrado) {
  const long numero = fila_.numero;
  if (numero == 0) return Fallo("no hay registro actual");
  if (BloqueadoFuera(numero)) return Fallo("registro bloqueado por otro proceso", EFallo::Bloqueado);
  sqlite3_stmt* s = Sentencia("UPDATE filas SET borrado = ?1 WHERE recno = ?2");
  if (s == nullptr) return false;
  const bool propia = sqlite3_get_autocommit(bd_) != 0;
  if (propia && !Empezar()) return false;
  {
    CUso uso(s);
    sqlite3_bind_int(s, 1, borrado ? 1 : 0);
    sqlite3_bind_int64(s, 2, numero);
    if (sqlite3_step(s) != SQLITE_DONE) {
      FalloSql("borrado");
      if (propia) Terminar(false);
      return false;
    }
  }
  if (propia && !Terminar(true)) return false;
  fila_.borrado = borrado;
  return true;
}

bool CTablaRegistros::Borrar() { return PonerBorrado(true); }
bool CTablaRegistros::Recuperar() { return PonerBorrado(false); }

bool CTablaRegistros::EmpezarLote() {
  if (sqlite3_get_autocommit(bd_) == 0) return Fallo("ya hay un lote abierto");
  if (!Empezar()) return false;
  // What failed before the batch says nothing about it.
  error_.clear();
  fallo_ = EFallo::Ninguno;
  return true;
}

bool CTablaRegistros::TerminarLote(bool confirmar) {
  if (sqlite3_get_autocommit(bd_) != 0) return Fallo("no hay lote abierto");
  if (Terminar(confirmar)) return true;
  // Nothing of the batch was kept: the current row is read again as the file holds it (a row appended in the
  // batch is gone), keeping what made the batch fail.
  const std::string error = error_;
  const EFallo fallo = fallo_;
  if (fila_.numero != 0 && !CargarFila(fila_.numero, fila_)) fila_ = CFila{};
  error_ = error;
  fallo_ = fallo;
  return !confirmar;
}

bool CTablaRegistros::EnLote() const { return sqlite3_get_autocommit(bd_) == 0; }

int CTablaRegistros::Anadir() {
  if (BloqueadoFuera(0)) {
    Fallo("tabla bloqueada por otro proceso", EFallo::Bloqueado);
    return kAnadirOcupado;
  }
  const bool propia = sqlite3_get_autocommit(bd_) != 0;
  auto resultado = [&](int codigo) {
    const int base = sqlite3_extended_errcode(bd_) & 0xff;
    return (codigo == SQLITE_BUSY || codigo == SQLITE_LOCKED || base == SQLITE_BUSY || base == SQLITE_LOCKED)
               ? kAnadirOcupado
               : kAnadirImposible;
  };
  if (propia && !Empezar()) return fallo_ == EFallo::Ocupado ? kAnadirOcupado : kAnadirImposible;
  auto deshaz = [&](int codigo) {
    FalloSql("añadir");
    const int r = resultado(codigo);
    if (propia) Terminar(false);
    return r;
  };
  if (!EsquemaAlDia()) return deshaz(SQLITE_CORRUPT);
  CFila f;
  for (const auto& c : campos_) {
    f.valores.push_back(Vacio(c));
    f.cargados.push_back(1);
  }
  std::vector<CValor> claves;
  ClavesDe(f, claves);
  std::string sql = "INSERT INTO filas(borrado";
  std::string valores = "VALUES(0";
  int n = 0;
  for (std::size_t i = 0; i < campos_.size(); ++i) {
    sql += ", " + Columna(i);
    valores += ", ?" + std::to_string(++n);
  }
  for (std::size_t i = 0; i < claves.size(); ++i) {
    sql += ", " + ColumnaClave(static_cast<int>(i + 1));
    valores += ", ?" + std::to_string(++n);
  }
  sqlite3_stmt* s = Sentencia(sql + ") " + valores + ")");
  if (s == nullptr) return deshaz(SQLITE_ERROR);
  long numero = 0;
  {
    CUso uso(s);
    n = 0;
    for (std::size_t i = 0; i < campos_.size(); ++i) EnlazaCampo(s, ++n, f.valores[i], campos_[i]);
    for (const auto& c : claves) Enlaza(s, ++n, c);
    const int r = sqlite3_step(s);
    if (r != SQLITE_DONE) return deshaz(r);
    numero = static_cast<long>(sqlite3_last_insert_rowid(bd_));
  }
  if (propia && !Terminar(true)) return fallo_ == EFallo::Ocupado ? kAnadirOcupado : kAnadirImposible;
  // A row nobody else can know of yet: its lock is free.
  if (bloqueos_) bloqueos_->BloquearRegistro(reinterpret_cast<std::uintptr_t>(this), numero, Reloj::now());
  principio_ = false;
  if (!CargarFila(numero, fila_)) fila_ = CFila{};
  return kAnadido;
}

int CTablaRegistros::EstadoRegistro(long numero) {
  if (rescate_) {
    const CFilaRescate* f = FilaRescate(numero);
    if (f == nullptr) return kEstadoNoExiste;
    int estado = f->fila.borrado ? kEstadoBorrado : 0;
    if (f->fila.danada) estado |= kEstadoDanado;
    if (BloqueadoFuera(numero)) estado |= kEstadoBloqueadoFuera;
    return estado;
  }
  sqlite3_stmt* s = Sentencia("SELECT borrado FROM filas WHERE recno = ?1");
  if (s == nullptr) return kEstadoNoExiste;
  int estado = 0;
  {
    CUso uso(s);
    sqlite3_bind_int64(s, 1, numero);
    if (sqlite3_step(s) != SQLITE_ROW) return kEstadoNoExiste;
    if (sqlite3_column_int64(s, 0) != 0) estado |= kEstadoBorrado;
  }
  if (BloqueadoFuera(numero)) estado |= kEstadoBloqueadoFuera;
  return estado;
}

long CTablaRegistros::NumeroRegistros() {
  if (rescate_) {
    return static_cast<long>(std::count_if(filasRescate_.begin(), filasRescate_.end(), [this](const CFilaRescate& f) {
      return !ocultarBorrados_ || !f.fila.borrado;
    }));
  }
  sqlite3_stmt* s = Sentencia(ocultarBorrados_ ? "SELECT count(*) FROM filas WHERE borrado = 0"
                                               : "SELECT count(*) FROM filas");
  if (s == nullptr) return 0;
  CUso uso(s);
  return sqlite3_step(s) == SQLITE_ROW ? static_cast<long>(sqlite3_column_int64(s, 0)) : 0;
}

long CTablaRegistros::UltimoNumero() {
  if (rescate_) return filasRescate_.empty() ? 0 : filasRescate_.back().fila.numero;
  sqlite3_stmt* s = Sentencia("SELECT max(recno) FROM filas");
  if (s == nullptr) return 0;
  CUso uso(s);
  return sqlite3_step(s) == SQLITE_ROW ? static_cast<long>(sqlite3_column_int64(s, 0)) : 0;
}

// --- rescue ---

const CTablaRegistros::CFilaRescate* CTablaRegistros::FilaRescate(long numero) const {
  const auto it = std::lower_bound(filasRescate_.begin(), filasRescate_.end(), numero,
                                   [](const CFilaRescate& f, long n) { return f.fila.numero < n; });
  return it != filasRescate_.end() && it->fila.numero == numero ? &*it : nullptr;
}

bool CTablaRegistros::LeerFilaRescate(long numero, CFilaRescate& leida) {
  CFila& f = leida.fila;
  f = CFila{};
  f.numero = numero;
  f.valores.resize(campos_.size());
  f.cargados.assign(campos_.size(), 0);
  // The small fields together; when that read fails, each one on its own, so that a damaged field costs only itself.
  std::string sql = "SELECT borrado";
  std::vector<std::size_t> pequenos;
  for (std::size_t i = 0; i < campos_.size(); ++i) {
    if (Grande(campos_[i].letra)) continue;
    sql += ", " + Columna(i);
    pequenos.push_back(i);
  }
  sqlite3_stmt* s = Sentencia(sql + " FROM filas WHERE recno = ?1");
  bool entera = false;
  if (s != nullptr) {
    CUso uso(s);
    sqlite3_bind_int64(s, 1, numero);
    const int r = sqlite3_step(s);
    if (r == SQLITE_DONE) return false;
    if (r == SQLITE_ROW) {
      entera = true;
      f.borrado = sqlite3_column_int64(s, 0) != 0;
      for (std::size_t k = 0; k < pequenos.size(); ++k) {
        f.valores[pequenos[k]] = ValorColumna(s, static_cast<int>(k + 1), campos_[pequenos[k]]);
        f.cargados[pequenos[k]] = 1;
      }
    }
  }
  if (!entera) {
    f.danada = true;
    auto una = [&](const std::string& columna, auto&& tomar) {
      sqlite3_stmt* u = Sentencia("SELECT " + columna + " FROM filas WHERE recno = ?1");
      if (u == nullptr) return false;
      CUso uso(u);
      sqlite3_bind_int64(u, 1, numero);
      if (sqlite3_step(u) != SQLITE_ROW) return false;
      tomar(u);
      return true;
    };
    bool existe = una("borrado", [&](sqlite3_stmt* u) { f.borrado = sqlite3_column_int64(u, 0) != 0; });
    for (std::size_t i : pequenos) {
      f.cargados[i] = 1;
      f.valores[i] = Vacio(campos_[i]);
      existe = una(Columna(i), [&](sqlite3_stmt* u) { f.valores[i] = ValorColumna(u, 0, campos_[i]); }) || existe;
    }
    if (!existe) return false;
  }
  // The big fields are read through to know whether they can be; they are read again when asked for.
  for (std::size_t i = 0; i < campos_.size(); ++i) {
    if (!Grande(campos_[i].letra)) continue;
    sqlite3_stmt* u = Sentencia("SELECT length(" + Columna(i) + "), " + Columna(i) + " FROM filas WHERE recno = ?1");
    if (u == nullptr) {
      f.danada = true;
      continue;
    }
    CUso uso(u);
    sqlite3_bind_int64(u, 1, numero);
    if (sqlite3_step(u) != SQLITE_ROW ||
        sqlite3_column_bytes(u, 1) != sqlite3_column_int(u, 0)) {
      f.danada = true;
    }
  }
  leida.claves.clear();
  for (const auto& e : etiquetas_) leida.claves.push_back(e.expresion.Evaluar(CFuenteFila(*this, f)));
  return true;
}

void CTablaRegistros::CargarRescate() {
  filasRescate_.clear();
  // Every record number that can be found: walking the row tree as far as it goes, then each number up to the
  // highest one given (a damaged page of the tree hides the rows under it from the walk, not from a look each).
  std::set<long> numeros;
  long tope = 0;
  // Each read goes as far as it can; what it found until it failed still counts.
  auto leer = [&](const char* sql, bool sonFilas) {
    sqlite3_stmt* s = Sentencia(sql);
    if (s == nullptr) return;
    CUso uso(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
      const long n = static_cast<long>(sqlite3_column_int64(s, 0));
      if (sonFilas) numeros.insert(n);
      tope = std::max(tope, n);
    }
  };
  leer("SELECT recno FROM filas ORDER BY recno", true);
  leer("SELECT max(recno) FROM filas", false);
  leer("SELECT seq FROM sqlite_sequence WHERE name = 'filas'", false);
  tope = std::min(tope, kTopeRescate);
  if (sqlite3_stmt* s = Sentencia("SELECT recno FROM filas WHERE recno = ?1")) {
    for (long n = 1; n <= tope; ++n) {
      if (numeros.count(n) != 0) continue;
      CUso uso(s);
      sqlite3_bind_int64(s, 1, n);
      if (sqlite3_step(s) == SQLITE_ROW) numeros.insert(n);
    }
  }
  for (long n : numeros) {
    CFilaRescate f;
    if (LeerFilaRescate(n, f)) filasRescate_.push_back(std::move(f));
  }
  OlvidarFallo();
}

bool CTablaRegistros::MoverRescate(EMovimiento m, const CValor* clave) {
  const std::size_t etiqueta = orden_ > 0 ? static_cast<std::size_t>(orden_ - 1) : 0;
  // -1, 0, 1: where row `f` stands against the key and number given, in the current order.
  auto compara = [&](const CFilaRescate& f, const CValor& k, long numero) {
    if (orden_ > 0) {
      const int c = ComparaClaves(f.claves[etiqueta], k);
      if (c != 0) return c;
    }
    return f.fila.numero < numero ? -1 : (f.fila.numero > numero ? 1 : 0);
  };
  std::vector<const CFilaRescate*> orden;
  for (const CFilaRescate& f : filasRescate_) {
    if (ocultarBorrados_ && f.fila.borrado) continue;
    bool entra = true;
    switch (m) {
      case EMovimiento::Primero:
      case EMovimiento::Ultimo: break;
      case EMovimiento::Siguiente: entra = compara(f, fila_.clave, fila_.numero) > 0; break;
      case EMovimiento::Anterior: entra = compara(f, fila_.clave, fila_.numero) < 0; break;
      case EMovimiento::Buscar:
        entra = clave != nullptr && orden_ > 0 && ComparaClaves(f.claves[etiqueta], *clave) >= 0;
        break;
    }
    if (entra) orden.push_back(&f);
  }
  const bool atras = m == EMovimiento::Ultimo || m == EMovimiento::Anterior;
  std::sort(orden.begin(), orden.end(), [&](const CFilaRescate* a, const CFilaRescate* b) {
    const int c = compara(*a, orden_ > 0 ? b->claves[etiqueta] : CValor(), b->fila.numero);
    return atras ? c > 0 : c < 0;
  });
  for (const CFilaRescate* f : orden) {
    CFila candidata = f->fila;
    candidata.clave = orden_ > 0 ? f->claves[etiqueta] : CValor();
    if (Visible(candidata)) {
      fila_ = std::move(candidata);
      return true;
    }
  }
  if (m == EMovimiento::Anterior) {
    const bool r = MoverRescate(EMovimiento::Primero, nullptr);
    principio_ = true;
    return r;
  }
  fila_ = CFila{};
  return false;
}

// --- locks ---

namespace {

bool FalloBloqueo(EBloqueo r, const std::function<bool(std::string, EFallo)>& fallo, const char* que) {
  if (r == EBloqueo::Imposible) {
    return fallo(std::string("no se puede bloquear ") + que + ": el fichero de bloqueos no admite bloqueos",
                 EFallo::NoBloqueable);
  }
  return fallo(std::string(que) + " bloqueado por otro proceso", EFallo::Bloqueado);
}

}  // namespace

bool CTablaRegistros::BloquearRegistro(long numero, int esperaMs) {
  if (numero <= 0 || (EstadoRegistro(numero) & kEstadoNoExiste) != 0) {
    return Fallo("no existe el registro " + std::to_string(numero));
  }
  const EBloqueo r = bloqueos_->BloquearRegistro(reinterpret_cast<std::uintptr_t>(this), numero, Limite(esperaMs));
  if (r != EBloqueo::Hecho) {
    return FalloBloqueo(r, [this](std::string q, EFallo f) { return Fallo(std::move(q), f); }, "registro");
  }
  // The row as it is now, after whatever the last holder wrote.
  if (fila_.numero == numero) CargarFila(numero, fila_);
  return true;
}

void CTablaRegistros::DesbloquearRegistro(long numero) {
  bloqueos_->DesbloquearRegistro(reinterpret_cast<std::uintptr_t>(this), numero);
}

void CTablaRegistros::DesbloquearTodo() { bloqueos_->SoltarTodo(reinterpret_cast<std::uintptr_t>(this)); }

bool CTablaRegistros::BloquearFichero(int esperaMs) {
  const EBloqueo r = bloqueos_->BloquearFichero(reinterpret_cast<std::uintptr_t>(this), Limite(esperaMs));
  if (r != EBloqueo::Hecho) {
    return FalloBloqueo(r, [this](std::string q, EFallo f) { return Fallo(std::move(q), f); }, "tabla");
  }
  return true;
}

void CTablaRegistros::DesbloquearFichero() {
  bloqueos_->DesbloquearFichero(reinterpret_cast<std::uintptr_t>(this));
}

bool CTablaRegistros::BloquearAltas(int esperaMs) {
  const EBloqueo r = bloqueos_->BloquearAltas(reinterpret_cast<std::uintptr_t>(this), Limite(esperaMs));
  if (r != EBloqueo::Hecho) {
    return FalloBloqueo(r, [this](std::string q, EFallo f) { return Fallo(std::move(q), f); }, "tabla");
  }
  return true;
}

void CTablaRegistros::DesbloquearAltas() { bloqueos_->DesbloquearAltas(reinterpret_cast<std::uintptr_t>(this)); }

bool CTablaRegistros::RegistroBloqueado(long numero) const {
  return bloqueos_->TieneRegistro(reinterpret_cast<std::uintptr_t>(this), numero);
}

// --- work areas ---

void CMotorRegistros::PonerOpciones(const COpcionesMotor& opciones) {
  opciones_ = opciones;
  for (auto& [area, t] : areas_) {
    t->OcultarBorrados(opciones_.ocultarBorrados);
    t->PonerBusquedaCercana(opciones_.busquedaCercana);
    t->PonerEsperaOcupado(opciones_.esperaOcupadoMs);
  }
}

void CMotorRegistros::OcultarBorrados(bool ocultar) {
  COpcionesMotor o = opciones_;
  o.ocultarBorrados = ocultar;
  PonerOpciones(o);
}

void CMotorRegistros::PonerBusquedaCercana(bool cercana) {
  COpcionesMotor o = opciones_;
  o.busquedaCercana = cercana;
  PonerOpciones(o);
}

void CMotorRegistros::MarcarRescate(const fs::path& fichero, bool rescate) {
  const auto real = FicheroReal(fichero);
  if (!real) return;
  if (rescate) {
    rescate_.insert(*real);
  } else {
    rescate_.erase(*real);
  }
}

bool CMotorRegistros::EnRescate(const fs::path& fichero) const {
  if (rescate_.empty()) return false;
  const auto real = FicheroReal(fichero);
  return real && rescate_.count(*real) != 0;
}

int CMotorRegistros::Abrir(const fs::path& fichero, std::string_view alias, int modo, std::string* error,
                           EFallo* fallo) {
  const EApertura apertura = EnRescate(fichero) ? EApertura::Rescate : EApertura::Normal;
  auto t = CTablaRegistros::Abrir(fichero, alias, modo, error, fallo, opciones_.esperaOcupadoMs, apertura);
  if (!t) return 0;
  t->OcultarBorrados(opciones_.ocultarBorrados);
  t->PonerBusquedaCercana(opciones_.busquedaCercana);
  t->PonerEsperaOcupado(opciones_.esperaOcupadoMs);
  if (opciones_.ocultarBorrados) t->Primero();
  int area = 1;
  while (areas_.count(area) != 0) ++area;
  areas_.emplace(area, std::move(t));
  actual_ = area;
  return area;
}

int CMotorRegistros::AreaDeAlias(std::string_view alias) const {
  if (alias.empty()) return areas_.count(actual_) != 0 ? actual_ : 0;
  for (const auto& [area, t] : areas_) {
    if (IgualesSinCaso(t->Alias(), alias)) return area;
  }
  return 0;
}

bool CMotorRegistros::Seleccionar(int area) {
  if (areas_.count(area) == 0) return false;
  actual_ = area;
  return true;
}

void CMotorRegistros::Cerrar(int area) {
  areas_.erase(area);
  if (actual_ == area) actual_ = areas_.empty() ? 0 : areas_.begin()->first;
}

CTablaRegistros* CMotorRegistros::Tabla(int area) {
  auto it = areas_.find(area);
  return it == areas_.end() ? nullptr : it->second.get();
}

}  // namespace plataforma
