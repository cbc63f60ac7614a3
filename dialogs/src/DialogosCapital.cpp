#include "dialogs/DialogosCapital.h"

#include <string_view>

#include "dialogs/DlgCapitalInmobiliario.h"
#include "dialogs/DlgDividendos.h"
#include "dialogs/DlgIngresosRetenciones.h"
#include "framework/EditDetalleDialogos.h"

namespace dialogos {

void RegistrarDialogosCapital() {
  RegistrarRejilla<CDlgCapitalInmobiliario>(kVentanaCapitalInmobiliario, TamanoBloqueCapital(kImportesInmobiliario), EAjusteRejilla::kVarianteSinTipo);
  RegistrarRejilla<CDlgDividendos>(kVentanaDividendos, TamanoBloqueCapital(kImportesDividendos), EAjusteRejilla::kVarianteSinTipo);
  RegistrarRejilla<CDlgSegurosVida>(kVentanaSegurosVida, TamanoBloqueCapital(kImportesSegurosVida), EAjusteRejilla::kVarianteSinTipo);
  RegistrarRejilla<CDlgCesionCapitales>(kVentanaCesionCapitales, TamanoBloqueCapital(kImportesCesionCapitales),
                                            EAjusteRejilla::kVarianteSinTipo);
}

}  // namespace dialogos
