// What pages ORD005 to ORD009 of the ordinary form D-100 share: a box array whose repeating groups show a window
// of rows of a row table (renta::CFilasApartadoF), bound box by box from a description of each group, with the
// page's fixed boxes, its supplementary print sheets, the box events found once in their group and row and handed
// to the page's rules (its virtual hooks), and the view that moves the groups with a pair of buttons each.
//
// A group's rows are edited only while its table holds the stored rows themselves: one person's filtered copy
// (compacted, family-unit rows halved) is shown read-only and never written back. The page rules work on the
// stored row behind a shown row (first shown row + shown row).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "framework/ControlesPagina.h"
#include "income/FilasSecciones.h"
#include "income/RentaReglas.h"
#include "income/RentaVista.h"
#include "income/SIM003.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

class wxButton;
class wxCommandEvent;
class wxWindow;

namespace ordinaria {

// The size of an amount field of a row (a double).
inline constexpr std::size_t kD = sizeof(double);

// A box of a group's row: the box at `desp` from the row's first box shows field `campo` of the table (`tamano`
// bytes); `enlace` is the field of its detail link (-1 none), and `lectura` the fields its detail dialog reads
// beside that block (-1 none).
struct SCasillaFila {
  int desp;
  int campo;
  std::size_t tamano;
  int enlace = -1;
  std::array<int, 2> lectura = {-1, -1};
};

// A group of a page: its id (NavegarGrupo's first argument), the first box of each shown row and the boxes of a row.
struct SGrupoPagina {
  int id = 0;
  std::vector<int> primeras;
  std::vector<SCasillaFila> casillas;
  // The row's key field (its holder): 0 marks an empty row.
  int campoClave = 0;
  // Whether the group follows the person shown (its key is a holder); otherwise every row is shown to everyone.
  bool porTitular = true;
  // The boxes at the head of a row (from its first): a row opens them for the next row once it has its key.
  int cabeza = 1;
  // Rows whose last boxes stand apart from the rest (after every row's first boxes): the box at `desp` from
  // `inicioCola` on is box colas[row] + desp - inicioCola. Empty when each row's boxes follow each other.
  std::vector<int> colas = {};
  int inicioCola = 0;
};

// The number of a group box in shown row j.
int NumeroCasillaFila(const SGrupoPagina& grupo, std::size_t j, const SCasillaFila& casilla);

// A group of three rows of a key (its holder, one byte) and two amounts (`primerCampo` and the two fields after
// it), row j's boxes from primeras[j] on.
SGrupoPagina GrupoParImportes(int id, std::vector<int> primeras, int primerCampo);

// Where a box stands among a page's groups: its group (0 for a box in none), its shown row and the field it shows
// (-1 for a box in no group), and whether its group's rows may be written.
struct SCasillaGrupo {
  int numero = 0;
  int grupo = 0;
  int fila = -1;
  int campo = -1;
  bool editable = false;
};

// The table of group `indice` of a page whose groups have the tables `Tabla, Resto...` in order (the last one for
// any other index).
template <class Tabla, class... Resto>
std::unique_ptr<renta::CFilasApartadoF> TablaDeGrupo(int indice, DatosRenta& datos) {
  if constexpr (sizeof...(Resto) > 0) {
    if (indice != 0) return TablaDeGrupo<Resto...>(indice - 1, datos);
  }
  return std::make_unique<Tabla>(datos);
}

// What a page of groups is made of: its groups, its boxes bound to fixed places of the data area, the boxes emptied
// on a supplementary sheet, the boxes of the sheet mark and of the sheet title (0 none), the header's boxes (the
// copy label, and the tax id with the name in the box after it) and the row table of each group (by its index in
// `grupos`).
struct SPaginaGrupos {
  std::span<const SGrupoPagina> grupos{};
  std::span<const renta::SCasillaDatos> fijas{};
  std::span<const int> totales{};
  int casillaMarcaHojas = 0;
  int casillaTituloHoja = 0;
  int casillaEjemplar = 0;
  int casillaNif = 1;
  std::unique_ptr<renta::CFilasApartadoF> (*crearTabla)(int indice, DatosRenta& datos) = nullptr;
};

// Places of the data area the pages' fixed boxes read: the tax base block, the declarant's identification (its
// first 20 characters print in the page's reference box) and a block of five per-person amounts.
inline constexpr std::uint32_t kDespBaseImponible = offsetof(DatosRenta, BaseImponible);
inline constexpr std::uint32_t kDespReferencia = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
inline constexpr std::uint32_t kImportesPersonas = 5 * sizeof(double);

// The title of a supplementary sheet and its width. The title speaks the interface language: it is the text of the
// message-table row kCodigoTituloHoja, this Castilian one when the table lacks it.
inline constexpr std::string_view kCodigoTituloHoja = "HOJACOM";
inline constexpr std::string_view kTituloHojaGrupos = "HOJA COMPLEMENTARIA";
inline constexpr std::size_t kAnchoTituloGrupos = 40;
// The printed sheet mark: one character, repeated for the five persons (its print picture holds five values).
inline constexpr std::size_t kAnchoMarcaHojas = 5;

// NavegarGrupo's own actions shared by the pages: move the window (row 0 forward, 1 back) and ask whether it may.
inline constexpr int kAccionMover = -1;
inline constexpr int kAccionPuedeMover = -2;

class CControlesGrupos : public marco::CControlesPagina {
 public:
  explicit CControlesGrupos(const SPaginaGrupos& pagina);
  ~CControlesGrupos() override;

