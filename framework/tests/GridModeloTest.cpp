// The grid's model without a display: sizes, cells, fitting, scrolling, keys, copy and paste, sorting, colours,
// the edit rules and the drop mark.
#include "framework/GridModelo.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace marco {
namespace {

// Every character 7 pixels wide, every line 14 high.
class CMedidorFijo final : public IMedidorTexto {
 public:
  plataforma::CTamano Medir(std::string_view texto, const plataforma::CFuente&) override {
    return {static_cast<int>(texto.size()) * 7, 14};
  }
};

// A grid of `filas` x `columnas` with rows 20 high and columns 50 wide, a client area of 200 x 100.
CGridModelo Grid(int filas, int columnas, int ff = 1, int cf = 1) {
  CGridModelo g(filas, columnas, ff, cf);
  for (int f = 0; f < filas; ++f) g.PonAltoFila(f, 20);
  for (int c = 0; c < columnas; ++c) g.PonAnchoColumna(c, 50);
  g.PonTamanoCliente(200, 100);
  return g;
}

TEST(GridModelo, TamanosFijosYFoco) {
  CGridModelo g(2, 2);
  EXPECT_EQ(g.PonFilasFijas(5), 1);
  EXPECT_EQ(g.DameNumeroFilas(), 5);
  EXPECT_EQ(g.PonColumnasFijas(3), 1);
  EXPECT_EQ(g.DameNumeroColumnas(), 3);
  g.PonNumeroFilas(8);
  g.PonCeldaFoco(7, 2);
  g.PonNumeroFilas(2);  // fewer rows than fixed ones: the fixed count follows, the focus falls out
  EXPECT_EQ(g.DameFilasFijas(), 2);
  EXPECT_FALSE(g.DameCeldaFoco().Valida());
  EXPECT_EQ(g.PonNumeroFilas(-1), 0);
  EXPECT_EQ(g.DameNumeroFilas(), 2);

  EXPECT_EQ(g.DameAltoFila(2), -1);
  EXPECT_EQ(g.DameAltoFila(-1), -1);
  EXPECT_EQ(g.PonAltoFila(0, -5), 0);
  EXPECT_EQ(g.PonAnchoColumna(0, -1), 0);
  EXPECT_EQ(g.PonAnchoColumna(9, 10), 0);
  EXPECT_EQ(g.PonTextoCelda(2, 0, "x"), 0);
  EXPECT_EQ(g.PonCeldaFoco(0, 3), 0);
}

TEST(GridModelo, PonCeldaCopiaLoQueDiceLaMascara) {
  CGridModelo g(2, 2);
  SGridItem item;
  item.fila = 0;
  item.columna = 1;
  item.mascara = 0x41;
  item.texto = "Descripci\xF3n";
  item.formato = 0x11;
  item.imagen = 3;
  item.crFondo = 0x123456;
  item.fuente.nombre = "Courier";
  EXPECT_EQ(g.PonCelda(item), 1);
  const CGridCelda* c = g.Celda(0, 1);
  EXPECT_EQ(c->strTexto, "Descripci\xF3n");
  EXPECT_EQ(c->nFormato, 0x11u);
  EXPECT_EQ(c->nImagen, -1);
  EXPECT_EQ(c->crFondo, kColorDefecto);
  EXPECT_NE(c->fuente.nombre, "Courier");

  item.mascara = 0x100;  // any mask of 0x80 or more carries the font
  g.PonCelda(item);
  EXPECT_EQ(g.Celda(0, 1)->fuente.nombre, "Courier");
  item.fila = 2;
  EXPECT_EQ(g.PonCelda(item), 0);
}

TEST(GridModelo, InsertarFila) {
  CGridModelo g;
  EXPECT_EQ(g.InsertarFila("a"), 0);
  EXPECT_EQ(g.DameNumeroColumnas(), 1);
  g.PonNumeroColumnas(3);
  g.PonFormatoCelda(0, 2, 0x24);
  EXPECT_EQ(g.InsertarFila("b"), 1);
  EXPECT_EQ(g.Celda(1, 2)->nFormato, 0x24u);  // from the cell above
  EXPECT_EQ(g.Celda(1, 0)->nFormato, 0u);     // the first column never copies
  EXPECT_EQ(g.InsertarFila("c", 0), 0);
  EXPECT_EQ(g.DameTextoCelda(0, 0), "c");
  EXPECT_EQ(g.DameTextoCelda(2, 0), "b");
  EXPECT_EQ(g.InsertarFila("d", 3), -1);  // at the row count
  EXPECT_EQ(g.InsertarFila("d", 9), -1);
  EXPECT_EQ(g.DameNumeroFilas(), 3);
}

TEST(GridModelo, AjustarRepartePorCocienteYResto) {
  CGridModelo g(2, 3, 0, 0);
  for (int c = 0; c < 3; ++c) g.PonAnchoColumna(c, 50);
  g.PonTamanoCliente(155, 100);  // 5 to spare: 1 each, 2 more to the first two
  g.AjustarColumnas();
  EXPECT_EQ(g.DameAnchoColumna(0), 52);
  EXPECT_EQ(g.DameAnchoColumna(1), 52);
  EXPECT_EQ(g.DameAnchoColumna(2), 51);
  g.PonTamanoCliente(150, 100);  // 5 too wide: -1 each, the first two one less
  g.AjustarColumnas();
  EXPECT_EQ(g.DameAnchoColumna(0), 50);
  EXPECT_EQ(g.DameAnchoColumna(1), 50);
  EXPECT_EQ(g.DameAnchoColumna(2), 50);
  g.PonTamanoCliente(10, 100);  // never below 0
  g.AjustarColumnas();
  for (int c = 0; c < 3; ++c) EXPECT_GE(g.DameAnchoColumna(c), 0);
}

TEST(GridModelo, FuenteDaMargenYTamanosPorDefecto) {
  CGridModelo g(3, 2);
  g.PonAltoFila(2, 40);
  CMedidorFijo medidor;
  g.PonFuente(plataforma::CFuente{}, medidor);
  EXPECT_EQ(g.DameMargen(), 7);
  EXPECT_EQ(g.DameAltoDefecto(), 14 + 14);
  EXPECT_EQ(g.DameAnchoDefecto(), 14 + 12 * 7);
  EXPECT_EQ(g.DameAltoFila(0), 28);   // followed the font
  EXPECT_EQ(g.DameAltoFila(2), 40);   // set by the caller, kept
  EXPECT_EQ(g.DameAnchoColumna(1), 98);
  // Extents: text plus twice the margin; the marker stacks pieces 14 apart.
  g.PonTextoCelda(1, 1, "ab\\ncdef");
  EXPECT_EQ(g.ExtensionCelda(1, 1, medidor), (plataforma::CTamano{4 * 7 + 14, 14 + 14 + 14}));
  g.AutoAjustarColumna(1, medidor);
  EXPECT_EQ(g.DameAnchoColumna(1), 42);
}

TEST(GridModelo, RangosYDesplazamiento) {
  CGridModelo g = Grid(11, 6);  // 10 non-fixed rows of 20 = 200; room 100 - 20 = 80
  EXPECT_EQ(g.RangoVertical(), 199);
  EXPECT_EQ(g.PaginaVertical(), 80);
  EXPECT_EQ(g.PosicionMaxima(EBarra::Vertical), 120);
  EXPECT_EQ(g.RangoHorizontal(), 249);  // 5 x 50 = 250 in 150
  g.PonAltoFila(1, 35);
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::LineaAbajo), 35);  // the top row's height
  EXPECT_EQ(g.CeldaSuperiorIzquierda().fila, 2);
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::LineaArriba), -35);
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::LineaArriba), 0);  // already at the first row
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::PaginaAbajo), 80);
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::Final), 135 - 80);
  EXPECT_EQ(g.DamePosicion(EBarra::Vertical), 135);
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::LineaAbajo), 0);  // at the end
  EXPECT_EQ(g.Desplazar(EBarra::Vertical, EDesplazamiento::Pulgar, 500), 0);
  g.Desplazar(EBarra::Vertical, EDesplazamiento::Pulgar, 10);
  EXPECT_EQ(g.DamePosicion(EBarra::Vertical), 10);
  g.Desplazar(EBarra::Vertical, EDesplazamiento::Principio);
  EXPECT_EQ(g.DamePosicion(EBarra::Vertical), 0);

  CGridModelo cabe = Grid(3, 2);
  EXPECT_EQ(cabe.RangoVertical(), 0);
  EXPECT_EQ(cabe.Desplazar(EBarra::Vertical, EDesplazamiento::PaginaAbajo), 0);
}

