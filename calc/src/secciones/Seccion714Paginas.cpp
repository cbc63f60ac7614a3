// Wealth tax, the page totals: each page's rows summed into its total, and the total copied into its slot of the
// summary record, from which the liquidation works.
//
// Every page export takes (page record, flag, summary): a flag other than 0 sums the page (the total is set to 0.0
// and the rows are added one by one, in row order); flag 0 copies the total's 8 bytes into the page's summary slot.
// The caller calls each page with -1 and then with 0; a call with 0 alone copies whatever total the record holds.
//
// Page C holds two lists: C1 always re-sums its own total and then hands its three arguments to C2, which sums its
// rows and keeps C1 + C2 at 1960 (flag not 0), or copies that sum into the summary (flag 0).
#include <cstring>

#include "Acceso.h"
#include "bloques/RegPatA.h"
#include "bloques/RegPatB.h"
#include "bloques/RegPatC.h"
#include "bloques/RegPatD.h"
#include "bloques/RegPatDeudas.h"
#include "bloques/RegPatE.h"
#include "bloques/RegPatF1.h"
#include "bloques/RegPatF2.h"
#include "bloques/RegPatG1.h"
#include "bloques/RegPatG2.h"
#include "bloques/RegPatG3.h"
#include "bloques/RegPatG4.h"
#include "bloques/RegPatH1.h"
#include "bloques/RegPatH2.h"
#include "bloques/RegPatI.h"
#include "bloques/RegPatJ.h"
#include "bloques/RegPatK.h"
#include "bloques/RegPatL.h"
#include "bloques/RegPatM.h"
#include "bloques/RegPatN.h"
#include "bloques/RegPatO.h"
#include "bloques/RegPatP.h"
#include "bloques/RegPatQ.h"
#include "bloques/RegPatResumen.h"

namespace ximardol {
namespace {

// One page: the value of each row (first, stride, rows), the page total and the summary slot it goes to.
template <typename Bloque>
struct Pagina {
  Columna<Bloque, double> valores;
  CampoDouble<Bloque> total;
  CampoDouble<RegPatResumen> ranura;
};

// The pages, in the order of the form. Page C is the two lists below, outside this table.
inline constexpr Pagina<RegPatA> PaginaA{PatA::Valores, PatA::Total, PatResumen::TotalPaginaA};
inline constexpr Pagina<RegPatB> PaginaB{PatB::Valores, PatB::Total, PatResumen::TotalPaginaB};
inline constexpr Pagina<RegPatD> PaginaD{PatD::Valores, PatD::Total, PatResumen::TotalPaginaD};
inline constexpr Pagina<RegPatE> PaginaE{PatE::Valores, PatE::Total, PatResumen::TotalPaginaE};
inline constexpr Pagina<RegPatF1> PaginaF1{PatF1::Valores, PatF1::Total, PatResumen::TotalPaginaF1};
inline constexpr Pagina<RegPatF2> PaginaF2{PatF2::Valores, PatF2::Total, PatResumen::TotalPaginaF2};
inline constexpr Pagina<RegPatG1> PaginaG1{PatG1::Valores, PatG1::Total, PatResumen::TotalPaginaG1};
inline constexpr Pagina<RegPatG2> PaginaG2{PatG2::Valores, PatG2::Total, PatResumen::TotalPaginaG2};
inline constexpr Pagina<RegPatG3> PaginaG3{PatG3::Valores, PatG3::Total, PatResumen::TotalPaginaG3};
inline constexpr Pagina<RegPatG4> PaginaG4{PatG4::Valores, PatG4::Total, PatResumen::TotalPaginaG4};
inline constexpr Pagina<RegPatH1> PaginaH1{PatH1::Valores, PatH1::Total, PatResumen::TotalPaginaH1};
inline constexpr Pagina<RegPatH2> PaginaH2{PatH2::Valores, PatH2::Total, PatResumen::TotalPaginaH2};
inline constexpr Pagina<RegPatI> PaginaI{PatI::Valores, PatI::Total, PatResumen::TotalPaginaI};
inline constexpr Pagina<RegPatJ> PaginaJ{PatJ::Valores, PatJ::Total, PatResumen::TotalPaginaJ};
inline constexpr Pagina<RegPatK> PaginaK{PatK::Valores, PatK::Total, PatResumen::TotalPaginaK};
inline constexpr Pagina<RegPatL> PaginaL{PatL::Valores, PatL::Total, PatResumen::TotalPaginaL};
inline constexpr Pagina<RegPatM> PaginaM{PatM::Valores, PatM::Total, PatResumen::TotalPaginaM};
inline constexpr Pagina<RegPatN> PaginaN{PatN::Valores, PatN::Total, PatResumen::TotalPaginaN};
inline constexpr Pagina<RegPatO> PaginaO{PatO::Valores, PatO::Total, PatResumen::TotalPaginaO};
inline constexpr Pagina<RegPatP> PaginaP{PatP::Valores, PatP::Total, PatResumen::TotalPaginaP};
inline constexpr Pagina<RegPatQ> PaginaQ{PatQ::Valores, PatQ::Total, PatResumen::TotalPaginaQ};
inline constexpr Pagina<RegPatDeudas> PaginaDeudas{PatDeudas::Valores, PatDeudas::Total,
                                                   PatResumen::TotalPaginaDeudas};

// The rows of a column added to 0.0 one by one, in row order.
template <typename Bloque>
double SumaFilas(const Bloque* pagina, Columna<Bloque, double> valores) {
  double total = 0.0;
  for (std::size_t i = 0; i < valores.cuantos; ++i) total += Lee(pagina, valores, i);
  return total;
}

// The total's 8 bytes into the summary slot, as they stand.
template <typename Bloque>
void CopiaTotal(const Bloque* pagina, CampoDouble<Bloque> total, RegPatResumen* resumen,
                CampoDouble<RegPatResumen> ranura) {
  std::memcpy(resumen->octetos + ranura.desplazamiento, pagina->octetos + total.desplazamiento, sizeof(double));
}

template <typename Bloque>
void CalculaPagina(Bloque* pagina, int indicador, RegPatResumen* resumen, const Pagina<Bloque>& descripcion) {
  if (pagina == nullptr) return;
  if (indicador != 0) {
    Escribe(pagina, descripcion.total, SumaFilas(pagina, descripcion.valores));
  } else if (resumen != nullptr) {
    CopiaTotal(pagina, descripcion.total, resumen, descripcion.ranura);
  }
}

}  // namespace
}  // namespace ximardol

