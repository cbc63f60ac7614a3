#include "d100/ORD007.h"

#include <array>
#include <cstring>
#include <memory>

#include "d100/ValoresFila.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace ordinaria {

namespace {

// Box 11 of a row of group A shows the family unit's share (field 15) or another person's (field 16).
constexpr int kCasillaParte = 11;
// Boxes 9 and 10 of a row of group A (the payments and the corporate tax the entity imputes) open the other
// concepts of the imputation (field 14, 40 bytes), which read the row's kind (field 1) and the base it imputes
// (field 3).
constexpr int kOtrosConceptos = 14;
constexpr std::array<int, 2> kClaseEImporte = {1, 3};

const SGrupoPagina kGruposORD007[] = {
    {kGrupoORD007A,
     {9, 21, 33},
     {{0, 0, 9}, {1, 1, 1}, {2, 2, 4}, {3, 3, kD}, {4, 6, kD}, {5, 7, kD, 8}, {6, 9, kD}, {7, 10, kD}, {8, 11, kD},
      {9, 12, kD, kOtrosConceptos, kClaseEImporte}, {10, 13, kD, kOtrosConceptos, kClaseEImporte},
      {kCasillaParte, 15, kD}},
     2,
     false,
     3},
    {kGrupoORD007B, {47, 54, 61}, {{0, 0, 9}, {1, 1, 1}, {2, 2, 1}, {3, 3, 1}, {4, 4, kD}, {5, 5, kD}, {6, 6, kD}}, 1,
     true, 2},
    {kGrupoORD007C, {69}, {{0, 0, 1}, {1, 1, 20}, {2, 2, 20}, {3, 3, kD}, {4, 4, kD}, {5, 5, kD}}, 0, true, 1},
    {kGrupoORD007D, {75, 80, 85}, {{0, 0, 9}, {1, 1, 1}, {2, 2, kD, 5}, {3, 3, kD, 5}, {4, 4, kD}}, 1, true, 2},
};

// Fields of a row of group A (160 bytes).
constexpr int kIndiceOpcionA = 10;  // the option box of row 0 of group A in the view's box list (row r: + 12 r)
constexpr std::size_t kClase = 9;
constexpr std::size_t kOpcion = 10;
constexpr std::size_t kPrimerImporte = 16;

bool Marcada(unsigned char c) { return c == 1 || c == '1' || c == 'x' || c == 'X'; }
bool ClaseVacia(unsigned char c) { return c == 0 || c == ' '; }

constexpr std::uint32_t kE1 = offsetof(DatosRenta, ApartadoE1);
constexpr std::uint32_t kE2 = offsetof(DatosRenta, ApartadoE2);
constexpr std::uint32_t kBI = kDespBaseImponible;
constexpr std::uint32_t kR = offsetof(DatosRenta, Resultados);
constexpr std::uint32_t kM = kImportesPersonas;
constexpr renta::SCasillaDatos kFijasORD007[] = {
    {3, {kBI + 880, kM}, {kE1, sizeof(RegApartadoE1)}},
    {5, {kE2 + 0, 5}, {kE2 + 5, 4}},
    {6, {kE2 + 9, 5}, {kE2 + 5, 4}},
    {7, {kE2 + 14, 5}, {kE2 + 5, 4}},
    {8, {kE2 + 19, 5}, {kE2 + 5, 4}},
    {45, {kBI + 920, kM}, {}},
    {46, {kR + 6152, kM}, {}},
    {68, {kBI + 960, kM}, {}},
    {90, {kBI + 1040, kM}, {}},
    {91, {kDespReferencia, 20}, {}},
};

}  // namespace

CControlesORD007::CControlesORD007()
    : CControlesGrupos({.grupos = kGruposORD007, .fijas = kFijasORD007, .casillaEjemplar = 92,
                        .crearTabla = &TablaDeGrupo<renta::CFilasORD007A, renta::CFilasORD007B, renta::CFilasORD007C,
                                                    renta::CFilasORD007D>}) {}

