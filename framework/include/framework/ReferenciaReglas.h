// The generated numbers of a printed or filed declaration and the date texts they are made from, without windows
// or tables:
// - the reference text printed with the declarant's identification: "Ref.: " + number part (8) + "." + days part
//   (2) + "." + time part (5) + "." + a check digit, blank-padded to 60 characters;
// - the form reference number kept when a declaration is saved: model code (3) + year digit (1) + serial (8), a
//   blank and a check digit (14 characters, all digits but the blank: the EAN-128 code of the payment pages is
//   made from them);
// - dates written as exactly eight characters DDMMYYYY, with the leap rule of framework/Fechas.h (2000 is the
//   only leap century year);
// - the letter of the running Windows version used in generated texts, and the program-wide flag that asks the
//   next save to compose the reference and the identification again.
//
// Both numbers depend on the moment they are made; the rules take it as an argument so that they can be
// reproduced, and the declaration document passes its clock's moment.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace marco {

// A moment of the local calendar and clock.
struct SMomento {
  int dia = 1;
  int mes = 1;
  int ano = 2000;
  int hora = 0;
  int minuto = 0;
  int segundo = 0;
};

// Now, by the local clock.
SMomento MomentoActual();

// The width of the reference text (the document's member holds it blank-padded, zero-terminated after it).
inline constexpr std::size_t kAnchoTextoReferencia = 60;
// The width of the form reference number.
inline constexpr std::size_t kAnchoNumeroReferencia = 14;
// The fixed date the days part of the reference text counts from.
inline constexpr std::string_view kFechaBaseReferencia = "15042000";

// ---- dates of exactly eight characters ----

// The date of a moment as DDMMYYYY (the year with its four digits).
std::string FechaOchoCifras(const SMomento& momento);
// True for exactly eight characters (a text ends at its first NUL) of digits or blanks, month 1 to 12, day 1 to
// the month's length; any year 0 to 9999.
bool FechaOchoCifrasValida(std::string_view fecha);
// -2 when either date is not valid; else -1, 0 or 1 as `a` is earlier than, equal to or later than `b`.
int CompararFechasOchoCifras(std::string_view a, std::string_view b);
// Days from `a` to `b` (0 for the same date); -1 when either date is not valid or `a` is later than `b`.
long DiasEntreFechasOchoCifras(std::string_view a, std::string_view b);

// ---- the two numbers ----

// The check digit of a text, 0 to 6: its characters read as the digits of one number N, a "." skipped and any
// other character that is not a digit (a letter, a blank) read as 0; (7 - N mod 7) mod 7.
int DigitoControl(std::string_view texto);

// The model code of a declaration kind: 0, 1, 2 "100"; 3 "714"; 5 "393"; 6 "390"; 7 "311"; 8 "104"; 9 "105";
// any other "999".
std::string_view CodigoModelo(int tipo);

// The reference text of a tax number at a moment, 60 characters. The tax number counts up to its first NUL, its
// first 9 characters, without trailing blanks; none left gives 60 blanks. Number part: a letter in first and
// ninth place gives "9" and characters 2 to 8; a letter in ninth place only, the first 8 characters; otherwise
// the last 8, right-aligned with blanks when there are fewer. Days part: the last two digits of the days between
// the moment's date and 15 April 2000, either way round. Time part: (second + 1) x (hour + 1) x (minute + 1),
// five digits.
std::string TextoIdentificacion(std::string_view nif, const SMomento& momento);

// The form reference number of a declaration kind: model code + the last digit of (fiscal year - 4) + serial,
// a blank and the check digit of the first 12 characters. The serial is 100000000 minus the number read from
// characters 6 to 8 of `texto` (as many of them as it has; "000" when it is empty) followed by the second of the
// day, written with 8 digits (the first 8 of 100000000).
std::string NumeroReferenciaFormulario(int tipo, std::string_view texto, std::string_view ejercicio,
                                       const SMomento& momento);

// ---- the Windows version letter ----

enum class EPlataformaWindows { Win32s, Windows9x, NT, Otra };
struct SVersionWindows {
  EPlataformaWindows plataforma = EPlataformaWindows::Otra;
  int mayor = 0;
  int menor = 0;
};

// 'I' without an answer of the system; 'W' Win32s; the Windows 95 family '5' for a major version below 4 or
// version 4.0, '8' for 4.x with x other than 0 or a major version above 4; 'T' the NT family; 'I' any other.
char LetraWindows(const std::optional<SVersionWindows>& version);
// The letter of the running system: this program runs on no Windows platform, so 'I'.
char DameLetraWindows();

// ---- the program-wide flag ----

// Set when a value that enters a declaration's identification or reference changes (identification boxes, a
// disability key of the work-income detail, a mark of the transmission-value details); the next save of a
// declaration composes the reference number and the identification text again and clears it.
bool RecomponerIdentificacion();
void PonerRecomponerIdentificacion(bool recomponer);

}  // namespace marco