TEST(GridModelo, CeldaEnPuntoYVisibilidad) {
  CGridModelo g = Grid(11, 6);
  EXPECT_EQ(g.CeldaEnPunto(10, 10), (SCeldaId{0, 0}));
  EXPECT_EQ(g.CeldaEnPunto(60, 30), (SCeldaId{1, 1}));
  g.Desplazar(EBarra::Vertical, EDesplazamiento::LineaAbajo);
  g.Desplazar(EBarra::Horizontal, EDesplazamiento::LineaAbajo);
  EXPECT_EQ(g.CeldaEnPunto(60, 30), (SCeldaId{2, 2}));
  EXPECT_EQ(g.CeldaEnPunto(10, 10), (SCeldaId{0, 0}));  // fixed cells never scroll
  EXPECT_EQ(g.CeldaEnPunto(60, 500).fila, -1);
  EXPECT_EQ(g.CeldaEnPunto(-1, 5).columna, -1);
  g.PonAnchoColumna(2, 0);  // hidden: takes no room
  EXPECT_EQ(g.CeldaEnPunto(60, 30).columna, 3);
  EXPECT_FALSE(g.EsVisible(1, 1));
  EXPECT_EQ(g.HacerVisible(10, 5), 5);  // down to the last row, line by line; the column is in view already
  EXPECT_TRUE(g.EsVisible(10, 5));
  plataforma::CRectangulo r;
  ASSERT_TRUE(g.RectanguloCelda(10, 5, r));
  EXPECT_LE(r.bottom, 100);
  EXPECT_LE(r.right, 200);
}

