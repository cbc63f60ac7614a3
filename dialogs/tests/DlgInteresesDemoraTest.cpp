// Late-payment interest: the day-by-day computation over the periods of legal rates (a period crossing a year end
// adds both parts), the computation of a whole detail, the computation dialog on simulated controls (years by the
// interest mode, refund start dates, a cleared year) and the holder entries with their "Prop." button.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <cmath>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgInteresesDemora.h"
#include "dialogs/DlgReservaCanarias.h"
#include "dialogs/DlgSaldosPendientes.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kIdFecha = 1159;
constexpr int kIdsAno[] = {1517, 1518};
constexpr int kIdsImporte[] = {1397, 1401};
constexpr int kIdsSentido[] = {1530, 1531};
constexpr int kIdsInicio[] = {1568, 1571};
constexpr int kIdsDias[] = {1520, 1550};
constexpr int kIdsInteres[] = {1440, 1442};
constexpr int kIdTotal = 1472;

TEST(InteresesDemora, CalculoDiaADia) {
  struct SCaso {
    std::string inicio;
    std::string calculo;
    double dias;
    double interes;  // of 100,000
  };
  const std::vector<SCaso> casos = {
      // A row to pay of 1998 from its last day of filing: 193 days of 1999 and 182 of 2000.
      {"21061999", "30062000", 375, 193 * 100000 * 0.055 / 365 + 182 * 100000 * 0.055 / 366},
      // A refund from the first of January 1999 to the end of 2000: both years whole but the first day.
      {"01011999", "31122000", 730, 364 * 100000 * 0.055 / 365 + 366 * 100000 * 0.055 / 366},
      // A start on a period's last day counts nothing of it and the following periods whole.
      {"31121998", "31122000", 731, 365 * 100000 * 0.055 / 365 + 366 * 100000 * 0.055 / 366},
      {"31121997", "02052000", 853,
       365 * 100000 * 0.075 / 365 + 365 * 100000 * 0.055 / 365 + 123 * 100000 * 0.055 / 366},
      // Within 2000 only.
      {"01052000", "31052000", 30, 30 * 100000 * 0.055 / 366},
      // Nothing for a start after the computation day or a date that is not one.
      {"01062000", "31052000", 0, 0},
      {"32011999", "31052000", 0, 0},
      {"21061999", "        ", 0, 0},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.inicio + " " + c.calculo);
    const SInteresFila r = CalcularInteresFila(100000.0, c.inicio, c.calculo);
    EXPECT_DOUBLE_EQ(r.dias, c.dias);
    EXPECT_NEAR(r.interes, c.interes, 1e-6);
  }
  // The first case to the peseta.
  EXPECT_EQ(std::lround(CalcularInteresFila(100000.0, "21061999", "30062000").interes), 5643);
}

TEST(InteresesDemora, AniosPorModo) {
  struct SCaso {
    int modo;
    int ano;
    bool admitido;
  };
  const std::vector<SCaso> casos = {
      {1, 1988, true}, {1, 1996, true},  {1, 1997, false}, {1, 1987, false}, {2, 1996, false}, {2, 1997, true},
      {2, 1998, true}, {3, 1997, false}, {3, 1998, true},  {0, 1990, true},  {0, 1999, false},
  };
  for (const SCaso& c : casos) EXPECT_EQ(AnoAdmitidoIntereses(c.modo, c.ano), c.admitido) << c.modo << " " << c.ano;
  ASSERT_NE(PlazoDeclaracion(1998), nullptr);
  EXPECT_EQ(PlazoDeclaracion(1998)->finPresentacion, "21061999");
  EXPECT_EQ(PlazoDeclaracion(1999), nullptr);
}

