// The page box array: loading a page's boxes from fixture tables and from the tables the build makes, the failure
// messages, rescaling, the base hooks, TieneDatos and drawing.
#include "framework/ControlesPagina.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Lienzo.h"

namespace marco {
namespace {

constexpr const char* kControles =
    "TABLA ControlX\n"
    "CAMPO IndiceFich C 4\n"
    "CAMPO IndNumero C 4\n"
    "CAMPO fminternet C 4\n"
    "CAMPO Idinternet N 6 0\n"
    "CAMPO Coor_1 N 5 0\n"
    "CAMPO Coor_2 N 5 0\n"
    "CAMPO Coor_3 N 5 0\n"
    "CAMPO Coor_4 N 5 0\n"
    "CAMPO NumeroDeCo N 8 0\n"
    "CAMPO SoloLectur L\n"
    "CAMPO PintarEn N 1 0\n"
    "CAMPO Identifica C 10\n"
    "CAMPO StrValidac C 15\n"
    "CAMPO FicheroTab C 50\n"
    "CAMPO NombreVent C 25\n"
    "CAMPO AdmitNega L\n"
    "ETIQUETA CLAVE IndiceFich+IndNumero\n"
    "FILAS\n"
    // Rows out of key order on purpose: the order CLAVE reads them by box number.
    " 101|   2|120N|2|30|10|60|21|7|T|1|T035|R13.2||IDD_DETALLE|F\n"
    " 101|   1|090A|1|10|10|21|21|0|F|0|NIF1|A9|TABLA1||T\n"
    " 101|   3||999|0|30|10|40|0|F|2||F12*5.2|||F\n"
    "   7|   1||0|0|0|10|10|0|F|0|SOLA|B1|||F\n"
    " 103|   1||0|0|0|10|10|0|F|0|UNO|A5|||F\n"
    " 103|   3||0|0|0|10|10|0|F|0|TRES|A5|||F\n";

constexpr const char* kTextos =
    "TABLA Controle\n"
    "CAMPO IndiceFich C 4\n"
    "CAMPO IndNumero C 4\n"
    "CAMPO TituloVent C 50\n"
    "CAMPO TextoDibuj C 79\n"
    "ETIQUETA CLAVE IndiceFich+IndNumero\n"
    "FILAS\n"
    " 101|   1||NIF de la persona\n"
    " 101|   2|Detalle del importe|Importe con detalle\n";

// Records the hooks the loader calls.
class CControlesPrueba : public CControlesPagina {
 public:
  void Enlazar(int liberarAntes) override { llamadas.push_back("Enlazar " + std::to_string(liberarAntes)); }
  void LiberarEnlaces() override { llamadas.push_back("LiberarEnlaces"); }
  void AvisoPagina(int palabra) override { llamadas.push_back("AvisoPagina " + std::to_string(palabra)); }
  std::vector<std::string> llamadas;
};

class ControlesPagina : public pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    CrearTabla("ControlX", kControles);
    CrearTabla("Controle", kTextos);
    bd_.Abrir(Carpeta(), false, 1, "DBF");
    PonerIdiomaV("e");
    RearmarAvisoDesborde();
  }
  void TearDown() override {
    RearmarAvisoDesborde();
    CCarpetaTablas::TearDown();
  }

  CBaseDatos bd_;
};

