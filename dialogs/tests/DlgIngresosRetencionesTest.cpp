// The income-and-withholding detail dialogs of section C by variant, and the launch of the capital-income dialogs
// by window name: block sizes, the variant from the window text, OK and Esc in a real window.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "dialogs/DialogosCapital.h"
#include "dialogs/DlgCapitalInmobiliario.h"
#include "dialogs/DlgDividendos.h"
#include "dialogs/DlgIngresosRetenciones.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"

namespace dialogos {
namespace {

using marco::CControlesSimulados;
using marco::CGuionMensajes;

constexpr int kTitular[] = {1273, 1284, 1295, 1309, 1319, 1325};
constexpr int kIngresosId[] = {1358, 1361, 1364, 1369, 1374, 1376};
constexpr int kRetencionesId[] = {1342, 1345, 1348, 1352, 1355, 1378};
constexpr int kGastosId[] = {1343, 1346, 1349, 1353, 1356, 1379};

SEntradaTitular Linea(std::uint8_t titular, double ingresos, double retenciones) {
  SEntradaTitular e;
  e.titular = titular;
  e.importes[0] = ingresos;
  e.importes[1] = retenciones;
  return e;
}

template <class TDialogo>
struct SDialogo {
  explicit SDialogo(int variante) : dlg(nullptr), v(dlg.Plantilla()) {
    dlg.FijarEntorno({1, true, true, true});
    dlg.PonerCodigoSujeto(1);
    dlg.PonerVariante(variante);
  }
  void Abrir(std::vector<SEntradaTitular> entradas) {
    for (std::size_t i = 0; i < entradas.size(); ++i) dlg.m_recibido[i] = entradas[i];
    v.Abrir(dlg);
  }
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  TDialogo dlg;
  CControlesSimulados v;
};

struct SCaso {
  const char* nombre;
  bool cesion;   // the lending dialog, else life insurance
  int variante;
  std::vector<SEntradaTitular> entradas;
  std::vector<int> respuestas;
  std::vector<std::string> codigos;
  int resultado;
};

TEST(DlgIngresosRetenciones, ComprobacionesPorDialogoYVariante) {
  const int c = marco::kBotonContinuar;
  const int k = marco::kBotonCorregir;
  const SCaso casos[] = {
      {"seguros 1: 18 por 100 mas 100", false, 1, {Linea(2, 100000, 18100)}, {}, {}, 1},
      {"seguros 1: pasada", false, 1, {Linea(2, 100000, 18101)}, {k}, {"100V130"}, 0},
      {"seguros 2: negativo sin retencion", false, 2, {Linea(2, -5000, 0)}, {}, {}, 1},
      // The warning first for every entry, then the refusal.
      {"seguros 2: negativo con retencion", false, 2, {Linea(2, -5000, 10), Linea(3, 1000, 400)}, {c, c},
       {"100V130", "100V130", "100R156"}, 0},
      {"seguros 2: 25 por 100 mas 100", false, 2, {Linea(2, 100000, 25100)}, {}, {}, 1},
      {"seguros sin variante", false, 0, {Linea(2, 100, 90000)}, {}, {}, 1},
      {"cesion 1: 30 por 100", true, 1, {Linea(2, 100000, 30000)}, {}, {}, 1},
      {"cesion 1: sin margen", true, 1, {Linea(2, 100000, 30001)}, {k}, {"100V130"}, 0},
      {"cesion 1: sin retencion", true, 1, {Linea(2, -100, 0)}, {}, {}, 1},
      {"cesion 2: en el limite", true, 2, {Linea(2, 100000, 25100)}, {}, {}, 1},
      {"cesion 2: pasada y mantenida", true, 2, {Linea(2, 100000, 25101)}, {c}, {"100V130"}, 1},
      {"cesion sin variante", true, 0, {Linea(2, 1, 90000)}, {}, {}, 1},
  };
  for (const SCaso& caso : casos) {
    CGuionMensajes guion(caso.respuestas);
    int resultado = -1;
    std::optional<int> foco;
    if (caso.cesion) {
      SDialogo<CDlgCesionCapitales> d(caso.variante);
      d.Abrir(caso.entradas);
      resultado = d.Aceptar();
      foco = d.v.FocoActual();
    } else {
      SDialogo<CDlgSegurosVida> d(caso.variante);
      d.Abrir(caso.entradas);
      resultado = d.Aceptar();
      foco = d.v.FocoActual();
    }
    EXPECT_EQ(resultado, caso.resultado) << caso.nombre;
    EXPECT_EQ(guion.Codigos(), caso.codigos) << caso.nombre;
    if (resultado == 0) {
      EXPECT_EQ(foco, kRetencionesId[0]) << caso.nombre;
    }
  }
}

TEST(DlgIngresosRetenciones, LaVarianteDecideLosNegativosYLosTextos) {
  {
    SDialogo<CDlgSegurosVida> d(2);
    d.Abrir({Linea(2, 0, 0)});
    d.v.Enfocar(kIngresosId[0]);
    d.v.Escribir(kIngresosId[0], "-1.500");
    d.v.Enfocar(kRetencionesId[0]);
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], -1500.0);
    EXPECT_EQ(d.dlg.TamanoBloque(), 144u);
    EXPECT_FALSE(d.v.Control(marco::kIdBotonAyuda));
  }
  {
    SDialogo<CDlgSegurosVida> d(1);
    d.Abrir({Linea(2, 10, 0)});
    d.v.Enfocar(kIngresosId[0]);
    d.v.Escribir(kIngresosId[0], "-1");
    d.v.Enfocar(kRetencionesId[0]);
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], 10.0);
  }
  const std::string nota = "Solo puede haber gastos";
  {
    SDialogo<CDlgCesionCapitales> d(1);
    d.Abrir({Linea(2, 0, 0)});
    EXPECT_EQ(d.v.Texto(kIdNotaGastos), "");
    d.v.Enfocar(kIngresosId[0]);
    d.v.Escribir(kIngresosId[0], "-7");
    d.v.Enfocar(kRetencionesId[0]);
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], -7.0);
    EXPECT_EQ(d.dlg.TamanoBloque(), 192u);
  }
  {
    SDialogo<CDlgCesionCapitales> d(2);
    d.Abrir({Linea(2, 0, 0)});
    EXPECT_EQ(d.v.Texto(kIdNotaGastos).rfind(nota, 0), 0u);
    EXPECT_EQ(d.v.Texto(kIdCabeceraGastos), "Gastos\nDeducibles");
    d.v.Enfocar(kIngresosId[0]);
    d.v.Escribir(kIngresosId[0], "-7");
    d.v.Enfocar(kRetencionesId[0]);
    EXPECT_DOUBLE_EQ(d.dlg.Copia()[0].importes[0], 0.0);
  }
  {
    SDialogo<CDlgCesionCapitales> d(0);
    d.Abrir({Linea(2, 0, 0)});
    EXPECT_EQ(d.v.Texto(kIdCabeceraGastos), "Gastos Adm\xF3n. y\nDep\xF3sito");
  }
}

