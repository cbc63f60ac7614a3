#include "income/DatosFamilia.h"

#include <wx/defs.h>

#include <cstring>
#include <initializer_list>
#include <string>

#include "framework/BaseDatos.h"
#include "framework/CodigoDescripcion.h"
#include "framework/ComandosDocumento.h"
#include "framework/DialogoPlantilla.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "framework/Utilidades.h"
#include "framework/TextosVentana.h"
#include "income/DatosMiembros.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace renta {

namespace {

constexpr int kRecursoDatosPersonales = 130;
constexpr int kRecursoRentasExentas = 1588;

const char* const kEstados[] = {"Soltero/a", "Casado/a", "Viudo/a o divorciado/a", "Separado/a legalmente"};
const char* const kMiembros[] = {"Declaraci\xF3n conjunta", "Declarante", "C\xF3nyuge", "Primer hijo",
                                 "Segundo hijo"};

int Mensaje(std::string_view codigo, int icono) { return marco::CDlgMensaje().MostrarMensaje(codigo, icono); }

char* Campo(RegDatosFamilia& familia, std::size_t desp) { return reinterpret_cast<char*>(familia.octetos + desp); }

}  // namespace

// ---- page "Datos Personales" ----

CDatosFam1::CDatosFam1(CDatosFam& asistente)
    : marco::CTemplatePropPg(kRecursoDatosPersonales, "Datos Personales"), m_asistente(asistente) {
  for (auto& casilla : m_casillasEstado) casilla = std::make_unique<marco::CCasillaEdit>(1);
  for (auto& edit : m_minusvalia) edit = std::make_unique<marco::CDoubleEdit>(2, 0);
  for (auto& nombre : m_nombres) {
    nombre = std::make_unique<marco::CListaEdit>(static_cast<int>(kAnchoNombreComunidad), marco::DameBaseDatosLocal());
    nombre->PonerTabla(kTablaComunidades);
  }

  marco::CPlantillaDialogo p(330, 160, "Datos Personales");
  p.Marco("Estado civil", {6, 4, 150, 62});
  for (int e = 0; e < 4; ++e) {
    const int y = 16 + 12 * e;
    p.CampoEdit(kIdEstadoCivil + e, {12, y, 10, 10}, *m_casillasEstado[static_cast<std::size_t>(e)]);
    p.Estatico(-1, kEstados[e], {26, y + 1, 120, 9});
  }
  p.CampoEdit(kIdConyugeFallecido, {162, 10, 10, 10}, m_fallecido);
  p.Estatico(-1, "C\xF3nyuge fallecido en 1999 (declaraci\xF3n conjunta)", {176, 11, 150, 18});
  p.Marco("Hijos", {162, 34, 160, 32});
  p.CampoEdit(kIdHijosNo, {170, 48, 10, 10}, m_hijosNo);
  p.Estatico(-1, "&No", {184, 49, 30, 9});
  p.CampoEdit(kIdHijosSi, {220, 48, 10, 10}, m_hijosSi);
  p.Estatico(-1, "&Si", {234, 49, 30, 9});

  // Headings of two lines where the column is narrow.
  p.Estatico(-1, "A\xF1o de nacimiento", {86, 67, 44, 17});
  p.Estatico(-1, "Minusval\xED" "a %", {132, 67, 38, 17});
  p.Estatico(-1, "Comunidad aut\xF3noma", {172, 75, 150, 9});
  for (int m = kMiembroConjunta; m <= kMiembroHijo2; ++m) {
    const int y = 84 + 14 * m;
    p.Estatico(-1, kMiembros[m], {6, y + 2, 78, 9});
    if (m == kMiembroDeclarante) p.CampoEdit(kIdAnioDeclarante, {90, y, 30, 12}, m_anioDeclarante);
    if (m == kMiembroConyuge) p.CampoEdit(kIdAnioConyuge, {90, y, 30, 12}, m_anioConyuge);
    if (m == kMiembroHijo1) p.CampoEdit(kIdAnioHijo1, {90, y, 30, 12}, m_anioHijo1);
    if (m == kMiembroHijo2) p.CampoEdit(kIdAnioHijo2, {90, y, 30, 12}, m_anioHijo2);
    if (m != kMiembroConjunta) p.CampoEdit(kIdMinusvalia + m, {134, y, 24, 12}, Minusvalia(m));
    p.Edicion(kIdCodigoComunidad + m, {172, y, 16, 12}, 0, static_cast<int>(kAnchoCodigoComunidad));
    p.CampoEdit(kIdNombreComunidad + m, {192, y, 132, 12}, NombreComunidad(m));
  }
  Plantilla() = p;
}

