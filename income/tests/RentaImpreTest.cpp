// The income-tax printing view without a display: the pages of each form and when they print, a D-101 and a D-100
// printed through a scripted dialog to sheet images (copies, labels, the payment pages, the form switch), the
// PDF417 symbols of the first page read back to the person's record, the EAN-128 code of the payment pages, the
// taxpayer's boxes of page 1, the print-only first page's binding, and a real screen page found by its class name.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <algorithm>
#include <map>
#include <random>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "CodigoBarrasLector.h"
#include "ImpresionPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/RentaDoc.h"
#include "d100/PaginasD100.h"
#include "income/Pago.h"
#include "income/RentaImpre.h"
#include "output/CodigoBarrasDatos.h"
#include "output/CodigoEan128.h"
#include "output/ImpresionDestino.h"
#include "output/ImpresionReglas.h"
#include "output/RegistroRentaCampos.h"
#include "output/SimbolosPdf417.h"
#include "platform/MetaFileEscritor.h"

using namespace renta;
using salida::CInfoImpresion;
using salida::EResultadoImpresion;
using pruebas::Caja;
using pruebas::PaginasPdf;

namespace {

// Offsets in DatosRenta.
constexpr std::size_t kIdentificacion = 552;
constexpr std::size_t kResultados = 54472;

std::string Temporal(const std::string& nombre) {
  return (std::filesystem::temp_directory_path() / ("korvelix_rimp_" + std::to_string(::getpid()) + "_" + nombre)).string();
}

// A page picture: a frame round the page, in page units x 10.
const std::string& RutaImagen() {
  static const std::string ruta = [] {
    plataforma::CEscritorMetaFile w({0, 0, 10040, 14200}, 1214);
    w.Seleccionar(w.CrearPluma(plataforma::CPluma{plataforma::EstiloPluma::Solida, 10, plataforma::kNegro}));
    w.Seleccionar(w.CrearPincel(plataforma::CPincel{plataforma::EstiloPincel::Nulo}));
    w.Rectangulo({100, 100, 9940, 14100});
    const std::string r = Temporal("pagina.wmf");
    w.Guardar(r);
    return r;
  }();
  return ruta;
}

// The 21 boxes of the first page as a layout would give them: box 8 (the name) and 9 printed only on the
// taxpayer's copy.
void CajasPaginaPdf(marco::CControlesPagina& campos) {
  const char* mascaras[] = {"A18", "A18", "A2",  "A3",   "A9*5", "A15*5", "A15*5", "A15*5", "A1*5", "A1*5", "A9*5",
                            "A15*5", "A15*5", "A15*5", "A20", "A2", "A10", "A4", "A60*5", "A40", "A1"};
  for (int n = 1; n <= CControlesPAGPDF::kCasillas; ++n) {
    // Boxes along the bottom of the page, away from the symbols.
    const int x = 20 + ((n - 1) % 4) * 240;
    const int y = 1240 + ((n - 1) / 4) * 30;
    campos.Anadir(Caja(n, mascaras[n - 1], {x, y, x + 230, y + 25}));
  }
  campos.CampoDeNumero(8)->PintarEn = marco::kPintarNoEnTexto;
  campos.CampoDeNumero(9)->PintarEn = marco::kPintarNoEnTexto;
}

// The declaration with its pages built in memory: each screen page has the copy-label box and an amount box bound
// to `importes[id]` (the page holds data when it is not zero); page 222 is the real first-page array.
class CDeclaracionPrueba : public CDeclaracionRentaImpresion {
 public:
  explicit CDeclaracionPrueba(CRentaDoc& doc) : CDeclaracionRentaImpresion(doc), m_doc(doc) {}

  bool muestra = true;
  int necesario = 1;
  std::set<int> sinCatalogo;
  std::set<int> sinClase;
  std::map<int, double> importes;
  std::vector<int> hechas;

  int ModeloNecesario(int) override { return necesario; }
  bool MuestraPagina() override { return muestra; }
  int LeerPagina(int id, marco::PaginaInfo& info) override {
    if (sinCatalogo.count(id) != 0) return 0;
    info.idPagina = id;
    info.imagen = RutaImagen();
    return 1;
  }
  std::shared_ptr<marco::CControlesPagina> CrearCampos(int id) override {
    hechas.push_back(id);
    if (sinClase.count(id) != 0) return nullptr;
    if (id == kIdPaginaPdf) {
      auto campos = std::make_shared<CControlesPAGPDF>();
      campos->PonerDocumento(&m_doc);
      CajasPaginaPdf(*campos);
      campos->Enlazar(0);
      return campos;
    }
    auto campos = std::make_shared<marco::CControlesPagina>();
    campos->PonerDocumento(&m_doc);
    // The copy-label box, as the page layouts give it, is drawn only on paper, so it is never "data".
    marco::CCampo& etiqueta = campos->Anadir(Caja(1, "A40", {500, 30, 980, 70}, "EJEMPLAR"));
    etiqueta.Dato = m_doc.TextoEjemplar();
    etiqueta.PintarEn = marco::kPintarNoEnPantalla;
    campos->Anadir(Caja(2, "F12", {600, 700, 980, 740})).Dato = &importes[id];
    return campos;
  }

 private:
  CRentaDoc& m_doc;
};

// The view whose notice is counted instead of shown.
using CRentaImprePrueba = pruebas::CVistaAvisosContados<CRentaImpre>;

class RentaImpre : public ::testing::Test {
 protected:
  void SetUp() override {
    m_sujeto = marco::kSujetoDeclarante;
    m_doc.PonerSujetoActual(m_sujeto);
    marco::PublicarSujetoActual(&m_sujeto);
    m_doc.PonerTipoDec(1);
    std::memcpy(m_doc.EjercicioFiscal(), "1999", 5);
    // The declarant: tax id, reference, name, one choice and one mark of the record.
    Poner(kIdentificacion + 511 + 9, "12345678Z");
    Poner(kIdentificacion + 5 + 20, "10019912345678901234");
    Poner(kIdentificacion + 556 + 15, "MARIA");
    Poner(kIdentificacion + 631 + 15, "GARCIA");
    Byte(1043 + 1) = 1;
    Byte(1805 + 1) = 'x';
  }
  void TearDown() override { marco::PublicarSujetoActual(nullptr); }

