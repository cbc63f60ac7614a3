// The road of a regional deduction on both forms: a D-100 and a D-101 of a declarant alone of community 04 with a
// salary, stored in an earlier session, are opened from the index one after the other; on the page of the regional
// deductions (page 13 of the D-100, page 5 of the D-101) a deduction is entered through its detail window, the box
// shows the deduction the calculation gives, Ctrl+G stores the entry, and the stored liquidation takes the
// deduction from the regional quota.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "ximardol.h"

namespace {

using e2e::CCamino;
using e2e::Digitos;

constexpr const char* kClaveOrdinaria = "ORDINARIA AUTONOMICA";
constexpr const char* kClaveSimplificada = "SIMPLIFICADA AUTONOMICA";
// The caption of the detail windows of community 04 (the boxes' window title in data/paginas/ORD013.txt).
constexpr const char* kTituloComunidad04 = "Deducciones de la comunidad 04";

// The family data a declarant alone leaves (single, no children, born in 1960, community 04) and a salary of
// 1,500,000 from one payer: the bases stay below the limit of the community's deductions, and the regional quota
// is above them.
constexpr std::size_t kFamilia = offsetof(DatosRenta, DatosFamilia);
constexpr double kSalario = 1500000.0;
// Section N: the declarant's count of community 04's first deduction (box 6's detail) and the deduction by person
// (box 6), the amounts of its second deduction (box 7's detail: common, declarant, spouse) and that deduction.
constexpr std::size_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::size_t kDeclarante = sizeof(double) * (marco::kSujetoDeclarante - 1);
constexpr std::size_t kCuentaDeclarante = kN + 168;
constexpr std::size_t kDeduccionCasilla6 = kN + 120 + kDeclarante;
constexpr std::size_t kImporteDeclarante = kN + 256;
constexpr std::size_t kDeduccionCasilla7 = kN + 208 + kDeclarante;
// The liquidation: the second quota's total, the sum of all deductions, the deductions taken only from the second
// quota (A and B) and the second quota after deductions, by person.
constexpr std::size_t kRS = offsetof(DatosRenta, Resultados);
constexpr std::size_t kCuota2 = offsetof(DatosRenta, Liquidacion) + 1160 + kDeclarante;
constexpr std::size_t kSumaDeducciones = kRS + 560 + kDeclarante;
constexpr std::size_t kSoloAutonomicaA = kRS + 600 + kDeclarante;
constexpr std::size_t kSoloAutonomicaB = kRS + 640 + kDeclarante;
constexpr std::size_t kCuotaLiquida2 = kRS + 720 + kDeclarante;

e2e::SDeclaracionGuardada Declaracion(const char* clave, int tipodec) {
  auto d = e2e::SDeclaracionGuardada::Nueva(clave, tipodec, sizeof(DatosRenta));
  d.PonerTexto(e2e::declaracion::kAnioNacimiento, "1960");
  d.PonerTexto(kFamilia + 80, "04");
  e2e::declaracion::PonerSalario(d, kSalario);
  return d;
}

class CaminoAutonomicas : public e2e::CPasoDe<CaminoAutonomicas> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion(kClaveOrdinaria, 2), Declaracion(kClaveSimplificada, 1)});
  }

 protected:
  // `cifra` typed into the box that has the focus: its first character opens the detail window and goes on into the
  // window's field of the person shown (the declarant's), the rest follow it there once the window is up;
  // "&Aceptar" closes it.
  ::testing::AssertionResult EntrarEnDetalle(const std::string& casilla, const std::string& cifra) {
    E().Escribir(cifra.substr(0, 1));
    if (!C().VentanaDelante(kTituloComunidad04, "the detail window of " + casilla)) {
      return ::testing::AssertionFailure() << casilla << " did not open its detail window";
    }
    if (cifra.size() > 1) E().Escribir(cifra.substr(1));
    E().Tecla("alt+a");
    if (!E().EsperarSinVentana(kTituloComunidad04)) {
      return ::testing::AssertionFailure() << "the detail window of " << casilla << " did not close on Aceptar";
    }
    return ::testing::AssertionSuccess();
  }

  // The stored liquidation of the declarant takes `deduccion` from the regional quota only: it is among the
  // deductions of the second quota, and that quota after deductions is its total less them (rounded, never below 0).
  void LaLiquidacionLaTomaDeLaCuotaAutonomica(const e2e::SDeclaracionGuardada& fila, double deduccion) {
    const double soloA = fila.Importe(kSoloAutonomicaA).value_or(-1.0);
    EXPECT_GE(soloA, deduccion) << "the deduction is not among those of the regional quota";
    const double cuota2 = fila.Importe(kCuota2).value_or(0.0);
    EXPECT_GT(cuota2, deduccion) << "the salary leaves no regional quota to take the deduction from";
    const double esperada = std::max(0.0, std::floor(cuota2 - fila.Importe(kSumaDeducciones).value_or(0.0) * 0.15 -
                                                     soloA - fila.Importe(kSoloAutonomicaB).value_or(0.0) + 0.5));
    EXPECT_EQ(fila.Importe(kCuotaLiquida2), esperada) << "the regional quota after deductions";
  }
};

