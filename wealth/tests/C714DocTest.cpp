// The wealth-tax document on a store of its own: loading and refusing stored data areas, saving, the identification
// and reference made at save, the recalculation and the filing checks.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/docview.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Hallazgos.h"
#include "framework/Imagen.h"
#include "framework/MensajeGuion.h"
#include "framework/Pista.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Registros.h"
#include "platform/TablaTexto.h"
#include "recalculo/Recalculo.h"
#include "output/ImpreVista.h"
#include "wealth/C714Doc.h"
#include "wealth/CamposPatrimonio.h"

namespace fs = std::filesystem;
using namespace patrimonio;
using marco::CGuionMensajes;

namespace pruebas714 {

// A view that only records the hints it receives.
class CVistaHints : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* pista) override { pistas.push_back(marco::CodigoPista(pista)); }
  std::vector<int> pistas;
};

}  // namespace pruebas714

namespace {

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

// A filled declaration: personal data, rows of several pages, a deducted amount and both marks.
std::unique_ptr<DatosPatrimonio> DeclaracionEjemplo() {
  auto d = std::make_unique<DatosPatrimonio>();
  std::memset(d.get(), 0, sizeof *d);
  RegPatDatosPersonales& dp = d->PatDatosPersonales;
  EscribeTexto(dp, personales::NumeroReferencia, "714512345678 3");
  EscribeTexto(dp, personales::Identificacion, "Ref.: 12345678.05.01234.6");
  EscribeTexto(dp, personales::Identificacion1, "28");
  EscribeTexto(dp, personales::Identificacion2, "079");
  EscribeTexto(dp, personales::Nif, "12345678Z");
  EscribeTexto(dp, personales::Apellidos, "GARCIA LOPEZ");
  EscribeTexto(dp, personales::Nombre, "ANA");
  EscribeTexto(dp, personales::CodigoPagina1, "001");
  EscribeByte(dp, personales::CalculoCuota.desplazamiento, 'X');
  // Section A: three rows of 72 bytes with their value at 64; section B one row; debts one row.
  EscribeDouble(d->PatA, 64, 60000000.0);
  EscribeDouble(d->PatA, 72 + 64, 25000000.0);
  EscribeDouble(d->PatA, 144 + 64, 12000000.0);
  EscribeDouble(d->PatB, 64, 8000000.0);
  EscribeDouble(d->PatDeudas, 64, 5000000.0);
  EscribeDouble(d->PatDI, di::ImporteDeducido, 20000.0);
  // Bytes the program never reads, so that a round trip shows every byte is kept.
  for (std::size_t i = 1; i < sizeof d->PatAjuste; ++i) d->PatAjuste.octetos[i] = static_cast<unsigned char>(i);
  return d;
}

std::vector<char> Bytes(const DatosPatrimonio& d) {
  const auto* p = reinterpret_cast<const char*>(&d);
  return std::vector<char>(p, p + sizeof d);
}

// A store in a folder of its own: DatosDec and Corregix from their schemas, declarations whose data areas are of
// the right length, too short, too long and empty, and the message tables the build made.
class Documento714Test : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-714-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");

