// An open income-tax declaration for window tests: a document manager with one income-tax template and a document
// of it, which the program's services then find as the open declaration (marco::DameDocumentoActivo) and whose
// person shown they publish. Needs the application object; one at a time.
#pragma once

#include <wx/docview.h>

#include <cstring>
#include <memory>

#include "income/RentaComandos.h"
#include "income/RentaDoc.h"

namespace renta::pruebas {

class CDeclaracionAbierta {
 public:
  CDeclaracionAbierta()
      : m_gestor(std::make_unique<wxDocManager>()),
        m_plantilla(new wxDocTemplate(m_gestor.get(), "Renta", "*.ren", "", "ren", "CRentaDoc", "",
                                      ClaseDocumentoRenta(), nullptr)),
        m_doc(std::make_unique<CRentaDoc>()) {
    std::memset(&m_doc->Datos(), 0, sizeof(DatosRenta));
    m_doc->SetDocumentTemplate(m_plantilla);
    m_gestor->AddDocument(m_doc.get());
  }
  ~CDeclaracionAbierta() {
    m_gestor->RemoveDocument(m_doc.get());
    m_doc.reset();
    m_gestor.reset();
  }
  CDeclaracionAbierta(const CDeclaracionAbierta&) = delete;
  CDeclaracionAbierta& operator=(const CDeclaracionAbierta&) = delete;

  CRentaDoc& Doc() { return *m_doc; }
  DatosRenta& Datos() { return m_doc->Datos(); }

 private:
  std::unique_ptr<wxDocManager> m_gestor;
  wxDocTemplate* m_plantilla;  // the manager's
  std::unique_ptr<CRentaDoc> m_doc;
};

}  // namespace renta::pruebas
