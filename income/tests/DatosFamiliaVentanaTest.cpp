// The family-data wizard as a window: the document's edit shows the sheet modally and a script walks it with the
// sheet's buttons, as a user would.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "framework/MensajeGuion.h"
#include "framework/ReferenciaReglas.h"
#include "income/DatosFamilia.h"
#include "income/RentaDoc.h"

using namespace renta;

namespace {

class CRentaDocVentana : public CRentaDoc {
 public:
  using CRentaDoc::EditarRegDatosFamilia;
};

// The modal sheet on screen, or null.
wxDialog* HojaAbierta() {
  for (wxWindow* w : wxTopLevelWindows) {
    auto* d = dynamic_cast<wxDialog*>(w);
    if (d != nullptr && d->IsModal()) return d;
  }
  return nullptr;
}

void Pulsar(wxDialog* hoja, int id) {
  auto* boton = dynamic_cast<wxButton*>(hoja->FindWindow(id));
  ASSERT_NE(boton, nullptr) << id;
  if (!boton->IsEnabled()) return;
  wxCommandEvent evento(wxEVT_BUTTON, id);
  evento.SetEventObject(boton);
  boton->GetEventHandler()->ProcessEvent(evento);
}

// Runs `pasos` on the sheet once it is shown.
void Guion(std::function<void(wxDialog*)> pasos) {
  wxTheApp->CallAfter([pasos] {
    wxDialog* hoja = HojaAbierta();
    ASSERT_NE(hoja, nullptr);
    pasos(hoja);
    // Whatever the script left open goes.
    if (HojaAbierta() == hoja) Pulsar(hoja, kBotonCancelarAsistente);
  });
}

RegDatosFamilia Soltero() {
  RegDatosFamilia f{};
  std::memcpy(f.octetos + kDespAnioDeclarante, "1955", 4);
  PonerComunidad(f, kMiembroDeclarante, "11", "GALICIA");
  PonerDoble(f, DespMinusvalia(kMiembroDeclarante), 45.0);
  return f;
}

TEST(DatosFamiliaVentana, RecorreLosPasosYTermina) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes mensajes;
  marco::PonerRecomponerIdentificacion(false);
  CRentaDocVentana doc;
  doc.Datos().DatosFamilia = Soltero();
  std::vector<std::string> titulos;
  std::vector<bool> atras;
  Guion([&](wxDialog* hoja) {
    titulos.push_back(hoja->GetTitle().utf8_string());
    atras.push_back(hoja->FindWindow(kBotonAtras)->IsEnabled());
    Pulsar(hoja, kBotonSiguiente);
    titulos.push_back(hoja->GetTitle().utf8_string());
    atras.push_back(hoja->FindWindow(kBotonAtras)->IsEnabled());
    auto* contador = dynamic_cast<wxTextCtrl*>(hoja->FindWindow(kIdContador + 2));
    ASSERT_NE(contador, nullptr);
    EXPECT_TRUE(contador->IsShownOnScreen());
    contador->ChangeValue("0,5");
    Pulsar(hoja, kBotonAtras);
    EXPECT_FALSE(contador->IsShownOnScreen());
    Pulsar(hoja, kBotonAplicar);
  });
  doc.EditarRegDatosFamilia();
  EXPECT_EQ(titulos, (std::vector<std::string>{"DATOS FAMILIARES AL 31/12/1999 - Paso 1 de 2",
                                               "DATOS FAMILIARES AL 31/12/1999 - Paso 2 de 2"}));
  EXPECT_EQ(atras, (std::vector<bool>{false, true}));
  EXPECT_TRUE(mensajes.Codigos().empty());
  // The values went through the page windows and back unchanged; the count typed was taken.
  const RegDatosFamilia& f = doc.Datos().DatosFamilia;
  EXPECT_EQ(AnioNacimiento(f, kDespAnioDeclarante), 1955);
  EXPECT_EQ(CodigoComunidad(f, kMiembroDeclarante), "11");
  EXPECT_EQ(LeerDoble(f, DespMinusvalia(kMiembroDeclarante)), 45.0);
  EXPECT_EQ(LeerDoble(f, DespContador(2)), 0.5);
  EXPECT_TRUE(marco::RecomponerIdentificacion());
  EXPECT_TRUE(doc.IsModified());
  marco::PonerRecomponerIdentificacion(false);
}

TEST(DatosFamiliaVentana, UnErrorLaMantieneAbiertaYCancelarNoCambiaNada) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes mensajes;
  CRentaDocVentana doc;  // an empty declaration: no year of birth, no community
  bool abiertaTrasError = false;
  Guion([&](wxDialog* hoja) {
    Pulsar(hoja, kBotonAplicar);
    abiertaTrasError = HojaAbierta() == hoja;
    Pulsar(hoja, kBotonCancelarAsistente);
  });
  doc.EditarRegDatosFamilia();
  EXPECT_TRUE(abiertaTrasError);
  EXPECT_EQ(mensajes.Codigos(), std::vector<std::string>{"100R129"});
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.Datos().DatosFamilia.octetos[0], 0);
}

}  // namespace
