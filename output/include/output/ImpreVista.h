// The base of the views that print a declaration over the form pages (income tax, wealth tax). It owns the whole
// print run: the print dialog, the checks of the chosen printer, the progress window, the page loop with its
// copies and copy labels, cancelling, and after a complete run the "printed" mark of the person shown and the save
// of the declaration. It prints each page too (OnPrint): the page's picture, the copy label, the page's box array
// carried into printer dots and drawn, sheet after sheet; each tax says only what differs (the hooks of the page
// loop: which pages print, their catalogue entries and box arrays, what the first page and the payment pages carry
// besides their boxes).
//
// The view has no window of its own: the document makes it, sends it the print command and lets it go. What the
// run shows (dialog, progress, messages) goes through CInteraccionImpresion, so tests run the loop without a
// display; the program's is CInteraccionImpresionWx (ImpresionImpresora.h).
#pragma once

#include <wx/docview.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/ControlesPagina.h"
#include "framework/Prog32Doc.h"
#include "output/ImpresionDestino.h"
#include "output/ImpresionDocumento.h"
#include "output/ImpresionReglas.h"
#include "platform/MetaFile.h"

namespace salida {

// The print command (ID_FILE_PRINT).
inline constexpr int kComandoImprimirVista = 57607;

// Set by the progress window's Cancel and by a sheet that could not be written; cleared at the end of every run.
bool ImpresionCancelada();
void PonerImpresionCancelada(bool cancelada);

// What one run knows while it goes: the dialog's choices, the page being printed and the destination.
struct CInfoImpresion {
  SRangoImpresion rango;          // from, to and the span of the dialog
  bool copiaAdicional = false;    // the dialog's "Copia Adicional para el interesado"
  bool impresaAntes = false;      // the person's printed mark when the dialog opened
  bool aFichero = false;          // the dialog's choice: a PDF file instead of a printer
  std::string rutaFichero;        // the file's path
  int resolucionFichero = 300;    // the file's dots per inch
  int paginaActual = 0;           // the page being printed
  bool continuar = true;          // a derived view may end the run after the current page
  CDestinoImpresion* destino = nullptr;
};

// The progress window of a run.
class IProgresoImpresion {
 public:
  virtual ~IProgresoImpresion() = default;
  virtual void MostrarDocumento(std::string_view texto) = 0;
  virtual void MostrarPagina(std::string_view texto) = 0;
};

// What a run shows and asks. The program's shows windows; tests script it.
class CInteraccionImpresion {
 public:
  virtual ~CInteraccionImpresion() = default;
  // The print dialog over the info (range, extra copy, destination): false when the user cancels.
  virtual bool PedirOpciones(CInfoImpresion& info) = 0;
  // The destination the user chose; none when the printer has no defaults (the run ends without a message).
  virtual std::unique_ptr<CDestinoImpresion> CrearDestino(const CInfoImpresion& info) = 0;
  // Shows the progress window.
  virtual std::unique_ptr<IProgresoImpresion> MostrarProgreso() = 0;
  // Disables or enables the main window around the pages.
  virtual void HabilitarVentanaPrincipal(bool habilitar) = 0;
  // Lets waiting window messages through (the progress window's Cancel among them).
  virtual void BombearMensajes() = 0;
};

// How a run ended.
enum class EResultadoImpresion {
  Completa,    // every page went out; the person is marked as printed and the declaration saved
  Cancelada,   // the user cancelled in the progress window or a sheet could not be written
  Abandonada,  // the dialog was cancelled, there was nothing to print, or the printer was refused
  Incompleta,  // the job went out but pages it had to hold could not be made (told once, in one notice); the
               // person is not marked as printed and the declaration is not saved as printed
};

// The message that lists, once at the end of a run, the pages that could not be made.
inline constexpr std::string_view kMensajePaginasNoHechas = "IMP001";

class CImpreVista : public wxView {
 public:
  CImpreVista();
  ~CImpreVista() override;

  // ---- the view ----
  // The printing view makes no window: the document drives it with the print command.
  bool OnCreate(wxDocument* documento, long banderas) override;
  void OnDraw(wxDC* dc) override;

