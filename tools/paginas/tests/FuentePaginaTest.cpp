// The page sources: reading, the checks of every value, laying out, the tables and the picture of a small page.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "DibujoPagina.h"
#include "FuentePagina.h"
#include "TablasPagina.h"
#include "platform/MetaFile.h"

using namespace paginas;

namespace {

// Lines 1-15; the faults below replace or add lines.
const char kPequena[] =
    "# a small page\n"                   // 1
    "PAGINA 901\n"                       // 2
    "TIPODEC 2\n"                        // 3
    "FICHERO PRUEBA9x.WMF\n"             // 4
    "TITULO e Página de prueba\n"        // 5
    "TITULO c Pàgina de prova\n"         // 6
    "COLUMNA a 30 497\n"                 // 7
    "COLUMNA b 507 974\n"                // 8
    "SECCION e A. Primera sección\n"     // 9
    "FILA\n"                             // 10
    "CASILLA 1 a\n"                      // 11
    "  MASCARA F12*5\n"                  // 12
    "  NUMERO 001\n"                     // 13
    "  ETIQUETA e Ingresos íntegros\n"   // 14
    "CASILLA 2 b\n"                      // 15
    "  MASCARA A20\n"                    // 16
    "  LECTURA\n"                        // 17
    "  VENTANA IDD_PRUEBA\n";            // 18

std::string Cambia(std::string texto, const std::string& antes, const std::string& despues) {
  const std::size_t i = texto.find(antes);
  EXPECT_NE(i, std::string::npos) << antes;
  if (i != std::string::npos) texto.replace(i, antes.size(), despues);
  return texto;
}

bool Prepara(const std::vector<std::string>& fuentes, std::vector<CPagina>& paginas, std::string& error) {
  paginas.clear();
  for (std::size_t i = 0; i < fuentes.size(); ++i) {
    CPagina p;
    if (!LeePagina(fuentes[i], "p" + std::to_string(i) + ".txt", p, error)) return false;
    paginas.push_back(std::move(p));
  }
  return PreparaPaginas(paginas, error);
}

TEST(FuentePagina, LeeYMaquetaUnaPaginaPequena) {
  std::vector<CPagina> paginas;
  std::string error;
  ASSERT_TRUE(Prepara({kPequena}, paginas, error)) << error;
  const CPagina& p = paginas[0];
  EXPECT_EQ(p.id, 901);
  EXPECT_EQ(p.ficheroDibujo, "PRUEBA9x.WMF");
  ASSERT_EQ(p.casillas.size(), 2u);
  // The section takes 32 units from the top of the flow; the 22-unit box is centred in its 30-unit row and ends
  // at its column's right edge; an amount of 12 digits with separators and sign is 122 units wide.
  EXPECT_EQ(p.casillas[0].rect, (plataforma::CRectangulo{497 - 122, kInicioFlujo + 32 + 4, 497, kInicioFlujo + 58}));
  EXPECT_EQ(p.casillas[1].rect.right, 974);
  EXPECT_EQ(p.casillas[1].rect.left, 974 - (10 + 20 * 8));
  // Texts are Windows-1252; a language left out repeats the Castilian text.
  EXPECT_EQ(TextoEn(p.titulo, 1), "P\xE0gina de prova");
  EXPECT_EQ(TextoEn(p.titulo, 2), "P\xE1gina de prueba");
  // The description and a detail window's title default to the label.
  EXPECT_EQ(TextoEn(p.casillas[0].descripcion, 3), "Ingresos \xEDntegros");
  EXPECT_TRUE(TextoEn(p.casillas[0].tituloVentana, 0).empty());  // no window
  EXPECT_TRUE(TextoEn(p.casillas[1].descripcion, 0).empty());    // no label

  // Laying out is deterministic.
  std::vector<CPagina> otra;
  ASSERT_TRUE(Prepara({kPequena}, otra, error));
  EXPECT_EQ(otra[0].casillas[0].rect, p.casillas[0].rect);
}

TEST(FuentePagina, RechazaLoQueNoCabeONoSeEntiende) {
  struct Caso {
    std::string antes;
    std::string despues;
    std::string mensaje;
  };
  const std::vector<Caso> casos = {
      {"FICHERO PRUEBA9x.WMF", "FICHERO PAG9.WM", "línea 4: el nombre del dibujo \"PAG9.WM\" tiene menos de 8"},
      {"FICHERO PRUEBA9x.WMF", "FICHERO PAGD2x", "menos de 8"},
      {"FICHERO PRUEBA9x.WMF", "FICHERO PRUE.BA9x", "5.º y el 8.º"},
      {"FICHERO PRUEBA9x.WMF", "FICHERO ../PRUEBAx.WMF", "solo letras"},
      {"MASCARA F12*5", "MASCARA F12*55", "línea 12: MASCARA \"F12*55\": sobra"},
      {"MASCARA F12*5", "MASCARA f12", "tipo de casilla"},
      {"MASCARA A20", "MASCARA A12345678901234567", "15 caracteres"},
      {"CASILLA 2 b", "CASILLA 3 b", "falta la 2"},
      {"CASILLA 2 b", "CASILLA 2 a", "pisa la casilla 1"},
      {"CASILLA 2 b", "CASILLA 2 z", "no hay COLUMNA z"},
      {"CASILLA 2 b", "CASILLA 1 b", "línea 15: la casilla 1 ya está en la línea 11"},
      {"  ETIQUETA e Ingresos íntegros", "  ETIQUETA e Ingresos íntegros de todas las clases que el perceptor "
                                         "haya obtenido durante el ejercicio por cualquier concepto sujeto al impuesto",
       "no cabe en su sitio"},
      {"  ETIQUETA e Ingresos íntegros", "  ETIQUETA e Ingresos \xE6\xBC\xA2", "Windows-1252"},
      {"  ETIQUETA e Ingresos íntegros", "  ETIQUETA x Ingresos", "se espera e, c, g o v"},
      {"  LECTURA", "  LECTURA\n  LECTURA", "LECTURA repetido"},
      {"  MASCARA A20", "  MASCARA A20\n  ANCHO 600", "no cabe en la columna b"},
      {"  MASCARA A20", "  ALTO 40\n  MASCARA A20", "más alta que su fila"},
      {"TITULO e Página de prueba", "TITULO e Una página cuyo título pasa con mucho de los cincuenta caracteres",
       "como mucho 50"},
      {"FILA\n", "CASILLA 9 a\n", "no hay FILA"},
      {"COLUMNA a 30 497", "COLUMNA a 497 30", "no pasa de la izquierda"},
      {"# a small page", "  MASCARA A1", "línea 1: MASCARA fuera de una casilla"},
      {"# a small page", "RECUADRO 1", "no se conoce \"RECUADRO\""},
      {"PAGINA 901", "PAGINA 10000", "PAGINA fuera de 1..9999"},
      {"TIPODEC 2", "TIPODEC dos", "no es un número entero"},
      {"FILA\n", "FILA\nFILA 200\nFILA 200\nFILA 200\nFILA 200\nFILA 200\nFILA 200\nFILA 200\n", "se acaba aquí"},
      // The filing file's fields are numbered 1 to n, once each (999: not written).
      {"  NUMERO 001", "  NUMERO 001\n  INTERNET 120N 2", "línea 11: INTERNET 2 de la casilla 1: los campos van numerados de 1 a 1"},
      {"CASILLA 2 b\n  MASCARA A20\n", "  INTERNET 120N 1\nCASILLA 2 b\n  MASCARA A20\n  INTERNET 200A 1\n",
       "línea 16: INTERNET 1 de la casilla 2 ya lo lleva la casilla 1"},
  };
  for (const Caso& c : casos) {
    std::vector<CPagina> paginas;
    std::string error;
    EXPECT_FALSE(Prepara({Cambia(kPequena, c.antes, c.despues)}, paginas, error)) << c.despues;
    EXPECT_NE(error.find(c.mensaje), std::string::npos) << c.despues << " -> " << error;
  }
}

TEST(FuentePagina, ComprobacionesDelConjunto) {
  const std::string copia = "PAGINA 101\nTIPODEC 1\nFICHERO PRUEBA1x.WMF\nTITULO e Copia\nCOMO 901\n";
  std::vector<CPagina> paginas;
  std::string error;
  // A page written "COMO" another takes its boxes and positions, and keeps its own catalogue row.
  ASSERT_TRUE(Prepara({kPequena, copia}, paginas, error)) << error;
  ASSERT_EQ(paginas.size(), 2u);
  EXPECT_EQ(paginas[0].id, 101);  // in page-id order
  EXPECT_EQ(paginas[0].tipoDec, 1);
  ASSERT_EQ(paginas[0].casillas.size(), 2u);
  EXPECT_EQ(paginas[0].casillas[0].rect, paginas[1].casillas[0].rect);
  EXPECT_EQ(paginas[0].casillas[1].mascara, "A20");

  EXPECT_FALSE(Prepara({kPequena, Cambia(copia, "COMO 901", "COMO 902")}, paginas, error));
  EXPECT_NE(error.find("COMO 902: no hay esa página"), std::string::npos) << error;
  EXPECT_FALSE(Prepara({kPequena, Cambia(copia, "PAGINA 101", "PAGINA 901")}, paginas, error));
  EXPECT_NE(error.find("la página 901 ya está en p0.txt"), std::string::npos) << error;
  // Picture names are file names of the program: the same name in another case is the same file.
  EXPECT_FALSE(Prepara({kPequena, Cambia(copia, "PRUEBA1x.WMF", "prueba9x.wmf")}, paginas, error));
  EXPECT_NE(error.find("ya es de p0.txt"), std::string::npos) << error;
  EXPECT_FALSE(Prepara({kPequena, copia + "FILA\n"}, paginas, error));
  EXPECT_NE(error.find("no lleva columnas"), std::string::npos) << error;
}

TEST(FuentePagina, Mascaras) {
  for (const char* buena : {"F12*5", "A20", "R13.2", "R13.2-16", "R13*5.2-16.0", "S1.-1", "D8", "B1", "Z5", "E5.1",
                            "T1", "S1*5.0"}) {
    EXPECT_EQ(CompruebaMascara(buena), "") << buena;
  }
  for (const char* mala : {"", "F", "f12", "F12*", "F12*0", "F12.", "F12.x", "F12*5.2x", "R13.2-", "S1.-2", "1F2",
                           "F99", "A1234567890123456"}) {
    EXPECT_NE(CompruebaMascara(mala), "") << mala;
  }
  const CMascara m = AnalizaMascara("F12*5");
  EXPECT_EQ(m.letra, 'F');
  EXPECT_EQ(m.n, 12);
  EXPECT_EQ(m.m, 5);
  EXPECT_EQ(m.d, 0);
  EXPECT_EQ(AnalizaMascara("R13.2-16").d, 2);
  EXPECT_EQ(AnalizaMascara("S1.-1").d, -1);
}

TEST(FuentePagina, NombresDeGemelasYDibujos) {
  EXPECT_EQ(NombreGemela("ControlX", 'e'), "Controle");
  EXPECT_EQ(NombreGemela("Paginasx", 'v'), "Paginasv");
  EXPECT_EQ(NombreDibujo("PAGD202x.WMF", 'g'), "PAGD202g.WMF");
  EXPECT_EQ(Clave4(202), " 202");
  EXPECT_EQ(Clave4(7), "   7");
}

TEST(FuentePagina, TablasDeUnaPagina) {
  std::vector<CPagina> paginas;
  std::string error;
  ASSERT_TRUE(Prepara({kPequena}, paginas, error)) << error;
  const auto controles = TablaControles(paginas);
  ASSERT_EQ(controles.filas.size(), 2u);
  const auto& f = controles.filas[1].valores;
  ASSERT_EQ(f.size(), controles.campos.size());
  EXPECT_EQ(f[0], " 901");
  EXPECT_EQ(f[1], "   2");
  EXPECT_EQ(f[6], "974");    // Coor_3
  EXPECT_EQ(f[9], "T");      // SoloLectur
  EXPECT_EQ(f[12], "A20");   // StrValidac
  EXPECT_EQ(f[14], "IDD_PRUEBA");
  ASSERT_EQ(controles.etiquetas.size(), 1u);
  EXPECT_EQ(controles.etiquetas[0].nombre, "CLAVE");
  EXPECT_EQ(controles.etiquetas[0].expresion, "IndiceFich+IndNumero");

  const auto catalan = TablaPaginasIdioma(paginas, 1);
  EXPECT_EQ(catalan.nombre, "Paginasc");
  EXPECT_EQ(catalan.filas[0].valores[1], "P\xE0gina de prova");
  const auto catalogo = TablaPaginas(paginas);
  EXPECT_EQ(catalogo.filas[0].valores, (std::vector<std::string>{" 901", "2", "2", "PRUEBA9x.WMF"}));
  EXPECT_EQ(TablasDePaginas(paginas).size(), 10u);
}

TEST(FuentePagina, ElDibujoEsUnMetafileColocableDeUnaHojaA4) {
  std::vector<CPagina> paginas;
  std::string error;
  ASSERT_TRUE(Prepara({kPequena}, paginas, error)) << error;
  const std::vector<std::uint8_t> bytes = DibujaPagina(paginas[0], 0, error);
  ASSERT_FALSE(bytes.empty()) << error;
  EXPECT_EQ(bytes, DibujaPagina(paginas[0], 0, error));  // the same source, the same bytes
  std::istringstream entrada(std::string(bytes.begin(), bytes.end()));
  plataforma::CMetaFile mf;
  ASSERT_EQ(mf.LeerFichero(entrada), 1);
  EXPECT_EQ(mf.Cabecera().clave, 0x9AC6CDD7u);
  EXPECT_EQ(mf.Cabecera().unidadesPorPulgada, kUnidadesPorPulgada);
  EXPECT_EQ(mf.Cabecera().derecha, kAnchoPagina * kEscalaDibujo);
  EXPECT_EQ(mf.DameTamano(), (plataforma::CTamano{2100, 2971}));
}

}  // namespace
