#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>

#include "PruebasWx.h"

TEST(Ventana, CreaYDestruyeUnMarco) {
  REQUIERE_PANTALLA();
  auto* marco = new wxFrame(nullptr, wxID_ANY, "prueba");  // a top-level window deletes itself on Destroy
  marco->Show();
  EXPECT_TRUE(marco->IsShown());
  EXPECT_TRUE(marco->Destroy());
  wxTheApp->ProcessIdle();
}
