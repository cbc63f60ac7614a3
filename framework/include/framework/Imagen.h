// The picture of a box: the text that says what kind of value a box shows and how wide it is. Its first character
// is the type letter, then the field length n, then optionally "*" and the repetition count m (one value per
// person of the family unit), then optionally "." and the decimals d: "F12*5", "S10*5.1", "A9", "R13.2".
//
// Amount pictures of letter 'R' hold the euro and the peseta forms of the box, "R13.2-16.0" (the peseta part may
// also repeat the letter, "R13.2-R16.0"), or only the euro form, "R13.2", whose peseta form is derived from it.
// A declaration in one currency resolves the picture once, to the form of its currency.
#pragma once

#include <string>
#include <string_view>

namespace marco {

struct SMascara {
  int longitud = 0;    // n
  int repeticion = 0;  // m, 0 when the picture has none
  int decimales = 0;   // d, 0 when the picture has none
  friend bool operator==(const SMascara&, const SMascara&) = default;
};

// n, m and d of a picture. The digits up to the first "." or "*" are n, the single character after "*" is m,
// everything after "." is d; each is read as a decimal integer (blanks, a sign, digits). 1, or 0 for an empty
// picture, which gives n = m = d = 0.
int AnalizarMascara(std::string_view mascara, SMascara& resultado);
SMascara AnalizarMascara(std::string_view mascara);

// The type letter of a picture; '\0' for an empty one.
char LetraMascara(std::string_view mascara);

// Currency letters of a declaration.
inline constexpr char kMonedaEuros = 'E';
inline constexpr char kMonedaPesetas = 'P';

// The currency letter of a declaration from its stored code: "0" euros, "1" (and an empty or unknown code) pesetas.
char LetraMoneda(std::string_view codigoMoneda);

// The currency of the declaration in use, which 'R' pictures are resolved for: the document sets it when it loads
// a declaration (LetraMoneda of its stored code); pesetas until then. A letter other than the two is not taken.
char MonedaEnUso();
void PonerMonedaEnUso(char moneda);

// An 'R' picture resolved for a currency. In euros the euro form and the option 2 (amounts always show two
// decimals); in pesetas the peseta form and the option 0. Without a peseta form the peseta width is n + 3 when
// 0 <= d < 3, else n + d + 1, with no decimals and the same m. The picture is written back as "R<n>*<m>.<d>", or
// "R<n>.<d>" without m.
struct SMascaraMoneda {
  std::string mascara;
  int opcion = 0;
};

// False, and nothing written, for a picture that is not an 'R' one and for a currency letter other than
// kMonedaEuros and kMonedaPesetas.
bool ResolverMascaraMoneda(std::string_view mascara, char moneda, SMascaraMoneda& resultado);

}  // namespace marco
