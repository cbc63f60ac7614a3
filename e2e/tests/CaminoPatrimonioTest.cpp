// The wealth-tax road: a new D-714 declaration, the declarant's NIF typed on its first page, the name typed in the
// name dialog that the name box opens, Ctrl+G; the stored declaration read back through the table tool.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "Camino.h"
#include "wealth/CamposPatrimonio.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
namespace titulos = e2e::titulos;

constexpr std::size_t kPersonales = offsetof(DatosPatrimonio, PatDatosPersonales);
constexpr std::size_t kNifDeclarante = kPersonales + patrimonio::personales::Nif.desplazamiento;
constexpr std::size_t kApellidos = kPersonales + patrimonio::personales::Apellidos.desplazamiento;
constexpr std::size_t kNombre = kPersonales + patrimonio::personales::Nombre.desplazamiento;

constexpr const char* kClave = "PATRIMONIO E2E";
constexpr const char* kNif = "12345678Z";
constexpr const char* kNombreTecleado = "MARIA";
constexpr const char* kApellidosTecleados = "GARCIA LOPEZ";
constexpr int kTipoPatrimonio = 3;
constexpr int kPaginaDatosPersonales = 301;
constexpr const char* kTituloNombre = "^Nombre y apellidos";

std::string SinRelleno(std::string texto) {
  while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\0')) texto.pop_back();
  return texto;
}

class CaminoPatrimonio : public e2e::CPasoDe<CaminoPatrimonio> {
 protected:
  static void SetUpTestSuite() { Estado() = std::make_unique<CCamino>("CaminoPatrimonio"); }
};

TEST_F(CaminoPatrimonio, UnaDeclaracionNuevaDePatrimonioAbreSuPrimeraPagina) {
  ASSERT_TRUE(C().VentanaDelante(titulos::kIndice, "the declaration index"));
  // The name, "&Patrimonio", "&Alta".
  ASSERT_TRUE(E().Escribir(kClave));
  E().Tecla("alt+p");
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kIndice)) << "the index did not create the declaration";
  EXPECT_TRUE(C().PrincipalActiva());
  std::string motivo;
  const auto fila = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, kTipoPatrimonio);
  C().Alcanzado("pagina1");
}

TEST_F(CaminoPatrimonio, ElNifYElNombreDelDialogoSeGuardanConCtrlG) {
  REQUIERE_PASO(C(), "pagina1");
  const auto pagina = C().Pagina(kPaginaDatosPersonales);
  ASSERT_TRUE(pagina);
  const int nif = pagina->NumeroDe("NIF");
  const auto tabs = pagina->Tabulaciones(pagina->PrimeraEditable(), nif);
  ASSERT_TRUE(tabs);
  C().Tabular(*tabs);
  E().Escribir(kNif);
  const auto texto = C().TextoCasillaActiva();
  ASSERT_TRUE(texto) << "the NIF box gave nothing to the clipboard";
  EXPECT_EQ(*texto, kNif);
  // The next box is the name: a character typed there opens the name dialog.
  const auto siguiente = pagina->Tabulaciones(nif, nif + 1);
  ASSERT_TRUE(siguiente);
  C().Tabular(*siguiente);
  // The dialog asks the surnames first, as the page's label reads, and keeps the character that opened it.
  const std::string apellidos = kApellidosTecleados;
  E().Escribir(apellidos.substr(0, 1));
  ASSERT_TRUE(C().VentanaDelante(kTituloNombre, "the name dialog"));
  E().Escribir(apellidos.substr(1));
  E().Tecla("Tab");
  E().Escribir(kNombreTecleado);
  E().Tecla("Tab");
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarSinVentana(kTituloNombre)) << "the name dialog did not close with \"&Aceptar\"";

  E().Tecla("ctrl+g");
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave, [&](const e2e::SDeclaracionGuardada& f) { return f.Texto(kNifDeclarante, 9) == kNif; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, kTipoPatrimonio);
  EXPECT_EQ(fila->Texto(kNifDeclarante, 9), kNif) << "the stored NIF";
  EXPECT_EQ(SinRelleno(fila->Texto(kNombre, patrimonio::personales::Nombre.ancho)), kNombreTecleado);
  EXPECT_EQ(SinRelleno(fila->Texto(kApellidos, patrimonio::personales::Apellidos.ancho)), kApellidosTecleados);
  EXPECT_TRUE(C().Programa().Vivo());
}

}  // namespace
