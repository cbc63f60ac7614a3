// Calculos100LI3 instance 4, the result totals: not computed yet, so the instance leaves every block as it is.
#include "secciones/Seccion100LI3.h"

namespace ximardol {

void ResultadosInstancia4(const BloquesResultados& /*bloques*/) {}

}  // namespace ximardol