  // ---- the run ----
  // The print command's handler.
  void OnImprimir();
  // The run itself (what OnImprimir does), with its result.
  EResultadoImpresion Imprimir();

  // Where the run's windows come from (none: the program's windows) and the document it prints (none: the view's
  // own document). Tests put theirs.
  void PonerInteraccion(std::unique_ptr<CInteraccionImpresion> interaccion);
  void PonerDocumentoImpresion(std::unique_ptr<IDocumentoImpresion> documento);
  IDocumentoImpresion* DocumentoImpresion();

  // ---- what the derived views replace ----
  // Sets the range of the dialog and runs the dialog (PrepararImpresion); false ends the run silently. The base
  // offers the pages of the document's form.
  virtual bool OnPreparePrinting(CInfoImpresion& info);
  // Creates the print font.
  virtual void OnBeginPrinting(CInfoImpresion& info);
  // Prints every sheet of info.paginaActual in the copy m_nTipoEjemplar; sets m_bPaginaImpresa to 1 when printed,
  // 0 when skipped or failed. The page loop: a page EmpezarPagina refuses is skipped without a word; then its
  // catalogue entry (LeerPaginaImpresa) and its box array (CrearCamposPagina), and, for as long as the box array has
  // sheets (AvisoGrupo), each sheet: the copy label, the picture, what the tax draws first (DibujarAntesDeCampos),
  // the boxes (placed in dots on the first sheet) and the EAN-128 code of ReferenciaCodigoBarras. A page that should
  // print and cannot be made (no catalogue entry, no box array, or its first drawing failed) is noted
  // (AnotarPaginaNoHecha) when the tax notes them (AnotaPaginasNoHechas).
  virtual void OnPrint(CInfoImpresion& info);
  // Releases the print font.
  virtual void OnEndPrinting(CInfoImpresion& info);
  // How a tax's run ends (from its OnEndPrinting): its notice (MostrarAvisoFinal, also after a cancelled run), the
  // print font released, the main window to the top.
  void TerminarConAviso(CInfoImpresion& info);
  // Not called by the run.
  virtual void ImprimirPaginaAnexa();

  // ---- the page loop's hooks: what each tax says of its pages (by default no page prints) ----
  // Whether page `pagina` of the run is printed at all for this declaration (and what the tax sets for it).
  virtual bool EmpezarPagina(int /*pagina*/) { return false; }
  // The page's catalogue entry (its picture): 1 read.
  virtual int LeerPaginaImpresa(int /*pagina*/, marco::PaginaInfo& /*catalogo*/) { return 0; }
  // The page's box array into m_pCampos, loaded and bound to the declaration: 1 the page prints; 0 it is left out
  // (printed only with data, and it holds none); -1 it should print and its box array cannot be made.
  virtual int CrearCamposPagina(int /*pagina*/) { return 0; }
  // What the tax draws on a sheet over the page's picture before the boxes (the first page's data record and
  // marks): false when the page failed (its data record could not be painted).
  virtual bool DibujarAntesDeCampos(plataforma::CLienzo& /*lienzo*/, int /*pagina*/) { return true; }
  // The reference whose EAN-128 code the page's sheets carry after the boxes; none for a page without the code.
  virtual std::optional<std::string> ReferenciaCodigoBarras(int /*pagina*/) { return std::nullopt; }
  // Whether the pages that cannot be made are noted (the run is then not complete).
  virtual bool AnotaPaginasNoHechas() const { return true; }

