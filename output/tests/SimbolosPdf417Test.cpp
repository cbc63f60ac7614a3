// The PDF417 symbols of the first page: shapes by place and framed length, slots at a resolution, and whole runs
// painted on a page, saved as PNG and read back by an independent reader down to the record.
#include "output/SimbolosPdf417.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "CodigoBarrasLector.h"
#include "framework/MensajeGuion.h"
#include "output/CodigoBarrasDatos.h"

using namespace salida;
using plataforma::CFormaPdf417;
using plataforma::CLienzo;
using plataforma::CPunto;

namespace {

// A page of 7.95 x 11.05 inches at the resolution.
CLienzo Pagina(int resolucion) {
  return CLienzo::Imagen(static_cast<int>(7.95 * resolucion), static_cast<int>(11.05 * resolucion), resolucion);
}

std::vector<pruebas::CCodigoLeido> Leer(CLienzo& lienzo, const std::string& nombre) {
  const std::string ruta = (std::filesystem::temp_directory_path() /
                            ("korvelix-pdf417-" + std::to_string(::getpid()) + "-" + nombre + ".png"))
                               .string();
  EXPECT_TRUE(lienzo.GuardarPng(ruta));
  auto leidos = pruebas::LeerCodigosPng(ruta);
  std::filesystem::remove(ruta);
  return leidos;
}

std::vector<std::uint8_t> Aleatorio(std::size_t n, unsigned semilla) {
  std::mt19937 g(semilla);
  std::vector<std::uint8_t> v(n);
  for (auto& b : v) b = static_cast<std::uint8_t>(g() & 0xFF);
  return v;
}

bool EnBlanco(CLienzo& lienzo) {
  for (int y = 0; y < lienzo.AltoDispositivo(); y += 7) {
    for (int x = 0; x < lienzo.AnchoDispositivo(); x += 7) {
      if (lienzo.Pixel(x, y) != plataforma::kBlanco) return false;
    }
  }
  return true;
}

TEST(SimbolosPdf417, FormaPorPlazaYLongitud) {
  struct CCaso {
    int k;
    std::size_t longitud;
    CFormaPdf417 forma;
  };
  for (const CCaso& c : std::vector<CCaso>{{0, 900, {18, 0}},
                                           {0, 917, {18, 0}},
                                           {0, 918, {18, 51}},
                                           {1, 1529, {12, 0}},
                                           {1, 1530, {12, 51}},
                                           {2, 2501, {18, 0}},
                                           {2, 2502, {18, 51}},
                                           {3, 2501, {13, 0}},
                                           {3, 2502, {13, 54}}}) {
    EXPECT_EQ(FormaSimbolo(c.k, c.longitud), c.forma) << c.k << " " << c.longitud;
  }
}

TEST(SimbolosPdf417, RanurasEnUnidadesDelDispositivo) {
  EXPECT_EQ(OrigenRanura(0, 600), (CPunto{483, 1295}));  // 483.04 and 1,295.86 truncated
  // The lower slots stand below the last box of the first printed page.
  EXPECT_EQ(OrigenRanura(3, 600), (CPunto{2777, 5243}));
  EXPECT_EQ(OrigenRanura(0, 300), (CPunto{241, 647}));
  const plataforma::CSimboloCodigoBarras simbolo(375, std::vector<int>(51, 3), {});
  EXPECT_EQ(ExtensionSimbolo(simbolo, 600), (plataforma::CTamano{2264, 922}));
}

TEST(SimbolosPdf417, PorDebajoDe300PppSoloAvisa) {
  marco::CGuionMensajes guion;
  CLienzo lienzo = CLienzo::Imagen(400, 400, 200);
  CSimbolosPdf417 simbolos;
  simbolos.PintarPDF417(lienzo, 200, Aleatorio(900, 1), 2);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN027 "});
  EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoMano);
  EXPECT_EQ(simbolos.SimbolosPintados(), 0);
  EXPECT_TRUE(EnBlanco(lienzo));
}

TEST(SimbolosPdf417, NovecientosBytesUnSimboloEnLaPrimeraRanura) {
  marco::CGuionMensajes guion;
  const auto datos = Aleatorio(900, 2);
  CLienzo lienzo = Pagina(300);
  CSimbolosPdf417 simbolos;
  simbolos.PintarPDF417(lienzo, 300, datos, 2);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(simbolos.SimbolosPintados(), 1);
  // The symbol's start bar begins exactly at the slot.
  EXPECT_EQ(lienzo.Pixel(241, 648), plataforma::kNegro);
  EXPECT_EQ(lienzo.Pixel(240, 648), plataforma::kBlanco);
  const auto leidos = Leer(lienzo, "novecientos");
  ASSERT_EQ(leidos.size(), 1u);
  EXPECT_EQ(leidos[0].bytes, datos);
}

