#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/graphics.h>
#include <wx/image.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "PruebasWx.h"
#include "platform/Lienzo.h"

using namespace plataforma;

namespace {

constexpr CColor kRojo = Rgb(255, 0, 0);
constexpr CColor kAzul = Rgb(0, 0, 255);
constexpr CColor kVerde = Rgb(0, 255, 0);

bool Oscuro(std::optional<CColor> c) { return c && c->r < 128 && c->g < 128 && c->b < 128; }

std::string Temporal(const std::string& nombre) {
  return (std::filesystem::temp_directory_path() /
          ("korvelix-lienzo-" + std::to_string(::getpid()) + "-" + nombre))
      .string();
}

// The bounds of the dark pixels of an image canvas; none when there are none.
std::optional<CRectangulo> CajaOscura(CLienzo& l) {
  std::optional<CRectangulo> caja;
  for (int y = 0; y < l.AltoDispositivo(); ++y) {
    for (int x = 0; x < l.AnchoDispositivo(); ++x) {
      if (!Oscuro(l.Pixel(x, y))) continue;
      if (!caja) {
        caja = CRectangulo{x, y, x + 1, y + 1};
      } else {
        caja->left = std::min(caja->left, x);
        caja->top = std::min(caja->top, y);
        caja->right = std::max(caja->right, x + 1);
        caja->bottom = std::max(caja->bottom, y + 1);
      }
    }
  }
  return caja;
}

int PixelesOscuros(CLienzo& l) {
  int n = 0;
  for (int y = 0; y < l.AltoDispositivo(); ++y) {
    for (int x = 0; x < l.AnchoDispositivo(); ++x) n += Oscuro(l.Pixel(x, y)) ? 1 : 0;
  }
  return n;
}

}  // namespace

