// The table tool as the build and the developers run it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/Registros.h"

namespace fs = std::filesystem;
using namespace plataforma;

namespace {

class Tabla : public ::testing::Test {
 protected:
  void SetUp() override {
    carpeta_ = fs::path(::testing::TempDir()) / ("tabla-" + std::to_string(::getpid()) + "-" +
                                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(carpeta_, ec);
  }

  // Runs the tool; gives its exit status and what it wrote to stderr.
  int Ejecuta(const std::string& argumentos, std::string* errores = nullptr) {
    const fs::path err = carpeta_ / "stderr.txt";
    const std::string orden = std::string("'") + KORVELIX_PROGRAMA_TABLA + "' " + argumentos + " 2>'" +
                              err.string() + "'";
    const int estado = std::system(orden.c_str());
    if (errores != nullptr) *errores = Lee(err);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  }

  static std::string Lee(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  }

  void Escribe(const fs::path& p, const std::string& texto) {
    std::ofstream f(p, std::ios::binary);
    f << texto;
  }

  std::string Q(const fs::path& p) { return "'" + p.string() + "'"; }

  fs::path carpeta_;
};

const char kTresFilas[] =
    "TABLA Paginasx\n"
    "CAMPO NumPag C 4\n"
    "CAMPO Titulo C 40\n"
    "CAMPO Orden N 4 0\n"
    "ETIQUETA NUMPAG NumPag\n"
    "FILAS\n"
    " 101|Rendimientos del trabajo|1\n"
    " 102|Capital mobiliario: \xC2\xABintereses\xC2\xBB|2\n"
    " 103|Ganancias \\| p\xC3\xA9rdidas|3\n";

}  // namespace

TEST_F(Tabla, CrearYVolcarVaYVuelve) {
  const auto fuente = carpeta_ / "Paginasx.txt";
  const auto tabla = carpeta_ / "Paginasx.DBF";
  const auto volcado = carpeta_ / "volcado.txt";
  Escribe(fuente, kTresFilas);
  ASSERT_EQ(Ejecuta("crear " + Q(fuente) + " " + Q(tabla)), 0);
  ASSERT_EQ(Ejecuta("volcar " + Q(tabla) + " " + Q(volcado)), 0);
  EXPECT_EQ(Lee(volcado), kTresFilas);

  // The table holds Windows-1252 and finds its rows by the tag.
  auto t = CTablaRegistros::Abrir(tabla);
  ASSERT_TRUE(t);
  ASSERT_TRUE(t->PonerOrden(t->NumeroOrden("NUMPAG")));
  ASSERT_TRUE(t->Buscar(" 103"));
  EXPECT_EQ(t->LeerTexto("Titulo").substr(0, 20), "Ganancias | p\xE9rdidas");
  t.reset();

  // A tag added by the tool, and the tags rebuilt.
  ASSERT_EQ(Ejecuta("etiqueta " + Q(tabla) + " TITULO 'UPPER(Titulo)'"), 0);
  ASSERT_EQ(Ejecuta("reindexar " + Q(tabla)), 0);
  t = CTablaRegistros::Abrir(tabla);
  ASSERT_TRUE(t->PonerOrden(t->NumeroOrden("titulo")));
  EXPECT_TRUE(t->Buscar("CAPITAL"));
  EXPECT_EQ(t->LeerTexto("NumPag"), " 102");
}

TEST_F(Tabla, FuentesMalasNoDejanTabla) {
  const auto fuente = carpeta_ / "Mala.txt";
  const auto tabla = carpeta_ / "Mala.DBF";
  Escribe(fuente, "CAMPO a C 2\nCAMPO n N 3 0\nFILAS\nx|1\ny|1000\n");
  std::string errores;
  EXPECT_NE(Ejecuta("crear " + Q(fuente) + " " + Q(tabla), &errores), 0);
  EXPECT_NE(errores.find("línea 5"), std::string::npos) << errores;
  EXPECT_FALSE(fs::exists(tabla));
  EXPECT_NE(Ejecuta("volcar " + Q(tabla), &errores), 0);
  EXPECT_NE(Ejecuta("inventada", &errores), 0);
  EXPECT_NE(errores.find("uso:"), std::string::npos);
}

TEST_F(Tabla, LaConstruccionHaceLasTablasDeSusFuentes) {
  auto t = CTablaRegistros::Abrir(KORVELIX_TABLA_PRUEBA);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->NumeroRegistros(), 3);
  ASSERT_TRUE(t->PonerOrden(1));
  ASSERT_TRUE(t->Buscar(" 003"));
  EXPECT_EQ(t->LeerTexto("Descr"), "O'NEILL \"el de | la ");
  EXPECT_DOUBLE_EQ(t->LeerDouble("Importe"), -3.25);
  ASSERT_TRUE(t->Buscar(" 001"));
  EXPECT_EQ(t->LeerTexto("Descr"), "Pe\xF1" "a" + std::string(16, ' '));
  EXPECT_TRUE(fs::last_write_time(KORVELIX_TABLA_PRUEBA) >= fs::last_write_time(KORVELIX_FUENTE_PRUEBA));
}