// The whole road at 300 and 600 dpi: record → frame → symbols on the page → reader → frame → record.
TEST(SimbolosPdf417, ElRegistroVuelveDesdeLaPagina) {
  // The longest record: amount fields of thirteen digits, a third of them zero, among names and codes.
  std::string registro;
  std::mt19937 g(3);
  while (registro.size() < 9703) {
    std::string importe = (g() % 3 != 0) ? std::to_string(g() % 1000000000) : "0";
    importe.insert(0, 13 - importe.size(), '0');
    registro += importe + ((g() % 8 == 0) ? "GARCIA LOPEZ JUAN  " + std::to_string(g() % 1000) : "");
  }
  registro.resize(9703);
  CCodigoBarrasDatos datos;
  datos.PonerPrefijo("1001999  1");
  datos.PonerIdentificador("12345678Z");
  ASSERT_EQ(datos.ComprimirCodigoBarras(registro), 1);
  ASSERT_EQ(datos.NumeroPiezas(), 3);
  ASSERT_GE(datos.LongitudTrama(), 2502);  // every place with its fixed rows
  const std::vector<std::uint8_t> trama(datos.DatosTrama().begin(), datos.DatosTrama().end());

  for (const int resolucion : {300, 600}) {
    SCOPED_TRACE(resolucion);
    marco::CGuionMensajes guion;
    CLienzo lienzo = Pagina(resolucion);
    CSimbolosPdf417 simbolos;
    simbolos.PintarPDF417(lienzo, resolucion, trama, 2);
    EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
    ASSERT_GE(simbolos.SimbolosPintados(), 3);
    const auto leidos = Leer(lienzo, "registro" + std::to_string(resolucion));
    ASSERT_EQ(leidos.size(), static_cast<std::size_t>(simbolos.SimbolosPintados()));
    // Each symbol stands at the slot of its place in the sequence.
    for (const auto& l : leidos) {
      const CPunto ranura = OrigenRanura(l.indice, resolucion);
      EXPECT_NEAR(l.izquierda, ranura.x, resolucion / 30);
      EXPECT_NEAR(l.arriba, ranura.y, resolucion / 30);
    }
    const auto unidos = pruebas::UnirSecuencia(leidos);
    EXPECT_EQ(unidos, trama);
    EXPECT_EQ(RecuperarRegistro(unidos), registro);
  }
}

TEST(SimbolosPdf417, UnQuintoSimboloAvisaConCuatroYaPintados) {
  marco::CGuionMensajes guion;
  const auto datos = Aleatorio(6000, 4);
  CLienzo lienzo = Pagina(300);
  CSimbolosPdf417 simbolos;
  simbolos.PintarPDF417(lienzo, 300, datos, 2);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"PDF001"});
  EXPECT_EQ(simbolos.SimbolosPintados(), 0);  // the run stopped: no count kept
  const auto leidos = Leer(lienzo, "quinto");
  EXPECT_EQ(leidos.size(), 4u);
}

TEST(SimbolosPdf417, SinDatosNoPintaNiAvisa) {
  marco::CGuionMensajes guion;
  CLienzo lienzo = CLienzo::Imagen(400, 400, 300);
  CSimbolosPdf417 simbolos;
  simbolos.PintarPDF417(lienzo, 300, {}, 2);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(simbolos.SimbolosPintados(), 0);
  EXPECT_TRUE(EnBlanco(lienzo));
}

}  // namespace

namespace {

// The wealth-tax symbol: one of 14 columns at its own place, larger at the resolutions of 360; silent below 300.
TEST(SimbolosPdf417Patrimonio, UnSimboloDe14ColumnasEnSuSitio) {
  const auto datos = Aleatorio(420, 7);  // a wealth-tax frame is a few hundred bytes
  for (const int resolucion : {300, 360, 600}) {
    SCOPED_TRACE(resolucion);
    marco::CGuionMensajes guion;
    CLienzo lienzo = Pagina(resolucion);
    EXPECT_EQ(PintarPDF417Patrimonio(lienzo, resolucion, datos, 3), kSimboloPintado);
    EXPECT_TRUE(guion.Codigos().empty());
    const auto leidos = Leer(lienzo, "patrimonio" + std::to_string(resolucion));
    ASSERT_EQ(leidos.size(), 1u);
    EXPECT_EQ(leidos[0].bytes, datos);
    const CPunto origen = OrigenSimbolo714(resolucion);
    EXPECT_NEAR(leidos[0].izquierda, origen.x, 4);
    EXPECT_NEAR(leidos[0].arriba, origen.y, 4);
    // 14 data columns: 17 modules each and 69 of start, stop and row indicators.
    plataforma::CCodificadorPdf417 codificador(datos, {plataforma::CFormaPdf417{14, 0}});
    ASSERT_EQ(codificador.Siguiente(), 1);
    EXPECT_EQ(codificador.Simbolo()->AnchoModulos(), 17 * 14 + 69);
  }
  // At 300 the slot is (80, 225) of the 790 x 1,100 page; at 360 it is 1.111 times further.
  EXPECT_EQ(OrigenSimbolo714(300), (CPunto{241, 678}));
  EXPECT_EQ(OrigenSimbolo714(360), (CPunto{321, 904}));
  EXPECT_DOUBLE_EQ(EscalaSimbolo714(720), 1.111);
  EXPECT_DOUBLE_EQ(EscalaSimbolo714(600), 1.0);

  // Below 300 dots per inch: nothing is painted and nothing is said.
  marco::CGuionMensajes guion;
  CLienzo lienzo = CLienzo::Imagen(400, 400, 240);
  EXPECT_EQ(PintarPDF417Patrimonio(lienzo, 240, datos, 3), kSimboloSinResolucion);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_TRUE(EnBlanco(lienzo));
}

}  // namespace
