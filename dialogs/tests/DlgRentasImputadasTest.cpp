// The imputed real-estate income by holder: the income of an entry from its cadastral value and days, the days
// that default to the whole year and are cut to it, the two pairs that exclude each other, Delete, and what OK
// hands back.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "dialogs/DlgRentasImputadas.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditEx.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "ximardol.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kTitular[] = {1195, 1209, 1223, 1234, 1247, 1271};
constexpr int kV1[] = {1198, 1212, 1225, 1235, 1251, 1276};
constexpr int kN1[] = {1201, 1215, 1227, 1238, 1254, 1281};
constexpr int kV2[] = {1203, 1217, 1229, 1240, 1257, 1287};
constexpr int kN2[] = {1205, 1219, 1230, 1242, 1261, 1292};
constexpr int kIngresos[] = {1207, 1221, 1232, 1245, 1263, 1299};

double Imp(const SEntradaTitular& e, int campo) { return e.importes[static_cast<std::size_t>(campo - 1)]; }

struct SDialogo {
  explicit SDialogo(marco::SEntornoDialogo entorno = {1, true, false, false}) : dlg(nullptr), v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    dlg.PonerCodigoSujeto(entorno.sujetoActual);
  }
  // Types a value and leaves the field for the holder cell of the first entry.
  void Teclear(int id, std::string_view texto) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(kTitular[0]);
  }
  CDlgRentasImputadas dlg;
  CControlesSimulados v;
};

TEST(IngresosImputados, DosPorCientoSinRevisarYUnoComaUnoRevisadoPorDias) {
  struct SCaso {
    double v1, n1, v2, n2, ingresos;
  };
  const SCaso casos[] = {
      {10000000, 365, 0, 0, 200000},     // a whole year of an unrevised value
      {0, 0, 10000000, 180, 54247},      // 10,000,000 x 180 x 0.011 / 365 = 54,246.58
      {0, 0, 10000000, 365, 110000},
      {1000000, 1, 0, 0, 55},            // 54.79 rounds up
      {0, 0, 0, 0, 0},
  };
  for (const SCaso& c : casos) EXPECT_DOUBLE_EQ(IngresosImputados(c.v1, c.n1, c.v2, c.n2), c.ingresos) << c.v1 << " " << c.v2;
}

TEST(DlgRentasImputadas, UnValorRevisadoConSusDiasDaSuRentaYCierraLaOtraPareja) {
  CGuionMensajes guion;
  SDialogo d;
  d.dlg.m_recibido[0].titular = 2;
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "(D) RENTAS IMPUTADAS POR INMUEBLES, EXCEPTO VIVIENDA HABITUAL");
  EXPECT_FALSE(d.v.Habilitado(kIngresos[0]));
  EXPECT_TRUE(d.v.Habilitado(kV1[0]));
  EXPECT_TRUE(d.v.Habilitado(kV2[0]));
  d.Teclear(kV2[0], "10000000");
  // The days default to the whole year until they are typed.
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpDiasRevisado), 365.0);
  EXPECT_FALSE(d.v.Habilitado(kV1[0]));
  EXPECT_FALSE(d.v.Habilitado(kN1[0]));
  d.Teclear(kN2[0], "180");
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpIngresos), 54247.0);
  EXPECT_EQ(d.v.Texto(kIngresos[0]), "54.247");
  EXPECT_TRUE(guion.Codigos().empty());
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kDialogoAceptado);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.m_recibido[0], kImpIngresos), 54247.0);
}

TEST(DlgRentasImputadas, MasDiasQueElAnoQuedanEn365ConSuAviso) {
  CGuionMensajes guion;
  SDialogo d;
  d.dlg.m_recibido[0].titular = 1;
  d.v.Abrir(d.dlg);
  d.Teclear(kV1[0], "10000000");
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpDiasSinRevisar), 365.0);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpIngresos), 200000.0);
  EXPECT_FALSE(d.v.Habilitado(kV2[0]));
  d.Teclear(kN1[0], "400");
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN1001"});
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpDiasSinRevisar), 365.0);
  EXPECT_EQ(d.v.Texto(kN1[0]), "365");
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpIngresos), 200000.0);
  // The same on the revised pair of another entry.
  d.dlg.Copia()[1].titular = 3;
  d.dlg.ActualizarEntradas();
  d.dlg.HabilitarParejas();
  d.Teclear(kV2[1], "1000000");
  d.Teclear(kN2[1], "999");
  EXPECT_EQ(guion.Veces("WIN1001"), 2);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[1], kImpDiasRevisado), 365.0);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[1], kImpIngresos), 11000.0);
}

TEST(DlgRentasImputadas, BorrarElValorSinRevisarBorraSusDiasYAbreLaOtraPareja) {
  CGuionMensajes guion;
  SDialogo d;
  d.dlg.m_recibido[0].titular = 2;
  d.dlg.m_recibido[0].importes = {5000000, 200, 0, 0, 0};
  d.v.Abrir(d.dlg);
  EXPECT_FALSE(d.v.Habilitado(kV2[0]));
  d.v.Escribir(kV1[0], "");
  d.v.Notificar(kV1[0], marco::kAvisoCampoBorrado);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpValorSinRevisar), 0.0);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpDiasSinRevisar), 0.0);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.Copia()[0], kImpIngresos), 0.0);
  EXPECT_TRUE(d.v.Habilitado(kV2[0]));
  EXPECT_TRUE(d.v.Habilitado(kN2[0]));
}

TEST(DlgRentasImputadas, CancelarNoDevuelveNadaYElBloqueEsElApartadoE1) {
  CGuionMensajes guion;
  std::vector<unsigned char> bloque(TamanoBloqueCapital(kImportesRentasImputadas));
  ASSERT_EQ(bloque.size(), 288u);
  ASSERT_EQ(bloque.size(), sizeof(RegApartadoE1));
  SDialogo d;
  d.dlg.m_recibido = LeerEntradas(bloque, kImportesRentasImputadas);
  d.dlg.m_recibido[0].titular = 2;
  d.v.Abrir(d.dlg);
  d.Teclear(kV1[0], "1000000");
  d.v.Pulsar(marco::kIdCancelar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kDialogoCancelado);
  EXPECT_DOUBLE_EQ(Imp(d.dlg.m_recibido[0], kImpValorSinRevisar), 0.0);
  // Registered under its window name with the size of its block.
  RegistrarDlgRentasImputadas();
  const marco::SDialogoDetalle* registrado = marco::BuscarDialogoDetalle(kVentanaRentasImputadas);
  ASSERT_NE(registrado, nullptr);
  EXPECT_EQ(registrado->tamanoBloque, 288u);
}

}  // namespace
}  // namespace dialogos
