#include "d100/ORD005.h"

#include <wx/button.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <optional>
#include <span>
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
constexpr std::size_t kDespTitular = 24;

constexpr std::size_t kIdActividad = 8;
constexpr std::size_t kModulos = 120;
constexpr std::size_t kPasoModulo = 176;

bool ModuloPersonal(std::uint8_t numero) { return numero == 1 || numero == 15 || numero == 16; }
bool EsCantidadModulo(int campo) { return campo >= kPrimerModulo && campo < kPrimerModulo + 21 && (campo - kPrimerModulo) % 3 == 1; }
int ModuloDeCampo(int campo) { return (campo - kPrimerModulo) / 3; }
// The quantities and the amounts the user enters.
bool EsTecleado(int campo) {
  return EsCantidadModulo(campo) || std::find(std::begin(kCamposTecleados), std::end(kCamposTecleados), campo) !=
                                        std::end(kCamposTecleados);
}

SGrupoPagina GrupoActividades() {
  SGrupoPagina g{.id = kGrupoActividades, .primeras = {5, 48},
                 .casillas = {{0, 0, 5, 0}, {1, kCampoTexto, 12}, {2, 2, 1}}, .campoClave = 2, .cabeza = 1,
                 .colas = {91, 97}, .inicioCola = 43};
  for (int j = 0; j < 7; ++j) {
    const int c = kPrimerModulo + 3 * j;
    g.casillas.push_back({c, c, 24});
    g.casillas.push_back({c + 1, c + 1, kD, kCampoInicioModulo + j});
    g.casillas.push_back({c + 2, c + 2, kD});
  }
  for (int c = 24; c <= 42; ++c) g.casillas.push_back({c, c, kD});
  // Apart from the rest: the figures of an activity carried on through an entity.
  g.casillas.insert(g.casillas.end(),
                    {{43, 43, 9}, {44, 44, 5}, {45, 45, 1}, {46, 46, kD}, {47, 47, kD}, {48, 48, kD}});
  return g;
}

constexpr int kTotalesORD005[] = {103};

constexpr renta::SCasillaDatos kFijasORD005[] = {
    {1, {kDespReferencia, 20}, {}},
    {103, {kDespBaseImponible + 760, kImportesPersonas}, {}},
};

// The note under the page's heading.
constexpr std::string_view kNota =
    "Actividades en estimaci\xF3n objetiva: consigne las unidades de cada m\xF3" "dulo de la actividad.";

const SGrupoPagina kGruposORD005[] = {GrupoActividades()};

constexpr SPaginaActividades kPaginaORD005{
    .composicion = {.grupos = kGruposORD005, .fijas = kFijasORD005, .totales = kTotalesORD005,
                    .casillaMarcaHojas = 4, .casillaTituloHoja = 104, .casillaEjemplar = 105, .casillaNif = 2,
                    .crearTabla = &TablaDeGrupo<renta::CFilasORD005A>},
    .casillaNota = 106, .nota = kNota,
    .grupo = kGrupoActividades, .seccion = &recalculo::FuncionesRenta::D, .instancia = 4,
    // A code chosen or emptied shows or hides the rest of its row.
    .accionGuardar = kAccionGuardar5, .accionSuprimir = kAccionSuprimir5, .accionRecargar = kAccionRecargar5,
    .accionTitular = kAccionTitular5, .borrarTitular = kAccionBorrarModulos5, .marcaGuardarTitular = 1,
    .enlazarTrasGuardar = true,
    .campoCodigo = 0, .campoCalcula = EsCantidadModulo, .campoConfirma = EsCantidadModulo, .campoTecleado = EsTecleado,
    .filaRellena = renta::CodigoModulosRelleno, .despTitular = kDespTitular,
    .ventanaInfo = kVentanaInfoActividad5, .inicioInfo = kInicioInfo5, .largoInfo = kLargoInfo5,
    .parametroInfo = [](const unsigned char* fila) { return Entero(fila + kIdActividad); },
    .casillaBotonesGrupo = 7, .casillasBotonInfo = {7, 50}, .casillasTrasInfo = {4, 47}};

}  // namespace

CControlesORD005::CControlesORD005() : CControlesActividades(kPaginaORD005) {}

renta::CFilasORD005A* CControlesORD005::Actividades() const {
  return static_cast<renta::CFilasORD005A*>(Filas(kGrupoActividades));
}