TEST(DialogosCapital, SeRegistranConElTamanoDeSuBloqueYNoAbrenOtro) {
  RegistrarDialogosCapital();
  const struct {
    std::string_view nombre;
    std::size_t tamano;
  } esperados[] = {{kVentanaCapitalInmobiliario, 432u},
                   {kVentanaDividendos, 288u},
                   {kVentanaSegurosVida, 144u},
                   {kVentanaCesionCapitales, 192u}};
  for (const auto& e : esperados) {
    const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(e.nombre);
    ASSERT_NE(dialogo, nullptr) << e.nombre;
    EXPECT_EQ(dialogo->tamanoBloque, e.tamano) << e.nombre;
    // A block of another size: nothing opens and nothing changes.
    std::vector<unsigned char> bloque(e.tamano - 8, 0x5A);
    marco::SPeticionDetalle p;
    p.bloque = bloque;
    EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado) << e.nombre;
    EXPECT_EQ(bloque, std::vector<unsigned char>(e.tamano - 8, 0x5A));
    marco::QuitarDialogoDetalle(e.nombre);
  }
}

// The window named by its caption. When it is not there, any dialog open is closed so that the test goes on.
wxWindow* VentanaDe(const wxString& titulo) {
  for (wxWindow* w : wxTopLevelWindows) {
    if (w->GetLabel() == titulo) return w;
  }
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<wxDialog*>(w); d != nullptr && d->IsModal()) d->EndModal(wxID_CANCEL);
  }
  return nullptr;
}

