// The message window under Xvfb: where its buttons go, what a screenshot shows, and the answers of its buttons,
// Esc and the close box.
#include "framework/DlgMensajeVentana.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/stattext.h>

#include <cstdlib>

#include "PruebasWx.h"
#include "framework/BotonBmp.h"
#include "framework/DlgMensaje.h"

namespace marco {
namespace {

SMensaje MensajeDosBotones() {
  SMensaje m;
  m.codigo = "DOS";
  m.icono = IconoPregunta;
  m.titulo = "PREGUNTA";
  m.texto = "\xBF" "Desea guardar los cambios de la declaraci\xF3n antes de salir?";
  m.botones = kFlagCancelar | kFlagAceptar;
  return m;
}

void Esperar(wxWindow* ventana) {
  for (int i = 0; i < 20; ++i) {
    ventana->Update();
    wxTheApp->Yield(true);
    wxMilliSleep(10);
  }
}

// What the screen shows of the window's client area.
wxImage Captura(wxWindow* ventana) {
  const wxSize tam = ventana->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  wxMemoryDC memoria(bitmap);
  wxScreenDC pantalla;
  const wxPoint origen = ventana->ClientToScreen(wxPoint(0, 0));
  memoria.Blit(0, 0, tam.x, tam.y, &pantalla, origen.x, origen.y);
  memoria.SelectObject(wxNullBitmap);
  return bitmap.ConvertToImage();
}

bool Igual(const wxImage& img, int x, int y, const wxColour& c) {
  return img.GetRed(x, y) == c.Red() && img.GetGreen(x, y) == c.Green() && img.GetBlue(x, y) == c.Blue();
}

TEST(VentanaMensaje, DosBotonesCentradosEnLaCaptura) {
  REQUIERE_PANTALLA();
  auto* ventana = new CVentanaMensaje(nullptr, MensajeDosBotones());
  ventana->Move(40, 40);
  ventana->Show();
  Esperar(ventana);

  const SColocacionBotones& c = ventana->Colocacion();
  ASSERT_EQ(c.botones.size(), 2u);
  EXPECT_EQ(c.botones[0].control, kBotonAceptar);  // table order, whatever order the words came in
  EXPECT_EQ(c.botones[1].control, kBotonCancelar);
  EXPECT_EQ(ventana->GetClientSize().x, c.anchoCliente);
  for (const auto& b : c.botones) {
    const wxRect r = ventana->Boton(b.control)->GetRect();
    EXPECT_EQ(r, wxRect(b.rect.x, b.rect.y, b.rect.ancho, b.rect.alto));
    EXPECT_TRUE(ventana->Boton(b.control)->IsShown());
  }
  for (int otro : {kBotonContinuar, kBotonCorregir, kBotonConfirmar, kBotonBorrar}) {
    EXPECT_FALSE(ventana->Boton(otro)->IsShown()) << otro;
  }
  const SRectBoton& primero = c.botones.front().rect;
  const SRectBoton& ultimo = c.botones.back().rect;
  EXPECT_EQ(ultimo.x - primero.x, primero.ancho + 10);
  const int izquierda = primero.x;
  const int derecha = c.anchoCliente - (ultimo.x + ultimo.ancho);
  EXPECT_LE(std::abs(izquierda - derecha), 1);
  EXPECT_EQ(ventana->GetTitle(), "PREGUNTA");
  EXPECT_EQ(primero.y, ventana->Plantilla().arribaBotones - ventana->Ajuste().encogimiento);

  // The screenshot: along the middle of the row, the first column that is not background is the first button's
  // left edge and the last one the second button's right edge; the gap between them is background.
  const wxImage captura = Captura(ventana);
  ASSERT_TRUE(captura.IsOk());
  const int y = primero.y + primero.alto / 2;
  const wxColour fondo(captura.GetRed(1, y), captura.GetGreen(1, y), captura.GetBlue(1, y));
  int primeraColumna = -1;
  int ultimaColumna = -1;
  for (int x = 0; x < captura.GetWidth(); ++x) {
    if (!Igual(captura, x, y, fondo)) {
      if (primeraColumna < 0) primeraColumna = x;
      ultimaColumna = x;
    }
  }
  EXPECT_EQ(primeraColumna, primero.x);
  EXPECT_EQ(ultimaColumna, ultimo.x + ultimo.ancho - 1);
  for (int x = primero.x + primero.ancho; x < ultimo.x; ++x) EXPECT_TRUE(Igual(captura, x, y, fondo)) << x;
  if (::testing::Test::HasFailure()) {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    captura.SaveFile(wxString(::testing::TempDir()) + "mensaje-dos-botones.png", wxBITMAP_TYPE_PNG);
  }

  ventana->Destroy();
  wxTheApp->Yield(true);
}

TEST(VentanaMensaje, TextoLargoEnVariasLineas) {
  REQUIERE_PANTALLA();
  SMensaje m = MensajeDosBotones();
  m.texto = std::string(400, 'x');
  m.botones = kFlagAceptar;
  CVentanaMensaje ventana(nullptr, m);
  EXPECT_GT(ventana.Ajuste().lineas, 1);
  EXPECT_LT(ventana.Ajuste().encogimiento, 64 - 2 * 10);
  const wxRect boton = ventana.Boton(kBotonAceptar)->GetRect();
  EXPECT_GE(boton.y, ventana.FindWindow(1002)->GetRect().GetBottom());
  EXPECT_LE(std::abs(boton.x - (ventana.GetClientSize().x - boton.GetRight() - 1)), 1);
}

// Runs the message through the program's answerer and presses a key or a button once it is up.
int Responder(const SMensaje& mensaje, std::function<void(CVentanaMensaje&)> accion) {
  wxTheApp->CallAfter([accion] {
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* v = dynamic_cast<CVentanaMensaje*>(w); v != nullptr && v->IsModal()) accion(*v);
    }
  });
  return ContestadorVentana().Contestar(mensaje);
}

