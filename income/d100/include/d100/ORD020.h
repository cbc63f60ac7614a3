// The printed identification page of the ordinary form D-100 (page id 220, its second printed sheet): the boxes and
// bindings of page 1 (ORD001), family lists included (EnlazarListasFamiliares), under the printed form's heading.
// Printing makes its box array; its view is never shown.
#pragma once

#include "income/ORD001.h"

namespace ordinaria {

inline constexpr int kIdPaginaORD020 = 220;

class ORD020 : public renta::CVistaIdentificacion {
 public:
  ORD020();
  std::string_view DameNombrePagina() const override { return "ORD020"; }
  int DameNumeroPagina() override { return kIdPaginaORD020; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD020);
};

// The page's class, registered under "ORD020" (listed by ClasesPaginasD100).
wxClassInfo* ClasePaginaORD020();

}  // namespace ordinaria
