#include "d100/ORD006.h"

#include <wx/button.h>

#include <algorithm>
#include <cstring>
#include <memory>
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

constexpr std::size_t kD = sizeof(double);

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

SGrupoPagina GrupoAgrarias() {
  SGrupoPagina g;
  g.id = kGrupoAgrarias;
  g.primeras = {6, 66};
  g.colas = {126, 131};
  g.inicioCola = 60;
  g.campoClave = kCampoTitular;
  g.cabeza = 2;
  g.casillas = {{0, kCampoTitular, 1}, {1, kCampoClave, 1, kCampoClave}};
  for (int c = 2; c <= kUltimoCampoFila; ++c) {
    const bool texto = EsTextoIndice(c);
    if (EsVolumen(c)) {
      g.casillas.push_back({c, c, kD, c});
    } else {
      g.casillas.push_back({c, c, texto ? std::size_t{8} : kD});
    }
  }
  g.casillas.push_back({60, 60, 9});
  g.casillas.push_back({61, 61, 1});
  for (int c = 62; c <= 64; ++c) g.casillas.push_back({c, c, kD});
  return g;
}

const std::vector<SGrupoPagina>& GruposORD006() {
  static const std::vector<SGrupoPagina> kGrupos{GrupoAgrarias()};
  return kGrupos;
}

constexpr int kTotalesORD006[] = {136, 137};

constexpr std::string_view kNota =
    "Actividades agr\xED" "colas, ganaderas y forestales: consigne los ingresos de cada grupo de productos.";

}  // namespace

std::span<const SGrupoPagina> CControlesORD006::Grupos() const { return GruposORD006(); }
std::span<const int> CControlesORD006::CasillasTotales() const { return kTotalesORD006; }

std::unique_ptr<renta::CFilasApartadoF> CControlesORD006::CrearTabla(int, DatosRenta& d) const {
  return std::make_unique<renta::CFilasORD006A>(d);
}

renta::CFilasORD006A* CControlesORD006::Agrarias() const {
  return static_cast<renta::CFilasORD006A*>(Filas(kGrupoAgrarias));
}

void CControlesORD006::EnlazarFijas() {
  EnlazarCabecera(140);
  EnlazarNota(141, kNota);
  if (m_pDatos == nullptr) return;
  using renta::SCasillaDatos;
  constexpr std::uint32_t kD5 = offsetof(DatosRenta, ApartadoD5);
  constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
  constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
  static constexpr SCasillaDatos kFijas[] = {
      {4, {kD5 + 0, 1}, {}},
      {5, {kD5 + 5, 1}, {}},
      {136, {kBI + 800, 5 * kD}, {}},
      {137, {kBI + 840, 5 * kD}, {}},
      {138, {kId, 20}, {}},
  };
  renta::EnlazarCasillasDatos(*this, kFijas, *m_pDatos);
}

void* CControlesORD006::LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) {
  renta::CFilasORD006A* filas = grupo == kGrupoAgrarias ? Agrarias() : nullptr;
  if (filas == nullptr) return nullptr;
  if (EsTextoIndice(casilla.campo)) {
    const auto* volumen = static_cast<const unsigned char*>(filas->DireccionCampo(fila, VolumenDeTexto(casilla.campo)));
    if (volumen == nullptr || Doble(volumen) == 0.0) return nullptr;
  }
  return filas->DireccionCampo(fila, casilla.campo);
}

