// The holder boxes of the income-tax pages, printed on a PDF page as the printing places them: the longest holder
// name of every language ("DECLARANTE") stays inside its box.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ControlesPagina.h"
#include "output/ImpresionReglas.h"
#include "platform/Lienzo.h"

namespace {

std::filesystem::path CarpetaDatosLocal() {
  std::error_code ec;
  const auto programa = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return programa.parent_path().parent_path() / "datos" / "local";
}

TEST(ImpresionTitulares, ElNombreDelTitularCabeEnSuCasilla) {
  const auto carpeta = CarpetaDatosLocal();
  if (!std::filesystem::exists(carpeta / "ControlX.DBF")) GTEST_SKIP() << "build the target datos_paginas first";
  marco::CBaseDatos local;
  ASSERT_NE(local.Abrir(carpeta.string() + "/", false, 1, "DBF"), 0);
  const auto ruta = std::filesystem::temp_directory_path() / ("korvelix_titulares_" + std::to_string(::getpid()) + ".pdf");
  // A4 at 300 dots per inch, as a printer page.
  plataforma::CLienzo lienzo = plataforma::CLienzo::Pdf(ruta.string(), 595.28, 841.89, 300);
  const plataforma::CTamano pagina{lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()};
  salida::PrepararMapeoImpresion(lienzo, pagina);
  const salida::SEscalasImpresion escalas = salida::EscalasImpresion(pagina, {});
  std::vector<std::string> nombres;
  for (int codigo = 1; codigo <= 5; ++codigo) {
    for (char idioma : {'e', 'c', 'g', 'v'}) nombres.emplace_back(marco::NombreTitular(codigo, idioma));
  }
  int titulares = 0;
  // The pages of both income-tax forms, and the payment page.
  std::vector<int> ids;
  for (int id = 101; id <= 107; ++id) ids.push_back(id);
  for (int id = 201; id <= 217; ++id) ids.push_back(id);
  for (int id : ids) {
    marco::CControlesPagina campos;
    if (campos.CargarVariante(id, 1.0, &local) != 1) continue;
    salida::ColocarCampos(campos, escalas, pagina);
    for (int i = 0; i < campos.NumeroCampos(); ++i) {
      const marco::CCampo* campo = campos.Campo(i);
      if (campo == nullptr || campo->Letra() != 'T') continue;
      ++titulares;
      // The text runs inside the box's frame less the margins the box keeps when it draws.
      const plataforma::CRectangulo caja = campo->Rectangulo(lienzo, 0, 0);
      const int ancho = caja.right - caja.left - 8;
      for (const std::string& nombre : nombres) {
        EXPECT_LE(lienzo.MedirTexto(nombre).cx, ancho)
            << "page " << id << ", box " << campo->IndNumero << ": \"" << nombre << "\"";
      }
    }
  }
  EXPECT_GT(titulares, 0);
  lienzo.Terminar();
  std::error_code ec;
  std::filesystem::remove(ruta, ec);
}

}  // namespace