using ximardol::CalculaPagina;

extern "C" void Calculos714A(RegPatA* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaA);
}

extern "C" void Calculos714B(RegPatB* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaB);
}

// C1 ignores its flag: it always re-sums the C1 total, then C2 does the rest with the same arguments.
extern "C" void Calculos714C1(RegPatC* pagina, int indicador, RegPatResumen* resumen) {
  using namespace ximardol;
  if (pagina == nullptr) return;
  Escribe(pagina, PatC::TotalC1, SumaFilas(pagina, PatC::ValoresC1));
  Calculos714C2(pagina, indicador, resumen);
}

extern "C" void Calculos714C2(RegPatC* pagina, int indicador, RegPatResumen* resumen) {
  using namespace ximardol;
  if (pagina == nullptr) return;
  if (indicador != 0) {
    Escribe(pagina, PatC::TotalC2, SumaFilas(pagina, PatC::ValoresC2));
    Escribe(pagina, PatC::TotalC, Lee(pagina, PatC::TotalC1) + Lee(pagina, PatC::TotalC2));
  } else if (resumen != nullptr) {
    CopiaTotal(pagina, PatC::TotalC, resumen, PatResumen::TotalPaginaC);
  }
}

extern "C" void Calculos714D(RegPatD* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaD);
}

extern "C" void Calculos714E(RegPatE* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaE);
}

extern "C" void Calculos714F1(RegPatF1* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaF1);
}

extern "C" void Calculos714F2(RegPatF2* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaF2);
}

extern "C" void Calculos714G1(RegPatG1* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaG1);
}

extern "C" void Calculos714G2(RegPatG2* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaG2);
}

extern "C" void Calculos714G3(RegPatG3* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaG3);
}

extern "C" void Calculos714G4(RegPatG4* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaG4);
}

extern "C" void Calculos714H1(RegPatH1* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaH1);
}

extern "C" void Calculos714H2(RegPatH2* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaH2);
}

extern "C" void Calculos714I(RegPatI* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaI);
}

extern "C" void Calculos714J(RegPatJ* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaJ);
}

extern "C" void Calculos714K(RegPatK* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaK);
}

extern "C" void Calculos714L(RegPatL* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaL);
}

extern "C" void Calculos714M(RegPatM* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaM);
}

extern "C" void Calculos714N(RegPatN* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaN);
}

extern "C" void Calculos714O(RegPatO* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaO);
}

extern "C" void Calculos714P(RegPatP* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaP);
}

extern "C" void Calculos714Q(RegPatQ* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaQ);
}

extern "C" void Calculos714DEUDAS(RegPatDeudas* pagina, int indicador, RegPatResumen* resumen) {
  CalculaPagina(pagina, indicador, resumen, ximardol::PaginaDeudas);
}
