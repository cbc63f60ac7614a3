#include "income/ORD001.h"

#include <memory>

namespace renta {

wxIMPLEMENT_DYNAMIC_CLASS(ORD001, CVistaIdentificacion);

ORD001::ORD001() : CVistaIdentificacion(std::make_unique<CControlesORD001>()) {}

wxClassInfo* ClasePaginaORD001() { return wxCLASSINFO(ORD001); }

}  // namespace renta
