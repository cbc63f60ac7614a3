#include "income/RentaDoc.h"

#include "framework/ReferenciaReglas.h"

#include <wx/app.h>
#include <wx/event.h>
#include <wx/frame.h>
#include <wx/statusbr.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Imagen.h"
#include "framework/ImportesArea.h"
#include "framework/Pista.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "framework/TextosVentana.h"
#include "income/DatosMiembros.h"
#include "income/RentaComandos.h"
#include "platform/Texto.h"
#include "recalculo/Recalculo.h"

namespace renta {

wxIMPLEMENT_DYNAMIC_CLASS(CRentaDoc, marco::CProg32Doc);

// clang-format off
wxBEGIN_EVENT_TABLE(CRentaDoc, marco::CProg32Doc)
wxEND_EVENT_TABLE()
// clang-format on

wxClassInfo* ClaseDocumentoRenta() { return wxCLASSINFO(CRentaDoc); }

namespace {

// The income-tax document that published where its person shown and persons present are.
const CRentaDoc* gDocumentoPublicado = nullptr;

void Avisar(std::string_view codigo) { marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoExclamacion); }

// A text into a zero-terminated member of `room` bytes, cut when longer.
void CopiarTexto(char* destino, std::size_t room, std::string_view texto) {
  const std::size_t n = std::min(texto.size(), room - 1);
  std::memcpy(destino, texto.data(), n);
  destino[n] = '\0';
}

}  // namespace

CRentaDoc::CRentaDoc() {
  // Menus, tools and accelerators carry the commands' ids of the window boundary.
  for (int comando : {kComandoSimplificada, kComandoOrdinaria}) {
    Bind(wxEVT_MENU, &CRentaDoc::OnComandoFormulario, this, marco::ComandoAWx(comando));
    Bind(wxEVT_UPDATE_UI, &CRentaDoc::OnActualizarFormulario, this, marco::ComandoAWx(comando));
  }
  for (int comando = kComandoUnidadFamiliar; comando <= kComandoHijo2; ++comando) {
    Bind(wxEVT_MENU, &CRentaDoc::OnComandoSujeto, this, marco::ComandoAWx(comando));
    Bind(wxEVT_UPDATE_UI, &CRentaDoc::OnActualizarSujeto, this, marco::ComandoAWx(comando));
  }
  Bind(wxEVT_MENU, &CRentaDoc::OnDatosPersonales, this, marco::ComandoAWx(kComandoDatosPersonales));
  Bind(wxEVT_MENU, &CRentaDoc::OnResumenResultados, this, marco::ComandoAWx(kComandoResumenResultados));
  Bind(wxEVT_UPDATE_UI, &CRentaDoc::OnActualizarResumen, this, marco::ComandoAWx(kComandoResumenResultados));
  PonerPaginaActual(-1);
  m_validador.PonerDatosRenta(&m_datos);
  Publicar();
}

CRentaDoc::~CRentaDoc() {
  if (gDocumentoPublicado == this) {
    marco::PublicarSujetoActual(nullptr);
    marco::PublicarSujetosPresentes(nullptr);
    gDocumentoPublicado = nullptr;
  }
}

void CRentaDoc::Publicar() {
  marco::PublicarSujetoActual(&m_nSujetoActual);
  marco::PublicarSujetosPresentes(m_aSujetosPresentes.data());
  gDocumentoPublicado = this;
}

// ---- loading and saving ----

int CRentaDoc::CargarDeclaracion() {
  // The base load tells the user itself why a row cannot be had (missing, or held by another user).
  if (CProg32Doc::CargarDeclaracion() != 1) return 0;
  marco::CTabla& tabla = TablaDatosDec();
  if (!DameNoGuardada()) {
    // A value of another length is not this program's data area: nothing of it is taken.
    auto leidos = std::make_unique<DatosRenta>();
    if (tabla.LongitudCampo("datos") != static_cast<int>(kLongitudDatosRenta) ||
        tabla.LeerCampo("datos", leidos.get(), marco::kCampoBinario, kLongitudDatosRenta) == 0) {
      Avisar("WIN023");
      SoltarDeclaracion();
      return 0;
    }
    // An amount that is not a number would run through every result of the calculation.
    if (marco::PrimerImporteNoFinito(std::span<const unsigned char>(
            reinterpret_cast<const unsigned char*>(leidos.get()), kLongitudDatosRenta))) {
      Avisar("ALM004");
      SoltarDeclaracion();
      return 0;
    }
    m_datos = *leidos;
  }
  std::array<char, 2> moneda{};
  tabla.LeerCampo("moneda", moneda.data(), marco::kCampoTexto, static_cast<std::uint16_t>(moneda.size()));
  marco::PonerMonedaEnUso(marco::LetraMoneda(plataforma::LeeFija(moneda.data(), 1)));
  marco::RearmarAvisoDesborde();
  m_validador.PonerClave(DameClave());
  return 1;
}