  unsigned char& Byte(std::size_t d) { return reinterpret_cast<unsigned char*>(&m_doc.Datos())[d]; }
  void Poner(std::size_t d, std::string_view t) { std::memcpy(&Byte(d), t.data(), t.size()); }

  // Prints; the sheets are kept in m_hojas.
  EResultadoImpresion Imprimir(bool aceptar = true, bool copia = false) {
    auto decl = std::make_unique<CDeclaracionPrueba>(m_doc);
    decl->necesario = m_necesario;
    decl->muestra = m_muestra;
    // The identification and the liquidation hold data on both forms; page 3 of D-101 holds data, 4-6 none; page
    // 4 of D-100 holds data, 3 and 5-14 none.
    for (const int id : {110, 106, 220, 214, 215}) decl->importes[id] = 100.0;
    decl->importes[102] = 1500.0;
    decl->importes[203] = 250.0;
    for (const auto& [id, importe] : m_sinDatos) decl->importes[id] = importe;
    m_decl = decl.get();
    m_vista = std::make_unique<CRentaImprePrueba>();
    m_vista->PonerDeclaracion(std::move(decl));
    auto doc = std::make_unique<pruebas::CDocumentoImpresionPrueba>(m_doc);
    m_docImpresion = doc.get();
    m_vista->PonerDocumentoImpresion(std::move(doc));
    auto interaccion = std::make_unique<pruebas::CInteraccionImagenes>(m_destino, m_dialogo, aceptar, copia);
    interaccion->rutaPdf = m_rutaPdf;
    m_vista->PonerInteraccion(std::move(interaccion));
    m_destino.reset();
    return m_vista->Imprimir();
  }

  std::int32_t m_sujeto = 2;
  // Pages whose amount the test sets itself (0: the page holds nothing).
  std::map<int, double> m_sinDatos;
  CRentaDoc m_doc;
  int m_necesario = 1;
  bool m_muestra = true;
  std::string m_rutaPdf;
  marco::CGuionMensajes m_mensajes;
  std::unique_ptr<CRentaImprePrueba> m_vista;
  CDeclaracionPrueba* m_decl = nullptr;
  pruebas::CDocumentoImpresionPrueba* m_docImpresion = nullptr;
  std::unique_ptr<salida::CDestinoImagenes> m_destino;
  CInfoImpresion m_dialogo;
};



}  // namespace

TEST(RentaImprePaginas, CadaPaginaDelDialogoTieneSuIdYSuCondicion) {
  using E = ECuandoImprimir;
  struct SCaso {
    int formulario, pagina;
    SPaginaImpresaRenta esperada;
  };
  const SCaso casos[] = {
      {1, 1, {222, E::Siempre}},  {1, 2, {110, E::ConDatos}},  {1, 3, {102, E::ConDatos}},
      {1, 6, {105, E::ConDatos}}, {1, 7, {106, E::ConDatos}},  {1, 8, {107, E::Siempre}},
      {1, 9, {217, E::Pago}},     {1, 10, {218, E::Pago}},    {1, 11, {}},
      {1, 0, {}},                 {2, 1, {222, E::Siempre}},  {2, 2, {220, E::ConDatos}},
      {2, 3, {202, E::ConDatos}}, {2, 14, {213, E::ConDatos}}, {2, 15, {214, E::ConDatos}},
      {2, 16, {215, E::ConDatos}}, {2, 17, {216, E::Siempre}}, {2, 18, {217, E::Pago}},    {2, 19, {218, E::Pago}},
      {2, 20, {}},                {3, 1, {}},
  };
  for (const SCaso& c : casos) {
    EXPECT_EQ(PaginaImpresaRenta(c.formulario, c.pagina), c.esperada) << c.formulario << " " << c.pagina;
  }
  EXPECT_EQ(NombreClasePagina(102), "SIM002");
  EXPECT_EQ(NombreClasePagina(110), "SIM010");
  EXPECT_EQ(NombreClasePagina(217), "ORD017");
  EXPECT_EQ(NombreClasePagina(222), "");
  EXPECT_EQ(NombreClasePagina(301), "");
}

TEST_F(RentaImpre, UnaD101SaleConSusPaginasEjemplaresYEtiquetas) {
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  ASSERT_NE(m_destino, nullptr);
  const auto& nombres = m_destino->Nombres();
  // Pages 1, 2, 3 (data), 7 and 8 in two copies; 4-6 hold nothing; 9 the taxpayer's and the annual envelope's,
  // 10 the collaborating entity's.
  const std::vector<std::string> esperados = {
      "P\xE1gina 1 \xB7 Ejemplar para el interesado.", "P\xE1gina 1 \xB7 Ejemplar para la Administraci\xF3n.",
      "P\xE1gina 2 \xB7 Ejemplar para el interesado.", "P\xE1gina 2 \xB7 Ejemplar para la Administraci\xF3n.",
      "P\xE1gina 3 \xB7 Ejemplar para el interesado.", "P\xE1gina 3 \xB7 Ejemplar para la Administraci\xF3n.",
      "P\xE1gina 7 \xB7 Ejemplar para el interesado.", "P\xE1gina 7 \xB7 Ejemplar para la Administraci\xF3n.",
      "P\xE1gina 8 \xB7 Ejemplar para el interesado.", "P\xE1gina 8 \xB7 Ejemplar para la Administraci\xF3n.",
      "P\xE1gina 9 \xB7 Ejemplar para el interesado.", "P\xE1gina 9 \xB7 Ejemplar para el sobre anual",
      "P\xE1gina 10 \xB7 Ejemplar para la Entidad colaboradora."};
  EXPECT_EQ(nombres, esperados);
  EXPECT_EQ(m_dialogo.rango.maximo, 10);
  EXPECT_EQ(m_vista->avisos, 1);
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 1);
  EXPECT_EQ(m_docImpresion->guardados, 1);
  EXPECT_GE(m_vista->SimbolosPdf417(), 1);
  // The label of the last copy stays in the document's label text.
  EXPECT_STREQ(m_doc.TextoEjemplar(), "Ejemplar para la Entidad colaboradora.");
  EXPECT_TRUE(m_mensajes.Codigos().empty()) << m_mensajes.Codigos().front();
  EXPECT_STREQ(m_vista->m_szNif.data(), "12345678Z");
  EXPECT_STREQ(m_vista->m_szCabecera.data(), "1001999  1");
  m_destino->Hojas()[0].GuardarPng(Temporal("pagina1.png"));
  m_destino->Hojas()[10].GuardarPng(Temporal("pagina9.png"));
}

