// The base of every declaration document (income tax, wealth tax). It holds the declaration's key and type, keeps
// the declaration's row of the store (table DatosDec of the network database) locked while the declaration is
// open, reads the page catalogue, knows the list of page view classes of its form and which page is shown, and
// tells its views what changed through update hints (CPista).
//
// The income-tax and wealth-tax documents derive from it, add their data areas and override the virtual
// operations below; the base behaviour of each is written beside it.
#pragma once

#include <wx/docview.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Hallazgos.h"
#include "framework/Pista.h"
#include "framework/Prog32DocReglas.h"
#include "framework/ReferenciaReglas.h"

class wxDialog;

namespace marco {

class CTabla;
class CPaginaActiva;

// One page of the catalogue (table Paginasx and its language twin), as LeerPagina reads it.
struct PaginaInfo {
  std::int32_t idPagina = 0;
  std::int32_t tipoDec = 0;    // the form the page belongs to
  std::string imagen;          // the background picture's path
  std::string titulo;          // the page title in the interface language
  std::int32_t numCuadros = 0; // the number of boxes
};

// Names of the tables the document reads.
inline constexpr std::string_view kTablaDatosDec = "DatosDec";
inline constexpr std::string_view kTablaPaginas = "Paginasx";
inline constexpr std::string_view kOrdenClave = "CLAVE";

// The status letter of a document that holds the lock on its stored row.
inline constexpr char kEstadoBloqueada = 'P';

// Commands the document sends or handles, with the program's own numbers.
inline constexpr int kComandoPresentacionBorrador = 57609;
// Shown when the user chooses a page of the form that the program does not have yet.
inline constexpr std::string_view kMensajePaginaNoDisponible = "PAG001";

class CProg32Doc : public wxDocument {
 public:
  CProg32Doc();
  ~CProg32Doc() override;
  CProg32Doc(const CProg32Doc&) = delete;
  CProg32Doc& operator=(const CProg32Doc&) = delete;

  // ---- virtual operations (base behaviour; the declaration documents override them) ----

  // Composes the reference text printed with the identification of a tax number (TextoReferencia, 60 characters,
  // Prog32DocReferencia.cpp) at the document's clock. The person number is the caller's (income tax: 1 to 5; 0
  // otherwise) and does not change the text. 1 built; 0 when the tax number is empty or blank (60 blanks then).
  virtual int ComponerIdentificacion(std::string_view nif, int numeroPersona);

