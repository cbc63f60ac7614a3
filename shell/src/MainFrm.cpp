#include "shell/MainFrm.h"

#include <algorithm>
#include <map>
#include <memory>
#include <span>

#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/display.h>
#include <wx/laywin.h>
#include <wx/mdi.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>

#include "framework/BaseDatos.h"
#include "framework/ComandosDocumento.h"
#include "framework/PaginaActiva.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/TextosVentana.h"
#include "platform/Perfil.h"
#include "platform/Texto.h"
#include "shell/ArbolApartados.h"
#include "shell/Comandos.h"
#include "shell/DlgIntercambio.h"
#include "shell/Intercambio.h"
#include "shell/Idiomas.h"
#include "shell/IrAApartado.h"
#include "shell/Prog32App.h"

namespace shell {

namespace {

// The section bar is never narrower than this, whatever the profile kept: a narrower tree cannot be read.
constexpr int kAnchoMinimoBarra = 220;

// The page a tree item stands for: its number in its form.
class CDatosApartado : public wxTreeItemData {
 public:
  explicit CDatosApartado(int numero) : m_nNumero(numero) {}
  int DameNumero() const { return m_nNumero; }

 private:
  int m_nNumero;
};

// A plain drawn square with a letter or two.
wxBitmap IconoLetras(const wxString& letra) {
  wxBitmap bitmap;
  bitmap.Create(16, 16);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  dc.SetPen(*wxBLACK_PEN);
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(0, 0, 16, 16);
  dc.SetFont(wxFont(wxFontInfo(letra.length() > 1 ? 6 : 8).Bold()));
  const wxSize tamano = dc.GetTextExtent(letra);
  dc.DrawText(letra, std::max(0, (16 - tamano.GetWidth()) / 2), std::max(0, (16 - tamano.GetHeight()) / 2));
  dc.SelectObject(wxNullBitmap);
  return bitmap;
}

// A tool picture from the theme; the drawn letter when the theme has none.
wxBitmap Icono(const wxArtID& id, const wxString& letra) {
  wxBitmap bitmap = wxArtProvider::GetBitmap(id, wxART_TOOLBAR, wxSize(16, 16));
  return bitmap.IsOk() ? bitmap : IconoLetras(letra);
}

// The picture of a tool bar command.
wxBitmap IconoComando(int comando) {
  switch (comando) {
    case kComandoNuevo: return Icono(wxART_NEW, "N");
    case kComandoAbrir: return Icono(wxART_FILE_OPEN, "A");
    case marco::kComandoGuardar: return Icono(wxART_FILE_SAVE, "G");
    case marco::kComandoBorrador: return Icono(wxART_FIND, "B");
    case marco::kComandoImprimir: return Icono(wxART_PRINT, "I");
    case marco::kComandoEstadoDeclaracion: return Icono(wxART_TIP, "E");
    case marco::kComandoPrimeraPagina: return Icono(wxART_GOTO_FIRST, "1");
    case marco::kComandoPaginaAnterior: return Icono(wxART_GO_BACK, "<");
    case marco::kComandoPaginaSiguiente: return Icono(wxART_GO_FORWARD, ">");
    case marco::kComandoUltimaPagina: return Icono(wxART_GOTO_LAST, "U");
    case kComandoApartados: return Icono(wxART_LIST_VIEW, "L");
    case kComandoAcercaDe: return Icono(wxART_HELP, "?");
    // The persons have no picture in the themes: their letters.
    case marco::kComandoUnidadFamiliar: return IconoLetras("UF");
    case marco::kComandoDeclarante: return IconoLetras("D");
    case marco::kComandoConyuge: return IconoLetras("C");
    case marco::kComandoHijo1: return IconoLetras("H1");
    case marco::kComandoHijo2: return IconoLetras("H2");
    default: break;
  }
  return Icono(wxART_MISSING_IMAGE, "?");
}

// A menu text with its accelerator: the text is translated, the accelerator after the tab is kept as it is.
wxString TextoMenu(std::string_view texto) {
  const std::size_t tab = texto.find('\t');
  if (tab == std::string_view::npos) return Traduce(texto);
  return Traduce(texto.substr(0, tab)) + wxString::FromUTF8(texto.data() + tab, texto.size() - tab);
}

wxString TituloGrupo(int grupo) {
  switch (grupo) {
    case 100: return Traduce("Declaración simplificada (D-101)");
    case 200: return Traduce("Declaración ordinaria (D-100)");
    case 300: return Traduce("Patrimonio (D-714)");
    default: break;
  }
  return Traduce("Otras páginas");
}

}  // namespace

CMainFrame::CMainFrame(CProg32App& aplicacion, wxDocManager* gestor)
    : wxDocMDIParentFrame(gestor, nullptr, wxID_ANY, Traduce("Korvelix"), wxDefaultPosition, wxSize(800, 600),
                          wxDEFAULT_FRAME_STYLE | wxFRAME_NO_WINDOW_MENU),
      m_aplicacion(aplicacion) {
  Bind(wxEVT_CLOSE_WINDOW, &CMainFrame::AlCerrar, this);
  Bind(wxEVT_ACTIVATE, &CMainFrame::AlActivar, this);
  Bind(wxEVT_SIZE, &CMainFrame::AlTamano, this);
  Bind(wxEVT_MOVE, &CMainFrame::AlMover, this);
  Bind(EVT_IR_A_APARTADO, &CMainFrame::AlIrAApartado, this);
  for (int comando : {kComandoNuevo, kComandoAbrir, kComandoAcercaDe, kComandoSalir, kComandoBarraHerramientas,
                      kComandoBarraEstado, kComandoApartados}) {
    Bind(wxEVT_MENU, &CMainFrame::AlComando, this, IdWxComando(comando));
  }
  for (int comando : {kComandoBarraHerramientas, kComandoBarraEstado, kComandoApartados}) {
    Bind(wxEVT_UPDATE_UI, &CMainFrame::AlActualizarBarras, this, IdWxComando(comando));
  }
  // Exchange files: an import only while no declaration is open (it could overwrite it); an export saves the
  // open declaration first.
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { OnImportar(this); }, IdWxComando(marco::kComandoImportar));
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { AlExportar(); }, IdWxComando(marco::kComandoExportar));
  // The calculator and help. A page view takes the calculator first (with an active box the figure goes into it);
  // what reaches the frame has no box: the calculator alone. "Ayuda" of a box's menu arrives here too.
  Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_aplicacion.AbrirCalculadora(this, false); },
       IdWxComando(marco::kComandoCalculadora));
  for (int comando : {kComandoTemasAyuda, marco::kComandoAyuda}) {
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { m_aplicacion.MostrarAyuda(0); }, IdWxComando(comando));
  }
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(m_aplicacion.DameDocumentoActivo() == nullptr); },
       IdWxComando(marco::kComandoImportar));
  Bind(wxEVT_UPDATE_UI, [this](wxUpdateUIEvent& e) { e.Enable(marco::DameBaseDatosRed() != nullptr); },
       IdWxComando(marco::kComandoExportar));
  // The commands of a declaration reach its document (and its page view) first, which enables them by its own
  // rules; what comes here finds no declaration to act on.
  for (const SMenuPrincipal& menu : MenusPrincipales()) {
    for (const SOpcionMenu& opcion : OrdenesDelMenu(menu)) {
      if (!NecesitaDeclaracion(opcion.comando)) continue;
      Bind(wxEVT_UPDATE_UI, &CMainFrame::AlActualizarDeclaracion, this, IdWxComando(opcion.comando));
    }
  }
  for (const SIdiomaInterfaz& idioma : kIdiomasInterfaz) {
    Bind(wxEVT_MENU, &CMainFrame::AlIdioma, this, IdWxComando(idioma.comando));
    Bind(wxEVT_UPDATE_UI, &CMainFrame::AlActualizarIdioma, this, IdWxComando(idioma.comando));
  }
}

