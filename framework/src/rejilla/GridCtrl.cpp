#include "framework/GridCtrl.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/utils.h>

#include <cairo.h>

#include <cmath>
#include <ctime>

#include "platform/Texto.h"

namespace marco {

wxDEFINE_EVENT(EVT_GRID_NOTIFICACION, CGridEvento);
wxDEFINE_EVENT(EVT_GRID_DOBLE_CLIC, CGridEvento);
wxDEFINE_EVENT(EVT_GRID_CLIC, CGridEvento);

namespace {

std::string A1252(const wxString& texto) { return plataforma::Utf8ACp1252(std::string(texto.utf8_str())); }
wxString DeTexto1252(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

std::uint32_t ColorRef(const wxColour& c) {
  return static_cast<std::uint32_t>(c.Red()) | (static_cast<std::uint32_t>(c.Green()) << 8) |
         (static_cast<std::uint32_t>(c.Blue()) << 16);
}

}  // namespace

// ---- conversions at the window boundary

plataforma::CFuente CGridCtrl::FuenteDeWx(const wxFont& fuente) {
  plataforma::CFuente f;
  if (!fuente.IsOk()) return f;
  const std::string nombre = A1252(fuente.GetFaceName());
  if (!nombre.empty()) f.nombre = nombre;
  // The canvas works at 96 dots per inch: a point is 4/3 of a pixel.
  const double puntos = fuente.GetFractionalPointSize();
  const int pixeles = puntos > 0 ? static_cast<int>(std::lround(puntos * 96.0 / 72.0)) : fuente.GetPixelSize().y;
  f.alto = -std::max(pixeles, 1);
  f.peso = fuente.GetNumericWeight();
  f.cursiva = fuente.GetStyle() != wxFONTSTYLE_NORMAL;
  f.subrayada = fuente.GetUnderlined();
  f.tachada = fuente.GetStrikethrough();
  return f;
}

wxFont CGridCtrl::FuenteAWx(const plataforma::CFuente& f) {
  wxFontInfo info(wxSize(0, std::max(1, std::abs(f.alto))));
  info.FaceName(DeTexto1252(f.nombre)).Weight(f.peso).Italic(f.cursiva).Underlined(f.subrayada).Strikethrough(f.tachada);
  return wxFont(info);
}

SColoresGrid CGridCtrl::LeerColoresSistema() {
  SColoresGrid c;
  c.ventana = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
  c.textoVentana = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
  c.caraBoton = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  c.sombraBoton = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNSHADOW));
  c.luzBoton = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNHIGHLIGHT));
  c.claroBoton = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_3DLIGHT));
  c.sombraOscura = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_3DDKSHADOW));
  c.resalte = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
  c.textoResalte = ColorRef(wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHTTEXT));
  return c;
}

ETeclaGrid CGridCtrl::TeclaDeWx(int codigo) {
  switch (codigo) {
    case WXK_UP: case WXK_NUMPAD_UP: return ETeclaGrid::Arriba;
    case WXK_DOWN: case WXK_NUMPAD_DOWN: return ETeclaGrid::Abajo;
    case WXK_LEFT: case WXK_NUMPAD_LEFT: return ETeclaGrid::Izquierda;
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return ETeclaGrid::Derecha;
    case WXK_PAGEUP: case WXK_NUMPAD_PAGEUP: return ETeclaGrid::RePag;
    case WXK_PAGEDOWN: case WXK_NUMPAD_PAGEDOWN: return ETeclaGrid::AvPag;
    case WXK_HOME: case WXK_NUMPAD_HOME: return ETeclaGrid::Inicio;
    case WXK_END: case WXK_NUMPAD_END: return ETeclaGrid::Fin;
    case WXK_TAB: return ETeclaGrid::Tab;
    case WXK_RETURN: case WXK_NUMPAD_ENTER: return ETeclaGrid::Intro;
    case WXK_ESCAPE: return ETeclaGrid::Escape;
    case WXK_DELETE: case WXK_NUMPAD_DELETE: return ETeclaGrid::Suprimir;
    case WXK_BACK: return ETeclaGrid::Retroceso;
    case WXK_SPACE: return ETeclaGrid::Espacio;
    default: return ETeclaGrid::Otra;
  }
}

// ---- construction

