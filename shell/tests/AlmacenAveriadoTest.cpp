// The store of declarations under faults, as the index and the exchange files meet them: a new declaration on a
// full disk, a store cut short or with a page of garbage, a store whose key nests without end.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "AlmacenPrueba.h"
#include "DiscoLleno.h"
#include "framework/Tabla.h"
#include "shell/IndiceDeclaraciones.h"
#include "shell/Intercambio.h"
#include "ximardol.h"

namespace {

namespace fs = std::filesystem;
using marco::CGuionMensajes;
using pruebasalmacen::AlmacenTest;
using shell::CIndiceDeclaraciones;
using shell::NombreAlmacen;

constexpr int kDeclaraciones = 12;

std::string Contenido(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

class AlmacenAveriadoTest : public AlmacenTest {
 protected:
  void TearDown() override {
    for (const char* tabla : {"DatosDec.DBF", "Corregix.DBF"}) {
      marco::MotorRegistros().MarcarRescate(m_dir / "red" / tabla, false);
    }
    AlmacenTest::TearDown();
  }

  static std::string NombreDe(int i) { return NombreAlmacen("DECLARACION " + std::to_string(10 + i)); }
  static char RellenoDe(int i) { return static_cast<char>('A' + i); }

  // A store of twelve D-100 declarations, each with its data area filled with its own letter.
  void LlenarAlmacen() {
    std::vector<shell::SDeclaracionAlmacen> declaraciones;
    for (int i = 0; i < kDeclaraciones; ++i) {
      declaraciones.push_back(Declaracion(NombreDe(i), 2, RellenoDe(i)));
      declaraciones.back().clave = NombreDe(i);
    }
    Guardar(declaraciones);
  }
};

// A new declaration on a disk with no room for its data: it is refused with the disk's own message and leaves no
// row behind (a row without its data would later open as a missing or damaged declaration). With room again, the
// row comes with a whole blank data area of its tax.
TEST_F(AlmacenAveriadoTest, UnaAltaEnUnDiscoLlenoNoDejaUnaFilaSinDatos) {
  CGuionMensajes guion;
  CIndiceDeclaraciones indice(&m_red, &m_local);
  ASSERT_TRUE(indice.OnInitDialog());
  indice.OnCambioNombre("NUEVA");
  {
    pruebas::CDiscoLleno lleno(fs::file_size(DatosDec()));
    ASSERT_TRUE(lleno.Puesto());
    indice.OnAlta();
  }
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM005"}));
  EXPECT_EQ(indice.EsNueva, 0);
  EXPECT_TRUE(Filas().empty());

  indice.OnCambioNombre("NUEVA");
  indice.OnAlta();
  indice.TipoDeclaracion = 1;
  indice.OnCambioNombre("BIENES");
  indice.OnAlta();
  EXPECT_EQ(Filas(), (std::vector<std::string>{"NUEVA|0||" + std::to_string(sizeof(DatosRenta)),
                                               "BIENES|3||" + std::to_string(sizeof(DatosPatrimonio))}));
  EXPECT_EQ(guion.Codigos().size(), 1u);
}

// A store cut short (its last sixth lost: the rows whose data lay there go with it), and one with a page of garbage
// in the middle: the check says so once, naming the file; the
// index lists what can be read and offers no new declaration and no deletion; every declaration that can be read
// exports whole; nothing is imported; the file is never written.
TEST_F(AlmacenAveriadoTest, UnAlmacenDanadoSeListaYExportaSinEscribirNada) {
  LlenarAlmacen();
  const std::string limpio = Contenido(DatosDec());
  std::mt19937 azar(47);
  const struct {
    const char* que;
    std::string bytes;
  } danos[] = {
      {"cut short", limpio.substr(0, limpio.size() / 6 * 5)},
      {"a page of garbage", [&] {
         std::string b = limpio;
         const std::size_t pagina = b.size() / 4096 / 2;
         for (std::size_t i = 0; i < 4096; ++i) b[pagina * 4096 + i] = static_cast<char>(azar());
         return b;
       }()},
  };
  for (const auto& dano : danos) {
    SCOPED_TRACE(dano.que);
    { std::ofstream(DatosDec(), std::ios::binary | std::ios::trunc) << dano.bytes; }
    marco::MotorRegistros().MarcarRescate(DatosDec(), false);
    CGuionMensajes guion({}, marco::kBotonAceptar);

    EXPECT_EQ(marco::ComprobarAlmacen(&m_red), 0);
    ASSERT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM006"}));
    EXPECT_EQ(guion.Mensajes()[0].extra, (m_red.DameDirectorio() + "DatosDec.DBF"));
    EXPECT_FALSE(Almacen().Escribible());

    CIndiceDeclaraciones indice(&m_red, &m_local);
    ASSERT_TRUE(indice.OnInitDialog());
    EXPECT_GE(indice.Listadas(), kDeclaraciones / 3);
    EXPECT_TRUE(indice.Habilitado(shell::kIdSeleccionar));
    EXPECT_FALSE(indice.Habilitado(shell::kIdBaja));
    indice.OnCambioNombre("OTRA");
    EXPECT_FALSE(indice.Habilitado(shell::kIdAlta));
    EXPECT_EQ(indice.AnadirDeclaracion(NombreAlmacen("OTRA")), 0);

    // Every declaration offered for export exports whole.
    const auto exportables = shell::DeclaracionesExportables(Almacen(), shell::EClaseIntercambio::Renta);
    EXPECT_GE(exportables.size(), static_cast<std::size_t>(kDeclaraciones / 3));
    std::vector<std::string> nombres;
    for (const auto& f : exportables) nombres.push_back(f.clave);
    const fs::path fichero = m_dir / "rescatadas.ren";
    EXPECT_EQ(shell::ExportarDeclaraciones(Almacen(), fichero, nombres), shell::kMsgExportadas);
    shell::SFicheroIntercambio leido;
    EXPECT_EQ(shell::AnalizarIntercambio(fichero, shell::EClaseIntercambio::Renta, leido), "");
    std::vector<std::size_t> todas;
    for (std::size_t i = 0; i < leido.entradas.size(); ++i) todas.push_back(i);
    std::vector<shell::SDeclaracionAlmacen> traidas;
    ASSERT_TRUE(shell::LeerDeclaracionesIntercambio(leido, todas, traidas));
    ASSERT_EQ(traidas.size(), nombres.size());
    for (const auto& d : traidas) {
      const int i = std::stoi(std::string(d.clave.substr(12, 2))) - 10;
      EXPECT_EQ(d.clave, NombreDe(i));
      EXPECT_EQ(d.datos, std::vector<char>(sizeof(DatosRenta), RellenoDe(i))) << d.clave;
    }

    // Nothing goes in.
    EXPECT_EQ(Almacen().Guardar({Declaracion("OTRA", 2)}, {}), shell::EResultadoAlmacen::SoloLectura);
    EXPECT_EQ(Almacen().Borrar(NombreDe(kDeclaraciones - 1)), shell::EResultadoAlmacen::SoloLectura);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM006", "ALM008"}));
    EXPECT_TRUE(Contenido(DatosDec()) == dano.bytes) << "the damaged store was written";
  }
}

// A store whose key nests 20,000 deep is a damaged store: said once, and the index shows an empty list that offers
// nothing (no new declaration that could not be stored); nothing runs out of stack.
TEST_F(AlmacenAveriadoTest, UnaClaveAnidadaSinFinEsUnAlmacenDanado) {
  LlenarAlmacen();
  sqlite3* bd = nullptr;
  ASSERT_EQ(sqlite3_open(DatosDec().c_str(), &bd), SQLITE_OK);
  const std::string sql = "UPDATE etiquetas SET expresion = '" + std::string(20000, '(') + "clave" +
                          std::string(20000, ')') + "'";
  ASSERT_EQ(sqlite3_exec(bd, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(bd);

  CGuionMensajes guion({}, marco::kBotonAceptar);
  EXPECT_EQ(marco::ComprobarAlmacen(&m_red), 0);
  CIndiceDeclaraciones indice(&m_red, &m_local);
  EXPECT_FALSE(indice.OnInitDialog());
  EXPECT_EQ(indice.Listadas(), 0);
  for (int id : {shell::kIdAlta, shell::kIdBaja, shell::kIdSeleccionar, shell::kIdRenta}) {
    EXPECT_FALSE(indice.Habilitado(id)) << id;
  }
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM006"}));
}

}  // namespace
