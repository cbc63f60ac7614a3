#include "dialogs/DlgRentasImputadas.h"

#include <optional>
#include <vector>

#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditEx.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

// Control ids, field by field (holder, V1, N1, V2, N2, income), entries 1 to 6 top to bottom.
const std::vector<int> kIds = {
    1195, 1209, 1223, 1234, 1247, 1271,  // holder
    1198, 1212, 1225, 1235, 1251, 1276,  // unrevised cadastral value
    1201, 1215, 1227, 1238, 1254, 1281,  // its days
    1203, 1217, 1229, 1240, 1257, 1287,  // revised cadastral value
    1205, 1219, 1230, 1242, 1261, 1292,  // its days
    1207, 1221, 1232, 1245, 1263, 1299,  // imputed income
};

}  // namespace

double IngresosImputados(double v1, double n1, double v2, double n2) {
  return marco::Redondear(v1 * n1 * (kTipoSinRevisar / kDiasAno) + v2 * n2 * (kTipoRevisado / kDiasAno));
}

CDlgRentasImputadas::CDlgRentasImputadas(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoRentasImputadas, padre, segundoParametro, kImportesRentasImputadas, kIds,
                            kIdAyudaTitularLineas, kAyudaRentasImputadas) {
  Plantilla() = PlantillaLineasTitulares(
      "(D) RENTAS IMPUTADAS POR INMUEBLES, EXCEPTO VIVIENDA HABITUAL", kIds,
      {"\nTitular", "Valor catastral sin revisar", "N\xBA de D\xED" "as", "Valor catastral revisado", "N\xBA de D\xED" "as",
       "\nIngresos Integros"},
      "Nota .- Si carece de valor catastral, consulte la ayuda.", true);
}

int CDlgRentasImputadas::OnInitDialog() {
  CDlgImportesTitulares::OnInitDialog();
  HabilitarParejas();
  return 1;
}

void CDlgRentasImputadas::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  // The income is the dialog's own.
  for (int e = 0; e < kEntradasCapital; ++e) HabilitarControl(IdControl(kImpIngresos, e), false);
}

void CDlgRentasImputadas::HabilitarParejas() {
  if (!TodasLasEntradas()) return;
  for (int e = 0; e < kEntradasCapital; ++e) {
    if (TitularDeEntrada(e) == 0) continue;
    const bool hayV1 = !plataforma::Recorta(TextoControl(IdControl(kImpValorSinRevisar, e))).empty();
    const bool hayV2 = !plataforma::Recorta(TextoControl(IdControl(kImpValorRevisado, e))).empty();
    const bool sinRevisar = hayV1 || !hayV2;
    const bool revisado = hayV2 || !hayV1;
    HabilitarControl(IdControl(kImpValorSinRevisar, e), sinRevisar);
    HabilitarControl(IdControl(kImpDiasSinRevisar, e), sinRevisar);
    HabilitarControl(IdControl(kImpValorRevisado, e), revisado);
    HabilitarControl(IdControl(kImpDiasRevisado, e), revisado);
  }
}

void CDlgRentasImputadas::CalcularIngresos(int entrada) {
  if (entrada < 0 || entrada >= kEntradasCapital) return;
  auto& importes = Copia()[static_cast<std::size_t>(entrada)].importes;
  importes[kImpIngresos - 1] = IngresosImputados(importes[kImpValorSinRevisar - 1], importes[kImpDiasSinRevisar - 1],
                                                 importes[kImpValorRevisado - 1], importes[kImpDiasRevisado - 1]);
  marco::ActualizarDatosHijos(*this, 0);
}

void CDlgRentasImputadas::LimitarDias(int entrada, int campo) {
  double& dias = Copia()[static_cast<std::size_t>(entrada)].importes[static_cast<std::size_t>(campo - 1)];
  const bool demasiados = dias > kDiasAno;
  if (demasiados) dias = kDiasAno;
  CalcularIngresos(entrada);
  if (demasiados) marco::CDlgMensaje().MostrarMensaje(kMensajeDiasAno, marco::IconoExclamacion);
}

