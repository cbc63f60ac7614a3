#include "platform/Expresion.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace plataforma;

namespace {

// One row: DESCR C(20) "ABC", FILTRO C(2) "01", clave C(50) "PEPE", coderror C(7) "WIN001", tipodec N(2) 3,
// ACTIVO L true, NOMBRE C(10) "O'NEILL".
class CFilaPrueba : public CFuenteValores {
 public:
  CValor ValorCampo(std::size_t i) const override {
    switch (i) {
      case 0: return CValor::DeTexto(Fija("ABC", 20));
      case 1: return CValor::DeTexto("01");
      case 2: return CValor::DeTexto(Fija("PEPE", 50));
      case 3: return CValor::DeTexto(Fija("WIN001", 7));
      case 4: return CValor::DeNumero(3);
      case 5: return CValor::DeLogico(true);
      default: return CValor::DeTexto(Fija("O'NEILL", 10));
    }
  }
  long NumeroRegistro() const override { return 7; }

 private:
  static std::string Fija(const std::string& s, std::size_t ancho) { return s + std::string(ancho - s.size(), ' '); }
};

const std::vector<CCampoTabla> kCampos = {
    {"DESCR", 'C', 20, 0}, {"FILTRO", 'C', 2, 0}, {"clave", 'C', 50, 0}, {"coderror", 'C', 7, 0},
    {"tipodec", 'N', 2, 0}, {"ACTIVO", 'L', 1, 0}, {"NOMBRE", 'C', 10, 0},
};

CValor Evalua(const std::string& texto) {
  const CExpresion e = CExpresion::Compilar(texto, kCampos);
  EXPECT_TRUE(e.Valida()) << texto << ": " << e.Error();
  return e.Evaluar(CFilaPrueba());
}

}  // namespace

TEST(Expresion, CondicionesLogicas) {
  struct Caso {
    const char* texto;
    bool resultado;
  };
  const Caso casos[] = {
      {"DESCR = 'A'", true},
      {"DESCR = ''", true},
      {"DESCR = 'ABD'", false},
      {"DESCR = 'ABC                 X'", false},
      {"DESCR == 'ABC'", true},
      {"DESCR <> 'AB'", false},
      {"DESCR # 'X'", true},
      {"DESCR != 'X'", true},
      {"DESCR = 'A'.and. FILTRO = '01'", true},
      {"descr='A'.AND.filtro='02'", false},
      {"DESCR = 'X' .Or. FILTRO = \"01\"", true},
      {".NOT. DESCR = 'A'", false},
      {".not.(DESCR = 'X')", true},
      {"clave == 'PEPE' + '                                                     '", true},
      {"clave == 'PEP'", false},
      {"clave = 'PEP'", true},
      {"tipodec < 5", true},
      {"tipodec < 3", false},
      {"tipodec = 3", true},
      {"tipodec = -1", false},
      {"tipodec >= 3 .AND. tipodec <= 3", true},
      {"tipodec * 2 - 1 = 5", true},
      {"-tipodec = -3", true},
      {"DESCR < 'ABD'", true},
      {"DESCR > 'AB'", true},
      {"ACTIVO", true},
      {"ACTIVO = .F.", false},
      {"STRZERO(tipodec, 4) = '0003'", true},
      {"STRZERO(-5, 4) == '-005'", true},
      {"STR(tipodec, 3) == '  3'", true},
      {"STRZERO(12345, 3) == '***'", true},
      // Decimals far outside any int are clamped to 0..15 first.
      {"STR(tipodec, 18, 99999999999) == ' 3.000000000000000'", true},
      {"STR(tipodec, 6, -99999999999) == '     3'", true},
      {"STRZERO(tipodec, 4, 99999999999) == '****'", true},
      {"UPPER('a\xF1o') == 'A\xD1O'", true},
      {"TRIM(DESCR) + 'X' == 'ABCX'", true},
      {"SUBSTR(coderror, 4, 3) == '001'", true},
      {"RECNO() = 7 .AND. .NOT. DELETED()", true},
      {"NOMBRE = \"O'NEILL\"", true},
  };
  for (const auto& c : casos) {
    const CValor v = Evalua(c.texto);
    EXPECT_EQ(v.tipo, ETipoValor::Logico) << c.texto;
    EXPECT_EQ(v.logico, c.resultado) << c.texto;
  }
}

