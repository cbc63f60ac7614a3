// The page view under Xvfb: page 202 from the built tables, its picture and box frames where "ControlX" puts them
// at zoom 1 and 1.5, a click that puts the box's edit over it, a typed value stored in the bound value, and the
// box notifications routed to the page's operations.
#include "framework/Prog32View.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/ControlesPagina.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"

namespace fs = std::filesystem;

namespace pruebasvista {

using namespace marco;

// Page 202's boxes bound to a block of their own: five amounts per amount box, fifty characters per text box.
class CControles202 : public CControlesPagina {
 public:
  void Enlazar(int) override {
    importes.assign(static_cast<std::size_t>(NumeroCampos()), {});
    textos.assign(static_cast<std::size_t>(NumeroCampos()), std::string(50, ' '));
    for (int i = 0; i < NumeroCampos(); ++i) {
      CCampo* campo = Campo(i);
      campo->Dato = campo->Letra() == 'A' ? static_cast<void*>(textos[static_cast<std::size_t>(i)].data())
                                          : static_cast<void*>(importes[static_cast<std::size_t>(i)].data());
    }
  }
  std::vector<std::array<double, 5>> importes;
  std::vector<std::string> textos;
};

// The page view of page 202, as the page classes make theirs; it records the box events it receives.
class CVista202 : public CProg32View {
 public:
  int DameNumeroPagina() override { return 202; }
  int PrepararCampos() override {
    m_controles.PonerVista(this);
    m_controles.PonerDocumento(DameDocumento());
    return m_controles.Cargar(202, Geometria().escalaCampos, DameBaseDatosLocal());
  }
  CCampo* DameCampo(int i) override { return m_controles.Campo(i); }
  int NumeroCampos() override { return m_controles.NumeroCampos(); }
  void RecargarCoordenadas(double escala) override {
    m_controles.LeerCoordenadasPagina(202, escala, DameBaseDatosLocal());
  }
  void DibujarCampos(plataforma::CLienzo& lienzo, int x, int y) override {
    for (int i = 0; i < NumeroCampos(); ++i) {
      // The box's fill and text first, so that its frame stays on top.
      CCampo* campo = DameCampo(i);
      campo->ActualizarTexto();
      campo->Dibujar(lienzo, x, y, kDibujoPantalla);
      campo->DibujarMarco(i == DameCampoActivo() ? kMarcoResaltado : kMarcoSimple, lienzo, x, y);
    }
  }
  int CampoRecibeFoco(int n) override { return Anotar(kAvisoFocoGanado, n, 0); }
  int CampoPierdeFoco(int n) override { return Anotar(kAvisoFocoPerdido, n, 1); }
  int CampoActualizandose(int n) override { return Anotar(kAvisoTextoCambiara, n, 0); }
  int ComprobarCampo(int n) override {
    comprobados.push_back(n);
    return 1;
  }

  int Anotar(int codigo, int numero, int resultado) {
    avisos.emplace_back(codigo, numero);
    return resultado;
  }

  CControles202 m_controles;
  std::vector<std::pair<int, int>> avisos;
  std::vector<int> comprobados;
  wxDECLARE_DYNAMIC_CLASS(CVista202);
};
wxIMPLEMENT_DYNAMIC_CLASS(CVista202, CProg32View);

}  // namespace pruebasvista

namespace marco {
namespace {

using pruebasvista::CVista202;

using ::pruebas::Esperar;

// What the screen shows of the window's client area.
wxImage Captura(wxWindow* ventana) {
  ventana->Update();
  const wxSize tam = ventana->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  wxMemoryDC memoria(bitmap);
  wxScreenDC pantalla;
  const wxPoint origen = ventana->ClientToScreen(wxPoint(0, 0));
  memoria.Blit(0, 0, tam.x, tam.y, &pantalla, origen.x, origen.y);
  memoria.SelectObject(wxNullBitmap);
  return bitmap.ConvertToImage();
}

// The page as the window paints it, drawn by the view's own painting into an image of the client area's size.
// (Under Xvfb the screen may keep a window's first painting only, or another test's window, so the states are
// taken this way.)
wxImage Dibujo(CProg32View& vista) {
  const wxSize tam = vista.DameVentana()->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC memoria(bitmap);
    vista.OnDraw(&memoria);
  }
  return bitmap.ConvertToImage();
}

bool Oscuro(const wxImage& img, int x, int y) {
  if (x < 0 || y < 0 || x >= img.GetWidth() || y >= img.GetHeight()) return false;
  return img.GetRed(x, y) < 100 && img.GetGreen(x, y) < 100 && img.GetBlue(x, y) < 100;
}

bool Claro(const wxImage& img, int x, int y) {
  return img.GetRed(x, y) > 200 && img.GetGreen(x, y) > 200 && img.GetBlue(x, y) > 150;
}

void Guardar(const wxImage& img, const std::string& nombre) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  img.SaveFile(wxString(::testing::TempDir()) + nombre, wxBITMAP_TYPE_PNG);
}

