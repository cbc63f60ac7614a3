#include "shell/PerfilPrograma.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "framework/DocumentoServicios.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Perfil.h"
#include "shell/Comandos.h"
#include "shell/Idiomas.h"

namespace {

namespace fs = std::filesystem;
using shell::EMostrarVentana;
using shell::SRectangulo;

TEST(ColocacionVentana, EstadoYPosicionComoLosLeeLaVentanaPrincipal) {
  struct Caso {
    long estado;
    const char* posicion;
    EMostrarVentana mostrar;
    bool restaurarMaximizada;
    SRectangulo normal;
  };
  const SRectangulo defecto{10, 10, 500, 400};
  const Caso casos[] = {
      {0, "", EMostrarVentana::Maximizada, true, defecto},
      {3, "0100 0050 0900 0650", EMostrarVentana::Normal, false, {100, 50, 900, 650}},
      {2, "0100 0050 0900 0650", EMostrarVentana::Minimizada, true, {100, 50, 900, 650}},
      {1, "-010 -005 0790 0595", EMostrarVentana::Maximizada, true, {-10, -5, 790, 595}},
      {7, "1 2 300 400", EMostrarVentana::Maximizada, true, {1, 2, 300, 400}},
      // What cannot be read as a rectangle with an area gives the default one, never numbers from past its end.
      {3, "0100 0050", EMostrarVentana::Normal, false, defecto},
      {3, "abcd efgh ijkl mnop", EMostrarVentana::Normal, false, defecto},
      {3, "0900 0050 0100 0650", EMostrarVentana::Normal, false, defecto},
      {3, "0100 0050 0100 0650", EMostrarVentana::Normal, false, defecto},
  };
  for (const Caso& c : casos) {
    const shell::SColocacionVentana colocacion = shell::ColocacionDesdePerfil(c.estado, c.posicion);
    EXPECT_EQ(colocacion.mostrar, c.mostrar) << c.estado << " " << c.posicion;
    EXPECT_EQ(colocacion.restaurarMaximizada, c.restaurarMaximizada) << c.estado;
    EXPECT_EQ(colocacion.normal, c.normal) << c.posicion;
  }
}

// A first start (no position kept) opens its normal window at three quarters of the screen, centred, not at the
// profile's 490 x 390.
TEST(ColocacionVentana, ElPrimerArranqueTomaTresCuartosDeLaPantallaCentrados) {
  EXPECT_EQ(shell::RectanguloPrimerArranque({0, 0, 1280, 1024}), (shell::SRectangulo{160, 128, 1120, 896}));
  EXPECT_EQ(shell::RectanguloPrimerArranque({0, 30, 1920, 1080}), (shell::SRectangulo{240, 161, 1680, 948}));
  EXPECT_EQ(shell::RectanguloPrimerArranque({0, 0, 0, 0}), (shell::SRectangulo{10, 10, 500, 400}));
}

TEST(ColocacionVentana, LaPosicionSeEscribeConCuatroCifrasYSeVuelveALeer) {
  EXPECT_EQ(shell::TextoPosicion({10, 10, 500, 400}), "0010 0010 0500 0400");
  EXPECT_EQ(shell::TextoPosicion({-10, 5, 12345, 400}), "-010 0005 12345 0400");
  const SRectangulo r{-1200, 3, 1920, 1080};
  EXPECT_EQ(shell::ColocacionDesdePerfil(3, shell::TextoPosicion(r)).normal, r);
  EXPECT_EQ(shell::EstadoParaPerfil(EMostrarVentana::Normal), 3);
  EXPECT_EQ(shell::EstadoParaPerfil(EMostrarVentana::Minimizada), 2);
  EXPECT_NE(shell::ColocacionDesdePerfil(shell::EstadoParaPerfil(EMostrarVentana::Maximizada), "").mostrar,
            EMostrarVentana::Normal);
}

class PerfilProgramaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::temp_directory_path() / ("perfil-programa-" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
    carpetas_.datosPrograma = carpeta_ / "programa" / "datos";
    carpetas_.datosUsuario = carpeta_ / "usuario";
  }
  void TearDown() override {
    fs::remove_all(carpeta_);
    marco::PonerIdiomaV("e");
    marco::PonerIdiomaI("e");
    marco::PonerZoomTexto("1.0");
    marco::PonerDirBase("");
  }
  fs::path Escribe(const std::string& texto) {
    const fs::path ruta = carpeta_ / "KORVELIX.INI";
    std::ofstream(ruta, std::ios::binary) << texto;
    return ruta;
  }

