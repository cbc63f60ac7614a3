// Every text of the page sources in the four languages, from the sources and the catalogs of
// data/idiomas/paginas. A failure lists exactly the texts that lack a language, by source and line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FuentePagina.h"
#include "TraduccionesPagina.h"
#include "framework/Prog32DocReglas.h"
#include "platform/Texto.h"

#include "ComunIdiomas.h"

namespace {

using idiomas::Leer;
using idiomas::Lista;
namespace fs = std::filesystem;

TEST(Idiomas, CadaTextoDeLasPaginasEstaEnLosCuatroIdiomas) {
  std::vector<paginas::CPagina> leidas;
  std::string error;
  std::vector<fs::path> fuentes;
  for (const auto& e : fs::directory_iterator(KORVELIX_FUENTES_PAGINAS)) {
    if (e.path().extension() == ".txt" && e.path().filename() != "CMakeLists.txt") fuentes.push_back(e.path());
  }
  std::sort(fuentes.begin(), fuentes.end());
  ASSERT_GT(fuentes.size(), 20u);
  for (const fs::path& f : fuentes) {
    paginas::CPagina p;
    ASSERT_TRUE(paginas::LeePagina(Leer(f), f.string(), p, error)) << error;
    leidas.push_back(std::move(p));
  }
  for (int k = 1; k < paginas::kNumIdiomas; ++k) {
    const fs::path ruta = fs::path(KORVELIX_TRADUCCIONES_PAGINAS) /
                          paginas::FicheroCatalogo(paginas::kIdiomas[static_cast<std::size_t>(k)]);
    paginas::CCatalogo catalogo;
    ASSERT_TRUE(paginas::LeeCatalogo(Leer(ruta), ruta.string(), catalogo, error)) << error;
    ASSERT_TRUE(paginas::AplicaCatalogo(leidas, k, catalogo, error)) << error;
  }
  const std::vector<std::string> faltan = paginas::TextosSinTraducir(leidas);
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " textos de las páginas sin todos sus idiomas (tradúzcalos en "
                              << "data/idiomas/paginas/<idioma>.po):\n"
                              << Lista(faltan);
}

// A declaration prints each page on the picture of the interface language (the catalogue's picture name with the
// language letter in it, as the printing views load it). In Catalan, page 1 of D-100 prints on its Catalan picture:
// Catalan headings and labels, none of the Castilian ones.
TEST(Idiomas, EnCatalanLaPaginaSeImprimeSobreSuDibujoConLasEtiquetasCatalanas) {
  const std::string nombre = marco::NombreImagenPagina("PAGD201x.WMF", " 201", 2, 'c');
  EXPECT_EQ(nombre, "PAGD201c.WMF");
  const std::string dibujo = Leer(fs::path(KORVELIX_DATOS_LOCAL) / nombre);
  ASSERT_FALSE(dibujo.empty()) << nombre;
  for (const char* catalan : {"Identificació de la persona que es mostra", "Delegació i Administració de l'Agència "
                              "Tributària", "Fills i altres descendents solters", "Primer cognom"}) {
    EXPECT_NE(dibujo.find(plataforma::Utf8ACp1252(catalan)), std::string::npos) << catalan;
  }
  for (const char* castellano : {"Identificación de la persona que se muestra", "Hijos y otros descendientes",
                                 "Primer apellido"}) {
    EXPECT_EQ(dibujo.find(plataforma::Utf8ACp1252(castellano)), std::string::npos) << castellano;
  }
}

}  // namespace