    const std::string esquema = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "DatosDec.txt");
    ASSERT_FALSE(esquema.empty());
    CrearTabla(esquema + "ANA|3|e|0||\nCORTA|3|e|1||\nLARGA|3|e|1||\nVACIA|3|e|1||\nNUEVA|3|e|1||\n",
               m_dir / "red" / "DatosDec.DBF");
    const std::string hallazgos = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "Corregix.txt");
    ASSERT_FALSE(hallazgos.empty());
    CrearTabla(hallazgos, m_dir / "red" / "Corregix.DBF");

    m_ejemplo = DeclaracionEjemplo();
    const std::vector<char> datos = Bytes(*m_ejemplo);
    EscribirDatos("ANA", datos);
    EscribirDatos("CORTA", std::vector<char>(datos.begin(), datos.end() - 1));
    std::vector<char> larga = datos;
    larga.push_back('\x7f');
    EscribirDatos("LARGA", larga);

    std::error_code ec;
    for (const auto& entrada : fs::directory_iterator(KORVELIX_DATOS_LOCAL, ec)) {
      if (entrada.path().filename().string().rfind("ERRORES", 0) == 0) {
        fs::copy_file(entrada.path(), m_dir / "local" / entrada.path().filename(), ec);
      }
    }
    ASSERT_EQ(marco::AbrirBasesDatos((m_dir / "red").string(), (m_dir / "local").string()), 1);
    marco::PonerIdiomaV("e");
    marco::PonerLetraEstadoPrograma('\0');
    marco::PonerMonedaEnUso(marco::kMonedaPesetas);
    marco::PonerRecomponerIdentificacion(false);
  }

  void TearDown() override {
    marco::CerrarBasesDatos();
    marco::PonerIdiomaV("e");
    marco::PonerLetraEstadoPrograma('\0');
    marco::PonerMonedaEnUso(marco::kMonedaPesetas);
    marco::PonerRecomponerIdentificacion(false);
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  std::unique_ptr<plataforma::CTablaRegistros> FilaDe(const std::string& clave) {
    auto t = plataforma::CTablaRegistros::Abrir(m_dir / "red" / "DatosDec.DBF");
    t->OcultarBorrados(true);
    t->PonerOrden(t->NumeroOrden("CLAVE"));
    if (!t->Buscar(Rellena(clave, 50)) || !t->Encontrado()) return nullptr;
    return t;
  }

  void EscribirDatos(const std::string& clave, const std::vector<char>& datos) {
    auto t = FilaDe(clave);
    ASSERT_TRUE(t);
    ASSERT_EQ(t->EscribirBinario("datos", datos), static_cast<long>(datos.size()));
  }

  std::vector<char> DatosGuardados(const std::string& clave) {
    auto t = FilaDe(clave);
    if (!t) return {};
    std::vector<char> datos(static_cast<std::size_t>(std::max(0L, t->LongitudBinario("datos"))));
    if (!datos.empty()) t->LeerBinario("datos", datos);
    return datos;
  }

  // A document with the clock stopped at a known moment.
  static std::unique_ptr<C714Doc> Documento() {
    auto doc = std::make_unique<C714Doc>();
    doc->PonerReloj([] { return marco::SMomento{1, 6, 2000, 1, 0, 0}; });
    return doc;
  }

  fs::path m_dir;
  std::unique_ptr<DatosPatrimonio> m_ejemplo;
};

// The income tax's commands answer nothing on a wealth-tax declaration: the document disables them (and unticks
// the marks) before the main frame's rule, which enables every command of an open declaration.
TEST_F(Documento714Test, LasOrdenesDeLaRentaQuedanDeshabilitadas) {
  const auto doc = Documento();
  const struct {
    int comando;
    bool marca;
  } casos[] = {{marco::kComandoSimplificada, true},  {marco::kComandoOrdinaria, true},
               {marco::kComandoUnidadFamiliar, true}, {marco::kComandoDeclarante, true},
               {marco::kComandoConyuge, true},        {marco::kComandoHijo1, true},
               {marco::kComandoHijo2, true},          {marco::kComandoDatosPersonales, false},
               {marco::kComandoResumenResultados, false}};
  for (const auto& c : casos) {
    wxUpdateUIEvent evento(marco::ComandoAWx(c.comando));
    EXPECT_TRUE(doc->ProcessEvent(evento)) << c.comando;
    EXPECT_TRUE(evento.GetSetEnabled()) << c.comando;
    EXPECT_FALSE(evento.GetEnabled()) << c.comando;
    EXPECT_EQ(evento.GetSetChecked(), c.marca) << c.comando;
    if (c.marca) {
      EXPECT_FALSE(evento.GetChecked()) << c.comando;
    }
  }
  // Its own commands are left to the frame and the document manager.
  wxUpdateUIEvent estado(marco::ComandoAWx(marco::kComandoEstadoDeclaracion));
  doc->ProcessEvent(estado);
  EXPECT_FALSE(estado.GetSetEnabled());
}

