// The detail behind the reduction boxes of movable-capital income: up to six holder entries with an amount each,
// checked on OK, by the box's kind, against what the capital-income calculation left for each person: with kind 1
// each person's reductions within 70 % of the person's figure and of its sign; with kind 2 within the figures, the
// total first. Kinds 1 and 9 take negative amounts.
#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"
#include "ximardol.h"

namespace dialogos {

inline constexpr std::string_view kVentanaReduccionesTransitorias = "IDD_TIT6DAT1";
inline constexpr int kRecursoReduccionesTransitorias = 201;

class CDlgReduccionesTransitorias : public CDlgImportesTitulares {
 public:
  explicit CDlgReduccionesTransitorias(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The movable-capital block of the open declaration (the launcher takes it from there).
  RegRendCapMobiliario m_capital{};

  // 1 when the amounts may go back, 0 when the dialog stays open.
  int ComprobarEntradas() override;

 protected:
  bool AdmiteNegativo(int) const override { return Variante() == 1 || Variante() == 9; }
};

// Put the dialog into the register of detail dialogs.
void RegistrarDlgReduccionesTransitorias();

}  // namespace dialogos
