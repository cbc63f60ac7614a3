// The built program as a person runs it on a private desktop, with folders of its own (store of declarations,
// profile, XDG folders, home), and what it leaves behind read as data: the stored declarations through the
// program's own table tool.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Escritorio.h"
#include "Proceso.h"

namespace e2e {

// One row of the store of declarations (table DatosDec), as the table tool dumps it.
struct SDeclaracionGuardada {
  std::string clave;  // Windows-1252, without the padding blanks
  int tipodec = -1;
  std::string idioma;
  std::vector<std::uint8_t> datos;  // the whole data area

  // `ancho` bytes of the data area at `desplazamiento` (shorter when the area ends before).
  std::string Texto(std::size_t desplazamiento, std::size_t ancho) const;
  // The double stored at `desplazamiento`; none when the area is too short.
  std::optional<double> Importe(std::size_t desplazamiento) const;
  // A road's declaration made by hand: named `clave`, of form `tipodec`, in Castilian, with a data area of `tamano`
  // zero bytes; then a text or a double put at `desplazamiento` (nothing past the area's end).
  static SDeclaracionGuardada Nueva(std::string clave, int tipodec, std::size_t tamano);
  void PonerTexto(std::size_t desplazamiento, std::string_view texto);
  void PonerImporte(std::size_t desplazamiento, double valor);
};

// The rows of a dump of `tabla volcar` (deleted rows left out); false with the reason when the text is not one.
bool LeerVolcadoDatosDec(std::string_view volcado, std::vector<SDeclaracionGuardada>& filas, std::string& error);

// One row of the findings table (Corregix), as the table tool dumps it: what the declaration check stored.
struct SHallazgoGuardado {
  std::string clave;   // the declaration's name, without the padding blanks
  std::string codigo;  // the message code, without the padding blanks
  int vista = 0;       // the page
  int numcontr = 0;    // the box on that page
  int severidad = 0;   // 0 warning, 1 or more error
};

// The live rows of a dump of the findings table; false with the reason when the text is not one.
bool LeerVolcadoHallazgos(std::string_view volcado, std::vector<SHallazgoGuardado>& filas, std::string& error);

class CKorvelix {
 public:
  // The program's folders go under `carpeta` (emptied first).
  CKorvelix(const CEscritorio& escritorio, const std::filesystem::path& carpeta);
  ~CKorvelix();
  CKorvelix(const CKorvelix&) = delete;
  CKorvelix& operator=(const CKorvelix&) = delete;

  // Starts the program as a person would from the build tree (no introduction screen, so that the roads begin at
  // the declaration index); with `unaInstancia` as the one instance of its folders, as a person's program runs
  // (a later start on them brings it forward); `otras` are further options of its command line. False when it
  // could not be started.
  bool Arrancar(bool unaInstancia = false, const std::vector<std::string>& otras = {});
  // Starts the program once more on the same folders, as one instance, and waits for that start to end (it should
  // bring the running one forward and end at once): its result, -1 when it did not end within `plazo`.
  SResultado ArrancarOtraVez(std::chrono::milliseconds plazo) const;
  bool Vivo();
  pid_t Pid() const;
  // Waits for the program to end; its wait status when it did within `plazo`.
  std::optional<int> EsperarFin(std::chrono::milliseconds plazo);
  // Ends it hard (the road is over or failed).
  void Matar();
  // Whether the process is still in the process list (/proc), whoever reaped it.
  bool EnListaDeProcesos() const;

  const std::filesystem::path& Carpeta() const { return m_carpeta; }
  std::filesystem::path Almacen() const { return m_carpeta / "datos" / "red" / "DatosDec.DBF"; }
  std::filesystem::path Salida() const { return m_carpeta / "korvelix.log"; }

  // Writes the store of declarations before the program starts, as an installation that already holds these
  // rows (built with the table tool from the store's own schema); false with the reason when it could not.
  bool PrepararAlmacen(const std::vector<SDeclaracionGuardada>& filas, std::string& error) const;
  // The stored declarations read back through the table tool; false with the reason when it could not be read.
  bool LeerAlmacen(std::vector<SDeclaracionGuardada>& filas, std::string& error) const;
  // The stored declaration of that name (compared without padding blanks).
  std::optional<SDeclaracionGuardada> Declaracion(std::string_view clave, std::string* error = nullptr) const;
  // The findings the program stored for the declaration `clave` (compared without padding blanks), in the
  // table's order; none with the reason when the table could not be read.
  std::filesystem::path TablaHallazgos() const { return m_carpeta / "datos" / "red" / "Corregix.DBF"; }
  std::optional<std::vector<SHallazgoGuardado>> Hallazgos(std::string_view clave, std::string* error = nullptr) const;

 private:
  // How the program is started on these folders.
  SArranque Arranque(bool unaInstancia) const;

  const CEscritorio& m_escritorio;
  std::filesystem::path m_carpeta;
  std::unique_ptr<CProceso> m_pPrograma;
  pid_t m_pid = -1;
};

}  // namespace e2e
