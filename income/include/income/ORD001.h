// Page 1 of the ordinary form D-100 (id 201): the identification page (IdentificacionComun.h), with the two
// split-payment boxes (135, 136) before the account and the date.
//
// The page view is a wxWidgets dynamic class named after its page ("ORD001"), which the document's page list finds
// by name; the program's start-up calls ClasePaginaORD001 once so that a static link keeps the class.
#pragma once

#include "income/IdentificacionComun.h"

class wxClassInfo;

namespace renta {

class CControlesORD001 final : public CControlesIdentificacion {
 public:
  CControlesORD001() : CControlesIdentificacion(EPaginaIdentificacion::ORD001) {}
};

class ORD001 : public CVistaIdentificacion {
 public:
  ORD001();
  std::string_view DameNombrePagina() const override { return "ORD001"; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD001);
};

// The page's class, registered under "ORD001"; calling it keeps the class in the program.
wxClassInfo* ClasePaginaORD001();

}  // namespace renta
