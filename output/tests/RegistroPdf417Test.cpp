// The whole road of both data records: a filled declaration → record → compressed frame → PDF417 symbols painted
// on a page → PNG read back by an independent reader → frame → the record as it was built.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "../../calc/tests/support/AreaPrueba.h"
#include "CodigoBarrasLector.h"
#include "framework/MensajeGuion.h"
#include "output/CodigoBarrasDatos.h"
#include "output/Registro714.h"
#include "output/RegistroRenta.h"
#include "output/SimbolosPdf417.h"

using namespace salida;
using ximardol::pruebas::CAreaPatrimonio;
using ximardol::pruebas::CAreaRenta;
using ximardol::pruebas::PonByte;
using ximardol::pruebas::PonDouble;
using ximardol::pruebas::PonMiembro;
using ximardol::pruebas::PonTexto;

namespace {

// Paints the frame on a page of 7.95 x 11.05 inches at 300 dpi and reads it back.
std::vector<std::uint8_t> PintarYLeer(const std::vector<std::uint8_t>& trama, const std::string& nombre,
                                      int& simbolos) {
  marco::CGuionMensajes guion;
  plataforma::CLienzo lienzo =
      plataforma::CLienzo::Imagen(static_cast<int>(7.95 * 300), static_cast<int>(11.05 * 300), 300);
  CSimbolosPdf417 pintor;
  pintor.PintarPDF417(lienzo, 300, trama, 2);
  EXPECT_TRUE(guion.Codigos().empty());
  simbolos = pintor.SimbolosPintados();
  const std::string ruta = (std::filesystem::temp_directory_path() /
                            ("korvelix-registro-" + std::to_string(::getpid()) + "-" + nombre + ".png"))
                               .string();
  EXPECT_TRUE(lienzo.GuardarPng(ruta));
  const auto leidos = pruebas::LeerCodigosPng(ruta);
  std::filesystem::remove(ruta);
  EXPECT_EQ(leidos.size(), static_cast<std::size_t>(simbolos));
  return pruebas::UnirSecuencia(leidos);
}

TEST(RegistroPdf417, LaDeclaracionDeRentaVuelveDesdeLaPagina) {
  CAreaRenta area;
  PonTexto(*area, 1002, "28");
  PonTexto(*area, 1022, "079");
  PonTexto(*area, 717, "ES0001GARC.IA L.OPEZ JUAN 12345678Z");
  PonTexto(*area, 577, "1001999280790000123Z");
  PonTexto(*area, 1072, "12345678Z");
  PonTexto(*area, 1198,
           "GARC\xCD"
           "A L\xD3PEZ");
  PonByte(*area, 1044, 1);
  PonByte(*area, 1811, 'x');
  PonTexto(area->DatosFamilia, 0x50, "17");
  for (std::size_t r = 0; r < 3; ++r) {
    PonTexto(*area, 3048 + 72 * r, "7654321" + std::to_string(r) + "X");
    PonTexto(*area, 3048 + 72 * r + 9, "HIJO " + std::to_string(r));
    PonTexto(*area, 3048 + 72 * r + 42, "1990");
  }
  // Amounts across the blocks, a third of them zero.
  for (std::size_t d = 0; d + 40 <= 1776; d += 40) PonMiembro(area->BaseImponible, d, {0, 123456.0 + d, 0, 0, 0});
  for (std::size_t d = 0; d < 1520; d += 40) PonMiembro(area->Liquidacion, d, {0, d % 3 == 0 ? 0 : 98765.0, 0, 0, 0});
  for (std::size_t d = 0; d + 40 <= 7000; d += 40) PonMiembro(area->Resultados, d, {0, -1.0 * d, 0, 0, 0});
  PonDouble(area->ApartadoN, 0x918 + 8, 5000);
  PonByte(area->ApartadoD1, 0x10, 2);
  PonDouble(area->ApartadoD1, 0x10 + 8, 250000);
  PonByte(area->ApartadoD4, 24, 2);
  PonDouble(area->ApartadoD4, 1352, 1200000);
  PonDouble(area->ApartadoM4, 0x1608 + 8, 42);

  SVistaRegistroRenta vista;
  vista.sujeto = 2;
  vista.tipoDeclaracion = 2;
  vista.modeloNecesario = 2;
  vista.ejercicioFiscal = "1999";
  vista.textoCabecera1 =
      "GARC\xCD"
      "A L\xD3PEZ JUAN";
  vista.textoCabecera2 = "MADRID";
  vista.letraWindows = 'T';
  vista.letraIdioma = 'e';
  CRegistroRenta registro;
  const std::string texto = registro.DatosCodigoBarras(*area, vista);
  ASSERT_EQ(texto.size(), 9703u);

  CCodigoBarrasDatos datos;
  ASSERT_TRUE(PrepararTramaRenta(datos, *area, 2));
  ASSERT_EQ(datos.ComprimirCodigoBarras(texto), 1);
  EXPECT_EQ(datos.NumeroPiezas(), 3);
  const std::vector<std::uint8_t> trama(datos.DatosTrama().begin(), datos.DatosTrama().end());

  int simbolos = 0;
  const auto leida = PintarYLeer(trama, "renta", simbolos);
  EXPECT_GE(simbolos, 1);
  ASSERT_EQ(leida, trama);
  const auto partes = LeerTrama(leida);
  ASSERT_TRUE(partes.has_value());
  EXPECT_EQ(partes->prefijo, "1001999  1");
  EXPECT_EQ(partes->identificador, "12345678Z");
  EXPECT_EQ(RecuperarRegistro(leida), texto);
}

TEST(RegistroPdf417, LaDeclaracionDePatrimonioVuelveDesdeLaPagina) {
  CAreaPatrimonio area;
  RegPatDatosPersonales& p = area->PatDatosPersonales;
  PonTexto(p, 0x01, "71419992807900001234");
  PonTexto(p, 0x15, "ES0001GARC.IA L.OPEZ JUAN 12345678Z");
  PonTexto(p, 0x51, "28");
  PonTexto(p, 0x67, "079");
  PonTexto(p, 0x7F, "12345678Z");
  PonTexto(p, 0x89,
           "GARC\xCD"
           "A L\xD3PEZ");
  PonTexto(p, 0xA8, "JUAN");
  PonByte(p, 0x1CD, 1);
  for (std::size_t d = 0; d < 0x208; d += 8) PonDouble(area->PatResumen, d, d % 24 == 0 ? 0 : 1000000.0 + d);
  PonDouble(area->PatDI, 0x10, -3500);

  const std::string texto = DatosCodigoBarras714(*area, SVistaRegistro714{"1999", '8', 'c'});
  ASSERT_EQ(texto.size(), 754u);

  CCodigoBarrasDatos datos;
  PrepararTrama714(datos, *area);
  ASSERT_EQ(datos.ComprimirCodigoBarras(texto), 1);
  EXPECT_EQ(datos.NumeroPiezas(), 1);
  const std::vector<std::uint8_t> trama(datos.DatosTrama().begin(), datos.DatosTrama().end());

  int simbolos = 0;
  const auto leida = PintarYLeer(trama, "patrimonio", simbolos);
  EXPECT_EQ(simbolos, 1);
  ASSERT_EQ(leida, trama);
  const auto partes = LeerTrama(leida);
  ASSERT_TRUE(partes.has_value());
  EXPECT_EQ(partes->prefijo, "7141999  1");
  EXPECT_EQ(partes->identificador, "12345678Z");
  EXPECT_EQ(RecuperarRegistro(leida), texto);
}

}  // namespace
