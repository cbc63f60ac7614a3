// The grid as a window (under Xvfb): what it paints, clicks and double clicks reaching the parent, keys, in-place
// editing, the wheel, the clipboard and the dialog attachment.
#include "framework/GridCtrl.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>
#include <wx/stattext.h>

#include <vector>

#include "PruebasWx.h"

namespace marco {
namespace {

class GridCtrlVentana : public testing::Test {
 protected:
  void SetUp() override {
    if (!pruebas::HayPantalla()) return;
    m_pMarco = new wxFrame(nullptr, wxID_ANY, "Avisos y errores", wxDefaultPosition, wxSize(500, 300));
    m_pPanel = new wxPanel(m_pMarco);
    m_pPanel->Bind(EVT_GRID_NOTIFICACION, [this](CGridEvento& e) { m_avisos.push_back(Copia(e)); });
    m_pPanel->Bind(EVT_GRID_CLIC, [this](CGridEvento& e) { m_clics.push_back(Copia(e)); });
    m_pPanel->Bind(EVT_GRID_DOBLE_CLIC, [this](CGridEvento& e) { m_dobles.push_back(Copia(e)); });
    m_pGrid = new CGridCtrl(m_pPanel, 1004, wxPoint(0, 0), wxSize(400, 200));
    // Set up as the findings list does.
    m_pGrid->QuitarSeleccion();
    m_pGrid->PonEditable(false);
    m_pGrid->PonModoLista(false);
    m_pGrid->Modelo().PonMarcarFoco(false);
    m_pGrid->QuitarSeleccion();
    m_pGrid->PonColorFondoDefecto(0xE0FFFF);
    m_pGrid->PonNumeroFilas(20);
    m_pGrid->PonNumeroColumnas(2);
    m_pGrid->PonFilasFijas(1);
    m_pGrid->PonColumnasFijas(0);
    SGridItem item;
    item.mascara = 0x41;
    item.formato = 0x11;
    item.texto = "Tipo de error";
    m_pGrid->PonCelda(item);
    item.columna = 1;
    item.texto = "Descripci\xF3n";
    m_pGrid->PonCelda(item);
    m_pGrid->PonAnchoColumna(0, 80);
    m_pGrid->PonAnchoColumna(1, 275);
    m_pGrid->PonAltoFila(0, m_pGrid->DameAltoFila(0) * 3 / 2);
    for (int f = 1; f < 20; ++f) m_pGrid->PonTextoCelda(f, 0, "100R00" + std::to_string(f % 10));
    m_pMarco->Show();
    wxTheApp->ProcessIdle();
  }
  void TearDown() override {
    if (m_pMarco != nullptr) m_pMarco->Destroy();
    if (wxTheApp != nullptr) wxTheApp->ProcessIdle();
  }
  static CGridEvento Copia(const CGridEvento& e) {
    CGridEvento c(e.GetEventType(), e.GetId());
    c.PonDatos(e.DameCodigo(), e.DameFila(), e.DameColumna(), e.DameTexto(), e.DameTecla());
    return c;
  }
  void Raton(wxEventType tipo, wxPoint p, bool izquierdo) {
    wxMouseEvent evento(tipo);
    evento.SetPosition(p);
    evento.SetLeftDown(izquierdo);
    evento.SetEventObject(m_pGrid);
    m_pGrid->GetEventHandler()->ProcessEvent(evento);
  }
  void Tecla(wxWindow* ventana, wxEventType tipo, int codigo, wxChar unicode = WXK_NONE) {
    wxKeyEvent evento(tipo);
    evento.m_keyCode = codigo;
    evento.m_uniChar = unicode;
    evento.SetEventObject(ventana);
    ventana->GetEventHandler()->ProcessEvent(evento);
  }
  // The centre of a cell in client coordinates.
  wxPoint Centro(int fila, int columna) const {
    plataforma::CRectangulo r;
    m_pGrid->Modelo().RectanguloCelda(fila, columna, r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  wxFrame* m_pMarco = nullptr;
  wxPanel* m_pPanel = nullptr;
  CGridCtrl* m_pGrid = nullptr;
  std::vector<CGridEvento> m_avisos;
  std::vector<CGridEvento> m_clics;
  std::vector<CGridEvento> m_dobles;
};

TEST_F(GridCtrlVentana, PintaEnUnMapaDeBits) {
  REQUIERE_PANTALLA();
  const wxSize tam = m_pGrid->GetClientSize();
  ASSERT_GT(tam.x, 100);
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC dc(bitmap);
    m_pGrid->DibujarEn(dc);
  }
  const wxImage imagen = bitmap.ConvertToImage();
  auto color = [&](wxPoint p) { return wxColour(imagen.GetRed(p.x, p.y), imagen.GetGreen(p.x, p.y), imagen.GetBlue(p.x, p.y)); };
  const wxPoint celda = Centro(2, 1);
  EXPECT_EQ(color({celda.x + 100, celda.y}), wxColour(255, 255, 224));  // light yellow, past the text
  const wxPoint cabecera = Centro(0, 1);
  EXPECT_EQ(color({cabecera.x + 120, cabecera.y}), wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  EXPECT_EQ(color({79, celda.y}), *wxBLACK);  // the grid line after the first column
  // Something of the text was drawn in the first column of row 1.
  plataforma::CRectangulo r;
  m_pGrid->Modelo().RectanguloCelda(1, 0, r);
  int oscuros = 0;
  for (int y = r.top; y < r.bottom - 1; ++y)
    for (int x = r.left; x < r.right - 1; ++x)
      if (imagen.GetRed(x, y) < 128) ++oscuros;
  EXPECT_GT(oscuros, 5);
}

TEST_F(GridCtrlVentana, ClicYDobleClicLleganAlPadre) {
  REQUIERE_PANTALLA();
  const wxPoint p = Centro(2, 1);
  Raton(wxEVT_LEFT_DOWN, p, true);
  Raton(wxEVT_LEFT_UP, p, false);
  wxTheApp->ProcessPendingEvents();
  EXPECT_EQ(m_pGrid->DameCeldaFoco(), (SCeldaId{2, 1}));
  ASSERT_EQ(m_avisos.size(), 2u);
  EXPECT_EQ(m_avisos[0].DameCodigo(), kGvnAntesCambioFoco);
  EXPECT_EQ(m_avisos[1].DameCodigo(), kGvnCambioFoco);
  EXPECT_EQ(m_avisos[1].DameFila(), 2);
  EXPECT_EQ(m_avisos[1].GetId(), 1004);
  ASSERT_EQ(m_clics.size(), 1u);
  EXPECT_EQ(m_clics[0].DameFila(), 2);

  // With editing off a double click still names the row.
  Raton(wxEVT_LEFT_DCLICK, p, true);
  Raton(wxEVT_LEFT_UP, p, false);
  ASSERT_EQ(m_dobles.size(), 1u);
  EXPECT_EQ(m_dobles[0].DameCodigo(), kMensajeDobleClicGrid);
  EXPECT_EQ(m_dobles[0].DameFila(), 2);
  EXPECT_EQ(m_dobles[0].DameColumna(), 1);
  EXPECT_FALSE(m_pGrid->Editando());
}

TEST_F(GridCtrlVentana, TeclasYEdicionEnSuSitio) {
  REQUIERE_PANTALLA();
  m_pGrid->PonEditable(true);
  m_pGrid->PonCeldaFoco(1, 1);
  Tecla(m_pGrid, wxEVT_KEY_DOWN, WXK_DOWN);
  EXPECT_EQ(m_pGrid->DameCeldaFoco(), (SCeldaId{2, 1}));

  Tecla(m_pGrid, wxEVT_CHAR, 'x', 'x');
  ASSERT_TRUE(m_pGrid->Editando());
  EXPECT_EQ(m_avisos.back().DameCodigo(), kGvnInicioEdicion);
  CGridCellEdit* editor = m_pGrid->DameEditor();
  EXPECT_EQ(editor->GetValue(), "x");
  editor->AppendText(wxString::FromUTF8("\xC3\xB1"));  // typed text reaches the cell as Windows-1252
  Tecla(editor, wxEVT_KEY_DOWN, WXK_RETURN);
  EXPECT_FALSE(m_pGrid->Editando());
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "x\xF1");
  EXPECT_EQ(m_avisos.back().DameCodigo(), kGvnFinEdicion);
  EXPECT_EQ(m_avisos.back().DameTexto(), "x\xF1");
  EXPECT_EQ(m_avisos.back().DameTecla(), ETeclaGrid::Intro);

  // Escape puts the old text back; an arrow of an edit started by a key ends it and moves on.
  Tecla(m_pGrid, wxEVT_CHAR, 'z', 'z');
  ASSERT_TRUE(m_pGrid->Editando());
  Tecla(m_pGrid->DameEditor(), wxEVT_KEY_DOWN, WXK_ESCAPE);
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "x\xF1");
  Tecla(m_pGrid, wxEVT_CHAR, 'q', 'q');
  Tecla(m_pGrid->DameEditor(), wxEVT_KEY_DOWN, WXK_DOWN);
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "q");
  EXPECT_EQ(m_pGrid->DameCeldaFoco(), (SCeldaId{3, 1}));
  wxTheApp->ProcessIdle();
}

TEST_F(GridCtrlVentana, EditorDeListaEnSuSitio) {
  REQUIERE_PANTALLA();
  const std::vector<std::string> opciones{"Uno", "Dos", "Espa\xF1" "a"};
  // Editing off (as in the program's dialogs): no list editor.
  m_pGrid->EditarCeldaConLista(2, 1, opciones, false, false);
  EXPECT_FALSE(m_pGrid->Editando());

  m_pGrid->PonEditable(true);
  m_pGrid->PonTextoCelda(2, 1, "Dos");
  m_pGrid->EditarCeldaConLista(2, 1, opciones, false, false);
  ASSERT_TRUE(m_pGrid->Editando());
  CGridListEdit* lista = m_pGrid->DameEditorLista();
  ASSERT_NE(lista, nullptr);
  EXPECT_EQ(m_avisos.back().DameCodigo(), kGvnInicioEdicion);
  EXPECT_EQ(lista->GetValue(), "Dos");  // the cell's text starts chosen
  EXPECT_EQ(lista->GetCount(), 3u);
  // A second editor never opens over the first.
  m_pGrid->EditarCelda(3, 1, ETeclaGrid::Otra, 'x', false);
  EXPECT_EQ(m_pGrid->DameEditor(), nullptr);
  // A choice and Enter: the cell takes it (as Windows-1252) and the parent hears the end with the key.
  lista->SetSelection(2);
  lista->AplicarTecla(ETeclaGrid::Intro, false, false);
  EXPECT_FALSE(m_pGrid->Editando());
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "Espa\xF1" "a");
  EXPECT_EQ(m_avisos.back().DameCodigo(), kGvnFinEdicion);
  EXPECT_EQ(m_avisos.back().DameFila(), 2);
  EXPECT_EQ(m_avisos.back().DameColumna(), 1);
  EXPECT_EQ(m_avisos.back().DameTexto(), "Espa\xF1" "a");
  EXPECT_EQ(m_avisos.back().DameTecla(), ETeclaGrid::Intro);
  wxTheApp->ProcessIdle();

