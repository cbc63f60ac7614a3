// The grid's mouse rules without a display: sizing by the borders, selecting, clicks, double clicks, sorting by
// the headings and the auto-scroll timer.
#include "framework/GridRaton.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace marco {
namespace {

class CMedidorFijo final : public IMedidorTexto {
 public:
  plataforma::CTamano Medir(std::string_view texto, const plataforma::CFuente&) override {
    return {static_cast<int>(texto.size()) * 7, 14};
  }
};

// Rows 20 high, columns 50 wide, one fixed row and column, client 200 x 100.
class GridRaton : public testing::Test {
 protected:
  GridRaton() : m_grid(11, 6, 1, 1), m_raton(m_grid) {
    for (int f = 0; f < 11; ++f) m_grid.PonAltoFila(f, 20);
    for (int c = 0; c < 6; ++c) m_grid.PonAnchoColumna(c, 50);
    m_grid.PonTamanoCliente(200, 100);
    m_grid.PonAviso([this](int codigo, int f, int c) { m_avisos.emplace_back(codigo, f, c); });
  }
  SAccionRaton Clic(int x, int y, bool shift = false, bool ctrl = false) {
    m_raton.Mover(x, y, false);
    m_raton.Pulsar(x, y, shift, ctrl, true);
    return m_raton.Soltar(x, y);
  }

  CGridModelo m_grid;
  CGridRaton m_raton;
  std::vector<std::tuple<int, int, int>> m_avisos;
};

TEST_F(GridRaton, BordesDeColumnaEnLaFilaFija) {
  EXPECT_EQ(m_raton.Mover(98, 5, false).cursor, ECursorGrid::EsteOeste);  // near the right edge of column 1
  EXPECT_EQ(m_raton.Modo(), EModoRaton::SobreBordeColumna);
  EXPECT_EQ(m_raton.BordeColumna(101), 1);  // just right of the border: the column before it
  EXPECT_EQ(m_raton.BordeColumna(75), -1);
  EXPECT_EQ(m_raton.Mover(75, 5, false).cursor, ECursorGrid::Flecha);
  EXPECT_EQ(m_raton.Mover(98, 50, false).cursor, ECursorGrid::Flecha);  // not in the fixed row
  EXPECT_EQ(m_raton.Mover(5, 38, false).cursor, ECursorGrid::NorteSur);  // row border in the fixed column
  m_grid.PonRedimensionarColumnas(false);
  EXPECT_EQ(m_raton.Mover(98, 5, false).cursor, ECursorGrid::Flecha);
}

TEST_F(GridRaton, RedimensionarColumna) {
  m_raton.Mover(99, 5, false);
  const SAccionRaton pulsar = m_raton.Pulsar(99, 5, false, false, true);
  EXPECT_TRUE(pulsar.capturar);
  EXPECT_TRUE(pulsar.recortarPuntero);
  EXPECT_EQ(pulsar.recorte.left, 50);  // right of the column's left edge
  m_raton.Mover(130, 5, true);
  bool vertical = false;
  EXPECT_EQ(m_raton.LineaRedimension(vertical), 130);
  EXPECT_TRUE(vertical);
  m_raton.Mover(20, 5, true);  // the line stops at the column's left edge
  EXPECT_EQ(m_raton.LineaRedimension(vertical), 50);
  const SAccionRaton soltar = m_raton.Soltar(130, 5);
  EXPECT_TRUE(soltar.recalcularBarras);
  EXPECT_EQ(m_grid.DameAnchoColumna(1), 80);
  EXPECT_EQ(m_raton.LineaRedimension(vertical), -1);

  // Dragged to its own left edge: width 0, hidden.
  m_raton.Mover(129, 5, false);
  m_raton.Pulsar(129, 5, false, false, true);
  m_raton.Soltar(50, 5);
  EXPECT_EQ(m_grid.DameAnchoColumna(1), 0);

  // A press and release at the same point leaves the size as it was.
  m_raton.Mover(99, 5, false);
  m_raton.Pulsar(99, 5, false, false, true);
  m_raton.Soltar(99, 5);
  EXPECT_EQ(m_grid.DameAnchoColumna(2), 50);
}

TEST_F(GridRaton, DobleClicEnBordeAjustaAlTexto) {
  m_grid.PonTextoCelda(4, 2, "un texto largo");  // 14 characters: 98 pixels
  m_raton.Mover(148, 5, false);
  const SAccionRaton a = m_raton.DobleClic(148, 5, *std::make_unique<CMedidorFijo>());
  EXPECT_EQ(m_grid.DameAnchoColumna(2), 98);
  EXPECT_TRUE(a.dobleClic);
  m_grid.PonTextoCelda(0, 0, "x");
  CMedidorFijo medidor;
  m_raton.DobleClic(5, 39, medidor);  // the border under row 1 in the fixed column
  EXPECT_EQ(m_grid.DameAltoFila(1), 14);
}

TEST_F(GridRaton, ClicMueveElFocoYSeleccionaConArrastre) {
  const SAccionRaton a = Clic(60, 30);
  EXPECT_TRUE(a.avisarClic);
  EXPECT_EQ(a.celda, (SCeldaId{1, 1}));
  EXPECT_EQ(m_grid.DameCeldaFoco(), (SCeldaId{1, 1}));
  ASSERT_EQ(m_avisos.size(), 2u);
  EXPECT_EQ(std::get<0>(m_avisos[1]), kGvnCambioFoco);

  const SAccionRaton pulsar = m_raton.Pulsar(110, 50, false, false, true);
  EXPECT_TRUE(pulsar.capturar);
  EXPECT_TRUE(pulsar.iniciarTemporizador);
  m_raton.Mover(160, 70, true);
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{2, 2, 3, 3}));
  EXPECT_EQ(m_grid.DameCeldaFoco(), (SCeldaId{3, 3}));
  m_raton.Soltar(160, 70);

  Clic(60, 90, false, true);  // Ctrl keeps what was selected
  EXPECT_TRUE(m_grid.EstaSeleccionada(2, 2));
  EXPECT_TRUE(m_grid.EstaSeleccionada(4, 1));
  Clic(60, 90 - 20, true);  // Shift: from the focus cell (4, 1) to (3, 1)
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{3, 1, 4, 1}));
}

