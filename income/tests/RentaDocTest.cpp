// The income-tax document against a store made from the real DatosDec schema: loading and refusing the data area,
// saving it back, the recalculation, the persons, the page lists of both forms and the person and form commands.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/docview.h>

#include <atomic>
#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DeclaracionEjemplo.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/DocumentoServicios.h"
#include "framework/Imagen.h"
#include "framework/MensajeGuion.h"
#include "framework/Pista.h"
#include "framework/ServiciosAplicacion.h"
#include "income/RentaComandos.h"
#include "income/RentaDoc.h"
#include "platform/Registros.h"
#include "platform/TablaTexto.h"
#include "recalculo/Recalculo.h"

namespace fs = std::filesystem;
using namespace renta;

namespace pruebasrenta {

// A view that records the hints it receives.
class CVistaPista : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* pista) override { pistas.push_back(marco::CodigoPista(pista)); }
  std::vector<int> pistas;
  wxDECLARE_DYNAMIC_CLASS(CVistaPista);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVistaPista, wxView);

}  // namespace pruebasrenta

namespace {

using pruebasrenta::CVistaPista;

// The document with the pages it is asked to show recorded instead of opened (the page views are tested with
// their pages), a composition of identification texts and the family-data edit counted.
class CRentaDocPrueba : public CRentaDoc {
 public:
  int MostrarPagina(wxClassInfo* clase, int argumento, int recursoMarco) override {
    paginasMostradas.push_back(DamePaginaActual());
    recursos.push_back(recursoMarco);
    (void)clase;
    (void)argumento;
    return 1;
  }
  std::vector<int> paginasMostradas;
  std::vector<int> recursos;
  int edicionesFamilia = 0;
  bool compone = false;

 protected:
  void EditarRegDatosFamilia() override { ++edicionesFamilia; }
  std::optional<std::string> Identificacion(std::string_view nif, int persona) override {
    if (!compone) return std::nullopt;
    return "Ref.: " + std::string(nif) + "." + std::to_string(persona);
  }
  std::optional<std::string> NumeroReferencia() override {
    if (!compone) return std::nullopt;
    return "10090000001 5";
  }
};

std::string LeerFichero(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string Rellena(std::string texto, std::size_t ancho) {
  texto.resize(ancho, ' ');
  return texto;
}

// The sample declaration of a joint family with one child's data, as stored.
DatosRenta Ejemplo() {
  DatosRenta d;
  recalculo::ejemplo::RellenaDeclaracion(d);
  return d;
}

class RentaDocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-renta-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");

    const std::string esquema = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "DatosDec.txt");
    ASSERT_FALSE(esquema.empty());
    plataforma::CFuenteTabla fuente;
    std::string error;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(
        esquema + "ANA|1|e|0||\nPEPE|2|e|1||\nCORTA|1|e|1||\nLARGA|1|e|1||\nNUEVA|0|e|0||\nVACIA|1|e|1||\n",
        fuente, error))
        << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, DatosDec(), error)) << error;

    const DatosRenta ejemplo = Ejemplo();
    const std::string bloque(reinterpret_cast<const char*>(&ejemplo), sizeof ejemplo);
    EscribirDatos("ANA", bloque);
    DatosRenta soltero{};
    soltero.Identificacion.octetos[100] = 7;
    EscribirDatos("PEPE", std::string(reinterpret_cast<const char*>(&soltero), sizeof soltero));
    EscribirDatos("CORTA", bloque.substr(0, sizeof ejemplo - 1));
    EscribirDatos("LARGA", bloque + '\0');

    std::error_code ec;
    for (const auto& entrada : fs::directory_iterator(KORVELIX_DATOS_LOCAL, ec)) {
      if (entrada.path().filename().string().rfind("ERRORES", 0) == 0) {
        fs::copy_file(entrada.path(), m_dir / "local" / entrada.path().filename(), ec);
      }
    }
    ASSERT_EQ(marco::AbrirBasesDatos((m_dir / "red").string(), (m_dir / "local").string()), 1);
    marco::PonerIdiomaV("c");
    marco::PonerLetraEstadoPrograma('\0');
    marco::PonerRecomponerIdentificacion(false);
  }

  void TearDown() override {
    marco::CerrarBasesDatos();
    marco::PonerIdiomaV("e");
    marco::PonerMonedaEnUso(marco::kMonedaPesetas);
    marco::PonerLetraEstadoPrograma('\0');
    marco::PonerRecomponerIdentificacion(false);
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  fs::path DatosDec() const { return m_dir / "red" / "DatosDec.DBF"; }

  std::unique_ptr<plataforma::CTablaRegistros> Fila(const std::string& clave) {
    auto t = plataforma::CTablaRegistros::Abrir(DatosDec());
    t->OcultarBorrados(true);
    t->PonerOrden(t->NumeroOrden("CLAVE"));
    EXPECT_TRUE(t->Buscar(Rellena(clave, 50)) && t->Encontrado()) << clave;
    return t;
  }

  void EscribirDatos(const std::string& clave, const std::string& datos) {
    auto t = Fila(clave);
    ASSERT_EQ(t->EscribirBinario("datos", datos), static_cast<long>(datos.size()));
  }

  std::string DatosGuardados(const std::string& clave) {
    auto t = Fila(clave);
    std::string datos(static_cast<std::size_t>(std::max(0L, t->LongitudBinario("datos"))), '\0');
    t->LeerBinario("datos", datos);
    return datos;
  }

  static std::string Bytes(const DatosRenta& d) { return std::string(reinterpret_cast<const char*>(&d), sizeof d); }

  fs::path m_dir;
};

