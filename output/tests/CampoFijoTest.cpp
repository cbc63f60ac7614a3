// The fields of the bar-code data record: each kind's bytes at its width, the values that do not fit and stop the
// record, and the bound of the record's buffer.
#include "output/CampoFijo.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace salida;

namespace {

struct CCaso {
  const char* nombre;
  CFuenteCampo fuente;
  ETipoCampo tipo;
  int ancho;
  int decimales;
  std::optional<std::string> esperado;  // nothing: the value does not fit and the record stops
};

// Values the cases point at; they live as long as the test.
const double kMenos1234 = -1234, k1234y6 = 1234.6, kDiezBillones = 1e13, kMenosDoceNueves = -999999999999.0,
             kMenosBillon = -1e12, kSiete = 7, kCien = 100, kDoceYMedio = 12.5, kMenosDoceYMedio = -12.5,
             kGrandeConDecimales = 999999.99, kDosYMedio = 2.5, kTresYMedio = 3.5, kMenosDosYMedio = -2.5,
             kOctavo = 0.125, kMedio = 0.5, kCero = 0, kMenosCeroTres = -0.3,
             kNan = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
const std::int32_t k42 = 42, kMenos42 = -42, k12345 = 12345, kMenos12345 = -12345, k123456 = 123456,
                   kMinimo = std::numeric_limits<std::int32_t>::min(), kCinco = 5;
const std::uint8_t kUno = 1, kDos = 2, kByteCero = 0;
const char kX = 'X', kNul = '\0';
const char kTextoNul[] = {'\0', 'X', 'Y', 'Z'};

std::vector<CCaso> Casos() {
  using T = ETipoCampo;
  const auto de = [](const auto& v) { return CFuenteCampo::De(v); };
  return {
      // Whole amounts: N takes the first place of a negative one.
      {"importe negativo", de(kMenos1234), T::Importe, 13, 0, "N000000001234"},
      {"importe redondeado", de(k1234y6), T::Importe, 13, 0, "0000000001235"},
      {"importe de catorce cifras", de(kDiezBillones), T::Importe, 13, 0, std::nullopt},
      {"negativo de doce nueves", de(kMenosDoceNueves), T::Importe, 13, 0, "N999999999999"},
      {"negativo de trece cifras", de(kMenosBillon), T::Importe, 13, 0, std::nullopt},
      {"importe nulo", CFuenteCampo::Nula(), T::Importe, 4, 0, "0000"},
      {"negativo que redondea a cero", de(kMenosCeroTres), T::Importe, 4, 0, "N000"},
      // A half goes to the even unit, as the C library's conversion does.
      {"dos y medio", de(kDosYMedio), T::Importe, 13, 0, "0000000000002"},
      {"tres y medio", de(kTresYMedio), T::Importe, 13, 0, "0000000000004"},
      {"menos dos y medio", de(kMenosDosYMedio), T::Importe, 13, 0, "N000000000002"},
      {"medio", de(kMedio), T::Importe, 3, 0, "000"},
      {"octavo con dos decimales", de(kOctavo), T::Decimal, 4, 2, "0.12"},
      {"importe que no es numero", de(kNan), T::Importe, 5, 0, std::nullopt},
      {"importe infinito", de(kInf), T::Importe, 20, 0, std::nullopt},
      // Doubles with decimals.
      {"decimal 7 en 2", de(kSiete), T::Decimal, 2, 0, "07"},
      {"decimal 100 en 2", de(kCien), T::Decimal, 2, 0, std::nullopt},
      {"decimal con dos decimales", de(kDoceYMedio), T::Decimal, 8, 2, "00012.50"},
      {"decimal negativo", de(kMenosDoceYMedio), T::Decimal, 8, 2, "-0012.50"},
      {"decimales que no caben", de(kGrandeConDecimales), T::Decimal, 8, 2, std::nullopt},
      {"cero sin signo", de(kMenosCeroTres), T::Decimal, 3, 0, "000"},
      // Integers, both kinds alike.
      {"entero", de(k42), T::Entero, 5, 0, "00042"},
      {"entero bis", de(k42), T::EnteroBis, 3, 0, "042"},
      {"entero negativo", de(kMenos42), T::Entero, 5, 0, "-0042"},
      {"entero lleno", de(k12345), T::Entero, 5, 0, "12345"},
      {"entero que no cabe", de(k123456), T::Entero, 5, 0, std::nullopt},
      {"negativo que usa todas las cifras", de(kMenos12345), T::EnteroBis, 5, 0, std::nullopt},
      {"el menor entero", de(kMinimo), T::Entero, 11, 0, "-2147483648"},
      {"entero nulo", CFuenteCampo::Nula(), T::Entero, 3, 0, "000"},
      {"fuente corta para un entero", de(kUno), T::Entero, 3, 0, std::nullopt},
      {"ancho cero con cero", de(kCero), T::Importe, 0, 0, ""},
      {"ancho cero con valor", de(kCinco), T::Entero, 0, 0, std::nullopt},
      {"ancho negativo", de(kCinco), T::Entero, -1, 0, std::nullopt},
      // Texts byte for byte; a NUL ends the text.
      {"texto con blancos", CFuenteCampo::DeTexto("AB CD"), T::Texto, 5, 0, "AB CD"},
      {"texto cortado", CFuenteCampo::DeTexto("ABCDEFG"), T::Texto, 4, 0, "ABCD"},
      {"texto que empieza en NUL", CFuenteCampo(kTextoNul, sizeof kTextoNul), T::Texto, 4, 0, "    "},
      {"texto nulo", CFuenteCampo::Nula(), T::Texto, 3, 0, "   "},
      {"texto mas corto que el campo", CFuenteCampo::DeTexto("AB"), T::Texto, 4, 0, "AB  "},
      {"texto de Windows-1252", CFuenteCampo::DeTexto("\xD1U\xD1O"), T::Texto, 4, 0, "\xD1U\xD1O"},
      // One character and flags; the rest of the width is blank.
      {"caracter", de(kX), T::Caracter, 1, 0, "X"},
      {"caracter NUL", de(kNul), T::Caracter, 1, 0, " "},
      {"caracter nulo", CFuenteCampo::Nula(), T::Caracter, 1, 0, " "},
      {"caracter en campo ancho", de(kX), T::Caracter, 3, 0, "X  "},
      {"marca 1", de(kUno), T::Marca, 1, 0, "1"},
      {"marca 2", de(kDos), T::Marca, 1, 0, "0"},
      {"marca 0", de(kByteCero), T::Marca, 1, 0, "0"},
      {"marca nula", CFuenteCampo::Nula(), T::Marca, 1, 0, " "},
  };
}

TEST(CampoFijo, CadaTipoEscribeSusBytes) {
  for (const CCaso& c : Casos()) {
    SCOPED_TRACE(c.nombre);
    CRegistroFijo registro(100);
    ASSERT_TRUE(registro.AnadirCampoFijo(CFuenteCampo::DeTexto("<"), ETipoCampo::Texto, 1));
    const bool escrito = registro.AnadirCampoFijo(c.fuente, c.tipo, c.ancho, c.decimales);
    EXPECT_EQ(CabeEnAncho(c.fuente, c.tipo, c.ancho, c.decimales), c.esperado ? 1 : 0);
    if (c.esperado) {
      EXPECT_TRUE(escrito);
      EXPECT_EQ(registro.Texto(), "<" + *c.esperado);
      EXPECT_EQ(registro.Posicion(), 1 + static_cast<std::size_t>(c.ancho));
    } else {
      EXPECT_FALSE(escrito);
      EXPECT_TRUE(registro.Detenido());
      EXPECT_EQ(registro.Texto(), "<");  // nothing of the refused field is written
    }
  }
}

TEST(CampoFijo, UnValorQueNoCabeDetieneElRegistro) {
  CRegistroFijo registro(50);
  const std::int32_t grande = 1000;
  const std::int32_t bueno = 1;
  EXPECT_TRUE(registro.AnadirCampoFijo(CFuenteCampo::De(bueno), ETipoCampo::Entero, 2));
  EXPECT_FALSE(registro.AnadirCampoFijo(CFuenteCampo::De(grande), ETipoCampo::Entero, 3));
  // Later fields, good as they are, are refused too: the record is abandoned.
  EXPECT_FALSE(registro.AnadirCampoFijo(CFuenteCampo::De(bueno), ETipoCampo::Entero, 2));
  EXPECT_EQ(registro.Texto(), "01");
}

TEST(CampoFijo, NuncaEscribeMasAllaDelRegistro) {
  CRegistroFijo registro(6);
  EXPECT_TRUE(registro.AnadirCampoFijo(CFuenteCampo::DeTexto("ABCD"), ETipoCampo::Texto, 4));
  EXPECT_FALSE(registro.AnadirCampoFijo(CFuenteCampo::DeTexto("EFG"), ETipoCampo::Texto, 3));
  EXPECT_TRUE(registro.Detenido());
  EXPECT_EQ(registro.Texto(), "ABCD");

  CRegistroFijo justo(6);
  EXPECT_TRUE(justo.AnadirCampoFijo(CFuenteCampo::DeTexto("ABCD"), ETipoCampo::Texto, 4));
  EXPECT_TRUE(justo.AnadirCampoFijo(CFuenteCampo::DeTexto("EF"), ETipoCampo::Texto, 2));
  EXPECT_EQ(justo.Texto(), "ABCDEF");
}

TEST(CampoFijo, TipoDesconocidoNoEscribeNiDetiene) {
  CRegistroFijo registro(10);
  const std::int32_t valor = 12;
  EXPECT_TRUE(registro.AnadirCampoFijo(CFuenteCampo::De(valor), static_cast<ETipoCampo>(7), 4));
  EXPECT_EQ(registro.Posicion(), 0u);
  EXPECT_FALSE(registro.Detenido());
  EXPECT_TRUE(registro.AnadirCampoFijo(CFuenteCampo::De(valor), ETipoCampo::Entero, 4));
  EXPECT_EQ(registro.Texto(), "0012");
}

TEST(CampoFijo, ElLocaleDelProcesoNoCambiaLosNumeros) {
  if (std::setlocale(LC_ALL, "es_ES.utf8") == nullptr) GTEST_SKIP() << "no Spanish locale on this machine";
  CRegistroFijo registro(20);
  const double valor = 1234.5;
  EXPECT_TRUE(registro.AnadirCampoFijo(CFuenteCampo::De(valor), ETipoCampo::Decimal, 9, 2));
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(registro.Texto(), "001234.50");
}

}  // namespace
