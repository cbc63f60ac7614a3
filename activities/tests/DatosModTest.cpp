#include <gtest/gtest.h>

#include <cstdio>

#include "activities/DatosMod.h"

namespace actividades {
namespace {

// Every accessor of one kind answers "nothing" and leaves the out arguments untouched.
void EsperarSinModulos(const CDatosMod& d, int tipo) {
  EXPECT_FALSE(d.TieneModulos(tipo)) << tipo;
  EXPECT_EQ(d.DameNumeroModulos(tipo), 0) << tipo;
  EXPECT_EQ(d.DameListaModulos(tipo), nullptr) << tipo;
  EXPECT_EQ(d.DameModulo(tipo, 0), nullptr) << tipo;
  std::int32_t id = -7;
  double importe = -7.0;
  std::string texto = "sin tocar";
  EXPECT_EQ(d.DameIdModulo(tipo, 0, &id), nullptr);
  EXPECT_EQ(d.DameImporteModulo(tipo, 0, &importe), nullptr);
  EXPECT_EQ(d.DameDesCortaModulo(tipo, 0, &texto), nullptr);
  EXPECT_EQ(d.DameUniCortaModulo(tipo, 0, &texto), nullptr);
  EXPECT_EQ(id, -7);
  EXPECT_EQ(importe, -7.0);
  EXPECT_EQ(texto, "sin tocar");
}

CDatosMod DatosConDosModulos() {
  CDatosMod d;
  d.iae = std::make_unique<CDatosIae>();
  d.iae->id_iae = 20;
  std::snprintf(d.iae->epigrafe, sizeof d.iae->epigrafe, "%s", "659.4");
  d.irpf = std::make_unique<CDatosIrpf>();
  d.irpf->modulos = std::make_unique<CListaModulosDatos>();
  for (int i = 1; i <= 2; ++i) {
    auto m = std::make_unique<CModulo>();
    m->id_modulo = i;
    m->importe = 100.0 * i;
    std::snprintf(m->des_corta, sizeof m->des_corta, "MODULO %d", i);
    d.irpf->modulos->push_back(std::move(m));
  }
  d.iva = std::make_unique<CDatosIva>();
  d.iva->modulos = std::make_unique<CListaModulosDatos>();
  d.iva->modulos->push_back(std::make_unique<CModulo>());
  return d;
}

TEST(DatosMod, VacioNoDaNadaDeNingunTipo) {
  const CDatosMod d;
  EXPECT_TRUE(d.EstaVacio());
  std::int32_t entero = -1;
  double real = -1.0;
  std::string texto = "x";
  EXPECT_EQ(d.DameIdIae(&entero), nullptr);
  EXPECT_EQ(d.DameSectorIae(&texto), nullptr);
  EXPECT_EQ(d.DameDescripcionIae(&texto), nullptr);
  EXPECT_EQ(d.DameEpigrafeIae(&texto), nullptr);
  EXPECT_EQ(d.DameIvaOpIae(&entero), nullptr);
  EXPECT_EQ(d.DameMaxImporte(&real), nullptr);
  EXPECT_EQ(d.DameMaxPersonas(&entero), nullptr);
  EXPECT_EQ(d.DamePorcentajeIva(&real), nullptr);
  EXPECT_EQ(d.DameCuotaMinima(&real), nullptr);
  EXPECT_EQ(entero, -1);
  EXPECT_EQ(real, -1.0);
  EXPECT_EQ(texto, "x");
  EsperarSinModulos(d, kTipoIrpf);
  EsperarSinModulos(d, kTipoIva);
}

TEST(DatosMod, TiposQueNoSonIrpfNiIvaNoEncuentranNadaAunqueHayaAmbos) {
  const CDatosMod d = DatosConDosModulos();
  ASSERT_EQ(d.DameNumeroModulos(kTipoIrpf), 2);
  ASSERT_EQ(d.DameNumeroModulos(kTipoIva), 1);
  for (const int tipo : {2, -1, 7}) EsperarSinModulos(d, tipo);
}

TEST(DatosMod, IndiceFueraDeLaListaDaNulo) {
  const CDatosMod d = DatosConDosModulos();
  EXPECT_NE(d.DameModulo(kTipoIrpf, 1), nullptr);
  EXPECT_EQ(d.DameModulo(kTipoIrpf, 2), nullptr);
  EXPECT_EQ(d.DameModulo(kTipoIrpf, -1), nullptr);
  double importe = 0.0;
  std::string corta;
  ASSERT_NE(d.DameImporteModulo(kTipoIrpf, 1, &importe), nullptr);
  ASSERT_NE(d.DameDesCortaModulo(kTipoIrpf, 1, &corta), nullptr);
  EXPECT_EQ(importe, 200.0);
  EXPECT_EQ(corta, "MODULO 2");
}

TEST(DatosMod, LosAccesoresDanLaDireccionDelCampo) {
  CDatosMod d = DatosConDosModulos();
  EXPECT_EQ(d.DameIdIae(), &d.iae->id_iae);
  EXPECT_EQ(d.DameEpigrafeIae(), d.iae->epigrafe);
  EXPECT_EQ(d.DameImporteModulo(kTipoIrpf, 0), &(*d.irpf->modulos)[0]->importe);
}

TEST(DatosMod, ConjuntoConLimitesYSinModulos) {
  CDatosMod d;
  d.irpf = std::make_unique<CDatosIrpf>();
  d.irpf->max_import = 4000.0;
  d.iva = std::make_unique<CDatosIva>();
  d.iva->cuota = 777.0;
  double maximo = 0.0;
  double cuota = 0.0;
  ASSERT_NE(d.DameMaxImporte(&maximo), nullptr);
  ASSERT_NE(d.DameCuotaMinima(&cuota), nullptr);
  EXPECT_EQ(maximo, 4000.0);
  EXPECT_EQ(cuota, 777.0);
  EsperarSinModulos(d, kTipoIrpf);
  EsperarSinModulos(d, kTipoIva);
}

TEST(DatosMod, VaciarDosVecesSeguidas) {
  CDatosMod d = DatosConDosModulos();
  d.Vaciar();
  EXPECT_TRUE(d.EstaVacio());
  d.Vaciar();
  EXPECT_TRUE(d.EstaVacio());
  EXPECT_EQ(d.DameIdIae(), nullptr);
}

}  // namespace
}  // namespace actividades
