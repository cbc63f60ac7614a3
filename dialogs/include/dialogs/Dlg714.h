// The detail dialogs of the wealth-tax pages: the joint limit with the income-tax quota and the taxes paid abroad
// (boxes of the liquidation page, over their blocks of the summary), and the name dialog of the selection boxes
// that edit a person's surnames and first name.
//
// The two liquidation dialogs compare what is typed with the net wealth of the declaration (the summary amount at
// offset 168 of the open wealth-tax declaration), which the launcher hands them beside the block.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/TemplateDlg.h"

namespace dialogos {

// ---- the joint limit with the income-tax quota (summary offsets 296 to 351) ----

struct SLimiteCuota {
  std::uint8_t clase = 0;  // 'I' individual, 'C' joint (NUL reads as individual)
  std::uint8_t relleno[7] = {};
  double baseDeclarante = 0.0;           // may be negative
  double cuotaDeclarante = 0.0;
  double improductivosDeclarante = 0.0;  // net value of the unproductive assets
  double baseConyuge = 0.0;              // may be negative
  double cuotaConyuge = 0.0;
  double improductivosConyuge = 0.0;
};
static_assert(sizeof(SLimiteCuota) == 56);

inline constexpr int kRecursoLimiteCuota = 1560;
inline constexpr int kAyudaLimiteCuota = 441;
inline constexpr std::string_view kVentanaLimiteCuota = "IDD_PCUOTINT";
inline constexpr int kIdIndividual = 1611;
inline constexpr int kIdConjunta = 1614;
inline constexpr int kIdBaseDeclarante = 1569;
inline constexpr int kIdCuotaDeclarante = 1572;
inline constexpr int kIdImproductivosDeclarante = 1575;
inline constexpr int kIdBaseConyuge = 1578;
inline constexpr int kIdCuotaConyuge = 1580;
inline constexpr int kIdImproductivosConyuge = 1582;
// The extra text of the limit's messages (string resource 174).
inline constexpr std::string_view kTextoImproductivos = "patrimoniales improductivos.";

// Whole pesetas of at most twelve digits.
inline constexpr double kImporteMaximo714 = 999999999999.0;

class CDlgLimiteCuota : public marco::CTemplateDlg {
 public:
  explicit CDlgLimiteCuota(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The block as received; OK leaves the result here.
  SLimiteCuota m_recibido{};
  // The amount the unproductive value is compared with (not written back).
  double m_comparacion = 0.0;

  const SLimiteCuota& Copia() const { return m_copia; }
  bool Conjunta() const { return m_bConjunta; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;

  // The checks of OK, in order: true when the dialog may close.
  bool Comprobar();

 private:
  // Individual: the spouse's edits are shut and the spouse's amounts go to 0.
  void AplicarTributacion();
  // The radio buttons of a real window follow the choice (the simulated controls have none).
  void MarcarOpciones();

  SLimiteCuota m_copia{};
  bool m_bConjunta = false;
};

// ---- taxes paid abroad (summary offsets 424 to 471) ----

struct SElementoExtranjero {
  double satisfecho = 0.0;  // amount actually paid abroad
  double gravado = 0.0;     // net value of the assets taxed abroad
};
using BloqueExtranjero = std::array<SElementoExtranjero, 3>;
static_assert(sizeof(BloqueExtranjero) == 48);

inline constexpr int kRecursoImpuestosExtranjero = 1599;
inline constexpr int kAyudaImpuestosExtranjero = 442;
inline constexpr std::string_view kVentanaImpuestosExtranjero = "IDD_PIMPEXTR";
inline constexpr int kIdSatisfecho[3] = {1584, 1585, 1588};
inline constexpr int kIdGravado[3] = {1586, 1590, 1596};

class CDlgImpuestosExtranjero : public marco::CTemplateDlg {
 public:
  explicit CDlgImpuestosExtranjero(wxWindow* padre, std::int32_t segundoParametro = 0);

  BloqueExtranjero m_recibido{};
  double m_comparacion = 0.0;

  const BloqueExtranjero& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;

  // The checks of OK: true when the dialog may close.
  bool Comprobar();

 private:
  BloqueExtranjero m_copia{};
};

// ---- the name dialog ----

// Surnames (30 characters and a terminator), then the first name (15 and a terminator).
struct SNombreApellidos {
  char apellidos[31] = {};
  char nombre[16] = {};
};
static_assert(sizeof(SNombreApellidos) == 47);

inline constexpr int kRecursoNombreApellidos = 255;
inline constexpr std::string_view kVentanaNombreApellidos = "IDD_NOMAPE";
inline constexpr int kIdNombre = 1138;
inline constexpr int kIdApellidos = 1140;

class CDlgNombreApellidos : public marco::CTemplateDlg {
 public:
  explicit CDlgNombreApellidos(wxWindow* padre);
  ~CDlgNombreApellidos() override;

  SNombreApellidos m_recibido{};

  const SNombreApellidos& Copia() const { return m_copia; }
  // The character typed into the box that opened the dialog (Windows-1252; 0 none): the surnames begin with it
  // and the typing goes on after it.
  void PonerPrimerCaracter(unsigned caracter) { m_nPrimerCaracter = caracter; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlEntrarEnCampo(int id) override;

 private:
  // The caret stays after the first character while the keys typed on arrive.
  void SeguirTrasPrimerCaracter();

  SNombreApellidos m_copia{};
  unsigned m_nPrimerCaracter = 0;
  bool m_bCaretAlFinal = false;
  // True until the first key reaches the surnames field after the first character.
  std::shared_ptr<bool> m_pPendiente;
  // False once the dialog is gone, for the call that waits for the field to take the focus.
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

// The launchers: the two liquidation dialogs by their window names in the detail register (they take the net
// wealth of the open wealth-tax declaration and are not run without one), the name dialog in the register of
// selection dialogs.
void RegistrarDialogos714();

}  // namespace dialogos
