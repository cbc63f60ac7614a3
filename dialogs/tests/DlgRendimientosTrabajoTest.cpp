// The work-income detail dialog on simulated controls: what it shows and opens per holder and degree, holder and
// key changes, the checks of OK with their coded messages, the one-person view, and the launch by window name in a
// real window.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "DialogoPrueba.h"
#include "PruebasWx.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgRendimientosTrabajo.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/ReferenciaReglas.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

// Control ids used below (entry 1 and 2 of some rows).
constexpr int kTitular[] = {1175, 1176, 1177, 1178, 1179, 1180};
constexpr int kClave[] = {1155, 1156, 1157, 1158, 1160, 1161};
constexpr int kIntegroId[] = {1020, 1823, 1193, 1202, 1208, 1216};
constexpr int kContribGeneralId[] = {1817, 1818, 1819, 1820, 1821, 1822};
constexpr int kContribMinusId[] = {1824, 1825, 1826, 1827, 1828, 1829};
constexpr int kSegSocialId = 1113;

marco::SEntornoDialogo Familia(int sujeto = 1) { return {sujeto, true, true, false}; }

SPerceptorTrabajo Entrada(std::uint8_t titular, const char* clave, double integro) {
  SPerceptorTrabajo e;
  e.titular = titular;
  std::strncpy(e.clave, clave, sizeof e.clave - 1);
  e.importes[kIntegro] = integro;
  return e;
}

// A dialog with the family of the fixture: declarant born 1940 of degree 50, spouse born 1947 of degree 0, first
// child of degree 70.
struct SDialogo : pruebas::SDialogoSimulado<CDlgRendimientosTrabajo> {
  explicit SDialogo(marco::SEntornoDialogo entorno = Familia())
      : pruebas::SDialogoSimulado<CDlgRendimientosTrabajo>(entorno) {
    dlg.m_personas.anioDeclarante = 1940;
    dlg.m_personas.anioConyuge = 1947;
    dlg.m_personas.grados = {50.0, 0.0, 70.0, 0.0};
  }
};

TEST(DlgRendimientosTrabajo, AbreConLasEntradasYLasCeldasQueCorresponden) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, "1", 1500000.0);
  d.dlg.m_recibido[1] = Entrada(3, "", 900000.0);
  d.dlg.m_recibido[2] = Entrada(4, "", 10000.0);
  d.dlg.m_recibido[3].importes[kIntegro] = 5.0;  // no holder: emptied
  d.Abrir();
  EXPECT_EQ(d.v.TituloVentana(), "");
  EXPECT_EQ(d.dlg.Plantilla().TituloPlantilla(), "(A)   RENDIMIENTOS DEL TRABAJO");
  EXPECT_EQ(d.v.Texto(kTitular[0]), "D");
  EXPECT_EQ(d.v.Texto(kTitular[1]), "C");
  EXPECT_EQ(d.v.Texto(kTitular[2]), "1");
  EXPECT_EQ(d.v.Texto(kClave[0]), "1");
  EXPECT_EQ(d.v.Texto(kIntegroId[0]), "1.500.000");
  EXPECT_DOUBLE_EQ(d.dlg.Copia()[3].importes[kIntegro], 0.0);
  // The key opens for members of degree 33 or more (the declarant, the child), not for the spouse.
  EXPECT_TRUE(d.v.Habilitado(kClave[0]));
  EXPECT_FALSE(d.v.Habilitado(kClave[1]));
  EXPECT_TRUE(d.v.Habilitado(kClave[2]));
  EXPECT_EQ(d.dlg.CampoInicialDeEntrada(0), 1);
  EXPECT_EQ(d.dlg.CampoInicialDeEntrada(1), 2);
  // Contributions: common, declarant and spouse only.
  EXPECT_TRUE(d.v.Habilitado(kContribGeneralId[1]));
  EXPECT_FALSE(d.v.Habilitado(kContribGeneralId[2]));
  EXPECT_FALSE(d.v.Habilitado(kContribMinusId[2]));
  EXPECT_FALSE(d.v.Habilitado(kIntegroId[3]));
  // Hints.
  d.v.Enfocar(kTitular[0]);
  EXPECT_FALSE(d.v.Texto(marco::kIdAyudaTitular).empty());
  d.v.Enfocar(kSegSocialId);
  EXPECT_EQ(d.v.Texto(marco::kIdAyudaTitular), kTextoSeguridadSocial);
  d.v.Enfocar(kIntegroId[0]);
  EXPECT_EQ(d.v.Texto(marco::kIdAyudaTitular), "");
  d.v.Pulsar(marco::kIdBotonAyuda);
  EXPECT_EQ(d.v.Ayudas(), std::vector<int>{kAyudaRendimientosTrabajo});
}