TEST_F(ControlesPagina, CargaLasCasillasEnOrdenDeNumero) {
  CGuionMensajes guion;
  CControlesPrueba controles;
  ASSERT_EQ(controles.Cargar(101, 1.5, &bd_), 1);
  EXPECT_TRUE(guion.Mensajes().empty());
  ASSERT_EQ(controles.NumeroCampos(), 3);
  EXPECT_EQ(controles.llamadas, (std::vector<std::string>{"Enlazar 0", "AvisoPagina 1"}));

  const CCampo& uno = *controles.Campo(0);
  EXPECT_EQ(uno.IndiceFich, 101);
  EXPECT_EQ(uno.IndNumero, 1);
  EXPECT_EQ(uno.fminternet, "090A");
  EXPECT_EQ(uno.Idinternet, 1);
  // Left and top scaled down, right and bottom up.
  EXPECT_EQ(uno.Coor_1, 15);
  EXPECT_EQ(uno.Coor_2, 15);
  EXPECT_EQ(uno.Coor_3, 32);
  EXPECT_EQ(uno.Coor_4, 32);
  EXPECT_EQ(uno.Identifica, "NIF1");
  EXPECT_EQ(uno.StrValidac, "A9");
  EXPECT_EQ(uno.Longitud, 9);
  EXPECT_EQ(uno.FicheroTab, "TABLA1");
  EXPECT_EQ(uno.AdmitNega, 1);
  EXPECT_EQ(uno.SoloLectur, 0);
  EXPECT_EQ(uno.TituloVent, "");
  EXPECT_EQ(uno.TextoDibuj, "NIF de la persona");

  const CCampo& dos = *controles.Campo(1);
  EXPECT_EQ(dos.IndNumero, 2);
  EXPECT_EQ(dos.SoloLectur, 1);
  EXPECT_EQ(dos.SoloLecturInicial, 1);
  EXPECT_EQ(dos.NumeroDeCo, 7);
  EXPECT_EQ(dos.PintarEn, 1);
  EXPECT_EQ(dos.NombreVent, "IDD_DETALLE");
  EXPECT_EQ(dos.TituloVent, "Detalle del importe");
  EXPECT_EQ(dos.StrValidac, "R16.0");  // resolved in pesetas, the currency until one is said
  EXPECT_EQ(dos.MascaraResuelta, 1);

  const CCampo& tres = *controles.Campo(2);
  EXPECT_EQ(tres.TextoDibuj, "");  // no row in the twin: empty texts
  EXPECT_EQ(tres.Idinternet, 999);
  EXPECT_EQ(tres.Repeticion, 5);
  EXPECT_EQ(tres.Decimales, 2);

  // The number is the position + 1.
  EXPECT_EQ(controles.CampoDeNumero(2), controles.Campo(1));
  EXPECT_EQ(CControlesPagina::PosicionDeNumero(3), 2);
  EXPECT_EQ(CControlesPagina::NumeroDePosicion(0), 1);
  EXPECT_EQ(controles.CampoDeNumero(0), nullptr);
  EXPECT_EQ(controles.CampoDeNumero(4), nullptr);

  // Reloading starts from an empty array.
  ASSERT_EQ(controles.Cargar(7, 1.0, &bd_), 1);  // a short id is sought with leading blanks
  ASSERT_EQ(controles.NumeroCampos(), 1);
  EXPECT_EQ(controles.Campo(0)->Identifica, "SOLA");
}

TEST_F(ControlesPagina, EnEurosYCargaVariante) {
  CControlesPrueba controles;
  PonerMonedaEnUso(kMonedaEuros);
  const int cargada = controles.CargarVariante(101, 1.0, &bd_);
  PonerMonedaEnUso(kMonedaPesetas);
  ASSERT_EQ(cargada, 1);
  ASSERT_EQ(controles.NumeroCampos(), 3);
  EXPECT_EQ(controles.Campo(1)->StrValidac, "R13.2");
  EXPECT_EQ(controles.Campo(1)->Opcion, 2);
  EXPECT_EQ(controles.Campo(0)->AdmitNega, 0);  // not read by the variant
  EXPECT_EQ(controles.Campo(0)->Coor_3, 21);
  EXPECT_EQ(controles.Campo(1)->TituloVent, "Detalle del importe");
}

TEST_F(ControlesPagina, PaginaSinFilas) {
  CGuionMensajes guion;
  CControlesPrueba controles;
  EXPECT_EQ(controles.Cargar(999, 1.0, &bd_), 0);
  EXPECT_EQ(controles.NumeroCampos(), 0);
  ASSERT_EQ(guion.Mensajes().size(), 2u);
  EXPECT_EQ(guion.Mensajes()[0].texto, kTextoControlesDeteriorados);
  EXPECT_EQ(guion.Mensajes()[0].icono, IconoMano);
  EXPECT_EQ(guion.Mensajes()[1].texto, kTextoPaginaImposible);
  EXPECT_TRUE(controles.llamadas.empty());  // nothing bound
}

