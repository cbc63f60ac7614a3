// The walk over every box that takes input on every page of forms D-101, D-100 and D-714 (Recorrido.h), each page in
// a test of its own: the program's own application runs in this process on folders of its own, a declaration of the
// form is stored and opened, the page is shown, and the walk types into its boxes with real keys through the
// display. A page fails on anything the walk saw that the box edits' rules do not allow, unless docs/RECORRIDO.md
// lists it as a known failure; a box it could not cover must be listed there with its reason.
//
// Each page writes what it covered into the walk's folder; the summary (RecorridoResumen, run by ctest after the
// pages) adds them up against the page sources.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/docview.h>
#include <wx/frame.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "GestorVentanas.h"
#include "Listas.h"
#include "Paginas.h"
#include "PartesPrograma.h"
#include "PruebasWx.h"
#include "Recorrido.h"
#include "Teclado.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/Prog32Doc.h"
#include "framework/Prog32DocReglas.h"
#include "framework/Prog32View.h"
#include "framework/DocumentoServicios.h"
#include "income/DatosFamiliaReglas.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "wealth/C714Reglas.h"
#include "shell/AlmacenDeclaraciones.h"
#include "shell/MainFrm.h"
#include "shell/Plantillas.h"
#include "shell/Prog32App.h"

namespace {

namespace fs = std::filesystem;

// One page of a form as the walk takes it: the form's page list (the page-view base's lists) and the page's source.
struct SPaginaRecorrido {
  std::string formulario;  // "D101", "D100", "D714"
  int tipodec = 0;
  int numero = 0;    // its place in the form's page list, 1 first
  int idPagina = 0;  // its source's page id
  std::string nombre;
};

std::ostream& operator<<(std::ostream& s, const SPaginaRecorrido& p) { return s << p.formulario << " " << p.nombre; }

// The pages of the three forms, in the program's own page lists (D-101 and D-100 by form, D-714's screen pages);
// each page's id is its source's.
std::vector<SPaginaRecorrido> PaginasRecorrido() {
  std::vector<SPaginaRecorrido> paginas;
  const auto fuentes = e2e::CPaginaFuente::Listar(KORVELIX_FUENTES_PAGINAS);
  const auto id = [&](std::string_view nombre) {
    for (const auto& f : fuentes) {
      if (f.nombre == nombre) return f.pagina;
    }
    return 0;
  };
  const auto anadir = [&](const char* formulario, int tipodec, auto&& nombres) {
    int numero = 0;
    for (std::string_view nombre : nombres) {
      paginas.push_back({formulario, tipodec, ++numero, id(nombre), std::string(nombre)});
    }
  };
  anadir("D101", marco::kTipoDecSimplificada, renta::PaginasFormulario(marco::kTipoDecSimplificada));
  anadir("D100", marco::kTipoDecOrdinaria, renta::PaginasFormulario(marco::kTipoDecOrdinaria));
  anadir("D714", marco::kTipoDecPatrimonio, patrimonio::kPaginasPatrimonio);
  return paginas;
}

fs::path CarpetaResultados() {
  if (const char* d = std::getenv("KORVELIX_RECORRIDO_SALIDA")) return d;
  return KORVELIX_RECORRIDO_SALIDA_DEFECTO;
}

// What one page leaves for the summary: its counts, then one line per failure and per box not covered.
void EscribirResultado(const SPaginaRecorrido& p, const recorrido::SResultadoPagina& r, double segundos) {
  fs::create_directories(CarpetaResultados());
  std::ofstream s(CarpetaResultados() / (p.formulario + "_" + p.nombre + ".txt"));
  s << p.formulario << ' ' << p.nombre << ' ' << r.casillasFuente << ' ' << r.casillasCubiertas << ' '
    << r.dialogosFuente << ' ' << r.dialogosCubiertos << ' ' << r.fallos.size() << ' ' << r.sinCubrir.size() << ' '
    << segundos << '\n';
}

std::string Casilla(const std::string& pagina, int numero, const std::string& impreso) {
  std::string s = pagina + " box " + std::to_string(numero);
  if (!impreso.empty()) s += " (" + impreso + ")";
  return s;
}

class Recorrido : public ::testing::TestWithParam<SPaginaRecorrido> {
 protected:
  void SetUp() override {
    m_carpeta = fs::temp_directory_path() / ("korvelix-recorrido-" + std::to_string(::getpid()) + "-" +
                                             GetParam().formulario + GetParam().nombre);
    fs::remove_all(m_carpeta);
    fs::create_directories(m_carpeta);
    shell::RegistroDeclaraciones().Vaciar();
    shell::RegistrarDeclaracionesPrograma(shell::RegistroDeclaraciones());
    m_opciones.ejecutable = KORVELIX_PROGRAMA;
    m_opciones.perfil = m_carpeta / "config" / "KORVELIX.INI";
    m_opciones.datosUsuario = m_carpeta / "usuario";
    m_opciones.datosPrograma = KORVELIX_DATOS;
    m_opciones.catalogos = KORVELIX_CATALOGOS;
    m_opciones.instanciaUnica = false;
    m_opciones.abrirAlArrancar = false;
    m_opciones.mostrarIntroduccion = false;
  }
  void TearDown() override {
    if (m_app) {
      marco::CGuionMensajes guion({}, marco::kBotonCancelar);
      if (marco::CProg32Doc* doc = m_app->DameDocumentoActivo()) doc->Modify(false);
      m_app->CerrarDeclaraciones();
      m_app->ExitInstance();
      shell::PonerAplicacionPrograma(nullptr);
      m_app.reset();
      recorrido::Asentar();
    }
    shell::RegistroDeclaraciones().Vaciar();
    std::error_code e;
    fs::remove_all(m_carpeta, e);
  }

