// The date, tick, yes/no and detail-opening box edits in real windows (under Xvfb): a date typed with the keyboard,
// a tick box toggled with the keyboard and the mouse, Tab in a yes/no box moving like Down, and a detail box whose
// "..." button, double click and typed key open a registered dialog that runs modally on a copy of the block.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/panel.h>

#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "EditPrueba.h"
#include "PruebasWx.h"
#include "framework/DialogoPlantilla.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditExVentana.h"
#include "framework/EditFecha.h"
#include "framework/EditSiNo.h"
#include "framework/TemplateDlg.h"
#include "framework/TemplateDlgReglas.h"

namespace marco {
namespace {

using pruebas_edit::Caja;

class EditCasillasVentana : public pruebas_edit::CFixtureEdit {
 protected:
  void SetUp() override {
    pruebas_edit::CFixtureEdit::SetUp();
    if (!pruebas::HayPantalla()) return;
    marco_ = new wxFrame(nullptr, wxID_ANY, "casillas", wxDefaultPosition, wxSize(500, 300));
    panel_ = new wxPanel(marco_);
    panel_->Bind(EVT_AVISO_CAMPO, [this](wxCommandEvent& e) { avisos_.emplace_back(e.GetId(), e.GetInt()); });
    panel_->Bind(wxEVT_CHAR, [this](wxKeyEvent& e) { caracteres_.push_back(e.GetKeyCode()); });
    panel_->Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& e) { teclas_.push_back(e.GetKeyCode()); });
    marco_->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    QuitarDialogoDetalle("IDD_TIT1DAT1");
    if (marco_ != nullptr) marco_->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
    pruebas_edit::CFixtureEdit::TearDown();
  }

  // A key as the system delivers it: the key-down, and the character when the key-down was left to the control.
  static void Pulsar(wxWindow* ventana, int codigo, wxChar unicode = WXK_NONE, bool mayusculas = false) {
    wxKeyEvent abajo(wxEVT_KEY_DOWN);
    abajo.m_keyCode = codigo;
    abajo.SetShiftDown(mayusculas);
    abajo.SetEventObject(ventana);
    if (ventana->GetEventHandler()->ProcessEvent(abajo) || unicode == WXK_NONE) return;
    wxKeyEvent caracter(wxEVT_CHAR);
    caracter.m_keyCode = static_cast<int>(unicode);
    caracter.m_uniChar = unicode;
    caracter.SetShiftDown(mayusculas);
    caracter.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(caracter);
  }
  static void Escribir(wxWindow* ventana, const char* texto) {
    for (const char* c = texto; *c != '\0'; ++c) Pulsar(ventana, *c, static_cast<wxChar>(*c));
  }
  static void Raton(wxWindow* ventana, wxEventType tipo) {
    wxMouseEvent evento(tipo);
    evento.SetPosition(wxPoint(3, 3));
    evento.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(evento);
  }
  static CCampo Situada(CCampo campo) {
    campo.Coor_1 = 100;
    campo.Coor_2 = 40;
    campo.Coor_3 = 220;
    campo.Coor_4 = 70;
    return campo;
  }
  std::vector<int> Codigos() const {
    std::vector<int> codigos;
    for (const auto& a : avisos_) codigos.push_back(a.second);
    return codigos;
  }
  int Veces(int codigo) const {
    const std::vector<int> c = Codigos();
    return static_cast<int>(std::count(c.begin(), c.end(), codigo));
  }

  wxFrame* marco_ = nullptr;
  wxPanel* panel_ = nullptr;
  std::vector<std::pair<int, int>> avisos_;
  std::vector<int> caracteres_;
  std::vector<int> teclas_;
};