CMainFrame::~CMainFrame() {
  if (!m_bRetirado) {
    RecogerEstadoVentana();
    GuardarPerfil(m_aplicacion.Perfil());
    m_aplicacion.Perfil().Guardar();
  }
  // The program ends with its main window, even when some other window was left behind (a hidden dialog, a
  // preview): such a window would keep the message loop running with nothing on the screen.
  m_aplicacion.MarcoDestruido(this);
}

void CMainFrame::Retirar() {
  if (m_bRetirado) return;
  RecogerEstadoVentana();
  GuardarPerfil(m_aplicacion.Perfil());
  m_aplicacion.Perfil().Guardar();
  m_bRetirado = true;
}

bool CMainFrame::Crear() {
  LeerPerfil(m_aplicacion.Perfil(), m_aplicacion.Carpetas());
  m_aplicacion.Perfil().Guardar();
  const SAjustesPrograma& ajustes = AjustesPrograma();
  CrearMenus();
  CrearBarras();
  LlenarArbol();

  m_colocacion = ColocacionDesdePerfil(ajustes.estado, ajustes.posicion);
  if (plataforma::Recorta(ajustes.posicion).empty()) {
    const wxRect area = wxDisplay(wxDisplay::GetFromWindow(this) != wxNOT_FOUND
                                      ? static_cast<unsigned>(wxDisplay::GetFromWindow(this))
                                      : 0u)
                            .GetClientArea();
    m_colocacion.normal = RectanguloPrimerArranque(
        SRectangulo{area.GetLeft(), area.GetTop(), area.GetLeft() + area.GetWidth(), area.GetTop() + area.GetHeight()});
  }
  m_rectNormal = m_colocacion.normal;
  const SRectangulo& r = m_colocacion.normal;
  SetSize(r.izquierda, r.arriba, r.derecha - r.izquierda, r.abajo - r.arriba);
  if (GetToolBar() != nullptr) GetToolBar()->Show(ajustes.barTool != 0);
  if (GetStatusBar() != nullptr) GetStatusBar()->Show(ajustes.barStat != 0);
  RecolocarCliente();
  return true;
}