TEST_F(Documento714Test, CargaLosDatosGuardadosYLaMoneda) {
  CGuionMensajes guion;
  auto doc = Documento();
  EXPECT_EQ(doc->NuevaDeclaracion("ANA", 0, 0), 1);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(Bytes(doc->Datos()), Bytes(*m_ejemplo));
  EXPECT_FALSE(doc->DatosRechazados());
  EXPECT_EQ(doc->DameTipoDec(), marco::kTipoDecPatrimonio);
  EXPECT_EQ(doc->DameClave(), Rellena("ANA", 50));
  EXPECT_EQ(doc->Validador().DameClave(), "ANA");
  EXPECT_EQ(doc->DameEstado(), marco::kEstadoBloqueada);
  // The row's currency "0" is euros; loading arms the amount-overflow warning again.
  EXPECT_EQ(marco::MonedaEnUso(), marco::kMonedaEuros);
  EXPECT_TRUE(marco::AvisoDesbordeArmado());
  // The page list holds the eleven screen pages.
  EXPECT_EQ(doc->ListaPaginas().size(), 11u);
  EXPECT_EQ(doc->DamePaginaActual(), 0);
  EXPECT_EQ(doc->DameUltimaPagina(), 10);
}

TEST_F(Documento714Test, UnAreaDeOtraLongitudSeRechazaYNoSeSobrescribe) {
  for (const char* clave : {"CORTA", "LARGA", "VACIA"}) {
    SCOPED_TRACE(clave);
    const std::vector<char> antes = DatosGuardados(clave);
    CGuionMensajes guion;
    auto doc = Documento();
    EXPECT_EQ(doc->NuevaDeclaracion(clave, 0, 0), 1);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"WIN023"});
    EXPECT_TRUE(doc->DatosRechazados());
    // The area keeps its zeroes, never a part of the stored bytes.
    EXPECT_EQ(Bytes(doc->Datos()), std::vector<char>(sizeof(DatosPatrimonio), '\0'));
    // Saving the empty declaration would lose the stored one: refused, the row keeps what it holds.
    doc->Modify(true);
    EXPECT_EQ(doc->GuardarDeclaracion(), 0);
    EXPECT_EQ(guion.Veces("WIN023"), 2);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(DatosGuardados(clave), antes);
  }
}

TEST_F(Documento714Test, UnImporteQueNoEsUnNumeroSeRechazaYNoSeSobrescribe) {
  for (const double malo : {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()}) {
    std::vector<char> datos = Bytes(*m_ejemplo);
    std::memcpy(datos.data() + 4096, &malo, sizeof malo);
    EscribirDatos("ANA", datos);
    CGuionMensajes guion;
    auto doc = Documento();
    doc->NuevaDeclaracion("ANA", 0, 0);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"ALM004"});
    EXPECT_TRUE(doc->DatosRechazados());
    EXPECT_EQ(Bytes(doc->Datos()), std::vector<char>(sizeof(DatosPatrimonio), '\0'));
    doc->Modify(true);
    EXPECT_EQ(doc->GuardarDeclaracion(), 0);
    EXPECT_EQ(DatosGuardados("ANA"), datos);
  }
}

TEST_F(Documento714Test, UnaDeclaracionQueNoEstaNoSeCargaNiSeGuarda) {
  CGuionMensajes guion;
  auto doc = Documento();
  doc->NuevaDeclaracion("JUAN", 0, 0);
  EXPECT_GE(guion.Veces("WIN023"), 1);
  EXPECT_TRUE(doc->DatosRechazados());
  EXPECT_EQ(doc->GuardarDeclaracion(), 0);
  EXPECT_FALSE(FilaDe("JUAN"));
}

