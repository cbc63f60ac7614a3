#include "wealth/C714Internet.h"

#include <wx/app.h>

#include "framework/ComandosDocumento.h"
#include "framework/ReferenciaReglas.h"
#include "wealth/C714Doc.h"
#include "wealth/Enlace714.h"

namespace patrimonio {

namespace {

constexpr int kBasePaginas = 300;

}  // namespace

std::string CDeclaracion714Internet::DameClaveDeclaracion() const { return m_documento.DameClave(); }

int CDeclaracion714Internet::DameTipoDeclaracion() const { return m_documento.DameTipoDec(); }

std::shared_ptr<marco::CControlesPagina> CDeclaracion714Internet::CrearControlesPagina(int idPagina) {
  std::shared_ptr<marco::CControlesPagina> campos = CrearControles714(idPagina - kBasePaginas);
  if (campos) campos->PonerDocumento(&m_documento);
  return campos;
}

void CDeclaracion714Internet::ControlesCargados(int idPagina, marco::CControlesPagina& controles) {
  if (idPagina != kBasePaginas + 1) return;
  if (auto* pagina1 = dynamic_cast<CControlesPAT001*>(&controles)) pagina1->RellenaCabecera(marco::DameLetraWindows());
}

const DatosPatrimonio& CDeclaracion714Internet::DameDatosPatrimonio() const { return m_documento.Datos(); }

void CPresentacion714::ConfirmarCampoActivo() { m_documento.ConfirmarCampoActivo(); }

int CPresentacion714::ValidarPresentacion() { return m_documento.Validar(0); }

int CPresentacion714::GuardarDeclaracion() { return m_documento.Guardar(); }

std::unique_ptr<salida::CInetFichero> CPresentacion714::CrearEscritor() {
  auto escritor = std::make_unique<salida::C714Inet>();
  escritor->PonerDocumento(&m_declaracion);
  return escritor;
}

// ---- the document's command ----

bool C714Doc::AdmitePresentacionInternet() const { return DameTipoDec() == marco::kTipoDecPatrimonio; }

void C714Doc::PresentarPorInternet() {
  CPresentacion714 presentacion(*this);
  salida::CDialogosPresentacionVentanas dialogos(wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr, [this] {
    const auto& servicios = marco::ServiciosComandos();
    return servicios.mostrarHallazgosFichero ? servicios.mostrarHallazgosFichero(*this) : 0;
  });
  salida::PresentarPorInternet(presentacion, dialogos);
}

}  // namespace patrimonio
