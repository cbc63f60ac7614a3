// Page ORD002 from the tables the build makes: its 45 boxes as the page source defines them, bound exactly like
// page 2 of the simplified form, the same section calls for every box as SIM002, the class the document's page
// list finds by name, and the page in a window under Xvfb: a detail dialog filled from box 3 recalculates the page.
#include "d100/ORD002.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "PruebasWx.h"
#include "d100/PaginasD100.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditEx.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "income/SIM002.h"

namespace fs = std::filesystem;
using ordinaria::ORD002;

namespace {

constexpr std::size_t kTrabajo = 4128;
constexpr std::size_t kBase = 51176;

double DobleEn(const renta::CRentaDoc& doc, std::size_t desplazamiento) {
  double v;
  std::memcpy(&v, reinterpret_cast<const unsigned char*>(&doc.Datos()) + desplazamiento, sizeof v);
  return v;
}

// The boxes of a page id loaded from the built tables into an array bound to `doc`.
template <typename Controles>
std::unique_ptr<Controles> Cargar(int idPagina, renta::CRentaDoc& doc, marco::CBaseDatos& local) {
  auto controles = std::make_unique<Controles>();
  controles->PonerDocumento(&doc);
  EXPECT_EQ(controles->Cargar(idPagina, 1.0, &local), 1) << "build the target datos_paginas first";
  return controles;
}

class ORD002Tablas : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(local.Abrir(KORVELIX_DATOS_LOCAL "/", false, 1, "DBF"), 0);
    marco::PonerIdiomaV("e");
  }
  marco::CBaseDatos local;
  marco::CGuionMensajes guion;
};

TEST_F(ORD002Tablas, LasCasillasDeLaPaginaYSusAtributos) {
  renta::CRentaDoc doc;
  auto controles = Cargar<ordinaria::CControlesORD002>(202, doc, local);
  ASSERT_EQ(controles->NumeroCampos(), renta::kCasillasTrabajoCapital);
  EXPECT_TRUE(guion.Codigos().empty());

  // The boxes that run a section calculation are the ones the user fills, each through its detail window; all the
  // others are worked out or filled by the program.
  for (int n = 1; n <= renta::kCasillasTrabajoCapital; ++n) {
    const marco::CCampo& c = *controles->CampoDeNumero(n);
    const bool calcula = !renta::PasosTrabajoCapital(n).empty();
    EXPECT_EQ(c.SoloLectur, calcula ? 0 : 1) << n;
    EXPECT_EQ(!c.NombreVent.empty(), calcula) << n;
    EXPECT_NE(c.Dato, nullptr) << n;  // every box fits its place
    if (n >= 3 && n <= 43) {
      EXPECT_EQ(c.Letra(), 'F') << n;
      EXPECT_EQ(c.Repeticion, 5) << n;
      EXPECT_EQ(c.Idinternet, n - 2) << n;  // the filing order follows the boxes
      EXPECT_EQ(c.fminternet, "120N") << n;
    } else {
      EXPECT_EQ(c.Letra(), n == 1 ? 'P' : 'A') << n;  // the header N.I.F. takes digits
      EXPECT_EQ(c.Idinternet, 0) << n;                 // not filed
    }
  }
  // The detail windows by section: work income, real estate, the section-C holder dialogs and their variants.
  const std::pair<int, const char*> ventanas[] = {
      {3, "IDD_RDTO_TRABAJO"}, {13, "IDD_RDTO_TRABAJO"}, {18, "IDD_INMOBILIARIO"}, {24, "IDD_INMOBILIARIO"},
      {29, "IDD_DIVID6"},      {30, "IDD_INGRET6*1"},    {31, "IDD_INREGA6*1"},    {32, "IDD_INGRET6*2"},
      {33, "IDD_INREGA6*2"},   {39, "IDD_TIT6DAT1*1"},   {40, "IDD_TIT6DAT1*2"},   {42, "IDD_TIT6DAT1*9"},
      {43, "IDD_TIT6DAT1*9"}};
  for (const auto& [n, ventana] : ventanas) EXPECT_EQ(controles->CampoDeNumero(n)->NombreVent, ventana) << n;

  // The page frame: the header of the person shown, the declaration's reference and the copy label, the last two
  // printed only.
  const std::pair<int, const char*> ids[] = {{1, "NIF1"}, {2, "APELL1"}, {44, "REFERENCIA"}, {45, "EJEMPLAR"}};
  for (const auto& [n, id] : ids) EXPECT_EQ(controles->CampoDeNumero(n)->Identifica, id) << n;
  EXPECT_EQ(controles->CampoDeNumero(1)->Longitud, 9);
  EXPECT_EQ(controles->CampoDeNumero(2)->Longitud, 40);
  EXPECT_EQ(controles->CampoDeNumero(44)->Longitud, 20);
  EXPECT_EQ(controles->CampoDeNumero(45)->Longitud, 40);
  EXPECT_EQ(controles->CampoDeNumero(44)->PintarEn, marco::kPintarNoEnPantalla);
  EXPECT_EQ(controles->CampoDeNumero(45)->PintarEn, marco::kPintarNoEnPantalla);

  // A page of the copy label and the reference only has no data worth printing.
  std::strcpy(doc.TextoEjemplar(), "Ejemplar para el interesado.");
  std::memcpy(doc.Datos().Identificacion.octetos + 105, "12345678.03.00123.  ", 20);
  std::strcpy(doc.NifDeclarante(), "12345678Z");
  EXPECT_EQ(controles->TieneDatos(0), 0);
  double importe = 5000.0;
  std::memcpy(doc.Datos().RendCapMobiliario.octetos + 8, &importe, sizeof importe);  // box 29, declarant
  EXPECT_EQ(controles->TieneDatos(0, marco::SEntornoCampo{2, 'e'}), 1);
}