// Every box wholly in the screenshot has its frame on its rectangle's edges (one pixel either way for the
// picture's own rounding) and a light inside; with `margenClaro`, nothing dark two pixels outside it either (on a
// page drawn smaller the printed number beside a box comes that close).
int ComprobarMarcos(CVista202& vista, const wxImage& img, bool margenClaro = true) {
  const plataforma::CPunto d = vista.Desplazamiento();
  int vistas = 0;
  for (int i = 0; i < vista.NumeroCampos(); ++i) {
    const CCampo& campo = *vista.DameCampo(i);
    const plataforma::CRectangulo r = RectanguloCampoEnVentana(campo, d);
    if (r.left < 2 || r.top < 2 || r.right + 2 > img.GetWidth() || r.bottom + 2 > img.GetHeight()) continue;
    if (i == vista.DameCampoActivo()) continue;  // the edit covers it
    ++vistas;
    const int y = (r.top + r.bottom) / 2;
    const int x = (r.left + r.right) / 2;
    const auto cerca = [&](int px, int py) { return Oscuro(img, px - 1, py) || Oscuro(img, px, py) || Oscuro(img, px + 1, py); };
    const auto cercaV = [&](int px, int py) { return Oscuro(img, px, py - 1) || Oscuro(img, px, py) || Oscuro(img, px, py + 1); };
    EXPECT_TRUE(cerca(r.left, y)) << "box " << campo.IndNumero << " left " << r.left;
    EXPECT_TRUE(cerca(r.right - 1, y)) << "box " << campo.IndNumero << " right " << r.right;
    EXPECT_TRUE(cercaV(r.left + 3, r.top)) << "box " << campo.IndNumero << " top " << r.top;
    EXPECT_TRUE(cercaV(r.left + 3, r.bottom - 1)) << "box " << campo.IndNumero << " bottom " << r.bottom;
    // Two pixels outside the box is the page, not a frame line.
    EXPECT_FALSE(margenClaro && Oscuro(img, r.left - 3, r.top + 1) && Oscuro(img, r.left - 3, r.bottom - 2))
        << "box " << campo.IndNumero;
    EXPECT_TRUE(Claro(img, x, r.top + 3) || Claro(img, r.left + 3, r.top + 3)) << "box " << campo.IndNumero;
  }
  return vistas;
}

class VistaPagina : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() / ("korvelix-vista-" + std::to_string(::getpid()) + "-" +
                                         std::to_string(contador++));
    fs::create_directories(m_dir);
    ASSERT_EQ(AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    PonerIdiomaV("e");
    PonerDirBase(KORVELIX_DATOS_LOCAL);
    PonerZoomTexto("1.0");
  }
  void TearDown() override {
    CerrarBasesDatos();
    PonerDirBase("");
    PonerZoomTexto("");
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  // Page 202 shown by a D-100 document, in its frame.
  static CVista202* Pagina202(CProg32Doc& doc) {
    doc.PonerTipoDec(kTipoDecOrdinaria);
    EXPECT_EQ(doc.MostrarPagina(CLASSINFO(CVista202), 0, 0), 1);
    auto* vista = dynamic_cast<CVista202*>(doc.BuscarVista(CLASSINFO(CVista202)));
    EXPECT_NE(vista, nullptr);
    EXPECT_NE(vista == nullptr ? nullptr : dynamic_cast<wxFrame*>(vista->GetFrame()), nullptr);
    return vista;
  }
  fs::path m_dir;
};

