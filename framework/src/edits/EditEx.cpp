#include "framework/EditEx.h"

#include "framework/ComandosDocumento.h"

#include <wx/app.h>
#include <wx/font.h>
#include <wx/window.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditExVentana.h"
#include "framework/Prog32Doc.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

SServiciosEdit& Servicios() {
  static SServiciosEdit servicios;
  return servicios;
}

bool EsTeclaNavegacion(int tecla) {
  switch (tecla) {
    case kTeclaRePag: case kTeclaAvPag: case kTeclaArriba: case kTeclaAbajo: case kTeclaIzquierda:
    case kTeclaDerecha: case kTeclaF2: case kTeclaF7: case kTeclaF9:
      return true;
    default:
      return false;
  }
}

char MayusculaDe(unsigned caracter) {
  const std::string una(1, static_cast<char>(caracter));
  return plataforma::Mayusculas1252(una).front();
}

}  // namespace

const std::vector<SOpcionMenuEdit>& MenuContextualPagina() {
  static const std::vector<SOpcionMenuEdit> menu{
      {"&Deshacer\tCtrl+Z", kComandoDeshacer},
      {"Cor&tar\tCtrl+X", kComandoCortar},
      {"&Copiar\tCtrl+C", kComandoCopiar},
      {"&Pegar\tCtrl+V", kComandoPegar},
      {"", 0},
      {"&Ir a p\xE1gina... \tCtrl+I", kComandoIrAPagina},
      {"", 0},
      {"P\xE1gina &1", kComandoPrimeraPagina},
      {"&Ultima P\xE1gina", kComandoUltimaPagina},
      {"&Siguiente", kComandoPaginaSiguiente},
      {"&Anterior", kComandoPaginaAnterior},
      {"", 0},
      {"Zoom &acercar", kComandoZoomAcercar},
      {"Zoom a&lejar", kComandoZoomAlejar},
      {"", 0},
      {"&Apartados de la Declaraci\xF3n", kComandoApartados},
      {"", 0},
      {"&Calculadora", kComandoCalculadora},
      {"", 0},
      {"Ay&uda", kComandoAyuda},
      {"", 0},
  };
  return menu;
}

const std::vector<SOpcionMenuEdit>& MenuContextualPersonas() {
  static const std::vector<SOpcionMenuEdit> menu{
      {"&Unidad Familiar\tCtrl+F", kComandoUnidadFamiliar},
      {"&Declarante\tCtrl+D", kComandoDeclarante},
      {"&C\xF3nyuge\tCtrl+Y", kComandoConyuge},
      {"Hijo &1\tCtrl+J", kComandoHijo1},
      {"Hijo &2\tCtrl+K", kComandoHijo2},
  };
  return menu;
}

const SServiciosEdit& ServiciosEdit() { return Servicios(); }
void PonerServiciosEdit(SServiciosEdit servicios) { Servicios() = std::move(servicios); }

// ---- construction ----

CEditEx::CEditEx(CCampo& campo) { Ligar(&campo); }

CEditEx::CEditEx() = default;

CEditEx::CEditEx(int longitudMaxima) {
  m_campoPropio = std::make_unique<CCampo>();
  m_campoPropio->Longitud = longitudMaxima;
  m_campoPropio->StrValidac = "S" + std::to_string(longitudMaxima);
  m_campoPropio->NumeroDeCo = 1;
  m_pCampo = m_campoPropio.get();
  m_nLongitudMaxima = longitudMaxima;
}

CEditEx::~CEditEx() {
  *m_pVivo = false;
  // No focus processing here: the hooks of the derived edits are already gone.
  SoltarVentana();
}

void CEditEx::Ligar(CCampo* campo) {
  m_pCampo = campo;
  if (campo == nullptr) return;
  m_nLongitudMaxima = campo->Longitud;
  if (campo->NumeroDeCo == 0) campo->NumeroDeCo = 1;
}

void CEditEx::PonerCampo(CCampo& campo) {
  if (&campo == m_campoPropio.get()) return;
  Ligar(&campo);
  m_campoPropio.reset();
}

void CEditEx::PonerMarca(std::int32_t marca) {
  if (m_pCampo != nullptr) m_pCampo->Marca = marca;
}