  // Loads the stored row's header: opens DatosDec (order CLAVE), seeks the key, locks the row (status 'P', here
  // and program-wide) and, unless the keep-type flag is set, takes "tipodec" and "clave" from it. A missing row
  // shows WIN023; a row another user holds shows WIN046 (answered no). 1 loaded, 0 not.
  virtual int CargarDeclaracion();
  // Writes the stored row in one transaction: "tipodec", "clave" and what GrabarCamposDeclaracion adds (so a
  // crash leaves the row as it was or as saved, never part of each), and clears the modified flag: 1 saved. A
  // row that is missing (or a write that is refused) shows WIN023; a store busy with other users' writing asks
  // ALM001 whether to try again, never WIN023. Not saved: 0 with the document still modified.
  virtual int GuardarDeclaracion();
  // The declaration document's own fields of the row (language, data area), written by GuardarDeclaracion in the
  // same transaction: nothing in the base. 1 written, 0 refused (then nothing of the row is kept).
  virtual int GrabarCamposDeclaracion(CTabla& tabla);
  // Recalculation: the base has nothing to compute and gives 0.
  virtual int Calcular(int completo);
  // The print mark of the person shown: 0 in the base.
  virtual int DameMarcaSujeto();
  virtual void PonMarcaSujeto(std::uint8_t marca);
  virtual void Imprimir();
  // Opens the draft presentation: a view of the run-time class "CPrevista" that makes its own frame; WIN020 when
  // it cannot be made. It then receives the draft presentation command. 1 opened, 0 not.
  virtual int AbrirBorrador();
  // Gives the draft view what it reads of the declaration, between its making and the draft command: nothing in the
  // base (the view then reads the document's form, catalogue and unbound boxes).
  virtual void PrepararBorrador(wxView& vista);
  // Keeps the not-kept flag (a new declaration never saved), runs OnNewDocument; 1 when that succeeded. The name
  // and the mode are for the declaration documents.
  virtual int NuevaDeclaracion(std::string_view nombre, int modo, int noGuardada);
  // Shows the page of a view class: activates the document's open view of that class, or makes a new one (the
  // view makes its own frame when it is created); WIN020 when it cannot be made. None: 0. The two numbers are the
  // declaration documents' (an argument and the frame resource).
  virtual int MostrarPagina(wxClassInfo* clase, int argumento, int recursoMarco);
  virtual int DevuelveUno();
  // Moves the current page by a navigation code (IndiceNavegacion over the pages the program has) and shows the
  // page of the current index; a chosen page the program does not have shows PAG001 and nothing moves.
  virtual void NavegarPagina(int codigo);
  // Builds the page class list of the form: nothing in the base.
  virtual void CrearListaPaginas(int argumento);
  // Fiscal year "1999"; clears the status word and the five values.
  virtual void InicializarDatos();
  // Validation of the whole declaration: 1 (nothing found) in the base.
  virtual int Validar(int argumento);
  // The last validation did not get all its findings into the findings table (the table layer told the user why):
  // what the table lists then says nothing in favour of printing or filing.
  bool HallazgosIncompletos() const { return m_bHallazgosIncompletos; }
  // The Internet filing command: whether the declaration can be filed that way now (false in the base), and the
  // command itself (nothing in the base; the declaration documents check, save, ask for the file and write it).
  virtual bool AdmitePresentacionInternet() const;
  virtual void PresentarPorInternet();
  virtual void ComprobarDeclaracion();
  // Shows a finding of the findings list: page `vista` of the page list (1 the first) and the focus on its box
  // `numcontr` (its place in the page's box array, from 0). A page outside the list shows nothing; a box outside
  // the page leaves the focus where the page puts it. The income-tax document first shows the person the findings
  // were written for.
  virtual void IrAHallazgo(int vista, long numcontr);
  // The code of a message whose text the findings list adds to a finding's own (the finding leads to a stand-in
  // box, the form having none for its field); empty for none, as in the base.
  virtual std::string NotaHallazgo(const SHallazgo& hallazgo) const;
  // The personal and family data of the declaration ("&Datos personales y familiares", or page 100 chosen or asked
  // for): the base has none and gives false; the income-tax document opens its wizard and gives true.
  virtual bool EditarDatosPersonales();

  // ---- overrides of the document ----
  // The ordinary set-up (name and title from the document manager when the document has one).
  bool OnNewDocument() override;
  // A declaration document is made without a view: its page views are opened by the document itself when the
  // declaration is set up (MostrarPagina), so the template needs no view class.
  bool OnCreate(const wxString& ruta, long indicadores) override;
  // Command 1 is never handled here: it is reported as not handled and goes on to the window that has it.
  bool ProcessEvent(wxEvent& evento) override;
  // A document managed by a document manager closes with its last view, as every document does; while the
  // document is making a view, and when no manager owns it, it stays.
  void OnChangedViewList() override;

  // ---- other operations ----
  // Reads one page of the catalogue (key ClavePagina(id)) and its language twin. A page missing from the catalogue
  // shows WIN013, missing from the twin MUES008 (unless `avisar` is false: printing reports the pages it could not
  // make once, at the end of the run). 1 read, 0 not (`info` is then left as it was).
  int LeerPagina(int idPagina, PaginaInfo& info, bool avisar = true);
  // The save command's rule: GuardarDeclaracion, and only when it saved, the not-kept and the modified flags are
  // cleared. Its result.
  int Guardar();
  // The document's open view of exactly that class, or none.
  wxView* BuscarVista(const wxClassInfo* clase) const;
  // Deletes every view of the document, each with its frame, without closing the document (the document goes
  // on, with no views). A document takes its views with it when it is deleted, so that no frame is left showing
  // a view of a document that is gone.
  void EliminarVistas();
  // Updates every view (but `emisor`) with the hint `pista`.
  void ActualizarVistas(int pista, wxView* emisor = nullptr);