TEST(VentanaMensaje, RespuestasDeBotonesEscYCierre) {
  REQUIERE_PANTALLA();
  SMensaje m = MensajeDosBotones();
  m.botones = kFlagContinuar | kFlagCorregir | kFlagCancelar;
  auto pulsar = [](int control) {
    return [control](CVentanaMensaje& v) {
      wxCommandEvent evento(wxEVT_BUTTON, control);
      evento.SetEventObject(v.Boton(control));
      v.Boton(control)->GetEventHandler()->ProcessEvent(evento);
    };
  };
  EXPECT_EQ(Responder(m, pulsar(kBotonContinuar)), kBotonContinuar);
  EXPECT_EQ(Responder(m, pulsar(kBotonCorregir)), kBotonCorregir);
  EXPECT_EQ(Responder(m, [](CVentanaMensaje& v) {
              wxKeyEvent tecla(wxEVT_CHAR_HOOK);
              tecla.m_keyCode = WXK_ESCAPE;
              v.GetEventHandler()->ProcessEvent(tecla);
            }),
            kBotonCancelar);
  EXPECT_EQ(Responder(m, [](CVentanaMensaje& v) { v.Close(); }), kBotonCancelar);
}

// The buttons show their mnemonic letter, and that letter presses them, with Alt or alone.
TEST(VentanaMensaje, LasLetrasDeLosBotonesLosPulsan) {
  REQUIERE_PANTALLA();
  SMensaje m = MensajeDosBotones();
  m.botones = kFlagAceptar | kFlagContinuar | kFlagCorregir | kFlagConfirmar | kFlagCancelar;
  {
    CVentanaMensaje ventana(nullptr, m);
    const struct {
      int control;
      const char* rotulo;
    } rotulos[] = {{kBotonAceptar, "&Aceptar"},     {kBotonCancelar, "&Cancelar"},   {kBotonContinuar, "Con&tinuar"},
                   {kBotonCorregir, "C&orregir"},   {kBotonConfirmar, "Con&firmar"}};
    for (const auto& r : rotulos) EXPECT_EQ(ventana.Boton(r.control)->GetLabel(), r.rotulo) << r.control;
  }
  const struct {
    int tecla;
    bool alt;
    int respuesta;
  } casos[] = {
      {'T', true, kBotonContinuar}, {'O', true, kBotonCorregir}, {'t', false, kBotonContinuar},
      {'O', false, kBotonCorregir}, {'F', true, kBotonConfirmar}, {'A', false, kBotonAceptar},
      {'C', true, kBotonCancelar},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(Responder(m,
                        [&c](CVentanaMensaje& v) {
                          wxKeyEvent tecla(wxEVT_CHAR_HOOK);
                          tecla.m_keyCode = c.tecla;
                          tecla.m_altDown = c.alt;
                          tecla.SetEventObject(&v);
                          v.GetEventHandler()->ProcessEvent(tecla);
                          // A letter that names no button leaves the message up: close it as Esc does.
                          if (v.IsModal()) v.EndModal(-2);
                        }),
              c.respuesta)
        << static_cast<char>(c.tecla) << (c.alt ? " with Alt" : "");
  }
}

TEST(VentanaMensaje, MostrarMensajeConLaVentana) {
  REQUIERE_PANTALLA();
  wxTheApp->CallAfter([] {
    for (wxWindow* w : wxTopLevelWindows) {
      if (auto* v = dynamic_cast<CVentanaMensaje*>(w); v != nullptr && v->IsModal()) {
        EXPECT_TRUE(HayMensajeEnPantalla());
        EXPECT_EQ(CDlgMensaje().MostrarMensaje("OTRO", IconoMano), -1);
        auto* texto = dynamic_cast<wxStaticText*>(v->FindWindow(1002));
        EXPECT_NE(texto, nullptr);
        if (texto != nullptr) {
          EXPECT_EQ(texto->GetLabelText(), wxString::FromUTF8("Dato: NIF — revíselo"));
        }
        wxCommandEvent evento(wxEVT_BUTTON, kBotonAceptar);
        v->GetEventHandler()->ProcessEvent(evento);
      }
    }
  });
  EXPECT_EQ(CDlgMensaje().MostrarMensaje("", IconoAsterisco, "Dato: NIF \x97 rev\xEDselo"), kBotonAceptar);
  EXPECT_FALSE(HayMensajeEnPantalla());
}

}  // namespace
}  // namespace marco