void BorrarVistas(wxDocument& doc) {
  while (wxView* vista = doc.GetFirstView()) delete vista;
}

TEST_F(RentaDocTest, ConstruidoVacio) {
  CRentaDoc doc;
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);
  EXPECT_EQ(doc.DamePaginaActual(), -1);
  EXPECT_FALSE(doc.DamePaginaMostrada());
  for (std::int32_t p : doc.SujetosPresentes()) EXPECT_EQ(p, 0);
  EXPECT_EQ(Bytes(doc.Datos()), std::string(sizeof(DatosRenta), '\0'));
  // The rest of the program sees this document's person shown.
  EXPECT_EQ(marco::DameSujetoActual(), marco::kSujetoDeclarante);
  EXPECT_EQ(marco::HayConyugeOHijo(), 0);
  EXPECT_EQ(ClaseDocumentoRenta(), wxCLASSINFO(CRentaDoc));
  const std::unique_ptr<wxObject> creado(ClaseDocumentoRenta()->CreateObject());
  EXPECT_NE(dynamic_cast<CRentaDoc*>(creado.get()), nullptr);
}

TEST_F(RentaDocTest, CargaElBloqueGuardadoYLaMoneda) {
  marco::CGuionMensajes guion;
  marco::PonerMonedaEnUso(marco::kMonedaPesetas);
  CRentaDoc doc;
  doc.PonerClave("ANA");
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  EXPECT_EQ(Bytes(doc.Datos()), Bytes(Ejemplo()));
  EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecSimplificada);
  EXPECT_EQ(doc.DameEstado(), marco::kEstadoBloqueada);
  EXPECT_EQ(marco::MonedaEnUso(), marco::kMonedaEuros);  // "0" euros
  EXPECT_TRUE(marco::AvisoDesbordeArmado());
  EXPECT_EQ(doc.Validador().DameClave(), "ANA");
  EXPECT_TRUE(guion.Codigos().empty());

  CRentaDoc pesetas;
  pesetas.PonerClave("PEPE");
  ASSERT_EQ(pesetas.CargarDeclaracion(), 1);
  EXPECT_EQ(marco::MonedaEnUso(), marco::kMonedaPesetas);
}

TEST_F(RentaDocTest, UnBloqueDeOtraLongitudSeRechaza) {
  // One byte short, one byte long, nothing stored.
  for (const char* clave : {"CORTA", "LARGA", "VACIA"}) {
    marco::CGuionMensajes guion;
    CRentaDoc doc;
    std::memset(&doc.Datos(), 0x5A, sizeof(DatosRenta));
    doc.PonerClave(clave);
    EXPECT_EQ(doc.CargarDeclaracion(), 0) << clave;
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN023"}) << clave;
    // Nothing of the stored value is taken, and the row is let go.
    EXPECT_EQ(Bytes(doc.Datos()), std::string(sizeof(DatosRenta), '\x5A')) << clave;
    EXPECT_EQ(doc.DameEstado(), '\0') << clave;
    EXPECT_EQ(marco::LetraEstadoPrograma(), '\0') << clave;
  }
  // A missing row is told once.
  marco::CGuionMensajes guion;
  CRentaDocPrueba doc;
  EXPECT_EQ(doc.NuevaDeclaracion("JUAN", 0, 0), 0);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN023"});
  EXPECT_TRUE(doc.ListaPaginas().empty());
}