CGridCtrl::CGridCtrl(int filas, int columnas, int filasFijas, int columnasFijas)
    : m_modelo(filas, columnas, filasFijas, columnasFijas, LeerColoresSistema()),
      m_raton(m_modelo),
      m_temporizador(this, kTemporizadorAutoDesplazamiento) {
  m_modelo.PonAviso([this](int codigo, int fila, int columna) { EnviarAviso(codigo, fila, columna); });
}

CGridCtrl::CGridCtrl(wxWindow* padre, wxWindowID id, const wxPoint& posicion, const wxSize& tamano, int filas,
                     int columnas, int filasFijas, int columnasFijas)
    : CGridCtrl(filas, columnas, filasFijas, columnasFijas) {
  Create(padre, id, posicion, tamano);
}

CGridCtrl::~CGridCtrl() {
  m_temporizador.Stop();
  m_modelo.PonAviso(nullptr);
}

bool CGridCtrl::Create(wxWindow* padre, wxWindowID id, const wxPoint& posicion, const wxSize& tamano, long estilo) {
  if (m_bCreada) return true;
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  if (!wxWindow::Create(padre, id, posicion, tamano,
                        estilo | wxVSCROLL | wxHSCROLL | wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE, "MFCGridCtrl"))
    return false;
  m_bCreada = true;
  SetDropTarget(new CGridOleTarget(this));
  Bind(wxEVT_PAINT, &CGridCtrl::OnPintar, this);
  Bind(wxEVT_SIZE, &CGridCtrl::OnTamano, this);
  Bind(wxEVT_KEY_DOWN, &CGridCtrl::OnTeclaAbajo, this);
  Bind(wxEVT_CHAR, &CGridCtrl::OnCaracter, this);
  Bind(wxEVT_LEFT_DOWN, &CGridCtrl::OnPulsar, this);
  Bind(wxEVT_LEFT_UP, &CGridCtrl::OnSoltar, this);
  Bind(wxEVT_MOTION, &CGridCtrl::OnMover, this);
  Bind(wxEVT_LEFT_DCLICK, &CGridCtrl::OnDobleClic, this);
  Bind(wxEVT_MOUSEWHEEL, &CGridCtrl::OnRueda, this);
  Bind(wxEVT_TIMER, &CGridCtrl::OnTemporizador, this, kTemporizadorAutoDesplazamiento);
  Bind(wxEVT_MOUSE_CAPTURE_LOST, &CGridCtrl::OnCapturaPerdida, this);
  Bind(wxEVT_SYS_COLOUR_CHANGED, &CGridCtrl::OnCambioColores, this);
  Bind(wxEVT_SCROLLWIN_TOP, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_BOTTOM, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_LINEUP, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_LINEDOWN, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_PAGEUP, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_PAGEDOWN, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_THUMBTRACK, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SCROLLWIN_THUMBRELEASE, &CGridCtrl::OnDesplazar, this);
  Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
    Refresh();
    e.Skip();
  });
  Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& e) {
    Refresh();
    e.Skip();
  });
  // The grid's own font, the system's message font unless changed, sets the margin and default sizes.
  SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
  ActualizarBarras();
  return true;
}

bool DDX_Grid(wxWindow* dialogo, int idItem, CGridCtrl& grid) {
  if (grid.TieneVentana()) return true;
  if (dialogo == nullptr) return false;
  wxWindow* item = dialogo->FindWindow(idItem);
  if (item == nullptr || item == &grid) return false;
  wxWindow* padre = item->GetParent();
  const wxRect rect = item->GetRect();
  item->Destroy();
  return grid.Create(padre, idItem, rect.GetPosition(), rect.GetSize());
}

// ---- operations

int CGridCtrl::Tras(int resultado) {
  if (m_bCreada) {
    ActualizarBarras();
    Refresh();
  }
  return resultado;
}

void CGridCtrl::ActualizarBarras() {
  if (!m_bCreada) return;
  const wxSize cliente = GetClientSize();
  m_modelo.PonTamanoCliente(cliente.x, cliente.y);
  if (m_modelo.RangoVertical() > 0) {
    SetScrollbar(wxVERTICAL, m_modelo.DamePosicion(EBarra::Vertical), m_modelo.PaginaVertical(),
                 m_modelo.RangoVertical() + 1);
  } else {
    SetScrollbar(wxVERTICAL, 0, 0, 0);
  }
  if (m_modelo.RangoHorizontal() > 0) {
    SetScrollbar(wxHORIZONTAL, m_modelo.DamePosicion(EBarra::Horizontal), m_modelo.PaginaHorizontal(),
                 m_modelo.RangoHorizontal() + 1);
  } else {
    SetScrollbar(wxHORIZONTAL, 0, 0, 0);
  }
  // A scroll bar that came or went changed the client area.
  const wxSize despues = GetClientSize();
  if (despues != cliente) m_modelo.PonTamanoCliente(despues.x, despues.y);
}

