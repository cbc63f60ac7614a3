// The findings list as a window (under Xvfb): fixture findings listed with their pictures, a double click on a row
// that asks the main window to go to the finding's page and box, the hints and buttons as the findings say, the
// resize rule, Esc, and the list printed onto a PDF file.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/stattext.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/DlgErrores.h"
#include "framework/GridCtrl.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Texto.h"

namespace marco {
namespace {

// The main window's "go to page and box" request, as the program's main frame receives it: a command event with
// the page in its integer and the box in its extra long.
wxDEFINE_EVENT(EVT_PRUEBA_IR_A_APARTADO, wxCommandEvent);
constexpr int kMensajeIrAApartado = 0x40B;

constexpr const char* kTablas =
    "TABLA Corregix\n"
    "CAMPO clave     C 50\n"
    "CAMPO coderror  C 7\n"
    "CAMPO tipdecla  N 2 0\n"
    "CAMPO vista     N 4 0\n"
    "CAMPO severidad N 2 0\n"
    "CAMPO numcontr  N 4 0\n"
    "ETIQUETA CLAVE clave+coderror\n"
    "FILAS\n"
    "PEPE|100R129|4|2|0|12\n"
    "PEPE|100V197|4|7|1|31\n"
    "PEPE|104R002|4|100|0|5\n";

constexpr const char* kMensajes =
    "TABLA ERRORESE\n"
    "CAMPO Coderror   C 7\n"
    "CAMPO numbotones N 1 0\n"
    "CAMPO TextBotone C 20\n"
    "CAMPO TituError  C 40\n"
    "CAMPO TextError  C 254\n"
    "ETIQUETA CLAVE Coderror\n"
    "FILAS\n"
    "100R129|1|ACEPTAR@|AVISO|La casilla 12 no coincide con la suma\n"
    "100V197|1|ACEPTAR@|ERROR|Falta el NIF del c\xC3\xB3nyuge\\\\ny su fecha de nacimiento\n"
    "104R002|1|ACEPTAR@|AVISO|Revise los datos familiares\n";

class DlgErroresVentana : public pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    if (!::pruebas::HayPantalla()) return;
    PonerIdiomaV("e");
    CrearTabla("Corregix", kTablas);
    CrearTabla("ERRORESE", kMensajes);
    red_.Abrir(Carpeta(), true, 3, "DBF");
    local_.Abrir(Carpeta(), false, 1, "DBF");
    fuente_ = std::make_unique<CFuenteAvisosTablas>(&red_, &local_);
    marco_ = new wxFrame(nullptr, wxID_ANY, "korvelix", wxDefaultPosition, wxSize(900, 700));
    marco_->Bind(EVT_PRUEBA_IR_A_APARTADO, [this](wxCommandEvent& e) {
      idas_.push_back({e.GetId(), e.GetInt(), e.GetExtraLong()});
    });
    marco_->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (marco_ != nullptr) marco_->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
    CCarpetaTablas::TearDown();
  }

  // Runs the list modally over the frame; `guion` runs once the modal loop is up, with the dialog's window.
  int Ejecutar(CDlgErrores& dlg, std::function<void(wxWindow*)> guion) {
    dlg.PonerClave("PEPE");
    dlg.PonerFuente(fuente_.get());
    wxFrame* marco = marco_;
    dlg.PonerDestinoIrA([marco](int pagina, long casilla) {
      auto* evento = new wxCommandEvent(EVT_PRUEBA_IR_A_APARTADO, kMensajeIrAApartado);
      evento->SetInt(pagina);
      evento->SetExtraLong(casilla);
      wxQueueEvent(marco, evento);
    });
    wxTheApp->CallAfter([&dlg, guion] {
      auto* ventana = dynamic_cast<wxWindow*>(dlg.Ventana());
      guion(ventana);
      // A script that left the list open closes it.
      if (dlg.Ventana() != nullptr) dlg.OnCancel();
    });
    const int resultado = dlg.DoModal();
    wxTheApp->ProcessPendingEvents();
    return resultado;
  }

