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

// The rows of F3 (group B, 640 bytes): the boxes from the eighth to the nineteenth are the calculation's; the dates
// at 40 and 48, their copies at 128 and 66.
constexpr SElementosFechados kElementosORD009{kGrupoORD009B, kAccionGuardar9, 18, 40, 48, 128, 66,
                                              EPlazoElemento::MasDeDosAnos};

const std::vector<SGrupoPagina> kGruposORD009 = GruposElementos(
    {kGrupoORD009A, {4, 9, 14}, {{0, 0, 1}, {1, 1, kD}, {2, 2, kD}, {3, 3, 1}, {4, 4, 1}}, 0, true, 1}, {20, 39, 58}, 9,
    kElementosORD009.ultimaCalculada, {80, 83, 86}, {90, 93, 96});

// The row table of each group.
constexpr auto kTablasORD009 =
    &TablaDeGrupo<renta::CFilasORD009A, renta::CFilasORD009B, renta::CFilasORD009C, renta::CFilasORD009D>;

constexpr int kTotalesORD009[] = {19, 77, 78, 79, 89, 99, 100, 101, 102, 103, 104, 105, 106, 107};

// Fields of a row of group B.
constexpr std::size_t kTitular = 20;
constexpr std::size_t kMarca = 21;
constexpr std::size_t kEntradasFechadas[2] = {152, 176};  // a date and two doubles each
constexpr std::size_t kAnchoEntradaFechada = 24;
constexpr std::size_t kAnosPrimera = 216;  // 1983; eleven years 16 bytes apart
constexpr std::size_t kAno1994 = 408;
constexpr std::size_t kAno1995 = 424;
constexpr std::size_t kEntradasAno[4] = {440, 464, 488, 512};  // a year of four characters, a double at +8

bool Marcada(unsigned char c) { return c == 1 || c == 'x' || c == 'X'; }

constexpr std::uint32_t kF2 = offsetof(DatosRenta, ApartadoF2);
constexpr std::uint32_t kF3 = offsetof(DatosRenta, ApartadoF3);
constexpr std::uint32_t kF4 = offsetof(DatosRenta, ApartadoF4);
constexpr std::uint32_t kBI = kDespBaseImponible;
constexpr std::uint32_t kM = kImportesPersonas;
constexpr renta::SCasillaDatos kFijasORD009[] = {
    {19, {kF2 + 3872, kM}, {}},  {77, {kF3 + 5760, kM}, {}},  {78, {kF3 + 5800, kM}, {}},
    {79, {kF3 + 5840, kM}, {}},  {89, {kF3 + 6096, kM}, {}},  {99, {kF3 + 6352, kM}, {}},
    {100, {kF4 + 0, kM}, {}},    {101, {kF4 + 40, kM}, {}},   {102, {kBI + 1232, kM}, {}},
    {103, {kF4 + 80, kM}, {}},   {104, {kF4 + 120, kM}, {}},  {105, {kF4 + 160, kM}, {}},
    {106, {kBI + 1544, kM}, {}}, {107, {kF4 + 200, kM}, {}},  {108, {kDespReferencia, 20}, {}},
};

const SPaginaGrupos kPaginaORD009{.grupos = kGruposORD009, .fijas = kFijasORD009, .totales = kTotalesORD009,
                                  .casillaMarcaHojas = 3, .casillaTituloHoja = 109, .casillaEjemplar = 110,
                                  .crearTabla = kTablasORD009};

}  // namespace

CControlesORD009::CControlesORD009() : CControlesElementos(kPaginaORD009, kElementosORD009) {}

// The data that follow the dates of a row of group B.
void CControlesORD009::VaciarTrasFecha(unsigned char* f) const {
  std::memset(f + 64, 0, 56);
  PonerDoble(f + 120, 0.0);
  std::memset(f + 128, 0, 416);
  std::memset(f + 544, 0, 96);
}

