// Exchange files of declarations: "*.ren" for income tax (types 1 and 2), "*.pat" for wealth tax (type 3). A
// binary file: an 11-byte program version, a 5-byte count ("%d", NUL, blanks), then each declaration as a 68-byte
// header (name 52, type 4 little-endian, 6 zeros, currency letter 'E' or 'P', a zero, liqui311 4) followed by its
// data area (61,624 bytes for types 1 and 2, 22,536 for type 3).
//
// Export writes a temporary file beside the chosen one and renames it at the end, so a file cut short never takes
// the chosen name. Import first checks the whole file and every choice of the user (names, the store's limit),
// and only then writes everything in one transaction of the store: nothing, or every chosen declaration whole.
//
// The functions here show nothing; they give the code of the message that says what happened (empty when there
// is nothing to say). The commands with their windows are in DlgIntercambio.h.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/AlmacenDeclaraciones.h"

namespace shell {

inline constexpr std::size_t kLongitudVersion = 11;
inline constexpr std::size_t kLongitudCuenta = 5;
inline constexpr std::size_t kLongitudCabeceraFichero = kLongitudVersion + kLongitudCuenta;
inline constexpr std::size_t kLongitudCabeceraRegistro = 68;
inline constexpr std::size_t kLongitudNombreRegistro = 52;
// The most declarations the 5-byte count can hold.
inline constexpr int kMaximoCuenta = 9999;

// Message codes of the exchange.
inline constexpr std::string_view kMsgFicheroNoEncontrado = "INTER01";  // the file to import does not open
inline constexpr std::string_view kMsgNoSeEscribe = "INTER02";          // the export file cannot be written
inline constexpr std::string_view kMsgExportadas = "INTER03";
inline constexpr std::string_view kMsgOtraClase = "INTER04";            // not declarations of the chosen tax
inline constexpr std::string_view kMsgOtraVersion = "INTER05";
inline constexpr std::string_view kMsgDanado = "INTER06";               // cut short, wrong lengths or counts
inline constexpr std::string_view kMsgLimite = "DECL050";               // more than 50 declarations stored
inline constexpr std::string_view kMsgNombreRepetido = "INTER08";       // one name twice among those chosen
inline constexpr std::string_view kMsgNoGuardado = "INTER09";           // the store refused: nothing imported
inline constexpr std::string_view kMsgImportadas = "INTER10";
inline constexpr std::string_view kMsgSinDeclaraciones = "INTER11";     // nothing to export or to import
inline constexpr std::string_view kMsgAlmacenDanado = "INTER12";        // a stored declaration is damaged
inline constexpr std::string_view kMsgAlmacenCambiado = "INTER13";      // a name was stored meanwhile
inline constexpr std::string_view kMsgImporteNoValido = "INTER14";    // an amount that is not a number
inline constexpr std::string_view kMsgBloqueado = "WIN035";            // the store is held or kept busy
inline constexpr std::string_view kMsgSinBloqueos = "ALM003";          // the store's folder takes no locks
inline constexpr std::string_view kMsgSinEspacio = "ALM005";          // the disk is full: nothing imported
inline constexpr std::string_view kMsgSoloLectura = "ALM008";         // the store is damaged, only read

enum class EClaseIntercambio { Renta, Patrimonio };

// The kind of declaration a stored type belongs to; none for types without a data area.
std::optional<EClaseIntercambio> ClaseDeTipo(std::int32_t tipodec);
// "*.ren" or "*.pat" files: the extension without the point.
std::string_view ExtensionDeClase(EClaseIntercambio clase);

// The version this program writes into its exchange files, and the part of it that must match on import (the
// fiscal year: what comes before the first point).
std::string VersionPrograma();
std::string_view FamiliaVersion(std::string_view version);

// The 11 version bytes: blanks, then as much of `version` as fits (never more than it holds).
std::array<char, kLongitudVersion> CampoVersion(std::string_view version);
// The 5 count bytes: "%d", a NUL, blanks. `n` must lie in 0-9999.
std::array<char, kLongitudCuenta> CampoCuenta(int n);
// The count of the 5 bytes: digits, then a NUL or a blank, then only NULs and blanks; none otherwise.
std::optional<int> LeerCampoCuenta(const char* campo);
// The 68-byte header of a declaration.
std::array<char, kLongitudCabeceraRegistro> CabeceraRegistro(const SDeclaracionAlmacen& declaracion);

// Writes the exchange file of the declarations in order, under `version`, through a temporary file renamed to
// `fichero` at the end: true when the whole file was written. Declarations of a type without a data area or with
// a data area of another length are refused before anything is written.
bool EscribirIntercambio(const std::filesystem::path& fichero, std::string_view version,
                         const std::vector<SDeclaracionAlmacen>& declaraciones);

// ---- reading ----
struct SEntradaIntercambio {
  std::string clave;  // the name, 50 characters as stored
  std::int32_t tipodec = 0;
  char moneda = 'E';
  std::array<char, 4> liqui311{};
  std::uint64_t desplazamientoDatos = 0;  // where its data area starts in the file
};

struct SFicheroIntercambio {
  std::filesystem::path ruta;
  std::uintmax_t tamano = 0;
  std::string version;  // the 11 bytes as read
  std::vector<SEntradaIntercambio> entradas;
};

// Reads and checks the whole file for a kind of declaration: its version, its count, every header (a known type
// of that kind, a sound currency letter, a name that is not blank), every length, and nothing after the last
// declaration. Gives the message code of the first fault, empty when the file is sound.
std::string AnalizarIntercambio(const std::filesystem::path& fichero, EClaseIntercambio clase,
                                SFicheroIntercambio& resultado);
// The declarations at `indices` of an analysed file, read whole; false when the file changed or does not read.
bool LeerDeclaracionesIntercambio(const SFicheroIntercambio& fichero, const std::vector<std::size_t>& indices,
                                  std::vector<SDeclaracionAlmacen>& declaraciones);

// ---- export and import against the store ----
// The stored declarations of one kind that can be exported, in name order (at most 50).
std::vector<SFilaAlmacen> DeclaracionesExportables(const CAlmacenDeclaraciones& almacen, EClaseIntercambio clase);
// Exports the named declarations: the message code to show (INTER03 on success).
std::string ExportarDeclaraciones(const CAlmacenDeclaraciones& almacen, const std::filesystem::path& fichero,
                                  const std::vector<std::string>& nombres,
                                  std::string_view version = VersionPrograma());

// What the user decides when a declaration of the same name is stored already.
enum class EDecisionNombre { Sobrescribir, SobrescribirTodas, Renombrar, Omitir, Cancelar };
struct SDecisionNombre {
  EDecisionNombre decision = EDecisionNombre::Omitir;
  std::string nombreNuevo;  // for Renombrar (Windows-1252)
};
// Asked for `nombre` (50 characters); `sePuedeSobrescribir` is false when the clash is with another declaration
// of this same import (renamed to that name), which cannot be overwritten.
using FuncionDecisionNombre = std::function<SDecisionNombre(const std::string& nombre, bool sePuedeSobrescribir)>;

struct SResultadoImportacion {
  std::string codigo;   // the message to show; empty when the user cancelled
  int importadas = 0;
};
// Imports the declarations at `elegidas` of an analysed file. Every clash with a stored name is decided first,
// then the store's limit is checked, then the data are read, and only then is everything written in one
// transaction. Any failure leaves the store as it was.
SResultadoImportacion ImportarDeclaraciones(const CAlmacenDeclaraciones& almacen, const SFicheroIntercambio& fichero,
                                            const std::vector<std::size_t>& elegidas,
                                            const FuncionDecisionNombre& decidir);

}  // namespace shell