TEST(DialogosCapital, LaVentanaDevuelveElBloqueConAceptarYNadaConEsc) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion({marco::kBotonContinuar});
  RegistrarDialogosCapital();
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaCesionCapitales);
  ASSERT_NE(dialogo, nullptr);

  EntradasTitulares entradas{};
  entradas[0] = Linea(2, 100000, 0);
  std::vector<unsigned char> datos(TamanoBloqueCapital(kImportesCesionCapitales));
  EscribirEntradas(entradas, kImportesCesionCapitales, datos);
  marco::SPeticionDetalle p;
  p.titulo = "(C) Asistencia tecnica";
  p.sujeto = 1;
  p.primerParametro = 2;  // "IDD_INREGA6*2"
  p.bloque = datos;

  bool visto = false;
  wxTheApp->CallAfter([&] {
    wxWindow* ventana = VentanaDe(p.titulo);
    ASSERT_NE(ventana, nullptr);
    visto = true;
    if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(kRetencionesId[0], ventana))) {
      t->ChangeValue("25101");
    }
    wxWindow* aceptar = wxWindow::FindWindowById(marco::kIdAceptar, ventana);
    ASSERT_NE(aceptar, nullptr);
    wxKeyEvent enter(wxEVT_KEY_DOWN);
    enter.m_keyCode = WXK_RETURN;
    enter.SetEventObject(aceptar);
    aceptar->GetEventHandler()->ProcessEvent(enter);
  });
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoAceptado);
  EXPECT_TRUE(visto);
  // Variant 2 warned of the withholding; the user went on.
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V130"});
  const EntradasTitulares vueltas = LeerEntradas(datos, kImportesCesionCapitales);
  EXPECT_EQ(vueltas[0].titular, 2);
  EXPECT_DOUBLE_EQ(vueltas[0].importes[0], 100000.0);
  EXPECT_DOUBLE_EQ(vueltas[0].importes[1], 25101.0);

  wxTheApp->CallAfter([&] {
    wxWindow* ventana = VentanaDe(p.titulo);
    if (ventana == nullptr) return;
    if (auto* t = dynamic_cast<wxTextCtrl*>(wxWindow::FindWindowById(kIngresosId[0], ventana))) t->ChangeValue("1");
    wxKeyEvent esc(wxEVT_CHAR_HOOK);
    esc.m_keyCode = WXK_ESCAPE;
    esc.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(esc);
  });
  const std::vector<unsigned char> antes = datos;
  EXPECT_EQ(dialogo->abrir(p), marco::kDialogoCancelado);
  EXPECT_EQ(datos, antes);
  for (std::string_view nombre :
       {kVentanaCapitalInmobiliario, kVentanaDividendos, kVentanaSegurosVida, kVentanaCesionCapitales}) {
    marco::QuitarDialogoDetalle(nombre);
  }
}

// The lending of own capital (box 029) in a real window: from the holder of an entry Tab goes to its income, its
// withholding and its expenses, then to the next entry's holder; entries without a holder offer their holder only.
TEST(DialogosCapital, ElTabuladorRecorreLaCesionDeCapitalesPorLineas) {
  REQUIERE_PANTALLA();
  RegistrarDialogosCapital();
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(kVentanaCesionCapitales);
  ASSERT_NE(dialogo, nullptr);
  EntradasTitulares entradas{};
  entradas[0] = Linea(2, 100000, 0);
  entradas[1] = Linea(2, 50000, 0);
  std::vector<unsigned char> datos(TamanoBloqueCapital(kImportesCesionCapitales));
  EscribirEntradas(entradas, kImportesCesionCapitales, datos);
  marco::SPeticionDetalle p;
  p.titulo = "(C) Cesion a terceros de capitales propios";
  p.sujeto = 1;
  p.primerParametro = 1;  // "IDD_INREGA6*1"
  p.bloque = datos;

  bool sinFoco = false;
  std::vector<int> visitados;
  wxTheApp->CallAfter([&] {
    wxWindow* ventana = VentanaDe(p.titulo);
    ASSERT_NE(ventana, nullptr);
    const auto foco = [] {
      wxWindow* f = wxWindow::FindFocus();
      return f != nullptr ? f->GetId() : 0;
    };
    const auto esperar = [](const std::function<bool()>& listo) {
      for (int i = 0; i < 100 && !listo(); ++i) pruebas::Esperar(1);
      return listo();
    };
    wxWindow* titular = wxWindow::FindWindowById(kTitular[0], ventana);
    if (titular == nullptr) {
      ADD_FAILURE() << "the dialog has no holder field " << kTitular[0];
    } else {
      ventana->Raise();
      titular->SetFocus();
    }
    if (titular == nullptr || !esperar([&] { return foco() == kTitular[0]; })) {
      sinFoco = true;
    } else {
      for (int i = 0; i < 14; ++i) {
        const int antes = foco();
        wxWindow* actual = wxWindow::FindFocus();
        wxKeyEvent tab(wxEVT_KEY_DOWN);
        tab.m_keyCode = WXK_TAB;
        tab.SetEventObject(actual);
        actual->GetEventHandler()->ProcessEvent(tab);
        esperar([&] { return foco() != antes; });
        visitados.push_back(foco());
      }
    }
    if (auto* d = dynamic_cast<wxDialog*>(ventana); d != nullptr && d->IsModal()) d->EndModal(wxID_CANCEL);
  });
  dialogo->abrir(p);
  for (std::string_view nombre :
       {kVentanaCapitalInmobiliario, kVentanaDividendos, kVentanaSegurosVida, kVentanaCesionCapitales}) {
    marco::QuitarDialogoDetalle(nombre);
  }
  if (sinFoco) GTEST_SKIP() << "the display gives no keyboard focus";
  EXPECT_EQ(visitados, (std::vector<int>{kIngresosId[0], kRetencionesId[0], kGastosId[0], kTitular[1], kIngresosId[1],
                                         kRetencionesId[1], kGastosId[1], kTitular[2], kTitular[3], kTitular[4],
                                         kTitular[5], marco::kIdAceptar, marco::kIdCancelar, kTitular[0]}));
}

}  // namespace
}  // namespace dialogos
