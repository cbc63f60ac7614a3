// Field access by offset: named fields land on the offsets of the block map, reads and writes never leave the
// block, text fields stop at their width.
#include <gtest/gtest.h>

#include "AreaPrueba.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegDatosFamilia.h"
#include "bloques/RegIdentificacion.h"
#include "bloques/RegPatC.h"
#include "bloques/RegPatDatosPersonales.h"
#include "bloques/RegPatJ.h"
#include "bloques/RegPatResumen.h"

namespace ximardol {
namespace {

using namespace pruebas;

TEST(Acceso, LosCamposConNombreLeenYEscribenEnSuDesplazamiento) {
  CAreaRenta area;
  PonMiembro(area->BaseImponible, 240, {10.0, 4.0, 6.0, 0.0, 0.0});
  PonDouble(area->DatosFamilia, 520, 75000.0);
  PonByte(area->Identificacion, 2, 1);

  EXPECT_EQ(Lee(&area->BaseImponible, BaseImponible::TrabajoNeto), (ImportesMiembro{10.0, 4.0, 6.0, 0.0, 0.0}));
  EXPECT_EQ(Lee(&area->DatosFamilia, DatosFamilia::OtrasRentasReduccionTrabajo, 1), 75000.0);
  EXPECT_EQ(Lee(&area->Identificacion, Identificacion::MarcaSujeto, 2), 1);
  EXPECT_EQ(Lee(&area->Identificacion, Identificacion::MarcaSujeto, 1), 0);

  Escribe(&area->BaseImponible, BaseImponible::GananciasNetasGrupo2, ImportesMiembro{1.0, 2.0, 3.0, 4.0, 5.0});
  EXPECT_EQ(DameMiembro(area->BaseImponible, 1544), (Miembros{1.0, 2.0, 3.0, 4.0, 5.0}));
}

TEST(Acceso, LasPaginasDelPatrimonioTienenSusFilasYTotales) {
  CAreaPatrimonio area;
  // Page J keeps its values at 56 + 64 i, page C two lists with their totals.
  PonDouble(area->PatJ, 56 + 64 * 4, 7.0);
  EXPECT_EQ(Lee(&area->PatJ, PatJ::Valores, 4), 7.0);
  Escribe(&area->PatJ, PatJ::Total, 9.0);
  EXPECT_EQ(DameDouble(area->PatJ, 384), 9.0);

  PonDouble(area->PatC, 1080 + 72 * 11, 3.0);
  EXPECT_EQ(Lee(&area->PatC, PatC::ValoresC2, 11), 3.0);
  Escribe(&area->PatC, PatC::TotalC, 5.0);
  EXPECT_EQ(DameDouble(area->PatC, 1960), 5.0);

  Escribe(&area->PatResumen, PatResumen::TotalPaginaDeudas, 11.0);
  EXPECT_EQ(DameDouble(area->PatResumen, 160), 11.0);
  PonByte(area->PatDatosPersonales, 486, 1);
  EXPECT_EQ(Lee(&area->PatDatosPersonales, PatDatosPersonales::CalculoDI), 1);
}

TEST(Acceso, UnaFilaFueraDeLaColumnaSeLeeComoCeroYNoSeEscribe) {
  CAreaPatrimonio area;
  const CAreaPatrimonio antes = area;
  Escribe(&area->PatJ, PatJ::Valores, 5, 1.0);
  Escribe(&area->PatJ, PatJ::Valores, static_cast<std::size_t>(-1), 1.0);
  EXPECT_TRUE(area == antes);

  PonDouble(area->PatJ, 56 + 64 * 5, 8.0);  // where a sixth row would be
  EXPECT_EQ(Lee(&area->PatJ, PatJ::Valores, 5), 0.0);
}

TEST(Acceso, UnDesplazamientoDeTiempoDeEjecucionNoSaleDelBloque) {
  CAreaRenta area;
  const CAreaRenta antes = area;
  EscribeEn<double>(&area->ApartadoE4, 73, 1.0);   // 73 + 8 > 80
  EscribeEn<double>(&area->ApartadoE4, 1000, 1.0);
  EXPECT_TRUE(area == antes);
  PonDouble(area->ApartadoE5, 0, 4.0);             // the next block
  EXPECT_EQ(LeeEn<double>(&area->ApartadoE4, 73), 0.0);

  EscribeEn<double>(&area->ApartadoE4, 72, 2.5);   // the last double of the block
  EXPECT_EQ(DameDouble(area->ApartadoE4, 72), 2.5);
  EXPECT_EQ(LeeEn<double>(&area->ApartadoE4, 72), 2.5);
}

struct BloqueDePrueba {
  unsigned char octetos[32];
};
inline constexpr CampoTexto<BloqueDePrueba, 8> Fecha{4};
inline constexpr CampoDouble<BloqueDePrueba> Siguiente{12};

TEST(Acceso, UnTextoSeLeeHastaSuAnchoOHastaElPrimerNul) {
  BloqueDePrueba bloque{};
  PonTexto(bloque, 4, "15061990");
  PonDouble(bloque, 12, 1.0);  // the bytes that follow the field are not NUL
  EXPECT_EQ(LeeTexto(&bloque, Fecha), "15061990");
  EXPECT_EQ(Lee(&bloque, Fecha).Vista(), "15061990");

  PonTexto(bloque, 4, "1506", 8);
  EXPECT_EQ(LeeTexto(&bloque, Fecha), "1506");
}

TEST(Acceso, EscribirUnTextoLoCortaASuAnchoYRellenaElResto) {
  BloqueDePrueba bloque{};
  Escribe(&bloque, Siguiente, 2.0);
  EscribeTexto(&bloque, Fecha, "0101199912345");
  EXPECT_EQ(DameTexto(bloque, 4, 8), "01011999");
  EXPECT_EQ(DameDouble(bloque, 12), 2.0);

  EscribeTexto(&bloque, Fecha, "AB", ' ');
  EXPECT_EQ(DameTexto(bloque, 4, 8), "AB      ");
  EscribeTexto(&bloque, Fecha, "");
  EXPECT_EQ(DameByte(bloque, 4), 0);
  EXPECT_EQ(DameByte(bloque, 11), 0);
}

TEST(Acceso, LasFilasDanColumnasPorSuDesplazamientoEnLaFila) {
  static constexpr Filas<BloqueDePrueba> filas{8, 12, 2};
  static constexpr auto importe = filas.Columna<double>(4);
  EXPECT_EQ(importe.Desplazamiento(0), 12u);
  EXPECT_EQ(importe.Desplazamiento(1), 24u);
  BloqueDePrueba bloque{};
  Escribe(&bloque, importe, 1, 6.5);
  EXPECT_EQ(DameDouble(bloque, 24), 6.5);
}

}  // namespace
}  // namespace ximardol
