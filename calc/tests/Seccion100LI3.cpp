// The results block: withholdings of section F1 (instance 1), the three proportional deductions (2), the sum of
// the deductions (6), the quotas after deductions (3) and the payments with the final difference (5).
#include <gtest/gtest.h>

#include <cstddef>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Ejecuta(CAreaRenta& area, int instancia) {
  Calculos100LI3(&area->Resultados, &area->ApartadoF1, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->Identificacion, instancia);
}

// The four scale quotas add up to Q, the two general parts of the base to B.
void PonCuotaYBase(CAreaRenta& area, const Miembros& q, const Miembros& b) {
  Miembros cuarto{};
  for (std::size_t k = 0; k < 5; ++k) cuarto[k] = q[k] / 4.0;
  for (std::size_t desplazamiento : {840u, 880u, 920u, 960u}) PonMiembro(area->Liquidacion, desplazamiento, cuarto);
  Miembros mitad{};
  for (std::size_t k = 0; k < 5; ++k) mitad[k] = b[k] / 2.0;
  PonMiembro(area->BaseImponible, 1080, mitad);
  PonMiembro(area->BaseImponible, 1232, mitad);
}

TEST(Seccion100LI3, LasRetencionesDeF1SeRepartenDeSusTreceEntradas) {
  CAreaRenta area;
  PonByte(area->ApartadoF1, 0, 2);
  PonDouble(area->ApartadoF1, 16, 1000.0);
  PonDouble(area->ApartadoF1, 24, 5555.0);   // a gain of the same row: not a withholding
  PonByte(area->ApartadoF1, 448, 1);         // ninth row: the unit, split half and half
  PonDouble(area->ApartadoF1, 464, 301.0);
  PonByte(area->ApartadoF1, 704, 3);
  PonDouble(area->ApartadoF1, 712, 777.0);   // amount 8 of the row: not read
  PonDouble(area->ApartadoF1, 720, 500.0);
  PonDouble(area->ApartadoF1, 744, 999.0);   // row at 728 without a member code
  PonByte(area->ApartadoF1, 792, 4);
  PonDouble(area->ApartadoF1, 808, 70.0);
  PonByte(area->ApartadoF1, 824, 5);
  PonDouble(area->ApartadoF1, 840, 30.0);
  CAreaRenta esperado = area;

  Ejecuta(area, 1);

  PonMiembro(esperado->Resultados, 6112, {1901.0, 1151.0, 651.0, 70.0, 30.0});
  EXPECT_TRUE(area == esperado);
}

struct CasoPrimera {
  double q, t, b, esperado;
};

TEST(Seccion100LI3, LaPrimeraDeduccionProporcionalNoPasaDeLaMitadDeLaCuota) {
  const CasoPrimera casos[] = {
      {1000000.0, 500000.0, 2000000.0, 125000.0},  // Q x T x 0.5 / B
      {1000000.0, 3000000.0, 2000000.0, 500000.0}, // income above the base: half the quota
      {1000.0, 1.0, 3.0, 167.0},                    // 166.67 rounded
      {1001.0, 20.0, 10.0, 501.0},                  // 1001, capped to Redondea(500.5)
      {1000000.0, 500000.0, 0.0, 0.0},              // no general base
      {1000000.0, 500000.0, -100.0, 0.0},           // negative general base
      {1000000.0, -500000.0, 2000000.0, 0.0},       // negative income counts as 0
  };
  for (const CasoPrimera& caso : casos) {
    SCOPED_TRACE(caso.t);
    CAreaRenta area;
    PonCuotaYBase(area, Todos(caso.q), Todos(caso.b));
    PonByte(area->Resultados, 240, 2);
    PonDouble(area->Resultados, 248, caso.t);
    Ejecuta(area, 2);
    EXPECT_EQ(DameMiembro(area->Resultados, 200), (Miembros{caso.esperado, caso.esperado, 0.0, 0.0, 0.0}));
  }
}

