// The introduction screen as a window (under Xvfb): the logo runs with the emblem, the screen closes by itself,
// and the box "No volver a mostrar" reaches the profile however the screen is closed.
#include "shell/IntroduccionVentana.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>

#include <filesystem>

#include "PruebasWx.h"
#include "framework/BotonImagenes.h"
#include "framework/LogoStatic.h"
#include "platform/Perfil.h"

namespace {

namespace fs = std::filesystem;

TEST(IntroduccionVentanaTest, SeCierraSolaOConContinuarYGuardaNoVolverAMostrar) {
  REQUIERE_PANTALLA();
  const fs::path carpeta = fs::temp_directory_path() / ("korvelix-introv-" + std::to_string(::getpid()));
  fs::remove_all(carpeta);
  const fs::path ruta = carpeta / "KORVELIX.INI";

  {
    // Left alone, the screen closes by itself; the box unchecked leaves the profile unwritten.
    plataforma::CPerfil perfil(ruta);
    shell::CDlgIntroduccion dialogo(nullptr, perfil, 300);
    EXPECT_EQ(dialogo.GetTitle(), wxString::FromUTF8("INTRODUCCIÓN"));
    EXPECT_EQ(dialogo.DameNoVolverAMostrar()->GetLabel(),
              wxString::FromUTF8("No volver a mostrar la pantalla de introducción"));
    bool corria = false;
    wxTheApp->CallAfter([&] { corria = dialogo.DameLogo()->Reglas().IdTemporizador() != 0; });
    EXPECT_EQ(dialogo.ShowModal(), wxID_OK);
    EXPECT_TRUE(corria);
    EXPECT_TRUE(dialogo.Terminada());
    EXPECT_EQ(dialogo.DameLogo()->Reglas().Lineas().front(), "logo-korvelix^");
    EXPECT_FALSE(fs::exists(ruta));
  }
  {
    // The emblem is there to be drawn.
    EXPECT_TRUE(marco::CargarDibujoLogo(marco::CImagenesBoton::DelPrograma().Carpeta(), "logo-korvelix").IsOk());
  }
  {
    // Checked, then Continuar: the profile turns the screen off, at once.
    plataforma::CPerfil perfil(ruta);
    shell::CDlgIntroduccion dialogo(nullptr, perfil, 0);
    wxTheApp->CallAfter([&] {
      dialogo.DameNoVolverAMostrar()->SetValue(true);
      wxCommandEvent pulsar(wxEVT_BUTTON, wxID_OK);
      pulsar.SetEventObject(dialogo.FindWindow(wxID_OK));
      dialogo.FindWindow(wxID_OK)->GetEventHandler()->ProcessEvent(pulsar);
    });
    EXPECT_EQ(dialogo.ShowModal(), wxID_OK);
    EXPECT_EQ(plataforma::CPerfil(ruta).LeerCadena("Inicio", "Introduccion", ""), "FALSE");
  }
  {
    // Checked, and the window closed from its frame: the same answer reaches the profile.
    fs::remove(ruta);
    plataforma::CPerfil perfil(ruta);
    shell::CDlgIntroduccion dialogo(nullptr, perfil, 0);
    wxTheApp->CallAfter([&] {
      dialogo.DameNoVolverAMostrar()->SetValue(true);
      dialogo.Close();
    });
    EXPECT_EQ(dialogo.ShowModal(), wxID_CANCEL);
    EXPECT_EQ(plataforma::CPerfil(ruta).LeerCadena("Inicio", "Introduccion", ""), "FALSE");
  }
  wxTheApp->ProcessIdle();
  fs::remove_all(carpeta);
}

}  // namespace
