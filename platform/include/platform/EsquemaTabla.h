// The xBase-style description of a table: its fields and its tags.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

// One field: name (letters, digits, '_', starting with a letter, at most 32 characters), type letter and width.
// Letters: C text, N number with fixed decimals, F floating number, I 32-bit integer, L logical, D date text of
// 8 characters, M memo text of any length, B bytes of any length.
struct CCampoTabla {
  std::string nombre;
  char letra = 'C';
  int ancho = 0;
  int decimales = 0;
};

// One tag: a name and the key expression kept for every row.
struct CEtiquetaTabla {
  std::string nombre;
  std::string expresion;
  int opcion = 0;
};

// Checks a field and completes it: the letter in upper case, the fixed widths of I (4), L (1), D (8), M and B (10).
// Gives an empty text when the field is sound, else what is wrong with it.
std::string NormalizaCampo(CCampoTabla& campo);

// The index of the field named `nombre` (without regard to case), or -1.
int IndiceCampo(const std::vector<CCampoTabla>& campos, std::string_view nombre);

}  // namespace plataforma
