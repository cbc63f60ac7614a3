// The compressed frame of the bar-code data: pieces of 4,096 characters, the header, the handling of the counts
// the compression call gives, and the failures that show "PDF002".
#include "output/CodigoBarrasDatos.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "framework/MensajeGuion.h"

using namespace salida;

namespace {

constexpr std::string_view kPrefijo = "1001999  1";
constexpr std::string_view kNif = "12345678Z";

// A record as the builder makes it: fixed fields of digits, letters and blanks.
std::string Registro(std::size_t n) {
  std::string s;
  for (int i = 0; s.size() < n; ++i) {
    s += "1001999  1" + std::string(kNif) + "N000000" + std::to_string(100000 + i * 37) + "GARCIA LOPEZ JUAN     ";
  }
  s.resize(n);
  return s;
}

std::string Texto(std::span<const std::uint8_t> bytes, std::size_t desde, std::size_t n) {
  return std::string(reinterpret_cast<const char*>(bytes.data()) + desde, n);
}

class Trama : public ::testing::Test {
 protected:
  CCodigoBarrasDatos Datos(FuncionComprimir f = {}) {
    CCodigoBarrasDatos d(std::move(f));
    d.PonerPrefijo(kPrefijo);
    d.PonerIdentificador(kNif);
    return d;
  }
  marco::CGuionMensajes guion_;
};

TEST_F(Trama, PiezasDe4096YVueltaAtras) {
  for (const auto& [longitud, piezas] : std::vector<std::pair<std::size_t, int>>{{1, 1}, {4096, 1}, {4097, 2},
                                                                                  {9703, 3}}) {
    SCOPED_TRACE(longitud);
    auto d = Datos();
    const std::string registro = Registro(longitud);
    ASSERT_EQ(d.ComprimirCodigoBarras(registro), 1);
    EXPECT_EQ(d.NumeroPiezas(), piezas);
    EXPECT_EQ(d.CopiaRegistro(), registro);
    const auto trama = d.DatosTrama();
    EXPECT_EQ(Texto(trama, 0, 10), kPrefijo);
    std::string longitudTexto = std::to_string(trama.size());
    longitudTexto.insert(0, 6 - longitudTexto.size(), '0');
    EXPECT_EQ(Texto(trama, 10, 6), longitudTexto);
    EXPECT_EQ(Texto(trama, 16, 9), kNif);
    EXPECT_EQ(Texto(trama, 25, 2), "0" + std::to_string(piezas));
    const auto leida = LeerTrama(trama);
    ASSERT_TRUE(leida.has_value());
    EXPECT_EQ(leida->piezas.size(), static_cast<std::size_t>(piezas));
    EXPECT_EQ(RecuperarRegistro(trama), registro);
  }
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(Trama, CabeceraDeUnaPiezaDeMilBytes) {
  auto d = Datos([](std::string_view formulario, std::string_view, std::span<std::uint8_t> salida) {
    EXPECT_EQ(formulario, "1001999   ");
    if (salida.size() < 1000) return 1000;
    std::memset(salida.data(), 'Z', 1000);
    return 1000;
  });
  ASSERT_EQ(d.ComprimirCodigoBarras(Registro(2000)), 1);
  const auto trama = d.DatosTrama();
  ASSERT_EQ(trama.size(), 1033u);
  EXPECT_EQ(Texto(trama, 0, 33), "1001999  1001033" "12345678Z01" "001000");
  EXPECT_EQ(Texto(trama, 33, 1000), std::string(1000, 'Z'));
}

TEST_F(Trama, SinIdentificadorOPrefijoSeRehusaAntesDeComprimir) {
  int llamadas = 0;
  const FuncionComprimir contar = [&](std::string_view, std::string_view, std::span<std::uint8_t>) {
    ++llamadas;
    return 1;
  };
  auto sinNif = Datos(contar);
  sinNif.PonerIdentificador("         ");
  EXPECT_EQ(sinNif.ComprimirCodigoBarras("ABC"), 0);
  auto sinPrefijo = Datos(contar);
  sinPrefijo.PonerPrefijo("");
  EXPECT_EQ(sinPrefijo.ComprimirCodigoBarras("ABC"), 0);
  EXPECT_EQ(llamadas, 0);
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"PDF002", "PDF002"}));
  EXPECT_EQ(guion_.Mensajes()[0].icono, marco::IconoMano);
}

TEST_F(Trama, RegistroVacioSinMensaje) {
  auto d = Datos();
  EXPECT_EQ(d.ComprimirCodigoBarras(""), 0);
  EXPECT_EQ(d.ComprimirCodigoBarras(std::string_view("\0ABC", 4)), 0);  // the record ends at its NUL
  EXPECT_TRUE(guion_.Codigos().empty());
}

