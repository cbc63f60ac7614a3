#include "shell/CalculadoraVentana.h"

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/gbsizer.h>
#include <wx/settings.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include "framework/BotonRedondo.h"
#include "framework/DlgMensaje.h"
#include "platform/Perfil.h"
#include "shell/Idiomas.h"

namespace shell {

namespace {

constexpr int kLadoTecla = 40;
constexpr int kHueco = 4;

// A round key that leaves the keyboard with the display.
class CTeclaRedonda : public marco::CBotonRedondo {
 public:
  CTeclaRedonda(wxWindow* padre, wxWindowID id, const wxString& texto)
      : marco::CBotonRedondo(padre, id, texto, wxDefaultPosition, wxSize(kLadoTecla, kLadoTecla)) {}
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }
};

// A button that leaves the keyboard with the display (Enter is "=" there, not a button's press).
class CBotonSinFoco : public wxButton {
 public:
  CBotonSinFoco(wxWindow* padre, wxWindowID id, const wxString& texto, const wxSize& tamano = wxDefaultSize)
      : wxButton(padre, id, texto, wxDefaultPosition, tamano) {
    SetCanFocus(false);
  }
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }
};

wxString Utf8(std::string_view texto) { return wxString::FromUTF8(texto.data(), texto.size()); }

}  // namespace

// The display: the figure right-aligned, "M" while the memory holds a figure and the operation pending at its left.
// It takes the keys of the keyboard.
class CPantallaCalculadora : public wxControl {
 public:
  explicit CPantallaCalculadora(CCalculadora& calculadora)
      : wxControl(&calculadora, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN | wxWANTS_CHARS),
        m_calculadora(calculadora) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetFont(wxFont(wxFontInfo(16).Bold()));
    Bind(wxEVT_PAINT, &CPantallaCalculadora::AlPintar, this);
    Bind(wxEVT_KEY_DOWN, &CPantallaCalculadora::AlPulsarTecla, this);
    Bind(wxEVT_CHAR, &CPantallaCalculadora::AlCaracter, this);
  }

  bool AcceptsFocus() const override { return true; }

 protected:
  wxSize DoGetBestSize() const override {
    wxClientDC dc(const_cast<CPantallaCalculadora*>(this));
    dc.SetFont(GetFont());
    const wxSize texto = dc.GetTextExtent("-888.888.888.888,8");
    return wxSize(texto.GetWidth() + 40, texto.GetHeight() + 12);
  }

 private:
  void AlPintar(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW)));
    dc.Clear();
    dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT));
    const wxSize area = GetClientSize();
    dc.SetFont(GetFont());
    const wxString cifra = Utf8(m_calculadora.Reglas().Pantalla());
    const wxSize tamano = dc.GetTextExtent(cifra);
    dc.DrawText(cifra, area.GetWidth() - tamano.GetWidth() - 6, (area.GetHeight() - tamano.GetHeight()) / 2);
    wxString marcas;
    if (m_calculadora.Reglas().HayMemoria()) marcas += "M ";
    switch (m_calculadora.Reglas().OperacionPendiente()) {
      case '+': marcas += "+"; break;
      case '-': marcas += "-"; break;
      case '*': marcas += wxString::FromUTF8("\u00d7"); break;
      case '/': marcas += wxString::FromUTF8("\u00f7"); break;
      default: break;
    }
    dc.SetFont(wxFont(wxFontInfo(9)));
    dc.DrawText(marcas, 4, 2);
  }

  void AlPulsarTecla(wxKeyEvent& evento) {
    ETeclaEspecial especial = ETeclaEspecial::Ninguna;
    switch (evento.GetKeyCode()) {
      case WXK_RETURN:
      case WXK_NUMPAD_ENTER: especial = ETeclaEspecial::Intro; break;
      case WXK_DELETE:
      case WXK_NUMPAD_DELETE: especial = ETeclaEspecial::Suprimir; break;
      case WXK_BACK: especial = ETeclaEspecial::Retroceso; break;
      case WXK_F9: especial = ETeclaEspecial::F9; break;
      default: break;
    }
    if (especial != ETeclaEspecial::Ninguna && !evento.AltDown() && !evento.ControlDown()) {
      if (const auto orden = OrdenDeTecla(0, especial, false)) m_calculadora.Pulsar(*orden);
      return;
    }
    // Control and a letter: the memory keys (the character of such a key is a control code).
    if (evento.ControlDown() && !evento.AltDown()) {
      const int codigo = evento.GetKeyCode();
      if (codigo >= 'A' && codigo <= 'Z') {
        if (const auto orden = OrdenDeTecla(static_cast<char32_t>(codigo), ETeclaEspecial::Ninguna, true)) {
          m_calculadora.Pulsar(*orden);
          return;
        }
      }
    }
    evento.Skip();
  }

  void AlCaracter(wxKeyEvent& evento) {
    if (evento.AltDown() || evento.ControlDown()) {
      evento.Skip();
      return;
    }
    const wxChar caracter = evento.GetUnicodeKey();
    if (caracter != WXK_NONE) {
      if (const auto orden = OrdenDeTecla(static_cast<char32_t>(caracter), ETeclaEspecial::Ninguna, false)) {
        m_calculadora.Pulsar(*orden);
        return;
      }
    }
    evento.Skip();
  }

  CCalculadora& m_calculadora;
};

