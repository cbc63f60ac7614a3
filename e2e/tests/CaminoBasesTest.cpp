// The road through pages 10 to 14 of the ordinary form D-100: a new declaration, the personal data wizard (the
// declarant's community code 17), the form switched to D-100 in the "Declaración" menu, a contribution of the third
// kind of section J typed on page 10 (holder "D" and amount) and its reduction shown there after the recalculation;
// on pages 11, 12 and 13 a deduction box opens its detail window; Ctrl+G stores the declaration, whose taxable-base totals (what page 14 shows) carry the reduction.
// Then page 14 lets Ctrl+I through, and on page 7 an entity of the second kind with option 2 asks whether the holder
// works through it; the answer ticked and accepted is stored in the entity's row.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <thread>

#include "Camino.h"
#include "framework/DocumentoServicios.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::Digitos;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "BASES E2E";
constexpr double kAportacion = 100000.0;

constexpr int kPagina10 = 210;
constexpr int kPagina11 = 211;

// Page 10's boxes (data/paginas/ORD010.txt): the rows of section J wait for their holder, so on a new declaration
// Tab walks only through the balances' holder (3), the two detail boxes of section G (10, 15) and the first holder
// of each group (28, 36, 45).
constexpr int kTabsHastaTitularE = 5;
// From the holder of the third kind's first row: relationship, tax number, amount.
constexpr int kTabsHastaAportacion = 3;

// Where the outcomes lie: the first row of the third kind (holder byte, amount 32 bytes after it), and the
// reduction it gives in the taxable base (per member: total, declarant, ...).
constexpr std::size_t kFilaTerceraClase = offsetof(DatosRenta, ApartadoJ) + 280;
constexpr std::size_t kImporteTerceraClase = kFilaTerceraClase + 32;
constexpr std::size_t kReduccionTerceraClase = offsetof(DatosRenta, BaseImponible) + 1432;
constexpr std::size_t kReduccionesK = offsetof(DatosRenta, ApartadoK) + 0;
// Page 7: the first entity row of section E2 and its answer for option 2.
constexpr int kPagina7 = 207;
constexpr int kCasillaNifEntidad = 9;
constexpr std::size_t kRespuestaOpcion2 = offsetof(DatosRenta, ApartadoE2) + 24 + 24;

