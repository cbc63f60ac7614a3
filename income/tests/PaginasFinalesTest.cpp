// The pages that close both forms, from the built tables: the liquidation (ORD015/SIM006), the results
// (ORD016/SIM007), the regional deductions (ORD013/SIM005), the payment page (ORD017) with its rules and its
// printed twin (ORD018), the printed first page (PAGPDF); a filled declaration's result shown on the results page
// and in the draft presentation, which binds the pages as printing does.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "SIM003Prueba.h"
#include "framework/Campo.h"
#include "framework/MensajeGuion.h"
#include "framework/Validador.h"
#include "d100/PaginasD100.h"
#include "income/Liquidacion.h"
#include "income/Pago.h"
#include "income/RentaBorrador.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"

using namespace renta;
using pruebassim::EscribirDoble;
using pruebassim::LeerDoble;
using pruebassim::Octeto;

namespace {

constexpr std::size_t kId = offsetof(DatosRenta, Identificacion);
constexpr std::size_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::size_t kLQ = offsetof(DatosRenta, Liquidacion);
constexpr std::size_t kRS = offsetof(DatosRenta, Resultados);
constexpr std::size_t kRT = offsetof(DatosRenta, RendTrabajo);

class PaginasFinalesTest : public pruebassim::PaginaRentaTest {
 protected:
  // Where box n of an array is bound, as an offset in the data area; -1 unbound, -2 bound outside it.
  std::ptrdiff_t Lugar(marco::CControlesPagina& c, int n) {
    const marco::CCampo* campo = c.CampoDeNumero(n);
    if (campo == nullptr || campo->Dato == nullptr) return -1;
    const auto* base = reinterpret_cast<const unsigned char*>(m_datos.get());
    const auto* dato = static_cast<const unsigned char*>(campo->Dato);
    if (dato < base || dato >= base + sizeof(DatosRenta)) return -2;
    return dato - base;
  }
  static bool TodasEnlazadas(marco::CControlesPagina& c) {
    for (int i = 0; i < c.NumeroCampos(); ++i) {
      if (c.Campo(i) == nullptr || c.Campo(i)->Dato == nullptr) return false;
    }
    return c.NumeroCampos() > 0;
  }
};

TEST_F(PaginasFinalesTest, LaLiquidacionEnlazaSusCuarentaCasillasEnLasDosFormas) {
  for (const int id : {kIdPaginaORD015, kIdPaginaSIM006}) {
    CControlesLiquidacion c;
    c.PonerDatos(m_datos.get(), Cabecera());
    ASSERT_EQ(c.Cargar(id, 1.0, marco::DameBaseDatosLocal()), 1) << id;
    ASSERT_EQ(c.NumeroCampos(), CControlesLiquidacion::kCasillas) << id;
    EXPECT_TRUE(TodasEnlazadas(c)) << id;
    const struct {
      int casilla;
      std::ptrdiff_t lugar;
    } esperados[] = {{3, kLQ + 320},  {4, kLQ + 40},   {6, kLQ + 40},   {5, kLQ + 840},   {11, kLQ + 408},
                     {12, kLQ + 480}, {15, kLQ + 480}, {19, kLQ + 480}, {13, kLQ + 408},  {17, kLQ + 408},
                     {25, kLQ + 1000}, {37, kLQ + 1480}, {38, kRS + 0}, {39, kId + 105}};
    for (const auto& e : esperados) EXPECT_EQ(Lugar(c, e.casilla), e.lugar) << id << " box " << e.casilla;
    EXPECT_EQ(c.CampoDeNumero(3)->Enlace, Octeto(*m_datos, kLQ + 360));
    EXPECT_EQ(c.CampoDeNumero(1)->Dato, m_nif);
    EXPECT_EQ(c.CampoDeNumero(40)->Dato, m_ejemplar);
    EXPECT_EQ(c.CampoDeNumero(40)->Identifica, "EJEMPLAR");
    // Only the boxes with a calculation step can be typed.
    for (int n = 3; n <= 38; ++n) {
      EXPECT_EQ(c.CampoDeNumero(n)->SoloLectur == 0, n == 3 || n == 11) << id << " box " << n;
    }
  }
}

TEST_F(PaginasFinalesTest, LosResultadosEnlazanSusCuarentaYOchoCasillas) {
  for (const int id : {kIdPaginaORD016, kIdPaginaSIM007}) {
    CControlesResultados c;
    c.PonerDatos(m_datos.get(), Cabecera());
    ASSERT_EQ(c.Cargar(id, 1.0, marco::DameBaseDatosLocal()), 1) << id;
    ASSERT_EQ(c.NumeroCampos(), CControlesResultados::kCasillas) << id;
    EXPECT_TRUE(TodasEnlazadas(c)) << id;
    const struct {
      int casilla;
      std::ptrdiff_t lugar;
    } esperados[] = {{3, kRS + 40},     {7, kRS + 200},   {9, kRS + 360},   {10, kRS + 560},  {17, kRS + 888},
                     {21, kRS + 3640},  {22, kRS + 4928}, {28, kRS + 5304}, {31, kRS + 5688}, {36, kRS + 6040},
                     {41, kRS + 6272},  {42, kRS + 6344}, {43, kRS + 6384}, {44, kRS + 6424}, {45, kRS + 6536},
                     {46, kRS + 6648},  {47, kId + 105}};
    for (const auto& e : esperados) EXPECT_EQ(Lugar(c, e.casilla), e.lugar) << id << " box " << e.casilla;
    EXPECT_EQ(c.CampoDeNumero(17)->Enlace, Octeto(*m_datos, kRS + 928));
    EXPECT_EQ(c.CampoDeNumero(48)->Dato, m_ejemplar);
  }
}

TEST_F(PaginasFinalesTest, CadaCasillaDeResultadosLanzaSuPasoDeLiquidacion) {
  const struct {
    int casilla, instancia;
  } casos[] = {{7, 2},  {9, 2},  {16, 4}, {21, 4}, {26, 4}, {27, 4}, {29, 4}, {30, 4}, {34, 5},
               {36, 5}, {41, 5}, {10, 0}, {28, 0}, {44, 0}, {45, 0}, {1, 0},  {48, 0}};
  for (const auto& c : casos) {
    EXPECT_EQ(CControlesResultados::InstanciaDeCasilla(c.casilla), c.instancia) << c.casilla;
  }
  CControlesResultados r;
  r.PonerDatos(m_datos.get(), Cabecera());
  EXPECT_EQ(r.CalcularCasilla(10), 0);
  EXPECT_EQ(r.CalcularCasilla(7), 1);
  CControlesLiquidacion l;
  l.PonerDatos(m_datos.get(), Cabecera());
  EXPECT_EQ(l.CalcularCasilla(3), 1);
  EXPECT_EQ(l.CalcularCasilla(4), 0);
}

TEST_F(PaginasFinalesTest, LasCasillasQueRestanYSumanSoloSeAbrenConUnaMarcaDeLaPersona) {
  CControlesResultados c;
  c.PonerDatos(m_datos.get(), Cabecera());
  m_sujeto = 2;
  ASSERT_EQ(c.Cargar(kIdPaginaORD016, 1.0, marco::DameBaseDatosLocal()), 1);
  for (const int n : {44, 45}) {
    EXPECT_NE(c.CampoDeNumero(n)->SoloLectur, 0) << n;
    EXPECT_EQ(c.CampoDeNumero(n)->Marca, 0) << n;
  }
  *Octeto(*m_datos, kId + kDespMarcaDiferenciaB + 1) = 1;
  c.Refrescar();
  for (const int n : {44, 45}) {
    EXPECT_EQ(c.CampoDeNumero(n)->SoloLectur, 0) << n;
    EXPECT_EQ(c.CampoDeNumero(n)->Marca, 1) << n;
  }
  // Another person's mark does not open them.
  m_sujeto = 3;
  c.Refrescar();
  EXPECT_NE(c.CampoDeNumero(44)->SoloLectur, 0);
}

// The regional deductions are the same page on both forms: every region's total the calculation leaves (872, 1168
// and 1272 too), and every deduction's entries as its detail.
TEST_F(PaginasFinalesTest, LasDeduccionesAutonomicasSonLaMismaPaginaEnLasDosFormas) {
  for (const int id : {kIdPaginaORD013, kIdPaginaSIM005}) {
    CControlesORD013 c;
    c.PonerDatos(m_datos.get(), Cabecera());
    ASSERT_EQ(c.Cargar(id, 1.0, marco::DameBaseDatosLocal()), 1) << id;
    ASSERT_EQ(c.NumeroCampos(), CControlesORD013::kCasillas) << id;
    const struct {
      int casilla;
      std::ptrdiff_t lugar;
    } totales[] = {{10, kN + 496},  {16, kN + 872},  {19, kN + 1088}, {21, kN + 1168}, {23, kN + 1272},
                   {28, kN + 1640}, {32, kN + 2248}, {35, kN + 1944}, {46, kN + 2880}};
    for (const auto& t : totales) EXPECT_EQ(Lugar(c, t.casilla), t.lugar) << id << " box " << t.casilla;
    EXPECT_EQ(c.CampoDeNumero(6)->Enlace, Octeto(*m_datos, kN + 160)) << id;
    EXPECT_EQ(c.CampoDeNumero(38)->Enlace, Octeto(*m_datos, kN + 2368)) << id;
    EXPECT_EQ(c.CampoDeNumero(38)->NombreVent, "IDD_NACHIJOS*3") << id;
  }
}

// The amounts the final difference subtracts and adds are their entries by person: a common entry halved between
// declarant and spouse; the family unit gets the sum of the entries it subtracts, and the joint declaration's own
// amount of those it adds. A committed box 44 or 45 sums them and asks for the whole recalculation.
TEST_F(PaginasFinalesTest, LoQueRestaYSumaLaDiferenciaFinalSonSusEntradas) {
  const auto entrada = [&](std::size_t desp, int e, std::uint8_t titular, double importe) {
    *Octeto(*m_datos, kRS + desp + 16 * e) = titular;
    EscribirDoble(*m_datos, kRS + desp + 16 * e + 8, importe);
  };
  entrada(6464, 0, 1, 1001.0);
  entrada(6464, 1, 2, 300.0);
  entrada(6464, 2, 4, 50.0);
  entrada(6576, 0, 3, 200.0);
  EscribirDoble(*m_datos, kRS + 6576 + 64, 700.0);
  // An amount that is not a number counts for nothing.
  entrada(6576, 1, 2, std::nan(""));
  CControlesResultados c;
  c.PonerDatos(m_datos.get(), Cabecera());
  EXPECT_EQ(c.CalcularCasilla(44), 1);
  const double resta[] = {1351.0, 801.0, 501.0, 50.0, 0.0};
  const double suma[] = {700.0, 0.0, 200.0, 0.0, 0.0};
  for (std::size_t k = 0; k < 5; ++k) {
    EXPECT_EQ(LeerDoble(*m_datos, kRS + 6424 + 8 * k), resta[k]) << k;
    EXPECT_EQ(LeerDoble(*m_datos, kRS + 6536 + 8 * k), suma[k]) << k;
  }
  EXPECT_EQ(c.CalcularCasilla(45), 1);
}

// ---- the payment page ----

class PagoTest : public PaginasFinalesTest {
 protected:
  void Cargar() {
    m_sujeto = 2;
    m_validador.PonerDatosRenta(m_datos.get());
    m_controles.PonerDatos(m_datos.get(), Cabecera(), &m_validador);
    ASSERT_EQ(m_controles.Cargar(kIdPaginaORD017, 1.0, marco::DameBaseDatosLocal()), 1);
  }
  // The person's slot (the declarant's) of a byte or a double of RegResultados.
  unsigned char& Marca(std::size_t d) { return *Octeto(*m_datos, kRS + d + 1); }
  double Importe(std::size_t d) { return LeerDoble(*m_datos, kRS + d + 8); }
  void PonerResultado(double r) {
    EscribirDoble(*m_datos, kRS + SMarcasPago::kResultado + 8, r);
    m_controles.Refrescar();
  }
  bool Bloqueada(int n) { return m_controles.CampoDeNumero(n)->SoloLectur != 0; }

