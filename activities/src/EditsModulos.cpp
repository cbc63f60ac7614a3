#include "activities/EditsModulos.h"

#include <wx/panel.h>
#include <wx/stattext.h>
#include <wx/window.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "activities/DlgModulos.h"
#include "activities/DlgProductos.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditExVentana.h"
#include "framework/FabricaEdit.h"
#include "framework/TemplateDlg.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace actividades {

namespace {

// The modules with a number the boxes know.
constexpr std::array<int, 29> kModulosAceptados = {1,  2,  4,  5,  6,  7,  8,  9,  10, 11, 13, 14, 15, 16, 17,
                                                   18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 56, 57};
constexpr int kIdAyudaProducto = 1020;

template <typename T>
T LeerEn(const unsigned char* p) {
  T v{};
  std::memcpy(&v, p, sizeof v);
  return v;
}

double LeerDoble(const unsigned char* registro, std::size_t desp) {
  if (registro == nullptr) return 0.0;
  const double v = LeerEn<double>(registro + desp);
  return std::isfinite(v) ? v : 0.0;
}

int Ejecutar(const FEjecutarDialogo& ejecutor, marco::CTemplateDlg& dialogo) {
  return ejecutor ? ejecutor(dialogo) : dialogo.DoModal();
}

bool MiembroConFamilia() {
  return marco::DameSujetoActual() != marco::kSujetoUnidadFamiliar && marco::HayConyugeOHijo() == 1;
}

}  // namespace

// ---- the business module ----

CModsEmpreEdit::CModsEmpreEdit(marco::CCampo& campo) : CDoubleEdit(campo) {
  const SEnlaceModulo* enlace = Enlace();
  if (enlace == nullptr || enlace->entrada == nullptr) return;
  const SEntradaModulo entrada = LeerEntradaModulo(enlace->entrada);
  m_nModuloLeido = ValidarModulo(entrada.Modulo());
  m_strNombreCorto = std::string(
      plataforma::LeeFijaRecortada(reinterpret_cast<const char*>(entrada.cabecera.data()) + 25, 15));
  m_dCantidad = entrada.cantidad;
  m_nModulo = m_nModuloLeido;
  if (m_nModulo != -1) m_strVentana = campo.NombreVent;
}

int CModsEmpreEdit::ValidarModulo(int modulo) {
  return std::find(kModulosAceptados.begin(), kModulosAceptados.end(), modulo) != kModulosAceptados.end() ? modulo
                                                                                                           : -1;
}

SEnlaceModulo* CModsEmpreEdit::Enlace() const {
  const marco::CCampo* campo = DameCampo();
  return campo != nullptr ? static_cast<SEnlaceModulo*>(campo->Enlace) : nullptr;
}

int CModsEmpreEdit::SoloPorDialogo() const {
  switch (m_nModulo) {
    case 1: case 2: case 15: case 16: case 21: return 0;
    default: return 1;
  }
}

void CModsEmpreEdit::AlCrearVentana() {
  CDoubleEdit::AlCrearVentana();
  if (m_nModulo == -1) return;
  // A read-only box gets no button (CDetalleBoton places none): its dialog never opens.
  m_boton.Situar(*this, [this] { AbrirDialogoModulo(); });
  m_nAnchoBoton = m_boton.Ancho();
}

void CModsEmpreEdit::LimpiarDetalle(bool cantidad) {
  SEnlaceModulo* enlace = Enlace();
  if (enlace == nullptr || enlace->entrada == nullptr) return;
  SEntradaModulo entrada = LeerEntradaModulo(enlace->entrada);
  entrada.detalle.fill(0.0);
  if (cantidad) {
    entrada.cantidad = 0.0;
    entrada.valor168 = 0.0;
  }
  EscribirEntradaModulo(entrada, enlace->entrada);
}

int CModsEmpreEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  if (caracter == marco::kTeclaEscape || m_nModulo == -1) {
    return CDoubleEdit::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  }
  if (SoloPorDialogo() == 0) {
    AbrirDialogoModulo();
    return 1;
  }
  const int r = CDoubleEdit::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  // A quantity typed by hand: the dialog's facts no longer stand behind it.
  if (r != 1) LimpiarDetalle(false);
  return r;
}

int CModsEmpreEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla != marco::kTeclaSuprimir || m_nModulo == -1 || Bloqueado()) {
    return CDoubleEdit::ProcesarTecla(tecla, repeticiones, banderas);
  }
  if (SoloPorDialogo() == 0) {
    // The quantity only the dialog gives goes with its facts.
    LimpiarDetalle(true);
    MarcarDeclaracionModificada();
    MostrarValor(0);
    PonerModificado(false);
    Notificar(marco::kAvisoValorFijado);
    return 2;
  }
  LimpiarDetalle(false);
  return CDoubleEdit::ProcesarTecla(tecla, repeticiones, banderas);
}

