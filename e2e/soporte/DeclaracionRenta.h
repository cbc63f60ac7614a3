// The income-tax declarations the roads store by hand before the program starts (ConAlmacen): the places of the
// data area they fill, taken from the program's own headers, and the declarant they share, a single person named
// JUAN PEREZ, born in 1960. SDeclaracionGuardada::Nueva makes the empty declaration; these fill it in.
//
// Only the roads include this header (the road support library is built without the program's headers).
#pragma once

#include <cstddef>
#include <string_view>

#include "Camino.h"
#include "Korvelix.h"
#include "framework/DocumentoServicios.h"
#include "income/Pago.h"
#include "income/RentaReglas.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace e2e::declaracion {

// The identification block and the declarant's slots in it: the NIF and the two name fields.
inline constexpr std::size_t kIdentificacion = offsetof(DatosRenta, Identificacion);
inline constexpr std::size_t kPersona = marco::kSujetoDeclarante - 1;
inline constexpr std::size_t kNifDeclarante = kIdentificacion + renta::kDespNif + renta::kAnchoNif * kPersona;
static_assert(kNifDeclarante == salida::registro_renta::kNif + salida::registro_renta::kPasoNif * kPersona,
              "the record's NIF is the identification block's");
inline constexpr std::size_t kNombre1 = kIdentificacion + renta::kDespNombre1 + renta::kAnchoNombre * kPersona;
inline constexpr std::size_t kNombre2 = kIdentificacion + renta::kDespNombre2 + renta::kAnchoNombre * kPersona;
// The declarant's year of birth, as the family block keeps it.
inline constexpr std::size_t kAnioNacimiento = offsetof(DatosRenta, DatosFamilia) + 4;
// What page 1 asks of a person besides the name, so that the check has nothing to warn of: a personal datum (one
// character, 9 per person, the slot of person p at 9p), the street of the address (26 per person) and the first
// of the two tax assignments (a byte per person).
inline constexpr std::size_t kDatoPersonal = kIdentificacion + 0x4af + 9 * marco::kSujetoDeclarante;
inline constexpr std::size_t kDomicilio = kIdentificacion + 0x302 + 26 * marco::kSujetoDeclarante;
inline constexpr std::size_t kAsignacion = kIdentificacion + 0x9a9 + marco::kSujetoDeclarante;
// The results block, where the payment page keeps its ways (renta::SMarcasPago).
inline constexpr std::size_t kResultados = offsetof(DatosRenta, Resultados);
// The delegation (2 characters, its name after them) and the administration (3 characters, its name after them).
inline constexpr std::size_t kDelegacion = salida::registro_renta::kCabecera1002;
inline constexpr std::size_t kAdministracion = salida::registro_renta::kCabecera1022;
// The first payer row of work income: its holder (a byte), the money pay and the withholding (doubles after it).
inline constexpr std::size_t kPagador = offsetof(DatosRenta, RendTrabajo) + 40;

// The declarant: NIF `nif`, named JUAN PEREZ, born in 1960.
inline void PonerDeclarante(SDeclaracionGuardada& d, std::string_view nif = kNif) {
  d.PonerTexto(kNifDeclarante, nif);
  d.PonerTexto(kNombre1, "JUAN");
  d.PonerTexto(kNombre2, "PEREZ");
  d.PonerTexto(kAnioNacimiento, "1960");
}

// What the check asks of the declarant besides: the personal datum, the street and the tax assignment; and the
// payment page's two ways chosen (pay at once, refund without account), whichever the result turns out to be.
inline void PonerDatosComprobados(SDeclaracionGuardada& d) {
  d.PonerTexto(kDatoPersonal, "1");
  d.PonerTexto(kDomicilio, "CALLE MAYOR 1");
  d.datos[kAsignacion] = 1;
  d.datos[kResultados + renta::SMarcasPago::kA1 + kPersona] = 1;
  d.datos[kResultados + renta::SMarcasPago::kD1 + kPersona] = 1;
}

// The offices, each its code with its name after it ("28MADRID", "280MADRID CENTRO").
inline void PonerOficinas(SDeclaracionGuardada& d, std::string_view delegacion, std::string_view administracion) {
  d.PonerTexto(kDelegacion, delegacion);
  d.PonerTexto(kAdministracion, administracion);
}

// The declarant's salary and its withholding, in the first payer row.
inline void PonerSalario(SDeclaracionGuardada& d, double salario, double retencion = 0.0) {
  d.datos[kPagador] = static_cast<unsigned char>(marco::kSujetoDeclarante);
  d.PonerImporte(kPagador + 8, salario);
  d.PonerImporte(kPagador + 16, retencion);
}

}  // namespace e2e::declaracion
