#include "framework/CuentaBancaria.h"

#include <array>
#include <cstddef>

namespace marco {
namespace {

// Weights of the digits, taken from the last digit of a group towards its first.
constexpr std::array<int, 10> kPesos = {6, 3, 7, 9, 10, 5, 8, 4, 2, 1};

// The check digit of a group of digits: 11 - (weighted sum mod 11), with 10 written 1 and 11 written 0.
int DigitoDeControl(std::string_view grupo) {
  int suma = 0;
  std::size_t peso = 0;
  for (auto it = grupo.rbegin(); it != grupo.rend(); ++it) {
    suma += (*it - '0') * kPesos[peso++];
  }
  const int control = 11 - suma % 11;
  if (control == 10) return 1;
  if (control == 11) return 0;
  return control;
}

}  // namespace

int DigitosCuenta(std::string_view cuenta) {
  const auto fin = cuenta.find('\0');
  if (fin != std::string_view::npos) cuenta = cuenta.substr(0, fin);
  if (cuenta.size() < 20) return kCuentaNoNumerica;
  cuenta = cuenta.substr(0, 20);
  for (char c : cuenta) {
    if (c < '0' || c > '9') return kCuentaNoNumerica;
  }
  if (DigitoDeControl(cuenta.substr(0, 8)) != cuenta[8] - '0') return kCuentaPrimerDigito;
  if (DigitoDeControl(cuenta.substr(10, 10)) != cuenta[9] - '0') return kCuentaSegundoDigito;
  return kCuentaCorrecta;
}

}  // namespace marco