TEST_F(VistaPagina, Pagina202DibujadaZoomYCasillaEditada) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  CProg32Doc doc;
  CVista202* vista = Pagina202(doc);
  ASSERT_NE(vista, nullptr);
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
  wxFrame* marco = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  marco->SetClientSize(1100, 760);
  marco->Move(0, 0);
  Esperar();

  // The catalogue entry, the picture and the geometry of the screen.
  EXPECT_EQ(vista->Pagina().idPagina, 202);
  EXPECT_EQ(marco->GetTitle(), wxString::FromUTF8("Rendimientos del trabajo y del capital"));
  EXPECT_FALSE(vista->Imagen().EstaVacio());
  EXPECT_EQ(vista->Geometria().pagina, (plataforma::CTamano{2100, 2971}));
  const int ancho = vista->DameAnchoUtil();
  EXPECT_DOUBLE_EQ(vista->Geometria().escalaCampos, ancho / 1004.0);
  ASSERT_GT(vista->NumeroCampos(), 10);
  // Opening the page put the edit over the first editable box (boxes 1 and 2 are read-only).
  Esperar();
  EXPECT_EQ(vista->DameCampoActivo(), 2);

  // What the screen shows is kept for a look; the checks are made on the window's painting.
  Guardar(Captura(vista->DameVentana()), "pagina202-pantalla.png");
  wxImage zoom1 = Dibujo(*vista);
  Guardar(zoom1, "pagina202-zoom1.png");
  EXPECT_GE(ComprobarMarcos(*vista, zoom1), 6);

  // Zoom 1.5 through the view's command, as the menu sends it.
  const CCampo& campo5 = *vista->DameCampo(4);
  const int coor1 = campo5.Coor_1;
  for (int i = 0; i < 2; ++i) {
    wxCommandEvent acercar(wxEVT_MENU, ComandoAWx(kComandoZoomAcercar));
    vista->ProcessEvent(acercar);
  }
  Esperar();
  EXPECT_EQ(doc.DameZoom(), 1.5);
  EXPECT_EQ(ZoomTexto(), "1.50");
  EXPECT_DOUBLE_EQ(vista->Geometria().escalaCampos, ancho * 1.5 / 1004.0);
  EXPECT_NEAR(campo5.Coor_1, coor1 * 1.5, 2.0);
  wxUpdateUIEvent puede(ComandoAWx(kComandoZoomAcercar));
  vista->ProcessEvent(puede);
  EXPECT_FALSE(puede.GetEnabled());
  wxImage zoom15 = Dibujo(*vista);
  Guardar(zoom15, "pagina202-zoom15.png");
  EXPECT_GE(ComprobarMarcos(*vista, zoom15), 4);

  // Back to 1, then a click on box 5 puts its edit over it.
  for (int i = 0; i < 2; ++i) {
    wxCommandEvent alejar(wxEVT_MENU, ComandoAWx(kComandoZoomAlejar));
    vista->ProcessEvent(alejar);
  }
  Esperar();
  EXPECT_EQ(vista->Desplazamiento(), (plataforma::CPunto{0, 0}));
  const plataforma::CRectangulo caja = RectanguloCampoEnVentana(campo5, vista->Desplazamiento());
  wxMouseEvent pulsar(wxEVT_LEFT_DOWN);
  pulsar.SetPosition(wxPoint(caja.left + 5, caja.top + 5));
  vista->DameVentana()->GetEventHandler()->ProcessEvent(pulsar);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 4);
  CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(edit->DameVentana(), nullptr);
  const plataforma::CRectangulo donde = RectanguloEditCampo(campo5, vista->Desplazamiento());
  EXPECT_EQ(edit->DameVentana()->GetRect(), wxRect(donde.left, donde.top, donde.Ancho(), donde.Alto()));
  EXPECT_EQ(edit->DameVentana()->GetId(), campo5.IndNumero);

  // A typed value and Tab: stored in the box's bound value, the box checked, the next box active.
  vista->avisos.clear();
  for (char c : std::string("1234")) edit->AlCaracter(static_cast<unsigned char>(c));
  Esperar(5);
  const std::pair<int, int> actualizandose{kAvisoTextoCambiara, campo5.IndNumero};
  EXPECT_NE(std::find(vista->avisos.begin(), vista->avisos.end(), actualizandose), vista->avisos.end());
  edit->AlCaracter(kTeclaTabulador);
  Esperar();
  EXPECT_EQ(vista->m_controles.importes[4][0], 1234.0);
  EXPECT_EQ(vista->comprobados, (std::vector<int>{campo5.IndNumero}));
  EXPECT_EQ(vista->DameCampoActivo(), 5);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(campo5.Texto, "1.234");

  wxImage tecleado = Dibujo(*vista);
  Guardar(tecleado, "pagina202-tecleado.png");
  // The value is drawn in its box, right-aligned: dark pixels in the right half of box 5.
  int oscuros = 0;
  const plataforma::CRectangulo r5 = RectanguloCampoEnVentana(campo5, vista->Desplazamiento());
  for (int x = (r5.left + r5.right) / 2; x < r5.right - 4; ++x) {
    for (int y = r5.top + 3; y < r5.bottom - 3; ++y) oscuros += Oscuro(tecleado, x, y) ? 1 : 0;
  }
  EXPECT_GT(oscuros, 10);

  EXPECT_TRUE(guion.Codigos().empty());
  delete vista;
  Esperar(5);
}

