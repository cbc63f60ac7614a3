#include "activities/InfoActividadReglas.h"

#include <cstring>

namespace actividades {

namespace {

template <typename T>
T Leer(const unsigned char* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <typename T>
void Escribir(unsigned char* p, T v) {
  std::memcpy(p, &v, sizeof v);
}

}  // namespace

SDatosInfoActividad LeerInfoActividad(std::span<const unsigned char, kLargoInfoActividad> b) {
  SDatosInfoActividad d;
  const unsigned char* p = b.data();
  d.porcentaje = Leer<double>(p + 0);
  std::memcpy(d.nif, p + 8, sizeof d.nif);
  d.nif[sizeof d.nif - 1] = '\0';
  d.dias = Leer<double>(p + 24);
  d.anio = Leer<double>(p + 32);
  d.incremento = p[40];
  d.incremento075 = p[41];
  d.local = p[42];
  d.vehiculos = Leer<double>(p + 48);
  d.carga = p[56];
  d.municipio = Leer<double>(p + 64);
  d.empleados = Leer<double>(p + 72);
  d.marca1 = p[80];
  d.marca2 = p[81];
  return d;
}

void EscribirInfoActividad(const SDatosInfoActividad& d, std::span<unsigned char, kLargoInfoActividad> b) {
  unsigned char* p = b.data();
  Escribir(p + 0, d.porcentaje);
  std::memcpy(p + 8, d.nif, sizeof d.nif);
  Escribir(p + 24, d.dias);
  Escribir(p + 32, d.anio);
  p[40] = d.incremento;
  p[41] = d.incremento075;
  p[42] = d.local;
  Escribir(p + 48, d.vehiculos);
  p[56] = d.carga;
  Escribir(p + 64, d.municipio);
  Escribir(p + 72, d.empleados);
  p[80] = d.marca1;
  p[81] = d.marca2;
}

EVarianteInfo VarianteInfoActividad(std::int32_t idIae) {
  switch (idIae) {
    case 173: case 175: case 178: return EVarianteInfo::B;
    case 143: return EVarianteInfo::D;
    case 174: return EVarianteInfo::C;
    default: return EVarianteInfo::A;
  }
}

bool CInfoActividadReglas::CargaHabilitada() {
  if (m_variante != EVarianteInfo::A && m_variante != EVarianteInfo::D) return false;
  if (m_datos.vehiculos == 1.0) return true;
  m_datos.carga = 255;
  return false;
}

int CInfoActividadReglas::MunicipiosMaximo() const {
  switch (m_variante) {
    case EVarianteInfo::A:
    case EVarianteInfo::C: return 3;
    case EVarianteInfo::D: return 5;
    default: return 0;
  }
}

double CInfoActividadReglas::AnioCompleto(std::string_view texto) {
  if (texto == "99") return 1999.0;
  if (texto == "98") return 1998.0;
  double v = 0.0;
  for (const char c : texto) {
    if (c < '0' || c > '9') break;
    v = v * 10 + (c - '0');
  }
  return v;
}

void CInfoActividadReglas::AlCambiarPorcentaje() {
  if (m_datos.porcentaje == 0.0) std::memset(m_datos.nif, 0, sizeof m_datos.nif);
}

SAvisoInfo CInfoActividadReglas::AlSalir(int idCaja) {
  switch (idCaja) {
    case kIdPorcentaje:
      if (m_datos.porcentaje >= 100.0) return {"100R072", kIdPorcentaje};
      return {};
    case kIdDias:
      if (m_datos.dias > 180.0) {
        m_datos.dias = 0.0;
        return {"100M002", kIdDias};
      }
      if (m_datos.anio > 0.0 && m_datos.dias > 0.0) {
        m_datos.dias = 0.0;
        return {"100M003", kIdDias};
      }
      return {};
    case kIdAnio:
      if (m_datos.anio != 0.0 && m_datos.anio != 1998.0 && m_datos.anio != 1999.0) return {"CVANO1", kIdAnio};
      if (m_datos.anio != 0.0 && m_datos.dias != 0.0) {
        m_datos.anio = 0.0;
        return {"100M003", kIdAnio};
      }
      return {};
    case kIdMunicipio: {
      const int maximo = MunicipiosMaximo();
      if (maximo > 0 && m_datos.municipio > maximo) {
        m_datos.municipio = 0.0;
        return {maximo == 5 ? "100R021" : "100R020", kIdMunicipio};
      }
      return {};
    }
    default:
      return {};
  }
}

SAvisoInfo CInfoActividadReglas::ComprobarDatos() const {
  if (m_datos.porcentaje != 0.0 && (m_datos.nif[0] == '\0' || m_datos.nif[0] == ' ')) return {"100M009", kIdNif};
  switch (m_variante) {
    case EVarianteInfo::A:
    case EVarianteInfo::D:
      if (m_datos.local == 255 || (m_datos.vehiculos == 1.0 && m_datos.carga == 255) || m_datos.municipio == 0.0) {
        return {"100M001", kIdLocal};
      }
      break;
    case EVarianteInfo::B:
      if (m_datos.vehiculos == 0.0) return {"100M008", kIdVehiculos};
      break;
    case EVarianteInfo::C:
      if (m_datos.municipio == 0.0) return {"100M001", kIdMunicipio};
      break;
  }
  return {};
}

SDatosInfoActividadAgraria LeerInfoAgraria(std::span<const unsigned char, kLargoInfoAgraria> b) {
  SDatosInfoActividadAgraria d;
  const unsigned char* p = b.data();
  d.porcentaje = Leer<double>(p + 0);
  std::memcpy(d.nif, p + 8, sizeof d.nif);
  d.incremento075 = p[17];
  d.mediosAjenos = p[18];
  d.piensos = p[19];
  d.costePersonal = Leer<double>(p + 24);
  d.primeraInstalacion = p[32];
  return d;
}

void EscribirInfoAgraria(const SDatosInfoActividadAgraria& d, std::span<unsigned char, kLargoInfoAgraria> b) {
  unsigned char* p = b.data();
  Escribir(p + 0, d.porcentaje);
  std::memcpy(p + 8, d.nif, sizeof d.nif);
  p[17] = d.incremento075;
  p[18] = d.mediosAjenos;
  p[19] = d.piensos;
  Escribir(p + 24, d.costePersonal);
  p[32] = d.primeraInstalacion;
}

bool CInfoAgrariaReglas::ActualizarNif() {
  if (m_datos.porcentaje != 0.0) return true;
  std::memset(m_datos.nif, 0, sizeof m_datos.nif);
  return false;
}

SAvisoInfo CInfoAgrariaReglas::ComprobarDatos() const {
  if (m_datos.porcentaje != 0.0 && (m_datos.nif[0] == '\0' || m_datos.nif[0] == ' ')) return {"100M009", kIdNif};
  return {};
}

}  // namespace actividades
