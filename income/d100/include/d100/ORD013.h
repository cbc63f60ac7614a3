// Page 13 of the ordinary form D-100 (page id 213): the deductions of section N (RegApartadoN) of the person shown.
// The same boxes, bindings and rules as page 5 of the simplified form (income/Liquidacion.h), whose classes it is
// built on.
#pragma once

#include "income/Liquidacion.h"

namespace ordinaria {

using renta::CControlesORD013;
using renta::kDespCodigosComunidad;
inline constexpr int kIdPaginaORD013 = renta::kIdPaginaORD013;

class ORD013 : public renta::CVistaDeduccionesAutonomicas {
 public:
  ORD013() = default;
  int DameNumeroPagina() override { return kIdPaginaORD013; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD013);
};

// The page's class, registered under "ORD013" (listed by ClasesPaginasD100).
wxClassInfo* ClasePaginaORD013();

}  // namespace ordinaria
