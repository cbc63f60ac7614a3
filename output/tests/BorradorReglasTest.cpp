// The draft presentation's rules: extra sheets of the pages with many rows, which form page each preview page
// shows, the draft texts of the reference, copy-label and receipt boxes, and one draft page drawn.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include <cstring>
#include <filesystem>
#include <vector>

#include "output/BorradorReglas.h"
#include "output/ImpresionDestino.h"
#include "output/ImpresionReglas.h"

using namespace salida;

namespace {

constexpr std::size_t kTamanoDatosRenta = 61624;

struct CDatos {
  std::vector<std::uint8_t> bytes = std::vector<std::uint8_t>(kTamanoDatosRenta, 0);
  void Byte(std::size_t d, std::uint8_t v) { bytes[d] = v; }
  void Entero(std::size_t d, std::int32_t v) { std::memcpy(&bytes[d], &v, sizeof v); }
  void Doble(std::size_t d, double v) { std::memcpy(&bytes[d], &v, sizeof v); }
};

TEST(HojasExtra, D101PorFilasQueVeLaPersona) {
  CDatos d;
  // Five rows of the spouse (3), two common ones (1).
  for (std::size_t i = 0; i < 5; ++i) d.Byte(0x6658 + 56 * i, 3);
  for (std::size_t i = 5; i < 7; ++i) d.Byte(0x6658 + 56 * i, 1);
  EXPECT_EQ(HojasExtraD101(d.bytes, 3, false), 2);  // seven rows
  EXPECT_EQ(HojasExtraD101(d.bytes, 2, false), 0);  // the declarant sees the two common rows
  EXPECT_EQ(HojasExtraD101(d.bytes, 2, true), 2);   // the family unit sees them all
  // A row filled only by its second byte (no holder) counts in the family unit's view.
  CDatos e;
  for (std::size_t i = 0; i < 4; ++i) e.Byte(0x6658 + 56 * i + 1, 'X');
  EXPECT_EQ(HojasExtraD101(e.bytes, 1, true), 1);
  e.Byte(0x6658 + 1, ' ');
  EXPECT_EQ(HojasExtraD101(e.bytes, 1, true), 0);
  // A short or empty area counts nothing and reads nothing beyond it.
  EXPECT_EQ(HojasExtraD101({}, 1, true), 0);
  EXPECT_EQ(HojasExtraD101(std::span(d.bytes).first(0x6660), 3, false), 0);
}

TEST(HojasExtra, D100PorPagina) {
  CDatos d;
  d.Byte(0x1F90, 4);  // page 3: a holder byte of the first child
  d.Byte(0x27D0, 1);  // page 4: a common one
  // Page 5: three activities of the declarant without a share, one with.
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t r = 0x28A0 + 1560 * i;
    d.Entero(r + 8, 100 + static_cast<int>(i));
    d.Byte(r + 24, 2);
    d.Doble(r + 32, i == 3 ? 50.0 : 0.0);
  }
  // Page 8: seven rows of the declarant in the first column, one common in the last.
  for (std::size_t i = 0; i < 7; ++i) d.Byte(0x6658 + 56 * i, 2);
  d.Byte(0x7728 + 24 * 8, 1);
  const std::array<int, 17> familia = HojasExtraD100(d.bytes, 1);
  EXPECT_EQ(familia[2], 1);
  EXPECT_EQ(familia[3], 1);
  EXPECT_EQ(familia[4], 1);
  EXPECT_EQ(familia[5], 0);
  EXPECT_EQ(familia[7], 2);  // eight rows: three sheets
  EXPECT_EQ(familia[8], 0);
  const std::array<int, 17> hijo = HojasExtraD100(d.bytes, 4);
  EXPECT_EQ(hijo[2], 1);
  EXPECT_EQ(hijo[3], 0);
  EXPECT_EQ(hijo[4], 0);     // the activities are the declarant's
  EXPECT_EQ(hijo[7], 0);     // one common row only
  const std::array<int, 17> declarante = HojasExtraD100(d.bytes, 2);
  EXPECT_EQ(declarante[4], 1);
  EXPECT_EQ(declarante[7], 2);
  // An activity without a key does not count; a key of the agricultural page at row offset 4.
  d.Entero(0x28A0 + 8, 0);
  EXPECT_EQ(HojasExtraD100(d.bytes, 2)[4], 0);
  for (std::size_t i = 0; i < 3; ++i) {
    d.Entero(0x4118 + 2064 * i + 4, 7);
    d.Byte(0x4118 + 2064 * i + 8, 2);
  }
  EXPECT_EQ(HojasExtraD100(d.bytes, 2)[5], 1);
}

TEST(PaginasBorrador, D101ConHojasDeLaPaginaTres) {
  CDatos d;
  for (std::size_t i = 0; i < 5; ++i) d.Byte(0x6658 + 56 * i, 1);
  const CPaginasBorrador p = CPaginasBorrador::Calcular(kFormularioD101, d.bytes, 1, true);
  EXPECT_EQ(p.HojasExtra(), 1);
  EXPECT_EQ(p.Total(), 9);
  EXPECT_EQ(p.Pagina(3), (SPaginaBorrador{3, 1, 103}));
  EXPECT_EQ(p.Pagina(4), (SPaginaBorrador{3, 2, 103}));
  EXPECT_EQ(p.Pagina(5), (SPaginaBorrador{4, 1, 104}));
  EXPECT_EQ(p.Pagina(9), (SPaginaBorrador{8, 1, 217}));
  EXPECT_FALSE(p.Pagina(0));
  EXPECT_FALSE(p.Pagina(10));
}