int CModsEmpreEdit::AbrirDialogoModulo() {
  if (m_nModulo == -1) return 2;
  SEnlaceModulo* enlace = Enlace();
  if (enlace == nullptr || enlace->entrada == nullptr) {
    Mensaje(marco::kMensajeSinDetalle);
    return 2;
  }
  // What is typed in the box counts before the dialog opens.
  if (EstaModificado() && !Bloqueado()) {
    GuardarValor();
    PonerModificado(false);
  }
  const unsigned char* registro = enlace->registro;
  const std::uint8_t aumento = registro != nullptr ? registro[RegistroModulos::AumentoPlantilla] : 0;
  if (registro != nullptr) m_nClaveActividad = LeerEn<std::int32_t>(registro + RegistroModulos::ClaveActividad);
  std::unique_ptr<CDlgModulo> dialogo = CrearDialogoModulo(m_nModulo, aumento);
  if (!dialogo) {
    m_nModulo = -1;
    return 2;
  }
  dialogo->m_entrada = LeerEntradaModulo(enlace->entrada);
  dialogo->m_entrada.dias = LeerDoble(registro, RegistroModulos::DiasActividad);
  const double maximo = LeerDoble(registro, RegistroModulos::MaximoEmpleados);
  if (auto* asalariados = dynamic_cast<CDlgModuloAsalariados*>(dialogo.get())) {
    asalariados->m_dMaximoEmpleados = maximo;
  } else if (auto* noAsalariados = dynamic_cast<CDlgModuloNoAsalariados*>(dialogo.get())) {
    noAsalariados->m_dParticipacion = LeerDoble(registro, RegistroModulos::Participacion);
    noAsalariados->m_dMaximoEmpleados = maximo;
    for (std::int32_t p = 1; p <= 5; ++p) {
      noAsalariados->m_presentes[static_cast<std::size_t>(p - 1)] = marco::DameSujetoPresente(p) != 0 ? 1 : 0;
    }
  }
  const marco::CCampo* campo = DameCampo();
  dialogo->PrepararDialogo(m_strNombreCorto, campo != nullptr ? campo->Repeticion : 0,
                           marco::DameSujetoActual() & 0xFF, marco::HayConyugeOHijo());
  const std::weak_ptr<bool> vivo = m_pVivo;
  const int resultado = Ejecutar(m_ejecutor, *dialogo);
  if (vivo.expired()) return resultado == marco::kIdAceptar ? 1 : 2;
  if (resultado != marco::kIdAceptar) return 2;
  EscribirEntradaModulo(dialogo->m_entrada, enlace->entrada);
  m_dCantidad = dialogo->m_entrada.cantidad;
  MarcarDeclaracionModificada();
  MostrarValor(0);
  // The quantity is in the declaration as the dialog gave it: leaving the box does not store its shorter text.
  PonerModificado(false);
  Notificar(marco::kAvisoValorFijado);
  return 1;
}

// ---- the agricultural product ----

struct CModsProductoEdit::SAyuda {
  wxWindow* ventana = nullptr;
  wxStaticText* texto = nullptr;

  void Quitar() {
    if (ventana == nullptr) return;
    wxWindow* v = ventana;
    ventana = nullptr;
    texto = nullptr;
    wxWindow* pagina = v->GetParent();
    const wxRect zona = v->GetRect().Inflate(15);
    v->Destroy();
    if (pagina != nullptr) pagina->RefreshRect(zona);
  }
};

CModsProductoEdit::CModsProductoEdit(marco::CCampo& campo)
    : CDoubleEdit(campo), m_pAyuda(std::make_shared<SAyuda>()) {}

CModsProductoEdit::~CModsProductoEdit() { QuitarAyuda(); }

SEnlaceModulo* CModsProductoEdit::Enlace() const {
  const marco::CCampo* campo = DameCampo();
  return campo != nullptr ? static_cast<SEnlaceModulo*>(campo->Enlace) : nullptr;
}

wxWindow* CModsProductoEdit::Ayuda() const { return m_pAyuda->ventana; }

void CModsProductoEdit::QuitarAyuda() { m_pAyuda->Quitar(); }

int CModsProductoEdit::Producto() const {
  const SEnlaceModulo* enlace = Enlace();
  return enlace != nullptr ? enlace->producto : 0;
}

std::int32_t CModsProductoEdit::CodigoActividad() const {
  const SEnlaceModulo* enlace = Enlace();
  if (enlace == nullptr || enlace->registro == nullptr) return 0;
  return LeerEn<std::int32_t>(enlace->registro + RegistroAgrario::CodigoActividad);
}

int CModsProductoEdit::IndiceProducto() const { return actividades::IndiceProducto(Producto(), CodigoActividad()); }

void CModsProductoEdit::MostrarAyudaProducto(int producto) {
  const std::string_view texto = TextoAyudaProducto(producto);
  if (texto.empty() || m_pAyuda->texto == nullptr) return;
  m_pAyuda->texto->SetLabel(marco::TextoFijoWx(texto));
}

