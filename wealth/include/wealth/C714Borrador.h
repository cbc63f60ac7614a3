// What the draft presentation of a wealth-tax declaration reads: the declaration's form, the page catalogue (read
// without messages) and each page's own box array, bound to the declaration exactly as printing binds it
// (CDeclaracion714Impresion), so every draft page shows the declaration's values. The document gives it to the
// draft view when the view is made (C714Doc::PrepararBorrador).
#pragma once

#include <memory>

#include "output/BorradorReglas.h"

namespace patrimonio {

class C714Doc;

class CFuenteBorrador714 : public salida::IFuenteBorrador {
 public:
  explicit CFuenteBorrador714(C714Doc& documento) : m_documento(documento) {}

  int TipoFormulario() override;
  // The wealth tax has no income-tax data area and no pages with extra sheets.
  std::span<const std::uint8_t> DatosRenta() override { return {}; }
  // A wealth-tax declaration is one person's: it is always shown whole.
  int SujetoActual() override;
  bool VistaUnidadFamiliar() override { return true; }
  int LeerPagina(int idPagina, marco::PaginaInfo& info) override;
  // The page's own box array (page id 301 to 312), loaded and bound; none for a page the form does not have.
  std::shared_ptr<marco::CControlesPagina> CrearCampos(int idPagina) override;

 private:
  C714Doc& m_documento;
};

}  // namespace patrimonio
