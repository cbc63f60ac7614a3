// The family-data wizard as a window: the document's edit shows the sheet modally and a script walks it with the
// sheet's buttons, as a user would.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <unistd.h>
#include <wx/listbox.h>
#include <wx/utils.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/EditExVentana.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/EditLista.h"
#include "platform/Texto.h"
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

// ---- the wizard driven with the keyboard and the mouse of the display (real X events) ----

namespace {

// Lets the windows take what the display sent until `hecho` holds (at most about two seconds).
bool EsperarA(const std::function<bool()>& hecho) {
  for (int i = 0; i < 200; ++i) {
    if (hecho()) return true;
    wxTheApp->Yield();
    wxMilliSleep(10);
  }
  return hecho();
}

marco::CEditEx* EditDe(wxWindow* ventana) {
  auto* v = dynamic_cast<marco::CVentanaEdit*>(ventana);
  return v != nullptr ? v->DameEdit() : nullptr;
}

// A click of the left button in the middle of a window.
void Clic(wxWindow* ventana) {
  wxUIActionSimulator simulador;
  const wxRect r = ventana->GetScreenRect();
  simulador.MouseMove(r.x + r.width / 2, r.y + r.height / 2);
  wxTheApp->Yield();
  simulador.MouseClick();
  wxTheApp->Yield();
}

// Runs the wizard on `f` with `pasos` once its sheet is on screen and has the keyboard; the sheet is cancelled
// afterwards unless the steps ended it.
int EjecutarAsistente(CDatosFam& asistente, std::function<void(wxDialog*)> pasos) {
  bool sinFoco = false;
  wxTheApp->CallAfter([&, pasos] {
    wxDialog* hoja = HojaAbierta();
    ASSERT_NE(hoja, nullptr);
    hoja->Raise();
    if (!EsperarA([hoja] { return wxGetTopLevelParent(wxWindow::FindFocus()) == hoja; })) {
      sinFoco = true;
    } else {
      pasos(hoja);
    }
    if (HojaAbierta() == hoja) Pulsar(hoja, kBotonCancelarAsistente);
  });
  const int resultado = asistente.DoModal();
  if (sinFoco) ADD_FAILURE() << "the sheet never got the keyboard focus";
  return resultado;
}

TEST(DatosFamiliaTeclado, LasCasillasSeMarcanConElRatonYConElEspacio) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes mensajes;
  CDatosFam asistente(kTituloDatosFamilia, nullptr);
  asistente.Registro() = Soltero();
  std::vector<std::string> pasos;
  EjecutarAsistente(asistente, [&](wxDialog* hoja) {
    wxWindow* soltero = hoja->FindWindow(kIdEstadoCivil + kEstadoSoltero);
    wxWindow* casado = hoja->FindWindow(kIdEstadoCivil + kEstadoCasado);
    wxWindow* hijosSi = hoja->FindWindow(kIdHijosSi);
    ASSERT_TRUE(soltero != nullptr && casado != nullptr && hijosSi != nullptr);
    // The boxes have no frame of the toolkit's, whose padding leaves no room for the "X" of so small a box.
    EXPECT_EQ(soltero->GetWindowStyleFlag() & wxBORDER_MASK, static_cast<long>(wxBORDER_NONE))
        << "the tick box keeps the toolkit's frame: its tick cannot be seen";
    EXPECT_EQ(EditDe(soltero)->Texto(), "X");
    EXPECT_EQ(EditDe(casado)->Texto(), " ");

    Clic(casado);
    EXPECT_TRUE(EsperarA([&] { return asistente.Registro().octetos[kDespEstadoCivil] == kEstadoCasado; }))
        << "a click did not tick \"Casado/a\"";
    EXPECT_EQ(EditDe(casado)->Texto(), "X");
    EXPECT_EQ(EditDe(soltero)->Texto(), " ");

    // The keyboard: the blank on the box with the focus.
    soltero->SetFocus();
    EsperarA([&] { return wxWindow::FindFocus() == soltero; });
    wxUIActionSimulator().Char(' ');
    EXPECT_TRUE(EsperarA([&] { return asistente.Registro().octetos[kDespEstadoCivil] == kEstadoSoltero; }))
        << "the blank did not tick \"Soltero/a\"";
    EXPECT_EQ(EditDe(soltero)->Texto(), "X");

    // Children: "Si" by click, then "No" by the blank.
    Clic(hijosSi);
    EXPECT_TRUE(EsperarA([&] { return asistente.Registro().octetos[kDespHijos] == 1; }));
    wxWindow* hijosNo = hoja->FindWindow(kIdHijosNo);
    hijosNo->SetFocus();
    EsperarA([&] { return wxWindow::FindFocus() == hijosNo; });
    wxUIActionSimulator().Char(' ');
    EXPECT_TRUE(EsperarA([&] { return asistente.Registro().octetos[kDespHijos] == 0; }));
    EXPECT_EQ(EditDe(hijosSi)->Texto(), " ");
  });
  EXPECT_TRUE(mensajes.Codigos().empty());
}

