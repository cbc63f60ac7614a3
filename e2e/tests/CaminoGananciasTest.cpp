// The road of a capital gain on the ordinary form: a D-100 declaration is opened, page 9 is reached with Ctrl+I, a
// gain of the general part is typed in the page's first group, an element transferred in 1999 is declared with its
// holder and dates, Ctrl+G stores them, and the gain is in the taxable base of the declarant. Every outcome is read
// from the stored declaration.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "Camino.h"
#include "framework/DocumentoServicios.h"
#include "output/RegistroRentaCampos.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::kNif;
using e2e::Digitos;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "GANANCIAS E2E";
constexpr int kFormularioOrdinario = 2;

// The first dated element of section F3 (rows of 640 bytes): holder at +20, the two dates at +40 and +48.
constexpr std::size_t kElemento = offsetof(DatosRenta, ApartadoF3);
// The first row of the gains of the general part on page 9 (RegApartadoF2 +3584, rows of 32 bytes): holder, the
// amount at +8, the part that counts at +16.
constexpr std::size_t kGanancia = offsetof(DatosRenta, ApartadoF2) + 3584;
// Per-person amounts (the total, then the declarant, ...): the group's total and the net gains of the general part
// in the taxable base.
constexpr std::size_t kDeclarante = sizeof(double) * (marco::kSujetoDeclarante - 1);
constexpr std::size_t kTotalGrupo = offsetof(DatosRenta, ApartadoF2) + 3872;
constexpr std::size_t kBaseGeneral = offsetof(DatosRenta, BaseImponible) + 1232;
constexpr double kImporte = 100000.0;
// The element-type list (dialog 243): its grid starts 6 dialog units into the client area and has no heading row, so
// 22 pixels down lies in its first row for any row of 16 pixels or more; the description column starts 20 pixels in.
constexpr const char* kTituloTipoElemento = "^TIPO DE ELEMENTO PATRIMONIAL";
constexpr int kXPrimerTipo = 120;
constexpr int kYPrimerTipo = 22;
// The type of the element (byte at +24) and its yearly reduction rate (the double at +32, the list's "valor").
constexpr std::size_t kTipoElemento = kElemento + 24;

e2e::SDeclaracionGuardada Declaracion() {
  auto d = e2e::SDeclaracionGuardada::Nueva(kClave, kFormularioOrdinario, sizeof(DatosRenta));
  const std::size_t nif =
      salida::registro_renta::kNif + salida::registro_renta::kPasoNif * (marco::kSujetoDeclarante - 1);
  d.PonerTexto(nif, kNif);
  return d;
}

class CaminoGanancias : public e2e::CPasoDe<CaminoGanancias> {
 public:
  static std::function<void(const e2e::CKorvelix&)> AntesDeArrancar() {
    return e2e::ConAlmacen({Declaracion()});
  }
};

TEST_F(CaminoGanancias, LaDeclaracionOrdinariaSeAbreDesdeElIndice) {
  // The only stored declaration is selected: "&Seleccionar" opens it.
  ASSERT_TRUE(C().AbrirDesdeIndice());
  C().Alcanzado("abierta");
}

TEST_F(CaminoGanancias, UnaGananciaEnElPrimerGrupoDeLaPagina9) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(C().IrAPagina(9));
  // The page opens on the holder of the first row of its first group; the holder opens the row's amounts.
  E().Escribir("D");
  E().Tecla("Tab");
  E().Escribir("100000");
  E().Tecla("Tab");
  E().Escribir("100000");
  ASSERT_TRUE(C().CasillaActivaMuestra("100000", "the amount box", Digitos));
  E().Tecla("Tab");
  C().Alcanzado("ganancia");
}

