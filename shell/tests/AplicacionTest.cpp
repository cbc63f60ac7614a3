// The program's start-up, main window, language switch and shutdown, under a display (xvfb-run).
#include "shell/Prog32App.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <optional>
#include <unistd.h>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/docview.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/toolbar.h>
#include <wx/treectrl.h>

#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/ComandosDocumento.h"
#include "framework/EditEx.h"
#include "framework/MensajeGuion.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Perfil.h"
#include "platform/Texto.h"
#include "shell/ArbolApartados.h"
#include "shell/CalculadoraVentana.h"
#include "shell/Idiomas.h"
#include "shell/IrAApartado.h"
#include "shell/MainFrm.h"
#include "shell/Plantillas.h"

namespace {

namespace fs = std::filesystem;

// A page view that draws nothing: enough for a declaration document to live in a template.
class CVistaPrueba : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  wxDECLARE_DYNAMIC_CLASS(CVistaPrueba);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaPrueba, wxView);

class AplicacionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::temp_directory_path() /
               ("korvelix-app-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
    opciones_.ejecutable = KORVELIX_PROGRAMA;
    opciones_.perfil = carpeta_ / "config" / "KORVELIX.INI";
    opciones_.datosUsuario = carpeta_ / "usuario";
    opciones_.datosPrograma = KORVELIX_DATOS;
    opciones_.catalogos = KORVELIX_CATALOGOS;
    opciones_.instanciaUnica = false;
    // No modal introduction screen in the way of a test.
    opciones_.mostrarIntroduccion = false;
  }
  void TearDown() override {
    app_.reset();
    shell::RegistroDeclaraciones().Vaciar();
    marco::PonerIdiomaV("e");
    marco::PonerIdiomaI("e");
    fs::remove_all(carpeta_);
  }

  void Perfil(const std::string& texto) {
    fs::create_directories(opciones_.perfil.parent_path());
    std::ofstream(opciones_.perfil, std::ios::binary) << texto;
  }
  shell::CProg32App& Arrancar() {
    app_ = std::make_unique<shell::CProg32App>(opciones_);
    resultado_ = app_->InitInstance();
    return *app_;
  }
  // Lets the program be idle once: windows that were destroyed are deleted, queued events handled.
  static void Reposo() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
  }
  static wxString Menu(shell::CMainFrame* marco, int posicion) {
    return marco->GetMenuBar()->GetMenuLabel(static_cast<size_t>(posicion));
  }
  static std::string Cp(std::string_view utf8) { return plataforma::Utf8ACp1252(utf8); }

  fs::path carpeta_;
  shell::SOpcionesArranque opciones_;
  std::unique_ptr<shell::CProg32App> app_;
  int resultado_ = -1;
};