void CMainFrame::Mostrar() {
  switch (m_colocacion.mostrar) {
    case EMostrarVentana::Normal:
      // Some window managers place a new window where they like: when the window manager has placed it, it is
      // moved where it was (a move of a shown window is honoured), so it opens where the user left it.
      m_bColocarAlMostrar = true;
      Show();
      break;
    case EMostrarVentana::Minimizada:
      Show();
      Iconize(true);
      break;
    case EMostrarVentana::Maximizada:
      Show();
      Maximize(true);
      break;
  }
  RecolocarCliente();
}

void CMainFrame::CrearMenus() {
  auto* menus = new wxMenuBar;
  const auto menusPrincipales = MenusPrincipales();
  for (std::size_t m = 0; m < menusPrincipales.size(); ++m) {
    const SMenuPrincipal& principal = menusPrincipales[m];
    if (m + 1 == menusPrincipales.size()) {
      // The language menu goes before the last one ("Ayuda").
      auto* idioma = new wxMenu;
      for (const SIdiomaInterfaz& i : kIdiomasInterfaz) {
        idioma->AppendCheckItem(IdWxComando(i.comando), wxString::FromUTF8(i.texto.data(), i.texto.size()));
      }
      menus->Append(idioma, Traduce("&Idioma"));
    }
    menus->Append(CrearMenu(principal.opciones).release(), Traduce(principal.titulo));
  }
  SetMenuBar(menus);
}

