#include "platform/Texto.h"

#include <gtest/gtest.h>

#include <string>

using namespace plataforma;

TEST(Texto, CadaByteVaYVuelveIgual) {
  for (int b = 0; b < 256; ++b) {
    const std::string uno(1, static_cast<char>(b));
    const std::string utf8 = Cp1252AUtf8(uno);
    EXPECT_EQ(Utf8ACp1252(utf8), uno) << "byte " << b;
  }
}

TEST(Texto, LetrasDelCodigo) {
  struct Caso {
    unsigned char byte;
    const char* utf8;
  };
  const Caso casos[] = {
      {0xD1, "Ñ"}, {0xF1, "ñ"}, {0x80, "€"}, {0xBA, "º"}, {0xAA, "ª"}, {0xC7, "Ç"}, {0x81, "\xC2\x81"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Cp1252AUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8) << int(c.byte);
  }
  EXPECT_EQ(Utf8ACp1252("AÑO 1999 €"), "A\xD1O 1999 \x80");
}

TEST(Texto, SinByteEnElCodigoOUtf8RotoDaSustituto) {
  EXPECT_EQ(Utf8ACp1252("a\xE2\x82"), "a??");         // each byte of a cut sequence
  EXPECT_EQ(Utf8ACp1252("\xC0\xAF"), "??");           // overlong form
  EXPECT_EQ(Utf8ACp1252("\xE4\xB8\xAD", '_'), "_");   // no Windows-1252 byte
}

TEST(Texto, CampoFijoConEnieSigueTeniendoSuAncho) {
  char campo[10];
  const std::string enie = Utf8ACp1252("Ñ");
  CopiaFija(campo, sizeof campo, enie);
  EXPECT_EQ(std::string(campo, sizeof campo), "\xD1         ");
  EXPECT_EQ(LeeFijaRecortada(campo, sizeof campo), "\xD1");
}

TEST(Texto, CopiaFijaCortaYRellena) {
  char campo[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
  CopiaFija(campo, 4, "ABCDEFG");
  EXPECT_EQ(std::string(campo, 6), "ABCDxx");
  CopiaFija(campo, 4, "");
  EXPECT_EQ(std::string(campo, 6), "    xx");
}

TEST(Texto, LeeFijaNoPasaDelAnchoNiDelNul) {
  const char sinNul[] = {'1', '9', '9', '9', 'Z', 'Z'};
  EXPECT_EQ(LeeFija(sinNul, 4), "1999");
  const char conNul[] = {'A', 'B', '\0', 'C'};
  EXPECT_EQ(LeeFija(conNul, 4), "AB");
}

TEST(Texto, Mayusculas) {
  EXPECT_EQ(Mayusculas1252(Utf8ACp1252("peñaranda, josé")), Utf8ACp1252("PEÑARANDA, JOSÉ"));
  EXPECT_EQ(Mayusculas1252("a1\xF7"), "A1\xF7");  // ÷ is not a letter
}