void* CControlesORD007::LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) {
  renta::CFilasApartadoF* filas = Filas(grupo);
  if (filas == nullptr) return nullptr;
  if (grupo == kGrupoORD007A && casilla.desp == kCasillaParte) {
    return filas->DireccionCampo(fila, SujetoMostrado() == marco::kSujetoUnidadFamiliar ? 15 : 16);
  }
  return filas->DireccionCampo(fila, casilla.campo);
}


void CControlesORD007::SoloLecturaGrupo(int grupo) {
  if (grupo != kGrupoORD007A) {
    CControlesGrupos::SoloLecturaGrupo(grupo);
    return;
  }
  const bool editable = GrupoEditable(grupo);
  const SGrupoPagina& g = kGruposORD007[0];
  bool abierta = true;
  for (int j = 0; j < 3; ++j) {
    const int k = g.primeras[static_cast<std::size_t>(j)];
    unsigned char* f = FilaMostrada(grupo, j);
    for (int d = 0; d < 3; ++d) Bloquear(k + d, !editable || !abierta);
    const bool conClase = f != nullptr && f[kOpcion] != 0 && !ClaseVacia(f[kClase]);
    abierta = conClase;
    if (!conClase) {
      for (int d = 3; d <= 10; ++d) Bloquear(k + d, true);
      continue;
    }
    Bloquear(k + 3, !editable);
    Bloquear(k + 9, !editable);
    Bloquear(k + 10, !editable);
    // Only the fourth kind imputes a negative base.
    if (marco::CCampo* campo = CampoDeNumero(k + 3)) campo->AdmitNega = f[kClase] == '4' ? 1 : 0;
    const bool sinBase = Doble(f + kPrimerImporte) == 0;
    for (int d = 4; d <= 8; ++d) Bloquear(k + d, !editable || sinBase);
    if (sinBase && editable) {
      bool habia = false;
      for (std::size_t o = 32; o <= 80; o += 8) habia = habia || Doble(f + o) != 0;
      if (habia) {
        for (std::size_t o = 32; o <= 80; o += 8) PonerDoble(f + o, 0.0);
        Guardar(grupo, j);
      }
    }
  }
}

void CControlesORD007::GuardarGrupoC() {
  Guardar(kGrupoORD007C, 0);
  if (m_pDatos == nullptr || !GrupoEditable(kGrupoORD007C)) return;
  // The two shares may not exceed the income they come from.
  renta::ComprobarGrupoORD007A(m_pDatos->ApartadoE4);
  renta::ComprobarGrupoORD007B(m_pDatos->ApartadoE4);
  Recargar(kGrupoORD007C, 0);
}

int CControlesORD007::AccionFila(renta::CFilasApartadoF& /*filas*/, int grupo, int fila, int accion, int /*extra*/) {
  int resultado = 0;
  switch (accion) {
    case kAccionGuardarA7:
    case kAccionGuardarB7:
    case kAccionGuardarC7:
    case kAccionGuardarD7:
      if (grupo == kGrupoORD007C) {
        GuardarGrupoC();
      } else {
        Guardar(grupo, fila);
        resultado = grupo == kGrupoORD007B || grupo == kGrupoORD007D ? fila : 0;
      }
      SoloLecturaGrupo(grupo);
      break;
    case kAccionSuprimirA7:
    case kAccionSuprimirB7:
    case kAccionSuprimirC7:
    case kAccionSuprimirD7:
      if (SuprimirSiVacia(grupo, fila) != 0) resultado = grupo == kGrupoORD007C ? 4 : grupo == kGrupoORD007A ? 0 : 1;
      break;
    case kAccionRestaurar7:
    case kAccionReescribir7:
      Recargar(grupo, fila);
      SoloLecturaGrupo(grupo);
      break;
  }
  return resultado;
}

