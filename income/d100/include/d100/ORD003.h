// Pages 3 and 4 of the ordinary form D-100 (page ids 203 and 204): the economic activities of section D, one block
// per page (RegApartadoD1 on page 3, RegApartadoD2 on page 4). Each page shows the block header and six repeating
// groups of two rows each, one row shown at a time, with next and previous buttons beside each group. A row belongs
// to one member of the family unit (its holder byte); the groups show the rows of the person shown, or all of them
// for the family unit. A page whose groups hold second rows prints and files a supplementary sheet with them.
//
// The two pages are twins: everything lives in the shared classes here (the box array CControlesGruposD and the
// view CVistaGruposD), which a page description (SPaginaD) tells apart. The rules that need no window (binding,
// row commands, sheets, the amount rules and the focus rule) are in the box array, so tests drive them over a data
// area of their own; the view forwards the box events to it and runs the whole recalculation.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/CatalogoTablas.h"
#include "framework/ControlesPagina.h"
#include "income/FilasSecciones.h"
#include "income/RentaVista.h"
#include "income/SIM003.h"
#include "ximardol.h"

class wxButton;
class wxClassInfo;
class wxCommandEvent;

namespace marco {
class CCampo;
class CValidador;
}

namespace ordinaria {

// ---- groups, commands and messages ----
inline constexpr int kGruposD = 6;
// The ids of groups 1 to 6 (NavegarGrupo's first argument).
inline constexpr int kIdPrimerGrupoD = 995;
// NavegarGrupo's own actions besides the row commands 500 (delete if free), 501 (store) and 502 (reload).
inline constexpr int kAccionMoverGrupo = -1;      // row 0 forward, 1 backward
inline constexpr int kAccionPuedeMoverGrupo = -2;  // the same directions; 1 when the window may move
// The buttons' command ids: next of group g is 980 + 2 (g - 1), its previous one more.
inline constexpr int kComandoPrimerBotonD = 980;
// The supplementary sheet's title (the message-table row kCodigoTituloHojaComplementaria in the interface language,
// this Castilian one when the table lacks it) and the amount rules' messages.
inline constexpr std::string_view kCodigoTituloHojaComplementaria = "HOJACOM";
inline constexpr std::string_view kTituloHojaComplementaria = "HOJA COMPLEMENTARIA";
inline constexpr std::string_view kMensajeReglaRendimiento = "100V173";
inline constexpr std::string_view kMensajeReglaRetencion = "100V172";
inline constexpr std::string_view kMensajeParejaIncompleta = "100R192";
// Why the rows are read-only while one member of the family unit is shown (tool tip and status bar).
inline constexpr std::string_view kMensajeFilasDeUnMiembro = "WIN080";
// The width of the title text of a supplementary sheet.
inline constexpr std::size_t kAnchoTituloHoja = 40;

// What tells the twin pages apart.
struct SPaginaD {
  int numero = 0;                 // 3 or 4: the page number in the form
  int idPagina = 0;               // 203 or 204
  std::string_view nombre;        // "ORD003", "ORD004"
  int casillas = 0;               // boxes of the page: 101 or 105
  int casillaTitulo = 0;          // the supplementary sheet's title: 101 or 104
  int ultimaVaciada = 0;          // boxes 98 to this one are emptied on a supplementary sheet: 98 or 102
  std::string_view mascaraIndicador;  // the printed picture of box 3
};
const SPaginaD& PaginaD(int numero);  // 3 or 4; page 3 for any other number

// The group id of a box number (1-5 and 30-54 count as group 2); 0 for boxes after the groups.
int GrupoDeCasilla(int numero);
// The focus zone of a box: 0 group 4, 1 group 5, 2 group 6, 3 the boxes after the groups, 4 the boxes before.
int ZonaDeCasilla(int numero);
// The box that shows field `campo` of a group's shown row (the row table's field numbers); 0 when none does.
int CasillaDeCampo(int grupo, int campo);

// Which amount rule applies to a box: 'A' for the activity rows (8-28, 33-53, 57-77), 'B' for the withholding rows
// (83-84, 90-91, 96-97), 0 for none. The rule on a pair (x, y) of the row: true when it fails.
char ReglaDeCasilla(int numero);
bool FallaReglaA(double x, double y);
bool FallaReglaB(double x, double y);

// The focus state shared by the pages' views: the box last entered and the last target index of the focus rule.
struct SEstadoFoco {
  int ultimaCasilla = 0;
  int ultimoObjetivo = 0;
};

// ---- the box array ----

class CControlesGruposD : public marco::CControlesPagina {
 public:
  explicit CControlesGruposD(const SPaginaD& pagina);
  ~CControlesGruposD() override;

