// Box records: display texts by type letter, the person's entry of a repeating box, the overflow marker, filing
// texts, TieneValor and drawing on an image canvas.
#include "framework/Campo.h"

#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "framework/MensajeGuion.h"
#include "platform/Lienzo.h"

namespace marco {
namespace {

CCampo Caja(std::string_view mascara, void* dato, char moneda = kMonedaPesetas) {
  CCampo c;
  c.StrValidac = std::string(mascara);
  c.LeerMascara(moneda);
  c.Dato = dato;
  return c;
}

std::string TextoDe(CCampo& c, int sujeto = 0, char idioma = 'e') {
  c.ActualizarTexto(SEntornoCampo{sujeto, idioma});
  return c.Texto;
}

class Campo : public ::testing::Test {
 protected:
  void SetUp() override { RearmarAvisoDesborde(); }
  void TearDown() override { RearmarAvisoDesborde(); }
  CGuionMensajes guion_;
};

TEST_F(Campo, TextoDeImportes) {
  struct Caso {
    double valor;
    const char* mascara;
    int opcion;
    int mostrarCero;
    const char* esperado;
  };
  const Caso casos[] = {
      {1234567.5, "F9.2", 0, 0, "1.234.567,5"},
      {1234567.5, "F9.2", 2, 0, "1.234.567,50"},
      {-1234.5, "F9.2", 0, 0, "-1.234,5"},
      {0.0, "F5", 0, 0, ""},
      {0.0, "F5", 0, 1, "0"},
      {1000.0, "F4", 0, 0, "1.000"},
      {9999.0, "F4", 0, 0, "9.999"},  // 10^n - 1 is the largest that fits (10^n overflows)
      {0.5, "F5.2", 0, 0, "0,5"},
      {2.675, "F5.2", 0, 0, "2,68"},  // half away from zero on the decimal digits
      {-2.5, "F5", 0, 0, "-3"},
      {1234.567, "F9.3", 2, 0, "1.234,57"},  // two decimals shown: rounded, not cut
      {12.0, "M5", 2, 0, "12,00"},
      {-0.004, "F5.2", 0, 0, "0"},  // no negative zero
      {999.0, "F3", 0, 0, "999"},
      {123456789012.0, "F12", 0, 0, "123.456.789.012"},
  };
  for (const Caso& c : casos) {
    double valor = c.valor;
    CCampo caja = Caja(c.mascara, &valor);
    caja.Opcion = c.opcion;
    caja.MostrarCero = c.mostrarCero;
    EXPECT_EQ(TextoDe(caja), c.esperado) << c.valor << " " << c.mascara << " opcion " << c.opcion;
  }
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Campo, ImporteEnEurosMuestraDosDecimales) {
  double valor = 1234.5;
  CCampo euros = Caja("R13.2", &valor, kMonedaEuros);
  EXPECT_EQ(euros.StrValidac, "R13.2");
  EXPECT_EQ(euros.Opcion, 2);
  EXPECT_EQ(TextoDe(euros), "1.234,50");
  CCampo pesetas = Caja("R13.2", &valor, kMonedaPesetas);
  EXPECT_EQ(pesetas.StrValidac, "R16.0");
  EXPECT_EQ(pesetas.Longitud, 16);
  EXPECT_EQ(pesetas.Decimales, 0);
  EXPECT_EQ(TextoDe(pesetas), "1.235");
  // Resolved once: a second reading keeps the first currency's picture.
  pesetas.LeerMascara(kMonedaEuros);
  EXPECT_EQ(pesetas.StrValidac, "R16.0");
}

TEST_F(Campo, TextoDeOtrasLetras) {
  std::array<char, 8> fecha{'0', '5', '0', '2', '2', '0', '0', '0'};
  CCampo d = Caja("D8", fecha.data());
  EXPECT_EQ(TextoDe(d), "05/02/2000");
  fecha.fill('\0');
  EXPECT_EQ(TextoDe(d), kFechaEnBlanco);

  std::uint8_t byte = 1;
  CCampo b = Caja("B1", &byte);
  EXPECT_EQ(TextoDe(b), "X");
  byte = 0;
  EXPECT_EQ(TextoDe(b), " ");

  std::int32_t entero = 1234567;
  CCampo c = Caja("C9", &entero);
  EXPECT_EQ(TextoDe(c), "1.234.567");
  entero = -1234;
  EXPECT_EQ(TextoDe(c), "-1.234");
  entero = 0;
  c.MostrarCero = 1;
  EXPECT_EQ(TextoDe(c), "");

  struct CasoTexto {
    const char* mascara;
    const char* valor;
    const char* esperado;
  };
  const CasoTexto textos[] = {
      {"A10", "ABC       ", "ABC"},
      {"S10", "X         ", "X"},   // one character keeps it and drops the blank
      {"P3", "*  ", "*"},           // also when it is not a letter or a digit
      {"A4", "    ", ""},
      {"G5", "AB\0CD", "AB"},       // a NUL ends the text
      {"Z5", "  1 2", "  1 2"},
  };
  for (const CasoTexto& t : textos) {
    std::string valor(t.valor, static_cast<std::size_t>(AnalizarMascara(t.mascara).longitud));
    CCampo caja = Caja(t.mascara, valor.data());
    EXPECT_EQ(TextoDe(caja), t.esperado) << t.mascara << " '" << t.valor << "'";
  }

  CCampo sinDato = Caja("A10", nullptr);
  sinDato.Texto = "viejo";
  EXPECT_EQ(TextoDe(sinDato), "");
  char x = 'Q';
  CCampo rara = Caja("1abc", &x);
  rara.Texto = "viejo";
  EXPECT_EQ(TextoDe(rara), "viejo");  // a letter outside A..Z leaves the text alone

  EXPECT_EQ(RecortarBlancosFinales("AB   X", 4), "AB");
  EXPECT_EQ(RecortarBlancosIniciales("  AB", 3), "A");
  EXPECT_EQ(RecortarBlancosFinales(std::string_view("A \0Z", 4), 9), "A");
}

TEST_F(Campo, TitularesPorIdiomaDeImpresion) {
  std::uint8_t codigo = 3;
  CCampo t = Caja("T1", &codigo);
  EXPECT_EQ(TextoDe(t, 0, 'e'), "C\xD3" "NYUGE");
  EXPECT_EQ(TextoDe(t, 0, 'c'), "C\xD2" "NJUGE");
  EXPECT_EQ(TextoDe(t, 0, 'g'), "C\xD3" "NXUXE");
  EXPECT_EQ(t.TextoFichero, "3");
  EXPECT_EQ(TextoDe(t, 0, 'x'), "C\xD3" "NXUXE");  // another letter leaves the text as it was
  codigo = 5;
  EXPECT_EQ(TextoDe(t, 0, 'v'), "FILL 2n");
  codigo = 0;
  EXPECT_EQ(TextoDe(t), "");
  EXPECT_EQ(t.TextoFichero, "0");
  codigo = 9;  // no such holder: nothing changes
  t.Texto = "antes";
  EXPECT_EQ(TextoDe(t), "antes");
  EXPECT_EQ(t.TextoFichero, "0");
}

TEST_F(Campo, EntradaDeLaPersonaMostrada) {
  std::array<double, 2> importes{10.0, 20.0};
  CCampo f = Caja("F12*2", importes.data());
  EXPECT_EQ(TextoDe(f, 0), "10");
  EXPECT_EQ(TextoDe(f, 1), "10");
  EXPECT_EQ(TextoDe(f, 2), "20");
  EXPECT_EQ(TextoDe(f, 3), "");  // beyond m: counts as zero
  f.MostrarCero = 1;
  EXPECT_EQ(TextoDe(f, 3), "0");
  EXPECT_EQ(f.TieneValor(SEntornoCampo{3, 'e'}), 0);

  std::string nombres = "ABCDEF";
  CCampo a = Caja("A3*2", nombres.data());
  EXPECT_EQ(TextoDe(a, 2), "DEF");
  EXPECT_EQ(TextoDe(a, 3), "ABC");  // beyond m: the first person's characters

  std::array<std::uint8_t, 2> marcas{1, 1};
  CCampo b = Caja("B1*2", marcas.data());
  EXPECT_EQ(TextoDe(b, 3), " ");

  // Nothing is stored for a person beyond m: there is no entry to write to.
  EXPECT_EQ(f.EntradaSujeto(3), nullptr);
  EXPECT_EQ(f.EntradaSujeto(2), reinterpret_cast<unsigned char*>(&importes[1]));
  EXPECT_EQ(f.EntradaSujeto(0), reinterpret_cast<unsigned char*>(&importes[0]));
  // A box that does not repeat has one value for everybody.
  double unico = 7.0;
  CCampo u = Caja("F5", &unico);
  EXPECT_EQ(u.EntradaSujeto(4), reinterpret_cast<unsigned char*>(&unico));
}

TEST_F(Campo, DesbordeMuestraMarcaYNoCambiaElValor) {
  double grande = 10001.0;
  CCampo f = Caja("F4", &grande);
  EXPECT_EQ(TextoDe(f), kMarcaDesborde);
  EXPECT_EQ(f.Desbordado, 1);
  EXPECT_EQ(grande, 10001.0);
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"WIN032"});

