// The tables and pictures the build makes from data/paginas: what the program reads of page 202 (ORD002) and
// page 102 (SIM002), the dump of the table tool, and the picture rendered to PNG with a frame at every box.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "FuentePagina.h"
#include "platform/Lienzo.h"
#include "platform/MetaFile.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace fs = std::filesystem;
using namespace plataforma;

namespace {

const fs::path kDatos = KORVELIX_DATOS_LOCAL;

struct CCaja {
  int numero = 0;
  CRectangulo rect{};
  std::string mascara;
  bool soloLectura = false;
};

// The boxes of a page as the program loads them: order CLAVE, seek the "%4d" page id, read while it matches.
std::vector<CCaja> CajasDePagina(const std::string& clave) {
  std::vector<CCaja> cajas;
  std::string error;
  auto t = CTablaRegistros::Abrir(RutaTabla(kDatos, "ControlX"), "ControlX", 1, &error);
  EXPECT_TRUE(t) << error;
  if (!t) return cajas;
  EXPECT_TRUE(t->PonerOrden(t->NumeroOrden("CLAVE")));
  if (!t->Buscar(clave)) return cajas;
  while (!t->FinDeFichero() && t->LeerTexto("IndiceFich") == clave) {
    CCaja c;
    c.numero = static_cast<int>(t->LeerEntero("IndNumero"));
    c.rect = CRectangulo{static_cast<int>(t->LeerEntero("Coor_1")), static_cast<int>(t->LeerEntero("Coor_2")),
                         static_cast<int>(t->LeerEntero("Coor_3")), static_cast<int>(t->LeerEntero("Coor_4"))};
    c.mascara = t->LeerTexto("StrValidac");
    c.soloLectura = t->LeerLogico("SoloLectur");
    cajas.push_back(c);
    t->Saltar(1);
  }
  return cajas;
}

std::string Lee(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

fs::path CarpetaPrueba() {
  const fs::path c = fs::path(::testing::TempDir()) /
                     ("paginas-" + std::to_string(::getpid()) + "-" +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(c);
  fs::create_directories(c);
  return c;
}

int Ejecuta(const std::string& orden) {
  const int estado = std::system(orden.c_str());
  return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

TEST(DatosPaginas, ControlXTieneLas45CasillasDeORD002EnOrden) {
  const std::vector<CCaja> cajas = CajasDePagina(" 202");
  ASSERT_EQ(cajas.size(), 45u);
  for (std::size_t i = 0; i < cajas.size(); ++i) {
    const CCaja& c = cajas[i];
    EXPECT_EQ(c.numero, static_cast<int>(i) + 1);
    EXPECT_GT(c.rect.right, c.rect.left);
    EXPECT_GT(c.rect.bottom, c.rect.top);
    EXPECT_LE(c.rect.right, paginas::kAnchoPagina);
    EXPECT_LE(c.rect.bottom, paginas::kAltoPagina);
  }
  // What the page binds: the header N.I.F. (a plain text: it takes digits), a header text, forty-one amounts of five
  // elements, a 20-character text, a header text.
  EXPECT_EQ(cajas[0].mascara.substr(0, 2), "P9");
  for (int n = 3; n <= 43; ++n) EXPECT_EQ(cajas[n - 1].mascara.substr(0, 5), "F12*5") << n;
  EXPECT_EQ(cajas[43].mascara.substr(0, 3), "A20");
  EXPECT_TRUE(cajas[0].soloLectura);
  EXPECT_FALSE(cajas[2].soloLectura);  // box 3 opens the work-income detail
  EXPECT_TRUE(cajas[19].soloLectura);  // box 20 is a total

  // SIM002 has the very same boxes.
  const std::vector<CCaja> simplificada = CajasDePagina(" 102");
  ASSERT_EQ(simplificada.size(), cajas.size());
  for (std::size_t i = 0; i < cajas.size(); ++i) {
    EXPECT_EQ(simplificada[i].rect, cajas[i].rect);
    EXPECT_EQ(simplificada[i].mascara, cajas[i].mascara);
  }
}

TEST(DatosPaginas, GemelasYCatalogoEnLosCuatroIdiomas) {
  std::string error;
  for (const char letra : paginas::kIdiomas) {
    const std::string gemela = std::string("Control") + letra;
    auto t = CTablaRegistros::Abrir(RutaTabla(kDatos, gemela), gemela, 1, &error);
    ASSERT_TRUE(t) << gemela << ": " << error;
    ASSERT_TRUE(t->PonerOrden(t->NumeroOrden("CLAVE")));
    ASSERT_TRUE(t->Buscar(" 202   3")) << gemela;
    EXPECT_FALSE(RecortaDerecha(t->LeerTexto("TextoDibuj")).empty());
    EXPECT_FALSE(RecortaDerecha(t->LeerTexto("TituloVent")).empty());  // box 3 opens a detail window
    ASSERT_TRUE(t->Buscar(" 202  45")) << gemela;

    const std::string paginasIdioma = std::string("Paginas") + letra;
    auto p = CTablaRegistros::Abrir(RutaTabla(kDatos, paginasIdioma), paginasIdioma, 1, &error);
    ASSERT_TRUE(p) << error;
    ASSERT_TRUE(p->PonerOrden(p->NumeroOrden("CLAVE")));
    ASSERT_TRUE(p->Buscar(" 202"));
    // Each twin has the page title of its language (data/idiomas/paginas).
    const char* titulo = letra == 'e' ? "Rendimientos del trabajo y del capital"
                         : letra == 'g' ? "Rendementos do traballo e do capital"
                                        : "Rendiments del treball i del capital";
    EXPECT_EQ(std::string(RecortaDerecha(p->LeerTexto("TituloPagi"))), titulo) << paginasIdioma;

    for (const char* fichero : {"PAGD202", "PAGD102"}) {
      EXPECT_TRUE(fs::exists(kDatos / (std::string(fichero) + letra + ".WMF"))) << fichero << letra;
    }
  }
  auto p = CTablaRegistros::Abrir(RutaTabla(kDatos, "Paginasx"), "Paginasx", 1, &error);
  ASSERT_TRUE(p) << error;
  ASSERT_TRUE(p->PonerOrden(p->NumeroOrden("CLAVE")));
  ASSERT_TRUE(p->Buscar(" 202"));
  EXPECT_EQ(p->LeerEntero("TipoDec"), 2);
  EXPECT_EQ(p->LeerEntero("NumCuadros"), 45);
  EXPECT_EQ(std::string(RecortaDerecha(p->LeerTexto("FicheroWMF"))), "PAGD202x.WMF");
  ASSERT_TRUE(p->Buscar(" 102"));
  EXPECT_EQ(p->LeerEntero("TipoDec"), 1);
  EXPECT_EQ(p->LeerEntero("NumCuadros"), 45);
}

TEST(DatosPaginas, LaHerramientaDeTablasVuelcaLasCasillasDe202EnOrden) {
  const fs::path carpeta = CarpetaPrueba();
  const fs::path volcado = carpeta / "ControlX.txt";
  ASSERT_EQ(Ejecuta(std::string("'") + KORVELIX_PROGRAMA_TABLA + "' volcar '" + (kDatos / "ControlX.DBF").string() +
                    "' '" + volcado.string() + "'"),
            0);
  std::istringstream lineas(Lee(volcado));
  std::string linea;
  int siguiente = 1;
  while (std::getline(lineas, linea)) {
    if (linea.rfind(" 202|", 0) != 0) continue;
    char esperado[16];
    std::snprintf(esperado, sizeof esperado, " 202|%4d|", siguiente);
    EXPECT_EQ(linea.substr(0, 10), esperado);
    ++siguiente;
  }
  EXPECT_EQ(siguiente, 46);
  fs::remove_all(carpeta);
}

bool Oscuro(CLienzo& l, int x, int y) {
  const auto c = l.Pixel(x, y);
  return c && c->r + c->g + c->b < 3 * 100;
}

bool Blanco(CLienzo& l, int x, int y) {
  const auto c = l.Pixel(x, y);
  return c && c->r + c->g + c->b > 3 * 200;
}

// The picture played at one pixel per page unit puts each frame on the box's outermost pixels: dark on the edges,
// light just outside and just inside, in every language. The PNG images stay in the build's datos/pruebas folder
// for a look.
TEST(DatosPaginas, ElDibujoEnmarcaCadaCasillaDondeDiceControlX) {
  const std::vector<CCaja> cajas = CajasDePagina(" 202");
  ASSERT_EQ(cajas.size(), 45u);
  const fs::path carpeta = kDatos.parent_path() / "pruebas";
  fs::create_directories(carpeta);
  for (const char letra : paginas::kIdiomas) {
    CMetaFile mf;
    ASSERT_EQ(mf.Cargar((kDatos / (std::string("PAGD202") + letra + ".WMF")).string()), 1);
    const CTamano tamano = mf.DameTamano();
    EXPECT_EQ(tamano, (CTamano{2100, 2971}));
    const int ancho = paginas::kAnchoPagina;
    const int alto = tamano.cy * ancho / tamano.cx;  // as the page view sizes its viewport
    ASSERT_EQ(alto, paginas::kAltoPagina);
    CLienzo lienzo = CLienzo::Imagen(ancho, alto);
    ASSERT_TRUE(lienzo.Correcto());
    ASSERT_EQ(mf.Dibujar(lienzo, CRectangulo{0, 0, ancho, alto}, 0), 1);
    const fs::path png = carpeta / (std::string("pagina-202") + letra + ".png");
    ASSERT_TRUE(lienzo.GuardarPng(png.string()));
    EXPECT_GT(fs::file_size(png), 1000u);

    for (const CCaja& c : cajas) {
      const CRectangulo& r = c.rect;
      const int xm = (r.left + r.right) / 2;
      const int ym = (r.top + r.bottom) / 2;
      for (int y = r.top + 2; y < r.bottom - 2; y += 3) {
        EXPECT_TRUE(Oscuro(lienzo, r.left, y)) << "box " << c.numero << " left edge, y " << y;
        EXPECT_TRUE(Oscuro(lienzo, r.right - 1, y)) << "box " << c.numero << " right edge, y " << y;
      }
      for (int x = r.left + 2; x < r.right - 2; x += 5) {
        EXPECT_TRUE(Oscuro(lienzo, x, r.top)) << "box " << c.numero << " top edge, x " << x;
        EXPECT_TRUE(Oscuro(lienzo, x, r.bottom - 1)) << "box " << c.numero << " bottom edge, x " << x;
      }
      EXPECT_TRUE(Blanco(lienzo, r.left - 1, ym)) << "box " << c.numero;
      EXPECT_TRUE(Blanco(lienzo, r.right, ym)) << "box " << c.numero;
      EXPECT_TRUE(Blanco(lienzo, xm, r.top - 1)) << "box " << c.numero;
      EXPECT_TRUE(Blanco(lienzo, xm, r.bottom)) << "box " << c.numero;
      EXPECT_TRUE(Blanco(lienzo, r.left + 2, ym)) << "box " << c.numero;
      EXPECT_TRUE(Blanco(lienzo, r.right - 3, ym)) << "box " << c.numero;
    }
  }
}

TEST(DatosPaginas, ElGeneradorRehaceLoMismoYRechazaNombresCortos) {
  const fs::path carpeta = CarpetaPrueba();
  const std::string programa = std::string("'") + KORVELIX_PROGRAMA_PAGINAS + "'";
  const std::string fuentes = std::string("'") + KORVELIX_FUENTES_PAGINAS + "/ORD002.txt' '" +
                              KORVELIX_FUENTES_PAGINAS + "/SIM002.txt'";
  const std::string traducciones = std::string("'") + KORVELIX_FUENTES_PAGINAS + "/../idiomas/paginas'";
  ASSERT_EQ(Ejecuta(programa + " construir --traducciones " + traducciones + " '" + carpeta.string() + "' " + fuentes), 0);
  for (const char* dibujo : {"PAGD202e.WMF", "PAGD102v.WMF"}) {
    EXPECT_EQ(Lee(carpeta / dibujo), Lee(kDatos / dibujo)) << dibujo;
  }

  // A picture name the program cannot rewrite stops the build, with the line at fault.
  const fs::path corto = carpeta / "Corto.txt";
  {
    std::ofstream f(corto, std::ios::binary);
    f << "PAGINA 950\nTIPODEC 2\nFICHERO PAG.WMF\nTITULO e Corto\n";
  }
  const fs::path errores = carpeta / "errores.txt";
  const fs::path salida = carpeta / "salida";
  EXPECT_NE(Ejecuta(programa + " construir '" + salida.string() + "' '" + corto.string() + "' 2>'" +
                    errores.string() + "'"),
            0);
  EXPECT_NE(Lee(errores).find("Corto.txt: línea 3: el nombre del dibujo \"PAG.WMF\" tiene menos de 8 caracteres"),
            std::string::npos)
      << Lee(errores);
  EXPECT_FALSE(fs::exists(salida / "ControlX.DBF"));
  fs::remove_all(carpeta);
}

}  // namespace
