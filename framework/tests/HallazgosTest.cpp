// Findings of a declaration in table "Corregix": one row per declaration and code, rows recalled after an erase,
// the erase limited to the declaration's own rows whatever its name holds, the record lock while writing, and the
// more severe finding kept within one validation run.
#include "framework/Hallazgos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/Tabla.h"
#include "framework/Validador.h"
#include "platform/Nombres.h"
#include "platform/Registros.h"
#include "platform/TablaTexto.h"

namespace marco {
namespace {

constexpr const char* kCorregix =
    "TABLA Corregix\n"
    "CAMPO clave     C 50\n"
    "CAMPO coderror  C 7\n"
    "CAMPO tipdecla  N 2 0\n"
    "CAMPO vista     N 4 0\n"
    "CAMPO severidad N 2 0\n"
    "CAMPO numcontr  N 4 0\n"
    "ETIQUETA CLAVE clave+coderror\n"
    "FILAS\n"
    "OTRA|WIN001|4|1|1|0\n"
    "OTRA|100R147|4|3|0|7\n"
    "O|WIN001|4|1|1|0\n"
    "O'NEILLS|WIN001|4|1|1|0\n";

class Hallazgos : public pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    ruta_ = CrearTabla("Corregix", kCorregix);
    red_.Abrir(Carpeta(), true, 3, "DBF");
  }

  CValidador& Validador(const std::string& clave) {
    validador_.PonerClave(clave);
    validador_.PonerBaseDatos(&red_);
    return validador_;
  }

  std::vector<SHallazgo> De(const std::string& clave) { return LeerHallazgos(&red_, clave); }

  // Every row of the file, deleted ones included.
  std::vector<plataforma::CFilaFuente> Filas() {
    plataforma::CFuenteTabla f;
    std::string error;
    EXPECT_TRUE(plataforma::LeeTablaComoFuente(ruta_, f, error)) << error;
    return f.filas;
  }

  std::filesystem::path ruta_;
  CBaseDatos red_;
  CValidador validador_;
  CGuionMensajes guion_;
};

TEST_F(Hallazgos, UnaFilaPorDeclaracionYCodigo) {
  CValidador& v = Validador("PEPE");
  EXPECT_EQ(v.AnadirHallazgo("WIN001", 1, 0, 1), 1);
  const auto filas = Filas().size();
  EXPECT_EQ(v.AnadirHallazgo("WIN001", 2, 5, 1), 1);
  EXPECT_EQ(v.AnadirHallazgo("104R002", 1, 4, 1), 1);
  EXPECT_EQ(Filas().size(), filas + 1);

  const auto h = De("PEPE");
  ASSERT_EQ(h.size(), 2u);
  EXPECT_EQ(h[0].codigo, "104R002");
  EXPECT_EQ(h[1].codigo, "WIN001");
  EXPECT_EQ(h[1].vista, 2);
  EXPECT_EQ(h[1].numcontr, 5);
  EXPECT_EQ(h[1].severidad, 1);
  SHallazgo uno;
  ASSERT_EQ(BuscarHallazgo(&red_, "PEPE", "WIN001", uno), 1);
  EXPECT_EQ(uno.vista, 2);
  EXPECT_EQ(BuscarHallazgo(&red_, "PEPE", "WIN00", uno), 0);  // codes are whole keys, never prefixes

  // The stored row: the 57-character key of the tag and the fixed type 4.
  CTabla t(&red_);
  ASSERT_EQ(t.Abrir(0, "CLAVE", "Corregix"), 1);
  ASSERT_EQ(t.Buscar(ClaveHallazgo(t, "PEPE", "WIN001"), false, "CLAVE", false), 1);
  EXPECT_EQ(ClaveHallazgo(t, "PEPE", "WIN001").size(), 57u);
  EXPECT_EQ(t.Registros()->LeerEntero("tipdecla"), 4);
  EXPECT_EQ(De("OTRA").size(), 2u);  // the others' rows untouched
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Hallazgos, BorrarYAnadirRecuperaLaFilaBorrada) {
  CValidador& v = Validador("PEPE");
  v.AnadirHallazgo("WIN001", 1, 0, 1);
  v.AnadirHallazgo("WIN002", 1, 1, 1);
  const auto filas = Filas().size();
  CTabla t(&red_);
  ASSERT_EQ(t.Abrir(0, "CLAVE", "Corregix"), 1);
  ASSERT_EQ(t.Buscar(ClaveHallazgo(t, "PEPE", "WIN002"), false, "CLAVE", false), 1);
  const long numero = t.Registros()->NumeroRegistro();

  EXPECT_EQ(v.BorrarHallazgos(), 1);
  EXPECT_TRUE(De("PEPE").empty());
  EXPECT_EQ(Filas().size(), filas);  // deleting only marks the rows

  EXPECT_EQ(v.AnadirHallazgo("WIN002", 7, 8, 0), 1);
  EXPECT_EQ(Filas().size(), filas);  // the deleted row came back: the file did not grow
  ASSERT_EQ(t.Buscar(ClaveHallazgo(t, "PEPE", "WIN002"), false, "CLAVE", false), 1);
  EXPECT_EQ(t.Registros()->NumeroRegistro(), numero);
  const auto h = De("PEPE");
  ASSERT_EQ(h.size(), 1u);
  EXPECT_EQ(h[0].vista, 7);
  EXPECT_EQ(h[0].numcontr, 8);
  EXPECT_EQ(h[0].severidad, 0);
  // Deleted rows are hidden again for everyone after the recall.
  EXPECT_TRUE(t.Registros()->BorradosOcultos());
  EXPECT_EQ(De("OTRA").size(), 2u);
}

