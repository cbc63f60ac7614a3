// The rules of the animated logo, without a display: a fake window measures texts (10 pixels a character, font
// height + 2), knows a few pictures, and owns a fake clock that fires the ticks of the timer it was asked to start.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/LogoStaticReglas.h"

namespace marco {
namespace {

class CEntornoFalso : public IEntornoLogo {
 public:
  unsigned IniciarTemporizador(unsigned id, unsigned intervaloMs) override {
    ++m_nInicios;
    m_idPedido = id;
    m_intervalo = intervaloMs;
    m_acumulado = 0;
    return m_bFallarTemporizador ? 0 : id;
  }
  STamanoLogo MedirTexto(std::string_view texto, SFuenteLogo fuente) override {
    const int alto = fuente.alto > 0 ? fuente.alto + 2 : 13;
    return {static_cast<int>(texto.size()) * 10, alto};
  }
  std::optional<STamanoLogo> TamanoDibujo(std::string_view nombre) override {
    ++m_nCargas;
    const auto it = m_dibujos.find(std::string(nombre));
    if (it == m_dibujos.end()) return std::nullopt;
    return it->second;
  }

  // The fake clock: the timer fires once per interval; each tick's answer is kept.
  void Avanzar(CLogoStaticReglas& reglas, unsigned ms) {
    ASSERT_GT(m_intervalo, 0u) << "the timer was never started";
    m_acumulado += ms;
    while (m_acumulado >= m_intervalo) {
      m_acumulado -= m_intervalo;
      ++m_nTics;
      const std::optional<SPasoLogo> paso = reglas.Tic(m_idPedido, m_cliente, *this);
      ASSERT_TRUE(paso.has_value());
      m_pasos.push_back(*paso);
      if (reglas.LineaActual() != m_ultimaLinea) {
        m_ultimaLinea = reglas.LineaActual();
        m_tomas.emplace_back(m_nTics, m_ultimaLinea);
      }
    }
  }
  void Tics(CLogoStaticReglas& reglas, int n) { Avanzar(reglas, static_cast<unsigned>(n) * m_intervalo); }

  SRectBoton m_cliente{0, 0, 200, 100};
  std::map<std::string, STamanoLogo> m_dibujos;
  bool m_bFallarTemporizador = false;
  int m_nInicios = 0;
  int m_nCargas = 0;
  unsigned m_idPedido = 0;
  unsigned m_intervalo = 0;
  unsigned m_acumulado = 0;
  int m_nTics = 0;
  std::vector<SPasoLogo> m_pasos;
  std::string m_ultimaLinea;
  std::vector<std::pair<int, std::string>> m_tomas;  // (tick, line) each time the current line changed
};

const STextoLogo* Texto(const SPasoLogo& paso) {
  return paso.pieza ? std::get_if<STextoLogo>(&*paso.pieza) : nullptr;
}
const SDibujoLogo* Dibujo(const SPasoLogo& paso) {
  return paso.pieza ? std::get_if<SDibujoLogo>(&*paso.pieza) : nullptr;
}

TEST(LogoStaticReglas, PonerTextoCortaEnCadaSeparador) {
  struct SCaso {
    std::string texto;
    std::vector<std::string> lineas;
  };
  const std::vector<SCaso> casos = {
      {"Korvelix", {"Korvelix"}},
      {"uno|dos|", {"uno", "dos", ""}},
      {"uno||dos", {"uno", "", "dos"}},
      {"", {""}},
      {"|", {"", ""}},
      {"a\n|b\r|logo^", {"a\n", "b\r", "logo^"}},
  };
  for (const SCaso& caso : casos) {
    CLogoStaticReglas reglas;
    reglas.PonerTexto(caso.texto, '|');
    EXPECT_EQ(reglas.Lineas(), caso.lineas) << caso.texto;
  }
}

TEST(LogoStaticReglas, ElUltimoCaracterEligeElEstilo) {
  const CLogoStaticReglas reglas;
  struct SCaso {
    std::string linea;
    SLineaLogo estilo;
  };
  const std::vector<SCaso> casos = {
      {"Renta\n", {EEstiloLineaLogo::Grande, "Renta", {19, 700}, 2}},
      {"Patrimonio\r", {EEstiloLineaLogo::Mediana, "Patrimonio", {17, 700}, 3}},
      {"Aviso\t", {EEstiloLineaLogo::Roja, "Aviso", {19, 700}, 1}},
      {"logo-korvelix^", {EEstiloLineaLogo::Dibujo, "logo-korvelix", {}, -1}},
      {"versi\xF3n 1.0", {EEstiloLineaLogo::Pequena, "versi\xF3n 1.0", {15, 100}, 4}},
      {"\n", {EEstiloLineaLogo::Grande, "", {19, 700}, 2}},
      {"", {}},
  };
  for (const SCaso& caso : casos) EXPECT_EQ(reglas.Estilo(caso.linea), caso.estilo) << caso.linea;
}

TEST(LogoStaticReglas, CadaLineaDuraTantosTicsComoSuAltura) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("Uno\n|dos||Tres\r|\n|x", '|');
  ASSERT_EQ(reglas.IniciarAnimacion(entorno), 1);
  EXPECT_EQ(entorno.m_intervalo, 30u);  // mode 1
  EXPECT_EQ(entorno.m_idPedido, kIdTemporizadorLogo);

