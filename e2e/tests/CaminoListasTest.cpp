// The roads of the lists the program cannot ship whole and of the activity headings.
//
// CaminoListas: a D-101 declaration without delegation nor administration, stored in an earlier session, opens from
// the index; delegation 08 and administration 999 are typed on page 1: the delegation brings its name, the
// administration (not in the program's list) is kept and its name box says so; delegation 53 is refused with its
// own message; the check lists the administration as a warning and no error; the declaration prints to a PDF with
// the bar code of the official paper and files over the Internet with both codes.
//
// CaminoModulos: a D-100 declaration stored with delegation 53 (put in the store as it stands) has that delegation
// as an error of the check; page 5's activity selection says why it has nothing to offer; a heading typed into an
// activity row that no activity of the catalogue has is refused with its message and leaves the row empty.
//
// CaminoEpigrafes: on page 3 of a new D-714 declaration a character typed into the first activity heading box opens
// the heading search, which finds 659.4; "&Aceptar" writes the code back into the box and Ctrl+G stores it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "income/Pago.h"
#include "income/RentaReglas.h"
#include "output/CodigoBarrasDatos.h"
#include "output/RegistroRenta.h"
#include "output/RegistroRentaCampos.h"
#include "wealth/CamposPatrimonio.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::kNif;
namespace titulos = e2e::titulos;

// Places in the income-tax data area, from the program's headers.
constexpr std::size_t kCodigoDelegacion = salida::registro_renta::kCabecera1002;
constexpr std::size_t kNombreDelegacion = kCodigoDelegacion + 2;
constexpr std::size_t kCodigoAdministracion = salida::registro_renta::kCabecera1022;
constexpr std::size_t kNombreAdministracion = kCodigoAdministracion + 3;

// Page 1 of D-101 (and of D-100): the delegation and administration code boxes.
constexpr int kPaginaIdentificacion = 101;
constexpr int kCasillaCodigoDelegacion = 3;
constexpr int kCasillaCodigoAdministracion = 4;

// The coded messages' windows are titled with the message's title word.
constexpr const char* kTituloDelegacion = "^DELEGACI.{1,2}N$";
constexpr const char* kTituloEpigrafe = "^EP.{1,2}GRAFE$";
constexpr const char* kTituloSeleccion = "^Seleccionar Actividad$";
constexpr const char* kTituloBusqueda = "^EP.{1,2}GRAFES$";

std::string SinRelleno(std::string texto) {
  while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\0')) texto.pop_back();
  return texto;
}

// A declaration of a single declarant that the check passes once its delegation and administration are given.
e2e::SDeclaracionGuardada Declaracion(const char* clave, int tipodec) {
  auto d = e2e::SDeclaracionGuardada::Nueva(clave, tipodec, sizeof(DatosRenta));
  e2e::declaracion::PonerDeclarante(d, kNif);
  e2e::declaracion::PonerDatosComprobados(d);
  e2e::declaracion::PonerSalario(d, 3000000.0, 450000.0);
  return d;
}

std::string Codigos(const std::vector<e2e::SHallazgoGuardado>& hallazgos) {
  std::string texto;
  for (const auto& h : hallazgos) {
    texto += " " + h.codigo + "(" + std::to_string(h.vista) + "," + std::to_string(h.numcontr) + "," +
             std::to_string(h.severidad) + ")";
  }
  return texto;
}

// The findings the program stored for declaration `clave` after "Estado de la Declaración", once one of code
// `codigo` is among them (the list is closed again); the finding of that code, none when it did not come.
std::optional<e2e::SHallazgoGuardado> HallazgoDelEstado(CCamino& c, const char* clave, const std::string& codigo,
                                                        std::vector<e2e::SHallazgoGuardado>& hallazgos,
                                                        std::string& motivo) {
  if (!c.EstadoDeLaDeclaracion()) {
    motivo = "\"Estado de la Declaración\" did not show the findings list";
    return std::nullopt;
  }
  auto buscar = [&] {
    return std::find_if(hallazgos.begin(), hallazgos.end(), [&](const auto& h) { return h.codigo == codigo; });
  };
  e2e::EsperarHasta(
      [&] {
        const auto leidas = c.Programa().Hallazgos(clave, &motivo);
        if (leidas) hallazgos = *leidas;
        return leidas && buscar() != hallazgos.end();
      },
      10s, 200ms);
  c.Escritorio().Tecla("Escape");
  c.Escritorio().EsperarSinVentana(titulos::kHallazgos);
  const auto h = buscar();
  if (h == hallazgos.end()) return std::nullopt;
  return *h;
}