// A page none of whose boxes holds a value is not printed, except the first page, the result and the payment.
TEST_F(RentaImpre, LasPaginasVaciasNoSalenSalvoLaPrimeraElResultadoYElPago) {
  for (const int id : {110, 102, 106}) m_sinDatos[id] = 0.0;
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  std::vector<std::string> paginas;
  for (const auto& n : m_destino->Nombres()) paginas.push_back(n.substr(0, n.find(' ', 8)));
  paginas.erase(std::unique(paginas.begin(), paginas.end()), paginas.end());
  EXPECT_EQ(paginas, (std::vector<std::string>{"P\xE1gina 1", "P\xE1gina 8", "P\xE1gina 9", "P\xE1gina 10"}));
}

TEST_F(RentaImpre, LosSimbolosDeLaPrimeraPaginaDevuelvenElRegistroDeLaPersona) {
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  const std::string ruta = Temporal("simbolos.png");
  ASSERT_TRUE(m_destino->Hojas()[0].GuardarPng(ruta));
  std::vector<pruebas::CCodigoLeido> pdf;
  for (const auto& c : pruebas::LeerCodigosPng(ruta)) {
    if (c.formato == "PDF417") pdf.push_back(c);
  }
  ASSERT_FALSE(pdf.empty());
  const std::vector<std::uint8_t> trama = pruebas::UnirSecuencia(pdf);
  const auto leida = salida::LeerTrama(trama);
  ASSERT_TRUE(leida.has_value());
  EXPECT_EQ(leida->prefijo, "1001999  1");
  EXPECT_EQ(leida->identificador, "12345678Z");
  const auto registro = salida::RecuperarRegistro(trama);
  ASSERT_TRUE(registro.has_value());
  CDeclaracionRentaImpresion fuente(m_doc);
  salida::CRegistroRenta esperado;
  EXPECT_EQ(*registro, esperado.DatosCodigoBarras(m_doc.Datos(), fuente.VistaRegistro()));
  EXPECT_EQ(registro->size(), salida::CRegistroRenta::kLongitudRegistro);
}

TEST_F(RentaImpre, LasPaginasDePagoLlevanElCodigoDeLaReferencia) {
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  const auto& nombres = m_destino->Nombres();
  ASSERT_EQ(nombres.size(), 13u);
  for (const std::size_t hoja : {std::size_t{10}, std::size_t{11}, std::size_t{12}}) {
    const std::string ruta = Temporal("pago" + std::to_string(hoja) + ".png");
    ASSERT_TRUE(m_destino->Hojas()[hoja].GuardarPng(ruta));
    std::string leido;
    for (const auto& c : pruebas::LeerCodigosPng(ruta)) {
      if (c.formato != "PDF417") leido.assign(c.bytes.begin(), c.bytes.end());
    }
    EXPECT_EQ(leido, salida::TextoCodigoEan128("10019912345678901234")) << nombres[hoja];
  }
  // Page 1 and the other pages carry no EAN-128 code.
  const std::string ruta = Temporal("sinpago.png");
  ASSERT_TRUE(m_destino->Hojas()[2].GuardarPng(ruta));
  EXPECT_TRUE(pruebas::LeerCodigosPng(ruta).empty());
}

TEST_F(RentaImpre, SinCondicionDePagoNoSalenLasPaginasDePago) {
  // The person asked for the split payment and has no amount to pay.
  Byte(kIdentificacion + 2484 + 1) = 1;
  double cero = 0.0;
  std::memcpy(&Byte(kResultados + 6648 + 8), &cero, sizeof cero);
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_destino->Nombres().size(), 10u);
  for (const int id : m_decl->hechas) EXPECT_NE(id, kIdPaginaPago1) << "no box array is made for a payment page";
  // A result above zero satisfies the condition again.
  double aPagar = 12000.0;
  std::memcpy(&Byte(kResultados + 6648 + 8), &aPagar, sizeof aPagar);
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_destino->Nombres().size(), 13u);
}

TEST_F(RentaImpre, UnaPersonaQueNecesitaLaOrdinariaSeImprimeEnD100YLaDeclaracionVuelveASuFormulario) {
  m_necesario = 2;
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  ASSERT_FALSE(m_mensajes.Mensajes().empty());
  EXPECT_EQ(m_mensajes.Mensajes()[0].extra, "Se va a imprimir una declaraci\xF3n  ORDINARIA");
  EXPECT_EQ(m_dialogo.rango.maximo, 19);
  // Pages 1, 2, 4 (data), 15-17 in two copies, 18 in two, 19 once.
  const auto& nombres = m_destino->Nombres();
  EXPECT_EQ(nombres.size(), 6u * 2 + 2 + 1);
  EXPECT_EQ(nombres[4], "P\xE1gina 4 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres.back(), "P\xE1gina 19 \xB7 Ejemplar para la Entidad colaboradora.");
  EXPECT_EQ(m_doc.DameTipoDec(), 1);

  // Cancelling the dialog puts the form back too, and nothing is printed or marked.
  m_doc.PonMarcaSujeto(0);
  EXPECT_EQ(Imprimir(false), EResultadoImpresion::Abandonada);
  EXPECT_EQ(m_doc.DameTipoDec(), 1);
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 0);
}

