#include "framework/EditDetalle.h"

#include <wx/app.h>
#include <wx/event.h>

#include <array>
#include <charconv>
#include <cstring>
#include <vector>

#include "framework/BotonDibujado.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditExVentana.h"
#include "framework/EditFecha.h"
#include "framework/FabricaEdit.h"
#include "framework/Imagen.h"
#include "framework/Mensajes.h"

namespace marco {

namespace {

// ---- the dialogs a detail window name stands for ----

struct SDialogoTabla {
  std::string_view nombre;
  int numero;
  bool abre;  // false: the number has no dialog, nothing opens; true: its dialog when registered, else a message
};

constexpr std::array<SDialogoTabla, 68> kDialogos{{
    {"IDD_MESES", 1544, false},        {"IDD_CUOTASOPORTADAS", 107, false}, {"IDD_CUOTASOPORTADAS1", 1547, false},
    {"IDD_TRIMESTRES", 1551, false},   {"IDD_INGACUEN", 1550, false},       {"IDD_RDTO_TRABAJO", 1551, false},
    {"IDD_INMOBILIARIO", 1559, true},  {"IDD_INGRET6", 1555, false},        {"IDD_DIVID6", 1554, false},
    {"IDD_PREMESP", 1568, true},       {"IDD_PREMMET", 1566, true},         {"IDD_IMPURENTAS", 163, true},
    {"IDD_INREGA6", 1556, false},      {"IDD_DBLIMPDIV", 1573, true},       {"IDD_TIT3DAT1", 165, true},
    {"IDD_TIT0DAT1", 1585, true},      {"IDD_OBRAMINU", 1574, true},        {"IDD_FUNDACI3", 170, true},
    {"IDD_TIT6DAT1", 201, true},       {"IDD_PLPENGEN", 171, true},         {"IDD_PLPENMIN", 1569, true},
    {"IDD_INVERVIVI", 1575, true},     {"IDD_CUENVIVI", 191, true},         {"IDD_MINUSAU1", 1579, true},
    {"IDD_GASSUERUS", 1580, true},     {"IDD_FAMNUME", 212, true},          {"IDD_GESTUDUNIV", 211, true},
    {"IDD_NACHIJOSPLUS", 215, true},   {"IDD_NACHIJOS", 214, true},         {"IDD_ACOGMAY", 1581, true},
    {"IDD_APLAYAV", 198, true},        {"IDD_DECCONSN", 1582, true},        {"IDD_CEUTAMEL", 1576, true},
    {"IDD_AUTOLIQ", 1596, true},       {"IDD_TRANFISINT", 1595, true},      {"IDD_PGACUINM", 1594, true},
    {"IDD_RENOBGA", 1577, true},       {"IDD_COMPADQ", 1578, true},         {"IDD_GCUSTODIA", 1587, true},
    {"IDD_TIT1DAT1", 142, true},       {"IDD_TIT2DAT1", 166, true},         {"IDD_AMORTIAG", 216, true},
    {"IDD_RENDETIIV", 1603, true},     {"IDD_SALPEN95", 117, true},         {"IDD_MODALIDADID", 1549, true},
    {"IDD_IPLUSD", 1584, true},        {"IDD_FORMPROF", 256, true},        {"IDD_RESINVCAN", 202, true},
    {"IDD_SALPENEMPLEO", 246, true},  {"IDD_INVPROTMED", 119, true},       {"IDD_INVCINAUD", 1600, true},
    {"IDD_SALPEN95PLUS", 118, true},   {"IDD_SALPENCARTUJA", 232, true},    {"IDD_TIT4DAT1", 1586, true},
    {"IDD_RESINVCAN2", 204, true},    {"IDD_RESINVCAN3", 1602, true},      {"IDD_IDEMORAP", 207, true},
    {"IDD_DBLIMPTRA", 1592, true},     {"IDD_IMPOTROC", 1593, true},        {"IDD_VALTRANSEA", 199, true},
    {"IDD_VALTRANSEAG4", 200, true},   {"IDD_VALADQUI", 1565, true},        {"IDD_CONVCOLA", 245, true},
    {"IDD_PCUOTINT", 1560, true},      {"IDD_PIMPEXTR", 1599, true},        {"IDD_VALADQUIG4", 259, true},
    {"IDD_VALADQUI1", 1597, true},     {"IDD_VALADQUI2", 1598, true},
}};

// The one dialog of the dialog-opening tick box.
constexpr std::string_view kNombreAsignacionTributaria = "IDD_IGLESIAS";

const SDialogoTabla* BuscarEnTabla(std::string_view nombre) {
  for (const SDialogoTabla& d : kDialogos) {
    if (d.nombre == nombre) return &d;
  }
  return nullptr;
}

std::int32_t LeerParametro(std::string_view texto) {
  std::int32_t valor = 0;
  const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  return r.ec == std::errc() ? valor : 0;
}

// A message without a code: the text as it stands, with Aceptar.
void MostrarTexto(wxWindow* padre, std::string_view texto) {
  SMensaje mensaje;
  mensaje.texto = std::string(texto);
  mensaje.icono = IconoExclamacion;
  mensaje.botones = kFlagAceptar;
  mensaje.padre = padre;
  PresentarMensaje(mensaje);
}

// Runs a registered dialog for a box edit on a copy of `tamano` bytes of the block at `enlace` (none: no block),
// handing it the character typed into the box (0: none). True when the dialog ended with OK; then the copy is in
// the block, and `cambiado` tells whether it differed.
bool EjecutarDialogo(const SDialogoDetalle& dialogo, CEditEx& edit, const SVentanaDetalle& ventana,
                     const std::string& titulo, void* enlace, std::size_t tamano, unsigned caracter, bool& cambiado) {
  cambiado = false;
  std::vector<unsigned char> copia(enlace != nullptr ? tamano : 0);
  if (!copia.empty()) std::memcpy(copia.data(), enlace, copia.size());
  SPeticionDetalle peticion;
  peticion.padre = edit.Superficie().Ventana();
  peticion.primerParametro = ventana.primerParametro;
  peticion.segundoParametro = ventana.segundoParametro;
  peticion.titulo = titulo;
  peticion.repeticion = edit.DameCampo() != nullptr ? edit.DameCampo()->Repeticion : 0;
  peticion.sujeto = DameSujetoActual();
  peticion.conyugeOPrimerHijo = HayConyugeOHijo();
  peticion.bloque = copia;
  peticion.caracter = caracter;
  if (const CCampo* campo = edit.DameCampo()) {
    peticion.lectura = campo->EnlacesLectura;
    peticion.campoCasilla = campo->CampoDetalle;
    const auto* valor = static_cast<const unsigned char*>(campo->Dato);
    const auto* bloque = static_cast<const unsigned char*>(enlace);
    if (valor != nullptr && bloque != nullptr && !copia.empty() && valor >= bloque && valor < bloque + copia.size()) {
      peticion.lugarCasilla = static_cast<std::size_t>(valor - bloque);
    }
  }
  if (const CCampo* campo = edit.DameCampo(); campo != nullptr && campo->TamanoValor() == sizeof(double)) {
    if (const unsigned char* valor = campo->ValorSujeto(peticion.sujeto)) {
      std::memcpy(&peticion.importeCasilla, valor, sizeof(double));
    }
  }
  if (dialogo.abrir(peticion) != kDialogoAceptado) return false;
  if (!copia.empty()) {
    cambiado = std::memcmp(copia.data(), enlace, copia.size()) != 0;
    std::memcpy(enlace, copia.data(), copia.size());
  }
  return true;
}

// ---- the "..." button ----

class CBotonDetalle : public CBotonDibujado {
 protected:
  void Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) override {
    RellenarRect(dc, item, ColorWx(sistema.cara));
    DibujarBordeBoton(dc, item, estado.seleccionado ? EBordeBoton::DobleHundido : EBordeBoton::DobleRealzado,
                      sistema);
    SRectBoton area = item.Encoger(2);
    if (estado.seleccionado) area = area.Desplazar(1, 1);
    DibujarTextoBoton(dc, "...", area, ColorWx(sistema.texto), estado.desactivado, sistema);
  }
};

}  // namespace

