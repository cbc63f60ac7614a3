// The Internet filing command of a declaration, the same for both taxes: the box being edited is committed, the
// declaration is checked in filing mode (an error stops the command: the findings list says why and "Escribir"
// stays disabled; with warnings only the list lets the user go on), saved, the user confirms, chooses the file
// name, and the tax's writer makes the file under a progress window whose Cancel stops it. A run that does not end
// with the whole file leaves no file (the writer writes a temporary file and renames it at the end) and says why.
//
// The steps are plain rules over two interfaces: what the command needs of the document (the income-tax and
// wealth-tax documents implement it) and what it asks of the person (windows in the program, a script in tests).
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "output/InternetFichero.h"

class wxWindow;

namespace salida {

// What the filing command needs of the declaration's document.
class IDocumentoPresentacion {
 public:
  virtual ~IDocumentoPresentacion() = default;
  // Commits the box being edited.
  virtual void ConfirmarCampoActivo() = 0;
  // The whole-declaration check in filing mode, its findings written for the findings list: 1 no error.
  virtual int ValidarPresentacion() = 0;
  // Saves the declaration: 1 saved.
  virtual int GuardarDeclaracion() = 0;
  // The file name offered ("KVXINET", "TVXINET").
  virtual std::string_view NombreFichero() const = 0;
  // The tax's writer, given the document it writes.
  virtual std::unique_ptr<CInetFichero> CrearEscritor() = 0;
};

// What the filing command asks of the person.
class IDialogosPresentacion {
 public:
  virtual ~IDialogosPresentacion() = default;
  // The findings list in file mode: 6 when the user chose to write the file.
  virtual int MostrarHallazgos() = 0;
  // The notice before the file is made (OK and Cancel): true to go on.
  virtual bool ConfirmarPresentacion() = 0;
  // The file dialog, seeded with the name offered: the path chosen, or nothing.
  virtual std::optional<std::filesystem::path> PedirFichero(std::string_view nombre) = 0;
  // The run of the writer with its progress window (Cancel asks the writer to stop): Generar's result.
  virtual int Generar(CInetFichero& escritor, const std::filesystem::path& fichero) = 0;
  // Tells why the run did not make the file (CInetFichero::MostrarResultado in the program).
  virtual void MostrarResultado(const CInetFichero& escritor) = 0;
};

// How a filing command ended.
enum class EPresentacion : int {
  Escrita,        // the file is in place
  ConErrores,     // the check found errors (or the user left the findings list): no file
  SinGuardar,     // the declaration could not be saved: no file
  NoConfirmada,   // the user cancelled the notice
  SinFichero,     // the user cancelled the file dialog
  Fallida,        // the writer did not make the file (its result says why; the user was told)
};

EPresentacion PresentarPorInternet(IDocumentoPresentacion& documento, IDialogosPresentacion& dialogos);

// The notice before the file is made and its caption (Windows-1252).
inline constexpr std::string_view kTituloConfirmacionInternet = "Presentaci\xF3n por Internet";
std::string TextoConfirmacionInternet();

// ---- the file dialog's rules ----
// The texts the dialog shows above the file name (Windows-1252), in order.
inline constexpr std::string_view kTituloDlgInternet = "Generar el fichero para Internet";
const std::string_view* TextosDlgInternet(std::size_t& cuantos);
// What OK does with the typed path: refuse an empty one or a folder, ask before replacing a file, else accept.
enum class ERutaInternet { Vacia, Carpeta, Reemplazar, Aceptada };
ERutaInternet ComprobarRutaInternet(const std::filesystem::path& ruta);
// The path first offered: the name in the user's documents folder.
std::filesystem::path RutaInicialInternet(std::string_view nombre);

// The program's windows for the command: the findings list through the shell's service, message boxes, the file
// dialog and the progress window over `padre` (the main window).
class CDialogosPresentacionVentanas : public IDialogosPresentacion {
 public:
  // `mostrarHallazgos` shows the findings list in file mode (the shell's service) and gives its result.
  CDialogosPresentacionVentanas(wxWindow* padre, std::function<int()> mostrarHallazgos);
  int MostrarHallazgos() override;
  bool ConfirmarPresentacion() override;
  std::optional<std::filesystem::path> PedirFichero(std::string_view nombre) override;
  int Generar(CInetFichero& escritor, const std::filesystem::path& fichero) override;
  void MostrarResultado(const CInetFichero& escritor) override;

 private:
  wxWindow* m_pPadre;
  std::function<int()> m_mostrarHallazgos;
};

}  // namespace salida
