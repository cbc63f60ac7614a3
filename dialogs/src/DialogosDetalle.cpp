#include "dialogs/DialogosDetalle.h"

#include "dialogs/DialogosCapital.h"
#include "dialogs/DlgAsignacionNacimientos.h"
#include "dialogs/DlgFamiliares.h"
#include "dialogs/DlgGanancias.h"
#include "dialogs/Dlg714.h"
#include "dialogs/DlgDeduccionesTitulares.h"
#include "dialogs/DlgImportesConjuntos.h"
#include "dialogs/DlgPlanesPensiones.h"
#include "dialogs/DlgPremios.h"
#include "dialogs/DlgReduccionesTransitorias.h"
#include "dialogs/DlgRendimientosTrabajo.h"
#include "dialogs/DlgRentasImputadas.h"

namespace dialogos {

void RegistrarDialogosDetalle() {
  RegistrarDlgRendimientosTrabajo();
  RegistrarDlgPlanesPensiones();
  RegistrarDlgPremios();
  RegistrarDialogos714();
  RegistrarDialogosCapital();
  RegistrarDlgRentasImputadas();
  RegistrarDlgReduccionesTransitorias();
  RegistrarDlgDeducciones();
  RegistrarDlgImportesConjuntos();
  RegistrarDialogosFamiliares();
  RegistrarDialogosAsignacionNacimientos();
  RegistrarDialogosGanancias();
}

}  // namespace dialogos
