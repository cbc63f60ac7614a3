// The module entry dialogs on simulated controls: the quantity each computes from the facts typed, the days taken
// from the activity when left empty, the checks of days and hours with their coded messages, and the lock of a
// member's view.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "activities/DlgModulos.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace actividades {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int k1524 = 1524;

// A dialog open on simulated controls for the family unit of a declaration without spouse or children.
template <typename T>
struct SAbierto {
  explicit SAbierto(marco::SEntornoDialogo entorno = {1, false, false, false}) : v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    dlg.PonerCodigoSujeto(entorno.sujetoActual);
  }
  void Abrir() { v.Abrir(dlg); }
  // Types a text into a field and leaves it for `siguiente`.
  void Poner(int id, std::string_view texto, int siguiente) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(siguiente);
  }
  T dlg;
  CControlesSimulados v;
};

TEST(DlgModulos, PersonalAsalariadoEnUnoYDosAnios) {
  SAbierto<CDlgModuloAsalariados> uno;
  uno.dlg.m_entrada.detalle[5] = 77.0;  // detail of another dialog
  uno.dlg.m_entrada.dias = 120.0;
  uno.Abrir();
  EXPECT_EQ(uno.v.Texto(k1524 + 2), "1.800");  // the agreement's hours default to 1,800
  EXPECT_EQ(uno.dlg.m_entrada.detalle[5], 0.0);
  EXPECT_EQ(uno.dlg.m_entrada.dias, 0.0);
  uno.Poner(k1524, "1800", k1524 + 1);
  uno.Poner(k1524 + 1, "1000", k1524);
  EXPECT_DOUBLE_EQ(uno.dlg.m_entrada.cantidad, (1000.0 * 0.6 + 1800.0) / 1800.0);  // not cut
  uno.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(uno.v.ResultadoVentana(), marco::kIdAceptar);

  SAbierto<CDlgModuloAsalariados2> dos;
  dos.dlg.m_entrada.detalle[3] = 500.0;  // the 1998 column stays and takes no part
  dos.Abrir();
  EXPECT_EQ(dos.v.Texto(k1524 + 5), "1.800");
  dos.Poner(k1524, "1800", k1524 + 1);
  dos.Poner(k1524 + 1, "1000", k1524 + 2);
  dos.Poner(k1524 + 2, "0", k1524);  // an agreement of 0 hours counts as 1,800
  EXPECT_DOUBLE_EQ(dos.dlg.m_entrada.cantidad, 1.33);
  EXPECT_EQ(dos.dlg.m_entrada.detalle[2], 1800.0);
  EXPECT_EQ(dos.dlg.m_entrada.detalle[3], 500.0);
}

TEST(DlgModulos, UnidadesPorDias) {
  struct SCaso {
    double diasActividad;
    std::string unidades;
    double dias;
    double cantidad;
  };
  const SCaso casos[] = {
      {0.0, "2", 365.0, 2.00},
      {100.0, "2", 100.0, 0.54},  // 2 x 100 / 365 = 0.5479..., cut
      {0.0, "1,5", 365.0, 1.50},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.unidades + " " + std::to_string(c.diasActividad));
    SAbierto<CDlgModuloUnidades> d;
    d.dlg.m_strEtiqueta1 = "KWS";
    d.dlg.m_entrada.dias = c.diasActividad;
    d.Abrir();
    EXPECT_EQ(d.v.Texto(kIdEtiquetaUnidades), "KWS");
    d.Poner(k1524, c.unidades, k1524 + 2);
    EXPECT_DOUBLE_EQ(d.dlg.m_entrada.detalle[1], c.dias);
    EXPECT_DOUBLE_EQ(d.dlg.m_entrada.cantidad, c.cantidad);
  }
  // Places take their days only for a positive count; a second row adds up.
  SAbierto<CDlgModuloPlazas> p;
  p.Abrir();
  p.Poner(k1524, "10", k1524 + 2);
  p.Poner(k1524 + 2, "4", k1524 + 3);
  p.Poner(k1524 + 3, "73", k1524);
  EXPECT_DOUBLE_EQ(p.dlg.m_entrada.cantidad, 10.8);  // 10 + 4 x 73 / 365
  EXPECT_EQ(p.dlg.IdTotal(), 1532);
}

TEST(DlgModulos, DiasFueraDeLimiteAvisan) {
  struct SCaso {
    double diasActividad;
    std::string dias;
    bool aviso;
  };
  const SCaso casos[] = {{0.0, "366", true}, {150.0, "200", true}, {150.0, "150", false}, {0.0, "365", false}};
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.dias);
    CGuionMensajes guion;
    SAbierto<CDlgModuloUnidades> d;
    d.dlg.m_entrada.dias = c.diasActividad;
    d.Abrir();
    d.Poner(k1524, "1", k1524 + 2);
    d.v.Enfocar(k1524 + 1);
    d.v.Escribir(k1524 + 1, c.dias);
    d.v.Enfocar(k1524 + 2);
    EXPECT_EQ(guion.Veces("100M004"), c.aviso ? 1 : 0);
    if (c.aviso) {
      EXPECT_EQ(guion.Mensajes().back().icono, marco::IconoMano);
      EXPECT_EQ(d.v.FocoActual(), k1524 + 1);
    }
  }
}

