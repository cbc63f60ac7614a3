// The base declaration document: loading, locking and saving the stored row, the page catalogue, page views and
// update hints, and the schemas of the network database's tables.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <wx/docview.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
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
#include "platform/Registros.h"
#include "platform/TablaTexto.h"
#include "platform/Texto.h"
#include "ProcesoAyudante.h"
#include "PruebasWx.h"

namespace fs = std::filesystem;
using namespace marco;

namespace pruebasdoc {

// Views that only record the hints they receive.
class CVistaPrueba : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* pista) override { pistas.push_back(CodigoPista(pista)); }
  std::vector<int> pistas;
  wxDECLARE_DYNAMIC_CLASS(CVistaPrueba);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaPrueba, wxView);

class CVistaPrueba2 : public CVistaPrueba {
  wxDECLARE_DYNAMIC_CLASS(CVistaPrueba2);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaPrueba2, CVistaPrueba);

// A view whose frame cannot be made.
class CVistaFallida : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  bool OnCreate(wxDocument*, long) override { return false; }
  wxDECLARE_DYNAMIC_CLASS(CVistaFallida);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaFallida, wxView);

}  // namespace pruebasdoc

namespace {

using pruebasdoc::CVistaFallida;
using pruebasdoc::CVistaPrueba;
using pruebasdoc::CVistaPrueba2;

std::string LeerFichero(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void CrearTabla(const std::string& texto, const fs::path& fichero) {
  plataforma::CFuenteTabla fuente;
  std::string error;
  ASSERT_TRUE(plataforma::LeeFuenteTabla(texto, fuente, error)) << error;
  ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, fichero, error)) << error;
}

std::string Rellena(std::string texto, std::size_t ancho) {
  texto.resize(ancho, ' ');
  return texto;
}

// The record engine's helper in a second process: it holds a lock until it is told to go.
class CSegundoProceso {
 public:
  CSegundoProceso(const std::string& orden, const fs::path& tabla, long registro) {
    int entrada[2];
    int salida[2];
    if (::pipe(entrada) != 0 || ::pipe(salida) != 0) return;
    const std::string numero = std::to_string(registro);
    m_pid = ::fork();
    if (m_pid == 0) {
      ::dup2(entrada[0], 0);
      ::dup2(salida[1], 1);
      ::close(entrada[1]);
      ::close(salida[0]);
      ::execl(KORVELIX_AYUDANTE_REGISTROS, KORVELIX_AYUDANTE_REGISTROS, orden.c_str(), tabla.c_str(), numero.c_str(),
              static_cast<char*>(nullptr));
      ::_exit(3);
    }
    ::close(entrada[0]);
    ::close(salida[1]);
    m_entrada = entrada[1];
    m_salida = ::fdopen(salida[0], "r");
    char linea[32] = {};
    if (m_salida != nullptr && std::fgets(linea, sizeof linea, m_salida) != nullptr) m_respuesta = linea;
    while (!m_respuesta.empty() && (m_respuesta.back() == '\n' || m_respuesta.back() == '\r')) m_respuesta.pop_back();
  }
  ~CSegundoProceso() {
    if (m_entrada >= 0) ::close(m_entrada);
    if (m_salida != nullptr) std::fclose(m_salida);
    if (m_pid > 0) ::waitpid(m_pid, nullptr, 0);
  }
  CSegundoProceso(const CSegundoProceso&) = delete;
  CSegundoProceso& operator=(const CSegundoProceso&) = delete;
  // "LISTO" when it got the lock, "FALLO" when it did not.
  const std::string& Respuesta() const { return m_respuesta; }

 private:
  pid_t m_pid = -1;
  int m_entrada = -1;
  FILE* m_salida = nullptr;
  std::string m_respuesta;
};

// Whether another process can lock the record now.
std::string OtroProcesoBloquea(const fs::path& tabla, long registro) {
  return CSegundoProceso("bloquear", tabla, registro).Respuesta();
}

void BorrarVistas(wxDocument& doc) {
  while (wxView* vista = doc.GetFirstView()) delete vista;
}

