// The depreciation of an agricultural or livestock activity under the module regime, split by the use of the
// depreciated elements: agricultural work on own and on leased land, poultry and intensive pig farming for meat,
// other livestock, and other accessory work. It edits five amounts of the activity's row (RegApartadoD5, 2064
// bytes, copied in and back by the detail launcher) and, on OK, warns (100V197) when an amount has no income to go
// with it in the row.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/TemplateDlg.h"

namespace dialogos {

inline constexpr int kRecursoAmortizaciones = 216;
inline constexpr std::string_view kVentanaAmortizaciones = "IDD_AMORTIAG";
inline constexpr std::size_t kLargoFilaAmortizaciones = 2064;

// The five amounts: control and row offset.
inline constexpr int kIdAmortPropias = 1871;
inline constexpr int kIdAmortArrendadas = 1868;
inline constexpr int kIdAmortAvicultura = 1869;
inline constexpr int kIdAmortGanaderas = 1870;
inline constexpr int kIdAmortAccesorias = 1872;

namespace FilaAmortizaciones {
inline constexpr std::size_t Clase = 0;        // the activity kind, '1' to '7'
inline constexpr std::size_t Uso = 1848;       // the use of the elements: '1', '2' or another value
inline constexpr std::size_t Propias = 1856;
inline constexpr std::size_t Arrendadas = 1864;
inline constexpr std::size_t Avicultura = 1872;
inline constexpr std::size_t Ganaderas = 1880;
inline constexpr std::size_t Accesorias = 1888;
}  // namespace FilaAmortizaciones

class CDlgAmortizaciones : public marco::CTemplateDlg {
 public:
  explicit CDlgAmortizaciones(wxWindow* padre = nullptr, std::int32_t segundoParametro = 0);

  // The activity's row as received; the amounts go back into it on OK.
  std::array<unsigned char, kLargoFilaAmortizaciones> m_fila{};

  int OnInitDialog() override;
  void OnOK() override;

  // Whether the amount of a control is bound (and so edited) for the row's use of the elements.
  bool Enlazado(int id) const;
  // The warning's condition on the row: an amount without income to go with it.
  static bool FaltanIngresos(const std::array<unsigned char, kLargoFilaAmortizaciones>& fila);

 private:
  std::array<double, 5> m_importes{};
};

// Put the dialog into the register of detail dialogs.
void RegistrarDlgAmortizaciones();

}  // namespace dialogos