std::int32_t CEditEx::CambiarOpcionCampo(std::int32_t opcion) {
  if (m_pCampo == nullptr) return 0;
  const std::int32_t anterior = m_pCampo->Opcion;
  m_pCampo->Opcion = opcion;
  return anterior;
}

// ---- the window ----

int CEditEx::CrearEnVista(wxWindow* padre, int dx, int dy, const wxFont* fuente) {
  if (m_pCampo == nullptr) return 0;
  m_bEnDialogo = false;
  // The box rectangle, shrunk so that the frame drawn around the box stays visible.
  const int izquierda = m_pCampo->Coor_1 - dx + 2 + 2;
  const int arriba = m_pCampo->Coor_2 - dy + 2;
  const int derecha = m_pCampo->Coor_3 - dx - 2;
  const int abajo = m_pCampo->Coor_4 - dy - 2;
  return Crear(padre, m_pCampo->IndNumero, izquierda, arriba, derecha - izquierda, abajo - arriba, fuente);
}

int CEditEx::CrearEnDialogo(wxWindow* padre, int idControl, int x, int y, int ancho, int alto,
                            const wxFont* fuente) {
  m_bEnDialogo = true;
  return Crear(padre, idControl, x, y, ancho, alto, fuente);
}

int CEditEx::Crear(wxWindow* padre, int id, int x, int y, int ancho, int alto, const wxFont* fuente) {
  SoltarVentana();
  if (padre == nullptr) return 0;
  auto* ventana = new CVentanaEdit(*this);
  if (!ventana->Crear(padre, id, wxPoint(x, y), wxSize(std::max(ancho, 1), std::max(alto, 1)), DameEstilo())) {
    delete ventana;
    return 0;
  }
  m_nIdControl = id;
  const std::string texto = m_memoria.Texto();
  int inicio = 0;
  int fin = 0;
  m_memoria.Seleccion(inicio, fin);
  m_pVentana = ventana;
  m_pSuperficie = ventana;
  ventana->PonerDueno(m_pDueno);
  ventana->PonerTexto(texto);
  ventana->PonerSeleccion(inicio, fin);
  ventana->AplicarSoloLectura(m_bSoloLectura);
  if (fuente != nullptr && fuente->IsOk()) ventana->SetFont(*fuente);
  AlCrearVentana();
  ventana->PonerMargenes();
  return 1;
}

void CEditEx::DestruirVentana() {
  if (m_pVentana == nullptr) return;
  // A focused window loses its focus as it goes: the text is checked and stored first.
  if (wxWindow::FindFocus() == m_pVentana) {
    const std::weak_ptr<bool> vivo = m_pVivo;
    AlPerderFoco();
    if (vivo.expired()) return;
  }
  SoltarVentana();
}

void CEditEx::SoltarVentana() {
  if (m_pVentana == nullptr) return;
  CVentanaEdit* ventana = m_pVentana;
  // The control without a window takes over what the window showed.
  m_memoria.PonerTexto(ventana->Texto());
  int inicio = 0;
  int fin = 0;
  ventana->Seleccion(inicio, fin);
  m_memoria.PonerSeleccion(inicio, fin);
  m_pVentana = nullptr;
  m_pSuperficie = &m_memoria;
  ventana->Desligar();
  ventana->Hide();
  // Destroyed when the events in progress are over: the window may be in one of its own handlers.
  if (wxTheApp != nullptr) {
    wxTheApp->ScheduleForDestruction(ventana);
  } else {
    ventana->Destroy();
  }
}

void CEditEx::AlDestruirVentana() {
  m_pVentana = nullptr;
  m_pSuperficie = &m_memoria;
}

wxWindow* CEditEx::DameVentanaPadre() const { return m_pVentana != nullptr ? m_pVentana->GetParent() : nullptr; }

void CEditEx::PonerDueno(wxWindow* dueno) {
  m_pDueno = dueno;
  if (m_pVentana != nullptr) m_pVentana->PonerDueno(dueno);
}

int CEditEx::IdControl() const {
  if (m_nIdControl != 0) return m_nIdControl;
  return m_pCampo != nullptr ? m_pCampo->IndNumero : 0;
}

// ---- state ----

std::string CEditEx::Texto() const { return Superficie().Texto(); }