TEST(Seccion100LI3, LaPrimeraDeduccionSumaSusDosEntradasPorMiembro) {
  CAreaRenta area;
  PonCuotaYBase(area, Todos(1000000.0), Todos(2000000.0));
  PonByte(area->Resultados, 240, 1);    // the unit: 200000 split in two halves
  PonDouble(area->Resultados, 248, 200000.0);
  PonByte(area->Resultados, 256, 3);
  PonDouble(area->Resultados, 264, 400000.0);
  Ejecuta(area, 2);
  // T = {600000, 100000, 500000, 0, 0}
  EXPECT_EQ(DameMiembro(area->Resultados, 200), (Miembros{150000.0, 25000.0, 125000.0, 0.0, 0.0}));
}

struct CasoSegunda {
  double a, u, v, b, esperado;
};

TEST(Seccion100LI3, LaSegundaDeduccionPorPersonaNoPasaDel80PorCientoDeLaCuota) {
  const double q = 1000000.0;
  const CasoSegunda casos[] = {
      {20.0, 100000.0, 500000.0, 2000000.0, 20000.0},      // A x U x 0.01
      {20.0, 2000000.0, 100000.0, 2000000.0, 40000.0},     // lowered to Q x V x 0.8 / B
      {20.0, 5000000.0, 4000000.0, 2000000.0, 800000.0},   // an income figure above the base: 80 % of Q
      {20.0, 100000.0, 500000.0, 0.0, 0.0},                // no general base
      {20.0, 100000.0, 500000.0, -5.0, 0.0},
  };
  for (const CasoSegunda& caso : casos) {
    SCOPED_TRACE(caso.u);
    CAreaRenta area;
    PonCuotaYBase(area, Todos(q), {0.0, caso.b, caso.b, 0.0, 0.0});
    for (std::size_t desplazamiento : {120u, 160u, 240u, 280u}) {
      PonMiembro(area->Liquidacion, desplazamiento, Todos(caso.a / 4.0));
    }
    for (std::size_t entrada : {312u, 336u}) {   // declarant, then spouse
      PonByte(area->Resultados, entrada, entrada == 312u ? 2 : 3);
      PonDouble(area->Resultados, entrada + 8, caso.u);
      PonDouble(area->Resultados, entrada + 16, caso.v);
    }
    Ejecuta(area, 2);
    const Miembros segunda = DameMiembro(area->Resultados, 272);
    EXPECT_EQ(segunda[1], caso.esperado);
    EXPECT_EQ(segunda[2], caso.esperado);
    EXPECT_EQ(segunda[3], 0.0);
    EXPECT_EQ(segunda[4], 0.0);
  }
}

TEST(Seccion100LI3, LaSegundaDeduccionConjuntaLimitaCadaEntradaYElTotal) {
  struct Caso {
    double u1, v1, u2, v2, esperado;
  };
  const Caso casos[] = {
      {100000.0, 50000.0, 300000.0, 1000000.0, 80000.0},               // 20000 + 60000
      {100000.0, 25000.0, 300000.0, 1000000.0, 70000.0},               // first part lowered to 10000
      {10000000.0, 3000000.0, 10000000.0, 3000000.0, 800000.0},        // 2 x 1200000, lowered to 80 % of Q
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.esperado);
    CAreaRenta area;
    PonCuotaYBase(area, Todos(1000000.0), {2000000.0, 0.0, 0.0, 0.0, 0.0});
    PonMiembro(area->Liquidacion, 120, {20.0, 0.0, 0.0, 0.0, 0.0});
    PonByte(area->Resultados, 312, 2);
    PonDouble(area->Resultados, 320, caso.u1);
    PonDouble(area->Resultados, 328, caso.v1);
    PonByte(area->Resultados, 336, 3);
    PonDouble(area->Resultados, 344, caso.u2);
    PonDouble(area->Resultados, 352, caso.v2);
    Ejecuta(area, 2);
    EXPECT_EQ(DameMiembro(area->Resultados, 272)[0], caso.esperado);
  }
}

