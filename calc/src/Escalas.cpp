// The two progressive scales of the liquidation and the maximum pension-plan reduction by year of birth.
#include <array>

#include "Ayudas.h"

namespace ximardol {
namespace {

struct TramoEscala {
  double limiteInferior;
  double cuotaEnLimite;
  double tipoMarginal;  // percent
};

// Highest band first: the first band whose lower limit is at or below the base applies.
constexpr std::array<TramoEscala, 6> Escala1{{
    {11000000.0, 3326030.0, 39.6},
    {6600000.0, 1650950.0, 38.07},
    {4100000.0, 863950.0, 31.48},
    {2100000.0, 392550.0, 23.57},
    {600000.0, 90000.0, 20.17},
    {0.0, 0.0, 15.0},
}};

constexpr std::array<TramoEscala, 6> Escala2{{
    {11000000.0, 617970.0, 8.4},
    {6600000.0, 313050.0, 6.93},
    {4100000.0, 170050.0, 5.72},
    {2100000.0, 75450.0, 4.73},
    {600000.0, 18000.0, 3.83},
    {0.0, 0.0, 3.0},
}};

double AplicaEscala(const std::array<TramoEscala, 6>& escala, double base) {
  for (const TramoEscala& tramo : escala) {
    if (tramo.limiteInferior <= base) {
      return (base - tramo.limiteInferior) * tramo.tipoMarginal * 0.01 + tramo.cuotaEnLimite;
    }
  }
  return 0.0;
}

// From 1934 to 1947: 2,200,000 falling to 1,100,000 in 13 equal steps, each rounded to a whole unit.
constexpr int PrimerAnioPlanPensiones = 1934;
constexpr int UltimoAnioPlanPensiones = 1947;
constexpr std::array<double, 14> CuantiaMaximaPlanPensiones{
    2200000.0, 2115385.0, 2030769.0, 1946154.0, 1861538.0, 1776923.0, 1692308.0,
    1607692.0, 1523077.0, 1438462.0, 1353846.0, 1269231.0, 1184615.0, 1100000.0,
};

}  // namespace

double AplicaEscala1(double base) { return AplicaEscala(Escala1, base); }

double AplicaEscala2(double base) { return AplicaEscala(Escala2, base); }

}  // namespace ximardol

extern "C" double DameCuantiaMaximaPlanPensiones(int anioNacimiento) {
  using namespace ximardol;
  int anio = anioNacimiento;
  if (anio < PrimerAnioPlanPensiones) anio = PrimerAnioPlanPensiones;
  if (anio > UltimoAnioPlanPensiones) anio = UltimoAnioPlanPensiones;
  return CuantiaMaximaPlanPensiones[static_cast<std::size_t>(anio - PrimerAnioPlanPensiones)];
}
