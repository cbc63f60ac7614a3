#include "shell/Plantillas.h"

namespace shell {

CDeclarTemplate::CDeclarTemplate(wxDocManager* gestor, int recurso, const wxString& nombreTipo,
                                 const wxString& descripcion, wxClassInfo* claseDocumento, wxClassInfo* claseVista)
    : wxDocTemplate(gestor, descripcion, wxEmptyString, wxEmptyString, wxEmptyString, nombreTipo, nombreTipo,
                    claseDocumento, claseVista, wxTEMPLATE_INVISIBLE),
      m_nRecurso(recurso) {}

int CDeclarTemplate::CerrarDocumentos() {
  wxDocManager* gestor = GetDocumentManager();
  if (gestor == nullptr) return 1;
  // A copy: closing a document takes it off the manager's list.
  const wxDocVector documentos = gestor->GetDocumentsVector();
  for (wxDocument* documento : documentos) {
    if (documento->GetDocumentTemplate() != this) continue;
    if (!gestor->CloseDocument(documento, false)) return 0;
  }
  return 1;
}

void CRegistroDeclaraciones::AnadirPlantilla(FuncionCrearPlantilla crear) {
  if (crear) m_plantillas.push_back(std::move(crear));
}

void CRegistroDeclaraciones::PonerIndiceDeclaraciones(FuncionPedirDeclaracion pedir) { m_pedir = std::move(pedir); }

void CRegistroDeclaraciones::RegistrarEn(wxDocManager& gestor) const {
  for (const FuncionCrearPlantilla& crear : m_plantillas) crear(gestor);
}

void CRegistroDeclaraciones::Vaciar() {
  m_plantillas.clear();
  m_pedir = nullptr;
}

CRegistroDeclaraciones& RegistroDeclaraciones() {
  static CRegistroDeclaraciones registro;
  return registro;
}

}  // namespace shell
