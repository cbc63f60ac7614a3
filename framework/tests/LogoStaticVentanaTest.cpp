// The animated logo as a window (under Xvfb): timer events drive the run, the off-screen image is sampled after a
// number of ticks, and damaged or missing pictures are shown as text without a fault.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/panel.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "framework/BotonImagenes.h"
#include "framework/LogoStatic.h"

namespace marco {
namespace {

struct SRgb {
  int r = 0, g = 0, b = 0;
  bool operator==(const SRgb&) const = default;
};

void PrintTo(const SRgb& c, std::ostream* os) { *os << "(" << c.r << ", " << c.g << ", " << c.b << ")"; }

SRgb Pixel(const wxImage& imagen, int x, int y) {
  return {imagen.GetRed(x, y), imagen.GetGreen(x, y), imagen.GetBlue(x, y)};
}

class CCarpetaTemporal {
 public:
  CCarpetaTemporal() : m_ruta(std::filesystem::temp_directory_path() / ("logo-" + std::to_string(::getpid()))) {
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

class LogoVentana : public testing::Test {
 protected:
  void SetUp() override {
    if (!pruebas::HayPantalla()) return;
    m_pMarco = new wxFrame(nullptr, wxID_ANY, "logo", wxDefaultPosition, wxSize(300, 200));
    m_pPanel = new wxPanel(m_pMarco);
    m_pLogo = new CLogoStatic(m_pPanel, wxID_ANY, wxPoint(0, 0), wxSize(120, 80));
    // A long interval: only the ticks a test sends arrive.
    m_pLogo->PonerModo(0, 600000);
    m_pMarco->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (m_pMarco != nullptr) m_pMarco->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
  }

  void Tics(int n, int id = static_cast<int>(kIdTemporizadorLogo)) {
    wxTimer temporizador(m_pLogo, id);
    for (int i = 0; i < n; ++i) {
      wxTimerEvent evento(temporizador);
      m_pLogo->ProcessWindowEvent(evento);
    }
  }
  wxImage Imagen() const { return m_pLogo->Imagen().ConvertToImage(); }
  // What a paint puts on the screen.
  wxImage Pintado() const {
    wxBitmap bitmap(120, 80, 24);
    {
      wxMemoryDC dc(bitmap);
      m_pLogo->DibujarEn(dc);
    }
    return bitmap.ConvertToImage();
  }

  wxFrame* m_pMarco = nullptr;
  wxPanel* m_pPanel = nullptr;
  CLogoStatic* m_pLogo = nullptr;
};

TEST_F(LogoVentana, ElEmblemaDelProgramaEntraDesdeAbajoPixelAPixel) {
  REQUIERE_PANTALLA();
  const wxImage emblema = CargarDibujoLogo(CImagenesBoton::DelPrograma().Carpeta(), "logo-korvelix");
  ASSERT_TRUE(emblema.IsOk());
  ASSERT_EQ(emblema.GetWidth(), 64);
  ASSERT_EQ(emblema.GetHeight(), 48);

  m_pLogo->PonerTexto("logo-korvelix^", '|');
  ASSERT_EQ(m_pLogo->IniciarAnimacion(), 1);
  ASSERT_EQ(m_pLogo->GetClientSize(), wxSize(120, 80));
  Tics(3, 151);  // another timer: not the animation's
  EXPECT_FALSE(m_pLogo->Imagen().IsOk());

  Tics(15 + 23);  // the picture's top 24 rows are in, at the bottom, centred: left 60 - 32
  EXPECT_TRUE(m_pLogo->Reglas().DibujoActivo());
  wxImage imagen = Imagen();
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{20, 0}, {20, 10}, {45, 20}, {5, 23}})
    EXPECT_EQ(Pixel(imagen, 28 + x, 80 - 24 + y), Pixel(emblema, x, y)) << x << "," << y;
  EXPECT_EQ(Pixel(imagen, 60, 40), (SRgb{0, 0, 0}));  // above it, still the background