int CRentaDoc::GuardarDeclaracion() {
  Calcular(1);
  // The program-wide flag of changed personal data (pages, the wizard and detail dialogs set it).
  bool cambiados = marco::RecomponerIdentificacion();
  const SRefrescoIdentificacion refresco =
      RefrescarIdentificaciones(m_datos.Identificacion, m_nSujetoActual, cambiados, *this);
  marco::PonerRecomponerIdentificacion(cambiados);
  if (refresco.avisoMarca) Avisar("WIN060");
  // The base writes "tipodec" and "clave", and the language and the data area with them (GrabarCamposDeclaracion).
  return CProg32Doc::GuardarDeclaracion() == 1 ? 1 : 0;
}

int CRentaDoc::GrabarCamposDeclaracion(marco::CTabla& tabla) {
  const char idioma[2] = {marco::LetraIdiomaV(), '\0'};
  return tabla.GrabarCampo("idioma", idioma, marco::kCampoTexto, sizeof idioma) != 0 &&
                 tabla.GrabarCampo("datos", &m_datos, marco::kCampoBinario,
                                   static_cast<std::uint16_t>(kLongitudDatosRenta)) != 0
             ? 1
             : 0;
}

std::optional<std::string> CRentaDoc::Identificacion(std::string_view nif, int numeroPersona) {
  // The base composes the text into its reference text member (60 blanks for a person without a tax id).
  ComponerIdentificacion(nif, numeroPersona);
  return std::string(TextoReferencia(), marco::kAnchoTextoReferencia);
}
std::optional<std::string> CRentaDoc::NumeroReferencia() {
  return ComponerNumeroReferencia(marco::kTipoDecOrdinaria, {});
}

// ---- recalculation ----

int CRentaDoc::Calcular(int /*completo*/) {
  recalculo::RecalcularRenta(m_datos, std::span<double, 5>(m_regTrabajoM4.data(), 5));
  ActualizarVistas(marco::kPistaValores);
  return 1;
}

// ---- persons ----

int CRentaDoc::DameMarcaSujeto() {
  if (m_nSujetoActual < 1 || m_nSujetoActual > kNumeroSujetos) return 0;
  return m_datos.Identificacion.octetos[kDespMarcaSujeto + static_cast<std::size_t>(m_nSujetoActual - 1)];
}

void CRentaDoc::PonMarcaSujeto(std::uint8_t marca) {
  if (m_nSujetoActual < 1 || m_nSujetoActual > kNumeroSujetos) return;
  m_datos.Identificacion.octetos[kDespMarcaSujeto + static_cast<std::size_t>(m_nSujetoActual - 1)] = marca;
}

void CRentaDoc::ActualizarSujetos() {
  const SSujetos sujetos = DerivarSujetos(m_datos.DatosFamilia);
  m_aSujetosPresentes = sujetos.presentes;
  m_nSujetoActual = sujetos.actual;
  PonerVistaUnidadFamiliar(sujetos.vistaUnidadFamiliar);
  Publicar();
}

void CRentaDoc::SeleccionarSujeto(int sujeto) {
  if (sujeto < 1 || sujeto > kNumeroSujetos) return;
  ActualizarVistas(marco::kPistaSujeto);
  m_nSujetoActual = sujeto;
  PonerVistaUnidadFamiliar(sujeto == marco::kSujetoUnidadFamiliar ? 1 : 0);
  RefrescarPanelesEstado();
  ActualizarVistas(marco::kPistaSujeto);
  ActualizarVistas(marco::kPistaValores);
}