// Two databases in a folder of their own: the network one with a DatosDec made from the real schema and three
// declarations, the local one with a small page catalogue, its Catalan twin and the message tables.
class DocumentoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-doc-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");

    const std::string esquema = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "DatosDec.txt");
    ASSERT_FALSE(esquema.empty());
    CrearTabla(esquema + "ANA|1|e|0||\nPEPE|2|e|1||00ff\nPEPEX|3|e|1||\n", DatosDec());

    CrearTabla("TABLA Paginasx\nCAMPO IndiceFich C 4\nCAMPO TipoDec N 2 0\nCAMPO NumCuadros N 4 0\n"
               "CAMPO FicheroWMF C 60\nETIQUETA CLAVE IndiceFich\nFILAS\n"
               "  13|1|40|SIM0013x.WMF\n 130|1|5|AB\n 222|2|45|ORD0222x.WMF\n 500|2|1|ORD0500x.WMF\n",
               m_dir / "local" / "Paginasx.DBF");
    CrearTabla("TABLA Paginasc\nCAMPO IndiceFich C 4\nCAMPO TituloPagi C 50\nETIQUETA CLAVE IndiceFich\nFILAS\n"
               "  13|Dades personals\n 130|Curta\n 222|Pàgina 2 de l'ordinària\n",
               m_dir / "local" / "Paginasc.DBF");
    // The message tables the build made, so that the coded messages are looked up as in the program.
    marco::pruebas::CopiarTablasMensajes(m_dir / "local");
    ASSERT_EQ(AbrirBasesDatos((m_dir / "red").string(), (m_dir / "local").string()), 1);
    PonerIdiomaV("e");
    PonerDirBase("/d/");
    PonerLetraEstadoPrograma('\0');
  }

  void TearDown() override {
    CerrarBasesDatos();
    PonerIdiomaV("e");
    PonerDirBase("");
    PonerLetraEstadoPrograma('\0');
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  fs::path DatosDec() const { return m_dir / "red" / "DatosDec.DBF"; }

  // The record number of a declaration in the store, 0 when it is not there (or deleted).
  long RegistroDe(const std::string& clave) {
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    t->OcultarBorrados(true);
    t->PonerOrden(t->NumeroOrden("CLAVE"));
    return t->Buscar(Rellena(clave, 50)) && t->Encontrado() ? t->NumeroRegistro() : 0;
  }

  fs::path m_dir;
};

TEST_F(DocumentoTest, ConstruccionEInicializacion) {
  PonerZoomTexto("1,25");
  CProg32Doc doc;
  PonerZoomTexto("");
  EXPECT_EQ(doc.DameTipoDec(), kTipoDecSimplificada);
  EXPECT_EQ(doc.DameClave(), "");
  EXPECT_EQ(doc.DameEstado(), '\0');
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  EXPECT_EQ(doc.DameUltimaPagina(), 0);
  EXPECT_FALSE(doc.DameNoGuardada());
  EXPECT_TRUE(doc.DameRecalcular());
  EXPECT_DOUBLE_EQ(doc.DameZoom(), 1.25);
  EXPECT_EQ(doc.TablaDatosDec().EstaAbierta(), 0);

  doc.PonerPalabraEstado(7);
  doc.Valores().fill(9);
  doc.InicializarDatos();
  EXPECT_EQ(doc.DameEjercicioFiscal(), "1999");
  EXPECT_EQ(doc.DamePalabraEstado(), 0);
  for (std::int32_t v : doc.Valores()) EXPECT_EQ(v, 0);

  // The base operations the declaration documents replace.
  EXPECT_EQ(doc.Calcular(1), 0);
  EXPECT_EQ(doc.DameMarcaSujeto(), 0);
  EXPECT_EQ(doc.DevuelveUno(), 1);
  EXPECT_EQ(doc.Validar(0), 1);
  EXPECT_EQ(doc.NuevaDeclaracion("PEPE", 0, 1), 1);
  EXPECT_TRUE(doc.DameNoGuardada());
}

TEST(DocumentoZoom, TextoConfigurado) {
  const struct {
    const char* texto;
    double zoom;
  } casos[] = {{"1.0", 1.0}, {"1.50", 1.5}, {" 0,75 ", 0.75}, {"", 1.0}, {"abc", 1.0}, {"-2", 1.0}, {"0", 1.0}};
  for (const auto& c : casos) {
    PonerZoomTexto(c.texto);
    EXPECT_DOUBLE_EQ(ZoomConfigurado(), c.zoom) << c.texto;
  }
  PonerZoomTexto("");
  EXPECT_EQ(ZoomTexto(), "1.0");
}

