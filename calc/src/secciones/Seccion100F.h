// What sections F2 and F3 share: the presence of a date, the update coefficients by year, the reduction
// coefficient by years held, and the share of a row's result and the old-asset prorating.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Acceso.h"
#include "Ayudas.h"

namespace ximardol {

// A date field holds a date when it is not empty, does not begin with a blank and is not the all-zero date (an
// empty date box may leave any of the three). Inline: each row of F2 and F3 asks it of its dates on every call.
inline bool HayFecha(std::string_view fecha) {
  return !fecha.empty() && fecha.front() != ' ' && fecha != "00000000";
}

// Update coefficient of the old-asset rule: 1.889 for a date before 1 January 1984, then by its year from 1.715
// (1984) down to 1.0 (1999). A later year is not updated (1.0); a text that cannot be split gives 0.
double CoeficienteActualizacionAntiguo(std::string_view fecha);

// Update coefficient of the plain rule by the year of the date: 1.038 up to 1994, then 1.097, 1.059, 1.038, 1.018
// and 1.0 (1999). A later year is not updated (1.0); a text that cannot be split gives 0.
double CoeficienteActualizacion(std::string_view fecha);

// Reduction coefficient for n years held (whole years plus one for a part of a year): 0.04 up to one year, 1.0
// from thirteen years on.
double CoeficienteReduccion(int anios);

// The old-asset rule's prorated amount of a reduced gain: reduced gain x prorated amount / transfer value, less the
// amount to subtract, rounded and never below 0; 0 without a prorated amount above 0 or without a transfer value.
double ProrrataReglaAntigua(double reducida, double prorrata, double transmision, double resta);

// Writes the part of a row's result that falls to the declared share of the asset: the whole result when the share
// is 0 or less, else result x share / transfer value, rounded; nothing when the transfer value is 0.
template <typename Bloque>
void EscribeParte(Bloque* bloque, Columna<Bloque, double> destino, std::size_t fila, double importe, double parte,
                  double transmision) {
  if (parte <= 0.0) {
    Escribe(bloque, destino, fila, importe);
  } else if (transmision != 0.0) {
    Escribe(bloque, destino, fila, Redondea(importe * parte / transmision));
  }
}

}  // namespace ximardol
