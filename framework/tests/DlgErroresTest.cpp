// The findings list without a window: rows made from findings and message texts, what the buttons and hints say
// after a fill, the grid's growth, going to a finding, "&Revisar", printing and filing, the detailed check that
// fills the list again, failures while reading, and where controls go on a resize.
#include "framework/DlgErrores.h"

#include <gtest/gtest.h>

#include <map>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/GridModelo.h"
#include "framework/MensajeGuion.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"

namespace marco {
namespace {

// ---- the rows ----

TEST(DlgErroresFilas, FilaDeAvisoPorTextoYSeveridad) {
  struct SCaso {
    int severidad;
    std::optional<std::string> texto;
    int imagen;
    std::string textoFila;
    unsigned formato;
    int lineas;
  };
  const SCaso casos[] = {
      {0, "Aviso simple   ", kImagenAviso, "Aviso simple", kFormatoTextoUnaLinea, 1},
      {1, "Uno\\nDos\\nTres", kImagenError, "Uno\\nDos\\nTres", kFormatoTextoVariasLineas, 3},
      // Every severity above 0 is an error and shows the error picture.
      {2, "Grave\\n", kImagenError, "Grave\\n", kFormatoTextoVariasLineas, 2},
      {-1, "Raro", kImagenAviso, "Raro", kFormatoTextoUnaLinea, 1},
      // A lone backslash or "\\" before a letter other than n is no line break.
      {0, "C:\\TEMP \\x", kImagenAviso, "C:\\TEMP \\x", kFormatoTextoUnaLinea, 1},
      // A code the message table lacks leaves the text empty.
      {1, std::nullopt, kImagenError, "", kFormatoTextoUnaLinea, 1},
  };
  for (const SCaso& c : casos) {
    const SFilaAviso f = FilaDeAviso(SHallazgo{"100R12 ", 1, 2, c.severidad}, c.texto);
    SCOPED_TRACE(c.textoFila);
    EXPECT_EQ(f.codigo, "100R12");
    EXPECT_EQ(f.imagen, c.imagen);
    EXPECT_EQ(f.texto, c.textoFila);
    EXPECT_EQ(f.formato, c.formato);
    EXPECT_EQ(f.lineas, c.lineas);
  }
  EXPECT_EQ(ContarSaltosMarcados("\\\\n"), 1);  // the second backslash and the n make one marker
  EXPECT_EQ(ContarSaltosMarcados("\\"), 0);
}

// ---- the state after a fill ----

TEST(DlgErroresEstado, BotonesYTextosPorLosHallazgos) {
  const std::string noPuedeImprimir(TextoInicialAvisos(kIdTextoVeredicto));
  const std::string puedeImprimir(TextoCadenaAvisos(kCadenaPuedeImprimir));
  const std::string revisar(TextoCadenaAvisos(kCadenaRevisarAvisos));

  // Warnings only: printing allowed, advice to look at the warnings, the errors line emptied.
  SEstadoAvisos e = EstadoAvisos(3, false, true, true, false);
  EXPECT_TRUE(e.imprimirHabilitado);
  EXPECT_TRUE(e.revisarHabilitado);
  EXPECT_EQ(e.textoVeredicto, puedeImprimir);
  EXPECT_EQ(e.textoNotaAvisos, revisar);
  EXPECT_EQ(e.textoAvisos, "Avisos");
  EXPECT_FALSE(e.textoSeleccion.empty());
  EXPECT_TRUE(e.imagenAvisosVisible);
  EXPECT_EQ(e.textoErrores, "");
  EXPECT_FALSE(e.imagenErroresVisible);
  EXPECT_EQ(e.leyendaImprimir, "&Imprimir");
  EXPECT_EQ(e.imagenImprimir, kImagenBotonImprimir);

  // One error: no printing, the verdict says so, both lines and pictures stay.
  e = EstadoAvisos(1, true, true, true, false);
  EXPECT_FALSE(e.imprimirHabilitado);
  EXPECT_EQ(e.textoVeredicto, noPuedeImprimir);
  EXPECT_EQ(e.textoNotaAvisos, "");
  EXPECT_EQ(e.textoErrores, "Errores");
  EXPECT_TRUE(e.imagenErroresVisible);

  // No finding: "&Revisar" off, the selection hint and "Avisos" emptied, both pictures hidden.
  e = EstadoAvisos(0, false, true, true, false);
  EXPECT_TRUE(e.imprimirHabilitado);
  EXPECT_FALSE(e.revisarHabilitado);
  EXPECT_EQ(e.textoSeleccion, "");
  EXPECT_EQ(e.textoAvisos, "");
  EXPECT_FALSE(e.imagenAvisosVisible);
  EXPECT_FALSE(e.imagenErroresVisible);
  EXPECT_EQ(e.textoNotaAvisos, "");

  // File mode: the filing texts, the "Escribir" caption and picture.
  e = EstadoAvisos(2, false, true, true, true);
  EXPECT_EQ(e.textoVeredicto, std::string(TextoCadenaAvisos(kCadenaPuedeEscribir)));
  EXPECT_EQ(e.leyendaImprimir, "Escribir");
  EXPECT_EQ(e.imagenImprimir, kImagenBotonEscribir);
  e = EstadoAvisos(2, true, true, true, true);
  EXPECT_EQ(e.textoVeredicto, std::string(TextoCadenaAvisos(kCadenaNoPuedeEscribir)));
  EXPECT_FALSE(e.imprimirHabilitado);

  // Without navigation the buttons are off, but the texts still tell the truth about the declaration.
  e = EstadoAvisos(0, false, true, false, false);
  EXPECT_FALSE(e.imprimirHabilitado);
  EXPECT_FALSE(e.revisarHabilitado);
  EXPECT_EQ(e.textoVeredicto, puedeImprimir);

  // Findings that could not be read never allow printing.
  e = EstadoAvisos(0, false, false, true, false);
  EXPECT_FALSE(e.imprimirHabilitado);
  EXPECT_EQ(e.textoVeredicto, noPuedeImprimir);
  EXPECT_TRUE(e.imagenErroresVisible);
}

TEST(DlgErroresGrid, FilaElegidaYRecolocacion) {
  CGridModelo g;
  PrepararListaAvisos(g);
  EXPECT_EQ(g.DameNumeroFilas(), 100);
  EXPECT_EQ(g.DameNumeroColumnas(), 2);
  EXPECT_EQ(g.DameFilasFijas(), 1);
  EXPECT_EQ(g.DameColumnasFijas(), 0);
  EXPECT_EQ(g.DameTextoCelda(0, 1), "Descripci\xF3n");
  EXPECT_EQ(g.Celda(0, 0)->nFormato, kFormatoCabeceraAvisos);
  EXPECT_EQ(g.DameAnchoColumna(1), 675);
  EXPECT_FALSE(g.DameEditable());
  EXPECT_FALSE(g.DameMarcarFoco());
  EXPECT_EQ(g.DameColorFondoDefecto(), 0xE0FFFFu);

  EXPECT_EQ(FilaElegida(g), -1);
  g.PonCeldaFoco(4, 1);
  EXPECT_EQ(FilaElegida(g), 4);
  g.PonRangoSeleccion(7, 0, 9, 1);
  EXPECT_EQ(FilaElegida(g), 7);
  g.QuitarSeleccion();
  g.PonCeldaFoco(0, 1);  // the heading is no finding
  EXPECT_EQ(FilaElegida(g), -1);

  const SRectDialogo boton{600, 400, 140, 70};
  EXPECT_EQ(RecolocarControlAvisos(boton, 30, -20, false), (SRectDialogo{630, 380, 140, 70}));
  const SRectDialogo grid{8, 8, 774, 290};
  EXPECT_EQ(RecolocarControlAvisos(grid, 30, -20, true), (SRectDialogo{8, 8, 804, 270}));
  // Never below 21 pixels: that direction is left as it was.
  EXPECT_EQ(RecolocarControlAvisos(grid, -760, -269, true), (SRectDialogo{8, 8, 774, 21}));
  EXPECT_EQ(RecolocarControlAvisos(grid, -753, -270, true), (SRectDialogo{8, 8, 21, 290}));
}

// ---- the dialog on a simulated window and fixture tables ----

class CVentanaSimulada : public CVentanaAvisos {
 public:
  struct SControl {
    std::string texto;
    bool habilitado = true;
    bool visible = true;
    int imagen = 0;
  };

