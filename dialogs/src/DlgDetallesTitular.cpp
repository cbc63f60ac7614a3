#include "dialogs/DlgDetallesTitular.h"

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/CamposDetalle.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "income/RentaDoc.h"

namespace dialogos {

namespace {

std::vector<int> Unir(std::initializer_list<std::initializer_list<int>> filas) {
  std::vector<int> ids;
  for (const auto& fila : filas) ids.insert(ids.end(), fila.begin(), fila.end());
  return ids;
}

const std::vector<int> kIdsModalidad = Unir({{1783, 1784}, {1785, 1786}, {1787, 1788}, {1781, 1782}});
constexpr SFormaBloque kFormaModalidad{2, 3, 32, 0, false};
const std::vector<int> kIdsObras = Unir({{1238, 1239, 1240}, {1242, 1243, 1244}, {1241, 1245, 1246}, {1247, 1248, 1249}});
// The entries take the first 96 bytes; the other 96 are kept as they are.
constexpr SFormaBloque kFormaObras{3, 3, 32, 192, false};
const std::vector<int> kIdsUno = Unir({{1273}, {1199}});
constexpr SFormaBloque kFormaUno{1, 1, 16, 0, false};
const std::vector<int> kIdsDos = Unir({{1314, 1288}, {1282, 1293}});
constexpr SFormaBloque kFormaDos{2, 1, 16, 0, false};
const std::vector<int> kIdsTres = Unir({{1314, 1288, 1300}, {1282, 1293, 1307}});
constexpr SFormaBloque kFormaTres{3, 1, 16, 0, false};
const std::vector<int> kIdsCuatro = Unir({{1314, 1288, 1300, 1301}, {1282, 1293, 1307, 1302}});
constexpr SFormaBloque kFormaCuatro{4, 1, 16, 72, false};
// Two entries, then the joint amount at byte 32.
constexpr SFormaBloque kFormaTransparencia2{2, 1, 16, 40, false};

constexpr int kContextoGeneral = 1;
constexpr int kContextoObras = 907;
constexpr int kContextoCantidades = 225;

// The box parameters of the conservation of the cultural heritage: owners born before 1968 or before 1964, and the
// amounts paid.
constexpr int kVarianteAntes1968 = 7;
constexpr int kVarianteAntes1964 = 8;
constexpr int kVarianteSatisfechas = 9;
// The box parameter of international fiscal transparency that shows income obtained in the Canary Islands.
constexpr int kVarianteCanarias = 20;

int AnioFamilia(const RegDatosFamilia& familia, std::size_t desp) {
  int anio = 0;
  for (std::size_t i = desp; i < desp + 4; ++i) {
    const unsigned char c = familia.octetos[i];
    if (c < '0' || c > '9') return 0;
    anio = anio * 10 + (c - '0');
  }
  return anio;
}

}  // namespace

double DeduccionModalidadID(double activosFijos, double intangibles) {
  return marco::Redondear(activosFijos * 0.45 + intangibles * 0.30);
}

// ---- research and development ----

CDlgModalidadID::CDlgModalidadID(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1549, padre, segundoParametro, kFormaModalidad, kIdsModalidad, kIdAyudaTitularLineas,
                            kContextoGeneral) {
  Plantilla() = PlantillaLineasTitulares("MODALIDAD I+D. DEDUCCIONES DE 1999", kIdsModalidad,
                                         {"Titular", "Gastos en\nintangibles", "Activos fijos", "Deducci\xF3n"}, {},
                                         true);
}

int CDlgModalidadID::OnInitDialog() {
  // The focus set on the open entries while the dialog opens is no field left by the user.
  m_bAbriendo = true;
  const int resultado = CDlgImportesTitulares::OnInitDialog();
  m_bAbriendo = false;
  return resultado;
}

void CDlgModalidadID::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  // The second entry's deduction is never typed; the first one's until a field is left.
  HabilitarControl(IdControl(kDeduccion, 1), false);
  if (m_bDeduccionCerrada) HabilitarControl(IdControl(kDeduccion, 0), false);
}

