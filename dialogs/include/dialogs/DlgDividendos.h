// The detail behind the dividends box of section C: up to six holder entries, one line each, with the gross
// amount received, the amount to include, the tax withheld, the administration and custody expenses and the
// deduction in the tax due.
#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kRecursoDividendos = 1554;
inline constexpr int kAyudaDividendos = 98;
inline constexpr std::string_view kVentanaDividendos = "IDD_DIVID6";
// Five amounts an entry: 48 bytes, 288 the block (RegRendCapMobiliario bytes 40 to 327).
inline constexpr int kImportesDividendos = 5;

enum ECampoDividendos : int {
  kDivIntegro = 1,   // gross amount received (G)
  kDivComputar,      // amount to include (A)
  kDivRetenciones,   // tax withheld (R)
  kDivGastos,        // administration and custody
  kDivDeduccion,     // deduction in the tax due (D)
};

class CDlgDividendos : public CDlgImportesTitulares {
 public:
  CDlgDividendos(wxWindow* padre, std::int32_t segundoParametro = 0);

  int ComprobarEntradas() override;
};

}  // namespace dialogos
