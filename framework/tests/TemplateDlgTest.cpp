// The dialog and wizard page bases without a window: routing of the box events, keyboard rules, the lock rule of
// joint declarations and its OK, the shared background, the holder hint, centring and the bindings of controls.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"
#include "framework/TemplateDlg.h"
#include "framework/TemplatePropPg.h"

namespace marco {
namespace {

constexpr int kIdImporte = 1101;
constexpr int kIdNombre = 1102;
constexpr int kIdEstatico = 1200;

CPlantillaDialogo PlantillaPrueba() {
  CPlantillaDialogo p(200, 100, "PRUEBA");
  p.Estatico(kIdEstatico, "", {4, 4, 100, 10});
  p.Importe(kIdImporte, {4, 20, 60, 12});
  p.Edicion(kIdNombre, {4, 36, 100, 12});
  p.Aceptar({90, 80, 50, 16}).Cancelar({144, 80, 50, 16}).Ayuda({4, 80, 50, 16});
  return p;
}

SEntornoDialogo Hogar(int sujeto, bool conyuge = false, bool hijo1 = false, bool hijo2 = false) {
  SEntornoDialogo e;
  e.sujetoActual = sujeto;
  e.conyuge = conyuge;
  e.hijo1 = hijo1;
  e.hijo2 = hijo2;
  return e;
}

// A dialog that records every event operation it is asked.
class CDlgEventos : public CTemplateDlg {
 public:
  CDlgEventos() : CTemplateDlg(900, nullptr) {
    Plantilla() = PlantillaPrueba();
    FijarEntorno(Hogar(1));
  }
  int AlSalirDeCampo(int id) override { return Anotar("salir", id); }
  int AlBorrarCampo(int id) override { return Anotar("borrar", id); }
  int AlEntrarEnCampo(int id) override { return Anotar("entrar", id); }
  int AlCambiarTexto(int id) override { return Anotar("texto", id); }
  int AlConfirmarCampo(int id) override { return Anotar("confirmar", id); }
  int AlCambiarValor(int id) override { return Anotar("valor", id); }
  int AlTerminarCampo(int id) override { return Anotar("terminar", id); }
  void DoDataExchange(int direccion) override { intercambios.push_back(direccion); }

  std::vector<std::pair<std::string, int>> eventos;
  std::vector<int> intercambios;