TEST(Expresion, TiposYConcatenacion) {
  const CExpresion clave = CExpresion::Compilar("clave+coderror", kCampos);
  ASSERT_TRUE(clave.Valida());
  EXPECT_EQ(clave.Tipo(), ETipoValor::Texto);
  EXPECT_EQ(clave.Evaluar(CFilaPrueba()).texto.size(), 57u);
  EXPECT_EQ(clave.Evaluar(CFilaPrueba()).texto.substr(50), "WIN001 ");

  const CExpresion numero = CExpresion::Compilar("tipodec", kCampos);
  ASSERT_TRUE(numero.Valida());
  EXPECT_EQ(numero.Tipo(), ETipoValor::Numero);
  EXPECT_FALSE(numero.Cumple(CFilaPrueba()));
}

TEST(Expresion, TextosMalFormadosNoCompilan) {
  const char* malos[] = {
      "",  "DESCR = ", "DESCR = 'abc", "FOO = 1", "DESCR = 1", "tipodec .AND. .T.", "(DESCR = 'A'",
      "DESCR = 'A' )", "DESCR .XOR. FILTRO", "UPPER(tipodec)", "NOPE(DESCR)", "ACTIVO < .T.", "DESCR = 'A' @",
      "STRZERO(tipodec)",
  };
  for (const char* t : malos) {
    const CExpresion e = CExpresion::Compilar(t, kCampos);
    EXPECT_FALSE(e.Valida()) << t;
    EXPECT_EQ(e.Tipo(), ETipoValor::Ninguno) << t;
    EXPECT_FALSE(e.Error().empty()) << t;
    EXPECT_FALSE(e.Cumple(CFilaPrueba())) << t;
  }
}

// Text repeated `veces` times.
std::string Repite(const std::string& pieza, int veces) {
  std::string r;
  for (int i = 0; i < veces; ++i) r += pieza;
  return r;
}

// Every way of nesting deep (brackets, functions, signs, .NOT., a chain of operators) is refused with its own code
// once it passes the limit, however deep the text goes: the compiler never recurses beyond it. Up to the limit the
// same shapes compile and evaluate.
TEST(Expresion, AnidamientoProfundoSeRechazaConSuCodigo) {
  struct Forma {
    const char* que;
    std::string (*texto)(int niveles);
    CValor esperado;
  };
  const Forma formas[] = {
      {"brackets", [](int n) { return Repite("(", n) + "tipodec" + Repite(")", n); }, CValor::DeNumero(3)},
      {"functions", [](int n) { return Repite("UPPER(", n) + "DESCR" + Repite(")", n); },
       CValor::DeTexto("ABC                 ")},
      {"signs", [](int n) { return Repite("-", n) + "tipodec"; }, CValor::DeNumero(-3)},
      {".NOT.", [](int n) { return Repite(".NOT. ", n) + "ACTIVO"; }, CValor::DeLogico(false)},
      {"a chain of +", [](int n) { return "tipodec" + Repite(" + tipodec", n); }, CValor::DeNumero(3)},
      {"a chain of .AND.", [](int n) { return "ACTIVO" + Repite(" .AND. ACTIVO", n); }, CValor::DeLogico(true)},
  };
  for (const Forma& f : formas) {
    for (int niveles : {kProfundidadMaximaExpresion + 1, 20000}) {
      const CExpresion e = CExpresion::Compilar(f.texto(niveles), kCampos);
      EXPECT_FALSE(e.Valida()) << f.que << " " << niveles;
      EXPECT_EQ(e.CodigoError(), EErrorExpresion::Anidada) << f.que << " " << niveles << ": " << e.Error();
      EXPECT_FALSE(e.Cumple(CFilaPrueba()));
    }
    // The deepest text allowed (the expression itself is the first level); an odd count of signs and .NOT. gives
    // the values above; a chain of n operators has n + 1 terms.
    int permitidos = kProfundidadMaximaExpresion - 1;
    if (permitidos % 2 == 0) --permitidos;
    const CExpresion e = CExpresion::Compilar(f.texto(permitidos), kCampos);
    ASSERT_TRUE(e.Valida()) << f.que << ": " << e.Error();
    EXPECT_EQ(e.CodigoError(), EErrorExpresion::Ninguno);
    const CValor v = e.Evaluar(CFilaPrueba());
    if (std::string(f.que) == "a chain of +") {
      EXPECT_EQ(v.numero, 3.0 * (permitidos + 1));
    } else {
      EXPECT_EQ(v.tipo, f.esperado.tipo) << f.que;
      EXPECT_EQ(v.texto, f.esperado.texto) << f.que;
      EXPECT_EQ(v.numero, f.esperado.numero) << f.que;
      EXPECT_EQ(v.logico, f.esperado.logico) << f.que;
    }
  }
  // The other faults keep their codes.
  EXPECT_EQ(CExpresion::Compilar("DESCR = 1", kCampos).CodigoError(), EErrorExpresion::Tipos);
  EXPECT_EQ(CExpresion::Compilar("DESCR = 'A' )", kCampos).CodigoError(), EErrorExpresion::Sintaxis);
  EXPECT_EQ(CExpresion::Compilar("DESCR = 'abc", kCampos).CodigoError(), EErrorExpresion::Sintaxis);
}

