#include "platform/Registros.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "CarpetaTablas.h"
#include "DiscoLleno.h"

using namespace plataforma;

namespace {

const char kControlX[] =
    "TABLA ControlX\n"
    "CAMPO IndiceFich C 4\n"
    "CAMPO IndNumero C 4\n"
    "CAMPO Coor_1 N 6 0\n"
    "ETIQUETA ORDEN IndiceFich+IndNumero\n"
    "FILAS\n"
    " 101|   1|10\n"
    " 101|   2|20\n"
    " 102|   1|30\n";

class Registros : public pruebas::CCarpetaTablas {
 protected:
  std::unique_ptr<CTablaRegistros> Abre(const std::filesystem::path& ruta) {
    std::string error;
    auto t = CTablaRegistros::Abrir(ruta, {}, 1, &error);
    EXPECT_TRUE(t) << error;
    return t;
  }

  // The record numbers the cursor visits from the first row on.
  static std::vector<long> Recorrido(CTablaRegistros& t) {
    std::vector<long> r;
    for (bool hay = t.Primero(); hay; hay = t.Saltar(1)) r.push_back(t.NumeroRegistro());
    return r;
  }
};

}  // namespace

TEST_F(Registros, BuscarPorPrefijoYBusquedaCercana) {
  auto t = Abre(CrearTabla("ControlX", kControlX));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->NumeroOrden("orden"), 1);
  EXPECT_EQ(t->NumeroOrden("OTRA"), 0);
  ASSERT_TRUE(t->PonerOrden(1));
  EXPECT_FALSE(t->PonerOrden(2));

  struct Caso {
    const char* clave;
    bool cercana;
    bool encontrado;
    long registro;  // 0 = end of file
  };
  const Caso casos[] = {
      {" 101", false, true, 1}, {" 101   2", false, true, 2}, {" 102", true, true, 3},
      {" 103", true, false, 0}, {" 103", false, false, 0},     {" 1015", false, false, 0},
      {" 1015", true, false, 3}, {"", false, true, 1},         {" 100", true, false, 1},
  };
  for (const auto& c : casos) {
    t->PonerBusquedaCercana(c.cercana);
    EXPECT_EQ(t->Buscar(c.clave), c.encontrado) << "'" << c.clave << "'";
    EXPECT_EQ(t->Encontrado(), c.encontrado) << "'" << c.clave << "'";
    EXPECT_EQ(t->NumeroRegistro(), c.registro) << "'" << c.clave << "'";
    EXPECT_EQ(t->FinDeFichero(), c.registro == 0) << "'" << c.clave << "'";
  }
  // From a found row the cursor goes on in key order.
  ASSERT_TRUE(t->Buscar(" 101   2"));
  EXPECT_TRUE(t->Saltar(1));
  EXPECT_EQ(t->LeerTexto("indicefich"), " 102");
  EXPECT_FALSE(t->Saltar(1));
  EXPECT_TRUE(t->FinDeFichero());
  EXPECT_EQ(t->LeerTexto("IndiceFich"), "    ");  // the blank row at end of file
  EXPECT_EQ(t->LeerEntero("Coor_1"), 0);
  // Without an order there is nothing to seek in.
  t->PonerOrden(0);
  EXPECT_FALSE(t->Buscar(" 101"));
}

