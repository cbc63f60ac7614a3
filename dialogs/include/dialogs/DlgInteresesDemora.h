// The late-payment interest a family owes, or is owed, for amounts of earlier fiscal years. The detail of the box
// holds three holder entries (CDlgInteresesDemora, a holder grid): each a holder, its interest total and the
// computation behind it, which the entry's "Prop." button opens (CDlgCalculoIntereses): up to eight rows of a
// fiscal year, an amount, the direction ('I' to pay, 'D' or 'T' to be refunded) and, for a refund, the day it
// bears interest from; and the day the interest is computed to. The interest of a row is counted day by day from
// the day after its start up to the computation day, each day at the legal rate of its period divided by that
// period's days of the year; a row to pay starts on the last day of filing of its year.
//
// Stored forms: an entry is 416 bytes (holder code, 7 reserved bytes, the total as a double, the 400-byte
// computation); a computation is the computation date (8 digits ddmmaaaa, 8 blanks when none), eight rows of 48
// bytes (year 4 digits, 4 reserved, amount double, direction 1 byte, start date 8 digits, 7 reserved, days double,
// interest double) and the total interest (double) at byte 392.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"
#include "framework/TemplateDlg.h"

namespace dialogos {

inline constexpr std::string_view kVentanaInteresesDemora = "IDD_IDEMORAP";
inline constexpr int kEntradasIntereses = 3;
inline constexpr int kFilasIntereses = 8;
inline constexpr std::size_t kTamanoCalculoIntereses = 400;
inline constexpr std::size_t kTamanoEntradaIntereses = 16 + kTamanoCalculoIntereses;
inline constexpr std::size_t kTamanoBloqueIntereses = kEntradasIntereses * kTamanoEntradaIntereses;
inline constexpr int kContextoAyudaIntereses = 750;
// The lookup tables of the year and direction boxes.
inline constexpr std::string_view kTablaEjercicios = "EJERCICE.TAB";
inline constexpr std::string_view kTablaIngresoDevolucion = "INGDEVUE.TAB";

// ---- the computation ----

// The filing period of a fiscal year: its last day and the first day a refund may bear interest from.
struct SPlazoDeclaracion {
  int ano;
  std::string_view finPresentacion;
  std::string_view primerDiaDevolucion;
};
// The filing period of the years 1988 to 1998; null for any other year.
const SPlazoDeclaracion* PlazoDeclaracion(int ano);

// Whether the years of an interest mode take `ano`: mode 1 the years 1988 to 1996, mode 2 1997 and 1998, mode 3
// only 1998; any other mode every year that has a filing period.
bool AnoAdmitidoIntereses(int modo, int ano);

struct SInteresFila {
  double dias = 0.0;
  double interes = 0.0;
};
// The interest of amount `importe` from the day after `inicio` up to and including `calculo` (both ddmmaaaa),
// unrounded. A start after the computation day, or a date that is not valid, gives nothing.
SInteresFila CalcularInteresFila(double importe, std::string_view inicio, std::string_view calculo);

// One row of a computation, and the whole computation, as read from (and written to) its 400 bytes.
struct SFilaIntereses {
  std::string ano;  // 4 characters (NUL or blanks when none)
  double importe = 0.0;
  char sentido = 0;
  std::string inicio;  // 8 characters
  double dias = 0.0;
  double interes = 0.0;
};
using CalculoIntereses = std::array<unsigned char, kTamanoCalculoIntereses>;
SFilaIntereses LeerFilaIntereses(const CalculoIntereses& calculo, int fila);
void EscribirFilaIntereses(CalculoIntereses& calculo, int fila, const SFilaIntereses& valores);
std::string FechaCalculoIntereses(const CalculoIntereses& calculo);
void PonerFechaCalculoIntereses(CalculoIntereses& calculo, std::string_view fecha);
double TotalIntereses(const CalculoIntereses& calculo);

// The computation of every row of `calculo` and its total, as the dialog does after each accepted change: a row
// without computation day, year or amount has nothing; a row to pay starts on the last day of filing of its year;
// a refund row with a valid start date starts there.
void CalcularIntereses(CalculoIntereses& calculo);

// ---- the computation dialog (179) ----

class CDlgCalculoIntereses : public marco::CTemplateDlg {
 public:
  explicit CDlgCalculoIntereses(wxWindow* padre);

  // The computation as received; OK leaves the edited one here.
  CalculoIntereses m_recibido{};
  const CalculoIntereses& Copia() const { return m_copia; }

  // The holder whose entry it is (its name follows the caption) and the interest mode (the years offered).
  void PonerTitular(std::uint8_t titular);
  void PonerModo(int modo) { m_nModo = modo; }
  int Modo() const { return m_nModo; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;

 private:
  void EnlazarCampos();
  void CalcularTodo() { CalcularIntereses(m_copia); }
  void HabilitarFilas();
  // The refund rows whose start date lies outside [first refund day of the year, computation day] lose it, with
  // FECHAM. True when none did.
  bool ComprobarFechasDevolucion();
  void Recalcular();
  // A year box left with a new value: a blank year clears its row; a year the mode does not take is refused.
  void CambiarAno(int fila);
  bool ComprobarFechaInicio(int fila);

  CalculoIntereses m_copia{};
  int m_nModo = 0;
  std::string m_strTituloBase;
  std::string m_anoAlEntrar;
};

// ---- the holder entries (207) ----

class CDlgInteresesDemora : public CDlgImportesTitulares {
 public:
  explicit CDlgInteresesDemora(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The computation of an entry of the working copy.
  CalculoIntereses Calculo(int entrada) const;
  void PonerCalculo(int entrada, const CalculoIntereses& calculo);

  int AlComando(int id, int codigo) override;
  // The "Prop." button of entry `entrada`: nothing for an entry without holder; else the computation dialog on
  // its computation, whose OK brings back the computation and the total.
  void Desglose(int entrada);

 protected:
  // Runs the computation dialog; tests drive it without a window.
  virtual int EjecutarCalculo(CDlgCalculoIntereses& dlg);
  // The total of an entry comes from its computation, never typed.
  bool FilaCalculada(int fila) const override { return fila == 1; }
};

void RegistrarDlgInteresesDemora();

}  // namespace dialogos
