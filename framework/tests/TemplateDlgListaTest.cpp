// The list dialog base: used entries packed at the top, the first free one open, an emptied entry squeezed out
// when it is left, nothing done when the field is left for Cancel.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "framework/DialogoSimulado.h"
#include "framework/TemplateDlgLista.h"

namespace marco {
namespace {

constexpr int kEntradas = 6;
constexpr int kCampos = 2;

// Field f of entry e has id 2000 + 10 f + e.
int Id(int campo, int entrada) { return 2000 + 10 * campo + entrada; }

// A list of six persons (name and year) over its own working copy.
class CDlgPersonas : public CTemplateDlgLista {
 public:
  CDlgPersonas() : CTemplateDlgLista(900, nullptr) {
    std::vector<int> ids;
    for (int f = 0; f < kCampos; ++f) {
      for (int e = 0; e < kEntradas; ++e) ids.push_back(Id(f, e));
    }
    PonerTablaIds(kEntradas, kCampos, ids);
    CPlantillaDialogo p(200, 140, "PERSONAS");
    p.Rejilla(ids, kEntradas, kCampos, 4, 4, 30, 12, 0, 0);
    p.Aceptar({90, 120, 50, 16}).Cancelar({144, 120, 50, 16});
    Plantilla() = p;
    FijarEntorno(SEntornoDialogo{1, false, false, false});
  }

  int OnInitDialog() override {
    CTemplateDlgLista::OnInitDialog();
    for (int e = 0; e < kEntradas; ++e) {
      for (int f = 0; f < kCampos; ++f) {
        SEnlaceControl enlace;
        enlace.mostrar = [this, f, e] { return copia[e][f]; };
        enlace.guardar = [this, f, e](std::string_view t) {
          copia[e][f] = std::string(t);
          return true;
        };
        Enlazar(Id(f, e), enlace);
      }
    }
    ActualizarDatosHijos(*this, 0);
    ActualizarEntradas();
    return 1;
  }
  void LimpiarEntrada(int e) override { copia[e] = {}; }
  void MoverEntrada(int a, int de) override {
    movimientos.emplace_back(a, de);
    copia[a] = copia[de];
  }

