#include "d100/PaginasD100.h"

#include "d100/ORD002.h"

namespace ordinaria {

std::span<wxClassInfo* const> ClasesPaginasD100() {
  static wxClassInfo* const kClases[] = {
      ClasePaginaORD002(),
  };
  return kClases;
}

}  // namespace ordinaria