  // The first line comes in after 14 blank ticks: the run starts with no line and the small line height.
  entorno.Avanzar(reglas, 14 * 30);
  EXPECT_TRUE(entorno.m_tomas.empty());
  for (const SPasoLogo& paso : entorno.m_pasos) EXPECT_FALSE(paso.pieza.has_value());
  EXPECT_TRUE(entorno.m_pasos.front().crearImagen);
  EXPECT_FALSE(entorno.m_pasos.back().crearImagen);

  entorno.Tics(reglas, 201);
  // Large lines 19 ticks, small and empty ones 15 (the height of the last line drawn), medium 17, a line that is
  // only a newline marker is a gap of 19; then the list starts again.
  const std::vector<std::pair<int, std::string>> esperadas = {
      {15, "Uno\n"}, {34, "dos"}, {49, ""}, {64, "Tres\r"}, {81, "\n"}, {100, "x"}, {115, "Uno\n"}, {134, "dos"},
      {149, ""}, {164, "Tres\r"}, {181, "\n"}, {200, "x"}, {215, "Uno\n"}};
  EXPECT_EQ(entorno.m_tomas, esperadas);

  // Each tick of a text line draws one more row of it, ending at the bottom of the client.
  const STextoLogo* primera = Texto(entorno.m_pasos[14]);
  ASSERT_NE(primera, nullptr);
  EXPECT_EQ(primera->texto, "Uno");
  EXPECT_EQ(primera->fuente, (SFuenteLogo{19, 700}));
  EXPECT_EQ(primera->color, 2);
  EXPECT_EQ(primera->rect.y, 99);
  EXPECT_EQ(primera->rect.alto, 1);
  const STextoLogo* ultima = Texto(entorno.m_pasos[32]);
  ASSERT_NE(ultima, nullptr);
  EXPECT_EQ(ultima->rect.y, 81);
  EXPECT_EQ(ultima->rect.alto, 19);
  // The empty line and the newline-only line draw nothing.
  for (int tic = 49; tic < 64; ++tic) EXPECT_FALSE(entorno.m_pasos[tic - 1].pieza.has_value()) << tic;
  for (int tic = 81; tic < 100; ++tic) EXPECT_FALSE(entorno.m_pasos[tic - 1].pieza.has_value()) << tic;
}

TEST(LogoStaticReglas, LaPrimeraPasadaTerminaAlTomarLaUltimaLinea) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("a|bbb", '|');
  reglas.IniciarAnimacion(entorno);
  entorno.Tics(reglas, 29);
  EXPECT_TRUE(reglas.PrimeraPasada());
  entorno.Tics(reglas, 1);  // tick 30 takes "bbb", the last line, which is still measured
  EXPECT_EQ(reglas.LineaActual(), "bbb");
  EXPECT_FALSE(reglas.PrimeraPasada());
  EXPECT_EQ(reglas.AnchoColumna(), 30);
}

TEST(LogoStaticReglas, PonerModoCambiaElIntervaloEnElSiguienteInicio) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("x", '|');
  EXPECT_EQ(reglas.Intervalo(0), 70u);
  EXPECT_EQ(reglas.Intervalo(2), 10u);

  EXPECT_TRUE(reglas.PonerModo(2, 0));  // 0 keeps the mode's interval
  EXPECT_EQ(reglas.Intervalo(2), 10u);
  reglas.IniciarAnimacion(entorno);
  EXPECT_EQ(entorno.m_intervalo, 10u);

  EXPECT_TRUE(reglas.PonerModo(0, 100));
  entorno.Avanzar(reglas, 300);
  EXPECT_EQ(entorno.m_nTics, 30);  // still every 10 ms until the animation starts again
  reglas.IniciarAnimacion(entorno);
  entorno.Avanzar(reglas, 300);
  EXPECT_EQ(entorno.m_nTics, 33);
  EXPECT_EQ(reglas.Modo(), 0);

  // Modes outside 0 to 2 change nothing.
  EXPECT_FALSE(reglas.PonerModo(3, 5));
  EXPECT_FALSE(reglas.PonerModo(-1, 5));
  EXPECT_EQ(reglas.Modo(), 0);
  EXPECT_EQ(reglas.Intervalo(0), 100u);
}

