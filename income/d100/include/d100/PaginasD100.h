// The page classes of the ordinary form D-100 that this library holds.
//
// Each page view is a wxWidgets dynamic class named after its page ("ORD002"); the income-tax document builds its
// page list by those names (wxClassInfo::FindClass). A static library keeps a class only when something refers
// to it, so the program's start-up calls ClasesPaginasD100 once, before the first declaration is opened. Each page
// gives its class through its own accessor (ClasePaginaORD002); a page written later adds that accessor to the list
// in PaginasD100.cpp.
#pragma once

#include <span>

class wxClassInfo;

namespace ordinaria {

// Every D-100 page class of the library, in page order.
std::span<wxClassInfo* const> ClasesPaginasD100();

}  // namespace ordinaria
