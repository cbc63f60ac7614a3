// Page 13 of the ordinary form D-100 (page id 213): the deductions of section N (RegApartadoN) of the person shown.
// Each group of boxes belongs to one community code; a group can be entered only while some person of the
// declaration has that code in the family data (RegDatosFamilia, one two-character code per person), otherwise it
// is read-only whatever it holds. A committed deduction runs section N before the whole recalculation.
#pragma once

#include <string_view>

#include "income/Liquidacion.h"

namespace ordinaria {

inline constexpr int kIdPaginaORD013 = 213;

// Where the family data keep the community code of the declarant, spouse, first and second child.
inline constexpr std::size_t kDespCodigosComunidad[4] = {80, 112, 144, 176};

class CControlesORD013 final : public renta::CControlesFijos {
 public:
  static constexpr int kCasillas = 49;
  CControlesORD013();
  void PonerFuncionesN(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }

  // The fixed places, then each group opened or locked by the codes of the family data.
  void Enlazar(int liberarAntes) override;
  // Whether some person of the declaration has the two-character code.
  bool HayCodigo(std::string_view codigo) const;
  // The code of the group a box belongs to; empty for a box of no group.
  static std::string_view CodigoDeCasilla(int numero);
  // A committed box of a group (or box 4): section N. 1 when the whole declaration is to be recalculated.
  int CalcularCasilla(int numero);

 private:
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();
};

class ORD013 : public renta::CRentaVista {
 public:
  ORD013();
  int DameNumeroPagina() override { return kIdPaginaORD013; }
  int Recalcular(int numero) override;
  int ComprobarCampo(int numero) override;
  void ConfirmarCampoActivo() override;
  void RefrescarControles() override;
  CControlesORD013* Controles() const;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD013);
};

wxClassInfo* ClasePaginaORD013();

}  // namespace ordinaria