TEST(LogoStaticReglas, LaColumnaSeEnsanchaYSeCentraSoloEnLaPrimeraPasada) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("ab|abcdef\n|x", '|');
  reglas.IniciarAnimacion(entorno);

  // No column yet: nothing scrolls and the uncovered strip is the client's bottom row.
  entorno.Tics(reglas, 15);
  const SPasoLogo& toma = entorno.m_pasos.back();
  EXPECT_FALSE(toma.desplazar.has_value());
  EXPECT_EQ(toma.descubierto, (SRectBoton{0, 99, 200, 1}));
  ASSERT_NE(Texto(toma), nullptr);
  EXPECT_EQ(Texto(toma)->rect, (SRectBoton{90, 99, 20, 1}));  // measured on the tick it is taken
  EXPECT_EQ(reglas.AnchoColumna(), 20);

  entorno.Tics(reglas, 1);
  const SPasoLogo& siguiente = entorno.m_pasos.back();
  ASSERT_TRUE(siguiente.desplazar.has_value());
  EXPECT_EQ(*siguiente.desplazar, (SRectBoton{90, 0, 20, 100}));
  EXPECT_EQ(siguiente.desplazamiento, -1);
  EXPECT_EQ(siguiente.descubierto, (SRectBoton{90, 99, 20, 1}));

  entorno.Tics(reglas, 14);  // tick 30 takes the wider line
  EXPECT_EQ(reglas.AnchoColumna(), 60);
  EXPECT_EQ(Texto(entorno.m_pasos.back())->rect, (SRectBoton{70, 99, 60, 1}));

  // After the first pass, wider lines keep the column's width and are clipped by it.
  entorno.Tics(reglas, 40);
  EXPECT_FALSE(reglas.PrimeraPasada());
  reglas.PonerTexto("una linea de muchos caracteres", '|');
  entorno.Tics(reglas, 15);
  EXPECT_EQ(reglas.LineaActual(), "una linea de muchos caracteres");
  EXPECT_EQ(reglas.AnchoColumna(), 60);
  EXPECT_EQ(Texto(entorno.m_pasos.back())->rect, (SRectBoton{70, 99, 60, 1}));
}

TEST(LogoStaticReglas, UnaLineaMasAnchaQueElClienteOcupaTodoElAncho) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("esta linea no cabe en doscientos pixeles\n", '|');
  reglas.IniciarAnimacion(entorno);
  entorno.Tics(reglas, 15);
  EXPECT_EQ(reglas.AnchoColumna(), 200);
  EXPECT_EQ(Texto(entorno.m_pasos.back())->rect, (SRectBoton{0, 99, 200, 1}));
}

TEST(LogoStaticReglas, UnDibujoEntraFilaAFilaYLuegoVieneUnHuecoDeUnaLinea) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  entorno.m_dibujos["logo"] = {40, 6};
  reglas.PonerTexto("logo^|fin", '|');
  reglas.IniciarAnimacion(entorno);
  entorno.Tics(reglas, 15);
  EXPECT_TRUE(reglas.DibujoActivo());
  const SDibujoLogo* primera = Dibujo(entorno.m_pasos.back());
  ASSERT_NE(primera, nullptr);
  EXPECT_EQ(*primera, (SDibujoLogo{"logo", 1, {80, 99, 40, 1}}));
  EXPECT_EQ(reglas.AnchoColumna(), 40);  // the picture's width widens the column

  entorno.Tics(reglas, 5);  // ticks 16 to 20: the other five rows
  const SDibujoLogo* ultima = Dibujo(entorno.m_pasos.back());
  ASSERT_NE(ultima, nullptr);
  EXPECT_EQ(*ultima, (SDibujoLogo{"logo", 6, {80, 94, 40, 6}}));
  EXPECT_FALSE(reglas.DibujoActivo());
  EXPECT_EQ(reglas.LineaActual(), "");
  EXPECT_EQ(entorno.m_nCargas, 1);  // loaded once, when its line came in

  // (line height - 1) blank ticks, then the next line.
  entorno.Tics(reglas, 14);
  EXPECT_EQ(reglas.LineaActual(), "");
  entorno.Tics(reglas, 1);
  EXPECT_EQ(reglas.LineaActual(), "fin");
  EXPECT_EQ(entorno.m_nTics, 35);
}

