/* The header compiles as C11 and the two value exports are called through the shared library. */
#include <stdio.h>

#include "ximardol.h"

static int fallos = 0;

static void Comprueba(int condicion, const char* texto) {
  if (!condicion) {
    fprintf(stderr, "failed: %s\n", texto);
    ++fallos;
  }
}

int main(void) {
  DatosRenta renta;
  DatosPatrimonio patrimonio;

  Comprueba(sizeof renta == 61624, "size of DatosRenta");
  Comprueba(sizeof patrimonio == 22536, "size of DatosPatrimonio");
  Comprueba((unsigned char*)&renta.Resultados - (unsigned char*)&renta == 54472, "offset of RegResultados");
  Comprueba((unsigned char*)&patrimonio.PatResumen - (unsigned char*)&patrimonio == 21976, "offset of RegPatResumen");

  Comprueba(Trunc(0.29, 2) == 0.29, "Trunc(0.29, 2)");
  Comprueba(Trunc(-0.29, 2) == -0.29, "Trunc(-0.29, 2)");
  Comprueba(Trunc(2.675, 2) == 2.67, "Trunc(2.675, 2)");
  Comprueba(Trunc(7.9, 0) == 7.0, "Trunc(7.9, 0)");

  Comprueba(DameCuantiaMaximaPlanPensiones(1920) == 2200000.0, "DameCuantiaMaximaPlanPensiones(1920)");
  Comprueba(DameCuantiaMaximaPlanPensiones(1940) == 1692308.0, "DameCuantiaMaximaPlanPensiones(1940)");
  Comprueba(DameCuantiaMaximaPlanPensiones(1960) == 1100000.0, "DameCuantiaMaximaPlanPensiones(1960)");

  if (fallos == 0) printf("ximardol C interface: all checks passed\n");
  return fallos == 0 ? 0 : 1;
}
