// The compressor behind the bar-code frame: the count it gives for each buffer size, and the reverse that a
// reader uses, which must tell damaged data from good.
#include "platform/Compresion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace plataforma;

namespace {

constexpr std::string_view kFormulario = "1001999   ";

std::string Aleatorio(std::size_t n, unsigned semilla) {
  std::mt19937 g(semilla);
  std::string s(n, '\0');
  for (char& c : s) c = static_cast<char>(g() & 0xFF);
  return s;
}

std::string Registro(std::size_t n) {
  std::string s;
  while (s.size() < n) s += "1001999  112345678Z000000012345N00000000123FERNANDEZ GARCIA MARIA  ";
  s.resize(n);
  return s;
}

TEST(Compresion, IdaYVueltaDeUnaPiezaDeTexto) {
  const std::string pieza = Registro(4096);
  std::vector<std::uint8_t> salida(pieza.size(), ' ');
  const int cuenta = Comprimir(kFormulario, pieza, salida);
  ASSERT_GT(cuenta, 0);
  ASSERT_LT(cuenta, static_cast<int>(pieza.size()));
  salida.resize(static_cast<std::size_t>(cuenta));
  EXPECT_EQ(Descomprimir(salida, 4096), pieza);
}

TEST(Compresion, BufferCortoDaElTamanoNecesarioSinEscribir) {
  // Random bytes do not shrink: the count asks for a bigger buffer, and that size is then enough.
  const std::string pieza = Aleatorio(4096, 7);
  std::vector<std::uint8_t> corta(pieza.size(), ' ');
  const int necesario = Comprimir(kFormulario, pieza, corta);
  ASSERT_GT(necesario, static_cast<int>(corta.size()));
  EXPECT_EQ(corta, std::vector<std::uint8_t>(pieza.size(), ' '));

  std::vector<std::uint8_t> justa(static_cast<std::size_t>(necesario), ' ');
  EXPECT_EQ(Comprimir(kFormulario, pieza, justa), necesario);
  EXPECT_EQ(Descomprimir(justa, 4096), pieza);
}

TEST(Compresion, PiezaVaciaFalla) {
  std::vector<std::uint8_t> salida(16, ' ');
  EXPECT_LE(Comprimir(kFormulario, "", salida), 0);
}

TEST(Compresion, DescomprimirRechazaDatosDanados) {
  const std::string pieza = Registro(3000);
  std::vector<std::uint8_t> buena(pieza.size(), ' ');
  buena.resize(static_cast<std::size_t>(Comprimir(kFormulario, pieza, buena)));
  ASSERT_EQ(Descomprimir(buena, 3000), pieza);

  auto cambiada = buena;
  cambiada[cambiada.size() / 2] ^= 0x20;
  EXPECT_FALSE(Descomprimir(cambiada, 10000).has_value());
  EXPECT_FALSE(Descomprimir(std::span(buena).first(buena.size() - 1), 10000).has_value());  // cut short
  auto conCola = buena;
  conCola.push_back(0);
  EXPECT_FALSE(Descomprimir(conCola, 10000).has_value());  // bytes behind the stream
  EXPECT_FALSE(Descomprimir(buena, 2999).has_value());      // more than the reader allows
  EXPECT_FALSE(Descomprimir({}, 10).has_value());
}

}  // namespace
