// A whole number kept as text in a fixed field (a year of birth, a region code, the parts of a date).
#pragma once

#include <cstddef>
#include <string_view>

namespace ximardol {

// Read like a C integer within the field: leading blanks, an optional sign, then digits up to the first other
// character or the end of the field. No digits gives 0; so does an empty or blank field.
inline int EnteroDeTexto(std::string_view texto) {
  std::size_t i = 0;
  while (i < texto.size() && (texto[i] == ' ' || (texto[i] >= '\t' && texto[i] <= '\r'))) ++i;
  bool negativo = false;
  if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
    negativo = texto[i] == '-';
    ++i;
  }
  int valor = 0;
  // A fixed field holds a few digits; the cap only keeps a long run of digits from overflowing.
  for (; i < texto.size() && texto[i] >= '0' && texto[i] <= '9'; ++i) {
    if (valor < 100000000) valor = valor * 10 + (texto[i] - '0');
  }
  return negativo ? -valor : valor;
}

}  // namespace ximardol
