#include "d100/ORD009.h"

#include <wx/button.h>
#include <wx/window.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "d100/ValoresFila.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditEx.h"
#include "framework/Mensajes.h"
#include "framework/Prog32View.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "income/FilasSecciones.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace ordinaria {

namespace {

constexpr std::size_t kD = sizeof(double);

const SGrupoPagina kGruposORD009[] = {
    {kGrupoORD009A, {4, 9, 14}, {{0, 0, 1}, {1, 1, kD}, {2, 2, kD}, {3, 3, 1}, {4, 4, 1}}, 0, true, 1},
    {kGrupoORD009B,
     {20, 39, 58},
     {{0, 9, 20},   {1, 10, 1},   {2, 11, 1},   {3, 12, 8},   {4, 13, 8},   {5, 14, kD, 15}, {6, 16, kD, 17},
      {7, 18, kD},  {8, 19, kD},  {9, 20, kD},  {10, 21, kD}, {11, 22, kD}, {12, 23, kD},    {13, 24, kD},
      {14, 25, kD}, {15, 26, kD}, {16, 27, kD}, {17, 28, kD}, {18, 29, kD}},
     10,
     true,
     2},
    {kGrupoORD009C, {80, 83, 86}, {{0, 30, 1}, {1, 31, kD}, {2, 32, kD}}, 30, true, 1},
    {kGrupoORD009D, {90, 93, 96}, {{0, 33, 1}, {1, 34, kD}, {2, 35, kD}}, 33, true, 1},
};

constexpr int kTotalesORD009[] = {19, 77, 78, 79, 89, 99, 100, 101, 102, 103, 104, 105, 106, 107};

// Fields of a row of group B (640 bytes).
constexpr std::size_t kTitular = 20;
constexpr std::size_t kMarca = 21;
constexpr std::size_t kAdquisicion = 40;
constexpr std::size_t kTransmision = 48;
constexpr std::size_t kCopiaTransmision = 66;
constexpr std::size_t kCopiaAdquisicion = 128;
constexpr std::size_t kEntradasFechadas[2] = {152, 176};  // a date and two doubles each
constexpr std::size_t kAnchoEntradaFechada = 24;
constexpr std::size_t kAnosPrimera = 216;  // 1983; eleven years 16 bytes apart
constexpr std::size_t kAno1994 = 408;
constexpr std::size_t kAno1995 = 424;
constexpr std::size_t kEntradasAno[4] = {440, 464, 488, 512};  // a year of four characters, a double at +8

bool Marcada(unsigned char c) { return c == 1 || c == 'x' || c == 'X'; }

// The data that follow the dates of a row of group B: cleared when a refused date takes its amounts with it.
void VaciarDependientes(unsigned char* f) {
  std::memset(f + 64, 0, 56);
  PonerDoble(f + 120, 0.0);
  std::memset(f + 128, 0, 416);
  std::memset(f + 544, 0, 96);
}

}  // namespace

std::span<const SGrupoPagina> CControlesORD009::Grupos() const { return kGruposORD009; }
std::span<const int> CControlesORD009::CasillasTotales() const { return kTotalesORD009; }

std::unique_ptr<renta::CFilasApartadoF> CControlesORD009::CrearTabla(int indice, DatosRenta& d) const {
  switch (indice) {
    case 0: return std::make_unique<renta::CFilasORD009A>(d);
    case 1: return std::make_unique<renta::CFilasORD009B>(d);
    case 2: return std::make_unique<renta::CFilasORD009C>(d);
    default: return std::make_unique<renta::CFilasORD009D>(d);
  }
}

