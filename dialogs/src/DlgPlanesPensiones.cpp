#include "dialogs/DlgPlanesPensiones.h"

#include <cmath>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>

#include "framework/DlgMensaje.h"
#include "dialogs/DatosPersonas.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

// The widest amount: ten whole digits.
constexpr double kImporteMaximo = 9999999999.0;
constexpr int kLongitudImporte = 13;  // "9.999.999.999"
constexpr std::size_t kAnchoNif = 9;
// The person check of a N.I.F. typed in a dialog.
constexpr int kValidacionNifPersona = 2;

// The rows of section J.
constexpr std::size_t kFilasJ = 2;
constexpr std::size_t kDespFilasGenerales = 0;
constexpr std::size_t kTamanoFilaGeneral = 48;
constexpr std::size_t kDespFilasMinusvalidos = 136;
constexpr std::size_t kTamanoFilaMinusvalido = 72;

double LeerDoble(const unsigned char* p) {
  double valor = 0.0;
  std::memcpy(&valor, p, sizeof valor);
  // A damaged amount counts as nothing rather than slipping through every comparison.
  return std::isfinite(valor) ? valor : 0.0;
}

void Sanear(double& valor) {
  if (!std::isfinite(valor)) valor = 0.0;
}

SPlanesPorPersona SumarFilas(const RegApartadoJ& apartado, std::size_t inicio, std::size_t tamano,
                             std::size_t despPromotor, std::size_t despPropias) {
  SPlanesPorPersona sumas;
  for (std::size_t f = 0; f < kFilasJ; ++f) {
    const unsigned char* fila = apartado.octetos + inicio + f * tamano;
    if (double* suma = sumas.De(fila[0])) *suma += LeerDoble(fila + despPromotor) + LeerDoble(fila + despPropias);
  }
  return sumas;
}

void Error(std::string_view codigo) { marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoMano); }

// A warning: true when the user chose to correct.
bool Aviso(std::string_view codigo) {
  return marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoAsterisco) == marco::kBotonCorregir;
}

// Either person's contributions to both kinds of plan above the ceiling, once this dialog's own amount is added to
// the sum of its holder.
bool SuperaMaximoPersonas(SPlanesPorPersona sumas, std::uint8_t titular, double propio) {
  if (double* suma = sumas.De(titular)) *suma += propio;
  return sumas.declarante > kMaximoPlanesPersona || sumas.conyuge > kMaximoPlanesPersona;
}

// ---- layout (dialog units) ----
constexpr int kXEtiqueta = 8;
constexpr int kAnchoEtiqueta = 200;
constexpr int kXImporte = 212;
constexpr int kAnchoImporte = 64;
constexpr int kAltoFila = 20;
constexpr int kYPrimera = 12;

marco::SRectDialogo Etiqueta(int fila) { return {kXEtiqueta, kYPrimera + kAltoFila * fila + 2, kAnchoEtiqueta, 10}; }
marco::SRectDialogo Campo(int fila) { return {kXImporte, kYPrimera + kAltoFila * fila, kAnchoImporte, 13}; }

void Botones(marco::CPlantillaDialogo& p, int filas) {
  const int y = kYPrimera + kAltoFila * filas + 6;
  p.Aceptar({88, y, 60, 18}).Cancelar({152, y, 60, 18}).Ayuda({216, y, 60, 18});
}

int AltoDialogo(int filas) { return kYPrimera + kAltoFila * filas + 32; }

void MostrarAyuda(const marco::CTemplateDlg& dlg, int contexto) {
  if (dlg.Ventana() != nullptr) dlg.Ventana()->MostrarAyuda(contexto);
}

}  // namespace

// ---- shared pieces ----

double* SPlanesPorPersona::De(std::uint8_t titular) {
  if (titular == marco::kSujetoDeclarante) return &declarante;
  if (titular == marco::kSujetoConyuge) return &conyuge;
  return nullptr;
}

SPlanesPorPersona SumarPlanesGenerales(const RegApartadoJ& apartado) {
  return SumarFilas(apartado, kDespFilasGenerales, kTamanoFilaGeneral, 24, 32);
}

SPlanesPorPersona SumarPlanesMinusvalidos(const RegApartadoJ& apartado) {
  return SumarFilas(apartado, kDespFilasMinusvalidos, kTamanoFilaMinusvalido, 32, 40);
}

marco::SEnlaceControl EnlaceImportePesetas(double* valor) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [valor] { return marco::TextoImporteDialogo(*valor, 0, false); };
  enlace.guardar = [valor](std::string_view texto) {
    double leido = 0.0;
    if (!marco::LeerImporteDialogo(texto, leido)) return false;
    if (!std::isfinite(leido) || leido < 0.0 || leido > kImporteMaximo || std::trunc(leido) != leido) return false;
    *valor = leido;
    return true;
  };
  enlace.maximo = kImporteMaximo;
  return enlace;
}

// ---- general regime ----

