// What sections F2 and F3 share: the presence of a date, the update coefficients by year and the reduction
// coefficient by years held, and the distribution of a column of member-coded rows.
#pragma once

#include <cstdint>
#include <string_view>

#include "Acceso.h"
#include "Ayudas.h"

namespace ximardol {

// A date field holds a date when it is not empty, does not begin with a blank and is not the all-zero date (an
// empty date box may leave any of the three).
bool HayFecha(std::string_view fecha);

// Update coefficient of the old-asset rule: 1.889 for a date before 1 January 1984, then by its year from 1.715
// (1984) down to 1.0 (1999). A later year is not updated (1.0); a text that cannot be split gives 0.
double CoeficienteActualizacionAntiguo(std::string_view fecha);

// Update coefficient of the plain rule by the year of the date: 1.038 up to 1994, then 1.097, 1.059, 1.038, 1.018
// and 1.0 (1999). A later year is not updated (1.0); a text that cannot be split gives 0.
double CoeficienteActualizacion(std::string_view fecha);

// Reduction coefficient for n years held (whole years plus one for a part of a year): 0.04 up to one year, 1.0
// from thirteen years on.
double CoeficienteReduccion(int anios);

// The member array of a list of rows: the amount of each row added to the member of its code.
template <typename Bloque>
ImportesMiembro RepartirFilas(const Bloque* bloque, Columna<Bloque, std::uint8_t> miembro,
                              Columna<Bloque, double> importe) {
  ImportesMiembro grupo{};
  for (std::size_t i = 0; i < miembro.cuantos; ++i) {
    SumaImporteMiembro(grupo, Lee(bloque, miembro, i), Lee(bloque, importe, i));
  }
  return grupo;
}

}  // namespace ximardol
