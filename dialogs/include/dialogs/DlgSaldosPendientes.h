// The deduction balances left pending from earlier years, per holder: those of 1994 (before and after 8 July
// 1994, each split into vocational training, export activities and other deductions), the pending deductions of
// 1995 to 1998, those of 1997 and 1998, and the balances of the three deduction kinds. Each is a grid of two
// columns, one per holder: the first row chooses the column's holder, every other row is one balance.
//
// Stored form of a column (entry): byte 0 the holder code, bytes 1 to 7 reserved (kept as received), then one
// double per balance; the two columns back to back make the detail block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kEntradasSaldos = 2;

inline constexpr std::string_view kVentanaSaldos1994 = "IDD_SALPEN95PLUS";
inline constexpr std::string_view kVentanaSaldosCartuja = "IDD_SALPENCARTUJA";
inline constexpr std::string_view kVentanaSaldos9798 = "IDD_SALPENEMPLEO";
inline constexpr std::string_view kVentanaSaldosPendientes = "IDD_SALPEN95";

// The balances of each dialog.
inline constexpr int kImportesSaldos1994 = 6;
inline constexpr int kImportesSaldosCartuja = 4;
inline constexpr int kImportesSaldos9798 = 2;
inline constexpr int kImportesSaldosPendientes = 3;

constexpr SFormaBloque FormaSaldos(int importes) { return {kEntradasSaldos, importes, 0, 0, true}; }
constexpr std::size_t TamanoBloqueSaldos(int importes) {
  return kEntradasSaldos * (8 + 8 * static_cast<std::size_t>(importes));
}

class CDlgSaldos : public CDlgImportesTitulares {
 public:
  // One line of the grid's left-hand labels: a balance row (`fila` 1 and up) or a heading line (`fila` 0).
  struct SLineaSaldos {
    std::string_view texto;
    int fila;
  };

 protected:
  // `ids`: the holder row, then each balance row, two ids per row.
  CDlgSaldos(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo, int importes,
             std::vector<int> ids, std::span<const SLineaSaldos> lineas);
};

class CDlgSaldos1994 : public CDlgSaldos {
 public:
  explicit CDlgSaldos1994(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgSaldosCartuja : public CDlgSaldos {
 public:
  explicit CDlgSaldosCartuja(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgSaldos9798 : public CDlgSaldos {
 public:
  explicit CDlgSaldos9798(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgSaldosPendientes : public CDlgSaldos {
 public:
  explicit CDlgSaldosPendientes(wxWindow* padre, std::int32_t segundoParametro = 0);
};

// Puts the four dialogs into the register of detail dialogs.
void RegistrarDlgSaldosPendientes();

}  // namespace dialogos
