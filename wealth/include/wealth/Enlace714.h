// The box binding of the twelve pages of form D-714: where in the wealth-tax data area (DatosPatrimonio) each box of
// each page keeps its value, and the box arrays that bind a page's boxes there.
//
// Every page is described once, by MapaCasillas714: one entry per box, in the order the box-definition table
// delivers the page's boxes (box index = box number - 1). The arrays bind from that map, so the screen pages, the
// printing and the filing file read the same layout. A box is bound only when its value, as its picture lays it out,
// fits the room the map gives it: a damaged box-definition row is left unbound instead of writing past its field.
//
// The page arrays (CControlesPAT001 ... CControlesPAT012) add what each page binds besides plain values: the lookup
// links of the first page, the name text, the detail links of the liquidation page, the boxes shown with a zero and
// the read-only states that follow the declaration's marks.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/CatalogoTablas.h"
#include "framework/ControlesPagina.h"
#include "framework/EditSeleccion.h"
#include "ximardol.h"

namespace patrimonio {

class C714Doc;

// Page ids of the form: the form base plus the page number.
inline constexpr int kBasePaginas714 = 300;
inline constexpr int kPaginas714 = 12;
inline constexpr int IdPagina714(int pagina) { return kBasePaginas714 + pagina; }

// Offsets of the blocks in the data area.
inline constexpr std::size_t kBloquePersonales = offsetof(DatosPatrimonio, PatDatosPersonales);
inline constexpr std::size_t kBloqueDI = offsetof(DatosPatrimonio, PatDI);
inline constexpr std::size_t kBloqueResumen = offsetof(DatosPatrimonio, PatResumen);
inline constexpr std::size_t kBloqueAjuste = offsetof(DatosPatrimonio, PatAjuste);

// What the boxes of a page bind to: the data area and the texts of the document beside it.
struct SAreaPatrimonio {
  DatosPatrimonio* datos = nullptr;
  char* textoNombre = nullptr;    // 47 characters and a terminator
  char* ejercicio = nullptr;      // the fiscal year, 4 characters and a terminator
  char* nifDeclarante = nullptr;  // the document's copy of the declarant's tax number, 9 characters and a terminator
};

// Where one box's value lives.
enum class EOrigen714 { Ninguno, Datos, TextoNombre, Ejercicio };
struct SCasilla714 {
  EOrigen714 origen = EOrigen714::Ninguno;
  std::size_t desplazamiento = 0;  // in the data area (EOrigen714::Datos)
  std::size_t hueco = 0;           // the bytes the value may take there
};

// The boxes of a page (1 to 12) in box order; empty for any other page.
const std::vector<SCasilla714>& MapaCasillas714(int pagina);

// A group of equal rows of a section page: the first box of the group, the rows, the offsets of the row's boxes
// inside the row, the row stride and the first row's offset in the data area, the total box and its offset.
struct SGrupoFilas714 {
  std::string_view seccion;
  std::size_t bloque = 0;          // the block's offset in the data area
  int primeraCasilla = 0;          // box index
  int filas = 0;
  std::vector<std::size_t> campos;  // offsets inside a row, in box order
  std::size_t paso = 0;
  std::size_t primeraFila = 0;     // offset of the first row inside the block
  std::size_t valor = 0;           // offset of the row's value inside the row
  std::size_t primerImporte = 0;   // fields from this offset of the row on are amounts (doubles)
  int casillaTotal = 0;            // box index
  std::size_t total = 0;           // offset of the total inside the block
};
// The row groups of pages 2 to 8 (section J of page 6 is not a plain group and is described on its own).
const std::vector<SGrupoFilas714>& GruposFilas714(int pagina);

// ---- the box arrays ----

class CControlesPAT : public marco::CControlesPagina {
 public:
  explicit CControlesPAT(int pagina);
  ~CControlesPAT() override;

  int Pagina() const { return m_nPagina; }
  // The area the boxes bind to; without one set, the document's (a C714Doc).
  void PonerArea(const SAreaPatrimonio& area) { m_area = area; m_bAreaPropia = true; }
  SAreaPatrimonio Area() const;
  DatosPatrimonio* Datos() const { return Area().datos; }

  // Binds every box from the page's map, then the page's own settings (EnlazarPagina). The links of an earlier
  // binding are freed first whatever the argument.
  void Enlazar(int liberarAntes) override;
  // Frees exactly the links this array's binding made; the boxes lose them.
  void LiberarEnlaces() override;
  // The D-714 pages have no repeating groups.
  int NavegarGrupo(int, int, int, int) override { return 0; }
  // The D-714 arrays have nothing to recompute on a refresh.
  void Refrescar() override {}

  // Links the binding made and not yet freed.
  std::size_t EnlacesVivos() const { return m_enlaces.size() + m_enlacesDirectos; }
  // The box of a number, read-only or editable (nothing for a number outside the page).
  void PonerSoloLectura(int numero, bool soloLectura);

