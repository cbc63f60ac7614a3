// The holder grid base: entries with a holder packed at the front, amounts open only for them, the per-person
// view of a joint declaration, the holder hint and the leave-field answer.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/DialogoSimulado.h"
#include "framework/TemplateDlgTitulares.h"

namespace marco {
namespace {

constexpr int kEntradas = 4;
constexpr int kCampos = 3;  // holder, two amounts

int Id(int campo, int entrada) { return 3000 + 10 * campo + entrada; }

struct SEntrada {
  std::uint8_t titular = 0;
  double importe[2] = {0.0, 0.0};
};

std::string LetraTitular(std::uint8_t t) {
  switch (t) {
    case 1: return "O";
    case 2: return "D";
    case 3: return "C";
    case 4: return "1";
    case 5: return "2";
    default: return "";
  }
}
std::uint8_t CodigoTitular(std::string_view t) {
  if (t == "O") return 1;
  if (t == "D") return 2;
  if (t == "C") return 3;
  if (t == "1") return 4;
  if (t == "2") return 5;
  return 0;
}

class CDlgImportes : public CTemplateDlgTitulares {
 public:
  explicit CDlgImportes(SEntornoDialogo entorno) : CTemplateDlgTitulares(142, nullptr) {
    FijarEntorno(entorno);
    PonerCodigoSujeto(entorno.sujetoActual);
    std::vector<int> ids;
    for (int f = 0; f < kCampos; ++f) {
      for (int e = 0; e < kEntradas; ++e) ids.push_back(Id(f, e));
    }
    PonerTablaIds(kEntradas, kCampos, ids);
    CPlantillaDialogo p(220, 120, "IMPORTES");
    p.Rejilla(ids, kEntradas, kCampos, 4, 4, 40, 12, 0);
    p.Estatico(kIdAyudaTitular, "", {4, 60, 200, 10});
    p.Aceptar({110, 100, 50, 16}).Cancelar({164, 100, 50, 16});
    Plantilla() = p;
  }

  int OnInitDialog() override {
    CTemplateDlgTitulares::OnInitDialog();
    AjustarEntradasAlSujeto();
    for (int e = 0; e < kEntradas; ++e) {
      SEnlaceControl titular;
      titular.mostrar = [this, e] { return LetraTitular(copia[e].titular); };
      titular.guardar = [this, e](std::string_view t) {
        // A letter that names no holder is not one.
        if (!t.empty() && CodigoTitular(t) == 0) return false;
        copia[e].titular = CodigoTitular(t);
        return true;
      };
      Enlazar(Id(0, e), titular);
      EnlazarImporte(Id(1, e), &copia[e].importe[0]);
      EnlazarImporte(Id(2, e), &copia[e].importe[1]);
    }
    ActualizarEntradas();
    if (!TodasLasEntradas()) CompactarEntradas();
    ActualizarDatosHijos(*this, 0);
    return 1;
  }
  void OnOK() override {
    if (TodasLasEntradas()) QuitarEntradasVacias();
    CTemplateDlgTitulares::OnOK();
  }

  void LimpiarEntrada(int e) override { copia[e].importe[0] = copia[e].importe[1] = 0.0; }
  void MoverEntrada(int a, int de) override { copia[a] = copia[de]; }
  void QuitarEntrada(int e) override { copia[e].titular = 0; }
  std::uint8_t TitularDeEntrada(int e) const override { return copia[e].titular; }
  void EntradaComun(int e) override {
    copia[e].importe[0] *= 0.5;
    copia[e].importe[1] *= 0.5;
  }
  void EntradaPropia(int e) override { copia[e].titular = 2; }

