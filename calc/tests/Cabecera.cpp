// The C header as the program sees it: the two areas, their blocks and the typed export signatures.
#include <gtest/gtest.h>

#include <type_traits>

#include "ximardol.h"

namespace {

// A block passed in the place of another does not compile: the blocks are distinct types.
static_assert(!std::is_invocable_v<decltype(&Calculos100H), RegApartadoH*, RegIdentificacion*, RegDatosFamilia*, int>);
static_assert(std::is_invocable_v<decltype(&Calculos100H), RegApartadoH*, RegDatosFamilia*, RegIdentificacion*, int>);
static_assert(!std::is_invocable_v<decltype(&Calculos714A), RegPatB*, int, RegPatResumen*>);
static_assert(std::is_invocable_v<decltype(&Calculos714C2), RegPatC*, int, RegPatResumen*>);
static_assert(std::is_same_v<decltype(Calculos100M4(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, 1)),
                             int>);
static_assert(std::is_same_v<decltype(Calculos714LI(nullptr, 0)), void>);

// The blocks are plain bytes: no padding, no alignment beyond a byte, so the areas can be stored as they are.
static_assert(alignof(DatosRenta) == 1 && alignof(DatosPatrimonio) == 1);
static_assert(std::is_trivially_copyable_v<DatosRenta> && std::is_standard_layout_v<DatosRenta>);
static_assert(std::is_trivially_copyable_v<DatosPatrimonio> && std::is_standard_layout_v<DatosPatrimonio>);

TEST(Cabecera, LasAreasTienenSuTamanoYSusBloquesSeSiguenSinHuecos) {
  EXPECT_EQ(sizeof(DatosRenta), 61624u);
  EXPECT_EQ(sizeof(DatosPatrimonio), 22536u);
  // First and last blocks of each area end exactly at the area's end.
  EXPECT_EQ(offsetof(DatosRenta, DatosFamilia), 0u);
  EXPECT_EQ(offsetof(DatosRenta, Resultados) + sizeof(RegResultados), sizeof(DatosRenta));
  EXPECT_EQ(offsetof(DatosPatrimonio, PatA), 0u);
  EXPECT_EQ(offsetof(DatosPatrimonio, PatAjuste) + sizeof(RegPatAjuste), sizeof(DatosPatrimonio));
}

}  // namespace