  // Where the boxes bind when the array has no income-tax document (a test); a document's own are taken each time
  // the boxes are bound.
  void PonerDatos(DatosRenta* datos, renta::SCabeceraPagina cabecera = {});
  DatosRenta* Datos() const { return m_pDatos; }
  // The exports the page's section calculations run: the library's own unless another table is given.
  void PonerFunciones(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }

  // The page's groups and its boxes bound to fixed places of the data area (after EnlazarFijas).
  std::span<const SGrupoPagina> Grupos() const { return m_pagina.grupos; }
  std::span<const renta::SCasillaDatos> CasillasFijas() const { return m_pagina.fijas; }
  // The box of the sheet mark (0 none), of the sheet title (0 none) and the boxes emptied on a further sheet.
  int CasillaMarcaHojas() const { return m_pagina.casillaMarcaHojas; }
  int CasillaTituloHoja() const { return m_pagina.casillaTituloHoja; }
  std::span<const int> CasillasTotales() const { return m_pagina.totales; }

  // Every box unbound; the tables made anew over the data area and filtered for the person shown; the header,
  // the fixed boxes and every shown row bound, the read-only states set and the sheets counted.
  void Enlazar(int liberarAntes) override;
  void LiberarEnlaces() override;
  // The tables filtered again for the person shown, every row bound again, the read-only states, the sheets.
  void Refrescar() override;
  // Sheet 1: the page bound again and the sheet mark set; a further sheet: every group a page of rows on, the
  // totals emptied and the title bound; 0 past the last sheet (the title freed).
  int AvisoGrupo(int hoja, int palabra) override;
  // The sheet mark box (CasillaMarcaHojas, when the page has one) on print: on the first sheet the number of
  // supplementary sheets that follow, '0' without them and on a further sheet.
  void CamposDerivados(int hoja) override;

  // The page's row actions on a group (its own codes) and the window actions every page shares (kAccionMover,
  // kAccionPuedeMover): the action's result, 0 for a group without table. On a page that prints supplementary
  // sheets (it has a sheet mark box) the sheets are counted again after any action on a table.
  int NavegarGrupo(int grupo, int fila, int accion, int extra) final;

