// Box checks: every check type with the value typed, the result, the message shown and the value it leaves; the
// date, identification and name helpers; the sums that carry detail rows into other blocks of the declaration.
#include "framework/Validador.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"

namespace marco {
namespace {

const std::string k9Blancos(9, ' ');
const std::string k8Blancos(8, ' ');

// A text value as typed, the answer, the message (code and icon; none: empty) and the value afterwards.
struct SCasoTexto {
  int tipo;
  std::string entrada;
  int resultado;
  std::string codigo;
  int icono;
  std::string despues;
};

TEST(Validador, ChequeosDeTexto) {
  const std::vector<SCasoTexto> casos = {
      // identification numbers
      {1, "A58818501", 1, "", 0, "A58818501"},  // entity, accepted with entities
      {21, "A58818501", 0, "NIFE001", IconoExclamacion, k9Blancos},
      {1, "12345678z", 1, "", 0, "12345678Z"},  // normalised on acceptance
      {21, "x1234567l", 1, "", 0, "X1234567L"},
      {1, "012345678", 0, "NIFE001", IconoExclamacion, k9Blancos},  // digits only: not a NIF
      {2, "012345678", 1, "", 0, "012345678"},                      // but an identity number
      {2, "12345678A", 0, "DNIE001", IconoExclamacion, k9Blancos},  // wrong letter
      {2, "A58818501", 0, "DNIE001", IconoExclamacion, k9Blancos},
      {22, "A58818501", 1, "", 0, "A58818501"},
      {1, k9Blancos, 1, "", 0, k9Blancos},
      {23, "G12345674", 1, "", 0, "G12345674"},
      {23, "A58818501", 0, "CIF001", IconoExclamacion, k9Blancos},  // an entity, but not E, G or H
      {23, "12345678Z", 0, "CIF001", IconoExclamacion, k9Blancos},
      {23, k9Blancos, 1, "", 0, k9Blancos},
      // dates
      {5, "29021999", 0, "FECHAM", IconoExclamacion, k8Blancos},
      {5, "29022000", 1, "", 0, "29022000"},
      {5, k8Blancos, 1, "", 0, k8Blancos},
      {11, "01011994", 1, "", 0, "01011994"},
      {11, "31121993", 0, "FECHAM", IconoExclamacion, k8Blancos},  // the bound itself is out
      {11, "01012000", 0, "FECHAM", IconoExclamacion, k8Blancos},
      {11, "00000000", 1, "", 0, "00000000"},  // no date
      {12, "01011998", 1, "", 0, "01011998"},
      {12, "31121997", 0, "FECHAM", IconoExclamacion, k8Blancos},
      {13, "01011997", 1, "", 0, "01011997"},
      {14, "31121995", 0, "FECHAM", IconoExclamacion, k8Blancos},
      {15, "01011999", 1, "", 0, "01011999"},
      {15, "31121998", 0, "100R166", IconoExclamacion, k8Blancos},
      {15, "32011999", 0, "FECHAM", IconoExclamacion, k8Blancos},  // not a date: the date message first
      {18, "01052000", 1, "", 0, "01052000"},  // bounds included
      {18, "31122000", 1, "", 0, "31122000"},
      {18, "30042000", 0, "FECHAM", IconoMano, std::string(8, '\0')},
      {18, "01012001", 0, "FECHAM", IconoMano, std::string(8, '\0')},
      {18, "31062000", 0, "FECHAM", IconoMano, std::string(8, '\0')},  // inside the interval, not a date
      {19, "01052000", 0, "FECHAM", IconoMano, std::string(8, '\0')},
      {19, "02052000", 1, "", 0, "02052000"},
      {18, k8Blancos, 1, "", 0, k8Blancos},
      // display dates: day, month name, year in 13-16
      {6, "01ENE       1999", 1, "", 0, "01ENE       1999"},
      {6, "29FEB       1999", 0, "FECHAM", IconoExclamacion, "29FEB       1999"},
      {6, "29FEB       2000", 1, "", 0, "29FEB       2000"},
      {6, "31XYZ       1999", 0, "FECHAM", IconoExclamacion, "31XYZ       1999"},
      {6, "15              ", 1, "", 0, "15              "},  // blank month and year: January 2000
      {6, std::string(16, ' '), 1, "", 0, std::string(16, ' ')},
      // postal codes
      {8, "28001", 1, "", 0, "28001"},
      {8, "53001", 0, "CODE001", IconoExclamacion, std::string(5, '\0')},
      {8, "     ", 1, "", 0, "     "},
      // bank accounts
      {9, "21000418450200051332", 1, "", 0, "21000418450200051332"},
      {9, "2100041845020005133 ", 0, "CUEN007", IconoMano, "2100041845020005133 "},  // incomplete: kept
      {9, std::string(20, ' '), 0, "CUEN007", IconoMano, std::string(20, ' ')},
      {9, "21000418460200051332", 0, "CUEN007", IconoMano, std::string(20, '\0')},
      {10, "2100041845020005133 ", 0, "CUEN007", IconoMano, "2100041845020005133 "},
      {10, "2100041845          ", 1, "", 0, "2100041845          "},  // account not begun
      {10, "21000418460200051332", 0, "CUEN007", IconoMano, "21000418460200051332"},
      {10, "21000418450200051332", 1, "", 0, "21000418450200051332"},
      // years, completed from what was typed
      {16, "5   ", 1, "", 0, "2005"},
      {16, "08  ", 1, "", 0, "2008"},
      {16, "123 ", 0, "CVANO1", IconoMano, std::string(4, '\0')},
      {16, "2009", 0, "CVANO1", IconoMano, std::string(4, '\0')},
      {16, "0000", 1, "", 0, "0000"},
      {16, "    ", 1, "", 0, "    "},
      {16, "8A  ", 0, "CVANO1", IconoMano, std::string(4, '\0')},  // not digits
      {17, "7   ", 1, "", 0, "1997"},
      {17, "998 ", 1, "", 0, "1998"},
      {17, "995 ", 0, "CVANO1", IconoMano, std::string(4, '\0')},
      {101, "85  ", 1, "", 0, "1985"},
      {101, "5   ", 1, "", 0, "1905"},
      {101, "1880", 0, "CVANO1", IconoMano, std::string(4, '\0')},
      {101, "1881", 1, "", 0, "1881"},
      // types without a check
      {7, "ABC", 0, "", 0, "ABC"},
      {24, "ABC", 0, "", 0, "ABC"},
      {150, "ABC", 0, "", 0, "ABC"},
      {207, "ABC", 0, "", 0, "ABC"},
      {0, "ABC", 0, "", 0, "ABC"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE("tipo " + std::to_string(c.tipo) + " '" + c.entrada + "'");
    std::array<char, 32> valor{};
    std::memcpy(valor.data(), c.entrada.data(), c.entrada.size());
    CGuionMensajes guion;
    CValidador v;
    EXPECT_EQ(v.ValidarCampo(c.tipo, valor.data()), c.resultado);
    EXPECT_EQ(v.DameValorActual(), valor.data());
    if (c.codigo.empty()) {
      EXPECT_TRUE(guion.Mensajes().empty());
    } else {
      ASSERT_EQ(guion.Codigos(), std::vector<std::string>{c.codigo});
      EXPECT_EQ(guion.Mensajes()[0].icono, c.icono);
      EXPECT_EQ(guion.Mensajes()[0].extra, "");
    }
    EXPECT_EQ(std::string(valor.data(), c.despues.size()), c.despues);
    // Nothing past the value's own width is touched.
    EXPECT_EQ(valor[std::max(c.entrada.size(), c.despues.size())], '\0');
  }
}

struct SCasoImporte {
  int tipo;
  double entrada;
  int resultado;
  std::string codigo;
  double despues;
};

TEST(Validador, ChequeosDeImportes) {
  const std::vector<SCasoImporte> casos = {
      {20, 33, 1, "", 33},           {20, 0, 1, "", 0},
      {20, 32.99, 0, "100R158", 0},  {20, -5, 0, "100R158", 0},
      {102, 0, 1, "", 0},            {102, 99.99, 1, "", 99.99},
      {102, 100, 0, "100R130", 0},   {102, -1, 0, "100R130", 0},
      {103, 100, 1, "", 100},        {103, 100.5, 0, "100R164", 0},
      {103, -0.5, 0, "100R164", 0},  {104, 365, 1, "", 365},
      {104, 400, 0, "WIN1001", 365}, {4, 1e12, 1, "", 1e12},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE("tipo " + std::to_string(c.tipo) + " " + std::to_string(c.entrada));
    double valor = c.entrada;
    CGuionMensajes guion;
    CValidador v;
    EXPECT_EQ(v.ValidarCampo(c.tipo, &valor), c.resultado);
    EXPECT_EQ(valor, c.despues);
    if (c.codigo.empty()) {
      EXPECT_TRUE(guion.Mensajes().empty());
    } else {
      ASSERT_EQ(guion.Codigos(), std::vector<std::string>{c.codigo});
      EXPECT_EQ(guion.Mensajes()[0].icono, IconoMano);
    }
  }
}

TEST(Validador, ChequeosDeVariosImportes) {
  CValidador v;
  {
    CGuionMensajes guion;
    double d[2] = {60, 40};
    EXPECT_EQ(v.ValidarCampo(3, d), 1);
    double e[2] = {60, 40.5};
    EXPECT_EQ(v.ValidarCampo(3, e), 0);
    EXPECT_EQ(e[0], 0);
    EXPECT_EQ(e[1], 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"PRU001"});
    EXPECT_EQ(guion.Mensajes()[0].icono, IconoExclamacion);
  }
  {
    CGuionMensajes guion;
    double d[5] = {1, 2, 3, 5, 0};
    EXPECT_EQ(v.ValidarCampo(201, d), 0);  // an amount without its base
    EXPECT_EQ(d[3], 5);                     // nothing repaired
    d[4] = 1;
    EXPECT_EQ(v.ValidarCampo(201, d), 1);
    d[3] = 0;
    d[4] = 0;
    EXPECT_EQ(v.ValidarCampo(201, d), 1);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R012"});
    EXPECT_EQ(guion.Mensajes()[0].icono, IconoMano);
  }
  {
    // 202: at most a quarter of the 4th amount, rounded, plus 100; above it the user decides.
    double d[4] = {0, 225, 0, 498};  // Redondear(124.5) + 100 = 225
    CGuionMensajes ninguno;
    EXPECT_EQ(v.ValidarCampo(202, d), 1);
    EXPECT_TRUE(ninguno.Mensajes().empty());
    d[1] = 226;
    CGuionMensajes continua({kBotonContinuar});
    EXPECT_EQ(v.ValidarCampo(202, d), 1);
    EXPECT_EQ(continua.Codigos(), std::vector<std::string>{"100V019"});
    EXPECT_EQ(continua.Mensajes()[0].icono, IconoExclamacion);
    CGuionMensajes corrige({kBotonCorregir});
    EXPECT_EQ(v.ValidarCampo(202, d), 0);
    EXPECT_EQ(d[1], 226);
  }
}

TEST(Validador, ValorNuloNoSeComprueba) {
  CGuionMensajes guion;
  CValidador v;
  EXPECT_EQ(v.ValidarCampo(5, nullptr), 0);
  EXPECT_EQ(v.ValidarCampo(205, nullptr), 0);
  EXPECT_TRUE(guion.Mensajes().empty());
}

TEST(Validador, FechasEntreLimites) {
  struct SCaso {
    const char* fecha;
    const char* limite;
    int estricto;
    int noAnterior;
    int noPosterior;
  };
  const SCaso casos[] = {
      {"01011999", "01011999", 0, 1, 1}, {"01011999", "01011999", 1, 0, 0}, {"02011999", "01011999", 1, 1, 0},
      {"31121998", "01011999", 0, 0, 1}, {"01021999", "31011999", 0, 1, 0}, {"        ", "01011999", 0, 1, 1},
      {"01011999", "", 0, 1, 1},         {"00000000", "01011999", 1, 1, 1}, {"010199", "01011999", 0, 1, 1},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.fecha) + " / " + c.limite);
    EXPECT_EQ(CValidador::FechaNoAnterior(c.fecha, c.limite, c.estricto), c.noAnterior);
    EXPECT_EQ(CValidador::FechaNoPosterior(c.fecha, c.limite, c.estricto), c.noPosterior);
  }
  EXPECT_EQ(CValidador::FechaEnIntervalo("15061999", "01011999", "31121999"), 1);
  EXPECT_EQ(CValidador::FechaEnIntervalo("15062000", "01011999", "31121999"), 0);
}

