// The list of the kinds of element on simulated controls: a click marks one row and takes its value, OK without a
// row refuses with 100R169, Cancel always closes, a double click takes only the marked row.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "dialogs/DlgTipoElemento.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "income/FilasSecciones.h"

namespace dialogos {
namespace {

struct STipos {
  STipos() : v(dlg.Plantilla()) {
    dlg.FijarEntorno({0, false, false, false});
    dlg.PonerFilas({{"Primero", "11.110000"}, {"Segundo", "25.000000"}, {"Tercero", "abc"}});
  }
  CDlgTipoElemento dlg{nullptr};
  marco::CControlesSimulados v;
};

TEST(DlgTipoElemento, AceptarSinFilaSeRechazaYCancelarSiempreCierra) {
  marco::CGuionMensajes guion;
  STipos t;
  t.v.Abrir(t.dlg);
  t.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(t.v.ResultadoVentana(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R169"});
  t.v.Pulsar(marco::kIdCancelar);
  EXPECT_EQ(t.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_EQ(guion.Codigos().size(), 1u);
}

TEST(DlgTipoElemento, UnClicMarcaLaFilaYTomaSuValor) {
  STipos t;
  t.dlg.m_nFilaSeleccionada = 1;
  t.v.Abrir(t.dlg);
  EXPECT_EQ(t.dlg.Marca(0), "X");
  t.dlg.SeleccionarFila(1);
  EXPECT_EQ(t.dlg.Marca(0), "");
  EXPECT_EQ(t.dlg.Marca(1), "X");
  EXPECT_EQ(t.dlg.m_nFilaSeleccionada, 2);
  EXPECT_DOUBLE_EQ(t.dlg.m_dValor, 25.0);
  t.dlg.SeleccionarFila(2);  // a value that is not a number reads 0
  EXPECT_DOUBLE_EQ(t.dlg.m_dValor, 0.0);
  t.dlg.SeleccionarFila(7);  // outside the list: nothing
  EXPECT_EQ(t.dlg.m_nFilaSeleccionada, 3);
  t.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(t.v.ResultadoVentana(), marco::kIdAceptar);
}

TEST(DlgTipoElemento, DobleClicSoloSobreLaFilaMarcada) {
  STipos t;
  t.v.Abrir(t.dlg);
  t.dlg.ActivarFila(1);  // not marked
  EXPECT_EQ(t.v.ResultadoVentana(), 0);
  t.dlg.SeleccionarFila(1);
  t.dlg.ActivarFila(1);
  EXPECT_EQ(t.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(t.dlg.m_nFilaSeleccionada, 2);
  // The first row is a row like any other.
  STipos primera;
  primera.v.Abrir(primera.dlg);
  primera.dlg.SeleccionarFila(0);
  primera.dlg.ActivarFila(0);
  EXPECT_EQ(primera.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(primera.dlg.m_nFilaSeleccionada, 1);
}

TEST(DlgTipoElemento, FilaPreseleccionadaFueraDeLaListaNoCuenta) {
  marco::CGuionMensajes guion;
  STipos t;
  t.dlg.m_nFilaSeleccionada = 9;
  t.v.Abrir(t.dlg);
  t.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R169"});
}

TEST(DlgTipoElemento, SeRegistraSobreElTipoYElValorDeLaFila) {
  RegistrarDlgTipoElemento();
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(renta::kVentanaTipoElemento);
  ASSERT_NE(dialogo, nullptr);
  EXPECT_EQ(dialogo->tamanoBloque, 16u);
  // A block of another size is refused without opening anything.
  std::array<unsigned char, 8> corto{};
  marco::SPeticionDetalle peticion;
  peticion.bloque = corto;
  EXPECT_EQ(dialogo->abrir(peticion), marco::kDialogoCancelado);
  marco::QuitarDialogoDetalle(renta::kVentanaTipoElemento);
}

TEST(DlgTipoElemento, NombreDeLaTablaPorIdioma) {
  EXPECT_EQ(NombreTablaTipoElemento('c'), "elempatc");
  EXPECT_EQ(NombreTablaTipoElemento('e'), "elempate");
  EXPECT_DOUBLE_EQ(ValorTipoElemento("14.280000"), 14.28);
}

}  // namespace
}  // namespace dialogos
