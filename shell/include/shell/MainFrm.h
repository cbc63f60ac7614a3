// The main window: menus, tool bar, status bar and the section bar docked at the left with the tree of sections;
// the declaration's page views open inside it. It reads the user's settings from the profile when it is made and
// writes them back when it goes, and it handles the "go to page and box" request.
#pragma once

#include <wx/docmdi.h>

#include <memory>
#include <span>

#include "shell/Comandos.h"
#include "shell/PerfilPrograma.h"

class wxMenu;
class wxSashLayoutWindow;
class wxSashEvent;
class wxTreeCtrl;
class wxTreeEvent;

namespace shell {

class CProg32App;

class CMainFrame : public wxDocMDIParentFrame {
 public:
  CMainFrame(CProg32App& aplicacion, wxDocManager* gestor);
  ~CMainFrame() override;

  // Reads the profile (LeerPerfil), builds menus and bars in the interface language, fills the tree of sections
  // and places the window as the profile says (not shown yet). False when the window cannot be made.
  bool Crear();
  // Shows the window as the profile placed it.
  void Mostrar();

  // Writes the window's settings to the profile now, for a window that is being replaced (a language switch); it
  // writes nothing more when it goes.
  void Retirar();

  // Fills the tree of sections from the page catalogue of the local database (empty while it is not open).
  void LlenarArbol();

  // Records the section bar's state and size for the profile, hides it and lays the frame out again.
  void OcultarBarraApartados();
  // Shows the tree of the form group 100, 200 or 300 (expanded, the others collapsed) and the bar itself as the
  // profile's BarApartados says (shown when 1 or 2).
  void MostrarApartados(int grupo);
  bool BarraApartadosVisible() const;

  // Go to page and box: `pagina` 1-based in the open declaration's page list (100 the family data wizard, 0 the
  // page shown now), `casilla` the box on that page. The page comes to the front with that box active, whether it
  // was open already or not. A finding's request (`deHallazgo`) goes through the document, which first shows the
  // person the findings were written for. 1 done or nothing to do, 0 when the page could not be shown.
  int OnIrAApartado(int pagina, long casilla, bool deHallazgo = false);

  // Sets the text of a status bar pane.
  void PonerTextoEstado(int panel, const wxString& texto);

  wxTreeCtrl* DameArbol() const { return m_pArbol; }
  const SColocacionVentana& DameColocacion() const { return m_colocacion; }

 protected:
  bool TryBefore(wxEvent& evento) override;

 private:
  void CrearMenus();
  // A menu made from its entries (its submenus too).
  static std::unique_ptr<wxMenu> CrearMenu(std::span<const SOpcionMenu> opciones);
  void CrearBarras();
  void RecolocarCliente();
  // The profile values that describe the window now (state, normal rectangle, bars).
  void RecogerEstadoVentana();

  void AlCerrar(wxCloseEvent& evento);
  void AlTamano(wxSizeEvent& evento);
  void AlMover(wxMoveEvent& evento);
  void AlArrastrarBarra(wxSashEvent& evento);
  void AlElegirApartado(wxTreeEvent& evento);
  void AlIrAApartado(wxCommandEvent& evento);
  void AlComando(wxCommandEvent& evento);
  void AlIdioma(wxCommandEvent& evento);
  void AlActualizarDeclaracion(wxUpdateUIEvent& evento);
  void AlActivar(wxActivateEvent& evento);
  void DevolverFocoAPagina();
  void AlExportar();
  void AlActualizarIdioma(wxUpdateUIEvent& evento);
  void AlActualizarBarras(wxUpdateUIEvent& evento);

  CProg32App& m_aplicacion;
  SColocacionVentana m_colocacion;
  SRectangulo m_rectNormal;
  wxSashLayoutWindow* m_pBarraApartados = nullptr;
  wxTreeCtrl* m_pArbol = nullptr;
  int m_nAnchoBarra = 0;
  bool m_bCerrando = false;
  bool m_bRetirado = false;
  // The window manager's first placement of a normal window is undone (Mostrar).
  bool m_bColocarAlMostrar = false;
};

}  // namespace shell