TEST_F(RentaImpre, UnaDeclaracionQueNoMuestraPaginaNoSeImprime) {
  m_muestra = false;
  m_necesario = 2;
  EXPECT_EQ(Imprimir(), EResultadoImpresion::Abandonada);
  EXPECT_EQ(m_destino, nullptr);
  EXPECT_EQ(m_doc.DameTipoDec(), 1);
  EXPECT_EQ(m_vista->avisos, 0);
}

TEST_F(RentaImpre, LaCopiaDelInteresadoDeLaPagina1ImprimeSusCasillasPropias) {
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  auto& hojas = m_destino->Hojas();
  // Box 8 (the name, page units 740-970 across, 1270-1295 down) at 300 dots on a sheet of 2480 x 3508.
  const plataforma::CRectangulo caja{int(740 * 2480 / 1004.0), int(1268 * 3508 / 1420.0),
                                     int(975 * 2480 / 1004.0), int(1300 * 3508 / 1420.0)};
  auto oscuros = [&](plataforma::CLienzo& hoja) {
    int n = 0;
    for (int y = caja.top; y < caja.bottom; ++y) {
      for (int x = caja.left; x < caja.right; ++x) {
        const auto c = hoja.Pixel(x, y);
        if (c && c->r < 100 && c->g < 100 && c->b < 100) ++n;
      }
    }
    return n;
  };
  EXPECT_GT(oscuros(hojas[0]), 100) << "the taxpayer's copy prints the name";
  EXPECT_EQ(oscuros(hojas[1]), 0) << "the administration's copy does not";
}

TEST_F(RentaImpre, SinCatalogoOSinRegistroLaPaginaNoSaleYLaImpresionNoQuedaCompleta) {
  // No NIF: the frame cannot be made ("PDF002"); the first page still prints, without symbols.
  Poner(kIdentificacion + 511 + 9, "         ");
  auto decl = std::make_unique<CDeclaracionPrueba>(m_doc);
  decl->sinCatalogo = {110};
  m_vista = std::make_unique<CRentaImprePrueba>();
  m_vista->PonerDeclaracion(std::move(decl));
  auto doc = std::make_unique<pruebas::CDocumentoImpresionPrueba>(m_doc);
  pruebas::CDocumentoImpresionPrueba* docImpresion = doc.get();
  m_vista->PonerDocumentoImpresion(std::move(doc));
  m_vista->PonerInteraccion(std::make_unique<pruebas::CInteraccionImagenes>(m_destino, m_dialogo, true, false));
  ASSERT_EQ(m_vista->Imprimir(), EResultadoImpresion::Incompleta);
  EXPECT_GE(m_mensajes.Veces("PDF002"), 1);
  // Page 2 is missing from the catalogue; pages 3-7 hold nothing here.
  for (const auto& n : m_destino->Nombres()) EXPECT_EQ(n.find("P\xE1gina 2 "), std::string::npos);
  // Pages 1 and 8 in two copies, 9 in two, 10 once.
  EXPECT_EQ(m_destino->Nombres().size(), 7u);
  // Both pages are told once, together; the person is not marked as printed and nothing is saved as printed.
  EXPECT_EQ(m_mensajes.Veces("IMP001"), 1);
  EXPECT_EQ(m_mensajes.Veces("WIN013"), 0);
  EXPECT_EQ(m_vista->PaginasNoHechas(), (std::vector<int>{1, 2}));
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 0);
  EXPECT_EQ(docImpresion->guardados, 0);
  EXPECT_EQ(m_vista->avisos, 1);
}

TEST_F(RentaImpre, LasPaginasQueNoEstanEnElProgramaSeDicenUnaVezYNoSeMarcaComoImpresa) {
  auto decl = std::make_unique<CDeclaracionPrueba>(m_doc);
  // Pages 2, 7 and 8 of the D-101 (the printed identification, liquidation and results), and page 4 of the D-101
  // (103), which prints only with data: none of them can be made.
  decl->sinClase = {110, 106, 107, 103};
  decl->importes[102] = 1.0;
  m_vista = std::make_unique<CRentaImprePrueba>();
  m_vista->PonerDeclaracion(std::move(decl));
  auto doc = std::make_unique<pruebas::CDocumentoImpresionPrueba>(m_doc);
  pruebas::CDocumentoImpresionPrueba* docImpresion = doc.get();
  m_vista->PonerDocumentoImpresion(std::move(doc));
  m_vista->PonerInteraccion(std::make_unique<pruebas::CInteraccionImagenes>(m_destino, m_dialogo, true, false));
  m_doc.PonMarcaSujeto(0);
  ASSERT_EQ(m_vista->Imprimir(), EResultadoImpresion::Incompleta);
  // One notice for the whole run, whatever the copies; the pages in their order.
  EXPECT_EQ(m_mensajes.Codigos(), (std::vector<std::string>{"IMP001"}));
  ASSERT_EQ(m_mensajes.Mensajes().size(), 1u);
  EXPECT_EQ(m_mensajes.Mensajes()[0].extra, "2, 4, 7 y 8");
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 0);
  EXPECT_EQ(docImpresion->guardados, 0);
  // What could be made went out: pages 1 and 3 in two copies, 9 in two, 10 once.
  EXPECT_EQ(m_destino->Nombres().size(), 7u);
}

