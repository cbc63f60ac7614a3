// The calculator as a person uses it: a D-101 stored in an earlier session opens from the index. On page 2, F5 in
// box 016 opens the calculator alone (the box's value is the total of its real-estate window, which a figure from
// elsewhere would contradict), and its "Aceptar" leaves the box empty. On page 3, F1 in the first gain box of the
// capital gains says that there is no help file, and F5 there, 1000+2500, Enter and "Aceptar" leave 3500 in the box,
// which Ctrl+G stores. With the declaration closed, "Ver", "Calculadora" opens the calculator alone, Escape closes it
// and nothing changes. Outcomes are read from the box's text and from the stored declaration.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "Camino.h"
#include "DeclaracionRenta.h"
#include "framework/DocumentoServicios.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::Digitos;
using e2e::kNif;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "CALCULADORA E2E";
constexpr int kFormularioSimplificado = 1;
constexpr int kPaginaRendimientos = 102;

// Box 016 of page 2 (its box number 18 on the page): the real-estate income, an amount per member (the total first,
// then the declarant).
constexpr int kCasilla016 = 18;
constexpr std::size_t kInmobiliario = offsetof(DatosRenta, RendCapInmobiliario);
constexpr std::size_t kDeclarante = sizeof(double) * (marco::kSujetoDeclarante - 1);
// The first row of the gains of page 3 (RegApartadoF1, rows of 56 bytes): the holder byte, and the gain of the
// general part at +24.
constexpr std::size_t kFilaGanancias = offsetof(DatosRenta, ApartadoF1);
constexpr std::size_t kGananciaGeneral = kFilaGanancias + 24;
constexpr double kCifra = 3500.0;

e2e::SDeclaracionGuardada Declaracion() {
  auto d = e2e::SDeclaracionGuardada::Nueva(kClave, kFormularioSimplificado, sizeof(DatosRenta));
  d.PonerTexto(e2e::declaracion::kNifDeclarante, kNif);
  return d;
}

class CaminoCalculadora : public e2e::CPasoDe<CaminoCalculadora> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion()});
  }

 protected:

  // The calculator in front: `teclas` typed, Enter, then "&Aceptar" (Alt+A: Enter is its "=").
  ::testing::AssertionResult CalcularYAceptar(const std::string& teclas) {
    const auto calculadora = C().VentanaDelante(titulos::kCalculadora, "the calculator");
    if (!calculadora) return ::testing::AssertionFailure() << "F5 did not open the calculator";
    E().Escribir(teclas);
    E().Tecla("Return");
    E().Tecla("alt+a");
    if (!E().EsperarCerrada(calculadora->id)) return ::testing::AssertionFailure() << "\"Aceptar\" left it open";
    return ::testing::AssertionSuccess();
  }
};

TEST_F(CaminoCalculadora, LaDeclaracionSeAbreDesdeElIndice) {
  ASSERT_TRUE(C().AbrirDesdeIndice());
  C().Alcanzado("abierta");
}

TEST_F(CaminoCalculadora, EnLaCasilla016DeLaPagina2LaCalculadoraVaSola) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(C().IrAPagina(2));
  ASSERT_TRUE(C().IrACasilla(kPaginaRendimientos, kCasilla016)) << "box 016";
  E().Tecla("F5");
  ASSERT_TRUE(CalcularYAceptar("1000+2500"));
  // Box 016 takes its value from its window: the figure goes nowhere and the box stays empty.
  const auto texto = C().TextoCasillaActiva();
  EXPECT_EQ(Digitos(texto.value_or("")), "");
  C().Alcanzado("016");
}

TEST_F(CaminoCalculadora, EnLaPrimeraGananciaDeLaPagina3LaCalculadoraDejaSuCifra) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(C().IrAPagina(3));
  // The page opens on its imputed-income box; the holder of the first row of gains comes next and opens the row's
  // amounts; its concept, then the gain of the general part.
  E().Tecla("Tab");
  E().Escribir("D");
  ASSERT_TRUE(C().Tabular(2));
  // F1: no help file ships with the program, and the message says so.
  E().Tecla("F1");
  ASSERT_TRUE(C().VentanaDelante(titulos::kAyuda, "the help message"));
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kAyuda));
  E().Tecla("F5");
  ASSERT_TRUE(CalcularYAceptar("1000+2500"));
  ASSERT_TRUE(C().CasillaActivaMuestra("3500", "the gain box", Digitos));
  E().Capturar(C().Carpeta() / "ganancia.png");
  C().Alcanzado("ganancia");
}

TEST_F(CaminoCalculadora, CtrlGGuardaLaCifraYNadaEnLaCasilla016) {
  REQUIERE_PASO(C(), "ganancia");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClave, [](const e2e::SDeclaracionGuardada& f) { return f.Importe(kGananciaGeneral).value_or(0.0) == kCifra; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(fila->Texto(kFilaGanancias, 1)[0])), marco::kSujetoDeclarante);
  EXPECT_EQ(fila->Importe(kGananciaGeneral), kCifra);
  EXPECT_EQ(fila->Importe(kInmobiliario), 0.0);
  EXPECT_EQ(fila->Importe(kInmobiliario + kDeclarante), 0.0);
  C().Alcanzado("guardada");
}

TEST_F(CaminoCalculadora, SinCasillaLaCalculadoraDelMenuSeCierraConEscapeYNadaCambia) {
  REQUIERE_PASO(C(), "guardada");
  std::string motivo;
  const auto antes = C().EsperarGuardada(kClave, [](const e2e::SDeclaracionGuardada&) { return true; }, motivo);
  ASSERT_TRUE(antes) << motivo;
  // "&Archivo", "&Cerrar": the declaration was just stored, so it closes without a question.
  C().OrdenDelMenu("a", "c");
  ASSERT_TRUE(C().PrincipalActiva());
  C().OrdenDelMenu("v", "c");
  const auto calculadora = C().VentanaDelante(titulos::kCalculadora, "the calculator of the menu");
  ASSERT_TRUE(calculadora);
  E().Capturar(C().Carpeta() / "calculadora_sola.png");
  E().Escribir("123");
  E().Tecla("Escape");
  ASSERT_TRUE(E().EsperarCerrada(calculadora->id)) << "Escape did not close the calculator";
  EXPECT_TRUE(C().PrincipalActiva());
  const auto despues = C().EsperarGuardada(kClave, [](const e2e::SDeclaracionGuardada&) { return true; }, motivo);
  ASSERT_TRUE(despues) << motivo;
  EXPECT_TRUE(despues->datos == antes->datos) << "the stored declaration changed";
}

}  // namespace