void CControlesORD007::CamposDerivados(int /*hoja*/) {
  if (m_pDatos == nullptr) return;
  const unsigned char* e2 = m_pDatos->ApartadoE2.octetos;
  const int p = SujetoMostrado();
  for (int par = 0; par < 2; ++par) {
    auto& codigo = m_aCodigos[static_cast<std::size_t>(par)];
    const std::size_t primera = par == 0 ? 0 : 14;
    const std::size_t segunda = par == 0 ? 9 : 19;
    for (std::size_t s = 0; s < 5; ++s) {
      codigo[s] = Marcada(e2[primera + s]) ? '1' : Marcada(e2[segunda + s]) ? '2' : ' ';
    }
    codigo[5] = '\0';
    EnlazarDerivada(par == 0 ? 5 : 7, "S1*5.0", codigo.data(), 5);
  }
  for (int j = 0; j < 3; ++j) {
    auto& marca = m_aMarcasB[static_cast<std::size_t>(j)];
    marca.fill('\0');
    marca[0] = ' ';
    const unsigned char* f = FilaMostrada(kGrupoORD007B, j);
    // A row counts for its holder, and for the family unit every row does.
    if (f != nullptr && f[24] != 0 && (p == marco::kSujetoUnidadFamiliar || f[24] == p)) {
      marca[0] = Marcada(f[25]) ? '1' : Marcada(f[26]) ? '2' : ' ';
    }
    EnlazarDerivada(49 + 7 * j, "S1.0", marca.data(), 1);
  }
}

int CControlesORD007::FocoEnCasilla(int numero) {
  if (const SCasillaGrupo c = Situar(numero); numero != m_nUltimoFoco && c.grupo == kGrupoORD007A) {
    const unsigned char* f = FilaMostrada(kGrupoORD007A, c.fila);
    if (f != nullptr && c.campo == 1) m_cClaseGuardada = static_cast<char>(f[kClase]);
    if (f != nullptr && c.campo == 2) m_nOpcionGuardada = f[kOpcion];
  }
  m_nUltimoFoco = numero;
  return 1;
}

void CControlesORD007::ReglaClase(int fila) {
  Guardar(kGrupoORD007A, fila);
  unsigned char* f = FilaMostrada(kGrupoORD007A, fila);
  if (f == nullptr) return;
  // Option 1 belongs to the first kind only.
  if (f[kOpcion] == 1 && f[kClase] != '1' && !ClaseVacia(f[kClase])) f[kOpcion] = 2;
  if (ClaseVacia(f[kClase])) {
    if (f[kOpcion] != 0 || Doble(f + kPrimerImporte) != 0) {
      if (marco::CDlgMensaje().MostrarMensaje(kMensajeVaciarEntidad, marco::IconoPregunta) == marco::kBotonAceptar) {
        PonerDoble(f + kPrimerImporte, 0.0);
        std::memset(f + kOpcion, 0, 4);
        Guardar(kGrupoORD007A, fila);
        SuprimirSiVacia(kGrupoORD007A, fila);
        SoloLecturaGrupo(kGrupoORD007A);
        return;
      }
      f[kClase] = static_cast<unsigned char>(m_cClaseGuardada);
    }
  } else if (f[kClase] != '4' && Doble(f + kPrimerImporte) < 0) {
    PonerDoble(f + kPrimerImporte, 0.0);
  }
  Guardar(kGrupoORD007A, fila);
  SoloLecturaGrupo(kGrupoORD007A);
}