bool CDlgModalidadID::Recalcular() {
  if (m_bAbriendo) return false;
  m_bDeduccionCerrada = true;
  HabilitarControl(IdControl(kDeduccion, 0), false);
  HabilitarControl(IdControl(kDeduccion, 1), false);
  if (Variante() != 1) return false;
  for (SEntradaTitular& entrada : Copia()) {
    entrada.importes[kDeduccion - 1] =
        entrada.titular == 0 ? 0.0 : DeduccionModalidadID(entrada.importes[kActivosFijos - 1],
                                                          entrada.importes[kIntangibles - 1]);
  }
  return true;
}

// ---- adaptation works of the dwelling of disabled persons ----

CDlgObrasMinusvalidos::CDlgObrasMinusvalidos(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1574, padre, segundoParametro, kFormaObras, kIdsObras, kIdAyudaTitularOtra,
                            kContextoObras) {
  Plantilla() = PlantillaLineasTitulares(
      "OBRAS DE ADECUACI\xD3N DE LA VIVIENDA HABITUAL DE MINUSV\xC1LIDOS", kIdsObras,
      {"Titular", "Con financiaci\xF3n\najena: en los dos\na\xF1os siguientes",
       "Con financiaci\xF3n\najena: despu\xE9s de\nlos dos a\xF1os", "Sin financiaci\xF3n\najena: inversi\xF3n\ndel ejercicio"},
      {}, true, -1, 0, kIdAyudaTitularOtra);
  PonerVaciarAyuda(false);
}

void CDlgObrasMinusvalidos::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  ExcluirFinanciacion();
}

int CDlgObrasMinusvalidos::AlCambiarTexto(int id) {
  if (FilaDeControl(id) > 0) ExcluirFinanciacion();
  return 0;
}

int CDlgObrasMinusvalidos::AlCambiarValor(int id) {
  const int resultado = CDlgImportesTitulares::AlCambiarValor(id);
  ExcluirFinanciacion();
  return resultado;
}

// ---- one to four holders with one amount ----