void CGridCtrl::AjustarColumnas() {
  ActualizarBarras();
  m_modelo.AjustarColumnas();
  Tras(1);
}

void CGridCtrl::AjustarFilas() {
  ActualizarBarras();
  m_modelo.AjustarFilas();
  Tras(1);
}

void CGridCtrl::AjustarAlArea() {
  ActualizarBarras();
  m_modelo.AjustarColumnas();
  ActualizarBarras();
  m_modelo.AjustarFilas();
  ActualizarBarras();
  m_modelo.AjustarColumnas();
  Tras(1);
}

int CGridCtrl::PonRangoSeleccion(int fila1, int columna1, int fila2, int columna2, bool forzarRepintado) {
  const int r = m_modelo.PonRangoSeleccion(fila1, columna1, fila2, columna2);
  if (forzarRepintado && m_bCreada) Update();
  return Tras(r);
}

bool CGridCtrl::PonListaImagenes(const wxBitmap& tira, int anchoImagen, const wxColour& mascara) {
  if (!tira.IsOk()) return false;
  const wxImage imagen = tira.ConvertToImage();
  m_imagenes = CGridImagenes::DeTira(imagen.GetData(), imagen.GetWidth(), imagen.GetHeight(), anchoImagen,
                                     ColorRef(mascara));
  m_modelo.PonTamanoImagenes(m_imagenes.Ancho(), m_imagenes.Alto(), m_imagenes.Cuantas());
  Tras(1);
  return m_imagenes.Cuantas() > 0;
}

int CGridCtrl::Imprimir(plataforma::CLienzo& destino) const {
  STextosImpresion textos;
  if (wxTheApp != nullptr) textos.titulo = A1252(wxTheApp->GetAppDisplayName());
  for (const wxWindow* v = GetParent(); v != nullptr; v = v->GetParent()) {
    if (!v->GetLabel().empty()) {
      textos.ventana = A1252(v->GetLabel());
      break;
    }
  }
  const std::time_t ahora = std::time(nullptr);
  std::tm momento{};
  localtime_r(&ahora, &momento);
  textos.fecha = FechaImpresion(momento);
  return ImprimirGrid(destino, m_modelo, &m_imagenes, textos);
}

bool CGridCtrl::SetFont(const wxFont& fuente) {
  const bool cambiada = wxWindow::SetFont(fuente);
  m_modelo.PonFuente(FuenteDeWx(fuente), m_medidor);
  Tras(1);
  return cambiada;
}

// ---- notifications

wxWindow* CGridCtrl::Destinatario() const { return m_pVentanaPadre != nullptr ? m_pVentanaPadre : GetParent(); }

void CGridCtrl::EnviarAviso(int codigo, int fila, int columna, std::string texto, ETeclaGrid tecla) {
  wxWindow* destino = Destinatario();
  if (!m_bCreada || destino == nullptr) return;
  CGridEvento evento(EVT_GRID_NOTIFICACION, GetId());
  evento.SetEventObject(this);
  evento.PonDatos(codigo, fila, columna, std::move(texto), tecla);
  destino->GetEventHandler()->ProcessEvent(evento);
}

// ---- editing and clipboard

void CGridCtrl::EditarCelda(int fila, int columna, ETeclaGrid tecla, char caracter, bool porRaton) {
  if (Editando() || !m_modelo.EsCeldaEditable(fila, columna) || !m_modelo.EsVisible(fila, columna)) return;
  EnviarAviso(kGvnInicioEdicion, fila, columna);
  plataforma::CRectangulo r;
  if (!m_modelo.RectanguloCelda(fila, columna, r)) return;
  const SInicioEdicion inicio = ReglaInicioEdicion(m_modelo.DameTextoCelda(fila, columna), porRaton, tecla, caracter);
  m_pEdit = new CGridCellEdit(this, wxRect(r.left, r.top, r.Ancho(), r.Alto()), inicio, fila, columna);
}