TEST_F(Hallazgos, BorrarSoloLasDeLaDeclaracionAunqueLlevenComillas) {
  for (const std::string clave : {"O'NEILL", "A\"B", "X' .OR. clave = '", "D'A\"B"}) {
    SCOPED_TRACE(clave);
    CValidador& v = Validador(clave);
    EXPECT_EQ(v.AnadirHallazgo("WIN001", 1, 0, 1), 1);
    EXPECT_EQ(v.AnadirHallazgo("100R204", 1, 17, 1), 1);
    EXPECT_EQ(De(clave).size(), 2u);
    EXPECT_EQ(v.BorrarHallazgos(), 1);
    EXPECT_TRUE(De(clave).empty());
    EXPECT_EQ(De("OTRA").size(), 2u);
    EXPECT_EQ(De("O").size(), 1u);         // a prefix of the name
    EXPECT_EQ(De("O'NEILLS").size(), 1u);  // the name is a prefix of it
  }
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Hallazgos, ClaveRellenaDeBlancosEsLaMisma) {
  // The document's key as stored: the name padded to the 50 characters of its field.
  CValidador& v = Validador(std::string("PEPE") + std::string(46, ' '));
  EXPECT_EQ(v.DameClave(), "PEPE");
  v.AnadirHallazgo("WIN001", 1, 0, 1);
  EXPECT_EQ(De("PEPE").size(), 1u);
  EXPECT_EQ(v.BorrarHallazgos(), 1);
  EXPECT_TRUE(De("PEPE").empty());
}

