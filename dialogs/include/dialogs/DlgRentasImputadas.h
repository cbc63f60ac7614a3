// The detail behind the imputed real-estate income box (section E, pages ORD007 and SIM003): up to six holder
// entries, one a line, each one property of one holder with its cadastral value, unrevised or revised, and the days
// of the year it counts; the dialog works out each entry's imputed income: 2 % a year of an unrevised cadastral value,
// 1.1 % a year of a revised one, in proportion to the days (the 1999 income-tax law, article 71.1). An entry holds
// either an unrevised or a revised value, not both.
#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kRecursoRentasImputadas = 163;
inline constexpr int kAyudaRentasImputadas = 817;
inline constexpr std::string_view kVentanaRentasImputadas = "IDD_IMPURENTAS";
// Five amounts an entry: 48 bytes, 288 the block (the whole of RegApartadoE1).
inline constexpr int kImportesRentasImputadas = 5;

enum ECampoRentasImputadas : int {
  kImpValorSinRevisar = 1,  // V1
  kImpDiasSinRevisar,       // N1
  kImpValorRevisado,        // V2
  kImpDiasRevisado,         // N2
  kImpIngresos,             // worked out, never typed
};

// The rates a year and the days of the year.
inline constexpr double kTipoSinRevisar = 0.02;
inline constexpr double kTipoRevisado = 0.011;
inline constexpr double kDiasAno = 365.0;
// More days than the year has.
inline constexpr std::string_view kMensajeDiasAno = "WIN1001";

// The imputed income of one entry: Redondear(V1 x N1 x 0.02/365 + V2 x N2 x 0.011/365).
double IngresosImputados(double v1, double n1, double v2, double n2);

class CDlgRentasImputadas : public CDlgImportesTitulares {
 public:
  CDlgRentasImputadas(wxWindow* padre, std::int32_t segundoParametro = 0);

  // No checks on OK: the days are limited as they are typed.
  int ComprobarEntradas() override { return 1; }
  int OnInitDialog() override;
  // Leaving a value: its days default to the whole year (none without a value) and the other pair of the entry is
  // closed while this one holds something; leaving days: more than 365 become 365 (WIN1001). The income is worked
  // out again either way.
  int AlSalirDeCampo(int id) override;
  // Delete in an unrevised value also clears its days; in the revised days clears them.
  int AlBorrarCampo(int id) override;
  int AlCambiarTexto(int id) override;
  int AlCambiarValor(int id) override;
  void ActualizarEntradas() override;

  // Opens each entry's pairs: both while neither value is typed, else only the pair whose value is.
  void HabilitarParejas();
  // The income of entry e from its values and days, shown again.
  void CalcularIngresos(int entrada);

 private:
  void LimitarDias(int entrada, int campo);
};

// Puts the dialog into the framework's register under IDD_IMPURENTAS.
void RegistrarDlgRentasImputadas();

}  // namespace dialogos