TEST(RentaImprePaginas, LaClaseDeDeclaracionEsElUltimoEstadoCivilMarcado) {
  auto datos = std::make_unique<DatosRenta>();
  std::memset(datos.get(), 0, sizeof(DatosRenta));
  EXPECT_EQ(ClaseDeclaracion(*datos, 2), 0);
  datos->Identificacion.octetos[501 + 1] = 1;  // the declarant married
  EXPECT_EQ(ClaseDeclaracion(*datos, 2), 3);
  EXPECT_EQ(ClaseDeclaracion(*datos, 3), 0) << "another person's mark";
  datos->Identificacion.octetos[506 + 1] = 1;
  EXPECT_EQ(ClaseDeclaracion(*datos, 2), 4);
  EXPECT_EQ(ClaseDeclaracion(*datos, 0), 0);
  EXPECT_EQ(ClaseDeclaracion(*datos, 6), 0);
}

TEST_F(RentaImpre, LaMarcaDeLaPrimeraPaginaSaleParaUnaPersonaCasada) {
  // Dark dots round the star's centre, 19 mm from the left and 56 mm from the top (300 dots per inch).
  const auto oscuros = [](plataforma::CLienzo& hoja) {
    const int cx = static_cast<int>(19.0 / 25.4 * 300);
    const int cy = static_cast<int>(56.0 / 25.4 * 300);
    int n = 0;
    for (int y = cy - 14; y <= cy + 14; ++y) {
      for (int x = cx - 14; x <= cx + 14; ++x) {
        const auto c = hoja.Pixel(x, y);
        if (c && c->r < 100 && c->g < 100 && c->b < 100) ++n;
      }
    }
    return n;
  };
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  const int sinMarca = oscuros(m_destino->Hojas()[0]);
  EXPECT_NE(m_vista->m_nClaseDeclaracion, 3);
  Byte(kIdentificacion + 501 + 1) = 1;
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_vista->m_nClaseDeclaracion, 3);
  EXPECT_GT(oscuros(m_destino->Hojas()[0]), sinMarca + 40);
}

TEST_F(RentaImpre, LaMarcaDeLaPaginaSinAsignacionYElNombreDeLaPersona) {
  std::memcpy(m_doc.TextoCabecera1(), "X", 2);
  CControlesPAGPDF campos;
  campos.PonerDocumento(&m_doc);
  CajasPaginaPdf(campos);
  campos.Refrescar();
  EXPECT_EQ(campos.DameMarcaImpresion(), CControlesPAGPDF::kMarcaSinAsignacion);
  campos.CampoDeNumero(21)->ActualizarTexto({2, 'e'});
  EXPECT_EQ(campos.CampoDeNumero(21)->Texto, "\xA6");
  campos.CampoDeNumero(5)->ActualizarTexto({2, 'e'});
  EXPECT_EQ(campos.CampoDeNumero(5)->Texto, "12345678Z");
  // The header was filled for the person shown.
  campos.CampoDeNumero(20)->ActualizarTexto({2, 'e'});
  EXPECT_EQ(campos.CampoDeNumero(20)->Texto.rfind("MARIA", 0), 0u) << campos.CampoDeNumero(20)->Texto;

  // Either allocation mark of the person takes the marker away.
  Byte(kIdentificacion + 2479 + 1) = 1;
  campos.Refrescar();
  EXPECT_EQ(campos.DameMarcaImpresion(), ' ');
  // A box whose picture is larger than its place stays unbound.
  CControlesPAGPDF danado;
  danado.PonerDocumento(&m_doc);
  danado.Anadir(Caja(1, "A40", {0, 0, 10, 10}));
  danado.Anadir(Caja(2, "A18", {0, 0, 10, 10}));
  danado.Enlazar(0);
  EXPECT_EQ(danado.CampoDeNumero(1)->Dato, nullptr);
  EXPECT_NE(danado.CampoDeNumero(2)->Dato, nullptr);
}