TEST(GridModelo, Rueda) {
  bool pagina = false;
  EXPECT_EQ(CGridModelo::LineasDeRueda(120, 3, pagina), 3);
  EXPECT_FALSE(pagina);
  EXPECT_EQ(CGridModelo::LineasDeRueda(60, 3, pagina), 1);
  EXPECT_EQ(CGridModelo::LineasDeRueda(-120, 3, pagina), -3);
  EXPECT_EQ(CGridModelo::LineasDeRueda(240, kRuedaPagina, pagina), 2);
  EXPECT_TRUE(pagina);
}

TEST(GridModelo, TeclasMuevenElFocoYAvisan) {
  CGridModelo g = Grid(6, 4);
  std::vector<std::tuple<int, int, int>> avisos;
  g.PonAviso([&](int codigo, int f, int c) { avisos.emplace_back(codigo, f, c); });
  EXPECT_FALSE(g.Tecla(ETeclaGrid::Abajo, false, false).procesada);  // no focus cell: default processing
  g.PonCeldaFoco(1, 1);
  EXPECT_TRUE(g.Tecla(ETeclaGrid::Abajo, false, false).procesada);
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{2, 1}));
  ASSERT_EQ(avisos.size(), 2u);
  EXPECT_EQ(avisos[0], std::make_tuple(kGvnAntesCambioFoco, 2, 1));
  EXPECT_EQ(avisos[1], std::make_tuple(kGvnCambioFoco, 2, 1));
  g.Tecla(ETeclaGrid::Derecha, true, false);  // Shift extends from the anchor
  EXPECT_EQ(g.DameRangoSeleccion(), (SRangoCeldas{2, 1, 2, 2}));
  g.Tecla(ETeclaGrid::Arriba, false, false);  // a plain move makes a new anchor
  EXPECT_EQ(g.DameRangoSeleccion(), (SRangoCeldas{1, 2, 1, 2}));
  g.Tecla(ETeclaGrid::Arriba, false, false);  // not into the fixed row
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{1, 2}));

  // Tab: the next column, then the first non-fixed column of the next row; at the end default processing.
  g.PonAnchoColumna(3, 0);  // hidden columns are skipped
  g.Tecla(ETeclaGrid::Tab, false, false);
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{2, 1}));
  g.Tecla(ETeclaGrid::Tab, true, false);
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{1, 2}));
  g.Tecla(ETeclaGrid::Fin, false, true);
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{5, 2}));
  EXPECT_FALSE(g.Tecla(ETeclaGrid::Tab, false, false).procesada);
  g.Tecla(ETeclaGrid::Inicio, false, true);
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{1, 1}));
  g.Tecla(ETeclaGrid::AvPag, false, false);  // room 80: four rows of 20
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{5, 1}));
  EXPECT_TRUE(g.EsVisible(5, 1));
}