CDlgImportesTitular::CDlgImportesTitular(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(142, padre, segundoParametro, kFormaUno, kIdsUno, kIdAyudaTitularLineas,
                            kContextoGeneral) {
  Plantilla() = PlantillaLineasTitulares("Dialog", kIdsUno, {"Titular", "Importe"}, {}, true);
  PonerVaciarAyuda(false);
}

CDlgTransparenciaFiscal::CDlgTransparenciaFiscal(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(166, padre, segundoParametro, kFormaDos, kIdsDos, kIdAyudaTitularLineas,
                            kContextoGeneral) {
  Plantilla() = PlantillaLineasTitulares("TRANSPARENCIA FISCAL INTERNACIONAL", kIdsDos, {"Titular", "Importe"}, {},
                                         true, kIdCabeceraImporte);
  PonerVaciarAyuda(false);
}

void CDlgTransparenciaFiscal::AlAbrir() {
  if (Variante() == kVarianteCanarias) {
    PonerTextoControl(kIdCabeceraImporte, "Rendimientos\nen Canarias");
  } else if (Variante() != 0) {
    PonerTextoControl(kIdCabeceraImporte, "Importe\nDeducci\xF3n");
  }
}

CDlgConservacionPatrimonio::CDlgConservacionPatrimonio(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(165, padre, segundoParametro, kFormaTres, kIdsTres, kIdAyudaTitularLineas,
                            kContextoGeneral) {
  Plantilla() = PlantillaLineasTitulares("CONSER. DEL PATR. CULTURAL VALENCIANO POR SUS TITULARES", kIdsTres,
                                         {"Titular", "Importe"}, {}, true, kIdCabeceraImporte);
}

void CDlgConservacionPatrimonio::AlAbrir() {
  if (Variante() == kVarianteSatisfechas) PonerTextoControl(kIdCabeceraImporte, "Cantidades\nSatisfechas");
}

int CDlgConservacionPatrimonio::ComprobarEntradas() {
  int limite = 0;
  std::string_view codigo;
  if (Variante() == kVarianteAntes1968) {
    limite = 1968;
    codigo = "100R151";
  } else if (Variante() == kVarianteAntes1964) {
    limite = 1964;
    codigo = "100R153";
  } else {
    return 1;
  }
  // A year not given (0) is not a year before the limit.
  const bool declarante = m_nAnioDeclarante > 0 && m_nAnioDeclarante < limite;
  const bool conyuge = m_nAnioConyuge > 0 && m_nAnioConyuge < limite;
  for (int e = 0; e < Forma().entradas; ++e) {
    const std::uint8_t t = TitularDeEntrada(e);
    if ((declarante && (t == 1 || t == 2)) || (conyuge && (t == 1 || t == 3))) {
      marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoMano);
      PonerFoco(IdControl(0, e));
      return 0;
    }
  }
  return 1;
}

CDlgCantidadesTitular::CDlgCantidadesTitular(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1586, padre, segundoParametro, kFormaCuatro, kIdsCuatro, kIdAyudaTitularLineas,
                            kContextoCantidades) {
  Plantilla() = PlantillaLineasTitulares("Dialog", kIdsCuatro, {"Titular", "Cantidad"}, {}, true);
}

// ---- international fiscal transparency with the joint amount ----

CDlgTransparenciaFiscal2::CDlgTransparenciaFiscal2(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1595, padre, segundoParametro, kFormaTransparencia2, kIdsDos, kIdAyudaTitularLineas, 0) {
  marco::CPlantillaDialogo p = PlantillaLineasTitulares(
      "TRANSPARENCIA FISCAL INTERNACIONAL", kIdsDos, {"Titular", "Declaraciones\nindividuales:\nImporte"}, {},
      false, -1, 18);
  p.Estatico(-1, "Declaraci\xF3n conjunta: Importe", {6, YBandaLineas(2, 3) + 2, 100, 10});
  p.Importe(kIdConjunta, {110, YBandaLineas(2, 3), 64, 12}, 14);
  Plantilla() = p;
  PonerVaciarAyuda(false);
}

bool CDlgTransparenciaFiscal2::VistaFamiliar() const {
  return SujetoActual() == marco::kSujetoUnidadFamiliar || SujetoActual() == 0;
}

void CDlgTransparenciaFiscal2::AlAbrir() {
  // Only the family unit has a joint amount.
  if (!VistaFamiliar()) PonerDobleResto(0, 0.0);
  Enlazar(kIdConjunta, EnlaceResto(0, false));
  HabilitarControl(kIdConjunta, VistaFamiliar() && !Bloqueado());
  for (int e = 0; e < 2; ++e) m_vistos[static_cast<std::size_t>(e)] = Importe(e, 1);
  m_conjuntaVista = Conjunta();
  ActualizarDatos(0);
}

int CDlgTransparenciaFiscal2::AlSalirDeCampo(int id) {
  const int resultado = CDlgImportesTitulares::AlSalirDeCampo(id);
  if (resultado == 0) return resultado;
  const int fila = FilaDeControl(id);
  const int e = EntradaDeControl(id);
  if (fila == 1) {
    if (Importe(e, 1) != m_vistos[static_cast<std::size_t>(e)] && VistaFamiliar()) {
      m_vistos[static_cast<std::size_t>(e)] = Importe(e, 1);
      PonerDobleResto(0, Importe(0, 1) + Importe(1, 1));
      m_conjuntaVista = Conjunta();
      ActualizarDatos(0);
    } else {
      m_conjuntaVista = Conjunta();
    }
  } else if (fila == 0) {
    if (Importe(0, 1) + Importe(1, 1) == 0.0) PonerDobleResto(0, 0.0);
    ActualizarDatos(0);
  } else if (id == kIdConjunta) {
    m_conjuntaVista = Conjunta();
  }
  return resultado;
}

// ---- university study expenses ----

CDlgImporteEstudios::CDlgImporteEstudios(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(1585, padre, segundoParametro) {
  marco::CPlantillaDialogo p(200, 62, "Gastos de estudios universitarios");
  LineaCampo(p, kIdImporte, "Importe", 10, 90, 70);
  p.Aceptar({70, 36, 60, 18}).Cancelar({134, 36, 60, 18});
  Plantilla() = p;
}

int CDlgImporteEstudios::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  std::memcpy(&m_importe, m_recibido.data(), sizeof m_importe);
  if (!std::isfinite(m_importe) || m_importe < 0.0) m_importe = 0.0;
  Enlazar(kIdImporte, EnlaceImporteCampo(&m_importe, 10, 0));
  // The launcher's flag: the spouse or the first child is present.
  if (CodigoSujeto() != marco::kSujetoUnidadFamiliar && ColumnaConyuge() == 1) HabilitarEdiciones(0);
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

int CDlgImporteEstudios::AlSalirDeCampo(int) { return PermitirSalidaCampo() ? 1 : 0; }

void CDlgImporteEstudios::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Bloqueado() && !(CodigoSujeto() != marco::kSujetoUnidadFamiliar && ColumnaConyuge() == 1)) {
    std::memcpy(m_recibido.data(), &m_importe, sizeof m_importe);
  }
  CTemplateDlg::OnOK();
}

// ---- the launch ----

namespace {

int AbrirConservacion(marco::SPeticionDetalle& p) {
  CDlgConservacionPatrimonio dlg(p.padre, p.segundoParametro);
  if (!dlg.Recibir(p.bloque)) return marco::kDialogoCancelado;
  if (const auto* documento = dynamic_cast<const renta::CRentaDoc*>(marco::DameDocumentoActivo())) {
    dlg.m_nAnioDeclarante = AnioFamilia(documento->Datos().DatosFamilia, 4);
    dlg.m_nAnioConyuge = AnioFamilia(documento->Datos().DatosFamilia, 8);
  }
  marco::PrepararDialogoDetalle(dlg, p);
  dlg.PonerVariante(p.primerParametro);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) dlg.Devolver(p.bloque);
  return resultado;
}

int AbrirImporteEstudios(marco::SPeticionDetalle& p) {
  if (p.bloque.size() != CDlgImporteEstudios::kTamanoBloque) return marco::kDialogoCancelado;
  CDlgImporteEstudios dlg(p.padre, p.segundoParametro);
  std::memcpy(dlg.m_recibido.data(), p.bloque.data(), dlg.m_recibido.size());
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), dlg.m_recibido.data(), dlg.m_recibido.size());
  return resultado;
}

}  // namespace

void RegistrarDlgDetallesTitular() {
  RegistrarRejilla<CDlgModalidadID>(kVentanaModalidadID, kFormaModalidad.TamanoBloque());
  RegistrarRejilla<CDlgObrasMinusvalidos>(kVentanaObrasMinusvalidos, kFormaObras.TamanoBloque());
  RegistrarRejilla<CDlgImportesTitular>(kVentanaImportesTitular, kFormaUno.TamanoBloque());
  RegistrarRejilla<CDlgTransparenciaFiscal>(kVentanaTransparenciaFiscal, kFormaDos.TamanoBloque());
  marco::RegistrarDialogoDetalle(kVentanaConservacionPatrimonio, kFormaTres.TamanoBloque(), AbrirConservacion);
  RegistrarRejilla<CDlgCantidadesTitular>(kVentanaCantidadesTitular, kFormaCuatro.TamanoBloque());
  RegistrarRejilla<CDlgTransparenciaFiscal2>(kVentanaTransparenciaFiscal2, kFormaTransparencia2.TamanoBloque());
  marco::RegistrarDialogoDetalle(kVentanaImporteEstudios, CDlgImporteEstudios::kTamanoBloque, AbrirImporteEstudios);
}

}  // namespace dialogos
