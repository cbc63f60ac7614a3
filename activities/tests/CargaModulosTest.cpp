#include <gtest/gtest.h>

#include "ModulosPrueba.h"

namespace actividades::pruebas {
namespace {

std::vector<std::int32_t> Ids(const std::vector<SEntradaActividad>& lista) {
  std::vector<std::int32_t> ids;
  for (const SEntradaActividad& e : lista) ids.push_back(e.id);
  return ids;
}

using CargaModulos = CPruebaModulos;

TEST_F(CargaModulos, ActividadesOfrecidasSegunLaClaseDeSeleccion) {
  struct SCaso {
    int clase;
    std::vector<std::int32_t> ids;
  };
  const SCaso casos[] = {
      {0, {40, 30, 10, 20}},  // every row
      {1, {10, 20}},          // "iva"
      {2, {30, 10, 20}},      // "irpf" or "mod_iva"
      {3, {10, 20}},          // "irpf"
      {4, {40}},              // "iva_agr"
      {5, {40}},              // "irpf_agr"
      {6, {40}},              // "mod_agr"
      {7, {}},                // none
  };
  for (const SCaso& c : casos) {
    EXPECT_EQ(Ids(Carga(c.clase).CargarActividades("cod_sector")), c.ids) << "clase " << c.clase;
  }
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(CargaModulos, ListasAlineadasEnElOrdenPedido) {
  const auto porDescripcion = Carga(0).CargarActividades("descripcio");
  ASSERT_EQ(Ids(porDescripcion), (std::vector<std::int32_t>{40, 30, 20, 10}));
  EXPECT_EQ(porDescripcion[1].sector, "501.3");
  EXPECT_EQ(porDescripcion[1].descripcion, "ALBA\xD1ILERIA DE PRUEBA");  // Windows-1252
}

TEST_F(CargaModulos, ActividadMasParecidaAlEpigrafeInicial) {
  struct SCaso {
    const char* epigrafe;
    std::int32_t esperada;
  };
  // 659.4 matches the 659.4 row in all four; 659.7 matches both on three, and the first is taken; 6 matches only
  // the first character; 9 matches nothing.
  const SCaso casos[] = {{"659.4", 20}, {"659.7", 10}, {"659.1", 10}, {"601.0", 10}, {"999.9", 0}, {"", 0}};
  for (const SCaso& c : casos) {
    CCargaModulos& carga = Carga(3);
    carga.PonerEpigrafeInicial(c.epigrafe);
    std::int32_t elegida = -1;
    const auto lista = carga.CargarActividadesPorCodigo(elegida);
    EXPECT_EQ(lista.size(), 2u);
    EXPECT_EQ(elegida, c.esperada) << c.epigrafe;
  }
}

TEST_F(CargaModulos, ConSoloElEpigrafeDeTresCaracteresIgualesSeEligeEse) {
  CrearTabla("IAEMOD", FuenteModulos("IAEMOD") + "10|659.1|COMERCIO DE PRUEBA UNO|F|F|T|F|T|F|F\n");
  CCargaModulos& carga = Carga(3);
  carga.PonerEpigrafeInicial("659.4");
  std::int32_t elegida = 0;
  carga.CargarActividadesPorCodigo(elegida);
  EXPECT_EQ(elegida, 10);
}

TEST_F(CargaModulos, DescripcionLargaSoloCuandoHayTexto) {
  CCargaModulos& carga = Carga(3);
  EXPECT_EQ(carga.DescripcionLarga(10), std::optional<std::string>("Descripci\xF3n larga de la actividad uno"));
  EXPECT_EQ(carga.DescripcionLarga(20), std::nullopt);  // empty memo
  EXPECT_EQ(carga.DescripcionLarga(99), std::nullopt);  // no row
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(CargaModulos, EpigrafesDeLaActividadYCualSeSelecciona) {
  CCargaModulos& carga = Carga(3);
  std::string pendiente;
  auto r = carga.CargarEpigrafes(20, pendiente);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->codigos, (std::vector<std::string>{"659.2", "659.4"}));
  EXPECT_EQ(r->seleccion, 0);

  carga.PonerEpigrafeInicial("659.4");
  r = carga.CargarEpigrafes(20, pendiente);
  EXPECT_EQ(r->seleccion, 1);

  pendiente = "659.2";  // the pending choice wins over the preset, once
  r = carga.CargarEpigrafes(20, pendiente);
  EXPECT_EQ(r->seleccion, 0);
  EXPECT_TRUE(pendiente.empty());

  // The next activity's rows are not taken; an activity without rows leaves the list as it was.
  EXPECT_EQ(carga.CargarEpigrafes(10, pendiente)->codigos, (std::vector<std::string>{"659.1"}));
  EXPECT_EQ(carga.CargarEpigrafes(40, pendiente), std::nullopt);
}

TEST_F(CargaModulos, DosModulosDeRentaSeguidosDeOtraActividad) {
  CDatosMod d;
  Carga(3).CargarDatosModulos(20, "659.4  ", d);
  ASSERT_NE(d.iae, nullptr);
  EXPECT_EQ(d.iae->id_iae, 20);
  EXPECT_STREQ(d.iae->cod_sector, "659.4");
  EXPECT_STREQ(d.iae->epigrafe, "659.4");
  EXPECT_EQ(d.iae->iva_op, 1);
  ASSERT_EQ(d.DameNumeroModulos(kTipoIrpf), 2);
  EXPECT_EQ(*d.DameIdModulo(kTipoIrpf, 0), 1);
  EXPECT_EQ(*d.DameImporteModulo(kTipoIrpf, 0), 111.5);
  EXPECT_STREQ(d.DameDesCortaModulo(kTipoIrpf, 0), "PERSONAL ASALARIADO");
  EXPECT_STREQ(d.DameDesA15Modulo(kTipoIrpf, 1), "PERS. NO ASALAR");
  EXPECT_STREQ(d.DameUniCortaModulo(kTipoIrpf, 1), "PERSONA");
  EXPECT_EQ(*d.DameImporteModulo(kTipoIrpf, 1), 222.0);
  EXPECT_EQ(*d.DameMaxImporte(), 2000.0);
  EXPECT_EQ(*d.DameMaxPersonas(), 6);
  EXPECT_EQ(d.iva, nullptr);  // kind 3 loads income tax only
}

TEST_F(CargaModulos, ClaseDosCargaAmbosConjuntos) {
  CDatosMod d;
  Carga(2).CargarDatosModulos(20, "659.4", d);
  EXPECT_EQ(d.DameNumeroModulos(kTipoIrpf), 2);
  ASSERT_EQ(d.DameNumeroModulos(kTipoIva), 1);
  EXPECT_EQ(*d.DameImporteModulo(kTipoIva, 0), 55.0);
  EXPECT_EQ(*d.DamePorcentajeIva(), 0.5);
  EXPECT_EQ(*d.DameCuotaMinima(), 777.0);

  // "mod_iva" without "irpf" is offered under kind 2, and loads both sets; its module missing from MOD stays with
  // its number, its amount and empty texts.
  Carga(2).CargarDatosModulos(30, "501.3", d);
  ASSERT_NE(d.iae, nullptr);
  ASSERT_EQ(d.DameNumeroModulos(kTipoIrpf), 1);
  EXPECT_EQ(*d.DameIdModulo(kTipoIrpf, 0), 3);
  EXPECT_EQ(*d.DameImporteModulo(kTipoIrpf, 0), 333.0);
  EXPECT_STREQ(d.DameDesLargaModulo(kTipoIrpf, 0), "");
  EXPECT_STREQ(d.DameUniCortaModulo(kTipoIrpf, 0), "");
  EXPECT_EQ(d.DameNumeroModulos(kTipoIva), 1);
}

TEST_F(CargaModulos, ClaseCeroSoloLaEntradaYClaseRechazadaSinEntrada) {
  CDatosMod d;
  Carga(0).CargarDatosModulos(20, "659.4", d);
  EXPECT_NE(d.iae, nullptr);
  EXPECT_EQ(d.irpf, nullptr);
  EXPECT_EQ(d.iva, nullptr);

  // Kind 5 does not offer activity 10, yet its income-tax set is loaded for that number.
  Carga(5).CargarDatosModulos(10, "659.1", d);
  EXPECT_EQ(d.iae, nullptr);
  EXPECT_EQ(d.DameNumeroModulos(kTipoIrpf), 1);
}

TEST_F(CargaModulos, LimitesSinModulosDeRenta) {
  CDatosMod d;
  Carga(5).CargarDatosModulos(40, "011.1", d);
  ASSERT_NE(d.irpf, nullptr);
  EXPECT_FALSE(d.TieneModulos(kTipoIrpf));
  EXPECT_EQ(*d.DameMaxImporte(), 4000.0);
  EXPECT_EQ(*d.DameMaxPersonas(), 2);
}

TEST_F(CargaModulos, ActividadDesconocidaDejaLosDatosVacios) {
  CDatosMod d;
  Carga(2).CargarDatosModulos(20, "659.4", d);
  Carga(2).CargarDatosModulos(99, "999.9", d);
  EXPECT_TRUE(d.EstaVacio());
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(CargaModulos, SegundaCargaConLasTablasDeReferencia) {
  CCargaModulos& carga = Carga(3);
  carga.PonerTablas(TablasReferencia('e'));
  CDatosMod d;
  carga.CargarDatosModulos(20, "659.4", d);
  ASSERT_EQ(d.DameNumeroModulos(kTipoIrpf), 2);
  EXPECT_EQ(*d.DameImporteModulo(kTipoIrpf, 0), 11.25);
  EXPECT_EQ(*d.DameMaxImporte(), 1800.0);
}

TEST_F(CargaModulos, TablaQueFaltaSeSaltaConSuMensaje) {
  std::filesystem::remove(carpeta_ / "CUOTAMIN.DBF");
  CDatosMod d;
  Carga(2).CargarDatosModulos(20, "659.4", d);
  EXPECT_EQ(d.DameNumeroModulos(kTipoIva), 1);
  EXPECT_EQ(*d.DamePorcentajeIva(), 0.5);
  EXPECT_EQ(*d.DameCuotaMinima(), 0.0);
  EXPECT_FALSE(guion_.Mensajes().empty());
}

TEST(TablasModulos, NombresPorIdioma) {
  struct SCaso {
    char letra;
    const char* iae;
    const char* mod;
  };
  for (const SCaso& c : {SCaso{'c', "IAEMOD_C", "MOD____C"}, SCaso{'G', "IAEMOD_G", "MOD____G"},
                         SCaso{'v', "IAEMOD_V", "MOD____V"}, SCaso{'e', "IAEMOD_E", "MOD____E"},
                         SCaso{'x', "IAEMOD_E", "MOD____E"}}) {
    const CNombresTablas t = TablasIdioma(c.letra);
    EXPECT_EQ(t[kTablaIae], c.iae);
    EXPECT_EQ(t[kTablaMod], c.mod);
    EXPECT_EQ(t[kTablaIrpf], "IRPFMOD");
  }
  const CNombresTablas r = TablasReferencia('g');
  EXPECT_EQ(r[kTablaIrpf], "IRPFM7");
  EXPECT_EQ(r[kTablaMax], "MAXMOD7");
  EXPECT_EQ(r[kTablaEpi], "EPIMOD_G");
}

}  // namespace
}  // namespace actividades::pruebas
