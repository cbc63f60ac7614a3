// The summary "RESUMEN DE DECLARACIONES" of a family unit: what each member who could file on their own would get
// from an individual declaration, their sum, against the joint declaration, and which choice costs less and by how
// much. Every figure is read from the data area as the whole recalculation left it (the calculation computes each
// member's individual declaration in the member's slot of its arrays and the joint one in slot 0); nothing is
// computed again here. docs/FAMILIA.md says which fields.
//
// The rules build the figures and the lines of text; CDlgResumenResultados shows them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "income/RentaReglas.h"
#include "ximardol.h"

class wxWindow;

namespace renta {

// The member arrays of RegResultados the summary reads (offsets within the block; slot 0 the joint declaration,
// slot p - 1 person p).
inline constexpr std::size_t kDespCuotaTrasDeducciones = 5688;  // quota after deductions
inline constexpr std::size_t kDespRetencionesYPagos = 6344;     // withholdings and payments on account
inline constexpr std::size_t kDespResultadoDeclaracion = 6384;  // result: quota less payments (below 0: refund)

// The three figures of one declaration.
struct SCifrasDeclaracion {
  double cuota = 0.0;
  double pagos = 0.0;
  double resultado = 0.0;
  friend bool operator==(const SCifrasDeclaracion&, const SCifrasDeclaracion&) = default;
};
// The figures of slot `slot` (0 the joint declaration, 1 declarant ... 4 second child).
SCifrasDeclaracion CifrasDeSlot(const RegResultados& resultados, int slot);

enum class EOpcionMasBarata : std::uint8_t { Individuales, Conjunta, Igual };

struct SFilaResumen {
  int sujeto = 0;  // person code 2 to 5
  SCifrasDeclaracion cifras;
};
struct SResumenDeclaraciones {
  std::vector<SFilaResumen> individuales;  // the members present, declarant first
  SCifrasDeclaracion sumaIndividuales;
  SCifrasDeclaracion conjunta;
  EOpcionMasBarata masBarata = EOpcionMasBarata::Igual;
  double diferencia = 0.0;  // how much less the cheaper choice costs (0 or more)
};

// The summary of the declaration: one row per member present (declarant, spouse, first child, second child, as
// the presence flags say), their sum, the joint declaration, and the cheaper choice: the one whose result (what is
// paid, a refund counting as a negative payment) is lower, by the difference of the two results rounded to whole
// cents; equal results (to the cent) make neither cheaper.
SResumenDeclaraciones ResumirDeclaraciones(const DatosRenta& datos,
                                           std::span<const std::int32_t, kNumeroSujetos> presentes);

// The summary as the lines of text the window shows, in Windows-1252: the currency, the head of the columns, a row
// per member, the sum, the joint declaration (columns aligned to the widest text) and the sentence on the cheaper
// choice. `texto` gives every fixed text in the interface language (the window's catalogs; as written in tests);
// amounts have `decimales` decimals (2 in euros, 0 in pesetas) and `euros` names the currency.
std::vector<std::string> LineasResumen(const SResumenDeclaraciones& resumen, int decimales, bool euros,
                                       const std::function<std::string(std::string_view)>& texto);

// The dialog "RESUMEN DE DECLARACIONES" over `padre`, modal, with the lines in a read-only text the user can
// select and copy.
void MostrarResumenDeclaraciones(wxWindow* padre, const std::vector<std::string>& lineas);

}  // namespace renta
