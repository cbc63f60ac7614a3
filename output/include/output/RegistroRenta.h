// The bar-code data record of the income-tax declaration: the declaration of the person shown as one text of fixed
// fields, which the first printed page compresses, frames and paints as PDF417 symbols. The printing view holds one
// CRegistroRenta (its work tables) and gives it the few values of the document the record needs.
//
// The record, in order: header, identification of the person, the family rows (two tables), codes and flags, the
// amounts (D-100-only amounts written as 0 for D-101), the reduction block chosen by the person's region code, then
// section D (marks, rows of D1 and D2, D3 amounts, module and agricultural activities) and the amounts of M4. It is
// 9,703 characters long when exactly one of the person's four choices and one of the two marks are set; each one
// that is absent takes no place, each further one takes one place more.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "output/RegistroPdf417.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace salida {

class CCodigoBarrasDatos;

// What the record takes from the document and the program besides the data area.
struct SVistaRegistroRenta {
  int sujeto = 1;                    // the person shown, 1 family unit ... 5 second child
  int tipoDeclaracion = 2;           // the document's form: 1 D-101, 2 D-100
  int modeloNecesario = 2;           // what the person's data need: 2 D-100, else D-101
  bool hayConyugeOHijo = false;      // spouse or first child present
  std::string_view ejercicioFiscal;  // 4 characters, "1999"
  std::string_view textoCabecera1;   // 40 characters
  std::string_view textoCabecera2;   // 40 characters
  char letraWindows = 'I';           // the Windows version letter
  char letraIdioma = 'e';            // the first character of the printing language (upper-cased here)
};

// A work table of the filters: rows of fixed size, zero when not filled.
template <std::size_t Filas, std::size_t Bytes>
using CTablaTrabajo = std::array<std::array<std::uint8_t, Bytes>, Filas>;

// The tables of one section D block (D1 or D2): three of long rows, three of short ones.
struct STablasApartadoD {
  std::array<CTablaTrabajo<registro_renta::kFilasD, registro_renta::kBytesDLarga>, 3> largas{};
  std::array<CTablaTrabajo<registro_renta::kFilasD, registro_renta::kBytesDCorta>, 3> cortas{};
};

struct STablasRegistroRenta {
  CTablaTrabajo<registro_renta::kFilasFamilia1, registro_renta::kBytesFamilia1> familia1{};
  CTablaTrabajo<registro_renta::kFilasFamilia2, registro_renta::kBytesFamilia2> familia2{};
  STablasApartadoD d1{};
  STablasApartadoD d2{};
  CTablaTrabajo<registro_renta::kFilasD4, registro_renta::kBytesD4> d4{};
  CTablaTrabajo<registro_renta::kFilasD5, registro_renta::kBytesD5> d5{};
};

// The form prefix of the income-tax frame.
inline constexpr std::string_view kPrefijoTramaRenta = "1001999  1";

class CRegistroRenta {
 public:
  // The record's length when one choice and one mark are set, and the most it can hold.
  static constexpr std::size_t kLongitudRegistro = 9703;
  static constexpr std::size_t kLongitudMaxima = 9707;

  CRegistroRenta();

  // The person's record; an empty text when the person is not 1 to 5 or a value does not fit its field (the
  // caller then shows "PDF002" and prints the page without the symbols). Runs the filters below on the way.
  std::string DatosCodigoBarras(const DatosRenta& datos, const SVistaRegistroRenta& vista);

  // True when every row is taken as stored: the family unit, or the declarant with no spouse or first child.
  static bool TodasLasFilas(const SVistaRegistroRenta& vista);

  // The filters: each clears its work tables and copies into them, from the start, the rows of the person
  // (all rows when TodasLasFilas). Family rows: the first table only for the declarant and the spouse, rows
  // linked to the person (marker blank, NUL or "1") of a descendant born before 1982 who is not of class "2", or
  // with no exclusion; the second table only for the declarant and the spouse, rows whose marker is "1". Section
  // D rows: those whose holder is the person, copied with holder 2.
  void FiltrarFilasFamilia(const DatosRenta& datos, const SVistaRegistroRenta& vista);
  void FiltrarFilasD1(const DatosRenta& datos, const SVistaRegistroRenta& vista);
  void FiltrarFilasD2(const DatosRenta& datos, const SVistaRegistroRenta& vista);
  void FiltrarFilasD4(const DatosRenta& datos, const SVistaRegistroRenta& vista);
  void FiltrarFilasD5(const DatosRenta& datos, const SVistaRegistroRenta& vista);

  const STablasRegistroRenta& Tablas() const { return *m_tablas; }

 private:
  // The part of the record that follows the reduction block: section D and the amounts of M4.
  void EscribirApartadoD(CEscritorRegistro& registro, const DatosRenta& datos, const SVistaRegistroRenta& vista);

  std::unique_ptr<STablasRegistroRenta> m_tablas;
};

// Gives the frame the income-tax prefix and the identifier of person `sujeto`; false when the person has none.
bool PrepararTramaRenta(CCodigoBarrasDatos& trama, const DatosRenta& datos, int sujeto);

}  // namespace salida
