// What the tests of pages 3 and 4 share: the local database the build makes (box tables, pictures, messages), a
// data area with its header texts, and a table of the library's exports that records the section calls.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/DocumentoServicios.h"
#include "framework/ServiciosAplicacion.h"
#include "income/SIM003.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

namespace pruebassim {

// The section calls made through the recording table: "E1 1", "F1 -1", "M 3"...
inline std::vector<std::string>& Llamadas() {
  static std::vector<std::string> llamadas;
  return llamadas;
}

inline const recalculo::FuncionesRenta& FuncionesAnotadas() {
  static const recalculo::FuncionesRenta tabla = [] {
    recalculo::FuncionesRenta f = recalculo::FuncionesRentaBiblioteca();
    f.E1 = [](RegApartadoE1*, RegApartadoE2*, RegApartadoE3*, RegApartadoE4*, RegApartadoE5*, RegBaseImponible*,
              RegResultados*, RegLiquidacion*, int n) {
      Llamadas().push_back("E1 " + std::to_string(n));
      return 0;
    };
    f.F1 = [](RegApartadoF1*, int n) {
      Llamadas().push_back("F1 " + std::to_string(n));
      return 0;
    };
    f.F4 = [](RegApartadoF4*, RegApartadoF1*, RegApartadoF2*, RegApartadoL*, RegBaseImponible*,
              RegRendCapMobiliario*, RegApartadoF3*, int n) {
      Llamadas().push_back("F4 " + std::to_string(n));
      return 0;
    };
    f.M = [](RegApartadoM*, RegApartadoK*, RegLiquidacion*, RegResultados*, RegRendCapMobiliario*, RegApartadoE2*,
             int n) {
      Llamadas().push_back("M " + std::to_string(n));
      return 0;
    };
    return f;
  }();
  return tabla;
}

inline double LeerDoble(const DatosRenta& d, std::size_t desp) {
  double v = 0;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&d) + desp, sizeof v);
  return v;
}

inline void EscribirDoble(DatosRenta& d, std::size_t desp, double v) {
  std::memcpy(reinterpret_cast<unsigned char*>(&d) + desp, &v, sizeof v);
}

inline unsigned char* Octeto(DatosRenta& d, std::size_t desp) { return reinterpret_cast<unsigned char*>(&d) + desp; }

// The local database of the build (the page tables and the messages), the person shown published.
class PaginaRentaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = std::filesystem::temp_directory_path() /
            ("korvelix-sim-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    std::filesystem::create_directories(m_dir);
    ASSERT_EQ(marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    m_datos = std::make_unique<DatosRenta>();
    std::memset(m_datos.get(), 0, sizeof(DatosRenta));
    m_sujeto = marco::kSujetoUnidadFamiliar;
    m_presentes = {1, 1, 0, 0, 0};
    marco::PublicarSujetoActual(&m_sujeto);
    marco::PublicarSujetosPresentes(m_presentes.data());
    Llamadas().clear();
  }
  void TearDown() override {
    marco::PublicarSujetoActual(nullptr);
    marco::PublicarSujetosPresentes(nullptr);
    marco::CerrarBasesDatos();
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
  }
  renta::SCabeceraPagina Cabecera() { return {m_nif, m_nombre, m_ejemplar}; }

  std::filesystem::path m_dir;
  std::unique_ptr<DatosRenta> m_datos;
  std::int32_t m_sujeto = 1;
  std::array<std::int32_t, 5> m_presentes{};
  char m_nif[10] = "12345678Z";
  char m_nombre[41] = "PRUEBA PRUEBA, ANA";
  char m_ejemplar[41] = "EJEMPLAR PARA EL INTERESADO";
};

}  // namespace pruebassim
