// The lists of descendants and ascendants: the marks set on OK, the age, degree, relation and situation checks,
// the OK checks and their messages, the rows kept together, the read-only view of a child, the launchers, and the
// family minimum of a declarant whose two children were entered through the dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "DeclaracionAbierta.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgFamiliares.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"
#include "income/RentaDoc.h"
#include "ximardol.h"

namespace dialogos {
namespace {

namespace D = descendiente;
namespace A = ascendiente;

using marco::CControlesSimulados;
using marco::CGuionMensajes;

using Fila72 = std::array<unsigned char, 72>;
using Fila80 = std::array<unsigned char, 80>;

template <std::size_t N>
std::array<unsigned char, N> FilaVacia() {
  std::array<unsigned char, N> f{};
  std::memset(f.data(), ' ', 42);
  return f;
}

template <std::size_t N>
void PonerAnio(std::array<unsigned char, N>& f, const char* anio) {
  std::memcpy(f.data() + D::kAnio, anio, 4);
}

template <std::size_t N>
std::string Marcas(const std::array<unsigned char, N>& f) {
  return std::string(reinterpret_cast<const char*>(f.data() + D::kMarcas), 3);
}

SFamiliaListas Soltero() { return {0, false, 1960, 0}; }
SFamiliaListas Matrimonio() { return {1, false, 1950, 1952}; }

// ---- marks ----

TEST(MarcasFamiliares, DescendientesSegunVinculoSituacionYCasillas) {
  struct SCaso {
    char vinculo;
    char situacion;
    const char* anio;
    unsigned char ingresos;
    bool matrimonio;
    const char* marcas;
  };
  const SCaso casos[] = {
      {'D', ' ', "1990", 0, false, "112"},
      {'D', '3', "1981", 0, false, "  2"},  // older, situation 3, no mark box: nobody's but the spouse's side
      {'D', '3', "1981", 1, false, "1 2"},
      {'D', '3', "1985", 0, false, "1 2"},
      {'C', ' ', "1990", 0, true, "221"},
      {'O', ' ', "1990", 0, false, "1  "},
      {'O', ' ', "1990", 0, true, "   "},  // a family of kind 1: never marked
      {'O', ' ', "1970", 0, false, "   "},
      {'O', ' ', "1970", 1, false, "1  "},
      {'O', '1', "1990", 0, false, "   "},
      {'O', '2', "1970", 0, false, "1  "},
      {' ', ' ', "1990", 0, false, "   "},
  };
  for (const SCaso& c : casos) {
    Fila72 f = FilaVacia<72>();
    f[D::kVinculo] = static_cast<unsigned char>(c.vinculo);
    f[D::kSituacion] = static_cast<unsigned char>(c.situacion);
    f[D::kIngresos] = c.ingresos;
    PonerAnio(f, c.anio);
    MarcarDescendiente(f.data(), c.matrimonio ? Matrimonio() : Soltero());
    EXPECT_EQ(Marcas(f), c.marcas) << c.vinculo << c.situacion << c.anio << int(c.ingresos) << c.matrimonio;
  }
}

TEST(MarcasFamiliares, AscendientesYConvivencia) {
  struct SCaso {
    char vinculo;
    double convivencia;
    const char* marcas;
    double queda;
  };
  for (const SCaso& c : {SCaso{'D', 1.0, "112", 0.0}, SCaso{'C', 2.0, "221", 2.0}, SCaso{'X', 3.0, "   ", 3.0}}) {
    Fila80 f = FilaVacia<80>();
    f[A::kVinculo] = static_cast<unsigned char>(c.vinculo);
    std::memcpy(f.data() + A::kConvivencia, &c.convivencia, 8);
    MarcarAscendiente(f.data());
    double queda = -1;
    std::memcpy(&queda, f.data() + A::kConvivencia, 8);
    EXPECT_EQ(Marcas(f), c.marcas) << c.vinculo;
    EXPECT_EQ(queda, c.queda) << c.vinculo;
  }
}

// ---- checks of a row ----

TEST(ComprobacionesFamiliares, EdadGradoVinculoYSituacion) {
  struct SCaso {
    bool ascendiente;
    const char* anio;
    double grado;
    const char* codigo;  // empty: passes
  };
  const SCaso edades[] = {
      {false, "1974", 0.0, "100R161"}, {false, "1975", 0.0, ""}, {false, "1974", 33.0, ""},
      {true, "1934", 0.0, ""},         {true, "1935", 0.0, "100R185"}, {true, "1935", 65.0, ""},
  };
  for (const SCaso& c : edades) {
    Fila80 f = FilaVacia<80>();
    PonerAnio(f, c.anio);
    PonerGradoFila(f.data(), c.grado);
    const std::string_view codigo =
        c.ascendiente ? ComprobarEdadAscendiente(f.data()) : ComprobarEdadDescendiente(f.data());
    EXPECT_EQ(codigo, c.codigo) << c.anio << " " << c.grado;
    // A refused year is emptied; an accepted one stays.
    EXPECT_EQ(AnioFila(f.data()), codigo.empty() ? std::stoi(c.anio) : 0) << c.anio;
    if (!codigo.empty()) { EXPECT_EQ(f[D::kAnio], 0); }
  }

  for (const auto& [grado, codigo, queda] :
       {std::tuple{32.5, "100R158", 0.0}, std::tuple{33.0, "", 33.0}, std::tuple{0.0, "", 0.0}}) {
    Fila72 f = FilaVacia<72>();
    PonerGradoFila(f.data(), grado);
    EXPECT_EQ(ComprobarGrado(f.data()), codigo) << grado;
    EXPECT_EQ(GradoFila(f.data()), queda) << grado;
  }

  Fila72 d = FilaVacia<72>();
  d[D::kVinculo] = 'C';
  EXPECT_EQ(ComprobarVinculoDescendiente(d.data(), Matrimonio()), "");
  EXPECT_EQ(ComprobarVinculoDescendiente(d.data(), {2, true, 1950, 0}), "");  // widowed, filing jointly
  EXPECT_EQ(ComprobarVinculoDescendiente(d.data(), Soltero()), "100R189");
  EXPECT_EQ(d[D::kVinculo], ' ');
  Fila80 a = FilaVacia<80>();
  a[A::kVinculo] = 'C';
  EXPECT_EQ(ComprobarVinculoAscendiente(a.data(), {2, true, 1950, 0}), "100R189");

  d[D::kSituacion] = '3';
  EXPECT_EQ(ComprobarSituacion(d.data(), Matrimonio()), "100R188");
  EXPECT_EQ(d[D::kSituacion], ' ');
  d[D::kSituacion] = '2';
  PonerAnio(d, "1970");
  EXPECT_EQ(ComprobarSituacion(d.data(), Soltero()), "100R190");  // no disability
  d[D::kSituacion] = '2';
  PonerGradoFila(d.data(), 40.0);
  EXPECT_EQ(ComprobarSituacion(d.data(), Soltero()), "");
  PonerAnio(d, "1982");
  EXPECT_EQ(ComprobarSituacion(d.data(), Soltero()), "100R190");
}

TEST(ComprobacionesFamiliares, DescendienteAlAceptar) {
  const auto fila = [](char vinculo, const char* anio, const char* nombre, unsigned char casilla = 0,
                       char situacion = ' ') {
    Fila72 f = FilaVacia<72>();
    f[D::kVinculo] = static_cast<unsigned char>(vinculo);
    PonerAnio(f, anio);
    std::memcpy(f.data() + D::kNombre, nombre, std::strlen(nombre));
    f[D::kDeclaracion] = casilla;
    f[D::kSituacion] = static_cast<unsigned char>(situacion);
    return f;
  };
  struct SCaso {
    Fila72 f;
    const char* codigo;
    int columna;
  };
  const SCaso casos[] = {
      {fila('D', "1990", "RUIZ PEREZ ANA"), "", -1},
      {fila('D', "1975", "RUIZ PEREZ ANA", 1), "100R182", kColIngresos},  // mark boxes of an older one
      {fila('D', "1990", "RUIZ PEREZ ANA", 1), "", -1},
      {fila(' ', "1990", "RUIZ PEREZ ANA"), "100R184", kColVinculo},
      {fila('D', "    ", "RUIZ PEREZ ANA"), "100R184", kColAnio},
      {fila('D', "1974", "RUIZ PEREZ ANA"), "100R161", kColAnio},
      {fila('D', "1990", ""), "104R006", kColNombre},
      {fila('D', "1990", "RUIZ PEREZ ANA", 0, '2'), "100R190", kColSituacion},
  };
  for (const SCaso& c : casos) {
    Fila72 f = c.f;
    const SFalloFila fallo = ComprobarDescendiente(f.data(), Soltero());
    EXPECT_EQ(fallo.codigo, c.codigo) << c.codigo;
    EXPECT_EQ(fallo.columna, c.columna) << c.codigo;
  }
  // Situation 3 in a family of kind 1 goes quietly.
  Fila72 f = fila('D', "1990", "RUIZ PEREZ ANA", 0, '3');
  EXPECT_EQ(ComprobarDescendiente(f.data(), Matrimonio()).codigo, "");
  EXPECT_EQ(f[D::kSituacion], ' ');
}

TEST(ComprobacionesFamiliares, AscendienteAlAceptarYLaPreguntaDeLaEdad) {
  const auto fila = [](const char* anio, const char* nif = "12345678Z", const char* nombre = "RUIZ LOPEZ JUAN") {
    Fila80 f = FilaVacia<80>();
    f[A::kVinculo] = 'D';
    PonerAnio(f, anio);
    std::memcpy(f.data() + A::kNif, nif, std::strlen(nif));
    std::memcpy(f.data() + A::kNombre, nombre, std::strlen(nombre));
    return f;
  };
  const SFamiliaListas familia{0, false, 1950, 0};
  {
    CGuionMensajes guion;
    Fila80 f = fila("1920");
    EXPECT_EQ(ComprobarAscendiente(f.data(), familia).codigo, "");
    f = fila("1920", "");
    EXPECT_EQ(ComprobarAscendiente(f.data(), familia).codigo, "104R009");
    f = fila("1920", "12345678Z", "");
    EXPECT_EQ(ComprobarAscendiente(f.data(), familia).codigo, "104R010");
    f = fila("1920");
    f[A::kIngresos] = 1;
    EXPECT_EQ(ComprobarAscendiente(f.data(), familia).codigo, "100R201");
    EXPECT_TRUE(guion.Codigos().empty());
  }
  // Born 1936 passes for a declarant born 1950; born 1937 asks, and only Corregir stops.
  const SFamiliaListas joven{0, false, 1950, 0};
  for (const auto& [anio, respuesta, codigo, preguntas] :
       {std::tuple{"1936", marco::kBotonContinuar, "", 0}, std::tuple{"1937", marco::kBotonContinuar, "", 1},
        std::tuple{"1937", marco::kBotonCorregir, "100V198", 1}}) {
    CGuionMensajes guion({respuesta});
    Fila80 f = fila(anio);
    PonerGradoFila(f.data(), 40.0);  // disabled: the age alone does not refuse it
    const SFalloFila fallo = ComprobarAscendiente(f.data(), joven);
    EXPECT_EQ(fallo.codigo, codigo) << anio;
    EXPECT_EQ(guion.Veces("100V198"), preguntas) << anio;
    if (!fallo.codigo.empty()) { EXPECT_TRUE(fallo.mostrado); }
  }
}

// ---- the dialogs ----

template <class TDialogo>
struct SLista {
  explicit SLista(marco::SEntornoDialogo entorno = {0, false, false, false}) : dlg(nullptr), v(dlg.Plantilla()) {
    dlg.FijarEntorno(entorno);
    if (entorno.sujetoActual != 0) dlg.PonerCodigoSujeto(entorno.sujetoActual);
    dlg.m_familia = Soltero();
  }
  void Abrir() { v.Abrir(dlg); }
  // Types the texts into the columns of a row, leaving each box for the next, as Tab does.
  void Fila(int fila, const std::vector<std::pair<int, std::string>>& columnas) {
    for (const auto& [columna, texto] : columnas) {
      const int id = dlg.IdCampo(columna, fila);
      v.Enfocar(id);
      v.Escribir(id, texto);
    }
    v.Enfocar(dlg.IdCampo(kColNif, 0));
  }
  int Aceptar() {
    v.Pulsar(marco::kIdAceptar);
    return v.ResultadoVentana();
  }
  const unsigned char* Recibida(int fila) const {
    return dlg.m_recibido.data() + dlg.AnchoFila() * static_cast<std::size_t>(fila);
  }
  TDialogo dlg;
  CControlesSimulados v;
};

std::string TextoEn(const unsigned char* p, std::size_t n) { return std::string(reinterpret_cast<const char*>(p), n); }

TEST(DlgDescendientes, TablaDeIdsYFilasQueSeAbrenDeUnaEnUna) {
  EXPECT_EQ(IdDescendiente(kColNif, 0), 1017);
  EXPECT_EQ(IdDescendiente(kColSituacion, 0), 1023);
  EXPECT_EQ(IdDescendiente(kColDeclaracion, 0), 1026);
  EXPECT_EQ(IdDescendiente(kColNif, 1), 1027);
  EXPECT_EQ(IdDescendiente(kColDeclaracion, 9), 1034 + 64);
  EXPECT_EQ(IdAscendiente(kColNombre, 3), 1347);
  EXPECT_EQ(IdAscendiente(kColIngresos, 0), 1364);

  SLista<CDlgDescendientes> d;
  d.Abrir();
  EXPECT_TRUE(d.v.Habilitado(d.dlg.IdCampo(kColNombre, 0)));
  EXPECT_FALSE(d.v.Habilitado(d.dlg.IdCampo(kColNombre, 1)));
  d.Fila(0, {{kColNombre, "RUIZ PEREZ ANA"}});
  EXPECT_TRUE(d.v.Habilitado(d.dlg.IdCampo(kColNombre, 1)));
  EXPECT_FALSE(d.v.Habilitado(d.dlg.IdCampo(kColNombre, 2)));
}

TEST(DlgDescendientes, DosHijosTecleadosVuelvenConSusMarcas) {
  CGuionMensajes guion;
  SLista<CDlgDescendientes> d;
  d.Abrir();
  d.Fila(0, {{kColNif, "11111111h"}, {kColNombre, "ruiz perez ana"}, {kColAnio, "1990"}, {kColVinculo, "d"}});
  d.Fila(1, {{kColNombre, "RUIZ PEREZ LUIS"}, {kColAnio, "1995"}, {kColVinculo, "D"}});
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(TextoEn(d.Recibida(0) + D::kNombre, 14), "RUIZ PEREZ ANA");
  EXPECT_EQ(TextoEn(d.Recibida(0) + D::kAnio, 4), "1990");
  EXPECT_EQ(d.Recibida(0)[D::kVinculo], 'D');
  EXPECT_EQ(TextoEn(d.Recibida(0) + D::kMarcas, 3), "112");
  EXPECT_EQ(TextoEn(d.Recibida(1) + D::kAnio, 4), "1995");
  EXPECT_EQ(TextoEn(d.Recibida(1) + D::kMarcas, 3), "112");
  EXPECT_FALSE(DescendienteConDatos(d.Recibida(2)));
}

TEST(DlgDescendientes, SinFilasAceptaEnSeguidaYUnaFilaVaciadaSeRecoge) {
  {
    SLista<CDlgDescendientes> d;
    d.Abrir();
    EXPECT_EQ(d.Aceptar(), marco::kIdAceptar);
  }
  CGuionMensajes guion;
  SLista<CDlgDescendientes> d;
  d.Abrir();
  d.Fila(0, {{kColNombre, "RUIZ PEREZ ANA"}, {kColAnio, "1990"}, {kColVinculo, "D"}});
  d.Fila(1, {{kColNombre, "RUIZ PEREZ LUIS"}, {kColAnio, "1991"}, {kColVinculo, "D"}});
  d.Fila(2, {{kColNombre, "RUIZ PEREZ EVA"}, {kColAnio, "1992"}, {kColVinculo, "D"}});
  // The middle row emptied and left: the third moves up.
  d.Fila(1, {{kColNombre, ""}, {kColAnio, ""}, {kColVinculo, ""}});
  EXPECT_EQ(d.v.Texto(d.dlg.IdCampo(kColNombre, 1)), "RUIZ PEREZ EVA");
  EXPECT_EQ(d.v.Texto(d.dlg.IdCampo(kColNombre, 2)), "");
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar) << testing::PrintToString(guion.Codigos());
  EXPECT_EQ(TextoEn(d.Recibida(1) + D::kNombre, 14), "RUIZ PEREZ EVA");
  EXPECT_FALSE(DescendienteConDatos(d.Recibida(2)));
}

// A year the declaration's check refuses is emptied: a row left with nothing closes the row below it again, as a
// row emptied by hand does, so that Tab never walks into a row about to close.
TEST(DlgDescendientes, UnAnioRehusadoQueDejaLaFilaVaciaCierraLaSiguiente) {
  renta::pruebas::CDeclaracionAbierta declaracion;
  for (const bool ascendientes : {false, true}) {
    CGuionMensajes guion;
    CDlgListaFamiliar dlg(ascendientes, nullptr);
    dlg.FijarEntorno({0, false, false, false});
    dlg.m_familia = Soltero();
    CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    const int anio = dlg.IdCampo(kColAnio, 0);
    v.Enfocar(anio);
    v.Escribir(anio, "1000");
    v.Enfocar(dlg.IdCampo(kColGrado, 0));
    EXPECT_EQ(guion.Veces("CVANO1"), 1) << ascendientes;
    EXPECT_EQ(v.Texto(anio), "") << ascendientes;
    EXPECT_FALSE(v.Habilitado(dlg.IdCampo(kColNif, 1))) << ascendientes;
    EXPECT_EQ(v.FocoActual(), dlg.IdCampo(kColGrado, 0)) << ascendientes;
    // A year it takes keeps the row, and the row below open.
    v.Enfocar(anio);
    v.Escribir(anio, "1990");
    v.Enfocar(dlg.IdCampo(kColGrado, 0));
    EXPECT_TRUE(v.Habilitado(dlg.IdCampo(kColNif, 1))) << ascendientes;
  }
}

TEST(DlgDescendientes, ElCaracterQueLaAbreEmpiezaElNifDeLaPrimeraFilaLibre) {
  CGuionMensajes guion;
  SLista<CDlgDescendientes> d;
  std::memcpy(d.dlg.m_recibido.data() + D::kNombre, "RUIZ PEREZ ANA", 14);
  std::memcpy(d.dlg.m_recibido.data() + D::kAnio, "1990", 4);
  d.dlg.m_recibido[D::kVinculo] = 'D';
  d.dlg.PonerPrimerCaracter('2');
  d.Abrir();
  const int nif = d.dlg.IdCampo(kColNif, 1);
  EXPECT_EQ(d.v.Texto(nif), "2");
  EXPECT_EQ(d.v.FocoActual(), nif);
  d.v.Escribir(nif, "22222222J");
  d.Fila(1, {{kColNombre, "RUIZ PEREZ LUIS"}, {kColAnio, "1995"}, {kColVinculo, "D"}});
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar) << testing::PrintToString(guion.Codigos());
  EXPECT_EQ(TextoEn(d.Recibida(1) + D::kNif, 9), "22222222J");
  EXPECT_EQ(TextoEn(d.Recibida(0) + D::kNombre, 14), "RUIZ PEREZ ANA");
}

