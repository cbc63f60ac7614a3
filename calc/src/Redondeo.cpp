// Rounding to a whole unit and cutting to decimals.
#include <cmath>

#include "Ayudas.h"

namespace ximardol {

double Redondea(double valor) {
  double entero = 0.0;
  const double fraccion = std::modf(valor, &entero);
  if (fraccion >= 0.5) entero += 1.0;
  return entero + 0.0;  // -0.5 gives 0, not -0
}

ImportesMiembro Redondea(const ImportesMiembro& importes) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = Redondea(importes[k]);
  return r;
}

}  // namespace ximardol

// The value is scaled in extended precision and stored as a double before it is split, so that the binary error of
// a value like 0.29 (28.999999999999996 once scaled) shows as a fraction just short of a whole unit; such a fraction
// counts as the whole unit, on either side of zero.
extern "C" double Trunc(double valor, int decimales) {
  long double escalado = valor;
  long double escalaLarga = 1.0L;
  // Past a few hundred decimals the scale is no longer a double and the value is returned as it is.
  for (int i = 0; i < decimales && i < 400; ++i) {
    escalado *= 10.0L;
    escalaLarga *= 10.0L;
  }
  const double x = static_cast<double>(escalado);
  const double escala = static_cast<double>(escalaLarga);
  if (!std::isfinite(x) || !std::isfinite(escala)) return valor;  // more decimals than a double holds
  double entero = 0.0;
  const double fraccion = std::modf(x, &entero);
  if (fraccion > 0.9999999) return (entero + 1.0) / escala;
  if (fraccion < -0.9999999) return (entero - 1.0) / escala;
  return entero / escala;
}
