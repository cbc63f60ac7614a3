// The detail behind the prize boxes: prizes in kind (CDlgPremiosEspecie: valuation, payment on account and the
// part of it passed on) and prizes in cash (CDlgPremiosMetalico: gross amount and retention). Each shows two
// entries, one line each, with the holder and the amounts; it works on a copy, checks the payment on account or
// the retention against 20 % of the prize when OK is pressed, and hands the entries back only on OK and only when
// every entry may be edited.
//
// Stored form of an entry: byte 0 the holder code, bytes 1 to 7 unused (kept as received), then the amounts as
// doubles; two entries make the detail block (64 bytes in kind, 48 in cash).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/TemplateDlgTitulares.h"

namespace dialogos {

inline constexpr int kEntradasPremio = 2;
inline constexpr int kMaxImportesPremio = 3;

struct SEntradaPremio {
  std::uint8_t titular = 0;  // 0 none, 1 common, 2 declarant, 3 spouse, 4 first child, 5 second child
  std::array<double, kMaxImportesPremio> importes{};
};
using EntradasPremio = std::array<SEntradaPremio, kEntradasPremio>;

// The amounts of a prize in kind and of a prize in cash, by index into `importes`.
enum EImportePremioEspecie : int { kValoracionPremio = 0, kIngresosCuentaPremio, kRepercutidoPremio };
enum EImportePremioMetalico : int { kIntegroPremio = 0, kRetencionPremio };

inline constexpr int kRecursoPremiosEspecie = 1568;
inline constexpr int kRecursoPremiosMetalico = 1566;
inline constexpr std::string_view kVentanaPremiosEspecie = "IDD_PREMESP";
inline constexpr std::string_view kVentanaPremiosMetalico = "IDD_PREMMET";
// The static of the holder hint.
inline constexpr int kIdAyudaTitularPremios = 1268;

// Bytes of one stored entry with `importes` amounts, and of the block of two.
constexpr std::size_t TamanoEntradaPremio(int importes) { return 8 + 8 * static_cast<std::size_t>(importes); }
constexpr std::size_t TamanoBloquePremio(int importes) { return kEntradasPremio * TamanoEntradaPremio(importes); }

// The entries of a stored block. A holder code above 5 reads as no holder, an amount that is not a number as 0. A
// block of another size gives two empty entries.
EntradasPremio LeerEntradasPremio(std::span<const unsigned char> bloque, int importes);
// Writes holders and amounts into a block of TamanoBloquePremio(importes) bytes, leaving bytes 1 to 7 of each
// entry as they are; nothing for a block of another size.
void EscribirEntradasPremio(const EntradasPremio& entradas, int importes, std::span<unsigned char> bloque);

class CDlgPremios : public marco::CTemplateDlgTitulares {
 public:
  // The entries as received; OK (when every entry may be edited) leaves the edited entries here.
  EntradasPremio m_recibido{};

  int Importes() const { return m_nImportes; }
  const EntradasPremio& Copia() const { return m_copia; }

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;
  int AlCambiarValor(int id) override;

  // ---- entry operations on the working copy ----
  void LimpiarEntrada(int entrada) override;
  void MoverEntrada(int a, int de) override;
  void QuitarEntrada(int entrada) override;
  std::uint8_t TitularDeEntrada(int entrada) const override;
  void EntradaPropia(int entrada) override;

  // The checks of OK: 1 when the entries may be kept, 0 when the dialog stays open.
  virtual int Comprobar() = 0;

 protected:
  // `ids`: field by field (field 0 the holders), two per field; `cabeceras`: the column headings.
  CDlgPremios(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo, int importes,
              std::span<const int> ids, std::span<const std::string_view> cabeceras);

  EntradasPremio& CopiaEditable() { return m_copia; }
  // Whether the check of 20 % of the prize lets the dialog go on: true when `pagado` is within it or the user
  // chose to go on.
  static bool VeintePorCiento(double premio, double pagado);

 private:
  void RecordarTitulares();

  int m_nImportes;
  EntradasPremio m_copia{};
  std::array<std::uint8_t, kEntradasPremio> m_titularesMostrados{};
};

class CDlgPremiosEspecie : public CDlgPremios {
 public:
  explicit CDlgPremiosEspecie(wxWindow* padre, std::int32_t segundoParametro = 0);
  // A common prize seen by one member: half of each amount.
  void EntradaComun(int entrada) override;
  int Comprobar() override;
};

class CDlgPremiosMetalico : public CDlgPremios {
 public:
  explicit CDlgPremiosMetalico(wxWindow* padre, std::int32_t segundoParametro = 0);
  int Comprobar() override;
};

// Put both dialogs into the register of detail dialogs.
void RegistrarDlgPremios();

}  // namespace dialogos