  static CGridCtrl* Grid(wxWindow* dialogo) {
    return dynamic_cast<CGridCtrl*>(wxWindow::FindWindowById(kIdListaAvisos, dialogo));
  }
  static std::string Texto(wxWindow* dialogo, int id) {
    auto* estatico = dynamic_cast<wxStaticText*>(wxWindow::FindWindowById(id, dialogo));
    if (estatico == nullptr) return "?";
    // The window breaks long texts into lines at their blanks.
    std::string texto = plataforma::Utf8ACp1252(estatico->GetLabelText().utf8_string());
    std::replace(texto.begin(), texto.end(), '\n', ' ');
    return texto;
  }
  static void Raton(CGridCtrl* grid, wxEventType tipo, wxPoint p, bool izquierdo) {
    wxMouseEvent evento(tipo);
    evento.SetPosition(p);
    evento.SetLeftDown(izquierdo);
    evento.SetEventObject(grid);
    grid->GetEventHandler()->ProcessEvent(evento);
  }
  static wxPoint Centro(CGridCtrl* grid, int fila, int columna) {
    plataforma::CRectangulo r;
    grid->Modelo().RectanguloCelda(fila, columna, r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  struct SIda {
    int id;
    int pagina;
    long casilla;
  };

  CBaseDatos red_;
  CBaseDatos local_;
  std::unique_ptr<CFuenteAvisosTablas> fuente_;
  CGuionMensajes guion_;
  wxFrame* marco_ = nullptr;
  std::vector<SIda> idas_;
};

TEST_F(DlgErroresVentana, DobleClicEnUnaFilaVaASuPaginaYCasilla) {
  REQUIERE_PANTALLA();
  CDlgErrores dlg(marco_);
  bool visto = false;
  const int resultado = Ejecutar(dlg, [&](wxWindow* dialogo) {
    ASSERT_NE(dialogo, nullptr);
    CGridCtrl* grid = Grid(dialogo);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->DameNumeroFilas(), 4);
    EXPECT_EQ(grid->DameTextoCelda(2, 0), "100V197");
    EXPECT_EQ(grid->DameTextoCelda(2, 1), "Falta el NIF del c\xF3nyuge\\ny su fecha de nacimiento");
    EXPECT_EQ(grid->DameAltoFila(2), 2 * grid->Modelo().DameAltoDefecto());
    // The pictures of the list came from the program's strip.
    EXPECT_TRUE(grid->Modelo().TieneImagenes());
    EXPECT_EQ(grid->Modelo().DameAnchoImagen(), 16);
    EXPECT_EQ(grid->Modelo().Celda(2, 0)->nImagen, kImagenError);
    // An error: no printing, the verdict and both pictures stay.
    EXPECT_FALSE(wxWindow::FindWindowById(kIdImprimirDeclaracion, dialogo)->IsEnabled());
    EXPECT_TRUE(wxWindow::FindWindowById(kIdRevisar, dialogo)->IsEnabled());
    EXPECT_FALSE(wxWindow::FindWindowById(kIdValidacionDetallada, dialogo)->IsEnabled());
    EXPECT_EQ(Texto(dialogo, kIdTextoVeredicto), std::string(TextoInicialAvisos(kIdTextoVeredicto)));
    EXPECT_TRUE(wxWindow::FindWindowById(kIdImagenErrores, dialogo)->IsShown());

    const wxPoint p = Centro(grid, 2, 1);
    Raton(grid, wxEVT_LEFT_DOWN, p, true);
    Raton(grid, wxEVT_LEFT_UP, p, false);
    Raton(grid, wxEVT_LEFT_DCLICK, p, true);
    Raton(grid, wxEVT_LEFT_UP, p, false);
    visto = true;
  });
  EXPECT_TRUE(visto);
  EXPECT_EQ(resultado, kResultadoIrAAviso);
  ASSERT_EQ(idas_.size(), 1u);
  EXPECT_EQ(idas_[0].id, 0x40B);
  EXPECT_EQ(idas_[0].pagina, 7);
  EXPECT_EQ(idas_[0].casilla, 31);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(DlgErroresVentana, CabeceraRedimensionEscapeEImpresionDeLaLista) {
  REQUIERE_PANTALLA();
  CDlgErrores dlg(marco_);
  const std::string pdf = Carpeta() + "avisos.pdf";
  int paginas = 0;
  const int resultado = Ejecutar(dlg, [&](wxWindow* dialogo) {
    ASSERT_NE(dialogo, nullptr);
    CGridCtrl* grid = Grid(dialogo);
    ASSERT_NE(grid, nullptr);
    // A double click on the heading goes nowhere and the list stays.
    const wxPoint cabecera = Centro(grid, 0, 1);
    Raton(grid, wxEVT_LEFT_DCLICK, cabecera, true);
    Raton(grid, wxEVT_LEFT_UP, cabecera, false);
    EXPECT_NE(dlg.Ventana(), nullptr);

    // Growing the window: the grid grows, the buttons move by as much.
    wxWindow* cancelar = wxWindow::FindWindowById(kIdCancelarAvisos, dialogo);
    const wxRect antesGrid = grid->GetRect();
    const wxRect antesBoton = cancelar->GetRect();
    const wxSize cliente = dialogo->GetClientSize();
    dialogo->SetClientSize(cliente.x + 40, cliente.y + 30);
    wxTheApp->Yield(true);
    const wxSize ahora = dialogo->GetClientSize();
    const int dx = ahora.x - cliente.x;
    const int dy = ahora.y - cliente.y;
    EXPECT_GT(dx, 0);
    EXPECT_GT(dy, 0);
    EXPECT_EQ(grid->GetRect(), wxRect(antesGrid.x, antesGrid.y, antesGrid.width + dx, antesGrid.height + dy));
    EXPECT_EQ(cancelar->GetRect(), wxRect(antesBoton.x + dx, antesBoton.y + dy, antesBoton.width, antesBoton.height));

    paginas = ImprimirListaEnPdf(*grid, pdf);

    wxKeyEvent esc(wxEVT_CHAR_HOOK);
    esc.m_keyCode = WXK_ESCAPE;
    esc.SetEventObject(grid);
    dialogo->GetEventHandler()->ProcessEvent(esc);
  });
  EXPECT_EQ(resultado, kResultadoCancelar);
  EXPECT_TRUE(idas_.empty());
  EXPECT_EQ(paginas, 1);
  std::ifstream fichero(pdf, std::ios::binary);
  std::string cabecera(5, '\0');
  fichero.read(cabecera.data(), 5);
  EXPECT_EQ(cabecera, "%PDF-");
}

TEST_F(DlgErroresVentana, ModoFicheroEscribe) {
  REQUIERE_PANTALLA();
  CrearTabla("Corregix", std::string(kTablas).substr(0, std::string(kTablas).find("PEPE|100V197")));
  CDlgErrores dlg(marco_);
  dlg.PonerModoFichero(true);
  const int resultado = Ejecutar(dlg, [&](wxWindow* dialogo) {
    ASSERT_NE(dialogo, nullptr);
    wxWindow* escribir = wxWindow::FindWindowById(kIdImprimirDeclaracion, dialogo);
    ASSERT_NE(escribir, nullptr);
    EXPECT_TRUE(escribir->IsEnabled());
    EXPECT_EQ(escribir->GetLabel(), "Escribir");
    EXPECT_EQ(Texto(dialogo, kIdTextoVeredicto), std::string(TextoCadenaAvisos(kCadenaPuedeEscribir)));
    EXPECT_EQ(Texto(dialogo, kIdTextoNotaAvisos), std::string(TextoCadenaAvisos(kCadenaRevisarAvisos)));
    EXPECT_FALSE(wxWindow::FindWindowById(kIdImagenErrores, dialogo)->IsShown());
    wxCommandEvent pulsacion(wxEVT_BUTTON, kIdImprimirDeclaracion);
    pulsacion.SetEventObject(escribir);
    escribir->GetEventHandler()->ProcessEvent(pulsacion);
  });
  EXPECT_EQ(resultado, kResultadoEscribir);
}

}  // namespace
}  // namespace marco
