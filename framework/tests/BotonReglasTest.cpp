// The rules of the owner-drawn buttons, without a display.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "framework/BotonBmpReglas.h"
#include "framework/BotonCJReglas.h"
#include "framework/BotonMapaReglas.h"
#include "framework/BotonRedondoReglas.h"
#include "framework/BotonTipos.h"

namespace marco {
namespace {

using C = EColorSistema;

TEST(BotonColores, LasCuatroGrisesTomanLosColoresDelUsuarioYLosDemasSeQuedan) {
  SColoresSistema s;
  s.cara = {10, 20, 30};
  s.texto = {40, 50, 60};
  s.sombra = {70, 80, 90};
  s.luz = {100, 110, 120};
  const std::pair<SColorBoton, SColorBoton> casos[] = {
      {{0, 0, 0}, s.texto},           {{128, 128, 128}, s.sombra},    {{192, 192, 192}, s.cara},
      {{255, 255, 255}, s.luz},       {{127, 127, 127}, {127, 127, 127}}, {{192, 192, 193}, {192, 192, 193}},
      {{255, 0, 0}, {255, 0, 0}},
  };
  for (const auto& [entrada, salida] : casos) {
    const SColorBoton obtenido = MapearColorSistema(entrada, s);
    EXPECT_EQ(obtenido, salida) << int(entrada.r) << "," << int(entrada.g) << "," << int(entrada.b);
  }
}

// ---- CBotonBmp -------------------------------------------------------------------------------------------

TEST(BotonBmpReglas, BordesYColoresSegunPlanoRatonYPulsacion) {
  struct Caso {
    bool plano, encima, dibujarBorde, pulsado;
    EBordeBoton borde;
    EColoresBoton colores;
    int icono;
  } casos[] = {
      {true, false, true, false, EBordeBoton::Ninguno, EColoresBoton::Fuera, 2},
      {true, true, true, false, EBordeBoton::FinoRealzado, EColoresBoton::Dentro, 1},
      {true, true, false, false, EBordeBoton::Ninguno, EColoresBoton::Dentro, 1},
      {true, false, true, true, EBordeBoton::FinoHundido, EColoresBoton::Dentro, 1},
      {true, false, false, true, EBordeBoton::Ninguno, EColoresBoton::Dentro, 1},
      {false, false, true, false, EBordeBoton::Realce3D, EColoresBoton::Fuera, 2},
      {false, false, true, true, EBordeBoton::MarcoSombra, EColoresBoton::Dentro, 1},
  };
  for (const Caso& c : casos) {
    CReglasBotonBmp reglas;
    reglas.PonerPlano(true);
    if (c.encima) reglas.MoverRaton(true, false);
    reglas.PonerPlano(c.plano);
    reglas.PonerDibujarBorde(c.dibujarBorde);
    reglas.PonerTamanoIcono(32, 32);
    const SCaraBotonBmp cara = reglas.Cara({0, 0, 100, 40}, {c.pulsado, false, false}, true, true);
    SCOPED_TRACE(testing::Message() << "plano " << c.plano << " encima " << c.encima << " borde "
                                    << c.dibujarBorde << " pulsado " << c.pulsado);
    EXPECT_EQ(cara.borde, c.borde);
    EXPECT_EQ(cara.colores, c.colores);
    EXPECT_EQ(cara.icono, c.icono);
    EXPECT_FALSE(cara.marcoNegro);
  }
}

TEST(BotonBmpReglas, ConFocoElAspectoNormalLlevaMarcoNegroYRectanguloDeFoco) {
  CReglasBotonBmp reglas;
  reglas.PonerPlano(false);
  const SCaraBotonBmp cara = reglas.Cara({0, 0, 100, 40}, {false, true, false}, false, true);
  EXPECT_TRUE(cara.marcoNegro);
  EXPECT_EQ(cara.interior, (SRectBoton{1, 1, 98, 38}));
  EXPECT_TRUE(cara.conFoco);
  EXPECT_EQ(cara.rectFoco, (SRectBoton{3, 3, 94, 34}));
  EXPECT_EQ(cara.areaTexto, cara.interior);

  // Flat: the focus rectangle only with the flat-focus option, never the black frame.
  reglas.PonerPlano(true);
  EXPECT_FALSE(reglas.Cara({0, 0, 100, 40}, {false, true, false}, false, true).conFoco);
  EXPECT_FALSE(reglas.Cara({0, 0, 100, 40}, {false, true, false}, false, true).marcoNegro);
  reglas.PonerFocoPlano(true);
  EXPECT_TRUE(reglas.Cara({0, 0, 100, 40}, {false, true, false}, false, true).conFoco);
}

TEST(BotonBmpReglas, ColocacionDelIconoYDelTexto) {
  struct Caso {
    int alineacion;
    bool mostrarTexto, texto, pulsado;
    SRectBoton item, icono, area;
  } casos[] = {
      // Icon left of the text: 3 pixels from the left, text after the icon width + 3.
      {0, true, true, false, {0, 0, 100, 40}, {3, 4, 32, 32}, {35, 0, 65, 40}},
      {0, true, true, true, {0, 0, 100, 40}, {4, 5, 32, 32}, {36, 1, 65, 40}},
      // No text (or text not shown): centred.
      {0, true, false, false, {0, 0, 100, 40}, {34, 4, 32, 32}, {0, 0, 100, 40}},
      {0, false, true, false, {0, 0, 100, 40}, {34, 4, 32, 32}, {0, 0, 100, 40}},
      // Icon above the text.
      {1, true, true, false, {0, 0, 80, 60}, {24, 0, 32, 32}, {0, 32, 80, 28}},
      {1, true, false, false, {0, 0, 80, 60}, {24, 14, 32, 32}, {0, 0, 80, 60}},
      // Any other alignment: centred both ways, the text over the whole face.
      {2, true, true, false, {0, 0, 80, 60}, {24, 14, 32, 32}, {0, 0, 80, 60}},
      {-1, true, true, true, {0, 0, 80, 60}, {25, 15, 32, 32}, {1, 1, 80, 60}},
  };
  for (const Caso& c : casos) {
    CReglasBotonBmp reglas;
    reglas.PonerAlineacion(c.alineacion);
    reglas.PonerMostrarTexto(c.mostrarTexto);
    reglas.PonerTamanoIcono(32, 32);
    const SCaraBotonBmp cara = reglas.Cara(c.item, {c.pulsado, false, false}, true, c.texto);
    SCOPED_TRACE(testing::Message() << "alineacion " << c.alineacion << " texto " << c.texto << " pulsado "
                                    << c.pulsado);
    EXPECT_TRUE(cara.conIcono);
    EXPECT_EQ(cara.conTexto, c.mostrarTexto && c.texto);
    EXPECT_EQ(cara.rectIcono, c.icono);
    EXPECT_EQ(cara.areaTexto, c.area);
  }
}

TEST(BotonBmpReglas, SinIconoNoHayIconoYElTextoOcupaLaCara) {
  CReglasBotonBmp reglas;
  reglas.PonerTamanoIcono(32, 32);
  const SCaraBotonBmp cara = reglas.Cara({0, 0, 100, 40}, {}, false, true);
  EXPECT_FALSE(cara.conIcono);
  EXPECT_EQ(cara.areaTexto, (SRectBoton{0, 0, 100, 40}));
}

TEST(BotonBmpReglas, ElBotonPlanoSeLevantaBajoElRatonYBajaAlSalir) {
  CReglasBotonBmp reglas;
  EXPECT_TRUE(reglas.MoverRaton(true, false));
  EXPECT_TRUE(reglas.RatonEncima());
  EXPECT_FALSE(reglas.MoverRaton(true, false));  // still over: no repaint
  EXPECT_TRUE(reglas.MoverRaton(false, false));
  EXPECT_FALSE(reglas.RatonEncima());
  EXPECT_FALSE(reglas.MoverRaton(false, false));

  // Pressed elsewhere and dragged in: it does not rise.
  EXPECT_FALSE(reglas.MoverRaton(true, true));
  EXPECT_FALSE(reglas.RatonEncima());
  // Raised, then pressed and dragged out: it drops.
  reglas.MoverRaton(true, false);
  EXPECT_TRUE(reglas.MoverRaton(false, true));
  EXPECT_FALSE(reglas.RatonEncima());

  // Losing the focus or the capture drops it too.
  reglas.MoverRaton(true, false);
  EXPECT_TRUE(reglas.PerderFoco());
  EXPECT_FALSE(reglas.PerderFoco());
  reglas.MoverRaton(true, false);
  EXPECT_TRUE(reglas.PerderCaptura());
  EXPECT_FALSE(reglas.RatonEncima());
}

TEST(BotonBmpReglas, ElBotonNormalNoSigueAlRaton) {
  CReglasBotonBmp reglas;
  reglas.PonerPlano(false);
  EXPECT_FALSE(reglas.MoverRaton(true, false));
  EXPECT_FALSE(reglas.RatonEncima());
  EXPECT_EQ(reglas.Cara({0, 0, 50, 20}, {}, false, false).colores, EColoresBoton::Fuera);
}

TEST(BotonBmpReglas, AnillosDeLosBordes) {
  const SAnillosBorde realce = AnillosBorde(EBordeBoton::Realce3D);
  ASSERT_EQ(realce.cuantos, 2);
  EXPECT_EQ(realce.anillo[0], (SAnilloBorde{C::Luz, C::SombraOscura}));
  EXPECT_EQ(realce.anillo[1], (SAnilloBorde{C::Claro, C::Sombra}));
  const SAnillosBorde hundido = AnillosBorde(EBordeBoton::FinoHundido);
  ASSERT_EQ(hundido.cuantos, 1);
  EXPECT_EQ(hundido.anillo[0], (SAnilloBorde{C::Sombra, C::Luz}));
  EXPECT_EQ(AnillosBorde(EBordeBoton::Ninguno).cuantos, 0);
}

// ---- CCJButton ------------------------------------------------------------------------------------------

TEST(BotonCJReglas, SoloUnBotonMuestraLaCaraCalienteALaVez) {
  CTestigoCaliente testigo;
  CReglasCJButton a;
  CReglasCJButton b;

  SAccionCJ accion = a.Temporizador(true, testigo);
  EXPECT_TRUE(a.Caliente());
  EXPECT_TRUE(accion.repintar);
  EXPECT_FALSE(accion.pararTemporizador);
  EXPECT_FALSE(a.Temporizador(true, testigo).repintar);  // already hot

  // The pointer moves to b while a is still hot: b waits.
  accion = b.Temporizador(true, testigo);
  EXPECT_FALSE(b.Caliente());
  EXPECT_FALSE(accion.pararTemporizador);

  // a sees the pointer gone: it stops, goes back to the plain face and lets b rise.
  accion = a.Temporizador(false, testigo);
  EXPECT_TRUE(accion.pararTemporizador);
  EXPECT_TRUE(accion.repintar);
  EXPECT_FALSE(a.Caliente());
  EXPECT_TRUE(b.Temporizador(true, testigo).repintar);
  EXPECT_TRUE(b.Caliente());
  EXPECT_EQ(testigo.Dueno(), &b);

  // A button that goes away while hot gives the witness back.
  b.Olvidar(testigo);
  EXPECT_EQ(testigo.Dueno(), nullptr);
  EXPECT_TRUE(a.Temporizador(true, testigo).repintar);
}

TEST(BotonCJReglas, PulsadoONoPlanoNoSeCalienta) {
  CTestigoCaliente testigo;
  CReglasCJButton boton;
  boton.Temporizador(true, testigo);
  ASSERT_TRUE(boton.Caliente());
  boton.BotonAbajo();
  const SAccionCJ accion = boton.Temporizador(true, testigo);
  EXPECT_TRUE(accion.pararTemporizador);
  EXPECT_TRUE(accion.repintar);
  EXPECT_FALSE(boton.Caliente());
  EXPECT_EQ(testigo.Dueno(), nullptr);

  CReglasCJButton normal;
  normal.PonerPlano(false);
  const SAccionCJ sinCara = normal.Temporizador(true, testigo);
  EXPECT_FALSE(normal.Caliente());
  EXPECT_FALSE(sinCara.pararTemporizador);  // keeps watching while the pointer is over it
}

TEST(BotonCJReglas, CarasSegunEstado) {
  const SRectBoton cliente{0, 0, 24, 24};
  CReglasCJButton boton;
  EXPECT_EQ(boton.Cara(cliente, {}, false).borde, EBordeBoton::Invisible);
  EXPECT_EQ(boton.Cara(cliente, {}, false).rectIcono, cliente);

  boton.BotonAbajo();
  const SCaraCJ pulsado = boton.Cara(cliente, {true, false, false}, true);
  EXPECT_EQ(pulsado.borde, EBordeBoton::FinoHundido);
  EXPECT_EQ(pulsado.rectIcono, (SRectBoton{1, 1, 24, 24}));
  EXPECT_EQ(boton.Cara(cliente, {false, false, false}, false).rectIcono, cliente);  // pointer away
  boton.BotonArriba();

  CTestigoCaliente testigo;
  boton.Temporizador(true, testigo);
  const SCaraCJ caliente = boton.Cara(cliente, {}, true);
  EXPECT_TRUE(caliente.caliente);
  EXPECT_EQ(caliente.borde, EBordeBoton::FinoRealzado);

  CReglasCJButton normal;
  normal.PonerPlano(false);
  EXPECT_EQ(normal.Cara(cliente, {}, false).borde, EBordeBoton::DobleRealzado);
  EXPECT_EQ(normal.Cara(cliente, {true, false, false}, false).borde, EBordeBoton::DobleHundido);
}

// ---- CMappedBitmapButton --------------------------------------------------------------------------------

TEST(BotonMapaReglas, ImagenPorEstadoYAnchoDeCadaImagen) {
  EXPECT_EQ(ImagenMapa({}), 0);
  EXPECT_EQ(ImagenMapa({true, true, true}), 1);
  EXPECT_EQ(ImagenMapa({false, true, true}), 2);
  EXPECT_EQ(ImagenMapa({false, false, true}), 3);
  EXPECT_EQ(AnchoImagenMapa(96), 24);
  EXPECT_EQ(AnchoImagenMapa(97), 24);
  EXPECT_EQ(AnchoImagenMapa(4), 1);
  EXPECT_EQ(AnchoImagenMapa(3), 0);
  EXPECT_EQ(AnchoImagenMapa(0), 0);
  EXPECT_EQ(AnchoImagenMapa(-8), 0);
}

// ---- CBotonRedondo --------------------------------------------------------------------------------------

TEST(BotonRedondoReglas, ElRectanguloSeHaceCuadradoDelLadoMenor) {
  struct Caso {
    int ancho, alto, lado, centro, radio;
  } casos[] = {
      {60, 40, 40, 20, 19}, {40, 60, 40, 20, 19}, {41, 41, 41, 20, 19}, {2, 30, 2, 1, 0}, {0, 10, 0, 0, 0},
  };
  for (const Caso& c : casos) {
    const CGeometriaRedonda g = CGeometriaRedonda::Cuadrar(c.ancho, c.alto);
    SCOPED_TRACE(testing::Message() << c.ancho << " x " << c.alto);
    EXPECT_EQ(g.Lado(), c.lado);
    EXPECT_EQ(g.CentroX(), c.centro);
    EXPECT_EQ(g.CentroY(), c.centro);
    EXPECT_EQ(g.Radio(), c.radio);
  }
}

TEST(BotonRedondoReglas, SoloCuentaLoQueCaeDentroDelCirculo) {
  const CGeometriaRedonda g = CGeometriaRedonda::Cuadrar(60, 40);
  struct Caso {
    int x, y;
    bool dentro;
  } casos[] = {
      {20, 20, true}, {0, 20, true},   {39, 20, true},  {20, 0, true},   {20, 39, true}, {6, 6, true},
      {5, 5, false},  {0, 0, false},   {39, 39, false}, {1, 38, false},  {40, 20, false}, {50, 20, false},
      {-1, 20, false}, {20, -1, false},
  };
  for (const Caso& c : casos) EXPECT_EQ(g.Dentro(c.x, c.y), c.dentro) << c.x << "," << c.y;
}

TEST(BotonRedondoReglas, SombreadoDeArribaIzquierdaAAbajoDerecha) {
  const SColorBoton blanco{255, 255, 255};
  const SColorBoton negro{0, 0, 0};
  // c1 falls up and to the left of the centre, c2 opposite; in between (cos a + 1) / 2, truncated.
  EXPECT_GE(ColorSombreado(-10, -10, blanco, negro).r, 254);
  EXPECT_EQ(ColorSombreado(10, 10, blanco, negro), negro);
  EXPECT_EQ(ColorSombreado(0, -19, blanco, negro), (SColorBoton{217, 217, 217}));
  EXPECT_EQ(ColorSombreado(19, 0, blanco, negro).r, 37);  // right of the centre: mostly c2
  // Left and top are alike (the angle wraps around on the left).
  EXPECT_NEAR(ColorSombreado(-19, 0, blanco, negro).r, 217, 1);
  // Each channel on its own.
  EXPECT_EQ(ColorSombreado(0, -19, {255, 0, 0}, {0, 255, 0}), (SColorBoton{217, 37, 0}));
}

TEST(BotonRedondoReglas, PuntosDelCirculoSobreElRadioYSimetricos) {
  for (int radio : {0, 1, 5, 18, 19}) {
    const auto puntos = PuntosCirculo(20, 20, radio);
    std::set<std::pair<int, int>> conjunto;
    for (const SPuntoBoton& p : puntos) {
      const double d = std::hypot(p.x - 20, p.y - 20);
      EXPECT_LE(std::abs(d - radio), 0.6) << "radio " << radio << " punto " << p.x << "," << p.y;
      conjunto.insert({p.x - 20, p.y - 20});
    }
    for (const auto& [dx, dy] : conjunto) {
      EXPECT_TRUE(conjunto.count({-dx, dy}) && conjunto.count({dx, -dy}) && conjunto.count({dy, dx}))
          << "radio " << radio;
    }
    EXPECT_TRUE(conjunto.count({radio, 0}) && conjunto.count({0, -radio}));
  }
  const auto punteado = PuntosCirculoPunteado(20, 20, 14);
  const auto entero = PuntosCirculo(20, 20, 14);
  EXPECT_LT(punteado.size(), entero.size() * 2 / 3);
  EXPECT_GT(punteado.size(), entero.size() / 3);
  EXPECT_TRUE(PuntosCirculo(0, 0, -1).empty());
}

TEST(BotonRedondoReglas, CaraSegunEstado) {
  const CGeometriaRedonda g = CGeometriaRedonda::Cuadrar(60, 40);

  const SCaraRedonda normal = CaraRedonda(g, {}, false, false);
  ASSERT_EQ(normal.circulos.size(), 2u);
  EXPECT_EQ(normal.circulos[0].radio, 19);
  EXPECT_TRUE(normal.circulos[0].sombreado);
  EXPECT_EQ(normal.circulos[0].c1, C::Luz);
  EXPECT_EQ(normal.circulos[0].c2, C::SombraOscura);
  EXPECT_EQ(normal.circulos[1].radio, 18);
  EXPECT_EQ(normal.circulos[1].c1, C::Claro);
  EXPECT_EQ(normal.circulos[1].c2, C::Sombra);
  EXPECT_EQ(normal.radioTexto, 17);
  EXPECT_EQ(normal.centroTexto, (SPuntoBoton{20, 20}));
  EXPECT_FALSE(normal.anilloPunteado);

  const SCaraRedonda pulsado = CaraRedonda(g, {true, false, false}, false, false);
  EXPECT_EQ(pulsado.circulos[0].c1, C::SombraOscura);
  EXPECT_EQ(pulsado.circulos[0].c2, C::Luz);
  EXPECT_EQ(pulsado.circulos[1].c1, C::Sombra);
  EXPECT_EQ(pulsado.circulos[1].c2, C::Claro);
  EXPECT_EQ(pulsado.centroTexto, (SPuntoBoton{21, 21}));

  // The focus ring only with the option: a black ring outside, the dotted circle 4 pixels inside.
  EXPECT_EQ(CaraRedonda(g, {false, true, false}, false, false).circulos.size(), 2u);
  const SCaraRedonda foco = CaraRedonda(g, {false, true, false}, true, false);
  ASSERT_EQ(foco.circulos.size(), 3u);
  EXPECT_TRUE(foco.circulos[0].negro);
  EXPECT_EQ(foco.circulos[0].radio, 19);
  EXPECT_EQ(foco.circulos[1].radio, 18);
  EXPECT_TRUE(foco.anilloPunteado);
  EXPECT_EQ(foco.radioPunteado, 14);
  EXPECT_EQ(foco.radioTexto, 16);

  const SCaraRedonda plano = CaraRedonda(g, {false, false, true}, false, true);
  ASSERT_EQ(plano.circulos.size(), 2u);
  EXPECT_TRUE(plano.circulos[0].negro);
  EXPECT_FALSE(plano.circulos[1].sombreado);
  EXPECT_EQ(plano.circulos[1].c1, C::Luz);
  EXPECT_TRUE(plano.textoGris);
}

}  // namespace
}  // namespace marco