  // Escape puts the starting text back, in the list and in the edit part alike.
  m_pGrid->EditarCeldaConLista(2, 1, opciones, false, false);
  m_pGrid->DameEditorLista()->SetSelection(0);
  m_pGrid->DameEditorLista()->AplicarTecla(ETeclaGrid::Escape, false, false);
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "Espa\xF1" "a");
  m_pGrid->EditarCeldaConLista(2, 1, opciones, true, false);
  m_pGrid->DameEditorLista()->ChangeValue("otra cosa");
  m_pGrid->DameEditorLista()->AplicarTecla(ETeclaGrid::Escape, false, true);
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "Espa\xF1" "a");

  // With an edit part a typed text is taken; an arrow there stays in the text, with Ctrl it ends and moves on.
  m_pGrid->PonCeldaFoco(2, 1);
  m_pGrid->EditarCeldaConLista(2, 1, opciones, true, true);
  m_pGrid->DameEditorLista()->ChangeValue("Tres");
  m_pGrid->DameEditorLista()->AplicarTecla(ETeclaGrid::Abajo, false, true);
  ASSERT_TRUE(m_pGrid->Editando());
  m_pGrid->DameEditorLista()->AplicarTecla(ETeclaGrid::Abajo, true, true);
  EXPECT_FALSE(m_pGrid->Editando());
  EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "Tres");
  EXPECT_EQ(m_pGrid->DameCeldaFoco(), (SCeldaId{3, 1}));
  wxTheApp->ProcessIdle();
}

