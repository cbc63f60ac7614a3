// The two whole recalculations of a declaration over the calculation library: the fixed order of the library's
// calls for an income-tax declaration (RecalcularRenta) and for a wealth-tax declaration (RecalcularPatrimonio).
//
// Each order is written once, over a table of the library's functions. The program uses the tables of the library's
// own exports (the overloads without a table, library target ximardol_recalculo); the orders alone, over any table,
// are in target ximardol_recalculo_orden, so a test can run them over functions that record the calls.
//
// Both orders allocate nothing, read no table and show nothing: a straight sequence of calls, cheap enough to run
// after every edit.
#pragma once

#include <span>

#include "ximardol.h"

namespace recalculo {

// The income-tax section exports, one pointer each.
struct FuncionesRenta {
  decltype(&Calculos100A) A;
  decltype(&Calculos100B1) B1;
  decltype(&Calculos100C) C;
  decltype(&Calculos100D) D;
  decltype(&Calculos100D5) D5;
  decltype(&Calculos100E1) E1;
  decltype(&Calculos100F1) F1;
  decltype(&Calculos100F2) F2;
  decltype(&Calculos100F3) F3;
  decltype(&Calculos100F4) F4;
  decltype(&Calculos100H) H;
  decltype(&Calculos100I) I;
  decltype(&Calculos100J) J;
  decltype(&Calculos100K) K;
  decltype(&Calculos100LI1) LI1;
  decltype(&Calculos100LI2) LI2;
  decltype(&Calculos100LI3) LI3;
  decltype(&Calculos100M) M;
  decltype(&Calculos100M4) M4;
  decltype(&Calculos100N) N;
};

// The wealth-tax exports: the 24 pages, the personal-data flags, the liquidation and the DI result.
struct FuncionesPatrimonio {
  decltype(&Calculos714A) A;
  decltype(&Calculos714B) B;
  decltype(&Calculos714C1) C1;
  decltype(&Calculos714C2) C2;
  decltype(&Calculos714D) D;
  decltype(&Calculos714E) E;
  decltype(&Calculos714F1) F1;
  decltype(&Calculos714F2) F2;
  decltype(&Calculos714G1) G1;
  decltype(&Calculos714G2) G2;
  decltype(&Calculos714G3) G3;
  decltype(&Calculos714G4) G4;
  decltype(&Calculos714H1) H1;
  decltype(&Calculos714H2) H2;
  decltype(&Calculos714I) I;
  decltype(&Calculos714J) J;
  decltype(&Calculos714K) K;
  decltype(&Calculos714L) L;
  decltype(&Calculos714M) M;
  decltype(&Calculos714N) N;
  decltype(&Calculos714O) O;
  decltype(&Calculos714P) P;
  decltype(&Calculos714Q) Q;
  decltype(&Calculos714DEUDAS) DEUDAS;
  decltype(&Calculos714DP) DP;
  decltype(&Calculos714LI) LI;
  decltype(&Calculos714DI) DI;
};

// The income-tax declaration recomputed whole: the 69 calls of the library in their fixed order, no branch, every
// call every time. `importesPersona` are the caller's per-person amounts from the family unit on, where section M4
// leaves its five results.
void RecalcularRenta(DatosRenta& datos, std::span<double, 5> importesPersona, const FuncionesRenta& funciones);

// The wealth-tax declaration recomputed: when `completo`, the flags of the personal data and every page (summed,
// then copied into the summary), in the order of the form; in every case the liquidation (twice) and the DI result.
// The library's flags are process-wide, so the personal-data call runs right before each liquidation and DI call:
// flags of another declaration never apply, also when only the liquidation is recomputed.
void RecalcularPatrimonio(DatosPatrimonio& datos, bool completo, const FuncionesPatrimonio& funciones);

// The same over the library's own exports (target ximardol_recalculo).
const FuncionesRenta& FuncionesRentaBiblioteca();
const FuncionesPatrimonio& FuncionesPatrimonioBiblioteca();
void RecalcularRenta(DatosRenta& datos, std::span<double, 5> importesPersona);
void RecalcularPatrimonio(DatosPatrimonio& datos, bool completo);

}  // namespace recalculo