void CControlesORD007::ReglaOpcion(int fila) {
  Guardar(kGrupoORD007A, fila);
  unsigned char* f = FilaMostrada(kGrupoORD007A, fila);
  if (f == nullptr) return;
  // The option is 1, 2 or 3; anything else reads as none.
  if (f[kOpcion] > 3 || f[kOpcion + 1] != 0 || f[kOpcion + 2] != 0 || f[kOpcion + 3] != 0) std::memset(f + kOpcion, 0, 4);
  if (f[kOpcion] == 0) {
    if (marco::CDlgMensaje().MostrarMensaje(kMensajeVaciarEntidad, marco::IconoPregunta) == marco::kBotonAceptar) {
      Guardar(kGrupoORD007A, fila);
      SuprimirSiVacia(kGrupoORD007A, fila);
      SoloLecturaGrupo(kGrupoORD007A);
      return;
    }
    f[kOpcion] = static_cast<unsigned char>(m_nOpcionGuardada);
  }
  Guardar(kGrupoORD007A, fila);
  SoloLecturaGrupo(kGrupoORD007A);
}

void CControlesORD007::ParejaMarcas(int numero) {
  if (m_pDatos == nullptr || numero < 5 || numero > 8) return;
  // The two marks of a pair exclude each other, for the person shown.
  constexpr std::size_t kMarcas[] = {0, 9, 14, 19};
  const std::size_t persona = static_cast<std::size_t>(SujetoMostrado() - 1);
  const std::size_t propia = kMarcas[numero - 5] + persona;
  const std::size_t otra = kMarcas[(numero - 5) ^ 1] + persona;
  unsigned char* e2 = m_pDatos->ApartadoE2.octetos;
  if (Marcada(e2[propia])) e2[otra] = ' ';
}

void CControlesORD007::AlCambiarCasilla(const SCasillaGrupo& c) {
  ParejaMarcas(c.numero);
  const int grupo = c.grupo;
  const int fila = c.fila;
  const int campo = c.campo;
  if (!c.editable) return;
  switch (grupo) {
    case kGrupoORD007A:
      if (campo == 0 || campo == 1) ReglaClase(fila);
      else if (campo == 2) ReglaOpcion(fila);
      else NavegarGrupo(grupo, fila, kAccionGuardarA7, 0);
      break;
    case kGrupoORD007B:
      NavegarGrupo(grupo, fila, kAccionGuardarB7, 0);
      if (campo == 1) {
        NavegarGrupo(grupo, fila, kAccionSuprimirB7, 0);
      } else if (campo == 2 || campo == 3) {
        // The two marks of a row exclude each other.
        if (unsigned char* f = FilaMostrada(grupo, fila); f != nullptr && f[campo == 2 ? 25 : 26] != 0) {
          f[campo == 2 ? 25 : 26] = 1;
          f[campo == 2 ? 26 : 25] = 0;
          Guardar(grupo, fila);
        }
      }
      break;
    case kGrupoORD007C:
      NavegarGrupo(grupo, 0, kAccionGuardarC7, 0);
      if (campo == 0) NavegarGrupo(grupo, 0, kAccionSuprimirC7, 0);
      break;
    default:
      NavegarGrupo(grupo, fila, kAccionGuardarD7, 0);
      if (campo == 1) NavegarGrupo(grupo, fila, kAccionSuprimirD7, 0);
      break;
  }
}

int CControlesORD007::AlConfirmarCasilla(const SCasillaGrupo& c) {
  if (m_pDatos == nullptr) return 0;
  const int numero = c.numero;
  DatosRenta& d = *m_pDatos;
  const auto e1 = [&](int instancia) {
    m_pFunciones->E1(&d.ApartadoE1, &d.ApartadoE2, &d.ApartadoE3, &d.ApartadoE4, &d.ApartadoE5, &d.BaseImponible,
                     &d.Resultados, &d.Liquidacion, instancia);
  };
  if (numero == 3) {
    e1(1);
    e1(-1);
    return 1;
  }
  if (numero >= 5 && numero <= 8) return 1;
  const int grupo = c.grupo;
  if (grupo == 0) return 0;
  const int fila = c.fila;
  switch (grupo) {
    case kGrupoORD007A: NavegarGrupo(grupo, fila, kAccionGuardarA7, 0); break;
    case kGrupoORD007B: NavegarGrupo(grupo, fila, kAccionGuardarB7, 0); break;
    case kGrupoORD007C: NavegarGrupo(grupo, 0, kAccionGuardarC7, 0); break;
    default:
      NavegarGrupo(grupo, fila, kAccionGuardarD7, 0);
      e1(5);
      NavegarGrupo(grupo, fila, kAccionReescribir7, 0);
      break;
  }
  return 1;
}

