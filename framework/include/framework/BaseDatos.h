// One database of the program: a folder of table files, their extension, whether several users share it and how
// many times a locked resource is tried before the user is asked.
//
// The program has two, both global objects that live for the whole run: the network database (the store of
// declarations and their findings, shared) and the local database (page layouts, messages, lookup tables, not
// shared). Start-up opens both (AbrirBasesDatos); only then do DameBaseDatosRed and DameBaseDatosLocal hand them
// out.
#pragma once

#include <string>
#include <string_view>

namespace marco {

class CBaseDatos {
 public:
  // Empty folder and extension, not shared, one attempt; applies the options of the record engine.
  CBaseDatos();

  // Keeps the folder (a separator is added when it lacks one) and the shared flag; attempts := the given count
  // when shared (at least 1), else 1. Extension: empty → "DBF"; starting with "." → the three characters after
  // the point; otherwise its first three characters. Always 1.
  int Abrir(std::string_view directorio, bool compartida, int intentos, std::string_view extension);

  bool EsCompartida() const { return m_bCompartida; }
  int DameIntentos() const { return m_nIntentos; }
  // How long each try of a record, table or append lock waits for another user to let go: a shared database's
  // users take turns instead of refusing each other; a database of one user never waits.
  int DameEsperaIntento() const { return m_bCompartida ? kEsperaIntentoCompartidaMs : 0; }
  static constexpr int kEsperaIntentoCompartidaMs = 150;
  // How long one try of a read or a write waits for another user's writing to end (the record engine's own wait):
  // short, so that a store kept busy is said within a couple of seconds, and the window repaints between tries.
  static constexpr int kEsperaOcupadoMs = 400;
  std::string DameDirectorio() const { return m_directorio; }
  std::string DameExtension() const { return m_extension; }
  // Whether the folder holds table `tabla` (its file with the database's extension, the name's case aside): what
  // CTabla::Abrir needs to find before it opens one.
  bool ExisteTabla(std::string_view tabla) const;
  // The path of table `tabla`'s file: directory + name + "." + extension.
  std::string RutaTabla(std::string_view tabla) const;

  // A damaged table of this database: from then on it opens for reading only (the record engine's rescue: the rows
  // that can still be read are read, nothing is written into the file) for the rest of the run.
  bool TablaDanada(std::string_view tabla) const;
  void MarcarTablaDanada(std::string_view tabla) const;
  // A quick check of the table's file (its structure, every page): true when sound or when it cannot be checked
  // now (another user keeps it busy); false when damaged (a file that does not open as a table is damaged too),
  // with what is wrong in `problema`. Says nothing to the user and marks nothing.
  bool ComprobarTabla(std::string_view tabla, std::string* problema = nullptr) const;

  // The options every table of the program is opened with: deleted records hidden, exact seeks.
  static void PonerOpcionesMotor();

 private:
  int m_nIntentos = 1;
  bool m_bCompartida = false;
  std::string m_directorio;
  std::string m_extension;
};

// The extension as a database keeps it (see CBaseDatos::Abrir).
std::string NormalizarExtension(std::string_view extension);

// The program's two databases. They exist from first use to the end of the run; callers never delete them.
CBaseDatos& BaseDatosRedPrograma();
CBaseDatos& BaseDatosLocalPrograma();

// The open network or local database; none until both have been opened at start-up.
CBaseDatos* DameBaseDatosRed();
CBaseDatos* DameBaseDatosLocal();

// Hands the two databases out (after both opened) or stops handing them out.
void PublicarBasesDatos(bool abiertas);

// The tables of the store of declarations (the network database).
inline constexpr std::string_view kTablasAlmacen[] = {"DatosDec", "Corregix"};

// Checks the store's tables that are not known damaged yet; each one found damaged is marked so (it opens for
// reading only from then on) and said at once (ALM006, which names the file and says how to recover). 1 when
// every table of the store is sound, 0 when one is damaged (now or before). Without a store: 1.
int ComprobarAlmacen(CBaseDatos* red);
// A table of the store found damaged while it was in use: marked so and said (ALM006), once.
void DeclararTablaDanada(CBaseDatos& base, std::string_view tabla);
// Whether the store of declarations can be written: false once its declarations' table is known damaged (without a
// store: true, and whatever writes finds there is none).
bool AlmacenEscribible(const CBaseDatos* red);

}  // namespace marco
