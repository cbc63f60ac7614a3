// Calculos100LI3, the results of the declaration: the instances live in more than one file, and this header is what
// they share. The export (Seccion100LI3.cpp) gathers its block pointers once and hands them to the instance it runs.
#pragma once

#include "ximardol.h"

namespace ximardol {

// The blocks of one call of Calculos100LI3, as the caller passed them (any of them may be null: each instance checks
// the blocks it needs and does nothing without them).
struct BloquesResultados {
  RegResultados* resultados;
  RegApartadoF1* apartadoF1;
  RegLiquidacion* liquidacion;
  RegBaseImponible* baseImponible;
  RegApartadoG* apartadoG;
  RegRendTrabajo* rendTrabajo;
  RegRendCapInmobiliario* rendCapInmobiliario;
  RegRendCapMobiliario* rendCapMobiliario;
  RegApartadoD1* apartadoD1;
  RegApartadoD2* apartadoD2;
  RegApartadoD4* apartadoD4;
  RegApartadoD5* apartadoD5;
  RegIdentificacion* identificacion;
};

// Instance 4: the result totals, ending with the minuend of the final difference that instance 5 uses.
void ResultadosInstancia4(const BloquesResultados& bloques);

}  // namespace ximardol
