// The income-tax bar-code record on fixture areas: where each field stands and what it holds, the length as the
// person's choices and marks move it, the per-person filters of the family and section D rows, and the values that
// stop the record. Offsets and positions are written here as plain numbers, independently of the record's tables.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "../../calc/tests/support/AreaPrueba.h"
#include "output/RegistroRenta.h"

using namespace salida;
using ximardol::pruebas::CAreaRenta;
using ximardol::pruebas::PonByte;
using ximardol::pruebas::PonDouble;
using ximardol::pruebas::PonTexto;

namespace {

// Positions in a record with one choice and one mark set.
constexpr std::size_t kFamilia1 = 202, kFamilia2 = 772, kCodigos = 1000, kImportes = 1029, kReduccion = 2485;
constexpr std::size_t kD1 = 2576, kD1Cortas = 4323, kD2 = 4641, kD3 = 6706, kD4Grupo1 = 6745, kD4Grupo2 = 7753,
                      kD5 = 7965, kD5Grupo1 = 7966, kD5Grupo2 = 8974, kM4 = 9170;
// Blocks in the data area.
constexpr std::size_t kBaseImponible = 51176, kLiquidacion = 52952, kResultados = 54472, kApartadoN = 48168,
                      kApartadoD1 = 7512, kApartadoD2 = 8872, kApartadoD3 = 10232, kApartadoD4 = 10400,
                      kApartadoD5 = 16648, kApartadoM4 = 40920, kFamiliaArea = 0;

const std::string kCero13(13, '0');

std::string Importe(long valor) {
  std::string digitos = std::to_string(valor < 0 ? -valor : valor);
  if (valor < 0) return "N" + std::string(12 - digitos.size(), '0') + digitos;
  return std::string(13 - digitos.size(), '0') + digitos;
}

SVistaRegistroRenta Vista(int sujeto, int tipo = 2, bool hayConyugeOHijo = false) {
  SVistaRegistroRenta vista;
  vista.sujeto = sujeto;
  vista.tipoDeclaracion = tipo;
  vista.modeloNecesario = tipo;
  vista.hayConyugeOHijo = hayConyugeOHijo;
  vista.ejercicioFiscal = "1999";
  vista.textoCabecera1 = "CALLE MAYOR 1";
  vista.textoCabecera2 = "\xC1VILA";
  vista.letraWindows = 'T';
  vista.letraIdioma = 'c';
  return vista;
}

// A declaration where the person has one choice (the first) and one mark (the first) set.
CAreaRenta Area(int sujeto) {
  CAreaRenta area;
  const auto i = static_cast<std::size_t>(sujeto - 1);
  PonByte(*area, 1043 + i, 1);
  PonByte(*area, 1805 + i, 'x');
  return area;
}

std::string Registro(const CAreaRenta& area, const SVistaRegistroRenta& vista) {
  CRegistroRenta registro;
  return registro.DatosCodigoBarras(*area, vista);
}

struct SCaso {
  const char* nombre;
  int sujeto;
  int tipo;
  std::function<void(DatosRenta&)> preparar;
  std::size_t posicion;
  std::string esperado;
};

TEST(RegistroRenta, CamposEnSuPosicion) {
  const std::vector<SCaso> casos = {
      {"cabecera D-100", 2, 2, [](DatosRenta&) {}, 0, "11001999"},
      {"cabecera D-101", 2, 1, [](DatosRenta&) {}, 0, "11011999"},
      {"cabecera fija", 1, 2,
       [](DatosRenta& d) {
         PonTexto(d, 1002, "AB");
         PonTexto(d, 1022, "CDE");
       },
       8, "ABCDE000000000000000000F"},
      {"identificacion recortada", 3, 2, [](DatosRenta& d) { PonTexto(d, 777, "ES0001A.B.C. 12345678Z"); }, 32,
       "       ABC 12345678ZTC"},
      {"identificacion larga", 3, 2,
       [](DatosRenta& d) { PonTexto(d, 777, "ES0001A.B.C. 12345678Z" + std::string(38, ' ')); }, 32,
       "ABC 12345678Z       "},
      {"referencia sin su caracter 13", 2, 2, [](DatosRenta& d) { PonTexto(d, 577, "ABCDEFGHIJKLMNOPQRST"); }, 54,
       "ABCDEFGHIJKLN00000000"},
      {"nif y apellido sin acentos", 4, 2,
       [](DatosRenta& d) {
         PonTexto(d, 1090, "12345678Z");
         PonTexto(d, 1228, "\xC1LVAREZ");
       },
       75, "12345678ZALVCALLE MAYOR 1" + std::string(27, ' ') + "1"},
      {"grado propio y texto con ceros", 3, 2,
       [](DatosRenta& d) {
         PonTexto(d, 1701, "AB12");
         PonDouble(d.DatosFamilia, 0x18, 33);
         PonDouble(d.DatosFamilia, 0x10, 65);
         PonTexto(d, 1778, "12 4");
         PonTexto(d, 1833, "987654321");
         PonTexto(d, 1965, "\xC9\xC7Z");
       },
       128,
       "AB1233120400000987654321E\xC7Z"
       "AVILA"},
      {"numero y grado de la pareja del declarante", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d, 2434, " 965");
         PonDouble(d.DatosFamilia, 0x18, 45);
       },
       195, "0965451"},
      {"un hijo no tiene pareja", 4, 2, [](DatosRenta& d) { PonDouble(d.DatosFamilia, 0x18, 45); }, 195, "0000001"},
      {"codigo de comunidad y marcas", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.DatosFamilia, 0x50, "07");
         PonByte(d, 3027, 1);
         PonByte(d, 3032, 2);
         PonByte(d, 3042, 1);
         PonByte(d.Resultados, 0x1b59, 1);
       },
       kCodigos,
       "0700"
       "1001"
       "1"},
      {"textos de la primera eleccion", 2, 2,
       [](DatosRenta& d) {
         PonByte(d.Resultados, 0x1b5e, 1);
         PonByte(d.Resultados, 0x1a30, 1);
         PonTexto(d.Resultados, 0x1b66, "AAAA");
         PonTexto(d.Resultados, 0x1b7a, "BBBB");
         PonTexto(d.Resultados, 0x1b8c, "CC");
         PonTexto(d.Resultados, 0x1b9e, "DDDDDDDDDD");
       },
       kCodigos + 9, "AAAABBBBCCDDDDDDDDDD"},
      {"textos de la segunda eleccion", 2, 2,
       [](DatosRenta& d) {
         PonByte(d.Resultados, 0x1a30, 1);
         PonTexto(d.Resultados, 0x1a38, "EEEE");
         PonTexto(d.Resultados, 0x1a4c, "FFFF");
         PonTexto(d.Resultados, 0x1a5e, "GG");
         PonTexto(d.Resultados, 0x1b9e, "DDDDDDDDDD");
       },
       kCodigos + 9, "EEEEFFFFGGDDDDDDDDDD"},
      {"sin eleccion", 2, 2, [](DatosRenta&) {}, kCodigos + 9, "00000000000000000000"},
      // Amounts: slot p of each array; D-100-only ones as 0 for D-101.
      {"primer importe", 2, 2, [](DatosRenta& d) { PonDouble(d, kBaseImponible + 8, 1234.6); }, kImportes,
       Importe(1235)},
      {"importe negativo", 5, 2, [](DatosRenta& d) { PonDouble(d, kResultados + 32, -5); }, kImportes + 65 * 13,
       Importe(-5)},
      {"solo D-100 en D-100", 2, 2, [](DatosRenta& d) { PonDouble(d, kBaseImponible + 0x280 + 8, 77); },
       kImportes + 16 * 13, Importe(77)},
      {"solo D-100 en D-101", 2, 1, [](DatosRenta& d) { PonDouble(d, kBaseImponible + 0x280 + 8, 77); },
       kImportes + 16 * 13, kCero13},
      {"ultimo solo D-100", 3, 2, [](DatosRenta& d) { PonDouble(d, kResultados + 0x19f8 + 16, 9); },
       kImportes + 109 * 13, Importe(9)},
      {"liquidacion entre las bases", 2, 2, [](DatosRenta& d) { PonDouble(d, kLiquidacion + 8, 12); },
       kImportes + 37 * 13, Importe(12) + Importe(0) + kCero13},
      {"sumas", 2, 2,
       [](DatosRenta& d) {
         PonDouble(d, kLiquidacion + 0x348 + 8, 100);
         PonDouble(d, kLiquidacion + 0x370 + 8, 23);
         PonDouble(d, kLiquidacion + 0x3c0 + 8, 4);
       },
       kImportes + 50 * 13, Importe(123) + Importe(4)},
      {"sumas por cien", 2, 2,
       [](DatosRenta& d) {
         PonDouble(d, kLiquidacion + 0x78 + 8, 1.5);
         PonDouble(d, kLiquidacion + 0xa0 + 8, 2.25);
         PonDouble(d, kLiquidacion + 0x118 + 8, 0.07);
       },
       kImportes + 110 * 13, Importe(375) + Importe(7)},
      // The reduction block by the region code, read within its two characters.
      {"reduccion 04", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.DatosFamilia, 0x50, "04");
         PonDouble(d, kApartadoN + 0x28 + 8, 11);
         PonDouble(d, kApartadoN + 0x188 + 8, 15);
       },
       kReduccion, Importe(11) + kCero13 + kCero13 + kCero13 + Importe(15) + kCero13 + kCero13},
      {"reduccion '4 '", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.DatosFamilia, 0x50, "4 ");
         PonDouble(d, kApartadoN + 0x28 + 8, 11);
       },
       kReduccion, Importe(11)},
      {"reduccion 17", 3, 2,
       [](DatosRenta& d) {
         PonTexto(d.DatosFamilia, 0x70, "17");
         PonDouble(d, kApartadoN + 0xae8 + 16, 8);
       },
       kReduccion + 6 * 13, Importe(8)},
      {"reduccion de un codigo con letra", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.DatosFamilia, 0x50, "A4");
         PonDouble(d, kApartadoN + 0x28 + 8, 11);
       },
       kReduccion, kCero13},
      {"el codigo no sigue leyendo tras sus dos caracteres", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.DatosFamilia, 0x50, "1");
         PonTexto(d.DatosFamilia, 0x51, "7");
         PonTexto(d.DatosFamilia, 0x52, "9");
         PonDouble(d, kApartadoN + 0x918 + 8, 3);
       },
       kReduccion, Importe(3)},
      // Section D.
      {"marca de D1, primera", 2, 2, [](DatosRenta& d) { PonTexto(d.ApartadoD1, 1, "X"); }, kD1, "2"},
      {"marca de D1, segunda", 2, 2, [](DatosRenta& d) { PonTexto(d.ApartadoD1, 6, "X"); }, kD1, "3"},
      {"marca de D1, ambas", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.ApartadoD1, 1, "X");
         PonTexto(d.ApartadoD1, 6, "X");
       },
       kD1, "1"},
      {"marca de D2 en minuscula no cuenta", 1, 2, [](DatosRenta& d) { PonTexto(d.ApartadoD2, 0, "x"); }, kD2, "0"},
      {"fila larga a de D1", 2, 2,
       [](DatosRenta& d) {
         PonByte(d, kApartadoD1 + 0x10, 3);
         PonTexto(d, kApartadoD1 + 0x11, "1.2.3");
         PonDouble(d, kApartadoD1 + 0x10 + 176, 7);
       },
       kD1 + 1, "3123 " + std::string(21 * 13, '0') + Importe(7)},
      {"fila larga b y c de D1", 1, 2,
       [](DatosRenta& d) {
         PonByte(d, kApartadoD1 + 0x180 + 1, 2);
         PonTexto(d, kApartadoD1 + 0x2f0 + 1, "ABC");
         PonByte(d, kApartadoD1 + 0x2f0, 1);
       },
       kD1 + 1 + 291, "02   " + std::string(22 * 13, '0') + "1ABC "},
      {"fila corta e de D1", 2, 2,
       [](DatosRenta& d) {
         const std::size_t fila = kApartadoD1 + 0x4b0 + 40;
         PonByte(d, fila, 2);
         PonByte(d, fila + 1, 2);
         PonTexto(d, fila + 2, "ABCDEFGHI");
         PonDouble(d, fila + 16, 0.5);
         PonDouble(d, fila + 32, -3);
       },
       kD1Cortas + 159 + 53, "ABCDEFGHI2   2" + Importe(50) + kCero13 + Importe(-3)},
      {"fila corta f de D2", 2, 2,
       [](DatosRenta& d) {
         const std::size_t fila = kApartadoD2 + 0x500;
         PonByte(d, fila, 2);
         PonTexto(d, fila + 1, "9.8.7");
         PonTexto(d, fila + 7, "123456789");
       },
       kD2 + 1 + 1746 + 106, "123456789987 2"},
      {"importes de D3", 4, 2, [](DatosRenta& d) { PonDouble(d, kApartadoD3 + 0x38 + 24, 6); }, kD3,
       kCero13 + Importe(6) + kCero13},
      {"actividad de modulos sin valor en 1536", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d, kApartadoD4, "1.2.3");
         PonByte(d, kApartadoD4 + 24, 2);
         PonDouble(d, kApartadoD4 + 1352, 11);
         PonDouble(d, kApartadoD4 + 1384, 0.25);
         PonDouble(d, kApartadoD4 + 1512, 4);
       },
       kD4Grupo1,
       "123 2" + Importe(11) + kCero13 + kCero13 + kCero13 + Importe(25) + std::string(13 * 13, '0') + Importe(4)},
      {"actividad de modulos con valor en 1536", 2, 2,
       [](DatosRenta& d) {
         const std::size_t fila = kApartadoD4 + 1560;
         PonByte(d, fila + 24, 2);
         PonDouble(d, fila + 1352, 11);
         PonTexto(d, fila + 1520, "TEXTONUEV");
         PonTexto(d, fila + 1529, "9.8.7");
         PonByte(d, fila + 1534, 7);
         PonDouble(d, fila + 1536, 3.5);
         PonDouble(d, fila + 1552, 2);
       },
       kD4Grupo1 + 252, "00000" + std::string(19 * 13, '0')},
      {"segundo grupo de modulos", 2, 2,
       [](DatosRenta& d) {
         const std::size_t fila = kApartadoD4 + 1560;
         PonTexto(d, fila + 1520, "TEXTONUEV");
         PonTexto(d, fila + 1529, "9.8.7");
         PonByte(d, fila + 1534, 7);
         PonDouble(d, fila + 1536, 3.5);
         PonDouble(d, fila + 1552, 2);
         PonByte(d, kApartadoD4 + 1534, 6);
       },
       kD4Grupo2,
       std::string(13, ' ') + "0" + kCero13 + kCero13 + kCero13 + "TEXTONUEV987 7" + Importe(350) + kCero13 +
           Importe(2)},
      {"marca y actividad agricola", 2, 2,
       [](DatosRenta& d) {
         PonTexto(d.ApartadoD5, 6, "X");
         const std::size_t fila = kApartadoD5 + 16;
         PonTexto(d, fila, "6");
         PonByte(d, fila + 8, 2);
         PonDouble(d, fila + 1824, 9);
       },
       kD5, "36   2" + Importe(9)},
      {"segundo grupo agricola", 2, 2,
       [](DatosRenta& d) {
         const std::size_t fila = kApartadoD5 + 16;
         PonTexto(d, fila + 2024, "AGRICOLA1");
         PonByte(d, fila + 2033, 5);
         PonDouble(d, fila + 2040, 0.5);
         PonDouble(d, fila + 2048, 2);
         PonDouble(d, fila + 2056, 1);
       },
       kD5Grupo2, "AGRICOLA15" + Importe(50) + Importe(1) + Importe(2)},
      {"importes de M4", 2, 2,
       [](DatosRenta& d) {
         PonDouble(d, kApartadoM4 + 0xfc0 + 8, 1);
         PonDouble(d, kApartadoM4 + 0x15d8 + 8, 2);
         PonDouble(d, kApartadoM4 + 0x1600 + 8, 99);
         PonDouble(d, kApartadoM4 + 0x1608 + 8, 3);
       },
       kM4, Importe(1) + std::string(38 * 13, '0') + Importe(2) + Importe(3)},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CAreaRenta area = Area(c.sujeto);
    c.preparar(*area);
    const std::string registro = Registro(area, Vista(c.sujeto, c.tipo));
    ASSERT_EQ(registro.size(), CRegistroRenta::kLongitudRegistro);
    EXPECT_EQ(registro.substr(c.posicion, c.esperado.size()), c.esperado);
  }
}