  Tics(24);  // the whole picture
  EXPECT_FALSE(m_pLogo->Reglas().DibujoActivo());
  imagen = Imagen();
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{20, 30}, {46, 36}, {42, 8}, {20, 18}, {46, 44}})
    EXPECT_EQ(Pixel(imagen, 28 + x, 32 + y), Pixel(emblema, x, y)) << x << "," << y;
  EXPECT_EQ(Pixel(imagen, 28 + 46, 32 + 44), (SRgb{0xd0, 0x20, 0x20}));  // the seal

  // Painting copies the image as it is.
  const wxImage pintado = Pintado();
  EXPECT_EQ(Pixel(pintado, 74, 68), Pixel(imagen, 74, 68));
  EXPECT_EQ(Pixel(pintado, 48, 62), Pixel(imagen, 48, 62));

  // One more tick moves everything up one row.
  Tics(1);
  EXPECT_EQ(Pixel(Imagen(), 74, 75), (SRgb{0xd0, 0x20, 0x20}));
}

TEST_F(LogoVentana, UnaLineaGrandeSeDibujaEnAmarilloAbajo) {
  REQUIERE_PANTALLA();
  m_pLogo->PonerTexto("WWWW\n", '|');
  ASSERT_EQ(m_pLogo->IniciarAnimacion(), 1);
  Tics(15 + 18);
  const wxImage imagen = Imagen();
  ASSERT_EQ(imagen.GetWidth(), 120);
  int amarillos = 0;
  int otros = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) {
      const SRgb c = Pixel(imagen, x, y);
      if (c.r > 128 && c.g > 128 && c.b < 80) {
        ++amarillos;
        if (y < 80 - 19) ++otros;
      } else if (c.r + c.g + c.b > 0 && y < 80 - 19) {
        ++otros;
      }
    }
  }
  EXPECT_GT(amarillos, 20);
  EXPECT_EQ(otros, 0);  // nothing above the line's 19 rows
  EXPECT_GT(m_pLogo->Reglas().AnchoColumna(), 0);
  EXPECT_LE(m_pLogo->Reglas().AnchoColumna(), 120);
}

TEST_F(LogoVentana, UnDibujoDanadoOAusenteSeMuestraComoTexto) {
  REQUIERE_PANTALLA();
  CCarpetaTemporal carpeta;
  {
    std::ofstream roto(carpeta.Ruta() / "logo-roto.png", std::ios::binary);
    roto << "\x89PNG\r\n\x1a\n esto no es un dibujo";
  }
  {
    // A real picture cut short.
    std::ifstream entero(CImagenesBoton::DelPrograma().Carpeta() / "logo-korvelix.png", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(entero)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 80u);
    std::ofstream cortado(carpeta.Ruta() / "logo-cortado.png", std::ios::binary);
    cortado << bytes.substr(0, bytes.size() / 2);
  }
  std::filesystem::create_directories(carpeta.Ruta() / "logo-carpeta.png");
  for (const char* nombre : {"logo-roto", "logo-cortado", "logo-carpeta", "logo-nada", "../botones/logo-korvelix"})
    EXPECT_FALSE(CargarDibujoLogo(carpeta.Ruta(), nombre).IsOk()) << nombre;

  m_pLogo->PonerCarpetaDibujos(carpeta.Ruta());
  m_pLogo->SetForegroundColour(*wxWHITE);
  m_pLogo->PonerTexto("logo-roto^|logo-cortado^|logo-nada^", '|');
  ASSERT_EQ(m_pLogo->IniciarAnimacion(), 1);
  Tics(15 + 14);
  EXPECT_EQ(m_pLogo->Reglas().LineaActual(), "logo-roto^");
  EXPECT_FALSE(m_pLogo->Reglas().DibujoActivo());
  const wxImage imagen = Imagen();
  int claros = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 120; ++x)
      if (Pixel(imagen, x, y).g > 128) ++claros;
  EXPECT_GT(claros, 10);  // the line's own text, in the control's text colour
  Tics(100);              // the other two lines and round again: no fault
  EXPECT_FALSE(m_pLogo->Reglas().PrimeraPasada());

  // The still picture shows them as text as well.
  CLogoStatic* quieto = new CLogoStatic(m_pPanel, wxID_ANY, wxPoint(130, 0), wxSize(120, 80));
  quieto->PonerCarpetaDibujos(carpeta.Ruta());
  quieto->PonerTexto("logo-roto^", '|');
  wxBitmap bitmap(120, 80, 24);
  {
    wxMemoryDC dc(bitmap);
    quieto->DibujarEn(dc);
  }
  EXPECT_TRUE(quieto->Imagen().IsOk());
}

