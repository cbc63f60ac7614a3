#include "d100/ORD004.h"

#include <memory>

namespace ordinaria {

wxIMPLEMENT_DYNAMIC_CLASS(ORD004, CVistaGruposD);

ORD004::ORD004() { PonerControles(std::make_unique<CControlesORD004>()); }

SEstadoFoco& ORD004::EstadoFoco() {
  static SEstadoFoco estado;
  return estado;
}

wxClassInfo* ClasePaginaORD004() { return wxCLASSINFO(ORD004); }

}  // namespace ordinaria
