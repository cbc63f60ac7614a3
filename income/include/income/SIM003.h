// Page 3 of the simplified form D-101 (page id 103): imputed real-estate income (section E), capital gains and
// losses (section F: the rows of F1 in a window of three, its fixed entries with their detail windows, the totals
// of F4 and the marked entry of earlier years' negative balances), the general and special parts of the taxable
// base (section G) and the personal and family minimum (section H) of the person shown.
//
// The page's rules live in its box array (CControlesSIM003), which tests drive over a data area of their own; the
// page view (SIM003) forwards the box events to it and runs the whole recalculation of the declaration after every
// committed value.
//
// This header also holds what pages 3 and 4 share: the header texts of a page, the guarded binding of one box and
// the row tables of both pages (CFilasPagina).
//
// Page classes register by name (see SIM002.h): the view is the wxWidgets dynamic class "SIM003", found by the
// document's page list; the program's start-up calls ClasePaginaSIM003 once so that the class is kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "framework/ControlesPagina.h"
#include "income/ModeloFilas.h"
#include "income/RentaVista.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

class wxClassInfo;

namespace marco {
class CValidador;
}

namespace renta {

class CRentaDoc;

// ---- shared by pages 3 and 4 ----

// The header texts of a page that the document fills for the person shown (outside DatosRenta): tax number (9
// characters), name (40) and the copy label (40). A null text leaves its box unbound.
struct SCabeceraPagina {
  char* nif = nullptr;
  char* nombre = nullptr;
  char* ejemplar = nullptr;
};
inline constexpr std::size_t kAnchoCabeceraNif = 9;
inline constexpr std::size_t kAnchoCabeceraTexto = 40;

// What a page's box array takes from its income-tax document when it binds: the header texts, filled for the person
// shown, into `cabecera`, and the data area into `datos`. The document (none, with nothing taken, when the array has
// another document or none).
CRentaDoc* TomarDocumentoRenta(const marco::CControlesPagina& controles, DatosRenta*& datos, SCabeceraPagina& cabecera);

// Binds a box to the `tamano` bytes at `lugar` with its detail link: the box gets the place only when its value, as
// its picture lays it out (value size times repetitions), fits there, so a damaged box table never makes a box read
// or write past its place. Otherwise (and for a null place) the box is left unbound. 1 bound, 0 not.
int EnlazarCasilla(marco::CCampo* campo, void* lugar, std::size_t tamano, void* enlace = nullptr);

// A place in DatosRenta: offset from the start of the area and size in bytes (0: none).
struct SLugarDatos {
  std::uint32_t desp = 0;
  std::uint32_t tamano = 0;
};
// A box bound to a fixed place of DatosRenta, with the place of its detail link.
struct SCasillaDatos {
  int numero = 0;
  SLugarDatos valor;
  SLugarDatos enlace;
  // The field of the detail dialog's entries that the value adds up by person (CCampo::CampoDetalle; 0: a total of
  // the whole block, or the entries' first field).
  std::int32_t campoDetalle = 0;
};
// Binds the boxes of a table to their places in `datos` (EnlazarCasilla); a number the page does not have is
// skipped.
void EnlazarCasillasDatos(marco::CControlesPagina& controles, std::span<const SCasillaDatos> casillas,
                          DatosRenta& datos);

// Sets a box's read-only state: read-only when the box table says so or when `soloLectura`.
void PonerSoloLectura(marco::CCampo* campo, bool soloLectura);

// Commands of the row tables of pages 3 and 4.
inline constexpr int kOrdenTitularBorrado = 500;  // the holder of the row was erased
inline constexpr int kOrdenGuardarFila = 501;     // store the row
inline constexpr int kOrdenRevertirFila = 502;    // load the stored row again

// A row table of pages 3 and 4: a section's stored rows with a key text (offset and width inside the row; width 0
// for none) that keeps a row without holder in its place.
class CFilasPagina : public CFilasSeccion {
 public:
  CFilasPagina(unsigned char* guardadas, int filas, int mostradas, SFormatoFilas formato, std::size_t despClave = 0,
               std::size_t anchoClave = 0);

  // On shown row j (row i = first shown row + j); -1 for a row outside the table, else 0:
  // 500: a row left without holder whose key is blank too is deleted, in the store as well (the following rows
  //      move up and the last is freed); one whose key is not blank keeps its key and loses its amounts, stored;
  //      a row that has a holder is stored;
  // 501 stores row i; 502 loads it again from the store; any other code does nothing.
  // Nothing is stored while the rows are one person's filtered copy.
  int OrdenFila(int fila, int orden, int marca) override;

  // Whether what the page shows of the table may be edited: not while the rows are one person's filtered copy
  // (they do not stand at their stored place and are never written back).
  bool Editable() const { return !EsCopiaFiltrada(); }
  // Whether the key of shown row j holds a character that is neither NUL nor a blank.
  bool ClaveEscrita(int fila);
  // The holder of shown row j; 0 for an empty row or a shown row with no row behind it.
  std::uint8_t TitularMostrada(int fila);
  // Moves the window one row on (0) or back (1) when it may (PuedeMover); 1 moved, 0 not.
  int Mover(int direccion);

