#include "dialogs/DlgPequenosTitular.h"

#include <cmath>
#include <cstring>
#include <optional>
#include <string>

#include "dialogs/CamposDetalle.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace dialogos {

namespace {

constexpr std::size_t kTamanoAcogimiento = 24;
constexpr std::size_t kTamanoMinusvalidos = 48;
constexpr std::size_t kTamanoCustodia = 24;
constexpr std::size_t kTamanoConvenios = 16;
constexpr std::size_t kTamanoMarcas = 2;
constexpr std::size_t kTamanoFamiliaNumerosa = 16;
constexpr std::size_t kTamanoDobleImposicion = 16;

// The kinds of the disabled taxpayers over 65 box that ask another question.
constexpr int kPreguntaCobrosPagos = 9;
constexpr int kPreguntaNoMercantil = 10;

// A row of count or amount edits under their column heads, with a label before them.
void FilaColumnas(marco::CPlantillaDialogo& p, std::string_view etiqueta, std::initializer_list<int> ids,
                  std::initializer_list<std::string_view> cabeceras, int y, int xPrimera, int ancho) {
  if (!etiqueta.empty()) p.Estatico(-1, etiqueta, {6, y + 14, xPrimera - 10, 10});
  int x = xPrimera;
  auto cabecera = cabeceras.begin();
  for (int id : ids) {
    if (cabecera != cabeceras.end()) p.Estatico(-1, *cabecera++, {x, y, ancho, 10});
    p.Importe(id, {x, y + 12, ancho - 4, 12}, 14);
    x += ancho;
  }
}

// A mark per person under "Declarante" and "Cónyuge", after a question.
void MarcasPersonas(marco::CPlantillaDialogo& p, int idPregunta, std::string_view pregunta, int idDeclarante,
                    int idConyuge) {
  p.Estatico(idPregunta, pregunta, {6, 6, 268, 40});
  p.Estatico(1371, "Declarante", {60, 52, 50, 10});
  p.Edicion(idDeclarante, {76, 64, 14, 12}, marco::kEdicionMayusculas, 1);
  p.Estatico(1380, "C\xF3nyuge", {160, 52, 50, 10});
  p.Edicion(idConyuge, {172, 64, 14, 12}, marco::kEdicionMayusculas, 1);
  p.Aceptar({150, 86, 60, 18}).Cancelar({214, 86, 60, 18});
}

}  // namespace

// ---- the base ----

CDlgBloqueDetalle::CDlgBloqueDetalle(int idRecurso, wxWindow* padre, std::int32_t segundoParametro,
                                     std::size_t tamano)
    : CTemplateDlg(idRecurso, padre, segundoParametro), m_nTamano(tamano <= kMaxBloque ? tamano : kMaxBloque) {}

bool CDlgBloqueDetalle::Recibir(std::span<const unsigned char> bloque) {
  if (bloque.size() != m_nTamano) return false;
  m_recibido.fill(0.0);
  std::memcpy(m_recibido.data(), bloque.data(), m_nTamano);
  return true;
}

void CDlgBloqueDetalle::Devolver(std::span<unsigned char> bloque) const {
  if (bloque.size() != m_nTamano) return;
  std::memcpy(bloque.data(), m_recibido.data(), m_nTamano);
}

double CDlgBloqueDetalle::Doble(std::size_t desp) const {
  return desp + 8 <= m_nTamano ? m_copia[desp / 8] : 0.0;
}

void CDlgBloqueDetalle::PonerDoble(std::size_t desp, double valor) {
  if (desp + 8 <= m_nTamano) m_copia[desp / 8] = valor;
}

std::uint8_t CDlgBloqueDetalle::Octeto(std::size_t desp) const { return desp < m_nTamano ? Octetos()[desp] : 0; }

void CDlgBloqueDetalle::PonerOcteto(std::size_t desp, std::uint8_t valor) {
  if (desp < m_nTamano) Octetos()[desp] = valor;
}

