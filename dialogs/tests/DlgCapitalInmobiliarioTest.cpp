// The holder grids of capital income, through the real-estate dialog: the stored block, opening, holder changes,
// the checks of OK with their coded messages, what OK and Cancel hand back, and the one-person view.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "DialogoPrueba.h"
#include "dialogs/DlgCapitalInmobiliario.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kTitular[] = {1175, 1176, 1177, 1178, 1179, 1180};
constexpr int kIngresosId[] = {1181, 1182, 1183, 1184, 1185, 1186};
constexpr int kInteresesId[] = {1021, 1824, 1194, 1203, 1209, 1217};
constexpr int kReduccionId[] = {1029, 1832, 1202, 1229, 1230, 1231};
constexpr int kRetencionesId[] = {1030, 1833, 1204, 1232, 1233, 1234};

SEntradaTitular Entrada(std::uint8_t titular, std::initializer_list<std::pair<int, double>> importes = {}) {
  SEntradaTitular e;
  e.titular = titular;
  for (const auto& [campo, valor] : importes) e.importes[static_cast<std::size_t>(campo - 1)] = valor;
  return e;
}

double Imp(const SEntradaTitular& e, int campo) { return e.importes[static_cast<std::size_t>(campo - 1)]; }

// The family unit shown, with spouse and first child.
struct SDialogo : pruebas::SDialogoSimulado<CDlgCapitalInmobiliario> {
  explicit SDialogo(marco::SEntornoDialogo entorno = {1, true, true, false})
      : pruebas::SDialogoSimulado<CDlgCapitalInmobiliario>(entorno) {}
};

TEST(BloqueCapital, SeLeeYSeEscribeConLasEntradasDeSuTamano) {
  std::vector<unsigned char> bloque(TamanoBloqueCapital(kImportesInmobiliario));
  ASSERT_EQ(bloque.size(), 432u);
  EntradasTitulares entradas{};
  entradas[0] = Entrada(2, {{kInmIngresos, 1000.0}, {kInmReduccion, -50.0}});
  entradas[1] = Entrada(5, {{kInmRetenciones, 7.0}});
  EscribirEntradas(entradas, kImportesInmobiliario, bloque);
  EXPECT_EQ(bloque[0], 2);
  EXPECT_EQ(bloque[72], 5);
  double d = 0.0;
  std::memcpy(&d, bloque.data() + 72 + 64, sizeof d);
  EXPECT_DOUBLE_EQ(d, 7.0);
  const EntradasTitulares leidas = LeerEntradas(bloque, kImportesInmobiliario);
  EXPECT_EQ(leidas[0].titular, 2);
  EXPECT_DOUBLE_EQ(Imp(leidas[0], kInmReduccion), -50.0);
  EXPECT_DOUBLE_EQ(Imp(leidas[1], kInmRetenciones), 7.0);

  // A damaged block: a holder code out of the table and an amount that is not a number read as empty.
  bloque[144] = 9;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  std::memcpy(bloque.data() + 8, &nan, sizeof nan);
  const EntradasTitulares danada = LeerEntradas(bloque, kImportesInmobiliario);
  EXPECT_EQ(danada[2].titular, 0);
  EXPECT_DOUBLE_EQ(Imp(danada[0], kInmIngresos), 0.0);
  // A block of another size gives nothing and takes nothing.
  std::vector<unsigned char> corto(100, 0xAB);
  EXPECT_EQ(LeerEntradas(corto, kImportesInmobiliario)[0].titular, 0);
  EscribirEntradas(entradas, kImportesInmobiliario, corto);
  EXPECT_EQ(corto, std::vector<unsigned char>(100, 0xAB));
}