TEST(Lienzo, MapeoDeLogicoADispositivoYVuelta) {
  struct Caso {
    const char* nombre;
    ModoMapeo modo;
    CPunto origenVentana;
    CTamano extVentana;
    CPunto origenVista;
    CTamano extVista;
    int ppp;
    CPunto logico;
    CPunto dispositivo;
  };
  const Caso casos[] = {
      {"texto con origen de vista", ModoMapeo::Texto, {0, 0}, {1, 1}, {10, 20}, {1, 1}, 96, {5, 7}, {15, 27}},
      {"texto ignora extensiones", ModoMapeo::Texto, {0, 0}, {10, 10}, {0, 0}, {1, 1}, 96, {5, 7}, {5, 7}},
      {"anisotropico", ModoMapeo::Anisotropico, {0, 0}, {1000, 2000}, {0, 0}, {100, 100}, 96, {500, 1000}, {50, 50}},
      {"anisotropico con origenes", ModoMapeo::Anisotropico, {100, 100}, {1000, 1000}, {10, 10}, {100, 100}, 96,
       {600, 300}, {60, 30}},
      {"anisotropico invertido", ModoMapeo::Anisotropico, {0, 0}, {1000, 2000}, {0, 100}, {100, -100}, 96,
       {1000, 2000}, {100, 0}},
      {"isotropico toma la escala menor", ModoMapeo::Isotropico, {0, 0}, {1000, 1000}, {0, 0}, {200, 100}, 96,
       {1000, 1000}, {100, 100}},
      {"decimas de milimetro, y hacia arriba", ModoMapeo::MetricoBajo, {0, 0}, {1, 1}, {0, 0}, {1, 1}, 254,
       {100, -50}, {100, 50}},
      {"twips", ModoMapeo::Twips, {0, 0}, {1, 1}, {0, 0}, {1, 1}, 144, {1440, -1440}, {144, 144}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CLienzo l = CLienzo::Imagen(10, 10, c.ppp);
    l.PonModoMapeo(c.modo);
    l.PonOrigenVentana(c.origenVentana);
    ASSERT_TRUE(l.PonExtensionVentana(c.extVentana));
    l.PonOrigenVista(c.origenVista);
    ASSERT_TRUE(l.PonExtensionVista(c.extVista));
    EXPECT_EQ(l.LogicoADispositivo(c.logico), c.dispositivo);
    EXPECT_EQ(l.DispositivoALogico(c.dispositivo), c.logico);
  }
}

TEST(Lienzo, ExtensionCeroSeRechaza) {
  CLienzo l = CLienzo::Imagen(10, 10);
  l.PonModoMapeo(ModoMapeo::Anisotropico);
  ASSERT_TRUE(l.PonExtensionVentana({100, 200}));
  EXPECT_FALSE(l.PonExtensionVentana({0, 5}));
  EXPECT_FALSE(l.PonExtensionVista({5, 0}));
  EXPECT_EQ(l.DameExtensionVentana(), (CTamano{100, 200}));
}

// The same rectangle drawn 1:1 and through a scaled mapping lands on the same pixels: the outline inside the
// rectangle, right and bottom edges excluded, the brush inside.
TEST(Lienzo, RectanguloConMarcoDentroYRelleno) {
  struct Caso {
    const char* nombre;
    bool escalado;
    CRectangulo rect;
  };
  for (const Caso& c : {Caso{"uno a uno", false, {10, 10, 50, 30}}, Caso{"escalado x2", true, {5, 5, 25, 15}}}) {
    SCOPED_TRACE(c.nombre);
    CLienzo l = CLienzo::Imagen(100, 80);
    if (c.escalado) {
      l.PonModoMapeo(ModoMapeo::Anisotropico);
      l.PonExtensionVentana({50, 40});
      l.PonExtensionVista({100, 80});
    }
    l.PonPincel(CPincel{EstiloPincel::Solido, kRojo});
    l.Rectangulo(c.rect);
    for (CPunto p : {CPunto{10, 10}, CPunto{49, 10}, CPunto{10, 29}, CPunto{49, 29}, CPunto{30, 10}}) {
      EXPECT_EQ(l.Pixel(p.x, p.y), kNegro) << p.x << "," << p.y;
    }
    EXPECT_EQ(l.Pixel(50, 10), kBlanco);
    EXPECT_EQ(l.Pixel(10, 30), kBlanco);
    EXPECT_EQ(l.Pixel(9, 9), kBlanco);
    EXPECT_EQ(l.Pixel(11, 11), kRojo);
    EXPECT_EQ(l.Pixel(30, 20), kRojo);
    EXPECT_TRUE(l.Correcto());
  }
}

TEST(Lienzo, PlumaYPincelNulos) {
  CLienzo l = CLienzo::Imagen(100, 80);
  l.PonPluma(CPluma{EstiloPluma::Nula, 0, kNegro});
  l.PonPincel(CPincel{EstiloPincel::Solido, kAzul});
  l.Rectangulo({10, 10, 50, 30});
  EXPECT_EQ(l.Pixel(10, 10), kAzul);
  l.PonPluma(CPluma{});
  l.PonPincel(CPincel{EstiloPincel::Nulo, kAzul});
  l.Rectangulo({60, 10, 90, 30});
  EXPECT_EQ(l.Pixel(60, 10), kNegro);
  EXPECT_EQ(l.Pixel(75, 20), kBlanco);
}

TEST(Lienzo, LineasGruesasYDiscontinuas) {
  CLienzo l = CLienzo::Imagen(100, 80);
  l.PonPluma(CPluma{EstiloPluma::Solida, 3, kNegro});
  l.Linea({10, 20}, {90, 20});
  EXPECT_EQ(l.Pixel(50, 19), kNegro);
  EXPECT_EQ(l.Pixel(50, 20), kNegro);
  EXPECT_EQ(l.Pixel(50, 21), kNegro);
  EXPECT_EQ(l.Pixel(50, 18), kBlanco);
  EXPECT_EQ(l.Pixel(50, 22), kBlanco);
  EXPECT_EQ(l.DamePosicion(), (CPunto{90, 20}));

  l.PonPluma(CPluma{EstiloPluma::Guiones, 0, kNegro});
  l.Linea({0, 50}, {100, 50});
  int negros = 0;
  for (int x = 0; x < 100; ++x) negros += l.Pixel(x, 50) == kNegro ? 1 : 0;
  EXPECT_GT(negros, 40);
  EXPECT_LT(negros, 95);
}

TEST(Lienzo, PoligonoRellenoYPolilineaAbierta) {
  CLienzo l = CLienzo::Imagen(100, 100);
  l.PonPluma(CPluma{EstiloPluma::Nula, 0, kNegro});
  l.PonPincel(CPincel{EstiloPincel::Solido, kRojo});
  const CPunto triangulo[] = {{10, 10}, {50, 10}, {10, 50}};
  l.Poligono(triangulo);
  EXPECT_EQ(l.Pixel(20, 20), kRojo);
  EXPECT_EQ(l.Pixel(45, 45), kBlanco);

  l.PonPluma(CPluma{EstiloPluma::Solida, 0, kAzul});
  const CPunto ele[] = {{60, 60}, {90, 60}, {90, 90}};
  l.Polilinea(ele);
  EXPECT_EQ(l.Pixel(75, 60), kAzul);
  EXPECT_EQ(l.Pixel(90, 75), kAzul);
  EXPECT_EQ(l.Pixel(75, 75), kBlanco);  // the closing diagonal is not drawn

  const CPunto nada[] = {{1, 1}};
  l.Polilinea(nada);
  l.Poligono(nada);
  EXPECT_TRUE(l.Correcto());
}

TEST(Lienzo, GuardarYRestaurarDevuelvenHerramientasYRecorte) {
  CLienzo l = CLienzo::Imagen(100, 40);
  EXPECT_FALSE(l.Restaurar());
  EXPECT_EQ(l.Guardar(), 1);
  l.PonPincel(CPincel{EstiloPincel::Solido, kAzul});
  l.PonModoMapeo(ModoMapeo::Anisotropico);
  l.PonExtensionVentana({50, 20});
  l.PonExtensionVista({100, 40});
  l.RecortarRect({0, 0, 25, 20});  // device (0, 0) to (50, 40)
  l.Rectangulo({0, 0, 50, 20});
  EXPECT_EQ(l.Pixel(25, 20), kAzul);
  EXPECT_EQ(l.Pixel(75, 20), kBlanco);
  ASSERT_TRUE(l.Restaurar());
  EXPECT_EQ(l.Profundidad(), 0);
  EXPECT_EQ(l.DamePincel(), CPincel{});
  EXPECT_EQ(l.DameModoMapeo(), ModoMapeo::Texto);
  l.PonPincel(CPincel{EstiloPincel::Solido, kVerde});
  l.Rectangulo({0, 0, 100, 40});
  EXPECT_EQ(l.Pixel(75, 20), kVerde);
}

TEST(Lienzo, ModoInvertirDeshaceLoDibujado) {
  CLienzo l = CLienzo::Imagen(40, 40);
  l.PonModoDibujo(ModoDibujo::Invertir);
  l.PonPincel(CPincel{EstiloPincel::Nulo, kBlanco});
  l.Rectangulo({5, 5, 35, 35});
  EXPECT_EQ(l.Pixel(5, 5), kNegro);
  l.Rectangulo({5, 5, 35, 35});
  EXPECT_EQ(l.Pixel(5, 5), kBlanco);
}

TEST(Lienzo, TextoSeColocaPorLaAlineacion) {
  CLienzo l = CLienzo::Imagen(200, 100);
  l.PonFuente(CFuente{"Arial", -20, 700});
  l.PonModoFondo(ModoFondo::Transparente);
  const CTamano medida = l.MedirTexto("HOLA");
  EXPECT_GT(medida.cx, 30);
  EXPECT_GE(medida.cy, 20);

  l.Texto({10, 10}, "HOLA");
  const auto caja = CajaOscura(l);
  ASSERT_TRUE(caja);
  EXPECT_GE(caja->left, 10);
  EXPECT_GE(caja->top, 10);
  EXPECT_LE(caja->right, 10 + medida.cx + 1);
  EXPECT_LE(caja->bottom, 10 + medida.cy + 1);

  CLienzo d = CLienzo::Imagen(200, 100);
  d.PonFuente(CFuente{"Arial", -20, 700});
  d.PonAlineacionTexto(kAlineaDerecha | kAlineaBase);
  d.Texto({150, 60}, "HOLA");
  const auto cajaD = CajaOscura(d);
  ASSERT_TRUE(cajaD);
  EXPECT_LE(cajaD->right, 151);
  EXPECT_GE(cajaD->right, 145);
  EXPECT_LE(cajaD->bottom, 61);
  EXPECT_GE(cajaD->bottom, 56);
}

TEST(Lienzo, TextoEnRectCentradoYFondoOpaco) {
  CLienzo l = CLienzo::Imagen(200, 100);
  l.PonFuente(CFuente{"Arial", -16, 400});
  l.PonModoFondo(ModoFondo::Transparente);
  l.TextoEnRect({0, 0, 200, 100}, "12.345", kTextoCentro | kTextoCentroVertical);
  const auto caja = CajaOscura(l);
  ASSERT_TRUE(caja);
  EXPECT_NEAR((caja->left + caja->right) / 2.0, 100.0, 3.0);
  EXPECT_NEAR((caja->top + caja->bottom) / 2.0, 50.0, 4.0);

  // An opaque background fills the text's cell, whatever the face that stands for "Arial" covers of it: no pixel
  // of the cell is left white, most of them are the background's colour, and around the cell the image is white.
  CLienzo o = CLienzo::Imagen(200, 60);
  o.PonFuente(CFuente{"Arial", -16, 400});
  o.PonColorFondo(kVerde);
  o.PonModoFondo(ModoFondo::Opaco);
  const CTamano celda = o.MedirTexto("I I");
  ASSERT_GT(celda.cx, 4);
  ASSERT_GT(celda.cy, 4);
  o.Texto({10, 10}, "I I");
  int verdes = 0;
  int blancos = 0;
  // The last column and row of the cell may be shared with the white around it.
  for (int y = 10; y < 10 + celda.cy - 1; ++y) {
    for (int x = 10; x < 10 + celda.cx - 1; ++x) {
      verdes += o.Pixel(x, y) == kVerde ? 1 : 0;
      blancos += o.Pixel(x, y) == kBlanco ? 1 : 0;
    }
  }
  EXPECT_EQ(blancos, 0);
  EXPECT_GT(verdes, (celda.cx - 1) * (celda.cy - 1) / 2);
  EXPECT_GT(PixelesOscuros(o), 0);
  EXPECT_EQ(o.Pixel(5, 5), kBlanco);
  EXPECT_EQ(o.Pixel(10 + celda.cx + 2, 10 + celda.cy / 2), kBlanco);
  EXPECT_EQ(o.Pixel(10 + celda.cx / 2, 10 + celda.cy + 2), kBlanco);
}

TEST(Lienzo, TextoWindows1252YGirado) {
  const auto oscuros = [](std::string_view texto, int escapamiento) {
    CLienzo l = CLienzo::Imagen(120, 120);
    CFuente f{"Arial", -30, 400};
    f.escapamiento = escapamiento;
    l.PonFuente(f);
    l.PonAlineacionTexto(kAlineaBase);
    l.Texto({40, 80}, texto);
    EXPECT_TRUE(l.Correcto());
    return std::make_pair(PixelesOscuros(l), CajaOscura(l));
  };
  // 0xD1 is "Ñ": the tilde adds ink over an "N".
  EXPECT_GT(oscuros("\xD1", 0).first, oscuros("N", 0).first);
  const auto horizontal = oscuros("HHHH", 0).second;
  const auto vertical = oscuros("HHHH", 900).second;
  ASSERT_TRUE(horizontal && vertical);
  EXPECT_GT(horizontal->Ancho(), horizontal->Alto());
  EXPECT_GT(vertical->Alto(), vertical->Ancho());
  EXPECT_LE(vertical->bottom, 81);  // turned counterclockwise, the line goes up from its start
}

TEST(Lienzo, ImagenSeGuardaComoPng) {
  CLienzo l = CLienzo::Imagen(30, 20);
  l.PonPincel(CPincel{EstiloPincel::Solido, kRojo});
  l.Rectangulo({0, 0, 30, 20});
  const std::string ruta = Temporal("imagen.png");
  ASSERT_TRUE(l.GuardarPng(ruta));
  cairo_surface_t* leida = cairo_image_surface_create_from_png(ruta.c_str());
  ASSERT_EQ(cairo_surface_status(leida), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(leida), 30);
  EXPECT_EQ(cairo_image_surface_get_height(leida), 20);
  cairo_surface_flush(leida);
  const auto* px = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(leida) +
                                                          5 * cairo_image_surface_get_stride(leida));
  EXPECT_EQ(px[5] & 0xFFFFFF, 0xFF0000u);
  cairo_surface_destroy(leida);
  std::filesystem::remove(ruta);
  EXPECT_FALSE(l.Pixel(30, 0));
}