TEST(Expresion, LiteralesLeenLoMismoQueSuTexto) {
  const std::string textos[] = {"", "O'NEILL", "dijo \"hola\"", "a'b\"c'd\"", "'\"", "\"'\"'", "a\xF1o|\\"};
  for (const auto& t : textos) {
    const CExpresion e = CExpresion::Compilar(LiteralTexto(t), kCampos);
    ASSERT_TRUE(e.Valida()) << LiteralTexto(t);
    EXPECT_EQ(e.Evaluar(CFilaPrueba()).texto, t) << LiteralTexto(t);
  }
  for (double n : {0.0, -1.0, 2.5, -1234567.25}) {
    const CExpresion e = CExpresion::Compilar(LiteralNumero(n), kCampos);
    ASSERT_TRUE(e.Valida()) << LiteralNumero(n);
    EXPECT_EQ(e.Evaluar(CFilaPrueba()).numero, n);
  }
}

TEST(Expresion, CondicionesConstruidasLlevanDatosDelUsuario) {
  const CCondicion oneill = CCondicion::Campo("NOMBRE", EComparacion::Exacto, "O'NEILL");
  ASSERT_TRUE(oneill.Valida());
  EXPECT_TRUE(CExpresion::Compilar(oneill.Texto(), kCampos).Cumple(CFilaPrueba()));

  // A value with both quotes and operator words cannot change the shape of the condition.
  const CCondicion trampa = CCondicion::Campo("NOMBRE", EComparacion::Igual, "x' .OR. 'a\" = \"a");
  const CExpresion e = CExpresion::Compilar(trampa.Texto(), kCampos);
  ASSERT_TRUE(e.Valida()) << trampa.Texto();
  EXPECT_FALSE(e.Cumple(CFilaPrueba()));

  const CCondicion compuesta = CCondicion::Campo("tipodec", EComparacion::Menor, 5)
                                   .Y(CCondicion::Campo("DESCR", EComparacion::Igual, "AB"))
                                   .O(CCondicion::Campo("tipodec", EComparacion::Igual, -1).No());
  EXPECT_TRUE(CExpresion::Compilar(compuesta.Texto(), kCampos).Cumple(CFilaPrueba()));
  EXPECT_TRUE(CExpresion::Compilar(CCondicion::Campo("tipodec", EComparacion::Igual, -1).No().Texto(), kCampos)
                  .Cumple(CFilaPrueba()));

  // A field name that is not a name makes the condition invalid, and it stays invalid when combined.
  const CCondicion mala = CCondicion::Campo("DESCR = 'A' .OR. X", EComparacion::Igual, "B");
  EXPECT_FALSE(mala.Valida());
  EXPECT_FALSE(CExpresion::Compilar(mala.Texto(), kCampos).Valida());
  EXPECT_FALSE(mala.O(oneill).Valida());
  EXPECT_FALSE(oneill.Y(mala).Valida());
}
