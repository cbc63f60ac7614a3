#include "d100/PaginasD100.h"

#include "d100/ORD002.h"
#include "d100/ORD003.h"
#include "d100/ORD004.h"
#include "d100/ORD005.h"
#include "d100/ORD006.h"
#include "d100/ORD007.h"
#include "d100/ORD008.h"
#include "d100/ORD009.h"
#include "d100/ORD010.h"
#include "d100/ORD011.h"
#include "d100/ORD012.h"
#include "d100/ORD013.h"
#include "d100/ORD014.h"
#include "d100/ORD015.h"
#include "d100/ORD016.h"
#include "d100/ORD020.h"
#include "income/ORD001.h"

namespace ordinaria {

std::span<wxClassInfo* const> ClasesPaginasD100() {
  static wxClassInfo* const kClases[] = {
      renta::ClasePaginaORD001(),
      ClasePaginaORD002(),
      ClasePaginaORD003(),
      ClasePaginaORD004(),
      ClasePaginaORD005(),
      ClasePaginaORD006(),
      ClasePaginaORD007(),
      ClasePaginaORD008(),
      ClasePaginaORD009(),
      ClasePaginaORD010(),
      ClasePaginaORD011(),
      ClasePaginaORD012(),
      ClasePaginaORD013(),
      ClasePaginaORD014(),
      ClasePaginaORD015(),
      ClasePaginaORD016(),
      ClasePaginaORD020(),
  };
  return kClases;
}

}  // namespace ordinaria
