// The databases: extension and attempts, and the two global databases that start-up opens.
#include "framework/BaseDatos.h"

#include <gtest/gtest.h>

#include "framework/ServiciosAplicacion.h"

namespace marco {
namespace {

TEST(BaseDatos, Extension) {
  const std::pair<const char*, const char*> casos[] = {
      {".dbf", "dbf"}, {"DBFX", "DBF"}, {"", "DBF"}, {".", "DBF"}, {".abcd", "abc"}, {"ab", "ab"},
  };
  for (const auto& [dada, esperada] : casos) {
    CBaseDatos bd;
    EXPECT_EQ(bd.Abrir("/datos/", false, 1, dada), 1);
    EXPECT_EQ(bd.DameExtension(), esperada) << dada;
  }
}

TEST(BaseDatos, IntentosYCarpeta) {
  CBaseDatos bd;
  EXPECT_FALSE(bd.EsCompartida());
  EXPECT_EQ(bd.DameIntentos(), 1);
  bd.Abrir("/red", false, 5, "DBF");
  EXPECT_EQ(bd.DameIntentos(), 1);  // a database that is not shared gets one attempt
  EXPECT_EQ(bd.DameDirectorio(), "/red/");
  bd.Abrir("/red/", true, 3, "DBF");
  EXPECT_TRUE(bd.EsCompartida());
  EXPECT_EQ(bd.DameIntentos(), 3);
  EXPECT_EQ(bd.DameDirectorio(), "/red/");
  bd.Abrir("", true, 0, "DBF");
  EXPECT_EQ(bd.DameIntentos(), 1);
  EXPECT_EQ(bd.DameDirectorio(), "");
}

TEST(BaseDatos, LasDosDelProgramaSeDanCuandoEstanAbiertas) {
  CerrarBasesDatos();
  EXPECT_EQ(DameBaseDatosRed(), nullptr);
  EXPECT_EQ(DameBaseDatosLocal(), nullptr);
  EXPECT_EQ(AbrirBasesDatos("/usuario/declaraciones", "/programa/datos/"), 1);
  ASSERT_NE(DameBaseDatosRed(), nullptr);
  ASSERT_NE(DameBaseDatosLocal(), nullptr);
  EXPECT_EQ(DameBaseDatosRed(), &BaseDatosRedPrograma());
  EXPECT_TRUE(DameBaseDatosRed()->EsCompartida());
  EXPECT_EQ(DameBaseDatosRed()->DameIntentos(), 3);
  EXPECT_EQ(DameBaseDatosRed()->DameDirectorio(), "/usuario/declaraciones/");
  EXPECT_FALSE(DameBaseDatosLocal()->EsCompartida());
  EXPECT_EQ(DameBaseDatosLocal()->DameIntentos(), 1);
  EXPECT_EQ(DameBaseDatosLocal()->DameExtension(), "DBF");
  CerrarBasesDatos();
  EXPECT_EQ(DameBaseDatosLocal(), nullptr);
}

TEST(ServiciosAplicacion, IdiomaV) {
  EXPECT_EQ(IdiomaV(), "e");
  PonerIdiomaV("c");
  EXPECT_EQ(LetraIdiomaV(), 'c');
  PonerIdiomaV("");
  EXPECT_EQ(IdiomaV(), "e");
}

}  // namespace
}  // namespace marco