TEST(DlgRendimientosTrabajo, ElTitularCambiadoBorraLaClaveYUnHijoPierdeLasContribuciones) {
  SDialogo d;
  SPerceptorTrabajo e = Entrada(2, "1", 1000.0);
  e.importes[kContribucionGeneral] = 300.0;
  e.importes[kContribucionMinusvalidos] = 200.0;
  d.dlg.m_recibido[0] = e;
  d.Abrir();
  d.v.Enfocar(kTitular[0]);
  d.v.Escribir(kTitular[0], "1");
  d.v.Enfocar(kIntegroId[0]);
  const SPerceptorTrabajo& c = d.dlg.Copia()[0];
  EXPECT_EQ(c.titular, 4);
  EXPECT_FALSE(ClaveNoVacia(c));
  EXPECT_DOUBLE_EQ(c.importes[kContribucionGeneral], 0.0);
  EXPECT_DOUBLE_EQ(c.importes[kContribucionMinusvalidos], 0.0);
  EXPECT_DOUBLE_EQ(c.importes[kIntegro], 1000.0);
  EXPECT_FALSE(d.v.Habilitado(kContribGeneralId[0]));
  EXPECT_EQ(d.v.Texto(kContribGeneralId[0]), "");

  // The same through the holder pick notification.
  d.v.Escribir(kTitular[0], "D");
  EXPECT_EQ(d.v.Notificar(kTitular[0], marco::kAvisoValorCambiado), 1);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
  EXPECT_TRUE(d.v.Habilitado(kContribGeneralId[0]));
  // The key lists' own notifications change nothing.
  EXPECT_EQ(d.v.Notificar(kClave[0], marco::kAvisoValorCambiado), 1);
}

TEST(DlgRendimientosTrabajo, QuitarUnTitularNoTocaLaClaveDeLaEntradaQueSube) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(3, "", 1000.0);
  d.dlg.m_recibido[1] = Entrada(2, "1", 2000.0);
  d.Abrir();
  d.v.Enfocar(kTitular[0]);
  d.v.Escribir(kTitular[0], "");
  d.v.Enfocar(kIntegroId[0]);
  const SPerceptorTrabajo& c = d.dlg.Copia()[0];
  EXPECT_EQ(c.titular, 2);
  EXPECT_EQ(ClaveDeEntrada(c), 1);
  EXPECT_DOUBLE_EQ(c.importes[kIntegro], 2000.0);
  EXPECT_EQ(d.dlg.Copia()[1].titular, 0);
  EXPECT_EQ(d.v.Texto(kClave[0]), "1");
}

