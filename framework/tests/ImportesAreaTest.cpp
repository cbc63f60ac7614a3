// Amounts that are not numbers in a data area: found at any word of either area, and never in a sound one.
#include "framework/ImportesArea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "ximardol.h"

namespace marco {
namespace {

std::vector<char> Area(std::size_t tamano) {
  std::vector<char> area(tamano, '\0');
  // Amounts, texts and codes as a person's declaration holds them.
  for (std::size_t i = 0; i + 8 <= tamano; i += 64) {
    const double importe = -1234.56 * static_cast<double>(i % 7);
    std::memcpy(area.data() + i, &importe, sizeof importe);
  }
  const char texto[] = "PE\xD1" "A G\xD3MEZ, MAR\xCD" "A \xFC\xF1";
  if (area.size() >= 16 + sizeof texto - 1) std::copy(texto, texto + sizeof texto - 1, area.begin() + 16);
  if (tamano > 101) {
    area[100] = static_cast<char>(0xFF);  // codes "not set"
    area[101] = static_cast<char>(0xFF);
  }
  return area;
}

void Pon(std::vector<char>& area, std::size_t donde, double valor) { std::memcpy(area.data() + donde, &valor, 8); }

TEST(ImportesArea, UnAreaSanaNoTieneNinguno) {
  EXPECT_FALSE(PrimerImporteNoFinito(Area(sizeof(DatosRenta))).has_value());
  EXPECT_FALSE(PrimerImporteNoFinito(Area(sizeof(DatosPatrimonio))).has_value());
  EXPECT_FALSE(PrimerImporteNoFinito(std::span<const char>()).has_value());
  std::vector<char> grandes = Area(64);
  Pon(grandes, 8, std::numeric_limits<double>::max());
  Pon(grandes, 24, -std::numeric_limits<double>::max());
  Pon(grandes, 40, std::numeric_limits<double>::denorm_min());
  EXPECT_FALSE(PrimerImporteNoFinito(grandes).has_value());
}

TEST(ImportesArea, NaNEInfinitosEnCualquierPalabra) {
  struct Caso {
    std::size_t tamano;
    std::size_t donde;
    double valor;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Caso casos[] = {
      {sizeof(DatosRenta), 0, nan},
      {sizeof(DatosRenta), 54472, -nan},                       // the first word of the results
      {sizeof(DatosRenta), sizeof(DatosRenta) - 8, inf},       // the last word
      {sizeof(DatosPatrimonio), 8, -inf},
      {sizeof(DatosPatrimonio), sizeof(DatosPatrimonio) - 8, std::numeric_limits<double>::signaling_NaN()},
  };
  for (const Caso& c : casos) {
    std::vector<char> area = Area(c.tamano);
    Pon(area, c.donde, c.valor);
    const auto hallado = PrimerImporteNoFinito(area);
    ASSERT_TRUE(hallado.has_value()) << c.tamano << " " << c.donde;
    EXPECT_EQ(*hallado, c.donde);
  }
  // Two of them: the first is named.
  std::vector<char> area = Area(sizeof(DatosPatrimonio));
  Pon(area, 800, inf);
  Pon(area, 160, nan);
  EXPECT_EQ(PrimerImporteNoFinito(area), std::optional<std::size_t>(160));
}

}  // namespace
}  // namespace marco
