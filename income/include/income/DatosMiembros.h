// Whose data a declaration holds. The entries of a family unit's declaration carry the member they belong to in a
// member code byte (1 the family unit, split half and half between declarant and spouse; 2 declarant; 3 spouse; 4
// first child; 5 second child): the rows of work income, capital, activities, imputations, gains, plans,
// deductions and payments. This is the one table of those rows (GruposMiembro), with the D-100 page that enters the
// rows the simplified form has no box for; from it:
// - which form a person's data need (ModeloNecesarioDatos, PaginaSoloOrdinaria): D-100 as soon as any section that
//   only the ordinary form has holds data of the person;
// - whether a member the family data no longer include still has entries (TieneEntradasPropias), and the hand-over
//   of those entries to the declarant (PasarEntradasAlDeclarante), so that a member is never dropped with their
//   amounts.
// docs/FAMILIA.md lists the sections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "ximardol.h"

namespace renta {

// How a row shows that it holds data.
enum class EContenidoFila : std::uint8_t {
  Bytes,    // a byte of the row other than its member code that is neither NUL nor a blank
  Modulos,  // an activity by modules with its code (ActividadModulosRellena)
  Agraria,  // an agricultural activity with its code (ActividadAgrariaRellena)
};

// One table of member-coded rows of DatosRenta.
struct SGrupoMiembro {
  std::string_view nombre;  // the section, as docs/FAMILIA.md names it
  std::size_t desp;         // the first row, from the start of DatosRenta
  std::size_t paso;         // from one row to the next
  std::size_t filas;
  std::size_t codigo;       // the member code within the row
  std::size_t ancho;        // the bytes of the row that hold its data, the code's included
  int paginaOrdinaria;      // the D-100 page that enters it when the simplified form has no box for it, else 0
  EContenidoFila contenido = EContenidoFila::Bytes;
};
std::span<const SGrupoMiembro> GruposMiembro();

// Whether a row whose member code is `codigo` holds data of person `sujeto`: for the family unit (1) the rows of
// every member (codes 1 to 5); for the declarant and the spouse their own and the family unit's (split between
// them); for a child only its own.
bool FilaDelSujeto(unsigned char codigo, int sujeto);

// The D-100 page of the first section that only the ordinary form has and that holds data of `sujeto` (1 to 5;
// the family unit: anyone's): the member-coded rows of GruposMiembro, the other income of page 4 (typed per
// declarant and spouse), the entities of page 11 and the amounts of section M4 the calculation asked (`importeM4`,
// the person's element of the M4 working block). 0 when none does, or for another code.
int PaginaSoloOrdinaria(const DatosRenta& datos, int sujeto, double importeM4);
// 2 when the person's data need the ordinary form D-100 (PaginaSoloOrdinaria), else 1.
int ModeloNecesarioDatos(const DatosRenta& datos, int sujeto, double importeM4);

// Whether the data area holds entries of member `sujeto` (2 to 5) under its own code (or, for the spouse, other
// income typed as the spouse's).
bool TieneEntradasPropias(const DatosRenta& datos, int sujeto);
// Every entry of member `sujeto` (3 to 5) becomes the declarant's: its code turns to 2, the spouse's other income
// of page 4 is added to the declarant's. Nothing for another code.
void PasarEntradasAlDeclarante(DatosRenta& datos, int sujeto);

}  // namespace renta