TEST_F(DocumentoTest, CargarBloqueaLaFilaHastaQueElDocumentoSeVa) {
  CGuionMensajes guion;
  const long registro = RegistroDe("PEPE");
  ASSERT_GT(registro, 0);
  {
    CProg32Doc doc;
    doc.PonerClave("PEPE");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    EXPECT_EQ(doc.DameTipoDec(), kTipoDecOrdinaria);
    EXPECT_EQ(doc.DameClave(), Rellena("PEPE", 50));  // the key as the store keeps it
    EXPECT_EQ(doc.DameEstado(), kEstadoBloqueada);
    EXPECT_EQ(LetraEstadoPrograma(), kEstadoBloqueada);
    EXPECT_EQ(OtroProcesoBloquea(DatosDec(), registro), "FALLO");
    // Another declaration stays free.
    EXPECT_EQ(OtroProcesoBloquea(DatosDec(), RegistroDe("ANA")), "LISTO");
  }
  EXPECT_EQ(OtroProcesoBloquea(DatosDec(), registro), "LISTO");
  EXPECT_EQ(LetraEstadoPrograma(), '\0');
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(DocumentoTest, CargarUnaClaveQueNoEstaDaWin023) {
  // "PEP" is only the start of stored keys: it is not a declaration of its own.
  for (const char* clave : {"JUAN", "PEP", ""}) {
    CGuionMensajes guion;
    CProg32Doc doc;
    doc.PonerClave(clave);
    EXPECT_EQ(doc.CargarDeclaracion(), 0) << clave;
    EXPECT_EQ(guion.Veces("WIN023"), 1) << clave;
    EXPECT_EQ(doc.DameEstado(), '\0');
    EXPECT_EQ(doc.DameTipoDec(), kTipoDecSimplificada);
    EXPECT_EQ(doc.DameClave(), clave);
    EXPECT_EQ(doc.TablaDatosDec().EstaAbierta(), 0);
  }
}

TEST_F(DocumentoTest, CargarConElTipoMantenidoNoTocaTipoNiClave) {
  CGuionMensajes guion;
  CProg32Doc doc;
  doc.PonerClave("PEPE");
  doc.PonerTipoDec(kTipoDecPatrimonio);
  doc.PonerMantenerTipo(true);
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  EXPECT_EQ(doc.DameTipoDec(), kTipoDecPatrimonio);
  EXPECT_EQ(doc.DameClave(), "PEPE");
  EXPECT_EQ(doc.DameEstado(), kEstadoBloqueada);
}

TEST_F(DocumentoTest, CargarUnaFilaQueOtroUsuarioTieneNoCarga) {
  CSegundoProceso otro("bloquear", DatosDec(), RegistroDe("PEPE"));
  ASSERT_EQ(otro.Respuesta(), "LISTO");
  CGuionMensajes guion({kBotonCancelar});
  CProg32Doc doc;
  doc.PonerClave("PEPE");
  EXPECT_EQ(doc.CargarDeclaracion(), 0);
  EXPECT_EQ(guion.Veces("WIN046"), 1);
  EXPECT_EQ(doc.DameEstado(), '\0');
  EXPECT_EQ(doc.DameTipoDec(), kTipoDecSimplificada);
}

TEST_F(DocumentoTest, GuardarEscribeTipoYClave) {
  CGuionMensajes guion;
  CProg32Doc doc;
  doc.PonerClave("PEPE");
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  doc.PonerTipoDec(kTipoDecSimplificada);
  doc.PonerNoGuardada(true);
  doc.Modify(true);
  EXPECT_EQ(doc.Guardar(), 1);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_FALSE(doc.DameNoGuardada());
  EXPECT_TRUE(guion.Codigos().empty());

  auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
  ASSERT_TRUE(t->IrA(RegistroDe("PEPE")));
  EXPECT_EQ(t->LeerEntero("tipodec"), 1);
  EXPECT_EQ(t->LeerTexto("clave"), Rellena("PEPE", 50));
  EXPECT_EQ(t->LongitudBinario("datos"), 2);  // the data area is the derived documents' business
  // The document still holds its row after the save.
  EXPECT_EQ(OtroProcesoBloquea(DatosDec(), RegistroDe("PEPE")), "FALLO");
}

TEST_F(DocumentoTest, GuardarSinFilaAvisaYSigueModificado) {
  CGuionMensajes guion;
  CProg32Doc doc;
  doc.PonerClave("PEPE");
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  {
    // The row goes while the declaration is open.
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    ASSERT_TRUE(t->IrA(RegistroDe("PEPE")));
    ASSERT_TRUE(t->Borrar());
  }
  doc.PonerNoGuardada(true);
  doc.Modify(true);
  EXPECT_EQ(doc.Guardar(), 0);
  EXPECT_EQ(guion.Veces("WIN023"), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.DameNoGuardada());
}

TEST_F(DocumentoTest, GuardarUnaFilaQueOtroProcesoTieneNoSeDaPorGuardado) {
  // A document that never loaded its row does not hold it: the save locks it for the write, and here it cannot.
  CSegundoProceso otro("bloquear", DatosDec(), RegistroDe("ANA"));
  ASSERT_EQ(otro.Respuesta(), "LISTO");
  CGuionMensajes guion({kBotonCancelar});
  CProg32Doc doc;
  doc.PonerClave("ANA");
  doc.PonerTipoDec(kTipoDecPatrimonio);
  doc.Modify(true);
  EXPECT_EQ(doc.Guardar(), 0);
  EXPECT_EQ(guion.Veces("WIN046"), 1);
  EXPECT_TRUE(doc.IsModified());
  auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
  ASSERT_TRUE(t->IrA(RegistroDe("ANA")));
  EXPECT_EQ(t->LeerEntero("tipodec"), 1);
}

// A declaration document with fields of its own, as the income-tax and wealth-tax ones have.
class CDocConDatos : public CProg32Doc {
 public:
  int GrabarCamposDeclaracion(CTabla& tabla) override {
    const char idioma[2] = {m_cIdioma, '\0'};
    if (tabla.GrabarCampo("idioma", idioma, kCampoTexto, sizeof idioma) == 0) return 0;
    if (m_bFallarDatos) return 0;
    return tabla.GrabarCampo("datos", m_datos.data(), kCampoBinario, static_cast<std::uint16_t>(m_datos.size()));
  }
  char m_cIdioma = 'c';
  bool m_bFallarDatos = false;
  std::string m_datos = std::string(300, 'd');
};

TEST_F(DocumentoTest, GuardarEscribeLaFilaEnteraONada) {
  CGuionMensajes guion;
  {
    CDocConDatos doc;
    doc.PonerClave("PEPE");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    doc.PonerTipoDec(kTipoDecPatrimonio);
    doc.m_bFallarDatos = true;
    doc.Modify(true);
    // The data area cannot be written: type, key and language written before it are not kept either.
    EXPECT_EQ(doc.Guardar(), 0);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN023"}));
    EXPECT_TRUE(doc.IsModified());
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    ASSERT_TRUE(t->IrA(RegistroDe("PEPE")));
    EXPECT_EQ(t->LeerEntero("tipodec"), 2);
    EXPECT_EQ(t->LeerTexto("idioma"), "e");
    EXPECT_EQ(t->LongitudBinario("datos"), 2);

    doc.m_bFallarDatos = false;
    EXPECT_EQ(doc.Guardar(), 1);
    ASSERT_TRUE(t->IrA(RegistroDe("PEPE")));
    EXPECT_EQ(t->LeerEntero("tipodec"), 3);
    EXPECT_EQ(t->LeerTexto("idioma"), "c");
    EXPECT_EQ(t->LongitudBinario("datos"), 300);
  }
  EXPECT_EQ(guion.Codigos().size(), 1u);
}

TEST_F(DocumentoTest, GuardarConElAlmacenOcupadoNoDaPorPerdidaLaDeclaracion) {
  const plataforma::COpcionesMotor antes = MotorRegistros().Opciones();
  plataforma::COpcionesMotor breve = antes;
  breve.esperaOcupadoMs = 20;
  MotorRegistros().PonerOpciones(breve);
  {
    CDocConDatos doc;
    doc.PonerClave("PEPE");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    doc.Modify(true);
    // Another user's transaction goes on for longer than a write waits: the user is asked, not told the
    // declaration is missing; trying again once the store is free saves it.
    marco::pruebas::CAyudante otro({"retener", DatosDec().string(), "inmediato"});
    ASSERT_EQ(otro.Linea(), "LISTO");
    CGuionMensajes guion({kBotonCancelar});
    EXPECT_EQ(doc.Guardar(), 0);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM001"}));
    EXPECT_TRUE(doc.IsModified());
    guion.AlMostrar([&](const SMensaje&) { otro.Terminar(); });
    guion.Responder(kBotonAceptar);
    EXPECT_EQ(doc.Guardar(), 1);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM001", "ALM001"}));
    EXPECT_FALSE(doc.IsModified());
  }
  MotorRegistros().PonerOpciones(antes);
  auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
  ASSERT_TRUE(t->IrA(RegistroDe("PEPE")));
  EXPECT_EQ(t->LongitudBinario("datos"), 300);
}

TEST_F(DocumentoTest, LeerPaginaDelCatalogo) {
  PonerIdiomaV("c");
  const struct {
    int pagina;
    int tipoDec;  // of the declaration
    const char* imagen;
    const char* titulo;
    int tipoPagina;
    int cuadros;
  } casos[] = {
      {222, kTipoDecSimplificada, "/d/ORD0122c.WMF", "Pàgina 2 de l'ordinària", 2, 45},
      {222, kTipoDecOrdinaria, "/d/ORD0222c.WMF", "Pàgina 2 de l'ordinària", 2, 45},
      {13, kTipoDecSimplificada, "/d/SIM0013c.WMF", "Dades personals", 1, 40},  // sought as "  13"
      {130, kTipoDecSimplificada, "/d/AB", "Curta", 1, 5},                      // too short to change
  };
  for (const auto& c : casos) {
    CGuionMensajes guion;
    CProg32Doc doc;
    doc.PonerTipoDec(static_cast<std::uint8_t>(c.tipoDec));
    PaginaInfo info;
    ASSERT_EQ(doc.LeerPagina(c.pagina, info), 1) << c.pagina;
    EXPECT_EQ(info.idPagina, c.pagina);
    EXPECT_EQ(info.imagen, c.imagen);
    EXPECT_EQ(info.titulo, plataforma::Utf8ACp1252(c.titulo));
    EXPECT_EQ(info.tipoDec, c.tipoPagina);
    EXPECT_EQ(info.numCuadros, c.cuadros);
    EXPECT_TRUE(guion.Codigos().empty());
  }
}

TEST_F(DocumentoTest, LeerPaginaQueFaltaAvisa) {
  PonerIdiomaV("c");
  const struct {
    int pagina;
    const char* codigo;
  } casos[] = {{14, "WIN013"}, {3, "WIN013"}, {500, "MUES008"}};
  for (const auto& c : casos) {
    CGuionMensajes guion;
    CProg32Doc doc;
    PaginaInfo info;
    info.titulo = "sin tocar";
    EXPECT_EQ(doc.LeerPagina(c.pagina, info), 0) << c.pagina;
    EXPECT_EQ(guion.Veces(c.codigo), 1) << c.pagina;
    EXPECT_EQ(info.titulo, "sin tocar");
  }
}

TEST(DocumentoReglas, ImagenDePagina) {
  const struct {
    const char* fichero;
    const char* clave;
    int tipoDec;
    char idioma;
    const char* nombre;
  } casos[] = {
      {"ORD0222x.WMF", " 222", 1, 'c', "ORD0122c.WMF"},
      {"ORD0222x.WMF   ", " 222", 1, 'e', "ORD0122e.WMF"},
      {"ORD0222x.WMF", " 222", 2, 'g', "ORD0222g.WMF"},
      {"ORD0222x.WMF", " 222", 3, 'v', "ORD0222v.WMF"},
      {"ORD0221x.WMF", " 221", 1, 'c', "ORD0221c.WMF"},
      {"ORD02", " 222", 1, 'c', "ORD01"},
      {"ORD0", " 222", 1, 'c', "ORD0"},
      {"", " 222", 1, 'c', ""},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(NombreImagenPagina(c.fichero, c.clave, c.tipoDec, c.idioma), c.nombre) << c.fichero;
  }
  EXPECT_EQ(RutaImagenPagina("/d/", "A.WMF"), "/d/A.WMF");
  EXPECT_EQ(RutaImagenPagina("/d", "A.WMF"), "/d/A.WMF");
  EXPECT_EQ(RutaImagenPagina("", "A.WMF"), "A.WMF");
  EXPECT_EQ(ClavePagina(13), "  13");
  EXPECT_EQ(ClavePagina(222), " 222");
  EXPECT_EQ(ClavePagina(1001), "1001");
  EXPECT_EQ(ClaveBusquedaDeclaracion("PEPE", 6), "PEPE  ");
  EXPECT_EQ(ClaveBusquedaDeclaracion(std::string_view("PEPEXYZ\0Q", 9), 6), "PEPEXY");
}

TEST(DocumentoReglas, Navegacion) {
  const struct {
    int codigo, actual, ultima, indice;
  } casos[] = {
      {1, 5, 7, 0},   {80, 2, 7, 3}, {80, 7, 7, 7}, {90, 2, 7, 1}, {90, 0, 7, 0}, {99, 2, 7, 7},
      {4, 0, 7, 3},   {8, 0, 7, 7},  {9, 2, 7, 2},  {0, 2, 7, 2},  {-3, 2, 7, 2}, {80, -1, 7, 0},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(IndiceNavegacion(c.codigo, c.actual, c.ultima), c.indice) << c.codigo << " " << c.actual;
  }
}

TEST(DocumentoReglas, NavegacionSobreLasPaginasQueHay) {
  // Pages 1, 2 and 6 of eight are missing (index 0, 1 and 5).
  const auto hay = [](int i) { return i != 0 && i != 1 && i != 5; };
  const struct {
    int codigo, actual, indice;
  } casos[] = {
      {1, 4, 2},  {80, 4, 6}, {80, 7, 7}, {90, 6, 4}, {90, 2, 2}, {99, 2, 7},
      {5, 2, 4},  {6, 2, 2},  {1, 2, 2},  {9, 3, 3},  {80, 2, 3},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(IndiceNavegacion(c.codigo, c.actual, 7, hay), c.indice) << c.codigo << " " << c.actual;
  }
  // With every page there it is the plain rule.
  const auto todas = [](int) { return true; };
  for (const int codigo : {1, 80, 90, 99, 3, 12}) {
    EXPECT_EQ(IndiceNavegacion(codigo, 2, 7, todas), IndiceNavegacion(codigo, 2, 7)) << codigo;
  }
}

// A document whose form has two pages.
class CDocDosPaginas : public CProg32Doc {
 public:
  void CrearListaPaginas(int) override {
    PonerListaPaginas({CLASSINFO(CVistaPrueba), CLASSINFO(CVistaPrueba2)});
  }
};

TEST_F(DocumentoTest, PaginasYPistas) {
  CGuionMensajes guion;
  CDocDosPaginas doc;
  EXPECT_EQ(doc.MostrarPagina(nullptr, 0, 0), 0);
  doc.CrearListaPaginas(0);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  EXPECT_EQ(doc.DameUltimaPagina(), 1);

  doc.NavegarPagina(kNavegarUltima);
  EXPECT_EQ(doc.DamePaginaActual(), 1);
  wxView* segunda = doc.BuscarVista(CLASSINFO(CVistaPrueba2));
  ASSERT_NE(segunda, nullptr);
  EXPECT_EQ(doc.BuscarVista(CLASSINFO(CVistaPrueba)), nullptr);  // the exact class, not a base of it

  doc.NavegarPagina(kNavegarPrimera);
  doc.NavegarPagina(kNavegarAnterior);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  ASSERT_NE(doc.BuscarVista(CLASSINFO(CVistaPrueba)), nullptr);
  // Showing a page again reuses its open view.
  doc.NavegarPagina(2);
  EXPECT_EQ(doc.BuscarVista(CLASSINFO(CVistaPrueba2)), segunda);
  EXPECT_EQ(doc.GetViewsVector().size(), 2u);

  doc.ActualizarVistas(kPistaSujeto);
  doc.ActualizarVistas(kPistaValores, segunda);
  doc.UpdateAllViews();
  auto* primera = static_cast<CVistaPrueba*>(doc.BuscarVista(CLASSINFO(CVistaPrueba)));
  EXPECT_EQ(primera->pistas, (std::vector<int>{kPistaSujeto, kPistaValores, kPistaNinguna}));
  EXPECT_EQ(static_cast<CVistaPrueba*>(segunda)->pistas, (std::vector<int>{kPistaSujeto, kPistaNinguna}));

  // A page whose frame cannot be made is reported, and the document and its other views stay.
  EXPECT_EQ(doc.MostrarPagina(CLASSINFO(CVistaFallida), 0, 0), 0);
  EXPECT_EQ(guion.Veces("WIN020"), 1);
  EXPECT_EQ(doc.GetViewsVector().size(), 2u);
  BorrarVistas(doc);
}

// A form of four pages whose second and fourth are not in the program.
class CDocConHuecos : public CProg32Doc {
 public:
  void CrearListaPaginas(int) override {
    PonerListaPaginas({CLASSINFO(CVistaPrueba), nullptr, CLASSINFO(CVistaPrueba2), nullptr});
  }
};

TEST_F(DocumentoTest, LaNavegacionPasaPorEncimaDeLasPaginasQueNoHay) {
  CGuionMensajes guion;
  CDocConHuecos doc;
  doc.CrearListaPaginas(0);
  doc.NavegarPagina(kNavegarSiguiente);
  EXPECT_EQ(doc.DamePaginaActual(), 2);
  EXPECT_NE(doc.BuscarVista(CLASSINFO(CVistaPrueba2)), nullptr);
  // The last page there is, and back over the gap.
  doc.NavegarPagina(kNavegarUltima);
  EXPECT_EQ(doc.DamePaginaActual(), 2);
  doc.NavegarPagina(kNavegarAnterior);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  EXPECT_TRUE(guion.Codigos().empty());
  // A missing page chosen by its number says so once and nothing moves.
  doc.NavegarPagina(2);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{std::string(kMensajePaginaNoDisponible)}));
  BorrarVistas(doc);
}

