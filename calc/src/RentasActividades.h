// The activity income of sections D1, D2, D4 and D5 by member: the amounts that the work-income reduction, the
// pension-plan limits and the results count as each person's net income from activities.
#pragma once

#include "ImportesMiembro.h"
#include "ximardol.h"

namespace ximardol {

// The member array of the activity rows, added in this order: the difference of each D1 activity row and the
// amount of each D1 other row, the difference less expenses of each D2 activity row and the amount of each D2 other
// row, then the net income and the attributed net income of each D4 row and of each D5 row.
ImportesMiembro RendimientosActividades(const RegApartadoD1* d1, const RegApartadoD2* d2, const RegApartadoD4* d4,
                                        const RegApartadoD5* d5);

}  // namespace ximardol
