// The rules of printing without a device: copies, printer checks, resolution, range, the carrying of box positions
// into printer dots, the progress texts, the text services of the bar-code records and the print dialog's rules.
#include <gtest/gtest.h>

#include <memory>

#include "framework/ControlesPagina.h"
#include "output/DlgImprimirReglas.h"
#include "output/ImpreVista.h"
#include "output/ImpresionReglas.h"

using namespace salida;

namespace {

TEST(CopiasDePagina, CadaFormularioTieneSusEjemplares) {
  struct Caso {
    int formulario;
    int pagina;
    std::vector<int> tipos;
  };
  const std::vector<Caso> casos = {
      {kFormularioD100, 1, {0, 1}},  {kFormularioD100, 17, {0, 1}}, {kFormularioD100, 18, {0, 3}},
      {kFormularioD100, 19, {2}},    {kFormularioD101, 8, {0, 1}},  {kFormularioD101, 9, {0, 3}},
      {kFormularioD101, 10, {2}},    {kFormularioD714, 1, {0, 1, 1}}, {kFormularioD714, 10, {0, 1, 1}},
      {kFormularioD714, 11, {4, 3}}, {kFormularioD714, 12, {2}},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << c.formulario << "/" << c.pagina);
    EXPECT_EQ(EjemplaresDePagina(c.formulario, c.pagina, false), c.tipos);
    std::vector<int> conCopia = c.tipos;
    conCopia.insert(conCopia.begin(), kEjemplarInteresado);
    EXPECT_EQ(EjemplaresDePagina(c.formulario, c.pagina, true), conCopia);
  }
}

TEST(CopiasDePagina, EtiquetasDeLosEjemplares) {
  EXPECT_EQ(TextoEjemplar(0), "Ejemplar para el interesado.");
  EXPECT_EQ(TextoEjemplar(1), "Ejemplar para la Administraci\xF3n.");
  EXPECT_EQ(TextoEjemplar(2), "Ejemplar para la Entidad colaboradora.");
  EXPECT_EQ(TextoEjemplar(3), "Ejemplar para el sobre anual");
  EXPECT_EQ(TextoEjemplar(4), "Ejemplar para el sujeto pasivo");
  EXPECT_EQ(TextoEjemplar(5), "");
  EXPECT_EQ(TextoEjemplar(-1), "");
}

TEST(Impresora, ComprobacionesEnOrden) {
  struct Caso {
    SConfiguracionImpresora c;
    std::string_view codigo;
  };
  const std::vector<Caso> casos = {
      {{kPapelA4, 1, 1, 600, 600}, ""},
      {{1, 1, 1, 600, 600}, "WIN026"},       // Letter
      {{1, 2, 3, 100, 100}, "WIN026"},       // the paper is checked first
      {{kPapelA4, 2, 1, 600, 600}, "WIN038"},
      {{kPapelA4, 1, 2, 600, 600}, "WIN039"},
      {{kPapelA4, 1, 3, 600, 600}, "WIN039"},
      {{kPapelA4, 1, 1, 240, 240}, "WIN027"},  // a resolution quality of 240 dots
      {{kPapelA4, 1, 1, 0, 299}, "WIN027"},
      {{kPapelA4, 1, 1, 200, 300}, ""},        // quality low, but the y resolution is enough
      {{kPapelA4, 1, 1, -4, 72}, ""},          // a quality code: the page height decides later
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.codigo);
    EXPECT_EQ(ComprobarImpresora(c.c), c.codigo);
  }
}

TEST(Impresora, ResolucionPorCalidadOAltoDePagina) {
  const SConfiguracionImpresora codigo{kPapelA4, 1, 1, -4, 0};
  const std::vector<std::pair<int, int>> alturas = {
      {3150, 300}, {3504, 300}, {3505, 300}, {3780, 360}, {4205, 360}, {6300, 600}, {7016, 300},
      {7008, 600}, {7560, 720}, {8410, 720}, {12600, 1200}, {14016, 1200}, {3149, 0}, {3000, 0}, {0, 0},
  };
  for (const auto& [alto, ppp] : alturas) {
    SCOPED_TRACE(alto);
    EXPECT_EQ(PuntosPorPulgada(codigo, alto), ppp);
  }
  EXPECT_EQ(PuntosPorPulgada({kPapelA4, 1, 1, 200, 360}, 3000), 360);
  EXPECT_EQ(PuntosPorPulgada({kPapelA4, 1, 1, 600, 0}, 7000), 600);
}