void CEditEx::PonerTexto(std::string_view texto) {
  const std::string antes = Superficie().Texto();
  Superficie().PonerTexto(texto);
  m_deshacer.reset();
  NotificarCambio(antes);
}

int CEditEx::LongitudTexto() const {
  // Line breaks are not part of any line.
  const std::string texto = Texto();
  return static_cast<int>(std::count_if(texto.begin(), texto.end(), [](char c) { return c != '\r' && c != '\n'; }));
}

void CEditEx::PonerSoloLectura(bool soloLectura) {
  m_bSoloLectura = soloLectura;
  m_memoria.AplicarSoloLectura(soloLectura);
  if (m_pVentana != nullptr) m_pVentana->AplicarSoloLectura(soloLectura);
}

bool CEditEx::Bloqueado() {
  return DameSujetoActual() != kSujetoUnidadFamiliar && HayConyugeOHijo() == 1 && DameMarca() == 0;
}

bool CEditEx::HaySeleccion() const {
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  return fin > inicio;
}

int CEditEx::LineaDelCaret() const {
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  int linea = 0;
  const int lineas = Superficie().NumeroLineas();
  for (int i = 1; i < lineas; ++i) {
    if (Superficie().InicioLinea(i) <= fin) linea = i;
  }
  return linea;
}

int CEditEx::SujetoActual() { return static_cast<int>(DameSujetoActual()); }

void CEditEx::MarcarDeclaracionModificada() {
  if (CProg32Doc* documento = DameDocumentoActivo()) documento->Modify(true);
}

int CEditEx::Mensaje(std::string_view codigo) {
  return CDlgMensaje(Superficie().Ventana(), nullptr).MostrarMensaje(codigo, IconoExclamacion);
}

// ---- text changes ----

void CEditEx::NotificarCambio(const std::string& antes) {
  m_textoConocido = Superficie().Texto();
  if (m_textoConocido == antes) return;
  // The control's own notifications: about to be shown, then changed.
  Notificar(kAvisoTextoCambiara);
  Notificar(kAvisoTextoCambiado);
}

void CEditEx::GuardarDeshacer() {
  SEstadoTexto estado;
  estado.texto = Superficie().Texto();
  Superficie().Seleccion(estado.inicio, estado.fin);
  m_deshacer = std::move(estado);
}

void CEditEx::CambiarTexto(std::string_view texto, int inicio, int fin) {
  GuardarDeshacer();
  const std::string antes = Superficie().Texto();
  Superficie().PonerTexto(texto);
  Superficie().PonerSeleccion(inicio, fin);
  NotificarCambio(antes);
}

bool CEditEx::ReemplazarSeleccion(std::string_view texto) {
  if (m_bSoloLectura) return false;
  const std::string actual = Superficie().Texto();
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  const auto largo = static_cast<int>(actual.size());
  inicio = std::clamp(inicio, 0, largo);
  fin = std::clamp(fin, inicio, largo);
  std::string_view insertado = texto;
  if (m_nLongitudMaxima > 0) {
    const int sitio = std::max(0, m_nLongitudMaxima - (largo - (fin - inicio)));
    if (static_cast<int>(insertado.size()) > sitio) insertado = insertado.substr(0, static_cast<std::size_t>(sitio));
    if (insertado.empty() && !texto.empty()) return false;
  }
  GuardarDeshacer();
  std::string nuevo = actual.substr(0, static_cast<std::size_t>(inicio));
  nuevo += insertado;
  nuevo += actual.substr(static_cast<std::size_t>(fin));
  const int caret = inicio + static_cast<int>(insertado.size());
  CambiarTexto(nuevo, caret, caret);
  return true;
}

