// The declaration documents the program offers. Each document subsystem adds its template here (income tax
// first, then wealth tax), and the declaration index dialog puts itself in place with
// registro.PonerIndiceDeclaraciones. Until then File Open tells the user there is nothing to open.
#include "shell/DlgIndiceDeclaraciones.h"
#include "shell/Plantillas.h"

namespace shell {

void RegistrarDeclaracionesPrograma(CRegistroDeclaraciones& registro) {
  registro.PonerIndiceDeclaraciones(PedirDeclaracionIndice);
}

}  // namespace shell