  // Warned once: repainting, another box and a negative value do not warn again until it is armed.
  EXPECT_EQ(TextoDe(f), kMarcaDesborde);
  double negativo = -123456.0;
  CCampo g = Caja("F4", &negativo);
  EXPECT_EQ(TextoDe(g), kMarcaDesborde);
  std::int32_t entero = 100000;
  CCampo c = Caja("I4", &entero);
  EXPECT_EQ(TextoDe(c), kMarcaDesborde);
  EXPECT_EQ(entero, 100000);
  EXPECT_EQ(guion_.Veces("WIN032"), 1);

  RearmarAvisoDesborde();
  EXPECT_EQ(TextoDe(f), kMarcaDesborde);
  EXPECT_EQ(guion_.Veces("WIN032"), 2);
  EXPECT_FALSE(AvisoDesbordeArmado());

  grande = 9999.0;
  EXPECT_EQ(TextoDe(f), "9.999");
  EXPECT_EQ(f.Desbordado, 0);
}

TEST_F(Campo, DiezALaNEnUnaCasillaDeNCifrasDesborda) {
  // 10^n takes n + 1 digits: it never fits a box of n; 10^n - 1 always does.
  for (int n = 1; n <= 12; ++n) {
    const std::string mascara = "F" + std::to_string(n);
    double valor = std::pow(10.0, n);
    CCampo f = Caja(mascara, &valor);
    EXPECT_EQ(TextoDe(f), kMarcaDesborde) << n;
    EXPECT_EQ(f.Desbordado, 1) << n;
    valor = -valor;
    EXPECT_EQ(TextoDe(f), kMarcaDesborde) << n;
    valor = std::pow(10.0, n) - 1.0;
    EXPECT_NE(TextoDe(f), kMarcaDesborde) << n;
    EXPECT_EQ(f.Desbordado, 0) << n;
    std::int32_t entero = n <= 9 ? static_cast<std::int32_t>(std::pow(10.0, n)) : 0;
    if (n <= 9) {
      CCampo c = Caja("I" + std::to_string(n), &entero);
      EXPECT_EQ(TextoDe(c), kMarcaDesborde) << n;
    }
  }
  // With decimals, what counts is the value as shown: 99.996 shows as 100,00 in a box of two whole digits.
  double decimal = 99.996;
  CCampo d = Caja("F2.2", &decimal);
  EXPECT_EQ(TextoDe(d), kMarcaDesborde);
  decimal = 99.994;
  EXPECT_NE(TextoDe(d), kMarcaDesborde);
}