  std::array<SEntrada, kEntradas> copia{};
};

SEntornoDialogo Familia(int sujeto) { return SEntornoDialogo{sujeto, true, false, false}; }

TEST(TemplateDlgTitulares, FilaYEntradaDeControl) {
  CDlgImportes dlg(Familia(1));
  EXPECT_EQ(dlg.FilaDeControl(Id(0, 3)), 0);
  EXPECT_EQ(dlg.FilaDeControl(Id(2, 1)), 2);
  EXPECT_EQ(dlg.EntradaDeControl(Id(2, 1)), 1);
  EXPECT_EQ(dlg.FilaDeControl(99), -1);
  EXPECT_EQ(dlg.EntradaDeControl(99), -1);
  EXPECT_EQ(dlg.IdControl(3, 0), 0);
  EXPECT_EQ(dlg.CampoInicialDeEntrada(0), 1);
  EXPECT_EQ(dlg.AlCambiarValor(99), 0);
}

TEST(TemplateDlgTitulares, QuitarElTitularVaciaLaEntradaYCompactaLasDemas) {
  CDlgImportes dlg(Familia(1));
  dlg.copia[0] = {2, {100.0, 10.0}};
  dlg.copia[1] = {3, {200.0, 20.0}};
  dlg.copia[2] = {1, {300.0, 30.0}};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_TRUE(dlg.TodasLasEntradas());
  EXPECT_TRUE(v.Habilitado(Id(1, 2)));
  EXPECT_FALSE(v.Habilitado(Id(1, 3)));
  // The focus ends on the first amount of the last entry in use.
  EXPECT_EQ(v.FocoActual(), Id(1, 2));

  v.Escribir(Id(0, 1), "");
  EXPECT_EQ(v.Notificar(Id(0, 1), kAvisoValorCambiado), 1);
  EXPECT_EQ(dlg.copia[0].titular, 2);
  EXPECT_EQ(dlg.copia[1].titular, 1);
  EXPECT_DOUBLE_EQ(dlg.copia[1].importe[0], 300.0);
  EXPECT_EQ(dlg.copia[2].titular, 0);
  EXPECT_DOUBLE_EQ(dlg.copia[2].importe[0], 0.0);
  EXPECT_EQ(v.Texto(Id(0, 1)), "O");
  EXPECT_EQ(v.Texto(Id(1, 1)), "300");
  EXPECT_EQ(v.Texto(Id(1, 2)), "");
  EXPECT_TRUE(v.Habilitado(Id(1, 1)));
  EXPECT_FALSE(v.Habilitado(Id(2, 2)));
  // The holder fields stay open to give a free entry a holder.
  EXPECT_TRUE(v.Habilitado(Id(0, 3)));

  // A new holder opens its amounts.
  v.Escribir(Id(0, 3), "C");
  v.Notificar(Id(0, 3), kAvisoValorCambiado);
  EXPECT_EQ(dlg.copia[2].titular, 3);
  EXPECT_TRUE(v.Habilitado(Id(1, 2)));
  EXPECT_EQ(v.FocoActual(), Id(1, 2));
}

TEST(TemplateDlgTitulares, UnTitularTecleadoAbreSuEntradaAlMomento) {
  CDlgImportes dlg(Familia(1));
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(Id(0, 0));
  EXPECT_FALSE(v.Habilitado(Id(1, 0)));
  // A digit or a letter that names no holder is refused and leaves the cell as it was.
  EXPECT_EQ(v.Teclear(Id(0, 0), "7"), 1);
  EXPECT_EQ(v.Teclear(Id(0, 0), "x"), 1);
  EXPECT_EQ(v.Texto(Id(0, 0)), "");
  EXPECT_EQ(dlg.copia[0].titular, 0);
  // A holder letter (either case) is the holder at once: the entry opens and its first amount takes the focus.
  EXPECT_EQ(v.Teclear(Id(0, 0), "d"), 2);
  EXPECT_EQ(dlg.copia[0].titular, 2);
  EXPECT_EQ(v.Texto(Id(0, 0)), "D");
  EXPECT_TRUE(v.Habilitado(Id(1, 0)));
  EXPECT_TRUE(v.Habilitado(Id(2, 0)));
  EXPECT_EQ(v.FocoActual(), Id(1, 0));
  EXPECT_EQ(v.Teclear(Id(1, 0), "3000000"), 0);
  v.Enfocar(Id(2, 0));
  EXPECT_EQ(v.Teclear(Id(2, 0), "450000"), 0);
  v.Enfocar(Id(0, 1));
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[0], 3000000.0);
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[1], 450000.0);
  // Another holder over it keeps the amounts; Backspace drops the holder and empties the entry.
  v.Enfocar(Id(0, 0));
  EXPECT_EQ(v.Teclear(Id(0, 0), "C"), 2);
  EXPECT_EQ(dlg.copia[0].titular, 3);
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[0], 3000000.0);
  v.Enfocar(Id(0, 0));
  EXPECT_EQ(v.Teclear(Id(0, 0), "\b"), 2);
  EXPECT_EQ(dlg.copia[0].titular, 0);
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[0], 0.0);
  EXPECT_FALSE(v.Habilitado(Id(1, 0)));
  EXPECT_EQ(v.Texto(Id(1, 0)), "");
}

