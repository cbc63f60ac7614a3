// The road of the findings list: a D-101 declaration stored in an earlier session with a pension-plan contribution
// above the maximum of the declarant's age is opened from the index; "&Declaracion", "&Estado de la Declaracion"
// lists the error on its page 4 box; one double click shows page 4 (never shown before) with that box active, which
// holds the contribution; the amount corrected there and the check run again leave an empty list. Then the
// declarant's NIF is erased on page 1; the check lists the error; a double click on it brings page 1 (open behind
// page 4) to the front with the NIF box active; the NIF typed there and the check run again leave no error. What
// the check found is read from the findings table the program writes, what was typed from the store and from the
// boxes themselves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "income/Pago.h"
#include "income/RentaReglas.h"
#include "income/RentaValidacion.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::kNif;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "VALIDACION E2E";
// The correction is another valid NIF, so that neither the clipboard nor the store can show it by chance.
constexpr const char* kNifCorregido = "87654321X";
// The D-101 page 1, where the declarant's NIF is box 5 (its place 4 in the page's box array).
constexpr int kPaginaIdentificacion = 101;
constexpr const char* kIdCasillaNif = "ZDNID";

// The declarant's NIF in the data area.
constexpr std::size_t kNifDeclarante = e2e::declaracion::kNifDeclarante;
// The declarant's first row of pension-plan contributions (section J): the holder's code and the contribution, and
// the page of the simplified form that shows it (page 4 in the form's list).
constexpr std::size_t kPlanPensiones = offsetof(DatosRenta, ApartadoJ);
constexpr std::size_t kAportacionPlan = kPlanPensiones + 16;
constexpr int kPaginaPlanes = 4;
// Above the maximum of any age of the year; the correction lies within the declarant's limit of reduction (a
// fifth of the salary's net income), so that nothing is left to warn of.
constexpr double kAportacionExcesiva = 3000000.0;
constexpr double kAportacionCorregida = 100000.0;

// A D-101 declaration of a single declarant that the check passes: delegation and administration, NIF, name and
// surname, year of birth, and a salary with its withholding.
e2e::SDeclaracionGuardada Declaracion() {
  auto d = e2e::SDeclaracionGuardada::Nueva(kClave, 1, sizeof(DatosRenta));
  e2e::declaracion::PonerOficinas(d, "28MADRID", "618HORTALEZA");
  e2e::declaracion::PonerDeclarante(d, kNif);
  e2e::declaracion::PonerDatosComprobados(d);
  e2e::declaracion::PonerSalario(d, 3000000.0, 450000.0);
  d.datos[kPlanPensiones] = static_cast<char>(marco::kSujetoDeclarante);
  d.PonerImporte(kAportacionPlan, kAportacionExcesiva);
  return d;
}

class CaminoValidacion : public e2e::CPasoDe<CaminoValidacion> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion()});
  }

 protected:
  // The findings the program stored for the road's declaration, once they satisfy `condicion` (the list shows
  // what is stored, so it is there by the time the list is up; the wait only covers a slow disk).
  template <typename F>
  std::vector<e2e::SHallazgoGuardado> Hallazgos(F&& condicion, std::string& motivo) {
    return C().EsperarHallazgos(kClave, condicion, motivo);
  }
};

TEST_F(CaminoValidacion, LaDeclaracionSeAbreDesdeElIndice) {
  ASSERT_TRUE(C().AbrirDesdeIndice(kClave));
  C().Alcanzado("abierta");
}

TEST_F(CaminoValidacion, LaAportacionPorEncimaDelMaximoLlevaASuCasillaYCorregidaDejaLaListaVacia) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(C().EstadoDeLaDeclaracion()) << "\"Estado de la Declaracion\" did not show the findings list";
  std::string motivo;
  const auto hallazgos =
      Hallazgos([](const auto& h) { return e2e::Errores(h).find("100R147") != std::string::npos; }, motivo);
  ASSERT_TRUE(motivo.empty()) << motivo;
  // The contribution is the only error, and the first finding by code: the list opens on it. It names the page of
  // the simplified form that shows the declarant's contributions, and that page's box.
  const auto exceso = std::find_if(hallazgos.begin(), hallazgos.end(), [](const auto& h) { return h.codigo == "100R147"; });
  ASSERT_NE(exceso, hallazgos.end());
  EXPECT_EQ(exceso->vista, kPaginaPlanes);
  EXPECT_EQ(e2e::Errores(hallazgos),
            " 100R147 (" + std::to_string(exceso->vista) + ", " + std::to_string(exceso->numcontr) + ")");

  // One double click: page 4, which was never shown, comes up with that box active; what the box holds is the
  // contribution stored.
  ASSERT_TRUE(C().IrAlPrimerHallazgo());
  ASSERT_TRUE(C().PrincipalActiva());
  const auto texto = C().TextoCasillaActiva();
  ASSERT_TRUE(texto) << "the active box gave nothing to the clipboard";
  EXPECT_EQ(e2e::Digitos(*texto), "3000000") << "the box with the focus is not the contribution: \"" << *texto << "\"";

  // The amount corrected there, and the check run again: nothing is left in the list.
  E().Teclas({"Home", "shift+End", "BackSpace"});
  E().Escribir("100000");
  E().Tecla("Tab");
  ASSERT_TRUE(C().EstadoDeLaDeclaracion()) << "\"Estado de la Declaracion\" did not show the findings list again";
  const auto despues = Hallazgos([](const auto& h) { return h.empty(); }, motivo);
  std::string todos;
  for (const auto& h : despues) todos += " " + h.codigo;
  EXPECT_TRUE(despues.empty()) << "findings left after the correction:" << todos;
  E().Tecla("Escape");
  EXPECT_TRUE(E().EsperarSinVentana(titulos::kHallazgos));

  // Stored, the contribution is the one typed: the box the finding led to was the declarant's contribution.
  E().Tecla("ctrl+g");
  auto fila = C().EsperarGuardada(
      kClave, [&](const e2e::SDeclaracionGuardada& f) { return f.Importe(kAportacionPlan) == kAportacionCorregida; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->Importe(kAportacionPlan), kAportacionCorregida);
  if (!HasFailure()) C().Alcanzado("planes");
}