TEST_F(Documento714Test, GuardarYVolverACargar) {
  CGuionMensajes guion;
  std::vector<char> guardados;
  {
    auto doc = Documento();
    ASSERT_EQ(doc->NuevaDeclaracion("ANA", 0, 0), 1);
    EscribeDouble(doc->Datos().PatA, 3 * 72 + 64, 1000000.0);
    doc->Modify(true);
    EXPECT_EQ(doc->GuardarDeclaracion(), 1);
    EXPECT_FALSE(doc->IsModified());
    // The save recalculated in full: the new row is in the page total.
    EXPECT_DOUBLE_EQ(LeeDouble(doc->Datos().PatA, 2088), 98000000.0);
    guardados = Bytes(doc->Datos());
  }
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(DatosGuardados("ANA"), guardados);
  auto fila = FilaDe("ANA");
  ASSERT_TRUE(fila);
  EXPECT_EQ(fila->LeerEntero("tipodec"), 3);
  EXPECT_EQ(fila->LeerTexto("clave"), Rellena("ANA", 50));
  EXPECT_EQ(fila->LeerTexto("idioma"), "e");
  EXPECT_EQ(fila->LeerTexto("moneda"), "0");  // the document leaves the currency as stored

  auto otra = Documento();
  ASSERT_EQ(otra->NuevaDeclaracion("ANA", 0, 0), 1);
  EXPECT_EQ(Bytes(otra->Datos()), guardados);
}

TEST_F(Documento714Test, UnaDeclaracionNuevaSeGuardaEnSeguida) {
  CGuionMensajes guion;
  auto doc = Documento();
  ASSERT_EQ(doc->NuevaDeclaracion("NUEVA", 0, 1), 1);
  EXPECT_FALSE(doc->IsModified());
  EXPECT_TRUE(doc->DameNoGuardada());  // until the user saves it, closing it removes the row
  EXPECT_TRUE(guion.Codigos().empty());

  const std::vector<char> guardados = DatosGuardados("NUEVA");
  ASSERT_EQ(guardados.size(), sizeof(DatosPatrimonio));
  // Nothing but the reference number made at the save (no tax number: no identification text).
  auto esperado = std::make_unique<DatosPatrimonio>();
  std::memset(esperado.get(), 0, sizeof *esperado);
  EscribeTexto(esperado->PatDatosPersonales, personales::NumeroReferencia, "714510000000 1");
  EscribeTexto(esperado->PatDatosPersonales, personales::Identificacion, "");
  std::vector<char> esperados = Bytes(*esperado);
  // One o'clock: 3600 seconds after "000".
  EXPECT_EQ(std::string(LeeTexto(doc->Datos().PatDatosPersonales, personales::NumeroReferencia)),
            Rellena("714599996400 " + std::to_string(marco::DigitoControl("714599996400")), 20));
  EscribeTexto(esperado->PatDatosPersonales, personales::NumeroReferencia,
               LeeTexto(doc->Datos().PatDatosPersonales, personales::NumeroReferencia));
  EXPECT_EQ(guardados, Bytes(*esperado));
  EXPECT_EQ(FilaDe("NUEVA")->LeerEntero("tipodec"), 3);
}

TEST_F(Documento714Test, LaReferenciaSeRehaceSoloCuandoFaltaOSePide) {
  const struct {
    bool borrarReferencia;
    bool pedir;
    std::uint8_t marcaImpresa;
    bool rehecha;
    bool win060;
  } casos[] = {
      {false, false, 1, false, false},  // both present, nothing asked: kept, the print mark too
      {true, false, 0, true, false},
      {true, false, 1, true, true},     // made again after printing: WIN060 and the mark cleared
      {false, true, 1, true, true},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(testing::Message() << c.borrarReferencia << c.pedir << int(c.marcaImpresa));
    CGuionMensajes guion;
    auto doc = Documento();
    ASSERT_EQ(doc->NuevaDeclaracion("ANA", 0, 0), 1);
    RegPatDatosPersonales& dp = doc->Datos().PatDatosPersonales;
    if (c.borrarReferencia) EscribeTexto(dp, personales::NumeroReferencia, "");
    doc->PonMarcaSujeto(c.marcaImpresa);
    marco::PonerRecomponerIdentificacion(c.pedir);
    EXPECT_EQ(doc->GuardarDeclaracion(), 1);
    const std::string referencia(LeeTexto(dp, personales::NumeroReferencia));
    const std::string identificacion(LeeTexto(dp, personales::Identificacion));
    if (c.rehecha) {
      EXPECT_EQ(referencia, Rellena("714593216400 0", 20));
      EXPECT_EQ(identificacion, marco::TextoIdentificacion("12345678Z", {1, 6, 2000, 1, 0, 0}));
      EXPECT_EQ(std::string(doc->TextoReferencia()), identificacion);
    } else {
      EXPECT_EQ(referencia, Rellena("714512345678 3", 20));
      EXPECT_EQ(identificacion, Rellena("Ref.: 12345678.05.01234.6", 60));
    }
    EXPECT_FALSE(marco::RecomponerIdentificacion());
    EXPECT_EQ(guion.Veces("WIN060"), c.win060 ? 1 : 0);
    EXPECT_EQ(doc->DameMarcaSujeto(), c.win060 ? 0 : c.marcaImpresa);
    EXPECT_EQ(DatosGuardados("ANA"), Bytes(doc->Datos()));
  }
}

