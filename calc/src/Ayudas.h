// The small helpers every section shares: rounding, per-member distribution, weighted sums, clamps, the two
// progressive scales, the date helpers and the common-value text. `Trunc` and `DameCuantiaMaximaPlanPensiones` are
// exports (ximardol.h) and are called as they are. The rounding, distribution and clamp helpers run many times in
// every recalculation and are defined here, inline, so that each section's arithmetic on its five slots compiles
// in place.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "Acceso.h"
#include "ImportesMiembro.h"

namespace ximardol {

// ---- Rounding -----------------------------------------------------------------------------------------------

// A value split as the C modf splits it: the integer part toward zero with the sign of the value, and the fraction
// (value minus integer part, exact). Below 2^52 the integer part fits a 64-bit integer, and converting to it cuts
// toward zero; from 2^52 on every double is whole. An infinite value is its own integer part, and so is a value that
// is not a number.
struct PartesValor {
  double entero;
  double fraccion;
};

inline PartesValor Separa(double valor) {
  constexpr double DesdeEntero = 4503599627370496.0;  // 2^52
  if (!(std::fabs(valor) < DesdeEntero)) return {valor, 0.0};
  const double entero = std::copysign(static_cast<double>(static_cast<std::int64_t>(valor)), valor);
  return {entero, valor - entero};
}

// To a whole unit: the integer part, plus one when the fraction is 0.5 or more. Negative amounts are cut toward
// zero (-2.7 gives -2, -0.5 gives 0, -1.5 gives -1).
inline double Redondea(double valor) {
  PartesValor partes = Separa(valor);
  if (partes.fraccion >= 0.5) partes.entero += 1.0;
  return partes.entero + 0.0;  // -0.5 gives 0, not -0
}

// `Redondea` on every slot.
inline ImportesMiembro Redondea(const ImportesMiembro& importes) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = Redondea(importes[k]);
  return r;
}

// `Redondea` and `Trunc`, skipped for an amount of zero. Redondea gives +0.0 for 0.0 and for -0.0 (the integer part
// of either is a zero, the fraction +0.0, and adding 0.0 drops the sign), and Trunc gives a zero back as it is (a zero
// scales to the same zero and has no fraction); most slots of a declaration are zero, and the test costs less than
// splitting the value.
inline double RedondeaSinCeros(double valor) { return valor == 0.0 ? 0.0 : Redondea(valor); }

inline ImportesMiembro RedondeaSinCeros(const ImportesMiembro& importes) {
  ImportesMiembro r;
  for (std::size_t k = 0; k < r.size(); ++k) r[k] = RedondeaSinCeros(importes[k]);
  return r;
}

inline double TruncSinCeros(double valor, int decimales) { return valor == 0.0 ? valor : Trunc(valor, decimales); }

// ---- Per-member distribution --------------------------------------------------------------------------------

// A member-coded amount: a person code (1 family unit, 2 to 5 the persons) and an amount.
struct ParMiembro {
  int miembro;
  double importe;
};

// Adds one amount to an array of `importes.size()` slots (5 in every section): member 1 adds Redondea(amount / 2)
// to the declarant and to the spouse, members 2 to 5 add the amount to their own slot (4 and 5 only when there are
// five slots); the total (slot 0) gets the amount unrounded. Fewer than 3 slots or a member code outside 1..5 adds
// nothing.
inline void SumaImporteMiembro(std::span<double> importes, int miembro, double importe) {
  if (importes.size() < 3 || miembro < Sujeto::UnidadFamiliar || miembro > Sujeto::SegundoHijo) return;
  if (miembro == Sujeto::UnidadFamiliar) {
    const double mitad = Redondea(importe * 0.5);
    importes[1] += mitad;
    importes[2] += mitad;
  } else if (miembro <= Sujeto::Conyuge || importes.size() >= 5) {
    importes[static_cast<std::size_t>(miembro - 1)] += importe;
  }
  importes[0] += importe;
}

// The member array of the pairs, added in order with `SumaImporteMiembro`; a pair with a negative member code ends
// the list.
inline ImportesMiembro RepartirImportes(std::span<const ParMiembro> pares) {
  ImportesMiembro importes{};
  for (const ParMiembro& par : pares) {
    if (par.miembro < 0) break;
    SumaImporteMiembro(importes, par.miembro, par.importe);
  }
  return importes;
}
inline ImportesMiembro RepartirImportes(std::initializer_list<ParMiembro> pares) {
  return RepartirImportes(std::span<const ParMiembro>(pares.begin(), pares.size()));
}

// Zeroes the array, then adds the pairs as above (any number of slots).
inline void RepartirImportes(std::span<double> importes, std::span<const ParMiembro> pares) {
  for (double& importe : importes) importe = 0.0;
  for (const ParMiembro& par : pares) {
    if (par.miembro < 0) break;
    SumaImporteMiembro(importes, par.miembro, par.importe);
  }
}

