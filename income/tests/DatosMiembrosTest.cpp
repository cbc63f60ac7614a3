// Whose data a declaration holds: which form each person's data need, and the entries of a member who leaves the
// family unit.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/DocumentoServicios.h"
#include "income/DatosMiembros.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"
#include "income/RentaInternet.h"
#include "framework/Prog32DocReglas.h"

namespace renta {
namespace {

unsigned char* Area(DatosRenta& d) { return reinterpret_cast<unsigned char*>(&d); }
void Doble(DatosRenta& d, std::size_t desp, double valor) { std::memcpy(Area(d) + desp, &valor, sizeof valor); }
void Texto(DatosRenta& d, std::size_t desp, const char* texto) { std::memcpy(Area(d) + desp, texto, std::strlen(texto)); }

constexpr std::size_t kD1 = offsetof(DatosRenta, ApartadoD1);
constexpr std::size_t kD2 = offsetof(DatosRenta, ApartadoD2);
constexpr std::size_t kD3 = offsetof(DatosRenta, ApartadoD3);
constexpr std::size_t kD4 = offsetof(DatosRenta, ApartadoD4);
constexpr std::size_t kD5 = offsetof(DatosRenta, ApartadoD5);
constexpr std::size_t kE2 = offsetof(DatosRenta, ApartadoE2);
constexpr std::size_t kE3 = offsetof(DatosRenta, ApartadoE3);
constexpr std::size_t kE4 = offsetof(DatosRenta, ApartadoE4);
constexpr std::size_t kE5 = offsetof(DatosRenta, ApartadoE5);
constexpr std::size_t kF2 = offsetof(DatosRenta, ApartadoF2);
constexpr std::size_t kF3 = offsetof(DatosRenta, ApartadoF3);
constexpr std::size_t kM = offsetof(DatosRenta, ApartadoM);
constexpr std::size_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kTrabajo = offsetof(DatosRenta, RendTrabajo);

// A salary of 3,000,000 of the member `codigo` in the first payer row of work income.
void Sueldo(DatosRenta& d, unsigned char codigo) {
  Area(d)[kTrabajo + 40] = codigo;
  Doble(d, kTrabajo + 40 + 0x38, 3000000.0);
}

// One declaration per section that only the ordinary form has: each, with a salary beside it, needs D-100 and
// names its page; the salary alone is carried by D-101.
TEST(ModeloNecesario, CadaSeccionSoloOrdinariaPideLaOrdinaria) {
  struct SCaso {
    const char* seccion;
    std::function<void(DatosRenta&)> poner;
    int pagina;
    double importeM4 = 0.0;
  };
  const std::vector<SCaso> casos = {
      {"D estimacion directa", [](DatosRenta& d) { Area(d)[kD1 + 16] = 2; Doble(d, kD1 + 16 + 8, 1e6); }, 3},
      {"D estimacion directa, otras filas", [](DatosRenta& d) { Area(d)[kD1 + 1120] = 2; Doble(d, kD1 + 1152, 5e4); }, 3},
      {"D directa simplificada", [](DatosRenta& d) { Area(d)[kD2 + 16] = 1; Doble(d, kD2 + 16 + 8, 1e6); }, 4},
      {"otros rendimientos de la pagina 4", [](DatosRenta& d) { Doble(d, kD3 + 56 + 40, 25000); }, 4},
      {"modulos", [](DatosRenta& d) { Texto(d, kD4, "A6721"); Area(d)[kD4 + 24] = 2; }, 5},
      {"agricolas", [](DatosRenta& d) { Area(d)[kD5 + 16] = '1'; Area(d)[kD5 + 16 + 8] = 2; }, 6},
      {"E2 transparencia", [](DatosRenta& d) { Area(d)[kE2 + 24 + 9] = '1'; Area(d)[kE2 + 24 + 10] = 2; Doble(d, kE2 + 40, 8e5); }, 7},
      {"E3 agrupaciones", [](DatosRenta& d) { Area(d)[kE3 + 24 + 56] = 1; Doble(d, kE3 + 88, 1e5); }, 7},
      {"E4 transparencia internacional", [](DatosRenta& d) { Area(d)[kE4] = 2; Doble(d, kE4 + 56, 1e5); }, 7},
      {"E5 derechos de imagen", [](DatosRenta& d) { Area(d)[kE5 + 24] = 2; Doble(d, kE5 + 40, 1e5); }, 7},
      {"F2 elementos transmitidos", [](DatosRenta& d) { Area(d)[kF2 + 328 + 20] = 2; Doble(d, kF2 + 328 + 64, 4e6); }, 8},
      {"F2 filas de la segunda parte", [](DatosRenta& d) { Area(d)[kF2 + 3072] = 2; Doble(d, kF2 + 3088, 1e5); }, 8},
      {"F3 elementos con importes anuales", [](DatosRenta& d) { Area(d)[kF3 + 20] = 2; Doble(d, kF3 + 80, 4e6); }, 9},
      {"F3 perdidas", [](DatosRenta& d) { Area(d)[kF3 + 6136] = 2; Doble(d, kF3 + 6152, 1e5); }, 9},
      {"reduccion de la base imponible", [](DatosRenta& d) { Area(d)[kBI + 1200] = 2; Doble(d, kBI + 1208, 1e5); }, 10},
      {"reduccion de la parte especial", [](DatosRenta& d) { Area(d)[kBI + 1640] = 2; Doble(d, kBI + 1648, 1e5); }, 10},
      {"tercera reduccion", [](DatosRenta& d) { Area(d)[kBI + 1512] = 2; Doble(d, kBI + 1520, 1e5); }, 11},
      {"deducciones con tope", [](DatosRenta& d) { Area(d)[kM + 984 + 32] = 2; Doble(d, kM + 1024, 1e5); }, 11},
      {"deducciones limitadas por la cuota", [](DatosRenta& d) { Area(d)[kM + 1752] = 2; Doble(d, kM + 1760, 1e5); }, 11},
      {"entidad de la pagina 11", [](DatosRenta& d) { Texto(d, kM + 1521 + 9, "B12345678"); }, 11},
      {"M4", [](DatosRenta&) {}, 12, 15000.0},
  };
  DatosRenta solo{};
  Sueldo(solo, 2);
  // The regional deductions are entered on both forms (page 13 of D-100, page 5 of D-101).
  Area(solo)[kN + 312] = 2;
  Doble(solo, kN + 320, 50000);
  Doble(solo, kN + 1168 + 8, 12500);
  EXPECT_EQ(PaginaSoloOrdinaria(solo, 2, 0.0), 0);
  EXPECT_EQ(ModeloNecesarioDatos(solo, 2, 0.0), 1);
  EXPECT_EQ(ModeloNecesarioDatos(solo, 1, 0.0), 1);
  for (const SCaso& c : casos) {
    DatosRenta d = solo;
    c.poner(d);
    EXPECT_EQ(PaginaSoloOrdinaria(d, 2, c.importeM4), c.pagina) << c.seccion;
    EXPECT_EQ(ModeloNecesarioDatos(d, 2, c.importeM4), 2) << c.seccion;
    // The family unit holds everybody's data.
    EXPECT_EQ(ModeloNecesarioDatos(d, 1, c.importeM4), 2) << c.seccion;
  }
}

// A row counts for the member its code names: the family unit's rows for the declarant and the spouse, every row
// for the family unit, a child's for the child only.
TEST(ModeloNecesario, CadaFilaCuentaParaSuMiembro) {
  const struct {
    unsigned char codigo;
    std::array<int, 5> modelo;  // persons 1 to 5
  } casos[] = {
      {1, {2, 2, 2, 1, 1}}, {2, {2, 2, 1, 1, 1}}, {3, {2, 1, 2, 1, 1}}, {4, {2, 1, 1, 2, 1}}, {5, {2, 1, 1, 1, 2}},
      // A row without a member is nobody's.
      {0, {1, 1, 1, 1, 1}},
  };
  for (const auto& c : casos) {
    DatosRenta d{};
    Texto(d, kD4, "A6721");
    Area(d)[kD4 + 24] = c.codigo;
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(ModeloNecesarioDatos(d, s, 0.0), c.modelo[static_cast<std::size_t>(s - 1)]) << int(c.codigo) << " " << s;
  }
  // The other income of page 4 is typed for the declarant or for the spouse.
  DatosRenta d{};
  Doble(d, kD3 + 48, 1000);
  EXPECT_EQ(ModeloNecesarioDatos(d, marco::kSujetoConyuge, 0.0), 2);
  EXPECT_EQ(ModeloNecesarioDatos(d, marco::kSujetoDeclarante, 0.0), 1);
  EXPECT_EQ(ModeloNecesarioDatos(d, marco::kSujetoUnidadFamiliar, 0.0), 2);
  // A code outside 1 to 5 asks for nothing.
  EXPECT_EQ(ModeloNecesarioDatos(d, 0, 1.0), 1);
  EXPECT_EQ(ModeloNecesarioDatos(d, 6, 1.0), 1);
}

// A member who leaves the family unit with entries of their own: the entries are found and handed to the
// declarant, whose own stay as they were.
TEST(DatosMiembros, LasEntradasDeQuienSaleSonDelDeclarante) {
  DatosRenta d{};
  Sueldo(d, 3);
  Area(d)[kTrabajo + 40 + 104] = 2;
  Doble(d, kTrabajo + 40 + 104 + 0x38, 1000000.0);
  Doble(d, kD3 + 40, 100);
  Doble(d, kD3 + 48, 200);
  Texto(d, kD4, "A6721");
  Area(d)[kD4 + 24] = 3;
  EXPECT_TRUE(TieneEntradasPropias(d, marco::kSujetoConyuge));
  EXPECT_FALSE(TieneEntradasPropias(d, marco::kSujetoHijo1));
  PasarEntradasAlDeclarante(d, marco::kSujetoConyuge);
  EXPECT_FALSE(TieneEntradasPropias(d, marco::kSujetoConyuge));
  EXPECT_EQ(Area(d)[kTrabajo + 40], 2);
  EXPECT_EQ(Area(d)[kTrabajo + 40 + 104], 2);
  EXPECT_EQ(Area(d)[kD4 + 24], 2);
  double declarante = 0;
  double conyuge = 1;
  std::memcpy(&declarante, Area(d) + kD3 + 40, sizeof declarante);
  std::memcpy(&conyuge, Area(d) + kD3 + 48, sizeof conyuge);
  EXPECT_EQ(declarante, 300);
  EXPECT_EQ(conyuge, 0);

  // A child's rows.
  DatosRenta h{};
  Sueldo(h, 4);
  EXPECT_TRUE(TieneEntradasPropias(h, marco::kSujetoHijo1));
  PasarEntradasAlDeclarante(h, marco::kSujetoHijo1);
  EXPECT_EQ(Area(h)[kTrabajo + 40], 2);
  // A row of the member with no data in it is no entry.
  DatosRenta vacia{};
  Area(vacia)[kTrabajo + 40] = 3;
  EXPECT_FALSE(TieneEntradasPropias(vacia, marco::kSujetoConyuge));
}

// A D-101 declaration whose data the simplified form cannot carry is printed and filed on the ordinary form: both
// ask the declaration which form its data need.
TEST(ModeloNecesario, LaImpresionYElFicheroTomanLaOrdinaria) {
  CRentaDoc doc;
  doc.ActualizarSujetos();  // a declarant alone
  doc.PonerTipoDec(marco::kTipoDecSimplificada);
  Sueldo(doc.Datos(), 2);
  CDeclaracionRentaImpresion impresion(doc);
  CDeclaracionRentaInternet internet(doc);
  EXPECT_EQ(impresion.ModeloNecesario(doc.DameSujetoActual()), 1);
  EXPECT_EQ(internet.ModeloNecesario(), 1);
  Texto(doc.Datos(), kD4, "A6721");
  Area(doc.Datos())[kD4 + 24] = 2;
  EXPECT_EQ(impresion.ModeloNecesario(doc.DameSujetoActual()), 2);
  EXPECT_EQ(internet.ModeloNecesario(), 2);
  EXPECT_FALSE(doc.AdmiteModelo(marco::kTipoDecSimplificada));
}

// Every table of the registry lies inside the data area and has its member code inside the row.
TEST(DatosMiembros, LasTablasCabenEnElArea) {
  for (const SGrupoMiembro& g : GruposMiembro()) {
    EXPECT_LT(g.codigo, g.ancho) << g.nombre;
    EXPECT_LE(g.desp + g.paso * (g.filas - 1) + g.ancho, sizeof(DatosRenta)) << g.nombre;
    EXPECT_TRUE(g.paso >= g.ancho || g.filas == 1) << g.nombre;
  }
}

}  // namespace
}  // namespace renta