 private:
  int Anotar(const char* nombre, int id) {
    eventos.emplace_back(nombre, id);
    return 7;
  }
};

std::uint32_t Parametro(int id, int codigo) {
  return (static_cast<std::uint32_t>(codigo) << 16) | static_cast<std::uint32_t>(id);
}

TEST(TemplateDlg, CadaCodigoLlegaASuOperacion) {
  CDlgEventos dlg;
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  const std::vector<std::pair<int, std::string>> tabla = {
      {0x100, "entrar"}, {0x200, "salir"},     {0x300, "texto"}, {0x401, "borrar"},
      {0x402, "confirmar"}, {0x403, "valor"}, {0x404, "terminar"},
  };
  for (const auto& [codigo, nombre] : tabla) {
    dlg.eventos.clear();
    EXPECT_EQ(dlg.OnCommand(Parametro(kIdImporte, codigo), 1), 7) << codigo;
    ASSERT_EQ(dlg.eventos.size(), 1u) << codigo;
    EXPECT_EQ(dlg.eventos[0], std::make_pair(nombre, kIdImporte));
  }
  // 0x400 and unknown codes reach no event operation.
  dlg.eventos.clear();
  EXPECT_EQ(dlg.OnCommand(Parametro(kIdImporte, 0x400), 1), 0);
  // A menu or accelerator command (lParam 0), even the keyboard's OK, does nothing.
  EXPECT_EQ(dlg.OnCommand(Parametro(kIdAceptar, 0), 0), 0);
  EXPECT_TRUE(dlg.eventos.empty());
  EXPECT_EQ(v.ResultadoVentana(), 0);
  // A click of OK (code 0 with a control) reaches OnOK.
  dlg.OnCommand(Parametro(kIdAceptar, 0), 1);
  EXPECT_EQ(v.ResultadoVentana(), kIdAceptar);
}

TEST(TemplateDlg, InicioPoneBotonesTituloFuenteYCentra) {
  CDlgEventos dlg;
  dlg.PonerTitulo("(B) RENDIMIENTOS");
  CControlesSimulados v(dlg.Plantilla());
  v.PonerRectanguloPrincipal(SRectDialogo{100, 50, 800, 600});
  v.PonerRectangulo({0, 0, 300, 200});
  v.Abrir(dlg);
  EXPECT_EQ(v.Control(kIdAceptar)->imagen, kImagenAceptar);
  EXPECT_EQ(v.Control(kIdCancelar)->imagen, kImagenCancelar);
  EXPECT_EQ(v.Control(kIdBotonAyuda)->imagen, kImagenAyuda);
  EXPECT_EQ(v.TituloVentana(), "(B) RENDIMIENTOS");
  EXPECT_TRUE(v.FuenteAplicada());
  EXPECT_EQ(dlg.intercambios, std::vector<int>{0});
  EXPECT_EQ(v.Rectangulo(), (SRectDialogo{350, 250, 300, 200}));
  EXPECT_EQ(dlg.Fuente().alto, -13);
  EXPECT_EQ(dlg.Fuente().cara, "Arial");
}

TEST(TemplateDlg, BotonesSinFlagConservanSuCara) {
  CDlgEventos dlg;
  dlg.PonerFlagsBotones(kBotonesAceptar);
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_EQ(v.Control(kIdAceptar)->imagen, kImagenAceptar);
  EXPECT_EQ(v.Control(kIdCancelar)->imagen, 0);
  EXPECT_EQ(v.Control(kIdBotonAyuda)->imagen, 0);
}

TEST(TemplateDlg, CentrarSobreLaVentanaPrincipal) {
  // Halves cut toward zero, measured from the main window's corner.
  EXPECT_EQ(CentrarSobre({0, 0, 801, 601}, {7, 9, 300, 201}), (SRectDialogo{250, 200, 300, 201}));
  EXPECT_EQ(CentrarSobre({200, 100, 800, 600}, {0, 0, 300, 200}), (SRectDialogo{450, 300, 300, 200}));
  // A dialog larger than the main window at the screen's corner does not go above or left of the screen.
  EXPECT_EQ(CentrarSobre({0, 0, 400, 300}, {0, 0, 600, 500}), (SRectDialogo{0, 0, 600, 500}));
}

TEST(TemplateDlg, IntroPasaAlSiguienteYNuncaCierra) {
  CDlgEventos dlg;
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(kIdImporte);
  EXPECT_EQ(v.Caracter(kCaracterIntro), 1);
  EXPECT_EQ(v.FocoActual(), kIdNombre);
  // The buttons' row is read from the left: "Ayuda" stands first.
  EXPECT_EQ(v.Caracter(kCaracterIntro), 1);
  EXPECT_EQ(v.FocoActual(), kIdBotonAyuda);
  EXPECT_EQ(v.Caracter(kCaracterIntro), 1);
  EXPECT_EQ(v.FocoActual(), kIdAceptar);
  EXPECT_EQ(v.ResultadoVentana(), 0);
  // Tab moves on too (Shift+Tab back); the arrows move back and forth.
  EXPECT_EQ(v.Caracter(kCaracterTab), 1);
  EXPECT_EQ(v.FocoActual(), kIdCancelar);
  EXPECT_EQ(dlg.Tabular(true), 1);
  EXPECT_EQ(v.FocoActual(), kIdAceptar);
  EXPECT_EQ(v.Tecla(kTeclaArriba), 1);
  EXPECT_EQ(v.FocoActual(), kIdBotonAyuda);
  EXPECT_EQ(v.Tecla(kTeclaAbajo), 1);
  EXPECT_EQ(v.FocoActual(), kIdAceptar);
  EXPECT_EQ(v.Tecla(kTeclaTabulador), 1);
  EXPECT_EQ(v.FocoActual(), kIdCancelar);
  EXPECT_EQ(v.Tecla(kTeclaF5), 0);
  EXPECT_EQ(v.Caracter('A'), 0);
  EXPECT_EQ(v.ResultadoVentana(), 0);
}

TEST(TemplateDlg, UnCampoDeImporteSoloTomaLoQueEscribeUnImporte) {
  double importe = 0.0;
  CDlgEventos dlg;
  dlg.EnlazarImporte(kIdImporte, &importe);
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  // Letters and other signs are refused; digits, the comma, the point, the signs and Backspace are taken.
  EXPECT_EQ(v.Teclear(kIdImporte, "3x0\xBA" "0 0"), 0);
  EXPECT_EQ(v.Texto(kIdImporte), "3000");
  for (const char c : {'a', 'Z', ' ', '/', '*', '\xB7'}) EXPECT_EQ(v.Teclear(kIdImporte, std::string(1, c)), 1) << c;
  EXPECT_EQ(v.Teclear(kIdImporte, "-1.234,5\b"), 0);
  EXPECT_EQ(v.Texto(kIdImporte), "3000-1.234,");
  // A field that is no amount takes anything.
  EXPECT_EQ(v.Teclear(kIdNombre, "Calle 13, 2\xBA B"), 0);
  EXPECT_EQ(v.Texto(kIdNombre), "Calle 13, 2\xBA B");
}

TEST(TemplateDlg, EscapeCierraComoCancelar) {
  CDlgEventos dlg;
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  v.Enfocar(kIdNombre);
  EXPECT_EQ(v.Caracter(kCaracterEscape), 1);
  EXPECT_EQ(v.ResultadoVentana(), kIdCancelar);
  EXPECT_EQ(dlg.Resultado(), kIdCancelar);
  EXPECT_EQ(v.CierresPedidos(), 1);
  EXPECT_TRUE(dlg.intercambios == std::vector<int>{0});
}

TEST(TemplateDlg, DialogoDeUnaPersonaEnDeclaracionConjuntaQuedaBloqueado) {
  double importe = 1500.0;
  CDlgEventos dlg;
  dlg.FijarEntorno(Hogar(3, true));
  dlg.PonerCodigoSujeto(3);
  dlg.EnlazarImporte(kIdImporte, &importe);
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_TRUE(dlg.Bloqueado());
  for (int id : {kIdImporte, kIdNombre}) {
    EXPECT_FALSE(v.Habilitado(id)) << id;
    EXPECT_TRUE(v.SoloLectura(id)) << id;
    ASSERT_TRUE(v.Colores(id).has_value());
    EXPECT_EQ(v.Colores(id)->fondo, (SColorDialogo{255, 255, 192}));
    EXPECT_EQ(v.Colores(id)->texto, (SColorDialogo{0, 0, 0}));
  }
  // Buttons and statics are not field edits.
  EXPECT_TRUE(v.Habilitado(kIdAceptar));
  EXPECT_TRUE(v.Habilitado(kIdCancelar));
  EXPECT_FALSE(v.Colores(kIdAceptar).has_value());
  // A read-only field stores nothing, and OK closes as Cancel without the exchange.
  ActualizarDatosHijos(dlg, 0);
  v.Control(kIdImporte)->texto = "99";
  ActualizarDatosHijos(dlg, 1);
  EXPECT_EQ(importe, 1500.0);
  v.Pulsar(kIdAceptar);
  EXPECT_EQ(v.ResultadoVentana(), kIdCancelar);
  EXPECT_EQ(dlg.intercambios, std::vector<int>{0});
  // Unlocked again, the edits take typing.
  dlg.HabilitarEdiciones(1);
  EXPECT_TRUE(v.Habilitado(kIdImporte));
  EXPECT_FALSE(v.SoloLectura(kIdImporte));
  EXPECT_FALSE(v.Colores(kIdImporte).has_value());
}

TEST(TemplateDlg, ReglaDeBloqueoPorPersonaYHogar) {
  struct SCaso {
    int codigo;
    SEntornoDialogo entorno;
    bool bloqueado;
  };
  const std::vector<SCaso> casos = {
      {1, Hogar(1, true, true), false},  // the family unit edits everything
      {2, Hogar(2), false},              // the declarant alone
      {3, Hogar(3, true), true},
      {2, Hogar(2, false, true), true},  // a first child is enough
      {2, Hogar(2, false, false, true), false},  // a second child alone does not lock
  };
  for (const SCaso& c : casos) {
    CDlgEventos dlg;
    dlg.PonerCodigoSujeto(c.codigo);
    dlg.FijarEntorno(c.entorno);
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    EXPECT_EQ(v.Habilitado(kIdImporte), !c.bloqueado) << c.codigo;
    v.Pulsar(kIdAceptar);
    EXPECT_EQ(v.ResultadoVentana(), c.bloqueado ? kIdCancelar : kIdAceptar) << c.codigo;
  }
}

TEST(TemplateDlg, DosDialogosCompartenUnFondo) {
  ASSERT_EQ(CTemplateDlg::PincelCompartido(), nullptr);
  const int antes = CTemplateDlg::Instancias();
  auto primero = std::make_unique<CDlgEventos>();
  auto segundo = std::make_unique<CDlgEventos>();
  EXPECT_EQ(CTemplateDlg::Instancias(), antes + 2);
  // Both exist before either is initialised: the first initialised still makes the background.
  CControlesSimulados v1(primero->Plantilla());
  v1.Abrir(*primero);
  auto pincel = CTemplateDlg::PincelCompartido();
  ASSERT_NE(pincel, nullptr);
  EXPECT_EQ(pincel->color, (SColorDialogo{255, 255, 192}));
  CControlesSimulados v2(segundo->Plantilla());
  v2.Abrir(*segundo);
  EXPECT_EQ(CTemplateDlg::PincelCompartido().get(), pincel.get());
  const SPincelFondo* crudo = pincel.get();
  pincel.reset();  // only the dialogs hold it now
  v1.Cerrar();
  primero.reset();
  EXPECT_EQ(CTemplateDlg::PincelCompartido().get(), crudo);
  v2.Cerrar();
  segundo.reset();
  EXPECT_EQ(CTemplateDlg::PincelCompartido(), nullptr);
  EXPECT_EQ(CTemplateDlg::Instancias(), antes);
}

TEST(TemplateDlg, AyudaDelTitularPorTipoYPersonas) {
  struct SCaso {
    int tipo;
    bool columna;
    SEntornoDialogo entorno;
    int cadena;
  };
  const std::vector<SCaso> casos = {
      {4, true, Hogar(1, true, true, true), 54},
      {4, false, Hogar(1, true, true, true), 52},
      {4, true, Hogar(1, true, true), 55},
      {4, true, Hogar(1, true), 51},
      {4, false, Hogar(1, false, true), 49},
      {0, true, Hogar(1, true, true, true), 42},
      {5, true, Hogar(1, true, true), 43},
      {0, true, Hogar(1, true), 44},
      {0, true, Hogar(1, false, true), 49},  // the column without a spouse
      {0, false, Hogar(1), 50},
      {1, true, Hogar(1, true, true, true), 50},
      {2, true, Hogar(1, true), 51},
      {2, true, Hogar(1), 50},
      {3, true, Hogar(1, true), 44},
      {3, false, Hogar(1, true), 50},
      {6, true, Hogar(1, true, true, true), 48},
      {7, true, Hogar(1, true), 0},
      {-1, true, Hogar(1, true), 0},
  };
  for (const SCaso& c : casos) {
    EXPECT_EQ(CadenaAyudaTitular(c.tipo, c.columna, c.entorno), c.cadena) << c.tipo << " " << c.columna;
  }
  CDlgEventos dlg;
  dlg.PonerTipoTitular(4);
  dlg.FijarEntorno(Hogar(1, true, true, true));
  EXPECT_EQ(dlg.TextoAyudaTitular(), "(D)eclarante (C)\xF3nyuge Hijo(1) Hijo(2)");
  dlg.PonerColumnaConyuge(0);
  EXPECT_EQ(dlg.TextoAyudaTitular(), "(D)eclarante Hijo(1) Hijo(2)");
  dlg.PonerTipoTitular(9);
  EXPECT_EQ(dlg.TextoAyudaTitular(), "");
  EXPECT_EQ(TextoCadenaTitular(42), "C(o)m\xFAn (D)eclarante (C)\xF3nyuge Hijo(1) Hijo(2)");
}

TEST(TemplateDlg, PrepararDialogoGuardaLoQueDaElLanzador) {
  CTemplateDlg dlg(117, nullptr, 3);
  EXPECT_EQ(dlg.CodigoSujeto(), 1);
  EXPECT_EQ(dlg.ColumnaConyuge(), 1);
  EXPECT_EQ(dlg.TipoTitular(), 0);
  EXPECT_EQ(dlg.FlagsBotones(), 0x207u);
  dlg.PrepararDialogo("TITULO", 5, 3, 0);
  dlg.PonerParametro(4);
  EXPECT_EQ(dlg.Titulo(), "TITULO");
  EXPECT_EQ(dlg.Repeticion(), 5);
  EXPECT_EQ(dlg.CodigoSujeto(), 3);
  EXPECT_EQ(dlg.ColumnaConyuge(), 0);
  EXPECT_EQ(dlg.TipoTitular(), 4);
  EXPECT_EQ(dlg.SegundoParametro(), 3);
}

// The character typed into the box that opened the dialog, once the dialog is initialised: which field takes it.
TEST(TemplateDlg, ElCaracterDeLaCasillaVaAlImporteQueLeToca) {
  constexpr int kTexto = 1;
  constexpr int kCerrado = 2;
  constexpr int kComun = 3;
  constexpr int kDeclarante = 4;
  constexpr int kConyuge = 5;
  struct SCaso {
    const char* nombre;
    bool porPersona;  // the dialog names the persons' fields
    int sujeto;
    bool conyuge;
    unsigned caracter;
    int campo;  // the field that shows it (0: none)
  };
  const SCaso casos[] = {
      {"the first open amount field in reading order", false, 1, false, '7', kComun},
      {"the declarant's field, for the family unit", true, 1, true, '7', kDeclarante},
      {"the person's own field", true, 2, false, '7', kDeclarante},
      {"a locked view takes nothing", true, 3, true, '7', 0},
      {"an amount field refuses a letter", false, 1, false, 'x', 0},
      {"opened otherwise: nothing typed", true, 1, false, 0, 0},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CTemplateDlg dlg(900, nullptr);
    CPlantillaDialogo p(200, 100);
    p.Edicion(kTexto, {4, 4, 60, 12});
    p.Importe(kCerrado, {70, 4, 60, 12});
    p.Importe(kComun, {4, 20, 60, 12});
    p.Importe(kDeclarante, {70, 20, 60, 12});
    p.Importe(kConyuge, {136, 20, 60, 12});
    dlg.Plantilla() = p;
    dlg.FijarEntorno(Hogar(c.sujeto, c.conyuge));
    dlg.PrepararDialogo("", 1, c.sujeto, c.conyuge ? 1 : 0);
    if (c.porPersona) {
      dlg.PonerCampoDeSujeto(kSujetoUnidadFamiliar, kComun);
      dlg.PonerCampoDeSujeto(kSujetoDeclarante, kDeclarante);
      dlg.PonerCampoDeSujeto(kSujetoConyuge, kConyuge);
    }
    dlg.PonerCaracterInicial(c.caracter);
    CControlesSimulados v(dlg.Plantilla());
    v.Control(kCerrado)->habilitado = false;
    v.Abrir(dlg);
    for (const int id : {kTexto, kCerrado, kComun, kDeclarante, kConyuge}) {
      EXPECT_EQ(v.Texto(id), id == c.campo ? std::string(1, static_cast<char>(c.caracter)) : std::string()) << id;
    }
    if (c.campo != 0) {
      EXPECT_EQ(v.FocoActual(), std::optional<int>(c.campo));
    }
    // Handed over once.
    EXPECT_EQ(dlg.CaracterInicial(), 0u);
  }
}

TEST(TemplateDlg, EnlacesMuestranYGuardanAlSalir) {
  double importe = 1234.5;
  char nombre[10];
  std::fill(std::begin(nombre), std::end(nombre), ' ');
  std::copy_n("PEREZ", 5, nombre);
  CDlgEventos dlg;
  dlg.EnlazarImporte(kIdImporte, &importe);
  dlg.EnlazarTexto(kIdNombre, nombre, sizeof nombre);
  CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  ActualizarDatosHijos(dlg, 0);
  EXPECT_EQ(v.Texto(kIdImporte), "1.234,5");
  EXPECT_EQ(v.Texto(kIdNombre), "PEREZ");

  // Leaving a field whose text changed stores it, then shows it in its display form; the event follows.
  v.Enfocar(kIdImporte);
  v.Escribir(kIdImporte, "2500,75");
  v.Enfocar(kIdNombre);
  EXPECT_DOUBLE_EQ(importe, 2500.75);
  EXPECT_EQ(v.Texto(kIdImporte), "2.500,75");
  EXPECT_EQ(dlg.eventos.back(), std::make_pair(std::string("entrar"), kIdNombre));

  // Text that is no amount changes nothing and the value shows again.
  v.Escribir(kIdNombre, "GARCIA LOPEZ XX");
  v.Enfocar(kIdImporte);
  v.Escribir(kIdImporte, "12a");
  v.Enfocar(kIdNombre);
  EXPECT_DOUBLE_EQ(importe, 2500.75);
  EXPECT_EQ(v.Texto(kIdImporte), "2.500,75");
  // A fixed text field is cut to its width and padded with blanks.
  EXPECT_EQ(std::string(nombre, sizeof nombre), "GARCIA LOP");

  // Storing every field at once.
  v.Control(kIdImporte)->texto = "";
  ActualizarDatosHijos(dlg, 1);
  EXPECT_EQ(importe, 0.0);
}

// An amount past its field's room is refused with the overflow message the page boxes give, and the field keeps
// what it held, whether it is left or the dialog stores every field at once; one within the room is stored.
TEST(TemplateDlg, UnImporteQueNoCabeDaElAvisoYConservaElValor) {
  const struct {
    const char* texto;
    bool alSalir;  // left with the focus (else stored with the others)
    bool aviso;
    double valor;
    const char* muestra;
  } casos[] = {
      {"1000000000000", true, true, 500.0, "500"},
      {"1000000000000", false, true, 500.0, "500"},
      {"10000000000", true, true, 500.0, "500"},
      {"-10000000000", true, true, 500.0, "500"},
      {"9999999999", true, false, 9999999999.0, "9.999.999.999"},
      {"9999999999,5", false, false, 9999999999.5, "9999999999,5"},
      {"12a", true, false, 500.0, "500"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.texto) + (c.alSalir ? " left" : " stored"));
    CGuionMensajes guion;
    double importe = 500.0;
    CDlgEventos dlg;
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    // The binding with the room of a ten-digit amount.
    SEnlaceControl conSitio;
    conSitio.mostrar = [&importe] { return TextoImporteDialogo(importe, 2, false); };
    conSitio.guardar = [&importe](std::string_view t) { return LeerImporteDialogo(t, importe); };
    conSitio.maximo = 9999999999.0;
    dlg.Enlazar(kIdImporte, conSitio);
    ActualizarDatosHijos(dlg, 0);
    v.Enfocar(kIdImporte);
    v.Escribir(kIdImporte, c.texto);
    if (c.alSalir) {
      v.Enfocar(kIdNombre);
    } else {
      ActualizarDatosHijos(dlg, 1);
    }
    EXPECT_EQ(guion.Veces("WIN032"), c.aviso ? 1 : 0);
    EXPECT_DOUBLE_EQ(importe, c.valor);
    EXPECT_EQ(v.Texto(kIdImporte), c.muestra);
  }
  EXPECT_FALSE(DesbordaEnlace("1000000000000", 0.0));  // no room of its own
  EXPECT_FALSE(DesbordaEnlace("abc", 9.0));
  EXPECT_TRUE(DesbordaEnlace("10", 9.0));
  EXPECT_FALSE(DesbordaEnlace("9,99", 9.0));
}

TEST(TemplateDlg, LecturaDeImportes) {
  struct SCaso {
    const char* texto;
    bool valido;
    double valor;
  };
  const std::vector<SCaso> casos = {
      {"", true, 0.0},          {"   ", true, 0.0},       {"1234,56", true, 1234.56},
      {"1.234,56", true, 1234.56}, {"-12,5", true, -12.5}, {"1.234.567", true, 1234567.0},
      {"12.5", true, 12.5},     {"1.234", true, 1234.0},  {"abc", false, 0.0},
      {"1,2,3", false, 0.0},    {"12 34", false, 0.0},
  };
  for (const SCaso& c : casos) {
    double valor = -999.0;
    EXPECT_EQ(LeerImporteDialogo(c.texto, valor), c.valido) << c.texto;
    if (c.valido) {
      EXPECT_DOUBLE_EQ(valor, c.valor) << c.texto;
    }
  }
  EXPECT_EQ(TextoImporteDialogo(0.0, 2, false), "");
  EXPECT_EQ(TextoImporteDialogo(0.0, 2, true), "0");
  EXPECT_EQ(TextoImporteDialogo(-1234567.891, 2, false), "-1.234.567,89");
}

// ---- the wizard page base ----

class CPaginaEventos : public CTemplatePropPg {
 public:
  CPaginaEventos() : CTemplatePropPg(130, "Datos Personales") {
    Plantilla() = PlantillaPrueba();
    FijarEntorno(Hogar(1));
  }
  int AlSalirDeCampo(int id) override {
    eventos.push_back(0x200);
    return id;
  }
  int AlCambiarValor(int id) override {
    eventos.push_back(0x403);
    return id;
  }
  std::vector<int> eventos;
};

TEST(TemplatePropPg, NoEncaminaTabIntroYPideAyudaConF1) {
  CPaginaEventos pagina;
  CControlesSimulados v(pagina.Plantilla());
  v.Abrir(pagina);
  EXPECT_EQ(pagina.Titulo(), "Datos Personales");
  EXPECT_EQ(pagina.Valor(), -1);
  EXPECT_EQ(pagina.OnCommand(Parametro(kIdImporte, 0x403), 1), kIdImporte);
  EXPECT_EQ(pagina.OnCommand(Parametro(kIdImporte, 0x200), 1), kIdImporte);
  EXPECT_EQ(pagina.OnCommand(Parametro(kIdImporte, 0x404), 1), 0);
  EXPECT_EQ(pagina.eventos, (std::vector<int>{0x403, 0x200}));
  EXPECT_EQ(v.Tecla(kTeclaF1), 1);
  EXPECT_EQ(v.Ayudas(), std::vector<int>{1});
  // The arrows move between fields as in a dialog.
  v.Enfocar(kIdImporte);
  v.Tecla(kTeclaAbajo);
  EXPECT_EQ(v.FocoActual(), kIdNombre);
}

TEST(TemplatePropPg, CualquierControlDesactivadoVaEnAmarillo) {
  CPaginaEventos pagina;
  CControlesSimulados v(pagina.Plantilla());
  v.Abrir(pagina);
  EXPECT_NE(CTemplatePropPg::PincelCompartido(), nullptr);
  EXPECT_EQ(CTemplateDlg::PincelCompartido(), nullptr);
  pagina.HabilitarControl(kIdAceptar, false);
  ASSERT_TRUE(v.Colores(kIdAceptar).has_value());
  EXPECT_EQ(v.Colores(kIdAceptar)->fondo, kFondoBloqueado);
  EXPECT_FALSE(v.Colores(kIdImporte).has_value());
  // Esc in a page leaves its result alone and asks the sheet to close.
  v.Caracter(kCaracterEscape);
  EXPECT_EQ(v.ResultadoVentana(), 0);
  EXPECT_EQ(v.CierresPedidos(), 1);
}

}  // namespace
}  // namespace marco
