// The heading search window on simulated controls: what a box gets back after a search by number, a choice from
// the list, a number that is not in the group's list, and a cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <string>

#include "CarpetaTablas.h"
#include "activities/DlgEpigrafes.h"
#include "framework/BaseDatos.h"
#include "framework/DialogoSimulado.h"
#include "framework/EditSeleccion.h"
#include "framework/MensajeGuion.h"

namespace actividades {
namespace {

// FIXTURE: hand-made headings for the tests, not headings of the tariffs.
CTablaEpigrafes TablaPrueba() {
  return CTablaEpigrafes({{"6594", "COMERCIO DE PRUEBA A (FIXTURE)", "1"},
                          {"6591", "COMERCIO DE PRUEBA B (FIXTURE)", "1"},
                          {"841", "PROFESION DE PRUEBA (FIXTURE)", "2"},
                          {"851", "ARTISTA DE PRUEBA (FIXTURE)", "3"}});
}

// What a person does in the open window.
using FGuion = std::function<void(marco::CControlesSimulados&, CDlgEpigrafes&)>;

struct SCaja {
  std::array<char, 5> codigo{};
  std::uint8_t grupo = 0;
  SEnlaceEpigrafe enlace{codigo.data(), &grupo};
  SCaja(std::string_view c, std::uint8_t g) : grupo(g) { std::memcpy(codigo.data(), c.data(), std::min<std::size_t>(5, c.size())); }
  std::string Codigo() const { return std::string(codigo.data(), strnlen(codigo.data(), codigo.size())); }
};

// Opens the window for a box of kind `tipo` as the selection edit does, runs the script and gives the result.
int Abrir(SCaja& caja, int tipo, const FGuion& guion, const CTablaEpigrafes& tabla) {
  marco::SContextoSeleccion contexto;
  contexto.enlace = &caja.enlace;
  contexto.numero1 = tipo;
  return AbrirDlgEpigrafes(contexto, tabla, [&guion](CDlgEpigrafes& dlg) {
    dlg.FijarEntorno(marco::SEntornoDialogo{1, false, false, false});
    marco::CControlesSimulados v(dlg.Plantilla());
    v.Abrir(dlg);
    guion(v, dlg);
    const int r = v.ResultadoVentana();
    v.Cerrar();
    return r;
  });
}

int Fila(const CDlgEpigrafes& dlg, std::string_view codigo) {
  for (std::size_t i = 0; i < dlg.Filas().size(); ++i) {
    if (dlg.Filas()[i].codigo == codigo) return static_cast<int>(i);
  }
  return -1;
}

TEST(DlgEpigrafes, LoQueLaCajaRecibe) {
  const CTablaEpigrafes tabla = TablaPrueba();
  struct SCaso {
    const char* nombre;
    int tipo;
    const char* codigo;
    std::uint8_t grupo;
    FGuion guion;
    int resultado;
    const char* codigoFinal;
    std::uint8_t grupoFinal;
    const char* mensaje;
  };
  const SCaso casos[] = {
      {"number typed with its point", 1, "", 0,
       [](marco::CControlesSimulados& v, CDlgEpigrafes&) {
         v.Teclear(kIdTextoBuscar, "659.4");
         v.Pulsar(kIdBuscarEpigrafe);
         EXPECT_EQ(v.Control(kIdCodigoEpigrafe)->texto, "6594");
         v.Pulsar(marco::kIdAceptar);
       },
       1, "659.4", kGrupoMercantil, ""},
      {"heading chosen from the list", 2, "", 1,
       [](marco::CControlesSimulados& v, CDlgEpigrafes& d) {
         EXPECT_EQ(v.Control(kIdListaEpigrafes)->elementos,
                   (std::vector<std::string>{"PROFESION DE PRUEBA (FIXTURE)"}));
         v.Elegir(kIdListaEpigrafes, Fila(d, "841"));
         EXPECT_EQ(v.Control(kIdCodigoEpigrafe)->texto, "841");
         v.Pulsar(marco::kIdAceptar);
       },
       1, "841", kGrupoProfesionales, ""},
      {"number not in the group's list", 1, "659.4", 2,
       [](marco::CControlesSimulados& v, CDlgEpigrafes&) {
         v.Escribir(kIdTextoBuscar, "841");
         v.Pulsar(kIdBuscarEpigrafe);
         // The heading held stays chosen.
         EXPECT_EQ(v.Control(kIdCodigoEpigrafe)->texto, "6594");
         v.Pulsar(marco::kIdAceptar);
       },
       1, "659.4", kGrupoMercantil, "100R200"},
      {"another group, then cancel", 3, "659.4", 2,
       [](marco::CControlesSimulados& v, CDlgEpigrafes& d) {
         v.Pulsar(kIdArtistas);
         EXPECT_EQ(v.Control(kIdCodigoEpigrafe)->texto, "");
         v.Elegir(kIdListaEpigrafes, Fila(d, "851"));
         v.Pulsar(marco::kIdCancelar);
       },
       2, "659.4", kGrupoMercantil, ""},
      {"kind 2 takes three characters", 2, "851", 0,
       [](marco::CControlesSimulados& v, CDlgEpigrafes&) {
         EXPECT_TRUE(v.Control(kIdArtistas)->marcado);
         v.Pulsar(kIdProfesionales);
         v.Escribir(kIdTextoBuscar, "841");
         v.Pulsar(kIdBuscarEpigrafe);
         v.Pulsar(marco::kIdAceptar);
       },
       1, "841", kGrupoProfesionales, ""},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    marco::CGuionMensajes guion;
    SCaja caja(c.codigo, c.grupo);
    EXPECT_EQ(Abrir(caja, c.tipo, c.guion, tabla), c.resultado);
    EXPECT_EQ(caja.Codigo(), c.codigoFinal);
    EXPECT_EQ(caja.grupo, c.grupoFinal);
    const std::vector<std::string> esperados =
        *c.mensaje != '\0' ? std::vector<std::string>{c.mensaje} : std::vector<std::string>{};
    EXPECT_EQ(guion.Codigos(), esperados);
  }
}

TEST(DlgEpigrafes, GruposBusquedaYLista) {
  const CTablaEpigrafes tabla = TablaPrueba();
  marco::CGuionMensajes guion;
  // A kind-1 box opens on business whatever group it held; the others are not offered.
  SCaja caja("", 0);
  Abrir(caja, 1,
        [](marco::CControlesSimulados& v, CDlgEpigrafes& d) {
          EXPECT_TRUE(v.Control(kIdMercantil)->marcado);
          EXPECT_FALSE(v.Control(kIdArtistas)->habilitado);
          EXPECT_FALSE(v.Control(kIdProfesionales)->habilitado);
          EXPECT_EQ(d.Filas().size(), 2u);
          // Letters never stay in the search text; an empty text leaves the button off.
          EXPECT_FALSE(v.Control(kIdBuscarEpigrafe)->habilitado);
          v.Teclear(kIdTextoBuscar, "6a5");
          EXPECT_EQ(v.Control(kIdTextoBuscar)->texto, "65");
          EXPECT_TRUE(v.Control(kIdBuscarEpigrafe)->habilitado);
          v.Escribir(kIdTextoBuscar, "x9.y");
          EXPECT_EQ(v.Control(kIdTextoBuscar)->texto, "9.");
          v.Escribir(kIdTextoBuscar, "abc");
          EXPECT_EQ(v.Control(kIdTextoBuscar)->texto, "");
          EXPECT_FALSE(v.Control(kIdBuscarEpigrafe)->habilitado);
          // A chosen heading is selected in the list; clicking the current group keeps it.
          v.Elegir(kIdListaEpigrafes, 1);
          EXPECT_EQ(v.Control(kIdCodigoEpigrafe)->texto, "6591");
          v.Pulsar(kIdMercantil);
          EXPECT_EQ(v.Control(kIdCodigoEpigrafe)->texto, "6591");
          EXPECT_EQ(v.Control(kIdListaEpigrafes)->seleccion, 1);
          v.Pulsar(marco::kIdCancelar);
        },
        tabla);
  EXPECT_EQ(caja.Codigo(), "");

  // A box kind the window does not know: no groups, no list, OK gives nothing back.
  SCaja otra("841", 1);
  marco::SContextoSeleccion contexto;
  contexto.enlace = &otra.enlace;
  contexto.numero1 = 4;
  EXPECT_EQ(AbrirDlgEpigrafes(contexto, tabla, [](CDlgEpigrafes&) { return 1; }), 2);
  CDlgEpigrafes dlg(nullptr, 4, "841", 1, tabla);
  marco::CControlesSimulados v(dlg.Plantilla());
  v.Abrir(dlg);
  EXPECT_FALSE(v.Control(kIdArtistas)->habilitado);
  EXPECT_FALSE(v.Control(kIdListaEpigrafes)->habilitado);
  v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(v.ResultadoVentana(), 2);
  // Without a link nothing opens.
  EXPECT_EQ(AbrirDlgEpigrafes(marco::SContextoSeleccion{}, tabla, [](CDlgEpigrafes&) { return 1; }), 2);
  EXPECT_TRUE(guion.Codigos().empty());
}

// The table as the program reads it from the local database: the headings of each section, and no table at all.
class TablaEpigrafes : public ::pruebas::CCarpetaTablas {};

TEST_F(TablaEpigrafes, LeeLasSeccionesDeLaTabla) {
  CrearTabla("EPIGRAFC",
             "TABLA EPIGRAFC\nCAMPO clave C 5\nCAMPO descripc C 47\nCAMPO seccion C 1\nETIQUETA CLAVE clave\nFILAS\n"
             "6594 |PRUEBA A (FIXTURE)|1\n659.1|PRUEBA B (FIXTURE)|1\n841  |PRUEBA C (FIXTURE)|2\n");
  marco::CBaseDatos base;
  base.Abrir(Carpeta(), false, 1, "DBF");
  marco::CGuionMensajes guion;
  const CTablaEpigrafes tabla = CTablaEpigrafes::Leer(&base, 'C');
  const std::vector<SEpigrafe> mercantil = tabla.DeSeccion("1");
  ASSERT_EQ(mercantil.size(), 2u);
  EXPECT_EQ(mercantil[0].codigo, "6594");
  EXPECT_EQ(mercantil[1].codigo, "6591");
  EXPECT_EQ(tabla.Buscar("2", "841 "), "PRUEBA C (FIXTURE)");
  EXPECT_EQ(tabla.Buscar("1", "841 "), std::string(kLargoDescripcionEpigrafe, ' '));
  // Another language's twin is not there: no headings and no message.
  EXPECT_TRUE(CTablaEpigrafes::Leer(&base, 'G').Vacia());
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{});
}

TEST(DlgEpigrafes, RegistradoParaLasCajas) {
  RegistrarDlgEpigrafes();
  EXPECT_TRUE(marco::RegistroSelecciones().EstaRegistrado(kVentanaEpigrafe));
  EXPECT_TRUE(marco::DialogoPermitidoAMiembro(kVentanaEpigrafe));
}

}  // namespace
}  // namespace actividades
