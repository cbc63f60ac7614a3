// The detail behind the work-income boxes of section A: up to six payee entries side by side, one column each,
// with the holder, the disability key of a worker in active employment and twelve amounts. The dialog works on a
// copy of the entries, checks them with coded messages when OK is pressed and hands them back only on OK.
//
// The holder cells take the holder letters (blank, O, D, C, 1, 2), the key cells a key 0 to 3 or nothing, the
// amount cells whole pesetas.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/DatosPersonas.h"
#include "framework/TemplateDlgTitulares.h"

namespace dialogos {

// One payee entry of RegRendTrabajo (bytes 40 to 663 hold six of them).
struct SPerceptorTrabajo {
  std::uint8_t titular = 0;  // 0 none, 1 common, 2 declarant, 3 spouse, 4 first child, 5 second child
  char clave[7] = {};        // the disability key: one character and NUL, empty when the first byte is NUL
  double importes[12] = {};  // offsets 8 to 96
};
static_assert(sizeof(SPerceptorTrabajo) == 104);

inline constexpr int kEntradasTrabajo = 6;
inline constexpr int kFilasTrabajo = 14;
using BloqueTrabajo = std::array<SPerceptorTrabajo, kEntradasTrabajo>;
static_assert(sizeof(BloqueTrabajo) == 624);

// The amounts of an entry, by index into `importes` (grid row - 2).
enum EImporteTrabajo : int {
  kIntegro = 0,
  kRetencion,
  kValoracion,
  kIngresoCuenta,
  kIngresoRepercutido,
  kContribucionGeneral,
  kContribucionMinusvalidos,
  kReduccionIrregular,
  kSeguridadSocial,
  kCuotasSindicatos,
  kCuotasColegios,
  kDefensaJuridica,
};

inline constexpr int kRecursoRendimientosTrabajo = 1551;
inline constexpr int kAyudaRendimientosTrabajo = 366;
inline constexpr std::string_view kVentanaRendimientosTrabajo = "IDD_RDTO_TRABAJO";
// The hint of the Seguridad Social cells (string resource 96).
inline constexpr std::string_view kTextoSeguridadSocial =
    "Seg. Social, Mutualid. Grles. de Funcionarios, derechos pasivos , cotiz. a Colegios de Hu\xE9rfanos o entidades "
    "similares.";
// The amounts' ceiling of disabled-person contributions and the degree thresholds.
inline constexpr double kMaximoContribucionMinusvalidos = 2200000.0;

// The key stored in an entry: its first character when it is a digit 0 to 3, else none (-1); an empty key is -1.
int ClaveDeEntrada(const SPerceptorTrabajo& entrada);
// True when the key field holds anything (its first byte is neither NUL nor a blank).
bool ClaveNoVacia(const SPerceptorTrabajo& entrada);
// The key the disability degree of the holder calls for: 0 for 0-32, 1 for 33-64, 3 for 65 and more; 0 for the
// common holder and for none.
int ClaveEsperada(std::uint8_t titular, const SDatosPersonas& personas);

class CDlgRendimientosTrabajo : public marco::CTemplateDlgTitulares {
 public:
  CDlgRendimientosTrabajo(wxWindow* padre, std::int32_t segundoParametro = 0);

  // The block as received; OK (when every entry may be edited) leaves the entries here.
  BloqueTrabajo m_recibido{};
  // The family data the checks read (the launcher takes those of the open declaration).
  SDatosPersonas m_personas;

  const BloqueTrabajo& Copia() const { return m_copia; }
  BloqueTrabajo& Copia() { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlComando(int id, int codigo) override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;
  int AlCambiarValor(int id) override;

  // ---- entry operations on the working copy ----
  void LimpiarEntrada(int entrada) override;
  void ActualizarEntradas() override;
  void MoverEntrada(int a, int de) override;
  void QuitarEntrada(int entrada) override;
  std::uint8_t TitularDeEntrada(int entrada) const override;
  void EntradaComun(int entrada) override;
  void EntradaPropia(int entrada) override;
  // The key row for a member of degree 33 or more, else the gross-pay row.
  int CampoInicialDeEntrada(int entrada) const override;

  // The checks of OK, in order; 1 when the entries may be kept, 0 when the dialog stays open.
  int Comprobar();

 private:
  // The holder whose degree and year an entry's checks use: in a one-person view the entries shown as the
  // declarant's are the person's own, or common ones.
  std::uint8_t TitularReal(int entrada) const;
  // A holder was given or taken away: the entry keeps its place among the entries in use, its key is cleared and
  // a child's contributions go.
  int CambiarTitular(int id);
  // The key cells and the contribution cells open by holder, degree and lock.
  void HabilitarCeldas();
  void RecordarTitulares();
  // A warning (information icon): true when the user chose to correct.
  bool Aviso(std::string_view codigo) const;
  // An error (stop icon).
  void Error(std::string_view codigo) const;

  BloqueTrabajo m_copia{};
  std::array<std::uint8_t, kEntradasTrabajo> m_titularesMostrados{};
  // Entries of a one-person view that were common entries.
  std::array<bool, kEntradasTrabajo> m_comunes{};
};

// Runs the dialog on the block of a detail-opening box (624 bytes): on OK the block holds the entries, and a
// changed disability key makes the next save compose the identification again.
void RegistrarDlgRendimientosTrabajo();

}  // namespace dialogos
