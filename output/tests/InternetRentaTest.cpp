// The income-tax writer: page 202 of the built tables bound by a small binder to a fixture declaration, the form
// the person shown needs, which pages of each form are written, and the payment page's condition.
#include "output/InternetRenta.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "InternetPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"

namespace salida {
namespace {

using pruebas::CControlesFijos;
using pruebas::LeerFichero;
using pruebas::SCasillaPrueba;

std::unique_ptr<DatosRenta> DatosVacios() {
  auto datos = std::make_unique<DatosRenta>();
  std::memset(datos.get(), 0, sizeof(DatosRenta));
  return datos;
}

// The five amounts (total, declarant, spouse, first child, second child) of box k of the fixture.
double* Importes(DatosRenta& datos, int casilla) {
  return reinterpret_cast<double*>(datos.Resultados.octetos) + 5 * (casilla - 3);
}
void PonerImporte(DatosRenta& datos, int casilla, int sujeto, double valor) {
  std::memcpy(Importes(datos, casilla) + (sujeto - 1), &valor, sizeof valor);
}

// The test's binder of page 202 (and of page 102, which has the same boxes): the person's tax number and name,
// then the 41 amount boxes, each on five doubles of the fixture's results block, one after the other.
class CControles202Prueba : public marco::CControlesPagina {
 public:
  explicit CControles202Prueba(DatosRenta& datos) : m_datos(datos) {}
  int CargarVariante(int idPagina, double escala, marco::CBaseDatos* baseDatos) override {
    return CControlesPagina::CargarVariante(idPagina == 102 ? 202 : idPagina, escala, baseDatos);
  }
  void Enlazar(int /*liberarAntes*/) override {
    CampoDeNumero(1)->Dato = m_datos.Identificacion.octetos + 511;
    CampoDeNumero(2)->Dato = m_datos.Identificacion.octetos + 1000;
    for (int numero = 3; numero <= 43; ++numero) CampoDeNumero(numero)->Dato = Importes(m_datos, numero);
  }

 private:
  DatosRenta& m_datos;
};

class CDocumentoRenta : public pruebas::CDocumentoPrueba<IDeclaracionRentaInternet> {
 public:
  int DameSujetoActual() const override { return sujeto; }
  int ModeloNecesario() const override { return modelo; }
  const DatosRenta& DameDatosRenta() const override { return *datos; }

  int sujeto = 2;
  int modelo = 2;
  std::unique_ptr<DatosRenta> datos = DatosVacios();
};

// The local database the build makes beside the test program (<build>/datos/local).
std::filesystem::path CarpetaDatosLocal() {
  std::error_code ec;
  const auto programa = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return {};
  return programa.parent_path().parent_path() / "datos" / "local";
}

// A writer over a catalogue that holds every page of both forms (the program does not have every D-100 page yet);
// the boxes still come from the built tables.
class CRentaInetCatalogoCompleto : public CRentaInet {
 protected:
  int ExistePagina(int /*idPagina*/) override { return 1; }
};

class InternetRenta : public pruebas::CCarpetaInternet {
 protected:
  void SetUp() override {
    CCarpetaInternet::SetUp();
    const auto carpeta = CarpetaDatosLocal();
    if (!std::filesystem::exists(carpeta / "ControlX.DBF") || !std::filesystem::exists(carpeta / "Paginasx.DBF")) {
      GTEST_SKIP() << "build the target datos_paginas first";
    }
    local_.Abrir(carpeta.string() + "/", false, 1, "DBF");
    marco::PonerIdiomaV("e");
    marco::PonerIdiomaI("e");
    // Every page of both forms has a page class; pages 2 (102, 202) that of the work-income page, the others none
    // of their boxes: a page written always gives a line of its head only, one written with data none.
    for (int id = 101; id <= 118; ++id) documento_.paginas[id] = [] { return std::make_unique<pruebas::CControlesFijos>(
                                                                     std::vector<pruebas::SCasillaPrueba>{}); };
    for (int id = 201; id <= 218; ++id) documento_.paginas[id] = documento_.paginas[101];
    for (int id : {102, 202}) {
      documento_.paginas[id] = [this]() { return std::make_unique<CControles202Prueba>(*documento_.datos); };
    }
  }

  int Generar(CInetFichero& escritor) {
    escritor.PonerBasesDatos(&local_, nullptr);
    escritor.PonerDocumento(&documento_);
    return escritor.Generar(carpeta_ / "KVXINET");
  }
  std::string Fichero() const { return LeerFichero(carpeta_ / "KVXINET"); }

