// The page view's rules without a window: geometry at a zoom, zoom steps, hit-testing, the focus order,
// activation with the page's check, and the routing of box notifications to the page's operations.
#include "framework/Prog32ViewReglas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/Campo.h"
#include "framework/EditEx.h"

namespace marco {
namespace {

using plataforma::CPunto;
using plataforma::CTamano;

// The notifying control: the rules only tell it from none, so any address stands for it (it is never used).
wxWindow* ControlCualquiera() {
  static char marcador = 0;
  return reinterpret_cast<wxWindow*>(&marcador);
}

TEST(VistaGeometria, EscalaPaginaYFuente) {
  const struct {
    int ancho;
    CTamano imagen;
    double zoom;
    double escala;
    CTamano vista;
    SFuenteCampos fuente;
  } casos[] = {
      // The page pictures measure 2100 x 2971 tenths of a millimetre.
      {1004, {2100, 2971}, 1.0, 1.0, {1004, 1420}, {-13, -6}},
      {1004, {2100, 2971}, 1.5, 1.5, {1506, 2130}, {-20, -9}},
      {1024, {2100, 2971}, 1.25, 1280.0 / 1004.0, {1280, 1810}, {-17, -8}},
      // No picture: the default page, never a division by a zero width.
      {1004, {0, 0}, 1.0, 1.0, {1004, 1397}, {-13, -6}},
  };
  for (const auto& c : casos) {
    const SGeometriaPagina g = CalcularGeometria(c.ancho, c.imagen, c.zoom);
    EXPECT_DOUBLE_EQ(g.escalaCampos, c.escala) << c.ancho << " " << c.zoom;
    EXPECT_EQ(g.vista, c.vista) << c.ancho << " " << c.zoom;
    EXPECT_EQ(g.fuente, c.fuente) << c.ancho << " " << c.zoom;
    EXPECT_EQ(g.pasoPagina, (CTamano{c.vista.cx / 5, c.vista.cy / 5}));
    EXPECT_EQ(g.pasoLinea, (CTamano{c.vista.cx / 20, c.vista.cy / 20}));
  }
  EXPECT_EQ(CalcularGeometria(1004, {0, 0}, 1.0).pagina, kTamanoPaginaDefecto);
  // Paper: the smaller base font.
  EXPECT_EQ(CalcularFuenteCampos(1004, {2100, 2971}, 1.0, kAltoFuenteImpresora, kAnchoFuenteImpresora),
            (SFuenteCampos{-7, -5}));
  EXPECT_EQ(AnchoUtil(1280, 16), 1264);
  EXPECT_EQ(AnchoUtil(1280, -1), 1280);  // a metric the platform does not know
  EXPECT_EQ(AnchoUtil(0, 16), 1);
}

// The page is laid out for the window it is in, less its vertical scroll bar, so that the page's whole width is in
// view at zoom 1 whatever room the main window leaves it; within the narrowest readable width and the screen's.
TEST(VistaGeometria, AnchoDeLaPaginaParaSuVentana) {
  const struct {
    int ventana, barra, pantalla, ancho;
  } casos[] = {
      {1280, 16, 1280, 1264},  // the window as wide as the screen: the width of the screen's layout
      {1056, 16, 1280, 1040},  // the section tree beside the page
      {1036, 20, 1280, 1016},  // a wider scroll bar
      {800, 16, 1280, 784},
      {616, 16, 1280, 600},
      {300, 16, 1280, kAnchoUtilMinimo},  // a narrow window scrolls across a readable page
      {0, 16, 1280, kAnchoUtilMinimo},    // a window not yet given its size
      {1900, 16, 1280, 1264},             // never wider than the screen's layout
      {1280, -1, 1280, 1280},             // a metric the platform does not know
      {500, 16, 400, 384},                // a screen narrower than the narrowest width: the screen's
  };
  for (const auto& c : casos) {
    EXPECT_EQ(AnchoUtilVentana(c.ventana, c.barra, c.pantalla), c.ancho) << c.ventana << " " << c.barra << " "
                                                                          << c.pantalla;
    // At zoom 1 the page is as wide as the width it is laid out for.
    EXPECT_EQ(CalcularGeometria(AnchoUtilVentana(c.ventana, c.barra, c.pantalla), {2100, 2971}, 1.0).vista.cx, c.ancho);
  }
}

// What stands over a box's edit area (the edit, the button at its right) keeps its place and share of the area
// when the box moves and changes size.
TEST(VistaGeometria, LoQueEstaSobreUnaCasillaVaConElla) {
  using plataforma::CRectangulo;
  const struct {
    CRectangulo r, desde, hasta, esperado;
  } casos[] = {
      // The box moved: the same offsets.
      {{104, 52, 196, 68}, {100, 50, 200, 70}, {300, 10, 400, 30}, {304, 12, 396, 28}},
      // The box grew by a quarter: the edit and the button at its right with it.
      {{104, 52, 178, 68}, {100, 50, 200, 70}, {125, 63, 250, 88}, {130, 66, 223, 86}},
      {{180, 52, 196, 68}, {100, 50, 200, 70}, {125, 63, 250, 88}, {225, 66, 245, 86}},
      // The box shrank to 0.8 and moved left.
      {{104, 52, 196, 68}, {100, 50, 200, 70}, {40, 40, 120, 56}, {43, 42, 117, 54}},
      // An area without a size: nothing to carry it by, it stays.
      {{104, 52, 196, 68}, {100, 50, 100, 70}, {300, 10, 400, 30}, {104, 52, 196, 68}},
  };
  for (const auto& c : casos) {
    const CRectangulo n = LlevarSobreCampo(c.r, c.desde, c.hasta);
    EXPECT_EQ(n, c.esperado) << n.left << "," << n.top << " " << n.right << "," << n.bottom;
  }
}

TEST(VistaGeometria, PasosDeZoomYDesplazamiento) {
  const struct {
    double zoom, acercado, alejado;
  } pasos[] = {{1.0, 1.25, 1.0}, {1.25, 1.5, 1.0}, {1.5, 1.5, 1.25}, {1.1, 1.1, 1.1}};
  for (const auto& p : pasos) {
    EXPECT_EQ(ZoomAcercado(p.zoom), p.acercado) << p.zoom;
    EXPECT_EQ(ZoomAlejado(p.zoom), p.alejado) << p.zoom;
  }
  EXPECT_TRUE(PuedeAcercar(1.25));
  EXPECT_FALSE(PuedeAcercar(1.5));
  EXPECT_TRUE(PuedeAlejar(1.25));
  EXPECT_FALSE(PuedeAlejar(1.0));
  EXPECT_EQ(TextoZoom(1.25), "1.25");
  EXPECT_EQ(TextoZoom(1.0), "1.00");
  // The same place of the page at the new size; the top at zoom 1.
  EXPECT_EQ(DesplazamientoTrasZoom({100, 400}, {1004, 1420}, {1506, 2130}, 1.5), (CPunto{150, 600}));
  EXPECT_EQ(DesplazamientoTrasZoom({150, 600}, {1506, 2130}, {1004, 1420}, 1.0), (CPunto{0, 0}));
  EXPECT_EQ(DesplazamientoTrasZoom({150, 600}, {0, 0}, {1004, 1420}, 1.25), (CPunto{0, 0}));
  // A new width of the window: the same place of the page, at zoom 1 too.
  EXPECT_EQ(DesplazamientoTrasEscala({0, 600}, {1264, 1788}, {1040, 1471}), (CPunto{0, 493}));
  EXPECT_EQ(DesplazamientoTrasEscala({0, 0}, {1264, 1788}, {1040, 1471}), (CPunto{0, 0}));
  EXPECT_EQ(DesplazamientoTrasEscala({10, 20}, {0, 0}, {1040, 1471}), (CPunto{0, 0}));
}

// A page of boxes whose window side records what the rules ask of it.
class CPaginaPrueba : public CProg32ViewReglas {
 public:
  CCampo& Anadir(int l, int t, int r, int b, bool soloLectura = false, std::string mascara = "F12") {
    auto campo = std::make_unique<CCampo>();
    campo->IndNumero = static_cast<int>(campos.size()) + 1;
    campo->Coor_1 = l;
    campo->Coor_2 = t;
    campo->Coor_3 = r;
    campo->Coor_4 = b;
    campo->SoloLectur = soloLectura ? 1 : 0;
    campo->StrValidac = std::move(mascara);
    campo->TextoDibuj = "casilla " + std::to_string(campo->IndNumero);
    campos.push_back(std::move(campo));
    return *campos.back();
  }