TEST(RegistroRenta, EleccionesYMarcasMuevenLoQueSigue) {
  struct SLongitud {
    std::vector<std::size_t> elecciones;  // 0-3
    std::vector<std::size_t> marcas;      // 0-1
    std::size_t longitud;
    std::string opciones;  // what stands from position 127
  };
  for (const SLongitud& c : std::vector<SLongitud>{
           {{}, {}, 9701, "AB12"}, {{2}, {1}, 9703, "3AB12"}, {{0, 1, 2, 3}, {0, 1}, 9707, "1234AB12"}}) {
    SCOPED_TRACE(c.longitud);
    CAreaRenta area;
    PonTexto(*area, 1697, "AB12");  // field after the choices, declarant
    for (const std::size_t e : c.elecciones) PonByte(*area, 1043 + 5 * e + 1, 1);
    for (const std::size_t m : c.marcas) PonByte(*area, 1805 + 5 * m + 1, 'x');
    PonByte(*area, 1043 + 5 * 3, 1);  // another person's choice counts for nothing
    PonTexto(*area, 3048, "FAMILIA01");
    const std::string registro = Registro(area, Vista(2));
    ASSERT_EQ(registro.size(), c.longitud);
    EXPECT_EQ(registro.substr(127, c.opciones.size()), c.opciones);
    const std::size_t familia = 200 + c.elecciones.size() + c.marcas.size();
    const std::string marcas = c.marcas.size() == 2 ? "12" : c.marcas.empty() ? "" : "2";
    EXPECT_EQ(registro.substr(familia - marcas.size(), marcas.size()), marcas);
    EXPECT_EQ(registro.substr(familia, 9), "FAMILIA01");
    EXPECT_EQ(registro.find('\0'), std::string::npos);
  }
}

