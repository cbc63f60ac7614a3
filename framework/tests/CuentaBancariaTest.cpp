#include "framework/CuentaBancaria.h"

#include <gtest/gtest.h>

#include <string>

using namespace marco;

namespace {

TEST(CuentaBancaria, DigitosCuenta) {
  struct Caso {
    std::string cuenta;
    int resultado;
  };
  const Caso casos[] = {
      {"21000418450200051332", kCuentaCorrecta},
      {"00142542150200051332", kCuentaCorrecta},       // first check 11 - 10 is written 1
      {"00047514050200051332", kCuentaCorrecta},       // first check 11 - 0 is written 0
      {"21000418550200051332", kCuentaPrimerDigito},
      {"21000419450200051332", kCuentaPrimerDigito},   // an office digit changed
      {"21000418450200051333", kCuentaSegundoDigito},  // the account part alone is wrong: 2, never 1
      {"21000418440200051332", kCuentaSegundoDigito},
      {"21000418560200051333", kCuentaPrimerDigito},   // both wrong: the first is reported
      {"2100041845020005133", kCuentaNoNumerica},      // 19 characters
      {"2100 418450200051332", kCuentaNoNumerica},
      {"21000418450200O51332", kCuentaNoNumerica},
      {std::string("2100041845\0" "000051332", 20), kCuentaNoNumerica},
      {"", kCuentaNoNumerica},
      {"21000418450200051332XYZ", kCuentaCorrecta},    // only the first 20 characters count
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(DigitosCuenta(caso.cuenta), caso.resultado) << '"' << caso.cuenta << '"';
  }
}

}  // namespace
