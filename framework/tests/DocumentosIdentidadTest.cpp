#include "framework/DocumentosIdentidad.h"

#include <gtest/gtest.h>

#include <string>

using namespace marco;

namespace {

TEST(DocumentosIdentidad, NormalizarYClasificar) {
  struct Caso {
    std::string tecleado;
    const char* normalizado;
    int tipo;
  };
  const Caso casos[] = {
      {"12345678Z", "12345678Z", TipoNIF::kPersonal},
      {"12345678z", "12345678Z", TipoNIF::kPersonal},
      {"x1234567l", "X1234567L", TipoNIF::kExtranjero},
      {"1234567 L", "01234567L", TipoNIF::kPersonal},
      {" 1234567L", "01234567L", TipoNIF::kPersonal},
      {"1234567L", "01234567L", TipoNIF::kPersonal},
      {"x123456s", "X0123456S", TipoNIF::kExtranjero},     // the X goes back in front of the padding
      {"X12345V", "X0012345V", TipoNIF::kExtranjero},
      {"K1234567L", "K1234567L", TipoNIF::kLetraKLM},
      {"A58818501", "A58818501", TipoNIF::kEntidadDigito},
      {"A5881850A", "A5881850A", TipoNIF::kEntidadLetra},
      {"q2826000h", "Q2826000H", TipoNIF::kEntidadPQS},
      {"012345678", "012345678", TipoNIF::kSoloDigitos},
      {"12345678", "012345678", TipoNIF::kSoloDigitos},
      // Wrong control characters.
      {"12345678A", "12345678A", TipoNIF::kControlLetra},
      {"X1234567T", "X1234567T", TipoNIF::kControlLetra},
      {"K1234567T", "K1234567T", TipoNIF::kControlLetra},
      {"A58818502", "A58818502", TipoNIF::kControlEntidad},
      {"Q2826000I", "Q2826000I", TipoNIF::kControlEntidad},
      // Shapes that are no number.
      {"", "000000000", TipoNIF::kDigitosRepetidos},
      {"123456789", "123456789", TipoNIF::kDigitosSinCero},
      {"11111111", "011111111", TipoNIF::kDigitosRepetidos},
      {"12345678o", "12345678o", TipoNIF::kCaracterNoValido},  // 'o' is no NIF letter and stays lower case
      {"12345678\xD1", "12345678\xD1", TipoNIF::kCaracterNoValido},
      {"AB1234567", "AB1234567", TipoNIF::kFormaNoReconocida},
      {"ABC123456", "ABC123456", TipoNIF::kDemasiadasLetras},
      {"X12345678", "X12345678", TipoNIF::kFormaNoReconocida},
      {"K0034567K", "K0034567K", TipoNIF::kFormaNoReconocida},  // K, L, M need a number 01-56 in front
      // Only the padding zeros may stand before a moved X: a digit typed before it keeps the text as it is.
      {"10X12345V", "10X12345V", TipoNIF::kFormaNoReconocida},
      // At most nine characters are taken.
      {"12345678Z99", "12345678Z", TipoNIF::kPersonal},
      {std::string("1234567L\0Z", 10), "01234567L", TipoNIF::kPersonal},
  };
  for (const auto& caso : casos) {
    const std::string nif = NormalizarNIF(caso.tecleado);
    EXPECT_EQ(nif, caso.normalizado) << '"' << caso.tecleado << '"';
    EXPECT_EQ(ClasificarNIF(nif), caso.tipo) << '"' << caso.tecleado << '"';
  }
}

TEST(DocumentosIdentidad, ClasificarTextosQueNoSonNueveCaracteres) {
  EXPECT_EQ(ClasificarNIF(""), TipoNIF::kLongitud);
  EXPECT_EQ(ClasificarNIF("1234567L"), TipoNIF::kLongitud);
  EXPECT_EQ(ClasificarNIF("012345678Z"), TipoNIF::kLongitud);
  EXPECT_EQ(ClasificarNIF(std::string("1234\0" "678Z", 9)), TipoNIF::kLongitud);
  EXPECT_EQ(ClasificarNIF("         "), TipoNIF::kEnBlanco);
  EXPECT_EQ(ClasificarNIF("1234 678Z"), TipoNIF::kCaracterNoValido);
}

TEST(DocumentosIdentidad, PasosDeLaNormalizacion) {
  std::string texto = "ab o u\xF1z";
  MayusculasNIF(texto);
  EXPECT_EQ(texto, "AB o u\xF1Z");

  texto = " 1 2  3 ";
  QuitarBlancosInternos(texto);
  EXPECT_EQ(texto, "123     ");

  texto = "123  ";
  AlinearDerecha(texto);
  EXPECT_EQ(texto, "  123");
  texto = "   ";
  AlinearDerecha(texto);
  EXPECT_EQ(texto, "   ");
}

TEST(DocumentosIdentidad, TiposPersonalesYDeEntidad) {
  for (int tipo : {TipoNIF::kPersonal, TipoNIF::kLetraKLM, TipoNIF::kExtranjero}) {
    EXPECT_TRUE(EsNIFPersonal(tipo));
    EXPECT_FALSE(EsNIFEntidad(tipo));
  }
  for (int tipo : {TipoNIF::kEntidadDigito, TipoNIF::kEntidadLetra, TipoNIF::kEntidadPQS}) {
    EXPECT_TRUE(EsNIFEntidad(tipo));
    EXPECT_FALSE(EsNIFPersonal(tipo));
  }
  EXPECT_FALSE(EsNIFPersonal(TipoNIF::kSoloDigitos));
  EXPECT_FALSE(EsNIFEntidad(TipoNIF::kControlEntidad));
}

}  // namespace