TEST_F(Campo, TextosDeFichero) {
  const SEntornoCampo e{0, 'e'};
  double importe = -1234.5;
  CCampo f = Caja("F9.2", &importe);
  EXPECT_EQ(f.FormatearParaFichero("102N", e), "N00000123450");
  EXPECT_EQ(f.TextoFichero, "N00000123450");
  importe = 1234.5;
  EXPECT_EQ(f.FormatearParaFichero("102N", e), "000000123450");
  importe = 0.0;
  EXPECT_EQ(f.FormatearParaFichero("082Z", e), "0000000000");
  EXPECT_EQ(f.Texto, "");  // the display text was rebuilt first

  // The box reads the name where it is bound: new names are written over the same 40 bytes.
  std::array<char, 40> nombre{};
  const auto ponerNombre = [&nombre](std::string_view texto) {
    nombre.fill(' ');
    std::copy_n(texto.begin(), std::min(texto.size(), nombre.size()), nombre.begin());
  };
  ponerNombre("ABAD LOPEZ, JUAN");
  CCampo w = Caja("A40", nombre.data());
  EXPECT_EQ(w.FormatearParaFichero("450W", e),
            "ABAD LOPEZ" + std::string(20, ' ') + "JUAN" + std::string(11, ' '));
  ponerNombre("SIN COMA");
  EXPECT_EQ(w.FormatearParaFichero("450W", e), std::string(45, ' '));
  ponerNombre("\xC1LVAREZ \xC9" "BOLI");
  EXPECT_EQ(w.FormatearParaFichero("100A", e), "ALVAREZ EB");  // cut to w, accents folded

  std::array<char, 8> fecha{'0', '5', '0', '2', '2', '0', '0', '0'};
  CCampo d = Caja("D8", fecha.data());
  EXPECT_EQ(d.FormatearParaFichero("080D", e), "05022000");

  std::uint8_t marca = 1;
  CCampo b = Caja("B1", &marca);
  EXPECT_EQ(b.FormatearParaFichero("010B", e), "X");
  EXPECT_EQ(b.FormatearParaFichero("010Y", e), "X");
  marca = 0;
  EXPECT_EQ(b.FormatearParaFichero("010B", e), " ");
  // A mark that a page binds to a one-character text keeps its one place when that text is blank.
  char blanco = ' ';
  CCampo sb = Caja("S1", &blanco);
  EXPECT_EQ(sb.FormatearParaFichero("010B", e), " ");

  std::uint8_t titular = 4;
  CCampo t = Caja("T1", &titular);
  EXPECT_EQ(t.FormatearParaFichero("010T", e), "4");

  struct CasoE {
    const char* valor;
    const char* esperado;
  };
  for (const CasoE& c : {CasoE{"     ", "    "}, CasoE{"123  ", "123 "}, CasoE{"123.4", "1234"},
                         CasoE{"12345", "12345"}}) {
    std::string epigrafe = c.valor;
    CCampo ep = Caja("E5", epigrafe.data());
    EXPECT_EQ(ep.FormatearParaFichero("040E", e), c.esperado) << c.valor;
  }
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Campo, TextosDeFicheroSinValorEnlazado) {
  const SEntornoCampo e{0, 'e'};
  struct Caso {
    const char* formato;
    const char* esperado;
  };
  const Caso casos[] = {{"102N", "000000000000"}, {"0511", "000000"}, {"052M", "0000000"}, {"050I", "8"},
                        {"010T", "0"},            {"050A", "     "},  {"030G", "   "}};
  for (const Caso& c : casos) {
    CCampo sinDato = Caja("F9.2", nullptr);
    EXPECT_EQ(sinDato.FormatearParaFichero(c.formato, e), c.esperado) << c.formato;
  }
}

