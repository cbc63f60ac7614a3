#include "framework/DialogoBase.h"

#include <cmath>
#include <utility>

#include "framework/Campo.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {

CDialogoBase::CDialogoBase(int idRecurso) : m_nIdRecurso(idRecurso) {}

CDialogoBase::~CDialogoBase() = default;

SEntornoDialogo CDialogoBase::Entorno() const { return m_entorno ? *m_entorno : EntornoDialogoActual(); }

// ---- bindings ----

void CDialogoBase::Enlazar(int id, SEnlaceControl enlace) { m_enlaces[id] = SEnlaceVivo{std::move(enlace), {}}; }

void CDialogoBase::EnlazarTexto(int id, char* campo, std::size_t n) {
  SEnlaceControl enlace;
  enlace.mostrar = [campo, n] { return std::string(plataforma::RecortaDerecha(plataforma::LeeFija(campo, n))); };
  enlace.guardar = [campo, n](std::string_view texto) {
    plataforma::CopiaFija(campo, n, texto);
    return true;
  };
  Enlazar(id, std::move(enlace));
}

void CDialogoBase::EnlazarImporte(int id, double* valor, int decimales, bool mostrarCero) {
  SEnlaceControl enlace;
  enlace.mostrar = [valor, decimales, mostrarCero] { return TextoImporteDialogo(*valor, decimales, mostrarCero); };
  enlace.guardar = [valor](std::string_view texto) {
    double leido = 0.0;
    if (!LeerImporteDialogo(texto, leido)) return false;
    *valor = leido;
    return true;
  };
  Enlazar(id, std::move(enlace));
}

void CDialogoBase::QuitarEnlace(int id) { m_enlaces.erase(id); }

void CDialogoBase::MostrarEnlace(int id) {
  const auto it = m_enlaces.find(id);
  if (it == m_enlaces.end() || m_pVentana == nullptr || !m_pVentana->Existe(id)) return;
  it->second.mostrado = it->second.enlace.mostrar ? it->second.enlace.mostrar() : std::string();
  m_pVentana->PonerTexto(id, it->second.mostrado);
}

bool DesbordaEnlace(std::string_view texto, double maximo) {
  if (maximo <= 0.0) return false;
  double valor = 0.0;
  if (!LeerImporteDialogo(texto, valor)) return false;
  return !std::isfinite(valor) || std::trunc(std::fabs(valor)) > maximo;
}

bool CDialogoBase::GuardarTexto(const SEnlaceVivo& vivo, std::string_view texto) {
  if (!vivo.enlace.guardar) return false;
  if (DesbordaEnlace(texto, vivo.enlace.maximo)) {
    MostrarAvisoDesborde();
    return false;
  }
  return vivo.enlace.guardar(texto);
}

bool CDialogoBase::GuardarEnlace(int id) {
  const auto it = m_enlaces.find(id);
  if (it == m_enlaces.end() || m_pVentana == nullptr || !m_pVentana->Existe(id) || !it->second.enlace.guardar) {
    return false;
  }
  const bool guardado = GuardarTexto(it->second, m_pVentana->Texto(id));
  MostrarEnlace(id);
  return guardado;
}

void CDialogoBase::ActualizarDatos(int direccion) {
  if (m_pVentana == nullptr) return;
  if (direccion == 1) {
    for (auto& [id, vivo] : m_enlaces) {
      if (!m_pVentana->Existe(id) || m_pVentana->SoloLectura(id) || !vivo.enlace.guardar) continue;
      if (!GuardarTexto(vivo, m_pVentana->Texto(id))) MostrarEnlace(id);
    }
    m_pVentana->IntercambiarDatosHijos(1);
  } else {
    m_pVentana->IntercambiarDatosHijos(0);
    for (auto& entrada : m_enlaces) MostrarEnlace(entrada.first);
  }
}

void ActualizarDatosHijos(CDialogoBase& dialogo, int direccion) { dialogo.ActualizarDatos(direccion); }

// ---- events ----

