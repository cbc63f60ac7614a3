// The windows of a list box edit: the "..." button at the right end of the edit and the drop-down, a borderless
// frame above the page holding a list box (inside a dialog, a list box of the dialog's own laid over its fields,
// since a modal dialog lets no other window take the mouse or the keyboard). They only show what the edit's rules (CListaEdit) decide and hand the
// user's actions back to them: the button opens the drop-down; in the list a double-click or Enter takes the
// entry, Tab and Escape close it, and so does the list losing the focus.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <wx/button.h>
#include <wx/frame.h>
#include <wx/listbox.h>
#include <wx/weakref.h>

namespace marco {

class CListaEdit;
struct SEntradaLista;

class CVentanasLista {
 public:
  explicit CVentanasLista(CListaEdit& edit);
  ~CVentanasLista();
  CVentanasLista(const CVentanasLista&) = delete;
  CVentanasLista& operator=(const CVentanasLista&) = delete;

  // Places the button beside the edit's window: the first time the edit is narrowed by its height and the button
  // takes the freed square; afterwards the square just right of the edit. A read-only edit gets no button.
  void CrearBoton(bool soloLectura);
  void DestruirBoton();
  // Opens the drop-down under the edit with these entries and this selection (-1 none), sized to show them within
  // the desktop (within the dialog, for an edit of a dialog), and gives the list the focus.
  void Abrir(const std::vector<SEntradaLista>& entradas, int seleccion);
  // Closes the drop-down; with `foco` the focus goes back to the edit.
  void Cerrar(bool foco);
  void Seleccionar(int indice);

  wxButton* Boton() const { return m_boton.get(); }
  // The drop-down's frame; none while closed and for an edit of a dialog.
  wxFrame* Marco() const { return m_marco.get(); }
  wxListBox* Lista() const { return m_lista.get(); }
  int LadoBoton() const { return m_nLadoBoton; }

 private:
  void AlDobleClic();
  void AlPerderFocoLista();

  CListaEdit& m_edit;
  int m_nLadoBoton = 0;
  wxWeakRef<wxButton> m_boton;
  wxWeakRef<wxFrame> m_marco;
  wxWeakRef<wxListBox> m_lista;
  wxWeakRef<wxWindow> m_ventanaEdit;  // the edit window the button was placed for
  // Shared with the pending calls: false once these windows' owner is gone.
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

}  // namespace marco