CDatosFam1::~CDatosFam1() = default;

int CDatosFam1::OnInitDialog() {
  RegDatosFamilia& f = m_asistente.Registro();

  // The family data belong to the family unit: the wizard's edits are never locked to a member.
  for (int e = 0; e < 4; ++e) {
    marco::CCasillaEdit& casilla = CasillaEstado(e);
    casilla.PonerMarca(1);
    casilla.AsignarDato(&m_aEstado[static_cast<std::size_t>(e)]);
  }
  m_fallecido.PonerMarca(1);
  m_fallecido.AsignarDato(Campo(f, kDespConyugeFallecido));
  m_hijosNo.PonerMarca(1);
  m_hijosNo.AsignarDato(&m_aHijos[0]);
  m_hijosSi.PonerMarca(1);
  m_hijosSi.AsignarDato(&m_aHijos[1]);
  m_anioDeclarante.PonerMarca(1);
  m_anioDeclarante.AsignarDato(Campo(f, kDespAnioDeclarante));
  m_anioConyuge.PonerMarca(1);
  m_anioConyuge.AsignarDato(Campo(f, kDespAnioConyuge));
  for (int hijo : {1, 2}) {
    AnioHijo(hijo).PonerMarca(1);
    AnioHijo(hijo).AsignarDato(m_asistente.AniosDeHijos()[static_cast<std::size_t>(hijo - 1)].data());
  }
  for (int m = kMiembroDeclarante; m <= kMiembroHijo2; ++m) {
    Minusvalia(m).PonerMarca(1);
    Minusvalia(m).AsignarDato(Campo(f, DespMinusvalia(m)));
  }
  for (int m = kMiembroConjunta; m <= kMiembroHijo2; ++m) {
    marco::CListaEdit& nombre = NombreComunidad(m);
    marco::SEnlaceTabla& enlace = m_enlaces[static_cast<std::size_t>(m)];
    enlace.destino = Campo(f, DespCodigoComunidad(m));
    enlace.anchoDestino = kAnchoCodigoComunidad;
    nombre.PonerMarca(1);
    nombre.AsignarDato(Campo(f, DespNombreComunidad(m)));
    nombre.AsignarEnlaceDetalle(&enlace);

    // The code edit: a code of the table writes its name; an empty one empties the community; any other is
    // refused and the old code comes back.
    marco::SEnlaceControl codigo;
    codigo.mostrar = [this, m] {
      return std::string(plataforma::RecortaDerecha(
          plataforma::LeeFija(Campo(m_asistente.Registro(), DespCodigoComunidad(m)), kAnchoCodigoComunidad)));
    };
    codigo.guardar = [this, m](std::string_view texto) {
      const std::string_view limpio = plataforma::Recorta(texto);
      if (limpio.empty()) {
        PonerComunidad(m_asistente.Registro(), m, {}, {});
        return true;
      }
      // The code already there needs no look-up (the pages store every field when they are left).
      const std::string_view actual = plataforma::Recorta(
          plataforma::LeeFija(Campo(m_asistente.Registro(), DespCodigoComunidad(m)), kAnchoCodigoComunidad));
      if (limpio == actual) return true;
      const std::optional<std::string> nombre = BuscarComunidad(limpio);
      if (!nombre) {
        Mensaje(marco::kMensajeCodigoNoExiste, marco::IconoExclamacion);
        return false;
      }
      PonerComunidad(m_asistente.Registro(), m, limpio, *nombre);
      return true;
    };
    Enlazar(kIdCodigoComunidad + m, std::move(codigo));
  }

  if (ValorAutocarga() == "1") AplicarAutocarga(f);
  m_asistente.TomarAniosIniciales();
  marco::CTemplatePropPg::OnInitDialog();
  Refrescar();
  return 1;
}