TEST(Lienzo, PdfConDosPaginasEnPuntosDeImpresora) {
  const std::string ruta = Temporal("paginas.pdf");
  {
    CLienzo l = CLienzo::Pdf(ruta, 595.28, 841.89, 300);
    ASSERT_TRUE(l.Correcto());
    EXPECT_EQ(l.AnchoDispositivo(), 2480);
    EXPECT_EQ(l.AltoDispositivo(), 3508);
    l.Rectangulo({300, 300, 2180, 600});
    l.PonFuente(CFuente{"Arial", -60, 700});
    l.Texto({320, 320}, "P\xE1gina 1");
    l.NuevaPagina();
    l.Texto({320, 320}, "P\xE1gina 2");
    EXPECT_FALSE(l.Pixel(0, 0));
    EXPECT_TRUE(l.Terminar());
  }
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream contenido;
  contenido << f.rdbuf();
  const std::string pdf = contenido.str();
  EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
  std::size_t paginas = 0;
  for (std::size_t i = pdf.find("/Type /Page"); i != std::string::npos; i = pdf.find("/Type /Page", i + 1)) {
    if (pdf.compare(i, 12, "/Type /Pages") != 0) ++paginas;
  }
  EXPECT_EQ(paginas, 2u);
  std::filesystem::remove(ruta);
}