TEST_F(EditCasillasVentana, FechaTecleada) {
  REQUIERE_PANTALLA();
  std::array<char, 8> dato;
  dato.fill(' ');
  CCampo campo = Situada(Caja("D8", dato.data(), 12));
  CFechaEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  edit.AlGanarFoco();
  ventana->SetSelection(0, 0);
  EXPECT_EQ(ventana->GetValue(), "  /  /    ");

  Escribir(ventana, "3112");
  EXPECT_EQ(ventana->GetValue(), "31/12/    ");
  EXPECT_EQ(ventana->GetInsertionPoint(), 6);
  Escribir(ventana, "99");
  // A letter is refused; Tab from the year completes it and goes to the parent.
  Escribir(ventana, "a");
  Pulsar(ventana, WXK_TAB, WXK_TAB);
  EXPECT_EQ(ventana->GetValue(), "31/12/1999");
  EXPECT_EQ(std::string(dato.data(), 8), "31121999");
  EXPECT_EQ(caracteres_, std::vector<int>{WXK_TAB});
  // Up from the day leaves backwards; Down from the day goes to the month.
  ventana->SetSelection(0, 0);
  Pulsar(ventana, WXK_DOWN);
  EXPECT_EQ(ventana->GetInsertionPoint(), 3);
  EXPECT_TRUE(teclas_.empty());
  ventana->SetSelection(0, 0);
  Pulsar(ventana, WXK_UP);
  EXPECT_EQ(teclas_, std::vector<int>{WXK_UP});
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(EditCasillasVentana, CasillaConTecladoYRaton) {
  REQUIERE_PANTALLA();
  std::array<unsigned char, 1> dato{0};
  CCampo campo = Situada(Caja("B1", dato.data(), 8));
  CCasillaEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  edit.MostrarValor(0);

  Pulsar(ventana, ' ', ' ');
  EXPECT_EQ(ventana->GetValue(), "X");
  EXPECT_EQ(dato[0], 1);
  Raton(ventana, wxEVT_LEFT_DOWN);
  EXPECT_EQ(ventana->GetValue(), " ");
  EXPECT_EQ(dato[0], 0);
  Raton(ventana, wxEVT_LEFT_DOWN);
  EXPECT_EQ(dato[0], 1);
  EXPECT_EQ(Veces(kAvisoValorCambiado), 3);
  for (const auto& aviso : avisos_) EXPECT_EQ(aviso.first, 8);
  Pulsar(ventana, WXK_DELETE);
  EXPECT_EQ(ventana->GetValue(), "");
  EXPECT_EQ(dato[0], 0);
  EXPECT_EQ(Codigos().back(), kAvisoCampoBorrado);
}

TEST_F(EditCasillasVentana, TabEnSiNoBajaComoLaFlecha) {
  REQUIERE_PANTALLA();
  unsigned char valor = kValorSinRespuesta;
  CSiNoEdit edit;
  edit.AsignarDato(&valor);
  ASSERT_EQ(edit.CrearEnDialogo(panel_, 40, 10, 10, 40, 20, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  Pulsar(ventana, 'S', 's');
  EXPECT_EQ(ventana->GetValue(), "SI");
  EXPECT_EQ(valor, kValorSi);
  Pulsar(ventana, WXK_TAB, WXK_TAB);
  EXPECT_EQ(caracteres_, std::vector<int>{WXK_TAB});
  EXPECT_EQ(teclas_, std::vector<int>{WXK_DOWN});
  Pulsar(ventana, WXK_TAB, WXK_TAB, true);
  EXPECT_EQ(teclas_, (std::vector<int>{WXK_DOWN, WXK_UP}));
  EXPECT_EQ(Codigos(), (std::vector<int>{kAvisoTextoCambiara, kAvisoTextoCambiado, kAvisoValorCambiado,
                                         kAvisoTabulador, kAvisoTabulador}));
}

// The detail block of the test dialog, and the dialog: one amount of the block, typed by its script.
struct SBloque {
  std::int32_t clave;
  double total;
};

constexpr int kIdTotal = 1201;

class CDlgDetallePrueba : public CTemplateDlg {
 public:
  CDlgDetallePrueba(wxWindow* padre, std::int32_t segundo, std::function<void(CDlgDetallePrueba&)> guion)
      : CTemplateDlg(142, padre, segundo), m_guion(std::move(guion)) {
    CPlantillaDialogo p(200, 60, "DETALLE");
    p.Estatico(-1, "Total", {4, 6, 40, 10});
    p.CampoEdit(kIdTotal, {50, 4, 60, 12}, m_total);
    p.Aceptar({80, 40, 50, 16}).Cancelar({134, 40, 50, 16});
    Plantilla() = p;
  }
  int OnInitDialog() override {
    CTemplateDlg::OnInitDialog();
    m_total.AsignarDato(&copia.total);
    ActualizarDatosHijos(*this, 0);
    wxTheApp->CallAfter([this] { m_guion(*this); });
    return 1;
  }
  void OnOK() override {
    ActualizarDatosHijos(*this, 1);
    CTemplateDlg::OnOK();
  }
  CDoubleEdit& Total() { return m_total; }

  SBloque copia{};

 private:
  CDoubleEdit m_total{10, 2};
  std::function<void(CDlgDetallePrueba&)> m_guion;
};

TEST_F(EditCasillasVentana, DetalleAbreUnDialogoRegistrado) {
  REQUIERE_PANTALLA();
  SBloque bloque{7, 100.0};
  std::vector<std::string> titulos;
  std::vector<std::string> vistos;  // what the dialog's amount showed as it came up
  bool aceptar = true;
  RegistrarDialogoDetalle("IDD_TIT1DAT1", sizeof(SBloque), [&](SPeticionDetalle& p) {
    CDlgDetallePrueba dlg(p.padre, p.segundoParametro, [&](CDlgDetallePrueba& d) {
      vistos.push_back(d.Total().Texto());
      d.Total().PonerTexto("250,5");
      d.Pulsar(aceptar ? kIdAceptar : kIdCancelar);
    });
    std::memcpy(&dlg.copia, p.bloque.data(), sizeof dlg.copia);
    dlg.FijarEntorno(SEntornoDialogo{p.sujeto, false, false, false});
    PrepararDialogoDetalle(dlg, p);
    titulos.push_back(dlg.Titulo());
    const int r = dlg.DoModal();
    if (r == kDialogoAceptado) std::memcpy(p.bloque.data(), &dlg.copia, sizeof dlg.copia);
    return r;
  });

  double importe = 100.0;
  CCampo campo = Situada(Caja("F9.2", &importe, 31));
  campo.NombreVent = "IDD_TIT1DAT1*1";
  campo.TituloVent = "RENDIMIENTOS DEL TRABAJO";
  campo.Enlace = &bloque;
  CImporteDetalleEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  // The button is the square of the edit's height at its right edge, and the edit gave up that room.
  wxWindow* boton = edit.BotonDetalle();
  ASSERT_NE(boton, nullptr);
  EXPECT_EQ(boton->GetId(), kIdBotonDetalle);
  EXPECT_EQ(boton->GetParent(), panel_);
  const wxRect rEdit = ventana->GetRect();
  EXPECT_EQ(boton->GetRect(), wxRect(rEdit.GetRight() + 1, rEdit.y, rEdit.height, rEdit.height));
  EXPECT_EQ(rEdit.width + rEdit.height, 114);

  // The button: OK writes the dialog's copy back and the page hears 0x402.
  wxCommandEvent clic(wxEVT_BUTTON, kIdBotonDetalle);
  clic.SetEventObject(boton);
  boton->GetEventHandler()->ProcessEvent(clic);
  EXPECT_DOUBLE_EQ(bloque.total, 250.5);
  EXPECT_EQ(bloque.clave, 7);
  EXPECT_EQ(Veces(kAvisoValorFijado), 1);
  EXPECT_EQ(titulos, std::vector<std::string>{"RENDIMIENTOS DEL TRABAJO"});

  // A double click, Cancel: nothing changes and nothing is sent.
  bloque.total = 100.0;
  aceptar = false;
  Raton(ventana, wxEVT_LEFT_DCLICK);
  EXPECT_EQ(titulos.size(), 2u);
  EXPECT_DOUBLE_EQ(bloque.total, 100.0);
  EXPECT_EQ(Veces(kAvisoValorFijado), 1);
  // A typed digit opens it too, and goes on into the dialog's amount instead of the box.
  aceptar = true;
  Escribir(ventana, "4");
  EXPECT_EQ(titulos.size(), 3u);
  EXPECT_EQ(vistos, (std::vector<std::string>{"100", "100", "4"}));
  EXPECT_DOUBLE_EQ(bloque.total, 250.5);
  EXPECT_EQ(Veces(kAvisoValorFijado), 2);
  EXPECT_EQ(ventana->GetValue().Find('4'), wxNOT_FOUND);

  // The button goes with the edit's window.
  edit.DestruirVentana();
  wxTheApp->ProcessIdle();
  EXPECT_EQ(edit.BotonDetalle(), nullptr);
  EXPECT_EQ(wxWindow::FindWindowById(kIdBotonDetalle, panel_), nullptr);

  // A read-only detail box has no button.
  CCampo soloLectura = Situada(Caja("F9.2", &importe, 32));
  soloLectura.NombreVent = "IDD_TIT1DAT1";
  soloLectura.Enlace = &bloque;
  CImporteDetalleEdit fija(soloLectura);
  fija.PonerSoloLectura(true);
  ASSERT_EQ(fija.CrearEnVista(panel_, 0, 0, nullptr), 1);
  EXPECT_EQ(fija.BotonDetalle(), nullptr);
}

// After OK the box shows the total the page recalculated from the dialog's block, though the keyboard came back to
// it before the block was written.
TEST_F(EditCasillasVentana, TrasAceptarLaCasillaMuestraElTotalNuevo) {
  REQUIERE_PANTALLA();
  SBloque bloque{7, 100.0};
  RegistrarDialogoDetalle("IDD_TIT1DAT1", sizeof(SBloque), [&](SPeticionDetalle& p) {
    CDlgDetallePrueba dlg(p.padre, p.segundoParametro, [&](CDlgDetallePrueba& d) {
      d.Total().PonerTexto("250,5");
      d.Pulsar(kIdAceptar);
    });
    std::memcpy(&dlg.copia, p.bloque.data(), sizeof dlg.copia);
    dlg.FijarEntorno(SEntornoDialogo{p.sujeto, false, false, false});
    PrepararDialogoDetalle(dlg, p);
    const int r = dlg.DoModal();
    if (r == kDialogoAceptado) std::memcpy(p.bloque.data(), &dlg.copia, sizeof dlg.copia);
    return r;
  });
  double importe = 100.0;
  // The page takes the box's value from the block when it hears 0x402.
  panel_->Bind(EVT_AVISO_CAMPO, [&](wxCommandEvent& e) {
    if (e.GetInt() == kAvisoValorFijado) importe = bloque.total;
    e.Skip();
  });
  CCampo campo = Situada(Caja("F9.2", &importe, 31));
  campo.NombreVent = "IDD_TIT1DAT1*1";
  campo.Enlace = &bloque;
  CImporteDetalleEdit edit(campo);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  CVentanaEdit* ventana = edit.DameVentana();
  ventana->SetFocus();
  pruebas::Esperar(5);
  EXPECT_EQ(ventana->GetValue(), "100");
  Escribir(ventana, "4");
  pruebas::Esperar(5);
  EXPECT_DOUBLE_EQ(importe, 250.5);
  EXPECT_EQ(ventana->GetValue(), "250,5");
}

TEST_F(EditCasillasVentana, CasillaDeDialogoQuitaSuGrupoConLaVentana) {
  REQUIERE_PANTALLA();
  unsigned char marca = 0;
  int enlace = 0;
  CCampo campo = Situada(Caja("B2", &marca, 15));
  campo.NombreVent = "IDD_IGLESIAS";
  campo.Enlace = &enlace;
  CEditDialogo edit(campo);
  RegistrarGrupoCasillas(2, 15, panel_);
  ASSERT_EQ(edit.CrearEnVista(panel_, 0, 0, nullptr), 1);
  ASSERT_NE(edit.BotonDetalle(), nullptr);
  // Not registered in this program: the user is told, nothing opens.
  Raton(edit.DameVentana(), wxEVT_LEFT_DCLICK);
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"DETA001"});
  EXPECT_EQ(marca, 0);

  edit.DestruirVentana();
  wxTheApp->ProcessIdle();
  EXPECT_EQ(edit.BotonDetalle(), nullptr);
  EXPECT_EQ(EsGrupoCasillasRegistrado(2, panel_), 0);
}

}  // namespace
}  // namespace marco
