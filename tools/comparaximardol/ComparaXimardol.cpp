// compara_ximardol: recalculates the same altered declarations with two builds of the calculation library and
// compares the whole data areas byte for byte. A change meant to make the library faster must give 0 differences
// against the build before it.
//
//   compara_ximardol <reference.so> <candidate.so> [cases] [from length]
//
// Each income-tax case starts from the sample declaration (every fifth from an empty area) and alters bytes: amounts
// of several kinds at 8-byte places, member codes, digits and blanks, dates and years, any byte. With `from length`
// only that stretch of the income-tax area is altered (one block, to reach its rows more often) and the wealth tax is
// left out. Exit status: 0 when every area is equal, 1 when some differ, 2 on a usage or loading error.
#include <dlfcn.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string_view>

#include "DeclaracionEjemplo.h"
#include "recalculo/Recalculo.h"

namespace {

struct Biblioteca {
  recalculo::FuncionesRenta renta;
  recalculo::FuncionesPatrimonio patrimonio;
};

void* Simbolo(void* biblioteca, const char* nombre) {
  void* simbolo = dlsym(biblioteca, nombre);
  if (simbolo == nullptr) {
    std::fprintf(stderr, "compara_ximardol: %s is missing\n", nombre);
    std::exit(2);
  }
  return simbolo;
}

#define RENTA(x) reinterpret_cast<decltype(&Calculos100##x)>(Simbolo(h, "Calculos100" #x))
#define PATRIMONIO(x) reinterpret_cast<decltype(&Calculos714##x)>(Simbolo(h, "Calculos714" #x))

// Each build is loaded apart (RTLD_LOCAL), so the two libraries' names never mix.
Biblioteca Carga(const char* ruta) {
  void* h = dlopen(ruta, RTLD_NOW | RTLD_LOCAL);
  if (h == nullptr) {
    std::fprintf(stderr, "compara_ximardol: %s\n", dlerror());
    std::exit(2);
  }
  return {{RENTA(A), RENTA(B1), RENTA(C), RENTA(D), RENTA(D5), RENTA(E1), RENTA(F1), RENTA(F2), RENTA(F3), RENTA(F4),
           RENTA(H), RENTA(I), RENTA(J), RENTA(K), RENTA(LI1), RENTA(LI2), RENTA(LI3), RENTA(M), RENTA(M4), RENTA(N)},
          {PATRIMONIO(A), PATRIMONIO(B), PATRIMONIO(C1), PATRIMONIO(C2), PATRIMONIO(D), PATRIMONIO(E), PATRIMONIO(F1),
           PATRIMONIO(F2), PATRIMONIO(G1), PATRIMONIO(G2), PATRIMONIO(G3), PATRIMONIO(G4), PATRIMONIO(H1),
           PATRIMONIO(H2), PATRIMONIO(I), PATRIMONIO(J), PATRIMONIO(K), PATRIMONIO(L), PATRIMONIO(M), PATRIMONIO(N),
           PATRIMONIO(O), PATRIMONIO(P), PATRIMONIO(Q), PATRIMONIO(DEUDAS), PATRIMONIO(DP), PATRIMONIO(LI),
           PATRIMONIO(DI)}};
}

#undef RENTA
#undef PATRIMONIO

// The stretch of the area the alterations fall in.
struct Tramo {
  std::size_t desde;
  std::size_t largo;
};

double ImporteAlAzar(std::mt19937_64& azar) {
  switch (azar() % 5) {
    case 0: return static_cast<double>(static_cast<long>(azar() % 20000000) - 2000000);
    case 1: return static_cast<double>(static_cast<long>(azar() % 2000000) - 200000) / 100.0;
    case 2: return static_cast<double>(azar() % 200);
    case 3: return static_cast<double>(azar() % 10000) + 0.5;
    default: return static_cast<double>(azar() % 101) * 0.01 * static_cast<double>(azar() % 3000000);
  }
}

void Altera(unsigned char* area, std::size_t tamano, Tramo tramo, std::mt19937_64& azar, int cambios) {
  for (int i = 0; i < cambios; ++i) {
    const std::size_t posicion = tramo.desde + azar() % tramo.largo;
    switch (azar() % 8) {
      case 0:
      case 1:
      case 2: {
        const std::size_t alineada = posicion & ~std::size_t{7};
        const double importe = ImporteAlAzar(azar);
        if (alineada + sizeof importe <= tamano) std::memcpy(area + alineada, &importe, sizeof importe);
        break;
      }
      case 3:
      case 4: area[posicion] = static_cast<unsigned char>(azar() % 7); break;
      case 5: area[posicion] = static_cast<unsigned char>("0123456789 X12"[azar() % 14]); break;
      case 6: area[posicion] = static_cast<unsigned char>(azar()); break;
      default: {
        const std::string_view texto = azar() % 2 ? "15061999" : "1950";
        if (posicion + texto.size() <= tamano) std::memcpy(area + posicion, texto.data(), texto.size());
        break;
      }
    }
  }
}

std::size_t PrimeraDiferencia(const void* a, const void* b, std::size_t tamano) {
  const auto* x = static_cast<const unsigned char*>(a);
  const auto* y = static_cast<const unsigned char*>(b);
  std::size_t i = 0;
  while (i < tamano && x[i] == y[i]) ++i;
  return i;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4 && argc != 6) {
    std::fprintf(stderr, "usage: compara_ximardol <reference.so> <candidate.so> [cases] [from length]\n");
    return 2;
  }
  const Biblioteca referencia = Carga(argv[1]);
  const Biblioteca candidata = Carga(argv[2]);
  const int casos = argc > 3 ? std::atoi(argv[3]) : 2000;
  Tramo tramo{0, sizeof(DatosRenta)};
  const bool soloTramo = argc == 6;
  if (soloTramo) {
    tramo = {std::strtoul(argv[4], nullptr, 10), std::strtoul(argv[5], nullptr, 10)};
    if (tramo.largo == 0 || tramo.desde >= sizeof(DatosRenta) || tramo.largo > sizeof(DatosRenta) - tramo.desde) {
      std::fprintf(stderr, "compara_ximardol: the stretch must lie inside the %zu bytes of the area\n",
                   sizeof(DatosRenta));
      return 2;
    }
  }

