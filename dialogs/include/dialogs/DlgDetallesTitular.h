// Detail dialogs of amount boxes that split one amount by holder, on the holder-grid base: the research and
// development modality of the 1999 deductions, the adaptation works of the dwelling of disabled persons, one, two,
// three and four holders with one amount (international fiscal transparency, conservation of the Valencian cultural
// heritage), international fiscal transparency with the joint amount apart, and the single amount of university
// study expenses (not a grid).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"
#include "framework/TemplateDlg.h"

namespace dialogos {

inline constexpr std::string_view kVentanaModalidadID = "IDD_MODALIDADID";
inline constexpr std::string_view kVentanaObrasMinusvalidos = "IDD_OBRAMINU";
inline constexpr std::string_view kVentanaImporteEstudios = "IDD_TIT0DAT1";
inline constexpr std::string_view kVentanaImportesTitular = "IDD_TIT1DAT1";
inline constexpr std::string_view kVentanaTransparenciaFiscal = "IDD_TIT2DAT1";
inline constexpr std::string_view kVentanaConservacionPatrimonio = "IDD_TIT3DAT1";
inline constexpr std::string_view kVentanaCantidadesTitular = "IDD_TIT4DAT1";
inline constexpr std::string_view kVentanaTransparenciaFiscal2 = "IDD_TRANFISINT";

// The research and development deduction of an entry: 45 per cent of the fixed assets and 30 per cent of the
// intangible expenses, in whole units (halves up).
double DeduccionModalidadID(double activosFijos, double intangibles);

class CDlgModalidadID : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kIntangibles = 1, kActivosFijos, kDeduccion };
  explicit CDlgModalidadID(wxWindow* padre, std::int32_t segundoParametro = 0);

  int OnInitDialog() override;
  void ActualizarEntradas() override;

 protected:
  // Leaving any field (once the dialog is open) closes both deduction fields and, for the box parameter 1,
  // computes them.
  bool Recalcular() override;

 private:
  bool m_bAbriendo = false;
  bool m_bDeduccionCerrada = false;
};

class CDlgObrasMinusvalidos : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kAjenaDosAnios = 1, kAjenaDespues, kSinFinanciacion };
  explicit CDlgObrasMinusvalidos(wxWindow* padre, std::int32_t segundoParametro = 0);

  void ActualizarEntradas() override;
  int AlCambiarTexto(int id) override;
  int AlCambiarValor(int id) override;
};

class CDlgImportesTitular : public CDlgImportesTitulares {
 public:
  explicit CDlgImportesTitular(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgTransparenciaFiscal : public CDlgImportesTitulares {
 public:
  static constexpr int kIdCabeceraImporte = 1171;
  explicit CDlgTransparenciaFiscal(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  void AlAbrir() override;
};

class CDlgConservacionPatrimonio : public CDlgImportesTitulares {
 public:
  static constexpr int kIdCabeceraImporte = 1172;
  explicit CDlgConservacionPatrimonio(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The birth years of the declarant and of the spouse (the launcher reads them from the open declaration; 0
  // when unknown).
  int m_nAnioDeclarante = 0;
  int m_nAnioConyuge = 0;

  int ComprobarEntradas() override;

 protected:
  void AlAbrir() override;
};

class CDlgCantidadesTitular : public CDlgImportesTitulares {
 public:
  explicit CDlgCantidadesTitular(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgTransparenciaFiscal2 : public CDlgImportesTitulares {
 public:
  static constexpr int kIdConjunta = 1307;
  explicit CDlgTransparenciaFiscal2(wxWindow* padre, std::int32_t segundoParametro = 0);

  double Conjunta() const { return DobleResto(0); }
  int AlSalirDeCampo(int id) override;

 protected:
  void AlAbrir() override;

 private:
  bool VistaFamiliar() const;
  std::array<double, 2> m_vistos{};
  double m_conjuntaVista = 0.0;
};

// University study expenses: one amount, the rest of its 24 bytes kept as received.
class CDlgImporteEstudios : public marco::CTemplateDlg {
 public:
  static constexpr int kIdImporte = 1584;
  static constexpr std::size_t kTamanoBloque = 24;
  explicit CDlgImporteEstudios(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The block as received; OK leaves the result here.
  std::array<unsigned char, kTamanoBloque> m_recibido{};
  double Importe() const { return m_importe; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;

 private:
  double m_importe = 0.0;
};

// Put the dialogs into the register of detail dialogs.
void RegistrarDlgDetallesTitular();

}  // namespace dialogos