 protected:
  virtual void EnlazarPagina(const SAreaPatrimonio&) {}
  // A lookup link of a box (the array owns it until LiberarEnlaces).
  // With `guardaClave` the destination is the box's own value and it keeps the key chosen.
  void EnlaceTabla(int indice, char* destino, std::size_t anchoDestino, const char* filtro, std::size_t anchoFiltro,
                   bool guardaClave = false);
  // A box whose link is a place of the data area (a detail block, the name's two fields).
  void EnlaceDirecto(int indice, void* lugar);
  unsigned char* Lugar(std::size_t desplazamiento) const;

 private:
  int m_nPagina;
  SAreaPatrimonio m_area{};
  bool m_bAreaPropia = false;
  std::vector<std::unique_ptr<marco::SEnlaceTabla>> m_enlaces;
  std::size_t m_enlacesDirectos = 0;
};

// Page 1, personal data: the lookup links, the name text composed at binding, the three exclusive marks and the
// code box that follows the no-exempt-amount mark.
class CControlesPAT001 : public CControlesPAT {
 public:
  CControlesPAT001() : CControlesPAT(1) {}
  // By box number: 30, 31, 32 keep the three exclusive marks exclusive (the one set clears the other two); then, for
  // any number, box 33 (the code) is read-only exactly while the no-exempt-amount mark is set.
  void AvisoCampo(int numero) override;
  // After loading: the code box's read-only state.
  void AvisoPagina(int palabra) override;
  // For the filing file: box 30 shows the declarant kind digit ("3", "4", "5" or blank) and box 39 the
  // identification text without its prefix and points, right-aligned in 20, then the Windows-version letter.
  int RellenaCabecera(char letraWindows);
  const std::string& TextoClase() const { return m_sClase; }
  const std::string& TextoCabecera() const { return m_sCabecera; }

 protected:
  void EnlazarPagina(const SAreaPatrimonio& area) override;

 private:
  std::string m_sClase = std::string(2, '\0');
  std::string m_sCabecera = std::string(23, '\0');
};

// Pages 2 to 9: plain values.
class CControlesPATSecciones : public CControlesPAT {
 public:
  explicit CControlesPATSecciones(int pagina) : CControlesPAT(pagina) {}
};

// Page 3, business and professional assets and exempt goods: the heading box of each row of C1 (box 3 + 4r)
// opens the heading search (kind 3: artists and business) on the row's code, its first five characters; the
// group chosen there is kept for the page's life only (the form stores the heading, not its group).
class CControlesPAT003 : public CControlesPATSecciones {
 public:
  static constexpr int kFilasC1 = 13;
  CControlesPAT003() : CControlesPATSecciones(3) { m_grupos.fill(2); }

 protected:
  void EnlazarPagina(const SAreaPatrimonio& area) override;

 private:
  std::array<marco::SEnlaceEpigrafe, kFilasC1> m_epigrafes{};
  std::array<std::uint8_t, kFilasC1> m_grupos{};
};

// Page 10, liquidation: the two detail links, the boxes shown with a zero, and the two detail boxes read-only while
// the no-exempt-amount mark is set.
class CControlesPAT010 : public CControlesPAT {
 public:
  CControlesPAT010() : CControlesPAT(10) {}
  // Boxes 11 and 19 read-only exactly while the no-exempt-amount mark is set.
  void AplicarMarcaMinimo();

 protected:
  void EnlazarPagina(const SAreaPatrimonio& area) override;
};

// Page 11, result and payment: the result rules applied before binding, and the account boxes editable only
// with the direct-debit mark set and the other mark clear.
class CControlesPAT011 : public CControlesPAT {
 public:
  CControlesPAT011() : CControlesPAT(11) {}
  // The four account boxes (26-29) read-only unless mark 24 is clear and mark 25 set.
  void AplicarMarcasCuenta();

 protected:
  void EnlazarPagina(const SAreaPatrimonio& area) override;
};

// Page 12, the result data of page 11 in another order: the result sign set before binding.
class CControlesPAT012 : public CControlesPAT {
 public:
  CControlesPAT012() : CControlesPAT(12) {}

 protected:
  void EnlazarPagina(const SAreaPatrimonio& area) override;
};

// The array of a page (1 to 12); none for another number.
std::unique_ptr<CControlesPAT> CrearControles714(int pagina);

// ---- result rules shared by pages 11 and 12 (and the page view of 11) ----

// The quota, the difference and the result sign from the liquidation result: with the quota-computation mark set
// the quota is the result and the difference quota less deducted amount, else both 0.0; a negative difference
// becomes 0.0; the sign is 1 when the result is 0 or negative. With the result 0 or negative both payment marks
// are cleared. True when the two payment marks may be chosen (the result is positive).
bool AplicarResultado714(DatosPatrimonio& datos);

// The two payment marks of page 11 after one of them changed (`numero` 23: mark 24, 24: mark 25): they exclude each
// other, and the account is blanked whenever the direct debit is not chosen. True when the account may be entered.
bool AplicarMarcasPago714(RegPatDI& di, int numero);
// A box of the mark was erased (23 or 24): the other mark is set, then as above.
bool BorrarMarcaPago714(RegPatDI& di, int numero);
// The account may be entered: mark 24 clear and mark 25 set.
bool CuentaEditable714(const RegPatDI& di);

}  // namespace patrimonio
