// The pension-plan detail dialogs on simulated controls: what they show and lock, the typed amounts they take,
// the checks of OK against the yearly maxima and the other table of section J, the disabled person's N.I.F., the
// one-person view, and the launch by window name in a real window.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DeclaracionAbierta.h"
#include "DialogoPrueba.h"
#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgPlanesPensiones.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/Utilidades.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, false, false}; }

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(std::uint8_t titular = 2, marco::SEntornoDialogo entorno = Familia())
      : pruebas::SDialogoSimulado<TDialogo>(entorno) {
    this->dlg.m_titular = titular;
    this->dlg.m_personas.anioDeclarante = 1934;
    this->dlg.m_personas.anioConyuge = 1947;
    this->dlg.m_personas.grados = {65.0, 64.0, 0.0, 0.0};
  }
};
using SGeneral = SDialogo<CDlgPlanesPensiones>;
using SMinusvalidos = SDialogo<CDlgPlanesMinusvalidos>;

void PonerNif(SBloquePlanMinusvalido& b, const char* nif) { std::strncpy(b.nif, nif, 9); }

TEST(DlgPlanesPensiones, AbreConElBloqueYElPromotorSoloVisible) {
  SGeneral d;
  d.dlg.m_recibido = {1000.0, 250000.0, std::nan("")};
  d.Abrir();
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "PLANES DE PENSIONES Y MUTUALIDADES. R\xC9GIMEN GENERAL");
  EXPECT_EQ(d.v.Texto(kIdPlan1397), "1.000");
  EXPECT_EQ(d.v.Texto(kIdPlan1401), "250.000");
  // A damaged amount reads as nothing.
  EXPECT_EQ(d.v.Texto(kIdPlan1404), "");
  EXPECT_DOUBLE_EQ(d.dlg.Copia().participe, 0.0);
  EXPECT_FALSE(d.v.Habilitado(kIdPlan1401));
  EXPECT_TRUE(d.v.Habilitado(kIdPlan1404));
  EXPECT_TRUE(d.v.Habilitado(marco::kIdAceptar));
  d.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(d.v.Ayudas(), std::vector<int>{kAyudaPlanesPensiones});

  SMinusvalidos m;
  m.Abrir();
  EXPECT_FALSE(m.v.Habilitado(kIdPlan1397));
  EXPECT_TRUE(m.v.Habilitado(kIdPlan1401));
  m.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(m.v.Ayudas(), std::vector<int>{kAyudaPlanesMinusvalidos});
}

TEST(DlgPlanesPensiones, SoloTomaPesetasEnteras) {
  struct SCaso {
    const char* texto;
    const char* mostrado;
  };
  const SCaso casos[] = {{"2500", "2.500"}, {"12,5", "1.000"},       {"-3", "1.000"},
                         {"abc", "1.000"},  {"99999999999", "1.000"}, {"", ""}};
  for (const SCaso& c : casos) {
    CGuionMensajes guion;
    SGeneral d;
    d.dlg.m_recibido.participe = 1000.0;
    d.Abrir();
    d.v.Enfocar(kIdPlan1404);
    d.v.Escribir(kIdPlan1404, c.texto);
    d.v.Enfocar(kIdPlan1397);
    EXPECT_EQ(d.v.Texto(kIdPlan1404), c.mostrado) << c.texto;
    // Past the field's room the overflow message says so, as a box of a page does.
    EXPECT_EQ(guion.Codigos(), std::string_view(c.texto) == "99999999999" ? std::vector<std::string>{"WIN032"}
                                                                          : std::vector<std::string>{})
        << c.texto;
  }
}

