// The whole-declaration check of an income-tax declaration: the rules that read the data area for the person
// shown and give the findings (code, page of the form's page list, box on that page, severity) in the order they
// are written to table "Corregix". The rules need no window and no table; the document erases the declaration's
// findings, runs them and writes what they give through its checks object (CRentaDoc::Validar).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Hallazgos.h"
#include "framework/ListasIncompletas.h"
#include "ximardol.h"

namespace renta {

// ---- the family lists of RegIdentificacion ----
inline constexpr std::size_t kDespDescendientes = 0x9c0;  // 10 rows of 72 bytes
inline constexpr std::size_t kFilasDescendientes = 10;
inline constexpr std::size_t kAnchoDescendiente = 72;
inline constexpr std::size_t kDespAscendientes = 0xc90;   // 4 rows of 80 bytes
inline constexpr std::size_t kFilasAscendientes = 4;
inline constexpr std::size_t kAnchoAscendiente = 80;
// Places inside a row of either list.
inline constexpr std::size_t kFilaFamiliarFecha = 0;        // 6 characters
inline constexpr std::size_t kFilaFamiliarNif = 9;          // 4 characters tested
inline constexpr std::size_t kFilaFamiliarAno = 42;         // year of birth, 4 characters
inline constexpr std::size_t kFilaFamiliarMarcas = 57;      // one mark per person, 57 + (person - 1)
inline constexpr std::size_t kFilaDescendienteSituacion = 62;
inline constexpr std::size_t kFilaDescendienteCasillas = 63;  // two mark boxes, 63 and 64
// The finding of a person with more than one marital status ticked on page 1 (its boxes 18 to 21, one byte per
// person each; a byte other than NUL and blank is ticked): an error, on the first box ticked.
inline constexpr const char* kHallazgoEstadosCiviles = "FAM002";
inline constexpr int kCasillaEstadoCivil = 18;
// A descendant born this year or later is one whose parents share the minimum (see SeleccionarFilasFamiliares).
inline constexpr int kAnoDescendienteMenor = 1982;

using TablaDescendientes = std::array<unsigned char, kFilasDescendientes * kAnchoDescendiente>;
using TablaAscendientes = std::array<unsigned char, kFilasAscendientes * kAnchoAscendiente>;
static_assert(sizeof(TablaDescendientes) == 720 && sizeof(TablaAscendientes) == 320);

// Who asks for a person's family rows: the identification page (what it shows) or the whole-declaration check
// (what it checks for that person).
enum class EUsoFilasFamiliares : std::uint8_t { Pagina, Validacion };

// The rows of both family lists that the person shown sees, compacted in their stored order, the rest zeroed:
// - the family unit, and the declarant of a declaration with neither spouse nor first child: every row;
// - the declarant and the spouse otherwise: the ascendants whose mark for that person is '1'; the descendants:
//   - for the page, those whose mark for that person is '1' or blank and that are not a shared descendant with a
//     mark box set (a shared one is in situation '2' or born in 1982 or later; its mark boxes are the bytes at 63
//     and 64);
//   - for the check, only those marked '1' for that person: a row marked for the other spouse, or for nobody, is
//     not theirs, and a row marked '1' stays whatever its year, situation and mark boxes (being born in 1982 or
//     later, or in situation '2', is what keeps a shared descendant, never what drops it);
// - the children (and any other code): no row.
void SeleccionarFilasFamiliares(const RegIdentificacion& identificacion, int sujeto, bool hayConyugeOHijo,
                                TablaDescendientes& descendientes, TablaAscendientes& ascendientes,
                                EUsoFilasFamiliares uso = EUsoFilasFamiliares::Pagina);

// The name of a person as the page header composes it: first surname, second surname and name, each without its
// trailing blanks, the surnames joined by a blank and the name after ", " (only when there is a name).
std::string NombreCompuesto(const RegIdentificacion& identificacion, int sujeto);

// What the rules read besides the data area.
struct SContextoValidacion {
  int sujeto = 2;                 // the person shown, 1 to 5; any other code checks nothing
  const TablaDescendientes* descendientes = nullptr;  // the lists of the person shown; none: not checked
  const TablaAscendientes* ascendientes = nullptr;
  // The declaration is about to be filed through the Internet: the rules of what that file cannot carry run too.
  bool presentacionInternet = false;
  // The form (1 D-101, 2 D-100): the payment page is the eighth of the D-101 list and the seventeenth of D-100.
  int tipoDec = 2;
  // Whether the program's list holds a delegation (its two digits) or an administration (its delegation's two
  // digits and its own three). None: only the codes' form is checked.
  std::function<bool(marco::EListaIncompleta lista, std::string_view clave)> enLista = {};
};

// What a finding of the rest of the declaration speaks of: the value the box it leads to shows, as a place of the
// data area (the element of the person shown in a per-person array; for a row of a group, the stored row's field),
// and whether the box holds it as its detail (the list of entries behind an amount box). A form without a box for
// the field leads to the nearest box that shows its amount: the place is then that box's value and `sustituto`
// says so (the findings list then adds kNotaSinCasillaPropia to the finding's text). An empty place (tamano 0):
// a finding that leads to no box.
struct SDatoHallazgo {
  std::uint32_t desplazamiento = 0;  // from the start of DatosRenta
  std::uint32_t tamano = 0;
  bool enlace = false;
  bool sustituto = false;
};

// The message whose text the findings list adds to a finding that leads to a stand-in box of the simplified form.
inline constexpr const char* kNotaSinCasillaPropia = "SIMP001";

// The pages of the simplified form D-101 in its page list.
inline constexpr int kPaginaSimplificadaIdentificacion = 1;
inline constexpr int kPaginaSimplificadaGanancias = 3;
inline constexpr int kPaginaSimplificadaReducciones = 4;
inline constexpr int kPaginaSimplificadaResultados = 7;
inline constexpr int kPaginaSimplificadaIngreso = 8;

// The findings of the declaration for the person shown, in the order they are to be written (a code may come more
// than once: the table keeps the last). Identification of the person (page 1; a delegation or administration code
// not of its form is an error, LISTA05 and LISTA06, one of its form that the program's list lacks a warning,
// LISTA01 and LISTA02), the children's data, work income
// against the holder's age (page 2), the rows of the family lists, then the rest of the declaration
// (ReglasRestoDeclaracion).
// `datos`, when given, receives what each finding speaks of, one entry per finding in the same order (an empty
// place for the findings of steps 1 to 5, whose boxes are those of page 1 and 2 on both forms).
std::vector<marco::SHallazgo> ReglasDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto,
                                                std::vector<SDatoHallazgo>* datosHallazgos = nullptr);

