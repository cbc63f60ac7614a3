// The wealth-tax printing view without a display: which pages print (the data sets of pages 2-8, the result
// difference of pages 11 and 12), a D-714 printed through a scripted dialog to sheet images with its copies and
// labels (and the extra copy), the PDF417 symbol of page 1 read back to the declaration's record, the EAN-128 code
// of pages 11 and 12, and the view made by its class name as the document's print command makes it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CodigoBarrasLector.h"
#include "ImpresionPrueba.h"
#include "framework/Campo.h"
#include "framework/MensajeGuion.h"
#include "output/CodigoBarrasDatos.h"
#include "output/CodigoEan128.h"
#include "output/ImpresionDestino.h"
#include "output/ImpresionReglas.h"
#include "framework/BaseDatos.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/DocumentoServicios.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Impre.h"

using namespace patrimonio;
using salida::CInfoImpresion;
using salida::EResultadoImpresion;
using pruebas::Caja;
using pruebas::PaginasPdf;

namespace {

std::string Temporal(const std::string& nombre) {
  return (std::filesystem::temp_directory_path() / ("korvelix_pimp_" + std::to_string(::getpid()) + "_" + nombre)).string();
}

// The declaration with its pages in memory: each page has the copy-label box, an amount box bound to importes[n]
// and, on page 8, a box of identification set 3 bound to `nif8`.
class CDeclaracionPrueba : public CDeclaracion714Impresion {
 public:
  explicit CDeclaracionPrueba(C714Doc& doc) : CDeclaracion714Impresion(doc), m_doc(doc) {}
  std::map<int, double> importes;
  std::array<char, 9> nif8{'1', '2', '3', '4', '5', '6', '7', '8', 'Z'};
  std::vector<int> hechas;

  int LeerPagina(int id, marco::PaginaInfo& info) override {
    info.idPagina = id;
    info.imagen = Temporal("no_existe.wmf");
    return 1;
  }
  std::unique_ptr<marco::CControlesPagina> CrearCampos(int pagina) override {
    hechas.push_back(pagina);
    auto campos = std::make_unique<marco::CControlesPagina>();
    marco::CCampo& etiqueta = campos->Anadir(Caja(1, "A40", {500, 30, 980, 70}, "EJEMPLAR"));
    etiqueta.Dato = m_doc.TextoEjemplar();
    etiqueta.PintarEn = marco::kPintarNoEnPantalla;
    campos->Anadir(Caja(2, "F12", {600, 700, 980, 740})).Dato = &importes[pagina];
    if (pagina == 8) campos->Anadir(Caja(3, "A9", {100, 100, 400, 140}, "TBD")).Dato = nif8.data();
    return campos;
  }

 private:
  C714Doc& m_doc;
};

using C714ImprePrueba = pruebas::CVistaAvisosContados<C714Impre>;

class C714ImpreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_doc.PonerTipoDec(3);
    std::memcpy(m_doc.EjercicioFiscal(), "1999", 5);
    auto& p = m_doc.Datos().PatDatosPersonales.octetos;
    std::memcpy(p + 1, "71419990000000012345", 20);  // reference
    std::memcpy(p + 127, "12345678Z", 9);             // declarant's tax number
    std::memcpy(p + 137, "GARCIA PEREZ", 12);
    PonerDatoDI(-1.0);
  }
  void PonerDatoDI(double v) { std::memcpy(m_doc.Datos().PatDI.octetos + 16, &v, sizeof v); }

  EResultadoImpresion Imprimir(bool copia = false) {
    auto decl = std::make_unique<CDeclaracionPrueba>(m_doc);
    decl->importes = m_importes;
    m_decl = decl.get();
    m_vista = std::make_unique<C714ImprePrueba>();
    m_vista->PonerDeclaracion(std::move(decl));
    m_vista->PonerDocumentoImpresion(std::make_unique<pruebas::CDocumentoImpresionPrueba>(m_doc));
    auto interaccion = std::make_unique<pruebas::CInteraccionImagenes>(m_destino, m_dialogo, true, copia);
    interaccion->rutaPdf = m_rutaPdf;
    m_vista->PonerInteraccion(std::move(interaccion));
    m_destino.reset();
    return m_vista->Imprimir();
  }

  // The page numbers of the sheets, in order.
  std::vector<int> Paginas() const {
    std::vector<int> paginas;
    for (const auto& n : m_destino->Nombres()) paginas.push_back(std::stoi(n.substr(std::string("P\xE1gina ").size())));
    return paginas;
  }

  C714Doc m_doc;
  std::map<int, double> m_importes;
  std::string m_rutaPdf;
  marco::CGuionMensajes m_mensajes;
  std::unique_ptr<C714ImprePrueba> m_vista;
  CDeclaracionPrueba* m_decl = nullptr;
  std::unique_ptr<salida::CDestinoImagenes> m_destino;
  CInfoImpresion m_dialogo;
};



}  // namespace