TEST(GridModelo, SuprimirSoloEnCeldaEditable) {
  CGridModelo g = Grid(3, 3);
  g.PonTextoCelda(1, 1, "x");
  g.PonCeldaFoco(1, 1);
  g.PonEditable(false);
  EXPECT_FALSE(g.Tecla(ETeclaGrid::Suprimir, false, false).procesada);
  EXPECT_EQ(g.DameTextoCelda(1, 1), "x");
  g.PonEditable(true);
  g.PonEstadoCelda(1, 1, kGvisFoco | kGvisSoloLectura);
  EXPECT_FALSE(g.Tecla(ETeclaGrid::Suprimir, false, false).procesada);
  g.PonEstadoCelda(1, 1, kGvisFoco);
  EXPECT_TRUE(g.Tecla(ETeclaGrid::Suprimir, false, false).procesada);
  EXPECT_EQ(g.DameTextoCelda(1, 1), "");
  EXPECT_TRUE(g.DameModificado());
}

TEST(GridModelo, CopiarCortarYPegar) {
  CGridModelo g = Grid(4, 4);
  g.PonTextoCelda(1, 1, "a");
  g.PonTextoCelda(1, 2, "");
  g.PonTextoCelda(2, 1, "c");
  g.PonTextoCelda(2, 2, "d");
  EXPECT_FALSE(g.PuedeCopiar());
  g.PonRangoSeleccion(1, 1, 2, 2);
  g.PonEstadoCelda(2, 1, 0);  // not selected: nothing for it, the tab stays
  EXPECT_EQ(g.TextoCopia(), "a\t \n\td");
  g.PonCeldaFoco(1, 1);
  EXPECT_TRUE(g.PuedePegar(true));
  EXPECT_FALSE(g.PuedePegar(false));

  EXPECT_EQ(g.Pegar("x\ty\tz\tfuera\r\nw\n"), 4);  // cut at the grid's edge; a final line feed adds no row
  EXPECT_EQ(g.DameTextoCelda(1, 3), "z");
  EXPECT_EQ(g.DameTextoCelda(2, 1), "w");
  EXPECT_EQ(g.DameTextoCelda(2, 2), "d");
  g.PonEstadoCelda(3, 1, kGvisSoloLectura);
  g.PonCeldaFoco(3, 1);
  EXPECT_FALSE(g.PuedePegar(true));
  EXPECT_EQ(g.Pegar("q\tr"), 1);  // read-only cells keep their text
  EXPECT_EQ(g.DameTextoCelda(3, 1), "");
  EXPECT_EQ(g.DameTextoCelda(3, 2), "r");

  g.PonRangoSeleccion(1, 1, 1, 3);
  EXPECT_EQ(g.Cortar(), 3);
  EXPECT_EQ(g.DameTextoCelda(1, 2), "");
  g.PonEditable(false);
  EXPECT_FALSE(g.PuedeCortar());
  EXPECT_EQ(g.Pegar("k"), 0);

  EXPECT_EQ(PartirTextoPegado("a\tb\n\nc"),
            (std::vector<std::vector<std::string>>{{"a", "b"}, {""}, {"c"}}));
}

TEST(GridModelo, OrdenarPorClicEnLaCabecera) {
  CGridModelo g = Grid(7, 2, 1, 0);
  const std::vector<std::string> textos = {"pera", "\xE1rbol", "Zorro", "higo", "", "higo"};
  for (int f = 1; f <= 6; ++f) {
    g.PonTextoCelda(f, 0, textos[static_cast<std::size_t>(f - 1)]);
    g.PonTextoCelda(f, 1, std::to_string(f));
  }
  g.PonTextoCelda(0, 0, "cabecera");
  g.PonAltoFila(2, 33);
  ASSERT_TRUE(g.OrdenarPorClic(0));
  std::vector<std::string> orden;
  for (int f = 1; f <= 6; ++f) orden.push_back(g.DameTextoCelda(f, 0));
  EXPECT_EQ(orden, (std::vector<std::string>{"", "Zorro", "higo", "higo", "pera", "\xE1rbol"}));  // byte order
  EXPECT_EQ(g.DameTextoCelda(0, 0), "cabecera");
  EXPECT_EQ(g.DameTextoCelda(6, 1), "2");  // rows move whole, with their height
  EXPECT_EQ(g.DameAltoFila(6), 33);
  ASSERT_TRUE(g.OrdenarPorClic(0));  // the same column again: descending
  EXPECT_EQ(g.DameTextoCelda(1, 0), "\xE1rbol");
  EXPECT_EQ(g.DameTextoCelda(6, 0), "");
  EXPECT_TRUE(g.OrdenarPorClic(1));
  EXPECT_TRUE(g.DameOrdenAscendente());
  EXPECT_FALSE(g.OrdenarPorClic(2));  // beyond the last column: no sort

  CGridModelo grande(2001, 1, 1, 0);  // sorted input does not deepen the recursion
  for (int f = 1; f <= 2000; ++f) grande.PonTextoCelda(f, 0, std::string(1, static_cast<char>('a' + f % 26)));
  ASSERT_TRUE(grande.OrdenarPorColumna(0, true));
  for (int f = 2; f <= 2000; ++f) ASSERT_LE(grande.DameTextoCelda(f - 1, 0), grande.DameTextoCelda(f, 0));
}

