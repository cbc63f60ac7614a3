// The introduction screen's rules without a display: when start-up shows it, what "do not show again" writes,
// and the lines its logo scrolls.
#include "shell/Introduccion.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "framework/LogoStaticReglas.h"
#include "platform/Perfil.h"
#include "platform/Texto.h"
#include "shell/Prog32App.h"

namespace {

namespace fs = std::filesystem;

class IntroduccionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::temp_directory_path() / ("korvelix-intro-" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  plataforma::CPerfil Perfil(const std::string& texto) {
    std::ofstream(carpeta_ / "KORVELIX.INI", std::ios::binary) << texto;
    return plataforma::CPerfil(carpeta_ / "KORVELIX.INI");
  }

  fs::path carpeta_;
};

TEST_F(IntroduccionTest, SoloFalseEnInicioIntroduccionLaApaga) {
  struct Caso {
    std::string perfil;
    bool activa;
  };
  const Caso casos[] = {
      {"", true},
      {"[Inicio]\n", true},
      {"[Inicio]\nIntroduccion=TRUE\n", true},
      {"[Inicio]\nIntroduccion=\n", true},
      {"[Inicio]\nIntroduccion=FALSEX\n", true},
      {"[Otra]\nIntroduccion=FALSE\n", true},
      {"[Inicio]\nIntroduccion=FALSE\n", false},
      {"[inicio]\nintroduccion = \"false\" \n", false},
  };
  for (const Caso& c : casos) {
    const plataforma::CPerfil perfil = Perfil(c.perfil);
    EXPECT_EQ(shell::IntroduccionActiva(perfil), c.activa) << c.perfil;
    EXPECT_EQ(shell::MostrarIntroduccionAlArrancar(perfil, true), c.activa) << c.perfil;
    EXPECT_FALSE(shell::MostrarIntroduccionAlArrancar(perfil, false)) << c.perfil;
  }
}

TEST_F(IntroduccionTest, LaLineaDeOrdenesPuedeQuitarlaYSinAbrirTambien) {
  EXPECT_TRUE(shell::SOpcionesArranque{}.mostrarIntroduccion);
  EXPECT_TRUE(shell::LeerOpciones({"korvelix"}).mostrarIntroduccion);
  EXPECT_FALSE(shell::LeerOpciones({"korvelix", "--sin-introduccion"}).mostrarIntroduccion);
  EXPECT_TRUE(shell::LeerOpciones({"korvelix", "--sin-introduccion"}).abrirAlArrancar);
  const shell::SOpcionesArranque sinAbrir = shell::LeerOpciones({"korvelix", "--sin-abrir"});
  EXPECT_FALSE(sinAbrir.mostrarIntroduccion);
  EXPECT_FALSE(sinAbrir.abrirAlArrancar);
}

TEST_F(IntroduccionTest, NoVolverAMostrarEscribeFalseYGuardaSinTocarLoDemas) {
  plataforma::CPerfil perfil = Perfil("; mi perfil\n[Idioma]\nIdiomaV=c\n[Inicio]\nIntroduccion=TRUE\n");
  // Unchecked: the profile stays as it is, not even written.
  EXPECT_TRUE(shell::CerrarIntroduccion(perfil, false));
  EXPECT_TRUE(plataforma::CPerfil(perfil.Ruta()).LeerCadena("Inicio", "Introduccion", "") == "TRUE");

  EXPECT_TRUE(shell::CerrarIntroduccion(perfil, true));
  const plataforma::CPerfil leido(perfil.Ruta());
  EXPECT_EQ(leido.LeerCadena("Inicio", "Introduccion", ""), "FALSE");
  EXPECT_EQ(leido.LeerCadena("Idioma", "IdiomaV", ""), "c");
  EXPECT_FALSE(shell::IntroduccionActiva(leido));
  std::ifstream fichero(perfil.Ruta());
  std::string primera;
  std::getline(fichero, primera);
  EXPECT_EQ(primera, "; mi perfil");

  // A profile with no [Inicio] gets the section.
  plataforma::CPerfil nuevo(carpeta_ / "sub" / "NUEVO.INI");
  EXPECT_TRUE(shell::CerrarIntroduccion(nuevo, true));
  EXPECT_FALSE(shell::IntroduccionActiva(plataforma::CPerfil(carpeta_ / "sub" / "NUEVO.INI")));
}

TEST_F(IntroduccionTest, UnPerfilQueNoSePuedeEscribirLoDiceSinRomperNada) {
  // The profile's path is a folder: the answer is kept for this run, and the failure is reported.
  fs::create_directories(carpeta_ / "carpeta.ini");
  plataforma::CPerfil perfil(carpeta_ / "carpeta.ini");
  EXPECT_FALSE(shell::CerrarIntroduccion(perfil, true));
  EXPECT_FALSE(shell::IntroduccionActiva(perfil));
  EXPECT_TRUE(fs::is_directory(carpeta_ / "carpeta.ini"));
}

std::vector<marco::SLineaLogo> Estilos(const std::string& texto) {
  marco::CLogoStaticReglas reglas;
  reglas.PonerTexto(texto, shell::kSeparadorLogoIntroduccion);
  std::vector<marco::SLineaLogo> estilos;
  for (const std::string& linea : reglas.Lineas()) estilos.push_back(reglas.Estilo(linea));
  return estilos;
}

TEST_F(IntroduccionTest, ElLogoLlevaElEmblemaElNombreYLasDeclaraciones) {
  const std::vector<marco::SLineaLogo> estilos = Estilos(shell::TextoLogoIntroduccion());
  ASSERT_GE(estilos.size(), 6u);
  EXPECT_EQ(estilos[0].estilo, marco::EEstiloLineaLogo::Dibujo);
  EXPECT_EQ(estilos[0].texto, "logo-korvelix");
  EXPECT_EQ(estilos[1].estilo, marco::EEstiloLineaLogo::Grande);
  EXPECT_EQ(estilos[1].texto, "Korvelix");
  std::string pequenas;
  for (const marco::SLineaLogo& e : estilos) {
    if (e.estilo == marco::EEstiloLineaLogo::Pequena) pequenas += e.texto + " ";
  }
  for (const char* buscado : {"D-100", "D-101", "D-714", "Renta", "Patrimonio"})
    EXPECT_NE(pequenas.find(buscado), std::string::npos) << buscado;
  // Windows-1252 for the logo: the accented letters are single bytes.
  EXPECT_NE(pequenas.find(plataforma::Utf8ACp1252("Declaración")), std::string::npos);
  // The text ends with an empty line: a gap before the run starts again.
  EXPECT_EQ(estilos.back().estilo, marco::EEstiloLineaLogo::Vacia);
}

TEST_F(IntroduccionTest, UnaTraduccionNoPuedeCortarLineasNiCambiarSuEstiloNiElDibujo) {
  const std::string original = shell::TextoLogoIntroduccion();
  const std::string traducido = shell::TextoLogoIntroduccion([](std::string_view texto) {
    return std::string(texto) == "Korvelix" ? std::string("Kor|ve\tlix^") : "x|y\n" + std::string(texto) + "^";
  });
  const std::vector<marco::SLineaLogo> antes = Estilos(original);
  const std::vector<marco::SLineaLogo> despues = Estilos(traducido);
  ASSERT_EQ(despues.size(), antes.size());
  for (std::size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(despues[i].estilo, antes[i].estilo) << i;
  EXPECT_EQ(despues[0].texto, "logo-korvelix");  // the picture's name is never translated
  EXPECT_EQ(despues[1].texto, "Kor ve lix ");
}

}  // namespace