void CControlesORD009::EnlazarFijas() {
  EnlazarCabecera(110);
  if (m_pDatos == nullptr) return;
  using renta::SCasillaDatos;
  constexpr std::uint32_t kF2 = offsetof(DatosRenta, ApartadoF2);
  constexpr std::uint32_t kF3 = offsetof(DatosRenta, ApartadoF3);
  constexpr std::uint32_t kF4 = offsetof(DatosRenta, ApartadoF4);
  constexpr std::uint32_t kBI = offsetof(DatosRenta, BaseImponible);
  constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion) + renta::kDespIdentificacion;
  constexpr std::uint32_t kM = 5 * sizeof(double);
  static constexpr SCasillaDatos kFijas[] = {
      {19, {kF2 + 3872, kM}, {}},  {77, {kF3 + 5760, kM}, {}},  {78, {kF3 + 5800, kM}, {}},
      {79, {kF3 + 5840, kM}, {}},  {89, {kF3 + 6096, kM}, {}},  {99, {kF3 + 6352, kM}, {}},
      {100, {kF4 + 0, kM}, {}},    {101, {kF4 + 40, kM}, {}},   {102, {kBI + 1232, kM}, {}},
      {103, {kF4 + 80, kM}, {}},   {104, {kF4 + 120, kM}, {}},  {105, {kF4 + 160, kM}, {}},
      {106, {kBI + 1544, kM}, {}}, {107, {kF4 + 200, kM}, {}},  {108, {kId, 20}, {}},
  };
  renta::EnlazarCasillasDatos(*this, kFijas, *m_pDatos);
}

void CControlesORD009::SoloLecturaGrupo(int grupo) {
  CControlesGrupos::SoloLecturaGrupo(grupo);
  if (grupo != kGrupoORD009B || !GrupoEditable(grupo)) return;
  const SGrupoPagina& g = kGruposORD009[1];
  for (int j = 0; j < 3; ++j) {
    const unsigned char* f = FilaMostrada(grupo, j);
    const int k = g.primeras[static_cast<std::size_t>(j)];
    // The amounts of the years and the results are the calculation's.
    for (int n = k + 7; n <= k + 18; ++n) Bloquear(n, true);
    if (f == nullptr || f[kTitular] == 0) continue;
    Bloquear(k + 2, f[kTitular] == 4 || f[kTitular] == 5);
    const bool fechas = FechaPresente(Fecha(f + kAdquisicion)) && FechaPresente(Fecha(f + kTransmision));
    Bloquear(k + 5, !fechas);
    Bloquear(k + 6, !fechas);
  }
}

int CControlesORD009::NavegarGrupo(int grupo, int fila, int accion, int /*extra*/) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return 0;
  int resultado = 0;
  switch (accion) {
    case kAccionGuardar9:
      Guardar(grupo, fila);
      SoloLecturaGrupo(grupo);
      if (grupo != kGrupoORD009B && GrupoEditable(grupo) && FilaMostrada(grupo, fila) != nullptr &&
          filas->ComprobarFila(fila) == 0) {
        // The second amount may not exceed the first: it goes, and the focus with it.
        if (unsigned char* guardada = FilaGuardada(grupo, fila)) PonerDoble(guardada + 16, 0.0);
        Recargar(grupo, fila);
        const int campo = grupo == kGrupoORD009A ? 2 : grupo == kGrupoORD009C ? 32 : 35;
        m_nCasillaAEnfocar = CasillaDeCampo(grupo, fila, campo);
      }
      break;
    case kAccionSuprimir9:
      SuprimirSiVacia(grupo, fila);
      break;
    case kAccionRecargar9:
      Recargar(grupo, fila);
      if (grupo == kGrupoORD009B) SoloLecturaGrupo(grupo);
      break;
    case kAccionSoloLectura9:
      if (grupo == kGrupoORD009B) SoloLecturaGrupo(grupo);
      break;
    default:
      AccionVentana(*filas, grupo, fila, accion, resultado);
      break;
  }
  ContarHojas();
  return resultado;
}

void CControlesORD009::CamposDerivados(int hoja) {
  CControlesGrupos::CamposDerivados(hoja);
  for (int j = 0; j < 3; ++j) {
    auto& marca = m_aMarcasA[static_cast<std::size_t>(j)];
    const unsigned char* f = FilaMostrada(kGrupoORD009A, j);
    char c = ' ';
    if (f != nullptr && Marcada(f[24])) c = '1';
    else if (f != nullptr && Marcada(f[25])) c = '2';
    std::fill(marca.begin(), marca.begin() + kAnchoMarcaHojas, c);
    marca[kAnchoMarcaHojas] = '\0';
    EnlazarDerivada(7 + 5 * j, "S1*5.0", marca.data(), kAnchoMarcaHojas);
  }
}

