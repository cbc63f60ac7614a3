// The list of the kinds of element of the capital-gains section F3: a grid of one row per kind of the lookup table
// "elempate" (the twin of the interface language), its description and its value; a click marks one row, a double
// click on the marked row takes it. OK hands back the row (1-based) and its value; OK without a row refuses with
// 100R169. Cancel always closes and hands back nothing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/TemplateDlg.h"
#include "income/FilasSecciones.h"

namespace marco {
class CBaseDatos;
class CGridCtrl;
}  // namespace marco

namespace dialogos {

inline constexpr int kRecursoTipoElemento = 243;
inline constexpr int kIdRejillaTipoElemento = 1369;
inline constexpr std::string_view kTablaTipoElemento = renta::kTablaTipoElemento;
inline constexpr std::string_view kMensajeSinTipoElemento = "100R169";
// The mark of the chosen row (column 0).
inline constexpr std::string_view kMarcaTipoElemento = "X";

struct SFilaTipoElemento {
  std::string descripcion;  // up to 100 characters, Windows-1252
  std::string valor;        // the value as the table's "%f" text
};

// The table's name in a language: its eighth character is the language letter.
std::string NombreTablaTipoElemento(char letra);
// The rows of the table in "clave" order; none when it cannot be read (the table layer has said why).
std::vector<SFilaTipoElemento> LeerTiposElemento(marco::CBaseDatos* base, char letra);
// The value of a row: the number of its first ten characters (0 when they are not one).
double ValorTipoElemento(std::string_view texto);

class CDlgTipoElemento : public marco::CTemplateDlg {
 public:
  explicit CDlgTipoElemento(wxWindow* padre);

  // What the caller sets before the run and reads after OK.
  int m_nFilaSeleccionada = 0;  // 1-based; 0 none
  int m_nModo = 1;
  double m_dValor = 0.0;

  // The rows to show; without them the table of the local database is read when the dialog opens.
  void PonerFilas(std::vector<SFilaTipoElemento> filas);
  const std::vector<SFilaTipoElemento>& Filas() const { return m_filas; }
  // The text of column 0 of a row (the mark).
  std::string Marca(int fila) const;

  int OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;

  // A click on row `fila` (0-based): the mark moves there and the row's value is taken.
  void SeleccionarFila(int fila);
  // The grid's row activation: a marked row other than the first is taken as with OK.
  void ActivarFila(int fila);

 private:
  void Repintar();

  std::vector<SFilaTipoElemento> m_filas;
  std::vector<std::string> m_marcas;
  bool m_bFilasPuestas = false;
  marco::CGridCtrl* m_pRejilla = nullptr;  // the window's grid, while it lives (owned by the window)
};

// Registers the list under renta::kVentanaTipoElemento over a row's type block (an int, then the value as a double
// at 8): the list opens on the row's type and value and, on OK, hands back the chosen row and its value.
void RegistrarDlgTipoElemento();

}  // namespace dialogos