  // ---- services for OnPrint ----
  // The standard preparation: the dialog (with the printed mark) over the info's range.
  bool PrepararImpresion(CInfoImpresion& info);
  // Starts a sheet of the current page and prepares it (OnPrepareDC): none when the destination refuses.
  plataforma::CLienzo* IniciarHoja(CInfoImpresion& info, int hoja = 1);
  // Ends the sheet: its result into m_nEstadoPagina, which it gives.
  int TerminarHoja(CInfoImpresion& info);
  // The mapping and the print font of a sheet, and the factors from the page picture.
  virtual void OnPrepareDC(plataforma::CLienzo& lienzo, CInfoImpresion& info);
  // The label of m_nTipoEjemplar into the document's copy-label text.
  void PonerEtiquetaEjemplar();
  // The boxes of m_pCampos carried into printer dots (once per page, on its first sheet) and drawn as texts.
  void ColocarYDibujarCampos(plataforma::CLienzo& lienzo);
  // Draws the boxes again at the dots they already have (later sheets of a page).
  void DibujarCampos(plataforma::CLienzo& lienzo);
  // The page picture over the whole sheet, when there is one.
  void DibujarImagenPagina(plataforma::CLienzo& lienzo);
  // The EAN-128 code of a reference on the sheet: 0 drawn, 1 empty reference or not drawn ("PDF001").
  int ImprimirCodigoBarras(plataforma::CLienzo& lienzo, std::string_view referencia);
  // The sheet size of the destination (dots).
  plataforma::CTamano TamanoPagina(const CInfoImpresion& info) const;

  // ---- members ----
  double m_dEscalaX = 0.0;
  double m_dEscalaY = 0.0;
  int m_nPuntosPorPulgada = 0;
  int m_nTipoEjemplar = kEjemplarInteresado;
  plataforma::CMetaFile m_MetaPagina;
  plataforma::CFuente m_LogFont;
  bool m_bFuenteCreada = false;
  int m_bPaginaImpresa = 0;
  // The box array of the page printed (it may keep alive what owns it, the page's view object).
  std::shared_ptr<marco::CControlesPagina> m_pCampos;
  int m_nEstadoPagina = 0;

  // Sheets written in the last run (for the notice and the tests).
  int HojasImpresas() const { return m_nHojas; }

  // A page the run had to print and could not make (its page is not in the program, not in the catalogue, has no
  // boxes, or its bar code failed). Each page counts once, whatever its copies; the run then ends Incompleta.
  void AnotarPaginaNoHecha(int pagina);
  const std::vector<int>& PaginasNoHechas() const { return m_paginasNoHechas; }

 protected:
  // One page with its copies and the state it ended with (1 not printed, 2 stops the run).
  int ImprimirPagina(CInfoImpresion& info, IProgresoImpresion& progreso);
  // The tax's notice after a run; none by default.
  virtual void MostrarAvisoFinal() {}

 private:
  void AlMenu(wxCommandEvent& evento);
  CInteraccionImpresion& Interaccion();

  std::unique_ptr<CInteraccionImpresion> m_pInteraccion;
  std::unique_ptr<IDocumentoImpresion> m_pDocumento;
  int m_nHojas = 0;
  int m_nHojaActual = 0;
  std::vector<int> m_paginasNoHechas;
  const marco::CControlesPagina* m_pCamposColocados = nullptr;

  wxDECLARE_DYNAMIC_CLASS(CImpreVista);
};

// The printing view of a tax: the declaration it prints (TDeclaracion, what printing needs of it), given by a test
// or made over the view's own document (a TDocumento) as the program's (TDeclaracionPrograma).
template <class TDeclaracion, class TDocumento, class TDeclaracionPrograma>
class CImpreVistaDe : public CImpreVista {
 public:
  void PonerDeclaracion(std::unique_ptr<TDeclaracion> declaracion) { m_pDeclaracion = std::move(declaracion); }
  // The declaration printed; none when none was given and the view's document is not a TDocumento.
  TDeclaracion* Declaracion() {
    if (!m_pDeclaracion) {
      if (auto* documento = dynamic_cast<TDocumento*>(GetDocument())) {
        m_pDeclaracion = std::make_unique<TDeclaracionPrograma>(*documento);
      }
    }
    return m_pDeclaracion.get();
  }

 protected:
  // The page's box array goes before the declaration it is bound to.
  ~CImpreVistaDe() override { m_pCampos.reset(); }

 private:
  std::unique_ptr<TDeclaracion> m_pDeclaracion;
};

}  // namespace salida