int CControlesORD009::AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int /*extra*/) {
  if (accion == kAccionGuardar9) {
    Guardar(grupo, fila);
    SoloLecturaGrupo(grupo);
    if (grupo != kGrupoORD009B && GrupoEditable(grupo) && FilaMostrada(grupo, fila) != nullptr &&
        filas.ComprobarFila(fila) == 0) {
      // The second amount may not exceed the first: it goes, and the focus with it.
      if (unsigned char* guardada = FilaGuardada(grupo, fila)) PonerDoble(guardada + 16, 0.0);
      Recargar(grupo, fila);
      const int campo = grupo == kGrupoORD009A ? 2 : grupo == kGrupoORD009C ? 32 : 35;
      m_nCasillaAEnfocar = CasillaDeCampo(grupo, fila, campo);
    }
  } else if (accion == kAccionSuprimir9) {
    SuprimirSiVacia(grupo, fila);
  } else if (accion == kAccionRecargar9) {
    Recargar(grupo, fila);
  }
  // A row of group B reloaded, or asked for: its read-only states.
  if ((accion == kAccionRecargar9 || accion == kAccionSoloLectura9) && grupo == kGrupoORD009B) SoloLecturaGrupo(grupo);
  return 0;
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
  std::array<unsigned char, renta::kTamanoTipoElementoB> bloque{};
  std::memcpy(bloque.data(), f + renta::kDespTipoElementoB, bloque.size());
  wxWindow* padre = DameVista() != nullptr ? DameVista()->DameVentana() : nullptr;
  if (AbrirDialogoFila(renta::kVentanaTipoElemento, bloque, 0, padre, marco::DameSujetoActual()) !=
      marco::kDialogoAceptado) {
    return 0;
  }
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

void CControlesORD009::AlCambiarCasilla(const SCasillaGrupo& c) {
  const int grupo = c.grupo;
  const int fila = c.fila;
  const int campo = c.campo;
  if (!c.editable) return;
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

int CControlesORD009::AlConfirmarCasilla(const SCasillaGrupo& c) {
  if (c.grupo != kGrupoORD009B || (c.campo != 14 && c.campo != 16)) return 0;
  NavegarGrupo(c.grupo, c.fila, kAccionGuardar9, 0);
  return 1;
}

void CControlesORD009::CasillaBorrada(int numero) {
  const SCasillaGrupo c = Situar(numero);
  if (c.grupo != kGrupoORD009B || c.campo != 11) return;
  unsigned char* f = FilaGuardada(kGrupoORD009B, c.fila);
  if (f == nullptr || f[kMarca] != 1 || (Doble(f + 200) == 0 && Doble(f + 392) == 0)) return;
  if (marco::CDlgMensaje().MostrarMensaje("100V201", marco::IconoAsterisco) == marco::kBotonCancelar) {
    f[kMarca] = 1;
    m_nRespuesta = 1;
    Recargar(kGrupoORD009B, c.fila);
  } else {
    m_nRespuesta = 0;
  }
}

int CControlesORD009::AlComprobarCasilla(const SCasillaGrupo& c) {
  const int grupo = c.grupo;
  const int fila = c.fila;
  if (!c.editable) return 1;
  if (grupo != kGrupoORD009B) {
    NavegarGrupo(grupo, fila, kAccionGuardar9, 0);
    return 1;
  }
  switch (c.campo) {
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

void CControlesORD009::ComprobarFechaAdquisicion(int fila) {
  const auto fechada = GuardarFilaFechada(fila);
  if (!fechada) return;
  unsigned char* f = fechada->fila;
  const std::string_view adquisicion = fechada->adquisicion;
  const std::string_view transmision = fechada->transmision;
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
    std::memset(f + kElementosORD009.adquisicion, 0, 8);
    Guardar(kGrupoORD009B, fila);
  }
  NavegarGrupo(kGrupoORD009B, fila, kAccionRecargar9, 0);
}

void CControlesORD009::ComprobarFechaTransmision(int fila) {
  const auto fechada = GuardarFilaFechada(fila);
  if (!fechada) return;
  unsigned char* f = fechada->fila;
  const std::string_view adquisicion = fechada->adquisicion;
  const std::string_view transmision = fechada->transmision;
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
  const SCasillaGrupo c = Situar(numero);
  // Group A: the boxes of the holder and the two amounts of a row.
  if (c.grupo == kGrupoORD009A && c.campo <= 2) CambiarFilaPares(m_nFilaFocoA, c.fila, {kGrupoORD009A});
  if (const int fila = FilaDePares(c, {kGrupoORD009C, kGrupoORD009D}); fila >= 0) {
    CambiarFilaPares(m_nFilaFocoCD, fila, {kGrupoORD009C, kGrupoORD009D});
  }
  return 1;
}

// ---- the view ----

class ORD009 : public CPaginaGrupos<CControlesORD009, kIdPaginaORD009, CVistaElementos> {
 public:
  int CampoBorrado(int numero) override;

 protected:
  // Where the group buttons stand: A, B, C, D.
  std::span<const int> CasillasBotones() const override {
    static constexpr int kCasillas[] = {8, 22, 82, 92};
    return kCasillas;
  }
  // The element-type buttons beside each shown row's holder of group B (1020 + row): the list, then the
  // declaration recalculated when a type was chosen.
  SBotonesFila BotonesFila() const override;
  int CasillaBotonFila(int fila) const override;
  void PulsarBotonFila(int fila) override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD009);
};

wxIMPLEMENT_DYNAMIC_CLASS(ORD009, CVistaGrupos);

int ORD009::CampoBorrado(int numero) {
  Controles()->CasillaBorrada(numero);
  CalcularTodo();
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