// The member array of a list of member-coded rows: the amount of each row, in row order, added to the member of its
// code with `SumaImporteMiembro`, for every row of the code column.
template <typename Bloque>
ImportesMiembro RepartirFilas(const Bloque* bloque, Columna<Bloque, std::uint8_t> miembro,
                              Columna<Bloque, double> importe) {
  ImportesMiembro grupo{};
  for (std::size_t i = 0; i < miembro.cuantos; ++i) {
    SumaImporteMiembro(grupo, Lee(bloque, miembro, i), Lee(bloque, importe, i));
  }
  return grupo;
}

// A row of five doubles and its weight.
struct FilaPonderada {
  ImportesMiembro fila;
  double peso;
};

// Slot by slot, the sum of weight x row, in order; a weight of exactly 0.0 ends the list (the rows after it are not
// added).
inline ImportesMiembro SumaPonderada(std::span<const FilaPonderada> filas) {
  ImportesMiembro suma{};
  for (const FilaPonderada& fila : filas) {
    if (fila.peso == 0.0) break;
    for (std::size_t k = 0; k < suma.size(); ++k) suma[k] += fila.peso * fila.fila[k];
  }
  return suma;
}
inline ImportesMiembro SumaPonderada(std::initializer_list<FilaPonderada> filas) {
  return SumaPonderada(std::span<const FilaPonderada>(filas.begin(), filas.size()));
}

// A limit for one element: kind 0 or less is a floor (the element becomes at least the limit), above 0 a ceiling.
inline constexpr int CotaInferior = 0;
inline constexpr int CotaSuperior = 1;
struct Cota {
  double limite;
  int tipo;
};

// Clamps element i by limit i, for as many elements as there are both elements and limits.
inline void AcotaImportes(std::span<double> importes, std::span<const Cota> cotas) {
  for (std::size_t i = 0; i < importes.size() && i < cotas.size(); ++i) {
    const Cota& cota = cotas[i];
    if (cota.tipo <= 0) {
      if (importes[i] < cota.limite) importes[i] = cota.limite;
    } else if (importes[i] > cota.limite) {
      importes[i] = cota.limite;
    }
  }
}
inline void AcotaImportes(std::span<double> importes, std::initializer_list<Cota> cotas) {
  AcotaImportes(importes, std::span<const Cota>(cotas.begin(), cotas.size()));
}

// An amount, or each slot, raised to 0: a negative amount becomes 0.
inline double ElevadoACero(double importe) { return importe < 0.0 ? 0.0 : importe; }
inline ImportesMiembro ElevadoACero(ImportesMiembro importes) {
  for (double& importe : importes) importe = ElevadoACero(importe);
  return importes;
}

// An amount lowered to a cap, or each slot to the same slot of the cap: the lesser of the two.
inline double RebajadoA(double importe, double tope) { return importe > tope ? tope : importe; }
inline ImportesMiembro RebajadoA(ImportesMiembro importes, const ImportesMiembro& tope) {
  for (std::size_t k = 0; k < importes.size(); ++k) importes[k] = RebajadoA(importes[k], tope[k]);
  return importes;
}

// ---- Scales of the liquidation ------------------------------------------------------------------------------

// The quota of a base by the first and by the second progressive scale; a negative base gives 0.
double AplicaEscala1(double base);
double AplicaEscala2(double base);

// ---- Dates: 8 characters, ddmmyyyy ------------------------------------------------------------------------------
//
// A date text is a view that ends at the field's first NUL or at its width (`LeeTexto`); it is a date only when it
// has exactly 8 characters and none of them is NUL.

// Splits the text into day (2 characters), month (2) and year (4), each read like a C integer (blanks, sign,
// digits up to the first other character). False, and nothing written, when the text is not a date text.
bool DescomponeFecha(std::string_view texto, int& dia, int& mes, int& anio);

// Divisible by 4 and not by 100, or 2000: no other century year is a leap year.
bool EsBisiesto(int anio);

// A date text whose year is 0 or more, month 1..12 and day within the month.
bool ValidaFecha(std::string_view texto);

// -2 when either text is not a valid date, else -1 / 0 / 1 as a is earlier than, equal to or later than b.
int ComparaFechas(std::string_view a, std::string_view b);

// Whole years from one date to another (the dates are split, not validated):
//  0 when both are in the same year (anios = 0);
// -1 when `desde` is in a later year than `hasta`, or either text cannot be split (anios is left as it was);
//  1 otherwise, with anios the whole years and noExacto 1 when the span is not an exact number of years.
// noExacto is set to 0 first, so it is 0 unless the result says otherwise.
int AniosEntreFechas(std::string_view desde, std::string_view hasta, int& anios, int& noExacto);

// ---- Common value of a list ---------------------------------------------------------------------------------

// The text of a box that shows the one value common to a list: the first value is the candidate; the others, each
// cut to 2 decimals, are taken in order until a negative one (or the end); values of 0 or less are skipped; a 0
// candidate takes the next positive value; a positive value other than the candidate gives "VARIOS". A candidate
// not above 0 gives an empty field; otherwise its value cut to 2 decimals in the general format with a decimal
// comma. Always 8 bytes, padded with NUL.
Texto<8> FormateaValorComun(std::span<const double> valores);
Texto<8> FormateaValorComun(std::initializer_list<double> valores);

}  // namespace ximardol