void CControlesORD006::SoloLecturaGrupo(int grupo) {
  if (grupo != kGrupoAgrarias) return;
  const SGrupoPagina& g = GruposORD006().front();
  const bool editable = GrupoEditable(grupo);
  bool anteriorAbre = true;
  for (std::size_t j = 0; j < g.primeras.size(); ++j) {
    const int fila = static_cast<int>(j);
    const unsigned char* f = FilaMostrada(grupo, fila);
    const bool rellena = renta::ClaveAgrariaRellena(f);
    const bool abierta = rellena && ClaveFila(grupo, fila) != 0;
    std::string_view grupos;
    if (abierta && f[0] >= '1' && f[0] <= '7') grupos = kGruposPorSector[f[0] - '1'];
    for (const SCasillaFila& c : g.casillas) {
      bool libre = false;
      if (c.campo == kCampoClave) {
        libre = anteriorAbre;
      } else if (c.campo == kCampoTitular) {
        libre = rellena && anteriorAbre;
      } else if (EsVolumen(c.campo)) {
        const int s = (c.campo - 2) / 3 + 1;
        libre = grupos.find(static_cast<char>(s)) != std::string_view::npos;
      } else if (c.campo == kCampoDeducciones || c.campo == kCampoRestarLimitado || c.campo == kCampoRestarNeto) {
        libre = abierta;
      }
      if (c.campo == kCampoDeducciones) {
        // The deductions open their split by use (over the whole row) only in the sectors that have one: keys
        // beginning with 1, 2 or 5. The key may have changed since the row was bound.
        if (marco::CCampo* campo = CampoDeNumero(NumeroCasillaFila(g, j, c))) {
          const bool conReparto = f != nullptr && (f[0] == '1' || f[0] == '2' || f[0] == '5');
          campo->Enlace = conReparto ? FilaMostrada(grupo, fila) : nullptr;
        }
      }
      Bloquear(NumeroCasillaFila(g, j, c), !editable || !libre);
    }
    anteriorAbre = abierta;
  }
}

int CControlesORD006::ContarHojas() { return ContarHojasFilas(kGrupoAgrarias, renta::ClaveAgrariaRellena, 8); }

void CControlesORD006::CalcularSeccion() {
  if (m_pDatos == nullptr) return;
  DatosRenta& d = *m_pDatos;
  m_pFunciones->D5(&d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD3, &d.BaseImponible, &d.ApartadoD4, &d.ApartadoD5, 5);
}

void CControlesORD006::GuardarYCalcular(int fila) {
  NavegarGrupo(kGrupoAgrarias, fila, kAccionGuardar6, 0);
  CalcularSeccion();
  NavegarGrupo(kGrupoAgrarias, fila, kAccionRecargar6, 0);
}

int CControlesORD006::NavegarGrupo(int grupo, int fila, int accion, int /*extra*/) {
  renta::CFilasORD006A* filas = grupo == kGrupoAgrarias ? Agrarias() : nullptr;
  if (filas == nullptr) return 0;
  int resultado = 0;
  switch (accion) {
    case kAccionGuardar6:
      filas->OrdenFila(fila, renta::kOrdenGuardar6, 0);
      SoloLecturaGrupo(grupo);
      break;
    case kAccionSuprimir6:
      resultado = filas->OrdenFila(fila, renta::kOrdenSuprimir6, 1);
      if (resultado == 1) EnlazarGrupo(grupo);
      break;
    case kAccionRecargar6:
      filas->OrdenFila(fila, renta::kOrdenRecargar6, 0);
      SoloLecturaGrupo(grupo);
      break;
    case kAccionTitular6:
      // The amounts the other holder entered go.
      CambiarTitularFila(*filas, grupo, fila, renta::kOrdenBorrarImportes6, renta::kOrdenGuardar6, 0);
      break;
    default:
      AccionVentana(*filas, grupo, fila, accion, resultado);
      break;
  }
  ContarHojas();
  return resultado;
}

void CControlesORD006::CasillaCambiada(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoAgrarias || !GrupoEditable(kGrupoAgrarias)) return;
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (campo == kCampoClave) {
    NavegarGrupo(kGrupoAgrarias, fila, kAccionGuardar6, 0);
    if (NavegarGrupo(kGrupoAgrarias, fila, kAccionSuprimir6, 0) == 0) {
      CalcularSeccion();
      NavegarGrupo(kGrupoAgrarias, fila, kAccionRecargar6, 0);
    } else {
      CalcularSeccion();
    }
    return;
  }
  if (campo == kCampoTitular) {
    NavegarGrupo(kGrupoAgrarias, fila, kAccionTitular6, 0);
    GuardarYCalcular(fila);
    return;
  }
  if (EsVolumen(campo)) GuardarYCalcular(fila);
}

