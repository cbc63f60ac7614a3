// What the detail dialogs read of the family data of the open income-tax declaration: the years of birth of the
// declarant and the spouse and the disability degree of each member. The dialogs keep a copy taken when they are
// opened; tests give one of their own.
#pragma once

#include <array>
#include <cstdint>

#include "ximardol.h"

namespace dialogos {

struct SDatosPersonas {
  int anioDeclarante = 0;
  int anioConyuge = 0;
  // Disability degree in percent: declarant, spouse, first child, second child.
  std::array<double, 4> grados{};

  // The degree of a member (holder code 2 to 5); 0 for any other code, and for a degree that is not a number.
  double Grado(std::uint8_t titular) const;
  // The degree cut to a whole number within 0..100, the way the checks compare it.
  int GradoEntero(std::uint8_t titular) const;
  // The year of birth of the declarant (2) or the spouse (3); 0 for any other code.
  int Anio(std::uint8_t titular) const;
};

// The fields of RegDatosFamilia: the years (4 characters at offsets 4 and 8) and the degrees (doubles at 16, 24, 32
// and 40).
SDatosPersonas LeerDatosPersonas(const RegDatosFamilia& familia);
// Those of the open income-tax declaration; all zero without one.
SDatosPersonas DatosPersonasActuales();
// The data area of the open income-tax declaration; none without one. A dialog that compares its entries with the
// declaration's figures opens nothing without it, rather than compare with zeros.
const DatosRenta* DatosRentaAbierta();

// The yearly maximum of pension-plan contributions of a person born in that year (the calculation library's).
double CuantiaMaximaPlanPensiones(int anioNacimiento);

}  // namespace dialogos