// ---- the detail window text ----

SVentanaDetalle AnalizarVentanaDetalle(std::string_view textoVentana) {
  SVentanaDetalle ventana;
  const std::size_t primera = textoVentana.find('*');
  ventana.nombre = std::string(textoVentana.substr(0, primera));
  if (primera == std::string_view::npos) return ventana;
  const std::string_view resto = textoVentana.substr(primera + 1);
  const std::size_t segunda = resto.find('*');
  ventana.primerParametro = LeerParametro(resto.substr(0, segunda));
  if (segunda != std::string_view::npos) {
    const std::string_view ultimo = resto.substr(segunda + 1);
    if (!ultimo.empty() && ultimo.back() >= '0' && ultimo.back() <= '9') ventana.segundoParametro = ultimo.back() - '0';
  }
  return ventana;
}

int NumeroDialogoDetalle(std::string_view nombre) {
  const SDialogoTabla* d = BuscarEnTabla(nombre);
  return d != nullptr ? d->numero : -1;
}

bool DialogoDetalleAbre(std::string_view nombre) {
  const SDialogoTabla* d = BuscarEnTabla(nombre);
  return d != nullptr && d->abre;
}

// ---- the button beside the edit ----

struct CDetalleBoton::SEstado {
  wxWindow* boton = nullptr;
  std::function<void()> abrir;
  std::function<void()> alDestruir;

