// Section H: personal minimum by age and disability, descendants by bands and order of birth, ascendants by shares.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "AreaPrueba.h"
#include "ximardol.h"

namespace ximardol {
namespace {

using namespace pruebas;

// A descendant row of RegIdentificacion (10 rows of 72 bytes from 2496).
struct Descendiente {
  std::string anio;
  double grado = 0.0;
  std::uint8_t unidad = 0;      // link at 57
  std::uint8_t declarante = 0;  // link at 58
  std::uint8_t conyuge = 0;     // link at 59
  std::uint8_t clase = 0;       // kind at 62
  std::uint8_t exclusion1 = 0;  // at 63
  std::uint8_t exclusion2 = 0;  // at 64
};

void PonDescendiente(CAreaRenta& area, std::size_t fila, const Descendiente& d) {
  const std::size_t base = 2496 + 72 * fila;
  PonTexto(area->Identificacion, base + 42, d.anio, 4);
  PonDouble(area->Identificacion, base + 48, d.grado);
  PonByte(area->Identificacion, base + 57, d.unidad);
  PonByte(area->Identificacion, base + 58, d.declarante);
  PonByte(area->Identificacion, base + 59, d.conyuge);
  PonByte(area->Identificacion, base + 62, d.clase);
  PonByte(area->Identificacion, base + 63, d.exclusion1);
  PonByte(area->Identificacion, base + 64, d.exclusion2);
}

// An ascendant row (4 rows of 80 bytes from 3216).
struct Ascendiente {
  std::string anio;
  double grado = 0.0;
  std::uint8_t declarante = 0;  // link at 58
  std::uint8_t conyuge = 0;     // link at 59
  double personas = 0.0;        // at 64
  std::uint8_t exclusion = 0;   // at 72
};

void PonAscendiente(CAreaRenta& area, std::size_t fila, const Ascendiente& a) {
  const std::size_t base = 3216 + 80 * fila;
  PonTexto(area->Identificacion, base + 42, a.anio, 4);
  PonDouble(area->Identificacion, base + 48, a.grado);
  PonByte(area->Identificacion, base + 58, a.declarante);
  PonByte(area->Identificacion, base + 59, a.conyuge);
  PonDouble(area->Identificacion, base + 64, a.personas);
  PonByte(area->Identificacion, base + 72, a.exclusion);
}

void Calcula(CAreaRenta& area, int paso) {
  Calculos100H(&area->ApartadoH, &area->DatosFamilia, &area->Identificacion, paso);
}

TEST(Seccion100H, MinimoPersonalPorEdadGradoYUnidadFamiliar) {
  struct Caso {
    const char* nombre;
    std::uint8_t byte0;
    std::uint8_t byte3;
    const char* anioDeclarante;
    double gradoDeclarante;
    const char* anioConyuge;
    double gradoConyuge;
    bool clase3;
    Miembros esperado;  // the total slot starts at 123
  };
  const std::vector<Caso> casos{
      {"conjunta por el byte 0", 1, 0, "1960", 0.0, "1930", 0.0, false,
       {1200000.0, 550000.0, 650000.0, 550000.0, 550000.0}},
      {"conjunta por el byte 3", 0, 1, "1960", 65.0, "1960", 33.0, false,
       {2000000.0, 1150000.0, 850000.0, 550000.0, 550000.0}},
      {"individual, 65 %", 0, 0, "1960", 65.0, "", 0.0, false, {1500000.0, 1150000.0, 650000.0, 550000.0, 550000.0}},
      {"individual, 33 %", 0, 0, "1960", 33.0, "", 0.0, false, {1200000.0, 850000.0, 650000.0, 550000.0, 550000.0}},
      {"individual, 32,5 % no cuenta", 0, 0, "1960", 32.5, "", 0.0, false,
       {900000.0, 550000.0, 650000.0, 550000.0, 550000.0}},
      {"individual, nacido en 1934", 0, 0, "1934", 0.0, "", 0.0, false,
       {1000000.0, 650000.0, 650000.0, 550000.0, 550000.0}},
      {"individual, nacido en 1935", 0, 0, "1935", 0.0, "", 0.0, false,
       {900000.0, 550000.0, 650000.0, 550000.0, 550000.0}},
      {"individual con un descendiente de clase 3", 0, 0, "1960", 65.0, "", 0.0, true,
       {1150000.0, 1150000.0, 650000.0, 550000.0, 550000.0}},
      {"otro valor del byte 3 deja el total", 0, 2, "1960", 0.0, "", 0.0, false,
       {123.0, 550000.0, 650000.0, 550000.0, 550000.0}},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonByte(area->DatosFamilia, 0, caso.byte0);
    PonByte(area->DatosFamilia, 3, caso.byte3);
    PonTexto(area->DatosFamilia, 4, caso.anioDeclarante, 4);
    PonTexto(area->DatosFamilia, 8, caso.anioConyuge, 4);
    PonDouble(area->DatosFamilia, 16, caso.gradoDeclarante);
    PonDouble(area->DatosFamilia, 24, caso.gradoConyuge);
    if (caso.clase3) PonDescendiente(area, 3, {.anio = "1990", .clase = '3'});
    PonMiembro(area->ApartadoH, 0, {123.0, 0.0, 0.0, 0.0, 0.0});
    Calcula(area, 1);
    EXPECT_EQ(DameMiembro(area->ApartadoH, 0), caso.esperado) << caso.nombre;
    EXPECT_EQ(DameMiembro(area->ApartadoH, 120), caso.esperado) << caso.nombre;
  }
}

TEST(Seccion100H, LosHijosDelAreaTomanSuImportePorGradoSinMirarLaEdad) {
  CAreaRenta area;
  PonDouble(area->DatosFamilia, 32, 65.0);
  PonDouble(area->DatosFamilia, 40, 33.0);
  Calcula(area, 1);
  EXPECT_EQ(DameDouble(area->ApartadoH, 24), 1150000.0);
  EXPECT_EQ(DameDouble(area->ApartadoH, 32), 850000.0);
}

TEST(Seccion100H, DescendienteNacidoEn1974SoloCuentaConMinusvalia) {
  for (const double grado : {0.0, 32.5, 33.0}) {
    CAreaRenta area;
    PonByte(area->DatosFamilia, 3, 1);
    PonDescendiente(area, 0, {.anio = "1974", .grado = grado, .declarante = '1', .conyuge = ' '});
    Calcula(area, 2);
    const Miembros esperado = grado < 33.0 ? Miembros{}
                                           // band 1 whole + 33-64 degree, half amount + half share
                                           : Miembros{500000.0, 500000.0, 250000.0, 0.0, 0.0};
    EXPECT_EQ(DameMiembro(area->ApartadoH, 40), esperado) << grado;
  }
}

TEST(Seccion100H, ImportesPorTramoDelAnioDeNacimiento) {
  struct Caso {
    const char* anio;
    double entero;
  };
  for (const Caso& caso : std::vector<Caso>{{"1975", 200000.0},
                                            {"1983", 200000.0},
                                            {"1984", 225000.0},
                                            {"1996", 225000.0},
                                            {"1997", 250000.0},
                                            {"1999", 250000.0}}) {
    CAreaRenta area;
    PonDescendiente(area, 0, {.anio = caso.anio, .unidad = '1', .declarante = '1', .conyuge = '0'});
    Calcula(area, 2);
    EXPECT_EQ(DameMiembro(area->ApartadoH, 40), (Miembros{caso.entero, caso.entero, caso.entero / 2, 0.0, 0.0}))
        << caso.anio;
  }
}

TEST(Seccion100H, LosDeUnMismoAnioGuardanElOrdenDeSusFilas) {
  CAreaRenta area;
  PonDescendiente(area, 0, {.anio = "1990", .declarante = ' '});  // half
  PonDescendiente(area, 1, {.anio = "1978", .declarante = '1'});
  PonDescendiente(area, 2, {.anio = "1990", .declarante = '1'});  // whole
  Calcula(area, 2);
  // 1978 first (200,000), then row 0 as the second (112,500), then row 2 as the third (325,000).
  EXPECT_EQ(DameDouble(area->ApartadoH, 48), 637500.0);
}

TEST(Seccion100H, ElTercerContadoTomaElImporteMayorAunqueUnAnteriorNoContara) {
  CAreaRenta area;
  PonDescendiente(area, 0, {.anio = "1978", .declarante = '1'});
  PonDescendiente(area, 1, {.anio = "1970", .declarante = '1'});  // sorted first, not counted
  PonDescendiente(area, 2, {.anio = "1977", .declarante = '1'});
  PonDescendiente(area, 3, {.anio = "1976", .declarante = '1'});
  Calcula(area, 2);
  EXPECT_EQ(DameDouble(area->ApartadoH, 48), 200000.0 + 200000.0 + 300000.0);
}

TEST(Seccion100H, VinculosYExclusionesDeLosDescendientesPorPersona) {
  struct Caso {
    const char* nombre;
    Descendiente d;
    double declarante;
  };
  const std::vector<Caso> casos{
      {"vinculo 1: entero", {.anio = "1990", .declarante = '1'}, 225000.0},
      {"vinculo en blanco: mitad", {.anio = "1990", .declarante = ' '}, 112500.0},
      {"vinculo NUL: mitad", {.anio = "1990", .declarante = 0}, 112500.0},
      {"vinculo '0': mitad", {.anio = "1990", .declarante = '0'}, 112500.0},
      {"vinculo 2: no cuenta", {.anio = "1990", .grado = 70.0, .declarante = '2'}, 0.0},
      {"otro vinculo: cuenta sin importe", {.anio = "1990", .grado = 70.0, .declarante = 'X'}, 0.0},
      {"exclusion '0' excluye", {.anio = "1990", .declarante = '1', .exclusion1 = '0'}, 0.0},
      {"segunda exclusion", {.anio = "1990", .grado = 70.0, .declarante = '1', .exclusion2 = 1}, 0.0},
      {"grado 65 entero", {.anio = "1990", .grado = 65.0, .declarante = '1'}, 225000.0 + 600000.0},
      {"grado 64 a medias", {.anio = "1990", .grado = 64.0, .declarante = ' '}, 112500.0 + 150000.0},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonDescendiente(area, 0, caso.d);
    Calcula(area, 2);
    EXPECT_EQ(DameDouble(area->ApartadoH, 48), caso.declarante) << caso.nombre;
  }
}

TEST(Seccion100H, UnVinculoDeOtroValorCuentaParaLosSiguientes) {
  CAreaRenta area;
  PonDescendiente(area, 0, {.anio = "1980", .declarante = 'X'});
  PonDescendiente(area, 1, {.anio = "1981", .declarante = '1'});
  PonDescendiente(area, 2, {.anio = "1982", .declarante = '1'});
  Calcula(area, 2);
  EXPECT_EQ(DameDouble(area->ApartadoH, 48), 0.0 + 200000.0 + 300000.0);
}

TEST(Seccion100H, DescendientesDeLaUnidadFamiliar) {
  struct Caso {
    const char* nombre;
    std::uint8_t byte0;
    std::uint8_t byte3;
    Descendiente d;
    double total;
  };
  const std::vector<Caso> casos{
      {"individual, mitad y grado a medias", 0, 0, {.anio = "1990", .grado = 70.0, .unidad = ' '}, 112500.0 + 300000.0},
      {"individual, vinculo 1 entero", 0, 0, {.anio = "1990", .grado = 40.0, .unidad = '1'}, 225000.0 + 300000.0},
      {"conjunta", 0, 1, {.anio = "1990", .grado = 70.0}, 225000.0 + 600000.0},
      {"byte 0", 1, 0, {.anio = "1998"}, 250000.0},
      {"otro byte 3: mitad sin grado", 0, 2, {.anio = "1990", .grado = 70.0, .unidad = ' '}, 112500.0},
      {"vinculo de otro valor: mitad sin grado", 0, 0, {.anio = "1990", .grado = 70.0, .unidad = 'X'}, 112500.0},
      {"clase 2 antes de 1982 cuenta con la primera exclusion en 0", 0, 1,
       {.anio = "1980", .clase = '2', .exclusion2 = 1}, 200000.0},
      {"clase 2 con la primera exclusion no cuenta", 0, 1, {.anio = "1980", .clase = '2', .exclusion1 = 1}, 0.0},
      {"desde 1982 basta la primera exclusion en 0", 0, 1, {.anio = "1985", .exclusion2 = 1}, 225000.0},
      {"desde 1982 con clase 1 y la segunda exclusion", 0, 1, {.anio = "1985", .clase = '1', .exclusion2 = 1}, 0.0},
      {"clase 1 antes de 1975 con minusvalia", 0, 1, {.anio = "1970", .grado = 33.0, .clase = '1'},
       200000.0 + 300000.0},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonByte(area->DatosFamilia, 0, caso.byte0);
    PonByte(area->DatosFamilia, 3, caso.byte3);
    PonDescendiente(area, 0, caso.d);
    Calcula(area, 2);
    EXPECT_EQ(DameDouble(area->ApartadoH, 40), caso.total) << caso.nombre;
  }
}

TEST(Seccion100H, AscendientesCompartidosYSusGrados) {
  struct Caso {
    const char* nombre;
    Ascendiente a;
    Miembros esperado;
  };
  const std::vector<Caso> casos{
      {"compartido por tres", {.anio = "1930", .declarante = '1', .personas = 3.0},
       {1.0 / 3.0 * 100000.0, 1.0 / 3.0 * 100000.0, 0.0, 0.0, 0.0}},
      {"personas 0: entero", {.anio = "1930", .conyuge = '1', .personas = 0.0}, {100000.0, 0.0, 100000.0, 0.0, 0.0}},
      {"personas 1,5: entero", {.anio = "1930", .declarante = '1', .personas = 1.5},
       {100000.0, 100000.0, 0.0, 0.0, 0.0}},
      {"grado 65", {.anio = "1950", .grado = 65.0, .declarante = '1'}, {700000.0, 700000.0, 0.0, 0.0, 0.0}},
      {"grado 33", {.anio = "1950", .grado = 33.0, .declarante = '1'}, {400000.0, 400000.0, 0.0, 0.0, 0.0}},
      {"grado 32,5: nada", {.anio = "1950", .grado = 32.5, .declarante = '1'}, {}},
      {"excluido: solo los grados", {.anio = "1930", .grado = 40.0, .declarante = '1', .exclusion = '0'},
       {300000.0, 300000.0, 0.0, 0.0, 0.0}},
      {"vinculo en blanco no cuenta para la persona", {.anio = "1930", .declarante = ' ', .conyuge = '0'},
       {100000.0, 0.0, 0.0, 0.0, 0.0}},
  };
  for (const Caso& caso : casos) {
    CAreaRenta area;
    PonAscendiente(area, 1, caso.a);
    Calcula(area, 2);
    EXPECT_EQ(DameMiembro(area->ApartadoH, 80), caso.esperado) << caso.nombre;
  }
}

TEST(Seccion100H, AscendientesSeSuman) {
  CAreaRenta area;
  PonAscendiente(area, 0, {.anio = "1930", .declarante = '1', .personas = 2.0});
  PonAscendiente(area, 2, {.anio = "1928", .grado = 70.0, .declarante = '1', .conyuge = '1'});
  PonAscendiente(area, 3, {.anio = "", .grado = 70.0, .declarante = '1'});  // no year: not taken
  Calcula(area, 2);
  EXPECT_EQ(DameMiembro(area->ApartadoH, 80), (Miembros{750000.0, 750000.0, 700000.0, 0.0, 0.0}));
}

TEST(Seccion100H, ElAnioSeLeeEnSusCuatroCaracteres) {
  CAreaRenta area;
  PonTexto(area->Identificacion, 2496 + 42, "19905");  // the fifth character belongs to the next field
  PonByte(area->Identificacion, 2496 + 58, '1');
  PonTexto(area->Identificacion, 2496 + 72 + 42, "    ");  // blank year: not taken
  PonByte(area->Identificacion, 2496 + 72 + 58, '1');
  Calcula(area, 2);
  EXPECT_EQ(DameDouble(area->ApartadoH, 48), 225000.0);
}

TEST(Seccion100H, CadaLlamadaRecalculaElTotal) {
  for (const int paso : {1, 2, 0, 7}) {
    CAreaRenta area;
    PonMiembro(area->ApartadoH, 0, {1.0, 2.0, 3.0, 4.0, 5.0});
    PonMiembro(area->ApartadoH, 40, {10.0, 20.0, 30.0, 40.0, 50.0});
    PonMiembro(area->ApartadoH, 80, {100.0, 200.0, 300.0, 400.0, 500.0});
    Calcula(area, paso);
    const Miembros total = DameMiembro(area->ApartadoH, 120);
    for (std::size_t i = 0; i < total.size(); ++i) {
      EXPECT_EQ(total[i], DameMiembro(area->ApartadoH, 0)[i] + DameMiembro(area->ApartadoH, 40)[i] +
                              DameMiembro(area->ApartadoH, 80)[i])
          << paso;
    }
    if (paso != 1) {
      EXPECT_EQ(DameMiembro(area->ApartadoH, 0), (Miembros{1.0, 2.0, 3.0, 4.0, 5.0})) << paso;
    }
    if (paso != 2) {
      EXPECT_EQ(DameMiembro(area->ApartadoH, 40), (Miembros{10.0, 20.0, 30.0, 40.0, 50.0})) << paso;
    }
  }
  // Step 2 clears the child slots of its two arrays.
  CAreaRenta area;
  PonMiembro(area->ApartadoH, 40, {0.0, 0.0, 0.0, 9.0, 9.0});
  Calcula(area, 2);
  EXPECT_EQ(DameMiembro(area->ApartadoH, 40), (Miembros{}));
}

TEST(Seccion100H, SoloEscribeSuBloque) {
  CAreaRenta area;
  PonDescendiente(area, 0, {.anio = "1990", .declarante = '1'});
  PonAscendiente(area, 0, {.anio = "1930", .declarante = '1'});
  CAreaRenta esperado = area;
  Calcula(area, 1);
  Calcula(area, 2);
  std::memcpy(&esperado->ApartadoH, &area->ApartadoH, sizeof(RegApartadoH));
  EXPECT_TRUE(area == esperado);
  Calculos100H(nullptr, &area->DatosFamilia, &area->Identificacion, 1);  // nothing to write: nothing happens
}

}  // namespace
}  // namespace ximardol