TEST_F(Registros, LasClavesSiguenACadaEscritura) {
  auto t = Abre(CrearTabla("ControlX", kControlX));
  ASSERT_TRUE(t);
  t->PonerOrden(1);
  ASSERT_TRUE(t->Buscar(" 101   1"));
  ASSERT_TRUE(t->PonerTexto("IndiceFich", " 200"));
  EXPECT_FALSE(t->Buscar(" 101   1"));
  ASSERT_TRUE(t->Buscar(" 200   1"));
  EXPECT_EQ(t->NumeroRegistro(), 1);
  EXPECT_EQ(t->Anadir(), kAnadido);
  EXPECT_EQ(t->NumeroRegistro(), 4);
  EXPECT_TRUE(t->RegistroBloqueado(4));
  ASSERT_TRUE(t->PonerTexto("IndiceFich", " 050"));
  ASSERT_TRUE(t->Buscar(" 050"));
  EXPECT_EQ(t->NumeroRegistro(), 4);
  // Key order: " 050", " 101 2", " 102 1", " 200 1"; backwards from the end too.
  EXPECT_EQ(Recorrido(*t), (std::vector<long>{4, 2, 3, 1}));
  ASSERT_TRUE(t->Ultimo());
  EXPECT_EQ(t->NumeroRegistro(), 1);
  EXPECT_TRUE(t->Saltar(-2));
  EXPECT_EQ(t->NumeroRegistro(), 2);
  t->Saltar(-5);
  EXPECT_TRUE(t->PrincipioDeFichero());
  EXPECT_EQ(t->NumeroRegistro(), 4);

  // A tag added later covers the rows already there, and another open object keeps it up to date.
  auto otra = Abre(t->Fichero());
  ASSERT_TRUE(t->CrearIndice("COOR", "STRZERO(Coor_1, 6)"));
  ASSERT_TRUE(otra->IrA(3));
  ASSERT_TRUE(otra->PonerEntero("Coor_1", 5));
  ASSERT_TRUE(t->PonerOrden(t->NumeroOrden("coor")));
  EXPECT_EQ(Recorrido(*t), (std::vector<long>{4, 3, 1, 2}));
  ASSERT_TRUE(t->Buscar("000005"));
  EXPECT_EQ(t->NumeroRegistro(), 3);
  // A broken key expression is refused and leaves the table as it was.
  EXPECT_FALSE(t->CrearIndice("MALA", "Coor_1 +"));
  EXPECT_FALSE(t->CrearIndice("MALA", "Coor_1 > 3"));
  EXPECT_EQ(t->NumeroOrden("MALA"), 0);
  EXPECT_EQ(t->Etiquetas().size(), 2u);
}

TEST_F(Registros, FiltrosCuentanLasFilasQuePasan) {
  auto t = Abre(CrearTabla("DatosDec",
                      "CAMPO clave C 50\nCAMPO tipodec N 2 0\nFILAS\nA|0\nB|1\nC|2\nD|3\nE|3\n"));
  ASSERT_TRUE(t);
  struct Caso {
    const char* filtro;
    std::size_t filas;
  };
  const Caso casos[] = {{"tipodec < 5", 5}, {"tipodec < 3", 3}, {"tipodec = 3", 2}, {"tipodec = -1", 0}, {"", 5}};
  for (const auto& c : casos) {
    EXPECT_TRUE(t->PonerFiltro(c.filtro)) << c.filtro;
    EXPECT_EQ(Recorrido(*t).size(), c.filas) << c.filtro;
  }
  // Not a logical expression: refused, and the table is shown unfiltered.
  EXPECT_FALSE(t->PonerFiltro("tipodec"));
  EXPECT_EQ(t->TipoExpresion("tipodec"), ETipoValor::Numero);
  EXPECT_EQ(t->TipoExpresion("tipodec = 3"), ETipoValor::Logico);
  EXPECT_EQ(t->TipoExpresion("tipodec = "), ETipoValor::Ninguno);
  EXPECT_EQ(Recorrido(*t).size(), 5u);
  // A condition that cannot be built shows nothing.
  EXPECT_FALSE(t->PonerFiltro(CCondicion::Campo("clave'", EComparacion::Igual, "A")));
  EXPECT_EQ(Recorrido(*t).size(), 0u);
  t->QuitarFiltro();

  // Locate first and next, by text and by a built condition.
  ASSERT_TRUE(t->Localizar("tipodec = 3", false));
  EXPECT_EQ(t->NumeroRegistro(), 4);
  ASSERT_TRUE(t->Localizar("tipodec = 3", true));
  EXPECT_EQ(t->NumeroRegistro(), 5);
  EXPECT_FALSE(t->Localizar("tipodec = 3", true));
  EXPECT_TRUE(t->FinDeFichero());
  ASSERT_TRUE(t->Localizar(CCondicion::Campo("clave", EComparacion::Igual, "C"), false));
  EXPECT_EQ(t->NumeroRegistro(), 3);
  EXPECT_EQ(t->Evaluar("tipodec = 2 .and. clave = 'C'"), 1);
  EXPECT_EQ(t->Evaluar("tipodec"), 0);
  EXPECT_EQ(t->EvaluarValor("clave + 'x'").texto.size(), 51u);
  EXPECT_FALSE(t->Localizar("tipodec", false));
}

