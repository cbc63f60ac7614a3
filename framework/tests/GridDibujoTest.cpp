// Drawing the grid on image and PDF canvases without a display: text layout, the colours of the cells in their
// states, images, the sizing line, pagination and the printed pages.
#include "framework/GridDibujo.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace marco {
namespace {

using plataforma::CColor;
using plataforma::CRectangulo;

class CMedidorFijo final : public IMedidorTexto {
 public:
  plataforma::CTamano Medir(std::string_view texto, const plataforma::CFuente&) override {
    return {static_cast<int>(texto.size()) * 7, 14};
  }
};

TEST(GridDibujo, MarcadorBarraNPartePiezas14PixelesMasAbajo) {
  CMedidorFijo medidor;
  const auto lineas = DisponerTextoMarcado("A\\nB", {0, 0, 100, 40}, 0, {}, medidor);
  ASSERT_EQ(lineas.size(), 2u);
  EXPECT_EQ(lineas[0].texto, "A");
  EXPECT_EQ(lineas[1].texto, "B");
  EXPECT_EQ(lineas[1].rect.top - lineas[0].rect.top, 14);
  const auto final = DisponerTextoMarcado("A\\n", {0, 0, 100, 40}, kDtLineaUnica, {}, medidor);
  ASSERT_EQ(final.size(), 2u);
  EXPECT_EQ(final[1].texto, "");
  EXPECT_EQ(DisponerTextoMarcado("A\nB", {0, 0, 100, 40}, kDtLineaUnica, {}, medidor).size(), 1u);
}

TEST(GridDibujo, DisposicionPorFormato) {
  CMedidorFijo medidor;
  // Centred and word-wrapped headings: lines that fit the width, stacked from the top.
  const auto cabecera = DisponerTexto("Tipo de error", {0, 0, 60, 40}, kDtCentro | kDtSaltoPalabra, {}, medidor);
  ASSERT_EQ(cabecera.size(), 2u);
  EXPECT_EQ(cabecera[0].texto, "Tipo de");
  EXPECT_EQ(cabecera[1].texto, "error");
  EXPECT_EQ(cabecera[1].rect.top, 14);
  EXPECT_EQ(cabecera[0].formato, plataforma::kTextoCentro);
  // One line, vertically centred, with an end ellipsis when it does not fit.
  const auto una = DisponerTexto("abcdefghij", {0, 0, 50, 30}, 0x8024, {}, medidor);
  ASSERT_EQ(una.size(), 1u);
  EXPECT_EQ(una[0].texto, "abcd...");
  EXPECT_EQ(una[0].formato, plataforma::kTextoCentroVertical);
  EXPECT_EQ(DisponerTexto("abc", {0, 0, 50, 30}, 0x8024, {}, medidor)[0].texto, "abc");
  // Without word break a long text stays on its line (the cell clips it).
  EXPECT_EQ(DisponerTexto("a b c d e f g h", {0, 0, 20, 30}, 0, {}, medidor).size(), 1u);
}

// A grid laid out as the program's lists are: light yellow cells, one fixed row, columns of 80 and 120.
CGridModelo Lista() {
  CGridModelo g(4, 3, 1, 0);
  g.PonColorFondoDefecto(0xE0FFFF);
  for (int f = 0; f < 4; ++f) g.PonAltoFila(f, 20);
  g.PonAnchoColumna(0, 80);
  g.PonAnchoColumna(1, 120);
  g.PonAnchoColumna(2, 0);
  g.PonTamanoCliente(260, 100);
  return g;
}

CColor Pixel(plataforma::CLienzo& lienzo, int x, int y) { return lienzo.Pixel(x, y).value_or(CColor{1, 2, 3}); }

TEST(GridDibujo, ColoresDeBandasCeldasYLineas) {
  CGridModelo g = Lista();
  g.PonTextoCelda(2, 2, "oculta");
  plataforma::CLienzo lienzo = plataforma::CLienzo::Imagen(260, 100);
  DibujarGrid(lienzo, g, nullptr);
  const SColoresGrid& sis = g.DameColoresSistema();
  EXPECT_EQ(Pixel(lienzo, 40, 30), plataforma::Rgb(255, 255, 224));                 // an ordinary cell
  EXPECT_EQ(Pixel(lienzo, 40, 10), CColor::DeColorRef(sis.caraBoton));              // the fixed row
  EXPECT_EQ(Pixel(lienzo, 0, 0), CColor::DeColorRef(sis.luzBoton));                 // its thin edge
  EXPECT_EQ(Pixel(lienzo, 79, 30), plataforma::kNegro);                             // a vertical grid line
  EXPECT_EQ(Pixel(lienzo, 40, 39), plataforma::kNegro);                             // a horizontal one
  EXPECT_EQ(Pixel(lienzo, 230, 30), CColor::DeColorRef(sis.sombraBoton));           // right of the last column
  EXPECT_EQ(Pixel(lienzo, 40, 90), CColor::DeColorRef(sis.sombraBoton));            // below the last row

  // Selected: the highlight colour; the focus cell: its background framed in black.
  g.PonRangoSeleccion(2, 0, 2, 0);
  g.PonCeldaFoco(3, 1);
  g.PonLineas(0);
  plataforma::CLienzo estados = plataforma::CLienzo::Imagen(260, 100);
  DibujarGrid(estados, g, nullptr);
  EXPECT_EQ(Pixel(estados, 40, 50), CColor::DeColorRef(sis.resalte));
  EXPECT_EQ(Pixel(estados, 80, 60), plataforma::kNegro);
  EXPECT_EQ(Pixel(estados, 150, 70), plataforma::Rgb(255, 255, 224));
  EXPECT_EQ(Pixel(estados, 79, 30), plataforma::Rgb(255, 255, 224));  // no grid lines
  // The sizing line inverts what is under it.
  plataforma::CLienzo linea = plataforma::CLienzo::Imagen(260, 100);
  DibujarGrid(linea, g, nullptr, 30, true);
  EXPECT_EQ(Pixel(linea, 31, 30), plataforma::Rgb(0, 0, 31));
  EXPECT_EQ(Pixel(linea, 32, 30), plataforma::Rgb(255, 255, 224));
}

TEST(GridDibujo, ImagenesConColorDeMascara) {
  // Two pictures of 4 x 2: the first red with a white (mask) pixel, the second blue.
  std::vector<unsigned char> rgb;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool mascara = x == 0 && y == 0;
      const bool primera = x < 4;
      rgb.insert(rgb.end(), {static_cast<unsigned char>(mascara ? 255 : (primera ? 255 : 0)),
                             static_cast<unsigned char>(mascara ? 255 : 0),
                             static_cast<unsigned char>(mascara ? 255 : (primera ? 0 : 255))});
    }
  const CGridImagenes imagenes = CGridImagenes::DeTira(rgb.data(), 8, 2, 4, 0xFFFFFF);
  ASSERT_EQ(imagenes.Cuantas(), 2);
  EXPECT_EQ(CGridImagenes::DeTira(rgb.data(), 8, 2, 9, 0xFFFFFF).Cuantas(), 0);
  EXPECT_EQ(CGridImagenes::DeTira(nullptr, 8, 2, 4, 0xFFFFFF).Cuantas(), 0);

