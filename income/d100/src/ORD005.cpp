#include "d100/ORD005.h"

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
#include "framework/TemplateDlgLista.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "income/RentaVista.h"

namespace ordinaria {

namespace {

constexpr std::size_t kD = sizeof(double);

// Fields of a row (numbered as the boxes from the row's first, see renta::FormatoActividadesModulos).
constexpr int kCampoTexto = 1;
constexpr int kPrimerModulo = 3;       // module j: text 3+3j, quantity 4+3j, result 5+3j
constexpr int kCampoInicioModulo = 49;  // 49+j: the start of module slot j (the quantity's link)
constexpr int kCampoMinoracion = 26;   // +1368, entered
constexpr int kCampoMinoracionLimitado = 36;  // +1464, entered
constexpr int kCampoSumar = 39;        // +1488, entered: A of 100V194
constexpr int kCampoNeto = 40;         // +1496: B of 100V194
constexpr int kCampoRestarNeto = 41;   // +1504, entered: C of 100V194
constexpr int kCamposTecleados[] = {kCampoMinoracion, kCampoMinoracionLimitado, kCampoSumar, kCampoRestarNeto};

constexpr std::size_t kIdActividad = 8;
constexpr std::size_t kModulos = 120;
constexpr std::size_t kPasoModulo = 176;

bool ModuloPersonal(std::uint8_t numero) { return numero == 1 || numero == 15 || numero == 16; }
bool EsCantidadModulo(int campo) { return campo >= kPrimerModulo && campo < kPrimerModulo + 21 && (campo - kPrimerModulo) % 3 == 1; }
int ModuloDeCampo(int campo) { return (campo - kPrimerModulo) / 3; }

SGrupoPagina GrupoActividades() {
  SGrupoPagina g;
  g.id = kGrupoActividades;
  g.primeras = {5, 48};
  g.colas = {91, 97};
  g.inicioCola = 43;
  g.campoClave = 2;
  g.cabeza = 1;
  g.casillas = {{0, 0, 5, 0}, {1, kCampoTexto, 12}, {2, 2, 1}};
  for (int j = 0; j < 7; ++j) {
    const int c = kPrimerModulo + 3 * j;
    g.casillas.push_back({c, c, 24});
    g.casillas.push_back({c + 1, c + 1, kD, kCampoInicioModulo + j});
    g.casillas.push_back({c + 2, c + 2, kD});
  }
  for (int c = 24; c <= 42; ++c) g.casillas.push_back({c, c, kD});
  g.casillas.push_back({43, 43, 9});
  g.casillas.push_back({44, 44, 5});
  g.casillas.push_back({45, 45, 1});
  for (int c = 46; c <= 48; ++c) g.casillas.push_back({c, c, kD});
  return g;
}

const std::vector<SGrupoPagina>& GruposORD005() {
  static const std::vector<SGrupoPagina> kGrupos{GrupoActividades()};
  return kGrupos;
}

constexpr int kTotalesORD005[] = {103};

// The note under the page's heading.
constexpr std::string_view kNota =
    "Actividades en estimaci\xF3n objetiva: consigne las unidades de cada m\xF3" "dulo de la actividad.";

}  // namespace

std::span<const SGrupoPagina> CControlesORD005::Grupos() const { return GruposORD005(); }
std::span<const int> CControlesORD005::CasillasTotales() const { return kTotalesORD005; }

std::unique_ptr<renta::CFilasApartadoF> CControlesORD005::CrearTabla(int, DatosRenta& d) const {
  return std::make_unique<renta::CFilasORD005A>(d);
}

renta::CFilasORD005A* CControlesORD005::Actividades() const {
  return static_cast<renta::CFilasORD005A*>(Filas(kGrupoActividades));
}

void CControlesORD005::EnlazarFijas() {
  EnlazarCabecera(105, 2);
  EnlazarNota(106, kNota);
  if (m_pDatos == nullptr) return;
  using renta::SCasillaDatos;
  constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
  constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
  static constexpr SCasillaDatos kFijas[] = {
      {1, {kId, 20}, {}},
      {103, {kBI + 760, 5 * kD}, {}},
  };
  renta::EnlazarCasillasDatos(*this, kFijas, *m_pDatos);
}

void* CControlesORD005::LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) {
  renta::CFilasORD005A* filas = grupo == kGrupoActividades ? Actividades() : nullptr;
  if (filas == nullptr) return nullptr;
  if (casilla.campo != 0 && !renta::CodigoModulosRelleno(FilaMostrada(grupo, fila))) return nullptr;
  return filas->DireccionCampo(fila, casilla.campo);
}