TEST(DatosFamiliaTeclado, ElTabuladorRecorreLosCamposEnOrdenDeLectura) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes mensajes;
  CDatosFam asistente(kTituloDatosFamilia, nullptr);
  asistente.Registro() = Soltero();
  std::vector<int> adelante;
  std::vector<int> atras;
  EjecutarAsistente(asistente, [&](wxDialog* hoja) {
    wxWindow* soltero = hoja->FindWindow(kIdEstadoCivil + kEstadoSoltero);
    soltero->SetFocus();
    EsperarA([&] { return wxWindow::FindFocus() == soltero; });
    const auto pulsar = [&](bool mayusculas, std::vector<int>& ids) {
      wxWindow* antes = wxWindow::FindFocus();
      wxUIActionSimulator().Char(WXK_TAB, mayusculas ? wxMOD_SHIFT : wxMOD_NONE);
      EsperarA([&] { return wxWindow::FindFocus() != antes; });
      wxWindow* foco = wxWindow::FindFocus();
      ids.push_back(foco != nullptr ? foco->GetId() : 0);
    };
    for (int i = 0; i < 9; ++i) pulsar(false, adelante);
    for (int i = 0; i < 3; ++i) pulsar(true, atras);
  });
  // A single person without children: the spouse's, the children's and the joint declaration's fields are disabled
  // and skipped; after the last field come the sheet's buttons (Atrás is disabled on the first page).
  EXPECT_EQ(adelante, (std::vector<int>{kIdEstadoCivil + 1, kIdEstadoCivil + 2, kIdEstadoCivil + 3, kIdHijosNo,
                                        kIdHijosSi, kIdAnioDeclarante, kIdMinusvalia + kMiembroDeclarante,
                                        kIdCodigoComunidad + kMiembroDeclarante,
                                        kIdNombreComunidad + kMiembroDeclarante}));
  EXPECT_EQ(atras, (std::vector<int>{kIdCodigoComunidad + kMiembroDeclarante, kIdMinusvalia + kMiembroDeclarante,
                                     kIdAnioDeclarante}));
}

TEST(DatosFamiliaTeclado, LaListaDeComunidadesTomaUnaEleccionConTeclasYConElRaton) {
  REQUIERE_PANTALLA();
  namespace fs = std::filesystem;
  const fs::path red = fs::temp_directory_path() / ("korvelix-famventana-" + std::to_string(::getpid()));
  fs::create_directories(red);
  ASSERT_EQ(marco::AbrirBasesDatos(red.string(), KORVELIX_DATOS_LOCAL), 1);
  marco::CGuionMensajes mensajes;
  CDatosFam asistente(kTituloDatosFamilia, nullptr);
  RegDatosFamilia f = Soltero();
  PonerComunidad(f, kMiembroDeclarante, {}, {});
  asistente.Registro() = f;
  std::string porTeclas;
  std::string porRaton;
  EjecutarAsistente(asistente, [&](wxDialog* hoja) {
    auto* nombre = hoja->FindWindow(kIdNombreComunidad + kMiembroDeclarante);
    ASSERT_NE(nombre, nullptr);
    const auto lista = [&] { return dynamic_cast<wxListBox*>(hoja->FindWindow(marco::kIdListaDesplegable)); };
    wxWindow* boton = nullptr;
    for (wxWindow* w : nombre->GetParent()->GetChildren()) {
      if (w->GetId() == marco::kIdBotonLista && w->GetPosition().y == nombre->GetPosition().y) boton = w;
    }
    ASSERT_NE(boton, nullptr);
    // Keys: the button opens the list with the focus in it, Down moves in it, Enter takes the entry.
    Clic(boton);
    ASSERT_TRUE(EsperarA([&] { return lista() != nullptr && wxWindow::FindFocus() == lista(); }))
        << "the button did not open the list with the focus in it";
    const int elegida = lista()->GetSelection();
    wxUIActionSimulator().Char(WXK_DOWN);
    EsperarA([&] { return lista() != nullptr && lista()->GetSelection() != elegida; });
    const std::string esperado = lista()->GetStringSelection().utf8_string();
    wxUIActionSimulator().Char(WXK_RETURN);
    EXPECT_TRUE(EsperarA([&] { return lista() == nullptr; })) << "Enter did not close the list";
    porTeclas = CodigoComunidad(asistente.Registro(), kMiembroDeclarante);
    EXPECT_EQ(EditDe(nombre)->Texto(), plataforma::Utf8ACp1252(esperado));

    // The mouse: a double-click on an entry takes it.
    Clic(boton);
    ASSERT_TRUE(EsperarA([&] { return lista() != nullptr; })) << "the button did not open the list again";
    wxListBox* l = lista();
    const wxRect r = l->GetScreenRect();
    wxUIActionSimulator raton;
    raton.MouseMove(r.x + r.width / 2, r.y + 6);
    wxTheApp->Yield();
    raton.MouseDblClick();
    EXPECT_TRUE(EsperarA([&] { return lista() == nullptr; })) << "a double-click did not take the entry";
    porRaton = CodigoComunidad(asistente.Registro(), kMiembroDeclarante);
  });
  marco::CerrarBasesDatos();
  std::error_code ec;
  fs::remove_all(red, ec);
  EXPECT_FALSE(plataforma::RecortaDerecha(std::string_view(porTeclas).substr(0, 1)).empty())
      << "the keys took no community";
  EXPECT_NE(porTeclas, porRaton);
  EXPECT_FALSE(porRaton.empty() || porRaton[0] == '\0') << "the mouse took no community";
}

}  // namespace