std::unique_ptr<wxMenu> CMainFrame::CrearMenu(std::span<const SOpcionMenu> opciones) {
  auto menu = std::make_unique<wxMenu>();
  for (const SOpcionMenu& opcion : opciones) {
    switch (opcion.tipo) {
      case ETipoOpcion::Separador: menu->AppendSeparator(); break;
      case ETipoOpcion::Marca: menu->AppendCheckItem(IdWxComando(opcion.comando), TextoMenu(opcion.texto)); break;
      case ETipoOpcion::Normal: menu->Append(IdWxComando(opcion.comando), TextoMenu(opcion.texto)); break;
      case ETipoOpcion::Submenu:
        menu->AppendSubMenu(CrearMenu(opcion.submenu).release(), TextoMenu(opcion.texto));
        break;
    }
  }
  return menu;
}

void CMainFrame::CrearBarras() {
  wxToolBar* herramientas = CreateToolBar(wxTB_HORIZONTAL | wxTB_FLAT, IdWxComando(kIdBarraHerramientas));
  for (const SBotonHerramienta& boton : BotonesHerramientas()) {
    if (boton.tipo == ETipoOpcion::Separador) {
      herramientas->AddSeparator();
      continue;
    }
    const wxBitmap imagen = IconoComando(boton.comando);
    if (boton.tipo == ETipoOpcion::Marca) {
      herramientas->AddCheckTool(IdWxComando(boton.comando), Traduce(boton.texto), imagen, wxNullBitmap,
                                 Traduce(boton.ayuda));
    } else {
      herramientas->AddTool(IdWxComando(boton.comando), Traduce(boton.texto), imagen, Traduce(boton.ayuda));
    }
  }
  herramientas->Realize();

  wxStatusBar* estado = CreateStatusBar(3, wxSTB_DEFAULT_STYLE, IdWxComando(kIdBarraEstado));
  const int anchos[3] = {-1, 150, 150};
  estado->SetStatusWidths(3, anchos);
  estado->SetStatusText(Traduce("Preparado"), 0);

  const SAjustesPrograma& ajustes = AjustesPrograma();
  m_nAnchoBarra = std::max(static_cast<int>(ajustes.barApartadosX), kAnchoMinimoBarra);
  m_pBarraApartados = new wxSashLayoutWindow(this, IdWxComando(kIdBarraApartados), wxDefaultPosition, wxDefaultSize,
                                             wxSW_3D | wxCLIP_CHILDREN);
  m_pBarraApartados->SetDefaultSize(wxSize(m_nAnchoBarra, 1000));
  m_pBarraApartados->SetOrientation(wxLAYOUT_VERTICAL);
  m_pBarraApartados->SetAlignment(wxLAYOUT_LEFT);
  m_pBarraApartados->SetSashVisible(wxSASH_RIGHT, true);
  m_pBarraApartados->Bind(wxEVT_SASH_DRAGGED, &CMainFrame::AlArrastrarBarra, this);
  m_pArbol = new wxTreeCtrl(m_pBarraApartados, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                            wxTR_DEFAULT_STYLE | wxTR_HIDE_ROOT | wxTR_SINGLE);
  m_pArbol->Bind(wxEVT_TREE_ITEM_ACTIVATED, &CMainFrame::AlElegirApartado, this);
  m_pBarraApartados->Show(ajustes.barApartados >= 1 && ajustes.barApartados != 3);
}

void CMainFrame::LlenarArbol() {
  m_pArbol->DeleteAllItems();
  const wxTreeItemId raiz = m_pArbol->AddRoot(Traduce("Apartados"));
  std::map<int, wxTreeItemId> grupos;
  const std::vector<SApartado> apartados = LeerApartados(marco::DameBaseDatosLocal(), marco::LetraIdiomaV());
  for (const int grupo : {100, 200, 300}) {
    for (const SApartado& apartado : apartados) {
      if (!PaginaDelGrupo(apartado.idPagina, grupo)) continue;
      auto [posicion, nuevo] = grupos.try_emplace(grupo);
      if (nuevo) posicion->second = m_pArbol->AppendItem(raiz, TituloGrupo(grupo));
      const int numero = NumeroEnGrupo(apartado.idPagina, grupo);
      wxString texto = wxString::Format("%d. ", numero);
      texto += apartado.titulo.empty() ? Traduce("Página") : wxString::FromUTF8(plataforma::Cp1252AUtf8(apartado.titulo));
      m_pArbol->AppendItem(posicion->second, texto, -1, -1, new CDatosApartado(numero));
    }
  }
}

