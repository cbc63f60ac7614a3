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

constexpr std::size_t kD = sizeof(double);

// Group rows: the first box of each shown row and the boxes of a row (offset from its first, field, size, link).
const SGrupoPagina kGruposORD008[] = {
    {kGrupoORD008A, {4, 11, 18}, {{0, 0, 9}, {1, 1, 1}, {2, 3, kD}, {3, 4, kD}, {4, 5, kD}, {5, 6, kD}, {6, 2, kD}}, 1,
     true, 2},
    {kGrupoORD008B,
     {36, 53, 70},
     {{0, 11, 20}, {1, 12, 1}, {2, 13, 1}, {3, 14, 8}, {4, 15, 8}, {5, 16, kD, 17}, {6, 18, kD, 19}, {7, 20, kD},
      {8, 21, kD}, {9, 22, kD}, {10, 23, kD}, {11, 24, kD}, {12, 25, kD}, {13, 26, kD}, {14, 27, kD}, {15, 28, kD},
      {16, 29, kD}},
     12,
     true,
     2},
    {kGrupoORD008C, {90, 93, 96}, {{0, 30, 1}, {1, 31, kD}, {2, 32, kD}}, 30, true, 1},
    {kGrupoORD008D, {100, 103, 106}, {{0, 33, 1}, {1, 34, kD}, {2, 35, kD}}, 33, true, 1},
};

constexpr int kTotalesORD008[] = {25, 26, 27, 28, 30, 31, 32, 33, 34, 87, 88, 89, 99, 109};

// Fields of a dated row of F2 (328 bytes).
constexpr std::size_t kMarca = 21;
constexpr std::size_t kAdquisicion = 22;
constexpr std::size_t kTransmision = 30;
constexpr std::size_t kCopiaTransmision = 49;
constexpr std::size_t kCopiaAdquisicion = 113;
constexpr std::size_t kSubentradas[2] = {144, 168};  // a date and two doubles each
constexpr std::size_t kAnchoSubentrada = 24;

// The group of a box number of groups C and D and its shown row: 0-2 for C, 3-5 for D, -1 for another box.
int FilaFocoCD(int numero) {
  if (numero >= 90 && numero <= 98) return (numero - 90) / 3;
  if (numero >= 100 && numero <= 108) return 3 + (numero - 100) / 3;
  return -1;
}

}  // namespace

std::span<const SGrupoPagina> CControlesORD008::Grupos() const { return kGruposORD008; }
std::span<const int> CControlesORD008::CasillasTotales() const { return kTotalesORD008; }

std::unique_ptr<renta::CFilasApartadoF> CControlesORD008::CrearTabla(int indice, DatosRenta& d) const {
  switch (indice) {
    case 0: return std::make_unique<renta::CFilasORD008A>(d);
    case 1: return std::make_unique<renta::CFilasORD008B>(d);
    case 2: return std::make_unique<renta::CFilasORD008C>(d);
    default: return std::make_unique<renta::CFilasORD008D>(d);
  }
}

void CControlesORD008::EnlazarFijas() {
  EnlazarCabecera(112);
  if (m_pDatos == nullptr) return;
  using renta::SCasillaDatos;
  constexpr std::uint32_t kF1 = offsetof(DatosRenta, ApartadoF1);
  constexpr std::uint32_t kF2 = offsetof(DatosRenta, ApartadoF2);
  constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
  constexpr std::uint32_t kM = 5 * sizeof(double);
  static constexpr SCasillaDatos kFijas[] = {
      {25, {kF1 + 504, kM}, {}},           {26, {kF1 + 544, kM}, {}},
      {27, {kF1 + 584, kM}, {}},           {28, {kF1 + 624, kM}, {}},
      {30, {kF1 + 664, kM}, {kF1 + 704, 2 * 24}}, {31, {kF1 + 752, kM}, {kF1 + 792, 2 * 32}},
      {32, {kF1 + 856, kM}, {kF1 + 792, 2 * 32}}, {33, {kF1 + 896, kM}, {kF1 + 792, 2 * 32}},
      {34, {kF1 + 936, kM}, {}},           {87, {kF2 + 2952, kM}, {}},
      {88, {kF2 + 2992, kM}, {}},          {89, {kF2 + 3032, kM}, {}},
      {99, {kF2 + 3288, kM}, {}},          {109, {kF2 + 3544, kM}, {}},
      {110, {kId, 20}, {}},
  };
  renta::EnlazarCasillasDatos(*this, kFijas, *m_pDatos);
  const std::string_view retencion = "Retenci\xF3n ==>";
  m_aRetencion.fill('\0');
  std::memcpy(m_aRetencion.data(), retencion.data(), retencion.size());
  renta::EnlazarCasilla(CampoDeNumero(29), m_aRetencion.data(), m_aRetencion.size() - 1);
}

void CControlesORD008::SoloLecturaGrupo(int grupo) {
  CControlesGrupos::SoloLecturaGrupo(grupo);
  if (grupo != kGrupoORD008B || !GrupoEditable(grupo)) return;
  const SGrupoPagina& g = kGruposORD008[1];
  for (int j = 0; j < 3; ++j) {
    const unsigned char* f = FilaMostrada(grupo, j);
    const int k = g.primeras[static_cast<std::size_t>(j)];
    // The computed amounts are the calculation's.
    for (int n = k + 7; n <= k + 16; ++n) Bloquear(n, true);
    if (f == nullptr || f[20] == 0) continue;
    // A child's row has no mark; the values wait for both dates.
    Bloquear(k + 2, f[20] == 4 || f[20] == 5);
    const bool fechas = FechaPresente(Fecha(f + kAdquisicion)) && FechaPresente(Fecha(f + kTransmision));
    Bloquear(k + 5, !fechas);
    Bloquear(k + 6, !fechas);
  }
}

