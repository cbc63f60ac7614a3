// The store of declarations under faults, as a declaration document meets them: a store another user keeps busy
// (said within seconds, as a busy store), a full disk (its own message, nothing half written) and a damaged store
// (said once, then only read: the intact declarations open, the damaged one is named, nothing is written).
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "DiscoLleno.h"
#include "ProcesoAyudante.h"
#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Registros.h"
#include "platform/TablaTexto.h"

namespace fs = std::filesystem;

namespace marco {
namespace {

constexpr int kDeclaraciones = 8;
constexpr std::size_t kLargoDatos = 61624;

std::string NombreDe(int i) { return "DECLARACION " + std::to_string(i); }
std::vector<char> DatosDe(int i) { return std::vector<char>(kLargoDatos, static_cast<char>('a' + i)); }

std::string Contenido(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

// A declaration document that keeps a data area of the stored length, and writes it with the row.
class CDocDatos : public CProg32Doc {
 public:
  int CargarDeclaracion() override {
    if (CProg32Doc::CargarDeclaracion() != 1) return 0;
    datos.assign(kLargoDatos, '\0');
    TablaDatosDec().LeerCampo("datos", datos.data(), kCampoBinario, static_cast<std::uint16_t>(datos.size()));
    return 1;
  }
  int GrabarCamposDeclaracion(CTabla& tabla) override {
    return tabla.GrabarCampo("datos", datos.data(), kCampoBinario, static_cast<std::uint16_t>(datos.size()));
  }
  std::vector<char> datos;
};

class AlmacenAveriado : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-averiado-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");
    for (const char* tabla : {"DatosDec", "Corregix"}) {
      std::ifstream f(fs::path(KORVELIX_FUENTES_RED) / (std::string(tabla) + ".txt"), std::ios::binary);
      std::stringstream texto;
      texto << f.rdbuf();
      plataforma::CFuenteTabla fuente;
      std::string error;
      ASSERT_TRUE(plataforma::LeeFuenteTabla(texto.str(), fuente, error)) << error;
      ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, m_dir / "red" / (std::string(tabla) + ".DBF"), error))
          << error;
    }
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    ASSERT_TRUE(t);
    ASSERT_TRUE(t->EmpezarLote());
    for (int i = 0; i < kDeclaraciones; ++i) {
      ASSERT_EQ(t->Anadir(), plataforma::kAnadido);
      ASSERT_TRUE(t->PonerTexto("clave", NombreDe(i)));
      ASSERT_TRUE(t->PonerEntero("tipodec", 2));
      const std::vector<char> datos = DatosDe(i);
      ASSERT_EQ(t->EscribirBinario("datos", datos), static_cast<long>(datos.size()));
    }
    ASSERT_TRUE(t->TerminarLote(true));
    t.reset();
    pruebas::CopiarTablasMensajes(m_dir / "local");
    ASSERT_EQ(AbrirBasesDatos((m_dir / "red").string(), (m_dir / "local").string()), 1);
    PonerIdiomaV("e");
  }
  void TearDown() override {
    // The record engine is the process's: what this test marked damaged is forgotten with the test's folder.
    for (const char* tabla : {"DatosDec.DBF", "Corregix.DBF"}) {
      MotorRegistros().MarcarRescate(m_dir / "red" / tabla, false);
    }
    CerrarBasesDatos();
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  fs::path DatosDec() const { return m_dir / "red" / "DatosDec.DBF"; }

  // The data area stored for declaration `i`, read past the program.
  std::vector<char> Guardados(int i) {
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    EXPECT_TRUE(t);
    if (!t || !t->PonerOrden(t->NumeroOrden("CLAVE")) || !t->Buscar(NombreDe(i))) return {};
    std::vector<char> datos(kLargoDatos + 1);
    datos.resize(static_cast<std::size_t>(std::max(0L, t->LeerBinario("datos", datos))));
    return datos;
  }

  fs::path m_dir;
};

