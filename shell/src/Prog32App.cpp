#include "shell/Prog32App.h"

#include <clocale>
#include <cstdio>
#include <span>
#include <system_error>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/docview.h>
#include <wx/statusbr.h>
#include <wx/timer.h>

#include "framework/BaseDatos.h"
#include "framework/DlgErrores.h"
#include "framework/DlgMensaje.h"
#include "framework/EditEx.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/ComandosDocumento.h"
#include "framework/Prog32Doc.h"
#include "framework/Prog32View.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Nombres.h"
#include "platform/Perfil.h"
#include "platform/Texto.h"
#include "shell/ArbolApartados.h"
#include "shell/CalculadoraVentana.h"
#include "shell/DlgIrPagina.h"
#include "shell/Idiomas.h"
#include "shell/InstanciaUnica.h"
#include "shell/IntroduccionVentana.h"
#include "shell/IrAApartado.h"
#include "shell/MainFrm.h"

namespace shell {

namespace fs = std::filesystem;

namespace {

CProg32App* gAplicacion = nullptr;

// How often the end of the program is asked for again while a loop of a menu or a dialog still runs (ms).
constexpr int kPausaFin = 100;

// The tables each database must have for the program to work: the store, and the page layouts and catalogue.
constexpr std::string_view kTablasRed[] = {"DatosDec", "Corregix"};
constexpr std::string_view kTablasLocal[] = {"ControlX", "Paginasx"};

// A fixed text (UTF-8 here) shown through the one message service, so tests see it like any coded message.
void MostrarTextoFijo(std::string_view texto, int icono, std::string_view titulo = {}) {
  marco::SMensaje mensaje;
  mensaje.icono = icono;
  mensaje.titulo = plataforma::Utf8ACp1252(titulo);
  mensaje.texto = plataforma::Utf8ACp1252(texto);
  mensaje.botones = marco::kFlagAceptar;
  marco::PresentarMensaje(mensaje);
}

bool CarpetaConTablas(const std::string& carpeta, std::span<const std::string_view> tablas) {
  std::error_code ec;
  if (carpeta.empty() || !fs::is_directory(carpeta, ec)) return false;
  for (std::string_view tabla : tablas) {
    if (!plataforma::BuscaFicheroSinCaso(carpeta, std::string(tabla) + ".DBF").has_value()) return false;
  }
  return true;
}

std::string ValorOpcion(const std::string& argumento, std::string_view nombre) {
  return argumento.substr(nombre.size());
}

}  // namespace

CProg32App* AplicacionPrograma() { return gAplicacion; }

bool TerminarDialogosModales() {
  bool habia = false;
  for (wxWindow* ventana : wxTopLevelWindows) {
    auto* dialogo = dynamic_cast<wxDialog*>(ventana);
    if (dialogo != nullptr && dialogo->IsModal()) {
      dialogo->EndModal(wxID_CANCEL);
      habia = true;
    }
  }
  return habia;
}
void PonerAplicacionPrograma(CProg32App* aplicacion) { gAplicacion = aplicacion; }

SOpcionesArranque LeerOpciones(const std::vector<std::string>& argumentos, std::vector<std::string>* errores) {
  SOpcionesArranque opciones;
  if (!argumentos.empty()) opciones.ejecutable = argumentos.front();
  for (std::size_t i = 1; i < argumentos.size(); ++i) {
    const std::string& a = argumentos[i];
    if (a.starts_with("--perfil=")) {
      opciones.perfil = ValorOpcion(a, "--perfil=");
    } else if (a.starts_with("--datos-usuario=")) {
      opciones.datosUsuario = ValorOpcion(a, "--datos-usuario=");
    } else if (a.starts_with("--datos-programa=")) {
      opciones.datosPrograma = ValorOpcion(a, "--datos-programa=");
    } else if (a.starts_with("--catalogos=")) {
      opciones.catalogos = ValorOpcion(a, "--catalogos=");
    } else if (a == "--varias-instancias") {
      opciones.instanciaUnica = false;
    } else if (a == "--sin-abrir") {
      opciones.abrirAlArrancar = false;
      opciones.mostrarIntroduccion = false;
    } else if (a == "--sin-introduccion") {
      opciones.mostrarIntroduccion = false;
    } else {
      opciones.desconocidas.push_back(a);
      if (errores != nullptr) errores->push_back(a);
    }
  }
  return opciones;
}

std::string TextoOpcionDesconocida(const std::vector<std::string>& opciones) {
  std::string lista;
  for (const std::string& o : opciones) lista += (lista.empty() ? "" : ", ") + o;
  std::string texto(kTextoOpcionDesconocida);
  const std::size_t hueco = texto.find("%s");
  if (hueco != std::string::npos) texto.replace(hueco, 2, lista);
  return texto;
}

CProg32App::CProg32App(SOpcionesArranque opciones) : m_opciones(std::move(opciones)) {
  m_carpetas = CarpetasJuntoAlPrograma(m_opciones.ejecutable, m_opciones.datosUsuario);
  if (!m_opciones.datosPrograma.empty()) m_carpetas.datosPrograma = m_opciones.datosPrograma;
  if (!m_opciones.catalogos.empty()) m_carpetas.catalogos = m_opciones.catalogos;
  const fs::path perfil = m_opciones.perfil.empty()
                              ? plataforma::CarpetaConfiguracionUsuario() / "korvelix" / std::string(kNombrePerfil)
                              : m_opciones.perfil;
  m_pPerfil = std::make_unique<plataforma::CPerfil>(perfil);
}

CProg32App::~CProg32App() {
  if (m_pMarco != nullptr || m_pGestor) ExitInstance();
  if (gAplicacion == this) gAplicacion = nullptr;
}

int CProg32App::ActivarInstanciaPrevia() {
  m_pInstancia = std::make_unique<CInstanciaUnica>(m_pPerfil->Ruta().parent_path());
  if (m_pInstancia->HayOtraInstancia()) {
    m_bOtraInstanciaActivada = m_pInstancia->ActivarOtraInstancia();
    if (!m_bOtraInstanciaActivada) MostrarTextoFijo(kTextoYaEnMarcha, marco::IconoAsterisco);
    m_pInstancia.reset();
    return 0;
  }
  m_pInstancia->Escuchar([this] {
    // Without its main window (starting, or ending: its close accepted, or hidden on its way out) this instance
    // cannot come forward: the new one says that the program is already running.
    if (m_pMarco == nullptr || m_bMarcoCerrado || !m_pMarco->IsShown()) return false;
    if (m_pMarco->IsIconized()) m_pMarco->Iconize(false);
    // The window the user was last working in (a dialog over the frame, or the frame itself) comes forward.
    wxWindow* activa = wxGetActiveWindow();
    wxTopLevelWindow* ventana = activa != nullptr ? dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(activa))
                                                  : nullptr;
    (ventana != nullptr ? ventana : m_pMarco)->Raise();
    m_pMarco->RequestUserAttention();
    return true;
  });
  return 1;
}

