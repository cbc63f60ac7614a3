#include "Recorrido.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/control.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/weakref.h>
#include <wx/utils.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <sstream>

#include <X11/Xlib.h>

#include "Teclado.h"
#include "framework/BotonDibujado.h"
#include "framework/Campo.h"
#include "framework/CodigoDescripcion.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/EditFecha.h"
#include "framework/EditLista.h"
#include "framework/EditNumerico.h"
#include "framework/EditSeleccion.h"
#include "framework/EditSiNo.h"
#include "framework/EditTexto.h"
#include "framework/ListasIncompletas.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "framework/Prog32Doc.h"
#include "framework/Prog32View.h"
#include "framework/Prog32ViewReglas.h"
#include "framework/SelectorTitular.h"
#include "income/RentaDoc.h"
#include "platform/Texto.h"
#include "wealth/C714Doc.h"

namespace recorrido {

namespace {

// How long the walk waits for what a person would see at once (a window coming up, the keyboard coming back): a
// loaded machine is slow, and every wait ends as soon as the thing is there.
constexpr int kPlazo = 8000;

// With KORVELIX_RECORRIDO_TRAZA set, the walk says what it does, box by box, on the standard error.
bool HayTraza() {
  static const bool traza = std::getenv("KORVELIX_RECORRIDO_TRAZA") != nullptr;
  return traza;
}

// ---- the data area of the open declaration ----

std::span<unsigned char> Area(marco::CProg32Doc& documento) {
  if (auto* renta = dynamic_cast<renta::CRentaDoc*>(&documento)) {
    return {reinterpret_cast<unsigned char*>(&renta->Datos()), sizeof(DatosRenta)};
  }
  if (auto* patrimonio = dynamic_cast<patrimonio::C714Doc*>(&documento)) {
    return {reinterpret_cast<unsigned char*>(&patrimonio->Datos()), sizeof(DatosPatrimonio)};
  }
  return {};
}

using CFoto = std::vector<unsigned char>;

// The offsets where two pictures of the area differ, as "offset..offset" ranges (at most a few).
std::string Diferencias(const CFoto& antes, const CFoto& despues) {
  std::ostringstream s;
  int tramos = 0;
  for (std::size_t i = 0; i < antes.size() && i < despues.size(); ++i) {
    if (antes[i] == despues[i]) continue;
    std::size_t j = i;
    while (j + 1 < antes.size() && antes[j + 1] != despues[j + 1]) ++j;
    if (tramos++ < 4) {
      s << (tramos > 1 ? ", " : "") << i << ".." << j;
      // A short range of text shows what it held and holds.
      const auto texto = [&](const CFoto& f) {
        std::string t;
        for (std::size_t k = i; k <= j; ++k) t += (f[k] >= 0x20 && f[k] < 0x7F) ? static_cast<char>(f[k]) : '.';
        return t;
      };
      if (j - i < 24) s << " \"" << texto(antes) << "\"->\"" << texto(despues) << "\"";
    }
    i = j;
  }
  if (tramos > 4) s << " (" << tramos << " ranges)";
  return s.str();
}

// Whether `valor` stands in the area where it changed between the two pictures (a box bound to a working copy
// of rows reaches the area when its row is stored).
bool EnCambio(const CFoto& antes, std::span<const unsigned char> area, const std::vector<unsigned char>& valor) {
  if (valor.empty() || area.size() < valor.size()) return false;
  for (std::size_t i = 0; i + valor.size() <= area.size(); ++i) {
    if (std::memcmp(area.data() + i, valor.data(), valor.size()) != 0) continue;
    for (std::size_t k = i; k < i + valor.size(); ++k) {
      if (k < antes.size() && antes[k] != area[k]) return true;
    }
  }
  return false;
}

std::string Visible(std::string_view texto1252) { return plataforma::Cp1252AUtf8(texto1252); }

std::string Recortar(std::string t) {
  while (!t.empty() && (t.back() == ' ' || t.back() == '\0')) t.pop_back();
  std::size_t i = 0;
  while (i < t.size() && t[i] == ' ') ++i;
  return t.substr(i);
}

std::string SoloDigitos(std::string_view t) {
  std::string d;
  for (char c : t) {
    if (c >= '0' && c <= '9') d += c;
  }
  return d;
}

// ---- the coded messages shown while the walk runs ----

// Takes the place of the message window: records every message and answers as a person would at that step.
class CMensajesRecorrido : public marco::CContestadorMensajes {
 public:
  CMensajesRecorrido() : m_pAnterior(marco::PonerContestadorMensajes(this)) {}
  ~CMensajesRecorrido() override { marco::PonerContestadorMensajes(m_pAnterior); }
  CMensajesRecorrido(const CMensajesRecorrido&) = delete;
  CMensajesRecorrido& operator=(const CMensajesRecorrido&) = delete;

  // The person means to correct what was refused (Corregir when offered), or to go on (Continuar).
  void PonerCorregir(bool corregir) { m_bCorregir = corregir; }

  int Contestar(const marco::SMensaje& mensaje) override {
    m_mensajes.push_back(mensaje);
    const unsigned b = mensaje.botones;
    if (m_bCorregir && (b & marco::kFlagCorregir) != 0) return marco::kBotonCorregir;
    if ((b & marco::kFlagContinuar) != 0) return marco::kBotonContinuar;
    if ((b & marco::kFlagAceptar) != 0) return marco::kBotonAceptar;
    if ((b & marco::kFlagConfirmar) != 0) return marco::kBotonConfirmar;
    if ((b & marco::kFlagCorregir) != 0) return marco::kBotonCorregir;
    return marco::kBotonCancelar;
  }

  std::size_t Cuenta() const { return m_mensajes.size(); }
  std::vector<marco::SMensaje> Desde(std::size_t inicio) const {
    return {m_mensajes.begin() + static_cast<std::ptrdiff_t>(std::min(inicio, m_mensajes.size())), m_mensajes.end()};
  }

 private:
  std::vector<marco::SMensaje> m_mensajes;
  bool m_bCorregir = false;
  marco::CContestadorMensajes* m_pAnterior;
};

// "CODE (text)" for a report; a message shown without its text says so.
std::string Describir(const std::vector<marco::SMensaje>& mensajes) {
  std::string s;
  for (const marco::SMensaje& m : mensajes) {
    if (!s.empty()) s += "; ";
    s += m.codigo.empty() ? std::string("(no code)") : m.codigo;
    s += " \"" + Visible(m.texto.substr(0, 60)) + "\"";
  }
  return s;
}

// The messages that show no text of their own: a code missing from the message table shows only itself.
std::string SinTexto(const std::vector<marco::SMensaje>& mensajes) {
  std::string s;
  for (const marco::SMensaje& m : mensajes) {
    if (m.codigo.empty()) continue;
    if (m.encontrado && !Recortar(m.texto).empty() && Recortar(m.texto) != m.codigo) continue;
    if (!s.empty()) s += ", ";
    s += m.codigo;
  }
  return s;
}

// ---- dialogs ----

wxDialog* DialogoModal() {
  wxDialog* arriba = nullptr;
  for (wxWindow* w : wxTopLevelWindows) {
    auto* d = dynamic_cast<wxDialog*>(w);
    if (d != nullptr && d->IsShown() && d->IsModal()) arriba = d;
  }
  return arriba;
}

void Descendientes(wxWindow* w, std::vector<wxWindow*>& todos) {
  for (wxWindow* h : w->GetChildren()) {
    if (h->IsTopLevel()) continue;
    todos.push_back(h);
    Descendientes(h, todos);
  }
}

bool Utilizable(wxWindow* w) { return w->IsShownOnScreen() && w->IsEnabled(); }

marco::CEditEx* EditDe(wxWindow* w) {
  auto* v = dynamic_cast<marco::CVentanaEdit*>(w);
  return v != nullptr ? v->DameEdit() : nullptr;
}

// A field a person types into: a text control that is shown, open and editable (a box edit, or a plain control a
// dialog binds to its value).
bool EsCampo(wxWindow* w) {
  auto* t = dynamic_cast<wxTextCtrl*>(w);
  if (t == nullptr || !Utilizable(w) || !t->IsEditable()) return false;
  marco::CEditEx* e = EditDe(w);
  return e == nullptr || !e->EsSoloLectura();
}

// Its text, as it shows (UTF-8).
std::string TextoCampo(wxWindow* w) {
  auto* t = dynamic_cast<wxTextCtrl*>(w);
  return t != nullptr ? t->GetValue().utf8_string() : std::string();
}

// An amount field: an amount box edit, or a plain control aligned to the right as the dialogs' amounts are.
bool EsImporte(wxWindow* w) {
  if (marco::CEditEx* e = EditDe(w)) return dynamic_cast<marco::CDoubleEdit*>(e) != nullptr;
  return (w->GetWindowStyleFlag() & wxTE_RIGHT) != 0;
}

// The fields of a dialog a person fills in, in reading order: row by row from the top (fields whose heights overlap
// by more than half share a row), left to right in a row.
std::vector<wxWindow*> CeldasEnOrdenDeLectura(wxDialog* dlg) {
  std::vector<wxWindow*> todos;
  Descendientes(dlg, todos);
  std::vector<wxWindow*> celdas;
  for (wxWindow* w : todos) {
    if (EsCampo(w)) celdas.push_back(w);
  }
  std::sort(celdas.begin(), celdas.end(), [](wxWindow* a, wxWindow* b) {
    return a->GetScreenRect().y < b->GetScreenRect().y;
  });
  std::vector<std::vector<wxWindow*>> filas;
  for (wxWindow* w : celdas) {
    const wxRect r = w->GetScreenRect();
    if (!filas.empty()) {
      const wxRect p = filas.back().front()->GetScreenRect();
      const int solape = std::min(p.GetBottom(), r.GetBottom()) - std::max(p.y, r.y);
      if (solape * 2 > std::min(p.height, r.height)) {
        filas.back().push_back(w);
        continue;
      }
    }
    filas.push_back({w});
  }
  std::vector<wxWindow*> orden;
  for (auto& fila : filas) {
    std::sort(fila.begin(), fila.end(), [](wxWindow* a, wxWindow* b) {
      return a->GetScreenRect().x < b->GetScreenRect().x;
    });
    orden.insert(orden.end(), fila.begin(), fila.end());
  }
  return orden;
}

// A button of the dialog by its caption without the mnemonic ("Aceptar", "Cancelar").
wxWindow* Boton(wxDialog* dlg, const wxString& texto) {
  std::vector<wxWindow*> todos;
  Descendientes(dlg, todos);
  for (wxWindow* w : todos) {
    if ((dynamic_cast<wxAnyButton*>(w) == nullptr && dynamic_cast<marco::CBotonDibujado*>(w) == nullptr) ||
        !Utilizable(w)) {
      continue;
    }
    if (wxControl::GetLabelText(w->GetLabel()).Upper() == texto.Upper()) return w;
  }
  return nullptr;
}

// A click on a dialog's button; when the dialog is still there a moment later (the window manager may still have
// been placing it when the click was aimed), a second click at where the button is now.
void PulsarBoton(wxDialog* dlg, wxWindow* boton);

std::string Nombre(wxWindow* w) {
  if (w == nullptr) return "nothing";
  std::ostringstream s;
  if (dynamic_cast<wxTextCtrl*>(w) != nullptr) {
    s << "field " << w->GetId();
    if (!TextoCampo(w).empty()) s << " \"" << TextoCampo(w) << "\"";
  } else {
    s << wxString(w->GetClassInfo()->GetClassName()).utf8_string() << " \""
      << wxControl::GetLabelText(w->GetLabel()).utf8_string() << "\" (" << w->GetId() << ")";
  }
  return s.str();
}

wxDialog* DialogoModal();

void PulsarBoton(wxDialog* dlg, wxWindow* boton) {
  const wxWeakRef<wxWindow> b(boton);
  Clic(boton);
  if (DialogoModal() != dlg || !b) return;
  EsperarHasta([&] { return DialogoModal() != dlg; }, 300);
  if (DialogoModal() == dlg && b && b->IsShownOnScreen() && b->IsEnabled()) Clic(b.get());
}

// What the walk wants done with the next modal dialog, run from inside the dialog's own loop.
using FDialogo = std::function<void(wxDialog*)>;

// Watches for a modal dialog and runs the walk's handling of it inside the dialog's loop (a modal dialog that a
// key opened holds the key's processing until it closes). A dialog nobody asked for is walked and closed with
// Escape; what the walk did with each is noted.
class CVigilante : public wxTimer {
 public:
  explicit CVigilante(std::function<void(wxDialog*)> imprevisto) : m_imprevisto(std::move(imprevisto)) {
    Start(5);
  }
  ~CVigilante() override { Stop(); }