  fs::path m_carpeta;
  shell::SOpcionesArranque m_opciones;
  std::unique_ptr<shell::CProg32App> m_app;
};

constexpr const char* kClave = "RECORRIDO";

// The declaration the walk types into: an income-tax one of a declarant alone (single, no children, born in 1960,
// community 04) with a salary of 1,500,000 from one payer, so that the deductions have a quota to come from; a
// wealth-tax one empty.
std::vector<char> DatosDeclaracion(int tipodec) {
  std::vector<char> datos(shell::LongitudDatosDeTipo(tipodec), 0);
  if (tipodec == marco::kTipoDecPatrimonio) return datos;
  DatosRenta renta{};
  RegDatosFamilia& familia = renta.DatosFamilia;
  familia.octetos[renta::kDespEstadoCivil] = renta::kEstadoSoltero;
  std::memcpy(familia.octetos + renta::kDespAnioDeclarante, "1960", renta::kAnchoAnio);
  renta::PonerComunidad(familia, renta::kMiembroDeclarante, "04", "ILLES BALEARS");
  unsigned char* pagador = renta.RendTrabajo.octetos + renta::kDespFilasPlanes;
  pagador[0] = static_cast<unsigned char>(marco::kSujetoDeclarante);
  const double salario = 1500000.0;
  std::memcpy(pagador + 8, &salario, sizeof salario);
  std::memcpy(datos.data(), &renta, std::min(datos.size(), sizeof renta));
  return datos;
}

TEST_P(Recorrido, CadaCasillaDeLaPagina) {
  REQUIERE_PANTALLA();
  const SPaginaRecorrido& p = GetParam();
  const auto fuente = e2e::CPaginaFuente::Leer(KORVELIX_FUENTES_PAGINAS, p.idPagina);
  ASSERT_TRUE(fuente) << "no page source for page " << p.idPagina;
  const recorrido::SListasRecorrido listas = recorrido::LeerListas(KORVELIX_DOC_RECORRIDO);
  ASSERT_TRUE(listas.leida) << KORVELIX_DOC_RECORRIDO << " holds neither list";

  // The desktop a person has: a window manager gives the keyboard to the window that comes up (a dialog a key
  // opened takes the keys typed after it).
  pruebas::CGestorVentanas gestor;
  ASSERT_TRUE(gestor.Listo()) << "openbox did not start (scripts/install-deps installs it)";
  const auto inicio = std::chrono::steady_clock::now();
  {
    marco::CGuionMensajes arranque;
    m_app = std::make_unique<shell::CProg32App>(m_opciones);
    shell::PonerAplicacionPrograma(m_app.get());
    ASSERT_EQ(m_app->InitInstance(), 1);
    // The main window opens at the size it opens with for a person (maximized, without a stored position): the
    // window manager has made it so before the pages are judged.
    recorrido::EsperarHasta([&] {
      return m_app->DameMarcoPrincipal() != nullptr && m_app->DameMarcoPrincipal()->IsMaximized();
    }, 8000);
    recorrido::Asentar();
    // A declaration of the form, stored before it is opened as a person opens one from the index.
    shell::SDeclaracionAlmacen d;
    d.clave = shell::NombreAlmacen(kClave);
    d.tipodec = p.tipodec;
    d.datos = DatosDeclaracion(p.tipodec);
    ASSERT_EQ(shell::CAlmacenDeclaraciones(marco::DameBaseDatosRed()).Guardar({d}, {}), shell::EResultadoAlmacen::Hecho);
    m_app->AbrirDeclaracion(kClave, p.tipodec == 3 ? 3 : 0, "", 0);
    recorrido::Asentar();
    ASSERT_TRUE(arranque.Mensajes().empty()) << arranque.Codigos().front();
  }
  marco::CProg32Doc* doc = m_app->DameDocumentoActivo();
  ASSERT_NE(doc, nullptr);
  ASSERT_GE(static_cast<int>(doc->ListaPaginas().size()), p.numero);

  std::set<std::string> dialogos;
  const recorrido::SResultadoPagina r =
      recorrido::RecorrerPagina(*doc, p.numero, p.idPagina, *fuente, p.nombre, dialogos);
  const double segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  EscribirResultado(p, r, segundos);

  // The report: the counts against the page source, then every failure and every box not covered.
  std::ostringstream informe;
  informe << p.formulario << " " << p.nombre << ": " << r.casillasCubiertas << " of " << r.casillasFuente
          << " input boxes of the page source covered, " << r.sinCubrir.size() << " not covered; "
          << r.dialogosCubiertos << " dialogs walked (the source's boxes name " << r.dialogosFuente << " windows); "
          << r.fallos.size() << " failures; " << segundos << " s\n";
  const auto listada = [&](const std::vector<recorrido::SEntradaLista>& lista, int casilla) -> const recorrido::SEntradaLista* {
    for (const auto& e : lista) {
      if (e.pagina == p.nombre && e.casilla == casilla) return &e;
    }
    return nullptr;
  };
  std::set<int> conFallo;
  int desconocidos = 0;
  for (const auto& f : r.fallos) {
    conFallo.insert(f.casilla);
    const auto* conocido = listada(listas.conocidos, f.casilla);
    informe << "  " << (conocido != nullptr ? "known (fault " + conocido->texto + ")" : std::string("FAILURE")) << ": "
            << Casilla(p.nombre, f.casilla, f.impreso) << ": " << f.visto << "\n";
    if (conocido == nullptr) ++desconocidos;
  }
  std::set<int> sinCubrir;
  int sinListar = 0;
  for (const auto& s : r.sinCubrir) {
    sinCubrir.insert(s.casilla);
    const bool enLista = listada(listas.sinCubrir, s.casilla) != nullptr;
    informe << "  " << (enLista ? "not covered (listed)" : "NOT COVERED AND NOT LISTED") << ": "
            << Casilla(p.nombre, s.casilla, "") << ": " << s.motivo << "\n";
    if (!enLista) ++sinListar;
  }
  for (const auto& e : listas.conocidos) {
    if (e.pagina == p.nombre && conFallo.count(e.casilla) == 0) {
      informe << "  no longer fails (take it out of the known failures): " << Casilla(p.nombre, e.casilla, "")
              << " (fault " << e.texto << ")\n";
    }
  }
  for (const auto& e : listas.sinCubrir) {
    if (e.pagina == p.nombre && sinCubrir.count(e.casilla) == 0) {
      informe << "  covered now (take it out of the list of boxes not covered): " << Casilla(p.nombre, e.casilla, "")
              << "\n";
    }
  }
  std::cout << informe.str() << std::flush;
  EXPECT_EQ(desconocidos, 0) << "failures not among the known ones (above)";
  EXPECT_EQ(sinListar, 0) << "boxes the walk did not cover and docs/RECORRIDO.md does not list (above)";
  EXPECT_EQ(r.casillasCubiertas + static_cast<int>(r.sinCubrir.size()), r.casillasFuente)
      << "every input box of the source is either covered or listed";
}

INSTANTIATE_TEST_SUITE_P(Formularios, Recorrido, ::testing::ValuesIn(PaginasRecorrido()),
                         [](const ::testing::TestParamInfo<SPaginaRecorrido>& i) {
                           return i.param.formulario + "_" + i.param.nombre;
                         });

// The walk's totals over the pages the tests above left in the walk's folder, against the page sources. ctest runs
// it after the pages (recorrido.Resumen); a run of the whole binary leaves it out unless asked.
TEST(RecorridoResumen, TodasLasPaginas) {
  if (std::getenv("KORVELIX_RECORRIDO_RESUMEN") == nullptr) GTEST_SKIP() << "run by ctest after the pages";
  int fuente = 0, cubiertas = 0, dialogosFuente = 0, dialogos = 0, fallos = 0, sinCubrir = 0;
  double segundos = 0.0;
  std::vector<std::string> faltan;
  for (const SPaginaRecorrido& p : PaginasRecorrido()) {
    std::ifstream s(CarpetaResultados() / (p.formulario + "_" + p.nombre + ".txt"));
    std::string formulario, nombre;
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
    double t = 0.0;
    if (!(s >> formulario >> nombre >> a >> b >> c >> d >> e >> f >> t)) {
      faltan.push_back(p.formulario + " " + p.nombre);
      continue;
    }
    fuente += a;
    cubiertas += b;
    dialogosFuente += c;
    dialogos += d;
    fallos += e;
    sinCubrir += f;
    segundos += t;
  }
  std::cout << "The walk over " << PaginasRecorrido().size() << " pages: " << cubiertas << " of " << fuente
            << " input boxes of the page sources covered, " << sinCubrir << " not covered (listed in "
            << "docs/RECORRIDO.md); " << dialogos << " dialogs walked (the sources' boxes name " << dialogosFuente
            << " windows, page by page); " << fallos << " failures seen; " << segundos << " s of walking\n";
  EXPECT_TRUE(faltan.empty()) << "pages without a result: " << faltan.front();
  EXPECT_EQ(cubiertas + sinCubrir, fuente);
}

}  // namespace
