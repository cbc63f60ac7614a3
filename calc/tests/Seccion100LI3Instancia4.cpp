// The result totals (Calculos100LI3 instance 4): the quota results, the typed-row proportional deduction, the
// deduction taken as entered, the 10 % deduction, the deduction of the 72-byte rows and the total after them.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

void Ejecuta(CAreaRenta& area) {
  Calculos100LI3(&area->Resultados, &area->ApartadoF1, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->Identificacion, 4);
}

void EsperaCasi(const Miembros& real, const Miembros& esperado) {
  for (std::size_t k = 0; k < real.size(); ++k) EXPECT_DOUBLE_EQ(real[k], esperado[k]) << "slot " << k;
}

TEST(Seccion100LI3Instancia4, LosResultadosDeCuotaSumanLasEntradasConSuReparto) {
  CAreaRenta area;
  PonMiembro(area->Resultados, 680, {10000.0, 6000.0, 4000.0, 0.0, 0.0});
  PonMiembro(area->Resultados, 720, {2000.0, 1000.0, 1000.0, 0.0, 0.0});
  PonByte(area->Resultados, 872, 2);  // third entry, first quota
  PonDouble(area->Resultados, 880, 100.0);
  PonByte(area->Resultados, 1344, 3);  // second row, first quota
  PonDouble(area->Resultados, 1352, 200.0);
  PonByte(area->Resultados, 2216, 2);  // both quotas
  PonDouble(area->Resultados, 2224, 1000.0);
  PonByte(area->Resultados, 3136, 1);  // third row, both quotas: the unit
  PonDouble(area->Resultados, 3144, 2001.0);
  PonByte(area->Resultados, 3592, 4);  // second quota
  PonDouble(area->Resultados, 3600, 300.0);
  PonByte(area->Resultados, 3680, 5);
  PonDouble(area->Resultados, 3688, 400.0);
  PonDouble(area->Resultados, 3696, 9999.0);  // another amount of the row: not read
  Ejecuta(area);

  EXPECT_EQ(DameMiembro(area->Resultados, 800), (Miembros{100.0, 100.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 888), (Miembros{200.0, 0.0, 200.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 2176), (Miembros{1000.0, 1000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 2264), (Miembros{2001.0, 1001.0, 1001.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 3552), (Miembros{300.0, 0.0, 0.0, 300.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 3640), (Miembros{400.0, 0.0, 0.0, 0.0, 400.0}));
  const Miembros primera{12850.85, 7800.85, 5050.85, 0.0, 0.0};
  const Miembros segunda{3150.15, 1300.15, 1150.15, 300.0, 400.0};
  EsperaCasi(DameMiembro(area->Resultados, 4928), primera);
  EsperaCasi(DameMiembro(area->Resultados, 4968), segunda);
  EsperaCasi(DameMiembro(area->Resultados, 5008), {16001.0, 9101.0, 6201.0, 300.0, 400.0});
  // Nothing is deducted: the total is the quota result.
  EsperaCasi(DameMiembro(area->Resultados, 5688), {16001.0, 9101.0, 6201.0, 300.0, 400.0});
}

TEST(Seccion100LI3Instancia4, LaDeduccionComoEntradaTomaElTotalTecleado) {
  CAreaRenta area;
  PonByte(area->Resultados, 5264, 2);
  PonDouble(area->Resultados, 5272, 30000.0);
  PonByte(area->Resultados, 5280, 1);
  PonDouble(area->Resultados, 5288, 1001.0);
  PonDouble(area->Resultados, 5296, 25000.0);
  PonMiembro(area->Resultados, 720, Todos(100000.0));
  Ejecuta(area);
  EXPECT_EQ(DameMiembro(area->Resultados, 5224), (Miembros{25000.0, 30501.0, 501.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 5688), (Miembros{75000.0, 69499.0, 99499.0, 100000.0, 100000.0}));
}

struct Caso10 {
  const char* nombre;
  double g72;      // income before the minimum, general part (total and declarant)
  double g144;     // special part
  double pagos;    // the declarant's entry
  double renta;    // net work income (total and declarant)
  double esperado; // expected deduction of total and declarant
};

TEST(Seccion100LI3Instancia4, LaDeduccionDelDiezPorCientoYSusUmbrales) {
  const Caso10 casos[] = {
      {"dentro", 3000000.0, 0.0, 600000.0, 1000000.0, 60000.0},
      {"nunca pasa de 100000", 0.0, 0.0, 2000000.0, 0.0, 100000.0},
      {"diez por ciento de la renta igual a los pagos", 0.0, 0.0, 100000.0, 1000000.0, 0.0},
      {"apenas por encima", 0.0, 0.0, 100001.0, 1000000.0, 10000.0},
      {"renta negativa cuenta como 0", 0.0, 0.0, 50000.0, -5000000.0, 5000.0},
      {"sin pagos", 0.0, 0.0, 0.0, 0.0, 0.0},
  };
  for (const Caso10& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonMiembro(area->ApartadoG, 72, {caso.g72, caso.g72, 0.0, 0.0, 0.0});
    PonMiembro(area->ApartadoG, 144, {caso.g144, caso.g144, 0.0, 0.0, 0.0});
    PonByte(area->Resultados, 5416, 2);  // third entry
    PonDouble(area->Resultados, 5424, caso.pagos);
    PonMiembro(area->RendTrabajo, 944, {caso.renta, caso.renta, 0.0, 0.0, 0.0});
    Ejecuta(area);
    EXPECT_EQ(DameMiembro(area->Resultados, 5344), (Miembros{caso.esperado, caso.esperado, 0.0, 0.0, 0.0}));
  }
}

struct CasoUmbral {
  double g72, g144;        // for every slot
  double total, persona;   // expected for the total and for each person with payments
};

TEST(Seccion100LI3Instancia4, LosUmbralesSon5000000ParaElTotalY3500000ParaCadaPersona) {
  const CasoUmbral casos[] = {
      {3500000.0, 0.0, 100000.0, 50000.0},
      {3000000.0, 500001.0, 100000.0, 0.0},  // 3,500,001
      {5000000.0, 0.0, 100000.0, 0.0},
      {4000000.0, 1000001.0, 0.0, 0.0},      // 5,000,001
  };
  for (const CasoUmbral& caso : casos) {
    SCOPED_TRACE(caso.g72 + caso.g144);
    CAreaRenta area;
    PonMiembro(area->ApartadoG, 72, Todos(caso.g72));
    PonMiembro(area->ApartadoG, 144, Todos(caso.g144));
    for (std::size_t e = 0; e < 3; ++e) {  // declarant, spouse and first child
      PonByte(area->Resultados, 5384 + 16 * e, static_cast<std::uint8_t>(2 + e));
      PonDouble(area->Resultados, 5392 + 16 * e, 500000.0);
    }
    Ejecuta(area);
    // The total sees 1,500,000 of payments: 150,000, at most 100,000.
    EXPECT_EQ(DameMiembro(area->Resultados, 5344),
              (Miembros{caso.total, caso.persona, caso.persona, caso.persona, 0.0}));
  }
}

TEST(Seccion100LI3Instancia4, LaRentaDelDiezPorCientoSumaActividadesYCapitalYRestaD3) {
  for (const auto& [pagos, esperado] : std::vector<std::pair<double, double>>{{110000.0, 0.0}, {110001.0, 11000.0}}) {
    SCOPED_TRACE(pagos);
    CAreaRenta area;
    const auto entrada = [](auto& bloque, std::size_t codigo, std::size_t importe) {
      PonByte(bloque, codigo, 2);
      PonDouble(bloque, importe, 100000.0);
    };
    entrada(area->ApartadoD1, 16, 176);    // first activity row
    entrada(area->ApartadoD1, 1120, 1144);  // first other row
    entrada(area->ApartadoD2, 936, 1096);   // sixth activity row
    entrada(area->ApartadoD2, 1320, 1344);  // sixth other row
    entrada(area->ApartadoD4, 4704, 6176);  // fourth module row, both amounts
    PonDouble(area->ApartadoD4, 6224, 100000.0);
    entrada(area->ApartadoD5, 6216, 8208);  // fourth agricultural row, both amounts
    PonDouble(area->ApartadoD5, 8264, 100000.0);
    PonMiembro(area->RendTrabajo, 944, {100000.0, 100000.0, 0.0, 0.0, 0.0});
    PonMiembro(area->RendCapInmobiliario, 672, {100000.0, 100000.0, 0.0, 0.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 1240, {100000.0, 100000.0, 0.0, 0.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 1512, {100000.0, 100000.0, 0.0, 0.0, 0.0});
    PonMiembro(area->RendCapMobiliario, 1552, {50000.0, 50000.0, 0.0, 0.0, 0.0});
    PonMiembro(area->BaseImponible, 720, {50000.0, 50000.0, 0.0, 0.0, 0.0});
    PonByte(area->Resultados, 5384, 2);
    PonDouble(area->Resultados, 5392, pagos);
    Ejecuta(area);
    // Income 1,100,000: the deduction needs more than 110,000 of payments.
    EXPECT_EQ(DameMiembro(area->Resultados, 5344), (Miembros{esperado, esperado, 0.0, 0.0, 0.0}));
  }
}

struct Caso72 {
  const char* nombre;
  double importe16;      // +16 of the declarant's row
  double m1320, m1360;   // section M instance 3 deductions, total and declarant
  double fila64;         // +64 of the second row (the declarant's slot)
  double total, declarante;
};

TEST(Seccion100LI3Instancia4, LaDeduccionDeLasFilasDe72) {
  // Average rates 20 + 5; declarant's row: +8 900,000 (800,000 for the declarant, 1,000,000 for the total),
  // 1,000 and 1,000 of day-weighted amounts, +56 10,000. a = 809,969 (909,969 for the total), V = 25 % of it.
  const Caso72 casos[] = {
      {"base", 100000.0, 100000.0, 20000.0, 0.0, 122492.0, 97492.0},
      {"el importe de la fila por debajo de las deducciones", 100000.0, 100000.0, 20000.0, 50000.0, 122492.0,
       167492.0},
      {"el importe de la fila igual a las deducciones", 100000.0, 100000.0, 20000.0, 120000.0, 122492.0, 97492.0},
      {"+16 al 30 % de las bases", 500000.0, 100000.0, 20000.0, 0.0, 152492.0, 127492.0},
      {"+16 negativo", -500000.0, 100000.0, 20000.0, 0.0, 107492.0, 82492.0},
      {"nunca negativa", 100000.0, 300000.0, 20000.0, 0.0, 0.0, 0.0},
      {"sin deducciones de la instancia 3", 100000.0, 0.0, 0.0, 0.0, 0.0, 0.0},
  };
  for (const Caso72& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonMiembro(area->Liquidacion, 0, Todos(1000000.0));  // 30 % of it caps +16
    PonMiembro(area->Liquidacion, 120, Todos(20.0));
    PonMiembro(area->Liquidacion, 240, Todos(5.0));
    PonMiembro(area->Liquidacion, 1320, {caso.m1320, caso.m1320, 0.0, 0.0, 0.0});
    PonMiembro(area->Liquidacion, 1360, {caso.m1360, caso.m1360, 0.0, 0.0, 0.0});
    PonByte(area->Resultados, 5544, 2);  // second row
    PonDouble(area->Resultados, 5552, 900000.0);
    PonDouble(area->Resultados, 5560, caso.importe16);
    PonDouble(area->Resultados, 5568, 365.0);
    PonDouble(area->Resultados, 5576, 1000.0);
    PonDouble(area->Resultados, 5584, 730.0);
    PonDouble(area->Resultados, 5592, 500.0);
    PonDouble(area->Resultados, 5600, 10000.0);
    PonDouble(area->Resultados, 5608, caso.fila64);
    Ejecuta(area);
    EXPECT_EQ(DameMiembro(area->Resultados, 5432), (Miembros{caso.total, caso.declarante, 0.0, 0.0, 0.0}));
  }
}

// Quotas and bases that give both rates 0.2 when nothing is deducted: Q / T = 0.8 on a general base of 4,000,000,
// S / T = 0.2 on a special base of 1,000,000, a quota left of 1,000,000.
void PonTipos(CAreaRenta& area) {
  PonMiembro(area->Liquidacion, 840, Todos(800000.0));
  PonMiembro(area->Liquidacion, 1000, Todos(200000.0));
  PonMiembro(area->Liquidacion, 1200, Todos(1000000.0));
  PonMiembro(area->Liquidacion, 0, Todos(4000000.0));
  PonMiembro(area->BaseImponible, 1736, Todos(1000000.0));
  PonMiembro(area->BaseImponible, 1080, Todos(3000000.0));
  PonMiembro(area->BaseImponible, 1232, Todos(2000000.0));  // general base 5,000,000
  PonMiembro(area->BaseImponible, 1584, Todos(600000.0));
  PonMiembro(area->ApartadoG, 144, Todos(400000.0));  // special base 1,000,000
  PonMiembro(area->Resultados, 760, Todos(1000000.0));
}

struct FilaTipo {
  std::uint8_t tipo;
  double general, especial, tope;
};

struct CasoFilas {
  const char* nombre;
  std::vector<FilaTipo> filas;
  Miembros esperado;
};

TEST(Seccion100LI3Instancia4, LaDeduccionProporcionalDeLasFilasTecleadas) {
  // A row of type 2 with 500,000 and 100,000: j = 400,000, k = 100,000, 0.2 of each: 100,000.
  const CasoFilas casos[] = {
      {"tipo 2", {{2, 500000.0, 100000.0, 1000000.0}}, {100000.0, 100000.0, 0.0, 0.0, 0.0}},
      {"tipo 1, la mitad a cada conyuge", {{1, 500000.0, 100000.0, 1000000.0}}, {100000.0, 50000.0, 50000.0, 0.0, 0.0}},
      {"tipo 3", {{3, 500000.0, 100000.0, 1000000.0}}, {100000.0, 0.0, 100000.0, 0.0, 0.0}},
      {"un tipo 0 acaba la lista", {{0, 500000.0, 100000.0, 1000000.0}, {2, 500000.0, 100000.0, 1000000.0}}, {}},
      {"un tipo 4 no cuenta pero sigue la lista",
       {{4, 500000.0, 100000.0, 1000000.0}, {9, 1.0, 1.0, 1.0}, {2, 500000.0, 100000.0, 1000000.0}},
       {100000.0, 100000.0, 0.0, 0.0, 0.0}},
      {"el tope de la fila", {{2, 500000.0, 100000.0, 30000.0}}, {30000.0, 30000.0, 0.0, 0.0, 0.0}},
      {"tope de la fila por la mitad en el tipo 1", {{1, 500000.0, 100000.0, 60000.0}},
       {60000.0, 30000.0, 30000.0, 0.0, 0.0}},
      {"la renta general no pasa de la base liquidable", {{2, 10000000.0, 0.0, 1000000.0}},
       {800000.0, 800000.0, 0.0, 0.0, 0.0}},
      {"dos filas", {{2, 500000.0, 100000.0, 1000000.0}, {3, 500000.0, 100000.0, 1000000.0}},
       {200000.0, 100000.0, 100000.0, 0.0, 0.0}},
      {"nunca mas que la cuota que queda",
       {{2, 10000000.0, 10000000.0, 9000000.0}, {2, 10000000.0, 10000000.0, 9000000.0}},
       {1000000.0, 1000000.0, 0.0, 0.0, 0.0}},
  };
  for (const CasoFilas& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    CAreaRenta area;
    PonTipos(area);
    for (std::size_t f = 0; f < caso.filas.size(); ++f) {
      PonByte(area->Resultados, 5128 + 32 * f, caso.filas[f].tipo);
      PonDouble(area->Resultados, 5136 + 32 * f, caso.filas[f].general);
      PonDouble(area->Resultados, 5144 + 32 * f, caso.filas[f].especial);
      PonDouble(area->Resultados, 5152 + 32 * f, caso.filas[f].tope);
    }
    Ejecuta(area);
    EXPECT_EQ(DameMiembro(area->Resultados, 5088), caso.esperado);
  }
}

TEST(Seccion100LI3Instancia4, UnaCuotaTotalCeroDaTiposCero) {
  CAreaRenta area;
  PonTipos(area);
  PonMiembro(area->Liquidacion, 1200, {1000000.0, 1000000.0, 0.0, 1000000.0, 1000000.0});
  PonByte(area->Resultados, 5128, 1);
  PonDouble(area->Resultados, 5136, 500000.0);
  PonDouble(area->Resultados, 5144, 100000.0);
  PonDouble(area->Resultados, 5152, 1000000.0);
  Ejecuta(area);
  EXPECT_EQ(DameMiembro(area->Resultados, 5088), (Miembros{100000.0, 50000.0, 0.0, 0.0, 0.0}));
}

// Every deduction at once, on fresh data: the rates take the 10 % and 72-byte row deductions of the same call.
void PonTodo(CAreaRenta& area) {
  PonTipos(area);
  PonMiembro(area->Resultados, 680, Todos(700000.0));
  PonMiembro(area->Resultados, 720, Todos(300000.0));
  PonMiembro(area->Resultados, 5048, Todos(100000.0));
  PonByte(area->Resultados, 5384, 2);  // 10 %: 50,000 for the declarant
  PonDouble(area->Resultados, 5392, 500000.0);
  PonMiembro(area->Liquidacion, 120, Todos(20.0));  // 72-byte rows: 25 % of 800,000 less 100,000
  PonMiembro(area->Liquidacion, 240, Todos(5.0));
  PonMiembro(area->Liquidacion, 1320, Todos(100000.0));
  PonByte(area->Resultados, 5472, 2);
  PonDouble(area->Resultados, 5480, 800000.0);
  PonByte(area->Resultados, 5128, 2);  // typed row: at 0.15 both, 75,000
  PonDouble(area->Resultados, 5136, 500000.0);
  PonDouble(area->Resultados, 5144, 100000.0);
  PonDouble(area->Resultados, 5152, 1000000.0);
  PonByte(area->Resultados, 5264, 2);  // as entered
  PonDouble(area->Resultados, 5272, 30000.0);
  PonDouble(area->Resultados, 5296, 25000.0);
  PonMiembro(area->Resultados, 5304, Todos(10000.0));
}

TEST(Seccion100LI3Instancia4, UnaLlamadaBastaParaElTotal) {
  CAreaRenta area;
  PonTodo(area);
  Ejecuta(area);
  EXPECT_EQ(DameMiembro(area->Resultados, 5344), (Miembros{50000.0, 50000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 5432), (Miembros{100000.0, 100000.0, 0.0, 0.0, 0.0}));
  // Quota left 1,000,000 - 100,000 - 50,000 - 100,000 = 750,000: both rates 0.15.
  EXPECT_EQ(DameMiembro(area->Resultados, 5088), (Miembros{75000.0, 75000.0, 0.0, 0.0, 0.0}));
  EXPECT_EQ(DameMiembro(area->Resultados, 5688), (Miembros{640000.0, 635000.0, 890000.0, 890000.0, 890000.0}));

  const CAreaRenta primera = area;
  Ejecuta(area);
  EXPECT_TRUE(area == primera);
}

TEST(Seccion100LI3Instancia4, SinUnBloqueQueNecesitaNoCambiaNada) {
  CAreaRenta area;
  PonTodo(area);
  const CAreaRenta antes = area;
  Calculos100LI3(&area->Resultados, &area->ApartadoF1, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, nullptr, &area->Identificacion, 4);
  Calculos100LI3(&area->Resultados, &area->ApartadoF1, nullptr, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, &area->Identificacion, 4);
  EXPECT_TRUE(area == antes);
  // The withholdings and identification blocks are not needed.
  Calculos100LI3(&area->Resultados, nullptr, &area->Liquidacion, &area->BaseImponible, &area->ApartadoG,
                 &area->RendTrabajo, &area->RendCapInmobiliario, &area->RendCapMobiliario, &area->ApartadoD1,
                 &area->ApartadoD2, &area->ApartadoD4, &area->ApartadoD5, nullptr, 4);
  EXPECT_EQ(DameMiembro(area->Resultados, 5688), (Miembros{640000.0, 635000.0, 890000.0, 890000.0, 890000.0}));
}

}  // namespace
}  // namespace ximardol
