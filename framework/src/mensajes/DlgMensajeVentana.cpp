#include "framework/DlgMensajeVentana.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include <algorithm>
#include <vector>

#include "framework/BotonBmp.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

namespace {

wxString TextoWx(const std::string& cp1252) { return wxString::FromUTF8(plataforma::Cp1252AUtf8(cp1252)); }

wxArtID ArteDeIcono(int icono) {
  switch (icono) {
    case IconoMano: return wxART_ERROR;
    case IconoPregunta: return wxART_QUESTION;
    case IconoExclamacion: return wxART_WARNING;
    case IconoAsterisco: return wxART_INFORMATION;
    default: return wxArtID();
  }
}

// The controls of the buttons, in the order the window keeps them.
constexpr std::array<int, 6> kControlesBotones = {kBotonConfirmar, kBotonContinuar, kBotonCorregir,
                                                  kBotonCancelar,  kBotonAceptar,   kBotonBorrar};

SRectBoton RectDe(const wxRect& r) { return {r.x, r.y, r.width, r.height}; }

// The lines a text takes when broken at its blanks to `ancho` pixels, as the window's font draws it; a word wider
// than a line takes as many lines as its width needs.
int LineasEnvueltas(const wxWindow& ventana, const wxString& texto, int ancho) {
  ancho = std::max(ancho, 1);
  const int espacio = ventana.GetTextExtent(" ").x;
  int lineas = 0;
  for (const wxString& linea : wxSplit(texto, '\n', '\0')) {
    ++lineas;
    int x = 0;
    for (const wxString& palabra : wxSplit(linea, ' ', '\0')) {
      const int w = ventana.GetTextExtent(palabra).x;
      if (x > 0 && x + espacio + w > ancho) {
        ++lineas;
        x = 0;
      }
      x += (x > 0 ? espacio : 0) + w;
      for (; x > ancho; x -= ancho) ++lineas;
    }
  }
  return lineas;
}

class CContestadorVentana : public CContestadorMensajes {
 public:
  int Contestar(const SMensaje& mensaje) override {
    // Without a window system there is nobody to answer: as if the message were closed.
    if (wxTheApp == nullptr) return kBotonCancelar;
    wxWindow* padre = mensaje.padre != nullptr ? mensaje.padre : wxTheApp->GetTopWindow();
    int resultado;
    {
      CVentanaMensaje ventana(padre, mensaje);
      resultado = ventana.Ejecutar();
    }
    if (padre != nullptr) padre->Refresh(false);
    return resultado;
  }
};

}  // namespace

