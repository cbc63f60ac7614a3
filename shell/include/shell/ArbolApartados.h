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

// The pages of the catalogue (table Paginasx of `local`, titles from its twin of `idioma`) in key order. A
// missing table gives no pages; a missing twin or row gives empty titles. Nothing is shown to the user.
std::vector<SApartado> LeerApartados(marco::CBaseDatos* local, char idioma);

}  // namespace shell
