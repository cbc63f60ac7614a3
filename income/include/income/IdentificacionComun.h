// What the identification pages of both income-tax forms share: page 1 of the ordinary form (ORD001, id 201) and
// page 1 of the simplified form (SIM001, id 101) show the identification of the person shown and of the spouse,
// the lists of descendants and ascendants of the family unit, the representative, the tax allocation and the date.
// Both bind their boxes to fixed places of RegIdentificacion, most of them arrays with one element per person
// (family unit, declarant, spouse, first child, second child) of which the box shows the person's element.
//
// The family lists are bound to working copies kept by the box array, filtered for the person shown
// (SeleccionarFilasFamiliares); only the family unit, and a declarant with neither spouse nor first child, edit the
// lists, and only their copies go back into the declaration when the list box is committed.
//
// What needs no window is here as tables and free functions: where every box is bound (LugaresIdentificacion),
// the rules between boxes (ReglaIdentificacion), the checks of a box (ComprobacionesIdentificacion), the page
// header (CabeceraIdentificacion, CamposCabeceraIdentificacion). The box array CControlesIdentificacion binds from
// the table; the page view CVistaIdentificacion forwards the box events to the rules.
#pragma once

#include <array>
#include <memory>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/CatalogoTablas.h"
#include "framework/ControlesPagina.h"
#include "income/RentaValidacion.h"
#include "income/RentaVista.h"
#include "ximardol.h"