class CaminoBases : public e2e::CPasoDe<CaminoBases> {
 protected:
  // A character typed in the box opens its detail window, titled `titulo`; Escape closes it and leaves the box.
  ::testing::AssertionResult VentanaDeDetalle(const std::string& casilla, const std::string& titulo) {
    E().Escribir("1");
    if (!C().VentanaDelante(titulo, "the detail window of " + casilla)) {
      return ::testing::AssertionFailure() << casilla << " did not open its detail window";
    }
    E().Tecla("Escape");
    if (!E().EsperarSinVentana(titulo)) {
      return ::testing::AssertionFailure() << "the detail window of " << casilla << " did not close on Escape";
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(CaminoBases, UnaDeclaracionNuevaPasaAlFormularioOrdinario) {
  ASSERT_TRUE(C().AltaDesdeIndice(kClave));
  // Single, no children, born in 1960, community 17 (the keys of CaminoRenta's wizard).
  ASSERT_TRUE(C().AsistenteDeclaranteSolo("17"));
  ASSERT_TRUE(C().PrincipalActiva());
  // "&Declaración", "&Ordinaria (D-100)".
  E().Tecla("alt+d");
  E().Tecla("o");
  // Page 10 exists only in the ordinary form.
  ASSERT_TRUE(C().IrAPagina(10));
  C().Alcanzado("pagina10");
}

TEST_F(CaminoBases, LaAportacionDeLaPagina10SeGuardaYReduceLaBase) {
  REQUIERE_PASO(C(), "pagina10");
  ASSERT_TRUE(C().Pagina(kPagina10)) << "no page source for page 10";
  ASSERT_TRUE(C().Tabular(kTabsHastaTitularE));
  // The holder box takes the declarant by its letter; the row's other boxes open.
  E().Escribir("D");
  ASSERT_TRUE(C().Tabular(kTabsHastaAportacion));
  E().Escribir("100000");
  ASSERT_TRUE(C().CasillaActivaMuestra("100000", "the amount box", Digitos));
  // Leaving the box stores the row and recalculates.
  E().Tecla("Tab");
  C().Alcanzado("aportacion");
}

TEST_F(CaminoBases, LasDeduccionesAbrenSuVentana) {
  REQUIERE_PASO(C(), "pagina10");
  // Page 11: the housing-investment box (22), three Tab presses after the first box that takes input (7).
  ASSERT_TRUE(C().IrAPagina(11));
  ASSERT_TRUE(C().IrACasilla(kPagina11, 22));
  EXPECT_TRUE(VentanaDeDetalle("box 22 of page 11", "Inversi\xC3\xB3n en vivienda habitual"));
  // Page 12 opens on the first group's amount asked, whose detail is the balance of that group's deductions.
  ASSERT_TRUE(C().IrAPagina(12));
  EXPECT_TRUE(VentanaDeDetalle("box 3 of page 12", "Deducciones: grupo 1"));
  // Page 13 opens on the first box of the group of community 17, open for the declarant's code: its descendants.
  ASSERT_TRUE(C().IrAPagina(13));
  EXPECT_TRUE(VentanaDeDetalle("box 38 of page 13", "Deducciones de la comunidad 17"));
  C().Alcanzado("ventanas");
}

TEST_F(CaminoBases, CtrlGGuardaLaReduccionEnLosTotalesDeLaBase) {
  REQUIERE_PASO(C(), "aportacion");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave,
      [&](const e2e::SDeclaracionGuardada& f) { return f.Importe(kImporteTerceraClase).value_or(0.0) == kAportacion; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, 2) << "the declaration was not stored as a D-100";
  ASSERT_GT(fila->datos.size(), kReduccionTerceraClase + 40);
  EXPECT_EQ(fila->datos[kFilaTerceraClase], marco::kSujetoDeclarante) << "the row's holder";
  EXPECT_EQ(fila->Importe(kImporteTerceraClase), kAportacion) << "the stored contribution";
  // The totals of page 14: the reduction of the third kind, for the declarant and in all, and section K's
  // reductions.
  EXPECT_EQ(fila->Importe(kReduccionTerceraClase), kAportacion);
  EXPECT_EQ(fila->Importe(kReduccionTerceraClase + 8), kAportacion);
  EXPECT_EQ(fila->Importe(kReduccionesK), kAportacion);
}

// Page 14 has no box to type in: the page itself holds the focus, and Ctrl+I (which reaches a window as the Tab
// character) still opens the go-to-page dialog there.
TEST_F(CaminoBases, DesdeLaPaginaSinCasillasCtrlIVaAOtraPagina) {
  REQUIERE_PASO(C(), "ventanas");
  ASSERT_TRUE(C().IrAPagina(14));
  EXPECT_TRUE(C().IrAPagina(15)) << "on page 14 Ctrl+I was taken as a Tab";
}

// The entity's tax number, kind 2 and option 2 typed in its row: the question of the holder's activities comes up
// by itself (it has no caption); Space ticks its one box and "&Aceptar" accepts; Ctrl+G stores the answer in the row.
TEST_F(CaminoBases, LaEntidadDeLaPagina7PreguntaPorLaActividadDelTitular) {
  REQUIERE_PASO(C(), "ventanas");
  ASSERT_TRUE(C().IrAPagina(7));
  ASSERT_TRUE(C().IrACasilla(kPagina7, kCasillaNifEntidad)) << "the entity's tax number";
  E().Escribir("A12345674");
  C().Tabular(1);
  E().Escribir("2");
  C().Tabular(1);
  E().Escribir("2");
  C().Tabular(1);
  std::this_thread::sleep_for(1500ms);
  E().Tecla("space");
  std::this_thread::sleep_for(300ms);
  E().Tecla("alt+a");
  ASSERT_TRUE(C().PrincipalActiva()) << "the question did not close with \"Aceptar\"";
  E().Tecla("ctrl+g");
  std::string motivo;
  const auto respondida = [](const e2e::SDeclaracionGuardada& f) {
    return f.datos.size() > kRespuestaOpcion2 && f.datos[kRespuestaOpcion2] == 1;
  };
  auto fila = C().EsperarGuardada(kClave, respondida, motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->datos[kRespuestaOpcion2], 1) << "the holder's answer for option 2 was not stored";
}

}  // namespace