  marco::CValidador m_validador;
  CControlesORD017 m_controles;
};

using P = SMarcasPago;

TEST_F(PagoTest, CargaSusCincuentaCasillas) {
  Cargar();
  ASSERT_EQ(m_controles.NumeroCampos(), kCasillasORD017);
  EXPECT_TRUE(TodasEnlazadas(m_controles));
  EXPECT_EQ(Lugar(m_controles, 20), static_cast<std::ptrdiff_t>(kRS + 6384));
  EXPECT_EQ(Lugar(m_controles, 23), static_cast<std::ptrdiff_t>(kRS + 6693));
  EXPECT_EQ(Lugar(m_controles, 44), static_cast<std::ptrdiff_t>(kRS + 7060));
  EXPECT_EQ(Lugar(m_controles, 49), static_cast<std::ptrdiff_t>(kId + 105));
  // Box 21 shows the page's own copy of the final differences.
  EXPECT_EQ(Lugar(m_controles, 21), -2);
}

TEST_F(PagoTest, UnResultadoPositivoSinEleccionSePagaDeUnaVezEnEfectivo) {
  Cargar();
  PonerResultado(1000.0);
  EXPECT_EQ(Marca(P::kA1), 1);
  EXPECT_EQ(Marca(P::kB1), 1);
  EXPECT_EQ(Importe(P::kPrimerImporte), 1000.0);
  EXPECT_EQ(Importe(P::kSegundoImporte), 0.0);
  for (const int n : {31, 32, 34, 35, 36, 37, 27, 28, 29, 30, 38, 39, 41}) EXPECT_TRUE(Bloqueada(n)) << n;
  for (const int n : {22, 23, 25, 26}) EXPECT_FALSE(Bloqueada(n)) << n;
}

TEST_F(PagoTest, EnDosPlazosElPrimeroEsElSesentaPorCiento) {
  Cargar();
  Marca(P::kA2) = 1;
  PonerResultado(1000.0);
  EXPECT_EQ(Marca(P::kA1), 0);
  EXPECT_EQ(Importe(P::kPrimerImporte), 600.0);
  // The second instalment not charged to an account (the default) shows no amount.
  EXPECT_EQ(Marca(P::kC1), 1);
  EXPECT_EQ(Importe(P::kSegundoImporte), 0.0);
  EXPECT_TRUE(Bloqueada(34));
  // Charged to account 2: its amount and its account open; account 1 is copied into an empty account 2.
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[0] + 4), "2100", 4);
  Marca(P::kC2) = 1;
  ASSERT_EQ(m_controles.AplicarDependencia(32), 1);
  m_controles.AvisoCampo(0);
  EXPECT_EQ(Marca(P::kC1), 0);
  EXPECT_EQ(Importe(P::kSegundoImporte), 400.0);
  EXPECT_FALSE(Bloqueada(34));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Octeto(*m_datos, kRS + P::kCuentas[1] + 4)), 4), "2100");
}