  // The next dialog that comes up gets `accion`.
  void Esperar(FDialogo accion) { m_accion = std::move(accion); }
  bool Pendiente() const { return static_cast<bool>(m_accion); }
  void Cancelar() { m_accion = nullptr; }
  int Abiertos() const { return m_nAbiertos; }
  // The titles of the dialogs that came up without the keyboard focus; emptied.
  std::vector<std::string> TomarSinFoco() { return std::exchange(m_sinFoco, {}); }

  void Notify() override {
    if (m_bDentro) return;
    wxDialog* dlg = DialogoModal();
    if (dlg == nullptr || m_tratados.count(dlg) != 0 || !dlg->IsShownOnScreen()) return;
    m_tratados.insert(dlg);
    ++m_nAbiertos;
    m_bDentro = true;
    // A dialog opened from inside this one is handled while this one waits.
    Start(5);
    FDialogo accion = std::move(m_accion);
    m_accion = nullptr;
    Asentar();
    // A dialog that came up has the keyboard (the window manager gives it the focus).
    if (!EsperarHasta([dlg] { return dlg->IsActive(); }, kPlazo)) {
      m_sinFoco.push_back(dlg->GetTitle().utf8_string());
      dlg->Raise();
      EsperarHasta([dlg] { return dlg->IsActive(); }, kPlazo);
    }
    if (accion) {
      accion(dlg);
    } else {
      m_imprevisto(dlg);
    }
    m_bDentro = false;
    // The same window object may serve a later dialog once this one has gone.
    wxTheApp->CallAfter([this, dlg] { m_tratados.erase(dlg); });
  }

 private:
  FDialogo m_accion;
  std::function<void(wxDialog*)> m_imprevisto;
  std::set<wxDialog*> m_tratados;
  std::vector<std::string> m_sinFoco;
  bool m_bDentro = false;
  int m_nAbiertos = 0;
};

// The key that opens a box's dialog: a character typed, or Alt+Down for this marker.
constexpr const char* kAltAbajo = "Alt+Down";

void AbrirConTecla(const std::string& tecla) {
  if (tecla == kAltAbajo) {
    Pulsar(WXK_DOWN, wxMOD_ALT);
  } else {
    EscribirSeguido(tecla);
  }
}

// ---- the walk of one page ----

enum class EClase {
  Importe,
  Entero,
  Digitos,
  Letras,
  TextoLibre,
  Fecha,
  Marca,
  Titular,
  Lista,
  Codigo,
  Detalle,
  MarcaDialogo,
  Seleccion,
  Otra,
};

EClase ClaseDe(marco::CEditEx* e) {
  if (dynamic_cast<marco::CImporteDetalleEdit*>(e)) return EClase::Detalle;
  if (dynamic_cast<marco::CEditDialogo*>(e)) return EClase::MarcaDialogo;
  if (dynamic_cast<marco::CCasillaEdit*>(e)) return EClase::Marca;
  if (dynamic_cast<marco::CFechaEdit*>(e)) return EClase::Fecha;
  if (dynamic_cast<marco::CTitularEdit*>(e)) return EClase::Titular;
  if (dynamic_cast<marco::CListaEdit*>(e)) return EClase::Lista;
  if (dynamic_cast<marco::CCodigoDescripcion*>(e)) return EClase::Codigo;
  if (dynamic_cast<marco::CSelStrEdit*>(e)) return EClase::Seleccion;
  if (dynamic_cast<marco::CDoubleEdit*>(e)) return EClase::Importe;
  if (dynamic_cast<marco::CEnteroEdit*>(e)) return EClase::Entero;
  if (dynamic_cast<marco::CANumEdit*>(e)) return EClase::Digitos;
  if (dynamic_cast<marco::CAlfaEdit*>(e)) return EClase::Letras;
  if (typeid(*e) == typeid(marco::CEditEx)) return EClase::TextoLibre;
  return EClase::Otra;
}

class CRecorrido {
 public:
  CRecorrido(marco::CProg32Doc& documento, const e2e::CPaginaFuente& fuente, std::string nombre,
             std::set<std::string>& dialogosVistos)
      : m_doc(documento),
        m_fuente(fuente),
        m_dialogosVistos(dialogosVistos),
        m_vigilante([this](wxDialog* dlg) { Imprevisto(dlg); }) {
    m_r.pagina = std::move(nombre);
  }

  // Shows page `numero` of the document (Ctrl+I when it is not the one shown); false, with the reason in the
  // result, when it does not come up with its id.
  bool IrAPagina(int numero, int idPagina);
  // The walk (`pagina`: the page came up; otherwise only the counts of the source).
  SResultadoPagina Recorrer(bool pagina);

 private:
  // ---- the page ----
  int Activo() { return m_pVista->DameCampoActivo(); }
  marco::CEditEx* Edit() { return m_pVista->DameEditActivo(); }
  marco::CCampo* Campo(int indice) { return m_pVista->DameCampo(indice); }
  CFoto Foto() {
    const auto a = Area(m_doc);
    return {a.begin(), a.end()};
  }
  int Sujeto() const { return std::max(1, static_cast<int>(marco::DameSujetoActual())); }

  // Waits until the keyboard is in the active box again (after a dialog closed), as a person sees before typing on.
  bool EsperarFocoEnCasilla() {
    return EsperarHasta([this] { return Edit() != nullptr && wxWindow::FindFocus() == Edit()->DameVentana(); }, kPlazo);
  }
  // What the person sees in the box: the edit's text while the box is active, else the text drawn on the page.
  std::string TextoVisible(int indice) {
    if (Activo() == indice && Edit() != nullptr) return Edit()->Texto();
    marco::CCampo* campo = Campo(indice);
    return campo != nullptr ? campo->Texto : std::string();
  }
  void Fallo(const e2e::SCasillaPagina& c, const std::string& visto) {
    m_r.fallos.push_back({c.numero, c.impreso, visto});
    if (HayTraza()) {
      std::cerr << "    failure at box " << c.numero << ": " << visto << " [active box " << Activo() + 1 << ", focus on "
                << Nombre(wxWindow::FindFocus()) << "]\n";
    }
  }
  void SinCubrir(const e2e::SCasillaPagina& c, const std::string& motivo) { m_r.sinCubrir.push_back({c.numero, motivo}); }

  // Tab until the box of index `indice` is active; false when Tab passes it by or goes nowhere.
  bool Llegar(const e2e::SCasillaPagina& c, std::string& motivo);
  // Tab from the active box; true when another box became active.
  bool Salir(int indice);
  // The box stays active after Tab: its text erased and Tab again, then the walk's own move as a last resort.
  void Despegar(const e2e::SCasillaPagina& c, int indice);
  // Whether the box is the only one of the page that takes input now (every other box read-only): Tab then wraps
  // round to the box itself and leaves the focus where it is.
  bool UnicaQueTomaEntrada(int indice);