void CEditEx::InsertarCaracter(unsigned caracter) {
  if (caracter == kTeclaRetroceso) {
    BorrarAtras();
    return;
  }
  // Other control characters insert nothing.
  if (caracter < 0x20) return;
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  // Overwrite mode replaces the character after the caret (a sign is always inserted).
  if (caracter != '-' && m_bSobrescribir && inicio == fin && fin < static_cast<int>(Superficie().Texto().size())) {
    Superficie().PonerSeleccion(inicio, inicio + 1);
  }
  const char c = (DameEstilo() & kEstiloMayusculas) != 0 ? MayusculaDe(caracter) : static_cast<char>(caracter);
  if (!ReemplazarSeleccion(std::string_view(&c, 1))) {
    Superficie().PonerSeleccion(inicio, fin);
    Pitar();
    return;
  }
  // A multi-line text box breaks where the control wrapped a text without blanks, so that the break stays.
  if (m_pCampo != nullptr && m_pCampo->Decimales == 1 && m_pCampo->Letra() == 'S') {
    const std::string texto = Superficie().Texto();
    if (Superficie().NumeroLineas() >= 2 && texto.find(' ') == std::string::npos &&
        texto.find('\n') == std::string::npos) {
      const int posicion = Superficie().InicioLinea(1);
      if (posicion > 0 && posicion < static_cast<int>(texto.size())) {
        int selInicio = 0;
        int selFin = 0;
        Superficie().Seleccion(selInicio, selFin);
        std::string partido = texto;
        partido.insert(static_cast<std::size_t>(posicion), 1, ' ');
        if (selInicio >= posicion) ++selInicio;
        if (selFin >= posicion) ++selFin;
        CambiarTexto(partido, selInicio, selFin);
        Superficie().AsegurarCaretVisible();
      }
    }
  }
}

void CEditEx::BorrarAtras() {
  if (m_bSoloLectura) return;
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  if (inicio == fin) {
    if (inicio == 0) return;
    Superficie().PonerSeleccion(inicio - 1, fin);
  }
  ReemplazarSeleccion({});
}

void CEditEx::BorrarAdelante() {
  if (m_bSoloLectura) return;
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  if (inicio == fin) {
    if (fin >= static_cast<int>(Superficie().Texto().size())) return;
    Superficie().PonerSeleccion(inicio, fin + 1);
  }
  ReemplazarSeleccion({});
}

// ---- editing operations ----

void CEditEx::Copiar() {
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  if (fin <= inicio) return;
  Superficie().PonerPortapapeles(Superficie().Texto().substr(static_cast<std::size_t>(inicio),
                                                             static_cast<std::size_t>(fin - inicio)));
}

void CEditEx::Cortar() {
  if (m_bSoloLectura || !HaySeleccion()) return;
  const std::string antes = Texto();
  Copiar();
  ReemplazarSeleccion({});
  RevisarTrasPortapapeles(antes);
}

void CEditEx::PegarPortapapeles() {
  if (m_bSoloLectura) return;
  std::string texto = Superficie().Portapapeles();
  if (texto.empty()) return;
  if ((DameEstilo() & kEstiloMayusculas) != 0) texto = plataforma::Mayusculas1252(texto);
  ReemplazarSeleccion(texto);
}

void CEditEx::Deshacer() {
  if (!m_deshacer) return;
  // One step, as the controls keep it: undoing twice brings the change back.
  SEstadoTexto anterior = std::move(*m_deshacer);
  GuardarDeshacer();
  CambiarTexto(anterior.texto, anterior.inicio, anterior.fin);
}

void CEditEx::RevisarTrasPortapapeles(const std::string& antes) {
  const std::string ahora = Superficie().Texto();
  if (ahora == antes || TextoAdmisible(ahora) != 0) return;
  // The text goes back to what it was before the clipboard key; the clipboard keeps what it held.
  Deshacer();
  m_deshacer.reset();
  Pitar();
}

void CEditEx::Calculadora() {
  const SServiciosEdit& servicios = ServiciosEdit();
  if (!servicios.calculadora) {
    Pitar();
    return;
  }
  const std::weak_ptr<bool> vivo = m_pVivo;
  // A box of another kind (text, a detail box whose value its dialog makes) gets no figure: the calculator is
  // alone for it.
  const std::optional<std::string> resultado = servicios.calculadora(Superficie().Ventana(), EsNumerico() != 0);
  if (vivo.expired() || !resultado) return;
  AplicarResultadoCalculadora(*resultado);
}