  fs::path carpeta_;
  shell::SCarpetasPrograma carpetas_;
};

TEST_F(PerfilProgramaTest, UnPerfilVacioDaLosValoresPorDefectoYLasCarpetasDelPrograma) {
  plataforma::CPerfil perfil(carpeta_ / "KORVELIX.INI");
  shell::LeerPerfil(perfil, carpetas_);
  const shell::SAjustesPrograma& a = shell::AjustesPrograma();
  EXPECT_EQ(a.idioDisp, "1111");
  EXPECT_EQ(marco::IdiomaV(), "e");
  EXPECT_EQ(marco::IdiomaI(), "e");
  EXPECT_EQ(marco::ZoomTexto(), "1.0");
  EXPECT_EQ(marco::DirBase(), (carpetas_.datosPrograma / "local").string() + "/");
  EXPECT_EQ(a.dirBDLocal, (carpetas_.datosPrograma / "local").string() + "/");
  EXPECT_EQ(a.dirBDRed, (carpetas_.datosUsuario / "red").string() + "/");
  EXPECT_TRUE(a.dirBDRedPorDefecto);
  EXPECT_EQ(a.barApartados, 2);
  EXPECT_EQ(a.barApartadosX, 50);
  EXPECT_EQ(a.barApartadosY, 425);
  EXPECT_EQ(a.maxDeclar, 50);
  EXPECT_EQ(a.barTool, 1);
  EXPECT_EQ(a.barStat, 1);
  EXPECT_EQ(perfil.LeerCadena("CALCULADORA", "Memoria", ""), "0.0");
}

TEST_F(PerfilProgramaTest, LeeLoGuardadoPoneLaMemoriaACeroYSoloEscribeLasCarpetasQueNombraba) {
  const fs::path ruta = Escribe(
      "[Idioma]\nIdioDisp=1111\nIdiomaV=c\nIdiomaI=g\n[Aspecto]\nZoom=1.50\nEstado=3\nPosicion=0100 0050 0900 0650\n"
      "BarApartados=0\nBarApartadosX=220\nBarTool=0\n[Directorios]\nDirBDLocal=/opt/korvelix/local\n"
      "[CALCULADORA]\nMemoria=1234.5\n[Parametros]\nMaxDeclar=99\n");
  plataforma::CPerfil perfil(ruta);
  shell::LeerPerfil(perfil, carpetas_);
  shell::SAjustesPrograma& a = shell::AjustesPrograma();
  EXPECT_EQ(a.idioDisp, "1111");
  EXPECT_EQ(marco::LetraIdiomaV(), 'c');
  EXPECT_EQ(marco::LetraIdiomaI(), 'g');
  EXPECT_DOUBLE_EQ(marco::ZoomConfigurado(), 1.5);
  EXPECT_EQ(a.dirBDLocal, "/opt/korvelix/local/");
  EXPECT_EQ(a.estado, 3);
  EXPECT_EQ(a.barApartadosX, 220);
  EXPECT_EQ(a.barTool, 0);
  EXPECT_EQ(a.maxDeclar, 50);
  EXPECT_EQ(perfil.LeerCadena("CALCULADORA", "Memoria", ""), "0.0");

  a.posicion = shell::TextoPosicion({1, 2, 301, 402});
  shell::GuardarPerfil(perfil);
  ASSERT_TRUE(perfil.Guardar());
  plataforma::CPerfil releido(ruta);
  EXPECT_EQ(releido.LeerCadena("Aspecto", "Posicion", ""), "0001 0002 0301 0402");
  EXPECT_EQ(releido.LeerCadena("Idioma", "IdiomaV", ""), "c");
  EXPECT_EQ(releido.LeerCadena("Aspecto", "Zoom", ""), "1.50");
  EXPECT_EQ(releido.LeerEntero("Parametros", "MaxDeclar", 0), 50);
  EXPECT_EQ(releido.LeerCadena("Directorios", "DirBDLocal", ""), "/opt/korvelix/local/");
  EXPECT_FALSE(releido.Existe("Directorios", "DirBDRed"));
  EXPECT_FALSE(releido.Existe("Directorios", "DirBase"));
}