TEST(Validador, ValidarFechaCampo) {
  // Without bounds: a date of the 1900s.
  EXPECT_EQ(CValidador::ValidarFechaCampo("31121999", "", "", 1, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("01012000", "", "", 1, 0), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("31041999", "", "", 1, 0), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("290299", "", "", 0, 0), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("290296", "", "", 0, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("        ", "", "", 1, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("00000000", "", "", 1, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("AB/CD/EF", "", "", 1, 0), 1);  // not a number text
  // One bound or both.
  EXPECT_EQ(CValidador::ValidarFechaCampo("15061999", "01011999", "", 1, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("15061998", "01011999", "", 1, 0), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("15061999", "", "14061999", 1, 0), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("14061999", "", "14061999", 1, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("14061999", "", "14061999", 1, 1), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("150699", "01011999", "31121999", 0, 0), 1);
  EXPECT_EQ(CValidador::ValidarFechaCampo("310699", "01011999", "31121999", 0, 0), 0);
  EXPECT_EQ(CValidador::ValidarFechaCampo("0106199 ", "01011999", "31121999", 1, 0), 0);
}

TEST(Validador, ComprobarNIF) {
  std::string normalizado;
  EXPECT_EQ(CValidador::ComprobarNIF(nullptr, normalizado), kNIFSinTexto);
  EXPECT_EQ(CValidador::ComprobarNIF("1234567 L", normalizado), 1);
  EXPECT_EQ(normalizado, "01234567L");
  EXPECT_EQ(CValidador::ComprobarNIF("A58818501", normalizado), 20);
}

TEST(Validador, ValidarIdentificacion) {
  struct SCaso {
    const char* nif;
    const char* nombre;
    int resultado;
  };
  const SCaso casos[] = {
      {"12345678Z", "GARCIA PEREZ JUAN", 1},
      {"12345678Z", "GARCIA", 0},          // one word
      {"12345678Z", "GARCIA   ", 0},
      {"12345678Z", "JO", 0},              // too short
      {"12345678Z", "", 0},
      {"12345678Z", "GARCIA P3REZ", 0},    // a digit
      {"12345678Z", "AAA PEREZ", 0},       // three equal first characters
      {"12345678Z", " GARCIA PEREZ", 0},   // starts with a blank
      {"12345678Z", "O'NEILL JOHN", 1},
      {"12345678Z", "\xD1" "U\xD1" "EZ LUIS", 1},
      {"12345678Z", "\xA5" "U\xA5" "EZ LUIS", 1},  // the DOS code page's Ñ
      {"12345678Z", "GAR-CIA PEREZ", 1},   // only the first three characters are tested
      {"12345678Z", "G-ARCIA PEREZ", 0},
      {"X1234567L", "SMITH JOHN", 1},
      {"A58818501", "ACME", 1},            // entities: any name of three characters or more
      {"A58818501", "SA", 0},
      {"12345678A", "GARCIA PEREZ", 0},    // wrong control letter
      {"012345678", "GARCIA PEREZ", 0},    // digits only
      {"Z00000000", "CUALQUIERA", 1},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.nif) + " " + c.nombre);
    EXPECT_EQ(CValidador::ValidarIdentificacion(c.nif, c.nombre), c.resultado);
  }
  // With a record, the name is first copied into it.
  char registro[20];
  std::memset(registro, 'x', sizeof registro);
  EXPECT_EQ(CValidador::ValidarIdentificacion("12345678Z", "ANA ROS GIL", 4, registro, 8), 1);
  EXPECT_EQ(std::string(registro, 20), "xxxxANA ROS xxxxxxxx");
}

// ---- sums ----

void PonerDouble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }
double DameDouble(const unsigned char* p) {
  double v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

struct SArea {
  SArea() : datos(std::make_unique<DatosRenta>()) { std::memset(datos.get(), 0, sizeof(DatosRenta)); }
  unsigned char* Resultados() { return datos->Resultados.octetos; }
  unsigned char* J() { return datos->ApartadoJ.octetos; }
  std::unique_ptr<DatosRenta> datos;
};

TEST(ValidadorSumas, Inmobiliario205EnAreaACero) {
  SArea area;
  // A sixth entry after the five is someone else's amount.
  PonerDouble(area.Resultados() + 5968, 4321);
  std::array<unsigned char, 6 * 72> detalle{};
  auto fila = [&](int f, unsigned char codigo, double importe) {
    detalle[72 * f] = codigo;
    PonerDouble(detalle.data() + 72 * f + 64, importe);
    PonerDouble(detalle.data() + 72 * f + 56, 777);  // the 8th double is not the amount
  };
  fila(0, 2, 1000);
  fila(1, 3, 500);
  fila(2, 2, 250);
  fila(3, 5, 70);
  fila(4, 1, 0);    // no amount: holder 1 gets no entry
  fila(5, 9, 999);  // not a person

  CGuionMensajes guion;
  CValidador v;
  v.PonerDatosRenta(area.datos.get());
  EXPECT_EQ(v.ValidarCampo(205, detalle.data()), 1);
  EXPECT_TRUE(guion.Mensajes().empty());

  struct SEntrada {
    unsigned char codigo;
    double suma;
    double guardado;
  };
  const SEntrada esperadas[5] = {{2, 1250, 0}, {3, 500, 0}, {5, 70, 0}, {0, 0, 0}, {0, 0, 0}};
  for (int k = 0; k < 5; ++k) {
    const unsigned char* e = area.Resultados() + 5848 + 24 * k;
    SCOPED_TRACE(k);
    EXPECT_EQ(e[0], esperadas[k].codigo);
    EXPECT_EQ(DameDouble(e + 8), esperadas[k].suma);
    EXPECT_EQ(DameDouble(e + 16), esperadas[k].guardado);
  }
  EXPECT_EQ(DameDouble(area.Resultados() + 5968), 4321);
  // Nothing else of the area changed.
  std::array<unsigned char, 5848> antes{};
  EXPECT_EQ(std::memcmp(area.Resultados(), antes.data(), antes.size()), 0);
}

TEST(ValidadorSumas, Inmobiliario205ReconstruyeLasEntradas) {
  SArea area;
  auto entrada = [&](int k, unsigned char codigo, double suma, double guardado) {
    unsigned char* e = area.Resultados() + 5848 + 24 * k;
    e[0] = codigo;
    PonerDouble(e + 8, suma);
    PonerDouble(e + 16, guardado);
  };
  entrada(0, 2, 10, 0);   // no kept amount: dropped
  entrada(1, 3, 20, 40);  // kept amounts of the spouse, gathered
  entrada(2, 3, 5, 60);
  entrada(3, 4, 1, 0);
  std::array<unsigned char, 6 * 72> detalle{};
  detalle[0] = 1;
  PonerDouble(detalle.data() + 64, 300);

  CValidador v;
  v.PonerDatosRenta(area.datos.get());
  EXPECT_EQ(v.ValidarCampo(205, detalle.data()), 1);
  const unsigned char* r = area.Resultados() + 5848;
  EXPECT_EQ(r[0], 1);
  EXPECT_EQ(DameDouble(r + 8), 300);
  EXPECT_EQ(DameDouble(r + 16), 0);
  EXPECT_EQ(r[24], 3);
  EXPECT_EQ(DameDouble(r + 24 + 8), 0);
  EXPECT_EQ(DameDouble(r + 24 + 16), 100);
  // The spouse's old entries were gathered into the second one: none is left to count twice.
  for (int k = 2; k < 5; ++k) {
    EXPECT_EQ(r[24 * k], 0) << k;
    EXPECT_EQ(DameDouble(r + 24 * k + 8), 0) << k;
    EXPECT_EQ(DameDouble(r + 24 * k + 16), 0) << k;
  }
}

TEST(ValidadorSumas, SinDeclaracionDeRentaNoHaceNada) {
  std::array<unsigned char, 6 * 104> detalle{};
  detalle[0] = 2;
  PonerDouble(detalle.data() + 48, 100);
  CValidador v;
  EXPECT_EQ(v.ValidarCampo(203, detalle.data()), 1);
  EXPECT_EQ(v.ValidarCampo(205, detalle.data()), 1);
}

// 203 and 204: the work-income rows' amounts of declarant and spouse into section J's holder entries.
struct SCasoJ {
  const char* nombre;
  unsigned char codigos[2];   // the entries' codes before
  double otro[2];             // one of the entries' other amounts before
  double sumaDeclarante;
  double sumaConyuge;
  unsigned char despues[2];   // codes after
  double sumas[2];            // the sum amounts after
};

TEST(ValidadorSumas, TrabajoEnApartadoJ) {
  const SCasoJ casos[] = {
      {"vacias", {0, 0}, {0, 0}, 125, 50, {2, 3}, {125, 50}},
      {"solo conyuge", {0, 0}, {0, 0}, 0, 50, {3, 0}, {50, 0}},
      {"solo declarante", {0, 0}, {0, 0}, 125, 0, {2, 0}, {125, 0}},
      {"nada: la entrada sin otros importes queda libre", {2, 3}, {0, 9}, 0, 0, {0, 3}, {0, 0}},
      {"primera del conyuge", {3, 0}, {9, 0}, 125, 50, {3, 2}, {50, 125}},
      {"segunda del declarante", {0, 2}, {0, 9}, 125, 50, {3, 2}, {50, 125}},
      {"conyuge en la primera, sin declarante", {3, 0}, {9, 0}, 0, 50, {3, 0}, {50, 0}},
      {"declarante en la primera, solo conyuge", {2, 0}, {9, 0}, 0, 50, {2, 3}, {0, 50}},
  };
  for (int tipo : {203, 204}) {
    const std::size_t importe = tipo == 203 ? 48 : 56;
    const std::size_t entradas[2] = {tipo == 203 ? 0u : 136u, tipo == 203 ? 48u : 208u};
    const std::size_t suma = tipo == 203 ? 24 : 32;
    const std::size_t otro = tipo == 203 ? 16 : 48;
    for (const auto& c : casos) {
      SCOPED_TRACE(std::to_string(tipo) + " " + c.nombre);
      SArea area;
      for (int i = 0; i < 2; ++i) {
        area.J()[entradas[i]] = c.codigos[i];
        PonerDouble(area.J() + entradas[i] + otro, c.otro[i]);
        PonerDouble(area.J() + entradas[i] + suma, 999);  // a stale sum
      }
      std::array<unsigned char, 6 * 104> detalle{};
      auto fila = [&](int f, unsigned char codigo, double valor) {
        detalle[104 * f] = codigo;
        PonerDouble(detalle.data() + 104 * f + importe, valor);
        PonerDouble(detalle.data() + 104 * f + (tipo == 203 ? 56 : 48), 7777);  // the other kind's amount
      };
      if (c.sumaDeclarante != 0) {
        fila(0, 2, c.sumaDeclarante - 25);
        fila(3, 2, 25);
      }
      if (c.sumaConyuge != 0) fila(1, 3, c.sumaConyuge);
      fila(2, 4, 1000);  // a child: not summed here
      CValidador v;
      v.PonerDatosRenta(area.datos.get());
      EXPECT_EQ(v.ValidarCampo(tipo, detalle.data()), 1);
      for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(area.J()[entradas[i]], c.despues[i]) << i;
        EXPECT_EQ(DameDouble(area.J() + entradas[i] + suma), c.sumas[i]) << i;
        EXPECT_EQ(DameDouble(area.J() + entradas[i] + otro), c.otro[i]) << i;
      }
    }
  }
}

// 206: the two largest deduction rows of each person into the person's slots.
TEST(ValidadorSumas, Deducciones206) {
  std::array<unsigned char, 2048> m{};
  // Garbage in every slot, so that clearing shows.
  std::memset(m.data() + 1416, 0xEE, 1706 - 1416);
  auto fila = [&](int f, unsigned char codigo, double importe) {
    unsigned char* r = m.data() + 544 + 80 * f;
    r[0] = codigo;
    PonerDouble(r + 40, importe);
    for (int b = 48; b < 76; ++b) r[b] = static_cast<unsigned char>(0x10 * (f + 1) + (b - 48));
  };
  fila(0, 1, 100);
  fila(1, 2, 300);
  fila(2, 3, 80);

  CValidador v;
  EXPECT_EQ(v.ValidarCampo(206, m.data()), 1);

  struct SHueco {
    std::size_t codigo, a, b, dos, diez, ocho;
  };
  const SHueco huecos[2] = {{1416, 1421, 1441, 1461, 1471, 1521}, {1561, 1566, 1586, 1606, 1616, 1666}};
  // Which row fills each person's slots (-1 cleared) and with what code.
  struct SEsperado {
    int fila[2];
    unsigned char codigo[2];
  };
  const SEsperado esperados[5] = {
      {{0, 1}, {1, 2}},    // person 1: 100, 300, 80 -> the smallest (third) dropped, the others in row order
      {{1, 0}, {2, 2}},    // declarant: 50 (half of the common row) and 300 -> the larger first
      {{2, 0}, {2, 2}},    // spouse: 50 and 80
      {{-1, -1}, {0, 0}},  // children never have an amount
      {{-1, -1}, {0, 0}},
  };
  for (std::size_t p = 0; p < 5; ++p) {
    for (int s = 0; s < 2; ++s) {
      SCOPED_TRACE("persona " + std::to_string(p + 1) + " hueco " + std::to_string(s));
      const SHueco& h = huecos[s];
      const int f = esperados[p].fila[s];
      std::array<unsigned char, 28> campos{};  // +48..+75 of the row, or zeros
      if (f >= 0) std::memcpy(campos.data(), m.data() + 544 + 80 * f + 48, 28);
      EXPECT_EQ(m[h.codigo + p], esperados[p].codigo[s]);
      EXPECT_EQ(std::memcmp(m.data() + h.ocho + 8 * p, campos.data(), 8), 0);
      EXPECT_EQ(std::memcmp(m.data() + h.a + 4 * p, campos.data() + 8, 4), 0);
      EXPECT_EQ(std::memcmp(m.data() + h.b + 4 * p, campos.data() + 12, 4), 0);
      EXPECT_EQ(std::memcmp(m.data() + h.dos + 2 * p, campos.data() + 16, 2), 0);
      EXPECT_EQ(std::memcmp(m.data() + h.diez + 10 * p, campos.data() + 18, 10), 0);
    }
  }
  EXPECT_EQ(m[1706], 0);  // nothing past the last slot
}

TEST(ValidadorSumas, Deducciones206EmpatesYUnaFila) {
  std::array<unsigned char, 2048> m{};
  auto fila = [&](int f, unsigned char codigo, double importe) {
    m[544 + 80 * f] = codigo;
    PonerDouble(m.data() + 544 + 80 * f + 40, importe);
    m[544 + 80 * f + 48] = static_cast<unsigned char>(f + 1);
  };
  // Person 1: three equal amounts: the third is dropped. Declarant: one row. Spouse: two equal, the earlier first.
  fila(0, 3, 60);
  fila(1, 2, 60);
  fila(2, 3, 60);
  CValidador v;
  v.ValidarCampo(206, m.data());
  EXPECT_EQ(m[1521], 1);  // person 1, first slot: row 0
  EXPECT_EQ(m[1666], 2);  // person 1, second slot: row 1
  EXPECT_EQ(m[1521 + 8], 2);
  EXPECT_EQ(m[1417], 2);
  EXPECT_EQ(m[1562], 0);  // declarant's second slot cleared
  EXPECT_EQ(m[1521 + 16], 1);
  EXPECT_EQ(m[1666 + 16], 3);
}

// Every code a check shows is a row of the message table, in every language.
TEST(Validador, CodigosEnLaTablaDeMensajes) {
  CBaseDatos bd;
  bd.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  const char* codigos[] = {"NIFE001", "DNIE001", "CIF001",  "PRU001",  "FECHAM",  "CODE001", "CUEN007", "100R166",
                           "CVANO1",  "100R158", "100R130", "100R164", "WIN1001", "100R012", "100V019"};
  for (const char* idioma : {"e", "c", "g", "v"}) {
    PonerIdiomaV(idioma);
    for (const char* codigo : codigos) {
      CDlgMensaje m(nullptr, &bd);
      EXPECT_EQ(m.BuscarMensaje(codigo), 1) << idioma << " " << codigo;
      EXPECT_FALSE(m.DameTexto().empty()) << codigo;
      const unsigned esperados =
          std::string(codigo) == "100V019" ? (kFlagContinuar | kFlagCorregir) : kFlagAceptar;
      EXPECT_EQ(m.DameBotones(), esperados) << codigo;
    }
  }
  PonerIdiomaV("e");
}

}  // namespace
}  // namespace marco