TEST_F(DocumentoTest, LaLecturaDeUnaPaginaPuedeCallarSuFalta) {
  CGuionMensajes guion;
  CProg32Doc doc;
  PaginaInfo info;
  EXPECT_EQ(doc.LeerPagina(14, info, false), 0);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(doc.LeerPagina(14, info), 0);
  EXPECT_EQ(guion.Veces("WIN013"), 1);
}

TEST_F(DocumentoTest, UnaVistaFallidaNoSeLlevaElDocumento) {
  CGuionMensajes guion;
  CProg32Doc doc;
  EXPECT_EQ(doc.MostrarPagina(CLASSINFO(CVistaFallida), 0, 0), 0);
  EXPECT_EQ(doc.AbrirBorrador(), 0);  // no draft presentation in this program
  EXPECT_EQ(guion.Veces("WIN020"), 2);
  EXPECT_TRUE(doc.GetViewsVector().empty());
  EXPECT_EQ(doc.DameEjercicioFiscal(), "");  // still a live object
}

TEST(DocumentoComandos, ElComandoUnoNoSeAtiende) {
  CProg32Doc doc;
  wxCommandEvent uno(wxEVT_MENU, 1);
  EXPECT_FALSE(doc.ProcessEvent(uno));
  EXPECT_FALSE(AtiendeComando(1));
  EXPECT_TRUE(AtiendeComando(57603));
}