int CEditEx::AplicarResultadoCalculadora(std::string_view resultado) {
  std::string texto(plataforma::Recorta(resultado));
  std::replace(texto.begin(), texto.end(), ',', '.');
  double valor = 0.0;
  std::string formateado;
  if (plataforma::LeeDouble(texto, valor) && std::isfinite(valor)) {
    formateado = plataforma::FormateaFijo(valor, 2);
    std::replace(formateado.begin(), formateado.end(), '.', ',');
  }
  if (formateado.empty() || formateado.size() > kMaxResultadoCalculadora ||
      !TextoDeCalculadora(plataforma::RedondeaDecimales(valor, 2), formateado)) {
    Mensaje(kMensajeCalculadoraLargo);
    return 0;
  }
  // Marked modified before it is stored, so that the declaration counts as changed at once; unconfirmed, as typed
  // text is, so that leaving the box runs its own check on the figure.
  m_bModificado = 1;
  PonerTexto(formateado);
  GuardarValor();
  MostrarValor(0);
  m_bModificado = 1;
  m_bConfirmado = 0;
  return 1;
}

bool CEditEx::TextoDeCalculadora(double valor, std::string& texto) {
  if (m_bSoloLectura) return false;
  const auto cabe = [this](const std::string& t) {
    return static_cast<int>(t.size()) <= m_nLongitudMaxima && TextoAdmisible(t) != 0;
  };
  if (cabe(texto)) return true;
  // A whole figure as its digits, for a box of digits only (a code).
  if (valor != std::trunc(valor)) return false;
  std::string entero = plataforma::FormateaFijo(valor, 0);
  if (!cabe(entero)) return false;
  texto = std::move(entero);
  return true;
}

void CEditEx::IntercambiarDatos(int guardar) {
  if (guardar != 0) {
    GuardarValor();
    if (m_pCampo != nullptr) m_pCampo->ActualizarTexto();
  } else {
    MostrarValor(1);
  }
}

void CEditEx::MostrarAyuda() {
  const SServiciosEdit& servicios = ServiciosEdit();
  if (servicios.ayuda) servicios.ayuda(m_pCampo != nullptr ? m_pCampo->NumeroDeCo : 1);
}

// ---- events ----

void CEditEx::AlCaracter(unsigned caracter, int repeticiones, unsigned banderas) {
  if (caracter == kTeclaTabulador || caracter == kTeclaIntro) {
    const std::string texto = Texto();
    const std::weak_ptr<bool> vivo = m_pVivo;
    Notificar(kAvisoTabulador);
    if (vivo.expired()) return;
    const int r = ValidarAlSalir(&texto);
    if (r == 1) {
      MostrarAviso();
      return;
    }
    m_bConfirmado = 1;
    // The parent moves the focus (and may delete this edit): nothing is touched afterwards.
    if (r == 0) Superficie().ReenviarCaracter(EDestinoTecla::Padre, caracter, repeticiones, banderas);
    return;
  }
  if (caracter == kTeclaEscape) {
    ValidarCaracter(caracter, repeticiones, banderas, 1);
    Superficie().ReenviarCaracter(EDestinoTecla::Dueno, caracter, repeticiones, banderas);
    return;
  }
  if (Bloqueado()) {
    Pitar();
    Mensaje(kMensajeMiembroBloqueado);
    return;
  }
  const int r = ValidarCaracter(caracter, repeticiones, banderas, 1);
  if (r == 0) {
    m_bConfirmado = 0;
    if (!m_bSoloLectura) {
      InsertarCaracter(caracter);
      m_bModificado = 1;
    }
  } else if (r == 1) {
    Pitar();
  }
}

bool CEditEx::AntesDeTraducir(int tecla) {
  if (tecla == kTeclaF1) {
    MostrarAyuda();
    return true;
  }
  return FiltrarTeclaControl(tecla) != 0;
}

