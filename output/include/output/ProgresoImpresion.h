// The progress window of a print run ("Imprimiendo"): modeless, over the main window, with the document line, the
// page line and a Cancel that asks the run to stop after the copy in progress. And the message pump that long
// jobs on the window thread call between steps so that the window (and its Cancel) stays alive.
#pragma once

#include <wx/dialog.h>

#include <string_view>

#include "output/ImpreVista.h"

class wxStaticText;

namespace salida {

// Control ids of the window.
inline constexpr int kIdLineaPagina = 1061;
inline constexpr int kIdLineaDocumento = 1062;
inline constexpr int kIdBitmapImpresora = 1078;

// Lets every waiting window message through (nothing when already doing so); it never ends a loop: a request to
// end one is left for that loop.
void BombearMensajes();

class CDlgImprimiendo : public wxDialog, public IProgresoImpresion {
 public:
  // Made and shown at once, centred over the main window.
  explicit CDlgImprimiendo(wxWindow* padre);

  void MostrarDocumento(std::string_view texto) override;
  void MostrarPagina(std::string_view texto) override;
  // Cancel: the run is asked to stop (ImpresionCancelada) and the window closes.
  void OnCancel();

 private:
  wxStaticText* m_pDocumento = nullptr;
  wxStaticText* m_pPagina = nullptr;
};

}  // namespace salida