  int diferentes = 0;
  auto a = std::make_unique<DatosRenta>();
  auto b = std::make_unique<DatosRenta>();
  for (int caso = 0; caso < casos; ++caso) {
    std::mt19937_64 azar(static_cast<std::uint64_t>(caso));
    recalculo::ejemplo::RellenaDeclaracion(*a);
    auto* bytes = reinterpret_cast<unsigned char*>(a.get());
    if (caso > 0) Altera(bytes, sizeof(DatosRenta), tramo, azar, 1 + static_cast<int>(azar() % 400));
    if (caso % 5 == 4) {
      std::memset(bytes, 0, sizeof(DatosRenta));
      Altera(bytes, sizeof(DatosRenta), tramo, azar, soloTramo ? 600 : 3000);
    }
    std::memcpy(b.get(), a.get(), sizeof(DatosRenta));
    std::array<double, 5> personasA{};
    std::array<double, 5> personasB{};
    for (int vez = 0; vez < 2; ++vez) {  // twice: the second starts from the first one's results
      recalculo::RecalcularRenta(*a, personasA, referencia.renta);
      recalculo::RecalcularRenta(*b, personasB, candidata.renta);
    }
    if (std::memcmp(a.get(), b.get(), sizeof(DatosRenta)) != 0 ||
        std::memcmp(personasA.data(), personasB.data(), sizeof personasA) != 0) {
      if (++diferentes <= 10) {
        std::printf("income tax, case %d: differs at byte %zu\n", caso,
                    PrimeraDiferencia(a.get(), b.get(), sizeof(DatosRenta)));
      }
    }
  }

  if (!soloTramo) {
    auto pa = std::make_unique<DatosPatrimonio>();
    auto pb = std::make_unique<DatosPatrimonio>();
    for (int caso = 0; caso < casos; ++caso) {
      std::mt19937_64 azar(static_cast<std::uint64_t>(caso) + 1000000);
      std::memset(pa.get(), 0, sizeof(DatosPatrimonio));
      Altera(reinterpret_cast<unsigned char*>(pa.get()), sizeof(DatosPatrimonio), {0, sizeof(DatosPatrimonio)}, azar,
             50 + static_cast<int>(azar() % 2000));
      std::memcpy(pb.get(), pa.get(), sizeof(DatosPatrimonio));
      recalculo::RecalcularPatrimonio(*pa, true, referencia.patrimonio);
      recalculo::RecalcularPatrimonio(*pb, true, candidata.patrimonio);
      if (std::memcmp(pa.get(), pb.get(), sizeof(DatosPatrimonio)) != 0 && ++diferentes <= 20) {
        std::printf("wealth tax, case %d: differs at byte %zu\n", caso,
                    PrimeraDiferencia(pa.get(), pb.get(), sizeof(DatosPatrimonio)));
      }
    }
  }
  std::printf("%d cases, %d different\n", casos, diferentes);
  return diferentes == 0 ? 0 : 1;
}
