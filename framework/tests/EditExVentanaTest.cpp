// Box edits in real windows (under Xvfb): the control placed over the box, keys typed into it, the value stored
// on leaving, the notifications and keys the parent receives, and an edit deleted by its parent inside a
// forwarded Tab.
#include "framework/EditExVentana.h"

#include <gtest/gtest.h>
#include "framework/ComandosDocumento.h"
#include "framework/DocumentoServicios.h"
#include <wx/menu.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "EditPrueba.h"
#include "PruebasWx.h"
#include "framework/EditEx.h"
#include "framework/EditNumerico.h"
#include "framework/EditTexto.h"

namespace marco {
namespace {

using pruebas_edit::Caja;

struct SAvisoRecibido {
  int id;
  int codigo;
  bool conEdit;
  friend bool operator==(const SAvisoRecibido&, const SAvisoRecibido&) = default;
};

class EditExVentana : public pruebas_edit::CFixtureEdit {
 protected:
  void SetUp() override {
    pruebas_edit::CFixtureEdit::SetUp();
    if (!pruebas::HayPantalla()) return;
    marco_ = new wxFrame(nullptr, wxID_ANY, "edits", wxDefaultPosition, wxSize(500, 300));
    panel_ = new wxPanel(marco_);
    panel_->Bind(EVT_AVISO_CAMPO, [this](wxCommandEvent& e) {
      avisos_.push_back({e.GetId(), e.GetInt(), EditDeAviso(e) != nullptr});
    });
    panel_->Bind(wxEVT_CHAR, [this](wxKeyEvent& e) { caracteres_.push_back(e.GetKeyCode()); });
    panel_->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) { teclas_.push_back(e.GetKeyCode()); });
    marco_->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (marco_ != nullptr) marco_->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
    pruebas_edit::CFixtureEdit::TearDown();
  }

  // A key as the system delivers it: the key-down, and the character when the key-down was left to the control.
  static void Pulsar(wxWindow* ventana, int codigo, wxChar unicode = WXK_NONE, bool control = false) {
    wxKeyEvent abajo(wxEVT_KEY_DOWN);
    abajo.m_keyCode = codigo;
    abajo.SetControlDown(control);
    abajo.SetEventObject(ventana);
    if (ventana->GetEventHandler()->ProcessEvent(abajo) || unicode == WXK_NONE) return;
    wxKeyEvent caracter(wxEVT_CHAR);
    caracter.m_keyCode = unicode < 0x80 ? static_cast<int>(unicode) : WXK_NONE;
    caracter.m_uniChar = unicode;
    caracter.SetControlDown(control);
    caracter.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(caracter);
  }
  static void Escribir(wxWindow* ventana, const wxString& texto) {
    for (const wxUniChar c : texto) {
      const auto u = static_cast<wxChar>(c.GetValue());
      // The key-down of a letter carries its upper case; a character outside ASCII has no key code.
      const int codigo = u >= 'a' && u <= 'z' ? u - ('a' - 'A') : (u < 0x80 ? static_cast<int>(u) : 0);
      Pulsar(ventana, codigo, u);
    }
  }
  static void Foco(wxWindow* ventana, wxEventType tipo) {
    wxFocusEvent evento(tipo, ventana->GetId());
    evento.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(evento);
  }
  std::vector<int> Codigos() const {
    std::vector<int> codigos;
    for (const auto& a : avisos_) codigos.push_back(a.codigo);
    return codigos;
  }

  wxFrame* marco_ = nullptr;
  wxPanel* panel_ = nullptr;
  std::vector<SAvisoRecibido> avisos_;
  std::vector<int> caracteres_;
  std::vector<int> teclas_;
};