TEST_F(GridRaton, FormasDeSeleccion) {
  Clic(110, 5);  // fixed row: the whole column
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{1, 2, 10, 2}));
  EXPECT_EQ(m_grid.DameCeldaFoco(), (SCeldaId{1, 2}));  // clamped to the first non-fixed row
  Clic(5, 50);  // fixed column: the whole row
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{2, 1, 2, 5}));
  Clic(5, 5);  // the corner: every non-fixed cell
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{1, 1, 10, 5}));
  m_grid.PonModoLista(true);
  m_grid.PonOrdenarCabecera(false);
  Clic(110, 50);  // list mode: whole rows
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{2, 1, 2, 5}));
}

TEST_F(GridRaton, EnModoListaLaCabeceraOrdena) {
  for (int f = 1; f <= 10; ++f) m_grid.PonTextoCelda(f, 1, std::string(1, static_cast<char>('k' - f)));
  Clic(60, 5);  // not in list mode: selects the column
  EXPECT_EQ(m_grid.DameTextoCelda(1, 1), "j");
  m_grid.PonModoLista(true);
  m_raton.Pulsar(60, 5, false, false, true);
  EXPECT_EQ(m_grid.DameTextoCelda(1, 1), "a");
  m_raton.Soltar(60, 5);
  const SAccionRaton a = m_raton.Pulsar(60, 5, false, false, true);
  EXPECT_TRUE(a.ordenando);
  EXPECT_EQ(m_grid.DameTextoCelda(1, 1), "j");  // the same column again: descending
}

TEST_F(GridRaton, PulsarEnElFocoPideEditarSoloSiSePuede) {
  Clic(60, 30);
  m_raton.Pulsar(60, 30, false, false, true);
  EXPECT_EQ(m_raton.Modo(), EModoRaton::PulsadoFoco);
  EXPECT_TRUE(m_raton.Soltar(60, 30).editarFoco);
  m_grid.PonEditable(false);
  m_raton.Pulsar(60, 30, false, false, true);
  EXPECT_FALSE(m_raton.Soltar(60, 30).editarFoco);

  // Dragging enabled: a selected focus cell starts a drag when the pointer moves away.
  m_grid.PonArrastreHabilitado(true);
  m_avisos.clear();
  m_raton.Pulsar(60, 30, false, false, true);
  EXPECT_EQ(m_raton.Modo(), EModoRaton::PulsadoSeleccion);
  EXPECT_TRUE(m_raton.Mover(80, 45, true).iniciarArrastre);
  ASSERT_FALSE(m_avisos.empty());
  EXPECT_EQ(std::get<0>(m_avisos.back()), kGvnInicioArrastre);
  m_raton.Soltar(80, 45);
  m_raton.Pulsar(60, 30, false, false, true);
  m_raton.Soltar(60, 30);  // not dragged: the selection goes
  EXPECT_FALSE(m_grid.DameRangoSeleccion().Valido());
}

TEST_F(GridRaton, DobleClicConEdicionApagadaDaLaFila) {
  m_grid.PonEditable(false);
  Clic(110, 70);
  m_raton.Pulsar(110, 70, false, false, true);
  m_raton.Soltar(110, 70);
  const SAccionRaton a = m_raton.DobleClic(110, 70, *std::make_unique<CMedidorFijo>());
  EXPECT_TRUE(a.dobleClic);
  EXPECT_FALSE(a.editarFoco);
  EXPECT_EQ(a.celda, (SCeldaId{3, 2}));
  EXPECT_EQ(m_raton.DobleClic(190, 500, *std::make_unique<CMedidorFijo>()).celda.fila, -1);
}

TEST_F(GridRaton, AutoDesplazamientoAlSalirPorAbajo) {
  m_raton.Pulsar(60, 30, false, false, true);
  m_raton.Mover(60, 150, true);  // below the client area
  const SAccionRaton a = m_raton.Temporizador();
  EXPECT_TRUE(a.repintar);
  EXPECT_EQ(m_grid.DamePosicion(EBarra::Vertical), 20);
  EXPECT_EQ(m_grid.DameRangoSeleccion(), (SRangoCeldas{1, 1, 5, 1}));  // to the row at the bottom edge
  m_raton.Temporizador();
  EXPECT_EQ(m_grid.DameCeldaFoco(), (SCeldaId{6, 1}));
  EXPECT_TRUE(m_raton.Soltar(60, 150).pararTemporizador);
  EXPECT_TRUE(m_raton.Temporizador().pararTemporizador);  // nothing being selected
  EXPECT_TRUE(m_raton.CapturaPerdida().pararTemporizador);
}

}  // namespace
}  // namespace marco
