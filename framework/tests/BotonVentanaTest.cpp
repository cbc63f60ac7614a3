// The owner-drawn buttons as windows (under Xvfb): sizes, clicks, the program's pictures and what a paint puts on
// the screen.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>
#include <wx/settings.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "PruebasWx.h"
#include "framework/BotonBmp.h"
#include "framework/BotonCJ.h"
#include "framework/BotonImagenes.h"
#include "framework/BotonMapa.h"
#include "framework/BotonRedondo.h"

namespace marco {
namespace {

class BotonVentana : public testing::Test {
 protected:
  void SetUp() override {
    if (!pruebas::HayPantalla()) return;
    m_pMarco = new wxFrame(nullptr, wxID_ANY, "botones", wxDefaultPosition, wxSize(400, 300));
    m_pPanel = new wxPanel(m_pMarco);
    m_pPanel->Bind(wxEVT_BUTTON, [this](wxCommandEvent& evento) { m_pulsados.push_back(evento.GetId()); });
    m_pMarco->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (m_pMarco != nullptr) m_pMarco->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
  }

  static void Raton(wxWindow* ventana, wxEventType tipo, int x, int y, bool izquierdo) {
    wxMouseEvent evento(tipo);
    evento.SetPosition(wxPoint(x, y));
    evento.SetLeftDown(izquierdo);
    evento.SetEventObject(ventana);
    evento.SetId(ventana->GetId());
    ventana->GetEventHandler()->ProcessEvent(evento);
  }
  static void Clic(wxWindow* ventana, int x, int y) {
    Raton(ventana, wxEVT_LEFT_DOWN, x, y, true);
    Raton(ventana, wxEVT_LEFT_UP, x, y, false);
  }

  // What the button paints, as an image of its client size.
  static wxImage Pintar(CBotonDibujado* boton) {
    const wxSize tam = boton->GetClientSize();
    wxBitmap bitmap(tam.x, tam.y, 24);
    {
      wxMemoryDC dc(bitmap);
      dc.SetBackground(*wxWHITE_BRUSH);
      dc.Clear();
      boton->DibujarEn(dc);
    }
    return bitmap.ConvertToImage();
  }
  static SColorBoton Pixel(const wxImage& imagen, int x, int y) {
    return {imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y)};
  }