TEST(GridModelo, ColoresSiguenAlSistemaSalvoLosPuestos) {
  SColoresGrid sistema;
  CGridModelo g(2, 2, 0, 0, sistema);
  EXPECT_EQ(g.DameColorLineas(), 0x000000u);
  g.PonColorFondoDefecto(0xE0FFFF);  // RGB(255, 255, 224)
  SColoresGrid nuevos = sistema;
  nuevos.ventana = 0x101010;
  nuevos.textoVentana = 0x202020;
  nuevos.caraBoton = 0x303030;
  nuevos.sombraBoton = 0x404040;
  g.CambioColoresSistema(nuevos);
  EXPECT_EQ(g.DameColorFondoDefecto(), 0xE0FFFFu);
  EXPECT_EQ(g.DameColorTextoDefecto(), 0x202020u);
  EXPECT_EQ(g.DameColorFondoFijo(), 0x303030u);
  EXPECT_EQ(g.DameColorExterior(), 0x404040u);
  EXPECT_EQ(g.DameColorLineas(), 0x000000u);
  nuevos.ventana = 0xFFFFFF;  // the remembered colour was read again: the yellow still stays
  g.CambioColoresSistema(nuevos);
  EXPECT_EQ(g.DameColorFondoDefecto(), 0xE0FFFFu);
}