TEST_F(AplicacionTest, ArrancaConSuVentanaBarrasYArbolYAlTerminarGuardaElPerfil) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  shell::CMainFrame* marco = app.DameMarcoPrincipal();
  ASSERT_NE(marco, nullptr);
  EXPECT_TRUE(marco->IsShown());
  EXPECT_EQ(wxTheApp->GetTopWindow(), marco);
  EXPECT_EQ(Menu(marco, 0), "&Archivo");
  EXPECT_EQ(Menu(marco, 2), wxString::FromUTF8("&Declaraci\u00f3n"));
  EXPECT_EQ(Menu(marco, 3), "&Idioma");
  // File Open runs from the message loop, once the main window is up; not inside start-up.
  EXPECT_TRUE(guion.Mensajes().empty());
  Reposo();
  ASSERT_NE(marco->GetToolBar(), nullptr);
  ASSERT_NE(marco->GetStatusBar(), nullptr);
  EXPECT_EQ(shell::ComandoDeIdWx(marco->GetStatusBar()->GetId()), shell::kIdBarraEstado);
  EXPECT_TRUE(marco->BarraApartadosVisible());
  // The tree lists the pages of the catalogue, grouped by form.
  ASSERT_NE(marco->DameArbol(), nullptr);
  EXPECT_GT(marco->DameArbol()->GetCount(), 1u);
  // Both databases are handed out; the user's store was made from the program's empty tables.
  EXPECT_NE(marco::DameBaseDatosRed(), nullptr);
  EXPECT_NE(marco::DameBaseDatosLocal(), nullptr);
  EXPECT_TRUE(fs::exists(opciones_.datosUsuario / "red" / "DatosDec.DBF"));
  EXPECT_TRUE(fs::exists(opciones_.datosUsuario / "red" / "Corregix.DBF"));
  EXPECT_EQ(app.DameRutaAyuda(), std::string(KORVELIX_DATOS) + "/local/miderave.hlp");
  // No declaration types are built into this program yet: File Open says so once, and nothing is open.
  EXPECT_EQ(guion.Mensajes().size(), 1u);
  EXPECT_EQ(guion.Mensajes().at(0).texto, Cp(shell::kTextoSinDeclaraciones));
  EXPECT_EQ(app.DameDocumentoActivo(), nullptr);
  EXPECT_EQ(app.CerrarDeclaraciones(), 1);
  // Going to a page with no declaration open does nothing, and says it is done.
  EXPECT_EQ(marco->OnIrAApartado(3, 7), 1);
  shell::PedirIrAApartado(marco, 2, 1);
  Reposo();

  EXPECT_EQ(app.ExitInstance(), 0);
  EXPECT_EQ(app.DameMarcoPrincipal(), nullptr);
  EXPECT_EQ(marco::DameBaseDatosRed(), nullptr);
  plataforma::CPerfil perfil(opciones_.perfil);
  EXPECT_EQ(perfil.LeerCadena("CALCULADORA", "Memoria", ""), "0.0");
  EXPECT_EQ(perfil.LeerEntero("Parametros", "MaxDeclar", 0), 50);
  EXPECT_EQ(perfil.LeerCadena("Idioma", "IdiomaV", ""), "e");
  EXPECT_EQ(perfil.LeerCadena("Aspecto", "Posicion", "").size(), 19u);
  // Folders the profile did not name keep following the program's own.
  EXPECT_FALSE(perfil.Existe("Directorios", "DirBDRed"));
}

// Every command of a declaration is in a menu with the text and accelerator users and the end-to-end suite
// know; with no declaration open they are disabled, and the export stays available.
TEST_F(AplicacionTest, LasOrdenesDeLaDeclaracionEstanEnLosMenusYSinDeclaracionSeDeshabilitan) {
  REQUIERE_PANTALLA();
  opciones_.abrirAlArrancar = false;
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  shell::CMainFrame* marco = app.DameMarcoPrincipal();
  ASSERT_NE(marco, nullptr);
  marco->UpdateWindowUI(wxUPDATE_UI_RECURSE);
  const struct {
    int comando;
    const char* texto;
    bool habilitado;
  } casos[] = {
      {marco::kComandoGuardar, "&Guardar\tCtrl+G", false},
      {marco::kComandoCerrar, "&Cerrar", false},
      {marco::kComandoIrAPaginaMenu, "&Ir a página... \tCtrl+I", false},
      {marco::kComandoPrimeraPagina, "Página &1", false},
      {marco::kComandoPaginaAnterior, "&Anterior", false},
      {marco::kComandoPaginaSiguiente, "&Siguiente", false},
      {marco::kComandoUltimaPagina, "&Ultima Página", false},
      {marco::kComandoEstadoDeclaracion, "&Estado de la Declaración", false},
      {marco::kComandoSimplificada, "&Simplificada (D-101)", false},
      {marco::kComandoOrdinaria, "&Ordinaria (D-100)", false},
      {marco::kComandoBorrador, "&Presentación borrador", false},
      {marco::kComandoImprimir, "&Imprimir...\tCtrl+P", false},
      {marco::kComandoImportar, "I&mportar", true},
      {marco::kComandoExportar, "&Exportar", true},
  };
  for (const auto& c : casos) {
    wxMenuItem* opcion = marco->GetMenuBar()->FindItem(shell::IdWxComando(c.comando));
    ASSERT_NE(opcion, nullptr) << c.texto;
    EXPECT_EQ(opcion->GetItemLabel(), wxString::FromUTF8(c.texto));
    EXPECT_EQ(opcion->IsEnabled(), c.habilitado) << c.texto;
  }
  // The tool bar carries the page and print commands too, disabled alike.
  wxToolBar* herramientas = marco->GetToolBar();
  ASSERT_NE(herramientas, nullptr);
  for (int comando : {marco::kComandoGuardar, marco::kComandoImprimir, marco::kComandoPaginaSiguiente}) {
    ASSERT_NE(herramientas->FindById(shell::IdWxComando(comando)), nullptr) << comando;
    EXPECT_FALSE(herramientas->GetToolEnabled(shell::IdWxComando(comando))) << comando;
  }
  app.ExitInstance();
}