// A compressor that asks for more room: its answers in turn, and the buffer sizes it was given.
struct CCompresorGuion {
  std::vector<int> cuentas;
  std::vector<std::size_t> tamanos;
  FuncionComprimir Funcion() {
    return [this](std::string_view, std::string_view, std::span<std::uint8_t> salida) {
      tamanos.push_back(salida.size());
      const int cuenta = cuentas.at(tamanos.size() - 1);
      if (cuenta > 0 && static_cast<std::size_t>(cuenta) <= salida.size()) {
        std::memset(salida.data(), 'c', static_cast<std::size_t>(cuenta));
      }
      return cuenta;
    };
  }
};

TEST_F(Trama, CuentasDelCompresor) {
  struct CCaso {
    const char* nombre;
    std::vector<int> cuentas;
    std::vector<std::size_t> tamanos;  // buffers handed over
    int resultado;
  };
  const std::vector<CCaso> casos{
      {"cabe a la primera", {700}, {4096}, 1},
      {"pide mas y cabe en ese tamano", {5000, 4200}, {4096, 5000}, 1},
      {"pide mas y vuelve a pedir mas", {5000, 6000}, {4096, 5000}, 0},
      {"sin tamano: se repite con el mismo", {-1, 300}, {4096, 4096}, 1},
      {"negativo cualquiera: el mismo tamano", {-7, 300}, {4096, 4096}, 1},
      {"cero falla", {0}, {4096}, 0},
      {"negativo en el segundo intento", {5000, -1}, {4096, 5000}, 0},
  };
  for (const CCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CCompresorGuion compresor{c.cuentas, {}};
    auto d = Datos(compresor.Funcion());
    EXPECT_EQ(d.ComprimirCodigoBarras(Registro(4096)), c.resultado);
    EXPECT_EQ(compresor.tamanos, c.tamanos);
    if (c.resultado == 1) {
      EXPECT_EQ(d.NumeroPiezas(), 1);
      EXPECT_EQ(LeerTrama(d.DatosTrama())->piezas.at(0).size(),
                static_cast<std::size_t>(c.cuentas.back()));
    } else {
      // The header keeps its placeholders.
      EXPECT_EQ(Texto(d.DatosTrama(), 10, 6), "000000");
      EXPECT_EQ(Texto(d.DatosTrama(), 25, 2), "00");
    }
  }
  EXPECT_EQ(guion_.Veces("PDF002"), 3);
}

TEST_F(Trama, RegistroDemasiadoLargoParaLaCabecera) {
  int llamadas = 0;
  auto d = Datos([&](std::string_view, std::string_view, std::span<std::uint8_t>) { return ++llamadas, 10; });
  EXPECT_EQ(d.ComprimirCodigoBarras(std::string(100 * 4096, 'A')), 0);  // 100 pieces: the header counts 99
  EXPECT_EQ(llamadas, 0);
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"PDF002"});
}

TEST_F(Trama, IdentificadorDeLaPersona) {
  std::vector<std::uint8_t> area(61624, ' ');
  std::memcpy(area.data() + 1063 + 9 * 2, "87654321X", 9);  // the spouse, person 3
  CCodigoBarrasDatos d;
  EXPECT_TRUE(d.PonerIdentificadorDePersona(area, 3));
  EXPECT_EQ(d.DameIdentificador(), "87654321X");
  EXPECT_FALSE(d.PonerIdentificadorDePersona(area, 6));
  EXPECT_FALSE(d.PonerIdentificadorDePersona(std::span(area).first(1100), 5));
  EXPECT_EQ(d.DameIdentificador(), "87654321X");
}

TEST(TramaLectura, RechazaTramasQueNoCuadran) {
  CCodigoBarrasDatos d;
  d.PonerPrefijo(kPrefijo);
  d.PonerIdentificador(kNif);
  ASSERT_EQ(d.ComprimirCodigoBarras(Registro(5000)), 1);
  std::vector<std::uint8_t> trama(d.DatosTrama().begin(), d.DatosTrama().end());
  EXPECT_TRUE(LeerTrama(trama).has_value());
  EXPECT_FALSE(LeerTrama(std::span(trama).first(trama.size() - 1)).has_value());
  auto mal = trama;
  mal[26] = '3';  // three pieces announced, two present
  EXPECT_FALSE(LeerTrama(mal).has_value());
  mal = trama;
  mal[trama.size() - 3] ^= 0x55;  // a damaged piece
  EXPECT_FALSE(RecuperarRegistro(mal).has_value());
}

}  // namespace
