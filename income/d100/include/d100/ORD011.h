// Page 11 of the ordinary form D-100 (page id 211): the taxable bases to liquidate (section K), the reductions left
// unused (L) and the deductions from the quota of section M of the person shown, with the liquidation totals they
// feed. Every box is bound to a fixed place (docs/PAGINAS_BASE.md); boxes 44, 45, 50 and 51 hold one slot per
// person and follow the person shown. A committed deduction runs its case of section M before the whole
// recalculation.
#pragma once

#include "framework/Validador.h"
#include "income/Liquidacion.h"

namespace ordinaria {

inline constexpr int kIdPaginaORD011 = 211;

class CControlesORD011 final : public renta::CControlesFijos {
 public:
  static constexpr int kCasillas = 60;
  CControlesORD011();

  void PonerValidador(marco::CValidador* validador) { m_pValidador = validador; }
  void PonerFuncionesM(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }

  // The fixed places, then the per-person boxes at the slot of the person shown. The second child's slot of box 45
  // would reach the marks of box 50: that box stays unbound and read-only for the second child.
  void Enlazar(int liberarAntes) override;

  // The case of section M a committed box runs (1, 3, 4 or 5; 0 none; box 7 recalculates without a case).
  static int CasoDeCasilla(int numero);
  // A committed value: its case of section M (case 3 is followed by case 6 and check 206 over section M). 1 when
  // the whole declaration is to be recalculated, else 0.
  int CalcularCasilla(int numero);

 private:
  marco::CValidador* m_pValidador = nullptr;
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();
};

class ORD011 : public renta::CRentaVista {
 public:
  ORD011();
  int DameNumeroPagina() override { return kIdPaginaORD011; }
  int Recalcular(int numero) override;
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  void ConfirmarCampoActivo() override;
  void RefrescarControles() override;
  CControlesORD011* Controles() const;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD011);
};

wxClassInfo* ClasePaginaORD011();

}  // namespace ordinaria
