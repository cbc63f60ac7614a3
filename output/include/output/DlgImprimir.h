// The print dialog: the printer (or a PDF file) to print on, the page range (only for a declaration printed
// before), and the extra copy for the taxpayer. The rules are CReglasDlgImprimir's; the window forwards to them.
#pragma once

#include <wx/cmndata.h>
#include <wx/dialog.h>

#include "output/DlgImprimirReglas.h"

class wxCheckBox;
class wxRadioButton;
class wxStaticText;
class wxTextCtrl;

namespace salida {

class CDlgImprimir : public wxDialog {
 public:
  // `datos` is the printer's setup, changed by "&Instalar...".
  CDlgImprimir(wxWindow* padre, const CInfoImpresion& info, wxPrintData& datos);

  CReglasDlgImprimir& Reglas() { return m_reglas; }
  // Enables the range controls by the rules and shows their values.
  void ActualizarControles();
  // OK: the typed values go to the rules; false (the dialog stays) when one is refused.
  bool GuardarControles();

 private:
  void AlInstalar();
  void AlExaminar();
  void MostrarImpresora();

  CReglasDlgImprimir m_reglas;
  wxPrintData& m_datos;
  wxStaticText* m_pImpresora = nullptr;
  wxRadioButton* m_pAImpresora = nullptr;
  wxRadioButton* m_pAFichero = nullptr;
  wxTextCtrl* m_pRuta = nullptr;
  wxRadioButton* m_pTodo = nullptr;
  wxRadioButton* m_pPaginas = nullptr;
  wxTextCtrl* m_pDesde = nullptr;
  wxTextCtrl* m_pHasta = nullptr;
  wxCheckBox* m_pCopia = nullptr;
};

}  // namespace salida