TEST_F(AplicacionTest, SinPosicionLaVentanaSeMaximizaYConEstado3SeAbreNormalDondeEstaba) {
  REQUIERE_PANTALLA();
  opciones_.abrirAlArrancar = false;
  {
    shell::CProg32App& app = Arrancar();
    ASSERT_EQ(resultado_, 1);
    const shell::SColocacionVentana& c = app.DameMarcoPrincipal()->DameColocacion();
    EXPECT_EQ(c.mostrar, shell::EMostrarVentana::Maximizada);
    // The normal window of a first start: three quarters of the screen, centred.
    const wxRect area = wxDisplay(0u).GetClientArea();
    EXPECT_EQ(c.normal, shell::RectanguloPrimerArranque({area.GetLeft(), area.GetTop(), area.GetRight() + 1,
                                                         area.GetBottom() + 1}));
    EXPECT_GT(c.normal.derecha - c.normal.izquierda, 490);
    app_.reset();
  }
  Perfil("[Aspecto]\nEstado=3\nPosicion=0040 0030 0840 0630\n");
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  shell::CMainFrame* marco = app.DameMarcoPrincipal();
  EXPECT_EQ(marco->DameColocacion().mostrar, shell::EMostrarVentana::Normal);
  EXPECT_FALSE(marco->IsMaximized());
  EXPECT_EQ(marco->GetSize(), wxSize(800, 600));
  app.ExitInstance();
  EXPECT_EQ(plataforma::CPerfil(opciones_.perfil).LeerEntero("Aspecto", "Estado", 0), 3);
}

TEST_F(AplicacionTest, SiFaltaUnaBaseDeDatosLoDiceYTermina) {
  REQUIERE_PANTALLA();
  struct Caso {
    std::string perfil;
    std::string_view texto;
  };
  const std::string local = std::string(KORVELIX_DATOS) + "/local";
  const std::string vacia = (carpeta_ / "vacia").string();
  fs::create_directories(vacia);
  const Caso casos[] = {
      {"[Directorios]\nDirBDRed=" + (carpeta_ / "no-existe").string() + "\n", shell::kTextoFalloRed},
      {"[Directorios]\nDirBDRed=" + vacia + "\n", shell::kTextoFalloRed},
      {"[Directorios]\nDirBDLocal=" + (carpeta_ / "no-existe").string() + "\n", shell::kTextoFalloLocal},
      {"[Directorios]\nDirBDLocal=" + vacia + "\n", shell::kTextoFalloLocal},
  };
  for (const Caso& c : casos) {
    Perfil(c.perfil);
    marco::CGuionMensajes guion;
    shell::CProg32App& app = Arrancar();
    EXPECT_EQ(resultado_, 0) << c.perfil;
    ASSERT_EQ(guion.Mensajes().size(), 1u) << c.perfil;
    EXPECT_EQ(guion.Mensajes()[0].texto, Cp(c.texto));
    EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
    EXPECT_EQ(app.DameMarcoPrincipal(), nullptr);
    EXPECT_EQ(marco::DameBaseDatosRed(), nullptr);
    EXPECT_EQ(marco::DameBaseDatosLocal(), nullptr);
    // A folder the profile named is never made into an empty store.
    EXPECT_FALSE(fs::exists(carpeta_ / "no-existe"));
    app_.reset();
    Reposo();
  }
}

