// Redondea and Trunc, skipped for an amount of zero. Redondea gives +0.0 for 0.0 and for -0.0 (the integer part
// of either is a zero, the fraction +0.0, and adding 0.0 drops the sign), and Trunc gives a zero back as it is
// (a zero scales to the same zero and has no fraction); most slots of a declaration are zero, and the test costs less
// than splitting the value.
#pragma once

#include <cstddef>

#include "Ayudas.h"

namespace ximardol {

inline double RedondeaSinCeros(double valor) { return valor == 0.0 ? 0.0 : Redondea(valor); }

inline ImportesMiembro RedondeaSinCeros(const ImportesMiembro& importes) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = RedondeaSinCeros(importes[k]);
  return r;
}

inline double TruncSinCeros(double valor, int decimales) { return valor == 0.0 ? valor : Trunc(valor, decimales); }

}  // namespace ximardol