TEST_F(Documento714Test, RecalcularEsElOrdenDeLaBibliotecaMasElAjusteDelDocumento) {
  CGuionMensajes guion;
  auto doc = Documento();
  ASSERT_EQ(doc->NuevaDeclaracion("ANA", 0, 0), 1);
  auto* vista = new pruebas714::CVistaHints;
  vista->SetDocument(doc.get());

  for (int completo : {1, 0}) {
    SCOPED_TRACE(completo);
    // A value set on a page, as an edit leaves it.
    EscribeDouble(doc->Datos().PatB, 72 + 64, 3000000.0 + completo);
    auto copia = std::make_unique<DatosPatrimonio>(doc->Datos());
    vista->pistas.clear();
    EXPECT_EQ(doc->Calcular(completo), 1);
    recalculo::RecalcularPatrimonio(*copia, completo != 0);
    AjustaResultado(copia->PatAjuste, copia->PatResumen, copia->PatDI, copia->PatDatosPersonales);
    EXPECT_EQ(Bytes(doc->Datos()), Bytes(*copia));
    EXPECT_EQ(vista->pistas, std::vector<int>{marco::kPistaValores});
  }
  // The liquidation-only call did not sum the pages again: the total of B is that of the full call.
  EXPECT_DOUBLE_EQ(LeeDouble(doc->Datos().PatB, 1728), 11000001.0);
  // The quota mark is set: the quota is the liquidation result less the deducted amount.
  const double resultado = LeeDouble(doc->Datos().PatResumen, resumen::Resultado);
  EXPECT_GT(resultado, 0.0);
  EXPECT_DOUBLE_EQ(LeeDouble(doc->Datos().PatDI, di::Cuota), resultado);
  EXPECT_DOUBLE_EQ(LeeDouble(doc->Datos().PatDI, di::Diferencia), std::max(resultado - 20000.0, 0.0));
  EXPECT_EQ(LeeByte(doc->Datos().PatAjuste, ajuste::SignoResultado), 0);
  delete vista;
}

TEST_F(Documento714Test, UnaDeclaracionVaciaRecalculadaQuedaACero) {
  auto doc = Documento();
  doc->InicializarDatos();
  EXPECT_EQ(doc->Calcular(1), 1);
  const DatosPatrimonio& d = doc->Datos();
  // The page totals copied into the summary.
  for (std::size_t i = 0; i <= 160; i += 8) EXPECT_DOUBLE_EQ(LeeDouble(d.PatResumen, i), 0.0) << i;
  EXPECT_DOUBLE_EQ(LeeDouble(d.PatResumen, resumen::Resultado), 0.0);
  EXPECT_DOUBLE_EQ(LeeDouble(d.PatA, 2088), 0.0);
  EXPECT_EQ(LeeByte(d.PatAjuste, ajuste::SignoResultado), 1);
  EXPECT_DOUBLE_EQ(LeeDouble(d.PatDI, di::Cuota), 0.0);
  EXPECT_DOUBLE_EQ(LeeDouble(d.PatDI, di::Diferencia), 0.0);
}

