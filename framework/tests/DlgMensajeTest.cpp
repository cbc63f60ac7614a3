// Coded messages without a window: the lookup in the message table of the interface language, the text and
// buttons composed from it, the on-screen flag, the layout rules of the window and the tables the build makes.
#include "framework/DlgMensaje.h"

#include <gtest/gtest.h>

#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/DlgMensajeReglas.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"

namespace marco {
namespace {

constexpr const char* kCabecera =
    "CAMPO Coderror C 7\n"
    "CAMPO numbotones N 1 0\n"
    "CAMPO TextBotone C 20\n"
    "CAMPO TituError C 8\n"
    "CAMPO TextError C 120\n"
    "ETIQUETA CLAVE Coderror\n"
    "FILAS\n";

class Mensaje : public pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    CrearTabla("ERRORESE", std::string(kCabecera) +
                          "PRUEBA1|1|ACEPTAR@|TITULO|Texto uno\n"
                          "CONS|1|ACEPTAR@|AVISO uno|Falta el dato %s en la página; 100% seguro.\n"
                          "SIN|1|CONTINUAR@|AVISO|Falta el dato\n"
                          "BARRA|1|ACEPTAR@|AVISO|Uno\\\\ndos\\\\\n"
                          "DOS|2|CANCELAR@ACEPTAR|PREGUNTA|\xC2\xBFSeguro?\n"
                          "VERIF|2|CONTINUAR@VERIFICAR|AVISO|Revise el dato\n"
                          "RARO|1|OTRO@|AVISO|Sin botones conocidos\n"
                          "LLENO|1|CONFIRMAR@|COMPLETO|Titulo sin blanco\n"
                          "WIN1001|1|ACEPTAR@|LARGO|El de siete\n");
    CrearTabla("ERRORESC", std::string(kCabecera) + "PRUEBA1|1|ACEPTAR@|TITOL|Text u\n");
    bd_.Abrir(Carpeta(), false, 1, "DBF");
    PonerIdiomaV("e");
  }
  void TearDown() override {
    PonerIdiomaV("e");
    CCarpetaTablas::TearDown();
  }

  // Shows the message and gives what the user would have seen.
  SMensaje Mostrar(std::string_view codigo, std::string_view extra = {}, int respuesta = kBotonAceptar) {
    CGuionMensajes guion({respuesta});
    EXPECT_EQ(CDlgMensaje(nullptr, &bd_).MostrarMensaje(codigo, IconoAsterisco, extra), respuesta);
    EXPECT_EQ(guion.Mensajes().size(), 1u);
    return guion.Mensajes().empty() ? SMensaje{} : guion.Mensajes().front();
  }

  CBaseDatos bd_;
};

TEST_F(Mensaje, EncontradoConTituloTextoYBotones) {
  const SMensaje m = Mostrar("PRUEBA1");
  EXPECT_TRUE(m.encontrado);
  EXPECT_EQ(m.codigo, "PRUEBA1");
  EXPECT_EQ(m.icono, IconoAsterisco);
  EXPECT_EQ(m.titulo, "TITULO");
  EXPECT_EQ(m.texto, "Texto uno");
  EXPECT_EQ(m.botones, kFlagAceptar);
  EXPECT_EQ(Mostrar("PRUEBA12").texto, "Texto uno");  // looked up by its first 7 characters
  EXPECT_EQ(Mostrar("CONS").titulo, "AVISO");          // the title's first word
  EXPECT_EQ(Mostrar("LLENO").titulo, "COMPLETO");      // a title as wide as its field keeps every letter
}

TEST_F(Mensaje, CodigoQueNoEsta) {
  SMensaje m = Mostrar("NOESTA", "hola");
  EXPECT_FALSE(m.encontrado);
  EXPECT_EQ(m.texto, "hola");
  EXPECT_EQ(m.titulo, "");
  EXPECT_EQ(m.botones, kFlagAceptar);
  EXPECT_EQ(Mostrar("NOESTA").texto, "NOESTA");
  // The key is padded to the field's width: "WIN100" does not find "WIN1001".
  m = Mostrar("WIN100");
  EXPECT_FALSE(m.encontrado);
  EXPECT_EQ(m.texto, "WIN100");
  EXPECT_TRUE(Mostrar("WIN1001").encontrado);
  m = Mostrar("", "solo texto");
  EXPECT_EQ(m.texto, "solo texto");
  EXPECT_EQ(m.botones, kFlagAceptar);
  // Without a database (none opened yet) the code is shown as it is.
  CGuionMensajes guion;
  CDlgMensaje(nullptr, nullptr).MostrarMensaje("PRUEBA1", IconoMano);
  EXPECT_EQ(guion.Mensajes().at(0).texto, "PRUEBA1");
}

TEST_F(Mensaje, TextoExtraYBarras) {
  EXPECT_EQ(Mostrar("CONS", "NIF").texto, "Falta el dato NIF en la p\xE1gina; 100% seguro.");
  EXPECT_EQ(Mostrar("CONS").texto, "Falta el dato %s en la p\xE1gina; 100% seguro.");
  EXPECT_EQ(Mostrar("SIN", "NIF").texto, "Falta el dato NIF");
  EXPECT_EQ(Mostrar("BARRA").texto, "Unodos");
  EXPECT_EQ(Mostrar("SIN", "a\\xb").texto, "Falta el dato ab");
}