// A page that took the focus while its window was small keeps no more scroll than its box needs once the window has
// its size: neither its left margin nor its head is left out of the window.
TEST_F(VistaPagina, AlCrecerLaVentanaLaPaginaVuelveAlMargenYALaCabeza) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  CProg32Doc doc;
  CVista202* vista = Pagina202(doc);
  ASSERT_NE(vista, nullptr);
  wxFrame* marco = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  marco->SetClientSize(300, 300);
  marco->Move(0, 0);
  Esperar();
  // The editable box furthest to the right and down, made active in the small window, scrolls the page both ways.
  int derecha = -1;
  for (int i = 0; i < vista->NumeroCampos(); ++i) {
    const CCampo& c = *vista->DameCampo(i);
    if (c.SoloLectur != 0) continue;
    if (derecha < 0 || c.Coor_3 + c.Coor_4 > vista->DameCampo(derecha)->Coor_3 + vista->DameCampo(derecha)->Coor_4) {
      derecha = i;
    }
  }
  ASSERT_GE(derecha, 0);
  vista->PonerCampoRaton(derecha);
  vista->ActivarCampo();
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), derecha);
  ASSERT_GT(vista->Desplazamiento().x, 0);
  ASSERT_GT(vista->Desplazamiento().y, 0);

  marco->SetClientSize(1900, 3000);
  Esperar(10);
  const wxSize cliente = vista->DameVentana()->GetClientSize();
  const CCampo& campo = *vista->DameCampo(derecha);
  EXPECT_EQ(vista->Desplazamiento().x, std::max(0, campo.Coor_3 - cliente.x));
  EXPECT_EQ(vista->Desplazamiento().y, std::max(0, campo.Coor_4 - cliente.y));
  // The box's edit went back over it with the page.
  ASSERT_NE(vista->DameEditActivo(), nullptr);
  ASSERT_NE(vista->DameEditActivo()->DameVentana(), nullptr);
  const plataforma::CRectangulo donde = RectanguloEditCampo(campo, vista->Desplazamiento());
  EXPECT_EQ(vista->DameEditActivo()->DameVentana()->GetPosition(), wxPoint(donde.left, donde.top));
  delete vista;
  Esperar(5);
}