int CDialogoBase::Notificar(int id, int codigo) {
  if (codigo == kAvisoFocoPerdido && m_pVentana != nullptr) {
    const auto it = m_enlaces.find(id);
    if (it != m_enlaces.end() && m_pVentana->Existe(id) && !m_pVentana->SoloLectura(id)) {
      const std::string texto = m_pVentana->Texto(id);
      if (texto != it->second.mostrado && it->second.enlace.guardar) {
        GuardarTexto(it->second, texto);
        // Shown again in its display form (or the old value, when the text was not one).
        MostrarEnlace(id);
      }
    }
  }
  return DespacharEvento(codigo, id);
}

int CDialogoBase::Despachar(int codigo, int id) {
  switch (codigo) {
    case kAvisoFocoPerdido: return AlSalirDeCampo(id);
    case kAvisoCampoBorrado: return AlBorrarCampo(id);
    case kAvisoFocoGanado: return AlEntrarEnCampo(id);
    case kAvisoTextoCambiado: return AlCambiarTexto(id);
    case kAvisoValorFijado: return AlConfirmarCampo(id);
    case kAvisoValorCambiado: return AlCambiarValor(id);
    default: break;
  }
  return 0;
}

int CDialogoBase::Pulsar(int id) {
  if (id == kIdAceptar) {
    OnOK();
    return 1;
  }
  if (id == kIdCancelar) {
    OnCancel();
    return 1;
  }
  return AlComando(id, 0);
}

int CDialogoBase::OnChar(int caracter) {
  switch (caracter) {
    case kCaracterTab: return Tabular(false);
    case kCaracterIntro:
      if (m_pVentana != nullptr) {
        AntesDeAvanzar();
        if (m_pVentana != nullptr) m_pVentana->MoverFoco(false);
      }
      return 1;
    case kCaracterEscape:
      OnCancel();
      if (m_pVentana != nullptr) m_pVentana->PedirCierre();
      return 1;
    default: return 0;
  }
}

int CDialogoBase::OnKeyDown(int tecla) {
  switch (tecla) {
    case kTeclaArriba:
      if (m_pVentana != nullptr) m_pVentana->MoverFoco(true);
      return 1;
    case kTeclaAbajo:
      if (m_pVentana != nullptr) {
        AntesDeAvanzar();
        if (m_pVentana != nullptr) m_pVentana->MoverFoco(false);
      }
      return 1;
    case kTeclaTabulador: return Tabular(false);
    default: return 0;
  }
}

int CDialogoBase::Tabular(bool atras) {
  if (m_pVentana == nullptr) return 1;
  if (!atras) AntesDeAvanzar();
  if (m_pVentana != nullptr) m_pVentana->MoverFoco(atras);
  return 1;
}

void CDialogoBase::AntesDeAvanzar() {}

int CDialogoBase::ValidarCaracterCampo(int id, unsigned caracter) {
  const SControlDialogo* control = m_plantilla.Control(id);
  if (control == nullptr || (control->opciones & kEdicionImporte) == 0) return 0;
  const bool admitido = (caracter >= '0' && caracter <= '9') || caracter == ',' || caracter == '.' ||
                        caracter == '-' || caracter == '+' || caracter == kTeclaRetroceso;
  return admitido ? 0 : 1;
}

int CDialogoBase::AlSalirDeCampo(int) { return 0; }
int CDialogoBase::AlBorrarCampo(int) { return 0; }
int CDialogoBase::AlEntrarEnCampo(int) { return 0; }
int CDialogoBase::AlCambiarTexto(int) { return 0; }
int CDialogoBase::AlConfirmarCampo(int) { return 0; }
int CDialogoBase::AlCambiarValor(int) { return 0; }

void CDialogoBase::DoDataExchange(int) {}
int CDialogoBase::AlComando(int, int) { return 0; }

void CDialogoBase::OnOK() {
  DoDataExchange(1);
  Terminar(kIdAceptar);
}

void CDialogoBase::OnCancel() { Terminar(kIdCancelar); }

void CDialogoBase::Terminar(int resultado) {
  m_nResultado = resultado;
  if (m_pVentana != nullptr) m_pVentana->Terminar(resultado);
}

// ---- helpers ----

std::string CDialogoBase::TextoControl(int id) const {
  if (m_pVentana == nullptr || !m_pVentana->Existe(id)) return {};
  return m_pVentana->Texto(id);
}

void CDialogoBase::PonerTextoControl(int id, std::string_view texto) {
  if (m_pVentana != nullptr && m_pVentana->Existe(id)) m_pVentana->PonerTexto(id, texto);
}