CCalculadora::CCalculadora(wxWindow* padre, plataforma::CPerfil& perfil, bool conCasilla)
    : wxDialog(padre, kIdDlgCalculadora, Traduce("Calculadora")),
      m_perfil(perfil),
      m_reglas(CReglasCalculadora::LeerMemoria(perfil.LeerCadena(kSeccionCalculadora, kClaveMemoria, "0.0"))),
      m_bConCasilla(conCasilla) {
  auto* columna = new wxBoxSizer(wxVERTICAL);
  m_pPantalla = new CPantallaCalculadora(*this);
  columna->Add(m_pPantalla, 0, wxEXPAND | wxALL, 8);

  auto* teclas = new wxGridBagSizer(kHueco, kHueco);
  const auto lista = TeclasCalculadora();
  for (std::size_t i = 0; i < lista.size(); ++i) {
    const STeclaCalculadora& tecla = lista[i];
    const int id = kIdPrimeraTeclaCalculadora + static_cast<int>(i);
    wxWindow* boton = nullptr;
    if (tecla.columnas > 1) {
      // The conversions: their words need a key of their own shape.
      boton = new CBotonSinFoco(this, id, Utf8(tecla.rotulo), wxSize(-1, kLadoTecla * 3 / 4));
    } else {
      boton = new CTeclaRedonda(this, id, Utf8(tecla.rotulo));
    }
    if (!tecla.ayuda.empty()) boton->SetToolTip(Traduce(tecla.ayuda));
    teclas->Add(boton, wxGBPosition(tecla.fila, tecla.columna), wxGBSpan(1, tecla.columnas),
                tecla.columnas > 1 ? static_cast<int>(wxEXPAND) : static_cast<int>(wxALIGN_CENTER));
    boton->Bind(wxEVT_BUTTON, [this, orden = tecla.orden](wxCommandEvent&) {
      Pulsar(orden);
      m_pPantalla->SetFocus();
    });
  }
  columna->Add(teclas, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT, 8);

  if (!m_bConCasilla) {
    columna->Add(new wxStaticText(this, kIdCalculadoraSola, Traduce("El resultado no se lleva a ninguna casilla.")), 0,
                 wxLEFT | wxRIGHT | wxTOP, 8);
  }

  auto* botones = new wxBoxSizer(wxHORIZONTAL);
  // Enter is "=": no button is the default one, and the keyboard stays with the display.
  auto* aceptar = new CBotonSinFoco(this, wxID_OK, Traduce("&Aceptar"));
  auto* cancelar = new CBotonSinFoco(this, wxID_CANCEL, Traduce("&Cancelar"));
  for (wxButton* boton : {static_cast<wxButton*>(aceptar), static_cast<wxButton*>(cancelar)}) {
    botones->Add(boton, 0, wxALL, 4);
  }
  columna->Add(botones, 0, wxALIGN_CENTER | wxALL, 4);
  SetSizerAndFit(columna);
  aceptar->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Aceptar(); });

  if (padre != nullptr) CentreOnParent();
  m_pPantalla->SetFocus();
}

wxWindow* CCalculadora::Pantalla() const { return m_pPantalla; }

void CCalculadora::Pulsar(EOrdenCalculadora orden) {
  const double memoria = m_reglas.Memoria();
  const EResultadoCalculadora resultado = m_reglas.Ejecutar(orden);
  if (m_reglas.Memoria() != memoria) {
    m_perfil.EscribirCadena(kSeccionCalculadora, kClaveMemoria, CReglasCalculadora::TextoMemoria(m_reglas.Memoria()));
  }
  m_pPantalla->Refresh();
  if (resultado == EResultadoCalculadora::Rechazado) {
    wxBell();
  } else if (const std::string_view codigo = MensajeDe(resultado); !codigo.empty()) {
    marco::CDlgMensaje(this).MostrarMensaje(codigo, marco::IconoExclamacion);
    m_pPantalla->SetFocus();
  }
}

void CCalculadora::Aceptar() {
  m_resultado = m_reglas.Resultado();
  EndModal(wxID_OK);
}

std::optional<std::string> MostrarCalculadora(wxWindow* padre, plataforma::CPerfil& perfil, bool conCasilla) {
  CCalculadora calculadora(padre, perfil, conCasilla);
  if (calculadora.ShowModal() != wxID_OK || !conCasilla) return std::nullopt;
  return calculadora.DameResultado();
}

}  // namespace shell
