#include "framework/EditExVentana.h"

#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/menu.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include <algorithm>
#include <utility>

#include "framework/ComandosDocumento.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditEx.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

wxDEFINE_EVENT(marco::EVT_AVISO_CAMPO, wxCommandEvent);

namespace marco {

namespace {

wxString AWx(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

std::string DeWx(const wxString& texto) {
  const wxScopedCharBuffer utf8 = texto.utf8_str();
  return plataforma::Utf8ACp1252(std::string_view(utf8.data(), utf8.length()));
}

struct SParTeclas {
  int wx;
  int tecla;
};

constexpr SParTeclas kTeclas[] = {
    {WXK_BACK, kTeclaRetroceso},      {WXK_TAB, kTeclaTabulador},       {WXK_RETURN, kTeclaIntro},
    {WXK_NUMPAD_ENTER, kTeclaIntro},  {WXK_ESCAPE, kTeclaEscape},       {WXK_SHIFT, kTeclaMayusculas},
    {WXK_CONTROL, kTeclaControl},     {WXK_ALT, kTeclaAlt},             {WXK_PAGEUP, kTeclaRePag},
    {WXK_NUMPAD_PAGEUP, kTeclaRePag}, {WXK_PAGEDOWN, kTeclaAvPag},      {WXK_NUMPAD_PAGEDOWN, kTeclaAvPag},
    {WXK_END, kTeclaFin},             {WXK_NUMPAD_END, kTeclaFin},      {WXK_HOME, kTeclaInicio},
    {WXK_NUMPAD_HOME, kTeclaInicio},  {WXK_LEFT, kTeclaIzquierda},      {WXK_NUMPAD_LEFT, kTeclaIzquierda},
    {WXK_UP, kTeclaArriba},           {WXK_NUMPAD_UP, kTeclaArriba},    {WXK_RIGHT, kTeclaDerecha},
    {WXK_NUMPAD_RIGHT, kTeclaDerecha}, {WXK_DOWN, kTeclaAbajo},         {WXK_NUMPAD_DOWN, kTeclaAbajo},
    {WXK_INSERT, kTeclaInsertar},     {WXK_NUMPAD_INSERT, kTeclaInsertar}, {WXK_DELETE, kTeclaSuprimir},
    {WXK_NUMPAD_DELETE, kTeclaSuprimir},
};

}  // namespace

CEditEx* EditDeAviso(const wxEvent& evento) {
  auto* ventana = dynamic_cast<CVentanaEdit*>(evento.GetEventObject());
  return ventana != nullptr ? ventana->DameEdit() : nullptr;
}

int TeclaDeWx(int codigoWx) {
  for (const SParTeclas& par : kTeclas) {
    if (par.wx == codigoWx) return par.tecla;
  }
  if (codigoWx >= WXK_F1 && codigoWx <= WXK_F24) return kTeclaF1 + (codigoWx - WXK_F1);
  if ((codigoWx >= 'A' && codigoWx <= 'Z') || (codigoWx >= '0' && codigoWx <= '9')) return codigoWx;
  if (codigoWx >= 'a' && codigoWx <= 'z') return codigoWx - ('a' - 'A');
  return 0;
}

int WxDeTecla(int tecla) {
  for (const SParTeclas& par : kTeclas) {
    if (par.tecla == tecla) return par.wx;
  }
  if (tecla >= kTeclaF1 && tecla < kTeclaF1 + 24) return WXK_F1 + (tecla - kTeclaF1);
  return tecla;
}

wxColour ColorSoloLectura() { return wxColour(255, 255, 192); }

int IdMenuDeOpcion(std::size_t indice) { return wxID_HIGHEST + 1 + static_cast<int>(indice); }

int ComandoDeIdMenu(int idMenu) {
  const std::vector<SOpcionMenuEdit>& opciones = MenuContextualPagina();
  const int indice = idMenu - (wxID_HIGHEST + 1);
  if (indice >= 0 && indice < static_cast<int>(opciones.size())) return opciones[static_cast<std::size_t>(indice)].id;
  for (const SOpcionMenuEdit& persona : MenuContextualPersonas()) {
    if (ComandoAWx(persona.id) == idMenu) return persona.id;
  }
  return 0;
}

void AnadirPersonasAlMenu(wxMenu& menu) {
  if (DameSujetoActual() == 0) return;
  const std::size_t entradas = menu.GetMenuItemCount();
  if (entradas > 0 && !menu.FindItemByPosition(entradas - 1)->IsSeparator()) menu.AppendSeparator();
  for (const SOpcionMenuEdit& persona : MenuContextualPersonas()) {
    menu.AppendCheckItem(ComandoAWx(persona.id), TextoFijoWx(persona.texto));
  }
}

CVentanaEdit::CVentanaEdit(CEditEx& edit) : m_pEdit(&edit) {}

CVentanaEdit::~CVentanaEdit() {
  if (m_pEdit != nullptr) m_pEdit->AlDestruirVentana();
}

bool CVentanaEdit::Crear(wxWindow* padre, int id, const wxPoint& posicion, const wxSize& tamano, unsigned estilo) {
  // A multi-line box without horizontal scrolling wraps its lines; the others keep one line and scroll.
  m_bMultilinea = (estilo & kEstiloMultilinea) != 0 && (estilo & kEstiloDesplazamientoH) == 0;
  long estiloWx = wxTE_PROCESS_TAB | wxTE_PROCESS_ENTER | wxWANTS_CHARS;
  if (m_bMultilinea) estiloWx |= wxTE_MULTILINE | wxTE_NO_VSCROLL | wxTE_BESTWRAP;
  if ((estilo & kEstiloDerecha) != 0) estiloWx |= wxTE_RIGHT;
  if ((estilo & kEstiloSoloLectura) != 0) estiloWx |= wxTE_READONLY;
  // No frame of the toolkit's: its padding leaves no room for the text of small boxes. On a page the box is
  // framed by the page's drawing, in a dialog by the dialog's.
  estiloWx |= wxBORDER_NONE;
  if (!Create(padre, id, wxString(), posicion, tamano, estiloWx)) return false;
  // Capitals are the edit's own work (it writes every character itself).

  Bind(wxEVT_KEY_DOWN, &CVentanaEdit::AlTeclaAbajo, this);
  Bind(wxEVT_CHAR, &CVentanaEdit::AlCaracterWx, this);
  Bind(wxEVT_SET_FOCUS, &CVentanaEdit::AlFocoGanado, this);
  Bind(wxEVT_KILL_FOCUS, &CVentanaEdit::AlFocoPerdido, this);
  Bind(wxEVT_TEXT, &CVentanaEdit::AlTextoWx, this);
  Bind(wxEVT_TEXT_PASTE, &CVentanaEdit::AlPegarWx, this);
  Bind(wxEVT_TEXT_CUT, &CVentanaEdit::AlCortarWx, this);
  Bind(wxEVT_TEXT_COPY, &CVentanaEdit::AlCopiarWx, this);
  Bind(wxEVT_CONTEXT_MENU, &CVentanaEdit::AlMenuContextual, this);
  Bind(wxEVT_MIDDLE_DOWN, &CVentanaEdit::AlBotonCentral, this);
  Bind(wxEVT_MIDDLE_UP, &CVentanaEdit::AlBotonCentral, this);
  return true;
}

wxWindow* CVentanaEdit::DameDueno() const { return m_pDueno != nullptr ? m_pDueno : GetParent(); }

void CVentanaEdit::PonerMargenes() { SetMargins(1, -1); }

// ---- the control ----

std::string CVentanaEdit::Texto() const { return DeWx(GetValue()); }

void CVentanaEdit::PonerTexto(std::string_view texto) {
  long desde = 0;
  long hasta = 0;
  GetSelection(&desde, &hasta);
  // No event of the control: the edit sends the notifications itself.
  ChangeValue(AWx(texto));
  const long largo = GetLastPosition();
  SetSelection(std::min(desde, largo), std::min(hasta, largo));
}

void CVentanaEdit::Seleccion(int& inicio, int& fin) const {
  long desde = 0;
  long hasta = 0;
  GetSelection(&desde, &hasta);
  inicio = static_cast<int>(desde);
  fin = static_cast<int>(hasta);
}

void CVentanaEdit::PonerSeleccion(int inicio, int fin) {
  const long largo = GetLastPosition();
  long desde = std::clamp<long>(inicio, 0, largo);
  long hasta = fin < 0 ? largo : std::clamp<long>(fin, 0, largo);
  if (hasta < desde) std::swap(desde, hasta);
  SetSelection(desde, hasta);
  SetInsertionPoint(hasta);
  if (hasta != desde) SetSelection(desde, hasta);
}

std::vector<int> CVentanaEdit::Inicios() const {
  const wxString texto = GetValue();
  std::vector<int> inicios{0};
  // The room of a line: the client width less the margins; measured only in a wrapping control.
  const int ancho = m_bMultilinea ? GetClientSize().x - 6 : 0;
  wxClientDC dc(const_cast<CVentanaEdit*>(this));
  dc.SetFont(GetFont());
  int inicioLinea = 0;
  int ultimoBlanco = -1;
  const int largo = static_cast<int>(texto.length());
  for (int i = 0; i < largo; ++i) {
    const wxUniChar c = texto[static_cast<std::size_t>(i)];
    if (c == '\n') {
      inicios.push_back(i + 1);
      inicioLinea = i + 1;
      ultimoBlanco = -1;
      continue;
    }
    if (ancho > 0 && i > inicioLinea) {
      const int medida = dc.GetTextExtent(texto.Mid(static_cast<std::size_t>(inicioLinea),
                                                    static_cast<std::size_t>(i - inicioLinea + 1))).x;
      if (medida > ancho) {
        // A word that does not fit goes to the next line; a line without blanks breaks at the character.
        inicioLinea = ultimoBlanco >= inicioLinea ? ultimoBlanco + 1 : i;
        inicios.push_back(inicioLinea);
        ultimoBlanco = -1;
      }
    }
    if (c == ' ') ultimoBlanco = i;
  }
  return inicios;
}

int CVentanaEdit::NumeroLineas() const { return static_cast<int>(Inicios().size()); }

int CVentanaEdit::InicioLinea(int linea) const {
  const std::vector<int> inicios = Inicios();
  if (linea < 0 || linea >= static_cast<int>(inicios.size())) return -1;
  return inicios[static_cast<std::size_t>(linea)];
}

void CVentanaEdit::Pitar() { wxBell(); }

void CVentanaEdit::Notificar(int idControl, int codigo) {
  wxWindow* destino = DameDueno();
  if (destino == nullptr) return;
  wxCommandEvent evento(EVT_AVISO_CAMPO, idControl);
  evento.SetInt(codigo);
  evento.SetEventObject(this);
  destino->GetEventHandler()->ProcessEvent(evento);
}

void CVentanaEdit::ReenviarCaracter(EDestinoTecla destino, unsigned caracter, int, unsigned) {
  wxWindow* ventana = destino == EDestinoTecla::Padre ? GetParent() : DameDueno();
  if (ventana == nullptr) return;
  wxKeyEvent evento(wxEVT_CHAR);
  evento.m_keyCode = WxDeTecla(static_cast<int>(caracter));
  evento.m_uniChar = static_cast<wxChar>(caracter);
  evento.SetControlDown(TeclaPulsada(kTeclaControl));
  evento.SetShiftDown(TeclaPulsada(kTeclaMayusculas));
  evento.SetEventObject(this);
  evento.SetId(GetId());
  ventana->GetEventHandler()->ProcessEvent(evento);
}

void CVentanaEdit::ReenviarTecla(int tecla, int, unsigned) {
  wxWindow* ventana = GetParent();
  if (ventana == nullptr) return;
  wxKeyEvent evento(wxEVT_KEY_DOWN);
  evento.m_keyCode = WxDeTecla(tecla);
  evento.SetControlDown(TeclaPulsada(kTeclaControl));
  evento.SetShiftDown(TeclaPulsada(kTeclaMayusculas));
  evento.SetEventObject(this);
  evento.SetId(GetId());
  ventana->GetEventHandler()->ProcessEvent(evento);
}

bool CVentanaEdit::TeclaPulsada(int tecla) const {
  if (m_bEnEvento) {
    if (tecla == kTeclaControl) return m_bControl;
    if (tecla == kTeclaMayusculas) return m_bMayusculas;
    if (tecla == kTeclaAlt) return m_bAlt;
  }
  const int wx = WxDeTecla(tecla);
  if (wx != WXK_CONTROL && wx != WXK_SHIFT && wx != WXK_ALT) return false;
  return wxGetKeyState(static_cast<wxKeyCode>(wx));
}

std::string CVentanaEdit::Portapapeles() const {
  std::string texto;
  wxClipboardLocker abierto;
  if (!abierto || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return texto;
  wxTextDataObject datos;
  if (wxTheClipboard->GetData(datos)) texto = DeWx(datos.GetText());
  return texto;
}

void CVentanaEdit::PonerPortapapeles(std::string_view texto) {
  wxClipboardLocker abierto;
  if (!abierto) return;
  wxTheClipboard->SetData(new wxTextDataObject(AWx(texto)));
}

void CVentanaEdit::AplicarSoloLectura(bool soloLectura) {
  SetEditable(!soloLectura);
  if (soloLectura) {
    SetBackgroundColour(ColorSoloLectura());
    SetForegroundColour(*wxBLACK);
  } else if (m_pEdit != nullptr && m_pEdit->EnDialogo()) {
    // Without a frame the control has no background of its own: a dialog's field is white.
    SetBackgroundColour(*wxWHITE);
    SetForegroundColour(*wxBLACK);
  } else {
    SetBackgroundColour(wxNullColour);
    SetForegroundColour(wxNullColour);
  }
  Refresh();
}

void CVentanaEdit::AsegurarCaretVisible() { ShowPosition(GetInsertionPoint()); }

// ---- events ----

void CVentanaEdit::TomarModificadores(const wxKeyEvent& evento) {
  m_bControl = evento.ControlDown();
  m_bMayusculas = evento.ShiftDown();
  m_bAlt = evento.AltDown();
}

namespace {
// Marks the window as inside a key event while it lives.
class CEnEvento {
 public:
  explicit CEnEvento(bool& bandera) : m_bandera(bandera), m_anterior(bandera) { m_bandera = true; }
  ~CEnEvento() { m_bandera = m_anterior; }
  CEnEvento(const CEnEvento&) = delete;
  CEnEvento& operator=(const CEnEvento&) = delete;

 private:
  bool& m_bandera;
  bool m_anterior;
};
}  // namespace

void CVentanaEdit::AlTeclaAbajo(wxKeyEvent& evento) {
  const int tecla = TeclaDeWx(evento.GetKeyCode());
  if (m_pEdit == nullptr || tecla == 0) {
    evento.Skip();
    return;
  }
  // The modifier keys alone are nobody's business.
  if (tecla == kTeclaControl || tecla == kTeclaMayusculas || tecla == kTeclaAlt) {
    evento.Skip();
    return;
  }
  CEnEvento enEvento(m_bEnEvento);
  TomarModificadores(evento);
  if (evento.AltDown()) {
    m_pEdit->AlPulsarTeclaSistema(tecla);
    // Alt with a letter belongs to the menus and the dialog's mnemonics: pass it on.
    evento.Skip();
    return;
  }
  m_antesDeTecla.reset();
  if (m_pEdit->AntesDeTraducir(tecla)) return;
  if (m_pEdit == nullptr) return;
  if (m_pEdit->AlPulsarTecla(tecla)) {
    SAntesDeTecla antes;
    antes.texto = GetValue();
    GetSelection(&antes.desde, &antes.hasta);
    m_antesDeTecla = std::move(antes);
    evento.Skip();
  }
}

void CVentanaEdit::AlCaracterWx(wxKeyEvent& evento) {
  if (m_pEdit == nullptr) {
    evento.Skip();
    return;
  }
  const wxChar unicode = evento.GetUnicodeKey();
  if (unicode == WXK_NONE) {
    evento.Skip();
    return;
  }
  if (evento.AltDown() || (evento.ControlDown() && unicode < 0x20)) {
    // A menu, mnemonic or accelerator key (Ctrl+I gives a tab character, Ctrl+M a return), never the box's.
    evento.Skip();
    return;
  }
  // The control may have deleted the selection already: the rules decide on the text the key found.
  if (m_antesDeTecla) {
    const SAntesDeTecla antes = *std::exchange(m_antesDeTecla, std::nullopt);
    if (GetValue() != antes.texto) {
      ChangeValue(antes.texto);
      SetSelection(antes.desde, antes.hasta);
    }
  }
  unsigned caracter = 0;
  if (unicode < 0x20) {
    // Of the control characters only these are the edit's; the others are the control's own (Ctrl+A...).
    if (unicode != WXK_BACK && unicode != WXK_TAB && unicode != WXK_RETURN && unicode != WXK_ESCAPE) {
      evento.Skip();
      return;
    }
    caracter = static_cast<unsigned>(unicode);
  } else {
    if (unicode == WXK_DELETE) return;
    const int byte = plataforma::ByteDeCodigo1252(static_cast<char32_t>(unicode));
    if (byte < 0) {
      // A character the declaration's code page cannot hold.
      wxBell();
      return;
    }
    caracter = static_cast<unsigned>(byte);
  }
  CEnEvento enEvento(m_bEnEvento);
  TomarModificadores(evento);
  m_pEdit->AlCaracter(caracter);
}

void CVentanaEdit::AlFocoGanado(wxFocusEvent& evento) {
  evento.Skip();
  if (m_pEdit != nullptr) m_pEdit->AlGanarFoco();
}

void CVentanaEdit::AlFocoPerdido(wxFocusEvent& evento) {
  evento.Skip();
  if (m_pEdit != nullptr) m_pEdit->AlPerderFoco();
}

void CVentanaEdit::AlTextoWx(wxCommandEvent& evento) {
  // The edit's own changes send no event: this one came from somewhere else (a drop, a selection paste).
  if (m_pEdit == nullptr) {
    evento.Skip();
    return;
  }
  m_pEdit->AlCambiarTextoFuera();
}

void CVentanaEdit::AlPegarWx(wxClipboardTextEvent& evento) {
  if (m_pEdit == nullptr) {
    evento.Skip();
    return;
  }
  m_pEdit->Pegar();
  if (m_pEdit != nullptr) m_pEdit->PonerModificado(true);
}

void CVentanaEdit::AlCortarWx(wxClipboardTextEvent& evento) {
  if (m_pEdit == nullptr) {
    evento.Skip();
    return;
  }
  m_pEdit->Cortar();
  if (m_pEdit != nullptr) m_pEdit->PonerModificado(true);
}

void CVentanaEdit::AlCopiarWx(wxClipboardTextEvent& evento) {
  if (m_pEdit == nullptr) {
    evento.Skip();
    return;
  }
  m_pEdit->Copiar();
}

void CVentanaEdit::AlBotonCentral(wxMouseEvent& evento) {
  // The selection paste of the middle button would bypass the edit's checks.
  if (m_pEdit == nullptr) evento.Skip();
}

void CVentanaEdit::AlMenuContextual(wxContextMenuEvent& evento) {
  if (m_pEdit == nullptr || m_pEdit->EnDialogo()) {
    // Inside a dialog the control's own menu; its clipboard commands come back through the edit.
    evento.Skip();
    return;
  }
  wxPoint posicion = evento.GetPosition();
  if (posicion == wxDefaultPosition) {
    posicion = wxPoint(5, 5);  // opened from the keyboard: near the top-left corner
  } else {
    posicion = ScreenToClient(posicion);
  }
  // The program's command ids lie outside the toolkit's range of menu ids: the menu numbers its items itself and
  // the chosen one is turned back into the program's command.
  const std::vector<SOpcionMenuEdit>& opciones = MenuContextualPagina();
  wxMenu menu;
  for (std::size_t i = 0; i < opciones.size(); ++i) {
    if (opciones[i].id == 0) {
      menu.AppendSeparator();
    } else {
      menu.Append(IdMenuDeOpcion(i), TextoFijoWx(opciones[i].texto));
    }
  }
  AnadirPersonasAlMenu(menu);
  const int elegido = ComandoDeIdMenu(GetPopupMenuSelectionFromUser(menu, posicion));
  if (elegido == 0) return;
  wxWindow* superior = wxGetTopLevelParent(this);
  if (superior == nullptr) return;
  // Menus and tool bars carry the toolkit id of each command.
  wxCommandEvent orden(wxEVT_MENU, ComandoAWx(elegido));
  orden.SetEventObject(this);
  superior->GetEventHandler()->ProcessEvent(orden);
}

}  // namespace marco
