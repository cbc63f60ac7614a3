// The record engine: find one stored declaration by its key and read its 61,624-byte data area, among 50.
// Bibliotecas: korvelix_platform
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registros.h"

namespace fs = std::filesystem;
using plataforma::CTablaRegistros;

namespace {

constexpr std::size_t kTamDatos = 61624;
constexpr int kDeclaraciones = 50;

std::string Clave(int i) {
  std::string c = "DECL" + std::to_string(1000 + i);
  return c + std::string(50 - c.size(), ' ');
}

// A table of 50 declarations in a folder of its own, removed when the benchmark ends.
class CAlmacen {
 public:
  CAlmacen() {
    carpeta_ = fs::temp_directory_path() / ("bench-registros-" + std::to_string(::getpid()));
    fs::remove_all(carpeta_);
    fs::create_directories(carpeta_);
    const auto ruta = carpeta_ / "DatosDec.DBF";
    CTablaRegistros::Crear(ruta, {{"clave", 'C', 50, 0}, {"tipodec", 'N', 2, 0}, {"datos", 'B', 0, 0}},
                           {{"CLAVE", "clave", 0}});
    tabla_ = CTablaRegistros::Abrir(ruta);
    std::vector<char> datos(kTamDatos);
    for (int i = 0; i < kDeclaraciones; ++i) {
      for (std::size_t j = 0; j < datos.size(); ++j) datos[j] = static_cast<char>((i + j) & 0xff);
      tabla_->Anadir();
      tabla_->PonerTexto("clave", Clave(i));
      tabla_->PonerEntero("tipodec", i % 4);
      tabla_->EscribirBinario("datos", datos);
      tabla_->DesbloquearTodo();
    }
    tabla_->PonerOrden(1);
  }
  ~CAlmacen() {
    tabla_.reset();
    std::error_code ec;
    fs::remove_all(carpeta_, ec);
  }
  CTablaRegistros& Tabla() { return *tabla_; }

 private:
  fs::path carpeta_;
  std::unique_ptr<CTablaRegistros> tabla_;
};

void BuscarYLeerDeclaracion(benchmark::State& estado) {
  CAlmacen almacen;
  CTablaRegistros& t = almacen.Tabla();
  std::vector<char> buffer(kTamDatos);
  int i = 0;
  for (auto _ : estado) {
    const bool hallada = t.Buscar(Clave(i));
    const long leidos = t.LeerBinario("datos", buffer);
    benchmark::DoNotOptimize(hallada);
    benchmark::DoNotOptimize(leidos);
    benchmark::DoNotOptimize(buffer.data());
    if (!hallada || leidos != static_cast<long>(kTamDatos)) estado.SkipWithError("declaración no leída");
    i = (i + 17) % kDeclaraciones;
  }
  estado.SetBytesProcessed(static_cast<int64_t>(estado.iterations()) * static_cast<int64_t>(kTamDatos));
}
BENCHMARK(BuscarYLeerDeclaracion);

}  // namespace

BENCHMARK_MAIN();