TEST(GridModelo, ReglasDelEditor) {
  struct Caso {
    ETeclaGrid tecla;
    char caracter;
    EInicioEdicion modo;
    std::string texto;
  };
  const std::vector<Caso> casos = {
      {ETeclaGrid::Intro, 0, EInicioEdicion::CaretAlFinal, "abc"},
      {ETeclaGrid::Retroceso, 0, EInicioEdicion::CaretAlFinal, "abc"},
      {ETeclaGrid::Espacio, ' ', EInicioEdicion::SeleccionarTodo, "abc"},
      {ETeclaGrid::Abajo, 0, EInicioEdicion::SeleccionarTodo, "abc"},
      {ETeclaGrid::Otra, 'x', EInicioEdicion::Reemplazar, "x"},
  };
  for (const Caso& c : casos) {
    const SInicioEdicion r = ReglaInicioEdicion("abc", false, c.tecla, c.caracter);
    EXPECT_EQ(r.modo, c.modo) << c.caracter;
    EXPECT_EQ(r.texto, c.texto);
    EXPECT_TRUE(r.flechasTerminan);
  }
  const SInicioEdicion raton = ReglaInicioEdicion("abc", true, ETeclaGrid::Otra, 'x');
  EXPECT_EQ(raton.modo, EInicioEdicion::CaretAlFinal);
  EXPECT_FALSE(raton.flechasTerminan);

  EXPECT_FALSE(ReglaTeclaEdicion(ETeclaGrid::Izquierda, false, false).termina);  // started by the mouse
  EXPECT_TRUE(ReglaTeclaEdicion(ETeclaGrid::Izquierda, true, false).moverFoco);  // Ctrl held
  EXPECT_TRUE(ReglaTeclaEdicion(ETeclaGrid::AvPag, false, true).moverFoco);
  EXPECT_TRUE(ReglaTeclaEdicion(ETeclaGrid::Escape, false, false).restaurar);
  EXPECT_TRUE(ReglaTeclaEdicion(ETeclaGrid::Tab, false, false).termina);
  EXPECT_FALSE(ReglaTeclaEdicion(ETeclaGrid::Inicio, false, true).termina);

  // The list editor: in its edit part the arrows stay in the text unless Ctrl is held; in the list they move the
  // choice unless the editor was started by a key.
  const struct {
    ETeclaGrid tecla;
    bool ctrl, porTecla, enEdicion;
    bool termina, restaurar, moverFoco;
  } lista[] = {
      {ETeclaGrid::Abajo, false, true, true, false, false, false},
      {ETeclaGrid::Abajo, true, false, true, true, false, true},
      {ETeclaGrid::Abajo, false, false, false, false, false, false},
      {ETeclaGrid::Abajo, false, true, false, true, false, true},
      {ETeclaGrid::RePag, true, false, false, true, false, true},
      {ETeclaGrid::Escape, false, false, true, true, true, false},
      {ETeclaGrid::Escape, false, false, false, true, true, false},
      {ETeclaGrid::Intro, false, false, true, true, false, false},
      {ETeclaGrid::Tab, false, true, false, true, false, false},
      {ETeclaGrid::Inicio, false, true, false, false, false, false},
  };
  for (const auto& c : lista) {
    const SFinEdicion r = ReglaTeclaLista(c.tecla, c.ctrl, c.porTecla, c.enEdicion);
    EXPECT_EQ(r.termina, c.termina) << static_cast<int>(c.tecla) << c.ctrl << c.porTecla << c.enEdicion;
    EXPECT_EQ(r.restaurar, c.restaurar) << static_cast<int>(c.tecla);
    EXPECT_EQ(r.moverFoco, c.moverFoco) << static_cast<int>(c.tecla);
  }

  // Up and Down in the list editor step from the entry shown, never back to the first one.
  const std::vector<std::string> opciones{"Uno", "Dos", "Tres"};
  const struct {
    std::string_view texto;
    ETeclaGrid tecla;
    int entrada;
  } pasos[] = {
      {"Uno", ETeclaGrid::Abajo, 1},   {"Dos", ETeclaGrid::Abajo, 2},   {"Tres", ETeclaGrid::Abajo, 2},
      {"Dos", ETeclaGrid::Arriba, 0},  {"Uno", ETeclaGrid::Arriba, 0},  {"", ETeclaGrid::Abajo, 0},
      {"otra", ETeclaGrid::Arriba, 2}, {"Dos", ETeclaGrid::AvPag, -1},  {"Dos", ETeclaGrid::Izquierda, -1},
  };
  for (const auto& p : pasos) {
    EXPECT_EQ(EntradaListaTrasTecla(opciones, p.texto, p.tecla), p.entrada) << p.texto << static_cast<int>(p.tecla);
  }
  EXPECT_EQ(EntradaListaTrasTecla({}, "Uno", ETeclaGrid::Abajo), -1);

  EXPECT_EQ(AnchoEditor(100, 50, 60, 400), 105);
  EXPECT_EQ(AnchoEditor(10, 50, 60, 400), 60);
  EXPECT_EQ(AnchoEditor(500, 50, 60, 400), 350);  // up to the client edge

  CGridModelo g = Grid(4, 4);
  g.PonCeldaFoco(1, 1);
  g.TerminarEdicion(1, 1, "nuevo", ETeclaGrid::Abajo);
  EXPECT_EQ(g.DameTextoCelda(1, 1), "nuevo");
  EXPECT_EQ(g.DameCeldaFoco(), (SCeldaId{2, 1}));
  EXPECT_TRUE(g.DameModificado());
}

TEST(GridModelo, MarcaDeSoltar) {
  CGridModelo g = Grid(4, 4);
  EXPECT_TRUE(g.ArrastrarSobre(60, 30));  // cell (1, 1)
  EXPECT_TRUE(g.DameEstadoCelda(1, 1) & kGvisMarcaSoltar);
  EXPECT_TRUE(g.ArrastrarSobre(110, 30));  // the mark moves
  EXPECT_FALSE(g.DameEstadoCelda(1, 1) & kGvisMarcaSoltar);
  EXPECT_EQ(g.DameCeldaSoltar(), (SCeldaId{1, 2}));
  EXPECT_FALSE(g.ArrastrarSobre(10, 10));  // fixed cell: not accepted, no mark
  EXPECT_FALSE(g.DameCeldaSoltar().Valida());
  g.PonEstadoCelda(2, 2, kGvisSoloLectura);
  EXPECT_FALSE(g.ArrastrarSobre(110, 50));
  EXPECT_TRUE(g.ArrastrarSobre(60, 50));
  EXPECT_EQ(g.Soltar("p\tq"), 1);  // (2, 2) is read-only
  EXPECT_EQ(g.DameTextoCelda(2, 1), "p");
  EXPECT_FALSE(g.DameCeldaSoltar().Valida());
  EXPECT_EQ(g.Soltar("z"), 0);  // no mark
  g.PonSoltarPermitido(false);
  EXPECT_FALSE(g.ArrastrarSobre(60, 50));
}

}  // namespace
}  // namespace marco
