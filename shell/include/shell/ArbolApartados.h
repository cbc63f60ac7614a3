// The tree of sections: the pages of the catalogue grouped by form (D-101, D-100, D-714), each with its title in
// the interface language. Choosing a page asks the main frame to go to it (IrAApartado.h).
#pragma once

#include <string>
#include <vector>

namespace marco {
class CBaseDatos;
}

namespace shell {

struct SApartado {
  int idPagina = 0;
  int tipoDec = 0;
  std::string titulo;  // Windows-1252
};

// The form group of a declaration type, as the section bar selects it: 300 for D-714 (3), 100 for D-101 (1),
// 200 for anything else.
int GrupoApartados(int tipoDec);
// The form group of a page id (its hundreds) and its number within its form.
inline int GrupoDePagina(int idPagina) { return idPagina / 100 * 100; }
inline int NumeroEnFormulario(int idPagina) { return idPagina % 100; }
// Whether a catalogue page is one of the screen pages of its form (D-101 1-7, D-100 1-17, D-714 1-12); the printed
// pages (the first printed page 222, the printed identification pages 110 and 220, the second payment copy 218) are
// never shown, so the tree does not list them.
bool EsPaginaDePantalla(int idPagina);
// Whether a screen page belongs to the pages of form group `grupo` (100, 200, 300): its own group's, and for the
// D-101 also the D-100's page 17 (payment and refund), which is the last page of both income-tax forms.
bool PaginaDelGrupo(int idPagina, int grupo);
// The number a page of group `grupo` has in that form: page 17 of the D-100 is page 8 of the D-101.
int NumeroEnGrupo(int idPagina, int grupo);

// The pages of the catalogue (table Paginasx of `local`, titles from its twin of `idioma`) in key order. A
// missing table gives no pages; a missing twin or row gives empty titles. Nothing is shown to the user.
std::vector<SApartado> LeerApartados(marco::CBaseDatos* local, char idioma);

}  // namespace shell
