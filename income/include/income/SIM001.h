// Page 1 of the simplified form D-101 (id 101): the identification page (IdentificacionComun.h), without the
// split-payment boxes; the account and the date follow the tax allocation at once.
//
// The page view is a wxWidgets dynamic class named after its page ("SIM001"), which the document's page list finds
// by name; the program's start-up calls ClasePaginaSIM001 once so that a static link keeps the class.
#pragma once

#include "income/IdentificacionComun.h"

class wxClassInfo;

namespace renta {

class CControlesSIM001 final : public CControlesIdentificacion {
 public:
  CControlesSIM001() : CControlesIdentificacion(EPaginaIdentificacion::SIM001) {}
};

class SIM001 : public CVistaIdentificacion {
 public:
  SIM001();
  std::string_view DameNombrePagina() const override { return "SIM001"; }

 private:
  wxDECLARE_DYNAMIC_CLASS(SIM001);
};

// The page's class, registered under "SIM001"; calling it keeps the class in the program.
wxClassInfo* ClasePaginaSIM001();

}  // namespace renta
