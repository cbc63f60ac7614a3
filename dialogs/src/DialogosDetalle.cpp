#include "dialogs/DialogosDetalle.h"

#include "dialogs/DlgRendimientosTrabajo.h"

namespace dialogos {

void RegistrarDialogosDetalle() { RegistrarDlgRendimientosTrabajo(); }

}  // namespace dialogos
