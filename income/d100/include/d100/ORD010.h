// Page 10 of the ordinary form D-100 (page id 210): the earlier years' negative balances of the person shown (a
// one-row group at the top), the general and special taxable bases (section G), the personal and family minimum
// (H), the bases after the minimum (I) and the reductions for contributions to pension plans (section J, three
// groups of two rows each, both shown). docs/PAGINAS_BASE.md says what each box shows.
//
// The groups are known by their letters, as NavegarGrupo receives them: 'F' the balances (RegApartadoF4 +240, one
// row of 48 bytes), 'C' the general-regime plans (RegApartadoJ +0, rows of 48), 'D' the plans in favour of a
// disabled person (RegApartadoJ +136, rows of 72), 'E' the other contributions (RegApartadoJ +280, rows of 40). A
// row belongs to one member (its holder byte); two rows of group C or of group D never have the same holder.
//
// The rules live in the box array (CControlesORD010), which tests drive over a data area of their own; the view
// forwards the box events and runs the whole recalculation. Printing and the Internet file make the box array
// without a view.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "d100/GruposPagina.h"
#include "framework/ControlesPagina.h"
#include "income/RentaVista.h"
#include "income/SIM003.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

class wxClassInfo;

namespace marco {
class CValidador;
}

namespace ordinaria {

inline constexpr int kIdPaginaORD010 = 210;
inline constexpr int kCasillasORD010 = 55;

// NavegarGrupo's actions on this page (the second argument is the row, 0 or 1):
inline constexpr int kAccionGuardarGrupo = 4;     // C, D, E: store the row (a duplicate holder is refused), then
                                                  // section J, the rows reloaded and the read-only marks set
inline constexpr int kAccionFilaSinTitular = 5;   // C, D, E: a row left without holder is dropped
inline constexpr int kAccionGuardarSaldos = 6;    // F: store its row
inline constexpr int kAccionTrasNif = -3;         // D, E: the row loaded again after its tax number was checked
// kAccionPuedeMover (-2, whether the window may move) and kAccionMover (-1, the window moved): GruposPagina.h.
inline constexpr int kAccionRecargarFila = 25;    // C, D: the row loaded again from the store
inline constexpr int kAccionRecargarSaldos = 502;  // F: its row loaded again from the store

// Rows of the groups: field numbers (the columns the boxes show) and where each lies in a row.
//   'F': 0 holder, 1-5 the amounts at 8 ... 40 (the layout of page 3 of the simplified form)
//   'C': 0 holder, 1 the excess of earlier contributions (8), 2 the block of the general-regime dialog (16), 3 the
//        contributions of the year (40)
//   'D': 6 holder, 7 the disabled person's tax number (9 characters at 1), 8 own contributions (56), 9 the block of
//        the disabled-person dialog (16), 10 relatives' contributions (64)
//   'E': 11 holder, 12 relationship (20 characters at 1), 13 the beneficiary's tax number (9 at 21), 14 amount (32)
inline constexpr int kFilasGrupoJ = 2;
renta::SFormatoFilas FormatoGrupoORD010(char grupo);

// The models of the page: each over its place in a declaration's data area.
class CFilasORD010A : public renta::CFilasPagina {
 public:
  explicit CFilasORD010A(DatosRenta& datos);
};
class CFilasORD010B : public renta::CFilasPagina {
 public:
  explicit CFilasORD010B(DatosRenta& datos);
};
class CFilasORD010C : public renta::CFilasPagina {
 public:
  explicit CFilasORD010C(DatosRenta& datos);
};
class CFilasORD010D : public renta::CFilasPagina {
 public:
  explicit CFilasORD010D(DatosRenta& datos);
};

class CControlesORD010 final : public marco::CControlesPagina {
 public:
  CControlesORD010();
  ~CControlesORD010() override;

  // Where the boxes bind without an income-tax document (a test): a data area, the header texts and the checks
  // object; with a document, the document's own, taken at each binding.
  void PonerDatos(DatosRenta* datos, renta::SCabeceraPagina cabecera = {}, marco::CValidador* validador = nullptr);
  void PonerFunciones(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }
  DatosRenta* Datos() const { return m_pDatos; }

  // The four models made anew and filtered for the person shown, every box bound, the read-only marks set.
  void Enlazar(int liberarAntes) override;
  // Every box unbound and the models freed.
  void LiberarEnlaces() override;
  // The models filtered again when the person shown changed; the rows bound again; the read-only marks.
  void Refrescar() override;
  // Group 'C', 'D', 'E' or 'F' (as a character code), its row, the action (above). The answer of -2, -3 and -1,
  // else 0; -1 for a group or row the page does not have.
  int NavegarGrupo(int grupo, int fila, int accion, int extra) override;
  // The holder locks of groups C and D, from the promoter's contributions stored in section J.
  void AvisoCampo(int posicion) override;
  // Binds the boxes of row `fila` of group 'C', 'D' or 'E'; nothing for another letter.
  void EnlazarFila(char grupo, int fila);

  // ---- the page's rules (by box number) ----
  // A value committed (0x402): 1 when the whole declaration is to be recalculated (the boxes of the groups and boxes
  // 10 and 15), else 0.
  int CasillaConfirmada(int numero);
  // A value changed (0x403): a holder is taken unless it repeats the other row's, the row is stored; a row left
  // without holder is dropped.
  void CasillaCambiada(int numero);
  // The check of a committed box: every value is accepted; the box's row is stored and its tax number checked.
  void ComprobarCasilla(int numero);

  renta::CFilasPagina* Filas(char grupo) const;

 private:
  void TomarDocumento();
  void FiltrarFilas();
  void EnlazarFijas();
  void EnlazarSaldos();
  void ActualizarSoloLectura();
  // Group and row of a box of groups C, D and E; false for another box.
  static bool GrupoDeCasilla(int numero, char& grupo, int& fila, int& columna);
  // The stored row of a group in the data area; none without data.
  unsigned char* FilaGuardada(char grupo, int fila) const;
  int GuardarFila(char grupo, int fila);
  void CalcularJ();
  void RecargarGrupos();
  // Check type 2 on the tax number of a stored row (the failure blanks it there), then the row loaded again.
  void ComprobarNif(char grupo, int fila);
  // A disabled-person row: the tax number of the page and the dialog's copy made the same.
  void IgualarNif(int fila);
  void AplicarSaldos();

  DatosRenta* m_pDatos = nullptr;
  renta::SCabeceraPagina m_cabecera;
  marco::CValidador* m_pValidador = nullptr;
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();
  std::unique_ptr<renta::CFilasPagina> m_pSaldos;  // 'F'
  std::unique_ptr<renta::CFilasPagina> m_pGeneral;  // 'C'
  std::unique_ptr<renta::CFilasPagina> m_pMinusvalidos;  // 'D'
  std::unique_ptr<renta::CFilasPagina> m_pOtras;  // 'E'
  std::int32_t m_nSujetoFiltro = 0;
};

// The page view: the box array's rules, then (when they call for it) the whole recalculation; every event marks
// the declaration modified and redraws the boxes.
class ORD010 : public renta::CRentaVista {
 public:
  ORD010();
  int DameNumeroPagina() override { return kIdPaginaORD010; }
  int Recalcular(int numero) override;
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  void ConfirmarCampoActivo() override;
  void RefrescarControles() override;
  CControlesORD010* Controles() const;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD010);
};

// The page's class, registered under "ORD010" (listed by ClasesPaginasD100).
wxClassInfo* ClasePaginaORD010();

}  // namespace ordinaria
