// The order of a whole income-tax recalculation. Each step reads what the steps before it wrote: sections A to F
// deposit their amounts, A runs again for the F totals, then the minimum (H), the bases (LI1, I, J, K), the
// liquidation (LI2, LI3), the deductions (M, M4, N), and the liquidation twice more: after the deductions, and after
// section E's second step.
#include <initializer_list>

#include "recalculo/Recalculo.h"

namespace recalculo {

void RecalcularRenta(DatosRenta& d, std::span<double, 5> importesPersona, const FuncionesRenta& f) {
  const auto calculaA = [&] {
    f.A(&d.RendTrabajo, &d.BaseImponible, &d.RendCapInmobiliario, &d.RendCapMobiliario, &d.ApartadoD1,
        &d.ApartadoD2, &d.ApartadoD4, &d.ApartadoD5, &d.ApartadoF4, &d.Resultados, &d.DatosFamilia, -1);
  };
  const auto calculaE1 = [&](int instancia) {
    f.E1(&d.ApartadoE1, &d.ApartadoE2, &d.ApartadoE3, &d.ApartadoE4, &d.ApartadoE5, &d.BaseImponible,
         &d.Resultados, &d.Liquidacion, instancia);
  };
  const auto calculaLI1 = [&](int instancia) {
    f.LI1(&d.BaseImponible, &d.ApartadoF4, &d.ApartadoL, &d.ApartadoI, &d.ApartadoG, instancia);
  };
  const auto calculaLI2 = [&] {
    for (int instancia : {0, 1, 2}) f.LI2(&d.Liquidacion, &d.DatosFamilia, &d.BaseImponible, instancia);
  };
  const auto calculaLI3 = [&](std::initializer_list<int> instancias) {
    for (int instancia : instancias) {
      f.LI3(&d.Resultados, &d.ApartadoF1, &d.Liquidacion, &d.BaseImponible, &d.ApartadoG, &d.RendTrabajo,
            &d.RendCapInmobiliario, &d.RendCapMobiliario, &d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD4,
            &d.ApartadoD5, &d.Identificacion, instancia);
    }
  };

  // Income of sections A to F.
  calculaA();
  f.B1(&d.RendCapInmobiliario, &d.Resultados, &d.BaseImponible, -1);
  for (int instancia = 1; instancia <= 8; ++instancia) {
    f.C(&d.RendCapMobiliario, &d.Resultados, &d.BaseImponible, instancia);
  }
  for (int instancia : {1, 2, 3, 5}) calculaE1(instancia);
  for (int instancia = 1; instancia <= 4; ++instancia) {
    f.D(&d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD3, &d.BaseImponible, &d.ApartadoD4, &d.ApartadoD5, instancia);
  }
  f.D5(&d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD3, &d.BaseImponible, &d.ApartadoD4, &d.ApartadoD5, 5);
  for (int instancia : {1, 2}) f.F1(&d.ApartadoF1, instancia);
  for (int instancia : {1, 2, 3}) f.F2(&d.ApartadoF2, instancia);
  for (int instancia : {1, 2}) f.F3(&d.ApartadoF3, instancia);
  f.F4(&d.ApartadoF4, &d.ApartadoF1, &d.ApartadoF2, &d.ApartadoL, &d.BaseImponible, &d.RendCapMobiliario,
       &d.ApartadoF3, -1);
  calculaA();  // again, now with the F totals

  // Minimum, bases and the first liquidation.
  for (int instancia : {1, 2}) f.H(&d.ApartadoH, &d.DatosFamilia, &d.Identificacion, instancia);
  calculaLI1(1);
  calculaLI1(2);
  f.I(&d.ApartadoI, &d.BaseImponible, &d.ApartadoH, &d.ApartadoG, -1);
  f.J(&d.ApartadoJ, &d.Resultados, &d.BaseImponible, &d.RendTrabajo, &d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD5,
      &d.ApartadoD4, &d.DatosFamilia, &d.ApartadoE2, -1);
  f.K(&d.ApartadoK, &d.BaseImponible, &d.Liquidacion, &d.ApartadoL, &d.ApartadoI, -1);
  calculaLI2();
  calculaLI3({1, 2, 6, 3});

  // Deductions.
  for (int instancia : {1, 3, 4, 5}) {
    f.M(&d.ApartadoM, &d.ApartadoK, &d.Liquidacion, &d.Resultados, &d.RendCapMobiliario, &d.ApartadoE2, instancia);
  }
  f.M4(&d.ApartadoM4, &d.ApartadoK, &d.Liquidacion, &d.Resultados, &d.RendCapMobiliario, &d.ApartadoE2,
       importesPersona.data(), 1);
  f.N(&d.ApartadoN, &d.DatosFamilia, &d.BaseImponible, &d.Liquidacion, &d.ApartadoG, &d.ApartadoM, &d.ApartadoD1,
      &d.ApartadoD2, &d.ApartadoD4, &d.ApartadoD5, &d.ApartadoK, &d.ApartadoI, &d.ApartadoH, &d.Resultados, 0);

  // The liquidation after the deductions, and again after section E's second step.
  calculaLI1(2);
  calculaLI2();
  calculaLI3({1, 2, 6, 3, 4, 5});
  calculaE1(2);
  calculaLI1(2);
  calculaLI2();
  calculaLI3({1, 2, 6, 3, 4, 5});
}

}  // namespace recalculo
