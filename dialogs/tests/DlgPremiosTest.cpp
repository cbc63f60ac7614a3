// The prize detail dialogs on simulated controls: entries shown and packed, the holder hint, the 20 % checks of OK,
// the one-person view with common prizes, the stored form of the block, and the launch by window name in a real
// window.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "DialogoPrueba.h"
#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgPremios.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kTitularEsp[] = {1269, 1270};
constexpr int kValoracionId[] = {1428, 1430};
constexpr int kIngresosId[] = {1871, 1872};
constexpr int kTitularMet[] = {1195, 1209};
constexpr int kIntegroId[] = {1640, 1641};

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, false}; }

SEntradaPremio Entrada(std::uint8_t titular, double a, double b = 0.0, double c = 0.0) {
  SEntradaPremio e;
  e.titular = titular;
  e.importes = {a, b, c};
  return e;
}

template <typename TDialogo>
struct SDialogo : pruebas::SDialogoSimulado<TDialogo> {
  explicit SDialogo(marco::SEntornoDialogo entorno = Familia()) : pruebas::SDialogoSimulado<TDialogo>(entorno) {}
};
using SEspecie = SDialogo<CDlgPremiosEspecie>;
using SMetalico = SDialogo<CDlgPremiosMetalico>;

TEST(DlgPremios, AbreConLasEntradasYLaAyudaDelTitular) {
  SEspecie d;
  d.dlg.m_recibido[0] = Entrada(3, 500000.0, 100.0, 0.0);
  d.Abrir();
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "PREMIOS EN ESPECIE");
  EXPECT_EQ(d.dlg.Plantilla().Control(marco::kIdBotonAyuda), nullptr);
  EXPECT_EQ(d.v.Texto(kTitularEsp[0]), "C");
  EXPECT_EQ(d.v.Texto(kValoracionId[0]), "500.000");
  EXPECT_EQ(d.v.Texto(kIngresosId[0]), "100");
  EXPECT_EQ(d.v.Texto(kTitularEsp[1]), "");
  EXPECT_FALSE(d.v.Habilitado(kValoracionId[1]));
  EXPECT_TRUE(d.v.Habilitado(kValoracionId[0]));
  d.v.Enfocar(kTitularEsp[1]);
  EXPECT_FALSE(d.v.Texto(kIdAyudaTitularPremios).empty());
  d.v.Enfocar(kValoracionId[0]);
  EXPECT_EQ(d.v.Texto(kIdAyudaTitularPremios), "");

  SMetalico m;
  m.Abrir();
  EXPECT_EQ(m.dlg.Plantilla().TituloPlantilla(), "PREMIOS EN MET\xC1LICO");
  EXPECT_EQ(m.dlg.Campos(), 3);
}

TEST(DlgPremios, LasEntradasSeCompactanYOkDevuelveSoloLasUsadas) {
  CGuionMensajes guion;
  SMetalico d;
  d.dlg.m_recibido[0] = Entrada(2, 1000.0);
  d.dlg.m_recibido[1] = Entrada(3, 2000.0, 10.0);
  d.Abrir();
  // Taking the first holder away moves the second entry up.
  d.v.Enfocar(kTitularMet[0]);
  d.v.Escribir(kTitularMet[0], "");
  d.v.Enfocar(kIntegroId[0]);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 3);
  EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[kIntegroPremio], 2000.0);
  EXPECT_EQ(d.dlg.Copia()[1].titular, 0);
  EXPECT_EQ(d.v.Texto(kIntegroId[1]), "");
  // A holder not present (second child) or outside the letters is refused, with a message.
  d.v.Enfocar(kTitularMet[1]);
  d.v.Escribir(kTitularMet[1], "2");
  d.v.Enfocar(kIntegroId[0]);
  EXPECT_EQ(d.dlg.Copia()[1].titular, 0);
  // A holder with no amount is dropped on OK.
  d.v.Enfocar(kTitularMet[1]);
  d.v.Escribir(kTitularMet[1], "d");
  d.v.Enfocar(kIntegroId[0]);
  EXPECT_EQ(d.dlg.Copia()[1].titular, 2);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  // The refused holder was told with its message; nothing else.
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100I006"});
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 3);
  EXPECT_EQ(d.dlg.m_recibido[1].titular, 0);
}

TEST(DlgPremios, ComprobacionesDelVeintePorCiento) {
  struct SCaso {
    bool especie;
    std::vector<SEntradaPremio> entradas;
    std::vector<std::string> codigos;
    int respuesta = marco::kBotonCorregir;
    bool queda = true;
  };
  const std::vector<SCaso> casos = {
      {false, {Entrada(2, 1000000.0, 200100.0)}, {}},
      {false, {Entrada(2, 1000000.0, 200101.0)}, {"100V127"}},
      {false, {Entrada(2, 1000000.0, 200101.0)}, {"100V127"}, marco::kBotonContinuar, false},
      {false, {Entrada(2, 0.0, 1.0), Entrada(3, 0.0, 101.0)}, {"100V127"}},
      {true, {Entrada(2, 0.0, 100.0)}, {}},
      {true, {Entrada(2, 0.0, 101.0)}, {"100V127"}},
      // The part passed on above the payment: an error, before any 20 % test.
      {true, {Entrada(2, 0.0, 50.0, 60.0)}, {"100R135"}},
      {true, {Entrada(2, 0.0, 50.0, 60.0)}, {"100R135"}, marco::kBotonContinuar},
      // Entries in order: the first one's warning, passed over, then the second one's error.
      {true, {Entrada(2, 0.0, 101.0), Entrada(3, 0.0, 5.0, 6.0)}, {"100V127", "100R135"}, marco::kBotonContinuar},
      {true, {Entrada(2, 0.0, 101.0), Entrada(3, 1000.0, 301.0)}, {"100V127", "100V127"}, marco::kBotonContinuar,
       false},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion({}, c.respuesta);
    const auto probar = [&](auto& d) {
      for (std::size_t i = 0; i < c.entradas.size(); ++i) d.dlg.m_recibido[i] = c.entradas[i];
      d.Abrir();
      const bool pasa = c.codigos.empty() || !c.queda;
      EXPECT_EQ(d.Aceptar(), pasa ? marco::kIdAceptar : 0) << c.especie;
      ASSERT_EQ(guion.Codigos(), c.codigos);
      for (std::size_t i = 0; i < c.codigos.size(); ++i) {
        EXPECT_EQ(guion.Mensajes()[i].icono, c.codigos[i] == "100R135" ? marco::IconoMano : marco::IconoAsterisco);
      }
    };
    if (c.especie) {
      SEspecie d;
      probar(d);
    } else {
      SMetalico d;
      probar(d);
    }
  }
}