TEST_F(RentaDocTest, UnImporteQueNoEsUnNumeroSeRechaza) {
  const DatosRenta ejemplo = Ejemplo();
  for (const double malo : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    std::string bloque(reinterpret_cast<const char*>(&ejemplo), sizeof ejemplo);
    std::memcpy(bloque.data() + 54472, &malo, sizeof malo);  // the first word of the results
    EscribirDatos("ANA", bloque);
    marco::CGuionMensajes guion;
    CRentaDoc doc;
    std::memset(&doc.Datos(), 0x5A, sizeof(DatosRenta));
    doc.PonerClave("ANA");
    EXPECT_EQ(doc.CargarDeclaracion(), 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"ALM004"});
    // Nothing of the stored area is taken, and the row is let go.
    EXPECT_EQ(Bytes(doc.Datos()), std::string(sizeof(DatosRenta), '\x5A'));
    EXPECT_EQ(doc.DameEstado(), '\0');
  }
}

TEST_F(RentaDocTest, GuardarYVolverACargar) {
  marco::CGuionMensajes guion;
  std::string guardado;
  {
    CRentaDoc doc;
    doc.PonerClave("PEPE");
    ASSERT_EQ(doc.CargarDeclaracion(), 1);
    recalculo::ejemplo::Double(doc.Datos().RendTrabajo, 40 + 8, 1234567.0);
    doc.Modify(true);
    EXPECT_EQ(doc.Guardar(), 1);
    EXPECT_FALSE(doc.IsModified());
    guardado = Bytes(doc.Datos());
  }
  EXPECT_EQ(DatosGuardados("PEPE"), guardado);
  auto fila = Fila("PEPE");
  EXPECT_EQ(fila->LeerEntero("tipodec"), 2);
  EXPECT_EQ(fila->LeerTexto("idioma"), "c");
  EXPECT_EQ(fila->LeerTexto("clave"), Rellena("PEPE", 50));
  EXPECT_EQ(fila->LeerTexto("moneda"), "1");  // not the document's to write

  CRentaDoc otra;
  otra.PonerClave("PEPE");
  ASSERT_EQ(otra.CargarDeclaracion(), 1);
  EXPECT_EQ(Bytes(otra.Datos()), guardado);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(RentaDocTest, GuardarSinFilaNoDaPorGuardado) {
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  doc.PonerClave("PEPE");
  ASSERT_EQ(doc.CargarDeclaracion(), 1);
  ASSERT_TRUE(Fila("PEPE")->Borrar());
  doc.Modify(true);
  EXPECT_EQ(doc.Guardar(), 0);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(guion.Veces("WIN023"), 1);
}

TEST_F(RentaDocTest, RecalculoIgualQueElOrdenDeLaBiblioteca) {
  CRentaDoc doc;
  auto* vista = new CVistaPista;
  vista->SetDocument(&doc);
  doc.Datos() = Ejemplo();
  recalculo::ejemplo::Double(doc.Datos().RendTrabajo, 40 + 8, 5100000.0);  // a value set on a page
  DatosRenta copia = doc.Datos();
  std::array<double, 5> importes{};
  recalculo::RecalcularRenta(copia, importes);
  EXPECT_NE(Bytes(copia), Bytes(doc.Datos()));  // the sample has something to compute

  EXPECT_EQ(doc.Calcular(), 1);
  EXPECT_EQ(Bytes(doc.Datos()), Bytes(copia));
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(doc.TrabajoM4()[i], importes[i]) << i;
  EXPECT_EQ(vista->pistas, std::vector<int>{marco::kPistaValores});
  // Again with nothing changed: the same bytes, and the views still redraw.
  EXPECT_EQ(doc.Calcular(), 1);
  EXPECT_EQ(Bytes(doc.Datos()), Bytes(copia));
  EXPECT_EQ(vista->pistas.size(), 2u);
  EXPECT_FALSE(doc.IsModified());
  BorrarVistas(doc);

  // An empty declaration goes through the whole order as well.
  CRentaDoc vacia;
  DatosRenta cero{};
  std::array<double, 5> importesCero{};
  recalculo::RecalcularRenta(cero, importesCero);
  vacia.Calcular();
  EXPECT_EQ(Bytes(vacia.Datos()), Bytes(cero));
}

TEST_F(RentaDocTest, DeclaracionGuardadaAbreSuFormularioYSusPersonas) {
  marco::CGuionMensajes guion;
  {
    // A joint declaration: the spouse is present and the family unit is shown.
    CRentaDocPrueba doc;
    ASSERT_EQ(doc.NuevaDeclaracion("ANA", 0, 0), 1);
    EXPECT_EQ(doc.SujetosPresentes()[0], 1);
    EXPECT_EQ(doc.SujetosPresentes()[2], 1);
    EXPECT_EQ(doc.SujetosPresentes()[3], 0);
    EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoUnidadFamiliar);
    EXPECT_EQ(doc.DameVistaUnidadFamiliar(), 1);
    EXPECT_EQ(marco::DameSujetoActual(), marco::kSujetoUnidadFamiliar);
    EXPECT_EQ(marco::HayConyugeOHijo(), 1);
    // D-101: eight pages, the last one ORD017 at index 7; the first is shown in the income-tax frame.
    EXPECT_EQ(doc.ListaPaginas().size(), 8u);
    EXPECT_EQ(doc.DameUltimaPagina(), 7);
    EXPECT_EQ(doc.paginasMostradas, std::vector<int>{0});
    EXPECT_EQ(doc.recursos, std::vector<int>{kRecursoMarcoRenta});
    EXPECT_TRUE(doc.DamePaginaMostrada());
    doc.NavegarPagina(marco::kNavegarUltima);
    EXPECT_EQ(doc.DamePaginaActual(), 7);
    doc.NavegarPagina(marco::kNavegarSiguiente);
    EXPECT_EQ(doc.DamePaginaActual(), 7);
    doc.NavegarPagina(9);
    EXPECT_EQ(doc.DamePaginaActual(), 7);
    doc.NavegarPagina(8);
    EXPECT_EQ(doc.DamePaginaActual(), 7);
    EXPECT_EQ(doc.edicionesFamilia, 0);
    EXPECT_FALSE(doc.IsModified());
  }
  // Nobody publishes once the document is gone.
  EXPECT_EQ(marco::DameSujetoActual(), 0);
  {
    // A single declarant of D-100: seventeen pages, last index 16.
    CRentaDocPrueba doc;
    ASSERT_EQ(doc.NuevaDeclaracion("PEPE", 0, 0), 1);
    EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecOrdinaria);
    EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoDeclarante);
    EXPECT_EQ(doc.DameVistaUnidadFamiliar(), 0);
    EXPECT_EQ(marco::HayConyugeOHijo(), 0);
    EXPECT_EQ(doc.ListaPaginas().size(), 17u);
    EXPECT_EQ(doc.DameUltimaPagina(), 16);
    doc.NavegarPagina(marco::kNavegarUltima);
    EXPECT_EQ(doc.DamePaginaActual(), 16);
    doc.NavegarPagina(marco::kNavegarAnterior);
    EXPECT_EQ(doc.DamePaginaActual(), 15);
    doc.NavegarPagina(17);
    EXPECT_EQ(doc.DamePaginaActual(), 16);
  }
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(RentaDocTest, DeclaracionNuevaSeGuardaConTipoCeroYEmpiezaComoSimplificada) {
  marco::CGuionMensajes guion;
  CRentaDocPrueba doc;
  ASSERT_EQ(doc.NuevaDeclaracion("NUEVA", 0, 1), 1);
  EXPECT_EQ(Fila("NUEVA")->LeerEntero("tipodec"), 0);
  EXPECT_EQ(DatosGuardados("NUEVA").size(), sizeof(DatosRenta));
  EXPECT_EQ(doc.edicionesFamilia, 1);
  EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecSimplificada);
  EXPECT_TRUE(doc.IsModified());  // the form chosen is not stored yet
  EXPECT_FALSE(doc.DameNoGuardada());
  EXPECT_EQ(doc.ListaPaginas().size(), 8u);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(RentaDocTest, CambioDeFormulario) {
  marco::CGuionMensajes guion;
  CRentaDocPrueba doc;
  ASSERT_EQ(doc.NuevaDeclaracion("ANA", 0, 0), 1);
  // The sample declaration has data of every section, those only the ordinary form has among them; the family
  // data alone are carried by either form.
  EXPECT_FALSE(doc.AdmiteModelo(marco::kTipoDecSimplificada));
  EXPECT_NE(doc.PaginaSoloOrdinaria(), 0);
  const RegDatosFamilia familia = doc.Datos().DatosFamilia;
  doc.Datos() = DatosRenta{};
  doc.Datos().DatosFamilia = familia;
  doc.OnOrdinaria();
  EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecOrdinaria);
  EXPECT_EQ(doc.ListaPaginas().size(), 17u);
  EXPECT_EQ(doc.DamePaginaActual(), 0);
  EXPECT_TRUE(doc.IsModified());
  // Back to D-101 while nobody needs the ordinary form.
  EXPECT_TRUE(doc.AdmiteModelo(marco::kTipoDecSimplificada));
  doc.OnSimplificada();
  EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecSimplificada);
  EXPECT_EQ(doc.ListaPaginas().size(), 8u);
  // A present spouse with section M4 amounts needs D-100.
  doc.OnOrdinaria();
  doc.TrabajoM4()[marco::kSujetoConyuge - 1] = 15000.0;
  EXPECT_EQ(doc.ModeloNecesario(marco::kSujetoConyuge), 2);
  EXPECT_FALSE(doc.AdmiteModelo(marco::kTipoDecSimplificada));
  EXPECT_TRUE(doc.AdmiteModelo(marco::kTipoDecOrdinaria));
  doc.TrabajoM4()[marco::kSujetoConyuge - 1] = 0.0;
  // An activity by modules of the spouse is entered on page 5 of D-100 only: the switch to D-101 is refused with
  // the message that names the page, and nothing changes.
  unsigned char* modulos = doc.Datos().ApartadoD4.octetos;
  std::memcpy(modulos, "A6721", 5);
  modulos[24] = marco::kSujetoConyuge;
  doc.Modify(false);
  EXPECT_FALSE(doc.OnSimplificada());
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{std::string(kMensajeSoloOrdinaria)});
  ASSERT_EQ(guion.Mensajes().size(), 1u);
  EXPECT_EQ(guion.Mensajes()[0].extra, "5");
  EXPECT_NE(guion.Mensajes()[0].texto.find("5"), std::string::npos) << guion.Mensajes()[0].texto;
  EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecOrdinaria);
  EXPECT_EQ(doc.ListaPaginas().size(), 17u);
  // An activity without its member is nobody's.
  modulos[24] = 0;
  EXPECT_TRUE(doc.AdmiteModelo(marco::kTipoDecSimplificada));
  std::memset(modulos, 0, 32);
  // Both forms are offered; the one in use is ticked.
  wxUpdateUIEvent estado(marco::ComandoAWx(kComandoSimplificada));
  doc.ProcessEvent(estado);
  EXPECT_TRUE(estado.GetEnabled());
  EXPECT_FALSE(estado.GetChecked());
  // The menu's entries carry the ids of the window boundary.
  wxCommandEvent menu(wxEVT_MENU, marco::ComandoAWx(kComandoOrdinaria));
  doc.ProcessEvent(menu);
  EXPECT_EQ(doc.DameTipoDec(), marco::kTipoDecOrdinaria);
  wxUpdateUIEvent marca(marco::ComandoAWx(kComandoOrdinaria));
  doc.ProcessEvent(marca);
  EXPECT_TRUE(marca.GetChecked());

  // The shell hears of every change of form, so that the section tree shows the form's pages.
  const marco::SServiciosComandos antes = marco::ServiciosComandos();
  std::vector<int> avisos;
  marco::SServiciosComandos servicios = antes;
  servicios.formularioCambiado = [&avisos](int tipoDec) { avisos.push_back(tipoDec); };
  marco::PonerServiciosComandos(servicios);
  doc.OnSimplificada();
  doc.OnOrdinaria();
  marco::PonerServiciosComandos(antes);
  EXPECT_EQ(avisos, (std::vector<int>{marco::kTipoDecSimplificada, marco::kTipoDecOrdinaria}));
}