int CControlesORD008::NavegarGrupo(int grupo, int fila, int accion, int /*extra*/) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return 0;
  int resultado = 0;
  switch (accion) {
    case kAccionGuardar8:
      Guardar(grupo, fila);
      SoloLecturaGrupo(grupo);
      break;
    case kAccionSuprimir8:
      SuprimirSiVacia(grupo, fila);
      break;
    case kAccionRecargar8:
      if (grupo == kGrupoORD008B) Recargar(grupo, fila);
      SoloLecturaGrupo(grupo);
      break;
    case kAccionSoloLectura8:
      SoloLecturaGrupo(grupo);
      break;
    default:
      AccionVentana(*filas, grupo, fila, accion, resultado);
      break;
  }
  ContarHojas();
  return resultado;
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

void CControlesORD008::CasillaCambiada(int numero) {
  const int grupo = GrupoDeCasilla(numero);
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (grupo != 0 && GrupoEditable(grupo)) {
    if (grupo == kGrupoORD008B && campo == 12) {
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
    } else if (grupo == kGrupoORD008B && campo == 13) {
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
      const bool clave = (grupo == kGrupoORD008A && campo <= 1) || campo == 30 || campo == 33 ||
                         (grupo == kGrupoORD008B && campo == 11);
      if (clave) SuprimirSiVacia(grupo, fila);
    }
  }
  FinF1();
}

int CControlesORD008::CasillaConfirmada(int numero) {
  if (m_pDatos == nullptr) return 0;
  int calcular = 0;
  if (numero == 30) {
    m_pFunciones->F1(&m_pDatos->ApartadoF1, 1);
    calcular = 1;
  } else if (numero >= 31 && numero <= 33) {
    m_pFunciones->F1(&m_pDatos->ApartadoF1, 2);
    calcular = 1;
  } else if (GrupoDeCasilla(numero) == kGrupoORD008B && (CampoDeCasilla(numero) == 16 || CampoDeCasilla(numero) == 18)) {
    NavegarGrupo(kGrupoORD008B, FilaDeCasilla(numero), kAccionGuardar8, 0);
    calcular = 1;
  }
  FinF1();
  return calcular;
}

void CControlesORD008::RechazarFecha(int fila, bool transmision, EProblemaFecha problema) {
  unsigned char* f = FilaMostrada(kGrupoORD008B, fila);
  if (f == nullptr) return;
  RechazarFechaFila(f + (transmision ? kTransmision : kAdquisicion),
                    f + (transmision ? kCopiaTransmision : kCopiaAdquisicion), problema, EPlazoElemento::HastaDosAnos,
                    [f] {
                      PonerDoble(f + 104, 0.0);
                      for (std::size_t d = 248; d <= 320; d += 8) PonerDoble(f + d, 0.0);
                    });
  Guardar(kGrupoORD008B, fila);
}

void CControlesORD008::ComprobarFecha(int fila, bool transmision) {
  NavegarGrupo(kGrupoORD008B, fila, kAccionGuardar8, 0);
  unsigned char* f = FilaMostrada(kGrupoORD008B, fila);
  if (f == nullptr || !GrupoEditable(kGrupoORD008B)) return;
  const std::string_view adquisicion = Fecha(f + kAdquisicion);
  const std::string_view transmite = Fecha(f + kTransmision);
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
    std::memset(f + kAdquisicion, 0, 8);
  }
  Guardar(kGrupoORD008B, fila);
  SoloLecturaGrupo(kGrupoORD008B);
}

int CControlesORD008::ComprobarCasilla(int numero) {
  const int grupo = GrupoDeCasilla(numero);
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (grupo != 0 && GrupoEditable(grupo)) {
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
  FinF1();
  return 1;
}

int CControlesORD008::FocoEnCasilla(int numero) {
  const int nueva = FilaFocoCD(numero);
  if (nueva == m_nFilaFocoCD) return 1;
  if (m_nFilaFocoCD >= 0) AvisarParIncompleto(m_nFilaFocoCD < 3 ? kGrupoORD008C : kGrupoORD008D, m_nFilaFocoCD % 3);
  m_nFilaFocoCD = nueva;
  return 1;
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(ORD008, CVistaGrupos);

ORD008::ORD008() { PonerControles(std::make_unique<CControlesORD008>()); }

CControlesORD008* ORD008::Controles() const { return static_cast<CControlesORD008*>(DameControles()); }

int ORD008::CasillaBotones(int indiceGrupo) const {
  static constexpr int kCasillas[] = {9, 38, 92, 102};
  return indiceGrupo >= 0 && indiceGrupo < 4 ? kCasillas[indiceGrupo] : 0;
}

int ORD008::CampoRecibeFoco(int numero) {
  // As a posted message: the message box opens once the focus change is over.
  CallAfter([this, numero] { Controles()->FocoEnCasilla(numero); });
  return 1;
}

wxClassInfo* ClasePaginaORD008() { return wxCLASSINFO(ORD008); }

}  // namespace ordinaria
