// The two generated numbers of a declaration, made when it is saved: the identification text printed with the
// declarant's identification ("Ref.: " + four groups + a check digit) and the form reference number (model code,
// year digit, serial, check digit); and the program-wide flag that asks the next save to make both again.
//
// Both numbers depend on the moment they are made; the caller passes it, so that they can be reproduced.
#pragma once

#include <string>
#include <string_view>

namespace patrimonio {

// A moment of the local calendar and clock.
struct SMomento {
  int dia = 1;
  int mes = 1;
  int ano = 2000;
  int hora = 0;
  int minuto = 0;
  int segundo = 0;
};

SMomento MomentoActual();

// The check digit of a text, 0 to 6: its digits read as one number N (a "." is skipped, any other character that
// is not a digit counts as 0), (7 - N mod 7) mod 7.
int DigitoControl(std::string_view texto);

// The width of the identification text.
inline constexpr std::size_t kAnchoIdentificacion = 60;

// The identification text of a tax number (its first 9 characters), blank-padded to 60: "Ref.: " + number part
// (8) + "." + days part (2) + "." + time part (5) + "." + the check digit of the part after "Ref.: ". A tax number
// that is empty or blank gives 60 blanks.
std::string ComponerIdentificacion(std::string_view nif, const SMomento& momento);

// The model code of a declaration kind: 0-2 "100", 3 "714", 5 "393", 6 "390", 7 "311", 8 "104", 9 "105", any
// other "999".
std::string_view CodigoModelo(int tipo);

// The form reference number: model code + the last digit of (fiscal year - 4) + an 8-character serial made from
// characters 6-8 of `texto` and the second of the day, then a blank and the check digit of the first 12
// characters (14 characters in all).
std::string ComponerNumeroReferencia(int tipo, std::string_view texto, std::string_view ejercicio,
                                     const SMomento& momento);

// The program-wide flag: a value that enters the identification or the reference changed, so the next save
// makes both again (and clears it).
bool RecomponerIdentificacion();
void PonerRecomponerIdentificacion(bool recomponer);

}  // namespace patrimonio