  // ---- members ----
  std::string DameClave() const;
  // Keeps at most the room of the key (67 characters).
  void PonerClave(std::string_view clave);
  char* Clave() { return m_szClave.data(); }
  std::uint8_t DameTipoDec() const { return m_nTipoDec; }
  void PonerTipoDec(std::uint8_t tipoDec) { m_nTipoDec = tipoDec; }
  bool DameMantenerTipo() const { return m_bMantenerTipo != 0; }
  void PonerMantenerTipo(bool mantener) { m_bMantenerTipo = mantener ? 1 : 0; }
  char DameEstado() const { return m_cEstado; }
  std::int32_t DamePalabraEstado() const { return m_nPalabraEstado; }
  void PonerPalabraEstado(std::int32_t palabra) { m_nPalabraEstado = palabra; }
  std::array<std::int32_t, 5>& Valores() { return m_aValores; }
  std::string DameEjercicioFiscal() const { return std::string(m_szEjercicioFiscal.data()); }
  char* EjercicioFiscal() { return m_szEjercicioFiscal.data(); }
  char* TextoReferencia() { return m_szTextoReferencia.data(); }
  bool DameNoGuardada() const { return m_bNoGuardada != 0; }
  void PonerNoGuardada(bool noGuardada) { m_bNoGuardada = noGuardada ? 1 : 0; }
  double DameZoom() const { return m_dZoom; }
  void PonerZoom(double zoom) { m_dZoom = zoom; }

  // The page class list (built by CrearListaPaginas) and the current and last index into it (-1: none).
  const std::vector<wxClassInfo*>& ListaPaginas() const { return m_listaPaginas; }
  std::int32_t DamePaginaActual() const { return m_nPaginaActual; }
  void PonerPaginaActual(std::int32_t indice) { m_nPaginaActual = indice; }
  std::int32_t DameUltimaPagina() const { return m_nUltimaPagina; }
  // The go-to-page dialog while it is up (it belongs to the command that shows it), else none.
  wxDialog* DameDlgIrPagina() const { return m_pDlgIrPagina; }
  void PonerDlgIrPagina(wxDialog* dialogo) { m_pDlgIrPagina = dialogo; }

  // What the declaration documents keep in the base: the family-unit view flag, the recalculation switch (on
  // from construction), the declarant's tax-number copy, the two heading texts and the copy label of the pages.
  std::uint8_t DameVistaUnidadFamiliar() const { return m_nVistaUnidadFamiliar; }
  void PonerVistaUnidadFamiliar(std::uint8_t vista) { m_nVistaUnidadFamiliar = vista; }
  bool DameRecalcular() const { return m_bRecalcular != 0; }
  char* NifDeclarante() { return m_szNifDeclarante.data(); }
  char* TextoCabecera1() { return m_szTextoCabecera1.data(); }
  char* TextoCabecera2() { return m_szTextoCabecera2.data(); }
  char* TextoEjemplar() { return m_szTextoEjemplar.data(); }

  // The document's own DatosDec table object (open, with the row locked, while the declaration is loaded).
  CTabla& TablaDatosDec();

  // ---- reference numbers and date texts (Prog32DocReferencia.cpp) ----
  // The form reference number of a declaration kind (3 wealth tax, 0-2 income tax) made from the characters 6 to
  // 8 of `texto`, the fiscal year and the document's clock: 14 characters, model code, year digit, serial, a blank
  // and the check digit (NumeroReferenciaFormulario).
  std::string ComponerNumeroReferencia(int tipo, std::string_view texto) const;
  // The check digit (0 to 6) of a text.
  static int DigitoControl(std::string_view texto);
  // Today by the document's clock, DDMMYYYY with the whole year.
  std::string FechaDeHoy() const;
  // Dates of exactly eight characters DDMMYYYY: 1 valid, 0 not.
  static int EsFechaValida(std::string_view fecha);
  // 1 and day, month and year of a text of exactly eight characters (1-2, 3-4, 5-8); 0 and nothing written else.
  static int DescomponerFecha(std::string_view fecha, int& dia, int& mes, int& ano);
  // -2 when either is not valid; else -1, 0 or 1 as `a` is earlier, equal or later.
  static int CompararFechas(std::string_view a, std::string_view b);
  // Days from `a` to `b`; -1 when either is not valid or `a` is later than `b`.
  static long DiasEntreFechas(std::string_view a, std::string_view b);
  // Where the moment of a new reference comes from: the local clock unless a test sets another.
  void PonerReloj(std::function<SMomento()> reloj) { m_reloj = std::move(reloj); }
  SMomento DameMomento() const { return m_reloj ? m_reloj() : MomentoActual(); }