void CRentaDoc::RellenarCabecera() {
  const std::optional<SCabecera> cabecera = CabeceraSujeto(m_datos.Identificacion, m_nSujetoActual);
  if (!cabecera) return;
  CopiarTexto(NifDeclarante(), 10, cabecera->nif);
  CopiarTexto(TextoCabecera1(), 41, cabecera->nombre);
  CopiarTexto(TextoCabecera2(), 41, cabecera->referencia);
}

void CRentaDoc::RefrescarPanelesEstado() {
  if (wxTheApp == nullptr) return;
  auto* principal = dynamic_cast<wxFrame*>(wxTheApp->GetTopWindow());
  wxStatusBar* barra = principal != nullptr ? principal->GetStatusBar() : nullptr;
  if (barra == nullptr || barra->GetFieldsCount() < 3) return;
  barra->SetStatusText(marco::TextoFijoWx(TextoEstadoSujeto(m_nSujetoActual)), 1);
  barra->SetStatusText(marco::TextoFijoWx(TextoEstadoFormulario(DameTipoDec())), 2);
}

// ---- forms and pages ----

int CRentaDoc::ModeloNecesario(int sujeto) const {
  if (sujeto < 1 || sujeto > kNumeroSujetos) return 1;
  return ModeloNecesarioDatos(m_datos, sujeto, m_regTrabajoM4[static_cast<std::size_t>(sujeto - 1)]);
}

int CRentaDoc::PaginaSoloOrdinaria() const {
  int pagina = 0;
  for (int sujeto = 1; sujeto <= kNumeroSujetos; ++sujeto) {
    if (m_aSujetosPresentes[static_cast<std::size_t>(sujeto - 1)] == 0) continue;
    const int p = renta::PaginaSoloOrdinaria(m_datos, sujeto, m_regTrabajoM4[static_cast<std::size_t>(sujeto - 1)]);
    if (p != 0 && (pagina == 0 || p < pagina)) pagina = p;
  }
  return pagina;
}

bool CRentaDoc::AdmiteModelo(int tipoDec) const {
  if (tipoDec == marco::kTipoDecOrdinaria) return true;
  if (tipoDec != marco::kTipoDecSimplificada) return false;
  return PaginaSoloOrdinaria() == 0;
}

void CRentaDoc::PonerFormulario(int tipoDec) {
  if (DameTipoDec() != tipoDec) {
    PonerTipoDec(static_cast<std::uint8_t>(tipoDec));
    Modify(true);
  }
  CrearListaPaginas(0);
  RefrescarPanelesEstado();
  if (const auto& avisar = marco::ServiciosComandos().formularioCambiado) avisar(DameTipoDec());
}

bool CRentaDoc::OnSimplificada() {
  if (DameTipoDec() == marco::kTipoDecSimplificada) return true;
  // The box being typed in and the amounts the calculation asks of section M4 count too.
  ConfirmarCampoActivo();
  Calcular(1);
  if (const int pagina = PaginaSoloOrdinaria(); pagina != 0) {
    marco::CDlgMensaje().MostrarMensaje(kMensajeSoloOrdinaria, marco::IconoMano, std::to_string(pagina));
    return false;
  }
  PonerFormulario(marco::kTipoDecSimplificada);
  return true;
}

void CRentaDoc::OnOrdinaria() { PonerFormulario(marco::kTipoDecOrdinaria); }

void CRentaDoc::CrearListaPaginas(int /*argumento*/) {
  std::vector<wxClassInfo*> clases;
  for (std::string_view nombre : PaginasFormulario(DameTipoDec())) {
    // A page whose class is not part of the program keeps its place, so that page numbers stay those of the form.
    clases.push_back(wxClassInfo::FindClass(wxString::FromAscii(nombre.data(), nombre.size())));
  }
  const bool hayLista = !clases.empty();
  PonerListaPaginas(std::move(clases));
  if (!hayLista) return;
  m_bPaginaMostrada = true;
  MostrarPagina(ListaPaginas().front(), 0, kRecursoMarcoRenta);
  // The other views go only when the first page is there to stay.
  if (wxView* primera = BuscarVista(ListaPaginas().front())) CerrarOtrasVistas(primera);
}

int CRentaDoc::MostrarPagina(wxClassInfo* clase, int argumento, int /*recursoMarco*/) {
  const int resultado = CProg32Doc::MostrarPagina(clase, argumento, kRecursoMarcoRenta);
  if (resultado != 0) ActualizarVistas(marco::kPistaSujeto);
  return resultado;
}