  // ---- the page's operations ----
  CCampo* DameCampo(int i) override {
    return i >= 0 && i < static_cast<int>(campos.size()) ? campos[static_cast<std::size_t>(i)].get() : nullptr;
  }
  int NumeroCampos() override { return static_cast<int>(campos.size()); }
  int ComprobarCampo(int numero) override {
    registro.push_back("comprobar " + std::to_string(numero));
    return respuestaComprobar;
  }
  void RefrescarControles() override { registro.push_back("refrescar"); }
  int CampoPierdeFoco(int n) override { return Anotar("pierde", n, 1); }
  int Recalcular(int n) override { return Anotar("recalcular", n, resultadoEvento); }
  int CampoBorrado(int n) override { return Anotar("borrado", n, resultadoEvento); }
  int CampoActualizandose(int n) override { return Anotar("actualizandose", n, 0); }
  int AplicarDependencias(int n) override { return Anotar("dependencias", n, resultadoEvento); }
  int CampoRecibeFoco(int n) override { return Anotar("recibe", n, 0); }
  int CampoAEnfocar() override { return campoAEnfocar; }

  // ---- the window side ----
  bool HayEditActivo() const override { return edit; }
  bool EditModificado() const override { return modificado; }
  void LimpiarEditModificado() override { modificado = false; }
  void GuardarEditActivo() override { registro.push_back("guardar"); }
  void CrearControlCampo(int i) override {
    edit = true;
    modificado = false;
    registro.push_back("crear " + std::to_string(i));
  }
  void DestruirEdit() override {
    if (edit) registro.push_back("destruir");
    edit = false;
  }
  void DibujarMarcoCampo(int estado, int i) override {
    marcos.push_back(std::to_string(i) + ":" + std::to_string(estado));
  }
  void DibujarTextoCampo(int) override {}
  void HacerVisible(int i) override { registro.push_back("visible " + std::to_string(i)); }
  void ActivarMasTarde(int i) override {
    registro.push_back("mas tarde " + std::to_string(i));
    PonerCampoRaton(i);
    ActivarCampo();
  }
  void CaretAlFinal() override { registro.push_back("caret"); }
  void MarcarDocumentoModificado() override { registro.push_back("modificado"); }
  void ActualizarVistasValores() override { registro.push_back("pista 1"); }
  void TextoBarraEstado(const std::string& texto) override { estado = texto; }

