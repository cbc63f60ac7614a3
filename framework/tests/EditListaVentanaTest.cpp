// List, holder and selection edits in real windows (under Xvfb): the button beside the edit, type-ahead typed into
// the list box edit, an entry chosen in the drop-down, an entry erased, a page that answers a holder change, and
// the scripted selection dialog opened from the button.
#include "framework/EditListaVentana.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "GestorVentanas.h"
#include "PruebasWx.h"
#include "TablasConsultaPrueba.h"
#include "framework/EditExVentana.h"
#include "framework/EditLista.h"
#include "framework/EditSeleccion.h"
#include "framework/SelectorTitular.h"

namespace marco {
namespace {

using pruebas_edit::Caja;

class EditListaVentana : public pruebas_edit::CFixtureTablasConsulta {
 protected:
  void SetUp() override {
    CFixtureTablasConsulta::SetUp();
    CrearTabla("PRUEBASE",
               "TABLA PRUEBASE\nCAMPO clave C 2\nCAMPO descripc C 20\nETIQUETA CLAVE clave\nFILAS\n"
               "01|MADRID\n02|MURCIA\n03|\n04|SORIA\n");
    CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave||T|F\n");
    if (!pruebas::HayPantalla()) return;
    marco_ = new wxFrame(nullptr, wxID_ANY, "listas", wxDefaultPosition, wxSize(500, 300));
    panel_ = new wxPanel(marco_);
    panel_->Bind(EVT_AVISO_CAMPO, [this](wxCommandEvent& e) {
      avisos_.push_back(e.GetInt());
      if (alAviso_) alAviso_(e.GetInt());
    });
    marco_->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (marco_ != nullptr) marco_->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
    CFixtureTablasConsulta::TearDown();
  }

  // A key as the system delivers it: the key-down, and the character when the key-down was left to the control.
  static void Pulsar(wxWindow* ventana, int codigo, wxChar unicode = WXK_NONE) {
    wxKeyEvent abajo(wxEVT_KEY_DOWN);
    abajo.m_keyCode = codigo;
    abajo.SetEventObject(ventana);
    if (ventana->GetEventHandler()->ProcessEvent(abajo) || unicode == WXK_NONE) return;
    wxKeyEvent caracter(wxEVT_CHAR);
    caracter.m_keyCode = static_cast<int>(unicode);
    caracter.m_uniChar = unicode;
    caracter.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(caracter);
  }
  static void Lanzar(wxWindow* ventana, wxEventType tipo) {
    wxCommandEvent evento(tipo, ventana->GetId());
    evento.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(evento);
  }

