// Holder-grid details of one or two amounts per holder, some with the amounts of the joint declaration apart:
// the deduction for double taxation of dividends pending from 1998, the refunds agreed by the administration
// (individual amounts or the joint one, never both), the income obtained in Ceuta and Melilla (the joint amounts
// follow the sum of the individual ones until typed over) and the income obtained and taxed abroad (in the general
// or in the special part, not both).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr std::string_view kVentanaDobleImposicion = "IDD_DBLIMPDIV";
inline constexpr std::string_view kVentanaDevoluciones = "IDD_AUTOLIQ";
inline constexpr std::string_view kVentanaCeutaMelilla = "IDD_CEUTAMEL";
inline constexpr std::string_view kVentanaRentasExtranjero = "IDD_RENOBGA";

class CDlgDeduccionDobleImposicion : public CDlgImportesTitulares {
 public:
  explicit CDlgDeduccionDobleImposicion(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgDevolucionesAcordadas : public CDlgImportesTitulares {
 public:
  static constexpr int kIdConjunta = 1224;
  explicit CDlgDevolucionesAcordadas(wxWindow* padre, std::int32_t segundoParametro = 0);

  double Conjunta() const { return DobleResto(0); }
  int AlCambiarValor(int id) override;
  int AlSalirDeCampo(int id) override;

 protected:
  void AlAbrir() override;

 private:
  // Individual amounts and the joint one exclude each other.
  void HabilitarIndividualOConjunta();
};

class CDlgCeutaMelilla : public CDlgImportesTitulares {
 public:
  static constexpr int kIdConjuntaGeneral = 1278;
  static constexpr int kIdConjuntaEspecial = 1230;
  enum ECampo : int { kGeneral = 1, kEspecial };
  explicit CDlgCeutaMelilla(wxWindow* padre, std::int32_t segundoParametro = 0);

  double ConjuntaGeneral() const { return DobleResto(0); }
  double ConjuntaEspecial() const { return DobleResto(8); }
  int AlSalirDeCampo(int id) override;

 protected:
  bool AdmiteNegativo(int) const override { return true; }
  void AlAbrir() override;

 private:
  std::array<double, 6> m_generales{};
};

class CDlgRentasExtranjero : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kGeneral = 1, kEspecial, kImpuesto };
  explicit CDlgRentasExtranjero(wxWindow* padre, std::int32_t segundoParametro = 0);

  void ActualizarEntradas() override;
  int AlCambiarTexto(int id) override;
  int AlSalirDeCampo(int id) override;

 private:
  // Each entry in use: the general-part cell open only while the special part is 0, and the reverse.
  void AplicarExclusion();
};

// Put the dialogs into the register of detail dialogs.
void RegistrarDlgImportesConjuntos();

}  // namespace dialogos
