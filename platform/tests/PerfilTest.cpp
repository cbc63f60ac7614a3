#include "platform/Perfil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using plataforma::CPerfil;

class PerfilTest : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::temp_directory_path() /
               ("perfil-prueba-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
    ruta_ = carpeta_ / "KORVELIX.INI";
  }
  void TearDown() override { fs::remove_all(carpeta_); }

  void Escribe(const std::string& texto) {
    std::ofstream salida(ruta_, std::ios::binary);
    salida << texto;
  }
  std::string Lee() const {
    std::ifstream entrada(ruta_, std::ios::binary);
    std::stringstream s;
    s << entrada.rdbuf();
    return s.str();
  }

  fs::path carpeta_;
  fs::path ruta_;
};

TEST_F(PerfilTest, UnFicheroQueNoExisteEsUnPerfilVacioConLosValoresPorDefecto) {
  CPerfil perfil(ruta_);
  EXPECT_EQ(perfil.LeerCadena("Idioma", "IdiomaV", "e"), "e");
  EXPECT_EQ(perfil.LeerEntero("Aspecto", "BarApartadosX", 50), 50);
  EXPECT_FALSE(perfil.Existe("Idioma", "IdiomaV"));
  EXPECT_FALSE(fs::exists(ruta_));
}

TEST_F(PerfilTest, LeeSeccionesYClavesSinMirarMayusculasYRecortaLosValores) {
  Escribe("; comentario\r\n[idioma]\r\n  IDIOMAV =  c  \r\nIdiomaI=\"g\"\r\n[Aspecto]\nZoom=1.25\nEstado=3\n"
          "BarTool=12ab\nBarStat=abc\nVacia=\n");
  CPerfil perfil(ruta_);
  EXPECT_EQ(perfil.LeerCadena("Idioma", "IdiomaV", "e"), "c");
  EXPECT_EQ(perfil.LeerCadena("IDIOMA", "idiomai", "e"), "g");
  EXPECT_EQ(perfil.LeerCadena("Aspecto", "Zoom", "1.0"), "1.25");
  EXPECT_EQ(perfil.LeerCadena("Aspecto", "Vacia", "x"), "");
  struct Caso {
    const char* clave;
    long esperado;
  };
  for (const Caso& c : {Caso{"Estado", 3}, Caso{"BarTool", 12}, Caso{"BarStat", 0}, Caso{"Falta", 7}}) {
    EXPECT_EQ(perfil.LeerEntero("Aspecto", c.clave, 7), c.esperado) << c.clave;
  }
  // A key of another section is not found in this one.
  EXPECT_EQ(perfil.LeerCadena("Aspecto", "IdiomaV", "e"), "e");
}

TEST_F(PerfilTest, EscribirConservaLoQueElProgramaNoConoceYAnadeDondeToca) {
  Escribe("; mis ajustes\n[Idioma]\nIdiomaV=e\n\n[Otra]\nNada=1\n");
  CPerfil perfil(ruta_);
  ASSERT_TRUE(perfil.EscribirCadena("idioma", "IdiomaV", "c"));
  ASSERT_TRUE(perfil.EscribirCadena("Idioma", "IdiomaI", "v"));
  ASSERT_TRUE(perfil.EscribirEntero("Aspecto", "BarApartadosX", -50));
  ASSERT_TRUE(perfil.Guardar());
  EXPECT_EQ(Lee(), "; mis ajustes\n[Idioma]\nIdiomaV=c\nIdiomaI=v\n\n[Otra]\nNada=1\n[Aspecto]\nBarApartadosX=-50\n");

  CPerfil releido(ruta_);
  EXPECT_EQ(releido.LeerEntero("Aspecto", "BarApartadosX", 0), -50);
  releido.Borrar("Idioma", "IdiomaI");
  EXPECT_FALSE(releido.Existe("Idioma", "IdiomaI"));
}

TEST_F(PerfilTest, UnValorNoPuedeFabricarLineasNiUnNombreMalFormadoEntra) {
  CPerfil perfil(ruta_);
  ASSERT_TRUE(perfil.EscribirCadena("Directorios", "DirBase", "/tmp/a\n[Idioma]\nIdiomaV=x"));
  for (const char* malo : {"", "  ", "a=b", "[x", "x]", "a;b", "a\nb"}) {
    EXPECT_FALSE(perfil.EscribirCadena(malo, "Clave", "1")) << malo;
    EXPECT_FALSE(perfil.EscribirCadena("Seccion", malo, "1")) << malo;
  }
  ASSERT_TRUE(perfil.Guardar());
  CPerfil releido(ruta_);
  EXPECT_EQ(releido.LeerCadena("Directorios", "DirBase", ""), "/tmp/a [Idioma] IdiomaV=x");
  EXPECT_FALSE(releido.Existe("Idioma", "IdiomaV"));
  EXPECT_FALSE(releido.Existe("Seccion", "Clave"));
}

TEST_F(PerfilTest, GuardarCreaLaCarpetaYUnFalloDejaElFicheroAnteriorEntero) {
  CPerfil nuevo(carpeta_ / "korvelix" / "KORVELIX.INI");
  nuevo.EscribirCadena("Inicio", "Introduccion", "FALSE");
  ASSERT_TRUE(nuevo.Guardar());
  EXPECT_EQ(CPerfil(carpeta_ / "korvelix" / "KORVELIX.INI").LeerCadena("Inicio", "Introduccion", ""), "FALSE");

  // The path is a folder: it cannot be read, nor replaced, and what is there stays.
  fs::create_directories(carpeta_ / "carpeta.ini" / "dentro");
  CPerfil carpeta(carpeta_ / "carpeta.ini");
  EXPECT_FALSE(carpeta.Cargar());
  carpeta.EscribirCadena("A", "B", "C");
  EXPECT_FALSE(carpeta.Guardar());
  EXPECT_TRUE(fs::is_directory(carpeta_ / "carpeta.ini" / "dentro"));
  // No temporary file is left behind.
  int ficheros = 0;
  for (const auto& entrada : fs::directory_iterator(carpeta_)) ficheros += entrada.is_regular_file() ? 1 : 0;
  EXPECT_EQ(ficheros, 0);
}

TEST_F(PerfilTest, LasCarpetasDelUsuarioSiguenXdgYSoloAceptanRutasAbsolutas) {
  const char* antes = std::getenv("XDG_CONFIG_HOME");
  const std::string guardado = antes != nullptr ? antes : "";
  ::setenv("XDG_CONFIG_HOME", "/xdg/config", 1);
  EXPECT_EQ(plataforma::CarpetaConfiguracionUsuario(), fs::path("/xdg/config"));
  ::setenv("XDG_CONFIG_HOME", "relativa", 1);
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') {
    EXPECT_EQ(plataforma::CarpetaConfiguracionUsuario(), fs::path(home) / ".config");
  }
  if (antes != nullptr) {
    ::setenv("XDG_CONFIG_HOME", guardado.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