int CControlesORD007::AlComprobarCasilla(const SCasillaGrupo& c) {
  ParejaMarcas(c.numero);
  const int grupo = c.grupo;
  const int fila = c.fila;
  const int campo = c.campo;
  if (!c.editable) return 1;
  switch (grupo) {
    case kGrupoORD007A:
      NavegarGrupo(grupo, fila, kAccionGuardarA7, 0);
      if (campo == 0) {
        // The entity's tax number: a wrong one is told, not refused.
        if (unsigned char* f = FilaMostrada(grupo, fila)) {
          char* nif = reinterpret_cast<char*>(f);
          if (!marco::EsCadenaEnBlanco(plataforma::LeeFija(nif, 9)) && marco::CValidador::ValidarNIF(nif, 9, 1) == 0) {
            marco::CDlgMensaje().MostrarMensaje("NIFE001", marco::IconoExclamacion);
          }
          Guardar(grupo, fila);
        }
      } else if (campo >= 2) {
        NavegarGrupo(grupo, fila, kAccionSuprimirA7, 0);
      }
      return 1;
    case kGrupoORD007B: {
      NavegarGrupo(grupo, fila, kAccionGuardarB7, 0);
      if (campo == 0) return 1;
      if (NavegarGrupo(grupo, fila, kAccionSuprimirB7, 0) != 0) return 1;
      unsigned char* f = FilaMostrada(grupo, fila);
      if (f == nullptr || campo == 6 || Doble(f + 40) <= Doble(f + 32)) return 1;
      marco::CDlgMensaje().MostrarMensaje(kMensajeTopeE3, marco::IconoMano);
      PonerDoble(f + (campo == 5 ? 40 : 32), 0.0);
      Guardar(grupo, fila);
      return 0;
    }
    case kGrupoORD007C:
      NavegarGrupo(grupo, 0, kAccionGuardarC7, 0);
      if (campo <= 2) NavegarGrupo(grupo, 0, kAccionSuprimirC7, 0);
      return 1;
    default:
      NavegarGrupo(grupo, fila, kAccionGuardarD7, 0);
      if (campo >= 1) NavegarGrupo(grupo, fila, kAccionSuprimirD7, 0);
      return 1;
  }
}

// ---- the activities carried on through the entity ----

bool CControlesORD007::ConSociedad(int fila, bool soloTipos2y3) const {
  const unsigned char* f = FilaMostrada(kGrupoORD007A, fila);
  if (f == nullptr || f[kOpcion] == 0) return false;
  const unsigned char clase = f[kClase];
  if (soloTipos2y3) return clase == '2' || clase == '3';
  return clase != '1' && clase != '4' && clase != 0;
}

int CControlesORD007::AbrirActividadSociedad(int fila, wxWindow* padre) {
  if (!GrupoEditable(kGrupoORD007A)) return 0;
  unsigned char* f = FilaMostrada(kGrupoORD007A, fila);
  if (f == nullptr || (f[kOpcion] != 2 && f[kOpcion] != 3)) return 0;
  const std::size_t byte = f[kOpcion] == 2 ? 24 : 25;
  std::array<unsigned char, 1> copia{static_cast<unsigned char>(Marcada(f[byte]) ? 1 : 0)};
  const int resultado = AbrirDialogoFila(kVentanaActividadSociedad7, copia, 0, padre, SujetoMostrado()).value_or(0);
  if (resultado != marco::kDialogoAceptado) return resultado;
  // The row may have moved while the dialog was open: it is looked up again.
  f = FilaMostrada(kGrupoORD007A, fila);
  if (f == nullptr) return marco::kDialogoCancelado;
  f[byte] = copia[0] == 1 ? 1 : 0;
  Guardar(kGrupoORD007A, fila);
  return resultado;
}

