#include "framework/BaseDatos.h"

#include <algorithm>
#include <filesystem>

#include "framework/DlgMensaje.h"
#include "framework/Tabla.h"
#include "platform/Nombres.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

namespace {
bool gPublicadas = false;
}  // namespace

CBaseDatos::CBaseDatos() { PonerOpcionesMotor(); }

void CBaseDatos::PonerOpcionesMotor() {
  plataforma::COpcionesMotor opciones = MotorRegistros().Opciones();
  opciones.ocultarBorrados = true;
  opciones.busquedaCercana = false;
  opciones.esperaOcupadoMs = kEsperaOcupadoMs;
  MotorRegistros().PonerOpciones(opciones);
}

std::string CBaseDatos::RutaTabla(std::string_view tabla) const {
  return m_directorio + std::string(tabla) + "." + m_extension;
}

bool CBaseDatos::TablaDanada(std::string_view tabla) const { return MotorRegistros().EnRescate(RutaTabla(tabla)); }

void CBaseDatos::MarcarTablaDanada(std::string_view tabla) const { MotorRegistros().MarcarRescate(RutaTabla(tabla)); }

bool CBaseDatos::ComprobarTabla(std::string_view tabla, std::string* problema) const {
  if (!ExisteTabla(tabla)) return true;  // a missing table is said where it is opened
  std::string error;
  plataforma::EFallo fallo = plataforma::EFallo::Ninguno;
  auto t = plataforma::CTablaRegistros::Abrir(RutaTabla(tabla), tabla, 1, &error, &fallo, kEsperaOcupadoMs);
  bool sana = true;
  if (!t) {
    sana = fallo != plataforma::EFallo::Danado;
  } else if (!t->Comprobar(&error)) {
    sana = t->UltimoFallo() != plataforma::EFallo::Danado;
  }
  if (problema != nullptr) *problema = sana ? std::string() : error;
  return sana;
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

void DeclararTablaDanada(CBaseDatos& base, std::string_view tabla) {
  if (base.TablaDanada(tabla)) return;
  base.MarcarTablaDanada(tabla);
  CDlgMensaje().MostrarMensaje("ALM006", IconoMano, plataforma::Utf8ACp1252(base.RutaTabla(tabla)));
}

int ComprobarAlmacen(CBaseDatos* red) {
  if (red == nullptr) return 1;
  int sano = 1;
  for (std::string_view tabla : kTablasAlmacen) {
    if (red->TablaDanada(tabla)) {
      sano = 0;
      continue;
    }
    if (!red->ComprobarTabla(tabla)) {
      DeclararTablaDanada(*red, tabla);
      sano = 0;
    }
  }
  return sano;
}

bool AlmacenEscribible(const CBaseDatos* red) { return red == nullptr || !red->TablaDanada(kTablasAlmacen[0]); }

}  // namespace marco