void CModsProductoEdit::AlCrearVentana() {
  CDoubleEdit::AlCrearVentana();
  marco::CVentanaEdit* ventana = DameVentana();
  if (ventana == nullptr || EsSoloLectura() || ventana->GetParent() == nullptr) return;
  const std::shared_ptr<SAyuda> ayuda = m_pAyuda;
  m_boton.Situar(*this, [this] { AbrirDialogoProducto(); }, [ayuda] { ayuda->Quitar(); });
  m_nAnchoBoton = m_boton.Ancho();

  // The popup that names the product, below the edit.
  wxWindow* pagina = ventana->GetParent();
  auto* panel = new wxPanel(pagina, kRecursoAyudaProducto, wxDefaultPosition, wxSize(220, 10), wxBORDER_SIMPLE);
  auto* texto = new wxStaticText(panel, kIdAyudaProducto, wxString(), wxPoint(3, 2), wxSize(214, -1));
  panel->SetBackgroundColour(wxColour(255, 255, 225));
  m_pAyuda->ventana = panel;
  m_pAyuda->texto = texto;
  // Gone with the page: nothing is left to destroy afterwards.
  panel->Bind(wxEVT_DESTROY, [ayuda, panel](wxWindowDestroyEvent& evento) {
    evento.Skip();
    if (evento.GetEventObject() == panel && ayuda->ventana == panel) {
      ayuda->ventana = nullptr;
      ayuda->texto = nullptr;
    }
  });
  MostrarAyudaProducto(Producto());
  texto->Wrap(214);
  const wxSize tamano(220, texto->GetBestSize().GetHeight() + 6);
  panel->SetSize(tamano);
  const wxRect edit = ventana->GetRect();
  const int derecha = edit.GetRight() + 1 + m_nAnchoBoton;
  const SPuntoAyuda punto =
      SituarAyudaProducto(edit.GetLeft(), derecha, edit.GetBottom() + 1, tamano.GetWidth(), pagina->GetClientSize().GetWidth());
  panel->Move(punto.x, punto.y);
  panel->Show();
  panel->Raise();
  ventana->SetFocus();
}

void CModsProductoEdit::PasarContexto(marco::CTemplateDlg& dialogo) const {
  const marco::CCampo* campo = DameCampo();
  dialogo.PrepararDialogo("PRODUCTO " + std::to_string(Producto()), campo != nullptr ? campo->Repeticion : 0,
                          marco::DameSujetoActual() & 0xFF, marco::HayConyugeOHijo());
}

int CModsProductoEdit::AbrirDialogoProducto() {
  SEnlaceModulo* enlace = Enlace();
  if (enlace == nullptr || enlace->entrada == nullptr) {
    Mensaje(marco::kMensajeSinDetalle);
    return 1;
  }
  const int producto = enlace->producto;
  const unsigned char clase = enlace->registro != nullptr ? enlace->registro[RegistroAgrario::Clase] : 0;
  std::unique_ptr<CDlgProducto> dialogo = CrearDialogoProducto(producto, clase);
  if (!dialogo) return 1;
  const std::weak_ptr<bool> vivo = m_pVivo;
  // A member's view of a joint declaration: the dialog opens read-only, and the user is told.
  if (MiembroConFamilia()) Mensaje(kMensajeProductoMiembro);
  if (vivo.expired()) return 1;
  const std::size_t bytes = dialogo->Valores() * sizeof(double);
  std::memcpy(dialogo->m_valores.data(), enlace->entrada, bytes);
  dialogo->PonerIndicesFijos(IndiceProducto());
  dialogo->m_nProducto = producto;
  dialogo->m_nCodigoActividad = CodigoActividad();
  PasarContexto(*dialogo);
  const int resultado = Ejecutar(m_ejecutor, *dialogo);
  if (vivo.expired() || resultado != marco::kIdAceptar) return 1;
  std::memcpy(enlace->entrada, dialogo->m_valores.data(), bytes);
  MarcarDeclaracionModificada();
  MostrarValor(0);
  PonerModificado(false);
  Notificar(marco::kAvisoValorFijado);
  return 2;
}

int CModsProductoEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  if (caracter == marco::kTeclaEscape) return 1;
  if (MiembroConFamilia()) return 1;
  return AbrirDialogoProducto();
}

int CModsProductoEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla == marco::kTeclaSuprimir) return ValidarCaracter(static_cast<unsigned>(tecla), repeticiones, banderas, 0);
  return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
}

// ---- the factory ----

void RegistrarEditsModulos(marco::CFabricaEdit& fabrica) {
  fabrica.Registrar(marco::EClaseEdit::ModsEmpreEdit,
                    [](marco::CCampo& campo, marco::CBaseDatos*) -> std::unique_ptr<marco::CEditEx> {
                      return std::make_unique<CModsEmpreEdit>(campo);
                    });
  fabrica.Registrar(marco::EClaseEdit::ModsProductoEdit,
                    [](marco::CCampo& campo, marco::CBaseDatos*) -> std::unique_ptr<marco::CEditEx> {
                      return std::make_unique<CModsProductoEdit>(campo);
                    });
}

}  // namespace actividades