TEST(DlgRendimientosTrabajo, SoloSeGuardanTitularesPresentesYClavesDeLaTabla) {
  struct SCaso {
    int id;
    const char* texto;
    const char* mostrado;
  };
  // Spouse and first child present, no second child.
  const SCaso casos[] = {
      {kTitular[1], "2", ""}, {kTitular[1], "x", ""},  {kTitular[1], "c", "C"}, {kTitular[1], "O", "O"},
      {kClave[0], "5", "1"},  {kClave[0], "2", "2"},   {kClave[0], "", ""},     {kIntegroId[0], "12,5", "1.000"},
      {kIntegroId[0], "-3", "1.000"}, {kIntegroId[0], "99999999999", "1.000"}, {kIntegroId[0], "2500", "2.500"},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion;
    SDialogo d;
    d.dlg.m_recibido[0] = Entrada(2, "1", 1000.0);
    d.Abrir();
    d.v.Enfocar(c.id);
    d.v.Escribir(c.id, c.texto);
    d.v.Enfocar(kSegSocialId);
    EXPECT_EQ(d.v.Texto(c.id), c.mostrado) << c.id << " " << c.texto;
    // Past the field's room the overflow message says so, as a box of a page does.
    const std::vector<std::string> codigos = guion.Codigos();
    EXPECT_EQ(std::count(codigos.begin(), codigos.end(), "WIN032"),
              std::string_view(c.texto) == "99999999999" ? 1 : 0) << c.texto;
  }
}

TEST(DlgRendimientosTrabajo, ClaveFrenteAlGrado) {
  struct SCaso {
    std::uint8_t titular;
    double grado;
    const char* clave;
    bool aviso;
  };
  const SCaso casos[] = {
      {2, 50.0, "1", false}, {2, 70.0, "1", true},  {2, 40.0, "2", false}, {2, 70.0, "3", false},
      {2, 70.0, "", false},  {2, 10.0, "0", false}, {2, 10.0, "1", true},  {1, 70.0, "1", true},
      {2, 32.9, "1", true},  {2, 33.0, "1", false}, {2, 64.9, "3", true},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion({}, marco::kBotonContinuar);
    SDialogo d;
    d.dlg.m_personas.grados[0] = c.grado;
    d.dlg.m_recibido[0] = Entrada(c.titular, c.clave, 1000.0);
    d.Abrir();
    EXPECT_EQ(d.dlg.Comprobar(), 1);
    EXPECT_EQ(guion.Veces("100V136"), c.aviso ? 1 : 0) << int(c.titular) << " " << c.grado << " " << c.clave;
    if (c.aviso) {
      EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoAsterisco);
    }
  }
}

