#include "dialogs/DlgImputaciones.h"

#include <cmath>
#include <cstring>
#include <vector>

#include "dialogs/CamposDetalle.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/Prog32Doc.h"
#include "framework/Prog32DocReglas.h"
#include "framework/Utilidades.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace dialogos {

namespace {

std::vector<int> Unir(std::initializer_list<std::initializer_list<int>> filas) {
  std::vector<int> ids;
  for (const auto& fila : filas) ids.insert(ids.end(), fila.begin(), fila.end());
  return ids;
}

const std::vector<int> kIdsPagos =
    Unir({{1273, 1284, 1295, 1309, 1319}, {1282, 1293, 1307, 1302, 1304}, {1283, 1294, 1308, 1305, 1306}});
constexpr SFormaBloque kFormaPagos{5, 2, 24, 0, false};
constexpr int kContextoPagos = 252;
constexpr int kContextoImputacionOtros = 644;

// The imputation typed is one of the two the rule gives (in whole units, as the field shows it).
bool ImputacionAdmitida(double imputacion, double a, double b) {
  for (const double v : {a - b, 0.15 * b}) {
    if (std::fabs(imputacion - v) < 1e-6 || std::fabs(imputacion - marco::Redondear(v)) < 1e-6) return true;
  }
  return false;
}

}  // namespace

double ImputacionIIC(double a, double b) {
  const double minimo = 0.15 * b;
  return a - b < minimo ? minimo : a - b;
}

// ---- collective investment ----

CDlgImputacionIIC::CDlgImputacionIIC(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(1603, padre, segundoParametro) {
  marco::CPlantillaDialogo p(290, 92, "IMPUTACI\xD3N RENTAS DETERMINADAS INST.INVERSI\xD3N COLECTIVA");
  LineaCampo(p, kIdValorLiquidativo, "(a) Valor liquidativo de la participaci\xF3n al final del per\xEDodo", 8, 210,
             70);
  LineaCampo(p, kIdValorAdquisicion, "(b) Valor de adquisici\xF3n de la participaci\xF3n", 26, 210, 70);
  LineaCampo(p, kIdImputacion, "(a-b)", 44, 210, 70);
  p.Aceptar({156, 68, 60, 18}).Cancelar({220, 68, 60, 18});
  Plantilla() = p;
}

int CDlgImputacionIIC::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  for (double* v : {&m_copia.valorLiquidativo, &m_copia.valorAdquisicion, &m_copia.imputacion}) {
    if (!std::isfinite(*v)) *v = 0.0;
  }
  Enlazar(kIdValorLiquidativo, EnlaceImporteCampo(&m_copia.valorLiquidativo, 10, 0));
  Enlazar(kIdValorAdquisicion, EnlaceImporteCampo(&m_copia.valorAdquisicion, 10, 0));
  Enlazar(kIdImputacion, EnlaceImporteCampo(&m_copia.imputacion, 10, 0));
  m_aUsado = m_copia.valorLiquidativo;
  m_bUsado = m_copia.valorAdquisicion;
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

int CDlgImputacionIIC::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo()) return 0;
  RecalcularImputacion(id);
  return 1;
}

void CDlgImputacionIIC::RecalcularImputacion(int id) {
  if (id == kIdValorLiquidativo || id == kIdValorAdquisicion) {
    const double a = m_copia.valorLiquidativo;
    const double b = m_copia.valorAdquisicion;
    if (a != m_aUsado || b != m_bUsado) {
      m_copia.imputacion = ImputacionIIC(a, b);
      m_aUsado = a;
      m_bUsado = b;
    }
  }
  marco::ActualizarDatosHijos(*this, 0);
}

void CDlgImputacionIIC::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!ImputacionAdmitida(m_copia.imputacion, m_copia.valorLiquidativo, m_copia.valorAdquisicion)) {
    const int boton = marco::CDlgMensaje().MostrarMensaje("100V164", marco::IconoAsterisco);
    if (boton != marco::kBotonContinuar) {
      PonerFoco(kIdImputacion);
      return;
    }
  }
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

// ---- payments on account of urban property rentals ----

CDlgPagosArrendamiento::CDlgPagosArrendamiento(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1594, padre, segundoParametro, kFormaPagos, kIdsPagos, kIdAyudaTitularLineas,
                            kContextoPagos) {
  Plantilla() = PlantillaLineasTitulares(
      "PAGOS A CUENTA ARRENDAM. INMUEBLES URBANOS", kIdsPagos,
      {"\nTitular", "Sobre rdtos.\nCapital\nInmobiliario", "Sobre rdtos.\nActividades\nEcon\xF3micas"}, {}, true);
  PonerVaciarAyuda(false);
}