double CDlgBloqueDetalle::DobleRecibido(std::size_t desp) const {
  return desp + 8 <= m_nTamano ? m_recibido[desp / 8] : 0.0;
}

std::uint8_t CDlgBloqueDetalle::OctetoRecibido(std::size_t desp) const {
  return desp < m_nTamano ? reinterpret_cast<const unsigned char*>(m_recibido.data())[desp] : 0;
}

bool CDlgBloqueDetalle::BloqueadoPorIndicador() const {
  return CodigoSujeto() != marco::kSujetoUnidadFamiliar && ColumnaConyuge() == 1;
}

void CDlgBloqueDetalle::CampoDoble(int id, std::size_t desp, int enteros, int decimales) {
  m_campos.push_back({id, desp, EClase::kDoble, enteros, decimales});
}

void CDlgBloqueDetalle::CamposDePersonas(std::initializer_list<int> ids) {
  std::int32_t sujeto = marco::kSujetoUnidadFamiliar;
  for (const int id : ids) {
    if (id != 0) PonerCampoDeSujeto(sujeto, id);
    ++sujeto;
  }
}

void CDlgBloqueDetalle::CampoMarca(int id, std::size_t desp) { m_campos.push_back({id, desp, EClase::kMarca, 0, 0}); }

void CDlgBloqueDetalle::CampoSiNo(int id, std::size_t desp) { m_campos.push_back({id, desp, EClase::kSiNo, 0, 0}); }

const CDlgBloqueDetalle::SCampo* CDlgBloqueDetalle::Campo(int id) const {
  for (const SCampo& c : m_campos) {
    if (c.id == id) return &c;
  }
  return nullptr;
}

int CDlgBloqueDetalle::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  for (const SCampo& c : m_campos) {
    if (c.clase == EClase::kDoble) {
      if (c.desp + 8 > m_nTamano) continue;
      double& valor = m_copia[c.desp / 8];
      // A damaged amount shows and counts as 0.
      if (!std::isfinite(valor) || valor < 0.0) valor = 0.0;
      Enlazar(c.id, EnlaceImporteCampo(&valor, c.enteros, c.decimales));
    } else if (c.desp < m_nTamano) {
      std::uint8_t* octeto = Octetos() + c.desp;
      Enlazar(c.id, c.clase == EClase::kMarca ? EnlaceMarca(octeto) : EnlaceSiNo(octeto));
    }
  }
  AlAbrir();
  Mostrar();
  return 1;
}