  // ---- the box events (by box number): the box is found in its group and row once, then the page's rule runs
  // (the hooks below); the view runs the common flow around them ----
  // A value changed or toggled.
  void CasillaCambiada(int numero) { AlCambiarCasilla(Situar(numero)); }
  // A value set through its window: 1 when the declaration is to be recalculated.
  int CasillaConfirmada(int numero) { return AlConfirmarCasilla(Situar(numero)); }
  // The check of a typed value: 0 refuses it, else 1.
  int ComprobarCasilla(int numero) { return AlComprobarCasilla(Situar(numero)); }
  // The focus entered a box: 1 when the page has a rule for it.
  virtual int FocoEnCasilla(int /*numero*/) { return 0; }
  // The box a rule wants the focus on after a change or a check (0 none); taken once.
  virtual int TomarCasillaAEnfocar() { return 0; }
  // Where a box stands (its group, row and field).
  SCasillaGrupo Situar(int numero) const;

  // The table of a group id (none for another id or before the binding) and its index in Grupos().
  renta::CFilasApartadoF* Filas(int grupo) const;
  int IndiceGrupo(int grupo) const;
  // The group id and shown row of a box number (0 and -1 when the box is in no group), and the field it shows.
  int GrupoDeCasilla(int numero) const;
  int FilaDeCasilla(int numero) const;
  int CampoDeCasilla(int numero) const;
  // The box number of a field of a group's shown row (0 none).
  int CasillaDeCampo(int grupo, int fila, int campo) const;
  // Whether a group's rows may be edited (not one person's filtered copy).
  bool GrupoEditable(int grupo) const;
  // The stored row behind a shown row (none for a filtered copy or a row outside the table).
  unsigned char* FilaGuardada(int grupo, int fila) const;
  // The working row a shown row shows (none when it has none).
  unsigned char* FilaMostrada(int grupo, int fila) const;
  // The double a field of a shown row holds (0 for a group without table or an empty place).
  double DameImporteFila(int grupo, int fila, int campo) const;
  // The key of a shown row (its holder byte); 0 for none.
  std::uint8_t ClaveFila(int grupo, int fila) const;
  // Row commands on a shown row: store, delete when its key is empty (1 deleted), reload.
  void Guardar(int grupo, int fila);
  int SuprimirSiVacia(int grupo, int fila);
  void Recargar(int grupo, int fila);
  // Every shown row of a group bound again and its read-only states set.
  void EnlazarGrupo(int grupo);
  // Every group's shown rows loaded again from the data area (after a recalculation); one person's copy is made
  // again, its window kept where it was.
  void RecargarGrupos();
  // The supplementary sheets the rows of the person shown need (0, 1 or 2); three rows a sheet unless the page
  // says otherwise.
  virtual int ContarHojas();
  virtual int FilasPorHoja() const { return 3; }
  int DameHojasExtra() const { return m_nHojasExtra; }
  const char* MarcaHojas() const { return m_aMarcaHojas.data(); }
  char* MarcaHojas() { return m_aMarcaHojas.data(); }
  const char* TituloHoja() const { return m_pTitulo ? m_pTitulo->data() : nullptr; }

