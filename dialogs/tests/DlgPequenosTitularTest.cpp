// The small per-holder details on simulated controls: the common persons of a unit without both spouses, the joint
// count of the regional deduction, the large-family answer and its children count, the collaboration agreements
// seen by one member, the marks per person and the blocks handed back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialogs/CamposDetalle.h"
#include "dialogs/DlgPequenosTitular.h"
#include "DialogoPrueba.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, true}; }

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(int tipoUnidad = 1, bool hijos = true, marco::SEntornoDialogo entorno = Familia())
      : pruebas::SDialogoSimulado<TDialogo>(entorno) {
    this->dlg.PonerColumnaConyuge(entorno.HayConyugeOHijo() ? 1 : 0);
    this->dlg.m_nTipoUnidad = tipoUnidad;
    this->dlg.m_bHijos = hijos;
  }
  void Recibir(std::vector<unsigned char> bloque) { ASSERT_TRUE(this->dlg.Recibir(bloque)); }
};

std::vector<unsigned char> Bloque(std::size_t tamano, std::initializer_list<double> dobles) {
  std::vector<unsigned char> bloque(tamano, 0);
  std::size_t desp = 0;
  for (double v : dobles) {
    std::memcpy(bloque.data() + desp, &v, sizeof v);
    desp += 8;
  }
  return bloque;
}

TEST(PequenosTitular, ComunesSoloEnUnaUnidadConAmbosConyuges) {
  struct SCaso {
    int tipoUnidad;
    const char* comunes;
    bool acepta;
  };
  for (const SCaso c : {SCaso{1, "1", true}, SCaso{2, "0", true}, SCaso{2, "", true}}) {
    SCOPED_TRACE(std::to_string(c.tipoUnidad) + " " + c.comunes);
    CGuionMensajes guion;
    SDialogo<CDlgAcogimientoMayores> d(c.tipoUnidad);
    d.Abrir();
    EXPECT_EQ(d.v.Habilitado(CDlgAcogimientoMayores::kIdComunes), c.tipoUnidad == 1);
    if (c.tipoUnidad == 1) d.Teclear(CDlgAcogimientoMayores::kIdComunes, c.comunes);
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  }
  // A count stored before the unit lost its spouse cannot be confirmed.
  {
    CGuionMensajes guion;
    SDialogo<CDlgAcogimientoMayores> d(2);
    d.Recibir(Bloque(24, {1, 1, 0}));
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R152"});
  }
  {
    CGuionMensajes guion;
    SDialogo<CDlgMinusvalidosAutonomica> d(3, false);
    d.Recibir(Bloque(48, {0.5, 1, 0, 0, 0, 0}));
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R148"});
    EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
  }
}

TEST(PequenosTitular, AcogimientoDeUnMiembroNoSeConfirma) {
  CGuionMensajes guion;
  SDialogo<CDlgAcogimientoMayores> d(1, true, Familia(3));
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(marco::kIdAceptar));
  EXPECT_FALSE(d.v.Habilitado(CDlgAcogimientoMayores::kIdDeclarante));
}

TEST(PequenosTitular, MinusvalidosAutonomicaSumaLaConjuntaSinLosHijos) {
  CGuionMensajes guion;
  SDialogo<CDlgMinusvalidosAutonomica> d(1, true);
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(CDlgMinusvalidosAutonomica::kIdHijo1));
  EXPECT_TRUE(d.v.Habilitado(CDlgMinusvalidosAutonomica::kIdConjunta));
  d.Teclear(CDlgMinusvalidosAutonomica::kIdHijo1, "2");
  d.v.Enfocar(CDlgMinusvalidosAutonomica::kIdDeclarante);
  EXPECT_EQ(d.v.Texto(CDlgMinusvalidosAutonomica::kIdConjunta), "");
  d.v.Escribir(CDlgMinusvalidosAutonomica::kIdDeclarante, "1");
  d.Teclear(CDlgMinusvalidosAutonomica::kIdComunes, "1,5");
  d.v.Enfocar(CDlgMinusvalidosAutonomica::kIdConyuge);
  EXPECT_DOUBLE_EQ(d.dlg.Doble(40), 2.5);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(d.dlg.DobleRecibido(24), 2.0);
  EXPECT_DOUBLE_EQ(d.dlg.DobleRecibido(40), 2.5);
}