 private:
  std::size_t m_nDespClave;
  std::size_t m_nAnchoClave;
};

// ---- page 3 ----

inline constexpr int kIdPaginaSIM003 = 103;
inline constexpr int kCasillasSIM003 = 58;

// The rows of section F1: nine rows of 56 bytes at the start of RegApartadoF1, three shown. Fields (columns): 0
// holder, 1 concept (7 characters at 1), 2 withholding (8), 3 and 4 gain and loss of the general part (24, 32), 5
// and 6 gain and loss of the special part (40, 48).
inline constexpr int kFilasF1 = 9;
inline constexpr int kMostradasF1 = 3;
inline constexpr std::size_t kAnchoFilaF1 = 56;
inline constexpr int kCasillasFilaF1 = 7;
inline constexpr int kPrimeraCasillaF1 = 5;
// The columns of the boxes of a shown row, in box order.
inline constexpr int kColumnasCasillasF1[kCasillasFilaF1] = {0, 1, 3, 4, 5, 6, 2};
SFormatoFilas FormatoFilasF1();

// Earlier years' negative balances: one row of 48 bytes at RegApartadoF4 +240, its holder mark first, then five
// amounts (columns 1 to 5 at 8 ... 40); boxes 44-46 show columns 2-4 and box 43 links column 5.
inline constexpr std::size_t kDespSaldosF4 = 240;
inline constexpr std::size_t kAnchoSaldosF4 = 48;
SFormatoFilas FormatoSaldosF4();

// NavegarGrupo's groups on this page and the actions it takes (others give 0):
// group kGrupoFilasF1: action -2 asks whether the window may move in `direccion` (1 yes), -1 moves it (1 moved);
// group kGrupoSaldosF4: action 6 stores its row, 502 loads it again from the store (1 done).
inline constexpr int kGrupoFilasF1 = 999;
inline constexpr int kGrupoSaldosF4 = 998;
inline constexpr int kAccionGuardarSaldos = 6;

class CControlesSIM003 final : public marco::CControlesPagina {
 public:
  CControlesSIM003();
  ~CControlesSIM003() override;

  // Where the boxes bind when the array has no income-tax document (a test): a data area, the header texts and the
  // checks object. With a document, the document's own are taken each time the boxes are bound.
  void PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera = {});
  // The exports the page's section calculations run: the library's own unless another table is given.
  void PonerFunciones(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }

  // Both row tables made anew over the data area and filtered for the person shown, every box bound to its place
  // and the read-only marks of the rows set.
  void Enlazar(int liberarAntes) override;
  // Every box unbound and the row tables freed.
  void LiberarEnlaces() override;
  // The row tables filtered again when the person shown changed; the boxes bound again to the rows shown (the
  // window may have moved) and the read-only marks set.
  void Refrescar() override;
  int NavegarGrupo(int grupo, int direccion, int accion, int extra) override;

  // ---- the page's rules (by box number) ----
  // A committed value: the row of an F1 box or of the balances stored (or deleted when its holder and concept were
  // erased), box 43's mark applied, the section calculation of the box, then the F1 and F4 totals. 1 when
  // something was calculated (the caller then recalculates the whole declaration), else 0.
  int CalcularCasilla(int numero);
  // The rules between boxes (a holder or a mark chosen): the same as a committed value for the row and mark
  // boxes, then the F1 totals; 1 when something was calculated, else 0.
  int AplicarReglas(int numero);
  // The check of a typed value: a row of F1 may not hold both a gain and a loss of the same part (CIFE001, the
  // value typed is cleared); 1 accepted, 0 refused.
  int ComprobarValor(int numero);
  // The next (0) and previous (1) buttons of the F1 row window: 1 when the window moved and the boxes were bound
  // again; "next" on a window with an empty row shows WIN045.
  int MoverFilasF1(int direccion);

  CFilasPagina* FilasF1() const { return m_pFilasF1.get(); }
  CFilasPagina* SaldosF4() const { return m_pSaldos.get(); }
  DatosRenta* Datos() const { return m_pDatos; }

 private:
  void TomarDocumento();
  void EnlazarCasillas();
  void MarcarSoloLectura();
  void FiltrarFilas();
  // The row table and shown row of a box of F1 (-1 when it is not one) and its column.
  static int FilaDeCasillaF1(int numero);
  static int ColumnaDeCasillaF1(int numero);
  void TotalesF();
  void AplicarMarcaSaldos();
  int ConfirmarFila(int numero);

  DatosRenta* m_pDatos = nullptr;
  SCabeceraPagina m_cabecera;
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();
  std::unique_ptr<CFilasPagina> m_pFilasF1;
  std::unique_ptr<CFilasPagina> m_pSaldos;
  std::int32_t m_nSujetoFiltro = 0;
};

// The page view. A committed value (0x402), a rule (0x403) and an accepted typed value each run the box array's
// rule; when it calculated, the whole declaration is recalculated (every view gets hint 1) and the boxes are
// redrawn; the document is marked modified in every case.
class SIM003 : public CRentaVista {
 public:
  SIM003();
  int DameNumeroPagina() override { return kIdPaginaSIM003; }
  int Recalcular(int numero) override;
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  // The array's refresh (the person shown may have changed, the window may have moved), then the boxes redrawn.
  void RefrescarControles() override;
  // The F1 row window's buttons (0 next, 1 previous).
  int PulsarBotonFilas(int direccion);
  CControlesSIM003* Controles() const;

 private:
  // The whole recalculation, the boxes redrawn and the document marked modified (after a rule that calculated).
  void TrasCalcular(int calculado);

  wxDECLARE_DYNAMIC_CLASS(SIM003);
};

// The page's class, registered under "SIM003"; calling it keeps the class in the program.
wxClassInfo* ClasePaginaSIM003();

}  // namespace renta
