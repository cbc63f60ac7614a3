// The general base after its two limited reductions, and the special base after its deduction.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Calcula(CAreaRenta& area, int paso) {
  Calculos100LI1(&area->BaseImponible, &area->ApartadoF4, &area->ApartadoL, &area->ApartadoI, &area->ApartadoG, paso);
}

TEST(Seccion100LI1, SumaDeLasPartesGenerales) {
  CAreaRenta area;
  // Each group a different power of two in the declarant's slot; 720 is subtracted; 440 and 800 are not parts.
  const std::vector<std::size_t> sumados{240, 400, 600, 640, 680, 760, 840, 880, 920, 960, 1000, 1040};
  double peso = 1.0;
  double esperado = 0.0;
  for (const std::size_t d : sumados) {
    PonMiembro(area->BaseImponible, d, {0.0, peso, 0.0, 0.0, 0.0});
    esperado += peso;
    peso *= 2.0;
  }
  PonMiembro(area->BaseImponible, 720, {0.0, 8192.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 440, {0.0, 16384.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 800, {0.0, 32768.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1232, {0.0, 100000.0, 0.0, 0.0, 0.0});
  Calcula(area, 1);
  esperado -= 8192.0;
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1080), (Miembros{0.0, esperado, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoG, 32), (Miembros{0.0, esperado, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoG, 72), (Miembros{0.0, esperado + 100000.0, 0.0, 0.0, 0.0}));
}

TEST(Seccion100LI1, LaPrimeraReduccionNoPasaDeLaDecimaParte) {
  struct Caso {
    const char* nombre;
    double general;  // 240, the only general part
    double reclamada;
    double admitida;
  };
  const std::vector<Caso> casos{
      {"por encima de la decima: redondeada", 1000005.0, 200000.0, 100001.0},
      {"por debajo", 1000000.0, 50000.0, 50000.0},
      {"base negativa", -300000.0, 40000.0, 0.0},
      {"reclamacion negativa", 1000000.0, -500.0, 0.0},
      {"sin reclamacion", 1000000.0, 0.0, 0.0},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonMiembro(area->BaseImponible, 240, {caso.general, caso.general, 0.0, 0.0, 0.0});
    PonMiembro(area->ApartadoF4, 80, {caso.reclamada, caso.reclamada, 0.0, 0.0, 0.0});
    PonMiembro(area->ApartadoL, 0, {9.0, 9.0, 9.0, 9.0, 9.0});
    Calcula(area, 1);
    EXPECT_EQ(DameMiembro(area->BaseImponible, 1120), (Miembros{caso.admitida, caso.admitida, 0.0, 0.0, 0.0}))
        << caso.nombre;
    const double exceso = caso.reclamada - caso.admitida;
    EXPECT_EQ(DameMiembro(area->ApartadoL, 0), (Miembros{exceso, exceso, 0.0, 0.0, 0.0})) << caso.nombre;
    const double general = caso.general - caso.admitida;
    EXPECT_EQ(DameMiembro(area->ApartadoG, 32), (Miembros{general, general, 0.0, 0.0, 0.0})) << caso.nombre;
  }
}

TEST(Seccion100LI1, LaSegundaReduccionNoPasaDeLoQueQueda) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 240, {1300000.0, 1000000.0, 300000.0, 0.0, -50000.0});
  PonMiembro(area->ApartadoF4, 80, {0.0, 100000.0, 0.0, 0.0, 0.0});
  PonByte(area->BaseImponible, 1200, 2);
  PonDouble(area->BaseImponible, 1208, 950000.0);
  PonByte(area->BaseImponible, 1216, 3);
  PonDouble(area->BaseImponible, 1224, 200000.0);
  Calcula(area, 1);
  // Total: 1,150,000 claimed, 1,300,000 left. Declarant: 900,000 left after the first reduction. Second child:
  // a negative rest gives 0.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1160), (Miembros{1150000.0, 900000.0, 200000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoG, 32), (Miembros{150000.0, 0.0, 100000.0, 0.0, -50000.0}));
}

TEST(Seccion100LI1, BaseEspecialMenosSuDeduccion) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 1544, {500000.0, 100000.0, 400000.0, 0.0, 0.0});
  PonByte(area->BaseImponible, 1624, 1);
  PonDouble(area->BaseImponible, 1632, 300000.0);
  PonByte(area->BaseImponible, 1640, 4);
  PonDouble(area->BaseImponible, 1648, 25000.0);
  Calcula(area, 2);
  // 150,000 each for the couple; the declarant's is lowered to his special base; the child has none.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1584), (Miembros{325000.0, 100000.0, 150000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoG, 144), (Miembros{175000.0, 0.0, 250000.0, 0.0, 0.0}));
}

TEST(Seccion100LI1, OtrosPasosNoHacenNada) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 240, {1.0, 1.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1544, {1.0, 1.0, 0.0, 0.0, 0.0});
  const CAreaRenta antes = area;
  for (const int paso : {-1, 0, 3}) Calcula(area, paso);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol
