// The declaration document's menu commands, page navigation's focus rule, closing, and the draft presentation:
// the members of CProg32Doc that act on its page views, which it reaches through CPaginaActiva (PaginaActiva.h).
#include <wx/app.h>
#include <wx/msgdlg.h>

#include <vector>

#include "framework/BaseDatos.h"
#include "framework/ComandosDocumento.h"
#include "framework/Prog32Doc.h"
#include "framework/PaginaActiva.h"
#include "framework/Tabla.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

CPaginaActiva* CProg32Doc::PaginaActiva() const {
  if (wxDocManager* gestor = GetDocumentManager(); gestor != nullptr && gestor->GetCurrentView() != nullptr) {
    wxView* actual = gestor->GetCurrentView();
    auto* pagina = dynamic_cast<CPaginaActiva*>(actual);
    return pagina != nullptr && actual->GetDocument() == this ? pagina : nullptr;
  }
  for (wxList::compatibility_iterator nodo = m_documentViews.GetFirst(); nodo; nodo = nodo->GetNext()) {
    if (auto* pagina = dynamic_cast<CPaginaActiva*>(static_cast<wxView*>(nodo->GetData()))) return pagina;
  }
  return nullptr;
}

int CProg32Doc::ConfirmarCampoActivo() {
  CPaginaActiva* pagina = PaginaActiva();
  return pagina != nullptr ? pagina->ConfirmarCampoModificado() : 0;
}

bool CProg32Doc::EnfocarCampoPendiente() {
  CPaginaActiva* pagina = PaginaActiva();
  if (pagina == nullptr) return false;
  const int campo = pagina->CampoPendiente();
  if (campo == 0) return false;
  pagina->IrACampoPagina(campo - 1);
  return true;
}

int CProg32Doc::PresentarBorrador() {
  ConfirmarCampoActivo();
  // Saved through the save command's rule, so that a new declaration printed is a kept one.
  const int guardada = Guardar();
  if (guardada != 1) return guardada;
  if (EnfocarCampoPendiente()) return 0;
  if (Validar(0) == 0) {
    if (ServiciosComandos().mostrarHallazgos) ServiciosComandos().mostrarHallazgos(*this);
  } else {
    Imprimir();
  }
  return 1;
}

void CProg32Doc::CerrarOtrasVistas(wxView* vista) {
  std::vector<wxView*> otras;
  for (wxList::compatibility_iterator nodo = m_documentViews.GetFirst(); nodo; nodo = nodo->GetNext()) {
    auto* otra = static_cast<wxView*>(nodo->GetData());
    if (otra != vista) otras.push_back(otra);
  }
  // A view takes its frame with it.
  for (wxView* otra : otras) delete otra;
}

bool CProg32Doc::AdmitePresentacionInternet() const { return false; }

void CProg32Doc::PresentarPorInternet() {}

int CProg32Doc::PreguntarUsuario(const std::string& texto, long estilo) {
  wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  const wxString titulo = wxTheApp != nullptr ? wxTheApp->GetAppDisplayName() : wxString();
  return PreguntaVentana(wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)), titulo, estilo, principal);
}

int CProg32Doc::SaveModified() {
  if (ConfirmarCampoActivo() == 1 && !IsModified()) Modify(true);
  if (!IsModified()) return 1;
  switch (PreguntarUsuario(PreguntaGuardarCambios(DameClave()), wxYES_NO | wxCANCEL | wxICON_QUESTION)) {
    case wxYES:
      OnGuardar();
      return IsModified() ? 0 : 1;
    case wxNO:
      Modify(false);
      return 1;
    default:
      // Cancel, and anything that is no answer, keeps the declaration open.
      return 0;
  }
}

bool CProg32Doc::OnSaveModified() { return SaveModified() == 1; }

bool CProg32Doc::OnCloseDocument() {
  // The close goes ahead (the question, when there was one, is answered): a new declaration never saved leaves
  // the store. One saved just now (Yes) is kept.
  if (m_bNoGuardada != 0) {
    SoltarDeclaracion();
    CTabla tabla(DameBaseDatosRed());
    int borrada = 0;
    if (tabla.Abrir(0, kOrdenClave, kTablaDatosDec) != 0) {
      borrada = tabla.BorrarClave(ClaveBusquedaDeclaracion(DameClave(), tabla.LongitudCampo("clave")), false,
                                  kOrdenClave);
    }
    tabla.Cerrar();
    if (borrada == 0) PreguntarUsuario(std::string(kTextoNoSeBorraDeclaracion), wxOK | wxICON_EXCLAMATION);
    m_bNoGuardada = 0;
  }
  if (ServiciosComandos().ocultarBarraApartados) ServiciosComandos().ocultarBarraApartados();
  const bool cerrado = wxDocument::OnCloseDocument();
  if (ServiciosComandos().limpiarTituloDeclaracion) ServiciosComandos().limpiarTituloDeclaracion();
  return cerrado;
}

void CProg32Doc::OnGuardar() {
  ConfirmarCampoActivo();
  Guardar();
}

void CProg32Doc::OnIrAPagina() {
  if (ServiciosComandos().irAPagina) ServiciosComandos().irAPagina(*this);
}