TEST(C714ImprePaginas, CuandoSeImprimeCadaPagina) {
  using E = ECuandoImprimir714;
  const E esperado[] = {E::Nunca,     E::Siempre,   E::ConDatos0, E::ConDatos0, E::ConDatos0,
                        E::ConDatos0, E::ConDatos0, E::ConDatos0, E::ConDatos3, E::Siempre,
                        E::Siempre,   E::ResultadoNoNegativo, E::ResultadoNoNegativo, E::Nunca};
  for (int n = 0; n <= 13; ++n) EXPECT_EQ(CuandoImprimir714(n), esperado[n]) << n;
}

TEST_F(C714ImpreTest, SinDatosYConResultadoNegativoSalenLasPaginas1_9Y10) {
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  // Pages 1, 9 and 10 in three copies each (interested party, administration twice); page 8 holds only an
  // identification box of its set.
  EXPECT_EQ(Paginas(), (std::vector<int>{1, 1, 1, 9, 9, 9, 10, 10, 10}));
  const auto& nombres = m_destino->Nombres();
  EXPECT_EQ(nombres[0], "P\xE1gina 1 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres[2], "P\xE1gina 1 \xB7 Ejemplar para la Administraci\xF3n.");
  EXPECT_EQ(m_dialogo.rango.maximo, 12);
  EXPECT_EQ(m_vista->avisos, 1);
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 1);
  for (const int n : m_decl->hechas) EXPECT_LT(n, 11) << "no boxes are made for pages 11 and 12";
  // The missing page picture is told once per copy; the boxes still print.
  EXPECT_EQ(m_mensajes.Veces("WIN025"), 9);
}

TEST_F(C714ImpreTest, ConDatosYResultadoCeroSalenTodasConSusEjemplaresYLaCopiaAdicional) {
  for (int n = 2; n <= 8; ++n) m_importes[n] = 1000.0 * n;
  PonerDatoDI(0.0);
  ASSERT_EQ(Imprimir(true), EResultadoImpresion::Completa);
  // Four copies of pages 1-10, three of 11, two of 12.
  EXPECT_EQ(m_destino->Nombres().size(), 10u * 4 + 3 + 2);
  const auto& nombres = m_destino->Nombres();
  EXPECT_EQ(nombres[40], "P\xE1gina 11 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres[41], "P\xE1gina 11 \xB7 Ejemplar para el sujeto pasivo");
  EXPECT_EQ(nombres[42], "P\xE1gina 11 \xB7 Ejemplar para el sobre anual");
  EXPECT_EQ(nombres[44], "P\xE1gina 12 \xB7 Ejemplar para la Entidad colaboradora.");
  // Pages 11 and 12 carry the reference's EAN-128 code.
  for (const std::size_t hoja : {std::size_t{41}, std::size_t{44}}) {
    const std::string ruta = Temporal("pago.png");
    ASSERT_TRUE(m_destino->Hojas()[hoja].GuardarPng(ruta));
    std::string leido;
    for (const auto& c : pruebas::LeerCodigosPng(ruta)) {
      if (c.formato != "PDF417") leido.assign(c.bytes.begin(), c.bytes.end());
    }
    EXPECT_EQ(leido, salida::TextoCodigoEan128("71419990000000012345")) << nombres[hoja];
  }
}

TEST_F(C714ImpreTest, LaPagina8SoloCuentaLosDatosFueraDeSuConjunto) {
  m_importes[8] = 0.0;
  m_importes[3] = 5.0;
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(Paginas(), (std::vector<int>{1, 1, 1, 3, 3, 3, 9, 9, 9, 10, 10, 10}));
  m_importes[8] = 7.0;
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(Paginas().size(), 15u);
}

TEST_F(C714ImpreTest, ElSimboloDeLaPagina1DevuelveElRegistroDeLaDeclaracion) {
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_vista->SimbolosPdf417(), 1);
  EXPECT_STREQ(m_vista->m_szIdentificador.data(), "7141999  1");
  EXPECT_STREQ(m_vista->m_szNif.data(), "12345678Z");
  for (const std::size_t hoja : {std::size_t{0}, std::size_t{2}}) {
    const std::string ruta = Temporal("pagina1.png");
    ASSERT_TRUE(m_destino->Hojas()[hoja].GuardarPng(ruta));
    std::vector<pruebas::CCodigoLeido> pdf;
    for (const auto& c : pruebas::LeerCodigosPng(ruta)) {
      if (c.formato == "PDF417") pdf.push_back(c);
    }
    ASSERT_FALSE(pdf.empty());
    const auto trama = pruebas::UnirSecuencia(pdf);
    const auto leida = salida::LeerTrama(trama);
    ASSERT_TRUE(leida.has_value());
    EXPECT_EQ(leida->prefijo, "7141999  1");
    EXPECT_EQ(leida->identificador, "12345678Z");
    const auto registro = salida::RecuperarRegistro(trama);
    ASSERT_TRUE(registro.has_value());
    CDeclaracion714Impresion fuente(m_doc);
    EXPECT_EQ(*registro, salida::DatosCodigoBarras714(m_doc.Datos(), fuente.VistaRegistro()));
    EXPECT_EQ(registro->size(), salida::kLongitudRegistro714);
  }
}