// Another user holds a write transaction of the store (one that still lets others read, and one that does not):
// the save says so within a few seconds, with the busy-store message that offers to try again; declined, nothing
// is saved and the declaration stays changed. Once the other user is done, the save goes through.
TEST_F(AlmacenAveriado, GuardarConElAlmacenOcupadoLoDiceEnSegundos) {
  using Reloj = std::chrono::steady_clock;
  const struct {
    const char* como;
    int declaracion;
  } casos[] = {{"inmediato", 1}, {"exclusivo", 3}};
  for (const auto& [como, i] : casos) {
    SCOPED_TRACE(como);
    CDocDatos doc;
    doc.PonerClave(NombreDe(i));
    {
      CGuionMensajes sinMensajes;
      ASSERT_EQ(doc.CargarDeclaracion(), 1);
      ASSERT_TRUE(sinMensajes.Codigos().empty());
    }
    doc.datos.assign(kLargoDatos, 'Z');
    doc.Modify(true);
    {
      ::pruebas::CAyudante otro({"retener", DatosDec().string(), como});
      ASSERT_EQ(otro.Linea(), "LISTO");
      CGuionMensajes guion({kBotonCancelar}, kBotonCancelar);
      Reloj::time_point primero{};
      guion.AlMostrar([&](const SMensaje&) {
        if (primero == Reloj::time_point{}) primero = Reloj::now();
      });
      const auto inicio = Reloj::now();
      EXPECT_EQ(doc.GuardarDeclaracion(), 0);
      ASSERT_FALSE(guion.Codigos().empty());
      EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM001"}));
      EXPECT_LT(primero - inicio, std::chrono::seconds(3));
      EXPECT_TRUE(doc.IsModified());
      otro.Terminar();
    }
    EXPECT_EQ(Guardados(i), DatosDe(i));
    CGuionMensajes sinMensajes;
    EXPECT_EQ(doc.GuardarDeclaracion(), 1);
    EXPECT_TRUE(sinMensajes.Codigos().empty());
    EXPECT_EQ(Guardados(i), std::vector<char>(kLargoDatos, 'Z'));
  }
}

// A disk with no room left: the save says so with its own message (not as a missing or damaged declaration), the
// stored declaration is as it was, and the declaration stays changed so it can be saved once there is room.
TEST_F(AlmacenAveriado, GuardarEnUnDiscoLlenoLoDiceYNoDejaNadaAMedias) {
  CDocDatos doc;
  doc.PonerClave(NombreDe(2));
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  doc.datos.assign(kLargoDatos, 'Q');
  doc.Modify(true);
  {
    CGuionMensajes guion({}, kBotonCancelar);
    ::pruebas::CDiscoLleno lleno(4096);
    ASSERT_TRUE(lleno.Puesto());
    EXPECT_EQ(doc.GuardarDeclaracion(), 0);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM005"}));
  }
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Guardados(2), DatosDe(2));
  CGuionMensajes sinMensajes;
  EXPECT_EQ(doc.GuardarDeclaracion(), 1);
  EXPECT_EQ(Guardados(2), std::vector<char>(kLargoDatos, 'Q'));
}

// A page of the store overwritten with garbage: opening a declaration checks the store and says it is damaged, once,
// naming its file; from then on it is only read. The intact declarations open with their data, the one whose data
// was on that page is named and not opened; an unchanged declaration "saves" without writing (so it can be printed),
// a changed one is refused with its own message; the file is never written.
TEST_F(AlmacenAveriado, UnAlmacenDanadoSoloSeLeeYNombraLaDeclaracionDanada) {
  std::string bytes = Contenido(DatosDec());
  std::mt19937 azar(4747);
  const std::size_t pagina = bytes.size() / 4096 / 2;
  for (std::size_t i = 0; i < 4096; ++i) bytes[pagina * 4096 + i] = static_cast<char>(azar());
  { std::ofstream(DatosDec(), std::ios::binary | std::ios::trunc) << bytes; }

  CGuionMensajes guion({}, kBotonAceptar);
  int abiertas = 0;
  std::vector<int> cerradas;
  for (int i = 0; i < kDeclaraciones; ++i) {
    CDocDatos doc;
    doc.PonerClave(NombreDe(i));
    if (doc.CargarDeclaracion() != 1) {
      cerradas.push_back(i);
      continue;
    }
    ++abiertas;
    EXPECT_EQ(doc.datos, DatosDe(i)) << NombreDe(i);
    EXPECT_EQ(doc.GuardarDeclaracion(), 1) << "nothing changed: nothing to save";
    doc.Modify(true);
    EXPECT_EQ(doc.GuardarDeclaracion(), 0);
    EXPECT_TRUE(doc.IsModified());
  }
  EXPECT_EQ(abiertas, kDeclaraciones - 1);
  ASSERT_EQ(cerradas.size(), 1u);
  std::vector<std::string> esperados = {"ALM006"};
  for (int i = 0; i < abiertas; ++i) esperados.push_back("ALM008");
  esperados.insert(esperados.begin() + 1 + cerradas[0], "ALM007");
  EXPECT_EQ(guion.Codigos(), esperados);
  ASSERT_GE(guion.Mensajes().size(), 2u);
  EXPECT_EQ(guion.Mensajes()[0].extra, DatosDec().string());
  for (const SMensaje& m : guion.Mensajes()) {
    if (m.codigo == "ALM007") {
      EXPECT_EQ(m.extra, NombreDe(cerradas[0]));
    }
  }
  EXPECT_EQ(ComprobarAlmacen(DameBaseDatosRed()), 0);
  EXPECT_EQ(guion.Veces("ALM006"), 1) << "said once";
  EXPECT_TRUE(Contenido(DatosDec()) == bytes) << "the damaged store was written";
}

}  // namespace
}  // namespace marco
