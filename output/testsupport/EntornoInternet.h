// For the filing tests of both taxes: a folder of the test's own holding an empty findings table of the store's
// schema (the writer reads the findings before writing), the built local tables open and the interface in
// Castilian; and the file a writer writes there, read back as its lines. The test binary defines where the built
// tables and the store's table sources are (KORVELIX_DATOS_LOCAL, KORVELIX_FUENTES_RED).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "LineasInternet.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "output/InternetFichero.h"
#include "platform/TablaTexto.h"

namespace pruebas {

// The whole of a file (empty when it cannot be read).
inline std::string LeerFicheroEntero(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

class CPruebaInternet : public ::testing::Test {
 protected:
  // The folder `nombre` (with the process id) made anew with its findings table, the tables opened: from a
  // fixture's SetUp, which stops when this skipped the test (no built tables) or failed.
  void PrepararEntorno(std::string_view nombre) {
    m_dir = std::filesystem::temp_directory_path() / (std::string(nombre) + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    plataforma::CFuenteTabla fuente;
    std::string error;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(
        LeerFicheroEntero(std::filesystem::path(KORVELIX_FUENTES_RED) / "Corregix.txt"), fuente, error))
        << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, m_dir / "Corregix.DBF", error)) << error;
    if (marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL) != 1) GTEST_SKIP() << "no built tables";
    marco::PonerIdiomaV("e");
    marco::PonerIdiomaI("e");
  }
  bool EntornoListo() const { return !IsSkipped() && !HasFatalFailure(); }

  void TearDown() override {
    marco::CerrarBasesDatos();
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
  }

  // The file `nombre` of the folder written by `escritor` for `declaracion`, as its lines.
  std::vector<std::string> EscribirFichero(salida::CInetFichero& escritor, salida::IDeclaracionInternet& declaracion,
                                           std::string_view nombre) {
    escritor.PonerDocumento(&declaracion);
    const auto ruta = m_dir / nombre;
    std::filesystem::remove(ruta);
    EXPECT_EQ(escritor.Generar(ruta), 1) << static_cast<int>(escritor.DameResultado());
    return LineasInternet(LeerFicheroEntero(ruta));
  }

  std::filesystem::path m_dir;
  marco::CGuionMensajes m_mensajes;
};

}  // namespace pruebas
