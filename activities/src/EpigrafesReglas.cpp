#include "activities/EpigrafesReglas.h"

namespace actividades {

namespace {

std::string_view SeccionDeGrupo(int grupo) {
  switch (grupo) {
    case kGrupoArtistas: return "3";
    case kGrupoProfesionales: return "2";
    case kGrupoMercantil: return "1";
    default: return {};
  }
}

// The code up to its first NUL, without trailing blanks.
std::string Recortado(std::string_view codigo) {
  std::string c(codigo.substr(0, codigo.find('\0')));
  while (!c.empty() && c.back() == ' ') c.pop_back();
  return c;
}

}  // namespace

CEpigrafesReglas::CEpigrafesReglas(int tipo, std::string_view codigo, std::uint8_t grupo, FBuscarEpigrafe buscar)
    : m_nTipo(tipo), m_codigo(Recortado(codigo.substr(0, tipo == 2 ? 3 : 5))), m_nGrupoRecibido(grupo),
      m_buscar(std::move(buscar)) {}

bool CEpigrafesReglas::Iniciar() {
  switch (m_nTipo) {
    case 1: m_nGrupo = kGrupoMercantil; break;
    case 2: m_nGrupo = m_nGrupoRecibido == kGrupoArtistas ? kGrupoArtistas : kGrupoProfesionales; break;
    case 3: m_nGrupo = m_nGrupoRecibido == kGrupoArtistas ? kGrupoArtistas : kGrupoMercantil; break;
    default: return false;
  }
  m_bIniciado = true;
  m_codigo = QuitarPunto(m_codigo);
  m_descripcion.clear();
  if (!m_codigo.empty() && m_buscar) {
    const std::string d = m_buscar(Seccion(), m_codigo + " ");
    if (!d.empty() && d[0] != ' ') m_descripcion = d.substr(0, kLargoDescripcionEpigrafe);
  }
  return true;
}

bool CEpigrafesReglas::GrupoHabilitado(int grupo) const {
  switch (m_nTipo) {
    case 1: return grupo == kGrupoMercantil;
    case 2: return grupo == kGrupoArtistas || grupo == kGrupoProfesionales;
    case 3: return grupo == kGrupoArtistas || grupo == kGrupoMercantil;
    default: return false;
  }
}

std::string_view CEpigrafesReglas::Seccion() const { return m_bIniciado ? SeccionDeGrupo(m_nGrupo) : std::string_view(); }

void CEpigrafesReglas::CambiarGrupo(int grupo) {
  if (!m_bIniciado || grupo == m_nGrupo || !GrupoHabilitado(grupo)) return;
  m_nGrupo = grupo;
  m_codigo.clear();
  m_descripcion.clear();
}

void CEpigrafesReglas::ElegirDeLista(std::string_view codigo, std::string_view descripcion) {
  m_codigo = QuitarPunto(Recortado(codigo));
  m_descripcion = std::string(descripcion.substr(0, kLargoDescripcionEpigrafe));
}

std::string CEpigrafesReglas::FiltrarBusqueda(std::string_view texto) {
  std::string r;
  for (const char c : texto) {
    if ((c >= '0' && c <= '9') || c == '.') r.push_back(c);
  }
  return r;
}

std::string CEpigrafesReglas::Buscar(std::string_view texto) {
  std::string clave;
  for (const char c : texto) {
    if (c != '.') clave.push_back(c);
  }
  if (clave.empty() || !m_bIniciado || !m_buscar) return {};
  const std::string d = m_buscar(Seccion(), clave + " ");
  if (d.empty() || d[0] == ' ') return std::string(kMensajeEpigrafeNoEncontrado);
  m_codigo = clave;
  m_descripcion = d.substr(0, kLargoDescripcionEpigrafe);
  return {};
}

std::string CEpigrafesReglas::CodigoDevuelto() const {
  std::string c = PonerPunto(m_codigo);
  c.resize(m_nTipo == 2 ? 3 : 5, '\0');
  return c;
}

std::string CEpigrafesReglas::QuitarPunto(std::string_view codigo) {
  std::string c(codigo);
  if (c.size() >= 5 && c[3] == '.') {
    c[3] = c[4];
    c.resize(4);
  }
  return c;
}

std::string CEpigrafesReglas::PonerPunto(std::string_view codigo) {
  std::string c(codigo);
  if (c.size() == 4 && c[3] != ' ') c = c.substr(0, 3) + "." + c.substr(3);
  return c;
}

}  // namespace actividades