TEST_F(RentaDocTest, OrdenesDePersona) {
  CRentaDoc doc;
  doc.Datos().DatosFamilia.octetos[1] = 1;  // children, no spouse
  doc.ActualizarSujetos();
  auto* vista = new CVistaPista;
  vista->SetDocument(&doc);

  doc.SeleccionarSujeto(marco::kSujetoHijo2);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoHijo2);
  EXPECT_EQ(doc.DameVistaUnidadFamiliar(), 0);
  EXPECT_EQ(vista->pistas, (std::vector<int>{marco::kPistaSujeto, marco::kPistaSujeto, marco::kPistaValores}));
  doc.SeleccionarSujeto(marco::kSujetoUnidadFamiliar);
  EXPECT_EQ(doc.DameVistaUnidadFamiliar(), 1);

  // Through the menu, whose entries (and tools and accelerators) carry the ids of the window boundary: an absent
  // spouse is not offered and not shown.
  wxUpdateUIEvent estado(marco::ComandoAWx(kComandoConyuge));
  doc.ProcessEvent(estado);
  EXPECT_FALSE(estado.GetEnabled());
  wxCommandEvent conyuge(wxEVT_MENU, marco::ComandoAWx(kComandoConyuge));
  doc.ProcessEvent(conyuge);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoUnidadFamiliar);
  wxCommandEvent hijo(wxEVT_MENU, marco::ComandoAWx(kComandoHijo1));
  doc.ProcessEvent(hijo);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoHijo1);
  EXPECT_EQ(marco::DameSujetoActual(), marco::kSujetoHijo1);
  // Every id differs from the program's own number (menus take no id from 0x7FFF on).
  EXPECT_NE(marco::ComandoAWx(kComandoHijo1), kComandoHijo1);
  wxUpdateUIEvent marcado(marco::ComandoAWx(kComandoHijo1));
  doc.ProcessEvent(marcado);
  EXPECT_TRUE(marcado.GetEnabled());
  EXPECT_TRUE(marcado.GetChecked());
  BorrarVistas(doc);
}

