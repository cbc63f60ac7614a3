// The frame that holds a printing view for the length of one print run. It is never shown: the user sees only the
// print dialog, the progress window and the messages, and nothing can bring the frame on screen.
#pragma once

#include <wx/frame.h>

namespace salida {

class CPrintFrame : public wxFrame {
 public:
  explicit CPrintFrame(wxWindow* padre);

  // Showing the frame is refused (false); hiding it is allowed.
  bool Show(bool mostrar = true) override;
  // Restoring it from its minimised state is refused too.
  void Iconize(bool minimizar = true) override;
  void Maximize(bool maximizar = true) override;
};

}  // namespace salida