  CGridModelo& Grid() override { return grid; }
  void GridCambiado() override { ++cambios; }
  void Habilitar(int id, bool habilitar) override { controles[id].habilitado = habilitar; }
  bool Habilitado(int id) const override {
    const auto it = controles.find(id);
    return it == controles.end() || it->second.habilitado;
  }
  void PonerTexto(int id, std::string_view texto) override { controles[id].texto = std::string(texto); }
  void Mostrar(int id, bool mostrar) override { controles[id].visible = mostrar; }
  void PonerImagenBoton(int id, int imagen) override { controles[id].imagen = imagen; }
  void Terminar(int r) override { resultados.push_back(r); }
  void EmpezarEspera() override { ++esperas; }
  void TerminarEspera() override { --esperas; }
  int ImprimirLista() override { return ++listasImpresas; }
  wxWindow* VentanaMensajes() const override { return nullptr; }

  SControl& C(int id) { return controles[id]; }

  CGridModelo grid;
  std::map<int, SControl> controles;
  std::vector<int> resultados;
  int cambios = 0;
  int esperas = 0;
  int listasImpresas = 0;
};

constexpr const char* kCabeceraCorregix =
    "TABLA Corregix\n"
    "CAMPO clave     C 50\n"
    "CAMPO coderror  C 7\n"
    "CAMPO tipdecla  N 2 0\n"
    "CAMPO vista     N 4 0\n"
    "CAMPO severidad N 2 0\n"
    "CAMPO numcontr  N 4 0\n"
    "ETIQUETA CLAVE clave+coderror\n"
    "FILAS\n";

constexpr const char* kMensajes =
    "TABLA ERRORESE\n"
    "CAMPO Coderror   C 7\n"
    "CAMPO numbotones N 1 0\n"
    "CAMPO TextBotone C 20\n"
    "CAMPO TituError  C 40\n"
    "CAMPO TextError  C 254\n"
    "ETIQUETA CLAVE Coderror\n"
    "FILAS\n"
    "100R129|1|ACEPTAR@|AVISO|La casilla 12 no coincide con la suma   \n"
    "100V197|1|ACEPTAR@|ERROR|Primera l\xC3\xADnea\\\\nSegunda l\xC3\xADnea\\\\nTercera\n"
    "WIN1001|1|ACEPTAR@|ERROR|No es este\n"
    "NOTA001|1|ACEPTAR@|AVISO|Esta casilla es la m\xC3\xA1s pr\xC3\xB3xima.\n";

class DocumentoPrueba : public CProg32Doc {
 public:
  void Imprimir() override { ++impresiones; }
  // A note for the findings at page 3.
  std::string NotaHallazgo(const SHallazgo& h) const override { return h.vista == 3 ? "NOTA001" : ""; }
  void ComprobarDeclaracion() override {
    if (comprobar) comprobar();
  }
  void Incompletos(bool incompletos) { PonerHallazgosIncompletos(incompletos); }
  int impresiones = 0;
  std::function<void()> comprobar;
};

class DlgErroresTablas : public pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    PonerIdiomaV("e");
    CrearTabla("ERRORESE", kMensajes);
    red_.Abrir(Carpeta(), true, 3, "DBF");
    local_.Abrir(Carpeta(), false, 1, "DBF");
    fuente_ = std::make_unique<CFuenteAvisosTablas>(&red_, &local_);
    dlg_.PonerClave("PEPE");
    dlg_.PonerFuente(fuente_.get());
    dlg_.PonerDestinoIrA([this](int pagina, long casilla) { idas_.emplace_back(pagina, casilla); });
    dlg_.AsociarVentana(&v_);
  }
  void TearDown() override {
    dlg_.AsociarVentana(nullptr);
    CCarpetaTablas::TearDown();
  }

