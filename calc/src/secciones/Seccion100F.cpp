// The coefficients of the capital-gains sections.
#include "secciones/Seccion100F.h"

#include <array>

namespace ximardol {

double CoeficienteActualizacionAntiguo(std::string_view fecha) {
  constexpr std::array<double, 16> porAnio{1.715, 1.584, 1.491, 1.42,  1.357, 1.298, 1.247, 1.205,
                                           1.178, 1.162, 1.141, 1.096, 1.044, 1.02,  1.007, 1.0};
  if (ComparaFechas(fecha, "01011984") == -1) return 1.889;
  int dia = 0;
  int mes = 0;
  int anio = 0;
  if (!DescomponeFecha(fecha, dia, mes, anio)) return 0.0;
  // A text that is not a valid date is taken by its year alone.
  if (anio < 1984) return 1.889;
  if (anio > 1999) return 1.0;
  return porAnio[static_cast<std::size_t>(anio - 1984)];
}

double CoeficienteActualizacion(std::string_view fecha) {
  constexpr std::array<double, 5> porAnio{1.097, 1.059, 1.038, 1.018, 1.0};  // 1995 to 1999
  int dia = 0;
  int mes = 0;
  int anio = 0;
  if (!DescomponeFecha(fecha, dia, mes, anio)) return 0.0;
  if (anio <= 1994) return 1.038;
  if (anio > 1999) return 1.0;
  return porAnio[static_cast<std::size_t>(anio - 1995)];
}

double CoeficienteReduccion(int anios) {
  constexpr std::array<double, 11> desdeDos{0.08, 0.12, 0.19, 0.26, 0.33, 0.40, 0.47, 0.54, 0.61, 0.74, 0.87};
  if (anios <= 1) return 0.04;
  if (anios >= 13) return 1.0;
  return desdeDos[static_cast<std::size_t>(anios - 2)];
}

double ProrrataReglaAntigua(double reducida, double prorrata, double transmision, double resta) {
  double prorrateada = 0.0;
  if (prorrata > 0.0 && transmision != 0.0) {
    prorrateada = Redondea(reducida * prorrata / transmision - resta);
    if (prorrateada < 0.0) prorrateada = 0.0;
  }
  return prorrateada;
}

}  // namespace ximardol
