// The rows of a block as most declarations leave them, empty: the member arrays of member-coded rows, read column by
// column with constant offsets, where a row without a member code costs only the test of its code (the arrays are
// the same doubles as those of `RepartirFilas`); and the test of a row whose bytes are all zero.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "Acceso.h"
#include "Ayudas.h"

namespace ximardol {

// The member arrays of several amount columns of the same member-coded rows, as `RepartirFilas` gives each one:
// every amount added in row order with `SumaImporteMiembro`. One pass reads each code once, and a row whose code
// is not a member (1 to 5) adds nothing, so its amounts are not read. The columns are template arguments so that
// their offsets are constants.
template <auto miembro, auto... importes, typename Bloque>
std::array<ImportesMiembro, sizeof...(importes)> RepartirFilasJuntas(const Bloque* bloque) {
  static_assert(std::is_same_v<decltype(miembro), const Columna<Bloque, std::uint8_t>>);
  static_assert(((importes.cuantos == miembro.cuantos) && ...));
  std::array<ImportesMiembro, sizeof...(importes)> grupos{};
  for (std::size_t i = 0; i < miembro.cuantos; ++i) {
    const std::uint8_t codigo = Lee(bloque, miembro, i);
    if (codigo < Sujeto::UnidadFamiliar || codigo > Sujeto::SegundoHijo) continue;
    std::size_t k = 0;
    (SumaImporteMiembro(grupos[k++], codigo, Lee(bloque, importes, i)), ...);
  }
  return grupos;
}

// One column: the same array as `RepartirFilas`.
template <auto miembro, auto importe, typename Bloque>
ImportesMiembro RepartirFilasMiembro(const Bloque* bloque) {
  return RepartirFilasJuntas<miembro, importe>(bloque)[0];
}

// True when every byte of row `fila` of `filas` is zero. The bytes are added up whole, with no early stop, so that
// the loop runs on wide registers.
template <auto filas, typename Bloque>
bool FilaACero(const Bloque* bloque, std::size_t fila) {
  static_assert(filas.paso % sizeof(std::uint64_t) == 0);
  const unsigned char* inicio = bloque->octetos + filas.Desplazamiento(fila);
  std::uint64_t bits = 0;
#pragma GCC unroll 16
  for (std::size_t i = 0; i < filas.paso; i += sizeof(std::uint64_t)) {
    std::uint64_t palabra;
    std::memcpy(&palabra, inicio + i, sizeof palabra);
    bits |= palabra;
  }
  return bits == 0;
}

}  // namespace ximardol
