#include "d100/ORD008.h"

#include <cstring>
#include <memory>
#include <string>

#include "d100/ValoresFila.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace ordinaria {

namespace {

// The dated rows of F2: the boxes from the eighth to the seventeenth are the calculation's; the dates at 22 and
// 30, their copies at 113 and 49.
constexpr SElementosFechados kElementosORD008{kGrupoORD008B, kAccionGuardar8, 16, 22, 30, 113, 49,
                                              EPlazoElemento::HastaDosAnos};

// Group rows: the first box of each shown row and the boxes of a row (offset from its first, field, size, link).
const std::vector<SGrupoPagina> kGruposORD008 = GruposElementos(
    {kGrupoORD008A, {4, 11, 18}, {{0, 0, 9}, {1, 1, 1}, {2, 3, kD}, {3, 4, kD}, {4, 5, kD}, {5, 6, kD}, {6, 2, kD}}, 1,
     true, 2},
    {36, 53, 70}, 11, kElementosORD008.ultimaCalculada, {90, 93, 96}, {100, 103, 106});

// The row table of each group.
constexpr auto kTablasORD008 =
    &TablaDeGrupo<renta::CFilasORD008A, renta::CFilasORD008B, renta::CFilasORD008C, renta::CFilasORD008D>;

constexpr int kTotalesORD008[] = {25, 26, 27, 28, 30, 31, 32, 33, 34, 87, 88, 89, 99, 109};

// Fields of a dated row of F2 (328 bytes).
constexpr std::size_t kMarca = 21;
constexpr std::size_t kSubentradas[2] = {144, 168};  // a date and two doubles each
constexpr std::size_t kAnchoSubentrada = 24;

constexpr std::uint32_t kF1 = offsetof(DatosRenta, ApartadoF1);
constexpr std::uint32_t kF2 = offsetof(DatosRenta, ApartadoF2);
constexpr std::uint32_t kM = kImportesPersonas;
constexpr renta::SCasillaDatos kFijasORD008[] = {
    {25, {kF1 + 504, kM}, {}},                  {26, {kF1 + 544, kM}, {}},
    {27, {kF1 + 584, kM}, {}},                  {28, {kF1 + 624, kM}, {}},
    {30, {kF1 + 664, kM}, {kF1 + 704, 2 * 24}}, {31, {kF1 + 752, kM}, {kF1 + 792, 2 * 32}},
    {32, {kF1 + 856, kM}, {kF1 + 792, 2 * 32}}, {33, {kF1 + 896, kM}, {kF1 + 792, 2 * 32}},
    {34, {kF1 + 936, kM}, {}},                  {87, {kF2 + 2952, kM}, {}},
    {88, {kF2 + 2992, kM}, {}},                 {89, {kF2 + 3032, kM}, {}},
    {99, {kF2 + 3288, kM}, {}},                 {109, {kF2 + 3544, kM}, {}},
    {110, {kDespReferencia, 20}, {}},
};

const SPaginaGrupos kPaginaORD008{.grupos = kGruposORD008, .fijas = kFijasORD008, .totales = kTotalesORD008,
                                  .casillaMarcaHojas = 3, .casillaTituloHoja = 111, .casillaEjemplar = 112,
                                  .crearTabla = kTablasORD008};

}  // namespace

CControlesORD008::CControlesORD008() : CControlesElementos(kPaginaORD008, kElementosORD008) {}

void CControlesORD008::EnlazarFijas() {
  CControlesGrupos::EnlazarFijas();
  const std::string_view retencion = "Retenci\xF3n ==>";
  m_aRetencion.fill('\0');
  std::memcpy(m_aRetencion.data(), retencion.data(), retencion.size());
  renta::EnlazarCasilla(CampoDeNumero(29), m_aRetencion.data(), m_aRetencion.size() - 1);
}

void CControlesORD008::VaciarTrasFecha(unsigned char* f) const {
  PonerDoble(f + 104, 0.0);
  for (std::size_t d = 248; d <= 320; d += 8) PonerDoble(f + d, 0.0);
}

int CControlesORD008::AccionFila(renta::CFilasApartadoF& /*filas*/, int grupo, int fila, int accion, int /*extra*/) {
  if (accion == kAccionGuardar8) Guardar(grupo, fila);
  if (accion == kAccionSuprimir8) SuprimirSiVacia(grupo, fila);
  if (accion == kAccionRecargar8 && grupo == kGrupoORD008B) Recargar(grupo, fila);
  if (accion == kAccionGuardar8 || accion == kAccionRecargar8 || accion == kAccionSoloLectura8) SoloLecturaGrupo(grupo);
  return 0;
}

