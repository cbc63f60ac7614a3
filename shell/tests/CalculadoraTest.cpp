// The calculator's rules without a window: what a row of keys shows, the result a box would take, the messages of a
// division by zero and of a figure too long, the memory and its text in the profile, and the conversion between
// pesetas and euros. Keys are given as the keyboard gives them (OrdenDeTecla), so the table checks the keyboard too.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "shell/Calculadora.h"

namespace {

using shell::CReglasCalculadora;
using shell::EOrdenCalculadora;
using shell::EResultadoCalculadora;
using shell::ETeclaEspecial;

// Types `teclas` as the keyboard does: a character each, or "{Intro}", "{Supr}", "{Ret}" (Backspace), "{F9}", and
// "{^P}" for a letter with Control held. Gives the code of the message the last key that had one showed ("" for
// none), and counts the keys refused.
struct STecleo {
  std::string mensaje;
  int rechazadas = 0;
  bool desconocida = false;  // a key with no order
};
STecleo Teclear(CReglasCalculadora& reglas, const std::string& teclas) {
  STecleo r;
  for (std::size_t i = 0; i < teclas.size(); ++i) {
    char32_t caracter = static_cast<unsigned char>(teclas[i]);
    ETeclaEspecial especial = ETeclaEspecial::Ninguna;
    bool control = false;
    if (teclas[i] == '{') {
      const std::size_t fin = teclas.find('}', i);
      const std::string nombre = teclas.substr(i + 1, fin - i - 1);
      i = fin;
      caracter = 0;
      if (nombre == "Intro") especial = ETeclaEspecial::Intro;
      if (nombre == "Supr") especial = ETeclaEspecial::Suprimir;
      if (nombre == "Ret") especial = ETeclaEspecial::Retroceso;
      if (nombre == "F9") especial = ETeclaEspecial::F9;
      if (nombre.size() == 2 && nombre[0] == '^') {
        control = true;
        caracter = static_cast<unsigned char>(nombre[1]);
      }
    }
    const auto orden = shell::OrdenDeTecla(caracter, especial, control);
    if (!orden) {
      r.desconocida = true;
      continue;
    }
    const EResultadoCalculadora resultado = reglas.Ejecutar(*orden);
    if (resultado == EResultadoCalculadora::Rechazado) ++r.rechazadas;
    if (const std::string_view codigo = shell::MensajeDe(resultado); !codigo.empty()) r.mensaje = codigo;
  }
  return r;
}

TEST(Calculadora, TablaDeReglas) {
  const struct {
    const char* teclas;
    const char* pantalla;
    const char* resultado;  // what Aceptar hands to a box
    const char* mensaje;
    int rechazadas;
    double memoria;
  } casos[] = {
      // The four operations, the comma and the points of the display.
      {"1234,5+10=", "1.244,5", "1244,5", "", 0, 0.0},
      {"1234.5+10{Intro}", "1.244,5", "1244,5", "", 0, 0.0},
      {"1000+2500{Intro}", "3.500", "3500", "", 0, 0.0},
      {"7-10=", "-3", "-3", "", 0, 0.0},
      {"6*7=", "42", "42", "", 0, 0.0},
      {"6x7=", "42", "42", "", 0, 0.0},
      {"10/4=", "2,5", "2,5", "", 0, 0.0},
      // Each operator completes the one pending (a pocket calculator, not algebra); a second operator replaces the
      // first; "=" again on its own changes nothing.
      {"2+3*4=", "20", "20", "", 0, 0.0},
      {"9+*2=", "18", "18", "", 0, 0.0},
      {"5+=", "10", "10", "", 0, 0.0},
      {"5+3==", "8", "8", "", 0, 0.0},
      // Rounded to the 12 digits a figure holds, half away from zero; the binary tail of 0.1 + 0.2 never shows.
      {"10/3=", "3,33333333333", "3,33333333333", "", 0, 0.0},
      {"2/3=", "0,66666666667", "0,66666666667", "", 0, 0.0},
      {"0,1+0,2=", "0,3", "0,3", "", 0, 0.0},
      // Typing: the figure shows as typed, with its points; a leading zero gives way; a second comma and a 13th
      // digit are refused; Backspace takes the last character back.
      {"1234,", "1.234,", "1234", "", 0, 0.0},
      {"007", "7", "7", "", 0, 0.0},
      {"1,2,3", "1,23", "1,23", "", 1, 0.0},
      {"1234567890123", "123.456.789.012", "123456789012", "", 1, 0.0},
      {"12345678901,23", "12.345.678.901,2", "12345678901,2", "", 1, 0.0},
      {"123{Ret}", "12", "12", "", 0, 0.0},
      {"5{Ret}{Ret}", "0", "0", "", 0, 0.0},
      {"5+{Ret}", "5", "5", "", 1, 0.0},
      // Sign, percent, clear entry and clear.
      {"5{F9}", "-5", "-5", "", 0, 0.0},
      {"5{F9}{F9}", "5", "5", "", 0, 0.0},
      {"0{F9}", "0", "0", "", 0, 0.0},
      {"10-4{F9}=", "14", "14", "", 0, 0.0},
      {"200+10%=", "220", "220", "", 0, 0.0},
      {"200-10%=", "180", "180", "", 0, 0.0},
      {"200*10%=", "20", "20", "", 0, 0.0},
      {"50%", "0,5", "0,5", "", 0, 0.0},
      {"5+3{Supr}4=", "9", "9", "", 0, 0.0},
      {"5+{Supr}4+", "9", "9", "", 0, 0.0},
      {"5+3C", "0", "0", "", 0, 0.0},
      {"5+3c2=", "2", "2", "", 0, 0.0},
      // A division by zero says so and keeps the entry and the division: another divisor typed goes on from there.
      {"100/0=", "0", "0", "CALC001", 0, 0.0},
      {"100/0=4=", "25", "25", "CALC001", 0, 0.0},
      {"100/0+", "0", "0", "CALC001", 0, 0.0},
      // A result with 13 digits before the comma is refused, and the figure typed stays.
      {"999999999999*10=", "10", "10", "CALC002", 0, 0.0},
      {"999999999999+1=", "1", "1", "CALC002", 0, 0.0},
      {"999999999999+0,4=", "999.999.999.999", "999999999999", "", 0, 0.0},
      {"999999999999+0,6=", "0,6", "0,6", "CALC002", 0, 0.0},
      // Pesetas and euros at 166.386: euros to the cent, pesetas to the whole peseta.
      {"10000E", "60,10", "60,10", "", 0, 0.0},
      {"60,10P", "10.000", "10000", "", 0, 0.0},
      {"60,1P", "10.000", "10000", "", 0, 0.0},
      {"1E", "0,01", "0,01", "", 0, 0.0},
      {"0,4E", "0", "0", "", 0, 0.0},
      {"1P", "166", "166", "", 0, 0.0},
      {"1000000e", "6.010,12", "6010,12", "", 0, 0.0},
      {"166,386e", "1,00", "1,00", "", 0, 0.0},
      {"5{F9}P", "-832", "-832", "", 0, 0.0},
      {"10000E+1=", "61,1", "61,1", "", 0, 0.0},
      {"999999999999P", "999.999.999.999", "999999999999", "CALC002", 0, 0.0},
      // The memory: M+ M+ MR, M-, MC; a memory that would pass 12 digits is refused and kept.
      {"100{^P}{^P}{^R}", "200", "200", "", 0, 200.0},
      {"100{^P}{^P}C{^R}", "200", "200", "", 0, 200.0},
      {"100{^P}{^P}{^R}+1=", "201", "201", "", 0, 200.0},
      {"100{^P}30{^Q}", "30", "30", "", 0, 70.0},
      {"100{^p}{^l}{^r}", "0", "0", "", 0, 0.0},
      {"999999999999{^P}{^P}", "999.999.999.999", "999999999999", "CALC002", 0, 999999999999.0},
      {"7{^P}3+{^R}=", "10", "10", "", 0, 7.0},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.teclas);
    CReglasCalculadora reglas;
    const STecleo tecleo = Teclear(reglas, caso.teclas);
    EXPECT_FALSE(tecleo.desconocida);
    EXPECT_EQ(reglas.Pantalla(), caso.pantalla);
    EXPECT_EQ(reglas.Resultado(), caso.resultado);
    EXPECT_EQ(tecleo.mensaje, caso.mensaje);
    EXPECT_EQ(tecleo.rechazadas, caso.rechazadas);
    EXPECT_DOUBLE_EQ(reglas.Memoria(), caso.memoria);
  }
}