CVentanaMensaje::CVentanaMensaje(wxWindow* padre, const SMensaje& mensaje) {
  Create(padre, wxID_ANY, "ERROR", wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
  SetClientSize(m_plantilla.anchoCliente, m_plantilla.altoCliente);

  const SRectBoton& ri = m_plantilla.icono;
  const wxArtID arte = ArteDeIcono(mensaje.icono);
  m_pIcono = new wxStaticBitmap(this, 1000,
                                arte.empty() ? wxBitmap() : wxArtProvider::GetBitmap(arte, wxART_MESSAGE_BOX,
                                                                                      wxSize(ri.ancho, ri.alto)),
                                wxPoint(ri.x, ri.y), wxSize(ri.ancho, ri.alto));

  const SRectBoton& rt = m_plantilla.texto;
  m_pTexto = new wxStaticText(this, 1002, wxString(), wxPoint(rt.x, rt.y), wxSize(rt.ancho, rt.alto),
                              wxST_NO_AUTORESIZE);

  const auto& tabla = TablaBotonesMensaje();
  for (std::size_t i = 0; i < m_botones.size(); ++i) {
    const int control = kControlesBotones[i];
    const auto fila = std::find_if(tabla.begin(), tabla.end(), [&](const auto& f) { return f.control == control; });
    auto* boton = new CBotonBmp(this, control, TextoFijoWx(fila->rotulo),
                                wxPoint(0, m_plantilla.arribaBotones),
                                wxSize(m_plantilla.anchoBoton, m_plantilla.altoBoton));
    boton->CambiarEstado(false);
    boton->CargarImagen(fila->icono, 0, 32, 32);
    boton->Hide();
    m_botones[i] = boton;
  }

  // The text, sized to the lines it needs.
  const wxString texto = TextoWx(mensaje.texto);
  int ancho = 0;
  int alto = 0;
  int descenso = 0;
  int interlineado = 0;
  m_pTexto->GetTextExtent("Xg", &ancho, &alto, &descenso, &interlineado);
  const int altoLinea = alto + interlineado;
  std::vector<int> anchos;
  for (const wxString& linea : wxSplit(texto, '\n', '\0')) {
    wxString l = linea;
    l.Replace("\r", "");
    anchos.push_back(m_pTexto->GetTextExtent(l).x);
  }
  m_ajuste = AjustarTexto(anchos, altoLinea, rt, m_plantilla.anchoCliente, m_plantilla.altoCliente);

  std::array<SRectBoton, kBotonesColocables> rects;
  for (std::size_t i = 0; i < kBotonesColocables; ++i) rects[i] = RectDe(Boton(tabla[i].control)->GetRect());
  m_colocacion = ColocarBotones(mensaje.botones, rects, m_ajuste.anchoCliente, m_ajuste.encogimiento,
                                m_plantilla.margen);

  for (const auto& b : m_colocacion.botones) {
    CBotonBmp* boton = Boton(b.control);
    boton->SetSize(b.rect.x, b.rect.y, b.rect.ancho, b.rect.alto);
    boton->Show();
  }
  SetClientSize(m_colocacion.anchoCliente, m_ajuste.altoCliente);
  const SRectBoton& nt = m_ajuste.texto;
  m_pTexto->SetSize(nt.x, nt.y, nt.ancho, nt.alto);
  m_pTexto->SetLabelText(texto);
  // Lines are broken only where a line of the text as written needs more than one.
  if (m_ajuste.lineas > static_cast<int>(anchos.size())) {
    m_pTexto->Wrap(nt.ancho);
    // Broken at words, a text can take more lines than its widths foretold (a long word, a file's path): the
    // window grows to show it whole, its buttons moving down with it.
    const int alto = LineasEnvueltas(*m_pTexto, texto, nt.ancho) * altoLinea;
    if (alto > nt.alto) {
      const int mas = alto - nt.alto;
      m_pTexto->SetSize(nt.x, nt.y, nt.ancho, alto);
      for (const auto& b : m_colocacion.botones) {
        CBotonBmp* boton = Boton(b.control);
        boton->Move(boton->GetPosition().x, boton->GetPosition().y + mas);
      }
      SetClientSize(m_colocacion.anchoCliente, m_ajuste.altoCliente + mas);
    }
  }
  SetTitle(TextoWx(mensaje.titulo));
  if (!m_colocacion.botones.empty()) Boton(m_colocacion.botones.front().control)->SetFocus();
  if (padre != nullptr) {
    CentreOnParent();
  } else {
    Centre();
  }

  Bind(wxEVT_BUTTON, &CVentanaMensaje::AlBoton, this);
  Bind(wxEVT_CLOSE_WINDOW, &CVentanaMensaje::AlCerrar, this);
  Bind(wxEVT_CHAR_HOOK, &CVentanaMensaje::AlTecla, this);
}

CBotonBmp* CVentanaMensaje::Boton(int control) const {
  for (std::size_t i = 0; i < m_botones.size(); ++i) {
    if (kControlesBotones[i] == control) return m_botones[i];
  }
  return nullptr;
}

int CVentanaMensaje::Ejecutar() { return ShowModal(); }

void CVentanaMensaje::AlBoton(wxCommandEvent& evento) {
  const int control = evento.GetId();
  // Borrar can be named by a message but is never laid out and has no answer of its own.
  if (control == kBotonBorrar || Boton(control) == nullptr) return;
  if (IsModal()) {
    EndModal(control);
  } else {
    SetReturnCode(control);
    Hide();
  }
}

void CVentanaMensaje::AlCerrar(wxCloseEvent& evento) {
  if (IsModal()) {
    EndModal(kBotonCancelar);
  } else {
    evento.Skip();
  }
}

void CVentanaMensaje::AlTecla(wxKeyEvent& evento) {
  if (evento.GetKeyCode() == WXK_ESCAPE && IsModal()) {
    EndModal(kBotonCancelar);
    return;
  }
  // A button's mnemonic letter presses it, with Alt or alone: the window holds nothing but its buttons.
  if (!evento.ControlDown() && !evento.MetaDown() && PulsarBotonDeMnemonico(this, evento.GetKeyCode())) return;
  evento.Skip();
}

CContestadorMensajes& ContestadorVentana() {
  static CContestadorVentana contestador;
  return contestador;
}

}  // namespace marco
