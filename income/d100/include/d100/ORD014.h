// Page 14 of the ordinary form D-100 (page id 214): the totals of the taxable base (RegBaseImponible) of the person
// shown, as the calculation leaves them. The page never recalculates by itself: a committed value only marks the
// declaration modified, and the totals are redrawn at the next recalculation.
#pragma once

#include "income/Liquidacion.h"

namespace ordinaria {

inline constexpr int kIdPaginaORD014 = 214;

class CControlesORD014 final : public renta::CControlesFijos {
 public:
  static constexpr int kCasillas = 46;
  CControlesORD014();
};

class ORD014 : public renta::CRentaVista {
 public:
  ORD014();
  int DameNumeroPagina() override { return kIdPaginaORD014; }
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  void ConfirmarCampoActivo() override;
  void RefrescarControles() override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD014);
};

wxClassInfo* ClasePaginaORD014();

}  // namespace ordinaria
