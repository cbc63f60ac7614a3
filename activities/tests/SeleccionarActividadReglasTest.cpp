#include <gtest/gtest.h>

#include "ModulosPrueba.h"
#include "activities/SeleccionarActividadReglas.h"

namespace actividades::pruebas {
namespace {

std::vector<std::string> Sectores(const CSeleccionarActividadReglas& r) {
  std::vector<std::string> s;
  for (const SEntradaActividad& e : r.Actividades()) s.push_back(e.sector);
  return s;
}

using SeleccionarActividadReglas = CPruebaModulos;

TEST_F(SeleccionarActividadReglas, EpigrafeInicialEligeLaActividadYSuEpigrafe) {
  CCargaModulos& carga = Carga(3);
  carga.PonerEpigrafeInicial("659.4");
  CSeleccionarActividadReglas r(carga, 0);
  r.Iniciar();
  EXPECT_EQ(Sectores(r), (std::vector<std::string>{"659.1", "659.4"}));
  ASSERT_EQ(r.Fila(), 1);
  EXPECT_EQ(r.Epigrafes(), (std::vector<std::string>{"659.2", "659.4"}));
  EXPECT_EQ(r.FilaEpigrafe(), 1);
  EXPECT_TRUE(r.ConsultaHabilitada());
  EXPECT_EQ(r.TemaAyuda(), 583);

  CDatosMod d;
  r.Aceptar(d);
  ASSERT_NE(d.iae, nullptr);
  EXPECT_STREQ(d.iae->epigrafe, "659.4");
  EXPECT_EQ(d.DameNumeroModulos(kTipoIrpf), 2);
}

TEST_F(SeleccionarActividadReglas, ActividadInicialOPrimeraFila) {
  CSeleccionarActividadReglas conId(Carga(0), 10);
  conId.Iniciar();
  EXPECT_EQ(conId.Actividades()[static_cast<std::size_t>(conId.Fila())].id, 10);
  EXPECT_EQ(conId.Descripcion(), "Descripci\xF3n larga de la actividad uno");

  CCargaModulos& carga = Carga(0);
  carga.PonerEpigrafeInicial("999.9");  // matches nothing: the first row
  CSeleccionarActividadReglas sinCoincidencia(carga, 0);
  sinCoincidencia.Iniciar();
  EXPECT_EQ(sinCoincidencia.Fila(), 0);
  // An activity without epigraphs or long description shows none.
  EXPECT_TRUE(sinCoincidencia.Epigrafes().empty());
  EXPECT_EQ(sinCoincidencia.Descripcion(), "");
}

TEST_F(SeleccionarActividadReglas, LaListaQueTomaElFocoReordenaAmbasYConservaLaActividad) {
  CSeleccionarActividadReglas r(Carga(0), 0);
  r.Iniciar();
  EXPECT_EQ(Sectores(r), (std::vector<std::string>{"011.1", "501.3", "659.1", "659.4"}));
  r.ElegirFila(kIdListaSector, 2);  // the Sector list has the focus: no re-sorting
  EXPECT_EQ(r.Fila(), 2);
  r.EnfocarLista(kIdListaActividad);
  r.ElegirFila(kIdListaActividad, 2);  // "COMERCIO DE PRUEBA UNO" in sector order
  // Now by description: AGRARIA, ALBAÑILERIA, COMERCIO ... DOS, COMERCIO ... UNO.
  EXPECT_EQ(Sectores(r), (std::vector<std::string>{"011.1", "501.3", "659.4", "659.1"}));
  EXPECT_EQ(r.Actividades()[static_cast<std::size_t>(r.Fila())].id, 10);
  r.ElegirFila(kIdListaActividad, 2);  // a second choice in the same list keeps the order
  EXPECT_EQ(r.Actividades()[static_cast<std::size_t>(r.Fila())].id, 20);
}

TEST_F(SeleccionarActividadReglas, ConsultaSegunLaClase) {
  struct SCaso {
    int clase;
    EConsulta consulta;
  };
  for (const SCaso c : {SCaso{3, EConsulta::Irpf}, SCaso{1, EConsulta::Iva}, SCaso{2, EConsulta::Actividad},
                        SCaso{5, EConsulta::Ninguna}}) {
    CSeleccionarActividadReglas r(Carga(c.clase), 0);
    r.Iniciar();
    CDatosMod d;
    EXPECT_EQ(r.Consultar(d), c.consulta) << c.clase;
    EXPECT_EQ(r.ConsultaHabilitada(), c.consulta != EConsulta::Ninguna) << c.clase;
  }
  CSeleccionarActividadReglas clave(Carga(5), 0);
  EXPECT_TRUE(clave.EsSeleccionDeClave());
  EXPECT_EQ(clave.TemaAyuda(), 621);
}

TEST_F(SeleccionarActividadReglas, SinActividadesAceptarNoTocaLosDatos) {
  CSeleccionarActividadReglas r(Carga(7), 0);
  r.Iniciar();
  EXPECT_EQ(r.Fila(), -1);
  CDatosMod d;
  d.iae = std::make_unique<CDatosIae>();
  r.Aceptar(d);
  EXPECT_NE(d.iae, nullptr);
  // The window says why the list is empty instead of showing nothing.
  EXPECT_EQ(r.Aviso(), kMensajeSinActividades);
  EXPECT_FALSE(r.Descripcion().empty());
  CSeleccionarActividadReglas conActividades(Carga(3), 0);
  conActividades.Iniciar();
  EXPECT_EQ(conActividades.Aviso(), "");
}

TEST(FilasModulos, ImportesDeLaLista) {
  struct SCaso {
    double valor;
    const char* texto;
    const char* alineado;
  };
  const SCaso casos[] = {
      {1500, "1.500", "        1.500   "},
      {1234.56, "1.234,56", "       1.234,56"},
      {1234.5, "1.234,5", "        1.234,5"},
      {0, "", "               "},
      {-2500000, "-2.500.000", "  -2.500.000   "},
      {0.5, "0,5", "            0,5"},
  };
  for (const SCaso& c : casos) {
    double v = c.valor;
    const std::string texto = TextoImporteModulo(v);
    EXPECT_EQ(texto, c.texto) << c.valor;
    EXPECT_EQ(AlinearImporteModulo(texto), std::string(c.alineado).substr(std::string(c.alineado).size() - 15))
        << c.valor;
  }
  double grande = 1e13;
  bool desbordado = false;
  EXPECT_EQ(TextoImporteModulo(grande, &desbordado), "0");
  EXPECT_EQ(grande, 0.0);
  EXPECT_TRUE(desbordado);
}

TEST(FilasModulos, FilaDeCincuentaYCincoColumnas) {
  CModulo m;
  m.importe = 1500;
  std::snprintf(m.des_corta, sizeof m.des_corta, "%s", "PERSONAL ASALARIADO");
  std::snprintf(m.uni_corta, sizeof m.uni_corta, "%s", "PERSONA");
  const std::string fila = FilaModulo(1, m);
  ASSERT_EQ(fila.size(), 55u);
  EXPECT_EQ(fila.substr(0, 3), " 1 ");
  EXPECT_EQ(fila.substr(3, 25), "      PERSONAL ASALARIADO");
  EXPECT_EQ(fila.substr(29, 10), "   PERSONA");
  EXPECT_EQ(fila.substr(40), "       1.500   ");
  m.importe = 0;
  EXPECT_EQ(FilaModulo(2, m).substr(40), std::string(15, ' '));
}

TEST(FilasModulos, SeparadoresDeMiles) {
  struct SCaso {
    const char* antes;
    int grupos;
    bool bien;
    const char* despues;
  };
  const SCaso casos[] = {
      {"1500000   ", 3, true, " 1.500.000"},
      {"   1500000", 3, true, " 1.500.000"},
      {"1500000   ", 1, true, "  1500.000"},
      {"-2000     ", 3, true, "    -2.000"},
      {"999       ", 3, true, "       999"},
      {"          ", 3, true, "          "},
      {"12a4      ", 3, false, "12a4      "},
      {"1500000", 3, false, "1500000"},  // no room for the points
  };
  for (const SCaso& c : casos) {
    std::string t = c.antes;
    EXPECT_EQ(PonerSeparadoresMiles(t, c.grupos), c.bien) << c.antes;
    EXPECT_EQ(t, c.despues) << c.antes;
  }
}

}  // namespace
}  // namespace actividades::pruebas