TEST_F(PerfilProgramaTest, LasCarpetasDelProgramaSeBuscanJuntoAlEjecutable) {
  // The build tree: <bin>/shell/korvelix beside <bin>/datos.
  fs::create_directories(carpeta_ / "bin" / "datos" / "local");
  fs::create_directories(carpeta_ / "bin" / "shell");
  shell::SCarpetasPrograma arbol = shell::CarpetasJuntoAlPrograma(carpeta_ / "bin" / "shell" / "korvelix", "/u");
  EXPECT_EQ(arbol.datosPrograma, carpeta_ / "bin" / "datos");
  EXPECT_EQ(arbol.catalogos, carpeta_ / "bin" / "share" / "locale");
  EXPECT_EQ(arbol.datosUsuario, fs::path("/u"));
  // An installation: <prefix>/bin/korvelix with <prefix>/share/korvelix/datos.
  fs::create_directories(carpeta_ / "prefijo" / "share" / "korvelix" / "datos" / "local");
  shell::SCarpetasPrograma instalada = shell::CarpetasJuntoAlPrograma(carpeta_ / "prefijo" / "bin" / "korvelix");
  EXPECT_EQ(instalada.datosPrograma, carpeta_ / "prefijo" / "share" / "korvelix" / "datos");
  EXPECT_EQ(instalada.catalogos, carpeta_ / "prefijo" / "share" / "locale");
  EXPECT_EQ(instalada.datosUsuario.filename(), "korvelix");
}

TEST(RutaAyuda, LlevaLaLetraDelIdiomaEnElOctavoCaracterDelNombre) {
  EXPECT_EQ(shell::RutaAyuda("/opt/k/", 'c'), "/opt/k/mideravc.hlp");
  EXPECT_EQ(shell::RutaAyuda("/opt/k", 'e'), "/opt/k/miderave.hlp");
}

TEST(ComandosIdioma, SeHabilitanPorIdioDispYSeMarcaElIdiomaDeLaInterfaz) {
  struct Caso {
    int comando;
    const char* idioDisp;
    char idiomaV;
    bool habilitado;
    bool marcado;
  };
  const Caso casos[] = {
      {32816, "1000", 'e', true, true},   {32817, "1000", 'e', false, false}, {32818, "1000", 'e', false, false},
      {32819, "1000", 'e', false, false}, {32817, "1111", 'c', true, true},   {32816, "1111", 'c', true, false},
      {32819, "0001", 'v', true, true},   {32819, "10", 'e', false, false},   {40000, "1111", 'e', false, false},
  };
  for (const Caso& c : casos) {
    const shell::SEstadoComandoIdioma estado = shell::EstadoComandoIdioma(c.comando, c.idioDisp, c.idiomaV);
    EXPECT_EQ(estado.habilitado, c.habilitado) << c.comando << " " << c.idioDisp;
    EXPECT_EQ(estado.marcado, c.marcado) << c.comando << " " << c.idiomaV;
  }
  ASSERT_NE(shell::IdiomaDeComando(32817), nullptr);
  EXPECT_EQ(shell::IdiomaDeComando(32817)->letra, 'c');
  EXPECT_EQ(shell::IdiomaDeLetra('g')->comando, 32818);
  EXPECT_EQ(shell::IdiomaDeLetra('x'), nullptr);
}

}  // namespace

namespace {

TEST(ComandosVentana, CadaComandoTieneUnIdQueWxWidgetsAceptaYSeDeshace) {
  for (int comando : {shell::kComandoNuevo, shell::kComandoAbrir, shell::kComandoAcercaDe, shell::kComandoSalir,
                      shell::kComandoBarraHerramientas, shell::kComandoBarraEstado, shell::kComandoApartados, 32816,
                      32817, 32818, 32819}) {
    const int id = shell::IdWxComando(comando);
    EXPECT_GT(id, 0) << comando;
    EXPECT_LT(id, 0x7FFF) << comando;
    EXPECT_EQ(shell::ComandoDeIdWx(id), comando);
  }
}

}  // namespace
