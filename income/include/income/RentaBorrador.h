// What the draft presentation of an income-tax declaration reads: the declaration's form, data area and person,
// the page catalogue (read without messages) and each page's own box array, bound to the declaration exactly as
// printing binds it (CDeclaracionRentaImpresion), so every draft page shows the declaration's values. The document
// gives it to the draft view when the view is made (CRentaDoc::PrepararBorrador).
#pragma once

#include <memory>

#include "output/BorradorReglas.h"

namespace renta {

class CRentaDoc;

class CFuenteBorradorRenta : public salida::IFuenteBorrador {
 public:
  explicit CFuenteBorradorRenta(CRentaDoc& documento) : m_documento(documento) {}

  int TipoFormulario() override;
  std::span<const std::uint8_t> DatosRenta() override;
  int SujetoActual() override;
  bool VistaUnidadFamiliar() override;
  int LeerPagina(int idPagina, marco::PaginaInfo& info) override;
  // The page's class's own box array (the first printed page's for 222), loaded and bound; none for a page the
  // program does not have.
  std::shared_ptr<marco::CControlesPagina> CrearCampos(int idPagina) override;

 private:
  CRentaDoc& m_documento;
};

}  // namespace renta
