// Small text and number helpers shared by the box checks, the dialogs and the pages. Texts are single-byte
// Windows-1252; a text read from a fixed field ends at its first NUL.
#pragma once

#include <string>
#include <string_view>

namespace marco {

// Rounds to a whole number: the whole part, plus 1 when the fraction is 0.5 or more. The fraction keeps the
// sign of the value, so negative values are cut toward zero: 2.5 -> 3, 2.49 -> 2, -0.5 -> 0, -2.5 and -2.7 -> -2.
// Never gives a negative zero.
double Redondear(double valor);

// The integer that the first n characters start with (blanks, a sign, digits); 0 when there are no digits.
int NumeroDeCadena(std::string_view texto, int n);

// Removes every '.' in place.
void QuitarPuntos(std::string& texto);

// The text without its first six characters and without any '.'; empty for a text of six characters or less.
std::string CadenaSinPuntos(std::string_view texto);

// Appends to `destino` the characters of `texto` up to n or up to its end (a NUL ends it).
void AnadirCaracteres(std::string_view texto, int n, std::string& destino);

// Removes the trailing blanks in place.
void QuitarBlancosDerecha(std::string& texto);

// A copy with the accents of the upper-case vowels folded (Á À Â Ä -> A, and so on for E, I, O, U). Lower-case
// letters, Ñ, Ç, Ã, Å and Õ stay as they are.
std::string QuitarAcentos(std::string_view texto);

// NUL or blank / neither.
bool EsBlanco(char c);
bool NoEsBlanco(char c);

// True when the first n characters (the whole text when n is below 0) are empty or all blanks; the text may end
// (at its end or at a NUL) before n.
bool EsCadenaEnBlanco(std::string_view texto, int n = -1);

// True when the text holds only digits and blanks.
bool EsCadenaNumerica(std::string_view texto);

// True for a blank text, and for a text of digits only (no blank) whose first two digits are a province
// number 01-52.
bool EsCodigoPostal(std::string_view texto);

// Letters a holder's name may start with: blank, A-Z, a-z, Ç, and Ñ / ñ both in Windows-1252 (0xD1, 0xF1) and in
// the DOS code page 850 (0xA5, 0xA4) that older exchange files carry.
bool EsLetraNombre(char c);

}  // namespace marco
