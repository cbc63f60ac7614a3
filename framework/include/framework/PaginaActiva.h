// The page shown, as the declaration document sees it: what the document asks of its active box (commit it, the
// box a rule wants first, go to a box, give it the keyboard) and which page it is. The page view (CProg32View)
// implements it; the document finds it among its views and never names the page view, so the document's room
// does not depend on the page's room.
#pragma once

class wxWindow;

namespace marco {

class CPaginaActiva {
 public:
  virtual ~CPaginaActiva() = default;

  // The active box's edit when it was modified: the page's check of its value, the edit's mark cleared. 0 when
  // nothing was pending.
  virtual int ConfirmarCampoModificado() = 0;
  // The box (numbered from 1) that a page's rule wants the focus on before anything else; 0 none.
  virtual int CampoPendiente() = 0;
  // Box `indice` (from 0) brought into view and activated, as a click on it would.
  virtual void IrACampoPagina(int indice) = 0;
  // How many boxes the page has.
  virtual int CuantosCampos() = 0;
  // The page id (the form's base plus the page number).
  virtual int IdPagina() = 0;
  // The window of the active box's edit; none while no box is active.
  virtual wxWindow* VentanaCampoActivo() const = 0;
  // The window the page is drawn in.
  virtual wxWindow* VentanaPagina() const = 0;
};

}  // namespace marco