void CMainFrame::MostrarApartados(int grupo) {
  wxTreeItemIdValue galleta;
  const wxTreeItemId raiz = m_pArbol->GetRootItem();
  if (raiz.IsOk()) {
    for (wxTreeItemId hijo = m_pArbol->GetFirstChild(raiz, galleta); hijo.IsOk();
         hijo = m_pArbol->GetNextChild(raiz, galleta)) {
      if (m_pArbol->GetItemText(hijo) == TituloGrupo(grupo)) {
        m_pArbol->Expand(hijo);
        m_pArbol->SelectItem(hijo);
      } else {
        m_pArbol->Collapse(hijo);
      }
    }
  }
  const SAjustesPrograma& ajustes = AjustesPrograma();
  m_pBarraApartados->Show(ajustes.barApartados >= 1 && ajustes.barApartados != 3);
  RecolocarCliente();
}

bool CMainFrame::BarraApartadosVisible() const { return m_pBarraApartados != nullptr && m_pBarraApartados->IsShown(); }

void CMainFrame::OcultarBarraApartados() {
  if (m_bCerrando || m_pBarraApartados == nullptr) return;
  SAjustesPrograma& ajustes = AjustesPrograma();
  ajustes.barApartados = m_pBarraApartados->IsShown() ? 2 : 0;
  ajustes.barApartadosX = m_nAnchoBarra;
  ajustes.barApartadosY = m_pBarraApartados->GetSize().GetHeight() > 0 ? m_pBarraApartados->GetSize().GetHeight()
                                                                       : ajustes.barApartadosY;
  m_pBarraApartados->Hide();
  RecolocarCliente();
}

void CMainFrame::RecolocarCliente() {
  wxMDIClientWindowBase* cliente = GetClientWindow();
  if (cliente == nullptr) return;
  // A frame not yet given its size has no room to share out (the layout would give negative sizes).
  const int anchoBarra = BarraApartadosVisible() ? m_nAnchoBarra : 0;
  if (GetClientSize().GetWidth() <= anchoBarra || GetClientSize().GetHeight() <= 0) return;
  const wxSize antes = cliente->GetSize();
  wxLayoutAlgorithm().LayoutMDIFrame(this);
  const wxSize cambio = cliente->GetSize() - antes;
  if (cambio.GetWidth() >= 0 && cambio.GetHeight() >= 0) return;
  // The toolkit never gives the pages' area less room than its pages take: when the area shrinks (the section
  // bar shown, the window made smaller) the pages shrink first by as much, or the area would keep its old size
  // and run past the window's edge and over the status bar.
  const wxSize menos(std::min(cambio.GetWidth(), 0), std::min(cambio.GetHeight(), 0));
  auto encoger = [&menos](wxWindow* ventana) {
    const wxSize tamano = ventana->GetSize() + menos;
    ventana->SetSize(wxSize(std::max(tamano.GetWidth(), 1), std::max(tamano.GetHeight(), 1)));
  };
  for (wxWindow* pagina : cliente->GetChildren()) {
    if (pagina->IsTopLevel()) continue;
    encoger(pagina);
    for (wxWindow* hijo : pagina->GetChildren()) {
      if (!hijo->IsTopLevel()) encoger(hijo);
    }
  }
  // Once the toolkit has given the pages their room, each lays its view out over all of it.
  CallAfter([this] {
    if (wxMDIClientWindowBase* area = GetClientWindow()) {
      for (wxWindow* pagina : area->GetChildren()) {
        if (!pagina->IsTopLevel()) pagina->SendSizeEvent();
      }
    }
  });
}

