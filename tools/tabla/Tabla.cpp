// tabla: builds a table from its text source, dumps it, adds a tag, rebuilds the tags.
//   tabla crear <source.txt> <table.DBF>
//   tabla volcar <table.DBF> [<out.txt>]
//   tabla etiqueta <table.DBF> <name> <key expression>
//   tabla reindexar <table.DBF>
// Texts on the command line and in the files are UTF-8; the table holds Windows-1252. Exit status 0 when done.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include "platform/Registros.h"
#include "platform/TablaTexto.h"
#include "platform/Texto.h"

using namespace plataforma;

namespace {

int Falla(const std::string& que) {
  std::cerr << "tabla: " << que << "\n";
  return 1;
}

int Uso() {
  std::cerr << "uso: tabla crear <fuente.txt> <tabla.DBF>\n"
               "     tabla volcar <tabla.DBF> [<salida.txt>]\n"
               "     tabla etiqueta <tabla.DBF> <nombre> <expresión>\n"
               "     tabla reindexar <tabla.DBF>\n";
  return 2;
}

int Crear(const std::string& fuente, const std::string& destino) {
  std::ifstream entrada(fuente, std::ios::binary);
  if (!entrada) return Falla("no se puede leer " + fuente);
  const std::string texto((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
  CFuenteTabla f;
  std::string error;
  if (!LeeFuenteTabla(texto, f, error)) return Falla(fuente + ": " + error);
  if (!CreaTablaDeFuente(f, destino, error)) return Falla(fuente + ": " + error);
  return 0;
}

int Volcar(const std::string& tabla, const char* salida) {
  CFuenteTabla f;
  std::string error;
  if (!LeeTablaComoFuente(tabla, f, error)) return Falla(error);
  const std::string texto = EscribeFuenteTabla(f);
  if (salida == nullptr) {
    std::cout << texto;
    return std::cout.good() ? 0 : 1;
  }
  std::ofstream out(salida, std::ios::binary | std::ios::trunc);
  out << texto;
  return out.good() ? 0 : Falla(std::string("no se puede escribir ") + salida);
}

int Etiqueta(const std::string& tabla, const std::string& nombre, const std::string& expresion) {
  std::string error;
  auto t = CTablaRegistros::Abrir(tabla, {}, 1, &error);
  if (!t) return Falla(error);
  const std::string e = Utf8ACp1252(expresion);
  if (Cp1252AUtf8(e) != expresion) return Falla("la expresión tiene caracteres sin equivalente en Windows-1252");
  if (!t->CrearIndice(nombre, e)) return Falla(t->UltimoError());
  return 0;
}

int Reindexar(const std::string& tabla) {
  std::string error;
  auto t = CTablaRegistros::Abrir(tabla, {}, 1, &error);
  if (!t) return Falla(error);
  if (!t->BloquearFichero()) return Falla("la tabla está bloqueada por otro proceso");
  if (!t->Reindexar()) return Falla(t->UltimoError());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Uso();
  const std::string_view orden = argv[1];
  if (orden == "crear" && argc == 4) return Crear(argv[2], argv[3]);
  if (orden == "volcar" && (argc == 3 || argc == 4)) return Volcar(argv[2], argc == 4 ? argv[3] : nullptr);
  if (orden == "etiqueta" && argc == 5) return Etiqueta(argv[2], argv[3], argv[4]);
  if (orden == "reindexar" && argc == 3) return Reindexar(argv[2]);
  return Uso();
}
