// The housing deduction as a person enters it: a new declaration, page 4 of the simplified form, the housing box of
// section M, its dialog with the declarant's investment financed from outside within two years of the purchase,
// and the deduction the calculation gives for it, stored by Ctrl+G. The outcomes are read from data: the page box
// through the clipboard, the stored declaration through the table tool.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

#include "Camino.h"
#include "framework/DocumentoServicios.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::Digitos;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "VIVIENDA E2E";
constexpr const char* kTituloVivienda = "en vivienda habitual$";
constexpr const char* kVentanaVivienda = "IDD_INVERVIVI";
constexpr int kPaginaDeducciones = 104;

// The first housing entry of section M (holder byte, then the investment financed from outside within two years of
// the purchase), and the deduction of the first amounts in the liquidation (an amount per member: total first,
// then the declarant).
constexpr std::size_t kViviendaM = offsetof(DatosRenta, ApartadoM) + 544;
constexpr std::size_t kDeduccionVivienda = offsetof(DatosRenta, Liquidacion) + 1320;
constexpr std::size_t kPasoMiembro = sizeof(double);
constexpr double kInversion = 1000000.0;
// Above 750,000 of first amounts: 15 % of the part above plus 25 % of the first 750,000.
constexpr double kDeduccion = (kInversion - 750000.0) * 0.15 + 187500.0;

class CaminoVivienda : public e2e::CPasoDe<CaminoVivienda> {};

TEST_F(CaminoVivienda, UnaDeclaracionNuevaPasaElAsistente) {
  ASSERT_TRUE(C().AltaDesdeIndice(kClave));
  // Single, no children, born in 1960, community 12; "Aplicar".
  ASSERT_TRUE(C().AsistenteDeclaranteSolo("12"));
  EXPECT_TRUE(C().PrincipalActiva());
  C().Alcanzado("pagina1");
}

TEST_F(CaminoVivienda, LaInversionEnViviendaSeEntraEnSuDialogo) {
  REQUIERE_PASO(C(), "pagina1");
  E().Tecla("ctrl+i");
  ASSERT_TRUE(C().VentanaDelante(titulos::kIrAPagina, "the go-to-page dialog"));
  E().Escribir("4");
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kIrAPagina));
  // The housing boxes are the last boxes of page 4 that take input: Shift+Tab from the box the page opens on goes
  // round to the last of them, and back over each to the first.
  const auto p = C().Pagina(kPaginaDeducciones);
  ASSERT_TRUE(p);
  const auto& casillas = p->Casillas();
  const auto vivienda = std::count_if(casillas.begin(), casillas.end(),
                                      [](const auto& c) { return c.ventana == kVentanaVivienda; });
  ASSERT_GT(vivienda, 0) << "page 4 has no housing box";
  const auto ultimaEditable = std::find_if(casillas.rbegin(), casillas.rend(),
                                           [](const auto& c) { return !c.lectura && c.enPantalla; });
  ASSERT_NE(ultimaEditable, casillas.rend());
  ASSERT_EQ(ultimaEditable->ventana, kVentanaVivienda) << "the housing boxes are no longer the last of page 4";
  for (int i = 0; i < vivienda; ++i) E().Tecla("shift+Tab");
  // Any character typed in a detail box opens its dialog, and goes on into it: the first entry becomes the
  // declarant's (holder "D") and the character is its first amount, the investment financed from outside within
  // two years of the purchase; the digits typed after it follow it there.
  E().Escribir("1");
  ASSERT_TRUE(C().VentanaDelante(kTituloVivienda, "the housing investment dialog"));
  E().Escribir("000000");
  E().Tecla("Tab");
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarSinVentana(kTituloVivienda)) << "the housing dialog did not close with \"&Aceptar\"";
  // The page box shows the first amounts admitted.
  ASSERT_TRUE(C().CasillaActivaMuestra("1000000", "the housing box", Digitos));
  C().Alcanzado("vivienda");
}

TEST_F(CaminoVivienda, LaDeduccionLlegaAlResultadoYSeGuarda) {
  REQUIERE_PASO(C(), "vivienda");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave, [&](const e2e::SDeclaracionGuardada& f) { return f.Importe(kViviendaM + 8).value_or(0.0) == kInversion; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  ASSERT_GT(fila->datos.size(), kDeduccionVivienda + 2 * kPasoMiembro);
  EXPECT_EQ(fila->datos[kViviendaM], marco::kSujetoDeclarante) << "the housing entry's holder";
  EXPECT_EQ(fila->Importe(kViviendaM + 8), kInversion) << "the stored investment";
  EXPECT_EQ(fila->Importe(kDeduccionVivienda), kDeduccion) << "the deduction of the unit";
  EXPECT_EQ(fila->Importe(kDeduccionVivienda + kPasoMiembro), kDeduccion) << "the declarant's deduction";
}

}  // namespace