TEST_F(CaminoValidacion, ElNifBorradoEsUnErrorDelEstadoDeLaDeclaracion) {
  REQUIERE_PASO(C(), "abierta");
  // Page 1 again (page 4 stays open behind it).
  ASSERT_TRUE(C().IrAPagina(1));
  const auto pagina = C().Pagina(kPaginaIdentificacion);
  ASSERT_TRUE(pagina);
  ASSERT_TRUE(C().IrACasilla(kPaginaIdentificacion, kIdCasillaNif));
  ASSERT_TRUE(C().CasillaActivaMuestra(kNif, "the NIF box")) << "the walk did not reach the NIF box";
  // The person erases it, leaves the box and saves (Ctrl+G): the stored NIF is blank.
  E().Teclas({"Home", "shift+End", "Delete"});
  E().Tecla("Tab");
  E().Tecla("ctrl+g");
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave,
      [&](const e2e::SDeclaracionGuardada& f) {
        return f.Texto(kNifDeclarante, 9).find_first_not_of(std::string(" \0", 2)) == std::string::npos;
      },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  ASSERT_EQ(fila->Texto(kNifDeclarante, 9).find_first_not_of(std::string(" \0", 2)), std::string::npos)
      << "the NIF was not erased: \"" << fila->Texto(kNifDeclarante, 9) << "\"";

  // Page 4 in front, page 1 behind it, when the list comes up.
  if (C().HaAlcanzado("planes")) {
    ASSERT_TRUE(C().IrAPagina(kPaginaPlanes));
  }
  ASSERT_TRUE(C().EstadoDeLaDeclaracion()) << "\"Estado de la Declaracion\" did not show the findings list";
  auto hallazgos = Hallazgos([](const auto& h) { return !e2e::Errores(h).empty(); }, motivo);
  ASSERT_FALSE(hallazgos.empty()) << "no finding stored: " << motivo;
  // The list shows them by code, and the double click of the next step takes its first row.
  std::sort(hallazgos.begin(), hallazgos.end(), [](const auto& a, const auto& b) { return a.codigo < b.codigo; });
  // The missing NIF is the first finding: page 1, box 4 (the NIF's place in the page's boxes), an error.
  std::string todos;
  for (const auto& h : hallazgos) todos += " " + h.codigo;
  EXPECT_EQ(hallazgos.front().codigo, "104R002") << "the findings by code:" << todos;
  EXPECT_EQ(hallazgos.front().vista, 1);
  EXPECT_EQ(hallazgos.front().numcontr, pagina->NumeroDe(kIdCasillaNif) - 1);
  EXPECT_GE(hallazgos.front().severidad, 1);
  C().Alcanzado("lista");
}

TEST_F(CaminoValidacion, ElDobleClicLlevaALaCasillaYLaCorreccionQuitaElError) {
  REQUIERE_PASO(C(), "lista");
  // Page 4 was in front when the list came up (page 1, with the NIF, behind it): the double click brings page 1
  // forward too.
  ASSERT_TRUE(C().IrAlPrimerHallazgo());
  ASSERT_TRUE(C().PrincipalActiva());

  // What is typed goes to the box that has the focus: it must be the NIF.
  ASSERT_TRUE(E().Escribir(kNifCorregido));
  ASSERT_TRUE(C().CasillaActivaMuestra(kNifCorregido, "the active box"))
      << "the box with the focus does not hold the NIF typed";
  E().Tecla("Tab");

  ASSERT_TRUE(C().EstadoDeLaDeclaracion()) << "\"Estado de la Declaracion\" did not show the findings list again";
  std::string motivo;
  const auto hallazgos = Hallazgos([](const auto& h) { return e2e::Errores(h).empty(); }, motivo);
  EXPECT_TRUE(motivo.empty()) << motivo;
  EXPECT_EQ(e2e::Errores(hallazgos), "") << "errors left after the correction";
  E().Tecla("Escape");
  EXPECT_TRUE(E().EsperarSinVentana(titulos::kHallazgos));

  // Stored, the NIF is in the declarant's slot: the box the finding led to was the NIF box.
  E().Tecla("ctrl+g");
  auto fila = C().EsperarGuardada(
      kClave, [&](const e2e::SDeclaracionGuardada& f) { return f.Texto(kNifDeclarante, 9) == kNifCorregido; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->Texto(kNifDeclarante, 9), kNifCorregido) << "the NIF typed did not reach the declarant's NIF";
}

}  // namespace