void CGridCtrl::EditarCeldaConLista(int fila, int columna, const std::vector<std::string>& opciones, bool conEdicion,
                                    bool porTecla) {
  if (Editando() || !m_modelo.EsCeldaEditable(fila, columna) || !m_modelo.EsVisible(fila, columna)) return;
  EnviarAviso(kGvnInicioEdicion, fila, columna);
  plataforma::CRectangulo r;
  if (!m_modelo.RectanguloCelda(fila, columna, r)) return;
  m_pLista = new CGridListEdit(this, wxRect(r.left, r.top, r.Ancho(), r.Alto()), opciones, conEdicion, porTecla, fila,
                               columna);
}

void CGridCtrl::FinEdicion(CGridCellEdit* editor, int fila, int columna, const std::string& texto, ETeclaGrid tecla) {
  if (editor == nullptr || editor != m_pEdit) return;
  m_pEdit = nullptr;
  RetirarEditor(editor, fila, columna, texto, tecla);
}

void CGridCtrl::FinEdicion(CGridListEdit* editor, int fila, int columna, const std::string& texto, ETeclaGrid tecla) {
  if (editor == nullptr || editor != m_pLista) return;
  m_pLista = nullptr;
  RetirarEditor(editor, fila, columna, texto, tecla);
}

void CGridCtrl::RetirarEditor(wxWindow* editor, int fila, int columna, const std::string& texto, ETeclaGrid tecla) {
  // The editor goes after the event that ended it; the grid takes the focus back when the editor had it.
  const bool teniaFoco = editor->HasFocus() || editor->IsDescendant(wxWindow::FindFocus());
  editor->Hide();
  if (wxTheApp != nullptr) {
    wxTheApp->ScheduleForDestruction(editor);
  } else {
    editor->Destroy();
  }
  EnviarAviso(kGvnFinEdicion, fila, columna, texto, tecla);
  m_modelo.TerminarEdicion(fila, columna, texto, tecla);
  if (teniaFoco) SetFocus();
  Tras(1);
}

bool CGridCtrl::Copiar() {
  if (!m_modelo.PuedeCopiar() || !wxTheClipboard->Open()) return false;
  const bool hecho = wxTheClipboard->SetData(new wxTextDataObject(DeTexto1252(m_modelo.TextoCopia())));
  wxTheClipboard->Close();
  return hecho;
}

bool CGridCtrl::Cortar() {
  if (!m_modelo.PuedeCortar() || !Copiar()) return false;
  m_modelo.Cortar();
  Tras(1);
  return true;
}

bool CGridCtrl::Pegar() {
  if (!wxTheClipboard->Open()) return false;
  wxTextDataObject datos;
  const bool hayTexto = wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(datos);
  wxTheClipboard->Close();
  if (!m_modelo.PuedePegar(hayTexto)) return false;
  const int cambiadas = m_modelo.Pegar(A1252(datos.GetText()));
  Tras(1);
  return cambiadas > 0;
}

// ---- drop target

wxDragResult CGridCtrl::ArrastrarSobre(int x, int y) {
  const SCeldaId antes = m_modelo.DameCeldaSoltar();
  const bool acepta = m_modelo.ArrastrarSobre(x, y);
  if (!(antes == m_modelo.DameCeldaSoltar())) Refresh();
  if (!acepta) return wxDragNone;
  return wxGetKeyState(WXK_CONTROL) ? wxDragCopy : wxDragMove;
}

void CGridCtrl::SalirArrastre() {
  m_modelo.QuitarMarcaSoltar();
  Refresh();
}

bool CGridCtrl::SoltarTexto(int x, int y, const wxString& texto) {
  if (!m_modelo.DameCeldaSoltar().Valida()) m_modelo.ArrastrarSobre(x, y);
  const bool hecho = m_modelo.Soltar(A1252(texto)) > 0;
  Tras(1);
  return hecho;
}

wxDragResult CGridOleTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult defecto) { return OnDragOver(x, y, defecto); }
wxDragResult CGridOleTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult) { return m_pGrid->ArrastrarSobre(x, y); }
void CGridOleTarget::OnLeave() { m_pGrid->SalirArrastre(); }
bool CGridOleTarget::OnDrop(wxCoord, wxCoord) { return m_pGrid->Modelo().AceptaSoltar(); }
bool CGridOleTarget::OnDropText(wxCoord x, wxCoord y, const wxString& texto) { return m_pGrid->SoltarTexto(x, y, texto); }