TEST_F(PagoTest, UnResultadoCeroLoBorraTodoYUnoNegativoSeDevuelve) {
  Cargar();
  Marca(P::kA1) = 1;
  Marca(P::kB2) = 1;
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[0] + 4), "2100", 4);
  PonerResultado(0.0);
  for (const std::size_t m : {P::kA1, P::kA2, P::kB1, P::kB2, P::kC1, P::kC2, P::kD1, P::kD2}) {
    EXPECT_EQ(Marca(m), 0) << m;
  }
  EXPECT_EQ(Importe(P::kPrimerImporte), 0.0);
  EXPECT_EQ(*Octeto(*m_datos, kRS + P::kCuentas[0] + 4), 0) << "account 1 cleared";
  for (const int n : {22, 23, 25, 26, 27, 30, 31, 32, 34, 37}) EXPECT_TRUE(Bloqueada(n)) << n;

  PonerResultado(-250.0);
  EXPECT_EQ(Importe(P::kDevolucion), 250.0);
  EXPECT_EQ(Marca(P::kD2), 1);
  for (const int n : {38, 39, 41, 44}) EXPECT_FALSE(Bloqueada(n)) << n;
  // A refund without an account locks account 3 and clears it.
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[2] + 4), "0049", 4);
  Marca(P::kD1) = 1;
  ASSERT_EQ(m_controles.AplicarDependencia(38), 1);
  m_controles.AvisoCampo(0);
  EXPECT_EQ(Marca(P::kD2), 0);
  EXPECT_TRUE(Bloqueada(41));
  EXPECT_EQ(*Octeto(*m_datos, kRS + P::kCuentas[2] + 4), 0);
}