  void Quitar() {
    abrir = nullptr;
    if (boton != nullptr) {
      wxWindow* b = boton;
      boton = nullptr;
      b->Hide();
      // Not at once: the button may be inside its own click.
      if (wxTheApp != nullptr) {
        wxTheApp->ScheduleForDestruction(b);
      } else {
        b->Destroy();
      }
    }
    if (alDestruir) {
      const auto accion = std::move(alDestruir);
      alDestruir = nullptr;
      accion();
    }
  }
};

CDetalleBoton::CDetalleBoton() : m_pEstado(std::make_shared<SEstado>()) {}

CDetalleBoton::~CDetalleBoton() { m_pEstado->Quitar(); }

wxWindow* CDetalleBoton::Boton() const { return m_pEstado->boton; }

void CDetalleBoton::Situar(CEditEx& edit, std::function<void()> abrir, std::function<void()> alDestruir) {
  CVentanaEdit* ventana = edit.DameVentana();
  if (ventana == nullptr || edit.EsSoloLectura() || ventana->GetParent() == nullptr) return;
  m_pEstado->Quitar();
  m_pEstado = std::make_shared<SEstado>();
  m_pEstado->abrir = std::move(abrir);
  m_pEstado->alDestruir = std::move(alDestruir);

  // The edit gives up a square of its height at its right edge.
  const wxRect rect = ventana->GetRect();
  m_nAncho = rect.height;
  ventana->SetSize(rect.width - m_nAncho, rect.height);
  auto* boton = new CBotonDetalle();
  if (!boton->Create(ventana->GetParent(), kIdBotonDetalle, "...",
                     wxPoint(rect.x + rect.width - m_nAncho, rect.y), wxSize(m_nAncho, m_nAncho))) {
    delete boton;
    return;
  }
  m_pEstado->boton = boton;

  const std::shared_ptr<SEstado> estado = m_pEstado;
  const auto abrirSiVivo = [estado] {
    if (estado->abrir) {
      const auto abrirAhora = estado->abrir;
      abrirAhora();
    }
  };
  boton->Bind(wxEVT_BUTTON, [abrirSiVivo](wxCommandEvent&) { abrirSiVivo(); });
  ventana->Bind(wxEVT_LEFT_DCLICK, [abrirSiVivo, ventana, &edit](wxMouseEvent& evento) {
    if (ventana->DameEdit() != &edit) {
      evento.Skip();
      return;
    }
    abrirSiVivo();
  });
  ventana->Bind(wxEVT_DESTROY, [estado, ventana](wxWindowDestroyEvent& evento) {
    evento.Skip();
    if (evento.GetEventObject() == ventana) estado->Quitar();
  });
}