TEST(RegistroRenta, FilasDeFamilia) {
  CAreaRenta area = Area(3);
  const auto fila1 = [&](std::size_t r, char marca, const char* anio, char clase, std::uint8_t ex1) {
    const std::size_t f = 3048 + 72 * r;
    PonTexto(*area, f, "NIF00000" + std::to_string(r));
    PonTexto(*area, f + 9, "\xC1NGEL");
    PonTexto(*area, f + 42, anio);
    PonDouble(*area, f + 48, 33);
    PonByte(*area, f + 57 + 2, static_cast<std::uint8_t>(marca));
    PonByte(*area, f + 62, static_cast<std::uint8_t>(clase));
    PonByte(*area, f + 63, ex1);
  };
  fila1(0, '1', "1985", '1', 0);  // born later, but without exclusions: taken
  fila1(1, '0', "1975", '1', 0);  // not linked to the spouse
  fila1(2, ' ', "1975", '3', 1);  // born before 1982: taken, class written as stored
  fila1(3, '1', "1975", '2', 1);  // class 2 with an exclusion: left out
  for (std::size_t r = 0; r < 3; ++r) {
    const std::size_t f = 3768 + 80 * r;
    PonTexto(*area, f, "ASC00000" + std::to_string(r));
    PonByte(*area, f + 57 + 2, r == 1 ? '0' : '1');
    PonDouble(*area, f + 64, 2);
  }

  CRegistroRenta registro;
  const std::string texto = registro.DatosCodigoBarras(*area, Vista(3, 2, true));
  ASSERT_EQ(texto.size(), CRegistroRenta::kLongitudRegistro);
  const std::string angel = "ANGEL" + std::string(35, ' ');
  EXPECT_EQ(texto.substr(kFamilia1, 57), "NIF000000" + angel +
                                             "1985"
                                             "33"
                                             "1"
                                             "1");
  EXPECT_EQ(texto.substr(kFamilia1 + 57, 57), "NIF000002" + angel +
                                                  "1975"
                                                  "33"
                                                  "0"
                                                  "3");
  const std::string vacia = std::string(49, ' ') +
                            "0000"
                            "00"
                            "0"
                            "0";
  EXPECT_EQ(texto.substr(kFamilia1 + 2 * 57, 57), vacia);
  EXPECT_EQ(texto.substr(kFamilia2, 9), "ASC000000");
  EXPECT_EQ(texto.substr(kFamilia2 + 55, 2), "12");
  EXPECT_EQ(texto.substr(kFamilia2 + 57, 9), "ASC000002");
  EXPECT_EQ(texto.substr(kFamilia2 + 2 * 57, 57), vacia);

  // Children get no family rows; the family unit gets them all as stored. Neither has a choice or a mark set, so
  // the rows begin two places earlier.
  const std::string hijo = registro.DatosCodigoBarras(*area, Vista(4, 2, true));
  ASSERT_EQ(hijo.size(), 9701u);
  EXPECT_EQ(hijo.substr(200, 57), vacia);
  EXPECT_EQ(hijo.substr(770, 57), vacia);
  EXPECT_EQ(registro.Tablas().familia1[0][0], 0);
  const std::string unidad = registro.DatosCodigoBarras(*area, Vista(1, 2, true));
  EXPECT_EQ(unidad.substr(200 + 57, 9), "NIF000001");
  EXPECT_EQ(unidad.substr(200 + 3 * 57, 9), "NIF000003");
}

