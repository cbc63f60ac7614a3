// The module tables the build makes for the program: every table and language twin opens and reads without a
// message, and every offered activity is whole (its epigraphs, its module texts, its limits).
#include <gtest/gtest.h>

#include "activities/CargaModulos.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"

namespace actividades {
namespace {

TEST(TablasModulosEntregadas, CadaActividadOfrecidaEstaCompleta) {
  marco::CGuionMensajes guion;
  marco::CBaseDatos base;
  base.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  for (const char letra : {'e', 'c', 'g', 'v'}) {
    for (const CNombresTablas& tablas : {TablasIdioma(letra), TablasReferencia(letra)}) {
      CCargaModulos carga(&base);
      carga.PonerTablas(tablas);
      carga.PonerTipoSeleccion(0x0201);
      for (const SEntradaActividad& e : carga.CargarActividades("cod_sector")) {
        std::string pendiente;
        const auto epigrafes = carga.CargarEpigrafes(e.id, pendiente);
        ASSERT_TRUE(epigrafes.has_value()) << e.id;
        EXPECT_FALSE(epigrafes->codigos.empty()) << e.id;
        CDatosMod d;
        carga.CargarDatosModulos(e.id, epigrafes->codigos.front(), d);
        ASSERT_NE(d.iae, nullptr) << e.id;
        ASSERT_TRUE(d.TieneModulos(kTipoIrpf)) << e.id;
        EXPECT_NE(d.DameMaxImporte(), nullptr) << e.id;
        for (const int tipo : {kTipoIrpf, kTipoIva}) {
          for (int i = 0; i < d.DameNumeroModulos(tipo); ++i) {
            EXPECT_STRNE(d.DameDesCortaModulo(tipo, i), "") << e.id << " " << i;
            EXPECT_GT(*d.DameImporteModulo(tipo, i), 0.0) << e.id << " " << i;
          }
        }
      }
      CDatosMod d;
      carga.CargarDatosModulos(1, "", d);  // every table of the set opens
    }
  }
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
}

}  // namespace
}  // namespace actividades