void CDlgPagosArrendamiento::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  AplicarReglasFormulario();
}

void CDlgPagosArrendamiento::AplicarReglasFormulario() {
  if (m_nTipoDec == marco::kTipoDecSimplificada) {
    for (int campo = 0; campo < Campos(); ++campo) {
      for (int e = 0; e < Forma().entradas; ++e) HabilitarControl(IdControl(campo, e), false);
    }
    return;
  }
  for (int e = 0; e < Forma().entradas; ++e) HabilitarControl(IdControl(kCapitalInmobiliario, e), false);
  if (m_nTipoDec == marco::kTipoDecOrdinaria && TodasLasEntradas()) {
    // An entry carrying real-estate payments keeps its holder.
    for (int e = 0; e < Forma().entradas; ++e) {
      if (Importe(e, kCapitalInmobiliario) != 0.0) HabilitarControl(IdControl(0, e), false);
    }
  }
}

// ---- criterion of time imputation ----

CDlgImputacionTemporal::CDlgImputacionTemporal(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(1605, padre, segundoParametro) {
  marco::CPlantillaDialogo p(300, 112, "CRITERIO DE IMPUTACI\xD3N TEMPORAL");
  p.Estatico(1339, "Marque con una X la casilla del criterio elegido:", {6, 6, 288, 10});
  p.Estatico(1371, "Declarante", {200, 20, 44, 10});
  p.Estatico(1380, "C\xF3nyuge", {250, 20, 44, 10});
  p.Estatico(1340,
             "Per\xEDodo impositivo en que se aprueben las cuentas anuales de las entidades", {6, 34, 190, 20});
  p.Edicion(kIdCuentasDeclarante, {212, 36, 14, 12}, marco::kEdicionMayusculas, 1);
  p.Edicion(kIdCuentasConyuge, {262, 36, 14, 12}, marco::kEdicionMayusculas, 1);
  p.Estatico(1341,
             "Per\xEDodo impositivo en que se produzca la fecha de cierre del ejercicio de las entidades",
             {6, 58, 190, 20});
  p.Edicion(kIdCierreDeclarante, {212, 60, 14, 12}, marco::kEdicionMayusculas, 1);
  p.Edicion(kIdCierreConyuge, {262, 60, 14, 12}, marco::kEdicionMayusculas, 1);
  p.Aceptar({170, 88, 60, 18}).Cancelar({234, 88, 60, 18});
  Plantilla() = p;
}

int CDlgImputacionTemporal::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  Enlazar(kIdCuentasDeclarante, EnlaceMarca(&m_copia[0]));
  Enlazar(kIdCuentasConyuge, EnlaceMarca(&m_copia[1]));
  Enlazar(kIdCierreDeclarante, EnlaceMarca(&m_copia[2]));
  Enlazar(kIdCierreConyuge, EnlaceMarca(&m_copia[3]));
  marco::ActualizarDatosHijos(*this, 0);
  if (m_nTipoUnidad != 1) {
    HabilitarControl(kIdCuentasConyuge, false);
    HabilitarControl(kIdCierreConyuge, false);
  }
  if (CodigoSujeto() != marco::kSujetoUnidadFamiliar && ColumnaConyuge() == 1) HabilitarEdiciones(0);
  return 1;
}

int CDlgImputacionTemporal::ValidarCaracterCampo(int id, unsigned caracter) {
  std::uint8_t* marca = id == kIdCuentasDeclarante ? &m_copia[0]
                        : id == kIdCuentasConyuge  ? &m_copia[1]
                        : id == kIdCierreDeclarante ? &m_copia[2]
                        : id == kIdCierreConyuge   ? &m_copia[3]
                                                   : nullptr;
  if (marca == nullptr) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  const std::optional<std::uint8_t> nueva = MarcaTecleada(caracter);
  if (!nueva) return 1;
  marco::ActualizarDatosHijos(*this, 1);
  *marca = *nueva;
  marco::ActualizarDatosHijos(*this, 0);
  AlCambiarValor(id);
  return 2;
}

