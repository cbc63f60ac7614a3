// Texts of the data areas and tables: single-byte Windows-1252, fixed width, blank-padded.
// Conversion to UTF-8 happens only at the window boundary, through these two functions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plataforma {

// Every byte has a code point: the five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the same code points as in Latin-1, so a round trip through UTF-8 loses nothing.
char32_t CodigoDeByte1252(unsigned char byte);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int ByteDeCodigo1252(char32_t codigo);

std::string Cp1252AUtf8(std::string_view texto);

// Invalid UTF-8 sequences and code points without a Windows-1252 byte become `sustituto`.
std::string Utf8ACp1252(std::string_view texto, char sustituto = '?');

// Copies at most `ancho` bytes of `origen` into `destino` and pads the rest of the field with blanks.
void CopiaFija(char* destino, std::size_t ancho, std::string_view origen);

// The text of a fixed field: at most `ancho` bytes, ending early at a NUL; never reads past the field.
std::string_view LeeFija(const char* origen, std::size_t ancho);

// The same, without trailing blanks.
std::string_view LeeFijaRecortada(const char* origen, std::size_t ancho);

std::string_view RecortaDerecha(std::string_view texto);
std::string_view RecortaIzquierda(std::string_view texto);
std::string_view Recorta(std::string_view texto);

// Upper case of ASCII letters and of the Windows-1252 accented letters (á -> Á, ñ -> Ñ, ÿ -> Ÿ).
std::string Mayusculas1252(std::string_view texto);

}  // namespace plataforma
