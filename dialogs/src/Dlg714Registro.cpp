// The launchers of the wealth-tax detail dialogs and of the name dialog.
#include <cstring>
#include <optional>

#include "dialogs/Dlg714.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditSeleccion.h"
#include "wealth/C714Doc.h"
#include "wealth/CamposPatrimonio.h"

namespace dialogos {

namespace {

// The net wealth of the open wealth-tax declaration, which the liquidation dialogs compare with; none without one.
std::optional<double> ImporteComparacion714() {
  const auto* documento = dynamic_cast<const patrimonio::C714Doc*>(marco::DameDocumentoActivo());
  if (documento == nullptr) return std::nullopt;
  return patrimonio::LeeDouble(documento->Datos().PatResumen, patrimonio::resumen::Total168);
}

// Runs a liquidation dialog on the block of its box: the block in, the comparison amount beside it, the block back
// on OK only. Without an open wealth-tax declaration there is nothing to compare with and the dialog is not run.
template <class TDialogo>
int AbrirLiquidacion(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != sizeof(TDialogo::m_recibido)) return marco::kDialogoCancelado;
  const std::optional<double> comparacion = ImporteComparacion714();
  if (!comparacion) return marco::kDialogoCancelado;
  TDialogo dlg(p.padre, p.segundoParametro);
  std::memcpy(&dlg.m_recibido, p.bloque.data(), sizeof dlg.m_recibido);
  dlg.m_comparacion = *comparacion;
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), &dlg.m_recibido, sizeof dlg.m_recibido);
  return resultado;
}

// The name dialog edits the 47 bytes the box's link designates: in, and back on OK.
int AbrirNombreApellidos(const marco::SContextoSeleccion& c) {
  if (c.enlace == nullptr) return marco::kDialogoCancelado;
  CDlgNombreApellidos dlg(c.padre);
  std::memcpy(&dlg.m_recibido, c.enlace, sizeof dlg.m_recibido);
  // The character typed into the box that opened the dialog is the first one of the surnames.
  dlg.PonerPrimerCaracter(c.caracter);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) std::memcpy(c.enlace, &dlg.m_recibido, sizeof dlg.m_recibido);
  return resultado;
}

}  // namespace

void RegistrarDialogos714() {
  marco::RegistrarDialogoDetalle(kVentanaLimiteCuota, sizeof(SLimiteCuota), AbrirLiquidacion<CDlgLimiteCuota>);
  marco::RegistrarDialogoDetalle(kVentanaImpuestosExtranjero, sizeof(BloqueExtranjero),
                                 AbrirLiquidacion<CDlgImpuestosExtranjero>);
  marco::RegistroSelecciones().Registrar(kVentanaNombreApellidos, AbrirNombreApellidos);
}

}  // namespace dialogos
