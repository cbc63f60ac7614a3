// The message window: an icon, the text and the buttons of one coded message, laid out by the rules of
// DlgMensajeReglas.h. The program's answerer of coded messages runs it modally.
#pragma once

#include <array>

#include <wx/dialog.h>

#include "framework/DlgMensajeReglas.h"
#include "framework/Mensajes.h"

class wxStaticBitmap;
class wxStaticText;

namespace marco {

class CBotonBmp;

class CVentanaMensaje : public wxDialog {
 public:
  // Builds the window for the message and lays it out (AjustarTexto, ColocarBotones); not shown yet.
  CVentanaMensaje(wxWindow* padre, const SMensaje& mensaje);

  // Runs it modally: the button pressed (kBoton...).
  int Ejecutar();

  // The button of a control id (1, 2, 3, 5, 6, 7), or null.
  CBotonBmp* Boton(int control) const;
  const SAjusteTexto& Ajuste() const { return m_ajuste; }
  const SColocacionBotones& Colocacion() const { return m_colocacion; }
  const SPlantillaMensaje& Plantilla() const { return m_plantilla; }

 private:
  void AlBoton(wxCommandEvent& evento);
  void AlCerrar(wxCloseEvent& evento);
  void AlTecla(wxKeyEvent& evento);

  SPlantillaMensaje m_plantilla;
  wxStaticBitmap* m_pIcono = nullptr;
  wxStaticText* m_pTexto = nullptr;
  // The buttons bound to controls 6, 3, 5, 2, 1 and 7.
  std::array<CBotonBmp*, 6> m_botones{};
  SAjusteTexto m_ajuste;
  SColocacionBotones m_colocacion;
};

// The program's answerer: runs the message window modally over the parent (the main window when none) and
// repaints the parent afterwards.
CContestadorMensajes& ContestadorVentana();

}  // namespace marco
