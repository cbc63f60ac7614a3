#include "framework/DlgMensaje.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/DlgMensajeReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

// True while a code is being looked up: a message of the table layer raised by the lookup itself is shown
// without a lookup of its own, so a missing or damaged message table cannot make the lookup call itself.
bool gBuscando = false;

// A text field of the current row, at most its width (the room is at least 255, the size every caller uses).
std::string LeerTexto(CTabla& tabla, std::string_view campo) {
  const int ancho = tabla.LongitudCampo(campo);
  std::vector<char> buffer(static_cast<std::size_t>(std::max(ancho + 1, 255)), '\0');
  if (tabla.LeerCampo(campo, buffer.data(), kCampoTexto, static_cast<std::uint16_t>(buffer.size())) == 0) return {};
  return std::string(buffer.data());
}

}  // namespace

CDlgMensaje::CDlgMensaje(wxWindow* padre, CBaseDatos* baseDatos)
    : m_pPadre(padre), m_pBaseDatos(baseDatos != nullptr ? baseDatos : DameBaseDatosLocal()) {}

void CDlgMensaje::AnadirBoton(std::string_view palabra) { m_nBotones |= FlagDePalabra(palabra); }

int CDlgMensaje::BuscarMensaje(std::string_view codigo) {
  m_titulo.clear();
  m_texto.clear();
  m_nBotones = 0;
  if (codigo.empty() || m_pBaseDatos == nullptr || gBuscando) return 0;
  struct CBuscando {
    CBuscando() { gBuscando = true; }
    ~CBuscando() { gBuscando = false; }
  } buscando;

  CTabla tabla(m_pBaseDatos);
  if (tabla.Abrir(1, {}, NombreTablaIdioma("ERRORESX", LetraIdiomaV(), true), true) == 0) return 0;
  if (tabla.Registros()->NumeroOrden("CLAVE") == 0) return 0;
  // The key is padded to the code field's width, so that "WIN100" never finds "WIN1001".
  std::string clave(codigo.substr(0, 7));
  const auto ancho = static_cast<std::size_t>(std::max(tabla.LongitudCampo("Coderror"), 0));
  if (clave.size() < ancho) clave.append(ancho - clave.size(), ' ');
  if (tabla.Buscar(clave, true, "CLAVE", false) == 0) return 0;

  std::int32_t numBotones = 0;
  tabla.LeerCampo("numbotones", &numBotones, kCampoEnteroN, sizeof numBotones);
  m_titulo = PrimeraPalabra(LeerTexto(tabla, "TituError"));
  m_texto = std::string(plataforma::RecortaDerecha(LeerTexto(tabla, "TextError")));
  const std::string palabras = PrimeraPalabra(LeerTexto(tabla, "TextBotone"));
  if (numBotones == 2) {
    const std::size_t arroba = palabras.find('@');
    AnadirBoton(palabras.substr(0, arroba));
    if (arroba != std::string::npos) AnadirBoton(std::string_view(palabras).substr(arroba + 1));
  } else if (!palabras.empty()) {
    AnadirBoton(std::string_view(palabras).substr(0, palabras.size() - 1));
  }
  return 1;
}

int CDlgMensaje::MostrarMensaje(std::string_view codigo, int icono, std::string_view extra) {
  if (HayMensajeEnPantalla()) return -1;
  m_nResultado = -1;
  SMensaje mensaje;
  mensaje.codigo = std::string(codigo);
  mensaje.icono = icono;
  mensaje.extra = std::string(extra);
  mensaje.padre = m_pPadre;
  if (!codigo.empty()) {
    mensaje.encontrado = BuscarMensaje(codigo) != 0;
    if (!mensaje.encontrado) {
      m_titulo.clear();
      m_texto = std::string(extra.empty() ? codigo : extra);
      m_nBotones = kFlagAceptar;
    } else {
      m_texto = ComponerTexto(m_texto, extra);
    }
  } else {
    m_titulo.clear();
    m_texto = std::string(extra);
    m_nBotones = kFlagAceptar;
  }
  m_texto = QuitarBarras(m_texto);
  // A message whose button words match no button that is laid out still offers Aceptar.
  unsigned colocables = 0;
  for (std::size_t i = 0; i < kBotonesColocables; ++i) colocables |= TablaBotonesMensaje()[i].flag;
  if ((m_nBotones & colocables) == 0) m_nBotones |= kFlagAceptar;

  mensaje.titulo = m_titulo;
  mensaje.texto = m_texto;
  mensaje.botones = m_nBotones;
  m_nResultado = PresentarMensaje(mensaje);
  m_nBotones = 0;
  return m_nResultado;
}

}  // namespace marco