// ---- the amount edit ----

CImporteDetalleEdit::CImporteDetalleEdit(CCampo& campo) : CDoubleEdit(campo) {
  m_sTitulo = campo.TituloVent;
  m_ventana = AnalizarVentanaDetalle(campo.NombreVent);
}

CImporteDetalleEdit::CImporteDetalleEdit(int enteros, int decimales, std::string_view textoVentana)
    : CDoubleEdit(enteros, decimales) {
  m_ventana = AnalizarVentanaDetalle(textoVentana);
  DameCampo()->NombreVent = std::string(textoVentana);
}

void CImporteDetalleEdit::AlCrearVentana() {
  CDoubleEdit::AlCrearVentana();
  m_boton.Situar(*this, [this] { AbrirDetalle(); });
}

int CImporteDetalleEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  // Escape goes on to the owner (the page or dialog closes): it opens nothing.
  if (caracter == kTeclaEscape) return 1;
  // A character that writes something goes on into the dialog; Backspace only opens it.
  return AbrirDetalle(caracter >= 0x20 && caracter != 0x7F ? caracter : 0U);
}

int CImporteDetalleEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla == kTeclaSuprimir) return 1;
  if (tecla == kTeclaArriba || tecla == kTeclaAbajo) return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
  return 0;
}

int CImporteDetalleEdit::FiltrarTeclaControl(int tecla) { return FiltrarTeclaSoloCopia(*this, tecla); }

int CImporteDetalleEdit::AbrirDetalle(unsigned caracter) {
  CCampo* campo = DameCampo();
  const int numero = NumeroDialogoDetalle(m_ventana.nombre);
  if (campo == nullptr || campo->Enlace == nullptr) {
    Mensaje(kMensajeSinDetalle);
    return 1;
  }
  if (numero == -1) {
    Mensaje(kMensajeDialogoDesconocido);
    return 1;
  }
  const std::weak_ptr<bool> vivo = m_pVivo;
  bool aceptado = false;
  const SDialogoDetalle* dialogo = BuscarDialogoDetalle(m_ventana.nombre);
  if (dialogo != nullptr && dialogo->abrir) {
    // A per-person view of a joint declaration: the dialog opens read-only, and the user is told.
    if (DameSujetoActual() != kSujetoUnidadFamiliar && HayConyugeOHijo() == 1) Mensaje(kMensajeMiembroBloqueado);
    if (vivo.expired()) return 2;
    bool cambiado = false;
    aceptado = EjecutarDialogo(*dialogo, *this, m_ventana, m_sTitulo, campo->Enlace, dialogo->tamanoBloque, caracter,
                               cambiado);
    if (vivo.expired()) return 2;
    if (cambiado) MarcarDeclaracionModificada();
  } else if (DialogoDetalleAbre(m_ventana.nombre)) {
    CDlgMensaje(Superficie().Ventana(), nullptr)
        .MostrarMensaje(kMensajeDialogoNoRegistrado, IconoExclamacion, m_ventana.nombre);
    if (vivo.expired()) return 2;
  }
  if (aceptado) {
    PonerModificado(true);
    // The owner recalculates, and may delete this edit meanwhile.
    Notificar(kAvisoValorFijado);
    if (vivo.expired()) return 2;
    // The keyboard may have come back to the box before the block was written: the box shows the new value.
    MostrarValor(0);
  }
  if (CVentanaEdit* ventana = DameVentana()) ventana->SetFocus();
  return 2;
}

