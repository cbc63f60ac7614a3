// The 'M' box edits in real windows (under Xvfb): the button of a module with a dialog and none for a plain one,
// and the product box's hint popup below the edit, to its left near the page's right edge, gone with the edit.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include <array>
#include <cstring>

#include "PruebasWx.h"
#include "activities/EditsModulos.h"
#include "framework/Campo.h"
#include "framework/EditExVentana.h"

namespace actividades {
namespace {

class EditsModulosVentana : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!pruebas::HayPantalla()) return;
    marco_ = new wxFrame(nullptr, wxID_ANY, "modulos", wxDefaultPosition, wxSize(600, 300));
    panel_ = new wxPanel(marco_);
    marco_->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (marco_ != nullptr) marco_->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
  }
  marco::CCampo Caja(int izquierda, int derecha, int repeticion) {
    marco::CCampo campo;
    campo.StrValidac = repeticion == 1 ? "M9*1" : "M7.2";
    campo.LeerMascara(marco::kMonedaPesetas);
    campo.IndNumero = 7;
    campo.Coor_1 = izquierda;
    campo.Coor_2 = 40;
    campo.Coor_3 = derecha;
    campo.Coor_4 = 62;
    campo.Enlace = &enlace_;
    campo.Dato = entrada_.data() + (repeticion == 1 ? 0 : 40);
    enlace_.entrada = entrada_.data();
    enlace_.registro = fila_.data();
    enlace_.producto = repeticion == 1 ? 4 : 0;
    return campo;
  }
  wxFrame* marco_ = nullptr;
  wxPanel* panel_ = nullptr;
  alignas(8) std::array<unsigned char, 176> entrada_{};
  std::array<unsigned char, 2064> fila_{};
  SEnlaceModulo enlace_;
};

TEST_F(EditsModulosVentana, BotonSoloParaModulosConDialogo) {
  REQUIERE_PANTALLA();
  entrada_[0] = 8;
  marco::CCampo campo = Caja(100, 220, 0);
  {
    CModsEmpreEdit edit(campo);
    ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
    ASSERT_NE(edit.Boton(), nullptr);
    EXPECT_EQ(edit.Boton()->GetPosition().x, edit.DameVentana()->GetRect().GetRight() + 1);
  }
  entrada_[0] = 3;
  CModsEmpreEdit plano(campo);
  ASSERT_EQ(plano.CrearEnVista(panel_, 0, 0, nullptr), 1);
  EXPECT_EQ(plano.Boton(), nullptr);
}

TEST_F(EditsModulosVentana, LaAyudaDelProductoVaDebajoYSeVaConElEdit) {
  REQUIERE_PANTALLA();
  marco::CCampo campo = Caja(100, 200, 1);
  {
    CModsProductoEdit edit(campo);
    ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
    ASSERT_NE(edit.Ayuda(), nullptr);
    EXPECT_NE(edit.Boton(), nullptr);
    const wxRect rect = edit.DameVentana()->GetRect();
    EXPECT_GT(edit.Ayuda()->GetPosition().x, rect.GetRight());
    EXPECT_EQ(edit.Ayuda()->GetPosition().y, rect.GetBottom() + 1);
    auto* texto = dynamic_cast<wxStaticText*>(edit.Ayuda()->FindWindow(1020));
    ASSERT_NE(texto, nullptr);
    wxString etiqueta = texto->GetLabel();
    etiqueta.Replace("\n", " ");  // the text is wrapped to the popup's width
    EXPECT_EQ(etiqueta.ToStdString(), "Ganado bovino de carne y cunicultura.");
  }
  wxTheApp->ProcessIdle();
  EXPECT_EQ(panel_->FindWindow(1590), nullptr);

  // Near the right edge it opens to the left.
  const int ancho = panel_->GetClientSize().GetWidth();
  marco::CCampo derecha = Caja(ancho - 90, ancho - 10, 1);
  CModsProductoEdit edit(derecha);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  ASSERT_NE(edit.Ayuda(), nullptr);
  EXPECT_LT(edit.Ayuda()->GetPosition().x, edit.DameVentana()->GetRect().GetLeft());
}

}  // namespace
}  // namespace actividades
