// Declarations printed whole to a PDF file, as the print command does: the built page tables and the page pictures
// (read from the folder the program reads them from), every page class of the program, the PDF417 symbols of the
// first page. One benchmark per form: a filled D-100, the same data printed as a D-101, and a D-714 with a value in
// every amount box of its pages. Each reports the time of one run and, in the counter ms_por_hoja, the milliseconds
// per printed sheet. Any message raised during a run (a missing picture, a page that cannot be made) fails that
// benchmark and the program's exit status; the notices of the run are answered without a window.
// The built tables are taken from KORVELIX_DATOS_LOCAL, or else from datos/local beside the benchmark's build
// folder.
// Bibliotecas: korvelix_d100 korvelix_income korvelix_wealth ximardol_declaracion_ejemplo
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "DeclaracionEjemplo.h"
#include "d100/PaginasD100.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/Pago.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"
#include "income/SIM001.h"
#include "income/SIM002.h"
#include "income/SIM003.h"
#include "income/SIM004.h"
#include "output/ImpresionDestino.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Impre.h"

namespace {

namespace fs = std::filesystem;

// Set when a benchmark failed: the program then ends with status 1.
bool gFallo = false;

fs::path CarpetaTablas() {
  if (const char* carpeta = std::getenv("KORVELIX_DATOS_LOCAL")) return carpeta;
  std::error_code ec;
  const fs::path programa = fs::read_symlink("/proc/self/exe", ec);
  return programa.parent_path().parent_path() / "datos" / "local";
}

// The declaration as shown: the page shown and the form it needs.
class CDeclaracionBanco : public renta::CDeclaracionRentaImpresion {
 public:
  CDeclaracionBanco(renta::CRentaDoc& doc, int formulario) : CDeclaracionRentaImpresion(doc), m_nFormulario(formulario) {}
  bool MuestraPagina() override { return true; }
  int ModeloNecesario(int) override { return m_nFormulario; }

 private:
  int m_nFormulario;
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

class C714ImpreBanco : public patrimonio::C714Impre {
 protected:
  void MostrarAvisoFinal() override {}
};

// The program's tables and pictures for one benchmark; false (the benchmark skipped with the reason) when they are
// not there.
class CEntornoBanco {
 public:
  explicit CEntornoBanco(benchmark::State& state)
      : m_red(fs::temp_directory_path() / ("korvelix_bench_imp_" + std::to_string(::getpid()))) {
    fs::create_directories(m_red);
    const fs::path tablas = CarpetaTablas();
    if (marco::AbrirBasesDatos(m_red.string(), tablas.string()) != 1) {
      state.SkipWithError("no built tables (KORVELIX_DATOS_LOCAL)");
      gFallo = true;
      return;
    }
    m_bAbiertas = true;
    marco::PonerIdiomaV("e");
    marco::PonerIdiomaI("e");
    // The page pictures are read from the program's base folder, as the program reads them.
    marco::PonerDirBase(tablas.string() + "/");
    renta::ClasesPaginasFinales();
    ordinaria::ClasesPaginasD100();
    for (wxClassInfo* clase : {renta::ClasePaginaSIM001(), renta::ClasePaginaSIM002(), renta::ClasePaginaSIM003(),
                               renta::ClasePaginaSIM004()}) {
      benchmark::DoNotOptimize(clase);
    }
  }
  ~CEntornoBanco() {
    marco::PonerDirBase("");
    if (m_bAbiertas) marco::CerrarBasesDatos();
    std::error_code ec;
    fs::remove_all(m_red, ec);
  }
  CEntornoBanco(const CEntornoBanco&) = delete;
  CEntornoBanco& operator=(const CEntornoBanco&) = delete;

  bool Abiertas() const { return m_bAbiertas; }
  std::string Pdf(const std::string& nombre) const { return (m_red / nombre).string(); }

