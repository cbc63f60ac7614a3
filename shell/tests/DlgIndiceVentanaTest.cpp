// The declaration index as a real window under a display: it paints the rules, and a name typed and Alta
// pressed create the declaration and end the dialog.
#include "shell/DlgIndiceDeclaraciones.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "AlmacenPrueba.h"
#include "PruebasWx.h"
#include "framework/GridCtrl.h"

namespace {

using pruebasalmacen::AlmacenTest;

class DlgIndiceVentanaTest : public AlmacenTest {};

TEST_F(DlgIndiceVentanaTest, PintaLaListaYAltaCreaYTermina) {
  REQUIERE_PANTALLA();
  Guardar({Declaracion("ANA", 1), Declaracion("BIENES", 3)});
  marco::CGuionMensajes guion;
  shell::CIndiceDeclaraciones indice(&m_red, &m_local);
  indice.EsNueva = 1;
  shell::CDlgIndiceDeclaraciones dialogo(nullptr, indice);

  std::vector<std::string> vistos;
  wxTheApp->CallAfter([&] {
    marco::CGridCtrl* rejilla = dialogo.Rejilla();
    vistos.push_back(rejilla->DameTextoCelda(0, 1));
    vistos.push_back(rejilla->DameTextoCelda(1, 0));
    vistos.push_back(std::string(plataforma::RecortaDerecha(rejilla->DameTextoCelda(2, 1))));
    vistos.push_back(rejilla->DameTextoCelda(2, 2));
    vistos.push_back(static_cast<wxStaticText*>(dialogo.FindWindow(shell::kIdTotal))->GetLabel().utf8_string());
    vistos.push_back(dialogo.FindWindow(shell::kIdAlta)->IsEnabled() ? "alta" : "sin alta");
    auto* nombre = static_cast<wxTextCtrl*>(dialogo.FindWindow(shell::kIdNombre));
    nombre->SetValue("NUEVA");  // as if typed: the change reaches the rules
    vistos.push_back(dialogo.FindWindow(shell::kIdAlta)->IsEnabled() ? "alta" : "sin alta");
    wxCommandEvent pulsar(wxEVT_BUTTON, shell::kIdAlta);
    pulsar.SetEventObject(dialogo.FindWindow(shell::kIdAlta));
    dialogo.FindWindow(shell::kIdAlta)->GetEventHandler()->ProcessEvent(pulsar);
    // Should the dialog still be up, it is closed so the test ends.
    if (dialogo.IsModal()) dialogo.EndModal(99);
  });
  const int resultado = dialogo.ShowModal();

  EXPECT_EQ(vistos, (std::vector<std::string>{"Declaraciones", "    1", "BIENES", "714", "2", "sin alta", "alta"}));
  EXPECT_EQ(resultado, shell::kIdSeleccionar);
  EXPECT_EQ(indice.EsNueva, 1);
  EXPECT_EQ(indice.NombreDeclaracion, shell::NombreAlmacen("NUEVA"));
  EXPECT_EQ(Filas().back(), "NUEVA|0||61624");
  EXPECT_TRUE(guion.Codigos().empty());
}

}  // namespace
