// The D-714 page views under Xvfb: the first page opened through the document from the built tables, its picture
// and boxes drawn, a value typed into a box and stored at its place in the data area; the rows page drawn too; the
// draft presentation of a filled declaration. The screenshots are left in the test folder for a look.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ComandosDocumento.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditEx.h"
#include "framework/EditLista.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "output/Prevista.h"
#include "platform/Lienzo.h"
#include "wealth/C714Doc.h"
#include "wealth/CamposPatrimonio.h"
#include "wealth/PAT0Paginas.h"

namespace fs = std::filesystem;
using namespace patrimonio;

namespace {

using ::pruebas::Esperar;

// The page as the view paints it, into an image of the window's client area.
wxImage Dibujo(marco::CProg32View& vista) {
  const wxSize tam = vista.DameVentana()->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC memoria(bitmap);
    vista.OnDraw(&memoria);
  }
  return bitmap.ConvertToImage();
}

void Guardar(const wxImage& img, const std::string& nombre) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  img.SaveFile(wxString(::testing::TempDir()) + nombre, wxBITMAP_TYPE_PNG);
}

int Oscuros(const wxImage& img, const plataforma::CRectangulo& r) {
  int n = 0;
  for (int x = r.left + 3; x < r.right - 3; ++x) {
    for (int y = r.top + 3; y < r.bottom - 3; ++y) {
      if (x < img.GetWidth() && y < img.GetHeight() && img.GetRed(x, y) < 100 && img.GetGreen(x, y) < 100) ++n;
    }
  }
  return n;
}

class VistaPatrimonio : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-vista714-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::create_directories(m_dir);
    ASSERT_EQ(marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
    marco::PonerZoomTexto("1.0");
    marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
    marco::RegistrarEditsTablas(marco::FabricaEdit());
  }
  void TearDown() override {
    marco::CerrarBasesDatos();
    marco::PonerDirBase("");
    marco::PonerZoomTexto("");
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  fs::path m_dir;
};

TEST_F(VistaPatrimonio, PrimeraPaginaDibujadaYCasillaTecleada) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  C714Doc doc;
  doc.InicializarDatos();
  EscribeTexto(doc.Datos().PatDatosPersonales, personales::Apellidos, "GARCIA LOPEZ");
  EscribeTexto(doc.Datos().PatDatosPersonales, personales::Nombre, "ANA");
  ASSERT_EQ(doc.MostrarPagina(PAT001::ClaseInfo(), 0, 0), 1);
  auto* vista = dynamic_cast<PAT001*>(doc.BuscarVista(PAT001::ClaseInfo()));
  ASSERT_NE(vista, nullptr);
  auto* marco = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  marco->SetClientSize(1100, 900);
  marco->Move(0, 0);
  Esperar();
  EXPECT_EQ(vista->Pagina().idPagina, 301);
  EXPECT_EQ(marco->GetTitle(), wxString::FromUTF8("Datos personales"));
  EXPECT_FALSE(vista->Imagen().EstaVacio());
  ASSERT_EQ(vista->NumeroCampos(), 40);
  EXPECT_STREQ(doc.TextoNombre(), "GARCIA LOPEZ, ANA");
  Guardar(Dibujo(*vista), "pat001.png");

  // A click on the street box, a typed name and Tab: the text lands at its place in the personal data.
  marco::CCampo& via = *vista->DameCampo(8);
  const plataforma::CRectangulo caja = marco::RectanguloCampoEnVentana(via, vista->Desplazamiento());
  wxMouseEvent pulsar(wxEVT_LEFT_DOWN);
  pulsar.SetPosition(wxPoint(caja.left + 5, caja.top + 5));
  vista->DameVentana()->GetEventHandler()->ProcessEvent(pulsar);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 8);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  for (char c : std::string("MAYOR")) edit->AlCaracter(static_cast<unsigned char>(c));
  edit->AlCaracter(marco::kTeclaTabulador);
  Esperar();
  EXPECT_EQ(LeeTexto(doc.Datos().PatDatosPersonales, SCampo{187, 28}), "MAYOR" + std::string(23, ' '));
  EXPECT_TRUE(doc.IsModified());
  const wxImage tecleado = Dibujo(*vista);
  Guardar(tecleado, "pat001-tecleado.png");
  EXPECT_GT(Oscuros(tecleado, caja), 10);
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
  delete vista;
  Esperar(5);
}

TEST_F(VistaPatrimonio, PaginaDeFilasDibujadaConSuTotal) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  C714Doc doc;
  doc.InicializarDatos();
  EscribeDouble(doc.Datos().PatA, 64, 12500000.0);
  EscribeTexto(doc.Datos().PatA, SCampo{23, 41}, "PISO EN LA CALLE MAYOR");
  doc.Calcular(1);
  ASSERT_EQ(doc.MostrarPagina(PAT002::ClaseInfo(), 0, 0), 1);
  auto* vista = dynamic_cast<PAT002*>(doc.BuscarVista(PAT002::ClaseInfo()));
  ASSERT_NE(vista, nullptr);
  vista->GetFrame()->SetClientSize(1100, 900);
  Esperar();
  ASSERT_EQ(vista->NumeroCampos(), 238);
  const wxImage img = Dibujo(*vista);
  Guardar(img, "pat002.png");
  // The row's description is drawn in its box; the row value and the section total show the amount.
  const plataforma::CPunto d = vista->Desplazamiento();
  EXPECT_GT(Oscuros(img, marco::RectanguloCampoEnVentana(*vista->DameCampo(5), d)), 10);
  EXPECT_EQ(vista->DameCampo(6)->Texto, "12.500.000");
  EXPECT_EQ(vista->DameCampo(142)->Texto, "12.500.000");
  EXPECT_TRUE(guion.Codigos().empty());
  delete vista;
  Esperar(5);
}