int CControlesORD006::CasillaConfirmada(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoAgrarias || !GrupoEditable(kGrupoAgrarias)) return 0;
  const int campo = CampoDeCasilla(numero);
  if (campo != kCampoClave && campo != kCampoDeducciones && !EsVolumen(campo)) return 0;
  GuardarYCalcular(FilaDeCasilla(numero));
  return 1;
}

int CControlesORD006::ComprobarCasilla(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoAgrarias || !GrupoEditable(kGrupoAgrarias)) return 1;
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (campo == kCampoClave || campo == kCampoTitular) {
    NavegarGrupo(kGrupoAgrarias, fila, kAccionGuardar6, 0);
    return 1;
  }
  if (campo != kCampoDeducciones && campo != kCampoRestarLimitado && campo != kCampoRestarNeto && !EsVolumen(campo)) {
    return 1;
  }
  GuardarYCalcular(fila);
  // What is taken off the net income may not exceed 30 per cent of it plus 100.
  const double x = DameImporteFila(kGrupoAgrarias, fila, kCampoNeto);
  const double y = DameImporteFila(kGrupoAgrarias, fila, kCampoRestarNeto);
  if (!EsVolumen(campo) && x > 0 && x * 0.3 + 100.0 < y) {
    if (marco::CDlgMensaje().MostrarMensaje(kMensajeMinoracion6, marco::IconoAsterisco) == marco::kBotonCorregir) return 0;
  }
  return 1;
}

int CControlesORD006::AbrirInfoActividad(int fila, wxWindow* padre) {
  unsigned char* w = FilaMostrada(kGrupoAgrarias, fila);
  if (w == nullptr || !renta::ClaveAgrariaRellena(w) || w[8] == 0) return 0;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaInfoActividad6);
  if (dialogo == nullptr || dialogo->tamanoBloque != kLargoInfo6) return 0;
  std::array<unsigned char, kLargoInfo6> copia{};
  std::memcpy(copia.data(), w + kInicioInfo6, kLargoInfo6);
  marco::SPeticionDetalle peticion;
  peticion.padre = padre;
  peticion.primerParametro = static_cast<unsigned char>(w[0]);
  peticion.sujeto = SujetoMostrado();
  peticion.conyugeOPrimerHijo = marco::HayConyugeOHijo();
  peticion.bloque = copia;
  const int resultado = dialogo->abrir(peticion);
  if (resultado != marco::kDialogoAceptado || !GrupoEditable(kGrupoAgrarias)) return resultado;
  w = FilaMostrada(kGrupoAgrarias, fila);
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

wxIMPLEMENT_DYNAMIC_CLASS(ORD006, CVistaGrupos);

ORD006::ORD006() { PonerControles(std::make_unique<CControlesORD006>()); }

CControlesORD006* ORD006::Controles() const { return static_cast<CControlesORD006*>(DameControles()); }

CVistaGrupos::SBotonesFila ORD006::BotonesFila() const {
  return {2, kComandoInfoActividad6, "i", "Informaci\xF3n Adicional"};
}

// Right of each row's holder box (boxes 6 and 66).
int ORD006::CasillaBotonFila(int fila) const { return fila == 0 ? 6 : 66; }

void ORD006::PulsarBotonFila(int fila) {
  AvisarInfoPersona();
  if (Controles()->AbrirInfoActividad(fila, DameVentana()) == marco::kDialogoAceptado) {
    MarcarDocumentoModificado();
    CalcularTodo();
    Controles()->NavegarGrupo(kGrupoAgrarias, 0, kAccionRecargar6, 0);
    Controles()->NavegarGrupo(kGrupoAgrarias, 1, kAccionRecargar6, 0);
  }
  TrasInfoFila(fila == 0 ? 6 : 66);
}

wxClassInfo* ClasePaginaORD006() { return wxCLASSINFO(ORD006); }

}  // namespace ordinaria