// ---- the view ----

class ORD007 : public CPaginaGrupos<CControlesORD007, kIdPaginaORD007> {
 public:
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  int CampoRecibeFoco(int numero) override;

 protected:
  int PrimerComando() const override { return 1001; }
  // Every row of a group is shown: no group buttons.
  std::span<const int> CasillasBotones() const override { return {}; }
  // Only a change of a group's box is shown in the other views.
  bool AvisarOtrasVistas(int numero) const override;
  // The "..." button left of the option box of rows 0, 1 and 2 of group A: dialog 1601 when the row's option box
  // may be written and its kind allows it; on OK the declaration is calculated again.
  SBotonesFila BotonesFila() const override;
  int CasillaBotonFila(int fila) const override;
  void PulsarBotonFila(int fila) override;

 private:
  void AbrirSociedad(int fila);
  void PreguntarSociedad(int numero);
  wxDECLARE_DYNAMIC_CLASS(ORD007);
};

wxIMPLEMENT_DYNAMIC_CLASS(ORD007, CVistaGrupos);

bool ORD007::AvisarOtrasVistas(int numero) const { return Controles()->GrupoDeCasilla(numero) != 0; }

int ORD007::AplicarDependencias(int numero) {
  const int resultado = CVistaGrupos::AplicarDependencias(numero);
  PreguntarSociedad(numero);
  return resultado;
}

int ORD007::ComprobarCampo(int numero) {
  const int resultado = CVistaGrupos::ComprobarCampo(numero);
  if (resultado == 1) PreguntarSociedad(numero);
  return resultado;
}

// An option typed into a row of the second or third kind asks at once whether the holder works through the entity:
// a value set by the page's rules (a change) or typed and accepted on leaving the box (a check).
void ORD007::PreguntarSociedad(int numero) {
  CControlesORD007* c = Controles();
  if (c->GrupoDeCasilla(numero) != kGrupoORD007A || c->CampoDeCasilla(numero) != 2) return;
  const int fila = c->FilaDeCasilla(numero);
  if (c->ConSociedad(fila, true)) AbrirSociedad(fila);
}

void ORD007::AbrirSociedad(int fila) {
  if (Controles()->AbrirActividadSociedad(fila, DameVentana()) == marco::kDialogoAceptado) {
    CalcularTodo();
    Controles()->NavegarGrupo(kGrupoORD007A, fila, kAccionRestaurar7, 0);
    MarcarDocumentoModificado();
  }
  RefrescarControles();
}

CVistaGrupos::SBotonesFila ORD007::BotonesFila() const {
  return {3, kComandoSociedad7, "...", "Socios que realicen la actividad", 2, true};
}

// Left of each row's option box (its right is taken by the label of the imputed base).
int ORD007::CasillaBotonFila(int fila) const { return kIndiceOpcionA + 12 * fila + 1; }

void ORD007::PulsarBotonFila(int fila) {
  const marco::CCampo* opcion = DameCampo(kIndiceOpcionA + 12 * fila);
  if (opcion == nullptr || opcion->SoloLectur != 0 || !Controles()->ConSociedad(fila, false)) return;
  AbrirSociedad(fila);
  ActivarMasTarde(kIndiceOpcionA + 12 * fila);
}

int ORD007::CampoRecibeFoco(int numero) { return Controles()->FocoEnCasilla(numero); }

wxClassInfo* ClasePaginaORD007() { return wxCLASSINFO(ORD007); }

}  // namespace ordinaria