TEST(DlgModulos, MesasYAsientos) {
  SAbierto<CDlgModuloMesas> m;
  m.Abrir();
  EXPECT_EQ(m.v.Texto(kIdEtiquetaMesas1), "CAPACIDAD");
  m.Poner(k1524, "6", k1524 + 1);
  m.Poner(k1524 + 1, "10", k1524 + 3);  // tables of the row: the days come
  EXPECT_DOUBLE_EQ(m.dlg.m_entrada.detalle[2], 365.0);
  EXPECT_DOUBLE_EQ(m.dlg.m_entrada.cantidad, 15.0);
  EXPECT_EQ(m.dlg.IdTotal(), 1536);

  SAbierto<CDlgModuloAsientos> a;
  a.dlg.m_strEtiqueta1 = "ASIENTOS NACIONAL";
  a.dlg.m_strEtiqueta2 = "ASIENTOS RESTO";
  a.dlg.m_entrada.dias = 73.0;
  a.Abrir();
  EXPECT_EQ(a.v.Texto(kIdEtiquetaMesas2), "ASIENTOS RESTO");
  a.Poner(k1524 + 1, "20", k1524 + 3);  // only the other seats
  EXPECT_DOUBLE_EQ(a.dlg.m_entrada.detalle[2], 73.0);
  a.Poner(k1524, "5", k1524 + 3);
  EXPECT_DOUBLE_EQ(a.dlg.m_entrada.cantidad, 5.0);  // (5 + 20) x 73 / 365
}

TEST(DlgModulos, PersonalNoAsalariado) {
  struct SCaso {
    double participacion;
    double maximo;
    std::string titular;
    std::string conyuge;
    std::string hijos;
    double cantidad;
  };
  const SCaso casos[] = {
      {0.0, 1.0, "1800", "900", "300", 1.33},  // one-man business: the others count half
      {0.0, 2.0, "1800", "900", "300", 1.66},
      {0.0, 1.0, "1000", "900", "300", 1.22},  // the holder under 1,800 hours: the others count whole
      {50.0, 1.0, "2000", "0", "0", 1.11},     // through an entity the hours are not capped
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.titular + "/" + std::to_string(c.maximo));
    CGuionMensajes guion;
    SAbierto<CDlgModuloNoAsalariados> d;
    d.dlg.m_dParticipacion = c.participacion;
    d.dlg.m_dMaximoEmpleados = c.maximo;
    d.dlg.m_presentes = {1, 1, 1, 0, 0};
    d.Abrir();
    d.Poner(k1524, c.titular, k1524 + 1);
    d.Poner(k1524 + 1, c.conyuge, k1524 + 2);
    d.Poner(k1524 + 2, c.hijos, k1524);
    EXPECT_DOUBLE_EQ(d.dlg.m_entrada.cantidad, c.cantidad);
    EXPECT_TRUE(guion.Codigos().empty());
  }
}

TEST(DlgModulos, NoAsalariadoSinEntidadNoPasaDe1800Horas) {
  CGuionMensajes guion;
  SAbierto<CDlgModuloNoAsalariados> d;
  d.dlg.m_presentes = {1, 1, 0, 0, 0};  // no spouse
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(k1524 + 1));
  EXPECT_EQ(d.v.Texto(kIdNotaModulo), "Compute como m\xE1ximo 1.800 horas por persona");
  d.v.Enfocar(k1524);
  EXPECT_EQ(d.v.Texto(kIdNotaModulo), "");
  d.v.Escribir(k1524, "2000");
  d.v.Enfocar(k1524 + 2);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN041"});
  EXPECT_EQ(d.dlg.m_entrada.detalle[0], 0.0);
  EXPECT_EQ(d.v.FocoActual(), k1524);
  EXPECT_EQ(d.v.Texto(k1524), "");
}

TEST(DlgModulos, VistaDeUnMiembroNoDevuelveNada) {
  SAbierto<CDlgModuloUnidades> d({2, true, false, false});
  d.dlg.m_entrada.cantidad = 3.0;
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(k1524));
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_EQ(d.dlg.m_entrada.cantidad, 3.0);
}

TEST(DlgModulos, NegativosYTextosQueNoSonNumerosNoEntran) {
  SAbierto<CDlgModuloUnidades> d;
  d.Abrir();
  d.Poner(k1524, "3", k1524 + 2);
  d.Poner(k1524, "-4", k1524 + 2);
  EXPECT_DOUBLE_EQ(d.dlg.m_entrada.detalle[0], 3.0);
  EXPECT_EQ(d.v.Texto(k1524), "3");
}

TEST(DlgModulos, CadaModuloTieneSuDialogo) {
  struct SCaso {
    int modulo;
    std::uint8_t aumento;
    int recurso;  // 0: none
    std::string etiqueta;
  };
  const SCaso casos[] = {
      {1, 0, 180, ""},       {15, 1, 184, ""},      {16, 1, 184, ""},       {16, 2, 180, ""},
      {2, 0, 185, ""},       {4, 0, 183, ""},       {5, 0, 181, "METROS"},  {7, 0, 181, "NUMERO"},
      {8, 0, 181, "KWS"},    {13, 0, 181, "KGS"},   {14, 0, 181, "DM2"},    {20, 0, 182, "PLAZAS"},
      {21, 0, 183, ""},      {23, 0, 181, "TM"},    {24, 0, 181, "CVF"},    {25, 0, 181, "NUMERO"},
      {22, 0, 0, ""},        {3, 0, 0, ""},         {57, 0, 0, ""},         {-1, 0, 0, ""},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.modulo);
    const std::unique_ptr<CDlgModulo> dlg = CrearDialogoModulo(c.modulo, c.aumento);
    if (c.recurso == 0) {
      EXPECT_EQ(dlg, nullptr);
      continue;
    }
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->IdRecurso(), c.recurso);
    if (auto* dias = dynamic_cast<CDlgModuloDias*>(dlg.get()); dias != nullptr && !c.etiqueta.empty()) {
      EXPECT_EQ(dias->m_strEtiqueta1, c.etiqueta);
    }
  }
  EXPECT_NE(dynamic_cast<CDlgModuloAsientos*>(CrearDialogoModulo(21, 0).get()), nullptr);
}

}  // namespace
}  // namespace actividades
