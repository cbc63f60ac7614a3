// The wealth-tax bar-code record on fixture areas: the 124-character head field by field, the order of the 42
// amounts, the declarant kind, the amounts that stop the record, and the frame's prefix and identifier.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../../calc/tests/support/AreaPrueba.h"
#include "framework/MensajeGuion.h"
#include "output/CodigoBarrasDatos.h"
#include "output/Registro714.h"

using namespace salida;
using ximardol::pruebas::CAreaPatrimonio;
using ximardol::pruebas::PonByte;
using ximardol::pruebas::PonDouble;
using ximardol::pruebas::PonTexto;

namespace {

constexpr std::size_t kImportes = 124;

SVistaRegistro714 Vista() { return SVistaRegistro714{"1999", 'W', 'v'}; }

std::string Importe15(long valor) {
  std::string digitos = std::to_string(valor < 0 ? -valor : valor);
  if (valor < 0) return "N" + std::string(14 - digitos.size(), '0') + digitos;
  return std::string(15 - digitos.size(), '0') + digitos;
}

TEST(Registro714, CabeceraCampoACampo) {
  CAreaPatrimonio area;
  RegPatDatosPersonales& p = area->PatDatosPersonales;
  PonTexto(p, 0x01, "ABCDEFGHIJKLMNOPQRST");
  PonTexto(p, 0x15, "ES0001A.B.C. 12345678Z");
  PonTexto(p, 0x51, "AB");
  PonTexto(p, 0x67, "CDE");
  PonByte(p, 0x7E, 2);
  PonTexto(p, 0x7F, "12345678Z");
  PonTexto(p, 0x89, "\xC1LVAREZ" + std::string(23, ' '));
  PonTexto(p, 0xA8, "JOSE" + std::string(11, ' '));
  PonByte(p, 0x1CE, 1);
  PonTexto(p, 0x1D0, "XYZ");
  PonByte(p, 0x1E6, 1);

  const std::string registro = DatosCodigoBarras714(*area, Vista());
  ASSERT_EQ(registro.size(), kLongitudRegistro714);
  const std::string nombre = "\xC1LVAREZ JOSE" + std::string(28, ' ');  // joined, blanks compacted, not folded
  EXPECT_EQ(registro.substr(0, kImportes),
            "17141999ABCDE000000000000000000F"
            "       ABC 12345678Z"
            "WV"
            "ABCDEFGHIJKLN"
            "12345678Z"
            "ALV" +
                nombre +
                "XY"
                "4"
                "1"
                "0");
  EXPECT_EQ(registro.substr(kImportes), std::string(42 * 15, '0'));
}

TEST(Registro714, ImportesEnSuOrden) {
  struct SCaso {
    std::size_t desplazamiento;  // in the data area
    double valor;
    std::size_t indice;  // of the 42 amounts
    std::string esperado;
  };
  constexpr std::size_t kResumen = 21976, kDI = 7344;
  for (const SCaso& c : std::vector<SCaso>{{kResumen + 0x00, 1, 0, Importe15(1)},
                                           {kResumen + 0xC0, 4, 3, Importe15(4)},
                                           {kResumen + 0x18, 5, 4, Importe15(5)},
                                           {kResumen + 0xC8, -5, 11, "N00000000000005"},
                                           {kResumen + 0x50, 7, 13, Importe15(7)},
                                           {kResumen + 0x118, 8, 27, Importe15(8)},
                                           {kResumen + 0x1E0, 9, 35, Importe15(9)},
                                           {kResumen + 0x200, 999999999999999.0, 39, "999999999999999"},
                                           {kDI + 0x10, -99999999999999.0, 40, "N99999999999999"},
                                           {kResumen + 0x190, 1.23, 41, Importe15(123)}}) {
    SCOPED_TRACE(c.indice);
    CAreaPatrimonio area;
    PonDouble(*area, kResumen + 0x1D8, 66);  // not carried
    PonDouble(*area, c.desplazamiento, c.valor);
    const std::string registro = DatosCodigoBarras714(*area, Vista());
    ASSERT_EQ(registro.size(), kLongitudRegistro714);
    std::string esperado(42 * 15, '0');
    esperado.replace(c.indice * 15, 15, c.esperado);
    EXPECT_EQ(registro.substr(kImportes), esperado);
  }
}

TEST(Registro714, ClaseDeDeclarante) {
  struct SCaso {
    std::uint8_t a, b, c;
    char clase;
  };
  for (const SCaso& c :
       std::vector<SCaso>{{1, 1, 0, '3'}, {0, 0, 0, '0'}, {0, 0, 1, '5'}, {0, 1, 1, '4'}, {2, 0, 1, '5'}}) {
    CAreaPatrimonio area;
    PonByte(area->PatDatosPersonales, 0x1CD, c.a);
    PonByte(area->PatDatosPersonales, 0x1CE, c.b);
    PonByte(area->PatDatosPersonales, 0x1CF, c.c);
    EXPECT_EQ(DatosCodigoBarras714(*area, Vista())[121], c.clase) << c.clase;
  }
}

TEST(Registro714, UnImporteQueNoCabeDetieneElRegistro) {
  constexpr std::size_t kResumen = 21976, kDI = 7344;
  for (const auto& [desplazamiento, valor] : std::vector<std::pair<std::size_t, double>>{
           {kResumen + 0x08, 1e15}, {kResumen + 0x1F8, -1e14}, {kDI + 0x10, std::nan("")}, {kResumen + 0x190, 1e13}}) {
    CAreaPatrimonio area;
    PonDouble(*area, desplazamiento, valor);
    EXPECT_EQ(DatosCodigoBarras714(*area, Vista()), "") << desplazamiento;
  }
}

// A short text that is not blank-padded leaves blanks in its field: the record keeps its length and its layout.
TEST(Registro714, TextoConNulNoAcortaElRegistro) {
  CAreaPatrimonio area;
  PonTexto(area->PatDatosPersonales, 0x51, "A");
  PonTexto(area->PatDatosPersonales, 0x68, "BC");
  PonTexto(area->PatDatosPersonales, 0x01, "ABC");
  PonDouble(area->PatResumen, 0, 3);
  const std::string registro = DatosCodigoBarras714(*area, Vista());
  ASSERT_EQ(registro.size(), kLongitudRegistro714);
  EXPECT_EQ(registro.substr(8, 5), "A    ");
  EXPECT_EQ(registro.substr(54, 13), "ABC          ");
  EXPECT_EQ(registro.substr(kImportes, 15), Importe15(3));
}

TEST(Registro714, PrefijoEIdentificadorDeLaTrama) {
  CAreaPatrimonio area;
  PonTexto(area->PatDatosPersonales, 0x7F, "12345678Z");
  CCodigoBarrasDatos trama;
  PrepararTrama714(trama, *area);
  EXPECT_EQ(trama.DamePrefijo(), "7141999  1");
  EXPECT_EQ(trama.DameIdentificador(), "12345678Z");

  // Without a tax number the frame is refused before compressing.
  marco::CGuionMensajes guion;
  CAreaPatrimonio sinNif;
  PrepararTrama714(trama, *sinNif);
  EXPECT_EQ(trama.ComprimirCodigoBarras(DatosCodigoBarras714(*sinNif, Vista())), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"PDF002"});
}

}  // namespace
