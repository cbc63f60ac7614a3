// The notices shown after a print run, telling the taxpayer what to do with the printed declaration: one for the
// income tax (1539), one for the wealth tax (1542). Both are "ATENCIÓN" dialogs with texts only and an OK button.
#pragma once

#include <string_view>
#include <vector>

#include "framework/TemplateDlg.h"

namespace salida {

inline constexpr int kIdAvisoSobreRenta = 1539;
inline constexpr int kIdAvisoSobrePatrimonio = 1542;

// The texts of a notice, in order (Windows-1252).
std::vector<std::string_view> TextosAvisoSobreRenta();
std::vector<std::string_view> TextosAvisoSobrePatrimonio();

class CDlgAvisoSobreRenta : public marco::CTemplateDlg {
 public:
  explicit CDlgAvisoSobreRenta(wxWindow* padre = nullptr);
};

class CDlgAvisoSobrePatrimonio : public marco::CTemplateDlg {
 public:
  explicit CDlgAvisoSobrePatrimonio(wxWindow* padre = nullptr);
};

// Lays the texts of a notice out on a dialog's layout (also used by the tests).
void ComponerAviso(marco::CPlantillaDialogo& plantilla, const std::vector<std::string_view>& textos);

}  // namespace salida
