#include "dialogs/DlgAsignacionNacimientos.h"

#include <cmath>
#include <cstring>
#include <string>

#include "framework/DialogoPlantilla.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

constexpr std::size_t kDespHijos = 1;  // RegDatosFamilia: the children flag

// A mark box: "X" (either case) marks it.
marco::SEnlaceControl EnlaceMarca(unsigned char* marca) {
  marco::SEnlaceControl e;
  e.mostrar = [marca] { return *marca == 1 ? std::string("X") : std::string(); };
  e.guardar = [marca](std::string_view t) {
    const std::string_view limpio = plataforma::Recorta(t);
    *marca = !limpio.empty() && (limpio[0] == 'X' || limpio[0] == 'x') ? 1 : 0;
    return true;
  };
  return e;
}

// A count of children: one whole digit and the decimals given; a text that is not such a number changes nothing.
marco::SEnlaceControl EnlaceCuenta(double* valor, int decimales) {
  marco::SEnlaceControl e;
  e.mostrar = [valor, decimales] { return marco::TextoImporteDialogo(*valor, decimales, false); };
  e.guardar = [valor, decimales](std::string_view t) {
    double v = 0.0;
    if (!marco::LeerImporteDialogo(t, v) || !std::isfinite(v) || v < 0.0 || v >= 10.0) return false;
    const double escala = decimales == 0 ? 1.0 : 100.0;
    *valor = std::round(v * escala) / escala;
    return true;
  };
  return e;
}

// A question of the birth checks: false when the user answers Corregir (the dialog stays open).
bool Seguir(std::string_view codigo) {
  return marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoAsterisco) != marco::kBotonCorregir;
}

SFamiliaNacimientos FamiliaActual() {
  const auto* doc = dynamic_cast<const renta::CRentaDoc*>(marco::DameDocumentoActivo());
  return doc != nullptr ? LeerFamiliaNacimientos(doc->Datos().DatosFamilia) : SFamiliaNacimientos{};
}

const char* const kPersonas[5] = {"DECLARACI\xD3N CONJUNTA", "Declarante.............",
                                  "C\xF3nyuge................", "Hijo 1....................",
                                  "Hijo 2...................."};

}  // namespace

// ---- the tax allocation ----

CDlgAsignacionTributaria::CDlgAsignacionTributaria(wxWindow* padre)
    : marco::CTemplateDlg(kRecursoAsignacionTributaria, padre) {
  marco::CPlantillaDialogo p(300, 206, "ASIGNACION TRIBUTARIA");
  p.Estatico(-1, "Consigne una \"X\" en la casilla o casillas correspondiente/s a la opci\xF3n\n"
                 "u opciones deseada/s.",
             {8, 6, 284, 18});
  p.Estatico(-1, "Iglesia\nCat\xF3lica", {170, 28, 50, 18});
  p.Estatico(-1, "Fines\nsociales", {230, 28, 50, 18});
  for (int k = 0; k < 5; ++k) {
    const int y = k == 0 ? 50 : 70 + 14 * k;
    if (k == 1) p.Estatico(-1, "DECLARACIONES INDIVIDUALES", {8, 70, 150, 10});
    p.Estatico(-1, kPersonas[k], {8, y + 2, 150, 10});
    p.Edicion(kIdIglesia + 2 * k, {180, y, 14, 12}, 0, 1);
    p.Edicion(kIdFinesSociales + 2 * k, {240, y, 14, 12}, 0, 1);
  }
  p.Estatico(-1, "Si marca las dos opciones, se destinar\xE1 un 0,5239 por 100 de la cuota\n\xEDntegra al "
                 "sostenimiento econ\xF3mico de la Iglesia Cat\xF3lica y, adem\xE1s,\notro 0,5239 por 100 a fines "
                 "sociales.",
             {8, 142, 284, 26});
  p.Estatico(-1, "De no marcar ninguna, su asignaci\xF3n tributaria se imputar\xE1 a los\nPresupuestos Generales "
                 "del Estado con destino a fines generales.",
             {8, 168, 284, 18});
  p.Aceptar({166, 186, 60, 18}).Cancelar({232, 186, 60, 18});
  Plantilla() = p;
}