TEST_F(PagoTest, ConUnaMarcaDeLaPersonaNoSeFracciona) {
  marco::CGuionMensajes guion;
  Cargar();
  *Octeto(*m_datos, kId + kDespMarcaDiferenciaA + 1) = 1;
  EscribirDoble(*m_datos, kRS + P::kDiferencia + 8, 700.0);
  PonerResultado(700.0);
  EXPECT_EQ(Marca(P::kA1), 1);
  EXPECT_EQ(Importe(P::kPrimerImporte), 700.0);
  Marca(P::kA2) = 1;
  EXPECT_EQ(m_controles.AplicarDependencia(23), 1);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{std::string(kMensajeSinFraccionar)}));
  EXPECT_EQ(Marca(P::kA1), 1) << "nothing changed";
  m_controles.AvisoCampo(0);
  EXPECT_EQ(Marca(P::kA2), 0);
  EXPECT_TRUE(Bloqueada(23));
}

TEST_F(PagoTest, UnaMarcaBorradaDaPasoASuPareja) {
  Cargar();
  const struct {
    int casilla;
    std::size_t pareja;
  } casos[] = {{23, P::kA1}, {25, P::kB2}, {26, P::kB1}, {31, P::kC2}, {32, P::kC1}, {38, P::kD2}, {39, P::kD1}};
  for (const auto& c : casos) {
    Marca(c.pareja) = 0;
    EXPECT_EQ(m_controles.MarcaBorrada(c.casilla), 1) << c.casilla;
    EXPECT_EQ(Marca(c.pareja), 1) << c.casilla;
  }
  EXPECT_EQ(m_controles.MarcaBorrada(20), 0);
}

