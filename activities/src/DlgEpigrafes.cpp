#include "activities/DlgEpigrafes.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "framework/BaseDatos.h"
#include "framework/CatalogoTablas.h"
#include "framework/DlgMensaje.h"
#include "framework/EditSeleccion.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Texto.h"

namespace actividades {

namespace {

std::string Recortado(std::string_view texto) { return std::string(plataforma::RecortaDerecha(texto)); }

// The group a radio button stands for (-1 for any other control).
int GrupoDeControl(int id) {
  for (std::size_t i = 0; i < kIdsGrupos.size(); ++i) {
    if (kIdsGrupos[i] == id) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

// ---- the heading table ----

CTablaEpigrafes CTablaEpigrafes::Leer(marco::CBaseDatos* base, char idioma) {
  if (base == nullptr) return {};
  const std::string nombre = marco::NombreTablaConsulta(kTablaEpigrafes, idioma);
  if (!base->ExisteTabla(nombre)) return {};
  // The columns the catalogue names; the heading table's own names without a catalogue or a row in it.
  const marco::SDefinicionTabla def = base->ExisteTabla(marco::kTablaCatalogo)
                                          ? marco::LeerDefinicionTabla(base, kTablaEpigrafes, false)
                                          : marco::SDefinicionTabla{};
  const std::string clave = def.encontrada && !def.ColumnaClave().empty() ? def.ColumnaClave() : "clave";
  const std::string descripcion = def.encontrada && !def.CamDescr.empty() ? def.CamDescr : "descripc";
  const std::string seccion = def.encontrada && !def.CamFiltro.empty() ? def.CamFiltro : "seccion";

  marco::CTabla tabla(base);
  if (tabla.Abrir(1, {}, nombre) == 0) return {};
  plataforma::CTablaRegistros* filas = tabla.Registros();
  std::vector<SEpigrafe> epigrafes;
  if (filas != nullptr) {
    for (filas->Primero(); !filas->FinDeFichero(); filas->Saltar(1)) {
      SEpigrafe e;
      e.codigo = CEpigrafesReglas::QuitarPunto(Recortado(marco::LeerValorTabla(*filas, clave)));
      e.descripcion = Recortado(marco::LeerValorTabla(*filas, descripcion));
      e.seccion = Recortado(marco::LeerValorTabla(*filas, seccion));
      if (!e.codigo.empty()) epigrafes.push_back(std::move(e));
    }
  }
  tabla.Cerrar();
  return CTablaEpigrafes(std::move(epigrafes));
}

std::vector<SEpigrafe> CTablaEpigrafes::DeSeccion(std::string_view seccion) const {
  std::vector<SEpigrafe> r;
  for (const SEpigrafe& e : m_filas) {
    if (e.seccion == seccion) r.push_back(e);
  }
  return r;
}

std::string CTablaEpigrafes::Buscar(std::string_view seccion, std::string_view clave) const {
  const std::string buscada = Recortado(clave);
  if (!buscada.empty()) {
    for (const SEpigrafe& e : m_filas) {
      if (e.seccion == seccion && e.codigo == buscada) return e.descripcion;
    }
  }
  return std::string(kLargoDescripcionEpigrafe, ' ');
}

// ---- the window ----

CDlgEpigrafes::CDlgEpigrafes(wxWindow* padre, int tipo, std::string_view codigo, std::uint8_t grupo,
                             const CTablaEpigrafes& tabla)
    : CTemplateDlg(kIdDialogoEpigrafes, padre),
      m_reglas(tipo, codigo, grupo,
               [&tabla](std::string_view seccion, std::string_view clave) { return tabla.Buscar(seccion, clave); }),
      m_tabla(tabla) {
  // The heading search has no help button.
  PonerFlagsBotones(marco::kBotonesAceptar | marco::kBotonesCancelar | marco::kBotonesDibujo);
  marco::CPlantillaDialogo p(262, 152, "EP\xCDGRAFES");
  p.Marco("Grupo", {6, 4, 250, 46});
  p.Opcion(kIdArtistas, "&Artistas y Deportistas", {14, 13, 110, 12}, true);
  p.Opcion(kIdProfesionales, "&Profesionales", {14, 24, 110, 12});
  p.Opcion(kIdMercantil, "De car\xE1" "cter &Mercantil", {14, 35, 110, 12});
  p.Estatico(-1, "Ep\xEDgrafe:", {6, 58, 40, 10});
  p.Edicion(kIdCodigoEpigrafe, {48, 56, 34, 12}, marco::kEdicionSoloLectura, 5);
  p.Lista(kIdListaEpigrafes, {}, {6, 74, 250, 14});
  p.Marco("Buscar ep\xEDgrafe ", {6, 94, 136, 50});
  p.Edicion(kIdTextoBuscar, {14, 112, 40, 12}, 0, 5);
  p.Boton(kIdBuscarEpigrafe, "&Buscar", {70, 104, 64, 32});
  p.Aceptar({152, 104, 50, 32}).Cancelar({206, 104, 50, 32});
  Plantilla() = p;
}

int CDlgEpigrafes::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  if (Ventana() != nullptr) Ventana()->PonerImagenBoton(kIdBuscarEpigrafe, kImagenBuscar, true);
  HabilitarControl(kIdBuscarEpigrafe, false);
  HabilitarControl(kIdCodigoEpigrafe, false);
  m_bIniciado = m_reglas.Iniciar();
  if (!m_bIniciado) {
    // No list and no group: only Cancel means anything.
    for (const int id : kIdsGrupos) HabilitarControl(id, false);
    HabilitarControl(kIdListaEpigrafes, false);
    HabilitarControl(kIdTextoBuscar, false);
    return 1;
  }
  Rellenar();
  PonerIndiceOpcion(kIdsGrupos, m_reglas.Grupo());
  HabilitarGrupos();
  Mostrar();
  if (Bloqueado()) HabilitarEdiciones(0);
  // The character that opened the window starts the search.
  if (m_nPrimerCaracter != 0 && !Bloqueado()) {
    const std::string primero =
        CEpigrafesReglas::FiltrarBusqueda(std::string(1, static_cast<char>(m_nPrimerCaracter)));
    if (!primero.empty()) {
      PonerTextoControl(kIdTextoBuscar, primero);
      AlCambiarTexto(kIdTextoBuscar);
      PonerFoco(kIdTextoBuscar);
      // What is typed next goes after it, as it would in the box the character was typed into.
      CursorAlFinal(kIdTextoBuscar);
    }
  }
  Colocar();
  return 1;
}

void CDlgEpigrafes::Rellenar() {
  m_filas = m_tabla.DeSeccion(m_reglas.Seccion());
  std::vector<std::string> textos;
  textos.reserve(m_filas.size());
  for (const SEpigrafe& e : m_filas) textos.push_back(e.descripcion.substr(0, kLargoDescripcionEpigrafe));
  RellenarLista(kIdListaEpigrafes, textos);
}

void CDlgEpigrafes::Mostrar() {
  PonerTextoControl(kIdCodigoEpigrafe, m_reglas.Codigo());
  int fila = -1;
  for (std::size_t i = 0; i < m_filas.size() && !m_reglas.Codigo().empty(); ++i) {
    if (m_filas[i].codigo == m_reglas.Codigo()) {
      fila = static_cast<int>(i);
      break;
    }
  }
  PonerSeleccionLista(kIdListaEpigrafes, fila);
}

void CDlgEpigrafes::HabilitarGrupos() {
  for (std::size_t i = 0; i < kIdsGrupos.size(); ++i) {
    HabilitarControl(kIdsGrupos[i], m_reglas.GrupoHabilitado(static_cast<int>(i)));
  }
}

void CDlgEpigrafes::Colocar() {
  marco::CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return;
  const std::optional<marco::SRectDialogo> principal = ventana->RectanguloPrincipal();
  if (!principal) return;
  const marco::SRectDialogo propio = ventana->Rectangulo();
  // Centred across the main window, near the top of the screen, where the list can open downwards.
  ventana->Mover(std::max(principal->x + (principal->ancho - propio.ancho) / 2, 0), 10);
}

void CDlgEpigrafes::CambiarGrupo() {
  const int grupo = IndiceOpcion(kIdsGrupos);
  if (grupo < 0 || grupo == m_reglas.Grupo()) return;
  if (!m_reglas.GrupoHabilitado(grupo)) {
    PonerIndiceOpcion(kIdsGrupos, m_reglas.Grupo());
    return;
  }
  m_reglas.CambiarGrupo(grupo);
  Rellenar();
  Mostrar();
}

void CDlgEpigrafes::OnBuscar() {
  if (!m_bIniciado) return;
  const std::string mensaje = m_reglas.Buscar(TextoControl(kIdTextoBuscar));
  if (!mensaje.empty()) {
    marco::CDlgMensaje().MostrarMensaje(mensaje, marco::IconoExclamacion);
    PonerFoco(kIdTextoBuscar);
    return;
  }
  Mostrar();
}

void CDlgEpigrafes::OnOK() {
  // A locked window, or one opened for a box kind without groups, gives nothing back.
  if (!m_bIniciado) {
    Terminar(marco::kIdCancelar);
    return;
  }
  CTemplateDlg::OnOK();
}

int CDlgEpigrafes::AlBorrarCampo(int id) {
  if (id != kIdListaEpigrafes || !m_bIniciado) return 0;
  m_reglas.ElegirDeLista({}, {});
  Mostrar();
  return 1;
}

int CDlgEpigrafes::AlCambiarTexto(int id) {
  if (id != kIdTextoBuscar) return 0;
  const std::string texto = TextoControl(kIdTextoBuscar);
  const std::string filtrado = CEpigrafesReglas::FiltrarBusqueda(texto);
  if (filtrado != texto) PonerTextoControl(kIdTextoBuscar, filtrado);
  HabilitarControl(kIdBuscarEpigrafe, m_bIniciado && CEpigrafesReglas::BusquedaHabilitada(filtrado));
  return 1;
}

int CDlgEpigrafes::AlCambiarValor(int id) {
  if (id != kIdListaEpigrafes) return 0;
  Mostrar();
  return 1;
}

int CDlgEpigrafes::AlComando(int id, int codigo) {
  if (GrupoDeControl(id) >= 0) {
    if (m_bIniciado) CambiarGrupo();
    return 1;
  }
  if (id == kIdBuscarEpigrafe) {
    OnBuscar();
    return 1;
  }
  if (id == kIdListaEpigrafes) {
    const int fila = SeleccionLista(kIdListaEpigrafes);
    if (m_bIniciado && fila >= 0 && static_cast<std::size_t>(fila) < m_filas.size()) {
      const SEpigrafe& e = m_filas[static_cast<std::size_t>(fila)];
      m_reglas.ElegirDeLista(e.codigo, e.descripcion);
      AlCambiarValor(kIdListaEpigrafes);
    }
    return 1;
  }
  return CTemplateDlg::AlComando(id, codigo);
}

int CDlgEpigrafes::ValidarCaracterCampo(int id, unsigned caracter) {
  if (id != kIdTextoBuscar || caracter == marco::kTeclaRetroceso) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  return (caracter >= '0' && caracter <= '9') || caracter == '.' ? 0 : 1;
}

// ---- the opener ----

int AbrirDlgEpigrafes(const marco::SContextoSeleccion& contexto, const CTablaEpigrafes& tabla,
                      const FCorrerEpigrafes& correr) {
  const auto* enlace = static_cast<const SEnlaceEpigrafe*>(contexto.enlace);
  const int tipo = contexto.numero1;
  if (enlace == nullptr || enlace->codigo == nullptr || enlace->grupo == nullptr) return marco::kIdCancelar;
  if (tipo < 1 || tipo > 3) return marco::kIdCancelar;
  const std::size_t ancho = tipo == 2 ? 3 : 5;
  CDlgEpigrafes dlg(contexto.padre, tipo, std::string_view(enlace->codigo, ancho), *enlace->grupo, tabla);
  dlg.PonerPrimerCaracter(contexto.caracter);
  const int resultado = correr ? correr(dlg) : dlg.DoModal();
  if (resultado != marco::kIdAceptar) return marco::kIdCancelar;
  const std::string codigo = dlg.CodigoDevuelto();
  std::memset(enlace->codigo, 0, ancho);
  std::memcpy(enlace->codigo, codigo.data(), std::min(ancho, codigo.size()));
  *enlace->grupo = dlg.GrupoDevuelto();
  return marco::kIdAceptar;
}

void RegistrarDlgEpigrafes() {
  marco::RegistroSelecciones().Registrar(kVentanaEpigrafe, [](const marco::SContextoSeleccion& contexto) {
    const CTablaEpigrafes tabla = CTablaEpigrafes::Leer(marco::DameBaseDatosLocal(), marco::LetraIdiomaV());
    return AbrirDlgEpigrafes(contexto, tabla);
  });
}

}  // namespace actividades
