// The pending deduction balance dialogs on simulated controls: a per-person view (read-only, OK as Cancel, the
// person's column first), blank columns dropped on OK, the halving of a common column, and the stored block.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "DialogoPrueba.h"
#include "dialogs/DlgSaldosPendientes.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(marco::SEntornoDialogo entorno) : pruebas::SDialogoSimulado<TDialogo>(entorno) {}
};

SEntradaTitular Entrada(std::uint8_t titular, std::initializer_list<double> importes) {
  SEntradaTitular e;
  e.titular = titular;
  std::size_t i = 0;
  for (double x : importes) e.importes[i++] = x;
  return e;
}

TEST(DlgSaldosPendientes, VistaDeUnaPersonaSoloLecturaYOkComoCancelar) {
  marco::CGuionMensajes guion;
  SDialogo<CDlgSaldosCartuja> d({2, true, false, false});
  // Column 1 the spouse's, column 2 the declarant's: seen by the declarant, its column comes first.
  d.dlg.m_recibido[0] = Entrada(3, {1.0, 2.0, 3.0, 4.0});
  d.dlg.m_recibido[1] = Entrada(2, {10.0, 20.0, 30.0, 40.0});
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.v.Texto(1779), "D");
  EXPECT_EQ(d.v.Texto(1771), "10");
  EXPECT_EQ(d.v.Texto(1777), "40");
  EXPECT_EQ(d.v.Texto(1780), "");
  EXPECT_FALSE(d.dlg.TodasLasEntradas());
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 3);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[1].importes[3], 40.0);
}

TEST(DlgSaldosPendientes, OkQuitaLasColumnasSinImportes) {
  marco::CGuionMensajes guion;
  SDialogo<CDlgSaldos9798> d({1, true, false, false});
  d.dlg.m_recibido[0] = Entrada(2, {});
  d.dlg.m_recibido[1] = Entrada(3, {0.0, 500.0});
  d.v.Abrir(d.dlg);
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "SALDOS PENDIENTES DE 1997 Y 1998");
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 0);
  EXPECT_EQ(d.dlg.m_recibido[1].titular, 3);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[1].importes[1], 500.0);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(DlgSaldosPendientes, UnaColumnaComunSeDivideEntera) {
  struct SCaso {
    std::function<std::unique_ptr<CDlgImportesTitulares>()> crear;
    int importes;
  };
  const std::vector<SCaso> casos = {
      {[] { return std::make_unique<CDlgSaldos1994>(nullptr); }, kImportesSaldos1994},
      {[] { return std::make_unique<CDlgSaldosCartuja>(nullptr); }, kImportesSaldosCartuja},
      {[] { return std::make_unique<CDlgSaldos9798>(nullptr); }, kImportesSaldos9798},
      {[] { return std::make_unique<CDlgSaldosPendientes>(nullptr); }, kImportesSaldosPendientes},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.importes);
    std::unique_ptr<CDlgImportesTitulares> dlg = c.crear();
    EXPECT_EQ(dlg->Campos(), c.importes + 1);
    EXPECT_EQ(dlg->TamanoBloque(), static_cast<std::size_t>(2 * (8 + 8 * c.importes)));
    SEntradaTitular& e = dlg->Copia()[0];
    e.titular = 1;
    for (int i = 0; i < c.importes; ++i) e.importes[static_cast<std::size_t>(i)] = 100.0 * (i + 1);
    dlg->EntradaComun(0);
    for (int i = 0; i < c.importes; ++i) EXPECT_DOUBLE_EQ(e.importes[static_cast<std::size_t>(i)], 50.0 * (i + 1));
  }
}

TEST(DlgSaldosPendientes, ElBloqueConservaLosOctetosReservados) {
  CDlgSaldosPendientes dlg(nullptr);
  std::vector<unsigned char> bloque(TamanoBloqueSaldos(kImportesSaldosPendientes), 0);
  bloque[0] = 2;
  bloque[3] = 0x5A;
  const double importe = 1234.0;
  std::memcpy(bloque.data() + 8 + 16, &importe, sizeof importe);
  ASSERT_TRUE(dlg.Recibir(bloque));
  EXPECT_DOUBLE_EQ(dlg.m_recibido[0].importes[2], 1234.0);
  std::vector<unsigned char> vuelta(bloque.size(), 0);
  vuelta[3] = 0x5A;
  dlg.Devolver(vuelta);
  EXPECT_EQ(vuelta, bloque);
  EXPECT_FALSE(dlg.Recibir(std::vector<unsigned char>(10, 0)));
}

}  // namespace
}  // namespace dialogos