TEST(TemplateDlgTitulares, ElFocoVaALaEntradaDelTitularTecleadoAunqueHayaOtrasAbiertas) {
  CDlgImportes dlg(Familia(1));
  dlg.copia[0] = {2, {100.0, 0.0}};
  dlg.copia[1] = {3, {200.0, 0.0}};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(Id(0, 0));
  EXPECT_EQ(v.Teclear(Id(0, 0), "O"), 2);
  EXPECT_EQ(dlg.copia[0].titular, 1);
  EXPECT_EQ(v.FocoActual(), Id(1, 0));
  // A holder typed in the first free entry when an earlier one is free too lands packed, focus with it.
  v.Enfocar(Id(0, 3));
  EXPECT_EQ(v.Teclear(Id(0, 3), "C"), 2);
  EXPECT_EQ(dlg.copia[2].titular, 3);
  EXPECT_DOUBLE_EQ(dlg.copia[2].importe[0], 0.0);
  EXPECT_EQ(v.FocoActual(), Id(1, 2));
}

// The holder letter already took the focus to the entry's first amount: the Enter or Tab a person presses after
// it (as after any value) stays there; once something is typed there, they go on as ever.
TEST(TemplateDlgTitulares, IntroOTabTrasLaLetraDelTitularNoSaltanUnaCelda) {
  const struct {
    int caracter;
    const char* antes;  // typed into the first amount before the key
    bool sigue;         // the key takes the focus on from the first amount
  } casos[] = {
      {kCaracterIntro, "", false}, {kCaracterTab, "", false}, {kCaracterIntro, "5", true}, {kCaracterTab, "5", true},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::to_string(c.caracter) + " after \"" + c.antes + "\"");
    CDlgImportes dlg(Familia(1));
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    v.Enfocar(Id(0, 0));
    EXPECT_EQ(v.Teclear(Id(0, 0), "D"), 2);
    ASSERT_EQ(v.FocoActual(), Id(1, 0));
    if (*c.antes != '\0') v.Teclear(Id(1, 0), c.antes);
    v.Caracter(c.caracter);
    if (c.sigue) {
      EXPECT_NE(v.FocoActual(), Id(1, 0));
    } else {
      EXPECT_EQ(v.FocoActual(), Id(1, 0));
      // The next one goes on.
      v.Caracter(c.caracter);
      EXPECT_NE(v.FocoActual(), Id(1, 0));
    }
  }
  // Left and come back to: the key is the field's own again.
  CDlgImportes dlg(Familia(1));
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(Id(0, 0));
  v.Teclear(Id(0, 0), "D");
  v.Enfocar(Id(2, 0));
  v.Enfocar(Id(1, 0));
  v.Caracter(kCaracterIntro);
  EXPECT_NE(v.FocoActual(), Id(1, 0));
}

TEST(TemplateDlgTitulares, EnLaVistaDeUnaPersonaElTitularNoSeTeclea) {
  CDlgImportes dlg(Familia(3));
  dlg.copia[0] = {3, {100.0, 10.0}};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_EQ(v.Teclear(Id(0, 1), "D"), 1);
  EXPECT_EQ(dlg.copia[1].titular, 0);
}