int CDlgImputacionTemporal::AlCambiarValor(int id) {
  marco::ActualizarDatosHijos(*this, 1);
  // One criterion per person.
  if (id == kIdCuentasDeclarante && m_copia[0] == 1) m_copia[2] = 0;
  if (id == kIdCierreDeclarante && m_copia[2] == 1) m_copia[0] = 0;
  if (id == kIdCuentasConyuge && m_copia[1] == 1) m_copia[3] = 0;
  if (id == kIdCierreConyuge && m_copia[3] == 1) m_copia[1] = 0;
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

void CDlgImputacionTemporal::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

// ---- other concepts of the imputation ----

CDlgImputacionOtros::CDlgImputacionOtros(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(1593, padre, segundoParametro) {
  marco::CPlantillaDialogo p(320, 170, "IMPUTACI\xD3N DE OTROS CONCEPTOS");
  p.Estatico(-1,
             "Imputaciones realizadas en su totalidad a las personas f\xEDsicas vinculadas al desarrollo de las "
             "actividades",
             {6, 8, 270, 20});
  p.Edicion(kIdImputacionTotal, {290, 10, 14, 12}, marco::kEdicionMayusculas, 1);
  LineaCampo(p, kIdPagosCuenta, "Pagos fraccionados, retenciones e ingresos a cuenta", 34, 240, 70);
  LineaCampo(p, kIdCuotasSociedades, "Cuotas satisfechas por el Impuesto sobre Sociedades", 52, 240, 70);
  LineaCampo(p, kIdTributacionEfectiva, "Tributaci\xF3n efectiva en el Impuesto sobre Sociedades (*)", 70, 240, 70);
  p.Estatico(-1,
             "Exceso de los pagos a cuenta sobre la diferencia entre la cuota del Impuesto sobre Sociedades y las "
             "deducciones y bonificaciones (*)",
             {6, 88, 230, 20});
  p.Importe(kIdExcesoPagos, {240, 90, 70, 12}, 14);
  p.Estatico(-1, "( * ) Importe correspondiente al socio.", {6, 116, 200, 10});
  p.Aceptar({122, 144, 60, 18}).Cancelar({186, 144, 60, 18}).Ayuda({250, 144, 60, 18});
  Plantilla() = p;
}

void CDlgImputacionOtros::HabilitarImportes() {
  const bool abrir = m_copia.imputacionTotal != 1;
  HabilitarControl(kIdTributacionEfectiva, abrir);
  HabilitarControl(kIdExcesoPagos, abrir);
}

int CDlgImputacionOtros::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  if (m_copia.imputacionTotal != 1) m_copia.imputacionTotal = 0;
  for (double* v : {&m_copia.pagosCuenta, &m_copia.cuotasSociedades, &m_copia.tributacionEfectiva,
                    &m_copia.excesoPagos}) {
    if (!std::isfinite(*v)) *v = 0.0;
  }
  Enlazar(kIdImputacionTotal, EnlaceMarca(&m_copia.imputacionTotal));
  Enlazar(kIdPagosCuenta, EnlaceImporteCampo(&m_copia.pagosCuenta, 10, 0));
  Enlazar(kIdCuotasSociedades, EnlaceImporteCampo(&m_copia.cuotasSociedades, 10, 0));
  Enlazar(kIdTributacionEfectiva, EnlaceImporteCampo(&m_copia.tributacionEfectiva, 10, 0));
  Enlazar(kIdExcesoPagos, EnlaceImporteCampo(&m_copia.excesoPagos, 10, 0));
  const bool editable = CodigoSujeto() == marco::kSujetoUnidadFamiliar || !Entorno().HayConyugeOHijo();
  if (editable) HabilitarImportes();
  if (m_cTipoEntidad == '4') {
    m_copia.tributacionEfectiva = 0.0;
    m_copia.excesoPagos = 0.0;
    HabilitarControl(kIdTributacionEfectiva, false);
    HabilitarControl(kIdExcesoPagos, false);
  }
  if (m_cTipoEntidad == '1' || m_cTipoEntidad == '4') {
    m_copia.imputacionTotal = 0;
    HabilitarControl(kIdImputacionTotal, false);
  }
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

int CDlgImputacionOtros::ValidarCaracterCampo(int id, unsigned caracter) {
  if (id != kIdImputacionTotal) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  const std::optional<std::uint8_t> nueva = MarcaTecleada(caracter);
  if (!nueva) return 1;
  marco::ActualizarDatosHijos(*this, 1);
  m_copia.imputacionTotal = *nueva;
  marco::ActualizarDatosHijos(*this, 0);
  AlCambiarValor(id);
  return 2;
}

int CDlgImputacionOtros::AlCambiarValor(int id) {
  marco::ActualizarDatosHijos(*this, 1);
  if (id == kIdImputacionTotal && m_copia.imputacionTotal == 1) {
    m_copia.tributacionEfectiva = 0.0;
    m_copia.excesoPagos = 0.0;
    marco::ActualizarDatosHijos(*this, 0);
  }
  HabilitarImportes();
  return 1;
}

int CDlgImputacionOtros::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(kContextoImputacionOtros);
  return 1;
}

void CDlgImputacionOtros::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  const bool sinMarca = m_copia.imputacionTotal != 1;
  const bool tipo = m_cTipoEntidad == '1' || ((m_cTipoEntidad == '2' || m_cTipoEntidad == '3') && sinMarca);
  if (m_copia.tributacionEfectiva == 0.0 && m_importeImputado > 0.0 &&
      m_copia.pagosCuenta + m_copia.cuotasSociedades > 0.0 && tipo) {
    if (marco::CDlgMensaje().MostrarMensaje("100V167", marco::IconoAsterisco) != marco::kBotonContinuar) {
      PonerFoco(kIdTributacionEfectiva);
      return;
    }
  }
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

// ---- the launch ----

namespace {

int AbrirImputacionIIC(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != sizeof(SImputacionIIC)) return marco::kDialogoCancelado;
  CDlgImputacionIIC dlg(p.padre, p.segundoParametro);
  std::memcpy(&dlg.m_recibido, p.bloque.data(), sizeof dlg.m_recibido);
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), &dlg.m_recibido, sizeof dlg.m_recibido);
  return resultado;
}

