// Block D4 of section D, activities by modules: the units and results of each module, the reduction for
// employment, the corrective indices, the limit at 110 % of the reference yield and the general reduction.
// Internal to the library; the tests reach the scales and helpers through this header.
#pragma once

#include <cstddef>

#include "ximardol.h"

namespace ximardol::EstimacionObjetiva {

// The annual hours of a staff entry, 1800 when none were given.
double HorasAnuales(double horas);

// The employment coefficient of a number of staff units (a scale of five brackets).
double CoeficienteEmpleo(double unidades);

// The graded staff value of a number of staff units (five brackets); leaves in `unidades` the part above the last
// bound passed.
double EscalaPersonal(double& unidades);

// The units of a non-salaried entry from the hours of three persons, cut to two decimals and stored in `unidades`.
double UnidadesNoAsalariado(double horas1, double horas2, double horas3, double porcentaje, int cuenta,
                            double& unidades);

// The factor of the excess over the reference threshold: the double one step above 0.3.
double FactorExcesoReferencia();

// The reference yield of row `fila` as the block holds it (rounded to a whole unit).
double RendimientoReferencia(const RegApartadoD4* bloque, std::size_t fila);

// The whole block: every row, the block total and RegBaseImponible+760.
void CalculaApartadoD4(RegApartadoD4* bloque, RegBaseImponible* baseImponible);

}  // namespace ximardol::EstimacionObjetiva