int CControlesORD009::TomarCasillaAEnfocar() {
  const int casilla = m_nCasillaAEnfocar;
  m_nCasillaAEnfocar = 0;
  return casilla;
}

void CControlesORD009::ReglaTitularB(int fila) {
  NavegarGrupo(kGrupoORD009B, fila, kAccionGuardar9, 0);
  if (SuprimirSiVacia(kGrupoORD009B, fila) != 0) return;
  unsigned char* f = FilaMostrada(kGrupoORD009B, fila);
  if (f == nullptr) return;
  bool elegir = false;
  if (f[kTitular] == 4 || f[kTitular] == 5) {
    // A child's element is never marked.
    f[kMarca] = 0;
  } else if (f[kTitular] == marco::kSujetoUnidadFamiliar && f[kMarca] == 1 && Doble(f + 104) > 0) {
    // The family unit keeps the element but not its mark, as the mark's own rule does.
    marco::CDlgMensaje().MostrarMensaje("100V151", marco::IconoAsterisco);
    f[kMarca] = 0;
  } else {
    // A new holder: the kind of element is asked for next, once the program has the list of kinds (without it
    // the list would stop the typing at every holder only to say it is missing; its buttons still say so).
    elegir = renta::HayTablaTiposElemento(marco::DameBaseDatosLocal(), marco::LetraIdiomaV());
  }
  Guardar(kGrupoORD009B, fila);
  NavegarGrupo(kGrupoORD009B, fila, kAccionRecargar9, 0);
  if (elegir) ElegirTipoElemento(fila);
}

int CControlesORD009::ElegirTipoElemento(int fila) {
  unsigned char* f = FilaGuardada(kGrupoORD009B, fila);
  if (f == nullptr || f[kTitular] == 0) return 0;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(renta::kVentanaTipoElemento);
  if (dialogo == nullptr || !dialogo->abrir || dialogo->tamanoBloque != renta::kTamanoTipoElementoB) return 0;
  std::array<unsigned char, renta::kTamanoTipoElementoB> bloque{};
  std::memcpy(bloque.data(), f + renta::kDespTipoElementoB, bloque.size());
  marco::SPeticionDetalle peticion;
  peticion.padre = DameVista() != nullptr ? DameVista()->DameVentana() : nullptr;
  peticion.sujeto = marco::DameSujetoActual();
  peticion.conyugeOPrimerHijo = marco::HayConyugeOHijo();
  peticion.bloque = bloque;
  if (dialogo->abrir(peticion) != marco::kDialogoAceptado) return 0;
  std::int32_t antes = 0;
  std::int32_t tipo = 0;
  std::memcpy(&antes, f + renta::kDespTipoElementoB, sizeof antes);
  std::memcpy(&tipo, bloque.data(), sizeof tipo);
  if (tipo != antes) marco::PonerRecomponerIdentificacion(true);
  std::memcpy(f + renta::kDespTipoElementoB, bloque.data(), bloque.size());
  if (tipo == 1 || tipo == 2) f[64] = 0;
  if (tipo == 3) {
    f[64] = 0;
    f[65] = 0;
  }
  for (int j = 0; j < renta::kMostradasGrupoF; ++j) Recargar(kGrupoORD009B, j);
  SoloLecturaGrupo(kGrupoORD009B);
  return 1;
}

int CControlesORD009::BotonTipoElemento(int fila) {
  if (SujetoMostrado() != marco::kSujetoUnidadFamiliar && marco::HayConyugeOHijo() == 1) {
    marco::CDlgMensaje().MostrarMensaje(marco::kMensajeMiembroBloqueado, marco::IconoExclamacion);
    return 0;
  }
  return ElegirTipoElemento(fila);
}

