// The tables of the library's own exports, and the recalculations over them.
#include "recalculo/Recalculo.h"

namespace recalculo {

const FuncionesRenta& FuncionesRentaBiblioteca() {
  static constexpr FuncionesRenta funciones{
      Calculos100A,  Calculos100B1, Calculos100C,   Calculos100D,   Calculos100D5,  Calculos100E1, Calculos100F1,
      Calculos100F2, Calculos100F3, Calculos100F4,  Calculos100H,   Calculos100I,   Calculos100J,  Calculos100K,
      Calculos100LI1, Calculos100LI2, Calculos100LI3, Calculos100M, Calculos100M4, Calculos100N,
  };
  return funciones;
}

const FuncionesPatrimonio& FuncionesPatrimonioBiblioteca() {
  static constexpr FuncionesPatrimonio funciones{
      Calculos714A,  Calculos714B,  Calculos714C1, Calculos714C2, Calculos714D,  Calculos714E,  Calculos714F1,
      Calculos714F2, Calculos714G1, Calculos714G2, Calculos714G3, Calculos714G4, Calculos714H1, Calculos714H2,
      Calculos714I,  Calculos714J,  Calculos714K,  Calculos714L,  Calculos714M,  Calculos714N,  Calculos714O,
      Calculos714P,  Calculos714Q,  Calculos714DEUDAS, Calculos714DP, Calculos714LI, Calculos714DI,
  };
  return funciones;
}

void RecalcularRenta(DatosRenta& datos, std::span<double, 5> importesPersona) {
  RecalcularRenta(datos, importesPersona, FuncionesRentaBiblioteca());
}

void RecalcularPatrimonio(DatosPatrimonio& datos, bool completo) {
  RecalcularPatrimonio(datos, completo, FuncionesPatrimonioBiblioteca());
}

}  // namespace recalculo