// A borrowed context is drawn in its own user space and given back as it was lent.
TEST(Lienzo, ContextoAjenoQuedaComoEstaba) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 60, 40);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_translate(cr, 10, 0);
  cairo_set_source_rgb(cr, 0, 0, 1);
  {
    CLienzo l(cr, 50, 40);
    l.PonPincel(CPincel{EstiloPincel::Solido, kRojo});
    l.Guardar();  // left open on purpose
    l.Rectangulo({0, 0, 20, 20});
  }
  double r = 0, g = 0, b = 0, a = 0;
  ASSERT_EQ(cairo_pattern_get_rgba(cairo_get_source(cr), &r, &g, &b, &a), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(b, 1.0);
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  EXPECT_EQ(m.x0, 10.0);
  cairo_surface_flush(s);
  const auto* fila = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                            10 * cairo_image_surface_get_stride(s));
  EXPECT_EQ(fila[5] & 0xFFFFFF, 0xFFFFFFu);
  EXPECT_EQ(fila[20] & 0xFFFFFF, 0xFF0000u);
  cairo_destroy(cr);
  cairo_surface_destroy(s);
}

// What a window does: the cairo context of a wxWidgets drawing surface is lent to a canvas.
TEST(Lienzo, DibujaEnElContextoDeUnaVentana) {
  REQUIERE_PANTALLA();
  wxBitmap mapa(60, 40, 24);
  {
    wxMemoryDC dc(mapa);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    std::unique_ptr<wxGraphicsContext> gc(wxGraphicsContext::Create(dc));
    ASSERT_TRUE(gc);
    auto* cr = static_cast<cairo_t*>(gc->GetNativeContext());
    ASSERT_NE(cr, nullptr);
    CLienzo l(cr, 60, 40);
    l.PonPincel(CPincel{EstiloPincel::Solido, kRojo});
    l.Rectangulo({10, 10, 30, 20});
    EXPECT_TRUE(l.Correcto());
  }
  const wxImage imagen = mapa.ConvertToImage();
  EXPECT_EQ(imagen.GetRed(20, 15), 255);
  EXPECT_EQ(imagen.GetGreen(20, 15), 0);
  EXPECT_EQ(imagen.GetRed(10, 10), 0);    // the outline
  EXPECT_EQ(imagen.GetGreen(40, 30), 255);  // untouched
}
