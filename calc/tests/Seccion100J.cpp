// Section J: pension-plan reductions limited by a fifth of the net income and by the year of birth, two fixed caps,
// and amounts taken as they are.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Calcula(CAreaRenta& area) {
  Calculos100J(&area->ApartadoJ, &area->Resultados, &area->BaseImponible, &area->RendTrabajo, &area->ApartadoD1,
               &area->ApartadoD2, &area->ApartadoD5, &area->ApartadoD4, &area->DatosFamilia, &area->ApartadoE2, -1);
}

// A first-kind row: member code and the three contributions (+16, +24, +32).
void PonPrimeraClase(CAreaRenta& area, std::size_t fila, std::uint8_t codigo, double a, double b, double c) {
  PonByte(area->ApartadoJ, 48 * fila, codigo);
  PonDouble(area->ApartadoJ, 48 * fila + 16, a);
  PonDouble(area->ApartadoJ, 48 * fila + 24, b);
  PonDouble(area->ApartadoJ, 48 * fila + 32, c);
}

TEST(Seccion100J, ElLimitePorEdadSigueAlAnioDeNacimiento) {
  struct Caso {
    const char* anio;
    double limite;
  };
  for (const Caso& caso : std::vector<Caso>{{"1920", 2200000.0},
                                            {"", 2200000.0},
                                            {"1934", 2200000.0},
                                            {"1940", 1692308.0},
                                            {"1947", 1100000.0},
                                            {"1960", 1100000.0}}) {
    CAreaRenta area;
    PonTexto(area->DatosFamilia, 4, caso.anio, 4);
    PonTexto(area->DatosFamilia, 8, caso.anio, 4);
    PonMiembro(area->RendTrabajo, 944, {0.0, 50000000.0, 50000000.0, 0.0, 0.0});
    PonPrimeraClase(area, 0, 2, 1000000.0, 1000000.0, 1000000.0);
    PonPrimeraClase(area, 1, 3, 3000000.0, 0.0, 0.0);
    Calcula(area);
    EXPECT_EQ(DameDouble(area->BaseImponible, 1360), caso.limite) << caso.anio;
    EXPECT_EQ(DameDouble(area->BaseImponible, 1368), caso.limite) << caso.anio;
    EXPECT_EQ(DameDouble(area->BaseImponible, 1352), caso.limite + caso.limite) << caso.anio;
    EXPECT_EQ(DameDouble(area->ApartadoJ, 104), 3000000.0 - caso.limite) << caso.anio;
    EXPECT_EQ(DameDouble(area->ApartadoJ, 112), 3000000.0 - caso.limite) << caso.anio;
    EXPECT_EQ(DameDouble(area->ApartadoJ, 96), 6000000.0 - (caso.limite + caso.limite)) << caso.anio;
  }
}