void CMainFrame::RecogerEstadoVentana() {
  SAjustesPrograma& ajustes = AjustesPrograma();
  EMostrarVentana estado = EMostrarVentana::Normal;
  if (IsIconized()) {
    estado = EMostrarVentana::Minimizada;
  } else if (IsMaximized()) {
    estado = EMostrarVentana::Maximizada;
  } else {
    const wxRect r = GetRect();
    m_rectNormal = SRectangulo{r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight()};
  }
  ajustes.estado = EstadoParaPerfil(estado);
  ajustes.posicion = TextoPosicion(m_rectNormal);
  if (GetToolBar() != nullptr) ajustes.barTool = GetToolBar()->IsShown() ? 1 : 0;
  if (GetStatusBar() != nullptr) ajustes.barStat = GetStatusBar()->IsShown() ? 1 : 0;
  if (m_pBarraApartados != nullptr && !m_bCerrando) {
    ajustes.barApartados = m_pBarraApartados->IsShown() ? 2 : 0;
    ajustes.barApartadosX = m_nAnchoBarra;
  }
}

int CMainFrame::OnIrAApartado(int pagina, long casilla, bool deHallazgo) {
  marco::CProg32Doc* documento = m_aplicacion.DameDocumentoActivo();
  if (documento == nullptr) return 1;
  // The family data wizard is the income-tax document's own; a declaration without one has no page 100 either.
  if (pagina == kPaginaAsistenteFamilia) return documento->EditarDatosPersonales() ? 1 : 0;
  if (deHallazgo && pagina != 0) {
    const auto& lista = documento->ListaPaginas();
    if (pagina < 0 || static_cast<std::size_t>(pagina) > lista.size()) return 0;
    documento->IrAHallazgo(pagina, casilla);
    return 1;
  }
  marco::CPaginaActiva* vista = nullptr;
  if (pagina != 0) {
    const auto& lista = documento->ListaPaginas();
    // A page that the declaration does not have is refused rather than looked up past the list's end.
    if (pagina < 0 || static_cast<std::size_t>(pagina) > lista.size()) return 0;
    wxClassInfo* clase = lista[static_cast<std::size_t>(pagina - 1)];
    if (documento->MostrarPagina(clase, static_cast<int>(casilla), 0) == 0) return 0;
    documento->PonerPaginaActual(pagina - 1);
    // The page just shown: a page opened now is not yet the current view of the frame.
    vista = dynamic_cast<marco::CPaginaActiva*>(documento->BuscarVista(clase));
  } else {
    vista = documento->PaginaActiva();
  }
  if (vista != nullptr && casilla >= 0) vista->IrACampoPagina(static_cast<int>(casilla));
  return 1;
}

void CMainFrame::PonerTextoEstado(int panel, const wxString& texto) {
  wxStatusBar* estado = GetStatusBar();
  if (estado != nullptr && panel >= 0 && panel < estado->GetFieldsCount()) estado->SetStatusText(texto, panel);
}

void CMainFrame::AlCerrar(wxCloseEvent& evento) {
  if (evento.CanVeto() && m_aplicacion.CerrarDeclaraciones() == 0) {
    evento.Veto();
    return;
  }
  RecogerEstadoVentana();
  m_bCerrando = true;
  evento.Skip();
  // The program ends with this window, whatever loop it is closed from.
  m_aplicacion.MarcoCerrado(this);
}

void CMainFrame::AlTamano(wxSizeEvent& evento) {
  if (!IsIconized() && !IsMaximized()) {
    const wxRect r = GetRect();
    m_rectNormal = SRectangulo{r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight()};
  }
  RecolocarCliente();
  evento.Skip();
}

