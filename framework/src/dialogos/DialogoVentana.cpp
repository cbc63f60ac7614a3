#include "framework/DialogoVentana.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/font.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/validate.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/BotonBmp.h"
#include "framework/DialogoPlantilla.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/EditNumerico.h"
#include "framework/TemplateDlg.h"
#include "framework/TemplatePropPg.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

namespace {

wxString TextoWx(std::string_view cp1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(cp1252)); }
std::string TextoCp1252(const wxString& texto) { return plataforma::Utf8ACp1252(texto.utf8_string()); }
wxColour ColorWx(const SColorDialogo& c) { return wxColour(c.rojo, c.verde, c.azul); }

// The box edit of a window, or null.
CEditEx* EditDe(wxWindow* ventana) {
  auto* v = dynamic_cast<CVentanaEdit*>(ventana);
  return v != nullptr ? v->DameEdit() : nullptr;
}

// An id taken by no control: the focus is on a window that is not one of the dialog's.
constexpr int kIdAjeno = -0x7FFF;

// The window side shared by the dialog and the page: the controls made from the layout and what the rules ask
// of them.
template <class TVentana>
class CVentanaControles : public TVentana, public CControlesDialogo {
 public:
  CDialogoBase& Reglas() { return *m_pReglas; }

  // ---- CControlesDialogo ----
  std::vector<int> Hijos() const override {
    std::vector<int> ids;
    for (const SHijo& h : m_hijos) ids.push_back(h.id);
    return ids;
  }
  bool Existe(int id) const override { return Buscar(id) != nullptr; }
  bool EsEdicion(int id) const override {
    const SHijo* h = Buscar(id);
    return h != nullptr && dynamic_cast<wxTextCtrl*>(h->ventana) != nullptr;
  }
  bool EsImporte(int id) const override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return false;
    // An amount box edit (not one that opens a detail of its own).
    if (CEditEx* edit = EditDe(h->ventana)) {
      return dynamic_cast<CDoubleEdit*>(edit) != nullptr && edit->EsNumerico() != 0;
    }
    return h->importe && dynamic_cast<wxTextCtrl*>(h->ventana) != nullptr;
  }
  std::string Texto(int id) const override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return {};
    if (CEditEx* edit = EditDe(h->ventana)) return edit->Texto();
    if (auto* t = dynamic_cast<wxTextCtrl*>(h->ventana)) return TextoCp1252(t->GetValue());
    if (auto* c = dynamic_cast<wxChoice*>(h->ventana)) return TextoCp1252(c->GetStringSelection());
    return TextoCp1252(h->ventana->GetLabel());
  }
  void PonerTexto(int id, std::string_view texto) override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return;
    if (auto* v = dynamic_cast<CVentanaEdit*>(h->ventana)) {
      v->PonerTexto(texto);
    } else if (auto* t = dynamic_cast<wxTextCtrl*>(h->ventana)) {
      // No text-changed event: only typing reports one.
      t->ChangeValue(TextoWx(texto));
    } else if (auto* c = dynamic_cast<wxChoice*>(h->ventana)) {
      c->SetStringSelection(TextoFijoWx(texto));
    } else {
      h->ventana->SetLabel(TextoFijoWx(texto));
    }
  }
  bool Habilitado(int id) const override {
    const SHijo* h = Buscar(id);
    return h != nullptr && h->ventana->IsThisEnabled();
  }
  void Habilitar(int id, bool habilitar) override {
    if (const SHijo* h = Buscar(id)) {
      h->ventana->Enable(habilitar);
      Pintar(*h);
    }
  }
  bool SoloLectura(int id) const override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return false;
    if (CEditEx* edit = EditDe(h->ventana)) return edit->EsSoloLectura();
    if (auto* t = dynamic_cast<wxTextCtrl*>(h->ventana)) return !t->IsEditable();
    return false;
  }
  void PonerSoloLectura(int id, bool soloLectura) override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return;
    if (CEditEx* edit = EditDe(h->ventana)) {
      edit->PonerSoloLectura(soloLectura);
    } else if (auto* t = dynamic_cast<wxTextCtrl*>(h->ventana)) {
      t->SetEditable(!soloLectura);
    }
  }
  bool Marcado(int id) const override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return false;
    if (auto* r = dynamic_cast<wxRadioButton*>(h->ventana)) return r->GetValue();
    if (auto* c = dynamic_cast<wxCheckBox*>(h->ventana)) return c->GetValue();
    return false;
  }
  void Marcar(int id, bool marcado) override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return;
    // No click event: only a person's click reports one.
    if (auto* r = dynamic_cast<wxRadioButton*>(h->ventana)) {
      r->SetValue(marcado);
    } else if (auto* c = dynamic_cast<wxCheckBox*>(h->ventana)) {
      c->SetValue(marcado);
    }
  }
  void PonerElementos(int id, const std::vector<std::string>& elementos) override {
    const SHijo* h = Buscar(id);
    auto* c = h != nullptr ? dynamic_cast<wxChoice*>(h->ventana) : nullptr;
    if (c == nullptr) return;
    wxArrayString textos;
    for (const std::string& e : elementos) textos.Add(TextoWx(e));
    c->Set(textos);
    c->SetSelection(wxNOT_FOUND);
  }
  int Seleccion(int id) const override {
    const SHijo* h = Buscar(id);
    auto* c = h != nullptr ? dynamic_cast<wxChoice*>(h->ventana) : nullptr;
    return c != nullptr ? c->GetSelection() : -1;
  }
  void PonerSeleccion(int id, int fila) override {
    const SHijo* h = Buscar(id);
    auto* c = h != nullptr ? dynamic_cast<wxChoice*>(h->ventana) : nullptr;
    if (c == nullptr) return;
    c->SetSelection(fila >= 0 && static_cast<unsigned>(fila) < c->GetCount() ? fila : wxNOT_FOUND);
  }
  std::optional<int> Foco() const override {
    if (m_focoEntrante) return *m_focoEntrante == kIdNinguno ? std::nullopt : std::optional<int>(*m_focoEntrante);
    return IdDeVentana(wxWindow::FindFocus());
  }
  void PonerFoco(int id) override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return;
    if (m_focoEntrante) {
      // Not from inside a focus change: once it is over.
      wxWindow* ventana = h->ventana;
      this->CallAfter([this, id, ventana] {
        if (Buscar(id) != nullptr && ventana->IsEnabled()) ventana->SetFocus();
      });
      return;
    }
    if (h->ventana->IsEnabled()) h->ventana->SetFocus();
  }
  void CursorAlFinal(int id) override {
    if (Buscar(id) == nullptr) return;
    this->CallAfter([this, id] {
      const SHijo* h = Buscar(id);
      if (auto* texto = h != nullptr ? dynamic_cast<wxTextEntry*>(h->ventana) : nullptr) texto->SetInsertionPointEnd();
    });
  }
  void TeclearCaracter(int id, unsigned caracter) override {
    const SHijo* h = Buscar(id);
    auto* campo = h != nullptr ? dynamic_cast<wxTextCtrl*>(h->ventana) : nullptr;
    if (campo == nullptr || m_pReglas == nullptr || !campo->IsEnabled()) return;
    campo->SetFocus();
    if (CEditEx* edit = EditDe(campo)) {
      // The box edit's own rules, on its whole text selected as a field taking the focus has it.
      campo->SelectAll();
      edit->AlCaracter(caracter);
    } else {
      const bool mayusculas = h->mayusculas;
      const int resultado = m_pReglas->ValidarCaracterCampo(id, caracter);
      if (resultado == 1) wxBell();
      // The rules may have taken the character over, or made the field read-only.
      if (resultado != 0 || Buscar(id) == nullptr || !campo->IsEditable()) return;
      std::string texto;
      if (caracter != kTeclaRetroceso) texto.assign(1, static_cast<char>(caracter));
      if (mayusculas) texto = plataforma::Mayusculas1252(texto);
      // As typed: the text-changed event goes to the rules.
      campo->Replace(0, campo->GetLastPosition(), TextoWx(texto));
    }
    if (Buscar(id) == nullptr) return;
    campo->SetInsertionPointEnd();
    // Once the dialog is up and the field really takes the focus (which may select its whole text), the caret goes
    // back after the character, until the next key reaches the field or it is left.
    m_caretAlFinal = id;
    CursorAlFinal(id);
  }
  void MoverFoco(bool anterior) override {
    // From the control that has the focus, among this window's children (Navigate would move among the
    // window's siblings instead).
    this->NavigateIn(anterior ? wxNavigationKeyEvent::IsBackward : wxNavigationKeyEvent::IsForward);
  }
  void IntercambiarDatosHijos(int direccion) override {
    for (const SHijo& h : m_hijos) {
      if (CEditEx* edit = EditDe(h.ventana)) edit->IntercambiarDatos(direccion == 1 ? 1 : 0);
    }
    if (direccion == 1) {
      this->TransferDataFromWindow();
    } else {
      this->TransferDataToWindow();
    }
  }
  void PonerTituloVentana(std::string_view titulo) override {
    if (auto* tlw = dynamic_cast<wxTopLevelWindow*>(static_cast<wxWindow*>(this))) tlw->SetTitle(TextoFijoWx(titulo));
  }
  SRectDialogo Rectangulo() const override {
    const wxRect r = this->GetScreenRect();
    return {r.x, r.y, r.width, r.height};
  }
  std::optional<SRectDialogo> RectanguloPrincipal() const override {
    wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
    if (principal == nullptr || principal == static_cast<const wxWindow*>(this) || !principal->IsShown()) {
      return std::nullopt;
    }
    const wxRect r = principal->GetScreenRect();
    return SRectDialogo{r.x, r.y, r.width, r.height};
  }
  void Mover(int x, int y) override {
    this->Move(x, y);
    this->Refresh();
  }
  void PonerImagenBoton(int id, int imagen, bool) override {
    const SHijo* h = Buscar(id);
    if (h == nullptr) return;
    if (auto* boton = dynamic_cast<CBotonBmp*>(h->ventana)) boton->CargarImagen(imagen, 0, kLadoImagenBoton, kLadoImagenBoton);
  }
  void AplicarFuente() override {
    const wxFont fuente = FuenteDialogos();
    for (const SHijo& h : m_hijos) {
      if (dynamic_cast<wxTextCtrl*>(h.ventana) != nullptr) h.ventana->SetFont(fuente);
    }
  }
  void AplicarColores() override {
    for (const SHijo& h : m_hijos) Pintar(h);
  }
  void MostrarAyuda(int contexto) override {
    // The application's help, as a box's F1 asks for it.
    if (const auto& ayuda = ServiciosEdit().ayuda) ayuda(contexto);
  }

 protected:
  struct SHijo {
    int id;
    wxWindow* ventana;
    bool propio;  // made by the dialog itself: reports its own events
    bool mayusculas = false;  // a plain field that takes capitals only
    bool importe = false;     // a plain field laid out for amounts
  };
  static constexpr int kIdNinguno = -0x7FFE;

  void Construir(CDialogoBase& reglas, bool esPagina) {
    m_pReglas = &reglas;
    m_bPagina = esPagina;
    this->SetFont(FuenteDialogos());
    const CPlantillaDialogo& plantilla = reglas.Plantilla();
    const wxSize tam = this->ConvertDialogToPixels(wxSize(plantilla.Ancho(), plantilla.Alto()));
    this->SetClientSize(tam);
    std::vector<wxWindow*> ventanas;
    for (const SControlDialogo& c : plantilla.Controles()) ventanas.push_back(Crear(c));
    OrdenarTabulador(ventanas, plantilla.OrdenLectura());
    this->Bind(EVT_AVISO_CAMPO, &CVentanaControles::AlAvisoCampo, this);
    this->Bind(wxEVT_PAINT, &CVentanaControles::AlPintarMarcos, this);
    this->Bind(wxEVT_CHAR, &CVentanaControles::AlTeclaReenviada, this);
    this->Bind(wxEVT_KEY_DOWN, &CVentanaControles::AlTeclaReenviada, this);
    this->Bind(wxEVT_BUTTON, &CVentanaControles::AlPulsar, this);
    this->Bind(wxEVT_CHECKBOX, &CVentanaControles::AlPulsar, this);
    this->Bind(wxEVT_RADIOBUTTON, &CVentanaControles::AlPulsar, this);
    this->Bind(wxEVT_CHOICE, &CVentanaControles::AlElegir, this);
    reglas.AsociarVentana(this);
  }

  void Soltar() {
    if (m_pReglas != nullptr && m_pReglas->Ventana() == this) m_pReglas->AsociarVentana(nullptr);
    m_pReglas = nullptr;
  }

  const SHijo* Buscar(int id) const {
    const auto it = std::find_if(m_hijos.begin(), m_hijos.end(), [id](const SHijo& h) { return h.id == id; });
    return it == m_hijos.end() ? nullptr : &*it;
  }
  const SHijo* BuscarVentana(const wxWindow* ventana) const {
    const auto it =
        std::find_if(m_hijos.begin(), m_hijos.end(), [ventana](const SHijo& h) { return h.ventana == ventana; });
    return it == m_hijos.end() ? nullptr : &*it;
  }
  std::optional<int> IdDeVentana(const wxWindow* ventana) const {
    if (ventana == nullptr) return std::nullopt;
    // A window inside one of the controls (the entry of a combined control) counts as that control.
    for (const wxWindow* v = ventana; v != nullptr && v != static_cast<const wxWindow*>(this); v = v->GetParent()) {
      if (const SHijo* h = BuscarVentana(v)) return h->id;
    }
    return kIdAjeno;
  }

  bool m_bPagina = false;
  CDialogoBase* m_pReglas = nullptr;

 private:
  // Tab (and Enter, Up and Down, which move as it does) visits the controls in the layout's reading order, whatever
  // the order the layout made them in: `ventanas` are the windows made for the layout's controls, one by one.
  void OrdenarTabulador(const std::vector<wxWindow*>& ventanas, const std::vector<std::size_t>& orden) {
    wxWindow* anterior = nullptr;
    for (const std::size_t i : orden) {
      wxWindow* ventana = i < ventanas.size() ? ventanas[i] : nullptr;
      if (ventana == nullptr || ventana->GetParent() != static_cast<wxWindow*>(this)) continue;
      if (anterior != nullptr) ventana->MoveAfterInTabOrder(anterior);
      anterior = ventana;
    }
  }

  // Makes the window of a control of the layout; gives it (null when none was made).
  wxWindow* Crear(const SControlDialogo& c) {
    const wxPoint pos = this->ConvertDialogToPixels(wxPoint(c.rect.x, c.rect.y));
    const wxSize tam = this->ConvertDialogToPixels(wxSize(c.rect.ancho, c.rect.alto));
    const int idWx = c.id == -1 ? wxID_ANY : c.id;
    wxWindow* ventana = nullptr;
    bool propio = false;
    switch (c.tipo) {
      case ETipoControlDialogo::Estatico:
        ventana = new wxStaticText(this, idWx, TextoFijoWx(c.texto), pos, tam, wxST_NO_AUTORESIZE);
        break;
      case ETipoControlDialogo::Marco:
        ventana = new wxStaticBox(this, idWx, TextoFijoWx(c.texto), pos, tam);
        break;
      case ETipoControlDialogo::Edicion: {
        // Without the toolkit's frame, whose padding leaves no room for the text in the narrow cells of the
        // layouts; the window draws a thin frame around each field itself.
        long estilo = wxTE_PROCESS_ENTER | wxBORDER_NONE;
        if ((c.opciones & kEdicionMultilinea) != 0) estilo = wxTE_MULTILINE;
        if ((c.opciones & kEdicionDerecha) != 0) estilo |= wxTE_RIGHT;
        if ((c.opciones & kEdicionSoloLectura) != 0) estilo |= wxTE_READONLY;
        // One pixel inside its place, where the frame is drawn.
        auto* edicion = new wxTextCtrl(this, idWx, TextoWx(c.texto), pos + wxPoint(1, 1), tam - wxSize(2, 2), estilo);
        if (c.longitud > 0 && (c.opciones & kEdicionMultilinea) == 0) {
          edicion->SetMaxLength(static_cast<unsigned long>(c.longitud));
        }
        edicion->Bind(wxEVT_CHAR, &CVentanaControles::AlCaracterCampo, this);
        edicion->Bind(wxEVT_SET_FOCUS, &CVentanaControles::AlGanarFoco, this);
        edicion->Bind(wxEVT_KILL_FOCUS, &CVentanaControles::AlPerderFoco, this);
        edicion->Bind(wxEVT_TEXT, &CVentanaControles::AlCambiarTexto, this);
        ventana = edicion;
        break;
      }
      case ETipoControlDialogo::Boton: {
        auto* boton = new CBotonBmp(this, idWx, TextoFijoWx(c.texto), pos, tam);
        boton->CambiarEstado(false);
        ventana = boton;
        break;
      }
      case ETipoControlDialogo::Casilla:
        ventana = new wxCheckBox(this, idWx, TextoFijoWx(c.texto), pos, tam);
        break;
      case ETipoControlDialogo::Opcion:
        ventana = new wxRadioButton(this, idWx, TextoFijoWx(c.texto), pos, tam, c.primeroDeGrupo ? wxRB_GROUP : 0);
        break;
      case ETipoControlDialogo::Lista: {
        wxArrayString elementos;
        for (const std::string& e : c.elementos) elementos.Add(TextoFijoWx(e));
        ventana = new wxChoice(this, idWx, pos, tam, elementos);
        break;
      }
      case ETipoControlDialogo::Propio:
        if (c.crear) ventana = c.crear(this, c.id, SRectDialogo{pos.x, pos.y, tam.x, tam.y});
        propio = true;
        break;
    }
    if (ventana == nullptr || c.id == -1) return ventana;
    const bool edicion = c.tipo == ETipoControlDialogo::Edicion;
    m_hijos.push_back(SHijo{c.id, ventana, propio, edicion && (c.opciones & kEdicionMayusculas) != 0,
                            edicion && (c.opciones & kEdicionImporte) != 0});
    if (!propio && c.tipo != ETipoControlDialogo::Estatico && c.tipo != ETipoControlDialogo::Marco) {
      ventana->Bind(wxEVT_KEY_DOWN, &CVentanaControles::AlTecla, this);
    }
    return ventana;
  }

  int IdDeEvento(const wxEvent& evento) const {
    const SHijo* h = BuscarVentana(dynamic_cast<wxWindow*>(evento.GetEventObject()));
    return h != nullptr ? h->id : evento.GetId();
  }

  void AlGanarFoco(wxFocusEvent& evento) {
    evento.Skip();
    const int id = IdDeEvento(evento);
    if (m_pReglas != nullptr) m_pReglas->Notificar(id, kAvisoFocoGanado);
    if (m_caretAlFinal == id) CursorAlFinal(id);
  }

  void AlPerderFoco(wxFocusEvent& evento) {
    evento.Skip();
    if (m_pReglas == nullptr) return;
    const int id = IdDeEvento(evento);
    if (evento.GetWindow() != nullptr) {
      Salir(id, evento.GetWindow(), false);
      return;
    }
    // The toolkit names no window when the focus moves with the mouse or the window manager: the window taking it
    // is known only once the move is over. Focus back on the same field is no leave; no focus at all (another
    // program took it) is a leave to no window.
    SalirDespues(id, dynamic_cast<wxWindow*>(evento.GetEventObject()));
  }

  // The field `id` (window `campo`) lost the focus to a window named only once the move is over.
  void SalirDespues(int id, const wxWindow* campo) {
    this->CallAfter([this, id, campo] {
      if (m_pReglas == nullptr || Buscar(id) == nullptr) return;
      wxWindow* foco = wxWindow::FindFocus();
      if (foco != nullptr && foco == campo) return;
      Salir(id, foco, false);
    });
  }

  // A field lost the focus to `entrante` (null: to no window, unless `desconocido`: to a window not known).
  void Salir(int id, wxWindow* entrante, bool desconocido) {
    if (m_caretAlFinal == id) m_caretAlFinal.reset();
    const std::optional<int> destino = IdDeVentana(entrante);
    m_focoEntrante = destino ? *destino : desconocido ? kIdAjeno : kIdNinguno;
    m_pReglas->Notificar(id, kAvisoFocoPerdido);
    m_focoEntrante.reset();
  }

  // A character typed into a plain field edit: the rules may refuse it or take it over.
  void AlCaracterCampo(wxKeyEvent& evento) {
    const SHijo* h = BuscarVentana(dynamic_cast<wxWindow*>(evento.GetEventObject()));
    if (h != nullptr && m_caretAlFinal == h->id) m_caretAlFinal.reset();
    const wxChar unicode = evento.GetUnicodeKey();
    if (m_pReglas == nullptr || h == nullptr || unicode == WXK_NONE || evento.ControlDown() || evento.AltDown()) {
      evento.Skip();
      return;
    }
    unsigned caracter = 0;
    if (unicode < 0x20 || unicode == WXK_DELETE) {
      // Of the control characters only Backspace is a field's; Tab, Enter and Esc are the keyboard rules'.
      if (unicode != WXK_BACK) {
        evento.Skip();
        return;
      }
      caracter = kTeclaRetroceso;
    } else {
      const int byte = plataforma::ByteDeCodigo1252(static_cast<char32_t>(unicode));
      if (byte < 0) {
        wxBell();  // a character the declaration's code page cannot hold
        return;
      }
      caracter = static_cast<unsigned>(byte);
    }
    const int resultado = m_pReglas->ValidarCaracterCampo(h->id, caracter);
    if (resultado == 0 && h->mayusculas && caracter != kTeclaRetroceso) {
      // Written here as a capital: the toolkit's own upper-case filter loses the order of fast typing.
      if (auto* t = dynamic_cast<wxTextCtrl*>(h->ventana)) {
        t->WriteText(TextoWx(plataforma::Mayusculas1252(std::string(1, static_cast<char>(caracter)))));
        return;
      }
      evento.Skip();
    } else if (resultado == 0) {
      evento.Skip();
    } else if (resultado == 1) {
      wxBell();
    }
  }

  void AlCambiarTexto(wxCommandEvent& evento) {
    if (m_pReglas != nullptr) m_pReglas->Notificar(IdDeEvento(evento), kAvisoTextoCambiado);
  }

  // A box edit's notification.
  void AlAvisoCampo(wxCommandEvent& evento) {
    const SHijo* h = Buscar(evento.GetId());
    if (m_pReglas == nullptr || h == nullptr) {
      evento.Skip();
      return;
    }
    if (evento.GetInt() == kAvisoFocoPerdido) {
      // The edit tells no more than that it lost the focus: the window taking it is the one that has it now.
      wxWindow* foco = wxWindow::FindFocus();
      if (foco == nullptr) {
        // In the middle of the move: no window has it yet.
        SalirDespues(evento.GetId(), h->ventana);
        return;
      }
      Salir(evento.GetId(), foco == h->ventana ? nullptr : foco, foco == h->ventana);
      return;
    }
    m_pReglas->Notificar(evento.GetId(), evento.GetInt());
  }

  // Keys the box edits hand on to their parent (their event object is the edit's window).
  void AlTeclaReenviada(wxKeyEvent& evento) {
    auto* control = dynamic_cast<wxWindow*>(evento.GetEventObject());
    if (control == nullptr || control == static_cast<wxWindow*>(this) || BuscarVentana(control) == nullptr ||
        EditDe(control) == nullptr) {
      evento.Skip();
      return;
    }
    if (m_pReglas == nullptr) return;
    if (evento.GetEventType() == wxEVT_CHAR) {
      switch (evento.GetKeyCode()) {
        case WXK_TAB: m_pReglas->Tabular(evento.ShiftDown()); return;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER: m_pReglas->OnChar(kCaracterIntro); return;
        case WXK_ESCAPE: m_pReglas->OnChar(kCaracterEscape); return;
        default: return;
      }
    }
    m_pReglas->OnKeyDown(TeclaDeWx(evento.GetKeyCode()));
  }

  void AlPulsar(wxCommandEvent& evento) {
    if (m_pReglas == nullptr || Buscar(evento.GetId()) == nullptr) {
      evento.Skip();
      return;
    }
    m_pReglas->Pulsar(evento.GetId());
  }

  void AlElegir(wxCommandEvent& evento) {
    if (m_pReglas == nullptr || Buscar(evento.GetId()) == nullptr) {
      evento.Skip();
      return;
    }
    // A list's selection changed (the classic code 1).
    m_pReglas->AlComando(evento.GetId(), 1);
  }

 public:
  // The keys of the controls the layout made.
  bool Tecla(wxWindow* control, const wxKeyEvent& evento) {
    if (m_pReglas == nullptr) return false;
    const SHijo* h = BuscarVentana(control);
    const bool edicion = h != nullptr && dynamic_cast<wxTextCtrl*>(h->ventana) != nullptr;
    const int id = h != nullptr ? h->id : kIdAjeno;
    const int tecla = evento.GetKeyCode();
    if (tecla == WXK_TAB && !evento.ControlDown() && !evento.AltDown()) {
      if (edicion && dynamic_cast<CTemplateDlg*>(m_pReglas) != nullptr) m_pReglas->Notificar(id, kAvisoTabulador);
      return m_pReglas == nullptr || m_pReglas->Tabular(evento.ShiftDown()) != 0;
    }
    if (evento.HasAnyModifiers()) return false;
    switch (tecla) {
      case WXK_RETURN:
      case WXK_NUMPAD_ENTER:
        if (h != nullptr && dynamic_cast<CBotonDibujado*>(h->ventana) != nullptr) {
          m_pReglas->Pulsar(id);
          return true;
        }
        if (edicion && dynamic_cast<CTemplateDlg*>(m_pReglas) != nullptr) m_pReglas->Notificar(id, kAvisoTabulador);
        return m_pReglas->OnChar(kCaracterIntro) != 0;
      case WXK_ESCAPE: return m_pReglas->OnChar(kCaracterEscape) != 0;
      case WXK_UP:
      case WXK_DOWN:
        if (edicion && (h->ventana->GetWindowStyle() & wxTE_MULTILINE) != 0) return false;
        if (dynamic_cast<wxChoice*>(control) != nullptr) return false;
        return m_pReglas->OnKeyDown(tecla == WXK_UP ? kTeclaArriba : kTeclaAbajo) != 0;
      case WXK_F1:
        if (auto* pagina = dynamic_cast<CTemplatePropPg*>(m_pReglas)) return pagina->PreTranslateTecla(kTeclaF1) != 0;
        return false;
      default: return false;
    }
  }

 private:
  void AlTecla(wxKeyEvent& evento) {
    if (!Tecla(dynamic_cast<wxWindow*>(evento.GetEventObject()), evento)) evento.Skip();
  }

  // A field edit without the toolkit's frame.
  static bool SinMarco(const wxWindow* ventana) {
    return dynamic_cast<const wxTextCtrl*>(ventana) != nullptr && ventana->IsShown() &&
           (ventana->GetWindowStyleFlag() & wxBORDER_MASK) == wxBORDER_NONE;
  }

  // The thin frame around every field edit that has none of its own.
  void AlPintarMarcos(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetPen(wxPen(wxColour(128, 128, 128)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    for (const SHijo& h : m_hijos) {
      if (SinMarco(h.ventana)) dc.DrawRectangle(h.ventana->GetRect().Inflate(1, 1));
    }
  }

  void Pintar(const SHijo& h) {
    const bool edicion = dynamic_cast<wxTextCtrl*>(h.ventana) != nullptr;
    const std::optional<SColoresControl> colores = ColoresDeControl(m_bPagina, edicion, h.ventana->IsThisEnabled());
    if (colores) {
      h.ventana->SetBackgroundColour(ColorWx(colores->fondo));
      h.ventana->SetForegroundColour(ColorWx(colores->texto));
    } else if (SinMarco(h.ventana) && EditDe(h.ventana) == nullptr) {
      // A field without its frame has no background of its own either.
      h.ventana->SetBackgroundColour(*wxWHITE);
      h.ventana->SetForegroundColour(*wxBLACK);
    } else if (edicion || m_bPagina) {
      h.ventana->SetBackgroundColour(wxNullColour);
      h.ventana->SetForegroundColour(wxNullColour);
    }
    h.ventana->Refresh();
  }

  std::vector<SHijo> m_hijos;
  std::optional<int> m_focoEntrante;
  std::optional<int> m_caretAlFinal;  // the field a character was typed into by the program, until it is left
};

class CVentanaDialogo : public CVentanaControles<wxDialog> {
 public:
  CVentanaDialogo(CTemplateDlg& dialogo, wxWindow* padre) {
    Create(padre, wxID_ANY, TextoFijoWx(dialogo.Plantilla().TituloPlantilla()), wxDefaultPosition, wxDefaultSize,
           wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX);
    // The program's own ids (1 OK, 2 Cancel) are not the toolkit's: nothing closes the dialog behind the rules.
    SetAffirmativeId(wxID_NONE);
    SetEscapeId(wxID_NONE);
    Construir(dialogo, false);
    Bind(wxEVT_CHAR_HOOK, &CVentanaDialogo::AlGancho, this);
    Bind(wxEVT_CLOSE_WINDOW, &CVentanaDialogo::AlCerrar, this);
  }
  ~CVentanaDialogo() override { Soltar(); }

  int Ejecutar() {
    if (m_nFinal != 0) return m_nFinal;
    // Once shown, the dialog comes to the front and takes the keyboard: a window manager that keeps new windows
    // from taking the focus would otherwise leave it behind the main window, out of sight.
    CallAfter([this] {
      if (IsShown()) Raise();
    });
    const int resultado = ShowModal();
    return m_nFinal != 0 ? m_nFinal : resultado;
  }

  void Terminar(int resultado) override {
    m_nFinal = resultado;
    if (IsModal()) EndModal(resultado);
  }
  void PedirCierre() override {
    CallAfter([this] {
      if (IsModal()) Close();
    });
  }

 private:
  void AlGancho(wxKeyEvent& evento) {
    // Esc closes from any control (the field edits pass it on too).
    if (evento.GetKeyCode() == WXK_ESCAPE && !evento.HasAnyModifiers() && m_pReglas != nullptr &&
        EditDe(wxWindow::FindFocus()) == nullptr) {
      m_pReglas->OnChar(kCaracterEscape);
      return;
    }
    // Alt and a letter press the button whose text marks that letter ("&Aceptar"): the owner-drawn buttons have
    // no mnemonics of the toolkit.
    if (evento.AltDown() && !evento.ControlDown() && PulsarBotonDeMnemonico(this, evento.GetKeyCode())) return;
    evento.Skip();
  }
  void AlCerrar(wxCloseEvent& evento) {
    if (m_pReglas == nullptr) {
      evento.Skip();
      return;
    }
    static_cast<CTemplateDlg*>(m_pReglas)->OnClose();
    if (IsModal() && m_nFinal == 0) EndModal(kIdCancelar);
  }

  int m_nFinal = 0;
};

class CVentanaPagina : public CVentanaControles<wxPanel> {
 public:
  CVentanaPagina(CTemplatePropPg& pagina, wxWindow* padre) {
    Create(padre, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    Construir(pagina, true);
  }
  ~CVentanaPagina() override { Soltar(); }

  void Terminar(int) override {}
  // The page closes its sheet, as the sheet's close box does.
  void PedirCierre() override {
    CallAfter([this] {
      if (wxWindow* hoja = wxGetTopLevelParent(this)) hoja->Close();
    });
  }
};

}  // namespace

wxFont FuenteDialogos() {
  // A negative classic height is the character height without the internal leading: about that many pixels.
  const int alto = kFuenteDialogo.alto < 0 ? -kFuenteDialogo.alto : kFuenteDialogo.alto;
  return wxFont(wxFontInfo(wxSize(0, alto)).Family(wxFONTFAMILY_SWISS).FaceName(TextoWx(kFuenteDialogo.cara)));
}

CDialogoBase* DialogoDeVentana(wxWindow* ventana) {
  for (wxWindow* v = ventana; v != nullptr; v = v->GetParent()) {
    if (auto* d = dynamic_cast<CVentanaDialogo*>(v)) return &d->Reglas();
    if (auto* p = dynamic_cast<CVentanaPagina*>(v)) return &p->Reglas();
  }
  return nullptr;
}

void ActualizarDatosHijos(wxWindow* ventana, int direccion) {
  if (ventana == nullptr) return;
  if (dynamic_cast<CVentanaDialogo*>(ventana) != nullptr || dynamic_cast<CVentanaPagina*>(ventana) != nullptr) {
    if (CDialogoBase* reglas = DialogoDeVentana(ventana)) {
      reglas->ActualizarDatos(direccion);
      return;
    }
  }
  if (direccion == 1) {
    ventana->TransferDataFromWindow();
  } else {
    ventana->TransferDataToWindow();
  }
}

// ---- the runs of the bases ----

int CTemplateDlg::DoModal() {
  if (wxTheApp == nullptr) return kIdCancelar;
  int resultado = kIdCancelar;
  {
    CVentanaDialogo ventana(*this, Padre());
    OnInitDialog();
    EntregarCaracterInicial();
    resultado = ventana.Ejecutar();
  }
  return resultado == kIdAceptar ? kIdAceptar : kIdCancelar;
}

wxWindow* CTemplatePropPg::CrearVentana(wxWindow* padre) {
  if (padre == nullptr) return nullptr;
  auto* ventana = new CVentanaPagina(*this, padre);
  OnInitDialog();
  return ventana;
}

}  // namespace marco