  // The field of the box for the person shown, as bytes; none when unbound or outside the person's entries.
  std::optional<std::vector<unsigned char>> Valor(int indice);
  bool EnArea(int indice);
  // The stored value after a valid value was committed: at the box's field, and in the area.
  void ComprobarGuardado(const e2e::SCasillaPagina& c, int indice, const CFoto& antes,
                         const std::vector<unsigned char>& esperado, const std::string& queEs);
  // Messages since `desde` that show no text.
  void ComprobarTextos(const e2e::SCasillaPagina& c, std::size_t desde, const std::string& cuando);

  // ---- by kind ----
  void Numero(const e2e::SCasillaPagina& c, int indice, EClase clase);
  void Texto(const e2e::SCasillaPagina& c, int indice, EClase clase);
  void Fecha(const e2e::SCasillaPagina& c, int indice);
  void Marca(const e2e::SCasillaPagina& c, int indice);
  void Titular(const e2e::SCasillaPagina& c, int indice);
  void Lista(const e2e::SCasillaPagina& c, int indice);
  void Codigo(const e2e::SCasillaPagina& c, int indice);
  void Detalle(const e2e::SCasillaPagina& c, int indice);
  void AbreDialogo(const e2e::SCasillaPagina& c, int indice, const char* tecla);

  // A valid value typed and committed: true when the box let go (Tab moved on).
  bool Teclear(int indice, const std::string& texto, bool seleccionar = true);
  // An invalid value typed into the box (after coming back with Shift+Tab): the area must not change, except to
  // the check's repair when a message came.
  void Invalido(const e2e::SCasillaPagina& c, int indice, const std::string& texto, const std::string& queEs,
                bool admiteReparacion);
  // Back to the box with Shift+Tab from the box after it.
  bool Volver(int indice);

  // ---- dialogs ----
  // The dialog's walk: Tab from the field with the focus must visit the fields in reading order.
  void RecorrerTabulador(const e2e::SCasillaPagina& c, wxDialog* dlg, const std::string& nombre);
  // The dialog of a box, opened by a typed character, walked once and closed with Escape, then with Cancelar;
  // neither may change the area.
  // `ventana`: the window name the dialog is counted under.
  void EscapeYCancelar(const e2e::SCasillaPagina& c, int indice, const std::string& tecla, const std::string& nombre,
                       const std::string& ventana);
  void Imprevisto(wxDialog* dlg);
  // A number past the room of the dialog's first amount field (10^12): the digits past it are refused, or the
  // overflow message says so and the field keeps what it held; it never just empties.
  void DigitosDeMas(const e2e::SCasillaPagina& c, wxDialog* dlg, const std::string& nombre);
  // Waits until the dialog the vigilant was told about came and went.
  bool EsperarDialogo(const e2e::SCasillaPagina& c, const std::string& queEs);