void CMainFrame::AlMover(wxMoveEvent& evento) {
  if (m_bColocarAlMostrar && IsShown() && !IsIconized() && !IsMaximized()) {
    m_bColocarAlMostrar = false;
    const SRectangulo& r = m_colocacion.normal;
    if (GetPosition() != wxPoint(r.izquierda, r.arriba)) {
      CallAfter([this] {
        const SRectangulo& normal = m_colocacion.normal;
        SetSize(normal.izquierda, normal.arriba, normal.derecha - normal.izquierda, normal.abajo - normal.arriba);
      });
      evento.Skip();
      return;
    }
  }
  if (!IsIconized() && !IsMaximized()) {
    const wxRect r = GetRect();
    m_rectNormal = SRectangulo{r.GetLeft(), r.GetTop(), r.GetLeft() + r.GetWidth(), r.GetTop() + r.GetHeight()};
  }
  evento.Skip();
}

void CMainFrame::AlArrastrarBarra(wxSashEvent& evento) {
  if (evento.GetDragStatus() == wxSASH_STATUS_OUT_OF_RANGE) return;
  m_nAnchoBarra = std::max(evento.GetDragRect().GetWidth(), kAnchoMinimoBarra);
  m_pBarraApartados->SetDefaultSize(wxSize(m_nAnchoBarra, 1000));
  RecolocarCliente();
}

void CMainFrame::AlElegirApartado(wxTreeEvent& evento) {
  const auto* datos = dynamic_cast<CDatosApartado*>(m_pArbol->GetItemData(evento.GetItem()));
  if (datos == nullptr) return;
  PedirIrAApartado(this, datos->DameNumero(), 0);
}

void CMainFrame::AlIrAApartado(wxCommandEvent& evento) {
  OnIrAApartado(evento.GetInt(), evento.GetExtraLong(), evento.GetString() == kOrigenHallazgo);
}

void CMainFrame::AlComando(wxCommandEvent& evento) {
  switch (ComandoDeIdWx(evento.GetId())) {
    case kComandoNuevo: m_aplicacion.ElegirDeclaracion(1); break;
    case kComandoAbrir: m_aplicacion.ElegirDeclaracion(0); break;
    case kComandoSalir: Close(); break;
    case kComandoAcercaDe:
      marco::PreguntaVentana(Traduce("Korvelix\nDeclaraciones de la Renta y del Patrimonio, ejercicio 1999."),
                             Traduce("Acerca de Korvelix"), wxOK | wxICON_INFORMATION, this);
      break;
    case kComandoBarraHerramientas:
      if (GetToolBar() != nullptr) GetToolBar()->Show(!GetToolBar()->IsShown());
      SendSizeEvent();
      break;
    case kComandoBarraEstado:
      if (GetStatusBar() != nullptr) GetStatusBar()->Show(!GetStatusBar()->IsShown());
      SendSizeEvent();
      break;
    case kComandoApartados:
      if (BarraApartadosVisible()) {
        OcultarBarraApartados();
      } else {
        m_pBarraApartados->Show();
        AjustesPrograma().barApartados = 2;
        RecolocarCliente();
      }
      break;
    default: evento.Skip(); break;
  }
}

void CMainFrame::AlActualizarDeclaracion(wxUpdateUIEvent& evento) {
  evento.Enable(m_aplicacion.DameDocumentoActivo() != nullptr);
}

bool CMainFrame::TryBefore(wxEvent& evento) {
  // With no declaration open its commands are disabled here, before the document manager's own rules (which
  // would offer printing and preview of nothing).
  if (evento.GetEventType() == wxEVT_UPDATE_UI && m_aplicacion.DameDocumentoActivo() == nullptr &&
      NecesitaDeclaracion(ComandoDeIdWx(evento.GetId()))) {
    static_cast<wxUpdateUIEvent&>(evento).Enable(false);
    return true;
  }
  return wxDocMDIParentFrame::TryBefore(evento);
}