void CControlesORD008::FinF1() {
  if (m_pDatos != nullptr) m_pFunciones->F1(&m_pDatos->ApartadoF1, -1);
}

// The row check of group B: a common row with its mark set and an amount at 88 shows 100V151.
void CControlesORD008::ReglaFilaB(int fila) {
  const unsigned char* f = FilaMostrada(kGrupoORD008B, fila);
  if (f != nullptr && f[20] == marco::kSujetoUnidadFamiliar && f[kMarca] == 1 && Doble(f + 88) > 0) {
    marco::CDlgMensaje().MostrarMensaje("100V151", marco::IconoAsterisco);
  }
}

void CControlesORD008::CambioEnGrupo(const SCasillaGrupo& c) {
  const int grupo = c.grupo;
  const int fila = c.fila;
  if (grupo == kGrupoORD008B && c.campo == 12) {
    const unsigned char* guardada = FilaGuardada(grupo, fila);
    const unsigned char anterior = guardada != nullptr ? guardada[20] : 0;
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    if (SuprimirSiVacia(grupo, fila) == 0) {
      unsigned char* f = FilaMostrada(grupo, fila);
      if (f != nullptr && (f[20] == 4 || f[20] == 5)) {
        f[kMarca] = 0;
      } else if (f != nullptr && f[20] == marco::kSujetoUnidadFamiliar && f[kMarca] == 1 && Doble(f + 88) > 0) {
        // The family unit cannot hold a marked element with that amount: the holder goes back.
        marco::CDlgMensaje().MostrarMensaje("100V151", marco::IconoAsterisco);
        f[20] = anterior;
      }
      Guardar(grupo, fila);
      NavegarGrupo(grupo, fila, kAccionRecargar8, 0);
    }
  } else if (grupo == kGrupoORD008B && c.campo == 13) {
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    unsigned char* f = FilaMostrada(grupo, fila);
    if (f != nullptr && f[kMarca] == 1 && (Doble(f + 152) != 0 || Doble(f + 176) != 0) &&
        marco::CDlgMensaje().MostrarMensaje("100V201", marco::IconoAsterisco) == marco::kBotonCancelar) {
      f[kMarca] = 0;
    }
    if (f != nullptr && f[20] == marco::kSujetoUnidadFamiliar && f[kMarca] == 1 && Doble(f + 88) > 0) {
      marco::CDlgMensaje().MostrarMensaje("100V151", marco::IconoAsterisco);
      f[kMarca] = 0;
    }
    Guardar(grupo, fila);
    NavegarGrupo(grupo, fila, kAccionRecargar8, 0);
  } else {
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    const bool clave = (grupo == kGrupoORD008A && c.campo <= 1) || c.campo == 30 || c.campo == 33 ||
                       (grupo == kGrupoORD008B && c.campo == 11);
    if (clave) SuprimirSiVacia(grupo, fila);
  }
}

void CControlesORD008::AlCambiarCasilla(const SCasillaGrupo& c) {
  if (c.editable) CambioEnGrupo(c);
  FinF1();
}

int CControlesORD008::AlConfirmarCasilla(const SCasillaGrupo& c) {
  if (m_pDatos == nullptr) return 0;
  int calcular = 0;
  if (c.numero == 30) {
    m_pFunciones->F1(&m_pDatos->ApartadoF1, 1);
    calcular = 1;
  } else if (c.numero >= 31 && c.numero <= 33) {
    m_pFunciones->F1(&m_pDatos->ApartadoF1, 2);
    calcular = 1;
  } else if (c.grupo == kGrupoORD008B && (c.campo == 16 || c.campo == 18)) {
    NavegarGrupo(kGrupoORD008B, c.fila, kAccionGuardar8, 0);
    calcular = 1;
  }
  FinF1();
  return calcular;
}