TEST_F(CaminoAutonomicas, LaDeclaracionOrdinariaSeAbreDesdeElIndice) {
  ASSERT_TRUE(C().AbrirDesdeIndice(kClaveOrdinaria));
  C().Alcanzado("ordinaria");
}

// Page 13 opens on the first box of the group of community 04, which the declarant's code opens (box 6); the count
// typed into it goes to the declarant's count of its window.
TEST_F(CaminoAutonomicas, EnLaPagina13LaDeduccionSeEntraEnSuVentana) {
  REQUIERE_PASO(C(), "ordinaria");
  ASSERT_TRUE(C().IrAPagina(13));
  ASSERT_TRUE(EntrarEnDetalle("box 6 of page 13", "1"));
  ASSERT_TRUE(C().CasillaActivaMuestra("10000", "box 6", Digitos));
  C().Alcanzado("deduccion13");
}

TEST_F(CaminoAutonomicas, CtrlGGuardaLaDeduccionYLaLiquidacionLaToma) {
  REQUIERE_PASO(C(), "deduccion13");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClaveOrdinaria, [](const e2e::SDeclaracionGuardada& f) { return f.Importe(kCuentaDeclarante) == 1.0; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, 2);
  EXPECT_EQ(fila->Importe(kDeduccionCasilla6), 10000.0) << "10,000 a person counted";
  LaLiquidacionLaTomaDeLaCuotaAutonomica(*fila, 10000.0);
}

// The same on the D-101: its page 5 is page 13's twin. Box 7 (the next box) takes amounts: the amount typed into it
// goes to the declarant's, the second field of its window (the first is the common amount).
TEST_F(CaminoAutonomicas, EnLaSimplificadaLaPagina5TomaLaDeduccionIgual) {
  REQUIERE_PASO(C(), "ordinaria");
  // "Abrir declaración" (Ctrl+O) closes the open one and shows the index, on the first declaration: Down selects
  // the second, "&Seleccionar" opens it.
  ASSERT_TRUE(E().Tecla("ctrl+o"));
  ASSERT_TRUE(C().VentanaDelante(e2e::titulos::kIndice, "the declaration index"));
  E().Tecla("Down");
  ASSERT_TRUE(C().AbrirDesdeIndice());
  ASSERT_TRUE(C().IrAPagina(5));
  ASSERT_TRUE(C().Tabular(1));
  ASSERT_TRUE(EntrarEnDetalle("box 7 of page 5", "50000"));
  ASSERT_TRUE(C().CasillaActivaMuestra("7500", "box 7", Digitos));
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClaveSimplificada,
      [](const e2e::SDeclaracionGuardada& f) { return f.Importe(kImporteDeclarante) == 50000.0; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, 1);
  EXPECT_EQ(fila->Importe(kDeduccionCasilla7), 7500.0) << "15 per cent of the declarant's amount";
  LaLiquidacionLaTomaDeLaCuotaAutonomica(*fila, 7500.0);
}

}  // namespace
