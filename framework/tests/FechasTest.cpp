#include "framework/Fechas.h"

#include <gtest/gtest.h>

#include <string>

using namespace marco;

namespace {

TEST(Fechas, AnoBisiestoSoloDosMilEntreLosSiglos) {
  EXPECT_TRUE(EsAnoBisiesto(1996));
  EXPECT_TRUE(EsAnoBisiesto(2000));
  EXPECT_TRUE(EsAnoBisiesto(2004));
  EXPECT_FALSE(EsAnoBisiesto(1999));
  EXPECT_FALSE(EsAnoBisiesto(1900));
  EXPECT_FALSE(EsAnoBisiesto(2100));
  EXPECT_FALSE(EsAnoBisiesto(2400));
}

TEST(Fechas, DiasMesYFebreroSegunElAno) {
  CFechas fechas;
  const int esperados[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int mes = 0; mes < 12; ++mes) EXPECT_EQ(fechas.DiasMes(mes), esperados[mes]) << mes;
  EXPECT_EQ(fechas.DiasMes(-1), 0);
  EXPECT_EQ(fechas.DiasMes(12), 0);

  fechas.AjustarFebrero(2000);
  EXPECT_EQ(fechas.DiasMes(1), 29);
  fechas.AjustarFebrero(1900);
  EXPECT_EQ(fechas.DiasMes(1), 28);
  fechas.AjustarFebrero(1996);
  EXPECT_EQ(fechas.DiasMes(1), 29);
  fechas.AjustarFebrero(1999);
  EXPECT_EQ(fechas.DiasMes(1), 28);
  EXPECT_EQ(fechas.DiasMes(0), 31);  // only February changes
}

TEST(Fechas, EsFechaValida) {
  struct Caso {
    std::string fecha;
    bool valida;
  };
  const Caso casos[] = {
      {"29021999", false}, {"29022000", true},  {"29021996", true},  {"29021900", false}, {"29022100", false},
      {"00000000", true},  {"", true},          {"        ", true},  {"31041999", false}, {"30041999", true},
      {"31121899", false}, {"01011900", true},  {"31121999", true},  {"32011999", false}, {"01131999", false},
      {"00011999", false}, {"01001999", false}, {"01010000", false}, {"00001999", false}, {"01011999", true},
      // Not dates: a sign, letters, a short text.
      {"-1011999", false}, {"01-11999", false}, {"AB011999", false}, {"0101199", false},
      // A fixed field of NULs holds no date; one ending early at a NUL is cut short.
      {std::string(8, '\0'), true}, {std::string("0101\0\0\0\0", 8), false},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(EsFechaValida(caso.fecha), caso.valida) << '"' << caso.fecha << '"';
  }
}

TEST(Fechas, DescomponerFechaDeSeisCaracteresOMas) {
  int dia = -1;
  int mes = -1;
  int ano = -1;
  ASSERT_TRUE(CFechas::DescomponerFecha("150699", dia, mes, ano));
  EXPECT_EQ(dia, 15);
  EXPECT_EQ(mes, 6);
  EXPECT_EQ(ano, 1999);

  ASSERT_TRUE(CFechas::DescomponerFecha("29022000", dia, mes, ano));
  EXPECT_EQ(dia, 29);
  EXPECT_EQ(mes, 2);
  EXPECT_EQ(ano, 2000);

  ASSERT_TRUE(CFechas::DescomponerFecha("0101200", dia, mes, ano));  // three year digits: read as they are
  EXPECT_EQ(ano, 200);

  dia = mes = ano = -1;
  EXPECT_FALSE(CFechas::DescomponerFecha("01019", dia, mes, ano));
  EXPECT_FALSE(CFechas::DescomponerFecha(std::string("0101\0\0\0\0", 8), dia, mes, ano));
  EXPECT_EQ(dia, -1);
  EXPECT_EQ(mes, -1);
  EXPECT_EQ(ano, -1);
}

TEST(Fechas, DescomponerFechaOchoCifrasSoloConOchoCaracteres) {
  int dia = -1;
  int mes = -1;
  int ano = -1;
  ASSERT_TRUE(DescomponerFechaOchoCifras("15042000", dia, mes, ano));
  EXPECT_EQ(dia, 15);
  EXPECT_EQ(mes, 4);
  EXPECT_EQ(ano, 2000);

  dia = mes = ano = -1;
  EXPECT_FALSE(DescomponerFechaOchoCifras("150499", dia, mes, ano));    // the other splitter takes this one
  EXPECT_FALSE(DescomponerFechaOchoCifras("150420001", dia, mes, ano));
  EXPECT_EQ(dia, -1);
  EXPECT_EQ(mes, -1);
  EXPECT_EQ(ano, -1);
}

TEST(Fechas, AnosEntreFechas) {
  struct Caso {
    const char* primera;
    const char* segunda;
    int anos;
    bool fraccion;
  };
  const Caso casos[] = {
      {"15061950", "15061999", 49, false},  // anniversary
      {"16061950", "15061999", 48, true},   // one day short
      {"14061950", "15061999", 49, true},   // one day past
      {"15071950", "15061999", 48, true},   // a month short
      {"15051950", "15061999", 49, true},   // a month past
      {"29021996", "28021999", 3, false},   // 29 February counts on 28 February of a common year
      {"29021996", "28022000", 3, true},    // ... but not in a leap year
      {"29021996", "29022000", 4, false},
      {"28021996", "28021999", 3, false},   // an anniversary from a leap year to a common one
      {"28021997", "28021999", 2, false},   // ... and between two common years
      {"28021999", "29022000", 1, true},
  };
  for (const auto& caso : casos) {
    int anos = -99;
    bool fraccion = !caso.fraccion;
    EXPECT_EQ(CFechas::AnosEntreFechas(caso.primera, caso.segunda, anos, fraccion), kAnosCalculados)
        << caso.primera << " " << caso.segunda;
    EXPECT_EQ(anos, caso.anos) << caso.primera << " " << caso.segunda;
    EXPECT_EQ(fraccion, caso.fraccion) << caso.primera << " " << caso.segunda;
  }
}

TEST(Fechas, AnosEntreFechasSinCalculo) {
  int anos = -99;
  bool fraccion = true;
  EXPECT_EQ(CFechas::AnosEntreFechas("01011999", "31121999", anos, fraccion), kAnosMismoAno);
  EXPECT_EQ(anos, 0);
  EXPECT_TRUE(fraccion);  // the flag is left alone

  anos = -99;
  EXPECT_EQ(CFechas::AnosEntreFechas("01012000", "31121999", anos, fraccion), kAnosPrimeraPosterior);
  EXPECT_EQ(anos, -99);

  EXPECT_EQ(CFechas::AnosEntreFechas("010150", "01011999", anos, fraccion), kAnosFechaIlegible);
  EXPECT_EQ(CFechas::AnosEntreFechas("01011950", "", anos, fraccion), kAnosFechaIlegible);
  EXPECT_EQ(anos, -99);
  EXPECT_TRUE(fraccion);
}

TEST(Fechas, NombresDeLosMesesPorIdioma) {
  EXPECT_EQ(NombresMeses('E')[0], "ENE");
  EXPECT_EQ(NombresMeses('C')[0], "GEN");
  EXPECT_EQ(NombresMeses('v')[11], "DES");
  EXPECT_EQ(NombresMeses('G')[5], "XU\xD1");
  EXPECT_EQ(NombresMeses('g')[9], "OUT");
  EXPECT_EQ(NombresMeses('X')[8], "SEP");  // any other letter: Castilian

  EXPECT_EQ(CFechas::MesCastellano("ENE"), "01");
  EXPECT_EQ(CFechas::MesCastellano("DIC"), "12");
  EXPECT_EQ(CFechas::MesCastellano("ene"), "13");  // names are compared with their case
  EXPECT_EQ(CFechas::MesCastellano("GEN"), "13");
  EXPECT_EQ(CFechas::MesCatalan("SET"), "09");
  EXPECT_EQ(CFechas::MesCatalan("DES"), "12");
  EXPECT_EQ(CFechas::MesGallego("XU\xD1"), "06");
  EXPECT_EQ(CFechas::MesGallego("OUT"), "10");
  EXPECT_EQ(CFechas::MesGallego("OCT"), "13");
}

TEST(Fechas, ConvertirMes) {
  struct Caso {
    std::string origen;
    char idioma;
    const char* destino;
  };
  const Caso casos[] = {
      {"15ENE       1999", 'E', "15011999"},
      {"15GEN       1999", 'C', "15011999"},
      {"15ENE       1999", 'c', "15131999"},  // 'C' is the Catalan letter
      {"07XU\xD1       2000", 'G', "07062000"},
      {"31DES       1998", 'V', "31121998"},
      {"31DIC", 'E', "3112    "},            // a short text: the missing year reads as blanks
      {"", 'E', "  13    "},
  };
  for (const auto& caso : casos) {
    EXPECT_EQ(CFechas::ConvertirMes(caso.origen, caso.idioma), caso.destino) << caso.origen;
  }
}

}  // namespace
