// The EAN-128 code of the payment pages: the code text made from the reference, its place on the page, and the
// symbol painted there read back by an independent reader.
#include "output/CodigoEan128.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CodigoBarrasLector.h"
#include "framework/MensajeGuion.h"

using namespace salida;
using plataforma::CLienzo;
using plataforma::CRectangulo;
using plataforma::CTamano;

namespace {

TEST(CodigoEan128, TextoDelCodigo) {
  struct CCaso {
    std::string_view referencia;
    std::string esperado;
  };
  for (const CCaso& c : std::vector<CCaso>{
           {"12345678901234", "210111234567890124"},      // the 13th character is left out
           {"123456789012345678", "210111234567890124"},  // nothing past the 14th
           {"1234567890123", "21011123456789012"},        // no 14th character
           {"12345", "2101112345"},
           {std::string_view("1234\0" "999", 8), "210111234"},  // the reference ends at its NUL
       }) {
    EXPECT_EQ(TextoCodigoEan128(c.referencia), c.esperado) << c.referencia;
  }
}

TEST(CodigoEan128, LugarEnLaPagina) {
  // An A4 page at 300 dpi.
  EXPECT_EQ(RectanguloEan128(CTamano{2480, 3508}), (CRectangulo{1569, 558, 1569 + 941, 558 + 398}));
}

TEST(CodigoEan128, PintadoYLeido) {
  marco::CGuionMensajes guion;
  CLienzo lienzo = CLienzo::Imagen(2480, 3508, 300);
  EXPECT_EQ(ImprimirCodigoBarras(lienzo, CTamano{2480, 3508}, "12345678901234"), 0);
  EXPECT_TRUE(guion.Codigos().empty());
  const std::string ruta = (std::filesystem::temp_directory_path() /
                            ("korvelix-ean128-" + std::to_string(::getpid()) + ".png"))
                               .string();
  ASSERT_TRUE(lienzo.GuardarPng(ruta));
  const auto leidos = pruebas::LeerCodigosPng(ruta);
  std::filesystem::remove(ruta);
  ASSERT_EQ(leidos.size(), 1u);
  EXPECT_EQ(leidos[0].simbologia, "]C1");
  EXPECT_EQ(std::string(leidos[0].bytes.begin(), leidos[0].bytes.end()), "210111234567890124");
  const CRectangulo lugar = RectanguloEan128(CTamano{2480, 3508});
  EXPECT_GE(leidos[0].izquierda, lugar.left);
  EXPECT_LT(leidos[0].izquierda, lugar.right);
}

TEST(CodigoEan128, ReferenciaVaciaOImposible) {
  marco::CGuionMensajes guion;
  CLienzo lienzo = CLienzo::Imagen(800, 1100, 100);
  EXPECT_EQ(ImprimirCodigoBarras(lienzo, CTamano{800, 1100}, ""), 1);
  EXPECT_TRUE(guion.Codigos().empty());  // nothing to print, nothing to say
  EXPECT_EQ(ImprimirCodigoBarras(lienzo, CTamano{800, 1100}, "1234[678]01234"), 1);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"PDF001"});
  EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
}

}  // namespace