int CDlgAsignacionTributaria::OnInitDialog() {
  marco::CTemplateDlg::OnInitDialog();
  if (m_pDatos != nullptr) {
    std::memcpy(m_copia.data(), m_pDatos->Identificacion.octetos + kDespAsignacionIglesia, 5);
    std::memcpy(m_copia.data() + 5, m_pDatos->Identificacion.octetos + kDespAsignacionSocial, 5);
  }
  for (int k = 0; k < 5; ++k) {
    Enlazar(kIdIglesia + 2 * k, EnlaceMarca(&m_copia[static_cast<std::size_t>(k)]));
    Enlazar(kIdFinesSociales + 2 * k, EnlaceMarca(&m_copia[static_cast<std::size_t>(5 + k)]));
  }
  HabilitarCasillas();
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

void CDlgAsignacionTributaria::HabilitarCasillas() {
  const RegDatosFamilia* familia = m_pDatos != nullptr ? &m_pDatos->DatosFamilia : nullptr;
  const bool conjunta = familia != nullptr && renta::TipoUnidadFamiliar(*familia) == 1;
  const bool hijos = familia != nullptr && familia->octetos[kDespHijos] == 1;
  const bool habilitar[5] = {conjunta || hijos, true, conjunta, hijos, hijos};
  for (int k = 0; k < 5; ++k) {
    HabilitarControl(kIdIglesia + 2 * k, habilitar[k]);
    HabilitarControl(kIdFinesSociales + 2 * k, habilitar[k]);
  }
  if (Ventana() != nullptr) Ventana()->AplicarColores();
}

void CDlgAsignacionTributaria::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (m_pDatos != nullptr && !Bloqueado()) {
    std::memcpy(m_pDatos->Identificacion.octetos + kDespAsignacionIglesia, m_copia.data(), 5);
    std::memcpy(m_pDatos->Identificacion.octetos + kDespAsignacionSocial, m_copia.data() + 5, 5);
  }
  marco::CTemplateDlg::OnOK();
}

// ---- births of children ----

SFamiliaNacimientos LeerFamiliaNacimientos(const RegDatosFamilia& familia) {
  return {renta::TipoUnidadFamiliar(familia), familia.octetos[kDespHijos] == 1};
}

CDlgNacimientoTercerHijo::CDlgNacimientoTercerHijo(wxWindow* padre, std::int32_t segundoParametro, int decimales)
    : marco::CTemplateDlg(kRecursoNacimientoTercerHijo, padre, segundoParametro), m_nDecimales(decimales) {
  marco::CPlantillaDialogo p(250, 78, "NACIMIENTO DEL 3\xBA O ULTERIOR HIJO EN 1999");
  p.Estatico(-1, "N\xFAmero de hijos nacidos en 1999 que dan derecho a la deducci\xF3n", {8, 6, 234, 10});
  const char* const titulos[3] = {"Comunes", "Declarante", "C\xF3nyuge"};
  const int ids[3] = {kIdNacComunes, kIdNacDeclarante, kIdNacConyuge};
  for (int c = 0; c < 3; ++c) {
    p.Estatico(-1, titulos[c], {20 + 76 * c, 22, 60, 10});
    p.Importe(ids[c], {20 + 76 * c, 34, 40, 12}, decimales == 0 ? 1 : 4);
  }
  p.Aceptar({116, 54, 60, 18}).Cancelar({182, 54, 60, 18});
  Plantilla() = p;
}

int CDlgNacimientoTercerHijo::OnInitDialog() {
  marco::CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  if (Bloqueado()) {
    HabilitarControl(marco::kIdAceptar, false);
  } else {
    const bool conjunta = m_familia.tipoUnidad == 1;
    HabilitarControl(kIdNacComunes, conjunta);
    HabilitarControl(kIdNacConyuge, conjunta);
  }
  Enlazar(kIdNacComunes, EnlaceCuenta(&m_copia[0], m_nDecimales));
  Enlazar(kIdNacDeclarante, EnlaceCuenta(&m_copia[1], m_nDecimales));
  Enlazar(kIdNacConyuge, EnlaceCuenta(&m_copia[2], m_nDecimales));
  marco::ActualizarDatosHijos(*this, 0);
  if (Ventana() != nullptr) Ventana()->AplicarColores();
  return 1;
}

bool CDlgNacimientoTercerHijo::Comprobar() {
  const double c = m_copia[0];
  const double d = m_copia[1];
  const double y = m_copia[2];
  const bool parametro = Parametro() == 3 || Parametro() == 5;
  const bool conjunta = m_familia.tipoUnidad == 1;
  if (parametro && conjunta && d + y != 0.0 && !Seguir("100V131")) return false;
  if (!conjunta && c != 0.0 && !Seguir("100V132")) return false;
  if (parametro && !m_familia.hijos && c + d + y != 0.0 && !Seguir("100R159")) return false;
  return true;
}

void CDlgNacimientoTercerHijo::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Comprobar()) return;
  if (!Bloqueado()) m_recibido = m_copia;
  marco::CTemplateDlg::OnOK();
}

CDlgNacimientoHijos::CDlgNacimientoHijos(wxWindow* padre, std::int32_t segundoParametro)
    : marco::CTemplateDlg(kRecursoNacimientoHijos, padre, segundoParametro) {
  marco::CPlantillaDialogo p(270, 132, "Nacimiento de hijos en 1999");
  const char* const titulos[3] = {"Comunes", "Declarante", "C\xF3nyuge"};
  const char* const filas[5] = {"1.\xBA", "2.\xBA", "3.\xBA", "4.\xBA", "5.\xBA y sucesivos"};
  const std::array<int, 5>* columnas[3] = {&kIdsNacComunes, &kIdsNacDeclarante, &kIdsNacConyuge};
  for (int c = 0; c < 3; ++c) p.Estatico(-1, titulos[c], {92 + 58 * c, 6, 52, 10});
  for (int f = 0; f < 5; ++f) {
    const int y = 18 + 15 * f;
    p.Estatico(-1, filas[f], {8, y + 2, 80, 10});
    for (int c = 0; c < 3; ++c) p.Importe((*columnas[c])[static_cast<std::size_t>(f)], {92 + 58 * c, y, 40, 12}, 4);
  }
  p.Aceptar({136, 108, 60, 18}).Cancelar({202, 108, 60, 18});
  Plantilla() = p;
}