// The taxation marks as the page stores them (1) and as older files hold them ('x', 'X') all count.
TEST(RegistroRenta, LasMarcasDeTributacionValenComoLasGuardaLaPagina) {
  for (const unsigned char valor : {static_cast<unsigned char>(1), static_cast<unsigned char>('x'),
                                    static_cast<unsigned char>('X'), static_cast<unsigned char>(0),
                                    static_cast<unsigned char>(' ')}) {
    SCOPED_TRACE(static_cast<int>(valor));
    CAreaRenta area;
    PonTexto(*area, 3048, "FAMILIA01");
    PonByte(*area, 1810 + 1, valor);
    const std::string registro = Registro(area, Vista(2));
    const bool marcada = valor == 1 || valor == 'x' || valor == 'X';
    ASSERT_EQ(registro.size(), marcada ? 9702u : 9701u);
    EXPECT_EQ(registro.substr(200, marcada ? 10 : 9), marcada ? "2FAMILIA01" : "FAMILIA01");
  }
}

TEST(RegistroRenta, FilasDeLaPersonaConTitular2) {
  CAreaRenta area = Area(3);
  PonByte(*area, 1043 + 1, 1);  // the declarant's choice and mark too: both records have the same layout
  PonByte(*area, 1805 + 1, 'x');
  // D1 long table a: the declarant's row first, then the spouse's.
  PonByte(*area, kApartadoD1 + 0x10, 2);
  PonDouble(*area, kApartadoD1 + 0x10 + 8, 10);
  PonByte(*area, kApartadoD1 + 0x10 + 184, 3);
  PonDouble(*area, kApartadoD1 + 0x10 + 184 + 8, 20);
  // D4: the spouse's activity in the third row; D5: in the fourth.
  PonByte(*area, kApartadoD4 + 2 * 1560 + 24, 3);
  PonDouble(*area, kApartadoD4 + 2 * 1560 + 1352, 30);
  PonByte(*area, kApartadoD5 + 16 + 3 * 2064 + 8, 3);
  PonByte(*area, kApartadoD5 + 16 + 3 * 2064 + 2033, 3);
  PonDouble(*area, kApartadoD5 + 16 + 3 * 2064 + 2040, 1);

  CRegistroRenta registro;
  const std::string conyuge = registro.DatosCodigoBarras(*area, Vista(3, 2, true));
  ASSERT_EQ(conyuge.size(), CRegistroRenta::kLongitudRegistro);
  EXPECT_EQ(conyuge.substr(kD1 + 1, 5 + 13), "2    " + Importe(20));
  EXPECT_EQ(conyuge.substr(kD1 + 1 + 873, 5 + 13), "0    " + kCero13);
  EXPECT_EQ(conyuge.substr(kD4Grupo1, 5 + 13), "    2" + Importe(30));
  EXPECT_EQ(conyuge.substr(kD5Grupo2 + 9, 1 + 13), "2" + Importe(100));
  EXPECT_EQ(registro.Tablas().d4[0][1534], 2);
  EXPECT_EQ(registro.Tablas().d5[0][8], 2);
  EXPECT_EQ(registro.Tablas().d1.largas[0][1][0], 0);

  // The declarant alone: every row as stored, holders unchanged.
  const std::string declarante = registro.DatosCodigoBarras(*area, Vista(2, 2, false));
  EXPECT_EQ(declarante.substr(kD1 + 1, 5 + 13), "2    " + Importe(10));
  EXPECT_EQ(declarante.substr(kD1 + 1 + 873, 5 + 13), "3    " + Importe(20));
  EXPECT_EQ(declarante.substr(kD4Grupo1 + 2 * 252, 5 + 13), "    3" + Importe(30));
  EXPECT_EQ(declarante.substr(kD5Grupo2 + 3 * 49 + 9, 1), "3");

  // The declarant beside a spouse: only the declarant's row.
  const std::string propio = registro.DatosCodigoBarras(*area, Vista(2, 2, true));
  EXPECT_EQ(propio.substr(kD1 + 1, 5 + 13), "2    " + Importe(10));
  EXPECT_EQ(propio.substr(kD1 + 1 + 873, 1), "0");
  EXPECT_EQ(propio.substr(kD4Grupo1, 5), "    0");
}

