#include "framework/EditSeleccion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditExVentana.h"
#include "framework/EditLista.h"
#include "framework/Mensajes.h"

namespace marco {

namespace {

// A decimal integer at the start of a text (after blanks, with an optional sign); 0 when there is none.
std::int32_t ValorDecimal(std::string_view texto) {
  while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
  if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
  std::int32_t valor = 0;
  const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  return r.ec == std::errc() ? valor : 0;
}

// A plain message box with the OK button and no title.
void Avisar(wxWindow* padre, std::string_view texto) {
  SMensaje mensaje;
  mensaje.texto = std::string(texto);
  mensaje.botones = kFlagAceptar;
  mensaje.padre = padre;
  PresentarMensaje(mensaje);
}

}  // namespace

// ---- the registry ----

void CRegistroSelecciones::Registrar(std::string_view nombre, FDialogoSeleccion dialogo) {
  if (!dialogo) {
    if (const auto it = m_dialogos.find(nombre); it != m_dialogos.end()) m_dialogos.erase(it);
    return;
  }
  m_dialogos.insert_or_assign(std::string(nombre), std::move(dialogo));
}

const FDialogoSeleccion* CRegistroSelecciones::Buscar(std::string_view nombre) const {
  const auto it = m_dialogos.find(nombre);
  return it != m_dialogos.end() ? &it->second : nullptr;
}

std::vector<std::string> CRegistroSelecciones::Nombres() const {
  std::vector<std::string> nombres;
  for (const auto& [nombre, dialogo] : m_dialogos) nombres.push_back(nombre);
  return nombres;
}

CRegistroSelecciones& RegistroSelecciones() {
  static CRegistroSelecciones registro;
  return registro;
}

bool DialogoPermitidoAMiembro(std::string_view nombre) {
  static constexpr std::array<std::string_view, 7> kPermitidos{
      "IDD_NOMAPE", "IDD_CC104", "IDD_DECCONSN", "IDD_EPIGRAFE", "IDD_PERIMPO", "IDD_DESCENDIENTES",
      "IDD_ASCENDIENTES"};
  for (const std::string_view p : kPermitidos) {
    if (p == nombre) return true;
  }
  return false;
}

SNombreSeleccion AnalizarNombreSeleccion(std::string_view nombreVent) {
  SNombreSeleccion r;
  const std::size_t primera = nombreVent.find('*');
  r.nombre = std::string(nombreVent.substr(0, primera));
  if (primera == std::string_view::npos) {
    r.numero1 = ValorDecimal(nombreVent);
    return r;
  }
  const std::string_view resto = nombreVent.substr(primera + 1);
  const std::size_t segunda = resto.find('*');
  r.numero1 = ValorDecimal(resto.substr(0, segunda));
  if (segunda != std::string_view::npos) {
    const std::string_view b = resto.substr(segunda + 1);
    if (!b.empty()) r.numero2 = ValorDecimal(b.substr(b.size() - 1));
  }
  return r;
}

// ---- the edit ----

CSelStrEdit::CSelStrEdit() = default;

CSelStrEdit::~CSelStrEdit() { DestruirBoton(); }

void CSelStrEdit::Inicializar(CCampo& campo) {
  PonerCampo(campo);
  const SNombreSeleccion nombre = AnalizarNombreSeleccion(campo.NombreVent);
  m_nombre = nombre.nombre;
  m_nNumero1 = nombre.numero1;
  m_nNumero2 = nombre.numero2;
  m_titulo = campo.TituloVent;
}

bool CSelStrEdit::MiembroConFamilia() {
  const std::int32_t sujeto = DameSujetoActual();
  return sujeto != 0 && sujeto != kSujetoUnidadFamiliar && HayConyugeOHijo() == 1;
}

void CSelStrEdit::AlCrearVentana() {
  DestruirBoton();
  CVentanaEdit* ventana = DameVentana();
  if (ventana == nullptr) return;
  // The edit gives up a square of its height, and a pixel, for the button.
  wxRect rect = ventana->GetRect();
  m_nLadoBoton = rect.height;
  rect.width = std::max(rect.width - m_nLadoBoton - 1, 1);
  ventana->SetSize(rect);
  if (EsSoloLectura() || ventana->GetParent() == nullptr) return;
  auto* boton = new wxButton(ventana->GetParent(), kIdBotonLista, "...", wxPoint(rect.GetRight() + 2, rect.y),
                             wxSize(m_nLadoBoton, m_nLadoBoton), wxBU_EXACTFIT);
  boton->DisableFocusFromKeyboard();
  m_boton = boton;
  const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
  boton->Bind(wxEVT_BUTTON, [this, vivo](wxCommandEvent&) {
    if (!vivo.expired()) PulsarBoton();
  });
  ventana->Bind(wxEVT_LEFT_DCLICK, [this, vivo, ventana](wxMouseEvent& evento) {
    if (vivo.expired() || DameVentana() != ventana) {
      evento.Skip();
      return;
    }
    AlDobleClic();
  });
  // The button goes with the edit's window.
  wxWeakRef<wxButton> suyo(boton);
  ventana->Bind(wxEVT_DESTROY, [suyo, ventana](wxWindowDestroyEvent& evento) {
    evento.Skip();
    if (evento.GetEventObject() == ventana && suyo) suyo->Destroy();
  });
}

void CSelStrEdit::DestruirBoton() {
  if (wxButton* boton = m_boton.get()) {
    m_boton = nullptr;
    boton->Destroy();
  }
}

void CSelStrEdit::PulsarBoton() {
  if (m_bBloqueada) return;
  if (MiembroConFamilia() && !DialogoPermitidoAMiembro(m_nombre)) {
    Mensaje(kMensajeMiembroBloqueado);
    return;
  }
  Abrir();
}

void CSelStrEdit::AlDobleClic() {
  if (m_bBloqueada) {
    if (DameVentana() != nullptr) DameVentana()->SetFocus();
    return;
  }
  Abrir();
}

int CSelStrEdit::Abrir(unsigned caracter) {
  const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
  m_nCaracter = caracter;
  const int r = AbrirSeleccion(0);
  if (vivo.expired()) return 2;
  m_nCaracter = 0;
  if (r == 1) {
    PonerModificado(true);
    Notificar(kAvisoValorCambiado);
    if (vivo.expired()) return 2;
    CaretAlPrincipio();
  }
  return 2;
}

int CSelStrEdit::AbrirSeleccion(int palabra) {
  const CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Enlace == nullptr) {
    Avisar(Superficie().Ventana(), kTextoSinDato);
    return 1;
  }
  if (m_nombre.empty()) {
    Avisar(Superficie().Ventana(), kTextoSinDialogo);
    return 1;
  }
  const CRegistroSelecciones& registro = m_pRegistro != nullptr ? *m_pRegistro : RegistroSelecciones();
  const FDialogoSeleccion* dialogo = registro.Buscar(m_nombre);
  if (dialogo == nullptr) {
    // The user pressed something that opens nothing: say so.
    Mensaje(kMensajeDialogoNoExiste);
    return 2;
  }
  // A member's page may open it, with a warning that the data belongs to the family unit.
  if (m_nombre != kDialogoNombreApellidos && MiembroConFamilia()) Mensaje(kMensajeMiembroBloqueado);

