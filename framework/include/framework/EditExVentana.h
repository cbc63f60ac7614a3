// The window of a box edit: a text control that hands every key, focus change and clipboard request to its edit
// (CEditEx) and does what the edit's rules ask of it. It makes nothing happen by itself: typed characters,
// Delete, Backspace and the clipboard all go through the rules; only caret moves and selection stay with the
// control.
//
// What the parent and the owner receive:
// - Box notifications: a wxCommandEvent of type EVT_AVISO_CAMPO, processed by the owner (the parent unless the
//   edit was given another) and passed on to its parents while nobody handles it. GetId() is the control id (the
//   box's IndNumero on a page), GetInt() the event code (kAviso..., 0x100 to 0x404), GetEventObject() this window
//   (EditDeAviso gives its edit).
// - Forwarded keys: Tab and Enter as wxEVT_CHAR to the parent, Escape as wxEVT_CHAR to the owner, the navigation
//   keys as wxEVT_KEY_DOWN to the parent; the key codes are wxWidgets' (WXK_TAB, WXK_UP...), the modifier keys as
//   they were, and the event object is this window.
// - The context menu of a box on a page sends its commands as wxEVT_MENU with the program's command ids
//   (kComando...) to the top-level window above the edit.
//
// A receiver may destroy the edit while handling one of these (the page view does when Tab moves to the next box):
// the window is then destroyed at the next idle time and does nothing more.
#pragma once

#include <wx/event.h>
#include <wx/textctrl.h>

#include <optional>

#include "framework/EditSuperficie.h"

class wxMenu;

namespace marco {

class CEditEx;

wxDECLARE_EVENT(EVT_AVISO_CAMPO, wxCommandEvent);

// The edit of a box notification's window; none when the edit is gone.
CEditEx* EditDeAviso(const wxEvent& evento);

// The key code of the edit rules of a wxWidgets key code; 0 for a key the rules do not name.
int TeclaDeWx(int codigoWx);
// The wxWidgets key code of a key code of the edit rules.
int WxDeTecla(int tecla);

// The pale yellow of read-only boxes.
wxColour ColorSoloLectura();

// The box menu of a page on the toolkit's menu ids: the id of entry `indice` of MenuContextualPagina(), and the
// program's command of an id (0 for a separator or an id that is no entry's).
int IdMenuDeOpcion(std::size_t indice);
int ComandoDeIdMenu(int idMenu);
// Adds the person commands (MenuContextualPersonas) to a page menu, after a separator, on their toolkit ids (the
// document enables and ticks them), while an income-tax declaration is open; nothing otherwise.
void AnadirPersonasAlMenu(wxMenu& menu);

class CVentanaEdit : public wxTextCtrl, public CSuperficieEdit {
 public:
  explicit CVentanaEdit(CEditEx& edit);
  ~CVentanaEdit() override;

  // Makes the control with the edit style (kEstilo...); a page box has no border of its own.
  bool Crear(wxWindow* padre, int id, const wxPoint& posicion, const wxSize& tamano, unsigned estilo);

  CEditEx* DameEdit() const { return m_pEdit; }
  // The edit lets go of its window: from now on every event gets the control's default processing.
  void Desligar() { m_pEdit = nullptr; }
  void PonerDueno(wxWindow* dueno) { m_pDueno = dueno; }
  wxWindow* DameDueno() const;
  // Margins of one pixel.
  void PonerMargenes();

  // ---- CSuperficieEdit ----
  std::string Texto() const override;
  void PonerTexto(std::string_view texto) override;
  void Seleccion(int& inicio, int& fin) const override;
  void PonerSeleccion(int inicio, int fin) override;
  int NumeroLineas() const override;
  int InicioLinea(int linea) const override;
  void Pitar() override;
  void Notificar(int idControl, int codigo) override;
  void ReenviarCaracter(EDestinoTecla destino, unsigned caracter, int repeticiones, unsigned banderas) override;
  void ReenviarTecla(int tecla, int repeticiones, unsigned banderas) override;
  bool TeclaPulsada(int tecla) const override;
  std::string Portapapeles() const override;
  void PonerPortapapeles(std::string_view texto) override;
  void AplicarSoloLectura(bool soloLectura) override;
  void AsegurarCaretVisible() override;
  wxWindow* Ventana() const override { return const_cast<CVentanaEdit*>(this); }

 private:
  void AlTeclaAbajo(wxKeyEvent& evento);
  void AlCaracterWx(wxKeyEvent& evento);
  void AlFocoGanado(wxFocusEvent& evento);
  void AlFocoPerdido(wxFocusEvent& evento);
  void AlTextoWx(wxCommandEvent& evento);
  void AlPegarWx(wxClipboardTextEvent& evento);
  void AlCortarWx(wxClipboardTextEvent& evento);
  void AlCopiarWx(wxClipboardTextEvent& evento);
  void AlMenuContextual(wxContextMenuEvent& evento);
  void AlBotonCentral(wxMouseEvent& evento);
  // The modifier keys of the event being handled are the ones the rules see.
  void TomarModificadores(const wxKeyEvent& evento);
  std::vector<int> Inicios() const;

  // The text and selection as a key left to the control found them: the toolkit deletes the selection before it
  // hands over the character the key makes, which the rules may then refuse; they must see the text as it was.
  struct SAntesDeTecla {
    wxString texto;
    long desde = 0;
    long hasta = 0;
  };
  std::optional<SAntesDeTecla> m_antesDeTecla;
  CEditEx* m_pEdit;
  wxWindow* m_pDueno = nullptr;
  bool m_bMultilinea = false;
  bool m_bEnEvento = false;
  bool m_bControl = false;
  bool m_bMayusculas = false;
  bool m_bAlt = false;
};

}  // namespace marco
