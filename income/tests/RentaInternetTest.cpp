// The income-tax document as the Internet writer sees it: a filled D-101 written from the built tables and the
// page classes of the program, line by line and field by field; a D-100 as far as its pages exist (over a
// catalogue that holds every page); and the document's filing command rules.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "EntornoInternet.h"
#include "LineasInternet.h"
#include "d100/PaginasD100.h"
#include "framework/BaseDatos.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/Pago.h"
#include "income/RentaDoc.h"
#include "income/RentaInternet.h"
#include "platform/TablaTexto.h"

using namespace renta;

namespace {

constexpr std::size_t kIdentificacion = offsetof(DatosRenta, Identificacion);
constexpr std::size_t kPagadores = offsetof(DatosRenta, RendTrabajo) + 40;

using pruebas::LeerFicheroEntero;

// A writer over a catalogue that holds every page of both forms.
class CRentaInetCatalogoCompleto : public salida::CRentaInet {
 protected:
  int ExistePagina(int /*idPagina*/) override { return 1; }
};

class RentaInternet : public pruebas::CPruebaInternet {
 protected:
  void SetUp() override {
    PrepararEntorno("korvelix_rinet");
    if (!EntornoListo()) return;
    ClasesPaginasFinales();
    ordinaria::ClasesPaginasD100();
    m_sujeto = marco::kSujetoDeclarante;
    m_doc.PonerSujetoActual(m_sujeto);
    marco::PublicarSujetoActual(&m_sujeto);
    m_doc.PonerTipoDec(1);
    std::memcpy(m_doc.EjercicioFiscal(), "1999", 5);
    Poner(kIdentificacion + kDespNif + kAnchoNif, "12345678Z");
    Poner(kIdentificacion + kDespNombre1 + kAnchoNombre, "MARIA");
    Poner(kIdentificacion + kDespNombre2 + kAnchoNombre, "GARCIA");
    // 3,000,000 of salary with 450,000 withheld, from one payer held by the declarant.
    Byte(kPagadores) = 2;
    Doble(kPagadores + 8, 3000000.0);
    Doble(kPagadores + 16, 450000.0);
    m_doc.Calcular();
  }
  void TearDown() override {
    marco::PublicarSujetoActual(nullptr);
    CPruebaInternet::TearDown();
  }
  unsigned char& Byte(std::size_t d) { return reinterpret_cast<unsigned char*>(&m_doc.Datos())[d]; }
  void Poner(std::size_t d, std::string_view t) { std::memcpy(&Byte(d), t.data(), t.size()); }
  void Doble(std::size_t d, double v) { std::memcpy(&Byte(d), &v, sizeof v); }

  std::vector<std::string> Escribir(salida::CInetFichero& escritor) {
    CDeclaracionRentaInternet declaracion(m_doc);
    return EscribirFichero(escritor, declaracion, "KVXINET");
  }

