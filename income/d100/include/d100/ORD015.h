// Page 15 of the ordinary form D-100 (page id 215): the liquidation of the person shown. The same boxes, bindings
// and rules as page 6 of the simplified form (income/Liquidacion.h), whose classes it is built on.
#pragma once

#include "income/Liquidacion.h"

namespace ordinaria {

class ORD015 : public renta::CVistaLiquidacion {
 public:
  ORD015() = default;
  int DameNumeroPagina() override { return renta::kIdPaginaORD015; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD015);
};

// The page's class, registered under "ORD015" (listed by ClasesPaginasD100).
wxClassInfo* ClasePaginaORD015();

}  // namespace ordinaria
