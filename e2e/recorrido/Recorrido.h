// The walk over every box that takes input: for one page of an open declaration, each box its page source lists
// (not read-only, shown on screen) is reached with Tab and given, with real keys, what a person types into a box of
// its kind; what the box then shows and what the declaration's data area holds at the box's field are compared with
// what the box edits' rules promise. Detail boxes and the other boxes that open a dialog open it with a typed
// character; every dialog is walked with Tab and closed with Escape and with "Cancelar", which must change nothing.
//
// What each kind of box is given and what is expected of it: docs/RECORRIDO.md.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "Paginas.h"

namespace marco {
class CProg32Doc;
class CProg32View;
}  // namespace marco

namespace recorrido {

// Something the walk saw that the rules do not allow.
struct SFallo {
  int casilla = 0;      // the box number on the page (0: the page itself)
  std::string impreso;  // the number printed beside the box, when it has one
  std::string visto;    // what was seen
};

// A box the walk could not give its value, and why.
struct SSinCubrir {
  int casilla = 0;
  std::string motivo;
};

struct SResultadoPagina {
  std::string pagina;         // the page class, "ORD009"
  int casillasFuente = 0;     // boxes that take input in the page source
  int casillasCubiertas = 0;  // of those, the boxes the walk typed its values into (whatever it saw there)
  int dialogosFuente = 0;     // distinct windows the page source's input boxes name
  int dialogosCubiertos = 0;  // distinct windows whose dialog a box of the page opened and the walk walked (Tab,
                              // 10^12, Escape, Cancelar)
  std::vector<SFallo> fallos;
  std::vector<SSinCubrir> sinCubrir;
};

// The walk over page `numero` (1 first) of the document's page list, whose source is `fuente` and whose page id
// is `idPagina`; `nombre` names it ("ORD009"). A page other than the one shown is reached as a person reaches it:
// Ctrl+I, its number and Enter. The dialogs in `dialogosVistos` (by window) were walked already and are not again.
SResultadoPagina RecorrerPagina(marco::CProg32Doc& documento, int numero, int idPagina,
                                const e2e::CPaginaFuente& fuente, const std::string& nombre,
                                std::set<std::string>& dialogosVistos);

// The boxes of a page source that take input: not read-only and drawn on screen.
std::vector<e2e::SCasillaPagina> CasillasDeEntrada(const e2e::CPaginaFuente& fuente);

}  // namespace recorrido
