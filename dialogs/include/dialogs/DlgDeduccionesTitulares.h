// The deduction details behind single deduction boxes, each a grid of holder entries (CDlgImportesTitulares):
// research and development and professional training (expenses of the year against the average of the two
// years before, at the rates of the box's kind), investment in film production and other investments by kind,
// expenses on protected rural land, gifts to foundations, university studies of the children, housing accounts,
// investment in the habitual dwelling and the compensation of its buyers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "dialogs/DlgImportesTitulares.h"
#include "ximardol.h"

namespace dialogos {

inline constexpr std::string_view kVentanaInvestigacion = "IDD_IPLUSD";
inline constexpr std::string_view kVentanaFormacion = "IDD_FORMPROF";
inline constexpr std::string_view kVentanaInversionProduccion = "IDD_INVCINAUD";
inline constexpr std::string_view kVentanaInversionTitular = "IDD_INVPROTMED";
inline constexpr std::string_view kVentanaSueloRustico = "IDD_GASSUERUS";
inline constexpr std::string_view kVentanaFundaciones = "IDD_FUNDACI3";
inline constexpr std::string_view kVentanaEstudios = "IDD_GESTUDUNIV";
inline constexpr std::string_view kVentanaCuentasVivienda = "IDD_CUENVIVI";
inline constexpr std::string_view kVentanaInversionVivienda = "IDD_INVERVIVI";
inline constexpr std::string_view kVentanaCompensacionVivienda = "IDD_COMPADQ";

// ---- the computations, by the box's kind ----

// The rates of an expense deduction: `base` on the expenses up to the average of the two years before, `exceso`
// on what goes beyond it.
struct STasasGasto {
  double base;
  double exceso;
};
// Research and development (training when `formacion`): kind 1 or 2; no rates for any other kind.
std::optional<STasasGasto> TasasGasto(bool formacion, int tipo);
// The deduction of expenses `x` of the year against the average `y`, rounded to whole units.
double DeduccionGasto(STasasGasto tasas, double x, double y);
// Film production: producer investment `p`, co-producer investment `c`, income of the investment `r`; none for a
// kind other than 1 or 2.
std::optional<double> DeduccionProduccion(int tipo, double p, double c, double r);
// The rate of an investment by kind (0 to 13); none for another kind.
std::optional<double> TasaInversion(int tipo);

// ---- research and development, professional training ----

class CDlgGastosDeduccion : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kGastoAnio = 1, kGastoMedia, kGastoDeduccion };

 protected:
  CDlgGastosDeduccion(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, bool formacion,
                      std::string_view titulo, std::string_view cabeceraGasto);
  bool FilaCalculada(int fila) const override { return fila == kGastoDeduccion; }
  bool Recalcular() override;

 private:
  bool m_bFormacion;
};

class CDlgInvestigacionDesarrollo : public CDlgGastosDeduccion {
 public:
  explicit CDlgInvestigacionDesarrollo(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgFormacionProfesional : public CDlgGastosDeduccion {
 public:
  explicit CDlgFormacionProfesional(wxWindow* padre, std::int32_t segundoParametro = 0);
};

// ---- investments ----

class CDlgInversionProduccion : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kProductor = 1, kCoproductor, kRenta, kDeduccionProduccion };
  explicit CDlgInversionProduccion(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  bool FilaCalculada(int fila) const override { return fila == kDeduccionProduccion; }
  bool Recalcular() override;
};

class CDlgInversionTitular : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kInversion = 1, kDeduccionInversion };
  explicit CDlgInversionTitular(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  bool FilaCalculada(int fila) const override { return fila == kDeduccionInversion; }
  bool Recalcular() override;
};

// ---- amounts only ----

class CDlgSueloRustico : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kGastoSuelo = 1, kHectareas, kImpuestoInmuebles };
  explicit CDlgSueloRustico(wxWindow* padre, std::int32_t segundoParametro = 0);

 protected:
  int Decimales(int campo) const override { return campo == kHectareas ? 2 : 0; }
};

class CDlgFundaciones : public CDlgImportesTitulares {
 public:
  explicit CDlgFundaciones(wxWindow* padre, std::int32_t segundoParametro = 0);
};

class CDlgEstudiosUniversitarios : public CDlgImportesTitulares {
 public:
  explicit CDlgEstudiosUniversitarios(wxWindow* padre, std::int32_t segundoParametro = 0);
};

// ---- the habitual dwelling ----

// The five amounts of a housing entry (80 bytes): the last one the amount deposited in housing accounts, then the
// account's opening date (8 characters) and code (20 characters), which the accounts dialog edits.
inline constexpr SFormaBloque kFormaVivienda{3, 5, 80, 0, false};
inline constexpr std::size_t kDespFechaCuenta = 0;    // within the entry's bytes after its amounts
inline constexpr std::size_t kDespCodigoCuenta = 8;
inline constexpr std::size_t kAnchoFechaCuenta = 8;
inline constexpr std::size_t kAnchoCodigoCuenta = 20;

class CDlgCuentasVivienda : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kImporteCuenta = 1, kFechaApertura, kEntidad, kOficina, kDigitos, kNumeroCuenta };
  explicit CDlgCuentasVivienda(wxWindow* padre, std::int32_t segundoParametro = 0);

  int AlSalirDeCampo(int id) override;

 protected:
  bool SeDivide(int importe) const override { return importe == 4; }
  marco::SEnlaceControl EnlaceFila(int fila, SEntradaTitular& entrada) override;
  void AlAbrir() override;

 private:
  bool m_bComprobando = false;
};

class CDlgInversionVivienda : public CDlgImportesTitulares {
 public:
  enum ECampo : int { kAjenaDosAnios = 1, kAjenaDespues, kSinFinanciacion, kConstruccion, kCuentasVivienda };
  // The button that opens the housing accounts of the three entries.
  static constexpr int kIdCuentas = 1298;
  explicit CDlgInversionVivienda(wxWindow* padre, std::int32_t segundoParametro = 0);

  void ActualizarEntradas() override;
  int AlCambiarTexto(int id) override;
  int AlComando(int id, int codigo) override;

  // Opens the housing accounts on the working entries; true when they came back with OK.
  bool AbrirCuentas();

 protected:
  bool FilaCalculada(int fila) const override { return fila == kCuentasVivienda; }
  void AlAbrir() override { ExcluirFinanciacion(); }
};

class CDlgCompensacionVivienda : public CDlgImportesTitulares {
 public:
  enum ECampo : int {
    kIntereses = 1, kInversionAnio, kRevisado, kDiasRevisado, kNoRevisado, kDiasNoRevisado, kImpuestoBienes,
  };
  // Entry 1's deduction is the joint one, entry 2's the declarant's, entry 3's the spouse's.
  static constexpr int kIdsDeduccion[3] = {1253, 1254, 1258};
  explicit CDlgCompensacionVivienda(wxWindow* padre, std::int32_t segundoParametro = 0);

  // What the checks read of the open declaration (the launcher takes them from it).
  RegLiquidacion m_liquidacion{};
  RegApartadoM m_apartadoM{};
  int m_nTipoUnidad = 0;
  bool m_bHijos = false;

  int ComprobarEntradas() override;
  void ActualizarEntradas() override;

 protected:
  bool SeDivide(int importe) const override { return importe != 3 && importe != 5 && importe != 7; }
  bool Recalcular() override;
  void AlAbrir() override;

 private:
  void Topes();
  void Habilitar();
};

// Put the dialogs into the register of detail dialogs.
void RegistrarDlgDeducciones();

}  // namespace dialogos
