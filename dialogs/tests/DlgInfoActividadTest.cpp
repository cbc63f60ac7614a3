// The activity information dialogs on simulated controls: the boxes each variant offers, the checks when a box is
// left (percentage, seasonal days, start year and the notice on new activities, municipality), the load box that
// follows the number of vehicles, the data OK requires, the locked view of one member, and dialog 192 of the
// agricultural activities. The run through the registry takes the copy back only on OK.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DlgInfoActividad.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

namespace ai = actividades;
using marco::CControlesSimulados;
using marco::CGuionMensajes;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, false}; }

template <typename TDialogo>
struct SAbierto {
  template <typename... A>
  explicit SAbierto(marco::SEntornoDialogo entorno, A&&... args) : dlg(nullptr, std::forward<A>(args)...), v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    dlg.PonerCodigoSujeto(entorno.sujetoActual);
    dlg.PonerColumnaConyuge(entorno.HayConyugeOHijo() ? 1 : 0);
  }
  void Abrir() { v.Abrir(dlg); }
  // Types a value into a box and leaves it for `siguiente`.
  void Poner(int id, std::string_view texto, int siguiente) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(siguiente);
  }
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  TDialogo dlg;
  CControlesSimulados v;
};

using SModulos = SAbierto<CDlgInfoActividadModulos>;


TEST(InfoActividad, CadaVarianteMuestraSusCajas) {
  struct SCaso {
    ai::EVarianteInfo variante;
    bool local, vehiculos, municipio;
  };
  for (const SCaso c : {SCaso{ai::EVarianteInfo::A, true, true, true}, SCaso{ai::EVarianteInfo::B, false, true, false},
                        SCaso{ai::EVarianteInfo::C, false, false, true}, SCaso{ai::EVarianteInfo::D, true, true, true}}) {
    SCOPED_TRACE(static_cast<int>(c.variante));
    CDlgInfoActividadModulos dlg(nullptr, c.variante);
    EXPECT_EQ(dlg.IdRecurso(), static_cast<int>(c.variante));
    EXPECT_EQ(dlg.Plantilla().Control(ai::kIdLocal) != nullptr, c.local);
    EXPECT_EQ(dlg.Plantilla().Control(ai::kIdCarga) != nullptr, c.local);
    EXPECT_EQ(dlg.Plantilla().Control(ai::kIdVehiculos) != nullptr, c.vehiculos);
    EXPECT_EQ(dlg.Plantilla().Control(ai::kIdMunicipio) != nullptr, c.municipio);
    EXPECT_TRUE(dlg.Estrellada(kIdEmpleados));
    EXPECT_FALSE(dlg.Estrellada(ai::kIdPorcentaje));
  }
}

TEST(InfoActividad, ElPorcentajeAbreElNifYSinNifNoSeAcepta) {
  CGuionMensajes guion;
  SModulos d(Familia(), ai::EVarianteInfo::B);
  d.dlg.m_datos.vehiculos = 1;
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(ai::kIdNif));
  d.v.Enfocar(ai::kIdPorcentaje);
  d.v.Escribir(ai::kIdPorcentaje, "50");
  EXPECT_TRUE(d.v.Habilitado(ai::kIdNif));
  d.v.Enfocar(ai::kIdDias);
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100M009"});
  EXPECT_EQ(d.v.FocoActual(), ai::kIdNif);
  // A percentage of 100 is refused and kept with the focus; 0 empties and closes the tax id.
  d.Poner(ai::kIdPorcentaje, "100", ai::kIdDias);
  EXPECT_EQ(guion.Codigos().back(), "100R072");
  EXPECT_EQ(d.v.FocoActual(), ai::kIdPorcentaje);
  std::strcpy(d.dlg.m_datos.nif, "B1");
  d.Poner(ai::kIdPorcentaje, "", ai::kIdDias);
  EXPECT_FALSE(d.v.Habilitado(ai::kIdNif));
  EXPECT_STREQ(d.dlg.m_datos.nif, "");
}