TEST(DlgPlanesPensiones, MaximoPorAnioYPorPersona) {
  struct SCaso {
    std::uint8_t titular;
    int anio;  // of the holder
    double promotor;
    double participe;
    SPlanesPorPersona otros;
    bool falla;
  };
  const SCaso casos[] = {
      {2, 1934, 0.0, 2200000.0, {}, false},
      {2, 1947, 0.0, 1100000.0, {}, false},
      {2, 1947, 0.0, 1100001.0, {}, true},
      {3, 1947, 600000.0, 500001.0, {}, true},  // the promoter counts too
      {3, 1940, 0.0, 1692308.0, {}, false},
      {2, 1934, 0.0, 1000000.0, {1200000.0, 0.0}, false},
      {2, 1934, 0.0, 1000000.0, {1200001.0, 0.0}, true},
      {3, 1934, 0.0, 100.0, {2200001.0, 0.0}, true},  // either person's sum
      {3, 1934, 0.0, 1000000.0, {1200000.0, 1200001.0}, true},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion;
    SGeneral d(c.titular);
    (c.titular == 2 ? d.dlg.m_personas.anioDeclarante : d.dlg.m_personas.anioConyuge) = c.anio;
    d.dlg.m_recibido = {0.0, c.promotor, c.participe};
    d.dlg.m_otrosPlanes = c.otros;
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), c.falla ? 0 : marco::kIdAceptar) << c.anio << " " << c.participe;
    EXPECT_EQ(guion.Codigos(), c.falla ? std::vector<std::string>{"100R147"} : std::vector<std::string>{});
    if (c.falla) {
      EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
    }
  }
}

TEST(DlgPlanesPensiones, OkDevuelveLoEscritoYCancelarNada) {
  {
    SGeneral d;
    d.dlg.m_recibido = {5.0, 10.0, 20.0};
    d.Abrir();
    d.v.Enfocar(kIdPlan1404);
    d.v.Escribir(kIdPlan1404, "300000");
    // OK stores the field still being edited.
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido.participe, 300000.0);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido.promotor, 10.0);
  }
  {
    SGeneral d;
    d.dlg.m_recibido = {5.0, 10.0, 20.0};
    d.Abrir();
    d.v.Enfocar(kIdPlan1404);
    d.v.Escribir(kIdPlan1404, "300000");
    d.v.Enfocar(kIdPlan1397);
    d.v.Pulsar(marco::kIdCancelar);
    EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido.participe, 20.0);
  }
}

TEST(DlgPlanesMinusvalidos, CadaComprobacionEnSuOrden) {
  struct SCaso {
    std::uint8_t titular;
    double promotor;
    double propias;
    double parientes;
    const char* nif;
    SPlanesPorPersona generales;
    std::vector<std::string> codigos;  // shown, in order; empty: passes
    int respuesta = marco::kBotonCorregir;
    bool queda = true;
  };
  const std::vector<SCaso> casos = {
      {2, 0.0, 2200000.0, 0.0, "", {}, {}},
      {2, 0.0, 2200001.0, 0.0, "", {}, {"100R147"}},
      {2, 200000.0, 2000001.0, 0.0, "", {}, {"100R147"}},
      {2, 0.0, 0.0, 1100001.0, "12345678Z", {}, {"100R147"}},
      {2, 0.0, 0.0, 1100000.0, "12345678Z", {}, {}},
      // Own payments beside relatives' payments: the warning first.
      {2, 0.0, 1.0, 1.0, "12345678Z", {}, {"100V138"}},
      {2, 0.0, 1.0, 1.0, "12345678Z", {}, {"100V138"}, marco::kBotonContinuar, false},
      {2, 0.0, 1.0, 1100001.0, "12345678Z", {}, {"100V138", "100R147"}, marco::kBotonContinuar},
      // The spouse's degree is 64.
      {3, 0.0, 1.0, 0.0, "", {}, {"100R157"}},
      {3, 1.0, 0.0, 0.0, "", {}, {"100R157"}},
      {3, 0.0, 0.0, 0.0, "", {}, {}},
      {2, 0.0, 200001.0, 0.0, "", {2000000.0, 0.0}, {"100R147"}},
      {2, 0.0, 200000.0, 0.0, "", {2000000.0, 0.0}, {}},
      {2, 0.0, 0.0, 1000.0, "", {}, {"100R199"}},
      {2, 0.0, 0.0, 1000.0, "         ", {}, {"100R199"}},
      {2, 0.0, 0.0, 1000.0, "", {}, {"100R199"}, marco::kBotonContinuar, false},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion({}, c.respuesta);
    SMinusvalidos d(c.titular);
    d.dlg.m_recibido.promotor = c.promotor;
    d.dlg.m_recibido.propias = c.propias;
    d.dlg.m_recibido.parientes = c.parientes;
    PonerNif(d.dlg.m_recibido, c.nif);
    d.dlg.m_otrosPlanes = c.generales;
    d.Abrir();
    const bool pasa = c.codigos.empty() || !c.queda;
    const std::string primero = c.codigos.empty() ? "" : c.codigos[0];
    EXPECT_EQ(d.Aceptar(), pasa ? marco::kIdAceptar : 0) << primero << " " << c.propias;
    ASSERT_EQ(guion.Codigos(), c.codigos) << primero;
    for (std::size_t i = 0; i < c.codigos.size(); ++i) {
      const bool aviso = c.codigos[i] == "100V138" || c.codigos[i] == "100R199";
      EXPECT_EQ(guion.Mensajes()[i].icono, aviso ? marco::IconoAsterisco : marco::IconoMano) << c.codigos[i];
    }
    if (primero == "100R199" && c.queda) {
      EXPECT_EQ(d.v.FocoActual(), std::optional<int>(kIdPlanNif));
    }
  }
}

