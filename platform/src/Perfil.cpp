#include "platform/Perfil.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "platform/Nombres.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace plataforma {

namespace {

bool NombreValido(std::string_view nombre) {
  if (Recorta(nombre).empty()) return false;
  return nombre.find_first_of("[]=;\r\n") == std::string_view::npos;
}

std::string QuitaSaltos(std::string_view valor) {
  std::string limpio(valor);
  for (char& c : limpio) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return limpio;
}

std::string TextoEntero(long valor) {
  char buffer[24];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, valor).ptr);
}

std::filesystem::path CarpetaXdg(const char* variable, const char* relativaAHome) {
  const char* valor = std::getenv(variable);
  if (valor != nullptr && valor[0] == '/') return std::filesystem::path(valor);
  const char* home = std::getenv("HOME");
  const std::filesystem::path base = home != nullptr && home[0] != '\0' ? std::filesystem::path(home)
                                                                        : std::filesystem::temp_directory_path();
  return base / relativaAHome;
}

}  // namespace

CPerfil::CPerfil(std::filesystem::path ruta) : m_ruta(std::move(ruta)) { Cargar(); }

bool CPerfil::Cargar() {
  m_lineas.clear();
  std::error_code ec;
  if (!std::filesystem::exists(m_ruta, ec)) return !ec;
  if (!std::filesystem::is_regular_file(m_ruta, ec)) return false;
  std::ifstream entrada(m_ruta, std::ios::binary);
  if (!entrada) return false;
  std::string linea;
  while (std::getline(entrada, linea)) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    SLinea l;
    l.texto = linea;
    const std::string_view recortada = Recorta(linea);
    if (!recortada.empty() && recortada.front() == '[') {
      const std::size_t cierre = recortada.find(']');
      if (cierre != std::string_view::npos) {
        l.tipo = SLinea::ETipo::Seccion;
        l.nombre = std::string(Recorta(recortada.substr(1, cierre - 1)));
      }
    } else if (!recortada.empty() && recortada.front() != ';' && recortada.front() != '#') {
      const std::size_t igual = recortada.find('=');
      if (igual != std::string_view::npos && igual > 0) {
        l.tipo = SLinea::ETipo::Clave;
        l.nombre = std::string(Recorta(recortada.substr(0, igual)));
        l.valor = std::string(recortada.substr(igual + 1));
      }
    }
    m_lineas.push_back(std::move(l));
  }
  return !entrada.bad();
}

bool CPerfil::Guardar() const {
  std::error_code ec;
  if (m_ruta.has_parent_path()) std::filesystem::create_directories(m_ruta.parent_path(), ec);
  std::filesystem::path temporal = m_ruta;
  temporal += ".nuevo." + TextoEntero(static_cast<long>(::getpid()));
  {
    std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
    if (!salida) return false;
    for (const SLinea& l : m_lineas) {
      switch (l.tipo) {
        case SLinea::ETipo::Seccion: salida << '[' << l.nombre << "]\n"; break;
        case SLinea::ETipo::Clave: salida << l.nombre << '=' << l.valor << '\n'; break;
        case SLinea::ETipo::Otra: salida << l.texto << '\n'; break;
      }
    }
    salida.flush();
    if (!salida) {
      salida.close();
      std::filesystem::remove(temporal, ec);
      return false;
    }
  }
  std::filesystem::rename(temporal, m_ruta, ec);
  if (ec) {
    std::error_code ignorado;
    std::filesystem::remove(temporal, ignorado);
    return false;
  }
  return true;
}

long CPerfil::BuscarSeccion(std::string_view seccion) const {
  for (std::size_t i = 0; i < m_lineas.size(); ++i) {
    if (m_lineas[i].tipo == SLinea::ETipo::Seccion && IgualesSinCaso(m_lineas[i].nombre, Recorta(seccion))) {
      return static_cast<long>(i);
    }
  }
  return -1;
}

long CPerfil::FinSeccion(long inicio) const {
  std::size_t i = static_cast<std::size_t>(inicio) + 1;
  while (i < m_lineas.size() && m_lineas[i].tipo != SLinea::ETipo::Seccion) ++i;
  return static_cast<long>(i);
}

long CPerfil::BuscarClave(long inicio, std::string_view clave) const {
  const long fin = FinSeccion(inicio);
  for (long i = inicio + 1; i < fin; ++i) {
    const SLinea& l = m_lineas[static_cast<std::size_t>(i)];
    if (l.tipo == SLinea::ETipo::Clave && IgualesSinCaso(l.nombre, Recorta(clave))) return i;
  }
  return -1;
}

bool CPerfil::Existe(std::string_view seccion, std::string_view clave) const {
  const long s = BuscarSeccion(seccion);
  return s >= 0 && BuscarClave(s, clave) >= 0;
}

std::string CPerfil::LeerCadena(std::string_view seccion, std::string_view clave, std::string_view defecto) const {
  const long s = BuscarSeccion(seccion);
  const long k = s >= 0 ? BuscarClave(s, clave) : -1;
  if (k < 0) return std::string(defecto);
  std::string_view valor = Recorta(m_lineas[static_cast<std::size_t>(k)].valor);
  if (valor.size() >= 2 && valor.front() == '"' && valor.back() == '"') valor = valor.substr(1, valor.size() - 2);
  return std::string(valor);
}

long CPerfil::LeerEntero(std::string_view seccion, std::string_view clave, long defecto) const {
  if (!Existe(seccion, clave)) return defecto;
  return LeeEntero(LeerCadena(seccion, clave, ""));
}

bool CPerfil::EscribirCadena(std::string_view seccion, std::string_view clave, std::string_view valor) {
  if (!NombreValido(seccion) || !NombreValido(clave)) return false;
  long s = BuscarSeccion(seccion);
  if (s < 0) {
    SLinea cabecera;
    cabecera.tipo = SLinea::ETipo::Seccion;
    cabecera.nombre = std::string(Recorta(seccion));
    m_lineas.push_back(std::move(cabecera));
    s = static_cast<long>(m_lineas.size()) - 1;
  }
  const long k = BuscarClave(s, clave);
  if (k >= 0) {
    m_lineas[static_cast<std::size_t>(k)].valor = QuitaSaltos(valor);
    return true;
  }
  // After the section's last key, so blank lines and comments that close the section stay after it.
  long donde = s + 1;
  const long fin = FinSeccion(s);
  for (long i = s + 1; i < fin; ++i) {
    if (m_lineas[static_cast<std::size_t>(i)].tipo == SLinea::ETipo::Clave) donde = i + 1;
  }
  SLinea nueva;
  nueva.tipo = SLinea::ETipo::Clave;
  nueva.nombre = std::string(Recorta(clave));
  nueva.valor = QuitaSaltos(valor);
  m_lineas.insert(m_lineas.begin() + donde, std::move(nueva));
  return true;
}

bool CPerfil::EscribirEntero(std::string_view seccion, std::string_view clave, long valor) {
  return EscribirCadena(seccion, clave, TextoEntero(valor));
}

void CPerfil::Borrar(std::string_view seccion, std::string_view clave) {
  const long s = BuscarSeccion(seccion);
  const long k = s >= 0 ? BuscarClave(s, clave) : -1;
  if (k >= 0) m_lineas.erase(m_lineas.begin() + k);
}

std::filesystem::path CarpetaConfiguracionUsuario() { return CarpetaXdg("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path CarpetaDatosUsuario() { return CarpetaXdg("XDG_DATA_HOME", ".local/share"); }

}  // namespace plataforma
