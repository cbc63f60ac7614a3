// The draft presentation without its window: which form page (and which sheet of it) each preview page shows, the
// extra sheets that the pages with more rows than one sheet holds need, and the drawing of one draft page: the
// page picture, the boxes as printing draws them but with "NO PRESENTE ESTE BORRADOR" in the reference and
// copy-label boxes and nothing in the receipt box, and the "BORRADOR" watermark down the left side.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "framework/ControlesPagina.h"
#include "framework/Prog32Doc.h"
#include "platform/Lienzo.h"
#include "platform/MetaFile.h"

namespace salida {

inline constexpr std::string_view kTextoNoPresenteBorrador = "NO PRESENTE ESTE BORRADOR";
inline constexpr std::size_t kLargoTextoBorrador = 26;
inline constexpr std::string_view kTextoMarcaBorrador = "BORRADOR";

// What the draft needs of the declaration shown. A declaration document may implement it (the income-tax one
// gives its data area, so the pages with many rows get their extra sheets, and its bound page box arrays); for any
// other the draft uses CFuenteBorradorMarco.
class IFuenteBorrador {
 public:
  virtual ~IFuenteBorrador() = default;
  // 1 D-101, 2 D-100, 3 D-714.
  virtual int TipoFormulario() = 0;
  // The income-tax data area (61,624 bytes); empty when the declaration has none to give.
  virtual std::span<const std::uint8_t> DatosRenta() = 0;
  // The person shown (1 family unit ... 5 second child) and whether the family unit is shown.
  virtual int SujetoActual() = 0;
  virtual bool VistaUnidadFamiliar() = 0;
  // The page's catalogue entry: 1 read.
  virtual int LeerPagina(int idPagina, marco::PaginaInfo& info) = 0;
  // The page's box array, loaded and bound to the declaration; none when it cannot be made. The pointer may keep
  // alive what owns the array (a page's view object).
  virtual std::shared_ptr<marco::CControlesPagina> CrearCampos(int idPagina) = 0;
};

// Any declaration document: its form, person and catalogue, and the page's boxes loaded unbound (they show no
// values, only the draft texts). The income-tax document gives its own source (income/RentaBorrador.h), whose
// boxes are bound as printing binds them. The catalogue is read without messages: a page missing from it shows
// only the watermark.
class CFuenteBorradorMarco : public IFuenteBorrador {
 public:
  explicit CFuenteBorradorMarco(marco::CProg32Doc& documento) : m_documento(documento) {}
  int TipoFormulario() override;
  std::span<const std::uint8_t> DatosRenta() override { return {}; }
  int SujetoActual() override;
  bool VistaUnidadFamiliar() override;
  int LeerPagina(int idPagina, marco::PaginaInfo& info) override;
  std::shared_ptr<marco::CControlesPagina> CrearCampos(int idPagina) override;

 private:
  marco::CProg32Doc& m_documento;
};

// One preview page: the form page it shows, its sheet (1 for the first), the page id.
struct SPaginaBorrador {
  int paginaFormulario = 0;
  int hoja = 1;
  int idPagina = 0;
  friend bool operator==(const SPaginaBorrador&, const SPaginaBorrador&) = default;
};

// Extra sheets of the D-101: the nine rows of 56 bytes at 0x6658 that the view shows (filled rows whose holder is
// the person shown or common, or every filled row in the family unit's view): 0 up to 3, 1 up to 6, 2 beyond.
int HojasExtraD101(std::span<const std::uint8_t> datos, int sujeto, bool vistaUnidadFamiliar);
// Extra sheets of each D-100 form page 1 to 17 (index 0 = page 1) for the person shown.
std::array<int, 17> HojasExtraD100(std::span<const std::uint8_t> datos, int sujeto);

class CPaginasBorrador {
 public:
  // The preview pages of a form (the data area may be empty: then no page has extra sheets).
  static CPaginasBorrador Calcular(int formulario, std::span<const std::uint8_t> datos, int sujeto,
                                   bool vistaUnidadFamiliar);

  int Total() const { return static_cast<int>(m_paginas.size()); }
  int HojasExtra() const { return m_nHojasExtra; }
  // Preview page n (from 1); none outside.
  std::optional<SPaginaBorrador> Pagina(int n) const;

 private:
  std::vector<SPaginaBorrador> m_paginas;
  int m_nHojasExtra = 0;
};

// Puts the draft texts in the boxes: "REFERENCIA" and "EJEMPLAR" show "NO PRESENTE ESTE BORRADOR", "JUSTIFICAN"
// nothing. The boxes get their own values back when it goes.
class CCamposBorrador {
 public:
  explicit CCamposBorrador(marco::CControlesPagina& campos);
  ~CCamposBorrador();
  CCamposBorrador(const CCamposBorrador&) = delete;
  CCamposBorrador& operator=(const CCamposBorrador&) = delete;

 private:
  marco::CControlesPagina& m_campos;
  std::vector<std::pair<int, void*>> m_anteriores;
  std::vector<std::unique_ptr<std::vector<char>>> m_textos;
};

// Draws one draft page over the whole canvas (device units = the page's dots): the picture (when there is one),
// the boxes (when there are; their positions are carried into dots) and the watermark.
void DibujarPaginaBorrador(plataforma::CLienzo& lienzo, const plataforma::CMetaFile& imagen,
                           marco::CControlesPagina* campos);

// The watermark: "BORRADOR" in Arial 80 units high, turned to run down the page, black, from logical (50, 200),
// its letters to the right of that point.
void DibujarMarcaBorrador(plataforma::CLienzo& lienzo);

}  // namespace salida