TEST(LogoStaticReglas, UnDibujoQueNoSeCargaSeMuestraComoTexto) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("grande\n|perdido^|fin", '|');
  reglas.IniciarAnimacion(entorno);
  entorno.Tics(reglas, 34);  // the picture line is taken after the 19 ticks of the large line
  EXPECT_EQ(reglas.LineaActual(), "perdido^");
  const SPasoLogo& paso = entorno.m_pasos.back();
  EXPECT_TRUE(paso.dibujoFallido);
  EXPECT_FALSE(reglas.DibujoActivo());
  const STextoLogo* texto = Texto(paso);
  ASSERT_NE(texto, nullptr);
  EXPECT_EQ(texto->texto, "perdido^");  // every character, the "^" included
  EXPECT_EQ(texto->fuente, SFuenteLogo{});
  EXPECT_EQ(texto->color, -1);
  EXPECT_EQ(reglas.AltoLinea(), 19);  // the line height stays that of the last text line
  entorno.Tics(reglas, 19);
  EXPECT_EQ(reglas.LineaActual(), "fin");
}

TEST(LogoStaticReglas, IniciarAnimacionSinLineasOSinTemporizador) {
  {
    CLogoStaticReglas reglas;
    CEntornoFalso entorno;
    EXPECT_EQ(reglas.IniciarAnimacion(entorno), 0);
    EXPECT_EQ(entorno.m_nInicios, 0);
    // Painting then shows the background only.
    const SPinturaLogo pintura = reglas.AlPintar(entorno.m_cliente, entorno);
    ASSERT_TRUE(pintura.construir.has_value());
    EXPECT_TRUE(pintura.construir->piezas.empty());
    EXPECT_TRUE(pintura.copiarImagen);
  }
  {
    CLogoStaticReglas reglas;
    CEntornoFalso entorno;
    entorno.m_bFallarTemporizador = true;
    reglas.PonerTexto("Korvelix\n", '|');
    EXPECT_EQ(reglas.IniciarAnimacion(entorno), 0);  // not running: not reported as started
    EXPECT_EQ(reglas.IdTemporizador(), 0u);
    const SPinturaLogo pintura = reglas.AlPintar(entorno.m_cliente, entorno);
    ASSERT_TRUE(pintura.construir.has_value());  // the still picture instead
    ASSERT_EQ(pintura.construir->piezas.size(), 1u);
  }
}

TEST(LogoStaticReglas, DuranteLaAnimacionPintarNoConstruyeNada) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("a|b", '|');
  ASSERT_EQ(reglas.IniciarAnimacion(entorno), 1);
  SPinturaLogo pintura = reglas.AlPintar(entorno.m_cliente, entorno);
  EXPECT_FALSE(pintura.construir.has_value());
  EXPECT_FALSE(pintura.copiarImagen);  // no image before the first tick
  entorno.Tics(reglas, 20);
  pintura = reglas.AlPintar(entorno.m_cliente, entorno);
  EXPECT_FALSE(pintura.construir.has_value());
  EXPECT_TRUE(pintura.copiarImagen);

  // Starting again restarts from the first line on a fresh image.
  EXPECT_EQ(reglas.IniciarAnimacion(entorno), 1);
  EXPECT_EQ(entorno.m_nInicios, 2);
  EXPECT_FALSE(reglas.HayImagen());
  entorno.Tics(reglas, 1);
  EXPECT_TRUE(entorno.m_pasos.back().crearImagen);
  entorno.Tics(reglas, 14);
  EXPECT_EQ(reglas.LineaActual(), "a");

  // New text during the run: restarts from its first line, keeping the image.
  entorno.Tics(reglas, 3);
  reglas.PonerTexto("nuevo|otro", '|');
  entorno.Tics(reglas, 15);
  EXPECT_EQ(reglas.LineaActual(), "nuevo");
  EXPECT_TRUE(reglas.HayImagen());
  for (std::size_t i = entorno.m_pasos.size() - 15; i < entorno.m_pasos.size(); ++i)
    EXPECT_FALSE(entorno.m_pasos[i].crearImagen);
}