TEST(Rango, PaginasEnOrdenYRecortadas) {
  EXPECT_EQ(PaginasDelRango({1, 3, 1, 19}), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(PaginasDelRango({5, 3, 1, 19}), (std::vector<int>{5, 4, 3}));
  EXPECT_EQ(PaginasDelRango({0, 40, 1, 10}), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(PaginasDelRango({7, 7, 1, 10}), (std::vector<int>{7}));
  EXPECT_TRUE(PaginasDelRango({1, 1, 5, 4}).empty());
}

TEST(Escalas, UnidadesDePaginaAPuntos) {
  // An A4 picture (2100 x 2971 tenths of a millimetre) on an A4 sheet at 300 dots.
  const SEscalasImpresion e = EscalasImpresion({2480, 3508}, {2100, 2971});
  EXPECT_DOUBLE_EQ(e.x, 1004.0 / 2480);
  EXPECT_DOUBLE_EQ(e.y, 1004.0 * 2971 / 2100 / 3508);
  // Without a picture the default page's proportion.
  const SEscalasImpresion d = EscalasImpresion({2480, 3508}, {0, 0});
  EXPECT_DOUBLE_EQ(d.y, 1004.0 * 1100 / 790 / 3508);
  const SEscalasImpresion nada = EscalasImpresion({0, 0}, {2100, 2971});
  EXPECT_EQ(nada.x, 0.0);
  EXPECT_EQ(nada.y, 0.0);
}

TEST(Escalas, CamposLlevadosAPuntosUnaVez) {
  marco::CControlesPagina campos;
  auto c = std::make_unique<marco::CCampo>();
  c->IndNumero = 1;
  c->Coor_1 = 100;
  c->Coor_2 = 200;
  c->Coor_3 = 502;
  c->Coor_4 = 220;
  c->EscalaX = 0.5;
  campos.Anadir(std::move(c));
  const plataforma::CTamano pagina{2480, 3508};
  const SEscalasImpresion e{1004.0 / 2480, 1420.0 / 3508};
  ColocarCampos(campos, e, pagina);
  const marco::CCampo& campo = *campos.Campo(0);
  EXPECT_EQ(campo.Coor_1, static_cast<int>(100 / e.x) + 8);
  EXPECT_EQ(campo.Coor_2, static_cast<int>(200 / e.y));
  EXPECT_EQ(campo.Coor_3, static_cast<int>(502 / e.x) - 8);
  EXPECT_EQ(campo.Coor_4, static_cast<int>(220 / e.y));
  EXPECT_EQ(campo.EscalaX, 1.0);
  // Zero factors change nothing.
  ColocarCampos(campos, {}, pagina);
  EXPECT_EQ(campos.Campo(0)->Coor_1, campo.Coor_1);
}

TEST(TextosProgreso, PaginaYDocumento) {
  EXPECT_EQ(TextoPaginaImprimiendo(3, 19), "Imprimiendo p\xE1g: 3 de 19");
  EXPECT_EQ(TextoDocumentoImprimiendo("GARCIA 1999     ", "Laser", "LPT1"),
            "Imprimiendo GARCIA 1999 sobre Laser en el puerto LPT1  ");
  EXPECT_EQ(TextoHojaImpresa(2, 1, "Ejemplar para el interesado."),
            "P\xE1gina 2 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(TextoHojaImpresa(3, 2, ""), "P\xE1gina 3 (hoja 2)");
}

TEST(ServiciosTexto, CompactarUnirYQuitarPrefijo) {
  struct Caso {
    std::string entrada;
    std::string salida;
  };
  const std::vector<Caso> compactar = {
      {"", ""},
      {"     ", "     "},
      {"ABC", "ABC"},
      {"  JUAN   PEREZ  ", "JUAN PEREZ      "},
      {"A B", "A B"},
  };
  for (Caso c : compactar) {
    std::string texto = c.entrada;
    CompactarBlancos(texto);
    EXPECT_EQ(texto, c.salida) << "[" << c.entrada << "]";
    EXPECT_EQ(texto.size(), c.entrada.size());
  }
  EXPECT_EQ(UnirTextos("GARCIA   ", "  LUIS", 40), "GARCIA LUIS     ");
  EXPECT_EQ(UnirTextos("GARCIA", "LUIS", 8), "GARCIA L");
  EXPECT_EQ(QuitarPrefijoYPuntos("ES0001A.B.C.D"), "ABCD");
  EXPECT_EQ(QuitarPrefijoYPuntos("12345"), "");
  EXPECT_TRUE(EsTextoEnBlanco(""));
  EXPECT_TRUE(EsTextoEnBlanco("   "));
  EXPECT_FALSE(EsTextoEnBlanco("  x "));
}

// ---- the print dialog's rules ----

CInfoImpresion Info(bool impresaAntes) {
  CInfoImpresion info;
  info.rango = {1, 19, 1, 19};
  info.impresaAntes = impresaAntes;
  return info;
}

TEST(ReglasDlgImprimir, SinImprimirAntesSeImprimeEntera) {
  CReglasDlgImprimir reglas(Info(false));
  EXPECT_FALSE(reglas.RangoHabilitado());
  reglas.ElegirPaginas(true);
  EXPECT_FALSE(reglas.SoloPaginas());
  EXPECT_TRUE(reglas.PonerDesde("3"));
  CInfoImpresion info = Info(false);
  reglas.Aplicar(info);
  EXPECT_EQ(info.rango.desde, 1);
  EXPECT_EQ(info.rango.hasta, 19);
}

TEST(ReglasDlgImprimir, ImpresaAntesEligeRangoValido) {
  CReglasDlgImprimir reglas(Info(true));
  EXPECT_TRUE(reglas.RangoHabilitado());
  reglas.ElegirPaginas(true);
  EXPECT_TRUE(reglas.PonerDesde(" 3"));
  EXPECT_TRUE(reglas.PonerHasta("4 "));
  for (const char* malo : {"", "0", "20", "-1", "3a", "1.5", "9999999"}) {
    EXPECT_FALSE(reglas.PonerHasta(malo)) << malo;
  }
  CInfoImpresion info = Info(true);
  reglas.Aplicar(info);
  EXPECT_EQ(info.rango.desde, 3);
  EXPECT_EQ(info.rango.hasta, 4);
}

TEST(ReglasDlgImprimir, CopiaAdicionalYFichero) {
  CReglasDlgImprimir reglas(Info(false));
  EXPECT_FALSE(reglas.CopiaAdicional());
  reglas.OnCopiaAdicional();
  EXPECT_TRUE(reglas.CopiaAdicional());
  reglas.OnCopiaAdicional();
  reglas.OnCopiaAdicional();
  reglas.OnCopiaAdicional();
  EXPECT_TRUE(reglas.CopiaAdicional() == false);

  reglas.ElegirFichero(true);
  EXPECT_FALSE(reglas.PuedeAceptar());
  reglas.PonerRutaFichero("  /tmp/renta  ");
  EXPECT_EQ(reglas.RutaFichero(), "/tmp/renta.pdf");
  reglas.PonerRutaFichero("/tmp/RENTA.PDF");
  EXPECT_EQ(reglas.RutaFichero(), "/tmp/RENTA.PDF");
  EXPECT_TRUE(reglas.PuedeAceptar());
  CInfoImpresion info = Info(false);
  reglas.Aplicar(info);
  EXPECT_TRUE(info.aFichero);
  EXPECT_EQ(info.rutaFichero, "/tmp/RENTA.PDF");
}

}  // namespace
