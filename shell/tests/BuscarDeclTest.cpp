// The declaration search of the index: a key sought in the store within the taxes the index lists.
#include "shell/BuscarDecl.h"

#include "AlmacenPrueba.h"

namespace {

using pruebasalmacen::AlmacenTest;
using shell::CBuscarDecl;
using R = CBuscarDecl::ERespuesta;

class BuscarDeclTest : public AlmacenTest {
 protected:
  void SetUp() override {
    AlmacenTest::SetUp();
    Guardar({Declaracion("ANA", 1), Declaracion("PEPA", 2), Declaracion("PEPE", 3), Declaracion("LUIS LOPEZ", 1)});
  }
};

TEST_F(BuscarDeclTest, ClaveExactaPrincipioYFallo) {
  const shell::CAlmacenDeclaraciones almacen = Almacen();
  struct Caso {
    const char* clave;
    bool soloPatrimonio, soloRenta;
    R respuesta;
    int patrimonio;
  } casos[] = {
      {"ANA", false, false, R::Existe, 0},
      {"PEP", false, false, R::Existe, 0},        // the first that begins so: PEPA, an income-tax one
      {"PEPE", false, false, R::Existe, 1},
      {"LUIS LOPEZ  ", false, false, R::Existe, 0},  // blanks on the right do not count
      {"LUIS LOPEZ X", false, false, R::NoExiste, 0},
      {"ZZZ", false, false, R::NoExiste, 0},
      {"ana", false, false, R::NoExiste, 0},
      // A wealth-tax declaration while the index lists only income tax, and the other way round.
      {"PEPE", false, true, R::NoExiste, 1},
      {"ANA", true, false, R::NoExiste, 0},
      {"PEPE", true, false, R::Existe, 1},
      {"ANA", true, true, R::Existe, 0},
  };
  for (const Caso& c : casos) {
    CBuscarDecl b(almacen, c.soloPatrimonio, c.soloRenta);
    b.OnCambioClave(c.clave);
    ASSERT_TRUE(b.BuscarHabilitado()) << c.clave;
    EXPECT_FALSE(b.AceptarHabilitado());
    b.Buscar();
    EXPECT_EQ(b.Respuesta(), c.respuesta) << c.clave << " " << c.soloPatrimonio << c.soloRenta;
    EXPECT_EQ(b.AceptarHabilitado(), c.respuesta == R::Existe) << c.clave;
    EXPECT_FALSE(b.BuscarHabilitado()) << "searched once, the button waits for a new key";
    if (c.respuesta == R::Existe) {
      EXPECT_EQ(b.Patrimonio(), c.patrimonio) << c.clave;
    }
    EXPECT_EQ(b.Aceptar(), c.respuesta == R::Existe);
    if (c.respuesta == R::Existe) {
      EXPECT_EQ(b.ClaveElegida(), c.clave);
    }
  }
}

TEST_F(BuscarDeclTest, UnaClaveVaciaNoSeBuscaYCambiarlaQuitaElAceptar) {
  CBuscarDecl b(Almacen(), false, false);
  EXPECT_FALSE(b.BuscarHabilitado());
  b.OnCambioClave("   ");
  EXPECT_FALSE(b.BuscarHabilitado());
  b.Buscar();
  EXPECT_EQ(b.Respuesta(), R::Ninguna);
  EXPECT_FALSE(b.Aceptar());

  b.OnCambioClave("ANA");
  b.Buscar();
  ASSERT_TRUE(b.AceptarHabilitado());
  b.OnCambioClave("AN");
  EXPECT_FALSE(b.AceptarHabilitado()) << "a changed key must be sought again";
  EXPECT_FALSE(b.Aceptar());
  EXPECT_TRUE(b.BuscarHabilitado());
  EXPECT_EQ(b.Respuesta(), R::Ninguna);
  // A key longer than the edit takes is cut.
  b.OnCambioClave(std::string(80, 'A'));
  EXPECT_EQ(b.Clave().size(), shell::kLongitudClaveBuscada);
}

TEST_F(BuscarDeclTest, SinAlmacenNoHallaNada) {
  std::filesystem::remove(DatosDec());
  marco::CGuionMensajes guion;
  CBuscarDecl b(Almacen(), false, false);
  b.OnCambioClave("ANA");
  b.Buscar();
  EXPECT_EQ(b.Respuesta(), R::NoExiste);
  EXPECT_FALSE(b.AceptarHabilitado());
}

}  // namespace