TEST(InteresesDemora, CalculoDeUnDetalle) {
  CalculoIntereses c{};
  SFilaIntereses f;
  f.ano = "1998";
  f.importe = 100000.0;
  f.sentido = 'I';
  EscribirFilaIntereses(c, 0, f);
  f.sentido = 'D';
  f.inicio = "01011999";
  EscribirFilaIntereses(c, 1, f);
  // Without a computation day every row has nothing.
  PonerFechaCalculoIntereses(c, "        ");
  CalcularIntereses(c);
  EXPECT_DOUBLE_EQ(LeerFilaIntereses(c, 0).interes, 0.0);
  EXPECT_DOUBLE_EQ(TotalIntereses(c), 0.0);

  PonerFechaCalculoIntereses(c, "30062000");
  CalcularIntereses(c);
  const SFilaIntereses pagar = LeerFilaIntereses(c, 0);
  EXPECT_EQ(pagar.inicio, "21061999");
  EXPECT_DOUBLE_EQ(pagar.dias, 375.0);
  const SFilaIntereses devolver = LeerFilaIntereses(c, 1);
  EXPECT_DOUBLE_EQ(devolver.dias, 364.0 + 182.0);
  EXPECT_NEAR(TotalIntereses(c), pagar.interes + devolver.interes, 1e-9);
  // 'T' counts as a refund.
  f.sentido = 'T';
  EscribirFilaIntereses(c, 1, f);
  CalcularIntereses(c);
  EXPECT_DOUBLE_EQ(LeerFilaIntereses(c, 1).dias, 546.0);
}

struct SCalculo {
  explicit SCalculo(int modo) : dlg(nullptr), v(dlg.Plantilla()) {
    dlg.FijarEntorno({1, false, false, false});
    dlg.PonerCodigoSujeto(1);
    dlg.PonerModo(modo);
  }
  void Teclear(int id, std::string_view texto, int siguiente) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(siguiente);
  }
  CDlgCalculoIntereses dlg;
  CControlesSimulados v;
};

TEST(InteresesDemora, DialogoDeCalculo) {
  CGuionMensajes guion;
  SCalculo d(3);
  d.dlg.PonerTitular(2);
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "CALCULO DE INTERESES DE DEMORA: DECLARANTE");
  EXPECT_FALSE(d.v.Habilitado(kIdsSentido[0]));
  d.v.Enfocar(kIdsAno[0]);
  EXPECT_EQ(d.v.Texto(1268), "Ejercicio v\xE1lido: 1998");
  // A year the mode does not take is emptied.
  d.Teclear(kIdsAno[0], "1997", kIdsImporte[0]);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"CVANO1"});
  EXPECT_EQ(d.v.Texto(kIdsAno[0]), "");
  d.Teclear(kIdsAno[0], "1998", kIdsImporte[0]);
  EXPECT_TRUE(d.v.Habilitado(kIdsSentido[0]));
  d.Teclear(kIdsImporte[0], "100000", kIdsSentido[0]);
  d.Teclear(kIdsSentido[0], "i", kIdFecha);
  EXPECT_FALSE(d.v.Habilitado(kIdsInicio[0]));
  EXPECT_EQ(d.v.Texto(kIdsInteres[0]), "");
  d.Teclear(kIdFecha, "30/06/2000", kIdsAno[1]);
  EXPECT_EQ(d.v.Texto(kIdsDias[0]), "375");
  EXPECT_EQ(d.v.Texto(kIdsInteres[0]), "5.643");
  EXPECT_EQ(d.v.Texto(kIdTotal), "5.643");
  EXPECT_EQ(d.v.Texto(kIdsInicio[0]), "21/06/1999");

  // A refund row: its start date before the year's first refund day is emptied.
  d.Teclear(kIdsAno[1], "1998", kIdsImporte[1]);
  d.Teclear(kIdsImporte[1], "50000", kIdsSentido[1]);
  d.Teclear(kIdsSentido[1], "D", kIdFecha);
  EXPECT_TRUE(d.v.Habilitado(kIdsInicio[1]));
  d.Teclear(kIdsInicio[1], "01/05/1999", kIdsAno[0]);
  EXPECT_EQ(guion.Veces("FECHAM"), 1);
  EXPECT_EQ(d.v.Texto(kIdsInicio[1]), "");
  d.Teclear(kIdsInicio[1], "01/01/2000", kIdsAno[0]);
  EXPECT_EQ(d.v.Texto(kIdsDias[1]), "181");
  // A computation day outside 2/5/2000-31/12/2000 is refused.
  d.Teclear(kIdFecha, "01/01/2001", kIdsAno[0]);
  EXPECT_EQ(guion.Veces("FECHAM"), 2);
  EXPECT_EQ(d.v.Texto(kIdFecha), "");

  // Clearing a year clears its row at once.
  d.Teclear(kIdFecha, "30/06/2000", kIdsAno[1]);
  d.Teclear(kIdsAno[1], "", kIdsAno[0]);
  EXPECT_EQ(d.v.Texto(kIdsImporte[1]), "");
  EXPECT_EQ(d.v.Texto(kIdsSentido[1]), "");
  EXPECT_EQ(d.v.Texto(kIdsInteres[1]), "");
  EXPECT_EQ(d.v.Texto(kIdTotal), "5.643");

  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(std::lround(TotalIntereses(d.dlg.m_recibido)), 5643);
}

