// The road of the findings list: a declaration without errors, stored in an earlier session, is opened from the
// index; the declarant's NIF is erased on page 1; "&Declaracion", "&Estado de la Declaracion" lists the error; a
// double click on it shows page 1 with the NIF box active; the NIF typed there and the check run again leave no
// error. What the check found is read from the findings table the program writes, what was typed from the store.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "Camino.h"
#include "framework/DocumentoServicios.h"
#include "income/Pago.h"
#include "income/RentaReglas.h"
#include "income/RentaValidacion.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "VALIDACION E2E";
constexpr const char* kNif = "12345678Z";
// The correction is another valid NIF, so that neither the clipboard nor the store can show it by chance.
constexpr const char* kNifCorregido = "87654321X";
// The D-101 page 1, where the declarant's NIF is box 5 (its place 4 in the page's box array).
constexpr int kPaginaIdentificacion = 101;
constexpr const char* kIdCasillaNif = "ZDNID";

// Places in the data area, from the program's headers.
constexpr std::size_t kIdentificacion = offsetof(DatosRenta, Identificacion);
constexpr std::size_t kPersona = marco::kSujetoDeclarante - 1;
constexpr std::size_t kNifDeclarante = kIdentificacion + renta::kDespNif + renta::kAnchoNif * kPersona;
// What page 1 asks of a person besides the name, so that the check has nothing to warn of: a personal datum (one
// character, 9 per person, the slot of person p at 9p), the street of the address (26 per person) and the first
// of the two tax assignments (a byte per person).
constexpr std::size_t kDatoPersonal = kIdentificacion + 0x4af + 9 * marco::kSujetoDeclarante;
constexpr std::size_t kDomicilio = kIdentificacion + 0x302 + 26 * marco::kSujetoDeclarante;
constexpr std::size_t kAsignacion = kIdentificacion + 0x9a9 + marco::kSujetoDeclarante;
// The payment page: both ways chosen (pay at once, refund without account), whichever the result turns out to be.
constexpr std::size_t kResultados = offsetof(DatosRenta, Resultados);

// A D-101 declaration of a single declarant that the check passes: delegation and administration, NIF, name and
// surname, year of birth, and a salary with its withholding.
e2e::SDeclaracionGuardada Declaracion() {
  e2e::SDeclaracionGuardada d;
  d.clave = kClave;
  d.tipodec = 1;
  d.idioma = "e";
  d.datos.assign(sizeof(DatosRenta), 0);
  d.PonerTexto(salida::registro_renta::kCabecera1002, "28MADRID");
  d.PonerTexto(salida::registro_renta::kCabecera1022, "280MADRID CENTRO");
  d.PonerTexto(kNifDeclarante, kNif);
  d.PonerTexto(kIdentificacion + renta::kDespNombre1 + renta::kAnchoNombre * kPersona, "JUAN");
  d.PonerTexto(kIdentificacion + renta::kDespNombre2 + renta::kAnchoNombre * kPersona, "PEREZ");
  d.PonerTexto(offsetof(DatosRenta, DatosFamilia) + 4, "1960");
  d.PonerTexto(kDatoPersonal, "1");
  d.PonerTexto(kDomicilio, "CALLE MAYOR 1");
  d.datos[kAsignacion] = 1;
  d.datos[kResultados + renta::SMarcasPago::kA1 + kPersona] = 1;
  d.datos[kResultados + renta::SMarcasPago::kD1 + kPersona] = 1;
  const double salario = 3000000.0;
  const double retencion = 450000.0;
  const std::size_t pagador = offsetof(DatosRenta, RendTrabajo) + 40;
  d.datos[pagador] = 2;
  d.PonerImporte(pagador + 8, salario);
  d.PonerImporte(pagador + 16, retencion);
  return d;
}


class CaminoValidacion : public e2e::CPasoDe<CaminoValidacion> {
 protected:
  static void SetUpTestSuite() {
    Estado() = std::make_unique<CCamino>("CaminoValidacion", e2e::ConAlmacen({Declaracion()}));
  }

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

TEST_F(CaminoValidacion, ElNifBorradoEsUnErrorDelEstadoDeLaDeclaracion) {
  REQUIERE_PASO(C(), "abierta");
  const auto pagina = C().Pagina(kPaginaIdentificacion);
  ASSERT_TRUE(pagina);
  const auto tabs = pagina->Tabulaciones(pagina->PrimeraEditable(), pagina->NumeroDe(kIdCasillaNif));
  ASSERT_TRUE(tabs) << "the NIF box of page 1 takes no focus";
  ASSERT_TRUE(C().Tabular(*tabs));
  const auto texto = C().TextoCasillaActiva();
  ASSERT_TRUE(texto) << "the NIF box gave nothing to the clipboard";
  ASSERT_EQ(*texto, kNif) << "the walk did not reach the NIF box";
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
  ASSERT_TRUE(C().IrAlPrimerHallazgo());
  ASSERT_TRUE(C().PrincipalActiva());

  // What is typed goes to the box that has the focus: it must be the NIF.
  ASSERT_TRUE(E().Escribir(kNifCorregido));
  const auto texto = C().TextoCasillaActiva();
  ASSERT_TRUE(texto) << "the active box gave nothing to the clipboard";
  EXPECT_EQ(*texto, kNifCorregido) << "the box with the focus does not hold the NIF typed";
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