TEST(RegistroRenta, UnValorQueNoCabeDetieneElRegistro) {
  const std::vector<std::pair<const char*, std::function<void(DatosRenta&)>>> casos = {
      {"importe de catorce cifras", [](DatosRenta& d) { PonDouble(d, kBaseImponible + 8, 1e13); }},
      {"importe que no es un numero", [](DatosRenta& d) { PonDouble(d, kResultados + 8, std::nan("")); }},
      {"grado de tres cifras", [](DatosRenta& d) { PonDouble(d, kFamiliaArea + 0x10, 100); }},
      {"grado de una fila de familia", [](DatosRenta& d) { PonDouble(d, 3048 + 9 * 72 + 48, 100); }},
      {"personas de la segunda tabla", [](DatosRenta& d) { PonDouble(d, 3768 + 64, 10); }},
      {"titular de dos cifras en D4", [](DatosRenta& d) { PonByte(d, kApartadoD4 + 24, 12); }},
      {"ultimo importe de M4", [](DatosRenta& d) { PonDouble(d, kApartadoM4 + 0x1608 + 8, -1e12); }},
  };
  for (const auto& [nombre, preparar] : casos) {
    SCOPED_TRACE(nombre);
    CAreaRenta area = Area(2);
    preparar(*area);
    EXPECT_EQ(Registro(area, Vista(2)), "");
  }
  CAreaRenta area = Area(2);
  PonDouble(*area, kApartadoM4 + 0x1608 + 8, -999999999999.0);
  EXPECT_EQ(Registro(area, Vista(2)).substr(kM4 + 40 * 13), "N999999999999");
  for (const int sujeto : {0, 6, -1}) EXPECT_EQ(Registro(area, Vista(sujeto)), "") << sujeto;
}

}  // namespace
