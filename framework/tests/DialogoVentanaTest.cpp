// The windows of the dialog bases (under Xvfb): built from the layout, the font and the pale yellow of locked
// fields, box edits reporting to the dialog, Enter that never closes, Esc and the close box as Cancel, and a wizard
// page inside a frame.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/frame.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PruebasWx.h"
#include "framework/BotonBmp.h"
#include "framework/DialogoVentana.h"
#include "framework/EditExVentana.h"
#include "framework/EditNumerico.h"
#include "framework/TemplateDlg.h"
#include "framework/TemplatePropPg.h"

namespace marco {
namespace {

constexpr int kIdSimple = 1101;
constexpr int kIdCaja = 1102;
constexpr int kIdMayusculas = 1103;

class CDlgVentana : public CTemplateDlg {
 public:
  explicit CDlgVentana(std::function<void(CDlgVentana&)> guion, bool conMayusculas = false)
      : CTemplateDlg(900, nullptr), m_guion(std::move(guion)) {
    CPlantillaDialogo p(220, 90, "PRUEBA");
    p.Estatico(-1, "Importe", {4, 6, 40, 10});
    p.Importe(kIdSimple, {50, 4, 60, 12});
    p.CampoEdit(kIdCaja, {50, 20, 60, 12}, m_caja);
    if (conMayusculas) p.Edicion(kIdMayusculas, {50, 36, 80, 12}, kEdicionMayusculas, 12);
    p.Aceptar({110, 66, 50, 18}).Cancelar({164, 66, 50, 18});
    Plantilla() = p;
    FijarEntorno(SEntornoDialogo{1, false, false, false});
  }
  int OnInitDialog() override {
    CTemplateDlg::OnInitDialog();
    EnlazarImporte(kIdSimple, &importe);
    m_caja.AsignarDato(&caja);
    ActualizarDatosHijos(*this, 0);
    // The script runs once the modal loop is up.
    wxTheApp->CallAfter([this] { m_guion(*this); });
    return 1;
  }
  int AlCambiarValor(int id) override {
    eventos.emplace_back(0x403, id);
    return 1;
  }
  int AlTerminarCampo(int id) override {
    eventos.emplace_back(0x404, id);
    return 1;
  }
  int AlSalirDeCampo(int id) override {
    salidas.emplace_back(id, PermitirSalidaCampo());
    return 1;
  }

  wxWindow* Ventana(int id) const { return wxWindow::FindWindowById(id, dynamic_cast<wxWindow*>(CDialogoBase::Ventana())); }
  wxWindow* Dialogo() const { return dynamic_cast<wxWindow*>(CDialogoBase::Ventana()); }
  CDoubleEdit& Caja() { return m_caja; }

  double importe = 1234.5;
  double caja = 7.0;
  std::vector<std::pair<int, int>> eventos;
  std::vector<std::pair<int, bool>> salidas;

