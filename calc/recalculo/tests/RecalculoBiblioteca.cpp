// The whole library end to end, as the program runs it: both recalculations over the exports of libximardol.so.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "AreaPrueba.h"
#include "DeclaracionEjemplo.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

// Every double of the area (the blocks start on multiples of 8, and so do their amounts) that is not finite, as a
// list of offsets.
template <typename Area>
std::string NoFinitos(const Area& area) {
  std::string lista;
  const auto* octetos = reinterpret_cast<const unsigned char*>(&area);
  for (std::size_t d = 0; d + sizeof(double) <= sizeof(Area); d += sizeof(double)) {
    double valor = 0.0;
    std::memcpy(&valor, octetos + d, sizeof valor);
    if (!std::isfinite(valor)) lista += std::to_string(d) + " ";
  }
  return lista;
}

CAreaRenta DeclaracionRellena() {
  CAreaRenta area;
  recalculo::ejemplo::RellenaDeclaracion(*area);
  return area;
}

TEST(RecalcularRenta, DeclaracionVaciaSinNingunValorNoFinito) {
  CAreaRenta area;
  std::array<double, 5> importesPersona{};
  recalculo::RecalcularRenta(*area, importesPersona);
  EXPECT_EQ(NoFinitos(*area), "");
  for (double importe : importesPersona) EXPECT_TRUE(std::isfinite(importe));
}

TEST(RecalcularRenta, DeclaracionRellenaDaSiempreLosMismosOctetos) {
  CAreaRenta una = DeclaracionRellena();
  CAreaRenta otra = DeclaracionRellena();
  std::array<double, 5> importesUna{};
  std::array<double, 5> importesOtra{};
  recalculo::RecalcularRenta(*una, importesUna);
  recalculo::RecalcularRenta(*otra, importesOtra);
  EXPECT_TRUE(una == otra);
  EXPECT_EQ(importesUna, importesOtra);
  EXPECT_EQ(NoFinitos(*una), "");
  EXPECT_FALSE(una == DeclaracionRellena()) << "the recalculation computes something";

  // A second recalculation of the same declaration changes nothing.
  const CAreaRenta primera = una;
  recalculo::RecalcularRenta(*una, importesUna);
  EXPECT_TRUE(una == primera);
  EXPECT_EQ(importesUna, importesOtra);
}

// Wealth tax.

TEST(RecalcularPatrimonio, DeclaracionVaciaLoDejaTodoACero) {
  CAreaPatrimonio area;
  recalculo::RecalcularPatrimonio(*area, true);
  EXPECT_EQ(NoFinitos(*area), "");
  for (std::size_t ranura = 0; ranura <= 208; ranura += 8) {
    if (ranura == 176) continue;
    EXPECT_EQ(DameDouble(area->PatResumen, ranura), 0.0) << ranura;
  }
  EXPECT_EQ(DameDouble(area->PatResumen, 176), 17300000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 512), 0.0);
  EXPECT_EQ(DameTexto(area->PatResumen, 408, 4), "    ");
  EXPECT_EQ(DameDouble(area->PatDI, 0), 0.0);
  EXPECT_EQ(DameDouble(area->PatDI, 16), 0.0);
}

// Page A with 30,000,000, page J with 20,000,000 in two rows (56 + 64 i), page M with 2,000,000 (56 + 64 i), page D
// (not added) with 9,000,000, debts of 4,700,000: net assets 47,300,000, base 30,000,000, quota 62,738.
CAreaPatrimonio DeclaracionPatrimonio(std::uint8_t sinMinimo = 0) {
  CAreaPatrimonio area;
  PonByte(area->PatDatosPersonales, 126, sinMinimo);
  PonDouble(area->PatA, 64, 25000000.0);
  PonDouble(area->PatA, 64 + 27 * 72, 5000000.0);
  PonDouble(area->PatJ, 56, 12000000.0);
  PonDouble(area->PatJ, 56 + 64, 8000000.0);
  PonDouble(area->PatM, 56 + 7 * 64, 2000000.0);
  PonDouble(area->PatD, 64, 9000000.0);
  PonDouble(area->PatDeudas, 64 + 10 * 72, 4700000.0);
  return area;
}

TEST(RecalcularPatrimonio, DeLasPaginasALaCuota) {
  CAreaPatrimonio area = DeclaracionPatrimonio();
  recalculo::RecalcularPatrimonio(*area, true);
  EXPECT_EQ(DameDouble(area->PatA, 2088), 30000000.0);
  EXPECT_EQ(DameDouble(area->PatJ, 384), 20000000.0);
  EXPECT_EQ(DameDouble(area->PatM, 576), 2000000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 192), 9000000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 152), 52000000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 160), 4700000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 168), 47300000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 184), 30000000.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 272), 62738.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 512), 62738.0);
  EXPECT_EQ(DameDouble(area->PatDI, 48), 62738.0);

  const CAreaPatrimonio primera = area;
  recalculo::RecalcularPatrimonio(*area, true);
  EXPECT_TRUE(area == primera);
  recalculo::RecalcularPatrimonio(*area, false);
  EXPECT_TRUE(area == primera);
}

TEST(RecalcularPatrimonio, LasMarcasDeOtraDeclaracionNoSeAplican) {
  CAreaPatrimonio conMarca = DeclaracionPatrimonio('x');
  CAreaPatrimonio sinMarca = DeclaracionPatrimonio(0);
  recalculo::RecalcularPatrimonio(*sinMarca, true);
  const CAreaPatrimonio sinMarcaCalculada = sinMarca;

  // The marked declaration is calculated in between; the other one, liquidation only, keeps its own exempt amount.
  recalculo::RecalcularPatrimonio(*conMarca, true);
  EXPECT_EQ(DameDouble(conMarca->PatResumen, 176), 0.0);
  EXPECT_EQ(DameDouble(conMarca->PatResumen, 184), 47300000.0);
  recalculo::RecalcularPatrimonio(*sinMarca, false);
  EXPECT_EQ(DameDouble(sinMarca->PatResumen, 176), 17300000.0);
  EXPECT_TRUE(sinMarca == sinMarcaCalculada);

  // And the other way round.
  const CAreaPatrimonio conMarcaCalculada = conMarca;
  recalculo::RecalcularPatrimonio(*conMarca, false);
  EXPECT_TRUE(conMarca == conMarcaCalculada);
}

TEST(RecalcularPatrimonio, ConMarcaDeResultadoDILaDiferenciaConLoDeducido) {
  CAreaPatrimonio area = DeclaracionPatrimonio();
  PonByte(area->PatDatosPersonales, 486, 'X');
  PonDouble(area->PatDI, 8, 2738.0);
  recalculo::RecalcularPatrimonio(*area, true);
  EXPECT_EQ(DameDouble(area->PatDI, 0), 62738.0);
  EXPECT_EQ(DameDouble(area->PatDI, 8), 2738.0);
  EXPECT_EQ(DameDouble(area->PatDI, 16), 60000.0);
  EXPECT_EQ(DameDouble(area->PatDI, 48), 60000.0);
}

}  // namespace
}  // namespace ximardol::pruebas
