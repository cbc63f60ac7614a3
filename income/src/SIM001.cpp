#include "income/SIM001.h"

#include <memory>

namespace renta {

wxIMPLEMENT_DYNAMIC_CLASS(SIM001, CVistaIdentificacion);

SIM001::SIM001() : CVistaIdentificacion(std::make_unique<CControlesSIM001>()) {}

wxClassInfo* ClasePaginaSIM001() { return wxCLASSINFO(SIM001); }

}  // namespace renta
