#include "platform/Nombres.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace plataforma;

TEST(Nombres, ComparacionSinCaso) {
  EXPECT_TRUE(IgualesSinCaso("ControlX", "CONTROLX"));
  EXPECT_FALSE(IgualesSinCaso("ControlX", "ControlXY"));
  EXPECT_EQ(ComparaSinCaso("abc", "ABD"), -1);
  EXPECT_EQ(ComparaSinCaso("ABC", "abc"), 0);
  EXPECT_EQ(ComparaSinCaso("ab", "a"), 1);
  EXPECT_EQ(MayusculasAscii("datosDec.dbf"), "DATOSDEC.DBF");
}

TEST(Nombres, BuscaFicheroSinCaso) {
  const auto carpeta = std::filesystem::temp_directory_path() / ("nombres-" + std::to_string(::getpid()));
  std::filesystem::create_directories(carpeta);
  std::ofstream(carpeta / "DatosDec.DBF") << "x";
  const auto encontrado = BuscaFicheroSinCaso(carpeta, "DATOSDEC.dbf");
  ASSERT_TRUE(encontrado.has_value());
  EXPECT_EQ(encontrado->filename(), "DatosDec.DBF");
  EXPECT_FALSE(BuscaFicheroSinCaso(carpeta, "otro.dbf").has_value());
  EXPECT_FALSE(BuscaFicheroSinCaso(carpeta / "no-existe", "x").has_value());
  std::filesystem::remove_all(carpeta);
}