  // ---- document commands, closing and page views (Prog32DocComandos.cpp) ----
  // The check of the active page view's box when its edit was modified: the page's check result, the edit's mark
  // cleared; 0 when nothing was pending.
  int ConfirmarCampoActivo();
  // The print commands of a page view: commits the active box, saves (a result other than 1 is given back), then
  // either focuses the box the page names first, or validates: findings pending show the findings list, none
  // print. 1 done.
  int PresentarBorrador();
  // Closes the frames of every other view of the document.
  void CerrarOtrasVistas(wxView* vista);
  // Before closing: 1 may close, 0 must not (asks whether to save a changed declaration).
  int SaveModified();
  bool OnSaveModified() override;
  // Removes a new declaration never saved from the store, hides the section bar, closes, clears the caption.
  bool OnCloseDocument() override;
  // The page shown: the document manager's current view when it is one of this document's page views (the first
  // page view of the document without a manager); none otherwise. The document reaches its active box only
  // through it (PaginaActiva.h).
  CPaginaActiva* PaginaActiva() const;
  // The command handlers of the document menu.
  void OnGuardar();
  void OnIrAPagina();
  void OnPaginaElegida(int pagina);
  void OnPrimeraPagina();
  void OnPaginaAnterior();
  void OnPaginaSiguiente();
  void OnUltimaPagina();
  void OnEstadoDeclaracion();
  void OnPresentacionBorrador();
  void OnCerrar();
  // The update rule of a command of the document menu (program number): false when the document has none.
  bool ActualizarComando(int comando, bool& habilitado, bool& marcado);
  // Runs a command of the document menu (program number; `entero` is the event's number): false when the
  // document has none.
  bool EjecutarComando(int comando, int entero);
  // A plain question or notice (Windows-1252 text, wxYES_NO/wxCANCEL/wxOK styles): wxYES, wxNO, wxCANCEL or
  // wxOK. A message box in the base.
  virtual int PreguntarUsuario(const std::string& texto, long estilo);

 protected:
  // The document menu's commands and their update rules reach the document here, from its views and from the
  // document manager alike.
  bool TryBefore(wxEvent& evento) override;

 protected:
  // Replaces the page class list: current index 0 and last index size - 1 (both -1 for an empty list).
  void PonerListaPaginas(std::vector<wxClassInfo*> clases);
  // Opens DatosDec (mode 0, order CLAVE) on `tabla` and seeks the document's key; a missing row shows WIN023, a
  // store too busy to read asks ALM001 whether to try again. 1 when the row is current.
  int BuscarFilaDeclaracion(CTabla& tabla);
  // Lets go of the stored row: closes the document's table (its lock goes with it) and clears the status.
  void SoltarDeclaracion();
  // Set by the documents' Validar for each run.
  void PonerHallazgosIncompletos(bool incompletos) { m_bHallazgosIncompletos = incompletos; }

 private:
  // Makes a view of `clase` for this document; WIN020 when it cannot be made.
  wxView* CrearVista(const wxClassInfo* clase);

  std::array<char, 5> m_szEjercicioFiscal{};
  std::array<char, 61> m_szTextoReferencia{};
  std::array<char, 68> m_szClave{};
  std::uint8_t m_nTipoDec = kTipoDecSimplificada;
  std::int32_t m_bMantenerTipo = 0;
  char m_cEstado = '\0';
  std::int32_t m_nPalabraEstado = 0;
  std::array<std::int32_t, 5> m_aValores{};
  std::int32_t m_nPaginaActual = 0;
  std::int32_t m_nUltimaPagina = 0;
  std::int32_t m_bNoGuardada = 0;
  double m_dZoom = 1.0;
  std::vector<wxClassInfo*> m_listaPaginas;
  wxDialog* m_pDlgIrPagina = nullptr;
  std::unique_ptr<CTabla> m_pTablaDatosDec;

  std::uint8_t m_nVistaUnidadFamiliar = 0;
  std::int32_t m_bRecalcular = 1;
  std::array<char, 10> m_szNifDeclarante{};
  std::array<char, 41> m_szTextoCabecera1{};
  std::array<char, 41> m_szTextoCabecera2{};
  std::array<char, 41> m_szTextoEjemplar{};

  bool m_bCreandoVista = false;
  // Set while EliminarVistas takes the views away: the document must not close with its emptied view list.
  bool m_bEliminandoVistas = false;
  std::function<SMomento()> m_reloj = MomentoActual;

  // Page navigation: when the page shown names a box that must take the focus first, that box gets it; true then.
  bool EnfocarCampoPendiente();
  // Set while the draft presentation opens, so that its command sent to the draft view does not come back here.
  bool m_bAbriendoBorrador = false;
  bool m_bHallazgosIncompletos = false;

  wxDECLARE_DYNAMIC_CLASS(CProg32Doc);
};

}  // namespace marco
