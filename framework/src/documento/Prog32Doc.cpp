#include "framework/Prog32Doc.h"

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/mdi.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstring>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/PaginaActiva.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

wxIMPLEMENT_DYNAMIC_CLASS(CProg32Doc, wxDocument);

namespace {

// The room of the key as the base writes it into the stored row.
constexpr std::uint16_t kRoomClaveGrabada = 52;

int Avisar(std::string_view codigo) { return CDlgMensaje().MostrarMensaje(codigo, IconoExclamacion); }

// The wait cursor while the stored row is written; nothing without an application object (tools and tests).
class CCursorEspera {
 public:
  CCursorEspera() : m_bActivo(wxTheApp != nullptr) {
    if (m_bActivo) wxBeginBusyCursor();
  }
  ~CCursorEspera() {
    if (m_bActivo) wxEndBusyCursor();
  }
  CCursorEspera(const CCursorEspera&) = delete;
  CCursorEspera& operator=(const CCursorEspera&) = delete;

 private:
  bool m_bActivo;
};

// A text field of the current row, whatever its width, without its trailing blanks.
std::string LeerTextoCampo(CTabla& tabla, std::string_view campo) {
  const int ancho = tabla.LongitudCampo(campo);
  if (ancho <= 0 || ancho >= 0xFFFF) return {};
  std::vector<char> buffer(static_cast<std::size_t>(ancho) + 1, '\0');
  if (tabla.LeerCampo(campo, buffer.data(), kCampoTexto, static_cast<std::uint16_t>(buffer.size())) == 0) return {};
  return std::string(plataforma::RecortaDerecha(buffer.data()));
}

std::int32_t LeerEnteroCampo(CTabla& tabla, std::string_view campo) {
  std::int32_t valor = 0;
  tabla.LeerCampo(campo, &valor, kCampoEntero, sizeof valor);
  return valor;
}

}  // namespace

CProg32Doc::CProg32Doc() : m_dZoom(ZoomConfigurado()), m_pTablaDatosDec(std::make_unique<CTabla>(DameBaseDatosRed())) {}

CProg32Doc::~CProg32Doc() {
  // A document deleted while it still has views (one without a document manager, which is deleted by its owner)
  // takes them with it: a view, or its frame, must never reach a document that is gone.
  EliminarVistas();
  // The row's lock goes with the table.
  SoltarDeclaracion();
  m_pTablaDatosDec.reset();
}

CTabla& CProg32Doc::TablaDatosDec() {
  // A document made before the databases were opened gets its table on the network database once there is one.
  if (m_pTablaDatosDec->DameBaseDatos() == nullptr && m_pTablaDatosDec->EstaAbierta() == 0 &&
      DameBaseDatosRed() != nullptr) {
    m_pTablaDatosDec = std::make_unique<CTabla>(DameBaseDatosRed());
  }
  return *m_pTablaDatosDec;
}

std::string CProg32Doc::DameClave() const {
  return std::string(m_szClave.data(), ::strnlen(m_szClave.data(), m_szClave.size()));
}

void CProg32Doc::PonerClave(std::string_view clave) {
  m_szClave.fill('\0');
  clave = clave.substr(0, std::min(clave.find('\0'), m_szClave.size() - 1));
  std::memcpy(m_szClave.data(), clave.data(), clave.size());
}

void CProg32Doc::SoltarDeclaracion() {
  m_pTablaDatosDec->Cerrar();
  if (m_cEstado == kEstadoBloqueada && LetraEstadoPrograma() == kEstadoBloqueada) PonerLetraEstadoPrograma('\0');
  m_cEstado = '\0';
}

int CProg32Doc::BuscarFilaDeclaracion(CTabla& tabla) {
  if (tabla.EstaAbierta() == 0 && tabla.Abrir(0, kOrdenClave, kTablaDatosDec) == 0) {
    // Without a network database the table layer has nothing to say: the declaration is simply not there.
    if (tabla.DameBaseDatos() == nullptr) Avisar("WIN023");
    return 0;
  }
  const std::string clave = ClaveBusquedaDeclaracion(DameClave(), tabla.LongitudCampo("clave"));
  while (tabla.Buscar(clave, false, kOrdenClave, false) == 0) {
    // A store that another user keeps busy is not a missing declaration.
    if (tabla.UltimoFallo() != plataforma::EFallo::Ocupado) {
      Avisar("WIN023");
      return 0;
    }
    if (Avisar("ALM001") != kBotonAceptar) return 0;
  }
  return 1;
}

