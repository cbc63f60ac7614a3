// The holder-grid deduction details on simulated controls: the rates of each kind, the computed deductions when a
// field is left, the caps and checks of the housing compensation, the housing accounts on the entries of the
// housing investment, which cells each dialog keeps exclusive and the refused holder letters.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/DlgDeduccionesTitulares.h"
#include "DialogoPrueba.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;
using pruebas::Entrada;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, false}; }

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(int variante = 0, marco::SEntornoDialogo entorno = Familia())
      : pruebas::SDialogoSimulado<TDialogo>(entorno) {
    this->dlg.PonerVariante(variante);
  }
};

// ---- the computations ----

TEST(DeduccionesTitulares, TasasDeCadaClase) {
  struct SCaso {
    bool formacion;
    int tipo;
    double x, y;
    std::optional<double> deduccion;
  };
  const std::vector<SCaso> casos = {
      {false, 1, 1000000, 600000, 280000},  // 0.40 x 400,000 + 0.20 x 600,000
      {false, 1, 600000, 600000, 120000},   // x = y: the first column
      {false, 1, 500000, 600000, 100000},
      {false, 2, 1000000, 600000, 528000},  // 0.72 x 400,000 + 0.40 x 600,000
      {false, 2, 100, 200, 40},
      {true, 1, 1000000, 600000, 70000},    // 0.10 x 400,000 + 0.05 x 600,000
      {true, 1, 10, 20, 1},                 // 0.5 rounds up
      {true, 2, 1000000, 600000, 270000},   // 0.30 x 400,000 + 0.25 x 600,000
      {false, 0, 1000, 0, std::nullopt},
      {true, 3, 1000, 0, std::nullopt},
  };
  for (const SCaso& c : casos) {
    const std::optional<STasasGasto> tasas = TasasGasto(c.formacion, c.tipo);
    ASSERT_EQ(tasas.has_value(), c.deduccion.has_value()) << c.tipo;
    if (tasas) {
      EXPECT_DOUBLE_EQ(DeduccionGasto(*tasas, c.x, c.y), *c.deduccion) << c.formacion << c.tipo << c.x;
    }
  }
  // Film production: with no producer investment the smaller of the two 5 % amounts.
  EXPECT_DOUBLE_EQ(*DeduccionProduccion(1, 0, 1000, 400), 20.0);
  EXPECT_DOUBLE_EQ(*DeduccionProduccion(1, 1000, 1000, 4000), 250.0);
  EXPECT_DOUBLE_EQ(*DeduccionProduccion(2, 1000, 1000, 4000), 600.0);
  EXPECT_FALSE(DeduccionProduccion(3, 1000, 1000, 4000).has_value());
  EXPECT_DOUBLE_EQ(*TasaInversion(9), 0.45);
  EXPECT_DOUBLE_EQ(*TasaInversion(11), 0.075);
  EXPECT_FALSE(TasaInversion(14).has_value());
  EXPECT_FALSE(TasaInversion(-1).has_value());
}

// ---- the dialogs ----

constexpr int kTitularID[] = {1783, 1784};
constexpr int kGastoID[] = {1785, 1786};
constexpr int kMediaID[] = {1787, 1788};
constexpr int kDeduccionID[] = {1781, 1782};