void CDatosFam1::Refrescar() {
  const RegDatosFamilia& f = m_asistente.Registro();
  const int estado = f.octetos[kDespEstadoCivil];
  for (int e = 0; e < 4; ++e) m_aEstado[static_cast<std::size_t>(e)] = estado == e ? 1 : 0;
  m_aHijos[0] = f.octetos[kDespHijos] == 1 ? 0 : 1;
  m_aHijos[1] = f.octetos[kDespHijos] == 1 ? 1 : 0;
  ActualizarDatos(0);
  // The box edits show their values whatever window they have (the clearing may have emptied some).
  for (int e = 0; e < 4; ++e) CasillaEstado(e).IntercambiarDatos(0);
  for (marco::CEditEx* edit : std::initializer_list<marco::CEditEx*>{&m_fallecido, &m_hijosNo, &m_hijosSi,
                                                                       &m_anioDeclarante, &m_anioConyuge,
                                                                       &m_anioHijo1, &m_anioHijo2}) {
    edit->IntercambiarDatos(0);
  }
  for (int m = kMiembroDeclarante; m <= kMiembroHijo2; ++m) Minusvalia(m).IntercambiarDatos(0);
  for (int m = kMiembroConjunta; m <= kMiembroHijo2; ++m) NombreComunidad(m).IntercambiarDatos(0);
  ActualizarHabilitados();
}

void CDatosFam1::ActualizarHabilitados() {
  const RegDatosFamilia& f = m_asistente.Registro();
  const bool conjunta = TipoUnidadFamiliar(f) == 1;
  const bool hijos = f.octetos[kDespHijos] == 1;
  HabilitarControl(kIdConyugeFallecido, f.octetos[kDespEstadoCivil] == kEstadoViudoDivorciado);
  for (int id : {kIdAnioConyuge, kIdMinusvalia + kMiembroConyuge, kIdCodigoComunidad + kMiembroConyuge,
                 kIdNombreComunidad + kMiembroConyuge}) {
    HabilitarControl(id, conjunta);
  }
  HabilitarControl(kIdCodigoComunidad + kMiembroConjunta, conjunta || hijos);
  HabilitarControl(kIdNombreComunidad + kMiembroConjunta, conjunta || hijos);
  for (int m : {kMiembroHijo1, kMiembroHijo2}) {
    for (int id : {kIdMinusvalia + m, kIdCodigoComunidad + m, kIdNombreComunidad + m}) HabilitarControl(id, hijos);
  }
  HabilitarControl(kIdAnioHijo1, hijos);
  HabilitarControl(kIdAnioHijo2, hijos);
  if (Ventana() != nullptr) Ventana()->AplicarColores();
}

std::optional<std::string> CDatosFam1::BuscarComunidad(std::string_view codigo) const {
  if (codigo.size() != kAnchoCodigoComunidad || marco::DameBaseDatosLocal() == nullptr) return std::nullopt;
  marco::CTabla tabla(marco::DameBaseDatosLocal());
  const std::string nombreTabla = marco::NombreTablaConsulta(kTablaComunidades, marco::LetraIdiomaV());
  if (tabla.Abrir(1, "CLAVE", nombreTabla) == 0) return std::nullopt;
  std::optional<std::string> nombre;
  if (tabla.Buscar(codigo, false, "CLAVE", false) == 1) {
    std::array<char, kAnchoNombreComunidad + 2> texto{};
    if (tabla.LeerCampo("descripc", texto.data(), marco::kCampoTexto, kAnchoNombreComunidad + 1) == 1) {
      nombre = std::string(plataforma::RecortaDerecha(plataforma::LeeFija(texto.data(), kAnchoNombreComunidad)));
    }
  }
  tabla.Cerrar();
  return nombre;
}