// ---- the in-place editor

CGridCellEdit::CGridCellEdit(CGridCtrl* grid, const wxRect& rect, const SInicioEdicion& inicio, int fila, int columna)
    : wxTextCtrl(grid, 1001, DeTexto1252(inicio.texto), rect.GetPosition(), rect.GetSize(),
                 wxBORDER_SIMPLE | wxTE_PROCESS_ENTER | wxTE_PROCESS_TAB | wxWANTS_CHARS),
      m_pGrid(grid),
      m_nFila(fila),
      m_nColumna(columna),
      m_nAnchoCelda(rect.width),
      m_bFlechasTerminan(inicio.flechasTerminan),
      m_strOriginal(DeTexto1252(grid->DameTextoCelda(fila, columna))) {
  SetFont(grid->GetFont());
  switch (inicio.modo) {
    case EInicioEdicion::SeleccionarTodo:
      SelectAll();
      break;
    default:
      SetInsertionPointEnd();
      break;
  }
  Bind(wxEVT_KEY_DOWN, &CGridCellEdit::OnTecla, this);
  Bind(wxEVT_TEXT, &CGridCellEdit::OnTexto, this);
  Bind(wxEVT_KILL_FOCUS, &CGridCellEdit::OnPierdeFoco, this);
  SetFocus();
}

void CGridCellEdit::Terminar(ETeclaGrid tecla) {
  if (m_bTerminado) return;
  m_bTerminado = true;
  m_pGrid->FinEdicion(this, m_nFila, m_nColumna, A1252(GetValue()), tecla);
}

void CGridCellEdit::OnTecla(wxKeyEvent& evento) {
  const ETeclaGrid tecla = CGridCtrl::TeclaDeWx(evento.GetKeyCode());
  const SFinEdicion fin = ReglaTeclaEdicion(tecla, evento.ControlDown(), m_bFlechasTerminan);
  if (!fin.termina) {
    evento.Skip();
    return;
  }
  if (fin.restaurar) ChangeValue(m_strOriginal);
  Terminar(tecla);
}

void CGridCellEdit::OnTexto(wxCommandEvent& evento) {
  const int anchoTexto = GetTextExtent(GetValue()).x;
  const int ancho = AnchoEditor(anchoTexto, GetPosition().x, m_nAnchoCelda, m_pGrid->GetClientSize().x);
  if (ancho != GetSize().x) SetSize(ancho, GetSize().y);
  evento.Skip();
}

void CGridCellEdit::OnPierdeFoco(wxFocusEvent& evento) {
  evento.Skip();
  CallAfter([this] { Terminar(ETeclaGrid::Otra); });
}

// ---- the in-place list editor

CGridListEdit::CGridListEdit(CGridCtrl* grid, const wxRect& rect, const std::vector<std::string>& opciones,
                             bool conEdicion, bool porTecla, int fila, int columna)
    : m_pGrid(grid),
      m_nFila(fila),
      m_nColumna(columna),
      m_bConEdicion(conEdicion),
      m_bPorTecla(porTecla),
      m_opciones(opciones),
      m_strOriginal(DeTexto1252(grid->DameTextoCelda(fila, columna))) {
  wxArrayString lista;
  for (const std::string& opcion : opciones) lista.Add(DeTexto1252(opcion));
  // Without an edit part the list shows only its own texts: the cell's text starts chosen when it is one of them.
  Create(grid, 1001, conEdicion ? m_strOriginal : wxString(), rect.GetPosition(), rect.GetSize(), lista,
         (conEdicion ? wxCB_DROPDOWN : wxCB_READONLY) | wxTE_PROCESS_ENTER | wxWANTS_CHARS);
  SetFont(grid->GetFont());
  if (!conEdicion) {
    const int elegida = FindString(m_strOriginal, true);
    if (elegida != wxNOT_FOUND) SetSelection(elegida);
  }
  Bind(wxEVT_KEY_DOWN, &CGridListEdit::OnTecla, this);
  Bind(wxEVT_KILL_FOCUS, &CGridListEdit::OnPierdeFoco, this);
  Bind(wxEVT_COMBOBOX_DROPDOWN, [this](wxCommandEvent& e) {
    m_bListaAbierta = true;
    e.Skip();
  });
  Bind(wxEVT_COMBOBOX_CLOSEUP, [this](wxCommandEvent& e) {
    m_bListaAbierta = false;
    e.Skip();
  });
  SetFocus();
}

