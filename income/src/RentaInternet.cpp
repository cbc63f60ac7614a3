#include "income/RentaInternet.h"

#include <wx/app.h>

#include "framework/ComandosDocumento.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"

namespace renta {

std::string CDeclaracionRentaInternet::DameClaveDeclaracion() const { return m_documento.DameClave(); }

int CDeclaracionRentaInternet::DameTipoDeclaracion() const { return m_documento.DameTipoDec(); }

std::shared_ptr<marco::CControlesPagina> CDeclaracionRentaInternet::CrearControlesPagina(int idPagina) {
  return CrearControlesPaginaRenta(m_documento, idPagina);
}

int CDeclaracionRentaInternet::DameSujetoActual() const { return m_documento.DameSujetoActual(); }

int CDeclaracionRentaInternet::ModeloNecesario() const {
  return m_documento.ModeloNecesario(m_documento.DameSujetoActual());
}

const DatosRenta& CDeclaracionRentaInternet::DameDatosRenta() const { return m_documento.Datos(); }

void CPresentacionRenta::ConfirmarCampoActivo() { m_documento.ConfirmarCampoActivo(); }

int CPresentacionRenta::ValidarPresentacion() { return m_documento.Validar(kValidarPresentacionInternet); }

int CPresentacionRenta::GuardarDeclaracion() { return m_documento.Guardar(); }

std::unique_ptr<salida::CInetFichero> CPresentacionRenta::CrearEscritor() {
  auto escritor = std::make_unique<salida::CRentaInet>();
  escritor->PonerDocumento(&m_declaracion);
  return escritor;
}

// ---- the document's command ----

bool CRentaDoc::AdmitePresentacionInternet() const {
  return DameTipoDec() == marco::kTipoDecSimplificada || DameTipoDec() == marco::kTipoDecOrdinaria;
}

void CRentaDoc::PresentarPorInternet() {
  CPresentacionRenta presentacion(*this);
  salida::CDialogosPresentacionVentanas dialogos(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, [this] {
    const auto& servicios = marco::ServiciosComandos();
    return servicios.mostrarHallazgosFichero ? servicios.mostrarHallazgosFichero(*this) : 0;
  });
  salida::PresentarPorInternet(presentacion, dialogos);
}

}  // namespace renta
