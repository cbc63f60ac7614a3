// The number box edits: amounts with decimals ('F'), amounts whose picture follows the declaration's currency
// ('R'), integers ('I') and counters ('C'). The amount edits bind one double per person entry, the integer edits
// one 32-bit integer. Texts are typed with "," before the decimals and no thousands separators.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/EditEx.h"

namespace marco {

class CDoubleEdit : public CEditEx {
 public:
  // Maximum length: n + d + 1 with decimals, n without.
  explicit CDoubleEdit(CCampo& campo);
  CDoubleEdit() = default;
  // With a record of its own: `enteros` digits before the comma and `decimales` after (picture "F<i>.<d>").
  CDoubleEdit(int enteros, int decimales);

  int AsignarDato(void* dato) override;
  unsigned DameEstilo() override;
  int EsNumerico() override { return 1; }
  // Digits (within n before the comma and d after it), one comma when the box has decimals, '-' typed first or
  // toggling the sign (boxes that admit negatives), '+' dropping the sign, Backspace and Escape.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Empty, or a sign or digit first and then digits with at most one comma.
  int TextoAdmisible(std::string_view texto) override;
  // The figure rounded to the box's decimals, in its editing form; refused when it is negative and the box admits
  // no negatives, or when its whole part has more digits than the box.
  bool TextoDeCalculadora(double valor, std::string& texto) override;
  // The text as a number into the person's entry; the record's display text is rebuilt and the open declaration
  // marked as changed when the edit was modified. 0 when nothing is bound or the person is beyond the box's
  // repetition count.
  int GuardarValor() override;
  // 0: the editing form (no thousands points, trailing zero decimals dropped, zero as an empty box); 1 in an
  // edit with a record of its own, or in any read-only edit: the record's display text.
  void MostrarValor(int forma) override;

  // A typed amount as a number: every '.' dropped, ',' before the decimals; what does not read as a number
  // counts from its start as far as it reads ("-", "" and "," give 0.0).
  static double TextoADouble(std::string_view texto);
  // Drops the zeros after the comma, and the comma when nothing is left after it.
  static void QuitarCerosDecimales(std::string& texto);
  // The editing form of an amount with d decimals; empty for zero.
  static std::string TextoEdicion(double valor, int decimales);

 private:
  // Writes a sign change back, keeping a non-empty selection where it was over the digits.
  void CambiarSigno(const std::string& texto, int inicio, int fin);
};

class CMoneda : public CDoubleEdit {
 public:
  // As an amount edit; then the box's picture is resolved for the currency in use (the maximum length stays).
  explicit CMoneda(CCampo& campo);
};

class CEnteroEdit : public CEditEx {
 public:
  explicit CEnteroEdit(CCampo& campo) : CEditEx(campo) {}
  // With a record of its own of length L (picture "I" + L).
  explicit CEnteroEdit(int longitud);

  int AsignarDato(void* dato) override;
  unsigned DameEstilo() override;
  int EsNumerico() override { return 1; }
  // Digits and Backspace.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Digits, and the thousands points of a copied display text.
  int TextoAdmisible(std::string_view texto) override;
  // A whole, non-negative figure that fits the box's length and 32 bits, as its digits; anything else refused.
  bool TextoDeCalculadora(double valor, std::string& texto) override;
  // The text without its points as an integer into the one value. 0 when nothing is bound, or (with a beep) when
  // the number does not fit 32 bits.
  int GuardarValor() override;
  void MostrarValor(int forma) override;

 protected:
  CEnteroEdit(int longitud, char letra);
};

class CContadorEdit : public CEnteroEdit {
 public:
  explicit CContadorEdit(CCampo& campo) : CEnteroEdit(campo) {}
  // With a record of its own of length L (picture "C" + L).
  explicit CContadorEdit(int longitud) : CEnteroEdit(longitud, 'C') {}

  // Digits; Backspace removes the last digit wherever the caret is.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
};

}  // namespace marco