bool CEditEx::AlPulsarTecla(int tecla, int repeticiones, unsigned banderas) {
  const bool navegacion = EsTeclaNavegacion(tecla);
  if (!navegacion && tecla != kTeclaSuprimir && tecla != kTeclaF5 && tecla != kTeclaF1) {
    if (tecla == kTeclaInsertar && !TeclaPulsada(kTeclaControl) && !TeclaPulsada(kTeclaMayusculas)) {
      m_bSobrescribir = !m_bSobrescribir;
    }
    return true;
  }
  const bool bloqueado = !navegacion && Bloqueado();
  m_bPorDefecto = false;
  int r = ProcesarTecla(tecla, repeticiones, banderas);

  if (tecla == kTeclaSuprimir) {
    if (r == 1) {
      Pitar();
      return false;
    }
    if (bloqueado) {
      if (!m_bEnDialogo) {
        // A locked box on a page keeps its text, whatever its number of lines.
        Pitar();
        Mensaje(kMensajeMiembroBloqueado);
        return false;
      }
      BorrarAdelante();
      m_bModificado = 1;
      r = 2;
    } else {
      m_bModificado = 1;
    }
  }
  if (tecla == kTeclaF1) {
    MostrarAyuda();
    return false;
  }
  if (tecla == kTeclaF5) {
    if (bloqueado) {
      Pitar();
    } else {
      Calculadora();
    }
    return false;
  }
  if (r == 1) {
    Pitar();
    return false;
  }
  if (r == 2) return m_bPorDefecto;

  const bool lateral = tecla == kTeclaIzquierda || tecla == kTeclaDerecha;
  const bool reenviar =
      navegacion && (!lateral || (TeclaPulsada(kTeclaControl) && TeclaPulsada(kTeclaMayusculas)));
  if (reenviar) {
    if ((tecla == kTeclaArriba || tecla == kTeclaAbajo) && m_bConfirmado == 0) {
      const int v = ValidarAlSalir(nullptr);
      if (v == 1) {
        MostrarAviso();
        return false;
      }
      m_bConfirmado = 1;
      if (v == 2) return false;
    }
    Superficie().ReenviarTecla(tecla, repeticiones, banderas);
    return false;
  }
  // Any other key: the control's own processing, which leaves the modified flag as it is now.
  const int modificado = m_bModificado;
  if (tecla == kTeclaSuprimir) {
    BorrarAdelante();
    m_bModificado = modificado;
    return false;
  }
  return true;
}

void CEditEx::AlPulsarTeclaSistema(int tecla, int repeticiones, unsigned banderas) {
  if (tecla == kTeclaAbajo) ValidarCaracter(static_cast<unsigned>(tecla), repeticiones, banderas, 1);
}

void CEditEx::AlGanarFoco() {
  const std::weak_ptr<bool> vivo = m_pVivo;
  Notificar(kAvisoFocoGanado);
  if (vivo.expired()) return;
  MostrarValor(0);
}

void CEditEx::AlPerderFoco() {
  std::string texto = Texto();
  bool saltos = false;
  for (char& c : texto) {
    if (c == '\r' || c == '\n') {
      c = ' ';
      saltos = true;
    }
  }
  if (saltos) {
    int inicio = 0;
    int fin = 0;
    Superficie().Seleccion(inicio, fin);
    CambiarTexto(texto, inicio, fin);
    m_bModificado = 1;
  }
  if (m_bConfirmado == 0) {
    const int r = ValidarAlSalir(&texto);
    if (r == 1) {
      Pitar();
      return;
    }
    m_bConfirmado = 1;
  }
  if (m_bModificado != 0) GuardarValor();
  MostrarValor(1);
  Notificar(kAvisoFocoPerdido);
}

void CEditEx::AlCambiarTextoFuera() {
  const std::string ahora = Superficie().Texto();
  if (ahora == m_textoConocido) return;
  if (m_bSoloLectura || TextoAdmisible(ahora) == 0) {
    int inicio = 0;
    int fin = 0;
    Superficie().Seleccion(inicio, fin);
    Superficie().PonerTexto(m_textoConocido);
    Superficie().PonerSeleccion(inicio, fin);
    Pitar();
    return;
  }
  SEstadoTexto estado;
  estado.texto = m_textoConocido;
  m_deshacer = std::move(estado);
  m_bModificado = 1;
  m_bConfirmado = 0;
  const std::string antes = m_textoConocido;
  NotificarCambio(antes);
}

// ---- virtual operations: the base ----

int CEditEx::AsignarDato(void* dato) {
  if (m_pCampo == nullptr) return 0;
  m_pCampo->Dato = dato;
  if (m_pVentana != nullptr) m_pVentana->PonerMargenes();
  return m_pCampo->Longitud;
}

void CEditEx::MostrarAviso() { Mensaje(kMensajeValorNoValido); }

