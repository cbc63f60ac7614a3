// The windows of the Internet filing command: the progress window shows the writer's lines and its Cancel stops
// the writer; the file dialog shows its texts and keeps the path it is given.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/textctrl.h>

#include "PruebasWx.h"
#include "framework/EditEx.h"
#include "output/DlgInternet.h"
#include "output/PresentacionInternet.h"
#include "output/ProgresoImpresion.h"

using namespace salida;

namespace {

class CEscritorVacio : public CInetFichero {
 protected:
  int NumeroPaginas() const override { return 0; }
  std::string_view TituloPaginas() const override { return "PRUEBA"; }
  int NumeroModelo() const override { return 101; }
  int IdCatalogo(int) const override { return 0; }
  int CrearCamposPagina(int) override { return 0; }
};

TEST(VentanasInternet, ElProgresoMuestraLaPaginaYCancelarParaAlEscritor) {
  REQUIERE_PANTALLA();
  CEscritorVacio escritor;
  auto* dlg = new CDlgGenerandoInet(nullptr, escritor);
  EXPECT_TRUE(dlg->IsShown());
  EXPECT_EQ(dlg->GetTitle(), wxString("Generando el fichero de internet"));
  dlg->MostrarPagina("FAMILIA PEREZ", "SIMPLIFICADA", TextoProgresoPagina(3, 9));
  EXPECT_EQ(dlg->FindWindow(kIdInetClave)->GetLabel(), wxString("FAMILIA PEREZ"));
  EXPECT_EQ(dlg->FindWindow(kIdInetTipo)->GetLabel(), wxString("SIMPLIFICADA"));
  EXPECT_EQ(dlg->FindWindow(kIdInetPagina)->GetLabel(), wxString::FromUTF8("Escribiendo p\xC3\xA1gina 3 de 9"));
  dlg->Bombear();
  EXPECT_EQ(escritor.EstaCancelado(), 0);
  dlg->OnCancel();
  EXPECT_EQ(escritor.EstaCancelado(), 1);
  EXPECT_FALSE(dlg->IsShown());
  dlg->Destroy();
  BombearMensajes();
}

TEST(VentanasInternet, ElDialogoDelFicheroLlevaLaRutaOfrecida) {
  REQUIERE_PANTALLA();
  const std::filesystem::path ruta = std::filesystem::path(::testing::TempDir()) / "KVXINET";
  auto* dlg = new CDlgInternet(nullptr, ruta);
  EXPECT_EQ(dlg->GetTitle(), wxString("Generar el fichero para Internet"));
  wxTextCtrl* texto = nullptr;
  for (wxWindow* hijo : dlg->GetChildren()) {
    if (auto* t = dynamic_cast<wxTextCtrl*>(hijo)) texto = t;
  }
  ASSERT_NE(texto, nullptr);
  EXPECT_EQ(texto->GetValue().utf8_string(), ruta.string());
  EXPECT_EQ(dlg->DameRuta(), ruta);
  dlg->Destroy();
  BombearMensajes();
}

// The dialog's Help button asks the application's help for the dialog's topic (the program's says that no help
// file is installed with it).
TEST(VentanasInternet, LaAyudaDelDialogoDelFicheroPideSuTema) {
  REQUIERE_PANTALLA();
  const marco::SServiciosEdit anteriores = marco::ServiciosEdit();
  std::vector<int> temas;
  marco::SServiciosEdit servicios;
  servicios.ayuda = [&temas](int contexto) { temas.push_back(contexto); };
  marco::PonerServiciosEdit(servicios);
  auto* dlg = new CDlgInternet(nullptr, std::filesystem::path(::testing::TempDir()) / "KVXINET");
  auto* ayuda = dynamic_cast<wxButton*>(dlg->FindWindow(wxID_HELP));
  ASSERT_NE(ayuda, nullptr);
  EXPECT_EQ(ayuda->GetLabel(), wxString("Ay&uda"));
  wxCommandEvent pulsado(wxEVT_BUTTON, wxID_HELP);
  pulsado.SetEventObject(ayuda);
  ayuda->GetEventHandler()->ProcessEvent(pulsado);
  EXPECT_EQ(temas, std::vector<int>{827});
  marco::PonerServiciosEdit(anteriores);
  dlg->Destroy();
  BombearMensajes();
}

}  // namespace