// The page is laid out for the width of its window: whatever room the main window leaves it (the section tree
// beside it or not), its whole width is in view at zoom 1, the active box and its edit with it; the boxes are
// painted, hit by a click and covered by their edit at the same place.
TEST_F(VistaPagina, LaPaginaCabeEnElAnchoDeSuVentana) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  CProg32Doc doc;
  CVista202* vista = Pagina202(doc);
  ASSERT_NE(vista, nullptr);
  wxFrame* marco = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  marco->Move(0, 0);
  Esperar();
  // The editable box furthest to the right, and another one to click on.
  int derecha = -1;
  for (int i = 0; i < vista->NumeroCampos(); ++i) {
    const CCampo& c = *vista->DameCampo(i);
    if (c.SoloLectur == 0 && (derecha < 0 || c.Coor_3 > vista->DameCampo(derecha)->Coor_3)) derecha = i;
  }
  ASSERT_GE(derecha, 0);
  ASSERT_NE(derecha, 4);
  ASSERT_EQ(vista->DameCampo(4)->SoloLectur, 0);
  // The room the page has beside the section tree on a screen 1280 pixels wide, and narrower ones.
  for (const int ancho : {1044, 900, 760}) {
    SCOPED_TRACE(ancho);
    vista->PonerCampoRaton(derecha);
    vista->ActivarCampo();
    marco->SetClientSize(ancho, 700);
    Esperar(10);
    ASSERT_EQ(vista->DameCampoActivo(), derecha);
    const wxSize cliente = vista->DameVentana()->GetClientSize();
    EXPECT_LE(vista->Geometria().vista.cx, cliente.x);
    EXPECT_EQ(vista->Geometria().vista.cx, vista->DameAnchoUtil());
    EXPECT_DOUBLE_EQ(vista->Geometria().escalaCampos, vista->DameAnchoUtil() / 1004.0);
    EXPECT_EQ(vista->Desplazamiento().x, 0);
    for (int i = 0; i < vista->NumeroCampos(); ++i) {
      EXPECT_LE(vista->DameCampo(i)->Coor_3, cliente.x) << "box " << i + 1;
    }
    // The active box in view, its edit over it.
    const CCampo& activo = *vista->DameCampo(derecha);
    const plataforma::CRectangulo r = RectanguloCampoEnVentana(activo, vista->Desplazamiento());
    EXPECT_TRUE(DentroDe(r, {0, 0, cliente.x, cliente.y})) << r.left << "," << r.top << " " << r.right << ","
                                                            << r.bottom;
    ASSERT_NE(vista->DameEditActivo(), nullptr);
    ASSERT_NE(vista->DameEditActivo()->DameVentana(), nullptr);
    const wxRect edit = vista->DameEditActivo()->DameVentana()->GetRect();
    const plataforma::CRectangulo donde = RectanguloEditCampo(activo, vista->Desplazamiento());
    EXPECT_EQ(edit.GetLeft(), donde.left);
    EXPECT_EQ(edit.GetTop(), donde.top);
    EXPECT_EQ(edit.GetHeight(), donde.Alto());
    EXPECT_LE(edit.GetRight() + 1, donde.right);
    // The boxes are painted where they are.
    const wxImage dibujo = Dibujo(*vista);
    Guardar(dibujo, "pagina202-ancho" + std::to_string(ancho) + ".png");
    EXPECT_GE(ComprobarMarcos(*vista, dibujo, false), 6);
    // A click in the middle of box 5 makes it active.
    const plataforma::CRectangulo caja = RectanguloCampoEnVentana(*vista->DameCampo(4), vista->Desplazamiento());
    wxMouseEvent pulsar(wxEVT_LEFT_DOWN);
    pulsar.SetPosition(wxPoint((caja.left + caja.right) / 2, (caja.top + caja.bottom) / 2));
    vista->DameVentana()->GetEventHandler()->ProcessEvent(pulsar);
    Esperar();
    EXPECT_EQ(vista->DameCampoActivo(), 4);
  }
  EXPECT_TRUE(guion.Codigos().empty());
  delete vista;
  Esperar(5);
}

// The keys a person types on at once after a box was sent for (a page opened, a finding chosen) start from that
// box: a Tab that reaches the page before the box is active goes on from it, not from the box before.
TEST_F(VistaPagina, UnTabuladorQueLlegaAntesDeActivarseLaCasillaSigueDesdeElla) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  CProg32Doc doc;
  CVista202* vista = Pagina202(doc);
  ASSERT_NE(vista, nullptr);
  vista->GetFrame()->SetClientSize(1100, 760);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 2);
  ASSERT_EQ(vista->DameCampo(4)->SoloLectur, 0);
  ASSERT_EQ(vista->DameCampo(5)->SoloLectur, 0);
  // Box 5 is sent for; before it is active, a Tab reaches the page.
  vista->IrACampo(4);
  wxKeyEvent tab(wxEVT_CHAR);
  tab.m_keyCode = WXK_TAB;
  tab.SetEventObject(vista->DameVentana());
  vista->DameVentana()->GetEventHandler()->ProcessEvent(tab);
  Esperar();
  EXPECT_EQ(vista->DameCampoActivo(), 5);
  EXPECT_TRUE(guion.Codigos().empty());
  delete vista;
  Esperar(5);
}