  CGridModelo g = Lista();
  g.PonTamanoImagenes(imagenes.Ancho(), imagenes.Alto(), imagenes.Cuantas());
  g.PonImagenCelda(1, 0, 0);
  g.PonImagenCelda(2, 0, 5);  // out of the list: no picture
  plataforma::CLienzo lienzo = plataforma::CLienzo::Imagen(260, 100);
  DibujarGrid(lienzo, g, &imagenes);
  EXPECT_EQ(Pixel(lienzo, 0, 20), plataforma::Rgb(255, 255, 224));  // the mask shows the cell
  EXPECT_EQ(Pixel(lienzo, 1, 20), plataforma::Rgb(255, 0, 0));
  EXPECT_EQ(Pixel(lienzo, 1, 40), plataforma::Rgb(255, 255, 224));
}

TEST(GridDibujo, Paginacion) {
  CGridModelo g(6, 2, 1, 0);
  g.PonAnchoColumna(0, 100);
  g.PonAnchoColumna(1, 92);
  for (int f = 0; f < 6; ++f) g.PonAltoFila(f, 10);
  // 192 + 8 x 1 = 200 logical units across a page of 1000 x 1500: 300 down; room 300 - 6 x 10 - 10 = 230.
  SDisposicionImpresion d = PaginarGrid(g, 1, 10, 1000, 1500);
  EXPECT_EQ(d.anchoLogico, 200);
  EXPECT_EQ(d.altoLogico, 300);
  EXPECT_EQ(d.hueco, 230);
  ASSERT_EQ(d.paginas.size(), 1u);
  EXPECT_EQ(d.paginas[0].primeraFila, 1);
  EXPECT_EQ(d.paginas[0].ultimaFila, 5);

  g.PonAltoFila(2, 500);  // taller than the room: a page of its own
  g.PonAltoFila(4, 200);
  d = PaginarGrid(g, 1, 10, 1000, 1500);
  ASSERT_EQ(d.paginas.size(), 3u);
  EXPECT_EQ(d.paginas[0].ultimaFila, 1);
  EXPECT_EQ(d.paginas[1].primeraFila, 2);
  EXPECT_EQ(d.paginas[1].ultimaFila, 2);
  EXPECT_EQ(d.paginas[2].primeraFila, 3);
  EXPECT_EQ(d.paginas[2].ultimaFila, 5);

  g.PonNumeroFilas(1);  // only the fixed row: one page
  d = PaginarGrid(g, 1, 10, 1000, 1500);
  ASSERT_EQ(d.paginas.size(), 1u);
  EXPECT_GT(d.paginas[0].primeraFila, d.paginas[0].ultimaFila);

  std::tm t{};
  t.tm_mday = 5;
  t.tm_mon = 0;
  t.tm_year = 100;
  t.tm_hour = 9;
  t.tm_min = 7;
  t.tm_sec = 3;
  EXPECT_EQ(FechaImpresion(t), "05/01/00 09:07:03");
}

