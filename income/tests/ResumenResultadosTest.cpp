// The summary of individual against joint filing: the figures it reads from the results block, their sum, the
// cheaper choice, and the lines the window shows.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "framework/DocumentoServicios.h"
#include "income/ResumenResultados.h"

namespace renta {
namespace {

// A results block whose three arrays hold, slot by slot, the given quotas, payments and results.
DatosRenta Resultados(const std::array<double, 5>& cuotas, const std::array<double, 5>& pagos,
                      const std::array<double, 5>& resultados) {
  DatosRenta d{};
  std::memcpy(d.Resultados.octetos + kDespCuotaTrasDeducciones, cuotas.data(), sizeof cuotas);
  std::memcpy(d.Resultados.octetos + kDespRetencionesYPagos, pagos.data(), sizeof pagos);
  std::memcpy(d.Resultados.octetos + kDespResultadoDeclaracion, resultados.data(), sizeof resultados);
  return d;
}

constexpr std::array<std::int32_t, 5> kMatrimonio{1, 1, 1, 0, 0};
constexpr std::array<std::int32_t, 5> kMatrimonioConHijos{1, 1, 1, 1, 1};

TEST(ResumenResultados, CadaMiembroSuSumaYLaConjunta) {
  // The trial of the family: 695,107 and 228,600 of tax against 1,110,260 jointly.
  const DatosRenta d = Resultados({1110260, 695107, 228600, 0, 0}, {900000, 600000, 300000, 0, 0},
                                  {210260, 95107, -71400, 0, 0});
  const SResumenDeclaraciones r = ResumirDeclaraciones(d, kMatrimonio);
  ASSERT_EQ(r.individuales.size(), 2u);
  EXPECT_EQ(r.individuales[0].sujeto, marco::kSujetoDeclarante);
  EXPECT_EQ(r.individuales[0].cifras, (SCifrasDeclaracion{695107, 600000, 95107}));
  EXPECT_EQ(r.individuales[1].sujeto, marco::kSujetoConyuge);
  EXPECT_EQ(r.individuales[1].cifras, (SCifrasDeclaracion{228600, 300000, -71400}));
  EXPECT_EQ(r.sumaIndividuales, (SCifrasDeclaracion{923707, 900000, 23707}));
  EXPECT_EQ(r.conjunta, (SCifrasDeclaracion{1110260, 900000, 210260}));
  EXPECT_EQ(r.masBarata, EOpcionMasBarata::Individuales);
  EXPECT_EQ(r.diferencia, 186553.0);

  // The children present have their rows too (declarant, spouse, first child, second child, in that order).
  EXPECT_EQ(ResumirDeclaraciones(d, kMatrimonioConHijos).individuales.size(), 4u);
}

TEST(ResumenResultados, LaOpcionMasBarata) {
  const struct {
    const char* caso;
    std::array<double, 5> resultados;
    EOpcionMasBarata esperada;
    double diferencia;
  } casos[] = {
      {"la conjunta paga menos", {100000, 80000, 40000, 0, 0}, EOpcionMasBarata::Conjunta, 20000},
      {"las individuales devuelven mas", {-10000, -8000, -4000, 0, 0}, EOpcionMasBarata::Individuales, 2000},
      {"iguales", {50000, 30000, 20000, 0, 0}, EOpcionMasBarata::Igual, 0},
      // Sums of doubles that differ by less than a cent are the same result.
      {"iguales al centimo", {0.3, 0.1, 0.2, 0, 0}, EOpcionMasBarata::Igual, 0},
      {"un centimo", {100.01, 50, 50, 0, 0}, EOpcionMasBarata::Individuales, 0.01},
  };
  for (const auto& c : casos) {
    const SResumenDeclaraciones r = ResumirDeclaraciones(Resultados({}, {}, c.resultados), kMatrimonio);
    EXPECT_EQ(r.masBarata, c.esperada) << c.caso;
    EXPECT_DOUBLE_EQ(r.diferencia, c.diferencia) << c.caso;
  }
}

TEST(ResumenResultados, LasLineasDelResumen) {
  const DatosRenta d = Resultados({1110260, 695107, 228600, 0, 0}, {900000, 600000, 300000, 0, 0},
                                  {210260, 95107, -71400, 0, 0});
  std::vector<std::string_view> pedidos;
  const auto texto = [&pedidos](std::string_view t) {
    pedidos.push_back(t);
    return std::string(t);
  };
  const std::vector<std::string> lineas = LineasResumen(ResumirDeclaraciones(d, kMatrimonio), 0, false, texto);
  const std::vector<std::string> esperadas = {
      "Importes en pesetas",
      "",
      "                                             Cuota   Retenciones y pagos   Resultado",
      "Declarante                                 695.107               600.000      95.107",
      "C\xF3nyuge                                    228.600               300.000     -71.400",
      "------------------------------------------------------------------------------------",
      "Suma de las declaraciones individuales     923.707               900.000      23.707",
      "Declaraci\xF3n conjunta                     1.110.260               900.000     210.260",
      "",
      "Las declaraciones individuales cuestan 186.553 menos que la conjunta.",
  };
  EXPECT_EQ(lineas, esperadas);
  // Every fixed text went through the translation.
  EXPECT_NE(std::find(pedidos.begin(), pedidos.end(), "Suma de las declaraciones individuales"), pedidos.end());
  // In euros, two decimals; a translation that is longer widens its column.
  const std::vector<std::string> euros = LineasResumen(
      ResumirDeclaraciones(Resultados({100.5, 100.5, 0, 0, 0}, {}, {100.5, 50.25, 60.25, 0, 0}), kMatrimonio), 2, true,
      [](std::string_view t) { return t == "Cuota" ? std::string("Quota resultant") : std::string(t); });
  EXPECT_EQ(euros.front(), "Importes en euros");
  EXPECT_EQ(euros[2].substr(euros[2].find("Quota resultant")), "Quota resultant   Retenciones y pagos   Resultado");
  EXPECT_EQ(euros.back(), "La declaraci\xF3n conjunta cuesta 10,00 menos que las individuales.");
}

}  // namespace
}  // namespace renta
