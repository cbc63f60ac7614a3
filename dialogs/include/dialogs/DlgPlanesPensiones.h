// The detail behind the pension-plan boxes of section J, one box per person: the plans of the general regime
// (CDlgPlanesPensiones) and the plans in favour of a disabled person (CDlgPlanesMinusvalidos). Each works on a
// copy of its small block, shows the promoter's contributions without letting them be typed, checks the yearly
// maxima of the person when OK is pressed and hands the block back only on OK.
//
// The box's detail link designates the row of RegApartadoJ from its holder byte (row offset 0) to the end of the
// dialog's block: the launch receives those bytes, reads the holder from the first one and writes back only the
// block (row offsets 16 onwards), so the holder and the row's other fields are never changed here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dialogs/DatosPersonas.h"
#include "framework/DialogoBase.h"
#include "framework/TemplateDlg.h"
#include "ximardol.h"

namespace dialogos {

// The block of a general-regime row (row offsets 16 to 39).
struct SBloquePlanGeneral {
  double exceso1998 = 0.0;  // contributions of 1998 above the maximum, not deducted
  double promotor = 0.0;    // the promoter's contributions (shown, not typed)
  double participe = 0.0;   // the participant's or mutual member's payments
};
static_assert(sizeof(SBloquePlanGeneral) == 24);

// The block of a disabled-person row (row offsets 16 to 55).
struct SBloquePlanMinusvalido {
  char nif[16] = {};        // the disabled participant's N.I.F.: 9 characters and NUL
  double promotor = 0.0;    // the promoter's contributions (shown, not typed)
  double propias = 0.0;     // the disabled person's own payments
  double parientes = 0.0;   // relatives' payments in favour of the disabled person
};
static_assert(sizeof(SBloquePlanMinusvalido) == 40);

// Where the block starts in the bytes the launch receives, and how many bytes it receives.
inline constexpr std::size_t kDespBloquePlan = 16;
inline constexpr std::size_t kTamanoFilaPlanGeneral = kDespBloquePlan + sizeof(SBloquePlanGeneral);
inline constexpr std::size_t kTamanoFilaPlanMinusvalido = kDespBloquePlan + sizeof(SBloquePlanMinusvalido);

inline constexpr int kRecursoPlanesPensiones = 171;
inline constexpr int kRecursoPlanesMinusvalidos = 1569;
inline constexpr int kAyudaPlanesPensiones = 177;
inline constexpr int kAyudaPlanesMinusvalidos = 178;
inline constexpr std::string_view kVentanaPlanesPensiones = "IDD_PLPENGEN";
inline constexpr std::string_view kVentanaPlanesMinusvalidos = "IDD_PLPENMIN";

// Control ids.
inline constexpr int kIdPlanNif = 1004;
inline constexpr int kIdPlan1397 = 1397;
inline constexpr int kIdPlan1401 = 1401;
inline constexpr int kIdPlan1404 = 1404;

// The yearly ceiling of the contributions in favour of one disabled person, of relatives' payments, and of one
// person's contributions to both kinds of plan together.
inline constexpr double kMaximoPlanMinusvalido = 2200000.0;
inline constexpr double kMaximoParientesMinusvalido = 1100000.0;
inline constexpr double kMaximoPlanesPersona = 2200000.0;

// What the other table of section J holds per person (declarant and spouse): promoter contributions plus the
// person's own payments of the rows whose holder is that person.
struct SPlanesPorPersona {
  double declarante = 0.0;
  double conyuge = 0.0;
  // The sum of holder 2 or 3; nothing for another holder.
  double* De(std::uint8_t titular);
};
// The two general-regime rows (48 bytes from offset 0; amounts at row offsets 24 and 32).
SPlanesPorPersona SumarPlanesGenerales(const RegApartadoJ& apartado);
// The two disabled-person rows (72 bytes from offset 136; amounts at row offsets 32 and 40).
SPlanesPorPersona SumarPlanesMinusvalidos(const RegApartadoJ& apartado);

// A binding of a plain edit to whole pesetas: ten whole digits, no decimals, never negative; 0 shows empty.
marco::SEnlaceControl EnlaceImportePesetas(double* valor);

class CDlgPlanesPensiones : public marco::CTemplateDlg {
 public:
  explicit CDlgPlanesPensiones(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The block as received; OK leaves the edited block here.
  SBloquePlanGeneral m_recibido;
  // The row's holder (2 declarant, 3 spouse): read only.
  std::uint8_t m_titular = 0;
  // The family data and the disabled-person rows the checks read (the launch takes those of the open
  // declaration).
  SDatosPersonas m_personas;
  SPlanesPorPersona m_otrosPlanes;

  const SBloquePlanGeneral& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;
  // Whether the box that opened the dialog shows the excess of 1998 (the launch knows it from where the box's value
  // lies in the row) rather than the year's contributions.
  bool m_bCasillaExceso = false;
  // What is typed into the box goes to the field the box shows: the excess of 1998, or else the participant's
  // payments (the year's contributions, of which the promoter's are not typed).
  int CampoParaCaracterInicial() override;

  // The checks of OK: 1 when the block may be kept, 0 when the dialog stays open.
  int Comprobar();

 private:
  SBloquePlanGeneral m_copia;
};

class CDlgPlanesMinusvalidos : public marco::CTemplateDlg {
 public:
  explicit CDlgPlanesMinusvalidos(wxWindow* padre, std::int32_t segundoParametro = 0);

  SBloquePlanMinusvalido m_recibido;
  std::uint8_t m_titular = 0;
  SDatosPersonas m_personas;
  // The general-regime rows.
  SPlanesPorPersona m_otrosPlanes;

  const SBloquePlanMinusvalido& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;
  // Leaving the N.I.F. box checks it as a person's N.I.F.; a bad one is reported, cleared and takes the focus
  // back.
  int AlSalirDeCampo(int id) override;

  int Comprobar();

 private:
  SBloquePlanMinusvalido m_copia;
};

// Put both dialogs into the register of detail dialogs.
void RegistrarDlgPlanesPensiones();

}  // namespace dialogos
