#include "output/ImpresionMarco.h"

namespace salida {

CPrintFrame::CPrintFrame(wxWindow* padre)
    : wxFrame(padre, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
              (wxDEFAULT_FRAME_STYLE | wxMINIMIZE | wxFRAME_NO_TASKBAR) & ~wxMAXIMIZE) {}

bool CPrintFrame::Show(bool mostrar) {
  if (mostrar) return false;
  return wxFrame::Show(false);
}

void CPrintFrame::Iconize(bool /*minimizar*/) {}

void CPrintFrame::Maximize(bool /*maximizar*/) {}

}  // namespace salida
