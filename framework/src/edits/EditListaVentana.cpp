#include "framework/EditListaVentana.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dialog.h>
#include <wx/gdicmn.h>
#include <wx/toplevel.h>

#include <algorithm>

#include "framework/EditExVentana.h"
#include "framework/EditLista.h"
#include "platform/Texto.h"

namespace marco {

namespace {

wxString AWx(std::string_view texto) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)); }

// The button never takes the focus from the edit.
class CBotonLista : public wxButton {
 public:
  CBotonLista(wxWindow* padre, const wxPoint& posicion, int lado)
      : wxButton(padre, kIdBotonLista, "...", posicion, wxSize(lado, lado), wxBU_EXACTFIT) {}
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }
};

}  // namespace

CVentanasLista::CVentanasLista(CListaEdit& edit) : m_edit(edit) {}

CVentanasLista::~CVentanasLista() {
  *m_pVivo = false;
  Cerrar(false);
  DestruirBoton();
}

void CVentanasLista::CrearBoton(bool soloLectura) {
  CVentanaEdit* ventana = m_edit.DameVentana();
  if (ventana == nullptr) return;
  if (m_ventanaEdit.get() != ventana) {
    // Another window: its button is placed afresh.
    DestruirBoton();
    m_nLadoBoton = 0;
    m_ventanaEdit = ventana;
    // The button and the drop-down go with the edit's window.
    const std::weak_ptr<bool> vivo = m_pVivo;
    ventana->Bind(wxEVT_DESTROY, [this, vivo, ventana](wxWindowDestroyEvent& evento) {
      evento.Skip();
      if (evento.GetEventObject() != ventana || vivo.expired() || !*vivo.lock()) return;
      Cerrar(false);
      DestruirBoton();
    });
  }
  wxRect rect = ventana->GetRect();
  if (m_nLadoBoton == 0) {
    m_nLadoBoton = rect.height;
    rect.width = std::max(rect.width - m_nLadoBoton, 1);
    ventana->SetSize(rect);
    ventana->Refresh();
  }
  if (soloLectura || m_boton) return;
  wxWindow* padre = ventana->GetParent();
  if (padre == nullptr) return;
  auto* boton = new CBotonLista(padre, wxPoint(rect.GetRight() + 1, rect.y), m_nLadoBoton);
  m_boton = boton;
  const std::weak_ptr<bool> vivo = m_pVivo;
  boton->Bind(wxEVT_BUTTON, [this, vivo](wxCommandEvent&) {
    if (vivo.expired() || !*vivo.lock()) return;
    m_edit.AbrirDesplegable();
  });
}

void CVentanasLista::DestruirBoton() {
  if (wxButton* boton = m_boton.get()) {
    m_boton = nullptr;
    boton->Destroy();
  }
}