TEST_F(Documento714Test, ValidarEscribeLosHallazgos) {
  CGuionMensajes guion;
  auto doc = Documento();
  ASSERT_EQ(doc->NuevaDeclaracion("ANA", 0, 0), 1);
  EXPECT_EQ(doc->Validar(0), 1);
  EXPECT_TRUE(marco::LeerHallazgos(marco::DameBaseDatosRed(), "ANA").empty());

  doc->InicializarDatos();
  EscribeByte(doc->Datos().PatDI, di::Domiciliacion, 1);
  EscribeTexto(doc->Datos().PatDI, di::Cuenta, "00491500061234567892");
  EXPECT_EQ(doc->Validar(0), 0);
  const auto hallazgos = marco::LeerHallazgos(marco::DameBaseDatosRed(), "ANA");
  ASSERT_EQ(hallazgos.size(), 6u);
  marco::SHallazgo h;
  ASSERT_EQ(marco::BuscarHallazgo(marco::DameBaseDatosRed(), "ANA", "100R129", h), 1);
  EXPECT_EQ(h.vista, 1);
  EXPECT_EQ(h.numcontr, 32);
  EXPECT_EQ(h.severidad, 1);
  ASSERT_EQ(marco::BuscarHallazgo(marco::DameBaseDatosRed(), "ANA", "100I002", h), 1);
  EXPECT_EQ(h.vista, 11);
  EXPECT_EQ(h.numcontr, 25);
  // The check shows nothing and leaves the wrong account for the user to correct.
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(std::string(LeeTexto(doc->Datos().PatDI, di::Cuenta)), "00491500061234567892");

  // A later run erases what no longer applies.
  doc->Datos() = *m_ejemplo;
  EXPECT_EQ(doc->Validar(0), 1);
  EXPECT_TRUE(marco::LeerHallazgos(marco::DameBaseDatosRed(), "ANA").empty());
}

TEST_F(Documento714Test, HallazgosQueNoSeGuardanSonUnFallo) {
  CGuionMensajes guion;
  auto doc = Documento();
  ASSERT_EQ(doc->NuevaDeclaracion("ANA", 0, 0), 1);
  EXPECT_EQ(doc->Validar(0), 1);
  // No finding, but the findings table cannot be reached: the run fails, so printing and filing stop.
  marco::CBaseDatos cerrada;
  doc->Validador().PonerBaseDatos(&cerrada);
  EXPECT_EQ(doc->Validar(0), 0);
}

TEST_F(Documento714Test, LosCodigosDelDocumentoEstanEnLaTablaDeMensajes) {
  for (const char* codigo : {"WIN001", "WIN002", "WIN003", "NOAPE1", "100R129", "100I002", "100P001", "100P003",
                             "100P015", "100P103", "WIN023", "WIN060"}) {
    marco::CDlgMensaje mensaje;
    EXPECT_EQ(mensaje.BuscarMensaje(codigo), 1) << codigo;
  }
}

TEST_F(Documento714Test, LaVistaDeImpresionSeEncuentraPorSuNombre) {
  // Printing makes the view of this class by its run-time name; it is the wealth-tax printing view.
  wxClassInfo* clase = wxClassInfo::FindClass("C714Impre");
  ASSERT_NE(clase, nullptr);
  std::unique_ptr<wxObject> objeto(clase->CreateObject());
  EXPECT_NE(dynamic_cast<salida::CImpreVista*>(objeto.get()), nullptr);
}

TEST(Plantilla714, ElDocumentoSeCreaPorSuClase) {
  // The document template makes its documents by run-time class.
  wxClassInfo* clase = wxClassInfo::FindClass("C714Doc");
  ASSERT_EQ(clase, wxCLASSINFO(C714Doc));
  std::unique_ptr<wxObject> objeto(clase->CreateObject());
  auto* doc = dynamic_cast<C714Doc*>(objeto.get());
  ASSERT_NE(doc, nullptr);
  EXPECT_TRUE(doc->DameRecalcular());
  EXPECT_EQ(doc->Calcular(1), 1);
}

}  // namespace