int CDlgNacimientoHijos::OnInitDialog() {
  marco::CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  const bool conjunta = m_familia.tipoUnidad == 1;
  for (std::size_t f = 0; f < 5; ++f) {
    if (Bloqueado()) continue;
    HabilitarControl(kIdsNacComunes[f], conjunta);
    HabilitarControl(kIdsNacConyuge[f], conjunta);
  }
  if (Bloqueado()) HabilitarControl(marco::kIdAceptar, false);
  for (std::size_t f = 0; f < 5; ++f) {
    Enlazar(kIdsNacComunes[f], EnlaceCuenta(&m_copia[f], 2));
    Enlazar(kIdsNacDeclarante[f], EnlaceCuenta(&m_copia[5 + f], 2));
    Enlazar(kIdsNacConyuge[f], EnlaceCuenta(&m_copia[10 + f], 2));
  }
  marco::ActualizarDatosHijos(*this, 0);
  if (Ventana() != nullptr) Ventana()->AplicarColores();
  return 1;
}

bool CDlgNacimientoHijos::Comprobar() {
  for (std::size_t f = 0; f < 4; ++f) {
    const double c = m_copia[f];
    if (c + m_copia[5 + f] > 1.0 || c + m_copia[10 + f] > 1.0) {
      marco::CDlgMensaje().MostrarMensaje("100R150", marco::IconoMano);
      return false;
    }
  }
  double comunes = 0.0;
  double propios = 0.0;
  for (std::size_t f = 0; f < 5; ++f) {
    comunes += m_copia[f];
    propios += m_copia[5 + f] + m_copia[10 + f];
  }
  const bool conjunta = m_familia.tipoUnidad == 1;
  if (conjunta && propios != 0.0 && !Seguir("100V131")) return false;
  if (!conjunta && comunes != 0.0 && !Seguir("100V132")) return false;
  if (!m_familia.hijos && comunes + propios != 0.0 && !Seguir("100R159")) return false;
  return true;
}

void CDlgNacimientoHijos::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Comprobar()) return;
  if (!Bloqueado()) m_recibido = m_copia;
  marco::CTemplateDlg::OnOK();
}

// ---- the launchers ----

namespace {

int AbrirAsignacionTributaria(marco::SPeticionDetalle& p) {
  auto* doc = dynamic_cast<renta::CRentaDoc*>(marco::DameDocumentoActivo());
  if (doc == nullptr) return marco::kDialogoCancelado;
  CDlgAsignacionTributaria dlg(p.padre);
  dlg.m_pDatos = &doc->Datos();
  return dlg.DoModal();
}

int AbrirNacimientoTercerHijo(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != sizeof(BloqueNacimientoTercerHijo)) return marco::kDialogoCancelado;
  const int decimales = p.primerParametro == 3 || p.primerParametro == 8 ? 0 : 2;
  CDlgNacimientoTercerHijo dlg(p.padre, p.segundoParametro, decimales);
  std::memcpy(dlg.m_recibido.data(), p.bloque.data(), sizeof dlg.m_recibido);
  dlg.m_familia = FamiliaActual();
  marco::PrepararDialogoDetalle(dlg, p);
  const int r = dlg.DoModal();
  if (r == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), dlg.m_recibido.data(), sizeof dlg.m_recibido);
  return r;
}

int AbrirNacimientoHijos(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != sizeof(BloqueNacimientoHijos)) return marco::kDialogoCancelado;
  CDlgNacimientoHijos dlg(p.padre, p.segundoParametro);
  std::memcpy(dlg.m_recibido.data(), p.bloque.data(), sizeof dlg.m_recibido);
  dlg.m_familia = FamiliaActual();
  marco::PrepararDialogoDetalle(dlg, p);
  const int r = dlg.DoModal();
  if (r == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), dlg.m_recibido.data(), sizeof dlg.m_recibido);
  return r;
}

}  // namespace

void RegistrarDialogosAsignacionNacimientos() {
  marco::RegistrarDialogoDetalle(kVentanaAsignacionTributaria, 0, AbrirAsignacionTributaria);
  marco::RegistrarDialogoDetalle(kVentanaNacimientoTercerHijo, sizeof(BloqueNacimientoTercerHijo),
                                 AbrirNacimientoTercerHijo);
  marco::RegistrarDialogoDetalle(kVentanaNacimientoHijos, sizeof(BloqueNacimientoHijos), AbrirNacimientoHijos);
}

}  // namespace dialogos
