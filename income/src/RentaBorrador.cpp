#include "income/RentaBorrador.h"

#include "framework/DocumentoServicios.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"
#include "income/RentaReglas.h"
#include "output/Prevista.h"

namespace renta {

int CFuenteBorradorRenta::TipoFormulario() { return m_documento.DameTipoDec(); }

std::span<const std::uint8_t> CFuenteBorradorRenta::DatosRenta() {
  return {reinterpret_cast<const std::uint8_t*>(&m_documento.Datos()), sizeof(::DatosRenta)};
}

int CFuenteBorradorRenta::SujetoActual() {
  const int sujeto = m_documento.DameSujetoActual();
  return sujeto >= 1 && sujeto <= kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

bool CFuenteBorradorRenta::VistaUnidadFamiliar() {
  return m_documento.DameVistaUnidadFamiliar() != 0 || SujetoActual() == marco::kSujetoUnidadFamiliar;
}

int CFuenteBorradorRenta::LeerPagina(int idPagina, marco::PaginaInfo& info) {
  return m_documento.LeerPagina(idPagina, info, false);
}

std::shared_ptr<marco::CControlesPagina> CFuenteBorradorRenta::CrearCampos(int idPagina) {
  CDeclaracionRentaImpresion declaracion(m_documento);
  std::shared_ptr<marco::CControlesPagina> campos = declaracion.CrearCampos(idPagina);
  // Bound for the person shown, as printing binds it.
  if (campos) campos->Refrescar();
  return campos;
}

void CRentaDoc::PrepararBorrador(wxView& vista) {
  if (auto* borrador = dynamic_cast<salida::CPrevista*>(&vista)) {
    borrador->PonerFuente(std::make_unique<CFuenteBorradorRenta>(*this));
  }
}

}  // namespace renta
