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

#include "dialogs/DlgImportesTitulares.h"

namespace dialogos {

inline constexpr int kEntradasPremio = 2;
inline constexpr int kMaxImportesPremio = 3;

using SEntradaPremio = SEntradaTitular;
using EntradasPremio = EntradasTitulares;

// The amounts of a prize in kind and of a prize in cash, by index into `importes`.
enum EImportePremioEspecie : int { kValoracionPremio = 0, kIngresosCuentaPremio, kRepercutidoPremio };
enum EImportePremioMetalico : int { kIntegroPremio = 0, kRetencionPremio };

inline constexpr int kRecursoPremiosEspecie = 1568;
inline constexpr int kRecursoPremiosMetalico = 1566;
inline constexpr std::string_view kVentanaPremiosEspecie = "IDD_PREMESP";
inline constexpr std::string_view kVentanaPremiosMetalico = "IDD_PREMMET";
// The static of the holder hint.
inline constexpr int kIdAyudaTitularPremios = kIdAyudaTitularLineas;

// The shape of the block: two entries of `importes` amounts, bytes 1 to 7 of each kept as they are.
constexpr SFormaBloque FormaPremio(int importes) { return {kEntradasPremio, importes, 0, 0, true}; }
// Bytes of one stored entry with `importes` amounts, and of the block of two.
constexpr std::size_t TamanoEntradaPremio(int importes) { return 8 + 8 * static_cast<std::size_t>(importes); }
constexpr std::size_t TamanoBloquePremio(int importes) { return kEntradasPremio * TamanoEntradaPremio(importes); }

// The entries of a stored block. A holder code above 5 reads as no holder, an amount that is not a number as 0. A
// block of another size gives two empty entries.
EntradasPremio LeerEntradasPremio(std::span<const unsigned char> bloque, int importes);
// Writes holders and amounts into a block of TamanoBloquePremio(importes) bytes, leaving bytes 1 to 7 of each
// entry as they are; nothing for a block of another size.
void EscribirEntradasPremio(const EntradasPremio& entradas, int importes, std::span<unsigned char> bloque);

class CDlgPremios : public CDlgImportesTitulares {
 protected:
  // `ids`: field by field (field 0 the holders), two per field; `cabeceras`: the column headings.
  CDlgPremios(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo, int importes,
              std::span<const int> ids, std::span<const std::string_view> cabeceras);

  // Whether the check of 20 % of the prize lets the dialog go on: true when `pagado` is within it or the user
  // chose to go on.
  static bool VeintePorCiento(double premio, double pagado);
};

class CDlgPremiosEspecie : public CDlgPremios {
 public:
  explicit CDlgPremiosEspecie(wxWindow* padre, std::int32_t segundoParametro = 0);
  int ComprobarEntradas() override;
};

class CDlgPremiosMetalico : public CDlgPremios {
 public:
  explicit CDlgPremiosMetalico(wxWindow* padre, std::int32_t segundoParametro = 0);
  int ComprobarEntradas() override;

 protected:
  // A common prize in cash seen by one member keeps its whole amounts.
  bool SeDivide(int) const override { return false; }
};

// Put both dialogs into the register of detail dialogs.
void RegistrarDlgPremios();

}  // namespace dialogos
