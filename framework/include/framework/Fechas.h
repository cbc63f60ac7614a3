// Dates of the declarations: texts ddmmaaaa (day, month, four-digit year), month lengths, leap years, the
// three-letter month names of the interface languages and the whole years between two dates.
//
// A blank date and the all-zero date "00000000" stand for "no date" and pass every date check.
// A year is a leap year when it is divisible by 4 and not by 100, or when it is 2000: 1900 and 2100 are common
// years here, and so is every century year but 2000.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace marco {

bool EsAnoBisiesto(int ano);

// True for a valid date ddmmaaaa, and for "no date" (a text that is empty or all blanks, or eight zeros).
// The year is read from the last four characters; years before 1900 are invalid. A text that is not blank and
// is shorter than eight characters, or whose day, month or year holds anything but digits and blanks, is invalid.
bool EsFechaValida(std::string_view fecha);

// The splitter of the reference numbers: only a text of exactly eight characters is split, into the numbers of
// characters 1-2, 3-4 and 5-8. Gives false and writes nothing otherwise.
bool DescomponerFechaOchoCifras(std::string_view fecha, int& dia, int& mes, int& ano);

// The month-name table of an interface language letter: 'C', 'V', 'c', 'v' Catalan / Valencian; 'G', 'g'
// Galician; any other letter Castilian. Twelve three-letter upper-case names in Windows-1252, January first.
const std::array<std::string_view, 12>& NombresMeses(char idioma);

// The month number (1-12) of a three-letter name, compared exactly (case-sensitive) with the language's table;
// 13 when no name matches.
int NumeroMes(std::string_view nombre, char idioma);

// Results of CFechas::AnosEntreFechas.
inline constexpr int kAnosMismoAno = 0;        // both dates in one year: years 0, the flag untouched
inline constexpr int kAnosCalculados = 1;      // years and flag written
inline constexpr int kAnosPrimeraPosterior = -1;  // the first year is later than the second: nothing written
inline constexpr int kAnosFechaIlegible = -2;  // a date that is not eight characters: nothing written

class CFechas {
 public:
  CFechas();

  // The length of a month, 0 (January) to 11; 0 for an index outside that range.
  int DiasMes(int mes) const;

  // February gets 29 days in a leap year, else 28.
  void AjustarFebrero(int ano);

  // Splits a date of at least six characters: day = characters 1-2, month = 3-4, year = characters 5 onward,
  // with "19" put before a two-character year ("010199" is 1 January 1999). Gives false and writes nothing for
  // a shorter text.
  static bool DescomponerFecha(std::string_view fecha, int& dia, int& mes, int& ano);

  // Whole years from the first date to the second (both ddmmaaaa). `fraccion` is false when the second date is
  // an anniversary of the first (a 29 February counts on 28 February of a common year), true when a part of a
  // year is left over. Gives one of the kAnos* results above.
  static int AnosEntreFechas(std::string_view primera, std::string_view segunda, int& anos, bool& fraccion);

  // From a display date (day in characters 1-2, three-letter month name in 3-5, year in 13-16) to ddmmaaaa;
  // the month number comes from the table of the language letter ("13" when the name is not in it).
  // Characters missing from a short text count as blanks.
  static std::string ConvertirMes(std::string_view origen, char idioma);

  // The two-character month number text of a month name: "01" to "12", "13" when the name is not in the table.
  static std::string MesCastellano(std::string_view nombre);
  static std::string MesCatalan(std::string_view nombre);
  static std::string MesGallego(std::string_view nombre);

 private:
  std::array<int, 12> diasMes_;
};

}  // namespace marco