TEST_F(ControlesPagina, NumerosFueraDeSecuencia) {
  CGuionMensajes guion;
  CControlesPrueba controles;
  EXPECT_EQ(controles.Cargar(103, 1.0, &bd_), 0);
  EXPECT_EQ(controles.NumeroCampos(), 1);  // the rows read before the gap
  ASSERT_EQ(guion.Mensajes().size(), 2u);
  EXPECT_EQ(guion.Mensajes()[0].texto, kTextoControlesDeteriorados);
  EXPECT_EQ(guion.Mensajes()[1].texto, kTextoPaginaImposible);
}

TEST_F(ControlesPagina, SinTablaDeControles) {
  CBaseDatos vacia;
  vacia.Abrir(Carpeta() + "no-existe/", false, 1, "DBF");
  CGuionMensajes guion;
  CControlesPrueba controles;
  EXPECT_EQ(controles.Cargar(101, 1.0, &vacia), 0);
  ASSERT_FALSE(guion.Mensajes().empty());
  EXPECT_EQ(guion.Mensajes().back().texto, kTextoPaginaImposible);
}

TEST_F(ControlesPagina, RelecturaDeCoordenadas) {
  CControlesPrueba controles;
  ASSERT_EQ(controles.Cargar(101, 1.0, &bd_), 1);
  EXPECT_EQ(controles.Campo(0)->Coor_3, 21);
  ASSERT_EQ(controles.LeerCoordenadasPagina(101, 1.5, &bd_), 1);
  EXPECT_EQ(controles.Campo(0)->Coor_1, 15);
  EXPECT_EQ(controles.Campo(0)->Coor_3, 32);
  EXPECT_EQ(controles.Campo(1)->Coor_1, 45);
  EXPECT_EQ(controles.Campo(0)->Identifica, "NIF1");  // only the rectangles change
}

TEST_F(ControlesPagina, GanchosBaseYLiberar) {
  CControlesPrueba controles;
  ASSERT_EQ(controles.Cargar(101, 1.0, &bd_), 1);
  controles.llamadas.clear();
  EXPECT_EQ(controles.AvisoGrupo(1, 0), 1);
  EXPECT_EQ(controles.AvisoGrupo(2, 0), 0);
  EXPECT_EQ(controles.llamadas, (std::vector<std::string>{"AvisoPagina 0"}));
  EXPECT_EQ(controles.NavegarGrupo(998, 0, 6, 0), 0);
  controles.llamadas.clear();
  controles.Liberar();
  EXPECT_EQ(controles.NumeroCampos(), 0);
  EXPECT_EQ(controles.llamadas, (std::vector<std::string>{"LiberarEnlaces"}));
}

TEST(ControlesPaginaDatos, TieneDatosPorConjunto) {
  const SEntornoCampo e{0, 'e'};
  std::string nif = "12345678Z";
  std::uint8_t marca = 1;
  double importe = 100.0;
  double cero = 0.0;
  CControlesPagina controles;
  const auto anadir = [&](const char* id, const char* mascara, void* dato, int pintarEn) {
    auto c = std::make_unique<CCampo>();
    c->IndNumero = controles.NumeroCampos() + 1;
    c->Identifica = id;
    c->StrValidac = mascara;
    c->LeerMascara(kMonedaPesetas);
    c->Dato = dato;
    c->PintarEn = pintarEn;
    controles.Anadir(std::move(c));
  };
  anadir("T035", "B1", &marca, 0);
  anadir("ZDNID", "A9", nif.data(), 0);
  anadir("", "F9", &cero, 0);
  anadir("", "F9", &importe, 2);  // not drawn always: not counted
  EXPECT_EQ(controles.TieneDatos(1, e), 0);
  EXPECT_EQ(controles.TieneDatos(0, e), 1);  // T035 counts in set 0
  EXPECT_EQ(controles.TieneDatos(4, e), 0);
  EXPECT_EQ(controles.TieneDatos(-1, e), 0);
  anadir("T047", "F9", &importe, 0);
  EXPECT_EQ(controles.TieneDatos(1, e), 1);
  EXPECT_EQ(controles.TieneDatos(2, e), 0);
  EXPECT_EQ(controles.TieneDatos(3, e), 1);
}

