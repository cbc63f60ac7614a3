// The dividends detail dialog: entries as lines, its checks of OK in order with their coded messages and icons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogoPrueba.h"
#include "dialogs/DlgDividendos.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kTitular[] = {1273, 1284, 1295, 1309, 1319, 1325};
constexpr int kIntegroId[] = {1383, 1385, 1387, 1388, 1389, 1390};
constexpr int kComputarId[] = {1391, 1392, 1393, 1394, 1395, 1416};
constexpr int kDeduccionId[] = {1396, 1400, 1403, 1407, 1411, 1419};
constexpr int kRetencionId = 1342;  // withheld, entry 1

// G, A, R, expenses, D of a declarant's entry.
SEntradaTitular Dividendo(double g, double a, double r, double gastos, double d) {
  SEntradaTitular e;
  e.titular = 2;
  e.importes = {g, a, r, gastos, d};
  return e;
}

struct SDialogo : pruebas::SDialogoSimulado<CDlgDividendos> {
  SDialogo() : pruebas::SDialogoSimulado<CDlgDividendos>({1, true, false, false}) {}
};

TEST(DlgDividendos, CadaEntradaEsUnaLineaConSuAyudaDeTitular) {
  SDialogo d;
  d.dlg.m_recibido[0] = Dividendo(100000, 140000, 25000, 300, 40000);
  d.dlg.m_recibido[1].titular = 1;
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "(C1) DIVIDENDOS Y SIMILARES");
  EXPECT_EQ(d.v.Texto(kTitular[0]), "D");
  EXPECT_EQ(d.v.Texto(kTitular[1]), "O");
  EXPECT_EQ(d.v.Texto(kComputarId[0]), "140.000");
  EXPECT_EQ(d.v.Texto(kDeduccionId[0]), "40.000");
  EXPECT_TRUE(d.v.Habilitado(kIntegroId[1]));
  EXPECT_FALSE(d.v.Habilitado(kIntegroId[2]));
  d.v.Enfocar(kTitular[2]);
  EXPECT_FALSE(d.v.Texto(kIdAyudaTitularLineas).empty());
  d.v.Enfocar(kIntegroId[0]);
  EXPECT_EQ(d.v.Texto(kIdAyudaTitularLineas), "");
  // No amount takes a minus sign.
  d.v.Escribir(kIntegroId[0], "-1");
  d.v.Enfocar(kComputarId[0]);
  EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], 100000.0);
  d.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(d.v.Ayudas(), std::vector<int>{kAyudaDividendos});
}

// A cell of the grid with no room for the amount typed: the overflow message the page boxes give, and the cell
// keeps what it held (an empty cell stays empty, never silently); ten digits fit.
TEST(DlgDividendos, UnImporteQueNoCabeEnSuCeldaDaElAvisoYLaCeldaSeConserva) {
  const struct {
    const char* texto;
    double antes;
    std::vector<std::string> codigos;
    double despues;
    const char* muestra;
  } casos[] = {
      {"1000000000000", 100000, {"WIN032"}, 100000, "100.000"},
      {"1000000000000", 0, {"WIN032"}, 0, ""},
      {"10000000000", 100000, {"WIN032"}, 100000, "100.000"},
      {"9999999999", 100000, {}, 9999999999.0, "9.999.999.999"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.texto) + " over " + std::to_string(c.antes));
    CGuionMensajes guion;
    SDialogo d;
    d.dlg.m_recibido[0] = Dividendo(c.antes, 0, 0, 0, 0);
    d.v.Abrir(d.dlg);
    d.v.Enfocar(kIntegroId[0]);
    d.v.Escribir(kIntegroId[0], c.texto);
    d.v.Enfocar(kComputarId[0]);
    EXPECT_EQ(guion.Codigos(), c.codigos);
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], c.despues);
    EXPECT_EQ(d.v.Texto(kIntegroId[0]), c.muestra);
  }
}

struct SCaso {
  const char* nombre;
  SEntradaTitular entrada;
  std::vector<int> respuestas;  // to the warnings, in turn
  std::vector<std::string> codigos;
  int resultado;  // 1 closed with OK, 0 still open
  int foco;       // the box at fault when it stays open
};

TEST(DlgDividendos, ComprobacionesEnSuOrden) {
  const int c = marco::kBotonContinuar;
  const int k = marco::kBotonCorregir;
  const SCaso casos[] = {
      {"en los limites", Dividendo(100000, 140100, 25100, 0, 40010), {}, {}, 1, 0},
      {"a computar sobre 1,4 G + 100", Dividendo(100000, 140101, 25000, 0, 40000), {}, {"100R146"}, 0,
       kComputarId[0]},
      {"a computar sin integro", Dividendo(0, 5, 0, 0, 0), {}, {"100R144"}, 0, kComputarId[0]},
      {"a computar bajo el integro", Dividendo(1000, 999, 100, 0, 0), {}, {"100R145"}, 0, kComputarId[0]},
      {"deduccion sobre 0,4 G + 100", Dividendo(100000, 140000, 25000, 0, 40101), {}, {"100V144"}, 0,
       kDeduccionId[0]},
      {"sin deduccion con exceso", Dividendo(100000, 140000, 25000, 0, 0), {k}, {"100V128"}, 0, kDeduccionId[0]},
      {"deduccion bajo su limite pero sobre el exceso", Dividendo(100000, 140000, 25000, 0, 40011), {c}, {"100V128"},
       1, 0},
      {"solo gastos", Dividendo(0, 0, 0, 500, 0), {}, {}, 1, 0},
      {"sin retencion", Dividendo(100000, 100000, 0, 0, 0), {c}, {"100V129"}, 1, 0},
      {"retencion sobre el 25 por 100", Dividendo(100000, 100000, 25101, 0, 0), {k}, {"100V130"}, 0,
       kRetencionId},
  };
  for (const SCaso& caso : casos) {
    SDialogo d;
    d.dlg.m_recibido[0] = caso.entrada;
    d.v.Abrir(d.dlg);
    CGuionMensajes guion(caso.respuestas);
    d.v.Pulsar(marco::kIdAceptar);
    EXPECT_EQ(d.v.ResultadoVentana(), caso.resultado) << caso.nombre;
    EXPECT_EQ(guion.Codigos(), caso.codigos) << caso.nombre;
    if (caso.resultado == 0) {
      EXPECT_EQ(d.v.FocoActual(), caso.foco) << caso.nombre;
    }
    for (const marco::SMensaje& m : guion.Mensajes()) {
      const bool error = m.codigo != "100V128" && m.codigo != "100V129" && m.codigo != "100V130";
      EXPECT_EQ(m.icono, error ? marco::IconoMano : marco::IconoAsterisco) << caso.nombre;
    }
    if (caso.resultado == 1) {
      EXPECT_EQ(d.dlg.m_recibido[0].importes, caso.entrada.importes) << caso.nombre;
    }
  }
}

TEST(DlgDividendos, UnaEntradaConSoloTitularSeQuitaAlAceptar) {
  SDialogo d;
  d.dlg.m_recibido[0].titular = 3;
  d.v.Abrir(d.dlg);
  CGuionMensajes guion;
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 0);
  EXPECT_TRUE(guion.Codigos().empty());
}

}  // namespace
}  // namespace dialogos