TEST(DlgRendimientosTrabajo, CadaComprobacionDaSuMensaje) {
  struct SCaso {
    const char* codigo;  // nullptr: passes
    std::uint8_t titular;
    std::vector<std::pair<int, double>> importes;
    double grado = 50.0;
    std::vector<SPerceptorTrabajo> otras = {};
  };
  const std::vector<SCaso> casos = {
      {"100V123", 2, {{kIntegro, 1000.0}, {kRetencion, 481.0}}},
      {nullptr, 2, {{kIntegro, 1000.0}, {kRetencion, 480.0}, {kSeguridadSocial, 100.0}}},
      {"100V124", 2, {{kIntegro, 1000.0}, {kValoracion, 100.0}, {kIngresoCuenta, 49.0}}},
      {"100R135", 2, {{kIntegro, 1000.0}, {kValoracion, 100.0}, {kIngresoCuenta, 10.0}, {kIngresoRepercutido, 11.0}}},
      {"100R136", 2, {{kIntegro, 1000.0}, {kContribucionMinusvalidos, 1.0}}, 64.0},
      {nullptr, 2, {{kIntegro, 3000000.0}, {kContribucionMinusvalidos, 2200000.0}}, 65.0},
      {"100R139", 2, {{kIntegro, 3000000.0}, {kContribucionMinusvalidos, 2200001.0}}, 65.0},
      {"100R137", 2, {{kIntegro, 1000.0}, {kReduccionIrregular, 711.0}}},
      {nullptr, 2, {{kIntegro, 1000.0}, {kReduccionIrregular, 710.0}}},
      {"100V126", 2, {{kIntegro, 1000.0}, {kSeguridadSocial, 101.0}}},
      {"100V125", 2, {{kIntegro, 1000.0}, {kSeguridadSocial, 100.0}, {kCuotasSindicatos, 901.0}}},
      // Declarant born 1940: 1,692,308 a year; spouse born 1947: 1,100,000.
      {nullptr, 2, {{kIntegro, 3000000.0}, {kContribucionGeneral, 1692308.0}}},
      {"100R138", 2, {{kIntegro, 3000000.0}, {kContribucionGeneral, 1000000.0}}, 50.0,
       {[] {
         SPerceptorTrabajo e = Entrada(2, "1", 3000000.0);
         e.importes[kContribucionGeneral] = 692309.0;
         return e;
       }()}},
      {"100R138", 3, {{kIntegro, 3000000.0}, {kContribucionGeneral, 1100001.0}}},
      {"100R163", 2, {{kIntegro, 1000.0}}, 50.0, {Entrada(2, "1", 1000.0)}},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion({}, marco::kBotonCorregir);
    SDialogo d;
    d.dlg.m_personas.grados[0] = c.grado;
    SPerceptorTrabajo e = Entrada(c.titular, "", 0.0);
    for (const auto& [i, valor] : c.importes) e.importes[i] = valor;
    d.dlg.m_recibido[0] = e;
    for (std::size_t i = 0; i < c.otras.size(); ++i) d.dlg.m_recibido[i + 1] = c.otras[i];
    d.Abrir();
    const std::string esperado = c.codigo != nullptr ? c.codigo : "";
    EXPECT_EQ(d.Aceptar(), c.codigo != nullptr ? 0 : marco::kIdAceptar) << esperado;
    EXPECT_EQ(guion.Codigos(), c.codigo != nullptr ? std::vector<std::string>{esperado} : std::vector<std::string>{})
        << esperado;
    if (c.codigo != nullptr) {
      EXPECT_EQ(guion.Mensajes()[0].icono, esperado[3] == 'V' || esperado == "100R137" ? marco::IconoAsterisco
                                                                                        : marco::IconoMano);
      // The dialog stays open and the block received is unchanged.
      EXPECT_EQ(d.dlg.m_recibido[0].titular, c.titular);
      EXPECT_EQ(d.dlg.m_recibido[0].importes[kIntegro], e.importes[kIntegro]);
    }
  }
}

TEST(DlgRendimientosTrabajo, UnAvisoSigueConContinuarYUnErrorNo) {
  {
    CGuionMensajes guion({}, marco::kBotonContinuar);
    SDialogo d;
    SPerceptorTrabajo e = Entrada(2, "", 1000.0);
    e.importes[kRetencion] = 1000.0;
    d.dlg.m_recibido[0] = e;
    d.Abrir();
    d.v.Enfocar(kIntegroId[0]);
    d.v.Escribir(kIntegroId[0], "2000");
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V123"});
    // OK stores what was typed (even in the field still being edited) and hands the entries back.
    EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[kIntegro], 2000.0);
  }
  {
    CGuionMensajes guion({}, marco::kBotonContinuar);
    SDialogo d;
    SPerceptorTrabajo e = Entrada(2, "", 1000.0);
    e.importes[kIngresoRepercutido] = 5.0;
    d.dlg.m_recibido[0] = e;
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R135"});
  }
}

TEST(DlgRendimientosTrabajo, AceptarBorraClavesSinRetribucionYQuitaEntradasVacias) {
  CGuionMensajes guion;
  SDialogo d;
  d.dlg.m_personas.grados[0] = 70.0;
  d.dlg.m_recibido[0] = Entrada(2, "3", 0.0);
  d.dlg.m_recibido[0].importes[kSeguridadSocial] = 0.0;
  d.dlg.m_recibido[1] = Entrada(3, "", 500.0);
  d.dlg.m_recibido[1].importes[kSeguridadSocial] = 50.0;
  d.dlg.m_recibido[2] = Entrada(4, "", 0.0);  // nothing but a holder
  d.Abrir();
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_FALSE(ClaveNoVacia(d.dlg.m_recibido[0]));
  // The declarant's entry has nothing left: dropped; so is the child's.
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 0);
  EXPECT_EQ(d.dlg.m_recibido[1].titular, 3);
  EXPECT_EQ(d.dlg.m_recibido[2].titular, 0);
}