int CProg32Doc::CargarDeclaracion() {
  // A declaration loaded again starts afresh: the row held so far is let go first.
  SoltarDeclaracion();
  // The store is checked each time a declaration is opened: a store damaged meanwhile is said now, and opens for
  // reading only from here on.
  ComprobarAlmacen(DameBaseDatosRed());
  CTabla& tabla = TablaDatosDec();
  if (BuscarFilaDeclaracion(tabla) == 0 || tabla.BloquearRegistro() == 0) {
    tabla.Cerrar();
    return 0;
  }
  // A row of a damaged store that cannot be read whole is named; the other declarations stay usable.
  if (const plataforma::CTablaRegistros* registros = tabla.Registros(); registros != nullptr && registros->FilaDanada()) {
    CDlgMensaje().MostrarMensaje("ALM007", IconoExclamacion, std::string(plataforma::RecortaDerecha(DameClave())));
    tabla.Cerrar();
    return 0;
  }
  m_cEstado = kEstadoBloqueada;
  PonerLetraEstadoPrograma(kEstadoBloqueada);
  if (m_bMantenerTipo == 0) {
    m_nTipoDec = static_cast<std::uint8_t>(LeerEnteroCampo(tabla, "tipodec") & 0xFF);
    std::array<char, 68> clave{};
    if (tabla.LeerCampo("clave", clave.data(), kCampoTexto, static_cast<std::uint16_t>(clave.size() - 1)) != 0) {
      m_szClave = clave;
    }
  }
  return 1;
}

int CProg32Doc::GuardarDeclaracion() {
  // A store open only for reading (damaged) keeps what it holds: a declaration with nothing changed has nothing to
  // save (so it can still be printed); a changed one is refused and says so (ALM008, below).
  if (!AlmacenEscribible(DameBaseDatosRed()) && !IsModified() && !m_bNoGuardada) return 1;
  CTabla tabla(DameBaseDatosRed());
  CCursorEspera espera;
  if (BuscarFilaDeclaracion(tabla) == 0) return 0;
  // The row is written under a lock: the one this document holds since it was loaded, or one taken for the write.
  const bool bloqueoPropio = m_cEstado == kEstadoBloqueada;
  if (!bloqueoPropio && tabla.BloquearRegistro() == 0) return 0;
  const std::int32_t tipoDec = m_nTipoDec;
  // The whole row in one transaction: a crash between two fields never leaves a key without its data.
  const bool escrito = tabla.GrabarEnUnaVez([&] {
    return tabla.GrabarCampo("tipodec", &tipoDec, kCampoEntero, sizeof tipoDec) != 0 &&
           tabla.GrabarCampo("clave", m_szClave.data(), kCampoTexto, kRoomClaveGrabada) != 0 &&
           GrabarCamposDeclaracion(tabla) != 0;
  }) != 0;
  if (!bloqueoPropio) tabla.DesbloquearRegistro();
  if (!escrito) {
    if (!tabla.FalloAvisado()) Avisar("WIN023");
    return 0;
  }
  Modify(false);
  return 1;
}

int CProg32Doc::GrabarCamposDeclaracion(CTabla& /*tabla*/) { return 1; }

int CProg32Doc::Guardar() {
  const int resultado = GuardarDeclaracion();
  if (resultado == 1) {
    m_bNoGuardada = 0;
    Modify(false);
  }
  return resultado;
}

int CProg32Doc::Calcular(int /*completo*/) { return 0; }
int CProg32Doc::DameMarcaSujeto() { return 0; }
void CProg32Doc::PonMarcaSujeto(std::uint8_t /*marca*/) {}
void CProg32Doc::Imprimir() {}
int CProg32Doc::DevuelveUno() { return 1; }
void CProg32Doc::CrearListaPaginas(int /*argumento*/) {}
int CProg32Doc::Validar(int /*argumento*/) { return 1; }