void CControlesORD009::ReglaMarcaB(int fila) {
  NavegarGrupo(kGrupoORD009B, fila, kAccionGuardar9, 0);
  unsigned char* f = FilaMostrada(kGrupoORD009B, fila);
  if (f == nullptr) return;
  const bool marcada = f[kMarca] == 1;
  const bool conImportes = marcada ? Doble(f + 160) != 0 || Doble(f + 184) != 0 || Doble(f + 200) != 0 ||
                                         Doble(f + 392) != 0
                                   : Doble(f + 200) != 0 || Doble(f + 392) != 0;
  if (conImportes) {
    if (marco::CDlgMensaje().MostrarMensaje("100V201", marco::IconoAsterisco) == marco::kBotonCancelar) {
      f[kMarca] = marcada ? 0 : 1;
      m_nRespuesta = 1;
    } else {
      m_nRespuesta = 0;
    }
  }
  if (f[kTitular] == marco::kSujetoUnidadFamiliar && f[kMarca] == 1 && Doble(f + 104) > 0) {
    marco::CDlgMensaje().MostrarMensaje("100V151", marco::IconoAsterisco);
    f[kMarca] = 0;
  }
  Guardar(kGrupoORD009B, fila);
  NavegarGrupo(kGrupoORD009B, fila, kAccionRecargar9, 0);
}

void CControlesORD009::ConfirmarMarcaB(int fila) {
  NavegarGrupo(kGrupoORD009B, fila, kAccionGuardar9, 0);
  unsigned char* f = FilaMostrada(kGrupoORD009B, fila);
  if (f == nullptr) return;
  if (f[kMarca] == 1) {
    f[65] = 0;
    std::memset(f + 152, 0, 48);
  } else {
    f[64] = 0;
    f[65] = 0;
    for (std::size_t k = 0; k <= 10; ++k) PonerDoble(f + kAnosPrimera + 16 * k, 0.0);
  }
  if (m_nRespuesta == 0) {
    PonerDoble(f + 200, 0.0);
    PonerDoble(f + 392, 0.0);
  }
  if (f[kMarca] != 1) {
    PonerDoble(f + kAno1994, 0.0);
    PonerDoble(f + kAno1995, 0.0);
    PonerDoble(f + 536, 0.0);
  }
  Guardar(kGrupoORD009B, fila);
  NavegarGrupo(kGrupoORD009B, fila, kAccionRecargar9, 0);
}

void CControlesORD009::CasillaCambiada(int numero) {
  const int grupo = GrupoDeCasilla(numero);
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (grupo == 0 || !GrupoEditable(grupo)) return;
  if (grupo == kGrupoORD009B) {
    if (campo == 10) ReglaTitularB(fila);
    else if (campo == 11) ReglaMarcaB(fila);
    return;
  }
  NavegarGrupo(grupo, fila, kAccionGuardar9, 0);
  if (campo == 0 || campo == 30 || campo == 33 || (campo == 1 && fila > 0)) {
    NavegarGrupo(grupo, fila, kAccionSuprimir9, 0);
  } else if (grupo == kGrupoORD009A && (campo == 3 || campo == 4)) {
    // The two marks of a row exclude each other.
    unsigned char* f = FilaGuardada(grupo, fila);
    if (f != nullptr && Marcada(f[campo == 3 ? 24 : 25])) {
      f[campo == 3 ? 25 : 24] = 0;
      Recargar(grupo, fila);
    }
  }
}

int CControlesORD009::CasillaConfirmada(int numero) {
  const int grupo = GrupoDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (grupo != kGrupoORD009B || (campo != 14 && campo != 16)) return 0;
  NavegarGrupo(grupo, FilaDeCasilla(numero), kAccionGuardar9, 0);
  return 1;
}

void CControlesORD009::CasillaBorrada(int numero) {
  if (GrupoDeCasilla(numero) != kGrupoORD009B || CampoDeCasilla(numero) != 11) return;
  const int fila = FilaDeCasilla(numero);
  unsigned char* f = FilaGuardada(kGrupoORD009B, fila);
  if (f == nullptr || f[kMarca] != 1 || (Doble(f + 200) == 0 && Doble(f + 392) == 0)) return;
  if (marco::CDlgMensaje().MostrarMensaje("100V201", marco::IconoAsterisco) == marco::kBotonCancelar) {
    f[kMarca] = 1;
    m_nRespuesta = 1;
    Recargar(kGrupoORD009B, fila);
  } else {
    m_nRespuesta = 0;
  }
}