// ---- CaminoListas ----

constexpr const char* kClaveListas = "LISTAS E2E";

class CaminoListas : public e2e::CPasoDe<CaminoListas> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion(kClaveListas, 1)});
  }

 protected:
  std::filesystem::path Fichero() { return C().Carpeta() / "presentacion" / "KVXINET"; }
};

TEST_F(CaminoListas, LaDeclaracionSeAbreDesdeElIndice) {
  ASSERT_TRUE(C().AbrirDesdeIndice(kClaveListas));
  C().Alcanzado("abierta");
}

TEST_F(CaminoListas, LaAdministracionQueNoEstaEnLaListaSeConserva) {
  REQUIERE_PASO(C(), "abierta");
  // The declaration opens on page 1's first box that takes input; Tab walks to the delegation code.
  ASSERT_TRUE(C().TeclearOficina(kPaginaIdentificacion, kCasillaCodigoDelegacion, "08", kCasillaCodigoAdministracion,
                                 "999"));
  // No message: a code of the list's form is not refused for being absent from the list.
  EXPECT_FALSE(E().EsperarVentana(titulos::kAviso + std::string("|^ADMINISTRACI"), 2s))
      << "a message came for administration 999";
  E().Capturar(C().Carpeta() / "administracion_999.png");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClaveListas,
      [&](const e2e::SDeclaracionGuardada& f) { return f.Texto(kCodigoAdministracion, 3) == "999"; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->Texto(kCodigoDelegacion, 2), "08");
  EXPECT_EQ(SinRelleno(fila->Texto(kNombreDelegacion, 18)), "BARCELONA");
  EXPECT_EQ(fila->Texto(kCodigoAdministracion, 3), "999");
  EXPECT_EQ(SinRelleno(fila->Texto(kNombreAdministracion, 18)), "NO FIGURA EN LISTA");
  if (!HasFailure()) C().Alcanzado("codigos");
}

TEST_F(CaminoListas, LaDelegacion53SeRechazaConSuMensaje) {
  REQUIERE_PASO(C(), "codigos");
  // The focus is after the administration's box: Shift+Tab walks back to the delegation's (it holds "08").
  std::optional<std::string> antes;
  std::string vistos;
  for (int i = 0; i < 4 && (!antes || *antes != "08"); ++i) {
    ASSERT_TRUE(E().Tecla("shift+Tab"));
    antes = C().TextoCasillaActiva();
    vistos += " [" + antes.value_or("?") + "]";
  }
  ASSERT_TRUE(antes) << "the delegation box gave nothing to the clipboard";
  ASSERT_EQ(*antes, "08") << "the walk back did not reach the delegation box:" << vistos;
  E().Teclas({"Home", "shift+End", "Delete"});
  ASSERT_TRUE(E().Escribir("53"));
  ASSERT_TRUE(E().Tecla("Tab"));
  const auto mensaje = C().VentanaDelante(kTituloDelegacion, "the delegation's message");
  ASSERT_TRUE(mensaje) << "delegation 53 was not refused with the delegation's message";
  E().Capturar(C().Carpeta() / "delegacion_53.png");
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarCerrada(mensaje->id));
  // The box keeps the delegation it had, with its name.
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClaveListas, [&](const e2e::SDeclaracionGuardada& f) { return f.Texto(kCodigoDelegacion, 2) == "08"; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->Texto(kCodigoDelegacion, 2), "08");
  EXPECT_EQ(SinRelleno(fila->Texto(kNombreDelegacion, 18)), "BARCELONA");
  C().Alcanzado("rechazada");
}

TEST_F(CaminoListas, ElEstadoDeLaDeclaracionAvisaSinError) {
  REQUIERE_PASO(C(), "codigos");
  std::string motivo;
  std::vector<e2e::SHallazgoGuardado> hallazgos;
  const auto lista02 = HallazgoDelEstado(C(), kClaveListas, "LISTA02", hallazgos, motivo);
  ASSERT_TRUE(lista02) << motivo << ": the findings:" << Codigos(hallazgos);
  EXPECT_EQ(lista02->severidad, 0) << "the administration outside the list is a warning";
  EXPECT_EQ(lista02->vista, 1);
  for (const auto& h : hallazgos) EXPECT_EQ(h.severidad, 0) << "an error: " << Codigos(hallazgos);
  C().Alcanzado("avisada");
}