void CGridListEdit::Terminar(ETeclaGrid tecla) {
  if (m_bTerminado) return;
  m_bTerminado = true;
  m_pGrid->FinEdicion(this, m_nFila, m_nColumna, A1252(GetValue()), tecla);
}

void CGridListEdit::AplicarTecla(ETeclaGrid tecla, bool ctrl, bool enParteEdicion) {
  const SFinEdicion fin = ReglaTeclaLista(tecla, ctrl, m_bPorTecla, enParteEdicion && m_bConEdicion);
  if (!fin.termina) return;
  if (fin.restaurar) {
    if (m_bConEdicion) {
      ChangeValue(m_strOriginal);
    } else {
      const int original = FindString(m_strOriginal, true);
      SetSelection(original);
    }
  }
  Terminar(tecla);
}

void CGridListEdit::OnTecla(wxKeyEvent& evento) {
  const ETeclaGrid tecla = CGridCtrl::TeclaDeWx(evento.GetKeyCode());
  const SFinEdicion fin = ReglaTeclaLista(tecla, evento.ControlDown(), m_bPorTecla, m_bConEdicion && !m_bListaAbierta);
  if (!fin.termina) {
    // Up and Down step from the entry shown to the one before or after it (the toolkit's own step starts again
    // from the first entry whenever the text was set or typed rather than chosen).
    const int entrada = evento.ControlDown() || evento.AltDown() || m_bListaAbierta
                            ? -1
                            : EntradaListaTrasTecla(m_opciones, A1252(GetValue()), tecla);
    if (entrada < 0) {
      evento.Skip();
      return;
    }
    SetSelection(entrada);
    if (m_bConEdicion) SelectAll();
    return;
  }
  AplicarTecla(tecla, evento.ControlDown(), m_bConEdicion && !m_bListaAbierta);
}

void CGridListEdit::OnPierdeFoco(wxFocusEvent& evento) {
  evento.Skip();
  // The list opening takes the focus from the edit part for a moment; the editor ends when it goes elsewhere.
  CallAfter([this] {
    wxWindow* foco = wxWindow::FindFocus();
    if (m_bListaAbierta || foco == this || (foco != nullptr && IsDescendant(foco))) return;
    Terminar(ETeclaGrid::Otra);
  });
}

// ---- painting

void CGridCtrl::DibujarEn(wxDC& dc) {
  const wxSize cliente = GetClientSize();
  m_modelo.PonTamanoCliente(cliente.x, cliente.y);
  if (cliente.x <= 0 || cliente.y <= 0) return;
  plataforma::CLienzo lienzo = plataforma::CLienzo::Imagen(cliente.x, cliente.y);
  if (!lienzo.Correcto()) return;
  bool vertical = true;
  const int linea = m_raton.LineaRedimension(vertical);
  DibujarGrid(lienzo, m_modelo, &m_imagenes, linea, vertical);
  cairo_surface_t* superficie = cairo_get_target(lienzo.Contexto());
  cairo_surface_flush(superficie);
  const unsigned char* datos = cairo_image_surface_get_data(superficie);
  const int paso = cairo_image_surface_get_stride(superficie);
  if (datos == nullptr) return;
  wxImage imagen(cliente.x, cliente.y, false);
  unsigned char* rgb = imagen.GetData();
  for (int y = 0; y < cliente.y; ++y) {
    const auto* fila = reinterpret_cast<const std::uint32_t*>(datos + static_cast<std::ptrdiff_t>(y) * paso);
    for (int x = 0; x < cliente.x; ++x) {
      const std::uint32_t p = fila[x];
      *rgb++ = static_cast<unsigned char>((p >> 16) & 0xFF);
      *rgb++ = static_cast<unsigned char>((p >> 8) & 0xFF);
      *rgb++ = static_cast<unsigned char>(p & 0xFF);
    }
  }
  dc.DrawBitmap(wxBitmap(imagen), 0, 0);
}

void CGridCtrl::OnPintar(wxPaintEvent&) {
  wxPaintDC dc(this);
  DibujarEn(dc);
}

void CGridCtrl::OnTamano(wxSizeEvent& evento) {
  // An editor open over a cell ends and keeps its text first.
  if (m_pEdit != nullptr) m_pEdit->Terminar(ETeclaGrid::Otra);
  if (m_pLista != nullptr) m_pLista->Terminar(ETeclaGrid::Otra);
  evento.Skip();
  ActualizarBarras();
  Refresh();
}

