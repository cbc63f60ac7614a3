#include "dialogs/DialogosCapital.h"

#include <string_view>

#include "dialogs/DlgCapitalInmobiliario.h"
#include "dialogs/DlgDividendos.h"
#include "dialogs/DlgIngresosRetenciones.h"
#include "framework/EditDetalleDialogos.h"

namespace dialogos {

namespace {

template <class TDialogo>
void Registrar(std::string_view nombre, int importes) {
  const std::size_t tamano = TamanoBloqueCapital(importes);
  marco::RegistrarDialogoDetalle(nombre, tamano, [tamano](marco::SPeticionDetalle& p) {
    if (p.bloque.size() != tamano) return marco::kDialogoCancelado;
    TDialogo dlg(p.padre, p.segundoParametro);
    dlg.m_recibido = LeerEntradas(p.bloque, dlg.Importes());
    marco::PrepararDialogoDetalle(dlg, p);
    // The number after the window name is the variant of these boxes, not a holder kind: every holder the
    // declaration has may be typed.
    dlg.PonerVariante(p.primerParametro);
    dlg.PonerTipoTitular(0);
    const int resultado = dlg.DoModal();
    if (resultado == marco::kDialogoAceptado) EscribirEntradas(dlg.m_recibido, dlg.Importes(), p.bloque);
    return resultado;
  });
}

}  // namespace

void RegistrarDialogosCapital() {
  Registrar<CDlgCapitalInmobiliario>(kVentanaCapitalInmobiliario, kImportesInmobiliario);
  Registrar<CDlgDividendos>(kVentanaDividendos, kImportesDividendos);
  Registrar<CDlgSegurosVida>(kVentanaSegurosVida, kImportesSegurosVida);
  Registrar<CDlgCesionCapitales>(kVentanaCesionCapitales, kImportesCesionCapitales);
}

}  // namespace dialogos
