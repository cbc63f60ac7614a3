// The imputation details on simulated controls: the collective-investment imputation and its check on OK, the
// rental payments on account by declaration kind, one time-imputation criterion per person, and the other concepts
// of an imputation under the transparency regime by entity kind.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/toplevel.h>

#include <cstring>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "dialogs/DlgDetallesTitular.h"
#include "dialogs/DlgImputaciones.h"
#include "dialogs/DlgPequenosTitular.h"
#include "DialogoPrueba.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "framework/Prog32DocReglas.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, true}; }

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(marco::SEntornoDialogo entorno = Familia()) : pruebas::SDialogoSimulado<TDialogo>(entorno) {
    this->dlg.PonerColumnaConyuge(entorno.HayConyugeOHijo() ? 1 : 0);
  }
};

TEST(Imputaciones, ImputacionIICNuncaBajaDelQuincePorCiento) {
  struct SCaso {
    double a, b, imputacion;
  };
  for (const SCaso c : {SCaso{1000000, 900000, 135000}, SCaso{2000000, 900000, 1100000}, SCaso{0, 0, 0},
                        SCaso{500, 1000, 150}}) {
    EXPECT_DOUBLE_EQ(ImputacionIIC(c.a, c.b), c.imputacion) << c.a << " " << c.b;
  }
}

TEST(Imputaciones, ImputacionIICCalculaAlSalirYCompruebaAlAceptar) {
  struct SCaso {
    const char* tecleada;  // "" keeps the computed one
    int respuesta;
    bool aviso;
    int resultado;
    double guardada;
  };
  const SCaso casos[] = {
      {"", marco::kBotonCorregir, false, marco::kIdAceptar, 135000},
      {"135000", marco::kBotonCorregir, false, marco::kIdAceptar, 135000},
      {"100000", marco::kBotonCorregir, false, marco::kIdAceptar, 100000},
      {"120000", marco::kBotonCorregir, true, 0, 0},
      {"120000", marco::kBotonContinuar, true, marco::kIdAceptar, 120000},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(std::string(c.tecleada) + " " + std::to_string(c.respuesta));
    CGuionMensajes guion({}, c.respuesta);
    SDialogo<CDlgImputacionIIC> d;
    d.Abrir();
    d.Teclear(CDlgImputacionIIC::kIdValorLiquidativo, "1000000");
    d.Teclear(CDlgImputacionIIC::kIdValorAdquisicion, "900000");
    d.v.Enfocar(CDlgImputacionIIC::kIdImputacion);
    EXPECT_EQ(d.v.Texto(CDlgImputacionIIC::kIdImputacion), "135.000");
    if (*c.tecleada != '\0') d.v.Escribir(CDlgImputacionIIC::kIdImputacion, c.tecleada);
    d.v.Enfocar(CDlgImputacionIIC::kIdValorLiquidativo);
    EXPECT_EQ(d.Aceptar(), c.resultado);
    EXPECT_EQ(guion.Veces("100V164"), c.aviso ? 1 : 0);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido.imputacion, c.guardada);
  }
}

TEST(Imputaciones, ImputacionIICSoloRecalculaSiCambianAoB) {
  CGuionMensajes guion({}, marco::kBotonContinuar);
  SDialogo<CDlgImputacionIIC> d;
  d.dlg.m_recibido = {2000000, 900000, 1050000};
  d.Abrir();
  // Leaving (a) without changing it keeps the imputation as stored.
  d.v.Enfocar(CDlgImputacionIIC::kIdValorLiquidativo);
  d.v.Enfocar(CDlgImputacionIIC::kIdValorAdquisicion);
  EXPECT_DOUBLE_EQ(d.dlg.Copia().imputacion, 1050000.0);
  d.v.Escribir(CDlgImputacionIIC::kIdValorAdquisicion, "900001");
  d.v.Enfocar(CDlgImputacionIIC::kIdImputacion);
  EXPECT_DOUBLE_EQ(d.dlg.Copia().imputacion, 1099999.0);
  // Cancel changes nothing.
  d.v.Pulsar(marco::kIdCancelar);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.imputacion, 1050000.0);
}