void* CControlesORD005::LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return nullptr;
  if (casilla.campo != 0 && !renta::CodigoModulosRelleno(FilaMostrada(grupo, fila))) return nullptr;
  return filas->DireccionCampo(fila, casilla.campo);
}

bool CControlesORD005::CasillaLibre(const SFilaActividad& fila, int campo, int /*numero*/) {
  if (campo == 0) return fila.anteriorAbre || fila.rellena;
  if (campo == 2) return fila.rellena;
  if (EsCantidadModulo(campo)) {
    if (fila.datos == nullptr) return false;
    const unsigned char* modulo = fila.datos + kModulos + kPasoModulo * static_cast<std::size_t>(ModuloDeCampo(campo));
    return fila.abierta &&
           marco::HayAlfanumerico(std::string_view(reinterpret_cast<const char*>(modulo + 25), 15), 15) != 0;
  }
  return fila.abierta && EsTecleado(campo);
}

int CControlesORD005::AccionPropia(renta::CFilasApartadoF& filas, int fila, int accion, int extra) {
  if (accion == kAccionBorrarModulos5) filas.OrdenFila(fila, renta::kOrdenBorrarModulos5, extra);
  return 0;
}

int CControlesORD005::AlConfirmarCasilla(const SCasillaGrupo& c) {
  if (CControlesActividades::AlConfirmarCasilla(c) == 0) return 0;
  // The units of the first two modules are the persons employed: checked against the activity's employees (the
  // second only when it is a personnel module).
  if (c.campo == kPrimerModulo + 1) ComprobarPersonal(c.fila);
  if (c.campo == kPrimerModulo + 4) {
    const unsigned char* w = FilaMostrada(kGrupoActividades, c.fila);
    if (w != nullptr && ModuloPersonal(w[kModulos + kPasoModulo])) ComprobarPersonal(c.fila);
  }
  return 1;
}

int CControlesORD005::ComprobarTecleado(const SCasillaGrupo& c) {
  const double a = DameImporteFila(kGrupoActividades, c.fila, kCampoSumar);
  const double b = DameImporteFila(kGrupoActividades, c.fila, kCampoNeto);
  const double restar = DameImporteFila(kGrupoActividades, c.fila, kCampoRestarNeto);
  GuardarYCalcular(c.fila);
  // What is taken off the net income may not exceed 30 per cent of what is added plus 100.
  if (c.campo == kCampoRestarNeto && b > 0 && a * 0.3 + 100.0 < restar) return AvisarMinoracion(kMensajeMinoracion5);
  return 1;
}

// ---- the activity information ----

namespace {

constexpr std::size_t kDespNif = 40;         // the entity's tax id, 9 characters
constexpr std::size_t kDespDias = 56;        // seasonal days
constexpr std::size_t kDespIncremento = 72;  // staff increased (yes 1)
constexpr std::size_t kDespEmpleados = 104;  // maximum number of employees

}  // namespace

int CControlesORD005::AbrirInfoActividad(int fila, int extra, wxWindow* padre) {
  std::vector<unsigned char> copia;
  const std::optional<int> respuesta = AbrirInfoFila(fila, padre, copia);
  if (!respuesta) return 0;
  // One person's view in a declaration with a spouse or children never writes the family's rows.
  const bool soloLectura = !GrupoEditable(kGrupoActividades) ||
                           (SujetoMostrado() != marco::kSujetoUnidadFamiliar && marco::HayConyugeOHijo() == 1);
  const int resultado = soloLectura ? marco::kDialogoCancelado : *respuesta;
  if (resultado != marco::kDialogoAceptado) return resultado;
  const std::span<const unsigned char, kLargoInfo5> datos(copia.data(), kLargoInfo5);
  return AplicarInfoActividad(fila, datos, extra, padre) != 0 ? marco::kDialogoAceptado : marco::kDialogoCancelado;
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

class ORD005 : public CPaginaGrupos<CControlesORD005, kIdPaginaORD005, CVistaActividades> {
 protected:
  // After the dialog the row is stored and loaded again, then the whole declaration calculated.
  void TrasInfoAceptada(int fila) override {
    Controles()->NavegarGrupo(kGrupoActividades, fila, kAccionGuardar5, 1);
    Controles()->NavegarGrupo(kGrupoActividades, fila, kAccionRecargar5, 0);
    CalcularTodo();
  }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD005);
};

wxIMPLEMENT_DYNAMIC_CLASS(ORD005, CVistaGrupos);

wxClassInfo* ClasePaginaORD005() { return wxCLASSINFO(ORD005); }

}  // namespace ordinaria