int AbrirPagosArrendamiento(marco::SPeticionDetalle& p) {
  CDlgPagosArrendamiento dlg(p.padre, p.segundoParametro);
  if (!dlg.Recibir(p.bloque)) return marco::kDialogoCancelado;
  if (const marco::CProg32Doc* documento = marco::DameDocumentoActivo()) {
    dlg.m_nTipoDec = documento->DameTipoDec();
  }
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) dlg.Devolver(p.bloque);
  return resultado;
}

int AbrirImputacionOtros(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != sizeof(SImputacionOtros)) return marco::kDialogoCancelado;
  CDlgImputacionOtros dlg(p.padre, p.segundoParametro);
  std::memcpy(&dlg.m_recibido, p.bloque.data(), sizeof dlg.m_recibido);
  // The kind of the imputing entity and the income it imputes: the row's own, where the box's link names them (the
  // entities of page 7); otherwise the number after the window name and the box's own amount.
  char tipo = p.primerParametro >= 1 && p.primerParametro <= 4 ? static_cast<char>('0' + p.primerParametro) : '\0';
  if (p.lectura[0] != nullptr) tipo = *static_cast<const char*>(p.lectura[0]);
  if (tipo >= '1' && tipo <= '4') dlg.m_cTipoEntidad = tipo;
  double importe = p.importeCasilla;
  if (p.lectura[1] != nullptr) std::memcpy(&importe, p.lectura[1], sizeof importe);
  dlg.m_importeImputado = std::isfinite(importe) ? importe : 0.0;
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), &dlg.m_recibido, sizeof dlg.m_recibido);
  return resultado;
}

int AbrirImputacionTemporal(const marco::SContextoSeleccion& c) {
  if (c.enlace == nullptr) return marco::kDialogoCancelado;
  CDlgImputacionTemporal dlg(c.padre);
  std::memcpy(dlg.m_recibido.data(), c.enlace, dlg.m_recibido.size());
  if (const auto* documento = dynamic_cast<const renta::CRentaDoc*>(marco::DameDocumentoActivo())) {
    dlg.m_nTipoUnidad = renta::TipoUnidadFamiliar(documento->Datos().DatosFamilia);
  }
  dlg.PrepararDialogo(c.titulo, 1, marco::DameSujetoActual(), marco::HayConyugeOHijo());
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) std::memcpy(c.enlace, dlg.m_recibido.data(), dlg.m_recibido.size());
  return resultado;
}

}  // namespace

void RegistrarDlgImputaciones() {
  marco::RegistrarDialogoDetalle(kVentanaImputacionIIC, sizeof(SImputacionIIC), AbrirImputacionIIC);
  marco::RegistrarDialogoDetalle(kVentanaPagosArrendamiento, kFormaPagos.TamanoBloque(), AbrirPagosArrendamiento);
  marco::RegistrarDialogoDetalle(kVentanaImputacionOtros, sizeof(SImputacionOtros), AbrirImputacionOtros);
  marco::RegistroSelecciones().Registrar(kVentanaImputacionTemporal, AbrirImputacionTemporal);
}

}  // namespace dialogos
