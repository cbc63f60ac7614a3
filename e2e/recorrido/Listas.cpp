#include "Listas.h"

#include <fstream>

namespace recorrido {

namespace {

std::string Recortar(std::string t) {
  const std::size_t i = t.find_first_not_of(" \t");
  if (i == std::string::npos) return {};
  const std::size_t f = t.find_last_not_of(" \t\r");
  return t.substr(i, f - i + 1);
}

// The cells of a table row "| a | b | c |"; none for a line that is not one.
std::vector<std::string> Celdas(const std::string& linea) {
  std::vector<std::string> celdas;
  const std::string t = Recortar(linea);
  if (t.size() < 2 || t.front() != '|' || t.back() != '|') return celdas;
  std::size_t inicio = 1;
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (t[i] != '|') continue;
    celdas.push_back(Recortar(t.substr(inicio, i - inicio)));
    inicio = i + 1;
  }
  return celdas;
}

}  // namespace

SListasRecorrido LeerListas(const std::filesystem::path& documento) {
  SListasRecorrido listas;
  std::ifstream entrada(documento);
  std::string linea;
  std::vector<SEntradaLista>* actual = nullptr;
  while (std::getline(entrada, linea)) {
    if (linea.rfind("## ", 0) == 0) {
      const std::string titulo = Recortar(linea.substr(3));
      actual = titulo == "Casillas que el recorrido no cubre" ? &listas.sinCubrir
               : titulo == "Fallos conocidos"                 ? &listas.conocidos
                                                              : nullptr;
      if (actual != nullptr) listas.leida = true;
      continue;
    }
    if (actual == nullptr) continue;
    const std::vector<std::string> c = Celdas(linea);
    if (c.size() < 3 || c[1].empty() || c[1].find_first_not_of("0123456789") != std::string::npos) continue;
    actual->push_back({c[0], std::stoi(c[1]), c[2]});
  }
  return listas;
}

}  // namespace recorrido
