// The rules of the activity information dialogs of the module regime (IDD 187 to 190, "INFORMACION RELATIVA A
// LA ACTIVIDAD"): which variant an activity opens, the checks when a box is left and when OK is pressed. The
// dialogs work on a copy of the 88-byte information part of the activity row (offset 32 of the row) and the page
// takes it back only on OK. Yes/no answers: 1 "SI", 0 "NO", 255 not answered.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace actividades {

inline constexpr std::size_t kLargoInfoActividad = 88;
inline constexpr std::size_t kInicioInfoActividad = 32;  // in the activity row

struct SDatosInfoActividad {
  double porcentaje = 0.0;        // 0: participation in a community or partnership
  char nif[16] = {};              // 8: the entity's tax id, up to 9 characters
  double dias = 0.0;              // 24: days of a seasonal activity
  double anio = 0.0;              // 32: start year of a new activity
  std::uint8_t incremento = 255;  // 40
  std::uint8_t incremento075 = 255;  // 41
  std::uint8_t local = 255;       // 42: a single premises or none
  double vehiculos = 0.0;         // 48
  std::uint8_t carga = 255;       // 56: load capacity over 1,000 kg
  double municipio = 0.0;         // 64: municipality class
  double empleados = 0.0;         // 72
  std::uint8_t marca1 = 0;        // 80, carried unchanged
  std::uint8_t marca2 = 0;        // 81, carried unchanged
};

SDatosInfoActividad LeerInfoActividad(std::span<const unsigned char, kLargoInfoActividad> bytes);
void EscribirInfoActividad(const SDatosInfoActividad& datos, std::span<unsigned char, kLargoInfoActividad> bytes);

// The four variants by the dialog they open.
enum class EVarianteInfo { A = 187, B = 188, C = 189, D = 190 };
EVarianteInfo VarianteInfoActividad(std::int32_t idIae);

// Control ids of the boxes.
inline constexpr int kIdPorcentaje = 1557;
inline constexpr int kIdNif = 1603;
inline constexpr int kIdDias = 1559;
inline constexpr int kIdAnio = 1561;
inline constexpr int kIdLocal = 1566;
inline constexpr int kIdVehiculos = 1567;
inline constexpr int kIdCarga = 1569;
inline constexpr int kIdMunicipio = 1572;

// What a check asks for: the message to show (empty none) and the box to take the focus (0 none).
struct SAvisoInfo {
  std::string codigo;
  int foco = 0;
  bool Hay() const { return !codigo.empty(); }
};

class CInfoActividadReglas {
 public:
  CInfoActividadReglas(EVarianteInfo variante, SDatosInfoActividad& datos) : m_variante(variante), m_datos(datos) {}

  // The box is enabled: the tax id only with a percentage, the load box only with exactly one vehicle (IDD 187
  // and 190; its answer goes back to "not answered" otherwise).
  bool NifHabilitado() const { return m_datos.porcentaje != 0.0; }
  bool CargaHabilitada();
  // The classes of municipality a variant offers (0 none).
  int MunicipiosMaximo() const;

  // Leaving a box: the message and the focus its value calls for; the value is cleared where the rule says.
  SAvisoInfo AlSalir(int idCaja);
  // A two-digit year becomes the full year ("99" → 1999, "98" → 1998).
  static double AnioCompleto(std::string_view texto);
  // The percentage changed: without one the tax id is emptied.
  void AlCambiarPorcentaje();
  // OK: the first missing datum, or nothing when the dialog may close.
  SAvisoInfo ComprobarDatos() const;

 private:
  EVarianteInfo m_variante;
  SDatosInfoActividad& m_datos;
};

// ---- the agricultural activities (dialog 192, "INFORMACION RELATIVA A LA ACTIVIDAD" of page ORD006) ----

inline constexpr std::size_t kLargoInfoAgraria = 40;
inline constexpr std::size_t kInicioInfoAgraria = 16;  // in the activity row

struct SDatosInfoActividadAgraria {
  double porcentaje = 0.0;            // 0: participation in a community of goods or partnership
  char nif[9] = {};                   // 8: the entity's tax id, 9 characters without terminator
  std::uint8_t incremento075 = 255;   // 17: staff increase of at least 0.75 persons/year
  std::uint8_t mediosAjenos = 255;    // 18: exclusive use of others' means of production
  std::uint8_t piensos = 255;         // 19: feed bought from third parties (index 0.80)
  double costePersonal = 0.0;         // 24: cost of the salaried staff
  std::uint8_t primeraInstalacion = 255;  // 32: first installation of a priority farm
};

SDatosInfoActividadAgraria LeerInfoAgraria(std::span<const unsigned char, kLargoInfoAgraria> bytes);
// Writes the fields; the padding bytes are left as they are.
void EscribirInfoAgraria(const SDatosInfoActividadAgraria& datos, std::span<unsigned char, kLargoInfoAgraria> bytes);

// Control ids of dialog 192.
inline constexpr int kIdPorcentajeAgraria = 1602;
inline constexpr int kIdIncremento075Agraria = 1605;
inline constexpr int kIdMediosAjenos = 1601;
inline constexpr int kIdPiensos = 1604;
inline constexpr int kIdCostePersonal = 1158;
inline constexpr int kIdPrimeraInstalacion = 1613;

class CInfoAgrariaReglas {
 public:
  // `tipo`: the activity kind, the first character of the row's key ('1' to '7').
  CInfoAgrariaReglas(char tipo, SDatosInfoActividadAgraria& datos) : m_tipo(tipo), m_datos(datos) {}

  // Which boxes the kind offers: kinds 2 and 5 have no means of others; 3, 4, 6 and 7 neither means nor feed.
  bool MediosAjenosHabilitado() const { return m_tipo == '1'; }
  bool PiensosHabilitado() const { return m_tipo == '1' || m_tipo == '2' || m_tipo == '5'; }
  // Without a percentage there is no entity: the tax id is emptied.
  bool ActualizarNif();
  // OK: "100M009" for a percentage without tax id; the feed question "100I004" for kinds 1 and 5 when the feed
  // answer is yes (empty: the dialog may close).
  SAvisoInfo ComprobarDatos() const;
  bool PreguntarPiensos() const { return m_datos.piensos == 1 && (m_tipo == '1' || m_tipo == '5'); }

 private:
  char m_tipo;
  SDatosInfoActividadAgraria& m_datos;
};

}  // namespace actividades
