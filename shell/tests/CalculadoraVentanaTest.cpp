// The calculator dialog under a display: keys typed into it (characters, Enter, Control with a letter) and its
// round keys clicked give the figure its rules give, "Aceptar" hands it back, the memory goes to the profile, a
// division by zero shows its coded message, and alone it says that the figure goes nowhere.
#include "shell/CalculadoraVentana.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/stattext.h>

#include "PruebasWx.h"
#include "framework/MensajeGuion.h"
#include "platform/Perfil.h"

namespace {

namespace fs = std::filesystem;
using shell::CCalculadora;
using shell::EOrdenCalculadora;

class CalculadoraVentana : public ::testing::Test {
 protected:
  void SetUp() override {
    ruta_ = fs::temp_directory_path() / ("korvelix-calculadora-" + std::to_string(::getpid()) + ".ini");
    fs::remove(ruta_);
    perfil_ = std::make_unique<plataforma::CPerfil>(ruta_);
  }
  void TearDown() override { fs::remove(ruta_); }

  // A character typed into the window that has the keyboard.
  static void Caracter(wxWindow* ventana, wxChar caracter) {
    wxKeyEvent evento(wxEVT_CHAR);
    evento.m_uniChar = caracter;
    evento.m_keyCode = static_cast<int>(caracter);
    evento.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(evento);
  }
  static void Escribir(wxWindow* ventana, const char* texto) {
    for (const char* c = texto; *c != '\0'; ++c) Caracter(ventana, static_cast<wxChar>(*c));
  }
  // A key pressed (a key without a character, or a letter with Control held).
  static void Tecla(wxWindow* ventana, int codigo, bool control = false) {
    wxKeyEvent evento(wxEVT_KEY_DOWN);
    evento.m_keyCode = codigo;
    evento.m_controlDown = control;
    evento.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(evento);
  }
  static void Clic(wxWindow* boton) {
    wxCommandEvent evento(wxEVT_BUTTON, boton->GetId());
    evento.SetEventObject(boton);
    boton->GetEventHandler()->ProcessEvent(evento);
  }
  // The round key of an order.
  static wxWindow* TeclaDe(CCalculadora& calculadora, EOrdenCalculadora orden) {
    const auto teclas = shell::TeclasCalculadora();
    for (std::size_t i = 0; i < teclas.size(); ++i) {
      if (teclas[i].orden == orden) return calculadora.FindWindow(shell::kIdPrimeraTeclaCalculadora + static_cast<int>(i));
    }
    return nullptr;
  }

  fs::path ruta_;
  std::unique_ptr<plataforma::CPerfil> perfil_;
};

TEST_F(CalculadoraVentana, TecladoTeclasMemoriaYAceptar) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  perfil_->EscribirCadena("CALCULADORA", "Memoria", "0.0");
  CCalculadora calculadora(nullptr, *perfil_, true);
  std::vector<std::string> vistos;
  bool teclasSinFoco = true;
  wxTheApp->CallAfter([&] {
    wxWindow* pantalla = calculadora.Pantalla();
    Escribir(pantalla, "1000+2500");
    Tecla(pantalla, WXK_RETURN);
    vistos.push_back(calculadora.Reglas().Pantalla());
    // Control and P: the figure to the memory, kept in the profile.
    Tecla(pantalla, 'P', true);
    vistos.push_back(perfil_->LeerCadena("CALCULADORA", "Memoria", ""));
    // A division by zero says so and keeps the entry.
    Escribir(pantalla, "/0");
    Tecla(pantalla, WXK_RETURN);
    vistos.push_back(calculadora.Reglas().Pantalla());
    // Delete clears the entry; another divisor and the "=" key by the pointer.
    Tecla(pantalla, WXK_DELETE);
    Escribir(pantalla, "7");
    Clic(TeclaDe(calculadora, EOrdenCalculadora::Igual));
    vistos.push_back(calculadora.Reglas().Pantalla());
    // M+ and MR by the pointer: 3500 + 500 in the memory.
    Clic(TeclaDe(calculadora, EOrdenCalculadora::MemoriaSumar));
    Clic(TeclaDe(calculadora, EOrdenCalculadora::MemoriaRecuperar));
    vistos.push_back(calculadora.Reglas().Pantalla());
    vistos.push_back(perfil_->LeerCadena("CALCULADORA", "Memoria", ""));
    // "C" clears; a 13th digit beeps and is not taken; Backspace takes the last one back.
    Caracter(pantalla, 'c');
    Escribir(pantalla, "1234567890123");
    Tecla(pantalla, WXK_BACK);
    vistos.push_back(calculadora.Reglas().Pantalla());
    for (wxWindow* hijo : calculadora.GetChildren()) {
      if (hijo != pantalla && hijo->AcceptsFocusFromKeyboard()) teclasSinFoco = false;
    }
    vistos.push_back(calculadora.FindWindow(shell::kIdCalculadoraSola) == nullptr ? "con casilla" : "sola");
    Clic(calculadora.FindWindow(wxID_OK));
    if (calculadora.IsModal()) calculadora.EndModal(99);
  });
  EXPECT_EQ(calculadora.ShowModal(), wxID_OK);
  EXPECT_EQ(vistos, (std::vector<std::string>{"3.500", "3500.0", "0", "500", "4.000", "4000.0", "12.345.678.901",
                                              "con casilla"}));
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"CALC001"});
  EXPECT_TRUE(teclasSinFoco) << "the keyboard must stay with the display";
  EXPECT_EQ(calculadora.GetTitle(), "Calculadora");
  EXPECT_EQ(calculadora.DameResultado(), "12345678901");
}

TEST_F(CalculadoraVentana, SolaNoDevuelveNadaYEmpiezaConLaMemoriaDelPerfil) {
  REQUIERE_PANTALLA();
  perfil_->EscribirCadena("CALCULADORA", "Memoria", "60.1");
  std::string pantalla;
  std::string linea;
  wxTheApp->CallAfter([&] {
    for (wxWindow* ventana : wxTopLevelWindows) {
      auto* calculadora = dynamic_cast<CCalculadora*>(ventana);
      if (calculadora == nullptr || !calculadora->IsModal()) continue;
      Tecla(calculadora->Pantalla(), 'R', true);
      Caracter(calculadora->Pantalla(), 'p');  // euros to pesetas
      pantalla = calculadora->Reglas().Pantalla();
      if (auto* texto = dynamic_cast<wxStaticText*>(calculadora->FindWindow(shell::kIdCalculadoraSola))) {
        linea = texto->GetLabel().utf8_string();
      }
      Clic(calculadora->FindWindow(wxID_OK));
    }
  });
  EXPECT_EQ(shell::MostrarCalculadora(nullptr, *perfil_, false), std::nullopt);
  EXPECT_EQ(pantalla, "10.000");
  EXPECT_EQ(linea, "El resultado no se lleva a ninguna casilla.");
}

}  // namespace