namespace renta {

class CRentaDoc;

// ---- places inside RegIdentificacion (offsets within the block) ----
inline constexpr std::size_t kDespIdentificacionImpresa = 105;  // 60 per person, composed before a save
inline constexpr std::size_t kDespCodigoPersona = 405;          // 9 per person, read-only
inline constexpr std::size_t kDespCodigoDelegacion = 450;       // 2
inline constexpr std::size_t kDespNombreDelegacion = 452;       // 18
inline constexpr std::size_t kDespCodigoAdministracion = 470;   // 3
inline constexpr std::size_t kDespNombreAdministracion = 473;   // 18
inline constexpr std::size_t kAnchoAdministracion = 21;         // code and name of the administration
inline constexpr std::size_t kDespAnoNacimiento = 1141;         // 4 per person
inline constexpr std::size_t kDespMinusvalia = 1168;            // double per person
inline constexpr std::size_t kDespNifConyuge = 1263;            // 9 per person
inline constexpr std::size_t kDespMinusvaliaConyuge = 1904;     // double per person
inline constexpr std::size_t kDespNifRepresentante = 1954;      // 9 per person
inline constexpr std::size_t kDespCodigoPostal = 1116;          // 5 per person
inline constexpr std::size_t kDespCodigoPostalConyuge = 1853;
inline constexpr std::size_t kDespCodigoPostalRepresentante = 2449;
inline constexpr std::size_t kDespAsignacionIglesia = 2474;     // one byte per person
inline constexpr std::size_t kDespAsignacionOtros = 2479;
inline constexpr std::size_t kDespFraccionamiento = 2484;       // one byte per person
inline constexpr std::size_t kDespDomiciliacion = 2489;
inline constexpr std::size_t kDespCuenta = 3536;                // 20
inline constexpr std::size_t kDespFecha = 3556;                 // day 2, month name 10, year 4
inline constexpr std::size_t kDespMesFecha = 3558;
inline constexpr std::size_t kAnchoMesFecha = 10;
inline constexpr std::size_t kDespAnoFecha = 3568;

// ---- the two pages ----
enum class EPaginaIdentificacion : std::uint8_t { ORD001, SIM001 };

inline constexpr int kCasillasORD001 = 142;
inline constexpr int kCasillasSIM001 = 140;
int NumeroCasillasIdentificacion(EPaginaIdentificacion pagina);

// The family-list boxes, the same on both pages: descendants 41-100 (ten rows of six), ascendants 101-124 (four
// rows of six). The first box of each list opens the list's dialog on the whole working copy.
inline constexpr int kPrimeraDescendientes = 41;
inline constexpr int kPrimeraAscendientes = 101;
inline constexpr int kColumnasLista = 6;
// The row offsets of the six boxes of a row; the fifth is the person's mark, at kFilaFamiliarMarcas + person - 1.
inline constexpr std::array<std::size_t, kColumnasLista> kColumnasDescendiente{0, 9, 42, 48, kFilaFamiliarMarcas, 62};
inline constexpr std::array<std::size_t, kColumnasLista> kColumnasAscendiente{0, 9, 42, 48, kFilaFamiliarMarcas, 64};
// The bytes each column holds (the identification number, the name, the year, the degree, a mark, the other
// situation or the living-together count).
inline constexpr std::array<std::size_t, kColumnasLista> kAnchosDescendiente{9, 33, 4, 8, 1, 1};
inline constexpr std::array<std::size_t, kColumnasLista> kAnchosAscendiente{9, 33, 4, 8, 1, 8};

// ---- where a box is bound ----
enum class EClaseLugar : std::uint8_t {
  Ninguno,
  Fijo,             // RegIdentificacion + desplazamiento, `tamano` bytes (one element per person when `elemento`)
  PorPersona,       // RegIdentificacion + desplazamiento + tamano x (person - 1), `tamano` bytes
  Descendientes,    // a box of the descendants' working copy
  Ascendientes,     // a box of the ascendants' working copy
  CabeceraNombre,   // the document's page header: the name of the person shown, 40 characters
};

// The link of a list or code box: where the chosen key (or the description found) goes, and the text that
// filters the list or prefixes the code; no destination width means no link, no filter width no filter.
struct SParLugar {
  std::uint16_t destino = 0;
  std::uint16_t anchoDestino = 0;
  std::uint16_t filtro = 0;
  std::uint16_t anchoFiltro = 0;
};

struct SLugarIdentificacion {
  EClaseLugar clase = EClaseLugar::Ninguno;
  std::uint16_t desplazamiento = 0;
  std::uint16_t tamano = 0;  // bytes of the place
  std::uint16_t elemento = 0;  // bytes of the person's element of a per-person array; 0: one value for all
  SParLugar par{};           // destino 0: no table link
  bool enlacePropio = false;  // the detail link is the box's own place (the tax allocation marks)
};

// The places of boxes 1 to N of a page: element n - 1 is box n.
std::span<const SLugarIdentificacion> LugaresIdentificacion(EPaginaIdentificacion pagina);

// The first byte of a box's value for a person (1 to 5) in RegIdentificacion; none for a box that is not bound
// into the block, for a number outside the page or for a person outside 1 to 5.
unsigned char* DireccionCasilla(EPaginaIdentificacion pagina, RegIdentificacion& identificacion, int numero,
                                int sujeto);

// ---- who sees and edits the family lists ----
// The family unit and a declarant with neither spouse nor first child see every row, edit the lists and have
// their copies written back; the declarant and the spouse otherwise see their own rows and cannot edit them; the
// children see nothing.
bool ListasEditables(int sujeto, bool hayConyugeOHijo);

// ---- rules between boxes ----
struct SEfectoRegla {
  bool aplicada = false;          // the number has a rule on this page
  bool recalcular = false;        // the declaration is recalculated and the page refreshed after it
  bool marcaAsignacion = false;   // the program-wide flag of a tax allocation changed after printing was set
  std::vector<int> refrescar;     // boxes whose display text is rebuilt, in order
};
// Applies the rule of box `numero` on the person's elements:
// - 1 (delegation chosen): the administration (code and name, 21 bytes) is blanked; boxes 3, 1, 2 and 4 show it;
// - 2 (administration chosen): box 4 shows its code;
// - 18 / 20: the two marks exclude each other for the person (the other one is cleared when this one is 1);
// - ORD001 133 and 135: the second-instalment mark is cleared while the split-payment mark is not set; 136: a
//   second-instalment mark sets the split-payment mark;
// - ORD001 134, SIM001 133 and 134: when the person's print mark is 1, the program-wide flag is set (nothing is
//   recalculated);
// every other handled case recalculates. Other numbers and persons outside 1 to 5 do nothing.
SEfectoRegla ReglaIdentificacion(EPaginaIdentificacion pagina, RegIdentificacion& identificacion, int sujeto,
                                 int numero);

// The program-wide flag set when a tax allocation box changes while the person's print mark is set (the printed
// copy no longer says what the declaration holds); whoever prints reads and clears it.
bool AsignacionCambiadaTrasImprimir();
void PonerAsignacionCambiadaTrasImprimir(bool cambiada);

// ---- checks of a box ----
// The checks a box's value goes through, in order (check type of CValidador::ValidarCampo and the offset of the
// value in RegIdentificacion, the person's element already chosen). Empty for a box without checks.
struct SComprobacion {
  int tipo = 0;
  std::size_t desplazamiento = 0;
  friend bool operator==(const SComprobacion&, const SComprobacion&) = default;
};
std::vector<SComprobacion> ComprobacionesIdentificacion(EPaginaIdentificacion pagina, int numero, int sujeto);

// What a check that passed leaves to do besides.
enum class EEfectoComprobacion : std::uint8_t { Nada, CabeceraNif, CabeceraNombre };
EEfectoComprobacion EfectoComprobacion(int numero);

// The split-payment boxes of ORD001 (135, 136): a second instalment to be debited while the payment is not split
// gives "100V166" (a warning; the value stays). Empty when nothing is to be said.
std::string_view AvisoPagoFraccionado(const RegIdentificacion& identificacion, int sujeto, int numero);

// ---- the page header ----
// The header of the person shown: the tax id (9 characters, trailing blanks removed) and the name as the header
// writes it (NombreCompuesto); for the family unit with the spouse present, the spouse's tax id and name in the
// second line, which is otherwise empty.
struct SCabeceraIdentificacion {
  std::string nif;
  std::string nombre;
  std::string nif2;
  std::string nombre2;
};
SCabeceraIdentificacion CabeceraIdentificacion(const RegIdentificacion& identificacion, int sujeto,
                                               bool conyugePresente);

// The derived display and print fields of the page header: the tax id right-aligned in 20 characters, the
// marital status digit '1'-'4' (the first of the four marks that is 1; blank when none), and the kind of taxation
// digit ('1' when the person's first taxation mark is 1, 'x' or 'X'; '2' otherwise).
struct SCamposCabecera {
  std::string nif20;
  char estadoCivil = ' ';
  char tributacion = '2';
};
SCamposCabecera CamposCabeceraIdentificacion(const RegIdentificacion& identificacion, int sujeto);

// ---- the box array ----
class CControlesIdentificacion : public marco::CControlesPagina {
 public:
  explicit CControlesIdentificacion(EPaginaIdentificacion pagina);