// ---- keyboard

void CGridCtrl::OnTeclaAbajo(wxKeyEvent& evento) {
  const int codigo = evento.GetKeyCode();
  const ETeclaGrid tecla = TeclaDeWx(codigo);
  const bool ctrl = evento.ControlDown();
  const char letra = (ctrl && codigo >= 'A' && codigo <= 'Z') ? static_cast<char>(codigo) : 0;
  if (tecla == ETeclaGrid::Otra && letra == 0) {
    evento.Skip();
    return;
  }
  // Ctrl+Tab always leaves the grid for the next control.
  if (tecla == ETeclaGrid::Tab && ctrl) {
    Navigate(evento.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
    return;
  }
  const SResultadoTecla r = m_modelo.Tecla(tecla, evento.ShiftDown(), ctrl, letra);
  if (r.copiar) Copiar();
  if (r.cortar) Cortar();
  if (r.pegar) Pegar();
  if (r.repintar) Tras(1);
  if (r.procesada) return;
  if (tecla == ETeclaGrid::Tab) {
    Navigate(evento.ShiftDown() ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
    return;
  }
  evento.Skip();
}

void CGridCtrl::OnCaracter(wxKeyEvent& evento) {
  const int codigo = evento.GetKeyCode();
  const bool ratonOcupado = m_raton.Modo() != EModoRaton::Ninguno && m_raton.Modo() != EModoRaton::SobreBordeFila &&
                            m_raton.Modo() != EModoRaton::SobreBordeColumna;
  if (evento.ControlDown() || ratonOcupado || codigo == WXK_TAB || codigo == WXK_ESCAPE) {
    evento.Skip();
    return;
  }
  const ETeclaGrid tecla = TeclaDeWx(codigo);
  char caracter = 0;
  const wxChar unicode = evento.GetUnicodeKey();
  if (unicode != WXK_NONE && unicode >= 32) {
    const int byte = plataforma::ByteDeCodigo1252(static_cast<char32_t>(unicode));
    if (byte < 0) {
      evento.Skip();
      return;
    }
    caracter = static_cast<char>(byte);
  } else if (tecla != ETeclaGrid::Intro && tecla != ETeclaGrid::Retroceso) {
    evento.Skip();
    return;
  }
  if (!m_modelo.PuedeEditarFoco()) {
    evento.Skip();
    return;
  }
  const SCeldaId foco = m_modelo.DameCeldaFoco();
  EditarCelda(foco.fila, foco.columna, caracter == ' ' ? ETeclaGrid::Espacio : tecla, caracter, false);
}

// ---- mouse

void CGridCtrl::Aplicar(const SAccionRaton& a) {
  if (a.tomarFoco && !HasFocus()) SetFocus();
  if (a.capturar && !HasCapture()) CaptureMouse();
  if (a.liberar && HasCapture()) ReleaseMouse();
  if (a.iniciarTemporizador) m_temporizador.Start(kIntervaloAutoDesplazamiento);
  if (a.pararTemporizador) m_temporizador.Stop();
  switch (a.cursor) {
    case ECursorGrid::Flecha: SetCursor(wxCursor(wxCURSOR_ARROW)); break;
    case ECursorGrid::NorteSur: SetCursor(wxCursor(wxCURSOR_SIZENS)); break;
    case ECursorGrid::EsteOeste: SetCursor(wxCursor(wxCURSOR_SIZEWE)); break;
    default: break;
  }
  if (a.repintar || a.recalcularBarras) Tras(1);
  if (a.iniciarArrastre) {
    wxTextDataObject datos(DeTexto1252(m_modelo.TextoCopia()));
    wxDropSource fuente(datos, this);
    fuente.DoDragDrop(wxDrag_AllowMove);
  }
  if (a.editarFoco) {
    const SCeldaId foco = m_modelo.DameCeldaFoco();
    EditarCelda(foco.fila, foco.columna, ETeclaGrid::Otra, 0, true);
  }
  wxWindow* destino = Destinatario();
  if (a.avisarClic && destino != nullptr) {
    auto* evento = new CGridEvento(EVT_GRID_CLIC, GetId());
    evento->SetEventObject(this);
    evento->PonDatos(0, a.celda.fila, a.celda.columna);
    wxQueueEvent(destino->GetEventHandler(), evento);
  }
  if (a.dobleClic && destino != nullptr) {
    CGridEvento evento(EVT_GRID_DOBLE_CLIC, GetId());
    evento.SetEventObject(this);
    evento.PonDatos(kMensajeDobleClicGrid, a.celda.fila, a.celda.columna);
    destino->GetEventHandler()->ProcessEvent(evento);
  }
}

void CGridCtrl::OnPulsar(wxMouseEvent& evento) {
  const wxPoint p = evento.GetPosition();
  // A click on a heading in list mode may sort: the wait pointer meanwhile.
  std::unique_ptr<wxBusyCursor> espera;
  if (m_modelo.DameModoLista() && m_modelo.DameOrdenarCabecera() && p.y < m_modelo.AltoFijo())
    espera = std::make_unique<wxBusyCursor>();
  Aplicar(m_raton.Pulsar(p.x, p.y, evento.ShiftDown(), evento.ControlDown(), HasFocus()));
}

void CGridCtrl::OnSoltar(wxMouseEvent& evento) {
  const wxPoint p = evento.GetPosition();
  Aplicar(m_raton.Soltar(p.x, p.y));
}

void CGridCtrl::OnMover(wxMouseEvent& evento) {
  const wxPoint p = evento.GetPosition();
  Aplicar(m_raton.Mover(p.x, p.y, evento.LeftIsDown()));
}

void CGridCtrl::OnDobleClic(wxMouseEvent& evento) {
  const wxPoint p = evento.GetPosition();
  Aplicar(m_raton.DobleClic(p.x, p.y, m_medidor));
}

void CGridCtrl::OnRueda(wxMouseEvent& evento) {
  if (evento.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL) {
    evento.Skip();
    return;
  }
  const int lineas = evento.IsPageScroll() ? kRuedaPagina : evento.GetLinesPerAction();
  m_modelo.PonLineasRueda(lineas);
  bool porPagina = false;
  const int cuenta = CGridModelo::LineasDeRueda(evento.GetWheelRotation(), lineas, porPagina);
  const EDesplazamiento arriba = porPagina ? EDesplazamiento::PaginaArriba : EDesplazamiento::LineaArriba;
  const EDesplazamiento abajo = porPagina ? EDesplazamiento::PaginaAbajo : EDesplazamiento::LineaAbajo;
  for (int i = 0; i < std::abs(cuenta); ++i) m_modelo.Desplazar(EBarra::Vertical, cuenta > 0 ? arriba : abajo);
  if (cuenta != 0) Tras(1);
}

void CGridCtrl::OnDesplazar(wxScrollWinEvent& evento) {
  if (!HasFocus()) SetFocus();
  const EBarra barra = evento.GetOrientation() == wxVERTICAL ? EBarra::Vertical : EBarra::Horizontal;
  const wxEventType tipo = evento.GetEventType();
  EDesplazamiento accion = EDesplazamiento::Pulgar;
  if (tipo == wxEVT_SCROLLWIN_LINEUP) {
    accion = EDesplazamiento::LineaArriba;
  } else if (tipo == wxEVT_SCROLLWIN_LINEDOWN) {
    accion = EDesplazamiento::LineaAbajo;
  } else if (tipo == wxEVT_SCROLLWIN_PAGEUP) {
    accion = EDesplazamiento::PaginaArriba;
  } else if (tipo == wxEVT_SCROLLWIN_PAGEDOWN) {
    accion = EDesplazamiento::PaginaAbajo;
  } else if (tipo == wxEVT_SCROLLWIN_TOP) {
    accion = EDesplazamiento::Principio;
  } else if (tipo == wxEVT_SCROLLWIN_BOTTOM) {
    accion = EDesplazamiento::Final;
  }
  m_modelo.Desplazar(barra, accion, evento.GetPosition());
  Tras(1);
}

void CGridCtrl::OnTemporizador(wxTimerEvent&) { Aplicar(m_raton.Temporizador()); }

void CGridCtrl::OnCapturaPerdida(wxMouseCaptureLostEvent&) { Aplicar(m_raton.CapturaPerdida()); }

void CGridCtrl::OnCambioColores(wxSysColourChangedEvent& evento) {
  m_modelo.CambioColoresSistema(LeerColoresSistema());
  Refresh();
  evento.Skip();
}

}  // namespace marco
