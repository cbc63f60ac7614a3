// The "go to page and box" request (the program's message 0x40B): the tree of sections and the list of findings
// post it to the main frame with the page number (1-based in the open declaration's page list; 100 the family
// data wizard; 0 the page shown now) and the box number on that page.
#pragma once

#include <wx/event.h>

#include "framework/ComandosDocumento.h"

namespace shell {

inline constexpr int kMensajeIrAApartado = 0x40B;
inline constexpr int kPaginaAsistenteFamilia = marco::kPaginaDatosPersonales;

// A command event whose id is kMensajeIrAApartado, its integer the page and its extra long the box; its string is
// kOrigenHallazgo when a finding of the findings list asks for it.
wxDECLARE_EVENT(EVT_IR_A_APARTADO, wxCommandEvent);
inline constexpr const char* kOrigenHallazgo = "hallazgo";

// Queues the request to `destino` (the main frame); it is handled when the program is idle again. A finding's
// request (`deHallazgo`) first shows the person the findings were written for (CProg32Doc::IrAHallazgo).
void PedirIrAApartado(wxEvtHandler* destino, int pagina, long casilla, bool deHallazgo = false);

}  // namespace shell
