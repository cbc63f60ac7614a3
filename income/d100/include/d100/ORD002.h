// Page 2 of the ordinary form D-100 (page id 202): the work income (section A), the real-estate capital income
// (section B) and the movable capital income (section C) of the person shown. It has the very same boxes, bindings
// and recalculation as page 2 of the simplified form, whose classes it is built on (income/SIM002.h); printing, the
// draft presentation and the Internet filing file make the same box array without a view.
#pragma once

#include <string_view>

#include "income/SIM002.h"

namespace ordinaria {

class CControlesORD002 final : public renta::CControlesTrabajoCapital {};

class ORD002 : public renta::CVistaTrabajoCapital {
 public:
  ORD002();
  std::string_view DameNombrePagina() const override { return "ORD002"; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD002);
};

// The page's class, registered under "ORD002" (listed by ClasesPaginasD100).
wxClassInfo* ClasePaginaORD002();

}  // namespace ordinaria