int CProg32App::InitInstance() {
  gAplicacion = this;
  // Whatever the toolkit made of the environment's locale, numbers are read and written the one same way.
  std::setlocale(LC_NUMERIC, "C");

  // A mistyped option would start the program on other folders than the ones meant (a profile, a store): it is
  // said, on the terminal too, and the program ends before anything else.
  if (!m_opciones.desconocidas.empty()) {
    const std::string texto = TextoOpcionDesconocida(m_opciones.desconocidas);
    std::fprintf(stderr, "korvelix: %s\n", texto.c_str());
    m_bOpcionDesconocida = true;
    MostrarTextoFijo(texto, marco::IconoMano, kTituloOpcionDesconocida);
    return 0;
  }
  if (m_opciones.instanciaUnica && ActivarInstanciaPrevia() == 0) return 0;

  // The profile's language, before any text of the interface is made.
  marco::PonerIdiomaV(m_pPerfil->LeerCadena("Idioma", "IdiomaV", "e"));
  marco::PonerIdiomaI(m_pPerfil->LeerCadena("Idioma", "IdiomaI", "e"));
  marco::PonerZoomTexto(m_pPerfil->LeerCadena("Aspecto", "Zoom", "1.0"));
  CargarCatalogoIdioma();
  MostrarIntroduccion();

  RegistrarPlantillas();
  if (!CrearMarcoPrincipal()) {
    ExitInstance();
    return 0;
  }

  PrepararAlmacenUsuario();
  if (AbrirBasesDatos() == 0) {
    ExitInstance();
    return 0;
  }
  // The tree of sections reads the page catalogue of the local database, open only now.
  m_pMarco->LlenarArbol();
  m_pMarco->MostrarApartados(0);
  // The store is checked before anything else is shown over the main window: a damaged one is said first (in
  // front, over the main window), and is only read from then on.
  marco::ComprobarAlmacen(marco::DameBaseDatosRed());
  PonerServiciosDocumento();
  ActualizarRutaAyuda();

  // File Open runs from the message loop, once the main window is on the screen: the index dialog then opens
  // over it, and closing windows while it is up ends the loop that runs the program, not one of start-up.
  if (m_opciones.abrirAlArrancar && wxTheApp != nullptr) {
    wxTheApp->CallAfter([vivo = std::weak_ptr<bool>(m_pVivo)] {
      if (vivo.expired()) return;
      CProg32App* aplicacion = AplicacionPrograma();
      if (aplicacion != nullptr && aplicacion->DameMarcoPrincipal() != nullptr) aplicacion->ElegirDeclaracion(0);
    });
  }
  return 1;
}