  std::array<std::array<std::string, kCampos>, kEntradas> copia{};
  std::vector<std::pair<int, int>> movimientos;
};

std::vector<bool> Abiertas(const CControlesSimulados& v) {
  std::vector<bool> r;
  for (int e = 0; e < kEntradas; ++e) r.push_back(v.Habilitado(Id(0, e)) && v.Habilitado(Id(1, e)));
  return r;
}

TEST(TemplateDlgLista, TablaDeIds) {
  CDlgPersonas dlg;
  EXPECT_EQ(dlg.IdControl(1, 5), Id(1, 5));
  EXPECT_EQ(dlg.IdControl(2, 0), 0);
  EXPECT_EQ(dlg.IdControl(0, 6), 0);
  EXPECT_EQ(dlg.IdControl(-1, 0), 0);
  EXPECT_EQ(dlg.EntradaDeControl(Id(1, 4)), 4);
  EXPECT_EQ(dlg.EntradaDeControl(Id(0, 0)), 0);
  EXPECT_EQ(dlg.EntradaDeControl(1), -1);
  EXPECT_FALSE(dlg.PonerTablaIds(3, 2, {1, 2, 3}));
  EXPECT_EQ(dlg.Entradas(), kEntradas);
  EXPECT_TRUE(dlg.Ocupado());  // until the entries are first refreshed
}

TEST(TemplateDlgLista, TresEnUsoAbrenLaCuartaYVaciarLaSegundaLaExprime) {
  CDlgPersonas dlg;
  dlg.copia[0] = {"ANA", "1990"};
  dlg.copia[1] = {"LUIS", "1992"};
  dlg.copia[2] = {"EVA", "1995"};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_TRUE(dlg.Editable());
  EXPECT_FALSE(dlg.Ocupado());
  EXPECT_EQ(Abiertas(v), (std::vector<bool>{true, true, true, true, false, false}));
  EXPECT_EQ(dlg.EntradasAbiertas(), 3);

  // Entry 2 emptied (blanks count as empty) and left: entry 3 moves up; 1-2 and the new free one are open.
  v.Enfocar(Id(0, 1));
  v.Escribir(Id(0, 1), "  ");
  v.Enfocar(Id(1, 1));
  v.Escribir(Id(1, 1), "");
  EXPECT_EQ(v.Enfocar(Id(0, 0)), 1);
  EXPECT_EQ(dlg.copia[1][0], "EVA");
  EXPECT_EQ(dlg.copia[2][0], "");
  EXPECT_EQ(v.Texto(Id(0, 1)), "EVA");
  EXPECT_EQ(dlg.movimientos, (std::vector<std::pair<int, int>>{{1, 2}}));
  EXPECT_EQ(Abiertas(v), (std::vector<bool>{true, true, true, false, false, false}));
  EXPECT_EQ(v.FocoActual(), Id(0, 0));
}

TEST(TemplateDlgLista, DatosEnLaUltimaAbiertaAbrenLaSiguiente) {
  CDlgPersonas dlg;
  dlg.copia[0] = {"ANA", "1990"};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_EQ(Abiertas(v), (std::vector<bool>{true, true, false, false, false, false}));
  v.Enfocar(Id(0, 1));
  v.Escribir(Id(0, 1), "PEPE");
  v.Enfocar(Id(1, 1));
  EXPECT_EQ(dlg.EntradasAbiertas(), 2);
  EXPECT_EQ(Abiertas(v), (std::vector<bool>{true, true, true, false, false, false}));
}

// Tab, Enter or Down from a field of the last open entry that was given something go into the entry that leaving it
// opens, not past it; from an empty one the next entry stays closed and the move goes on past it.
TEST(TemplateDlgLista, AvanzarDesdeLaUltimaAbiertaConDatosEntraEnLaSiguiente) {
  struct SCaso {
    const char* nombre;
    int tecla;  // a character (Tab, Enter), or 0 for the key Down
    const char* tecleado;
    int foco;
    std::vector<bool> abiertas;
  };
  const SCaso casos[] = {
      {"Tab after a name", kCaracterTab, "PEPE", Id(0, 2), {true, true, true, false, false, false}},
      {"Enter after a name", kCaracterIntro, "PEPE", Id(0, 2), {true, true, true, false, false, false}},
      {"Down after a name", 0, "PEPE", Id(0, 2), {true, true, true, false, false, false}},
      {"Tab from an empty field", kCaracterTab, "", Id(1, 0), {true, true, false, false, false, false}},
  };
  for (const SCaso& caso : casos) {
    CDlgPersonas dlg;
    dlg.copia[0] = {"ANA", "1990"};
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    v.Enfocar(Id(0, 1));
    if (*caso.tecleado != 0) v.Escribir(Id(0, 1), caso.tecleado);
    if (caso.tecla != 0) {
      v.Caracter(caso.tecla);
    } else {
      v.Tecla(kTeclaAbajo);
    }
    EXPECT_EQ(v.FocoActual().value_or(0), caso.foco) << caso.nombre;
    EXPECT_EQ(Abiertas(v), caso.abiertas) << caso.nombre;
  }
}

TEST(TemplateDlgLista, TodasEnUsoDejanAbiertaLaUltimaYNoMas) {
  CDlgPersonas dlg;
  for (int e = 0; e < kEntradas; ++e) dlg.copia[e] = {"X" + std::to_string(e), ""};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_EQ(dlg.EntradasAbiertas(), kEntradas - 1);
  EXPECT_EQ(Abiertas(v), std::vector<bool>(kEntradas, true));
  // Leaving the last entry with data opens nothing beyond it.
  v.Enfocar(Id(0, 5));
  v.Enfocar(Id(1, 5));
  EXPECT_EQ(dlg.EntradasAbiertas(), kEntradas - 1);
}

TEST(TemplateDlgLista, SalirHaciaCancelarOCerrandoNoHaceNada) {
  CDlgPersonas dlg;
  dlg.copia[0] = {"ANA", "1990"};
  dlg.copia[1] = {"LUIS", "1992"};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(Id(0, 0));
  v.Escribir(Id(0, 0), "");
  v.Enfocar(Id(1, 0));
  v.Escribir(Id(1, 0), "");
  // The Cancel button takes the focus: no packing.
  EXPECT_EQ(v.Enfocar(kIdCancelar), 0);
  EXPECT_TRUE(dlg.movimientos.empty());
  EXPECT_EQ(v.Texto(Id(0, 1)), "LUIS");
  // No window takes the focus: nothing either.
  v.Enfocar(Id(0, 0));
  EXPECT_EQ(v.Enfocar(0), 0);
  // While closing, nothing.
  v.Enfocar(Id(0, 0));
  dlg.OnClose();
  EXPECT_TRUE(dlg.Cerrando());
  EXPECT_EQ(v.ResultadoVentana(), kIdCancelar);
  EXPECT_EQ(v.Enfocar(Id(1, 1)), 0);
  EXPECT_TRUE(dlg.movimientos.empty());
}

TEST(TemplateDlgLista, SinPermisoNoSeAbrenEntradas) {
  CDlgPersonas dlg;
  dlg.FijarEntorno(SEntornoDialogo{3, true, false, false});
  dlg.PonerCodigoSujeto(3);
  dlg.copia[0] = {"ANA", "1990"};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_FALSE(dlg.Editable());
  EXPECT_EQ(Abiertas(v), std::vector<bool>(kEntradas, false));
  // The declarant with only a second child present may not edit either.
  CDlgPersonas otro;
  otro.FijarEntorno(SEntornoDialogo{2, false, false, true});
  CControlesSimulados v2(otro.Plantilla());
  v2.Abrir(otro);
  EXPECT_FALSE(otro.Editable());
}

TEST(TemplateDlgLista, HayAlfanumerico) {
  struct SCaso {
    std::string texto;
    int n;
    int resultado;
  };
  const std::vector<SCaso> casos = {
      {"", 5, 0},          {"A", 1, 0},         {"AB", 1, 0},           {"A ", 2, 0},
      {"AB", 2, 1},        {"A  7", 4, 1},      {"A  7", 3, 0},         {"-  ", 30, 0},
      {"x\xD1", 2, 1},     {"x\xD7", 2, 0},     {std::string("x\0B", 3), 3, 0},
      {"AB", -4, 0},       {"  Z", 100, 1},
  };
  for (const SCaso& c : casos) EXPECT_EQ(HayAlfanumerico(c.texto, c.n), c.resultado) << c.texto << " " << c.n;
}

}  // namespace
}  // namespace marco