CMonedaDetalle::CMonedaDetalle(CCampo& campo) : CImporteDetalleEdit(campo) {
  const int maximo = LongitudMaxima();
  campo.LeerMascara(MonedaEnUso());
  PonerLongitudMaxima(maximo);
}

// ---- the dialog-opening tick box ----

CEditDialogo::CEditDialogo(CCampo& campo) : CCasillaEdit(campo) {
  m_sTitulo = campo.TituloVent;
  m_ventana = AnalizarVentanaDetalle(campo.NombreVent);
}

int CEditDialogo::NumeroDialogo() const {
  return m_ventana.nombre == kNombreAsignacionTributaria ? kDialogoAsignacionTributaria : -1;
}

void CEditDialogo::AlCrearVentana() {
  CCasillaEdit::AlCrearVentana();
  const std::int32_t grupo = Grupo();
  const std::int32_t numero = DameCampo() != nullptr ? DameCampo()->IndNumero : 0;
  const wxWindow* dueno = DameVentanaPadre();
  m_boton.Situar(
      *this, [this] { AbrirDetalle(); }, [grupo, numero, dueno] { QuitarGrupoCasillas(grupo, numero, dueno); });
}

int CEditDialogo::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  if (caracter == kTeclaRetroceso) return 1;
  if (caracter == kTeclaEscape) return 0;
  return AbrirDetalle();
}

int CEditDialogo::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla == kTeclaSuprimir) {
    if (NumeroDialogo() != kDialogoAsignacionTributaria) return 1;
    return CCasillaEdit::ProcesarTecla(tecla, repeticiones, banderas);
  }
  return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
}

int CEditDialogo::FiltrarTeclaControl(int tecla) { return FiltrarTeclaSoloCopia(*this, tecla); }

int CEditDialogo::AbrirDetalle() {
  const CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Enlace == nullptr) {
    MostrarTexto(Superficie().Ventana(), kTextoSinDatoEditar);
    return 1;
  }
  if (NumeroDialogo() == -1) {
    MostrarTexto(Superficie().Ventana(), kTextoDialogoNoRegistrado);
    return 1;
  }
  const std::weak_ptr<bool> vivo = m_pVivo;
  bool aceptado = false;
  if (const SDialogoDetalle* dialogo = BuscarDialogoDetalle(m_ventana.nombre); dialogo != nullptr && dialogo->abrir) {
    // Its dialog reads and writes the declaration itself: no block is copied.
    bool cambiado = false;
    aceptado = EjecutarDialogo(*dialogo, *this, m_ventana, m_sTitulo, nullptr, 0, 0, cambiado);
  } else {
    CDlgMensaje(Superficie().Ventana(), nullptr)
        .MostrarMensaje(kMensajeDialogoNoRegistrado, IconoExclamacion, m_ventana.nombre);
  }
  if (vivo.expired()) return 2;
  if (aceptado) {
    PonerModificado(true);
    Notificar(kAvisoValorFijado);
    if (vivo.expired()) return 2;
  }
  if (CVentanaEdit* ventana = DameVentana()) ventana->SetFocus();
  return 2;
}

// ---- the factory ----

namespace {
template <typename T>
FCreadorEdit CreadorDe() {
  return [](CCampo& campo, CBaseDatos*) -> std::unique_ptr<CEditEx> { return std::make_unique<T>(campo); };
}
}  // namespace

void RegistrarEditsFechaCasillaDetalle(CFabricaEdit& fabrica) {
  fabrica.Registrar(EClaseEdit::FechaEdit, CreadorDe<CFechaEdit>());
  fabrica.Registrar(EClaseEdit::CasillaEdit, CreadorDe<CCasillaEdit>());
  fabrica.Registrar(EClaseEdit::EditDialogo, CreadorDe<CEditDialogo>());
  fabrica.Registrar(EClaseEdit::ImporteDetalleEdit, CreadorDe<CImporteDetalleEdit>());
  fabrica.Registrar(EClaseEdit::MonedaDetalle, CreadorDe<CMonedaDetalle>());
}

}  // namespace marco