#ifdef KORVELIX_DATOS_LOCAL
// Page 3 of the D-101 (page 102) from the real catalogue and its page class, found by name.
TEST_F(RentaImpre, UnaPaginaRealSeHallaPorSuClaseYSeCarga) {
  if (wxClassInfo::FindClass("SIM002") == nullptr) GTEST_SKIP() << "the page class is not in the program";
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("korvelix_rimp_red_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  if (marco::AbrirBasesDatos(dir.string(), KORVELIX_DATOS_LOCAL) != 1) GTEST_SKIP() << "no built tables";
  CDeclaracionRentaImpresion fuente(m_doc);
  marco::PaginaInfo info;
  if (fuente.LeerPagina(102, info) != 1) GTEST_SKIP() << "page 102 is not in the catalogue";
  double trabajo = 2500000.0;
  std::memcpy(&Byte(4128 + 8), &trabajo, sizeof trabajo);  // the declarant's first work-income amount
  const auto campos = fuente.CrearCampos(102);
  ASSERT_NE(campos, nullptr);
  EXPECT_GT(campos->NumeroCampos(), 0);
  EXPECT_EQ(campos->DameDocumento(), &m_doc);
  EXPECT_EQ(fuente.CrearCampos(219), nullptr) << "a page without class is not printed";
}
#endif

// The real declaration source over the built catalogue, as the program prints: only the page shown and the form
// needed are set by the test.
class CDeclaracionReal : public CDeclaracionRentaImpresion {
 public:
  CDeclaracionReal(CRentaDoc& doc, int necesario) : CDeclaracionRentaImpresion(doc), m_necesario(necesario) {}
  bool MuestraPagina() override { return true; }
  int ModeloNecesario(int) override { return m_necesario; }

 private:
  int m_necesario;
};

// A filled declaration printed whole to a PDF file from the built tables and page classes; the PDF's first page,
// rendered by an outside tool, carries the PDF417 symbols of the person's record.
class RentaImpreReal : public RentaImpre {
 protected:
  void SetUp() override {
    RentaImpre::SetUp();
    m_dirRed = std::filesystem::temp_directory_path() / ("korvelix_rimp_real_" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dirRed);
    if (marco::AbrirBasesDatos(m_dirRed.string(), KORVELIX_DATOS_LOCAL) != 1) GTEST_SKIP() << "no built tables";
    marco::PonerIdiomaV("e");
    // The page pictures the build makes sit beside the tables.
    m_dirBaseAnterior = marco::DirBase();
    marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
    // Every page class that the forms print.
    ClasesPaginasFinales();
    ordinaria::ClasesPaginasD100();
    // 3,000,000 of salary with 450,000 withheld, from one payer; the declarant's region code.
    Byte(4128 + 40) = 2;
    Doble(4128 + 40 + 8, 3000000.0);
    Doble(4128 + 40 + 16, 450000.0);
    Poner(48, "01");
    Poner(80, "01");
    m_doc.Calcular();
  }
  void TearDown() override {
    marco::PonerDirBase(m_dirBaseAnterior);
    marco::CerrarBasesDatos();
    std::error_code ec;
    std::filesystem::remove_all(m_dirRed, ec);
    RentaImpre::TearDown();
  }
  void Doble(std::size_t d, double v) { std::memcpy(&Byte(d), &v, sizeof v); }

  EResultadoImpresion ImprimirReal(int formulario, const std::string& pdf) {
    m_doc.PonerTipoDec(static_cast<std::uint8_t>(formulario));
    m_vista = std::make_unique<CRentaImprePrueba>();
    m_vista->PonerDeclaracion(std::make_unique<CDeclaracionReal>(m_doc, formulario));
    auto doc = std::make_unique<pruebas::CDocumentoImpresionPrueba>(m_doc);
    m_docImpresion = doc.get();
    m_vista->PonerDocumentoImpresion(std::move(doc));
    auto interaccion = std::make_unique<pruebas::CInteraccionImagenes>(m_destino, m_dialogo, true, false);
    interaccion->rutaPdf = pdf;
    m_vista->PonerInteraccion(std::move(interaccion));
    std::filesystem::remove(pdf);
    return m_vista->Imprimir();
  }

  // The PDF417 sequence of the PDF's first page, read from the page rendered at 300 dots per inch.
  std::vector<std::uint8_t> SimbolosPrimeraPagina(const std::string& pdf) {
    const std::string base = Temporal("primera");
    const std::string orden = "pdftoppm -r 300 -f 1 -l 1 -singlefile -png '" + pdf + "' '" + base + "' 2>/dev/null";
    if (std::system(orden.c_str()) != 0) return {};
    std::vector<pruebas::CCodigoLeido> pdf417;
    for (const auto& c : pruebas::LeerCodigosPng(base + ".png")) {
      if (c.formato == "PDF417") pdf417.push_back(c);
    }
    return pruebas::UnirSecuencia(pdf417);
  }

  std::filesystem::path m_dirRed;
  std::string m_dirBaseAnterior;
};

bool HayPdftoppm() { return std::system("pdftoppm -v >/dev/null 2>&1") == 0; }

// The text of a PDF file as the outside tool reads it (UTF-8).
std::string TextoPdf(const std::string& pdf) {
  const std::string salida = Temporal("texto.txt");
  const std::string orden = "pdftotext '" + pdf + "' '" + salida + "' 2>/dev/null";
  if (std::system(orden.c_str()) != 0) return {};
  std::ifstream f(salida, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

int Veces(const std::string& texto, const std::string& parte) {
  int n = 0;
  for (std::size_t i = texto.find(parte); i != std::string::npos; i = texto.find(parte, i + 1)) ++n;
  return n;
}

TEST_F(RentaImpreReal, UnaD101LlenaSaleEnteraEnPdfYSuCodigoDevuelveElRegistro) {
  const std::string pdf = Temporal("d101_real.pdf");
  ASSERT_EQ(ImprimirReal(1, pdf), EResultadoImpresion::Completa) << m_mensajes.Codigos().size();
  EXPECT_TRUE(m_vista->PaginasNoHechas().empty());
  EXPECT_EQ(m_mensajes.Veces("IMP001"), 0);
  EXPECT_EQ(m_mensajes.Veces("WIN013"), 0);
  EXPECT_EQ(m_mensajes.Veces("WIN025"), 0) << "every page on its picture";
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 1);
  // Every sheet on its own page of the file; pages 1, 2, 7, 8 always, the payment pages (no mark: the condition
  // holds), the others with data.
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(PaginasPdf(pdf), m_vista->HojasImpresas());
  EXPECT_GE(m_vista->HojasImpresas(), 2 * 4 + 3);
  if (!HayPdftoppm()) GTEST_SKIP() << "no PDF renderer to read the symbols back";
  // Every copy label is printed whole, on every page that has one.
  const std::string texto = TextoPdf(pdf);
  EXPECT_GT(Veces(texto, "Ejemplar para el interesado."), 4);
  EXPECT_EQ(Veces(texto, "Ejemplar para el int"), Veces(texto, "Ejemplar para el interesado."));
  const std::vector<std::uint8_t> trama = SimbolosPrimeraPagina(pdf);
  ASSERT_FALSE(trama.empty());
  const auto registro = salida::RecuperarRegistro(trama);
  ASSERT_TRUE(registro.has_value());
  CDeclaracionRentaImpresion fuente(m_doc);
  salida::CRegistroRenta esperado;
  EXPECT_EQ(*registro, esperado.DatosCodigoBarras(m_doc.Datos(), fuente.VistaRegistro()));
}

TEST_F(RentaImpreReal, UnaD100LlenaSaleEnteraEnPdfConLaHojaComplementariaDeSusActividades) {
  // Three activities under modules of the declarant: page 5 needs a supplementary sheet.
  for (int r = 0; r < 3; ++r) {
    const std::size_t fila = offsetof(DatosRenta, ApartadoD4) + 1560 * static_cast<std::size_t>(r);
    Poner(fila, r == 0 ? "6594" : r == 1 ? "6421" : "6422");
    const std::int32_t id = 100 + r;
    std::memcpy(&Byte(fila + 8), &id, sizeof id);
    Byte(fila + 24) = 2;
  }
  m_doc.Calcular();
  const std::string pdf = Temporal("d100_real.pdf");
  const EResultadoImpresion resultado = ImprimirReal(2, pdf);
  ASSERT_TRUE(std::filesystem::exists(pdf));
  EXPECT_EQ(PaginasPdf(pdf), m_vista->HojasImpresas());
  // Pages 1, 2 and 15-17 always, in two copies, and the payment copies; pages 3-14 only with data (page 5 here,
  // on two sheets).
  EXPECT_GE(m_vista->HojasImpresas(), 2 * 5 + 3 + 2);
  // Every page of the form is in the program: the run is complete and the person marked as printed.
  EXPECT_EQ(resultado, EResultadoImpresion::Completa);
  EXPECT_TRUE(m_vista->PaginasNoHechas().empty());
  EXPECT_EQ(m_mensajes.Veces("IMP001"), 0);
  EXPECT_EQ(m_mensajes.Veces("WIN013"), 0);
  EXPECT_EQ(m_mensajes.Veces("WIN025"), 0) << "every page on its picture";
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 1);
  if (!HayPdftoppm()) GTEST_SKIP() << "no PDF renderer to read the symbols back";
  // Page 5 shows the activities' codes, on a first and a supplementary sheet; page 6 has nothing to print.
  const std::string texto = TextoPdf(pdf);
  EXPECT_GE(Veces(texto, "HOJA COMPLEMENTARIA"), 1);
  EXPECT_GE(Veces(texto, "6594"), 1);
  EXPECT_GE(Veces(texto, "6422"), 1);
  EXPECT_EQ(Veces(texto, "P\xC3\xA1gina 6\n"), 0);
  const auto registro = salida::RecuperarRegistro(SimbolosPrimeraPagina(pdf));
  ASSERT_TRUE(registro.has_value());
  CDeclaracionRentaImpresion fuente(m_doc);
  salida::CRegistroRenta esperado;
  EXPECT_EQ(*registro, esperado.DatosCodigoBarras(m_doc.Datos(), fuente.VistaRegistro()));
}

// A salary-only D-100: the PDF has the pages that hold values (identification, work income, the bases and the
// liquidation) and those always printed (page 1, the result, the payment pages), in their copies; its empty pages
// (4 to 10, 13, 14) are not printed.
TEST_F(RentaImpreReal, UnaD100SoloConSalarioNoImprimeSusPaginasVacias) {
  const std::string pdf = Temporal("d100_salario.pdf");
  ASSERT_EQ(ImprimirReal(2, pdf), EResultadoImpresion::Completa);
  EXPECT_TRUE(m_mensajes.Codigos().empty()) << m_mensajes.Codigos().front();
  int hojas = 0;
  for (const int pagina : {1, 2, 3, 11, 12, 15, 16, 17, 18, 19}) {
    hojas += static_cast<int>(salida::EjemplaresDePagina(salida::kFormularioD100, pagina, false).size());
  }
  EXPECT_EQ(m_vista->HojasImpresas(), hojas);
  EXPECT_EQ(PaginasPdf(pdf), hojas);
}

TEST_F(RentaImpre, UnaD101SeImprimeEnUnFicheroPdf) {
  m_rutaPdf = Temporal("d101.pdf");
  std::filesystem::remove(m_rutaPdf);
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  ASSERT_TRUE(std::filesystem::exists(m_rutaPdf));
  EXPECT_EQ(PaginasPdf(m_rutaPdf), 13);
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 1);
}