TEST(PaginasBorrador, D100YD714) {
  CDatos d;
  d.Byte(0x1E20, 2);
  const CPaginasBorrador p = CPaginasBorrador::Calcular(kFormularioD100, d.bytes, 2, false);
  EXPECT_EQ(p.Total(), 18);
  EXPECT_EQ(p.Pagina(3), (SPaginaBorrador{3, 1, 203}));
  EXPECT_EQ(p.Pagina(4), (SPaginaBorrador{3, 2, 203}));
  EXPECT_EQ(p.Pagina(18), (SPaginaBorrador{17, 1, 217}));
  const CPaginasBorrador sinDatos = CPaginasBorrador::Calcular(kFormularioD100, {}, 2, false);
  EXPECT_EQ(sinDatos.Total(), 17);
  const CPaginasBorrador w = CPaginasBorrador::Calcular(kFormularioD714, {}, 1, true);
  EXPECT_EQ(w.Total(), 11);
  EXPECT_EQ(w.Pagina(11), (SPaginaBorrador{11, 1, 311}));
  EXPECT_EQ(CPaginasBorrador::Calcular(9, {}, 1, true).Total(), 0);
}

// A box array with the three special boxes and an amount.
struct CCamposPrueba {
  marco::CControlesPagina campos;
  std::string referencia = std::string(60, 'R');
  std::string etiqueta = "Ejemplar para el interesado.            ";
  std::string justificante = "1234567890123";
  double importe = 5000.0;
  CCamposPrueba() {
    Anadir("REFERENCIA", "A60", referencia.data(), {40, 40, 480, 70});
    Anadir("EJEMPLAR", "A40", etiqueta.data(), {520, 40, 980, 70});
    Anadir("JUSTIFICANTE", "A13", justificante.data(), {40, 100, 300, 130});
    Anadir("IMPORTE", "F12", &importe, {600, 300, 980, 330});
  }
  void Anadir(const char* id, const char* mascara, void* dato, std::array<int, 4> r) {
    auto c = std::make_unique<marco::CCampo>();
    c->IndNumero = campos.NumeroCampos() + 1;
    c->Identifica = id;
    c->StrValidac = mascara;
    c->LeerMascara(marco::kMonedaPesetas);
    c->Dato = dato;
    c->Coor_1 = r[0];
    c->Coor_2 = r[1];
    c->Coor_3 = r[2];
    c->Coor_4 = r[3];
    campos.Anadir(std::move(c));
  }
  std::string Texto(int i) {
    marco::CCampo& c = *campos.Campo(i);
    c.ActualizarTexto({1, 'e'});
    return c.Texto;
  }
};

TEST(CamposBorrador, TextosDeBorradorYVueltaASusValores) {
  CCamposPrueba p;
  {
    const CCamposBorrador borrador(p.campos);
    EXPECT_EQ(p.Texto(0), "NO PRESENTE ESTE BORRADOR");  // a 60-character box reads no further than its buffer
    EXPECT_EQ(p.Texto(1), "NO PRESENTE ESTE BORRADOR");
    EXPECT_EQ(p.Texto(2), "");
    EXPECT_EQ(p.Texto(3), "5.000");
  }
  EXPECT_EQ(p.Texto(1), "Ejemplar para el interesado.");
  EXPECT_EQ(p.Texto(2), "1234567890123");
  EXPECT_EQ(p.campos.Campo(0)->Dato, p.referencia.data());
}

int Oscuros(plataforma::CLienzo& l, const plataforma::CRectangulo& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const auto c = l.Pixel(x, y);
      if (c && c->r < 100) ++n;
    }
  }
  return n;
}

TEST(DibujoBorrador, MarcaDeAguaYCasillas) {
  CCamposPrueba p;
  const plataforma::CTamano t = TamanoA4(100);
  plataforma::CLienzo lienzo = plataforma::CLienzo::Imagen(t.cx, t.cy, 100);
  DibujarPaginaBorrador(lienzo, plataforma::CMetaFile(), &p.campos);
  // "BORRADOR" runs down the left edge from logical (50, 200) of the 1004 x 768 window.
  const int x = 50 * t.cx / 1004;
  const int y = 200 * t.cy / 768;
  EXPECT_GT(Oscuros(lienzo, {x - 2, y, x + 80 * t.cy / 768 + 5, std::min(t.cy, y + 500)}), 500);
  EXPECT_EQ(Oscuros(lienzo, {0, 0, x - 3, t.cy}), 0);  // nothing of it is cut off at the left edge
  // The copy-label box shows the draft text; the receipt box shows nothing.
  EXPECT_GT(Oscuros(lienzo, {520 * t.cx / 1004, 40 * t.cy / 1420, 980 * t.cx / 1004, 70 * t.cy / 1420}),
            50);
  EXPECT_EQ(Oscuros(lienzo, {40 * t.cx / 1004 + 10, 100 * t.cy / 1420, 300 * t.cx / 1004,
                             130 * t.cy / 1420}),
            0);
  EXPECT_EQ(lienzo.Profundidad(), 0);
  lienzo.GuardarPng((std::filesystem::temp_directory_path() / ("korvelix_imp_borrador_" + std::to_string(::getpid()) + ".png")).string());
  // Without boxes nor picture: only the watermark.
  plataforma::CLienzo solo = plataforma::CLienzo::Imagen(t.cx, t.cy, 100);
  DibujarPaginaBorrador(solo, plataforma::CMetaFile(), nullptr);
  EXPECT_GT(Oscuros(solo, {0, 0, t.cx, t.cy}), 500);
  EXPECT_EQ(Oscuros(solo, {t.cx / 3, 0, t.cx, t.cy}), 0);
}

}  // namespace
