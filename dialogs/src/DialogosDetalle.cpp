#include "dialogs/DialogosDetalle.h"

#include "dialogs/DialogosCapital.h"
#include "dialogs/DlgAmortizaciones.h"
#include "dialogs/DlgAsignacionNacimientos.h"
#include "dialogs/DlgDetallesTitular.h"
#include "dialogs/DlgFamiliares.h"
#include "dialogs/DlgGanancias.h"
#include "dialogs/Dlg714.h"
#include "dialogs/DlgDeduccionesTitulares.h"
#include "dialogs/DlgImportesConjuntos.h"
#include "dialogs/DlgInfoActividad.h"
#include "dialogs/DlgImputaciones.h"
#include "dialogs/DlgPequenosTitular.h"
#include "dialogs/DlgInteresesDemora.h"
#include "dialogs/DlgPlanesPensiones.h"
#include "dialogs/DlgPremios.h"
#include "dialogs/DlgReduccionesTransitorias.h"
#include "dialogs/DlgRendimientosTrabajo.h"
#include "dialogs/DlgRentasImputadas.h"
#include "dialogs/DlgReservaCanarias.h"
#include "dialogs/DlgSaldosPendientes.h"
#include "dialogs/DlgTipoElemento.h"

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
  // Holder amounts, imputations and the small per-holder dialogs.
  RegistrarDlgDetallesTitular();
  RegistrarDlgImputaciones();
  RegistrarDlgPequenosTitular();
  // Balances, the Canary Islands reserve and late-payment interest.
  RegistrarDlgInteresesDemora();
  RegistrarDlgReservaCanarias();
  RegistrarDlgSaldosPendientes();
  // Depreciation of an agricultural activity.
  RegistrarDlgAmortizaciones();
  // Values of the elements of gains and losses.
  RegistrarDialogosGanancias();
  // The information of the activities of pages 5 and 6.
  RegistrarDlgInfoActividad();
  // The element-type list of page 9's elements (its buttons and a holder change open it).
  RegistrarDlgTipoElemento();
}

}  // namespace dialogos