void CControlesORD008::ComprobarFecha(int fila, bool transmision) {
  const auto fechada = GuardarFilaFechada(fila);
  if (!fechada) return;
  unsigned char* f = fechada->fila;
  const std::string_view adquisicion = fechada->adquisicion;
  const std::string_view transmite = fechada->transmision;
  const EProblemaFecha problema = ProblemaFechas(adquisicion, transmite, transmision, EPlazoElemento::HastaDosAnos);
  if (problema != EProblemaFecha::Ninguno) {
    RechazarFecha(fila, transmision, problema);
  } else if (FechaPresente(adquisicion) && FechaPresente(transmite)) {
    if (!transmision) {
      const int ano = AnoFecha(adquisicion);
      if (ano > 1997) {
        PonerDoble(f + 192, 0.0);
        PonerDoble(f + 200, 0.0);
      }
      if (ano > 1998) {
        PonerDoble(f + 208, 0.0);
        PonerDoble(f + 216, 0.0);
      }
    }
    // The dated entries outside the holding period go.
    for (std::size_t s : kSubentradas) {
      const std::string_view fechaEntrada = Fecha(f + s);
      if (FechaPresente(fechaEntrada) &&
          marco::CValidador::FechaEnIntervalo(fechaEntrada, adquisicion, transmite) == 0) {
        std::memset(f + s, 0, kAnchoSubentrada);
      }
    }
  } else if (!transmision && !ProblemaAdquisicionSola(adquisicion, EPlazoElemento::HastaDosAnos).empty()) {
    marco::CDlgMensaje().MostrarMensaje(kMensajeAdquisicionSola, marco::IconoAsterisco);
    std::memset(f + kElementosORD008.adquisicion, 0, 8);
  }
  Guardar(kGrupoORD008B, fila);
  SoloLecturaGrupo(kGrupoORD008B);
}

void CControlesORD008::ComprobarEnGrupo(const SCasillaGrupo& c) {
  const int grupo = c.grupo;
  const int fila = c.fila;
  const int campo = c.campo;
  if (grupo == kGrupoORD008A && campo == 0) {
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    if (unsigned char* f = FilaMostrada(grupo, fila)) {
      char* nif = reinterpret_cast<char*>(f + 1);
      if (!marco::EsCadenaEnBlanco(plataforma::LeeFija(nif, 9))) {
        std::string normalizado;
        const int clase = marco::CValidador::ComprobarNIF(nif, normalizado);
        if (clase >= 20 && clase <= 22) {
          normalizado.resize(9, ' ');
          std::memcpy(nif, normalizado.data(), 9);
        } else {
          // Only an entity pays these amounts.
          marco::CDlgMensaje().MostrarMensaje("CIFE001", marco::IconoMano);
          std::memset(nif, 0, 9);
        }
      }
    }
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    SuprimirSiVacia(grupo, fila);
  } else if (grupo == kGrupoORD008B && campo == 13) {
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    if (unsigned char* f = FilaMostrada(grupo, fila)) {
      if (f[kMarca] == 1) {
        for (std::size_t s : kSubentradas) std::memset(f + s, 0, kAnchoSubentrada);
      } else {
        f[48] = 0;
        PonerDoble(f + 240, 0.0);
      }
      Guardar(grupo, fila);
    }
    NavegarGrupo(grupo, fila, kAccionRecargar8, 0);
    ReglaFilaB(fila);
  } else if (grupo == kGrupoORD008B && (campo == 14 || campo == 15)) {
    ComprobarFecha(fila, campo == 15);
  } else if (grupo == kGrupoORD008C || grupo == kGrupoORD008D) {
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    if (campo != 30 && campo != 33) {
      if (unsigned char* f = FilaMostrada(grupo, fila); f != nullptr && Doble(f + 16) > Doble(f + 8)) {
        marco::CDlgMensaje().MostrarMensaje("100R174", marco::IconoMano);
        // The amount just typed goes.
        PonerDoble(f + (campo == 31 || campo == 34 ? 8 : 16), 0.0);
        Guardar(grupo, fila);
      }
    }
  } else {
    NavegarGrupo(grupo, fila, kAccionGuardar8, 0);
    if (campo == 11 || (grupo == kGrupoORD008A && campo == 1)) SuprimirSiVacia(grupo, fila);
  }
}

int CControlesORD008::AlComprobarCasilla(const SCasillaGrupo& c) {
  if (c.editable) ComprobarEnGrupo(c);
  FinF1();
  return 1;
}

int CControlesORD008::FocoEnCasilla(int numero) {
  CambiarFilaPares(m_nFilaFocoCD, FilaDePares(Situar(numero), {kGrupoORD008C, kGrupoORD008D}),
                   {kGrupoORD008C, kGrupoORD008D});
  return 1;
}

// ---- the view ----

class ORD008 : public CPaginaGrupos<CControlesORD008, kIdPaginaORD008, CVistaElementos> {
 protected:
  // Where the group buttons stand: A, B, C, D.
  std::span<const int> CasillasBotones() const override {
    static constexpr int kCasillas[] = {9, 38, 92, 102};
    return kCasillas;
  }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD008);
};

wxIMPLEMENT_DYNAMIC_CLASS(ORD008, CVistaGrupos);

wxClassInfo* ClasePaginaORD008() { return wxCLASSINFO(ORD008); }

}  // namespace ordinaria
