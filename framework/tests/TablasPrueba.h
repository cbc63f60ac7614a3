// What the table and message tests share: a folder of their own with tables made from source text, a database on
// it, and a second process that holds locks.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ProcesoAyudante.h"
#include "platform/TablaTexto.h"

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

using ::pruebas::CAyudante;

}  // namespace marco::pruebas