 protected:
  // The page's own rules for the box events (CasillaCambiada, CasillaConfirmada, ComprobarCasilla), with the box
  // found: by default nothing, no recalculation, accepted.
  virtual void AlCambiarCasilla(const SCasillaGrupo& /*casilla*/) {}
  virtual int AlConfirmarCasilla(const SCasillaGrupo& /*casilla*/) { return 0; }
  virtual int AlComprobarCasilla(const SCasillaGrupo& /*casilla*/) { return 1; }
  // A page's own row action (a NavegarGrupo code of its own) on a group with a table: the action's result.
  virtual int AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int extra) = 0;
  // The page's fixed boxes bound to texts of their own: the header (EnlazarCabecera), and whatever else the page
  // binds so.
  virtual void EnlazarFijas();
  // The read-only states of a group's shown rows (after its binding). The base: the boxes after a row's head are
  // locked while the row has no key; the head of a row is locked while the row above has no key; everything is
  // locked while the group is not editable.
  virtual void SoloLecturaGrupo(int grupo);
  // A box of a row bound to a field of its own (by default the field of its description).
  virtual void* LugarCasilla(int grupo, int fila, const SCasillaFila& casilla);
  // Binds a box to a place of a page-owned text and refreshes its text (derived print boxes).
  void EnlazarDerivada(int numero, std::string_view mascara, char* valor, std::size_t tamano);
  void PonerMarcaHojas(char valor);
  // Binds the header texts (the tax id to box `casillaNif`, the name to the next one) and the copy label.
  void EnlazarCabecera(int casillaEjemplar, int casillaNif = 1);
  // Binds a box to the page's note under its heading (at most kAnchoNota characters).
  void EnlazarNota(int numero, std::string_view nota);
  void Vaciar(int numero);
  int SujetoMostrado() const;
  // Locks (true) or frees a box, keeping the lock its box table gives it.
  void Bloquear(int numero, bool bloqueada);
  void PonerHojasExtra(int hojas) { m_nHojasExtra = hojas; }
  // The supplementary sheets for the stored rows of a group that the page shows (`mostrada`, the same test that
  // shows a row's boxes, so that no row shown is left out of the printed sheets) and that belong to the person
  // shown (the holder byte at `despTitular`; the family unit counts every row).
  int ContarHojasFilas(int grupo, bool (*mostrada)(const unsigned char* fila), std::size_t despTitular);
  // The detail dialog registered as `ventana` opened from a row on `bloque`, a copy of the row's detail block that
  // the page takes back on OK, for person `sujeto`: the dialog's answer; none when no dialog with a block of that
  // size is registered.
  static std::optional<int> AbrirDialogoFila(std::string_view ventana, std::span<unsigned char> bloque,
                                             std::int32_t primerParametro, wxWindow* padre, std::int32_t sujeto);
  // The rows of amount pairs that a page checks as the focus leaves them (AvisarParIncompleto), numbered over
  // `grupos` in order (three rows each): the one box `casilla` stands in, -1 when it stands in none of them.
  static int FilaDePares(const SCasillaGrupo& casilla, std::initializer_list<int> grupos);
  // The focus went from pair row `foco` to pair row `ahora`: the row left is checked when it is another one, and
  // `foco` becomes `ahora`.
  void CambiarFilaPares(int& foco, int ahora, std::initializer_list<int> grupos);
  // A holder put in place of another in a stored shown row: order `borrar` (mark 1) empties what the other holder
  // entered, then order `guardar` (mark `marcaGuardar`) stores the row; nothing for a new row or a filtered copy.
  // The read-only states of the group are set again either way.
  void CambiarTitularFila(renta::CFilasApartadoF& filas, int grupo, int fila, int borrar, int guardar,
                          int marcaGuardar);
  // A row of a group of amount pairs (the first at +8, the second at +16) left with one of them and not the other:
  // 100R177, a notice.
  void AvisarParIncompleto(int grupo, int fila);

  DatosRenta* m_pDatos = nullptr;
  renta::SCabeceraPagina m_cabecera;
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();

 private:
  void TomarDocumento();
  void CrearFilas();
  void FiltrarFilas();
  void EnlazarFilas();
  // NavegarGrupo's window actions on a group's table (kAccionPuedeMover: `resultado` gets whether it may move;
  // kAccionMover: moved and bound again). False for any other action.
  bool AccionVentana(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int& resultado);

  SPaginaGrupos m_pagina;

  std::vector<std::unique_ptr<renta::CFilasApartadoF>> m_aFilas;
  std::int32_t m_nSujetoFiltro = 0;
  int m_nHojasExtra = 0;
  std::array<char, kAnchoMarcaHojas + 1> m_aMarcaHojas{' ', ' ', ' ', ' ', ' ', '\0'};
  std::unique_ptr<std::array<char, kAnchoTituloGrupos + 1>> m_pTitulo;
  static constexpr std::size_t kAnchoNota = 100;
  std::array<char, kAnchoNota + 1> m_aNota{};
};

// ---- the view ----

