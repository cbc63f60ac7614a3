// Three small dialogs of the income-tax declaration:
// - the tax allocation (CDlgAsignacionTributaria, dialog 164 "IDD_IGLESIAS"), opened by the two allocation boxes of
//   page 1: for the joint declaration and for each member's individual one, whether part of the tax goes to the
//   Catholic Church, to social ends, to both or to neither. It reads and writes the ten marks of the declaration
//   itself (RegIdentificacion 2474-2483, one byte per person for each of the two);
// - the births of children in 1999 (CDlgNacimientoTercerHijo, dialog 214 "IDD_NACHIJOS": how many children born in
//   1999 give right to the deduction, split into common, declarant and spouse; CDlgNacimientoHijos, dialog 215
//   "IDD_NACHIJOSPLUS": the same split by order of birth, first to fifth and later), detail dialogs of an amount
//   box that work on a copy of the box's block (3 or 15 doubles).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "framework/TemplateDlg.h"
#include "ximardol.h"

namespace dialogos {

// ---- the tax allocation ----
inline constexpr int kRecursoAsignacionTributaria = 164;
inline constexpr std::string_view kVentanaAsignacionTributaria = "IDD_IGLESIAS";
inline constexpr std::size_t kDespAsignacionIglesia = 2474;  // RegIdentificacion, 5 bytes
inline constexpr std::size_t kDespAsignacionSocial = 2479;   // RegIdentificacion, 5 bytes
// The box ids of person k (0 joint declaration ... 4 second child): Church 1374 + 2k, social ends 1375 + 2k.
inline constexpr int kIdIglesia = 1374;
inline constexpr int kIdFinesSociales = 1375;

class CDlgAsignacionTributaria : public marco::CTemplateDlg {
 public:
  explicit CDlgAsignacionTributaria(wxWindow* padre);

  // The declaration the dialog reads and writes (the launcher gives the open one).
  DatosRenta* m_pDatos = nullptr;

  // Church marks then social-ends marks, by person (1 marked, 0 not).
  const std::array<unsigned char, 10>& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;

 private:
  void HabilitarCasillas();
  std::array<unsigned char, 10> m_copia{};
};

// ---- births of children in 1999 ----
inline constexpr int kRecursoNacimientoTercerHijo = 214;
inline constexpr int kRecursoNacimientoHijos = 215;
inline constexpr std::string_view kVentanaNacimientoTercerHijo = "IDD_NACHIJOS";
inline constexpr std::string_view kVentanaNacimientoHijos = "IDD_NACHIJOSPLUS";
// Dialog 214: common, declarant, spouse.
inline constexpr int kIdNacComunes = 1838;
inline constexpr int kIdNacDeclarante = 1836;
inline constexpr int kIdNacConyuge = 1837;
// Dialog 215: the boxes of rows 1 to 5 of each column.
inline constexpr std::array<int, 5> kIdsNacComunes{1851, 1850, 1841, 1844, 1847};
inline constexpr std::array<int, 5> kIdsNacDeclarante{1852, 1839, 1842, 1845, 1848};
inline constexpr std::array<int, 5> kIdsNacConyuge{1853, 1840, 1843, 1846, 1849};

// The block of dialog 214: common, declarant, spouse.
using BloqueNacimientoTercerHijo = std::array<double, 3>;
// The block of dialog 215: column by column (common, declarant, spouse), five rows each.
using BloqueNacimientoHijos = std::array<double, 15>;
static_assert(sizeof(BloqueNacimientoTercerHijo) == 24 && sizeof(BloqueNacimientoHijos) == 120);

// What the OK checks of the birth dialogs read of the declaration.
struct SFamiliaNacimientos {
  int tipoUnidad = 0;
  bool hijos = false;  // the children flag of the family data
};
SFamiliaNacimientos LeerFamiliaNacimientos(const RegDatosFamilia& familia);

class CDlgNacimientoTercerHijo : public marco::CTemplateDlg {
 public:
  // `decimales`: 0 when the box's first parameter is 3 or 8, else 2.
  CDlgNacimientoTercerHijo(wxWindow* padre, std::int32_t segundoParametro, int decimales);

  BloqueNacimientoTercerHijo m_recibido{};
  SFamiliaNacimientos m_familia;

  int Decimales() const { return m_nDecimales; }
  int OnInitDialog() override;
  void OnOK() override;
  // The OK checks: true when the dialog may close.
  bool Comprobar();

 private:
  BloqueNacimientoTercerHijo m_copia{};
  int m_nDecimales;
};

class CDlgNacimientoHijos : public marco::CTemplateDlg {
 public:
  CDlgNacimientoHijos(wxWindow* padre, std::int32_t segundoParametro);

  BloqueNacimientoHijos m_recibido{};
  SFamiliaNacimientos m_familia;

  int OnInitDialog() override;
  void OnOK() override;
  bool Comprobar();

 private:
  BloqueNacimientoHijos m_copia{};
};

// The allocation dialog and the two birth dialogs in the detail register.
void RegistrarDialogosAsignacionNacimientos();

}  // namespace dialogos