  marco::CProg32Doc& m_doc;
  marco::CProg32View* m_pVista = nullptr;
  const e2e::CPaginaFuente& m_fuente;
  std::set<std::string>& m_dialogosVistos;
  CMensajesRecorrido m_mensajes;
  CVigilante m_vigilante;
  SResultadoPagina m_r;
  std::chrono::steady_clock::time_point m_inicio = std::chrono::steady_clock::now();
  const e2e::SCasillaPagina* m_pActual = nullptr;
  std::set<std::string> m_dialogosRecorridos;
};

// ---- moving between boxes ----

bool CRecorrido::Llegar(const e2e::SCasillaPagina& c, std::string& motivo) {
  const int destino = c.numero - 1;
  for (int vueltas = 0; vueltas < 60; ++vueltas) {
    const int activo = Activo();
    if (activo == destino) return true;
    if (activo > destino) {
      motivo = "Tab goes from box " + std::to_string(m_pVista->DameCampo(std::max(0, activo))->IndNumero) +
               " past it: the page keeps it read-only now";
      return false;
    }
    const int antes = activo;
    Pulsar(WXK_TAB);
    if (Activo() == antes) {
      motivo = UnicaQueTomaEntrada(antes)
                   ? "Tab stays in box " + std::to_string(antes + 1) +
                         ", the only box that takes input: the page keeps it read-only now"
                   : "Tab does not leave box " + std::to_string(antes + 1);
      return false;
    }
    if (Activo() < antes) {
      motivo = "Tab goes back to the page's first box from box " + std::to_string(antes + 1) +
               ": the page keeps it read-only now";
      return false;
    }
  }
  motivo = "not reached within 60 presses of Tab";
  return false;
}

bool CRecorrido::Salir(int indice) {
  Pulsar(WXK_TAB);
  return Activo() != indice;
}

bool CRecorrido::UnicaQueTomaEntrada(int indice) {
  const marco::CCampo* propia = Campo(indice);
  if (propia == nullptr || propia->SoloLectur != 0) return false;
  for (int i = 0, n = m_pVista->NumeroCampos(); i < n; ++i) {
    const marco::CCampo* otra = Campo(i);
    if (i != indice && otra != nullptr && otra->SoloLectur == 0) return false;
  }
  return true;
}

void CRecorrido::Despegar(const e2e::SCasillaPagina& c, int indice) {
  if (Activo() != indice) return;
  // Tab from the only box that takes input comes back to it: staying is the rule, and the keys still reach it.
  if (UnicaQueTomaEntrada(indice)) {
    if (Edit() == nullptr || !EsperarFocoEnCasilla()) {
      Fallo(c, "the only box of the page that takes input is active, but the keyboard focus is on " +
                   Nombre(wxWindow::FindFocus()));
    }
    return;
  }
  SeleccionarTodo();
  Pulsar(WXK_DELETE);
  if (Salir(indice)) return;
  Fallo(c, "keeps the focus after its text was erased and Tab pressed (messages: " +
               Describir(m_mensajes.Desde(m_mensajes.Cuenta() > 3 ? m_mensajes.Cuenta() - 3 : 0)) + ")");
  m_pVista->IrACampo(m_pVista->SiguienteCampoEditable(indice, 1));
  Asentar();
}

bool CRecorrido::Volver(int indice) {
  Pulsar(WXK_TAB, wxMOD_SHIFT);
  if (Activo() == indice) return true;
  // A date box walks back through its fields first.
  for (int i = 0; i < 3 && Activo() != indice; ++i) Pulsar(WXK_TAB, wxMOD_SHIFT);
  return Activo() == indice;
}

// ---- values ----

std::optional<std::vector<unsigned char>> CRecorrido::Valor(int indice) {
  marco::CCampo* campo = Campo(indice);
  if (campo == nullptr) return std::nullopt;
  const unsigned char* p = campo->ValorSujeto(Sujeto());
  if (p == nullptr) return std::nullopt;
  return std::vector<unsigned char>(p, p + campo->TamanoValor());
}

bool CRecorrido::EnArea(int indice) {
  marco::CCampo* campo = Campo(indice);
  const auto area = Area(m_doc);
  const auto* p = campo != nullptr ? static_cast<const unsigned char*>(campo->Dato) : nullptr;
  return p != nullptr && p >= area.data() && p < area.data() + area.size();
}

std::vector<unsigned char> Bytes(const std::string& texto, int largo) {
  std::string t = texto.substr(0, static_cast<std::size_t>(std::max(largo, 0)));
  t.resize(static_cast<std::size_t>(std::max(largo, 0)), ' ');
  return {t.begin(), t.end()};
}

std::vector<unsigned char> Bytes(double v) {
  std::vector<unsigned char> b(sizeof v);
  std::memcpy(b.data(), &v, sizeof v);
  return b;
}

std::vector<unsigned char> Bytes(std::int32_t v) {
  std::vector<unsigned char> b(sizeof v);
  std::memcpy(b.data(), &v, sizeof v);
  return b;
}

void CRecorrido::ComprobarGuardado(const e2e::SCasillaPagina& c, int indice, const CFoto& antes,
                                   const std::vector<unsigned char>& esperado, const std::string& queEs) {
  const auto valor = Valor(indice);
  if (!valor) {
    Fallo(c, queEs + ": the box is bound to nothing for the person shown");
    return;
  }
  if (*valor != esperado) {
    Fallo(c, queEs + ": its field holds something else after Tab");
    return;
  }
  const auto area = Area(m_doc);
  if (!EnArea(indice) && !EnCambio(antes, area, esperado)) {
    Fallo(c, queEs + ": the value stays in the page's working copy; the declaration's data area did not receive it");
  }
}

void CRecorrido::ComprobarTextos(const e2e::SCasillaPagina& c, std::size_t desde, const std::string& cuando) {
  const std::string sin = SinTexto(m_mensajes.Desde(desde));
  if (!sin.empty()) Fallo(c, cuando + ": a message shows only its code, not its text: " + sin);
}

bool CRecorrido::Teclear(int indice, const std::string& texto, bool seleccionar) {
  m_mensajes.PonerCorregir(false);
  if (seleccionar) SeleccionarTodo();
  Escribir(texto);
  return Salir(indice);
}

void CRecorrido::Invalido(const e2e::SCasillaPagina& c, int indice, const std::string& texto,
                          const std::string& queEs, bool admiteReparacion) {
  // A page that moved the focus on elsewhere (a rule opening or closing boxes) leaves no way back to try it.
  if (!Volver(indice)) return;
  const CFoto antes = Foto();
  const auto previo = Valor(indice);
  const std::string textoPrevio = Campo(indice) != nullptr ? Campo(indice)->Texto : std::string();
  const std::size_t desde = m_mensajes.Cuenta();
  m_mensajes.PonerCorregir(true);
  const auto trazaValor = [&](const char* cuando) {
    if (!HayTraza()) return;
    const auto v = Valor(indice);
    std::cerr << "      (" << cuando << ": field";
    if (v) for (unsigned char b : *v) std::cerr << ' ' << std::hex << static_cast<int>(b) << std::dec;
    std::cerr << ", edit \"" << (Edit() != nullptr ? Visible(Edit()->Texto()) : std::string("-")) << "\")\n";
  };
  trazaValor("back in the box");
  SeleccionarTodo();
  trazaValor("selected");
  Escribir(texto);
  trazaValor("typed");
  const bool salio = Salir(indice);
  trazaValor("after Tab");
  m_mensajes.PonerCorregir(false);
  const auto mensajes = m_mensajes.Desde(desde);
  ComprobarTextos(c, desde, queEs);
  const auto ahora = Valor(indice);
  const CFoto despues = Foto();
  if (mensajes.empty()) {
    // Refused key by key: nothing of it may have reached the box or the area.
    if (ahora != previo || despues != antes) {
      Fallo(c, queEs + " was taken without a message (area changed at " + Diferencias(antes, despues) + ")");
    }
  } else {
    // A check refused it: the area keeps the previous value, or the check's repair (an empty value).
    bool vacio = ahora.has_value() && std::all_of(ahora->begin(), ahora->end(), [](unsigned char b) {
      return b == ' ' || b == 0;
    });
    if (ahora != previo && !(admiteReparacion && vacio)) {
      Fallo(c, queEs + " gave " + Describir(mensajes) + " but its field no longer holds the previous value");
    }
    marco::CCampo* campo = Campo(indice);
    if (campo != nullptr && ahora == previo && Recortar(campo->Texto) != Recortar(textoPrevio) && Activo() != indice) {
      Fallo(c, queEs + ": the box shows \"" + Visible(campo->Texto) + "\" while its field keeps \"" +
                   Visible(textoPrevio) + "\"");
    }
  }
  if (!salio) Despegar(c, indice);
}

// ---- the kinds ----

// A value the page refused: with a coded message that shows its text, the page's own rule (the box is then not
// covered, for the reason the message gives); without one, a value lost with no word.
struct SRechazos {
  std::string texto;
  bool sinMensaje = false;
  void Anotar(const std::string& valor, const std::vector<marco::SMensaje>& mensajes) {
    texto += (texto.empty() ? "" : ", ") + valor + " " + (mensajes.empty() ? std::string("(no message)") : Describir(mensajes));
    if (mensajes.empty() || !SinTexto(mensajes).empty()) sinMensaje = true;
  }
};

// Amounts and counts: the digits past the box's room are refused key by key; a valid amount is stored; letters
// are refused.
void CRecorrido::Numero(const e2e::SCasillaPagina& c, int indice, EClase clase) {
  marco::CCampo* campo = Campo(indice);
  const int n = std::max(1, campo->Longitud);
  // More digits than the box holds: the box keeps n.
  SeleccionarTodo();
  Escribir(std::string(static_cast<std::size_t>(n + 1), '9'));
  if (Edit() != nullptr && Activo() == indice) {
    const std::string digitos = SoloDigitos(Edit()->Texto());
    if (static_cast<int>(digitos.size()) > n) {
      Fallo(c, std::to_string(n + 1) + " digits typed into a box of " + std::to_string(n) + " all stayed (\"" +
                   Edit()->Texto() + "\")");
    }
  }
  // 1234 (its first n digits in a narrower box); a page whose rule refuses it (a percentage, a count) is given
  // 50, then 1.
  std::string valido;
  CFoto antes;
  SRechazos rechazos;
  bool salio = false;
  for (const std::string& candidato :
       {std::string("1234").substr(0, static_cast<std::size_t>(std::min(n, 4))), std::string("50").substr(0, static_cast<std::size_t>(n)), std::string("1")}) {
    if (Activo() != indice && !Volver(indice)) break;
    antes = Foto();
    const std::size_t desde = m_mensajes.Cuenta();
    salio = Teclear(indice, candidato);
    ComprobarTextos(c, desde, candidato + " typed");
    if (salio) {
      valido = candidato;
      break;
    }
    rechazos.Anotar(candidato, m_mensajes.Desde(desde));
  }
  if (!salio) {
    if (rechazos.sinMensaje) {
      Fallo(c, "an amount typed is refused without a message: " + rechazos.texto);
    } else {
      SinCubrir(c, "the page refuses every amount the walk types: " + rechazos.texto);
    }
    Despegar(c, indice);
    return;
  }
  ++m_r.casillasCubiertas;
  const std::string mostrado = SoloDigitos(TextoVisible(indice));
  if (mostrado != valido) Fallo(c, valido + " typed and Tab: the box shows \"" + Visible(TextoVisible(indice)) + "\"");
  const std::int32_t entero = std::stoi(valido);
  ComprobarGuardado(c, indice, antes,
                    clase == EClase::Entero ? Bytes(entero) : Bytes(static_cast<double>(entero)), valido + " typed");
  // Back into the box: the edit shows the value in its editing form; letters are refused.
  Invalido(c, indice, "abc", "letters typed into the amount", false);
}

// The edit's value candidates for a text or digit box: what its picture and label call for.
std::vector<std::string> ValoresTexto(const e2e::SCasillaPagina& c, EClase clase, int n) {
  const std::string& et = c.etiqueta;
  const auto contiene = [&](const char* t) { return et.find(t) != std::string::npos; };
  std::vector<std::string> v;
  if (clase == EClase::Digitos) {
    if (n == 20) v.push_back("20852066623456789011");
    if (contiene("postal")) v.push_back("28001");
    if (contiene("Año") || contiene("año")) {
      v.push_back(n == 4 ? "1960" : "60");
      if (n == 4) v.push_back("2000");
    }
    if (contiene("día") || contiene("Fecha")) v.push_back("15");
    if (contiene("Entidad")) v.push_back("2085");
    if (contiene("Sucursal")) v.push_back("2066");
    if (contiene("D.C.")) v.push_back("62");
    if (contiene("cuenta")) v.push_back("3456789011");
    if (contiene("Teléfono")) v.push_back("912345678");
    v.push_back(std::string("123456789012345678901234567890").substr(0, static_cast<std::size_t>(n)));
    v.push_back(std::string(static_cast<std::size_t>(n), '1'));
    return v;
  }
  if (n == 9 && (contiene("NIF") || contiene("N.I.F.") || c.id.find("DNI") != std::string::npos)) {
    v.push_back("12345678Z");
  }
  if (contiene("postal") && n >= 5) v.push_back("28001");
  if (n <= 2) {
    for (const char* t : {"X", "A", "S", "N", "1", "B", "C", "D", "E", "U", "R", "2", "3"}) {
      if (clase == EClase::Letras && t[0] >= '0' && t[0] <= '9') continue;
      v.push_back(t);
    }
    return v;
  }
  v.push_back(std::string("PRUEBA").substr(0, static_cast<std::size_t>(n)));
  return v;
}

void CRecorrido::Texto(const e2e::SCasillaPagina& c, int indice, EClase clase) {
  marco::CCampo* campo = Campo(indice);
  const int n = std::max(1, campo->Longitud);
  SRechazos rechazos;
  for (const std::string& valor : ValoresTexto(c, clase, n)) {
    if (Activo() != indice && !Volver(indice)) break;
    const CFoto antes = Foto();
    const std::size_t desde = m_mensajes.Cuenta();
    const bool salio = Teclear(indice, valor);
    ComprobarTextos(c, desde, "\"" + valor + "\" typed");
    const auto mensajes = m_mensajes.Desde(desde);
    // Refused: the box keeps the focus, or the page's check let go of it but did not keep the value (its message
    // says why).
    if (!salio || (!mensajes.empty() && Valor(indice) != Bytes(valor, n))) {
      rechazos.Anotar("\"" + valor + "\"", mensajes);
      continue;
    }
    ++m_r.casillasCubiertas;
    const std::string esperado = Recortar(valor.substr(0, static_cast<std::size_t>(n)));
    if (Recortar(TextoVisible(indice)) != esperado) {
      Fallo(c, "\"" + valor + "\" typed and Tab: the box shows \"" + Visible(TextoVisible(indice)) + "\"");
    }
    ComprobarGuardado(c, indice, antes, Bytes(valor, n), "\"" + valor + "\" typed");
    if (clase == EClase::Letras) {
      Invalido(c, indice, "7", "a digit typed into a name box", false);
    } else if (clase == EClase::Digitos) {
      Invalido(c, indice, "a", "a letter typed into a box of digits", false);
    }
    return;
  }
  if (rechazos.sinMensaje) {
    Fallo(c, "a value typed is refused without a message: " + rechazos.texto);
  } else {
    SinCubrir(c, "the page refuses every value the walk types: " + rechazos.texto);
  }
  Despegar(c, indice);
}

void CRecorrido::Fecha(const e2e::SCasillaPagina& c, int indice) {
  const CFoto antes = Foto();
  const std::size_t desde = m_mensajes.Cuenta();
  SeleccionarTodo();
  Escribir("15061999");
  bool salio = false;
  // Tab walks day, month, year and then the next box.
  for (int i = 0; i < 4 && !salio; ++i) salio = Salir(indice);
  ComprobarTextos(c, desde, "15/06/1999 typed");
  marco::CCampo* campo = Campo(indice);
  {
    const auto mensajes = m_mensajes.Desde(desde);
    const auto valor = Valor(indice);
    const bool guardada = valor && *valor == Bytes("15061999", campo->Longitud);
    if (!salio || (!mensajes.empty() && !guardada)) {
      // A message that shows its text is the page's own rule; a date lost without one is a failure.
      if (mensajes.empty() || !SinTexto(mensajes).empty()) {
        Fallo(c, "15/06/1999 was refused: " + (mensajes.empty() ? std::string("no message") : Describir(mensajes)));
      } else {
        SinCubrir(c, "the page refuses the date the walk types: 15/06/1999 " + Describir(mensajes));
      }
      if (!salio) Despegar(c, indice);
      return;
    }
  }
  ++m_r.casillasCubiertas;
  if (TextoVisible(indice) != "15/06/1999") {
    Fallo(c, "15/06/1999 typed and Tab: the box shows \"" + Visible(TextoVisible(indice)) + "\"");
  }
  ComprobarGuardado(c, indice, antes, Bytes("15061999", campo->Longitud), "15/06/1999 typed");
  // A date that does not exist.
  if (!Volver(indice)) return;
  const CFoto antesInvalida = Foto();
  const auto previo = Valor(indice);
  const std::size_t desdeInvalida = m_mensajes.Cuenta();
  m_mensajes.PonerCorregir(true);
  // The whole date replaced as a person replaces it: selected and erased (a digit typed goes to the caret's place
  // and a full place refuses it, selection or not), then typed.
  SeleccionarTodo();
  Pulsar(WXK_DELETE);
  Escribir("31021999");
  salio = false;
  for (int i = 0; i < 4 && !salio; ++i) salio = Salir(indice);
  m_mensajes.PonerCorregir(false);
  const auto mensajes = m_mensajes.Desde(desdeInvalida);
  ComprobarTextos(c, desdeInvalida, "31/02/1999 typed");
  const auto ahora = Valor(indice);
  const std::string guardado = ahora ? std::string(ahora->begin(), ahora->end()) : std::string();
  const bool vacio = Recortar(guardado).empty() || guardado.find_first_not_of('0') == std::string::npos;
  if (mensajes.empty()) {
    Fallo(c, "31/02/1999 was taken without a message (its field holds \"" + guardado + "\")");
  } else if (ahora != previo && !vacio) {
    Fallo(c, "31/02/1999 gave " + Describir(mensajes) + " but its field holds \"" + guardado + "\"");
  }
  if (ahora == previo && Foto() != antesInvalida) {
    Fallo(c, "31/02/1999 refused, yet the area changed at " + Diferencias(antesInvalida, Foto()));
  }
  if (!salio) Despegar(c, indice);
}

void CRecorrido::Marca(const e2e::SCasillaPagina& c, int indice) {
  const CFoto antes = Foto();
  const auto previo = Valor(indice);
  const bool marcada = previo && !previo->empty() && (*previo)[0] != 0;
  const std::size_t desde = m_mensajes.Cuenta();
  Pulsar(' ');
  ComprobarTextos(c, desde, "the blank typed");
  const auto ahora = Valor(indice);
  const std::uint8_t esperado = marcada ? 0 : 1;
  if (!ahora || ahora->empty() || ((*ahora)[0] != 0) != (esperado != 0)) {
    Fallo(c, std::string("the blank did not ") + (marcada ? "clear" : "tick") + " the box's field");
  } else {
    ++m_r.casillasCubiertas;
    const std::string visto = TextoVisible(indice);
    if (Recortar(visto) != (esperado != 0 ? "X" : "")) {
      Fallo(c, "the blank typed: the box shows \"" + Visible(visto) + "\"");
    }
    // A mark bound to a row's working copy reaches the area as the page stores it there (a mark of a pair of
    // exclusive options is the row's option byte, 1 or 2); the box's field, which the page reloads from the area
    // after the change, holds the tick.
    if (!EnArea(indice) && Foto() == antes) {
      Fallo(c, "the tick stays in the page's working copy; the declaration's data area did not receive it");
    }
  }
  // Another letter is refused.
  const CFoto antesLetra = Foto();
  Pulsar('Q');
  if (Foto() != antesLetra) Fallo(c, "Q typed into a tick box changed the area at " + Diferencias(antesLetra, Foto()));
  if (!Salir(indice)) Despegar(c, indice);
}

// A holder box takes the declarant by its letter; a page that takes each member once, or only some, may refuse it
// where the declaration has no other member to give.
void CRecorrido::Titular(const e2e::SCasillaPagina& c, int indice) {
  const CFoto antes = Foto();
  const std::size_t desde = m_mensajes.Cuenta();
  const bool salio = Teclear(indice, "D", false);
  ComprobarTextos(c, desde, "D typed");
  const auto valor = Valor(indice);
  const std::uint8_t esperado = static_cast<std::uint8_t>(Sujeto() == 1 ? 2 : Sujeto());
  const bool tomado = valor && !valor->empty() && (*valor)[0] == esperado;
  if (!tomado) {
    const auto mensajes = m_mensajes.Desde(desde);
    SinCubrir(c, "the page does not take the declarant as its holder here (" +
                     (mensajes.empty() ? std::string("no message") : Describir(mensajes)) + ")");
    if (!salio || Activo() == indice) Despegar(c, indice);
    return;
  }
  if (!salio) {
    Fallo(c, "the holder D was taken but Tab does not leave the box: " + Describir(m_mensajes.Desde(desde)));
    Despegar(c, indice);
  }
  ++m_r.casillasCubiertas;
  if (Recortar(TextoVisible(indice)) != "DECLARANTE") {
    Fallo(c, "D typed and Tab: the box shows \"" + Visible(TextoVisible(indice)) + "\"");
  }
  if (!EnArea(indice) && !EnCambio(antes, Area(m_doc), {esperado})) {
    Fallo(c, "the holder stays in the page's working copy; the declaration's data area did not receive it");
  }
  // A holder the declaration does not have.
  Invalido(c, indice, "C", "the spouse's letter where there is no spouse", false);
}

void CRecorrido::Lista(const e2e::SCasillaPagina& c, int indice) {
  const CFoto antes = Foto();
  const std::size_t desde = m_mensajes.Cuenta();
  auto* lista = dynamic_cast<marco::CListaEdit*>(Edit());
  Pulsar(WXK_DOWN, wxMOD_ALT);
  // The list comes up in a window of its own, which takes the keyboard.
  const auto ventanaLista = [] {
    wxWindow* foco = wxWindow::FindFocus();
    return foco != nullptr && foco->GetId() == marco::kIdListaDesplegable ? wxGetTopLevelParent(foco) : nullptr;
  };
  // It opens, or the page says why it does not.
  EsperarHasta([&] { return ventanaLista() != nullptr || m_mensajes.Cuenta() > desde; }, kPlazo);
  if (ventanaLista() == nullptr || lista == nullptr) {
    ComprobarTextos(c, desde, "Alt+Down");
    const auto mensajes = m_mensajes.Desde(desde);
    if (!mensajes.empty() && SinTexto(mensajes).empty()) {
      // The page's rule, said in a message: the list waits for another box.
      SinCubrir(c, "its list does not open: " + Describir(mensajes));
    } else {
      Fallo(c, "Alt+Down did not open the box's list (" + Describir(mensajes) + ")");
    }
    if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
    return;
  }
  EsperarHasta([&] {
    auto* tl = dynamic_cast<wxTopLevelWindow*>(ventanaLista());
    return tl != nullptr && tl->IsActive();
  }, kPlazo);
  if (auto* tl = dynamic_cast<wxTopLevelWindow*>(ventanaLista()); tl != nullptr && !tl->IsActive()) {
    Fallo(c, "Alt+Down opened the box's list, but the list did not get the keyboard (the page keeps it)");
  }
  // Down to the first entry that holds something (not the one that erases the box), Enter takes it.
  const std::string antesTexto = Recortar(TextoVisible(indice));
  std::string elegida;
  for (int i = 0; i < 40; ++i) {
    Pulsar(WXK_DOWN);
    auto* l = dynamic_cast<wxListBox*>(wxWindow::FindFocus());
    if (l == nullptr) break;
    elegida = Recortar(l->GetStringSelection().utf8_string());
    if (!elegida.empty() && elegida != marco::kEntradaBorrar && elegida != Visible(antesTexto)) break;
  }
  if (elegida.empty() || elegida == marco::kEntradaBorrar || elegida == Visible(antesTexto)) {
    // Nothing to take: the page fills this list from what the declaration holds, and it holds nothing for it.
    Pulsar(WXK_ESCAPE);
    SinCubrir(c, "its list offers no entry to take (the page fills it from the declaration)");
    if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
    return;
  }
  Pulsar(WXK_RETURN);
  ComprobarTextos(c, desde, "an entry of the list taken");
  const std::string mostrado = Recortar(TextoVisible(indice));
  const CFoto despues = Foto();
  if (despues == antes) {
    Fallo(c, "the entry \"" + elegida + "\" taken from the list with Down and Enter left the area unchanged (the "
             "box shows \"" + Visible(mostrado) + "\")");
  } else {
    ++m_r.casillasCubiertas;
    if (Visible(mostrado) != elegida && elegida.find(Visible(mostrado)) == std::string::npos) {
      Fallo(c, "the entry \"" + elegida + "\" taken from the list: the box shows \"" + Visible(mostrado) + "\"");
    }
  }
  if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
}

void CRecorrido::Codigo(const e2e::SCasillaPagina& c, int indice) {
  marco::CCampo* campo = Campo(indice);
  const int n = std::max(1, campo->Longitud);
  // A delegation and an administration of the lists the program ships; for any other list its first codes.
  const bool delegaciones = marco::ListaIncompletaDe(c.tabla) == marco::EListaIncompleta::Delegaciones;
  const bool administraciones = marco::ListaIncompletaDe(c.tabla) == marco::EListaIncompleta::Administraciones;
  std::vector<std::string> valores;
  if (delegaciones) valores.push_back("28");
  if (administraciones) valores.push_back("618");
  for (const char* v : {"01", "001", "0001", "1"}) {
    if (static_cast<int>(std::strlen(v)) == n) valores.push_back(v);
  }
  SRechazos rechazos;
  for (const std::string& valor : valores) {
    if (Activo() != indice && !Volver(indice)) break;
    const CFoto antes = Foto();
    const std::size_t desde = m_mensajes.Cuenta();
    const bool salio = Teclear(indice, valor);
    ComprobarTextos(c, desde, valor + " typed");
    const auto v = Valor(indice);
    if (!salio || !v || Recortar(std::string(v->begin(), v->end())) != valor) {
      rechazos.Anotar(valor, m_mensajes.Desde(desde));
      continue;
    }
    ++m_r.casillasCubiertas;
    if (Recortar(TextoVisible(indice)) != valor) {
      Fallo(c, valor + " typed and Tab: the box shows \"" + Visible(TextoVisible(indice)) + "\"");
    }
    ComprobarGuardado(c, indice, antes, Bytes(valor, n), valor + " typed");
    // A code the list cannot have: its message, and the previous code back. (The lists the program cannot ship
    // whole keep a code of their form that they lack, so theirs is one not of the form.)
    const std::string invalido = delegaciones ? "99" : administraciones ? std::string(static_cast<std::size_t>(n), '0')
                                                                        : std::string(static_cast<std::size_t>(n), '9');
    Invalido(c, indice, invalido, "a code the list cannot hold", false);
    return;
  }
  if (rechazos.sinMensaje) {
    Fallo(c, "a code typed is refused without a message: " + rechazos.texto);
  } else {
    SinCubrir(c, "the page refuses every code the walk types: " + rechazos.texto);
  }
  Despegar(c, indice);
}

// ---- dialogs ----

bool CRecorrido::EsperarDialogo(const e2e::SCasillaPagina& c, const std::string& queEs) {
  if (m_vigilante.Pendiente()) {
    // The key was taken without a dialog coming up: give it a moment (the page may open it a little later).
    EsperarHasta([&] { return !m_vigilante.Pendiente(); }, 5000);
  }
  if (m_vigilante.Pendiente()) {
    m_vigilante.Cancelar();
    Fallo(c, queEs + ": no dialog came up");
    return false;
  }
  if (!EsperarHasta([] { return DialogoModal() == nullptr; }, 5000)) {
    Fallo(c, queEs + ": the dialog stayed open");
    return false;
  }
  Asentar();
  EsperarFocoEnCasilla();
  for (const std::string& titulo : m_vigilante.TomarSinFoco()) {
    Fallo(c, queEs + ": the dialog \"" + titulo + "\" came up without the keyboard focus");
  }
  return true;
}

void CRecorrido::RecorrerTabulador(const e2e::SCasillaPagina& c, wxDialog* dlg, const std::string& nombre) {
  const std::vector<wxWindow*> orden = CeldasEnOrdenDeLectura(dlg);
  if (orden.size() < 2) return;
  std::vector<wxWindow*> todos;
  Descendientes(dlg, todos);
  const std::size_t pasos = todos.size() + 2;
  EsperarHasta([&] { return wxGetTopLevelParent(wxWindow::FindFocus()) == dlg; }, 1000);
  wxWindow* inicio = wxWindow::FindFocus();
  std::vector<wxWindow*> visitadas;
  const auto anotar = [&](wxWindow* w) {
    if (std::find(orden.begin(), orden.end(), w) != orden.end() &&
        std::find(visitadas.begin(), visitadas.end(), w) == visitadas.end()) {
      visitadas.push_back(w);
    }
  };
  anotar(inicio);
  wxWindow* anterior = inicio;
  int quieto = 0;
  for (std::size_t i = 0; i < pasos && DialogoModal() == dlg; ++i) {
    Pulsar(WXK_TAB);
    // The dialog may move the focus a moment later (after its own checks of the field left), and once more: the
    // field it settles on is the one Tab went to.
    EsperarHasta([&] { return wxWindow::FindFocus() != anterior; }, 1000);
    for (wxWindow* visto = nullptr; visto != wxWindow::FindFocus();) {
      visto = wxWindow::FindFocus();
      wxMilliSleep(20);
      Asentar();
    }
    wxWindow* foco = wxWindow::FindFocus();
    if (foco == anterior) {
      if (++quieto >= 2) {
        Fallo(c, nombre + ": Tab stays on " + Nombre(foco));
        break;
      }
    } else {
      quieto = 0;
    }
    anterior = foco;
    anotar(foco);
    if (visitadas.size() == orden.size()) break;
  }
  // What Tab visits, from the field it started on, against the reading order from the same field.
  std::vector<wxWindow*> esperado;
  auto desde = std::find(orden.begin(), orden.end(), visitadas.empty() ? nullptr : visitadas.front());
  if (desde == orden.end()) desde = orden.begin();
  esperado.insert(esperado.end(), desde, orden.end());
  esperado.insert(esperado.end(), orden.begin(), desde);
  for (std::size_t i = 0; i < esperado.size(); ++i) {
    if (i >= visitadas.size()) {
      Fallo(c, nombre + ": Tab never reaches " + Nombre(esperado[i]));
      break;
    }
    if (visitadas[i] != esperado[i]) {
      Fallo(c, nombre + ": after " + (i > 0 ? Nombre(visitadas[i - 1]) : std::string("the first field")) +
                   " Tab goes to " + Nombre(visitadas[i]) + ", not to " + Nombre(esperado[i]) +
                   " (the next field in reading order)");
      break;
    }
  }
}

void CRecorrido::DigitosDeMas(const e2e::SCasillaPagina& c, wxDialog* dlg, const std::string& nombre) {
  wxWindow* campo = nullptr;
  for (wxWindow* w : CeldasEnOrdenDeLectura(dlg)) {
    if (EsImporte(w)) {
      campo = w;
      break;
    }
  }
  if (campo == nullptr) return;
  Clic(campo);
  if (!EsperarHasta([&] { return wxWindow::FindFocus() == campo; }, 1000)) return;
  const std::string antes = TextoCampo(campo);
  const std::size_t desde = m_mensajes.Cuenta();
  m_mensajes.PonerCorregir(true);
  SeleccionarTodo();
  Escribir("1000000000000");
  const std::string tecleado = SoloDigitos(TextoCampo(campo));
  Pulsar(WXK_TAB);
  EsperarHasta([&] { return wxWindow::FindFocus() != campo || m_mensajes.Cuenta() > desde; }, 1000);
  m_mensajes.PonerCorregir(false);
  const auto mensajes = m_mensajes.Desde(desde);
  ComprobarTextos(c, desde, nombre + ": 10^12 typed into " + Nombre(campo));
  const std::string despues = SoloDigitos(TextoCampo(campo));
  if (mensajes.empty() && despues.empty()) {
    Fallo(c, nombre + ": 10^12 typed into " + Nombre(campo) + " (it showed \"" + tecleado +
                 "\"): the field emptied without a message");
  } else if (!mensajes.empty() && despues != SoloDigitos(antes) && despues.size() > 12) {
    Fallo(c, nombre + ": 10^12 typed into " + Nombre(campo) + " gave " + Describir(mensajes) +
                 " but the field holds \"" + despues + "\"");
  } else if (mensajes.empty() && despues.size() > 12) {
    Fallo(c, nombre + ": 10^12 typed into " + Nombre(campo) + " was taken whole (\"" + despues + "\")");
  }
  // Back where the dialog's walk starts, once the click has moved the focus there: the walk starts from the field
  // that has it.
  if (DialogoModal() == dlg) {
    Clic(campo);
    EsperarHasta([&] { return wxWindow::FindFocus() == campo || DialogoModal() != dlg; }, 1000);
  }
}

void CRecorrido::Imprevisto(wxDialog* dlg) {
  const std::string titulo = dlg->GetTitle().utf8_string();
  if (m_pActual != nullptr && m_dialogosVistos.insert("imprevisto " + titulo).second) {
    RecorrerTabulador(*m_pActual, dlg, "the dialog \"" + titulo + "\"");
  }
  if (DialogoModal() == dlg) Pulsar(WXK_ESCAPE);
}

void CRecorrido::EscapeYCancelar(const e2e::SCasillaPagina& c, int indice, const std::string& tecla,
                                 const std::string& nombre, const std::string& ventana) {
  if (!m_dialogosVistos.insert(nombre).second) return;
  m_dialogosRecorridos.insert(ventana);
  m_r.dialogosCubiertos = static_cast<int>(m_dialogosRecorridos.size());
  for (int vez = 0; vez < 2; ++vez) {
    const bool escape = vez == 0;
    if (Activo() != indice) {
      m_pVista->IrACampo(indice);
      Asentar();
    }
    EsperarFocoEnCasilla();
    const CFoto antes = Foto();
    const std::string textoAntes = TextoVisible(indice);
    std::string visto;
    m_vigilante.Esperar([&, escape](wxDialog* dlg) {
      if (escape) {
        DigitosDeMas(c, dlg, nombre);
        RecorrerTabulador(c, dlg, nombre);
      }
      if (escape) {
        wxWindow* foco = wxWindow::FindFocus();
        Pulsar(WXK_ESCAPE);
        EsperarHasta([dlg] { return DialogoModal() != dlg; }, 1000);
        if (DialogoModal() == dlg) {
          visto = "Escape with the focus on " + Nombre(foco) + " did not close it";
          Pulsar(WXK_ESCAPE);
          EsperarHasta([dlg] { return DialogoModal() != dlg; }, 1000);
          if (DialogoModal() != dlg) visto += " (a second Escape did)";
        }
      } else {
        wxWindow* cancelar = Boton(dlg, "Cancelar");
        if (cancelar == nullptr) {
          visto = "it has no \"Cancelar\"";
          Pulsar(WXK_ESCAPE);
        } else {
          PulsarBoton(dlg, cancelar);
          if (DialogoModal() == dlg) visto = "\"Cancelar\" did not close it";
        }
      }
      RatonAlRincon();
      if (DialogoModal() == dlg) dlg->EndModal(wxID_CANCEL);
    });
    AbrirConTecla(tecla);
    if (!EsperarDialogo(c, nombre + " opened with " + tecla)) return;
    if (!visto.empty()) Fallo(c, nombre + ": " + visto);
    if (Foto() != antes) {
      Fallo(c, nombre + ": " + (escape ? "Escape" : "\"Cancelar\"") + " changed the area at " +
                   Diferencias(antes, Foto()));
    }
    if (TextoVisible(indice) != textoAntes) {
      Fallo(c, nombre + ": " + (escape ? "Escape" : "\"Cancelar\"") + " changed what the box shows from \"" +
                   Visible(textoAntes) + "\" to \"" + Visible(TextoVisible(indice)) + "\"");
    }
  }
}

void CRecorrido::Detalle(const e2e::SCasillaPagina& c, int indice) {
  auto* edit = dynamic_cast<marco::CImporteDetalleEdit*>(Edit());
  // The page may make a new edit for the box after OK: what is needed of this one is kept.
  const std::string ventana = edit->NombreDialogo();
  const std::string nombre = "the dialog " + ventana + " (\"" + Visible(edit->TituloDialogo()) + "\")";
  if (!marco::DialogoDetalleAbre(edit->NombreDialogo())) {
    SinCubrir(c, edit->NombreDialogo() + " opens no dialog in the program");
    if (!Salir(indice)) Despegar(c, indice);
    return;
  }
  // The digits typed reach the dialog's first amount field of the person shown; OK brings the total back.
  const CFoto antes = Foto();
  const std::size_t desde = m_mensajes.Cuenta();
  const std::string textoAntes = TextoVisible(indice);
  std::string visto;
  std::string vistoAceptar;
  std::vector<marco::SMensaje> rechazoAceptar;
  std::string vistoCancelar;
  bool aceptado = false;
  m_vigilante.Esperar([&](wxDialog* dlg) {
    std::vector<wxWindow*> todos;
    Descendientes(dlg, todos);
    // The field with those digits: the one with the focus first (a box showing another field of the same grid
    // leaves the digits of the box before it in the first one).
    const auto conDigitos = [&](std::string_view digitos) -> wxWindow* {
      if (wxWindow* f = wxWindow::FindFocus(); f != nullptr && std::find(todos.begin(), todos.end(), f) != todos.end() &&
                                                  EsCampo(f) && SoloDigitos(TextoCampo(f)) == digitos) {
        return f;
      }
      for (wxWindow* w : todos) {
        if (EsCampo(w) && SoloDigitos(TextoCampo(w)) == digitos) return w;
      }
      return nullptr;
    };
    const auto camposConDigitos = [&] {
      std::string partes;
      for (wxWindow* w : todos) {
        if (EsCampo(w) && !SoloDigitos(TextoCampo(w)).empty()) partes += (partes.empty() ? "" : ", ") + Nombre(w);
      }
      return partes.empty() ? std::string("none") : partes;
    };
    // The character that opened the dialog is in its first amount field of the person shown; the digits typed
    // after it follow it there.
    EsperarHasta([&] { return dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus()) != nullptr &&
                              wxGetTopLevelParent(wxWindow::FindFocus()) == dlg; }, 1000);
    wxWindow* primero = conDigitos("1");
    Escribir("234");
    wxWindow* foco = wxWindow::FindFocus();
    wxWindow* donde = conDigitos("1234");
    if (primero == nullptr && donde == nullptr) {
      visto = "1 typed into the box opened the dialog, and the 1 is in no field of it (fields with digits after 234 "
              "was typed: " + camposConDigitos() + "; focus on " + Nombre(foco) + ")";
    } else if (donde == nullptr) {
      visto = "1 typed into the box reached " + Nombre(primero) + ", but 234 typed after it did not follow (fields "
              "with digits: " + camposConDigitos() + "; focus on " + Nombre(foco) + ")";
    } else if (!EsImporte(donde)) {
      visto = "1234 typed into the box landed in " + Nombre(donde) + ", which is not an amount field";
    } else if (donde != foco) {
      visto = "1234 typed into the box landed in " + Nombre(donde) + " but the focus is on " + Nombre(foco);
    } else {
      // The holder of that row is the person shown.
      const wxRect r = donde->GetScreenRect();
      for (wxWindow* w : todos) {
        auto* titular = dynamic_cast<marco::CTitularEdit*>(EditDe(w));
        if (titular == nullptr) continue;
        const wxRect t = w->GetScreenRect();
        if (std::min(t.GetBottom(), r.GetBottom()) - std::max(t.y, r.y) <= std::min(t.height, r.height) / 2) continue;
        const std::string esperado(marco::NombreTitular(Sujeto() == 1 ? 2 : Sujeto(), 'e'));
        if (Recortar(titular->Texto()) != esperado) {
          visto = "1234 typed into the box: the holder of its row shows \"" + Visible(titular->Texto()) +
                  "\", not \"" + Visible(esperado) + "\"";
        }
      }
    }
    if (!visto.empty()) {
      // The total is still checked: the person clicks the dialog's first field, gives the holder when it asks for
      // one, and types the amount where the focus goes.
      const std::vector<wxWindow*> celdas = CeldasEnOrdenDeLectura(dlg);
      if (!celdas.empty()) {
        Clic(celdas.front());
        if (!EsImporte(celdas.front())) {
          Escribir("D");
          Pulsar(WXK_TAB);
        }
        if (!EsImporte(wxWindow::FindFocus())) {
          for (wxWindow* w : CeldasEnOrdenDeLectura(dlg)) {
            if (!EsImporte(w)) continue;
            Clic(w);
            break;
          }
        }
        SeleccionarTodo();
        Escribir("1234");
      }
    }
    wxWindow* aceptar = Boton(dlg, "Aceptar");
    if (aceptar == nullptr) {
      if (visto.empty()) visto = "the dialog has no \"Aceptar\"";
      Pulsar(WXK_ESCAPE);
    } else {
      const std::size_t desdeAceptar = m_mensajes.Cuenta();
      PulsarBoton(dlg, aceptar);
      aceptado = DialogoModal() != dlg;
      if (!aceptado) {
        rechazoAceptar = m_mensajes.Desde(desdeAceptar);
        const std::string m = Describir(m_mensajes.Desde(desde));
        vistoAceptar = "\"Aceptar\" did not close the dialog (" + (m.empty() ? "no message" : m) + "; focus on " +
                       Nombre(wxWindow::FindFocus()) + ")";
        wxWindow* cancelar = Boton(dlg, "Cancelar");
        if (cancelar != nullptr) {
          PulsarBoton(dlg, cancelar);
          // Under load the dialog may take its time to go after the refusal's message.
          EsperarHasta([&] { return DialogoModal() != dlg; }, 2000);
        }
        if (cancelar == nullptr || DialogoModal() == dlg) {
          vistoCancelar = cancelar == nullptr ? "the dialog that refused the amount has no \"Cancelar\""
                                              : "\"Cancelar\" did not close the dialog that refused the amount";
        }
      }
    }
    RatonAlRincon();
    if (DialogoModal() == dlg) dlg->EndModal(wxID_CANCEL);
  });
  EscribirSeguido("1");
  if (!EsperarDialogo(c, "1 typed into the detail box")) {
    if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
    return;
  }
  ComprobarTextos(c, desde, "the detail dialog");
  if (!visto.empty()) Fallo(c, visto);
  if (!aceptado && !rechazoAceptar.empty() && SinTexto(rechazoAceptar).empty()) {
    // The dialog's own check refused the amount, saying why: its rule, as a page's refusal is. Closed with
    // "Cancelar", it changed nothing.
    SinCubrir(c, "the dialog's own check refuses the amount the walk types: 1234 " + Describir(rechazoAceptar));
    if (!vistoCancelar.empty()) Fallo(c, vistoCancelar);
    if (Foto() != antes) {
      Fallo(c, "the dialog refused the amount and was closed with \"Cancelar\", yet the area changed at " +
                   Diferencias(antes, Foto()));
    }
    if (TextoVisible(indice) != textoAntes) {
      Fallo(c, "the dialog refused the amount and was closed with \"Cancelar\", yet the box shows \"" +
                   Visible(TextoVisible(indice)) + "\", not \"" + Visible(textoAntes) + "\"");
    }
    EscapeYCancelar(c, indice, "5", nombre, ventana);
    if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
    return;
  }
  if (!vistoAceptar.empty()) Fallo(c, vistoAceptar);
  ++m_r.casillasCubiertas;
  if (aceptado) {
    const CFoto despues = Foto();
    marco::CCampo* campo = Campo(indice);
    const auto valor = Valor(indice);
    double total = 0.0;
    if (valor && valor->size() == sizeof(double)) std::memcpy(&total, valor->data(), sizeof total);
    const std::string ahora = TextoVisible(indice);
    if (despues == antes) {
      Fallo(c, "\"Aceptar\" after 1234 typed brought nothing back: the area is unchanged");
    } else if (SoloDigitos(ahora) != SoloDigitos(total == 0.0 ? std::string() : marco::FormatearImporte(total, campo->Decimales))) {
      Fallo(c, "after \"Aceptar\" the box shows \"" + Visible(ahora) + "\" for a total of " +
                   marco::FormatearImporte(total, campo->Decimales));
    }
  }
  // Escape and Cancelar change nothing; Tab walks the fields in reading order.
  EscapeYCancelar(c, indice, "5", nombre, ventana);
  if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
}

void CRecorrido::AbreDialogo(const e2e::SCasillaPagina& c, int indice, const char* tecla) {
  std::string ventana = c.ventana;
  if (auto* sel = dynamic_cast<marco::CSelStrEdit*>(Edit())) ventana = sel->NombreDialogo();
  const std::string nombre = "the dialog " + ventana;
  // The dialog opens for a typed character (and the box is covered by it) the first time it is seen.
  if (m_dialogosVistos.count(nombre) == 0) {
    EscapeYCancelar(c, indice, tecla, nombre, marco::AnalizarVentanaDetalle(ventana).nombre);
  } else {
    const std::size_t desde = m_mensajes.Cuenta();
    m_vigilante.Esperar([](wxDialog* dlg) {
      Pulsar(WXK_ESCAPE);
      if (DialogoModal() == dlg) dlg->EndModal(wxID_CANCEL);
    });
    AbrirConTecla(tecla);
    EsperarDialogo(c, nombre + " opened with " + tecla);
    ComprobarTextos(c, desde, nombre);
  }
  ++m_r.casillasCubiertas;
  if (Activo() == indice && !Salir(indice)) Despegar(c, indice);
}

bool CRecorrido::IrAPagina(int numero, int idPagina) {
  const auto vista = [&]() -> marco::CProg32View* {
    const auto& lista = m_doc.ListaPaginas();
    if (numero < 1 || numero > static_cast<int>(lista.size())) return nullptr;
    return dynamic_cast<marco::CProg32View*>(m_doc.BuscarVista(lista[static_cast<std::size_t>(numero - 1)]));
  };
  if (m_doc.DamePaginaActual() + 1 != numero || vista() == nullptr) {
    // The program is ready for the person: its main window has the keyboard.
    wxWindow* principal = wxTheApp->GetTopWindow();
    EsperarHasta([&] {
      auto* tl = dynamic_cast<wxTopLevelWindow*>(principal);
      return tl != nullptr && tl->IsActive() && wxWindow::FindFocus() != nullptr;
    }, 5000);
    std::string visto;
    m_vigilante.Esperar([&](wxDialog* dlg) {
      EsperarHasta([&] { return dynamic_cast<wxTextCtrl*>(wxWindow::FindFocus()) != nullptr; }, 1000);
      Escribir(std::to_string(numero));
      Pulsar(WXK_RETURN);
      // The page is made before the dialog goes.
      EsperarHasta([&] { return DialogoModal() != dlg; }, kPlazo);
      if (DialogoModal() == dlg) {
        visto = "the go-to-page dialog stayed open after the page number and Enter";
        dlg->EndModal(wxID_CANCEL);
      }
    });
    // A loaded machine takes its time to bring the dialog up; a key lost on the way is pressed again.
    for (int vez = 0; vez < 2 && m_vigilante.Pendiente(); ++vez) {
      Pulsar('I', wxMOD_CONTROL);
      EsperarHasta([&] { return !m_vigilante.Pendiente(); }, kPlazo);
    }
    if (m_vigilante.Pendiente()) {
      m_vigilante.Cancelar();
      visto = "Ctrl+I did not open the go-to-page dialog (focus on " + Nombre(wxWindow::FindFocus()) + ")";
    }
    if (!visto.empty()) m_r.fallos.push_back({0, "", visto});
  }
  m_pVista = vista();
  if (m_pVista == nullptr || m_pVista->DameNumeroPagina() != idPagina) {
    m_r.fallos.push_back({0, "", "page " + std::to_string(numero) + " did not come up"});
    return false;
  }
  return true;
}

SResultadoPagina CRecorrido::Recorrer(bool pagina) {
  const std::vector<e2e::SCasillaPagina> casillas = CasillasDeEntrada(m_fuente);
  m_r.casillasFuente = static_cast<int>(casillas.size());
  std::set<std::string> ventanas;
  for (const auto& c : casillas) {
    if (!c.ventana.empty()) ventanas.insert(marco::AnalizarVentanaDetalle(c.ventana).nombre);
  }
  m_r.dialogosFuente = static_cast<int>(ventanas.size());
  if (!pagina) {
    for (const auto& c : casillas) SinCubrir(c, "its page did not come up");
    return m_r;
  }

  RatonAlRincon();
  if (HayTraza()) {
    std::cerr << "  page " << m_r.pagina << " up: active box " << Activo() + 1 << ", focus on " << Nombre(wxWindow::FindFocus())
              << ", mouse box " << m_pVista->DameCampoRaton() + 1 << "\n";
  }
  if (casillas.empty()) return m_r;
  const bool sinEntrada = m_pVista->SiguienteCampoEditable(-1, 1) < 0;
  if (sinEntrada) {
    Asentar();
  } else if (!EsperarHasta([&] { return Edit() != nullptr; }, kPlazo)) {
    // The page activates its first box that takes input.
    m_r.fallos.push_back({0, "", "the page opened with no box active"});
    m_pVista->IrACampo(0);
    Asentar();
  }
  // The page opens at its top, and at the window's size it is shown whole across (its labels beside their boxes),
  // whether it has a box to type into or not.
  if (m_pVista->DameVentana() != nullptr) {
    const wxSize cliente = m_pVista->DameVentana()->GetClientSize();
    if (m_pVista->Desplazamiento().y != 0) {
      m_r.fallos.push_back({0, "", "the page opens scrolled " + std::to_string(m_pVista->Desplazamiento().y) +
                                        " pixels down, not at its top"});
    }
    if (m_pVista->Geometria().vista.cx > cliente.x) {
      m_r.fallos.push_back({0, "", "the page is " + std::to_string(m_pVista->Geometria().vista.cx) +
                                        " pixels wide in a window of " + std::to_string(cliente.x) +
                                        ": what lies on its right is cut off"});
    }
  }
  if (sinEntrada) {
    // Nothing to type into: the page holds its boxes for what this declaration does not have.
    for (const auto& c : casillas) SinCubrir(c, "the page keeps every box read-only for the walk's declaration");
    return m_r;
  }
  // The keys go to the box that is active.
  const auto enfocada = [&] {
    if (Edit() == nullptr || wxWindow::FindFocus() != Edit()->DameVentana()) return false;
    auto* marco = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(Edit()->DameVentana()));
    return marco != nullptr && marco->IsActive();
  };
  if (!EsperarHasta(enfocada, kPlazo)) {
    m_r.fallos.push_back({0, "", "the page's first box is active but the keyboard focus is on " +
                                      Nombre(wxWindow::FindFocus())});
    if (Edit() != nullptr) Clic(Edit()->DameVentana());
    RatonAlRincon();
  }
  for (const e2e::SCasillaPagina& c : casillas) {
    m_pActual = &c;
    std::string motivo;
    if (!Llegar(c, motivo)) {
      SinCubrir(c, motivo);
      if (Activo() < 0 || Activo() > c.numero - 1) {
        // Tab went past it or round the page: go on from where Tab stands.
      }
      continue;
    }
    const int indice = c.numero - 1;
    // The active box is in view, whole.
    if (wxWindow* ventana = m_pVista->DameVentana(); ventana != nullptr && Campo(indice) != nullptr) {
      const plataforma::CRectangulo r = marco::RectanguloCampoEnVentana(*Campo(indice), m_pVista->Desplazamiento());
      const wxSize cliente = ventana->GetClientSize();
      if (r.left < 0 || r.top < 0 || r.right > cliente.x || r.bottom > cliente.y) {
        Fallo(c, "active but not wholly in view (" + std::to_string(r.left) + "," + std::to_string(r.top) + " to " +
                     std::to_string(r.right) + "," + std::to_string(r.bottom) + " in a window of " +
                     std::to_string(cliente.x) + "x" + std::to_string(cliente.y) + ")");
      }
    }
    marco::CEditEx* edit = Edit();
    if (edit == nullptr) {
      SinCubrir(c, "active without an edit");
      continue;
    }
    const int cubiertasAntes = m_r.casillasCubiertas;
    const std::size_t sinCubrirAntes = m_r.sinCubrir.size();
    const EClase clase = ClaseDe(edit);
    if (HayTraza()) {
      std::cerr << "  [" << std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_inicio).count() << " ms] box " << c.numero << " " << c.mascara << " kind " << static_cast<int>(clase) << " ("
                << typeid(*edit).name() << ") text \"" << Visible(edit->Texto()) << "\"\n";
    }
    switch (clase) {
      case EClase::Importe:
      case EClase::Entero:
        Numero(c, indice, clase);
        break;
      case EClase::Digitos:
      case EClase::Letras:
      case EClase::TextoLibre:
        Texto(c, indice, clase);
        break;
      case EClase::Fecha:
        Fecha(c, indice);
        break;
      case EClase::Marca:
        Marca(c, indice);
        break;
      case EClase::Titular:
        Titular(c, indice);
        break;
      case EClase::Lista:
        Lista(c, indice);
        break;
      case EClase::Codigo:
        Codigo(c, indice);
        break;
      case EClase::Detalle:
        Detalle(c, indice);
        break;
      case EClase::MarcaDialogo:
        AbreDialogo(c, indice, " ");
        break;
      case EClase::Seleccion:
        // A selection opens its dialog with Alt+Down (a typed character is taken as a code of its list).
        AbreDialogo(c, indice, kAltAbajo);
        break;
      case EClase::Otra:
        SinCubrir(c, std::string("its edit (") + typeid(*edit).name() + ") is of no kind the walk knows");
        if (!Salir(indice)) Despegar(c, indice);
        break;
    }
    // A box the walk typed into counts as covered, whatever it saw there; one it could not give a value, not.
    if (m_r.sinCubrir.size() != sinCubrirAntes) {
      m_r.casillasCubiertas = cubiertasAntes;
    } else if (m_r.casillasCubiertas == cubiertasAntes) {
      ++m_r.casillasCubiertas;
    } else {
      m_r.casillasCubiertas = cubiertasAntes + 1;
    }
  }
  m_pActual = nullptr;
  return m_r;
}

}  // namespace

std::vector<e2e::SCasillaPagina> CasillasDeEntrada(const e2e::CPaginaFuente& fuente) {
  std::vector<e2e::SCasillaPagina> casillas;
  for (const auto& c : fuente.Casillas()) {
    if (!c.lectura && c.enPantalla) casillas.push_back(c);
  }
  return casillas;
}

SResultadoPagina RecorrerPagina(marco::CProg32Doc& documento, int numero, int idPagina,
                                const e2e::CPaginaFuente& fuente, const std::string& nombre,
                                std::set<std::string>& dialogosVistos) {
  CRecorrido recorrido(documento, fuente, nombre, dialogosVistos);
  if (!recorrido.IrAPagina(numero, idPagina)) return recorrido.Recorrer(false);
  return recorrido.Recorrer(true);
}

}  // namespace recorrido