TEST_F(Mensaje, Botones) {
  EXPECT_EQ(Mostrar("DOS", {}, kBotonCancelar).botones, kFlagAceptar | kFlagCancelar);
  EXPECT_EQ(Mostrar("VERIF", {}, kBotonCorregir).botones, kFlagContinuar | kFlagCorregir);
  EXPECT_EQ(Mostrar("SIN", {}, kBotonContinuar).botones, kFlagContinuar);
  EXPECT_EQ(Mostrar("RARO").botones, kFlagAceptar);  // no word matches a button: Aceptar
  EXPECT_EQ(Mostrar("LLENO", {}, kBotonConfirmar).botones, kFlagConfirmar);
}

TEST_F(Mensaje, TablaDelIdiomaDeLaInterfaz) {
  PonerIdiomaV("c");
  const SMensaje m = Mostrar("PRUEBA1");
  EXPECT_EQ(m.titulo, "TITOL");
  EXPECT_EQ(m.texto, "Text u");
  // A language whose table is missing: the missing file is said, then the code is shown as it is.
  PonerIdiomaV("g");
  CGuionMensajes guion;
  CDlgMensaje(nullptr, &bd_).MostrarMensaje("PRUEBA1", IconoMano);
  ASSERT_EQ(guion.Mensajes().size(), 2u);
  EXPECT_EQ(guion.Mensajes()[0].texto, "El fichero " + Carpeta() + "ERRORESG.DBF no se ha encontrado.");
  EXPECT_EQ(guion.Mensajes()[1].texto, "PRUEBA1");
}

TEST_F(Mensaje, UnoEnPantallaALaVez) {
  CGuionMensajes guion({kBotonCancelar});
  int anidado = 0;
  bool enPantalla = false;
  guion.AlMostrar([&](const SMensaje&) {
    enPantalla = HayMensajeEnPantalla();
    anidado = CDlgMensaje(nullptr, &bd_).MostrarMensaje("SIN", IconoMano);
  });
  EXPECT_EQ(CDlgMensaje(nullptr, &bd_).MostrarMensaje("DOS", IconoPregunta), kBotonCancelar);
  EXPECT_TRUE(enPantalla);
  EXPECT_EQ(anidado, -1);
  EXPECT_EQ(guion.Mensajes().size(), 1u);  // the nested one was not shown
  EXPECT_FALSE(HayMensajeEnPantalla());
}

TEST_F(Mensaje, TablaQueNoTieneElOrdenNoSeLlamaASiMisma) {
  CrearTabla("ERRORESV", "CAMPO Coderror C 7\nCAMPO TextError C 20\nFILAS\nWIN052|x\n");
  PonerIdiomaV("v");
  CGuionMensajes guion;
  EXPECT_EQ(CDlgMensaje(nullptr, &bd_).MostrarMensaje("WIN052", IconoExclamacion), kBotonAceptar);
  ASSERT_EQ(guion.Mensajes().size(), 1u);
  EXPECT_FALSE(guion.Mensajes()[0].encontrado);
}

TEST(MensajeReglas, PrimeraPalabra) {
  const std::pair<const char*, const char*> casos[] = {
      {"", ""}, {"AVISO", "AVISO"}, {"AVISO   ", "AVISO"}, {"ACEPTAR@", "ACEPTAR@"}, {" X", ""}, {"A B", "A"},
  };
  for (const auto& [texto, palabra] : casos) EXPECT_EQ(PrimeraPalabra(texto), palabra) << texto;
}

TEST(MensajeReglas, PalabrasDeBotones) {
  struct SCaso {
    const char* palabras;
    int num;
    unsigned flags;
  };
  const SCaso casos[] = {
      {"ACEPTAR@", 1, kFlagAceptar},
      {"ACEPTAR@CANCELAR", 2, kFlagAceptar | kFlagCancelar},
      {"CONFIRMAR@BORRAR", 2, kFlagConfirmar | kFlagBorrar},
      {"VERIFICAR@", 1, kFlagCorregir},
      {"CORREGIR@", 0, kFlagCorregir},
      {"ACEPTAR", 1, 0},  // one button: the last character is not part of the word
      {"aceptar@", 1, 0},
      {"", 1, 0},
      {"CANCELAR", 2, kFlagCancelar},
  };
  for (const auto& c : casos) EXPECT_EQ(FlagsDeBotones(c.palabras, c.num), c.flags) << c.palabras;
}

