// The text box edits: names and free text (letter 'A') and codes of digits kept as text (letter 'Z'). Both keep
// n characters, blank-padded, in the bound value, as the base edit stores them.
#pragma once

#include <string_view>

#include "framework/EditEx.h"

namespace marco {

// Names and free text: letters (accented ones, Ñ and Ç too), blanks and punctuation, but no digits and none of
// ! " $ % & ( ) = ? ¿ * · + _ ~ { } [ ] |.
class CAlfaEdit : public CEditEx {
 public:
  explicit CAlfaEdit(CCampo& campo) : CEditEx(campo) {}
  // With a record of its own of length L (picture "S" + L).
  explicit CAlfaEdit(int longitud) : CEditEx(longitud) {}

  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // A pasted text passes when no character from the second on is one the filter refuses.
  int TextoAdmisible(std::string_view texto) override;

  // True for a character a name never holds.
  static bool EsCaracterRechazado(unsigned char caracter);
};

// Codes of digits kept as text.
class CANumEdit : public CEditEx {
 public:
  explicit CANumEdit(CCampo& campo) : CEditEx(campo) {}
  explicit CANumEdit(int longitud) : CEditEx(longitud) {}

  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // A pasted text passes when every character from the second on is a digit.
  int TextoAdmisible(std::string_view texto) override;
};

}  // namespace marco