TEST(DlgPlanesMinusvalidos, ElNifSeCompruebaAlSalir) {
  {
    CGuionMensajes guion;
    SMinusvalidos d;
    d.Abrir();
    d.v.Enfocar(kIdPlanNif);
    d.v.Escribir(kIdPlanNif, "12345678z");
    d.v.Enfocar(kIdPlan1401);
    EXPECT_TRUE(guion.Codigos().empty());
    EXPECT_EQ(d.v.Texto(kIdPlanNif), "12345678Z");
    EXPECT_EQ(std::string(d.dlg.Copia().nif), "12345678Z");
  }
  {
    CGuionMensajes guion;
    SMinusvalidos d;
    d.Abrir();
    d.v.Enfocar(kIdPlanNif);
    d.v.Escribir(kIdPlanNif, "12345678A");
    d.v.Enfocar(kIdPlan1401);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"DNIE001"});
    // Cleared, and the focus is back in the box.
    EXPECT_EQ(d.v.Texto(kIdPlanNif), "");
    EXPECT_TRUE(marco::EsBlanco(d.dlg.Copia().nif[0]));
    EXPECT_EQ(d.v.FocoActual(), std::optional<int>(kIdPlanNif));
  }
  {
    // Towards Cancel nothing is checked.
    CGuionMensajes guion;
    SMinusvalidos d;
    d.Abrir();
    d.v.Enfocar(kIdPlanNif);
    d.v.Escribir(kIdPlanNif, "12345678A");
    d.v.Enfocar(marco::kIdCancelar);
    EXPECT_TRUE(guion.Codigos().empty());
  }
  {
    // A received number without its terminator is read as nine characters and handed back terminated.
    CGuionMensajes guion;
    SMinusvalidos d;
    std::memset(d.dlg.m_recibido.nif, 'X', sizeof d.dlg.m_recibido.nif);
    std::memcpy(d.dlg.m_recibido.nif, "12345678Z", 9);
    d.Abrir();
    EXPECT_EQ(d.v.Texto(kIdPlanNif), "12345678Z");
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_EQ(d.dlg.m_recibido.nif[9], '\0');
  }
}

TEST(DlgPlanesMinusvalidos, VistaDeUnMiembroBloqueadaYSinDevolver) {
  CGuionMensajes guion;
  SMinusvalidos d(3, Familia(3));
  d.dlg.m_personas.grados[1] = 70.0;
  d.dlg.m_recibido.propias = 1000.0;
  d.Abrir();
  EXPECT_FALSE(d.v.Habilitado(kIdPlanNif));
  EXPECT_FALSE(d.v.Habilitado(kIdPlan1401));
  EXPECT_FALSE(d.v.Habilitado(kIdPlan1404));
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido.propias, 1000.0);
}