// An option of the command line the program does not know (a mistyped --perfil=) is said, naming it, and start-up
// ends before anything is read or made: no profile, no main window, no database.
TEST_F(AplicacionTest, UnaOpcionDesconocidaLoDiceYTermina) {
  REQUIERE_PANTALLA();
  const shell::SOpcionesArranque leidas =
      shell::LeerOpciones({"korvelix", "--perfl=/tmp/x.ini", "--sin-introduccion", "-z"});
  EXPECT_EQ(leidas.desconocidas, (std::vector<std::string>{"--perfl=/tmp/x.ini", "-z"}));
  EXPECT_FALSE(leidas.mostrarIntroduccion);
  EXPECT_TRUE(shell::LeerOpciones({"korvelix", "--sin-abrir"}).desconocidas.empty());

  opciones_.desconocidas = leidas.desconocidas;
  marco::CGuionMensajes guion;
  shell::CProg32App& app = Arrancar();
  EXPECT_EQ(resultado_, 0);
  EXPECT_TRUE(app.DameOpcionDesconocida());
  ASSERT_EQ(guion.Mensajes().size(), 1u);
  EXPECT_EQ(guion.Mensajes()[0].texto, Cp(shell::TextoOpcionDesconocida(leidas.desconocidas)));
  EXPECT_NE(guion.Mensajes()[0].texto.find("--perfl=/tmp/x.ini, -z"), std::string::npos);
  EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
  EXPECT_EQ(app.DameMarcoPrincipal(), nullptr);
  EXPECT_EQ(marco::DameBaseDatosRed(), nullptr);
  EXPECT_FALSE(fs::exists(opciones_.perfil));
  EXPECT_NE(shell::kSalidaOpcionDesconocida, 0);
}

TEST_F(AplicacionTest, CambiarDeIdiomaRehaceLosMenusYGuardaLaLetra) {
  REQUIERE_PANTALLA();
  opciones_.abrirAlArrancar = false;
  Perfil("[Idioma]\nIdioDisp=1111\n");
  marco::CGuionMensajes guion;
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  shell::CMainFrame* primero = app.DameMarcoPrincipal();
  // The language in use: nothing happens, not even a new window.
  app.CambiarIdioma('e');
  EXPECT_EQ(app.DameMarcoPrincipal(), primero);

  struct Caso {
    char letra;
    const char* archivo;
    const char* salir;
  };
  for (const Caso& c : {Caso{'c', "&Arxiu", "&Sortir"}, Caso{'v', "&Arxiu", "&Eixir"},
                        Caso{'g', "&Arquivo", "&Saír"}, Caso{'e', "&Archivo", "&Salir"}}) {
    shell::CMainFrame* anterior = app.DameMarcoPrincipal();
    app.CambiarIdioma(c.letra);
    Reposo();
    shell::CMainFrame* marco = app.DameMarcoPrincipal();
    ASSERT_NE(marco, nullptr) << c.letra;
    EXPECT_NE(marco, anterior);
    EXPECT_EQ(wxTheApp->GetTopWindow(), marco);
    EXPECT_EQ(Menu(marco, 0), wxString::FromUTF8(c.archivo)) << c.letra;
    wxMenuItem* salir = marco->GetMenuBar()->FindItem(shell::IdWxComando(shell::kComandoSalir));
    ASSERT_NE(salir, nullptr);
    EXPECT_EQ(salir->GetItemLabel(), wxString::FromUTF8(c.salir)) << c.letra;
    EXPECT_EQ(marco::LetraIdiomaV(), c.letra);
    EXPECT_EQ(marco::LetraIdiomaI(), c.letra);
    EXPECT_EQ(plataforma::CPerfil(opciones_.perfil).LeerCadena("Idioma", "IdiomaV", ""), std::string(1, c.letra));
    EXPECT_EQ(app.DameRutaAyuda().back() == 'p', true);
    EXPECT_EQ(app.DameRutaAyuda().substr(app.DameRutaAyuda().size() - 12, 8), std::string("miderav") + c.letra);
  }
  // Numbers never follow a locale of the interface.
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  EXPECT_TRUE(guion.Mensajes().empty());
}