TEST_F(CaminoGanancias, UnElementoConSusFechasEnLaPagina9) {
  REQUIERE_PASO(C(), "ganancia");
  // From the row's first mark: its second mark, the holder of the next row (open now), then the first element of
  // section F3 (the rest of the first group waits for holders).
  C().Tabular(3);
  E().Escribir("PISO CENTRO");
  ASSERT_TRUE(C().CasillaActivaMuestra("PISO CENTRO", "the element's box"));
  E().Tecla("Tab");
  E().Escribir("D");
  // Leaving a new holder opens the element-type list (its four kinds ship in the lookup table "elempate"); a double
  // click on the first kind marks it and takes it.
  E().Tecla("Tab");
  const auto tipos = C().VentanaDelante(kTituloTipoElemento, "the element-type list");
  ASSERT_TRUE(tipos) << "leaving the new holder did not open the element-type list";
  E().Capturar(C().Carpeta() / "tipo_elemento.png");
  ASSERT_TRUE(E().DobleClic(tipos->id, kXPrimerTipo, kYPrimerTipo));
  ASSERT_TRUE(E().EsperarCerrada(tipos->id)) << "the double click on the first kind did not take it";
  C().Alcanzado("tipo");
  C().Tabular(2);  // the focus is back on the holder: past the mark, to the acquisition date
  E().Escribir("01011990");
  E().Tecla("Tab");
  E().Escribir("15061999");
  // Leaving the date commits it (the focus goes on to the element's value, which is not typed here).
  E().Tecla("Tab");
  C().Alcanzado("elemento");
}

TEST_F(CaminoGanancias, CtrlGGuardaLaGananciaEnLaBaseDelDeclarante) {
  REQUIERE_PASO(C(), "abierta");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave, [&](const e2e::SDeclaracionGuardada& f) { return f.Importe(kGanancia + 16).value_or(0.0) == kImporte; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, kFormularioOrdinario);
  if (C().HaAlcanzado("elemento")) {
    EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(fila->Texto(kElemento + 20, 1)[0])), marco::kSujetoDeclarante)
        << "the element's holder";
    EXPECT_EQ(fila->Texto(kElemento, 11), "PISO CENTRO");
    EXPECT_EQ(fila->Texto(kElemento + 40, 8), "01011990") << "the acquisition date";
    EXPECT_EQ(fila->Texto(kElemento + 48, 8), "15061999") << "the transfer date";
  }
  if (C().HaAlcanzado("tipo")) {
    EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(fila->Texto(kTipoElemento, 1)[0])), 1)
        << "the element's type: the list's first kind";
  }
  ASSERT_TRUE(C().HaAlcanzado("ganancia"));
  EXPECT_EQ(static_cast<int>(static_cast<unsigned char>(fila->Texto(kGanancia, 1)[0])), marco::kSujetoDeclarante);
  EXPECT_EQ(fila->Importe(kGanancia + 8), kImporte);
  EXPECT_EQ(fila->Importe(kGanancia + 16), kImporte);
  // The calculation carried it into the group's total and the general part of the taxable base.
  EXPECT_EQ(fila->Importe(kTotalGrupo + kDeclarante), kImporte);
  EXPECT_EQ(fila->Importe(kBaseGeneral + kDeclarante), kImporte);
}

TEST_F(CaminoGanancias, LasPaginasDeActividadesPorModulosSeAbrenSinAviso) {
  REQUIERE_PASO(C(), "abierta");
  for (const int pagina : {5, 6}) {
    SCOPED_TRACE(pagina);
    ASSERT_TRUE(C().IrAPagina(pagina));
    // A page the program lacked answered with a message ("PAG001") and stayed where it was.
    EXPECT_FALSE(E().EsperarVentana(titulos::kAviso, 2s)) << "a message came instead of page " << pagina;
    const auto principal = E().VentanaActiva();
    ASSERT_TRUE(principal);
    EXPECT_NE(principal->titulo.find("Korvelix"), std::string::npos) << principal->titulo;
    E().Capturar(C().Carpeta() / ("pagina" + std::to_string(pagina) + ".png"));
  }
}

}  // namespace
