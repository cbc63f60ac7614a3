#include "shell/IrAApartado.h"

namespace shell {

wxDEFINE_EVENT(EVT_IR_A_APARTADO, wxCommandEvent);

void PedirIrAApartado(wxEvtHandler* destino, int pagina, long casilla, bool deHallazgo) {
  if (destino == nullptr) return;
  auto* evento = new wxCommandEvent(EVT_IR_A_APARTADO, kMensajeIrAApartado);
  evento->SetInt(pagina);
  evento->SetExtraLong(casilla);
  if (deHallazgo) evento->SetString(kOrigenHallazgo);
  wxQueueEvent(destino, evento);  // the destination owns the event from here on
}

}  // namespace shell