TEST_F(CaminoListas, SeImprimeEnPapelOficial) {
  REQUIERE_PASO(C(), "avisada");
  const std::filesystem::path pdf = C().Carpeta() / "declaracion.pdf";
  // The findings (only warnings) come first; "&Imprimir" there goes on to the print dialog.
  ASSERT_TRUE(C().ImprimirDeclaracionEnPdf(pdf));
  const auto paginas = e2e::PaginasPdf(pdf);
  ASSERT_TRUE(paginas) << "pdfinfo cannot read " << pdf;
  EXPECT_GE(*paginas, 8);
  // The official paper's first page carries the declaration's record in its bar code.
  const std::vector<std::uint8_t> trama = e2e::SimbolosPdf417(pdf, 1, C().Carpeta() / "pagina1.png");
  ASSERT_FALSE(trama.empty()) << "no whole sequence of PDF417 symbols on page 1";
  const auto registro = salida::RecuperarRegistro(trama);
  ASSERT_TRUE(registro.has_value()) << "the symbols do not give back a record";
  EXPECT_NE(registro->find(kNif), std::string::npos);
  EXPECT_NE(registro->find("999"), std::string::npos) << "the record does not carry the administration";
  C().Alcanzado("impresa");
}

TEST_F(CaminoListas, SePresentaPorInternet) {
  REQUIERE_PASO(C(), "avisada");
  std::filesystem::create_directories(Fichero().parent_path());
  // Only warnings among the findings: the notice comes at once.
  ASSERT_TRUE(C().GenerarFicheroInternet(Fichero()));
  const std::string fichero = e2e::LeerFichero(Fichero());
  const std::size_t fin = fichero.find("\r\n");
  ASSERT_NE(fin, std::string::npos);
  // Page 1's line: delegation code (2) and name (18), administration code (3) and name (18).
  const std::string primera = fichero.substr(0, fin);
  ASSERT_GE(primera.size(), 47u) << primera;
  EXPECT_EQ(primera.substr(6, 2), "08") << primera.substr(0, 50);
  EXPECT_EQ(primera.substr(26, 3), "999") << primera.substr(0, 50);
  C().Alcanzado("presentada");
}

// ---- CaminoModulos ----

constexpr const char* kClaveModulos = "MODULOS E2E";
// The first activity row of page 5 (RegApartadoD4): its heading code in its first five bytes.
constexpr std::size_t kFilaModulos = offsetof(DatosRenta, ApartadoD4);

e2e::SDeclaracionGuardada DeclaracionDelegacion53() {
  e2e::SDeclaracionGuardada d = Declaracion(kClaveModulos, 2);
  d.PonerTexto(kCodigoDelegacion, "53");
  d.PonerTexto(kCodigoAdministracion, "001");
  return d;
}

class CaminoModulos : public e2e::CPasoDe<CaminoModulos> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({DeclaracionDelegacion53()});
  }
};

TEST_F(CaminoModulos, LaDeclaracionSeAbreDesdeElIndice) {
  ASSERT_TRUE(C().AbrirDesdeIndice(kClaveModulos));
  C().Alcanzado("abierta");
}

TEST_F(CaminoModulos, LaDelegacion53EsUnError) {
  REQUIERE_PASO(C(), "abierta");
  std::string motivo;
  std::vector<e2e::SHallazgoGuardado> hallazgos;
  const auto lista05 = HallazgoDelEstado(C(), kClaveModulos, "LISTA05", hallazgos, motivo);
  ASSERT_TRUE(lista05) << motivo << ": the findings:" << Codigos(hallazgos);
  EXPECT_GE(lista05->severidad, 1) << "a delegation outside 01-52 is an error";
  EXPECT_EQ(lista05->vista, 1);
}