 private:
  fs::path m_red;
  bool m_bAbiertas = false;
};

// Runs `imprimir` (one whole print run; it gives the sheets printed) for every iteration and reports the time per
// sheet; a message raised fails the benchmark.
void Medir(benchmark::State& state, marco::CGuionMensajes& mensajes, const std::function<long long()>& imprimir) {
  long long hojas = 0;
  double milisegundos = 0.0;
  for (auto _ : state) {
    const auto inicio = std::chrono::steady_clock::now();
    hojas += imprimir();
    milisegundos += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
  }
  if (!mensajes.Codigos().empty()) {
    std::string codigos;
    for (const std::string& c : mensajes.Codigos()) {
      if (codigos.find(c) == std::string::npos) codigos += (codigos.empty() ? "" : " ") + c;
    }
    state.SkipWithError(("the run raised messages: " + codigos).c_str());
    gFallo = true;
    return;
  }
  if (hojas == 0) {
    state.SkipWithError("nothing was printed");
    gFallo = true;
    return;
  }
  const double vueltas = static_cast<double>(std::max<benchmark::IterationCount>(1, state.iterations()));
  state.counters["hojas"] = static_cast<double>(hojas) / vueltas;
  state.counters["ms_por_hoja"] = milisegundos / static_cast<double>(hojas);
}

void ImprimirRenta(benchmark::State& state, int formulario) {
  CEntornoBanco entorno(state);
  if (!entorno.Abiertas()) return;
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
  doc->PonerTipoDec(static_cast<std::uint8_t>(formulario));

  const std::string pdf = entorno.Pdf(formulario == salida::kFormularioD100 ? "d100.pdf" : "d101.pdf");
  Medir(state, mensajes, [&] {
    CRentaImpreBanco vista;
    vista.PonerDeclaracion(std::make_unique<CDeclaracionBanco>(*doc, formulario));
    vista.PonerDocumentoImpresion(std::make_unique<CDocumentoBanco>(*doc));
    vista.PonerInteraccion(std::make_unique<CInteraccionBanco>(pdf));
    benchmark::DoNotOptimize(vista.Imprimir());
    return static_cast<long long>(vista.HojasImpresas());
  });
  marco::PublicarSujetoActual(nullptr);
}

void BM_ImprimirD100EnPdf(benchmark::State& state) { ImprimirRenta(state, salida::kFormularioD100); }
void BM_ImprimirD101EnPdf(benchmark::State& state) { ImprimirRenta(state, salida::kFormularioD101); }

// A D-714 with its personal data and a value in every amount box its pages bind to the declaration.
void RellenarPatrimonio(patrimonio::C714Doc& doc) {
  auto& p = doc.Datos().PatDatosPersonales.octetos;
  std::memcpy(p + 1, "71419990000000012345", 20);
  std::memcpy(p + 127, "12345678Z", 9);
  std::memcpy(p + 137, "GARCIA PEREZ", 12);
  patrimonio::CDeclaracion714Impresion declaracion(doc);
  auto* area = reinterpret_cast<unsigned char*>(&doc.Datos());
  for (int pagina = 2; pagina <= 8; ++pagina) {
    std::unique_ptr<marco::CControlesPagina> campos = declaracion.CrearCampos(pagina);
    if (!campos) continue;
    for (int i = 0; i < campos->NumeroCampos(); ++i) {
      marco::CCampo* campo = campos->Campo(i);
      auto* dato = campo != nullptr ? static_cast<unsigned char*>(campo->Dato) : nullptr;
      if (dato == nullptr || dato < area || dato >= area + sizeof(DatosPatrimonio) || campo->SoloLectur != 0) continue;
      const char letra = campo->Letra();
      if (letra != 'F' && letra != 'R') continue;
      const double valor = 100000.0 * (i + 1);
      std::memcpy(dato, &valor, sizeof valor);
    }
  }
  doc.Calcular(1);
}

void BM_ImprimirD714EnPdf(benchmark::State& state) {
  CEntornoBanco entorno(state);
  if (!entorno.Abiertas()) return;
  marco::CGuionMensajes mensajes;
  auto doc = std::make_unique<patrimonio::C714Doc>();
  doc->PonerTipoDec(3);
  std::memcpy(doc->EjercicioFiscal(), "1999", 5);
  RellenarPatrimonio(*doc);

  const std::string pdf = entorno.Pdf("d714.pdf");
  Medir(state, mensajes, [&] {
    C714ImpreBanco vista;
    vista.PonerDeclaracion(std::make_unique<patrimonio::CDeclaracion714Impresion>(*doc));
    vista.PonerDocumentoImpresion(std::make_unique<CDocumentoBanco>(*doc));
    vista.PonerInteraccion(std::make_unique<CInteraccionBanco>(pdf));
    benchmark::DoNotOptimize(vista.Imprimir());
    return static_cast<long long>(vista.HojasImpresas());
  });
}

BENCHMARK(BM_ImprimirD100EnPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImprimirD101EnPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ImprimirD714EnPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return gFallo ? 1 : 0;
}