// The page window taking the keyboard focus while a box is active (its frame coming forward after a dialog)
// hands it on to the box's edit: the characters typed next are the box's.
TEST_F(VistaPagina, ElFocoQueLlegaALaPaginaPasaALaCasillaActiva) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  CProg32Doc doc;
  CVista202* vista = Pagina202(doc);
  ASSERT_NE(vista, nullptr);
  Esperar();
  ASSERT_NE(vista->DameEditActivo(), nullptr);
  wxWindow* edit = vista->DameEditActivo()->DameVentana();
  ASSERT_NE(edit, nullptr);
  vista->DameVentana()->SetFocus();
  Esperar();
  EXPECT_EQ(wxWindow::FindFocus(), edit);
  EXPECT_TRUE(guion.Codigos().empty());
  delete vista;
  Esperar(5);
}

TEST_F(VistaPagina, PaginaSinImagenAvisaYFunciona) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  PonerDirBase(m_dir.string());  // no pictures here
  CProg32Doc doc;
  doc.PonerTipoDec(kTipoDecOrdinaria);
  ASSERT_EQ(doc.MostrarPagina(CLASSINFO(CVista202), 0, 0), 1);
  auto* vista = dynamic_cast<CVista202*>(doc.BuscarVista(CLASSINFO(CVista202)));
  ASSERT_NE(vista, nullptr);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN025"}));
  EXPECT_TRUE(vista->Imagen().EstaVacio());
  EXPECT_EQ(vista->Geometria().pagina, kTamanoPaginaDefecto);
  EXPECT_GT(vista->Geometria().vista.cy, 0);
  Esperar();
  EXPECT_EQ(vista->DameCampoActivo(), 2);
  delete vista;
  Esperar(5);
}

// A document deleted while its page is open takes the view with it: the view's frame is on its way out, and the
// commands that still reach the frame before it goes find neither the view nor the document.
TEST_F(VistaPagina, LaVistaSeVaConSuDocumento) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  auto doc = std::make_unique<CProg32Doc>();
  doc->PonerTipoDec(kTipoDecOrdinaria);
  ASSERT_EQ(doc->MostrarPagina(CLASSINFO(CVista202), 0, 0), 1);
  wxView* vista = doc->BuscarVista(CLASSINFO(CVista202));
  ASSERT_NE(vista, nullptr);
  wxWindow* marco = vista->GetFrame();
  ASSERT_NE(marco, nullptr);
  Esperar();

  doc.reset();
  ASSERT_TRUE(wxTheApp->IsScheduledForDestruction(marco));
  wxCommandEvent acercar(wxEVT_MENU, ComandoAWx(kComandoZoomAcercar));
  acercar.SetEventObject(marco);
  EXPECT_FALSE(marco->GetEventHandler()->ProcessEvent(acercar));
  // A window of the frame taking the focus tells the frame so (a command event that goes up to it).
  wxChildFocusEvent foco(marco);
  marco->GetEventHandler()->ProcessEvent(foco);
  Esperar(5);
  EXPECT_TRUE(guion.Codigos().empty());
}

// Taking the views away leaves the document as it was, with none: it does not close with its emptied list.
TEST_F(VistaPagina, EliminarVistasDejaElDocumento) {
  REQUIERE_PANTALLA();
  CGuionMensajes guion;
  CProg32Doc doc;
  doc.PonerTipoDec(kTipoDecOrdinaria);
  ASSERT_EQ(doc.MostrarPagina(CLASSINFO(CVista202), 0, 0), 1);
  wxWindow* marco = doc.BuscarVista(CLASSINFO(CVista202))->GetFrame();
  doc.EliminarVistas();
  EXPECT_EQ(doc.BuscarVista(CLASSINFO(CVista202)), nullptr);
  EXPECT_TRUE(doc.GetViews().empty());
  EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(marco));
  Esperar(5);
  // The page opens again on the same document.
  ASSERT_EQ(doc.MostrarPagina(CLASSINFO(CVista202), 0, 0), 1);
  EXPECT_NE(doc.BuscarVista(CLASSINFO(CVista202)), nullptr);
  Esperar(5);
}

}  // namespace
}  // namespace marco