TEST(GridDibujo, ImprimirEnPdf) {
  CGridModelo g(200, 2, 1, 0);
  g.PonAnchoColumna(0, 80);
  g.PonAnchoColumna(1, 675);
  g.PonTextoCelda(0, 0, "Tipo de error");
  g.PonTextoCelda(0, 1, "Descripci\xF3n");
  for (int f = 1; f < 200; ++f) {
    g.PonAltoFila(f, 20);
    g.PonTextoCelda(f, 1, "Aviso n\xFAmero " + std::to_string(f));
  }
  g.PonCeldaFoco(3, 1);  // not printed
  const std::filesystem::path ruta =
      std::filesystem::temp_directory_path() / ("grid-" + std::to_string(::getpid()) + ".pdf");
  int paginas = 0;
  {
    plataforma::CLienzo pdf = plataforma::CLienzo::Pdf(ruta.string(), 595, 842, 300);
    ASSERT_TRUE(pdf.Correcto());
    paginas = ImprimirGrid(pdf, g, nullptr, {"korvelix", "Avisos y errores", "01/02/03 04:05:06"});
    EXPECT_TRUE(pdf.Terminar());
  }
  CMedidorLienzo medidor;
  const plataforma::CFuente fuente = FuenteImpresora();
  const SDisposicionImpresion d = PaginarGrid(g, AnchoMedioCaracter(medidor, fuente),
                                              medidor.Medir("abc", fuente).cy, 2479, 3508);
  EXPECT_GT(paginas, 1);
  EXPECT_EQ(paginas, static_cast<int>(d.paginas.size()));
  std::ifstream archivo(ruta, std::ios::binary);
  const std::string contenido((std::istreambuf_iterator<char>(archivo)), std::istreambuf_iterator<char>());
  EXPECT_EQ(contenido.rfind("%PDF", 0), 0u);
  std::filesystem::remove(ruta);

  plataforma::CLienzo vacio = plataforma::CLienzo::Imagen(0, 0);
  EXPECT_EQ(ImprimirGrid(vacio, g, nullptr, {}), 0);
}

}  // namespace
}  // namespace marco
