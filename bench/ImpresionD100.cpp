// A filled D-100 printed whole to a PDF file, as the print command does (the built page tables and pictures, every
// page class of the program, the PDF417 symbols of the first page): the time of one run and, in the counter
// ms_por_hoja, the milliseconds per printed sheet. The built tables are taken from KORVELIX_DATOS_LOCAL, or else
// from datos/local beside the benchmark's build folder. The notices of the run are answered without a window.
// Bibliotecas: korvelix_d100 korvelix_income ximardol_declaracion_ejemplo
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "DeclaracionEjemplo.h"
#include "d100/PaginasD100.h"
#include "framework/BaseDatos.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/Pago.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"
#include "output/ImpresionDestino.h"

namespace {

namespace fs = std::filesystem;

fs::path CarpetaTablas() {
  if (const char* carpeta = std::getenv("KORVELIX_DATOS_LOCAL")) return carpeta;
  std::error_code ec;
  const fs::path programa = fs::read_symlink("/proc/self/exe", ec);
  return programa.parent_path().parent_path() / "datos" / "local";
}

// The declaration as shown: the page shown and the form it needs.
class CDeclaracionBanco : public renta::CDeclaracionRentaImpresion {
 public:
  using CDeclaracionRentaImpresion::CDeclaracionRentaImpresion;
  bool MuestraPagina() override { return true; }
  int ModeloNecesario(int) override { return salida::kFormularioD100; }
};

class CDocumentoBanco : public salida::CDocumentoImpresionMarco {
 public:
  using CDocumentoImpresionMarco::CDocumentoImpresionMarco;
  int ConfirmarCampoActivo() override { return 0; }
  int GuardarDeclaracion() override { return 1; }
};

class CProgresoBanco : public salida::IProgresoImpresion {
 public:
  void MostrarDocumento(std::string_view) override {}
  void MostrarPagina(std::string_view) override {}
};

// The dialog accepted, the job sent to a PDF file at 300 dots per inch.
class CInteraccionBanco : public salida::CInteraccionImpresion {
 public:
  explicit CInteraccionBanco(std::string ruta) : m_ruta(std::move(ruta)) {}
  bool PedirOpciones(salida::CInfoImpresion&) override { return true; }
  std::unique_ptr<salida::CDestinoImpresion> CrearDestino(const salida::CInfoImpresion&) override {
    return std::make_unique<salida::CDestinoPdf>(m_ruta, 300);
  }
  std::unique_ptr<salida::IProgresoImpresion> MostrarProgreso() override { return std::make_unique<CProgresoBanco>(); }
  void HabilitarVentanaPrincipal(bool) override {}
  void BombearMensajes() override {}

 private:
  std::string m_ruta;
};

class CRentaImpreBanco : public renta::CRentaImpre {
 protected:
  void MostrarAvisoFinal() override {}
};

void BM_ImprimirD100EnPdf(benchmark::State& state) {
  const fs::path red = fs::temp_directory_path() / ("korvelix_bench_imp_" + std::to_string(::getpid()));
  fs::create_directories(red);
  if (marco::AbrirBasesDatos(red.string(), CarpetaTablas().string()) != 1) {
    state.SkipWithError("no built tables (KORVELIX_DATOS_LOCAL)");
    return;
  }
  marco::PonerIdiomaV("e");
  renta::ClasesPaginasFinales();
  ordinaria::ClasesPaginasD100();
  marco::CGuionMensajes mensajes;

  auto doc = std::make_unique<renta::CRentaDoc>();
  recalculo::ejemplo::RellenaDeclaracion(doc->Datos());
  std::int32_t sujeto = marco::kSujetoDeclarante;
  doc->PonerSujetoActual(sujeto);
  marco::PublicarSujetoActual(&sujeto);
  std::memcpy(doc->EjercicioFiscal(), "1999", 5);
  std::memcpy(doc->Datos().Identificacion.octetos + 511 + 9, "12345678Z", 9);
  std::memcpy(doc->Datos().Identificacion.octetos + 556 + 15, "MARIA", 5);
  std::memcpy(doc->Datos().Identificacion.octetos + 631 + 15, "GARCIA", 6);
  doc->Datos().Identificacion.octetos[491 + 1] = 1;
  doc->Datos().Identificacion.octetos[1253 + 1] = 'x';
  doc->Calcular();
  doc->PonerTipoDec(salida::kFormularioD100);

  const std::string pdf = (red / "d100.pdf").string();
  long long hojas = 0;
  double milisegundos = 0.0;
  for (auto _ : state) {
    const auto inicio = std::chrono::steady_clock::now();
    CRentaImpreBanco vista;
    vista.PonerDeclaracion(std::make_unique<CDeclaracionBanco>(*doc));
    vista.PonerDocumentoImpresion(std::make_unique<CDocumentoBanco>(*doc));
    vista.PonerInteraccion(std::make_unique<CInteraccionBanco>(pdf));
    benchmark::DoNotOptimize(vista.Imprimir());
    milisegundos += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
    hojas += vista.HojasImpresas();
  }
  const double vueltas = static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
  state.counters["hojas"] = static_cast<double>(hojas) / vueltas;
  state.counters["ms_por_hoja"] = hojas > 0 ? milisegundos / static_cast<double>(hojas) : 0.0;

  marco::PublicarSujetoActual(nullptr);
  doc.reset();
  marco::CerrarBasesDatos();
  std::error_code ec;
  fs::remove_all(red, ec);
}
BENCHMARK(BM_ImprimirD100EnPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
