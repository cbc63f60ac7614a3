// Spanish bank account numbers (CCC): 20 digits, entity 4, office 4, two check digits, account 10.
#pragma once

#include <string_view>

namespace marco {

inline constexpr int kCuentaCorrecta = 0;          // both check digits right
inline constexpr int kCuentaPrimerDigito = 1;      // the check digit of entity and office is wrong
inline constexpr int kCuentaSegundoDigito = 2;     // the check digit of the account is wrong
inline constexpr int kCuentaNoNumerica = -1;       // fewer than 20 characters, or one that is not a digit

// Checks the two check digits of the first 20 characters of an account text (the text ends at a NUL).
// The first check digit is tested first: an account whose account part alone is wrong gives 2.
int DigitosCuenta(std::string_view cuenta);

}  // namespace marco
