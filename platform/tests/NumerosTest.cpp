#include "platform/Numeros.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>
#include <string>

using namespace plataforma;

namespace {

// Puts a Spanish locale in force for the length of a test (printf would write "1,25" under it).
class LocaleEspanol {
 public:
  LocaleEspanol() {
    for (const char* nombre : {"es_ES.UTF-8", "es_ES.utf8", "es_ES"}) {
      if (std::setlocale(LC_ALL, nombre) != nullptr) {
        activo_ = true;
        try {
          anterior_ = std::locale::global(std::locale(nombre));
        } catch (const std::exception&) {
        }
        break;
      }
    }
  }
  ~LocaleEspanol() {
    std::setlocale(LC_ALL, "C");
    std::locale::global(anterior_);
  }
  bool Activo() const { return activo_; }

 private:
  bool activo_ = false;
  std::locale anterior_ = std::locale::classic();
};

}  // namespace

TEST(Numeros, FormatoFijoNoDependeDelLocale) {
  LocaleEspanol es;
  if (!es.Activo()) {
    if (std::getenv("CI") != nullptr) FAIL() << "es_ES.UTF-8 is missing: scripts/install-deps generates it";
    GTEST_SKIP() << "no Spanish locale on this machine";
  }
  char printfBuf[32];
  std::snprintf(printfBuf, sizeof printfBuf, "%.2f", 1.25);
  EXPECT_STREQ(printfBuf, "1,25") << "the locale is not really in force";

  EXPECT_EQ(FormateaFijo(1.25, 2), "1.25");
  EXPECT_EQ(FormateaGeneral(1.25), "1.25");
  double v = 0;
  EXPECT_TRUE(LeeDouble("1.5", v));
  EXPECT_EQ(v, 1.5);
}

TEST(Numeros, FormatoFijoRedondeaLejosDelCero) {
  struct Caso {
    double valor;
    int decimales;
    const char* texto;
  };
  const Caso casos[] = {
      {1.25, 2, "1.25"},   {0.125, 2, "0.13"},      {2.5, 0, "3"},         {-2.5, 0, "-3"},
      {2.675, 2, "2.68"},  {1.005, 2, "1.01"},      {0.5, 0, "1"},         {0.4999, 0, "0"},
      {-0.001, 2, "0.00"}, {999.995, 2, "1000.00"}, {0, 3, "0.000"},       {1e20, 0, "100000000000000000000"},
      {123456789.5, 0, "123456790"}, {0.0001, 2, "0.00"}, {9.96, 1, "10.0"}, {-1234.5, 1, "-1234.5"},
      {5e-7, 6, "0.000001"}, {0.05, 1, "0.1"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(FormateaFijo(c.valor, c.decimales), c.texto) << c.valor << " with " << c.decimales;
  }
  EXPECT_EQ(RedondeaDecimales(0.125, 2), 0.13);
  EXPECT_EQ(RedondeaDecimales(-2.5, 0), -3.0);
}

TEST(Numeros, FormatoGeneral) {
  EXPECT_EQ(FormateaGeneral(0.26), "0.26");
  EXPECT_EQ(FormateaGeneral(1000000), "1e+06");
  EXPECT_EQ(FormateaGeneral(123456), "123456");
  EXPECT_EQ(FormateaGeneral(0.0001), "0.0001");
  EXPECT_EQ(FormateaGeneral(0.3, 17), "0.29999999999999999");
}

TEST(Numeros, LeeDoubleTodoElTexto) {
  double v = -1;
  EXPECT_TRUE(LeeDouble(" +2.5 ", v));
  EXPECT_EQ(v, 2.5);
  EXPECT_FALSE(LeeDouble("2,5", v));
  EXPECT_FALSE(LeeDouble("", v));
  EXPECT_FALSE(LeeDouble("1.5x", v));
  EXPECT_EQ(v, 2.5) << "a refused text leaves the value alone";
}

TEST(Numeros, EnteroFijoNoPasaDelAncho) {
  const char anio[] = {'1', '9', '9', '9', '7', '7'};
  EXPECT_EQ(LeeEnteroFijo(anio, 4), 1999);
  const char conLetras[] = {'1', '9', 'A', 'B'};
  EXPECT_EQ(LeeEnteroFijo(conLetras, 4), 19);
  EXPECT_EQ(LeeEnteroFijo("  -42xyz", 8), -42);
  EXPECT_EQ(LeeEnteroFijo("    ", 4), 0);
  EXPECT_EQ(LeeEntero("05"), 5);
}