TEST(DlgPlanesPensiones, SumasDeLaOtraTabla) {
  RegApartadoJ j{};
  auto poner = [&j](std::size_t desp, double valor) { std::memcpy(j.octetos + desp, &valor, sizeof valor); };
  // General regime: row 0 the declarant's, row 1 the spouse's.
  j.octetos[0] = 2;
  poner(24, 100.0);
  poner(32, 200.0);
  poner(16, 99999.0);  // the 1998 excess does not count
  j.octetos[48] = 3;
  poner(48 + 24, 1.0);
  poner(48 + 32, std::nan(""));
  // Disabled persons: row 0 common (not a person), row 1 the declarant's.
  j.octetos[136] = 1;
  poner(136 + 32, 5000.0);
  j.octetos[208] = 2;
  poner(208 + 32, 10.0);
  poner(208 + 40, 20.0);
  poner(208 + 48, 77777.0);  // relatives' payments do not count
  const SPlanesPorPersona g = SumarPlanesGenerales(j);
  EXPECT_DOUBLE_EQ(g.declarante, 300.0);
  EXPECT_DOUBLE_EQ(g.conyuge, 1.0);
  const SPlanesPorPersona m = SumarPlanesMinusvalidos(j);
  EXPECT_DOUBLE_EQ(m.declarante, 30.0);
  EXPECT_DOUBLE_EQ(m.conyuge, 0.0);
}

// ---- the launch, in a real window ----

// Only over an open declaration.
TEST(DlgPlanesPensionesVentana, SeAbrePorSuNombreYSoloDevuelveElBloque) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();
  const marco::SDialogoDetalle* general = marco::BuscarDialogoDetalle(kVentanaPlanesPensiones);
  const marco::SDialogoDetalle* minus = marco::BuscarDialogoDetalle(kVentanaPlanesMinusvalidos);
  ASSERT_NE(general, nullptr);
  ASSERT_NE(minus, nullptr);
  EXPECT_EQ(general->tamanoBloque, 40u);
  EXPECT_EQ(minus->tamanoBloque, 56u);

  // The row from its holder byte: holder 2, a byte of the row before the block, then the block.
  std::vector<unsigned char> fila(kTamanoFilaPlanGeneral, 0);
  fila[0] = 2;
  fila[8] = 0x5A;
  const SBloquePlanGeneral bloque{0.0, 1000.0, 0.0};
  std::memcpy(fila.data() + kDespBloquePlan, &bloque, sizeof bloque);
  marco::SPeticionDetalle p;
  p.titulo = "Planes de pensiones";
  p.sujeto = 1;
  p.bloque = fila;

  // The limits take in the declaration's other plans: without an open declaration nothing opens.
  const std::vector<unsigned char> antes = fila;
  EXPECT_EQ(general->abrir(p), marco::kDialogoCancelado);
  EXPECT_EQ(fila, antes);
  renta::pruebas::CDeclaracionAbierta declaracion;

  bool visto = false;
  wxTheApp->CallAfter([&] {
    wxWindow* aceptar = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (w->GetLabel() != "Planes de pensiones") continue;
      aceptar = wxWindow::FindWindowById(marco::kIdAceptar, w);
      if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(kIdPlan1404, w))) t->ChangeValue("450000");
    }
    ASSERT_NE(aceptar, nullptr);
    visto = true;
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(aceptar);
    aceptar->GetEventHandler()->ProcessEvent(enter);
  });
  EXPECT_EQ(general->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  SBloquePlanGeneral vuelto{};
  std::memcpy(&vuelto, fila.data() + kDespBloquePlan, sizeof vuelto);
  EXPECT_DOUBLE_EQ(vuelto.participe, 450000.0);
  EXPECT_DOUBLE_EQ(vuelto.promotor, 1000.0);
  EXPECT_EQ(fila[0], 2);
  EXPECT_EQ(fila[8], 0x5A);
  EXPECT_TRUE(guion.Codigos().empty());

  // A block of another size opens nothing.
  std::vector<unsigned char> corto(10, 0);
  p.bloque = corto;
  EXPECT_EQ(minus->abrir(p), marco::kDialogoCancelado);
  marco::QuitarDialogoDetalle(kVentanaPlanesPensiones);
  marco::QuitarDialogoDetalle(kVentanaPlanesMinusvalidos);
}

}  // namespace
}  // namespace dialogos