void CMainFrame::AlActivar(wxActivateEvent& evento) {
  evento.Skip();
  if (!evento.GetActive()) return;
  // The window manager may bring the main window over a dialog that was shown while the main window was still
  // being mapped: a modal dialog over it comes back on top.
  for (wxWindow* ventana : wxTopLevelWindows) {
    auto* dialogo = dynamic_cast<wxDialog*>(ventana);
    if (dialogo != nullptr && dialogo->IsModal() && dialogo->IsShown() && dialogo->GetParent() == this) {
      dialogo->Raise();
    }
  }
  // Coming back from a dialog or a menu, the toolkit gives the focus to the child that last had it, which is not
  // the box a page activated meanwhile (a page shown from the go-to-page dialog): the page's active box takes it,
  // unless the user put the focus somewhere else (the section tree, a box).
  CallAfter([this] { DevolverFocoAPagina(); });
}

void CMainFrame::DevolverFocoAPagina() {
  marco::CProg32Doc* documento = m_aplicacion.DameDocumentoActivo();
  marco::CPaginaActiva* vista = documento != nullptr ? documento->PaginaActiva() : nullptr;
  wxWindow* caja = vista != nullptr ? vista->VentanaCampoActivo() : nullptr;
  if (caja == nullptr || !IsActive()) return;
  wxWindow* foco = wxWindow::FindFocus();
  if (foco == caja) return;
  if (foco != nullptr && ((dynamic_cast<wxTextCtrl*>(foco) != nullptr && foco->IsShownOnScreen()) || foco == m_pArbol ||
                          dynamic_cast<wxDialog*>(wxGetTopLevelParent(foco)) != nullptr)) {
    return;
  }
  caja->SetFocus();
}

void CMainFrame::AlExportar() {
  if (marco::CProg32Doc* documento = m_aplicacion.DameDocumentoActivo(); documento != nullptr) {
    // The file gets what the user sees: the box being edited and any change are saved first. A save that
    // failed has said why, and nothing is exported.
    if (documento->ConfirmarCampoActivo() == 1 && !documento->IsModified()) documento->Modify(true);
    if (documento->IsModified() || documento->DameNoGuardada()) {
      documento->OnGuardar();
      if (documento->IsModified()) return;
    }
    const SSeleccionExportacion seleccion{documento->DameTipoDec() == marco::kTipoDecPatrimonio
                                              ? EClaseIntercambio::Patrimonio
                                              : EClaseIntercambio::Renta,
                                          documento->DameClave()};
    OnExportar(this, &seleccion);
    return;
  }
  OnExportar(this);
}

void CMainFrame::AlIdioma(wxCommandEvent& evento) {
  const SIdiomaInterfaz* idioma = IdiomaDeComando(ComandoDeIdWx(evento.GetId()));
  if (idioma != nullptr) m_aplicacion.CambiarIdioma(idioma->letra);
}

void CMainFrame::AlActualizarIdioma(wxUpdateUIEvent& evento) {
  const SEstadoComandoIdioma estado =
      EstadoComandoIdioma(ComandoDeIdWx(evento.GetId()), AjustesPrograma().idioDisp, marco::LetraIdiomaV());
  evento.Enable(estado.habilitado);
  evento.Check(estado.marcado);
}

void CMainFrame::AlActualizarBarras(wxUpdateUIEvent& evento) {
  // A context menu may carry the command as a plain entry, which cannot be checked.
  if (!evento.IsCheckable()) return;
  switch (ComandoDeIdWx(evento.GetId())) {
    case kComandoBarraHerramientas: evento.Check(GetToolBar() != nullptr && GetToolBar()->IsShown()); break;
    case kComandoBarraEstado: evento.Check(GetStatusBar() != nullptr && GetStatusBar()->IsShown()); break;
    case kComandoApartados: evento.Check(BarraApartadosVisible()); break;
    default: break;
  }
}

}  // namespace shell