TEST(DlgRendimientosTrabajo, ConElTecladoSeEligeElPerceptorYSeEscribenLosImportes) {
  CGuionMensajes guion;
  SDialogo d;
  d.Abrir();
  d.v.Enfocar(kTitular[0]);
  // Digits are no holder of this family (the second child is not present): refused, the cell stays empty.
  EXPECT_EQ(d.v.Teclear(kTitular[0], "3"), 1);
  EXPECT_EQ(d.v.Teclear(kTitular[0], "2"), 1);
  EXPECT_EQ(d.v.Texto(kTitular[0]), "");
  // "D" opens the entry at once; the declarant's degree of 50 takes the focus to the key first.
  EXPECT_EQ(d.v.Teclear(kTitular[0], "D"), 2);
  EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
  EXPECT_TRUE(d.v.Habilitado(kIntegroId[0]));
  EXPECT_EQ(d.v.FocoActual(), kClave[0]);
  d.v.Enfocar(kIntegroId[0]);
  EXPECT_EQ(d.v.Teclear(kIntegroId[0], "3000000"), 0);
  EXPECT_EQ(d.v.Teclear(kIntegroId[0], "x"), 1);
  d.v.Tecla(marco::kTeclaAbajo);
  EXPECT_EQ(d.v.FocoActual(), 1794);  // the retention of the same entry
  EXPECT_EQ(d.v.Teclear(1794, "450000"), 0);
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(d.dlg.m_recibido[0].titular, 2);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[kIntegro], 3000000.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_recibido[0].importes[kRetencion], 450000.0);
}

TEST(DlgRendimientosTrabajo, CancelarNoCambiaNada) {
  SDialogo d;
  d.dlg.m_recibido[0] = Entrada(2, "1", 1000.0);
  const BloqueTrabajo antes = d.dlg.m_recibido;
  d.Abrir();
  d.v.Enfocar(kIntegroId[0]);
  d.v.Escribir(kIntegroId[0], "5000");
  d.v.Enfocar(kTitular[0]);
  d.v.Pulsar(marco::kIdCancelar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdCancelar);
  EXPECT_EQ(std::memcmp(&antes, &d.dlg.m_recibido, sizeof antes), 0);
}

TEST(DlgRendimientosTrabajo, VistaDeUnMiembroBloqueadaYConSuPropioGrado) {
  CGuionMensajes guion;
  SDialogo d(Familia(3));
  d.dlg.m_personas.grados = {0.0, 70.0, 0.0, 0.0};
  d.dlg.m_recibido[0] = Entrada(2, "", 800.0);   // the declarant's: not shown
  d.dlg.m_recibido[1] = Entrada(3, "3", 900.0);  // the spouse's own, degree 70
  d.dlg.m_recibido[2] = Entrada(1, "", 100.0);   // common: shown as the spouse's
  const BloqueTrabajo antes = d.dlg.m_recibido;
  d.Abrir();
  EXPECT_FALSE(d.dlg.TodasLasEntradas());
  EXPECT_EQ(d.dlg.Copia()[0].titular, 2);
  EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[kIntegro], 900.0);
  EXPECT_EQ(d.dlg.Copia()[1].titular, 2);
  EXPECT_DOUBLE_EQ(d.dlg.Copia()[1].importes[kIntegro], 100.0);
  EXPECT_EQ(d.dlg.Copia()[2].titular, 0);
  EXPECT_FALSE(d.v.Habilitado(kIntegroId[0]));
  EXPECT_FALSE(d.v.Habilitado(kClave[0]));
  // The spouse's key 3 goes with the spouse's degree: no warning; OK ends as Cancel.
  EXPECT_EQ(d.Aceptar(), marco::kIdCancelar);
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
  EXPECT_EQ(std::memcmp(&antes, &d.dlg.m_recibido, sizeof antes), 0);
}