TEST(LogoStaticReglas, OtroTemporizadorNoAvanza) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("a", '|');
  reglas.IniciarAnimacion(entorno);
  entorno.Tics(reglas, 3);
  EXPECT_FALSE(reglas.Tic(151, entorno.m_cliente, entorno).has_value());
  EXPECT_EQ(reglas.Desplazado(), 3);
}

TEST(LogoStaticReglas, AlDestruirSeVacianLasLineasYLosTicsNoFallan) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  reglas.PonerTexto("a|b", '|');
  reglas.IniciarAnimacion(entorno);
  entorno.Tics(reglas, 16);
  reglas.AlDestruir();
  EXPECT_TRUE(reglas.Lineas().empty());
  EXPECT_EQ(reglas.IdTemporizador(), 0u);
  // A tick already on its way finds no lines: blank ticks, no fault.
  entorno.Tics(reglas, 40);
  EXPECT_EQ(reglas.LineaActual(), "");
  EXPECT_EQ(reglas.IniciarAnimacion(entorno), 0);
}

TEST(LogoStaticReglas, PintarTodoApilaLasLineasHastaLlenarElCliente) {
  CLogoStaticReglas reglas;
  CEntornoFalso entorno;
  entorno.m_cliente = {0, 0, 200, 60};
  entorno.m_dibujos["logo"] = {40, 6};
  reglas.PonerTexto("Titulo\n||logo^|roto^|abc|no cabe", '|');
  const std::optional<SImagenCompletaLogo> imagen = reglas.PintarTodo(entorno.m_cliente, entorno);
  ASSERT_TRUE(imagen.has_value());
  EXPECT_EQ(imagen->tamano, (STamanoLogo{200, 60}));
  // Title 21 high, the empty line the height of "W" in the default font (13), the picture 6, the unreadable
  // picture as text (13), "abc" at y 53; y is then past the client and the last line is not drawn.
  const std::vector<SPiezaLogo> esperadas = {
      STextoLogo{"Titulo", {19, 700}, 2, {0, 0, 200, 60}},
      SDibujoLogo{"logo", 6, {80, 34, 40, 6}},
      STextoLogo{"roto^", {}, -1, {0, 40, 200, 20}},
      STextoLogo{"abc", {15, 100}, 4, {0, 53, 200, 7}},
  };
  EXPECT_EQ(imagen->piezas, esperadas);
  EXPECT_EQ(reglas.AltoLinea(), 15);
  // With an image already there it does nothing; new text makes the still picture anew.
  EXPECT_FALSE(reglas.PintarTodo(entorno.m_cliente, entorno).has_value());
  reglas.PonerTexto("otro", '|');
  const std::optional<SImagenCompletaLogo> otra = reglas.PintarTodo(entorno.m_cliente, entorno);
  ASSERT_TRUE(otra.has_value());
  EXPECT_EQ(otra->piezas, (std::vector<SPiezaLogo>{STextoLogo{"otro", {15, 100}, 4, {0, 0, 200, 60}}}));
}

TEST(LogoStaticReglas, ColoresYOpciones) {
  CLogoStaticReglas reglas;
  EXPECT_EQ(reglas.Color(0), 0x000000u);
  EXPECT_EQ(reglas.Color(1), 0x0000FFu);
  EXPECT_EQ(reglas.Color(4), 0xFFFFFFu);
  EXPECT_TRUE(reglas.PonerColor(0, 0x00804020));
  EXPECT_EQ(reglas.Color(0), 0x00804020u);
  EXPECT_FALSE(reglas.PonerColor(5, 0x123456));
  EXPECT_FALSE(reglas.PonerColor(-1, 0x123456));
  reglas.PonerOpcion(1);
  EXPECT_EQ(reglas.Transparente(), 1);
}

TEST(LogoStaticReglas, SoloLosNombresSencillosSonDibujos) {
  const std::filesystem::path carpeta = "/datos/botones";
  EXPECT_EQ(RutaDibujoLogo(carpeta, "logo-korvelix"), carpeta / "logo-korvelix.png");
  EXPECT_EQ(RutaDibujoLogo(carpeta, "LOGO_Uno2"), carpeta / "logo_uno2.png");
  for (const char* malo : {"", "../logo", "a/b", "/etc/passwd", "logo.png", "con espacio", "logo\n", "\xF1u"})
    EXPECT_FALSE(RutaDibujoLogo(carpeta, malo).has_value()) << malo;
}

}  // namespace
}  // namespace marco