TEST(DlgPremios, VistaDeUnMiembroConPremiosComunes) {
  CGuionMensajes guion;
  {
    SEspecie d(Familia(2));
    d.dlg.m_recibido[0] = Entrada(3, 400.0);          // the spouse's: not shown
    d.dlg.m_recibido[1] = Entrada(1, 1000000.0, 2000.0);  // common: half of it
    const EntradasPremio antes = d.dlg.m_recibido;
    d.Abrir();
    EXPECT_FALSE(d.dlg.TodasLasEntradas());
    EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
    EXPECT_EQ(d.v.Texto(kValoracionId[0]), "500.000");
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[kIngresosCuentaPremio], 1000.0);
    EXPECT_EQ(d.dlg.Copia()[1].titular, 0);
    EXPECT_FALSE(d.v.Habilitado(kValoracionId[0]));
    EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
    EXPECT_EQ(d.dlg.m_recibido[1].titular, antes[1].titular);
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[1].importes[0], 1000000.0);
  }
  {
    SMetalico d(Familia(2));
    d.dlg.m_recibido[0] = Entrada(1, 1000000.0);
    d.Abrir();
    EXPECT_EQ(d.v.Texto(kIntegroId[0]), "1.000.000");
    EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  }
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(DlgPremios, FormaGuardadaDelBloque) {
  std::vector<unsigned char> bloque(TamanoBloquePremio(3), 0);
  ASSERT_EQ(bloque.size(), 64u);
  EXPECT_EQ(TamanoBloquePremio(2), 48u);
  bloque[0] = 2;
  bloque[3] = 0x77;  // unused byte: kept
  const double v = 1234.0;
  std::memcpy(bloque.data() + 16, &v, sizeof v);
  bloque[32] = 9;  // a damaged holder
  const double nan = std::nan("");
  std::memcpy(bloque.data() + 40, &nan, sizeof nan);
  EntradasPremio e = LeerEntradasPremio(bloque, 3);
  EXPECT_EQ(e[0].titular, 2);
  EXPECT_DOUBLE_EQ(e[0].importes[1], 1234.0);
  EXPECT_EQ(e[1].titular, 0);
  EXPECT_DOUBLE_EQ(e[1].importes[0], 0.0);
  EXPECT_EQ(LeerEntradasPremio(std::span<const unsigned char>(bloque.data(), 48), 3)[0].titular, 0);

  e[1] = Entrada(3, 5.0, 6.0, 7.0);
  EscribirEntradasPremio(e, 3, bloque);
  EXPECT_EQ(bloque[3], 0x77);
  EXPECT_EQ(bloque[32], 3);
  double leido = 0.0;
  std::memcpy(&leido, bloque.data() + 56, sizeof leido);
  EXPECT_DOUBLE_EQ(leido, 7.0);
}

// ---- the launch, in a real window ----

TEST(DlgPremiosVentana, SeAbrePorSuNombreYDevuelveElBloque) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();
  const marco::SDialogoDetalle* metalico = marco::BuscarDialogoDetalle(kVentanaPremiosMetalico);
  const marco::SDialogoDetalle* especie = marco::BuscarDialogoDetalle(kVentanaPremiosEspecie);
  ASSERT_NE(metalico, nullptr);
  ASSERT_NE(especie, nullptr);
  EXPECT_EQ(metalico->tamanoBloque, 48u);
  EXPECT_EQ(especie->tamanoBloque, 64u);

  std::vector<unsigned char> datos(48, 0);
  datos[0] = 2;
  marco::SPeticionDetalle p;
  p.titulo = "Premios en metalico";
  p.sujeto = 1;
  p.bloque = datos;

  bool visto = false;
  wxTheApp->CallAfter([&] {
    wxWindow* aceptar = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (w->GetLabel() != "Premios en metalico") continue;
      aceptar = wxWindow::FindWindowById(marco::kIdAceptar, w);
      if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(kIntegroId[0], w))) t->ChangeValue("750000");
    }
    ASSERT_NE(aceptar, nullptr);
    visto = true;
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(aceptar);
    aceptar->GetEventHandler()->ProcessEvent(enter);
  });
  EXPECT_EQ(metalico->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  const EntradasPremio vuelto = LeerEntradasPremio(datos, 2);
  EXPECT_EQ(vuelto[0].titular, 2);
  EXPECT_DOUBLE_EQ(vuelto[0].importes[kIntegroPremio], 750000.0);
  EXPECT_TRUE(guion.Codigos().empty());
  marco::QuitarDialogoDetalle(kVentanaPremiosMetalico);
  marco::QuitarDialogoDetalle(kVentanaPremiosEspecie);
}

}  // namespace
}  // namespace dialogos
