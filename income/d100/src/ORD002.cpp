#include "d100/ORD002.h"

#include <memory>

namespace ordinaria {

wxIMPLEMENT_DYNAMIC_CLASS(ORD002, renta::CVistaTrabajoCapital);

ORD002::ORD002() { PonerControles(std::make_unique<CControlesORD002>()); }

wxClassInfo* ClasePaginaORD002() { return wxCLASSINFO(ORD002); }

}  // namespace ordinaria
