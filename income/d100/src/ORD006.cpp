#include "d100/ORD006.h"

#include <wx/button.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "d100/ValoresFila.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/Prog32ViewReglas.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace ordinaria {

namespace {

// Fields of a row (numbered as the boxes from the row's first, see renta::FormatoActividadesAgrarias).
constexpr int kCampoTitular = 0;
constexpr int kCampoClave = 1;
constexpr int kCampoDeducciones = 43;       // +1840
constexpr int kCampoRestarLimitado = 53;    // +1968, entered
constexpr int kCampoNeto = 57;              // +2000: X of 100V196
constexpr int kCampoRestarNeto = 58;        // +2008, entered: Y of 100V196
constexpr int kUltimoCampoFila = 59;

// The volume of product group s (1-13) and the sectors that open it, by the first character of the key.
constexpr int CampoVolumen(int s) { return 2 + 3 * (s - 1); }
constexpr std::string_view kGruposPorSector[7] = {
    "\x01\x03\x04\x06\x07\x08\x09\x0a\x0c\x0d",  // '1'
    "\x01\x04\x07\x09\x0c",                      // '2'
    "\x0c\x0d",                                  // '3'
    "\x0b\x0d",                                  // '4'
    "\x01\x03\x04\x06\x07\x08\x09\x0a\x0c",      // '5'
    "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0c",  // '6'
    "\x02\x05",                                  // '7'
};

bool EsTextoIndice(int campo) { return campo >= 3 && campo <= 39 && (campo - 3) % 3 == 0; }
// The volume of the group whose index text is field `campo`.
int VolumenDeTexto(int campo) { return campo - 1; }

bool EsVolumen(int campo) { return campo >= 2 && campo <= CampoVolumen(13) && (campo - 2) % 3 == 0; }
// The deductions and the volumes set through their windows, and the amounts typed.
bool EsConfirmado(int campo) { return campo == kCampoDeducciones || EsVolumen(campo); }
bool EsTecleado(int campo) {
  return campo == kCampoDeducciones || campo == kCampoRestarLimitado || campo == kCampoRestarNeto || EsVolumen(campo);
}

SGrupoPagina GrupoAgrarias() {
  SGrupoPagina g{.id = kGrupoAgrarias, .primeras = {6, 66},
                 .casillas = {{0, kCampoTitular, 1}, {1, kCampoClave, 1, kCampoClave}}, .campoClave = kCampoTitular,
                 .cabeza = 2, .colas = {126, 131}, .inicioCola = 60};
  for (int c = 2; c <= kUltimoCampoFila; ++c) {
    const bool texto = EsTextoIndice(c);
    if (EsVolumen(c)) {
      g.casillas.push_back({c, c, kD, c});
    } else {
      g.casillas.push_back({c, c, texto ? std::size_t{8} : kD});
    }
  }
  // Apart from the rest: the figures of an activity carried on through an entity.
  g.casillas.insert(g.casillas.end(), {{60, 60, 9}, {61, 61, 1}, {62, 62, kD}, {63, 63, kD}, {64, 64, kD}});
  return g;
}

constexpr int kTotalesORD006[] = {136, 137};

constexpr std::uint32_t kD5 = offsetof(DatosRenta, ApartadoD5);
constexpr renta::SCasillaDatos kFijasORD006[] = {
    {4, {kD5 + 0, 1}, {}},
    {5, {kD5 + 5, 1}, {}},
    {136, {kDespBaseImponible + 800, kImportesPersonas}, {}},
    {137, {kDespBaseImponible + 840, kImportesPersonas}, {}},
    {138, {kDespReferencia, 20}, {}},
};

constexpr std::string_view kNota =
    "Actividades agr\xED" "colas, ganaderas y forestales: consigne los ingresos de cada grupo de productos.";

const SGrupoPagina kGruposORD006[] = {GrupoAgrarias()};

// A row stored or loaded again keeps its boxes bound: only their read-only states change. The holder byte is the
// row's ninth.
constexpr SPaginaActividades kPaginaORD006{
    .composicion = {.grupos = kGruposORD006, .fijas = kFijasORD006, .totales = kTotalesORD006, .casillaMarcaHojas = 3,
                    .casillaTituloHoja = 139, .casillaEjemplar = 140,
                    .crearTabla = &TablaDeGrupo<renta::CFilasORD006A>},
    .casillaNota = 141, .nota = kNota, .grupo = kGrupoAgrarias,
    .seccion = &recalculo::FuncionesRenta::D5, .instancia = 5, .accionGuardar = kAccionGuardar6,
    .accionSuprimir = kAccionSuprimir6, .accionRecargar = kAccionRecargar6, .accionTitular = kAccionTitular6,
    .borrarTitular = renta::kOrdenBorrarImportes6, .campoCodigo = kCampoClave, .campoCalcula = EsVolumen,
    .campoConfirma = EsConfirmado, .campoTecleado = EsTecleado, .filaRellena = renta::ClaveAgrariaRellena,
    .despTitular = 8, .ventanaInfo = kVentanaInfoActividad6, .inicioInfo = kInicioInfo6, .largoInfo = kLargoInfo6,
    .parametroInfo = [](const unsigned char* fila) { return static_cast<std::int32_t>(fila[0]); },
    .casillaBotonesGrupo = 6, .casillasBotonInfo = {6, 66}, .casillasTrasInfo = {6, 66}};

}  // namespace