void CVentanasLista::Abrir(const std::vector<SEntradaLista>& entradas, int seleccion) {
  Cerrar(false);
  CVentanaEdit* ventana = m_edit.DameVentana();
  if (ventana == nullptr) return;
  const wxRect edit = ventana->GetScreenRect();
  // Placed under the edit, square of the edit's width plus its height.
  const int lado = edit.width + edit.height;
  SRectanguloPantalla popup{edit.x, edit.GetBottom() + 2, edit.x + lado, edit.GetBottom() + 2 + lado};
  SRectanguloPantalla limites;
  wxListBox* lista = nullptr;
  const long estiloLista = wxLB_SINGLE | wxLB_NEEDED_SB | wxWANTS_CHARS;
  auto* dialogo = dynamic_cast<wxDialog*>(wxGetTopLevelParent(ventana));
  if (dialogo != nullptr) {
    // Inside a dialog the list is one of the dialog's own windows, laid over its fields: a modal dialog lets no
    // other window take the mouse or the keyboard, and the list must stay within it.
    const wxRect cliente(dialogo->ClientToScreen(wxPoint(0, 0)), dialogo->GetClientSize());
    limites = SRectanguloPantalla{cliente.x, cliente.y, cliente.GetRight() + 1, cliente.GetBottom() + 1};
    lista = new wxListBox(dialogo, kIdListaDesplegable, wxDefaultPosition, wxSize(lado, lado), 0, nullptr,
                          estiloLista | wxBORDER_SIMPLE);
    lista->Hide();
  } else {
    auto* marco = new wxFrame(wxGetTopLevelParent(ventana), wxID_ANY, wxString(), wxPoint(popup.izquierda, popup.arriba),
                              wxSize(lado, lado),
                              wxFRAME_NO_TASKBAR | wxFRAME_FLOAT_ON_PARENT | wxBORDER_SIMPLE | wxFRAME_TOOL_WINDOW);
    lista = new wxListBox(marco, kIdListaDesplegable, wxDefaultPosition, marco->GetClientSize(), 0, nullptr,
                          estiloLista);
    m_marco = marco;
    const wxRect escritorio = wxGetClientDisplayRect();
    limites = SRectanguloPantalla{escritorio.x, escritorio.y, escritorio.GetRight() + 1, escritorio.GetBottom() + 1};
  }
  lista->SetFont(ventana->GetFont());
  m_lista = lista;

  int anchoMaximo = 0;
  int altoFila = 0;
  {
    wxClientDC dc(lista);
    dc.SetFont(lista->GetFont());
    for (const SEntradaLista& entrada : entradas) {
      const wxString texto = AWx(entrada.texto);
      lista->Append(texto);
      const wxSize medida = dc.GetTextExtent(texto);
      anchoMaximo = std::max(anchoMaximo, medida.x);
      altoFila = std::max(altoFila, medida.y);
    }
    if (altoFila == 0) altoFila = dc.GetTextExtent("X").y;
  }
  if (seleccion >= 0 && seleccion < static_cast<int>(lista->GetCount())) lista->SetSelection(seleccion);

  // The rows of the native list are a little taller than the text.
  const int fila = altoFila + 4;
  const SRectanguloPantalla nuevo = AjustarDesplegable(popup, anchoMaximo, fila, limites);
  if (wxFrame* marco = m_marco.get()) {
    marco->SetSize(nuevo.izquierda, nuevo.arriba, nuevo.Ancho(), nuevo.Alto());
    lista->SetSize(marco->GetClientSize());
  } else {
    const wxPoint origen = dialogo->ScreenToClient(wxPoint(nuevo.izquierda, nuevo.arriba));
    lista->SetSize(origen.x, origen.y, nuevo.Ancho(), nuevo.Alto());
  }

  const std::weak_ptr<bool> vivo = m_pVivo;
  const auto vive = [vivo] { return !vivo.expired() && *vivo.lock(); };
  lista->Bind(wxEVT_LISTBOX, [this, vive, lista](wxCommandEvent&) {
    if (vive() && m_lista.get() == lista) m_edit.SeleccionarEntrada(lista->GetSelection());
  });
  lista->Bind(wxEVT_LISTBOX_DCLICK, [this, vive, lista](wxCommandEvent&) {
    if (vive() && m_lista.get() == lista) AlDobleClic();
  });
  lista->Bind(wxEVT_CHAR_HOOK, [this, vive, lista](wxKeyEvent& evento) {
    if (!vive() || m_lista.get() != lista) {
      evento.Skip();
      return;
    }
    switch (evento.GetKeyCode()) {
      case WXK_RETURN:
      case WXK_NUMPAD_ENTER:
        AlDobleClic();
        return;
      case WXK_TAB:
      case WXK_ESCAPE:
        m_edit.CerrarDesplegable();
        return;
      default:
        evento.Skip();
    }
  });
  lista->Bind(wxEVT_KILL_FOCUS, [this, vive, lista](wxFocusEvent& evento) {
    evento.Skip();
    if (!vive() || m_lista.get() != lista) return;
    // Not inside the list's own event: the list goes away with its frame.
    wxWeakRef<wxListBox> esta(lista);
    lista->CallAfter([this, vive, esta] {
      if (vive() && esta && m_lista.get() == esta.get()) AlPerderFocoLista();
    });
  });

  if (wxFrame* marco = m_marco.get()) {
    marco->Show();
    // A window of its own takes the keyboard only when it is made the active one: a window manager gives none to
    // a tool window by itself, and Down would go on moving through the page's boxes.
    marco->Raise();
  } else {
    lista->Show();
    lista->Raise();
  }
  lista->SetFocus();
}

void CVentanasLista::AlDobleClic() {
  if (wxListBox* lista = m_lista.get()) m_edit.SeleccionarEntrada(lista->GetSelection());
  m_edit.TomarEntrada();
}

void CVentanasLista::AlPerderFocoLista() {
  // The focus went to the list's frame itself (some window managers do that first): nothing is lost yet.
  wxWindow* foco = wxWindow::FindFocus();
  if (foco != nullptr && (foco == m_lista.get() || foco == m_marco.get())) return;
  m_edit.CerrarDesplegable();
}

void CVentanasLista::Cerrar(bool foco) {
  wxFrame* marco = m_marco.get();
  wxListBox* lista = m_lista.get();
  m_lista = nullptr;
  m_marco = nullptr;
  if (marco != nullptr) {
    marco->Hide();
    marco->Destroy();
  } else if (lista != nullptr) {
    // The list laid over a dialog's fields goes by itself, once its own event (Enter, a double-click) is over.
    lista->Hide();
    if (wxTheApp != nullptr) {
      wxTheApp->ScheduleForDestruction(lista);
    } else {
      lista->Destroy();
    }
  }
  if (foco) {
    if (CVentanaEdit* ventana = m_edit.DameVentana()) ventana->SetFocus();
  }
}

void CVentanasLista::Seleccionar(int indice) {
  wxListBox* lista = m_lista.get();
  if (lista == nullptr) return;
  if (indice >= 0 && indice < static_cast<int>(lista->GetCount())) {
    lista->SetSelection(indice);
  } else {
    lista->SetSelection(wxNOT_FOUND);
  }
}

}  // namespace marco
