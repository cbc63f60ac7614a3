// The declaration document's commands: their numbers at the window boundary, the page commands' rules, saving
// and closing with the question, removing a new declaration never saved, the draft presentation and the
// declaration's state.
#include "framework/ComandosDocumento.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/docview.h>

#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/TablaTexto.h"

namespace fs = std::filesystem;

namespace pruebascomandos {

// Views that only are there.
class CVistaComandos : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  wxDECLARE_DYNAMIC_CLASS(CVistaComandos);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaComandos, wxView);

class CVistaComandos2 : public CVistaComandos {
  wxDECLARE_DYNAMIC_CLASS(CVistaComandos2);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaComandos2, CVistaComandos);

}  // namespace pruebascomandos

namespace marco {
namespace {

using pruebascomandos::CVistaComandos;
using pruebascomandos::CVistaComandos2;

// A document of two pages that answers the plain questions from a script and records what it is asked to do.
class CDocComandos : public CProg32Doc {
 public:
  int PreguntarUsuario(const std::string& texto, long /*estilo*/) override {
    preguntas.push_back(texto);
    if (respuestas.empty()) return wxOK;
    const int r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  void CrearListaPaginas(int) override { PonerListaPaginas({CLASSINFO(CVistaComandos), CLASSINFO(CVistaComandos2)}); }
  int Validar(int) override {
    registro.push_back("validar");
    return resultadoValidar;
  }
  void Imprimir() override { registro.push_back("imprimir"); }
  int AbrirBorrador() override {
    registro.push_back("borrador");
    // What the draft view does when it opens: the same command comes back through the document.
    wxCommandEvent orden(wxEVT_MENU, ComandoAWx(kComandoBorrador));
    ProcessEvent(orden);
    return 1;
  }

  std::deque<int> respuestas;
  std::vector<std::string> preguntas;
  std::vector<std::string> registro;
  int resultadoValidar = 1;
};

bool Habilitado(CProg32Doc& doc, int comando, bool* marcado = nullptr) {
  wxUpdateUIEvent evento(ComandoAWx(comando));
  EXPECT_TRUE(doc.ProcessEvent(evento)) << comando;
  if (marcado != nullptr) *marcado = evento.GetChecked();
  return evento.GetEnabled();
}

void Ordenar(CProg32Doc& doc, int comando, int entero = 0) {
  wxCommandEvent evento(wxEVT_MENU, ComandoAWx(comando));
  evento.SetInt(entero);
  EXPECT_TRUE(doc.ProcessEvent(evento)) << comando;
}

void BorrarVistas(wxDocument& doc) {
  while (wxView* vista = doc.GetFirstView()) delete vista;
}

TEST(ComandosDocumento, NumerosEnLaFrontera) {
  const struct {
    int propio, wx;
  } casos[] = {{kComandoGuardar, wxID_SAVE}, {kComandoCerrar, wxID_CLOSE},    {kComandoCopiar, wxID_COPY},
               {kComandoPegar, wxID_PASTE},  {kComandoBorrador, wxID_PREVIEW}, {kComandoImprimir, wxID_PRINT},
               {kComandoApartados, kComandoApartados}};
  for (const auto& c : casos) {
    EXPECT_EQ(ComandoAWx(c.propio), c.wx) << c.propio;
    EXPECT_EQ(ComandoDeWx(c.wx), c.propio) << c.propio;
  }
  // A program number reaching the document as it is (an edit's context menu) means the same.
  EXPECT_EQ(ComandoDeWx(kComandoCopiar), kComandoCopiar);
}

// Menus refuse ids from 0x7FFF on (an assertion every time a menu with one is made, e.g. the page's context
// menu): every command of the document, the pages and the edits gets one wxWidgets takes, each its own, and
// comes back as itself.
TEST(ComandosDocumento, CadaOrdenTieneUnIdQueLosMenusAceptan) {
  const int comandos[] = {kComandoCerrar,         kComandoGuardar,         kComandoImprimir,
                          kComandoImprimirDirecto, kComandoBorrador,        kComandoIrAPaginaMenu,
                          kComandoPaginaElegida,  kComandoImportar,        kComandoExportar,
                          kComandoEstadoDeclaracion, kComandoCopiar,       kComandoCortar,
                          kComandoPegar,          kComandoDeshacer,        kComandoAyuda,
                          kComandoIrAPagina,      kComandoPrimeraPagina,   kComandoUltimaPagina,
                          kComandoPaginaSiguiente, kComandoPaginaAnterior, kComandoZoomAcercar,
                          kComandoZoomAlejar,     kComandoApartados,       kComandoCalculadora};
  std::set<int> ids;
  for (int comando : comandos) {
    const int id = ComandoAWx(comando);
    EXPECT_GT(id, 0) << comando;
    EXPECT_LE(id, kIdWxMaximo) << comando;
    EXPECT_TRUE(ids.insert(id).second) << comando << " shares its id " << id;
    EXPECT_EQ(ComandoDeWx(id), comando) << comando;
  }
  // Every entry of the page's context menu too.
  for (const SOpcionMenuEdit& opcion : MenuContextualPagina()) {
    if (opcion.id == 0) continue;
    EXPECT_LE(ComandoAWx(opcion.id), kIdWxMaximo) << opcion.texto;
  }
}

TEST(ComandosDocumento, IndiceDeLaPaginaMostrada) {
  const struct {
    int pagina, tipo, indice;
  } casos[] = {{202, 2, 1}, {201, 2, 0}, {218, 2, 17}, {101, 1, 0}, {117, 1, 7}, {117, 0xFF, 16}, {116, 1, 15},
               {13, 1, 12},  {312, 3, 11}, {300, 3, -1}, {202, 7, -1}, {-1, 2, -1}};
  for (const auto& c : casos) EXPECT_EQ(IndicePaginaDeVista(c.pagina, c.tipo), c.indice) << c.pagina << " " << c.tipo;
  EXPECT_TRUE(HayPaginaAnterior(1));
  EXPECT_FALSE(HayPaginaAnterior(0));
  EXPECT_FALSE(HayPaginaAnterior(-1));
  EXPECT_TRUE(HayPaginaPosterior(0, 1));
  EXPECT_FALSE(HayPaginaPosterior(1, 1));
  EXPECT_FALSE(HayPaginaPosterior(-1, 1));
  EXPECT_EQ(PreguntaGuardarCambios("PEPE    "),
            "La declaraci\xF3n de PEPE ha cambiado.\n\xBF Desea guardar los datos ?");
}

TEST(ComandosDocumento, ReglasDeLasOrdenesDePagina) {
  CGuionMensajes guion;
  CDocComandos doc;
  // No page current.
  doc.PonerPaginaActual(-1);
  for (int c : {kComandoPrimeraPagina, kComandoPaginaAnterior, kComandoUltimaPagina, kComandoPaginaSiguiente}) {
    EXPECT_FALSE(Habilitado(doc, c)) << c;
  }
  doc.CrearListaPaginas(0);
  EXPECT_FALSE(Habilitado(doc, kComandoPrimeraPagina));
  EXPECT_FALSE(Habilitado(doc, kComandoPaginaAnterior));
  EXPECT_TRUE(Habilitado(doc, kComandoUltimaPagina));
  // "Siguiente" takes the index from the page view shown; with none shown there is no next page.
  EXPECT_FALSE(Habilitado(doc, kComandoPaginaSiguiente));

  Ordenar(doc, kComandoUltimaPagina);
  EXPECT_EQ(doc.DamePaginaActual(), 1);
  EXPECT_NE(doc.BuscarVista(CLASSINFO(CVistaComandos2)), nullptr);
  EXPECT_TRUE(Habilitado(doc, kComandoPaginaAnterior));
  EXPECT_FALSE(Habilitado(doc, kComandoUltimaPagina));
  Ordenar(doc, kComandoPaginaAnterior);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  Ordenar(doc, kComandoPaginaSiguiente);
  EXPECT_EQ(doc.DamePaginaActual(), 1);
  Ordenar(doc, kComandoPrimeraPagina);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  // The go-to-page dialog's choice; a page beyond the list leaves the page as it is.
  Ordenar(doc, kComandoPaginaElegida, 2);
  EXPECT_EQ(doc.DamePaginaActual(), 1);
  Ordenar(doc, kComandoPaginaElegida, 9);
  EXPECT_EQ(doc.DamePaginaActual(), 1);
  EXPECT_EQ(doc.GetViewsVector().size(), 2u);

  // An import could overwrite the open declaration; an export saves it first and goes on.
  EXPECT_FALSE(Habilitado(doc, kComandoImportar));
  EXPECT_TRUE(Habilitado(doc, kComandoExportar));
  EXPECT_FALSE(Habilitado(doc, kComandoGuardar));
  doc.Modify(true);
  EXPECT_TRUE(Habilitado(doc, kComandoGuardar));

  bool marcado = true;
  EXPECT_TRUE(Habilitado(doc, kComandoApartados, &marcado));
  EXPECT_FALSE(marcado);
  SServiciosComandos servicios;
  servicios.barraApartadosVisible = [] { return true; };
  PonerServiciosComandos(servicios);
  EXPECT_TRUE(Habilitado(doc, kComandoApartados, &marcado));
  EXPECT_TRUE(marcado);
  // The page's context menu carries it as a plain entry: enabled, never checked (that would be an assertion).
  wxUpdateUIEvent entrada(ComandoAWx(kComandoApartados));
  entrada.DisallowCheck();
  EXPECT_TRUE(doc.ProcessEvent(entrada));
  EXPECT_TRUE(entrada.GetEnabled());
  EXPECT_FALSE(entrada.GetSetChecked());
  PonerServiciosComandos({});
  doc.Modify(false);
  BorrarVistas(doc);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST(ComandosDocumento, BorradorYEstadoDeLaDeclaracion) {
  CGuionMensajes guion;
  int hallazgos = 0;
  int irAPagina = 0;
  SServiciosComandos servicios;
  servicios.mostrarHallazgos = [&](CProg32Doc&) { ++hallazgos; };
  servicios.irAPagina = [&](CProg32Doc&) { ++irAPagina; };
  PonerServiciosComandos(servicios);

  CDocComandos doc;
  // The draft view's own command does not open a second one.
  Ordenar(doc, kComandoBorrador);
  EXPECT_EQ(doc.registro, (std::vector<std::string>{"borrador"}));

  doc.registro.clear();
  doc.resultadoValidar = 0;
  Ordenar(doc, kComandoEstadoDeclaracion);
  EXPECT_EQ(doc.registro, (std::vector<std::string>{"validar"}));
  EXPECT_EQ(hallazgos, 1);

  Ordenar(doc, kComandoIrAPaginaMenu);
  Ordenar(doc, kComandoIrAPagina);
  EXPECT_EQ(irAPagina, 2);

  // Printing saves first: without a stored row nothing more happens.
  doc.registro.clear();
  doc.PonerClave("NADIE");
  EXPECT_EQ(doc.PresentarBorrador(), 0);
  EXPECT_TRUE(doc.registro.empty());
  EXPECT_EQ(guion.Veces("WIN023"), 1);
  PonerServiciosComandos({});
}

// The store of declarations in a folder of its own, with the message tables the build made.
class ComandosAlmacen : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-comandos-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");
    std::ifstream f(fs::path(KORVELIX_FUENTES_RED) / "DatosDec.txt", std::ios::binary);
    std::stringstream esquema;
    esquema << f.rdbuf();
    plataforma::CFuenteTabla fuente;
    std::string error;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(esquema.str() + "ANA|2|e|0||\nLUIS|2|e|0||\n", fuente, error)) << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, m_dir / "red" / "DatosDec.DBF", error)) << error;
    pruebas::CopiarTablasMensajes(m_dir / "local");
    ASSERT_EQ(AbrirBasesDatos((m_dir / "red").string(), (m_dir / "local").string()), 1);
    PonerIdiomaV("e");
  }
  void TearDown() override {
    PonerServiciosComandos({});
    CerrarBasesDatos();
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  bool EnAlmacen(const std::string& clave) {
    CTabla tabla(DameBaseDatosRed());
    if (tabla.Abrir(0, kOrdenClave, kTablaDatosDec) == 0) return false;
    return tabla.Buscar(ClaveBusquedaDeclaracion(clave, tabla.LongitudCampo("clave")), false, kOrdenClave, false) != 0;
  }

  fs::path m_dir;
};