void CProg32Doc::OnPaginaElegida(int pagina) {
  // Page 100 stands for the personal and family data of a declaration that has them.
  if (pagina == kPaginaDatosPersonales && EditarDatosPersonales()) return;
  NavegarPagina(pagina);
}

bool CProg32Doc::EditarDatosPersonales() { return false; }
void CProg32Doc::OnPrimeraPagina() { NavegarPagina(kNavegarPrimera); }
void CProg32Doc::OnPaginaAnterior() { NavegarPagina(kNavegarAnterior); }
void CProg32Doc::OnPaginaSiguiente() { NavegarPagina(kNavegarSiguiente); }
void CProg32Doc::OnUltimaPagina() { NavegarPagina(kNavegarUltima); }

void CProg32Doc::OnEstadoDeclaracion() {
  ConfirmarCampoActivo();
  Validar(0);
  if (ServiciosComandos().mostrarHallazgos) ServiciosComandos().mostrarHallazgos(*this);
}

void CProg32Doc::OnPresentacionBorrador() {
  // The draft view receives this same command when it opens; it must not open another one.
  if (m_bAbriendoBorrador) return;
  m_bAbriendoBorrador = true;
  AbrirBorrador();
  m_bAbriendoBorrador = false;
}

void CProg32Doc::OnCerrar() {
  if (wxDocManager* gestor = GetDocumentManager(); gestor != nullptr && gestor->GetDocuments().Member(this)) {
    // The manager asks, closes, takes the views away and deletes the document.
    gestor->CloseDocument(this);
    return;
  }
  if (Close()) DeleteAllViews();
}

bool CProg32Doc::ActualizarComando(int comando, bool& habilitado, bool& marcado) {
  marcado = false;
  switch (comando) {
    case kComandoGuardar:
      habilitado = IsModified();
      return true;
    case kComandoPrimeraPagina:
    case kComandoPaginaAnterior:
      habilitado = HayPaginaAnterior(m_nPaginaActual);
      return true;
    case kComandoPaginaSiguiente: {
      // The current index is taken again from the page shown.
      CPaginaActiva* pagina = PaginaActiva();
      int actual = -1;
      if (pagina != nullptr) {
        actual = IndicePaginaDeVista(pagina->IdPagina(), m_nTipoDec);
        m_nPaginaActual = actual;
      }
      habilitado = HayPaginaPosterior(actual, m_nUltimaPagina);
      return true;
    }
    case kComandoUltimaPagina:
      habilitado = HayPaginaPosterior(m_nPaginaActual, m_nUltimaPagina);
      return true;
    case kComandoImportar:
      // An import may overwrite the declaration that is open.
      habilitado = false;
      return true;
    case kComandoExportar:
      // The export command saves the open declaration first, so the file holds what the user sees.
      habilitado = true;
      return true;
    case kComandoPresentacionInternet:
      habilitado = AdmitePresentacionInternet();
      return true;
    case kComandoApartados:
      habilitado = true;
      marcado = ServiciosComandos().barraApartadosVisible && ServiciosComandos().barraApartadosVisible();
      return true;
    default:
      return false;
  }
}

bool CProg32Doc::EjecutarComando(int comando, int entero) {
  switch (comando) {
    case kComandoGuardar:
      OnGuardar();
      return true;
    case kComandoIrAPaginaMenu:
    case kComandoIrAPagina:
      OnIrAPagina();
      return true;
    case kComandoPaginaElegida:
      OnPaginaElegida(entero);
      return true;
    case kComandoPrimeraPagina:
      OnPrimeraPagina();
      return true;
    case kComandoPaginaAnterior:
      OnPaginaAnterior();
      return true;
    case kComandoPaginaSiguiente:
      OnPaginaSiguiente();
      return true;
    case kComandoUltimaPagina:
      OnUltimaPagina();
      return true;
    case kComandoEstadoDeclaracion:
      OnEstadoDeclaracion();
      return true;
    case kComandoPresentacionInternet:
      if (AdmitePresentacionInternet()) PresentarPorInternet();
      return true;
    case kComandoBorrador:
      if (m_bAbriendoBorrador) return false;
      OnPresentacionBorrador();
      return true;
    case kComandoCerrar:
      // Nothing may touch the document after this: it may be gone.
      OnCerrar();
      return true;
    default:
      return false;
  }
}

bool CProg32Doc::TryBefore(wxEvent& evento) {
  if (evento.GetEventType() == wxEVT_MENU) {
    auto& orden = static_cast<wxCommandEvent&>(evento);
    if (EjecutarComando(ComandoDeWx(orden.GetId()), orden.GetInt())) return true;
  } else if (evento.GetEventType() == wxEVT_UPDATE_UI) {
    auto& actualizar = static_cast<wxUpdateUIEvent&>(evento);
    bool habilitado = true;
    bool marcado = false;
    const int comando = ComandoDeWx(actualizar.GetId());
    if (ActualizarComando(comando, habilitado, marcado)) {
      actualizar.Enable(habilitado);
      // The page's context menu carries it as a plain entry, which cannot be checked.
      if (comando == kComandoApartados && actualizar.IsCheckable()) actualizar.Check(marcado);
      return true;
    }
  }
  return wxDocument::TryBefore(evento);
}

}  // namespace marco