TEST_F(Registros, FilasBorradasOcultasYRecuperadas) {
  auto t = Abre(CrearTabla("Tabla", "CAMPO clave C 4\nETIQUETA CLAVE clave\nFILAS\nA\nB\nC\n"));
  ASSERT_TRUE(t);
  ASSERT_TRUE(t->IrA(2));
  ASSERT_TRUE(t->Borrar());
  EXPECT_EQ(t->EstadoRegistro(2), kEstadoBorrado);
  EXPECT_EQ(t->EstadoRegistro(1), 0);
  EXPECT_EQ(t->EstadoRegistro(9), kEstadoNoExiste);

  t->OcultarBorrados(true);
  EXPECT_EQ(Recorrido(*t), (std::vector<long>{1, 3}));
  EXPECT_EQ(t->NumeroRegistros(), 2);
  t->PonerOrden(1);
  EXPECT_FALSE(t->Buscar("B"));
  EXPECT_EQ(Recorrido(*t), (std::vector<long>{1, 3}));

  t->OcultarBorrados(false);
  EXPECT_EQ(t->NumeroRegistros(), 3);
  ASSERT_TRUE(t->Buscar("B"));
  EXPECT_EQ(t->NumeroRegistro(), 2);
  ASSERT_TRUE(t->Recuperar());
  t->OcultarBorrados(true);
  EXPECT_EQ(Recorrido(*t), (std::vector<long>{1, 2, 3}));
  EXPECT_EQ(t->NumeroRegistros(), 3);

  // Record numbers are never given twice.
  ASSERT_TRUE(t->Ultimo());
  ASSERT_TRUE(t->Borrar());
  EXPECT_EQ(t->Anadir(), kAnadido);
  EXPECT_EQ(t->NumeroRegistro(), 4);
}

TEST_F(Registros, CamposBinariosGrandes) {
  auto ruta = CrearTabla("DatosDec", "CAMPO clave C 50\nCAMPO datos B\nFILAS\nA|\n");
  std::vector<char> datos(61624);
  for (std::size_t i = 0; i < datos.size(); ++i) datos[i] = static_cast<char>((i * 7 + i / 256) & 0xff);
  {
    auto t = Abre(ruta);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->LongitudBinario("datos"), 0);
    EXPECT_EQ(t->EscribirBinario("DATOS", datos), 61624);
    EXPECT_EQ(t->EscribirBinario("clave", datos), -1);
  }
  auto t = Abre(ruta);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->LongitudBinario("datos"), 61624);
  std::vector<char> corto(61623, 'Z');
  EXPECT_EQ(t->LeerBinario("datos", corto), 0);
  EXPECT_EQ(corto, std::vector<char>(61623, 'Z'));
  std::vector<char> leido(61624, 'Z');
  EXPECT_EQ(t->LeerBinario("datos", leido), 61624);
  EXPECT_EQ(leido, datos);
  EXPECT_EQ(t->LongitudBinario("clave"), -1);
}

