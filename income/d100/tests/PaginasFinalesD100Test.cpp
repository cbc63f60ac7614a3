// The D-100 pages that close the form, found by their names as the page list and printing find them: the
// liquidation (215), the results (216) and the printed identification page (220), each with its box array.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "d100/ORD015.h"
#include "d100/ORD016.h"
#include "d100/ORD020.h"
#include "d100/PaginasD100.h"
#include "income/RentaReglas.h"

TEST(PaginasFinalesD100, CadaPaginaSeHallaPorSuNombreConSuNumeroYSusCasillas) {
  const auto clases = ordinaria::ClasesPaginasD100();
  struct SCaso {
    const char* nombre;
    int id;
  };
  for (const SCaso& c : {SCaso{"ORD015", 215}, SCaso{"ORD016", 216}, SCaso{"ORD020", 220}}) {
    wxClassInfo* clase = wxClassInfo::FindClass(c.nombre);
    ASSERT_NE(clase, nullptr) << c.nombre;
    EXPECT_NE(std::find(clases.begin(), clases.end(), clase), clases.end()) << c.nombre;
    std::unique_ptr<wxObject> objeto(clase->CreateObject());
    auto* vista = dynamic_cast<renta::CRentaVista*>(objeto.get());
    ASSERT_NE(vista, nullptr) << c.nombre;
    EXPECT_EQ(vista->DameNumeroPagina(), c.id) << c.nombre;
    EXPECT_NE(vista->DameControles(), nullptr) << c.nombre;
  }
  std::unique_ptr<wxObject> liquidacion(wxClassInfo::FindClass("ORD015")->CreateObject());
  EXPECT_NE(dynamic_cast<renta::CControlesLiquidacion*>(static_cast<renta::CRentaVista*>(liquidacion.get())->DameControles()),
            nullptr);
  std::unique_ptr<wxObject> resultados(wxClassInfo::FindClass("ORD016")->CreateObject());
  EXPECT_NE(dynamic_cast<renta::CControlesResultados*>(static_cast<renta::CRentaVista*>(resultados.get())->DameControles()),
            nullptr);
  std::unique_ptr<wxObject> impresa(wxClassInfo::FindClass("ORD020")->CreateObject());
  EXPECT_NE(dynamic_cast<renta::CControlesORD001*>(static_cast<renta::CRentaVista*>(impresa.get())->DameControles()),
            nullptr);
  // The form's page list names them in their places.
  EXPECT_EQ(renta::PaginasFormulario(2)[14], "ORD015");
  EXPECT_EQ(renta::PaginasFormulario(2)[15], "ORD016");
}