TEST_F(EditExVentana, ImporteTecleadoSeGuardaAlSalir) {
  REQUIERE_PANTALLA();
  std::array<double, 1> dato{};
  CCampo campo = Caja("F7.2", dato.data(), 14);
  campo.Coor_1 = 100;
  campo.Coor_2 = 50;
  campo.Coor_3 = 220;
  campo.Coor_4 = 90;
  CDoubleEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 10, 20, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  ASSERT_NE(ventana, nullptr);
  EXPECT_EQ(ventana->GetId(), 14);
  EXPECT_EQ(ventana->GetPosition(), wxPoint(94, 32));  // minus the scroll, 2 pixels in, 2 more on the left
  EXPECT_EQ(ventana->GetSize().x, 114);
  EXPECT_TRUE(ventana->HasFlag(wxTE_RIGHT));

  Foco(ventana, wxEVT_SET_FOCUS);
  Escribir(ventana, "12a,5");
  EXPECT_EQ(ventana->GetValue(), "12,5");
  EXPECT_TRUE(edit.EstaModificado());
  Pulsar(ventana, WXK_TAB, WXK_TAB);
  EXPECT_EQ(caracteres_, std::vector<int>{WXK_TAB});
  Foco(ventana, wxEVT_KILL_FOCUS);
  EXPECT_DOUBLE_EQ(dato[0], 12.5);

  ASSERT_FALSE(avisos_.empty());
  for (const auto& aviso : avisos_) {
    EXPECT_EQ(aviso.id, 14);
    EXPECT_TRUE(aviso.conEdit);
  }
  const std::vector<int> codigos = Codigos();
  EXPECT_EQ(codigos.front(), kAvisoFocoGanado);
  EXPECT_EQ(codigos.back(), kAvisoFocoPerdido);
  EXPECT_EQ(std::count(codigos.begin(), codigos.end(), kAvisoTextoCambiado), 4);  // 1, 2, comma, 5
  EXPECT_EQ(std::count(codigos.begin(), codigos.end(), kAvisoTabulador), 1);
}

TEST_F(EditExVentana, TeclasDeNavegacionYPortapapeles) {
  REQUIERE_PANTALLA();
  std::array<char, 20> dato{};
  CCampo campo = Caja("A20", dato.data(), 3);
  campo.Coor_3 = 200;
  campo.Coor_4 = 30;
  CAlfaEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  Escribir(ventana, wxString::FromUTF8("ñu 7"));
  EXPECT_EQ(ventana->GetValue(), wxString::FromUTF8("ÑU "));
  Pulsar(ventana, WXK_PAGEDOWN);
  EXPECT_EQ(teclas_, std::vector<int>{WXK_PAGEDOWN});
  // Home is the control's: not handed on.
  Pulsar(ventana, WXK_HOME);
  EXPECT_EQ(teclas_.size(), 1u);
  Pulsar(ventana, WXK_ESCAPE, WXK_ESCAPE);
  EXPECT_EQ(caracteres_, std::vector<int>{WXK_ESCAPE});

  // Ctrl+Z goes through the edit's undo.
  Pulsar(ventana, 'Z', 26, true);
  EXPECT_EQ(ventana->GetValue(), wxString::FromUTF8("ÑU"));
  Foco(ventana, wxEVT_KILL_FOCUS);
  EXPECT_EQ(std::string(dato.data(), 3), "\xD1U ");
}

TEST_F(EditExVentana, CambioAjenoQueNoCabeSeDeshace) {
  REQUIERE_PANTALLA();
  std::array<double, 1> dato{};
  CCampo campo = Caja("F7.2", dato.data(), 5);
  campo.Coor_3 = 100;
  campo.Coor_4 = 30;
  CDoubleEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  Escribir(ventana, "15");
  // A change the rules did not make (a drop, a selection paste) is checked like a paste.
  ventana->SetValue("1.500");
  EXPECT_EQ(ventana->GetValue(), "15");
  ventana->SetValue("1500");
  EXPECT_EQ(ventana->GetValue(), "1500");
  Foco(ventana, wxEVT_KILL_FOCUS);
  EXPECT_DOUBLE_EQ(dato[0], 1500.0);
}

TEST_F(EditExVentana, ElPadreBorraElEditAlTabular) {
  REQUIERE_PANTALLA();
  std::array<char, 8> dato{};
  CCampo campo = Caja("A8", dato.data(), 9);
  campo.Coor_3 = 100;
  campo.Coor_4 = 30;
  auto edit = std::make_unique<CAlfaEdit>(campo);
  ASSERT_EQ(edit->CrearEnVista(panel_, 0, 0, nullptr), 1);
  wxWindow* ventana = edit->DameVentana();
  // As the page view does: Tab moves to the next box, which deletes the active edit.
  panel_->Bind(wxEVT_CHAR, [&](wxKeyEvent& e) {
    if (e.GetKeyCode() == WXK_TAB) edit.reset();
    e.Skip();
  });
  Escribir(ventana, "ab");
  Pulsar(ventana, WXK_TAB, WXK_TAB);
  EXPECT_EQ(edit, nullptr);
  // The window is gone after the events in progress; keys reaching it meanwhile do nothing.
  Pulsar(ventana, 'C', 'c');
  wxTheApp->ProcessIdle();
  EXPECT_EQ(panel_->GetChildren().GetCount(), 0u);
}