TEST(DlgCapitalInmobiliario, AbreConLasEntradasEnUsoYLasDemasCerradas) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(1, {{kInmIngresos, 1500000.0}, {kInmReduccion, -20.0}});
  d.dlg.m_recibido[1] = Entrada(3, {{kInmIntereses, 100.0}});
  d.dlg.m_recibido[2].importes[0] = 5.0;  // no holder: emptied
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "(B) RENDIMIENTOS DEL CAPITAL INMOBILIARIO");
  EXPECT_EQ(d.v.Texto(kTitular[0]), "O");
  EXPECT_EQ(d.v.Texto(kTitular[1]), "C");
  EXPECT_EQ(d.v.Texto(kIngresosId[0]), "1.500.000");
  EXPECT_EQ(d.v.Texto(kReduccionId[0]), "-20");
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[2], kInmIngresos), 0.0);
  EXPECT_TRUE(d.v.Habilitado(kIngresosId[1]));
  EXPECT_FALSE(d.v.Habilitado(kIngresosId[2]));
  EXPECT_TRUE(d.v.Habilitado(kTitular[2]));
  // The focus ends on the income of the last entry in use.
  EXPECT_EQ(d.v.FocoActual(), kIngresosId[1]);
  // The hint shows on a holder cell and goes on an amount cell.
  d.v.Enfocar(kTitular[0]);
  EXPECT_FALSE(d.v.Texto(marco::kIdAyudaTitular).empty());
  d.v.Enfocar(kIngresosId[0]);
  EXPECT_EQ(d.v.Texto(marco::kIdAyudaTitular), "");
  d.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(d.v.Ayudas(), std::vector<int>{kAyudaCapitalInmobiliario});
}

TEST(DlgCapitalInmobiliario, SoloLaReduccionAdmiteNegativosYUnTextoQueNoEsImporteNoCambiaNada) {
  CGuionMensajes guion;
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, {{kInmIngresos, 1000.0}});
  d.v.Abrir(d.dlg);
  d.v.Enfocar(kIngresosId[0]);
  d.v.Escribir(kIngresosId[0], "-5");
  d.v.Enfocar(kReduccionId[0]);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kInmIngresos), 1000.0);
  EXPECT_EQ(d.v.Texto(kIngresosId[0]), "1.000");
  d.v.Escribir(kReduccionId[0], "-5");
  d.v.Enfocar(kRetencionesId[0]);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kInmReduccion), -5.0);
  for (const char* malo : {"abc", "12,5", "99999999999"}) {
    d.v.Escribir(kRetencionesId[0], malo);
    d.v.Enfocar(kIngresosId[0]);
    EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kInmRetenciones), 0.0) << malo;
    d.v.Enfocar(kRetencionesId[0]);
  }
  // Letters and decimals are refused as typed; an amount past the field's room says so, as a box of a page does.
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN032"});
  // A holder that is not present in the declaration is refused (no second child here), and the user is told.
  d.v.Enfocar(kTitular[1]);
  d.v.Escribir(kTitular[1], "2");
  d.v.Enfocar(kIngresosId[0]);
  EXPECT_EQ(d.dlg.Copia()[1].titular, 0);
  EXPECT_EQ(d.v.Texto(kTitular[1]), "");
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN032", "100I006"}));
}

TEST(DlgCapitalInmobiliario, UnTitularNuevoAbreSuEntradaYQuitarloSubeLasSiguientes) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, {{kInmIngresos, 100.0}});
  d.dlg.m_recibido[1] = Entrada(3, {{kInmIngresos, 200.0}});
  d.dlg.m_recibido[2] = Entrada(4, {{kInmIngresos, 300.0}});
  d.v.Abrir(d.dlg);
  // Typed into the fourth column: it opens.
  d.v.Enfocar(kTitular[3]);
  d.v.Escribir(kTitular[3], "o");
  d.v.Enfocar(kTitular[4]);
  EXPECT_EQ(d.dlg.Copia()[3].titular, 1);
  EXPECT_TRUE(d.v.Habilitado(kIngresosId[3]));
  // Taking the holder of entry 2 away: entry 3 becomes entry 2 at once, the rest is emptied and closed.
  d.v.Enfocar(kTitular[1]);
  d.v.Escribir(kTitular[1], " ");
  d.v.Enfocar(kIngresosId[0]);
  const EntradasTitulares& c = d.dlg.Copia();
  EXPECT_EQ(c[1].titular, 4);
  EXPECT_DOUBLE_EQ(Imp(c[1], kInmIngresos), 300.0);
  EXPECT_EQ(c[2].titular, 1);
  EXPECT_EQ(c[3].titular, 0);
  EXPECT_EQ(d.v.Texto(kTitular[1]), "1");
  EXPECT_EQ(d.v.Texto(kIngresosId[1]), "300");
  EXPECT_EQ(d.v.Texto(kTitular[3]), "");
  EXPECT_FALSE(d.v.Habilitado(kIngresosId[3]));
  // The holder pick of a list reports 0x403: the same path.
  d.v.Escribir(kTitular[0], "");
  EXPECT_EQ(d.v.Notificar(kTitular[0], marco::kAvisoValorCambiado), 1);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 4);
  EXPECT_EQ(d.v.Notificar(kIngresosId[0], marco::kAvisoValorCambiado), 0);
}

