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

}  // namespace actividades
