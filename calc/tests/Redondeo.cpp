// The rounding helpers against the way they were first written (modf on the value, the scale built in extended
// precision one factor of ten at a time): the same double, bit for bit, over edge values and a wide sweep of
// amounts, so that a faster rewrite never moves a result.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "Ayudas.h"

namespace ximardol {
namespace {

double RedondeaReferencia(double valor) {
  double entero = 0.0;
  const double fraccion = std::modf(valor, &entero);
  if (fraccion >= 0.5) entero += 1.0;
  return entero + 0.0;
}

double TruncReferencia(double valor, int decimales) {
  long double escalado = valor;
  long double escalaLarga = 1.0L;
  for (int i = 0; i < decimales && i < 400; ++i) {
    escalado *= 10.0L;
    escalaLarga *= 10.0L;
  }
  const double x = static_cast<double>(escalado);
  const double escala = static_cast<double>(escalaLarga);
  if (!std::isfinite(x) || !std::isfinite(escala)) return valor;
  double entero = 0.0;
  const double fraccion = std::modf(x, &entero);
  if (fraccion > 0.9999999) return (entero + 1.0) / escala;
  if (fraccion < -0.9999999) return (entero - 1.0) / escala;
  return entero / escala;
}

// Equal bits (so -0 differs from 0); two values that are not numbers count as equal.
bool MismoDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b);
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::vector<double> ValoresLimite() {
  constexpr double dos52 = 4503599627370496.0;
  std::vector<double> base{0.0,
                           0.5,
                           1.5,
                           2.5,
                           0.49999999999999994,
                           0.5000000000000001,
                           0.29,
                           0.57,
                           2.675,
                           1.005,
                           0.9999999,
                           0.99999999,
                           0.99999990000000005,
                           7.9,
                           123.4567,
                           1234567.5,
                           999999.995,
                           1e12,
                           1e12 + 0.5,
                           1e12 + 0.25,
                           123456789012.345,
                           1e15 + 0.5,
                           dos52 - 0.5,
                           dos52 - 1.0,
                           dos52,
                           dos52 + 1.0,
                           2.0 * dos52 + 2.0,
                           9.2e18,
                           9.3e18,
                           1e19,
                           1e300,
                           DBL_MAX,
                           DBL_MIN,
                           std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  std::vector<double> valores;
  for (double v : base) {
    valores.push_back(v);
    valores.push_back(-v);
    valores.push_back(std::nextafter(v, 0.0));
    valores.push_back(-std::nextafter(v, 0.0));
    valores.push_back(std::nextafter(v, DBL_MAX));
    valores.push_back(-std::nextafter(v, DBL_MAX));
  }
  return valores;
}

// Amounts as they come: cents and ten-thousandths written as quotients and as products, halves, and values of
// every magnitude from a fixed pseudo-random sequence.
std::vector<double> Barrido() {
  std::vector<double> valores;
  for (int n = -200000; n <= 200000; n += 7) {
    valores.push_back(n / 100.0);
    valores.push_back(n * 0.01);
    valores.push_back(n / 10000.0);
    valores.push_back(n + 0.5);
    valores.push_back(n * 12345.6789);
  }
  std::uint64_t estado = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 200000; ++i) {
    estado = estado * 6364136223846793005u + 1442695040888963407u;
    const double mantisa = static_cast<double>(estado >> 11) / 9007199254740992.0;  // [0, 1)
    const int exponente = static_cast<int>((estado >> 3) % 40) - 20;                 // 1e-20 .. 1e19
    const double v = mantisa * std::pow(10.0, exponente);
    valores.push_back((estado & 1) ? -v : v);
  }
  return valores;
}

TEST(Redondeo, RedondeaDaElMismoDoubleQueAlSepararConModf) {
  for (const std::vector<double>& valores : {ValoresLimite(), Barrido()}) {
    for (double v : valores) {
      ASSERT_TRUE(MismoDouble(Redondea(v), RedondeaReferencia(v))) << std::hexfloat << v;
      const PartesValor partes = Separa(v);
      double entero = 0.0;
      const double fraccion = std::modf(v, &entero);
      ASSERT_TRUE(MismoDouble(partes.entero, entero)) << std::hexfloat << v;
      if (std::isfinite(v)) {
        ASSERT_EQ(partes.fraccion, fraccion) << std::hexfloat << v;
      }
    }
  }
}

TEST(Redondeo, TruncDaElMismoDoubleQueAlEscalarEnPrecisionExtendida) {
  for (const std::vector<double>& valores : {ValoresLimite(), Barrido()}) {
    for (int decimales : {-5, -1, 0, 1, 2, 3, 4, 5, 6, 9, 400}) {
      for (double v : valores) {
        ASSERT_TRUE(MismoDouble(Trunc(v, decimales), TruncReferencia(v, decimales)))
            << std::hexfloat << v << " to " << std::dec << decimales;
      }
    }
  }
}

TEST(Redondeo, ElSignoDelCeroSeConserva) {
  EXPECT_TRUE(std::signbit(Trunc(-0.3, 0)));
  EXPECT_TRUE(std::signbit(Trunc(-0.001, 2)));
  EXPECT_FALSE(std::signbit(Trunc(0.001, 2)));
  EXPECT_FALSE(std::signbit(Redondea(-0.3)));
  EXPECT_FALSE(std::signbit(Redondea(-0.0)));
}

// The shortcuts for zero give the same double as the full helpers, zeros of either sign included.
TEST(Redondeo, LosAtajosDelCeroDanLoMismoQueLasFuncionesEnteras) {
  for (const std::vector<double>& valores : {ValoresLimite(), Barrido()}) {
    for (double v : valores) {
      ASSERT_TRUE(MismoDouble(RedondeaSinCeros(v), Redondea(v))) << std::hexfloat << v;
      for (int decimales : {-1, 0, 2, 4, 6}) {
        ASSERT_TRUE(MismoDouble(TruncSinCeros(v, decimales), Trunc(v, decimales)))
            << std::hexfloat << v << " to " << std::dec << decimales;
      }
    }
  }
  const ImportesMiembro importes{{-0.0, 0.0, 2.5, -2.5, 1e300}};
  const ImportesMiembro sinCeros = RedondeaSinCeros(importes);
  const ImportesMiembro enteros = Redondea(importes);
  for (std::size_t k = 0; k < importes.size(); ++k) EXPECT_TRUE(MismoDouble(sinCeros[k], enteros[k])) << k;
}

}  // namespace
}  // namespace ximardol
