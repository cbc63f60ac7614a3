// The order in which Tab visits a layout's controls: the layout read row by row from the top and left to right,
// whatever order the controls were added in; the same order on the simulated controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/DialogoPlantilla.h"
#include "framework/DialogoSimulado.h"
#include "framework/TemplateDlg.h"

namespace marco {
namespace {

struct SControlCaso {
  ETipoControlDialogo tipo;
  int id;
  SRectDialogo rect;
  bool primeroDeGrupo = false;
};

struct SCasoOrden {
  std::string nombre;
  std::vector<SControlCaso> controles;  // in the order the layout adds them
  std::vector<int> esperado;            // the ids in the order Tab visits them
};

constexpr auto E = ETipoControlDialogo::Edicion;
constexpr auto L = ETipoControlDialogo::Estatico;
constexpr auto B = ETipoControlDialogo::Boton;
constexpr auto O = ETipoControlDialogo::Opcion;
constexpr auto M = ETipoControlDialogo::Marco;
constexpr auto C = ETipoControlDialogo::Casilla;
constexpr auto S = ETipoControlDialogo::Lista;

CPlantillaDialogo Plantilla(const std::vector<SControlCaso>& controles) {
  CPlantillaDialogo p(300, 200, "ORDEN");
  for (const SControlCaso& c : controles) {
    switch (c.tipo) {
      case ETipoControlDialogo::Edicion: p.Edicion(c.id, c.rect); break;
      case ETipoControlDialogo::Estatico: p.Estatico(c.id, "Etiqueta", c.rect); break;
      case ETipoControlDialogo::Boton: p.Boton(c.id, "Boton", c.rect); break;
      case ETipoControlDialogo::Opcion: p.Opcion(c.id, "Opcion", c.rect, c.primeroDeGrupo); break;
      case ETipoControlDialogo::Marco: p.Marco("Marco", c.rect); break;
      case ETipoControlDialogo::Casilla: p.Casilla(c.id, "Casilla", c.rect); break;
      case ETipoControlDialogo::Lista: p.Lista(c.id, {"A", "B"}, c.rect); break;
      case ETipoControlDialogo::Propio: break;
    }
  }
  return p;
}

const std::vector<SCasoOrden>& Casos() {
  static const std::vector<SCasoOrden> casos = {
      {"entries added column by column are visited row by row",
       {{E, 11, {6, 28, 30, 12}}, {E, 12, {6, 44, 30, 12}}, {E, 21, {40, 28, 60, 12}}, {E, 22, {40, 44, 60, 12}},
        {E, 31, {104, 28, 60, 12}}, {E, 32, {104, 44, 60, 12}}},
       {11, 21, 31, 12, 22, 32}},
      {"labels and frames take no place; buttons of a row left to right",
       {{M, -1, {2, 2, 200, 60}}, {L, 100, {6, 10, 40, 10}}, {E, 1101, {50, 8, 60, 12}}, {B, 2, {150, 70, 50, 16}},
        {B, 1, {96, 70, 50, 16}}, {L, -1, {6, 30, 40, 10}}, {E, 1102, {50, 28, 60, 12}}},
       {1101, 1102, 1, 2}},
      {"heights overlapping by more than half share a row, whatever the tops",
       {{E, 2, {80, 21, 60, 12}}, {E, 1, {6, 20, 60, 12}}, {C, 3, {150, 26, 40, 10}}},
       {1, 2, 3}},
      {"heights overlapping by half or less are two rows",
       {{E, 2, {80, 26, 60, 12}}, {E, 1, {6, 20, 60, 12}}},
       {1, 2}},
      {"a tall list beside two rows stands in the first",
       {{E, 2, {6, 30, 60, 12}}, {S, 3, {100, 10, 60, 40}}, {E, 1, {6, 10, 60, 12}}},
       {1, 3, 2}},
      {"the buttons of a radio group stay together where its first one stands",
       {{O, 11, {6, 10, 60, 10}, true}, {O, 12, {6, 24, 60, 10}}, {O, 21, {100, 10, 60, 10}, true},
        {O, 22, {100, 24, 60, 10}}, {E, 31, {6, 40, 60, 12}}},
       {11, 12, 21, 22, 31}},
      {"a control that is not a radio button ends the group",
       {{O, 11, {100, 10, 60, 10}, true}, {L, -1, {6, 30, 30, 10}}, {O, 12, {6, 10, 60, 10}}},
       {12, 11}},
      {"controls at the same place keep the layout's order",
       {{E, 7, {6, 10, 60, 12}}, {E, 5, {6, 10, 60, 12}}},
       {7, 5}},
      {"an empty layout", {}, {}},
  };
  return casos;
}

std::vector<int> IdsEnOrden(const CPlantillaDialogo& p) {
  std::vector<int> ids;
  for (const std::size_t i : p.OrdenLectura()) ids.push_back(p.Controles()[i].id);
  return ids;
}

TEST(PlantillaDialogo, OrdenDeLecturaParaElTabulador) {
  for (const SCasoOrden& caso : Casos()) {
    EXPECT_EQ(IdsEnOrden(Plantilla(caso.controles)), caso.esperado) << caso.nombre;
  }
}

class CDlgOrden : public CTemplateDlg {
 public:
  explicit CDlgOrden(const CPlantillaDialogo& p) : CTemplateDlg(900, nullptr) {
    Plantilla() = p;
    FijarEntorno(SEntornoDialogo{1, false, false, false});
  }
};

// Tab and Shift+Tab on the simulated controls go the same way round, past disabled controls.
TEST(PlantillaDialogo, ElTabuladorSimuladoSigueElOrdenDeLectura) {
  for (const SCasoOrden& caso : Casos()) {
    if (caso.esperado.empty()) continue;
    CDlgOrden dlg(Plantilla(caso.controles));
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    v.Enfocar(caso.esperado.front());
    std::vector<int> adelante{v.FocoActual().value_or(0)};
    for (std::size_t i = 1; i < caso.esperado.size(); ++i) {
      v.Caracter(kCaracterTab);
      adelante.push_back(v.FocoActual().value_or(0));
    }
    EXPECT_EQ(adelante, caso.esperado) << caso.nombre;
    v.Caracter(kCaracterTab);
    EXPECT_EQ(v.FocoActual().value_or(0), caso.esperado.front()) << caso.nombre << ": past the last, the first";
    dlg.Tabular(true);
    EXPECT_EQ(v.FocoActual().value_or(0), caso.esperado.back()) << caso.nombre << ": Shift+Tab from the first";
  }
  // A disabled control is passed by.
  const SCasoOrden& rejilla = Casos().front();
  CDlgOrden dlg(Plantilla(rejilla.controles));
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Habilitar(21, false);
  v.Enfocar(11);
  v.Caracter(kCaracterTab);
  EXPECT_EQ(v.FocoActual().value_or(0), 31);
}

}  // namespace
}  // namespace marco