// ---- set-up ----

void CRentaDoc::InicializarDatos() {
  std::memset(&m_datos, 0, sizeof m_datos);
  CProg32Doc::InicializarDatos();
}

int CRentaDoc::NuevaDeclaracion(std::string_view nombre, int modo, int nuevaDeclaracion) {
  CProg32Doc::NuevaDeclaracion(nombre, modo, nuevaDeclaracion);
  if (!nombre.empty()) PonerClave(nombre);
  m_validador.PonerClave(DameClave());
  InicializarDatos();
  if (CargarDeclaracion() != 1) return 0;
  if (nuevaDeclaracion != 0) {
    PonerTipoDec(0);
    Guardar();
    m_bEditandoNueva = true;
    EditarRegDatosFamilia();
    m_bEditandoNueva = false;
    // A new declaration whose family data were cancelled has left the store: it is not opened.
    if (m_bDeclaracionBorrada) return 0;
    ActualizarSujetos();
    PonerFormulario(marco::kTipoDecSimplificada);
    return 1;
  }
  ActualizarSujetos();
  PonerFormulario(DameTipoDec() == marco::kTipoDecOrdinaria ? marco::kTipoDecOrdinaria
                                                            : marco::kTipoDecSimplificada);
  return 1;
}

// ---- command handlers ----

void CRentaDoc::OnComandoSujeto(wxCommandEvent& evento) {
  const int sujeto = SujetoDeComando(marco::ComandoDeWx(evento.GetId()));
  // A person that the menu would not offer is never shown, whatever sent the command.
  if (EstadoComandoSujeto(sujeto, m_aSujetosPresentes, m_nSujetoActual).habilitado) SeleccionarSujeto(sujeto);
}

void CRentaDoc::OnActualizarSujeto(wxUpdateUIEvent& evento) {
  const SEstadoComando estado =
      EstadoComandoSujeto(SujetoDeComando(marco::ComandoDeWx(evento.GetId())), m_aSujetosPresentes, m_nSujetoActual);
  evento.Enable(estado.habilitado);
  if (evento.IsCheckable()) evento.Check(estado.marcado);
}

void CRentaDoc::OnComandoFormulario(wxCommandEvent& evento) {
  const int comando = marco::ComandoDeWx(evento.GetId());
  if (comando == kComandoSimplificada) OnSimplificada();
  if (comando == kComandoOrdinaria) OnOrdinaria();
}

void CRentaDoc::OnActualizarFormulario(wxUpdateUIEvent& evento) {
  const int tipo = marco::ComandoDeWx(evento.GetId()) == kComandoSimplificada ? marco::kTipoDecSimplificada
                                                                               : marco::kTipoDecOrdinaria;
  // Both forms are offered: a declaration that the simplified form cannot carry says why when it is asked for.
  evento.Enable(true);
  if (evento.IsCheckable()) evento.Check(DameTipoDec() == tipo);
}

void CRentaDoc::OnDatosPersonales(wxCommandEvent& /*evento*/) { EditarDatosPersonales(); }

bool CRentaDoc::EditarDatosPersonales() {
  // The box being typed in is taken first: the wizard may show the declaration again.
  ConfirmarCampoActivo();
  EditarRegDatosFamilia();
  return true;
}

void CRentaDoc::OnResumenResultados(wxCommandEvent& /*evento*/) {
  if (HayUnidadFamiliar()) MostrarResumenResultados();
}

void CRentaDoc::OnActualizarResumen(wxUpdateUIEvent& evento) { evento.Enable(HayUnidadFamiliar()); }

SResumenDeclaraciones CRentaDoc::ResumenDeclaraciones() {
  ConfirmarCampoActivo();
  Calcular(1);
  return ResumirDeclaraciones(m_datos, m_aSujetosPresentes);
}

void CRentaDoc::MostrarResumenResultados() {
  const SResumenDeclaraciones resumen = ResumenDeclaraciones();
  const bool euros = marco::MonedaEnUso() == marco::kMonedaEuros;
  wxWindow* padre = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  MostrarResumenDeclaraciones(padre, LineasResumen(resumen, euros ? 2 : 0, euros, [](std::string_view texto) {
                                return marco::TextoFijo1252(texto);
                              }));
}

}  // namespace renta
