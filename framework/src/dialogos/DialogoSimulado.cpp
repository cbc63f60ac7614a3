#include "framework/DialogoSimulado.h"

#include <algorithm>

#include "framework/DialogoPlantilla.h"
#include "framework/TemplateDlg.h"
#include "framework/TemplatePropPg.h"

namespace marco {

CControlesSimulados::CControlesSimulados(const CPlantillaDialogo& plantilla) {
  int grupo = 0;
  for (const SControlDialogo& c : plantilla.Controles()) {
    // Radio buttons made one after the other form a group, unless one starts a new one.
    if (c.tipo != ETipoControlDialogo::Opcion) {
      grupo = 0;
    } else if (grupo == 0 || c.primeroDeGrupo) {
      grupo = c.id;
    }
    if (c.id == -1) continue;
    SControl control;
    if (c.tipo == ETipoControlDialogo::Opcion) control.grupo = grupo;
    control.casilla = c.tipo == ETipoControlDialogo::Casilla;
    control.lista = c.tipo == ETipoControlDialogo::Lista;
    control.elementos = c.elementos;
    control.id = c.id;
    control.edicion = c.tipo == ETipoControlDialogo::Edicion || c.edicion;
    control.texto = c.texto;
    control.soloLectura = (c.opciones & kEdicionSoloLectura) != 0;
    control.importe = c.tipo == ETipoControlDialogo::Edicion && (c.opciones & kEdicionImporte) != 0;
    control.enfocable = c.tipo != ETipoControlDialogo::Estatico && c.tipo != ETipoControlDialogo::Marco;
    m_controles.push_back(std::move(control));
  }
  for (const std::size_t i : plantilla.OrdenLectura()) {
    const int id = plantilla.Controles()[i].id;
    if (id != -1) m_ordenTabulador.push_back(id);
  }
}

CControlesSimulados::~CControlesSimulados() { Cerrar(); }

void CControlesSimulados::Abrir(CTemplateDlg& dialogo) {
  m_pDialogo = &dialogo;
  m_bPagina = false;
  dialogo.AsociarVentana(this);
  dialogo.OnInitDialog();
  dialogo.EntregarCaracterInicial();
}

void CControlesSimulados::Abrir(CTemplatePropPg& pagina) {
  m_pDialogo = &pagina;
  m_bPagina = true;
  pagina.AsociarVentana(this);
  pagina.OnInitDialog();
}

void CControlesSimulados::Cerrar() {
  if (m_pDialogo != nullptr && m_pDialogo->Ventana() == this) m_pDialogo->AsociarVentana(nullptr);
  m_pDialogo = nullptr;
}

const CControlesSimulados::SControl* CControlesSimulados::Control(int id) const {
  const auto it = std::find_if(m_controles.begin(), m_controles.end(), [id](const SControl& c) { return c.id == id; });
  return it == m_controles.end() ? nullptr : &*it;
}

CControlesSimulados::SControl* CControlesSimulados::Control(int id) {
  const auto it = std::find_if(m_controles.begin(), m_controles.end(), [id](const SControl& c) { return c.id == id; });
  return it == m_controles.end() ? nullptr : &*it;
}

void CControlesSimulados::Escribir(int id, std::string_view texto) {
  SControl* c = Control(id);
  if (c == nullptr || !c->habilitado || c->soloLectura) return;
  c->texto = std::string(texto);
  Notificar(id, kAvisoTextoCambiado);
}

int CControlesSimulados::Teclear(int id, std::string_view caracteres) {
  int resultado = 0;
  for (const char c : caracteres) {
    const SControl* control = Control(id);
    if (m_pDialogo == nullptr || control == nullptr || !control->edicion || !control->habilitado) return 1;
    const auto caracter = static_cast<unsigned char>(c);
    resultado = m_pDialogo->ValidarCaracterCampo(id, caracter);
    if (resultado != 0) continue;
    SControl* destino = Control(id);
    if (destino == nullptr || destino->soloLectura) continue;
    if (caracter == kTeclaRetroceso) {
      if (!destino->texto.empty()) destino->texto.pop_back();
    } else {
      destino->texto.push_back(c);
    }
    Notificar(id, kAvisoTextoCambiado);
  }
  return resultado;
}

void CControlesSimulados::TeclearCaracter(int id, unsigned caracter) {
  const SControl* c = Control(id);
  if (c == nullptr || !c->edicion || !c->habilitado) return;
  Enfocar(id);
  SControl* campo = Control(id);
  if (campo == nullptr || m_foco != id || m_pDialogo == nullptr) return;
  if (m_pDialogo->ValidarCaracterCampo(id, caracter) != 0) return;
  campo = Control(id);
  if (campo == nullptr || campo->soloLectura) return;
  campo->texto = caracter == kTeclaRetroceso ? std::string() : std::string(1, static_cast<char>(caracter));
  Notificar(id, kAvisoTextoCambiado);
}

int CControlesSimulados::Enfocar(int id) {
  if (id != 0) {
    const SControl* destino = Control(id);
    if (destino == nullptr || !destino->habilitado || !destino->enfocable) return -1;
  }
  const std::optional<int> anterior = m_foco;
  const std::optional<int> nuevo = id != 0 ? std::optional<int>(id) : std::nullopt;
  if (anterior == nuevo) return -1;
  int resultado = -1;
  m_foco = nuevo;
  if (anterior) {
    m_focoEntrante = nuevo;
    resultado = Notificar(*anterior, kAvisoFocoPerdido);
    m_focoEntrante.reset();
  }
  // The focus may have been moved again while the focus-lost event was handled.
  if (nuevo && m_foco == nuevo) Notificar(*nuevo, kAvisoFocoGanado);
  return resultado;
}

int CControlesSimulados::Notificar(int id, int codigo) {
  if (m_pDialogo == nullptr) return 0;
  const SControl* c = Control(id);
  // Only field edits report box events; buttons report clicks.
  if (c == nullptr || !c->edicion) return 0;
  return m_pDialogo->Notificar(id, codigo);
}

void CControlesSimulados::Pulsar(int id) {
  const SControl* c = Control(id);
  if (m_pDialogo == nullptr || c == nullptr || !c->habilitado) return;
  Enfocar(id);
  if (SControl* pulsado = Control(id); pulsado != nullptr && pulsado->grupo != 0) {
    Marcar(id, true);
  } else if (pulsado != nullptr && pulsado->casilla) {
    pulsado->marcado = !pulsado->marcado;
  }
  if (m_pDialogo != nullptr) m_pDialogo->Pulsar(id);
}

void CControlesSimulados::Elegir(int id, int fila) {
  SControl* c = Control(id);
  if (m_pDialogo == nullptr || c == nullptr || !c->lista || !c->habilitado) return;
  if (fila < 0 || static_cast<std::size_t>(fila) >= c->elementos.size()) return;
  PonerSeleccion(id, fila);
  m_pDialogo->AlComando(id, 1);
}

bool CControlesSimulados::Marcado(int id) const {
  const SControl* c = Control(id);
  return c != nullptr && c->marcado;
}

void CControlesSimulados::Marcar(int id, bool marcado) {
  SControl* c = Control(id);
  if (c == nullptr) return;
  if (marcado && c->grupo != 0) {
    for (SControl& otro : m_controles) {
      if (otro.grupo == c->grupo) otro.marcado = false;
    }
  }
  c->marcado = marcado;
}

void CControlesSimulados::PonerElementos(int id, const std::vector<std::string>& elementos) {
  SControl* c = Control(id);
  if (c == nullptr || !c->lista) return;
  c->elementos = elementos;
  c->seleccion = -1;
  c->texto.clear();
}

int CControlesSimulados::Seleccion(int id) const {
  const SControl* c = Control(id);
  return c != nullptr && c->lista ? c->seleccion : -1;
}

void CControlesSimulados::PonerSeleccion(int id, int fila) {
  SControl* c = Control(id);
  if (c == nullptr || !c->lista) return;
  const bool dentro = fila >= 0 && static_cast<std::size_t>(fila) < c->elementos.size();
  c->seleccion = dentro ? fila : -1;
  c->texto = dentro ? c->elementos[static_cast<std::size_t>(fila)] : std::string();
}

int CControlesSimulados::Caracter(int caracter) { return m_pDialogo != nullptr ? m_pDialogo->OnChar(caracter) : 0; }

int CControlesSimulados::Tecla(int tecla) {
  if (m_pDialogo == nullptr) return 0;
  if (m_bPagina) {
    if (static_cast<CTemplatePropPg*>(m_pDialogo)->PreTranslateTecla(tecla) != 0) return 1;
  }
  return m_pDialogo->OnKeyDown(tecla);
}

std::optional<SColoresControl> CControlesSimulados::Colores(int id) const {
  const SControl* c = Control(id);
  if (c == nullptr) return std::nullopt;
  return ColoresDeControl(m_bPagina, c->edicion, c->habilitado);
}

std::vector<int> CControlesSimulados::Hijos() const {
  std::vector<int> ids;
  ids.reserve(m_controles.size());
  for (const SControl& c : m_controles) ids.push_back(c.id);
  return ids;
}

bool CControlesSimulados::Existe(int id) const { return Control(id) != nullptr; }

bool CControlesSimulados::EsEdicion(int id) const {
  const SControl* c = Control(id);
  return c != nullptr && c->edicion;
}

bool CControlesSimulados::EsImporte(int id) const {
  const SControl* c = Control(id);
  return c != nullptr && c->importe;
}

std::string CControlesSimulados::Texto(int id) const {
  const SControl* c = Control(id);
  return c != nullptr ? c->texto : std::string();
}

void CControlesSimulados::PonerTexto(int id, std::string_view texto) {
  if (SControl* c = Control(id)) c->texto = std::string(texto);
}

bool CControlesSimulados::Habilitado(int id) const {
  const SControl* c = Control(id);
  return c != nullptr && c->habilitado;
}

void CControlesSimulados::Habilitar(int id, bool habilitar) {
  if (SControl* c = Control(id)) c->habilitado = habilitar;
}

bool CControlesSimulados::SoloLectura(int id) const {
  const SControl* c = Control(id);
  return c != nullptr && c->soloLectura;
}

void CControlesSimulados::PonerSoloLectura(int id, bool soloLectura) {
  if (SControl* c = Control(id)) c->soloLectura = soloLectura;
}

std::optional<int> CControlesSimulados::Foco() const { return m_focoEntrante ? m_focoEntrante : m_foco; }

void CControlesSimulados::PonerFoco(int id) {
  if (m_focoEntrante) {
    // Asked while a focus-lost event is handled: the focus ends there once the move under way is done.
    const SControl* c = Control(id);
    if (c != nullptr && c->habilitado && c->enfocable) m_foco = id;
    return;
  }
  Enfocar(id);
}

void CControlesSimulados::MoverFoco(bool anterior) {
  // In the layout's reading order, as the window's Tab goes.
  const int n = static_cast<int>(m_ordenTabulador.size());
  if (n == 0) return;
  int desde = anterior ? 0 : -1;
  if (m_foco) {
    for (int i = 0; i < n; ++i) {
      if (m_ordenTabulador[static_cast<std::size_t>(i)] == *m_foco) desde = i;
    }
  }
  for (int paso = 1; paso <= n; ++paso) {
    const int i = ((desde + (anterior ? -paso : paso)) % n + n) % n;
    const SControl* c = Control(m_ordenTabulador[static_cast<std::size_t>(i)]);
    if (c != nullptr && c->habilitado && c->enfocable) {
      Enfocar(c->id);
      return;
    }
  }
}

void CControlesSimulados::IntercambiarDatosHijos(int direccion) {
  if (m_alIntercambiar) m_alIntercambiar(direccion);
}

void CControlesSimulados::PonerTituloVentana(std::string_view titulo) { m_strTitulo = std::string(titulo); }

void CControlesSimulados::Terminar(int resultado) {
  if (!m_bPagina) m_nResultado = resultado;
}

void CControlesSimulados::PedirCierre() { ++m_nCierres; }

void CControlesSimulados::Mover(int x, int y) {
  m_rect.x = x;
  m_rect.y = y;
}

void CControlesSimulados::PonerImagenBoton(int id, int imagen, bool) {
  if (SControl* c = Control(id)) c->imagen = imagen;
}

}  // namespace marco
