// A second process for the record engine's tests.
//   bloquear <table> <record>   locks the record, writes "LISTO" (or "FALLO"), holds it until stdin closes
//   bloquear-fichero <table>    the same with a lock of the whole table
//   bloquear-altas <table>      the same with the adders' lock
//   retener <table> <how>       holds a write transaction of the database itself ("inmediato": others may read,
//                               "exclusivo": nobody may), writes "LISTO", until stdin closes
//   escribir-sin-fin <table>    rewrites record 1 without pause (writes "LISTO" after the first), until killed
//   tortura <table> <seed>      appends and rewrites rows without end ("LISTO" after the first), until killed
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <sqlite3.h>

#include "platform/Numeros.h"
#include "platform/Registros.h"

using plataforma::CTablaRegistros;

namespace {

int Esperar(bool bien) {
  std::fputs(bien ? "LISTO\n" : "FALLO\n", stdout);
  std::fflush(stdout);
  char buf[64];
  while (std::fgets(buf, sizeof buf, stdin) != nullptr) {
  }
  return bien ? 0 : 1;
}

// The bytes of value v: its 12 digits, then a pattern that depends on v, of a length that depends on v.
std::string Contenido(long v) {
  std::string s = std::to_string(v);
  s.insert(0, 12 - s.size(), '0');
  const std::size_t largo = 2000 + static_cast<std::size_t>(v % 7000);
  while (s.size() < largo) s.push_back(static_cast<char>((v * 31 + static_cast<long>(s.size()) * 7) & 0xff));
  return s;
}

int Tortura(const char* fichero, long semilla) {
  auto t = CTablaRegistros::Abrir(fichero);
  if (!t) return 2;
  t->PonerEsperaOcupado(60000);
  std::mt19937 azar(static_cast<unsigned>(semilla));
  bool avisado = false;
  for (long i = 1;; ++i) {
    const long v = semilla * 1000000 + i;
    const long ultimo = t->UltimoNumero();
    if (ultimo < 40 && azar() % 2 == 0) {
      if (t->Anadir() != plataforma::kAnadido) continue;
    } else if (ultimo > 0) {
      const long n = 1 + static_cast<long>(azar() % static_cast<unsigned>(ultimo));
      if (!t->IrA(n) || !t->BloquearRegistro(n)) continue;
    } else {
      continue;
    }
    const std::string datos = Contenido(v);
    std::string clave = "R" + std::to_string(v);
    t->EscribirBinario("DATOS", datos);
    t->PonerTexto("CLAVE", clave);
    t->PonerEntero("CUENTA", v % 100000);
    t->DesbloquearRegistro(t->NumeroRegistro());
    if (!avisado) {
      avisado = true;
      std::fputs("LISTO\n", stdout);
      std::fflush(stdout);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "bloquear") == 0) {
    auto t = CTablaRegistros::Abrir(argv[2]);
    return Esperar(t && t->BloquearRegistro(plataforma::LeeEntero(argv[3])));
  }
  if (argc >= 3 && std::strcmp(argv[1], "bloquear-fichero") == 0) {
    auto t = CTablaRegistros::Abrir(argv[2]);
    return Esperar(t && t->BloquearFichero());
  }
  if (argc >= 3 && std::strcmp(argv[1], "bloquear-altas") == 0) {
    auto t = CTablaRegistros::Abrir(argv[2]);
    return Esperar(t && t->BloquearAltas());
  }
  if (argc >= 4 && std::strcmp(argv[1], "retener") == 0) {
    sqlite3* bd = nullptr;
    const bool exclusivo = std::strcmp(argv[3], "exclusivo") == 0;
    const bool bien = sqlite3_open(argv[2], &bd) == SQLITE_OK &&
                      sqlite3_exec(bd, exclusivo ? "BEGIN EXCLUSIVE" : "BEGIN IMMEDIATE", nullptr, nullptr,
                                   nullptr) == SQLITE_OK;
    const int r = Esperar(bien);
    sqlite3_exec(bd, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(bd);
    return r;
  }
  if (argc >= 3 && std::strcmp(argv[1], "escribir-sin-fin") == 0) {
    auto t = CTablaRegistros::Abrir(argv[2]);
    if (!t) return 2;
    t->PonerEsperaOcupado(60000);
    for (long i = 0;; ++i) {
      if (!t->IrA(1) || !t->PonerEntero("CUENTA", i % 100000)) return 3;
      if (i == 0) {
        std::fputs("LISTO\n", stdout);
        std::fflush(stdout);
      }
    }
  }
  if (argc >= 4 && std::strcmp(argv[1], "tortura") == 0) return Tortura(argv[2], plataforma::LeeEntero(argv[3]));
  std::fputs("uso: registros_ayudante bloquear|bloquear-fichero|tortura ...\n", stderr);
  return 2;
}
