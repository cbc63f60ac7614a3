// The declaration index window (resource 121, "Índice de Declaraciones "): a modal dialog that shows a
// CIndiceDeclaraciones, forwards every click, change and grid notification to it and paints what it holds.
#pragma once

#include <optional>
#include <string>

#include <wx/dialog.h>

#include "shell/IndiceDeclaraciones.h"
#include "shell/Plantillas.h"

class wxButton;
class wxCheckBox;
class wxRadioButton;
class wxStaticText;
class wxTextCtrl;

namespace marco {
class CGridCtrl;
class CGridEvento;
}  // namespace marco

namespace shell {

class CDlgIndiceDeclaraciones : public wxDialog {
 public:
  // The rules object must outlive the window; the caller sets its members (EsNueva) before ShowModal.
  CDlgIndiceDeclaraciones(wxWindow* padre, CIndiceDeclaraciones& indice);
  ~CDlgIndiceDeclaraciones() override;

  // Initialises the rules and paints them; ShowModal calls it through the init event.
  void Iniciar();
  CIndiceDeclaraciones& Indice() { return m_indice; }
  marco::CGridCtrl* Rejilla() const { return m_pRejilla; }

 private:
  void Crear();
  // The widths of the grid's columns for its width now.
  void AjustarColumnas();
  // Paints the rules' state; `enfocar` also moves the focus where the rules say.
  void Pintar(bool enfocar);
  void Despues(bool enfocar);

  void AlBoton(wxCommandEvent& evento);
  void AlTextoNombre(wxCommandEvent& evento);
  void AlFiltro(wxCommandEvent& evento);
  void AlTipo(wxCommandEvent& evento);
  void AlNotificacionRejilla(marco::CGridEvento& evento);
  void AlDobleClicRejilla(marco::CGridEvento& evento);
  // Empties the declarations' rows of the grid.
  void VaciarRejilla();

  CIndiceDeclaraciones& m_indice;
  marco::CGridCtrl* m_pRejilla = nullptr;
  wxTextCtrl* m_pNombre = nullptr;
  wxTextCtrl* m_pNumeroFila = nullptr;
  wxStaticText* m_pTotal = nullptr;
  wxCheckBox* m_pVerRenta = nullptr;
  wxCheckBox* m_pVerPatrimonio = nullptr;
  wxRadioButton* m_pRenta = nullptr;
  wxRadioButton* m_pPatrimonio = nullptr;
  bool m_bPintando = false;
  bool m_bIniciado = false;
};

// The index dialog as the shell runs it for File New (nueva 1) and File Open (0), on the program's databases.
SDeclaracionElegida PedirDeclaracionIndice(wxWindow* padre, int nueva);

}  // namespace shell