TEST_F(ComandosAlmacen, GuardarAntesDeCerrar) {
  CGuionMensajes guion;
  const struct {
    bool modificado;
    int respuesta;  // 0: no question
    int resultado;
    bool sigueModificado;
  } casos[] = {
      {false, 0, 1, false},
      {true, wxCANCEL, 0, true},
      {true, wxNO, 1, false},
      {true, wxYES, 1, false},
      {true, -1, 0, true},  // no answer at all keeps the declaration
  };
  for (const auto& c : casos) {
    CDocComandos doc;
    doc.PonerClave("ANA");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    doc.Modify(c.modificado);
    if (c.respuesta != 0) doc.respuestas.push_back(c.respuesta);
    EXPECT_EQ(doc.SaveModified(), c.resultado) << c.respuesta;
    EXPECT_EQ(doc.IsModified(), c.sigueModificado) << c.respuesta;
    if (c.respuesta == 0) {
      EXPECT_TRUE(doc.preguntas.empty());
    } else {
      EXPECT_EQ(doc.preguntas, (std::vector<std::string>{PreguntaGuardarCambios("ANA")}));
    }
  }
  // Yes with a save that fails: the declaration stays open and changed.
  CDocComandos doc;
  doc.PonerClave("NADIE");
  doc.Modify(true);
  doc.respuestas.push_back(wxYES);
  EXPECT_EQ(doc.SaveModified(), 0);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(guion.Veces("WIN023"), 1);
}

