// Detail dialogs of imputed income and payments on account: the income of a collective-investment institution
// imputed to the unit-holder (net asset value against acquisition value), the payments on account of urban
// property rentals by holder, the criterion of time imputation of each person (a selection box) and the other
// concepts that go with income imputed under the tax-transparency regime.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"
#include "framework/EditSeleccion.h"
#include "framework/TemplateDlg.h"

namespace dialogos {

inline constexpr std::string_view kVentanaImputacionIIC = "IDD_RENDETIIV";
inline constexpr std::string_view kVentanaPagosArrendamiento = "IDD_PGACUINM";
inline constexpr std::string_view kVentanaImputacionTemporal = "IDD_PERIMPO";
inline constexpr std::string_view kVentanaImputacionOtros = "IDD_IMPOTROC";

// The amount imputed for a unit of net asset value `a` and acquisition value `b`: a - b, and never less than
// 15 per cent of b.
double ImputacionIIC(double a, double b);

// ---- collective investment ----

struct SImputacionIIC {
  double valorLiquidativo = 0.0;  // (a)
  double valorAdquisicion = 0.0;  // (b)
  double imputacion = 0.0;        // (a-b)
};
static_assert(sizeof(SImputacionIIC) == 24);

class CDlgImputacionIIC : public marco::CTemplateDlg {
 public:
  static constexpr int kIdValorLiquidativo = 1397;
  static constexpr int kIdValorAdquisicion = 1401;
  static constexpr int kIdImputacion = 1404;
  explicit CDlgImputacionIIC(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The block as received; OK leaves the result here.
  SImputacionIIC m_recibido{};
  const SImputacionIIC& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  // After (a) or (b) was left with a value other than the one last used: the imputation again.
  void RecalcularImputacion(int id);

 private:
  SImputacionIIC m_copia{};
  double m_aUsado = 0.0;
  double m_bUsado = 0.0;
};

// ---- payments on account of urban property rentals ----

class CDlgPagosArrendamiento : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kCapitalInmobiliario = 1, kActividades };
  explicit CDlgPagosArrendamiento(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The kind of the open declaration (1 D-101, 2 D-100; 0 unknown); the launcher takes it from the declaration.
  int m_nTipoDec = 0;

  void ActualizarEntradas() override;

 protected:
  // The real-estate payments are never typed here.
  bool FilaCalculada(int fila) const override { return fila == kCapitalInmobiliario; }

 private:
  void AplicarReglasFormulario();
};

// ---- criterion of time imputation ----

class CDlgImputacionTemporal : public marco::CTemplateDlg {
 public:
  static constexpr int kIdCuentasDeclarante = 1383;
  static constexpr int kIdCuentasConyuge = 1267;
  static constexpr int kIdCierreDeclarante = 1300;
  static constexpr int kIdCierreConyuge = 1250;
  static constexpr std::size_t kTamanoBloque = 4;
  explicit CDlgImputacionTemporal(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The four marks as received; OK leaves the result here.
  std::array<std::uint8_t, kTamanoBloque> m_recibido{};
  // The family-unit kind of the open declaration (1 married couple); the launcher takes it from the declaration.
  int m_nTipoUnidad = 1;
  const std::array<std::uint8_t, kTamanoBloque>& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlCambiarValor(int id) override;
  int ValidarCaracterCampo(int id, unsigned caracter) override;

 private:
  std::array<std::uint8_t, kTamanoBloque> m_copia{};
};

// ---- other concepts of the imputation under the transparency regime ----

struct SImputacionOtros {
  std::uint8_t imputacionTotal = 0;  // 1 marked: everything imputed to the natural persons
  std::array<std::uint8_t, 7> relleno{};
  double pagosCuenta = 0.0;
  double cuotasSociedades = 0.0;
  double tributacionEfectiva = 0.0;
  double excesoPagos = 0.0;
};
static_assert(sizeof(SImputacionOtros) == 40);

class CDlgImputacionOtros : public marco::CTemplateDlg {
 public:
  static constexpr int kIdImputacionTotal = 1398;
  static constexpr int kIdPagosCuenta = 1397;
  static constexpr int kIdCuotasSociedades = 1401;
  static constexpr int kIdTributacionEfectiva = 1404;
  static constexpr int kIdExcesoPagos = 1408;
  explicit CDlgImputacionOtros(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The block as received; OK leaves the result here.
  SImputacionOtros m_recibido{};
  // The kind of the imputing entity ('1' to '4') and the amount imputed, given by the launcher.
  char m_cTipoEntidad = '1';
  double m_importeImputado = 0.0;
  const SImputacionOtros& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int) override { return 0; }
  int AlCambiarValor(int id) override;
  int AlComando(int id, int codigo) override;
  int ValidarCaracterCampo(int id, unsigned caracter) override;
  // The two starred amounts are open while the full imputation is not marked.
  void HabilitarImportes();

 private:
  SImputacionOtros m_copia{};
};

// Put the dialogs into the registers of detail and selection dialogs.
void RegistrarDlgImputaciones();

}  // namespace dialogos
