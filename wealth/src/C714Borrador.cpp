#include "wealth/C714Borrador.h"

#include "framework/DocumentoServicios.h"
#include "output/Prevista.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Impre.h"

namespace patrimonio {

int CFuenteBorrador714::TipoFormulario() { return m_documento.DameTipoDec(); }

int CFuenteBorrador714::SujetoActual() { return marco::kSujetoUnidadFamiliar; }

int CFuenteBorrador714::LeerPagina(int idPagina, marco::PaginaInfo& info) {
  return m_documento.LeerPagina(idPagina, info, false);
}

std::shared_ptr<marco::CControlesPagina> CFuenteBorrador714::CrearCampos(int idPagina) {
  CDeclaracion714Impresion declaracion(m_documento);
  return declaracion.CrearCampos(idPagina - kBaseIdPagina714);
}

void C714Doc::PrepararBorrador(wxView& vista) {
  if (auto* borrador = dynamic_cast<salida::CPrevista*>(&vista)) {
    borrador->PonerFuente(std::make_unique<CFuenteBorrador714>(*this));
  }
}

}  // namespace patrimonio