void CControlesORD005::SoloLecturaGrupo(int grupo) {
  if (grupo != kGrupoActividades) return;
  const SGrupoPagina& g = GruposORD005().front();
  const bool editable = GrupoEditable(grupo);
  bool anteriorAbre = true;  // the first row's code is always open
  for (std::size_t j = 0; j < g.primeras.size(); ++j) {
    const int fila = static_cast<int>(j);
    const unsigned char* f = FilaMostrada(grupo, fila);
    const bool rellena = renta::CodigoModulosRelleno(f);
    const bool conTitular = ClaveFila(grupo, fila) != 0;
    const bool abierta = rellena && conTitular;
    for (const SCasillaFila& c : g.casillas) {
      bool libre = false;
      if (c.campo == 0) {
        libre = anteriorAbre || rellena;
      } else if (c.campo == 2) {
        libre = rellena;
      } else if (EsCantidadModulo(c.campo)) {
        const unsigned char* modulo = f != nullptr ? f + kModulos + kPasoModulo * static_cast<std::size_t>(ModuloDeCampo(c.campo)) : nullptr;
        libre = abierta && modulo != nullptr &&
                marco::HayAlfanumerico(std::string_view(reinterpret_cast<const char*>(modulo + 25), 15), 15) != 0;
      } else {
        for (int t : kCamposTecleados) libre = libre || (c.campo == t && abierta);
      }
      Bloquear(NumeroCasillaFila(g, j, c), !editable || !libre);
    }
    anteriorAbre = abierta;
  }
}

int CControlesORD005::ContarHojas() { return ContarHojasFilas(kGrupoActividades, renta::CodigoModulosRelleno, 24); }

void CControlesORD005::CalcularSeccion() {
  if (m_pDatos == nullptr) return;
  DatosRenta& d = *m_pDatos;
  m_pFunciones->D(&d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD3, &d.BaseImponible, &d.ApartadoD4, &d.ApartadoD5, 4);
}

void CControlesORD005::GuardarYCalcular(int fila) {
  if (NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 0) != 0) return;
  CalcularSeccion();
  NavegarGrupo(kGrupoActividades, fila, kAccionRecargar5, 0);
}

int CControlesORD005::NavegarGrupo(int grupo, int fila, int accion, int extra) {
  renta::CFilasORD005A* filas = grupo == kGrupoActividades ? Actividades() : nullptr;
  if (filas == nullptr) return 0;
  int resultado = 0;
  switch (accion) {
    case kAccionGuardar5:
      // The row bound again: a code chosen or emptied shows or hides the rest of its row.
      resultado = filas->OrdenFila(fila, renta::kOrdenGuardar5, 0);
      EnlazarGrupo(grupo);
      break;
    case kAccionSuprimir5:
      resultado = filas->OrdenFila(fila, renta::kOrdenSuprimir5, 1);
      if (resultado == 1) EnlazarGrupo(grupo);
      break;
    case kAccionBorrarModulos5:
      filas->OrdenFila(fila, renta::kOrdenBorrarModulos5, extra);
      break;
    case kAccionTitular5:
      // What the other holder entered for the modules goes.
      CambiarTitularFila(*filas, grupo, fila, renta::kOrdenBorrarModulos5, renta::kOrdenGuardar5, 1);
      break;
    case kAccionRecargar5:
      filas->OrdenFila(fila, renta::kOrdenRecargar5, 0);
      EnlazarGrupo(grupo);
      break;
    default:
      AccionVentana(*filas, grupo, fila, accion, resultado);
      break;
  }
  ContarHojas();
  return resultado;
}

void CControlesORD005::CasillaCambiada(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoActividades || !GrupoEditable(kGrupoActividades)) return;
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (campo == 0) {
    if (NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 0) != 0) return;
    if (NavegarGrupo(kGrupoActividades, fila, kAccionSuprimir5, 0) == 0) {
      CalcularSeccion();
      NavegarGrupo(kGrupoActividades, fila, kAccionRecargar5, 0);
    } else {
      CalcularSeccion();
    }
    return;
  }
  if (campo == 2) {
    NavegarGrupo(kGrupoActividades, fila, kAccionTitular5, 0);
    GuardarYCalcular(fila);
    return;
  }
  if (EsCantidadModulo(campo)) GuardarYCalcular(fila);
}

int CControlesORD005::CasillaConfirmada(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoActividades || !GrupoEditable(kGrupoActividades)) return 0;
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (campo != 0 && !EsCantidadModulo(campo)) return 0;
  GuardarYCalcular(fila);
  // The units of the first two modules are the persons employed: checked against the activity's employees (the
  // second only when it is a personnel module).
  if (campo == kPrimerModulo + 1) ComprobarPersonal(fila);
  if (campo == kPrimerModulo + 4) {
    const unsigned char* w = FilaMostrada(kGrupoActividades, fila);
    if (w != nullptr && ModuloPersonal(w[kModulos + kPasoModulo])) ComprobarPersonal(fila);
  }
  return 1;
}