TEST_F(ORD002Tablas, SIM002SeEnlazaIgual) {
  renta::CRentaDoc doc;
  auto ordinaria = Cargar<ordinaria::CControlesORD002>(202, doc, local);
  auto simplificada = Cargar<renta::CControlesSIM002>(102, doc, local);
  ASSERT_EQ(ordinaria->NumeroCampos(), renta::kCasillasTrabajoCapital);
  ASSERT_EQ(simplificada->NumeroCampos(), renta::kCasillasTrabajoCapital);
  for (int i = 0; i < renta::kCasillasTrabajoCapital; ++i) {
    EXPECT_EQ(ordinaria->Campo(i)->Dato, simplificada->Campo(i)->Dato) << i;
    EXPECT_EQ(ordinaria->Campo(i)->Enlace, simplificada->Campo(i)->Enlace) << i;
    EXPECT_EQ(ordinaria->Campo(i)->IndiceFich, 202);
    EXPECT_EQ(simplificada->Campo(i)->IndiceFich, 102);
  }
}

// ---- the same calls as SIM002 ----

std::vector<std::pair<char, int>> gLlamadas;

int RegistraA(RegRendTrabajo*, RegBaseImponible*, RegRendCapInmobiliario*, RegRendCapMobiliario*, RegApartadoD1*,
              RegApartadoD2*, RegApartadoD4*, RegApartadoD5*, RegApartadoF4*, RegResultados*, RegDatosFamilia*,
              int instancia) {
  gLlamadas.emplace_back('A', instancia);
  return 0;
}
int RegistraB1(RegRendCapInmobiliario*, RegResultados*, RegBaseImponible*, int instancia) {
  gLlamadas.emplace_back('B', instancia);
  return 0;
}
int RegistraC(RegRendCapMobiliario*, RegResultados*, RegBaseImponible*, int instancia) {
  gLlamadas.emplace_back('C', instancia);
  return 0;
}
int RegistraF4(RegApartadoF4*, RegApartadoF1*, RegApartadoF2*, RegApartadoL*, RegBaseImponible*,
               RegRendCapMobiliario*, RegApartadoF3*, int instancia) {
  gLlamadas.emplace_back('F', instancia);
  return 0;
}

TEST(ORD002, LasMismasLlamadasQueSIM002) {
  static const recalculo::FuncionesRenta funciones = [] {
    recalculo::FuncionesRenta f = recalculo::FuncionesRentaBiblioteca();
    f.A = &RegistraA;
    f.B1 = &RegistraB1;
    f.C = &RegistraC;
    f.F4 = &RegistraF4;
    return f;
  }();
  auto llamadas = [](renta::CVistaTrabajoCapital& vista, renta::CRentaDoc& doc, int n) {
    gLlamadas.clear();
    doc.Modify(false);
    const int r = vista.Recalcular(n);
    EXPECT_TRUE(doc.IsModified()) << vista.DameNombrePagina() << " " << n;
    return std::make_pair(r, gLlamadas);
  };

  renta::CRentaDoc docOrdinaria;
  renta::CRentaDoc docSimplificada;
  ORD002 ordinaria;
  renta::SIM002 simplificada;
  ordinaria.SetDocument(&docOrdinaria);
  simplificada.SetDocument(&docSimplificada);
  ordinaria.PonerFuncionesCalculo(funciones);
  simplificada.PonerFuncionesCalculo(funciones);
  int conCalculo = 0;
  for (int n = 0; n <= 46; ++n) {
    const auto o = llamadas(ordinaria, docOrdinaria, n);
    const auto s = llamadas(simplificada, docSimplificada, n);
    EXPECT_EQ(o, s) << n;
    conCalculo += o.first;
  }
  EXPECT_EQ(conCalculo, 11 + 6 + 7 + 2);
  EXPECT_EQ(llamadas(ordinaria, docOrdinaria, 43).second,
            (std::vector<std::pair<char, int>>{{'C', 8}, {'F', -1}, {'A', -1}}));
  // The views go first and leave their documents' lists as they go.
}

