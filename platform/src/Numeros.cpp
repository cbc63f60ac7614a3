#include "platform/Numeros.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "platform/Texto.h"

namespace plataforma {
namespace {

// The digits and the decimal exponent of the shortest form of |valor| (valor = 0.DIGITS x 10^exponente).
void DigitosCortos(double valor, std::string& digitos, int& exponente) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(valor), std::chars_format::scientific);
  const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf));
  const auto e = s.find('e');
  digitos.clear();
  for (char c : s.substr(0, e)) {
    if (c != '.') digitos.push_back(c);
  }
  int exp10 = 0;
  std::string_view ex = s.substr(e + 1);
  if (!ex.empty() && ex.front() == '+') ex.remove_prefix(1);
  std::from_chars(ex.data(), ex.data() + ex.size(), exp10);
  exponente = exp10 + 1;
}

std::string NoFinito(double valor) {
  if (std::isnan(valor)) return "nan";
  return valor < 0 ? "-inf" : "inf";
}

}  // namespace

std::string FormateaFijo(double valor, int decimales) {
  if (!std::isfinite(valor)) return NoFinito(valor);
  if (decimales < 0) decimales = 0;
  std::string digitos;
  int exponente = 0;
  DigitosCortos(valor, digitos, exponente);
  if (valor == 0) {
    digitos = "0";
    exponente = 1;
  }
  // Keep `exponente + decimales` digits, rounding on the first one dropped.
  const long conservar = static_cast<long>(exponente) + decimales;
  std::string guardados;
  if (conservar < 0) {
    guardados.clear();
  } else if (static_cast<std::size_t>(conservar) >= digitos.size()) {
    guardados = digitos + std::string(static_cast<std::size_t>(conservar) - digitos.size(), '0');
  } else {
    guardados = digitos.substr(0, static_cast<std::size_t>(conservar));
    if (digitos[static_cast<std::size_t>(conservar)] >= '5') {
      long k = conservar - 1;
      for (; k >= 0; --k) {
        if (guardados[static_cast<std::size_t>(k)] == '9') {
          guardados[static_cast<std::size_t>(k)] = '0';
        } else {
          ++guardados[static_cast<std::size_t>(k)];
          break;
        }
      }
      if (k < 0) {
        guardados.insert(guardados.begin(), '1');
      }
    }
  }
  // Lay the digits out around the decimal point.
  std::string entero;
  std::string fraccion;
  const long total = static_cast<long>(guardados.size());
  const long nEnteros = total - decimales;
  if (nEnteros > 0) {
    entero = guardados.substr(0, static_cast<std::size_t>(nEnteros));
    fraccion = guardados.substr(static_cast<std::size_t>(nEnteros));
  } else {
    entero = "0";
    fraccion = std::string(static_cast<std::size_t>(-nEnteros), '0') + guardados;
  }
  const auto primero = entero.find_first_not_of('0');
  entero = primero == std::string::npos ? "0" : entero.substr(primero);
  if (fraccion.size() < static_cast<std::size_t>(decimales)) {
    fraccion.append(static_cast<std::size_t>(decimales) - fraccion.size(), '0');
  }
  const bool cero = entero == "0" && fraccion.find_first_not_of('0') == std::string::npos;
  std::string salida;
  if (valor < 0 && !cero) salida.push_back('-');
  salida += entero;
  if (decimales > 0) {
    salida.push_back('.');
    salida += fraccion;
  }
  return salida;
}

double RedondeaDecimales(double valor, int decimales) {
  if (!std::isfinite(valor)) return valor;
  double r = 0;
  const std::string texto = FormateaFijo(valor, decimales);
  std::from_chars(texto.data(), texto.data() + texto.size(), r);
  return r;
}

std::string FormateaGeneral(double valor, int precision) {
  if (!std::isfinite(valor)) return NoFinito(valor);
  if (precision <= 0) precision = 1;
  char buf[128];
  auto r = std::to_chars(buf, buf + sizeof buf, valor, std::chars_format::general, precision);
  return std::string(buf, r.ptr);
}

bool LeeDouble(std::string_view texto, double& valor) {
  texto = Recorta(texto);
  if (!texto.empty() && texto.front() == '+') texto.remove_prefix(1);
  if (texto.empty()) return false;
  double v = 0;
  auto r = std::from_chars(texto.data(), texto.data() + texto.size(), v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != texto.data() + texto.size()) return false;
  valor = v;
  return true;
}

long LeeEnteroFijo(const char* origen, std::size_t ancho) {
  std::size_t i = 0;
  while (i < ancho && (origen[i] == ' ' || origen[i] == '\t')) ++i;
  bool negativo = false;
  if (i < ancho && (origen[i] == '-' || origen[i] == '+')) {
    negativo = origen[i] == '-';
    ++i;
  }
  long valor = 0;
  for (; i < ancho && origen[i] >= '0' && origen[i] <= '9'; ++i) {
    const int d = origen[i] - '0';
    if (valor > (LONG_MAX - d) / 10) {
      valor = LONG_MAX;
      break;
    }
    valor = valor * 10 + d;
  }
  return negativo ? -valor : valor;
}

long LeeEntero(std::string_view texto) { return LeeEnteroFijo(texto.data(), texto.size()); }

}  // namespace plataforma