TEST_F(VistaPatrimonio, ElBorradorMuestraLosValoresDeLaDeclaracion) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  C714Doc doc;
  doc.InicializarDatos();
  doc.PonerTipoDec(marco::kTipoDecPatrimonio);
  EscribeTexto(doc.Datos().PatDatosPersonales, personales::Nif, "12345678Z");
  EscribeTexto(doc.Datos().PatDatosPersonales, personales::Apellidos, "GARCIA LOPEZ");
  EscribeTexto(doc.Datos().PatDatosPersonales, personales::Nombre, "ANA");
  EscribeDouble(doc.Datos().PatA, 64, 20000000.0);
  doc.Calcular(1);
  ASSERT_EQ(doc.MostrarPagina(PAT001::ClaseInfo(), 0, 0), 1);

  // "Presentación borrador": the draft view and its preview window.
  wxCommandEvent orden(wxEVT_MENU, marco::ComandoAWx(marco::kComandoBorrador));
  ASSERT_TRUE(doc.ProcessEvent(orden));
  salida::CPrevista* borrador = nullptr;
  int borradores = 0;
  for (wxList::compatibility_iterator n = doc.GetViews().GetFirst(); n != nullptr; n = n->GetNext()) {
    if (auto* v = dynamic_cast<salida::CPrevista*>(static_cast<wxView*>(n->GetData()))) {
      borrador = v;
      ++borradores;
    }
  }
  ASSERT_EQ(borradores, 1);
  wxWindow* ventana = borrador->GetFrame();
  ASSERT_NE(ventana, nullptr);
  EXPECT_TRUE(ventana->IsShown());
  Esperar();
  // The eleven screen pages, each drawn.
  EXPECT_EQ(borrador->Paginas().Total(), 11);
  const auto pagina1 = borrador->Paginas().Pagina(1);
  ASSERT_TRUE(pagina1);
  EXPECT_EQ(pagina1->idPagina, 301);

  // Its pages are bound to the declaration: page 301 shows the NIF and the name, page 302 the home's value and the
  // section's total.
  salida::IFuenteBorrador* fuente = borrador->Fuente();
  ASSERT_NE(fuente, nullptr);
  const auto personal = fuente->CrearCampos(301);
  ASSERT_NE(personal, nullptr);
  marco::CCampo* nif = personal->CampoDeNumero(6);
  ASSERT_NE(nif, nullptr);
  nif->ActualizarTexto();
  EXPECT_EQ(nif->Texto, "12345678Z");
  marco::CCampo* nombre = personal->CampoDeNumero(7);
  nombre->ActualizarTexto();
  EXPECT_EQ(nombre->Texto, "GARCIA LOPEZ, ANA");
  const auto inmuebles = fuente->CrearCampos(302);
  ASSERT_NE(inmuebles, nullptr);
  for (const int numero : {7, 143}) {
    marco::CCampo* valor = inmuebles->CampoDeNumero(numero);
    ASSERT_NE(valor, nullptr) << numero;
    valor->ActualizarTexto();
    EXPECT_EQ(valor->Texto, "20.000.000") << numero;
  }
  // Every box of those pages, and of the result page, is bound to its place, as printing binds it.
  for (const int id : {301, 302, 311}) {
    const auto campos = fuente->CrearCampos(id);
    ASSERT_NE(campos, nullptr) << id;
    int enlazadas = 0;
    for (int i = 0; i < campos->NumeroCampos(); ++i) {
      if (campos->Campo(i)->Dato != nullptr) ++enlazadas;
    }
    EXPECT_EQ(enlazadas, campos->NumeroCampos()) << id;
    EXPECT_GT(enlazadas, 0) << id;
  }
  // Drawn as the preview draws them: the values show in their boxes.
  const plataforma::CTamano a4{827, 1169};
  plataforma::CLienzo lienzo = plataforma::CLienzo::Imagen(a4.cx, a4.cy, 100);
  EXPECT_EQ(borrador->DibujarPagina(lienzo, 2), 1);
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();

  // Closing the preview takes the draft view with it; the page stays.
  ventana->Close(true);
  Esperar();
  wxTheApp->ProcessIdle();
  for (wxList::compatibility_iterator n = doc.GetViews().GetFirst(); n != nullptr; n = n->GetNext()) {
    EXPECT_EQ(dynamic_cast<salida::CPrevista*>(static_cast<wxView*>(n->GetData())), nullptr);
  }
  wxView* pagina = doc.BuscarVista(PAT001::ClaseInfo());
  ASSERT_NE(pagina, nullptr);
  delete pagina;
  Esperar(5);
}

}  // namespace