// A D-100 whose record is long enough to need all four symbols: every symbol decodes, the record comes back whole,
// and no symbol covers a box of the first printed page (the boxes' rectangles as the page's picture draws them,
// against the symbols' rectangles on the rendered page).
TEST_F(RentaImpreReal, CuatroSimbolosNoTapanNingunaCasillaDeLaPrimeraPagina) {
  namespace rr = salida::registro_renta;
  // Amounts that do not repeat, so that compression cannot shrink the record: every amount the record reads
  // from the calculation's blocks, the rows of section D and section M4 (of seven digits, so that the fields written
  // times 100 and the sums still fit their widths).
  std::mt19937_64 azar(1999);
  std::uniform_int_distribution<long long> cifra(1, 9999999LL);
  const auto llenar = [&](std::size_t desde, std::size_t hasta) {
    for (std::size_t d = desde; d + 8 <= hasta; d += 8) Doble(d, static_cast<double>(cifra(azar)));
  };
  llenar(rr::kBaseImponible, rr::kBaseImponible + 0x6f0);
  llenar(rr::kLiquidacion, rr::kLiquidacion + 0x5f0);
  llenar(rr::kResultados, rr::kResultados + 0x1a00);
  llenar(rr::kApartadoM4 + rr::kM4Inicio, rr::kApartadoM4 + rr::kM4Ultimo + 0x28);
  for (const std::size_t bloque : {rr::kApartadoD1, rr::kApartadoD2}) {
    for (const std::size_t tabla : rr::kTablasDLargas) {
      for (std::size_t f = 0; f < rr::kFilasD; ++f) {
        const std::size_t fila = bloque + tabla + f * rr::kBytesDLarga;
        llenar(fila + 8, fila + 8 + 8 * rr::kImportesDLarga);
      }
    }
    for (const std::size_t tabla : rr::kTablasDCortas) {
      for (std::size_t f = 0; f < rr::kFilasD; ++f) llenar(bloque + tabla + f * rr::kBytesDCorta + 16, bloque + tabla + f * rr::kBytesDCorta + 40);
    }
  }
  for (std::size_t f = 0; f < rr::kFilasD4; ++f) {
    const std::size_t fila = rr::kApartadoD4 + f * rr::kBytesD4;
    llenar(fila + rr::kD4Importes[0], fila + rr::kD4Importes10 + 80);
  }
  for (std::size_t f = 0; f < rr::kFilasD5; ++f) {
    const std::size_t fila = rr::kApartadoD5 + rr::kD5Origen + f * rr::kBytesD5;
    llenar(fila + rr::kD5Importes[0], fila + rr::kD5Importes10 + 80);
  }

  const std::string pdf = Temporal("d100_cuatro.pdf");
  ImprimirReal(2, pdf);
  ASSERT_TRUE(std::filesystem::exists(pdf));

  // The frame, as the first page built it, needs four symbols.
  CDeclaracionRentaImpresion fuente(m_doc);
  salida::CRegistroRenta registro;
  const std::string esperado = registro.DatosCodigoBarras(m_doc.Datos(), fuente.VistaRegistro());
  ASSERT_FALSE(esperado.empty()) << "a field of the record does not fit";
  salida::CCodigoBarrasDatos trama;
  salida::PrepararTramaRenta(trama, m_doc.Datos(), m_doc.DameSujetoActual());
  ASSERT_EQ(trama.ComprimirCodigoBarras(esperado), 1);
  std::vector<plataforma::CFormaPdf417> formas;
  for (int k = 0; k < 4; ++k) formas.push_back(salida::FormaSimbolo(k, trama.DatosTrama().size()));
  plataforma::CCodificadorPdf417 codificador(trama.DatosTrama(), formas);
  std::vector<plataforma::CSimboloCodigoBarras> simbolos;
  while (codificador.Siguiente() == 1 && codificador.Simbolo() != nullptr) simbolos.push_back(*codificador.Simbolo());
  ASSERT_TRUE(codificador.Completo()) << "the frame of " << trama.DatosTrama().size() << " bytes needs more";
  ASSERT_EQ(simbolos.size(), 4u) << "the frame of " << trama.DatosTrama().size() << " bytes needs another count";

  EXPECT_EQ(m_mensajes.Veces("PDF001"), 0);
  EXPECT_EQ(m_mensajes.Veces("PDF002"), 0);
  if (!HayPdftoppm()) GTEST_SKIP() << "no PDF renderer to read the symbols back";
  const int ppp = 300;
  const std::string base = Temporal("cuatro");
  const std::string orden =
      "pdftoppm -r " + std::to_string(ppp) + " -f 1 -l 1 -singlefile -png '" + pdf + "' '" + base + "' 2>/dev/null";
  ASSERT_EQ(std::system(orden.c_str()), 0);
  const std::string png = base + ".png";
  std::vector<pruebas::CCodigoLeido> leidos;
  for (const auto& c : pruebas::LeerCodigosPng(png)) {
    if (c.formato == "PDF417") leidos.push_back(c);
  }
  ASSERT_EQ(leidos.size(), 4u) << "every symbol decodes";
  const auto recuperado = salida::RecuperarRegistro(pruebas::UnirSecuencia(leidos));
  ASSERT_TRUE(recuperado.has_value()) << "the symbols are not one whole sequence";
  EXPECT_EQ(*recuperado, esperado);

  // The page as rendered: its size in pixels, from the PNG header.
  std::ifstream f(png, std::ios::binary);
  unsigned char cabecera[24] = {};
  ASSERT_TRUE(f.read(reinterpret_cast<char*>(cabecera), sizeof cabecera));
  const auto grande = [&](int i) {
    return double((cabecera[i] << 24) | (cabecera[i + 1] << 16) | (cabecera[i + 2] << 8) | cabecera[i + 3]);
  };
  const double ancho = grande(16);
  const double alto = grande(20);
  ASSERT_GT(ancho, 0);
  // The symbols' rectangles: where the reader found each one, as large as its modules are at this resolution.
  struct SRect {
    double x1, y1, x2, y2;
  };
  std::vector<SRect> rectSimbolos;
  for (const auto& c : leidos) {
    ASSERT_GE(c.indice, 0);
    ASSERT_LT(c.indice, 4);
    const plataforma::CPunto ranura = salida::OrigenRanura(c.indice, ppp);
    EXPECT_NEAR(c.izquierda, ranura.x, 8) << "symbol " << c.indice;
    EXPECT_NEAR(c.arriba, ranura.y, 8) << "symbol " << c.indice;
    const plataforma::CTamano t = salida::ExtensionSimbolo(simbolos[static_cast<std::size_t>(c.indice)], ppp);
    rectSimbolos.push_back({double(ranura.x), double(ranura.y), double(ranura.x + t.cx), double(ranura.y + t.cy)});
  }
  // The boxes of the first printed page where its picture frames them: 1004 page units across, 1420 down.
  CControlesPAGPDF campos;
  campos.PonerDocumento(&m_doc);
  ASSERT_EQ(campos.Cargar(kIdPaginaPdf, 1.0, nullptr), 1);
  ASSERT_GT(campos.NumeroCampos(), 0);
  for (int i = 0; i < campos.NumeroCampos(); ++i) {
    const marco::CCampo* c = campos.Campo(i);
    const SRect caja{c->Coor_1 * ancho / 1004.0, c->Coor_2 * alto / 1420.0, c->Coor_3 * ancho / 1004.0,
                     c->Coor_4 * alto / 1420.0};
    for (std::size_t k = 0; k < rectSimbolos.size(); ++k) {
      const SRect& s = rectSimbolos[k];
      const bool separados = caja.x2 <= s.x1 || s.x2 <= caja.x1 || caja.y2 <= s.y1 || s.y2 <= caja.y1;
      EXPECT_TRUE(separados) << "symbol " << k << " (" << s.x1 << ", " << s.y1 << ", " << s.x2 << ", " << s.y2
                             << ") covers box " << c->IndNumero << " (" << c->Identifica << ": " << caja.x1 << ", "
                             << caja.y1 << ", " << caja.x2 << ", " << caja.y2 << ")";
    }
  }
}
