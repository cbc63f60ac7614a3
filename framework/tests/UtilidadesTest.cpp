#include "framework/Utilidades.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

using namespace marco;

namespace {

std::string Bytes(std::initializer_list<unsigned char> bytes) {
  std::string texto;
  for (unsigned char b : bytes) texto.push_back(static_cast<char>(b));
  return texto;
}

TEST(Utilidades, Redondear) {
  struct Caso {
    double valor;
    double redondeado;
  };
  const Caso casos[] = {
      {1.5, 2},   {2.5, 3},   {2.49, 2},  {0.49999999999999994, 0}, {3.0, 3}, {0.0, 0},
      {-0.5, 0},  {-2.5, -2}, {-2.7, -2}, {-3.0, -3},               {1234567.5, 1234568},
  };
  for (const auto& caso : casos) {
    const double r = Redondear(caso.valor);
    EXPECT_EQ(r, caso.redondeado) << caso.valor;
    EXPECT_EQ(std::signbit(r), std::signbit(caso.redondeado)) << caso.valor;  // no "-0"
  }
  EXPECT_TRUE(std::isnan(Redondear(std::numeric_limits<double>::quiet_NaN())));
}

TEST(Utilidades, QuitarAcentos) {
  const std::string mayusculas = Bytes({0xC0, 0xC1, 0xC2, 0xC4, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD,
                                        0xCE, 0xCF, 0xD2, 0xD3, 0xD4, 0xD6, 0xD9, 0xDA, 0xDB, 0xDC});
  EXPECT_EQ(QuitarAcentos(mayusculas), "AAAAEEEEIIIIOOOOUUUU");

  // Lower-case accented letters, Ñ, Ç, Ã, Å and Õ stay as they are.
  const std::string iguales = Bytes({0xE1, 0xE9, 0xF1, 0xD1, 0xC7, 0xC3, 0xC5, 0xD5, 'a', '1', ' '});
  EXPECT_EQ(QuitarAcentos(iguales), iguales);

  EXPECT_EQ(QuitarAcentos("JOS" + Bytes({0xC9}) + " MU" + Bytes({0xD1, 0xD3, 'Z'})),
            "JOSE MU" + Bytes({0xD1}) + "OZ");
}

TEST(Utilidades, Blancos) {
  EXPECT_TRUE(EsBlanco(' '));
  EXPECT_TRUE(EsBlanco('\0'));
  EXPECT_FALSE(EsBlanco('a'));
  EXPECT_TRUE(NoEsBlanco('0'));
  EXPECT_FALSE(NoEsBlanco(' '));

  EXPECT_TRUE(EsCadenaEnBlanco(""));
  EXPECT_TRUE(EsCadenaEnBlanco("   "));
  EXPECT_FALSE(EsCadenaEnBlanco("  x"));
  EXPECT_TRUE(EsCadenaEnBlanco("  x", 2));
  EXPECT_FALSE(EsCadenaEnBlanco("  x", 3));
  EXPECT_TRUE(EsCadenaEnBlanco("ab", 0));
  EXPECT_TRUE(EsCadenaEnBlanco(" ", 5));                           // the text ends before n
  EXPECT_TRUE(EsCadenaEnBlanco(std::string("  \0x", 4)));          // ... or at a NUL
  EXPECT_TRUE(EsCadenaEnBlanco(std::string(9, '\0'), 9));

  std::string texto = "abc   ";
  QuitarBlancosDerecha(texto);
  EXPECT_EQ(texto, "abc");
  texto = " a b ";
  QuitarBlancosDerecha(texto);
  EXPECT_EQ(texto, " a b");
  texto = "    ";
  QuitarBlancosDerecha(texto);
  EXPECT_EQ(texto, "");
}

TEST(Utilidades, NumerosEnTextos) {
  EXPECT_EQ(NumeroDeCadena("123456", 3), 123);
  EXPECT_EQ(NumeroDeCadena("  42abc", 10), 42);
  EXPECT_EQ(NumeroDeCadena("-12", 3), -12);
  EXPECT_EQ(NumeroDeCadena("abc", 3), 0);
  EXPECT_EQ(NumeroDeCadena("99", 0), 0);
  EXPECT_EQ(NumeroDeCadena("99", -4), 0);
  EXPECT_EQ(NumeroDeCadena("99999999999999999999", 20), std::numeric_limits<int>::max());

  EXPECT_TRUE(EsCadenaNumerica("12 3"));
  EXPECT_TRUE(EsCadenaNumerica(""));
  EXPECT_FALSE(EsCadenaNumerica("12a"));
  EXPECT_FALSE(EsCadenaNumerica("1.5"));
}

TEST(Utilidades, Puntos) {
  std::string texto = "1.234.567.";
  QuitarPuntos(texto);
  EXPECT_EQ(texto, "1234567");

  EXPECT_EQ(CadenaSinPuntos("Ref.: 12345678.09.00001.3"), "1234567809000013");
  EXPECT_EQ(CadenaSinPuntos("Ref.: "), "");
  EXPECT_EQ(CadenaSinPuntos("abc"), "");
}

TEST(Utilidades, AnadirCaracteres) {
  std::string destino = "x";
  AnadirCaracteres("abcdef", 3, destino);
  EXPECT_EQ(destino, "xabc");
  AnadirCaracteres("gh", 5, destino);
  EXPECT_EQ(destino, "xabcgh");
  AnadirCaracteres(std::string("i\0j", 3), 3, destino);
  EXPECT_EQ(destino, "xabcghi");
  AnadirCaracteres("zz", 0, destino);
  EXPECT_EQ(destino, "xabcghi");
}

TEST(Utilidades, EsCodigoPostal) {
  struct Caso {
    const char* texto;
    bool valido;
  };
  const Caso casos[] = {
      {"", true},       {"     ", true},  {"28001", true},  {"01001", true},  {"52001", true},
      {"53001", false}, {"60000", false}, {"00123", false}, {"2800 ", false}, {" 2800", false},
      {"2a001", false}, {"5", false},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(EsCodigoPostal(caso.texto), caso.valido) << '"' << caso.texto << '"';
  }
}

TEST(Utilidades, EsLetraNombre) {
  for (unsigned char c : Bytes({' ', 'A', 'Z', 'a', 'z', 0xC7, 0xD1, 0xF1, 0xA5, 0xA4})) {
    EXPECT_TRUE(EsLetraNombre(static_cast<char>(c))) << static_cast<int>(c);
  }
  for (unsigned char c : Bytes({'0', '9', '\'', '-', '\0', 0xC1, 0xE7, 0xE1})) {
    EXPECT_FALSE(EsLetraNombre(static_cast<char>(c))) << static_cast<int>(c);
  }
}

}  // namespace