TEST(Seccion100LI3, LasDeduccionesProporcionalesNuncaPasanDeSuParteDeLaCuota) {
  // A grid of quotas, incomes and bases: whatever the figures, 200 <= Redondea(Q x 0.5) and 272 <= Redondea(Q x 0.8)
  // in every slot (the caps are whole numbers here).
  for (double q : {0.0, 1000.0, 1000000.0}) {
    for (double renta : {0.0, 1000.0, 3000000.0, 90000000.0}) {
      for (double b : {-1000.0, 1.0, 2000000.0}) {
        CAreaRenta area;
        PonCuotaYBase(area, Todos(q), Todos(b));
        PonMiembro(area->Liquidacion, 120, Todos(45.0));
        PonMiembro(area->Liquidacion, 240, Todos(10.0));
        for (std::size_t entrada : {240u, 256u}) {
          PonByte(area->Resultados, entrada, 1);
          PonDouble(area->Resultados, entrada + 8, renta);
        }
        for (std::size_t entrada : {312u, 336u}) {
          PonByte(area->Resultados, entrada, entrada == 312u ? 2 : 3);
          PonDouble(area->Resultados, entrada + 8, renta);
          PonDouble(area->Resultados, entrada + 16, renta);
        }
        Ejecuta(area, 2);
        const Miembros primera = DameMiembro(area->Resultados, 200);
        const Miembros segunda = DameMiembro(area->Resultados, 272);
        for (std::size_t k = 0; k < 5; ++k) {
          EXPECT_LE(primera[k], q * 0.5) << q << " " << renta << " " << b << " slot " << k;
          EXPECT_LE(segunda[k], q * 0.8) << q << " " << renta << " " << b << " slot " << k;
        }
      }
    }
  }
}