TEST(DocumentoActivo, PrimerDocumentoDeLaPrimeraPlantilla) {
  // The document manager needs the application object.
  REQUIERE_PANTALLA();
  EXPECT_EQ(DameDocumentoActivo(), nullptr);
  wxDocManager gestor;
  auto* plantilla = new wxDocTemplate(&gestor, "Renta", "*.ren", "", "ren", "CProg32Doc", "CVistaPrueba",
                                      CLASSINFO(CProg32Doc), CLASSINFO(CVistaPrueba));
  EXPECT_EQ(DameDocumentoActivo(), nullptr);
  auto suelto = std::make_unique<CProg32Doc>();  // a document of no template does not count
  gestor.AddDocument(suelto.get());
  EXPECT_EQ(DameDocumentoActivo(), nullptr);
  auto doc = std::make_unique<CProg32Doc>();
  doc->SetDocumentTemplate(plantilla);
  gestor.AddDocument(doc.get());
  EXPECT_EQ(DameDocumentoActivo(), doc.get());
  gestor.RemoveDocument(doc.get());
  gestor.RemoveDocument(suelto.get());
  doc.reset();
  suelto.reset();
}

TEST(DocumentoSujetos, PunterosPublicados) {
  EXPECT_EQ(DameSujetoActual(), 0);
  EXPECT_EQ(HayConyugeOHijo(), 0);
  std::int32_t actual = kSujetoConyuge;
  std::int32_t presentes[5] = {0, 1, 0, 0, 0};
  PublicarSujetoActual(&actual);
  PublicarSujetosPresentes(presentes);
  EXPECT_EQ(DameSujetoActual(), kSujetoConyuge);
  EXPECT_EQ(HayConyugeOHijo(), 0);
  presentes[kSujetoHijo1 - 1] = 1;
  EXPECT_EQ(HayConyugeOHijo(), 1);
  presentes[kSujetoHijo1 - 1] = 0;
  presentes[kSujetoConyuge - 1] = 1;
  EXPECT_EQ(HayConyugeOHijo(), 1);
  PublicarSujetoActual(nullptr);
  PublicarSujetosPresentes(nullptr);
  EXPECT_EQ(DameSujetoActual(), 0);
  EXPECT_EQ(HayConyugeOHijo(), 0);
}