TEST_F(ComandosAlmacen, CerrarUnaNuevaNuncaGuardada) {
  CGuionMensajes guion;
  int barra = 0;
  int titulo = 0;
  SServiciosComandos servicios;
  servicios.ocultarBarraApartados = [&] { ++barra; };
  servicios.limpiarTituloDeclaracion = [&] { ++titulo; };
  PonerServiciosComandos(servicios);

  // Answered "no": the new declaration leaves the store, the bar and the caption are cleared.
  {
    CDocComandos doc;
    doc.PonerClave("ANA");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    doc.PonerNoGuardada(true);
    doc.Modify(true);
    doc.respuestas.push_back(wxNO);
    Ordenar(doc, kComandoCerrar);
    EXPECT_FALSE(EnAlmacen("ANA"));
    EXPECT_EQ(barra, 1);
    EXPECT_EQ(titulo, 1);
    EXPECT_FALSE(doc.DameNoGuardada());
    EXPECT_EQ(doc.DameEstado(), '\0');
  }
  // Cancelled: it stays open and stays in the store, so that it can still be saved.
  {
    CDocComandos doc;
    doc.PonerClave("LUIS");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    doc.PonerNoGuardada(true);
    doc.Modify(true);
    doc.respuestas.push_back(wxCANCEL);
    doc.OnCerrar();
    EXPECT_TRUE(EnAlmacen("LUIS"));
    EXPECT_TRUE(doc.DameNoGuardada());
    EXPECT_EQ(barra, 1);
    // Saved on the way out ("yes"): it is kept.
    doc.respuestas.push_back(wxYES);
    doc.OnCerrar();
    EXPECT_TRUE(EnAlmacen("LUIS"));
    EXPECT_FALSE(doc.DameNoGuardada());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(barra, 2);
  }
  // A row that is not there cannot be removed: the notice, and the close goes on.
  {
    CDocComandos doc;
    doc.PonerClave("ANA");
    doc.PonerNoGuardada(true);
    doc.OnCerrar();
    EXPECT_EQ(doc.preguntas, (std::vector<std::string>{std::string(kTextoNoSeBorraDeclaracion)}));
    EXPECT_EQ(barra, 3);
  }
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(ComandosAlmacen, GuardarYPresentar) {
  CGuionMensajes guion;
  int hallazgos = 0;
  SServiciosComandos servicios;
  servicios.mostrarHallazgos = [&](CProg32Doc&) { ++hallazgos; };
  PonerServiciosComandos(servicios);

  CDocComandos doc;
  doc.PonerClave("ANA");
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  doc.PonerNoGuardada(true);
  doc.Modify(true);
  Ordenar(doc, kComandoGuardar);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.DameNoGuardada());

  // Printing a declaration with findings shows them; without, it prints.
  doc.PonerNoGuardada(true);
  doc.resultadoValidar = 0;
  EXPECT_EQ(doc.PresentarBorrador(), 1);
  EXPECT_EQ(hallazgos, 1);
  EXPECT_FALSE(doc.DameNoGuardada());  // printing saved it: it is a kept declaration now
  doc.resultadoValidar = 1;
  doc.registro.clear();
  EXPECT_EQ(doc.PresentarBorrador(), 1);
  EXPECT_EQ(doc.registro, (std::vector<std::string>{"validar", "imprimir"}));
  EXPECT_EQ(hallazgos, 1);
  EXPECT_TRUE(guion.Codigos().empty());
}

}  // namespace
}  // namespace marco
