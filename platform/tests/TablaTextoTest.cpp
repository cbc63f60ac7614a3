#include "platform/TablaTexto.h"

#include <gtest/gtest.h>

#include <string>

#include "CarpetaTablas.h"
#include "platform/Registros.h"

using namespace plataforma;

namespace {

class TablaTexto : public pruebas::CCarpetaTablas {};

// Already in the form a dump writes, so it must come back unchanged.
const char kFuente[] =
    "TABLA Tablas\n"
    "CAMPO Codigo C 4\n"
    "CAMPO Descr C 30\n"
    "CAMPO Importe N 10 2\n"
    "CAMPO Activo L\n"
    "CAMPO Nota M\n"
    "CAMPO Datos B\n"
    "ETIQUETA CODIGO UPPER(Codigo)\n"
    "FILAS\n"
    " 01|Ni\xC3\xB1o peque\xC3\xB1o \xE2\x82\xAC|1234.50|T|dos\\nl\xC3\xADneas|00ff7c\n"
    "\\#02|con \\| barra y \\\\ y \\x81|-0.25|F||\n"
    "*03|borrada|0.00|F|x|\n";

}  // namespace

TEST_F(TablaTexto, VaYVuelveSinCambios) {
  CFuenteTabla f;
  std::string error;
  ASSERT_TRUE(LeeFuenteTabla(kFuente, f, error)) << error;
  ASSERT_EQ(f.filas.size(), 3u);
  EXPECT_EQ(f.filas[0].valores[1], "Ni\xF1o peque\xF1o \x80");  // Windows-1252 in the table
  EXPECT_EQ(f.filas[0].valores[4], "dos\nl\xEDneas");
  EXPECT_EQ(f.filas[0].valores[5], std::string("\x00\xff\x7c", 3));
  EXPECT_EQ(f.filas[1].valores[0], "#02");
  EXPECT_EQ(f.filas[1].valores[1], "con | barra y \\ y \x81");
  EXPECT_TRUE(f.filas[2].borrada);

  const auto ruta = carpeta_ / "Tablas.DBF";
  ASSERT_TRUE(CreaTablaDeFuente(f, ruta, error)) << error;
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->LeerTexto("Descr"), "Ni\xF1o peque\xF1o \x80" + std::string(16, ' '));
  EXPECT_EQ(t->EstadoRegistro(3), kEstadoBorrado);
  ASSERT_TRUE(t->PonerOrden(t->NumeroOrden("codigo")));
  EXPECT_TRUE(t->Buscar("#02"));
  t.reset();

  CFuenteTabla leida;
  ASSERT_TRUE(LeeTablaComoFuente(ruta, leida, error)) << error;
  EXPECT_EQ(EscribeFuenteTabla(leida), kFuente);

  // Building again replaces the table as a whole.
  f.filas.pop_back();
  ASSERT_TRUE(CreaTablaDeFuente(f, ruta, error)) << error;
  ASSERT_TRUE(LeeTablaComoFuente(ruta, leida, error)) << error;
  EXPECT_EQ(leida.filas.size(), 2u);
}

TEST_F(TablaTexto, ErroresDicenLaLinea) {
  struct Caso {
    const char* fuente;
    const char* comienzo;
  };
  const Caso casos[] = {
      {"CAMPO a C 2\nFILAS\nx|y\n", "línea 3"},
      {"CAMPO a C 2\nCAMPO A N 2 0\n", "línea 2"},
      {"# comentario\nCAMPO a X 2\n", "línea 2"},
      {"CAMPO a C 2\nFILA\n", "línea 2"},
      {"CAMPO a C 2\nFILAS\n\xE2\x84\xA2\xE2\x88\x9A\n", "línea 3"},  // √ has no Windows-1252 byte
      {"CAMPO a C 2\nFILAS\nab\\\n", "línea 3"},
      {"CAMPO a C 2\nFILAS\n\\x4\n", "línea 3"},
      {"CAMPO a B\nFILAS\nabc\n", "línea 3"},
      {"FILAS\n", "línea 1"},
      {"", "línea 0"},
  };
  for (const auto& c : casos) {
    CFuenteTabla f;
    std::string error;
    EXPECT_FALSE(LeeFuenteTabla(c.fuente, f, error)) << c.fuente;
    EXPECT_TRUE(error.starts_with(c.comienzo)) << c.fuente << " -> " << error;
  }
  // Faults the table finds: a number that is not one, a bad key; no file is left behind.
  CFuenteTabla f;
  std::string error;
  ASSERT_TRUE(LeeFuenteTabla("CAMPO a C 2\nCAMPO n N 4 0\nFILAS\nx|1\ny|uno\n", f, error));
  EXPECT_FALSE(CreaTablaDeFuente(f, carpeta_ / "Mala.DBF", error));
  EXPECT_TRUE(error.starts_with("línea 5")) << error;
  ASSERT_TRUE(LeeFuenteTabla("CAMPO a C 2\nETIQUETA K a +\nFILAS\nx\n", f, error));
  EXPECT_FALSE(CreaTablaDeFuente(f, carpeta_ / "Mala.DBF", error));
  EXPECT_TRUE(std::filesystem::is_empty(carpeta_));
}

// A key nested 20,000 deep in a source is a fault of the source, said like any other: no table is made, and the
// reader of the source never recurses that deep.
TEST_F(TablaTexto, ClaveAnidadaSinFinSeRechaza) {
  const std::string clave = std::string(20000, '(') + "a" + std::string(20000, ')');
  CFuenteTabla f;
  std::string error;
  ASSERT_TRUE(LeeFuenteTabla("CAMPO a C 2\nETIQUETA K " + clave + "\nFILAS\nx\n", f, error)) << error;
  EXPECT_FALSE(CreaTablaDeFuente(f, carpeta_ / "Honda.DBF", error));
  EXPECT_NE(error.find("anidada"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_empty(carpeta_));
}
