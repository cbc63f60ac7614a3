// The family road: two children entered on page 1 through the list of descendants, listed on the page, stored
// with the marks the family minimum is computed from (and that minimum), and still there after closing and
// reopening the declaration. Outcomes are read from the box's own text and from the stored declaration.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "Camino.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::Recortado;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "FAMILIA E2E";
constexpr int kPaginaIdentificacion = 101;

// The descendants' rows inside the stored data area: 72 bytes each, 2496 bytes into the identification block.
constexpr std::size_t kDescendientes = offsetof(DatosRenta, Identificacion) + 2496;
constexpr std::size_t kAnchoDescendiente = 72;
constexpr std::size_t kNif = 0;
constexpr std::size_t kNombre = 9;
constexpr std::size_t kAnio = 42;
constexpr std::size_t kVinculo = 56;
constexpr std::size_t kMarcas = 57;  // family unit, declarant, spouse
// The minimum for descendants of section H: the family unit's, then the declarant's (doubles).
constexpr std::size_t kMinimoDescendientes = offsetof(DatosRenta, ApartadoH) + 40;

struct SHijo {
  const char* nif;
  const char* nombre;
  const char* anio;
};
constexpr SHijo kHijos[] = {{"11111111H", "RUIZ PEREZ ANA", "1990"}, {"22222222J", "RUIZ PEREZ LUIS", "1995"}};

class CaminoFamilia : public e2e::CPasoDe<CaminoFamilia> {
 protected:
  // From the box page 1 opens on, walks to the box with identifier `id`. The spouse's boxes (25 to 38) are
  // read-only for a declarant alone, so the Tab key passes them by.
  ::testing::AssertionResult IrACasilla(int pagina, const std::string& id) {
    return C().IrACasilla(pagina, id, [](const e2e::SCasillaPagina& c) { return c.numero >= 25 && c.numero <= 38; });
  }

  // The stored rows hold both children, with the declarant's marks.
  void ComprobarGuardados(const e2e::SDeclaracionGuardada& fila) {
    for (std::size_t r = 0; r < 2; ++r) {
      const std::size_t base = kDescendientes + r * kAnchoDescendiente;
      EXPECT_EQ(fila.Texto(base + kNif, 9), kHijos[r].nif) << "row " << r + 1;
      EXPECT_EQ(Recortado(fila.Texto(base + kNombre, 33)), kHijos[r].nombre) << "row " << r + 1;
      EXPECT_EQ(fila.Texto(base + kAnio, 4), kHijos[r].anio) << "row " << r + 1;
      EXPECT_EQ(fila.Texto(base + kVinculo, 1), "D") << "row " << r + 1;
      EXPECT_EQ(fila.Texto(base + kMarcas, 3), "112") << "row " << r + 1 << ": the marks of the family minimum";
    }
    EXPECT_EQ(Recortado(fila.Texto(kDescendientes + 2 * kAnchoDescendiente + kNombre, 33)), "")
        << "a third row was stored";
  }
};

TEST_F(CaminoFamilia, UnaDeclaracionNuevaDeUnDeclaranteSoloLlegaALaPagina1) {
  ASSERT_TRUE(C().AltaDesdeIndice(kClave));
  // Single, "No" to children members of the family unit (the declarant files alone), born 1960, community 12;
  // "Aplicar".
  ASSERT_TRUE(C().AsistenteDeclaranteSolo("12"));
  ASSERT_TRUE(C().PrincipalActiva());
  C().Alcanzado("pagina1");
}

TEST_F(CaminoFamilia, DosHijosEntradosPorLaListaSeVenEnLaPagina) {
  REQUIERE_PASO(C(), "pagina1");
  // The first box of the list of descendants opens the list: the first character of the N.I.F. typed there does,
  // and the typing goes on in the list's first row.
  ASSERT_TRUE(IrACasilla(kPaginaIdentificacion, "ZDNIU1"));
  E().Escribir(std::string(kHijos[0].nif, 1));
  ASSERT_TRUE(C().VentanaDelante(titulos::kDescendientes, "the list of descendants"));
  // Row by row: N.I.F., name, year, (degree), relation "D", then on past the other situation and the two marks
  // to the next row, which opens once the one above has data.
  for (const SHijo& h : kHijos) {
    E().Escribir(&h == &kHijos[0] ? h.nif + 1 : h.nif);
    C().Tabular(1);
    E().Escribir(h.nombre);
    C().Tabular(1);
    E().Escribir(h.anio);
    C().Tabular(2);
    E().Escribir("D");
    C().Tabular(4);
  }
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kDescendientes))
      << "the list of descendants did not close with \"&Aceptar\" (a check refused a row?)";
  // The list shows on the page: its first box, which has the focus again, holds the first child's N.I.F.
  ASSERT_TRUE(C().CasillaActivaMuestra(kHijos[0].nif, "the first box of the list", Recortado))
      << "the page does not list the first child";
  C().Alcanzado("hijos");
}

TEST_F(CaminoFamilia, CtrlGGuardaLosHijosYSuMinimoFamiliar) {
  REQUIERE_PASO(C(), "hijos");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  auto fila = C().EsperarGuardada(
      kClave,
      [&](const e2e::SDeclaracionGuardada& f) {
        return f.Texto(kDescendientes + kAnchoDescendiente + kNif, 9) == kHijos[1].nif;
      },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  ComprobarGuardados(*fila);
  // Two children born 1984-1996 of a declarant alone: 225,000 each, whole, for the family unit and the declarant.
  EXPECT_EQ(fila->Importe(kMinimoDescendientes), 450000.0) << "the family unit's minimum for descendants";
  EXPECT_EQ(fila->Importe(kMinimoDescendientes + 8), 450000.0) << "the declarant's minimum for descendants";
  if (!HasFailure()) C().Alcanzado("guardada");
}

TEST_F(CaminoFamilia, CerrarYVolverAAbrirConservaLosHijos) {
  REQUIERE_PASO(C(), "guardada");
  ASSERT_TRUE(E().Tecla("ctrl+o"));
  ASSERT_TRUE(C().AbrirDesdeIndice(kClave));
  ASSERT_TRUE(IrACasilla(kPaginaIdentificacion, "ZDNIU1"));
  ASSERT_TRUE(C().CasillaActivaMuestra(kHijos[0].nif, "the first box of the list", Recortado))
      << "the reopened page does not list the first child";
  std::string motivo;
  const auto fila = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(fila) << motivo;
  ComprobarGuardados(*fila);
}

}  // namespace