TEST(Imputaciones, PagosArrendamientoSegunElTipoDeDeclaracion) {
  CGuionMensajes guion;
  const int titulares[] = {1273, 1284, 1295, 1309, 1319};
  const int inmobiliario[] = {1282, 1293, 1307, 1302, 1304};
  const int actividades[] = {1283, 1294, 1308, 1305, 1306};
  for (const int tipo : {marco::kTipoDecSimplificada, marco::kTipoDecOrdinaria}) {
    SCOPED_TRACE(tipo);
    SDialogo<CDlgPagosArrendamiento> d;
    d.dlg.m_nTipoDec = tipo;
    d.dlg.m_recibido[0].titular = 2;
    d.dlg.m_recibido[0].importes[0] = 5000;
    d.dlg.m_recibido[1].titular = 3;
    d.dlg.m_recibido[1].importes[1] = 700;
    d.Abrir();
    for (int e = 0; e < 5; ++e) {
      EXPECT_FALSE(d.v.Habilitado(inmobiliario[e]));
      if (tipo == marco::kTipoDecSimplificada) {
        EXPECT_FALSE(d.v.Habilitado(titulares[e]));
        EXPECT_FALSE(d.v.Habilitado(actividades[e]));
      }
    }
    if (tipo == marco::kTipoDecOrdinaria) {
      // The entry with real-estate payments keeps its holder; the other one may change it.
      EXPECT_FALSE(d.v.Habilitado(titulares[0]));
      EXPECT_TRUE(d.v.Habilitado(titulares[1]));
      EXPECT_TRUE(d.v.Habilitado(actividades[0]));
      d.Teclear(actividades[0], "300");
      d.v.Enfocar(titulares[2]);
      EXPECT_FALSE(d.v.Habilitado(inmobiliario[0]));
    }
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[0], 5000.0);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[1].importes[1], 700.0);
  }
}

TEST(Imputaciones, ImputacionTemporalUnCriterioPorPersona) {
  CGuionMensajes guion;
  SDialogo<CDlgImputacionTemporal> d;
  d.Abrir();
  d.v.Enfocar(CDlgImputacionTemporal::kIdCuentasDeclarante);
  d.v.Teclear(CDlgImputacionTemporal::kIdCuentasDeclarante, "X");
  d.v.Enfocar(CDlgImputacionTemporal::kIdCuentasConyuge);
  d.v.Teclear(CDlgImputacionTemporal::kIdCuentasConyuge, "x");
  d.v.Enfocar(CDlgImputacionTemporal::kIdCierreDeclarante);
  d.v.Teclear(CDlgImputacionTemporal::kIdCierreDeclarante, "X");
  // The declarant's last mark stays alone; the spouse's mark is the spouse's own.
  EXPECT_EQ(d.v.Texto(CDlgImputacionTemporal::kIdCuentasDeclarante), "");
  EXPECT_EQ(d.v.Texto(CDlgImputacionTemporal::kIdCierreDeclarante), "X");
  EXPECT_EQ(d.v.Texto(CDlgImputacionTemporal::kIdCuentasConyuge), "X");
  d.v.Enfocar(CDlgImputacionTemporal::kIdCierreConyuge);
  d.v.Teclear(CDlgImputacionTemporal::kIdCierreConyuge, "X");
  EXPECT_EQ(d.v.Texto(CDlgImputacionTemporal::kIdCuentasConyuge), "");
  // A character that is not a mark is refused.
  EXPECT_EQ(d.v.Teclear(CDlgImputacionTemporal::kIdCierreConyuge, "-"), 1);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_recibido, (std::array<std::uint8_t, 4>{0, 0, 1, 1}));
}