CControlesORD006::CControlesORD006() : CControlesActividades(kPaginaORD006) {}

void* CControlesORD006::LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return nullptr;
  if (EsTextoIndice(casilla.campo)) {
    const auto* volumen = static_cast<const unsigned char*>(filas->DireccionCampo(fila, VolumenDeTexto(casilla.campo)));
    if (volumen == nullptr || Doble(volumen) == 0.0) return nullptr;
  }
  return filas->DireccionCampo(fila, casilla.campo);
}

bool CControlesORD006::CasillaLibre(const SFilaActividad& fila, int campo, int numero) {
  if (campo == kCampoDeducciones) {
    // The deductions open their split by use (over the whole row) only in the sectors that have one: keys
    // beginning with 1, 2 or 5. The key may have changed since the row was bound.
    if (marco::CCampo* deducciones = CampoDeNumero(numero)) {
      const unsigned char* f = fila.datos;
      const bool conReparto = f != nullptr && (f[0] == '1' || f[0] == '2' || f[0] == '5');
      deducciones->Enlace = conReparto ? FilaMostrada(kGrupoAgrarias, fila.fila) : nullptr;
    }
  }
  if (campo == kCampoClave) return fila.anteriorAbre;
  if (campo == kCampoTitular) return fila.rellena && fila.anteriorAbre;
  if (EsVolumen(campo)) {
    // The product groups the row's sector opens.
    const unsigned char sector = fila.abierta ? fila.datos[0] : 0;
    if (sector < '1' || sector > '7') return false;
    const int s = (campo - 2) / 3 + 1;
    return kGruposPorSector[sector - '1'].find(static_cast<char>(s)) != std::string_view::npos;
  }
  return fila.abierta && EsTecleado(campo);
}

int CControlesORD006::ComprobarTecleado(const SCasillaGrupo& c) {
  GuardarYCalcular(c.fila);
  // What is taken off the net income may not exceed 30 per cent of it plus 100.
  const double x = DameImporteFila(kGrupoAgrarias, c.fila, kCampoNeto);
  const double y = DameImporteFila(kGrupoAgrarias, c.fila, kCampoRestarNeto);
  if (!EsVolumen(c.campo) && x > 0 && x * 0.3 + 100.0 < y) return AvisarMinoracion(kMensajeMinoracion6);
  return 1;
}

int CControlesORD006::AbrirInfoActividad(int fila, wxWindow* padre) {
  std::vector<unsigned char> copia;
  const std::optional<int> respuesta = AbrirInfoFila(fila, padre, copia);
  if (!respuesta) return 0;
  const int resultado = *respuesta;
  if (resultado != marco::kDialogoAceptado || !GrupoEditable(kGrupoAgrarias)) return resultado;
  unsigned char* w = FilaMostrada(kGrupoAgrarias, fila);
  if (w == nullptr) return 0;
  std::memcpy(w + kInicioInfo6, copia.data(), kLargoInfo6);
  // The entity's tax id and percentage go where the printed row reads them, with the holder of an activity
  // carried on through the entity.
  std::memcpy(w + 2024, copia.data() + 8, 9);
  std::memcpy(w + 2040, copia.data(), sizeof(double));
  if (Doble(copia.data()) != 0.0) {
    std::memcpy(w + 2033, w + 8, 4);
  } else {
    std::memset(w + 2033, 0, 4);
  }
  GuardarYCalcular(fila);
  return resultado;
}

// ---- the view ----

class ORD006 : public CPaginaGrupos<CControlesORD006, kIdPaginaORD006, CVistaActividades> {
 protected:
  // After the dialog the whole declaration is calculated, then both shown rows loaded again.
  void TrasInfoAceptada(int /*fila*/) override {
    CalcularTodo();
    for (int fila = 0; fila < 2; ++fila) Controles()->NavegarGrupo(kGrupoAgrarias, fila, kAccionRecargar6, 0);
  }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD006);
};

wxIMPLEMENT_DYNAMIC_CLASS(ORD006, CVistaGrupos);

wxClassInfo* ClasePaginaORD006() { return wxCLASSINFO(ORD006); }

}  // namespace ordinaria