TEST(PequenosTitular, MinusvalidosAutonomicaSinConyugeNiHijosNoSuma) {
  CGuionMensajes guion;
  SDialogo<CDlgMinusvalidosAutonomica> d(2, false);
  d.Abrir();
  for (int id : {CDlgMinusvalidosAutonomica::kIdComunes, CDlgMinusvalidosAutonomica::kIdConyuge,
                 CDlgMinusvalidosAutonomica::kIdHijo1, CDlgMinusvalidosAutonomica::kIdHijo2,
                 CDlgMinusvalidosAutonomica::kIdConjunta}) {
    EXPECT_FALSE(d.v.Habilitado(id)) << id;
  }
  d.Teclear(CDlgMinusvalidosAutonomica::kIdDeclarante, "1");
  d.v.Enfocar(marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(d.dlg.Doble(40), 0.0);
  // A count above the field's one whole digit is not taken.
  d.Teclear(CDlgMinusvalidosAutonomica::kIdDeclarante, "12");
  d.v.Enfocar(marco::kIdAceptar);
  EXPECT_DOUBLE_EQ(d.dlg.Doble(8), 1.0);
}

TEST(PequenosTitular, FamiliaNumerosaElNoBorraLosHijos) {
  CGuionMensajes guion;
  std::vector<unsigned char> bloque = Bloque(16, {0, 3});
  bloque[0] = kSiNoSinContestar;
  SDialogo<CDlgFamiliaNumerosa> d;
  d.Recibir(bloque);
  d.Abrir();
  // Not answered: closed on opening, open once the answer is left.
  EXPECT_FALSE(d.v.Habilitado(CDlgFamiliaNumerosa::kIdHijos));
  d.v.Enfocar(CDlgFamiliaNumerosa::kIdFamiliaNumerosa);
  d.v.Enfocar(marco::kIdAceptar);
  EXPECT_TRUE(d.v.Habilitado(CDlgFamiliaNumerosa::kIdHijos));
  // "S" takes the focus to the count when the answer is left.
  d.v.Enfocar(CDlgFamiliaNumerosa::kIdFamiliaNumerosa);
  d.v.Teclear(CDlgFamiliaNumerosa::kIdFamiliaNumerosa, "S");
  EXPECT_EQ(d.v.Texto(CDlgFamiliaNumerosa::kIdFamiliaNumerosa), "SI");
  d.v.Enfocar(marco::kIdAceptar);
  EXPECT_EQ(d.v.FocoActual(), CDlgFamiliaNumerosa::kIdHijos);
  // "N" clears the count and closes it.
  d.v.Enfocar(CDlgFamiliaNumerosa::kIdFamiliaNumerosa);
  d.v.Teclear(CDlgFamiliaNumerosa::kIdFamiliaNumerosa, "n");
  EXPECT_FALSE(d.v.Habilitado(CDlgFamiliaNumerosa::kIdHijos));
  EXPECT_EQ(d.v.Texto(CDlgFamiliaNumerosa::kIdHijos), "");
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  d.dlg.Devolver(bloque);
  EXPECT_EQ(bloque[0], kMarcaNo);
  EXPECT_EQ(bloque, Bloque(16, {0, 0}));
}

TEST(PequenosTitular, ConveniosVistosPorUnMiembro) {
  struct SCaso {
    int sujeto;
    const char* declarante;
    const char* conyuge;
  };
  for (const SCaso c : {SCaso{2, "100", ""}, SCaso{3, "200", ""}, SCaso{4, "", ""}, SCaso{5, "", ""}}) {
    SCOPED_TRACE(c.sujeto);
    CGuionMensajes guion;
    SDialogo<CDlgConveniosColaboracion> d(1, true, Familia(c.sujeto));
    d.Recibir(Bloque(16, {100, 200}));
    d.Abrir();
    EXPECT_EQ(d.v.Texto(CDlgConveniosColaboracion::kIdDeclarante), c.declarante);
    EXPECT_EQ(d.v.Texto(CDlgConveniosColaboracion::kIdConyuge), c.conyuge);
    EXPECT_FALSE(d.v.Habilitado(marco::kIdAceptar));
    EXPECT_FALSE(d.v.Habilitado(CDlgConveniosColaboracion::kIdDeclarante));
  }
  // The declarant alone: no spouse amount.
  CGuionMensajes guion;
  SDialogo<CDlgConveniosColaboracion> d(2, false, {2, false, false, false});
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(CDlgConveniosColaboracion::kIdDeclarante));
  EXPECT_FALSE(d.v.Habilitado(CDlgConveniosColaboracion::kIdConyuge));
  EXPECT_TRUE(d.v.Habilitado(marco::kIdAceptar));
}