void CProg32Doc::IrAHallazgo(int vista, long numcontr) {
  if (vista < 1 || vista > static_cast<int>(m_listaPaginas.size())) return;
  NavegarPagina(vista);
  if (m_nPaginaActual != vista - 1) return;
  // The page just shown (one opened now is not yet the frame's current view).
  auto* pagina = dynamic_cast<CPaginaActiva*>(BuscarVista(m_listaPaginas[static_cast<std::size_t>(vista - 1)]));
  if (pagina == nullptr || numcontr < 0 || numcontr >= pagina->CuantosCampos()) return;
  pagina->IrACampoPagina(static_cast<int>(numcontr));
}
std::string CProg32Doc::NotaHallazgo(const SHallazgo& /*hallazgo*/) const { return {}; }
void CProg32Doc::ComprobarDeclaracion() {}

void CProg32Doc::InicializarDatos() {
  std::memcpy(m_szEjercicioFiscal.data(), "1999", 5);
  m_nPalabraEstado = 0;
  m_aValores.fill(0);
}

int CProg32Doc::NuevaDeclaracion(std::string_view /*nombre*/, int /*modo*/, int noGuardada) {
  m_bNoGuardada = noGuardada;
  return OnNewDocument() ? 1 : 0;
}

bool CProg32Doc::OnCreate(const wxString& /*ruta*/, long /*indicadores*/) { return true; }

bool CProg32Doc::OnNewDocument() {
  // The ordinary set-up names the document through its manager; a document without one keeps its name.
  if (GetDocumentManager() != nullptr) return wxDocument::OnNewDocument();
  SetDocumentSaved(false);
  return true;
}

bool CProg32Doc::ProcessEvent(wxEvent& evento) {
  if (evento.IsCommandEvent() && !AtiendeComando(evento.GetId())) return false;
  return wxDocument::ProcessEvent(evento);
}

void CProg32Doc::OnChangedViewList() {
  if (m_bCreandoVista || m_bEliminandoVistas || GetDocumentManager() == nullptr) return;
  wxDocument::OnChangedViewList();
}

void CProg32Doc::PonerListaPaginas(std::vector<wxClassInfo*> clases) {
  m_listaPaginas = std::move(clases);
  m_nUltimaPagina = static_cast<std::int32_t>(m_listaPaginas.size()) - 1;
  m_nPaginaActual = m_listaPaginas.empty() ? -1 : 0;
}

wxView* CProg32Doc::BuscarVista(const wxClassInfo* clase) const {
  if (clase == nullptr) return nullptr;
  for (wxList::compatibility_iterator nodo = m_documentViews.GetFirst(); nodo; nodo = nodo->GetNext()) {
    auto* vista = static_cast<wxView*>(nodo->GetData());
    if (vista->GetClassInfo() == clase) return vista;
  }
  return nullptr;
}

void CProg32Doc::EliminarVistas() {
  const bool antes = m_bEliminandoVistas;
  m_bEliminandoVistas = true;
  while (wxList::compatibility_iterator nodo = m_documentViews.GetFirst()) {
    auto* vista = static_cast<wxView*>(nodo->GetData());
    if (vista->GetDocument() == this) {
      // The view leaves the list by itself and takes its frame with it.
      delete vista;
    }
    // A view handed to another document (the framework's views do not leave the list then) is that one's.
    m_documentViews.DeleteObject(vista);
  }
  m_bEliminandoVistas = antes;
}

wxView* CProg32Doc::CrearVista(const wxClassInfo* clase) {
  wxObject* objeto = clase != nullptr ? clase->CreateObject() : nullptr;
  std::unique_ptr<wxView> vista(dynamic_cast<wxView*>(objeto));
  if (!vista) {
    delete objeto;
    Avisar("WIN020");
    return nullptr;
  }
  // While the view is being made (and unmade when it fails) the document must not close with its view list.
  const bool antes = m_bCreandoVista;
  m_bCreandoVista = true;
  vista->SetDocument(this);
  const bool creada = vista->OnCreate(this, 0);
  if (!creada) vista.reset();
  m_bCreandoVista = antes;
  if (!creada) {
    Avisar("WIN020");
    return nullptr;
  }
  return vista.release();
}

