// The two lists the walk answers to, kept in docs/RECORRIDO.md where a reader finds them: the boxes the walk cannot
// give a value (with the reason), and the known failures (page, box, the fault they belong to) that the walk reports
// without failing until their fix is in and the entry is taken out.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace recorrido {

struct SEntradaLista {
  std::string pagina;  // "ORD010"
  int casilla = 0;     // the box number on the page; 0 the page itself
  std::string texto;   // the reason, or the number of the fault
};

struct SListasRecorrido {
  std::vector<SEntradaLista> sinCubrir;
  std::vector<SEntradaLista> conocidos;
  // Whether either section was found in the document.
  bool leida = false;
};

// The tables under "## Casillas que el recorrido no cubre" and "## Fallos conocidos" of the document: rows
// "| page | box | text |" (the heading row and the rule under it are skipped).
SListasRecorrido LeerListas(const std::filesystem::path& documento);

}  // namespace recorrido