int CControlesORD009::ComprobarCasilla(int numero) {
  const int grupo = GrupoDeCasilla(numero);
  const int fila = FilaDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (grupo == 0 || !GrupoEditable(grupo)) return 1;
  if (grupo == kGrupoORD009B) {
    switch (campo) {
      case 9:
        NavegarGrupo(grupo, fila, kAccionGuardar9, 0);
        SuprimirSiVacia(grupo, fila);
        break;
      case 11: ConfirmarMarcaB(fila); break;
      case 12: ComprobarFechaAdquisicion(fila); break;
      case 13: ComprobarFechaTransmision(fila); break;
      default: NavegarGrupo(grupo, fila, kAccionGuardar9, 0); break;
    }
    return 1;
  }
  NavegarGrupo(grupo, fila, kAccionGuardar9, 0);
  return 1;
}

void CControlesORD009::RechazarFecha(int fila, bool transmision, EProblemaFecha problema) {
  unsigned char* f = FilaMostrada(kGrupoORD009B, fila);
  if (f == nullptr) return;
  RechazarFechaFila(f + (transmision ? kTransmision : kAdquisicion),
                    f + (transmision ? kCopiaTransmision : kCopiaAdquisicion), problema, EPlazoElemento::MasDeDosAnos,
                    [f] { VaciarDependientes(f); });
  Guardar(kGrupoORD009B, fila);
}

void CControlesORD009::ComprobarFechaAdquisicion(int fila) {
  NavegarGrupo(kGrupoORD009B, fila, kAccionGuardar9, 0);
  unsigned char* f = FilaMostrada(kGrupoORD009B, fila);
  if (f == nullptr || !GrupoEditable(kGrupoORD009B)) return;
  const std::string_view adquisicion = Fecha(f + kAdquisicion);
  const std::string_view transmision = Fecha(f + kTransmision);
  if (FechaPresente(adquisicion) && FechaPresente(transmision)) {
    const EProblemaFecha problema = ProblemaFechas(adquisicion, transmision, false, EPlazoElemento::MasDeDosAnos);
    if (problema != EProblemaFecha::Ninguno) {
      RechazarFecha(fila, false, problema);
    } else {
      // The years before the acquisition hold nothing.
      const int ano = AnoFecha(adquisicion);
      for (int y = 1983; y <= 1995; ++y) {
        if (y >= ano) break;
        const std::size_t desp = y <= 1993 ? kAnosPrimera + 16 * static_cast<std::size_t>(y - 1983)
                                           : y == 1994 ? kAno1994 : kAno1995;
        PonerDoble(f + desp, 0.0);
      }
      for (std::size_t e : kEntradasAno) {
        const int anoEntrada = AnoFecha(std::string("0000") + std::string(reinterpret_cast<const char*>(f + e), 4));
        if (anoEntrada != 0 && anoEntrada < ano) {
          std::memset(f + e, 0, 4);
          PonerDoble(f + e + 8, 0.0);
        }
      }
      for (std::size_t e : kEntradasFechadas) {
        const std::string_view fechaEntrada = Fecha(f + e);
        if (FechaPresente(fechaEntrada) &&
            marco::CValidador::FechaEnIntervalo(fechaEntrada, adquisicion, transmision) == 0) {
          marco::CDlgMensaje().MostrarMensaje(kMensajeFechaFueraVentana, marco::IconoAsterisco);
        }
      }
      Guardar(kGrupoORD009B, fila);
    }
  } else if (!ProblemaAdquisicionSola(adquisicion, EPlazoElemento::MasDeDosAnos).empty()) {
    marco::CDlgMensaje().MostrarMensaje(kMensajeAdquisicionSola, marco::IconoAsterisco);
    std::memset(f + kAdquisicion, 0, 8);
    Guardar(kGrupoORD009B, fila);
  }
  NavegarGrupo(kGrupoORD009B, fila, kAccionRecargar9, 0);
}