TEST_F(RentaDocTest, MarcaYCabeceraDeLaPersonaMostrada) {
  CRentaDoc doc;
  doc.PonerSujetoActual(marco::kSujetoConyuge);
  doc.PonMarcaSujeto(1);
  EXPECT_EQ(doc.Datos().Identificacion.octetos[2], 1);
  EXPECT_EQ(doc.DameMarcaSujeto(), 1);
  doc.PonerSujetoActual(marco::kSujetoDeclarante);
  EXPECT_EQ(doc.DameMarcaSujeto(), 0);
  doc.PonerSujetoActual(0);
  doc.PonMarcaSujeto(1);
  EXPECT_EQ(doc.DameMarcaSujeto(), 0);

  std::memcpy(doc.Datos().Identificacion.octetos + kDespNif + 9 * 2, "12345678Z", 9);
  std::memcpy(doc.Datos().Identificacion.octetos + kDespNombre1 + 15 * 2, "GARCIA LOPEZ   ", 15);
  std::memcpy(doc.Datos().Identificacion.octetos + kDespNombre2 + 15 * 2, "ANA", 3);
  doc.PonerSujetoActual(marco::kSujetoConyuge);
  doc.RellenarCabecera();
  EXPECT_STREQ(doc.NifDeclarante(), "12345678Z");
  EXPECT_STREQ(doc.TextoCabecera1(), "GARCIA LOPEZ ANA");
  // No person shown: the header stays.
  doc.PonerSujetoActual(7);
  doc.RellenarCabecera();
  EXPECT_STREQ(doc.NifDeclarante(), "12345678Z");
}

