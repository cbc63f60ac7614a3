// A filled income-tax declaration of a family (declarant, spouse and one child, joint): work income from two payers,
// real-estate and movable capital income, an economic activity, gains and losses, a deduction of section E, pension
// plans and deductions of section M. The end-to-end tests and the benchmark of the recalculation run on it.
//
// Values are written at block + offset, as the program's pages and dialogs leave them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "ximardol.h"

namespace recalculo::ejemplo {

template <typename Bloque>
void Double(Bloque& bloque, std::size_t desplazamiento, double valor) {
  static_assert(sizeof(Bloque) >= sizeof(double));
  if (desplazamiento <= sizeof(Bloque) - sizeof valor) {
    std::memcpy(bloque.octetos + desplazamiento, &valor, sizeof valor);
  }
}

template <typename Bloque>
void Byte(Bloque& bloque, std::size_t desplazamiento, std::uint8_t valor) {
  if (desplazamiento < sizeof(Bloque)) bloque.octetos[desplazamiento] = valor;
}

template <typename Bloque>
void Texto(Bloque& bloque, std::size_t desplazamiento, std::string_view texto) {
  if (desplazamiento <= sizeof(Bloque) && texto.size() <= sizeof(Bloque) - desplazamiento) {
    std::memcpy(bloque.octetos + desplazamiento, texto.data(), texto.size());
  }
}

// Member codes: 1 family unit (split half and half), 2 declarant, 3 spouse, 4 first child.
inline void RellenaDeclaracion(DatosRenta& d) {
  std::memset(&d, 0, sizeof d);

  // Family: joint declaration, years of birth, region code of each person, three persons present.
  Byte(d.DatosFamilia, 0, 1);
  Byte(d.DatosFamilia, 3, 1);
  Texto(d.DatosFamilia, 4, "1955");
  Texto(d.DatosFamilia, 8, "1958");
  for (std::size_t persona = 0; persona < 3; ++persona) Texto(d.DatosFamilia, 48 + 32 * persona, "01");
  for (std::size_t persona = 0; persona < 3; ++persona) Byte(d.Identificacion, persona, 1);
  // A child born in 1990, descendant of both.
  Texto(d.Identificacion, 2496 + 42, "1990");
  Byte(d.Identificacion, 2496 + 57, 1);
  Byte(d.Identificacion, 2496 + 58, 1);
  Byte(d.Identificacion, 2496 + 59, 1);

  // Section A, work income: two payers (code, then amounts 1 to 12 at 8, 16, ...).
  Byte(d.RendTrabajo, 40, 2);
  Double(d.RendTrabajo, 40 + 8, 4200000.0);
  Double(d.RendTrabajo, 40 + 16, 630000.0);
  Double(d.RendTrabajo, 40 + 24, 120000.0);
  Double(d.RendTrabajo, 40 + 64, 262500.0);
  Byte(d.RendTrabajo, 144, 3);
  Double(d.RendTrabajo, 144 + 8, 1850000.0);
  Double(d.RendTrabajo, 144 + 16, 185000.0);
  Double(d.RendTrabajo, 144 + 64, 115600.0);

  // Section B, a flat let in common: income, expenses, withholding.
  Byte(d.RendCapInmobiliario, 40, 1);
  Double(d.RendCapInmobiliario, 40 + 8, 960000.0);
  Double(d.RendCapInmobiliario, 40 + 24, 140000.0);
  Double(d.RendCapInmobiliario, 40 + 32, 45000.0);
  Double(d.RendCapInmobiliario, 40 + 64, 144000.0);

  // Section C: interest (subsection 1), dividends (subsection 2), a subsection 3 row.
  Byte(d.RendCapMobiliario, 40, 1);
  Double(d.RendCapMobiliario, 40 + 16, 310000.0);
  Double(d.RendCapMobiliario, 40 + 24, 77500.0);
  Double(d.RendCapMobiliario, 40 + 32, 6000.0);
  Byte(d.RendCapMobiliario, 368, 2);
  Double(d.RendCapMobiliario, 368 + 8, 125000.0);
  Double(d.RendCapMobiliario, 368 + 16, 31250.0);
  Byte(d.RendCapMobiliario, 552, 3);
  Double(d.RendCapMobiliario, 552 + 8, 48000.0);
  Double(d.RendCapMobiliario, 552 + 16, 12000.0);

  // Section D, block 1: the spouse's professional activity (income, expenses, amount to subtract).
  Byte(d.ApartadoD1, 16, 3);
  Double(d.ApartadoD1, 16 + 8, 2900000.0);
  Double(d.ApartadoD1, 16 + 40, 640000.0);
  Double(d.ApartadoD1, 16 + 48, 210000.0);
  Double(d.ApartadoD1, 16 + 168, 15000.0);

  // Section E, block 2: a deduction row of kind '1' for the declarant.
  Byte(d.ApartadoE2, 24 + 9, '1');
  Byte(d.ApartadoE2, 24 + 10, 2);
  Double(d.ApartadoE2, 24 + 16, 400000.0);
  Double(d.ApartadoE2, 24 + 48, 80000.0);

  // Section F1: gains and losses of two rows; F2: a share sold, held since 1988.
  Byte(d.ApartadoF1, 0, 2);
  Double(d.ApartadoF1, 24, 350000.0);
  Double(d.ApartadoF1, 32, 90000.0);
  Byte(d.ApartadoF1, 56, 3);
  Double(d.ApartadoF1, 56 + 40, 120000.0);
  Byte(d.ApartadoF2, 20, 2);
  Texto(d.ApartadoF2, 22, "15031988");
  Texto(d.ApartadoF2, 30, "20091999");
  Double(d.ApartadoF2, 64, 2500000.0);
  Double(d.ApartadoF2, 72, 25000.0);
  Byte(d.ApartadoF2, 48, 1);
  Byte(d.ApartadoF2, 112, 1);
  Texto(d.ApartadoF2, 144, "15031988");
  Double(d.ApartadoF2, 152, 1400000.0);

  // Section J: pension-plan contributions of the declarant and of the spouse.
  Byte(d.ApartadoJ, 0, 2);
  Double(d.ApartadoJ, 16, 600000.0);
  Double(d.ApartadoJ, 24, 100000.0);
  Byte(d.ApartadoJ, 48, 3);
  Double(d.ApartadoJ, 48 + 16, 250000.0);

  // Section M: a first-group entry and entries of kinds a, b, c.
  Byte(d.ApartadoM, 40, 1);
  Double(d.ApartadoM, 48, 180000.0);
  Byte(d.ApartadoM, 168, 2);
  Double(d.ApartadoM, 168 + 8, 95000.0);
  Double(d.ApartadoM, 168 + 16, 30000.0);
  Double(d.ApartadoM, 168 + 24, 12000.0);
  Byte(d.ApartadoM, 544, 1);
  Double(d.ApartadoM, 544 + 8, 50000.0);
  Double(d.ApartadoM, 544 + 16, 20000.0);
}

}  // namespace recalculo::ejemplo