int CProg32Doc::MostrarPagina(wxClassInfo* clase, int /*argumento*/, int /*recursoMarco*/) {
  if (clase == nullptr) return 0;
  // The page shown lets go of its box first (Prog32DocComandos.cpp).
  if (ConfirmarCampoActivo() == 1 && !IsModified()) Modify(true);
  if (EnfocarCampoPendiente()) return 0;
  if (wxView* abierta = BuscarVista(clase)) {
    abierta->Activate(true);
    // The view made current is not yet the one in front: its page comes forward (its tab, among the open pages),
    // and the focus goes to its active box, or to the page when no box is active.
    if (auto* pagina = dynamic_cast<wxMDIChildFrameBase*>(abierta->GetFrame())) {
      pagina->Activate();
    } else if (wxWindow* marco = abierta->GetFrame()) {
      marco->Raise();
    }
    if (auto* vista = dynamic_cast<CPaginaActiva*>(abierta)) {
      wxWindow* foco = vista->VentanaCampoActivo();
      if (foco == nullptr) foco = vista->VentanaPagina();
      if (foco != nullptr) foco->SetFocus();
    }
    return 1;
  }
  return CrearVista(clase) != nullptr ? 1 : 0;
}

void CProg32Doc::NavegarPagina(int codigo) {
  if (EnfocarCampoPendiente()) return;
  if (m_listaPaginas.empty()) return;
  const int ultima = std::min<int>(m_nUltimaPagina, static_cast<int>(m_listaPaginas.size()) - 1);
  // A page of the form whose class is not in the program keeps its place in the list (page numbers stay those of
  // the form) but is never shown: moving passes over it, and choosing it says so and stays.
  const auto disponible = [this](int i) { return m_listaPaginas[static_cast<std::size_t>(i)] != nullptr; };
  const int indice = IndiceNavegacion(codigo, m_nPaginaActual, ultima, disponible);
  const bool elegida = codigo != kNavegarPrimera && codigo != kNavegarSiguiente && codigo != kNavegarAnterior &&
                       codigo != kNavegarUltima;
  if (elegida && codigo - 1 >= 0 && codigo - 1 <= ultima && !disponible(codigo - 1)) {
    Avisar(kMensajePaginaNoDisponible);
    return;
  }
  if (indice < 0 || indice > ultima || !disponible(indice)) return;
  m_nPaginaActual = indice;
  MostrarPagina(m_listaPaginas[static_cast<std::size_t>(m_nPaginaActual)], 0, 0);
}

int CProg32Doc::AbrirBorrador() {
  wxView* vista = CrearVista(wxClassInfo::FindClass("CPrevista"));
  if (vista == nullptr) return 0;
  PrepararBorrador(*vista);
  wxCommandEvent orden(wxEVT_MENU, kComandoPresentacionBorrador);
  vista->ProcessEvent(orden);
  return 1;
}

void CProg32Doc::PrepararBorrador(wxView& /*vista*/) {}

void CProg32Doc::ActualizarVistas(int pista, wxView* emisor) {
  CPista objeto(pista);
  UpdateAllViews(emisor, &objeto);
}

int CProg32Doc::LeerPagina(int idPagina, PaginaInfo& info, bool avisar) {
  const std::string clave = ClavePagina(idPagina);
  CTabla paginas(DameBaseDatosLocal());
  if (paginas.Abrir(1, kOrdenClave, kTablaPaginas, true) == 0) return 0;
  if (paginas.Buscar(clave, false, kOrdenClave, false) == 0) {
    if (avisar) Avisar("WIN013");
    return 0;
  }
  CTabla gemela(DameBaseDatosLocal());
  if (gemela.Abrir(1, kOrdenClave, NombreTablaIdioma(kTablaPaginas, LetraIdiomaV()), true) == 0) return 0;
  if (gemela.Buscar(clave, false, kOrdenClave, false) == 0) {
    if (avisar) Avisar("MUES008");
    return 0;
  }
  info.idPagina = idPagina;
  info.tipoDec = LeerEnteroCampo(paginas, "TipoDec");
  info.numCuadros = LeerEnteroCampo(paginas, "NumCuadros");
  info.imagen = RutaImagenPagina(
      DirBase(), NombreImagenPagina(LeerTextoCampo(paginas, "FicheroWMF"), clave, m_nTipoDec, LetraIdiomaV()));
  info.titulo = LeerTextoCampo(gemela, "TituloPagi");
  return 1;
}

}  // namespace marco
