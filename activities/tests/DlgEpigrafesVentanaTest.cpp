// The heading search in a real window (under Xvfb): opened for a box, a number typed into the search text (the
// letter among it does not stay), "&Buscar", another heading chosen from the list, "&Aceptar"; the box gets the
// heading chosen with its point and the group.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <array>
#include <cstring>
#include <functional>

#include "PruebasWx.h"
#include "activities/DlgEpigrafes.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"

namespace actividades {
namespace {

bool EsperarA(const std::function<bool()>& listo) {
  for (int i = 0; i < 100 && !listo(); ++i) {
    wxTheApp->Yield(true);
    wxMilliSleep(10);
  }
  return listo();
}

wxDialog* DialogoModal() {
  for (wxWindow* w : wxTopLevelWindows) {
    if (auto* d = dynamic_cast<wxDialog*>(w); d != nullptr && d->IsModal()) return d;
  }
  return nullptr;
}

void Pulsar(wxWindow* control) {
  wxCommandEvent evento(wxEVT_BUTTON, control->GetId());
  evento.SetEventObject(control);
  control->GetEventHandler()->ProcessEvent(evento);
}

TEST(DlgEpigrafesVentana, TeclearBuscarElegirYAceptar) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  // FIXTURE: hand-made headings, not headings of the tariffs.
  const CTablaEpigrafes tabla({{"6594", "COMERCIO DE PRUEBA A (FIXTURE)", "1"},
                               {"6591", "COMERCIO DE PRUEBA B (FIXTURE)", "1"},
                               {"841", "PROFESION DE PRUEBA (FIXTURE)", "2"}});
  std::array<char, 5> codigo{};
  std::uint8_t grupo = 0;
  SEnlaceEpigrafe enlace{codigo.data(), &grupo};
  marco::SContextoSeleccion contexto;
  contexto.enlace = &enlace;
  contexto.numero1 = 1;

  wxString tecleado;
  wxString codigoTrasBuscar;
  int filaTrasBuscar = -2;
  bool botonAntes = true;
  wxTheApp->CallAfter([&] {
    wxDialog* dialogo = DialogoModal();
    if (dialogo == nullptr) return;
    auto* texto = dynamic_cast<wxTextCtrl*>(dialogo->FindWindow(kIdTextoBuscar));
    auto* buscar = dialogo->FindWindow(kIdBuscarEpigrafe);
    auto* lista = dynamic_cast<wxChoice*>(dialogo->FindWindow(kIdListaEpigrafes));
    auto* codigoVentana = dynamic_cast<wxTextCtrl*>(dialogo->FindWindow(kIdCodigoEpigrafe));
    if (texto == nullptr || buscar == nullptr || lista == nullptr || codigoVentana == nullptr) {
      Pulsar(dialogo->FindWindow(marco::kIdCancelar));
      return;
    }
    botonAntes = buscar->IsEnabled();
    // Typed with the keyboard where the display gives the focus, else put in as a paste does.
    dialogo->Raise();
    texto->SetFocus();
    if (EsperarA([&] { return wxWindow::FindFocus() == texto; })) {
      wxUIActionSimulator teclado;
      teclado.Text("6a59.4");
      EsperarA([&] { return texto->GetValue().length() >= 5; });
    } else {
      texto->SetValue("6a59.4");
    }
    tecleado = texto->GetValue();
    if (buscar->IsEnabled()) Pulsar(buscar);
    codigoTrasBuscar = codigoVentana->GetValue();
    filaTrasBuscar = lista->GetSelection();
    // Then the other heading of the list.
    lista->SetSelection(1);
    wxCommandEvent elegido(wxEVT_CHOICE, kIdListaEpigrafes);
    elegido.SetEventObject(lista);
    elegido.SetInt(1);
    lista->GetEventHandler()->ProcessEvent(elegido);
    Pulsar(dialogo->FindWindow(marco::kIdAceptar));
  });
  EXPECT_EQ(AbrirDlgEpigrafes(contexto, tabla), 1);
  EXPECT_FALSE(botonAntes);
  EXPECT_EQ(tecleado, "659.4");
  EXPECT_EQ(codigoTrasBuscar, "6594");
  EXPECT_EQ(filaTrasBuscar, 0);
  EXPECT_EQ(std::string(codigo.data(), 5), "659.1");
  EXPECT_EQ(grupo, kGrupoMercantil);
  EXPECT_TRUE(guion.Codigos().empty());
}

}  // namespace
}  // namespace actividades
