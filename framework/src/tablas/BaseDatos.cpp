#include "framework/BaseDatos.h"

#include <algorithm>
#include <filesystem>

#include "framework/Tabla.h"
#include "platform/Nombres.h"
#include "platform/Registros.h"

namespace marco {

namespace {
bool gPublicadas = false;
}  // namespace

CBaseDatos::CBaseDatos() { PonerOpcionesMotor(); }

void CBaseDatos::PonerOpcionesMotor() {
  plataforma::COpcionesMotor opciones = MotorRegistros().Opciones();
  opciones.ocultarBorrados = true;
  opciones.busquedaCercana = false;
  MotorRegistros().PonerOpciones(opciones);
}

bool CBaseDatos::ExisteTabla(std::string_view tabla) const {
  if (tabla.empty()) return false;
  const std::filesystem::path carpeta = std::filesystem::path(m_directorio.empty() ? "." : m_directorio);
  const auto real = plataforma::BuscaFicheroSinCaso(carpeta, std::string(tabla) + "." + m_extension);
  std::error_code ec;
  return real && std::filesystem::is_regular_file(*real, ec);
}

std::string NormalizarExtension(std::string_view extension) {
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  if (extension.empty()) return "DBF";
  return std::string(extension.substr(0, 3));
}

int CBaseDatos::Abrir(std::string_view directorio, bool compartida, int intentos, std::string_view extension) {
  m_directorio = std::string(directorio);
  // A file's path is directory + name, so the directory ends with its separator.
  if (!m_directorio.empty() && m_directorio.back() != '/') m_directorio.push_back('/');
  m_bCompartida = compartida;
  m_nIntentos = compartida ? std::max(intentos, 1) : 1;
  m_extension = NormalizarExtension(extension);
  return 1;
}

CBaseDatos& BaseDatosRedPrograma() {
  static CBaseDatos red;
  return red;
}

CBaseDatos& BaseDatosLocalPrograma() {
  static CBaseDatos local;
  return local;
}

CBaseDatos* DameBaseDatosRed() { return gPublicadas ? &BaseDatosRedPrograma() : nullptr; }
CBaseDatos* DameBaseDatosLocal() { return gPublicadas ? &BaseDatosLocalPrograma() : nullptr; }

void PublicarBasesDatos(bool abiertas) { gPublicadas = abiertas; }

}  // namespace marco