TEST(PequenosTitular, MarcasPorPersona) {
  CGuionMensajes guion;
  {
    SDialogo<CDlgAyudasVivienda> d(2);
    d.Abrir();
    EXPECT_FALSE(d.v.Habilitado(CDlgAyudasVivienda::kIdConyuge));
    d.v.Enfocar(CDlgAyudasVivienda::kIdDeclarante);
    d.v.Teclear(CDlgAyudasVivienda::kIdDeclarante, "X");
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_EQ(d.dlg.OctetoRecibido(0), 1);
    EXPECT_EQ(d.dlg.OctetoRecibido(1), 0);
  }
  for (const auto& [tipo, inicio] : std::vector<std::pair<int, std::string>>{
           {9, "Si como criterio"}, {10, "S\xF3lo para titulares"}, {0, "Si el declarante"}}) {
    SDialogo<CDlgMinusvalidosMayores> d;
    d.dlg.PonerParametro(tipo);
    d.Abrir();
    EXPECT_EQ(d.v.Texto(CDlgMinusvalidosMayores::kIdPregunta).rfind(inicio, 0), 0u) << tipo;
    EXPECT_TRUE(d.v.Habilitado(CDlgMinusvalidosMayores::kIdConyuge));
  }
}

TEST(PequenosTitular, DobleImposicionDevuelveLosDosImportes) {
  CGuionMensajes guion;
  SDialogo<CDlgDobleImposicion> d;
  d.Abrir();
  d.Teclear(CDlgDobleImposicion::kIdBase, "10000");
  d.Teclear(CDlgDobleImposicion::kIdDeduccion, "4000");
  d.v.Enfocar(marco::kIdAceptar);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  std::vector<unsigned char> bloque(16, 0);
  d.dlg.Devolver(bloque);
  EXPECT_EQ(bloque, Bloque(16, {10000, 4000}));
  // Read-only for a member of a joint declaration, and nothing goes back.
  SDialogo<CDlgDobleImposicion> m(1, true, Familia(2));
  m.Recibir(Bloque(16, {5, 6}));
  m.Abrir();
  EXPECT_FALSE(m.v.Habilitado(CDlgDobleImposicion::kIdBase));
  EXPECT_EQ(m.Aceptar(), marco::kIdCancelar);
}

TEST(PequenosTitular, RegistradosConElTamanoDeSuBloque) {
  RegistrarDlgPequenosTitular();
  const std::pair<std::string_view, std::size_t> nombres[] = {
      {kVentanaAcogimientoMayores, 24}, {kVentanaMinusvalidosAutonomica, 48}, {kVentanaCustodiaHijos, 24},
      {kVentanaConveniosColaboracion, 16}, {kVentanaAyudasVivienda, 2},        {kVentanaMinusvalidosMayores, 2},
      {kVentanaFamiliaNumerosa, 16},    {kVentanaDobleImposicionTransparencia, 16}};
  for (const auto& [nombre, tamano] : nombres) {
    const marco::SDialogoDetalle* d = marco::BuscarDialogoDetalle(nombre);
    ASSERT_NE(d, nullptr) << nombre;
    EXPECT_EQ(d->tamanoBloque, tamano) << nombre;
    EXPECT_NE(marco::NumeroDialogoDetalle(nombre), -1) << nombre;
    std::vector<unsigned char> corto(tamano + 1, 0);
    marco::SPeticionDetalle p;
    p.bloque = corto;
    EXPECT_EQ(d->abrir(p), marco::kDialogoCancelado) << nombre;
  }
}

}  // namespace
}  // namespace dialogos