// Down and Up in the list editor (started by the mouse) step to the next and the previous entry from the one
// shown, in the list and in the edit part alike; Enter keeps the choice.
TEST_F(GridCtrlVentana, EditorDeListaAbajoVaALaSiguienteEntrada) {
  REQUIERE_PANTALLA();
  const std::vector<std::string> opciones{"Uno", "Dos", "Espa\xF1" "a"};
  m_pGrid->PonEditable(true);
  for (const bool conEdicion : {false, true}) {
    SCOPED_TRACE(conEdicion ? "with an edit part" : "list only");
    m_pGrid->PonTextoCelda(2, 1, "Dos");
    m_pGrid->EditarCeldaConLista(2, 1, opciones, conEdicion, false);
    ASSERT_TRUE(m_pGrid->Editando());
    CGridListEdit* lista = m_pGrid->DameEditorLista();
    Tecla(lista, wxEVT_KEY_DOWN, WXK_DOWN);
    EXPECT_EQ(lista->GetValue(), wxString::FromUTF8("Espa\xC3\xB1" "a"));
    Tecla(lista, wxEVT_KEY_DOWN, WXK_DOWN);  // the last stays
    EXPECT_EQ(lista->GetValue(), wxString::FromUTF8("Espa\xC3\xB1" "a"));
    Tecla(lista, wxEVT_KEY_DOWN, WXK_UP);
    Tecla(lista, wxEVT_KEY_DOWN, WXK_UP);
    EXPECT_EQ(lista->GetValue(), "Uno");
    Tecla(lista, wxEVT_KEY_DOWN, WXK_DOWN);
    EXPECT_EQ(lista->GetValue(), "Dos");
    ASSERT_TRUE(m_pGrid->Editando());
    lista->AplicarTecla(ETeclaGrid::Intro, false, conEdicion);
    EXPECT_FALSE(m_pGrid->Editando());
    EXPECT_EQ(m_pGrid->DameTextoCelda(2, 1), "Dos");
    wxTheApp->ProcessIdle();
  }
  // In the edit part a typed text that is no entry: Down takes the first.
  m_pGrid->EditarCeldaConLista(2, 1, opciones, true, false);
  m_pGrid->DameEditorLista()->ChangeValue("D");
  Tecla(m_pGrid->DameEditorLista(), wxEVT_KEY_DOWN, WXK_DOWN);
  EXPECT_EQ(m_pGrid->DameEditorLista()->GetValue(), "Uno");
  m_pGrid->DameEditorLista()->AplicarTecla(ETeclaGrid::Escape, false, true);
  wxTheApp->ProcessIdle();
}