TEST(DlgCapitalInmobiliario, AceptarDevuelveLasEntradasYQuitaLasVaciasDejandoElHueco) {
  {
    SDialogo d;  // six empty entries
    d.v.Abrir(d.dlg);
    CGuionMensajes guion;
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_TRUE(guion.Codigos().empty());
    for (const SEntradaTitular& e : d.dlg.m_recibido) EXPECT_EQ(e.titular, 0);
  }
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, {{kInmIngresos, 100.0}});
  d.dlg.m_recibido[1] = Entrada(2);
  d.dlg.m_recibido[2] = Entrada(3, {{kInmIngresos, 300.0}});
  d.v.Abrir(d.dlg);
  d.v.Enfocar(kIngresosId[0]);
  d.v.Escribir(kIngresosId[0], "150");
  CGuionMensajes guion;
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.m_recibido[0], kInmIngresos), 150.0);
  EXPECT_EQ(d.dlg.m_recibido[1].titular, 0);  // dropped, its place kept
  EXPECT_EQ(d.dlg.m_recibido[2].titular, 3);
}

TEST(DlgCapitalInmobiliario, CancelarNoDevuelveNada) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, {{kInmIngresos, 100.0}});
  d.v.Abrir(d.dlg);
  d.v.Enfocar(kIngresosId[0]);
  d.v.Escribir(kIngresosId[0], "999");
  d.v.Enfocar(kInteresesId[0]);
  d.v.Pulsar(marco::kIdCancelar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.m_recibido[0], kInmIngresos), 100.0);
}

// One entry against the checks of OK: the codes shown, the answer given to warnings and the result.
struct SCasoComprobacion {
  const char* nombre;
  SEntradaTitular entrada;
  std::vector<std::string> codigos;
  int resultado;  // 1 closed with OK, 0 still open
};

TEST(DlgCapitalInmobiliario, ComprobacionesDeCadaEntrada) {
  // I = 100,000 (income 80,000 + sublease 20,000): the reduction may reach 30,010, the withholding 18,100.
  const SCasoComprobacion casos[] = {
      {"reduccion en el limite", Entrada(2, {{1, 80000}, {2, 20000}, {kInmReduccion, 30010}}), {}, 1},
      {"reduccion pasada", Entrada(2, {{1, 80000}, {2, 20000}, {kInmReduccion, 30011}}), {"100R143"}, 0},
      {"reduccion negativa con neto positivo", Entrada(2, {{1, 1000}, {kInmOtrosGastos, 999}, {kInmReduccion, -1}}),
       {"100R155"}, 0},
      {"reduccion negativa con neto nulo", Entrada(2, {{1, 1000}, {kInmOtrosGastos, 1000}, {kInmReduccion, -1}}), {},
       1},
      {"intereses sobre los ingresos", Entrada(2, {{kInmIntereses, 1}}), {"100R142"}, 0},
      {"retencion en el limite", Entrada(2, {{1, 100000}, {kInmRetenciones, 18100}}), {}, 1},
      {"retencion pasada, corregir", Entrada(2, {{1, 100000}, {kInmRetenciones, 18101}}), {"100V127"}, 0},
      {"compensacion sobre amortizacion, corregir", Entrada(2, {{1, 1000}, {kInmAmortizacion, 10}, {5, 11}}),
       {"100V200"}, 0},
  };
  for (const SCasoComprobacion& caso : casos) {
    SDialogo d;
    d.dlg.m_recibido[0] = caso.entrada;
    d.v.Abrir(d.dlg);
    CGuionMensajes guion({}, marco::kBotonCorregir);
    EXPECT_EQ(d.Aceptar(), caso.resultado) << caso.nombre;
    EXPECT_EQ(guion.Codigos(), caso.codigos) << caso.nombre;
    for (const marco::SMensaje& m : guion.Mensajes()) {
      EXPECT_EQ(m.icono, m.codigo[3] == 'R' ? marco::IconoMano : marco::IconoAsterisco) << caso.nombre;
    }
  }
}

