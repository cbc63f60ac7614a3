// A store of declarations of its own for a test: the program's empty network tables and its message tables,
// copied into a temporary folder and opened as the two databases the store's classes are given.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "platform/Registros.h"
#include "platform/Texto.h"
#include "shell/AlmacenDeclaraciones.h"

namespace pruebasalmacen {

namespace fs = std::filesystem;

class AlmacenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-alm-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");
    const fs::path datos = KORVELIX_DATOS;
    for (const char* tabla : {"DatosDec.DBF", "Corregix.DBF"}) {
      fs::copy_file(datos / "red" / tabla, m_dir / "red" / tabla);
    }
    for (const auto& entrada : fs::directory_iterator(datos / "local")) {
      if (entrada.path().filename().string().rfind("ERRORES", 0) == 0) {
        fs::copy_file(entrada.path(), m_dir / "local" / entrada.path().filename());
      }
    }
    m_red.Abrir((m_dir / "red").string(), true, 1, "DBF");
    m_local.Abrir((m_dir / "local").string(), false, 1, "DBF");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  shell::CAlmacenDeclaraciones Almacen() { return shell::CAlmacenDeclaraciones(&m_red); }
  fs::path DatosDec() const { return m_dir / "red" / "DatosDec.DBF"; }

  // A declaration with a data area of its type filled with `relleno`.
  static shell::SDeclaracionAlmacen Declaracion(const std::string& nombre, std::int32_t tipodec, char relleno = 'x',
                                                std::string moneda = "0") {
    shell::SDeclaracionAlmacen d;
    d.clave = shell::NombreAlmacen(nombre);
    d.tipodec = tipodec;
    d.moneda = std::move(moneda);
    d.liqui311 = {'1', '2', '3', '4'};
    d.datos.assign(shell::LongitudDatosDeTipo(tipodec), relleno);
    return d;
  }
  void Guardar(const std::vector<shell::SDeclaracionAlmacen>& declaraciones) {
    ASSERT_EQ(Almacen().Guardar(declaraciones, {}), shell::EResultadoAlmacen::Hecho);
  }
  // Rows written straight into the table, past every limit of the program (a store filled by other means).
  void AnadirDirecto(const std::string& nombre, long tipodec) {
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec(), {}, 0);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->Anadir(), plataforma::kAnadido);
    ASSERT_TRUE(t->PonerTexto("clave", nombre));
    ASSERT_TRUE(t->PonerEntero("tipodec", tipodec));
    t->DesbloquearTodo();
  }
  // Every row of the store, deleted ones too: name (trimmed), type, deleted flag, data length.
  std::vector<std::string> Filas() {
    std::vector<std::string> filas;
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    t->OcultarBorrados(false);
    for (t->Primero(); !t->FinDeFichero(); t->Saltar(1)) {
      std::string clave = t->LeerTexto("clave");
      while (!clave.empty() && clave.back() == ' ') clave.pop_back();
      const bool borrada = (t->EstadoRegistro(t->NumeroRegistro()) & plataforma::kEstadoBorrado) != 0;
      filas.push_back(clave + "|" + std::to_string(t->LeerEntero("tipodec")) + (borrada ? "|B|" : "||") +
                      std::to_string(t->LongitudBinario("datos")));
    }
    return filas;
  }

  fs::path m_dir;
  marco::CBaseDatos m_red;
  marco::CBaseDatos m_local;
};

}  // namespace pruebasalmacen