TEST_F(Campo, ValorQueNoCabeEnElFichero) {
  const SEntornoCampo e{0, 'e'};
  struct Caso {
    double valor;
    const char* mascara;
    const char* formato;
  };
  const Caso casos[] = {
      {1e12, "F15.2", "102N"},    // more than 12 characters
      {123456789.0, "F12", "080N"},  // wider than its field
      {1.25, "F5.2", "051N"},     // more decimals than the field holds
      {-1234.0, "F5", "040N"},    // no room for the sign
  };
  for (const Caso& c : casos) {
    double valor = c.valor;
    CCampo f = Caja(c.mascara, &valor);
    EXPECT_EQ(f.FormatearParaFichero(c.formato, e), kTextoErrorFichero) << c.valor << " " << c.formato;
    EXPECT_EQ(valor, c.valor);
  }
  EXPECT_EQ(guion_.Veces("100P006"), 4);

  // A value too large for its box, but not for the file, is filed with its digits.
  double grande = 123456.0;
  CCampo f = Caja("F4", &grande);
  EXPECT_EQ(f.FormatearParaFichero("120N", e), "000000123456");
  EXPECT_EQ(f.Texto, kMarcaDesborde);
  EXPECT_EQ(grande, 123456.0);
}

TEST_F(Campo, TieneValorPorLetra) {
  const SEntornoCampo e{0, 'e'};
  std::uint8_t byte = 0;
  double importe = 0.0;
  std::int32_t entero = 0;
  std::array<char, 5> texto{' ', ' ', ' ', ' ', ' '};
  CCampo b = Caja("B1", &byte);
  CCampo f = Caja("R9", &importe);
  CCampo c = Caja("I5", &entero);
  CCampo s = Caja("S5", texto.data());
  CCampo a = Caja("A5", texto.data());
  std::array<char, 4> digitos{'0', ' ', '0', '\0'};
  CCampo z = Caja("Z4", digitos.data());
  std::array<char, 6> epigrafe{' ', ' ', ' ', ' ', ' ', ' '};
  CCampo ep = Caja("E6", epigrafe.data());
  std::uint8_t otra = 0;
  CCampo x = Caja("X1", &otra);
  EXPECT_EQ(b.TieneValor(e), 0);
  EXPECT_EQ(f.TieneValor(e), 0);
  EXPECT_EQ(c.TieneValor(e), 0);
  EXPECT_EQ(s.TieneValor(e), 0);
  EXPECT_EQ(a.TieneValor(e), 0);  // a blank text, as its kin text letters
  EXPECT_EQ(z.TieneValor(e), 0);  // digits that write zero
  EXPECT_EQ(ep.TieneValor(e), 0);  // a blank activity heading
  EXPECT_EQ(x.TieneValor(e), 1);  // letters without a rule always count
  byte = 1;
  importe = -0.5;
  entero = 3;
  texto[3] = 'x';
  digitos[2] = '7';
  epigrafe[0] = '6';
  EXPECT_EQ(b.TieneValor(e), 1);
  EXPECT_EQ(f.TieneValor(e), 1);
  EXPECT_EQ(c.TieneValor(e), 1);
  EXPECT_EQ(s.TieneValor(e), 1);
  EXPECT_EQ(a.TieneValor(e), 1);
  EXPECT_EQ(z.TieneValor(e), 1);
  EXPECT_EQ(ep.TieneValor(e), 1);
  CCampo sinDato = Caja("A5", nullptr);
  EXPECT_EQ(sinDato.TieneValor(e), 0);
}