void CDlgBloqueDetalle::OnOK() {
  Guardar();
  if (!Comprobar()) return;
  if (!Bloqueado() && !BloqueadoPorIndicador()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

int CDlgBloqueDetalle::ValidarCaracterCampo(int id, unsigned caracter) {
  const SCampo* campo = Campo(id);
  if (campo == nullptr || campo->clase == EClase::kDoble) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  if (Ventana() != nullptr && (!Ventana()->Habilitado(id) || Ventana()->SoloLectura(id))) return 1;
  const std::optional<std::uint8_t> nuevo =
      campo->clase == EClase::kMarca ? MarcaTecleada(caracter) : SiNoTecleado(caracter);
  if (!nuevo) return 1;
  Guardar();
  PonerOcteto(campo->desp, *nuevo);
  Mostrar();
  AlCambiarMarca(id);
  return 2;
}

// ---- unpaid fostering of persons over 65 ----

CDlgAcogimientoMayores::CDlgAcogimientoMayores(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(1581, padre, segundoParametro, kTamanoAcogimiento) {
  marco::CPlantillaDialogo p(250, 72, "ACOGIMIENTO NO REMUNERADO DE MAYORES DE 65 A\xD1OS");
  FilaColumnas(p, "N\xBA de personas", {kIdComunes, kIdDeclarante, kIdConyuge},
               {"C&omunes", "&Declarante", "C\xF3&nyuge"}, 6, 70, 58);
  p.Aceptar({120, 46, 60, 18}).Cancelar({184, 46, 60, 18});
  Plantilla() = p;
  CampoDoble(kIdComunes, 0, 1, 2);
  CampoDoble(kIdDeclarante, 8, 1, 2);
  CampoDoble(kIdConyuge, 16, 1, 2);
  CamposDePersonas({kIdComunes, kIdDeclarante, kIdConyuge});
}

void CDlgAcogimientoMayores::AlAbrir() {
  if (CodigoSujeto() == marco::kSujetoUnidadFamiliar || !Bloqueado()) {
    HabilitarControl(kIdComunes, FamiliaTipo1());
    HabilitarControl(kIdConyuge, FamiliaTipo1());
  } else {
    HabilitarControl(marco::kIdAceptar, false);
  }
}

bool CDlgAcogimientoMayores::Comprobar() {
  if (FamiliaTipo1() || Doble(0) == 0.0) return true;
  marco::CDlgMensaje().MostrarMensaje("100R152", marco::IconoMano);
  return false;
}

// ---- disabled persons of the regional deduction ----

CDlgMinusvalidosAutonomica::CDlgMinusvalidosAutonomica(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(1579, padre, segundoParametro, kTamanoMinusvalidos) {
  marco::CPlantillaDialogo p(330, 84, "N\xFAmero de minusv\xE1lidos que dan derecho a la deducci\xF3n auton\xF3mica");
  p.Estatico(-1, "Declaraciones individuales", {6, 4, 250, 10});
  FilaColumnas(p, {}, {kIdComunes, kIdDeclarante, kIdConyuge, kIdHijo1, kIdHijo2},
               {"C&omunes", "&Declarante", "&C\xF3nyuge", "Hijo &1", "Hijo &2"}, 16, 6, 50);
  FilaColumnas(p, {}, {kIdConjunta}, {"Con&junta"}, 16, 266, 56);
  p.Aceptar({198, 58, 60, 18}).Cancelar({262, 58, 60, 18});
  Plantilla() = p;
  CampoDoble(kIdComunes, 0, 1, 2);
  CampoDoble(kIdDeclarante, 8, 1, 2);
  CampoDoble(kIdConyuge, 16, 1, 2);
  CampoDoble(kIdHijo1, 24, 1, 2);
  CampoDoble(kIdHijo2, 32, 1, 2);
  CampoDoble(kIdConjunta, 40, 1, 2);
  CamposDePersonas({kIdComunes, kIdDeclarante, kIdConyuge, kIdHijo1, kIdHijo2});
}

void CDlgMinusvalidosAutonomica::AlAbrir() {
  for (std::size_t i = 0; i < m_vistos.size(); ++i) m_vistos[i] = Doble(8 * i);
  if (BloqueadoPorIndicador() || Bloqueado()) {
    HabilitarEdiciones(0);
    return;
  }
  HabilitarControl(kIdComunes, FamiliaTipo1());
  HabilitarControl(kIdConyuge, FamiliaTipo1());
  HabilitarControl(kIdHijo1, m_bHijos);
  HabilitarControl(kIdHijo2, m_bHijos);
  m_bSumarConjunta = FamiliaTipo1() || m_bHijos;
  HabilitarControl(kIdConjunta, m_bSumarConjunta);
  HabilitarControl(kIdDeclarante, true);
}

int CDlgMinusvalidosAutonomica::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo()) return 0;
  if (id != kIdComunes && id != kIdDeclarante && id != kIdConyuge) return 1;
  const std::size_t i = id == kIdComunes ? 0 : id == kIdDeclarante ? 1 : 2;
  if (!m_bSumarConjunta || Doble(8 * i) == m_vistos[i]) return 1;
  // The children's counts are not part of the joint one.
  PonerDoble(40, Doble(0) + Doble(8) + Doble(16));
  for (std::size_t j = 0; j < m_vistos.size(); ++j) m_vistos[j] = Doble(8 * j);
  Mostrar();
  return 1;
}

bool CDlgMinusvalidosAutonomica::Comprobar() {
  if (FamiliaTipo1() || Doble(0) == 0.0) return true;
  marco::CDlgMensaje().MostrarMensaje("100R148", marco::IconoMano);
  return false;
}

// ---- custody of children from 3 to 6 ----

CDlgCustodiaHijos::CDlgCustodiaHijos(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(1587, padre, segundoParametro, kTamanoCustodia) {
  marco::CPlantillaDialogo p(200, 100, "GASTOS DE CUSTODIA DE HIJOS DE 3 A 6 A\xD1OS");
  p.Estatico(1171, "Titular", {6, 6, 70, 10});
  p.Estatico(1172, "Importe", {90, 6, 70, 10});
  LineaCampo(p, kIdComun, "Com\xFAn", 18, 90, 70);
  LineaCampo(p, kIdDeclarante, "Declarante", 34, 90, 70);
  LineaCampo(p, kIdConyuge, "C\xF3nyuge", 50, 90, 70);
  p.Aceptar({70, 74, 60, 18}).Cancelar({134, 74, 60, 18});
  Plantilla() = p;
  CampoDoble(kIdComun, 0, 10, 0);
  CampoDoble(kIdDeclarante, 8, 10, 0);
  CampoDoble(kIdConyuge, 16, 10, 0);
  CamposDePersonas({kIdComun, kIdDeclarante, kIdConyuge});
}

void CDlgCustodiaHijos::AlAbrir() {
  if (BloqueadoPorIndicador() || Bloqueado()) {
    HabilitarEdiciones(0);
    return;
  }
  HabilitarControl(kIdComun, true);
  HabilitarControl(kIdConyuge, FamiliaTipo1());
}

// ---- collaboration agreements ----

CDlgConveniosColaboracion::CDlgConveniosColaboracion(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(245, padre, segundoParametro, kTamanoConvenios) {
  marco::CPlantillaDialogo p(230, 96, "CONVENIOS DE COLABORACION");
  LineaCampo(p, kIdDeclarante, "Declarante", 8, 90, 70);
  LineaCampo(p, kIdConyuge, "C\xF3nyuge", 26, 90, 70);
  p.Estatico(-1, "(*) El programa no calcula los l\xEDmites aplicables (Ver Ayuda)", {6, 46, 218, 10});
  p.Aceptar({100, 70, 60, 18}).Cancelar({164, 70, 60, 18});
  Plantilla() = p;
  CampoDoble(kIdDeclarante, 0, 10, 0);
  CampoDoble(kIdConyuge, 8, 10, 0);
  CamposDePersonas({0, kIdDeclarante, kIdConyuge});
}

void CDlgConveniosColaboracion::AlAbrir() {
  const std::int32_t sujeto = CodigoSujeto();
  if (Bloqueado()) {
    if (sujeto == marco::kSujetoDeclarante) {
      PonerDoble(8, 0.0);
    } else if (sujeto == marco::kSujetoConyuge) {
      // The spouse's own amount in the first place.
      PonerDoble(0, Doble(8));
      PonerDoble(8, 0.0);
    } else {
      PonerDoble(0, 0.0);
      PonerDoble(8, 0.0);
    }
    HabilitarControl(kIdDeclarante, false);
    HabilitarControl(kIdConyuge, false);
    HabilitarControl(marco::kIdAceptar, false);
    return;
  }
  HabilitarControl(kIdDeclarante, true);
  HabilitarControl(kIdConyuge, sujeto != marco::kSujetoDeclarante && Entorno().conyuge);
  HabilitarControl(marco::kIdAceptar, true);
}

// ---- public aid to the purchase of the dwelling ----

CDlgAyudasVivienda::CDlgAyudasVivienda(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(198, padre, segundoParametro, kTamanoMarcas) {
  marco::CPlantillaDialogo p(280, 112, "APLICACI\xD3N DE AYUDAS P\xDA" "BLICAS A LA ADQUISICI\xD3N DE VIVIENDA");
  MarcasPersonas(p, -1,
                 "Marque una X si, en 1999, ha destinado a la adquisici\xF3n o rehabilitaci\xF3n de la vivienda "
                 "habitual cantidades procedentes de una subvenci\xF3n concedida por la Generalidad Valenciana para "
                 "esa finalidad.",
                 kIdDeclarante, kIdConyuge);
  Plantilla() = p;
  CampoMarca(kIdDeclarante, 0);
  CampoMarca(kIdConyuge, 1);
}

void CDlgAyudasVivienda::AlAbrir() {
  if (!FamiliaTipo1()) HabilitarControl(kIdConyuge, false);
}

// ---- disabled taxpayers over 65 ----

CDlgMinusvalidosMayores::CDlgMinusvalidosMayores(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(1582, padre, segundoParametro, kTamanoMarcas) {
  marco::CPlantillaDialogo p(280, 112, "CONTRIBUYENTES MINUSV\xC1LIDOS MAYORES DE 65 A\xD1OS");
  MarcasPersonas(p, kIdPregunta,
                 "Si el declarante y/o el c\xF3nyuge son mayores de 65 a\xF1os y minusv\xE1lidos en grado igual o "
                 "superior al 33 %, marque una X si no han recibido prestaciones exentas del impuesto por la "
                 "situaci\xF3n de discapacidad.",
                 kIdDeclarante, kIdConyuge);
  Plantilla() = p;
  CampoMarca(kIdDeclarante, 0);
  CampoMarca(kIdConyuge, 1);
}

void CDlgMinusvalidosMayores::AlAbrir() {
  if (!FamiliaTipo1()) HabilitarControl(kIdConyuge, false);
  constexpr std::string_view kCobrosPagos =
      "Si como criterio de imputaci\xF3n temporal ha optado por el criterio\nde cobros y pagos, marque una \"X\".";
  if (Parametro() == kPreguntaCobrosPagos) {
    PonerTextoControl(kIdPregunta, kCobrosPagos);
  } else if (Parametro() == kPreguntaNoMercantil) {
    PonerTextoControl(kIdPregunta, std::string(
                                       "S\xF3lo para titulares de actividades de car\xE1"
                                       "cter no mercantil o profesionales:\n") +
                                       std::string(kCobrosPagos));
  }
  if (BloqueadoPorIndicador()) HabilitarEdiciones(0);
}

// ---- large family ----

CDlgFamiliaNumerosa::CDlgFamiliaNumerosa(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(212, padre, segundoParametro, kTamanoFamiliaNumerosa) {
  marco::CPlantillaDialogo p(320, 70, "Familia numerosa");
  p.Estatico(-1, "&Familia numerosa (S/N) ........................................", {6, 8, 270, 10});
  p.Edicion(kIdFamiliaNumerosa, {280, 6, 24, 12}, marco::kEdicionMayusculas, 2);
  p.Estatico(-1,
             "&N\xFAmero de hijos que exceden del m\xEDnimo exigido para tener la condici\xF3n de familia "
             "numerosa ........",
             {6, 24, 270, 18});
  p.Importe(kIdHijos, {280, 24, 34, 12}, 5);
  p.Aceptar({190, 46, 60, 18}).Cancelar({254, 46, 60, 18});
  Plantilla() = p;
  CampoSiNo(kIdFamiliaNumerosa, 0);
  CampoDoble(kIdHijos, 8, 2, 2);
}

void CDlgFamiliaNumerosa::AlAbrir() {
  if (!Bloqueado()) HabilitarControl(kIdHijos, Octeto(0) == kMarcaSi);
}

void CDlgFamiliaNumerosa::SeguirRespuesta() {
  if (Octeto(0) != kMarcaNo) {
    HabilitarControl(kIdHijos, !Bloqueado());
    return;
  }
  HabilitarControl(kIdHijos, false);
  PonerDoble(8, 0.0);
  Mostrar();
}

void CDlgFamiliaNumerosa::AlCambiarMarca(int) { SeguirRespuesta(); }

int CDlgFamiliaNumerosa::AlSalirDeCampo(int id) {
  if (Bloqueado()) return 1;
  SeguirRespuesta();
  if (id == kIdFamiliaNumerosa && Octeto(0) != kMarcaNo && PermitirSalidaCampo()) PonerFoco(kIdHijos);
  return 1;
}

int CDlgFamiliaNumerosa::AlEntrarEnCampo(int id) {
  if (id == kIdHijos && Octeto(0) == kMarcaNo) PonerFoco(kIdFamiliaNumerosa);
  return 1;
}

// ---- double taxation of dividends ----

CDlgDobleImposicion::CDlgDobleImposicion(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgBloqueDetalle(1592, padre, segundoParametro, kTamanoDobleImposicion) {
  marco::CPlantillaDialogo p(300, 70, "DOBLE IMPOSICI\xD3N DE DIVIDENDOS");
  LineaCampo(p, kIdBase, "Base c\xE1lculo deducci\xF3n doble imposici\xF3n de dividendos", 8, 220, 70);
  LineaCampo(p, kIdDeduccion, "Importe deducci\xF3n por doble imposici\xF3n de dividendos", 26, 220, 70);
  p.Aceptar({166, 46, 60, 18}).Cancelar({230, 46, 60, 18});
  Plantilla() = p;
  CampoDoble(kIdBase, 0, 10, 0);
  CampoDoble(kIdDeduccion, 8, 10, 0);
}

// ---- the launch ----

namespace {

template <class TDialogo>
int AbrirBloque(marco::SPeticionDetalle& p) {
  TDialogo dlg(p.padre, p.segundoParametro);
  if (!dlg.Recibir(p.bloque)) return marco::kDialogoCancelado;
  if (const auto* documento = dynamic_cast<const renta::CRentaDoc*>(marco::DameDocumentoActivo())) {
    dlg.m_nTipoUnidad = renta::TipoUnidadFamiliar(documento->Datos().DatosFamilia);
    dlg.m_bHijos = documento->Datos().DatosFamilia.octetos[1] == 1;
  }
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) dlg.Devolver(p.bloque);
  return resultado;
}

}  // namespace

void RegistrarDlgPequenosTitular() {
  marco::RegistrarDialogoDetalle(kVentanaAcogimientoMayores, kTamanoAcogimiento, AbrirBloque<CDlgAcogimientoMayores>);
  marco::RegistrarDialogoDetalle(kVentanaMinusvalidosAutonomica, kTamanoMinusvalidos,
                                 AbrirBloque<CDlgMinusvalidosAutonomica>);
  marco::RegistrarDialogoDetalle(kVentanaCustodiaHijos, kTamanoCustodia, AbrirBloque<CDlgCustodiaHijos>);
  marco::RegistrarDialogoDetalle(kVentanaConveniosColaboracion, kTamanoConvenios,
                                 AbrirBloque<CDlgConveniosColaboracion>);
  marco::RegistrarDialogoDetalle(kVentanaAyudasVivienda, kTamanoMarcas, AbrirBloque<CDlgAyudasVivienda>);
  marco::RegistrarDialogoDetalle(kVentanaMinusvalidosMayores, kTamanoMarcas, AbrirBloque<CDlgMinusvalidosMayores>);
  marco::RegistrarDialogoDetalle(kVentanaFamiliaNumerosa, kTamanoFamiliaNumerosa, AbrirBloque<CDlgFamiliaNumerosa>);
  marco::RegistrarDialogoDetalle(kVentanaDobleImposicionTransparencia, kTamanoDobleImposicion,
                                 AbrirBloque<CDlgDobleImposicion>);
}

}  // namespace dialogos
