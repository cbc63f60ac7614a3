// The pieces of the roads that read data, checked without a desktop: the dump of the store and the Tab walk of the
// page sources.
#include <gtest/gtest.h>

#include "Korvelix.h"
#include "Paginas.h"

namespace {

TEST(SoporteE2E, ElVolcadoDelAlmacenDaLasFilasVivasConSuAreaDeDatos) {
  const std::string volcado =
      "TABLA DatosDec\n"
      "CAMPO clave    C 50\n"
      "CAMPO tipodec  N 3 0\n"
      "CAMPO idioma   C 1\n"
      "CAMPO moneda   C 1\n"
      "CAMPO liqui311 C 4\n"
      "CAMPO datos    B\n"
      "ETIQUETA CLAVE clave\n"
      "FILAS\n"
      "A\\|B\\xF1|2|e|||00ff10\n"
      "*BORRADA|1|e|||00\n"
      "C|3|e|||\n";
  std::vector<e2e::SDeclaracionGuardada> filas;
  std::string error;
  ASSERT_TRUE(e2e::LeerVolcadoDatosDec(volcado, filas, error)) << error;
  ASSERT_EQ(filas.size(), 2u);
  EXPECT_EQ(filas[0].clave, "A|B\xF1");
  EXPECT_EQ(filas[0].tipodec, 2);
  EXPECT_EQ(filas[0].datos, (std::vector<std::uint8_t>{0x00, 0xff, 0x10}));
  EXPECT_EQ(filas[0].Texto(1, 9), "\xff\x10");
  EXPECT_FALSE(filas[0].Importe(0).has_value());
  EXPECT_EQ(filas[1].clave, "C");
  EXPECT_TRUE(filas[1].datos.empty());
}

TEST(SoporteE2E, UnVolcadoQueNoEsDelAlmacenSeRechaza) {
  std::vector<e2e::SDeclaracionGuardada> filas;
  std::string error;
  EXPECT_FALSE(e2e::LeerVolcadoDatosDec("CAMPO clave C 50\nCAMPO datos B\nFILAS\nA|0g\n", filas, error));
  EXPECT_FALSE(e2e::LeerVolcadoDatosDec("CAMPO clave C 50\nFILAS\nA|B\n", filas, error));
  EXPECT_FALSE(e2e::LeerVolcadoDatosDec("nada\n", filas, error));
}

TEST(SoporteE2E, ElVolcadoDeLosHallazgosDaSusCodigosYCasillas) {
  const std::string volcado =
      "TABLA Corregix\n"
      "CAMPO clave     C 50\n"
      "CAMPO coderror  C 7\n"
      "CAMPO tipdecla  N 2 0\n"
      "CAMPO vista     N 4 0\n"
      "CAMPO severidad N 2 0\n"
      "CAMPO numcontr  N 4 0\n"
      "ETIQUETA CLAVE clave+coderror\n"
      "FILAS\n"
      "ANA   |104R002|4|   1| 1|   4\n"
      "*ANA|100V203|4|17|0|21\n"
      "LUIS|100V203|4|17||21\n";
  std::vector<e2e::SHallazgoGuardado> filas;
  std::string error;
  ASSERT_TRUE(e2e::LeerVolcadoHallazgos(volcado, filas, error)) << error;
  ASSERT_EQ(filas.size(), 2u);
  EXPECT_EQ(filas[0].clave, "ANA");
  EXPECT_EQ(filas[0].codigo, "104R002");
  EXPECT_EQ(filas[0].vista, 1);
  EXPECT_EQ(filas[0].numcontr, 4);
  EXPECT_EQ(filas[0].severidad, 1);
  EXPECT_EQ(filas[1].severidad, 0);
  // Another table, or a number field that holds no number, is refused.
  EXPECT_FALSE(e2e::LeerVolcadoHallazgos("CAMPO clave C 50\nCAMPO datos B\nFILAS\nA|00\n", filas, error));
  EXPECT_FALSE(e2e::LeerVolcadoHallazgos(
      "CAMPO clave C 50\nCAMPO coderror C 7\nCAMPO vista N 4 0\nCAMPO severidad N 2 0\nCAMPO numcontr N 4 0\n"
      "FILAS\nA|X|1a|1|4\n",
      filas, error));
}

TEST(SoporteE2E, ElTabuladorRecorreLasCasillasEditablesPorNumero) {
  // Page 1 of D-101 opens on box 1; the NIF is box 5, four presses away (boxes 2, 3, 4 take input).
  const auto identificacion = e2e::CPaginaFuente::Leer(KORVELIX_FUENTES_PAGINAS, 101);
  ASSERT_TRUE(identificacion);
  EXPECT_EQ(identificacion->PrimeraEditable(), 1);
  EXPECT_EQ(identificacion->NumeroDe("ZDNID"), 5);
  EXPECT_EQ(identificacion->Tabulaciones(1, 5), 4);
  // Page 2 of D-101 is written like page 2 of D-100: its boxes 1 and 2 are read-only, box 3 opens the dialog.
  const auto trabajo = e2e::CPaginaFuente::Leer(KORVELIX_FUENTES_PAGINAS, 102);
  ASSERT_TRUE(trabajo);
  EXPECT_EQ(trabajo->PrimeraEditable(), 3);
  EXPECT_EQ(trabajo->Tabulaciones(3, 1), std::nullopt) << "a read-only box takes no focus";
  EXPECT_FALSE(e2e::CPaginaFuente::Leer(KORVELIX_FUENTES_PAGINAS, 999).has_value());
}

TEST(SoporteE2E, LasCasillasDeUnaPaginaTienenSuSitioEnSuLineaDeInternet) {
  // Page 1 of D-714 files the delegation code (3), its name (18), the administration code (4) and name (18), the
  // NIF (9), the name (47), two marks (1 each) and the region code (3), in that order, after six characters.
  const auto pagina = e2e::CPaginaFuente::Leer(KORVELIX_FUENTES_PAGINAS, 301);
  ASSERT_TRUE(pagina);
  struct SCaso {
    int numero;
    std::size_t inicio;
    std::size_t ancho;
  };
  for (const SCaso& c : {SCaso{3, 6, 3}, SCaso{1, 9, 18}, SCaso{4, 27, 4}, SCaso{2, 31, 18}, SCaso{6, 49, 9},
                         SCaso{7, 58, 47}, SCaso{5, 105, 1}, SCaso{34, 106, 1}, SCaso{33, 107, 3}}) {
    const auto campo = pagina->CampoInternet(c.numero);
    ASSERT_TRUE(campo) << c.numero;
    EXPECT_EQ(campo->inicio, c.inicio) << c.numero;
    EXPECT_EQ(campo->ancho, c.ancho) << c.numero;
  }
  // The fiscal year is not filed, and a page has no box 99.
  EXPECT_FALSE(pagina->CampoInternet(40).has_value());
  EXPECT_FALSE(pagina->CampoInternet(99).has_value());
}

}  // namespace
