// An amount of each person of the family unit: slot 0 the total of the unit, then one slot per person in the order
// of the person codes (slot = code - 1). Arithmetic on these arrays is slot by slot.
#pragma once

#include <array>
#include <cstddef>

namespace ximardol {

// Person codes (`CodigoSujeto`).
namespace Sujeto {
inline constexpr int UnidadFamiliar = 1;  // common to the couple: split half and half between declarant and spouse
inline constexpr int Declarante = 2;
inline constexpr int Conyuge = 3;
inline constexpr int PrimerHijo = 4;
inline constexpr int SegundoHijo = 5;
}  // namespace Sujeto

// Five doubles: total, declarant, spouse, first child, second child. A plain aggregate of 40 bytes, read from and
// written to the blocks whole (`CampoMiembro`). `ImportesMiembro{}` is all zeros; `ImportesMiembro{t, d, c, h1, h2}`
// fills the slots in order.
struct ImportesMiembro : std::array<double, 5> {};

static_assert(sizeof(ImportesMiembro) == 5 * sizeof(double));

inline ImportesMiembro operator+(const ImportesMiembro& a, const ImportesMiembro& b) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = a[k] + b[k];
  return r;
}

inline ImportesMiembro operator-(const ImportesMiembro& a, const ImportesMiembro& b) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = a[k] - b[k];
  return r;
}

// Every slot times the same factor.
inline ImportesMiembro operator*(double factor, const ImportesMiembro& a) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = factor * a[k];
  return r;
}

}  // namespace ximardol
