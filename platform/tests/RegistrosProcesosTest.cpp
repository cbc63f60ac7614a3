// The record engine between processes: locks held by another process, and a writer killed at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "ProcesoAyudante.h"
#include "CarpetaTablas.h"
#include "platform/Registros.h"

using namespace plataforma;

namespace {

using pruebas::CAyudante;

class RegistrosProcesos : public pruebas::CCarpetaTablas {};

}  // namespace

TEST_F(RegistrosProcesos, UnBloqueoDeOtroProcesoSeRespetaYMuereConEl) {
  const auto ruta = CrearTabla("DatosDec", "CAMPO clave C 10\nCAMPO tipodec N 2 0\nFILAS\nA|0\nB|1\nC|2\n");
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  {
    CAyudante otro({"bloquear", ruta.string(), "2"});
    ASSERT_TRUE(otro.Vivo());
    ASSERT_EQ(otro.Linea(), "LISTO");
    EXPECT_FALSE(t->BloquearRegistro(2));
    EXPECT_FALSE(t->RegistroBloqueado(2));
    EXPECT_EQ(t->EstadoRegistro(2), kEstadoBloqueadoFuera);
    EXPECT_EQ(t->EstadoRegistro(1), 0);
    ASSERT_TRUE(t->IrA(2));
    EXPECT_FALSE(t->PonerTexto("clave", "X"));
    EXPECT_FALSE(t->Borrar());
    EXPECT_EQ(t->LeerTexto("clave"), "B         ");
    EXPECT_FALSE(t->BloquearFichero());
    EXPECT_TRUE(t->BloquearRegistro(1));
    EXPECT_EQ(t->Anadir(), kAnadido);  // other rows stay free
    EXPECT_EQ(otro.Terminar(), 0);
  }
  EXPECT_EQ(t->EstadoRegistro(2), 0);
  EXPECT_TRUE(t->BloquearRegistro(2));
  EXPECT_TRUE(t->BloquearRegistro(2));

  // Our locks keep the other process out, and a second object of ours letting go does not free them.
  {
    auto segundo = CTablaRegistros::Abrir(ruta);
    ASSERT_TRUE(segundo->BloquearRegistro(2));
    segundo->DesbloquearRegistro(2);
  }
  {
    CAyudante otro({"bloquear", ruta.string(), "2"});
    EXPECT_EQ(otro.Linea(), "FALLO");
  }
  t->DesbloquearTodo();
  {
    CAyudante otro({"bloquear", ruta.string(), "2"});
    EXPECT_EQ(otro.Linea(), "LISTO");
    otro.Terminar();
  }

  // A table lock elsewhere refuses appends and record locks; a killed holder frees them at once.
  {
    CAyudante otro({"bloquear-fichero", ruta.string()});
    ASSERT_EQ(otro.Linea(), "LISTO");
    EXPECT_EQ(t->Anadir(), kAnadirOcupado);
    EXPECT_FALSE(t->BloquearRegistro(3));
    otro.Matar();
  }
  EXPECT_EQ(t->Anadir(), kAnadido);
  EXPECT_TRUE(t->BloquearRegistro(3));

  // Our table lock keeps the other process out of every record; after it, only the records we hold stay locked.
  ASSERT_TRUE(t->BloquearFichero());
  {
    CAyudante otro({"bloquear", ruta.string(), "1"});
    EXPECT_EQ(otro.Linea(), "FALLO");
  }
  t->DesbloquearFichero();
  {
    CAyudante otro({"bloquear", ruta.string(), "3"});
    EXPECT_EQ(otro.Linea(), "FALLO");
  }
  {
    CAyudante otro({"bloquear", ruta.string(), "1"});
    EXPECT_EQ(otro.Linea(), "LISTO");
    otro.Terminar();
  }
}

TEST_F(RegistrosProcesos, UnEscritorMatadoDejaCadaFilaEnteraYLaTablaSana) {
  const auto ruta = CrearTabla("Tortura", "CAMPO CLAVE C 12\nCAMPO CUENTA N 6 0\nCAMPO DATOS B\n"
                                     "ETIQUETA CLAVE CLAVE\nFILAS\n");
  std::mt19937 azar(20240611);
  long escritas = 0;
  for (int vuelta = 1; vuelta <= 50; ++vuelta) {
    {
      CAyudante escritor({"tortura", ruta.string(), std::to_string(vuelta)});
      ASSERT_TRUE(escritor.Vivo());
      // Killed at a random moment of its writing, however long the process took to start.
      ASSERT_EQ(escritor.Linea(), "EMPEZADO") << "vuelta " << vuelta;
      std::this_thread::sleep_for(std::chrono::microseconds(2000 + azar() % 30000));
      escritor.Matar();
    }
    std::string error;
    auto t = CTablaRegistros::Abrir(ruta, {}, 1, &error);
    ASSERT_TRUE(t) << "vuelta " << vuelta << ": " << error;
    ASSERT_TRUE(t->PonerOrden(1));
    for (bool hay = t->Primero(); hay; hay = t->Saltar(1)) {
      const long n = t->NumeroRegistro();
      // The bytes: empty (a row appended but not written yet), or whole: their 12 digits say what they must be.
      std::vector<char> datos(static_cast<std::size_t>(std::max(0L, t->LongitudBinario("DATOS"))));
      ASSERT_EQ(t->LeerBinario("DATOS", datos), static_cast<long>(datos.size()));
      if (!datos.empty()) {
        ASSERT_GE(datos.size(), 12u) << "registro " << n;
        const long v = std::stol(std::string(datos.data(), 12));
        ASSERT_EQ(datos.size(), 2000 + static_cast<std::size_t>(v % 7000)) << "registro " << n;
        for (std::size_t i = 12; i < datos.size(); ++i) {
          ASSERT_EQ(datos[i], static_cast<char>((v * 31 + static_cast<long>(i) * 7) & 0xff)) << "registro " << n;
        }
        ++escritas;
      }
      // The key column always agrees with the field.
      const std::string clave = t->LeerTexto("CLAVE");
      if (clave != std::string(12, ' ')) {
        auto otra = CTablaRegistros::Abrir(ruta);
        otra->PonerOrden(1);
        ASSERT_TRUE(otra->Buscar(clave)) << clave;
        EXPECT_EQ(otra->LeerTexto("CLAVE"), clave);
      }
    }
  }
  EXPECT_GT(escritas, 0);
  // The file itself is sound and still takes rows.
  sqlite3* bd = nullptr;
  ASSERT_EQ(sqlite3_open(ruta.c_str(), &bd), SQLITE_OK);
  std::string resultado;
  sqlite3_exec(
      bd, "PRAGMA integrity_check",
      [](void* r, int, char** valores, char**) {
        *static_cast<std::string*>(r) += valores[0] ? valores[0] : "";
        return 0;
      },
      &resultado, nullptr);
  sqlite3_close(bd);
  EXPECT_EQ(resultado, "ok");
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->Anadir(), kAnadido);
}