int CControlesORD005::ComprobarCasilla(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoActividades || !GrupoEditable(kGrupoActividades)) return 1;
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  const double a = DameImporteFila(kGrupoActividades, fila, kCampoSumar);
  const double b = DameImporteFila(kGrupoActividades, fila, kCampoNeto);
  const double c = DameImporteFila(kGrupoActividades, fila, kCampoRestarNeto);
  if (campo == 0 || campo == 2) {
    NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 0);
    return 1;
  }
  bool tecleado = EsCantidadModulo(campo);
  for (int t : kCamposTecleados) tecleado = tecleado || campo == t;
  if (!tecleado) return 1;
  GuardarYCalcular(fila);
  // What is taken off the net income may not exceed 30 per cent of what is added plus 100.
  if (campo == kCampoRestarNeto && b > 0 && a * 0.3 + 100.0 < c) {
    if (marco::CDlgMensaje().MostrarMensaje(kMensajeMinoracion5, marco::IconoAsterisco) == marco::kBotonCorregir) return 0;
  }
  return 1;
}

// ---- the activity information ----

namespace {

constexpr std::size_t kDespNif = 40;         // the entity's tax id, 9 characters
constexpr std::size_t kDespDias = 56;        // seasonal days
constexpr std::size_t kDespIncremento = 72;  // staff increased (yes 1)
constexpr std::size_t kDespEmpleados = 104;  // maximum number of employees
constexpr std::size_t kDespTitular = 24;

}  // namespace

int CControlesORD005::AbrirInfoActividad(int fila, int extra, wxWindow* padre) {
  unsigned char* w = FilaMostrada(kGrupoActividades, fila);
  if (w == nullptr || !renta::CodigoModulosRelleno(w) || w[kDespTitular] == 0) return 0;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaInfoActividad5);
  if (dialogo == nullptr || dialogo->tamanoBloque != kLargoInfo5) return 0;
  std::array<unsigned char, kLargoInfo5> copia{};
  std::memcpy(copia.data(), w + kInicioInfo5, kLargoInfo5);
  marco::SPeticionDetalle peticion;
  peticion.padre = padre;
  peticion.primerParametro = Entero(w + kIdActividad);
  peticion.sujeto = SujetoMostrado();
  peticion.conyugeOPrimerHijo = marco::HayConyugeOHijo();
  peticion.bloque = copia;
  int resultado = dialogo->abrir(peticion);
  // One person's view in a declaration with a spouse or children never writes the family's rows.
  if (!GrupoEditable(kGrupoActividades) ||
      (peticion.sujeto != marco::kSujetoUnidadFamiliar && peticion.conyugeOPrimerHijo == 1)) {
    resultado = marco::kDialogoCancelado;
  }
  if (resultado != marco::kDialogoAceptado) return resultado;
  return AplicarInfoActividad(fila, copia, extra, padre) != 0 ? marco::kDialogoAceptado : marco::kDialogoCancelado;
}

bool CControlesORD005::ActividadRepetida() const {
  const renta::CFilasORD005A* filas = Actividades();
  if (filas == nullptr) return false;
  for (int a = 0; a < filas->DameFilas(); ++a) {
    const unsigned char* fa = filas->FilaEnDatos(a);
    if (fa == nullptr || Entero(fa + kIdActividad) <= 0) continue;
    for (int b = a + 1; b < filas->DameFilas(); ++b) {
      const unsigned char* fb = filas->FilaEnDatos(b);
      if (fb == nullptr || Entero(fb + kIdActividad) != Entero(fa + kIdActividad)) continue;
      if (fa[kDespTitular] != fb[kDespTitular]) continue;
      const double pa = Doble(fa + kInicioInfo5);
      const double pb = Doble(fb + kInicioInfo5);
      if (pa == 0.0 && pb == 0.0) return true;
      if (pa > 0.0 && pb > 0.0 && std::memcmp(fa + kDespNif, fb + kDespNif, 9) == 0) return true;
    }
  }
  return false;
}

