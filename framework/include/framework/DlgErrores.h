// The findings list "Avisos y errores": a modal dialog that lists the findings stored for a declaration (code,
// a warning or error picture, the message text), says whether the declaration may be printed (or, in file mode,
// filed), takes the user to the box of a finding, prints the list and can run the detailed check again.
//
//   CDlgErrores dlg(ventanaPrincipal);
//   dlg.PonerClave(documento.DameClave());
//   dlg.PonerDocumento(&documento);
//   dlg.PonerDestinoIrA([principal](int pagina, long casilla) { /* ask the main frame to go there */ });
//   const int resultado = dlg.DoModal();  // 1 went to a box or printed, 6 "Escribir" in file mode, 2 Cancel
//
// The class has no window of its own: DoModal builds one and runs it. Its rules reach the window through
// CVentanaAvisos, which tests replace with controls kept in memory.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/DlgErroresReglas.h"

class wxWindow;

namespace marco {

class CGridCtrl;
class CGridModelo;
class CProg32Doc;

// The window side of the findings list, as its rules see it (control ids are the list's own).
class CVentanaAvisos {
 public:
  virtual ~CVentanaAvisos() = default;
  // The grid's cells; after changing them the rules call GridCambiado (scroll bars and repaint).
  virtual CGridModelo& Grid() = 0;
  virtual void GridCambiado() = 0;
  virtual void Habilitar(int id, bool habilitar) = 0;
  virtual bool Habilitado(int id) const = 0;
  // Texts are Windows-1252.
  virtual void PonerTexto(int id, std::string_view texto) = 0;
  virtual void Mostrar(int id, bool mostrar) = 0;
  virtual void PonerImagenBoton(int id, int imagen) = 0;
  // Ends the modal run with a result.
  virtual void Terminar(int resultado) = 0;
  // The wait pointer while a long job runs.
  virtual void EmpezarEspera() = 0;
  virtual void TerminarEspera() = 0;
  // Prints the list (the grid's own print); the number of pages, 0 when nothing was printed.
  virtual int ImprimirLista() = 0;
  // The window a message is shown over.
  virtual wxWindow* VentanaMensajes() const = 0;
};

class CDlgErrores {
 public:
  // Navigation on, print mode.
  explicit CDlgErrores(wxWindow* padre = nullptr);
  ~CDlgErrores();
  CDlgErrores(const CDlgErrores&) = delete;
  CDlgErrores& operator=(const CDlgErrores&) = delete;

  // ---- what the opener sets ----
  void PonerClave(std::string_view clave) { m_clave = std::string(clave); }
  const std::string& DameClave() const { return m_clave; }
  void PonerDocumento(CProg32Doc* documento) { m_pDocumento = documento; }
  CProg32Doc* DameDocumento() const { return m_pDocumento; }
  // Off: printing, "&Revisar" and the detailed check are disabled and going to a box does nothing.
  void PonerNavegacion(bool navegacion) { m_bNavegacion = navegacion; }
  bool DameNavegacion() const { return m_bNavegacion; }
  // On: the list is for filing (texts, the print button's caption and picture say so; it ends with 6).
  void PonerModoFichero(bool modoFichero) { m_bModoFichero = modoFichero; }
  bool DameModoFichero() const { return m_bModoFichero; }
  // Where "go to page and box" goes: the page number of the finding (100 the family data wizard) and its box.
  // Without one, going to a finding only closes the list.
  void PonerDestinoIrA(std::function<void(int pagina, long casilla)> destino) { m_destinoIrA = std::move(destino); }
  // Where findings and texts are read (null: the program's tables). The source must outlive the dialog's run.
  void PonerFuente(CFuenteAvisos* fuente) { m_pFuente = fuente; }

  // Builds the window, runs it modally and gives the result: 1 (went to a box, or printed), 6 ("Escribir" in
  // file mode) or 2 (Cancel, the close box, Esc; also when the window cannot be made).
  int DoModal();
  wxWindow* Padre() const { return m_pPadre; }

  // ---- the run (the window calls these) ----
  void AsociarVentana(CVentanaAvisos* ventana) { m_pVentana = ventana; }
  CVentanaAvisos* Ventana() const { return m_pVentana; }
  // The buttons' pictures, the detailed check disabled (and printing and "&Revisar" without navigation), the
  // grid set up, the list filled, every cell read-only, the heading row one and a half rows high. 1.
  int OnInitDialog();
  // Fills the list from the declaration's findings and sets the buttons and hints by them: the number of
  // findings listed, or -1 after running out of memory (reported; the list is left empty).
  int LlenarLista();
  // Goes to the finding of a row (the grid's double click, "&Revisar"): asks the destination to show its page and
  // box and closes the list with 1. 0 without navigation, for the heading, a row outside the grid or an empty
  // code cell; 1 otherwise (also when the finding is no longer stored: the list then stays open).
  int IrAlAviso(int fila, int columna = 0);
  // "&Revisar": the chosen row, or a message asking to choose one first.
  void OnRevisar();
  // "&Validación detallada": the document's detailed check, then the list again.
  void OnValidacionDetallada();
  // "&Imprimir": in file mode ends with 6; otherwise the document prints and the list ends with 1.
  void OnImprimir();
  // "Imprimir &Errores": the grid's own print.
  void OnImprimirLista();
  void OnCancel();
  // A button of the list was pressed (its id).
  void Pulsar(int id);
  // The last fill found an error among the findings.
  bool HayErrores() const { return m_bHayErrores; }

 private:
  CFuenteAvisos& Fuente();
  void AplicarEstado(const SEstadoAvisos& estado);
  void AvisarUsuario(std::string_view texto);

  wxWindow* m_pPadre;
  std::string m_clave;
  CProg32Doc* m_pDocumento = nullptr;
  bool m_bNavegacion = true;
  bool m_bModoFichero = false;
  bool m_bHayErrores = false;
  std::function<void(int, long)> m_destinoIrA;
  CFuenteAvisos* m_pFuente = nullptr;
  std::unique_ptr<CFuenteAvisosTablas> m_pFuenteTablas;
  CVentanaAvisos* m_pVentana = nullptr;
};

// Prints the grid onto a PDF file of A4 pages at 300 dots per inch: the number of pages, 0 when the file cannot
// be written.
int ImprimirListaEnPdf(const CGridCtrl& grid, const std::string& ruta);

}  // namespace marco