  int Anotar(const char* que, int n, int resultado) {
    registro.push_back(std::string(que) + " " + std::to_string(n));
    return resultado;
  }
  // Clicks the box at a point.
  int Pulsar(CPunto p) {
    PonerCampoRaton(BuscarCampo(p));
    return ActivarCampo();
  }

  std::vector<std::unique_ptr<CCampo>> campos;
  std::vector<std::string> registro;
  std::vector<std::string> marcos;
  std::string estado;
  bool edit = false;
  bool modificado = false;
  int respuestaComprobar = 1;
  int resultadoEvento = 0;
  int campoAEnfocar = 0;
};

TEST(VistaReglas, BuscarCampoPrimeroEnElOrden) {
  CPaginaPrueba p;
  p.Anadir(10, 10, 50, 30);
  p.Anadir(40, 20, 90, 40);  // overlaps the first one
  const struct {
    CPunto punto;
    int campo;
  } casos[] = {{{10, 10}, 0}, {{45, 25}, 0}, {{50, 25}, 1}, {{45, 35}, 1}, {{49, 29}, 0}, {{90, 30}, -1},
               {{60, 40}, -1}, {{9, 15}, -1}};
  for (const auto& c : casos) EXPECT_EQ(p.BuscarCampo(c.punto), c.campo) << c.punto.x << "," << c.punto.y;
}

TEST(VistaReglas, TabuladorDaLaVueltaYSaltaLasDeLectura) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10, true);
  p.Anadir(0, 20, 10, 30);
  p.Anadir(0, 40, 10, 50, true);
  p.Anadir(0, 60, 10, 70);
  EXPECT_EQ(p.SiguienteCampoEditable(3, 1), 1);
  EXPECT_EQ(p.SiguienteCampoEditable(1, 0), 3);
  EXPECT_EQ(p.SiguienteCampoEditable(-1, 1), 1);  // from the start, inclusive of box 0

