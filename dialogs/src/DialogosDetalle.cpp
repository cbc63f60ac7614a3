#include "dialogs/DialogosDetalle.h"

#include "dialogs/DialogosCapital.h"
#include "dialogs/DlgAsignacionNacimientos.h"
#include "dialogs/DlgFamiliares.h"
#include "dialogs/Dlg714.h"
#include "dialogs/DlgPlanesPensiones.h"
#include "dialogs/DlgPremios.h"
#include "dialogs/DlgRendimientosTrabajo.h"

namespace dialogos {

void RegistrarDialogosDetalle() {
  RegistrarDlgRendimientosTrabajo();
  RegistrarDlgPlanesPensiones();
  RegistrarDlgPremios();
  RegistrarDialogos714();
  RegistrarDialogosCapital();
  RegistrarDialogosFamiliares();
  RegistrarDialogosAsignacionNacimientos();
}

}  // namespace dialogos