void CDialogoBase::HabilitarControl(int id, bool habilitar) {
  if (m_pVentana == nullptr || !m_pVentana->Existe(id)) return;
  m_pVentana->Habilitar(id, habilitar);
}

bool CDialogoBase::ControlMarcado(int id) const {
  return m_pVentana != nullptr && m_pVentana->Existe(id) && m_pVentana->Marcado(id);
}

void CDialogoBase::MarcarControl(int id, bool marcado) {
  if (m_pVentana != nullptr && m_pVentana->Existe(id)) m_pVentana->Marcar(id, marcado);
}

int CDialogoBase::IndiceOpcion(std::span<const int> ids) const {
  for (std::size_t i = 0; i < ids.size(); ++i) {
    if (ControlMarcado(ids[i])) return static_cast<int>(i);
  }
  return -1;
}

void CDialogoBase::PonerIndiceOpcion(std::span<const int> ids, int indice) {
  for (std::size_t i = 0; i < ids.size(); ++i) MarcarControl(ids[i], static_cast<int>(i) == indice);
}

void CDialogoBase::RellenarLista(int id, const std::vector<std::string>& elementos) {
  if (m_pVentana != nullptr && m_pVentana->Existe(id)) m_pVentana->PonerElementos(id, elementos);
}

int CDialogoBase::SeleccionLista(int id) const {
  return m_pVentana != nullptr && m_pVentana->Existe(id) ? m_pVentana->Seleccion(id) : -1;
}

void CDialogoBase::PonerSeleccionLista(int id, int fila) {
  if (m_pVentana != nullptr && m_pVentana->Existe(id)) m_pVentana->PonerSeleccion(id, fila);
}

void CDialogoBase::PonerFoco(int id) {
  if (m_pVentana != nullptr && m_pVentana->Existe(id)) m_pVentana->PonerFoco(id);
}

void CDialogoBase::CursorAlFinal(int id) {
  if (m_pVentana != nullptr && m_pVentana->Existe(id)) m_pVentana->CursorAlFinal(id);
}

bool CDialogoBase::PermitirSalidaCampo() const {
  if (m_pVentana == nullptr) return true;
  const std::optional<int> foco = m_pVentana->Foco();
  return foco.has_value() && *foco != kIdCancelar;
}

// ---- amount texts ----

std::string TextoImporteDialogo(double valor, int decimales, bool mostrarCero) {
  if (!std::isfinite(valor)) return {};
  if (valor == 0.0 && !mostrarCero) return {};
  return FormatearImporte(valor, decimales);
}

bool LeerImporteDialogo(std::string_view texto, double& valor) {
  const std::string_view recortado = plataforma::Recorta(texto);
  if (recortado.empty()) {
    valor = 0.0;
    return true;
  }
  // "." groups thousands when a "," is the decimal separator, or when every group after it has three digits.
  const bool hayComa = recortado.find(',') != std::string_view::npos;
  std::string limpio;
  limpio.reserve(recortado.size());
  for (char c : recortado) {
    if (c == '.') {
      if (hayComa) continue;
      limpio.push_back('.');
    } else if (c == ',') {
      limpio.push_back('.');
    } else {
      limpio.push_back(c);
    }
  }
  if (!hayComa) {
    // Without a comma, "1.234.567" and "1.234" are thousands; "12.5" is a decimal point.
    std::size_t puntos = 0;
    bool grupos = true;
    std::size_t ultimo = std::string::npos;
    for (std::size_t i = 0; i < limpio.size(); ++i) {
      if (limpio[i] != '.') continue;
      if (ultimo != std::string::npos && i - ultimo != 4) grupos = false;
      ultimo = i;
      ++puntos;
    }
    if (puntos > 0 && grupos && limpio.size() - ultimo == 4 && (puntos > 1 || ultimo > 0)) {
      std::string sinPuntos;
      for (char c : limpio) {
        if (c != '.') sinPuntos.push_back(c);
      }
      limpio = std::move(sinPuntos);
    }
  }
  double leido = 0.0;
  if (!plataforma::LeeDouble(limpio, leido) || !std::isfinite(leido)) return false;
  valor = leido;
  return true;
}

}  // namespace marco