TEST(Calculadora, UnaDivisionPorCeroNoCambiaNada) {
  CReglasCalculadora reglas;
  Teclear(reglas, "100/0");
  EXPECT_EQ(reglas.Ejecutar(EOrdenCalculadora::Igual), EResultadoCalculadora::DivisionPorCero);
  EXPECT_EQ(reglas.OperacionPendiente(), '/');
  EXPECT_EQ(reglas.Pantalla(), "0");
  EXPECT_EQ(shell::MensajeDe(EResultadoCalculadora::DivisionPorCero), "CALC001");
  EXPECT_EQ(shell::MensajeDe(EResultadoCalculadora::DemasiadasCifras), "CALC002");
  EXPECT_EQ(shell::MensajeDe(EResultadoCalculadora::Rechazado), "");
}

TEST(Calculadora, LaMemoriaEnElPerfil) {
  // The profile's text: "." before the decimals, always one, never an exponent.
  EXPECT_EQ(CReglasCalculadora::TextoMemoria(0.0), "0.0");
  EXPECT_EQ(CReglasCalculadora::TextoMemoria(200.0), "200.0");
  EXPECT_EQ(CReglasCalculadora::TextoMemoria(-1234.5), "-1234.5");
  EXPECT_EQ(CReglasCalculadora::TextoMemoria(0.0000001), "0.0000001");
  EXPECT_EQ(CReglasCalculadora::TextoMemoria(999999999999.0), "999999999999.0");
  // Read back; anything that is not a figure of 12 digits at most is no memory.
  const struct {
    const char* texto;
    double memoria;
  } casos[] = {{"0.0", 0.0},   {"200.0", 200.0}, {" 1234.5 ", 1234.5}, {"-7", -7.0},     {"", 0.0},
               {"abc", 0.0},   {"1,5", 0.0},     {"1e300", 0.0},       {"nan", 0.0},     {"1000000000000", 0.0}};
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.texto);
    EXPECT_DOUBLE_EQ(CReglasCalculadora::LeerMemoria(caso.texto), caso.memoria);
  }
  // The rules start with the memory they are given, when it fits.
  CReglasCalculadora reglas(CReglasCalculadora::LeerMemoria("1234.5"));
  EXPECT_TRUE(reglas.HayMemoria());
  Teclear(reglas, "{^R}");
  EXPECT_EQ(reglas.Pantalla(), "1.234,5");
  EXPECT_FALSE(CReglasCalculadora(1e13).HayMemoria());
}

