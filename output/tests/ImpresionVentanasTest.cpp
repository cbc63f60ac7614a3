// The windows of printing: the print dialog forwards to its rules, the print frame never shows, the progress
// window's Cancel stops the run, recorded sheets reach a drawing surface, the notices hold their texts, and the
// draft view draws its pages from the declaration's source and opens the preview.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "framework/DialogoPlantilla.h"
#include "framework/MensajeGuion.h"
#include "output/DlgImprimir.h"
#include "output/ImpresionAvisos.h"
#include "output/ImpresionImpresora.h"
#include "output/ImpresionMarco.h"
#include "output/Prevista.h"
#include "output/ProgresoImpresion.h"
#include "PruebasWx.h"

using namespace salida;

namespace {

CInfoImpresion Info(bool impresaAntes) {
  CInfoImpresion info;
  info.rango = {1, 10, 1, 10};
  info.impresaAntes = impresaAntes;
  return info;
}

TEST(VentanasImpresion, DialogoSinImprimirAntesNoOfreceRango) {
  REQUIERE_PANTALLA();
  wxPrintData datos;
  for (const bool antes : {false, true}) {
    SCOPED_TRACE(antes);
    auto* dlg = new CDlgImprimir(nullptr, Info(antes), datos);
    auto* paginas = dynamic_cast<wxRadioButton*>(dlg->FindWindow(kIdPaginas));
    auto* desde = dlg->FindWindow(kIdDesde);
    ASSERT_NE(paginas, nullptr);
    ASSERT_NE(desde, nullptr);
    EXPECT_EQ(paginas->IsEnabled(), antes);
    EXPECT_FALSE(desde->IsEnabled());
    dlg->Reglas().ElegirPaginas(true);
    dlg->ActualizarControles();
    EXPECT_EQ(desde->IsEnabled(), antes);
    // A page outside the span keeps the dialog open.
    if (antes) {
      dynamic_cast<wxTextCtrl*>(desde)->ChangeValue("11");
      EXPECT_FALSE(dlg->GuardarControles());
      dynamic_cast<wxTextCtrl*>(desde)->ChangeValue("2");
      EXPECT_TRUE(dlg->GuardarControles());
      EXPECT_EQ(dlg->Reglas().Rango().desde, 2);
    }
    dlg->Destroy();
  }
}

TEST(VentanasImpresion, MarcoDeImpresionNuncaSeMuestra) {
  REQUIERE_PANTALLA();
  auto* marco = new CPrintFrame(nullptr);
  EXPECT_FALSE(marco->Show(true));
  marco->Maximize(true);
  marco->Iconize(false);
  EXPECT_FALSE(marco->IsShown());
  marco->Destroy();
}

TEST(VentanasImpresion, CancelarDelProgresoPideParar) {
  REQUIERE_PANTALLA();
  PonerImpresionCancelada(false);
  auto* dlg = new CDlgImprimiendo(nullptr);
  EXPECT_TRUE(dlg->IsShown());
  dlg->MostrarDocumento("Imprimiendo GARCIA sobre PDF en el puerto x  ");
  dlg->MostrarPagina("Imprimiendo p\xE1g: 1 de 10");
  EXPECT_EQ(dlg->FindWindow(kIdLineaPagina)->GetLabel(), wxString::FromUTF8("Imprimiendo p\xC3\xA1g: 1 de 10"));
  BombearMensajes();
  dlg->OnCancel();
  EXPECT_TRUE(ImpresionCancelada());
  EXPECT_FALSE(dlg->IsShown());
  PonerImpresionCancelada(false);
  dlg->Destroy();
}

TEST(VentanasImpresion, HojaGrabadaLlegaAUnaSuperficieWx) {
  REQUIERE_PANTALLA();
  CDestinoGrabado grabado({}, {400, 600}, 50, "x", "");
  ASSERT_TRUE(grabado.IniciarDocumento("t"));
  plataforma::CLienzo* l = grabado.IniciarHoja("h");
  ASSERT_NE(l, nullptr);
  l->RellenarRectangulo({0, 0, 200, 300}, plataforma::kNegro);
  ASSERT_EQ(grabado.TerminarHoja(), kHojaImpresa);
  wxBitmap bitmap(200, 300, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    EXPECT_TRUE(DibujarHojaEnDC(dc, grabado.Hojas()[0], wxSize(200, 300)));
  }
  const wxImage imagen = bitmap.ConvertToImage();
  EXPECT_LT(imagen.GetRed(20, 20), 60);     // the black quarter, stretched to half the bitmap
  EXPECT_GT(imagen.GetRed(150, 250), 200);  // white elsewhere
}

TEST(VentanasImpresion, AvisosConSusTextos) {
  const CDlgAvisoSobreRenta renta;
  const CDlgAvisoSobrePatrimonio patrimonio;
  EXPECT_EQ(renta.IdRecurso(), 1539);
  EXPECT_EQ(patrimonio.IdRecurso(), 1542);
  EXPECT_EQ(renta.Plantilla().TituloPlantilla(), "ATENCI\xD3N");
  EXPECT_EQ(renta.Plantilla().Controles().size(), TextosAvisoSobreRenta().size() + 1);
  EXPECT_EQ(patrimonio.Plantilla().Controles().size(), TextosAvisoSobrePatrimonio().size() + 1);
  EXPECT_NE(renta.Plantilla().Control(1), nullptr);
  EXPECT_EQ(TextosAvisoSobreRenta()[1], "NO OLVIDE");
  EXPECT_EQ(TextosAvisoSobrePatrimonio().size(), 6u);
}

// A declaration's source for the draft: two pages of the wealth-tax form, the second missing from the catalogue.
class CFuentePrueba : public IFuenteBorrador {
 public:
  int creados = 0;
  int TipoFormulario() override { return 3; }
  std::span<const std::uint8_t> DatosRenta() override { return {}; }
  int SujetoActual() override { return 1; }
  bool VistaUnidadFamiliar() override { return true; }
  int LeerPagina(int id, marco::PaginaInfo& info) override {
    if (id != 301) return 0;
    info.idPagina = id;
    info.imagen = "/no/existe.wmf";
    return 1;
  }
  std::shared_ptr<marco::CControlesPagina> CrearCampos(int) override {
    ++creados;
    auto campos = std::make_unique<marco::CControlesPagina>();
    auto c = std::make_unique<marco::CCampo>();
    c->IndNumero = 1;
    c->Identifica = "EJEMPLAR";
    c->StrValidac = "A40";
    c->LeerMascara(marco::kMonedaPesetas);
    c->Coor_1 = 500;
    c->Coor_2 = 40;
    c->Coor_3 = 980;
    c->Coor_4 = 70;
    campos->Anadir(std::move(c));
    return campos;
  }
};

TEST(VentanasImpresion, BorradorDibujaSusPaginasDesdeLaFuente) {
  marco::CGuionMensajes mensajes;
  auto* vista = new CPrevista();
  auto fuente = std::make_unique<CFuentePrueba>();
  CFuentePrueba* f = fuente.get();
  vista->PonerFuente(std::move(fuente));
  vista->CalcularPaginas();
  EXPECT_EQ(vista->Paginas().Total(), 11);
  const plataforma::CTamano t = TamanoA4(60);
  plataforma::CLienzo lienzo = plataforma::CLienzo::Imagen(t.cx, t.cy, 60);
  EXPECT_EQ(vista->DibujarPagina(lienzo, 1), 1);
  // The picture that cannot be opened is told, and the page is drawn without it.
  EXPECT_EQ(mensajes.Codigos(), std::vector<std::string>{"WIN025"});
  EXPECT_NE(mensajes.Mensajes()[0].extra.find("No se ha podido abrir el fichero Metafile: /no/existe.wmf"),
            std::string::npos);
  EXPECT_EQ(f->creados, 1);
  // A page missing from the catalogue: the watermark only, no boxes.
  EXPECT_EQ(vista->DibujarPagina(lienzo, 2), 1);
  EXPECT_EQ(f->creados, 1);
  EXPECT_EQ(vista->DibujarPagina(lienzo, 12), 0);
  delete vista;
}

TEST(VentanasImpresion, LaPaginaDelBorradorCabeEnteraEnLaVistaPrevia) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes mensajes;
  auto vista = std::make_unique<CPrevista>();
  vista->PonerFuente(std::make_unique<CFuentePrueba>());
  vista->CalcularPaginas();
  // The preview gives the printout a picture of the page far smaller than the printer's page in pixels: the whole
  // page is laid on it, so the copy-label box near the top right corner shows there.
  wxBitmap dibujo(210, 297, 24);
  {
    wxMemoryDC dc(dibujo);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    CPrintoutBorrador printout(*vista);
    printout.SetDC(&dc);
    printout.SetPageSizePixels(2480, 3508);
    printout.SetPPIPrinter(300, 300);
    ASSERT_TRUE(printout.OnPrintPage(1));
    printout.SetDC(nullptr);
  }
  const wxImage imagen = dibujo.ConvertToImage();
  int oscurosEtiqueta = 0;
  for (int x = 115; x < 200; ++x) {
    for (int y = 6; y < 16; ++y) {
      if (imagen.GetRed(x, y) < 128) ++oscurosEtiqueta;
    }
  }
  EXPECT_GT(oscurosEtiqueta, 0) << "the copy label of the top right corner is not on the preview's page";
}

TEST(VentanasImpresion, BorradorAbreLaVistaPreviaYSeVaConElla) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes mensajes;
  auto* vista = new CPrevista();
  vista->PonerFuente(std::make_unique<CFuentePrueba>());
  ASSERT_TRUE(vista->OnPresentacionBorrador());
  auto* marco = dynamic_cast<CMyPreviewView*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  EXPECT_TRUE(marco->IsShown());
  BombearMensajes();
  // Closing the preview takes the draft view with it.
  marco->Close(true);
  BombearMensajes();
  wxTheApp->ProcessIdle();
}

}  // namespace