  ASSERT_EQ(p.Pulsar({5, 65}), 1);
  EXPECT_EQ(p.DameCampoActivo(), 3);
  p.SaltarCampo(1);  // the last editable wraps to the first
  EXPECT_EQ(p.DameCampoActivo(), 1);
  p.SaltarCampo(0);  // and back
  EXPECT_EQ(p.DameCampoActivo(), 3);
  EXPECT_EQ(p.DameCampoRaton(), 3);  // the box under the mouse is given back after the move
}

TEST(VistaReglas, PaginaSinCasillasEditables) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10, true);
  p.Anadir(0, 20, 10, 30, true);
  EXPECT_EQ(p.SiguienteCampoEditable(0, 1), -1);
  EXPECT_EQ(p.Pulsar({5, 5}), 0);
  p.SaltarCampo(1);
  p.SaltarCampo(0);
  EXPECT_EQ(p.DameCampoActivo(), -1);
  EXPECT_FALSE(p.edit);
  EXPECT_TRUE(p.registro.empty());
  // No box at all: nothing either, and nothing read past the array.
  CPaginaPrueba vacia;
  EXPECT_EQ(vacia.ActivarCampo(), 0);
  vacia.IrACampo(0);
  vacia.SaltarCampo(1);
  EXPECT_TRUE(vacia.registro.empty());
}

TEST(VistaReglas, PulsarUnaDeLecturaActivaLaSiguienteEditable) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10);
  p.Anadir(0, 20, 10, 30, true);
  p.Anadir(0, 40, 10, 50);
  EXPECT_EQ(p.Pulsar({5, 25}), 1);
  EXPECT_EQ(p.DameCampoActivo(), 2);
  // A click off every box with an edit up changes nothing.
  p.registro.clear();
  EXPECT_EQ(p.Pulsar({500, 500}), 0);
  EXPECT_EQ(p.DameCampoActivo(), 2);
  EXPECT_TRUE(p.registro.empty());
}

TEST(VistaReglas, LaComprobacionQueRechazaRetieneLaCasilla) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10);
  p.Anadir(0, 20, 10, 30);
  ASSERT_EQ(p.Pulsar({5, 5}), 1);
  p.modificado = true;
  p.respuestaComprobar = 0;
  p.registro.clear();
  EXPECT_EQ(p.Pulsar({5, 25}), 0);
  EXPECT_EQ(p.DameCampoActivo(), 0);
  EXPECT_EQ(p.registro, (std::vector<std::string>{"guardar", "comprobar 1"}));
  // Tab from it: the same check keeps it.
  p.registro.clear();
  p.SaltarCampo(1);
  EXPECT_EQ(p.DameCampoActivo(), 0);

  // Accepted: the document is marked, the boxes redrawn, the old edit goes and the new one comes.
  p.respuestaComprobar = 1;
  p.registro.clear();
  p.marcos.clear();
  EXPECT_EQ(p.Pulsar({5, 25}), 1);
  EXPECT_EQ(p.registro, (std::vector<std::string>{"guardar", "comprobar 1", "modificado", "refrescar", "destruir",
                                                  "crear 1", "visible 1"}));
  EXPECT_EQ(p.marcos, (std::vector<std::string>{"0:0", "0:1", "1:2"}));
  // Not modified: no check at all.
  p.registro.clear();
  EXPECT_EQ(p.Pulsar({5, 5}), 1);
  EXPECT_EQ(p.registro, (std::vector<std::string>{"destruir", "crear 0", "visible 0"}));
}

TEST(VistaReglas, UnicaEditableSoloSeComprueba) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10, true);
  p.Anadir(0, 20, 10, 30);
  ASSERT_EQ(p.Pulsar({5, 25}), 1);
  p.modificado = true;
  p.registro.clear();
  p.SaltarCampo(1);
  EXPECT_EQ(p.registro, (std::vector<std::string>{"guardar", "comprobar 2", "modificado"}));
  EXPECT_EQ(p.DameCampoActivo(), 1);
}

TEST(VistaReglas, IrACampoYCampoInicial) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10);
  p.Anadir(0, 20, 10, 30);
  p.IrACampo(-1);
  p.IrACampo(2);  // beyond the page
  EXPECT_TRUE(p.registro.empty());
  p.IrACampo(1);
  EXPECT_EQ(p.registro, (std::vector<std::string>{"visible 1", "mas tarde 1", "crear 1", "visible 1"}));
  // With an edit up, the box the page names first; without a name, nothing.
  p.campoAEnfocar = 1;
  p.EnfocarCampoInicial();
  EXPECT_EQ(p.DameCampoActivo(), 0);
  p.campoAEnfocar = 0;
  p.registro.clear();
  p.EnfocarCampoInicial();
  EXPECT_TRUE(p.registro.empty());
}

