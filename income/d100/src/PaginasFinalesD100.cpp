// The D-100 pages built on the classes of their D-101 twins: the regional deductions (ORD013), the liquidation
// (ORD015), the results (ORD016) and the printed identification page (ORD020).
#include <memory>

#include "d100/ORD013.h"
#include "d100/ORD015.h"
#include "d100/ORD016.h"
#include "d100/ORD020.h"

namespace ordinaria {

wxIMPLEMENT_DYNAMIC_CLASS(ORD013, renta::CVistaDeduccionesAutonomicas);
wxIMPLEMENT_DYNAMIC_CLASS(ORD015, renta::CVistaLiquidacion);
wxIMPLEMENT_DYNAMIC_CLASS(ORD016, renta::CVistaResultados);
wxIMPLEMENT_DYNAMIC_CLASS(ORD020, renta::CVistaIdentificacion);

ORD020::ORD020() : renta::CVistaIdentificacion(std::make_unique<renta::CControlesORD001>()) {}

wxClassInfo* ClasePaginaORD013() { return wxCLASSINFO(ORD013); }
wxClassInfo* ClasePaginaORD015() { return wxCLASSINFO(ORD015); }
wxClassInfo* ClasePaginaORD016() { return wxCLASSINFO(ORD016); }
wxClassInfo* ClasePaginaORD020() { return wxCLASSINFO(ORD020); }

}  // namespace ordinaria
