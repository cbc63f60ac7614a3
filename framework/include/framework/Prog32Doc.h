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
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Pista.h"
#include "framework/Prog32DocReglas.h"

class wxDialog;

namespace marco {

class CTabla;

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

class CProg32Doc : public wxDocument {
 public:
  CProg32Doc();
  ~CProg32Doc() override;
  CProg32Doc(const CProg32Doc&) = delete;
  CProg32Doc& operator=(const CProg32Doc&) = delete;

  // ---- virtual operations (base behaviour; the declaration documents override them) ----

  // Loads the stored row's header: opens DatosDec (order CLAVE), seeks the key, locks the row (status 'P', here
  // and program-wide) and, unless the keep-type flag is set, takes "tipodec" and "clave" from it. A missing row
  // shows WIN023; a row another user holds shows WIN046 (answered no). 1 loaded, 0 not.
  virtual int CargarDeclaracion();
  // Writes "tipodec" and "clave" into the stored row and clears the modified flag: 1 saved. A row that is missing
  // (or a write that is refused) shows WIN023 and gives 0 with the document still modified.
  virtual int GuardarDeclaracion();
  // Recalculation: the base has nothing to compute and gives 0.
  virtual int Calcular(int completo);
  // The print mark of the person shown: 0 in the base.
  virtual int DameMarcaSujeto();
  virtual void PonMarcaSujeto(std::uint8_t marca);
  virtual void Imprimir();
  // Opens the draft presentation: a view of the run-time class "CPrevista" that makes its own frame; WIN020 when
  // it cannot be made. It then receives the draft presentation command. 1 opened, 0 not.
  virtual int AbrirBorrador();
  // Keeps the not-kept flag (a new declaration never saved), runs OnNewDocument; 1 when that succeeded. The name
  // and the mode are for the declaration documents.
  virtual int NuevaDeclaracion(std::string_view nombre, int modo, int noGuardada);
  // Shows the page of a view class: activates the document's open view of that class, or makes a new one (the
  // view makes its own frame when it is created); WIN020 when it cannot be made. None: 0. The two numbers are the
  // declaration documents' (an argument and the frame resource).
  virtual int MostrarPagina(wxClassInfo* clase, int argumento, int recursoMarco);
  virtual int DevuelveUno();
  // Moves the current page by a navigation code (IndiceNavegacion) and shows the page of the current index.
  virtual void NavegarPagina(int codigo);
  // Builds the page class list of the form: nothing in the base.
  virtual void CrearListaPaginas(int argumento);
  // Fiscal year "1999"; clears the status word and the five values.
  virtual void InicializarDatos();
  // Validation of the whole declaration: 1 (nothing found) in the base.
  virtual int Validar(int argumento);
  virtual void ComprobarDeclaracion();

  // ---- overrides of the document ----
  // The ordinary set-up (name and title from the document manager when the document has one).
  bool OnNewDocument() override;
  // Command 1 is never handled here: it is reported as not handled and goes on to the window that has it.
  bool ProcessEvent(wxEvent& evento) override;
  // A document managed by a document manager closes with its last view, as every document does; while the
  // document is making a view, and when no manager owns it, it stays.
  void OnChangedViewList() override;

  // ---- other operations ----
  // Reads one page of the catalogue (key ClavePagina(id)) and its language twin. A page missing from the catalogue
  // shows WIN013, missing from the twin MUES008. 1 read, 0 not (`info` is then left as it was).
  int LeerPagina(int idPagina, PaginaInfo& info);
  // The save command's rule: GuardarDeclaracion, and only when it saved, the not-kept and the modified flags are
  // cleared. Its result.
  int Guardar();
  // The document's open view of exactly that class, or none.
  wxView* BuscarVista(const wxClassInfo* clase) const;
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

 protected:
  // Replaces the page class list: current index 0 and last index size - 1 (both -1 for an empty list).
  void PonerListaPaginas(std::vector<wxClassInfo*> clases);
  // Opens DatosDec (mode 0, order CLAVE) on `tabla` and seeks the document's key; a missing row shows WIN023.
  // 1 when the row is current.
  int BuscarFilaDeclaracion(CTabla& tabla);
  // Lets go of the stored row: closes the document's table (its lock goes with it) and clears the status.
  void SoltarDeclaracion();

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

  wxDECLARE_DYNAMIC_CLASS(CProg32Doc);
};

}  // namespace marco