TEST(DeduccionesTitulares, InvestigacionCalculaAlSalirYSinClaseNoToca) {
  CGuionMensajes guion;
  {
    SDialogo<CDlgInvestigacionDesarrollo> d(1);
    d.dlg.m_recibido[0] = Entrada(2, {0, 0, 0});
    d.Abrir();
    EXPECT_FALSE(d.v.Habilitado(kDeduccionID[0]));
    EXPECT_TRUE(d.v.Habilitado(kGastoID[0]));
    d.v.Enfocar(kGastoID[0]);
    d.v.Escribir(kGastoID[0], "1.000.000");
    d.v.Enfocar(kMediaID[0]);
    d.v.Escribir(kMediaID[0], "600000");
    d.v.Enfocar(kGastoID[0]);
    EXPECT_EQ(d.v.Texto(kDeduccionID[0]), "280.000");
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[2], 280000.0);
  }
  {
    // Another kind: the deductions stay as they came.
    SDialogo<CDlgInvestigacionDesarrollo> d(5);
    d.dlg.m_recibido[0] = Entrada(2, {1000, 0, 77});
    d.Abrir();
    d.v.Enfocar(kGastoID[0]);
    d.v.Enfocar(kMediaID[0]);
    EXPECT_EQ(d.v.Texto(kDeduccionID[0]), "77");
  }
  {
    SDialogo<CDlgFormacionProfesional> d(2);
    d.dlg.m_recibido[0] = Entrada(3, {1000000, 600000, 0});
    d.Abrir();
    d.v.Enfocar(kGastoID[0]);
    d.v.Enfocar(kMediaID[0]);
    EXPECT_EQ(d.v.Texto(kDeduccionID[0]), "270.000");
  }
  {
    SDialogo<CDlgInversionTitular> d(9);
    d.dlg.m_recibido[0] = Entrada(2, {1000, 0});
    d.Abrir();
    d.v.Enfocar(1218);
    d.v.Enfocar(1273);
    EXPECT_EQ(d.v.Texto(1224), "450");
    EXPECT_FALSE(d.v.Habilitado(1224));
  }
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(DeduccionesTitulares, TitularQueLaDeclaracionNoTieneTieneMensaje) {
  CGuionMensajes guion;
  SDialogo<CDlgInvestigacionDesarrollo> d(1, {1, false, false, false});
  d.Abrir();
  // No spouse: neither "C" nor the common "O"; an unknown letter neither.
  for (const char* letra : {"C", "O", "X"}) {
    d.v.Enfocar(kTitularID[0]);
    d.v.Escribir(kTitularID[0], letra);
    d.v.Enfocar(kTitularID[1]);
    EXPECT_EQ(d.dlg.Copia()[0].titular, 0) << letra;
    EXPECT_EQ(d.v.Texto(kTitularID[0]), "") << letra;
  }
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100I006", "100I006", "100I006"}));
  d.v.Enfocar(kTitularID[0]);
  d.v.Escribir(kTitularID[0], "d");
  d.v.Enfocar(kTitularID[1]);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
  EXPECT_EQ(guion.Codigos().size(), 3u);
}

TEST(DeduccionesTitulares, AyudaDelTitularVaciadaONo) {
  CGuionMensajes guion;
  SDialogo<CDlgEstudiosUniversitarios> estudios;
  estudios.dlg.m_recibido[0] = Entrada(4, {100});
  estudios.Abrir();
  estudios.v.Enfocar(1273);
  EXPECT_FALSE(estudios.v.Texto(kIdAyudaTitularLineas).empty());
  estudios.v.Enfocar(1584);
  EXPECT_EQ(estudios.v.Texto(kIdAyudaTitularLineas), "");

  SDialogo<CDlgFundaciones> fundaciones;
  fundaciones.dlg.m_recibido[0] = Entrada(2, {100, 0, 0});
  fundaciones.Abrir();
  fundaciones.v.Enfocar(1273);
  const std::string ayuda = fundaciones.v.Texto(kIdAyudaTitularLineas);
  EXPECT_FALSE(ayuda.empty());
  fundaciones.v.Enfocar(1252);
  EXPECT_EQ(fundaciones.v.Texto(kIdAyudaTitularLineas), ayuda);
  // A common gift seen by the declarant: half of each amount.
  SDialogo<CDlgFundaciones> miembro(0, Familia(2));
  miembro.dlg.m_recibido[0] = Entrada(1, {100, 50, 20});
  miembro.Abrir();
  EXPECT_EQ(miembro.v.Texto(1252), "50");
  EXPECT_EQ(miembro.v.Texto(1434), "25");
  EXPECT_EQ(miembro.Aceptar(), marco::kIdCancelar);
  EXPECT_DOUBLE_EQ(miembro.dlg.m_recibido[0].importes[0], 100.0);
}

// ---- housing ----

TEST(DeduccionesTitulares, CuentasViviendaDevuelvenLasEntradasDeLaInversion) {
  CGuionMensajes guion;
  // The entries of the housing investment: two used ones first, with their own amounts at bytes 8 to 39.
  std::vector<unsigned char> bloque(kFormaVivienda.TamanoBloque(), 0);
  EntradasTitulares entradas{};
  entradas[0] = Entrada(2, {100, 200, 0, 300, 0});
  entradas[1] = Entrada(3, {0, 0, 400, 0, 0});
  EscribirEntradas(entradas, kFormaVivienda, bloque);
  const std::vector<unsigned char> antes = bloque;

  SDialogo<CDlgCuentasVivienda> d(1);
  ASSERT_TRUE(d.dlg.Recibir(bloque));
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(1273));
  d.v.Enfocar(1397);
  d.v.Escribir(1397, "50000");
  d.v.Enfocar(1577);
  d.v.Escribir(1577, "15031996");
  d.v.Enfocar(1586);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{});
  // A date outside the years of the accounts is refused and blanked.
  d.v.Enfocar(1581);
  d.v.Escribir(1581, "15031990");
  d.v.Enfocar(1590);
  EXPECT_EQ(d.v.Texto(1581), "");
  EXPECT_EQ(guion.Codigos().size(), 1u);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  d.dlg.Devolver(bloque);

  // The holders and the investment's own amounts are as they were; the second entry, without account data, stays.
  EXPECT_EQ(std::memcmp(bloque.data(), antes.data(), 40), 0);
  EXPECT_EQ(std::memcmp(bloque.data() + 80, antes.data() + 80, 40), 0);
  const EntradasTitulares vueltas = LeerEntradas(bloque, kFormaVivienda);
  EXPECT_EQ(vueltas[1].titular, 3);
  EXPECT_DOUBLE_EQ(vueltas[0].importes[4], 50000.0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(vueltas[0].resto.data()), 8), "15031996");
}