TEST_F(AplicacionTest, SinElCatalogoDelIdiomaLoDiceYSigueEnCastellano) {
  REQUIERE_PANTALLA();
  opciones_.abrirAlArrancar = false;
  opciones_.catalogos = carpeta_ / "sin-catalogos";
  Perfil("[Idioma]\nIdiomaV=c\n");
  marco::CGuionMensajes guion;
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  ASSERT_EQ(guion.Mensajes().size(), 1u);
  EXPECT_EQ(guion.Mensajes()[0].texto.rfind(Cp(shell::kTextoFalloIdioma), 0), 0u);
  EXPECT_EQ(Menu(app.DameMarcoPrincipal(), 0), "&Archivo");
  EXPECT_EQ(marco::LetraIdiomaV(), 'c');
}

TEST_F(AplicacionTest, ElCambioDeIdiomaCierraLaDeclaracionYLaVuelveAAbrir) {
  REQUIERE_PANTALLA();
  opciones_.abrirAlArrancar = false;
  Perfil("[Idioma]\nIdioDisp=1111\n");
  marco::CGuionMensajes guion;
  shell::RegistroDeclaraciones().AnadirPlantilla([](wxDocManager& gestor) {
    return new shell::CDeclarTemplate(&gestor, shell::kRecursoRenta, shell::kTipoRenta, "Renta",
                                      CLASSINFO(marco::CProg32Doc), CLASSINFO(CVistaPrueba));
  });
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  app.AbrirDeclaracion("PEPE", 0, "", 0);
  marco::CProg32Doc* documento = app.DameDocumentoActivo();
  ASSERT_NE(documento, nullptr);
  documento->PonerClave("PEPE");

  app.CambiarIdioma('c');
  Reposo();
  marco::CProg32Doc* reabierto = app.DameDocumentoActivo();
  ASSERT_NE(reabierto, nullptr);
  EXPECT_EQ(reabierto->GetTitle(), "PEPE");
  EXPECT_EQ(Menu(app.DameMarcoPrincipal(), 0), "&Arxiu");
  EXPECT_EQ(app.DameGestorDocumentos()->GetDocumentsVector().size(), 1u);

  EXPECT_EQ(app.CerrarDeclaraciones(), 1);
  EXPECT_EQ(app.DameDocumentoActivo(), nullptr);
}

TEST_F(AplicacionTest, CapturaDeLaVentanaPrincipal) {
  REQUIERE_PANTALLA();
  opciones_.abrirAlArrancar = false;
  Perfil("[Aspecto]\nEstado=3\nPosicion=0000 0000 0800 0600\n");
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  shell::CMainFrame* marco = app.DameMarcoPrincipal();
  marco->MostrarApartados(200);
  marco->Raise();
  marco->Update();
  for (int i = 0; i < 20; ++i) {
    wxTheApp->Yield(true);
    wxMilliSleep(20);
  }
  // The whole window as the screen shows it: menus, tool bar, the tree of sections, the status bar.
  const wxRect zona = marco->GetScreenRect();
  wxBitmap captura(zona.GetSize());
  {
    wxScreenDC pantalla;
    wxMemoryDC memoria(captura);
    memoria.Blit(0, 0, zona.width, zona.height, &pantalla, zona.x, zona.y);
  }
  const char* destino = std::getenv("KORVELIX_CAPTURA");
  const fs::path ruta = destino != nullptr ? fs::path(destino) : carpeta_ / "principal.png";
  ASSERT_TRUE(captura.SaveFile(wxString::FromUTF8(ruta.string()), wxBITMAP_TYPE_PNG));
  EXPECT_GT(fs::file_size(ruta), 0u);
}