TEST(Seccion100J, LaRentaNetaReuneTrabajoActividadesYSeccionE2) {
  CAreaRenta area;
  PonTexto(area->DatosFamilia, 4, "1960");
  PonTexto(area->DatosFamilia, 8, "1960");
  // Activities of D1: a row's difference (160 after its code) and a further row's amount (24 after its code).
  PonByte(area->ApartadoD1, 16 + 184 * 2, 2);
  PonDouble(area->ApartadoD1, 16 + 184 * 2 + 160, 100000.0);
  PonDouble(area->ApartadoD1, 16 + 184 * 2 + 176, 999.0);  // net income after the subtraction: not this one
  PonByte(area->ApartadoD1, 1120 + 40 * 5, 2);
  PonDouble(area->ApartadoD1, 1120 + 40 * 5 + 24, 50000.0);
  // D2: the spouse's row, and a further row common to the couple (split half and half).
  PonByte(area->ApartadoD2, 16, 3);
  PonDouble(area->ApartadoD2, 16 + 160, 200000.0);
  PonByte(area->ApartadoD2, 1120 + 40, 1);
  PonDouble(area->ApartadoD2, 1120 + 40 + 24, 60000.0);
  // D4 row 3 and D5 row 1, two amounts each.
  PonByte(area->ApartadoD4, 24 + 1560 * 3, 2);
  PonDouble(area->ApartadoD4, 24 + 1560 * 3 + 1472, 10000.0);
  PonDouble(area->ApartadoD4, 24 + 1560 * 3 + 1520, 20000.0);
  PonByte(area->ApartadoD5, 24 + 2064, 2);
  PonDouble(area->ApartadoD5, 24 + 2064 + 1992, 5000.0);
  PonDouble(area->ApartadoD5, 24 + 2064 + 2048, 7000.0);
  // Work income, less the D3 amounts.
  PonMiembro(area->RendTrabajo, 944, {1500000.0, 1000000.0, 500000.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 720, {40000.0, 40000.0, 0.0, 0.0, 0.0});
  // Section E2 rows counted from their kind character (row start 33 + 160 k).
  PonByte(area->ApartadoE2, 193, '3');
  PonByte(area->ApartadoE2, 194, 2);
  PonDouble(area->ApartadoE2, 200, 80000.0);
  PonByte(area->ApartadoE2, 208, 1);
  PonByte(area->ApartadoE2, 33, '2');
  PonByte(area->ApartadoE2, 34, 3);
  PonDouble(area->ApartadoE2, 40, 90000.0);
  PonByte(area->ApartadoE2, 48, 1);  // the declarant's flag on a spouse's row: not counted
  PonByte(area->ApartadoE2, 49, 1);
  PonByte(area->ApartadoE2, 353, '1');  // kind 1: not counted
  PonByte(area->ApartadoE2, 354, 2);
  PonDouble(area->ApartadoE2, 360, 70000.0);
  PonByte(area->ApartadoE2, 368, 1);
  PonPrimeraClase(area, 0, 2, 10000000.0, 0.0, 0.0);
  PonPrimeraClase(area, 1, 3, 10000000.0, 0.0, 0.0);
  Calcula(area);
  const double declarante = (100000.0 + 50000.0 + 30000.0 + 10000.0 + 20000.0 + 5000.0 + 7000.0 + 1000000.0 -
                             40000.0 + 80000.0) * 0.2;
  const double conyuge = (200000.0 + 30000.0 + 500000.0 + 90000.0) * 0.2;
  EXPECT_EQ(DameDouble(area->BaseImponible, 1360), declarante);
  EXPECT_EQ(DameDouble(area->BaseImponible, 1368), conyuge);
  EXPECT_EQ(DameDouble(area->BaseImponible, 1352), declarante + conyuge);
}

TEST(Seccion100J, PrimeraClaseAdmitidaHastaElLimite) {
  struct Caso {
    const char* nombre;
    double renta;       // the declarant's net work income
    double aportacion;  // one contribution
    double admitida;
  };
  const std::vector<Caso> casos{
      {"por debajo del quinto", 5000000.0, 600000.0, 600000.0},
      {"igual al quinto", 5000000.0, 1000000.0, 1000000.0},
      {"por encima del quinto", 5000000.0, 1000001.0, 1000000.0},
      {"renta negativa", -5000000.0, 300000.0, 0.0},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonTexto(area->DatosFamilia, 4, "1947");
    PonMiembro(area->RendTrabajo, 944, {caso.renta, caso.renta, 0.0, 0.0, 0.0});
    PonPrimeraClase(area, 1, 2, 0.0, caso.aportacion, 0.0);
    Calcula(area);
    EXPECT_EQ(DameDouble(area->BaseImponible, 1360), caso.admitida) << caso.nombre;
    EXPECT_EQ(DameDouble(area->ApartadoJ, 104), caso.aportacion - caso.admitida) << caso.nombre;
    EXPECT_EQ(DameDouble(area->ApartadoJ, 96), caso.aportacion - caso.admitida) << caso.nombre;
  }
}

TEST(Seccion100J, LasFilasSeCompletanAunqueNoSeanDeNadie) {
  CAreaRenta area;
  PonTexto(area->DatosFamilia, 4, "1960");
  PonMiembro(area->RendTrabajo, 944, {0.0, 50000000.0, 50000000.0, 0.0, 0.0});
  PonPrimeraClase(area, 0, 4, 100.0, 20.0, 3.0);
  PonPrimeraClase(area, 1, 2, 1000.0, 200.0, 30.0);
  PonByte(area->ApartadoJ, 136, 5);
  PonDouble(area->ApartadoJ, 136 + 32, 1.0);
  PonDouble(area->ApartadoJ, 136 + 40, 2.0);
  PonDouble(area->ApartadoJ, 136 + 48, 4.0);
  Calcula(area);
  EXPECT_EQ(DameDouble(area->ApartadoJ, 8), 100.0);
  EXPECT_EQ(DameDouble(area->ApartadoJ, 40), 23.0);
  EXPECT_EQ(DameDouble(area->ApartadoJ, 48 + 8), 1000.0);
  EXPECT_EQ(DameDouble(area->ApartadoJ, 48 + 40), 230.0);
  EXPECT_EQ(DameDouble(area->ApartadoJ, 136 + 56), 3.0);
  EXPECT_EQ(DameDouble(area->ApartadoJ, 136 + 64), 4.0);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1352), (Miembros{1230.0, 1230.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1392), (Miembros{}));
  EXPECT_EQ(DameDouble(area->ApartadoJ, 96), 0.0);
}

TEST(Seccion100J, SegundaClaseConDosTopesPorPersona) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 1352, {0.0, 0.0, 0.0, 7.0, 8.0});
  PonMiembro(area->BaseImponible, 1392, {0.0, 0.0, 0.0, 7.0, 8.0});
  for (const std::size_t fila : {0, 1}) {
    const std::size_t base = 136 + 72 * fila;
    PonByte(area->ApartadoJ, base, 2);
    PonDouble(area->ApartadoJ, base + 32, 1000000.0);
    PonDouble(area->ApartadoJ, base + 40, 250000.0);
    PonDouble(area->ApartadoJ, base + 48, 600000.0);
  }
  Calcula(area);
  // Declarant: min(2,500,000, 2,200,000) + min(1,200,000, 1,100,000).
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1392), (Miembros{3300000.0, 3300000.0, 0.0, 7.0, 8.0}));
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1352), (Miembros{0.0, 0.0, 0.0, 7.0, 8.0}));

  PonByte(area->ApartadoJ, 136 + 72, 3);
  Calcula(area);
  // Now one row each: 1,250,000 + 600,000 per person, under both caps.
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1392), (Miembros{3700000.0, 1850000.0, 1850000.0, 7.0, 8.0}));
}

TEST(Seccion100J, TerceraClaseTalCual) {
  CAreaRenta area;
  PonByte(area->ApartadoJ, 280, 1);
  PonDouble(area->ApartadoJ, 312, 1001.0);
  PonByte(area->ApartadoJ, 320, 5);
  PonDouble(area->ApartadoJ, 352, 300.0);
  Calcula(area);
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1432), (Miembros{1301.0, 501.0, 501.0, 0.0, 300.0}));
}

}  // namespace
}  // namespace ximardol