TEST(VistaReglas, CaretTrasDosDigitosEnZ5) {
  const struct {
    std::string mascara;
    std::string texto;
    bool caret;
  } casos[] = {{"Z5", "12", true}, {"Z5", "123", false}, {"Z2", "12", false}, {"A5", "12", false}};
  for (const auto& c : casos) {
    CPaginaPrueba p;
    p.Anadir(0, 0, 10, 10, false, c.mascara).Texto = c.texto;
    p.Pulsar({1, 1});
    EXPECT_EQ(std::count(p.registro.begin(), p.registro.end(), "caret"), c.caret ? 1 : 0) << c.mascara << c.texto;
  }
}

TEST(VistaReglas, AvisosDeCasilla) {
  const struct {
    int codigo;
    const char* operacion;  // null: none
    int resultadoPagina;
    int resultado;
    bool pista;
  } casos[] = {
      {kAvisoFocoPerdido, "pierde", 0, 1, false},
      {kAvisoTextoCambiara, "actualizandose", 0, 0, false},
      {kAvisoCampoBorrado, "borrado", 1, 1, true},
      {kAvisoCampoBorrado, "borrado", 0, 0, false},
      {kAvisoValorFijado, "recalcular", 1, 1, true},
      {kAvisoValorCambiado, "dependencias", 1, 1, true},
      {kAvisoValorCambiado, "dependencias", 2, 2, false},
      {kAvisoTextoCambiado, nullptr, 1, 0, false},
      {kAvisoTabulador, nullptr, 1, 0, false},
  };
  wxWindow* control = ControlCualquiera();
  for (const auto& c : casos) {
    CPaginaPrueba p;
    p.resultadoEvento = c.resultadoPagina;
    const std::uint32_t palabra = (static_cast<std::uint32_t>(c.codigo) << 16) | 7u;
    EXPECT_EQ(p.DespacharAvisoCampo(palabra, control), c.resultado) << std::hex << c.codigo;
    std::vector<std::string> esperado;
    if (c.operacion != nullptr) esperado.push_back(std::string(c.operacion) + " 7");
    if (c.pista) esperado.push_back("pista 1");
    EXPECT_EQ(p.registro, esperado) << std::hex << c.codigo;
    // A command without a control is no box notification.
    p.registro.clear();
    EXPECT_EQ(p.DespacharAvisoCampo(palabra, nullptr), 0);
    EXPECT_TRUE(p.registro.empty());
  }
}

TEST(VistaReglas, FocoGanadoMuestraLaDescripcion) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10);
  p.Anadir(0, 20, 10, 30);
  wxWindow* control = ControlCualquiera();
  const std::uint32_t palabra = (static_cast<std::uint32_t>(kAvisoFocoGanado) << 16) | 2u;
  EXPECT_EQ(p.DespacharAvisoCampo(palabra, control), 0);  // no edit: nothing shown
  EXPECT_EQ(p.estado, "");
  p.Pulsar({5, 25});
  p.registro.clear();
  EXPECT_EQ(p.DespacharAvisoCampo(palabra, control), 0);
  EXPECT_EQ(p.estado, "casilla 2");
  EXPECT_EQ(p.registro, (std::vector<std::string>{"recibe 2"}));
  EXPECT_EQ(p.MostrarTextoEstado(nullptr, 1), 0);
}

TEST(VistaReglas, RatonResaltaLaCasillaDeDebajo) {
  CPaginaPrueba p;
  p.Anadir(0, 0, 10, 10);
  p.Anadir(0, 20, 10, 30, true);
  EXPECT_TRUE(p.AlMoverRaton({5, 5}));
  EXPECT_FALSE(p.AlMoverRaton({6, 6}));
  EXPECT_TRUE(p.AlMoverRaton({5, 25}));
  EXPECT_TRUE(p.AlMoverRaton({50, 50}));
  EXPECT_EQ(p.marcos, (std::vector<std::string>{"0:2", "0:0", "1:0", "1:0"}));
  EXPECT_EQ(p.DameCampoRaton(), -1);
}

}  // namespace
}  // namespace marco