void CDatosFam1::ElegirEnGrupo(int id, int primerId, int cuantos, std::size_t desp) {
  RegDatosFamilia& f = m_asistente.Registro();
  const int elegido = id - primerId;
  const bool marcada = (primerId == kIdEstadoCivil ? m_aEstado[static_cast<std::size_t>(elegido)]
                                                   : m_aHijos[static_cast<std::size_t>(elegido)]) != 0;
  // Exactly one box of the group stays ticked: unticking the ticked one ticks it again.
  if (marcada && elegido < cuantos) f.octetos[desp] = static_cast<std::uint8_t>(elegido);
  m_asistente.LimpiarNoAplicables();
  Refrescar();
}

int CDatosFam1::AlCambiarValor(int id) {
  if (id >= kIdEstadoCivil && id < kIdEstadoCivil + 4) {
    ElegirEnGrupo(id, kIdEstadoCivil, 4, kDespEstadoCivil);
  } else if (id == kIdHijosNo || id == kIdHijosSi) {
    ElegirEnGrupo(id, kIdHijosNo, 2, kDespHijos);
  } else if (id == kIdConyugeFallecido) {
    m_asistente.LimpiarNoAplicables();
    Refrescar();
  } else if (id >= kIdNombreComunidad && id <= kIdNombreComunidad + kMiembroHijo2) {
    // A community taken from the list: its code was written beside it.
    MostrarEnlace(id - kIdNombreComunidad + kIdCodigoComunidad);
  }
  return 0;
}

int CDatosFam1::AlSalirDeCampo(int id) {
  if (id >= kIdCodigoComunidad && id <= kIdCodigoComunidad + kMiembroHijo2) {
    NombreComunidad(id - kIdCodigoComunidad).IntercambiarDatos(0);
  }
  return 0;
}

// ---- page "Percepción de Rentas Exentas" ----

CDatosFam4::CDatosFam4(CDatosFam& asistente)
    : marco::CTemplatePropPg(kRecursoRentasExentas, "Percepci\xF3n de Rentas Exentas"), m_asistente(asistente) {
  // One frame per group of counts: a row per kind of person or income, a column per holder.
  constexpr int kFila = 11;
  constexpr int kAnchoTexto = 196;
  constexpr int kAnchoColumna = 42;
  const auto altoGrupo = [](const SGrupoContadores& grupo) {
    return kFila * (static_cast<int>(grupo.filas.size()) + 1) + 8;
  };
  int altoPagina = 4;
  for (const SGrupoContadores& grupo : GruposContadores()) altoPagina += altoGrupo(grupo) + 3;
  marco::CPlantillaDialogo p(340, altoPagina, "Percepci\xF3n de Rentas Exentas");
  int y = 4;
  for (const SGrupoContadores& grupo : GruposContadores()) {
    const int alto = altoGrupo(grupo);
    p.Marco(grupo.titulo, {4, y, 332, alto});
    for (std::size_t c = 0; c < grupo.columnas.size(); ++c) {
      if (grupo.columnas[c].empty()) continue;
      p.Estatico(-1, grupo.columnas[c], {kAnchoTexto + 8 + kAnchoColumna * static_cast<int>(c), y + 9, kAnchoColumna - 2, 9});
    }
    int fila = y + 9 + kFila;
    for (const SFilaContadores& f : grupo.filas) {
      p.Estatico(-1, f.texto, {10, fila + 1, kAnchoTexto, 9});
      for (std::size_t c = 0; c < f.contadores.size(); ++c) {
        if (f.contadores[c] < 0) continue;
        p.Importe(kIdContador + f.contadores[c], {kAnchoTexto + 8 + kAnchoColumna * static_cast<int>(c), fila, kAnchoColumna - 6, 10}, 8);
      }
      fila += kFila;
    }
    y += alto + 3;
  }
  Plantilla() = p;
}