TEST_F(Registros, CamposPorTipo) {
  auto t = Abre(CrearTabla("Tipos",
                      "CAMPO texto C 6\nCAMPO importe N 8 2\nCAMPO real F 12 4\nCAMPO entero I\nCAMPO si L\n"
                      "CAMPO fecha D\nCAMPO nota M\nFILAS\n |0|0|0|F||\n"));
  ASSERT_TRUE(t);
  EXPECT_TRUE(t->CampoConocido("IMPORTE"));
  EXPECT_FALSE(t->CampoConocido("otro"));
  EXPECT_EQ(t->TipoCampo("importe"), 'N');
  EXPECT_EQ(t->TipoCampo("otro"), '\0');
  EXPECT_EQ(t->AnchoCampo("texto"), 6);
  EXPECT_EQ(t->AnchoCampo("entero"), 4);
  EXPECT_EQ(t->AnchoCampo("otro"), 0);

  // Texts: Windows-1252 bytes, cut and padded to the width.
  ASSERT_TRUE(t->PonerTexto("texto", "A\xD1O 1999 largo"));
  EXPECT_EQ(t->LeerTexto("texto"), "A\xD1O 19");
  ASSERT_TRUE(t->PonerTexto("texto", "ab"));
  EXPECT_EQ(t->LeerTexto("texto"), "ab    ");

  // Numbers: rounded to the decimals; values wider than the field and bad texts are refused and change nothing.
  ASSERT_TRUE(t->PonerDouble("importe", 1234.565));
  EXPECT_EQ(t->LeerTexto("importe"), " 1234.57");
  EXPECT_DOUBLE_EQ(t->LeerDouble("importe"), 1234.57);
  EXPECT_EQ(t->LeerEntero("importe"), 1234);
  EXPECT_FALSE(t->PonerDouble("importe", 123456.0));
  EXPECT_FALSE(t->PonerTexto("importe", "12,5"));
  EXPECT_FALSE(t->PonerTexto("importe", "doce"));
  EXPECT_FALSE(t->PonerDouble("texto", 1.0));
  EXPECT_DOUBLE_EQ(t->LeerDouble("importe"), 1234.57);
  ASSERT_TRUE(t->PonerTexto("importe", " -99.5 "));
  EXPECT_EQ(t->LeerTexto("importe"), "  -99.50");
  ASSERT_TRUE(t->PonerDouble("real", 0.1));
  EXPECT_DOUBLE_EQ(t->LeerDouble("real"), 0.1);
  ASSERT_TRUE(t->PonerEntero("entero", -2147483647L - 1));
  EXPECT_EQ(t->LeerEntero("entero"), -2147483647L - 1);
  EXPECT_FALSE(t->PonerDouble("entero", 3e9));

  ASSERT_TRUE(t->PonerLogico("si", true));
  EXPECT_TRUE(t->LeerLogico("si"));
  EXPECT_EQ(t->LeerTexto("si"), "T");
  ASSERT_TRUE(t->PonerTexto("si", ".F."));
  EXPECT_FALSE(t->LeerLogico("si"));
  EXPECT_FALSE(t->PonerTexto("si", "quizá"));

  ASSERT_TRUE(t->PonerTexto("fecha", "31121999"));
  EXPECT_EQ(t->LeerTexto("fecha"), "31121999");
  const std::string memo = "primera l\xEDnea\nsegunda";
  ASSERT_TRUE(t->PonerTexto("nota", memo));
  EXPECT_EQ(t->LeerMemo("nota"), memo);
  EXPECT_FALSE(t->LeerMemo("texto").has_value());
  EXPECT_EQ(t->LongitudBinario("nota"), static_cast<long>(memo.size()));

  // The values outlive the object.
  const auto ruta = t->Fichero();
  t.reset();
  t = Abre(ruta);
  EXPECT_EQ(t->LeerTexto("texto"), "ab    ");
  EXPECT_EQ(t->LeerTexto("importe"), "  -99.50");
  EXPECT_EQ(t->LeerMemo("nota"), memo);
  // Nothing to write at end of file.
  t->Saltar(1);
  ASSERT_TRUE(t->FinDeFichero());
  EXPECT_FALSE(t->PonerTexto("texto", "x"));
}