TEST(ControlesPaginaDatos, DesbordeDibujadoYValorIntacto) {
  RearmarAvisoDesborde();
  CGuionMensajes guion;
  double grande = 1e7;
  CControlesPagina controles;
  auto c = std::make_unique<CCampo>();
  c->IndNumero = 1;
  c->StrValidac = "F5";
  c->LeerMascara(kMonedaPesetas);
  c->Dato = &grande;
  c->Coor_1 = 10;
  c->Coor_2 = 10;
  c->Coor_3 = 150;
  c->Coor_4 = 40;
  controles.Anadir(std::move(c));

  auto lienzo = plataforma::CLienzo::Imagen(200, 60);
  controles.Dibujar(lienzo, 0, 0, kDibujoSoloTexto);  // texts are rebuilt first in this mode
  EXPECT_EQ(controles.Campo(0)->Texto, kMarcaDesborde);
  EXPECT_EQ(grande, 1e7);
  EXPECT_EQ(guion.Veces("WIN032"), 1);
  bool tinta = false;
  for (int y = 12; y < 38 && !tinta; ++y) {
    for (int x = 12; x < 148 && !tinta; ++x) tinta = lienzo.Pixel(x, y)->r < 128;
  }
  EXPECT_TRUE(tinta);

  // Drawn again (a repaint, a print): the value is still there, no second warning.
  controles.Dibujar(lienzo, 0, 0, kDibujoSoloTexto);
  EXPECT_EQ(grande, 1e7);
  EXPECT_EQ(guion.Veces("WIN032"), 1);
  RearmarAvisoDesborde();
}

#ifdef KORVELIX_DATOS_LOCAL
// The tables the build makes from the authored page sources.
TEST(ControlesPaginaConstruidas, Pagina202) {
  CBaseDatos local;
  local.Abrir(KORVELIX_DATOS_LOCAL "/", false, 1, "DBF");
  PonerIdiomaV("e");
  CGuionMensajes guion;
  CControlesPagina controles;
  ASSERT_EQ(controles.Cargar(202, 1.0, &local), 1) << "build the target datos_paginas first";
  EXPECT_TRUE(guion.Mensajes().empty());
  ASSERT_EQ(controles.NumeroCampos(), 45);
  for (int i = 0; i < controles.NumeroCampos(); ++i) {
    EXPECT_EQ(controles.Campo(i)->IndNumero, CControlesPagina::NumeroDePosicion(i));
    EXPECT_EQ(controles.Campo(i)->IndiceFich, 202);
  }
  EXPECT_EQ(controles.CampoDeNumero(1)->Identifica, "NIF1");
  EXPECT_EQ(controles.CampoDeNumero(45)->Identifica, "EJEMPLAR");
  EXPECT_EQ(controles.CampoDeNumero(3)->Repeticion, 5);
  EXPECT_FALSE(controles.CampoDeNumero(3)->TextoDibuj.empty());

  EXPECT_EQ(controles.Cargar(9999, 1.0, &local), 0);
  EXPECT_EQ(controles.NumeroCampos(), 0);
  ASSERT_EQ(guion.Mensajes().size(), 2u);
  EXPECT_EQ(guion.Mensajes()[0].texto, kTextoControlesDeteriorados);
  EXPECT_EQ(guion.Mensajes()[1].texto, kTextoPaginaImposible);
}
#endif

}  // namespace
}  // namespace marco