TEST_F(RentaDocTest, GuardarRefrescaLaIdentificacionYAvisaDeLaMarca) {
  marco::CGuionMensajes guion;
  CRentaDocPrueba doc;
  ASSERT_EQ(doc.NuevaDeclaracion("PEPE", 0, 0), 1);
  doc.compone = true;
  std::memcpy(doc.Datos().Identificacion.octetos + kDespNif + 9, "11111111H", 9);
  doc.PonMarcaSujeto(1);  // the declarant, shown, was printed
  marco::PonerRecomponerIdentificacion(true);
  EXPECT_EQ(doc.Guardar(), 1);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN060"});
  EXPECT_FALSE(marco::RecomponerIdentificacion());
  EXPECT_EQ(doc.DameMarcaSujeto(), 0);
  const std::string guardado = DatosGuardados("PEPE");
  ASSERT_EQ(guardado.size(), sizeof(DatosRenta));
  const std::size_t identificacion = offsetof(DatosRenta, Identificacion);
  EXPECT_EQ(guardado.substr(identificacion + kDespIdentificacion + 60, 20), Rellena("Ref.: 11111111H.2", 20));
  EXPECT_EQ(guardado.substr(identificacion + kDespReferencia + 20 * 4, 20), Rellena("10090000001 5", 20));
  EXPECT_EQ(guardado[identificacion + 1], 0);  // the mark is stored cleared

  // A second save finds the texts there: no refresh, no warning.
  doc.PonMarcaSujeto(1);
  EXPECT_EQ(doc.Guardar(), 1);
  EXPECT_EQ(guion.Veces("WIN060"), 1);
  EXPECT_EQ(doc.DameMarcaSujeto(), 1);
}

}  // namespace