TEST(Calculadora, CifrasYPuntos) {
  EXPECT_EQ(CReglasCalculadora::Cifra(0.0), "0");
  EXPECT_EQ(CReglasCalculadora::Cifra(-0.0), "0");
  EXPECT_EQ(CReglasCalculadora::Cifra(1.005), "1,005");
  EXPECT_EQ(CReglasCalculadora::Cifra(-2.5), "-2,5");
  EXPECT_EQ(CReglasCalculadora::Cifra(123456789012.4), "123456789012");
  EXPECT_EQ(CReglasCalculadora::Cifra(1e12), std::nullopt);
  EXPECT_EQ(CReglasCalculadora::Cifra(999999999999.5), std::nullopt);
  EXPECT_EQ(CReglasCalculadora::ConPuntos("-1234567,891"), "-1.234.567,891");
  EXPECT_EQ(CReglasCalculadora::ConPuntos("123"), "123");
  EXPECT_EQ(CReglasCalculadora::ConPuntos("0,"), "0,");
}

TEST(Calculadora, TeclasYTeclado) {
  // Every key of the dialog has its place of its own, and every order but the digits' has a key on the keyboard
  // named in its tool tip or shown on its face.
  std::set<std::pair<int, int>> sitios;
  std::set<EOrdenCalculadora> ordenes;
  for (const shell::STeclaCalculadora& tecla : shell::TeclasCalculadora()) {
    for (int c = 0; c < tecla.columnas; ++c) EXPECT_TRUE(sitios.insert({tecla.fila, tecla.columna + c}).second);
    EXPECT_TRUE(ordenes.insert(tecla.orden).second);
    EXPECT_FALSE(tecla.rotulo.empty());
  }
  EXPECT_EQ(ordenes.size(), static_cast<std::size_t>(EOrdenCalculadora::EurosAPesetas) + 1);
  // Keys that are not the calculator's: Escape belongs to the dialog, letters with no order do nothing.
  EXPECT_EQ(shell::OrdenDeTecla(27, ETeclaEspecial::Ninguna, false), std::nullopt);
  EXPECT_EQ(shell::OrdenDeTecla(U'z', ETeclaEspecial::Ninguna, false), std::nullopt);
  EXPECT_EQ(shell::OrdenDeTecla(U'a', ETeclaEspecial::Ninguna, true), std::nullopt);
  EXPECT_EQ(shell::OrdenDeTecla(0, ETeclaEspecial::Intro, false), EOrdenCalculadora::Igual);
}

}  // namespace