TEST_F(GridCtrlVentana, RuedaDesplazaLineas) {
  REQUIERE_PANTALLA();
  ASSERT_GT(m_pGrid->Modelo().RangoVertical(), 0);
  wxMouseEvent evento(wxEVT_MOUSEWHEEL);
  evento.m_wheelRotation = -120;
  evento.m_wheelDelta = 120;
  evento.m_linesPerAction = 3;
  evento.m_wheelAxis = wxMOUSE_WHEEL_VERTICAL;
  m_pGrid->GetEventHandler()->ProcessEvent(evento);
  EXPECT_EQ(m_pGrid->Modelo().CeldaSuperiorIzquierda().fila, 4);
  EXPECT_EQ(m_pGrid->GetScrollPos(wxVERTICAL), m_pGrid->Modelo().DamePosicion(EBarra::Vertical));
  evento.m_wheelRotation = 60;  // half a notch: one line
  m_pGrid->GetEventHandler()->ProcessEvent(evento);
  EXPECT_EQ(m_pGrid->Modelo().CeldaSuperiorIzquierda().fila, 3);
}

TEST_F(GridCtrlVentana, CopiarAlPortapapeles) {
  REQUIERE_PANTALLA();
  m_pGrid->PonTextoCelda(3, 1, "\xC1rbol");
  m_pGrid->PonRangoSeleccion(3, 0, 3, 1);
  ASSERT_TRUE(m_pGrid->Copiar());
  ASSERT_TRUE(wxTheClipboard->Open());
  wxTextDataObject datos;
  EXPECT_TRUE(wxTheClipboard->GetData(datos));
  wxTheClipboard->Close();
  EXPECT_EQ(datos.GetText(), wxString::FromUTF8("100R003\t\xC3\x81rbol"));
}

TEST_F(GridCtrlVentana, DDXGridOcupaElSitioDelElemento) {
  REQUIERE_PANTALLA();
  new wxStaticText(m_pPanel, 1369, "marcador", wxPoint(10, 210), wxSize(300, 60));
  auto* grid = new CGridCtrl(0, 3);
  EXPECT_FALSE(DDX_Grid(m_pPanel, 9999, *grid));
  ASSERT_TRUE(DDX_Grid(m_pPanel, 1369, *grid));
  EXPECT_TRUE(grid->TieneVentana());
  EXPECT_EQ(m_pPanel->FindWindow(1369), grid);
  EXPECT_EQ(grid->GetPosition(), wxPoint(10, 210));
  EXPECT_TRUE(DDX_Grid(m_pPanel, 1369, *grid));  // already attached
  EXPECT_GT(grid->Modelo().DameMargen(), 0);      // the font was applied
}

}  // namespace
}  // namespace marco
