// Section M: the four kinds under one limit (instances 1 and 2), the two capped groups with two rates (3 and 4),
// the groups limited by the quota (5) and the copy into the 72-byte rows of the results block (6).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Ejecuta(CAreaRenta& area, int instancia) {
  Calculos100M(&area->ApartadoM, &area->ApartadoK, &area->Liquidacion, &area->Resultados, &area->RendCapMobiliario,
               &area->ApartadoE2, instancia);
}

constexpr Miembros Ceros{};

// One entry of the first group for the declarant, and one entry of the three kinds for the declarant; the base of the
// spouse is there but nothing is entered for her.
void PonLimiteComun(CAreaRenta& area) {
  PonMiembro(area->ApartadoK, 80, {3000000.0, 1500000.0, 1500000.0, 0.0, 0.0});
  PonByte(area->ApartadoM, 40, 2);
  PonDouble(area->ApartadoM, 48, 50000.0);
  PonByte(area->ApartadoM, 168, 2);
  PonDouble(area->ApartadoM, 176, 30000.0);   // kind a
  PonDouble(area->ApartadoM, 184, 100000.0);  // kind b
  PonDouble(area->ApartadoM, 192, 80000.0);   // kind c
}

TEST(Seccion100M, LasCuatroClasesSeRepartenElLimiteEnSuOrden) {
  for (int instancia : {1, 2}) {
    SCOPED_TRACE(instancia);
    CAreaRenta area;
    PonLimiteComun(area);
    Ejecuta(area, instancia);

    EXPECT_EQ(DameMiembro(area->ApartadoM, 0), (Miembros{50000.0, 50000.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 128), (Miembros{210000.0, 210000.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 304), (Miembros{260000.0, 260000.0, 0.0, 0.0, 0.0}));
    // The spouse has a base but nothing entered: no limit.
    EXPECT_EQ(DameMiembro(area->ApartadoM, 344), (Miembros{300000.0, 150000.0, 0.0, 0.0, 0.0}));
    // Declarant: b 100,000 and a 30,000 leave 20,000 for the first group and nothing for c.
    // Total: b, a and the whole first group fit; c is capped to the 120,000 left and does not use it up.
    EXPECT_EQ(DameMiembro(area->ApartadoM, 424), (Miembros{30000.0, 30000.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 88), (Miembros{50000.0, 20000.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 464), (Miembros{80000.0, 0.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 264), (Miembros{210000.0, 130000.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 384), (Miembros{120000.0, 0.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->Liquidacion, 1240), (Miembros{7500.0, 3000.0, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->Liquidacion, 1280), (Miembros{39000.0, 31000.0, 0.0, 0.0, 0.0}));
  }
}

struct CasoLimite {
  const char* nombre;
  double base;
  double primerGrupo;  // first entry of the first group, declarant
  double limite;       // expected limit of the declarant
};

TEST(Seccion100M, ElLimiteEsElDiezPorCientoDeLaBaseSoloConAlgoEntrado) {
  const CasoLimite casos[] = {
      {"nada entrado", 2000000.0, 0.0, 0.0},
      {"base negativa", -2000000.0, 10000.0, 0.0},
      {"sin redondear", 1000005.0, 10000.0, 100000.5},
      {"un importe negativo cuenta como entrado", 1000000.0, -10.0, 100000.0},
  };
  for (const CasoLimite& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonMiembro(area->ApartadoK, 80, {caso.base, caso.base, caso.base, caso.base, caso.base});
    PonByte(area->ApartadoM, 72, 2);  // the third entry of the first group
    PonDouble(area->ApartadoM, 80, caso.primerGrupo);
    Ejecuta(area, 1);
    EXPECT_EQ(DameMiembro(area->ApartadoM, 344), (Miembros{caso.limite, caso.limite, 0.0, 0.0, 0.0}));
    if (caso.limite == 0.0) {
      EXPECT_EQ(DameMiembro(area->ApartadoM, 88), Ceros);
    }
  }
}

TEST(Seccion100M, LasDeduccionesDelLimiteComunSeRedondean) {
  CAreaRenta area;
  PonMiembro(area->ApartadoK, 80, {100010.0, 100010.0, 0.0, 0.0, 0.0});  // limit 10,001
  PonByte(area->ApartadoM, 40, 2);
  PonDouble(area->ApartadoM, 48, 3333.0);  // 499.95
  PonByte(area->ApartadoM, 232, 2);        // third entry of the kinds
  PonDouble(area->ApartadoM, 256, 3335.0);  // kind c: 333.5
  Ejecuta(area, 1);
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1240), (Miembros{500.0, 500.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1280), (Miembros{334.0, 334.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 384), (Miembros{6668.0, 6668.0, 0.0, 0.0, 0.0}));
}

struct CasoDosTipos {
  double u, v;            // first and second amounts entered
  double primeros;        // expected deduction on the first amounts
  double segundos;        // expected deduction on the second amounts
};

// Instance 3: cap 1,500,000, rates split at 750,000.
TEST(Seccion100M, Instancia3DosTiposPartidosEn750000) {
  const CasoDosTipos casos[] = {
      {0.0, 0.0, 0.0, 0.0},
      {400000.0, 200000.0, 100000.0, 40000.0},
      {750000.0, 0.0, 187500.0, 0.0},            // exactly 750,000: 25 %
      {749999.0, 0.0, 187500.0, 0.0},            // 187,499.75
      {750003.0, 0.0, 187500.0, 0.0},            // 15 % above: 187,500.45 (25 % would give 187,501)
      {600000.0, 300000.0, 150000.0, 52500.0},   // 150,000 at 20 %, 150,000 at 15 %
      {750000.0, 100000.0, 187500.0, 15000.0},
      {1000000.0, 200000.0, 225000.0, 30000.0},
      {1200000.0, 500000.0, 255000.0, 45000.0},  // the second capped to the 300,000 left
      {1600000.0, 500000.0, 300000.0, 0.0},      // the first capped to 1,500,000, nothing left
      {2.0, 3.0, 1.0, 1.0},                      // 0.5 and 0.6 rounded up
  };
  for (const CasoDosTipos& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.u << " " << caso.v);
    CAreaRenta area;
    PonByte(area->ApartadoM, 544, 2);
    PonDouble(area->ApartadoM, 552, caso.u);
    PonDouble(area->ApartadoM, 560, caso.v);
    Ejecuta(area, 3);
    const Miembros primeros{caso.primeros, caso.primeros, 0.0, 0.0, 0.0};
    const Miembros segundos{caso.segundos, caso.segundos, 0.0, 0.0, 0.0};
    const Miembros suma{caso.primeros + caso.segundos, caso.primeros + caso.segundos, 0.0, 0.0, 0.0};
    EXPECT_EQ(DameMiembro(area->ApartadoM, 1256), primeros);
    EXPECT_EQ(DameMiembro(area->ApartadoM, 1296), segundos);
    EXPECT_EQ(DameMiembro(area->Liquidacion, 1320), suma);
  }
}

TEST(Seccion100M, Instancia3LosCincoImportesSeReparten1500000EnOrden) {
  CAreaRenta area;
  PonByte(area->ApartadoM, 544, 2);
  PonDouble(area->ApartadoM, 552, 500000.0);
  PonDouble(area->ApartadoM, 560, 400000.0);
  PonDouble(area->ApartadoM, 568, 300000.0);
  PonDouble(area->ApartadoM, 576, 200000.0);
  PonDouble(area->ApartadoM, 584, 300000.0);  // only 100,000 left
  PonByte(area->ApartadoM, 704, 3);           // third entry: the spouse, beyond the cap
  PonDouble(area->ApartadoM, 712, 2000000.0);
  Ejecuta(area, 3);

  // The total sees 2,500,000 of first amounts: capped, nothing left for the others.
  EXPECT_EQ(DameMiembro(area->ApartadoM, 504), (Miembros{1500000.0, 500000.0, 1500000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 784), (Miembros{0.0, 400000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 824), (Miembros{0.0, 300000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 864), (Miembros{0.0, 200000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 904), (Miembros{0.0, 100000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1256), (Miembros{300000.0, 125000.0, 300000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1296), (Miembros{0.0, 72500.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1320), (Miembros{300000.0, 197500.0, 300000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1360), (Miembros{0.0, 45000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1400), (Miembros{0.0, 30000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 0), (Miembros{0.0, 15000.0, 0.0, 0.0, 0.0}));
}

// Instance 4: cap 2,000,000, rates split at 1,000,000.
TEST(Seccion100M, Instancia4DosTiposPartidosEnUnMillon) {
  const CasoDosTipos casos[] = {
      {500000.0, 300000.0, 125000.0, 60000.0},
      {1000000.0, 0.0, 250000.0, 0.0},           // exactly 1,000,000: 25 %
      {1000003.0, 0.0, 250000.0, 0.0},           // 15 % above: 250,000.45 (25 % would give 250,001)
      {800000.0, 400000.0, 200000.0, 70000.0},   // 200,000 at 20 %, 200,000 at 15 %
      {1500000.0, 800000.0, 325000.0, 75000.0},  // the second capped to the 500,000 left
      {2500000.0, 100.0, 400000.0, 0.0},         // the first capped to 2,000,000
  };
  for (const CasoDosTipos& caso : casos) {
    SCOPED_TRACE(testing::Message() << caso.u << " " << caso.v);
    CAreaRenta area;
    PonByte(area->ApartadoM, 1144, 2);  // the sixth entry
    PonDouble(area->ApartadoM, 1152, caso.u);
    PonDouble(area->ApartadoM, 1160, caso.v);
    Ejecuta(area, 4);
    const Miembros suma{caso.primeros + caso.segundos, caso.primeros + caso.segundos, 0.0, 0.0, 0.0};
    EXPECT_EQ(DameMiembro(area->ApartadoM, 1336), (Miembros{caso.primeros, caso.primeros, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->ApartadoM, 1376), (Miembros{caso.segundos, caso.segundos, 0.0, 0.0, 0.0}));
    EXPECT_EQ(DameMiembro(area->Liquidacion, 1440), suma);
  }
}

TEST(Seccion100M, Instancia4ElTerceroSeAcotaAlRestoSinGastarlo) {
  CAreaRenta area;
  PonByte(area->ApartadoM, 984, 2);
  PonDouble(area->ApartadoM, 992, 1500000.0);
  PonDouble(area->ApartadoM, 1000, 300000.0);
  PonDouble(area->ApartadoM, 1008, 500000.0);
  PonByte(area->ApartadoM, 1016, 1);  // second entry: the unit, split half and half
  PonDouble(area->ApartadoM, 1040, 3.0);
  Ejecuta(area, 4);
  EXPECT_EQ(DameMiembro(area->ApartadoM, 944), (Miembros{1500000.0, 1500000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1176), (Miembros{300000.0, 300000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 384), (Miembros{200000.0, 200000.0, 2000000.0, 2000000.0, 2000000.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1216), (Miembros{200000.0, 200000.0, 2.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Liquidacion, 1480), (Miembros{30000.0, 30000.0, 0.0, 0.0, 0.0}));
}

TEST(Seccion100M, Instancia5LasDosPartesSeLimitanALaCuota) {
  CAreaRenta area;
  PonMiembro(area->Resultados, 760, {1000000.0, 600000.0, 400000.0, 0.0, 0.0});
  PonByte(area->ApartadoM, 1752, 2);
  PonDouble(area->ApartadoM, 1760, 500000.0);
  PonByte(area->ApartadoM, 1832, 3);  // the sixth entry
  PonDouble(area->ApartadoM, 1840, 500000.0);
  PonByte(area->RendCapMobiliario, 280, 2);  // sixth row of subsection 1, amount 40 bytes after its code
  PonDouble(area->RendCapMobiliario, 320, 200000.0);
  PonDouble(area->RendCapMobiliario, 304, 777.0);  // another amount of the row: not read
  PonByte(area->ApartadoE2, 354, 3);                // third row, amount 46 bytes after its code
  PonDouble(area->ApartadoE2, 400, 50000.0);
  const CAreaRenta antes = area;
  Ejecuta(area, 5);

  EXPECT_EQ(DameMiembro(area->ApartadoM, 1712), (Miembros{1000000.0, 500000.0, 500000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1848), (Miembros{1000000.0, 500000.0, 400000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1888), (Miembros{0.0, 0.0, 100000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1928), (Miembros{250000.0, 200000.0, 50000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 1968), (Miembros{0.0, 100000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->ApartadoM, 2008), (Miembros{250000.0, 100000.0, 50000.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 5048), (Miembros{1000000.0, 600000.0, 400000.0, 0.0, 0.0}));
  EXPECT_EQ(0, std::memcmp(&area->RendCapMobiliario, &antes->RendCapMobiliario, sizeof(RegRendCapMobiliario)));
  EXPECT_EQ(0, std::memcmp(&area->ApartadoE2, &antes->ApartadoE2, sizeof(RegApartadoE2)));
}

TEST(Seccion100M, Instancia6CopiaLasDeduccionesDeLaInstancia3EnLasFilasDe72) {
  CAreaRenta area;
  PonMiembro(area->Liquidacion, 1320, {10.0, 20.0, 30.0, 40.0, 50.0});
  PonMiembro(area->Liquidacion, 1360, {1.0, 2.0, 3.0, 4.0, 5.0});
  PonByte(area->Resultados, 5472, 5);  // the row's own member code does not matter
  PonByte(area->Resultados, 5544, 1);
  CAreaRenta esperado = area;
  Ejecuta(area, 6);
  PonDouble(esperado->Resultados, 5536, 11.0);
  PonDouble(esperado->Resultados, 5608, 22.0);
  PonDouble(esperado->Resultados, 5680, 33.0);
  EXPECT_TRUE(area == esperado);
}

TEST(Seccion100M, OtraInstanciaOUnBloqueQueFaltaNoCambianNada) {
  CAreaRenta area;
  PonLimiteComun(area);
  PonByte(area->ApartadoM, 544, 2);
  PonDouble(area->ApartadoM, 552, 100000.0);
  PonMiembro(area->Liquidacion, 1320, {10.0, 20.0, 30.0, 40.0, 50.0});
  const CAreaRenta antes = area;
  for (int instancia : {-1, 0, 7, 100}) {
    Ejecuta(area, instancia);
    EXPECT_TRUE(area == antes) << instancia;
  }
  Calculos100M(&area->ApartadoM, nullptr, &area->Liquidacion, &area->Resultados, &area->RendCapMobiliario,
               &area->ApartadoE2, 1);
  Calculos100M(&area->ApartadoM, &area->ApartadoK, &area->Liquidacion, nullptr, &area->RendCapMobiliario,
               &area->ApartadoE2, 3);
  Calculos100M(nullptr, &area->ApartadoK, &area->Liquidacion, &area->Resultados, &area->RendCapMobiliario,
               &area->ApartadoE2, 4);
  Calculos100M(&area->ApartadoM, &area->ApartadoK, &area->Liquidacion, &area->Resultados, nullptr,
               &area->ApartadoE2, 5);
  Calculos100M(&area->ApartadoM, &area->ApartadoK, nullptr, &area->Resultados, &area->RendCapMobiliario,
               &area->ApartadoE2, 6);
  EXPECT_TRUE(area == antes);
}

}  // namespace
}  // namespace ximardol
