// Cutting to decimals. `Redondea` and the split of a value into its integer part and fraction are inline in
// Ayudas.h.
#include <cmath>

#include "Ayudas.h"

namespace {

// The cut of a finite scaled value: its integer part, or the next whole unit away from zero when the fraction is
// short of it by less than 1e-7, over the scale.
inline double CortaEscalado(double x, double escala) {
  const ximardol::PartesValor partes = ximardol::Separa(x);
  if (partes.fraccion > 0.9999999) return (partes.entero + 1.0) / escala;
  if (partes.fraccion < -0.9999999) return (partes.entero - 1.0) / escala;
  return partes.entero / escala;
}

}  // namespace

// The value is scaled and stored as a double before it is split, so that the binary error of a value like 0.29
// (28.999999999999996 once scaled) shows as a fraction just short of a whole unit; such a fraction counts as the
// whole unit, on either side of zero. A value that does not scale to a finite double is returned as it is.
//
// Up to 4 decimals the value times 10^decimales is one product of two doubles: the exact product of a double and
// 10^4 has at most 63 significant bits, so scaling in extended precision and storing as a double gives the same
// double as the one rounded product, and the amounts take that short path. More decimals scale in extended
// precision one factor of ten at a time, as they always have.
extern "C" double Trunc(double valor, int decimales) {
  static constexpr double Escalas[] = {1.0, 10.0, 100.0, 1000.0, 10000.0};
  if (decimales <= 4) {
    const double escala = Escalas[decimales < 0 ? 0 : decimales];
    const double x = valor * escala;
    if (!std::isfinite(x)) return valor;
    return CortaEscalado(x, escala);
  }
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
  return CortaEscalado(x, escala);
}