TEST_F(PagoTest, UnaCuentaQueNoPasaLaComprobacionBorraSoloLaParteEscrita) {
  marco::CGuionMensajes guion;
  Cargar();
  PonerResultado(1000.0);
  Marca(P::kB1) = 0;
  Marca(P::kB2) = 1;
  m_controles.AvisoCampo(0);
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[0] + 4), "1234", 4);
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[0] + 20 + 4), "5678", 4);
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[0] + 40 + 2), "99", 2);
  std::memcpy(Octeto(*m_datos, kRS + P::kCuentas[0] + 50 + 10), "0000000001", 10);
  EXPECT_EQ(m_controles.ComprobarCuenta(28), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Octeto(*m_datos, kRS + P::kCuentas[0] + 20 + 4)), 4), "    ");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(Octeto(*m_datos, kRS + P::kCuentas[0] + 4)), 4), "1234");
  EXPECT_EQ(m_controles.ComprobarCuenta(20), 1) << "not an account box";
}

TEST_F(PaginasFinalesTest, LaCopiaImpresaDelPagoNoTieneLaMarcaDelSegundoPlazo) {
  m_sujeto = 2;
  CControlesORD018 c;
  c.PonerDatos(m_datos.get(), Cabecera());
  ASSERT_EQ(c.Cargar(kIdPaginaORD018, 1.0, marco::DameBaseDatosLocal()), 1);
  ASSERT_EQ(c.NumeroCampos(), kCasillasORD018);
  EXPECT_TRUE(TodasEnlazadas(c));
  EXPECT_EQ(Lugar(c, 21), static_cast<std::ptrdiff_t>(kRS + 6648));
  EXPECT_EQ(Lugar(c, 22), static_cast<std::ptrdiff_t>(kRS + 6688));
  EXPECT_EQ(Lugar(c, 23), static_cast<std::ptrdiff_t>(kRS + 6808));
  EXPECT_EQ(Lugar(c, 48), static_cast<std::ptrdiff_t>(kId + 105));
  EXPECT_EQ(c.CampoDeNumero(49)->Dato, m_ejemplar);
}

// ---- a filled declaration ----

// The text an amount box shows for a whole amount: thousands split with ".", no decimals.
std::string ConMiles(double importe) {
  std::string digitos = std::to_string(static_cast<long long>(std::llround(std::fabs(importe))));
  std::string texto;
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) texto += '.';
    texto += digitos[i];
  }
  return texto;
}