bool CProg32App::CrearMarcoPrincipal() {
  auto* marco = new CMainFrame(*this, m_pGestor.get());
  if (!marco->Crear()) {
    marco->Destroy();
    return false;
  }
  m_pMarco = marco;
  wxTheApp->SetTopWindow(marco);
  marco->Mostrar();
  return true;
}

int CProg32App::ExitInstance() {
  if (m_pMarco != nullptr) {
    CMainFrame* marco = m_pMarco;
    // The frame writes the profile as it goes.
    if (m_pGestor) m_pGestor->CloseDocuments(true);
    marco->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
    m_pMarco = nullptr;
  }
  m_pGestor.reset();
  marco::PonerServiciosComandos({});
  marco::PonerServiciosEdit({});
  marco::CerrarBasesDatos();
  QuitarCatalogoIdioma();
  m_bCatalogoCargado = false;
  m_pInstancia.reset();
  m_pFin.reset();
  return 0;
}

void CProg32App::MarcoCerrado(CMainFrame* marco) {
  if (m_pMarco != marco) return;
  m_bMarcoCerrado = true;
  // The window is deleted by the toolkit when the program is next idle in its own loop; a window closed while a
  // dialog ran its loop (the window manager's close reaches the main window then too) would stay, hidden, with
  // the program waiting for nothing. The program ends with the close itself.
  PedirFin();
}

void CProg32App::MarcoDestruido(CMainFrame* marco) {
  if (m_pMarco != marco) return;
  m_pMarco = nullptr;
  PedirFin();
}

void CProg32App::PedirFin() {
  // The program ends with its main window. Ending the message loop ends only the innermost one running: when
  // the window goes while a menu or a dialog runs a loop of its own (a request to end the program arrived
  // then), that one ends and the program would stay with no window. So the dialogs are ended and the request is
  // made again until the program's own loop has ended.
  if (wxTheApp == nullptr || !wxTheApp->GetExitOnFrameDelete() || m_pFin) return;
  TerminarDialogosModales();
  wxTheApp->ExitMainLoop();
  wxWakeUpIdle();
  m_pFin = std::make_unique<wxTimer>();
  m_pFin->Bind(wxEVT_TIMER, [](wxTimerEvent&) {
    if (wxTheApp == nullptr) return;
    TerminarDialogosModales();
    wxTheApp->ExitMainLoop();
  });
  m_pFin->Start(kPausaFin);
}

int CProg32App::CargarCatalogoIdioma() {
  const char letra = marco::LetraIdiomaV();
  m_bCatalogoCargado = shell::CargarCatalogoIdioma(letra, m_carpetas.catalogos);
  if (!m_bCatalogoCargado) {
    const fs::path ruta = RutaCatalogo(letra, m_carpetas.catalogos);
    std::string texto(kTextoFalloIdioma);
    if (!ruta.empty()) texto += "\n" + ruta.string();
    MostrarTextoFijo(texto, marco::IconoExclamacion);
  }
  return m_bCatalogoCargado ? 1 : 0;
}