// The view of these pages: the page's box events forwarded to its box array's rules (each page says what they
// do), the whole recalculation after them, a pair of buttons (next, previous) beside each group and, on some
// pages, a button beside a box of each shown row.
class CVistaGrupos : public renta::CRentaVista {
 public:
  CControlesGrupos* Grupos() const;
  int CampoAEnfocar() override { return 0; }
  // The base commit, the boxes redrawn and the group buttons set.
  void ConfirmarCampoActivo() override;
  // The boxes' texts, then the group buttons made and set, then the row buttons made; 1.
  int PrepararCampos() override;
  void AlMostrarCampo() override;
  // The box events: the box array's rule (CasillaCambiada, CasillaConfirmada, ComprobarCasilla), the group
  // buttons set, the whole recalculation (after a value set through its window only when the rule asks for it),
  // the document marked modified (not after a plain change) and, after a change or a check, the focus on the box
  // a rule asked for. A change answers whether the other views show it again (AvisarOtrasVistas); a confirmed
  // value whether it was recalculated; a check the rule's answer.
  int AplicarDependencias(int numero) override;
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  // A group button: `direccion` 0 next, 1 previous. A modified focused box is committed and checked first (a
  // refused value stops the move). 1 when the group was asked to move.
  int MoverGrupo(int direccion, int grupo);
  void HabilitarBotonesGrupos();
  bool BotonHabilitado(int grupo, int direccion) const;

 protected:
  // The whole recalculation (every view gets hint 1) and the boxes redrawn.
  void CalcularTodo();
  // The command id of group g's next button (its previous one is the id + 1).
  virtual int PrimerComando() const = 0;
  // Where the buttons of each group stand: above the right end of its box here (the last of the group's first
  // row). None: the page's groups do not scroll, and have no buttons.
  virtual std::span<const int> CasillasBotones() const = 0;
  // Whether a change of box `numero` has the other views show the values again; every box unless the page says.
  virtual bool AvisarOtrasVistas(int /*numero*/) const { return true; }

  // The buttons some pages put right of a box of each shown row, a square as high as the box: how many (one a
  // row, none by default), the command id of row 0's (row j's is the id + j), label (UTF-8), tooltip
  // (Windows-1252, shown in the interface language) and the gap in pixels between the box and the button.
  struct SBotonesFila {
    int filas = 0;
    int primerComando = 0;
    std::string_view texto;
    std::string_view ayuda;
    int separacion = 2;
    // Left of the box instead, where the box's right is taken by the next label.
    bool izquierda = false;
  };
  virtual SBotonesFila BotonesFila() const { return {}; }
  // The box (number) the button of shown row `fila` stands beside (0 none) and what a press of it does.
  virtual int CasillaBotonFila(int /*fila*/) const { return 0; }
  virtual void PulsarBotonFila(int /*fila*/) {}

  // The information dialog of a row: before it, a person's view of a declaration with spouse or children is
  // warned (WINR007); after it, the group buttons set and the focus put back on box `casilla` once the dialog is
  // gone.
  static void AvisarInfoPersona();
  void TrasInfoFila(int casilla);
  // The focus entered box `numero`: the box array's FocoEnCasilla once the focus change is over (as a posted
  // message, so that a message box it opens opens then); 1.
  int FocoMasTarde(int numero);

 private:
  void ColocarBotones();
  void ColocarBotonesFila();
  void AlBoton(wxCommandEvent& evento);
  // The focus put on the box a rule asked for.
  void Enfocar();

  std::vector<wxButton*> m_aBotones;  // children of the page window, which owns them
  std::vector<bool> m_aHabilitado;
  std::vector<wxButton*> m_aBotonesFila;  // likewise

  wxDECLARE_ABSTRACT_CLASS(CVistaGrupos);
};

// The view of one page of these: it makes the page's box array (TControles) and answers the page id; `TBase` is
// the view it extends (CVistaGrupos, or a view of its own that pages share).
template <class TControles, int kIdPagina, class TBase = CVistaGrupos>
class CPaginaGrupos : public TBase {
 public:
  CPaginaGrupos() { this->PonerControles(std::make_unique<TControles>()); }
  int DameNumeroPagina() override { return kIdPagina; }
  TControles* Controles() const { return static_cast<TControles*>(this->DameControles()); }
};

}  // namespace ordinaria