  std::int32_t m_sujeto = 2;
  CRentaDoc m_doc;
};

// The fields of the work and capital income page (its Internet fields 1 to 41, twelve digits each) that the
// salary fills; the others are zeros.
struct SCampo {
  int numero;
  const char* texto;
  const char* que;
};
const SCampo kCamposPagina2[] = {
    {1, "000003000000", "money pay"},
    {13, "000003000000", "net work income"},
    {14, "000000300000", "reduction for work income"},
    {15, "000002700000", "reduced net work income"},
};

void ComprobarPagina2(const std::string& linea, const std::string& cabeza) {
  ASSERT_EQ(linea.size(), 6u + 41 * 12) << linea;
  EXPECT_EQ(linea.substr(0, 6), cabeza);
  for (int numero = 1; numero <= 41; ++numero) {
    const std::string campo = linea.substr(6 + 12 * static_cast<std::size_t>(numero - 1), 12);
    std::string esperado = "000000000000";
    std::string que = "an empty box";
    for (const SCampo& c : kCamposPagina2) {
      if (c.numero == numero) {
        esperado = c.texto;
        que = c.que;
      }
    }
    EXPECT_EQ(campo, esperado) << "field " << numero << " (" << que << ")";
  }
}

// The person's identification on page 1 (both forms), its fields as the page source orders them.
const std::vector<pruebas::SValorLinea> kValoresIdentificacion = {
    {101, 5, "12345678Z", "N.I.F."},
    {101, 6, "GARCIA         ", "first surname"},
    {101, 7, "               ", "second surname"},
    {101, 8, "MARIA          ", "name"},
    {101, 18, " ", "single: no mark"},
    {201, 5, "12345678Z", "N.I.F."},
    {201, 6, "GARCIA         ", "first surname"},
    {201, 8, "MARIA          ", "name"},
};

TEST_F(RentaInternet, UnaD101LlenaSeEscribeCampoACampo) {
  salida::CRentaInet escritor;
  const auto lineas = Escribir(escritor);
  EXPECT_TRUE(m_mensajes.Mensajes().empty()) << m_mensajes.Codigos().front();
  // Pages 1 and 7 (the result) always, 2 with the salary, 3, 4 and 6 with what the calculation leaves there, 8 (the
  // payment page's boxes) since nothing says otherwise; 5 (regional deductions) holds nothing and is not written.
  // Each line: its page, the page's box table and the line's length as the page sources lay it out.
  struct SLinea {
    const char* cabeza;
    int idPagina;
    std::size_t largo;
  };
  const SLinea kLineas[] = {{"10101 ", 101, 1181}, {"10102 ", 102, 498}, {"10103 ", 103, 595},
                            {"10104 ", 104, 648},  {"10106 ", 106, 422},
                            {"10107 ", 107, 534},  {"10108 ", 217, 379}};
  ASSERT_EQ(lineas.size(), std::size(kLineas));
  for (std::size_t i = 0; i < lineas.size(); ++i) {
    EXPECT_EQ(lineas[i].substr(0, 6), kLineas[i].cabeza);
    pruebas::ComprobarLineaInternet(lineas[i], kLineas[i].idPagina, kLineas[i].largo, kValoresIdentificacion);
  }
  ComprobarPagina2(lineas[1], "10102 ");
}

TEST_F(RentaInternet, UnaD100SeEscribeEntera) {
  // The person's data need the ordinary form.
  m_doc.PonerTipoDec(2);
  CRentaInetCatalogoCompleto escritor;
  class CD100 : public CDeclaracionRentaInternet {
   public:
    using CDeclaracionRentaInternet::CDeclaracionRentaInternet;
    int ModeloNecesario() const override { return 2; }
  } declaracion(m_doc);
  escritor.PonerDocumento(&declaracion);
  const auto ruta = m_dir / "KVXINET";
  ASSERT_EQ(escritor.Generar(ruta), 1) << static_cast<int>(escritor.DameResultado());
  const auto lineas = pruebas::LineasInternet(LeerFicheroEntero(ruta));
  ASSERT_FALSE(lineas.empty());
  EXPECT_EQ(lineas.front().substr(0, 6), "10001 ");
  ASSERT_GE(lineas.size(), 2u);
  ComprobarPagina2(lineas[1], "10002 ");
  // Every line is a page of model 100 in order, the payment page (17) last; each one laid out as its page's box
  // table says (pages 1, 2 and 14 to 17 with the lengths their sources give).
  EXPECT_EQ(lineas.back().substr(0, 6), "10017 ");
  const std::map<int, std::size_t> kLargos = {{1, 1183}, {2, 498}, {15, 422}, {16, 534}, {17, 379}};
  for (const std::string& linea : lineas) {
    ASSERT_GE(linea.size(), 6u);
    ASSERT_EQ(linea.substr(0, 3), "100");
    const int pagina = std::stoi(linea.substr(3, 2));
    const int id = pagina == 17 ? 217 : 200 + pagina;
    pruebas::ComprobarLineaInternet(linea, id, kLargos.count(pagina) != 0 ? kLargos.at(pagina) : 0,
                                    kValoresIdentificacion);
  }

  // The program's own catalogue has every page of the form: the same file is written.
  salida::CRentaInet real;
  real.PonerDocumento(&declaracion);
  std::filesystem::remove(ruta);
  ASSERT_EQ(real.Generar(ruta), 1) << static_cast<int>(real.DameResultado());
  EXPECT_EQ(real.DameResultado(), salida::EResultadoInet::Escrito);
  EXPECT_EQ(pruebas::LineasInternet(LeerFicheroEntero(ruta)), lineas);

  // A salary-only declaration: the pages that hold values (identification, work income, the bases and the
  // liquidation) and the result and payment pages; the empty pages (3 to 9, 12, 13) are not written.
  std::vector<std::string> paginas;
  for (const std::string& linea : lineas) paginas.push_back(linea.substr(0, 5));
  EXPECT_EQ(paginas, (std::vector<std::string>{"10001", "10002", "10010", "10011", "10014", "10015", "10016",
                                               "10017"}));

  // Whatever the program's catalogue holds, a catalogue without one page of the form (here the payment page) is
  // refused before anything is written.
  class CSinPaginaPago : public salida::CRentaInet {
   protected:
    int ExistePagina(int idPagina) override { return idPagina == 217 ? 0 : 1; }
  } sinPago;
  sinPago.PonerDocumento(&declaracion);
  std::filesystem::remove(ruta);
  EXPECT_EQ(sinPago.Generar(ruta), 0);
  EXPECT_EQ(sinPago.DameResultado(), salida::EResultadoInet::SinPagina);
  EXPECT_EQ(sinPago.DamePaginaFalta(), 17);
  EXPECT_EQ(sinPago.DameIdPaginaFalta(), 217);
  EXPECT_FALSE(std::filesystem::exists(ruta));
}

TEST_F(RentaInternet, ElDocumentoOfreceLaOrdenSoloParaSusFormularios) {
  for (int tipo : {0, 1, 2, 3}) {
    m_doc.PonerTipoDec(static_cast<std::uint8_t>(tipo));
    EXPECT_EQ(m_doc.AdmitePresentacionInternet(), tipo == 1 || tipo == 2) << tipo;
  }
  // Its side of the command: the file name offered and a writer given this declaration.
  CPresentacionRenta presentacion(m_doc);
  EXPECT_EQ(presentacion.NombreFichero(), "KVXINET");
  auto escritor = presentacion.CrearEscritor();
  ASSERT_NE(escritor, nullptr);
  auto* declaracion = dynamic_cast<salida::IDeclaracionRentaInternet*>(escritor->DameDocumento());
  ASSERT_NE(declaracion, nullptr);
  EXPECT_EQ(&declaracion->DameDatosRenta(), &m_doc.Datos());
}

}  // namespace