TEST_F(CaminoModulos, LaSeleccionDeActividadesDiceQueNoHayCifras) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(C().IrAPagina(5));
  // The page opens on the heading box of its first activity; Alt+Down opens the activity selection. The box takes
  // the focus as the page comes up: the main window is waited for first.
  ASSERT_TRUE(C().PrincipalActiva());
  ASSERT_TRUE(C().Pagina(205));
  ASSERT_EQ(C().Pagina(205)->PrimeraEditable(), 5) << "the first box of page 5 that takes input changed";
  e2e::EsperarHasta([] { return false; }, 500ms);
  ASSERT_TRUE(E().Tecla("alt+Down"));
  const auto seleccion = C().VentanaDelante(kTituloSeleccion, "the activity selection");
  ASSERT_TRUE(seleccion) << "Alt+Down did not open the activity selection";
  E().Capturar(C().Carpeta() / "seleccion_actividad.png");
  // Its description box (the multi-line box above the buttons) says why the lists are empty: a click puts the
  // focus in it, and its text is copied.
  const auto geometria = E().Herramienta({"xdotool", "getwindowgeometry", "--shell", seleccion->id});
  ASSERT_TRUE(geometria.Bien());
  int ancho = 0;
  int alto = 0;
  for (const char* clave : {"WIDTH=", "HEIGHT="}) {
    const std::size_t i = geometria.salida.find(clave);
    ASSERT_NE(i, std::string::npos) << geometria.salida;
    (std::string(clave) == "WIDTH=" ? ancho : alto) = std::stoi(geometria.salida.substr(i + std::strlen(clave)));
  }
  ASSERT_TRUE(E().DobleClic(seleccion->id, ancho / 2, alto - 90));
  const auto texto = C().TextoCompleto();
  ASSERT_TRUE(texto) << "the description box gave nothing to the clipboard";
  EXPECT_NE(texto->find("No hay actividades que elegir"), std::string::npos) << *texto;
  EXPECT_NE(texto->find("Orden de 13 de febrero de 1998"), std::string::npos) << *texto;
  E().Tecla("Escape");
  ASSERT_TRUE(E().EsperarCerrada(seleccion->id)) << "Escape did not close the activity selection";
  C().Alcanzado("seleccion");
}

TEST_F(CaminoModulos, UnEpigrafeTecleadoSinActividadSeRechaza) {
  REQUIERE_PASO(C(), "seleccion");
  ASSERT_TRUE(C().PrincipalActiva());
  ASSERT_TRUE(E().Escribir("659.4"));
  ASSERT_TRUE(E().Tecla("Tab"));
  const auto mensaje = C().VentanaDelante(kTituloEpigrafe, "the heading's message");
  ASSERT_TRUE(mensaje) << "the heading 659.4 was not refused";
  E().Capturar(C().Carpeta() / "epigrafe_rechazado.png");
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarCerrada(mensaje->id));
  // The row keeps nothing of it.
  E().Tecla("ctrl+g");
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClaveModulos, [&](const e2e::SDeclaracionGuardada& f) { return SinRelleno(f.Texto(kFilaModulos, 5)).empty(); },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(SinRelleno(fila->Texto(kFilaModulos, 5)), "") << "the refused heading stayed in the row";
}

// ---- CaminoEpigrafes ----

constexpr const char* kClaveEpigrafes = "EPIGRAFES E2E";
constexpr int kPaginaActividades714 = 303;
// Section C1 of the D-714 (rows of 72 bytes): the first row's heading code at its start.
constexpr std::size_t kEpigrafeC1 = offsetof(DatosPatrimonio, PatC);

class CaminoEpigrafes : public e2e::CPasoDe<CaminoEpigrafes> {};

TEST_F(CaminoEpigrafes, UnaDeclaracionNuevaDePatrimonio) {
  ASSERT_TRUE(C().AltaPatrimonioDesdeIndice(kClaveEpigrafes));
  C().Alcanzado("abierta");
}

TEST_F(CaminoEpigrafes, LaBusquedaDeEpigrafesEscribeElCodigoEnLaCasilla) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(C().IrAPagina(3));
  const auto p = C().Pagina(kPaginaActividades714);
  ASSERT_TRUE(p);
  // The page opens on its first box that takes input: the heading of the first activity (box 3).
  ASSERT_EQ(p->PrimeraEditable(), 3) << "the first box of page 3 that takes input changed";
  // A character typed there opens the heading search with it in the search box.
  ASSERT_TRUE(E().Escribir("6"));
  const auto busqueda = C().VentanaDelante(kTituloBusqueda, "the heading search");
  ASSERT_TRUE(busqueda) << "the character typed did not open the heading search";
  ASSERT_TRUE(E().Escribir("59.4"));
  E().Tecla("alt+b");
  E().Capturar(C().Carpeta() / "busqueda_6594.png");
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarCerrada(busqueda->id)) << "\"&Aceptar\" did not close the heading search";
  ASSERT_TRUE(C().CasillaActivaMuestra("659.4", "the heading box", SinRelleno));
  E().Tecla("ctrl+g");
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClaveEpigrafes, [&](const e2e::SDeclaracionGuardada& f) { return f.Texto(kEpigrafeC1, 5) == "659.4"; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->Texto(kEpigrafeC1, 5), "659.4");
}

}  // namespace
