// The order of a wealth-tax recalculation: the flags of the personal data, every page summed and copied into the
// summary in the order of the form, then the liquidation and the DI result. The library's two flags are shared by
// the whole process, so the personal data are read again right before each liquidation and DI call.
#include "recalculo/Recalculo.h"

namespace recalculo {
namespace {

template <typename Pagina>
void CalculaPagina(void (*calcula)(Pagina*, int, RegPatResumen*), Pagina& pagina, RegPatResumen& resumen) {
  calcula(&pagina, -1, &resumen);  // sum the rows into the total
  calcula(&pagina, 0, &resumen);   // copy the total into the summary
}

}  // namespace

void RecalcularPatrimonio(DatosPatrimonio& d, bool completo, const FuncionesPatrimonio& f) {
  RegPatResumen& resumen = d.PatResumen;
  if (completo) {
    f.DP(&d.PatDatosPersonales);
    CalculaPagina(f.A, d.PatA, resumen);
    CalculaPagina(f.B, d.PatB, resumen);
    CalculaPagina(f.C1, d.PatC, resumen);
    CalculaPagina(f.C2, d.PatC, resumen);
    CalculaPagina(f.D, d.PatD, resumen);
    CalculaPagina(f.E, d.PatE, resumen);
    CalculaPagina(f.F1, d.PatF1, resumen);
    CalculaPagina(f.F2, d.PatF2, resumen);
    CalculaPagina(f.G1, d.PatG1, resumen);
    CalculaPagina(f.G2, d.PatG2, resumen);
    CalculaPagina(f.G3, d.PatG3, resumen);
    CalculaPagina(f.G4, d.PatG4, resumen);
    CalculaPagina(f.H1, d.PatH1, resumen);
    CalculaPagina(f.H2, d.PatH2, resumen);
    CalculaPagina(f.I, d.PatI, resumen);
    CalculaPagina(f.J, d.PatJ, resumen);
    CalculaPagina(f.K, d.PatK, resumen);
    CalculaPagina(f.L, d.PatL, resumen);
    CalculaPagina(f.M, d.PatM, resumen);
    CalculaPagina(f.N, d.PatN, resumen);
    CalculaPagina(f.O, d.PatO, resumen);
    CalculaPagina(f.P, d.PatP, resumen);
    CalculaPagina(f.Q, d.PatQ, resumen);
    CalculaPagina(f.DEUDAS, d.PatDeudas, resumen);
  }
  f.DP(&d.PatDatosPersonales);
  f.LI(&resumen, -1);
  f.DP(&d.PatDatosPersonales);
  f.LI(&resumen, 0);
  f.DP(&d.PatDatosPersonales);
  f.DI(&d.PatDI, &resumen);
}

}  // namespace recalculo