TEST_F(Registros, CadaObjetoTieneSuCursorYSusBloqueos) {
  const auto ruta = CrearTabla("ControlX", kControlX);
  CMotorRegistros motor;
  const int a = motor.Abrir(ruta, "ControlX", 1);
  const int b = motor.Abrir(carpeta_ / "controlx.dbf", "ControlX", 2);  // the name without regard to case
  ASSERT_NE(a, 0);
  ASSERT_NE(b, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(motor.AreaActual(), b);
  EXPECT_EQ(motor.AreaDeAlias("CONTROLX"), a);
  EXPECT_EQ(motor.AreaDeAlias("otra"), 0);
  EXPECT_EQ(motor.Abrir(carpeta_ / "NoEsta.DBF", "NoEsta", 1), 0);

  CTablaRegistros* ta = motor.Tabla(a);
  CTablaRegistros* tb = motor.Tabla(b);
  ASSERT_TRUE(ta->IrA(2));
  ASSERT_TRUE(tb->IrA(3));
  EXPECT_EQ(ta->NumeroRegistro(), 2);
  // Both hold record 2 for the process; one letting go leaves the other's lock.
  ASSERT_TRUE(ta->BloquearRegistro(2));
  ASSERT_TRUE(ta->BloquearRegistro(2));
  ASSERT_TRUE(tb->BloquearRegistro(2));
  motor.Cerrar(b);
  EXPECT_EQ(motor.Tabla(b), nullptr);
  EXPECT_EQ(motor.AreaActual(), a);
  EXPECT_TRUE(ta->RegistroBloqueado(2));
  EXPECT_EQ(ta->NumeroRegistro(), 2);

  // A write through one object is seen by the other when it reads the row again.
  const int c = motor.Abrir(ruta, "ControlX", 1);
  ASSERT_TRUE(ta->PonerEntero("Coor_1", 77));
  CTablaRegistros* tc = motor.Tabla(c);
  ASSERT_TRUE(tc->IrA(2));
  EXPECT_EQ(tc->LeerEntero("Coor_1"), 77);

  // Options reach every area.
  ASSERT_TRUE(ta->Borrar());
  motor.OcultarBorrados(true);
  EXPECT_EQ(tc->NumeroRegistros(), 2);
  EXPECT_EQ(Recorrido(*tc), (std::vector<long>{1, 3}));
}

// A table whose stored key nests 20,000 deep (a file damaged, or written by someone else) is a damaged table: it
// does not open, and opening it never recurses that deep. The same with a filter or a condition of that depth.
TEST_F(Registros, ClaveAnidadaSinFinEsUnaTablaDanada) {
  const auto ruta = CrearTabla("Honda", kControlX);
  {
    auto t = Abre(ruta);
    ASSERT_TRUE(t);
    const std::string honda = std::string(20000, '(') + "IndiceFich" + std::string(20000, ')');
    EXPECT_FALSE(t->PonerFiltro(honda));
    EXPECT_FALSE(t->Localizar(honda, false));
    EXPECT_EQ(t->TipoExpresion(honda), ETipoValor::Ninguno);
    EXPECT_FALSE(t->CrearIndice("HONDA", honda));
    EXPECT_EQ(t->NumeroRegistros(), 3);
  }
  sqlite3* bd = nullptr;
  ASSERT_EQ(sqlite3_open(ruta.c_str(), &bd), SQLITE_OK);
  const std::string sql = "UPDATE etiquetas SET expresion = '" + std::string(20000, '(') + "IndiceFich" +
                          std::string(20000, ')') + "'";
  ASSERT_EQ(sqlite3_exec(bd, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(bd);
  std::string error;
  EFallo fallo = EFallo::Ninguno;
  EXPECT_EQ(CTablaRegistros::Abrir(ruta, {}, 1, &error, &fallo), nullptr);
  EXPECT_EQ(fallo, EFallo::Danado) << error;
}

// A disk that fills up (here: a limit on the size of the process's files, so the system refuses the write as a
// full disk would) is a failure of writing, not damage: the write, and a row added with its data in one
// transaction, are refused whole, and the file reads as before.
TEST_F(Registros, DiscoLlenoEsUnFalloDeEscrituraYNoDejaNada) {
  const auto ruta = CrearTabla("Llena", "CAMPO CLAVE C 4\nCAMPO DATOS B\nETIQUETA K CLAVE\nFILAS\nA|\n");
  auto t = Abre(ruta);
  ASSERT_TRUE(t);
  const std::string grande(200000, 'x');
  {
    pruebas::CDiscoLleno lleno(std::filesystem::file_size(ruta));
    ASSERT_TRUE(lleno.Puesto());
    ASSERT_TRUE(t->IrA(1));
    EXPECT_EQ(t->EscribirBinario("DATOS", grande), -1);
    EXPECT_EQ(t->UltimoFallo(), EFallo::Escritura) << t->UltimoError();
    // The file may be written only when the transaction ends: the whole of it is refused then.
    ASSERT_TRUE(t->EmpezarLote());
    const bool escrita =
        t->Anadir() == kAnadido && t->PonerTexto("CLAVE", "B") && t->EscribirBinario("DATOS", grande) != -1;
    EXPECT_FALSE(t->TerminarLote(escrita) && escrita);
    EXPECT_EQ(t->UltimoFallo(), EFallo::Escritura) << t->UltimoError();
  }
  t.reset();
  t = Abre(ruta);
  ASSERT_TRUE(t);
  EXPECT_TRUE(t->Comprobar());
  EXPECT_EQ(t->NumeroRegistros(), 1);
  ASSERT_TRUE(t->IrA(1));
  EXPECT_EQ(t->LongitudBinario("DATOS"), 0);
  // With room again, the same write goes through.
  EXPECT_EQ(t->EscribirBinario("DATOS", grande), static_cast<long>(grande.size()));
}

TEST_F(Registros, FicherosQueNoSonTablas) {
  std::string error;
  EXPECT_EQ(CTablaRegistros::Abrir(carpeta_ / "NoEsta.DBF", {}, 1, &error), nullptr);
  EXPECT_FALSE(error.empty());

  const auto basura = carpeta_ / "Basura.DBF";
  {
    std::ofstream f(basura, std::ios::binary);
    f << std::string(5000, '\x03') << "no es una tabla";
  }
  error.clear();
  EXPECT_EQ(CTablaRegistros::Abrir(basura, {}, 1, &error), nullptr);
  EXPECT_FALSE(error.empty());

  // An SQLite file of another program is not a table either.
  const auto ajena = carpeta_ / "Ajena.DBF";
  sqlite3* bd = nullptr;
  ASSERT_EQ(sqlite3_open(ajena.c_str(), &bd), SQLITE_OK);
  sqlite3_exec(bd, "CREATE TABLE t(x)", nullptr, nullptr, nullptr);
  sqlite3_close(bd);
  error.clear();
  EXPECT_EQ(CTablaRegistros::Abrir(ajena, {}, 1, &error), nullptr);
  EXPECT_FALSE(error.empty());

  // A table whose row table lost a column.
  const auto ruta = CrearTabla("Rota", "CAMPO a C 2\nCAMPO b C 2\nFILAS\nx|y\n");
  ASSERT_EQ(sqlite3_open(ruta.c_str(), &bd), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(bd, "ALTER TABLE filas DROP COLUMN c2", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(bd);
  error.clear();
  EXPECT_EQ(CTablaRegistros::Abrir(ruta, {}, 1, &error), nullptr);
  EXPECT_FALSE(error.empty());

  // Schemas that are not sound are not created.
  EXPECT_FALSE(CTablaRegistros::Crear(carpeta_ / "Mal1.DBF", {{"a", 'C', 0, 0}}, {}, &error));
  EXPECT_FALSE(CTablaRegistros::Crear(carpeta_ / "Mal2.DBF", {{"a", 'C', 2, 0}, {"A", 'N', 3, 0}}, {}, &error));
  EXPECT_FALSE(CTablaRegistros::Crear(carpeta_ / "Mal3.DBF", {{"a b", 'C', 2, 0}}, {}, &error));
  EXPECT_FALSE(CTablaRegistros::Crear(carpeta_ / "Mal4.DBF", {{"a", 'C', 2, 0}}, {{"K", "b", 0}}, &error));
  EXPECT_FALSE(CTablaRegistros::Crear(ruta, {{"a", 'C', 2, 0}}, {}, &error));  // exists
  EXPECT_FALSE(std::filesystem::exists(carpeta_ / "Mal4.DBF"));
}

namespace {

// A store like the program's: `filas` declarations named D00 to D49 (in reverse order of their numbers, so the key
// order is not the record order), each with a data area of 61,624 bytes that tells its number.
constexpr int kFilasAlmacen = 50;
constexpr std::size_t kLargoDatos = 61624;

std::string DatosDe(int i) { return std::string(kLargoDatos, static_cast<char>('A' + i % 26)) + std::to_string(i); }
std::string NombreDe(int i) {
  std::string n = "D" + std::string(i < 10 ? "0" : "") + std::to_string(i);
  return n + std::string(50 - n.size(), ' ');
}

std::string Contenido(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

class Rescate : public pruebas::CCarpetaTablas {
 protected:
  std::filesystem::path CrearAlmacen() {
    const auto ruta = CrearTabla("DatosDec", "CAMPO clave C 50\nCAMPO tipodec N 3 0\nCAMPO datos B\n"
                                             "ETIQUETA CLAVE clave\nFILAS\n");
    auto t = CTablaRegistros::Abrir(ruta);
    EXPECT_TRUE(t);
    EXPECT_TRUE(t->EmpezarLote());
    for (int i = kFilasAlmacen - 1; i >= 0; --i) {
      EXPECT_EQ(t->Anadir(), kAnadido);
      EXPECT_TRUE(t->PonerTexto("clave", NombreDe(i)));
      EXPECT_TRUE(t->PonerEntero("tipodec", i % 3 + 1));
      const std::string datos = DatosDe(i);
      EXPECT_EQ(t->EscribirBinario("datos", datos), static_cast<long>(datos.size()));
    }
    EXPECT_TRUE(t->TerminarLote(true));
    EXPECT_TRUE(t->Comprobar());
    return ruta;
  }

  // What the rescue reads of the store: the declarations whose rows read whole and right, in key order, and the
  // names of the damaged rows. Every row read must be whole and right, or flagged.
  struct SLeido {
    std::vector<int> sanas;
    std::vector<std::string> danadas;
  };
  static SLeido Leer(CTablaRegistros& t) {
    SLeido r;
    EXPECT_TRUE(t.PonerOrden(t.NumeroOrden("CLAVE")));
    std::string anterior;
    for (bool hay = t.Primero(); hay; hay = t.Saltar(1)) {
      const std::string clave = t.LeerTexto("clave");
      EXPECT_GT(clave, anterior) << "key order";
      anterior = clave;
      if (t.FilaDanada()) {
        EXPECT_NE(t.EstadoRegistro(t.NumeroRegistro()) & kEstadoDanado, 0);
        r.danadas.push_back(clave);
        continue;
      }
      const int i = std::stoi(clave.substr(1, 2));
      EXPECT_EQ(clave, NombreDe(i));
      EXPECT_EQ(t.LeerEntero("tipodec"), i % 3 + 1);
      std::string datos(kLargoDatos + 4, '\0');
      const long leidos = t.LeerBinario("datos", datos);
      datos.resize(leidos > 0 ? static_cast<std::size_t>(leidos) : 0);
      EXPECT_EQ(datos, DatosDe(i)) << clave;
      r.sanas.push_back(i);
    }
    return r;
  }

  // Every way of writing is refused, and says so.
  static void NadaSeEscribe(CTablaRegistros& t) {
    if (t.Primero()) {
      EXPECT_FALSE(t.PonerTexto("clave", "OTRA"));
      EXPECT_EQ(t.UltimoFallo(), EFallo::SoloLectura);
      EXPECT_EQ(t.EscribirBinario("datos", std::string("x")), -1);
      EXPECT_FALSE(t.Borrar());
    }
    EXPECT_EQ(t.Anadir(), kAnadirImposible);
    EXPECT_EQ(t.UltimoFallo(), EFallo::SoloLectura);
    EXPECT_FALSE(t.EmpezarLote());
    EXPECT_FALSE(t.Reindexar());
    EXPECT_FALSE(t.CrearIndice("OTRA", "tipodec"));
  }
};

}  // namespace

// A file cut short (the end of its pages lost): the check finds it, an ordinary open refuses it, and the rescue
// reads every row stored before the cut, whole and right, in key order, while the file stays as it was.
TEST_F(Rescate, FicheroTruncadoDaLasFilasDeAntesDelCorte) {
  const auto ruta = CrearAlmacen();
  std::filesystem::resize_file(ruta, std::filesystem::file_size(ruta) / 2);
  const std::string antes = Contenido(ruta);

  std::string problemas;
  if (auto normal = CTablaRegistros::Abrir(ruta)) {
    EXPECT_FALSE(normal->Comprobar(&problemas));
    EXPECT_EQ(normal->UltimoFallo(), EFallo::Danado);
  }
  EFallo fallo = EFallo::Ninguno;
  auto t = CTablaRegistros::Abrir(ruta, {}, 1, &problemas, &fallo, 5000, EApertura::Rescate);
  ASSERT_TRUE(t) << problemas;
  EXPECT_TRUE(t->SoloLectura());
  EXPECT_FALSE(t->Comprobar());
  const SLeido leido = Leer(*t);
  // Rows were added from D49 down: the first half of the file holds about the first half of them.
  EXPECT_GE(leido.sanas.size(), static_cast<std::size_t>(kFilasAlmacen / 3));
  EXPECT_LT(leido.sanas.size(), static_cast<std::size_t>(kFilasAlmacen));
  EXPECT_EQ(leido.sanas.back(), kFilasAlmacen - 1);
  ASSERT_TRUE(t->PonerOrden(t->NumeroOrden("CLAVE")));
  EXPECT_TRUE(t->Buscar(NombreDe(kFilasAlmacen - 1)));
  EXPECT_FALSE(t->Buscar(NombreDe(0)));
  NadaSeEscribe(*t);
  t.reset();
  EXPECT_TRUE(Contenido(ruta) == antes) << "the file was written";
}

// A page overwritten with random bytes somewhere in the file: the check finds it; the rescue reads every row but
// the ones on that page, which are named (their keys are read, their data is not), and writes nothing. Several
// pages in turn, so that the pages of the row tree, of the key tree and of the rows' data are all met. A file whose
// description of its fields or keys is lost cannot be read at all: it is refused as damaged.
TEST_F(Rescate, PaginaConBasuraSoloPierdeSusFilas) {
  const auto original = CrearAlmacen();
  const std::string limpio = Contenido(original);
  const std::size_t paginas = limpio.size() / 4096;
  std::mt19937 azar(47);
  for (std::size_t pagina : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{4}, std::size_t{5},
                             std::size_t{6}, std::size_t{7}, paginas / 3, paginas / 2, paginas - 2}) {
    SCOPED_TRACE("page " + std::to_string(pagina + 1));
    const auto ruta = carpeta_ / ("Pagina" + std::to_string(pagina) + ".DBF");
    std::string dañado = limpio;
    for (std::size_t i = 0; i < 4096; ++i) dañado[pagina * 4096 + i] = static_cast<char>(azar());
    {
      std::ofstream f(ruta, std::ios::binary);
      f << dañado;
    }
    if (auto normal = CTablaRegistros::Abrir(ruta)) {
      EXPECT_FALSE(normal->Comprobar());
      EXPECT_EQ(normal->UltimoFallo(), EFallo::Danado);
    }
    std::string error;
    EFallo fallo = EFallo::Ninguno;
    auto t = CTablaRegistros::Abrir(ruta, {}, 1, &error, &fallo, 5000, EApertura::Rescate);
    if (pagina <= 2) {
      // The pages of the fields' and the keys' descriptions.
      if (!t) {
        EXPECT_EQ(fallo, EFallo::Danado) << error;
      }
      continue;
    }
    ASSERT_TRUE(t) << error;
    const SLeido leido = Leer(*t);
    // The root of the row tree leads to every row: without it none can be found. Any other page holds the data of
    // one row, or a few rows of the tree, or part of the key tree (which the rescue does not use).
    if (pagina != 3) {
      EXPECT_GE(leido.sanas.size(), static_cast<std::size_t>(kFilasAlmacen - 8));
    }
    // Past the first pages lie the rows' data: a page of it costs one row, which is still found, by its name.
    if (pagina >= paginas / 3) {
      EXPECT_EQ(leido.sanas.size() + leido.danadas.size(), static_cast<std::size_t>(kFilasAlmacen));
      EXPECT_EQ(leido.danadas.size(), 1u);
    }
    NadaSeEscribe(*t);
    t.reset();
    EXPECT_TRUE(Contenido(ruta) == dañado) << "the file was written";
  }
}

// The engine marks a damaged file for rescue: every later open of that file (its name in any case) reads it so.
TEST_F(Rescate, ElMotorAbreEnRescateLoQueSeMarca) {
  const auto ruta = CrearAlmacen();
  CMotorRegistros motor;
  const auto otraCaja = ruta.parent_path() / "DATOSDEC.dbf";
  motor.MarcarRescate(otraCaja);
  EXPECT_TRUE(motor.EnRescate(ruta));
  const int area = motor.Abrir(ruta, "DatosDec", 0);
  ASSERT_NE(area, 0);
  EXPECT_TRUE(motor.Tabla(area)->SoloLectura());
  EXPECT_EQ(motor.Tabla(area)->NumeroRegistros(), kFilasAlmacen);
  motor.MarcarRescate(ruta, false);
  const int otra = motor.Abrir(ruta, "DatosDec", 0);
  ASSERT_NE(otra, 0);
  EXPECT_FALSE(motor.Tabla(otra)->SoloLectura());
}
