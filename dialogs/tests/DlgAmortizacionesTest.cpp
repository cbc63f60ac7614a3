// The depreciation dialog of an agricultural activity on simulated controls: the boxes bound and enabled by the
// use of the elements and the activity kind, the warning of an amount without income, and the launch by window
// name.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgAmortizaciones.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

void PonerDoble(std::array<unsigned char, kLargoFilaAmortizaciones>& fila, std::size_t desp, double v) {
  std::memcpy(fila.data() + desp, &v, sizeof v);
}
double LeerDoble(const std::array<unsigned char, kLargoFilaAmortizaciones>& fila, std::size_t desp) {
  double v = 0.0;
  std::memcpy(&v, fila.data() + desp, sizeof v);
  return v;
}

struct SDialogo {
  SDialogo(char clase, char uso, marco::SEntornoDialogo entorno = {1, false, false, false}) : v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    dlg.PonerCodigoSujeto(entorno.sujetoActual);
    dlg.m_fila[FilaAmortizaciones::Clase] = static_cast<unsigned char>(clase);
    dlg.m_fila[FilaAmortizaciones::Uso] = static_cast<unsigned char>(uso);
  }
  void Poner(int id, std::string_view texto) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(kIdAmortGanaderas == id ? kIdAmortAvicultura : kIdAmortGanaderas);
  }
  CDlgAmortizaciones dlg;
  CControlesSimulados v;
};

TEST(DlgAmortizaciones, CajasSegunUsoYClase) {
  struct SCaso {
    char clase;
    char uso;
    bool propias, arrendadas, accesorias;
  };
  const SCaso casos[] = {
      {'3', '2', true, false, false},  // leased land only for kinds 1 and 5
      {'5', '2', true, true, false},   {'1', '3', true, true, true},   {'2', '3', true, false, false},
      {'1', '1', false, false, false},  // use 1: the land and accessory boxes are not bound, so stay disabled
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(std::string(1, c.clase) + "/" + c.uso);
    SDialogo d(c.clase, c.uso);
    d.v.Abrir(d.dlg);
    EXPECT_EQ(d.v.Habilitado(kIdAmortPropias), c.propias);
    EXPECT_EQ(d.v.Habilitado(kIdAmortArrendadas), c.arrendadas);
    EXPECT_EQ(d.v.Habilitado(kIdAmortAccesorias), c.accesorias);
    EXPECT_TRUE(d.v.Habilitado(kIdAmortAvicultura));
    EXPECT_TRUE(d.v.Habilitado(kIdAmortGanaderas));
  }
}

TEST(DlgAmortizaciones, ImporteSinIngresosAvisaAlAceptar) {
  struct SCaso {
    int id;
    std::size_t ingreso;  // an income amount that goes with it
  };
  const SCaso casos[] = {{kIdAmortArrendadas, 1432}, {kIdAmortAvicultura, 160}, {kIdAmortGanaderas, 1248},
                         {kIdAmortAccesorias, 1776}};
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.id);
    {
      // Without income: the warning; "Corregir" keeps the dialog open, another answer accepts.
      CGuionMensajes guion({marco::kBotonCorregir, marco::kBotonAceptar});
      SDialogo d('1', '3');
      d.v.Abrir(d.dlg);
      d.Poner(c.id, "5000");
      d.v.Pulsar(marco::kIdAceptar);
      EXPECT_EQ(d.v.ResultadoVentana(), 0);
      d.v.Pulsar(marco::kIdAceptar);
      EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
      EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100V197", "100V197"}));
      EXPECT_EQ(guion.Mensajes().back().icono, marco::IconoAsterisco);
    }
    CGuionMensajes guion;
    SDialogo d('1', '3');
    PonerDoble(d.dlg.m_fila, c.ingreso, 100.0);
    d.v.Abrir(d.dlg);
    d.Poner(c.id, "5000");
    d.v.Pulsar(marco::kIdAceptar);
    EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
    EXPECT_TRUE(guion.Codigos().empty());
  }
  // Own land is not checked.
  CGuionMensajes guion;
  SDialogo d('1', '3');
  d.v.Abrir(d.dlg);
  d.Poner(kIdAmortPropias, "5000");
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_fila, FilaAmortizaciones::Propias), 5000.0);
}

TEST(DlgAmortizaciones, UnaCajaNoEnlazadaConservaSuValor) {
  SDialogo d('1', '1');
  PonerDoble(d.dlg.m_fila, FilaAmortizaciones::Propias, 300.0);
  d.v.Abrir(d.dlg);
  d.Poner(kIdAmortGanaderas, "20");
  PonerDoble(d.dlg.m_fila, 64, 1.0);
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_fila, FilaAmortizaciones::Propias), 300.0);
  EXPECT_DOUBLE_EQ(LeerDoble(d.dlg.m_fila, FilaAmortizaciones::Ganaderas), 20.0);
}

TEST(DlgAmortizaciones, VistaDeUnMiembroSoloLee) {
  SDialogo d('1', '3', {2, true, false, false});
  d.v.Abrir(d.dlg);
  EXPECT_FALSE(d.v.Habilitado(kIdAmortGanaderas));
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
}

TEST(DlgAmortizaciones, SeRegistraPorSuNombre) {
  RegistrarDialogosDetalle();
  EXPECT_EQ(marco::NumeroDialogoDetalle(kVentanaAmortizaciones), kRecursoAmortizaciones);
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaAmortizaciones);
  ASSERT_NE(dialogo, nullptr);
  EXPECT_EQ(dialogo->tamanoBloque, kLargoFilaAmortizaciones);
  // A block of another size is not opened.
  std::vector<unsigned char> corto(100, 0);
  marco::SPeticionDetalle p;
  p.bloque = corto;
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
}

}  // namespace
}  // namespace dialogos