int CDlgRentasImputadas::AlSalirDeCampo(int id) {
  CDlgImportesTitulares::AlSalirDeCampo(id);
  // Only the way out through Cancel skips the rules; a focus the window cannot name (the window system does not
  // always say where it goes) still takes the days and the income along. Leaving is always allowed.
  const std::optional<int> foco = Ventana() != nullptr ? Ventana()->Foco() : std::nullopt;
  if (foco && *foco == marco::kIdCancelar) return 0;
  const int resultado = 1;
  const int entrada = EntradaDeControl(id);
  const int campo = FilaDeControl(id);
  if (entrada < 0 || campo < kImpValorSinRevisar || campo > kImpDiasRevisado) return resultado;
  auto& importes = Copia()[static_cast<std::size_t>(entrada)].importes;
  if (campo == kImpValorSinRevisar || campo == kImpValorRevisado) {
    double& valor = importes[static_cast<std::size_t>(campo - 1)];
    double& dias = importes[static_cast<std::size_t>(campo)];
    if (valor == 0.0) {
      dias = 0.0;
    } else if (dias == 0.0) {
      dias = kDiasAno;
    }
    // One pair at a time: the other closes while this one holds something.
    const int otro = campo == kImpValorSinRevisar ? kImpValorRevisado : kImpValorSinRevisar;
    const bool ocupada = valor != 0.0 || dias != 0.0;
    HabilitarControl(IdControl(otro, entrada), !ocupada);
    HabilitarControl(IdControl(otro + 1, entrada), !ocupada);
    LimitarDias(entrada, campo + 1);
  } else {
    LimitarDias(entrada, campo);
  }
  return resultado;
}

int CDlgRentasImputadas::AlBorrarCampo(int id) {
  const int entrada = EntradaDeControl(id);
  const int campo = FilaDeControl(id);
  if (entrada < 0) return 0;
  auto& importes = Copia()[static_cast<std::size_t>(entrada)].importes;
  if (campo == kImpValorSinRevisar) {
    importes[kImpValorSinRevisar - 1] = 0.0;
    importes[kImpDiasSinRevisar - 1] = 0.0;
  } else if (campo == kImpDiasRevisado) {
    importes[kImpDiasRevisado - 1] = 0.0;
  } else {
    return 0;
  }
  CalcularIngresos(entrada);
  HabilitarParejas();
  return 1;
}

int CDlgRentasImputadas::AlCambiarTexto(int id) {
  const int campo = FilaDeControl(id);
  if (campo >= kImpValorSinRevisar && campo <= kImpDiasRevisado) HabilitarParejas();
  return 0;
}

int CDlgRentasImputadas::AlCambiarValor(int id) {
  const int resultado = CDlgImportesTitulares::AlCambiarValor(id);
  HabilitarParejas();
  return resultado;
}

void RegistrarDlgRentasImputadas() {
  const std::size_t tamano = TamanoBloqueCapital(kImportesRentasImputadas);
  marco::RegistrarDialogoDetalle(kVentanaRentasImputadas, tamano, [tamano](marco::SPeticionDetalle& p) {
    if (p.bloque.size() != tamano) return marco::kDialogoCancelado;
    CDlgRentasImputadas dlg(p.padre, p.segundoParametro);
    dlg.m_recibido = LeerEntradas(p.bloque, kImportesRentasImputadas);
    marco::PrepararDialogoDetalle(dlg, p);
    dlg.PonerTipoTitular(0);
    const int resultado = dlg.DoModal();
    if (resultado == marco::kDialogoAceptado) EscribirEntradas(dlg.m_recibido, kImportesRentasImputadas, p.bloque);
    return resultado;
  });
}

}  // namespace dialogos
