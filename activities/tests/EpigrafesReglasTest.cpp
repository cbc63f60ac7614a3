#include <gtest/gtest.h>

#include <map>
#include <string>

#include "activities/EpigrafesReglas.h"

namespace actividades {
namespace {

// Two sections of a hand-made heading list.
std::string Buscar(std::string_view seccion, std::string_view clave) {
  static const std::map<std::string, std::string> kEpigrafes = {
      {"1|6594 ", "COMERCIO MENOR DE PRENSA (EJEMPLO)"},
      {"2|841 ", "PROFESION DE EJEMPLO"},
  };
  const auto it = kEpigrafes.find(std::string(seccion) + "|" + std::string(clave));
  return it != kEpigrafes.end() ? it->second : std::string(47, ' ');
}

TEST(Epigrafes, ElTipoDecideLosGruposYDondeSeAbre) {
  struct SCaso {
    int tipo;
    std::uint8_t guardado;
    int grupo;
    const char* seccion;
    bool artistas, profesionales, mercantil;
  };
  for (const SCaso c : {SCaso{1, 0, kGrupoMercantil, "1", false, false, true},
                        SCaso{1, 1, kGrupoMercantil, "1", false, false, true},
                        SCaso{2, 0, kGrupoArtistas, "3", true, true, false},
                        SCaso{2, 1, kGrupoProfesionales, "2", true, true, false},
                        SCaso{3, 0, kGrupoArtistas, "3", true, false, true},
                        SCaso{3, 2, kGrupoMercantil, "1", true, false, true}}) {
    SCOPED_TRACE(std::to_string(c.tipo) + " " + std::to_string(c.guardado));
    CEpigrafesReglas r(c.tipo, "", c.guardado, Buscar);
    ASSERT_TRUE(r.Iniciar());
    EXPECT_EQ(r.Grupo(), c.grupo);
    EXPECT_EQ(r.Seccion(), c.seccion);
    EXPECT_EQ(r.GrupoHabilitado(kGrupoArtistas), c.artistas);
    EXPECT_EQ(r.GrupoHabilitado(kGrupoProfesionales), c.profesionales);
    EXPECT_EQ(r.GrupoHabilitado(kGrupoMercantil), c.mercantil);
  }
  CEpigrafesReglas otro(4, "", 0, Buscar);
  EXPECT_FALSE(otro.Iniciar());
  EXPECT_EQ(otro.Seccion(), "");
}

TEST(Epigrafes, BuscarSinPuntoYDevolverConPunto) {
  CEpigrafesReglas r(1, "659.4", 2, Buscar);
  ASSERT_TRUE(r.Iniciar());
  EXPECT_EQ(r.Codigo(), "6594");
  EXPECT_EQ(r.Descripcion(), "COMERCIO MENOR DE PRENSA (EJEMPLO)");
  EXPECT_EQ(CEpigrafesReglas::FiltrarBusqueda("6a5x9.4"), "659.4");
  EXPECT_FALSE(CEpigrafesReglas::BusquedaHabilitada(CEpigrafesReglas::FiltrarBusqueda("abc")));
  // Not in the group's section: the message, and the choice stays.
  EXPECT_EQ(r.Buscar("841"), kMensajeEpigrafeNoEncontrado);
  EXPECT_EQ(r.Codigo(), "6594");
  EXPECT_EQ(r.Buscar(""), "");
  EXPECT_EQ(r.Buscar("659.4"), "");
  EXPECT_EQ(r.CodigoDevuelto(), std::string("659.4", 5));
  EXPECT_EQ(r.GrupoDevuelto(), kGrupoMercantil);
  EXPECT_EQ(CEpigrafesReglas::PonerPunto("841"), "841");
  EXPECT_EQ(CEpigrafesReglas::QuitarPunto("841"), "841");
}

TEST(Epigrafes, OtroGrupoVaciaElEpigrafeYElMismoLoConserva) {
  CEpigrafesReglas r(2, "841", 1, Buscar);
  ASSERT_TRUE(r.Iniciar());
  EXPECT_EQ(r.Descripcion(), "PROFESION DE EJEMPLO");
  r.CambiarGrupo(kGrupoProfesionales);
  EXPECT_EQ(r.Codigo(), "841");
  r.CambiarGrupo(kGrupoMercantil);  // not offered to kind 2
  EXPECT_EQ(r.Codigo(), "841");
  r.CambiarGrupo(kGrupoArtistas);
  EXPECT_EQ(r.Codigo(), "");
  EXPECT_EQ(r.Descripcion(), "");
  EXPECT_EQ(r.Seccion(), "3");
  EXPECT_EQ(r.CodigoDevuelto(), std::string(3, '\0'));
  EXPECT_EQ(r.GrupoDevuelto(), kGrupoArtistas);
}

}  // namespace
}  // namespace actividades
