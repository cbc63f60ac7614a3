// Page 12 of the ordinary form D-100 (page id 212): the fourth part of the deductions of section M
// (RegApartadoM4) of the person shown: each group's amount asked (its entries are the box's detail), admitted and
// left over, and the totals of the four blocks. Every box is bound to a fixed place (docs/PAGINAS_BASE.md); any
// committed value recalculates the whole declaration.
#pragma once

#include "income/Liquidacion.h"

namespace ordinaria {

inline constexpr int kIdPaginaORD012 = 212;

class CControlesORD012 final : public renta::CControlesFijos {
 public:
  static constexpr int kCasillas = 136;
  CControlesORD012();
};

class ORD012 : public renta::CRentaVista {
 public:
  ORD012();
  int DameNumeroPagina() override { return kIdPaginaORD012; }
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  void ConfirmarCampoActivo() override;
  void RefrescarControles() override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD012);
};

wxClassInfo* ClasePaginaORD012();

}  // namespace ordinaria