 private:
  CDoubleEdit m_caja{10, 2};
  std::function<void(CDlgVentana&)> m_guion;
};

void Tecla(wxWindow* ventana, wxEventType tipo, int codigo) {
  wxKeyEvent evento(tipo);
  evento.m_keyCode = codigo;
  evento.SetEventObject(ventana);
  ventana->GetEventHandler()->ProcessEvent(evento);
}

TEST(DialogoVentana, ConstruyeMuestraYCierraConAceptar) {
  REQUIERE_PANTALLA();
  bool visto = false;
  CDlgVentana dlg([&](CDlgVentana& d) {
    visto = true;
    auto* simple = dynamic_cast<wxTextCtrl*>(d.Ventana(kIdSimple));
    ASSERT_NE(simple, nullptr);
    EXPECT_EQ(simple->GetValue(), "1.234,5");
    EXPECT_EQ(simple->GetFont().GetPixelSize().y > 0, true);
    EXPECT_NE(dynamic_cast<CVentanaEdit*>(d.Ventana(kIdCaja)), nullptr);
    EXPECT_NE(dynamic_cast<CBotonBmp*>(d.Ventana(kIdAceptar)), nullptr);
    // A box edit's notification reaches the event operation.
    dynamic_cast<CVentanaEdit*>(d.Ventana(kIdCaja))->Notificar(kIdCaja, kAvisoValorCambiado);
    // Enter in a plain edit: 0x404, then the next control; the dialog stays open.
    Tecla(simple, wxEVT_KEY_DOWN, WXK_RETURN);
    EXPECT_EQ(d.Resultado(), 0);
    // Typed and stored on OK's exchange.
    simple->ChangeValue("99,5");
    ActualizarDatosHijos(d.Dialogo(), 1);
    Tecla(d.Ventana(kIdAceptar), wxEVT_KEY_DOWN, WXK_RETURN);  // Enter on OK presses it
  });
  dlg.PonerTitulo("TITULO DEL CAMPO");
  EXPECT_EQ(dlg.DoModal(), kIdAceptar);
  EXPECT_TRUE(visto);
  EXPECT_DOUBLE_EQ(dlg.importe, 99.5);
  EXPECT_EQ(dlg.eventos, (std::vector<std::pair<int, int>>{{0x403, kIdCaja}, {0x404, kIdSimple}}));
  EXPECT_EQ(dlg.CDialogoBase::Ventana(), nullptr);
}

TEST(DialogoVentana, EscapeYCierreSonCancelar) {
  REQUIERE_PANTALLA();
  CDlgVentana esc([](CDlgVentana& d) { Tecla(d.Dialogo(), wxEVT_CHAR_HOOK, WXK_ESCAPE); });
  EXPECT_EQ(esc.DoModal(), kIdCancelar);
  CDlgVentana cierre([](CDlgVentana& d) { d.Dialogo()->Close(); });
  EXPECT_EQ(cierre.DoModal(), kIdCancelar);
  // A box edit hands Esc on to its dialog.
  CDlgVentana caja([](CDlgVentana& d) { d.Caja().AlCaracter(27); });
  EXPECT_EQ(caja.DoModal(), kIdCancelar);
}

TEST(DialogoVentana, BloqueadoPintaAmarilloYAceptarCancela) {
  REQUIERE_PANTALLA();
  CDlgVentana dlg([](CDlgVentana& d) {
    for (int id : {kIdSimple, kIdCaja}) {
      wxWindow* w = d.Ventana(id);
      EXPECT_FALSE(w->IsEnabled()) << id;
      EXPECT_EQ(w->GetBackgroundColour(), wxColour(255, 255, 192)) << id;
      EXPECT_EQ(w->GetForegroundColour(), wxColour(0, 0, 0)) << id;
    }
    EXPECT_TRUE(d.Caja().EsSoloLectura());
    EXPECT_TRUE(d.Ventana(kIdCancelar)->IsEnabled());
    d.Pulsar(kIdAceptar);
  });
  dlg.FijarEntorno(SEntornoDialogo{3, true, false, false});
  dlg.PonerCodigoSujeto(3);
  EXPECT_EQ(dlg.DoModal(), kIdCancelar);
  EXPECT_DOUBLE_EQ(dlg.importe, 1234.5);
}

// Lets the events of the display run until `listo` holds (at most about a second).
bool EsperarA(const std::function<bool()>& listo) {
  for (int i = 0; i < 100 && !listo(); ++i) {
    wxTheApp->Yield(true);
    wxMilliSleep(10);
  }
  return listo();
}

TEST(DialogoVentana, ConElTecladoRealIntroYTabuladorPasanDeCampoYUnImporteNoTomaLetras) {
  REQUIERE_PANTALLA();
  bool sinFoco = false;
  wxString tecleado;
  std::vector<int> focos;
  CDlgVentana dlg([&](CDlgVentana& d) {
    auto* simple = dynamic_cast<wxTextCtrl*>(d.Ventana(kIdSimple));
    d.Dialogo()->Raise();
    simple->SetFocus();
    if (!EsperarA([&] { return wxWindow::FindFocus() == simple; })) {
      sinFoco = true;
      d.Pulsar(kIdCancelar);
      return;
    }
    const auto foco = [&] {
      wxWindow* f = wxWindow::FindFocus();
      return f != nullptr ? f->GetId() : 0;
    };
    wxUIActionSimulator teclado;
    // Without a window manager the keys go to the window under the pointer.
    const wxRect rect = d.Dialogo()->GetScreenRect();
    teclado.MouseMove(rect.x + rect.width / 2, rect.y + 5);
    EsperarA([] { return false; });
    simple->SetFocus();
    EsperarA([&] { return wxWindow::FindFocus() == simple; });
    simple->SelectAll();
    teclado.Text("7x8");
    EsperarA([&] { return simple->GetValue() == "78" || simple->GetValue() == "7x8"; });
    tecleado = simple->GetValue();
    // Enter goes on to the box edit, Tab to OK, Shift+Tab back to the box edit, Enter there to OK again.
    teclado.Char(WXK_RETURN);
    EsperarA([&] { return foco() == kIdCaja; });
    focos.push_back(foco());
    teclado.Char(WXK_TAB);
    EsperarA([&] { return foco() == kIdAceptar; });
    focos.push_back(foco());
    teclado.Char(WXK_TAB, wxMOD_SHIFT);
    EsperarA([&] { return foco() == kIdCaja; });
    focos.push_back(foco());
    d.Pulsar(kIdCancelar);
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancelar);
  if (sinFoco) GTEST_SKIP() << "the display gives no keyboard focus";
  EXPECT_EQ(tecleado, "78");
  EXPECT_EQ(focos, (std::vector<int>{kIdCaja, kIdAceptar, kIdCaja}));
}

// Leaving a field for another field of the dialog runs the leave-field rules (the toolkit does not always say
// which window takes the focus); leaving it for Cancel does not.
TEST(DialogoVentana, DejarUnCampoPorOtroPasaPorLasReglasDeSalida) {
  REQUIERE_PANTALLA();
  bool sinFoco = false;
  std::vector<std::pair<int, bool>> haciaCaja;
  std::vector<std::pair<int, bool>> haciaCancelar;
  std::vector<std::pair<int, bool>> desdeCaja;
  CDlgVentana dlg([&](CDlgVentana& d) {
    wxWindow* simple = d.Ventana(kIdSimple);
    d.Dialogo()->Raise();
    simple->SetFocus();
    if (!EsperarA([&] { return wxWindow::FindFocus() == simple; })) {
      sinFoco = true;
      d.Pulsar(kIdCancelar);
      return;
    }
    // With the mouse, as a person moves on: then the toolkit names no window taking the focus.
    wxUIActionSimulator raton;
    const auto centro = [&](int id) {
      const wxRect r = d.Ventana(id)->GetScreenRect();
      return wxPoint(r.x + r.width / 2, r.y + r.height / 2);
    };
    d.salidas.clear();
    raton.MouseMove(centro(kIdCaja));
    raton.MouseClick();
    EsperarA([&] { return !d.salidas.empty(); });
    haciaCaja = d.salidas;
    // And from the box edit back to the field.
    EsperarA([&] { return wxWindow::FindFocus() != simple; });
    d.salidas.clear();
    raton.MouseMove(centro(kIdSimple));
    raton.MouseClick();
    EsperarA([&] { return !d.salidas.empty(); });
    desdeCaja = d.salidas;
    simple->SetFocus();
    EsperarA([&] { return wxWindow::FindFocus() == simple; });
    d.salidas.clear();
    raton.MouseMove(centro(kIdCancelar));
    raton.MouseDown();
    EsperarA([&] { return !d.salidas.empty(); });
    haciaCancelar = d.salidas;
    // The release presses Cancel.
    raton.MouseUp();
    auto* dialogo = dynamic_cast<wxDialog*>(d.Dialogo());
    EsperarA([&] { return wxWindow::GetCapture() == nullptr && (dialogo == nullptr || !dialogo->IsModal()); });
    if (dialogo != nullptr && dialogo->IsModal()) d.Pulsar(kIdCancelar);
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancelar);
  if (sinFoco) GTEST_SKIP() << "the display gives no keyboard focus";
  ASSERT_FALSE(haciaCaja.empty());
  EXPECT_EQ(haciaCaja.front(), std::make_pair(kIdSimple, true));
  ASSERT_FALSE(desdeCaja.empty());
  EXPECT_EQ(desdeCaja.front(), std::make_pair(kIdCaja, true));
  ASSERT_FALSE(haciaCancelar.empty());
  EXPECT_EQ(haciaCancelar.front(), std::make_pair(kIdSimple, false));
}

// A field that takes capitals only: letters typed one after another keep their order and become capitals.
TEST(DialogoVentana, UnCampoDeMayusculasGuardaElOrdenDeLoTecleado) {
  REQUIERE_PANTALLA();
  bool sinFoco = false;
  wxString tecleado;
  CDlgVentana dlg([&](CDlgVentana& d) {
    auto* campo = dynamic_cast<wxTextCtrl*>(d.Ventana(kIdMayusculas));
    d.Dialogo()->Raise();
    wxUIActionSimulator teclado;
    const wxRect rect = campo->GetScreenRect();
    teclado.MouseMove(rect.x + rect.width / 2, rect.y + rect.height / 2);
    teclado.MouseClick();
    if (!EsperarA([&] { return wxWindow::FindFocus() == campo; })) {
      sinFoco = true;
      d.Pulsar(kIdCancelar);
      return;
    }
    teclado.Text("gomez 1a");
    EsperarA([&] { return campo->GetValue().length() >= 8; });
    tecleado = campo->GetValue();
    d.Pulsar(kIdCancelar);
  }, true);
  EXPECT_EQ(dlg.DoModal(), kIdCancelar);
  if (sinFoco) GTEST_SKIP() << "the display gives no keyboard focus";
  EXPECT_EQ(tecleado, "GOMEZ 1A");
}

// A dialog whose fields the layout adds column by column, as the row-table layouts do, with a box edit at the end
// of the first row: Tab from a field, in the window, goes to the next field in reading order.
class CDlgColumnas : public CTemplateDlg {
 public:
  explicit CDlgColumnas(std::function<void(CDlgColumnas&)> guion)
      : CTemplateDlg(900, nullptr), m_guion(std::move(guion)) {
    CPlantillaDialogo p(200, 80, "COLUMNAS");
    p.Estatico(-1, "Titular", {6, 2, 40, 8});
    p.Edicion(1201, {6, 12, 30, 12});
    p.Edicion(1202, {6, 28, 30, 12});
    p.Importe(1211, {40, 12, 50, 12});
    p.Importe(1212, {40, 28, 50, 12});
    p.CampoEdit(1221, {94, 13, 50, 12}, m_caja);
    p.Aceptar({80, 56, 50, 18}).Cancelar({134, 56, 50, 18});
    Plantilla() = p;
    FijarEntorno(SEntornoDialogo{1, false, false, false});
  }
  int OnInitDialog() override {
    CTemplateDlg::OnInitDialog();
    m_caja.AsignarDato(&caja);
    wxTheApp->CallAfter([this] { m_guion(*this); });
    return 1;
  }
  wxWindow* Dialogo() const { return dynamic_cast<wxWindow*>(CDialogoBase::Ventana()); }
  double caja = 0.0;

 private:
  CDoubleEdit m_caja{10, 0};
  std::function<void(CDlgColumnas&)> m_guion;
};

// Tab from the window that has the focus, as the keyboard gives it: a key down to a plain field, the character to a
// box edit.
void PulsarTabulador(bool atras = false) {
  wxWindow* foco = wxWindow::FindFocus();
  if (foco == nullptr) return;
  const bool caja = dynamic_cast<CVentanaEdit*>(foco) != nullptr;
  wxKeyEvent evento(caja ? wxEVT_CHAR : wxEVT_KEY_DOWN);
  evento.m_keyCode = WXK_TAB;
  evento.m_uniChar = WXK_TAB;
  evento.SetShiftDown(atras);
  evento.SetEventObject(foco);
  foco->GetEventHandler()->ProcessEvent(evento);
}

TEST(DialogoVentana, ElTabuladorVisitaLosCamposEnOrdenDeLectura) {
  REQUIERE_PANTALLA();
  bool sinFoco = false;
  std::vector<int> adelante;
  std::vector<int> atras;
  CDlgColumnas dlg([&](CDlgColumnas& d) {
    wxWindow* primero = wxWindow::FindWindowById(1201, d.Dialogo());
    d.Dialogo()->Raise();
    primero->SetFocus();
    if (!EsperarA([&] { return wxWindow::FindFocus() == primero; })) {
      sinFoco = true;
      d.Pulsar(kIdCancelar);
      return;
    }
    const auto foco = [] {
      wxWindow* f = wxWindow::FindFocus();
      return f != nullptr ? f->GetId() : 0;
    };
    const auto pasar = [&](bool haciaAtras, std::vector<int>& vistos) {
      const int antes = foco();
      PulsarTabulador(haciaAtras);
      EsperarA([&] { return foco() != antes; });
      vistos.push_back(foco());
    };
    for (int i = 0; i < 7; ++i) pasar(false, adelante);
    for (int i = 0; i < 3; ++i) pasar(true, atras);
    d.Pulsar(kIdCancelar);
  });
  EXPECT_EQ(dlg.DoModal(), kIdCancelar);
  if (sinFoco) GTEST_SKIP() << "the display gives no keyboard focus";
  EXPECT_EQ(adelante, (std::vector<int>{1211, 1221, 1202, 1212, kIdAceptar, kIdCancelar, 1201}));
  EXPECT_EQ(atras, (std::vector<int>{kIdCancelar, kIdAceptar, 1212}));
}

class CPaginaVentana : public CTemplatePropPg {
 public:
  CPaginaVentana() : CTemplatePropPg(130, "Datos Personales") {
    CPlantillaDialogo p(200, 60);
    p.Edicion(kIdSimple, {4, 4, 60, 12});
    p.Casilla(1300, "Hijos", {4, 20, 60, 12});
    Plantilla() = p;
  }
  int AlComando(int id, int codigo) override {
    comandos.emplace_back(id, codigo);
    return 1;
  }
  std::vector<std::pair<int, int>> comandos;
};

TEST(DialogoVentana, PaginaDentroDeUnMarco) {
  REQUIERE_PANTALLA();
  auto* marco = new wxFrame(nullptr, wxID_ANY, "hoja");
  CPaginaVentana pagina;
  wxWindow* ventana = pagina.CrearVentana(marco);
  ASSERT_NE(ventana, nullptr);
  marco->Show();
  wxWindow* casilla = wxWindow::FindWindowById(1300, ventana);
  ASSERT_NE(casilla, nullptr);
  wxCommandEvent clic(wxEVT_CHECKBOX, 1300);
  clic.SetEventObject(casilla);
  casilla->GetEventHandler()->ProcessEvent(clic);
  EXPECT_EQ(pagina.comandos, (std::vector<std::pair<int, int>>{{1300, 0}}));
  // Any disabled control of a page is drawn black on pale yellow.
  pagina.HabilitarControl(1300, false);
  EXPECT_EQ(casilla->GetBackgroundColour(), wxColour(255, 255, 192));
  pagina.HabilitarControl(1300, true);
  EXPECT_NE(casilla->GetBackgroundColour(), wxColour(255, 255, 192));
  EXPECT_EQ(DialogoDeVentana(casilla), &pagina);
  marco->Destroy();
  wxTheApp->ProcessIdle();
  EXPECT_EQ(pagina.Ventana(), nullptr);
}

}  // namespace
}  // namespace marco