TEST(DlgDescendientes, AceptarRehusadoDejaElDialogoAbiertoYNadaVuelve) {
  CGuionMensajes guion;
  SLista<CDlgDescendientes> d;
  d.Abrir();
  d.Fila(0, {{kColNombre, "RUIZ PEREZ ANA"}, {kColAnio, "1990"}});
  EXPECT_EQ(d.Aceptar(), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R184"});
  EXPECT_EQ(d.v.FocoActual(), d.dlg.IdCampo(kColVinculo, 0));
  EXPECT_FALSE(DescendienteConDatos(d.Recibida(0)));
}

TEST(DlgDescendientes, LaEdadSeCompruebaAlPasarAOtraFila) {
  CGuionMensajes guion;
  SLista<CDlgDescendientes> d;
  d.Abrir();
  d.Fila(0, {{kColNombre, "RUIZ PEREZ ANA"}, {kColAnio, "1974"}, {kColVinculo, "D"}});
  EXPECT_TRUE(guion.Codigos().empty());  // still on the same row
  d.v.Enfocar(d.dlg.IdCampo(kColNombre, 1));
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R161"});
  EXPECT_EQ(d.v.Texto(d.dlg.IdCampo(kColAnio, 0)), "");
  EXPECT_EQ(d.v.FocoActual(), d.dlg.IdCampo(kColAnio, 0));
}

TEST(DlgAscendientes, GradoPorDebajoDe33SeRehusaAlSalir) {
  CGuionMensajes guion;
  SLista<CDlgAscendientes> d;
  d.Abrir();
  d.Fila(0, {{kColGrado, "32,5"}});
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R158"});
  EXPECT_EQ(d.v.Texto(d.dlg.IdCampo(kColGrado, 0)), "");
  d.Fila(0, {{kColGrado, "33"}});
  EXPECT_EQ(guion.Codigos().size(), 1u);
  EXPECT_EQ(d.v.Texto(d.dlg.IdCampo(kColGrado, 0)), "33");
}

TEST(DlgAscendientes, ConvivenciaYMarcasAlAceptar) {
  CGuionMensajes guion;
  SLista<CDlgAscendientes> d;
  d.Abrir();
  d.Fila(0, {{kColNif, "12345678Z"}, {kColNombre, "RUIZ LOPEZ JUAN"}, {kColAnio, "1920"}, {kColVinculo, "D"},
             {kColConvivencia, "1"}});
  EXPECT_EQ(d.Aceptar(), marco::kIdAceptar) << testing::PrintToString(guion.Codigos());
  double convivencia = -1;
  std::memcpy(&convivencia, d.Recibida(0) + A::kConvivencia, 8);
  EXPECT_EQ(convivencia, 0.0);
  EXPECT_EQ(TextoEn(d.Recibida(0) + A::kMarcas, 3), "112");
}

TEST(DlgDescendientes, UnHijoQueLaAbreLaVeSinPoderCambiarla) {
  SLista<CDlgDescendientes> d({marco::kSujetoHijo1, true, true, false});
  std::memcpy(d.dlg.m_recibido.data() + D::kNombre, "RUIZ PEREZ ANA", 14);
  const auto antes = d.dlg.m_recibido;
  d.Abrir();
  EXPECT_EQ(d.v.Texto(d.dlg.IdCampo(kColNombre, 0)), "RUIZ PEREZ ANA");
  EXPECT_TRUE(d.v.SoloLectura(d.dlg.IdCampo(kColNombre, 0)) || !d.v.Habilitado(d.dlg.IdCampo(kColNombre, 0)));
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_NE(d.v.ResultadoVentana(), 0);
  EXPECT_EQ(d.dlg.m_recibido, antes);
}

TEST(DlgFamiliares, RegistradosComoDialogosDeSeleccion) {
  RegistrarDialogosDetalle();
  EXPECT_TRUE(marco::RegistroSelecciones().EstaRegistrado("IDD_DESCENDIENTES"));
  EXPECT_TRUE(marco::RegistroSelecciones().EstaRegistrado("IDD_ASCENDIENTES"));
}

// The family minimum of a declarant alone with two children typed into the list: the calculation library's, the
// same as for the rows written straight into the declaration, and 225,000 for each child born 1984-1996.
TEST(DlgDescendientes, MinimoFamiliarDeDosHijosEntradosPorElDialogo) {
  renta::CRentaDoc doc;
  DatosRenta& datos = doc.Datos();
  datos.DatosFamilia.octetos[0] = 0;  // single
  datos.DatosFamilia.octetos[1] = 1;  // with children
  std::memcpy(datos.DatosFamilia.octetos + 4, "1960", 4);
  doc.ActualizarSujetos();

  CGuionMensajes guion;
  SLista<CDlgDescendientes> d;
  d.dlg.m_familia = LeerFamiliaListas(datos.DatosFamilia);
  std::memcpy(d.dlg.m_recibido.data(), datos.Identificacion.octetos + renta::kDespDescendientes, 720);
  d.Abrir();
  d.Fila(0, {{kColNombre, "RUIZ PEREZ ANA"}, {kColAnio, "1990"}, {kColVinculo, "D"}});
  d.Fila(1, {{kColNombre, "RUIZ PEREZ LUIS"}, {kColAnio, "1995"}, {kColVinculo, "D"}});
  ASSERT_EQ(d.Aceptar(), marco::kIdAceptar);
  std::memcpy(datos.Identificacion.octetos + renta::kDespDescendientes, d.dlg.m_recibido.data(), 720);
  doc.Calcular(1);

  DatosRenta directa{};
  std::memcpy(&directa, &datos, sizeof directa);
  std::memset(directa.ApartadoH.octetos, 0, sizeof directa.ApartadoH.octetos);
  Calculos100H(&directa.ApartadoH, &directa.DatosFamilia, &directa.Identificacion, 1);
  Calculos100H(&directa.ApartadoH, &directa.DatosFamilia, &directa.Identificacion, 2);
  double minimo[5];
  double esperado[5];
  constexpr std::size_t kMinimoDescendientes = 40;
  std::memcpy(minimo, datos.ApartadoH.octetos + kMinimoDescendientes, sizeof minimo);
  std::memcpy(esperado, directa.ApartadoH.octetos + kMinimoDescendientes, sizeof esperado);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(minimo[i], esperado[i]) << i;
  EXPECT_EQ(minimo[0], 450000.0);
  EXPECT_EQ(minimo[1], 450000.0);
}

}  // namespace
}  // namespace dialogos
