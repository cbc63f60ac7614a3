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
  std::string DameDirectorio() const { return m_directorio; }
  std::string DameExtension() const { return m_extension; }
  // Whether the folder holds table `tabla` (its file with the database's extension, the name's case aside): what
  // CTabla::Abrir needs to find before it opens one.
  bool ExisteTabla(std::string_view tabla) const;

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

}  // namespace marco
