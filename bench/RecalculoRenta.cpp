// One whole income-tax recalculation (the 69 calls of the library, through libximardol.so) on a filled declaration,
// next to a copy of the 61,624-byte data area. The counter copias_del_area is the cost of one recalculation in copies
// of the area; the goal is at most 10 (figures in docs/CALC.md).
// Bibliotecas: ximardol_recalculo ximardol_declaracion_ejemplo
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstring>
#include <memory>

#include "DeclaracionEjemplo.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

namespace {

using Reloj = std::chrono::steady_clock;

// Nanoseconds of one copy of the area, measured over many copies.
double NanosegundosPorCopia(DatosRenta& destino, const DatosRenta& origen) {
  constexpr int copias = 20000;
  const auto inicio = Reloj::now();
  for (int i = 0; i < copias; ++i) {
    std::memcpy(&destino, &origen, sizeof(DatosRenta));
    benchmark::DoNotOptimize(&destino);
    benchmark::ClobberMemory();
  }
  const std::chrono::duration<double, std::nano> transcurrido = Reloj::now() - inicio;
  return transcurrido.count() / copias;
}

void BM_CopiaArea(benchmark::State& state) {
  auto origen = std::make_unique<DatosRenta>();
  auto destino = std::make_unique<DatosRenta>();
  recalculo::ejemplo::RellenaDeclaracion(*origen);
  for (auto _ : state) {
    std::memcpy(destino.get(), origen.get(), sizeof(DatosRenta));
    benchmark::DoNotOptimize(destino.get());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(sizeof(DatosRenta)));
}
BENCHMARK(BM_CopiaArea);

void BM_RecalcularRenta(benchmark::State& state) {
  auto area = std::make_unique<DatosRenta>();
  auto copia = std::make_unique<DatosRenta>();
  recalculo::ejemplo::RellenaDeclaracion(*area);
  std::array<double, 5> importesPersona{};
  recalculo::RecalcularRenta(*area, importesPersona);  // the declaration as the program keeps it: calculated

  const double porCopia = NanosegundosPorCopia(*copia, *area);
  const auto inicio = Reloj::now();
  for (auto _ : state) {
    recalculo::RecalcularRenta(*area, importesPersona);
    benchmark::DoNotOptimize(area.get());
    benchmark::ClobberMemory();
  }
  const std::chrono::duration<double, std::nano> transcurrido = Reloj::now() - inicio;
  const double porRecalculo = transcurrido.count() / static_cast<double>(state.iterations());
  state.counters["copias_del_area"] = porCopia > 0.0 ? porRecalculo / porCopia : 0.0;
}
BENCHMARK(BM_RecalcularRenta);

}  // namespace

BENCHMARK_MAIN();
