// Page 4 of the ordinary form D-100 (page id 204): the twin of page 3 over the second block of section D
// (RegApartadoD2), with the three amounts of RegApartadoD3 and a second total after the groups (see ORD003.h).
#pragma once

#include "d100/ORD003.h"

namespace ordinaria {

class CControlesORD004 final : public CControlesGruposD {
 public:
  CControlesORD004() : CControlesGruposD(PaginaD(4)) {}
};

class ORD004 : public CVistaGruposD {
 public:
  ORD004();

 protected:
  SEstadoFoco& EstadoFoco() override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD004);
};

// The page's class, registered under "ORD004" (for the list of ClasesPaginasD100).
wxClassInfo* ClasePaginaORD004();

}  // namespace ordinaria