TEST(MensajeReglas, AjustarTexto) {
  const SRectBoton estatico{60, 14, 296, 64};
  struct SCaso {
    std::vector<int> anchos;
    int lineas;
    int ancho;
  };
  const SCaso casos[] = {
      {{100}, 1, 100}, {{296}, 1, 296}, {{297}, 2, 148}, {{600}, 3, 200}, {{0}, 1, 0}, {{100, 600}, 4, 200},
  };
  for (const auto& c : casos) {
    const SAjusteTexto a = AjustarTexto(c.anchos, 17, estatico, 372, 150);
    EXPECT_EQ(a.lineas, c.lineas) << c.anchos.size() << " " << c.anchos[0];
    EXPECT_EQ(a.texto, (SRectBoton{60, 14, c.ancho, (c.lineas + 1) * 17}));
    EXPECT_EQ(a.encogimiento, 64 - (c.lineas + 1) * 17);
    EXPECT_EQ(a.anchoCliente, 372 + c.ancho - 296);
    EXPECT_EQ(a.altoCliente, 150 - a.encogimiento);
  }
}

TEST(MensajeReglas, ColocarBotones) {
  std::array<SRectBoton, kBotonesColocables> rects;
  rects.fill({0, 94, 104, 40});
  rects[2] = {0, 94, 120, 40};  // Continuar is wider

  SColocacionBotones c = ColocarBotones(kFlagCancelar | kFlagAceptar, rects, 372, 30, 10);
  ASSERT_EQ(c.botones.size(), 2u);
  EXPECT_EQ(c.botones[0].control, kBotonAceptar);
  EXPECT_EQ(c.botones[1].control, kBotonCancelar);
  const int fila = 2 * (104 + 10) - 10;
  EXPECT_EQ(c.botones[0].rect, (SRectBoton{(372 - fila) / 2, 64, 104, 40}));
  EXPECT_EQ(c.botones[1].rect, (SRectBoton{(372 - fila) / 2 + 114, 64, 104, 40}));
  EXPECT_EQ(c.anchoCliente, 372);

  // Steps of the first button's width; each keeps its own size.
  c = ColocarBotones(kFlagContinuar | kFlagCorregir, rects, 400, -10, 10);
  ASSERT_EQ(c.botones.size(), 2u);
  EXPECT_EQ(c.botones[0].rect, (SRectBoton{(400 - 250) / 2, 104, 120, 40}));
  EXPECT_EQ(c.botones[1].rect, (SRectBoton{(400 - 250) / 2 + 130, 104, 104, 40}));

  // A narrow window is widened to hold its buttons.
  c = ColocarBotones(kFlagAceptar | kFlagCancelar | kFlagConfirmar, rects, 176, 0, 10);
  EXPECT_EQ(c.anchoCliente, 3 * 114 - 10 + 20);
  EXPECT_EQ(c.botones[0].rect.x, 10);

  // Borrar is never laid out.
  EXPECT_TRUE(ColocarBotones(kFlagBorrar, rects, 372, 0, 10).botones.empty());
}

TEST(MensajeReglas, ComponerYQuitarBarras) {
  EXPECT_EQ(ComponerTexto("Dato %s y %s", "X"), "Dato X y %s");
  EXPECT_EQ(ComponerTexto("Dato", ""), "Dato");
  EXPECT_EQ(QuitarBarras("a\\bc\\"), "ac");
  EXPECT_EQ(QuitarBarras("\\\\x"), "x");
}

// The tables the build makes from data/mensajes: every language has every code of the table layer.
TEST(MensajesDelPrograma, CadaIdiomaTieneLosCodigos) {
  CBaseDatos bd;
  bd.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  const char* codigos[] = {"WIN046", "WIN050", "WIN051", "WIN052", "WIN053", "WIN054", "WIN055"};
  for (const char* idioma : {"e", "c", "g", "v"}) {
    PonerIdiomaV(idioma);
    for (const char* codigo : codigos) {
      CGuionMensajes guion;
      CDlgMensaje(nullptr, &bd).MostrarMensaje(codigo, IconoExclamacion, "EXTRA");
      ASSERT_EQ(guion.Mensajes().size(), 1u) << idioma << " " << codigo;
      const SMensaje& m = guion.Mensajes()[0];
      EXPECT_TRUE(m.encontrado) << idioma << " " << codigo;
      EXPECT_FALSE(m.titulo.empty()) << codigo;
      EXPECT_NE(m.texto.find("EXTRA"), std::string::npos) << codigo;
      // Messages that offer to try again have Aceptar (try again) and Cancelar.
      const bool reintenta = std::string(codigo) != "WIN052" && std::string(codigo) != "WIN053" &&
                             std::string(codigo) != "WIN054";
      EXPECT_EQ(m.botones, reintenta ? (kFlagAceptar | kFlagCancelar) : kFlagAceptar) << codigo;
    }
  }
  PonerIdiomaV("e");
}

// Through the program's databases: the table layer's messages come from the local database's table.
TEST(MensajesDelPrograma, LaBaseLocalEsLaDeLosMensajes) {
  AbrirBasesDatos(::testing::TempDir(), KORVELIX_DATOS_LOCAL);
  {
    CGuionMensajes guion;
    CTabla t(DameBaseDatosLocal());
    EXPECT_EQ(t.Abrir(1, "NOHAY", "ERRORESE"), 1);
    ASSERT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN052"}));
    EXPECT_TRUE(guion.Mensajes()[0].encontrado);
    EXPECT_EQ(guion.Mensajes()[0].titulo, "\xCDNDICE");
  }
  CerrarBasesDatos();
}

}  // namespace
}  // namespace marco
