// The record engine between processes: locks held by another process, and a writer killed at random moments.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
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
      // Killed at a random moment once it writes, however long a busy machine takes to start it.
      escritor.Linea();
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

TEST_F(RegistrosProcesos, DosEscritoresSinPausaSeTurnanYNingunoSeRinde) {
  const auto ruta = CrearTabla("Turnos", "CAMPO CLAVE C 4\nCAMPO CUENTA N 6 0\nFILAS\nA|0\nB|0\n");
  CAyudante otro({"escribir-sin-fin", ruta.string()});
  ASSERT_EQ(otro.Linea(), "LISTO");
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  // The other process never pauses between its writes; each of ours still gets its turn.
  for (int i = 1; i <= 200; ++i) {
    ASSERT_TRUE(t->IrA(2));
    ASSERT_TRUE(t->PonerEntero("CUENTA", i)) << i << ": " << t->UltimoError();
  }
  ASSERT_TRUE(t->EmpezarLote());
  ASSERT_TRUE(t->IrA(2));
  ASSERT_TRUE(t->PonerTexto("CLAVE", "Z"));
  ASSERT_TRUE(t->TerminarLote(true));
  otro.Matar();
  ASSERT_TRUE(t->IrA(2));
  EXPECT_EQ(t->LeerEntero("CUENTA"), 200);
  EXPECT_EQ(t->LeerTexto("CLAVE"), "Z   ");
}

TEST_F(RegistrosProcesos, UnFicheroOcupadoPorOtroProcesoSeDiceOcupado) {
  const auto ruta = CrearTabla("Ocupada", "CAMPO CLAVE C 4\nCAMPO CUENTA N 6 0\nFILAS\nA|0\n");
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  t->PonerEsperaOcupado(50);
  {
    // Another process's transaction that goes on: a write waits, then gives up as busy, changing nothing.
    CAyudante otro({"retener", ruta.string(), "inmediato"});
    ASSERT_EQ(otro.Linea(), "LISTO");
    ASSERT_TRUE(t->IrA(1));
    EXPECT_FALSE(t->PonerEntero("CUENTA", 7));
    EXPECT_EQ(t->UltimoFallo(), EFallo::Ocupado);
    EXPECT_EQ(t->Anadir(), kAnadirOcupado);
    EXPECT_FALSE(t->EmpezarLote());
    EXPECT_EQ(t->UltimoFallo(), EFallo::Ocupado);
    otro.Terminar();
  }
  {
    // Nobody may even read: the table does not open, and says why.
    CAyudante otro({"retener", ruta.string(), "exclusivo"});
    ASSERT_EQ(otro.Linea(), "LISTO");
    EFallo fallo = EFallo::Ninguno;
    std::string error;
    EXPECT_FALSE(CTablaRegistros::Abrir(ruta, {}, 1, &error, &fallo, 50));
    EXPECT_EQ(fallo, EFallo::Ocupado) << error;
    otro.Terminar();
  }
  ASSERT_TRUE(t->IrA(1));
  EXPECT_TRUE(t->PonerEntero("CUENTA", 7));
  EXPECT_EQ(t->LeerEntero("CUENTA"), 7);
}

TEST_F(RegistrosProcesos, FicherosDanadosYBloqueosImposibles) {
  // A file that is not a table is damaged: never "busy".
  std::ofstream(carpeta_ / "Roto.DBF") << "esto no es una tabla";
  EFallo fallo = EFallo::Ninguno;
  EXPECT_FALSE(CTablaRegistros::Abrir(carpeta_ / "Roto.DBF", {}, 1, nullptr, &fallo));
  EXPECT_EQ(fallo, EFallo::Danado);
  EXPECT_FALSE(CTablaRegistros::Abrir(carpeta_ / "NoHay.DBF", {}, 1, nullptr, &fallo));
  EXPECT_EQ(fallo, EFallo::Otro);

  // A lock side file that cannot take locks (here a folder in its place): no lock is reported as held.
  const auto ruta = CrearTabla("SinBloqueos", "CAMPO CLAVE C 4\nFILAS\nA\nB\n");
  std::filesystem::create_directory(ruta.string() + ".lck");
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  EXPECT_FALSE(t->BloquearRegistro(1));
  EXPECT_EQ(t->UltimoFallo(), EFallo::NoBloqueable);
  EXPECT_FALSE(t->RegistroBloqueado(1));
  EXPECT_FALSE(t->BloquearFichero());
  EXPECT_EQ(t->UltimoFallo(), EFallo::NoBloqueable);
  EXPECT_FALSE(t->BloquearAltas());
  EXPECT_EQ(t->UltimoFallo(), EFallo::NoBloqueable);
  // Writing still works: the turn among writers is only a courtesy, the file keeps every write whole.
  ASSERT_TRUE(t->IrA(2));
  EXPECT_TRUE(t->PonerTexto("CLAVE", "Z"));
}

TEST_F(RegistrosProcesos, ElBloqueoDeAltasNoEsperaPorLosRegistrosDeOtros) {
  const auto ruta = CrearTabla("Altas", "CAMPO CLAVE C 4\nFILAS\nA\nB\n");
  auto t = CTablaRegistros::Abrir(ruta);
  ASSERT_TRUE(t);
  {
    // Another user works on a row: adders go ahead, a lock of the whole table does not.
    CAyudante otro({"bloquear", ruta.string(), "1"});
    ASSERT_EQ(otro.Linea(), "LISTO");
    EXPECT_TRUE(t->BloquearAltas());
    EXPECT_FALSE(t->BloquearFichero());
    EXPECT_EQ(t->UltimoFallo(), EFallo::Bloqueado);
    otro.Terminar();
  }
  {
    // Our adders' lock keeps other adders and table lockers out, not those who lock a record.
    CAyudante altas({"bloquear-altas", ruta.string()});
    EXPECT_EQ(altas.Linea(), "FALLO");
    CAyudante fichero({"bloquear-fichero", ruta.string()});
    EXPECT_EQ(fichero.Linea(), "FALLO");
    CAyudante registro({"bloquear", ruta.string(), "2"});
    EXPECT_EQ(registro.Linea(), "LISTO");
  }
  t->DesbloquearAltas();
  {
    CAyudante altas({"bloquear-altas", ruta.string()});
    ASSERT_EQ(altas.Linea(), "LISTO");
    EXPECT_FALSE(t->BloquearAltas());
    EXPECT_EQ(t->UltimoFallo(), EFallo::Bloqueado);
    altas.Matar();
  }
  // A wait for a lock another process lets go of ends with the lock.
  {
    CAyudante otro({"bloquear", ruta.string(), "2"});
    ASSERT_EQ(otro.Linea(), "LISTO");
    std::thread soltar([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
      otro.Terminar();
    });
    EXPECT_TRUE(t->BloquearRegistro(2, 60000));
    soltar.join();
  }
}