// ---- drawing ----

bool HayTinta(plataforma::CLienzo& lienzo, const plataforma::CRectangulo& r) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const auto p = lienzo.Pixel(x, y);
      if (p && p->r < 128 && p->g < 128 && p->b < 128) return true;
    }
  }
  return false;
}

CCampo CajaEn(std::string_view mascara, void* dato, plataforma::CRectangulo r) {
  CCampo c = Caja(mascara, dato);
  c.Coor_1 = r.left;
  c.Coor_2 = r.top;
  c.Coor_3 = r.right;
  c.Coor_4 = r.bottom;
  return c;
}

TEST_F(Campo, DibujaRellenoYTexto) {
  auto lienzo = plataforma::CLienzo::Imagen(300, 120);
  lienzo.RellenarRectangulo({0, 0, 300, 120}, plataforma::Rgb(0, 0, 255));
  double importe = 1234.0;
  CCampo f = CajaEn("F9", &importe, {10, 10, 150, 40});
  f.SoloLectur = 1;
  f.ActualizarTexto(SEntornoCampo{});
  f.Dibujar(lienzo, 0, 0, kDibujoPantalla);
  EXPECT_EQ(lienzo.Pixel(12, 12), plataforma::Rgb(255, 255, 192));
  EXPECT_TRUE(HayTinta(lienzo, {90, 12, 146, 38}));   // right-aligned text
  EXPECT_FALSE(HayTinta(lienzo, {12, 12, 60, 38}));

  f.SoloLectur = 0;
  f.Dibujar(lienzo, 5, 0, kDibujoPantalla);  // scrolled 5 units to the right
  EXPECT_EQ(lienzo.Pixel(8, 12), plataforma::kBlanco);

  // Not on the screen, and not in the texts-only drawing: nothing at all.
  auto otro = plataforma::CLienzo::Imagen(300, 120);
  otro.RellenarRectangulo({0, 0, 300, 120}, plataforma::Rgb(0, 0, 255));
  f.PintarEn = kPintarNoEnPantalla;
  f.Dibujar(otro, 0, 0, kDibujoPantalla);
  f.PintarEn = kPintarNoEnTexto;
  f.Dibujar(otro, 0, 0, kDibujoSoloTexto);
  std::array<char, 8> fecha{};
  CCampo d = CajaEn("D8", fecha.data(), {10, 50, 150, 80});
  d.ActualizarTexto(SEntornoCampo{});
  d.Dibujar(otro, 0, 0, kDibujoSoloTexto);
  EXPECT_EQ(otro.Pixel(12, 12), plataforma::Rgb(0, 0, 255));
  EXPECT_EQ(otro.Pixel(12, 52), plataforma::Rgb(0, 0, 255));
  EXPECT_FALSE(HayTinta(otro, {0, 0, 300, 120}));
  // Texts only: no fill, the text still drawn.
  f.PintarEn = kPintarSiempre;
  f.Dibujar(otro, 0, 0, kDibujoSoloTexto);
  EXPECT_EQ(otro.Pixel(12, 12), plataforma::Rgb(0, 0, 255));
  EXPECT_TRUE(HayTinta(otro, {90, 12, 146, 38}));
}