  const SPaginaD& Pagina() const { return m_pagina; }
  // Where the boxes bind when the array has no income-tax document (a test); a document's own are taken each time
  // the boxes are bound.
  void PonerDatos(DatosRenta* datos, renta::SCabeceraPagina cabecera = {});
  DatosRenta* Datos() const { return m_pDatos; }

  // The six row tables made anew and filtered for the person shown; every box bound; the sheet flag worked out.
  void Enlazar(int liberarAntes) override;
  // Every box unbound, the selection links and the row tables freed.
  void LiberarEnlaces() override;
  // The row tables filtered again when the person shown changed (otherwise each keeps the row it shows); the
  // groups bound again and the sheet flag worked out.
  void Refrescar() override;
  // Group commands on groups 995-1000 (row 0): 500 deletes the shown row when it has no holder, 501 stores it,
  // 502 reloads it, -1 moves the window (row 0 forward, 1 backward), -2 asks whether it may. The answer of -2, else
  // 0; -1 for an unknown group.
  int NavegarGrupo(int grupo, int direccion, int accion, int extra) override;
  // Printed and filed sheets: 1 while sheet `hoja` exists (the second only with the supplementary-sheet flag).
  int AvisoGrupo(int hoja, int palabra) override;
  // The printed indicator (box 3) and the printed option marks of groups 2 and 5 (boxes 31 and 86) of a sheet.
  void CamposDerivados(int hoja) override;

  // Works the supplementary-sheet flag out again and gives it.
  int HayHojaComplementaria();
  int DameHojaComplementaria() const { return m_nHojaComplementaria; }
  // The double of field `campo` of group `grupo`'s shown row (the row table's field numbers); 0.0 for anything else.
  double ValorGrupo(int grupo, int fila, int campo);
  // The row table of a group id; none before the first binding or for another id.
  renta::CFilasApartadoD* Filas(int grupo) const;
  // Whether the rows a group shows may be edited: not while they are one person's filtered copy, which is never
  // written back.
  bool GrupoEditable(int grupo) const;
  // Why box `numero` cannot be edited when it is a box of a group showing one member's rows (the text of
  // kMensajeFilasDeUnMiembro in the interface language); empty for any other box. The boxes of such a group carry
  // it in their description too, after a line break, so that their tool tip says it.
  std::string_view AvisoSoloLectura(int numero) const;
  const char* Indicador() const { return m_aIndicador.data(); }
  const char* TituloHoja() const { return m_pTitulo ? m_pTitulo->data() : nullptr; }

  // ---- the box events (by box number) ----
  // A value committed (0x402): 1 when a whole recalculation is due (boxes 80 and 93 store their row first; the
  // amounts of RegApartadoD3 on page 4).
  int CasillaConfirmada(int numero);
  // A box erased (0x401): the option of an erased option mark is cleared; 1 when a whole recalculation is due
  // (the block header codes).
  int CasillaBorrada(int numero);
  // A value changed (0x403): the row of the box's group stored (an option mark set first), and deleted when it is
  // left without holder.
  void CasillaCambiada(int numero);
  // The first part of the check of a typed value: the box's row stored and the tax numbers and percentages of both
  // rows of its group checked (each check shows its own message and repairs its value). 0 when the check refused
  // the value of the row shown (the one just typed), else 1.
  int ComprobarGrupo(int numero, marco::CValidador& validador);
  // Every group's shown row loaded again from the data area (after a recalculation).
  void RecargarGrupos();
  // The amount rule of a box on the rows now shown: the message of a failing rule, empty when none fails.
  std::string_view ReglaImportes(int numero);
  // The focus rule for box `numero` entering: the box index (from 0) the focus must be taken to because a pair of
  // amounts of groups 4 to 6 is half filled, or -1. `zona` is the view's zone last entered.
  int ObjetivoFoco(int numero, int& zona, SEstadoFoco& estado);

 private:
  void TomarDocumento();
  void CrearFilas();
  void FiltrarFilas();
  void EnlazarCabecera();
  void EnlazarGrupo(int g);
  // The description of a group box: as loaded, followed by the read-only notice when `conAviso`.
  void PonerAvisoDescripcion(marco::CCampo* campo, bool conAviso) const;
  void EnlazarGrupos();
  void EnlazarFinales();
  void EnlazarSeleccion(int numero, void* valor, std::size_t tamano, void* destino, std::size_t anchoDestino);
  void Vaciar(int numero);
  void PonerIndicador(char valor);
  // The option byte of the document row a group shows (groups 2 and 5); none when it cannot be written.
  unsigned char* OpcionEnDatos(int grupo);
  unsigned char* FilaDatos(int grupo, int fila);

