// Bar-code symbols painted on the canvas, saved as PNG and read back by an independent reader: the PDF417
// symbols must give back the exact bytes, split over several symbols when one cannot hold them, and the GS1-128
// symbol the exact text after its FNC1.
#include "platform/CodigoBarras.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "CodigoBarrasLector.h"
#include "platform/Lienzo.h"

using namespace plataforma;

namespace {

std::vector<std::uint8_t> Aleatorio(std::size_t n, unsigned semilla) {
  std::mt19937 g(semilla);
  std::vector<std::uint8_t> v(n);
  for (auto& b : v) b = static_cast<std::uint8_t>(g() & 0xFF);
  return v;
}

std::string Temporal(const std::string& nombre) {
  return (std::filesystem::temp_directory_path() /
          ("korvelix-codigos-" + std::to_string(::getpid()) + "-" + nombre))
      .string();
}

// Paints the symbols one under the other at `px` pixels per module and reads the image back.
std::vector<pruebas::CCodigoLeido> PintarYLeer(const std::vector<CSimboloCodigoBarras>& simbolos,
                                               const std::string& nombre, int px = 3) {
  int ancho = 0, alto = 20;
  for (const auto& s : simbolos) {
    ancho = std::max(ancho, s.AnchoModulos() * px + 40);
    alto += s.AltoModulos() * px + 40;
  }
  CLienzo lienzo = CLienzo::Imagen(ancho, alto, 300);
  int y = 20;
  for (const auto& s : simbolos) {
    EXPECT_TRUE(PintarSimbolo(lienzo, s, CPunto{20, y}, CTamano{s.AnchoModulos() * px, s.AltoModulos() * px}));
    y += s.AltoModulos() * px + 40;
  }
  const std::string ruta = Temporal(nombre + ".png");
  EXPECT_TRUE(lienzo.GuardarPng(ruta));
  auto leidos = pruebas::LeerCodigosPng(ruta);
  std::filesystem::remove(ruta);
  return leidos;
}

// Every symbol the encoder readies, until it says the data is used up or fails.
std::vector<CSimboloCodigoBarras> Todos(CCodificadorPdf417& cod, int& ultimo) {
  std::vector<CSimboloCodigoBarras> v;
  while ((ultimo = cod.Siguiente()) == 1 && cod.Simbolo() != nullptr) v.push_back(*cod.Simbolo());
  return v;
}

TEST(CodigoBarrasPdf417, UnSimboloDevuelveLosBytesExactos) {
  const auto datos = Aleatorio(900, 1);
  CCodificadorPdf417 cod(datos, {{18, 0}, {12, 51}});
  int ultimo = 0;
  const auto simbolos = Todos(cod, ultimo);
  ASSERT_EQ(ultimo, 0);
  ASSERT_EQ(simbolos.size(), 1u);
  EXPECT_TRUE(cod.Completo());
  // 18 data columns: start, two row indicators, the columns and the stop pattern.
  EXPECT_EQ(simbolos[0].AnchoModulos(), 17 * (18 + 4) + 1);
  EXPECT_EQ(simbolos[0].AltoModulos(), simbolos[0].Filas() * kAltoFilaPdf417);

  const auto leidos = PintarYLeer(simbolos, "uno");
  ASSERT_EQ(leidos.size(), 1u);
  EXPECT_EQ(leidos[0].formato, "PDF417");
  EXPECT_EQ(leidos[0].indice, -1);  // a lone symbol, no sequence
  EXPECT_EQ(leidos[0].bytes, datos);
}

TEST(CodigoBarrasPdf417, FilasFijasSeRespetanOSeRehusan) {
  const auto poco = Aleatorio(300, 2);
  CCodificadorPdf417 cod(poco, {{18, 51}});
  ASSERT_EQ(cod.Siguiente(), 1);
  EXPECT_EQ(cod.Simbolo()->Filas(), 51);
  EXPECT_EQ(cod.Siguiente(), 0);

  // Shapes the encoder cannot make.
  for (const CFormaPdf417 forma : {CFormaPdf417{0, 0}, CFormaPdf417{31, 0}, CFormaPdf417{18, 2},
                                   CFormaPdf417{18, 91}}) {
    CCodificadorPdf417 malo(poco, {forma});
    EXPECT_LT(malo.Siguiente(), 0) << forma.columnas << "x" << forma.filas;
  }
  CCodificadorPdf417 vacio(std::span<const std::uint8_t>{}, {{18, 51}});
  EXPECT_EQ(vacio.Siguiente(), 0);
}

TEST(CodigoBarrasPdf417, VariosSimbolosFormanUnaSecuencia) {
  const auto datos = Aleatorio(2600, 3);
  const std::vector<CFormaPdf417> formas{{18, 51}, {12, 51}, {18, 51}, {13, 54}};
  CCodificadorPdf417 cod(datos, formas);
  int ultimo = 0;
  const auto simbolos = Todos(cod, ultimo);
  ASSERT_EQ(ultimo, 0);
  ASSERT_GE(simbolos.size(), 3u);
  ASSERT_LE(simbolos.size(), 4u);
  for (std::size_t i = 0; i < simbolos.size(); ++i) {
    EXPECT_EQ(simbolos[i].Filas(), formas[i].filas);
    EXPECT_EQ(simbolos[i].AnchoModulos(), 17 * (formas[i].columnas + 4) + 1);
  }
  const auto leidos = PintarYLeer(simbolos, "varios");
  ASSERT_EQ(leidos.size(), simbolos.size());
  EXPECT_EQ(leidos[0].cuenta, static_cast<int>(simbolos.size()));
  EXPECT_EQ(pruebas::UnirSecuencia(leidos), datos);
}

TEST(CodigoBarrasPdf417, DemasiadosDatosPideOtroSimbolo) {
  const auto datos = Aleatorio(5000, 4);
  CCodificadorPdf417 cod(datos, {{18, 51}, {12, 51}});
  int ultimo = 0;
  const auto simbolos = Todos(cod, ultimo);
  EXPECT_EQ(ultimo, 1);  // another symbol would be needed
  EXPECT_EQ(cod.Simbolo(), nullptr);
  EXPECT_FALSE(cod.Completo());
  ASSERT_EQ(simbolos.size(), 2u);
  // What was painted is the beginning of the data, and says that the sequence is not whole.
  const auto leidos = PintarYLeer(simbolos, "demasiados");
  ASSERT_EQ(leidos.size(), 2u);
  EXPECT_EQ(leidos[0].cuenta, 3);
  EXPECT_TRUE(pruebas::UnirSecuencia(leidos).empty());
  std::vector<std::uint8_t> principio;
  for (int i = 0; i < 2; ++i) {
    for (const auto& l : leidos) {
      if (l.indice == i) principio.insert(principio.end(), l.bytes.begin(), l.bytes.end());
    }
  }
  ASSERT_GT(principio.size(), 0u);
  EXPECT_TRUE(std::equal(principio.begin(), principio.end(), datos.begin()));
}

TEST(CodigoBarrasGs1128, ElTextoVuelveTrasElFnc1) {
  const std::string texto = "210111234567890124";
  CLienzo lienzo = CLienzo::Imagen(1000, 300, 300);
  EXPECT_TRUE(PintarCodigoBarras(lienzo, CRectangulo{40, 40, 940, 240}, texto));
  const std::string ruta = Temporal("gs1.png");
  ASSERT_TRUE(lienzo.GuardarPng(ruta));
  const auto leidos = pruebas::LeerCodigosPng(ruta);
  std::filesystem::remove(ruta);
  ASSERT_EQ(leidos.size(), 1u);
  EXPECT_EQ(leidos[0].formato, "Code128");
  EXPECT_EQ(leidos[0].simbologia, "]C1");  // FNC1 in first position: GS1-128
  EXPECT_EQ(std::string(leidos[0].bytes.begin(), leidos[0].bytes.end()), texto);
}

TEST(CodigoBarrasGs1128, TextosQueNoSePuedenCodificar) {
  CLienzo lienzo = CLienzo::Imagen(200, 100, 300);
  const std::vector<std::string> textos{"", "21", "A1011", "21[011]", std::string("21\x01" "011", 6), "21011\xE9"};
  for (const std::string& texto : textos) {
    EXPECT_FALSE(CodificarGs1128(texto).has_value()) << texto;
    EXPECT_FALSE(PintarCodigoBarras(lienzo, CRectangulo{0, 0, 200, 100}, texto));
  }
  EXPECT_FALSE(lienzo.Pixel(100, 50).value() == kNegro);  // nothing drawn
}

TEST(CodigoBarrasPintar, LlenaSuRectanguloYDevuelveElLienzoComoEstaba) {
  constexpr CColor kRojo = Rgb(255, 0, 0);
  CLienzo lienzo = CLienzo::Imagen(300, 100, 300);
  lienzo.RellenarRectangulo(CRectangulo{0, 0, 300, 100}, kRojo);
  lienzo.PonModoMapeo(ModoMapeo::Anisotropico);
  lienzo.PonExtensionVentana(CTamano{10, 10});
  lienzo.PonExtensionVista(CTamano{30, 30});
  // Three modules, dark, light, dark, in one row: ten pixels each.
  const CSimboloCodigoBarras simbolo(3, {1}, {1, 0, 1});
  EXPECT_FALSE(PintarSimbolo(lienzo, simbolo, CPunto{0, 0}, CTamano{0, 50}));
  EXPECT_FALSE(PintarSimbolo(lienzo, CSimboloCodigoBarras{}, CPunto{0, 0}, CTamano{100, 50}));
  EXPECT_TRUE(PintarSimbolo(lienzo, simbolo, CPunto{10, 20}, CTamano{30, 10}));
  EXPECT_EQ(lienzo.DameModoMapeo(), ModoMapeo::Anisotropico);
  EXPECT_EQ(lienzo.DameExtensionVentana(), (CTamano{10, 10}));
  EXPECT_EQ(lienzo.Profundidad(), 0);
  EXPECT_EQ(lienzo.Pixel(10, 20), kNegro);
  EXPECT_EQ(lienzo.Pixel(19, 29), kNegro);
  EXPECT_EQ(lienzo.Pixel(20, 25), kBlanco);  // the light module is cleared, whatever was under it
  EXPECT_EQ(lienzo.Pixel(39, 29), kNegro);
  for (const CPunto fuera : {CPunto{9, 20}, CPunto{40, 25}, CPunto{10, 30}, CPunto{10, 19}}) {
    EXPECT_EQ(lienzo.Pixel(fuera.x, fuera.y), kRojo) << fuera.x << "," << fuera.y;
  }
}

TEST(CodigoBarrasGs1128, ZonasDeSilencioIncluidas) {
  const auto simbolo = CodificarGs1128("21011");
  ASSERT_TRUE(simbolo.has_value());
  for (int c = 0; c < 10; ++c) {
    EXPECT_FALSE(simbolo->Oscuro(0, c));
    EXPECT_FALSE(simbolo->Oscuro(0, simbolo->AnchoModulos() - 1 - c));
  }
  EXPECT_TRUE(simbolo->Oscuro(0, 10));  // the start character's first bar
}

}  // namespace
