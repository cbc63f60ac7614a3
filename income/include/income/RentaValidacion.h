// The whole-declaration check of an income-tax declaration: the rules that read the data area for the person
// shown and give the findings (code, page of the form's page list, box on that page, severity) in the order they
// are written to table "Corregix". The rules need no window and no table; the document erases the declaration's
// findings, runs them and writes what they give through its checks object (CRentaDoc::Validar).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Hallazgos.h"
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
// A descendant born this year or later is one whose parents share the minimum (see SeleccionarFilasFamiliares).
inline constexpr int kAnoDescendienteMenor = 1982;

using TablaDescendientes = std::array<unsigned char, kFilasDescendientes * kAnchoDescendiente>;
using TablaAscendientes = std::array<unsigned char, kFilasAscendientes * kAnchoAscendiente>;
static_assert(sizeof(TablaDescendientes) == 720 && sizeof(TablaAscendientes) == 320);

// The rows of both family lists that the person shown sees, compacted in their stored order, the rest zeroed:
// - the family unit, and the declarant of a declaration with neither spouse nor first child: every row;
// - the declarant and the spouse otherwise: the ascendants whose mark for that person is '1'; the descendants whose
//   mark for that person is '1' or blank and that are not a shared descendant with a mark box set (a shared one is
//   in situation '2' or born in 1982 or later; its mark boxes are the bytes at 63 and 64);
// - the children (and any other code): no row.
void SeleccionarFilasFamiliares(const RegIdentificacion& identificacion, int sujeto, bool hayConyugeOHijo,
                                TablaDescendientes& descendientes, TablaAscendientes& ascendientes);

// The name of a person as the page header composes it: first surname, second surname and name, each without its
// trailing blanks, the surnames joined by a blank and the name after ", " (only when there is a name).
std::string NombreCompuesto(const RegIdentificacion& identificacion, int sujeto);

// What the rules read besides the data area.
struct SContextoValidacion {
  int sujeto = 2;                 // the person shown, 1 to 5; any other code checks nothing
  const TablaDescendientes* descendientes = nullptr;  // the lists of the person shown; none: not checked
  const TablaAscendientes* ascendientes = nullptr;
};

// The findings of the declaration for the person shown, in the order they are to be written (a code may come more
// than once: the table keeps the last). Identification of the person (page 1), the children's data, work income
// against the holder's age (page 2) and the rows of the family lists.
std::vector<marco::SHallazgo> ReglasDeclaracion(const DatosRenta& datos, const SContextoValidacion& contexto);

// Whether any of the findings is an error (severity 1 or more).
bool HayErrores(const std::vector<marco::SHallazgo>& hallazgos);

}  // namespace renta
