// The expression language of the tables: filters, searches and the keys of the tags.
//
// Field names, texts in ' or ", numbers, .T./.F., `+` (sum of numbers, concatenation of texts keeping their blanks),
// `-`, `*`, `/` on numbers, comparisons `=` (on texts the right side is compared over its own length, an empty right
// side always matches), `==` (equal ignoring trailing blanks), `<`, `>`, `<=`, `>=`, `<>`, `#`, `!=` (the last three
// are the negation of `=`), .AND., .OR., .NOT. (any case, with or without blanks around them), parentheses and the
// functions STRZERO(n, w[, d]), STR(n[, w[, d]]), UPPER(s), TRIM(s), RTRIM(s), LTRIM(s), ALLTRIM(s),
// SUBSTR(s, start[, length]), DELETED(), RECNO().
//
// Texts are Windows-1252 bytes. An expression is checked against the fields of its table when it is compiled;
// mixing types or naming an unknown field makes it invalid (type 0), and so does nesting deeper than
// kProfundidadMaximaExpresion (brackets, functions, signs, .NOT. and chains of operators all count): the compiler,
// the evaluation and the tree itself recurse once per level, so a text from a file cannot exhaust the stack.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/EsquemaTabla.h"

namespace plataforma {

// The deepest an expression may nest: far beyond what the program's keys and conditions need (a few levels).
inline constexpr int kProfundidadMaximaExpresion = 200;

// Why an expression did not compile.
enum class EErrorExpresion { Ninguno, Sintaxis, Tipos, Anidada };

// The numbers are the type codes the record engine reports: 3 is logical.
enum class ETipoValor : int { Ninguno = 0, Texto = 1, Numero = 2, Logico = 3 };

struct CValor {
  ETipoValor tipo = ETipoValor::Ninguno;
  std::string texto;
  double numero = 0;
  bool logico = false;

  static CValor DeTexto(std::string t);
  static CValor DeNumero(double n);
  static CValor DeLogico(bool l);
};

// What an expression reads: the values of the fields of one row.
class CFuenteValores {
 public:
  virtual ~CFuenteValores() = default;
  virtual CValor ValorCampo(std::size_t indice) const = 0;
  virtual bool Borrada() const { return false; }
  virtual long NumeroRegistro() const { return 0; }
};

struct CNodoExpresion;

class CExpresion {
 public:
  CExpresion() = default;

  static CExpresion Compilar(std::string_view texto, const std::vector<CCampoTabla>& campos);

  bool Valida() const { return raiz_ != nullptr; }
  ETipoValor Tipo() const { return tipo_; }
  const std::string& Texto() const { return texto_; }
  const std::string& Error() const { return error_; }
  EErrorExpresion CodigoError() const { return codigo_; }

  // An invalid expression gives a value of no type.
  CValor Evaluar(const CFuenteValores& fila) const;
  // True only for a valid logical expression that holds on the row.
  bool Cumple(const CFuenteValores& fila) const;

 private:
  std::shared_ptr<const CNodoExpresion> raiz_;
  ETipoValor tipo_ = ETipoValor::Ninguno;
  std::string texto_;
  std::string error_;
  EErrorExpresion codigo_ = EErrorExpresion::Ninguno;
};

// A literal of the language that reads back as exactly `texto`, whatever quotes it holds (O'NEILL gives "O'NEILL";
// a text with both kinds of quote becomes a concatenation of pieces).
std::string LiteralTexto(std::string_view texto);
std::string LiteralNumero(double numero);

enum class EComparacion { Igual, Exacto, Distinto, Menor, MenorOIgual, Mayor, MayorOIgual };

// A condition built from fields, operators and values, never by pasting user data between quotes.
class CCondicion {
 public:
  // A field name that is not a plain name makes the condition invalid; an invalid condition matches nothing.
  static CCondicion Campo(std::string_view campo, EComparacion op, std::string_view texto);
  static CCondicion Campo(std::string_view campo, EComparacion op, double numero);
  static CCondicion Campo(std::string_view campo, EComparacion op, int numero) {
    return Campo(campo, op, static_cast<double>(numero));
  }
  static CCondicion Campo(std::string_view campo, EComparacion op, const char* texto) {
    return Campo(campo, op, std::string_view(texto));
  }

  CCondicion Y(const CCondicion& otra) const;
  CCondicion O(const CCondicion& otra) const;
  CCondicion No() const;

  bool Valida() const { return valida_; }
  // The expression text; an invalid condition gives a text that never compiles.
  const std::string& Texto() const { return texto_; }

 private:
  std::string texto_;
  bool valida_ = false;
};

}  // namespace plataforma