CDlgPlanesPensiones::CDlgPlanesPensiones(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(kRecursoPlanesPensiones, padre, segundoParametro) {
  marco::CPlantillaDialogo p(284, AltoDialogo(3),
                             "PLANES DE PENSIONES Y MUTUALIDADES. R\xC9GIMEN GENERAL");
  p.Estatico(-1, "Exceso de aportaciones realizadas en 1998 y no deducidas", Etiqueta(0));
  p.Importe(kIdPlan1397, Campo(0), kLongitudImporte);
  p.Estatico(-1, "Contribuciones del promotor", Etiqueta(1));
  p.Importe(kIdPlan1401, Campo(1), kLongitudImporte);
  p.Estatico(-1, "Aportaciones del part\xED" "cipe y/o del mutualista", Etiqueta(2));
  p.Importe(kIdPlan1404, Campo(2), kLongitudImporte);
  Botones(p, 3);
  Plantilla() = p;
}

int CDlgPlanesPensiones::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  Sanear(m_copia.exceso1998);
  Sanear(m_copia.promotor);
  Sanear(m_copia.participe);
  Enlazar(kIdPlan1404, EnlaceImportePesetas(&m_copia.participe));
  Enlazar(kIdPlan1401, EnlaceImportePesetas(&m_copia.promotor));
  Enlazar(kIdPlan1397, EnlaceImportePesetas(&m_copia.exceso1998));
  HabilitarControl(marco::kIdAceptar, true);
  // The promoter's contributions come from the work-income detail.
  HabilitarControl(kIdPlan1401, false);
  if (Ventana() != nullptr) Ventana()->AplicarColores();
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

void CDlgPlanesPensiones::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (Comprobar() == 0) return;
  if (!Bloqueado()) m_recibido = m_copia;
  marco::CTemplateDlg::OnOK();
}

int CDlgPlanesPensiones::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  MostrarAyuda(*this, kAyudaPlanesPensiones);
  return 1;
}

int CDlgPlanesPensiones::CampoParaCaracterInicial() {
  const int id = m_bCasillaExceso ? kIdPlan1397 : kIdPlan1404;
  return CampoAbierto(id) ? id : 0;
}

int CDlgPlanesPensiones::Comprobar() {
  const int anio = m_titular == marco::kSujetoDeclarante ? m_personas.anioDeclarante : m_personas.anioConyuge;
  const double maximo = CuantiaMaximaPlanPensiones(anio);
  const double propio = m_copia.promotor + m_copia.participe;
  if (propio > maximo || SuperaMaximoPersonas(m_otrosPlanes, m_titular, propio)) {
    Error("100R147");
    return 0;
  }
  return 1;
}

// ---- disabled persons ----

CDlgPlanesMinusvalidos::CDlgPlanesMinusvalidos(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(kRecursoPlanesMinusvalidos, padre, segundoParametro) {
  marco::CPlantillaDialogo p(284, AltoDialogo(4),
                             "PLANES DE PENSIONES Y MUTUALIDADES (MINUSV\xC1LIDOS EN GRADO >= 65%)");
  p.Estatico(-1, "N.I.F. del minusv\xE1lido part\xED" "cipe o mutualista", Etiqueta(0));
  p.Edicion(kIdPlanNif, Campo(0), marco::kEdicionMayusculas, static_cast<int>(kAnchoNif));
  p.Estatico(-1, "Contribuciones del promotor", Etiqueta(1));
  p.Importe(kIdPlan1397, Campo(1), kLongitudImporte);
  p.Estatico(-1, "Aportaciones del propio minusv\xE1lido", Etiqueta(2));
  p.Importe(kIdPlan1401, Campo(2), kLongitudImporte);
  p.Estatico(-1, "Aportaciones de parientes en favor del minusv\xE1lido", Etiqueta(3));
  p.Importe(kIdPlan1404, Campo(3), kLongitudImporte);
  Botones(p, 4);
  Plantilla() = p;
}

int CDlgPlanesMinusvalidos::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  // The number is 9 characters and its terminator, whatever the received block held after them.
  m_copia.nif[kAnchoNif] = '\0';
  Sanear(m_copia.promotor);
  Sanear(m_copia.propias);
  Sanear(m_copia.parientes);

  marco::SEnlaceControl nif;
  nif.mostrar = [this] { return std::string(plataforma::LeeFijaRecortada(m_copia.nif, kAnchoNif)); };
  nif.guardar = [this](std::string_view texto) {
    const std::string_view t = plataforma::RecortaDerecha(texto);
    if (t.size() > kAnchoNif) return false;
    if (plataforma::Recorta(t).empty()) {
      std::memset(m_copia.nif, 0, kAnchoNif + 1);
    } else {
      plataforma::CopiaFija(m_copia.nif, kAnchoNif, t);
      m_copia.nif[kAnchoNif] = '\0';
    }
    return true;
  };
  Enlazar(kIdPlanNif, std::move(nif));
  Enlazar(kIdPlan1404, EnlaceImportePesetas(&m_copia.parientes));
  Enlazar(kIdPlan1401, EnlaceImportePesetas(&m_copia.propias));
  Enlazar(kIdPlan1397, EnlaceImportePesetas(&m_copia.promotor));
  HabilitarControl(marco::kIdAceptar, true);
  HabilitarControl(kIdPlan1397, false);
  if (Ventana() != nullptr) Ventana()->AplicarColores();
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

void CDlgPlanesMinusvalidos::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (Comprobar() == 0) return;
  if (!Bloqueado()) m_recibido = m_copia;
  marco::CTemplateDlg::OnOK();
}