  wxFrame* marco_ = nullptr;
  wxPanel* panel_ = nullptr;
  std::vector<int> avisos_;
  std::function<void(int)> alAviso_;
};

TEST_F(EditListaVentana, BusquedaPorInicialEleccionYBorrado) {
  REQUIERE_PANTALLA();
  std::array<char, 20> valor{};
  std::memset(valor.data(), ' ', valor.size());
  CCampo campo = Caja("L20", valor.data(), 5);
  campo.FicheroTab = "PRUEBASE.TAB";
  CListaEdit edit(campo, &base_);
  ASSERT_EQ(edit.CrearEnDialogo(panel_, 5, 10, 10, 200, 24, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  ASSERT_NE(edit.Ventanas(), nullptr);
  wxButton* boton = edit.Ventanas()->Boton();
  ASSERT_NE(boton, nullptr);
  // The edit gave up a square of its height to the button, at its right end.
  EXPECT_EQ(ventana->GetSize().x, 200 - 24);
  EXPECT_EQ(boton->GetPosition().x, ventana->GetRect().GetRight() + 1);
  EXPECT_EQ(boton->GetId(), kIdBotonLista);

  // Type-ahead: letters typed into the box pick the entries; nothing is typed.
  Pulsar(ventana, 'M', 'm');
  EXPECT_EQ(ventana->GetValue(), "MADRID");
  Pulsar(ventana, 'M', 'M');
  EXPECT_EQ(ventana->GetValue(), "MURCIA");
  EXPECT_EQ(std::string(valor.data(), 6), "MURCIA");
  EXPECT_NE(std::find(avisos_.begin(), avisos_.end(), kAvisoValorCambiado), avisos_.end());

  // The button drops the list down; a double-click takes an entry.
  Lanzar(boton, wxEVT_BUTTON);
  ASSERT_TRUE(edit.DesplegableAbierto());
  wxListBox* lista = edit.Ventanas()->Lista();
  ASSERT_NE(lista, nullptr);
  ASSERT_EQ(lista->GetCount(), 4u);
  EXPECT_EQ(lista->GetString(2), "< BORRAR >");
  EXPECT_EQ(lista->GetSelection(), 1);  // the box's value
  EXPECT_EQ(lista->GetId(), kIdListaDesplegable);
  // Under the edit, at least as wide as it.
  EXPECT_GE(edit.Ventanas()->Marco()->GetScreenRect().y, ventana->GetScreenRect().GetBottom());
  lista->SetSelection(3);
  Lanzar(lista, wxEVT_LISTBOX_DCLICK);
  EXPECT_FALSE(edit.DesplegableAbierto());
  EXPECT_EQ(edit.Ventanas()->Marco(), nullptr);
  EXPECT_EQ(ventana->GetValue(), "SORIA");
  EXPECT_EQ(std::string(valor.data(), 5), "SORIA");
  wxTheApp->ProcessIdle();

  // Erasing: Delete picks the entry with an empty description.
  Pulsar(ventana, WXK_DELETE);
  EXPECT_EQ(std::string(valor.data(), valor.size()), std::string(20, ' '));
  EXPECT_EQ(ventana->GetValue(), "");

  // Escape in the list closes it.
  Lanzar(boton, wxEVT_BUTTON);
  ASSERT_NE(edit.Ventanas()->Lista(), nullptr);
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  escape.SetEventObject(edit.Ventanas()->Lista());
  edit.Ventanas()->Lista()->GetEventHandler()->ProcessEvent(escape);
  EXPECT_FALSE(edit.DesplegableAbierto());
  EXPECT_TRUE(guion_.Codigos().empty());
}

// The drop-down of a box on a page is a window of its own: it comes up as the active window, so that the keys
// typed next (Down, Enter) go to its list and not on through the page's boxes.
TEST_F(EditListaVentana, ElDesplegableDeUnaPaginaTomaElTeclado) {
  REQUIERE_PANTALLA();
  // A window manager decides who gets the keyboard, as on a person's desktop.
  pruebas::CGestorVentanas gestor;
  if (!gestor.Listo()) GTEST_SKIP() << "no window manager (openbox) for the display";
  std::array<char, 20> valor{};
  std::memset(valor.data(), ' ', valor.size());
  CCampo campo = Caja("L20", valor.data(), 5);
  campo.FicheroTab = "PRUEBASE.TAB";
  campo.Coor_3 = 220;
  campo.Coor_4 = 30;
  CListaEdit edit(campo, &base_);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  marco_->Raise();
  for (int i = 0; i < 50 && !marco_->IsActive(); ++i) pruebas::Esperar(1);
  if (!marco_->IsActive()) GTEST_SKIP() << "the display gives no keyboard focus";
  Lanzar(edit.Ventanas()->Boton(), wxEVT_BUTTON);
  ASSERT_TRUE(edit.DesplegableAbierto());
  wxFrame* desplegable = edit.Ventanas()->Marco();
  ASSERT_NE(desplegable, nullptr);
  for (int i = 0; i < 50 && !desplegable->IsActive(); ++i) pruebas::Esperar(1);
  EXPECT_TRUE(desplegable->IsActive());
  EXPECT_EQ(wxWindow::FindFocus(), edit.Ventanas()->Lista());
  edit.CerrarDesplegable();
}

TEST_F(EditListaVentana, CasillaDeSoloLecturaSinBoton) {
  REQUIERE_PANTALLA();
  std::array<char, 20> valor{};
  CCampo campo = Caja("L20", valor.data(), 6);
  campo.FicheroTab = "PRUEBASE.TAB";
  CListaEdit edit(campo, &base_);
  edit.PonerSoloLectura(true);
  ASSERT_EQ(edit.CrearEnDialogo(panel_, 6, 10, 10, 200, 24, nullptr), 1);
  EXPECT_EQ(edit.Ventanas()->Boton(), nullptr);
  Pulsar(edit.DameVentana(), WXK_DOWN);
  EXPECT_FALSE(edit.DesplegableAbierto());

  // The button goes with the edit.
  CCampo otra = Caja("L20", valor.data(), 7);
  auto editado = std::make_unique<CListaEdit>(otra, &base_);
  ASSERT_EQ(editado->CrearEnDialogo(panel_, 7, 10, 50, 200, 24, nullptr), 1);
  wxWeakRef<wxButton> boton(editado->Ventanas()->Boton());
  ASSERT_TRUE(boton);
  editado.reset();
  wxTheApp->ProcessIdle();
  EXPECT_FALSE(boton);
}

TEST_F(EditListaVentana, LaPaginaQueCambiaElTitularGana) {
  REQUIERE_PANTALLA();
  presentes_ = {1, 1, 1, 0, 0};
  std::uint8_t byte = 0;
  CCampo campo = Caja("T1", &byte, 8);
  CTitularEdit edit(campo, nullptr);
  ASSERT_EQ(edit.CrearEnDialogo(panel_, 8, 10, 10, 150, 24, nullptr), 1);
  // The page answers the change by making the spouse the holder.
  alAviso_ = [&byte](int codigo) {
    if (codigo == kAvisoValorCambiado) byte = kSujetoConyuge;
  };
  Pulsar(edit.DameVentana(), 'D', 'd');
  EXPECT_EQ(byte, kSujetoConyuge);
  EXPECT_EQ(edit.DameVentana()->GetValue(), wxString::FromUTF8("CÓNYUGE"));
  EXPECT_FALSE(edit.EstaModificado());
}

TEST_F(EditListaVentana, SeleccionAbreElDialogoRegistradoDesdeElBoton) {
  REQUIERE_PANTALLA();
  char texto[21] = {};
  char bloque[4] = {};
  CRegistroSelecciones registro;
  int abiertos = 0;
  registro.Registrar("IDD_NOMAPE", [&abiertos](const SContextoSeleccion& c) {
    ++abiertos;
    EXPECT_NE(c.padre, nullptr);
    return 1;
  });
  CCampo campo = Caja("S20", texto, 9);
  campo.NombreVent = "IDD_NOMAPE";
  campo.Enlace = bloque;
  CSelStrEdit edit;
  edit.Inicializar(campo);
  edit.PonerRegistro(&registro);
  ASSERT_EQ(edit.CrearEnDialogo(panel_, 9, 10, 10, 200, 24, nullptr), 1);
  ASSERT_NE(edit.Boton(), nullptr);
  EXPECT_EQ(edit.DameVentana()->GetSize().x, 200 - 24 - 1);
  Lanzar(edit.Boton(), wxEVT_BUTTON);
  EXPECT_EQ(abiertos, 1);
  EXPECT_EQ(avisos_, (std::vector<int>{kAvisoCampoBorrado, kAvisoValorFijado, kAvisoValorCambiado}));

  // A read-only selection box has no button.
  CCampo soloLectura = campo;
  CSelStrEdit otra;
  otra.Inicializar(soloLectura);
  otra.PonerSoloLectura(true);
  ASSERT_EQ(otra.CrearEnDialogo(panel_, 10, 10, 50, 200, 24, nullptr), 1);
  EXPECT_EQ(otra.Boton(), nullptr);
}

}  // namespace
}  // namespace marco
