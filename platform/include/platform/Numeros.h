// Numbers as texts, never through the process locale: a Spanish locale must not turn "1.25" into "1,25".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace plataforma {

// Fixed decimals with "." as the separator. The value is rounded half away from zero on its shortest decimal
// form (the digits that read back as the same double), so 0.125 gives "0.13" and 2.675 gives "2.68".
// A result that rounds to zero carries no minus sign.
std::string FormateaFijo(double valor, int decimales);

// The same rounding, as a number.
double RedondeaDecimales(double valor, int decimales);

// The "%g" general format with `precision` significant digits (6 when not said).
std::string FormateaGeneral(double valor, int precision = 6);

// Whole text as a number with "." as the decimal separator; blanks around it and a leading "+" are allowed.
bool LeeDouble(std::string_view texto, double& valor);

// An integer from a fixed field: blanks first, an optional sign, then digits up to the first non-digit or the end
// of the field, whichever comes first. Never reads past `ancho` bytes. No digits gives 0.
long LeeEnteroFijo(const char* origen, std::size_t ancho);

// The same over a text.
long LeeEntero(std::string_view texto);

}  // namespace plataforma
