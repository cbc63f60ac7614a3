// paginas: turns the page sources (docs/PAGINAS.md) into the box and page tables and the page pictures.
//   paginas construir [--fuentes] [--traducciones <dir>] <folder> <page.txt>...
//                                  builds ControlX, Paginasx, their twins and the pictures
//   paginas comprobar [--traducciones <dir>] [--completas] <page.txt>...
//                                  reads and lays the pages out, writes nothing; with --completas also lists every
//                                  text without a translation into some language and fails when there is one
//   paginas textos <page.txt>...   writes the Castilian texts of the pages as a gettext template to stdout
// With --fuentes the text source of every table is written beside it (for review; the build does not need them).
// --traducciones names the folder of the language catalogs (ca.po, gl.po, ca@valencia.po; docs/PAGINAS.md).
// Errors go to stderr as "paginas: <source>: línea N: what"; the exit status is then nonzero.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "FuentePagina.h"
#include "TablasPagina.h"
#include "TraduccionesPagina.h"

namespace {

int Falla(const std::string& que) {
  std::cerr << "paginas: " << que << "\n";
  return 1;
}

int Uso() {
  std::cerr << "uso: paginas construir [--fuentes] [--traducciones <carpeta>] <carpeta> <pagina.txt>...\n"
               "     paginas comprobar [--traducciones <carpeta>] [--completas] <pagina.txt>...\n"
               "     paginas textos <pagina.txt>...\n";
  return 2;
}

bool LeeFichero(const std::string& fichero, std::string& texto, std::string& error) {
  std::ifstream entrada(fichero, std::ios::binary);
  if (!entrada) {
    error = "no se puede leer " + fichero;
    return false;
  }
  texto.assign(std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>());
  return true;
}

bool Lee(const std::vector<std::string>& ficheros, const std::string& traducciones, bool preparar,
         std::vector<paginas::CPagina>& leidas, std::string& error) {
  for (const std::string& fichero : ficheros) {
    std::string texto;
    if (!LeeFichero(fichero, texto, error)) return false;
    paginas::CPagina p;
    if (!paginas::LeePagina(texto, fichero, p, error)) return false;
    leidas.push_back(std::move(p));
  }
  if (!traducciones.empty()) {
    for (int k = 1; k < paginas::kNumIdiomas; ++k) {
      const std::string ruta =
          (std::filesystem::path(traducciones) / paginas::FicheroCatalogo(paginas::kIdiomas[static_cast<std::size_t>(k)]))
              .string();
      std::string texto;
      paginas::CCatalogo catalogo;
      if (!LeeFichero(ruta, texto, error) || !paginas::LeeCatalogo(texto, ruta, catalogo, error) ||
          !paginas::AplicaCatalogo(leidas, k, catalogo, error)) {
        return false;
      }
    }
  }
  return !preparar || paginas::PreparaPaginas(leidas, error);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return Uso();
  const std::string orden = args.front();
  args.erase(args.begin());
  bool fuentes = false;
  bool completas = false;
  std::string traducciones;
  while (!args.empty() && args.front().rfind("--", 0) == 0) {
    if (args.front() == "--fuentes" && orden == "construir") {
      fuentes = true;
    } else if (args.front() == "--completas" && orden == "comprobar") {
      completas = true;
    } else if (args.front() == "--traducciones" && orden != "textos" && args.size() > 1) {
      args.erase(args.begin());
      traducciones = args.front();
    } else {
      return Uso();
    }
    args.erase(args.begin());
  }
  std::string carpeta;
  if (orden == "construir") {
    if (args.empty()) return Uso();
    carpeta = args.front();
    args.erase(args.begin());
  } else if (orden != "comprobar" && orden != "textos") {
    return Uso();
  }
  if (args.empty()) return Uso();

  std::vector<paginas::CPagina> leidas;
  std::string error;
  if (orden == "textos") {
    if (!Lee(args, {}, false, leidas, error)) return Falla(error);
    std::cout << paginas::PlantillaTextos(leidas);
    return 0;
  }
  // The list of missing translations is made before laying out, which copies the pages written "COMO" another.
  if (!Lee(args, traducciones, false, leidas, error)) return Falla(error);
  const std::vector<std::string> faltan = paginas::TextosSinTraducir(leidas);
  if (!paginas::PreparaPaginas(leidas, error)) return Falla(error);
  if (completas && !faltan.empty()) {
    for (const std::string& f : faltan) std::cerr << "paginas: " << f << "\n";
    return Falla(std::to_string(faltan.size()) + " textos sin traducir");
  }
  if (orden == "construir" && !paginas::ConstruyePaginas(leidas, carpeta, fuentes, error)) return Falla(error);
  return 0;
}