TEST(InfoActividad, DiasAnioYAvisoDeNuevasActividades) {
  CGuionMensajes guion;
  SModulos d(Familia(), ai::EVarianteInfo::A);
  std::vector<int> respuestas{marco::kIdCancelar};
  int avisos = 0;
  d.dlg.PonerAvisoNuevasActividades([&](wxWindow*) {
    ++avisos;
    return respuestas.empty() ? marco::kIdAceptar : respuestas.front();
  });
  d.Abrir();
  d.Poner(ai::kIdDias, "180", ai::kIdAnio);
  EXPECT_TRUE(guion.Codigos().empty());
  d.Poner(ai::kIdDias, "181", ai::kIdAnio);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100M002"});
  EXPECT_EQ(d.dlg.m_datos.dias, 0.0);
  EXPECT_EQ(d.v.FocoActual(), ai::kIdDias);
  // A start year typed in two digits is the full year, and asks the notice: Corregir takes it back.
  d.Poner(ai::kIdAnio, "98", kIdIncremento);
  EXPECT_EQ(avisos, 1);
  EXPECT_EQ(d.dlg.m_datos.anio, 0.0);
  EXPECT_EQ(d.v.FocoActual(), ai::kIdAnio);
  respuestas.clear();
  d.Poner(ai::kIdAnio, "99", kIdIncremento);
  EXPECT_EQ(avisos, 2);
  EXPECT_EQ(d.dlg.m_datos.anio, 1999.0);
  // Another year is refused and kept; a new activity cannot be seasonal.
  d.Poner(ai::kIdAnio, "2000", kIdIncremento);
  EXPECT_EQ(guion.Codigos().back(), "CVANO1");
  EXPECT_EQ(d.dlg.m_datos.anio, 2000.0);
  d.Poner(ai::kIdAnio, "1999", ai::kIdDias);
  d.Poner(ai::kIdDias, "30", ai::kIdAnio);
  EXPECT_EQ(guion.Codigos().back(), "100M003");
  EXPECT_EQ(d.dlg.m_datos.dias, 0.0);
}

TEST(InfoActividad, LaCargaSigueALosVehiculosYElOkPideLosDatos) {
  for (const ai::EVarianteInfo variante : {ai::EVarianteInfo::A, ai::EVarianteInfo::D}) {
    SCOPED_TRACE(static_cast<int>(variante));
    CGuionMensajes guion;
    SModulos d(Familia(), variante);
    d.dlg.m_datos.local = 1;
    d.dlg.m_datos.municipio = 2;
    d.dlg.m_datos.vehiculos = 1;
    d.dlg.m_datos.carga = 0;
    d.Abrir();
    EXPECT_TRUE(d.v.Habilitado(ai::kIdCarga));
    d.Poner(ai::kIdVehiculos, "2", ai::kIdMunicipio);
    EXPECT_FALSE(d.v.Habilitado(ai::kIdCarga));
    EXPECT_EQ(d.dlg.m_datos.carga, 255);
    d.Poner(ai::kIdVehiculos, "1", ai::kIdMunicipio);
    EXPECT_TRUE(d.v.Habilitado(ai::kIdCarga));
    EXPECT_EQ(d.v.Texto(ai::kIdCarga), "");
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100M001"});
    EXPECT_EQ(d.v.FocoActual(), ai::kIdLocal);
    d.v.Enfocar(ai::kIdCarga);
    EXPECT_EQ(d.v.Texto(kIdPistaInfo), std::string(kPistaDatoNecesario));
    d.v.Teclear(ai::kIdCarga, "s");
    EXPECT_EQ(d.dlg.m_datos.carga, 1);
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  }
}

TEST(InfoActividad, ClasesDeMunicipioPorVariante) {
  struct SCaso {
    ai::EVarianteInfo variante;
    const char* texto;
    const char* mensaje;  // empty: accepted
  };
  for (const SCaso c : {SCaso{ai::EVarianteInfo::A, "4", "100R020"}, SCaso{ai::EVarianteInfo::C, "4", "100R020"},
                        SCaso{ai::EVarianteInfo::D, "4", ""}, SCaso{ai::EVarianteInfo::D, "6", "100R021"},
                        SCaso{ai::EVarianteInfo::A, "3", ""}}) {
    SCOPED_TRACE(std::string(c.texto) + " " + std::to_string(static_cast<int>(c.variante)));
    CGuionMensajes guion;
    SModulos d(Familia(), c.variante);
    d.Abrir();
    d.Poner(ai::kIdMunicipio, c.texto, kIdEmpleados);
    if (*c.mensaje == '\0') {
      EXPECT_TRUE(guion.Codigos().empty());
      EXPECT_EQ(d.dlg.m_datos.municipio, std::stod(c.texto));
    } else {
      EXPECT_EQ(guion.Codigos(), std::vector<std::string>{c.mensaje});
      EXPECT_EQ(d.dlg.m_datos.municipio, 0.0);
    }
  }
}

