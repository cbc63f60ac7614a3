// Member-coded rows read over columns fixed when the code compiles, as most declarations leave them: empty.
// `RepartirFilas` (Ayudas.h) takes its columns at run time and loops over them in a function of its own; with the
// columns as template arguments the rows unroll in place, a row whose code is not a person costs one test (its amounts
// are not read), and several amount columns of the same rows are read in one pass. The additions are those of
// `RepartirFilas`, in the same order, so the arrays are the same doubles. Also the test of a row whose bytes are all
// zero.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "Acceso.h"
#include "Ayudas.h"

namespace ximardol {

// Calls `cadaFila(codigo, fila)` for each row whose code is a person code (1 to 5), in row order. A row with any
// other code adds nothing in `SumaImporteMiembro`, so it is skipped.
template <auto Codigos, typename Bloque, typename Funcion>
inline void ParaCadaFilaConMiembro(const Bloque* bloque, Funcion&& cadaFila) {
  for (std::size_t fila = 0; fila < Codigos.cuantos; ++fila) {
    const std::uint8_t codigo = Lee(bloque, Codigos, fila);
    if (codigo >= Sujeto::UnidadFamiliar && codigo <= Sujeto::SegundoHijo) cadaFila(static_cast<int>(codigo), fila);
  }
}

// The member arrays of several amount columns of the same member-coded rows, as `RepartirFilas` gives each one, in
// one pass that reads each code once.
template <auto Codigos, auto... Importes, typename Bloque>
std::array<ImportesMiembro, sizeof...(Importes)> RepartirFilasJuntas(const Bloque* bloque) {
  static_assert(std::is_same_v<decltype(Codigos), const Columna<Bloque, std::uint8_t>>);
  static_assert(((Importes.cuantos == Codigos.cuantos) && ...));
  std::array<ImportesMiembro, sizeof...(Importes)> grupos{};
  ParaCadaFilaConMiembro<Codigos>(bloque, [&](int codigo, std::size_t fila) {
    std::size_t k = 0;
    (SumaImporteMiembro(grupos[k++], codigo, Lee(bloque, Importes, fila)), ...);
  });
  return grupos;
}

// One column: `RepartirFilas` over fixed columns.
template <auto Codigos, auto Importes, typename Bloque>
inline ImportesMiembro RepartirFilasFijas(const Bloque* bloque) {
  ImportesMiembro importes{};
  ParaCadaFilaConMiembro<Codigos>(bloque, [&](int codigo, std::size_t fila) {
    SumaImporteMiembro(importes, codigo, Lee(bloque, Importes, fila));
  });
  return importes;
}

// True when the `Palabras` 8-byte words from `inicio` are all zero. The words are added up whole, with no early stop,
// so that the loop runs on wide registers.
template <std::size_t Palabras>
bool PalabrasACero(const unsigned char* inicio) {
  std::uint64_t bits = 0;
#pragma GCC unroll 16
  for (std::size_t i = 0; i < Palabras; ++i) {
    std::uint64_t palabra;
    std::memcpy(&palabra, inicio + i * sizeof palabra, sizeof palabra);
    bits |= palabra;
  }
  return bits == 0;
}

// True when every byte of row `fila` of `filas` is zero.
template <auto filas, typename Bloque>
bool FilaACero(const Bloque* bloque, std::size_t fila) {
  static_assert(filas.paso % sizeof(std::uint64_t) == 0);
  return PalabrasACero<filas.paso / sizeof(std::uint64_t)>(bloque->octetos + filas.Desplazamiento(fila));
}

}  // namespace ximardol
