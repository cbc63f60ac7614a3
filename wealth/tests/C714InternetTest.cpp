// The wealth-tax document as the Internet writer sees it: a filled D-714 written from the built tables and the
// page classes of the program, its first page's line field by field (its header boxes filled for the file), the
// pages written by their data, and the document's side of the filing command.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "EntornoInternet.h"
#include "LineasInternet.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/ReferenciaReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/TablaTexto.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Internet.h"
#include "wealth/CamposPatrimonio.h"

using namespace patrimonio;

namespace {


class C714Internet : public pruebas::CPruebaInternet {
 protected:
  void SetUp() override {
    PrepararEntorno("korvelix_pinet");
    if (!EntornoListo()) return;
    m_doc.PonerTipoDec(3);
    std::memcpy(m_doc.EjercicioFiscal(), "1999", 5);
    Poner(personales::NumeroReferencia.desplazamiento, "71419990000000012345");
    Poner(personales::Identificacion1.desplazamiento, "MADRID");
    Poner(personales::Identificacion2.desplazamiento, "MADRID CENTRO");
    Poner(personales::Nif.desplazamiento, "12345678Z");
    Poner(personales::Apellidos.desplazamiento, "GARCIA PEREZ");
    Poner(personales::Nombre.desplazamiento, "MARIA");
    PonerDatoDI(-1.0);
  }
  void Poner(std::size_t d, std::string_view t) {
    std::memcpy(m_doc.Datos().PatDatosPersonales.octetos + d, t.data(), t.size());
  }
  void PonerDatoDI(double v) { std::memcpy(m_doc.Datos().PatDI.octetos + di::Diferencia, &v, sizeof v); }

  std::vector<std::string> Escribir() {
    salida::C714Inet escritor;
    CDeclaracion714Internet declaracion(m_doc);
    return EscribirFichero(escritor, declaracion, "TVXINET");
  }

  C714Doc m_doc;
};

TEST_F(C714Internet, UnaD714SeEscribeConSuPrimeraPaginaCampoACampo) {
  const auto lineas = Escribir();
  std::vector<std::string> cabezas;
  for (const std::string& l : lineas) cabezas.push_back(l.substr(0, 6));
  // A declaration with data on page 1 only: its head, the summary and the liquidation (pages 1, 9 and 10, always);
  // 11 is left out with a negative difference, and the empty pages 2 to 8 are not written.
  EXPECT_EQ(cabezas, (std::vector<std::string>{"71401 ", "71409 ", "71410 "}));
  ASSERT_FALSE(lineas.empty());

  // The first fields of page 1, in Internet order: delegation code and name, administration code and name, NIF,
  // the name as surnames and name.
  struct SCampo {
    std::size_t ancho;
    std::string esperado;
    const char* que;
  };
  const SCampo campos[] = {
      {3, "   ", "delegation code"},
      {18, "MADRID            ", "delegation"},
      {4, "    ", "administration code"},
      {18, "MADRID CENTRO     ", "administration"},
      {9, "12345678Z", "NIF"},
  };
  std::size_t desde = 6;
  for (const SCampo& c : campos) {
    ASSERT_LE(desde + c.ancho, lineas[0].size());
    EXPECT_EQ(lineas[0].substr(desde, c.ancho), c.esperado) << c.que;
    desde += c.ancho;
  }
  EXPECT_NE(lineas[0].find("GARCIA PEREZ"), std::string::npos) << lineas[0];
  EXPECT_TRUE(m_mensajes.Mensajes().empty());

  // Every line, field by field, as the box table of its page (300 + page) lays it out.
  for (const std::string& linea : lineas) {
    ASSERT_EQ(linea.substr(0, 3), "714");
    pruebas::ComprobarLineaInternet(linea, 300 + std::stoi(linea.substr(3, 2)), 0);
  }
}

TEST_F(C714Internet, LaIdentificacionDeLaDeclaracionLlegaAlFichero) {
  std::string identificacion = "Ref.: 12345678.05.01234.6";
  identificacion.resize(personales::Identificacion.ancho, ' ');
  Poner(personales::Identificacion.desplazamiento, identificacion);
  const auto lineas = Escribir();
  ASSERT_FALSE(lineas.empty());
  ASSERT_EQ(lineas.front().substr(0, 6), "71401 ");
  // Box 39: the identification without its prefix and points, in 20, then the Windows-version letter.
  const std::string esperado = std::string("1234567805012346    ") + marco::DameLetraWindows();
  pruebas::ComprobarLineaInternet(lineas.front(), 301, 0, {{301, 39, esperado, "identification"}});
  EXPECT_EQ(lineas.front().substr(lineas.front().size() - 21), esperado) << "the identification is the last field";
}

TEST_F(C714Internet, LaPagina11SaleConDiferenciaNoNegativa) {
  PonerDatoDI(0.0);
  const auto lineas = Escribir();
  std::vector<std::string> cabezas;
  for (const std::string& l : lineas) cabezas.push_back(l.substr(0, 6));
  EXPECT_EQ(cabezas, (std::vector<std::string>{"71401 ", "71409 ", "71410 ", "71411 "}));
}

// A value on a section page puts that page, and only that one, among the pages written.
TEST_F(C714Internet, UnaPaginaDeSeccionSaleSoloConDatos) {
  // The first section A row's value (page 2).
  const double valor = 20000000.0;
  std::memcpy(m_doc.Datos().PatA.octetos + 64, &valor, sizeof valor);
  const auto lineas = Escribir();
  std::vector<std::string> cabezas;
  for (const std::string& l : lineas) cabezas.push_back(l.substr(0, 6));
  EXPECT_EQ(cabezas, (std::vector<std::string>{"71401 ", "71402 ", "71409 ", "71410 "}));
}

TEST_F(C714Internet, ElDocumentoOfreceLaOrdenYSuEscritor) {
  EXPECT_TRUE(m_doc.AdmitePresentacionInternet());
  m_doc.PonerTipoDec(1);
  EXPECT_FALSE(m_doc.AdmitePresentacionInternet());
  CPresentacion714 presentacion(m_doc);
  EXPECT_EQ(presentacion.NombreFichero(), "TVXINET");
  auto escritor = presentacion.CrearEscritor();
  ASSERT_NE(escritor, nullptr);
  auto* declaracion = dynamic_cast<salida::IDeclaracion714Internet*>(escritor->DameDocumento());
  ASSERT_NE(declaracion, nullptr);
  EXPECT_EQ(&declaracion->DameDatosPatrimonio(), &m_doc.Datos());
}

}  // namespace
