// The module entries of an activity under the module regime and the link its 'M' boxes carry.
//
// An activity row of RegApartadoD4 (1560 bytes) holds seven module entries of 176 bytes from row byte 120; each
// entry keeps the module number, its texts, the module quantity (the value of the 'M' box), the twelve detail
// doubles the module dialog was given (hours, units, days, tables, seats) and the activity's days copied at each
// opening. An activity row of RegApartadoD5 (2064 bytes) holds the product entries of the agricultural products:
// arrays of doubles of 80, 144 or 168 bytes.
//
// The page binds each 'M' box's value and gives it a link (SEnlaceModulo) to its entry and to the activity row
// the entry belongs to.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace actividades {

// Offsets of an activity row of RegApartadoD4 that the module dialogs read.
namespace RegistroModulos {
inline constexpr std::size_t ClaveActividad = 0x08;      // dword
inline constexpr std::size_t Participacion = 0x20;       // double: percentage through an entity; 0 none
inline constexpr std::size_t DiasActividad = 0x38;       // double: days exercised in 1999; 0 not given
inline constexpr std::size_t AumentoPlantilla = 0x48;    // byte: 1 the salaried staff rose in 1999 against 1998
inline constexpr std::size_t MaximoEmpleados = 0x68;     // double: most employees at the same time
}  // namespace RegistroModulos

// Offsets of an activity row of RegApartadoD5 that the product boxes read.
namespace RegistroAgrario {
inline constexpr std::size_t Clase = 0;           // the activity kind, '1' to '7'; '6' chooses the one-part form
inline constexpr std::size_t CodigoActividad = 4;  // dword: the activity code that chooses the yield indexes
}  // namespace RegistroAgrario

inline constexpr std::size_t kLargoEntradaModulo = 176;
inline constexpr std::size_t kDetallesModulo = 12;

// One module entry as the dialogs work on it (the stored 176 bytes, field by field).
struct SEntradaModulo {
  std::array<unsigned char, 40> cabecera{};  // +0 module number, +1 data shown on the page, +25 short name (15)
  double cantidad = 0.0;                     // +40 the module quantity
  std::array<double, kDetallesModulo> detalle{};  // +48 what the module dialog was given
  double dias = 0.0;                         // +144 the activity's days, copied at each opening
  double valor152 = 0.0;                     // +152, +160, +168 values of other boxes of the page
  double valor160 = 0.0;
  double valor168 = 0.0;

  int Modulo() const { return static_cast<signed char>(cabecera[0]); }
};
static_assert(sizeof(SEntradaModulo) == kLargoEntradaModulo, "a module entry is 176 bytes");

// The entry stored at `octetos` (176 bytes); a double that is not a number reads as 0.
SEntradaModulo LeerEntradaModulo(const unsigned char* octetos);
void EscribirEntradaModulo(const SEntradaModulo& entrada, unsigned char* octetos);

// The link of an 'M' box: its entry, the activity's index (0..3), the product number (1..13; 0 for a business
// module) and the activity's row.
struct SEnlaceModulo {
  unsigned char* entrada = nullptr;
  std::int32_t actividad = 0;
  std::int32_t producto = 0;
  unsigned char* registro = nullptr;
};

// A product entry: up to 21 doubles (168 bytes); the dialogs use the first 10, 18 or 21.
inline constexpr std::size_t kMaxValoresProducto = 21;
using ValoresProducto = std::array<double, kMaxValoresProducto>;

}  // namespace actividades