TEST(ORD002, LaListaDePaginasLaEncuentraPorSuNombre) {
  const auto clases = ordinaria::ClasesPaginasD100();
  ASSERT_FALSE(clases.empty());
  EXPECT_NE(std::find(clases.begin(), clases.end(), wxCLASSINFO(ORD002)), clases.end());
  EXPECT_EQ(renta::PaginasFormulario(2)[1], "ORD002");
  EXPECT_EQ(wxClassInfo::FindClass("ORD002"), wxCLASSINFO(ORD002));
  std::unique_ptr<wxObject> creada(wxClassInfo::FindClass("ORD002")->CreateObject());
  auto* vista = dynamic_cast<ORD002*>(creada.get());
  ASSERT_NE(vista, nullptr);
  EXPECT_EQ(vista->DameNumeroPagina(), 202);
  EXPECT_EQ(vista->DameNombrePagina(), "ORD002");
  EXPECT_NE(dynamic_cast<ordinaria::CControlesORD002*>(vista->DameControles()), nullptr);
}

// ---- in a window ----

using ::pruebas::Esperar;

void Guardar(const wxImage& img, const std::string& nombre) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  img.SaveFile(wxString(::testing::TempDir()) + nombre, wxBITMAP_TYPE_PNG);
}

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

// The page as the view paints it.
wxImage Dibujo(ORD002& vista) {
  const wxSize tam = vista.DameVentana()->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC memoria(bitmap);
    vista.OnDraw(&memoria);
  }
  return bitmap.ConvertToImage();
}

class ORD002Ventana : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-ord002-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::create_directories(m_dir);
    ASSERT_EQ(marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
    marco::PonerZoomTexto("1.0");
    marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
  }
  void TearDown() override {
    marco::QuitarDialogoDetalle("IDD_RDTO_TRABAJO");
    marco::CerrarBasesDatos();
    marco::PonerDirBase("");
    marco::PonerZoomTexto("");
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }
  fs::path m_dir;
};

TEST_F(ORD002Ventana, ElDetalleDeLaCasilla3RecalculaLaPagina) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion;
  // The work-income dialog, as the user fills it: one payer row of the declarant.
  std::vector<std::size_t> tamanos;
  marco::RegistrarDialogoDetalle("IDD_RDTO_TRABAJO", 6 * 104, [&](marco::SPeticionDetalle& p) {
    tamanos.push_back(p.bloque.size());
    p.bloque[0] = 2;
    const double pagado = 1500000.0;
    std::memcpy(p.bloque.data() + 8, &pagado, sizeof pagado);
    return marco::kDialogoAceptado;
  });

  renta::CRentaDoc doc;
  doc.PonerTipoDec(marco::kTipoDecOrdinaria);
  // The declarant's tax number and names, which the page header shows.
  unsigned char* id = doc.Datos().Identificacion.octetos;
  std::memcpy(id + renta::kDespNif + renta::kAnchoNif, "12345678Z", 9);
  std::memcpy(id + renta::kDespNombre1 + renta::kAnchoNombre, "GARCIA LOPEZ   ", 15);
  std::memcpy(id + renta::kDespNombre2 + renta::kAnchoNombre, "ANA            ", 15);
  ASSERT_EQ(doc.MostrarPagina(wxCLASSINFO(ORD002), 0, 0), 1);
  auto* vista = dynamic_cast<ORD002*>(doc.BuscarVista(wxCLASSINFO(ORD002)));
  ASSERT_NE(vista, nullptr);
  auto* ventana = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(ventana, nullptr);
  ventana->SetClientSize(1100, 760);
  ventana->Move(0, 0);
  Esperar();
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
  ASSERT_EQ(vista->NumeroCampos(), renta::kCasillasTrabajoCapital);
  EXPECT_EQ(vista->DameCampo(0)->Texto, "12345678Z");
  EXPECT_EQ(vista->DameCampo(1)->Texto, "GARCIA LOPEZ ANA");
  Guardar(Captura(vista->DameVentana()), "ord002-pantalla.png");

  // The page opens on box 3, the first the user fills; a key there opens its detail window.
  ASSERT_EQ(vista->DameCampoActivo(), 2);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  edit->AlCaracter('1');
  Esperar();
  EXPECT_EQ(tamanos, (std::vector<std::size_t>{624}));
  EXPECT_EQ(doc.Datos().RendTrabajo.octetos[40], 2);
  // The page ran section A and the whole recalculation: box 3 shows the declarant's gross work income.
  EXPECT_EQ(DobleEn(doc, kBase + 8), 1500000.0);
  EXPECT_GT(DobleEn(doc, kTrabajo + 944 + 8), 0.0);
  EXPECT_TRUE(doc.IsModified());
  vista->DameCampo(2)->ActualizarTexto();
  EXPECT_EQ(vista->DameCampo(2)->Texto, "1.500.000");
  Guardar(Dibujo(*vista), "ord002-calculada.png");
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();

  delete vista;
  Esperar(5);
}

}  // namespace