  // Rows "clave|code|4|vista|severidad|numcontr".
  void Hallazgos(const std::string& filas) { CrearTabla("Corregix", std::string(kCabeceraCorregix) + filas); }

  CBaseDatos red_;
  CBaseDatos local_;
  std::unique_ptr<CFuenteAvisosTablas> fuente_;
  CGuionMensajes guion_;
  CVentanaSimulada v_;
  CDlgErrores dlg_;
  std::vector<std::pair<int, long>> idas_;
};

TEST_F(DlgErroresTablas, SoloAvisosPermiteImprimir) {
  Hallazgos(
      "PEPE|100V197|4|3|0|14\n"
      "PEPE|100R129|4|2|0|12\n"
      "PEPE|100X000|4|5|0|1\n"
      "OTRA|WIN1001|4|1|1|0\n");
  EXPECT_EQ(dlg_.OnInitDialog(), 1);

  CGridModelo& g = v_.grid;
  ASSERT_EQ(g.DameNumeroFilas(), 4);
  // Code order; each row with its picture, its text and its height.
  EXPECT_EQ(g.DameTextoCelda(1, 0), "100R129");
  EXPECT_EQ(g.DameTextoCelda(1, 1), "La casilla 12 no coincide con la suma");
  EXPECT_EQ(g.Celda(1, 0)->nImagen, kImagenAviso);
  EXPECT_EQ(g.Celda(1, 1)->nFormato, kFormatoTextoUnaLinea);
  EXPECT_EQ(g.DameAltoFila(1), g.DameAltoDefecto());
  EXPECT_EQ(g.DameTextoCelda(2, 0), "100V197");
  EXPECT_EQ(g.DameTextoCelda(2, 1), "Primera l\xEDnea\\nSegunda l\xEDnea\\nTercera");
  EXPECT_EQ(g.Celda(2, 1)->nFormato, kFormatoTextoVariasLineas);
  EXPECT_EQ(g.DameAltoFila(2), 3 * g.DameAltoDefecto());
  // A code the message table lacks: its text stays empty.
  EXPECT_EQ(g.DameTextoCelda(3, 0), "100X000");
  EXPECT_EQ(g.DameTextoCelda(3, 1), "");
  // The heading one and a half rows high; every cell read-only.
  EXPECT_EQ(g.DameAltoFila(0), g.DameAltoDefecto() * 3 / 2);
  for (int f = 0; f < g.DameNumeroFilas(); ++f)
    for (int c = 0; c < 2; ++c) EXPECT_NE(g.DameEstadoCelda(f, c) & kGvisSoloLectura, 0u) << f << "," << c;

  EXPECT_TRUE(v_.Habilitado(kIdImprimirDeclaracion));
  EXPECT_TRUE(v_.Habilitado(kIdRevisar));
  EXPECT_FALSE(v_.Habilitado(kIdValidacionDetallada));
  EXPECT_EQ(v_.C(kIdTextoVeredicto).texto, std::string(TextoCadenaAvisos(kCadenaPuedeImprimir)));
  EXPECT_EQ(v_.C(kIdTextoNotaAvisos).texto, std::string(TextoCadenaAvisos(kCadenaRevisarAvisos)));
  EXPECT_EQ(v_.C(kIdTextoErrores).texto, "");
  EXPECT_FALSE(v_.C(kIdImagenErrores).visible);
  EXPECT_TRUE(v_.C(kIdImagenAvisos).visible);
  EXPECT_EQ(v_.C(kIdCancelarAvisos).imagen, kImagenBotonCancelarAvisos);
  EXPECT_EQ(v_.C(kIdImprimirDeclaracion).imagen, kImagenBotonImprimir);
  EXPECT_EQ(v_.C(kIdRevisar).imagen, kImagenBotonRevisar);
  EXPECT_EQ(v_.C(kIdImprimirLista).imagen, kImagenBotonImprimirLista);
  EXPECT_EQ(v_.C(kIdValidacionDetallada).imagen, kImagenBotonValidacion);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

// The note a document gives for a finding (the stand-in box of a form that has no box for its field) follows the
// finding's own text; the other findings keep theirs.
TEST_F(DlgErroresTablas, LaNotaDelDocumentoSigueAlTextoDelHallazgo) {
  Hallazgos("PEPE|100R129|4|3|0|12\nPEPE|WIN1001|4|2|1|0\n");
  DocumentoPrueba documento;
  dlg_.PonerDocumento(&documento);
  EXPECT_EQ(dlg_.OnInitDialog(), 1);
  CGridModelo& g = v_.grid;
  ASSERT_EQ(g.DameNumeroFilas(), 3);
  EXPECT_EQ(g.DameTextoCelda(1, 1), "La casilla 12 no coincide con la suma Esta casilla es la m\xE1s pr\xF3xima.");
  EXPECT_EQ(g.DameTextoCelda(2, 1), "No es este");
}

TEST_F(DlgErroresTablas, UnErrorImpideImprimirYFichero) {
  Hallazgos("PEPE|100R129|4|2|0|12\nPEPE|100V197|4|3|1|14\n");
  dlg_.OnInitDialog();
  EXPECT_TRUE(dlg_.HayErrores());
  EXPECT_FALSE(v_.Habilitado(kIdImprimirDeclaracion));
  EXPECT_EQ(v_.C(kIdTextoVeredicto).texto, std::string(TextoInicialAvisos(kIdTextoVeredicto)));
  EXPECT_EQ(v_.grid.Celda(2, 0)->nImagen, kImagenError);
  // A press that reaches the rules anyway prints nothing.
  DocumentoPrueba doc;
  dlg_.PonerDocumento(&doc);
  dlg_.OnImprimir();
  EXPECT_EQ(doc.impresiones, 0);
  EXPECT_TRUE(v_.resultados.empty());

  CVentanaSimulada fichero;
  CDlgErrores dlg;
  dlg.PonerClave("PEPE");
  dlg.PonerFuente(fuente_.get());
  dlg.PonerModoFichero(true);
  dlg.AsociarVentana(&fichero);
  dlg.OnInitDialog();
  EXPECT_EQ(fichero.C(kIdTextoVeredicto).texto, std::string(TextoCadenaAvisos(kCadenaNoPuedeEscribir)));
  EXPECT_EQ(fichero.C(kIdImprimirDeclaracion).texto, "Escribir");
  EXPECT_EQ(fichero.C(kIdImprimirDeclaracion).imagen, kImagenBotonEscribir);
  EXPECT_FALSE(fichero.Habilitado(kIdImprimirDeclaracion));
}

TEST_F(DlgErroresTablas, SinHallazgos) {
  Hallazgos("OTRA|100R129|4|2|1|12\n");
  EXPECT_EQ(dlg_.OnInitDialog(), 1);
  EXPECT_EQ(v_.grid.DameNumeroFilas(), 1);
  EXPECT_FALSE(v_.Habilitado(kIdRevisar));
  EXPECT_TRUE(v_.Habilitado(kIdImprimirDeclaracion));
  EXPECT_EQ(v_.C(kIdTextoSeleccion).texto, "");
  EXPECT_EQ(v_.C(kIdTextoAvisos).texto, "");
  EXPECT_FALSE(v_.C(kIdImagenAvisos).visible);
  EXPECT_FALSE(v_.C(kIdImagenErrores).visible);
  // Nothing to go to.
  EXPECT_EQ(dlg_.IrAlAviso(1), 0);
}

TEST_F(DlgErroresTablas, CientoCincoHallazgosAgrandanLaLista) {
  std::string filas;
  for (int i = 0; i < 105; ++i) {
    const std::string numero = std::to_string(1000 + i);
    filas += "PEPE|X" + numero + "|4|2|0|" + std::to_string(i) + "\n";
  }
  Hallazgos(filas);
  dlg_.OnInitDialog();
  EXPECT_EQ(v_.grid.DameNumeroFilas(), 106);
  EXPECT_EQ(dlg_.LlenarLista(), 105);
  EXPECT_EQ(v_.grid.DameNumeroFilas(), 106);
  EXPECT_EQ(v_.grid.DameTextoCelda(1, 0), "X1000");
  EXPECT_EQ(v_.grid.DameTextoCelda(105, 0), "X1104");
}

TEST_F(DlgErroresTablas, IrAlAvisoPideLaPaginaYLaCasilla) {
  Hallazgos("PEPE|100R129|4|2|0|12\nPEPE|100V197|4|3|1|14\n");
  dlg_.OnInitDialog();
  // The heading, rows outside the grid and an empty code cell go nowhere.
  for (int fila : {0, -1, 3, 50}) EXPECT_EQ(dlg_.IrAlAviso(fila, 1), 0) << fila;
  EXPECT_TRUE(idas_.empty());
  EXPECT_TRUE(v_.resultados.empty());

  EXPECT_EQ(dlg_.IrAlAviso(2, 1), 1);
  ASSERT_EQ(idas_.size(), 1u);
  EXPECT_EQ(idas_[0], (std::pair<int, long>{3, 14}));
  EXPECT_EQ(v_.resultados, (std::vector<int>{kResultadoIrAAviso}));

  // A finding no longer stored: nothing is asked and the list stays open.
  v_.grid.PonTextoCelda(1, 0, "100Z999");
  EXPECT_EQ(dlg_.IrAlAviso(1), 1);
  EXPECT_EQ(idas_.size(), 1u);
  EXPECT_EQ(v_.resultados.size(), 1u);
  v_.grid.PonTextoCelda(1, 0, "   ");
  EXPECT_EQ(dlg_.IrAlAviso(1), 0);

  // Without navigation nothing goes anywhere and the buttons are off from the start.
  CVentanaSimulada quieta;
  CDlgErrores dlg;
  dlg.PonerClave("PEPE");
  dlg.PonerFuente(fuente_.get());
  dlg.PonerNavegacion(false);
  dlg.PonerDestinoIrA([this](int pagina, long casilla) { idas_.emplace_back(pagina, casilla); });
  dlg.AsociarVentana(&quieta);
  dlg.OnInitDialog();
  EXPECT_FALSE(quieta.Habilitado(kIdImprimirDeclaracion));
  EXPECT_FALSE(quieta.Habilitado(kIdRevisar));
  EXPECT_FALSE(quieta.Habilitado(kIdValidacionDetallada));
  EXPECT_EQ(dlg.IrAlAviso(2), 0);
  EXPECT_EQ(idas_.size(), 1u);
}

TEST_F(DlgErroresTablas, RevisarSinFilaElegidaLoPide) {
  Hallazgos("PEPE|100R129|4|2|0|12\n");
  dlg_.OnInitDialog();
  dlg_.Pulsar(kIdRevisar);
  ASSERT_EQ(guion_.Mensajes().size(), 1u);
  EXPECT_EQ(guion_.Mensajes()[0].texto, std::string(kTextoSeleccioneAviso));
  EXPECT_TRUE(idas_.empty());

  v_.grid.PonCeldaFoco(1, 1);
  dlg_.Pulsar(kIdRevisar);
  ASSERT_EQ(idas_.size(), 1u);
  EXPECT_EQ(idas_[0], (std::pair<int, long>{2, 12}));
  EXPECT_EQ(guion_.Mensajes().size(), 1u);
}

// With an error among the findings the list opens on the first error, chosen: "&Revisar" goes to its box at once.
// (Warnings alone choose nothing: RevisarSinFilaElegidaLoPide.)
TEST_F(DlgErroresTablas, LaListaSeAbreEnElPrimerError) {
  Hallazgos("PEPE|100R129|4|2|0|12\nPEPE|100R147|4|10|1|28\nPEPE|104R002|4|1|1|4\n");
  dlg_.OnInitDialog();
  EXPECT_EQ(v_.grid.DameTextoCelda(FilaElegida(v_.grid), 0), "100R147");
  dlg_.Pulsar(kIdRevisar);
  ASSERT_EQ(idas_.size(), 1u);
  EXPECT_EQ(idas_[0], (std::pair<int, long>{10, 28}));
  EXPECT_TRUE(guion_.Mensajes().empty());
}

// The last check could not store all its findings: what the table holds (warnings only here) does not let the
// declaration be printed or filed; once a check stores them all, it does again.
TEST_F(DlgErroresTablas, HallazgosIncompletosNoDejanImprimir) {
  Hallazgos("PEPE|100R129|4|2|0|12\n");
  DocumentoPrueba doc;
  doc.Incompletos(true);
  dlg_.PonerDocumento(&doc);
  dlg_.OnInitDialog();
  EXPECT_FALSE(v_.Habilitado(kIdImprimirDeclaracion));
  doc.Incompletos(false);
  EXPECT_EQ(dlg_.LlenarLista(), 1);
  EXPECT_TRUE(v_.Habilitado(kIdImprimirDeclaracion));
}

TEST_F(DlgErroresTablas, ImprimirEscribirYCancelar) {
  Hallazgos("PEPE|100R129|4|2|0|12\n");
  DocumentoPrueba doc;
  dlg_.PonerDocumento(&doc);
  dlg_.OnInitDialog();
  dlg_.Pulsar(kIdImprimirDeclaracion);
  EXPECT_EQ(doc.impresiones, 1);
  dlg_.Pulsar(kIdImprimirLista);
  EXPECT_EQ(v_.listasImpresas, 1);
  dlg_.Pulsar(kIdCancelarAvisos);
  EXPECT_EQ(v_.resultados, (std::vector<int>{kResultadoIrAAviso, kResultadoCancelar}));

  // File mode: the caller writes the file; the document prints nothing.
  CVentanaSimulada fichero;
  CDlgErrores dlg;
  dlg.PonerClave("PEPE");
  dlg.PonerFuente(fuente_.get());
  dlg.PonerDocumento(&doc);
  dlg.PonerModoFichero(true);
  dlg.AsociarVentana(&fichero);
  dlg.OnInitDialog();
  EXPECT_EQ(fichero.C(kIdTextoVeredicto).texto, std::string(TextoCadenaAvisos(kCadenaPuedeEscribir)));
  dlg.Pulsar(kIdImprimirDeclaracion);
  EXPECT_EQ(fichero.resultados, (std::vector<int>{kResultadoEscribir}));
  EXPECT_EQ(doc.impresiones, 1);
}

TEST_F(DlgErroresTablas, ValidacionDetalladaLlenaDeNuevoDesdeCero) {
  Hallazgos("PEPE|100V197|4|3|1|14\nPEPE|100X000|4|3|0|15\n");
  DocumentoPrueba doc;
  dlg_.PonerDocumento(&doc);
  dlg_.OnInitDialog();
  EXPECT_FALSE(v_.Habilitado(kIdImprimirDeclaracion));
  ASSERT_EQ(v_.grid.DameAltoFila(1), 3 * v_.grid.DameAltoDefecto());

  // The check corrects the declaration: one warning is left, on the row that held the error.
  doc.comprobar = [this] { Hallazgos("PEPE|100R000|4|2|0|3\n"); };
  v_.grid.PonCeldaFoco(2, 1);
  dlg_.OnValidacionDetallada();
  EXPECT_EQ(v_.esperas, 0);
  ASSERT_EQ(v_.grid.DameNumeroFilas(), 2);
  EXPECT_EQ(v_.grid.DameTextoCelda(1, 0), "100R000");
  // Nothing of the earlier fill is left on the row: no text, the default height, the warning picture.
  EXPECT_EQ(v_.grid.DameTextoCelda(1, 1), "");
  EXPECT_EQ(v_.grid.DameAltoFila(1), v_.grid.DameAltoDefecto());
  EXPECT_EQ(v_.grid.Celda(1, 0)->nImagen, kImagenAviso);
  EXPECT_FALSE(v_.grid.DameCeldaFoco().Valida());
  // Printing is allowed again and the texts say so.
  EXPECT_TRUE(v_.Habilitado(kIdImprimirDeclaracion));
  EXPECT_EQ(v_.C(kIdTextoVeredicto).texto, std::string(TextoCadenaAvisos(kCadenaPuedeImprimir)));
}

TEST_F(DlgErroresTablas, HallazgosIlegiblesNoPermitenImprimir) {
  // No findings table at all: the table layer says so once, and the list does not say "PUEDE IMPRIMIR".
  dlg_.OnInitDialog();
  EXPECT_EQ(guion_.Mensajes().size(), 1u);
  EXPECT_FALSE(v_.Habilitado(kIdImprimirDeclaracion));
  EXPECT_EQ(v_.C(kIdTextoVeredicto).texto, std::string(TextoInicialAvisos(kIdTextoVeredicto)));
  EXPECT_EQ(v_.grid.DameNumeroFilas(), 1);
}

TEST_F(DlgErroresTablas, SinMemoriaLaListaQuedaVaciaYSeAvisa) {
  Hallazgos("PEPE|100R129|4|2|0|12\n");
  class CFuenteAgotada : public CFuenteAvisos {
   public:
    explicit CFuenteAgotada(CFuenteAvisos& real) : m_real(real) {}
    bool LeerHallazgos(std::string_view clave, std::vector<SHallazgo>& h) override {
      return m_real.LeerHallazgos(clave, h);
    }
    std::vector<std::optional<std::string>> TextosMensajes(const std::vector<std::string>&) override {
      throw std::bad_alloc();
    }
    int BuscarHallazgo(std::string_view clave, std::string_view codigo, SHallazgo& h) override {
      return m_real.BuscarHallazgo(clave, codigo, h);
    }

   private:
    CFuenteAvisos& m_real;
  } agotada(*fuente_);
  dlg_.PonerFuente(&agotada);
  PrepararListaAvisos(v_.grid);
  EXPECT_EQ(dlg_.LlenarLista(), -1);
  ASSERT_EQ(guion_.Mensajes().size(), 1u);
  EXPECT_EQ(guion_.Mensajes()[0].texto, std::string(kTextoSinMemoria));
  EXPECT_EQ(v_.grid.DameNumeroFilas(), 1);
  EXPECT_FALSE(v_.Habilitado(kIdImprimirDeclaracion));
}

}  // namespace
}  // namespace marco
