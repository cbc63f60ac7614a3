// paginas: turns the page sources (docs/PAGINAS.md) into the box and page tables and the page pictures.
//   paginas construir [--fuentes] <folder> <page.txt>...   builds ControlX, Paginasx, their twins and the pictures
//   paginas comprobar <page.txt>...                        reads and lays the pages out, writes nothing
// With --fuentes the text source of every table is written beside it (for review; the build does not need them).
// Errors go to stderr as "paginas: <source>: línea N: what"; the exit status is then nonzero.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "FuentePagina.h"
#include "TablasPagina.h"

namespace {

int Falla(const std::string& que) {
  std::cerr << "paginas: " << que << "\n";
  return 1;
}

int Uso() {
  std::cerr << "uso: paginas construir [--fuentes] <carpeta> <pagina.txt>...\n"
               "     paginas comprobar <pagina.txt>...\n";
  return 2;
}

bool Lee(const std::vector<std::string>& ficheros, std::vector<paginas::CPagina>& leidas, std::string& error) {
  for (const std::string& fichero : ficheros) {
    std::ifstream entrada(fichero, std::ios::binary);
    if (!entrada) {
      error = "no se puede leer " + fichero;
      return false;
    }
    const std::string texto((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
    paginas::CPagina p;
    if (!paginas::LeePagina(texto, fichero, p, error)) return false;
    leidas.push_back(std::move(p));
  }
  return paginas::PreparaPaginas(leidas, error);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Uso();
  const std::string orden = args.front();
  args.erase(args.begin());
  bool fuentes = false;
  if (!args.empty() && args.front() == "--fuentes") {
    fuentes = true;
    args.erase(args.begin());
  }
  std::string carpeta;
  if (orden == "construir") {
    if (args.empty()) return Uso();
    carpeta = args.front();
    args.erase(args.begin());
  } else if (orden != "comprobar" || fuentes) {
    return Uso();
  }
  if (args.empty()) return Uso();

  std::vector<paginas::CPagina> leidas;
  std::string error;
  if (!Lee(args, leidas, error)) return Falla(error);
  if (orden == "construir" && !paginas::ConstruyePaginas(leidas, carpeta, fuentes, error)) return Falla(error);
  return 0;
}