TEST(TemplateDlgTitulares, ElConyugeVeSuParteYLasComunesComoPropias) {
  CDlgImportes dlg(Familia(3));
  dlg.copia[0] = {2, {100.0, 10.0}};  // the declarant's: dropped
  dlg.copia[1] = {1, {200.0, 20.0}};  // common: halved, the spouse's own
  dlg.copia[2] = {3, {300.0, 30.0}};  // the spouse's: kept as own
  dlg.copia[3] = {4, {400.0, 40.0}};  // a child's: dropped
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_FALSE(dlg.TodasLasEntradas());
  EXPECT_EQ(dlg.copia[0].titular, 2);
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[0], 100.0);
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[1], 10.0);
  EXPECT_EQ(dlg.copia[1].titular, 2);
  EXPECT_DOUBLE_EQ(dlg.copia[1].importe[0], 300.0);
  EXPECT_EQ(dlg.copia[2].titular, 0);
  EXPECT_EQ(dlg.copia[3].titular, 0);
  EXPECT_DOUBLE_EQ(dlg.copia[3].importe[0], 0.0);
  // Not editable and locked: every edit closed; OK is a Cancel.
  for (int e = 0; e < kEntradas; ++e) {
    EXPECT_FALSE(v.Habilitado(Id(1, e))) << e;
    EXPECT_FALSE(v.Habilitado(Id(0, e))) << e;
  }
  v.Pulsar(kIdAceptar);
  EXPECT_EQ(v.ResultadoVentana(), kIdCancelar);
}

TEST(TemplateDlgTitulares, ElDeclaranteConHijoVeLoComunPartido) {
  CDlgImportes dlg(SEntornoDialogo{2, false, true, false});
  dlg.copia[0] = {1, {50.0, 0.0}};
  dlg.copia[1] = {4, {70.0, 0.0}};
  EXPECT_EQ(dlg.AjustarEntradasAlSujeto(), 0);
  EXPECT_EQ(dlg.copia[0].titular, 2);
  EXPECT_DOUBLE_EQ(dlg.copia[0].importe[0], 25.0);
  EXPECT_EQ(dlg.copia[1].titular, 0);
  // A child sees no common entry as its own.
  CDlgImportes hijo(SEntornoDialogo{4, false, true, false});
  hijo.copia[0] = {1, {50.0, 0.0}};
  hijo.copia[1] = {4, {70.0, 0.0}};
  hijo.AjustarEntradasAlSujeto();
  EXPECT_EQ(hijo.copia[0].titular, 0);
  EXPECT_EQ(hijo.copia[1].titular, 2);
  // Without an open income-tax declaration every entry is shown.
  CDlgImportes sin(SEntornoDialogo{0, false, false, false});
  sin.copia[0] = {3, {1.0, 0.0}};
  EXPECT_EQ(sin.AjustarEntradasAlSujeto(), 1);
  EXPECT_EQ(sin.copia[0].titular, 3);
}

TEST(TemplateDlgTitulares, AyudaAlEntrarYSalidaHaciaCancelar) {
  CDlgImportes dlg(Familia(1));
  dlg.PonerTipoTitular(2);
  dlg.copia[0] = {2, {1.0, 0.0}};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(Id(0, 0));
  EXPECT_EQ(v.Texto(kIdAyudaTitular), "(D)eclarante (C)\xF3nyuge");
  v.PonerTexto(kIdAyudaTitular, "");
  v.Enfocar(Id(1, 0));
  EXPECT_EQ(v.Texto(kIdAyudaTitular), "");
  EXPECT_EQ(v.Enfocar(Id(2, 0)), 1);
  EXPECT_EQ(v.Enfocar(kIdCancelar), 0);
}

TEST(TemplateDlgTitulares, OkQuitaLasEntradasSinImportes) {
  CDlgImportes dlg(Familia(1));
  dlg.copia[0] = {2, {100.0, 0.0}};
  dlg.copia[1] = {3, {0.0, 0.0}};
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Pulsar(kIdAceptar);
  EXPECT_EQ(v.ResultadoVentana(), kIdAceptar);
  EXPECT_EQ(dlg.copia[0].titular, 2);
  EXPECT_EQ(dlg.copia[1].titular, 0);
}

}  // namespace
}  // namespace marco
