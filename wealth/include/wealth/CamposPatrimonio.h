// The fields of the wealth-tax data area that the document reads and writes itself, by block and offset, and the
// typed access to them. Everything else in the blocks is the calculation library's and the pages'.
//
// Fields are read and written with memcpy at their offsets; a field is never reached past the end of its block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/Texto.h"
#include "ximardol.h"

namespace patrimonio {

// The whole data area as it is stored.
inline constexpr std::size_t kTamanoDatosPatrimonio = sizeof(DatosPatrimonio);
static_assert(kTamanoDatosPatrimonio == 22536);

// A field: its offset inside its block and its width in bytes.
struct SCampo {
  std::size_t desplazamiento;
  std::size_t ancho;
};

// RegPatDatosPersonales: personal and filing data.
namespace personales {
inline constexpr SCampo MarcaSujeto{0, 1};            // 1 once a print run of the declaration went through
inline constexpr SCampo NumeroReferencia{1, 20};
inline constexpr SCampo Identificacion{21, 60};       // the identification text of the printed form
inline constexpr SCampo Identificacion1{84, 18};      // first identification field of the first page
inline constexpr SCampo Identificacion2{107, 18};     // second identification field of the first page
inline constexpr SCampo SinMinimoExento{126, 1};      // the no-exempt-amount mark
inline constexpr SCampo Nif{127, 9};                  // tax number of the declarant
inline constexpr SCampo NifCopia{127, 10};            // what the document keeps as the declarant's number
inline constexpr SCampo Apellidos{137, 30};
inline constexpr SCampo Nombre{168, 15};
inline constexpr SCampo CodigoPagina1{464, 3};
inline constexpr SCampo CalculoCuota{486, 1};         // the quota-computation mark
}  // namespace personales

// RegPatDI: the quota computation and the payment data.
namespace di {
inline constexpr std::size_t Cuota = 0;               // double
inline constexpr std::size_t ImporteDeducido = 8;     // double, entered
inline constexpr std::size_t Diferencia = 16;         // double
inline constexpr std::size_t Marca1 = 24;             // byte 0 or 1
inline constexpr std::size_t Domiciliacion = 25;      // byte: the direct-debit mark
inline constexpr SCampo Cuenta{26, 20};               // bank account code
}  // namespace di

// RegPatResumen: the page totals and the liquidation.
namespace resumen {
inline constexpr std::size_t Total168 = 168;           // the summary amount of box 23 of the ninth page
inline constexpr std::size_t ClaseLimite = 296;        // byte: the quota-limit choice
inline constexpr std::size_t Limite320 = 320;
inline constexpr std::size_t Limite328 = 328;
inline constexpr std::size_t Limite336 = 336;
inline constexpr std::size_t Limite344 = 344;
inline constexpr std::size_t Extranjero424 = 424;
inline constexpr std::size_t Extranjero440 = 440;
inline constexpr std::size_t Extranjero456 = 456;
inline constexpr std::size_t Resultado = 512;          // the liquidation result
}  // namespace resumen

// RegPatAjuste: byte 0 is the result sign (1 when the liquidation result is 0 or negative).
namespace ajuste {
inline constexpr std::size_t SignoResultado = 0;
}  // namespace ajuste

template <typename Bloque>
double LeeDouble(const Bloque& bloque, std::size_t desplazamiento) {
  double valor = 0.0;
  if (desplazamiento <= sizeof(Bloque) - sizeof valor) std::memcpy(&valor, bloque.octetos + desplazamiento, sizeof valor);
  return valor;
}

template <typename Bloque>
void EscribeDouble(Bloque& bloque, std::size_t desplazamiento, double valor) {
  if (desplazamiento <= sizeof(Bloque) - sizeof valor) std::memcpy(bloque.octetos + desplazamiento, &valor, sizeof valor);
}

template <typename Bloque>
std::uint8_t LeeByte(const Bloque& bloque, std::size_t desplazamiento) {
  return desplazamiento < sizeof(Bloque) ? bloque.octetos[desplazamiento] : std::uint8_t{0};
}

template <typename Bloque>
void EscribeByte(Bloque& bloque, std::size_t desplazamiento, std::uint8_t valor) {
  if (desplazamiento < sizeof(Bloque)) bloque.octetos[desplazamiento] = valor;
}

// The bytes of a field, up to its width or its first NUL.
template <typename Bloque>
std::string_view LeeTexto(const Bloque& bloque, SCampo campo) {
  static_assert(sizeof(Bloque) > 0);
  if (campo.desplazamiento > sizeof(Bloque) || campo.ancho > sizeof(Bloque) - campo.desplazamiento) return {};
  return plataforma::LeeFija(reinterpret_cast<const char*>(bloque.octetos + campo.desplazamiento), campo.ancho);
}

// The field takes at most its width of `texto`, blank-padded.
template <typename Bloque>
void EscribeTexto(Bloque& bloque, SCampo campo, std::string_view texto) {
  if (campo.desplazamiento > sizeof(Bloque) || campo.ancho > sizeof(Bloque) - campo.desplazamiento) return;
  plataforma::CopiaFija(reinterpret_cast<char*>(bloque.octetos + campo.desplazamiento), campo.ancho, texto);
}

// The first character of a field is NUL or a blank: nothing has been entered.
template <typename Bloque>
bool CampoVacio(const Bloque& bloque, SCampo campo) {
  const std::uint8_t primero = LeeByte(bloque, campo.desplazamiento);
  return primero == 0 || primero == ' ';
}

// A tick mark of the declaration (the no-exempt-amount and the quota-computation marks): set when it holds 1, 'x'
// or 'X', as the calculation library reads it.
inline bool MarcaActiva(std::uint8_t marca) { return marca == 1 || marca == 'x' || marca == 'X'; }

}  // namespace patrimonio