TEST(DlgCapitalInmobiliario, UnAvisoContestadoSinCorregirSigueConLasEntradasSiguientes) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, {{1, 100000}, {kInmRetenciones, 18101}});
  d.dlg.m_recibido[1] = Entrada(3, {{1, 1000}, {kInmAmortizacion, 10}, {kInmCompensacion, 11}});
  d.dlg.m_recibido[2] = Entrada(4, {{kInmIntereses, 5}});
  d.v.Abrir(d.dlg);
  CGuionMensajes guion({marco::kBotonContinuar, marco::kBotonContinuar});
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100V127", "100V200", "100R142"}));
  // The error keeps the dialog open with the focus on the box at fault.
  EXPECT_EQ(d.v.FocoActual(), kInteresesId[2]);
  EXPECT_EQ(d.dlg.m_recibido[2].titular, 4);
  // Corrected: OK goes through with the warnings passed over.
  d.v.Escribir(kInteresesId[2], "");
  CGuionMensajes otra({marco::kBotonContinuar, marco::kBotonContinuar});
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.m_recibido[1], kInmCompensacion), 11.0);
  EXPECT_EQ(d.dlg.m_recibido[2].titular, 0);  // left without amounts: dropped
}

TEST(DlgCapitalInmobiliario, LaVistaDeUnMiembroMuestraSuParteYNoDevuelveNada) {
  SDialogo d({3, true, true, false});  // the spouse shown in a joint family
  d.dlg.m_recibido[0] = Entrada(2, {{kInmIngresos, 70000.0}});
  d.dlg.m_recibido[1] = Entrada(1, {{kInmIngresos, 100000.0}, {kInmRetenciones, 3001.0}});
  d.dlg.m_recibido[2] = Entrada(4, {{kInmIngresos, 5.0}});
  d.dlg.m_recibido[3] = Entrada(3, {{kInmIngresos, 40000.0}});
  const EntradasTitulares recibido = d.dlg.m_recibido;
  d.v.Abrir(d.dlg);
  const EntradasTitulares& c = d.dlg.Copia();
  EXPECT_EQ(c[0].titular, 2);
  EXPECT_DOUBLE_EQ(Imp(c[0], kInmIngresos), 50000.0);
  EXPECT_DOUBLE_EQ(Imp(c[0], kInmRetenciones), 1500.5);
  EXPECT_EQ(c[1].titular, 2);
  EXPECT_DOUBLE_EQ(Imp(c[1], kInmIngresos), 40000.0);
  for (int e = 2; e < kEntradasCapital; ++e) EXPECT_EQ(c[static_cast<std::size_t>(e)].titular, 0);
  EXPECT_EQ(d.v.Texto(kTitular[0]), "D");
  EXPECT_EQ(d.v.Texto(kIngresosId[1]), "40.000");
  EXPECT_FALSE(d.v.Habilitado(kTitular[0]));
  EXPECT_TRUE(d.v.SoloLectura(kTitular[0]));
  EXPECT_FALSE(d.v.Habilitado(kIngresosId[0]));
  CGuionMensajes guion;
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_EQ(d.dlg.m_recibido[1].titular, recibido[1].titular);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.m_recibido[1], kInmIngresos), 100000.0);
}

}  // namespace
}  // namespace dialogos