TEST_F(Campo, TextoPartidoEnLineas) {
  auto lienzo = plataforma::CLienzo::Imagen(300, 120);
  std::string texto = "UNA DOS TRES CUATRO CINCO SEIS SIETE OCHO";
  CCampo s = CajaEn("S41.1", texto.data(), {10, 10, 110, 100});
  s.ActualizarTexto(SEntornoCampo{});
  s.Dibujar(lienzo, 0, 0, kDibujoPantalla);
  EXPECT_FALSE(HayTinta(lienzo, {112, 0, 300, 120}));  // wrapped inside the box (the text is not clipped)
  EXPECT_TRUE(HayTinta(lienzo, {10, 10, 110, 40}));
  EXPECT_TRUE(HayTinta(lienzo, {10, 70, 110, 100}));
}

TEST_F(Campo, MarcosPorEstado) {
  const plataforma::CRectangulo r{10, 10, 110, 40};
  const auto pixel = [](plataforma::CLienzo& l, int x, int y) { return l.Pixel(x, y).value_or(plataforma::kBlanco); };
  double importe = 0.0;
  {
    auto lienzo = plataforma::CLienzo::Imagen(200, 60);
    CCampo f = CajaEn("F9", &importe, r);
    f.DibujarMarco(kMarcoResaltado, lienzo, 0, 0);
    EXPECT_EQ(pixel(lienzo, 10, 25), plataforma::kNegro);  // outer
    EXPECT_EQ(pixel(lienzo, 11, 25), plataforma::kNegro);  // inner
    f.DibujarMarco(kMarcoNormal, lienzo, 0, 0);            // takes the hover frame away
    EXPECT_EQ(pixel(lienzo, 10, 25), plataforma::kNegro);
    EXPECT_EQ(pixel(lienzo, 11, 25), plataforma::kBlanco);
  }
  {
    auto lienzo = plataforma::CLienzo::Imagen(200, 60);
    CCampo f = CajaEn("F9", &importe, r);
    f.SoloLectur = 1;
    f.DibujarMarco(kMarcoResaltado, lienzo, 0, 0);  // read-only: never the inner frame
    EXPECT_EQ(pixel(lienzo, 10, 25), plataforma::kNegro);
    EXPECT_EQ(pixel(lienzo, 11, 25), plataforma::kBlanco);
    f.PintarEn = kPintarNoEnPantalla;
    auto vacio = plataforma::CLienzo::Imagen(200, 60);
    f.DibujarMarco(kMarcoSimple, vacio, 0, 0);
    EXPECT_FALSE(HayTinta(vacio, {0, 0, 200, 60}));
  }
}

}  // namespace
}  // namespace marco