TEST_F(PaginasFinalesTest, UnaDeclaracionLlenaMuestraSuResultadoEnLaPaginaYEnElBorrador) {
  ClasesPaginasFinales();
  ordinaria::ClasesPaginasD100();
  CRentaDoc doc;
  std::int32_t sujeto = 2;
  doc.PonerSujetoActual(sujeto);
  marco::PublicarSujetoActual(&sujeto);
  DatosRenta& d = doc.Datos();
  // 3,000,000 of salary from one payer, 450,000 withheld; the declarant present, region code 01.
  d.Identificacion.octetos[1] = 1;
  std::memcpy(d.DatosFamilia.octetos + 48, "01", 2);
  std::memcpy(d.DatosFamilia.octetos + 80, "01", 2);
  d.RendTrabajo.octetos[40] = 2;
  EscribirDoble(d, kRT + 40 + 8, 3000000.0);
  EscribirDoble(d, kRT + 40 + 16, 450000.0);
  doc.Calcular();
  // The result of the declaration for the declarant (the payment page reads it).
  const double resultado = LeerDoble(d, kRS + 6384 + 8);
  const double retenciones = LeerDoble(d, kRS + 5728 + 8);
  EXPECT_EQ(retenciones, 450000.0);
  EXPECT_NE(resultado, 0.0);
  std::cout << "result " << resultado << ", quota after deductions " << LeerDoble(d, kRS + 5688 + 8) << "\n";

  // The results page of D-101 (page 7) and of D-100 (page 16), as the draft makes them, show it.
  CFuenteBorradorRenta fuente(doc);
  for (const int id : {kIdPaginaSIM007, kIdPaginaORD016}) {
    const auto campos = fuente.CrearCampos(id);
    ASSERT_NE(campos, nullptr) << id;
    marco::CCampo* caja = campos->CampoDeNumero(43);
    ASSERT_NE(caja, nullptr);
    EXPECT_EQ(caja->Dato, d.Resultados.octetos + 6384);
    caja->ActualizarTexto({2, 'e'});
    EXPECT_NE(caja->Texto.find(ConMiles(resultado)), std::string::npos) << caja->Texto;
    marco::CCampo* retenidas = campos->CampoDeNumero(32);
    retenidas->ActualizarTexto({2, 'e'});
    EXPECT_NE(retenidas->Texto.find("450.000"), std::string::npos) << retenidas->Texto;
  }
  // The payment page takes the result: a refund, or an amount to pay.
  const auto pago = fuente.CrearCampos(kIdPaginaORD017);
  ASSERT_NE(pago, nullptr);
  const double devolucion = LeerDoble(d, kRS + SMarcasPago::kDevolucion + 8);
  const double primero = LeerDoble(d, kRS + SMarcasPago::kPrimerImporte + 8);
  const double r = LeerDoble(d, kRS + SMarcasPago::kResultado + 8);
  if (r < 0) {
    EXPECT_EQ(devolucion, -r);
  } else {
    EXPECT_EQ(primero, r);
  }
  // The draft's pages are bound: page 2 of D-101 shows the salary.
  const auto pagina2 = fuente.CrearCampos(102);
  ASSERT_NE(pagina2, nullptr);
  int enlazadas = 0;
  for (int i = 0; i < pagina2->NumeroCampos(); ++i) {
    if (pagina2->Campo(i) != nullptr && pagina2->Campo(i)->Dato != nullptr) ++enlazadas;
  }
  EXPECT_GT(enlazadas, pagina2->NumeroCampos() / 2);
  // A page no form has: none, and no message.
  marco::CGuionMensajes guion;
  EXPECT_EQ(fuente.CrearCampos(219), nullptr);
  marco::PaginaInfo info;
  EXPECT_EQ(fuente.LeerPagina(299, info), 0);
  EXPECT_TRUE(guion.Codigos().empty());
  marco::PublicarSujetoActual(&m_sujeto);
}

TEST_F(PaginasFinalesTest, LaPrimeraPaginaImpresaSeCargaDeLasTablasYEnlazaSusVeintiunaCasillas) {
  CRentaDoc doc;
  CControlesPAGPDF campos;
  campos.PonerDocumento(&doc);
  ASSERT_EQ(campos.Cargar(kIdPaginaPdf, 1.0, marco::DameBaseDatosLocal()), 1);
  ASSERT_EQ(campos.NumeroCampos(), CControlesPAGPDF::kCasillas);
  campos.Refrescar();
  EXPECT_TRUE(TodasEnlazadas(campos));
}

}  // namespace