// The rules after the family lists, appended to `hallazgos` in their order: the region of a family unit whose
// members live in different regions, then by area the work income, pages 16, 3 and 4, 10, 17, 5, the Internet
// rules (only with `presentacionInternet`) and the rows of two amounts of pages 8 and 9. docs/VALIDACION.md gives
// each rule. Pages are numbered as in the page list of the form (`tipoDec`): a finding names the page and box of
// that form that show its field (boxes from 0, as the page's box array orders them; a row of a group is its box in
// the rows the page shows for the person shown). `datos`, when given, receives what each finding speaks of.
void ReglasRestoDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto,
                            std::vector<marco::SHallazgo>& hallazgos,
                            std::vector<SDatoHallazgo>* datosHallazgos = nullptr);

// The key of the disabled worker of a work-income row as its rule compares it: '1' and '2' (or the bytes 1, 2)
// give 1, '3' gives 3, anything else (no key) 0.
int ClaveTrabajadorMinusvalido(unsigned char clave);
// The key a degree of disability calls for, from its whole part: below 33 none (0), 33 to 64 gives 1, 65 or more 3.
int ClaveEsperadaMinusvalia(double grado);
// A record of activities under modules is filled when one of its code characters 2 to 5 is a letter or a digit;
// an agricultural record when its code reads as a whole number above 0.
bool ActividadModulosRellena(const unsigned char* fila);
bool ActividadAgrariaRellena(const unsigned char* fila);
// Module numbers 1, 15 and 16 count staff.
bool EsModuloPersonal(unsigned char modulo);

// Whether any of the findings is an error (severity 1 or more).
bool HayErrores(const std::vector<marco::SHallazgo>& hallazgos);

}  // namespace renta