void CProg32App::MostrarIntroduccion() {
  if (MostrarIntroduccionAlArrancar(*m_pPerfil, m_opciones.mostrarIntroduccion)) {
    MostrarPantallaIntroduccion(*m_pPerfil);
  }
}

void CProg32App::PrepararAlmacenUsuario() {
  const SAjustesPrograma& ajustes = AjustesPrograma();
  if (!ajustes.dirBDRedPorDefecto) return;
  std::error_code ec;
  const fs::path destino = ajustes.dirBDRed;
  const fs::path origen = m_carpetas.datosPrograma / "red";
  fs::create_directories(destino, ec);
  if (ec) return;
  for (std::string_view tabla : kTablasRed) {
    const std::string fichero = std::string(tabla) + ".DBF";
    if (plataforma::BuscaFicheroSinCaso(destino, fichero).has_value()) continue;
    const auto fuente = plataforma::BuscaFicheroSinCaso(origen, fichero);
    if (!fuente.has_value()) continue;
    // Copied under a temporary name first, so a copy cut short never looks like a store.
    const fs::path temporal = destino / (fichero + ".copia");
    fs::copy_file(*fuente, temporal, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(temporal, destino / fichero, ec);
    if (ec) fs::remove(temporal, ec);
  }
}

int CProg32App::AbrirBasesDatos() {
  const SAjustesPrograma& ajustes = AjustesPrograma();
  // The record engine makes a table's file when it is first opened; a folder without the program's tables is
  // a database that is not there, and is reported before anything is opened in it.
  if (!CarpetaConTablas(ajustes.dirBDRed, kTablasRed)) {
    marco::CerrarBasesDatos();
    MostrarTextoFijo(kTextoFalloRed, marco::IconoMano);
    return 0;
  }
  if (!CarpetaConTablas(ajustes.dirBDLocal, kTablasLocal)) {
    marco::CerrarBasesDatos();
    MostrarTextoFijo(kTextoFalloLocal, marco::IconoMano);
    return 0;
  }
  if (marco::AbrirBasesDatos(ajustes.dirBDRed, ajustes.dirBDLocal) == 0) {
    MostrarTextoFijo(kTextoFalloRed, marco::IconoMano);
    return 0;
  }
  return 1;
}

void CProg32App::ActualizarRutaAyuda() { m_rutaAyuda = RutaAyuda(marco::DirBase(), marco::LetraIdiomaV()); }

void CProg32App::RegistrarPlantillas() {
  if (!m_pGestor) {
    m_pGestor = std::make_unique<wxDocManager>();
    m_pGestor->SetMaxDocsOpen(1);
  }
  RegistroDeclaraciones().RegistrarEn(*m_pGestor);
}

marco::CProg32Doc* CProg32App::DameDocumentoActivo() const { return marco::DameDocumentoActivo(); }

void CProg32App::PonerServiciosDocumento() {
  marco::SServiciosComandos servicios = marco::ServiciosComandos();
  servicios.irAPagina = [this](marco::CProg32Doc& documento) { IrAPaginaDeclaracion(m_pMarco, documento); };
  servicios.mostrarHallazgos = [this](marco::CProg32Doc& documento) { MostrarHallazgos(documento); };
  servicios.mostrarHallazgosFichero = [this](marco::CProg32Doc& documento) {
    return MostrarHallazgos(documento, true);
  };
  servicios.ocultarBarraApartados = [this] {
    if (m_pMarco != nullptr) m_pMarco->OcultarBarraApartados();
  };
  servicios.barraApartadosVisible = [this] { return m_pMarco != nullptr && m_pMarco->BarraApartadosVisible(); };
  servicios.limpiarTituloDeclaracion = [this] {
    if (m_pMarco != nullptr) m_pMarco->SetTitle(Traduce("Korvelix"));
  };
  servicios.formularioCambiado = [this](int tipoDec) {
    if (m_pMarco != nullptr) m_pMarco->MostrarApartados(GrupoApartados(tipoDec));
  };
  // A page without an active box: the calculator alone.
  servicios.calculadora = [this](wxWindow* padre) { AbrirCalculadora(padre, false); };
  marco::PonerServiciosComandos(std::move(servicios));

  marco::SServiciosEdit edits;
  edits.calculadora = [this](wxWindow* padre, bool numerico) { return AbrirCalculadora(padre, numerico); };
  edits.ayuda = [this](int contexto) { MostrarAyuda(contexto); };
  marco::PonerServiciosEdit(std::move(edits));
}

void CProg32App::MostrarAyuda(int /*contexto*/) {
  // Over the window the user asked from (a dialog, or the main window).
  wxWindow* foco = wxWindow::FindFocus();
  wxWindow* padre = foco != nullptr ? wxGetTopLevelParent(foco) : nullptr;
  marco::CDlgMensaje(padre != nullptr ? padre : m_pMarco).MostrarMensaje(kMensajeSinAyuda, marco::IconoAsterisco);
}

std::optional<std::string> CProg32App::AbrirCalculadora(wxWindow* padre, bool conCasilla) {
  // Over the window of the box or page (a dialog, or the main window), centred on it.
  wxWindow* ventana = padre != nullptr ? wxGetTopLevelParent(padre) : nullptr;
  return MostrarCalculadora(ventana != nullptr ? ventana : m_pMarco, *m_pPerfil, conCasilla);
}

int CProg32App::MostrarHallazgos(marco::CProg32Doc& documento, bool modoFichero) {
  marco::CDlgErrores lista(m_pMarco);
  lista.PonerClave(documento.DameClave());
  lista.PonerDocumento(&documento);
  lista.PonerModoFichero(modoFichero);
  // A finding's row leads to its page and box once the list has closed.
  lista.PonerDestinoIrA([this](int pagina, long casilla) {
    if (m_pMarco != nullptr) PedirIrAApartado(m_pMarco, pagina, casilla, true);
  });
  return lista.DoModal();
}

int CProg32App::CerrarDeclaraciones() {
  if (!m_pGestor) return 1;
  // A page that names a box to correct keeps the declaration open, and the user is taken to that box.
  if (marco::CProg32Doc* documento = DameDocumentoActivo(); documento != nullptr) {
    for (wxView* vista : documento->GetViewsVector()) {
      auto* pagina = dynamic_cast<marco::CProg32View*>(vista);
      if (pagina == nullptr) break;
      const int campo = pagina->CampoAEnfocar();
      if (campo > 0) {
        if (wxWindow* ventana = pagina->GetFrame(); ventana != nullptr) ventana->Raise();
        pagina->IrACampo(campo - 1);
        pagina->Activate(true);
        return 0;
      }
    }
  }
  for (wxDocTemplate* plantilla : m_pGestor->GetTemplatesVector()) {
    auto* declaraciones = dynamic_cast<CDeclarTemplate*>(plantilla);
    if (declaraciones != nullptr && declaraciones->CerrarDocumentos() == 0) return 0;
  }
  // Documents of any other template go too: only one declaration is ever open.
  return m_pGestor->CloseDocuments(false) ? 1 : 0;
}

void CProg32App::CambiarIdioma(char letra) {
  if (letra == marco::LetraIdiomaV()) return;
  if (IdiomaDeLetra(letra) == nullptr) return;

  // Any open declaration, whichever window is active, is closed (and saved if the user says so) before the
  // windows go, and reopened afterwards.
  bool habiaDeclaracion = false;
  std::string clave;
  int tipoDec = 0;
  if (marco::CProg32Doc* documento = DameDocumentoActivo(); documento != nullptr) {
    documento->ConfirmarCampoActivo();
    clave = std::string(plataforma::RecortaDerecha(documento->DameClave()));
    tipoDec = documento->DameTipoDec();
    habiaDeclaracion = true;
  }
  if (CerrarDeclaraciones() == 0) return;

  const std::string letraTexto(1, letra);
  marco::PonerIdiomaV(letraTexto);
  marco::PonerIdiomaI(letraTexto);

  // The templates go (the manager stays: the old window still refers to it until it is gone).
  if (m_pGestor) {
    const auto plantillas = m_pGestor->GetTemplatesVector();
    for (wxDocTemplate* plantilla : plantillas) delete plantilla;
  }

  // The old window goes without ending the program: it is deleted when the program is next idle.
  const bool salirAlCerrar = wxTheApp->GetExitOnFrameDelete();
  wxTheApp->SetExitOnFrameDelete(false);
  // It writes the profile now, so the new window reads what the old one leaves; it is deleted when the program
  // is next idle (this may run inside one of its own menu commands).
  if (CMainFrame* anterior = m_pMarco; anterior != nullptr) {
    anterior->Retirar();
    m_pMarco = nullptr;
    anterior->Hide();
    anterior->Destroy();
  }

  CargarCatalogoIdioma();
  RegistrarPlantillas();
  const bool creado = CrearMarcoPrincipal();
  wxTheApp->SetExitOnFrameDelete(salirAlCerrar);
  if (!creado) {
    // Without a main window there is nothing left to work with: the user is told, and the program ends.
    MostrarTextoFijo(kTextoFalloCambioIdioma, marco::IconoMano);
    wxTheApp->ExitMainLoop();
    return;
  }
  m_pMarco->MostrarApartados(0);
  ActualizarRutaAyuda();

  if (habiaDeclaracion) AbrirDeclaracion(clave, tipoDec == marco::kTipoDecPatrimonio ? 3 : 0, std::string(), 0);
}

void CProg32App::ElegirDeclaracion(int nueva) {
  std::string clave;
  std::string segundoTexto;
  const int tipo = PedirDeclaracion(nueva, clave, segundoTexto);
  if (tipo >= 0) AbrirDeclaracion(clave, tipo, segundoTexto, nueva);
}

int CProg32App::PedirDeclaracion(int& nueva, std::string& clave, std::string& segundoTexto) {
  if (m_pMarco != nullptr) {
    m_pMarco->PonerTextoEstado(1, wxString());
    m_pMarco->PonerTextoEstado(2, wxString());
  }
  const CRegistroDeclaraciones& registro = RegistroDeclaraciones();
  if (!registro.HayPlantillas() || !registro.IndiceDeclaraciones()) {
    MostrarTextoFijo(kTextoSinDeclaraciones, marco::IconoAsterisco);
    return -1;
  }
  if (CerrarDeclaraciones() == 0) return -1;
  const SDeclaracionElegida elegida = registro.IndiceDeclaraciones()(m_pMarco, nueva);
  if (elegida.tipo < 0) return -1;
  clave = elegida.clave;
  segundoTexto = elegida.segundoTexto;
  nueva = elegida.nueva;
  return elegida.tipo != 0 ? 3 : 0;
}

void CProg32App::AbrirDeclaracion(const std::string& clave, int tipo, const std::string& segundoTexto, int nueva) {
  if (!m_pGestor) return;
  const auto plantillas = m_pGestor->GetTemplatesVector();
  if (plantillas.empty()) return;
  const wxString buscado = tipo != 0 ? kTipoPatrimonio : kTipoRenta;
  wxDocTemplate* elegida = plantillas.back();
  for (wxDocTemplate* plantilla : plantillas) {
    if (plantilla->GetDocumentName() == buscado) {
      elegida = plantilla;
      break;
    }
  }
  wxDocument* creado = elegida->CreateDocument(wxString(), wxDOC_NEW);
  auto* documento = dynamic_cast<marco::CProg32Doc*>(creado);
  if (documento == nullptr) {
    if (creado != nullptr) m_pGestor->CloseDocument(creado, true);
    return;
  }
  if (documento->NuevaDeclaracion(clave, 0, nueva) == 0) {
    if (auto* declaraciones = dynamic_cast<CDeclarTemplate*>(elegida); declaraciones != nullptr) {
      declaraciones->CerrarDocumentos();
    } else {
      m_pGestor->CloseDocument(documento, true);
    }
    return;
  }
  (void)segundoTexto;  // the documents' set-up takes the key; the dialog's second text has no reader yet
  if (m_pMarco != nullptr) m_pMarco->SetTitle(Traduce("Korvelix"));
  documento->SetTitle(wxString::FromUTF8(clave));
  if (m_pMarco != nullptr) m_pMarco->MostrarApartados(GrupoApartados(documento->DameTipoDec()));
}

}  // namespace shell
