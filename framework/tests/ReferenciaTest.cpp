// The reference numbers of a declaration and the eight-character date texts they are made from: the rules, and the
// declaration document's members that use its clock, its fiscal year and its reference text.
#include <gtest/gtest.h>

#include <string>

#include "framework/Fechas.h"
#include "framework/Prog32Doc.h"
#include "framework/ReferenciaReglas.h"

using namespace marco;

namespace {

std::string Rellena(std::string texto, std::size_t ancho = kAnchoTextoReferencia) {
  texto.resize(ancho, ' ');
  return texto;
}

TEST(ReferenciaFechas, ValidezDeOchoCaracteres) {
  const struct {
    std::string fecha;
    bool valida;
  } casos[] = {
      {"29022000", true},  {"29021900", false}, {"29022400", false}, {"29021996", true},  {"28021999", true},
      {"31022000", false}, {"31042000", false}, {"30042000", true},  {"31122000", true},  {"00012000", false},
      {"01002000", false}, {"01132000", false}, {"01010000", true},  {"15042000", true},
      // Unlike the box dates, no date is not a date here, and neither is a text of another length.
      {"", false}, {"        ", false}, {"00000000", false}, {"1504200", false}, {"150420000", false},
      {std::string("1504\0\0\0\0", 8), false},
      // Only digits (blanks read as a number does).
      {" 1042000", true}, {"1A042000", false}, {"-1042000", false}, {"01-42000", false},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(FechaOchoCifrasValida(c.fecha), c.valida) << '"' << c.fecha << '"';
    EXPECT_EQ(CProg32Doc::EsFechaValida(c.fecha), c.valida ? 1 : 0) << '"' << c.fecha << '"';
  }
}

TEST(ReferenciaFechas, DescomponerSoloOchoCaracteres) {
  int dia = -1, mes = -1, ano = -1;
  EXPECT_EQ(CProg32Doc::DescomponerFecha("31121999", dia, mes, ano), 1);
  EXPECT_EQ(dia, 31);
  EXPECT_EQ(mes, 12);
  EXPECT_EQ(ano, 1999);
  EXPECT_EQ(CProg32Doc::DescomponerFecha("311299", dia, mes, ano), 0);
  EXPECT_EQ(CProg32Doc::DescomponerFecha("311219990", dia, mes, ano), 0);
  EXPECT_EQ(dia, 31);  // nothing written
}

TEST(ReferenciaFechas, Comparar) {
  const struct {
    const char* a;
    const char* b;
    int orden;
  } casos[] = {
      {"01012000", "01012000", 0}, {"31121999", "01012000", -1}, {"01022000", "31012000", 1},
      {"15042000", "14042001", -1}, {"02012000", "01022000", -1},  // the year first, then the month, then the day
      {"31022000", "01012000", -2}, {"01012000", "31022000", -2}, {"29021900", "01011900", -2},
      {"29022000", "01032000", -1}, {"", "01012000", -2},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(CProg32Doc::CompararFechas(c.a, c.b), c.orden) << c.a << " " << c.b;
  }
}

TEST(ReferenciaFechas, DiasEntre) {
  const struct {
    const char* a;
    const char* b;
    long dias;
  } casos[] = {
      {"15042000", "15042000", 0},   {"15042000", "16042000", 1},   {"15042000", "24072000", 100},
      {"01021900", "01031900", 28},  {"01022000", "01032000", 29},  {"01022400", "01032400", 28},
      {"01011999", "01012000", 365}, {"01012000", "01012001", 366}, {"31121999", "01012000", 1},
      {"28021999", "01032000", 367},
      {"01011900", "01012100", 73049},  // 200 years, 49 of them leap years: 2000 but not 1900
      {"16042000", "15042000", -1},  {"30022000", "01032000", -1},  {"01012000", "1012000", -1},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(CProg32Doc::DiasEntreFechas(c.a, c.b), c.dias) << c.a << " " << c.b;
  }
}

TEST(ReferenciaFechas, CuentaDeDiasIgualQueDiaADia) {
  // Every day from 1 January 1896 to the end of 2404, one after the other, with the month lengths of the dates.
  long esperado = 0;
  for (int ano = 1896; ano <= 2404; ++ano) {
    CFechas fechas;
    fechas.AjustarFebrero(ano);
    for (int mes = 1; mes <= 12; ++mes) {
      for (int dia = 1; dia <= fechas.DiasMes(mes - 1); ++dia) {
        const std::string fecha = FechaOchoCifras({dia, mes, ano, 0, 0, 0});
        ASSERT_TRUE(FechaOchoCifrasValida(fecha)) << fecha;
        ASSERT_EQ(DiasEntreFechasOchoCifras("01011896", fecha), esperado) << fecha;
        ++esperado;
      }
      EXPECT_FALSE(FechaOchoCifrasValida(FechaOchoCifras({fechas.DiasMes(mes - 1) + 1, mes, ano, 0, 0, 0})));
    }
  }
}

TEST(ReferenciaNumeros, DigitoControl) {
  const struct {
    const char* texto;
    int digito;
  } casos[] = {{"", 0},
               {"7", 0},
               {"1", 6},
               {"6", 1},
               {"1.4", 0},  // 14 = 2 x 7
               {"12345678.00.00001.", 0},
               {"91234567.01.86400.", 5},
               {"714510000000", 1},
               {"714593216400", 0},
               // What is not a digit counts as 0, so the digit is always one of 0 to 6.
               {"A1", 6},
               {" 1", 6},
               {"\x80\xff", 0}};
  for (const auto& c : casos) {
    EXPECT_EQ(DigitoControl(c.texto), c.digito) << c.texto;
    EXPECT_EQ(CProg32Doc::DigitoControl(c.texto), c.digito) << c.texto;
  }
}

TEST(ReferenciaNumeros, TextoIdentificacion) {
  const struct {
    std::string nif;
    SMomento momento;
    std::string esperado;
  } casos[] = {
      // A letter in ninth place only: the first 8 characters; the base date itself gives days "00".
      {"12345678Z", {15, 4, 2000, 0, 0, 0}, Rellena("Ref.: 12345678.00.00001.0")},
      // A letter first and ninth: "9" and characters 2 to 8; 23:59:59 gives 86400.
      {"X1234567L", {16, 4, 2000, 23, 59, 59}, Rellena("Ref.: 91234567.01.86400.5")},
      // No letter in ninth place: the last 8; 100 days after the base date the days part is "00" again.
      {"123456789", {24, 7, 2000, 0, 0, 0}, Rellena("Ref.: 23456789.00.00001.2")},
      // Days before the base date count too.
      {"123456789", {14, 4, 2000, 0, 0, 0}, Rellena("Ref.: 23456789.01.00001.4")},
      // Only the first 9 characters; trailing blanks and what follows a NUL are not the tax number.
      {"12345678ZQQ", {15, 4, 2000, 0, 0, 0}, Rellena("Ref.: 12345678.00.00001.0")},
      {std::string("12345678Z\0XX", 12), {15, 4, 2000, 0, 0, 0}, Rellena("Ref.: 12345678.00.00001.0")},
      // A short tax number is taken whole, right-aligned, never read before its start.
      {"1234567Z ", {15, 4, 2000, 0, 0, 0}, Rellena("Ref.: 1234567Z.00.00001.3")},
      {"12345", {15, 4, 2000, 0, 0, 0}, Rellena("Ref.:    12345.00.00001.1")},
      // A moment years later: the last two digits of the day count (9,131 days).
      {"123456789", {15, 4, 2025, 10, 30, 15}, Rellena("Ref.: 23456789.31.05456.6")},
      {"", {15, 4, 2000, 0, 0, 0}, std::string(60, ' ')},
      {"         ", {15, 4, 2000, 0, 0, 0}, std::string(60, ' ')},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(TextoIdentificacion(c.nif, c.momento), c.esperado) << c.nif;
  }
}

TEST(ReferenciaNumeros, NumeroReferencia) {
  const SMomento unaEnPunto{1, 6, 2000, 1, 0, 0};
  // "678" and 3600 seconds: 100000000 - 6783600.
  EXPECT_EQ(NumeroReferenciaFormulario(3, "12345678Z", "1999", unaEnPunto), "714593216400 0");
  // No text: "000" and the seconds; 100000000 - 0 keeps its first 8 characters.
  EXPECT_EQ(NumeroReferenciaFormulario(3, "", "1999", {1, 6, 2000, 0, 0, 0}), "714510000000 1");
  EXPECT_EQ(NumeroReferenciaFormulario(2, "", "1999", unaEnPunto), "100599996400 6");
  EXPECT_EQ(NumeroReferenciaFormulario(4, "12345678Z", "1999", unaEnPunto), "999593216400 5");
  // A serial of fewer than 8 digits gets zeros before it: "950" and 36000 seconds leave 4964000.
  EXPECT_EQ(NumeroReferenciaFormulario(3, "12345950", "1999", {1, 6, 2000, 10, 0, 0}), "714504964000 5");
  // A text shorter than 8 gives the characters it has after the fifth; a sign or a letter ends the number.
  EXPECT_EQ(NumeroReferenciaFormulario(3, "AB", "1999", unaEnPunto), "714599996400 4");
  EXPECT_EQ(NumeroReferenciaFormulario(3, "123456", "1999", unaEnPunto), "714599936400 0");
  EXPECT_EQ(NumeroReferenciaFormulario(3, "12345-99", "1999", unaEnPunto).substr(0, 12), "714510099360");
  EXPECT_EQ(NumeroReferenciaFormulario(3, "12345A99", "1999", unaEnPunto).substr(0, 12), "714510000000");
  // The year digit is the last digit of the fiscal year - 4.
  EXPECT_EQ(NumeroReferenciaFormulario(3, "", "2003", {1, 6, 2000, 0, 0, 0}).substr(0, 4), "7149");

  const struct {
    int tipo;
    const char* codigo;
  } modelos[] = {{0, "100"}, {1, "100"}, {2, "100"}, {3, "714"}, {4, "999"}, {5, "393"},
                 {6, "390"}, {7, "311"}, {8, "104"}, {9, "105"}, {10, "999"}, {-1, "999"}};
  for (const auto& m : modelos) EXPECT_EQ(CodigoModelo(m.tipo), m.codigo) << m.tipo;

  // Whatever the text and the moment: 12 digits, a blank and the check digit of the 12.
  for (const char* texto : {"", "1", "12345", "12345678Z", "X1234567L", "99999999", "12345+99"}) {
    for (const SMomento& momento : {SMomento{1, 1, 2000, 0, 0, 0}, SMomento{31, 12, 2000, 23, 59, 59}}) {
      const std::string numero = NumeroReferenciaFormulario(3, texto, "1999", momento);
      ASSERT_EQ(numero.size(), kAnchoNumeroReferencia) << texto;
      EXPECT_EQ(numero.find_first_not_of("0123456789"), 12u) << numero;
      EXPECT_EQ(numero[12], ' ');
      EXPECT_EQ(numero[13] - '0', DigitoControl(numero.substr(0, 12))) << numero;
    }
  }
}

TEST(ReferenciaDocumento, ComponerConElRelojDelDocumento) {
  CProg32Doc doc;
  doc.InicializarDatos();
  doc.PonerReloj([] { return SMomento{16, 4, 2000, 23, 59, 59}; });
  EXPECT_EQ(doc.FechaDeHoy(), "16042000");

  EXPECT_EQ(doc.ComponerIdentificacion("X1234567L", 3), 1);
  EXPECT_EQ(std::string(doc.TextoReferencia()), Rellena("Ref.: 91234567.01.86400.5"));
  EXPECT_EQ(doc.ComponerIdentificacion("", 0), 0);
  EXPECT_EQ(std::string(doc.TextoReferencia()), std::string(60, ' '));

  // The fiscal year "1999" gives the year digit 5.
  EXPECT_EQ(doc.ComponerNumeroReferencia(3, "12345678Z"), NumeroReferenciaFormulario(3, "12345678Z", "1999",
                                                                                    {16, 4, 2000, 23, 59, 59}));
  EXPECT_EQ(doc.ComponerNumeroReferencia(2, "").substr(0, 4), "1005");
}

TEST(ReferenciaDocumento, FechaDeHoyConElAnoEntero) {
  // The clock of the machine: the whole year, whatever the century.
  CProg32Doc doc;
  const SMomento ahora = MomentoActual();
  const std::string hoy = doc.FechaDeHoy();
  ASSERT_EQ(hoy.size(), 8u);
  EXPECT_EQ(hoy.substr(4), std::to_string(ahora.ano));
  EXPECT_EQ(CProg32Doc::EsFechaValida(hoy), 1);
  EXPECT_EQ(FechaOchoCifras({5, 3, 1999, 0, 0, 0}), "05031999");
}

TEST(ReferenciaWindows, LetraDeLaVersion) {
  EXPECT_EQ(LetraWindows(std::nullopt), 'I');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::Win32s, 3, 10}), 'W');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::Windows9x, 3, 95}), '5');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::Windows9x, 4, 0}), '5');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::Windows9x, 4, 10}), '8');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::Windows9x, 5, 0}), '8');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::NT, 4, 0}), 'T');
  EXPECT_EQ(LetraWindows(SVersionWindows{EPlataformaWindows::Otra, 4, 0}), 'I');
  EXPECT_EQ(DameLetraWindows(), 'I');
}

TEST(ReferenciaRecomponer, BanderaDelPrograma) {
  EXPECT_FALSE(RecomponerIdentificacion());
  PonerRecomponerIdentificacion(true);
  EXPECT_TRUE(RecomponerIdentificacion());
  PonerRecomponerIdentificacion(false);
  EXPECT_FALSE(RecomponerIdentificacion());
}

}  // namespace