TEST(InfoActividad, CancelarNoCompruebaYUnMiembroNoGuarda) {
  {
    CGuionMensajes guion;
    SModulos d(Familia(), ai::EVarianteInfo::A);
    d.Abrir();
    d.v.Enfocar(ai::kIdDias);
    d.v.Escribir(ai::kIdDias, "500");
    d.v.Enfocar(marco::kIdCancelar);
    EXPECT_TRUE(guion.Codigos().empty());
    d.v.Pulsar(marco::kIdCancelar);
    EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  }
  {
    CGuionMensajes guion;
    SModulos d(Familia(3), ai::EVarianteInfo::A);
    d.Abrir();
    EXPECT_TRUE(d.v.SoloLectura(ai::kIdDias) || !d.v.Habilitado(ai::kIdDias));
    EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  }
}

TEST(InfoActividad, ElRegistroDevuelveLaCopiaSoloConOk) {
  RegistrarDlgInfoActividad();
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaInfoActividad);
  ASSERT_NE(dialogo, nullptr);
  EXPECT_EQ(dialogo->tamanoBloque, ai::kLargoInfoActividad);
  ASSERT_NE(marco::BuscarDialogoDetalle(kVentanaInfoActividadAgraria), nullptr);
  // A block of another size is refused before any window is made.
  marco::SPeticionDetalle p;
  p.primerParametro = 143;
  std::array<unsigned char, 10> corto{};
  p.bloque = corto;
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
}

using SAgraria = SAbierto<CDlgInfoActividad>;

TEST(InfoActividadAgraria, ElTipoCierraCajasYLosPiensosPreguntan) {
  struct SCaso {
    char tipo;
    bool medios, piensos;
  };
  for (const SCaso c : {SCaso{'1', true, true}, SCaso{'2', false, true}, SCaso{'5', false, true},
                        SCaso{'3', false, false}, SCaso{'7', false, false}}) {
    SCOPED_TRACE(c.tipo);
    CGuionMensajes guion;
    SAgraria d(Familia(), c.tipo);
    d.Abrir();
    EXPECT_EQ(d.v.Habilitado(ai::kIdMediosAjenos), c.medios);
    EXPECT_EQ(d.v.Habilitado(ai::kIdPiensos), c.piensos);
    EXPECT_FALSE(d.v.Habilitado(ai::kIdNif));
  }
  {
    CGuionMensajes guion({marco::kBotonCorregir});
    SAgraria d(Familia(), '5');
    d.dlg.m_datos.piensos = 1;
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100I004"});
    guion.Responder(marco::kBotonContinuar);
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  }
  {
    CGuionMensajes guion;
    SAgraria d(Familia(), '2');
    d.dlg.m_datos.piensos = 1;  // kind 2 does not ask
    d.Abrir();
    d.Poner(ai::kIdPorcentajeAgraria, "25", ai::kIdCostePersonal);
    EXPECT_TRUE(d.v.Habilitado(ai::kIdNif));
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100M009"});
  }
}

}  // namespace
}  // namespace dialogos

namespace dialogos {
namespace {

// Dialog 1601: the tick box shows the row's mark and its answer goes back only on OK.
TEST(ActividadSociedad, LaMarcaSeMuestraYVuelveConOk) {
  struct SCaso {
    std::uint8_t recibido;
    bool pulsar;
    int boton;
    std::uint8_t devuelto;
  };
  for (const SCaso c : {SCaso{0, true, marco::kIdAceptar, 1}, SCaso{'X', false, marco::kIdAceptar, 1},
                        SCaso{'x', true, marco::kIdAceptar, 0}, SCaso{1, true, marco::kIdCancelar, 1},
                        SCaso{' ', false, marco::kIdAceptar, 0}}) {
    SCOPED_TRACE(static_cast<int>(c.recibido));
    CGuionMensajes guion;
    CDlgActividadSociedad dlg(nullptr);
    dlg.FijarEntorno(Familia());
    dlg.m_marca = c.recibido;
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    EXPECT_EQ(dlg.Casilla().Texto(), MarcaSociedad(c.recibido) ? "X" : " ");
    if (c.pulsar) {
      dlg.Casilla().AlCaracter(' ');
      v.Notificar(kIdCasillaSociedad, marco::kAvisoValorCambiado);
    }
    v.Pulsar(c.boton);
    EXPECT_EQ(v.ResultadoVentana(), c.boton);
    const std::uint8_t bloque = c.boton == marco::kIdAceptar ? dlg.m_marca : (MarcaSociedad(c.recibido) ? 1 : 0);
    EXPECT_EQ(bloque, c.devuelto);
    EXPECT_TRUE(guion.Codigos().empty());
  }
  RegistrarDlgInfoActividad();
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaActividadSociedad);
  ASSERT_NE(dialogo, nullptr);
  EXPECT_EQ(dialogo->tamanoBloque, 1u);
}

}  // namespace
}  // namespace dialogos
