// The detail behind the real-estate capital income boxes of section B: up to six holder entries side by side, one
// column each, with the income, the deductible expenses, the reduction for irregular income and the tax withheld.
#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kRecursoCapitalInmobiliario = 1559;
inline constexpr int kAyudaCapitalInmobiliario = 88;
inline constexpr std::string_view kVentanaCapitalInmobiliario = "IDD_INMOBILIARIO";
// Eight amounts an entry: 72 bytes, 432 the block (RegRendCapInmobiliario bytes 40 to 471).
inline constexpr int kImportesInmobiliario = 8;

// The fields of an entry (grid rows; field f is importes[f - 1]).
enum ECampoInmobiliario : int {
  kInmIngresos = 1,      // letting and rights of use
  kInmSubarriendo,       // share of a sublease or transfer price
  kInmIntereses,         // interest on borrowed capital
  kInmAmortizacion,
  kInmCompensacion,      // tax compensation, contracts before 9/5/85
  kInmOtrosGastos,
  kInmReduccion,         // reduction for irregular income (may be negative)
  kInmRetenciones,
};

class CDlgCapitalInmobiliario : public CDlgImportesTitulares {
 public:
  CDlgCapitalInmobiliario(wxWindow* padre, std::int32_t segundoParametro = 0);

  int ComprobarEntradas() override;

 protected:
  bool AdmiteNegativo(int campo) const override { return campo == kInmReduccion; }
};

}  // namespace dialogos