int CDatosFam4::OnInitDialog() {
  for (std::size_t i = 0; i < kNumeroContadores; ++i) {
    auto* valor = reinterpret_cast<double*>(m_asistente.Registro().octetos + DespContador(i));
    EnlazarImporte(kIdContador + static_cast<int>(i), valor, 2);
  }
  marco::CTemplatePropPg::OnInitDialog();
  ActualizarDatos(0);
  return 1;
}

// ---- the wizard ----

CDatosFam::CDatosFam(std::string_view titulo, wxWindow* padre)
    : CAsistente(titulo, padre), m_pagina1(*this), m_pagina4(*this) {
  AnadirPagina(m_pagina1);
  AnadirPagina(m_pagina4);
}

CDatosFam::~CDatosFam() = default;

CRentaDoc* CDatosFam::Documento() const {
  if (m_pDocumento != nullptr) return m_pDocumento;
  return dynamic_cast<CRentaDoc*>(marco::DameDocumentoActivo());
}

void CDatosFam::TomarAniosIniciales() {
  if (m_bNuevaDeclaracion != 0 || m_bAniosTomados) return;
  std::memcpy(m_anioDeclarante.data(), m_registro.octetos + kDespAnioDeclarante, kAnchoAnio);
  std::memcpy(m_anioConyuge.data(), m_registro.octetos + kDespAnioConyuge, kAnchoAnio);
  m_bAniosTomados = true;
}

void CDatosFam::LimpiarNoAplicables() {
  renta::LimpiarNoAplicables(m_registro);
  if (m_registro.octetos[kDespHijos] != 1) m_aniosHijos = {};
}

void CDatosFam::AlMostrarPagina(int indice) {
  if (indice == 0) m_pagina1.Refrescar();
}

std::pair<int, int> CDatosFam::ControlDeDato(std::size_t desp) {
  if (desp == kDespAnioDeclarante) return {0, kIdAnioDeclarante};
  if (desp == kDespAnioConyuge) return {0, kIdAnioConyuge};
  if (desp == kDatoAnioHijo1) return {0, kIdAnioHijo1};
  if (desp == kDatoAnioHijo2) return {0, kIdAnioHijo2};
  for (int m = kMiembroConjunta; m <= kMiembroHijo2; ++m) {
    if (desp == DespCodigoComunidad(m)) return {0, kIdCodigoComunidad + m};
  }
  if (desp >= kDespContadores && desp < DespContador(kNumeroContadores) && (desp - kDespContadores) % 8 == 0) {
    return {1, kIdContador + static_cast<int>((desp - kDespContadores) / 8)};
  }
  return {-1, 0};
}

void CDatosFam::SenalarDato(std::size_t desp) {
  const auto [pagina, id] = ControlDeDato(desp);
  if (pagina >= 0) SenalarCampo(pagina, id);
}

