// Page 16 of the ordinary form D-100 (page id 216): the results of the person shown, up to the result of the
// declaration. The same boxes, bindings and rules as page 7 of the simplified form (income/Liquidacion.h).
#pragma once

#include "income/Liquidacion.h"

namespace ordinaria {

class ORD016 : public renta::CVistaResultados {
 public:
  ORD016() = default;
  int DameNumeroPagina() override { return renta::kIdPaginaORD016; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD016);
};

// The page's class, registered under "ORD016" (listed by ClasesPaginasD100).
wxClassInfo* ClasePaginaORD016();

}  // namespace ordinaria