TEST_F(EditExVentana, CampoDeDialogoSoloLectura) {
  REQUIERE_PANTALLA();
  CEnteroEdit edit(6);
  std::int32_t valor = 250;
  edit.AsignarDato(&valor);
  ASSERT_EQ(edit.CrearEnDialogo(panel_, 1020, 10, 10, 80, 24, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  EXPECT_TRUE(edit.EnDialogo());
  edit.IntercambiarDatos(0);
  EXPECT_EQ(ventana->GetValue(), "250");
  edit.PonerSoloLectura(true);
  EXPECT_FALSE(ventana->IsEditable());
  EXPECT_EQ(ventana->GetBackgroundColour(), wxColour(255, 255, 192));
  Escribir(ventana, "9");
  EXPECT_EQ(ventana->GetValue(), "250");
  edit.PonerSoloLectura(false);
  Foco(ventana, wxEVT_SET_FOCUS);
  ventana->SetInsertionPointEnd();
  Escribir(ventana, "9");
  EXPECT_EQ(ventana->GetValue(), "2509");
  edit.IntercambiarDatos(1);
  EXPECT_EQ(valor, 2509);
  ASSERT_FALSE(avisos_.empty());
  EXPECT_EQ(avisos_.back().id, 1020);

  // Destroying the window leaves a working edit without one.
  edit.DestruirVentana();
  EXPECT_EQ(edit.DameVentana(), nullptr);
  EXPECT_EQ(edit.Texto(), "2509");
}

TEST_F(EditExVentana, TecleoReal) {
  REQUIERE_PANTALLA();
  std::array<char, 10> dato{};
  CCampo campo = Caja("Z10", dato.data(), 2);
  campo.Coor_3 = 150;
  campo.Coor_4 = 30;
  CANumEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  marco_->Raise();
  ventana->SetFocus();
  for (int i = 0; i < 20 && wxWindow::FindFocus() != ventana; ++i) {
    wxTheApp->Yield();
    wxMilliSleep(10);
  }
  if (wxWindow::FindFocus() != ventana) GTEST_SKIP() << "the display gives no keyboard focus";
  wxUIActionSimulator simulador;
  simulador.Text("12x34");
  for (int i = 0; i < 50 && ventana->GetValue().length() < 4; ++i) {
    wxTheApp->Yield();
    wxMilliSleep(10);
  }
  EXPECT_EQ(ventana->GetValue(), "1234");
  // Leaving the box by destroying its window stores the text, as losing the focus does.
  edit.DestruirVentana();
  EXPECT_EQ(std::string(dato.data(), dato.size()), "1234      ");
}

// A real key typed over the whole text selected: a character the box's rules refuse changes nothing (the selected
// text stays, the edit is not modified); one they take replaces the selection.
TEST_F(EditExVentana, UnCaracterRechazadoSobreUnaSeleccionNoBorraNada) {
  REQUIERE_PANTALLA();
  struct SCaso {
    const char* mascara;
    const char* texto;
    char tecla;
    const char* esperado;
  };
  for (const SCaso& caso : {SCaso{"F12", "1234", 'x', "1234"}, SCaso{"A20", "PRUEBA", '7', "PRUEBA"},
                            SCaso{"Z10", "1234", 'q', "1234"}, SCaso{"F12", "1234", '5', "5"},
                            SCaso{"A20", "PRUEBA", 'x', "X"}}) {
    SCOPED_TRACE(caso.mascara);
    std::array<char, 20> texto{};
    texto.fill(' ');
    std::copy_n(caso.texto, std::strlen(caso.texto), texto.begin());
    double importe = 1234.0;
    CCampo campo = Caja(caso.mascara, caso.mascara[0] == 'F' ? static_cast<void*>(&importe) : texto.data(), 2);
    campo.Coor_3 = 200;
    campo.Coor_4 = 30;
    std::unique_ptr<CEditEx> edit;
    if (caso.mascara[0] == 'F') edit = std::make_unique<CDoubleEdit>(campo);
    if (caso.mascara[0] == 'A') edit = std::make_unique<CAlfaEdit>(campo);
    if (caso.mascara[0] == 'Z') edit = std::make_unique<CANumEdit>(campo);
    ASSERT_EQ(edit->CrearEnVista(panel_, 0, 0, nullptr), 1);
    CVentanaEdit* ventana = edit->DameVentana();
    marco_->Raise();
    ventana->SetFocus();
    for (int i = 0; i < 20 && (wxWindow::FindFocus() != ventana || ventana->GetValue() != caso.texto); ++i) {
      wxTheApp->Yield();
      wxMilliSleep(10);
    }
    if (wxWindow::FindFocus() != ventana) GTEST_SKIP() << "the display gives no keyboard focus";
    ASSERT_EQ(ventana->GetValue(), caso.texto);
    ventana->SetSelection(-1, -1);
    wxUIActionSimulator simulador;
    simulador.Char(caso.tecla);
    for (int i = 0; i < 10; ++i) {
      wxTheApp->Yield();
      wxMilliSleep(5);
    }
    EXPECT_EQ(edit->Texto(), caso.esperado);
    EXPECT_EQ(ventana->GetValue(), caso.esperado);
    EXPECT_EQ(edit->EstaModificado(), std::strcmp(caso.texto, caso.esperado) != 0);
    edit.reset();
  }
}

TEST(EditExVentanaMenu, LasOrdenesDelMenuDeLaCasillaVanPorIdsQueElMenuAdmite) {
  // The program's command ids (57634 ...) are beyond what a toolkit menu takes; each entry goes by an id of the
  // menu's own range and comes back as its command.
  const std::vector<SOpcionMenuEdit>& opciones = MenuContextualPagina();
  bool fueraDeRango = false;
  for (std::size_t i = 0; i < opciones.size(); ++i) {
    if (opciones[i].id == 0) continue;
    fueraDeRango = fueraDeRango || opciones[i].id >= 0x7FFF;
    const int id = IdMenuDeOpcion(i);
    EXPECT_GT(id, wxID_HIGHEST) << i;
    EXPECT_LT(id, 0x7FFF) << i;
    EXPECT_EQ(ComandoDeIdMenu(id), opciones[i].id) << i;
  }
  EXPECT_TRUE(fueraDeRango);
  EXPECT_EQ(ComandoDeIdMenu(wxID_NONE), 0);
  EXPECT_EQ(ComandoDeIdMenu(IdMenuDeOpcion(opciones.size())), 0);
  EXPECT_EQ(ComandoDeIdMenu(IdMenuDeOpcion(4)), 0);  // a separator
}

// The persons of a page menu: only while an income-tax declaration is open (a person shown), after one separator,
// each a tick on the id its document answers, which comes back as its command.
TEST(EditExVentanaMenu, LasPersonasSoloConUnaDeclaracionDeLaRenta) {
  wxMenu sinDeclaracion;
  sinDeclaracion.Append(IdMenuDeOpcion(0), "x");
  AnadirPersonasAlMenu(sinDeclaracion);
  EXPECT_EQ(sinDeclaracion.GetMenuItemCount(), 1u);

  const std::int32_t sujeto = kSujetoConyuge;
  PublicarSujetoActual(&sujeto);
  wxMenu menu;
  menu.Append(IdMenuDeOpcion(0), "x");
  menu.AppendSeparator();
  AnadirPersonasAlMenu(menu);
  PublicarSujetoActual(nullptr);
  const std::vector<SOpcionMenuEdit>& personas = MenuContextualPersonas();
  ASSERT_EQ(menu.GetMenuItemCount(), 2 + personas.size());  // no second separator
  for (std::size_t i = 0; i < personas.size(); ++i) {
    const wxMenuItem* entrada = menu.FindItemByPosition(2 + i);
    EXPECT_TRUE(entrada->IsCheckable()) << i;
    EXPECT_EQ(entrada->GetId(), ComandoAWx(personas[i].id)) << i;
    EXPECT_LT(entrada->GetId(), 0x7FFF) << i;
    EXPECT_EQ(ComandoDeIdMenu(entrada->GetId()), personas[i].id) << i;
  }
  EXPECT_EQ(personas.front().id, kComandoUnidadFamiliar);
  EXPECT_EQ(personas.back().id, kComandoHijo2);
}

}  // namespace
}  // namespace marco
