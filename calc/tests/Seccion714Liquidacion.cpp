// Wealth tax, the liquidation (Calculos714LI), its two flags (Calculos714DP) and the DI result (Calculos714DI).
//
// The flags are the library's state: every test sets them with Calculos714DP first, as every caller does.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol::pruebas {
namespace {

// Net assets as one page total (page A, slot 0); flags of the personal data (bytes 126 and 486).
CAreaPatrimonio AreaConNeto(double neto, std::uint8_t sinMinimo = 0, std::uint8_t calculoDI = 0) {
  CAreaPatrimonio area;
  PonDouble(area->PatResumen, 0, neto);
  PonByte(area->PatDatosPersonales, 126, sinMinimo);
  PonByte(area->PatDatosPersonales, 486, calculoDI);
  return area;
}

void Liquida(CAreaPatrimonio& area) {
  Calculos714DP(&area->PatDatosPersonales);
  Calculos714LI(&area->PatResumen, -1);
  Calculos714LI(&area->PatResumen, 0);
}

double R(const CAreaPatrimonio& area, std::size_t desplazamiento) {
  return DameDouble(area->PatResumen, desplazamiento);
}

TEST(Calculos714LI, ActivosDeudasYPatrimonioNeto) {
  CAreaPatrimonio area;
  double activos = 0.0;
  for (std::size_t ranura = 0; ranura <= 144; ranura += 8) {
    PonDouble(area->PatResumen, ranura, 10000000.0 + static_cast<double>(ranura));
    activos += 10000000.0 + static_cast<double>(ranura);
  }
  for (std::size_t ranura : {192u, 200u, 208u}) PonDouble(area->PatResumen, ranura, 55000000.0);  // D, H1, H2
  PonDouble(area->PatResumen, 160, 4000000.0);
  Liquida(area);
  EXPECT_EQ(R(area, 152), activos);
  EXPECT_EQ(R(area, 168), activos - 4000000.0);
  EXPECT_EQ(R(area, 176), 17300000.0);
  EXPECT_EQ(R(area, 184), activos - 4000000.0 - 17300000.0);
  EXPECT_EQ(R(area, 216), R(area, 184));
}

// Net assets -> base, scale row (bound, quota at the bound, rest), marginal rate, quota.
struct CasoEscala {
  double neto;
  double base;
  double limite;
  double cuotaLimite;
  double resto;
  double tipo;
  double cuota;
};

TEST(Calculos714LI, EscalaDelImpuesto) {
  const CasoEscala casos[] = {
      {17300000.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},                    // exactly the exempt amount
      {10000000.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0},                    // below it: base raised to 0
      {17300001.0, 1.0, 0.0, 0.0, 1.0, 0.2, 0.0},                    // Redondea(0.002) = 0
      {27300000.0, 10000000.0, 0.0, 0.0, 10000000.0, 0.2, 20000.0},  // row 1
      {44562000.0, 27262000.0, 27262000.0, 54524.0, 0.0, 0.0, 54524.0},  // row 2 at its bound: rate field 0
      {47300000.0, 30000000.0, 27262000.0, 54524.0, 2738000.0, 0.3, 62738.0},
      {71824000.0, 54524000.0, 54524000.0, 136310.0, 0.0, 0.0, 136310.0},
      {100000000.0, 82700000.0, 54524000.0, 136310.0, 28176000.0, 0.5, 277190.0},
      {1762068000.0, 1744768000.0, 1744768000.0, 29960938.0, 0.0, 0.0, 29960938.0},  // row 8 at its bound
      {2017300000.0, 2000000000.0, 1744768000.0, 29960938.0, 255232000.0, 2.5, 36341738.0},
  };
  for (const CasoEscala& c : casos) {
    SCOPED_TRACE(c.neto);
    CAreaPatrimonio area = AreaConNeto(c.neto);
    Liquida(area);
    EXPECT_EQ(R(area, 184), c.base);
    EXPECT_EQ(R(area, 216), c.base);
    EXPECT_EQ(R(area, 224), c.limite);
    EXPECT_EQ(R(area, 232), c.cuotaLimite);
    EXPECT_EQ(R(area, 240), c.resto);
    EXPECT_DOUBLE_EQ(R(area, 248), c.tipo);
    EXPECT_EQ(R(area, 264), c.cuota - c.cuotaLimite);
    EXPECT_EQ(R(area, 272), c.cuota);
    EXPECT_EQ(R(area, 280), c.cuota);
    EXPECT_EQ(R(area, 392), c.cuota);  // no limit asked for
    EXPECT_EQ(R(area, 512), c.cuota);
  }
}

TEST(Calculos714LI, PatrimonioNegativoPasaComoBaseNegativaYCuotaCero) {
  CAreaPatrimonio area = AreaConNeto(1000000.0);
  PonDouble(area->PatResumen, 160, 3000000.0);
  PonDouble(area->PatResumen, 240, 99.0);  // stale values of an earlier calculation
  PonDouble(area->PatResumen, 248, 99.0);
  Liquida(area);
  EXPECT_EQ(R(area, 168), -2000000.0);
  EXPECT_EQ(R(area, 184), -2000000.0);
  EXPECT_EQ(R(area, 216), -2000000.0);
  for (std::size_t campo : {224u, 232u, 240u, 248u, 264u, 272u, 392u, 496u, 504u, 512u}) {
    EXPECT_EQ(R(area, campo), 0.0) << campo;
  }
}

// The income-tax limit: net assets 100,000,000 (base 82,700,000, full quota 277,190), 20,000,000 of them not able
// to produce income: own quota that counts Redondea(80,000,000 x 277,190 / 100,000,000) = 221,752; income-tax base
// 10,000,000 gives the limit 7,000,000; 80 % of the full quota is 221,752.
CAreaPatrimonio AreaConLimite(double cuotaRenta, std::uint8_t clase = 'I') {
  CAreaPatrimonio area = AreaConNeto(100000000.0);
  PonByte(area->PatResumen, 296, clase);
  PonDouble(area->PatResumen, 304, 10000000.0);
  PonDouble(area->PatResumen, 312, cuotaRenta);
  PonDouble(area->PatResumen, 320, 20000000.0);
  return area;
}

struct CasoLimite {
  double cuotaRenta;
  double suma;
  double exceso;
  double reduccionMaxima;
  double cuota;
};

TEST(Calculos714LI, LimiteConjuntoDeCuotasIndividual) {
  const CasoLimite casos[] = {
      {6000000.0, 6221752.0, 0.0, 0.0, 277190.0},             // under 70 %: the full quota
      {6778248.0, 7000000.0, 0.0, 221752.0, 277190.0},        // exactly at the limit: excess 0
      {6900000.0, 7121752.0, 121752.0, 221752.0, 155438.0},   // falls by the excess
      {9000000.0, 9221752.0, 2221752.0, 221752.0, 55438.0},   // never by more than 80 %
  };
  for (std::uint8_t clase : {std::uint8_t{'I'}, std::uint8_t{' '}, std::uint8_t{0}}) {
    for (const CasoLimite& c : casos) {
      SCOPED_TRACE(c.cuotaRenta);
      CAreaPatrimonio area = AreaConLimite(c.cuotaRenta, clase);
      PonDouble(area->PatResumen, 328, 50000000.0);  // spouse's values: not read for an individual limit
      PonDouble(area->PatResumen, 344, 100000.0);
      Liquida(area);
      EXPECT_EQ(R(area, 288), c.cuotaRenta);
      EXPECT_EQ(R(area, 352), 221752.0);
      EXPECT_EQ(R(area, 360), c.suma);
      EXPECT_EQ(R(area, 368), 7000000.0);
      EXPECT_EQ(R(area, 376), c.exceso);
      EXPECT_EQ(R(area, 384), c.reduccionMaxima);
      EXPECT_EQ(R(area, 392), c.cuota);
      EXPECT_EQ(R(area, 512), c.cuota);
    }
  }
}

TEST(Calculos714LI, LimiteConjuntoDeCuotasEnConjunta) {
  CAreaPatrimonio area = AreaConLimite(6900000.0, 'C');
  PonDouble(area->PatResumen, 328, 50000000.0);
  PonDouble(area->PatResumen, 336, 10000000.0);
  PonDouble(area->PatResumen, 344, 100000.0);  // spouse: Redondea(40,000,000 x 100,000 / 50,000,000) = 80,000
  Liquida(area);
  EXPECT_EQ(R(area, 352), 301752.0);
  EXPECT_EQ(R(area, 360), 7201752.0);
  EXPECT_DOUBLE_EQ(R(area, 376), 148263.83753545958);  // 201,752 x 221,752 / 301,752: the own share
  EXPECT_EQ(R(area, 384), 221752.0);
  EXPECT_DOUBLE_EQ(R(area, 392), 128926.16246454042);

  // The spouse's part not able to produce income above the spouse's net assets: nothing of the spouse counts.
  PonDouble(area->PatResumen, 336, 60000000.0);
  Liquida(area);
  EXPECT_EQ(R(area, 352), 221752.0);
  EXPECT_EQ(R(area, 376), 121752.0);  // 121,752 x 221,752 / 221,752
}

TEST(Calculos714LI, SinBaseDeRentaNoHayLimite) {
  CAreaPatrimonio area = AreaConLimite(9000000.0);
  PonDouble(area->PatResumen, 304, 0.0);
  Liquida(area);
  for (std::size_t campo : {288u, 352u, 360u, 368u, 376u, 384u}) EXPECT_EQ(R(area, campo), 0.0) << campo;
  EXPECT_EQ(R(area, 392), 277190.0);

  // A negative income-tax base does take part: the limit is 0 and the reduction is capped at 80 %.
  PonDouble(area->PatResumen, 304, -5.0);
  Liquida(area);
  EXPECT_EQ(R(area, 368), 0.0);
  EXPECT_EQ(R(area, 392), 55438.0);
}

// Assets abroad: net assets 100,000,000, base 82,700,000, quota 277,190, no limit; average rate
// Trunc(277,190 / 82,700,000, 4) = 0.0033.
TEST(Calculos714LI, DeduccionPorImpuestosPagadosEnElExtranjero) {
  CAreaPatrimonio area = AreaConNeto(100000000.0);
  PonDouble(area->PatResumen, 424, 50000.0);
  PonDouble(area->PatResumen, 432, 10000000.0);  // part 8,270,000, deduction Redondea(27,291) under 50,000
  PonDouble(area->PatResumen, 440, 10000.0);
  PonDouble(area->PatResumen, 448, 20000000.0);  // part 16,540,000, deduction 54,582 capped at 10,000
  PonTexto(area->PatResumen, 408, "ABCD");
  Liquida(area);
  EXPECT_EQ(R(area, 416), 60000.0);
  EXPECT_EQ(R(area, 472), 24810000.0);
  EXPECT_EQ(R(area, 480), 37291.0);
  EXPECT_DOUBLE_EQ(R(area, 400), 0.33);
  EXPECT_EQ(DameTexto(area->PatResumen, 408, 4), "ABCD");
  EXPECT_EQ(R(area, 512), 277190.0 - 37291.0);
}

TEST(Calculos714LI, BienesEnElExtranjeroPorEncimaDelPatrimonioNoCuentanPeroSeConservan) {
  CAreaPatrimonio area = AreaConNeto(100000000.0);
  PonDouble(area->PatResumen, 424, 50000.0);
  PonDouble(area->PatResumen, 432, 60000000.0);
  PonDouble(area->PatResumen, 440, 10000.0);
  PonDouble(area->PatResumen, 464, 40000001.0);  // 100,000,001 in all
  const CAreaPatrimonio antes = area;
  Liquida(area);
  EXPECT_EQ(R(area, 416), 60000.0);
  EXPECT_EQ(R(area, 472), 0.0);
  EXPECT_EQ(R(area, 480), 0.0);
  EXPECT_DOUBLE_EQ(R(area, 400), 0.33);
  for (std::size_t campo = 424; campo < 472; campo += 8) EXPECT_EQ(R(area, campo), R(antes, campo)) << campo;
  EXPECT_EQ(R(area, 512), 277190.0);
}

TEST(Calculos714LI, TipoMedio) {
  // Nothing abroad: 400 = 0 and 408 = four blanks.
  CAreaPatrimonio area = AreaConNeto(100000000.0);
  PonDouble(area->PatResumen, 400, 12.5);
  Liquida(area);
  EXPECT_EQ(R(area, 400), 0.0);
  EXPECT_EQ(DameTexto(area->PatResumen, 408, 4), "    ");

  // Something abroad but no positive base: the rate is 0, not the value of an earlier calculation.
  CAreaPatrimonio sinBase = AreaConNeto(10000000.0);
  PonDouble(sinBase->PatResumen, 424, 1000.0);
  PonDouble(sinBase->PatResumen, 400, 12.5);
  PonTexto(sinBase->PatResumen, 408, "ABCD");
  Liquida(sinBase);
  EXPECT_EQ(R(sinBase, 400), 0.0);
  EXPECT_EQ(DameTexto(sinBase->PatResumen, 408, 4), "ABCD");
  EXPECT_EQ(R(sinBase, 480), 0.0);
}

struct CasoBonificacion {
  double valor;
  double cuotaBonificable;
  double bonificacion;
};

TEST(Calculos714LI, BonificacionYCuotaResultante) {
  const CasoBonificacion casos[] = {
      {40000000.0, 110876.0, 55438.0},    // the quota of the assets with the bonus is the smaller
      {100000000.0, 277190.0, 138595.0},  // equal halves: the quota after the limit
      {100000001.0, 0.0, 0.0},            // worth more than the net assets: does not count
  };
  for (const CasoBonificacion& c : casos) {
    SCOPED_TRACE(c.valor);
    CAreaPatrimonio area = AreaConNeto(100000000.0);
    PonDouble(area->PatResumen, 488, c.valor);
    Liquida(area);
    EXPECT_EQ(R(area, 488), c.valor);
    EXPECT_EQ(R(area, 496), c.cuotaBonificable);
    EXPECT_EQ(R(area, 504), c.bonificacion);
    EXPECT_EQ(R(area, 512), 277190.0 - c.bonificacion);
  }

  // Deduction and bonus above the quota: the quota to pay stays at 0.
  CAreaPatrimonio area = AreaConNeto(100000000.0);
  PonDouble(area->PatResumen, 424, 1000000000.0);
  PonDouble(area->PatResumen, 432, 100000000.0);
  PonDouble(area->PatResumen, 488, 100000000.0);
  Liquida(area);
  EXPECT_EQ(R(area, 480), 272910.0);
  EXPECT_EQ(R(area, 504), 138595.0);
  EXPECT_EQ(R(area, 512), 0.0);
}

// The "no exempt amount" mark: the exempt amount is 0, no limit and no deduction abroad apply, and what the user
// entered for them stays as entered.
void PonEntradasDeLimiteYExtranjero(CAreaPatrimonio& area) {
  PonByte(area->PatResumen, 296, 'C');
  for (std::size_t campo = 304; campo < 352; campo += 8) PonDouble(area->PatResumen, campo, 1000000.0 + campo);
  for (std::size_t campo = 424; campo < 472; campo += 8) PonDouble(area->PatResumen, campo, 2000000.0 + campo);
  PonDouble(area->PatResumen, 488, 30000000.0);
}

TEST(Calculos714LI, SinMinimoExentoConservaLasEntradasYCalculaComoSiFueranCero) {
  for (std::uint8_t marca : {std::uint8_t{1}, std::uint8_t{'x'}, std::uint8_t{'X'}}) {
    SCOPED_TRACE(static_cast<int>(marca));
    CAreaPatrimonio area = AreaConNeto(100000000.0, marca);
    PonEntradasDeLimiteYExtranjero(area);
    const CAreaPatrimonio antes = area;
    Liquida(area);

    EXPECT_EQ(R(area, 176), 0.0);
    EXPECT_EQ(R(area, 184), 100000000.0);
    EXPECT_EQ(R(area, 272), 136310.0 + 227380.0);  // row 3: Redondea(45,476,000 x 0.005)
    EXPECT_EQ(R(area, 392), R(area, 272));
    for (std::size_t campo : {288u, 352u, 360u, 368u, 376u, 384u, 400u, 416u, 472u, 480u}) {
      EXPECT_EQ(R(area, campo), 0.0) << campo;
    }
    EXPECT_EQ(DameTexto(area->PatResumen, 408, 4), "    ");
    EXPECT_EQ(DameByte(area->PatResumen, 296), 'C');
    for (std::size_t campo = 304; campo < 472; campo += 8) {
      if (campo < 352 || campo >= 424) {
        EXPECT_EQ(R(area, campo), R(antes, campo)) << campo;
      }
    }

    // The same outputs as with those inputs at 0.
    CAreaPatrimonio ceros = AreaConNeto(100000000.0, marca);
    PonDouble(ceros->PatResumen, 488, 30000000.0);
    Liquida(ceros);
    for (std::size_t campo = 152; campo < 528; campo += 8) {
      if ((campo >= 296 && campo < 352) || (campo >= 424 && campo < 472)) continue;
      EXPECT_EQ(R(area, campo), R(ceros, campo)) << campo;
    }
  }
}

TEST(Calculos714LI, OtrosValoresDeLaMarcaNoLaActivan) {
  for (std::uint8_t marca : {std::uint8_t{0}, std::uint8_t{'0'}, std::uint8_t{' '}, std::uint8_t{2}}) {
    CAreaPatrimonio area = AreaConNeto(100000000.0, marca);
    Liquida(area);
    EXPECT_EQ(R(area, 176), 17300000.0) << static_cast<int>(marca);
  }
}

TEST(Calculos714LI, LasMarcasSonLasDelUltimoDP) {
  CAreaPatrimonio conMarca = AreaConNeto(100000000.0, 'X');
  CAreaPatrimonio sinMarca = AreaConNeto(100000000.0, 0);
  Calculos714DP(&conMarca->PatDatosPersonales);
  Calculos714DP(&sinMarca->PatDatosPersonales);
  Calculos714LI(&conMarca->PatResumen, -1);
  EXPECT_EQ(R(conMarca, 176), 17300000.0);
  Calculos714DP(&conMarca->PatDatosPersonales);
  Calculos714LI(&conMarca->PatResumen, -1);
  EXPECT_EQ(R(conMarca, 176), 0.0);
}

TEST(Calculos714LI, DosLlamadasDanLoMismoQueUnaYSinResumenNoHaceNada) {
  CAreaPatrimonio area = AreaConLimite(6900000.0, 'C');
  PonDouble(area->PatResumen, 328, 50000000.0);
  PonDouble(area->PatResumen, 344, 100000.0);
  PonDouble(area->PatResumen, 424, 5000.0);
  PonDouble(area->PatResumen, 432, 70000000.0);
  PonDouble(area->PatResumen, 448, 40000000.0);  // more than the net assets together
  PonDouble(area->PatResumen, 488, 200000000.0);
  Calculos714DP(&area->PatDatosPersonales);
  Calculos714LI(&area->PatResumen, -1);
  const CAreaPatrimonio unaVez = area;
  Calculos714LI(&area->PatResumen, 0);
  EXPECT_TRUE(area == unaVez);

  Calculos714LI(nullptr, -1);
  Calculos714DP(nullptr);
  Calculos714DI(nullptr, &area->PatResumen);
  Calculos714DI(&area->PatDI, nullptr);
  EXPECT_TRUE(area == unaVez);
}

// DI: quota 0, amount set against it 8 (in), difference 16, marks 24 and 25, text 26 (20 bytes), amount to pay 48.
struct CasoDI {
  double cuota;      // summary 512
  double deducido;   // DI + 8
  double diferencia;
  double aIngresar;
  bool marcas;       // marks 0xFF and text blank
};

TEST(Calculos714DI, ConMarcaLaDiferenciaConElImporteDeducido) {
  const CasoDI casos[] = {
      {100000.0, 30000.0, 70000.0, 70000.0, false},
      {100000.0, 100000.0, 0.0, 0.0, true},
      {100000.0, 150000.0, -50000.0, 0.0, true},
  };
  for (std::uint8_t marca : {std::uint8_t{1}, std::uint8_t{'x'}, std::uint8_t{'X'}}) {
    for (const CasoDI& c : casos) {
      SCOPED_TRACE(c.deducido);
      CAreaPatrimonio area;
      PonByte(area->PatDatosPersonales, 486, marca);
      PonDouble(area->PatResumen, 512, c.cuota);
      PonDouble(area->PatDI, 8, c.deducido);
      PonByte(area->PatDI, 24, 1);
      PonByte(area->PatDI, 25, 1);
      PonTexto(area->PatDI, 26, "REFERENCIA", 20);
      Calculos714DP(&area->PatDatosPersonales);
      Calculos714DI(&area->PatDI, &area->PatResumen);
      EXPECT_EQ(DameDouble(area->PatDI, 0), c.cuota);
      EXPECT_EQ(DameDouble(area->PatDI, 8), c.deducido);
      EXPECT_EQ(DameDouble(area->PatDI, 16), c.diferencia);
      EXPECT_EQ(DameDouble(area->PatDI, 48), c.aIngresar);
      EXPECT_EQ(DameByte(area->PatDI, 24), c.marcas ? 0xFF : 1);
      EXPECT_EQ(DameByte(area->PatDI, 25), c.marcas ? 0xFF : 1);
      EXPECT_EQ(DameTexto(area->PatDI, 26, 20), c.marcas ? std::string(20, ' ') : "REFERENCIA");
    }
  }
}

TEST(Calculos714DI, SinMarcaLaCuotaVaEnteraYElImporteDeducidoSeConserva) {
  CAreaPatrimonio area;
  PonDouble(area->PatResumen, 512, 100000.0);
  PonDouble(area->PatDI, 0, 5.0);
  PonDouble(area->PatDI, 8, 30000.0);
  PonDouble(area->PatDI, 16, 6.0);
  PonByte(area->PatDI, 24, 1);
  Calculos714DP(&area->PatDatosPersonales);
  Calculos714DI(&area->PatDI, &area->PatResumen);
  EXPECT_EQ(DameDouble(area->PatDI, 0), 0.0);
  EXPECT_EQ(DameDouble(area->PatDI, 8), 30000.0);
  EXPECT_EQ(DameDouble(area->PatDI, 16), 0.0);
  EXPECT_EQ(DameDouble(area->PatDI, 48), 100000.0);
  EXPECT_EQ(DameByte(area->PatDI, 24), 1);
}

}  // namespace
}  // namespace ximardol::pruebas