TEST(DeduccionesTitulares, InversionViviendaConFinanciacionOSinElla) {
  CGuionMensajes guion;
  SDialogo<CDlgInversionVivienda> d;
  d.dlg.m_recibido[0] = Entrada(2, {0, 0, 0, 0, 0});
  d.dlg.m_recibido[1] = Entrada(3, {1000, 0, 0, 0, 0});
  d.Abrir();
  // The second entry's financed amount closes its amount without financing.
  EXPECT_FALSE(d.v.Habilitado(1265));
  EXPECT_TRUE(d.v.Habilitado(1259));
  // Typing without financing in the first entry closes its two financed amounts only.
  d.v.Enfocar(1264);
  d.v.Escribir(1264, "500");
  EXPECT_FALSE(d.v.Habilitado(1258));
  EXPECT_FALSE(d.v.Habilitado(1261));
  EXPECT_TRUE(d.v.Habilitado(1259));
  EXPECT_TRUE(d.v.Habilitado(1267));
  // The amounts deposited in accounts come from the accounts dialog.
  EXPECT_FALSE(d.v.Habilitado(1251));
  // An entry not in use has all three closed.
  EXPECT_FALSE(d.v.Habilitado(1260));
  EXPECT_FALSE(d.v.Habilitado(1255));
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[2], 500.0);
}

void PonerDoble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }

TEST(DeduccionesTitulares, CompensacionViviendaTopesPorColumnaYComprobacion) {
  CGuionMensajes guion;
  SDialogo<CDlgCompensacionVivienda> d;
  d.dlg.m_nTipoUnidad = 1;
  // Slots 0, 1, 2 of the two deduction arrays of the liquidation.
  for (int slot = 0; slot < 3; ++slot) {
    PonerDoble(d.dlg.m_liquidacion.octetos + 1320 + 8 * slot, 1000.0 * (slot + 1));
    PonerDoble(d.dlg.m_liquidacion.octetos + 1360 + 8 * slot, 100.0 * (slot + 1));
  }
  // The holders in any order: the columns, not the holders, choose the cap.
  d.dlg.m_recibido[0] = Entrada(3, {10, 0, 500000, 0, 0, 0, 0, 0});
  d.dlg.m_recibido[1] = Entrada(1, {0, 0, 0, 0, 0, 0, 0, 99999});
  d.dlg.m_recibido[2] = Entrada(2, {0, 0, 0, 0, 0, 0, 0, 5});
  d.Abrir();
  EXPECT_EQ(d.v.Texto(1253), "1.100");
  EXPECT_EQ(d.v.Texto(1254), "2.200");
  EXPECT_EQ(d.v.Texto(1258), "5");
  // The revised value with no days takes the whole year; its pair closes the other pair.
  d.v.Enfocar(1285);
  d.v.Enfocar(1278);
  EXPECT_EQ(d.v.Texto(1293), "365");
  EXPECT_FALSE(d.v.Habilitado(1288));
  EXPECT_FALSE(d.v.Habilitado(1297));
  EXPECT_TRUE(d.v.Habilitado(1285));

  // OK: the interest and investment of each person within the housing rows of the deductions.
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V146"});
  unsigned char* fila = d.dlg.m_apartadoM.octetos + 544 + 80;  // the second row: the spouse's
  fila[0] = 3;
  PonerDoble(fila + 24, 10.0);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);

  // Not married and no children: the joint and declarant columns get nothing.
  SDialogo<CDlgCompensacionVivienda> soltero;
  soltero.dlg.m_recibido[1] = Entrada(2, {0, 0, 0, 0, 0, 0, 0, 5});
  PonerDoble(soltero.dlg.m_liquidacion.octetos + 1328, 800.0);
  soltero.Abrir();
  EXPECT_EQ(soltero.v.Texto(1254), "");
  soltero.dlg.m_bHijos = true;
  soltero.v.Enfocar(1279);
  soltero.v.Enfocar(1273);
  EXPECT_EQ(soltero.v.Texto(1254), "800");
}

}  // namespace
}  // namespace dialogos