TEST(Imputaciones, ImputacionTemporalSinConyugeYRegistrada) {
  CGuionMensajes guion;
  SDialogo<CDlgImputacionTemporal> d(marco::SEntornoDialogo{1, false, false, false});
  d.dlg.m_nTipoUnidad = 2;
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(CDlgImputacionTemporal::kIdCuentasConyuge));
  EXPECT_FALSE(d.v.Habilitado(CDlgImputacionTemporal::kIdCierreConyuge));
  EXPECT_TRUE(d.v.Habilitado(CDlgImputacionTemporal::kIdCuentasDeclarante));
  RegistrarDlgImputaciones();
  EXPECT_TRUE(marco::RegistroSelecciones().EstaRegistrado(kVentanaImputacionTemporal));
  // Without data to edit the dialog is not run.
  EXPECT_EQ((*marco::RegistroSelecciones().Buscar(kVentanaImputacionTemporal))(marco::SContextoSeleccion{}),
            marco::kDialogoCancelado);
}

TEST(Imputaciones, ImputacionOtrosMarcaYTipoDeEntidad) {
  CGuionMensajes guion;
  {
    SDialogo<CDlgImputacionOtros> d;
    d.dlg.m_cTipoEntidad = '2';
    d.Abrir();
    d.Teclear(CDlgImputacionOtros::kIdTributacionEfectiva, "100");
    d.Teclear(CDlgImputacionOtros::kIdExcesoPagos, "50");
    d.v.Enfocar(CDlgImputacionOtros::kIdImputacionTotal);
    d.v.Teclear(CDlgImputacionOtros::kIdImputacionTotal, "X");
    EXPECT_FALSE(d.v.Habilitado(CDlgImputacionOtros::kIdTributacionEfectiva));
    EXPECT_FALSE(d.v.Habilitado(CDlgImputacionOtros::kIdExcesoPagos));
    EXPECT_DOUBLE_EQ(d.dlg.Copia().tributacionEfectiva, 0.0);
    EXPECT_EQ(d.v.Texto(CDlgImputacionOtros::kIdExcesoPagos), "");
    // Unmarked: open again, empty.
    d.v.Teclear(CDlgImputacionOtros::kIdImputacionTotal, " ");
    EXPECT_TRUE(d.v.Habilitado(CDlgImputacionOtros::kIdTributacionEfectiva));
    EXPECT_EQ(d.v.Texto(CDlgImputacionOtros::kIdTributacionEfectiva), "");
  }
  {
    SDialogo<CDlgImputacionOtros> d;
    d.dlg.m_cTipoEntidad = '4';
    d.dlg.m_recibido.imputacionTotal = 1;
    d.dlg.m_recibido.tributacionEfectiva = 10;
    d.dlg.m_recibido.excesoPagos = 20;
    d.Abrir();
    EXPECT_FALSE(d.v.Habilitado(CDlgImputacionOtros::kIdImputacionTotal));
    EXPECT_FALSE(d.v.Habilitado(CDlgImputacionOtros::kIdTributacionEfectiva));
    EXPECT_FALSE(d.v.Habilitado(CDlgImputacionOtros::kIdExcesoPagos));
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_EQ(d.dlg.m_recibido.imputacionTotal, 0);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido.tributacionEfectiva, 0.0);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido.excesoPagos, 0.0);
  }
}

TEST(Imputaciones, ImputacionOtrosPreguntaSinTributacionEfectiva) {
  struct SCaso {
    char tipo;
    bool marca;
    double imputado;
    const char* pagos;
    const char* tributacion;
    bool pregunta;
  };
  const SCaso casos[] = {
      {'1', false, 1000, "200", "", true},  {'2', false, 1000, "200", "", true}, {'3', true, 1000, "200", "", false},
      {'4', false, 1000, "200", "", false}, {'1', false, 0, "200", "", false},   {'1', false, 1000, "", "", false},
      {'1', false, 1000, "200", "5", false},
  };
  for (const SCaso& c : casos) {
    for (const int respuesta : {marco::kBotonContinuar, marco::kBotonCorregir}) {
      SCOPED_TRACE(std::string(1, c.tipo) + " " + std::to_string(c.imputado) + " " + c.pagos + " " + c.tributacion +
                   " " + std::to_string(respuesta));
      CGuionMensajes guion({}, respuesta);
      SDialogo<CDlgImputacionOtros> d;
      d.dlg.m_cTipoEntidad = c.tipo;
      d.dlg.m_importeImputado = c.imputado;
      d.dlg.m_recibido.imputacionTotal = c.marca ? 1 : 0;
      d.Abrir();
      d.Teclear(CDlgImputacionOtros::kIdPagosCuenta, c.pagos);
      if (*c.tributacion != '\0') d.Teclear(CDlgImputacionOtros::kIdTributacionEfectiva, c.tributacion);
      d.v.Enfocar(CDlgImputacionOtros::kIdCuotasSociedades);
      const bool acepta = !c.pregunta || respuesta == marco::kBotonContinuar;
      EXPECT_EQ(d.Aceptar(), acepta ? marco::kIdAceptar : 0);
      EXPECT_EQ(guion.Veces("100V167"), c.pregunta ? 1 : 0);
      if (acepta) {
        EXPECT_DOUBLE_EQ(d.dlg.m_recibido.pagosCuenta, *c.pagos != '\0' ? 200.0 : 0.0);
      }
    }
  }
}