  wxFrame* m_pMarco = nullptr;
  wxPanel* m_pPanel = nullptr;
  std::vector<int> m_pulsados;
};

// A folder of pictures for one test, removed afterwards.
class CCarpetaTemporal {
 public:
  CCarpetaTemporal() : m_ruta(std::filesystem::temp_directory_path() / ("botones-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(m_ruta);
  }
  ~CCarpetaTemporal() {
    std::error_code error;
    std::filesystem::remove_all(m_ruta, error);
  }
  const std::filesystem::path& Ruta() const { return m_ruta; }

 private:
  std::filesystem::path m_ruta;
};

TEST_F(BotonVentana, RedondoEnSesentaPorCuarentaEsCuarentaPorCuarentaDeRadioDiecinueve) {
  REQUIERE_PANTALLA();
  auto* boton = new CBotonRedondo(m_pPanel, 501, "7", wxPoint(10, 10), wxSize(60, 40));
  EXPECT_EQ(boton->GetSize(), wxSize(40, 40));
  EXPECT_EQ(boton->GetPosition(), wxPoint(10, 10));
  EXPECT_EQ(boton->Radio(), 19);
  EXPECT_EQ(boton->Geometria().CentroX(), 20);
  EXPECT_EQ(boton->Geometria().CentroY(), 20);
}

TEST_F(BotonVentana, RedondoIgnoraUnClicFueraDelCirculo) {
  REQUIERE_PANTALLA();
  auto* boton = new CBotonRedondo(m_pPanel, 502, "8", wxPoint(10, 10), wxSize(60, 40));
  Clic(boton, 2, 2);    // a corner of the square, outside the circle
  Clic(boton, 38, 37);  // the opposite corner
  EXPECT_FALSE(boton->Pulsado());
  EXPECT_TRUE(m_pulsados.empty());
  Clic(boton, 20, 20);
  Clic(boton, 1, 20);  // the left edge of the circle
  EXPECT_EQ(m_pulsados, (std::vector<int>{502, 502}));
  // Pressed inside and let go outside the circle: no click.
  Raton(boton, wxEVT_LEFT_DOWN, 20, 20, true);
  EXPECT_TRUE(boton->Pulsado());
  Raton(boton, wxEVT_MOTION, 3, 3, true);
  EXPECT_FALSE(boton->Pulsado());
  Raton(boton, wxEVT_LEFT_UP, 3, 3, false);
  EXPECT_EQ(m_pulsados.size(), 2u);
}

TEST_F(BotonVentana, RedondoPintaLaCaraDentroYElFondoDelPadreFuera) {
  REQUIERE_PANTALLA();
  auto* boton = new CBotonRedondo(m_pPanel, 503, "", wxPoint(10, 10), wxSize(60, 40));
  const SColoresSistema sistema = ColoresDelSistema();
  const wxImage imagen = Pintar(boton);
  ASSERT_EQ(imagen.GetWidth(), 40);
  EXPECT_EQ(Pixel(imagen, 0, 0), ColorBoton(m_pPanel->GetBackgroundColour()));
  EXPECT_EQ(Pixel(imagen, 39, 39), ColorBoton(m_pPanel->GetBackgroundColour()));
  EXPECT_EQ(Pixel(imagen, 20, 20), sistema.cara);
  // The outer ring at the top of the circle, shaded from highlight to dark shadow.
  EXPECT_EQ(Pixel(imagen, 20, 1), ColorSombreado(0, -19, sistema.luz, sistema.sombraOscura));
  EXPECT_EQ(Pixel(imagen, 39, 20), ColorSombreado(19, 0, sistema.luz, sistema.sombraOscura));
  // Pressed, the shading turns round.
  Raton(boton, wxEVT_LEFT_DOWN, 20, 20, true);
  const wxImage pulsado = Pintar(boton);
  EXPECT_EQ(Pixel(pulsado, 20, 1), ColorSombreado(0, -19, sistema.sombraOscura, sistema.luz));
  Raton(boton, wxEVT_LEFT_UP, 20, 20, false);
}

TEST_F(BotonVentana, BotonBmpPlanoSeLevantaBajoElRaton) {
  REQUIERE_PANTALLA();
  auto* boton = new CBotonBmp(m_pPanel, wxID_OK, "&Aceptar", wxPoint(10, 10), wxSize(100, 40));
  ASSERT_TRUE(boton->CargarImagen(141, 0, 32, 32));
  const SColoresSistema sistema = ColoresDelSistema();

  const wxImage quieto = Pintar(boton);
  EXPECT_EQ(Pixel(quieto, 0, 0), sistema.cara);  // flat: no border while the pointer is away
  EXPECT_EQ(Pixel(quieto, 99, 39), sistema.cara);
  // The tick of the icon, 3 pixels from the left and centred: green.
  const SColorBoton tic = Pixel(quieto, 3 + 13, 4 + 23);
  EXPECT_GT(tic.g, tic.r + 40);

  Raton(boton, wxEVT_MOTION, 50, 20, false);
  EXPECT_TRUE(boton->Reglas().RatonEncima());
  const wxImage encima = Pintar(boton);
  EXPECT_EQ(Pixel(encima, 0, 0), sistema.luz);
  EXPECT_EQ(Pixel(encima, 50, 0), sistema.luz);
  EXPECT_EQ(Pixel(encima, 99, 39), sistema.sombra);
  EXPECT_EQ(Pixel(encima, 50, 39), sistema.sombra);

  Raton(boton, wxEVT_LEAVE_WINDOW, 150, 20, false);
  EXPECT_FALSE(boton->Reglas().RatonEncima());
  EXPECT_EQ(Pixel(Pintar(boton), 0, 0), sistema.cara);

  // Own colours replace the system's until they are reset.
  boton->PonerColorFondoFuera(wxColour(10, 200, 30));
  EXPECT_EQ(Pixel(Pintar(boton), 60, 2), (SColorBoton{10, 200, 30}));
  boton->PonerColoresSistema();
  EXPECT_EQ(Pixel(Pintar(boton), 60, 2), sistema.cara);
}

TEST_F(BotonVentana, BotonBmpNormalLlevaElRealceDeDosPixeles) {
  REQUIERE_PANTALLA();
  auto* boton = new CBotonBmp(m_pPanel, wxID_CANCEL, "&Cancelar", wxPoint(10, 10), wxSize(100, 40));
  boton->CambiarEstado(false);
  const SColoresSistema sistema = ColoresDelSistema();
  const wxImage imagen = Pintar(boton);
  EXPECT_EQ(Pixel(imagen, 50, 0), sistema.luz);
  EXPECT_EQ(Pixel(imagen, 50, 1), sistema.claro);
  EXPECT_EQ(Pixel(imagen, 50, 39), sistema.sombraOscura);
  EXPECT_EQ(Pixel(imagen, 50, 38), sistema.sombra);
}

TEST_F(BotonVentana, BotonBmpAvisaConElRatonYConLaBarraEspaciadoraSoloActivado) {
  REQUIERE_PANTALLA();
  auto* boton = new CBotonBmp(m_pPanel, 1007, "C&onsultar", wxPoint(10, 10), wxSize(100, 40));
  Clic(boton, 50, 20);
  wxKeyEvent abajo(wxEVT_KEY_DOWN);
  abajo.m_keyCode = WXK_SPACE;
  wxKeyEvent arriba(wxEVT_KEY_UP);
  arriba.m_keyCode = WXK_SPACE;
  boton->GetEventHandler()->ProcessEvent(abajo);
  EXPECT_TRUE(boton->Pulsado());
  boton->GetEventHandler()->ProcessEvent(arriba);
  EXPECT_EQ(m_pulsados, (std::vector<int>{1007, 1007}));

  boton->Disable();
  Clic(boton, 50, 20);
  boton->GetEventHandler()->ProcessEvent(abajo);
  boton->GetEventHandler()->ProcessEvent(arriba);
  EXPECT_EQ(m_pulsados.size(), 2u);
}

TEST_F(BotonVentana, BotonBmpConIconoQueNoCargaSeQuedaComoEstaba) {
  REQUIERE_PANTALLA();
  CCarpetaTemporal carpeta;
  const CImagenesBoton imagenes(carpeta.Ruta());
  {
    std::ofstream roto(imagenes.Ruta(ETipoImagenBoton::Icono, 700), std::ios::binary);
    roto << "\x89PNG\r\n\x1a\n not really a picture";
  }
  auto* boton = new CBotonBmp(m_pPanel, 3, "&Buscar", wxPoint(10, 10), wxSize(100, 40));
  EXPECT_FALSE(boton->CargarImagen(imagenes, 700, 0, 32, 32));  // damaged file
  EXPECT_FALSE(boton->CargarImagen(imagenes, 701, 0, 32, 32));  // missing file
  EXPECT_EQ(boton->Reglas().AnchoIcono(), 0);

  ASSERT_TRUE(boton->CargarImagen(145, 0, 32, 32));
  EXPECT_FALSE(boton->CargarImagen(145, 9999, 32, 32));  // icon 2 missing: nothing changes
  EXPECT_EQ(boton->Reglas().AnchoIcono(), 32);
  EXPECT_FALSE(CImagenesBoton::DelPrograma().Cargar(ETipoImagenBoton::Bitmap, 141).IsOk());  // icons and bitmaps apart
}

TEST_F(BotonVentana, ElProgramaTieneTodasSusImagenesDeBotones) {
  REQUIERE_PANTALLA();
  const CImagenesBoton& imagenes = CImagenesBoton::DelPrograma();
  for (int id : {141, 142, 145, 146, 149, 150, 158, 185, 186, 190, 214}) {
    const wxImage icono = imagenes.Cargar(ETipoImagenBoton::Icono, id);
    ASSERT_TRUE(icono.IsOk()) << imagenes.Ruta(ETipoImagenBoton::Icono, id);
    EXPECT_EQ(icono.GetSize(), wxSize(32, 32)) << id;
    EXPECT_TRUE(icono.HasAlpha()) << id;
    EXPECT_EQ(icono.GetAlpha(0, 0), wxALPHA_TRANSPARENT) << id;
  }
  for (int id : {316, 319, 320, 322, 323, 324, 325}) {
    const wxImage tira = imagenes.Cargar(ETipoImagenBoton::Bitmap, id);
    ASSERT_TRUE(tira.IsOk()) << imagenes.Ruta(ETipoImagenBoton::Bitmap, id);
    EXPECT_EQ(tira.GetSize(), wxSize(96, 22)) << id;
    // Drawn in the button greys: the background is the face grey, so it takes the user's face colour.
    EXPECT_EQ(Pixel(tira, 0, 0), (SColorBoton{192, 192, 192})) << id;
  }
}

TEST_F(BotonVentana, MapaCortaCuatroImagenesEnLosColoresDelSistema) {
  REQUIERE_PANTALLA();
  wxImage bitmap(8, 2);
  const unsigned char colores[8][3] = {{192, 192, 192}, {0, 0, 0},     {128, 128, 128}, {255, 255, 255},
                                       {255, 0, 0},     {192, 192, 192}, {1, 2, 3},     {0, 0, 0}};
  for (int x = 0; x < 8; ++x)
    for (int y = 0; y < 2; ++y) bitmap.SetRGB(x, y, colores[x][0], colores[x][1], colores[x][2]);
  SColoresSistema sistema;
  sistema.cara = {11, 12, 13};
  sistema.texto = {21, 22, 23};
  sistema.sombra = {31, 32, 33};
  sistema.luz = {41, 42, 43};
  std::array<wxBitmap, kImagenesMapa> imagenes;
  ASSERT_TRUE(CortarImagenesMapa(bitmap, sistema, imagenes));
  const SColorBoton esperados[8] = {sistema.cara, sistema.texto, sistema.sombra, sistema.luz,
                                    {255, 0, 0}, sistema.cara, {1, 2, 3},      sistema.texto};
  for (int i = 0; i < 4; ++i) {
    const wxImage imagen = imagenes[static_cast<std::size_t>(i)].ConvertToImage();
    ASSERT_EQ(imagen.GetSize(), wxSize(2, 2));
    EXPECT_EQ(Pixel(imagen, 0, 1), esperados[2 * i]) << i;
    EXPECT_EQ(Pixel(imagen, 1, 0), esperados[2 * i + 1]) << i;
  }
  std::array<wxBitmap, kImagenesMapa> sinTocar;
  EXPECT_FALSE(CortarImagenesMapa(wxImage(3, 5), sistema, sinTocar));
  EXPECT_FALSE(sinTocar[0].IsOk());
}

TEST_F(BotonVentana, MapaOcupaElLugarDelBotonDelPadre) {
  REQUIERE_PANTALLA();
  auto* anterior = new wxButton(m_pPanel, 1116, "&Imprimir", wxPoint(30, 40), wxSize(80, 30));
  auto* boton = new CMappedBitmapButton();
  ASSERT_TRUE(boton->Crear(1116, m_pPanel, 323));
  EXPECT_EQ(m_pPanel->FindWindow(1116), boton);
  EXPECT_EQ(boton->GetPosition(), wxPoint(30, 40));
  EXPECT_EQ(boton->GetSize(), wxSize(24, 22));
  EXPECT_EQ(boton->Imagenes(), 4);
  EXPECT_EQ(boton->IdBitmap(), 323);
  (void)anterior;  // destroyed by the take-over
  wxTheApp->ProcessIdle();

  const SColoresSistema sistema = ColoresDelSistema();
  EXPECT_EQ(Pixel(Pintar(boton), 0, 0), sistema.cara);  // the face grey of the picture, in the user's colour
  Clic(boton, 10, 10);
  EXPECT_EQ(m_pulsados, (std::vector<int>{1116}));

  // No such child, or a bitmap that does not load: nothing changes.
  auto* otro = new wxButton(m_pPanel, 1117, "+", wxPoint(60, 40));
  CMappedBitmapButton sinHijo;
  EXPECT_FALSE(sinHijo.Crear(1199, m_pPanel, 316));
  CMappedBitmapButton sinBitmap;
  EXPECT_FALSE(sinBitmap.Crear(1117, m_pPanel, 9999));
  EXPECT_EQ(m_pPanel->FindWindow(1117), otro);
  EXPECT_FALSE(boton->CargarBitmaps(9999));
  EXPECT_EQ(boton->IdBitmap(), 323);
  EXPECT_TRUE(boton->CargarBitmaps(324));
  EXPECT_EQ(boton->IdBitmap(), 324);
}

TEST_F(BotonVentana, CJButtonPintaSuIconoEstiradoYElBordeInvisible) {
  REQUIERE_PANTALLA();
  auto* boton = new CCJButton(m_pPanel, 1200, wxPoint(10, 10), wxSize(40, 40));
  wxImage rojo(8, 8);
  rojo.SetRGB(wxRect(0, 0, 8, 8), 200, 0, 0);
  boton->PonerIcono(wxBitmap(rojo), 8, 8);
  const wxImage imagen = Pintar(boton);
  EXPECT_EQ(Pixel(imagen, 20, 20), (SColorBoton{200, 0, 0}));  // stretched over the whole button
  Clic(boton, 20, 20);
  EXPECT_EQ(m_pulsados, (std::vector<int>{1200}));
  EXPECT_FALSE(boton->Reglas().Pulsado());
}

}  // namespace
}  // namespace marco