TEST_F(C714ImpreTest, UnRegistroQueNoCabeDejaLaPagina1SinSimbolo) {
  // An amount too large for its 15 characters.
  const double enorme = 1e20;
  std::memcpy(m_doc.Datos().PatResumen.octetos + 512, &enorme, sizeof enorme);
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_mensajes.Veces("PDF002"), 3);
  EXPECT_EQ(m_vista->SimbolosPdf417(), 0);
  EXPECT_EQ(Paginas().size(), 9u);
}

TEST(C714ImpreClase, ElDocumentoHallaLaVistaPorSuNombre) {
  wxClassInfo* clase = wxClassInfo::FindClass(wxString::FromUTF8(kClaseVistaImpresion714.data()));
  ASSERT_NE(clase, nullptr);
  std::unique_ptr<wxObject> objeto(clase->CreateObject());
  EXPECT_NE(dynamic_cast<salida::CImpreVista*>(objeto.get()), nullptr);
}

// A D-714 with data on page 1 only, printed from the built tables, pictures and page classes: the PDF holds its
// head, its summary and its liquidation (pages 1, 9 and 10) and, with a difference that is not negative, the
// payment pages 11 and 12, each in its copies; the empty pages 2 to 8 are not printed.
TEST_F(C714ImpreTest, UnaD714VaciaImprimeSoloSuCabezaSuResultadoYSuPago) {
  const std::filesystem::path red = Temporal("red");
  std::filesystem::create_directories(red);
  if (marco::AbrirBasesDatos(red.string(), KORVELIX_DATOS_LOCAL) != 1) GTEST_SKIP() << "no built tables";
  const std::string dirBase = marco::DirBase();
  marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
  for (const double di : {-1.0, 0.0}) {
    PonerDatoDI(di);
    m_rutaPdf = Temporal("d714_vacia.pdf");
    std::filesystem::remove(m_rutaPdf);
    auto vista = std::make_unique<C714ImprePrueba>();
    vista->PonerDeclaracion(std::make_unique<CDeclaracion714Impresion>(m_doc));
    vista->PonerDocumentoImpresion(std::make_unique<pruebas::CDocumentoImpresionPrueba>(m_doc));
    auto interaccion = std::make_unique<pruebas::CInteraccionImagenes>(m_destino, m_dialogo, true, false);
    interaccion->rutaPdf = m_rutaPdf;
    vista->PonerInteraccion(std::move(interaccion));
    ASSERT_EQ(vista->Imprimir(), EResultadoImpresion::Completa);
    std::vector<int> paginas = {1, 9, 10};
    if (di >= 0.0) paginas.insert(paginas.end(), {11, 12});
    int hojas = 0;
    for (const int p : paginas) {
      hojas += static_cast<int>(salida::EjemplaresDePagina(salida::kFormularioD714, p, false).size());
    }
    EXPECT_EQ(vista->HojasImpresas(), hojas) << "difference " << di;
    EXPECT_EQ(PaginasPdf(m_rutaPdf), hojas) << "difference " << di;
  }
  EXPECT_TRUE(m_mensajes.Codigos().empty()) << m_mensajes.Codigos().front();
  marco::PonerDirBase(dirBase);
  marco::CerrarBasesDatos();
  std::filesystem::remove_all(red);
}

TEST_F(C714ImpreTest, UnaD714SeImprimeEnUnFicheroPdf) {
  m_rutaPdf = Temporal("d714.pdf");
  std::filesystem::remove(m_rutaPdf);
  m_importes[2] = 10.0;
  ASSERT_EQ(Imprimir(), EResultadoImpresion::Completa);
  ASSERT_TRUE(std::filesystem::exists(m_rutaPdf));
  EXPECT_EQ(PaginasPdf(m_rutaPdf), 12);
  EXPECT_EQ(m_doc.DameMarcaSujeto(), 1);
}
