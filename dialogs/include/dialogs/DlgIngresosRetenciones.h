// The details behind the section-C boxes of income and tax withheld: life insurance and capitalisation
// (IDD_INGRET6) and lending of own capital to others (IDD_INREGA6). Up to six holder entries, one line each, with
// the income, the tax withheld and, for lending, the expenses. The variant of the box (the number after the first
// '*' of its window text) chooses the checks, which income takes a minus sign and a label.
#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kRecursoSegurosVida = 1555;
inline constexpr int kRecursoCesionCapitales = 1556;
inline constexpr std::string_view kVentanaSegurosVida = "IDD_INGRET6";
inline constexpr std::string_view kVentanaCesionCapitales = "IDD_INREGA6";
// Two amounts an entry (24 bytes, 144 the block) and three (32 bytes, 192 the block).
inline constexpr int kImportesSegurosVida = 2;
inline constexpr int kImportesCesionCapitales = 3;
// The note on deductible expenses and the heading of the expenses column of the lending dialog.
inline constexpr int kIdNotaGastos = kIdNotaLineas;
inline constexpr int kIdCabeceraGastos = 1270;

enum ECampoIngresosRetenciones : int {
  kIrIngresos = 1,  // income (I)
  kIrRetenciones,   // tax withheld (R)
  kIrGastos,        // expenses (lending only)
};

class CDlgSegurosVida : public CDlgImportesTitulares {
 public:
  CDlgSegurosVida(wxWindow* padre, std::int32_t segundoParametro = 0);

  int ComprobarEntradas() override;

 protected:
  bool AdmiteNegativo(int campo) const override { return campo == kIrIngresos && Variante() == 2; }
};

class CDlgCesionCapitales : public CDlgImportesTitulares {
 public:
  CDlgCesionCapitales(wxWindow* padre, std::int32_t segundoParametro = 0);

  int ComprobarEntradas() override;

 protected:
  bool AdmiteNegativo(int campo) const override { return campo == kIrIngresos && Variante() == 1; }
  void AlAbrir() override;
};

}  // namespace dialogos