int CControlesORD005::AplicarInfoActividad(int fila, std::span<const unsigned char, kLargoInfo5> datos, int extra,
                                           wxWindow* padre) {
  unsigned char* w = FilaMostrada(kGrupoActividades, fila);
  renta::CFilasORD005A* filas = Actividades();
  if (w == nullptr || filas == nullptr) return 0;
  std::array<unsigned char, kLargoInfo5> antes{};
  std::memcpy(antes.data(), w + kInicioInfo5, kLargoInfo5);
  std::memcpy(w + kInicioInfo5, datos.data(), kLargoInfo5);
  const double porcentajeAntes = Doble(antes.data());
  const double diasAntes = Doble(antes.data() + (kDespDias - kInicioInfo5));
  const std::uint8_t incrementoAntes = antes[kDespIncremento - kInicioInfo5];

  // The row stored, then the four activities compared.
  NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
  if (ActividadRepetida()) {
    marco::CDlgMensaje().MostrarMensaje(kMensajeActividadRepetida, marco::IconoMano);
    if (unsigned char* f = FilaMostrada(kGrupoActividades, fila)) {
      std::memset(f, 0, 5);  // the code emptied: the row goes
      NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
    }
    NavegarGrupo(kGrupoActividades, fila, kAccionSuprimir5, 0);
    CalcularSeccion();
    return 0;
  }
  w = FilaMostrada(kGrupoActividades, fila);
  const unsigned char* d = FilaGuardada(kGrupoActividades, fila);
  if (w == nullptr || d == nullptr) return 1;
  bool seguir = true;
  const double dias = Doble(w + kDespDias);
  if (static_cast<long long>(dias) != static_cast<long long>(diasAntes) && extra == 0) {
    // Days of a season change the activity's calculation: confirmed, or put back and asked again.
    if (Doble(d + 1512) != 0.0 || Doble(d + 1552) != 0.0) {
      seguir = false;
      if (marco::CDlgMensaje().MostrarMensaje(kMensajeTemporada, marco::IconoAsterisco) == marco::kBotonAceptar) {
        NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
        NavegarGrupo(kGrupoActividades, fila, kAccionBorrarModulos5, 0);
        GuardarYCalcular(fila);
      } else {
        PonerDoble(w + kDespDias, diasAntes);
        NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
        AbrirInfoActividad(fila, 0, padre);
      }
    }
  } else if (extra == 0 && w[kDespIncremento] == 1 && incrementoAntes != 1) {
    if (marco::CDlgMensaje().MostrarMensaje(kMensajeIncrementoPersonal, marco::IconoPregunta) == marco::kBotonCancelar) {
      w[kDespIncremento] = incrementoAntes;
    } else {
      filas->BorrarModulos(filas->DamePrimera() + fila, true);
    }
    NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
  }
  w = FilaMostrada(kGrupoActividades, fila);
  if (w == nullptr) return 1;
  if (seguir && porcentajeAntes != 0.0 && Doble(w + kInicioInfo5) == 0.0) {
    // No longer through an entity: the quantities of module number 2 of the second or third slot go.
    marco::CDlgMensaje().MostrarMensaje(kMensajeSinEntidad, marco::IconoExclamacion);
    for (std::size_t j : {1u, 2u}) {
      unsigned char* modulo = w + kModulos + kPasoModulo * j;
      if (modulo[0] != 2) continue;
      for (std::size_t desp : {48u, 56u, 64u}) PonerDoble(modulo + desp, 0.0);
      NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
      CalcularSeccion();
      break;
    }
    NavegarGrupo(kGrupoActividades, fila, kAccionRecargar5, 0);
  }
  if (seguir && extra == 0) ComprobarPersonal(fila);
  return 1;
}

void CControlesORD005::ComprobarPersonal(int fila) {
  const unsigned char* w = FilaMostrada(kGrupoActividades, fila);
  if (w == nullptr) return;
  const unsigned char* m0 = w + kModulos;
  const unsigned char* m1 = w + kModulos + kPasoModulo;
  long long total = static_cast<long long>(Doble(m0 + 48) + Doble(m0 + 56));
  if (ModuloPersonal(m1[0])) total += static_cast<long long>(Doble(m1 + 48) + Doble(m1 + 56));
  const double empleados = Doble(w + kDespEmpleados);
  if ((empleados > 0.0 && total == 0) || (empleados == 0.0 && total > 0)) {
    marco::CDlgMensaje().MostrarMensaje(kMensajePersonal, marco::IconoExclamacion);
  }
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(ORD005, CVistaGrupos);

ORD005::ORD005() { PonerControles(std::make_unique<CControlesORD005>()); }

CControlesORD005* ORD005::Controles() const { return static_cast<CControlesORD005*>(DameControles()); }

CVistaGrupos::SBotonesFila ORD005::BotonesFila() const {
  return {2, kComandoInfoActividad5, "i", "Informaci\xF3n Adicional"};
}

// Right of each row's holder box.
int ORD005::CasillaBotonFila(int fila) const { return fila == 0 ? 7 : 50; }

void ORD005::PulsarBotonFila(int fila) {
  AvisarInfoPersona();
  const int r = Controles()->AbrirInfoActividad(fila, 0, DameVentana());
  if (r == marco::kDialogoAceptado) {
    MarcarDocumentoModificado();
    Controles()->NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
    Controles()->NavegarGrupo(kGrupoActividades, fila, kAccionRecargar5, 0);
    CalcularTodo();
  }
  TrasInfoFila(fila == 0 ? 4 : 47);
}

wxClassInfo* ClasePaginaORD005() { return wxCLASSINFO(ORD005); }

}  // namespace ordinaria