// Help and the calculator as the program lends them: the help entry of the menu, "Ayuda" of a box's menu and a
// box's F1 say with AYUDA01 that no help file ships; the menu's calculator opens alone and its memory reaches the
// profile; a box that takes numbers gets the figure of "Aceptar". Both services go with the program.
TEST_F(AplicacionTest, LaAyudaLoDiceYLaCalculadoraSeAbreDesdeElMenuYDesdeUnaCasilla) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  shell::CProg32App& app = Arrancar();
  ASSERT_EQ(resultado_, 1);
  Reposo();
  shell::CMainFrame* marco = app.DameMarcoPrincipal();
  ASSERT_NE(marco, nullptr);
  const int antes = guion.Veces("AYUDA01");
  for (int comando : {shell::kComandoTemasAyuda, marco::kComandoAyuda}) {
    wxCommandEvent orden(wxEVT_MENU, shell::IdWxComando(comando));
    marco->GetEventHandler()->ProcessEvent(orden);
  }
  ASSERT_TRUE(marco::ServiciosEdit().ayuda);
  marco::ServiciosEdit().ayuda(12);
  EXPECT_EQ(guion.Veces("AYUDA01") - antes, 3);

  // The calculator's window, once it is up: `accion` runs on it.
  const auto conCalculadora = [](std::function<void(shell::CCalculadora&)> accion) {
    wxTheApp->CallAfter([accion] {
      for (wxWindow* ventana : wxTopLevelWindows) {
        auto* calculadora = dynamic_cast<shell::CCalculadora*>(ventana);
        if (calculadora != nullptr && calculadora->IsModal()) accion(*calculadora);
      }
    });
  };
  bool sola = false;
  conCalculadora([&](shell::CCalculadora& calculadora) {
    sola = !calculadora.ConCasilla();
    calculadora.Pulsar(shell::EOrdenCalculadora::Cinco);
    calculadora.Pulsar(shell::EOrdenCalculadora::MemoriaSumar);
    calculadora.EndModal(wxID_OK);
  });
  wxCommandEvent calcular(wxEVT_MENU, shell::IdWxComando(marco::kComandoCalculadora));
  marco->GetEventHandler()->ProcessEvent(calcular);
  EXPECT_TRUE(sola);
  EXPECT_EQ(app.Perfil().LeerCadena("CALCULADORA", "Memoria", ""), "5.0");

  conCalculadora([](shell::CCalculadora& calculadora) {
    calculadora.Pulsar(shell::EOrdenCalculadora::MemoriaRecuperar);
    calculadora.Pulsar(shell::EOrdenCalculadora::Multiplicar);
    calculadora.Pulsar(shell::EOrdenCalculadora::Tres);
    wxCommandEvent aceptar(wxEVT_BUTTON, wxID_OK);
    calculadora.FindWindow(wxID_OK)->GetEventHandler()->ProcessEvent(aceptar);
  });
  ASSERT_TRUE(marco::ServiciosEdit().calculadora);
  EXPECT_EQ(marco::ServiciosEdit().calculadora(marco, true), std::optional<std::string>("3"));
  ASSERT_TRUE(marco::ServiciosComandos().calculadora);

  EXPECT_EQ(app.ExitInstance(), 0);
  EXPECT_FALSE(marco::ServiciosEdit().calculadora);
  EXPECT_FALSE(marco::ServiciosEdit().ayuda);
  EXPECT_FALSE(marco::ServiciosComandos().calculadora);
}

}  // namespace

// The section tree lists the screen pages of each form only: the printed pages stay out of it.
TEST(ArbolApartados, SoloLasPaginasDePantalla) {
  const struct {
    int id;
    bool pantalla;
  } casos[] = {{101, true},  {107, true},  {110, false}, {201, true},  {217, true},  {218, false},
               {220, false}, {222, false}, {301, true},  {312, true},  {313, false}, {100, false}, {0, false}};
  for (const auto& c : casos) EXPECT_EQ(shell::EsPaginaDePantalla(c.id), c.pantalla) << c.id;
}