  EPaginaIdentificacion DamePagina() const { return m_pagina; }
  // The document boxes are bound to; by default the one the array was given, when it is an income-tax document.
  void PonerDocumentoRenta(CRentaDoc* documento) { m_pDocumentoRenta = documento; }
  CRentaDoc* DameDocumentoRenta() const;

  // Binds every box from the page's table for the document's person shown; a box gets its place only when its
  // value, laid out by its picture, fits the place (a damaged box table never makes a box read or write past
  // it), else it stays unbound. The list and code boxes get their table links, the family lists are bound to
  // their working copies (EnlazarListasFamiliares). Without an income-tax document every box is left unbound.
  void Enlazar(int liberarAntes) override;
  // Takes the table links away from the boxes.
  void LiberarEnlaces() override;
  // Binds again (the person or the lists may have changed).
  void Refrescar() override;
  // The header fields (CamposCabeceraIdentificacion) for the person shown, kept here.
  void CamposDerivados(int hoja) override;
  const SCamposCabecera& DameCamposCabecera() const { return m_cabecera; }

  // Fills both working copies for the person (SeleccionarFilasFamiliares), binds the six boxes of every row to
  // their copy and gives the first box of each list the whole copy as its link, -1 as its group (a list) and the
  // read-only state of ListasEditables.
  void EnlazarListasFamiliares(const RegIdentificacion& identificacion, int sujeto, bool hayConyugeOHijo);
  TablaDescendientes& CopiaDescendientes() { return m_descendientes; }
  TablaAscendientes& CopiaAscendientes() { return m_ascendientes; }

 private:
  void EnlazarCasilla(int numero, const SLugarIdentificacion& lugar, RegIdentificacion& id, int sujeto);
  void EnlazarFila(int primera, unsigned char* fila, const std::array<std::size_t, kColumnasLista>& columnas,
                   const std::array<std::size_t, kColumnasLista>& anchos, int sujeto);

  EPaginaIdentificacion m_pagina;
  CRentaDoc* m_pDocumentoRenta = nullptr;
  TablaDescendientes m_descendientes{};
  TablaAscendientes m_ascendientes{};
  // One table link per box, kept for the array's life so that an edit holding one never sees it go.
  std::vector<marco::SEnlaceTabla> m_enlaces;
  SCamposCabecera m_cabecera;
};

// ---- the page view ----
// The view of either identification page. A committed value (0x402) of a list box writes the working copy back
// when the person edits the lists; every committed value then recalculates the declaration, redraws the page and
// updates the views. The rules between boxes, the checks and the page header follow the functions above.
class CVistaIdentificacion : public CRentaVista {
 public:
  EPaginaIdentificacion DamePagina() const { return m_pagina; }
  virtual std::string_view DameNombrePagina() const = 0;
  int DameNumeroPagina() override;

  int Recalcular(int numero) override;
  int CampoBorrado(int numero) override;
  int AplicarDependencias(int numero) override;
  // The box's checks on the person's element: 1 accepted, 0 refused (the check repaired the value and said why).
  int ComprobarCampo(int numero) override;
  // The base commit of the focused box, then the page header of the person shown composed into the document.
  void ConfirmarCampoActivo() override;
  // Composes the page header of the person shown into the document's header members.
  void ComponerCabecera();

 protected:
  explicit CVistaIdentificacion(std::unique_ptr<CControlesIdentificacion> controles);
  CControlesIdentificacion* Controles() const;

 private:
  // The person shown and whether the spouse or first child is present, from the document.
  int Sujeto() const;
  bool HayConyugeOHijoDocumento() const;
  void TrasCambio();

  EPaginaIdentificacion m_pagina;

  wxDECLARE_ABSTRACT_CLASS(CVistaIdentificacion);
};

}  // namespace renta