  marco::CBaseDatos local_;
  CDocumentoRenta documento_;
  marco::CGuionMensajes guion_;
};

// The line of page 2 of a form for the fixture below: the spouse's amounts of boxes 3 and 4, zeros after them.
std::string LineaPagina2(const std::string& modelo) {
  std::string linea = modelo + "02 " + "000001234567" + "N00000000250";
  for (int i = 0; i < 39; ++i) linea += "000000000000";
  return linea + "\r\n";
}

TEST_F(InternetRenta, Pagina202DeLaPersonaQueSeMuestra) {
  DatosRenta& datos = *documento_.datos;
  PonerImporte(datos, 3, 2, 999);  // the declarant's amounts are not the spouse's file
  PonerImporte(datos, 3, 3, 1234567);
  PonerImporte(datos, 4, 3, -250);
  std::memcpy(datos.Identificacion.octetos + 511, "12345678Z", 9);
  documento_.sujeto = 3;

  CRentaInetCatalogoCompleto escritor;
  pruebas::CProgresoPrueba progreso;
  escritor.PonerProgreso(&progreso);
  ASSERT_EQ(Generar(escritor), 1);
  // Page 1, the result and the payment page always; page 2 with the person's amounts.
  EXPECT_EQ(Fichero(), "10001 \r\n" + LineaPagina2("100") + "10016 \r\n10017 \r\n");
  EXPECT_TRUE(guion_.Mensajes().empty());
  ASSERT_EQ(progreso.textos.size(), 18u);
  EXPECT_EQ(progreso.textos.back(), "Escribiendo p\xE1gina 18 de 18");
  EXPECT_EQ(progreso.tipos.front(), "ORDINARIA");
}

TEST_F(InternetRenta, ElFormularioEsElQueNecesitaLaPersona) {
  DatosRenta& datos = *documento_.datos;
  PonerImporte(datos, 3, 3, 1234567);
  PonerImporte(datos, 4, 3, -250);
  documento_.sujeto = 3;
  documento_.tipo = 2;    // the declaration shows D-100...
  documento_.modelo = 1;  // ...but the spouse's data need only D-101
  CRentaInetCatalogoCompleto escritor;
  pruebas::CProgresoPrueba progreso;
  escritor.PonerProgreso(&progreso);
  ASSERT_EQ(Generar(escritor), 1);
  EXPECT_EQ(escritor.DameFormulario(), 1);
  EXPECT_EQ(Fichero(), "10101 \r\n" + LineaPagina2("101") + "10107 \r\n10108 \r\n");
  EXPECT_EQ(progreso.textos.size(), 9u);
  EXPECT_EQ(progreso.tipos.front(), "SIMPLIFICADA");
}

TEST_F(InternetRenta, SinDatosEnLaPaginaOSinFormulario) {
  // The declarant has amounts, the person shown (spouse) none: page 2 is left out.
  PonerImporte(*documento_.datos, 3, 2, 5);
  documento_.sujeto = 3;
  CRentaInetCatalogoCompleto escritor;
  ASSERT_EQ(Generar(escritor), 1);
  EXPECT_EQ(Fichero(), "10001 \r\n10016 \r\n10017 \r\n");

  documento_.sujeto = 2;
  documento_.modelo = 3;  // not an income-tax form: nothing to write
  ASSERT_EQ(Generar(escritor), 1);
  EXPECT_EQ(Fichero(), "");
}

TEST_F(InternetRenta, UnImporteDemasiadoGrandeDetieneElFichero) {
  PonerImporte(*documento_.datos, 5, 2, 1e13);
  CRentaInetCatalogoCompleto escritor;
  EXPECT_EQ(Generar(escritor), 0);
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::ErrorValor);
  EXPECT_EQ(guion_.Veces("100P006"), 1);
  EXPECT_TRUE(Nombres().empty());
  marco::RearmarAvisoDesborde();
}

TEST_F(InternetRenta, ElCatalogoDelProgramaTieneLaD101YLaD100Enteras) {
  PonerImporte(*documento_.datos, 3, 2, 1234567);
  // Every page of the simplified form (and its payment page, 217) is in the program's catalogue.
  documento_.modelo = 1;
  CRentaInet d101;
  ASSERT_EQ(Generar(d101), 1) << static_cast<int>(d101.DameResultado());
  const std::string escrito = Fichero();
  EXPECT_EQ(escrito, "10101 \r\n10102 000001234567" + std::string(40 * 12, '0') + "\r\n10107 \r\n10108 \r\n");

  // Every page of the ordinary form is there too: its file is written, no page is missing.
  documento_.modelo = 2;
  CRentaInet d100;
  ASSERT_EQ(Generar(d100), 1) << static_cast<int>(d100.DameResultado());
  EXPECT_EQ(d100.DameResultado(), EResultadoInet::Escrito);
  EXPECT_EQ(d100.DamePaginaFalta(), 0);
  EXPECT_EQ(d100.DameIdPaginaFalta(), 0);
  const std::string ordinaria = Fichero();
  EXPECT_EQ(ordinaria.rfind("10001 \r\n10002 000001234567", 0), 0u) << ordinaria;
  EXPECT_EQ(ordinaria.substr(ordinaria.size() - 2), "\r\n");
  EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));
}