TEST(Imputaciones, ImputacionOtrosBloqueadaParaUnMiembro) {
  CGuionMensajes guion;
  SDialogo<CDlgImputacionOtros> d(Familia(2));
  d.dlg.m_recibido.pagosCuenta = 10;
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(CDlgImputacionOtros::kIdPagosCuenta));
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.pagosCuenta, 10.0);
}

TEST(Imputaciones, RegistradasConElTamanoDeSuBloque) {
  RegistrarDlgImputaciones();
  const std::pair<std::string_view, std::size_t> nombres[] = {
      {kVentanaImputacionIIC, 24}, {kVentanaPagosArrendamiento, 120}, {kVentanaImputacionOtros, 40}};
  for (const auto& [nombre, tamano] : nombres) {
    const marco::SDialogoDetalle* d = marco::BuscarDialogoDetalle(nombre);
    ASSERT_NE(d, nullptr) << nombre;
    EXPECT_EQ(d->tamanoBloque, tamano) << nombre;
    std::vector<unsigned char> corto(tamano + 1, 0);
    marco::SPeticionDetalle p;
    p.bloque = corto;
    EXPECT_EQ(d->abrir(p), marco::kDialogoCancelado) << nombre;
  }
}

// Each of these dialogs opens in a real window on an empty block of its size, from the family unit's view and from a
// member's view of a joint declaration, and closes as Cancel.
TEST(Imputaciones, CadaDialogoSeAbreEnUnaVentana) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion({}, marco::kBotonContinuar);
  RegistrarDlgDetallesTitular();
  RegistrarDlgImputaciones();
  RegistrarDlgPequenosTitular();
  const std::string_view nombres[] = {
      kVentanaModalidadID,         kVentanaObrasMinusvalidos,    kVentanaImportesTitular,
      kVentanaTransparenciaFiscal, kVentanaConservacionPatrimonio, kVentanaCantidadesTitular,
      kVentanaTransparenciaFiscal2, kVentanaImporteEstudios,      kVentanaImputacionIIC,
      kVentanaPagosArrendamiento,  kVentanaImputacionOtros,      kVentanaAcogimientoMayores,
      kVentanaMinusvalidosAutonomica, kVentanaCustodiaHijos,     kVentanaConveniosColaboracion,
      kVentanaAyudasVivienda,      kVentanaMinusvalidosMayores,  kVentanaFamiliaNumerosa,
      kVentanaDobleImposicionTransparencia};
  for (const std::string_view nombre : nombres) {
    for (const int sujeto : {1, 2}) {
      SCOPED_TRACE(std::string(nombre) + " " + std::to_string(sujeto));
      const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(nombre);
      ASSERT_NE(dialogo, nullptr);
      EXPECT_NE(marco::NumeroDialogoDetalle(nombre), -1);
      std::vector<unsigned char> bloque(dialogo->tamanoBloque, 0);
      marco::SPeticionDetalle p;
      p.titulo = "Prueba";
      p.primerParametro = 1;
      p.sujeto = sujeto;
      p.conyugeOPrimerHijo = sujeto == 1 ? 0 : 1;
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
      EXPECT_EQ(bloque, std::vector<unsigned char>(dialogo->tamanoBloque, 0));
    }
  }
}

}  // namespace
}  // namespace dialogos