int CDlgPlanesMinusvalidos::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  MostrarAyuda(*this, kAyudaPlanesMinusvalidos);
  return 1;
}

int CDlgPlanesMinusvalidos::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo() || id != kIdPlanNif) return 0;
  // The check normalises a good number and clears a bad one, on a terminated copy of the field.
  char nif[kAnchoNif + 1] = {};
  std::memcpy(nif, m_copia.nif, kAnchoNif);
  marco::CValidador validador;
  const int bueno = validador.ValidarCampo(kValidacionNifPersona, nif);
  if (plataforma::Recorta(plataforma::LeeFija(nif, kAnchoNif)).empty()) {
    std::memset(m_copia.nif, 0, kAnchoNif + 1);
  } else {
    std::memcpy(m_copia.nif, nif, kAnchoNif);
    m_copia.nif[kAnchoNif] = '\0';
  }
  ActualizarDatos(0);
  if (bueno == 0) {
    PonerFoco(kIdPlanNif);
    return 0;
  }
  return 1;
}

int CDlgPlanesMinusvalidos::Comprobar() {
  const double propio = m_copia.promotor + m_copia.propias;
  if (propio != 0.0 && m_copia.parientes != 0.0 && Aviso("100V138")) return 0;
  if (propio > kMaximoPlanMinusvalido || m_copia.parientes > kMaximoParientesMinusvalido) {
    Error("100R147");
    return 0;
  }
  if (propio > 0.0 && (m_titular == marco::kSujetoDeclarante || m_titular == marco::kSujetoConyuge) &&
      m_personas.Grado(m_titular) < 65.0) {
    Error("100R157");
    return 0;
  }
  if (SuperaMaximoPersonas(m_otrosPlanes, m_titular, propio)) {
    Error("100R147");
    return 0;
  }
  if (m_copia.parientes > 0.0 && marco::EsBlanco(m_copia.nif[0]) && Aviso("100R199")) {
    PonerFoco(kIdPlanNif);
    return 0;
  }
  return 1;
}

// ---- the launch ----

namespace {

template <typename TDialogo, typename TBloque>
int AbrirPlan(marco::SPeticionDetalle& p, bool planesGenerales) {
  if (p.bloque.size() != kDespBloquePlan + sizeof(TBloque)) return marco::kDialogoCancelado;
  // The limits take in the declaration's other plans: nothing to compare with, nothing opens.
  const DatosRenta* datos = DatosRentaAbierta();
  if (datos == nullptr) return marco::kDialogoCancelado;
  TDialogo dlg(p.padre, p.segundoParametro);
  dlg.m_titular = p.bloque[0];
  std::memcpy(&dlg.m_recibido, p.bloque.data() + kDespBloquePlan, sizeof(TBloque));
  dlg.m_personas = LeerDatosPersonas(datos->DatosFamilia);
  dlg.m_otrosPlanes =
      planesGenerales ? SumarPlanesMinusvalidos(datos->ApartadoJ) : SumarPlanesGenerales(datos->ApartadoJ);
  if constexpr (requires { dlg.m_bCasillaExceso; }) {
    dlg.m_bCasillaExceso = p.lugarCasilla == kDespBloquePlan + offsetof(SBloquePlanGeneral, exceso1998);
  }
  marco::PrepararDialogoDetalle(dlg, p);
  const int resultado = dlg.DoModal();
  if (resultado == marco::kDialogoAceptado) {
    // The block only: the holder and the rest of the row stay as they were.
    std::memcpy(p.bloque.data() + kDespBloquePlan, &dlg.m_recibido, sizeof(TBloque));
  }
  return resultado;
}

}  // namespace

void RegistrarDlgPlanesPensiones() {
  marco::RegistrarDialogoDetalle(kVentanaPlanesPensiones, kTamanoFilaPlanGeneral, [](marco::SPeticionDetalle& p) {
    return AbrirPlan<CDlgPlanesPensiones, SBloquePlanGeneral>(p, true);
  });
  marco::RegistrarDialogoDetalle(kVentanaPlanesMinusvalidos, kTamanoFilaPlanMinusvalido,
                                 [](marco::SPeticionDetalle& p) {
                                   return AbrirPlan<CDlgPlanesMinusvalidos, SBloquePlanMinusvalido>(p, false);
                                 });
}

}  // namespace dialogos