// ---- which pages each form writes, over in-memory pages that are all in the catalogue ----

class CRentaInetTodas : public CRentaInet {
 protected:
  int ExistePagina(int /*idPagina*/) override { return 1; }
};

class InternetRentaPaginas : public pruebas::CCarpetaInternet {
 protected:
  void SetUp() override {
    CCarpetaInternet::SetUp();
    for (int id = 101; id <= 118; ++id) Dar(id);
    for (int id = 201; id <= 218; ++id) Dar(id);
  }
  // Page `id` has one numbered box on valores_[id].
  void Dar(int id) {
    documento_.paginas[id] = [this, id]() {
      return std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F12", "120N", 1, &valores_[id]}});
    };
  }
  std::vector<std::string> Cabezas() {
    CRentaInetTodas escritor;
    escritor.PonerDocumento(&documento_);
    EXPECT_EQ(escritor.Generar(carpeta_ / "KVXINET"), 1);
    return pruebas::Cabezas(pruebas::Lineas(LeerFichero(carpeta_ / "KVXINET")));
  }

  std::array<double, 300> valores_{};
  CDocumentoRenta documento_;
  marco::CGuionMensajes guion_;
};

TEST_F(InternetRentaPaginas, PaginasDelFormularioOrdinario) {
  documento_.modelo = 2;
  // Page 1, the result (16) and the payment page (17) always; the others only with data.
  EXPECT_EQ(Cabezas(), (std::vector<std::string>{"10001 ", "10016 ", "10017 "}));
  valores_[205] = 1;
  valores_[213] = 1;
  valores_[215] = 3;
  valores_[217] = 42;
  EXPECT_EQ(Cabezas(), (std::vector<std::string>{"10001 ", "10005 ", "10013 ", "10015 ", "10016 ", "10017 "}));
  // Page 17 carries the boxes of the payment page 217; page 18 is never asked for.
  const auto lineas = pruebas::Lineas(LeerFichero(carpeta_ / "KVXINET"));
  EXPECT_EQ(lineas.back(), "10017 000000000042");
  EXPECT_EQ(std::count(documento_.pedidas.begin(), documento_.pedidas.end(), 218), 0);
}

TEST_F(InternetRentaPaginas, PaginasDelFormularioSimplificadoYPago) {
  documento_.modelo = 1;
  documento_.sujeto = 2;
  // No payment flags set: the payment page is written, with the boxes of page 217. Page 1 and the result (7)
  // always; the others only with data.
  EXPECT_EQ(Cabezas(), (std::vector<std::string>{"10101 ", "10107 ", "10108 "}));
  EXPECT_EQ(std::count(documento_.pedidas.begin(), documento_.pedidas.end(), 217), 1);
  EXPECT_EQ(std::count(documento_.pedidas.begin(), documento_.pedidas.end(), 108), 0);

  valores_[103] = 1;
  documento_.datos->Identificacion.octetos[2484 + 1] = 1;  // the declarant's flag: no payment, nothing to pay
  EXPECT_EQ(Cabezas(), (std::vector<std::string>{"10101 ", "10103 ", "10107 "}));
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST(InternetRentaPago, CondicionDeLaPaginaDePago) {
  struct SCaso {
    int sujeto;
    std::size_t marca;  // identification offset set to 1 (0: none)
    std::size_t resultado;
    double importe;
    bool esperado;
  };
  const std::vector<SCaso> casos = {
      {2, 0, 0, 0, true},            // both flags zero
      {2, 2485, 0, 0, false},        // the declarant's first flag
      {2, 2490, 0, 0, false},        // the declarant's second flag
      {2, 2490, 6656, 10, true},     // a flag, but an amount to pay
      {2, 2490, 6656, -10, false},   // a refund is not a payment
      {3, 2485, 0, 0, true},         // another person's flag
      {5, 2493, 0, 0, false},        // the second child reads 2488 and 2493
      {5, 2493, 6680, 1, true},      // and its amount at 6680
      {0, 2484, 0, 0, false},        // an unknown person counts as the first
      {9, 2489, 6648, 0.5, true},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(testing::Message() << "sujeto " << c.sujeto << " marca " << c.marca << " importe " << c.importe);
    auto datos = DatosVacios();
    if (c.marca != 0) datos->Identificacion.octetos[c.marca] = 1;
    if (c.resultado != 0) std::memcpy(datos->Resultados.octetos + c.resultado, &c.importe, sizeof c.importe);
    EXPECT_EQ(CondicionPagoInternet(*datos, c.sujeto), c.esperado);
  }
}

}  // namespace
}  // namespace salida