  const SPaginaD& m_pagina;
  DatosRenta* m_pDatos = nullptr;
  renta::SCabeceraPagina m_cabecera;
  std::array<std::unique_ptr<renta::CFilasApartadoD>, kGruposD> m_aFilas;
  // The selection links of boxes 4, 5, 7, 56, 80 and 93.
  std::array<std::unique_ptr<marco::SEnlaceTabla>, 6> m_aEnlaces;
  std::int32_t m_nSujetoFiltro = 0;
  std::int32_t m_nHojaComplementaria = 0;
  unsigned char m_nOpcion = 0;
  // The indicator of box 3, once per person: page 4 prints it with a picture of five values.
  static constexpr std::size_t kAnchoIndicador = 5;
  std::array<char, kAnchoIndicador + 1> m_aIndicador{' ', ' ', ' ', ' ', ' ', '\0'};
  std::array<char, 2> m_aMarcaGrupo2{' ', '\0'};
  std::array<char, 2> m_aMarcaGrupo5{' ', '\0'};
  std::unique_ptr<std::array<char, kAnchoTituloHoja + 1>> m_pTitulo;
  // The read-only notice, looked up at each full binding.
  std::string m_sAvisoMiembro;
};

class CControlesORD003 final : public CControlesGruposD {
 public:
  CControlesORD003() : CControlesGruposD(PaginaD(3)) {}
};

// ---- the view ----

class CVistaGruposD : public renta::CRentaVista {
 public:
  CControlesGruposD* Controles() const;
  const SPaginaD& Pagina() const { return Controles()->Pagina(); }
  std::string_view DameNombrePagina() const { return Controles()->Pagina().nombre; }
  int DameNumeroPagina() override;
  int CampoAEnfocar() override { return 0; }

  // The box events of the page (see CControlesGruposD for the rules).
  int Recalcular(int numero) override;
  int CampoBorrado(int numero) override;
  int AplicarDependencias(int numero) override;
  int CampoRecibeFoco(int numero) override;
  int ComprobarCampo(int numero) override;
  // The base commit, the boxes redrawn and the buttons of the six groups set.
  void ConfirmarCampoActivo() override;
  // The box's description in the status bar; when the pointer stands on a box of a group that shows one member's
  // rows (a click there puts the focus on the next editable box), why that box cannot be edited.
  int MostrarTextoEstado(wxWindow* edit, int flag) override;
  // The notice of the read-only box under the pointer when it is not the active box; empty otherwise.
  std::string_view AvisoCasillaRaton();
  // The boxes' texts, then the twelve group buttons made and set; 1.
  int PrepararCampos() override;
  // The buttons follow the boxes when the page scrolls.
  void AlMostrarCampo() override;

  // A group button: `direccion` 0 next, 1 previous. A modified focused box is committed and checked first (a
  // refused value stops the move). 1 when the group was asked to move.
  int MoverGrupo(int direccion, int grupo);
  // Enables a group's next and previous buttons by whether its window may move.
  void HabilitarBotonesGrupo(int grupo);
  // Whether a group's next (0) or previous (1) button is enabled.
  bool BotonHabilitado(int grupo, int direccion) const;
  // The half-filled pair's message, then the focus on box index `indice` of this page. 1.
  int OnAvisoPareja(int pagina, int indice);
  // The target index of the last pair message requested by the focus rule (-1 none).
  int DameUltimoAvisoPareja() const { return m_nUltimoAviso; }
  // The rows the page's groups show now, the row index of groups 2 and 5 included.
  int DameFilaMostrada(int grupo) const;

 protected:
  // The focus state the page class keeps for all its views.
  virtual SEstadoFoco& EstadoFoco() = 0;

 private:
  // The whole recalculation: the document recalculated (every view gets hint 1), the boxes redrawn.
  void CalcularTodo();
  void ColocarBotones();
  void AlBoton(wxCommandEvent& evento);

  std::array<wxButton*, 2 * kGruposD> m_aBotones{};  // children of the page window, which owns them
  std::array<bool, 2 * kGruposD> m_aHabilitado{};
  int m_nZona = 0;
  int m_nUltimoAviso = -1;

  wxDECLARE_ABSTRACT_CLASS(CVistaGruposD);
};

class ORD003 : public CVistaGruposD {
 public:
  ORD003();

 protected:
  SEstadoFoco& EstadoFoco() override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD003);
};

// The page's class, registered under "ORD003" (for the list of ClasesPaginasD100).
wxClassInfo* ClasePaginaORD003();

}  // namespace ordinaria
