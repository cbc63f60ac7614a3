#include "d100/PaginasD100.h"

#include "d100/ORD002.h"
#include "d100/ORD003.h"
#include "d100/ORD004.h"
#include "income/ORD001.h"

namespace ordinaria {

std::span<wxClassInfo* const> ClasesPaginasD100() {
  static wxClassInfo* const kClases[] = {
      renta::ClasePaginaORD001(),
      ClasePaginaORD002(),
      ClasePaginaORD003(),
      ClasePaginaORD004(),
  };
  return kClases;
}

}  // namespace ordinaria