TEST(Seccion100LI3, LaTerceraDeduccionTomaLaMitadDeCadaCuotaEnProporcionDeSusPartes) {
  CAreaRenta area;
  PonCuotaYBase(area, {1000000.0, 1000000.0, 1000000.0, 1001.0, 0.0}, {2000000.0, 2000000.0, 2000000.0, 3.0, 0.0});
  // H2 = (1000 + 1040 + 1080) x 0.5 = 100000 for the declarant; P = 1584 + G 144 = 1000000.
  PonMiembro(area->Liquidacion, 1000, {0.0, 170000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Liquidacion, 1040, {0.0, 30000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->BaseImponible, 1584, {0.0, 100000.0, 0.0, 0.0, 0.0});
  PonMiembro(area->ApartadoG, 144, {0.0, 900000.0, 0.0, 0.0, 0.0});
  PonByte(area->Resultados, 400, 2);            // declarant: general 400000, special 250000
  PonDouble(area->Resultados, 408, 400000.0);
  PonDouble(area->Resultados, 416, 250000.0);
  PonByte(area->Resultados, 424, 3);            // spouse: general part above the base, no special base
  PonDouble(area->Resultados, 432, 3000000.0);
  PonDouble(area->Resultados, 440, 250000.0);
  PonByte(area->Resultados, 520, 4);            // first child, last entry: 1 x 500.5 / 3
  PonDouble(area->Resultados, 528, 1.0);
  PonDouble(area->Resultados, 544, 600000.0);   // the family total's own general part
  PonDouble(area->Resultados, 552, 0.0);
  Ejecuta(area, 2);
  EXPECT_EQ(DameMiembro(area->Resultados, 360), (Miembros{150000.0, 125000.0, 500000.0, 167.0, 0.0}));
}

TEST(Seccion100LI3, LaSumaDeDeduccionesCuentaCadaCampoUnaVez) {
  CAreaRenta area;
  const std::size_t liquidacion[] = {1240, 1280, 1320, 1360, 1400, 1440, 1480};
  const std::size_t resultados[] = {0, 40, 80, 120, 160, 200, 272, 360};
  double potencia = 1.0;
  double orden = 1.0;
  for (std::size_t d : liquidacion) {
    PonMiembro(area->Liquidacion, d, {potencia, orden, 0.0, 0.0, -orden});
    potencia *= 2.0;
    orden += 1.0;
  }
  for (std::size_t d : resultados) {
    PonMiembro(area->Resultados, d, {potencia, orden, 0.0, 0.0, -orden});
    potencia *= 2.0;
    orden += 1.0;
  }
  PonMiembro(area->Resultados, 600, Todos(1.0e9));   // taken only from the second quota: not summed here
  PonMiembro(area->Resultados, 640, Todos(1.0e9));
  PonMiembro(area->Liquidacion, 1200, Todos(1.0e9));
  Ejecuta(area, 6);
  EXPECT_EQ(DameMiembro(area->Resultados, 560), (Miembros{32767.0, 120.0, 0.0, 0.0, -120.0}));
}

struct CasoCuotas {
  double cuota1, cuota2, deducciones, soloSegundaA, soloSegundaB, liquida1, liquida2;
};

TEST(Seccion100LI3, LasCuotasLiquidasReparten85Y15YNuncaBajanDeCero) {
  const CasoCuotas casos[] = {
      {1000000.0, 200000.0, 100000.0, 0.0, 0.0, 915000.0, 185000.0},
      {0.0, 100000.0, 50000.0, 0.0, 0.0, 0.0, 92500.0},        // the 85 % is not moved to the second quota
      {100000.0, 0.0, 50000.0, 0.0, 0.0, 57500.0, 0.0},        // nor the 15 % to the first
      {10000.0, 20000.0, 100000.0, 3000.0, 4000.0, 0.0, 0.0},  // both below 0
      {50000.0, 20000.0, 10000.0, 3000.0, 4000.0, 41500.0, 11500.0},
      {1001.0, 1000.0, 1.0, 0.0, 0.0, 1000.0, 1000.0},         // 1000.15 and 999.85, rounded
  };
  for (const CasoCuotas& caso : casos) {
    SCOPED_TRACE(caso.deducciones);
    CAreaRenta area;
    PonMiembro(area->Liquidacion, 1120, Todos(caso.cuota1));
    PonMiembro(area->Liquidacion, 1160, Todos(caso.cuota2));
    PonMiembro(area->Resultados, 560, Todos(caso.deducciones));
    PonMiembro(area->Resultados, 600, Todos(caso.soloSegundaA));
    PonMiembro(area->Resultados, 640, Todos(caso.soloSegundaB));
    Ejecuta(area, 3);
    EXPECT_EQ(DameMiembro(area->Resultados, 680), Todos(caso.liquida1));
    EXPECT_EQ(DameMiembro(area->Resultados, 720), Todos(caso.liquida2));
    EXPECT_EQ(DameMiembro(area->Resultados, 760), Todos(caso.liquida1 + caso.liquida2));
  }
}

TEST(Seccion100LI3, LaDiferenciaFinalRestaLosPagosYSoloCuentaDondeHayMarca) {
  CAreaRenta area;
  PonMiembro(area->Resultados, 5808, Todos(9.0));   // left by the real-estate section: replaced here
  PonByte(area->Resultados, 5848, 2);
  PonDouble(area->Resultados, 5856, 1000.0);
  PonDouble(area->Resultados, 5864, 500.0);
  PonByte(area->Resultados, 5944, 3);
  PonDouble(area->Resultados, 5952, 200.0);
  PonDouble(area->Resultados, 5960, 100.0);
  PonByte(area->Resultados, 6008, 4);
  PonDouble(area->Resultados, 6016, 70.0);
  PonByte(area->Resultados, 6024, 5);
  PonDouble(area->Resultados, 6032, 30.0);
  PonByte(area->Resultados, 6080, 2);
  PonDouble(area->Resultados, 6088, 10.0);
  PonByte(area->Resultados, 6096, 2);
  PonDouble(area->Resultados, 6104, 5.0);
  PonByte(area->Resultados, 6312, 1);
  PonDouble(area->Resultados, 6320, 11.0);
  PonDouble(area->Resultados, 6336, 99.0);          // entry at 6328 without a member code
  PonMiembro(area->Resultados, 5728, {1.0, 1.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 5768, {2.0, 0.0, 2.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 6112, {4.0, 4.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 6152, {8.0, 0.0, 8.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 6192, {16.0, 16.0, 0.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 6232, {32.0, 0.0, 0.0, 32.0, 0.0});
  PonMiembro(area->Resultados, 5688, Todos(100000.0));
  PonMiembro(area->Resultados, 6424, Todos(300.0));
  PonMiembro(area->Resultados, 6536, Todos(20.0));
  PonMiembro(area->Resultados, 6648, Todos(-1.0));
  PonByte(area->Identificacion, 2484, 1);           // slot 0 by the first mark
  PonByte(area->Identificacion, 2491, 'S');         // slot 2 by the second
  Ejecuta(area, 5);

  EXPECT_EQ(DameMiembro(area->Resultados, 5808), (Miembros{1800.0, 1500.0, 300.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 5968), (Miembros{100.0, 0.0, 0.0, 70.0, 30.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 6040), (Miembros{15.0, 15.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 6272), (Miembros{11.0, 6.0, 6.0, 0.0, 0.0}));
  const Miembros pagos{1989.0, 1542.0, 316.0, 102.0, 30.0};
  EXPECT_EQ(DameMiembro(area->Resultados, 6344), pagos);
  Miembros tras{};
  for (std::size_t k = 0; k < 5; ++k) tras[k] = 100000.0 - pagos[k];
  EXPECT_EQ(DameMiembro(area->Resultados, 6384), tras);
  EXPECT_EQ(DameMiembro(area->Resultados, 6648), (Miembros{tras[0] - 280.0, 0.0, tras[2] - 280.0, 0.0, 0.0}));
}

TEST(Seccion100LI3, LaSecuenciaDeLaRecalculacionLlevaLasDeduccionesALasCuotas) {
  CAreaRenta area;
  PonCuotaYBase(area, Todos(1000000.0), Todos(2000000.0));
  PonMiembro(area->Liquidacion, 1120, Todos(800000.0));
  PonMiembro(area->Liquidacion, 1160, Todos(200000.0));
  PonMiembro(area->Liquidacion, 1240, Todos(100000.0));
  PonByte(area->Resultados, 240, 2);
  PonDouble(area->Resultados, 248, 500000.0);     // first proportional deduction: 125000 for the declarant
  for (int instancia : {1, 2, 6, 3}) Ejecuta(area, instancia);
  EXPECT_EQ(DameMiembro(area->Resultados, 560), (Miembros{225000.0, 225000.0, 100000.0, 100000.0, 100000.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 680), (Miembros{608750.0, 608750.0, 715000.0, 715000.0, 715000.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 720), (Miembros{166250.0, 166250.0, 185000.0, 185000.0, 185000.0}));
}

TEST(Seccion100LI3, OtrasInstanciasYBloquesNulosNoCambianNada) {
  CAreaRenta area;
  for (std::size_t d = 0; d + 8 <= sizeof(RegResultados); d += 8) PonDouble(area->Resultados, d, 3.0);
  PonMiembro(area->Liquidacion, 1120, Todos(1000.0));
  PonByte(area->ApartadoF1, 0, 2);
  PonDouble(area->ApartadoF1, 16, 10.0);
  const CAreaRenta antes = area;
  for (int instancia : {0, 7, -1, 100}) Ejecuta(area, instancia);
  EXPECT_TRUE(area == antes);

  for (int instancia : {1, 2, 3, 4, 5, 6}) {
    Calculos100LI3(nullptr, &area->ApartadoF1, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                   &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                   &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->Identificacion, instancia);
  }
  Calculos100LI3(&area->Resultados, nullptr, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->Identificacion, 1);
  for (int instancia : {2, 3, 6}) {
    Calculos100LI3(&area->Resultados, &area->ApartadoF1, nullptr, &area->BaseImponible, &area->ApartadoG,
                   &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                   &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->Identificacion, instancia);
  }
  Calculos100LI3(&area->Resultados, &area->ApartadoF1, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, nullptr, 5);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol
