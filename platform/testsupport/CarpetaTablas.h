// A test fixture with a folder of its own (removed afterwards) and tables made in it from source text.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/TablaTexto.h"

namespace pruebas {

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

  // The folder, with a trailing separator.
  std::string Carpeta() const { return carpeta_.string() + "/"; }

  std::filesystem::path carpeta_;
};

}  // namespace pruebas
