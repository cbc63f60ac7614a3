// What the table and message tests share: a folder of their own with tables made from source text, a database on
// it, and a second process that holds locks.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/TablaTexto.h"

extern char** environ;

namespace marco::pruebas {

class CCarpetaTablas : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    carpeta_ = std::filesystem::path(::testing::TempDir()) /
               ("tablas-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(carpeta_);
    std::filesystem::create_directories(carpeta_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(carpeta_, ec);
  }

  // Builds <carpeta>/<nombre>.DBF from source text and gives its path.
  std::filesystem::path CrearTabla(const std::string& nombre, const std::string& fuente) {
    plataforma::CFuenteTabla f;
    std::string error;
    EXPECT_TRUE(plataforma::LeeFuenteTabla(fuente, f, error)) << error;
    const auto ruta = carpeta_ / (nombre + ".DBF");
    EXPECT_TRUE(plataforma::CreaTablaDeFuente(f, ruta, error)) << error;
    return ruta;
  }

  std::string Carpeta() const { return carpeta_.string() + "/"; }

  std::filesystem::path carpeta_;
};

// The record engine's helper program, started with its stdin and stdout on pipes: it takes a lock, writes "LISTO"
// and holds the lock until its stdin closes.
class CAyudante {
 public:
  explicit CAyudante(std::vector<std::string> args) {
    args.insert(args.begin(), KORVELIX_AYUDANTE_REGISTROS);
    int entrada[2];
    int salida[2];
    if (::pipe(entrada) != 0 || ::pipe(salida) != 0) return;
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, entrada[0], 0);
    posix_spawn_file_actions_adddup2(&acciones, salida[1], 1);
    posix_spawn_file_actions_addclose(&acciones, entrada[1]);
    posix_spawn_file_actions_addclose(&acciones, salida[0]);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &acciones, nullptr, argv.data(), environ) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&acciones);
    ::close(entrada[0]);
    ::close(salida[1]);
    escribir_ = entrada[1];
    leer_ = salida[0];
  }
  ~CAyudante() {
    Terminar();
    if (leer_ >= 0) ::close(leer_);
  }
  CAyudante(const CAyudante&) = delete;
  CAyudante& operator=(const CAyudante&) = delete;

  std::string Linea() {
    std::string r;
    char c;
    while (leer_ >= 0 && ::read(leer_, &c, 1) == 1 && c != '\n') r += c;
    return r;
  }
  // Closes its stdin, which lets the helper let go of its lock and end.
  void Terminar() {
    if (escribir_ >= 0) ::close(escribir_);
    escribir_ = -1;
    if (pid_ > 0) {
      int estado = 0;
      ::waitpid(pid_, &estado, 0);
    }
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  int escribir_ = -1;
  int leer_ = -1;
};

}  // namespace marco::pruebas