int CDatosFam::ComprobarDatos() {
  m_ajuste.reset();
  RecogerPaginas();
  LimpiarNoAplicables();
  for (const SFalloDatosFamilia& fallo : RevisarDatosFamilia(m_registro)) {
    if (fallo.error) {
      Mensaje(fallo.codigo, marco::IconoMano);
      SenalarDato(fallo.campo);
      return 0;
    }
    if (Mensaje(fallo.codigo, marco::IconoAsterisco) == marco::kBotonCorregir) {
      SenalarDato(fallo.campo);
      return 0;
    }
  }

  CRentaDoc* documento = Documento();
  if (m_bNuevaDeclaracion != 0 || !m_bAniosTomados || documento == nullptr) return 1;
  // The adjustment is prepared on copies: the declaration changes only when the wizard finishes.
  SAjustePlanes ajuste{documento->Datos().RendTrabajo, documento->Datos().ApartadoJ};
  const auto seguir = [] { return Mensaje("100V143", marco::IconoAsterisco) != marco::kBotonCorregir; };
  const struct {
    int sujeto;
    std::size_t desp;
    const std::array<char, kAnchoAnio>& inicial;
  } personas[] = {{marco::kSujetoDeclarante, kDespAnioDeclarante, m_anioDeclarante},
                  {marco::kSujetoConyuge, kDespAnioConyuge, m_anioConyuge}};
  for (const auto& persona : personas) {
    if (std::memcmp(m_registro.octetos + persona.desp, persona.inicial.data(), kAnchoAnio) == 0) continue;
    // A spouse who no longer files (year cleared) has no cap to keep.
    const int anio = AnioNacimiento(m_registro, persona.desp);
    if (anio == 0) continue;
    const double tope = DameCuantiaMaximaPlanPensiones(anio);
    if (!AjustarPlanesPensiones(ajuste.trabajo, ajuste.apartadoJ, persona.sujeto, tope, seguir)) return 0;
  }
  m_ajuste = ajuste;
  return 1;
}

int CDatosFam::OnBoton(int boton) {
  switch (boton) {
    case kBotonAtras: return MoverPagina(kMoverAtras, 1);
    case kBotonAplicar: {
      if (Resultado() != kAsistenteAbierto) return 0;
      if (ComprobarDatos() == 0) return 1;
      if (!PreguntarMiembrosQueSalen()) return 1;
      CRentaDoc* documento = Documento();
      if (documento != nullptr) {
        if (m_ajuste) {
          documento->Datos().RendTrabajo = m_ajuste->trabajo;
          documento->Datos().ApartadoJ = m_ajuste->apartadoJ;
        }
        if (m_bEmpezarDeNuevo != 0) std::memset(&documento->Datos(), 0, sizeof(DatosRenta));
      }
      return CAsistente::OnBoton(boton);
    }
    case kBotonCancelarAsistente:
      if (Resultado() != kAsistenteAbierto) return 0;
      if (m_bNuevaDeclaracion != 0) BorrarDeclaracion();
      return CAsistente::OnBoton(boton);
    default: return CAsistente::OnBoton(boton);
  }
}

bool CDatosFam::PreguntarMiembrosQueSalen() {
  m_aMiembrosQueSalen.clear();
  CRentaDoc* documento = Documento();
  if (documento == nullptr || m_bNuevaDeclaracion != 0) return true;
  const auto antes = documento->SujetosPresentes();
  const SSujetos despues = DerivarSujetos(m_registro);
  for (int sujeto = marco::kSujetoConyuge; sujeto <= marco::kSujetoHijo2; ++sujeto) {
    const std::size_t k = static_cast<std::size_t>(sujeto - 1);
    if (antes[k] == 0 || despues.presentes[k] != 0 || !TieneEntradasPropias(documento->Datos(), sujeto)) continue;
    const std::string quien = marco::TextoFijo1252(TextoEstadoSujeto(sujeto));
    if (marco::CDlgMensaje().MostrarMensaje(kMensajeMiembroQueSale, marco::IconoPregunta, quien) ==
        marco::kBotonCorregir) {
      m_aMiembrosQueSalen.clear();
      return false;
    }
    m_aMiembrosQueSalen.push_back(sujeto);
  }
  return true;
}

void CDatosFam::BorrarDeclaracion() {
  // Without an open declaration there is no row to delete.
  CRentaDoc* documento = Documento();
  if (documento == nullptr) return;
  if (documento->BorrarDeclaracionGuardada() == 0) {
    documento->PreguntarUsuario(std::string(marco::kTextoNoSeBorraDeclaracion), wxOK | wxICON_EXCLAMATION);
  }
}

}  // namespace renta