TEST_F(Hallazgos, BorrarSinHallazgosNoCambiaNada) {
  const auto antes = Filas();
  CValidador& v = Validador("NADIE");
  EXPECT_EQ(v.BorrarHallazgos(), 1);
  const auto despues = Filas();
  ASSERT_EQ(despues.size(), antes.size());
  for (std::size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(despues[i].borrada, antes[i].borrada);
}

TEST_F(Hallazgos, UnAvisoNoSustituyeAUnErrorDeLaMismaRonda) {
  CValidador& v = Validador("PEPE");
  v.BorrarHallazgos();
  EXPECT_EQ(v.AnadirHallazgo("100V136", 1, 2, 1), 1);
  EXPECT_EQ(v.AnadirHallazgo("100V136", 16, 9, 0), 1);
  auto h = De("PEPE");
  ASSERT_EQ(h.size(), 1u);
  EXPECT_EQ(h[0].severidad, 1);
  EXPECT_EQ(h[0].vista, 1);
  // A later error of the same code still wins (last write among errors).
  EXPECT_EQ(v.AnadirHallazgo("100V136", 4, 3, 2), 1);
  h = De("PEPE");
  EXPECT_EQ(h[0].vista, 4);
  EXPECT_EQ(h[0].severidad, 2);
  // A warning first, then an error: the error replaces it.
  v.AnadirHallazgo("100I005", 4, 1, 0);
  v.AnadirHallazgo("100I005", 16, 2, 1);
  h = De("PEPE");
  ASSERT_EQ(h.size(), 2u);
  EXPECT_EQ(h[0].codigo, "100I005");
  EXPECT_EQ(h[0].severidad, 1);
  // A new run starts from nothing: its warning is stored.
  v.BorrarHallazgos();
  v.AnadirHallazgo("100V136", 16, 9, 0);
  h = De("PEPE");
  ASSERT_EQ(h.size(), 1u);
  EXPECT_EQ(h[0].severidad, 0);
  EXPECT_EQ(h[0].vista, 16);
}

TEST_F(Hallazgos, SeEscribeSoloConLaFilaBloqueada) {
  CValidador& v = Validador("PEPE");
  ASSERT_EQ(v.AnadirHallazgo("WIN001", 1, 0, 1), 1);
  long numero = 0;
  {
    CTabla t(&red_);
    ASSERT_EQ(t.Abrir(0, "CLAVE", "Corregix"), 1);
    ASSERT_EQ(t.Buscar(ClaveHallazgo(t, "PEPE", "WIN001"), false, "CLAVE", false), 1);
    numero = t.Registros()->NumeroRegistro();
  }
  pruebas::CAyudante otro({"bloquear", ruta_.string(), std::to_string(numero)});
  ASSERT_EQ(otro.Linea(), "LISTO");

  {
    // Another user holds the row: a series of tries, the question, and on Cancelar nothing is written.
    CGuionMensajes guion({kBotonCancelar});
    EXPECT_EQ(v.AnadirHallazgo("WIN001", 9, 9, 1), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN046"});
    const auto h = De("PEPE");
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].vista, 1);
  }
  {
    // The erase cannot take the held row either: it stays, and the erase says it did not finish.
    CGuionMensajes guion({kBotonCancelar});
    EXPECT_EQ(v.BorrarHallazgos(), 0);
    EXPECT_EQ(De("PEPE").size(), 1u);
  }
  otro.Terminar();
  {
    CGuionMensajes guion;
    EXPECT_EQ(v.AnadirHallazgo("WIN001", 9, 9, 1), 1);
    EXPECT_EQ(De("PEPE")[0].vista, 9);
    EXPECT_TRUE(guion.Mensajes().empty());
  }
  // The row was let go after the write: another process can take it now.
  pruebas::CAyudante tercero({"bloquear", ruta_.string(), std::to_string(numero)});
  EXPECT_EQ(tercero.Linea(), "LISTO");
}

TEST_F(Hallazgos, SinTablaNoSeEscribeNada) {
  CBaseDatos vacia;
  const auto carpeta = carpeta_ / "vacia";
  std::filesystem::create_directories(carpeta);
  vacia.Abrir(carpeta.string(), true, 1, "DBF");
  CValidador v("PEPE");
  v.PonerBaseDatos(&vacia);
  EXPECT_EQ(v.AnadirHallazgo("WIN001", 1, 0, 1), 0);
  EXPECT_EQ(v.BorrarHallazgos(), 0);
  ASSERT_EQ(guion_.Mensajes().size(), 2u);  // the table layer says the file is missing, each time
  EXPECT_NE(guion_.Mensajes()[0].texto.find("Corregix"), std::string::npos);
  EXPECT_TRUE(LeerHallazgos(&vacia, "PEPE").empty());
  EXPECT_EQ(Filas().size(), 4u);
}

// The table the program ships for a new installation.
TEST_F(Hallazgos, TablaDeLaInstalacion) {
#ifndef KORVELIX_DATOS_RED
  GTEST_SKIP() << "the build makes no network database";
#else
  const auto origen = plataforma::BuscaFicheroSinCaso(KORVELIX_DATOS_RED, "Corregix.DBF");
  ASSERT_TRUE(origen.has_value());
  const auto copia = carpeta_ / "instalacion";
  std::filesystem::create_directories(copia);
  std::filesystem::copy_file(*origen, copia / "Corregix.DBF");
  CBaseDatos bd;
  bd.Abrir(copia.string(), true, 1, "DBF");
  CValidador v("O'NEILL");
  v.PonerBaseDatos(&bd);
  EXPECT_EQ(v.AnadirHallazgo("WIN001", 1, 0, 1), 1);
  EXPECT_EQ(v.AnadirHallazgo("WIN001", 2, 3, 1), 1);
  const auto h = LeerHallazgos(&bd, "O'NEILL");
  ASSERT_EQ(h.size(), 1u);
  EXPECT_EQ(h[0].vista, 2);
  EXPECT_EQ(h[0].numcontr, 3);
  EXPECT_EQ(v.BorrarHallazgos(), 1);
  EXPECT_TRUE(LeerHallazgos(&bd, "O'NEILL").empty());
  EXPECT_TRUE(guion_.Mensajes().empty());
#endif
}

}  // namespace
}  // namespace marco