// The holder entries, whose "Prop." button runs the computation on simulated controls.
class CInteresesPrueba : public CDlgInteresesDemora {
 public:
  CInteresesPrueba() : CDlgInteresesDemora(nullptr) {}
  int veces = 0;

 protected:
  int EjecutarCalculo(CDlgCalculoIntereses& dlg) override {
    ++veces;
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    for (auto [id, texto] : std::vector<std::pair<int, std::string>>{
             {kIdsAno[0], "1998"}, {kIdsImporte[0], "100000"}, {kIdsSentido[0], "I"}, {kIdFecha, "30/06/2000"}}) {
      v.Enfocar(id);
      v.Escribir(id, texto);
      v.Enfocar(kIdsAno[1]);
    }
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
};

TEST(InteresesDemora, EntradasDeTitulares) {
  CGuionMensajes guion;
  CInteresesPrueba dlg;
  dlg.FijarEntorno({1, true, false, false});
  dlg.PonerCodigoSujeto(1);
  dlg.PonerVariante(3);
  EXPECT_EQ(dlg.TamanoBloque(), kTamanoBloqueIntereses);
  dlg.m_recibido[0].titular = 3;
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_FALSE(v.Habilitado(1199));
  // No holder: the button does nothing.
  v.Pulsar(1374);
  EXPECT_EQ(dlg.veces, 0);
  v.Pulsar(1373);
  EXPECT_EQ(dlg.veces, 1);
  EXPECT_EQ(v.Texto(1199), "5.643");
  EXPECT_EQ(std::lround(TotalIntereses(dlg.Calculo(0))), 5643);
  v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(dlg.m_recibido[0].titular, 3);
  EXPECT_EQ(std::lround(dlg.m_recibido[0].importes[0]), 5643);

  // Another person's share: the total halves, the rows of the computation stay as they are.
  CInteresesPrueba conyuge;
  conyuge.FijarEntorno({3, true, false, false});
  conyuge.PonerCodigoSujeto(3);
  conyuge.m_recibido[0] = dlg.m_recibido[0];
  conyuge.m_recibido[0].titular = 1;
  CControlesSimulados w(conyuge.Plantilla());
  w.Abrir(conyuge);
  EXPECT_NEAR(conyuge.Copia()[0].importes[0], dlg.m_recibido[0].importes[0] / 2, 1e-9);
  EXPECT_DOUBLE_EQ(LeerFilaIntereses(conyuge.Calculo(0), 0).importe, 100000.0);
}

// Every dialog of these boxes opens by its window name in a real window and closes again.
TEST(InteresesDemoraVentana, LosDialogosSeAbrenPorSuNombre) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion({}, marco::kBotonContinuar);
  RegistrarDialogosDetalle();
  for (std::string_view nombre :
       {kVentanaInteresesDemora, kVentanaCanariasRendimientos, kVentanaDotacionCanarias,
        kVentanaCanariasMaterializada, kVentanaSaldos1994, kVentanaSaldosCartuja, kVentanaSaldos9798,
        kVentanaSaldosPendientes}) {
    SCOPED_TRACE(std::string(nombre));
    const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(nombre);
    ASSERT_NE(dialogo, nullptr);
    EXPECT_NE(marco::NumeroDialogoDetalle(nombre), -1);
    std::vector<unsigned char> bloque(dialogo->tamanoBloque, 0);
    marco::SPeticionDetalle p;
    p.titulo = "Prueba";
    p.sujeto = 1;
    p.bloque = bloque;
    bool visto = false;
    wxTheApp->CallAfter([&] {
      for (wxWindow* w : wxTopLevelWindows) {
        auto* dlg = dynamic_cast<wxDialog*>(w);
        if (dlg == nullptr || !dlg->IsModal()) continue;
        visto = true;
        dlg->Close();
      }
    });
    EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
    EXPECT_TRUE(visto);
  }
}

}  // namespace
}  // namespace dialogos
