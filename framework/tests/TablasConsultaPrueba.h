// Shared by the list, code and holder edit tests: a folder of their own holding a catalogue "Tablas" and lookup
// tables made from source text, a database on it, and the edit fixture (person shown, persons present, message
// script).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "EditPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/SelectorTitular.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/TablaTexto.h"
#include "platform/Texto.h"

namespace marco::pruebas_edit {

// The catalogue's schema; rows follow.
inline constexpr const char* kEsquemaCatalogo =
    "TABLA Tablas\n"
    "CAMPO NomTabla  C 50\n"
    "CAMPO NomOrden  C 50\n"
    "CAMPO CamClave  C 50\n"
    "CAMPO CamDescr  C 50\n"
    "CAMPO CamDescr2 C 50\n"
    "CAMPO CamDevol  C 50\n"
    "CAMPO CamFiltro C 50\n"
    "CAMPO ordenada  L\n"
    "CAMPO Cortar    L\n"
    "FILAS\n";

class CFixtureTablasConsulta : public CFixtureEdit {
 protected:
  void SetUp() override {
    CFixtureEdit::SetUp();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    carpeta_ = std::filesystem::path(::testing::TempDir()) /
               ("consulta-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(carpeta_);
    std::filesystem::create_directories(carpeta_);
    base_.Abrir(carpeta_.string() + "/", false, 1, "DBF");
    PonerIdiomaV("e");
    PublicarSujetosPresentes(presentes_.data());
  }
  void TearDown() override {
    PublicarSujetosPresentes(nullptr);
    PonerIdiomaV({});
    std::error_code ec;
    std::filesystem::remove_all(carpeta_, ec);
    CFixtureEdit::TearDown();
  }

  // Builds <carpeta>/<nombre>.DBF from source text.
  void CrearTabla(const std::string& nombre, const std::string& fuente) {
    plataforma::CFuenteTabla f;
    std::string error;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(fuente, f, error)) << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(f, carpeta_ / (nombre + ".DBF"), error)) << error;
  }
  void CrearCatalogo(const std::string& filas) { CrearTabla("Tablas", std::string(kEsquemaCatalogo) + filas); }

  std::filesystem::path carpeta_;
  CBaseDatos base_;
};

}  // namespace marco::pruebas_edit