TEST(DlgRendimientosTrabajo, LeeLosDatosDeLaFamilia) {
  RegDatosFamilia familia{};
  std::memcpy(familia.octetos + 4, "1941", 4);
  std::memcpy(familia.octetos + 8, "19 x", 4);
  const double grados[] = {33.0, 64.99, 65.0, std::nan("")};
  std::memcpy(familia.octetos + 16, grados, sizeof grados);
  const SDatosPersonas p = LeerDatosPersonas(familia);
  EXPECT_EQ(p.anioDeclarante, 1941);
  EXPECT_EQ(p.anioConyuge, 19);
  EXPECT_EQ(ClaveEsperada(2, p), 1);
  EXPECT_EQ(ClaveEsperada(3, p), 1);
  EXPECT_EQ(ClaveEsperada(4, p), 3);
  EXPECT_EQ(ClaveEsperada(5, p), 0);
  EXPECT_EQ(ClaveEsperada(1, p), 0);
  EXPECT_DOUBLE_EQ(CuantiaMaximaPlanPensiones(p.anioDeclarante), 1607692.0);
  EXPECT_DOUBLE_EQ(CuantiaMaximaPlanPensiones(p.anioConyuge), 2200000.0);
}

// ---- the launch, in a real window ----

TEST(DlgRendimientosTrabajoVentana, SeAbrePorSuNombreYDevuelveElBloque) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  RegistrarDialogosDetalle();
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaRendimientosTrabajo);
  ASSERT_NE(dialogo, nullptr);
  EXPECT_EQ(dialogo->tamanoBloque, 624u);

  BloqueTrabajo bloque{};
  bloque[0] = Entrada(2, "", 1000.0);
  std::vector<unsigned char> datos(sizeof bloque);
  std::memcpy(datos.data(), &bloque, sizeof bloque);
  marco::SPeticionDetalle p;
  p.titulo = "(A) Rendimientos del trabajo";
  p.sujeto = 1;
  p.bloque = datos;

  marco::PonerRecomponerIdentificacion(false);
  // The user types a gross amount and a key, then presses OK.
  auto escribir = [](int id, const char* texto) {
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(id, w))) t->ChangeValue(texto);
    }
  };
  bool visto = false;
  wxTheApp->CallAfter([&] {
    wxWindow* aceptar = nullptr;
    for (wxWindow* w : wxTopLevelWindows) {
      if (w->GetLabel() == "(A) Rendimientos del trabajo") aceptar = wxWindow::FindWindowById(marco::kIdAceptar, w);
    }
    ASSERT_NE(aceptar, nullptr);
    visto = true;
    escribir(kIntegroId[0], "250000");
    escribir(kClave[0], "0");
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(aceptar);
    aceptar->GetEventHandler()->ProcessEvent(enter);
  });
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  BloqueTrabajo vuelto{};
  std::memcpy(&vuelto, datos.data(), sizeof vuelto);
  EXPECT_EQ(vuelto[0].titular, 2);
  EXPECT_DOUBLE_EQ(vuelto[0].importes[kIntegro], 250000.0);
  EXPECT_EQ(ClaveDeEntrada(vuelto[0]), 0);
  EXPECT_TRUE(marco::RecomponerIdentificacion());
  marco::PonerRecomponerIdentificacion(false);

  // Esc: Cancel, and the block is left alone.
  wxTheApp->CallAfter([] {
    for (wxWindow* w : wxTopLevelWindows) {
      if (w->GetLabel() != "(A) Rendimientos del trabajo") continue;
      wxKeyEvent esc(wxEVT_CHAR_HOOK);
      esc.m_keyCode = WXK_ESCAPE;
      esc.SetEventObject(w);
      w->GetEventHandler()->ProcessEvent(esc);
    }
  });
  const std::vector<unsigned char> antes = datos;
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
  EXPECT_EQ(datos, antes);
  EXPECT_FALSE(marco::RecomponerIdentificacion());
  EXPECT_TRUE(guion.Codigos().empty());
  marco::QuitarDialogoDetalle(kVentanaRendimientosTrabajo);
}

}  // namespace
}  // namespace dialogos