  SContextoSeleccion contexto;
  contexto.edit = this;
  contexto.padre = Superficie().Ventana();
  contexto.enlace = campo->Enlace;
  contexto.nombre = m_nombre;
  contexto.titulo = m_titulo;
  contexto.numero1 = m_nNumero1;
  contexto.numero2 = m_nNumero2;
  contexto.palabra = palabra;
  contexto.caracter = m_nCaracter;
  // A copy: the dialog may register or replace dialogs while it runs.
  const FDialogoSeleccion ejecutar = *dialogo;
  const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
  const int r = ejecutar(contexto);
  if (vivo.expired()) return r;
  if (r == 1) {
    PonerModificado(true);
    Notificar(kAvisoCampoBorrado);
    if (vivo.expired()) return r;
    Notificar(kAvisoValorFijado);
    if (vivo.expired()) return r;
  }
  if (DameVentana() != nullptr) DameVentana()->SetFocus();
  return r;
}

int CSelStrEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  if (caracter == kTeclaEscape) return 1;
  if (MiembroConFamilia() && DameMarca() == 0) {
    Mensaje(kMensajeMiembroBloqueado);
    Abrir();
    return 1;
  }
  if (caracter == ' ') {
    const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
    const int r = BorrarSeleccion();
    if (vivo.expired()) return 2;
    if (r != 0 && r != 2) return r;
    Notificar(kAvisoCampoBorrado);
    if (vivo.expired()) return 2;
    CaretAlPrincipio();
    // The blank itself is never typed into the box.
    return 2;
  }
  // Control characters (Backspace) open nothing.
  if (caracter < 0x20) return 1;
  // The character is not lost: the dialog takes it as the first one typed into it.
  return Abrir(caracter);
}

int CSelStrEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla != kTeclaSuprimir) return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
  if (MiembroConFamilia()) return 1;
  const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
  const int r = BorrarSeleccion();
  if (vivo.expired()) return 2;
  if (r != 0 && r != 2) return r;
  Notificar(kAvisoCampoBorrado);
  if (vivo.expired()) return 2;
  CaretAlPrincipio();
  // Handled: the control deletes nothing itself.
  return 2;
}

int CSelStrEdit::FiltrarTeclaControl(int tecla) { return FiltrarPortapapelesLista(*this, tecla); }

void CSelStrEdit::Pegar() { Pitar(); }

// ---- the heading box ----

void CSelEpigraf::InicializarEpigrafe(CCampo& campo) {
  // The heading search is the only dialog such a box opens; a box that names no window opens it as kind 3.
  if (campo.NombreVent.empty()) campo.NombreVent = std::string(kDialogoEpigrafes) + "*3";
  Inicializar(campo);
}

int CSelEpigraf::AbrirSeleccion(int palabra) {
  const int r = CSelStrEdit::AbrirSeleccion(palabra);
  // A code picked is a change of the declaration, as a code typed would be.
  if (r == 1) MarcarDeclaracionModificada();
  return r;
}

int CSelEpigraf::BorrarSeleccion() {
  CCampo* campo = DameCampo();
  if (campo == nullptr) return 1;
  bool borrado = false;
  // The code the search writes, through the box's link: three characters for a box of kind 2, five for the others.
  if (const auto* enlace = static_cast<const SEnlaceEpigrafe*>(campo->Enlace); enlace != nullptr && enlace->codigo) {
    std::memset(enlace->codigo, 0, campo->NombreVent.ends_with("*2") ? 3 : 5);
    borrado = true;
  }
  if (campo->Dato != nullptr) {
    std::memset(campo->Dato, ' ', static_cast<std::size_t>(std::max(LongitudMaxima(), 0)));
    borrado = true;
  }
  if (!borrado) return 1;
  PonerTexto("");
  PonerModificado(true);
  MarcarDeclaracionModificada();
  return 2;
}

}  // namespace marco