unsigned CEditEx::DameEstilo() {
  unsigned estilo = kEstiloMayusculas | kEstiloQuiereRetorno;
  if (m_pCampo == nullptr) return estilo | kEstiloDesplazamientoH;
  const char letra = m_pCampo->Letra();
  if (m_pCampo->Decimales == 1 && letra == 'S') return estilo | kEstiloMultilinea;
  if (letra == 'A' || letra == 'S') return estilo | kEstiloMultilinea | kEstiloDesplazamientoH;
  return estilo | kEstiloDesplazamientoH;
}

void CEditEx::Pegar() {
  const std::string antes = Texto();
  PegarPortapapeles();
  RevisarTrasPortapapeles(antes);
}

void CEditEx::AsignarEnlaceDetalle(void* enlace) {
  if (m_pCampo != nullptr) m_pCampo->Enlace = enlace;
}

int CEditEx::ValidarCaracter(unsigned, int, unsigned, int) { return 0; }

int CEditEx::ProcesarTecla(int tecla, int, unsigned) {
  if (EsMultilinea()) {
    const int linea = LineaDelCaret();
    const int lineas = Superficie().NumeroLineas();
    if ((tecla == kTeclaArriba && linea > 0) || (tecla == kTeclaAbajo && linea < lineas - 1)) {
      // The caret moves between the lines instead of leaving the box.
      PedirProcesoPorDefecto();
      return 2;
    }
  } else if (tecla == kTeclaSuprimir && Bloqueado()) {
    Pitar();
    Mensaje(kMensajeMiembroBloqueado);
    return 1;
  }
  return 0;
}

int CEditEx::ValidarAlSalir(const std::string*) { return 0; }

int CEditEx::GuardarValor() {
  if (m_pCampo == nullptr || m_pCampo->Dato == nullptr) return 0;
  const int n = m_pCampo->Longitud;
  if (n <= 0 || m_bSoloLectura) return 1;
  const int m = m_pCampo->Repeticion;
  const int c = SujetoActual();
  // A person beyond the box's entries has no value here: nothing is written (never over the first person's).
  if (m > 1 && c > m) return 0;
  std::size_t desplazamiento = 0;
  if (m > 1) desplazamiento = static_cast<std::size_t>(std::max(c - 1, 0)) * static_cast<std::size_t>(n);
  const std::string texto = Texto();
  const std::string_view hastaNulo(texto.c_str());
  plataforma::CopiaFija(static_cast<char*>(m_pCampo->Dato) + desplazamiento, static_cast<std::size_t>(n), hastaNulo);
  return 1;
}

void CEditEx::MostrarValor(int) {
  if (m_pCampo == nullptr || m_pCampo->Dato == nullptr) return;
  const int modificado = m_bModificado;
  m_pCampo->ActualizarTexto();
  PonerTexto(m_pCampo->Texto);
  m_bModificado = modificado;
}

int CEditEx::FiltrarTeclaControl(int tecla) {
  if (tecla >= 'a' && tecla <= 'z') tecla -= 'a' - 'A';
  const bool control = TeclaPulsada(kTeclaControl);
  const bool mayusculas = TeclaPulsada(kTeclaMayusculas);
  const std::string antes = Texto();
  const auto pegar = [&] {
    if (m_bSoloLectura) {
      Pitar();
      return;
    }
    PegarPortapapeles();
    m_bModificado = 1;
    RevisarTrasPortapapeles(antes);
  };
  const auto cortar = [&] {
    Cortar();
    m_bModificado = 1;
  };
  switch (tecla) {
    case kTeclaInsertar:
      if (control) {
        Copiar();
        return 1;
      }
      if (mayusculas) {
        pegar();
        return 1;
      }
      return 0;
    case kTeclaSuprimir:
      if (!mayusculas) return 0;
      cortar();
      return 1;
    case 'C':
      if (!control) return 0;
      Copiar();
      return 1;
    case 'V':
      if (!control) return 0;
      pegar();
      return 1;
    case 'X':
      if (!control) return 0;
      cortar();
      return 1;
    case 'Z':
      if (!control || !PuedeDeshacer()) return 0;
      Deshacer();
      RevisarTrasPortapapeles(antes);
      return 1;
    default:
      return 0;
  }
}

std::int32_t CEditEx::DameMarca() { return m_pCampo != nullptr ? m_pCampo->Marca : 0; }

int CEditEx::TextoAdmisible(std::string_view) { return 1; }

}  // namespace marco
