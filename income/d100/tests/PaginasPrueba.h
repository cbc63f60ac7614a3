// What the page tests of the ordinary form share: the local tables the build makes, an empty income-tax data area,
// the person shown (the family unit) and the persons present published, and a page's box array loaded over them
// with a fixed header.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "d100/ValoresFila.h"
#include "framework/BaseDatos.h"
#include "framework/DocumentoServicios.h"
#include "framework/ServiciosAplicacion.h"
#include "ximardol.h"

namespace ordinaria::pruebas {

class CPaginasPrueba : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(local.Abrir(KORVELIX_DATOS_LOCAL "/", false, 1, "DBF"), 0);
    marco::PonerIdiomaV("e");
    datos = std::make_unique<DatosRenta>();
    std::memset(datos.get(), 0, sizeof(DatosRenta));
    marco::PublicarSujetoActual(&sujeto);
    marco::PublicarSujetosPresentes(presentes.data());
  }
  void TearDown() override {
    marco::PublicarSujetoActual(nullptr);
    marco::PublicarSujetosPresentes(nullptr);
  }
  template <typename Controles>
  std::unique_ptr<Controles> Cargar(int idPagina) {
    auto c = std::make_unique<Controles>();
    c->PonerDatos(datos.get(), {nif, nombre, ejemplar});
    EXPECT_EQ(c->Cargar(idPagina, 1.0, &local), 1) << "build the target datos_paginas first";
    return c;
  }
  unsigned char* Base() { return reinterpret_cast<unsigned char*>(datos.get()); }

  marco::CBaseDatos local;
  std::unique_ptr<DatosRenta> datos;
  std::int32_t sujeto = marco::kSujetoUnidadFamiliar;
  std::array<std::int32_t, 5> presentes{1, 1, 1, 0, 0};
  char nif[10] = "12345678Z";
  char nombre[41] = "GARCIA LOPEZ, ANA";
  char ejemplar[41] = "EJEMPLAR PARA EL INTERESADO";
};

}  // namespace ordinaria::pruebas