TEST_F(LogoVentana, ElGrisClaroDeLosDibujosEsTransparenteConLaOpcion) {
  REQUIERE_PANTALLA();
  CCarpetaTemporal carpeta;
  wxImage dibujo(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      if (x < 5)
        dibujo.SetRGB(x, y, 192, 192, 192);
      else
        dibujo.SetRGB(x, y, 200, 0, 0);
    }
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  ASSERT_TRUE(dibujo.SaveFile((carpeta.Ruta() / "logo-gris.png").string(), wxBITMAP_TYPE_PNG));

  m_pLogo->PonerCarpetaDibujos(carpeta.Ruta());
  ASSERT_TRUE(m_pLogo->PonerColor(0, 0xFF0000));  // blue background (0x00BBGGRR)
  m_pLogo->PonerTexto("logo-gris^", '|');
  m_pLogo->PonerOpcion(1);
  ASSERT_EQ(m_pLogo->IniciarAnimacion(), 1);
  Tics(15 + 9);
  wxImage imagen = Imagen();
  EXPECT_EQ(Pixel(imagen, 56, 75), (SRgb{0, 0, 255}));  // the grey half lets the background through
  EXPECT_EQ(Pixel(imagen, 62, 75), (SRgb{200, 0, 0}));

  m_pLogo->PonerOpcion(0);
  ASSERT_EQ(m_pLogo->IniciarAnimacion(), 1);
  Tics(15 + 9);
  imagen = Imagen();
  EXPECT_EQ(Pixel(imagen, 56, 75), (SRgb{192, 192, 192}));
  EXPECT_EQ(Pixel(imagen, 62, 75), (SRgb{200, 0, 0}));
}

TEST_F(LogoVentana, SinAnimacionSePintaElTextoEntero) {
  REQUIERE_PANTALLA();
  EXPECT_EQ(m_pLogo->IniciarAnimacion(), 0);  // no lines
  EXPECT_EQ(Pixel(Pintado(), 60, 40), (SRgb{0, 0, 0}));

  m_pLogo->PonerTexto("logo-korvelix^|Korvelix\n", '|');
  const wxImage pintado = Pintado();
  // The emblem at the top, centred across the client; the text under it.
  EXPECT_EQ(Pixel(pintado, 28 + 46, 44), (SRgb{0xd0, 0x20, 0x20}));
  EXPECT_EQ(Pixel(pintado, 28 + 20, 30), (SRgb{255, 255, 255}));
  int amarillos = 0;
  for (int y = 48; y < 80; ++y)
    for (int x = 0; x < 120; ++x) {
      const SRgb c = Pixel(pintado, x, y);
      if (c.r > 128 && c.g > 128 && c.b < 80) ++amarillos;
    }
  EXPECT_GT(amarillos, 10);

  // A change of size makes a new image at the next paint.
  m_pLogo->SetSize(100, 50);
  wxBitmap bitmap(100, 50, 24);
  {
    wxMemoryDC dc(bitmap);
    m_pLogo->DibujarEn(dc);
  }
  EXPECT_EQ(m_pLogo->Imagen().GetSize(), wxSize(100, 50));
}

}  // namespace
}  // namespace marco