// The network database of a new installation, as the build makes it.
TEST(BaseDatosRed, TablasVaciasConSusEsquemas) {
  struct CCampoEsperado {
    const char* nombre;
    char letra;
    int ancho;
  };
  const struct {
    const char* tabla;
    const char* expresion;
    std::vector<CCampoEsperado> campos;
  } casos[] = {
      {"DatosDec", "clave",
       {{"clave", 'C', 50}, {"tipodec", 'N', 3}, {"idioma", 'C', 1}, {"moneda", 'C', 1}, {"liqui311", 'C', 4},
        {"datos", 'B', 0}}},
      {"Corregix", "clave+coderror",
       {{"clave", 'C', 50}, {"coderror", 'C', 7}, {"tipdecla", 'N', 0}, {"vista", 'N', 0}, {"severidad", 'N', 0},
        {"numcontr", 'N', 0}}},
  };
  for (const auto& c : casos) {
    std::string error;
    auto t = plataforma::CTablaRegistros::Abrir(plataforma::RutaTabla(KORVELIX_DATOS_RED, c.tabla), {}, 1, &error);
    ASSERT_TRUE(t) << c.tabla << ": " << error;
    EXPECT_EQ(t->NumeroRegistros(), 0) << c.tabla;
    ASSERT_EQ(t->Campos().size(), c.campos.size()) << c.tabla;
    for (const auto& campo : c.campos) {
      EXPECT_EQ(t->TipoCampo(campo.nombre), campo.letra) << c.tabla << "." << campo.nombre;
      if (campo.ancho > 0) {
        EXPECT_EQ(t->AnchoCampo(campo.nombre), campo.ancho) << c.tabla << "." << campo.nombre;
      }
    }
    const auto etiquetas = t->Etiquetas();
    ASSERT_EQ(etiquetas.size(), 1u) << c.tabla;
    EXPECT_EQ(etiquetas[0].nombre, "CLAVE");
    EXPECT_EQ(etiquetas[0].expresion, c.expresion);
  }
  // A finding's seek key is the declaration key and the code, 57 characters.
  auto t = plataforma::CTablaRegistros::Abrir(plataforma::RutaTabla(KORVELIX_DATOS_RED, "Corregix"));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->AnchoCampo("clave") + t->AnchoCampo("coderror"), 57);
}

}  // namespace