void CControlesORD009::ComprobarFechaTransmision(int fila) {
  NavegarGrupo(kGrupoORD009B, fila, kAccionGuardar9, 0);
  unsigned char* f = FilaMostrada(kGrupoORD009B, fila);
  if (f == nullptr || !GrupoEditable(kGrupoORD009B)) return;
  const std::string_view adquisicion = Fecha(f + kAdquisicion);
  const std::string_view transmision = Fecha(f + kTransmision);
  if (FechaPresente(transmision)) {
    const EProblemaFecha problema = ProblemaFechas(adquisicion, transmision, true, EPlazoElemento::MasDeDosAnos);
    if (problema != EProblemaFecha::Ninguno) {
      RechazarFecha(fila, true, problema);
    } else if (FechaPresente(adquisicion)) {
      // Held more than two years: the dated entries outside the holding period go.
      for (std::size_t e : kEntradasFechadas) {
        const std::string_view fechaEntrada = Fecha(f + e);
        if (FechaPresente(fechaEntrada) &&
            marco::CValidador::FechaEnIntervalo(fechaEntrada, adquisicion, transmision) == 0) {
          std::memset(f + e, 0, kAnchoEntradaFechada);
        }
      }
      Guardar(kGrupoORD009B, fila);
    }
  }
  NavegarGrupo(kGrupoORD009B, fila, kAccionRecargar9, 0);
}

int CControlesORD009::FocoEnCasilla(int numero) {
  // Group A: the boxes of the holder and the two amounts of a row.
  const int grupo = GrupoDeCasilla(numero);
  const int campo = CampoDeCasilla(numero);
  if (grupo == kGrupoORD009A && campo <= 2) {
    const int fila = FilaDeCasilla(numero);
    if (fila != m_nFilaFocoA) {
      if (m_nFilaFocoA >= 0) AvisarParIncompleto(kGrupoORD009A, m_nFilaFocoA);
      m_nFilaFocoA = fila;
    }
  }
  if (grupo == kGrupoORD009C || grupo == kGrupoORD009D) {
    const int fila = FilaDeCasilla(numero) + (grupo == kGrupoORD009D ? 3 : 0);
    if (fila != m_nFilaFocoCD) {
      if (m_nFilaFocoCD >= 0) AvisarParIncompleto(m_nFilaFocoCD < 3 ? kGrupoORD009C : kGrupoORD009D, m_nFilaFocoCD % 3);
      m_nFilaFocoCD = fila;
    }
  }
  return 1;
}

// ---- the view ----

wxIMPLEMENT_DYNAMIC_CLASS(ORD009, CVistaGrupos);

ORD009::ORD009() { PonerControles(std::make_unique<CControlesORD009>()); }

CControlesORD009* ORD009::Controles() const { return static_cast<CControlesORD009*>(DameControles()); }

int ORD009::CasillaBotones(int indiceGrupo) const {
  static constexpr int kCasillas[] = {8, 22, 82, 92};
  return indiceGrupo >= 0 && indiceGrupo < 4 ? kCasillas[indiceGrupo] : 0;
}

int ORD009::CampoBorrado(int numero) {
  Controles()->CasillaBorrada(numero);
  CalcularTodo();
  return 1;
}

int ORD009::CampoRecibeFoco(int numero) {
  CallAfter([this, numero] { Controles()->FocoEnCasilla(numero); });
  return 1;
}

CVistaGrupos::SBotonesFila ORD009::BotonesFila() const {
  return {3, kComandoTipoElemento, "...", "Tipo de elemento patrimonial", 1};
}

// Each button stands right of its row's holder box.
int ORD009::CasillaBotonFila(int fila) const { return Controles()->CasillaDeCampo(kGrupoORD009B, fila, 10); }

void ORD009::PulsarBotonFila(int fila) {
  if (Controles()->BotonTipoElemento(fila) != 0) {
    CalcularTodo();
    MarcarDocumentoModificado();
  }
  RefrescarControles();
}

wxClassInfo* ClasePaginaORD009() { return wxCLASSINFO(ORD009); }

}  // namespace ordinaria
